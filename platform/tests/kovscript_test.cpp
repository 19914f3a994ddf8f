// Tests of the user-interface mode chosen by KOV_UI_MODE or by a test, and of the scripted queue
// of answers with its log of every call.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

TEST(Script, QueueChannelsAreIndependentAndTextsBounded)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    Kov_Script_Push("key", 27, nullptr);
    Kov_Script_Push("text", 0, "abcdefgh");
    Kov_Script_Push("key", 13, nullptr);
    intptr_t v = -1;
    char buf[5];
    EXPECT_EQ(Kov_Script_Pop("text", &v, buf, sizeof buf), 1);
    EXPECT_STREQ(buf, "abcd");
    EXPECT_EQ(Kov_Script_Pop("key", &v, nullptr, 0), 1);
    EXPECT_EQ(v, 27);
    EXPECT_EQ(Kov_Script_Pop("key", &v, nullptr, 0), 1);
    EXPECT_EQ(v, 13);
    EXPECT_EQ(Kov_Script_Pop("key", &v, nullptr, 0), 0);
    // Log lines stay valid while more are added.
    Kov_Script_Log("first");
    const char* first = Kov_Script_Log_Line(0);
    for (int i = 0; i < 100; ++i) Kov_Script_Log("line %d", i);
    EXPECT_STREQ(first, "first");
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    Kov_Script_Log("not logged");
    EXPECT_EQ(Kov_Script_Log_Count(), 101);
    Kov_Set_Ui_Mode(-1);
}

// The mode comes from the environment unless a test sets one; a word the program does not know,
// or interactive without a display (no widget application here), never waits for a user.
TEST(Script, ModeFromTheEnvironmentNeverWaitsWithoutADisplay)
{
    Kov_Set_Ui_Mode(-1);
    kovtest::ScopedEnv env("KOV_UI_MODE", "scripted");
    EXPECT_EQ(Kov_Ui_Mode(), KOV_UI_SCRIPTED);
    env.set("KOV_UI_MODE", "batch");
    EXPECT_EQ(Kov_Ui_Mode(), KOV_UI_BATCH);
    EXPECT_EQ(Kov_Has_Display(), 0);
    for (const char* v : {"interactive", "Scripted", "", "x"}) {
        env.set("KOV_UI_MODE", v);
        EXPECT_EQ(Kov_Ui_Mode(), KOV_UI_BATCH) << v;
    }
    env.unset("KOV_UI_MODE");
    EXPECT_EQ(Kov_Ui_Mode(), KOV_UI_BATCH);
    // A mode set by a test holds over the environment until it is taken back; an unknown one
    // takes it back.
    env.set("KOV_UI_MODE", "batch");
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    EXPECT_EQ(Kov_Ui_Mode(), KOV_UI_SCRIPTED);
    Kov_Set_Ui_Mode(7);
    EXPECT_EQ(Kov_Ui_Mode(), KOV_UI_BATCH);
}

TEST(Script, LogLinesAreFormattedCountedAndCleared)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    EXPECT_STREQ(Kov_Script_Log_Text(), "");
    Kov_Script_Log("pxRect %d %d %d %d", 1, 2, 3, 4);
    Kov_Script_Log("Titel %s", "Gr\x94\xE1"
                               "e");
    Kov_Script_Log("%s", "");
    Kov_Script_Log(nullptr);
    EXPECT_EQ(Kov_Script_Log_Count(), 3);
    EXPECT_STREQ(Kov_Script_Log_Line(1), "Titel Gr\x94\xE1"
                                         "e");
    EXPECT_STREQ(Kov_Script_Log_Text(), "pxRect 1 2 3 4\nTitel Gr\x94\xE1"
                                        "e\n\n");
    EXPECT_EQ(Kov_Script_Log_Line(-1), nullptr);
    EXPECT_EQ(Kov_Script_Log_Line(3), nullptr);
    // Clearing the log keeps the queued answers; a reset drops both.
    Kov_Script_Push("key", 13, nullptr);
    Kov_Script_Clear_Log();
    EXPECT_EQ(Kov_Script_Log_Count(), 0);
    EXPECT_EQ(Kov_Script_Pending("key"), 1);
    EXPECT_EQ(Kov_Script_Pending("text"), 0);
    Kov_Script_Log("x");
    Kov_Script_Reset();
    EXPECT_EQ(Kov_Script_Pending("key"), 0);
    EXPECT_EQ(Kov_Script_Log_Count(), 0);
    // An answer without text gives an empty text, not the last one.
    Kov_Script_Push("text", 0, nullptr);
    char buf[8] = "alt";
    intptr_t v = -1;
    EXPECT_EQ(Kov_Script_Pop("text", &v, buf, sizeof buf), 1);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(v, 0);
    Kov_Set_Ui_Mode(-1);
}
