// Fastener symbols of the graphics blocks: nuts, bolt heads, shanks and bolt
// cross-sections, all sized from the bolt diameter.
#include "output/iolicomp.h"
#include "output/iolipriv.h"
#include "output/iolistyle.h"

namespace {

// Fixed world lengths of the nut symbols: washer thickness and bolt protrusion.
const double kWasher = 4.0;
const double kProtrusion = 5.0;

// The colour record, the plot area style and, while colour output is on, the
// filled rectangle [x1, x2] x [y1, y2].
void fill_rect(double x1, double y1, double x2, double y2, int colour, int filling)
{
    Oli_Graphic_Set_Colour_Index(colour);
    Oli_Plot_Style(0, 1);
    Oli_Plot_Filling(filling);
    if (!Oli_Graphic_Get_Colour_Output()) return;
    const double x[4] = {x1, x2, x2, x1}, y[4] = {y1, y1, y2, y2};
    Oli_Graphic_Polygon(4, x, y);
}

// The three faces of a nut seen from the side, x in [xa, xb].
void nut_faces(double xa, double xb, double y, double d)
{
    double v = d / 2.0;
    int down = Oli_Y_Down();
    fill_rect(xa, y - v, xb, y - v + d / 4.0, down ? 1 : 19, down ? 4 : 1);
    fill_rect(xa, y - v + d / 4.0, xb, y - v + 3.0 * d / 4.0, 11, 3);
    fill_rect(xa, y - v + 3.0 * d / 4.0, xb, y + v, down ? 19 : 1, down ? 1 : 4);
}

void centre_line(double xa, double xb, double y)
{
    Oli_Rec_Width(0.015);
    Oli_Graphic_Set_Dash(3);
    if (Plot_Is_Open()) Plot_Set_Linetype(2);
    Oli_Graphic_Line(xa, y, xb, y);
}

// A hexagon about (x, y): corner distance r across the flats' ends, half width t.
void hexagon(double x, double y, double r, double t, int colour, int filling)
{
    Oli_Graphic_Set_Colour_Index(colour);
    Oli_Plot_Filling(filling);
    if (!Oli_Graphic_Get_Colour_Output()) return;
    const double hx[6] = {x + t, x, x - t, x - t, x, x + t};
    const double hy[6] = {y - r / 2.0, y - r, y - r / 2.0, y + r / 2.0, y + r, y + r / 2.0};
    Oli_Graphic_Polygon(6, hx, hy);
}

void cross(double x, double y, double half)
{
    Oli_Graphic_Line(x - half, y, x + half, y);
    Oli_Graphic_Line(x, y - half, x, y + half);
}

void thick_solid(void)
{
    Oli_Rec_Width(0.035);
    Oli_Rec_Solid();
    Oli_Plot_Style(0, 3);
}

} // namespace

void Oli_Graphic_Fastener_Symbol(int, int type, double d, double x, double y, double l)
{
    double v = d / 2.0;
    double sy = Oli_Y_Down() ? -1.0 : 1.0; // leaders mirror with a downward y axis
    Oli_Graphic_Push_State();
    Oli_Rec_Width(0.02);
    switch (type) {
        case 0:
            fill_rect(x - kWasher, y - v - kWasher, x, y + v + kWasher, 1, 4);
            nut_faces(x - v - kWasher, x - kWasher, y, d);
            centre_line(x - 1.5 * d - kWasher, x + d - kWasher, y);
            break;
        case 1:
            fill_rect(x, y - v - kWasher, x + kWasher, y + v + kWasher, 1, 4);
            nut_faces(x + kWasher, x + kWasher + v, y, d);
            fill_rect(x + kWasher + v, y - v + 0.16 * d, x + kWasher + v + kProtrusion, y + v - 0.16 * d, 20, 3);
            centre_line(x + kWasher - d, x + kWasher + 1.5 * d, y);
            break;
        case 2:
        case 3:
            hexagon(x, y, v, 0.433 * d, 43, 3);
            if (type == 3) hexagon(x, y, d / 4.0, 0.216 * d, 1, 4);
            Oli_Rec_Width(0.015);
            Oli_Rec_Solid();
            cross(x, y, 0.8 * d);
            break;
        case 4:
        case 5: {
            thick_solid();
            double xb = x + l + v;
            Oli_Graphic_Line(x - v, y, xb, y);
            Oli_Graphic_Line(x - v + d / 4.0, y - d / 4.0, x - v + d / 4.0, y + d / 4.0);
            Oli_Graphic_Line(xb - d / 4.0, y - d / 4.0, xb - d / 4.0, y + d / 4.0);
            if (type == 4) {
                Oli_Graphic_Line(xb - d / 4.0, y + sy * d / 4.0, xb, y + sy * v);
                Oli_Graphic_Line(xb, y + sy * v, xb + 0.12 * d, y + sy * 0.38 * d);
            }
            break;
        }
        case 6:
        case 7:
            thick_solid();
            Oli_Graphic_Line(x, y - 0.6 * d, x, y + 0.6 * d);
            Oli_Graphic_Line(x - 0.6 * d, y, x + 0.6 * d, y);
            Oli_Graphic_Set_Colour_Index(64);
            Oli_Plot_Filling(0);
            Oli_Graphic_Fill_Circle(x, y, 0.2 * d);
            if (type == 6) {
                Oli_Graphic_Line(x, y, x + 0.426 * d, y + sy * 0.426 * d);
                Oli_Graphic_Line(x + 0.426 * d, y + sy * 0.426 * d, x + 0.546 * d, y + sy * 0.246 * d);
            }
            break;
        default: break;
    }
    Oli_Graphic_Pop_State();
}
