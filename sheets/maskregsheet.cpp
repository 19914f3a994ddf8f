// The fixed-layout register sheet: a mask engine without a MaskRecord, on the
// machinery of the other engines (maskenginepriv.h).
//
// Layout, for one page / for more pages: inner margin m 7 / 10, side inset s
// 14 / 20, title bar T 35 / 40, register bar R 0 / 30, bottom B 30 / 35, extra
// height E 7 / 40. The sheet is W = w + 2m wide with w = min(width, screen
// width - s - 30) + 2m, and H = E + h + m + T + B high with h = min(height,
// screen height - T - B - R - 45). The page areas reach from s inside the
// sheet's sides, from T + R + m below its top to B + m above its bottom.
//
// Result ids: 1 cancel, 2 confirm, 1000 + j register j, 2000 + j the page area
// of page j.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/mask.h"
#include "sheets/maskenginepriv.h"
#include "sheets/maskhover.h"
#include "sheets/maskstate.h"
#include "sheets/rowtable.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"

using namespace maskengine;

namespace {

const int kCancel = 1;
const int kConfirm = 2;

struct Layout {
    int m, s, T, R, B, E;
};

int member_state(int kind) { return kind == MASK_PAGE_DISABLED ? -1 : 1; }

// The page to show instead of a disabled current page: the nearest selectable
// one before it, else the nearest after it; the page itself when none is.
int replacement(const Level& l, int j)
{
    for (int k = j - 1; k >= 0; --k)
        if (l.pages[k].kind != MASK_PAGE_DISABLED) return k;
    for (int k = j + 1; k < l.count; ++k)
        if (l.pages[k].kind != MASK_PAGE_DISABLED) return k;
    return j;
}

bool kinds_changed(const Level& l, const std::vector<int>& applied)
{
    for (int j = 0; j < l.count; ++j)
        if (l.pages[j].kind != applied[size_t(j)]) return true;
    return false;
}

// The registers follow the pages' kinds: off a disabled current page, each
// member's activity as its kind, and the labels of the pages not shown drawn
// again where the sheet is now.
void apply_kinds(Level& l, std::vector<int>& applied)
{
    if (l.reg < 0) return;
    if (l.pages[l.current].kind == MASK_PAGE_DISABLED) {
        const int to = replacement(l, l.current);
        if (to != l.current) {
            l.current = to;
            Set_Selected_Register_Member(to + 1);
        }
    }
    for (int j = 0; j < l.count; ++j) {
        const int kind = l.pages[j].kind;
        if (kind == applied[size_t(j)]) continue;
        if (l.member[size_t(j)] >= 0) Change_Activity_PS(l.member[size_t(j)], member_state(kind));
        applied[size_t(j)] = kind;
    }
    for (int j = 0; j < l.count; ++j) {
        if (j == l.current) continue;
        const MaskPage& p = l.pages[j];
        draw_labels_in_colour(p, l.bar_left + 8 + j * (l.tab + 1), l.bar_bottom,
                              p.kind == MASK_PAGE_DISABLED ? p.disabled_colour : p.label_colour, l.dx, l.dy);
    }
}

void build_register(Level& l, const Layout& k, int w, std::vector<int>& applied)
{
    const int bar_top = l.top + k.T;
    const int bar_right = l.right - k.m;
    l.bar_left = l.left + k.m;
    l.bar_bottom = bar_top + k.R;
    l.tab = (w - (l.count - 1)) / l.count;
    pxFgc(GetKOVColor(-1));
    pxRect(l.bar_left, bar_top, bar_right, l.bar_bottom);
    for (int j = 0; j < l.count; ++j)
        draw_labels_in_colour(l.pages[j], l.bar_left + 8 + j * (l.tab + 1), l.bar_bottom, l.pages[j].label_colour, 0,
                              0);
    l.reg = Add_Register_to_PS(l.bar_left, bar_top, bar_right, l.bottom - k.B, l.bar_bottom);
    for (int j = 0; j < l.count; ++j) {
        const int x1 = l.bar_left + j * (l.tab + 1);
        const int x2 = j == l.count - 1 ? bar_right : x1 + l.tab;
        const int kind = l.pages[j].kind;
        l.member[size_t(j)] = Add_Member_to_Register(l.reg, x1, x2, member_state(kind), kRegisterBase + j);
        applied[size_t(j)] = kind;
    }
}

} // namespace

int Mask_Edit_Register_Sheet(int height, int width, const char* title, int count, MaskPage* pages,
                             void (*status_text)(char* buffer), const char* help_key)
{
    if (count < 1 || !pages) return 0;
    Engine& e = engine();
    if (!e.sheet_centre_set) {
        e.sheet_centre_set = true;
        e.sheet_centre_x = NPIXEL_X / 2;
        e.sheet_centre_y = NPIXEL_Y / 2;
    }
    Mask_Hover_Handler();
    Mask_Hover_Enter_Level();
    int buffer = pxBuff(-1);
    const bool more = count > 1;
    const Layout k = more ? Layout{10, 20, 40, 30, 35, 40} : Layout{7, 14, 35, 0, 30, 7};
    // A negative size asks for nothing: the sheet keeps its frame and buttons.
    const int w = std::min(std::max(width, 0), NPIXEL_X - k.s - 30) + 2 * k.m;
    const int W = w + 2 * k.m;
    const int h = std::min(std::max(height, 0), NPIXEL_Y - k.T - k.B - k.R - 45);
    const int H = k.E + h + k.m + k.T + k.B;
    int left = e.sheet_centre_x - W / 2;
    int right = left + W - 1;
    int top = e.sheet_centre_y - H / 2;
    int bottom = top + H - 1;
    Check_Prop_Sheet_Frames(&left, &top, &right, &bottom);
    e.sheet_centre_x = left + W / 2;
    e.sheet_centre_y = top + H / 2;
    Define_Prop_Sheet(left, top, right, bottom, 1, 0, title ? title : "", 140, 1);

    const int kept = kept_page(e.depth);
    Level& l = push_level(nullptr, count, pages, left, top, right, bottom);
    l.registers = more;
    std::vector<int> applied(size_t(count), MASK_PAGE_NORMAL);
    if (more) {
        build_register(l, k, w, applied);
        l.current = std::min(std::max(kept, 0), count - 1);
        l.shown_last = l.current;
        if (l.reg >= 0) Set_Selected_Register_Member(l.current + 1);
    }
    for (int j = 0; j < count; ++j)
        if (pages[j].draw)
            open_page_area(l, j, left + k.s, top + k.T + k.R + k.m, right - k.s, bottom - k.B - k.m, true);
    join_register_to_page(l);

    const int by = bottom - 29;
    const int cancel = add_button(left + k.m - 3, by, kCancel, nullptr, SYMBOLIC_BREAK_RASTER, "abbrechen");
    l.help_x = status_text ? left + k.m + 30 : (left + right) / 2;
    const int help = Add_Help_to_PS(l.help_x, by, 1, 0, 0, help_key ? help_key : "");
    if (help >= 0) Set_Comment_to_Button_PS(help, "Hilfe");
    l.confirm_x = right - k.m - 20;
    add_button(l.confirm_x, by, kConfirm, nullptr, SYMBOLIC_OK_RASTER, "bestätigen");
    l.def = cancel;

    for (int j = 0; j < count; ++j)
        if (pages[j].init_hook) pages[j].init_hook(l.row_table[size_t(j)]);
    if (cancel >= 0) Move_Mouse_Cursor_to_Button_of_PS(cancel, 0, 0);
    Activate_Prop_Sheet();
    pxBuff(buffer);
    Prop_Sheet_Displacement(&l.dx, &l.dy);

    int result = -1;
    while (result < 0) {
        e.cancel_request = 0;
        e.confirm_request = 0;
        if (status_text)
            draw_status(status_text, l.help_x + 30 + l.dx, bottom - 26 + l.dy, right - k.m - 40 + l.dx,
                        bottom - 9 + l.dy);
        buffer = pxBuff(-1);
        // A drawing that disables a page (its own, say) is followed before the
        // user acts; a callback that keeps changing the kinds gets no more
        // drawings than there are pages.
        for (int pass = 0;; ++pass) {
            if (more) apply_kinds(l, applied);
            if (l.current != l.shown_last) switch_away(l, l.shown_last);
            draw_current(l);
            l.shown_last = l.current;
            if (!more || pass >= count || !kinds_changed(l, applied)) break;
        }
        pxBuff(buffer);

        const int id = Edit_Prop_Sheet();
        l.origin_x = l.left + l.dx;
        l.origin_y = l.top + l.dy;
        if (id == kCancel) {
            result = 0;
        } else if (id == kConfirm) {
            if (!Mask_Confirm_Level(e.depth - 1)) result = 1;
        } else if (more && id >= kRegisterBase && id < kRegisterBase + count) {
            l.current = id - kRegisterBase;
        } else if (id >= kAreaBase && id < kAreaBase + count) {
            const int n = id - kAreaBase;
            const int row = l.row_table[size_t(n)];
            if (row >= 0 && Row_Table_Handle_Event(row) == ROW_EVENT_NOT_MINE && l.area[size_t(n)] >= 0)
                View_Area_Handle_Event(unsigned(l.area[size_t(n)]));
        }
    }
    // Moved once, by where the user left the sheet: a refused confirm does not
    // count the drag twice.
    e.sheet_centre_x += l.dx;
    e.sheet_centre_y += l.dy;
    leave(l);
    return result;
}
