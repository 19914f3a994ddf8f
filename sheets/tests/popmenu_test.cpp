// Tests of the popup button menus in a row and a column: the button pressed, the remembered
// mouse, labels, empty menus, zoom, framed texts and bit arrays.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/popmenu.h"
#include "sheets/popmenupriv.h"
#include "sheets/scrgraph.h"
#include "sheets/tests/scrtest.h"

using scrtest::calls;
using Lines = std::vector<std::string>;

namespace {

// The strip of four 24 x 24 pictures 29 pixels apart on the transparent grey
// (192, 192, 192), drawn for these tests: a red disc, a green square, a blue
// triangle and a yellow cross.
const std::string kStrip = std::string(KOV_TEST_DIR) + "/popup_strip.bmp";

std::vector<int> sleeps;
void record_sleep(int ms) { sleeps.push_back(ms); }

// What the test does while a menu waits for the user.
std::function<void()> while_open;
void idle(const char*)
{
    if (!while_open) return;
    std::function<void()> f;
    f.swap(while_open);
    f();
}

class PopupMenus : public testing::Test {
protected:
    void SetUp() override
    {
        scrtest::fresh_screen();
        Popup_Menu_Reset(); // the mouse kept by an earlier menu would move the cursor elsewhere
        Kov_Set_Sleep_Function(record_sleep);
        Kov_Ui_Set_Idle_Hook(idle);
        sleeps.clear();
        while_open = nullptr;
    }
    void TearDown() override
    {
        Kov_Ui_Set_Idle_Hook(nullptr);
        Kov_Set_Sleep_Function(nullptr);
    }
};

char kFirst[] = "Kreis", kSecond[] = "Quadrat", kThird[] = "Dreieck", kFourth[] = "Kreuz";
char* kLabels[] = {kFirst, kSecond, kThird, kFourth};

PopupMenu row_menu()
{
    // Title "Wahl": 32 pixels in the normal font.
    return PopupMenu{40, 60, 300, 200, "Wahl", 24, 24, 4, kLabels, kStrip.c_str()};
}

void click_button(int id)
{
    int x1, y1, x2, y2;
    ASSERT_EQ(Kov_Ui_Sheet_Rect(id, &x1, &y1, &x2, &y2), 1);
    Kov_Ui_Push_Click((x1 + x2) / 2, (y1 + y2) / 2);
}

std::vector<int> screen()
{
    std::vector<int> v;
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

} // namespace

TEST(PopupLayout, RowOfButtons)
{
    struct Case {
        int count, w, h, tw;
        long long width, height, first_x, title_x;
    } cases[] = {
        {4, 24, 24, 30, 127, 57, 7, 48},  // 4 x 29 + 11; title centred
        {3, 30, 20, 50, 116, 53, 7, 33},  // 3 x 35 + 11
        {3, 30, 20, 150, 166, 53, 32, 8}, // wider title: s = (166 - 100) / 2 = 33
        {0, 24, 24, 0, 11, 57, 7, 5},     // no buttons: an empty menu
    };
    for (const Case& c : cases) {
        const popmenu::Layout l = popmenu::row_layout(c.count, c.w, c.h, c.tw, 13);
        EXPECT_EQ(l.width, c.width) << c.tw;
        EXPECT_EQ(l.height, c.height) << c.tw;
        EXPECT_EQ(l.first_x, c.first_x) << c.tw;
        EXPECT_EQ(l.step_x, c.w + 5) << c.tw;
        EXPECT_EQ(l.step_y, 0) << c.tw;
        EXPECT_EQ(l.title_x, c.title_x) << c.tw;
        EXPECT_EQ(l.first_y, 25) << c.tw;
        EXPECT_EQ(l.title_y, 19) << c.tw;
    }
    const popmenu::Layout l = popmenu::row_layout(4, 24, 24, 30, 13);
    // Buttons at x + 7, 36, 65, 94.
    EXPECT_EQ(l.first_x + 3 * l.step_x, 94);
    EXPECT_EQ(l.strip_x1, 8);
    EXPECT_EQ(l.strip_x2, 8 + 4 * 29);
    EXPECT_EQ(l.strip_y2, 26 + 24);
    EXPECT_EQ(l.mouse_x, 20);
    EXPECT_EQ(l.mouse_y, 37);
}

TEST(PopupLayout, ColumnOfButtons)
{
    const int labels[2] = {60, 20};
    popmenu::Layout l = popmenu::column_layout(2, 30, 20, 40, labels, 13);
    EXPECT_EQ(l.width, 111); // max(46, 30 + 60 + 21)
    EXPECT_EQ(l.first_x, 73);
    EXPECT_EQ(l.height, 13 + 2 * 25 + 15);
    EXPECT_EQ(l.step_y, 25);
    EXPECT_EQ(l.title_x, 8);
    EXPECT_EQ(l.title_dx, 1);
    EXPECT_EQ(l.strip_x1, 111 - 37);
    EXPECT_EQ(l.strip_x2, 104);
    EXPECT_EQ(l.strip_y2, 26 + 50);
    EXPECT_EQ(l.mouse_x, 23);
    EXPECT_EQ(l.mouse_y, 35);

    l = popmenu::column_layout(2, 30, 20, 80, nullptr, 13);
    EXPECT_EQ(l.width, 96); // a title wider than the button
    const int none[2] = {-1, -1};
    l = popmenu::column_layout(2, 30, 20, 0, none, 13);
    EXPECT_EQ(l.width, 46);
}

TEST_F(PopupMenus, RowMenuReturnsTheButtonPressed)
{
    bool open = false;
    int face = -1;
    while_open = [&] {
        open = true;
        int x1, y1, x2, y2;
        ASSERT_EQ(Kov_Ui_Sheet_Frame(&x1, &y1, &x2, &y2), 1);
        EXPECT_EQ(x1, 300);
        EXPECT_EQ(x2, 427);
        EXPECT_EQ(y2, 257);
        // The second button took the green square as its face.
        face = Kov_Ui_Pixel(336 + 12, 225 + 12);
        click_button(2);
    };
    EXPECT_EQ(Popup_Menu_Row(row_menu()), 2);
    EXPECT_TRUE(open);
    EXPECT_EQ(face, 0x1E8C28);
    EXPECT_EQ(calls({"Define_Prop_Sheet", "Add_Single_Button_to_PS", "pxText", "msStCu", "Add_Escape_Area_to_PS"}),
              (Lines{"Define_Prop_Sheet 300 200 427 257 0 0  4 0", "pxText 347 219 Wahl", "pxText 346 219 Wahl",
                     "Add_Single_Button_to_PS 307 225 1 1  0", "Add_Single_Button_to_PS 336 225 1 2  0",
                     "Add_Single_Button_to_PS 365 225 1 3  0", "Add_Single_Button_to_PS 394 225 1 4  0",
                     "Add_Escape_Area_to_PS 300 200 427 257 1 99", "msStCu 320 237"}));
    // The zoom from the caller's button: seven pauses of 10 ms.
    EXPECT_EQ(sleeps, std::vector<int>(7, 10));
    EXPECT_EQ(calls({"Pop_RFont"}).size(), calls({"Push_RFont"}).size());
    EXPECT_EQ(Kov_Ui_Sheet_Frame(nullptr, nullptr, nullptr, nullptr), 0);

    Kov_Ui_Push_Click(10, 10);
    EXPECT_EQ(Popup_Menu_Row(row_menu()), 99);

    // No input left: as a click outside.
    EXPECT_EQ(Popup_Menu_Row(row_menu()), 99);
}

TEST_F(PopupMenus, RowMenuRemembersTheMouse)
{
    PopupMenu m = row_menu();
    // The click on the second button; the mouse stays there as the menu closes.
    Kov_Ui_Push_Click(350, 240);
    Kov_Ui_Push_Move(350, 240);
    EXPECT_EQ(Popup_Menu_Row(m), 2);
    Kov_Script_Clear_Log();
    m.x = 500;
    m.y = 100;
    Kov_Ui_Push_Click(10, 10);
    EXPECT_EQ(Popup_Menu_Row(m), 99);
    EXPECT_EQ(calls({"msStCu"}), Lines{"msStCu 550 140"}); // (350 - 300, 240 - 200) from the new corner
}

TEST_F(PopupMenus, SheetReportOfCountPlusOneIsMinusOne)
{
    while_open = [] {
        Set_Windows_Break_Button(5);
        Kov_Ui_Push_Key(27);
    };
    EXPECT_EQ(Popup_Menu_Row(row_menu()), -1);
}

TEST_F(PopupMenus, ColumnMenuWithLabels)
{
    char a[] = "Zuganker", b[] = "Nr";
    char* labels[] = {a, b};
    // Title 40, labels 64 and 16 pixels: W = max(46, 30 + 64 + 21) = 115.
    PopupMenu m{10, 10, 200, 100, "Titel", 30, 20, 2, labels, kStrip.c_str()};
    while_open = [] { click_button(2); };
    EXPECT_EQ(Popup_Menu_Column(m), 2);
    EXPECT_EQ(calls({"Define_Prop_Sheet", "Add_Single_Button_to_PS", "pxText", "msStCu"}),
              (Lines{"Define_Prop_Sheet 200 100 315 178 0 0  2 0", "pxText 208 119 Titel", "pxText 209 119 Titel",
                     "Add_Single_Button_to_PS 277 125 1 1  0", "pxText 208 142 Zuganker",
                     "Add_Single_Button_to_PS 277 150 1 2  0", "pxText 208 167 Nr", "msStCu 223 135"}));
    // The font comes back only after the sheet is gone.
    const Lines order = calls({"Undefine_Prop_Sheet", "Push_RFont"});
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.back(), "Push_RFont");
    EXPECT_EQ(calls({"Pop_RFont"}).size(), calls({"Push_RFont"}).size());

    Kov_Script_Clear_Log();
    Kov_Ui_Push_Click(5, 5);
    EXPECT_EQ(Popup_Menu_Column(m), 99);
}

TEST_F(PopupMenus, EmptyMenuEndsOnlyOutside)
{
    PopupMenu m{10, 10, 200, 100, nullptr, 24, 24, 0, nullptr, nullptr};
    Kov_Ui_Push_Click(600, 600);
    EXPECT_EQ(Popup_Menu_Row(m), 99);
    EXPECT_EQ(calls({"Add_Single_Button_to_PS"}), Lines{});
    m.count = -3;
    EXPECT_EQ(Popup_Menu_Column(m), 99);
}

TEST_F(PopupMenus, ZoomLeavesTheScreenAsItWas)
{
    pxFgc(Nearest_RGB_Color(200, 80, 10));
    pxRect(100, 100, 300, 250);
    pxFgc(0x123456);
    const std::vector<int> before = screen();
    Kov_Script_Clear_Log();
    Scr_Zoom_Rectangle(10, 20, 30, 40, 100, 122, 396, 304);
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(sleeps, std::vector<int>(7, 10));
    EXPECT_EQ(calls({"pxLine"}).size(), 7u * 8u);
    EXPECT_EQ(calls({"pxFlsh"}).size(), 7u);
    // First and last frame: the start and the target.
    EXPECT_EQ(calls({"pxLine"})[0], "pxLine 10 20 30 20");
    EXPECT_EQ(calls({"pxLine"})[48], "pxLine 100 122 396 122");
    EXPECT_EQ(calls({"pxSBop"}), (Lines{"pxSBop 3", "pxSBop 0"}));
    EXPECT_EQ(pxQFgc(), 0x123456);
}

TEST_F(PopupMenus, FieldsAndTextsOnTheSheet)
{
    pxFgc(0x010203);
    Mask_Draw_Field_Background(100, 200, 11.0);
    EXPECT_EQ(calls({"pxRect"}), Lines{"pxRect 99 203 188 190"});
    EXPECT_EQ(pxQFgc(), 0x010203);
    EXPECT_EQ(Kov_Ui_Pixel(99, 190), 0xF0F0F0);
    EXPECT_EQ(Kov_Ui_Pixel(188, 203), 0xF0F0F0);
    EXPECT_NE(Kov_Ui_Pixel(189, 203), 0xF0F0F0);
    EXPECT_NE(Kov_Ui_Pixel(99, 204), 0xF0F0F0);

    Kov_Script_Clear_Log();
    Mask_Fill_Field(10, 50, 2.5, 0xFFFFFF); // int(10 + 20)
    EXPECT_EQ(calls({"pxRect"}), Lines{"pxRect 9 53 30 40"});
    EXPECT_EQ(pxQFgc(), 0xFFFFFF);

    struct Case {
        int state, colour;
    } cases[] = {{1, -9}, {7, -9}, {0, -1}, {-1, -6}};
    for (const Case& c : cases) {
        pxFgc(0x010203);
        Kov_Script_Clear_Log();
        Mask_Draw_Text(20, 300, "Wert", 0x1000, c.state);
        EXPECT_EQ(calls({"pxFgc", "pxText", "Pop_RFont", "Push_RFont"}),
                  (Lines{"Pop_RFont 4096", "pxFgc " + std::to_string(c.colour), "pxText 20 300 Wert", "Push_RFont",
                         "pxFgc 66051"}))
            << c.state;
    }
    Kov_Script_Clear_Log();
    Mask_Draw_Text_Color(20, 320, "Seite", 0x11000, 0x00FF00);
    EXPECT_EQ(calls({"pxFgc", "pxText", "Pop_RFont"}),
              (Lines{"Pop_RFont 69632", "pxFgc 65280", "pxText 20 320 Seite", "pxFgc 66051"}));
}

TEST(FramedText, WidthWithFrame)
{
    scrtest::fresh_screen();
    Set_RFont(0x1002);
    const int width = RFONT_WIDTH;
    EXPECT_EQ(Text_Width_Framed("abcde", 0x1000), 43);
    EXPECT_EQ(Text_Width_Framed("abcde", 0x11000), 45);
    EXPECT_EQ(Text_Width_Framed("abcde", 0x1002), 33); // small font, 6 pixels a character
    EXPECT_EQ(Text_Width_Framed(nullptr, 0x1000), 3);
    EXPECT_EQ(RFONT_WIDTH, width); // the font in force is given back
}

TEST(VisualCheck, ButtonOfItsSize)
{
    scrtest::fresh_screen();
    Define_Prop_Sheet(100, 100, 400, 300, 1, 0, "Probe", 5, 0);
    const int handle = Mask_Add_Visual_Check_Button(150, 200, 42);
    EXPECT_GE(handle, 1);
    int x1, y1, x2, y2;
    ASSERT_EQ(Kov_Ui_Sheet_Rect(42, &x1, &y1, &x2, &y2), 1);
    EXPECT_EQ(x2 - x1 + 1, 35);
    EXPECT_EQ(y2 - y1 + 1, 20);
    EXPECT_EQ(x1, 150);
    EXPECT_EQ(y1, 200);
    Undefine_Prop_Sheet();
}

TEST(BitArrays, ZeroedBitsOrNone)
{
    BitArray a{-5, -5, -5, nullptr};
    EXPECT_EQ(Bit_Array_Init(&a, 20, 7), 0);
    EXPECT_EQ(a.count, 20);
    EXPECT_EQ(a.value, 7);
    EXPECT_EQ(a.reserved, 0);
    ASSERT_NE(a.bits, nullptr);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(a.bits[i], 0);
    Mem_Free_Null(reinterpret_cast<void**>(&a.bits));

    EXPECT_EQ(Bit_Array_Init(&a, -4, 1), 0);
    EXPECT_EQ(a.count, 0);
    EXPECT_EQ(a.bits, nullptr);
    EXPECT_EQ(Bit_Array_Init(&a, 0, 1), 0);
    EXPECT_EQ(a.bits, nullptr);
    EXPECT_EQ(Bit_Array_Init(nullptr, 8, 1), -1);
}

TEST_F(PopupMenus, PictureOfTheScreenGraphics)
{
    pxFgc(-1);
    pxRect(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    // World in metres, y up, 100 pixels a metre, the origin 0.5 m in from the
    // left and 6 m above the top.
    Scr_Set_View(-0.5, 6.0, 0, 100, -100);
    pxFgc(BLACK_CI);
    Scr_Set_Thickness(1);
    Scr_Arrow(0, 5, 1.5, 5.5, 0.2, 0.12, 1);
    Scr_Arrow(0, 4.5, 1.5, 4.5, 0.2, 0.12, 0);
    Scr_Axes(2.0, 4.3, "x", "y", 80, 60, 0, 100);
    pxFgc(Nearest_RGB_Color(0, 64, 160));
    Scr_Dimension_Length(2, 0, 3.5, 1.235, 3.5, 12);
    Scr_Dimension_Length(2, 2, 3.2, 2, 4.0, 12);
    Scr_Dimension_Line(0, 0, 330, 3.0, 330, "3.00", nullptr, 10);
    pxFgc(Nearest_RGB_Color(160, 80, 0));
    Scr_Band(0, 2.5, 2.5, 2.5, 0.3, nullptr);
    Scr_Set_Pattern_Dots();
    Scr_Fill_Rectangle(0, 2.2, 2.5, 1.9);
    Scr_Set_Pattern_Motif();
    Scr_Fill_Rectangle(0, 1.8, 2.5, 1.5);
    Scr_Set_Pattern_Lines();
    Scr_Fill_Rectangle(0, 1.4, 2.5, 1.1);
    pxSFA(0);
    Scr_Set_Thickness(3);
    Scr_Set_Line_Style(1);
    Scr_Circle(3.5, 2.0, 0.5);
    Scr_Set_Line_Style(0);
    Scr_Set_Thickness(1);
    pxFgc(BLACK_CI);
    Scr_Text_Bold(0, 0.8, "Skizze", 0x1000);
    Scr_Text_Box(3.5, 2.0, "M", 0x1000, 4, 4);

    const std::string path = scrtest::artefacts() + "/sheets_screen_graphics.png";
    bool saved = false;
    while_open = [&] {
        saved = Kov_Ui_Save_Png(path.c_str()) == 1;
        click_button(3);
    };
    PopupMenu m{100, 600, 500, 520, "Form", 24, 24, 4, kLabels, kStrip.c_str()};
    EXPECT_EQ(Popup_Menu_Row(m), 3);
    EXPECT_TRUE(saved);
}
