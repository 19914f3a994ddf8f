// Dimension lines and dimension chains.
#include "output/iolidim.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/kovmem.h"
#include "base/kovnum.h"
#include "base/ptrarr.h"
#include "output/geo2d.h"
#include "output/ioliplot.h"
#include "output/iolipriv.h"
#include "platform/kovmath.h"

namespace {

const double kPi = KOV_PI;

// Value texts hold at most 19 characters, second texts at most 4.
struct DimTexts {
    char value[20];
    char second[5];
};

double greater_scale() { return Oli_Graphic_Get_State()->max_scale; }

// What a placement code of the formatting operations hands on, given whether
// the text fits and its width.
void placement_for(int code, bool fits, double width, int* placement, double* min_length)
{
    switch (code) {
        case -2:
            *placement = fits ? 0 : -1;
            *min_length = 0.0;
            break;
        case 2:
            *placement = fits ? 0 : 1;
            *min_length = 0.0;
            break;
        case -1:
            *placement = -1;
            *min_length = width;
            break;
        case 1:
            *placement = 1;
            *min_length = width;
            break;
        default:
            *placement = 0;
            *min_length = width;
            break;
    }
}

// The whole number of a length: the length plus 0.0001, cut towards zero.
double whole_of(double v) { return std::trunc(v + 0.0001); }

double distance(double x1, double y1, double x2, double y2)
{
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

double draw_segment(const char* unit, double x1, double y1, double x2, double y2, double size, double factor,
                    int placement)
{
    if (!unit) return Oli_Graphic_Dimension_M(x1, y1, x2, y2, size);
    if (strcmp(unit, "cm") == 0) {
        if (std::fabs(factor) < 1e-5) return 0.0;
        return Oli_Graphic_Dimension_Cm(x1, y1, x2, y2, size, factor, placement);
    }
    if (strcmp(unit, "mm") == 0) return Oli_Graphic_Dimension_Mm(x1, y1, x2, y2, size, placement);
    return Oli_Graphic_Dimension_M(x1, y1, x2, y2, size);
}

// Frees every point record of the list and empties it.
void free_points(PtrArr* points)
{
    for (int i = 0; i < points->count; ++i) free(points->items[i]);
    Ptr_Arr_Clear(points);
}

} // namespace

double Oli_Graphic_Dimension_Line(double x1, double y1, double x2, double y2, double size, const char* value_text,
                                  const char* second_text, double min_length, int placement)
{
    OliGraphicState& g = *Oli_Graphic_State_Mut();
    FILE* f = g.stream;
    if (!value_text) value_text = "";
    if (!second_text) second_text = "";
    const double d = size;

    Oli_Graphic_Push_State();
    Oli_Turn(&x1, &y1);
    Oli_Turn(&x2, &y2);
    g.rotation = 0.0;

    double len = Round_To_Decimals(distance(x1, y1, x2, y2), 2);
    const double sx = g.scale_x, sy = g.scale_y;
    // Without a length, or on an axis without scale (paper lengths would be
    // infinite), there is nothing to draw.
    if (!(len >= 0.01) || !std::isfinite(len) || sx == 0.0 || sy == 0.0) {
        Oli_Graphic_Pop_State();
        return 0.0;
    }

    File_Printf(f, " 4 %d\n", 1);
    if (Plot_Is_Open()) Plot_Set_Pen(1);
    File_Printf(f, " 38 %d %s %d\n", 0, " ", 0);
    if (Plot_Is_Open()) Plot_Set_Linetype(0);

    double th = Geo_Line_Angle(x1, y1, x2, y2);
    double c = std::cos(th), s = std::sin(th);
    double ux = c / sx, uy = s / sy;  // one paper unit along the line
    double vx = -s / sx, vy = c / sy; // one paper unit to its left
    double wx = -s / sy, wy = c / sy; // text offsets, one scale for both parts
    double uxx = c / sx, uxy = s / sx;

    Oli_Graphic_Line(x1 - d * ux, y1 - d * uy, x2 + d * ux, y2 + d * uy);

    int flags = g.dim_flags;
    bool at1 = !(flags & 1), at2 = !(flags & 2);
    if (at1) Oli_Graphic_Line(x1 + 4 * d * vx, y1 + 4 * d * vy, x1 - 2 * d * vx, y1 - 2 * d * vy);
    if (at2) Oli_Graphic_Line(x2 + 4 * d * vx, y2 + 4 * d * vy, x2 - 2 * d * vx, y2 - 2 * d * vy);

    if (flags & 8) {
        Oli_Graphic_Set_Colour_Zero();
        double dia = 0.075 / sx;
        if (at1) {
            Oli_Graphic_Fill_Circle(x1, y1, dia);
            Oli_Graphic_Arc(x1, y1, dia, 0.0, 360.0);
        }
        if (at2) {
            Oli_Graphic_Fill_Circle(x2, y2, dia);
            Oli_Graphic_Arc(x2, y2, dia, 0.0, 360.0);
        }
    } else {
        double k = 0.5656854249492381 * 1.5 * d;
        double tx = k * std::cos(th + kPi / 4.0) / sx;
        double ty = k * std::sin(th + kPi / 4.0) / sy;
        if (g.mirrored) ty = -ty;
        if (at1) Oli_Graphic_Line(x1 - tx, y1 - ty, x1 + tx, y1 + ty);
        if (at2) Oli_Graphic_Line(x2 - tx, y2 - ty, x2 + tx, y2 + ty);
    }

    double phi = (th + (g.mirrored ? kPi : 0.0)) * g.orientation_sign;
    while (phi > 2.0 * kPi) phi -= 2.0 * kPi;
    g.text_angle = phi;

    if (Plot_Is_Open()) Plot_Set_Font(2);
    double h = 2.1 * d;
    File_Printf(f, " 13 %lf\n", oli_fin(h));
    File_Printf(f, " 8 %d\n", 6);

    double n = static_cast<double>(strlen(value_text));
    double mx = (x1 + x2) / 2.0, my = (y1 + y2) / 2.0;
    double px, py, result;
    if (len < min_length && placement == 0) {
        double factor;
        if (g.alternation == 0) {
            factor = 2.8;
            result = 2.0;
            g.alternation = 1;
        } else {
            factor = 4.0;
            result = 3.2;
            g.alternation = 0;
        }
        px = mx + 2 * d * factor * wx;
        py = my + 2 * d * factor * wy;
    } else {
        g.alternation = 0;
        result = 0.0;
        double off = 1.6 * d;
        if (placement == -1) {
            px = x1 + off * wx - n * d * ux;
            py = y1 + off * wy - n * d * uy;
        } else if (placement == 1) {
            px = x2 + off * wx + n * d * ux;
            py = y2 + off * wy + n * d * uy;
        } else {
            px = mx + off * wx;
            py = my + off * wy;
        }
    }
    Oli_Graphic_Text_Centred(px, py, value_text);

    if (second_text[0]) {
        File_Printf(f, " 13 %lf\n", oli_fin(0.75 * h));
        double a = 0.4 * n * h * g.orientation_sign;
        double b = 0.25 * h;
        Oli_Graphic_Text_At(px + a * uxx + b * wx, py + a * uxy + b * wy, second_text);
    }

    Oli_Graphic_Pop_State();
    return result;
}

// ---- formatted lengths -------------------------------------------------------------------------

double Oli_Graphic_Dimension_Mm(double x1, double y1, double x2, double y2, double size, int placement)
{
    DimTexts t;
    double len = Round_To_Decimals(distance(x1, y1, x2, y2), 1);
    double whole = whole_of(len);
    double frac = len - whole;
    snprintf(t.value, sizeof t.value, "%.0f", whole);
    if (frac >= 0.05)
        snprintf(t.second, sizeof t.second, "%.0lf", frac * 10.0);
    else
        snprintf(t.second, sizeof t.second, " ");
    double gs = greater_scale();
    double width = gs != 0.0 ? 2.0 * size * static_cast<double>(strlen(t.value)) / gs : 0.0;
    int pl;
    double min_length;
    placement_for(placement, !(width > whole), width, &pl, &min_length);
    return Oli_Graphic_Dimension_Line(x1, y1, x2, y2, size, t.value, t.second, min_length, pl);
}

double Oli_Graphic_Dimension_Mm_Offset(double x1, double y1, double x2, double y2, double offset, double size,
                                       int placement)
{
    double a = std::atan2(y2 - y1, x2 - x1);
    double ox = -std::sin(a) * offset, oy = std::cos(a) * offset;
    return Oli_Graphic_Dimension_Mm(x1 + ox, y1 + oy, x2 + ox, y2 + oy, size, placement);
}

double Oli_Graphic_Dimension_Cm(double x1, double y1, double x2, double y2, double size, double factor, int placement)
{
    if (!(std::fabs(factor) >= 1e-5)) return 0.0;
    DimTexts t;
    double af = std::fabs(factor);
    double len = Round_To_Decimals(distance(x1, y1, x2, y2) / af, 1);
    double whole = whole_of(len);
    double frac = len - whole;
    double value = whole;
    if (factor > 0.0 && frac >= 0.74999) value = whole + 1.0;
    if (value < 100.0)
        snprintf(t.value, sizeof t.value, "%.0f", value);
    else
        snprintf(t.value, sizeof t.value, "%.2f", value * 0.01);
    if (factor > 0.0)
        snprintf(t.second, sizeof t.second, "%s", (frac >= 0.25 && frac < 0.74999) ? "5" : "");
    else
        snprintf(t.second, sizeof t.second, "%.0lf", frac * 10.0);
    double gs = greater_scale();
    double width = gs != 0.0 ? 2.0 * size * static_cast<double>(strlen(t.value)) / (gs * af) : 0.0;
    int pl;
    double min_length;
    placement_for(placement, !(width > value), width, &pl, &min_length);
    if (placement != -2 && placement != 2) min_length = width * af;
    return Oli_Graphic_Dimension_Line(x1, y1, x2, y2, size, t.value, t.second, min_length, pl);
}

double Oli_Graphic_Dimension_M(double x1, double y1, double x2, double y2, double size)
{
    double len = Round_To_Decimals(distance(x1, y1, x2, y2), 3);
    if (!(len >= 0.01)) return 0.0;
    DimTexts t;
    double c = len * 100.0;
    double whole = whole_of(c);
    double frac = c - whole;
    double rf = Round_To_Decimals(frac, 2);
    bool half = rf >= 0.25 && rf < 0.74999;
    snprintf(t.second, sizeof t.second, "%s", half ? "5" : "");
    if (len < 1.0) {
        if (half)
            snprintf(t.value, sizeof t.value, "%d", static_cast<int>(whole));
        else
            snprintf(t.value, sizeof t.value, "%.0f", c);
    } else {
        double w = whole + (rf - 0.75 >= 0.0 ? 1.0 : 0.0);
        snprintf(t.value, sizeof t.value, "%.2f", w * 0.01);
    }
    double sx = Oli_Graphic_Get_State()->scale_x;
    double width = sx != 0.0 ? 1.68 * size * static_cast<double>(strlen(t.value)) / sx : 0.0;
    return Oli_Graphic_Dimension_Line(x1, y1, x2, y2, size, t.value, t.second, width, 0);
}

// ---- chains --------------------------------------------------------------------------------------

void Oli_Graphic_Dimension_Chain_Line(int n, const double x[], const double y[], double x1, double y1, double x2,
                                      double y2, double size)
{
    if (n < 2 || !x || !y) return;
    std::vector<double> px(x, x + n), py(y, y + n);
    std::vector<int> index(static_cast<size_t>(n));
    Geo_Project_To_Line(n, px.data(), py.data(), x1, y1, x2, y2);
    if (Round_To_Decimals(std::fabs(x2 - x1), 5) == 0.0)
        Sort_Index_By_Doubles(n, py.data(), index.data(), y2 > y1 ? 1 : 0);
    else
        Sort_Index_By_Doubles(n, px.data(), index.data(), x2 > x1 ? 1 : 0);
    for (int k = 0; k + 1 < n; ++k) {
        int a = index[k], b = index[k + 1];
        Oli_Graphic_Dimension_M(px[a], py[a], px[b], py[b], size);
    }
}

int Oli_Chain_Add_Point(PtrArr* points, double x, double y)
{
    if (!points) return 0;
    Point2D* p = static_cast<Point2D*>(malloc(sizeof(Point2D)));
    if (!p) return 0;
    p->x = x;
    p->y = y;
    if (!Ptr_Arr_Insert(points, points->count, p)) {
        free(p);
        return 0;
    }
    return 1;
}

double Oli_Graphic_Dimension_Chain(PtrArr* points, const char* unit, int direction, double position, double size,
                                   double factor, int placement)
{
    if (!points || points->count < 2) return 0.0;
    static int (*const cmp[4])(const void*, const void*) = {Oli_Compare_Point_X_Desc, Oli_Compare_Point_Y_Desc,
                                                            Oli_Compare_Point_X_Asc, Oli_Compare_Point_Y_Asc};
    if (direction < 0 || direction > 3) return 0.0;
    Ptr_Arr_Sort(points, cmp[direction]);

    bool along_y = direction == 1 || direction == 3;
    double result = 0.0;
    const Point2D* p = nullptr;
    for (int i = 0; i < points->count; ++i) {
        const Point2D* q = static_cast<const Point2D*>(points->items[i]);
        if (!q) continue;
        if (p) {
            double r = 0.0;
            if (along_y) {
                if (std::fabs(q->y - p->y) >= 1e-5)
                    r = draw_segment(unit, position, p->y, position, q->y, size, factor, placement);
            } else {
                if (std::fabs(q->x - p->x) >= 1e-5)
                    r = draw_segment(unit, p->x, position, q->x, position, size, factor, placement);
            }
            if (r > result) result = r;
        }
        p = q;
    }
    free_points(points);
    return result;
}

double Oli_Graphic_Dimension_Chain_Along(PtrArr* points, const char* unit, double x0, double y0, double angle,
                                         double size, double factor, int placement)
{
    if (!points || points->count < 2) return 0.0;
    double lx = x0, ly = y0;
    Geo_To_Local(&lx, &ly, 1, 0.0, 0.0, angle, 1.0);
    for (int i = 0; i < points->count; ++i) {
        Point2D* q = static_cast<Point2D*>(points->items[i]);
        if (!q) continue;
        Geo_To_Local(&q->x, &q->y, 1, 0.0, 0.0, angle, 1.0);
        q->y = ly;
        Geo_To_World(&q->x, &q->y, 1, 0.0, 0.0, angle, 1.0);
    }
    Ptr_Arr_Sort(points, Oli_Compare_Point_X_Asc);
    double result = 0.0;
    const Point2D* p = nullptr;
    for (int i = 0; i < points->count; ++i) {
        const Point2D* q = static_cast<const Point2D*>(points->items[i]);
        if (!q) continue;
        if (p) {
            double r = draw_segment(unit, p->x, p->y, q->x, q->y, size, factor, placement);
            if (r > result) result = r;
        }
        p = q;
    }
    free_points(points);
    return result;
}
