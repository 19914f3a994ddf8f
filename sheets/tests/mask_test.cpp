// The mask engines on the scripted 1024 x 768 screen: the sheet's geometry
// from the call log, the cycle driven by a scripted user.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/mask.h"
#include "sheets/maskelem.h"
#include "sheets/maskhover.h"
#include "sheets/maskstate.h"
#include "sheets/rowtable.h"
#include "sheets/tests/maskuser.h"
#include "sheets/tests/scrtest.h"
#include "sheets/viewarea.h"

namespace {

using maskuser::click;
using maskuser::click_id;
using maskuser::g_user;
using maskuser::idle;

using maskuser::has_line;
using maskuser::lines_with;

int count_prefix(const std::string& prefix) { return int(lines_with(prefix).size()); }

// Pages record what their callbacks saw.
std::vector<int> g_drawn;    // page drawn, in order
std::vector<double> g_shown; // value of the factor field after it was added
int g_page_areas_seen = -1;
int g_hover_seen = -1;
double g_value = 0;

void draw_counting(int area, int)
{
    g_drawn.push_back(area);
    g_page_areas_seen = g_mask_state.page_area_count;
    g_hover_seen = g_mask_state.hover;
    Mask_Add_Label(10, 20, "Seite", nullptr);
}

class Masks : public testing::Test {
protected:
    void SetUp() override
    {
        maskuser::start();
        g_drawn.clear();
        g_shown.clear();
        g_page_areas_seen = g_hover_seen = -1;
        Mask_Init(&mask);
        std::strcpy(mask.title, "Titel");
        Mask_Init_Pages(3, pages);
        for (MaskPage& p : pages) p.draw = draw_counting;
        std::strcpy(pages[0].label, "Eins");
        std::strcpy(pages[1].label, "Zwei");
        std::strcpy(pages[2].label, "Drei");
    }
    void TearDown() override { maskuser::finish(); }
    MaskRecord mask;
    MaskPage pages[3];
};

TEST_F(Masks, DefaultsOfRecordAndPages)
{
    MaskRecord m;
    std::memset(&m, 0x5A, sizeof m);
    EXPECT_EQ(Mask_Init(&m), &m);
    EXPECT_EQ(m.mode, 0);
    EXPECT_EQ(m.sheet_reserve, 40);
    EXPECT_EQ(m.title[0], 0);
    EXPECT_EQ(m.height, 150);
    EXPECT_EQ(m.width, 200);
    EXPECT_EQ(m.margin_top + m.margin_bottom + m.margin_left + m.margin_right, 32);
    EXPECT_EQ(m.register_height, 0);
    EXPECT_EQ(m.register_width, 0);
    EXPECT_EQ(m.help_key[0], 0);
    EXPECT_EQ(m.status_text, nullptr);
    EXPECT_EQ(m.button_handler, nullptr);
    EXPECT_EQ(m.last_page, -1);
    EXPECT_EQ(m.preset_result, -1);

    MaskPage p[3];
    std::memset(p, 0x5A, sizeof p);
    Mask_Init_Pages(2, p);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(p[i].kind, 1);
        EXPECT_EQ(p[i].label_colour, -9);
        EXPECT_EQ(p[i].disabled_colour, -6);
        EXPECT_EQ(p[i].area_x, -1);
        EXPECT_EQ(p[i].area_height, -1);
        EXPECT_EQ(p[i].scroll_x, -1);
        EXPECT_EQ(p[i].scroll_y, -1);
        EXPECT_EQ(p[i].row_table_size, 0);
        EXPECT_EQ(p[i].row_table_width, -1);
        EXPECT_EQ(p[i].row_table_x, 30);
        EXPECT_EQ(p[i].row_table_y, 10);
        EXPECT_EQ(p[i].draw, nullptr);
    }
    EXPECT_EQ(p[2].kind, 0x5A5A5A5A); // the third was not asked for
    Mask_Init_Pages(0, p);
    Mask_Init_Pages(-3, p);
}

// Mode 0, one page 200 x 150 on 1024 x 768: W = 216, H = 33 + 8 + 150 + 8 + 27 = 226.
TEST_F(Masks, SinglePageGeometry)
{
    EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 0);
    EXPECT_TRUE(has_line("Define_Prop_Sheet 404 271 619 496 1 0 Titel 145 1"));
    EXPECT_TRUE(has_line("Add_Escape_Area_to_PS 412 312 611 461 0 2000"));
    EXPECT_TRUE(has_line("Add_Single_Button_to_PS 409 467 1 100  0"));
    EXPECT_TRUE(has_line("Add_Single_Button_to_PS 588 467 1 200  0"));
    EXPECT_EQ(count_prefix("Add_Register_to_PS"), 0);
    EXPECT_EQ(count_prefix("Add_Help_to_PS"), 0);
    EXPECT_EQ(count_prefix("Move_Mouse_Cursor_to_Button_of_PS"), 1);
    EXPECT_EQ(count_prefix("Undefine_Prop_Sheet"), 1);
    EXPECT_EQ(g_drawn.size(), 1u);
    EXPECT_EQ(mask.last_page, 0);
    EXPECT_EQ(Mask_Depth(), 0);
    EXPECT_EQ(g_mask_state.page_area_count, 0);
    EXPECT_EQ(Mask_Registration_Levels(), 1);
}

struct Area {
    int x1, y1, x2, y2;
};
Area g_area;
void draw_area(int area, int)
{
    const ViewArea* a = View_Area_Record(unsigned(area));
    g_area = {a->x1, a->y1, a->x2, a->y2};
}

TEST_F(Masks, PageAreaWithSlidersAndOffsets)
{
    pages[0].draw = draw_area;
    pages[0].vslider = 1;
    pages[0].hslider = 1;
    Mask_Edit_Single_Page(&mask, &pages[0]);
    // The escape area leaves the sliders out; the view area keeps its own.
    EXPECT_TRUE(has_line("Add_Escape_Area_to_PS 412 312 594 444 0 2000"));
    EXPECT_EQ(g_area.x1, 412);
    EXPECT_EQ(g_area.y1, 312);
    Kov_Script_Clear_Log();
    pages[0].vslider = pages[0].hslider = 0;
    pages[0].area_x = 20;
    pages[0].area_width = 100;
    pages[0].area_y = 5;
    pages[0].area_height = 500; // beyond the page: held to its bottom
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_TRUE(has_line("Add_Escape_Area_to_PS 432 317 532 461 0 2000"));
}

// Three registers: F = 10, R = 30; W = 200 + 20 + 16 = 236, H = 150 + 20 + 30 + 33 + 16 + 27 = 276;
// tab width (200 + 20 - 2) / 3 = 72.
TEST_F(Masks, RegisterGeometry)
{
    EXPECT_EQ(Mask_Edit_Registers(&mask, 3, pages), 0);
    EXPECT_TRUE(has_line("Define_Prop_Sheet 394 246 629 521 1 0 Titel 155 1"));
    EXPECT_TRUE(has_line("Add_Register_to_PS 402 287 621 486 317"));
    const std::vector<std::string> members = lines_with("Add_Member_to_Register");
    ASSERT_EQ(members.size(), 3u);
    EXPECT_NE(members[0].find(" 402 474 1 1000"), std::string::npos) << members[0];
    EXPECT_NE(members[1].find(" 475 547 1 1001"), std::string::npos) << members[1];
    EXPECT_NE(members[2].find(" 548 621 1 1002"), std::string::npos) << members[2];
    EXPECT_TRUE(has_line("Draw_Funny_Text_to_PS 410 307 Eins 4096 2"));
    EXPECT_TRUE(has_line("Draw_Funny_Text_to_PS 483 307 Zwei 4096 2"));
    EXPECT_TRUE(has_line("Draw_Funny_Text_to_PS 556 307 Drei 4096 2"));
    for (int j = 0; j < 3; ++j)
        EXPECT_TRUE(has_line("Add_Escape_Area_to_PS 412 327 611 476 0 " + std::to_string(2000 + j)));
}

TEST_F(Masks, UpperLabelsHiddenPagesAndFixedTabs)
{
    std::strcpy(pages[0].upper_label, "oben");
    pages[1].kind = MASK_PAGE_HIDDEN;
    mask.register_width = 50;
    Mask_Edit_Registers(&mask, 3, pages);
    EXPECT_TRUE(has_line("Draw_Funny_Text_to_PS 410 299 oben 4098 2"));
    EXPECT_TRUE(has_line("Draw_Funny_Text_to_PS 410 311 Eins 4096 2"));
    // The second visible page is page 2.
    EXPECT_TRUE(has_line("Draw_Funny_Text_to_PS 461 307 Drei 4096 2"));
    const std::vector<std::string> members = lines_with("Add_Member_to_Register");
    ASSERT_EQ(members.size(), 3u);
    EXPECT_NE(members[0].find(" 402 452 1 1000"), std::string::npos) << members[0];
    EXPECT_NE(members[1].find(" 621 621 0 1001"), std::string::npos) << members[1];
    EXPECT_NE(members[2].find(" 453 503 1 1002"), std::string::npos) << members[2];
    EXPECT_EQ(count_prefix("Add_Escape_Area_to_PS"), 2);
}

TEST_F(Masks, OnePageInTheRegisterEngineIsASinglePage)
{
    Mask_Edit_Registers(&mask, 1, pages);
    EXPECT_TRUE(has_line("Define_Prop_Sheet 404 271 619 496 1 0 Titel 145 1"));
    EXPECT_TRUE(has_line("Add_Escape_Area_to_PS 412 312 611 461 0 2000"));
    EXPECT_EQ(count_prefix("Add_Register_to_PS"), 0);
    EXPECT_EQ(count_prefix("Add_Member_to_Register"), 0);
}

TEST_F(Masks, NoPagesShowsNothing)
{
    EXPECT_EQ(Mask_Edit_Registers(&mask, 0, pages), 0);
    EXPECT_EQ(Mask_Edit_Registers(&mask, -1, pages), 0);
    EXPECT_EQ(Mask_Edit_Registers(nullptr, 3, pages), 0);
    EXPECT_EQ(Kov_Script_Log_Count(), 0);
}

// Buttons of the modes, on a single page 200 x 150: centre x (404 + 619) / 2 = 511.
struct ModeCase {
    int mode;
    std::vector<std::string> buttons;
    int default_id; // 0: no default button
};

TEST_F(Masks, ButtonsOfTheModes)
{
    const std::string weiter = "Weiter      ";
    const std::vector<ModeCase> cases = {
        {1, {"Add_Single_Button_to_PS 461 467 1 100 " + weiter + " 0"}, 100},
        // Without the button row the sheet is 27 lower: H = 199, top 384 - 99 = 285.
        {2, {}, 0},
        {3, {"Add_Single_Button_to_PS 461 467 1 200 " + weiter + " 0"}, 200},
        {5, {"Add_Single_Button_to_PS 409 467 1 100  0", "Add_Single_Button_to_PS 588 467 1 200  0"}, 200},
        {6, {"Add_Single_Button_to_PS 588 467 1 200  0"}, 200},
        {7, {"Add_Single_Button_to_PS 409 467 1 100  0"}, 100},
        {9, {"Add_Single_Button_to_PS 409 467 1 100  0", "Add_Single_Button_to_PS 588 467 1 200  0"}, 100},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.mode);
        Kov_Script_Clear_Log();
        mask.mode = c.mode;
        int def = 0;
        g_user = {[&def] {
            int mx, my;
            msStat(&mx, &my);
            for (int id : {100, 200}) {
                int x1, y1, x2, y2;
                if (Kov_Ui_Sheet_Rect(id, &x1, &y1, &x2, &y2) && mx >= x1 && mx <= x2 && my >= y1 && my <= y2) def = id;
            }
            Kov_Ui_Push_Key(27);
        }};
        if (c.mode == 2) {
            // Nothing ends the sheet but a request.
            mask.preset_result = 100;
        }
        Mask_Edit_Single_Page(&mask, &pages[0]);
        EXPECT_EQ(lines_with("Add_Single_Button_to_PS"), c.buttons);
        if (c.mode != 2) {
            EXPECT_EQ(def, c.default_id);
        } else {
            EXPECT_TRUE(has_line("Define_Prop_Sheet 404 285 619 483 1 0 Titel 145 1"));
        }
    }
}

TEST_F(Masks, HelpButtonBesideTheStatusLine)
{
    std::strcpy(mask.help_key, "EINGABE");
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_TRUE(has_line("Add_Help_to_PS 488 467 1 0 0 EINGABE")); // 511 - 23
    const std::vector<std::string> comments = lines_with("Set_Comment_to_Button_PS");
    ASSERT_EQ(comments.size(), 3u);
    EXPECT_NE(comments[0].find(" abbrechen"), std::string::npos);
    EXPECT_NE(comments[1].find(" Hilfe"), std::string::npos);
    EXPECT_NE(comments[2].find(std::string(" best") + "\x84" + "tigen"), std::string::npos);
    Kov_Script_Clear_Log();
    mask.status_text = [](char* b) { std::strcpy(b, "Status"); };
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_TRUE(has_line("Add_Help_to_PS 444 467 1 0 0 EINGABE")); // 404 + 8 + 32
}

TEST_F(Masks, FullScreenModes)
{
    mask.mode = 8;
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_TRUE(has_line("KOVSetMinMaxSize 1024 768 1024 768"));
    EXPECT_TRUE(has_line("Set_NoFrameFlag_to_Next_PropSheet"));
    EXPECT_TRUE(has_line("Define_Prop_Sheet 0 0 1023 767 0 0  145 1"));
    // 511 - 50, 767 - 37; no title bar, no button row: the page reaches to 767 - 8.
    EXPECT_TRUE(has_line("Add_Single_Button_to_PS 461 730 1 200 Weiter       0"));
    EXPECT_TRUE(has_line("Add_Escape_Area_to_PS 8 8 1015 759 0 2000"));
    Kov_Script_Clear_Log();
    mask.mode = 4;
    mask.preset_result = 100;
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_EQ(count_prefix("KOVSetMinMaxSize"), 0);
    EXPECT_EQ(count_prefix("Add_Single_Button_to_PS"), 0);
    EXPECT_TRUE(has_line("Define_Prop_Sheet 0 0 1023 767 0 0  145 1"));
}

// The user drags the sheet by its title bar 30 to the right and 20 down.
using maskuser::drag;

TEST_F(Masks, CancelAfterDraggingMovesTheNextMask)
{
    static int ox, oy;
    ox = oy = 0;
    // After the drag a click into the page starts a second cycle, whose wait
    // reads the sheet's origin; then Escape.
    g_user = {drag, click(2000), [] {
                  Mask_Sheet_Origin(&ox, &oy);
                  Kov_Ui_Push_Key(27);
              }};
    EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 0);
    Kov_Script_Clear_Log();
    EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 0);
    EXPECT_EQ(ox, 434);
    EXPECT_EQ(oy, 291);
    EXPECT_TRUE(has_line("Define_Prop_Sheet 434 291 649 516 1 0 Titel 145 1"));
}

int g_vetoes = 0;
int g_failing_checks = 0;
TEST_F(Masks, ADragCountsOnceAfterAVetoedCancelOrAFailedCheck)
{
    // Escape after the drag (vetoed), Escape again (left); then a mask whose
    // first confirm fails its check: each next mask opens 30 right and 20
    // down of the one before, where the user left it.
    g_vetoes = 1;
    mask.cancel_veto = [] { return g_vetoes-- > 0 ? 1 : 0; };
    g_user = {drag};
    EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 0);
    EXPECT_EQ(g_drawn.size(), 2u);
    mask.cancel_veto = nullptr;
    Kov_Script_Clear_Log();
    g_failing_checks = 1;
    pages[0].check = [](int) { return g_failing_checks-- > 0 ? 1 : 0; };
    g_user = {drag, click(200), click(200)};
    EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 1);
    EXPECT_TRUE(has_line("Define_Prop_Sheet 434 291 649 516 1 0 Titel 145 1"));
    pages[0].check = nullptr;
    Kov_Script_Clear_Log();
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_TRUE(has_line("Define_Prop_Sheet 464 311 679 536 1 0 Titel 145 1"));
}

int g_check_calls = 0;
double g_seen_in_check = 0;
void draw_factor(int, int)
{
    Mask_Add_Float(10, 20, &g_value, 1000.0, 8, 1, nullptr);
    g_shown.push_back(g_value);
}
int check_once_failing(int)
{
    g_seen_in_check = g_value;
    return g_check_calls++ == 0 ? 7 : 0;
}

TEST_F(Masks, FailingCheckKeepsTheMaskAndTheShownNumber)
{
    g_value = 0.25;
    g_check_calls = 0;
    pages[0].draw = draw_factor;
    pages[0].check = check_once_failing;
    g_user = {click(200), click(200)};
    EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 1);
    EXPECT_EQ(g_check_calls, 2);
    EXPECT_EQ(g_shown, (std::vector<double>{250.0, 250.0}));
    EXPECT_DOUBLE_EQ(g_seen_in_check, 0.25);
    EXPECT_DOUBLE_EQ(g_value, 0.25);
}

TEST_F(Masks, CancelDividesFactorFieldsBack)
{
    g_value = 1.5;
    pages[0].draw = draw_factor;
    EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 0);
    EXPECT_EQ(g_shown, (std::vector<double>{1500.0}));
    EXPECT_DOUBLE_EQ(g_value, 1.5);
}

int g_int = 0;
double g_shadow = 0;
void draw_int(int, int)
{
    Mask_Add_Int(10, 20, &g_int, 6, nullptr);
    // What the user typed into the field.
    Mask_Find_Int_Shadow(&g_int)->shadow = g_shadow;
}

TEST_F(Masks, IntFieldsRoundHalfAwayFromZero)
{
    struct Case {
        double shadow;
        int expected;
    };
    const Case cases[] = {{2.5, 3}, {-2.5, -3},      {2.4, 2},         {-2.4, -2},
                          {0.0, 0}, {3e12, INT_MAX}, {-3e12, INT_MIN}, {NAN, 17}};
    pages[0].draw = draw_int;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shadow);
        g_int = 17;
        g_shadow = c.shadow;
        mask.preset_result = 200;
        EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 1);
        EXPECT_EQ(g_int, c.expected);
    }
    EXPECT_EQ(Mask_Registration_Levels(), 1);
}

TEST_F(Masks, PresetConfirmAfterOneDrawing)
{
    mask.preset_result = 200;
    EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 1);
    EXPECT_EQ(g_drawn.size(), 1u);
    EXPECT_EQ(count_prefix("Edit_Prop_Sheet"), 0);
    EXPECT_EQ(mask.preset_result, -1);
}

TEST_F(Masks, DisabledRegisterKeepsThePage)
{
    pages[1].kind = MASK_PAGE_DISABLED;
    std::vector<int> current;
    mask.cycle_hook = nullptr;
    g_user = {click(1001),
              [&] {
                  current.push_back(Mask_Current_Page());
                  click_id(1002);
              },
              [&] {
                  current.push_back(Mask_Current_Page());
                  Kov_Ui_Push_Key(27);
              }};
    EXPECT_EQ(Mask_Edit_Registers(&mask, 3, pages), 0);
    EXPECT_EQ(current, (std::vector<int>{0, 2}));
    EXPECT_EQ(mask.last_page, 2);
    // The disabled label is written again in its colour at each cycle.
    EXPECT_GE(count_prefix("pxText 483 307 Zwei"), 3);
}

TEST_F(Masks, DisabledStartPageGivesTheFirstSelectable)
{
    pages[0].kind = MASK_PAGE_DISABLED;
    pages[1].kind = MASK_PAGE_DISABLED;
    mask.last_page = 1;
    int seen = -1;
    g_user = {[&] {
        seen = Mask_Current_Page();
        Kov_Ui_Push_Key(27);
    }};
    Mask_Edit_Registers(&mask, 3, pages);
    EXPECT_EQ(seen, 2);
    // None selectable: the page stays.
    pages[2].kind = MASK_PAGE_DISABLED;
    mask.last_page = 1;
    g_user = {[&] {
        seen = Mask_Current_Page();
        Kov_Ui_Push_Key(27);
    }};
    Mask_Edit_Registers(&mask, 3, pages);
    EXPECT_EQ(seen, 1);
}

TEST_F(Masks, StartPageAndRefusedSwitch)
{
    mask.last_page = 7; // beyond: the last page
    mask.register_switch = [](int, int to) { return to == 0 ? 1 : 0; };
    std::vector<int> current;
    g_user = {[&] {
                  current.push_back(Mask_Current_Page());
                  click_id(1000);
              },
              [&] {
                  current.push_back(Mask_Current_Page());
                  click_id(1001);
              },
              [&] {
                  current.push_back(Mask_Current_Page());
                  Kov_Ui_Push_Key(27);
              }};
    Mask_Edit_Registers(&mask, 3, pages);
    EXPECT_EQ(current, (std::vector<int>{2, 2, 1}));
    EXPECT_EQ(mask.last_page, 1);
}

TEST_F(Masks, ModesOneAndThreeRecordNoPageAreas)
{
    for (int mode : {0, 1, 3, 5}) {
        SCOPED_TRACE(mode);
        mask.mode = mode;
        mask.preset_result = 200;
        Mask_Edit_Single_Page(&mask, &pages[0]);
        const int expected = mode == 1 || mode == 3 ? 0 : 1;
        EXPECT_EQ(g_page_areas_seen, expected);
        EXPECT_EQ(g_hover_seen, expected);
        EXPECT_EQ(g_mask_state.page_area_count, 0);
        EXPECT_EQ(g_mask_state.hover, 0);
    }
}

TEST_F(Masks, AllPagesHiddenShowsButtonsAndCancels)
{
    for (MaskPage& p : pages) p.kind = MASK_PAGE_HIDDEN;
    EXPECT_EQ(Mask_Edit_Registers(&mask, 3, pages), 0);
    EXPECT_EQ(count_prefix("Add_Register_to_PS"), 0);
    EXPECT_EQ(count_prefix("Add_Escape_Area_to_PS"), 0);
    EXPECT_EQ(count_prefix("Add_Single_Button_to_PS"), 2);
    EXPECT_TRUE(g_drawn.empty());
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    EXPECT_EQ(Mask_Edit_Registers(&mask, 3, pages), 0);
    EXPECT_EQ(Mask_Depth(), 0);
}

int g_requests = 0;
TEST_F(Masks, RequestsOfTheButtonHandler)
{
    // A button of the caller (id 300) whose handler asks to confirm.
    mask.decorate = [](int x1, int, int, int y2) {
        Add_Single_Button_to_PS(x1 + 60, y2 - 29, 1, 300, "Los", nullptr, 0);
    };
    mask.button_handler = [](int id) {
        ++g_requests;
        if (id == 300) Mask_Request_Confirm();
        return 1;
    };
    g_requests = 0;
    g_user = {click(300)};
    EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 1);
    EXPECT_EQ(g_requests, 1);
    // The hover handler is off while the handler runs: nothing else to see
    // here but that the page was drawn once.
    EXPECT_EQ(g_drawn.size(), 1u);
}

TEST_F(Masks, RedrawRequestDrawsOnceMore)
{
    pages[0].draw = [](int area, int r) {
        draw_counting(area, r);
        if (g_drawn.size() == 1) Mask_Request_Redraw();
    };
    mask.preset_result = 100;
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_EQ(g_drawn.size(), 2u);
}

TEST_F(Masks, StatusLineGetsAClearedBuffer)
{
    static int calls;
    static bool cleared;
    calls = 0;
    cleared = true;
    mask.status_text = [](char* b) {
        for (int i = 0; i < 200; ++i)
            if (b[i]) cleared = false;
        std::memset(b, 'x', 200); // no terminator of its own
        ++calls;
    };
    g_user = {click(2000), [] { Kov_Ui_Push_Key(13); }};
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_GE(calls, 2);
    EXPECT_TRUE(cleared);
}

// A page taller than its area, scrolled by the wheel, opens again where it was left.
void draw_tall(int area, int)
{
    for (int i = 0; i < 60; ++i) Mask_Add_Label(10, 20 + 20 * i, "Zeile", nullptr);
    (void)area;
}

TEST_F(Masks, ScrollPositionIsKeptForTheNextOpening)
{
    pages[0].draw = draw_tall;
    pages[0].vslider = 1;
    g_user = {[] { Kov_Ui_Push_Wheel(500, 400, -3); }};
    Mask_Edit_Single_Page(&mask, &pages[0]);
    const int kept = pages[0].scroll_y;
    ASSERT_GT(kept, 0);
    int seen = -1;
    g_user = {[&] {
        int sx;
        ASSERT_GE(Mask_Current_Page(), 0);
        const int area = g_mask_state.output_area;
        View_Area_Inquire_Scroll(unsigned(area), &sx, &seen);
        Kov_Ui_Push_Key(27);
    }};
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_EQ(seen, kept);
    EXPECT_EQ(pages[0].scroll_y, kept); // stored again on leaving
}

// Masks opened from button handlers, one level in the other.
int g_levels_opened = 0;
std::vector<int> g_results;
double g_level_values[8];
MaskRecord g_level_masks[8];
MaskPage g_level_pages[8];

int open_deeper(int id);

void level_draw(int, int)
{
    const int d = Mask_Depth();
    Mask_Add_Float(10, 20, &g_level_values[d], 1000.0, 8, 1, nullptr);
    Mask_Add_Int(10, 40, &g_int, 5, nullptr);
}

void open_level(int d)
{
    Mask_Init(&g_level_masks[d]);
    Mask_Init_Pages(1, &g_level_pages[d]);
    g_level_masks[d].decorate = [](int x1, int, int, int y2) {
        Add_Single_Button_to_PS(x1 + 60, y2 - 29, 1, 300, "Tiefer", nullptr, 0);
    };
    g_level_masks[d].button_handler = open_deeper;
    g_level_pages[d].draw = level_draw;
    ++g_levels_opened;
    const int r = Mask_Edit_Single_Page(&g_level_masks[d], &g_level_pages[d]);
    g_results.push_back(r);
}

int open_deeper(int id)
{
    if (id != 300) return 0;
    open_level(Mask_Depth() + 1);
    return 1;
}

TEST_F(Masks, SevenLevelsDeepFromButtonHandlers)
{
    g_levels_opened = 0;
    g_results.clear();
    for (int d = 0; d < 8; ++d) g_level_values[d] = 0.5 + d;
    // Six times deeper, then levels 7 .. 1 end alternately confirmed and cancelled.
    for (int d = 0; d < 6; ++d) g_user.push_back(click(300));
    for (int d = 7; d >= 1; --d) g_user.push_back(click(d % 2 ? 200 : 100));
    open_level(1);
    EXPECT_EQ(g_levels_opened, 7);
    EXPECT_EQ(g_results, (std::vector<int>{1, 0, 1, 0, 1, 0, 1}));
    for (int d = 1; d <= 7; ++d) EXPECT_DOUBLE_EQ(g_level_values[d], 0.5 + d) << d;
    EXPECT_EQ(Mask_Depth(), 0);
    EXPECT_EQ(Mask_Registration_Levels(), 1);
    EXPECT_EQ(g_mask_state.page_area_count, 0);
    EXPECT_EQ(g_mask_state.hover, 0);
}

std::vector<int> g_order;
int g_all_levels = -1;
bool g_shadow_kept = false;

void add_button_300(int x1, int, int, int y2) { Add_Single_Button_to_PS(x1 + 60, y2 - 29, 1, 300, "Los", nullptr, 0); }
void add_button_301(int x1, int, int, int y2) { Add_Single_Button_to_PS(x1 + 60, y2 - 29, 1, 301, "Alle", nullptr, 0); }

int check_all_from_inner(int id)
{
    if (id != 301) return 0;
    g_all_levels = Mask_Check_All_Levels();
    // The int field stays registered for the confirm step that follows.
    g_shadow_kept = Mask_Find_Int_Shadow(&g_int) != nullptr;
    return 1;
}

int open_inner(int id)
{
    if (id != 300) return 0;
    static MaskRecord inner;
    static MaskPage page;
    Mask_Init(&inner);
    Mask_Init_Pages(1, &page);
    page.draw = draw_int;
    page.check = [](int) {
        g_order.push_back(1);
        return 0;
    };
    inner.decorate = add_button_301;
    inner.button_handler = check_all_from_inner;
    Mask_Edit_Single_Page(&inner, &page);
    return 1;
}

TEST_F(Masks, CheckAllLevelsRunsEveryLevelInnermostFirst)
{
    g_order.clear();
    g_all_levels = -1;
    pages[0].check = [](int) {
        g_order.push_back(0);
        return 5;
    };
    mask.decorate = add_button_300;
    mask.button_handler = open_inner;
    g_int = 0;
    g_shadow = 4.5;
    g_user = {click(300), click(301)};
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_EQ(g_order, (std::vector<int>{1, 0}));
    EXPECT_EQ(g_all_levels, 5);
    EXPECT_TRUE(g_shadow_kept);
    EXPECT_EQ(g_int, 5);
    EXPECT_EQ(Mask_Check_All_Levels(), 0); // no mask open
}

TEST_F(Masks, SelectPageAndSettersWorkOnTheInnermostMask)
{
    static std::vector<int> seen;
    seen.clear();
    mask.decorate = add_button_300;
    mask.button_handler = [](int id) {
        if (id != 300) return 0;
        Mask_Set_Page_Kind(1, MASK_PAGE_DISABLED);
        seen.push_back(Mask_Get_Page_Kind(1));
        seen.push_back(Mask_Get_Page_Kind(9));
        Mask_Select_Page(2);
        seen.push_back(Mask_Current_Page());
        return 1;
    };
    g_user = {click(300), [] {
                  seen.push_back(Mask_Current_Page());
                  Kov_Ui_Push_Key(27);
              }};
    Mask_Edit_Registers(&mask, 3, pages);
    EXPECT_EQ(seen, (std::vector<int>{0, -1, 2, 2}));
    EXPECT_EQ(pages[1].kind, MASK_PAGE_DISABLED);
    EXPECT_EQ(mask.last_page, 2);
    EXPECT_EQ(Mask_Current_Page(), -1);
}

} // namespace

namespace {

TEST_F(Masks, DegenerateSizesStillOpenAndCancel)
{
    for (int size : {0, -500, 100000}) {
        SCOPED_TRACE(size);
        mask.width = size;
        mask.height = size;
        mask.register_height = size;
        EXPECT_EQ(Mask_Edit_Registers(&mask, 3, pages), 0);
        EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 0);
    }
    EXPECT_EQ(Mask_Depth(), 0);
}

TEST_F(Masks, UnterminatedTextsAreReadWithinTheirFields)
{
    std::memset(mask.title, 'T', sizeof mask.title);
    std::memset(mask.help_key, 'H', sizeof mask.help_key);
    std::memset(pages[0].label, 'L', sizeof pages[0].label);
    std::memset(pages[0].upper_label, 'U', sizeof pages[0].upper_label);
    EXPECT_EQ(Mask_Edit_Registers(&mask, 3, pages), 0);
    EXPECT_TRUE(has_line("Draw_Funny_Text_to_PS 410 311 " + std::string(50, 'L') + " 4096 2"));
}

} // namespace

namespace {

void one_row(int table)
{
    const double row = 1.0;
    Row_Table_Append(table, &row);
}

void no_fields(int, int, int, int, void*) {}

// The row table reaches to 10 pixels before the page area's right edge:
// 611 - 412 - 10 = 189; its first row's box starts 6 above the row.
TEST_F(Masks, RowTableOfThePage)
{
    pages[0].row_table_size = int(sizeof(double));
    pages[0].row_draw = no_fields;
    pages[0].init_hook = one_row;
    static bool found;
    found = false;
    g_user = {[] {
        const ViewArea* a = View_Area_Record(unsigned(g_mask_state.output_area));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
            if (e->type == VIEW_FILLED_BOX && e->x1 == 30 && e->y1 == 4 && e->x2 == 189 && e->y2 == 30) found = true;
        Kov_Ui_Push_Key(27);
    }};
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_TRUE(found);
    // With a vertical slider 17 less; with a width of its own from its x.
    pages[0].vslider = 1;
    found = false;
    g_user = {[] {
        const ViewArea* a = View_Area_Record(unsigned(g_mask_state.output_area));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
            if (e->type == VIEW_FILLED_BOX && e->x1 == 30 && e->x2 == 172) found = true;
        Kov_Ui_Push_Key(27);
    }};
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_TRUE(found);
    pages[0].row_table_width = 50;
    pages[0].row_table_x = 40;
    found = false;
    g_user = {[] {
        const ViewArea* a = View_Area_Record(unsigned(g_mask_state.output_area));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
            if (e->type == VIEW_FILLED_BOX && e->x1 == 40 && e->x2 == 90) found = true;
        Kov_Ui_Push_Key(27);
    }};
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_TRUE(found);
}

// Whether the row table's one row shows on the page drawn now (its box at x 30).
bool row_box_shown()
{
    const ViewArea* a = View_Area_Record(unsigned(g_mask_state.output_area));
    for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
        if (e->type == VIEW_FILLED_BOX && e->x1 == 30 && e->y1 == 4) return true;
    return false;
}

// A page whose row-table flag is cleared draws its fields but not its rows;
// set again, the next drawing shows them. Pages that do not exist, and a call
// without an open mask, change nothing.
TEST_F(Masks, RowTableFlagSwitchesTheRowsOfAPage)
{
    static std::vector<int> shown;
    shown.clear();
    pages[0].row_table_size = int(sizeof(double));
    pages[0].row_draw = no_fields;
    pages[0].init_hook = [](int table) {
        one_row(table);
        Mask_Set_Row_Table_Flag(0, 0);
        Mask_Set_Row_Table_Flag(1, 1);
        Mask_Set_Row_Table_Flag(-1, 1);
    };
    mask.decorate = add_button_300;
    mask.button_handler = [](int id) {
        if (id != 300) return 0;
        Mask_Set_Row_Table_Flag(0, 1);
        return 1;
    };
    Mask_Set_Row_Table_Flag(0, 0); // no mask open
    g_user = {[] {
                  shown.push_back(row_box_shown());
                  click_id(300);
              },
              [] {
                  shown.push_back(row_box_shown());
                  Kov_Ui_Push_Key(27);
              }};
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_EQ(shown, (std::vector<int>{0, 1}));
    EXPECT_EQ(g_drawn.size(), 2u);
    // A new opening starts with the flag set.
    shown.clear();
    pages[0].init_hook = one_row;
    g_user = {[] {
        shown.push_back(row_box_shown());
        Kov_Ui_Push_Key(27);
    }};
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_EQ(shown, (std::vector<int>{1}));
}

// The status line between the help position (404 + 8 + 32) + 30 and the
// confirm button (588) - 20, from 26 to 9 above the sheet's bottom (496).
TEST_F(Masks, StatusLineBox)
{
    mask.status_text = [](char* b) { std::strcpy(b, "Bereit"); };
    Mask_Edit_Single_Page(&mask, &pages[0]);
    EXPECT_TRUE(has_line("Draw_Funny_Area_to_PS 1 474 470 568 487 0"));
}

} // namespace

namespace {
int g_label_width = 0;
int g_box_state = 1;
int g_box_value = 0;
void draw_with_tooltip(int, int)
{
    g_label_width = Mask_Add_Check_Box(10, 40, "trocken", &g_box_value, &g_box_state);
    Mask_Set_Tooltip("Hilfe", 1, 0);
}
} // namespace

// The mouse moved onto an element with a tooltip: the sheet reports the move
// into the page area, whose hover tracking then waits; the tooltip shows
// during that wait, below the element from its centre.
TEST_F(Masks, ATooltipShowsWhileThePageAreaTracksTheMouse)
{
    pages[0].draw = draw_with_tooltip;
    int ox = 0, oy = 0, frame = -1, tip_area = -1;
    g_user = {[&] {
                  View_Area_Inquire_Screen_Origin(unsigned(Mask_Get_Output_Area()), &ox, &oy);
                  Kov_Ui_Push_Move(ox + 30, oy + 35);
              },
              [&] {
                  tip_area = Mask_Get_Output_Area();
                  frame = Kov_Ui_Pixel(ox + (10 + 10 + g_label_width) / 2, oy + 45 + 5);
              }};
    EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 0);
    EXPECT_GE(tip_area, 0);
    EXPECT_EQ(frame, 0x404040);
}

namespace {

double g_edited = 1.0;
int g_chosen = 0;
char g_woods[3][12] = {"Fichte", "Kiefer", "Douglasie"};

void draw_field_and_choice(int, int)
{
    static int editable = 1;
    Mask_Add_Float(20, 30, &g_edited, 1.0, 6, 1, &editable);
    Mask_Add_Choice(20, 70, g_woods[0], nullptr, 12, 3, &g_chosen, &editable);
}

// The screen point a hand clicks in the page's element of this type: 2 right
// of its start, 4 above its baseline.
std::pair<int, int> screen_point_of(int type)
{
    const int area = g_mask_state.output_area;
    int ox = 0, oy = 0;
    View_Area_Inquire_Screen_Origin(unsigned(area), &ox, &oy);
    const ViewArea* a = View_Area_Record(unsigned(area));
    for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
        if (e->type == type) return {ox + e->x1 + 2, oy + e->y1 - 4};
    ADD_FAILURE() << "no element of type " << type;
    return {0, 0};
}

} // namespace

// The user types into a field and, without Enter, clicks the drop-down: the
// click that ends the edit also opens the list, whose third row the next click
// takes (the list opens below the field, its rows 13 high from 7 under it).
TEST_F(Masks, TheClickThatEndsAnEditOpensTheDropDown)
{
    g_edited = 1.0;
    g_chosen = 0;
    pages[0].draw = draw_field_and_choice;
    // Typed while the field's edit waits, as a hand types after the click.
    g_user = {[] {
                  const auto field = screen_point_of(VIEW_FLOAT);
                  Kov_Ui_Push_Click(field.first, field.second);
              },
              [] {
                  Kov_Ui_Push_Text("\b\b\b12");
                  const auto choice = screen_point_of(VIEW_CHOICE);
                  Kov_Ui_Push_Click(choice.first, choice.second);
                  Kov_Ui_Push_Click(choice.first + 20, choice.second + 4 + 7 + 2 * 13 + 6);
              },
              [] { Kov_Ui_Push_Key(27); }};
    EXPECT_EQ(Mask_Edit_Single_Page(&mask, &pages[0]), 0);
    EXPECT_DOUBLE_EQ(g_edited, 12.0);
    EXPECT_EQ(g_chosen, 2);
}
