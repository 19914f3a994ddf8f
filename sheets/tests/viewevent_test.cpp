// Tests of the events of view areas: clicks on check boxes and click areas, float fields, the
// Enter chain, scrolling, tooltips, short keys and drop-down lists.
#include <gtest/gtest.h>

#include "platform/kovedit.h"
#include "sheets/tests/viewtest.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"
#include "test_support/kovtestutil.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<intptr_t> g_changes;
void record_change(intptr_t v) { g_changes.push_back(v); }

// The area (50, 50)-(450, 350) on a sheet at the screen's corner.
class Events : public viewtest::OnASheet {
protected:
    void SetUp() override
    {
        viewtest::OnASheet::SetUp();
        Activate_Prop_Sheet();
        g_changes.clear();
    }
    void TearDown() override
    {
        Kov_Set_Sleep_Function(nullptr);
        Kov_Ui_Set_Idle_Hook(nullptr);
        View_Area_Close_All();
        viewtest::OnASheet::TearDown();
    }
    unsigned open(int vslider = 0) { return unsigned(View_Area_Open(50, 50, 450, 350, 0, vslider)); }
    // A press at (x, y) as the sheet hands it over: the press taken, its
    // release queued.
    static void press(int x, int y)
    {
        Kov_Ui_Push_Click(x, y);
        Get_Mouse_Event();
    }
};

std::vector<int> g_pauses;
std::vector<int> g_positions;
ViewArea* g_watched = nullptr;
void record_sleep(int ms)
{
    g_pauses.push_back(ms);
    if (g_watched) g_positions.push_back(g_watched->scroll_y);
}

} // namespace

TEST_F(Events, ClickOnTheLabelOfAnActiveCheckBoxTogglesIt)
{
    const unsigned s = open();
    int v = 0, on = 1, off = 0, w = 0;
    View_Area_Add_Check_Box(s, 40, 30, "Haken", 0x1000, 0, &v, &on); // X 90, Y 80
    View_Area_Set_Change_Callback(s, record_change);
    View_Area_Add_Check_Box(s, 40, 80, "Haken", 0x1000, 0, &w, &off); // Y 130
    View_Area_Show(s);
    press(90 + 20, 80); // on the label
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    EXPECT_EQ(v, 1);
    EXPECT_EQ(g_changes, std::vector<intptr_t>{1});
    EXPECT_EQ(M_LEFT, 0);    // the release was awaited
    press(90 - 20, 80 - 10); // the mark's corner
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    EXPECT_EQ(v, 0);
    press(90 + 41, 80); // right of the label (5 characters, 40 pixels)
    EXPECT_EQ(View_Area_Handle_Event(s), 0);
    press(100, 130); // inactive
    EXPECT_EQ(View_Area_Handle_Event(s), 0);
    EXPECT_EQ(w, 0);
}

TEST_F(Events, AnyClickClearsTheLinkResults)
{
    const unsigned s = open();
    intptr_t result = 5;
    View_Area_Add_Link_Text(s, 40, 30, "Link", 0x1000, 0, 0, 0xFF0000, 7, &result); // X 90, Y 80
    View_Area_Show(s);
    press(300, 300);
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    EXPECT_EQ(result, 0);
    press(300, 300);
    EXPECT_EQ(View_Area_Handle_Event(s), 0);
    press(95, 78);
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    EXPECT_EQ(result, 7);
}

TEST_F(Events, ClickAreaStoresItsKey)
{
    const unsigned s = open();
    static const char* name = "Deutschland";
    intptr_t result = 0;
    View_Area_Add_Click_Area(s, 10, 10, 60, 30, reinterpret_cast<intptr_t>(name), &result);
    View_Area_Show(s);
    press(70, 70);
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    EXPECT_EQ(reinterpret_cast<const char*>(result), name);
}

TEST_F(Events, FloatFieldTooCloseToTheTopIsIgnored)
{
    const unsigned s = open();
    double v = 1.0;
    int on = 1;
    View_Area_Add_Float(s, 40, 11, &v, "%5.1f", 0x1000, 0, &on); // ey1 - sy = 11 < 12
    View_Area_Show(s);
    press(92, 60);
    EXPECT_EQ(View_Area_Handle_Event(s), 0);
    EXPECT_DOUBLE_EQ(v, 1.0);
}

TEST_F(Events, EnterEditsTheNextActiveFieldAndTheChainEndsAfterTheLast)
{
    const unsigned s = open();
    double a = 1, b = 2, c = 3;
    int on = 1, off = 0;
    View_Area_Add_Float(s, 40, 30, &a, "%5.1f", 0x1000, 0, &on); // X 90, Y 80
    View_Area_Set_Change_Callback(s, record_change);
    View_Area_Add_Float(s, 40, 60, &b, "%5.1f", 0x1000, 0, &off); // skipped
    View_Area_Add_Float(s, 40, 90, &c, "%5.1f", 0x1000, 0, &on);
    View_Area_Show(s);
    press(95, 78);
    // Keys typed before the edit box opens are dropped; the user types into
    // each box as it waits.
    Kov_Ui_Push_Key('9');
    static int turn;
    turn = 0;
    Kov_Ui_Set_Idle_Hook([](const char*) {
        if (turn == 0) Kov_Ui_Push_Text("12,5\r");
        if (turn == 1) Kov_Ui_Push_Text("7\r");
        ++turn;
    });
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    Kov_Ui_Set_Idle_Hook(nullptr);
    EXPECT_DOUBLE_EQ(a, 12.5);
    EXPECT_DOUBLE_EQ(b, 2);
    EXPECT_DOUBLE_EQ(c, 7);
    ASSERT_EQ(g_changes.size(), 1u);
    EXPECT_EQ(g_changes[0], reinterpret_cast<intptr_t>(&a));
    // The mouse words stand on the last field edited.
    EXPECT_EQ(M_XPOS, 90);
    EXPECT_EQ(M_YPOS, 140 - 8);
}

TEST_F(Events, ScrollToMovesInTenStepsOfThirtyMilliseconds)
{
    const unsigned s = open(1);
    View_Area_Add_Filled_Box(s, 0, 0, 10, 1000, 0);
    View_Area_Show(s);
    g_watched = View_Area_Record(s);
    Kov_Set_Sleep_Function(record_sleep);
    g_pauses.clear();
    g_positions.clear();
    // Visible 0 .. 300: a rectangle inside it changes nothing.
    View_Area_Scroll_To(s, 10, 10, 50, 290);
    EXPECT_TRUE(g_pauses.empty());
    // 95 pixels further down: k * 95 / 10 for k = 1 .. 10.
    View_Area_Scroll_To(s, 10, 300, 50, 395);
    EXPECT_EQ(g_pauses, std::vector<int>(10, 30));
    EXPECT_EQ(g_positions, (std::vector<int>{9, 19, 28, 38, 47, 57, 66, 76, 85, 95}));
    int x = -1, y = -1;
    View_Area_Inquire_Scroll(s, &x, &y);
    EXPECT_EQ(y, 95);
    g_watched = nullptr;
}

TEST_F(Events, TooltipNearTheRightEdgeIsMovedLeft)
{
    M_XPOS = NPIXEL_X - 20;
    M_YPOS = 100;
    Kov_Script_Clear_Log();
    View_Area_Show_Tooltip("Ein langer Hinweis\nzwei Zeilen");
    // 18 characters of 8 pixels: width 144.
    const int x2 = NPIXEL_X - 9, x = x2 - 144 - 10;
    EXPECT_TRUE(viewtest::logged("Save_Screen_Rectangle " + std::to_string(x) + " 120 " + std::to_string(x2) + " " +
                                 std::to_string(120 + 2 * 13 + 5)));
    EXPECT_EQ(Kov_Ui_Pixel(x2, 125), 0x000000);
    View_Area_Hide_Tooltip();
    EXPECT_NE(Kov_Ui_Pixel(x2, 125), 0x000000);
}

TEST_F(Events, ShortKeysNeedASettingAndABinding)
{
    kovtest::ScopedEnv env("KOV_USER_UseSheetBreakShortKey", "1");
    const unsigned s = open();
    int result = 0;
    Kov_Ui_Push_Move(300, 300);
    Kov_Ui_Push_Key(27);
    // No binding: the key stays queued.
    EXPECT_EQ(View_Area_Handle_Event(s), 0);
    EXPECT_EQ(hitkey(), 27);
    View_Area_Set_Escape_Result(s, 4, &result);
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    EXPECT_EQ(result, 4);
    EXPECT_EQ(hitkey(), -1);
}

// ---- drop-down lists ----------------------------------------------------------------------------

namespace {
struct Choice {
    std::vector<std::string> names;
    std::vector<ChoiceEntry> entries;
    ViewElement e{};
    int sel = 0;
    explicit Choice(int n)
    {
        for (int i = 0; i < n; ++i) names.push_back("Eintrag " + std::to_string(i));
        for (const std::string& s : names) entries.push_back(ChoiceEntry{0, s.c_str()});
        e.type = VIEW_CHOICE;
        e.entries = entries.data();
        e.extra = n;
        e.aux = 80;
        e.font = 0x1000;
        e.value = &sel;
    }
};

std::vector<std::string> saves() { return viewtest::log_lines("Save_Screen_Rectangle"); }
} // namespace

TEST_F(Events, ShortChoiceOpensBelowWithAllRows)
{
    Choice c(3);
    c.sel = 1;
    Kov_Script_Clear_Log();
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Choice_List_Select(100, 468, &c.e), 0);
    EXPECT_EQ(c.sel, 1); // Esc: unchanged
    // Below: top y + 5, height 13 * 3 + 6, width 80 + 32.
    ASSERT_FALSE(saves().empty());
    EXPECT_EQ(saves()[0], "Save_Screen_Rectangle 93 473 205 518");
}

TEST_F(Events, LongChoiceNearTheBottomOpensAboveWithAScrollBar)
{
    Choice c(100);
    c.sel = 0;
    Kov_Script_Clear_Log();
    Kov_Ui_Push_Key(13);
    EXPECT_EQ(Choice_List_Select(100, 700, &c.e), 1);
    EXPECT_EQ(c.sel, 0);
    // (700 - 48) / 13 = 50 rows, height 656, top 700 - 656 - 13.
    EXPECT_EQ(saves()[0], "Save_Screen_Rectangle 93 31 205 687");
    // The thumb: max(6, 50 * 624 / 100) = 312 high, at the top.
    EXPECT_TRUE(viewtest::logged("pxRect 190 47 202 359"));
}

TEST_F(Events, DownAndEnterSelectTheNextEntry)
{
    Choice c(3);
    Kov_Ui_Push_Key(336);
    Kov_Ui_Push_Key(13);
    EXPECT_EQ(Choice_List_Select(100, 200, &c.e), 1);
    EXPECT_EQ(c.sel, 1);
}

TEST_F(Events, ClickOnARowSelectsItAndReturnsZero)
{
    Choice c(3);
    // Rows from top 205 + 2, 13 pixels each: row 2 at 205 + 2 + 26.
    Kov_Ui_Push_Click(120, 205 + 2 + 26 + 5);
    EXPECT_EQ(Choice_List_Select(100, 200, &c.e), 0);
    EXPECT_EQ(c.sel, 2);
    // A click outside changes nothing.
    Kov_Ui_Push_Click(600, 600);
    EXPECT_EQ(Choice_List_Select(100, 200, &c.e), 0);
    EXPECT_EQ(c.sel, 2);
}

TEST_F(Events, HoldingTheLowerArrowScrollsOneRowPerPauseToTheEnd)
{
    Choice c(100);
    g_pauses.clear();
    Kov_Set_Sleep_Function(record_sleep);
    // Above with 50 rows from top 31; the lower arrow at the bottom right.
    Kov_Ui_Push_Press(93 + 112 - 8, 31 + 656 - 8, 1);
    for (int i = 0; i < 60; ++i) Kov_Ui_Push_Idle(100);
    Kov_Ui_Push_Release(93 + 112 - 8, 31 + 656 - 8, 1);
    Kov_Ui_Push_Key(13);
    EXPECT_EQ(Choice_List_Select(100, 700, &c.e), 1);
    // From first 0 to first 50, one row each 100 ms.
    EXPECT_EQ(g_pauses, std::vector<int>(50, 100));
    EXPECT_EQ(c.sel, 50);
}

TEST_F(Events, PictureChoiceTooLowForARowOpensWithOneAndItsThumbCannotBeDragged)
{
    ViewElement e{};
    int sel = 0;
    e.type = VIEW_PICTURE_CHOICE;
    e.extra = 3;
    e.x2 = 30;
    e.y2 = 20;
    e.value = &sel;
    // An area from 300 to 320 has no room for a row of 24 pixels; fewer than a
    // third of the pictures fit, so min(3 / 2, ...) = 1 row below the field
    // (field height 26): top 326, height 30, width 50. The track is shorter
    // than the thumb (step < 0).
    Kov_Script_Clear_Log();
    for (int y : {342, 345, 348}) {
        Kov_Ui_Push_Press(342, y, 1);
        Kov_Ui_Push_Move(342, y + 5);
        Kov_Ui_Push_Release(342, y + 5, 1);
    }
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Picture_List_Select(300, 320, 300, 300, &e), 0);
    EXPECT_EQ(sel, 0);
    ASSERT_FALSE(saves().empty());
    EXPECT_EQ(saves()[0], "Save_Screen_Rectangle 300 326 350 356");
}

TEST_F(Events, PictureOfAnOpenChoiceList)
{
    const unsigned s = open();
    static const char* names[] = {"Nadelholz C24", "Nadelholz C30", "Brettschichtholz GL24h", "Brettschichtholz GL28h",
                                  "Laubholz D30"};
    std::vector<ChoiceEntry> entries;
    for (const char* n : names) entries.push_back(ChoiceEntry{0, n});
    int sel = 2, on = 1;
    View_Area_Add_Text(s, 20, 30, "Baustoff:", 0x1000, 0, 0);
    View_Area_Add_Choice(s, 100, 30, entries.data(), 0x1000, 24, int(entries.size()), &sel, &on); // X 150, Y 80
    View_Area_Show(s);
    const std::string kept = kovtest::kept_dir("sheets", "view_events");
    ASSERT_FALSE(kept.empty());
    static std::string path;
    static int saved;
    path = kept + "/open_choice_list.png";
    saved = 0;
    // The list waits for the user: the screen is kept, then Esc closes it.
    Kov_Ui_Set_Idle_Hook([](const char*) {
        if (saved) return;
        saved = Kov_Ui_Save_Png(path.c_str());
        Kov_Ui_Push_Key(27);
    });
    press(155, 78);
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(sel, 2);
    EXPECT_TRUE(kovtest::exists(path));
}

TEST_F(Events, TextFieldGetsBackNoMoreThanItsMaximum)
{
    const unsigned s = open();
    // A field of maximum length 2 whose record says 6 characters show: the
    // edit then takes up to 6 characters, the field keeps 2.
    std::vector<char> field = {'a', 'b', 0};
    int on = 1;
    View_Area_Add_Text_Field(s, 40, 30, field.data(), 0x1000, 0, &on); // X 90, Y 80
    View_Area_Record(s)->last->y2 = 6;
    View_Area_Show(s);
    press(95, 78);
    static int turn;
    turn = 0;
    Kov_Ui_Set_Idle_Hook([](const char*) {
        if (turn++ == 0) Kov_Ui_Push_Text("wxyz12\r");
    });
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    EXPECT_EQ(field[2], 0);
    EXPECT_LE(std::strlen(field.data()), 2u);
    EXPECT_NE(std::string(field.data()), "ab"); // the edit reached the field
}

TEST_F(Events, ChoiceInTheChainClickOnARowStopsEnterGoesOn)
{
    const unsigned s = open();
    static const char* names[] = {"eins", "zwei", "drei"};
    std::vector<ChoiceEntry> entries;
    for (const char* n : names) entries.push_back(ChoiceEntry{0, n});
    int sel = 0, on = 1;
    double next = 1;
    View_Area_Add_Choice(s, 40, 30, entries.data(), 0x1000, 10, 3, &sel, &on); // X 90, Y 80
    View_Area_Set_Change_Callback(s, record_change);
    View_Area_Add_Float(s, 40, 90, &next, "%5.1f", 0x1000, 0, &on); // X 90, Y 140
    View_Area_Show(s);

    // The list opens below at 85; row 2 from 85 + 2 + 26. The chain stops there.
    press(95, 78);
    Kov_Ui_Push_Click(120, 85 + 2 + 26 + 5);
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    EXPECT_EQ(sel, 2);
    EXPECT_DOUBLE_EQ(next, 1);
    EXPECT_EQ(g_changes, std::vector<intptr_t>{2});

    // Up and Enter choose and go on to the float field.
    g_changes.clear();
    static int turn;
    turn = 0;
    Kov_Ui_Set_Idle_Hook([](const char*) {
        if (turn == 0) {
            Kov_Ui_Push_Key(328);
            Kov_Ui_Push_Key(13);
        }
        if (turn == 1) Kov_Ui_Push_Text("7\r");
        ++turn;
    });
    press(95, 78);
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    Kov_Ui_Set_Idle_Hook(nullptr);
    EXPECT_EQ(sel, 1);
    EXPECT_DOUBLE_EQ(next, 7);
    ASSERT_EQ(g_changes.size(), 1u); // the float field has no callback of its own
    EXPECT_EQ(g_changes[0], 1);
}

// The mouse rests on a bitmap button (its hover picture shows) and the user
// presses it: the press ends the hover tracking and clicks the button.
TEST_F(Events, APressOnAHoveredBitmapButtonClicksIt)
{
    const unsigned s = open();
    int result = 0, on = 1;
    View_Area_Add_Bitmap_Button(s, 10, 10, 24, 24, "knopf.bmp", 0, 0, 18, "Knopf", 7, &result, &on);
    View_Area_Show(s);
    // The move into the area as the sheet hands it over, then onto the button.
    Kov_Ui_Push_Move(55, 55);
    Get_Mouse_Event();
    Kov_Ui_Push_Move(70, 70);
    Kov_Ui_Push_Click(70, 70);
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    EXPECT_EQ(result, 7);
}

// The mouse leaves a hovered button straight out of the area and presses
// there: the tracking ends on the move, and the press is left to the sheet.
TEST_F(Events, LeavingAHoveredButtonOutOfTheAreaLeavesTheNextPressQueued)
{
    const unsigned s = open();
    int result = 0, on = 1;
    View_Area_Add_Bitmap_Button(s, 10, 10, 24, 24, "knopf.bmp", 0, 0, 18, "Knopf", 7, &result, &on);
    View_Area_Show(s);
    Kov_Ui_Push_Move(55, 55);
    Get_Mouse_Event();
    Kov_Ui_Push_Move(70, 70);
    Kov_Ui_Push_Move(600, 450);
    Kov_Ui_Push_Click(600, 450);
    EXPECT_EQ(View_Area_Handle_Event(s), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Kov_Ui_Pending(), 2);
}

// A second tracking after the mouse has left the area (the row table tracks
// first, then the area) waits for nothing: the next press stays queued.
TEST_F(Events, HoverTrackingWithTheMouseOutsideTakesNoEvent)
{
    const unsigned s = open();
    View_Area_Show(s);
    Kov_Ui_Push_Move(600, 450);
    Get_Mouse_Event();
    Kov_Ui_Push_Click(600, 450);
    View_Area_Hover(s);
    EXPECT_EQ(Kov_Ui_Pending(), 2);
    EXPECT_EQ(View_Area_Handle_Event(s), 0);
    EXPECT_EQ(Kov_Ui_Pending(), 2);
}

// Escape while a tooltip shows closes the tooltip and nothing else: the
// sheet's Escape binding is not used, and no Escape is left queued.
TEST_F(Events, EscapeWithATooltipClosesOnlyTheTooltip)
{
    kovtest::ScopedEnv env("KOV_USER_UseSheetBreakShortKey", "1");
    const unsigned s = open();
    int result = 0, escape = 0, on = 1;
    View_Area_Add_Bitmap_Button(s, 10, 10, 24, 24, "knopf.bmp", 0, 0, 18, "Knopf", 7, &result, &on);
    View_Area_Set_Escape_Result(s, 4, &escape);
    View_Area_Show(s);
    const int outside_tip = Kov_Ui_Pixel(75, 95); // below the button, where the tooltip shows
    Kov_Ui_Push_Move(55, 55);
    Get_Mouse_Event();
    Kov_Ui_Push_Move(70, 70);
    // Once the tooltip shows (the wait finds nothing queued): Escape, and
    // when the next wait comes, the mouse out of the area.
    static int step;
    step = 0;
    Kov_Ui_Set_Idle_Hook([](const char*) {
        if (step == 0) Kov_Ui_Push_Key(27);
        if (step == 1) Kov_Ui_Push_Move(600, 450);
        ++step;
    });
    Kov_Script_Clear_Log();
    EXPECT_EQ(View_Area_Handle_Event(s), 0);
    Kov_Ui_Set_Idle_Hook(nullptr);
    EXPECT_EQ(step, 2);
    EXPECT_EQ(escape, 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(hitkey(), -1);
    EXPECT_EQ(Kov_Ui_Pixel(75, 95), outside_tip);
    EXPECT_EQ(viewtest::log_lines("Save_Screen_Rectangle").size(), 1u); // shown once
    // A later Escape is the sheet's again.
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(View_Area_Handle_Event(s), 1);
    EXPECT_EQ(escape, 4);
}
