// Tests of the hover tooltips of mask pages: five lines and the box size, wrapping, placement
// around the element, inactive elements and the registered page area.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/maskhover.h"
#include "sheets/maskstate.h"
#include "sheets/masktextbox.h"
#include "sheets/viewarea.h"
#include "test_support/kovtestutil.h"

namespace {

// The page area lies at (20, 30) on the screen; view-area point (x, y) shows
// at (20 + dx + x, 30 + dy + y) while the area is not scrolled.
const int kLeft = 20, kTop = 30;

std::vector<int> screen()
{
    std::vector<int> v;
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

class HoverPage : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Mask_State_Reset();
        Mask_Hover_Reset();
        Define_Prop_Sheet(0, 0, 800, 600, 0, 0, "", 10, 1);
        escape = Add_Escape_Area_to_PS(kLeft, kTop, 780, 580, 0, 2000);
        area = View_Area_Open(kLeft, kTop, 780, 580, 0, 0);
        ASSERT_GE(area, 0);
        Set_Windows_Break_Button(2);
        Activate_Prop_Sheet();
    }
    void TearDown() override
    {
        Mask_Hover_Reset();
        Mask_State_Reset();
        View_Area_Close_All();
        Kov_Ui_Sheets_Reset();
        Kov_Ui_Reset();
        Kov_Set_Ui_Mode(-1);
    }
    void register_page()
    {
        Mask_Register_Hover_Area(escape, area, kLeft, kTop, 780, 580, &dx, &dy);
        Mask_Set_Output_Area(area);
    }
    void show()
    {
        View_Area_Set_Activity(unsigned(area), 1);
        View_Area_Show(unsigned(area));
    }
    // The mouse at a view-area point, then one call of the handler.
    void hover(int x, int y)
    {
        M_XPOS = kLeft + dx + x;
        M_YPOS = kTop + dy + y;
        Mask_Hover_Handler();
    }
    std::vector<const ViewElement*> elements() const
    {
        std::vector<const ViewElement*> v;
        const ViewArea* a = View_Area_Record(unsigned(area));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next) v.push_back(e);
        return v;
    }

    kovtest::ScopedEnv data{"DATA", KOV_SOURCE_DIR "/data"};
    int escape = -1;
    int area = -1;
    int dx = 0, dy = 0;
};

} // namespace

TEST_F(HoverPage, ATooltipKeepsFiveLinesAndSizesItsBoxByTheWidestLine)
{
    register_page();
    Mask_Set_Last_Element(100, 100, 60, 1);
    Mask_Set_Tooltip("1\n2\n3\n4\n5\n6\n7", 0, 0);
    ASSERT_EQ(g_mask_state.tooltip_count, 1);
    const MaskTooltip& t = g_mask_state.tooltips[0];
    EXPECT_EQ(t.line_count, 5);
    EXPECT_STREQ(t.lines[4], "5");
    EXPECT_EQ(t.box_height, 12 * 5 + 6);

    // Lines 40 and 64 pixels wide (5 and 8 characters of the normal font).
    Mask_Set_Tooltip("abcde\nabcdefgh", 1, 3);
    const MaskTooltip& u = g_mask_state.tooltips[1];
    EXPECT_EQ(u.line_count, 2);
    EXPECT_EQ(u.box_width, 73);
    EXPECT_EQ(u.box_height, 30);
    EXPECT_EQ(u.escape, escape);
    EXPECT_EQ(u.left, 100);
    EXPECT_EQ(u.top, 87);
    EXPECT_EQ(u.right, 160);
    EXPECT_EQ(u.bottom, 105);
    EXPECT_EQ(u.below, 1);
    EXPECT_EQ(u.side, 3);
}

TEST_F(HoverPage, LongLinesGoOnInTheNextLine)
{
    register_page();
    Mask_Set_Last_Element(10, 20, 30, 1);
    const std::string long_line(150, 'x');
    Mask_Set_Tooltip((long_line + "\nzwei").c_str(), 0, 0);
    const MaskTooltip& t = g_mask_state.tooltips[0];
    ASSERT_EQ(t.line_count, 3);
    EXPECT_EQ(std::strlen(t.lines[0]), 99u);
    EXPECT_EQ(std::strlen(t.lines[1]), 51u);
    EXPECT_STREQ(t.lines[2], "zwei");
}

TEST_F(HoverPage, TheTooltipShowsAboveLeftOfTheCentreAndLeavingPutsTheScreenBack)
{
    register_page();
    Mask_Set_Last_Element(200, 100, 60, 1); // (200, 87) - (260, 105)
    Mask_Set_Tooltip("abcde\nabcdefgh", 0, 3);
    const std::vector<int> before = screen();
    hover(230, 95);
    // Box 73 x 30: left at the centre (230) minus its width, top 35 above the element.
    const int bx = kLeft + 230 - 73, by = kTop + 87 - 35;
    EXPECT_EQ(Kov_Ui_Pixel(bx, by), 0x404040);
    EXPECT_EQ(Kov_Ui_Pixel(bx + 72, by + 29), 0x404040);
    EXPECT_EQ(Kov_Ui_Pixel(bx + 1, by + 1), 0xFFFFFF);
    EXPECT_EQ(Kov_Ui_Pixel(bx + 73, by + 30), before[size_t((by + 30) * NPIXEL_X + bx + 73)]);
    bool text = false;
    for (int y = by + 2; y < by + 28; ++y)
        for (int x = bx + 2; x < bx + 71; ++x) text = text || Kov_Ui_Pixel(x, y) == 0x404040;
    EXPECT_TRUE(text);
    // Still over the element: nothing changes.
    const std::vector<int> shown = screen();
    hover(231, 96);
    EXPECT_EQ(screen(), shown);
    // Leaving puts the screen back byte for byte.
    hover(300, 300);
    EXPECT_EQ(screen(), before);
}

TEST_F(HoverPage, BelowAndRightPlacement)
{
    register_page();
    Mask_Set_Last_Element(200, 100, 60, 1);
    Mask_Set_Tooltip("abcde", 1, 0);
    hover(230, 95);
    const int bx = kLeft + 230, by = kTop + 105 + 5;
    EXPECT_EQ(Kov_Ui_Pixel(bx, by), 0x404040);
    EXPECT_EQ(Kov_Ui_Pixel(bx + 6 + 43 - 1, by + 18 - 1), 0x404040);
}

TEST_F(HoverPage, OnlyTheInsideOfTheElementAndAnActivePageShowTheTooltip)
{
    register_page();
    Mask_Set_Last_Element(200, 100, 60, 1);
    Mask_Set_Tooltip("abc", 0, 0);
    const std::vector<int> before = screen();
    hover(200, 95); // on the edge: not strictly inside
    EXPECT_EQ(screen(), before);
    Change_Activity_PS(escape, 0);
    hover(230, 95);
    EXPECT_EQ(screen(), before);
    Change_Activity_PS(escape, 1);
    hover(230, 95);
    EXPECT_NE(screen(), before);
}

TEST_F(HoverPage, AnInactiveElementGetsNoTooltip)
{
    register_page();
    Mask_Set_Last_Element(200, 100, 60, 0);
    Mask_Set_Tooltip("abc", 0, 0);
    EXPECT_EQ(g_mask_state.tooltip_count, 0);
}

TEST_F(HoverPage, WithoutARegisteredPageAreaNothingIsAdded)
{
    Mask_Set_Output_Area(area);
    Mask_Set_Last_Element(200, 100, 60, 1);
    Mask_Set_Tooltip("abc", 0, 0);
    EXPECT_EQ(g_mask_state.tooltip_count, 0);
    intptr_t result = 0;
    EXPECT_EQ(
        Mask_Add_Hover_Picture(area, 10, 10, 20, 20, 0, 0, "a.bmp", "b.bmp", "c.bmp", "d.bmp", WHITE_CI, 1, &result, 1),
        nullptr);
    EXPECT_EQ(Mask_Add_Hover_Text_Button(area, 10, 10, 50, 0, 0, BLACK_CI, BLACK_CI, 0, "OK", 1, &result, 1), 0);
    EXPECT_EQ(Mask_Add_Bitmap_Text_Button(area, 10, 10, 50, 0, 0, "OK", 1, &result, 1), 0);
    EXPECT_EQ(g_mask_state.hover_button_count, 0);
    EXPECT_TRUE(elements().empty());
}

TEST_F(HoverPage, TheListsKeepAHundredEntriesAndDropFurtherOnes)
{
    register_page();
    Mask_Set_Last_Element(10, 20, 30, 1);
    for (int i = 0; i < 105; ++i) Mask_Set_Tooltip("t", 0, 0);
    EXPECT_EQ(g_mask_state.tooltip_count, MASK_TOOLTIPS);
    intptr_t result = 0;
    for (int i = 0; i < 105; ++i)
        Mask_Add_Hover_Text_Button(area, 10, 10 + 20 * i, 50, 0, 0, BLACK_CI, BLACK_CI, 0, "OK", i, &result, 1);
    EXPECT_EQ(g_mask_state.hover_button_count, MASK_HOVER_BUTTONS);
    // A new drawing of the page empties both lists.
    Mask_Set_Output_Area(area);
    EXPECT_EQ(g_mask_state.tooltip_count, 0);
    EXPECT_EQ(g_mask_state.hover_button_count, 0);
}

TEST_F(HoverPage, RegisteringTheFirstPageAreaInstallsTheHandlerAndReleasingTheLastStopsIt)
{
    Mask_Register_Hover_Area(escape, area, kLeft, kTop, 780, 580, &dx, &dy);
    EXPECT_EQ(g_mask_state.hover, 1);
    Mask_Register_Hover_Area(escape, area, kLeft, kTop, 780, 580, &dx, &dy);
    EXPECT_EQ(g_mask_state.page_area_count, 2);
    Mask_Set_Output_Area(area);
    Mask_Set_Last_Element(200, 100, 60, 1);
    Mask_Set_Tooltip("abc", 0, 0);
    const std::vector<int> before = screen();
    // The sheet calls the handler while it waits: over the element the tooltip shows.
    Kov_Ui_Push_Move(kLeft + 230, kTop + 95);
    EXPECT_EQ(Edit_Prop_Sheet(), 2);
    EXPECT_NE(screen(), before);
    Kov_Ui_Push_Move(kLeft + 400, kTop + 400);
    EXPECT_EQ(Edit_Prop_Sheet(), 2);
    EXPECT_EQ(screen(), before);

    Mask_Release_Hover_Area();
    EXPECT_EQ(g_mask_state.hover, 1);
    Mask_Release_Hover_Area();
    EXPECT_EQ(g_mask_state.hover, 0);
    Mask_Release_Hover_Area(); // not below 0
    EXPECT_EQ(g_mask_state.page_area_count, 0);
    // Switched off: the sheet no longer calls it.
    Kov_Ui_Push_Move(kLeft + 230, kTop + 95);
    EXPECT_EQ(Edit_Prop_Sheet(), 2);
    EXPECT_EQ(screen(), before);
    // Mask_Activate_Hover switches it on only while the flag is set.
    Mask_Activate_Hover(1);
    Kov_Ui_Push_Move(kLeft + 231, kTop + 95);
    EXPECT_EQ(Edit_Prop_Sheet(), 2);
    EXPECT_EQ(screen(), before);
}

TEST_F(HoverPage, TheTextButtonFramesItsRectangleAndCentresItsText)
{
    register_page();
    intptr_t result = 0;
    EXPECT_EQ(Mask_Add_Hover_Text_Button(area, 300, 200, 101, 0, 4, BLACK_CI, 0x808080, 0, "OK", 7, &result, 1), 1);
    ASSERT_EQ(g_mask_state.hover_button_count, 1);
    const MaskHoverButton& b = g_mask_state.hover_buttons[0];
    EXPECT_EQ(b.left, 300 - 50);
    EXPECT_EQ(b.right - b.left, 100);
    EXPECT_EQ(b.top, 200);
    EXPECT_EQ(b.bottom, 218);
    EXPECT_EQ(b.text_x, b.left + 40);
    EXPECT_EQ(b.text_y, b.top + 14);
    EXPECT_EQ(b.text_font, 0x10000u);
    EXPECT_EQ(b.normal, nullptr);
    EXPECT_EQ(b.hover, nullptr);
    EXPECT_EQ(b.escape, escape);
    EXPECT_EQ(g_mask_state.last_left, b.left);
    EXPECT_EQ(g_mask_state.last_right, b.right);
    EXPECT_EQ(g_mask_state.last_active, 1);

    std::vector<int> types;
    for (const ViewElement* e : elements()) types.push_back(e->type);
    EXPECT_EQ(types, (std::vector<int>{VIEW_CLICK_AREA, VIEW_LINE, VIEW_LINE, VIEW_LINE, VIEW_LINE, VIEW_TEXT}));
    const ViewElement* click = elements()[0];
    EXPECT_EQ(click->key, 7);
    EXPECT_EQ(click->result, &result);
    EXPECT_EQ(click->aux, 18);
    const ViewElement* text = elements()[5];
    EXPECT_EQ(text->x1, b.left + 40);
    EXPECT_EQ(text->y1, b.top + 14);

    // Hovering writes the text bold; leaving puts the pixels back.
    show();
    const std::vector<int> before = screen();
    hover(b.left + 50, b.top + 9);
    EXPECT_NE(screen(), before);
    hover(b.left + 50, b.top + 40);
    EXPECT_EQ(screen(), before);
}

TEST_F(HoverPage, AnInactiveTextButtonIsGreyAndTakesNoClick)
{
    register_page();
    intptr_t result = 0;
    Mask_Add_Hover_Text_Button(area, 300, 200, 101, 2, 1, BLACK_CI, BLACK_CI, 0, "Aus", 7, &result, 0);
    const MaskHoverButton& b = g_mask_state.hover_buttons[0];
    EXPECT_EQ(b.left, 200);
    EXPECT_EQ(b.top, 182);
    EXPECT_EQ(b.text_colour, Nearest_RGB_Color(198, 195, 198));
    EXPECT_EQ(b.text_font, 0u);
    for (const ViewElement* e : elements()) {
        EXPECT_NE(e->type, VIEW_CLICK_AREA);
        if (e->type == VIEW_LINE) {
            EXPECT_EQ(e->colour, Nearest_RGB_Color(196, 196, 196));
        }
    }
    EXPECT_EQ(g_mask_state.last_active, 0);
}

TEST_F(HoverPage, AHoverPictureIsPlacedLikeAPictureButtonAndLitWhileHovered)
{
    register_page();
    intptr_t result = 0;
    const char* used = Mask_Add_Hover_Picture(area, 300, 200, 21, 19, 4, 4, "TextButtonBg.bmp", nullptr,
                                              "TextButtonBg_ro.bmp", nullptr, WHITE_CI, 3, &result, 1);
    EXPECT_STREQ(used, "TextButtonBg_ro.bmp");
    ASSERT_EQ(g_mask_state.hover_button_count, 1);
    const MaskHoverButton& b = g_mask_state.hover_buttons[0];
    EXPECT_EQ(b.left, 290);
    EXPECT_EQ(b.right, 311);
    EXPECT_EQ(b.top, 191);
    EXPECT_EQ(b.bottom, 210);
    EXPECT_STREQ(b.normal, "TextButtonBg.bmp");
    show();
    const int x = kLeft + 295, y = kTop + 191;
    EXPECT_EQ(Kov_Ui_Pixel(x, y), 0xF6F6F6); // the normal face's top row
    const std::vector<int> before = screen();
    hover(300, 200);
    EXPECT_EQ(Kov_Ui_Pixel(x, y), 0xEAF4FE); // the lit face's top row
    hover(400, 400);
    EXPECT_EQ(screen(), before);

    // Without a hover picture no entry is kept.
    EXPECT_EQ(Mask_Add_Hover_Picture(area, 10, 10, 20, 20, 0, 0, "TextButtonBg.bmp", nullptr, nullptr, nullptr,
                                     WHITE_CI, 3, &result, 1),
              nullptr);
    EXPECT_EQ(g_mask_state.hover_button_count, 1);
    // Inactive: its inactive pictures, no click area.
    const size_t clicks_before = elements().size();
    EXPECT_STREQ(Mask_Add_Hover_Picture(area, 10, 50, 20, 20, 0, 0, "a.bmp", "TextButtonBgInaktive.bmp", "c.bmp",
                                        "TextButtonBgInaktive_ro.bmp", WHITE_CI, 3, &result, 0),
                 "TextButtonBgInaktive_ro.bmp");
    EXPECT_EQ(elements().size(), clicks_before + 1);
    EXPECT_EQ(elements().back()->type, VIEW_BITMAP);
}

TEST_F(HoverPage, TheHighlightStaysWithItsButtonUntilTheMouseIsOverNone)
{
    register_page();
    intptr_t result = 0;
    Mask_Add_Bitmap_Text_Button(area, 100, 100, 81, 0, 0, "Eins", 1, &result, 1);
    Mask_Add_Bitmap_Text_Button(area, 181, 100, 81, 0, 0, "Zwei", 2, &result, 1);
    ASSERT_EQ(g_mask_state.hover_button_count, 2);
    EXPECT_STREQ(g_mask_state.hover_buttons[0].hover, "TextButtonBg_ro.bmp");
    show();
    const std::vector<int> before = screen();
    hover(120, 105);
    const std::vector<int> first_lit = screen();
    EXPECT_NE(first_lit, before);
    hover(200, 105); // straight onto the second button
    EXPECT_EQ(screen(), first_lit);
    hover(400, 400);
    EXPECT_EQ(screen(), before);
    hover(200, 105);
    EXPECT_NE(screen(), before);
    EXPECT_NE(screen(), first_lit);
}

TEST_F(HoverPage, AnInactiveBitmapTextButtonUsesTheInactiveFaces)
{
    register_page();
    intptr_t result = 0;
    Mask_Add_Bitmap_Text_Button(area, 100, 100, 81, 0, 0, "Aus", 1, &result, 0);
    const MaskHoverButton& b = g_mask_state.hover_buttons[0];
    EXPECT_STREQ(b.normal, "TextButtonBgInaktive.bmp");
    EXPECT_STREQ(b.hover, "TextButtonBgInaktive_ro.bmp");
    EXPECT_EQ(b.text_colour, Nearest_RGB_Color(198, 195, 198));
    for (const ViewElement* e : elements()) EXPECT_NE(e->type, VIEW_CLICK_AREA);
    EXPECT_STREQ(elements()[0]->text, "TextButtonBgInaktive.bmp");
}

TEST_F(HoverPage, TheSheetsDisplacementMovesTheHitPoint)
{
    register_page();
    Mask_Set_Last_Element(200, 100, 60, 1);
    Mask_Set_Tooltip("abc", 0, 0);
    const std::vector<int> before = screen();
    dx = 15; // the sheet dragged 15 pixels to the right
    M_XPOS = kLeft + 205;
    M_YPOS = kTop + 95;
    Mask_Hover_Handler(); // view-area x 190: outside
    EXPECT_EQ(screen(), before);
    M_XPOS = kLeft + 15 + 205;
    Mask_Hover_Handler(); // x 205: inside
    EXPECT_NE(screen(), before);
}

// ---- the framed text box ---------------------------------------------------------------------

namespace {

class TextBox : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
        pxFgc(0x102030);
        pxRect(0, 0, 400, 200);
        pxFgc(0x00FF00);
        pxView(5, 6, 700, 500);
    }
    void TearDown() override
    {
        Kov_Ui_Reset();
        Kov_Set_Ui_Mode(-1);
    }
};

const int kX1 = 50, kY1 = 60, kX2 = 200, kY2 = 80;

bool inside(int x, int y, int m) { return x >= kX1 + m && x <= kX2 - m && y >= kY1 + m && y <= kY2 - m; }

} // namespace

TEST_F(TextBox, AFramedBoxDrawsInsideItsInsetAndLeavesTheState)
{
    const std::string text(40, 'W'); // far wider than the box
    Mask_Draw_Text_Box(kX1, kY1, kX2, kY2, text.c_str(), 209, 1, 0x1000, BLACK_CI, 0xFFFF00);
    for (int y = 0; y <= 200; ++y)
        for (int x = 0; x <= 400; ++x) {
            const int p = Kov_Ui_Pixel(x, y);
            if (!inside(x, y, 0)) {
                ASSERT_EQ(p, 0x102030) << x << "," << y;
            } else if (inside(x, y, 1)) {
                ASSERT_TRUE(p == 0xFFFF00 || p == 0x000000) << x << "," << y;
            } else {
                ASSERT_TRUE(p != 0x102030 && p != 0xFFFF00 && p != 0x000000) << x << "," << y; // the frame
            }
        }
    // The text starts 3 pixels into the inset box: its first columns stay background.
    for (int y = kY1 + 1; y < kY2; ++y) EXPECT_EQ(Kov_Ui_Pixel(kX1 + 1, y), 0xFFFF00);
    bool text_seen = false;
    for (int y = kY1 + 1; y < kY2; ++y)
        for (int x = kX1 + 4; x < kX2; ++x) text_seen = text_seen || Kov_Ui_Pixel(x, y) == 0x000000;
    EXPECT_TRUE(text_seen);
    EXPECT_EQ(pxQFgc(), 0x00FF00);
    int v[4] = {0, 0, 0, 0};
    pxQVwp(&v[0], &v[1], &v[2], &v[3]);
    EXPECT_EQ(std::vector<int>(v, v + 4), (std::vector<int>{5, 6, 700, 500}));
}

TEST_F(TextBox, NoBackgroundNoTextNoFrame)
{
    // Back colour -10000: the text on what was there.
    Mask_Draw_Text_Box(kX1, kY1, kX2, kY2, "Hallo", 209, 1, 0x1000, BLACK_CI, MASK_TEXT_BOX_NONE);
    int old = 0, black = 0;
    for (int y = kY1 + 1; y < kY2; ++y)
        for (int x = kX1 + 1; x < kX2; ++x) {
            old += Kov_Ui_Pixel(x, y) == 0x102030;
            black += Kov_Ui_Pixel(x, y) == 0x000000;
        }
    EXPECT_GT(old, 0);
    EXPECT_GT(black, 0);
    EXPECT_EQ(old + black, (kX2 - kX1 - 1) * (kY2 - kY1 - 1));

    // Text colour -10000 or no text: only the background.
    for (const char* t : {static_cast<const char*>("Hallo"), static_cast<const char*>(nullptr)}) {
        Mask_Draw_Text_Box(kX1, kY1, kX2, kY2, t, 209, 0, 0x1000, t ? MASK_TEXT_BOX_NONE : BLACK_CI, 0xFFFF00);
        for (int y = kY1; y <= kY2; ++y)
            for (int x = kX1; x <= kX2; ++x) ASSERT_EQ(Kov_Ui_Pixel(x, y), 0xFFFF00);
    }
    // Without a frame the text starts at the left edge itself.
    Mask_Draw_Text_Box(kX1, kY1, kX2, kY2, "WWWW", 209, 0, 0x1000, BLACK_CI, 0xFFFF00);
    bool near_edge = false;
    for (int y = kY1; y <= kY2; ++y)
        for (int x = kX1; x <= kX1 + 2; ++x) near_edge = near_edge || Kov_Ui_Pixel(x, y) == 0x000000;
    EXPECT_TRUE(near_edge);
}

TEST_F(TextBox, HigherFrameStylesInsetTwoPixels)
{
    Mask_Draw_Text_Box(kX1, kY1, kX2, kY2, nullptr, 209, 3, -1, BLACK_CI, 0xFFFF00);
    EXPECT_NE(Kov_Ui_Pixel(kX1 + 1, kY1 + 5), 0xFFFF00);
    EXPECT_EQ(Kov_Ui_Pixel(kX1 + 2, kY1 + 5), 0xFFFF00);
    EXPECT_EQ(Kov_Ui_Pixel(kX2 - 2, kY2 - 2), 0xFFFF00);
    EXPECT_NE(Kov_Ui_Pixel(kX2 - 1, kY2 - 5), 0xFFFF00);
}
