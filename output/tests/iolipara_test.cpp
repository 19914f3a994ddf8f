// Paragraph blocks, graphic heads, picture records and the picture-information tool.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdarg>
#include <cstdlib>
#include <dirent.h>
#include <string>
#include <vector>

#include "oliwrt_fixture.h"
#include "output/iolipara.h"
#include "platform/kovhost.h"
#include "platform/kovlocale.h"
#include "test_support/kovtestutil.h"

namespace {

const std::string kHead4 = "\n#SHOWPARA\n0x0\n4\n-1\n";

std::string hex_of(int from, int to)
{
    std::string s;
    char b[4];
    for (int i = from; i < to; i++) {
        std::snprintf(b, sizeof b, "%02x", i);
        s += b;
    }
    return s;
}

std::vector<std::string> files_in(const std::string& dir)
{
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.push_back(e->d_name);
        closedir(d);
    }
    return names;
}

} // namespace

TEST(OliPara, FirstTextOpensBlockWithDefaultFormat)
{
    std::string out = Oli_Capture([](FILE* f) { EXPECT_EQ(0, Oli_Para_Printf(f, "abc\n")); });
    EXPECT_EQ(kHead4 + " abc\n", out);
}

TEST(OliPara, PiecesJoinIntoOneLineAndEndClosesBlock)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Para_Printf(f, "ab");
        Oli_Para_Printf(f, "c\n");
        EXPECT_EQ(0, Oli_Para_End(f));
    });
    EXPECT_EQ(kHead4 + " abc\n#END_OF_TEXT\n0x0\n-1\n", out);
}

TEST(OliPara, OpenLineIsEndedBeforeTheEndOfText)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Para_Printf(f, "x");
        Oli_Para_End(f);
    });
    EXPECT_EQ(kHead4 + " x\n#END_OF_TEXT\n0x0\n-1\n", out);
}

TEST(OliPara, FontChangeContinuesTheBlockWithChangeLine)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Para_Printf(f, "ab\n");
        Oli_Para_Set_Font(5);
        Oli_Para_Printf(f, "c\n");
        Oli_Para_End(f);
    });
    EXPECT_EQ(kHead4 + " ab\n#END_OF_TEXT\n0x4\n0x0\n5\n-1\n c\n#END_OF_TEXT\n0x0\n-1\n", out);
}

TEST(OliPara, SpaceAndEndFlagGoIntoTheEndLine)
{
    std::string spaced = Oli_Capture([](FILE* f) {
        Oli_Para_Printf(f, "a\n");
        Oli_Para_Add_Space(0.2);
        Oli_Para_End(f);
    });
    EXPECT_EQ(kHead4 + " a\n#END_OF_TEXT\n0x1000\n2 0.2\n-1\n", spaced);

    std::string flagged = Oli_Capture([](FILE* f) {
        Oli_Para_Printf(f, "a\n");
        Oli_Para_Set_End_Flag();
        Oli_Para_End(f);
    });
    EXPECT_EQ(kHead4 + " a\n#END_OF_TEXT\n0x2000\n-1\n", flagged);
}

TEST(OliPara, SpaceInsideAParagraphIsWrittenWithTheChange)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Para_Printf(f, "a\n");
        Oli_Para_Add_Space(0.5);
        Oli_Para_Printf(f, "b\n");
        Oli_Para_End(f);
    });
    EXPECT_EQ(kHead4 + " a\n#END_OF_TEXT\n0x1004\n2 0.5\n0x0\n4\n-1\n b\n#END_OF_TEXT\n0x0\n-1\n", out);
}

TEST(OliPara, PendingSpaceBeforeTheFirstTextGoesIntoTheHead)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Para_Add_Space(0.3);
        Oli_Para_Printf(f, "a\n");
        Oli_Para_End(f);
    });
    EXPECT_EQ("\n#SHOWPARA\n0x10\n4\n2 0.3\n-1\n a\n#END_OF_TEXT\n0x0\n-1\n", out);
}

TEST(OliPara, TabStopsStayInEveryLaterFormatOfTheParagraph)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Para_Begin();
        const double pos[2] = {1.5, 3.0};
        Oli_Para_Set_Tabs(17, nullptr, pos, 2);
        Oli_Para_Printf(f, "a\tb\n");
        Oli_Para_Clear_Tabs();
        Oli_Para_Printf(f, "c\n");
        Oli_Para_Set_Tab_Spacing(50, 2.5);
        Oli_Para_Printf(f, "d\n");
        Oli_Para_End(f);
    });
    EXPECT_EQ("\n#SHOWPARA\n0x40\n4\n0x0 2\n1 1.5\n1 3\n-1\n a\tb\n"
              "#END_OF_TEXT\n0x4\n0x40\n4\n0x0 0\n-1\n c\n"
              "#END_OF_TEXT\n0x4\n0x40\n4\n0x2\n2 2.5\n-1\n d\n"
              "#END_OF_TEXT\n0x0\n-1\n",
              out);
}

TEST(OliPara, AtMostOneHundredTabStops)
{
    std::vector<double> pos(150);
    for (int i = 0; i < 150; i++) pos[i] = i + 1;
    std::string out = Oli_Capture([&](FILE* f) {
        Oli_Para_Begin();
        Oli_Para_Set_Tabs(2, nullptr, pos.data(), 150);
        Oli_Para_Printf(f, "x\n");
    });
    EXPECT_NE(std::string::npos, out.find("0x0 100\n"));
    EXPECT_NE(std::string::npos, out.find("\n2 100\n-1\n"));
    EXPECT_EQ(std::string::npos, out.find("2 101\n"));
}

TEST(OliPara, TabsBeforeFirstUseAreDropped)
{
    std::string out = Oli_Capture([](FILE* f) {
        const double pos = 4.0;
        Oli_Para_Set_Tabs(17, nullptr, &pos, 1);
        Oli_Para_Printf(f, "x\n");
    });
    EXPECT_EQ(kHead4 + " x\n", out);
}

TEST(OliPara, CallerFlagsAndLengthsAreWrittenInTheirOrder)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Para_Begin();
        EXPECT_EQ(0x88u, Oli_Para_Set_Flags(0xFFu & 0x88u));
        Oli_Para_Set_Length_B(1.25);
        Oli_Para_Set_Factor(0.5);
        Oli_Para_Set_Length_D(2.0);
        Oli_Para_Printf(f, "x\n");
    });
    EXPECT_EQ("\n#SHOWPARA\n0xca8\n4\n2 1.25 2 0\n0.5\n2 2\n-1\n x\n", out);
}

TEST(OliPara, EndWithoutOpenParagraphWritesNothing)
{
    std::string out = Oli_Capture([](FILE* f) {
        EXPECT_EQ(-1, Oli_Para_End(f));
        Oli_Para_Begin();
        EXPECT_EQ(-1, Oli_Para_End(f));
        EXPECT_EQ(-1, Oli_Para_End(nullptr));
    });
    EXPECT_EQ("", out);
}

TEST(OliPara, OverlongTextIsRefusedWithoutOutput)
{
    std::string long_text(1000, 'x');
    std::string out = Oli_Capture([&](FILE* f) {
        EXPECT_EQ(-1, Oli_Para_Printf(f, "%s", long_text.c_str()));
        EXPECT_EQ(0, Oli_Para_Printf(f, "%s", long_text.substr(1).c_str()));
    });
    EXPECT_EQ(kHead4 + " " + long_text.substr(1), out);
    EXPECT_EQ(-1, Oli_Para_Printf(nullptr, "x"));
}

TEST(OliPara, FailedWriteIsReported)
{
    FILE* ro = std::fopen("/dev/null", "r");
    ASSERT_NE(nullptr, ro);
    EXPECT_EQ(-1, Oli_Para_Printf(ro, "x\n"));
    EXPECT_EQ(-1, Oli_Write_Para_Head(ro, nullptr));
    EXPECT_EQ(0, Oli_Write_Picture_Info(ro, nullptr));
    std::fclose(ro);
}

namespace {
int g_slot7_calls = 0;
int counting_fprintf(FILE* f, const char* fmt, ...)
{
    g_slot7_calls++;
    va_list ap;
    va_start(ap, fmt);
    int r = std::vfprintf(f, fmt, ap);
    va_end(ap);
    return r;
}
} // namespace

TEST(OliPara, RecordsGoThroughTheHostStreamTable)
{
    KovStdioTable table{};
    table.count = 18;
    table.fct[KOV_STDIO_FPRINTF_SLOT - 1] = (void (*)(void))counting_fprintf;
    ASSERT_EQ(1, KOVSetStdioFctPtr(&table));
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Para_Printf(f, "abc\n");
        Oli_Para_End(f);
        OliGraphicHead head;
        Oli_Graphic_Head_Defaults(&head);
        Oli_Write_Graphic_Head(f, &head);
    });
    KOVSetStdioFctPtr(nullptr);
    EXPECT_GT(g_slot7_calls, 8);
    EXPECT_EQ(kHead4 + " abc\n#END_OF_TEXT\n0x0\n-1\n\n\n#SHOWGRAFIC\n0 0 0\n0 0 0\n1\n0 10 0 5\n", out);
}

TEST(OliPara, SinglePartWriters)
{
    OliParaEnd with_space{0x2004, 0.25, 1};
    OliParaEnd plain{0x1104, 0.0, 2};
    std::string out = Oli_Capture([&](FILE* f) {
        Oli_Write_Para_Change(f, &with_space, nullptr);
        Oli_Write_Para_Change(f, &plain, nullptr);
        Oli_Write_Para_Change(f, nullptr, nullptr);
        Oli_Write_Para_End(f, &with_space);
        Oli_Write_Para_End(f, &plain);
        Oli_Write_Para_End(f, nullptr);
        Oli_Write_End_Of_Text(f);
        Oli_Write_Block_End(f);
        const int kinds[2] = {17, 4};
        const double pos[2] = {0.5, 7.25};
        EXPECT_EQ(1, Oli_Write_Tab_List(f, 50, kinds, pos, 2));
        EXPECT_EQ(1, Oli_Write_Tab_List(f, 50, nullptr, pos, -3));
    });
    EXPECT_EQ("0x3004\n1 0.25\n0x0\n4\n"
              "0x104\n0x0\n4\n"
              "0x4\n0x0\n4\n"
              "0x3000\n1 0.25\n-1\n"
              "0x100\n-1\n"
              "0x0\n-1\n"
              "#END_OF_TEXT\n-1\n"
              "0x0 2\n1 0.5\n4 7.25\n"
              "0x0 0\n",
              out);
}

TEST(OliPara, GraphicHeadWithFlagsAndScale)
{
    OliGraphicHead head;
    Oli_Graphic_Head_Defaults(&head);
    head.flags = 0x10000;
    head.kind = 3;
    head.further[0] = 1;
    head.further[1] = 2;
    head.further[2] = 3.5;
    head.further[3] = 4;
    head.x2 = 20;
    head.scale = 25;
    std::string out = Oli_Capture([&](FILE* f) {
        EXPECT_EQ(0, Oli_Write_Graphic_Head(f, &head));
        EXPECT_EQ(0, Oli_Write_Graphic_End(f));
    });
    EXPECT_EQ("\n\n#SHOWGRAFIC\n0 0 0\n0 0 0\n-999 65536 3\n1 2 3.5 4\n0 20 0 5\n25\n0\n\n", out);
}

TEST(OliPara, PictureRecordWithOptions)
{
    OliPictureOptions opt;
    Oli_Picture_Options_Defaults(&opt);
    opt.flags = 0x13;
    std::string out = Oli_Capture([&](FILE* f) {
        EXPECT_EQ(0, Oli_Write_Picture(f, 5.0, 3.5, "C:\\bilder\\a.png", &opt));
        EXPECT_EQ(0, Oli_Write_Picture(f, 1.0, 2.0, "b.bmp", nullptr));
        EXPECT_EQ(-1, Oli_Write_Picture(f, 1.0, 2.0, nullptr, nullptr));
    });
    EXPECT_EQ("75 19 5 3.5 300 1 1 10 10 \xAE"
              "C:\\bilder\\a.png\xAF\n"
              "75 0 1 2 \xAE"
              "b.bmp\xAF\n",
              out);
}

TEST(OliPara, EmbeddedPictureIsWrittenAsHexLinesOf64Bytes)
{
    kovtest::TempDir tmp("oliwrt-");
    std::string dir = tmp.path();
    std::string path = dir + "/probe.bin";
    std::string bytes;
    for (int i = 0; i < 130; i++) bytes += (char)i;
    ASSERT_TRUE(kovtest::write_file(path, bytes));
    OliPictureOptions opt;
    Oli_Picture_Options_Defaults(&opt);
    opt.flags = 0x1000;
    std::string out = Oli_Capture([&](FILE* f) {
        EXPECT_EQ(0, Oli_Write_Picture(f, 2.0, 1.0, path.c_str(), &opt));
        EXPECT_EQ(-1, Oli_Write_Picture(f, 2.0, 1.0, (dir + "/missing.bin").c_str(), &opt));
    });
    std::string expected = "75 4096 2 1 \xAE.bin\xAF\n{" + hex_of(0, 64) + "\n" + hex_of(64, 128) + "\n" +
                           hex_of(128, 130) + "}\n" + "75 4096 2 1 \xAE.bin\xAF\n";
    EXPECT_EQ(expected, out) << Oli_Visible(out);
}

TEST(OliPara, PictureInfoRoundTrip)
{
    OliPictureInfo info;
    Oli_Picture_Info_Defaults(&info);
    std::snprintf(info.name, sizeof info.name, "%s", "bild.png");
    info.pixel_width = 640;
    info.pixel_height = 480;
    info.a = 5.41867;
    info.b = 4.064;
    std::string out = Oli_Capture([&](FILE* f) {
        EXPECT_EQ(1, Oli_Write_Picture_Info(f, &info));
        EXPECT_EQ(1, Oli_Write_Picture_Info(f, nullptr));
    });
    EXPECT_EQ("OLI_GRAPHIC_Picture_Info\n\xAE"
              "bild.png\xAF\n640 480\n300\n5.4187 4.0640\n"
              "OLI_GRAPHIC_Picture_Info\n\xAE???\xAF\n0 0\n300\n0.0000 0.0000\n",
              out);

    FILE* f = kovtest::stream_of(out);
    OliPictureInfo back;
    EXPECT_EQ(1, Oli_Read_Picture_Info(f, &back));
    EXPECT_STREQ("bild.png", back.name);
    EXPECT_EQ(640, back.pixel_width);
    EXPECT_EQ(480, back.pixel_height);
    EXPECT_EQ(300, back.value);
    EXPECT_DOUBLE_EQ(5.4187, back.a);
    EXPECT_DOUBLE_EQ(4.064, back.b);
    std::fclose(f);
}

TEST(OliPara, PictureInfoReaderRefusesOtherRecordsAndCutsLongNames)
{
    struct Case {
        const char* text;
        int result;
        const char* name;
    } cases[] = {
        {"OLI_GRAPHIC_Picture_Inf \xAE"
         "a\xAF 1 2 3 4 5",
         0, "???"},
        {"OLI_GRAPHIC_Picture_Info \xAE\xAF 1 2 3 4 5", 0, "???"},
        {"OLI_GRAPHIC_Picture_Info \xAE"
         "abcdefghijklmnopqrstuvwxyz\xAF 1 2 3 4 5",
         1, "abcdefghijklmnopqrs"},
        {"OLI_GRAPHIC_Picture_Info \xAE"
         "a\xAF 1 2 3",
         0, "a"},
    };
    for (const Case& c : cases) {
        FILE* f = kovtest::stream_of(c.text);
        OliPictureInfo info;
        EXPECT_EQ(c.result, Oli_Read_Picture_Info(f, &info)) << c.text;
        EXPECT_STREQ(c.name, info.name) << c.text;
        std::fclose(f);
    }
    OliPictureInfo info;
    EXPECT_EQ(0, Oli_Read_Picture_Info(nullptr, &info));
    EXPECT_EQ(0, Oli_Read_Picture_Info(nullptr, nullptr));
}

TEST(OliPara, PictureInformationToolAnswers)
{
    kovtest::TempDir temp_dir("oliwrt-"), picture_dir("oliwrt-");
    std::string temp = temp_dir.path();
    std::string pictures = picture_dir.path();
    kovtest::ScopedEnv env("TEMP", temp);
    env.set("EXEC", KOV_TOOLS_DIR);
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    std::string path = pictures + "/pic.png";
    ASSERT_TRUE(image.save(QString::fromStdString(path), "PNG"));

    OliPictureInfo info;
    EXPECT_EQ(1, Oli_Get_Picture_Info(path.c_str(), &info));
    EXPECT_STREQ("pic.png", info.name);
    EXPECT_EQ(40, info.pixel_width);
    EXPECT_EQ(20, info.pixel_height);
    EXPECT_TRUE(files_in(temp).empty()) << "the answer file is removed";

    // Not a picture: the tool gives no answer.
    std::string text = pictures + "/note.txt";
    ASSERT_TRUE(kovtest::write_file(text, "no picture"));
    EXPECT_EQ(0, Oli_Get_Picture_Info(text.c_str(), &info));
    EXPECT_STREQ("???", info.name);
    EXPECT_TRUE(files_in(temp).empty());

    // Without "EXEC" the tool cannot be found.
    env.unset("EXEC");
    EXPECT_EQ(0, Oli_Get_Picture_Info(path.c_str(), &info));
    EXPECT_TRUE(files_in(temp).empty());
    EXPECT_EQ(0, Oli_Get_Picture_Info(nullptr, &info));
    EXPECT_EQ(0, Oli_Get_Picture_Info(path.c_str(), nullptr));
}

TEST(OliPara, PictureInfoIsReadWithADecimalPointUnderAGermanLocale)
{
    if (!Kov_Try_German_Locale()) GTEST_SKIP() << "no German locale installed";
    FILE* f = kovtest::stream_of("OLI_GRAPHIC_Picture_Info\n\xAE"
                                 "a.png\xAF\n10 20\n300\n2.5400 1.2700\n");
    OliPictureInfo info;
    int ok = Oli_Read_Picture_Info(f, &info);
    std::string written = Oli_Capture([&](FILE* out) { Oli_Write_Picture_Info(out, &info); });
    Kov_Numeric_C_Locale();
    std::fclose(f);
    EXPECT_EQ(1, ok);
    EXPECT_DOUBLE_EQ(2.54, info.a);
    EXPECT_DOUBLE_EQ(1.27, info.b);
    EXPECT_EQ("OLI_GRAPHIC_Picture_Info\n\xAE"
              "a.png\xAF\n10 20\n300\n2.5400 1.2700\n",
              written);
}
