// Tests of what view areas draw: check boxes and radio buttons, float fields, inactive areas,
// fixed bitmaps, framed texts with shadows, choices and links.
#include <gtest/gtest.h>

#include "sheets/tests/viewtest.h"
#include "sheets/texteditor.h"
#include "sheets/viewarea.h"
#include "test_support/kovtestutil.h"

#include <QColor>
#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace {

const int kBackground = 0xFFFBF0; // default background (255, 251, 240)
const int kWhite = 0xFFFFFF;
const int kBlack = 0x000000;
const int kGrey = 0xBEBEBE; // (190, 190, 190)
const int kBlue = 0x0000FF;

// The area of every test: screen rectangle (50, 50)-(450, 350) on a sheet at
// the screen's corner, so that a content point (cx, cy) shows at (50 + cx,
// 50 + cy) while not scrolled.
class Drawn : public viewtest::OnASheet {
protected:
    void SetUp() override
    {
        viewtest::OnASheet::SetUp();
        Activate_Prop_Sheet();
    }
    unsigned open(int vslider = 0)
    {
        const int s = View_Area_Open(50, 50, 450, 350, 0, vslider);
        EXPECT_GE(s, 0);
        return unsigned(s);
    }
};

// The Part's rows of a built-in mark, 16 bits a row, the leftmost bit first.
void expect_mark(int x0, int y0, const std::vector<unsigned>& rows, int width, int colour, int background,
                 const char* what)
{
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < width; ++c) {
            const bool on = (rows[r] >> (15 - c)) & 1u;
            EXPECT_EQ(Kov_Ui_Pixel(x0 + c, y0 + int(r)), on ? colour : background)
                << what << " row " << r << " column " << c;
        }
    // Nothing left or right of it.
    EXPECT_EQ(Kov_Ui_Pixel(x0 - 1, y0), background) << what;
    EXPECT_EQ(Kov_Ui_Pixel(x0 + width, y0), background) << what;
}

const std::vector<unsigned> kCheckSet = {0xFFF8, 0xFFF8, 0xC018, 0xC058, 0xC0D8, 0xD1D8, 0xDB98,
                                         0xDF18, 0xCE18, 0xC418, 0xC018, 0xFFF8, 0xFFF8};
const std::vector<unsigned> kCheckClear = {0xFFF8, 0xFFF8, 0xC018, 0xC018, 0xC018, 0xC018, 0xC018,
                                           0xC018, 0xC018, 0xC018, 0xC018, 0xFFF8, 0xFFF8};
const std::vector<unsigned> kRadioSet = {0x0F00, 0x3FC0, 0x70E0, 0x6060, 0xC630, 0xCF30,
                                         0xCF30, 0xC630, 0x6060, 0x70E0, 0x3FC0, 0x0F00};
const std::vector<unsigned> kRadioClear = {0x0F00, 0x3FC0, 0x70E0, 0x6060, 0xC030, 0xC030,
                                           0xC030, 0xC030, 0x6060, 0x70E0, 0x3FC0, 0x0F00};

// A BMP file of w x h in one colour, or a strip of n pictures side by side
// (horizontal) or one below the other, each of its own colour.
std::string write_bmp(const kovtest::TempDir& dir, const std::string& name, int w, int h,
                      const std::vector<QColor>& colours, bool below = false)
{
    const int n = int(colours.size());
    QImage img(below ? w : w * n, below ? h * n : h, QImage::Format_RGB32);
    for (int i = 0; i < n; ++i)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) img.setPixelColor(below ? x : x + i * w, below ? y + i * h : y, colours[i]);
    const std::string path = dir / name;
    EXPECT_TRUE(img.save(QString::fromStdString(path), "BMP"));
    return path;
}

} // namespace

TEST_F(Drawn, CheckBoxesAndRadioButtonsShowTheirMarks)
{
    const unsigned s = open();
    int set = 1, clear = 0, on = 1, off = 0, sel = 2;
    View_Area_Add_Check_Box(s, 40, 30, nullptr, 0x1000, kBlack, &set, &on);       // X 90, Y 80
    View_Area_Add_Check_Box(s, 140, 30, nullptr, 0x1000, kBlack, &clear, &on);    // X 190
    View_Area_Add_Check_Box(s, 240, 30, nullptr, 0x1000, kBlack, &set, &off);     // X 290, grey
    View_Area_Add_Radio_Button(s, 40, 80, nullptr, 0x1000, kBlue, 2, &sel, &on);  // X 90, Y 130
    View_Area_Add_Radio_Button(s, 140, 80, nullptr, 0x1000, kBlue, 3, &sel, &on); // X 190
    Kov_Script_Clear_Log();
    View_Area_Show(s);
    // The mark's top-left corner lies at (X - 20, Y - 10).
    expect_mark(70, 70, kCheckSet, 13, kBlack, kBackground, "check set");
    expect_mark(170, 70, kCheckClear, 13, kBlack, kBackground, "check clear");
    expect_mark(270, 70, kCheckSet, 13, kGrey, kBackground, "check inactive");
    expect_mark(70, 120, kRadioSet, 12, kBlue, kBackground, "radio set");
    expect_mark(170, 120, kRadioClear, 12, kBlue, kBackground, "radio clear");
    // Without labels only the marks are drawn.
    EXPECT_TRUE(viewtest::log_lines("pxText").empty());
}

TEST_F(Drawn, ActiveFloatFieldHasAWhiteFieldAndADottedFrame)
{
    const unsigned s = open();
    double v = 3.5;
    int on = 1;
    // "%8.2f" of 3.5 is "    3.50": 8 characters of 8 pixels, w = 64.
    View_Area_Add_Float(s, 100, 60, &v, "%8.2f", 0x1000, kBlack, &on); // X 150, Y 110
    View_Area_Show(s);
    const int X = 150, Y = 110;
    // White from X - 6 to X + 70, rows Y - 13 .. Y + 5 (inside the frame).
    EXPECT_EQ(Kov_Ui_Pixel(X - 6, Y + 4), kWhite);
    EXPECT_EQ(Kov_Ui_Pixel(X + 70, Y + 4), kWhite);
    EXPECT_EQ(Kov_Ui_Pixel(X + 70, Y - 12), kWhite);
    EXPECT_EQ(Kov_Ui_Pixel(X - 6, Y - 12), kWhite);
    // The frame from X - 7 to X + 71: each line starts with a dot.
    EXPECT_EQ(Kov_Ui_Pixel(X - 7, Y - 13), kBlack);
    EXPECT_EQ(Kov_Ui_Pixel(X + 71, Y - 13), kBlack);
    EXPECT_EQ(Kov_Ui_Pixel(X - 7, Y + 5), kBlack);
    EXPECT_EQ(Kov_Ui_Pixel(X - 7, Y - 11), kBlack);
    // and leaves a gap after each dot: what lies below shows there.
    EXPECT_EQ(Kov_Ui_Pixel(X - 7, Y - 12), kBackground);
    EXPECT_EQ(Kov_Ui_Pixel(X + 71, Y - 12), kBackground);
    EXPECT_EQ(Kov_Ui_Pixel(X - 6, Y - 13), kWhite);
    // Nothing outside.
    EXPECT_EQ(Kov_Ui_Pixel(X - 8, Y), kBackground);
    EXPECT_EQ(Kov_Ui_Pixel(X + 72, Y), kBackground);
    EXPECT_EQ(Kov_Ui_Pixel(X + 30, Y + 6), kBackground);
    // The value is drawn at (X, Y).
    EXPECT_TRUE(viewtest::logged("pxText 150 110     3.50"));
}

TEST_F(Drawn, InactiveFloatShowsItsInactiveTextInTheNormalFont)
{
    const unsigned s = open();
    double v = 3.5;
    int off = 0;
    // Small font (6 pixels a character): "    3.50" is 48 pixels wide.
    View_Area_Add_Float(s, 100, 150, &v, "%8.2f", 0x1002, kBlue, &off); // X 150, Y 200
    View_Area_Set_Inactive_Text(s, "n.v.");
    Kov_Script_Clear_Log();
    View_Area_Show(s);
    const int X = 150, Y = 200;
    // No white field.
    EXPECT_EQ(Kov_Ui_Pixel(X - 6, Y + 4), kBackground);
    EXPECT_EQ(Kov_Ui_Pixel(X + 20, Y + 4), kBackground);
    EXPECT_TRUE(viewtest::logged("Set_RFont 4096"));
    EXPECT_TRUE(viewtest::logged("pxText 150 200 n.v."));
    // "n.v." in the normal font reaches beyond the 24 pixels the small font gives it.
    int right = -1;
    for (int y = Y - 12; y <= Y + 3; ++y)
        for (int x = X; x < X + 40; ++x)
            if (Kov_Ui_Pixel(x, y) == kBlue) right = std::max(right, x);
    EXPECT_GT(right, X + 24);
    // The frame is grey and as wide as the value in the field's font.
    EXPECT_EQ(Kov_Ui_Pixel(X - 7, Y - 13), kGrey);
    EXPECT_EQ(Kov_Ui_Pixel(X + 48 + 7, Y - 13), kGrey);
}

TEST_F(Drawn, InactiveAreaIsNotPainted)
{
    const unsigned s = open();
    View_Area_Add_Filled_Box(s, 10, 10, 100, 100, kBlue);
    View_Area_Show(s);
    EXPECT_EQ(Kov_Ui_Pixel(100, 100), kBlue);
    View_Area_Set_Activity(s, 0);
    pxFgc(kWhite);
    pxRect(0, 0, 500, 500);
    const std::vector<int> before = viewtest::screen();
    const ViewArea* a = View_Area_Record(s);
    View_Area_Draw_Callback(a->handle, 0, 0, 50, 50, 450, 350, View_Area_Record(s));
    EXPECT_EQ(viewtest::screen(), before);
    View_Area_Set_Activity(s, 1);
    EXPECT_EQ(Kov_Ui_Pixel(100, 100), kBlue);
}

TEST_F(Drawn, FixedBitmapStaysWhileTheAreaScrolls)
{
    kovtest::TempDir dir;
    ASSERT_TRUE(dir.ok());
    const std::string red = write_bmp(dir, "rot.bmp", 20, 20, {QColor(255, 0, 0)});
    const unsigned s = open(1);
    View_Area_Add_Filled_Box(s, 300, 900, 310, 1000, kBlue); // content for scrolling
    View_Area_Add_Bitmap(s, red.c_str(), 10, 10, 29, 29, 0x00FF00);
    View_Area_Fix_Last_Bitmap(s);
    View_Area_Add_Bitmap(s, red.c_str(), 100, 10, 119, 29, 0x00FF00);
    View_Area_Show(s);
    EXPECT_EQ(Kov_Ui_Pixel(65, 65), 0xFF0000);
    EXPECT_EQ(Kov_Ui_Pixel(155, 65), 0xFF0000);
    EXPECT_EQ(Kov_Ui_Pixel(155, 79), 0xFF0000);
    View_Area_Record(s)->scroll_y = 15;
    View_Area_Show(s);
    // The fixed one stays at (60, 60)-(79, 79); the other moved up by 15.
    EXPECT_EQ(Kov_Ui_Pixel(60, 60), 0xFF0000);
    EXPECT_EQ(Kov_Ui_Pixel(79, 79), 0xFF0000);
    EXPECT_EQ(Kov_Ui_Pixel(155, 64), 0xFF0000);
    EXPECT_EQ(Kov_Ui_Pixel(155, 65), kBackground);
    EXPECT_EQ(Kov_Ui_Pixel(155, 50), 0xFF0000); // cut at the area's top
    EXPECT_NE(Kov_Ui_Pixel(155, 49), 0xFF0000);
}

TEST_F(Drawn, TextsBelowTheBottomAreDrawnToTwelvePixels)
{
    const unsigned s = open();
    View_Area_Add_Text(s, 10, 312, "unten", 0x1000, kBlack, 0);  // base line at y2 + 12
    View_Area_Add_Text(s, 10, 313, "tiefer", 0x1000, kBlack, 0); // y2 + 13
    View_Area_Add_Text(s, 10, -1, "oben", 0x1000, kBlack, 0);    // one above the top
    View_Area_Add_Text(s, 10, 0, "Kante", 0x1000, kBlack, 0);    // on the top
    View_Area_Add_Text(s, 401, 100, "rechts", 0x1000, kBlack, 0);
    View_Area_Add_Text(s, 400, 100, "Rand", 0x1000, kBlack, 0);
    Kov_Script_Clear_Log();
    View_Area_Draw(0, 0, 50, 50, 450, 350, View_Area_Record(s));
    EXPECT_TRUE(viewtest::logged("pxText 60 362 unten"));
    EXPECT_TRUE(viewtest::logged("pxText 60 50 Kante"));
    EXPECT_TRUE(viewtest::logged("pxText 450 150 Rand"));
    EXPECT_EQ(viewtest::log_lines("pxText").size(), 3u);
}

TEST_F(Drawn, FramedTextsGetAShadowMixedFromTheBackground)
{
    // Per channel the truncation of background * 0.65 + colour * 0.35 (style 2)
    // or background * 0.9 + colour * (1 - 0.9) (style 3), background (255, 251, 240).
    struct Case {
        int colour, frame, shadow;
    } cases[] = {
        {0x000000, 0x20000, (165 << 16) | (163 << 8) | 156}, {0x0000FF, 0x20000, (165 << 16) | (163 << 8) | 245},
        {0xC86432, 0x20000, (235 << 16) | (198 << 8) | 173}, {0x000000, 0x40000, (229 << 16) | (225 << 8) | 216},
        {0xC86432, 0x40000, (249 << 16) | (235 << 8) | 221},
    };
    for (const Case& c : cases) {
        const unsigned s = open();
        View_Area_Add_Text(s, 10, 20, "abc", 0x1000 | c.frame, c.colour, 0);
        Kov_Script_Clear_Log();
        View_Area_Draw(0, 0, 50, 50, 450, 350, View_Area_Record(s));
        const std::vector<std::string> fg = viewtest::log_lines("pxFgc");
        const std::vector<std::string> texts = viewtest::log_lines("pxText");
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0], "pxText 61 70 abc"); // the shadow, one pixel right
        EXPECT_EQ(texts[1], "pxText 60 70 abc");
        EXPECT_TRUE(viewtest::logged("pxFgc " + std::to_string(c.shadow))) << std::hex << c.colour;
        View_Area_Close(s);
    }
    // Style 1 is bold: the text twice, in its own colour.
    const unsigned s = open();
    View_Area_Add_Text(s, 10, 20, "abc", 0x11000, kBlue, 0);
    Kov_Script_Clear_Log();
    View_Area_Draw(0, 0, 50, 50, 450, 350, View_Area_Record(s));
    const std::vector<std::string> texts = viewtest::log_lines("pxText");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "pxText 60 70 abc");
    EXPECT_EQ(texts[1], "pxText 61 70 abc");
}

TEST_F(Drawn, ChoiceShowsTheSelectedEntryWithItsMark)
{
    const unsigned s = open();
    ChoiceEntry entries[3] = {{kBlack, "eins"}, {kBlue, "zwei"}, {kBlack, "drei"}};
    int sel = 1, on = 1;
    // 5 characters of the normal font: 40 pixels.
    View_Area_Add_Choice(s, 100, 60, entries, 0x1000, 5, 3, &sel, &on); // X 150, Y 110
    Kov_Script_Clear_Log();
    View_Area_Show(s);
    const int X = 150, Y = 110, w = 40;
    EXPECT_EQ(Kov_Ui_Pixel(X - 6, Y + 4), kWhite);
    EXPECT_EQ(Kov_Ui_Pixel(X + w + 24, Y + 4), kWhite);
    EXPECT_EQ(Kov_Ui_Pixel(X + w + 25, Y - 13), kBlack);
    EXPECT_TRUE(viewtest::logged("pxText 150 110 zwei"));
    // The text is clipped at the field, and the view comes back afterwards.
    EXPECT_TRUE(viewtest::logged("pxView 50 50 196 350"));
    EXPECT_TRUE(viewtest::logged("pxMask 200 100 212 112 2"));
    // The drop-down mark's box in black.
    EXPECT_EQ(Kov_Ui_Pixel(X + w + 10, Y - 10), kBlack);
    EXPECT_EQ(Kov_Ui_Pixel(X + w + 22, Y + 2), kBlack);
    // A selection the caller put out of range afterwards shows an empty field.
    sel = 9;
    Kov_Script_Clear_Log();
    View_Area_Draw(0, 0, 50, 50, 450, 350, View_Area_Record(s));
    EXPECT_TRUE(viewtest::log_lines("pxText 150 110 zwei").empty());
}

TEST_F(Drawn, CurrentLinkIsHighlighted)
{
    const unsigned s = open();
    intptr_t result = 42;
    View_Area_Add_Link_Text(s, 100, 60, "Link", 0x1000, kBlack, 0, kBlue, 42, &result);  // X 150, Y 110
    View_Area_Add_Link_Text(s, 100, 160, "Link", 0x1000, kBlack, 0, kBlue, 43, &result); // Y 210
    View_Area_Show(s);
    // (X - 2, Y - 10)-(X + 32 + 4, Y + 2)
    EXPECT_EQ(Kov_Ui_Pixel(148, 100), kBlue);
    EXPECT_EQ(Kov_Ui_Pixel(186, 112), kBlue);
    EXPECT_EQ(Kov_Ui_Pixel(187, 112), kBackground);
    EXPECT_EQ(Kov_Ui_Pixel(148, 200), kBackground);
}

TEST_F(Drawn, DrawingLeavesTheDrawingStateAsItFoundIt)
{
    const unsigned s = open();
    double v = 1;
    int on = 1, sel = 0;
    char field[8] = "abc";
    char edit[40] = "Zeile eins\nZeile zwei";
    ChoiceEntry entries[1] = {{kBlack, "x"}};
    View_Area_Add_Text(s, 0, 20, "t", 0x11000, kBlack, 0);
    View_Area_Add_Float(s, 0, 40, &v, "%5.1f", 0x1000, kBlack, &on);
    View_Area_Add_Text_Field(s, 0, 60, field, 0x1000, kBlack, &on);
    View_Area_Add_Choice(s, 0, 80, entries, 0x1000, 3, 1, &sel, &on);
    View_Area_Add_Text_Editor(s, 0, 100, 200, 200, edit, 39, kBlack, kWhite, 1, &on);
    pxFgc(0x123456);
    pxView(10, 20, 600, 400);
    Kov_Script_Clear_Log();
    View_Area_Draw(0, 0, 50, 50, 450, 350, View_Area_Record(s));
    EXPECT_EQ(pxQFgc(), 0x123456);
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 10);
    EXPECT_EQ(y1, 20);
    EXPECT_EQ(x2, 600);
    EXPECT_EQ(y2, 400);
    EXPECT_EQ(viewtest::log_lines("Pop_RFont").size(), viewtest::log_lines("Push_RFont").size());
    EXPECT_EQ(pxBuff(-1), 0);
    const std::vector<std::string> buff = viewtest::log_lines("pxBuff");
    ASSERT_GE(buff.size(), 2u);
    EXPECT_EQ(buff[0], "pxBuff -1");
}

TEST_F(Drawn, AnAreaWithEveryElementTypeIsKeptAsPicture)
{
    kovtest::TempDir dir;
    ASSERT_TRUE(dir.ok());
    const std::string pic = write_bmp(dir, "bild.bmp", 40, 30, {QColor(0, 128, 255)});
    const std::string strip =
        write_bmp(dir, "wahl.bmp", 30, 20, {QColor(200, 0, 0), QColor(0, 160, 0), QColor(0, 0, 200)}, true);
    const std::string buttons =
        write_bmp(dir, "knopf.bmp", 24, 24,
                  {QColor(160, 160, 160), QColor(0, 120, 215), QColor(0, 160, 255), QColor(0, 60, 120)});
    // The picture choice's strip: the active pictures left, the inactive ones right of them.
    QImage choice(60, 60, QImage::Format_RGB32);
    choice.fill(QColor(128, 128, 128));
    for (int i = 0; i < 3; ++i)
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) choice.setPixelColor(x, i * 20 + y, QColor(i == 1 ? 0 : 200, 80 * i, 60));
    const std::string choice_path = dir / "bildwahl.bmp";
    ASSERT_TRUE(choice.save(QString::fromStdString(choice_path), "BMP"));
    const intptr_t image = Make_TreeViewImage(pic.c_str(), -1);

    const unsigned s = open(1);
    static const unsigned char arrow[] = {0x18, 0x3C, 0x7E, 0xFF, 0x18, 0x18, 0x18, 0x18};
    static const MaskPicture mask = {8, 8, 1, arrow};
    double value = 12.5, off_value = 7;
    int on = 1, off = 0, tick = 1, radio = 2, sel = 1, pick = 2, pressed = 0;
    intptr_t link = 1, click = 0;
    char field[16] = "Holz C24";
    char editor[200] = "Ein Text, der im Editor umbricht, mit\nZeilenvorschub.";
    ChoiceEntry entries[3] = {{kBlack, "Nadelholz"}, {kBlue, "Laubholz"}, {kBlack, "BSH"}};

    View_Area_Add_Text(s, 20, 20, "Text (1)", 0x1000, kBlack, 0);
    View_Area_Add_Text(s, 120, 20, "gerahmt", 0x1000 | 0x20000, kBlue, 0);
    View_Area_Add_Line(s, 20, 30, 380, 30, kBlack);                 // 2
    View_Area_Add_Bitmap(s, pic.c_str(), 20, 40, 59, 69, 0x00FF00); // 3
    View_Area_Add_Drawn_Box(s, 70, 40, 110, 69, nullptr, [](int x1, int y1, int x2, int y2, void*) {
        pxFgc(0x00A000);
        pxLine(x1, y1, x2, y2);
        pxLine(x1, y2, x2, y1);
    });                                                                                   // 4
    View_Area_Add_Mask_Picture(s, 120, 45, &mask, 0xC00000);                              // 5
    View_Area_Add_Rotated_Text(s, 150, 70, "gedreht", 0x1000, kBlack, 90);                // 6
    View_Area_Add_Check_Box(s, 190, 55, "Haken", 0x1000, kBlack, &tick, &on);             // 7
    View_Area_Add_Radio_Button(s, 280, 55, "Knopf", 0x1000, kBlack, 2, &radio, &on);      // 8
    View_Area_Add_Link_Text(s, 20, 95, "Verweis", 0x1000, kBlack, 0, 0xFFE080, 1, &link); // 9
    View_Area_Add_Float(s, 110, 95, &value, "%8.2f", 0x1000, kBlack, &on);                // 10
    View_Area_Add_Float(s, 200, 95, &off_value, "%8.2f", 0x1000, kBlack, &off);
    View_Area_Set_Inactive_Text(s, "gesperrt");
    View_Area_Add_Filled_Box(s, 300, 85, 330, 100, 0xFFC0C0);                                 // 11
    View_Area_Add_Click_Area(s, 300, 85, 330, 100, 5, &click);                                // 12
    View_Area_Add_Cut_Mark(s, 1);                                                             // 13
    View_Area_Add_Tree_Image(s, image, 340, 80, 380, 110, 0);                                 // 14
    View_Area_Add_Text_Field(s, 30, 130, field, 0x1000, kBlack, &on);                         // 15
    View_Area_Add_Choice(s, 140, 130, entries, 0x1000, 10, 3, &sel, &on);                     // 16
    View_Area_Add_Picture_Choice(s, 300, 120, choice_path.c_str(), 30, 20, 3, 0, &pick, &on); // 17
    View_Area_Add_Bitmap_Button(s, 20, 150, 24, 24, buttons.c_str(), 0, 0x00FF00, 0, "Knopf", 1, &pressed,
                                &on);                                                     // 18
    View_Area_Add_Text_Editor(s, 60, 150, 260, 230, editor, 199, kBlack, kWhite, 1, &on); // 19
    View_Area_Set_Text_Editor_Font(s, 0x1000);
    View_Area_Add_Text(s, 20, 400, "weiter unten", 0x1000, kBlack, 0);
    View_Area_Show(s);

    // Some of them where they belong.
    EXPECT_EQ(Kov_Ui_Pixel(50 + 25, 50 + 45), 0x0080FF);          // bitmap
    EXPECT_EQ(Kov_Ui_Pixel(50 + 315, 50 + 90), 0xFFC0C0);         // filled box
    EXPECT_EQ(Kov_Ui_Pixel(50 + 120, 50 + 48), 0xC00000);         // mask picture row 3 (0xFF)
    EXPECT_EQ(Kov_Ui_Pixel(50 + 20 + 5, 50 + 150 + 5), 0x0078D7); // the normal picture of the strip
    EXPECT_EQ(Kov_Ui_Pixel(50 + 303, 50 + 123), 0xC8A03C);        // picture 2 of the strip (active)

    const std::string kept = kovtest::kept_dir("sheets", "view_area");
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(Kov_Ui_Save_Png((kept + "/every_element_type.png").c_str()), 1);
    EXPECT_TRUE(kovtest::exists(kept + "/every_element_type.png"));
}
