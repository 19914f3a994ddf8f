// Tests of the reinforcement calculator sheet: bar counts give areas and their sum, cancel and
// escape, the limits of the counts, the sheet's position and its picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "materials/pages/rebarcalc.h"
#include "materials/rebar.h"
#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/tests/scrtest.h"

namespace {

// On the 1024 x 768 screen the first sheet is (403, 219)-(620, 548).
const int kX1 = 403, kY1 = 219;
const int kEnter = 13, kEscape = 27;

// Row i of the counts: the middle of its field (2 characters: 32 x 20 pixels).
void type_count(int x1, int y1, int row, const char* count)
{
    Kov_Ui_Push_Click(x1 + 13 + 16, y1 + 42 + 25 * row + 10);
    Kov_Ui_Push_Text(count);
    Kov_Ui_Push_Key(kEnter);
}

void click_confirm(int x1, int y1) { Kov_Ui_Push_Click(x1 + 179 + 18, y1 + 302 + 12); }
void click_cancel(int x1, int y1) { Kov_Ui_Push_Click(x1 + 12 + 18, y1 + 301 + 12); }

// The texts drawn at (x, y) in the order drawn.
std::vector<std::string> texts_at(int x, int y)
{
    const std::string prefix = "pxText " + std::to_string(x) + " " + std::to_string(y) + " ";
    std::vector<std::string> v;
    for (const std::string& l : scrtest::calls({"pxText"}))
        if (l.compare(0, prefix.size(), prefix) == 0) v.push_back(l.substr(prefix.size()));
    return v;
}

class Calculator : public testing::Test {
protected:
    void SetUp() override
    {
        scrtest::fresh_screen();
        Kov_Ui_Sheets_Reset();
        Rebar_Area_Calculator_Reset();
    }
    void TearDown() override
    {
        Kov_Ui_Set_Idle_Hook(nullptr);
        Kov_Ui_Sheets_Reset();
        Rebar_Area_Calculator_Reset();
        Kov_Set_Ui_Mode(-1);
    }
};

} // namespace

TEST_F(Calculator, CountsGiveAreasAndTheirSum)
{
    type_count(kX1, kY1, 3, "3"); // 12 mm
    type_count(kX1, kY1, 6, "2"); // 20 mm
    click_confirm(kX1, kY1);
    // 3 pi/4 0.012^2 = 3.393e-4 -> 0.000339; 2 pi/4 0.020^2 = 6.283e-4 -> 0.000628.
    EXPECT_NEAR(Rebar_Area_Calculator(), 0.000967, 1e-12);
    EXPECT_EQ(texts_at(kX1 + 123, kY1 + 54 + 75).back(), "  3.39 cm\xFD");
    EXPECT_EQ(texts_at(kX1 + 123, kY1 + 54 + 150).back(), "  6.28 cm\xFD");
    EXPECT_EQ(texts_at(kX1 + 123, kY1 + 283).back(), "  9.67 cm\xFD");
    EXPECT_EQ(texts_at(kX1 + 123, kY1 + 54).back(), "  0.00 cm\xFD");
    // Drawn once at the start and once after each of the two counts.
    EXPECT_EQ(texts_at(kX1 + 123, kY1 + 283).size(), 3u);

    const std::string log = Kov_Script_Log_Text();
    const std::string define =
        std::string("Define_Prop_Sheet 403 219 620 548 1 1 ") + cp850("Bew.fläche Stabstahl") + " 29 1";
    EXPECT_NE(log.find(define), std::string::npos);
    EXPECT_NE(log.find("Draw_Funny_Text_to_PS 471 273 \x8c  6 = 0 2"), std::string::npos);
    EXPECT_NE(log.find("Draw_Funny_Text_to_PS 471 473 \x8c 28 = 0 2"), std::string::npos);
    EXPECT_EQ(log.find("\x8c 32 ="), std::string::npos);
    EXPECT_NE(log.find("Draw_Funny_Text_to_PS 494 502 \xb2 = 0 2"), std::string::npos);
    EXPECT_NE(log.find("Draw_Funny_Line_to_PS 4 483 483 606 483"), std::string::npos);
    EXPECT_NE(log.find("Add_Float_to_PS 416 461 2 %2.0f 1 10"), std::string::npos);
    EXPECT_NE(log.find("Add_SingleStep_to_Float"), std::string::npos);
    EXPECT_NE(log.find("Add_Single_Button_to_PS 415 520 1 1"), std::string::npos);
    EXPECT_NE(log.find("Add_Single_Button_to_PS 582 521 1 2"), std::string::npos);
    EXPECT_NE(log.find(std::string(" ") + cp850("übernehmen") + "\n"), std::string::npos);
    EXPECT_NE(log.find(" abbrechen\n"), std::string::npos);
    EXPECT_NE(log.find("Set_Prop_Sheet_Edit_Float_Auto_Mode"), std::string::npos);
    EXPECT_NE(log.find("Undefine_Prop_Sheet"), std::string::npos);

    // The counts are kept for the next call: confirmed at once, the same sum.
    scrtest::fresh_screen();
    click_confirm(kX1, kY1);
    EXPECT_NEAR(Rebar_Area_Calculator(), 0.000967, 1e-12);
    EXPECT_EQ(texts_at(kX1 + 123, kY1 + 54 + 75).front(), "  3.39 cm\xFD");
}

TEST_F(Calculator, CancelEscapeAndNoInputGiveMinusOne)
{
    type_count(kX1, kY1, 0, "5");
    click_cancel(kX1, kY1);
    EXPECT_EQ(Rebar_Area_Calculator(), -1.0);
    // The count typed before the cancel stays (the sheet edits the kept counts).
    click_confirm(kX1, kY1);
    EXPECT_NEAR(Rebar_Area_Calculator(), 5 * 0.785398163397448279 * 0.006 * 0.006, 1e-6);

    Kov_Ui_Push_Key(kEscape);
    EXPECT_EQ(Rebar_Area_Calculator(), -1.0);
    // An empty queue answers at once.
    Kov_Ui_Events_Reset();
    EXPECT_EQ(Rebar_Area_Calculator(), -1.0);
    // Batch mode never waits.
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    EXPECT_EQ(Rebar_Area_Calculator(), -1.0);
    int x1, y1, x2, y2;
    EXPECT_EQ(Kov_Ui_Sheet_Frame(&x1, &y1, &x2, &y2), 0); // no sheet left behind
}

TEST_F(Calculator, CountsStayWithinZeroToNinetyNine)
{
    type_count(kX1, kY1, 1, "150"); // 8 mm: held at 99
    click_confirm(kX1, kY1);
    const double a = Rebar_Area_Calculator();
    EXPECT_NEAR(a, 0.004976, 1e-12); // round(99 pi/4 0.008^2, 6)
    EXPECT_EQ(texts_at(kX1 + 123, kY1 + 54 + 25).back(), " 49.76 cm\xFD");
}

TEST_F(Calculator, DraggedSheetOpensWhereItWasLeft)
{
    // Drag the title bar 40 pixels right and 30 up, then confirm where the
    // button is now.
    Kov_Ui_Push_Press(kX1 + 60, kY1 + 10, 1);
    Kov_Ui_Push_Move(kX1 + 100, kY1 - 20);
    Kov_Ui_Push_Release(kX1 + 100, kY1 - 20, 1);
    type_count(kX1 + 40, kY1 - 30, 2, "1");
    click_confirm(kX1 + 40, kY1 - 30);
    EXPECT_NEAR(Rebar_Area_Calculator(), 0.000079, 1e-12);
    EXPECT_EQ(texts_at(kX1 + 40 + 123, kY1 - 30 + 54 + 50).back(), "  0.79 cm\xFD");

    scrtest::fresh_screen();
    Kov_Ui_Push_Key(kEscape);
    EXPECT_EQ(Rebar_Area_Calculator(), -1.0);
    EXPECT_NE(std::string(Kov_Script_Log_Text()).find("Define_Prop_Sheet 443 189 660 518 1 1"), std::string::npos);
}

TEST_F(Calculator, PictureOfTheSheet)
{
    static bool saved;
    saved = false;
    Kov_Ui_Set_Idle_Hook([](const char* wait) {
        if (saved || std::string(wait) != "GetKOVMessage") return;
        saved = true;
        Kov_Ui_Save_Png((scrtest::artefacts() + "/materials_rebar_calculator.png").c_str());
        Kov_Ui_Push_Key(kEscape);
    });
    type_count(kX1, kY1, 3, "3");
    type_count(kX1, kY1, 6, "2");
    EXPECT_EQ(Rebar_Area_Calculator(), -1.0);
    EXPECT_TRUE(saved);
}
