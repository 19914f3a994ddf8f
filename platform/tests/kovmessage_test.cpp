// Tests of the message windows in batch, interactive and scripted mode: answers, standard error
// in the terminal's character set, the queue and its log.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <string>

#include "platform/kovclock.h"
#include "platform/kovcp.h"
#include "platform/kovhost.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

TEST(MessageWindow, BatchQuestionAnswersNoWithoutBlocking)
{
    kovtest::ScopedEnv env("KOV_UI_MODE", "batch");
    env.unset("LC_ALL");
    env.unset("LC_CTYPE");
    env.set("LANG", "de_DE.UTF-8");
    ASSERT_EQ(Kov_Ui_Mode(), KOV_UI_BATCH);
    testing::internal::CaptureStderr();
    const int64_t t0 = Kov_Clock_Ms();
    Init_Message();
    Fill_Message("Gleiches Bauteil");
    Fill_Message(cp850("(Träger)"));
    Fill_Message("wie zuvor?");
    EXPECT_EQ(Answer_is_Yes(1), 0);
    EXPECT_EQ(Answer_is_Yes(0), 0);
    EXPECT_LT(Kov_Clock_Ms() - t0, 1000);
    const std::string err = testing::internal::GetCapturedStderr();
    // The lines in the terminal's UTF-8 (the code page 850 byte 0x84 is
    // "ä", 0xC3 0xA4), then the answer.
    const std::string once = std::string("Gleiches Bauteil\n(Tr\xC3\xA4ger)\nwie zuvor?\n(Ja/Nein) -> Nein\n");
    EXPECT_EQ(err, once + once);
}

// A console shows the text in its own character set; files keep code page 850.
TEST(MessageWindow, ConsoleTextFollowsTheLocale)
{
    struct Case {
        const char *lc_all, *lc_ctype, *lang;
        const char* expected; // "Büro Müller" in the terminal's bytes
    } const cases[] = {
        {nullptr, nullptr, "de_DE.UTF-8", "B\xC3\xBCro M\xC3\xBCller"},
        {nullptr, nullptr, "de_DE.utf8", "B\xC3\xBCro M\xC3\xBCller"},
        {nullptr, nullptr, nullptr, "B\xC3\xBCro M\xC3\xBCller"},
        {nullptr, nullptr, "C", "B\xC3\xBCro M\xC3\xBCller"},
        {nullptr, nullptr, "de_DE.ISO-8859-1", "B\xFCro M\xFCller"},
        {nullptr, nullptr, "de_DE.iso885915@euro", "B\xFCro M\xFCller"},
        {nullptr, "de_DE.CP850", "de_DE.UTF-8", "B\x81ro M\x81ller"},
        {"de_DE.UTF-8", "de_DE.ISO-8859-1", "de_DE.ISO-8859-1", "B\xC3\xBCro M\xC3\xBCller"},
    };
    for (const Case& c : cases) {
        kovtest::ScopedEnv env;
        env.set("LC_ALL", c.lc_all);
        env.set("LC_CTYPE", c.lc_ctype);
        env.set("LANG", c.lang);
        EXPECT_EQ(Kov_Cp850_To_Console(cp850("Büro Müller")), c.expected) << (c.lang ? c.lang : "-");
    }
}

TEST(MessageWindow, BatchMessagesGoToStandardErrorWithTheirTitle)
{
    kovtest::ScopedEnv env("KOV_UI_MODE", "batch");
    testing::internal::CaptureStderr();
    Set_Message_Title("Installationsfehler");
    Set_Message_Symbol(3, 1, 0, 0);
    Init_Message();
    Fill_Message("Das EXEC-Verzeichnis");
    Fill_Message("ist nicht ermittelbar!");
    EXPECT_EQ(Draw_Message(), 0);
    // Title and symbol belonged to that message only.
    EXPECT_EQ(PrintMessage("Speicher nicht aussreichend!"), 0);
    EXPECT_EQ(PrintMessage("zwei\nZeilen"), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "[Installationsfehler]\nDas EXEC-Verzeichnis\nist nicht ermittelbar!\n"
              "Speicher nicht aussreichend!\n"
              "zwei\nZeilen\n");
}

TEST(MessageWindow, InteractiveWithoutDisplayNeverBlocks)
{
    kovtest::ScopedEnv env;
    // An offscreen application has no one to click: the questions answer no.
    env.set("QT_QPA_PLATFORM", "offscreen");
    env.set("KOV_UI_MODE", "interactive");
    int argc = 1;
    char name[] = "kovmessage_test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    EXPECT_EQ(Kov_Has_Display(), 0);
    EXPECT_EQ(Kov_Ui_Mode(), KOV_UI_BATCH);
    testing::internal::CaptureStderr();
    Init_Message();
    Fill_Message("Frage?");
    EXPECT_EQ(Answer_is_Yes(1), 0);
    Show_Message();
    Quit_Message();
    testing::internal::GetCapturedStderr();
}

TEST(MessageWindow, ScriptedAnswersComeFromTheQueueAndEveryCallIsLogged)
{
    kovtest::ScopedEnv env("KOV_UI_MODE", "scripted");
    ASSERT_EQ(Kov_Ui_Mode(), KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    Kov_Script_Push("answer", 1, nullptr);
    Kov_Script_Push("message", 1, nullptr);
    Kov_Script_Push("answer", 0, nullptr);
    EXPECT_EQ(Kov_Script_Pending("answer"), 2);

    testing::internal::CaptureStderr();
    Init_Message();
    Fill_Message("Frage eins");
    EXPECT_EQ(Answer_is_Yes(1), 1);
    EXPECT_EQ(Answer_is_Yes(0), 0);
    // Empty queue: like Escape.
    EXPECT_EQ(Answer_is_Yes(1), 0);
    Set_Message_Symbol(2, 1, 0, 0);
    EXPECT_EQ(Draw_Message(), 1);
    EXPECT_EQ(Draw_Message(), 0);
    Set_Message_Title("Titel");
    Show_Message();
    Quit_Message();
    EXPECT_EQ(PrintMessage("a\nb"), 0);
    // Nothing reaches the console in scripted mode.
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    EXPECT_STREQ(Kov_Script_Log_Text(), "Init_Message\n"
                                        "Fill_Message Frage eins\n"
                                        "Answer_is_Yes 1 -> 1\n"
                                        "Answer_is_Yes 0 -> 0\n"
                                        "Answer_is_Yes 1 -> 0\n"
                                        "Set_Message_Symbol 2 1 0 0\n"
                                        "Draw_Message -> 1\n"
                                        "Draw_Message -> 0\n"
                                        "Set_Message_Title Titel\n"
                                        "Show_Message\n"
                                        "Quit_Message\n"
                                        "PrintMessage a\nb\n"
                                        "Init_Message\n"
                                        "Fill_Message a\n"
                                        "Fill_Message b\n"
                                        "Draw_Message -> 0\n");
    EXPECT_EQ(Kov_Script_Log_Count(), 16);
    EXPECT_STREQ(Kov_Script_Log_Line(2), "Answer_is_Yes 1 -> 1");
    EXPECT_EQ(Kov_Script_Log_Line(16), nullptr);
    EXPECT_EQ(Kov_Script_Pending("answer"), 0);
}

TEST(MessageWindow, BatchShownMessageAndEmptyLines)
{
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    testing::internal::CaptureStderr();
    Init_Message();
    for (int i = 0; i < 2; ++i) Fill_Message(" ");
    Fill_Message("................... Bitte etwas Geduld ...................");
    Show_Message();
    Quit_Message();
    // A new message starts empty; empty lines inside a text are kept.
    EXPECT_EQ(PrintMessage("oben\n\nunten\n"), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              " \n \n................... Bitte etwas Geduld ...................\n"
              "oben\n\nunten\n");
    Kov_Set_Ui_Mode(-1);
}

namespace {

std::vector<int> screen_pixels()
{
    std::vector<int> v;
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

} // namespace

TEST(MessageWindow, ShownMessageLiesOnTheScreenUntilQuit)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Ui_Reset();
    pxFgc(0x336699);
    pxRect(200, 250, 800, 520);
    const std::vector<int> before = screen_pixels();
    const int sheet = 0xF0F0F0;

    // Eight lines: their block spans 128 pixels around the centre (512, 384),
    // with 16 pixels above and below; the widest line of 58 characters makes
    // the window 464 + 48 pixels wide: (256, 304)-(767, 463).
    Init_Message();
    for (int i = 0; i < 6; ++i) Fill_Message(" ");
    Fill_Message("................... Bitte etwas Geduld ...................");
    Fill_Message(" ");
    Show_Message();
    EXPECT_EQ(Kov_Ui_Pixel(258, 306), sheet);
    EXPECT_EQ(Kov_Ui_Pixel(512, 384), sheet);
    EXPECT_EQ(Kov_Ui_Pixel(765, 461), sheet);
    // Raised: light above, dark below; outside the window the screen stays.
    EXPECT_EQ(Kov_Ui_Pixel(256, 304), 0xFFFFFF);
    EXPECT_EQ(Kov_Ui_Pixel(767, 463), 0x696969);
    EXPECT_EQ(Kov_Ui_Pixel(255, 304), 0x336699);
    EXPECT_EQ(Kov_Ui_Pixel(256, 303), 0x336699);
    EXPECT_EQ(Kov_Ui_Pixel(768, 463), 0x336699);
    EXPECT_EQ(Kov_Ui_Pixel(767, 464), 0x336699);
    // The seventh line in black, centred, its base line 11 pixels into its cell.
    int ink = 0, left = 10000, right = -1;
    for (int y = 416; y < 432; ++y)
        for (int x = 258; x < 766; ++x)
            if (Kov_Ui_Pixel(x, y) == 0) {
                ++ink;
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GT(ink, 100);
    // The dots' ink lies in the middle columns of their cells.
    EXPECT_EQ(left, 512 - 232 + 3);
    EXPECT_EQ(right, 512 + 232 - 4);

    // A second message replaces the first; the screen comes back once.
    Init_Message();
    Set_Message_Title("Titel");
    Fill_Message("kurz");
    Show_Message();
    EXPECT_EQ(Kov_Ui_Pixel(300, 250), 0x336699);
    Quit_Message();
    EXPECT_TRUE(screen_pixels() == before);
    Quit_Message();
    EXPECT_TRUE(screen_pixels() == before);
    Kov_Set_Ui_Mode(-1);
}
