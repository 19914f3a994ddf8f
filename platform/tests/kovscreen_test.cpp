// Tests of the pixel screen: size and palette from the environment, rectangles, inversion, line
// and fill patterns, polygons, texts and pictures.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QImage>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/kovcp.h"
#include "platform/kovpicture.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

namespace {

const int kDesktop = 0x3A6EA5;

// Every pixel of the screen, row by row.
std::vector<int> screen()
{
    std::vector<int> v;
    v.reserve(size_t(NPIXEL_X) * size_t(NPIXEL_Y));
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

// Pixels that differ from the desktop colour in the rectangle.
int changed(int x1, int y1, int x2, int y2, int background = kDesktop)
{
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (Kov_Ui_Pixel(x, y) != background) ++n;
    return n;
}

struct Ink {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1, count = 0;
};

Ink ink_of(int x1, int y1, int x2, int y2, int colour)
{
    Ink k;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (Kov_Ui_Pixel(x, y) == colour) {
                k.x1 = std::min(k.x1, x);
                k.y1 = std::min(k.y1, y);
                k.x2 = std::max(k.x2, x);
                k.y2 = std::max(k.y2, y);
                ++k.count;
            }
    return k;
}

class Screen : public testing::Test {
protected:
    void SetUp() override { Kov_Ui_Reset(); }
};

} // namespace

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

TEST_F(Screen, TextWidthsFollowTheFont)
{
    const char* g = cp850("Größe");
    ASSERT_EQ(std::strlen(g), 5u);
    struct Case {
        int font, width, height, char_width;
    } cases[] = {{0, 40, 13, 8}, {0x1000, 40, 13, 8}, {0x1002, 30, 10, 6}, {0x11000, 40, 13, 8}, {266243, 30, 10, 6}};
    for (const Case& c : cases) {
        Pop_RFont(c.font);
        int ext[2] = {-1, -1};
        EXPECT_EQ(pxQTxX(g, -1, ext), c.width) << c.font;
        EXPECT_EQ(ext[1] - ext[0], c.width) << c.font;
        EXPECT_EQ(pxQTxX(g, 2, nullptr), c.width * 2 / 5) << c.font;
        EXPECT_EQ(RFONT_HEIGHT, c.height) << c.font;
        EXPECT_EQ(RFONT_WIDTH + RFONT_SPACE, c.char_width) << c.font;
        Push_RFont();
        EXPECT_EQ(RFONT_HEIGHT, 13);
    }
    EXPECT_EQ(pxQTxX(nullptr, -1, nullptr), 0);
}

TEST_F(Screen, FontStackGivesBackEachFontAndToleratesAnExtraPush)
{
    Pop_RFont(2);
    Pop_RFont(0x10000);
    Set_RFont(2);
    EXPECT_EQ(RFONT_HEIGHT, 10);
    Push_RFont(); // back to the font before Pop_RFont(0x10000)
    EXPECT_EQ(RFONT_HEIGHT, 10);
    Push_RFont();
    EXPECT_EQ(RFONT_HEIGHT, 13);
    Push_RFont();
    EXPECT_EQ(RFONT_HEIGHT, 13);
}

TEST_F(Screen, TextInkLiesAroundItsBaseLine)
{
    const char* texts[] = {"Ag", "\xC3\x84p", "|_", "\xC3\x9F\xC3\xB6y"}; // UTF-8: Äp, ßöy
    for (int font : {0, 2, 0x10000}) {
        for (const char* t : texts) {
            Kov_Ui_Reset();
            Pop_RFont(font);
            pxFgc(0);
            pxText(100, 100, cp850(t), -1);
            const int w = pxQTxX(cp850(t), -1, nullptr);
            Push_RFont();
            const Ink k = ink_of(80, 70, 140, 130, 0);
            ASSERT_GT(k.count, 0) << t;
            EXPECT_GE(k.y1, 100 - 12) << t;
            EXPECT_LE(k.y2, 100 + 3) << t;
            EXPECT_GE(k.x1, 100) << t;
            EXPECT_LT(k.x2, 100 + w) << t;
        }
    }
}

TEST_F(Screen, SheetFontBytesDrawTheirSymbols)
{
    // Gamma (0xC0) sits on the x-height and descends; the code page's box
    // corner of that byte would reach the top of the cell.
    pxFgc(0);
    pxText(100, 100, "\xC0", 1);
    Ink k = ink_of(90, 80, 120, 120, 0);
    ASSERT_GT(k.count, 0);
    EXPECT_GE(k.y1, 100 - 8);
    EXPECT_GT(k.y2, 100);
    // Each symbol byte draws something, and bytes of the same letter the same.
    const unsigned char symbols[] = {0xC0, 0xB8, 0xBB, 0xBC, 0xC1, 0xC5, 0xC6, 0xC7, 0xBA, 0xE0,
                                     0xBE, 0xB0, 0xA3, 0xCB, 0x89, 0xF3, 0xF2, 0x8C, 0xFA};
    for (unsigned char c : symbols) {
        Kov_Ui_Reset();
        pxFgc(0);
        const char t[2] = {char(c), 0};
        pxText(100, 100, t, 1);
        EXPECT_GT(ink_of(90, 80, 120, 120, 0).count, 0) << int(c);
    }
    auto pixels_of = [](unsigned char c) {
        Kov_Ui_Reset();
        pxFgc(0);
        const char t[2] = {char(c), 0};
        pxText(100, 100, t, 1);
        std::vector<int> v;
        for (int y = 85; y < 105; ++y)
            for (int x = 100; x < 108; ++x) v.push_back(Kov_Ui_Pixel(x, y));
        return v;
    };
    EXPECT_EQ(pixels_of(0xBA), pixels_of(0xE0)); // both alpha
    EXPECT_NE(pixels_of(0xF3), pixels_of(0xF2)); // less and greater or equal
}

TEST_F(Screen, BoxTextsAlignAndTurn)
{
    pxFgc(0);
    // Centred in the middle of a box.
    pxBTxt(100, 100, 199, 139, "MMMM", 4, 0xC0 + 2 + 0x10);
    Ink k = ink_of(90, 90, 210, 150, 0);
    EXPECT_NEAR((k.x1 + k.x2) / 2.0, 149.5, 1.5);
    EXPECT_NEAR((k.y1 + k.y2) / 2.0, 119.5, 2.0);
    // Right and top.
    Kov_Ui_Reset();
    pxBTxt(100, 100, 199, 139, "MM", 2, 0xC0 + 4 + 0x20);
    k = ink_of(90, 90, 210, 150, 0);
    EXPECT_LE(k.x2, 199);
    EXPECT_GE(k.x2, 196);
    EXPECT_GE(k.y1, 100);
    EXPECT_LE(k.y1, 103);
    // Turned by 90 degrees, without alignment: from the base point upwards,
    // the tops of the letters to the left.
    Kov_Ui_Reset();
    pxBTxt(300, 300, 300, 300, "MMMM", 4, 0x100);
    k = ink_of(250, 250, 350, 350, 0);
    EXPECT_LE(k.y2, 300);
    EXPECT_GE(k.y1, 300 - 32);
    EXPECT_LE(k.x2, 300);
    EXPECT_GE(k.x1, 300 - 12);
    // 180 degrees: to the left, upside down.
    Kov_Ui_Reset();
    pxBTxt(300, 300, 300, 300, "MMMM", 4, 0x200);
    k = ink_of(250, 250, 350, 350, 0);
    EXPECT_LE(k.x2, 300);
    EXPECT_GE(k.x1, 300 - 32);
    EXPECT_GT(k.y2, 300);
}

// Bold is the text drawn a second time one pixel to the right. The strokes
// thicken, but the one-pixel gaps of the small face stay open: a bold "m" is
// three stems, not a block.
TEST_F(Screen, BoldSmallTextsKeepTheirGaps)
{
    struct Case {
        int font;
        const char* text;
    } cases[] = {{0x1002, "m"}, {0x1002, "mmw"}, {0x1000, "m"}, {0x11002, "m"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.font);
        Kov_Ui_Reset();
        pxSFnt(c.font);
        pxFgc(0);
        pxText(100, 100, c.text, -1);
        const Ink plain = ink_of(90, 80, 160, 110, 0);
        pxText(101, 100, c.text, -1);
        const Ink bold = ink_of(90, 80, 160, 110, 0);
        ASSERT_GT(plain.count, 0);
        EXPECT_GT(bold.count, plain.count); // still bolder
        EXPECT_EQ(bold.x2, plain.x2 + 1);
        // The middle of the first "m": between its stems the background.
        int gaps = 0;
        const int row = plain.y2 - 1;
        for (int x = plain.x1 + 1; x < plain.x1 + 5; ++x) gaps += Kov_Ui_Pixel(x, row) != 0;
        EXPECT_GE(gaps, 1) << row;
    }
    // Drawn twice at the same place, or in another colour, nothing changes.
    Kov_Ui_Reset();
    pxSFnt(0x1002);
    pxFgc(0);
    pxText(100, 100, "m", -1);
    pxText(101, 100, "m", -1);
    const Ink once = ink_of(90, 80, 160, 110, 0);
    pxText(100, 100, "m", -1);
    pxText(101, 100, "m", -1);
    EXPECT_EQ(ink_of(90, 80, 160, 110, 0).count, once.count);
}

TEST_F(Screen, GraphicTextsScaleAndMeasure)
{
    pxExpF(0.7);
    pxSpac(0.1);
    pxChH(12.0);
    pxOrnt(3.14159265358979, 0); // upright, left to right
    int xs[4], ys[4], ext[4];
    pxQGTX("123", 3, xs, ys, ext);
    // 3 characters of 8.4 pixels with 2 gaps of 1.2.
    EXPECT_EQ(ext[1] - ext[0], 28);
    EXPECT_EQ(xs[0], 0);
    EXPECT_EQ(ys[0], 3); // descent 3/13 of the height
    EXPECT_EQ(ys[2], -9);
    pxFgc(0);
    pxGBTt(200, 200, 200, 200, "123", 3, 210); // centred on the point
    Ink k = ink_of(150, 150, 250, 250, 0);
    ASSERT_GT(k.count, 0);
    EXPECT_NEAR((k.x1 + k.x2) / 2.0, 200, 2.0);
    EXPECT_GE(k.x1, 200 - 15);
    EXPECT_LE(k.x2, 200 + 15);
    // Turned by a quarter: the text runs upwards.
    Kov_Ui_Reset();
    pxChH(12.0);
    pxExpF(0.7);
    pxSpac(0.1);
    pxOrnt(3.14159265358979 / 2, 0);
    pxQGTX("123", 3, nullptr, nullptr, ext);
    EXPECT_EQ(ext[3] - ext[2], 28);
    pxGBTt(200, 200, 200, 200, "123", 3, 0);
    k = ink_of(150, 150, 250, 250, 0);
    ASSERT_GT(k.count, 0);
    EXPECT_LE(k.y2, 201);
    EXPECT_GE(k.y1, 200 - 29);
}

namespace {

// A BMP written by the test: 3 x 2 pixels, the middle one of the top row in the
// key colour (255, 0, 255).
std::string small_bmp(const kovtest::TempDir& dir)
{
    QImage img(3, 2, QImage::Format_RGB32);
    img.fill(qRgb(10, 20, 30));
    img.setPixel(1, 0, qRgb(255, 0, 255));
    img.setPixel(2, 1, qRgb(200, 100, 50));
    const std::string path = dir / "klein.bmp";
    EXPECT_TRUE(img.save(QString::fromStdString(path), "BMP"));
    return path;
}

} // namespace

TEST_F(Screen, PicturesKeepTheirKeyColourTransparent)
{
    kovtest::TempDir dir;
    const std::string bmp = small_bmp(dir);
    pxFgc(0x00FF00);
    pxRect(0, 0, 50, 50);
    EXPECT_EQ(pxDrawTransparentDIB(bmp.c_str(), 10, 10, 12, 11, 201, -1, 255, 0, 255), 1);
    EXPECT_EQ(Kov_Ui_Pixel(10, 10), 0x0A141E);
    EXPECT_EQ(Kov_Ui_Pixel(11, 10), 0x00FF00); // the key colour left the screen as it was
    EXPECT_EQ(Kov_Ui_Pixel(12, 11), 0xC86432);
    EXPECT_EQ(Kov_Ui_Pixel(13, 10), 0x00FF00);
    // Without a key every pixel; cut at the destination rectangle, no scaling.
    EXPECT_EQ(pxDrawDIB(bmp.c_str(), 20, 20, 21, 40, 0, 0), 1);
    EXPECT_EQ(Kov_Ui_Pixel(21, 20), 0xFF00FF);
    EXPECT_EQ(Kov_Ui_Pixel(22, 20), 0x00FF00);
    EXPECT_EQ(Kov_Ui_Pixel(20, 22), 0x00FF00);
}

TEST_F(Screen, PartialPicturesTakeTheirFrameOfAStrip)
{
    kovtest::TempDir dir;
    // A strip of four frames of 5 x 4, frame k in the colour (k, 0, 0) with a
    // one-pixel mark of (0, 0, 255) at its top-left corner.
    QImage strip(20, 4, QImage::Format_RGB32);
    for (int k = 0; k < 4; ++k)
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x) strip.setPixel(5 * k + x, y, qRgb(40 * k + 10, 0, 0));
    const std::string path = dir / "Streifen.bmp";
    ASSERT_TRUE(strip.save(QString::fromStdString(path), "BMP"));
    struct Case {
        int sx, sy, sx2, sy2, colour;
    } cases[] = {{10, 0, -1, -1, 90}, {5, 0, 9, 3, 50}, {15, 0, 19, 3, 130}};
    for (const Case& c : cases) {
        Kov_Ui_Reset();
        EXPECT_EQ(
            pxDrawPartialTransparentDIB(path.c_str(), c.sx, c.sy, c.sx2, c.sy2, 100, 100, 104, 103, 201, -1, 0, 0, 255),
            1);
        EXPECT_EQ(Kov_Ui_Pixel(100, 100), c.colour << 16) << c.sx;
        EXPECT_EQ(Kov_Ui_Pixel(104, 103), c.colour << 16) << c.sx;
        EXPECT_EQ(Kov_Ui_Pixel(105, 103), kDesktop) << c.sx;
    }
    // The last frame asked wider than the picture is cut at its edge.
    Kov_Ui_Reset();
    pxDrawPartialTransparentDIB(path.c_str(), 15, 0, -1, -1, 100, 100, 119, 103, 0, 0, 255, 255, 0);
    EXPECT_EQ(Kov_Ui_Pixel(104, 100), 130 << 16);
    EXPECT_EQ(Kov_Ui_Pixel(105, 100), kDesktop);
}

TEST_F(Screen, PicturesAreFoundUnderDataAndAMissingOneDrawsNothing)
{
    kovtest::TempDir dir;
    small_bmp(dir);
    kovtest::ScopedEnv env("DATA", dir.path());
    EXPECT_EQ(pxDrawDIB("KLEIN.BMP", 0, 0, 2, 1, 0, 0), 1); // any case of the name
    EXPECT_EQ(Kov_Ui_Pixel(0, 0), 0x0A141E);
    testing::internal::CaptureStderr();
    const std::vector<int> before = screen();
    EXPECT_EQ(pxDrawDIB("fehlt.bmp", 0, 0, 100, 100, 0, 0), 0);
    EXPECT_EQ(pxDrawPartialTransparentDIB("fehlt.bmp", 0, 0, 0, 0, 0, 0, 9, 9, 0, 0, 1, 1, 1), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(err, "Bild \"fehlt.bmp\" nicht lesbar\n");
    // Not a picture at all.
    ASSERT_TRUE(kovtest::write_file(dir / "kaputt.bmp", "BM\x10\x00\x00\x00garbage"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(pxDrawDIB((dir / "kaputt.bmp").c_str(), 0, 0, 100, 100, 0, 0), 0);
    testing::internal::GetCapturedStderr();
}

// A sheet's picture name that names a FIFO or a device: reported and skipped at
// once, never waited on or read without end.
TEST_F(Screen, PictureThatIsNoRegularFileIsSkipped)
{
    kovtest::TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "bild.bmp").c_str(), 0600), 0);
    const std::vector<int> before = screen();
    for (const std::string& name : {dir / "bild.bmp", std::string("/dev/zero"), dir.path()}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(pxDrawDIB(name.c_str(), 0, 0, 100, 100, 0, 0), 0) << name;
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(err, "Bild \"" + name + "\" nicht lesbar (not a regular file)\n");
    }
    EXPECT_EQ(screen(), before);
}

TEST_F(Screen, TreeViewImagesAreCentredOnTheirPoint)
{
    kovtest::TempDir dir;
    const std::string bmp = small_bmp(dir);
    const intptr_t img = Make_TreeViewImage(bmp.c_str(), Nearest_RGB_Color(255, 0, 255));
    ASSERT_GT(img, 0);
    Draw_TreeViewImage(img, 50, 50, 0);
    EXPECT_EQ(Kov_Ui_Pixel(49, 49), 0x0A141E);
    EXPECT_EQ(Kov_Ui_Pixel(50, 49), kDesktop); // key colour
    EXPECT_EQ(Kov_Ui_Pixel(51, 50), 0xC86432);
    EXPECT_EQ(Make_TreeViewImage((dir / "nichts.bmp").c_str(), -1), 0);
    Draw_TreeViewImage(12345, 50, 50, 0); // unknown: nothing
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

TEST(ScreenPictures, BytesGiveAPictureOrNone)
{
    struct Case {
        const char* seed;
        int w, h;
    } cases[] = {{"klein.bmp", 3, 2}, {"streifen.bmp", 8, 2}, {"riesig.bmp", 0, 0}};
    for (const Case& c : cases) {
        const std::string bytes = kovtest::read_file(std::string(KOV_SOURCE_DIR) + "/fuzz/corpus/kovpicture/" + c.seed);
        ASSERT_FALSE(bytes.empty()) << c.seed;
        const QImage img = Kov_Picture_From_Bytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        EXPECT_EQ(img.width(), c.w) << c.seed;
        EXPECT_EQ(img.height(), c.h) << c.seed;
    }
    EXPECT_TRUE(Kov_Picture_From_Bytes(nullptr, 10).isNull());
    const unsigned char junk[] = {'B', 'M', 0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_TRUE(Kov_Picture_From_Bytes(junk, sizeof junk).isNull());
}

TEST_F(Screen, PictureFoundWhereItIsDrawnFrom)
{
    kovtest::TempDir dir;
    small_bmp(dir);
    kovtest::ScopedEnv env("DATA", dir.path());
    EXPECT_EQ(Kov_Ui_Picture_Found("klein.bmp"), 1);
    EXPECT_EQ(Kov_Ui_Picture_Found("KLEIN.BMP"), 1);
    EXPECT_EQ(Kov_Ui_Picture_Found((dir / "klein.bmp").c_str()), 1);
    EXPECT_EQ(Kov_Ui_Picture_Found("fehlt.bmp"), 0);
    EXPECT_EQ(Kov_Ui_Picture_Found(""), 0);
    EXPECT_EQ(Kov_Ui_Picture_Found(nullptr), 0);
}

TEST_F(Screen, VectorPicturesOfTheHostAreLoggedAndNotDrawn)
{
    kovtest::ScopedEnv env("KOV_UI_MODE", "scripted");
    Kov_Script_Reset();
    const std::vector<int> before = screen();
    EXPECT_EQ(Draw_RPC_File("DACH.RPC", 3, 4), 0);
    EXPECT_EQ(Draw_RPC_File(nullptr, 0, 0), 0);
    EXPECT_STREQ(Kov_Script_Log_Text(), "Draw_RPC_File DACH.RPC 3 4\nDraw_RPC_File  0 0\n");
    EXPECT_EQ(screen(), before);
}
