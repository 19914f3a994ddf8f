// Graphics primitives: the records of the "#SHOWGRAFIC" block and, while a plot
// file is open, the matching plot entities.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <vector>

#include "base/kovmem.h"
#include "base/kovnum.h"
#include "output/geo2d.h"
#include "output/ioliplot.h"
#include "output/iolipriv.h"
#include "platform/kovdraw.h"
#include "platform/kovmath.h"
#include "platform/olirecords.h"

namespace {

const double kPi = KOV_PI;
const double kDeg = KOV_RAD_TO_DEG;

OliGraphicState& G() { return *Oli_Graphic_State_Mut(); }
FILE* S() { return G().stream; }

int clamp255(int v) { return std::max(0, std::min(255, v)); }

int to_byte(double v)
{
    if (!std::isfinite(v)) return v > 0 ? 255 : 0;
    return clamp255(static_cast<int>(std::round(std::max(-1.0, std::min(256.0, v * 255.0)))));
}

double hue_to_rgb(double p, double q, double t)
{
    if (t < 0.0) t += 1.0;
    if (t > 1.0) t -= 1.0;
    if (t < 1.0 / 6.0) return p + (q - p) * 6.0 * t;
    if (t < 0.5) return q;
    if (t < 2.0 / 3.0) return p + (q - p) * (2.0 / 3.0 - t) * 6.0;
    return p;
}

OliRgb shifted(OliRgb c, double percent)
{
    Oli_Colour_Shift_Lightness(&c.r, &c.g, &c.b, percent);
    return c;
}

// A text fit for one record: at most 254 bytes, without the closing delimiter
// 0xAF and without line breaks, which would end the string or the record early.
struct SafeText {
    char buf[255];
    explicit SafeText(const char* text)
    {
        size_t n = 0;
        if (text) {
            for (; text[n] && n < sizeof buf - 1; ++n) {
                unsigned char ch = static_cast<unsigned char>(text[n]);
                buf[n] = (ch == 0xAF || ch == '\n' || ch == '\r') ? ' ' : text[n];
            }
        }
        buf[n] = 0;
    }
};

int align_code(int v, int h)
{
    int hp = h == 1 ? 4 : (h == 4 ? 2 : 1);
    int vp = v == 0 ? 0x08 : (v == 4 ? 0x10 : 0x20);
    return 0xC0 + hp + vp;
}

int keypad(int v, int h)
{
    int row;
    if (v == 2)
        row = 7;
    else if (v == 4)
        row = 4;
    else if (v == 0)
        row = 1;
    else
        return 5;
    if (h == 3) return row;
    if (h == 4) return row + 1;
    if (h == 1) return row + 2;
    return 5;
}

// Turned texts: opcode 14 and the record at the turned point.
void text_turned(double x, double y, const char* text, int opcode, int code, int just)
{
    OliGraphicState& g = G();
    SafeText t(text);
    double tx = x, ty = y;
    Oli_Turn(&tx, &ty);
    double bx = oli_fin(tx * g.scale_x), by = oli_fin(ty * g.scale_y);
    File_Printf(S(), " %d %lf 0\n", OLI_G_TEXT_ANGLE, oli_fin((g.text_angle - g.rotation) * kDeg));
    if (opcode == 3)
        File_Printf(S(), " %d %lf %lf \xAE%s\xAF\n", OLI_G_TEXT_TURNED, bx, by, t.buf);
    else
        File_Printf(S(), " %d %lf %lf %lf %lf %d \xAE%s\xAF\n", OLI_G_TEXT_ALIGNED_TURNED, bx, by, bx, by, code, t.buf);
    Plot_Entity_Text(t.buf, just, tx, Oli_Plot_Y(ty), (g.rotation + g.text_angle) * kDeg, 0);
}

// Fixed texts: records 2 and 9 at the unturned point.
void text_fixed(double x, double y, const char* text, int opcode, int code, int just, int angle_kind)
{
    OliGraphicState& g = G();
    SafeText t(text);
    double bx = oli_fin(x * g.scale_x), by = oli_fin(y * g.scale_y);
    if (opcode == 2)
        File_Printf(S(), " %d %lf %lf \xAE%s\xAF\n", OLI_G_TEXT, bx, by, t.buf);
    else
        File_Printf(S(), " %d %lf %lf %lf %lf %d \xAE%s\xAF\n", OLI_G_TEXT_ALIGNED, bx, by, bx, by, code, t.buf);
    Plot_Entity_Text(t.buf, just, x, Oli_Plot_Y(y), (g.rotation + g.text_angle) * kDeg, angle_kind);
}

// Orders two turned corners by the block's axis directions.
void order_corners(double* x1, double* y1, double* x2, double* y2)
{
    const OliGraphicState& g = G();
    if ((g.x_code == 1 && *x1 > *x2) || (g.x_code == 3 && *x1 < *x2)) std::swap(*x1, *x2);
    if ((g.y_code == 0 && *y1 > *y2) || (g.y_code == 2 && *y1 < *y2)) std::swap(*y1, *y2);
}

// Widened, turned, ordered outer rectangle and its opcode-24 record.
void rect_record(double* x1, double* y1, double* x2, double* y2)
{
    OliGraphicState& g = G();
    Oli_Widen(*x1, *y1);
    Oli_Widen(*x2, *y2);
    Oli_Turn(x1, y1);
    Oli_Turn(x2, y2);
    order_corners(x1, y1, x2, y2);
    File_Printf(S(), " %d  %lf %lf %lf %lf\n", OLI_G_BOX, oli_fin(*x1 * g.scale_x), oli_fin(*y2 * g.scale_y),
                oli_fin(*x2 * g.scale_x), oli_fin(*y1 * g.scale_y));
}

void rect_ring(double x1, double y1, double x2, double y2, int kind)
{
    double py1 = Oli_Plot_Y(y1), py2 = Oli_Plot_Y(y2);
    double rx[4] = {x1, x1, x2, x2};
    double ry[4] = {py1, py2, py2, py1};
    Plot_Entity_Ring(4, rx, ry, kind);
}

void circle(double cx, double cy, double diameter, bool round)
{
    OliGraphicState& g = G();
    double r = diameter / 2.0;
    Oli_Widen(cx - diameter, cy - diameter);
    Oli_Widen(cx + diameter, cy + diameter);
    double tx = cx, ty = cy;
    Oli_Turn(&tx, &ty);
    File_Printf(S(), " %d %d", OLI_G_POLYGON, 32);
    for (int k = 0; k < 32; ++k) {
        double a = k * kPi / 16.0;
        double px = (tx + r * std::cos(a)) * g.scale_x;
        double py = round ? ty * g.scale_y + r * g.scale_x * std::sin(a) : (ty + r * std::sin(a)) * g.scale_y;
        File_Printf(S(), " %lf %lf", oli_fin(px), oli_fin(py));
    }
    File_Printf(S(), "\n");
    if (Plot_Is_Open() && Plot_Get_State()->filling >= 0) {
        Plot_Entity_Group(1);
        Plot_Entity_Area_Head(0, 2);
        Plot_Entity_Circle(tx, Oli_Plot_Y(ty), r);
        Plot_Entity_Group(0);
    }
}

} // namespace

// ---- colours ----------------------------------------------------------------------------------

void Oli_Colour_Shift_Lightness(int* r, int* g, int* b, double percent)
{
    if (!r || !g || !b) return;
    if (!std::isfinite(percent)) percent = 0.0;
    double R = clamp255(*r) / 255.0, Gc = clamp255(*g) / 255.0, B = clamp255(*b) / 255.0;
    double mx = std::max(R, std::max(Gc, B)), mn = std::min(R, std::min(Gc, B));
    double h = 0.0, s = 0.0, l = (mx + mn) / 2.0;
    if (mx != mn) {
        double d = mx - mn;
        s = l > 0.5 ? d / (2.0 - mx - mn) : d / (mx + mn);
        if (mx == R)
            h = (Gc - B) / d + (Gc < B ? 6.0 : 0.0);
        else if (mx == Gc)
            h = (B - R) / d + 2.0;
        else
            h = (R - Gc) / d + 4.0;
        h /= 6.0;
    }
    l *= 1.0 + percent * 0.01;
    if (l <= 0.0) {
        *r = *g = *b = 0;
        return;
    }
    double rr, gg, bb;
    if (s == 0.0) {
        rr = gg = bb = l;
    } else {
        double q = l < 0.5 ? l * (1.0 + s) : l + s - l * s;
        double p = 2.0 * l - q;
        rr = hue_to_rgb(p, q, h + 1.0 / 3.0);
        gg = hue_to_rgb(p, q, h);
        bb = hue_to_rgb(p, q, h - 1.0 / 3.0);
    }
    *r = to_byte(rr);
    *g = to_byte(gg);
    *b = to_byte(bb);
}

int Oli_Colour_Pack(int r, int g, int b) { return clamp255(r) + 256 * clamp255(g) + 65536 * clamp255(b); }

void Oli_Colour_Unpack(int packed, int* r, int* g, int* b)
{
    if (r) *r = packed & 0xFF;
    if (g) *g = (packed >> 8) & 0xFF;
    if (b) *b = (packed >> 16) & 0xFF;
}

namespace {

int shifted_palette_index(int packed, double percent)
{
    int r, g, b;
    Oli_Colour_Unpack(packed, &r, &g, &b);
    Oli_Colour_Shift_Lightness(&r, &g, &b, percent);
    return Nearest_RGB_Color(r, g, b);
}

} // namespace

int Oli_Colour_Lighter_Index(int packed, double percent) { return shifted_palette_index(packed, percent); }

int Oli_Colour_Darker_Index(int packed, double percent) { return shifted_palette_index(packed, -percent); }

void Oli_Graphic_Set_Colour_Index(int index)
{
    if (G().colour_output)
        File_Printf(S(), " %d  %d\n", OLI_G_COLOUR, index);
    else
        File_Printf(S(), " %d  0\n", OLI_G_COLOUR);
}

void Oli_Graphic_Set_Colour_Zero(void) { Oli_Graphic_Set_Colour_Index(0); }

void Oli_Graphic_Set_Line_Rgb(OliRgb colour)
{
    OliGraphicState& g = G();
    g.line_colour = colour;
    if (!g.extended) return;
    OliRgb c = shifted(colour, g.line_lightness);
    File_Printf(S(), "%d %d %d %d\n", OLI_G_LINE_RGB, c.r, c.g, c.b);
}

void Oli_Graphic_Set_Line_Colour_Packed(int packed)
{
    OliRgb c;
    Oli_Colour_Unpack(packed, &c.r, &c.g, &c.b);
    Oli_Graphic_Set_Line_Rgb(c);
}

void Oli_Graphic_Set_Line_Lightness(double percent)
{
    OliGraphicState& g = G();
    g.line_lightness = percent;
    if (!g.extended) return;
    OliRgb c = shifted(g.line_colour, percent);
    File_Printf(S(), "%d %d %d %d\n", OLI_G_LINE_RGB, c.r, c.g, c.b);
}

void Oli_Graphic_Set_Fill_Rgb(OliRgb colour)
{
    OliGraphicState& g = G();
    g.fill_colour = colour;
    if (!g.extended) return;
    OliRgb c = shifted(colour, g.fill_lightness);
    File_Printf(S(), "%d %d %d %d\n", OLI_G_FILL_RGB, c.r, c.g, c.b);
}

void Oli_Graphic_Set_Fill_Colour_Packed(int packed)
{
    OliRgb c;
    Oli_Colour_Unpack(packed, &c.r, &c.g, &c.b);
    Oli_Graphic_Set_Fill_Rgb(c);
}

void Oli_Graphic_Set_Fill_Lightness(double percent)
{
    OliGraphicState& g = G();
    g.fill_lightness = percent;
    if (!g.extended) return;
    OliRgb c = shifted(g.fill_colour, percent);
    File_Printf(S(), "%d %d %d %d\n", OLI_G_FILL_RGB, c.r, c.g, c.b);
}

// ---- pattern, dash, push and pop ----------------------------------------------------------------

void Oli_Graphic_Set_Pattern(int pattern, int colour)
{
    OliGraphicState& g = G();
    if (!g.extended) return;
    g.pattern = pattern;
    if (!g.colour_output) {
        File_Printf(S(), "%d 0\n", OLI_G_COLOUR);
        return;
    }
    File_Printf(S(), "%d\n", OLI_G_PATTERN_AREA);
    File_Printf(S(), "%d %d\n", OLI_G_PATTERN, pattern);
    File_Printf(S(), "%d\n", OLI_G_PATTERN_BEGIN);
    File_Printf(S(), " %d  %d\n", OLI_G_COLOUR, colour);
    File_Printf(S(), "%d\n", OLI_G_PATTERN_END);
}

void Oli_Graphic_Pattern_Start(void)
{
    if (G().extended) File_Printf(S(), "%d\n", OLI_G_PATTERN_AREA);
}

void Oli_Graphic_Pattern_Colour_Start(void)
{
    if (G().extended) File_Printf(S(), "%d\n", OLI_G_PATTERN_BEGIN);
}

void Oli_Graphic_Pattern_Colour_End(void)
{
    if (G().extended) File_Printf(S(), "%d\n", OLI_G_PATTERN_END);
}

void Oli_Graphic_Set_Dash(int kind)
{
    switch (kind) {
        case 1: File_Printf(S(), " %d %d %s %d\n", OLI_G_DASHES, 2, "0.1 0.1", 0); break;
        case 2: File_Printf(S(), " %d %d %s %d\n", OLI_G_DASHES, 2, "0.03 0.05", 0); break;
        case 3: File_Printf(S(), " %d %d %s %d\n", OLI_G_DASHES, 4, "0.28 0.05 0.04 0.05", 0); break;
        case 4: File_Printf(S(), " %d %d %s %d\n", OLI_G_DASHES, 2, "0.01 0.28", 0); break;
        default: File_Printf(S(), " %d %d %s %d\n", OLI_G_DASHES, 0, " ", 0); break;
    }
}

void Oli_Graphic_Push_State(void)
{
    OliGraphicState& g = G();
    File_Printf(S(), " %d\n", OLI_G_PUSH);
    if (g.extended) File_Printf(S(), " %d\n", OLI_G_PUSH_EXTENDED);
    g.saved_rotation = g.rotation;
    g.saved_text_angle = g.text_angle;
    if (Plot_Is_Open()) Plot_Save_Attributes();
}

void Oli_Graphic_Pop_State(void)
{
    OliGraphicState& g = G();
    File_Printf(S(), " %d\n", OLI_G_POP);
    if (g.extended) File_Printf(S(), " %d\n", OLI_G_POP_EXTENDED);
    g.rotation = g.saved_rotation;
    g.text_angle = g.saved_text_angle;
    if (Plot_Is_Open()) Plot_Restore_Attributes();
}

// ---- lines and areas ------------------------------------------------------------------------------

void Oli_Graphic_Line(double x1, double y1, double x2, double y2)
{
    OliGraphicState& g = G();
    Oli_Widen(x1, y1);
    Oli_Widen(x2, y2);
    Oli_Turn(&x1, &y1);
    Oli_Turn(&x2, &y2);
    File_Printf(S(), " %d  %lf %lf %lf %lf\n", OLI_G_LINE, oli_fin(x1 * g.scale_x), oli_fin(y1 * g.scale_y),
                oli_fin(x2 * g.scale_x), oli_fin(y2 * g.scale_y));
    Plot_Entity_Line(x1, Oli_Plot_Y(y1), x2, Oli_Plot_Y(y2));
}

void Oli_Graphic_Polyline(int n, const double x[], const double y[])
{
    if (!x || !y) return;
    if (n > 1) {
        for (int i = 0; i + 1 < n; ++i) Oli_Graphic_Line(x[i], y[i], x[i + 1], y[i + 1]);
        Oli_Graphic_Line(x[0], y[0], x[n - 1], y[n - 1]);
    } else if (n < -1) {
        long long m = -static_cast<long long>(n);
        for (long long i = 0; i + 1 < m; ++i) Oli_Graphic_Line(x[i], y[i], x[i + 1], y[i + 1]);
    }
}

void Oli_Graphic_Rect_Frame(double x1, double y1, double x2, double y2)
{
    Oli_Graphic_Line(x1, y1, x1, y2);
    Oli_Graphic_Line(x1, y2, x2, y2);
    Oli_Graphic_Line(x2, y2, x2, y1);
    Oli_Graphic_Line(x2, y1, x1, y1);
}

void Oli_Graphic_Rect_Frame_Centred(double cx, double cy, double width, double height)
{
    double x1 = cx - width / 2.0, y1 = cy - height / 2.0;
    Oli_Graphic_Rect_Frame(x1, y1, x1 + width, y1 + height);
}

int Oli_Graphic_Polygon(int n, const double x[], const double y[])
{
    if (n < 1 || !x || !y) return n;
    OliGraphicState& g = G();
    // Work on copies: the caller's arrays stay exactly as they were.
    std::vector<double> tx(x, x + n), ty(y, y + n);
    Oli_Widen(*std::min_element(tx.begin(), tx.end()), *std::min_element(ty.begin(), ty.end()));
    Oli_Widen(*std::max_element(tx.begin(), tx.end()), *std::max_element(ty.begin(), ty.end()));
    Geo_To_Local(tx.data(), ty.data(), n, 0.0, 0.0, g.rotation, 1.0);
    File_Printf(S(), " %d %d", OLI_G_POLYGON, n);
    for (int i = 0; i < n; ++i) File_Printf(S(), " %lf %lf", oli_fin(tx[i] * g.scale_x), oli_fin(ty[i] * g.scale_y));
    File_Printf(S(), " \n");
    if (Plot_Entity_Area_Head(0, n)) {
        for (int i = 0; i < n; ++i) ty[i] = Oli_Plot_Y(ty[i]);
        Plot_Entity_Ring(n, tx.data(), ty.data(), 0);
    }
    return n;
}

int Oli_Graphic_Fill_Polygon(int n, const double x[], const double y[])
{
    if (G().colour_output) Oli_Graphic_Polygon(n, x, y);
    return n;
}

int Oli_Graphic_Triangle(const double x[3], const double y[3])
{
    Oli_Graphic_Polygon(3, x, y);
    return 3;
}

void Oli_Graphic_Fill_Rect(double x1, double y1, double x2, double y2)
{
    rect_record(&x1, &y1, &x2, &y2);
    if (Plot_Entity_Area_Head(0, 4)) rect_ring(x1, y1, x2, y2, 2);
}

void Oli_Graphic_Fill_Rect_Centred(double cx, double cy, double width, double height)
{
    Oli_Graphic_Fill_Rect(cx - width / 2.0, cy - height / 2.0, cx + width / 2.0, cy + height / 2.0);
}

void Oli_Graphic_Fill_Rect_Frame(double ox1, double oy1, double ox2, double oy2, double ix1, double iy1, double ix2,
                                 double iy2)
{
    OliGraphicState& g = G();
    rect_record(&ox1, &oy1, &ox2, &oy2);
    Oli_Graphic_Set_Colour_Zero();
    Oli_Turn(&ix1, &iy1);
    Oli_Turn(&ix2, &iy2);
    if (ix1 > ix2) std::swap(ix1, ix2);
    if (iy1 > iy2) std::swap(iy1, iy2);
    double lo_x = std::min(ox1, ox2), hi_x = std::max(ox1, ox2);
    double lo_y = std::min(oy1, oy2), hi_y = std::max(oy1, oy2);
    bool hole =
        lo_x < ix1 && ix1 < hi_x && lo_x < ix2 && ix2 < hi_x && lo_y < iy1 && iy1 < hi_y && lo_y < iy2 && iy2 < hi_y;
    if (hole)
        File_Printf(S(), " %d  %lf %lf %lf %lf\n", OLI_G_BOX, oli_fin(ix1 * g.scale_x), oli_fin(iy2 * g.scale_y),
                    oli_fin(ix2 * g.scale_x), oli_fin(iy1 * g.scale_y));
    if (Plot_Entity_Area_Head(hole ? 1 : 0, 4)) {
        rect_ring(ox1, oy1, ox2, oy2, 2);
        if (hole) {
            Plot_Entity_Count(4);
            rect_ring(ix1, iy1, ix2, iy2, 1);
        }
    }
}

void Oli_Graphic_Thick_Line(double x1, double y1, double x2, double y2, double width, int outline)
{
    double a = Geo_Line_Angle_2Pi(x1, y1, x2, y2);
    double px[2] = {x1, x2}, py[2] = {y1, y2};
    Geo_To_Local(px, py, 2, x1, y1, a, 1.0);
    double h = width / 2.0;
    double cx[4] = {px[0], px[1], px[1], px[0]};
    double cy[4] = {py[0] - h, py[1] - h, py[1] + h, py[0] + h};
    Geo_To_World(cx, cy, 4, x1, y1, a, 1.0);
    if (G().colour_output) Oli_Graphic_Polygon(4, cx, cy);
    if (outline) Oli_Graphic_Polyline(4, cx, cy);
}

void Oli_Graphic_Fill_Circle(double cx, double cy, double diameter) { circle(cx, cy, diameter, false); }

void Oli_Graphic_Fill_Circle_Round(double cx, double cy, double diameter) { circle(cx, cy, diameter, true); }

void Oli_Graphic_Arc(double cx, double cy, double diameter, double start, double sweep)
{
    if (!std::isfinite(start) || !std::isfinite(sweep)) return;
    const double two_pi = 2.0 * kPi;
    double r = diameter / 2.0;
    double s = start * kPi / 180.0;
    double e = s + sweep * kPi / 180.0;
    double step = sweep <= 180.0 ? kPi / 32.0 : kPi / 16.0;
    Plot_Entity_Group(1);
    if (s < 0.0) {
        // Raise into [0, 2 pi) by whole turns; the end follows below.
        double turns = std::ceil(-s / two_pi);
        s += turns * two_pi;
        if (s >= two_pi) s -= two_pi;
    }
    if (e < s) e += std::ceil((s - e) / two_pi) * two_pi;
    double px = cx + r * std::cos(s), py = cy + r * std::sin(s);
    for (int k = 0;; ++k) {
        double a = k * step;
        if (a >= 4.0 * kPi) break;
        if (s < a && a <= e) {
            double nx = cx + r * std::cos(a), ny = cy + r * std::sin(a);
            Oli_Graphic_Line(px, py, nx, ny);
            px = nx;
            py = ny;
        }
        if (Round_To_Decimals(a - e, 5) >= 0.0) break;
    }
    Oli_Graphic_Line(px, py, cx + r * std::cos(e), cy + r * std::sin(e));
    Plot_Entity_Group(0);
}

// ---- texts ------------------------------------------------------------------------------------------

void Oli_Graphic_Text_At(double x, double y, const char* text) { text_turned(x, y, text, 3, 0, 7); }

void Oli_Graphic_Text_Centred(double x, double y, const char* text) { text_turned(x, y, text, 10, 210, 5); }

void Oli_Graphic_Text_Aligned(double x, double y, int v, int h, const char* format, ...)
{
    char buf[255] = "";
    if (format) {
        va_list ap;
        va_start(ap, format);
        vsnprintf(buf, sizeof buf, format, ap);
        va_end(ap);
    }
    text_turned(x, y, buf, 10, align_code(v, h), keypad(v, h));
}

void Oli_Graphic_Text_Plain(double x, double y, const char* text) { text_fixed(x, y, text, 2, 0, 7, 1); }

void Oli_Graphic_Text_Right(double x, double y, const char* text) { text_fixed(x, y, text, 9, 212, 6, 1); }

void Oli_Graphic_Text_Middle(double x, double y, const char* text) { text_fixed(x, y, text, 9, 210, 5, 1); }

void Oli_Graphic_Text_Upright(double x, double y, const char* text) { text_fixed(x, y, text, 9, 466, 5, 2); }

void Oli_Graphic_Text_Top(double x, double y, const char* text) { text_fixed(x, y, text, 9, 226, 8, 1); }

void Oli_Graphic_Text_Bottom(double x, double y, const char* text) { text_fixed(x, y, text, 9, 202, 2, 1); }

void Oli_Graphic_Text_Aligned_Fixed(double x, double y, int v, int h, const char* format, ...)
{
    char buf[255] = "";
    if (format) {
        va_list ap;
        va_start(ap, format);
        vsnprintf(buf, sizeof buf, format, ap);
        va_end(ap);
    }
    text_fixed(x, y, buf, 9, align_code(v, h), keypad(v, h), 0);
}

// ---- comparators --------------------------------------------------------------------------------------

namespace {
int cmp(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }
const Point2D* P(const void* v) { return static_cast<const Point2D*>(v); }
} // namespace

int Oli_Compare_Point_X_Desc(const void* a, const void* b) { return -cmp(P(a)->x, P(b)->x); }
int Oli_Compare_Point_X_Asc(const void* a, const void* b) { return cmp(P(a)->x, P(b)->x); }
int Oli_Compare_Point_Y_Desc(const void* a, const void* b) { return -cmp(P(a)->y, P(b)->y); }
int Oli_Compare_Point_Y_Asc(const void* a, const void* b) { return cmp(P(a)->y, P(b)->y); }
