// Symbols and markers of the graphics blocks: axes, labelled arrow, level marks,
// support, clamp hatch, double arrow, section line and bold text.
#include <cmath>
#include <cstring>

#include "base/kovmem.h"
#include "base/kovnum.h"
#include "output/geo2d.h"
#include "output/iolicomp.h"
#include "output/iolipriv.h"
#include "output/iolistyle.h"

namespace {

const double kPi = 3.14159265358979323846;

const OliGraphicState& G() { return *Oli_Graphic_Get_State(); }

// The level triangle: apex (x, y), the upper corners to either side.
void level_triangle(double x, double y, double size, double tx[3], double ty[3])
{
    double dx = 0.16 * size * Oli_Sign_X() / G().scale_x;
    double dy = 0.22 * size * Oli_Sign_Y() / G().scale_y;
    tx[0] = x;
    ty[0] = y;
    tx[1] = x + dx;
    ty[1] = y + dy;
    tx[2] = x - dx;
    ty[2] = y + dy;
}

void level_text(double x, double y, const char* text, double size)
{
    Oli_Rec_Text_Height(0.24 * size);
    Oli_Graphic_Set_Text_Angle(0.0);
    Oli_Graphic_Text_At(x - 0.14 * size * Oli_Sign_X() / G().scale_x, y + 0.33 * size * Oli_Sign_Y() / G().scale_y,
                        text);
}

void line_pts(const double x[], const double y[], int a, int b) { Oli_Graphic_Line(x[a], y[a], x[b], y[b]); }

} // namespace

void Oli_Graphic_Axes_Symbol(double x0, double y0, const char* x_label, const char* y_label, double size, double angle)
{
    Oli_Graphic_Push_State();
    Oli_Rec_Line_Class(4);
    Oli_Rec_Solid();
    Oli_Graphic_Set_Colour_Index(55);
    Oli_Rec_Text_Height(std::fmax(0.25 * size, 0.1875));
    Oli_Rec_Font(6);
    double e = size / G().max_scale, f = 0.2 * e, g = 0.5 * f;
    // x axis: shaft, head, label; then the same for the y axis.
    double px[12] = {0, e - g, e, e - f, e - f, e, 0, 0, 0, -g, g, -1.5 * f};
    double py[12] = {0, 0, 0, g, -g, -1.5 * f, 0, e - g, e, e - f, e - f, e};
    Geo_To_World(px, py, 12, x0, y0, angle, 1.0);
    for (int k = 0; k < 12; k += 6) {
        line_pts(px + k, py + k, 0, 1);
        Oli_Fill_Triangle(px[k + 2], py[k + 2], px[k + 3], py[k + 3], px[k + 4], py[k + 4]);
        Oli_Graphic_Text_Middle(px[k + 5], py[k + 5], k == 0 ? x_label : y_label);
    }
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Arrow_Label(double x0, double y0, double size, double angle, const char* text)
{
    const OliGraphicState& gs = G();
    Oli_Graphic_Push_State();
    Oli_Rec_Line_Class(4);
    Oli_Rec_Solid();
    Oli_Graphic_Set_Colour_Index(55);
    Oli_Rec_Text_Height(0.25 * size);
    Oli_Rec_Font(6);
    double l;
    if (angle == 0.0 || angle == kPi)
        l = size / gs.scale_x;
    else if (Round_To_Decimals(std::fabs(angle - kPi / 2.0), 4) == 0.0 ||
             Round_To_Decimals(std::fabs(angle - 3.0 * kPi / 2.0), 4) == 0.0)
        l = size / gs.scale_y;
    else
        l = size / gs.max_scale;
    double h = 0.2 * size / gs.scale_x, k = 0.2 * size / gs.scale_y;
    double px[6] = {0, l - h / 2.0, l, l - h, l - h, l + h};
    double py[6] = {0, 0, 0, k / 2.0, -k / 2.0, 0};
    Geo_To_World(px, py, 6, x0, y0, angle, 1.0);
    line_pts(px, py, 0, 1);
    Oli_Fill_Triangle(px[2], py[2], px[3], py[3], px[4], py[4]);
    Oli_Graphic_Text_Centred(px[5], py[5], text);
    double cx[2] = {-h / 2.0, h / 2.0}, cy[2] = {0, 0};
    Geo_To_World(cx, cy, 2, x0, y0, angle + kPi / 2.0, 1.0);
    line_pts(cx, cy, 0, 1);
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Level_Line(double x, double y, double length, const char* text, const char* second_text, int colour,
                            double size)
{
    const OliGraphicState& gs = G();
    double ox = Oli_Sign_X(), oy = Oli_Sign_Y();
    Oli_Graphic_Push_State();
    Oli_Rec_Width(0.035 * size);
    Oli_Graphic_Set_Colour_Index(colour);
    double tx[3], ty[3];
    level_triangle(x, y, size, tx, ty);
    Oli_Graphic_Polyline(3, tx, ty);
    Oli_Fill_Triangle(tx[0], ty[0], tx[1], ty[1], tx[2], ty[2]);
    Oli_Graphic_Line(x - 0.17 * size * ox / gs.scale_x, y, x + length * size * ox / gs.scale_x, y);
    level_text(x, y, text, size);
    Oli_Rec_Text_Height(0.2 * size);
    Oli_Rec_Font(0);
    Oli_Rec_Width(0.02 * size);
    File_Printf(gs.stream, " 16 %lf\n", oli_fin(0.05 * size / gs.scale_x));
    Oli_Graphic_Text_At(x + 0.25 * size * ox / gs.scale_x, y + 0.1 * size * oy / gs.scale_y, second_text);
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Level_Mark(double x, double y, const char* text, int filled, double size)
{
    Oli_Graphic_Push_State();
    Oli_Graphic_Set_Colour_Index(filled ? 64 : 0);
    double tx[3], ty[3];
    level_triangle(x, y, size, tx, ty);
    Oli_Fill_Triangle(tx[0], ty[0], tx[1], ty[1], tx[2], ty[2]);
    Oli_Graphic_Polyline(3, tx, ty);
    level_text(x, y, text, size);
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Ground_Level_Mark(double x, double y, const char* text, double size)
{
    const OliGraphicState& gs = G();
    double ox = Oli_Sign_X() / gs.scale_x, oy = Oli_Sign_Y() / gs.scale_y;
    Oli_Graphic_Push_State();
    Oli_Graphic_Level_Mark(x, y, text, 1, size);
    double y1 = y - 0.08 * size * oy, y2 = y - 0.16 * size * oy;
    Oli_Graphic_Line(x - 0.16 * size * ox, y1, x + 0.16 * size * ox, y1);
    Oli_Graphic_Line(x - 0.1 * size * ox, y2, x + 0.1 * size * ox, y2);
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Support_Symbol(double x, double y, double angle, int colour, int hinge, int base_line, double size)
{
    const OliGraphicState& gs = G();
    double h = 0.08 * size * Oli_Sign_X() / gs.scale_x;
    double m = -0.15 * size * Oli_Sign_Y() / gs.scale_y;
    double b = m - 0.04 * size * Oli_Sign_Y() / gs.scale_y;
    double px[5] = {0, h, -h, h, -h}, py[5] = {0, m, m, b, b};
    Geo_To_World(px, py, 5, x, y, angle * -kPi / 180.0, 1.0);
    Oli_Graphic_Push_State();
    Oli_Graphic_Set_Colour_Index(colour);
    Oli_Fill_Triangle(px[0], py[0], px[1], py[1], px[2], py[2]);
    Oli_Rec_Width(0.015 * size);
    Oli_Graphic_Polyline(3, px, py);
    if (base_line) line_pts(px, py, 3, 4);
    if (hinge) {
        double dia = 0.065 * size / gs.scale_x;
        Oli_Graphic_Set_Colour_Index(0);
        Oli_Graphic_Arc(x, y, dia, 0.0, 360.0);
        Oli_Graphic_Fill_Circle(x, y, dia);
    }
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Clamp_Hatch(double x, double y, double angle, double size)
{
    const OliGraphicState& gs = G();
    double b = 0.15 * size / gs.scale_x, c = 0.1 * size / gs.scale_y;
    double px[5] = {0, b, b, -b, -b}, py[5] = {0, 0, c, c, 0};
    Geo_To_World(px, py, 5, x, y, angle * -kPi / 180.0, 1.0);
    Oli_Graphic_Push_State();
    Oli_Rec_Width(0.015 * size);
    line_pts(px, py, 1, 4);
    Oli_Rec_Line_Class(1);
    double dx = (px[1] - px[4]) / 6.0, dy = (py[1] - py[4]) / 6.0;
    for (int i = 0; i < 6; ++i)
        Oli_Graphic_Line(px[4] + (i + 1) * dx, py[4] + (i + 1) * dy, px[3] + i * dx, py[3] + i * dy);
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Double_Arrow(double x1, double y1, double x2, double y2, const char* upper_text,
                              const char* lower_text)
{
    const OliGraphicState& gs = G();
    if (!upper_text) upper_text = "";
    if (!lower_text) lower_text = "";
    Oli_Graphic_Push_State();
    Oli_Rec_Width(0.017);
    double th = Geo_Line_Angle(x1, y1, x2, y2);
    double c = std::cos(th), s = std::sin(th);
    double mx = (x1 + x2) / 2.0, my = (y1 + y2) / 2.0;
    double g = upper_text[0] ? 0.0 : std::strlen(lower_text) * 0.25 / (gs.max_scale * 4.0);
    Oli_Graphic_Line(x1, y1, mx - g * c, my - g * s);
    Oli_Graphic_Line(mx + g * c, my + g * s, x2, y2);
    double a = 0.35 / gs.max_scale;
    for (int k = -1; k <= 1; k += 2) {
        double ph = th - k * kPi / 10.0;
        Oli_Graphic_Line(x1 + a * std::cos(ph), y1 + a * std::sin(ph), x1, y1);
    }
    for (int k = -1; k <= 1; k += 2) {
        double ph = th - k * kPi / 10.0;
        Oli_Graphic_Line(x2 - a * std::cos(ph), y2 - a * std::sin(ph), x2, y2);
    }
    Oli_Graphic_Set_Text_Angle(th);
    Oli_Rec_Text_Height(0.25);
    Oli_Graphic_Text_Centred(mx - 0.2 * s / gs.scale_y, my + 0.2 * c / gs.scale_y, upper_text);
    if (upper_text[0])
        Oli_Graphic_Text_Centred(mx + 0.2 * s / gs.scale_y, my - 0.2 * c / gs.scale_y, lower_text);
    else
        Oli_Graphic_Text_Centred(mx, my, lower_text);
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Section_Line(double x1, double y1, double x2, double y2, double distance, const char* first_label,
                              const char* second_label)
{
    const OliGraphicState& gs = G();
    Oli_Graphic_Push_State();
    Oli_Rec_Width(0.025);
    Oli_Rec_Dash(4, "0.2 0.07 0.008 0.07");
    double th = Geo_Line_Angle(x1, y1, x2, y2);
    double c = std::cos(th), s = std::sin(th);
    double nx = -s / gs.scale_x, ny = c / gs.scale_y;
    double e1x = x1 + 2.0 * distance * nx, e1y = y1 + 2.0 * distance * ny;
    double e2x = x2 + 2.0 * distance * nx, e2y = y2 + 2.0 * distance * ny;
    if (first_label) Oli_Graphic_Line(e1x, e1y, x1, y1);
    Oli_Graphic_Line(x1, y1, x2, y2);
    if (second_label) Oli_Graphic_Line(x2, y2, e2x, e2y);
    double r = 0.26 / gs.max_scale;
    if (distance > 0.0) r = -r;
    Oli_Graphic_Set_Colour_Index(64);
    Oli_Rec_Solid();
    if (first_label)
        Oli_Fill_Triangle(e1x, e1y, e1x + r * std::cos(th + 2.0 * kPi / 3.0), e1y + r * std::sin(th + 2.0 * kPi / 3.0),
                          e1x + r * std::cos(th + kPi / 3.0), e1y + r * std::sin(th + kPi / 3.0));
    if (second_label)
        Oli_Fill_Triangle(e2x, e2y, e2x - r * std::cos(th - kPi / 3.0), e2y - r * std::sin(th - kPi / 3.0),
                          e2x - r * std::cos(th - 2.0 * kPi / 3.0), e2y - r * std::sin(th - 2.0 * kPi / 3.0));
    Oli_Rec_Text_Height(0.25);
    Oli_Rec_Font(6);
    const char* labels[2] = {first_label, second_label};
    const double ex[2] = {e1x, e2x}, ey[2] = {e1y, e2y};
    for (int k = 0; k < 2; ++k) {
        if (!labels[k] || !labels[k][0]) continue;
        double t = (std::strlen(labels[k]) + 0.5) * 0.25 / (gs.scale_x * 2.7);
        if (distance < 0.0) t = -t;
        Oli_Graphic_Text_Centred(ex[k] - t * s, ey[k] + t * c, labels[k]);
    }
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Bold_Text(double x, double y, const char* text)
{
    const OliGraphicState& gs = G();
    double dx = 0.01 / gs.scale_x, dy = 0.01 / gs.scale_y;
    Plot_Entity_Group(1);
    Oli_Graphic_Text_Plain(x, y, text);
    Oli_Graphic_Text_Plain(x + dx, y, text);
    Oli_Graphic_Text_Plain(x, y + dy, text);
    Oli_Graphic_Text_Plain(x + dx, y + dy, text);
    Plot_Entity_Group(0);
}
