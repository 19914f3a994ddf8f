// Tooltips and hover highlights of masks at every depth, driven by a scripted
// user on the 1024 x 768 screen: each mask's sheet calls the hover handler, a
// register mask shows those of the page on view, and a mask that closes gives
// the one below its own back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/mask.h"
#include "sheets/maskelem.h"
#include "sheets/maskhover.h"
#include "sheets/maskstate.h"
#include "sheets/tests/maskuser.h"
#include "sheets/tests/scrtest.h"
#include "sheets/viewarea.h"

namespace {

using maskuser::g_user;
using maskuser::idle;

struct Rect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The screen rectangle of a button, register or page area of the innermost sheet.
Rect rect_of(int id)
{
    Rect r;
    EXPECT_TRUE(Kov_Ui_Sheet_Rect(id, &r.x1, &r.y1, &r.x2, &r.y2)) << id;
    return r;
}

// The mouse to a point of page j's area (view-area coordinates, not scrolled).
void hover(int page, int x, int y)
{
    const Rect r = rect_of(2000 + page);
    Kov_Ui_Push_Move(r.x1 + x, r.y1 + y);
}

// A user moves onto a button, as a real mouse in several moves (the row
// table and then the view area each follow the mouse until a move off the
// page), then clicks it.
void click(int id)
{
    const Rect r = rect_of(id);
    const int x = (r.x1 + r.x2) / 2, y = (r.y1 + r.y2) / 2;
    for (int k = 2; k >= 0; --k) Kov_Ui_Push_Move(x - k, y);
    Kov_Ui_Push_Click(x, y);
}

// The mouse off the page area, between the title bar and the page.
void off_page()
{
    const Rect r = rect_of(2000);
    for (int k = 2; k >= 0; --k) Kov_Ui_Push_Move(r.x1 + 20, r.y1 - 20 - k);
}

// The texts written on the screen since the last look ("x y text"); the log
// starts anew.
std::vector<std::string> written()
{
    std::vector<std::string> v;
    for (const std::string& l : scrtest::calls({"pxText"})) v.push_back(l.substr(7));
    Kov_Script_Clear_Log();
    return v;
}

std::string at(int x, int y, const std::string& text)
{
    return std::to_string(x) + " " + std::to_string(y) + " " + text;
}

// Where a tooltip below a check box at (10, y) of width w writes its line,
// for page j's area: box left at the element's centre, top 5 below it.
std::string tip_line(int page, int y, int w, const std::string& text)
{
    const Rect r = rect_of(2000 + page);
    return at(r.x1 + (10 + 10 + w) / 2 + 3, r.y1 + y + 5 + 5 + 12, text);
}

std::vector<int> pixels(const Rect& r)
{
    std::vector<int> v;
    for (int y = r.y1; y <= r.y2; ++y)
        for (int x = r.x1; x <= r.x2; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

int g_value[4];
int g_width[4]; // width of each page's check box
intptr_t g_pressed = 0;

void check_box_with_tip(int slot, int y, const char* label, const char* tip)
{
    g_width[slot] = Mask_Add_Check_Box(10, y, label, &g_value[slot], nullptr);
    Mask_Set_Tooltip(tip, 1, 0);
}

void draw_outer(int, int) { check_box_with_tip(0, 20, "Aussen", "Tipp aussen"); }
void draw_first(int, int) { check_box_with_tip(1, 20, "Eins", "Tipp eins"); }
void draw_hidden(int, int) { check_box_with_tip(3, 20, "Versteckt", "Tipp versteckt"); }
void draw_third(int area, int)
{
    check_box_with_tip(2, 60, "Drei", "Tipp drei");
    Mask_Add_Hover_Text_Button(area, 120, 20, 61, 0, 0, BLACK_CI, BLACK_CI, 0, "Knopf", 9, &g_pressed, 1);
}
void draw_inner(int, int) { check_box_with_tip(3, 20, "Innen", "Tipp innen"); }

// A button "Mehr" with the id in the middle of the sheet's button row.
void more_button(int id, int x1, int x2, int y2)
{
    Add_Single_Button_to_PS((x1 + x2) / 2 - 20, y2 - 29, 1, id, "Mehr", nullptr, 0);
}
void decorate_outer(int x1, int, int x2, int y2) { more_button(7, x1, x2, y2); }
void decorate_middle(int x1, int, int x2, int y2) { more_button(8, x1, x2, y2); }

MaskRecord g_outer, g_middle, g_inner;
MaskPage g_outer_page, g_middle_pages[3], g_inner_page;

// What the middle mask saw when the inner one had returned.
struct AfterInner {
    int output_area = -2;
    int tooltip_count = -1;
    std::string first_tip;
    int hover_button_count = -1;
    bool screen_as_before = false;
} g_after_inner;
int g_middle_third_area = -1;

bool g_fixed_sheet = false; // the outer mask opens the fixed-layout register sheet instead

int outer_buttons(int id)
{
    if (id != 7) return 0;
    if (g_fixed_sheet)
        Mask_Edit_Register_Sheet(120, 260, "Fest", 3, g_middle_pages, nullptr, nullptr);
    else
        Mask_Edit_Registers(&g_middle, 3, g_middle_pages);
    return 1;
}

int middle_buttons(int id)
{
    if (id != 8) return 0;
    g_middle_third_area = Mask_Get_Output_Area();
    const Rect sheet{0, 0, NPIXEL_X - 1, NPIXEL_Y - 1};
    const std::vector<int> before = pixels(sheet);
    Mask_Edit_Single_Page(&g_inner, &g_inner_page);
    const MaskState& m = g_mask_state;
    g_after_inner.output_area = m.output_area;
    g_after_inner.tooltip_count = m.tooltip_count;
    g_after_inner.first_tip = m.tooltip_count > 0 ? m.tooltips[0].lines[0] : "";
    g_after_inner.hover_button_count = m.hover_button_count;
    g_after_inner.screen_as_before = pixels(sheet) == before;
    return 1;
}

class NestedHover : public testing::Test {
protected:
    void SetUp() override
    {
        maskuser::start();
        std::memset(g_value, 0, sizeof g_value);
        std::memset(g_width, 0, sizeof g_width);
        g_after_inner = AfterInner{};
        g_middle_third_area = -1;
        g_fixed_sheet = false;

        Mask_Init(&g_outer);
        g_outer.decorate = decorate_outer;
        g_outer.button_handler = outer_buttons;
        Mask_Init_Pages(1, &g_outer_page);
        g_outer_page.draw = draw_outer;

        Mask_Init(&g_middle);
        g_middle.width = 260;
        g_middle.height = 120;
        g_middle.decorate = decorate_middle;
        g_middle.button_handler = middle_buttons;
        Mask_Init_Pages(3, g_middle_pages);
        std::strcpy(g_middle_pages[0].label, "Eins");
        std::strcpy(g_middle_pages[1].label, "Versteckt");
        std::strcpy(g_middle_pages[2].label, "Drei");
        g_middle_pages[0].draw = draw_first;
        g_middle_pages[1].draw = draw_hidden;
        g_middle_pages[1].kind = MASK_PAGE_HIDDEN;
        g_middle_pages[2].draw = draw_third;

        Mask_Init(&g_inner);
        g_inner.width = 150;
        g_inner.height = 80;
        g_inner.mode = 7; // no confirm button (the stand-in's is wider than the engine's row allows for)
        Mask_Init_Pages(1, &g_inner_page);
        g_inner_page.draw = draw_inner;
    }
    void TearDown() override { maskuser::finish(); }
};

} // namespace

TEST_F(NestedHover, EveryMaskShowsItsOwnTooltipsAndTheOneBelowGetsItsBack)
{
    std::vector<std::string> seen; // all tooltip and highlight texts, to look for strays
    auto look = [&seen] {
        std::vector<std::string> w = written();
        seen.insert(seen.end(), w.begin(), w.end());
        return w;
    };
    auto shows = [&](const std::string& line) {
        const std::vector<std::string> w = look();
        EXPECT_NE(std::find(w.begin(), w.end(), line), w.end()) << line;
    };
    auto shows_no_tip = [&] {
        for (const std::string& l : look()) EXPECT_EQ(l.find("Tipp"), std::string::npos) << l;
    };
    g_user = {
        // Depth 1.
        [] {
            written();
            hover(0, 15, 15);
        },
        [&] {
            shows(tip_line(0, 20, g_width[0], "Tipp aussen"));
            click(7);
        },
        // Depth 2, a register mask on its first page.
        [] {
            written();
            hover(0, 15, 15);
        },
        [&] {
            shows(tip_line(0, 20, g_width[1], "Tipp eins"));
            click(1002);
        },
        // The third page is on view: where the first page's element was, nothing.
        [&] {
            shows_no_tip();
            hover(2, 15, 15);
        },
        [&] {
            shows_no_tip();
            hover(2, 15, 55);
        },
        [&] {
            shows(tip_line(2, 60, g_width[2], "Tipp drei"));
            hover(2, 150, 30);
        },
        // The hover text button: its text written bold (twice, one pixel apart).
        [&] {
            const std::vector<std::string> w = look();
            ASSERT_EQ(w.size(), 2u);
            int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            char t1[16] = "", t2[16] = "";
            ASSERT_EQ(std::sscanf(w[0].c_str(), "%d %d %15s", &x1, &y1, t1), 3);
            ASSERT_EQ(std::sscanf(w[1].c_str(), "%d %d %15s", &x2, &y2, t2), 3);
            EXPECT_STREQ(t1, "Knopf");
            EXPECT_STREQ(t2, "Knopf");
            EXPECT_EQ(x2, x1 + 1);
            EXPECT_EQ(y2, y1);
            const Rect r = rect_of(2002);
            EXPECT_EQ(y1, r.y1 + 20 + 14);
            EXPECT_GT(x1, r.x1 + 120);
            EXPECT_LT(x1, r.x1 + 180);
            click(8);
        },
        // Depth 3.
        [] {
            written();
            hover(0, 15, 15);
        },
        [&] {
            shows(tip_line(0, 20, g_width[3], "Tipp innen"));
            click(100);
        },
        // Back at depth 2: the third page's tooltip again, where that sheet is.
        [] {
            written();
            hover(2, 15, 55);
        },
        [&] {
            shows(tip_line(2, 60, g_width[2], "Tipp drei"));
            click(100);
        },
        // Back at depth 1.
        [] {
            written();
            hover(0, 15, 15);
        },
        [&] {
            shows(tip_line(0, 20, g_width[0], "Tipp aussen"));
            click(100);
        },
    };
    EXPECT_EQ(Mask_Edit_Single_Page(&g_outer, &g_outer_page), 0);
    EXPECT_TRUE(g_user.empty()) << g_user.size() << " steps left";
    EXPECT_EQ(Mask_Depth(), 0);
    for (const std::string& l : seen) EXPECT_EQ(l.find("versteckt"), std::string::npos) << l;

    // When the inner mask had returned, the middle one had its page's lists
    // and output area back, and the screen was as before the inner mask.
    EXPECT_EQ(g_after_inner.output_area, g_middle_third_area);
    EXPECT_EQ(g_after_inner.tooltip_count, 1);
    EXPECT_EQ(g_after_inner.first_tip, "Tipp drei");
    EXPECT_EQ(g_after_inner.hover_button_count, 1);
    EXPECT_TRUE(g_after_inner.screen_as_before);
}

TEST_F(NestedHover, APageDrawnAnewUnderItsTooltipKeepsItsNewLook)
{
    // The tooltip of the check box lies over the line below it; a click on
    // the box changes that line. When the mouse leaves, the page must show
    // the new line, not the pixels saved under the box before the click.
    static const char* line[2] = {"aus", "an"};
    g_outer_page.draw = [](int, int) {
        check_box_with_tip(0, 20, "Schalter", "Tipp\nzweite Zeile");
        Mask_Add_Label(60, 40, line[g_value[0] ? 1 : 0], nullptr);
    };
    std::vector<int> after_click, redrawn;
    const Rect page_rect{0, 0, NPIXEL_X - 1, NPIXEL_Y - 1};
    g_user = {
        [] { hover(0, 25, 15); },
        [] {
            const Rect r = rect_of(2000);
            Kov_Ui_Push_Click(r.x1 + 25, r.y1 + 15); // on the check box, under its tooltip
        },
        [] { off_page(); },
        [&] {
            EXPECT_EQ(g_value[0], 1);
            after_click = pixels(page_rect);
            hover(0, 150, 100); // an empty place of the page: a click there draws it anew
        },
        [] {
            const Rect r = rect_of(2000);
            Kov_Ui_Push_Click(r.x1 + 150, r.y1 + 100);
        },
        [] { off_page(); },
        [&] {
            redrawn = pixels(page_rect);
            click(100);
        },
    };
    EXPECT_EQ(Mask_Edit_Single_Page(&g_outer, &g_outer_page), 0);
    EXPECT_TRUE(g_user.empty()) << g_user.size() << " steps left";
    ASSERT_FALSE(after_click.empty());
    EXPECT_TRUE(after_click == redrawn);
}

TEST_F(NestedHover, TheFixedLayoutRegisterSheetShowsTheTooltipsOfItsPageOnView)
{
    g_fixed_sheet = true;
    auto shows = [](const std::string& line) {
        const std::vector<std::string> w = written();
        EXPECT_NE(std::find(w.begin(), w.end(), line), w.end()) << line;
    };
    g_user = {
        [] { click(7); },
        [] {
            written();
            hover(0, 15, 15);
        },
        [&] {
            shows(tip_line(0, 20, g_width[1], "Tipp eins"));
            click(1002);
        },
        [] {
            written();
            hover(2, 15, 55);
        },
        [&] {
            shows(tip_line(2, 60, g_width[2], "Tipp drei"));
            click(1); // the fixed sheet's cancel button
        },
        [] {
            written();
            hover(0, 15, 15);
        },
        [&] {
            shows(tip_line(0, 20, g_width[0], "Tipp aussen"));
            click(100);
        },
    };
    EXPECT_EQ(Mask_Edit_Single_Page(&g_outer, &g_outer_page), 0);
    EXPECT_TRUE(g_user.empty()) << g_user.size() << " steps left";
}
