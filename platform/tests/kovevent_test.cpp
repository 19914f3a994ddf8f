// Tests of the event queue: pushed clicks and keys, message waits, idle events and time-outs,
// waits without input, the idle hook and batch runs that never wait.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/kovevent.h"
#include "platform/kovhost.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"

namespace {

class Events : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
    }
    void TearDown() override { Kov_Set_Ui_Mode(-1); }
};

int key_of(const KovMessage& m)
{
    int k;
    std::memcpy(&k, m.bytes + KOV_MESSAGE_KEY, sizeof k);
    return k;
}

void set_timeout(KovMessage* m, int ms) { std::memcpy(m->bytes + KOV_MESSAGE_TIMEOUT, &ms, sizeof ms); }

} // namespace

TEST_F(Events, PushedClickIsAPressThenAReleaseAtItsPoint)
{
    Kov_Ui_Push_Click(100, 50);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_PRESS);
    EXPECT_EQ(M_XPOS, 100);
    EXPECT_EQ(M_YPOS, 50);
    EXPECT_EQ(M_LEFT, 1);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_RELEASE);
    EXPECT_EQ(M_LEFT, 0);
    EXPECT_EQ(M_XPOS, 100);
    Kov_Ui_Push_Press(7, 8, 2);
    Kov_Ui_Push_Wheel(9, 10, 1);
    Kov_Ui_Push_Wheel(9, 10, -2);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_PRESS);
    EXPECT_EQ(M_RIGHT, 1);
    EXPECT_EQ(M_LEFT, 0);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_WHEEL);
    EXPECT_EQ(M_SCROLL, 1);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_WHEEL);
    EXPECT_EQ(M_SCROLL, -2);
    EXPECT_NE(std::string(Kov_Script_Log_Text()).find("Get_Mouse_Event -> 1 (100 50 L1 R0 S0)\n"), std::string::npos);
}

TEST_F(Events, KeysArePeekedAndTaken)
{
    EXPECT_EQ(hitkey(), -1);
    Kov_Ui_Push_Key(315);
    Kov_Ui_Push_Text("a\x84");
    EXPECT_EQ(hitkey(), 315);
    EXPECT_EQ(hitkey(), 315);
    EXPECT_EQ(getkey(), 315);
    EXPECT_EQ(getkey(), 'a');
    EXPECT_EQ(getkey(), 0x84); // ä in code page 850
    EXPECT_EQ(hitkey(), -1);
    // A key does not end a wait for the mouse; it stays queued.
    Kov_Ui_Push_Key(13);
    Kov_Ui_Push_Move(3, 4);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_MOVE);
    EXPECT_EQ(hitkey(), 13);
}

TEST_F(Events, MessageWaitWakesForAKeyOnlyWhenAsked)
{
    KovMessage m;
    InitKOVMessage(&m);
    Kov_Ui_Push_Key(315);
    EXPECT_EQ(GetKOVMessage(0x14022, &m), 0x10000);
    EXPECT_EQ(key_of(m), 315);
    EXPECT_EQ(hitkey(), 315); // still queued for getkey
    EXPECT_EQ(GetKOVMessage(0x14022, &m), 0x10000);
    EXPECT_EQ(getkey(), 315);

    InitKOVMessage(&m);
    Kov_Ui_Push_Key(315);
    Kov_Ui_Push_Move(20, 30);
    EXPECT_EQ(GetKOVMessage(0x84022, &m), 2);
    EXPECT_EQ(M_XPOS, 20);
    EXPECT_EQ(key_of(m), 0);
    EXPECT_EQ(hitkey(), 315);
}

TEST_F(Events, IdleEventEndsAWaitWithATimeOut)
{
    KovMessage m;
    InitKOVMessage(&m);
    set_timeout(&m, 50);
    Kov_Ui_Push_Idle(50);
    Kov_Ui_Push_Move(1, 2);
    EXPECT_EQ(GetKOVMessage(0x40000021, &m), 0x40000000);
    EXPECT_EQ(Kov_Ui_Pending(), 1);
    // Without the time-out bit the idle event is time passing: the move wakes it.
    Kov_Ui_Push_Idle(50);
    Kov_Ui_Push_Idle(50);
    Kov_Ui_Push_Move(5, 6);
    EXPECT_EQ(GetKOVMessage(0x21, &m), 2); // the queued move (1, 2)
    EXPECT_EQ(GetKOVMessage(0x21, &m), 2);
    EXPECT_EQ(M_XPOS, 5);
    EXPECT_EQ(Kov_Ui_Pending(), 0);
}

TEST_F(Events, WithoutInputWaitsForAReleaseAndForAPressEnd)
{
    Kov_Ui_Push_Press(10, 10, 1);
    Get_Mouse_Event();
    ASSERT_EQ(M_LEFT, 1);
    int turns = 0;
    while (M_LEFT) {
        Get_Mouse_Event();
        ASSERT_LT(++turns, 5);
    }
    EXPECT_EQ(M_XPOS, -1);
    EXPECT_EQ(M_YPOS, -1);
    turns = 0;
    do {
        Get_Mouse_Event();
        ASSERT_LT(++turns, 5);
    } while (!M_LEFT);
    EXPECT_EQ(M_XPOS, -1);
    EXPECT_EQ(hitkey(), -1);
    EXPECT_EQ(getkey(), 27);
    // The message wait answers alike, also without a record.
    EXPECT_EQ(GetKOVMessage(0x1400A, nullptr), 2);
    EXPECT_EQ(M_LEFT, 0);
}

TEST_F(Events, EndlessWaitingStopsTheProcess)
{
    EXPECT_EXIT(
        {
            for (;;) Get_Mouse_Event();
        },
        testing::ExitedWithCode(3), "Get_Mouse_Event");
}

TEST_F(Events, RealEventsBetweenAnswersWithoutInputStartTheCountAnew)
{
    for (int i = 0; i < 3000; ++i) {
        if (i % 900 == 0) Kov_Ui_Push_Move(1, 1);
        Get_Mouse_Event();
    }
    SUCCEED();
}

namespace {
std::vector<std::string> g_waits;
void click_when_asked(const char* wait)
{
    g_waits.push_back(wait);
    if (g_waits.size() == 1) Kov_Ui_Push_Click(300, 200);
}
} // namespace

TEST_F(Events, IdleHookMayPushWhatAUserWouldDo)
{
    g_waits.clear();
    Kov_Ui_Set_Idle_Hook(click_when_asked);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_PRESS);
    EXPECT_EQ(M_XPOS, 300);
    EXPECT_EQ(M_YPOS, 200);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_RELEASE);
    ASSERT_EQ(g_waits.size(), 1u);
    EXPECT_EQ(g_waits[0], "Get_Mouse_Event");
    // A hook that pushes nothing: the answer without input.
    KovMessage m;
    InitKOVMessage(&m);
    EXPECT_EQ(GetKOVMessage(0x84022, &m), 2);
    EXPECT_EQ(M_XPOS, -1);
    ASSERT_EQ(g_waits.size(), 2u);
    EXPECT_EQ(g_waits[1], "GetKOVMessage");
}

TEST_F(Events, BatchNeverWaits)
{
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    g_waits.clear();
    Kov_Ui_Set_Idle_Hook(click_when_asked);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_PRESS);
    EXPECT_EQ(M_XPOS, -1);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_RELEASE);
    EXPECT_TRUE(g_waits.empty());
    EXPECT_EQ(hitkey(), -1);
}

TEST_F(Events, ShiftAloneGivesTheKeyMaskOne)
{
    EXPECT_EQ(getkeymask(), 0);
    Kov_Ui_Set_Modifiers(1);
    EXPECT_EQ(getkeymask(), 1);
    Kov_Ui_Set_Modifiers(1 | 2);
    EXPECT_EQ(getkeymask(), 3);
}

TEST_F(Events, CursorStaysInsideRestrictionsAndComesBack)
{
    msStCu(5000, -20);
    int x, y;
    EXPECT_EQ(msStat(&x, &y), 0);
    EXPECT_EQ(x, NPIXEL_X - 1);
    EXPECT_EQ(y, 0);
    msStCu(100, 100);
    Save_Mouse_Position();
    Pop_Mouse_Move_Restriction(200, 300, 400, 350);
    EXPECT_EQ(M_XPOS, 200);
    EXPECT_EQ(M_YPOS, 300);
    Kov_Ui_Push_Move(900, 10);
    Get_Mouse_Event();
    EXPECT_EQ(M_XPOS, 400);
    EXPECT_EQ(M_YPOS, 300);
    Push_Mouse_Move_Restriction();
    Push_Mouse_Move_Restriction(); // unbalanced: nothing
    Restore_Mouse_Position();
    EXPECT_EQ(M_XPOS, 100);
    EXPECT_EQ(M_YPOS, 100);
    Restore_Mouse_Position(); // unbalanced: nothing
    EXPECT_EQ(M_XPOS, 100);
    Kov_Ui_Push_Move(900, 10);
    Get_Mouse_Event();
    EXPECT_EQ(M_XPOS, 900);
    Init_Mouse_Move_Restriction(-50, -50, 99999, 99999); // the screen at most
    Kov_Ui_Push_Press(-10, 99999, 1);
    Get_Mouse_Event();
    EXPECT_EQ(M_XPOS, 0);
    EXPECT_EQ(M_YPOS, NPIXEL_Y - 1);
    EXPECT_EQ(msStat(nullptr, nullptr), 1);
}

namespace {
std::vector<int> g_pauses;
void record_pause(int ms) { g_pauses.push_back(ms); }
} // namespace

TEST_F(Events, SleepMayBeReplacedToCheckPacing)
{
    EXPECT_EQ(Kov_Set_Sleep_Function(record_pause), nullptr);
    KOVSleep(100);
    KOVSleep(120);
    EXPECT_EQ(g_pauses, (std::vector<int>{100, 120}));
    EXPECT_EQ(Kov_Set_Sleep_Function(nullptr), record_pause);
}
