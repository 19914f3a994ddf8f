// The mask engines: building the sheet, the cycle, the confirm step, leaving.
//
// Modes (title bar T, button row B; buttons at y = sheet bottom - 29):
//   1  centred, "Weiter" (id 100) at centre x - 50, default
//   2  centred, no buttons, B = 0
//   3  centred, "Weiter" (id 200) at centre x - 50, default
//   4  full screen, no buttons, T = B = 0
//   5  centred, standard row, the confirm button default
//   6  centred, the confirm button only, default
//   7  centred, standard row without the confirm button, the cancel button default
//   8  full screen, screen cleared, "Weiter" (id 200) at y = sheet bottom - 37, T = B = 0
//   0 and all others: centred, standard row, the cancel button default
// Modes 1 and 3 record no page areas, so their pages have no tooltips or hover
// buttons.
//
// Result ids: 100 cancel, 200 confirm, 1000 + j a click on register j, 2000 + j
// an event in the page area of page j; every other id belongs to elements of
// the caller's callbacks and goes to the button handler.
#include "sheets/mask.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/maskenginepriv.h"
#include "sheets/maskhover.h"
#include "sheets/maskstate.h"
#include "sheets/masktextbox.h"
#include "sheets/rowtable.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"

using namespace maskengine;

namespace maskengine {

Engine& engine()
{
    static Engine* e = new Engine;
    return *e;
}

std::string text_of(const char* field, size_t size) { return std::string(field, strnlen(field, size)); }

} // namespace maskengine

namespace {

const int kCancel = 100;
const int kConfirm = 200;
const char kWeiter[] = "Weiter      ";

Level* innermost()
{
    Engine& e = engine();
    return e.depth > 0 ? e.slots[size_t(e.depth - 1)].get() : nullptr;
}

bool valid_page(const Level* l, int page) { return l && page >= 0 && page < l->count; }

// The shadow rounded half away from zero into the int range; a value that is
// not a number leaves the int as it was.
void round_back(MaskIntShadow* e)
{
    if (!e || !e->value || std::isnan(e->shadow)) return;
    const double r = e->shadow >= 0 ? e->shadow + 0.5 : e->shadow - 0.5;
    *e->value = r >= 2147483647.0 ? 2147483647 : r <= -2147483648.0 ? int(-2147483647 - 1) : int(r);
}

// Steps 1 and 2 of the confirm step on the innermost registrations.
void convert_back(bool release_ints)
{
    for (int i = 0; i < Mask_Factor_Count(); ++i) {
        MaskFactor* f = Mask_Factor_At(i);
        // A factor that cannot be divided by leaves the value as shown.
        if (f && f->value && f->factor != 0.0 && std::isfinite(f->factor)) *f->value = *f->value / f->factor;
    }
    Mask_Release_Factors();
    for (int i = 0; i < Mask_Int_Shadow_Count(); ++i) round_back(Mask_Int_Shadow_At(i));
    if (release_ints) Mask_Release_Int_Shadows();
}

int run_checks(const Level& l)
{
    for (int j = 0; j < l.count; ++j)
        if (l.pages[j].check)
            if (const int r = l.pages[j].check(l.row_table[size_t(j)])) return r;
    return 0;
}

// x of the label of the v-th visible register.
int label_x(const Level& l, int v) { return l.bar_left + v * (l.tab + 1) + 8; }

void draw_labels(const MaskPage& p, int x, int bar_bottom)
{
    const std::string upper = text_of(p.upper_label, sizeof p.upper_label);
    const std::string label = text_of(p.label, sizeof p.label);
    if (!upper.empty()) {
        Draw_Funny_Text_to_PS(x, bar_bottom - 18, upper.c_str(), 0x1002, 2);
        Draw_Funny_Text_to_PS(x, bar_bottom - 6, label.c_str(), 0x1000, 2);
    } else {
        Draw_Funny_Text_to_PS(x, bar_bottom - 10, label.c_str(), 0x1000, 2);
    }
}

// The labels of a disabled register in its colour, on the screen where the
// sheet is now.
void draw_disabled_labels(const Level& l, const MaskPage& p, int x)
{
    draw_labels_in_colour(p, x, l.bar_bottom, p.disabled_colour, l.dx, l.dy);
}

} // namespace

namespace maskengine {

int kept_page(int depth)
{
    const Engine& e = engine();
    return depth >= 0 && size_t(depth) < e.slots.size() ? e.slots[size_t(depth)]->current : 0;
}

Level& push_level(MaskRecord* mask, int count, MaskPage* pages, int left, int top, int right, int bottom)
{
    Engine& e = engine();
    if (e.slots.size() <= size_t(e.depth)) e.slots.push_back(std::make_unique<Level>());
    Level& l = *e.slots[size_t(e.depth)];
    ++e.depth;
    l.dx = l.dy = 0;
    l.mask = mask;
    l.pages = pages;
    l.count = count;
    l.registers = false;
    l.current = 0;
    l.shown_last = 0;
    l.row_flag.assign(size_t(count), 1);
    l.row_table.assign(size_t(count), -1);
    l.member.assign(size_t(count), -1);
    l.escape.assign(size_t(count), -1);
    l.area.assign(size_t(count), -1);
    l.reg = -1;
    l.def = -1;
    l.left = left;
    l.top = top;
    l.right = right;
    l.bottom = bottom;
    l.origin_x = left;
    l.origin_y = top;
    l.bar_left = l.bar_bottom = l.tab = 0;
    l.help_x = l.confirm_x = 0;
    l.areas_added = 0;
    Mask_Push_Registration_Level();
    return l;
}

void open_page_area(Level& l, int j, int left, int top, int right, int bottom, bool record)
{
    const MaskPage& p = l.pages[j];
    l.row_flag[size_t(j)] = 1;
    if (p.area_x >= 0 && p.area_width > 0) {
        left += p.area_x;
        right = std::min(left + p.area_width, right);
    }
    if (p.area_y >= 0 && p.area_height > 0) {
        top += p.area_y;
        bottom = std::min(top + p.area_height, bottom);
    }
    const int esc = Add_Escape_Area_to_PS(left, top, right - (p.vslider ? kSlider : 0),
                                          bottom - (p.hslider ? kSlider : 0), 0, kAreaBase + j);
    l.escape[size_t(j)] = esc;
    if (esc >= 0) {
        Set_Escape_Area_to_MouseMoveEvent(esc, 1);
        // The pages' areas lie one over the other: only the page drawn takes
        // the events (the drawing switches its escape area on).
        Change_Activity_PS(esc, 0);
    }
    const int area = View_Area_Open(left, top, right, bottom, p.hslider, p.vslider);
    l.area[size_t(j)] = area;
    if (area < 0) return;
    if (record) {
        const int before = g_mask_state.page_area_count;
        Mask_Register_Hover_Area(esc, area, left, top, right, bottom, &l.dx, &l.dy);
        const int added = g_mask_state.page_area_count - before;
        l.areas_added += added;
        // The handler belongs to a sheet: a mask opened over another one needs its own.
        if (added > 0 && l.areas_added == 1) Mask_Hover_Install();
    }
    const int edge =
        p.row_table_width < 1 ? right - left - (p.vslider ? kSlider : 0) - 10 : p.row_table_x + p.row_table_width;
    l.row_table[size_t(j)] =
        Row_Table_Create(area, p.row_table_y, p.row_table_x, edge, 20, p.row_table_size, p.row_draw);
}

void join_register_to_page(Level& l)
{
    if (l.reg < 0) return;
    for (int j = 0; j < l.count; ++j) {
        const int area = l.area[size_t(j)];
        const ViewArea* a = area >= 0 ? View_Area_Record(unsigned(area)) : nullptr;
        if (!a) continue;
        const int colour = View_Area_Get_Background(unsigned(area));
        if (colour >= 0) Set_Register_Page(l.reg, a->x1, a->y1, a->x2, colour);
        return;
    }
}

int add_button(int x, int y, int id, const char* text, const int* raster, const char* comment)
{
    const int b = Add_Single_Button_to_PS(x, y, 1, id, text, raster, 0);
    if (b >= 0 && comment) Set_Comment_to_Button_PS(b, cp850(comment));
    return b;
}

void draw_labels_in_colour(const MaskPage& p, int x, int bar_bottom, int colour, int ox, int oy)
{
    const std::string upper = text_of(p.upper_label, sizeof p.upper_label);
    const std::string label = text_of(p.label, sizeof p.label);
    auto text = [&](int y, const std::string& t, unsigned font) {
        Pop_RFont(font);
        pxFgc(colour);
        pxText(x + ox, y + oy, t.c_str(), -1);
        Push_RFont();
    };
    if (!upper.empty()) {
        text(bar_bottom - 18, upper, 0x1002);
        text(bar_bottom - 6, label, 0x1000);
    } else {
        text(bar_bottom - 10, label, 0x1000);
    }
}

void draw_status(void (*fill)(char* buffer), int x1, int y1, int x2, int y2)
{
    char status[kStatusBytes];
    std::memset(status, 0, sizeof status);
    fill(status);
    status[kStatusBytes - 1] = 0;
    Mask_Draw_Text_Box(x1, y1, x2, y2, status, 209, 1, 0x1000, BLACK_CI, BUTTON_CI);
}

void switch_away(Level& l, int old)
{
    if (valid_page(&l, old) && l.area[size_t(old)] >= 0) {
        View_Area_Set_Activity(unsigned(l.area[size_t(old)]), 0);
        Change_Activity_PS(l.escape[size_t(old)], 0);
    }
}

void draw_current(Level& l)
{
    Engine& e = engine();
    const int j = l.current;
    if (!valid_page(&l, j)) return;
    const int area = l.area[size_t(j)], row = l.row_table[size_t(j)], esc = l.escape[size_t(j)];
    if (area < 0 || row < 0 || esc < 0) return;
    Mask_Hover_Hide(); // its saved screen would be the page as it was
    for (int pass = 0; pass < 2; ++pass) {
        MaskPage& p = l.pages[j];
        View_Area_Clear(unsigned(area));
        Mask_Set_Output_Area(area);
        if (p.draw) p.draw(area, row);
        if (l.row_flag[size_t(j)]) Row_Table_Draw(row);
        if (p.scroll_x > 0 || p.scroll_y > 0) {
            // The kept pixel position as a fraction of the range the page has now.
            int w = 0, h = 0, cw = 0, ch = 0;
            View_Area_Inquire_Size(unsigned(area), &w, &h);
            View_Area_Inquire_Content_Size(unsigned(area), &cw, &ch);
            const int rx = cw - w, ry = ch - h;
            // Half a pixel more, so that the area's truncation gives the pixel back.
            const double fx = p.scroll_x > 0 && rx > 0 ? (p.scroll_x + 0.5) / rx : 0.0;
            const double fy = p.scroll_y > 0 && ry > 0 ? (p.scroll_y + 0.5) / ry : 0.0;
            View_Area_Set_Scroll_Fraction(unsigned(area), fx, fy);
            p.scroll_x = -1;
            p.scroll_y = -1;
        }
        View_Area_Set_Activity(unsigned(area), 1);
        View_Area_Show(unsigned(area));
        Change_Activity_PS(esc, 1);
        if (!e.redraw_request) break;
        e.redraw_request = 0;
    }
}

void leave(Level& l)
{
    Engine& e = engine();
    convert_back(e.release_ints != 0);
    Mask_Release_Clamps();
    Mask_Pop_Registration_Level();
    for (int j = 0; j < l.count; ++j) {
        const int area = l.area[size_t(j)];
        if (area < 0) continue;
        View_Area_Inquire_Scroll(unsigned(area), &l.pages[j].scroll_x, &l.pages[j].scroll_y);
        Row_Table_Free_For_Area(area);
        View_Area_Close(unsigned(area));
    }
    for (; l.areas_added > 0; --l.areas_added) Mask_Release_Hover_Area();
    if (l.mask) {
        if (l.mask->close_hook) l.mask->close_hook();
        l.mask->last_page = l.shown_last;
    }
    Mask_Hover_Leave_Level();
    Undefine_Prop_Sheet();
    l.row_flag.clear();
    l.row_table.clear();
    l.member.clear();
    l.escape.clear();
    l.area.clear();
    l.mask = nullptr;
    l.pages = nullptr;
    l.count = 0;
    --e.depth;
    e.cancel_request = 0;
    e.confirm_request = 0;
}

} // namespace maskengine

namespace {

void build_register(Level& l, int F, int R, int T, int B, int w)
{
    const MaskRecord& m = *l.mask;
    int visible = 0;
    for (int j = 0; j < l.count; ++j)
        if (l.pages[j].kind != MASK_PAGE_HIDDEN) ++visible;
    // Without a visible page there is nothing to choose: no register.
    if (visible == 0) return;
    l.tab = m.register_width > 0 ? m.register_width : (w + 2 * F - (visible - 1)) / visible;
    l.bar_left = l.left + m.margin_left;
    const int bar_top = l.top + T + m.margin_top;
    const int bar_right = l.right - m.margin_right;
    l.bar_bottom = bar_top + R;
    pxFgc(GetKOVColor(-1));
    pxRect(l.bar_left, bar_top, bar_right, l.bar_bottom);
    const std::string picture = text_of(m.register_picture, sizeof m.register_picture);
    if (!picture.empty()) {
        pxDrawTransparentDIB(picture.c_str(), l.bar_left, bar_top, bar_right, l.bar_bottom, 201, -1, 192, 192, 192);
    } else {
        int v = 0;
        for (int j = 0; j < l.count; ++j)
            if (l.pages[j].kind != MASK_PAGE_HIDDEN) draw_labels(l.pages[j], label_x(l, v++), l.bar_bottom);
    }
    l.reg = Add_Register_to_PS(l.bar_left, bar_top, bar_right, l.bottom - m.margin_bottom - B, l.bar_bottom);
    int v = 0;
    for (int j = 0; j < l.count; ++j) {
        const int id = kRegisterBase + j;
        if (l.pages[j].kind == MASK_PAGE_HIDDEN) {
            l.member[size_t(j)] = Add_Member_to_Register(l.reg, bar_right, bar_right, 0, id);
            continue;
        }
        const int x1 = l.bar_left + v * (l.tab + 1);
        int x2 = x1 + l.tab;
        if (v == visible - 1 && m.register_width <= 0) x2 = bar_right;
        l.member[size_t(j)] = Add_Member_to_Register(l.reg, x1, x2, 1, id);
        ++v;
    }
}

void build_page_area(Level& l, int j, int F, int R, int T, int B)
{
    const MaskRecord& m = *l.mask;
    const MaskPage& p = l.pages[j];
    l.row_flag[size_t(j)] = 1;
    if (p.kind == MASK_PAGE_HIDDEN || !p.draw) return;
    open_page_area(l, j, l.left + F + m.margin_left, l.top + T + m.margin_top + R + F, l.right - F - m.margin_right,
                   l.bottom - F - m.margin_bottom - B, m.mode != 1 && m.mode != 3);
}

void build_buttons(Level& l)
{
    const MaskRecord& m = *l.mask;
    const int cx = (l.left + l.right) / 2;
    const int by = l.bottom - 29;
    const int ok_x = l.right - m.margin_right - 23;
    const bool standard = m.mode < 1 || m.mode > 8 || m.mode == 5 || m.mode == 7;
    l.help_x = m.status_text ? l.left + m.margin_left + 32 : cx - 23;
    l.confirm_x = m.mode == 6 || standard ? ok_x : cx;
    switch (m.mode) {
        case 1: l.def = add_button(cx - 50, by, kCancel, kWeiter, nullptr, nullptr); return;
        case 3: l.def = add_button(cx - 50, by, kConfirm, kWeiter, nullptr, nullptr); return;
        case 8: l.def = add_button(cx - 50, l.bottom - 37, kConfirm, kWeiter, nullptr, nullptr); return;
        case 2:
        case 4: l.def = -1; return;
        case 6: l.def = add_button(ok_x, by, kConfirm, nullptr, SYMBOLIC_OK_RASTER, "bestätigen"); return;
        default: break;
    }
    const int cancel = add_button(l.left + m.margin_left - 3, by, kCancel, nullptr, SYMBOLIC_BREAK_RASTER, "abbrechen");
    const std::string help = text_of(m.help_key, sizeof m.help_key);
    if (!help.empty()) {
        const int h = Add_Help_to_PS(l.help_x, by, 1, 0, 0, help.c_str());
        if (h >= 0) Set_Comment_to_Button_PS(h, "Hilfe");
    }
    int confirm = -1;
    if (m.mode != 7) confirm = add_button(ok_x, by, kConfirm, nullptr, SYMBOLIC_OK_RASTER, "bestätigen");
    l.def = m.mode == 5 ? confirm : cancel;
}

// Step 6 of a cycle: a disabled register cannot be the current page.
void keep_off_disabled(Level& l)
{
    if (!l.registers || l.reg < 0) return;
    if (valid_page(&l, l.current) && l.pages[l.current].kind == MASK_PAGE_DISABLED) {
        int to = l.shown_last;
        if (to == l.current) {
            to = -1;
            for (int j = 0; j < l.count && to < 0; ++j)
                if (l.pages[j].kind != MASK_PAGE_DISABLED && l.pages[j].kind != MASK_PAGE_HIDDEN) to = j;
        }
        if (to >= 0) {
            l.current = to;
            Set_Selected_Register_Member(to + 1);
        }
    }
    int v = 0;
    for (int j = 0; j < l.count; ++j) {
        if (l.pages[j].kind == MASK_PAGE_HIDDEN) continue;
        if (j != l.current && l.pages[j].kind == MASK_PAGE_DISABLED) draw_disabled_labels(l, l.pages[j], label_x(l, v));
        ++v;
    }
}

// Where and how big a mask's sheet is: its frame parts (title T, bottom bar B,
// register frame F and register bar R) and the sheet's corners.
struct SheetFrame {
    bool full = false, registers = false;
    int T = 0, B = 0, F = 0, R = 0;
    int left = 0, top = 0, right = 0, bottom = 0, w = 0;
};

// The first mask opens in the middle of the screen.
void centre_once(Engine& e)
{
    if (e.centre_set) return;
    e.centre_set = true;
    e.centre_x = NPIXEL_X / 2;
    e.centre_y = NPIXEL_Y / 2;
}

// Sizes the sheet for the mode and defines it: the full-screen modes take the
// whole screen, the others are centred on the engine's centre.
SheetFrame define_sheet(const MaskRecord& m, int count, bool register_engine)
{
    const Engine& e = engine();
    SheetFrame f;
    const int mode = m.mode;
    f.full = mode == 4 || mode == 8;
    f.T = f.full ? 0 : 33;
    f.B = mode == 2 || mode == 4 || mode == 8 ? 0 : 27;
    f.registers = register_engine && count > 1;
    f.F = f.registers ? 10 : 0;
    f.R = f.registers ? (m.register_height > 0 ? m.register_height : 30) : 0;
    const int size = 100 + m.sheet_reserve + 5 * count;
    if (f.full) {
        Init_Mouse_Move_Restriction(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
        Set_Prop_Sheet_Screen_Base(2, 2, NPIXEL_X - 10, NPIXEL_Y - 10);
        if (mode == 8) KOVSetMinMaxSize(NPIXEL_X, NPIXEL_Y, NPIXEL_X, NPIXEL_Y);
        f.left = 0;
        f.top = 0;
        f.right = NPIXEL_X - 1;
        f.bottom = NPIXEL_Y - 1;
        f.w = NPIXEL_X - 2 * f.F - m.margin_left - m.margin_right;
        Set_NoFrameFlag_to_Next_PropSheet();
        if (mode == 8) {
            pxBgc(MENUE_CI);
            pxCls();
        }
        Define_Prop_Sheet(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 0, 0, "", size, 1);
        return f;
    }
    f.w = std::min(m.width, NPIXEL_X - 2 * f.F - m.margin_left - m.margin_right - 15);
    const int W = f.w + 2 * f.F + m.margin_left + m.margin_right;
    const int h = std::min(m.height, NPIXEL_Y - 2 * f.F - f.R - f.T - m.margin_top - m.margin_bottom - f.B - 30);
    const int H = h + 2 * f.F + f.R + f.T + m.margin_top + m.margin_bottom + f.B;
    f.left = e.centre_x - W / 2;
    f.right = f.left + W - 1;
    f.top = e.centre_y - H / 2;
    f.bottom = f.top + H - 1;
    Check_Prop_Sheet_Frames(&f.left, &f.top, &f.right, &f.bottom);
    const std::string title = text_of(m.title, sizeof m.title);
    Define_Prop_Sheet(f.left, f.top, f.right, f.bottom, 1, 0, title.c_str(), size, 1);
    return f;
}

// The sheet's contents: register, page areas, buttons, the caller's
// decoration and the pages' init hooks; then the sheet is activated.
Level& build_sheet(MaskRecord* m, int count, MaskPage* pages, const SheetFrame& f)
{
    Level& l = push_level(m, count, pages, f.left, f.top, f.right, f.bottom);
    l.registers = f.registers;
    if (f.registers) build_register(l, f.F, f.R, f.T, f.B, f.w);
    for (int j = 0; j < count; ++j) build_page_area(l, j, f.F, f.R, f.T, f.B);
    join_register_to_page(l);
    build_buttons(l);
    if (m->decorate) m->decorate(f.left, f.top, f.right, f.bottom);
    for (int j = 0; j < count; ++j)
        if (pages[j].init_hook) pages[j].init_hook(l.row_table[size_t(j)]);
    if (engine().cursor_to_default && l.def >= 0) Move_Mouse_Cursor_to_Button_of_PS(l.def, 0, 0);
    Activate_Prop_Sheet();
    return l;
}

// The register opens on the page shown when the mask last closed, or on the
// last page that is not hidden when that one is.
void select_start_page(Level& l, bool full)
{
    if (!l.registers || l.reg < 0) return;
    int start = l.mask->last_page < 0 ? 0 : std::min(l.mask->last_page, l.count - 1);
    if (l.pages[start].kind == MASK_PAGE_HIDDEN)
        for (int j = 0; j < l.count; ++j)
            if (l.pages[j].kind != MASK_PAGE_HIDDEN) start = j;
    l.shown_last = start;
    if (full) return;
    Set_Selected_Register_Member(start + 1);
    l.current = start;
}

// One cycle's drawing: status line, the page switch the user asked for (unless
// the caller refuses it) and the current page.
void show_cycle(Level& l)
{
    MaskRecord* m = l.mask;
    if (m->status_text)
        draw_status(m->status_text, l.help_x + l.dx + 30, l.bottom + l.dy - 26, l.confirm_x + l.dx - 20,
                    l.bottom + l.dy - 9);
    if (l.def >= 0) Change_Activity_PS(l.def, 1);
    const int buffer = pxBuff(-1);
    if (m->cycle_hook) m->cycle_hook(l.current);
    if (l.current != l.shown_last) {
        const int old = l.shown_last;
        switch_away(l, old);
        if (m->register_switch && m->register_switch(old, l.current)) {
            l.current = old;
            // The register shows the page that stays.
            if (l.reg >= 0) Set_Selected_Register_Member(old + 1);
        }
    }
    keep_off_disabled(l);
    draw_current(l);
    pxBuff(buffer);
    l.shown_last = l.current;
}

// The id of the button, register or area the user chose: the preset result
// once, else the sheet's edit.
int next_choice(MaskRecord* m)
{
    if (m->preset_result < 0) return Edit_Prop_Sheet();
    const int id = m->preset_result;
    m->preset_result = -1;
    return id;
}

// An id that is neither cancel nor confirm: the caller's button handler first,
// then a register switch or an event of a page's row table or view area.
void dispatch(Level& l, int id)
{
    MaskRecord* m = l.mask;
    if (m->button_handler) {
        Activate_Call_Allways_Function(0);
        const int handled = m->button_handler(id);
        Activate_Call_Allways_Function(g_mask_state.hover ? 1 : 0);
        if (handled) return;
    }
    if (l.registers && id >= kRegisterBase && id < kRegisterBase + 1000) {
        if (id - kRegisterBase < l.count) l.current = id - kRegisterBase;
    } else if (id >= kAreaBase && id < kAreaBase + 1000 && id - kAreaBase < l.count) {
        const int n = id - kAreaBase;
        const int row = l.row_table[size_t(n)];
        if (row >= 0 && Row_Table_Handle_Event(row) == ROW_EVENT_NOT_MINE && l.area[size_t(n)] >= 0)
            View_Area_Handle_Event(unsigned(l.area[size_t(n)]));
    }
}

// Cancel (100) and confirm (200), also as requests: 0 or 1 ends the mask, -1
// goes on with the next cycle (a veto, or a check that failed).
int finish(const Level& l, int id)
{
    const MaskRecord* m = l.mask;
    if (id == kCancel) return m->cancel_veto && m->cancel_veto() ? -1 : 0;
    if (Mask_Confirm_Level(engine().depth - 1)) return -1;
    return m->confirm_veto && m->confirm_veto() ? -1 : 1;
}

int run(MaskRecord* m, int count, MaskPage* pages, bool register_engine)
{
    Engine& e = engine();
    if (!m || !pages || count < 1) return 0;
    centre_once(e);
    Mask_Hover_Handler();
    Mask_Hover_Enter_Level();
    const int buffer = pxBuff(-1);
    const SheetFrame f = define_sheet(*m, count, register_engine);
    Level& l = build_sheet(m, count, pages, f);
    pxBuff(buffer);
    Prop_Sheet_Displacement(&l.dx, &l.dy);
    select_start_page(l, f.full);

    int result = -1;
    while (result < 0) {
        e.cancel_request = 0;
        e.confirm_request = 0;
        show_cycle(l);
        const int id = next_choice(m);
        l.origin_x = l.left + l.dx;
        l.origin_y = l.top + l.dy;
        if (id == kCancel || id == kConfirm) {
            result = finish(l, id);
            continue;
        }
        dispatch(l, id);
        if (e.cancel_request)
            result = finish(l, kCancel);
        else if (e.confirm_request)
            result = finish(l, kConfirm);
    }
    // The next mask opens where the user left this one: the drag counts once,
    // also after a cancel that was vetoed or a confirm whose check failed.
    e.centre_x += l.dx;
    e.centre_y += l.dy;
    leave(l);
    return result;
}

} // namespace

MaskRecord* Mask_Init(MaskRecord* m)
{
    if (!m) return m;
    std::memset(m, 0, sizeof *m);
    m->mode = 0;
    m->sheet_reserve = 40;
    m->height = 150;
    m->width = 200;
    m->margin_top = m->margin_bottom = m->margin_left = m->margin_right = 8;
    m->register_height = 0;
    m->register_width = 0;
    m->last_page = -1;
    m->preset_result = -1;
    return m;
}

void Mask_Init_Pages(int count, MaskPage* pages)
{
    if (!pages) return;
    for (int i = 0; i < count; ++i) {
        MaskPage& p = pages[i];
        std::memset(&p, 0, sizeof p);
        p.kind = MASK_PAGE_NORMAL;
        p.label_colour = -9;
        p.disabled_colour = -6;
        p.area_x = p.area_y = p.area_width = p.area_height = -1;
        p.scroll_x = p.scroll_y = -1;
        p.row_table_size = 0;
        p.row_table_width = -1;
        p.row_table_x = 30;
        p.row_table_y = 10;
    }
}

int Mask_Edit_Single_Page(MaskRecord* mask, MaskPage* page) { return run(mask, 1, page, false); }

int Mask_Edit_Registers(MaskRecord* mask, int count, MaskPage* pages) { return run(mask, count, pages, true); }

int Mask_Confirm_Level(int level)
{
    Engine& e = engine();
    convert_back(e.release_ints != 0);
    if (level < 0 || level >= e.depth) return 0;
    return run_checks(*e.slots[size_t(level)]);
}

int Mask_Check_All_Levels(void)
{
    Engine& e = engine();
    e.release_ints = 0;
    for (int level = e.depth - 1; level >= 0; --level) {
        convert_back(false);
        if (const int r = run_checks(*e.slots[size_t(level)])) {
            e.release_ints = 1;
            return r;
        }
    }
    e.release_ints = 1;
    return 0;
}

void Mask_Set_Page_Kind(int page, int kind)
{
    Level* l = innermost();
    if (valid_page(l, page)) l->pages[page].kind = kind;
}

int Mask_Get_Page_Kind(int page)
{
    const Level* l = innermost();
    return valid_page(l, page) ? l->pages[page].kind : -1;
}

void Mask_Select_Page(int page)
{
    Level* l = innermost();
    if (!valid_page(l, page) || page == l->current) return;
    const int old = l->current;
    l->current = page;
    if (l->reg >= 0) Set_Selected_Register_Member(page + 1);
    if (l->mask && l->mask->register_switch && l->mask->register_switch(old, page)) l->current = old;
}

int Mask_Current_Page(void)
{
    const Level* l = innermost();
    return l ? l->current : -1;
}

void Mask_Set_Row_Table_Flag(int page, int flag)
{
    Level* l = innermost();
    if (valid_page(l, page)) l->row_flag[size_t(page)] = flag;
}

void Mask_Sheet_Origin(int* x, int* y)
{
    const Level* l = innermost();
    if (!l) return;
    if (x) *x = l->origin_x;
    if (y) *y = l->origin_y;
}

int Mask_Depth(void) { return engine().depth; }

void Mask_Request_Cancel(void) { engine().cancel_request = 1; }
void Mask_Request_Confirm(void) { engine().confirm_request = 1; }
void Mask_Request_Redraw(void) { engine().redraw_request = 1; }

void Mask_Set_Cursor_To_Default(int on) { engine().cursor_to_default = on; }
void Mask_Cursor_To_Default_On(void) { engine().cursor_to_default = 1; }
void Mask_Cursor_To_Default_Off(void) { engine().cursor_to_default = 0; }

void Mask_Engine_Reset(void)
{
    Engine& e = engine();
    e.centre_set = false;
    e.sheet_centre_set = false;
    e.cancel_request = e.confirm_request = e.redraw_request = 0;
    e.cursor_to_default = 1;
    e.release_ints = 1;
    e.depth = 0;
    for (auto& slot : e.slots) slot->current = 0;
}
