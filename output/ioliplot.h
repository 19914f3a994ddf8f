#pragma once
// Graphics blocks of the output list ("#SHOWGRAFIC") and the plot file of the
// plan viewer ("zorv-PlanSchau"). One current graphic and one plot file per
// process (module state, one thread, not reentrant).
//
// Every primitive writes its record into the current block at once and, while a
// plot file is open, the matching entity into the plot file. The caller of a
// begin operation may write records of its own into the block's stream
// (Oli_Graphic_Stream) and ends the block itself with the line " -1\n".
//
// World points are turned by -rotation about the world origin and multiplied by
// the scale of their axis for the block; the plot file gets them turned but not
// scaled, with y mirrored (mirror sum - y) when the block's y axis runs down.
// Numbers are always written with a decimal point; a value that is not finite is
// written as 0.
#include <cstdio>

#if defined(__GNUC__)
#define OLI_PRINTF_LIKE(fmt_index, first_arg) __attribute__((format(printf, fmt_index, first_arg)))
#else
#define OLI_PRINTF_LIKE(fmt_index, first_arg)
#endif

// A colour, each component 0..255, passed by value.
struct OliRgb {
    int r;
    int g;
    int b;
};

// The one current graphic of the process.
struct OliGraphicState {
    FILE* stream;          // output-list stream of the current block (NULL: nothing written)
    FILE* saved_stream;    // one level of Oli_Graphic_Redirect
    double scale_x;        // block units per world unit along x
    double scale_y;        // ... along y
    double max_scale;      // the larger of the two
    double rotation;       // radians; world points are turned by -rotation
    double text_angle;     // radians, relative to the world axes
    double saved_rotation; // one push level
    double saved_text_angle;
    int x_code;                                        // 1 x runs up, 3 x runs down
    int y_code;                                        // 0 y runs up, 2 y runs down
    int mirrored;                                      // 1 when y runs down
    double orientation_sign;                           // +1 both axes alike, -1 otherwise
    double mirror_sum;                                 // y1 + y2 of the block head
    int alternation;                                   // toggle of the dimension line
    int colour_output;                                 // 0: colour records write colour 0, fills suppressed
    int extended;                                      // 1: extended opcodes 50..53, 59..62
    int dim_flags;                                     // read by the dimension line
    OliRgb line_colour;                                // base line colour
    double line_lightness;                             // percent
    OliRgb fill_colour;                                // base fill colour
    double fill_lightness;                             // percent
    int pattern;                                       // last pattern number written
    double ext_min_x, ext_min_y, ext_max_x, ext_max_y; // world extents drawn
    int level;                                         // output-list level
};

// The plot file of the process.
struct PlotFileState {
    FILE* stream;      // open plot file; NULL: no plot output
    int pen;           // index into "-pens"
    int filling;       // index into "-fillings"; -1: no filling (areas not written)
    int line_type;     // index into "-linetypes"
    int font;          // index into "-fonts"
    double unit;       // plot units per world unit (head only)
    int colour_groups; // N, always 5
    int next_point;    // id of the next point ("@id")
    int next_entity;   // id of the next edge or line entity
    int saved_pen, saved_filling, saved_line_type, saved_font; // one push level
    int max_filling;                                           // last filling of the table of the head written last
};

// ==== graphics block state and coordinates ==============================================

// Begins a block: head "#SHOWGRAFIC", up to six titles (lines with a first
// character not 0 are present; NULL: none), "-1" and the extent line.
void Oli_Graphic_Begin_Titled(FILE* f, double x1, double y1, double x2, double y2, double scale_x, double scale_y,
                              double rotation, const char (*titles)[80]);
// The same with one scale for both axes.
void Oli_Graphic_Begin_Scaled(FILE* f, double x1, double y1, double x2, double y2, double scale, double rotation,
                              const char (*titles)[80]);
// The same with rotation 0 and no titles.
void Oli_Graphic_Begin(FILE* f, double x1, double y1, double x2, double y2, double scale_x, double scale_y);

// The stream of the current block (for the caller's own records and its end line).
FILE* Oli_Graphic_Stream(void);

// Index 0..17 of the first denominator of the print-scale table (5 .. 1500) that
// fits, -1 with a message in the host's message window when none fits.
int Oli_Graphic_Print_Scale(double avail_x, double avail_y, double ext_x, double ext_y);
// The denominator of a print-scale index, 0 for an index outside the table.
double Oli_Graphic_Print_Scale_Denominator(int index);

// Block coordinates of a world point (turned once, then scaled); either output
// may be NULL.
void Oli_Graphic_To_Block(double x, double y, double* bx, double* by);
// World lengths of a block length along x and y; 0 along an axis of scale 0.
void Oli_Graphic_Paper_To_World(double length, double* wx, double* wy);

double Oli_Graphic_Get_Text_Angle(void);
// Stores angle x orientation sign, reduced below 2 pi when it is larger.
void Oli_Graphic_Set_Text_Angle(double angle);

// One level of stream redirection.
void Oli_Graphic_Redirect(FILE* f);
void Oli_Graphic_Restore_Stream(void);

void Oli_Graphic_Set_Colour_Output(int on);
int Oli_Graphic_Get_Colour_Output(void);
void Oli_Graphic_Set_Extended(int on);
int Oli_Graphic_Get_Extended(void);
void Oli_Graphic_Set_Dim_Flags(int flags);
int Oli_Graphic_Get_Dim_Flags(void);

// Output-list level: above 334 texts go through the paragraph writer.
int Oli_Get_Level(void);
void Oli_Set_Level(int level);

void Oli_Graphic_Reset_Extents(void);
void Oli_Graphic_Get_Extents(double* min_x, double* min_y, double* max_x, double* max_y);

// The current graphic (read only).
const OliGraphicState* Oli_Graphic_Get_State(void);

// Back to the state at program start, plot file included (closed without its
// end, not written to). For tests.
void Oli_Graphic_Reset(void);

// ==== plot file ============================================================================

// Formats the title, stores f and unit; with a non-NULL f writes the head with the
// rectangle's extent (after rotation), "*ENTITIES", "-setcoorsys 0", "-setlayer 0"
// and resets pen, filling, line type and font to 0. A plot file still open is
// finished ("*EOI") and closed first.
void Plot_Open_Grey(FILE* f, double x1, double y1, double x2, double y2, double unit, double rotation,
                    const char* title_format, ...) OLI_PRINTF_LIKE(8, 9);
void Plot_Open_Colour(FILE* f, double x1, double y1, double x2, double y2, double unit, double rotation,
                      const char* title_format, ...) OLI_PRINTF_LIKE(8, 9);
typedef void (*PlotHeadWriter)(FILE* f, int arg, double origin_x, double origin_y, double width, double height);
void Plot_Open_Custom(FILE* f, double x1, double y1, double x2, double y2, double unit, double rotation, int arg,
                      PlotHeadWriter head);

// Writes "*EOI" and an empty line, closes the stream and forgets it; nothing when
// no plot file is open. The caller must not close that stream again.
void Plot_Close(void);

void Plot_Set_Pen(int pen);
void Plot_Set_Filling(int filling);
void Plot_Set_Linetype(int type);
void Plot_Set_Font(int font);
// "-setlayer %d" (0..4) into the open plot file; nothing when none is open.
void Plot_Set_Layer(int layer);

void Plot_Write_Header_Grey(FILE* f, const char* title, double origin_x, double origin_y, double width, double height);
void Plot_Write_Header_Colour(FILE* f, const char* title, double origin_x, double origin_y, double width,
                              double height);

// The plot file (read only).
const PlotFileState* Plot_Get_State(void);

// ==== graphics primitives ====================================================================

// Attributes and state.
void Oli_Graphic_Set_Colour_Index(int index);
void Oli_Graphic_Set_Colour_Zero(void);
void Oli_Graphic_Set_Line_Rgb(OliRgb colour);
void Oli_Graphic_Set_Line_Colour_Packed(int packed);
void Oli_Graphic_Set_Line_Lightness(double percent);
void Oli_Graphic_Set_Fill_Rgb(OliRgb colour);
void Oli_Graphic_Set_Fill_Colour_Packed(int packed);
void Oli_Graphic_Set_Fill_Lightness(double percent);
// Multiplies the HSL lightness by (1 + percent/100); the results lie in 0..255.
void Oli_Colour_Shift_Lightness(int* r, int* g, int* b, double percent);
int Oli_Colour_Pack(int r, int g, int b);
void Oli_Colour_Unpack(int packed, int* r, int* g, int* b);
// The host palette's index of the packed colour made lighter (darker) by percent.
int Oli_Colour_Lighter_Index(int packed, double percent);
int Oli_Colour_Darker_Index(int packed, double percent);
void Oli_Graphic_Set_Pattern(int pattern, int colour);
void Oli_Graphic_Pattern_Start(void);
void Oli_Graphic_Pattern_Colour_Start(void);
void Oli_Graphic_Pattern_Colour_End(void);
void Oli_Graphic_Set_Dash(int kind);
void Oli_Graphic_Push_State(void);
void Oli_Graphic_Pop_State(void);

// Lines and areas (world coordinates). The point arrays are only read.
void Oli_Graphic_Line(double x1, double y1, double x2, double y2);
// n > 1: closed outline of n points; n < -1: open line through -n points.
void Oli_Graphic_Polyline(int n, const double x[], const double y[]);
void Oli_Graphic_Rect_Frame(double x1, double y1, double x2, double y2);
void Oli_Graphic_Rect_Frame_Centred(double cx, double cy, double width, double height);
int Oli_Graphic_Polygon(int n, const double x[], const double y[]);
int Oli_Graphic_Fill_Polygon(int n, const double x[], const double y[]);
int Oli_Graphic_Triangle(const double x[3], const double y[3]);
void Oli_Graphic_Fill_Rect(double x1, double y1, double x2, double y2);
void Oli_Graphic_Fill_Rect_Centred(double cx, double cy, double width, double height);
void Oli_Graphic_Fill_Rect_Frame(double ox1, double oy1, double ox2, double oy2, double ix1, double iy1, double ix2,
                                 double iy2);
void Oli_Graphic_Thick_Line(double x1, double y1, double x2, double y2, double width, int outline);
void Oli_Graphic_Fill_Circle(double cx, double cy, double diameter);
void Oli_Graphic_Fill_Circle_Round(double cx, double cy, double diameter);
// Arc from start sweeping sweep degrees (counter-clockwise).
void Oli_Graphic_Arc(double cx, double cy, double diameter, double start, double sweep);

// Texts (world point, code page 850). Vertical code v: 0 bottom, 4 middle, else
// top; horizontal code h: 1 right, 4 centre, else left.
void Oli_Graphic_Text_At(double x, double y, const char* text);
void Oli_Graphic_Text_Centred(double x, double y, const char* text);
void Oli_Graphic_Text_Aligned(double x, double y, int v, int h, const char* format, ...) OLI_PRINTF_LIKE(5, 6);
void Oli_Graphic_Text_Plain(double x, double y, const char* text);
void Oli_Graphic_Text_Right(double x, double y, const char* text);
void Oli_Graphic_Text_Middle(double x, double y, const char* text);
void Oli_Graphic_Text_Upright(double x, double y, const char* text);
void Oli_Graphic_Text_Top(double x, double y, const char* text);
void Oli_Graphic_Text_Bottom(double x, double y, const char* text);
void Oli_Graphic_Text_Aligned_Fixed(double x, double y, int v, int h, const char* format, ...) OLI_PRINTF_LIKE(5, 6);

// Comparators of Point2D items for Ptr_Arr_Sort: -1, 0 or 1.
int Oli_Compare_Point_X_Desc(const void* a, const void* b);
int Oli_Compare_Point_X_Asc(const void* a, const void* b);
int Oli_Compare_Point_Y_Desc(const void* a, const void* b);
int Oli_Compare_Point_Y_Asc(const void* a, const void* b);
