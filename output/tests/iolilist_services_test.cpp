// Services of a component program's list: the head, the position file, the
// error boxes and the error list, «»-texts and the text utilities.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

#include "base/kovfile.h"
#include "oliwrt_fixture.h"
#include "output/iolilist.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "platform/olitable.h"
#include "test_support/kovtestutil.h"

namespace {

class OliListServices : public ::testing::Test {
protected:
    void SetUp() override
    {
        Oli_Reset_Writers();
        Oli_Reset_List_Services();
        resetOLITableColours();
        Kov_Script_Reset();
    }
    void TearDown() override { Kov_Set_Ui_Mode(-1); }
};

std::string fixture(const char* name) { return std::string(KOV_TEST_DIR "/position/") + name; }

} // namespace

TEST_F(OliListServices, OpenListWritesItsHead)
{
    kovtest::TempDir dir;
    Base_Set_File((dir.path() + "/POS12.OLI").c_str());
    for (int cont : {0, 1}) {
        FILE* f = Oli_Open_List("12", "Dach", cont);
        ASSERT_NE(nullptr, f);
        std::fclose(f);
        const std::string head = "#OLI_SETFLAGS 896\n#OLI_SETLAYOUT 4115\n#CONTENTS\n POS. 12: Dach\n";
        EXPECT_EQ(cont ? head : "#NEWPAGE\n" + head, kovtest::read_file(dir.path() + "/POS12.OLI"));
    }
    Base_Set_File((dir.path() + "/missing/POS12.OLI").c_str());
    EXPECT_EQ(nullptr, Oli_Open_List("12", "Dach", 0));
}

TEST_F(OliListServices, PositionFiles)
{
    struct Case {
        const char* file;
        int result;
        const char* number;
        const char* title;
    } cases[] = {
        // a Windows file: the carriage returns are no part of the texts; ü is 0x81
        {"three_lines.pos", 0, "A-17",
         "Pfette \x81"
         "ber Achse 3"},
        {"one_line.pos", 0, "7b", "Sparren links"},
        // a number line of 16 characters: its first 6, the title from line 3
        {"long_number.pos", 0, "123456", "Dach"},
        {"no_colon.pos", 0, "12", ""},
        // the number stays when the title line is missing
        {"two_lines.pos", 1, "123456", ""},
        {"long_title.pos", 0, "12", "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT"},
        {"does_not_exist.pos", 1, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, Oli_Read_Position_File_Path(fixture(c.file).c_str())) << c.file;
        EXPECT_STREQ(c.number, Oli_Position_Number()) << c.file;
        EXPECT_STREQ(c.title, Oli_Position_Title()) << c.file;
    }
    EXPECT_EQ(1, Oli_Read_Position_File_Path(nullptr));
}

TEST_F(OliListServices, PositionFileByTheFirstFourCharacters)
{
    kovtest::TempDir dir;
    ASSERT_TRUE(kovtest::write_file(dir.path() + "/BT12", "P\n4711\nSparren\n"));
    char cwd[4096];
    ASSERT_NE(nullptr, getcwd(cwd, sizeof cwd));
    ASSERT_EQ(0, chdir(dir.path().c_str()));
    const int r = Oli_Read_Position_File("BT12-Sparren");
    EXPECT_EQ(0, chdir(cwd));
    EXPECT_EQ(0, r);
    EXPECT_STREQ("4711", Oli_Position_Number());
    EXPECT_STREQ("Sparren", Oli_Position_Title());
}

TEST_F(OliListServices, ErrorBoxes)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    EXPECT_EQ(101, Oli_Error_Read());
    EXPECT_EQ(102, Oli_Error_Write());
    EXPECT_EQ(103, Oli_Error_Data());
    const std::string log = Kov_Script_Log_Text();
    EXPECT_NE(std::string::npos, log.find("Fill_Message Lesefehler !!!\n"));
    EXPECT_NE(std::string::npos, log.find("Fill_Message Schreibfehler !!!\n"));
    EXPECT_NE(std::string::npos, log.find("Fill_Message Datenfehler !!!\n"));
    Oli_Frame_Nothing();
}

TEST_F(OliListServices, ErrorListShownInATableWindow)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    kovtest::TempDir dir;
    Base_Set_File((dir.path() + "/POS1").c_str());
    FILE* f = Oli_Error_List_Open(".ERR");
    ASSERT_NE(nullptr, f);
    EXPECT_EQ(7, Oli_Error_List_Add(f, 7, "Holz zu kurz"));
    Oli_Error_List_Add(f, 0, "Ausnutzung 105 %");
    Oli_Error_List_Show(f);
    // The stream stays open and readable.
    EXPECT_EQ(0, std::fseek(f, 0, SEEK_END));
    std::fclose(f);
    EXPECT_EQ("#SHOWTABLE\n0 0 0\n0 0 -1 -1\n Holz zu kurz\n Ausnutzung 105 %\n#END_OF_TEXT\n",
              kovtest::read_file(dir.path() + "/POS1.ERR"));
    EXPECT_NE(std::string::npos, std::string(Kov_Script_Log_Text()).find("OLITablePropSheet Fehlermeldungen 2\n"))
        << Kov_Script_Log_Text();
    EXPECT_EQ(7, Oli_Error_List_Add(nullptr, 7, "x"));
    Oli_Error_List_Show(nullptr);
    // The colours were set up on the first show.
    OLITableColours c;
    ASSERT_EQ(1, getOLITableColours(&c));
    EXPECT_EQ((240 << 16) | (240 << 8) | 240, c.colour[0]);
    EXPECT_EQ((240 << 16) | (240 << 8) | 240, c.colour[1]);
    EXPECT_EQ(BUTTON_CI, c.colour[4]);
    EXPECT_EQ(1, Oli_Table_Colours_Init());
}

TEST_F(OliListServices, ErrorListAppended)
{
    kovtest::MemFile src, dst;
    std::fputs(" eins\n zwei\n", src.f);
    EXPECT_EQ(0, Oli_Error_List_Append_File(dst.f, src.f));
    EXPECT_EQ(" eins\n zwei\n#END_OF_TEXT\n", dst.text());
    kovtest::MemFile failed;
    EXPECT_EQ(0, Oli_Error_List_Append_Failed(failed.f, src.f));
    // "geführt" with ü as 0x81
    EXPECT_EQ(" \xCE"
              "bDer Nachweis kann nicht gef\x81hrt werden ==>\xCE"
              "r\n#END_OF_TEXT\n eins\n zwei\n#END_OF_TEXT\n",
              failed.text());
    kovtest::MemFile alone;
    EXPECT_EQ(0, Oli_Error_List_Append_Failed(alone.f, nullptr));
    EXPECT_EQ(" \xCE"
              "bDer Nachweis kann nicht gef\x81hrt werden ==>\xCE"
              "r\n#END_OF_TEXT\n",
              alone.text());
    EXPECT_EQ(1, Oli_Error_List_Append_File(nullptr, src.f));
    EXPECT_EQ(1, Oli_Error_List_Append_File(dst.f, nullptr));
    EXPECT_EQ(1, Oli_Error_List_Append_Failed(nullptr, src.f));
    // Lines longer than a piece are copied whole.
    kovtest::MemFile big, out;
    const std::string line(450, 'x');
    std::fputs((line + "\n").c_str(), big.f);
    Oli_Error_List_Append_File(out.f, big.f);
    EXPECT_EQ(line + "\n#END_OF_TEXT\n", out.text());
}

TEST_F(OliListServices, GuillemetTexts)
{
    kovtest::MemFile m;
    EXPECT_EQ(0, Oli_Write_Guillemet_Line(m.f, "Pfette 1"));
    EXPECT_EQ(0, Oli_Write_Guillemet_Line(m.f, std::string(150, 'a').c_str()));
    std::fputs("  \xAE\xAF", m.f);
    EXPECT_EQ("\xAEPfette 1\xAF\n\xAE" + std::string(150, 'a') + "\xAF\n  \xAE\xAF", m.text());
    std::rewind(m.f);
    char buf[101];
    EXPECT_EQ(0, Oli_Read_Guillemet_Text(m.f, buf));
    EXPECT_STREQ("Pfette 1", buf);
    // A text of more than 100 bytes: its first 100, never more.
    EXPECT_EQ(0, Oli_Read_Guillemet_Text(m.f, buf));
    EXPECT_EQ(std::string(100, 'a'), buf);
    EXPECT_EQ(1, Oli_Read_Guillemet_Text(nullptr, buf));
    EXPECT_EQ(1, Oli_Read_Guillemet_Text(m.f, nullptr));
    EXPECT_EQ(1, Oli_Write_Guillemet_Line(nullptr, "x"));
    EXPECT_EQ(1, Oli_Write_Guillemet_Line(m.f, nullptr));
    kovtest::MemFile empty;
    std::fputs("  \xAE\xAF", empty.f);
    std::rewind(empty.f);
    EXPECT_EQ(1, Oli_Read_Guillemet_Text(empty.f, buf));
}

TEST_F(OliListServices, CompareSymbolsAndStaticText)
{
    EXPECT_STREQ("\xF3", Oli_Compare_Symbol_Le(1, 1));
    EXPECT_STREQ("<", Oli_Compare_Symbol_Le(1, 2));
    EXPECT_STREQ(">", Oli_Compare_Symbol_Le(2, 1));
    EXPECT_STREQ(">", Oli_Compare_Symbol_Ge(2, 1));
    EXPECT_STREQ("\xF2", Oli_Compare_Symbol_Ge(1, 1));
    EXPECT_STREQ("<", Oli_Compare_Symbol_Ge(1, 2));
    const std::string t99(99, 'x');
    EXPECT_EQ(t99, Oli_Sprintf_Static("%s", t99.c_str()));
    EXPECT_STREQ("", Oli_Sprintf_Static("%s", std::string(100, 'x').c_str()));
    EXPECT_STREQ("", Oli_Sprintf_Static("%s", std::string(120, 'x').c_str()));
    EXPECT_STREQ("1.5 m", Oli_Sprintf_Static("%.1f m", 1.5));
}

TEST_F(OliListServices, StripMarkup)
{
    struct Case {
        std::string in;
        int strip, convert;
        std::string out;
    } cases[] = {
        {"a\xCE"
         "bc",
         1, 0, "ac"},
        {"a\xCE{C 1}b", 1, 0, "ab"},
        {"a\xCE{\xCEL 0 -1 -1 1 1 }b\xCE"
         "r",
         1, 0, "ab"},
        {"a\xCE{C 1\nb", 1, 0, "a\nb"}, // a line feed ends a group and stays
        {"ab\xCE", 1, 0, "ab"},
        {"a\xCE{C 1", 1, 0, "a"},
        {"a\xCE"
         "bc",
         0, 0,
         "a\xCE"
         "bc"},
        // "Straße 5 m² │" in code page 850 to 1252; with strip 0xCE survives as "+"
        {"Stra\xE1"
         "e 5 m\xFD \xC4\xB3",
         0, 1,
         "Stra\xDF"
         "e 5 m\xB2 -\xA6"},
        {"\xCE"
         "b\x81",
         0, 1, "+b\xFC"},
        {"\xCE"
         "b\x81",
         1, 1, "\xFC"},
    };
    for (const Case& c : cases) {
        std::string buf = c.in;
        EXPECT_EQ(c.out, std::string(Oli_Strip_Markup(&buf[0], c.strip, c.convert))) << Oli_Visible(c.in);
    }
    EXPECT_EQ(nullptr, Oli_Strip_Markup(nullptr, 1, 1));
}

TEST_F(OliListServices, ConversionTableOfAllBytes)
{
    // cp850_to_cp1252.bin: Python's codecs (cp850 decoded, encoded as cp1252)
    // for every byte both code pages hold, the listed replacements for the rest.
    const std::string expected = kovtest::read_file(KOV_TEST_DIR "/cp850_to_cp1252.bin");
    ASSERT_EQ(256u, expected.size());
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ((unsigned char)expected[(size_t)b], Oli_Cp850_To_Cp1252((unsigned char)b)) << "byte " << b;
    std::string all;
    for (int b = 1; b < 256; ++b) all += (char)b;
    Oli_Strip_Markup(&all[0], 0, 1);
    EXPECT_EQ(expected.substr(1), all);
}

TEST_F(OliListServices, PicturePreviewDrawsTheBitmapWhenThereIsOneElseTheVectorPicture)
{
    kovtest::TempDir dir;
    kovtest::ScopedEnv env("DATA", dir.path());
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    const std::string head = "pxFgc 15463905\npxRect 7 42 1016 760\n";
    const std::string tail = "pxFgc 11184810\npxText 953 758 DACH\npxFlsh\n";

    Kov_Ui_Reset();
    Kov_Script_Reset();
    Oli_Picture_Preview("DACH", 3, 4);
    EXPECT_EQ(Kov_Script_Log_Text(), head + "Draw_RPC_File DACH.RPC 3 4\n" + tail);
    EXPECT_EQ(Kov_Ui_Pixel(5, 40), 0x3A6EA5); // the desktop: nothing drawn there
    EXPECT_EQ(Kov_Ui_Pixel(7, 42), 0xEBF5E1);
    EXPECT_EQ(Kov_Ui_Pixel(1016, 760), 0xEBF5E1);
    EXPECT_EQ(Kov_Ui_Pixel(1017, 760), 0x3A6EA5);

    // A picture of 4 x 3 pixels beside it: drawn from the corner (5, 40).
    QImage img(4, 3, QImage::Format_RGB32);
    img.fill(qRgb(200, 0, 0));
    ASSERT_TRUE(img.save(QString::fromStdString(dir / "DACH.BMP"), "BMP"));
    Kov_Ui_Reset();
    Kov_Script_Reset();
    Oli_Picture_Preview("DACH", 3, 4);
    EXPECT_EQ(Kov_Script_Log_Text(), head + "pxDrawTransparentDIB DACH.BMP 5 40 1018 762 210 -1 -1 -1 -1\n" + tail);
    EXPECT_EQ(Kov_Ui_Pixel(5, 40), 0xC80000);
    EXPECT_EQ(Kov_Ui_Pixel(8, 42), 0xC80000);
    EXPECT_EQ(Kov_Ui_Pixel(9, 43), 0xEBF5E1);
    // The name in grey at the lower right.
    int grey = 0;
    for (int y = 745; y < 762; ++y)
        for (int x = 953; x < 985; ++x)
            if (Kov_Ui_Pixel(x, y) == 0xAAAAAA) ++grey;
    EXPECT_GT(grey, 20);
}
