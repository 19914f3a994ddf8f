// Tests of the pixel screen: size and palette from the environment, rectangles, inversion, line
// and fill patterns, polygons, saved rectangles, the log of scripted mode, the window's hooks and
// a picture of a whole test screen.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/kovcp.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "platform/tests/kovscreen_fixture.h"
#include "test_support/kovtestutil.h"

using namespace kovscreentest;

TEST_F(Screen, StartsAtTheDefaultSizeInTheDesktopColour)
{
    EXPECT_EQ(NPIXEL_X, 1024);
    EXPECT_EQ(NPIXEL_Y, 768);
    EXPECT_EQ(Kov_Ui_Pixel(0, 0), kDesktop);
    EXPECT_EQ(Kov_Ui_Pixel(1023, 767), kDesktop);
    EXPECT_EQ(Kov_Ui_Pixel(1024, 0), -1);
    EXPECT_EQ(Kov_Ui_Pixel(0, -1), -1);
}

TEST_F(Screen, SizeComesFromTheEnvironmentWhenSensible)
{
    struct Case {
        const char* value;
        int w, h;
    } cases[] = {{"1280x800", 1280, 800},   {"640x480", 640, 480}, {"10x10", 1024, 768},
                 {"1280x800x3", 1024, 768}, {"wide", 1024, 768},   {"99999x768", 1024, 768}};
    for (const Case& c : cases) {
        kovtest::ScopedEnv env("KOV_SCREEN", c.value);
        Kov_Ui_Reset();
        EXPECT_EQ(NPIXEL_X, c.w) << c.value;
        EXPECT_EQ(NPIXEL_Y, c.h) << c.value;
        EXPECT_EQ(Kov_Ui_Pixel(c.w - 1, c.h - 1), kDesktop) << c.value;
    }
}

TEST_F(Screen, PaletteIsTheRgbCubeWithEnvironmentColours)
{
    EXPECT_EQ(Nearest_RGB_Color(0x12, 0x34, 0x56), 0x123456);
    EXPECT_EQ(Nearest_Color_Index(0x12, 0x34, 0x56), 0x123456);
    EXPECT_EQ(Nearest_RGB_Color(-5, 300, 128), 0x00FF80);
    EXPECT_EQ(BLACK_CI, 0);
    EXPECT_EQ(WHITE_CI, 0xFFFFFF);
    EXPECT_EQ(GetKOVColor(-1), 0xF0F0F0);
    EXPECT_EQ(GetKOVColor(-9), 0x000000);
    EXPECT_EQ(GetKOVColor(0x123456), 0x123456);
    int r = -1, g = -1, b = -1;
    pxQCR(-6, &r, &g, &b);
    EXPECT_EQ(Nearest_RGB_Color(r, g, b), GetKOVColor(-6));
    pxQCR(BUTTON_CI, &r, &g, &b);
    EXPECT_EQ(Nearest_RGB_Color(r, g, b), BUTTON_CI);
    // The drawing colour accepts an environment colour and gives back the index.
    pxFgc(-1);
    EXPECT_EQ(pxQFgc(), -1);
    pxRect(5, 5, 5, 5);
    EXPECT_EQ(Kov_Ui_Pixel(5, 5), 0xF0F0F0);
}

TEST_F(Screen, FilledRectangleColoursExactlyItsPixels)
{
    pxFgc(0xFF0000);
    pxRect(19, 14, 10, 10); // corners in any order
    EXPECT_EQ(changed(0, 0, 40, 40), 50);
    EXPECT_EQ(ink_of(0, 0, 40, 40, 0xFF0000).x1, 10);
    EXPECT_EQ(ink_of(0, 0, 40, 40, 0xFF0000).y2, 14);
}

TEST_F(Screen, InvertingModeRestoresOnASecondDrawing)
{
    pxFgc(0x00FF00);
    pxRect(0, 0, 200, 100);
    pxFgc(0);
    pxText(20, 40, "Versatz", -1);
    const std::vector<int> before = screen();
    for (int colour : {1, 2, 100}) {
        pxFgc(colour);
        pxSBop(3);
        auto figure = [] {
            pxRect(10, 10, 19, 14);
            pxLine(0, 0, 150, 77);
            pxLine(150, 77, 0, 0); // the same pixels, met twice within the figure
            const int xs[] = {30, 120, 60}, ys[] = {20, 30, 90};
            pxFill(3, xs, ys);
            pxTkLn(10, 90, 190, 60, 5);
            pxText(15, 60, "Zoom", -1);
            pxDot(3, 3);
        };
        figure();
        EXPECT_NE(screen(), before) << colour;
        EXPECT_EQ(Kov_Ui_Pixel(12, 12), 0xFF00FF) << colour; // inverted green
        figure();
        pxSBop(0);
        EXPECT_EQ(screen(), before) << colour;
    }
}

TEST_F(Screen, LinePatternsSetTheirBits)
{
    pxFgc(0);
    pxSULn(0xAAAAAAAAu);
    pxLine(10, 10, 25, 10);
    EXPECT_EQ(changed(0, 0, 40, 20), 8);
    EXPECT_EQ(Kov_Ui_Pixel(10, 10), 0);
    EXPECT_EQ(Kov_Ui_Pixel(11, 10), kDesktop);
    pxSLn(0);
    pxLine(10, 12, 25, 12);
    EXPECT_EQ(changed(0, 11, 40, 13), 16);
    // A diagonal line has one pixel per step of its longer side.
    pxLine(100, 100, 110, 104);
    EXPECT_EQ(changed(95, 95, 115, 110), 11);
    EXPECT_EQ(Kov_Ui_Pixel(100, 100), 0);
    EXPECT_EQ(Kov_Ui_Pixel(110, 104), 0);
}

TEST_F(Screen, MaskSetsExactlyItsOneBits)
{
    const unsigned char bits[] = {0x80, 0x01, 0x3C, 0xF0};
    pxFgc(0x0000FF);
    pxMask(100, 50, 115, 51, bits, 2);
    EXPECT_EQ(changed(90, 40, 130, 60), 1 + 1 + 4 + 4);
    EXPECT_EQ(Kov_Ui_Pixel(100, 50), 0x0000FF);
    EXPECT_EQ(Kov_Ui_Pixel(115, 50), 0x0000FF);
    EXPECT_EQ(Kov_Ui_Pixel(102, 51), 0x0000FF);
    EXPECT_EQ(Kov_Ui_Pixel(105, 51), 0x0000FF);
    EXPECT_EQ(Kov_Ui_Pixel(108, 51), 0x0000FF);
    EXPECT_EQ(Kov_Ui_Pixel(111, 51), 0x0000FF);
    EXPECT_EQ(Kov_Ui_Pixel(107, 51), kDesktop);
    EXPECT_EQ(Kov_Ui_Pixel(101, 50), kDesktop);
    // Twelve columns of the 16-pixel rows, as the check marks take them.
    Kov_Ui_Reset();
    pxFgc(0);
    pxMask(10, 10, 21, 11, bits, 2);
    EXPECT_EQ(changed(0, 0, 40, 20), 1 + 4 + 4);
}

TEST_F(Screen, FillPatternLeavesItsZeroBits)
{
    int rows[16];
    for (int i = 0; i < 16; ++i) rows[i] = (i % 2 == 0) ? 0x5555 : 0;
    pxFgc(0);
    pxSUFA(rows);
    pxRect(0, 0, 15, 15);
    EXPECT_EQ(changed(0, 0, 15, 15), 64);
    EXPECT_EQ(Kov_Ui_Pixel(1, 0), 0);
    EXPECT_EQ(Kov_Ui_Pixel(0, 0), kDesktop);
    pxSFA(0);
    pxRect(20, 0, 35, 15);
    EXPECT_EQ(changed(20, 0, 35, 15), 256);
}

TEST_F(Screen, PolygonsFillTheirInsideAndOutline)
{
    pxFgc(0xFF0000);
    const int xs[] = {10, 19, 19, 10}, ys[] = {10, 10, 14, 14};
    pxFill(4, xs, ys);
    EXPECT_EQ(changed(0, 0, 40, 40), 50); // the same pixels as pxRect(10, 10, 19, 14)
    pxFill(2, xs, ys);
    pxFill(0, nullptr, nullptr);
    EXPECT_EQ(changed(0, 0, 40, 40), 50);
    // A triangle: its corners and its inside.
    const int tx[] = {100, 140, 100}, ty[] = {100, 100, 140};
    pxFill(3, tx, ty);
    EXPECT_EQ(Kov_Ui_Pixel(100, 100), 0xFF0000);
    EXPECT_EQ(Kov_Ui_Pixel(140, 100), 0xFF0000);
    EXPECT_EQ(Kov_Ui_Pixel(100, 140), 0xFF0000);
    EXPECT_EQ(Kov_Ui_Pixel(110, 110), 0xFF0000);
    EXPECT_EQ(Kov_Ui_Pixel(130, 130), kDesktop);
}

TEST_F(Screen, AnyCoordinateIsClippedWithoutOverflow)
{
    const int big = 2147483647, small = -2147483647 - 1;
    pxFgc(0);
    pxLine(small, small, big, big);
    pxLine(small, 5, big, 5);
    pxRect(small, small, big, 2);
    const int xs[] = {small, big, 0}, ys[] = {small, 0, big};
    pxFill(3, xs, ys);
    pxTkLn(small, 100, big, 100, 7);
    pxText(big - 3, 200, "Text", -1);
    pxText(small, 200, "Text", -1);
    const unsigned char bits[2] = {0xFF, 0xFF};
    pxMask(big - 1, big - 1, big, big, bits, 1);
    intptr_t h = Save_Screen_Rectangle(small, small, big, big);
    Restore_Screen_Rectangle(h);
    EXPECT_EQ(Kov_Ui_Pixel(500, 2), 0);
    EXPECT_EQ(Kov_Ui_Pixel(500, 5), 0);
    EXPECT_EQ(Kov_Ui_Pixel(500, 100), 0);
    // The viewport clips as well.
    Kov_Ui_Reset();
    pxView(10, 10, 19, 14);
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1 + y1 + x2 + y2, 10 + 10 + 19 + 14);
    pxFgc(0);
    pxRect(0, 0, 100, 100);
    pxLine(0, 12, 100, 12);
    EXPECT_EQ(changed(0, 0, 200, 200), 50);
}

TEST_F(Screen, SavedRectanglesComeBackByteForByte)
{
    pxFgc(0xFF0000);
    pxRect(0, 0, 300, 300);
    pxFgc(0);
    pxText(20, 20, "Bauteil", -1);
    const std::vector<int> before = screen();
    const intptr_t h = Save_Screen_Rectangle(-10, -10, 100, 60);
    const int size = pxQSvR(1000, 700, 1100, 800); // cut at the screen: 24 x 68
    std::vector<unsigned char> buf(size_t(size) + 16);
    ASSERT_EQ(pxSvRc(1000, 700, 1100, 800, buf.data(), size), 1);
    EXPECT_EQ(pxSvRc(1000, 700, 1100, 800, buf.data(), size - 1), 0);
    pxFgc(0x00FF00);
    pxRect(-5, -5, 2000, 2000);
    Restore_Screen_Rectangle(h);
    EXPECT_EQ(Kov_Ui_Pixel(50, 50), 0xFF0000);
    EXPECT_EQ(Kov_Ui_Pixel(101, 50), 0x00FF00);
    EXPECT_EQ(pxStRc(buf.data(), size), 1);
    EXPECT_EQ(Kov_Ui_Pixel(1023, 767), kDesktop);
    pxFgc(0xFF0000);
    pxRect(101, 0, 300, 300);
    pxRect(0, 61, 100, 300);
    pxFgc(kDesktop);
    pxRect(301, 0, 1023, 767);
    pxRect(0, 301, 300, 767);
    pxFgc(0);
    EXPECT_EQ(screen(), before);
    Restore_Screen_Rectangle(h);   // released: nothing
    Restore_Screen_Rectangle(999); // never given
    EXPECT_EQ(screen(), before);
}

TEST_F(Screen, CallerBuffersWithABadHeaderAreRefused)
{
    const int size = pxQSvR(0, 0, 9, 9);
    std::vector<unsigned char> buf(static_cast<size_t>(size));
    ASSERT_EQ(pxSvRc(0, 0, 9, 9, buf.data(), size), 1);
    EXPECT_EQ(pxStRc(buf.data(), size - 1), 0);
    EXPECT_EQ(pxStRc(buf.data(), 8), 0);
    EXPECT_EQ(pxStRc(nullptr, size), 0);
    std::vector<unsigned char> bad = buf;
    bad[0] ^= 0xFF; // magic
    EXPECT_EQ(pxStRc(bad.data(), size), 0);
    bad = buf;
    bad[16] = 0x7F; // width far beyond the buffer
    EXPECT_EQ(pxStRc(bad.data(), size), 0);
    EXPECT_EQ(pxStRc(buf.data(), size), 1);
}

TEST_F(Screen, ScriptedModeLogsEveryCall)
{
    kovtest::ScopedEnv env("KOV_UI_MODE", "scripted");
    Kov_Script_Reset();
    pxFgc(5);
    pxRect(1, 2, 3, 4);
    const int xs[] = {0, 5, 0}, ys[] = {0, 0, 5};
    pxFill(3, xs, ys);
    Pop_RFont(4096);
    pxText(7, 8, "Hallo", 3);
    Push_RFont();
    pxFlsh();
    EXPECT_STREQ(Kov_Script_Log_Text(),
                 "pxFgc 5\npxRect 1 2 3 4\npxFill 3\nPop_RFont 4096\npxText 7 8 Hal\nPush_RFont\npxFlsh\n");
    EXPECT_EQ(Kov_Ui_Pixel(2, 3), 5);
}

namespace {

int g_changed = 0, g_shown = -1;
void on_changed() { ++g_changed; }
void on_show(int v) { g_shown = v; }

} // namespace

TEST_F(Screen, WindowHooksHearOfFlushesAndShowing)
{
    KovScreenHooks h = {on_changed, on_show, nullptr, nullptr};
    Kov_Screen_Set_Hooks(&h);
    pxFlsh();
    pxFlsh();
    Kov_Screen_Show(1);
    EXPECT_EQ(g_changed, 2);
    EXPECT_EQ(g_shown, 1);
    Kov_Screen_Set_Hooks(nullptr);
    pxFlsh();
    Kov_Screen_Show(0);
    EXPECT_EQ(g_changed, 2);
    EXPECT_EQ(g_shown, 1);
}

TEST_F(Screen, PictureOfATestScreenIsKept)
{
    // A sheet-like screen for a person to look at: frame, title bar, texts in
    // every font, symbols, lines, patterns, polygons, turned and graphic texts.
    const std::string dir = kovtest::kept_dir("screen", "test-screen");
    ASSERT_FALSE(dir.empty());
    pxFgc(-1);
    pxRect(100, 80, 700, 560);
    pxFgc(-7);
    pxRect(100, 80, 700, 110);
    pxFgc(-8);
    Pop_RFont(0x11000);
    pxText(110, 100, "Versatz - Bemessung nach DIN EN 1995-1-1", -1);
    Push_RFont();
    pxFgc(-4);
    pxLine(100, 560, 700, 560);
    pxLine(700, 80, 700, 560);
    pxFgc(-3);
    pxLine(100, 80, 700, 80);
    pxLine(100, 80, 100, 560);
    int y = 140;
    const char* lines[] = {"Normalschrift: Größe der Kräfte", "Sonderzeichen: \xC0 \xB8 \xBB \xBC \xC1 \xC5 \xC6 \xC7 "
                                                              "\xBA \xBE \xB0 \xA3 \xCB \x89 \xF3 \xF2 \x8C \xFA"};
    for (int font : {0x1000, 0x11000, 0x1002, 0x11002}) {
        Pop_RFont(font);
        pxFgc(-9);
        pxText(120, y, cp850(lines[0]), -1);
        pxText(420, y, lines[1], -1);
        y += RFONT_HEIGHT + 6;
        Push_RFont();
    }
    pxFgc(0x0000C0);
    Pop_RFont(0x1000);
    const std::string values = std::string("k_mod = 0,80   \xC0") + cp850("_M = 1,30   f_c,0,d = 13,85 N/mm²");
    pxText(120, y + 10, values.c_str(), -1);
    Push_RFont();
    // Fields with dotted frames.
    pxFgc(WHITE_CI);
    pxRect(120, 300, 260, 318);
    pxFgc(0);
    pxSULn(0xAAAAAAAAu);
    pxLine(119, 299, 261, 299);
    pxLine(119, 319, 261, 319);
    pxLine(119, 299, 119, 319);
    pxLine(261, 299, 261, 319);
    pxSLn(0);
    pxText(126, 313, "140.0", -1);
    // A hatched band and a filled polygon (a step joint in section).
    int rows[16];
    for (int i = 0; i < 16; ++i) rows[i] = 0x1111 << (i % 4);
    pxFgc(0x8B5A2B);
    const int bx[] = {300, 560, 560, 420, 300}, by[] = {300, 300, 360, 420, 420};
    pxFill(5, bx, by);
    pxFgc(0);
    pxSUFA(rows);
    const int cx[] = {420, 560, 560}, cy[] = {420, 360, 470};
    pxFill(3, cx, cy);
    pxSFA(0);
    pxTkLn(300, 440, 560, 500, 3);
    pxFgc(0xC00000);
    pxSLn(1);
    pxLine(300, 290, 680, 290);
    pxSLn(3);
    pxLine(580, 300, 580, 540);
    pxSLn(0);
    // Turned and graphic texts.
    pxFgc(0);
    pxBTxt(620, 520, 620, 520, "l_ef = 2.50 m", -1, 0x100);
    pxBTxt(120, 480, 280, 540, "zentriert", -1, 0xC0 + 2 + 0x10);
    pxFgc(0x006000);
    pxChH(12.0);
    pxExpF(0.7);
    pxSpac(0.1);
    pxOrnt(3.14159265358979 - 0.3, 0);
    pxGBTt(440, 530, 440, 530, "t_v = 40 mm", -1, 210);
    pxOrnt(3.14159265358979, 0);
    pxFlsh();
    EXPECT_EQ(Kov_Ui_Save_Png((dir + "/screen.png").c_str()), 1);
    QImage back(QString::fromStdString(dir + "/screen.png"));
    ASSERT_EQ(back.width(), NPIXEL_X);
    EXPECT_EQ(int(back.pixel(400, 90) & 0xFFFFFF), 0x005493);
}
