// Tests of the property sheets: buttons and their codes, comments under the mouse, Escape and
// Enter, scrolling and sliders, dragging the sheet and nested sheets.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "platform/kovsheet.h"
#include "test_support/kovtestutil.h"

namespace {

std::vector<int> screen()
{
    std::vector<int> v;
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

struct Painted {
    int calls = 0;
    int sx = -1, sy = -1;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

void paint(int, int sx, int sy, int x1, int y1, int x2, int y2, void* record)
{
    Painted* p = static_cast<Painted*>(record);
    ++p->calls;
    p->sx = sx;
    p->sy = sy;
    p->x1 = x1;
    p->y1 = y1;
    p->x2 = x2;
    p->y2 = y2;
    // Stripes of the content, so the screen shows where it stands.
    pxView(x1, y1, x2, y2);
    for (int row = 0; row < 1000; row += 20) {
        pxFgc(row % 40 ? 0xFFFFFF : 0xDDEEFF);
        pxRect(x1, y1 + row - sy, x2, y1 + row + 19 - sy);
    }
    pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
}

struct Centre {
    int x, y;
};

Centre centre_of(int id)
{
    int x1, y1, x2, y2;
    EXPECT_EQ(Kov_Ui_Sheet_Rect(id, &x1, &y1, &x2, &y2), 1) << id;
    return Centre{(x1 + x2) / 2, (y1 + y2) / 2};
}

const int kOk = 1, kCancel = 2, kBreak = 5, kEscape = 77;

// The hand-made sheet: OK and cancel buttons, an escape area that reports mouse
// moves, a scrollable area of content 400 x 1000 with a vertical slider.
class Sheet : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Define_Prop_Sheet(200, 150, 640, 500, 1, 0, "Probe", 10, 1);
        ok = Add_Single_Button_to_PS(480, 460, 1, kOk, nullptr, SYMBOLIC_OK_RASTER, 0);
        cancel = Add_Single_Button_to_PS(540, 460, 1, kCancel, nullptr, SYMBOLIC_BREAK_RASTER, 0);
        Set_Windows_Break_Button(kBreak);
        escape = Add_Escape_Area_to_PS(220, 200, 380, 300, 1, kEscape);
        Set_Escape_Area_to_MouseMoveEvent(escape, 1);
        area = Add_Scrollable_Area_to_PS(400, 200, 600, 410, 1, 0, 10, 10, paint, &painted, 1);
        Resize_Origin_of_Scrollable_Area_PS(area, 400, 1000);
        slider = Add_VSlider_to_Scrollable_Area(area, 5, 10, -1, 0);
        Prop_Sheet_Displacement(&dx, &dy);
        Activate_Prop_Sheet();
    }
    void TearDown() override
    {
        Kov_Ui_Reset();
        Kov_Set_Ui_Mode(-1);
    }
    int ok = 0, cancel = 0, escape = 0, area = 0, slider = 0, dx = -1, dy = -1;
    Painted painted;
};

} // namespace

TEST_F(Sheet, HandlesAreValid)
{
    for (int h : {ok, cancel, escape, area, slider}) {
        EXPECT_GE(h, 1);
        EXPECT_NE(h, 9999);
    }
    EXPECT_EQ(dx, 0);
    EXPECT_EQ(dy, 0);
    EXPECT_GT(painted.calls, 0); // painted when activated
    EXPECT_EQ(ActivState_of_Button_PS(ok), 1);
}

TEST_F(Sheet, ClickOnOkReturnsItsId)
{
    const Centre c = centre_of(kOk);
    Kov_Ui_Push_Click(c.x, c.y);
    EXPECT_EQ(Edit_Prop_Sheet(), kOk);
    // A press that leaves the button before the release is no click.
    Kov_Ui_Push_Press(c.x, c.y, 1);
    Kov_Ui_Push_Release(c.x + 200, c.y, 1);
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    // An inactive button is no click either; an invisible one is not there.
    Change_Activity_PS(ok, 0);
    Kov_Ui_Push_Click(c.x, c.y);
    Kov_Ui_Push_Key(13); // no OK code, and the OK button is inactive: dropped
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
}

TEST_F(Sheet, CommentShowsBelowItsButtonWhileTheMouseIsOverIt)
{
    Set_Comment_to_Button_PS(ok, "best\x84tigen");
    const std::vector<int> before = screen();
    const Centre c = centre_of(kOk);
    Kov_Ui_Push_Move(c.x, c.y);
    // Look at the screen while the sheet waits: a hook of the test.
    static int seen;
    seen = -1;
    Kov_Ui_Set_Idle_Hook([](const char*) {
        int x1, y1, x2, y2;
        Kov_Ui_Sheet_Rect(kOk, &x1, &y1, &x2, &y2);
        if (seen < 0) seen = Kov_Ui_Pixel(x1 + 2, y2 + 7);
        Kov_Ui_Push_Move(10, 10);
        Kov_Ui_Push_Key(27);
    });
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    EXPECT_EQ(seen, 0xFFFFE1);
    EXPECT_EQ(screen(), before); // the box went again
}

TEST_F(Sheet, EscapeGivesTheBreakCodeAndEnterTheOkCode)
{
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    Kov_Ui_Push_Key('x'); // dropped
    Kov_Ui_Push_Key(13);
    EXPECT_EQ(Edit_Prop_Sheet(), kOk); // the active OK button, there is no OK code
    Set_Windows_OK_Button(42);
    Kov_Ui_Push_Key(13);
    EXPECT_EQ(Edit_Prop_Sheet(), 42);
}

TEST_F(Sheet, PressInTheEscapeAreaReturnsAtOnceWithTheReleaseQueued)
{
    Kov_Ui_Push_Press(300, 250, 1);
    Kov_Ui_Push_Release(300, 250, 1);
    EXPECT_EQ(Edit_Prop_Sheet(), kEscape);
    EXPECT_EQ(M_LEFT, 1);
    EXPECT_EQ(M_XPOS, 300);
    EXPECT_EQ(Kov_Ui_Pending(), 1);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_RELEASE);
    // A move over it reports as well.
    Kov_Ui_Push_Move(230, 210);
    EXPECT_EQ(Edit_Prop_Sheet(), kEscape);
    // A key the area's owner left queued is the sheet's at the next call.
    Kov_Ui_Push_Move(231, 210);
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Edit_Prop_Sheet(), kEscape);
    EXPECT_EQ(hitkey(), 27);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    EXPECT_EQ(hitkey(), -1);
}

TEST_F(Sheet, ScrollPositionIsClampedToTheContent)
{
    Set_Scrollable_Area_PS(area, 0, 5000);
    int sx = -1, sy = -1;
    Inquire_Scrollable_Area_PS(area, &sx, &sy);
    EXPECT_EQ(sx, 0);
    EXPECT_EQ(sy, 1000 - (410 - 200));
    EXPECT_EQ(painted.sy, sy);
    Set_Scrollable_Area_PS(area, -5, -5);
    Inquire_Scrollable_Area_PS(area, &sx, &sy);
    EXPECT_EQ(sy, 0);
}

TEST_F(Sheet, NewContentSizeShowsTheAreaAnew)
{
    // A caller that rebuilds its content hands the new size over and expects
    // the area painted, whether or not the scroll position moves.
    const int before = painted.calls;
    Resize_Origin_of_Scrollable_Area_PS(area, 400, 1000);
    EXPECT_EQ(painted.calls, before + 1);
    // Before the sheet is activated nothing is painted.
    Define_Prop_Sheet(100, 100, 300, 300, 0, 0, "", 1, 1);
    Painted inner;
    const int a = Add_Scrollable_Area_to_PS(110, 110, 200, 200, 1, 0, 10, 10, paint, &inner, 1);
    Resize_Origin_of_Scrollable_Area_PS(a, 50, 50);
    EXPECT_EQ(inner.calls, 0);
    Undefine_Prop_Sheet();
}

TEST_F(Sheet, SliderClickScrollsAndPaints)
{
    const int before = painted.calls;
    // The lower arrow of the slider strip right of the area.
    Kov_Ui_Push_Click(610, 405);
    // Below the thumb: a page.
    Kov_Ui_Push_Click(610, 380);
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    EXPECT_EQ(painted.calls, before + 2);
    EXPECT_EQ(painted.sy, 10 + 210);
    EXPECT_EQ(painted.x1, 400);
    EXPECT_EQ(painted.y2, 410);
    // The wheel over the area scrolls it too.
    Kov_Ui_Push_Wheel(450, 300, 1);
    Kov_Ui_Push_Key(27);
    Edit_Prop_Sheet();
    EXPECT_EQ(painted.sy, 220 - 30);
}

TEST_F(Sheet, DraggingTheTitleBarMovesTheSheet)
{
    const int title = Kov_Ui_Pixel(210, 160);
    const int body = Kov_Ui_Pixel(210, 450);
    Kov_Ui_Push_Press(300, 160, 1);
    Kov_Ui_Push_Move(310, 170);
    Kov_Ui_Push_Move(330, 180);
    Kov_Ui_Push_Release(330, 180, 1);
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    EXPECT_EQ(dx, 30);
    EXPECT_EQ(dy, 20);
    int ix, iy;
    Inquire_Prop_Sheet_Displacement(&ix, &iy);
    EXPECT_EQ(ix, 30);
    EXPECT_EQ(iy, 20);
    EXPECT_EQ(Kov_Ui_Pixel(240, 180), title);
    EXPECT_EQ(Kov_Ui_Pixel(240, 470), body);
    EXPECT_EQ(Kov_Ui_Pixel(205, 155), 0x3A6EA5); // the desktop came back
    // The elements moved along.
    const Centre c = centre_of(kOk);
    EXPECT_EQ(c.x, 480 + 30 + 17);
    Kov_Ui_Push_Click(c.x, c.y);
    EXPECT_EQ(Edit_Prop_Sheet(), kOk);
}

TEST_F(Sheet, UndefiningANestedSheetRestoresTheScreen)
{
    const std::vector<int> before = screen();
    Define_Prop_Sheet(300, 250, 500, 400, 1, 0, "Innen", 5, 1);
    Add_Single_Button_to_PS(320, 350, 1, 9, "Weiter", nullptr, 0);
    Activate_Prop_Sheet();
    EXPECT_NE(screen(), before);
    Kov_Ui_Push_Click(centre_of(9).x, centre_of(9).y);
    EXPECT_EQ(Edit_Prop_Sheet(), 9);
    Undefine_Prop_Sheet();
    EXPECT_EQ(screen(), before);
    Undefine_Prop_Sheet();
    EXPECT_EQ(Kov_Ui_Pixel(300, 300), 0x3A6EA5);
    EXPECT_EQ(Kov_Ui_Sheet_Frame(nullptr, nullptr, nullptr, nullptr), 0);
}

// A confirm button placed near the right edge reaches past the frame; closing
// or moving the sheet must not leave that strip on the desktop.
TEST_F(Sheet, ButtonsPastTheFrameLeaveNothingBehind)
{
    const std::vector<int> before = screen();
    ASSERT_GT(NPIXEL_X, 900);
    const int desktop = Kov_Ui_Pixel(862, 370);
    for (int moved : {0, 1}) {
        SCOPED_TRACE(moved);
        Define_Prop_Sheet(660, 250, 860, 400, 1, 0, "Rand", 5, 1);
        const int b = Add_Single_Button_to_PS(860 - 8 - 23, 365, 1, 9, nullptr, SYMBOLIC_OK_RASTER, 0);
        Activate_Prop_Sheet();
        int x1, y1, x2, y2;
        ASSERT_EQ(Kov_Ui_Sheet_Rect(9, &x1, &y1, &x2, &y2), 1);
        ASSERT_GT(x2, 860); // the point of the test: the button sticks out
        EXPECT_NE(Kov_Ui_Pixel(862, 370), desktop);
        if (moved) {
            Kov_Ui_Push_Press(700, 260, 1);
            Kov_Ui_Push_Move(660, 300);
            Kov_Ui_Push_Release(660, 300, 1);
        }
        Kov_Ui_Push_Click((x1 + x2) / 2 - 40 * moved, (y1 + y2) / 2 + 40 * moved);
        EXPECT_EQ(Edit_Prop_Sheet(), 9);
        EXPECT_GE(b, 1);
        Undefine_Prop_Sheet();
        EXPECT_EQ(screen(), before);
    }
}

TEST_F(Sheet, WithoutInputItAnswersLikeEscape)
{
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    Set_Windows_Break_Button(-12345678); // a code kept as given
    EXPECT_EQ(Edit_Prop_Sheet(), -12345678);
}

TEST(SheetAnswers, WithoutInputTheOrderOfEscape)
{
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    struct Case {
        bool brk, break_button, outside, ok, ok_button, other;
        int expected;
    } cases[] = {
        {true, true, true, true, true, true, 5},     {false, true, true, true, true, true, 6},
        {false, false, true, true, true, true, 7},   {false, false, false, true, true, true, 8},
        {false, false, false, false, true, true, 9}, {false, false, false, false, false, true, 10},
    };
    for (const Case& c : cases) {
        Kov_Ui_Reset();
        Define_Prop_Sheet(10, 10, 300, 200, 1, 0, "", 1, 1);
        if (c.brk) Set_Windows_Break_Button(5);
        if (c.break_button) Add_Single_Button_to_PS(20, 50, 1, 6, nullptr, SYMBOLIC_BREAK_RASTER, 0);
        if (c.outside) Set_ClickOutsideEvent_to_PS(7);
        if (c.ok) Set_Windows_OK_Button(8);
        if (c.ok_button) Add_Single_Button_to_PS(80, 50, 1, 9, nullptr, SYMBOLIC_OK_RASTER, 0);
        if (c.other && !c.ok_button && !c.break_button) Add_Single_Button_to_PS(140, 50, 1, 10, "Los", nullptr, 0);
        Activate_Prop_Sheet();
        EXPECT_EQ(Edit_Prop_Sheet(), c.expected);
        Undefine_Prop_Sheet();
    }
    Kov_Set_Ui_Mode(-1);
}

TEST(SheetBatch, OnlyTheWindowsOkButtonAnswers)
{
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    Kov_Ui_Reset();
    Define_Prop_Sheet(10, 10, 300, 200, 1, 0, "", 1, 1);
    Set_Windows_OK_Button(2);
    Activate_Prop_Sheet();
    EXPECT_EQ(Edit_Prop_Sheet(), 2);
    Undefine_Prop_Sheet();
    Kov_Set_Ui_Mode(-1);
}

TEST(SheetBatch, ASheetNothingCanEndStopsTheProcess)
{
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    Kov_Ui_Reset();
    EXPECT_EXIT(
        {
            Define_Prop_Sheet(10, 10, 300, 200, 1, 0, "", 1, 1);
            Add_Escape_Area_to_PS(20, 40, 100, 100, 1, 3);
            Activate_Prop_Sheet();
            Edit_Prop_Sheet();
        },
        testing::ExitedWithCode(3), "GetKOVMessage");
    Kov_Set_Ui_Mode(-1);
}

TEST(SheetRegister, MembersAreNumberedAndClicked)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Ui_Reset();
    Define_Prop_Sheet(100, 100, 500, 400, 1, 0, "Register", 20, 1);
    const int reg = Add_Register_to_PS(110, 135, 490, 380, 165);
    ASSERT_GE(reg, 1);
    EXPECT_GE(Add_Member_to_Register(reg, 110, 200, 1, 1000), 1);
    Add_Member_to_Register(reg, 201, 290, -1, 1001);
    Add_Member_to_Register(reg, 490, 490, 0, 1002);
    Set_Selected_Register_Member(1);
    Set_Windows_Break_Button(2);
    Activate_Prop_Sheet();
    Kov_Ui_Push_Click(250, 150); // refused
    Kov_Ui_Push_Click(150, 150);
    EXPECT_EQ(Edit_Prop_Sheet(), 1000);
    int x1, y1, x2, y2;
    ASSERT_EQ(Kov_Ui_Sheet_Rect(1001, &x1, &y1, &x2, &y2), 1);
    EXPECT_EQ(x1, 201);
    EXPECT_EQ(y2, 165);
    EXPECT_EQ(Add_Member_to_Register(9999, 1, 2, 1, 5), -1);
    Kov_Set_Ui_Mode(-1);
}

TEST(SheetRegister, TheSelectedTabIsInThePagesColourAndJoinedToIt)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Ui_Reset();
    Define_Prop_Sheet(100, 100, 500, 400, 1, 0, "Register", 20, 1);
    // Tabs 110..200 and 201..290 in the bar 135..165; the page from 175 on,
    // 120..480, in a cream colour.
    const int reg = Add_Register_to_PS(110, 135, 490, 380, 165);
    Add_Member_to_Register(reg, 110, 200, 1, 1000);
    Add_Member_to_Register(reg, 201, 290, 1, 1001);
    const int cream = Nearest_RGB_Color(255, 251, 240);
    Set_Register_Page(reg, 120, 175, 480, cream);
    Set_Windows_Break_Button(2);
    Set_Selected_Register_Member(1);
    Activate_Prop_Sheet();
    const int page = 0xFFFBF0, bar = GetKOVColor(-1) & 0xFFFFFF;
    ASSERT_NE(page, bar);
    struct Probe {
        int x, y;
    };
    // Inside the first tab, in the gap between the bar and the page under it
    // (where the page's frame was), and inside the second tab.
    const Probe first_tab{150, 140}, joint{150, 172}, page_frame{150, 174}, second_tab{250, 145},
        below_second{250, 172};
    EXPECT_EQ(Kov_Ui_Pixel(first_tab.x, first_tab.y), page);
    EXPECT_EQ(Kov_Ui_Pixel(joint.x, joint.y), page);
    EXPECT_EQ(Kov_Ui_Pixel(page_frame.x, page_frame.y), page);
    EXPECT_EQ(Kov_Ui_Pixel(second_tab.x, second_tab.y), bar);
    EXPECT_EQ(Kov_Ui_Pixel(below_second.x, below_second.y), bar);
    // The other tab chosen: the colours change places, the page's top edge
    // closes under the first tab.
    Set_Selected_Register_Member(2);
    EXPECT_EQ(Kov_Ui_Pixel(first_tab.x, first_tab.y), bar);
    EXPECT_EQ(Kov_Ui_Pixel(joint.x, joint.y), bar);
    EXPECT_NE(Kov_Ui_Pixel(page_frame.x, page_frame.y), page);
    EXPECT_EQ(Kov_Ui_Pixel(second_tab.x, second_tab.y), page);
    EXPECT_EQ(Kov_Ui_Pixel(below_second.x, below_second.y), page);
    // Left of the page the tab does not reach below the bar.
    EXPECT_EQ(Kov_Ui_Pixel(112, 172), bar);
    Kov_Set_Ui_Mode(-1);
}

TEST(SheetFrames, CheckMovesTheRectangleOntoTheScreen)
{
    Kov_Ui_Reset();
    struct Case {
        int x1, y1, x2, y2, ex1, ey1, ex2, ey2;
    } cases[] = {
        {-50, -20, 150, 80, 0, 0, 200, 100},
        {900, 700, 1100, 800, 823, 667, 1023, 767},
        {10, 10, 110, 60, 10, 10, 110, 60},
        {-10, 0, 2000, 50, 0, 0, 1023, 50},
    };
    for (const Case& c : cases) {
        int x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
        Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
        EXPECT_EQ(x1, c.ex1);
        EXPECT_EQ(y1, c.ey1);
        EXPECT_EQ(x2, c.ex2);
        EXPECT_EQ(y2, c.ey2);
    }
}

namespace {
int g_sometimes = 0;
void sometimes() { ++g_sometimes; }
} // namespace

TEST_F(Sheet, IdleFunctionsAreCalledWhileTheSheetWaits)
{
    g_sometimes = 0;
    Set_CallSometimesFunc_to_PS(sometimes);
    Kov_Ui_Push_Idle(100);
    Kov_Ui_Push_Idle(100);
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    EXPECT_EQ(g_sometimes, 3);
    Set_CallSometimesFunc_to_PS(nullptr);
}

namespace {
int g_between = 0;
void between() { ++g_between; }
} // namespace

TEST_F(Sheet, HoverWaitsCallTheInnermostSheetsFunctionBetweenEvents)
{
    g_between = 0;
    KovMessage m;
    InitKOVMessage(&m);
    // Switched off at first: no call.
    Define_Call_Allways_Function(between);
    Kov_Ui_Push_Move(10, 10);
    EXPECT_EQ(GetKOVMessage(0x84022, &m), 2);
    EXPECT_EQ(g_between, 0);
    // On: before the wait and again at every idle event until the move.
    Activate_Call_Allways_Function(1);
    Kov_Ui_Push_Idle(100);
    Kov_Ui_Push_Idle(100);
    Kov_Ui_Push_Move(11, 10);
    EXPECT_EQ(GetKOVMessage(0x84022, &m), 2);
    EXPECT_EQ(M_XPOS, 11);
    EXPECT_EQ(g_between, 3);
    // Waits of other kinds (lists, editors) do not call it.
    Kov_Ui_Push_Move(12, 10);
    EXPECT_EQ(GetKOVMessage(0x14022, &m), 2);
    EXPECT_EQ(g_between, 3);
    // A hover wait with its own time-out still ends at the first idle event.
    int every = 100;
    std::memcpy(m.bytes + KOV_MESSAGE_TIMEOUT, &every, sizeof every);
    Kov_Ui_Push_Idle(100);
    EXPECT_EQ(GetKOVMessage(0x40084022, &m), 0x40000000);
    EXPECT_EQ(g_between, 4);

    // A sheet defined over it has a function of its own, off at first.
    Define_Prop_Sheet(300, 250, 500, 400, 1, 0, "Innen", 10, 1);
    Activate_Prop_Sheet();
    Kov_Ui_Push_Move(13, 10);
    EXPECT_EQ(GetKOVMessage(0x84022, &m), 2);
    EXPECT_EQ(g_between, 4);
    Define_Call_Allways_Function(between);
    Activate_Call_Allways_Function(1);
    Kov_Ui_Push_Move(14, 10);
    EXPECT_EQ(GetKOVMessage(0x84022, &m), 2);
    EXPECT_EQ(g_between, 5);
    Activate_Call_Allways_Function(0);
    Undefine_Prop_Sheet();
    // The outer sheet's is on as it was.
    Kov_Ui_Push_Move(15, 10);
    EXPECT_EQ(GetKOVMessage(0x84022, &m), 2);
    EXPECT_EQ(g_between, 6);
    Activate_Call_Allways_Function(0);
}

namespace {
int g_always = 0;
void always() { ++g_always; }
} // namespace

// A caller that waits in a loop of its own (a view area tracking the mouse
// after Edit_Prop_Sheet reported a move into it) still gets the sheet's
// always-function between the events, as long as it is active.
TEST_F(Sheet, TheAlwaysFunctionRunsBeforeEveryWaitOfTheCallersLoops)
{
    g_always = 0;
    Define_Call_Allways_Function(always);
    KovMessage m;
    InitKOVMessage(&m);
    Kov_Ui_Push_Move(50, 50);
    Kov_Ui_Push_Move(60, 50);
    GetKOVMessage(0x84022, &m);
    GetKOVMessage(0x84022, &m);
    EXPECT_EQ(g_always, 0); // not active yet
    Activate_Call_Allways_Function(1);
    Kov_Ui_Push_Move(70, 50);
    Kov_Ui_Push_Move(80, 50);
    GetKOVMessage(0x84022, &m);
    GetKOVMessage(0x84022, &m);
    EXPECT_EQ(g_always, 2);
    // A look at the queue without a record is no wait.
    GetKOVMessage(0, nullptr);
    EXPECT_EQ(g_always, 2);
    // Edit_Prop_Sheet's own waits call it as before.
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    EXPECT_EQ(g_always, 3);
    Activate_Call_Allways_Function(0);
    Kov_Ui_Push_Move(90, 50);
    GetKOVMessage(0x84022, &m);
    EXPECT_EQ(g_always, 3);
}

// A button that lies inside a scrollable area stays on top of the area's
// paint, as a window of the host would, whenever the area is painted.
TEST(SheetButtons, AButtonOverAnAreaShowsAfterTheAreaIsPainted)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    Kov_Ui_Reset();
    Painted painted;
    Define_Prop_Sheet(100, 100, 500, 400, 1, 0, "Vollbild", 10, 1);
    const int area = Add_Scrollable_Area_to_PS(110, 140, 490, 390, 1, 0, 10, 10, paint, &painted, 1);
    Add_Single_Button_to_PS(250, 350, 1, 7, "Weiter", nullptr, 0);
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ASSERT_TRUE(Kov_Ui_Sheet_Rect(7, &x1, &y1, &x2, &y2));
    Activate_Prop_Sheet();
    EXPECT_EQ(Kov_Ui_Pixel(x1 + 2, y1 + 2), 0xE1E1E1);
    Resize_Origin_of_Scrollable_Area_PS(area, 400, 1000);
    EXPECT_GE(painted.calls, 2);
    EXPECT_EQ(Kov_Ui_Pixel(x1 + 2, y1 + 2), 0xE1E1E1);
    Kov_Ui_Push_Click((x1 + x2) / 2, (y1 + y2) / 2);
    EXPECT_EQ(Edit_Prop_Sheet(), 7);
    Undefine_Prop_Sheet();
    Kov_Ui_Reset();
    Kov_Set_Ui_Mode(-1);
}
