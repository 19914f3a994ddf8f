// Text boxes, message lists, framed boxes and the rule and frame groups of
// text lines.
#include "output/ioliins.h"
#include "output/olilocale.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "output/ioliplot.h"
#include "platform/kovoli.h"

namespace {

OliTextBox g_boxes[OLI_TEXT_BOXES];

const char* const kMessageBlockHead = "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n";

bool valid_box(int box) { return box >= 0 && box < OLI_TEXT_BOXES; }

double clamp01(double v) { return v < 0.0 ? 0.0 : v > 1.0 ? 1.0 : v; }

bool all_blank(const char* s)
{
    for (; *s; ++s)
        if (*s != ' ') return false;
    return true;
}

int frame_kind(int shaded, int kind)
{
    if (kind > 64) kind = 0;
    return shaded ? kind + 3840 : kind;
}

void add_line(int box, const char* text)
{
    if (!valid_box(box)) return;
    OliTextBox& b = g_boxes[box];
    if (b.count >= OLI_BOX_LINES) return;
    char* line = b.lines[b.count];
    std::snprintf(line, OLI_BOX_LINE_SIZE, "%s", text ? text : "");
    b.count++;
    const int w = MT_String_Length(line);
    if (w > b.widest) b.widest = w;
}

void print_box(FILE* f, int box, double width, bool small)
{
    double h, reserved;
    Oli_Text_Box_Size(box, small ? 1 : 0, &h, &reserved);
    if (width < 0.0) width = (valid_box(box) ? g_boxes[box].widest : 0) * 0.18;
    if (!f) return;
    // The frame's records too carry a decimal point.
    OliCLocaleScope numeric_c;

    OLI_reserveSpaceCM(f, (float)reserved);
    const int slot = Oli_Store_Y_Position(f);
    Oli_Graphic_Begin(f, 0.0, 0.0, width, h, 1.0, 1.0);
    Oli_Graphic_Rect_Frame(0.0, 0.0, width, h);
    File_Printf(f, " -1\n");
    // The text starts at the frame's top.
    if (slot >= 0) Oli_Restore_Y_Position(f, slot);

    OLI_setYPositionCM(f, 1, 0.19f);
    const float left = Oli_Get_Left_Margin();
    const float right = Oli_Get_Right_Margin();
    OLI_setMarginsCM(f, 1, left + 0.3f, right);
    if (valid_box(box)) Oli_Message_List(box, small ? 4 : 0, f);
    OLI_setMarginsCM(f, 1, left, right);
}

} // namespace

int Oli_Text_Box_Clear(int box)
{
    if (valid_box(box)) {
        g_boxes[box].count = 0;
        g_boxes[box].widest = 0;
    }
    return box;
}

void Oli_Text_Box_Add(int box, const char* fmt, ...)
{
    if (!valid_box(box) || g_boxes[box].count >= OLI_BOX_LINES) return;
    OliCLocaleScope numeric_c;
    char line[OLI_BOX_LINE_SIZE];
    line[0] = '\0';
    if (fmt) {
        va_list ap;
        va_start(ap, fmt);
        if (vsnprintf(line, sizeof line, fmt, ap) < 0) line[0] = '\0';
        va_end(ap);
    }
    add_line(box, line);
}

const char* Oli_Text_Box_Line(int box, int index)
{
    if (!valid_box(box)) return "?????";
    if (index < 0 || index >= g_boxes[box].count) return "";
    return g_boxes[box].lines[index];
}

int Oli_Text_Box_Count(int box) { return valid_box(box) ? g_boxes[box].count : 0; }
int Oli_Text_Box_Widest(int box) { return valid_box(box) ? g_boxes[box].widest : 0; }

void Oli_Text_Box_Write(int box, int mode, FILE* f)
{
    if (valid_box(box) && f) Oli_Message_List(box, mode, f);
}

void Oli_Message_List(int box, int mode, FILE* f)
{
    if (!valid_box(box) || !f) return;
    const OliTextBox& b = g_boxes[box];
    if (mode != 4) File_Printf(f, "%s", kMessageBlockHead);
    for (int i = 0; i < b.count; ++i) {
        const char* line = b.lines[i];
        if (all_blank(line)) {
            File_Printf(f, " \n");
            continue;
        }
        const bool continued = line[0] == '+';
        const char* text = continued ? line + 1 : line;
        switch (mode) {
            case 1:
                if (continued)
                    File_Printf(f, "   %s\n", text);
                else
                    File_Printf(f,
                                " \xCE/o\xCE"
                                "r %s\n",
                                text);
                break;
            case 2:
                if (continued)
                    File_Printf(f, "    %s\n", text);
                else
                    File_Printf(f, " %2d %s\n", i, text);
                break;
            case 3:
                if (continued)
                    File_Printf(f, "     %s !\n", text);
                else
                    File_Printf(f, " >>> %s !\n", text);
                break;
            case 4:
                if (!continued) Oli_Text_Block(f, "%s", text);
                break;
            default: File_Printf(f, " %s\n", text); break;
        }
    }
    if (mode != 4) File_Printf(f, "#END_OF_TEXT\n");
}

void Oli_Text_Box_Size(int box, int small, double* height, double* reserved)
{
    const double line = small ? 0.286 : 0.38;
    const double lines = valid_box(box) ? g_boxes[box].count : 0;
    const double h = (lines + 0.8) * line;
    if (height) *height = h;
    if (reserved) *reserved = h + 0.5;
}

void Oli_Text_Box_Print(FILE* f, int box, double width) { print_box(f, box, width, false); }
void Oli_Text_Box_Print_Small(FILE* f, int box, double width) { print_box(f, box, width, true); }

void Msg_List_To_Text_Box(FILE* list)
{
    Oli_Text_Box_Clear(4);
    const int current = Msg_Collector()->current;
    const int n = Msg_List_Count(current);
    for (int i = 0; i < n; ++i) {
        const char* stored = Msg_List_Line(current, i);
        if (!stored) continue;
        // The caret codes are the console's; the whole line is bold here.
        const char* text = Msg_Skip_Codes(stored);
        size_t len = std::strlen(text);
        if (len > 0 && text[len - 1] == '\n') len--;
        char line[OLI_BOX_LINE_SIZE];
        std::snprintf(line, sizeof line,
                      "\xCE"
                      "b%.*s",
                      (int)len, text);
        add_line(4, line);
    }
    Oli_Text_Box_Print(list, 4, -1.0);
}

void Oli_Reset_Text_Boxes(void)
{
    for (int i = 0; i < OLI_TEXT_BOXES; ++i) Oli_Text_Box_Clear(i);
}

// ---- rule and frame groups -----------------------------------------------------------------

void Oli_Rule(FILE* f, double from, double to, double a, double b)
{
    OliCLocaleScope numeric_c;
    File_Printf(f,
                " \xCE{\xCE"
                "L 0 %f %f %f %f } ",
                from, to, clamp01(a), clamp01(b));
}

void Oli_Rule_Full(FILE* f, double h)
{
    OliCLocaleScope numeric_c;
    h = clamp01(h);
    File_Printf(f,
                " \xCE{\xCE"
                "L 0 -1 -1 %f %f }",
                h, h);
}

void Oli_Rule_Double(FILE* f, double h)
{
    OliCLocaleScope numeric_c;
    h = clamp01(h);
    File_Printf(f,
                " \xCE{\xCE"
                "L 0 -1 -1 %f %f } ",
                h - 0.1, h - 0.1);
    File_Printf(f,
                " \xCE{\xCE"
                "L 0 -1 -1 %f %f } ",
                h + 0.1, h + 0.1);
}

void Oli_Frame(FILE* f, int shaded, int kind, double from, double to, double a, double b)
{
    OliCLocaleScope numeric_c;
    a = clamp01(a);
    b = clamp01(b);
    File_Printf(f,
                " \xCE{\xCE"
                "R %d %f %f %f %f } ",
                frame_kind(shaded, kind), from, to, a < b ? a : b, a < b ? b : a);
}

void Oli_Frame_Full(FILE* f, int shaded, int kind)
{
    File_Printf(f,
                " \xCE{\xCE"
                "R %d -1 -1 -1 -1} ",
                frame_kind(shaded, kind));
}
