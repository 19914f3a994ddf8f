#pragma once
// Style records of the graphics block that the composites write between the
// primitives (library-internal). Each goes to the current block's stream.
#include "output/ioliplot.h"

// " 4 %d": line class.
void Oli_Rec_Line_Class(int cls);
// " 6 %lf": line width (paper units).
void Oli_Rec_Width(double width);
// " 8 %d": font.
void Oli_Rec_Font(int font);
// " 13 %lf": text height (paper units).
void Oli_Rec_Text_Height(double height);
// " 38 %d %s %d" with the count of dash values and the values; 0 and " " is solid.
void Oli_Rec_Dash(int count, const char* values);
void Oli_Rec_Solid(void);

// Orientation signs of the current graphic: +1 when x runs to the right (y runs
// up), else -1.
double Oli_Sign_X(void);
double Oli_Sign_Y(void);
// 1 when the graphic's y axis runs downward.
int Oli_Y_Down(void);

// Plot attributes, set only while a plot file is open.
void Oli_Plot_Style(int line_type, int pen);
void Oli_Plot_Filling(int filling);

// A filled triangle (only while colour output is on).
void Oli_Fill_Triangle(double xa, double ya, double xb, double yb, double xc, double yc);
