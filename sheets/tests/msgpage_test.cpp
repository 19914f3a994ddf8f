// Tests of the message-list pages: height and width from their lines, the hint page's check box
// and labels, pages switched off, the console and the screenshot.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/mask.h"
#include "sheets/maskelem.h"
#include "sheets/maskstate.h"
#include "sheets/msgpage.h"
#include "sheets/tests/viewtest.h"
#include "sheets/viewarea.h"
#include "test_support/kovtestutil.h"

namespace {

// What the user does, one step each time the page waits for input. A step that
// gives no input leaves the wait without an answer, which ends the page: a step
// that only looks at the page acts as well.
std::vector<std::function<void()>> g_steps;
size_t g_next = 0;
int g_frame[4];
int g_waits = 0;

void run_step(const char*)
{
    ++g_waits;
    if (g_next < g_steps.size()) g_steps[g_next++]();
}

// The open view area that holds a check box, -1 when none.
const ViewElement* check_box(int* area)
{
    for (unsigned s = 0; s < 20; ++s) {
        const ViewArea* a = View_Area_Record(s);
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
            if (e->type == VIEW_CHECK_BOX) {
                if (area) *area = int(s);
                return e;
            }
    }
    return nullptr;
}

void tick()
{
    int area = -1;
    const ViewElement* e = check_box(&area);
    if (!e) return;
    int ox = 0, oy = 0;
    View_Area_Inquire_Screen_Origin(unsigned(area), &ox, &oy);
    Kov_Ui_Push_Click(ox + e->x1 + 6, oy + e->y1 - 4);
}

void press_weiter()
{
    int x1, y1, x2, y2;
    if (Kov_Ui_Sheet_Rect(100, &x1, &y1, &x2, &y2)) Kov_Ui_Push_Click((x1 + x2) / 2, (y1 + y2) / 2);
}

void note_frame() { Kov_Ui_Sheet_Frame(&g_frame[0], &g_frame[1], &g_frame[2], &g_frame[3]); }

class MessagePages : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Mask_Engine_Reset();
        Mask_State_Reset();
        Msg_Reset();
        Console_Set_Output(1);
        Msg_Set_Page_Background(-1);
        g_steps.clear();
        g_next = 0;
        g_waits = 0;
        for (int& v : g_frame) v = 0;
        Kov_Ui_Set_Idle_Hook(run_step);
    }
    void TearDown() override
    {
        Kov_Ui_Set_Idle_Hook(nullptr);
        Msg_Set_Draw_Hook(nullptr);
        Msg_Reset();
        Kov_Ui_Sheets_Reset();
        Kov_Ui_Reset();
        Kov_Set_Ui_Mode(-1);
    }

    // A new current list with n lines "Zeile i" and a title.
    static int list_of(int n, const std::string& line = "Zeile")
    {
        const int l = Msg_List_New();
        Msg_List_Set_Title(l, "Hinweise");
        for (int i = 0; i < n; ++i) Msg_Collect("%s %d", line.c_str(), i + 1);
        return l;
    }
    static int sheet_height() { return g_frame[3] - g_frame[1] + 1; }
    static int sheet_width() { return g_frame[2] - g_frame[0] + 1; }
};

// The page area of a mode-1 mask lies 33 (title) + 8 + 8 + 27 (button row)
// pixels inside the sheet's height and 8 + 8 inside its width.
const int kChromeH = 33 + 8 + 8 + 27;
const int kChromeW = 8 + 8;

} // namespace

TEST_F(MessagePages, PageHeightFollowsTheLinesAndTheCheckBox)
{
    struct Case {
        int lines;
        int kind; // 0 plain page, 1 hint page, 2 page with the caller's check box
        int height;
    } cases[] = {
        {12, 0, 242}, {12, 1, 262}, {12, 2, 262}, {30, 1, 550}, {0, 0, 50},
    };
    for (const Case& c : cases) {
        Msg_Reset();
        list_of(c.lines);
        g_steps = {note_frame};
        g_next = 0;
        if (c.kind == 0) Msg_Show_Current(4);
        if (c.kind == 1) Msg_Show_Hint_Page();
        if (c.kind == 2) Msg_Show_Page_With_Check("Immer so");
        EXPECT_EQ(sheet_height() - kChromeH, c.height) << c.lines << " " << c.kind;
        EXPECT_EQ(Msg_Output_Mode(), 4);
    }
}

TEST_F(MessagePages, PageWidthIsTheWidestLineUpTo800)
{
    list_of(1, std::string(100, 'x'));
    g_steps = {note_frame};
    Msg_Show_Current(4);
    EXPECT_EQ(sheet_width() - kChromeW, 800);
    EXPECT_FALSE(viewtest::log_lines("Add_HSlider_to_Scrollable_Area").empty());

    Msg_Reset();
    Kov_Script_Clear_Log();
    list_of(2, "kurz");
    g_steps = {note_frame};
    g_next = 0;
    Msg_Show_Current(4);
    EXPECT_EQ(sheet_width() - kChromeW, Mask_Text_Width("kurz 1", 0x1000) + 40);
    EXPECT_TRUE(viewtest::logged("Define_Prop_Sheet " + std::to_string(g_frame[0]) + " " + std::to_string(g_frame[1]) +
                                 " " + std::to_string(g_frame[2]) + " " + std::to_string(g_frame[3]) +
                                 " 1 0 Hinweise 145 1"));
}

TEST_F(MessagePages, HintPageAnswersWhetherToShowAgain)
{
    list_of(3);
    g_steps = {tick, press_weiter};
    EXPECT_EQ(Msg_Show_Hint_Page(), 0);

    g_steps = {press_weiter};
    g_next = 0;
    EXPECT_EQ(Msg_Show_Hint_Page(), 1);

    // No input at all ends the page as well.
    g_steps.clear();
    EXPECT_EQ(Msg_Show_Hint_Page(), 1);
}

TEST_F(MessagePages, HintPageLabelIsGreyAndTheCallersBlack)
{
    list_of(2);
    std::string hint_label;
    int hint_colour = -1;
    g_steps = {[&] {
        const ViewElement* e = check_box(nullptr);
        if (e && e->text) hint_label = e->text;
        if (e) hint_colour = e->colour;
        press_weiter();
    }};
    Msg_Show_Hint_Page();
    EXPECT_EQ(hint_label, "Diesen Hinweis nicht nochmal anzeigen");
    EXPECT_EQ(hint_colour, Nearest_RGB_Color(130, 130, 130));

    std::string own_label;
    int own_colour = -1;
    g_steps = {[&] {
                   const ViewElement* e = check_box(nullptr);
                   if (e && e->text) own_label = e->text;
                   if (e) own_colour = e->colour;
                   tick();
               },
               press_weiter};
    g_next = 0;
    EXPECT_EQ(Msg_Show_Page_With_Check("Immer so"), 1);
    EXPECT_EQ(own_label, "Immer so");
    EXPECT_EQ(own_colour, Nearest_RGB_Color(0, 0, 0));

    g_steps = {press_weiter};
    g_next = 0;
    EXPECT_EQ(Msg_Show_Page_With_Check("Immer so"), 0);
}

TEST_F(MessagePages, PlainPageHasNoCheckBox)
{
    list_of(2);
    int boxes = -1;
    g_steps = {[&] {
        boxes = check_box(nullptr) ? 1 : 0;
        press_weiter();
    }};
    Msg_Show_Current(4);
    EXPECT_EQ(boxes, 0);
}

TEST_F(MessagePages, NothingShownWhenOffOrFree)
{
    list_of(2);
    Msg_Off();
    EXPECT_EQ(Msg_Show_Hint_Page(), 1);
    EXPECT_EQ(Msg_Show_Page_With_Check("x"), 0);
    EXPECT_EQ(Msg_Show_Current(4), 0);
    Msg_On();
    Msg_List_Free(Msg_Collector()->current);
    EXPECT_EQ(Msg_Show_Hint_Page(), 1);
    EXPECT_EQ(Msg_Show_Page_With_Check("x"), 0);
    EXPECT_EQ(Msg_List_Show(-1, 4), 0);
    EXPECT_EQ(Msg_List_Show(10, 4), 0);
    EXPECT_EQ(g_waits, 0);
    EXPECT_TRUE(viewtest::log_lines("Define_Prop_Sheet").empty());
}

TEST_F(MessagePages, PageShowsTheLinesOnItsBackground)
{
    list_of(2);
    Msg_Collect("%s", "^bFett \xCE"
                      "c255 blau\xCE"
                      "c");
    Msg_Set_Page_Background(Nearest_RGB_Color(200, 220, 240));
    std::vector<std::string> shown;
    int background = -1;
    g_steps = {[&] {
        for (unsigned s = 0; s < 20; ++s) {
            const ViewArea* a = View_Area_Record(s);
            if (!a || !a->first) continue;
            background = a->background;
            for (const ViewElement* e = a->first; e; e = e->next)
                if (e->type == VIEW_TEXT && e->text) shown.push_back(e->text);
        }
        const std::string dir = kovtest::kept_dir("sheets_screens", "message-page");
        if (!dir.empty()) Kov_Ui_Save_Png((dir + "/message-page.png").c_str());
        press_weiter();
    }};
    Msg_Show_Current(4);
    EXPECT_EQ(background, Nearest_RGB_Color(200, 220, 240));
    ASSERT_GE(shown.size(), 4u);
    EXPECT_EQ(shown[0], "Zeile 1");
    EXPECT_EQ(shown[1], "Zeile 2");
    EXPECT_EQ(shown[2], "Fett ");
    EXPECT_EQ(shown[3], "blau");
}

TEST_F(MessagePages, HintPageScreenshotIsKept)
{
    list_of(3);
    g_steps = {tick, [] {
                   const std::string dir = kovtest::kept_dir("sheets_screens", "hint-page");
                   if (!dir.empty()) Kov_Ui_Save_Png((dir + "/hint-page.png").c_str());
                   press_weiter();
               }};
    EXPECT_EQ(Msg_Show_Hint_Page(), 0);
}

TEST_F(MessagePages, ConsoleShowsEveryLineFollowedByAnEmptyLine)
{
    list_of(2);
    Msg_Collect("%s", "^bFEHLER: kaputt!");
    testing::internal::CaptureStdout();
    Msg_Show_Current(1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Zeile 1\n\nZeile 2\n\nFEHLER: kaputt!\n\n");
    EXPECT_EQ(Msg_Output_Mode(), 1);
}

TEST_F(MessagePages, OtherModesShowTheHostsMessageWindow)
{
    const int l = list_of(2);
    Msg_Collect("%s", "^b^2Fett");
    Msg_List_Set_Symbol(l, 3);
    Msg_List_Show(l, 0);
    EXPECT_EQ(viewtest::log_lines("Init_Message").size(), 1u);
    const auto filled = viewtest::log_lines("Fill_Message");
    ASSERT_EQ(filled.size(), 3u);
    EXPECT_EQ(filled[0], "Fill_Message Zeile 1");
    EXPECT_EQ(filled[2], "Fill_Message Fett");
    EXPECT_TRUE(viewtest::logged("Set_Message_Symbol 3 1 0 0"));
    EXPECT_EQ(viewtest::log_lines("Draw_Message").size(), 1u);
    EXPECT_EQ(Msg_Output_Mode(), 0);
}
