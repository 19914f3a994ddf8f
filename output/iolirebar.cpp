// Reinforcement layer label of the graphics blocks.
#include <cmath>
#include <cstdio>

#include "base/kovmem.h"
#include "output/geo2d.h"
#include "output/iolicomp.h"
#include "output/iolipriv.h"
#include "output/iolistyle.h"

namespace {

const double kPi = 3.14159265358979323846;

const int kDiameters[10] = {6, 8, 12, 14, 16, 18, 20, 22, 25, 28};
const char kGrades[3][14] = {"BSt 220/340", "BSt 420S", "BSt 500S"};

} // namespace

void Oli_Graphic_Rebar_Label(double x1, double y1, double x2, double y2, double size, int grade, int diameter_index,
                             double spacing, double area, double c, double v, int number)
{
    double dx = x2 - x1, dy = y2 - y1;
    if (!(dx * dx + dy * dy >= 25.0)) return;
    const OliGraphicState& gs = *Oli_Graphic_Get_State();
    double sx = gs.scale_x, sy = gs.scale_y;
    Oli_Graphic_Push_State();
    Oli_Rec_Line_Class(1);
    Oli_Rec_Solid();
    double th = Geo_Line_Angle(x1, y1, x2, y2);
    double ct = std::cos(th), st = std::sin(th);
    double ux = ct / sx, uy = st / sy, vx = -st / sx, vy = ct / sy;
    Oli_Graphic_Line(x1 - size * ux, y1 - size * uy, x2 + size * ux, y2 + size * uy);
    const double px[2] = {x1, x2}, py[2] = {y1, y2};
    for (int i = 0; i < 2; ++i)
        Oli_Graphic_Line(px[i] + 6.0 * size * vx, py[i] + 6.0 * size * vy, px[i] - 4.4 * size * vx,
                         py[i] - 4.4 * size * vy);
    double k = 0.5656854249492381 * 1.5 * size;
    double tx = k * std::cos(th + kPi / 4.0) / sx, ty = k * std::sin(th + kPi / 4.0) / sy;
    for (int i = 0; i < 2; ++i) Oli_Graphic_Line(px[i] - tx, py[i] - ty, px[i] + tx, py[i] + ty);

    Oli_Graphic_Set_Text_Angle(th);
    Oli_Rec_Text_Height(2.1 * size);
    Oli_Rec_Font(6);
    double mx = (x1 + x2) / 2.0, my = (y1 + y2) / 2.0;
    double wx = -st / sy, wy = ct / sy;
    char buf[700];                                   // room for two values printed in full
    snprintf(buf, sizeof buf, "%5.2f cm\xFD", area); // "cm²", the ² in code page 850
    Oli_Graphic_Text_Centred(mx + 1.6 * size * wx, my + 1.6 * size * wy, buf);

    double qx = mx + 4.8 * size * wx, qy = my + 4.8 * size * wy;
    File_Printf(gs.stream, " 27 %.1f %.1f %%FONT%%\\%s\n", oli_fin(qx * sx - 8.48 * size),
                oli_fin(qy * sy + 1.3 * size), "DURCHM.OCM");
    if (diameter_index >= 0 && diameter_index < 10)
        snprintf(buf, sizeof buf, "   %d/%4.1f", kDiameters[diameter_index], spacing);
    else
        snprintf(buf, sizeof buf, "   ?/%4.1f", spacing);
    Oli_Graphic_Text_Centred(qx, qy, buf);

    Oli_Rec_Text_Height(1.8 * size);
    snprintf(buf, sizeof buf, "C=%.0fcm V=%.0f", c * 100.0, v);
    Oli_Graphic_Text_Centred(mx - 1.6 * size * wx, my - 1.6 * size * wy, buf);

    const char* name = grade >= 0 && grade < 3 ? kGrades[grade] : "?";
    if (number < 1)
        snprintf(buf, sizeof buf, "%s", name);
    else
        snprintf(buf, sizeof buf, "%s Nr. %i", name, number);
    Oli_Graphic_Text_Centred(mx - 4.0 * size * wx, my - 4.0 * size * wy, buf);
    Oli_Graphic_Pop_State();
}
