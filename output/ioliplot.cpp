// Graphics block state of the output list: the current graphic, its head, world
// to block coordinates, print scales and the module values others read.
#include "output/ioliplot.h"

#include <algorithm>
#include <cmath>

#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "base/kovnum.h"
#include "output/geo2d.h"
#include "output/iolipriv.h"
#include "platform/kovcp.h"
#include "platform/kovmath.h"
#include "platform/olirecords.h"

namespace {

const double kTwoPi = 2.0 * KOV_PI;

OliGraphicState initial_state()
{
    OliGraphicState s{};
    s.stream = nullptr;
    s.saved_stream = nullptr;
    s.orientation_sign = 1.0;
    s.colour_output = 1;
    s.ext_min_x = 1e100;
    s.ext_min_y = 1e100;
    s.ext_max_x = -1e100;
    s.ext_max_y = -1e100;
    s.level = 338;
    return s;
}

OliGraphicState g = initial_state();

const double kPrintScales[18] = {5, 10, 25, 50, 75, 100, 125, 150, 175, 200, 250, 300, 350, 400, 500, 750, 1000, 1500};

// A scale or angle that is not finite would put inf or nan into the block.
double finite_or_zero(double v) { return std::isfinite(v) ? v : 0.0; }

} // namespace

OliGraphicState* Oli_Graphic_State_Mut(void) { return &g; }
const OliGraphicState* Oli_Graphic_Get_State(void) { return &g; }

void Oli_Graphic_Reset(void)
{
    g = initial_state();
    Plot_Reset_State();
}

void Oli_Turn(double* x, double* y) { Geo_To_Local(x, y, 1, 0.0, 0.0, g.rotation, 1.0); }

double Oli_Plot_Y(double turned_y) { return g.y_code == 2 ? g.mirror_sum - turned_y : turned_y; }

void Oli_Widen(double x, double y)
{
    g.ext_min_x = std::min(g.ext_min_x, x);
    g.ext_min_y = std::min(g.ext_min_y, y);
    g.ext_max_x = std::max(g.ext_max_x, x);
    g.ext_max_y = std::max(g.ext_max_y, y);
}

// ---- beginning a block ----------------------------------------------------------------------

void Oli_Graphic_Begin_Titled(FILE* f, double x1, double y1, double x2, double y2, double scale_x, double scale_y,
                              double rotation, const char (*titles)[80])
{
    g.alternation = 0;
    g.stream = f;
    g.scale_x = finite_or_zero(scale_x);
    g.scale_y = finite_or_zero(scale_y);
    g.max_scale = std::max(g.scale_x, g.scale_y);
    g.rotation = finite_or_zero(rotation);
    g.text_angle = 0.0;

    if (Round_To_Decimals(std::fabs(g.rotation), 3) != 0.0) {
        double cx[4] = {x1, x2, x2, x1};
        double cy[4] = {y1, y1, y2, y2};
        Geo_To_Local(cx, cy, 4, 0.0, 0.0, g.rotation, 1.0);
        double lo_x = *std::min_element(cx, cx + 4), hi_x = *std::max_element(cx, cx + 4);
        double lo_y = *std::min_element(cy, cy + 4), hi_y = *std::max_element(cy, cy + 4);
        if (x1 < x2) {
            x1 = lo_x;
            x2 = hi_x;
        } else {
            x1 = hi_x;
            x2 = lo_x;
        }
        if (y1 < y2) {
            y1 = lo_y;
            y2 = hi_y;
        } else {
            y1 = hi_y;
            y2 = lo_y;
        }
    }

    g.mirror_sum = y1 + y2;
    bool x_up = x2 > x1;
    bool y_up = y1 < y2;
    g.x_code = x_up ? 1 : 3;
    g.y_code = y_up ? 0 : 2;
    g.mirrored = y_up ? 0 : 1;
    g.orientation_sign = (x_up == y_up) ? 1.0 : -1.0;

    if (titles) {
        int p[6];
        for (int i = 0; i < 6; ++i) p[i] = titles[i][0] != 0 ? 1 : 0;
        File_Printf(f, OLI_REC_SHOWGRAFIC "\n %d %d %d\n", p[0], p[1], p[2]);
        for (int i = 0; i < 3; ++i)
            if (p[i]) File_Printf(f, " %.79s\n", titles[i]);
        File_Printf(f, " %d %d %d\n", p[3], p[4], p[5]);
        for (int i = 3; i < 6; ++i)
            if (p[i]) File_Printf(f, " %.79s\n", titles[i]);
    } else {
        File_Printf(f, OLI_REC_SHOWGRAFIC "\n 0 0 0\n 0 0 0\n");
    }
    File_Printf(f, "%d\n", -1);
    File_Printf(f, "%lf %lf %lf %lf\n", oli_fin(x1 * g.scale_x), oli_fin(x2 * g.scale_x), oli_fin(y1 * g.scale_y),
                oli_fin(y2 * g.scale_y));
}

void Oli_Graphic_Begin_Scaled(FILE* f, double x1, double y1, double x2, double y2, double scale, double rotation,
                              const char (*titles)[80])
{
    Oli_Graphic_Begin_Titled(f, x1, y1, x2, y2, scale, scale, rotation, titles);
}

void Oli_Graphic_Begin(FILE* f, double x1, double y1, double x2, double y2, double scale_x, double scale_y)
{
    Oli_Graphic_Begin_Titled(f, x1, y1, x2, y2, scale_x, scale_y, 0.0, nullptr);
}

FILE* Oli_Graphic_Stream(void) { return g.stream; }

// ---- print scale, coordinates ---------------------------------------------------------------

int Oli_Graphic_Print_Scale(double avail_x, double avail_y, double ext_x, double ext_y)
{
    double f = std::min(avail_x / (100.0 * ext_x), avail_y / (100.0 * ext_y));
    for (int i = 0; i < 18; ++i)
        if (f > 1.0 / kPrintScales[i]) return i;
    Msg_Set_Output_Mode(0);
    Msg_Printf("%s", cp850("Benötigter Maßstab für Darstellung in der Druckliste zu klein!\n"
                           "  -> Geometriedaten überprüfen und korrigieren."));
    return -1;
}

double Oli_Graphic_Print_Scale_Denominator(int index) { return index >= 0 && index < 18 ? kPrintScales[index] : 0.0; }

void Oli_Graphic_To_Block(double x, double y, double* bx, double* by)
{
    Oli_Turn(&x, &y);
    if (bx) *bx = x * g.scale_x;
    if (by) *by = y * g.scale_y;
}

void Oli_Graphic_Paper_To_World(double length, double* wx, double* wy)
{
    if (wx) *wx = g.scale_x != 0.0 ? length / g.scale_x : 0.0;
    if (wy) *wy = g.scale_y != 0.0 ? length / g.scale_y : 0.0;
}

double Oli_Graphic_Get_Text_Angle(void) { return g.text_angle; }

void Oli_Graphic_Set_Text_Angle(double angle)
{
    double a = finite_or_zero(angle) * g.orientation_sign;
    if (a > 100.0) a = std::fmod(a, kTwoPi) + kTwoPi;
    while (a > kTwoPi) a -= kTwoPi;
    g.text_angle = a;
}

// ---- switches and module values ---------------------------------------------------------------

void Oli_Graphic_Redirect(FILE* f)
{
    g.saved_stream = g.stream;
    g.stream = f;
}

void Oli_Graphic_Restore_Stream(void) { g.stream = g.saved_stream; }

void Oli_Graphic_Set_Colour_Output(int on) { g.colour_output = on; }
int Oli_Graphic_Get_Colour_Output(void) { return g.colour_output; }
void Oli_Graphic_Set_Extended(int on) { g.extended = on; }
int Oli_Graphic_Get_Extended(void) { return g.extended; }
void Oli_Graphic_Set_Dim_Flags(int flags) { g.dim_flags = flags; }
int Oli_Graphic_Get_Dim_Flags(void) { return g.dim_flags; }

int Oli_Get_Level(void) { return g.level; }
void Oli_Set_Level(int level) { g.level = level; }

void Oli_Graphic_Reset_Extents(void)
{
    g.ext_min_x = 1e100;
    g.ext_min_y = 1e100;
    g.ext_max_x = -1e100;
    g.ext_max_y = -1e100;
}

void Oli_Graphic_Get_Extents(double* min_x, double* min_y, double* max_x, double* max_y)
{
    if (min_x) *min_x = g.ext_min_x;
    if (min_y) *min_y = g.ext_min_y;
    if (max_x) *max_x = g.ext_max_x;
    if (max_y) *max_y = g.ext_max_y;
}
