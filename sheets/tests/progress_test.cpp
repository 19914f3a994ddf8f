// Tests of the progress list: sheet size and place, bar length, counters and steps, item texts,
// deactivated steps and a list switched off.
#include <gtest/gtest.h>

#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/progress.h"
#include "sheets/scrgraph.h"
#include "sheets/viewarea.h"
#include "test_support/kovtestutil.h"

#include <string>
#include <vector>

namespace {

class Progress : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Progress_Reset();
    }
    void TearDown() override
    {
        Progress_Close();
        Progress_Reset();
        Kov_Ui_Sheets_Reset();
        Kov_Ui_Reset();
        Kov_Set_Ui_Mode(-1);
    }

    ProgressList list[PROGRESS_RECORDS];

    void open(int steps, int width)
    {
        Progress_Init(list, steps);
        snprintf(list[0].text, sizeof list[0].text, "Berechnung");
        list[0].number = width;
        for (int i = 1; i <= steps; ++i) {
            snprintf(list[i].text, sizeof list[i].text, "Schritt %d", i);
            list[i].number = 10;
        }
        Progress_Open(list);
    }

    // The screen point of a content point of the list's view area.
    static int pixel(int cx, int cy)
    {
        int ox = 0, oy = 0;
        View_Area_Inquire_Screen_Origin(unsigned(Progress_View_Area()), &ox, &oy);
        return Kov_Ui_Pixel(ox + cx, oy + cy);
    }

    static std::vector<std::string> texts()
    {
        std::vector<std::string> v;
        const ViewArea* a = View_Area_Record(unsigned(Progress_View_Area()));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
            if (e->type == VIEW_TEXT && e->text) v.push_back(e->text);
        return v;
    }

    static const ViewElement* text_element(const std::string& t)
    {
        const ViewArea* a = View_Area_Record(unsigned(Progress_View_Area()));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
            if (e->type == VIEW_TEXT && e->text && t == e->text) return e;
        return nullptr;
    }
};

bool contains(const std::vector<std::string>& v, const std::string& s)
{
    for (const std::string& x : v)
        if (x == s) return true;
    return false;
}

} // namespace

TEST_F(Progress, SheetSizeFollowsStepsAndWidth)
{
    struct Case {
        int steps, width, sheet_w, sheet_h;
    } cases[] = {
        {3, 100, 214, 217},                          // content 200 x 175: width below 200 is raised
        {5, 500, 514, 313},                          // content 500 x 271
        {3, -1, 214, 217},                           // as Progress_Init leaves the width
        {0, 300, 314, 73},                           // no steps: only the margins
        {2, 5000, 1024 - 44 + 14, 2 * 48 + 31 + 42}, // wider than the screen allows
    };
    for (const Case& c : cases) {
        open(c.steps, c.width);
        int x1, y1, x2, y2;
        ASSERT_EQ(Kov_Ui_Sheet_Frame(&x1, &y1, &x2, &y2), 1) << c.steps << " " << c.width;
        EXPECT_EQ(x2 - x1 + 1, c.sheet_w) << c.steps << " " << c.width;
        EXPECT_EQ(y2 - y1 + 1, c.sheet_h) << c.steps << " " << c.width;
        Progress_Close();
        EXPECT_EQ(Kov_Ui_Sheet_Frame(&x1, &y1, &x2, &y2), 0);
    }
}

TEST_F(Progress, FirstSheetIsCentredOnTheScreen)
{
    open(3, 100);
    int x1, y1, x2, y2;
    ASSERT_EQ(Kov_Ui_Sheet_Frame(&x1, &y1, &x2, &y2), 1);
    EXPECT_EQ(x1, NPIXEL_X / 2 - 214 / 2);
    EXPECT_EQ(y1, NPIXEL_Y / 2 - 217 / 2);
    bool titled = false;
    for (int i = 0; i < Kov_Script_Log_Count(); ++i)
        if (std::string(Kov_Script_Log_Line(i)).find("Define_Prop_Sheet") == 0)
            titled = std::string(Kov_Script_Log_Line(i)).find(" Berechnung 40 1") != std::string::npos;
    EXPECT_TRUE(titled);
}

TEST_F(Progress, BarLengthIsTheShareOfTheFrame)
{
    struct Case {
        int width, count, maximum, end; // end: last bar column, 22 + length
    } cases[] = {
        {400, 3, 7, 166},                    // round(336 * 3 / 7) = 144
        {300, 5, 10, 140},                   // round(236 / 2) = 118
        {300, 12, 10, 258},                  // beyond the maximum: to the end of the frame only
        {300, 10, 10, 258}, {200, 1, 3, 67}, // round(136 / 3) = 45
    };
    const int bar = Nearest_RGB_Color(0, 88, 176);
    const int fill = Nearest_RGB_Color(255, 255, 225);
    for (const Case& c : cases) {
        open(1, c.width);
        Progress_Set_Max(0, c.maximum);
        Progress_Set_Count(0, c.count);
        const int y = 30;
        EXPECT_EQ(pixel(22, y + 9), bar) << c.width << " " << c.count;
        EXPECT_EQ(pixel(c.end, y + 9), bar) << c.width << " " << c.count;
        EXPECT_EQ(pixel(c.end + 1, y + 9), fill) << c.width << " " << c.count;
        EXPECT_EQ(pixel(21, y + 9), fill);
        // Lightest in the middle: the bands are lightened 10 % per row inwards.
        EXPECT_EQ(pixel(30, y + 12), Mask_Lighten_Color(bar, 30.0));
        EXPECT_EQ(pixel(30, y + 15), Mask_Lighten_Color(bar, 60.0));
        // The frame: outlined in black up to W - 40.
        EXPECT_EQ(pixel(20, y + 7), Nearest_RGB_Color(0, 0, 0));
        EXPECT_EQ(pixel(std::max(c.width, 200) - 40, y + 22), Nearest_RGB_Color(0, 0, 0));
        Progress_Close();
    }
}

TEST_F(Progress, CounterShowsTheTrueCountInEitherStyle)
{
    open(2, 300);
    list[2].flag = 1;
    Progress_Set_Max(0, 10);
    Progress_Set_Count(0, 12);
    Progress_Set_Max(1, 4);
    Progress_Step(1);
    const std::vector<std::string> t = texts();
    EXPECT_TRUE(contains(t, "12 von 10"));
    EXPECT_TRUE(contains(t, "1 von maximal 4"));
    const ViewElement* counter = text_element("12 von 10");
    ASSERT_NE(counter, nullptr);
    // Right-aligned: the counter ends at W - 40.
    Pop_RFont(0);
    const int w = pxQTxX("12 von 10", 9, nullptr);
    Push_RFont();
    EXPECT_EQ(counter->x1 + w, 300 - 40);
}

TEST_F(Progress, StepCountsOnlyWithAMaximum)
{
    open(2, 300);
    Progress_Set_Max(0, 0);
    Progress_Step(0);
    Progress_Step(0);
    EXPECT_EQ(Progress_Count(0), 0);
    Progress_Set_Count(0, 4);
    EXPECT_EQ(Progress_Count(0), 0);
    Progress_Set_Max(1, 3);
    Progress_Step(1);
    Progress_Step_Text(1, "Stab 2");
    EXPECT_EQ(Progress_Count(1), 2);
    EXPECT_TRUE(contains(texts(), "Stab 2"));
    Progress_Set_Max(1, 5);
    EXPECT_EQ(Progress_Count(1), 0);
}

TEST_F(Progress, StepsOutsideTheTableAreIgnored)
{
    open(5, 300);
    for (int step : {-1, 5, 6, 1000, -1000}) {
        Progress_Set_Max(step, 3);
        Progress_Step(step);
        Progress_Set_Count(step, 2);
        Progress_Set_Text(step, "x");
        Progress_Step_Text(step, "x");
        Progress_Deactivate_Step(step);
        EXPECT_EQ(Progress_Count(step), 0);
    }
    for (int i = 0; i < PROGRESS_STEPS; ++i) EXPECT_EQ(Progress_Maximum(i), 10);
}

TEST_F(Progress, ItemTextIsCutAndNullLeavesIt)
{
    open(1, 300);
    Progress_Set_Text(0, "Knoten 1");
    Progress_Set_Text(0, nullptr);
    EXPECT_TRUE(contains(texts(), "Knoten 1"));
    const std::string longer(150, 'a');
    Progress_Set_Text(0, longer.c_str());
    EXPECT_TRUE(contains(texts(), std::string(99, 'a')));
}

TEST_F(Progress, DeactivatedStepShowsGreyWithoutCounter)
{
    open(2, 300);
    Progress_Set_Count(1, 3);
    Progress_Deactivate_Step(1);
    EXPECT_EQ(Progress_Maximum(1), -1);
    EXPECT_EQ(Progress_Count(1), 0);
    const ViewElement* name = text_element("Schritt 2");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->colour, Nearest_RGB_Color(120, 120, 120));
    EXPECT_FALSE(contains(texts(), "0 von -1"));
    EXPECT_TRUE(contains(texts(), "0 von 10"));
    const int y = 30 + 47;
    EXPECT_EQ(pixel(22, y + 9), Nearest_RGB_Color(80, 80, 80));
    EXPECT_EQ(pixel(40, y + 14), Nearest_RGB_Color(225, 225, 225));
    EXPECT_EQ(text_element("Schritt 1")->colour, Nearest_RGB_Color(0, 0, 0));
}

TEST_F(Progress, SwitchedOffNothingOpens)
{
    Progress_Disable();
    open(3, 300);
    int x1, y1, x2, y2;
    EXPECT_EQ(Kov_Ui_Sheet_Frame(&x1, &y1, &x2, &y2), 0);
    EXPECT_EQ(Progress_Is_Open(), 0);
    Progress_Step(0);
    Progress_Close();
    Progress_Enable();
    open(3, 300);
    EXPECT_EQ(Progress_Is_Open(), 1);
}

TEST_F(Progress, SheetGoesAlsoWhenSwitchedOffMeanwhile)
{
    open(3, 300);
    Progress_Disable();
    EXPECT_EQ(Progress_Is_Open(), 0);
    Progress_Close();
    int x1, y1, x2, y2;
    EXPECT_EQ(Kov_Ui_Sheet_Frame(&x1, &y1, &x2, &y2), 0);
    Progress_Enable();
}

TEST_F(Progress, ReopeningClosesTheFirstSheet)
{
    // Twenty-five openings without a close would take all view areas.
    for (int i = 0; i < 25; ++i) {
        open(2, 300);
        ASSERT_GE(Progress_View_Area(), 0) << i;
    }
    Progress_Close();
    int x1, y1, x2, y2;
    EXPECT_EQ(Kov_Ui_Sheet_Frame(&x1, &y1, &x2, &y2), 0);
    EXPECT_EQ(Progress_Is_Open(), 0);
}

TEST_F(Progress, ScreenshotIsKept)
{
    open(4, 400);
    Progress_Set_Max(0, 7);
    Progress_Set_Count(0, 7);
    Progress_Set_Max(1, 7);
    Progress_Set_Count(1, 3);
    Progress_Step_Text(1, "Stab 4");
    list[3].flag = 1;
    Progress_Set_Max(2, 12);
    Progress_Step(2);
    Progress_Deactivate_Step(3);
    const std::string dir = kovtest::kept_dir("sheets_screens", "progress");
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(Kov_Ui_Save_Png((dir + "/progress.png").c_str()), 1);
}
