#include "hostenv/kovscreentools.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/kovcp.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"

namespace {

class ScreenTools : public ::testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
    }
};

} // namespace

// ---- text width ------------------------------------------------------------------

TEST_F(ScreenTools, TextWidthIsTheCanvasMeasurementInTheFontInForce)
{
    struct Case {
        int font;
        const char* text;
        int width;
    } cases[] = {
        {0, "Dach", 32},
        {0x1000, "Dach", 32},
        {2, "Dach", 24},
        {0x10000, "Pfette", 48},
        {0, "", 0},
    };
    for (const Case& c : cases) {
        pxSFnt(c.font);
        int extent[2] = {0, 0};
        pxQTxX(c.text, -1, extent);
        EXPECT_EQ(Text_Width_Pixels(c.text), extent[1] - extent[0]) << c.font << " " << c.text;
        EXPECT_EQ(Text_Width_Pixels(c.text), c.width) << c.font << " " << c.text;
        // Measuring leaves the font as it was.
        EXPECT_EQ(RFONT_WIDTH + RFONT_SPACE, c.font & 2 ? 6 : 8);
    }
}

TEST_F(ScreenTools, TextWidthCountsBytesOfCodePage850)
{
    pxSFnt(0);
    // "Größe": five bytes in code page 850, five characters on the screen.
    EXPECT_EQ(Text_Width_Pixels(cp850("Größe")), 40);
}

TEST_F(ScreenTools, TextWidthOfNoTextIsZero)
{
    EXPECT_EQ(Text_Width_Pixels(nullptr), 0);
}
