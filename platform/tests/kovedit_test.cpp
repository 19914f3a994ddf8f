// Tests of the short edit box: float and text keys, commit and restore, clicks inside and
// outside, the box on the screen and the maximum length.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/kovedit.h"
#include "platform/kovevent.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

namespace {

const int kEnter = 13, kTab = 9, kEsc = 27, kUp = 328, kDown = 336;
const int kLeft = 331, kRight = 333, kHome = 327, kEnd = 335, kBackspace = 8, kDelete = 339;

// The edit box stands at (100, 100).
const int kX = 100, kY = 100;

class ShortEdit : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Short_Edit_Clear_Last_Key();
    }
    void TearDown() override
    {
        Kov_Ui_Reset();
        Kov_Set_Ui_Mode(-1);
    }
};

// Keys of a case: a text typed as it stands, extended keys by code.
struct Key {
    const char* text;
    int code;
};

void push(const std::vector<Key>& keys)
{
    for (const Key& k : keys) {
        if (k.text)
            Kov_Ui_Push_Text(k.text);
        else
            Kov_Ui_Push_Key(k.code);
    }
}

std::vector<int> pixels(int x1, int y1, int x2, int y2)
{
    std::vector<int> v;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

} // namespace

TEST_F(ShortEdit, FloatKeysCommitRestoreAndEnd)
{
    struct Case {
        const char* what;
        double start;
        std::vector<Key> keys;
        double value;
        int r, last;
    };
    const Case cases[] = {
        {"decimal comma", 0.0, {{"12,5", 0}, {nullptr, kEnter}}, 12.5, kEnter, kEnter},
        {"decimal point, Tab", 0.0, {{"12.5", 0}, {nullptr, kTab}}, 12.5, kTab, kTab},
        {"blanks around", 1.0, {{"  7 ", 0}, {nullptr, kEnter}}, 7.0, kEnter, kEnter},
        {"sign and exponent", 1.0, {{"-2.5e3", 0}, {nullptr, kEnter}}, -2500.0, kEnter, kEnter},
        {"letters keep the value", 3.0, {{"abc", 0}, {nullptr, kEnter}}, 3.0, kEnter, kEnter},
        {"two separators keep it", 3.0, {{"1.234,5", 0}, {nullptr, kEnter}}, 3.0, kEnter, kEnter},
        {"hexadecimal keeps it", 3.0, {{"0x10", 0}, {nullptr, kEnter}}, 3.0, kEnter, kEnter},
        {"infinite keeps it", 3.0, {{"1e999", 0}, {nullptr, kEnter}}, 3.0, kEnter, kEnter},
        {"inf keeps it", 3.0, {{"inf", 0}, {nullptr, kEnter}}, 3.0, kEnter, kEnter},
        {"emptied keeps it", 3.0, {{nullptr, kBackspace}, {nullptr, kEnter}}, 3.0, kEnter, kEnter},
        {"Esc restores", 3.0, {{"99", 0}, {nullptr, kEsc}}, 3.0, 0, kEsc},
        {"Down commits", 3.0, {{"4", 0}, {nullptr, kDown}}, 4.0, 0, kDown},
        {"Up commits", 3.0, {{"4", 0}, {nullptr, kUp}}, 4.0, 0, kUp},
        // "12.50": End, Backspace gives "12.5", then "7".
        {"End and Backspace",
         12.5,
         {{nullptr, kEnd}, {nullptr, kBackspace}, {"7", 0}, {nullptr, kEnter}},
         12.57,
         kEnter,
         kEnter},
        {"Home and Delete", 12.5, {{nullptr, kHome}, {nullptr, kDelete}, {nullptr, kEnter}}, 2.5, kEnter, kEnter},
        // Left keeps the text: the cursor goes before the last digit.
        {"Left then typing inserts", 12.5, {{nullptr, kLeft}, {"3", 0}, {nullptr, kEnter}}, 12.530, kEnter, kEnter},
        {"Right at the end stays", 1.0, {{nullptr, kRight}, {"5", 0}, {nullptr, kEnter}}, 1.005, kEnter, kEnter},
        {"Backspace at the start",
         1.0,
         {{nullptr, kHome}, {nullptr, kBackspace}, {nullptr, kEnter}},
         1.0,
         kEnter,
         kEnter},
    };
    for (const Case& c : cases) {
        Kov_Ui_Events_Reset();
        push(c.keys);
        double v = c.start;
        const int r = Short_Edit_Float(kX, kY, "%8.2f", &v);
        EXPECT_DOUBLE_EQ(v, c.value) << c.what;
        EXPECT_EQ(r, c.r) << c.what;
        EXPECT_EQ(Short_Edit_Last_Key(), c.last) << c.what;
        EXPECT_EQ(Kov_Ui_Pending(), 0) << c.what;
    }
}

TEST_F(ShortEdit, PassingThroughAFieldKeepsTheUnroundedValue)
{
    double v = 12.3456789;
    Kov_Ui_Push_Key(kEnter);
    EXPECT_EQ(Short_Edit_Float(kX, kY, "%8.2f", &v), kEnter);
    EXPECT_EQ(v, 12.3456789);
    // Moving the cursor is no change either.
    Kov_Ui_Push_Key(kHome);
    Kov_Ui_Push_Key(kEnd);
    Kov_Ui_Push_Key(kTab);
    EXPECT_EQ(Short_Edit_Float(kX, kY, "%8.2f", &v), kTab);
    EXPECT_EQ(v, 12.3456789);
}

TEST_F(ShortEdit, AClickOutsideCommitsAndStaysQueued)
{
    double v = 1.0;
    Kov_Ui_Push_Text("5");
    Kov_Ui_Push_Click(600, 400);
    EXPECT_EQ(Short_Edit_Float(kX, kY, "%8.2f", &v), 0);
    EXPECT_EQ(v, 5.0);
    EXPECT_EQ(Short_Edit_Last_Key(), 0);
    EXPECT_EQ(M_LEFT, 0); // lifted again: the press is the caller's
    ASSERT_EQ(Kov_Ui_Pending(), 2);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_PRESS);
    EXPECT_EQ(M_XPOS, 600);
    EXPECT_EQ(M_YPOS, 400);
    EXPECT_EQ(M_LEFT, 1);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_RELEASE);
}

TEST_F(ShortEdit, AClickIntoTheBoxPutsTheCursorThere)
{
    // "12.50" from x + 8, 8 pixels a character: a click on the left half of
    // the point puts the cursor before it.
    double v = 12.5;
    Kov_Ui_Push_Click(kX + 8 + 2 * 8 + 2, kY + 10);
    Kov_Ui_Push_Text("9");
    Kov_Ui_Push_Key(kEnter);
    EXPECT_EQ(Short_Edit_Float(kX, kY, "%8.2f", &v), kEnter);
    EXPECT_EQ(v, 129.5);
}

TEST_F(ShortEdit, NoInputLeftEndsLikeAClickOutside)
{
    double v = 1.0;
    Kov_Ui_Push_Text("8");
    EXPECT_EQ(Short_Edit_Float(kX, kY, "%8.2f", &v), 0);
    EXPECT_EQ(v, 8.0);
    EXPECT_EQ(Short_Edit_Last_Key(), 0);
    EXPECT_EQ(Kov_Ui_Pending(), 0); // nothing put back
    // The cleared key stays cleared until the next edit ends.
    Kov_Ui_Push_Key(kDown);
    Short_Edit_Float(kX, kY, "%8.2f", &v);
    EXPECT_EQ(Short_Edit_Last_Key(), kDown);
    Short_Edit_Clear_Last_Key();
    EXPECT_EQ(Short_Edit_Last_Key(), 0);
}

TEST_F(ShortEdit, TheBoxShowsWhileEditingAndTheScreenComesBack)
{
    const std::vector<int> before = pixels(kX - 2, kY - 2, kX + 120, kY + 25);
    static int corner = -2, inside = -2;
    Kov_Ui_Set_Idle_Hook([](const char*) {
        corner = Kov_Ui_Pixel(kX, kY);
        inside = Kov_Ui_Pixel(kX + 3, kY + 3);
        static std::string dir = kovtest::kept_dir("platform_edit", "float-box");
        if (!dir.empty()) Kov_Ui_Save_Png((dir + "/float-edit.png").c_str());
        Kov_Ui_Push_Key(kEsc);
    });
    double v = 12.5;
    Kov_Ui_Push_Text("12,5");
    EXPECT_EQ(Short_Edit_Float(kX, kY, "%8.2f", &v), 0);
    EXPECT_EQ(corner, 0x000000);
    EXPECT_EQ(inside, 0xFFFFFF);
    EXPECT_EQ(pixels(kX - 2, kY - 2, kX + 120, kY + 25), before);
}

TEST_F(ShortEdit, NoValueNoEdit)
{
    Kov_Ui_Push_Text("5");
    Kov_Ui_Push_Key(kEnter);
    EXPECT_EQ(Short_Edit_Float(kX, kY, "%8.2f", nullptr), 0);
    EXPECT_EQ(Kov_Ui_Pending(), 2);
}

TEST_F(ShortEdit, TextHoldsAtMostItsMaximum)
{
    // Visible 5, maximum 10: ten characters go in, the eleventh is refused,
    // and nothing is written past the eleventh byte.
    char buffer[32];
    std::memset(buffer, 0x5A, sizeof buffer);
    buffer[0] = 0;
    Set_Short_Edit_Text_Scrollmode(10);
    Kov_Ui_Push_Text("abcdefghijk");
    Kov_Ui_Push_Key(kEnter);
    EXPECT_EQ(Short_Edit_Text(kX, kY, buffer, 5, 0), kEnter);
    EXPECT_STREQ(buffer, "abcdefghij");
    for (size_t i = 11; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], 0x5A) << i;

    // The maximum holds for that one call: without it the visible length is the maximum.
    std::memset(buffer, 0x5A, sizeof buffer);
    buffer[0] = 0;
    Kov_Ui_Push_Text("abcdefg");
    Kov_Ui_Push_Key(kTab);
    EXPECT_EQ(Short_Edit_Text(kX, kY, buffer, 5, 0), kTab);
    EXPECT_STREQ(buffer, "abcde");
    for (size_t i = 6; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], 0x5A) << i;
}

TEST_F(ShortEdit, TextEditingKeysAndEndings)
{
    struct Case {
        const char* what;
        const char* start;
        std::vector<Key> keys;
        const char* text;
        int r, last;
    };
    const Case cases[] = {
        {"typing replaces", "alt", {{"neu", 0}, {nullptr, kEnter}}, "neu", kEnter, kEnter},
        {"End keeps and appends", "alt", {{nullptr, kEnd}, {"er", 0}, {nullptr, kEnter}}, "alter", kEnter, kEnter},
        {"Esc restores", "alt", {{"neu", 0}, {nullptr, kEsc}}, "alt", 0, kEsc},
        {"Down commits", "alt", {{"x", 0}, {nullptr, kDown}}, "x", 0, kDown},
        {"Backspace empties", "alt", {{nullptr, kBackspace}, {nullptr, kEnter}}, "", kEnter, kEnter},
        {"Home, Delete", "alt", {{nullptr, kHome}, {nullptr, kDelete}, {nullptr, kEnter}}, "lt", kEnter, kEnter},
        {"code page bytes", "", {{"F\x81\xE1", 0}, {nullptr, kEnter}}, "F\x81\xE1", kEnter, kEnter}, // "Füß"
        {"control keys are no text",
         "a",
         {{nullptr, kEnd}, {nullptr, 1}, {nullptr, 127}, {nullptr, 315}, {nullptr, kEnter}},
         "a",
         kEnter,
         kEnter},
    };
    for (const Case& c : cases) {
        Kov_Ui_Events_Reset();
        char buffer[16] = {};
        std::strcpy(buffer, c.start);
        push(c.keys);
        Set_Short_Edit_Text_Scrollmode(10);
        const int r = Short_Edit_Text(kX, kY, buffer, 5, 0);
        EXPECT_STREQ(buffer, c.text) << c.what;
        EXPECT_EQ(r, c.r) << c.what;
        EXPECT_EQ(Short_Edit_Last_Key(), c.last) << c.what;
    }
}

TEST_F(ShortEdit, AnUntouchedLongerTextIsLeftAsItIs)
{
    // The caller's text is longer than the field holds: passing through must
    // not cut it.
    char buffer[16] = "abcdefgh";
    Kov_Ui_Push_Key(kEnd);
    Kov_Ui_Push_Key(kEnter);
    EXPECT_EQ(Short_Edit_Text(kX, kY, buffer, 5, 0), kEnter);
    EXPECT_STREQ(buffer, "abcdefgh");
    // An edit keeps the first five and writes its end within them.
    Kov_Ui_Push_Key(kEnd);
    Kov_Ui_Push_Key(kBackspace);
    Kov_Ui_Push_Key(kEnter);
    EXPECT_EQ(Short_Edit_Text(kX, kY, buffer, 5, 0), kEnter);
    EXPECT_EQ(std::string(buffer, 8), std::string("abcd\0fgh", 8));
}

TEST_F(ShortEdit, NoBufferNoEdit)
{
    Kov_Ui_Push_Key(kEnter);
    EXPECT_EQ(Short_Edit_Text(kX, kY, nullptr, 5, 0), 0);
    EXPECT_EQ(Kov_Ui_Pending(), 1);
}

TEST(ShortEditNumbers, FormatsAreCheckedAndNumbersRead)
{
    char out[64];
    struct F {
        const char* format;
        double v;
        const char* text;
    };
    const F formats[] = {
        {"%8.2f", 12.5, "   12.50"},
        {"%2.0f", 7.0, " 7"},
        {"%14.8f", 0.25, "    0.25000000"},
        {"%.3e", 1500.0, "1.500e+03"},
        {"x=%5.1f m", 2.0, "x=  2.0 m"},
        {"%5.1f%%", 2.0, "  2.0%"},
        {"%s", 2.0, "2"},       // would read a text that is not there
        {"%d", 2.0, "2"},       // no double
        {"%f %f", 2.0, "2"},    // two conversions
        {"%*.2f", 2.0, "2"},    // a width to be read
        {"%1234.2f", 2.0, "2"}, // width beyond any field
        {nullptr, 2.5, "2.5"},
        {"", 2.5, "2.5"},
    };
    for (const F& f : formats) {
        EXPECT_EQ(Kov_Format_Float(f.format, f.v, out, sizeof out), int(std::strlen(f.text))) << f.format;
        EXPECT_STREQ(out, f.text) << (f.format ? f.format : "NULL");
    }
    EXPECT_EQ(Kov_Format_Float("%8.2f", 12.5, out, 4), 3);
    EXPECT_STREQ(out, "   ");

    struct P {
        const char* text;
        int ok;
        double v;
    };
    const P numbers[] = {
        {"12,5", 1, 12.5}, {"12.5", 1, 12.5}, {" 12.5\t", 1, 12.5}, {"-0,25", 1, -0.25}, {"+3", 1, 3.0},
        {",5", 1, 0.5},    {"5.", 1, 5.0},    {"1E2", 1, 100.0},    {"1e-2", 1, 0.01},   {"", 0, 0},
        {" ", 0, 0},       {".", 0, 0},       {"-", 0, 0},          {"1e", 0, 0},        {"1 2", 0, 0},
        {"1,2,3", 0, 0},   {"nan", 0, 0},     {"0x1A", 0, 0},       {"1e400", 0, 0},     {"12,5 m", 0, 0},
    };
    for (const P& p : numbers) {
        double v = -77.0;
        EXPECT_EQ(Kov_Parse_Float(p.text, &v), p.ok) << p.text;
        EXPECT_DOUBLE_EQ(v, p.ok ? p.v : -77.0) << p.text;
    }
}
