// Tests of the texts on the pixel screen: widths and heights of the fonts, the font stack, ink
// around the base line, the sheet's symbol bytes, box texts aligned and turned, bold small
// texts and the scaled graphic texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/kovcp.h"
#include "platform/kovscreen.h"
#include "platform/tests/kovscreen_fixture.h"

using namespace kovscreentest;

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
