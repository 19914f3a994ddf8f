// Drawing in area coordinates into the output area of the mask element calls.
#include "sheets/maskdraw.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <list>
#include <vector>

#include "output/geo2d.h"
#include "platform/kovdraw.h"
#include "sheets/maskstate.h"
#include "sheets/viewarea.h"

namespace {

struct Transform {
    double x0 = 0.0, y0 = 0.0, angle = 0.0, scale = 1.0;
    int lines = 1;
};

Transform& tf()
{
    static Transform t;
    return t;
}

const double kStep5 = 0.0872664625997164739; // 5 degrees
const int kCirclePoints = 73;

int held_round(double v)
{
    const double r = v >= 0.0 ? v + 0.5 : v - 0.5;
    if (r >= double(INT_MAX)) return INT_MAX;
    if (r <= double(INT_MIN)) return INT_MIN;
    return int(r);
}

// The point's element coordinates; false when it is not finite.
bool area_point(double x, double y, int* ax, int* ay)
{
    Mask_World_To_Area(&x, &y);
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    *ax = held_round(x);
    *ay = held_round(y);
    return true;
}

int area() { return g_mask_state.output_area; }

// A line in the text colour, whatever the line switch.
int add_line(double x1, double y1, double x2, double y2)
{
    int a, b, c, d;
    if (!area_point(x1, y1, &a, &b) || !area_point(x2, y2, &c, &d)) return 0;
    return View_Area_Add_Line(unsigned(area()), a, b, c, d, g_mask_state.text_colour);
}

// The points of one filled polygon, drawn by its drawn box.
struct Polygon {
    std::vector<int> xs, ys;
    int colour = 0;
};

// Every polygon handed to a drawn box, until no view area holds it any more.
std::list<Polygon>& polygons()
{
    static std::list<Polygon> l;
    return l;
}

bool held_by_an_area(const Polygon* p)
{
    for (unsigned slot = 0; slot < 20; ++slot) {
        const ViewArea* a = View_Area_Record(slot);
        if (!a) continue;
        for (const ViewElement* e = a->first; e; e = e->next)
            if (e->type == VIEW_DRAWN_BOX && e->data == p) return true;
    }
    return false;
}

// Releases the polygons whose elements the view areas have freed.
void release_unused_polygons()
{
    auto& l = polygons();
    for (auto it = l.begin(); it != l.end();) it = held_by_an_area(&*it) ? std::next(it) : l.erase(it);
}

void draw_polygon(int x1, int y1, int x2, int y2, void* data)
{
    const Polygon* p = static_cast<const Polygon*>(data);
    if (!p) return;
    std::vector<int> xs(p->xs.size()), ys(p->ys.size());
    for (size_t i = 0; i < xs.size(); ++i) {
        xs[i] = held_round(double(p->xs[i]) + x1);
        ys[i] = held_round(double(p->ys[i]) + y1);
    }
    pxFgc(p->colour);
    pxFill(int(xs.size()), xs.data(), ys.data());
    pxLine(x1, y1, x2, y2);
}

} // namespace

void Mask_Set_Area_Transform(double x0, double y0, double angle, double scale)
{
    Transform& t = tf();
    t.x0 = x0;
    t.y0 = y0;
    t.angle = angle;
    t.scale = scale;
}

double Mask_Get_Area_Scale() { return tf().scale; }

void Mask_World_To_Area(double* x, double* y)
{
    if (!x || !y) return;
    const Transform& t = tf();
    const double c = std::cos(t.angle), s = std::sin(t.angle);
    const double u = t.scale * *x - t.x0, v = t.scale * *y - t.y0;
    *x = c * u + s * v;
    *y = c * v - s * u;
}

void Mask_Area_To_World(double* x, double* y)
{
    const Transform& t = tf();
    if (!x || !y || t.scale == 0.0) return;
    const double c = std::cos(t.angle), s = std::sin(t.angle);
    const double ax = *x, ay = *y;
    *x = (ax * c + t.x0 - ay * s) / t.scale;
    *y = (ax * s + ay * c + t.y0) / t.scale;
}

double Mask_Area_Distance(double x1, double y1, double x2, double y2)
{
    Mask_World_To_Area(&x1, &y1);
    Mask_World_To_Area(&x2, &y2);
    return std::hypot(x2 - x1, y2 - y1);
}

void Mask_Set_Line_Switch(int on) { tf().lines = on; }
int Mask_Get_Line_Switch() { return tf().lines; }

int Mask_Draw_Line(double x1, double y1, double x2, double y2)
{
    if (area() < 0 || tf().lines != 1) return 0;
    return add_line(x1, y1, x2, y2);
}

void Mask_Draw_Rectangle(double x1, double y1, double x2, double y2)
{
    Mask_Draw_Line(x1, y1, x2, y1);
    Mask_Draw_Line(x2, y1, x2, y2);
    Mask_Draw_Line(x2, y2, x1, y2);
    Mask_Draw_Line(x1, y2, x1, y1);
}

int Mask_Fill_Rectangle(double x1, double y1, double x2, double y2)
{
    int a, b, c, d;
    if (area() < 0 || !area_point(x1, y1, &a, &b) || !area_point(x2, y2, &c, &d)) return 0;
    return View_Area_Add_Filled_Box(unsigned(area()), a, b, c, d, g_mask_state.back_colour);
}

void Mask_Draw_Circle(double xc, double yc, double r)
{
    double xs[kCirclePoints], ys[kCirclePoints];
    for (int k = 0; k < kCirclePoints; ++k) {
        xs[k] = xc + r * std::cos(k * kStep5);
        ys[k] = yc + r * std::sin(k * kStep5);
    }
    for (int j = 0; j < 71; ++j) Mask_Draw_Line(xs[j], ys[j], xs[j + 1], ys[j + 1]);
    Mask_Draw_Line(xs[71], ys[71], xs[0], ys[0]);
}

void Mask_Draw_Arc(double xc, double yc, double r, double from, double to)
{
    if (!(to > from)) return;
    // One full turn at most: the point table holds 73 points.
    double xs[kCirclePoints], ys[kCirclePoints];
    int n = 0;
    for (int k = 0; k < kCirclePoints; ++k) {
        const double a = from + k * kStep5;
        if (k > 0 && !(a < to)) break;
        xs[n] = xc + r * std::cos(a);
        ys[n] = yc + r * std::sin(a);
        ++n;
    }
    for (int j = 0; j + 1 < n; ++j) Mask_Draw_Line(xs[j], ys[j], xs[j + 1], ys[j + 1]);
}

void Mask_Draw_Polygon(int count, const double* xs, const double* ys)
{
    if (count <= 0 || !xs || !ys) return;
    for (int i = 0; i + 1 < count; ++i) Mask_Draw_Line(xs[i], ys[i], xs[i + 1], ys[i + 1]);
    Mask_Draw_Line(xs[count - 1], ys[count - 1], xs[0], ys[0]);
}

void Mask_Fill_Circle(double xc, double yc, double r)
{
    const double step = r < 10 ? 0.09817477042468103 : r < 100 ? 0.04908738521234052 : 0.02454369260617026;
    for (int k = 0;; ++k) {
        const double t = k * step;
        if (!(t < 1.5707963267948966)) break;
        Mask_Fill_Rectangle(xc + r * std::sin(t), yc + r * std::cos(t), xc - r * std::sin(t), yc - r * std::cos(t));
    }
}

void Mask_Fill_Polygon(int count, const double* xs, const double* ys)
{
    release_unused_polygons();
    if (area() < 0) return;
    Polygon p;
    p.colour = g_mask_state.back_colour;
    int mx = 0, my = 0;
    for (int i = 0; i < count && xs && ys; ++i) {
        int ax, ay;
        if (!area_point(xs[i], ys[i], &ax, &ay)) return;
        p.xs.push_back(ax);
        p.ys.push_back(ay);
        mx = std::min(mx, ax);
        my = std::min(my, ay);
    }
    polygons().push_back(std::move(p));
    View_Area_Add_Drawn_Box(unsigned(area()), 0, 0, mx, my, &polygons().back(), draw_polygon);
}

void Mask_Draw_Dimension(int type, double x1, double y1, double x2, double y2, double offset)
{
    const double scale = tf().scale;
    if (area() < 0 || scale == 0.0) return;
    // Pixel values back into world values.
    double px[2] = {x1, x2}, py[2] = {y1, y2};
    for (int i = 0; i < 2; ++i) {
        double wx = px[i], wy = py[i];
        Mask_Area_To_World(&wx, &wy);
        if (type == 0 || type == 3) py[i] = wy;
        if (type == 1 || type == 3) px[i] = wx;
    }
    const double e = 5.0 / scale, t = offset / scale;
    const double g = Geo_Line_Angle(px[0], py[0], px[1], py[1]);
    Geo_To_Local(px, py, 2, 0.0, 0.0, -g, 1.0);
    const double a1 = px[0], b1 = py[0], a2 = px[1], b2 = py[1];
    const double r = a2 >= a1 ? e : -e;
    // P, Q, R at the first point, S, T, U at the second.
    double xs[8] = {a1, a2, a1, a1 - r, a1, a2, a2 + r, a2};
    double ys[8] = {b1, b2, b1 - e, b1, b1 + t, b2 - e, b2, b2 + t};
    Geo_To_Local(xs, ys, 8, 0.0, 0.0, g, 1.0);
    enum { P = 2, Q = 3, R = 4, S = 5, T = 6, U = 7 };
    add_line(xs[Q], ys[Q], xs[T], ys[T]);
    add_line(xs[P], ys[P], xs[R], ys[R]);
    add_line(xs[S], ys[S], xs[U], ys[U]);
}

void Mask_Draw_Reset()
{
    polygons().clear();
    Transform& t = tf();
    t = Transform();
}
