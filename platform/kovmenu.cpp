// Popup menus and the symbol sheet of the host's user-interface library on the
// screen stand-in.
#include "platform/kovmenu.h"

#include "platform/kovevent.h"
#include "platform/kovhost.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscreen_p.h"
#include "platform/kovscript.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int kRow = 18; // height of an entry
const int kPad = 2;  // frame around the entries
const int kMaxEntries = 64;
const int kMaxDepth = 8; // sub-menus that refer back to their parents end here
const int kFont = 0x1000;

struct Plain {
    kovscreen::DrawState keep;
    Plain() : keep(kovscreen::push_plain_state()) {}
    ~Plain() { kovscreen::pop_state(keep); }
};

int count_of(const KovMenu* m)
{
    if (!m || !m->entries || m->count <= 0) return 0;
    return std::min(m->count, kMaxEntries);
}

const char* text_of(const KovMenuEntry& e) { return e.text ? e.text : ""; }

bool choosable(const KovMenuEntry& e) { return e.enabled != 0; }

struct Level {
    const KovMenu* menu = nullptr;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int marked = -1;
    bool subs = false; // some entry has a sub-menu: room for its mark
    QImage below;

    int count() const { return count_of(menu); }
    const KovMenuEntry& entry(int i) const { return menu->entries[i]; }
    bool inside(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
    int top_of(int i) const { return y1 + kPad + i * kRow; }
    // The entry under the point, -1 for none.
    int at(int x, int y) const
    {
        if (!inside(x, y) || y < y1 + kPad) return -1;
        const int i = (y - y1 - kPad) / kRow;
        return i < count() ? i : -1;
    }
};

class Menus {
public:
    explicit Menus(const KovMenu* root) { open(root, M_XPOS, M_YPOS, -1); }
    ~Menus() { close_to(0); }

    // Returns the chosen entry (nullptr: the menu was left without choice).
    const KovMenuEntry* run()
    {
        KovMessage m;
        for (;;) {
            InitKOVMessage(&m);
            const int r = GetKOVMessage(0x14022, &m);
            if (r == 0x10000) {
                const int k = getkey();
                if (k == 27) return nullptr;
                const KovMenuEntry* chosen = nullptr;
                if (key(k, &chosen)) return chosen;
                continue;
            }
            if (r != 2) continue;
            if (Kov_Ui_Last_Answer_Exhausted()) return nullptr;
            const int kind = Kov_Ui_Last_Mouse_Event();
            if (kind == KOV_EV_WHEEL) {
                M_SCROLL = 0;
                continue;
            }
            if (kind == KOV_EV_MOVE) {
                hover(M_XPOS, M_YPOS);
                continue;
            }
            if (kind != KOV_EV_PRESS) continue;
            const KovMenuEntry* chosen = nullptr;
            const bool done = press(M_XPOS, M_YPOS, &chosen);
            wait_release();
            if (done) return chosen;
        }
    }

private:
    std::vector<Level> levels_;

    void draw(const Level& l)
    {
        {
            Plain p;
            pxFgc(MENUE_CI);
            pxRect(l.x1, l.y1, l.x2, l.y2);
            pxFgc(-5);
            pxLine(l.x1, l.y1, l.x2, l.y1);
            pxLine(l.x2, l.y1, l.x2, l.y2);
            pxLine(l.x2, l.y2, l.x1, l.y2);
            pxLine(l.x1, l.y2, l.x1, l.y1);
            Pop_RFont(kFont);
            for (int i = 0; i < l.count(); ++i) {
                const KovMenuEntry& e = l.entry(i);
                const int top = l.top_of(i);
                const bool marked = i == l.marked && choosable(e);
                if (marked) {
                    pxFgc(Nearest_RGB_Color(0, 120, 215));
                    pxRect(l.x1 + kPad, top, l.x2 - kPad, top + kRow - 1);
                }
                pxFgc(marked ? WHITE_CI : (choosable(e) ? BLACK_CI : -10));
                pxView(l.x1 + kPad, top, l.x2 - (l.subs ? 14 : 2), top + kRow - 1);
                pxText(l.x1 + 8, top + 13, text_of(e), -1);
                pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
                if (e.sub) {
                    const int cx = l.x2 - 10, cy = top + kRow / 2;
                    const int xs[] = {cx - 2, cx - 2, cx + 2}, ys[] = {cy - 4, cy + 4, cy};
                    pxFill(3, xs, ys);
                }
            }
            Push_RFont();
        }
        pxFlsh();
    }

    // Opens a menu level at (x, y), or beside the entry `from` of the level
    // below when from >= 0.
    void open(const KovMenu* menu, int x, int y, int from)
    {
        if (int(levels_.size()) >= kMaxDepth || count_of(menu) == 0) return;
        Level l;
        l.menu = menu;
        size_t longest = size_t(std::max(0, std::min(menu->length, 200)));
        bool subs = false;
        for (int i = 0; i < l.count(); ++i) {
            longest = std::max(longest, std::strlen(text_of(l.entry(i))));
            subs = subs || l.entry(i).sub;
        }
        const int w =
            std::min(NPIXEL_X - 1, std::max(60, int(std::min<size_t>(longest, 120)) * 8 + 16 + (subs ? 14 : 0)));
        const int h = std::min(NPIXEL_Y - 1, l.count() * kRow + 2 * kPad);
        if (from >= 0 && !levels_.empty()) {
            const Level& p = levels_.back();
            x = p.x2 - 3;
            y = p.top_of(from) - kPad;
            if (x + w >= NPIXEL_X) x = p.x1 - w + 3; // no room on the right: left of it
        }
        x = std::max(0, std::min(x, NPIXEL_X - 1 - w));
        y = std::max(0, std::min(y, NPIXEL_Y - 1 - h));
        l.subs = subs;
        l.x1 = x;
        l.y1 = y;
        l.x2 = x + w;
        l.y2 = y + h;
        l.below = kovscreen::copy_region(l.x1, l.y1, w + 1, h + 1);
        levels_.push_back(l);
        draw(levels_.back());
    }

    // Closes the levels from index n on.
    void close_to(size_t n)
    {
        bool any = false;
        while (levels_.size() > n) {
            kovscreen::paste_region(levels_.back().below, levels_.back().x1, levels_.back().y1);
            levels_.pop_back();
            any = true;
        }
        if (any) pxFlsh();
    }

    // The deepest level that holds the point, -1 for none.
    int level_at(int x, int y) const
    {
        for (int k = int(levels_.size()) - 1; k >= 0; --k)
            if (levels_[size_t(k)].inside(x, y)) return k;
        return -1;
    }

    // Marks entry i of level k, closing the menus above unless they are its
    // own sub-menu; open_sub opens that (the mouse does, the arrow keys do not).
    void mark(int k, int i, bool open_sub)
    {
        const bool open_now = int(levels_.size()) > k + 1 && levels_[size_t(k)].marked == i;
        if (!open_now) close_to(size_t(k) + 1);
        Level& l = levels_[size_t(k)];
        if (l.marked != i) {
            l.marked = i;
            draw(l);
        }
        if (open_sub && !open_now && i >= 0 && choosable(l.entry(i)) && l.entry(i).sub) open(l.entry(i).sub, 0, 0, i);
    }

    void hover(int x, int y)
    {
        const int k = level_at(x, y);
        if (k < 0) return;
        const int i = levels_[size_t(k)].at(x, y);
        if (i >= 0) mark(k, i, true);
    }

    // 1 when the menu ends: chosen entry, or a press outside (nullptr).
    bool press(int x, int y, const KovMenuEntry** chosen)
    {
        const int k = level_at(x, y);
        if (k < 0) return true;
        const int i = levels_[size_t(k)].at(x, y);
        if (i < 0) return false;
        return choose(k, i, chosen);
    }

    bool choose(int k, int i, const KovMenuEntry** chosen)
    {
        const KovMenuEntry& e = levels_[size_t(k)].entry(i);
        if (!choosable(e)) return false;
        if (e.sub) {
            mark(k, i, true);
            return false;
        }
        *chosen = &e;
        return true;
    }

    // The marked entry's step among the choosable entries of the level.
    void step(Level& l, int dir)
    {
        const int n = l.count();
        int i = l.marked;
        for (int t = 0; t < n; ++t) {
            i = i < 0 ? (dir > 0 ? 0 : n - 1) : (i + dir + n) % n;
            if (choosable(l.entry(i))) break;
        }
        if (i >= 0 && choosable(l.entry(i))) mark(int(levels_.size()) - 1, i, false);
    }

    // 1 when the key ends the menu with *chosen.
    bool key(int k, const KovMenuEntry** chosen)
    {
        const int top = int(levels_.size()) - 1;
        Level& l = levels_.back();
        switch (k) {
            case 328: step(l, -1); break;
            case 336: step(l, 1); break;
            case 333: // Right
                if (l.marked >= 0 && choosable(l.entry(l.marked)) && l.entry(l.marked).sub) {
                    if (int(levels_.size()) == top + 1) open(l.entry(l.marked).sub, 0, 0, l.marked);
                    if (int(levels_.size()) > top + 1) step(levels_.back(), 1);
                }
                break;
            case 331: // Left
                if (top > 0) close_to(size_t(top));
                break;
            case 13:
                if (l.marked >= 0) {
                    if (choose(top, l.marked, chosen)) return true;
                    if (int(levels_.size()) > top + 1 && levels_.back().marked < 0) step(levels_.back(), 1);
                }
                break;
            case 315: // F1
                if (l.marked >= 0 && l.entry(l.marked).help && *l.entry(l.marked).help)
                    Helpview(l.entry(l.marked).help);
                break;
            default: break;
        }
        return false;
    }

    static void wait_release()
    {
        while (M_LEFT || M_RIGHT) {
            Get_Mouse_Event();
            if (Kov_Ui_Last_Answer_Exhausted()) break;
        }
    }
};

const unsigned char kSymbols[] = {
    0xBA, // alpha
    0xBB, // beta
    0xC0, // gamma
    0xA3, // Delta
    0xBE, // epsilon
    0xC1, // eta
    0xB0, // theta
    0xC5, // lambda
    0xC6, // mu
    0xC7, // nu
    0xCB, // rho
    0xBC, // chi
    0xB8, // psi
    0xFD, // superscript two
    0xFA, // superscript three
    0xF8, // degree
    0xF1, // plus-minus
    0x89, // per mille
    0xF3, // less or equal
    0xF2, // greater or equal
    0x8C, // diameter
};
const int kSymbolCount = int(sizeof kSymbols);
const int kColumns = 7;
const int kCell = 30;
const int kCancel = -1;

bool is_symbol(int r)
{
    for (unsigned char c : kSymbols)
        if (r == c) return true;
    return false;
}

} // namespace

extern "C" {

int Menue_Manager(const KovMenu* menu)
{
    if (count_of(menu) == 0) {
        Kov_Script_Log("Menue_Manager -> 0 (empty)");
        return 0;
    }
    const KovMenuEntry* chosen = nullptr;
    {
        Menus m(menu);
        chosen = m.run();
    } // closed: the screen is as before when the action runs
    Kov_Script_Log("Menue_Manager -> %s", chosen ? kovscreen::text_of(text_of(*chosen), -1).c_str() : "none");
    if (!chosen) return 0;
    if (chosen->action) chosen->action();
    return 1;
}

int Get_UserSelected_SpecialCharacter(void)
{
    const int rows = (kSymbolCount + kColumns - 1) / kColumns;
    const int w = kColumns * kCell + 20, h = 33 + rows * kCell + 48;
    int x1 = M_XPOS, y1 = M_YPOS, x2 = x1 + w - 1, y2 = y1 + h - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Sonderzeichen", kSymbolCount + 2, 1);
    {
        Plain p;
        for (int i = 0; i < kSymbolCount; ++i) {
            const int cx = x1 + 10 + (i % kColumns) * kCell, cy = y1 + 33 + (i / kColumns) * kCell;
            Draw_Funny_Area_to_PS(2, cx, cy, cx + kCell - 3, cy + kCell - 3, 0);
            pxFgc(BLACK_CI);
            Pop_RFont(0x11000);
            const char text[2] = {char(kSymbols[i]), 0};
            pxBTxt(cx, cy, cx + kCell - 3, cy + kCell - 3, text, 1, 0xC0 + 2 + 0x10);
            Push_RFont();
            Add_Escape_Area_to_PS(cx, cy, cx + kCell - 3, cy + kCell - 3, 1, kSymbols[i]);
        }
    }
    const int cancel = Add_Single_Button_to_PS(x2 - 46, y2 - 34, 1, kCancel, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    Set_Comment_to_Button_PS(cancel, "abbrechen");
    Set_Windows_Break_Button(kCancel);
    Set_ClickOutsideEvent_to_PS(kCancel);
    Activate_Prop_Sheet();
    int r;
    for (;;) {
        r = Edit_Prop_Sheet();
        if (r == kCancel || is_symbol(r)) break;
    }
    // The press that chose stays in the mouse words; its release is not the caller's.
    while (M_LEFT) {
        Get_Mouse_Event();
        if (Kov_Ui_Last_Answer_Exhausted()) break;
    }
    Undefine_Prop_Sheet();
    Kov_Script_Log("Get_UserSelected_SpecialCharacter -> %d", r);
    return r;
}

int Kov_Special_Characters(const unsigned char** bytes)
{
    if (bytes) *bytes = kSymbols;
    return kSymbolCount;
}

} // extern "C"
