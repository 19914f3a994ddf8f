// Tests of the pictures on the pixel screen: the key colour stays transparent, strips give their
// frames, pictures are found under $DATA without regard to case, a name that is no regular file
// or a missing picture draws nothing, tree-view images, pictures from bytes, the host's vector
// pictures.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QImage>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/kovpicture.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "platform/tests/kovscreen_fixture.h"
#include "test_support/kovtestutil.h"

using namespace kovscreentest;

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
