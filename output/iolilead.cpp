// Leader labels and hatched bands of the graphics blocks.
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "output/geo2d.h"
#include "output/iolicomp.h"
#include "output/iolipriv.h"
#include "output/iolistyle.h"

namespace {

const double kPi = 3.14159265358979323846;

// A band walk of more steps than this is a degenerate band (a width tiny
// against its coordinates); it gets no more strokes.
const int kMaxHatchSteps = 100000;

// The label text: formatted into 255 bytes, trailing blanks removed.
struct LabelText {
    char buf[256];
    int n;
    LabelText(const char* format, va_list ap)
    {
        buf[0] = 0;
        if (format) vsnprintf(buf, sizeof buf - 1, format, ap);
        n = static_cast<int>(std::strlen(buf));
        while (n > 0 && buf[n - 1] == ' ') buf[--n] = 0;
    }
};

double dist(double ax, double ay, double bx, double by)
{
    return std::sqrt((bx - ax) * (bx - ax) + (by - ay) * (by - ay));
}

// The frame and style of a leader label.
void label_begin(void)
{
    Oli_Graphic_Push_State();
    Oli_Rec_Line_Class(1);
    Oli_Rec_Solid();
}

// The leader from (x1, y1) to the nearer end of the reference line from
// (x2, y2) to (xe, y2); returns 1 when that is the far end xe.
int leader(double x1, double y1, double x2, double y2, double xe)
{
    int to_end = dist(x1, y1, x2, y2) > dist(x1, y1, xe, y2);
    Oli_Graphic_Line(x2, y2, xe, y2);
    Oli_Graphic_Line(x1, y1, to_end ? xe : x2, y2);
    return to_end;
}

} // namespace

void Oli_Graphic_Leader_Label(double x1, double y1, double x2, double y2, double text_height, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    LabelText t(format, ap);
    va_end(ap);
    double sy = Oli_Graphic_Get_State()->scale_y;
    label_begin();
    if (Plot_Is_Open()) {
        Plot_Set_Linetype(0);
        Plot_Set_Pen(0);
        Plot_Set_Filling(5);
        Plot_Set_Font(4);
    }
    double xe = x2 + (t.n + 1) * text_height / sy;
    int to_end = leader(x1, y1, x2, y2, xe);
    double ty = y2 + Oli_Sign_Y() * 0.2 * text_height / sy;
    if (to_end)
        Oli_Graphic_Text_Aligned(xe - 0.6 * text_height / sy, ty, 2, 1, "%s", t.buf);
    else
        Oli_Graphic_Text_Aligned(x2 + 0.6 * text_height / sy, ty, 2, 3, "%s", t.buf);
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Leader_Label_Flag(double x1, double y1, double x2, double y2, int no_flag, double text_height,
                                   const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    LabelText t(format, ap);
    va_end(ap);
    double sy = Oli_Graphic_Get_State()->scale_y;
    label_begin();
    Oli_Rec_Text_Height(text_height);
    double xb = x2 + (t.n + 2) * 0.82 * text_height / sy;
    leader(x1, y1, x2, y2, xb);
    double s = Oli_Y_Down() ? -text_height : text_height;
    double gy = y2 + 0.2 * s / sy;
    Oli_Graphic_Text_Aligned(x2 + 0.1 * text_height / sy, gy, 2, 3, "%s", t.buf);
    Oli_Graphic_Set_Colour_Index(1);
    if (!no_flag) {
        double xf = x2 + 0.96 * t.n * text_height / sy;
        const double fx[3] = {xf, xf + text_height / sy, xf};
        const double fy[3] = {gy, gy, gy + s / sy};
        Oli_Plot_Filling(0);
        Oli_Fill_Triangle(fx[0], fy[0], fx[1], fy[1], fx[2], fy[2]);
        Oli_Rec_Line_Class(2);
        Oli_Graphic_Polyline(3, fx, fy);
    }
    Oli_Graphic_Pop_State();
}

void Oli_Graphic_Hatched_Band(double x1, double y1, double x2, double y2, double width, int side)
{
    double th = Geo_Line_Angle(x1, y1, x2, y2);
    double w = width, st = std::sin(th), ct = std::cos(th);
    double ox = 0, oy = 0, hx = 0, hy = 0;
    double sm = std::sin(th - kPi / 4.0), cm = std::cos(th - kPi / 4.0);
    switch (side) {
        case 0:
            ox = -w * st;
            oy = -w * ct;
            hx = 1.41 * w * sm;
            hy = -1.41 * w * cm;
            break;
        case 1:
            ox = w * st;
            oy = w * ct;
            hx = 1.41 * w * sm;
            hy = 1.41 * w * cm;
            break;
        case 2:
            ox = w * st;
            oy = -w * ct;
            hx = 1.41 * w * std::sin(th + kPi / 4.0);
            hy = 1.41 * w * std::cos(th + kPi / 4.0);
            break;
        case 3:
            ox = -w * st;
            oy = w * ct;
            hx = 1.41 * w * sm;
            hy = 1.41 * w * cm;
            break;
        default: break;
    }
    double q1x = x1 + ox, q1y = y1 + oy, q2x = x2 + ox, q2y = y2 + oy;
    Oli_Graphic_Push_State();
    Oli_Rec_Width(0.0);
    Oli_Rec_Dash(2, "0.01 0.55");
    Oli_Graphic_Set_Colour_Index(45);
    double cx[4], cy[4];
    if (x1 <= x2) {
        cx[0] = x1;
        cx[1] = x2;
        cx[2] = q2x;
        cx[3] = q1x;
    } else {
        cx[0] = x2;
        cx[1] = x1;
        cx[2] = q1x;
        cx[3] = q2x;
    }
    int down = Oli_Y_Down();
    if ((y2 < y1 && !down) || (y1 < y2 && down)) {
        cy[0] = y2;
        cy[1] = y1;
        cy[2] = q1y;
        cy[3] = q2y;
    } else {
        cy[0] = y1;
        cy[1] = y2;
        cy[2] = q2y;
        cy[3] = q1y;
    }
    if (Plot_Is_Open()) {
        Plot_Set_Linetype(0);
        Plot_Set_Pen(0);
        double xmin, ymin, xmax, ymax;
        Geo_Bounding_Box(4, cx, cy, &xmin, &ymin, &xmax, &ymax);
        double dx = std::fabs(w * ct), dy = std::fabs(w * st);
        // A walk that does not move (a band of no width) has nothing to hatch.
        if (dx > 0.0 || dy > 0.0) {
            double x = xmin, y = ymin;
            for (int k = 0; k < kMaxHatchSteps && x <= xmax && y <= ymax; ++k) {
                if (x + hx < xmax && y + hy < ymax) {
                    double ax = x, ay = y, bx = x + hx, by = y + hy;
                    Oli_Turn(&ax, &ay);
                    Oli_Turn(&bx, &by);
                    Plot_Entity_Line(ax, Oli_Plot_Y(ay), bx, Oli_Plot_Y(by));
                }
                x += dx;
                y += dy;
            }
        }
    }
    if (Oli_Graphic_Get_Colour_Output()) {
        // The band is hatched in the plot file: no plot area for it.
        PlotFileState* p = Plot_State_Mut();
        FILE* plot = p->stream;
        p->stream = nullptr;
        Oli_Graphic_Polygon(4, cx, cy);
        p->stream = plot;
    }
    Oli_Graphic_Pop_State();
}
