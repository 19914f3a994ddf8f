// The table of view areas, their adders, modifiers, setters and inquiries.
#include "sheets/viewarea.h"

#include "base/kovmem.h"
#include "hostenv/kovscreentools.h"
#include "platform/kovhost.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/texteditor.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const int kSlots = 20;
const int kReserved = 9999;
const int kSlider = 17;

ViewArea g_areas[kSlots] = {};
bool g_table_ready = false;

bool g_open_colour_done = false;
bool g_reserve_colour_done = false;
int g_default_background = 0;

bool g_short_keys_read = false;
int g_short_keys[4] = {0, 0, 0, 0}; // break, ok, help, jump

// Every slot starts free.
void ready()
{
    if (g_table_ready) return;
    for (ViewArea& a : g_areas) {
        a = ViewArea{};
        a.handle = -1;
    }
    g_table_ready = true;
}

ViewArea* slot_of(unsigned slot)
{
    ready();
    if (slot >= unsigned(kSlots)) return nullptr;
    ViewArea* a = &g_areas[slot];
    return a->handle < 0 ? nullptr : a;
}

// What an adder with a result answers for a slot it cannot use.
int refused(unsigned slot) { return slot >= unsigned(kSlots) ? 0 : -1; }

char* copy_text(const char* s)
{
    if (!s) return nullptr;
    const size_t n = std::strlen(s);
    char* c = static_cast<char*>(Mem_Alloc_Zeroed(int(std::min<size_t>(n, 0x7FFFFFF0u)) + 1));
    Mem_Check_Pointer(c);
    std::memcpy(c, s, std::min<size_t>(n, 0x7FFFFFF0u));
    return c;
}

void free_text(char** p) { Mem_Free_Null(reinterpret_cast<void**>(p)); }

int text_width(const char* s, int font)
{
    if (!s) return 0;
    Pop_RFont(font);
    const int w = Text_Width_Pixels(s);
    Push_RFont();
    return w;
}

void raise_w(ViewArea* a, int w)
{
    if (a->content_w < w) a->content_w = w;
}

void raise_h(ViewArea* a, int h)
{
    if (a->content_h < h) a->content_h = h;
}

// The next free y below a position: y + add when the content grows to reach
// it, else y + add - 1.
int next_y(ViewArea* a, int y, int add = 10)
{
    if (a->content_h <= y + add - 1) {
        a->content_h = y + add;
        return y + add;
    }
    return y + add - 1;
}

ViewElement* append(ViewArea* a, int type)
{
    ViewElement* e = View_Area_Append_Element(a);
    e->type = type;
    return e;
}

// An element that covers a rectangle of the area.
ViewElement* append_rect(ViewArea* a, int type, int x1, int y1, int x2, int y2)
{
    ViewElement* e = append(a, type);
    e->x1 = x1;
    e->y1 = y1;
    e->x2 = x2;
    e->y2 = y2;
    return e;
}

ViewElement* last_of(unsigned area, int type)
{
    ViewArea* a = slot_of(area);
    if (!a || !a->last || a->last->type != type) return nullptr;
    return a->last;
}

void free_element(ViewElement* e)
{
    switch (e->type) {
        case VIEW_TEXT:
        case VIEW_BITMAP:
        case VIEW_ROTATED_TEXT:
        case VIEW_CHECK_BOX:
        case VIEW_RADIO_BUTTON:
        case VIEW_LINK_TEXT:
        case VIEW_CLICK_AREA:
        case VIEW_PICTURE_CHOICE: free_text(&e->text); break;
        case VIEW_FLOAT:
        case VIEW_BITMAP_BUTTON:
            free_text(&e->text);
            free_text(&e->second_text);
            break;
        case VIEW_TEXT_FIELD: free_text(&e->second_text); break;
        case VIEW_CHOICE:
            if (e->owns_entries) Mem_Free_Null(reinterpret_cast<void**>(&e->entries));
            break;
        case VIEW_TEXT_EDITOR:
            if (e->editor) {
                if (Text_Editor_Current() == e->editor) Text_Editor_Set_Current(nullptr);
                Text_Editor_Free(e->editor);
                e->editor = nullptr;
            }
            break;
        default: break;
    }
    Mem_Free_Null(reinterpret_cast<void**>(&e));
}

void free_list(ViewElement* e)
{
    while (e) {
        ViewElement* next = e->next;
        free_element(e);
        e = next;
    }
}

void free_elements(ViewArea* a)
{
    free_list(a->first);
    a->first = a->last = nullptr;
    a->content_w = a->content_h = 0;
}

void read_short_keys()
{
    if (g_short_keys_read) return;
    g_short_keys_read = true;
    static const char* const keys[4] = {"UseSheetBreakShortKey", "UseSheetOkShortKey", "UseSheetHelpShortKey",
                                        "UseSheetJumpShortKey"};
    for (int i = 0; i < 4; ++i) {
        char buf[21] = {0};
        int v = 0;
        if (KOVGetUserString(keys[i], buf, 21) && std::sscanf(buf, "%d", &v) == 1) g_short_keys[i] = v;
    }
}

int free_slot()
{
    ready();
    for (int i = 0; i < kSlots; ++i)
        if (g_areas[i].handle < 0) return i;
    std::printf("maximale Anzahl Scrollable_View_Areas erreicht\n");
    std::fflush(stdout);
    return -1;
}

// A fresh record: empty, scrolled to the start, default background, no hover
// or short-key settings.
void start_record(ViewArea* a)
{
    *a = ViewArea{};
    a->background = g_default_background;
}

// Rectangle, sheet area and sliders of an opening.
void attach(int slot, int x1, int y1, int x2, int y2, int hslider, int vslider)
{
    ViewArea* a = &g_areas[slot];
    a->x1 = x1;
    a->y1 = y1;
    a->x2 = vslider ? x2 - kSlider : x2;
    a->y2 = hslider ? y2 - kSlider : y2;
    a->activity = 1;
    a->handle = Add_Scrollable_Area_to_PS(a->x1, a->y1, a->x2, a->y2, 1, 0, 10, 10, View_Area_Draw_Callback, a, 1);
    a->vslider = a->hslider = 0;
    if (vslider) {
        const int s = Add_VSlider_to_Scrollable_Area(a->handle, 5, 10, -1, 0);
        if (s > 0) {
            Set_VSlider_Speed(s, 0.1, 0.0);
            a->vslider = s;
        }
    }
    if (hslider) {
        const int s = Add_HSlider_to_Scrollable_Area(a->handle, 5, 10, -1, 0);
        if (s > 0) {
            Set_HSlider_Speed(s, 0.1, 0.0);
            a->hslider = s;
        }
    }
}

// The float field's text for a value.
std::string float_text(const char* format, const double* value, int max_len)
{
    if (!format || !value) return std::string();
    const int n = std::snprintf(nullptr, 0, format, *value);
    if (n < 0) return std::string();
    if (n > max_len) return std::string(size_t(std::max(max_len, 0)), '*');
    std::string s(size_t(n) + 1, '\0');
    std::snprintf(&s[0], s.size(), format, *value);
    s.resize(size_t(n));
    return s;
}

} // namespace

// ---- opening, showing, closing ------------------------------------------------------

int View_Area_Open(int x1, int y1, int x2, int y2, int hslider, int vslider)
{
    ready();
    if (!g_open_colour_done) {
        g_default_background = Nearest_Color_Index(255, 251, 240);
        g_open_colour_done = true;
    }
    read_short_keys();
    const int slot = free_slot();
    if (slot < 0) return -1;
    ViewArea* a = &g_areas[slot];
    start_record(a);
    a->frame = 1;
    attach(slot, x1, y1, x2, y2, hslider, vslider);
    return slot;
}

int View_Area_Reserve(void)
{
    ready();
    if (!g_reserve_colour_done) {
        g_default_background = Nearest_Color_Index(255, 251, 240);
        g_reserve_colour_done = true;
    }
    const int slot = free_slot();
    if (slot < 0) return -1;
    ViewArea* a = &g_areas[slot];
    start_record(a);
    a->handle = kReserved;
    return slot;
}

void View_Area_Open_Reserved(unsigned slot, int x1, int y1, int x2, int y2, int hslider, int vslider)
{
    ViewArea* a = slot_of(slot);
    if (!a || a->handle != kReserved) return;
    attach(int(slot), x1, y1, x2, y2, hslider, vslider);
}

void View_Area_Show(unsigned slot)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    Resize_Origin_of_Scrollable_Area_PS(a->handle, a->content_w, a->content_h);
    Set_Scrollable_Area_PS(a->handle, a->scroll_x, a->scroll_y);
    Inquire_Scrollable_Area_PS(a->handle, &a->scroll_x, &a->scroll_y);
    if (a->vslider) Change_Activity_PS(a->vslider, a->y2 - a->y1 < a->content_h ? 1 : -1);
    if (a->hslider) Change_Activity_PS(a->hslider, a->x2 - a->x1 < a->content_w ? 1 : -1);
    Change_Activity_PS(a->handle, 1);
}

void View_Area_Clear(unsigned slot)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    if (a->activity == 1) Inquire_Scrollable_Area_PS(a->handle, &a->scroll_x, &a->scroll_y);
    free_elements(a);
}

void View_Area_Close(unsigned slot)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    View_Area_Clear(slot);
    a->handle = -1;
}

void View_Area_Close_All(void)
{
    ready();
    for (int i = 0; i < kSlots; ++i)
        if (g_areas[i].handle >= 0) View_Area_Close(unsigned(i));
    for (ViewArea& a : g_areas) a.handle = -1;
}

void View_Area_Cut_At_Mark(unsigned slot, int key)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    ViewElement* before = nullptr;
    for (ViewElement* e = a->first; e; before = e, e = e->next) {
        if (e->type != VIEW_CUT_MARK || e->aux != key) continue;
        if (before)
            before->next = nullptr;
        else
            a->first = nullptr;
        a->last = before;
        free_list(e);
        return;
    }
}

void View_Area_Set_Activity(unsigned slot, int state)
{
    ViewArea* a = slot_of(slot);
    if (!a || a->activity == state) return;
    a->activity = state;
    if (a->vslider) Change_Activity_PS(a->vslider, state);
    if (a->hslider) Change_Activity_PS(a->hslider, state);
    Change_Activity_PS(a->handle, state);
}

void View_Area_Reshape(unsigned slot, int x1, int y1, int x2, int y2)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    Reshape_Scrollable_Area_PS(a->handle, x1, y1, x2, y2, 5, 10, 5, 10);
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    a->x1 = x1 - dx;
    a->y1 = y1 - dy;
    a->x2 = x2 - dx;
    a->y2 = y2 - dy;
}

// ---- setters and inquiries -----------------------------------------------------------

void View_Area_Set_Background(unsigned slot, int colour)
{
    if (ViewArea* a = slot_of(slot)) a->background = colour;
}

int View_Area_Get_Background(unsigned slot)
{
    const ViewArea* a = slot_of(slot);
    return a ? a->background : -1;
}

void View_Area_Set_Frameflag(unsigned slot, int flag)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    a->frame = flag;
    Set_Scrollable_Area_PS_Frameflag(a->handle, flag);
}

void View_Area_Set_Key_Ends_Hover(unsigned slot, int flag)
{
    if (ViewArea* a = slot_of(slot)) a->key_ends_hover = flag;
}

void View_Area_Set_Right_Button_Ends_Hover(unsigned slot, int flag)
{
    if (ViewArea* a = slot_of(slot)) a->right_ends_hover = flag;
}

void View_Area_Set_Hover_Stop_Flag(unsigned slot, int* flag)
{
    if (ViewArea* a = slot_of(slot)) a->hover_stop = flag;
}

void View_Area_Set_Hover_Rectangle(unsigned slot, int x1, int y1, int x2, int y2)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    a->hx1 = x1;
    a->hy1 = y1;
    a->hx2 = x2;
    a->hy2 = y2;
    a->hover_rect_set = 1;
}

void View_Area_Set_Escape_Result(unsigned slot, int value, int* result)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    a->esc_value = value;
    a->esc_result = result;
}

void View_Area_Set_Ok_Result(unsigned slot, int value, int* result)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    a->ok_value = value;
    a->ok_result = result;
}

void View_Area_Set_Help_Result(unsigned slot, int value, int* result)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    a->help_value = value;
    a->help_result = result;
}

void View_Area_Inquire_Size(unsigned slot, int* w, int* h)
{
    const ViewArea* a = slot_of(slot);
    if (!a) return;
    if (w) *w = a->x2 - a->x1;
    if (h) *h = a->y2 - a->y1;
}

void View_Area_Inquire_Content_Size(unsigned slot, int* w, int* h)
{
    const ViewArea* a = slot_of(slot);
    if (!a) return;
    if (w) *w = a->content_w;
    if (h) *h = a->content_h;
}

void View_Area_Inquire_Screen_Origin(unsigned slot, int* x, int* y)
{
    const ViewArea* a = slot_of(slot);
    if (!a) return;
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    if (x) *x = dx + a->x1;
    if (y) *y = dy + a->y1;
}

void View_Area_Inquire_Scroll(unsigned slot, int* x, int* y)
{
    const ViewArea* a = slot_of(slot);
    if (!a) return;
    Inquire_Scrollable_Area_PS(a->handle, x, y);
}

void View_Area_Save_Scroll(unsigned slot)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    Inquire_Scrollable_Area_PS(a->handle, &a->scroll_x, &a->scroll_y);
}

void View_Area_Set_Scroll_Fraction(unsigned slot, double fx, double fy)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    if (a->hslider && fx >= 0) a->scroll_x = int(std::max(a->content_w - (a->x2 - a->x1), 0) * std::min(fx, 1.0));
    if (a->vslider && fy >= 0) a->scroll_y = int(std::max(a->content_h - (a->y2 - a->y1), 0) * std::min(fy, 1.0));
}

void View_Area_Get_Scroll_Fraction(unsigned slot, double* fx, double* fy)
{
    const ViewArea* a = slot_of(slot);
    if (!a) return;
    const int rx = a->content_w - (a->x2 - a->x1), ry = a->content_h - (a->y2 - a->y1);
    if (fx) *fx = a->hslider && rx > 0 ? double(a->scroll_x) / rx : 0.0;
    if (fy) *fy = a->vslider && ry > 0 ? double(a->scroll_y) / ry : 0.0;
}

void View_Area_Scroll_By(unsigned slot, int* dx, int* dy)
{
    ViewArea* a = slot_of(slot);
    if (!a) return;
    Inquire_Scrollable_Area_PS(a->handle, &a->scroll_x, &a->scroll_y);
    auto by = [](int& pos, int* d, int range) {
        const long want = long(pos) + *d;
        const long got = std::max(0L, std::min(want, long(std::max(range, 0))));
        *d -= int(want - got);
        pos = int(got);
    };
    if (a->hslider && dx) by(a->scroll_x, dx, a->content_w - (a->x2 - a->x1));
    if (a->vslider && dy) by(a->scroll_y, dy, a->content_h - (a->y2 - a->y1));
}

ViewElement* View_Area_Append_Element(ViewArea* record)
{
    ViewElement* e = static_cast<ViewElement*>(Mem_Alloc_Zeroed(int(sizeof(ViewElement))));
    Mem_Check_Pointer(e);
    *e = ViewElement{};
    if (!record) return e;
    if (record->last)
        record->last->next = e;
    else
        record->first = e;
    record->last = e;
    return e;
}

ViewArea* View_Area_Record(unsigned slot) { return slot_of(slot); }

void View_Area_Short_Key_Settings(int* brk, int* ok, int* help, int* jump)
{
    if (brk) *brk = g_short_keys[0];
    if (ok) *ok = g_short_keys[1];
    if (help) *help = g_short_keys[2];
    if (jump) *jump = g_short_keys[3];
}

void View_Area_Reset_Settings(void)
{
    g_open_colour_done = false;
    g_reserve_colour_done = false;
    g_default_background = 0;
    g_short_keys_read = false;
    for (int& k : g_short_keys) k = 0;
}

// ---- adders ----------------------------------------------------------------------------

int View_Area_Add_Text(unsigned area, int x, int y, const char* text, int font, int colour, int align)
{
    ViewArea* a = slot_of(area);
    if (!a) return refused(area);
    // When several frame bits are given, 0x20000 wins over 0x40000, which wins over 0x10000.
    int style = 0;
    if (font & 0x10000) style = 1;
    if (font & 0x40000) style = 3;
    if (font & 0x20000) style = 2;
    font &= ~(0x10000 | 0x20000 | 0x40000);
    ViewElement* e = append(a, VIEW_TEXT);
    e->text = copy_text(text);
    e->font = font;
    e->colour = colour;
    e->x2 = style;
    const int w = text_width(text, font);
    e->x1 = align == 1 ? x - w : x;
    e->y1 = y;
    raise_w(a, e->x1 + w + 10);
    return next_y(a, y);
}

int View_Area_Add_Line(unsigned area, int x1, int y1, int x2, int y2, int colour)
{
    ViewArea* a = slot_of(area);
    if (!a) return refused(area);
    ViewElement* e = append_rect(a, VIEW_LINE, x1, y1, x2, y2);
    e->colour = colour;
    raise_w(a, x1 + 10);
    raise_w(a, x2 + 10);
    raise_h(a, y1 + 10);
    return next_y(a, y2);
}

int View_Area_Add_Bitmap(unsigned area, const char* file, int x1, int y1, int x2, int y2, int key_colour)
{
    ViewArea* a = slot_of(area);
    if (!a) return refused(area);
    ViewElement* e = append(a, VIEW_BITMAP);
    e->text = copy_text(file);
    e->x1 = x1;
    e->y1 = y1;
    e->x2 = x2;
    e->y2 = y2;
    e->colour = key_colour;
    e->aux = 0;
    raise_w(a, x1 + 10);
    raise_w(a, x2 + 10);
    raise_h(a, y1 + 10);
    return next_y(a, y2);
}

void View_Area_Add_Drawn_Box(unsigned area, int x1, int y1, int x2, int y2, void* data, ViewDrawBoxFct callback)
{
    ViewArea* a = slot_of(area);
    if (!a) return;
    ViewElement* e = append_rect(a, VIEW_DRAWN_BOX, x1, y1, x2, y2);
    e->data = data;
    e->draw = callback;
    raise_w(a, x1 + 10);
    raise_w(a, x2 + 10);
    raise_h(a, y1 + 10);
    raise_h(a, y2 + 10);
}

void View_Area_Add_Mask_Picture(unsigned area, int x, int y, const MaskPicture* picture, int colour)
{
    ViewArea* a = slot_of(area);
    if (!a || !picture) return;
    ViewElement* e = append_rect(a, VIEW_MASK_PICTURE, x, y, x + picture->width - 1, y + picture->height - 1);
    e->picture = picture;
    e->colour = colour;
    raise_w(a, x + 10);
    raise_w(a, x + picture->width + 9);
    raise_h(a, y + 10);
    raise_h(a, y + picture->height + 9);
}

void View_Area_Add_Rotated_Text(unsigned area, int x, int y, const char* text, int font, int colour, int angle)
{
    ViewArea* a = slot_of(area);
    if (!a) return;
    ViewElement* e = append(a, VIEW_ROTATED_TEXT);
    e->text = copy_text(text);
    e->x2 = (font & 0x10000) ? 1 : 0;
    e->font = font & ~0x10000;
    e->colour = colour;
    e->x1 = x;
    e->y1 = y;
    e->y2 = angle == 90 ? 256 : angle == 180 ? 512 : angle == 270 ? 1024 : 0;
    const int w = text_width(text, e->font);
    raise_w(a, e->y2 == 0 ? x + w + 10 : x + 10);
    raise_h(a, e->y2 == 1024 ? y + w + 10 : y + 10);
}

namespace {
ViewElement* add_mark(ViewArea* a, int type, int x, int y, const char* label, int font, int colour, int* value,
                      int* active)
{
    ViewElement* e = append(a, type);
    e->text = copy_text(label);
    e->x2 = (font & 0x10000) ? 1 : 0;
    e->font = font & ~0x10000;
    e->colour = colour;
    e->x1 = x;
    e->y1 = y;
    e->value = value;
    e->active = active;
    raise_w(a, x + text_width(label, e->font) + 10);
    return e;
}
} // namespace

int View_Area_Add_Check_Box(unsigned area, int x, int y, const char* label, int font, int colour, int* value,
                            int* active)
{
    ViewArea* a = slot_of(area);
    if (!a) return refused(area);
    add_mark(a, VIEW_CHECK_BOX, x, y, label, font, colour, value, active);
    return next_y(a, y);
}

int View_Area_Add_Radio_Button(unsigned area, int x, int y, const char* label, int font, int colour, int key,
                               int* selection, int* active)
{
    ViewArea* a = slot_of(area);
    if (!a) return refused(area);
    ViewElement* e = add_mark(a, VIEW_RADIO_BUTTON, x, y, label, font, colour, selection, active);
    e->aux = key;
    return next_y(a, y);
}

void View_Area_Add_Link_Text(unsigned area, int x, int y, const char* text, int font, int colour, int align,
                             int highlight, intptr_t key, intptr_t* result)
{
    ViewArea* a = slot_of(area);
    if (!a) return;
    ViewElement* e = append(a, VIEW_LINK_TEXT);
    e->text = copy_text(text);
    e->x2 = (font & 0x10000) ? 1 : 0;
    e->font = font & ~0x10000;
    e->colour = colour;
    const int w = text_width(text, e->font);
    e->x1 = align == 1 ? x - w : x;
    e->y1 = y;
    e->extra = highlight;
    e->key = key;
    e->result = result;
    raise_w(a, e->x1 + w + 10);
    raise_h(a, y + 10);
}

int View_Area_Add_Float(unsigned area, int x, int y, double* value, const char* format, int font, int colour,
                        int* active)
{
    ViewArea* a = slot_of(area);
    if (!a) return refused(area);
    ViewElement* e = append(a, VIEW_FLOAT);
    e->text = copy_text(format);
    const double zero = 0.0;
    e->aux = int(float_text(format, &zero, 0x7FFFFFFF).size());
    e->x2 = (font & 0x10000) ? 1 : 0;
    e->font = font & ~(0x10000 | 0x1000);
    e->colour = colour;
    e->x1 = x;
    e->y1 = y;
    e->number = value;
    e->active = active;
    raise_w(a, x + text_width(View_Area_Float_Text(e).c_str(), e->font) + 10);
    return next_y(a, y);
}

int View_Area_Add_Filled_Box(unsigned area, int x1, int y1, int x2, int y2, int colour)
{
    ViewArea* a = slot_of(area);
    if (!a) return refused(area);
    ViewElement* e = append_rect(a, VIEW_FILLED_BOX, x1, y1, x2, y2);
    e->colour = colour;
    raise_w(a, x1);
    raise_w(a, x2);
    raise_h(a, y1);
    raise_h(a, y2);
    return y2;
}

void View_Area_Add_Click_Area(unsigned area, int x1, int y1, int x2, int y2, intptr_t key, intptr_t* result)
{
    ViewArea* a = slot_of(area);
    if (!a) return;
    ViewElement* e = append_rect(a, VIEW_CLICK_AREA, x1, y1, x2, y2);
    e->key = key;
    e->result = result;
    raise_w(a, x2 + 10);
    raise_h(a, y2 + 10);
}

void View_Area_Add_Cut_Mark(unsigned area, int key)
{
    ViewArea* a = slot_of(area);
    if (!a) return;
    append(a, VIEW_CUT_MARK)->aux = key;
}

void View_Area_Add_Tree_Image(unsigned area, intptr_t image, int x1, int y1, int x2, int y2, int colour)
{
    ViewArea* a = slot_of(area);
    if (!a) return;
    ViewElement* e = append(a, VIEW_TREE_IMAGE);
    e->image = image;
    e->x1 = x1;
    e->y1 = y1;
    e->x2 = x2;
    e->y2 = y2;
    e->colour = colour;
    raise_w(a, x1 + 10);
    raise_w(a, x2 + 10);
    raise_h(a, y1 + 10);
    raise_h(a, y2 + 10);
}

void View_Area_Add_Text_Field(unsigned area, int x, int y, char* text, int font, int colour, int* active)
{
    ViewArea* a = slot_of(area);
    if (!a) return;
    ViewElement* e = append(a, VIEW_TEXT_FIELD);
    e->text = text;
    const int len = text ? int(std::min<size_t>(std::strlen(text), 0x7FFFFFF0u)) : 0;
    e->aux = len;
    e->y2 = len;
    e->x2 = (font & 0x10000) ? 1 : 0;
    e->font = font & ~(0x10000 | 0x1000);
    e->colour = colour;
    e->x1 = x;
    e->y1 = y;
    e->active = active;
    raise_w(a, x + text_width(text, e->font) + 10);
    raise_h(a, y + 10);
}

void View_Area_Add_Choice(unsigned area, int x, int y, ChoiceEntry* entries, int font, int width_chars, int count,
                          int* selected, int* active, int owns_entries)
{
    ViewArea* a = slot_of(area);
    if (!a) {
        // The table the framework built for this element has nowhere to go.
        if (owns_entries) Mem_Free_Null(reinterpret_cast<void**>(&entries));
        return;
    }
    ViewElement* e = append(a, VIEW_CHOICE);
    e->entries = entries;
    e->owns_entries = owns_entries ? 1 : 0;
    e->extra = count;
    e->colour = width_chars;
    Pop_RFont(0);
    e->aux = width_chars * (RFONT_SPACE + RFONT_WIDTH);
    Push_RFont();
    e->x2 = (font & 0x10000) ? 1 : 0;
    e->font = font & ~0x10000;
    e->x1 = x;
    e->y1 = y;
    e->value = selected;
    e->active = active;
    if (selected && (*selected < 0 || *selected >= count)) *selected = 0;
    raise_w(a, x + e->aux + 10);
    raise_h(a, y + 10);
}

void View_Area_Add_Picture_Choice(unsigned area, int x, int y, const char* bitmap, int width, int height, int count,
                                  int value, int* selected, int* active)
{
    ViewArea* a = slot_of(area);
    if (!a) return;
    ViewElement* e = append(a, VIEW_PICTURE_CHOICE);
    e->text = copy_text(bitmap);
    e->x1 = x;
    e->y1 = y;
    e->x2 = width;
    e->y2 = height;
    e->extra = count;
    e->aux = value;
    e->value = selected;
    e->active = active;
    if (selected && (*selected < 0 || *selected >= count)) *selected = 0;
    raise_w(a, x + width + 31);
    raise_h(a, y + height + 16);
}

void View_Area_Add_Bitmap_Button(unsigned area, int x, int y, int w, int h, const char* bitmap, int source_row,
                                 int key_colour, int cursor, const char* tooltip, int key, int* result, int* active)
{
    ViewArea* a = slot_of(area);
    if (!a) return;
    ViewElement* e = append(a, VIEW_BITMAP_BUTTON);
    e->text = copy_text(bitmap);
    e->second_text = copy_text(tooltip);
    e->x1 = x;
    e->y1 = y;
    e->x2 = x + w;
    e->y2 = y + h;
    e->aux = source_row;
    e->extra = key_colour;
    e->colour = cursor;
    e->font = key;
    e->value = result;
    e->active = active;
    raise_w(a, x);
    raise_w(a, x + w);
    raise_h(a, y);
    raise_h(a, y + h);
}

int View_Area_Add_Text_Editor(unsigned area, int x1, int y1, int x2, int y2, char* text, int capacity, int text_colour,
                              int background, int frame, int* active)
{
    ViewArea* a = slot_of(area);
    if (!a) return refused(area);
    ViewElement* e = append_rect(a, VIEW_TEXT_EDITOR, x1, y1, x2, y2);
    e->text = text;
    e->colour = text_colour;
    e->extra = background;
    e->aux = frame;
    e->active = active;
    e->editor = Text_Editor_Create(text, capacity);
    e->editor->background = background;
    e->editor->text_colour = text_colour;
    raise_w(a, x2 + 4);
    return next_y(a, y2 - 6);
}

// ---- modifiers of the last element --------------------------------------------------------

void View_Area_Fix_Last_Bitmap(unsigned area)
{
    if (ViewElement* e = last_of(area, VIEW_BITMAP)) e->aux = 1;
}

void View_Area_Set_Check_Pictures(unsigned area, intptr_t image_set, intptr_t image_clear)
{
    ViewElement* e = last_of(area, VIEW_CHECK_BOX);
    if (!e) e = last_of(area, VIEW_RADIO_BUTTON);
    if (!e) return;
    e->image = image_set;
    e->image_clear = image_clear;
}

void View_Area_Set_Click_Area_Cursor(unsigned area, int cursor)
{
    if (ViewElement* e = last_of(area, VIEW_CLICK_AREA)) e->aux = cursor;
}

void View_Area_Set_Click_Area_Tooltip(unsigned area, const char* text, int font, int colour, int align)
{
    ViewElement* e = last_of(area, VIEW_CLICK_AREA);
    if (!e) return;
    free_text(&e->text);
    e->text = copy_text(text);
    e->extra = ((font & 0x10000) ? 1 : 0) + (align == 1 ? 16 : 0);
    e->font = font & ~0x10000;
    e->colour = colour;
}

void View_Area_Set_Text_Field_Length(unsigned area, int length)
{
    if (ViewElement* e = last_of(area, VIEW_TEXT_FIELD)) e->y2 = std::max(0, std::min(length, e->aux));
}

void View_Area_Set_Inactive_Text(unsigned area, const char* text)
{
    ViewElement* e = last_of(area, VIEW_FLOAT);
    if (!e) e = last_of(area, VIEW_TEXT_FIELD);
    if (!e) return;
    free_text(&e->second_text);
    e->second_text = copy_text(text);
}

void View_Area_Set_Change_Callback(unsigned area, ViewChangeFct callback)
{
    ViewArea* a = slot_of(area);
    if (!a || !a->last) return;
    switch (a->last->type) {
        case VIEW_CHECK_BOX:
        case VIEW_RADIO_BUTTON:
        case VIEW_FLOAT:
        case VIEW_CHOICE:
        case VIEW_PICTURE_CHOICE: a->last->change = callback; break;
        default: break;
    }
}

void View_Area_Set_Text_Editor_Font(unsigned area, int font)
{
    ViewElement* e = last_of(area, VIEW_TEXT_EDITOR);
    if (e && e->editor) e->editor->font = font;
}

std::string View_Area_Float_Text(const ViewElement* e)
{
    if (!e) return std::string();
    return float_text(e->text, e->number, e->aux);
}
