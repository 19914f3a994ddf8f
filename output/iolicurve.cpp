// Curved shapes, labelled marks and the fill-pattern sheet of the graphics blocks.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/kovfile.h"
#include "base/kovmem.h"
#include "base/kovnum.h"
#include "output/geo2d.h"
#include "output/iolicomp.h"
#include "output/iolipriv.h"
#include "output/iolistyle.h"
#include "output/ioliwrt.h"
#include "platform/kovhost.h"
#include "platform/olirecords.h"

namespace {

const double kPi = 3.14159265358979323846;
const double kRadPerDeg = 0.017453292519943295;
const double kGrid = kPi / 16.0;

const OliGraphicState& G() { return *Oli_Graphic_Get_State(); }
FILE* S() { return G().stream; }

// Start and end (radians) of an arc given in degrees: a negative start raised by
// whole turns into [0, 2 pi), the end raised until it is not below the start.
void arc_range(double start, double sweep, double* s, double* e)
{
    const double two_pi = 2.0 * kPi;
    *s = start * kRadPerDeg;
    *e = *s + sweep * kRadPerDeg;
    if (*s < 0.0) {
        *s += std::ceil(-*s / two_pi) * two_pi;
        if (*s >= two_pi) *s -= two_pi;
    }
    if (*e < *s) *e += std::ceil((*s - *e) / two_pi) * two_pi;
}

// Whether the walk over grid angles has reached the end.
bool reached(double a, double e) { return Round_To_Decimals(a - e, 5) >= 0.0; }

// A point written unturned: world times the scales.
void point(double x, double y) { File_Printf(S(), " %lf %lf", oli_fin(x * G().scale_x), oli_fin(y * G().scale_y)); }

// One segment of the round arc: turned centre plus turned offset, the offset
// scaled by the x scale in both directions so that the arc stays round.
void round_segment(double cx, double cy, double r, double a, double b)
{
    const OliGraphicState& g = G();
    Oli_Widen(cx + r * std::cos(a), cy + r * std::sin(a));
    Oli_Widen(cx + r * std::cos(b), cy + r * std::sin(b));
    double tx = cx, ty = cy;
    Oli_Turn(&tx, &ty);
    double o[4] = {r * std::cos(a), r * std::sin(a), r * std::cos(b), r * std::sin(b)};
    Oli_Turn(&o[0], &o[1]);
    Oli_Turn(&o[2], &o[3]);
    File_Printf(S(), " %d  %lf %lf %lf %lf\n", OLI_G_LINE, oli_fin(g.scale_x * (tx + o[0])),
                oli_fin(g.scale_y * ty + g.scale_x * o[1]), oli_fin(g.scale_x * (tx + o[2])),
                oli_fin(g.scale_y * ty + g.scale_x * o[3]));
}

// The four frame lines of a box (x1, y1)-(x2, y2) in the order left, top,
// right, bottom as seen from the first corner.
void box_frame(double x1, double y1, double x2, double y2)
{
    Oli_Graphic_Line(x1, y1, x1, y2);
    Oli_Graphic_Line(x1, y2, x2, y2);
    Oli_Graphic_Line(x2, y2, x2, y1);
    Oli_Graphic_Line(x2, y1, x1, y1);
}

void box_label(double x, double y, double hh, const char* text)
{
    if (!text) text = "";
    size_t n = std::strlen(text);
    double hw = hh * n;
    if (n >= 2) hw *= 0.8;
    Oli_Graphic_Push_State();
    Oli_Graphic_Set_Colour_Index(0);
    Oli_Graphic_Fill_Rect(x - hw, y - hh, x + hw, y + hh);
    box_frame(x - hw, y - hh, x + hw, y + hh);
    Oli_Graphic_Text_Centred(x, y, text);
    Oli_Graphic_Pop_State();
}

// The 32 points of a circle about the turned centre, times the scales.
void circle_points(double tx, double ty, double r, int count)
{
    for (int k = 0; k < count; ++k) point(tx + r * std::cos(k * kGrid), ty + r * std::sin(k * kGrid));
}

} // namespace

void Oli_Graphic_Arc_Round(double cx, double cy, double diameter, double start, double sweep)
{
    if (!std::isfinite(start) || !std::isfinite(sweep)) return;
    double s, e;
    arc_range(start, sweep, &s, &e);
    double r = diameter / 2.0;
    double step = sweep <= 180.0 ? kPi / 32.0 : kPi / 16.0;
    Plot_Entity_Group(1);
    double prev = s;
    for (int k = 0;; ++k) {
        double a = k * step;
        if (a >= 4.0 * kPi) break;
        if (s < a && a <= e) {
            round_segment(cx, cy, r, prev, a);
            prev = a;
        }
        if (reached(a, e)) break;
    }
    round_segment(cx, cy, r, prev, e);
    Plot_Entity_Group(0);
}

void Oli_Graphic_Fill_Sector(double cx, double cy, double diameter, double start, double sweep)
{
    if (!std::isfinite(start) || !std::isfinite(sweep)) return;
    double s, e;
    arc_range(start, sweep, &s, &e);
    double r = diameter / 2.0;
    Oli_Widen(cx - diameter, cy - diameter);
    Oli_Widen(cx + diameter, cy + diameter);
    double grid[65];
    int k = 0;
    for (int i = 0; i < 65; ++i) {
        double a = i * kGrid;
        if (s < a && a <= e) grid[k++] = a;
        if (reached(a, e)) break;
    }
    Plot_Entity_Group(1);
    File_Printf(S(), " %d %d", OLI_G_POLYGON, k + 3);
    point(cx, cy);
    point(cx + r * std::cos(s), cy + r * std::sin(s));
    for (int i = 0; i < k; ++i) point(cx + r * std::cos(grid[i]), cy + r * std::sin(grid[i]));
    point(cx + r * std::cos(e), cy + r * std::sin(e));
    File_Printf(S(), "\n");
    Plot_Entity_Group(0);
}

void Oli_Graphic_Slot(double x, double y, double w, double h)
{
    if (w <= h) {
        double r = w / 2.0, ty = y + h / 2.0, by = y - h / 2.0;
        Oli_Graphic_Line(x + r, ty, x + r, ty);
        double px = x + r, py = ty;
        for (int k = 1; k <= 16; ++k) {
            double nx = k < 16 ? x + r * std::cos(k * kGrid) : x - r;
            double ny = k < 16 ? ty + r * std::sin(k * kGrid) : ty;
            Oli_Graphic_Line(px, py, nx, ny);
            px = nx;
            py = ny;
        }
        Oli_Graphic_Line(x - r, ty, x - r, by);
        px = x - r;
        py = by;
        for (int k = 17; k <= 32; ++k) {
            double nx = k < 32 ? x + r * std::cos(k * kGrid) : x + r;
            double ny = k < 32 ? by + r * std::sin(k * kGrid) : by;
            Oli_Graphic_Line(px, py, nx, ny);
            px = nx;
            py = ny;
        }
        Oli_Graphic_Line(x + r, by, x + r, ty);
        return;
    }
    double r = h / 2.0, lx = x - w / 2.0 + r, qx = x + w / 2.0 - r;
    Oli_Graphic_Line(lx, y + r, qx, y + r);
    Oli_Graphic_Line(qx, y - r, lx, y - r);
    const double centres[2] = {lx, qx};
    for (int side = 0; side < 2; ++side) {
        double c = centres[side];
        int first = side == 0 ? 8 : 24; // pi/2 resp. 3 pi/2
        for (int k = first; k < first + 16; ++k)
            Oli_Graphic_Line(c + r * std::cos(k * kGrid), y + r * std::sin(k * kGrid),
                             c + r * std::cos((k + 1) * kGrid), y + r * std::sin((k + 1) * kGrid));
    }
}

void Oli_Graphic_Fill_Slot(double x, double y, double w, double h)
{
    Oli_Widen(x - w / 2.0 + h / 2.0, y - h / 2.0);
    Oli_Widen(x + w / 2.0 - h / 2.0, y + h / 2.0);
    File_Printf(S(), " %d %d", OLI_G_POLYGON, 34);
    if (w <= h) {
        double r = w / 2.0, ty = y + h / 2.0, by = y - h / 2.0;
        for (int k = 0; k < 16; ++k) point(x + r * std::cos(k * kGrid), ty + r * std::sin(k * kGrid));
        point(x - r, ty);
        for (int k = 16; k < 32; ++k) point(x + r * std::cos(k * kGrid), by + r * std::sin(k * kGrid));
        point(x + r, by);
    } else {
        double r = h / 2.0, lx = x - w / 2.0 + r, qx = x + w / 2.0 - r;
        for (int k = 8; k < 24; ++k) point(lx + r * std::cos(k * kGrid), y + r * std::sin(k * kGrid));
        point(lx, y - r);
        for (int k = 24; k < 40; ++k) point(qx + r * std::cos(k * kGrid), y + r * std::sin(k * kGrid));
        point(qx, y + r);
    }
    File_Printf(S(), "\n");
}

void Oli_Graphic_Fill_Ring(double cx, double cy, double outer, double inner)
{
    Oli_Widen(cx - outer, cy - outer);
    Oli_Widen(cx + outer, cy + outer);
    double tx = cx, ty = cy;
    Oli_Turn(&tx, &ty);
    double big = outer / 2.0, small = inner / 2.0;
    File_Printf(S(), " %d %d", OLI_G_POLYGON, 66);
    circle_points(tx, ty, big, 33);
    circle_points(tx, ty, small, 33);
    File_Printf(S(), "\n");
    if (Plot_Is_Open() && Plot_Get_State()->filling >= 0) {
        Plot_Entity_Group(1);
        Plot_Entity_Area_Head(1, 2);
        Plot_Entity_Circle(tx, Oli_Plot_Y(ty), big);
        Plot_Entity_Count(2);
        Plot_Entity_Circle(tx, Oli_Plot_Y(ty), small);
        Plot_Entity_Group(0);
    }
}

namespace {

// One ring of the polygon with holes: turned copies, the block record and,
// when the plot area is open, its vertex records.
void holes_ring(int n, const double x[], const double y[], bool plot)
{
    const OliGraphicState& g = G();
    double* tx = static_cast<double*>(Mem_Realloc(nullptr, n * static_cast<int>(sizeof(double)), 0));
    double* ty = static_cast<double*>(Mem_Realloc(nullptr, n * static_cast<int>(sizeof(double)), 0));
    for (int i = 0; i < n; ++i) {
        tx[i] = x[i];
        ty[i] = y[i];
    }
    Geo_To_Local(tx, ty, n, 0.0, 0.0, g.rotation, 1.0);
    File_Printf(S(), " %d %d", OLI_G_POLYGON, n);
    for (int i = 0; i < n; ++i) File_Printf(S(), " %lf %lf", oli_fin(tx[i] * g.scale_x), oli_fin(ty[i] * g.scale_y));
    File_Printf(S(), " \n");
    if (plot) {
        for (int i = 0; i < n; ++i) ty[i] = Oli_Plot_Y(ty[i]);
        Plot_Entity_Ring(n, tx, ty, 1);
    }
    Mem_Free_Null(reinterpret_cast<void**>(&tx));
    Mem_Free_Null(reinterpret_cast<void**>(&ty));
}

} // namespace

void Oli_Graphic_Fill_Polygon_Holes(int n, const double x[], const double y[], int holes, const int counts[],
                                    const double hx[], const double hy[], int circles, const double cx[],
                                    const double cy[], const double areas[])
{
    if (n < 1 || !x || !y || n > (1 << 24)) return;
    if (holes < 0 || !counts || !hx || !hy) holes = 0;
    if (circles < 0 || !cx || !cy || !areas) circles = 0;
    double x0, y0, x1, y1;
    Geo_Bounding_Box(n, x, y, &x0, &y0, &x1, &y1);
    Oli_Widen(x0, y0);
    Oli_Widen(x1, y1);
    bool plot = Plot_Entity_Area_Head(holes + circles, n) != 0;
    holes_ring(n, x, y, plot);
    Oli_Graphic_Set_Colour_Index(0);
    int at = 0;
    for (int i = 0; i < holes; ++i) {
        int c = counts[i];
        if (c < 1 || c > (1 << 24)) continue;
        if (plot) Plot_Entity_Count(c);
        holes_ring(c, hx + at, hy + at, plot);
        at += c;
    }
    for (int i = 0; i < circles; ++i) {
        double r = std::sqrt(areas[i] * 0.3183098861837907);
        double tx = cx[i], ty = cy[i];
        Oli_Turn(&tx, &ty);
        File_Printf(S(), " %d %d", OLI_G_POLYGON, 32);
        circle_points(tx, ty, r, 32);
        File_Printf(S(), "\n");
        if (plot) {
            Plot_Entity_Count(2);
            Plot_Entity_Circle(tx, Oli_Plot_Y(ty), r);
        }
    }
}

void Oli_Graphic_Label_Box(double x, double y, double size, const char* text)
{
    Oli_Rec_Text_Height(size);
    box_label(x, y, 0.8 * size / G().scale_y, text);
}

void Oli_Graphic_Number_Box(double x, double y, double size, int number)
{
    char buf[16];
    snprintf(buf, sizeof buf, "%d", number);
    Oli_Graphic_Label_Box(x, y, size, buf);
}

void Oli_Graphic_Label_Box_Scaled(double x, double y, double size, double divisor, const char* text)
{
    Oli_Rec_Line_Class(2);
    box_label(x, y, 0.8 * size / divisor, text);
}

void Oli_Graphic_Label_Circle(double x, double y, double size, double divisor, const char* text)
{
    if (!text) text = "";
    size_t n = std::strlen(text);
    double d = n * size / divisor * 1.52;
    if (n <= 1) d *= 1.5;
    Oli_Graphic_Push_State();
    Oli_Rec_Solid();
    Oli_Graphic_Set_Colour_Index(0);
    Oli_Rec_Line_Class(2);
    Oli_Graphic_Fill_Circle(x, y, d);
    Oli_Graphic_Arc(x, y, d, 0.0, 360.0);
    Oli_Graphic_Text_Centred(x, y, text);
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Number_Circle(double x, double y, double size, double divisor, int number)
{
    char buf[16];
    snprintf(buf, sizeof buf, "%d", number);
    Oli_Graphic_Label_Circle(x, y, size, divisor, buf);
}

void Oli_Graphic_Fill_Pattern_Sheet(FILE* f)
{
    // "Auswahl an Füllmustern zur Schichtdarstelllung im Ausdruck:" in bold (ü 0x81;
    // the heading is kept as the sheet always printed it).
    Oli_Text(f, "%s",
             "\xCE"
             "bAuswahl an F\x81llmustern zur Schichtdarstelllung im Ausdruck:");
    Oli_Graphic_Begin(f, 0, 26, 15, 0, 1, 1);
    double x = 0, y = 0;
    for (int i = 0; i <= 64; ++i) {
        Oli_Graphic_Set_Colour_Index(i);
        Oli_Graphic_Fill_Rect(x, y, x + 2.5, y + 2);
        box_frame(x, y, x + 2.5, y + 2);
        Oli_Graphic_Set_Colour_Index(0);
        Oli_Graphic_Fill_Rect(x + 1, y + 0.75, x + 1.5, y + 1.25);
        char num[16];
        snprintf(num, sizeof num, "%d", i);
        Oli_Graphic_Text_Middle(x + 1.25, y + 1, num);
        if (x >= 12.5) {
            x = 0;
            y += 2;
        } else {
            x += 2.5;
        }
    }
    File_Printf(f, " -1\n");
}

int Oli_Graphic_Show_Fill_Patterns(void)
{
    FILE* f = Base_Fopen(".TMP", "w");
    if (!f) return -1;
    Oli_Graphic_Fill_Pattern_Sheet(f);
    fclose(f);
    // The sheet's block wrote into f: no later record may reach the closed stream.
    OliGraphicState* g = Oli_Graphic_State_Mut();
    if (g->stream == f) g->stream = nullptr;
    if (g->saved_stream == f) g->saved_stream = nullptr;
    char path[262];
    if (!Base_Make_Path(path, ".TMP", 261)) return -1;
    return Quick_OLI_View(Base_Get_File(), path);
}
