// Charts with axes, ticks and labels in a graphics block.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/kovmem.h"
#include "base/kovnum.h"
#include "output/iolidiag.h"
#include "output/iolipriv.h"
#include "output/iolistyle.h"

namespace {

// 1 while the last chart opened; End and Curve write only then.
int g_chart_on = 1;

// More ticks than this on one side of an axis would only blacken the chart.
const int kMaxTicks = 1000;

// The decimals of the tick labels: 2 below a step of 0.1, 1 below 1, else 0,
// raised (at most to 4) until the step itself is exact at that many decimals,
// so that every label shows its tick's value (a step of 2.5 gets one decimal).
int tick_decimals(double step)
{
    int n = Round_To_Decimals(step - 0.1, 2) < 0.0 ? 2 : (Round_To_Decimals(step - 1.0, 1) < 0.0 ? 1 : 0);
    while (n < 4 && std::fabs(Round_To_Decimals(step, n) - step) > 1e-9 * std::fmax(1.0, step)) ++n;
    return n;
}

void tick_format(double step, char* format, size_t size) { snprintf(format, size, "%%.%df", tick_decimals(step)); }

const char* text_of(const char* field, size_t size, char* buf)
{
    std::memcpy(buf, field, size);
    buf[size - 1] = 0;
    return buf;
}

} // namespace

OliChart* Oli_Chart_Init(OliChart* c)
{
    if (!c) return c;
    c->width = c->height = 5.0;
    c->margin_top = c->margin_right = c->margin_bottom = c->margin_left = 0.5;
    c->x_min = 0.0;
    c->x_max = 100.0;
    c->y_min = 0.0;
    c->y_max = 100.0;
    c->x_mode = 1;
    c->y_mode = 0;
    c->x_step = -1.0;
    c->y_step = -1.0;
    c->grid = 0;
    c->x_title[0] = 0;
    c->y_title[0] = 0;
    return c;
}

int Oli_Chart_Begin(FILE* stream, const OliChart* c)
{
    g_chart_on = 1;
    if (!c || !(Round_To_Decimals(c->x_max - c->x_min, 3) > 0.0) ||
        !(Round_To_Decimals(c->y_max - c->y_min, 3) > 0.0)) {
        g_chart_on = 0;
        return 1;
    }
    double sx = (c->width - c->margin_left - c->margin_right) / (c->x_max - c->x_min);
    double sy = (c->height - c->margin_top - c->margin_bottom) / (c->y_max - c->y_min);
    double xa, xb, ya, yb;
    if (c->x_mode == 1) {
        xa = c->x_min - c->margin_left / sx;
        xb = c->x_max + c->margin_right / sx;
    } else {
        xa = c->x_max + c->margin_left / sx;
        xb = c->x_min - c->margin_right / sx;
    }
    if (c->y_mode == 0) {
        ya = c->y_min - c->margin_bottom / sy;
        yb = c->y_max + c->margin_top / sy;
    } else {
        ya = c->y_max + c->margin_bottom / sy;
        yb = c->y_min - c->margin_top / sy;
    }
    Oli_Graphic_Begin(stream, xa, ya, xb, yb, sx, sy);
    double ax = 0.1 / sx, ay = 0.1 / sy;
    char title[100], format[16];

    Oli_Rec_Text_Height(0.25);
    File_Printf(stream, " 16 %lf\n", 2.0);
    Oli_Rec_Solid();
    Oli_Graphic_Line(c->x_min, 0.0, c->x_max, 0.0);
    Oli_Fill_Triangle(c->x_max + 2.0 * ax, 0.0, c->x_max, -ay, c->x_max, ay);
    Oli_Graphic_Text_Aligned(c->x_max + 3.0 * ax, 0.0, 4, c->x_mode == 3 ? 1 : 3, "%s",
                             text_of(c->x_title, sizeof c->x_title, title));
    if (c->x_step > 0.0) {
        tick_format(c->x_step, format, sizeof format);
        Oli_Rec_Text_Height(0.2);
        for (int side = -1; side <= 1; side += 2) {
            for (int k = 1; k <= kMaxTicks; ++k) {
                double t = side * k * c->x_step;
                if (side < 0 ? !(t > c->x_min) : !(t < c->x_max)) break;
                if (c->y_mode == 0)
                    Oli_Graphic_Text_Aligned(t, -2.0 * ay, side < 0 ? 2 : 0, 4, format, t);
                else
                    Oli_Graphic_Text_Aligned(t, side < 0 ? 1.5 * ay : -1.5 * ay, side < 0 ? 0 : 2, 4, format, t);
                Oli_Rec_Line_Class(2);
                Oli_Rec_Solid();
                Oli_Graphic_Line(t, -ay, t, ay);
                if (c->grid) {
                    Oli_Rec_Line_Class(1);
                    Oli_Rec_Solid();
                    Oli_Graphic_Line(t, c->y_min, t, c->y_max);
                }
            }
        }
    }

    Oli_Rec_Line_Class(2);
    Oli_Rec_Text_Height(0.25);
    Oli_Rec_Solid();
    Oli_Graphic_Line(0.0, c->y_min, 0.0, c->y_max);
    Oli_Fill_Triangle(0.0, c->y_max + 2.0 * ay, -ax, c->y_max, ax, c->y_max);
    Oli_Graphic_Text_Aligned(0.0, c->y_max + 2.5 * ay, c->y_mode == 2 ? 0 : 2, 4, "%s",
                             text_of(c->y_title, sizeof c->y_title, title));
    if (c->y_step > 0.0) {
        tick_format(c->y_step, format, sizeof format);
        Oli_Rec_Text_Height(0.2);
        for (int side = -1; side <= 1; side += 2) {
            for (int k = 1; k <= kMaxTicks; ++k) {
                double t = side * k * c->y_step;
                if (side < 0 ? !(t > c->y_min) : !(t < c->y_max)) break;
                if (c->x_mode == 1)
                    Oli_Graphic_Text_Aligned(-1.5 * ax, t, 4, 1, format, t);
                else
                    Oli_Graphic_Text_Aligned(1.5 * ax, t, 4, 3, format, t);
                Oli_Rec_Line_Class(2);
                Oli_Rec_Solid();
                Oli_Graphic_Line(-ax, t, ax, t);
                if (c->grid) {
                    Oli_Rec_Line_Class(1);
                    Oli_Rec_Solid();
                    Oli_Graphic_Line(c->x_min, t, c->x_max, t);
                }
            }
        }
    }
    return 0;
}

void Oli_Chart_End(void)
{
    if (g_chart_on) File_Printf(Oli_Graphic_Stream(), " -1\n");
}

void Oli_Chart_Curve(FILE* stream, int n, const double x[], const double y[], int x_dir, int y_dir, double width,
                     double height)
{
    if (!g_chart_on || n < 1 || !x || !y) return;
    double xlo = 0, xhi = 0, ylo = 0, yhi = 0;
    for (int i = 0; i < n; ++i) {
        xlo = std::fmin(xlo, x[i]);
        xhi = std::fmax(xhi, x[i]);
        ylo = std::fmin(ylo, y[i]);
        yhi = std::fmax(yhi, y[i]);
    }
    // All x (or all y) at 0 leave no range to scale.
    if (!(xhi - xlo > 0.0) || !(yhi - ylo > 0.0)) return;
    OliGraphicState* g = Oli_Graphic_State_Mut();
    g->stream = stream;
    g->alternation = 0;
    g->scale_x = width / (xhi - xlo);
    g->scale_y = height / (yhi - ylo);
    g->max_scale = std::fmax(g->scale_x, g->scale_y);
    g->text_angle = 0.0;
    g->rotation = 0.0;
    g->orientation_sign = 1.0;
    File_Printf(stream, "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n");
    File_Printf(stream, "%d\n", -1);
    double x1 = xlo * g->scale_x - 1.0, x2 = xhi * g->scale_x + 1.0;
    double y1 = ylo * g->scale_y - 1.0, y2 = yhi * g->scale_y + 1.0;
    if (x_dir != 1) std::swap(x1, x2);
    if (y_dir != 0) std::swap(y1, y2);
    File_Printf(stream, "%lf %lf %lf %lf\n", oli_fin(x1), oli_fin(x2), oli_fin(y1), oli_fin(y2));
    Oli_Graphic_Line(xlo, 0.0, xhi, 0.0);
    Oli_Graphic_Line(0.0, ylo, 0.0, yhi);
    for (int i = 0; i + 1 < n; ++i) Oli_Graphic_Line(x[i], y[i], x[i + 1], y[i + 1]);
    File_Printf(stream, " -1\n");
}
