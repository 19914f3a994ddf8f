// Text lines of the output list, the layout state and the version line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "oliwrt_fixture.h"
#include "output/iolipara.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"
#include "platform/kovlocale.h"
#include "test_support/kovtestutil.h"

namespace {

std::string para(int font, const std::string& lines)
{
    return "\n#SHOWPARA\n0x0\n" + std::to_string(font) + "\n-1\n" + lines + "#END_OF_TEXT\n0x0\n-1\n";
}

// The text line Oli_Text writes for a text (without the paragraph around it).
std::string text_line(const char* fmt, const char* arg)
{
    std::string out = Oli_Capture([&](FILE* f) { Oli_Text(f, fmt, arg); });
    const std::string head = "\n#SHOWPARA\n0x0\n7\n-1\n";
    const std::string tail = "#END_OF_TEXT\n0x0\n-1\n";
    if (out.compare(0, head.size(), head) != 0 || out.size() < head.size() + tail.size()) return "<" + out + ">";
    return out.substr(head.size(), out.size() - head.size() - tail.size());
}

} // namespace

TEST(OliText, FreshStateWritesOneParagraphInFontSeven)
{
    std::string out = Oli_Capture([](FILE* f) { Oli_Text(f, "abc"); });
    EXPECT_EQ("\n#SHOWPARA\n0x0\n7\n-1\n abc\n#END_OF_TEXT\n0x0\n-1\n", out);
}

TEST(OliText, LineBreaksAndEmptyText)
{
    EXPECT_EQ(" abc\n", text_line("%s", "abc\n"));
    EXPECT_EQ(" \n", text_line("%s", ""));
    EXPECT_EQ(" a\n b\n", text_line("%s", "a\nb"));
}

TEST(OliText, CallerTextIsNeverAFormatAgain) { EXPECT_EQ(" 100%s %d\n", text_line("%s", "100%s %d")); }

TEST(OliText, FontOfTheLayoutState)
{
    Oli_Set_Font(2);
    EXPECT_EQ(2, Oli_Get_Font());
    std::string out = Oli_Capture([](FILE* f) { Oli_Text(f, "x"); });
    EXPECT_EQ(para(2, " x\n"), out);
}

TEST(OliText, LongTextIsCutAt255Characters)
{
    std::string long_text(300, 'y');
    EXPECT_EQ(" " + std::string(255, 'y') + "\n", text_line("%s", long_text.c_str()));
}

TEST(OliText, StripZeros)
{
    Oli_Set_Strip_Zeros(1);
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"N = 1.500 kN", " N = 1.5 kN\n"},
        {"3.000", " 3\n"},
        {"1.05", " 1.05\n"},
        {"10.0 m", " 10 m\n"},
        {"a.500 b", " a.500 b\n"},
        {"-0.250/2.10", " -0.25/2.1\n"},
        {"Nr. 5.", " Nr. 5.\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.out, text_line("%s", c.in)) << c.in;
    Oli_Set_Strip_Zeros(0);
    EXPECT_EQ(" 1.500\n", text_line("%s", "1.500"));
}

TEST(OliText, SuperscriptsTwoAndThreeKeepOpenModes)
{
    // "m²" inside a bold run: the bold mode is opened again after the superscript.
    EXPECT_EQ(" \xCE"
              "bA = 5 m\xCE/2\xCE"
              "r\xCE"
              "b\xCE"
              "r\n",
              text_line("%s", "\xCE"
                              "bA = 5 m\xFD\xCE"
                              "r"));
    EXPECT_EQ(" cm\xCE/3\xCE"
              "r\n",
              text_line("%s", "cm\xFA"));
    // An underline closed before the superscript is not opened again.
    EXPECT_EQ(" \xCE"
              "ua\xCE"
              "r m\xCE/2\xCE"
              "r\n",
              text_line("%s", "\xCE"
                              "ua\xCE"
                              "r m\xFD"));
}

TEST(OliText, ManySuperscriptsAreNotCut)
{
    std::string in, expected = " ";
    for (int i = 0; i < 30; i++) {
        in += "m\xFD ";
        expected += "m\xCE/2\xCE"
                    "r ";
    }
    expected += "\n";
    EXPECT_EQ(expected, text_line("%s", in.c_str()));
}

TEST(OliText, LegacyFormAtLowListLevel)
{
    Oli_Set_Level(334);
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Text(f, "abc");
        Oli_Text(f, "u\xCE_v\n");
        Oli_Text_Block(f, "blk");
        Oli_Title_Line(f, "ttl");
    });
    EXPECT_EQ("#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n abc\n#END_OF_TEXT\n#OLI_SETYPOSITION 1 -0.6011\n"
              "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n u\xCE_v\n \n#END_OF_TEXT\n"
              "#OLI_SETYPOSITION 1 -0.3800\n#OLI_SETYPOSITION 1 -0.6011\n"
              "#SHOWTABLE\n 0 0 1\n blk\n 0 0 0 0\n#OLI_SETYPOSITION 1 -0.8500\n"
              "#SHOWTABLE\n 1 0 0\n ttl\n 0 0 0 0\n#OLI_SETYPOSITION 1 -0.9000\n",
              out);
}

TEST(OliText, BlockAndTitleFonts)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Text_Block(f, "%d kN", 5);
        Oli_Text_Block_Forced(f, "b");
        Oli_Title_Line(f, "T");
    });
    EXPECT_EQ(para(3, " 5 kN\n") + para(3, " b\n") + para(5, " T\n"), out);
}

TEST(OliText, NullStreamWritesNothing)
{
    Oli_Text(nullptr, "x");
    Oli_Text_Block(nullptr, "x");
    Oli_Title_Line(nullptr, "x");
    Oli_Text_At_Tab(nullptr, 1.0, "x");
    Oli_Text_Check_Mark(nullptr, "x", 0);
    Oli_Version_Line(nullptr, "q8-nlu52");
    EXPECT_EQ(-1, Oli_Store_Y_Position(nullptr));
    // The paragraph writer was never used.
    std::string out = Oli_Capture([](FILE* f) { EXPECT_EQ(-1, Oli_Para_End(f)); });
    EXPECT_EQ("", out);
}

TEST(OliText, TextAtTabStop)
{
    std::string out = Oli_Capture([](FILE* f) { Oli_Text_At_Tab_Printf(f, 4.5, "a\t%d", 7); });
    EXPECT_EQ("\n#SHOWPARA\n0x40\n7\n0x0 1\n2 4.5\n-1\n a\t7\n#END_OF_TEXT\n0x0\n-1\n", out);
}

TEST(OliText, CheckMarkAtTheRightEdge)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Text_Check_Mark(f, "ok", 1);
        Oli_Text_Check_Mark(f, "50% zu viel", 0);
    });
    EXPECT_EQ(para(7, " ok\n") + para(7, " 50% zu viel\n") +
                  "#OLI_SETYPOSITION 1 -0.3800\n#OLI_SETMARGINS 1 17.0000 0.0000\n" +
                  para(7, " \xCE"
                          "b!!\n") +
                  "#OLI_SETMARGINS 1 0.0000 0.0000\n",
              out);
    EXPECT_FLOAT_EQ(0.0f, Oli_Get_Left_Margin());
}

TEST(OliText, VersionLineFromTheVersionFile)
{
    kovtest::ScopedEnv env("EXEC", KOV_TEST_DIR "/version");
    std::string out = Oli_Capture([](FILE* f) { Oli_Version_Line(f, "q8-nlu52"); });
    EXPECT_EQ("#OLI_SETMARGINS 1 17.2000 0.0000\n" + para(3, " V 2.11\n") + "#OLI_SETMARGINS 1 0.0000 0.0000\n", out);
}

TEST(OliText, VersionLineWithoutVersionFile)
{
    kovtest::ScopedEnv env("EXEC", KOV_TEST_DIR "/version");
    std::string missing = Oli_Capture([](FILE* f) { Oli_Version_Line(f, "q8-other"); });
    EXPECT_EQ("#OLI_SETMARGINS 1 15.2001 0.0000\n" + para(3, " Q8-OTHER Version: ???\n") +
                  "#OLI_SETMARGINS 1 0.0000 0.0000\n",
              missing);

    env.unset("EXEC");
    std::string out = Oli_Capture([](FILE* f) { Oli_Version_Line(f, "q8-nlu52"); });
    EXPECT_EQ("#OLI_SETMARGINS 1 15.2001 0.0000\n" + para(3, " Q8-NLU52 Version: ???\n") +
                  "#OLI_SETMARGINS 1 0.0000 0.0000\n",
              out);
}

TEST(OliText, VersionLineKeepsTheCallersMargin)
{
    kovtest::ScopedEnv env("EXEC", KOV_TEST_DIR "/version");
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Set_Left_Margin(f, 1.0f);
        Oli_Version_Line(f, "q8-nlu52");
    });
    EXPECT_EQ("#OLI_SETMARGINS 1 1.0000 0.0000\n#OLI_SETMARGINS 1 18.2000 0.0000\n" + para(3, " V 2.11\n") +
                  "#OLI_SETMARGINS 1 1.0000 0.0000\n",
              out);
}

TEST(OliText, MovesAndReservedSpace)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Move_Lines(f, 2);
        Oli_Move_Cm(f, -0.5);
        Oli_Set_Y_Mode4(f);
        Oli_Reserve_Lines(f, 3);
        Oli_Reserve_Small_Lines(f, 10);
        Oli_Set_Right_Margin(f, 2.5f);
    });
    EXPECT_EQ("#OLI_SETYPOSITION 1 0.7600\n#OLI_SETYPOSITION 1 -0.5000\n#OLI_SETYPOSITION 4 0.0000\n"
              "#OLI_RESERVESPACE 1.1400\n#OLI_RESERVESPACE 2.8600\n#OLI_SETMARGINS 1 0.0000 2.5000\n",
              out);
}

TEST(OliText, CharactersPerLine)
{
    EXPECT_EQ(106, Oli_Chars_Per_Line(7));
    EXPECT_EQ(165, Oli_Chars_Per_Line(10));
    EXPECT_EQ(96, Oli_Chars_Per_Line(11));
    EXPECT_EQ(96, Oli_Chars_Per_Line(-1));
    Oli_Set_Left_Margin(nullptr, 8.5f);
    EXPECT_EQ(53, Oli_Chars_Per_Line(7));
    EXPECT_EQ(37, Oli_Chars_Per_Line(5)); // 73 / 2 = 36.5, half away from zero
    Oli_Set_Right_Margin(nullptr, 5.0f);  // only the left margin counts
    EXPECT_EQ(53, Oli_Chars_Per_Line_Current());
}

TEST(OliText, YPositionSlots)
{
    std::string out = Oli_Capture([](FILE* f) {
        for (int i = 0; i < 10; i++) EXPECT_EQ(i, Oli_Store_Y_Position(f));
        testing::internal::CaptureStdout();
        EXPECT_EQ(-1, Oli_Store_Y_Position(f));
        EXPECT_EQ("Fehler in 'ioliwrt': Kein Positionierungsindex mehr frei!\n",
                  testing::internal::GetCapturedStdout());
        Oli_Restore_Y_Position(f, 3);
        Oli_Restore_Y_Position(f, 3);  // the second restore does nothing
        Oli_Restore_Y_Position(f, -1); // the slot of a failed store
        EXPECT_EQ(3, Oli_Store_Y_Position(f));
        Oli_Restore_Y_Keep(f, 3);
        Oli_Restore_Y_Keep(f, 3);
        Oli_Free_Y_Position(3);
        Oli_Restore_Y_Keep(f, 3);
        Oli_Reset_Y_Positions();
        EXPECT_EQ(0, Oli_Store_Y_Position(f));
    });
    std::string expected;
    for (int i = 0; i < 10; i++) expected += "#OLI_STOREYPOSITION " + std::to_string(i) + "\n";
    expected += "#OLI_RESTOREYPOSITION 3\n#OLI_STOREYPOSITION 3\n#OLI_RESTOREYPOSITION 3\n"
                "#OLI_RESTOREYPOSITION 3\n#OLI_STOREYPOSITION 0\n";
    EXPECT_EQ(expected, out);
}

TEST(OliText, DisplayWidthCountsScriptsAsFourFifths)
{
    EXPECT_EQ(0, Oli_Display_Width(nullptr));
    EXPECT_EQ(3, Oli_Display_Width("abc"));
    EXPECT_EQ(6, Oli_Display_Width("a\xCE\\12345\xCE"
                                   "r")); // 5 script characters: 0
    EXPECT_EQ(6, Oli_Display_Width("a\xCE/123456\xCE"
                                   "r")); // 6: one less
    EXPECT_EQ(9, Oli_Display_Width("\xCE\\1234567890\xCE"
                                   "bx")); // 11 (bold keeps the mode): 11 - 2
    EXPECT_EQ(11, Oli_Display_Width("\xCE\\12345\xCE"
                                    "r123456")); // closed by r
}

TEST(OliText, MarkupTests)
{
    const char* t = "a\xCE"
                    "bbold\xCE"
                    "r x \xCE\\sub";
    EXPECT_EQ(0, Oli_Bold_Active(t, 1));
    EXPECT_EQ(1, Oli_Bold_Active(t, 5));
    EXPECT_EQ(0, Oli_Bold_Active(t, 12));
    EXPECT_EQ(1, Oli_Subscript_Active(t, 16));
    EXPECT_EQ(0, Oli_Superscript_Active(t, 16));
    EXPECT_EQ(0, Oli_Space_Below_Active(t, 16));
    EXPECT_EQ(0, Oli_S_Active(t, 16));

    char buf[16] = "x\xFDy\xFD";
    int need = Oli_Replace_Keep_Markup(buf, "\xFD",
                                       "\xCE/2\xCE"
                                       "r",
                                       sizeof buf);
    EXPECT_EQ(12, need);
    EXPECT_STREQ("x\xCE/2\xCE"
                 "ry\xCE/2\xCE"
                 "r",
                 buf);
    char small[8] = "x\xFDy";
    Oli_Replace_Keep_Markup(small, "\xFD",
                            "\xCE/2\xCE"
                            "r",
                            sizeof small);
    EXPECT_STREQ("x\xCE/2\xCE"
                 "ry",
                 small);
    char tiny[6] = "x\xFDy";
    Oli_Replace_Keep_Markup(tiny, "\xFD",
                            "\xCE/2\xCE"
                            "r",
                            sizeof tiny);
    EXPECT_STREQ("x\xCE/2\xCE", tiny);
}

TEST(OliText, TrimmedLength)
{
    EXPECT_EQ(3, Oli_Trimmed_Length("abc  "));
    EXPECT_EQ(0, Oli_Trimmed_Length("   "));
    EXPECT_EQ(0, Oli_Trimmed_Length(""));
    EXPECT_EQ(0, Oli_Trimmed_Length(nullptr));
}

TEST(OliText, CallerNumbersKeepTheDecimalPointUnderAGermanLocale)
{
    if (!Kov_Try_German_Locale()) GTEST_SKIP() << "no German locale installed";
    std::string out = Oli_Capture([](FILE* f) { Oli_Text(f, "N = %.2f kN", 1.5); });
    Kov_Numeric_C_Locale();
    EXPECT_EQ(para(7, " N = 1.50 kN\n"), out);
}
