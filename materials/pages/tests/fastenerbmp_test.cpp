// The fastener pictures: every family's picture is supplied, and a page's
// view area draws it in the fastener box.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <set>
#include <string>

#include "materials/fastener.h"
#include "materials/pages/fastenerbmp.h"
#include "platform/kovscreen.h"
#include "sheets/tests/viewtest.h"

namespace {

const std::string kData = std::string(KOV_SOURCE_DIR) + "/data";

class FastenerPicture : public viewtest::OnASheet {
protected:
    void SetUp() override
    {
        setenv("DATA", kData.c_str(), 1);
        viewtest::OnASheet::SetUp();
        Activate_Prop_Sheet();
    }
};

TEST(FastenerPictures, EveryFamilyHasItsPictureOfTheBoxSize)
{
    std::set<std::string> files;
    for (int type = -5; type < 60; ++type)
        if (const char* f = Fastener_Bitmap_File(type)) files.insert(f);
    EXPECT_EQ(files.size(), 15u);
    for (const std::string& f : files) {
        const QImage img(QString::fromStdString(kData + "/" + f));
        ASSERT_FALSE(img.isNull()) << f;
        // The box x .. x + 153, y .. y + 100.
        EXPECT_EQ(img.width(), 154) << f;
        EXPECT_EQ(img.height(), 101) << f;
        // A drawing on a white background: the corner is background, and
        // something is drawn.
        EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFFu, 0xFFFFFFu) << f;
        int drawn = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) ++drawn;
        EXPECT_GT(drawn, 500) << f;
    }
}

TEST_F(FastenerPicture, TheNailIsDrawnInItsBoxWithWhiteTransparent)
{
    const int area = View_Area_Open(50, 50, 450, 350, 0, 0);
    ASSERT_GE(area, 0);
    const int white = Nearest_Color_Index(255, 255, 255);
    EXPECT_EQ(Fastener_Add_Bitmap(1, unsigned(area), 10, 10, white), 0); // a staple has no picture
    EXPECT_EQ(View_Area_Record(unsigned(area))->first, nullptr);
    EXPECT_GT(Fastener_Add_Bitmap(0, unsigned(area), 10, 10, white), 110);
    const ViewElement* e = View_Area_Record(unsigned(area))->first;
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->type, VIEW_BITMAP);
    EXPECT_STREQ(e->text, "Nagel.bmp");
    EXPECT_EQ(e->x2, 10 + 153);
    EXPECT_EQ(e->y2, 10 + 100);
    View_Area_Show(unsigned(area));

    // On the screen from (60, 60) to (213, 160): the nail's pixels, and the
    // area's own background where the picture is white.
    const int background = Kov_Ui_Pixel(55, 300);
    int nail = 0, white_pixels = 0;
    for (int y = 60; y <= 160; ++y)
        for (int x = 60; x <= 213; ++x) {
            const int p = Kov_Ui_Pixel(x, y);
            if (p == 0xFFFFFF)
                ++white_pixels;
            else if (p != background)
                ++nail;
        }
    EXPECT_GT(nail, 500);
    EXPECT_EQ(white_pixels, 0);
    EXPECT_EQ(Kov_Ui_Pixel(60, 60), background);
    // Nothing beyond the box.
    for (int y = 50; y < 350; ++y) {
        EXPECT_EQ(Kov_Ui_Pixel(214, y), background) << y;
        EXPECT_EQ(Kov_Ui_Pixel(59, y), background) << y;
    }
}

TEST_F(FastenerPicture, ASpecialNailTypeShowsTheRingedNail)
{
    const int area = View_Area_Open(50, 50, 450, 350, 0, 0);
    ASSERT_GE(area, 0);
    Fastener_Add_Bitmap(45, unsigned(area), 0, 0, 0);
    ASSERT_NE(View_Area_Record(unsigned(area))->first, nullptr);
    EXPECT_STREQ(View_Area_Record(unsigned(area))->first->text, "SonderNagel.bmp");
}

} // namespace
