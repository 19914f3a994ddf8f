// The fixed-layout register sheet on the scripted 1024 x 768 screen: its
// geometry from the call log, its cycle driven by a scripted user.
#include <gtest/gtest.h>

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

using maskuser::click;
using maskuser::click_id;
using maskuser::g_user;
using maskuser::idle;

// Notes the current page, then presses Escape.
std::function<void()> note_and_escape(std::vector<int>* seen)
{
    return [seen] {
        seen->push_back(Mask_Current_Page());
        Kov_Ui_Push_Key(27);
    };
}

using maskuser::has_line;

using maskuser::lines_with;

int count_of(const std::string& line)
{
    int n = 0;
    for (int i = 0; i < Kov_Script_Log_Count(); ++i)
        if (line == Kov_Script_Log_Line(i)) ++n;
    return n;
}

// The pages drawn, in order, as the engine's current page while drawing.
std::vector<int> g_drawn;

void draw_page(int, int)
{
    g_drawn.push_back(Mask_Current_Page());
    Mask_Add_Label(10, 20, "Seite", nullptr);
}

class RegisterSheet : public testing::Test {
protected:
    void SetUp() override
    {
        maskuser::start();
        g_drawn.clear();
        Mask_Init_Pages(3, pages);
        for (MaskPage& p : pages) p.draw = draw_page;
        std::strcpy(pages[0].label, "Eins");
        std::strcpy(pages[1].label, "Zwei");
        std::strcpy(pages[2].label, "Drei");
    }
    void TearDown() override { maskuser::finish(); }
    int open(int count, void (*status)(char*) = nullptr)
    {
        return Mask_Edit_Register_Sheet(200, 300, "Titel", count, pages, status, "BLATT");
    }
    MaskPage pages[3];
};

// Two pages 300 x 200, worked by hand: m 10, s 20, T 40, R 30, B 35, E 40.
// w = min(300, 1024 - 20 - 30) + 20 = 320, W = 340; h = min(200, 768 - 40 - 35
// - 30 - 45) = 200, H = 40 + 200 + 10 + 40 + 35 = 325. Left 512 - 170 = 342,
// right 681, top 384 - 162 = 222, bottom 546. Tab t = (320 - 1) / 2 = 159:
// members 352-511 and 512-671. Page areas (362, 302)-(661, 501). Buttons at
// 546 - 29 = 517: cancel 342 + 10 - 3 = 349, help (342 + 681) / 2 = 511,
// confirm 681 - 10 - 20 = 651.
TEST_F(RegisterSheet, TwoPageGeometry)
{
    EXPECT_EQ(open(2), 0);
    EXPECT_TRUE(has_line("Define_Prop_Sheet 342 222 681 546 1 0 Titel 140 1"));
    EXPECT_TRUE(has_line("pxRect 352 262 671 292"));
    EXPECT_TRUE(has_line("Add_Register_to_PS 352 262 671 511 292"));
    const std::vector<std::string> members = lines_with("Add_Member_to_Register");
    ASSERT_EQ(members.size(), 2u);
    EXPECT_NE(members[0].find(" 352 511 1 1000"), std::string::npos) << members[0];
    EXPECT_NE(members[1].find(" 512 671 1 1001"), std::string::npos) << members[1];
    // Labels at x = 352 + 8 + j x 160, 10 above the bar's bottom.
    EXPECT_TRUE(has_line("pxText 360 282 Eins"));
    EXPECT_TRUE(has_line("pxText 520 282 Zwei"));
    EXPECT_TRUE(has_line("Add_Escape_Area_to_PS 362 302 661 501 0 2000"));
    EXPECT_TRUE(has_line("Add_Escape_Area_to_PS 362 302 661 501 0 2001"));
    EXPECT_EQ(
        lines_with("Add_Single_Button_to_PS"),
        (std::vector<std::string>{"Add_Single_Button_to_PS 349 517 1 1  0", "Add_Single_Button_to_PS 651 517 1 2  0"}));
    EXPECT_TRUE(has_line("Add_Help_to_PS 511 517 1 0 0 BLATT"));
    const std::vector<std::string> comments = lines_with("Set_Comment_to_Button_PS");
    ASSERT_EQ(comments.size(), 3u);
    EXPECT_NE(comments[0].find(" abbrechen"), std::string::npos);
    EXPECT_NE(comments[1].find(" Hilfe"), std::string::npos);
    EXPECT_NE(comments[2].find(std::string(" best") + "\x84" + "tigen"), std::string::npos);
    EXPECT_EQ(lines_with("Move_Mouse_Cursor_to_Button_of_PS").size(), 1u);
    EXPECT_EQ(g_drawn, (std::vector<int>{0}));
    EXPECT_EQ(Mask_Depth(), 0);
    EXPECT_EQ(g_mask_state.page_area_count, 0);
    EXPECT_EQ(g_mask_state.hover, 0);
    EXPECT_EQ(Mask_Registration_Levels(), 1);
}

// One page 300 x 200: m 7, s 14, T 35, R 0, B 30, E 7. w = 300 + 14 = 314,
// W = 328; H = 7 + 200 + 7 + 35 + 30 = 279. Left 512 - 164 = 348, right 675,
// top 384 - 139 = 245, bottom 523. Page area (362, 287)-(661, 486); buttons at
// 494: cancel 352, help (348 + 675) / 2 = 511, confirm 675 - 27 = 648.
TEST_F(RegisterSheet, OnePageHasNoRegister)
{
    pages[0].kind = MASK_PAGE_DISABLED; // alone it is shown all the same
    EXPECT_EQ(open(1), 0);
    EXPECT_TRUE(has_line("Define_Prop_Sheet 348 245 675 523 1 0 Titel 140 1"));
    EXPECT_TRUE(has_line("Add_Escape_Area_to_PS 362 287 661 486 0 2000"));
    EXPECT_EQ(
        lines_with("Add_Single_Button_to_PS"),
        (std::vector<std::string>{"Add_Single_Button_to_PS 352 494 1 1  0", "Add_Single_Button_to_PS 648 494 1 2  0"}));
    EXPECT_TRUE(has_line("Add_Help_to_PS 511 494 1 0 0 BLATT"));
    EXPECT_TRUE(lines_with("Add_Register_to_PS").empty());
    EXPECT_TRUE(lines_with("Add_Member_to_Register").empty());
    EXPECT_EQ(g_drawn, (std::vector<int>{0}));
}

// With a status line the help button moves to 342 + 10 + 30 = 382; the line
// runs from 382 + 30 = 412 to 681 - 10 - 40 = 631, from 546 - 26 = 520 to
// 546 - 9 = 537.
TEST_F(RegisterSheet, StatusLineBesideTheHelpButton)
{
    static int calls;
    calls = 0;
    open(2, [](char* b) {
        ++calls;
        std::memset(b, 'x', 200); // no terminator of its own
    });
    EXPECT_TRUE(has_line("Add_Help_to_PS 382 517 1 0 0 BLATT"));
    EXPECT_TRUE(has_line("Draw_Funny_Area_to_PS 1 412 520 631 537 0"));
    EXPECT_EQ(calls, 1);
}

TEST_F(RegisterSheet, NothingToShow)
{
    EXPECT_EQ(Mask_Edit_Register_Sheet(200, 300, "T", 0, pages, nullptr, "K"), 0);
    EXPECT_EQ(Mask_Edit_Register_Sheet(200, 300, "T", -2, pages, nullptr, "K"), 0);
    EXPECT_EQ(Mask_Edit_Register_Sheet(200, 300, "T", 2, nullptr, nullptr, "K"), 0);
    EXPECT_EQ(Kov_Script_Log_Count(), 0);
}

TEST_F(RegisterSheet, NullTextsAndDegenerateSizes)
{
    for (int size : {0, -500, 100000}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(Mask_Edit_Register_Sheet(size, size, nullptr, 3, pages, nullptr, nullptr), 0);
    }
    // No title, no help key: empty ones.
    const std::vector<std::string> help = lines_with("Add_Help_to_PS");
    ASSERT_EQ(help.size(), 3u);
    for (const std::string& l : help) EXPECT_EQ(l.substr(l.size() - 7), " 1 0 0 ") << l;
    for (const std::string& l : lines_with("Define_Prop_Sheet"))
        EXPECT_NE(l.find(" 1 0  140 1"), std::string::npos) << l;
    EXPECT_EQ(Mask_Depth(), 0);
}

TEST_F(RegisterSheet, ReopeningAtTheSameDepthStartsOnThePageLeftLast)
{
    std::vector<int> seen;
    g_user = {click(1002), note_and_escape(&seen)};
    EXPECT_EQ(open(3), 0);
    g_drawn.clear();
    g_user = {note_and_escape(&seen)};
    open(3);
    EXPECT_EQ(g_drawn, (std::vector<int>{2}));
    // Fewer pages: the last one.
    g_user = {note_and_escape(&seen)};
    open(2);
    // The two-page sheet was left on page 1.
    g_user = {note_and_escape(&seen)};
    open(3);
    EXPECT_EQ(seen, (std::vector<int>{2, 2, 1, 1}));
}

TEST_F(RegisterSheet, TheLastMaskAtThatDepthCountsWhateverItsEngine)
{
    MaskRecord mask;
    Mask_Init(&mask);
    mask.last_page = 2;
    Mask_Edit_Registers(&mask, 3, pages);
    std::vector<int> seen;
    g_user = {note_and_escape(&seen)};
    open(3);
    EXPECT_EQ(seen, (std::vector<int>{2}));
}

// A drawing that disables its own page: the neighbour is drawn before the user
// can act, and the disabled register refuses clicks.
void draw_disabling_self(int area, int row)
{
    draw_page(area, row);
    Mask_Set_Page_Kind(Mask_Current_Page(), MASK_PAGE_DISABLED);
}

TEST_F(RegisterSheet, APageDisabledByItsDrawingIsLeftForItsNeighbour)
{
    struct Case {
        int start;
        int disabled;
        int shown;
    };
    // The page before it; the page after it for the first page.
    for (const Case& c : {Case{0, 0, 1}, Case{2, 2, 1}, Case{1, 1, 0}}) {
        SCOPED_TRACE(c.start);
        Mask_Engine_Reset();
        Mask_Init_Pages(3, pages);
        for (MaskPage& p : pages) p.draw = draw_page;
        if (c.start > 0) {
            g_user = {click(1000 + c.start)};
            open(3);
        }
        pages[c.disabled].draw = draw_disabling_self;
        g_drawn.clear();
        Kov_Script_Clear_Log();
        std::vector<int> seen;
        g_user = {[&seen, c] {
                      seen.push_back(Mask_Current_Page());
                      click_id(1000 + c.disabled); // refused: the wait goes on
                  },
                  note_and_escape(&seen)};
        EXPECT_EQ(open(3), 0);
        EXPECT_EQ(g_drawn, (std::vector<int>{c.start, c.shown}));
        EXPECT_EQ(seen, (std::vector<int>{c.shown, c.shown}));
        EXPECT_EQ(pages[c.disabled].kind, MASK_PAGE_DISABLED);
    }
}

// A disabled page next to it is passed over for the nearest selectable one.
TEST_F(RegisterSheet, ADisabledNeighbourIsPassedOver)
{
    g_user = {click(1002)};
    open(3);
    pages[1].kind = MASK_PAGE_DISABLED;
    pages[2].draw = draw_disabling_self;
    g_drawn.clear();
    std::vector<int> seen;
    g_user = {note_and_escape(&seen)};
    open(3);
    EXPECT_EQ(g_drawn, (std::vector<int>{2, 0}));
    EXPECT_EQ(seen, (std::vector<int>{0}));
}

// The member of a page disabled meanwhile goes off (-1) once, and its labels are
// drawn again in the disabled colour at every cycle; the others in theirs.
TEST_F(RegisterSheet, KindsAreAppliedToTheRegisterAtEachCycle)
{
    pages[0].label_colour = 5;
    pages[2].disabled_colour = 12;
    static MaskPage* p;
    p = pages;
    pages[0].draw = [](int area, int row) {
        draw_page(area, row);
        p[2].kind = MASK_PAGE_DISABLED;
    };
    g_user = {click(2000), [] { Kov_Ui_Push_Key(27); }};
    open(3);
    const std::vector<std::string> members = lines_with("Add_Member_to_Register");
    ASSERT_EQ(members.size(), 3u);
    const std::string third = members[2].substr(members[2].rfind(' ') + 1);
    EXPECT_EQ(third, "1002");
    int off = 0;
    for (const std::string& l : lines_with("Change_Activity_PS "))
        if (l.size() > 3 && l.compare(l.size() - 3, 3, " -1") == 0) ++off;
    EXPECT_EQ(off, 1);
    // Tab (320 - 2) / 3 = 106: page 2's label at 352 + 8 + 2 x 107 = 574. Drawn
    // at building, before and after page 0's first drawing disabled it, and
    // in the second cycle.
    std::vector<std::string> colours;
    const std::vector<std::string> log = lines_with("");
    for (size_t i = 1; i < log.size(); ++i)
        if (log[i] == "pxText 574 282 Drei") colours.push_back(log[i - 1]);
    EXPECT_EQ(colours, (std::vector<std::string>{"pxFgc -9", "pxFgc -9", "pxFgc 12", "pxFgc 12"}));
    // Page 0 is drawn in its own colour, never the current page's.
    EXPECT_EQ(count_of("pxText 360 282 Eins"), 1);
    EXPECT_EQ(g_drawn, (std::vector<int>{0, 0, 0}));
}

TEST_F(RegisterSheet, AllPagesDisabledStillOpenAndCancel)
{
    for (MaskPage& pg : pages) pg.kind = MASK_PAGE_DISABLED;
    std::vector<int> seen;
    g_user = {note_and_escape(&seen)};
    EXPECT_EQ(open(3), 0);
    EXPECT_EQ(seen, (std::vector<int>{0}));
    for (const std::string& m : lines_with("Add_Member_to_Register"))
        EXPECT_NE(m.find(" -1 10"), std::string::npos) << m;
    // Hidden is no kind of its own here: a register and a page area like any.
    for (MaskPage& pg : pages) pg.kind = MASK_PAGE_HIDDEN;
    Kov_Script_Clear_Log();
    g_drawn.clear();
    open(3);
    EXPECT_EQ(lines_with("Add_Member_to_Register").size(), 3u);
    EXPECT_EQ(lines_with("Add_Escape_Area_to_PS").size(), 3u);
    EXPECT_EQ(g_drawn, (std::vector<int>{0}));
}

// A drawing that keeps switching the kinds cannot hold the sheet in its loop.
TEST_F(RegisterSheet, AToggledKindStillWaitsForTheUser)
{
    static MaskPage* p;
    p = pages;
    for (MaskPage& pg : pages)
        pg.draw = [](int area, int row) {
            draw_page(area, row);
            p[1].kind = p[1].kind == MASK_PAGE_DISABLED ? MASK_PAGE_NORMAL : MASK_PAGE_DISABLED;
        };
    EXPECT_EQ(open(3), 0);
    EXPECT_LE(g_drawn.size(), 4u);
}

double g_value = 0;
int g_checks = 0;
int g_failures = 0;
void draw_factor(int, int) { Mask_Add_Float(10, 20, &g_value, 1000.0, 8, 1, nullptr); }

TEST_F(RegisterSheet, CancelAndConfirm)
{
    pages[0].draw = draw_factor;
    pages[1].check = [](int) {
        ++g_checks;
        return g_failures-- > 0 ? 3 : 0;
    };
    struct Case {
        std::vector<int> clicks;
        int failures;
        int result;
        int checks;
    };
    const Case cases[] = {
        {{1}, 0, 0, 0},
        {{2}, 0, 1, 1},
        {{2, 2}, 1, 1, 2}, // a failing check keeps the sheet open
        {{2, 1}, 1, 0, 1},
    };
    for (const Case& c : cases) {
        g_value = 0.25;
        g_checks = 0;
        g_failures = c.failures;
        g_user.clear();
        for (int id : c.clicks) g_user.push_back(click(id));
        EXPECT_EQ(open(2), c.result);
        EXPECT_EQ(g_checks, c.checks);
        EXPECT_DOUBLE_EQ(g_value, 0.25); // shown in display units only while open
        EXPECT_EQ(Mask_Registration_Levels(), 1);
    }
}

TEST_F(RegisterSheet, BatchModeEndsAsCancelled)
{
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    EXPECT_EQ(open(3), 0);
    EXPECT_EQ(open(1), 0);
    EXPECT_EQ(Mask_Depth(), 0);
    EXPECT_EQ(g_mask_state.page_area_count, 0);
}

// The user drags the sheet by its title bar 30 to the right and 20 down.
using maskuser::drag;

TEST_F(RegisterSheet, ItsCentreMovesOnceWhenLeftAndIsItsOwn)
{
    pages[1].check = [](int) { return g_failures-- > 0 ? 1 : 0; };
    g_failures = 1;
    static int ox, oy;
    g_user = {drag, click(2), [] {
                  Mask_Sheet_Origin(&ox, &oy);
                  click_id(2);
              }};
    EXPECT_EQ(open(2), 1);
    EXPECT_EQ(ox, 372);
    EXPECT_EQ(oy, 242);
    Kov_Script_Clear_Log();
    open(2);
    EXPECT_TRUE(has_line("Define_Prop_Sheet 372 242 711 566 1 0 Titel 140 1"));
    // The masks of the other engines keep their own centre.
    MaskRecord mask;
    Mask_Init(&mask);
    Kov_Script_Clear_Log();
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_TRUE(has_line("Define_Prop_Sheet 404 271 619 496 1 0  145 1"));
}

// A sheet opened from a page of another, each depth keeping its own page.
MaskPage g_inner[3];
bool g_open_inner = false;
int g_inner_depth = 0;
std::vector<int> g_inner_start;

void draw_outer(int area, int row)
{
    draw_page(area, row);
    if (!g_open_inner) return;
    g_open_inner = false;
    Mask_Init_Pages(3, g_inner);
    for (MaskPage& p : g_inner)
        p.draw = [](int, int) {
            g_inner_depth = Mask_Depth();
            if (g_inner_start.size() < 8) g_inner_start.push_back(Mask_Current_Page());
        };
    Mask_Edit_Register_Sheet(100, 200, "Innen", 3, g_inner, nullptr, "INNEN");
}

TEST_F(RegisterSheet, TwoDepthsKeepTheirOwnPages)
{
    for (MaskPage& p : pages) p.draw = draw_outer;
    g_inner_start.clear();
    // Outer: to page 1, open the inner sheet from its page; inner: to page 2,
    // Escape; outer: Escape.
    g_user = {click(1001),
              [] {
                  g_open_inner = true;
                  click_id(2001);
              },
              click(1002), [] { Kov_Ui_Push_Key(27); }, [] { Kov_Ui_Push_Key(27); }};
    EXPECT_EQ(open(3), 0);
    EXPECT_EQ(g_inner_depth, 2);
    EXPECT_EQ(g_inner_start, (std::vector<int>{0, 2}));
    EXPECT_EQ(Mask_Depth(), 0);
    // Again: the outer starts on 1, the inner on 2.
    g_inner_start.clear();
    g_drawn.clear();
    g_user = {[] {
                  g_open_inner = true;
                  click_id(2001);
              },
              [] { Kov_Ui_Push_Key(27); }, [] { Kov_Ui_Push_Key(27); }};
    open(3);
    ASSERT_FALSE(g_drawn.empty());
    EXPECT_EQ(g_drawn[0], 1);
    ASSERT_FALSE(g_inner_start.empty());
    EXPECT_EQ(g_inner_start[0], 2);
    EXPECT_EQ(Mask_Registration_Levels(), 1);
    EXPECT_EQ(g_mask_state.page_area_count, 0);
    EXPECT_EQ(g_mask_state.hover, 0);
}

} // namespace
