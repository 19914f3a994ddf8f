// Plot file writer ("zorv-PlanSchau"): heads with their tables, opening and
// closing, the drawing attributes and the entity grammar.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstring>

#include "base/kovmem.h"
#include "output/geo2d.h"
#include "output/ioliplot.h"
#include "output/iolipriv.h"

namespace {

const int kGroups = 5; // N: colour groups of every head written here

PlotFileState initial_plot()
{
    PlotFileState s{};
    s.stream = nullptr;
    s.colour_groups = kGroups;
    s.next_point = 1;
    s.next_entity = 1;
    s.max_filling = 3 * kGroups + 2;
    return s;
}

PlotFileState p = initial_plot();

// Last filling of the grey head's table ("-fillings N+3") and of the colour
// head's ("-fillings 3N+3").
const int kGreyMaxFilling = kGroups + 2;
const int kColourMaxFilling = 3 * kGroups + 2;

const char* const kFontHeights[5] = {"0.18", "0.20", "0.35", "0.50", "0.70"};
const double kFontValues[5] = {1.8, 2.0, 3.5, 5.0, 7.0};

void write_pens(FILE* f)
{
    for (int g = 0; g <= kGroups; ++g) {
        int b = 7 * g;
        File_Printf(f,
                    " %d  0.180000 %d\n %d  0.200000 %d\n %d  0.350000 %d\n %d  0.500000 %d\n"
                    " %d  0.750000 %d\n %d  1.000000 %d\n %d  0.020000 %d\n",
                    b, g, b + 1, g, b + 2, g, b + 3, g, b + 4, g, b + 5, g, b + 6, g);
    }
}

// Rows 0 to 9 of the font table; lead is the text before the row number, gap
// the blanks before the height value.
void write_fonts_0_to_9(FILE* f, const char* lead, const char* gap)
{
    static const int second[5] = {0, 0, 1, 0, 1};
    for (int k = 0; k < 5; ++k) {
        File_Printf(f, "%s%d \xAE %s  normal  \xAF 0 %d%s%f 0.700000 3.000000 0.000000 1\n", lead, 2 * k,
                    kFontHeights[k], second[k], gap, kFontValues[k]);
        File_Printf(f, "%s%d \xAE %s  kursiv  \xAF 0 %d%s%f 0.700000 3.000000 15.000000 1\n", lead, 2 * k + 1,
                    kFontHeights[k], second[k], gap, kFontValues[k]);
    }
}

// A unit that would put inf or nan into the head counts as 1.
double usable_unit(double unit) { return (std::isfinite(unit) && unit != 0.0) ? unit : 1.0; }

void write_coordinates_and_layers(FILE* f, double origin_x, double origin_y)
{
    double unit = usable_unit(p.unit);
    File_Printf(f, "-coordinates 1\n");
    File_Printf(f,
                " 0 \xAE"
                "1:%.0lf\xAF %.0lf 0 %lf %lf 0 0.0 0.0 0 0.0 0.0\n",
                oli_fin(100.0 / unit), oli_fin(100.0 / unit), oli_fin(origin_x * unit), oli_fin(origin_y * unit));
    File_Printf(f, "-layers 5\n");
    File_Printf(f, " 0 \xAE"
                   "Folie 1\xAF 1 1 \xAE"
                   "Schnitt\xAF\n");
    File_Printf(f, " 1 \xAE"
                   "Folie 2\xAF 1 1 \xAE"
                   "Bewehrung\xAF\n");
    // "Vermaßung" (ß = 0xE1)
    File_Printf(f, " 2 \xAE"
                   "Folie 3\xAF 1 1 \xAE"
                   "Verma\xE1ung\xAF\n");
    File_Printf(f, " 3 \xAE"
                   "Folie 4\xAF 1 1 \xAE"
                   "Schraffur\xAF\n");
    File_Printf(f, " 4 \xAE"
                   "Folie 5\xAF 1 1 \xAE"
                   "Texte\xAF\n");
    File_Printf(f, "*EOT\n\n");
}

void write_intro(FILE* f, const char* title, double width, double height)
{
    File_Printf(f, "zorv-PlanSchau (1.0)A\n%s\n%lf %lf\n0\n\n", title ? title : "", oli_fin(width), oli_fin(height));
    File_Printf(f, "*TABLES\n");
}

// The common part of the three open operations; head == nullptr selects the
// custom writer.
void open_plot(FILE* f, double x1, double y1, double x2, double y2, double unit, double rotation, int kind,
               const char* title, int arg, PlotHeadWriter custom)
{
    // A plot file still open is finished and closed first, unless the caller
    // hands the same stream again (it would then be closed under its hands).
    if (p.stream && p.stream != f) Plot_Close();
    p.stream = f;
    p.unit = usable_unit(unit);
    if (!f) return;

    double cx[4] = {x1, x2, x1, x2};
    double cy[4] = {y1, y1, y2, y2};
    Geo_To_Local(cx, cy, 4, 0.0, 0.0, std::isfinite(rotation) ? rotation : 0.0, 1.0);
    double lo_x = *std::min_element(cx, cx + 4), hi_x = *std::max_element(cx, cx + 4);
    double lo_y = *std::min_element(cy, cy + 4), hi_y = *std::max_element(cy, cy + 4);
    double origin_x = -lo_x + 0.0; // + 0.0: no "-0.000000" for a corner at 0
    double origin_y = -lo_y + 0.0;
    double width = p.unit * (hi_x - lo_x);
    double height = p.unit * (hi_y - lo_y);

    if (kind == 0) {
        Plot_Write_Header_Grey(f, title, origin_x, origin_y, width, height);
        p.max_filling = kGreyMaxFilling;
    } else if (kind == 1) {
        Plot_Write_Header_Colour(f, title, origin_x, origin_y, width, height);
        p.max_filling = kColourMaxFilling;
    } else {
        if (custom) custom(f, arg, origin_x, origin_y, width, height);
        p.next_point = 1;
        p.next_entity = 1;
        p.max_filling = kColourMaxFilling;
    }
    File_Printf(f, "*ENTITIES\n");
    File_Printf(f, "-setcoorsys 0\n");
    File_Printf(f, "-setlayer %d\n", 0);
    p.line_type = 0;
    p.font = 0;
    p.pen = 0;
    p.filling = 0;
}

} // namespace

PlotFileState* Plot_State_Mut(void) { return &p; }
const PlotFileState* Plot_Get_State(void) { return &p; }
void Plot_Reset_State(void) { p = initial_plot(); }

// ---- heads ------------------------------------------------------------------------------------

void Plot_Write_Header_Grey(FILE* f, const char* title, double origin_x, double origin_y, double width, double height)
{
    p.colour_groups = kGroups;
    write_intro(f, title, width, height);
    File_Printf(f, "-colors 5\n");
    File_Printf(f, " 1 100 100 100\n 2 133 133 133\n 3 165 165 165\n 4  198 198 198\n"
                   " 5  230 230 230\n");
    File_Printf(f, "-pens %d\n", 7 * kGroups + 8);
    write_pens(f);
    File_Printf(f, " %d  0.0001 %d\n\n", 7 * (kGroups + 1), 5);
    File_Printf(f, "-linetypes 5\n");
    File_Printf(f, "0 0 1\n1 1 0 2.0 1.0\n2 2 0 3.0 1.0 0.5 1.0\n3 1 0 1.0 2.0\n4 1 0 0.1 20.0\n");
    File_Printf(f, "-fonts 12\n");
    write_fonts_0_to_9(f, "  ", "  ");
    File_Printf(f, " 10 \xAE 1.0   normal  \xAF 0 1 10.000000 0.700000 3.000000 0.000000 1\n");
    File_Printf(f, " 11 \xAE 1.00  kursiv  \xAF 0 1 10.000000 0.700000 3.000000 15.000000 1\n");
    File_Printf(f, "-fillings %d\n", kGroups + 3);
    for (int j = 0; j <= kGroups; ++j) File_Printf(f, " %d 00.0 1 0 0.20000 %d 0\n", j, 7 * j + 2);
    File_Printf(f, " %d 0.000000 1   0 1.000000 1 0\n", kGroups + 1);
    File_Printf(f, " %d 0.000000 1   0 10000.000000 1 4\n", kGroups + 2);
    write_coordinates_and_layers(f, origin_x, origin_y);
    p.next_point = 1;
    p.next_entity = 1;
}

void Plot_Write_Header_Colour(FILE* f, const char* title, double origin_x, double origin_y, double width, double height)
{
    p.colour_groups = kGroups;
    write_intro(f, title, width, height);
    File_Printf(f, "-colors %d\n", kGroups);
    File_Printf(f, " 1  0 0 194\n 2  255 0 0\n 3  68 255 0\n 4  255 101 255\n 5  255 255 0\n");
    File_Printf(f, "-pens %d\n", 7 * kGroups + 7);
    write_pens(f);
    File_Printf(f, "-linetypes 4\n");
    File_Printf(f, " 0 0 1\n 1 1 0 2.0 1.0\n 2 2 0 3.0 1.0 1.0 1.0\n 3 1 0 1.0 2.0\n");
    File_Printf(f, "-fonts 12\n");
    write_fonts_0_to_9(f, " ", " ");
    File_Printf(f, " 10 \xAE 1.0   normal  \xAF 0 1 10.000000 0.700000 3.000000 0.000000 1\n");
    File_Printf(f, " 11 \xAE 1.0   kursiv  \xAF 0 1 10.000000 0.700000 3.000000 15.000000 1\n");
    File_Printf(f, "-fillings %d\n", 3 * kGroups + 3);
    for (int i = 0; i <= kGroups; ++i) {
        File_Printf(f, " %d -45.000000 1   0 1.000000 %d 0\n", 3 * i, 7 * i + 6);
        File_Printf(f, " %d 45.000000 2   0 1.000000 %d 0    1 1.000000 %d 1 \n", 3 * i + 1, 7 * i + 6, 7 * i + 6);
        File_Printf(f, " %d 0.000000 1   0 0.010000 %d 0\n", 3 * i + 2, 7 * i);
    }
    write_coordinates_and_layers(f, origin_x, origin_y);
    p.next_point = 1;
    p.next_entity = 1;
}

// ---- open and close ---------------------------------------------------------------------------

void Plot_Open_Grey(FILE* f, double x1, double y1, double x2, double y2, double unit, double rotation,
                    const char* title_format, ...)
{
    char title[255] = "";
    if (title_format) {
        va_list ap;
        va_start(ap, title_format);
        vsnprintf(title, sizeof title, title_format, ap);
        va_end(ap);
    }
    open_plot(f, x1, y1, x2, y2, unit, rotation, 0, title, 0, nullptr);
}

void Plot_Open_Colour(FILE* f, double x1, double y1, double x2, double y2, double unit, double rotation,
                      const char* title_format, ...)
{
    char title[255] = "";
    if (title_format) {
        va_list ap;
        va_start(ap, title_format);
        vsnprintf(title, sizeof title, title_format, ap);
        va_end(ap);
    }
    open_plot(f, x1, y1, x2, y2, unit, rotation, 1, title, 0, nullptr);
}

void Plot_Open_Custom(FILE* f, double x1, double y1, double x2, double y2, double unit, double rotation, int arg,
                      PlotHeadWriter head)
{
    open_plot(f, x1, y1, x2, y2, unit, rotation, 2, nullptr, arg, head);
}

void Plot_Close(void)
{
    if (!p.stream) return;
    File_Printf(p.stream, "*EOI\n\n");
    fclose(p.stream);
    p.stream = nullptr;
}

// ---- attributes ---------------------------------------------------------------------------------

void Plot_Set_Pen(int pen)
{
    int top = 7 * p.colour_groups + 6;
    p.pen = pen < 0 ? 0 : std::min(pen, top);
}

void Plot_Set_Filling(int filling) { p.filling = filling < 0 ? -1 : std::min(filling, p.max_filling); }

void Plot_Set_Linetype(int type) { p.line_type = type < 0 ? 0 : std::min(type, 3); }

void Plot_Set_Font(int font) { p.font = font < 0 ? 0 : std::min(font, 11); }

void Plot_Set_Layer(int layer)
{
    if (!p.stream) return;
    File_Printf(p.stream, "-setlayer %d\n", std::max(0, std::min(layer, 4)));
}

// ---- entities -----------------------------------------------------------------------------------

int Plot_Is_Open(void) { return p.stream != nullptr; }

void Plot_Entity_Line(double x1, double y1, double x2, double y2)
{
    if (!p.stream) return;
    int pt = p.next_point;
    File_Printf(p.stream, "-line @%d ( @%d %lf %lf ) #%d %d %d 1 0.0\n", p.next_entity, pt, oli_fin(x1), oli_fin(y1),
                pt + 1, p.pen, p.line_type);
    File_Printf(p.stream, "-point @%d %lf %lf\n", pt + 1, oli_fin(x2), oli_fin(y2));
    p.next_entity += 1;
    p.next_point += 2;
}

int Plot_Entity_Area_Head(int holes, int count)
{
    if (!p.stream || p.filling < 0) return 0;
    File_Printf(p.stream, "-area / %d %d\n %d", holes, p.filling, count);
    return 1;
}

void Plot_Entity_Ring(int n, const double x[], const double y[], int kind)
{
    if (!p.stream || n <= 0) return;
    int first = p.next_point;
    for (int i = 0; i < n; ++i) {
        int next = i < n - 1 ? p.next_point + 1 : first;
        if (kind == 0)
            File_Printf(p.stream, " 0 ( @%d ( @%d %lf %lf ) #%d %d 0 1 0.0 )\n", p.next_entity, p.next_point,
                        oli_fin(x[i]), oli_fin(y[i]), next, p.pen);
        else if (kind == 2 && i == n - 1)
            File_Printf(p.stream, " 0 ( @%d ( @%d %.4f %.4f ) #%d %d 0 0 0.0 )\n", p.next_entity, p.next_point,
                        oli_fin(x[i]), oli_fin(y[i]), next, p.pen);
        else
            File_Printf(p.stream, " 0 ( @%d ( @%d %lf %lf ) #%d %d 0 0 0.0 )\n", p.next_entity, p.next_point,
                        oli_fin(x[i]), oli_fin(y[i]), next, p.pen);
        p.next_entity += 1;
        p.next_point += 1;
    }
}

void Plot_Entity_Count(int count)
{
    if (!p.stream) return;
    File_Printf(p.stream, " %d", count);
}

void Plot_Entity_Circle(double cx, double cy, double r)
{
    if (!p.stream) return;
    int first = p.next_point;
    File_Printf(p.stream, " 0 ( @%d ( @%d %lf %lf ) #%d %d 0 0 %lf )\n", p.next_entity, first, oli_fin(cx),
                oli_fin(cy + r), first + 1, p.pen, oli_fin(r));
    File_Printf(p.stream, " 0 ( @%d ( @%d %lf %lf ) #%d %d 0 0 %lf )\n", p.next_entity + 1, first + 1, oli_fin(cx),
                oli_fin(cy - r), first, p.pen, oli_fin(r));
    p.next_entity += 2;
    p.next_point += 2;
}

void Plot_Entity_Text(const char* text, int justification, double x, double y, double angle_deg, int angle_kind)
{
    if (!p.stream) return;
    if (!text) text = "";
    int len = static_cast<int>(strlen(text)) + 1;
    if (angle_kind == 0)
        File_Printf(p.stream, "-text / 1 %d %d 2 1 %d %lf %lf %lf 1.2 0. 0.\n", len, p.font, justification, oli_fin(x),
                    oli_fin(y), oli_fin(angle_deg));
    else
        File_Printf(p.stream, "-text / 1 %d %d 2 1 %d %lf %lf %s 1.2 0. 0.\n", len, p.font, justification, oli_fin(x),
                    oli_fin(y), angle_kind == 2 ? "90." : "0.");
    File_Printf(p.stream, "    \xAE%s\xAF\n", text);
}

void Plot_Entity_Group(int open)
{
    if (!p.stream) return;
    File_Printf(p.stream, open ? "-opengroup\n" : "-closegroup\n");
}

void Plot_Save_Attributes(void)
{
    p.saved_pen = p.pen;
    p.saved_filling = p.filling;
    p.saved_line_type = p.line_type;
    p.saved_font = p.font;
}

void Plot_Restore_Attributes(void)
{
    p.pen = p.saved_pen;
    p.filling = p.saved_filling;
    p.line_type = p.saved_line_type;
    p.font = p.saved_font;
}
