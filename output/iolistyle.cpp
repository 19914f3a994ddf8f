// Style records and small helpers shared by the drawing composites.
#include "output/iolistyle.h"

#include "base/kovmem.h"
#include "output/iolipriv.h"
#include "platform/olirecords.h"

namespace {
FILE* S() { return Oli_Graphic_Get_State()->stream; }
} // namespace

void Oli_Rec_Line_Class(int cls) { File_Printf(S(), " %d %d\n", OLI_G_LINE_CLASS, cls); }
void Oli_Rec_Width(double width) { File_Printf(S(), " %d %lf\n", OLI_G_LINE_WIDTH, oli_fin(width)); }
void Oli_Rec_Font(int font) { File_Printf(S(), " %d %d\n", OLI_G_FONT, font); }
void Oli_Rec_Text_Height(double height) { File_Printf(S(), " %d %lf\n", OLI_G_TEXT_HEIGHT, oli_fin(height)); }
void Oli_Rec_Dash(int count, const char* values) { File_Printf(S(), " %d %d %s %d\n", OLI_G_DASHES, count, values, 0); }
void Oli_Rec_Solid(void) { Oli_Rec_Dash(0, " "); }

double Oli_Sign_X(void) { return Oli_Graphic_Get_State()->x_code == 1 ? 1.0 : -1.0; }
double Oli_Sign_Y(void) { return Oli_Graphic_Get_State()->y_code == 0 ? 1.0 : -1.0; }
int Oli_Y_Down(void) { return Oli_Graphic_Get_State()->y_code == 2; }

void Oli_Plot_Style(int line_type, int pen)
{
    if (!Plot_Is_Open()) return;
    Plot_Set_Linetype(line_type);
    Plot_Set_Pen(pen);
}

void Oli_Plot_Filling(int filling)
{
    if (Plot_Is_Open()) Plot_Set_Filling(filling);
}

void Oli_Fill_Triangle(double xa, double ya, double xb, double yb, double xc, double yc)
{
    if (!Oli_Graphic_Get_Colour_Output()) return;
    const double x[3] = {xa, xb, xc}, y[3] = {ya, yb, yc};
    Oli_Graphic_Triangle(x, y);
}
