// Tests of the number fields of a sheet: steps within their limits, the wheel, automatic mode,
// OK while editing, inactive fields and fields that share an id.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/kovedit.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

namespace {

const int kOk = 1, kBreak = 5, kCount = 10, kLength = 11;
const int kEnter = 13, kUp = 328, kDown = 336;

// A field's corner and the middle of its box (characters × 8 + 16 wide, 20 high).
struct Field {
    int x, y, chars;
    int cx() const { return x + (chars * 8 + 16) / 2; }
    int cy() const { return y + 10; }
};
const Field kCountField = {250, 200, 2};
const Field kLengthField = {250, 240, 8};

std::vector<int> pixels(int x1, int y1, int x2, int y2)
{
    std::vector<int> v;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

// A sheet with a stepped count 0 .. 99 (id 10), a length (id 11) and OK.
class FloatField : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Define_Prop_Sheet(200, 150, 640, 500, 1, 0, "Felder", 10, 1);
        count_field = Add_Float_to_PS(kCountField.x, kCountField.y, 2, "%2.0f", 1, kCount, &count);
        Add_SingleStep_to_Float(count_field, 0, 1, 99);
        length_field = Add_Float_to_PS(kLengthField.x, kLengthField.y, 8, "%8.2f", 1, kLength, &length);
        ok = Add_Single_Button_to_PS(480, 460, 1, kOk, nullptr, SYMBOLIC_OK_RASTER, 0);
        Set_Windows_Break_Button(kBreak);
    }
    void TearDown() override
    {
        Kov_Ui_Reset();
        Kov_Set_Ui_Mode(-1);
    }
    void click(const Field& f) { Kov_Ui_Push_Click(f.cx(), f.cy()); }
    double count = 5, length = 2.5;
    int count_field = 0, length_field = 0, ok = 0;
};

} // namespace

TEST_F(FloatField, StepsStayWithinTheLimits)
{
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    EXPECT_GE(count_field, 1);
    count = 99;
    click(kCountField);
    Kov_Ui_Push_Key(kUp);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak); // no change, so the wait went on until no input was left
    EXPECT_EQ(count, 99);

    struct Case {
        double start;
        std::vector<int> keys; // after the click; a text as its bytes
        const char* text;
        double value;
    };
    const Case cases[] = {
        {98, {kUp}, nullptr, 99}, {5, {kDown}, nullptr, 4},
        {0, {kDown}, nullptr, 0}, // would go below: no change
        {5, {}, "150", 99},       // typed values are kept within the limits too
        {5, {}, "-3", 0},         {5, {}, "42", 42},
        {5, {kUp}, "42", 42}, // Up after typing commits what was typed
    };
    for (const Case& c : cases) {
        Kov_Ui_Events_Reset();
        count = c.start;
        click(kCountField);
        if (c.text) Kov_Ui_Push_Text(c.text);
        for (int k : c.keys) Kov_Ui_Push_Key(k);
        if (c.keys.empty()) Kov_Ui_Push_Key(kEnter);
        const int r = Edit_Prop_Sheet();
        EXPECT_EQ(count, c.value) << c.start << " " << (c.text ? c.text : "");
        EXPECT_EQ(r, count != c.start ? kCount : kBreak) << c.start << " " << (c.text ? c.text : "");
    }
}

TEST_F(FloatField, TheWheelStepsTheFieldUnderTheMouse)
{
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    Kov_Ui_Push_Wheel(kCountField.cx(), kCountField.cy(), 1);
    EXPECT_EQ(Edit_Prop_Sheet(), kCount);
    EXPECT_EQ(count, 6);
    Kov_Ui_Push_Wheel(kCountField.cx(), kCountField.cy(), -10);
    EXPECT_EQ(Edit_Prop_Sheet(), kCount);
    EXPECT_EQ(count, 0);
    // An unstepped field does not move.
    Kov_Ui_Push_Wheel(kLengthField.cx(), kLengthField.cy(), 1);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    EXPECT_EQ(length, 2.5);
}

TEST_F(FloatField, AutomaticModeReturnsTheIdAfterAChange)
{
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    click(kLengthField);
    Kov_Ui_Push_Text("12,5");
    Kov_Ui_Push_Key(kEnter);
    EXPECT_EQ(Edit_Prop_Sheet(), kLength);
    EXPECT_EQ(length, 12.5);
    // The same value typed again is no change.
    click(kLengthField);
    Kov_Ui_Push_Text("12.5");
    Kov_Ui_Push_Key(kEnter);
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
}

TEST_F(FloatField, WithoutAutomaticModeTheWaitGoesOn)
{
    Activate_Prop_Sheet();
    click(kLengthField);
    Kov_Ui_Push_Text("7");
    Kov_Ui_Push_Key(kEnter);
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    EXPECT_EQ(length, 7);
}

TEST_F(FloatField, AClickOnOkWhileEditingCommitsAndPressesOk)
{
    int x1, y1, x2, y2;
    Activate_Prop_Sheet();
    ASSERT_EQ(Kov_Ui_Sheet_Rect(kOk, &x1, &y1, &x2, &y2), 1);
    click(kLengthField);
    Kov_Ui_Push_Text("3");
    Kov_Ui_Push_Click((x1 + x2) / 2, (y1 + y2) / 2);
    EXPECT_EQ(Edit_Prop_Sheet(), kOk);
    EXPECT_EQ(length, 3);
    // In the automatic mode the change comes first, then the button.
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    click(kLengthField);
    Kov_Ui_Push_Text("4");
    Kov_Ui_Push_Click((x1 + x2) / 2, (y1 + y2) / 2);
    EXPECT_EQ(Edit_Prop_Sheet(), kLength);
    EXPECT_EQ(Edit_Prop_Sheet(), kOk);
    EXPECT_EQ(length, 4);
}

TEST_F(FloatField, InactiveAndInvisibleFieldsAreNotEdited)
{
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    const std::vector<int> active = pixels(250, 240, 330, 260);
    Change_Activity_PS(length_field, 0);
    EXPECT_NE(pixels(250, 240, 330, 260), active); // greyed
    click(kLengthField);
    Kov_Ui_Push_Text("9");
    Kov_Ui_Push_Key(kEnter); // not the field's: the sheet's OK
    EXPECT_EQ(Edit_Prop_Sheet(), kOk);
    EXPECT_EQ(length, 2.5);
    Change_Activity_PS(length_field, 1);
    EXPECT_EQ(pixels(250, 240, 330, 260), active);

    double hidden = 1;
    const int h = Add_Float_to_PS(400, 200, 4, "%4.1f", 0, 12, &hidden);
    EXPECT_GE(h, 1);
    Kov_Ui_Push_Click(420, 210);
    Kov_Ui_Push_Text("9");
    Kov_Ui_Push_Key(kEnter);
    EXPECT_EQ(Edit_Prop_Sheet(), kOk);
    EXPECT_EQ(hidden, 1);
    EXPECT_EQ(Add_Float_to_PS(400, 200, 4, "%4.1f", 1, 12, nullptr), -1);
}

TEST_F(FloatField, TheFieldShowsWhatTheCallerPutIn)
{
    Activate_Prop_Sheet();
    const std::vector<int> five = pixels(250, 200, 282, 220);
    count = 7;
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    const std::vector<int> seven = pixels(250, 200, 282, 220);
    EXPECT_NE(seven, five);
    count = 5;
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Edit_Prop_Sheet(), kBreak);
    EXPECT_EQ(pixels(250, 200, 282, 220), five);
}

TEST_F(FloatField, NineFieldsOfOneIdEditTheirOwnValue)
{
    // As a calculator sheet adds them: nine counts with one id.
    Undefine_Prop_Sheet();
    double counts[9] = {};
    Define_Prop_Sheet(300, 200, 517, 529, 1, 1, "Rechner", 29, 1);
    for (int i = 0; i < 9; ++i) {
        const int f = Add_Float_to_PS(313, 242 + 25 * i, 2, "%2.0f", 1, 10, &counts[i]);
        Add_SingleStep_to_Float(f, 0, 1, 99);
    }
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    Kov_Ui_Push_Click(313 + 16, 242 + 25 * 2 + 10);
    Kov_Ui_Push_Text("3");
    Kov_Ui_Push_Key(kEnter);
    EXPECT_EQ(Edit_Prop_Sheet(), 10);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(counts[i], i == 2 ? 3 : 0) << i;
    Kov_Ui_Push_Wheel(313 + 16, 242 + 25 * 8 + 10, 2);
    EXPECT_EQ(Edit_Prop_Sheet(), 10);
    EXPECT_EQ(counts[8], 2);
}

TEST_F(FloatField, SteppingAStartValueOutsideTheLimitsClampsIt)
{
    double v = 500;
    const int f = Add_Float_to_PS(400, 300, 3, "%3.0f", 1, 12, &v);
    Add_SingleStep_to_Float(f, 99, 1, 0); // limits in either order
    EXPECT_EQ(v, 99);
}

TEST_F(FloatField, AnOpenEditBoxIsKeptAsPicture)
{
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    Kov_Ui_Set_Idle_Hook([](const char* wait) {
        static bool saved = false;
        if (saved || std::string(wait) != "GetKOVMessage") return;
        saved = true;
        const std::string dir = kovtest::kept_dir("platform_edit", "sheet-field");
        if (!dir.empty()) Kov_Ui_Save_Png((dir + "/float-field-edit.png").c_str());
        Kov_Ui_Push_Key(13);
    });
    click(kLengthField);
    Kov_Ui_Push_Text("12,5");
    EXPECT_EQ(Edit_Prop_Sheet(), kLength);
    EXPECT_EQ(length, 12.5);
}
