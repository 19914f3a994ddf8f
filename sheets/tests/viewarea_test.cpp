// Tests of the view areas on a sheet: slots, sliders, reserved slots, short keys, stacked and
// framed texts, and what the element adders store.
#include <gtest/gtest.h>

#include "base/kovmem.h"
#include "sheets/tests/viewtest.h"
#include "sheets/texteditor.h"
#include "sheets/viewarea.h"
#include "test_support/kovtestutil.h"

#include <cstdint>
#include <cstring>
#include <string>

using viewtest::OnASheet;

namespace {

int count_elements(unsigned slot)
{
    int n = 0;
    for (const ViewElement* e = View_Area_Record(slot)->first; e; e = e->next) ++n;
    return n;
}

int content_w(unsigned slot)
{
    int w = -1, h = -1;
    View_Area_Inquire_Content_Size(slot, &w, &h);
    return w;
}

int content_h(unsigned slot)
{
    int w = -1, h = -1;
    View_Area_Inquire_Content_Size(slot, &w, &h);
    return h;
}

const ViewElement* last(unsigned slot) { return View_Area_Record(slot)->last; }

void changed(intptr_t) {}

} // namespace

// ---- the table ----------------------------------------------------------------------------

TEST_F(OnASheet, TheTwentyFirstOpenFailsAndAClosedSlotIsTakenAgain)
{
    for (int i = 0; i < 20; ++i) EXPECT_EQ(View_Area_Open(10, 10, 100, 100, 0, 0), i);
    testing::internal::CaptureStdout();
    EXPECT_EQ(View_Area_Open(10, 10, 100, 100, 0, 0), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "maximale Anzahl Scrollable_View_Areas erreicht\n");
    View_Area_Close(4);
    EXPECT_EQ(View_Area_Record(4), nullptr);
    EXPECT_EQ(View_Area_Open(10, 10, 100, 100, 0, 0), 4);
    View_Area_Close_All();
    for (unsigned i = 0; i < 20; ++i) EXPECT_EQ(View_Area_Record(i), nullptr);
    EXPECT_EQ(View_Area_Reserve(), 0);
}

TEST_F(OnASheet, SlidersLieInsideTheRequestedRectangle)
{
    const int slot = View_Area_Open(10, 20, 200, 300, 1, 1);
    ASSERT_EQ(slot, 0);
    int w = 0, h = 0, x = 0, y = 0;
    View_Area_Inquire_Size(slot, &w, &h);
    EXPECT_EQ(w, 200 - 17 - 10);
    EXPECT_EQ(h, 300 - 17 - 20);
    View_Area_Inquire_Screen_Origin(slot, &x, &y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
    const ViewArea* a = View_Area_Record(slot);
    EXPECT_GT(a->vslider, 0);
    EXPECT_GT(a->hslider, 0);
    EXPECT_EQ(a->frame, 1);
    EXPECT_EQ(a->activity, 1);
    EXPECT_EQ(a->background, 0xFFFBF0); // (255, 251, 240)
    EXPECT_TRUE(viewtest::logged("Add_Scrollable_Area_to_PS 10 20 183 283 1 0 10 10 1"));
    EXPECT_TRUE(viewtest::logged("Add_VSlider_to_Scrollable_Area " + std::to_string(a->handle) + " 5 10 -1 0"));
    EXPECT_TRUE(viewtest::logged("Set_VSlider_Speed " + std::to_string(a->vslider) + " 0.1 0"));
    EXPECT_TRUE(viewtest::logged("Set_HSlider_Speed " + std::to_string(a->hslider) + " 0.1 0"));

    const int plain = View_Area_Open(10, 20, 200, 300, 0, 0);
    EXPECT_EQ(View_Area_Record(plain)->vslider, 0);
    EXPECT_EQ(View_Area_Record(plain)->hslider, 0);
}

TEST_F(OnASheet, BadAndFreeSlotsAreRefused)
{
    // Adders with a result: 0 above slot 19, -1 for a free slot.
    EXPECT_EQ(View_Area_Add_Text(20, 0, 20, "x", 0x1000, 0, 0), 0);
    EXPECT_EQ(View_Area_Add_Text(3, 0, 20, "x", 0x1000, 0, 0), -1);
    EXPECT_EQ(View_Area_Add_Line(3, 0, 0, 1, 1, 0), -1);
    EXPECT_EQ(View_Area_Add_Filled_Box(99, 0, 0, 1, 1, 0), 0);
    EXPECT_EQ(View_Area_Get_Background(20), -1);
    EXPECT_EQ(View_Area_Get_Background(3), -1);
    int w = 7, h = 7;
    View_Area_Inquire_Content_Size(3, &w, &h);
    EXPECT_EQ(w, 7);
    View_Area_Close(3);
    View_Area_Show(20);
    View_Area_Clear(3);
    // Nothing was added anywhere.
    EXPECT_EQ(View_Area_Open(0, 0, 50, 50, 0, 0), 0);
    EXPECT_EQ(View_Area_Record(0)->first, nullptr);
}

TEST_F(OnASheet, AReservedSlotTakesElementsAndKeepsThemWhenOpened)
{
    const int slot = View_Area_Reserve();
    ASSERT_EQ(slot, 0);
    const ViewArea* a = View_Area_Record(0);
    EXPECT_EQ(a->handle, 9999);
    EXPECT_EQ(a->frame, 0);
    EXPECT_EQ(a->activity, 0);
    EXPECT_EQ(View_Area_Get_Background(0), 0xFFFBF0);
    EXPECT_EQ(View_Area_Add_Text(0, 5, 20, "Probe", 0x1000, 0, 0), 30);
    View_Area_Set_Background(0, 0x123456);
    // The next open takes the next slot.
    EXPECT_EQ(View_Area_Open(0, 0, 50, 50, 0, 0), 1);

    View_Area_Open_Reserved(0, 100, 100, 300, 300, 0, 1);
    EXPECT_GT(a->handle, 0);
    EXPECT_NE(a->handle, 9999);
    EXPECT_EQ(a->activity, 1);
    EXPECT_EQ(a->x2, 300 - 17);
    EXPECT_EQ(a->background, 0x123456);
    EXPECT_EQ(count_elements(0), 1);
    EXPECT_EQ(content_h(0), 30);
    EXPECT_GT(a->vslider, 0);
    // Only a reserved slot is opened that way.
    const int handle = a->handle;
    View_Area_Open_Reserved(0, 0, 0, 10, 10, 0, 0);
    EXPECT_EQ(a->handle, handle);
    EXPECT_EQ(a->x1, 100);
}

TEST_F(OnASheet, ShortKeySettingsAreReadOnceByTheFirstOpen)
{
    kovtest::ScopedEnv env;
    env.set("KOV_USER_UseSheetBreakShortKey", "abc");
    env.set("KOV_USER_UseSheetOkShortKey", "1");
    env.set("KOV_USER_UseSheetHelpShortKey", " 7");
    env.unset("KOV_USER_UseSheetJumpShortKey");
    // Reserving does not read them.
    View_Area_Reserve();
    int b = -1, o = -1, h = -1, j = -1;
    View_Area_Short_Key_Settings(&b, &o, &h, &j);
    EXPECT_EQ(o, 0);
    View_Area_Open(0, 0, 50, 50, 0, 0);
    View_Area_Short_Key_Settings(&b, &o, &h, &j);
    EXPECT_EQ(b, 0); // not a number: disabled
    EXPECT_EQ(o, 1);
    EXPECT_EQ(h, 7);
    EXPECT_EQ(j, 0);
    env.set("KOV_USER_UseSheetBreakShortKey", "1");
    View_Area_Open(0, 0, 50, 50, 0, 0);
    View_Area_Short_Key_Settings(&b, nullptr, nullptr, nullptr);
    EXPECT_EQ(b, 0);
}

// ---- adders: what they store, content size and results --------------------------------------

TEST_F(OnASheet, TextsAreStackedWithTheNextYRule)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    // Empty area: the height grows to y + 10 and that is the result.
    EXPECT_EQ(View_Area_Add_Text(s, 10, 20, "abc", 0x1000, 0, 0), 30);
    EXPECT_EQ(content_h(s), 30);
    EXPECT_EQ(content_w(s), 10 + 24 + 10);
    // Above the content's bottom: y + 9, height kept.
    EXPECT_EQ(View_Area_Add_Text(s, 10, 15, "abc", 0x1000, 0, 0), 24);
    EXPECT_EQ(content_h(s), 30);
    // Exactly at y + 9 = height the content still grows.
    EXPECT_EQ(View_Area_Add_Text(s, 10, 21, "abc", 0x1000, 0, 0), 31);
    EXPECT_EQ(content_h(s), 31);
}

TEST_F(OnASheet, TextFrameBitsGiveTheStyleAndLeaveTheFont)
{
    struct Case {
        int font;
        int style;
    } cases[] = {
        {0x1000, 0},
        {0x1000 | 0x10000, 1},
        {0x1000 | 0x40000, 3},
        {0x1000 | 0x20000, 2},
        {0x1000 | 0x10000 | 0x40000, 3},
        {0x1000 | 0x10000 | 0x20000, 2},
        {0x1000 | 0x20000 | 0x40000, 2},
        {0x1000 | 0x70000, 2},
    };
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    for (const Case& c : cases) {
        View_Area_Add_Text(s, 10, 20, "x", c.font, 0, 0);
        EXPECT_EQ(last(s)->x2, c.style) << std::hex << c.font;
        EXPECT_EQ(last(s)->font, 0x1000) << std::hex << c.font;
    }
}

TEST_F(OnASheet, RightAlignedTextEndsAtX)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    // "abcde": 5 characters of 8 pixels.
    View_Area_Add_Text(s, 200, 20, "abcde", 0x1000, 0, 1);
    EXPECT_EQ(last(s)->x1, 160);
    EXPECT_EQ(content_w(s), 210);
    // The text is a copy.
    char buf[] = "abc";
    View_Area_Add_Text(s, 0, 20, buf, 0x1000, 0, 0);
    buf[0] = 'X';
    EXPECT_STREQ(last(s)->text, "abc");
}

TEST_F(OnASheet, LinesAndBitmapsRaiseTheContentToBothEnds)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    EXPECT_EQ(View_Area_Add_Line(s, 5, 40, 100, 60, 0), 70);
    EXPECT_EQ(content_w(s), 110);
    EXPECT_EQ(content_h(s), 70);
    // A bitmap above the bottom: y2 + 9.
    EXPECT_EQ(View_Area_Add_Bitmap(s, "bild.bmp", 0, 10, 20, 40, 0xFF00FF), 49);
    EXPECT_STREQ(last(s)->text, "bild.bmp");
    EXPECT_EQ(last(s)->aux, 0);
    EXPECT_EQ(content_h(s), 70);
    View_Area_Fix_Last_Bitmap(s);
    EXPECT_EQ(last(s)->aux, 1);
}

TEST_F(OnASheet, BoxesAndPicturesRaiseTheContentAsTheirTypeSays)
{
    struct Case {
        const char* what;
        void (*add)(unsigned s);
        int w, h;
    } cases[] = {
        // filled boxes and bitmap buttons add no margin
        {"filled box", [](unsigned s) { EXPECT_EQ(View_Area_Add_Filled_Box(s, 10, 10, 50, 60, 0), 60); }, 50, 60},
        {"bitmap button",
         [](unsigned s) {
             View_Area_Add_Bitmap_Button(s, 20, 30, 40, 20, "b.bmp", 0, 0, 0, nullptr, 1, nullptr, nullptr);
         },
         60, 50},
        {"drawn box", [](unsigned s) { View_Area_Add_Drawn_Box(s, 5, 5, 60, 70, nullptr, nullptr); }, 70, 80},
        {"click area", [](unsigned s) { View_Area_Add_Click_Area(s, 5, 5, 60, 70, 1, nullptr); }, 70, 80},
        {"tree image", [](unsigned s) { View_Area_Add_Tree_Image(s, 0, 5, 5, 60, 70, 0); }, 70, 80},
        {"mask picture",
         [](unsigned s) {
             static const MaskPicture pic = {16, 12, 2, nullptr};
             View_Area_Add_Mask_Picture(s, 10, 10, &pic, 0);
         },
         35, 31},
        {"picture choice",
         [](unsigned s) { View_Area_Add_Picture_Choice(s, 10, 20, "p.bmp", 40, 30, 3, 0, nullptr, nullptr); }, 81, 66},
        {"cut mark", [](unsigned s) { View_Area_Add_Cut_Mark(s, 1); }, 0, 0},
        {"text field",
         [](unsigned s) {
             static char t[] = "abcd";
             View_Area_Add_Text_Field(s, 10, 20, t, 0x1000, 0, nullptr);
         },
         10 + 32 + 10, 30},
        {"rotated 0", [](unsigned s) { View_Area_Add_Rotated_Text(s, 10, 20, "abc", 0x1000, 0, 0); }, 44, 30},
        {"rotated 90", [](unsigned s) { View_Area_Add_Rotated_Text(s, 10, 20, "abc", 0x1000, 0, 90); }, 20, 30},
        {"rotated 270", [](unsigned s) { View_Area_Add_Rotated_Text(s, 10, 20, "abc", 0x1000, 0, 270); }, 20, 54},
        {"link", [](unsigned s) { View_Area_Add_Link_Text(s, 50, 20, "ab", 0x1000, 0, 1, 0, 1, nullptr); }, 60, 30},
    };
    for (const Case& c : cases) {
        const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
        c.add(s);
        EXPECT_EQ(content_w(s), c.w) << c.what;
        EXPECT_EQ(content_h(s), c.h) << c.what;
        View_Area_Close(s);
    }
}

TEST_F(OnASheet, RotationCodesAndBoldFlag)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    const int angles[][2] = {{90, 256}, {180, 512}, {270, 1024}, {0, 0}, {45, 0}, {-90, 0}};
    for (const auto& a : angles) {
        View_Area_Add_Rotated_Text(s, 10, 20, "abc", 0x11000, 0, a[0]);
        EXPECT_EQ(last(s)->y2, a[1]) << a[0];
        EXPECT_EQ(last(s)->x2, 1);
        EXPECT_EQ(last(s)->font, 0x1000);
    }
}

TEST_F(OnASheet, ChecksAndRadiosMeasureTheirLabel)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    int v = 0, on = 1;
    EXPECT_EQ(View_Area_Add_Check_Box(s, 30, 20, "Ja", 0x11000, 0, &v, &on), 30);
    EXPECT_EQ(content_w(s), 30 + 16 + 10);
    EXPECT_EQ(last(s)->x2, 1);
    EXPECT_EQ(last(s)->font, 0x1000);
    EXPECT_EQ(View_Area_Add_Check_Box(s, 100, 40, nullptr, 0x1000, 0, &v, &on), 50);
    EXPECT_EQ(last(s)->text, nullptr);
    EXPECT_EQ(content_w(s), 110);
    EXPECT_EQ(View_Area_Add_Radio_Button(s, 10, 60, "abcdefghijklmnopq", 0x1000, 0, 3, &v, &on), 70);
    EXPECT_EQ(last(s)->aux, 3);
    EXPECT_EQ(content_w(s), 10 + 17 * 8 + 10);
}

TEST_F(OnASheet, ChoiceWidthComesFromTheNormalFont)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    ChoiceEntry entries[5] = {{0, "a"}, {0, "b"}, {0, "c"}, {0, "d"}, {0, "e"}};
    int sel = 7, on = 1;
    // 6 characters of 8 pixels (7 wide and 1 apart) in font 0.
    View_Area_Add_Choice(s, 20, 30, entries, 0x11000, 6, 5, &sel, &on);
    EXPECT_EQ(last(s)->aux, 48);
    EXPECT_EQ(last(s)->colour, 6);
    EXPECT_EQ(last(s)->extra, 5);
    EXPECT_EQ(last(s)->x2, 1);
    EXPECT_EQ(content_w(s), 20 + 58);
    EXPECT_EQ(content_h(s), 40);
    EXPECT_EQ(sel, 0); // outside 0..4
    for (int bad : {-1, 5}) {
        sel = bad;
        View_Area_Add_Choice(s, 20, 30, entries, 0x1000, 6, 5, &sel, &on);
        EXPECT_EQ(sel, 0) << bad;
    }
    sel = 4;
    View_Area_Add_Choice(s, 20, 30, entries, 0x1000, 6, 5, &sel, &on);
    EXPECT_EQ(sel, 4);
    // Also the picture choice.
    sel = 3;
    View_Area_Add_Picture_Choice(s, 0, 0, "p.bmp", 10, 10, 3, 42, &sel, &on);
    EXPECT_EQ(sel, 0);
    EXPECT_EQ(last(s)->aux, 42);
}

TEST_F(OnASheet, FloatFieldMeasuresItsValueAndKnowsItsMaximumLength)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    double v = 3.5;
    int on = 1;
    EXPECT_EQ(View_Area_Add_Float(s, 30, 40, &v, "%8.2f", 0x11000, 0, &on), 50);
    const ViewElement* e = last(s);
    EXPECT_EQ(e->aux, 8);
    EXPECT_EQ(e->x2, 1);
    EXPECT_EQ(e->font, 0);
    EXPECT_EQ(content_w(s), 30 + 64 + 10);
    EXPECT_EQ(View_Area_Float_Text(e), "    3.50");
    // A value longer than the field never shows as another number.
    v = 123456789.0;
    EXPECT_EQ(View_Area_Float_Text(e), "********");
    v = -12345.678;
    EXPECT_EQ(View_Area_Float_Text(e), "********");
    v = -1234.5;
    EXPECT_EQ(View_Area_Float_Text(e), "-1234.50");
    v = -123.5;
    EXPECT_EQ(View_Area_Float_Text(e), " -123.50");
    // A format that makes no number of 0.0 ("%.0f" gives "0").
    View_Area_Add_Float(s, 0, 0, &v, "%.0f", 0x1000, 0, &on);
    EXPECT_EQ(last(s)->aux, 1);
    EXPECT_EQ(View_Area_Float_Text(last(s)), "*");
}

TEST_F(OnASheet, TextFieldKeepsTheCallersBuffer)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    char buf[16] = "abcdef";
    int on = 1;
    View_Area_Add_Text_Field(s, 10, 20, buf, 0x11000, 0, &on);
    const ViewElement* e = last(s);
    EXPECT_EQ(e->text, buf);
    EXPECT_EQ(e->aux, 6);
    EXPECT_EQ(e->y2, 6);
    EXPECT_EQ(e->font, 0);
    const int lengths[][2] = {{3, 3}, {10, 6}, {-2, 0}, {6, 6}};
    for (const auto& l : lengths) {
        View_Area_Set_Text_Field_Length(s, l[0]);
        EXPECT_EQ(e->y2, l[1]) << l[0];
    }
    View_Area_Set_Inactive_Text(s, "n.v.");
    EXPECT_STREQ(e->second_text, "n.v.");
    View_Area_Set_Inactive_Text(s, "leer");
    EXPECT_STREQ(e->second_text, "leer");
}

TEST_F(OnASheet, TextEditorStartsItsState)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    char buf[101] = "abc";
    int on = 1;
    EXPECT_EQ(View_Area_Add_Text_Editor(s, 10, 20, 90, 100, buf, 100, 0x000000, 0xFFFFFF, 1, &on), 104);
    EXPECT_EQ(content_w(s), 94);
    EXPECT_EQ(content_h(s), 104);
    const TextEditorState* st = last(s)->editor;
    ASSERT_NE(st, nullptr);
    EXPECT_EQ(st->capacity, 100);
    EXPECT_EQ(st->length, 3);
    EXPECT_EQ(st->font, 0x1003);
    EXPECT_EQ(st->table_capacity, 50);
    EXPECT_EQ(st->line_count, 0);
    EXPECT_EQ(st->top, 0);
    EXPECT_EQ(st->sel_start, st->sel_end);
    EXPECT_EQ(st->cursor_x, 0);
    View_Area_Set_Text_Editor_Font(s, 0x1002);
    EXPECT_EQ(st->font, 0x1002);
    // Above the bottom: y2 + 3.
    EXPECT_EQ(View_Area_Add_Text_Editor(s, 10, 20, 90, 50, buf, 100, 0, 0, 0, &on), 53);
}

// ---- modifiers -----------------------------------------------------------------------------

TEST_F(OnASheet, ModifiersTouchOnlyALastElementOfTheirType)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    int v = 0, on = 1;
    View_Area_Add_Text(s, 0, 20, "t", 0x1000, 0, 0);
    View_Area_Set_Change_Callback(s, changed);
    View_Area_Fix_Last_Bitmap(s);
    View_Area_Set_Click_Area_Cursor(s, 18);
    View_Area_Set_Inactive_Text(s, "x");
    View_Area_Set_Text_Field_Length(s, 1);
    View_Area_Set_Check_Pictures(s, 5, 6);
    const ViewElement* t = last(s);
    EXPECT_EQ(t->change, nullptr);
    EXPECT_EQ(t->aux, 0);
    EXPECT_EQ(t->second_text, nullptr);
    EXPECT_EQ(t->y2, 0);
    EXPECT_EQ(t->image, 0);

    for (int type : {VIEW_CHECK_BOX, VIEW_RADIO_BUTTON}) {
        if (type == VIEW_CHECK_BOX)
            View_Area_Add_Check_Box(s, 0, 0, "c", 0x1000, 0, &v, &on);
        else
            View_Area_Add_Radio_Button(s, 0, 0, "r", 0x1000, 0, 1, &v, &on);
        EXPECT_EQ(last(s)->change, nullptr);
        View_Area_Set_Change_Callback(s, changed);
        View_Area_Set_Check_Pictures(s, 5, 6);
        EXPECT_EQ(last(s)->change, &changed);
        EXPECT_EQ(last(s)->image, 5);
        EXPECT_EQ(last(s)->image_clear, 6);
    }

    intptr_t result = 0;
    View_Area_Add_Click_Area(s, 0, 0, 10, 10, 77, &result);
    View_Area_Set_Click_Area_Cursor(s, 18);
    View_Area_Set_Click_Area_Tooltip(s, "Hilfe", 0x11000, 3, 1);
    EXPECT_EQ(last(s)->aux, 18);
    EXPECT_STREQ(last(s)->text, "Hilfe");
    EXPECT_EQ(last(s)->extra, 17);
    EXPECT_EQ(last(s)->font, 0x1000);
    View_Area_Set_Click_Area_Tooltip(s, "Mehr", 0x1000, 3, 0);
    EXPECT_STREQ(last(s)->text, "Mehr");
    EXPECT_EQ(last(s)->extra, 0);
    View_Area_Set_Change_Callback(s, changed);
    EXPECT_EQ(last(s)->change, nullptr);
}

TEST_F(OnASheet, CutAtMarkKeepsWhatCameBeforeAndTheContentSize)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    View_Area_Add_Text(s, 0, 20, "eins", 0x1000, 0, 0);
    const ViewElement* first = last(s);
    const int blocks = Mem_Live_Blocks();
    View_Area_Add_Cut_Mark(s, 7);
    View_Area_Add_Text(s, 0, 200, "zwei", 0x1000, 0, 0);
    View_Area_Add_Cut_Mark(s, 7);
    View_Area_Add_Text(s, 400, 20, "drei", 0x1000, 0, 0);
    View_Area_Cut_At_Mark(s, 9);
    EXPECT_EQ(count_elements(s), 5);
    View_Area_Cut_At_Mark(s, 7);
    EXPECT_EQ(count_elements(s), 1);
    EXPECT_EQ(last(s), first);
    EXPECT_EQ(first->next, nullptr);
    EXPECT_EQ(content_w(s), 400 + 32 + 10);
    EXPECT_EQ(content_h(s), 210);
    EXPECT_EQ(Mem_Live_Blocks(), blocks);
    // A mark as first element empties the list.
    const unsigned t = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    View_Area_Add_Cut_Mark(t, 1);
    View_Area_Add_Text(t, 0, 20, "x", 0x1000, 0, 0);
    View_Area_Cut_At_Mark(t, 1);
    EXPECT_EQ(View_Area_Record(t)->first, nullptr);
    EXPECT_EQ(View_Area_Record(t)->last, nullptr);
    View_Area_Add_Text(t, 0, 20, "y", 0x1000, 0, 0);
    EXPECT_EQ(count_elements(t), 1);
}

TEST_F(OnASheet, ClosingReleasesEveryElementAndAnOwnedChoiceTable)
{
    const int blocks = Mem_Live_Blocks();
    const unsigned s = unsigned(View_Area_Open(0, 0, 300, 300, 0, 0));
    double d = 1;
    int v = 0, on = 1;
    char field[8] = "abc";
    char edit[20] = "text";
    intptr_t result = 0;
    ChoiceEntry caller[2] = {{0, "a"}, {0, "b"}};
    View_Area_Add_Text(s, 0, 20, "t", 0x1000, 0, 0);
    View_Area_Add_Bitmap(s, "b.bmp", 0, 0, 5, 5, 0);
    View_Area_Add_Rotated_Text(s, 0, 20, "r", 0x1000, 0, 90);
    View_Area_Add_Check_Box(s, 0, 20, "c", 0x1000, 0, &v, &on);
    View_Area_Add_Radio_Button(s, 0, 20, "r", 0x1000, 0, 1, &v, &on);
    View_Area_Add_Link_Text(s, 0, 20, "l", 0x1000, 0, 0, 0, 1, &result);
    View_Area_Add_Float(s, 0, 20, &d, "%5.1f", 0x1000, 0, &on);
    View_Area_Set_Inactive_Text(s, "-");
    View_Area_Add_Click_Area(s, 0, 0, 5, 5, 1, &result);
    View_Area_Set_Click_Area_Tooltip(s, "tip", 0x1000, 0, 0);
    View_Area_Add_Text_Field(s, 0, 20, field, 0x1000, 0, &on);
    View_Area_Set_Inactive_Text(s, "-");
    View_Area_Add_Choice(s, 0, 20, caller, 0x1000, 4, 2, &v, &on);
    ChoiceEntry* own = static_cast<ChoiceEntry*>(Mem_Alloc_Zeroed(int(sizeof(ChoiceEntry)) * 3));
    View_Area_Add_Choice(s, 0, 20, own, 0x1000, 4, 3, &v, &on, 1);
    View_Area_Add_Picture_Choice(s, 0, 0, "p.bmp", 5, 5, 2, 0, &v, &on);
    View_Area_Add_Bitmap_Button(s, 0, 0, 5, 5, "b.bmp", 0, 0, 0, "Knopf", 1, &v, &on);
    View_Area_Add_Text_Editor(s, 0, 0, 90, 90, edit, 19, 0, 0, 1, &on);
    EXPECT_GT(Mem_Live_Blocks(), blocks);
    View_Area_Close(s);
    EXPECT_EQ(Mem_Live_Blocks(), blocks);
    EXPECT_STREQ(caller[1].text, "b"); // the caller's table is untouched
    EXPECT_STREQ(field, "abc");
}

TEST_F(OnASheet, SaveScrollTakesTheSheetAreasPosition)
{
    const unsigned s = unsigned(View_Area_Open(10, 20, 200, 300, 0, 1));
    ViewArea* a = View_Area_Record(s);
    View_Area_Add_Filled_Box(s, 0, 0, 50, 1000, 0);
    View_Area_Show(s);
    // The user scrolls the sheet's area (the record does not know yet).
    Set_Scrollable_Area_PS(a->handle, 0, 250);
    EXPECT_EQ(a->scroll_y, 0);
    View_Area_Save_Scroll(s);
    EXPECT_EQ(a->scroll_x, 0);
    EXPECT_EQ(a->scroll_y, 250);
    View_Area_Save_Scroll(99); // a bad slot changes nothing
}

TEST_F(OnASheet, ClearKeepsTheScrollPositionForTheNextShow)
{
    const unsigned s = unsigned(View_Area_Open(10, 20, 200, 300, 0, 1));
    const ViewArea* a = View_Area_Record(s);
    View_Area_Add_Filled_Box(s, 0, 0, 50, 1000, 0);
    // Visible height 280 of 1000: the slider is switched on.
    View_Area_Set_Scroll_Fraction(s, -1, 0.5);
    EXPECT_EQ(a->scroll_y, 360); // (1000 - 280) * 0.5
    Kov_Script_Clear_Log();
    View_Area_Show(s);
    EXPECT_TRUE(viewtest::logged("Change_Activity_PS " + std::to_string(a->vslider) + " 1"));
    int x = -1, y = -1;
    View_Area_Inquire_Scroll(s, &x, &y);
    EXPECT_EQ(y, 360);
    double fx = -1, fy = -1;
    View_Area_Get_Scroll_Fraction(s, &fx, &fy);
    EXPECT_DOUBLE_EQ(fx, 0.0); // no horizontal slider
    EXPECT_DOUBLE_EQ(fy, 0.5);

    View_Area_Clear(s);
    EXPECT_EQ(content_h(s), 0);
    EXPECT_EQ(a->scroll_y, 360);
    View_Area_Add_Filled_Box(s, 0, 0, 50, 500, 0);
    View_Area_Show(s);
    // The sheet area clamps to 500 - 280, and the record reads it back.
    EXPECT_EQ(a->scroll_y, 220);

    // Content smaller than the area: the slider goes off.
    View_Area_Clear(s);
    View_Area_Add_Filled_Box(s, 0, 0, 50, 100, 0);
    Kov_Script_Clear_Log();
    View_Area_Show(s);
    EXPECT_TRUE(viewtest::logged("Change_Activity_PS " + std::to_string(a->vslider) + " -1"));
    EXPECT_EQ(a->scroll_y, 0);
}

TEST_F(OnASheet, ScrollFractionAndScrollByStayInTheRange)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 200, 100, 1, 0));
    ViewArea* a = View_Area_Record(s);
    View_Area_Add_Filled_Box(s, 0, 0, 500, 50, 0);
    // Visible width 200 of 500.
    View_Area_Set_Scroll_Fraction(s, 0.5, -1);
    EXPECT_EQ(a->scroll_x, 150);
    EXPECT_EQ(a->scroll_y, 0);
    View_Area_Set_Scroll_Fraction(s, 7.0, 0.5);
    EXPECT_EQ(a->scroll_x, 300);
    EXPECT_EQ(a->scroll_y, 0); // no vertical slider

    a->scroll_x = 10;
    View_Area_Show(s);
    int dx = -30, dy = 40;
    View_Area_Scroll_By(s, &dx, &dy);
    EXPECT_EQ(a->scroll_x, 0);
    EXPECT_EQ(dx, -10);
    EXPECT_EQ(dy, 40); // untouched without a vertical slider
    dx = 1000;
    View_Area_Scroll_By(s, &dx, nullptr);
    // Only the record moved: the sheet area is still at 10, which is read
    // again; 10 + 1000 is cut to the end of the range.
    EXPECT_EQ(a->scroll_x, 300);
    EXPECT_EQ(dx, 290);

    // Without a horizontal slider the fraction leaves x alone.
    const unsigned v = unsigned(View_Area_Open(0, 0, 200, 100, 0, 1));
    View_Area_Add_Filled_Box(v, 0, 0, 500, 500, 0);
    View_Area_Set_Scroll_Fraction(v, 0.5, 1.0);
    EXPECT_EQ(View_Area_Record(v)->scroll_x, 0);
    EXPECT_EQ(View_Area_Record(v)->scroll_y, 500 - 100);
}

TEST_F(OnASheet, ActivityReachesTheSlidersAndTheSheetArea)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 200, 100, 1, 1));
    const ViewArea* a = View_Area_Record(s);
    Kov_Script_Clear_Log();
    View_Area_Set_Activity(s, 1); // unchanged: no call
    EXPECT_TRUE(viewtest::log_lines("Change_Activity_PS").empty());
    View_Area_Set_Activity(s, 0);
    EXPECT_EQ(a->activity, 0);
    const std::vector<std::string> calls = viewtest::log_lines("Change_Activity_PS");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], "Change_Activity_PS " + std::to_string(a->vslider) + " 0");
    EXPECT_EQ(calls[1], "Change_Activity_PS " + std::to_string(a->hslider) + " 0");
    EXPECT_EQ(calls[2], "Change_Activity_PS " + std::to_string(a->handle) + " 0");
    // An inactive area keeps its scroll position on clearing without asking the sheet.
    ViewArea* w = View_Area_Record(s);
    w->scroll_x = 33;
    View_Area_Clear(s);
    EXPECT_EQ(a->scroll_x, 33);
}

TEST_F(OnASheet, ReshapeStoresSheetCoordinates)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 200, 100, 0, 0));
    View_Area_Reshape(s, 20, 30, 220, 130);
    const ViewArea* a = View_Area_Record(s);
    EXPECT_EQ(a->x1, 20);
    EXPECT_EQ(a->y2, 130);
    EXPECT_TRUE(
        viewtest::logged("Reshape_Scrollable_Area_PS " + std::to_string(a->handle) + " 20 30 220 130 5 10 5 10"));
}

TEST_F(OnASheet, FrameFlagReachesTheSheetArea)
{
    const unsigned s = unsigned(View_Area_Open(0, 0, 200, 100, 0, 0));
    View_Area_Set_Frameflag(s, 0);
    EXPECT_EQ(View_Area_Record(s)->frame, 0);
    View_Area_Set_Hover_Rectangle(s, 1, 2, 3, 4);
    int stop = 0, res = 0;
    View_Area_Set_Hover_Stop_Flag(s, &stop);
    View_Area_Set_Escape_Result(s, 5, &res);
    View_Area_Set_Ok_Result(s, 6, &res);
    View_Area_Set_Help_Result(s, 7, &res);
    View_Area_Set_Key_Ends_Hover(s, 1);
    View_Area_Set_Right_Button_Ends_Hover(s, 1);
    const ViewArea* a = View_Area_Record(s);
    EXPECT_EQ(a->hover_rect_set, 1);
    EXPECT_EQ(a->hy2, 4);
    EXPECT_EQ(a->hover_stop, &stop);
    EXPECT_EQ(a->esc_value, 5);
    EXPECT_EQ(a->ok_value, 6);
    EXPECT_EQ(a->help_value, 7);
    EXPECT_EQ(a->help_result, &res);
    EXPECT_EQ(a->key_ends_hover, 1);
    EXPECT_EQ(a->right_ends_hover, 1);
}
