#pragma once
// Screen graphics in world coordinates, drawn on the pixel surface of the
// host's user-interface library ("platform/kovscreen.h").
//
// One view for the process carries a world point (x, y) to the screen:
//   c = cos(angle), s = sin(angle)
//   X = scale_x (c (x - x0) + s (y - y0)),  Y = scale_y (c (y - y0) - s (x - x0))
// A negative scale_y lets world y run up on the screen, whose y runs down.
// Every drawing call rounds each transformed point half away from zero to a
// pixel; values beyond the int range are held at its limits and a point that is
// not finite draws nothing (the whole line, dot, text or polygon is left out).
//
// Invariants:
//  (1) The thickness applies to every line of this header; 0 (or less)
//      suppresses lines, never dots or fills.
//  (2) A zero scale never divides: Scr_Screen_To_World leaves the point as it
//      is, Scr_Axes and Scr_Dimension_Line draw nothing.
//  (3) The text calls give the font in force back before they return; the
//      colour calls change no drawing state.
//
// Everything here is for the GUI thread; the view is not protected.

// ---- the view -------------------------------------------------------------------

void Scr_Set_View(double x0, double y0, double angle, double scale_x, double scale_y);
double Scr_Get_Scale_X();
double Scr_Get_Scale_Y();
// Both given: the point transformed in place, not rounded. Only one given: a
// length, multiplied by that axis's scale. Neither: nothing.
void Scr_World_To_Screen(double* x, double* y);
// The inverse of the transformation, in place (both must be given).
void Scr_Screen_To_World(double* x, double* y);
// Distance in pixels (not rounded) of the two transformed points.
double Scr_Screen_Distance(double x1, double y1, double x2, double y2);
void Scr_Set_Thickness(int thickness);
// Stored and handed to pxSLn; 0 is solid.
void Scr_Set_Line_Style(int style);
int Scr_Get_Line_Style();
// The three fill patterns, handed to pxSUFA.
void Scr_Set_Pattern_Dots();
void Scr_Set_Pattern_Motif();
void Scr_Set_Pattern_Lines();

// ---- primitives (world coordinates) -----------------------------------------------

// A dot whose diameter is the thickness; up to a radius of 1 pixel one pixel at
// the transformed point cut towards zero.
void Scr_Dot(double x, double y);
// A line in the thickness and style. Dashed or dotted lines of thickness 2 or 3
// are parallel one-pixel lines, each starting its pattern anew.
void Scr_Line(double x1, double y1, double x2, double y2);
// A band of width world units centred on the segment, filled; with a pattern
// (16 rows) filled in it and solid fills set again afterwards.
void Scr_Band(double x1, double y1, double x2, double y2, double width, const int* pattern);
void Scr_Rectangle(double x1, double y1, double x2, double y2);
void Scr_Rectangle_Centred(double cx, double cy, double w, double h);
void Scr_Fill_Rectangle(double x1, double y1, double x2, double y2);
void Scr_Fill_Rectangle_Centred(double cx, double cy, double w, double h);
// Filled in the sheet background (colour index -1); the colour is kept.
void Scr_Erase_Rectangle(double x1, double y1, double x2, double y2);
// Circles of 72 points at steps of 5 degrees (ellipses for unequal scales).
void Scr_Circle(double cx, double cy, double r);
void Scr_Fill_Circle(double cx, double cy, double r);
// The closed outline of n points (nothing for n < 1).
void Scr_Polygon(int n, const double x[], const double y[]);
void Scr_Fill_Polygon(int n, const double x[], const double y[]);

// ---- colours ------------------------------------------------------------------------

// The colour (components 0 .. 255) in place with its HSL lightness multiplied by
// 1 + percent/100; the results are held to 0 .. 255.
void Mask_Lighten_Rgb(int* r, int* g, int* b, double percent);
// The palette entry lightened the same way, as the nearest colour index.
int Mask_Lighten_Color(int colour_index, double percent);

// ---- arrows, dimension lines, texts ---------------------------------------------

// An arrow from P1 to P2, its head at P2 no longer than the arrow and no wider
// than long; filled == 1 a filled head, else two lines.
void Scr_Arrow(double x1, double y1, double x2, double y2, double head_length, double head_width, int filled);
// Two axis arrows from (x, y) parallel to the world axes to the end of the
// vector (len_x, len_y)/scale turned by angle, labelled in the normal font.
void Scr_Axes(double x, double y, const char* label_x, const char* label_y, double len_x, double len_y, double angle,
              double scale);
// A dimension line between the points with its extension lines (ext pixels
// long) and the value text with a raised second text. mode 0: y1, y2 are
// pixels; mode 1: x1, x2 are pixels; any other: all four are world values.
// Pixels become world values by the view's origin and scale alone.
void Scr_Dimension_Line(int mode, double x1, double y1, double x2, double y2, const char* text, const char* second,
                        double ext);
// The distance of the points (metres) as a dimension: centimetres below 1 m,
// else metres with two decimals, a half centimetre as a raised "5". Nothing
// for points closer than 0.01.
void Scr_Dimension_Length(int mode, double x1, double y1, double x2, double y2, double ext);
// Texts at the pixel of a world point (base line there), in the font given.
void Scr_Text(double x, double y, const char* text, int font, int bold);
void Scr_Text_Plain(double x, double y, const char* text, int font);
void Scr_Text_Bold(double x, double y, const char* text, int font);
void Scr_Text_Right(double x, double y, const char* text, int font);
// Aligned in the box of +-5 pixels around the point: h 1 right, 4 centred, else
// left; v 0 bottom, 4 middle, else top.
void Scr_Text_Box(double x, double y, const char* text, int font, int v, int h);
