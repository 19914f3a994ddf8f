// Value diagrams with scales: values over a height drawn to the right.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/kovmem.h"
#include "output/iolidiag.h"
#include "output/iolistyle.h"

namespace {

const double kPi = 3.14159265358979323846;
const int kMaxStations = 100;

// More ticks than this cannot come from the step rule; a guard for values that
// are not finite.
const int kMaxTicks = 1000;

enum Kind { kPositive, kNegative, kMixed, kZero };

struct Scale {
    double step;
    char format[16];
};

// The tick step from half the range: normalised into 1..10 by powers of ten,
// cut to an integer and scaled back.
Scale scale_of(double v)
{
    Scale s;
    double half = v / 2.0, unit = 1.0;
    int decimals = 0;
    if (half > 10.0) {
        for (int k = 0; half > 10.0 && k < 10000; ++k) {
            half /= 10.0;
            unit *= 10.0;
        }
    } else if (half > 1e-7 && half < 1.0) {
        for (int k = 0; half < 1.0 && k < 1000; ++k) {
            half *= 10.0;
            unit /= 10.0;
            ++decimals;
        }
    }
    s.step = std::trunc(half + 0.0001) * unit;
    snprintf(s.format, sizeof s.format, "%%.%dlf", std::min(decimals, 30));
    return s;
}

int draw(double xl, double yb, double xr, double yt, const double* stations, double s_first, double s_last,
         double* values, int n, const char* side_title, const char* bottom_title, double h, bool even)
{
    if (n < 2 || n > kMaxStations || !values || (!even && !stations)) return 0;
    if (!side_title) side_title = "";
    if (!bottom_title) bottom_title = "";
    double smin = s_first, smax = s_last;
    if (!even) {
        smin = *std::min_element(stations, stations + n);
        smax = *std::max_element(stations, stations + n);
    }
    double span = smax - smin;
    double left = xl + h - 0.04;
    double base = yb + (bottom_title[0] ? 1.3 * h : 0.0);
    if (!(span >= 0.1) || !(xr - left >= 0.1) || !(yt - base >= 0.1)) return 0;

    Oli_Graphic_Push_State();
    // Stations are measured from the smallest one, so that the diagram fills
    // the rectangle from its base to its top whatever the stations start at.
    // Scaling the station itself (base + s * height / span) is right only for
    // stations that start at 0: stations from 2 to 4 would be drawn from
    // twice to three times the height, outside the rectangle and over
    // whatever lies above it.
    double ys[kMaxStations];
    for (int i = 0; i < n; ++i)
        ys[i] = even ? base + i * (yt - base) / (n - 1) : base + (stations[i] - smin) * (yt - base) / span;
    double vmin = *std::min_element(values, values + n);
    double vmax = *std::max_element(values, values + n);
    double v = vmax - vmin;
    if (std::fabs(v) < 1e-5) {
        values[0] = 0.0;
        values[n - 1] = 0.0;
        if (vmax > 0.0) {
            v = vmax;
            vmin = 0.0;
        } else if (vmin < 0.0) {
            v = -vmin;
            vmax = 0.0;
        }
    }
    Kind kind = kZero;
    if (vmin >= 0.0 && vmax > 0.0)
        kind = kPositive;
    else if (vmax <= 0.0 && vmin < 0.0)
        kind = kNegative;
    else if (vmin < 0.0 && vmax > 0.0)
        kind = kMixed;
    double sv = std::fabs(v) >= 1e-5 ? (xr - left) / v : 1.0;
    double w = v * sv;
    double x0 = left - vmin * sv;
    double xc = kind == kPositive ? left : (kind == kMixed ? x0 : xr);

    Oli_Graphic_Set_Colour_Index(11);
    Oli_Rec_Width(0.015);
    double ox[kMaxStations + 2], oy[kMaxStations + 2];
    ox[0] = xc;
    oy[0] = ys[0];
    for (int i = 0; i < n; ++i) {
        ox[i + 1] = left + (values[i] - vmin) * sv;
        oy[i + 1] = ys[i];
    }
    ox[n + 1] = xc;
    oy[n + 1] = ys[n - 1];
    double min_x = *std::min_element(ox, ox + n + 2), max_x = *std::max_element(ox, ox + n + 2);
    double min_y = *std::min_element(oy, oy + n + 2), max_y = *std::max_element(oy, oy + n + 2);
    if (v > 1e-5) {
        if (Oli_Graphic_Get_Colour_Output()) Oli_Graphic_Polygon(n + 2, ox, oy);
        Oli_Graphic_Polyline(n + 2, ox, oy);
    }

    // The base line (at the side the values grow from) and the top line.
    Oli_Rec_Width(0.04);
    double lo_y = even ? base : min_y, hi_y = even ? yt : max_y;
    double bx;
    if (even)
        bx = kind == kNegative ? xr : (kind == kMixed ? x0 : left);
    else
        bx = kind == kNegative ? max_x : (kind == kMixed ? x0 : min_x);
    Oli_Graphic_Line(bx, lo_y, bx, hi_y);
    double top_x = even ? left : min_x;
    Oli_Graphic_Line(top_x, hi_y, top_x + w, hi_y);

    // The value scale along the top.
    Oli_Rec_Width(0.01);
    Oli_Graphic_Set_Text_Angle(0.0);
    Oli_Rec_Font(6);
    Oli_Rec_Text_Height(0.8 * h);
    Scale sc = scale_of(v);
    double label_y = hi_y + 0.08 + 0.4 * h;
    char label[400];
    if (v > 1e-5 && sc.step > 0.0 && std::isfinite(sc.step)) {
        auto tick = [&](double t, double x) {
            Oli_Graphic_Line(x, hi_y - 0.06, x, hi_y + 0.06);
            snprintf(label, sizeof label, sc.format, t);
            Oli_Graphic_Text_Centred(x, label_y, label);
        };
        double lo_edge = even ? left : min_x, hi_edge = even ? xr : max_x;
        if (kind == kPositive) {
            for (int k = 1; k <= kMaxTicks && k * sc.step <= vmax; ++k)
                if (k * sc.step > vmin) tick(k * sc.step, lo_edge + (k * sc.step - vmin) * sv);
        } else if (kind == kNegative) {
            for (int k = 1; k <= kMaxTicks && -k * sc.step >= vmin; ++k)
                tick(-k * sc.step, hi_edge + (-k * sc.step - vmax) * sv);
        } else if (kind == kMixed) {
            Oli_Graphic_Text_Centred(x0, label_y, "0");
            for (int k = 1; k <= kMaxTicks && -k * sc.step >= vmin; ++k) tick(-k * sc.step, x0 - k * sc.step * sv);
            for (int k = 1; k <= kMaxTicks && k * sc.step <= vmax; ++k) tick(k * sc.step, x0 + k * sc.step * sv);
        }
    }

    // The titles.
    File_Printf(Oli_Graphic_Stream(), " 7 %d\n", 7);
    Oli_Graphic_Set_Colour_Index(0);
    File_Printf(Oli_Graphic_Stream(), " 23 %d %d\n", 1, 0);
    double gap = 0.8 * h + 0.04;
    double side_x;
    if (even)
        side_x = kind == kNegative ? xr + gap : (kind == kMixed ? x0 - gap : left - gap);
    else
        side_x = kind == kNegative ? max_x + gap : (kind == kMixed ? x0 - gap : min_x - gap);
    if (even) {
        Oli_Graphic_Text_Upright(side_x, (yt + base) / 2.0, side_title);
        if (bottom_title[0]) Oli_Graphic_Text_Middle((xr + left) / 2.0, base - 0.95 * h, bottom_title);
    } else {
        Oli_Rec_Text_Height(h);
        Oli_Graphic_Set_Text_Angle(kPi / 2.0);
        Oli_Graphic_Text_Centred(side_x, (min_y + max_y) / 2.0, side_title);
        Oli_Graphic_Set_Text_Angle(0.0);
        if (bottom_title[0]) Oli_Graphic_Text_Centred((min_x + max_x) / 2.0, min_y - 0.95 * h, bottom_title);
    }
    Oli_Graphic_Pop_State();
    return 1;
}

} // namespace

int Oli_Graphic_Value_Diagram(double x_left, double y_bottom, double x_right, double y_top, const double* stations,
                              double* values, int n, const char* side_title, const char* bottom_title, double h)
{
    return draw(x_left, y_bottom, x_right, y_top, stations, 0.0, 0.0, values, n, side_title, bottom_title, h, false);
}

int Oli_Graphic_Value_Diagram_Even(double x_left, double y_bottom, double x_right, double y_top, double s_first,
                                   double s_last, double* values, int n, const char* side_title,
                                   const char* bottom_title, double h)
{
    return draw(x_left, y_bottom, x_right, y_top, nullptr, s_first, s_last, values, n, side_title, bottom_title, h,
                true);
}
