// Arrows and arrow rows of the graphics blocks (world units).
#include <cmath>
#include <cstring>

#include "output/geo2d.h"
#include "output/iolicomp.h"
#include "output/iolipriv.h"
#include "output/iolistyle.h"

namespace {

const double kPi = 3.14159265358979323846;

// Rows of more arrows than this would only blacken the drawing (and their count
// must fit an int).
const double kMaxArrows = 10000.0;

// One arrow without its frame: tip at (x, y), pointing in the direction angle.
void draw_arrow(double x, double y, double angle, double length, double head_length, double head_width, int style)
{
    if (style < 0 || style > 2) return;
    // tip, head corners, tail, head base
    double px[5] = {0, -head_length, -head_length, -length, -head_length};
    double py[5] = {0, -head_width / 2.0, head_width / 2.0, 0, 0};
    Geo_To_World(px, py, 5, x, y, angle, 1.0);
    if (style == 0) {
        Oli_Graphic_Line(px[0], py[0], px[3], py[3]);
        Oli_Graphic_Line(px[0], py[0], px[1], py[1]);
        Oli_Graphic_Line(px[0], py[0], px[2], py[2]);
        return;
    }
    if (style == 2) Oli_Graphic_Set_Colour_Index(55);
    Oli_Graphic_Line(px[4], py[4], px[3], py[3]);
    if (style == 1)
        Oli_Graphic_Polyline(3, px, py);
    else
        Oli_Fill_Triangle(px[0], py[0], px[1], py[1], px[2], py[2]);
}

// The text point of an arrow: head_width beyond its tail.
void text_point(double x, double y, double angle, double length, double head_width, double* tx, double* ty)
{
    double px[1] = {-length - head_width}, py[1] = {0};
    Geo_To_World(px, py, 1, x, y, angle, 1.0);
    *tx = px[0];
    *ty = py[0];
}

// Number of arrows of a row on P1P2: about five per paper unit, at least three.
int row_count(double x1, double x2)
{
    double m = std::trunc((x2 - x1) * Oli_Graphic_Get_State()->max_scale * 5.0 + 0.0001);
    if (!(m >= 2.0)) return 3;
    return static_cast<int>(std::fmin(m, kMaxArrows)) + 1;
}

// The text box of a row, centred at M, in colour 0, and the text.
void row_text_box(double mx, double my, double text_height, const char* text)
{
    double big = Oli_Graphic_Get_State()->max_scale;
    Oli_Graphic_Set_Colour_Index(0);
    Oli_Graphic_Fill_Rect_Centred(mx, my, std::strlen(text) * text_height * 0.75 / big, 1.3 * text_height / big);
    Oli_Graphic_Set_Text_Angle(0.0);
    Oli_Graphic_Text_Centred(mx, my, text);
}

// The frame and style of an arrow row.
void row_begin(double text_height)
{
    Oli_Graphic_Push_State();
    Oli_Rec_Line_Class(2);
    Oli_Rec_Solid();
    Oli_Graphic_Set_Colour_Index(55);
    Oli_Rec_Text_Height(text_height);
    Oli_Rec_Font(6);
}

// A downward filled arrow with its tip at the foot (x, y) for the rows.
void row_arrow(double x, double y, double length)
{
    double k = 0.15 * length;
    draw_arrow(x, y, 3.0 * kPi / 2.0, length, k, k, 2); // writes colour 55 itself
}

} // namespace

void Oli_Graphic_Arrow(double x, double y, double angle, double length, double head_length, double head_width,
                       int style)
{
    Oli_Graphic_Push_State();
    draw_arrow(x, y, angle, length, head_length, head_width, style);
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Arrow_Text(double x, double y, double angle, double length, double head_length, double head_width,
                            int style, double text_height, const char* text)
{
    if (angle < 0.0) angle += std::ceil(-angle / (2.0 * kPi)) * 2.0 * kPi;
    int v, h;
    if (angle < kPi / 4.0) {
        v = 4;
        h = 1;
    } else if (angle < 3.0 * kPi / 4.0) {
        v = 2;
        h = 4;
    } else if (angle < 5.0 * kPi / 4.0) {
        v = 4;
        h = 3;
    } else if (angle < 7.0 * kPi / 4.0) {
        v = 0;
        h = 4;
    } else {
        v = 4;
        h = 1;
    }
    Oli_Graphic_Push_State();
    draw_arrow(x, y, angle, length, head_length, head_width, style);
    Oli_Rec_Text_Height(text_height);
    Oli_Rec_Font(6);
    Oli_Graphic_Set_Text_Angle(0.0);
    double tx, ty;
    text_point(x, y, angle, length, head_width, &tx, &ty);
    Oli_Graphic_Text_Aligned(tx, ty, v, h, "%s", text ? text : "");
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Arrow_Between(double x1, double y1, double x2, double y2, double head_length, double head_width,
                               int style)
{
    double length = std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
    double angle = std::atan2(y2 - y1, x2 - x1) + kPi;
    Oli_Graphic_Arrow(x1, y1, angle, length, head_length, head_width, style);
}

void Oli_Graphic_Arc_Arrow(double x, double y, double radius, double start_angle, double end_angle, double head_length,
                           double head_width, int style, double text_height, const char* text)
{
    const double deg = 180.0 / kPi;
    Oli_Graphic_Push_State();
    Oli_Graphic_Arc(x, y, 2.0 * std::fabs(radius), start_angle * deg, (end_angle - start_angle) * deg);
    double ex = x + radius * std::cos(end_angle), ey = y + radius * std::sin(end_angle);
    double phi = end_angle + kPi / 2.0;
    Oli_Graphic_Arrow_Text(ex + head_length * std::cos(phi), ey + head_length * std::sin(phi), phi, head_length,
                           head_length, head_width, style, text_height, text);
    Oli_Graphic_Pop_State();
}

namespace {

// The single filled arrows with a text: along y (vertical) or along x.
void single_arrow_text(double x, double y, double length, const char* text, int vertical)
{
    double c = Oli_Y_Down() ? -length : length;
    double k = 0.15 * c;
    Oli_Graphic_Push_State();
    Oli_Rec_Line_Class(2);
    Oli_Rec_Solid();
    Oli_Graphic_Set_Colour_Index(55);
    if (vertical) {
        Oli_Graphic_Line(x, y + k, x, y + c);
        Oli_Fill_Triangle(x, y, x + k / 2.0, y + k, x - k / 2.0, y + k);
    } else {
        Oli_Graphic_Line(x + k, y, x + c, y);
        Oli_Fill_Triangle(x, y, x + k, y + k / 2.0, x + k, y - k / 2.0);
    }
    Oli_Rec_Text_Height(0.22);
    Oli_Rec_Font(6);
    if (vertical)
        Oli_Graphic_Text_Aligned(x, y + c + 1.5 * k, 4, 4, "%s", text ? text : "");
    else
        Oli_Graphic_Text_Aligned(x + c + 1.5 * k, y, 2, 4, "%s", text ? text : "");
    Oli_Graphic_Pop_State();
}

} // namespace

void Oli_Graphic_Arrow_Vertical_Text(double x, double y, double length, const char* text)
{
    single_arrow_text(x, y, length, text, 1);
}

void Oli_Graphic_Arrow_Horizontal_Text(double x, double y, double length, const char* text)
{
    single_arrow_text(x, y, length, text, 0);
}

void Oli_Graphic_Arrow_Row(double x1, double y1, double x2, double y2, double arrow_length, double text_height,
                           const char* text)
{
    if (!(std::fabs(x2 - x1) >= 1e-5)) return;
    if (!text) text = "";
    int n = row_count(x1, x2);
    row_begin(text_height);
    double k = 0.15 * arrow_length;
    for (int i = 0; i < n; ++i) {
        double fx = x1 + i * (x2 - x1) / (n - 1), fy = y1 + i * (y2 - y1) / (n - 1);
        Oli_Graphic_Push_State();
        row_arrow(fx, fy, arrow_length);
        Oli_Rec_Text_Height(text_height);
        Oli_Rec_Font(6);
        Oli_Graphic_Set_Text_Angle(0.0);
        double tx, ty;
        text_point(fx, fy, 3.0 * kPi / 2.0, arrow_length, k, &tx, &ty);
        Oli_Graphic_Text_Aligned(tx, ty, 0, 4, "%s", "");
        Oli_Graphic_Pop_State();
    }
    Oli_Graphic_Line(x1, y1, x2, y2);
    Oli_Graphic_Line(x1, y1 + arrow_length, x2, y2 + arrow_length);
    row_text_box((x1 + x2) / 2.0, (y1 + y2 + arrow_length) / 2.0, text_height, text);
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Arrow_Row_Linear(double x1, double y1, double x2, double y2, double q1, double q2, double text_height,
                                  const char* text)
{
    if (!(std::fabs(x2 - x1) >= 1e-5)) return;
    if (!text) text = "";
    int n = row_count(x1, x2);
    double step = (q2 - q1) / (n - 1);
    row_begin(text_height);
    double q = q1;
    for (int i = 0; i < n; ++i) {
        double fx = x1 + i * (x2 - x1) / (n - 1), fy = y1 + i * (y2 - y1) / (n - 1);
        q = q1 + i * step;
        Oli_Graphic_Push_State();
        row_arrow(fx, fy, q);
        Oli_Graphic_Pop_State();
    }
    q += step; // the length the loop reached after the last arrow
    Oli_Graphic_Line(x1, y1, x2, y2);
    Oli_Graphic_Line(x1, y1 + q1, x2, y2 + q2);
    row_text_box((x1 + x2) / 2.0, (y1 + y2 + q) / 2.0, text_height, text);
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Arrow_Row_Inclined(double x1, double y1, double x2, double y2, double q1, double q2)
{
    double len = std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
    // About one interval per 200 units; a shorter line gets one, an arrow at
    // each end.
    double e = std::fmin(std::trunc(0.005 * len), kMaxArrows);
    if (!(e >= 1.0)) e = 1.0;
    int intervals = static_cast<int>(e);
    double s = len / intervals;
    double th = std::atan2(-(y2 - y1), x2 - x1);
    double c = std::cos(th), sn = std::sin(th);
    // The caller's y axis runs downward: every y is drawn negated (0 - y, so
    // that 0 stays +0).
    Oli_Graphic_Push_State();
    Oli_Graphic_Line(x1, 0.0 - y1, x2, 0.0 - y2);
    Oli_Graphic_Line(x1 - q1 * sn, 0.0 - (y1 - q1 * c), x2 - q2 * sn, 0.0 - (y2 - q2 * c));
    for (int i = 0; i <= intervals; ++i) {
        double bx = x1 + i * s * c, by = y1 - i * s * sn;
        double q = q1 - i * (q1 - q2) / intervals;
        double tx = bx - q * sn, ty = by - q * c;
        double tip_y = 0.0 - by, tail_y = 0.0 - ty;
        double length = std::sqrt((tx - bx) * (tx - bx) + (tail_y - tip_y) * (tail_y - tip_y));
        double angle = std::atan2(tail_y - tip_y, tx - bx) + kPi;
        Oli_Graphic_Push_State();
        draw_arrow(bx, tip_y, angle, length, std::fabs(0.35 * q), 0.2 * s, 0);
        Oli_Graphic_Pop_State();
    }
    Oli_Graphic_Pop_State();
}
