// Tests of the message collector: each output mode, the leading codes, text limits, repeated
// messages and the ten message lists.
#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "platform/kovscript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class MsgTest : public testing::Test {
protected:
    void SetUp() override
    {
        Msg_Reset();
        Console_Set_Output(1);
        Kov_Set_Ui_Mode(KOV_UI_BATCH);
    }
    void TearDown() override
    {
        Msg_Reset();
        Kov_Set_Ui_Mode(-1);
    }

    static std::vector<std::string> lines(int list)
    {
        std::vector<std::string> v;
        for (int i = 0; i < Msg_List_Count(list); ++i) v.emplace_back(Msg_List_Line(list, i));
        return v;
    }
};

std::vector<std::string> g_drawn;
void record_draw(const char* line) { g_drawn.emplace_back(line); }

} // namespace

// ---- output modes ------------------------------------------------------------------------

TEST_F(MsgTest, SwitchedOffSaysNothing)
{
    Msg_Set_Output_Mode(1);
    Msg_Off();
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Msg_Printf("nichts %d", 1);
    Msg_Fehler(-1, "nichts");
    Msg_Set_Output_Mode(0);
    Msg_Printf("auch nichts");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    Msg_On();
    Msg_Set_Output_Mode(1);
    testing::internal::CaptureStdout();
    Msg_Printf("wieder da");
    const char* empty_format = "";
    Msg_Printf(empty_format); // no format, no line
    Msg_Printf(nullptr);
    Msg_Printf("%s", ""); // a format giving an empty text is a line
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "wieder da\n\n");
}

TEST_F(MsgTest, ConsoleModeDropsLeadingCodes)
{
    Msg_Set_Output_Mode(1);
    testing::internal::CaptureStdout();
    Msg_Printf("^b^2Wert %d", 5);
    Msg_Printf("^x^pText mit ^b innen");
    Msg_Printf("^"); // a lone caret is text
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Wert 5\nText mit ^b innen\n^\n");
}

TEST_F(MsgTest, HostWindowModeShowsTextWithoutCodes)
{
    // Mode 0, and every mode outside 1..4, is the host's message window.
    for (int mode : {0, 5, -3}) {
        Msg_Set_Output_Mode(mode);
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Msg_Printf("^bAchtung %d", mode);
        EXPECT_EQ(std::string(Kov_Script_Log_Text()).find("PrintMessage Achtung " + std::to_string(mode)), 0u)
            << Kov_Script_Log_Text();
    }
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    Msg_Set_Output_Mode(0);
    testing::internal::CaptureStderr();
    Msg_Printf("^bim Fenster");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("im Fenster\n"), std::string::npos);
}

TEST_F(MsgTest, DiscardModeOutputsNothing)
{
    Msg_List_New();
    Msg_Set_Output_Mode(3);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Msg_Printf("weg");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(Msg_Current_Count(), 0);
}

TEST_F(MsgTest, ConsoleFlagTurnsPageModeIntoConsoleForGood)
{
    Msg_Set_Draw_Hook(record_draw);
    g_drawn.clear();
    Msg_Set_Output_Mode(4);
    Msg_Set_Console(1);
    testing::internal::CaptureStdout();
    Msg_Printf("^bauf die Konsole");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "auf die Konsole\n");
    EXPECT_EQ(Msg_Output_Mode(), 1);
    EXPECT_TRUE(g_drawn.empty());
}

TEST_F(MsgTest, PageModeGoesThroughTheDrawHookWithCodes)
{
    MessageCollector* c = Msg_Collector();
    c->draw_x = 99;
    c->draw_y = 99;
    Msg_Set_Output_Mode(4);
    EXPECT_EQ(c->draw_x, 15);
    EXPECT_EQ(c->draw_y, 20);
    // Without a page to draw on, the line goes to the console.
    testing::internal::CaptureStdout();
    Msg_Printf("^bohne Seite");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ohne Seite\n");

    Msg_Set_Draw_Hook(record_draw);
    g_drawn.clear();
    Msg_Hinweis_Current("Wert %d begrenzt", 7);
    ASSERT_EQ(g_drawn.size(), 1u);
    EXPECT_EQ(g_drawn[0], "^bHINWEIS: Wert 7 begrenzt.");
}

TEST_F(MsgTest, PrintfModeRestoresPreviousMode)
{
    Msg_List_New();
    Msg_Set_Output_Mode(1);
    testing::internal::CaptureStdout();
    Msg_Printf_Mode(2, "in die Liste");
    Msg_Collect("auch %s", "hinein");
    Msg_Printf("Konsole");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Konsole\n");
    EXPECT_EQ(Msg_Output_Mode(), 1);
    EXPECT_EQ(lines(0), (std::vector<std::string>{"in die Liste\n", "auch hinein\n"}));

    // Back to page mode: the draw position starts anew.
    Msg_Set_Output_Mode(4);
    Msg_Collector()->draw_y = 60;
    Msg_Printf_Mode(2, "noch eine");
    EXPECT_EQ(Msg_Output_Mode(), 4);
    EXPECT_EQ(Msg_Collector()->draw_y, 20);

    // The console flag changes only the temporary mode.
    Msg_Set_Output_Mode(2);
    Msg_Set_Console(1);
    testing::internal::CaptureStdout();
    Msg_Printf_Mode(0, "^bvorübergehend");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "vorübergehend\n");
    EXPECT_EQ(Msg_Output_Mode(), 2);
}

// ---- formatters -------------------------------------------------------------------------

TEST_F(MsgTest, FormattersComposeTheirLines)
{
    ASSERT_EQ(Msg_List_New(), 0);
    Msg_Set_Output_Mode(2);
    Msg_Fehler(-1, "Datei %s fehlt", "a.nad");
    Msg_Warnung(-1, "Winkel %d", 95);
    Msg_Hinweis(-1, "Wert %.1f", 2.5);
    Msg_Fehler_Current("F2");
    Msg_Warnung_Current("W2");
    Msg_Hinweis_Current("H2");
    EXPECT_EQ(lines(0), (std::vector<std::string>{
                            "^bFEHLER: Datei a.nad fehlt!\n",
                            "^bWARNUNG: Winkel 95!\n",
                            "^bHINWEIS: Wert 2.5.\n",
                            "^bFEHLER: F2!\n",
                            "^bWARNUNG: W2!\n",
                            "^bHINWEIS: H2.\n",
                        }));
}

TEST_F(MsgTest, FormatterWithModeUsesItOnce)
{
    ASSERT_EQ(Msg_List_New(), 0);
    Msg_Set_Output_Mode(1);
    testing::internal::CaptureStdout();
    Msg_Hinweis(-1, "Wert %d", 3);    // current mode: console
    Msg_Fehler(2, "gesammelt");       // given mode: into the list
    Msg_Warnung(1, "100%% erreicht"); // formatted once: the % stays
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "HINWEIS: Wert 3.\nWARNUNG: 100% erreicht!\n");
    EXPECT_EQ(Msg_Output_Mode(), 1);
    EXPECT_EQ(lines(0), (std::vector<std::string>{"^bFEHLER: gesammelt!\n"}));
}

TEST_F(MsgTest, TextsAreCutToTheirLimits)
{
    const std::string long_text(700, 'x');
    Msg_Set_Output_Mode(1);
    testing::internal::CaptureStdout();
    Msg_Printf("%s", long_text.c_str());
    Msg_Fehler(-1, "%s", long_text.c_str());
    const std::string out = testing::internal::GetCapturedStdout();
    // 500 characters of the message; the composed line holds 499 with its codes.
    const std::string composed = ("^bFEHLER: " + long_text).substr(0, 499).substr(2);
    EXPECT_EQ(out, std::string(500, 'x') + "\n" + composed + "\n");

    ASSERT_EQ(Msg_List_New(), 0);
    Msg_Collect("%s", long_text.c_str());
    ASSERT_EQ(Msg_List_Count(0), 1);
    EXPECT_EQ(std::string(Msg_List_Line(0, 0)), std::string(498, 'x') + "\n");
    // The same long text again is recognised as already stored.
    Msg_Collect("%s", long_text.c_str());
    EXPECT_EQ(Msg_List_Count(0), 1);
}

// ---- lists ---------------------------------------------------------------------------------

TEST_F(MsgTest, RepeatedMessagesAppearOnce)
{
    const struct {
        const char* first;
        const char* second;
        int count;
    } cases[] = {
        {"abc", "abc", 1},    // three letters twice: once
        {"ab", "ab", 2},      // two letters are always kept
        {"abcdef", "abc", 1}, // a stored line beginning with the text
        {"abc", "abcdef", 2}, // a longer text is new
        {"abc", "abd", 2},    {"^bFEHLER: x!", "^bFEHLER: x!", 1},
    };
    Msg_Set_Output_Mode(2);
    for (const auto& c : cases) {
        const int list = Msg_List_New();
        ASSERT_EQ(list, 0);
        Msg_Printf("%s", c.first);
        Msg_Printf("%s", c.second);
        EXPECT_EQ(Msg_List_Count(list), c.count) << c.first << " / " << c.second;
        Msg_List_Free(list);
    }
}

TEST_F(MsgTest, ListGrowsByTenLines)
{
    ASSERT_EQ(Msg_List_New(), 0);
    Msg_Set_Output_Mode(2);
    const int blocks = Mem_Live_Blocks();
    for (int i = 0; i < 10; ++i) Msg_Printf("Zeile %02d", i);
    EXPECT_EQ(Msg_Collector()->lists[0].capacity, 10);
    Msg_Printf("Zeile %02d", 10);
    EXPECT_EQ(Msg_Collector()->lists[0].capacity, 20);
    ASSERT_EQ(Msg_List_Count(0), 11);
    for (int i = 0; i < 11; ++i) {
        char expect[32];
        snprintf(expect, sizeof expect, "Zeile %02d\n", i);
        EXPECT_STREQ(Msg_List_Line(0, i), expect);
    }
    EXPECT_EQ(Msg_Current_Count(), 11);
    EXPECT_EQ(Mem_Live_Blocks(), blocks + 1);
    Msg_List_Free(0);
    EXPECT_EQ(Mem_Live_Blocks(), blocks);
    EXPECT_EQ(Msg_List_Count(0), 0);
}

TEST_F(MsgTest, CollectingWithoutListKeepsNothing)
{
    Msg_Set_Output_Mode(2);
    Msg_Printf("niemand sammelt");
    EXPECT_EQ(Msg_Current_Count(), 0);
    EXPECT_EQ(Msg_List_Line(0, 0), nullptr);
}

TEST_F(MsgTest, TenListsThenNone)
{
    for (int i = 0; i < 10; ++i) EXPECT_EQ(Msg_List_New(), i);
    EXPECT_EQ(Msg_List_New(), -1);
    Msg_Set_Output_Mode(2);
    Msg_List_Select(3);
    Msg_Printf("alt");
    Msg_List_Set_Title(3, "Titel");
    Msg_List_Set_Symbol(3, 2);
    Msg_List_Free(3);
    EXPECT_EQ(Msg_List_New(), 3);
    EXPECT_EQ(Msg_List_Count(3), 0);
    EXPECT_STREQ(Msg_Collector()->lists[3].title, "");
    EXPECT_EQ(Msg_Collector()->lists[3].symbol, -1);
    EXPECT_EQ(Msg_Collector()->current, 3);
}

TEST_F(MsgTest, IndexesOutsideTheTenListsAreRefused)
{
    ASSERT_EQ(Msg_List_New(), 0);
    const int outside[] = {-1, 10, 11, 1000, -2147483647 - 1};
    for (int index : outside) {
        EXPECT_EQ(Msg_List_Select(index), 2) << index;
        EXPECT_EQ(Msg_List_Set_Title(index, "x"), 2) << index;
        EXPECT_EQ(Msg_List_Set_Symbol(index, 1), 2) << index;
        EXPECT_EQ(Msg_List_Count(index), 0) << index;
        EXPECT_EQ(Msg_List_Line(index, 0), nullptr) << index;
        Msg_List_Free(index);
    }
    EXPECT_EQ(Msg_Collector()->current, 0);
}

TEST_F(MsgTest, FreeListsAreNotSelectedOrTitled)
{
    ASSERT_EQ(Msg_List_New(), 0);
    EXPECT_EQ(Msg_List_Select(1), 1);
    EXPECT_EQ(Msg_Collector()->current, 0);
    EXPECT_EQ(Msg_List_Set_Title(1, "x"), 1);
    EXPECT_EQ(Msg_List_Set_Symbol(1, 3), 1);
    EXPECT_EQ(Msg_List_Select(0), 0);
    EXPECT_EQ(Msg_List_Set_Symbol(0, 3), 0);
    Msg_List_Free(1); // nothing to do
}

TEST_F(MsgTest, TitleKeeps199Characters)
{
    ASSERT_EQ(Msg_List_New(), 0);
    const std::string title(300, 't');
    EXPECT_EQ(Msg_List_Set_Title(0, title.c_str()), 0);
    EXPECT_EQ(std::string(Msg_Collector()->lists[0].title), std::string(199, 't'));
}

// ---- questions -----------------------------------------------------------------------------

TEST_F(MsgTest, QuestionAsksTheCurrentListInTheHostWindow)
{
    ASSERT_EQ(Msg_List_New(), 0);
    Msg_List_Set_Title(0, "Frage");
    Msg_List_Set_Symbol(0, 4);
    Msg_Set_Output_Mode(2);
    Msg_Fehler(-1, "Datei fehlt");
    Msg_Printf("^2Weiter?");
    Msg_Set_Output_Mode(0);

    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    Kov_Script_Push("answer", 1, nullptr);
    EXPECT_NE(Msg_Ask_Yes_No(), 0);
    EXPECT_STREQ(Kov_Script_Log_Text(), "Init_Message\n"
                                        "Set_Message_Title Frage\n"
                                        "Set_Message_Symbol 4 0 0 0\n"
                                        "Fill_Message FEHLER: Datei fehlt!\n"
                                        "Fill_Message Weiter?\n"
                                        "Answer_is_Yes 1 -> 1\n");

    Kov_Script_Reset();
    EXPECT_EQ(Msg_Ask_Yes_No_Alt(), 0); // empty queue: no
    const std::string log = Kov_Script_Log_Text();
    EXPECT_NE(log.find("Answer_is_Yes 0 -> 0"), std::string::npos) << log;

    // Batch: answers no without blocking.
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Msg_Ask_Yes_No(), 0);
    testing::internal::GetCapturedStderr();
}

TEST_F(MsgTest, QuestionNotAskedOnConsoleFreeListOrWhenOff)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    Kov_Script_Push("answer", 1, nullptr);
    EXPECT_EQ(Msg_Ask_Yes_No(), 0); // current list free
    ASSERT_EQ(Msg_List_New(), 0);
    Msg_Collect("Frage");
    Msg_Set_Output_Mode(1);
    EXPECT_EQ(Msg_Ask_Yes_No(), 0); // console mode
    Msg_Set_Output_Mode(0);
    Msg_Off();
    EXPECT_EQ(Msg_Ask_Yes_No_Alt(), 0); // switched off
    EXPECT_EQ(Kov_Script_Log_Count(), 0);
    EXPECT_EQ(Kov_Script_Pending("answer"), 1);
}
