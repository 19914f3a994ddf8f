// Member value diagrams of the graphics blocks.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/kovmem.h"
#include "output/geo2d.h"
#include "output/iolidiag.h"
#include "output/iolistyle.h"

namespace {

double* new_doubles(double* old, int n, int zero)
{
    if (n > INT_MAX / 16) Mem_Out_Of_Memory();
    return static_cast<double*>(Mem_Realloc(old, n * static_cast<int>(sizeof(double)), zero));
}

void release(double** p) { Mem_Free_Null(reinterpret_cast<void**>(p)); }

} // namespace

void Oli_Member_Diagram_Init(OliMemberDiagram* d, int n)
{
    if (!d) return;
    d->name[0] = 0;
    d->colour = 11;
    d->x1 = d->y1 = d->x2 = d->y2 = 0.0;
    d->reference_line = 1;
    d->spare = 2;
    d->count = n;
    d->positions = n > 0 ? new_doubles(nullptr, n, 1) : nullptr;
    d->values = n > 0 ? new_doubles(nullptr, n, 1) : nullptr;
    d->factor = 1.0;
    d->text_offset = 0.3;
    d->decimals = 2;
    d->flip = 1;
}

void Oli_Member_Diagram_Copy(OliMemberDiagram* dst, const OliMemberDiagram* src)
{
    if (!dst || !src || dst == src) return;
    double* positions = dst->positions;
    double* values = dst->values;
    *dst = *src;
    std::memcpy(dst->name, src->name, sizeof dst->name);
    dst->name[sizeof dst->name - 1] = 0;
    if (src->count > 0) {
        positions = new_doubles(positions, src->count, 0);
        values = new_doubles(values, src->count, 0);
        for (int i = 0; i < src->count; ++i) {
            positions[i] = src->positions ? src->positions[i] : 0.0;
            values[i] = src->values ? src->values[i] : 0.0;
        }
    } else {
        release(&positions);
        release(&values);
    }
    dst->positions = positions;
    dst->values = values;
}

void Oli_Member_Diagram_Free(OliMemberDiagram* d)
{
    if (!d) return;
    release(&d->positions);
    release(&d->values);
}

void Oli_Graphic_Member_Diagram(const OliMemberDiagram* d)
{
    if (!d || d->count < 1 || !d->positions || !d->values) return;
    const OliGraphicState& g = *Oli_Graphic_Get_State();
    double sy = g.scale_y;
    double len = std::sqrt((d->x2 - d->x1) * (d->x2 - d->x1) + (d->y2 - d->y1) * (d->y2 - d->y1));
    if (!(len * sy >= 0.1)) return;
    const int n = d->count;
    double* ox = new_doubles(nullptr, n + 2, 0);
    double* oy = new_doubles(nullptr, n + 2, 0);
    double* fx = new_doubles(nullptr, n, 0);
    double* fy = new_doubles(nullptr, n, 0);
    double* lx = new_doubles(nullptr, n, 0);
    double* ly = new_doubles(nullptr, n, 0);
    double th = Geo_Line_Angle(d->x1, d->y1, d->x2, d->y2);
    ox[n] = d->x2;
    oy[n] = d->y2;
    ox[n + 1] = d->x1;
    oy[n + 1] = d->y1;
    Geo_To_Local(ox + n, oy + n, 2, 0.0, 0.0, th, 1.0);
    double px = ox[n + 1], py = oy[n + 1]; // P1 in the member's frame
    double s = d->flip ? -1.0 : 1.0, t = d->text_offset / sy;
    for (int i = 0; i < n; ++i) {
        double x = px + std::min(d->positions[i], len);
        fx[i] = lx[i] = ox[i] = x;
        fy[i] = py;
        oy[i] = py + s * d->factor * d->values[i];
        ly[i] = d->values[i] > 0.0 ? oy[i] + s * t : oy[i] - s * t;
    }
    Geo_To_Local(ox, oy, n + 2, 0.0, 0.0, -th, 1.0);
    Geo_To_Local(fx, fy, n, 0.0, 0.0, -th, 1.0);
    Geo_To_Local(lx, ly, n, 0.0, 0.0, -th, 1.0);

    Oli_Rec_Solid();
    Oli_Rec_Line_Class(1);
    if (d->colour >= 0) Oli_Graphic_Set_Colour_Index(d->colour);
    if (Oli_Graphic_Get_Colour_Output()) Oli_Graphic_Polygon(n + 2, ox, oy);
    Oli_Graphic_Polyline(n + 2, ox, oy);

    char format[16];
    snprintf(format, sizeof format, "%%.%df", std::max(0, std::min(d->decimals, 15)));
    double dia = 0.25 / sy;
    double p = 0.0, slope = 0.0;
    for (int i = 0; i < n; ++i) {
        if (i + 1 < n) slope = d->values[i + 1] - d->values[i]; // the last keeps the previous
        bool change = (p < 0.0 && slope >= 0.0) || (p >= 0.0 && slope < 0.0);
        Oli_Graphic_Line(fx[i], fy[i], ox[i], oy[i]);
        if (i == 0 || i == n - 1 || change) Oli_Graphic_Text_Aligned_Fixed(lx[i], ly[i], 4, 4, format, d->values[i]);
        if (change) {
            double mx = (fx[i] + ox[i]) / 2.0, my = (fy[i] + oy[i]) / 2.0;
            Oli_Graphic_Set_Colour_Index(0);
            Oli_Graphic_Fill_Circle(mx, my, dia);
            Oli_Rec_Line_Class(1);
            Oli_Graphic_Arc(mx, my, dia, 0.0, 360.0);
            Oli_Graphic_Text_Aligned_Fixed(mx, my, 4, 4, "%c", d->values[i] >= 0.0 ? '+' : '-');
        }
        p = slope;
    }

    Oli_Rec_Solid();
    Oli_Rec_Line_Class(3);
    Oli_Graphic_Line(d->x1, d->y1, d->x2, d->y2);
    if (d->reference_line) {
        // The member line 0.1 paper units to the right of its direction.
        double rx[2] = {d->x1, d->x2}, ry[2] = {d->y1, d->y2};
        Geo_To_Local(rx, ry, 2, 0.0, 0.0, th, 1.0);
        ry[0] -= 0.1 / sy;
        ry[1] -= 0.1 / sy;
        Geo_To_Local(rx, ry, 2, 0.0, 0.0, -th, 1.0);
        Oli_Rec_Line_Class(1);
        Oli_Rec_Dash(2, "0.1 0.1");
        Oli_Graphic_Line(rx[0], ry[0], rx[1], ry[1]);
    }
    release(&ox);
    release(&oy);
    release(&fx);
    release(&fy);
    release(&lx);
    release(&ly);
}
