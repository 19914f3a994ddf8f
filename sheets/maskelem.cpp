// The element calls of the mask pages.
#include "sheets/maskelem.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "base/kovnum.h"
#include "hostenv/kovscreentools.h"
#include "platform/kovcp.h"
#include "platform/kovdraw.h"
#include "platform/kovoli.h"
#include "sheets/maskdraw.h"
#include "sheets/maskstate.h"
#include "sheets/scrgraph.h"

namespace {

const int kStyleBits = 0x70000;
const int kBold = 0x10000;
const int kFrame = 0x20000;
const unsigned char kMarkup = 0xCE;

MaskState& ms() { return g_mask_state; }
int area() { return g_mask_state.output_area; }
bool has_area() { return g_mask_state.output_area >= 0; }

int grey() { return Nearest_RGB_Color(198, 195, 198); }

int nearest(double v) { return int(v >= 0.0 ? v + 0.5 : v - 0.5); }

bool is_active(const int* active) { return !active || *active != 0; }

int label_colour(const int* active) { return is_active(active) ? ms().text_colour : grey(); }

// Width in pixels of the text in the font, style bits removed.
int raw_width(const char* text, int font)
{
    if (!text) return 0;
    Pop_RFont(font & ~kStyleBits);
    const int w = Text_Width_Pixels(text);
    Push_RFont();
    return w;
}

void add_text(int x, int y, const char* text, int font, int colour)
{
    if (has_area() && text) View_Area_Add_Text(unsigned(area()), x, y, text, font, colour, 0);
}

// How a field shows for its state.
struct Look {
    int colour;
    bool background;
    int* activity;
    int state;
};

Look field_look(const int* state)
{
    Look l;
    l.state = state ? *state : 1;
    l.background = false;
    if (l.state == -1) {
        l.colour = Mask_Lighten_Color(ms().text_colour, 40);
        l.background = true;
        l.activity = &ms().read_only;
    } else if (l.state == 1) {
        l.colour = ms().text_colour;
        l.activity = &ms().editable;
    } else {
        l.colour = grey();
        l.activity = &ms().read_only;
    }
    return l;
}

// The grey field box of a read-only highlighted field; the back colour stays.
void field_box(int x, int y, int width)
{
    Mask_Set_Back_Color(Nearest_RGB_Color(220, 220, 220));
    Mask_Fill_Rectangle(x, y + 5, x + width - 1, y - 13);
}

std::string vformat(const char* format, va_list ap)
{
    char buf[256];
    if (!format) return std::string();
    std::vsnprintf(buf, sizeof buf, format, ap);
    return buf;
}

size_t safe_len(const char* s) { return s ? std::strlen(s) : 0; }

bool empty(const char* s) { return !s || !*s; }

// The symbol at (x, y) and its index; the width. bold: the bold forms.
int symbol_with_index(int x, int y, const char* symbol, const char* index, int* active, bool bold)
{
    const int b = bold ? 2 : 0;
    const int colour = label_colour(active);
    const int w = raw_width(symbol, 0x1000);
    add_text(x, y, symbol, bold ? 0x11000 : 0x1000, colour);
    int width = b + (w > 0 ? w + 3 : 0);
    if (!empty(index)) {
        add_text(x + width + 1, y + 1, index, bold ? 0x11002 : 0x1002, colour);
        const int v = raw_width(index, 0x1002);
        width += b + (v > 0 ? v + 4 : 1);
    }
    return width;
}

int aligned_symbol(int x, int y, const char* symbol, const char* index, int valign, int halign, int* active)
{
    const int style = int(ms().font) & kStyleBits;
    const int s = style ? 2 : 0;
    const int w = raw_width(symbol, 0x1000);
    const int part = s + (w > 0 ? w + 3 : 0);
    int width = part;
    if (!empty(index)) {
        const int v = raw_width(index, 0x1002);
        width += s + (v > 0 ? v + 4 : 1);
    }
    const int ax = halign == 1 ? x - width : halign == 4 ? x - nearest(width / 2.0) : x;
    const int ay = valign == 0 ? y + 9 : valign == 4 ? y + 5 : y;
    const int colour = label_colour(active);
    add_text(ax, ay, symbol, 0x1000 | style, colour);
    if (!empty(index)) add_text(ax + part + 1, ay + 1, index, 0x1002 | style, colour);
    return width;
}

// The change callback of clamped float fields: the double the user changed.
void clamp_changed(intptr_t value)
{
    double* v = reinterpret_cast<double*>(value);
    MaskClamp* c = Mask_Find_Clamp(v);
    if (!c || !v) return;
    if (*v < c->min) *v = c->min;
    if (*v > c->max) *v = c->max;
}

// Level colour scales.
struct Levels {
    double offset = 10.0, step = 20.0;
    int a[3] = {-1, -1, -1};
    int b[3] = {-1, -1, -1};
};
Levels& levels()
{
    static Levels l;
    return l;
}

void copy_cut(char* dst, size_t size, const char* src) { std::snprintf(dst, size, "%s", src ? src : ""); }

void column_defaults(ColumnEntry* c, int i)
{
    std::memset(c, 0, sizeof *c);
    copy_cut(c->title, sizeof c->title, "Welcher Faktor ?");
    copy_cut(c->symbol, sizeof c->symbol, "???");
    copy_cut(c->unit, sizeof c->unit, "???");
    c->x = 68 * i;
    c->value = 6;
    c->width = 63;
    c->gap = 5;
}

// Symbols (and units) of the columns centred over them.
void column_symbols(int x, int y, int count, const ColumnEntry* columns)
{
    int always = 1;
    for (int i = 0; i < count; ++i) {
        const ColumnEntry& c = columns[i];
        const int centre = x + c.x + nearest(c.width / 2.0);
        if (c.index[0]) {
            Mask_Add_Aligned_Symbol_Unchecked(centre, y, c.symbol, c.index, 2, 4, &always);
        } else {
            const int w = Mask_Text_Width(c.symbol, int(ms().font));
            Mask_Add_Label(centre - nearest(w / 2.0), y, c.symbol, &always);
        }
    }
}

void column_units(int x, int y, int count, const ColumnEntry* columns)
{
    int always = 1;
    for (int i = 0; i < count; ++i) {
        const ColumnEntry& c = columns[i];
        const int centre = x + c.x + nearest(c.width / 2.0);
        const int w = Mask_Text_Width(c.unit, int(ms().font));
        Mask_Add_Label(centre - nearest(w / 2.0), y, c.unit, &always);
    }
}

} // namespace

// ---- widths -----------------------------------------------------------------------------

int Mask_Markup_Text_Width(const char* text)
{
    if (!text) return 0;
    const std::string t(text);
    auto width = [&](size_t from, size_t to) {
        if (to <= from) return 0;
        return Text_Width_Pixels(t.substr(from, to - from).c_str());
    };
    const size_t n = t.size();
    size_t p = t.find(char(kMarkup));
    int total = width(0, p == std::string::npos ? n : p);
    while (p != std::string::npos) {
        // A group: 0xCE, its code letter, its text up to the next 0xCE.
        const char code = p + 1 < n ? t[p + 1] : '\0';
        const size_t start = std::min(p + 2, n);
        size_t close = t.find(char(kMarkup), start);
        const size_t end = close == std::string::npos ? n : close;
        if (code == 'C' || code == 'c') {
            const size_t blank = t.find(' ', start);
            if (blank != std::string::npos && blank + 1 < end) total += width(blank + 1, end);
        } else if (code == 'B' || code == 'b') {
            if (end - start >= 2) total += width(start, end);
        }
        if (close == std::string::npos || n - close - 1 <= 1) break;
        // The closing code letter, then the plain run to the next group.
        const size_t plain = close + 2;
        p = t.find(char(kMarkup), plain);
        total += width(plain, p == std::string::npos ? n : p);
    }
    return total;
}

int Mask_Text_Width(const char* text, int font)
{
    const int w = raw_width(text, font);
    return (w > 0 ? w + 3 : 0) + ((font & kStyleBits) ? 2 : 0);
}

int Mask_Choice_Width(const char* names, int stride, int count, int font)
{
    if (count < 1 || !names || stride < 1) return 33;
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        const char* name = names + size_t(i) * size_t(stride);
        widest = std::max(widest, Mask_Text_Width(std::string(name, strnlen(name, size_t(stride))).c_str(), font));
    }
    return 33 + 8 * (widest / 8);
}

// ---- fonts and colours -----------------------------------------------------------------

void Mask_Set_Font(unsigned font) { ms().font = font; }
unsigned Mask_Get_Font() { return ms().font; }
int Mask_Set_Text_Color(int colour) { return ms().text_colour = colour; }
int Mask_Get_Text_Color() { return ms().text_colour; }
void Mask_Set_Back_Color(int colour) { ms().back_colour = colour; }
int Mask_Get_Back_Color() { return ms().back_colour; }

// ---- texts ---------------------------------------------------------------------------------

int Mask_Add_Label(int x, int y, const char* text, int* active)
{
    const int font = int(ms().font);
    add_text(x, y, text, font, label_colour(active));
    return Mask_Text_Width(text, font);
}

int Mask_Add_Label_By_State(int x, int y, const char* text, int* record)
{
    if (!has_area()) return 0;
    return Mask_Add_Label(x, y, text, record);
}

int Mask_Add_Label_Printf(int x, int y, const char* format, ...)
{
    if (!has_area()) return 0;
    va_list ap;
    va_start(ap, format);
    const std::string text = vformat(format, ap);
    va_end(ap);
    return Mask_Add_Label(x, y, text.c_str(), nullptr);
}

int Mask_Add_Small_Label(int x, int y, const char* text, int* active)
{
    if (!has_area()) return 0;
    const int font = int(ms().font) | 2;
    add_text(x, y, text, font, label_colour(active));
    return Mask_Text_Width(text, font);
}

int Mask_Add_Small_Bold_Label(int x, int y, const char* text, int* active)
{
    if (!has_area()) return 0;
    add_text(x, y, text, int(ms().font) | 0x10002, label_colour(active));
    const int w = raw_width(text, int(ms().font) | 2);
    return w > 0 ? w + 5 : 2;
}

int Mask_Add_Framed_Label(int x, int y, const char* text, int* active)
{
    if (!has_area()) return 0;
    add_text(x, y, text, int(ms().font) | kFrame, label_colour(active));
    const int w = raw_width(text, int(ms().font));
    return w > 0 ? w + 5 : 2;
}

int Mask_Add_Framed_Label_Printf(int x, int y, const char* format, ...)
{
    if (!has_area()) return 0;
    va_list ap;
    va_start(ap, format);
    const std::string text = vformat(format, ap);
    va_end(ap);
    return Mask_Add_Framed_Label(x, y, text.c_str(), nullptr);
}

int Mask_Add_Aligned_Text(int x, int y, const char* text, int valign, int halign, int* active)
{
    if (!has_area()) return 0;
    const int w = Mask_Text_Width(text, int(ms().font));
    const int ax = halign == 1 ? x - w : halign == 4 ? x - nearest(w / 2.0) : x;
    const int ay = valign == 0 ? y + 9 : valign == 4 ? y + 5 : y;
    add_text(ax, ay, text, int(ms().font), label_colour(active));
    return w;
}

int Mask_Add_Centred_Label(int y, const char* text, int* active)
{
    if (!has_area()) return 0;
    int left = 0, right = 0;
    for (int i = ms().page_area_count - 1; i >= 0; --i)
        if (ms().page_areas[i].view_area == area()) {
            left = ms().page_areas[i].left;
            right = ms().page_areas[i].right;
            break;
        }
    const int w = Mask_Text_Width(text, int(ms().font));
    add_text((left + right) / 2 - nearest(w / 2.0), y, text, int(ms().font), label_colour(active));
    return w;
}

int Mask_Add_Centred_Text(int y, const char* text, int* active) { return Mask_Add_Centred_Label(y, text, active); }

int Mask_Add_Clickable_Label(int x, int y, const char* text, intptr_t key, intptr_t* result, int* active)
{
    const int w = Mask_Add_Label(x, y, text, active);
    if (has_area() && is_active(active)) {
        View_Area_Add_Click_Area(unsigned(area()), x, y - 10, x + w, y, key, result);
        View_Area_Set_Click_Area_Cursor(unsigned(area()), 18);
    }
    return w;
}

int Mask_Add_Link_Label(int x, int y, const char* text, intptr_t key, intptr_t* result, int* active)
{
    if (!has_area()) return 0;
    return Mask_Add_Clickable_Label(x, y, text, key, result, active);
}

int Mask_Add_Underlined_Label(int x, int y, const char* text, int* active)
{
    if (!has_area()) return 0;
    const int w = Mask_Text_Width(text, int(ms().font));
    Mask_Draw_Line(x - 2, y + 3, x + w + 2, y + 3);
    Mask_Add_Label(x, y, text, active);
    return w + 4;
}

int Mask_Add_Boxed_Label(int x, int y, const char* text, int* active)
{
    if (!has_area()) return 0;
    const int w = Mask_Text_Width(text, int(ms().font));
    Mask_Fill_Rectangle(x - 3, y + 5, x + w + 3, y - 12);
    Mask_Add_Label(x, y, text, active);
    return w + 6;
}

int Mask_Add_Boxed_Framed_Label(int x, int y, const char* text, int* active)
{
    if (!has_area()) return 0;
    const int w = raw_width(text, int(ms().font));
    Mask_Fill_Rectangle(x - 3, y + 5, x + Mask_Text_Width(text, int(ms().font)) + 3, y - 12);
    add_text(x, y, text, int(ms().font) | kFrame, label_colour(active));
    return w > 0 ? w + 11 : 8;
}

// ---- symbols with an index --------------------------------------------------------------

int Mask_Add_Symbol_With_Index(int x, int y, const char* symbol, const char* index, int* active)
{
    return symbol_with_index(x, y, symbol, index, active, (ms().font & kBold) != 0);
}

int Mask_Add_Symbol_With_Index_Checked(int x, int y, const char* symbol, const char* index, int* active)
{
    if (!has_area()) return 0;
    return Mask_Add_Symbol_With_Index(x, y, symbol, index, active);
}

int Mask_Add_Bold_Symbol_With_Index(int x, int y, const char* symbol, const char* index, int* active)
{
    if (!has_area()) return 0;
    const unsigned keep = ms().font;
    ms().font |= kBold;
    const int w = Mask_Add_Symbol_With_Index(x, y, symbol, index, active);
    ms().font = keep;
    return w;
}

int Mask_Add_Symbol_Index_Exponent(int x, int y, const char* symbol, const char* index, const char* exponent,
                                   int* active)
{
    if (!has_area()) return 0;
    const bool bold = (ms().font & kBold) != 0;
    const int b = bold ? 2 : 0;
    const int index_font = bold ? 0x11002 : 0x1002;
    const int colour = label_colour(active);
    int width = symbol_with_index(x, y, symbol, nullptr, active, bold);
    const int c = empty(index) ? 0 : 1;
    if (!empty(index)) {
        add_text(x + width + 1, y + 1, index, index_font, colour);
        width += Mask_Text_Width(index, index_font) + 1;
    }
    if (!empty(exponent)) {
        add_text(x + width - c, y - 5, exponent, index_font, colour);
        const int e = raw_width(exponent, 0x1002);
        width += b + (e > 0 ? e + 3 : 0) - c;
    }
    return width;
}

int Mask_Add_Aligned_Symbol(int x, int y, const char* symbol, const char* index, int valign, int halign, int* active)
{
    if (!has_area()) return 0;
    return aligned_symbol(x, y, symbol, index, valign, halign, active);
}

int Mask_Add_Aligned_Symbol_Unchecked(int x, int y, const char* symbol, const char* index, int valign, int halign,
                                      int* active)
{
    return aligned_symbol(x, y, symbol, index, valign, halign, active);
}

// ---- level colour scales ---------------------------------------------------------------

void Mask_Reset_Level_Scale()
{
    levels().offset = 10.0;
    levels().step = 20.0;
}

void Mask_Set_Level_Offset(double offset) { levels().offset = offset; }
void Mask_Set_Level_Step(double step) { levels().step = step; }

int Mask_Level_Position(int i)
{
    const double v = std::trunc(i * levels().step + levels().offset);
    return v >= 2147483647.0 ? 2147483647 : v <= -2147483648.0 ? int(-2147483647 - 1) : int(v);
}

void Mask_Init_Level_Colours()
{
    Levels& l = levels();
    l.a[0] = BLACK_CI;
    l.a[1] = Nearest_Color_Index(132, 97, 66);
    l.a[2] = Nearest_Color_Index(64, 128, 192);
    l.b[0] = BLACK_CI;
    l.b[1] = Nearest_Color_Index(100, 72, 49);
    l.b[2] = Nearest_Color_Index(0, 0, 150);
}

void Mask_Set_Level_Colour_A(int i, int colour)
{
    if (levels().a[0] == -1) Mask_Init_Level_Colours();
    levels().a[i > 2 ? 2 : i < 0 ? 0 : i] = colour;
}

void Mask_Set_Level_Colour_B(int i, int colour)
{
    if (levels().b[0] == -1) Mask_Init_Level_Colours();
    levels().b[i > 2 ? 2 : i < 0 ? 0 : i] = colour;
}

int Mask_Level_Colour_A(int v)
{
    Levels& l = levels();
    if (l.a[0] == -1) Mask_Init_Level_Colours();
    return v >= l.offset + 2 * l.step ? l.a[2] : v >= l.offset + l.step ? l.a[1] : l.a[0];
}

int Mask_Level_Colour_B(int v)
{
    Levels& l = levels();
    if (l.b[0] == -1) Mask_Init_Level_Colours();
    return v >= l.offset + 2 * l.step ? l.b[2] : v >= l.offset + l.step ? l.b[1] : l.b[0];
}

// ---- fields --------------------------------------------------------------------------------

int Mask_Add_Check_Box(int x, int y, const char* label, int* value, int* state)
{
    const int s = state ? *state : 1;
    const bool known = s == -1 || s == 1;
    const bool white = known && ms().back_colour == Nearest_RGB_Color(255, 251, 240);
    const int colour = known ? ms().text_colour : grey();
    int* activity = s == 1 ? &ms().editable : &ms().read_only;
    if (!has_area()) return 0;
    int font = int(ms().font);
    if (value && *value && s) font |= kBold;
    const int keep = ms().back_colour;
    if (white) {
        ms().back_colour = Nearest_RGB_Color(255, 255, 255);
        Mask_Fill_Rectangle(x, y, x + 10, y - 10);
    }
    View_Area_Add_Check_Box(unsigned(area()), x + 20, y, label, font, colour, value, activity);
    if (s == -1) View_Area_Add_Text(unsigned(area()), x + 20, y, label ? label : "", font, colour, 0);
    const int width = empty(label) ? 13 : Mask_Text_Width(label, int(ms().font)) + 20;
    ms().back_colour = keep;
    Mask_Set_Last_Element(x, y, width, s);
    return width;
}

int Mask_Add_Radio_Button(int x, int y, const char* label, int key, int* selection, int* active)
{
    if (!has_area()) return 0;
    if (!label) label = "";
    int font = int(ms().font);
    if (selection && *selection == key && is_active(active)) font |= kBold;
    View_Area_Add_Radio_Button(unsigned(area()), x + 20, y, label, font, label_colour(active), key, selection, active);
    const int width = *label ? Mask_Text_Width(label, int(ms().font)) + 20 : 13;
    Mask_Set_Last_Element(x, y, width, active ? *active : 1);
    return width;
}

int Mask_Add_Choice(int x, int y, char* names, int* colours, int stride, int count, int* selected, int* state)
{
    const Look look = field_look(state);
    if (!has_area() || count < 1 || stride < 2 || !names) return 0;
    if (size_t(count) > size_t(INT_MAX) / sizeof(ChoiceEntry)) return 0;
    ChoiceEntry* table = static_cast<ChoiceEntry*>(Mem_Realloc(nullptr, int(sizeof(ChoiceEntry)) * count, 1));
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        char* name = names + size_t(i) * size_t(stride);
        table[i].text = name;
        table[i].colour = colours ? colours[i] : look.colour;
        widest =
            std::max(widest, Mask_Text_Width(std::string(name, strnlen(name, size_t(stride))).c_str(), int(ms().font)));
    }
    const int c = widest / 8;
    const int width = 8 * c + 33;
    if (look.background) field_box(x, y, width);
    View_Area_Add_Choice(unsigned(area()), x + 7, y, table, int(ms().font), c, count, selected, look.activity, 1);
    Mask_Set_Last_Element(x, y, width, look.state);
    return width;
}

int Mask_Add_Choice_List(int x, int y, const ChoiceList* list, int* selected, int* state)
{
    if (!list) return 0;
    if (selected && list->flags && *selected < list->count)
        while (*selected > 0 && (list->flags[*selected] & MASK_CHOICE_SEPARATOR)) --*selected;
    return Mask_Add_Choice(x, y, list->names, list->colours, list->stride, list->count, selected, state);
}

int Mask_Add_Text_Field(int x, int y, char* text, int, int* state)
{
    const int s = state ? *state : 1;
    if (!has_area()) return 0;
    const int colour = s == -1 || s == 1 ? ms().text_colour : grey();
    int* activity = s == 1 ? &ms().editable : &ms().read_only;
    View_Area_Add_Text_Field(unsigned(area()), x + 7, y, text, 0, colour, activity);
    Pop_RFont(0);
    const int w = Mask_Markup_Text_Width(text);
    Push_RFont();
    const int width = w <= 0 ? 13 : w + 16;
    Mask_Set_Last_Element(x, y, width, ms().last_active);
    return width;
}

int Mask_Add_Padded_Text_Field(int x, int y, char* text, int n, int* state)
{
    if (text && n >= 0) {
        // Through a copy: formatting a buffer onto itself is undefined.
        char format[32];
        std::snprintf(format, sizeof format, "%%-%d.%ds", n, n);
        std::vector<char> padded(size_t(n) + 1);
        const std::string old(text, strnlen(text, size_t(n)));
        std::snprintf(padded.data(), padded.size(), format, old.c_str());
        std::memcpy(text, padded.data(), padded.size());
    }
    return Mask_Add_Text_Field(x, y, text, n, state);
}

int Mask_Add_Text_Field_Limited(int x, int y, char* text, int length, int max_length, int* state)
{
    if (!has_area()) return 0;
    Mask_Add_Padded_Text_Field(x, y, text, std::max(length, max_length), state);
    View_Area_Set_Text_Field_Length(unsigned(area()), max_length);
    return max_length * 8 + 19;
}

int Mask_Add_Density_Field(int x, int y, double* value, int* active)
{
    const int colour = active && *active == 0 ? grey() : ms().text_colour;
    char format[32];
    std::snprintf(format, sizeof format, "%%%d.%df", 8, 1);
    if (has_area())
        View_Area_Add_Float(unsigned(area()), x + 7, y, value, format, int(ms().font) & kStyleBits, colour, active);
    if (value && !Mask_Find_Clamp(value)) Mask_Add_Clamp(value, 500.0, 2200.0);
    if (has_area()) View_Area_Set_Change_Callback(unsigned(area()), clamp_changed);
    return 79;
}

int Mask_Add_Float(int x, int y, double* value, double factor, int digits, int decimals, int* state)
{
    const Look look = field_look(state);
    if (!has_area() || digits < 1) return 0;
    const int width = 8 * digits + 15;
    if (look.background) field_box(x, y, width);
    char format[64];
    std::snprintf(format, sizeof format, "%%%d.%df", digits, decimals);
    if (value && factor != 1.0 && !Mask_Find_Factor(value)) {
        Mask_Add_Factor(value, factor);
        *value *= factor;
    }
    View_Area_Add_Float(unsigned(area()), x + 7, y, value, format, int(ms().font) & kStyleBits, look.colour,
                        look.activity);
    Mask_Set_Last_Element(x, y, width, look.state);
    return width;
}

int Mask_Add_Float_Plain(int x, int y, double* value, int digits, int decimals, int* state)
{
    return Mask_Add_Float(x, y, value, 1.0, digits, decimals, state);
}

namespace {

int labelled_float(int x, int y, const char* symbol, const char* index, bool with_symbol, double* value, double factor,
                   int digits, int decimals, const char* unit, int* state)
{
    int fx = x;
    if (with_symbol) {
        if (!empty(symbol) || !empty(index)) {
            const int w = Mask_Add_Symbol_With_Index(x, y, symbol, index, state);
            fx = has_area() ? x + w + 3 : x + 3;
        }
    } else if (!empty(symbol)) {
        const int w = Mask_Add_Label(x, y, symbol, state);
        fx = has_area() ? x + w + 3 : x + 3;
    }
    int end = fx + Mask_Add_Float(fx, y, value, factor, digits, decimals, state);
    if (!empty(unit)) end += 3 + Mask_Add_Label(end + 3, y, unit, state);
    return end - x;
}

} // namespace

int Mask_Add_Labelled_Float(int x, int y, const char* label, double* value, int digits, int decimals, const char* unit,
                            int* state)
{
    return labelled_float(x, y, label, nullptr, false, value, 1.0, digits, decimals, unit, state);
}

int Mask_Add_Float_In_Colour(int x, int y, double* value, int digits, int decimals, int colour, int* state)
{
    const int keep = ms().text_colour;
    ms().text_colour = colour;
    const int w = Mask_Add_Float(x, y, value, 1.0, digits, decimals, state);
    ms().text_colour = keep;
    return w;
}

int Mask_Add_Float_Limited(int x, int y, double* value, double factor, int digits, int decimals, double min, double max,
                           const char* name, int* state)
{
    const int width = Mask_Add_Float(x, y, value, factor, digits, decimals, state);
    if (!value) return width;
    if (name) {
        // The name is text: a '%' in it prints as it is.
        const int d = std::max(0, std::min(decimals, 30));
        char limit[400];
        const char* words = nullptr;
        if (Round_To_Decimals(*value - max, decimals) > 0) {
            std::snprintf(limit, sizeof limit, "%.*f", d, max);
            words = cp850(" darf den Wert %s nicht überschreiten");
        } else if (Round_To_Decimals(*value - min, decimals) < 0) {
            std::snprintf(limit, sizeof limit, "%.*f", d, min);
            words = cp850(" darf den Wert %s nicht unterschreiten");
        }
        if (words) {
            std::string text = name;
            const std::string tail = words;
            const size_t at = tail.find("%s");
            text += tail.substr(0, at) + limit + tail.substr(at + 2);
            Msg_Hinweis(0, "%s", text.c_str());
        }
    }
    *value = std::min(std::max(*value, min), max);
    return width;
}

int Mask_Add_Symbol_Float(int x, int y, const char* symbol, const char* index, double* value, double factor, int digits,
                          int decimals, const char* unit, int* state)
{
    return labelled_float(x, y, symbol, index, true, value, factor, digits, decimals, unit, state);
}

namespace {

int int_field(int x, int y, int* value, int digits, int* state, bool limited, int min, int max)
{
    const Look look = field_look(state);
    if (!has_area() || digits < 1 || !value) return 0;
    const int width = 8 * digits + 15;
    if (look.background) field_box(x, y, width);
    char format[64];
    std::snprintf(format, sizeof format, "%%%d.0f", digits);
    MaskIntShadow* e = Mask_Find_Int_Shadow(value);
    const bool existed = e != nullptr;
    if (!e) e = Mask_Add_Int_Shadow(value, *value);
    if (!limited || existed) {
        const double r = e->shadow >= 0 ? e->shadow + 0.5 : e->shadow - 0.5;
        *value = r >= 2147483647.0 ? 2147483647 : r <= -2147483648.0 ? int(-2147483647 - 1) : int(r);
    }
    if (limited) {
        if (e->shadow < min) e->shadow = min;
        if (e->shadow > max) e->shadow = max;
    }
    View_Area_Add_Float(unsigned(area()), x + 7, y, &e->shadow, format, int(ms().font) & kStyleBits, look.colour,
                        look.activity);
    Mask_Set_Last_Element(x, y, width, look.state);
    return width;
}

} // namespace

int Mask_Add_Int(int x, int y, int* value, int digits, int* state)
{
    return int_field(x, y, value, digits, state, false, 0, 0);
}

int Mask_Add_Int_Limited(int x, int y, int* value, int digits, int min, int max, int* state)
{
    return int_field(x, y, value, digits, state, true, min, max);
}

// ---- column headers ----------------------------------------------------------------------

void Mask_Init_Columns(ColumnHeader* header, int count, ColumnEntry** columns)
{
    if (header) {
        const int r[5] = {0, 1, 1, 0, 0};
        std::memcpy(header->reserved, r, sizeof r);
        header->count = 0;
        header->columns = nullptr;
        header->line_end = -1;
        header->capacity = 0;
    }
    if (!columns) return;
    const int n = std::max(0, count);
    *columns = static_cast<ColumnEntry*>(Mem_Realloc(*columns, int(sizeof(ColumnEntry)) * n, 0));
    for (int i = 0; i < n; ++i) column_defaults(&(*columns)[i], i);
}

void Mask_Init_Column_Header(ColumnHeader* header, int count)
{
    if (!header) return;
    const int n = std::max(0, count);
    header->first = 0;
    header->x_start = 0;
    const int r[5] = {0, 1, 1, 0, 0};
    std::memcpy(header->reserved, r, sizeof r);
    header->count = 0;
    header->columns = static_cast<ColumnEntry*>(Mem_Realloc(header->columns, int(sizeof(ColumnEntry)) * n, 0));
    for (int i = 0; i < n; ++i) column_defaults(&header->columns[i], i);
    header->capacity = header->columns ? n : 0;
    header->line_end = -1;
}

void Mask_Free_Columns(ColumnHeader* header)
{
    if (!header) return;
    header->count = 0;
    header->capacity = 0;
    Mem_Free_Null(reinterpret_cast<void**>(&header->columns));
}

int Mask_Columns_Width(const ColumnHeader* header)
{
    if (!header) return 0;
    long long w = header->x_start;
    for (int i = 0; i < header->count && header->columns; ++i) w += header->columns[i].width + header->columns[i].gap;
    return int(std::max<long long>(std::min<long long>(w, 2147483647LL), -2147483647LL));
}

ColumnEntry* Mask_Add_Column(ColumnHeader* header, const char* title, const char* symbol, const char* index,
                             const char* unit, int value, int min_width, int gap)
{
    if (!header || !header->columns || header->count < 0 || header->count >= header->capacity) return nullptr;
    ColumnEntry& c = header->columns[header->count];
    copy_cut(c.title, sizeof c.title, title);
    copy_cut(c.symbol, sizeof c.symbol, symbol);
    copy_cut(c.index, sizeof c.index, index);
    copy_cut(c.unit, sizeof c.unit, unit);
    c.x = Mask_Columns_Width(header);
    c.value = value;
    // Mark-up of the symbol and index takes no room on the screen.
    c.width = std::max(8 * MT_String_Length(c.symbol) + 6 * MT_String_Length(c.index), min_width);
    c.gap = gap;
    ++header->count;
    return &c;
}

void Mask_Draw_Column_Header(int x, int y, int, int count, ColumnEntry* columns)
{
    if (count < 1 || !columns) return;
    ms().font = 0x11000;
    ms().text_colour = BLACK_CI;
    column_symbols(x, y - 31, count, columns);
    ms().font = 0x1000;
    ms().text_colour = Nearest_RGB_Color(160, 160, 164);
    column_units(x, y - 15, count, columns);
    ms().text_colour = BLACK_CI;
    Mask_Set_Line_Switch(1);
    const ColumnEntry& last = columns[count - 1];
    Mask_Draw_Line(x, y - 9, x + last.x + last.width + last.gap, y - 9);
}

void Mask_Draw_Header(int x, int y, ColumnHeader* header)
{
    if (!header) return;
    const int keep_colour = ms().text_colour;
    const unsigned keep_font = ms().font;
    long long end;
    if (header->count < 1 || !header->columns) {
        ms().font = 0x11000;
        end = (long long)x + header->x_start;
    } else {
        bool units = false;
        for (int i = 0; i < header->count; ++i) units = units || header->columns[i].unit[0];
        ms().font = 0x11000;
        ms().text_colour = BLACK_CI;
        column_symbols(x, units ? y - 31 : y - 16, header->count, header->columns);
        if (units) {
            ms().font = 0x1000;
            ms().text_colour = Nearest_RGB_Color(160, 160, 164);
            column_units(x, y - 15, header->count, header->columns);
        }
        end = (long long)x + Mask_Columns_Width(header);
        if (header->line_end > 0 && header->line_end > end) end = header->line_end;
    }
    ms().text_colour = BLACK_CI;
    Mask_Set_Line_Switch(1);
    Mask_Draw_Line(x, y - 9, double(end), y - 9);
    ms().text_colour = keep_colour;
    ms().font = keep_font;
}

void Mask_Draw_Column_Legend(int x, int y, int count, ColumnEntry* columns)
{
    if (count < 1 || !columns) return;
    ms().text_colour = Nearest_RGB_Color(128, 128, 128);
    ms().font = 0x1000;
    int d = 50;
    for (int i = 0; i < count; ++i)
        if (columns[i].title[0])
            d = std::max(d, int(8 * safe_len(columns[i].symbol) + 6 * safe_len(columns[i].index) + 5));
    int always = 1;
    for (int i = 0; i < count; ++i) {
        const ColumnEntry& c = columns[i];
        if (!c.title[0]) continue;
        if (c.index[0])
            Mask_Add_Symbol_With_Index(x, y, c.symbol, c.index, &always);
        else
            Mask_Add_Label(x, y, c.symbol, &always);
        Mask_Add_Label(x + d, y, c.title, &always);
        y += 18;
    }
}
