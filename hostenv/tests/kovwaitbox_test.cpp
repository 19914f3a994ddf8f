// Tests of the wait box: the window is built once, status lines are rewritten and cut, batch
// runs print each new status, and nothing shows while message output is off.
#include "hostenv/kovwaitbox.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "base/kovmsg.h"
#include "hostenv/kovtools.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

namespace {

const int kSheet = 0xF0F0F0; // GetKOVColor(-1)

std::vector<int> screen_pixels()
{
    std::vector<int> v;
    v.reserve(size_t(NPIXEL_X) * size_t(NPIXEL_Y));
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

int count_of(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

// Pixels in the rectangle that are not of the colour.
int other_than(int x1, int y1, int x2, int y2, int colour)
{
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (Kov_Ui_Pixel(x, y) != colour) ++n;
    return n;
}

class WaitBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        Kov_Tools_Reset();
        Msg_Reset();
        Msg_On();
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        env.set("DATA", KOV_SOURCE_DIR "/data");
    }
    void TearDown() override
    {
        Msg_On();
        Wait_Box_Close();
        Kov_Tools_Reset();
        Kov_Set_Ui_Mode(-1);
    }
    // The status line as drawn: the text of the last pxBTxt in the log.
    std::string log() const { return Kov_Script_Log_Text(); }
    // Waits (at most 3 s) until the spinner has drawn its first frame.
    bool spinner_drew() const
    {
        for (int i = 0; i < 300; ++i) {
            if (std::string(Kov_Script_Log_Text()).find("Anima2.bmp 1 1 84 84") != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    kovtest::ScopedEnv env;
};

const int cx = 512, cy = 384;

// The status text was drawn and flushed to the screen. The spinner draws from
// its own thread, so its lines may come between the text and the flush.
bool flushed_after(const std::string& log, const std::string& text)
{
    const size_t at = log.find(text);
    return at != std::string::npos && log.find("pxFlsh\n", at + text.size()) != std::string::npos;
}

} // namespace

TEST_F(WaitBox, UpdateBeforeAnyPrintfShowsNothing)
{
    const std::vector<int> before = screen_pixels();
    Wait_Box_Update("Schritt %d", 1);
    Wait_Box_Close();
    EXPECT_EQ(log(), "");
    EXPECT_EQ(Wait_Box_Shown(), 0);
    EXPECT_EQ(Kov_Spinner_Running(), 0);
    EXPECT_TRUE(screen_pixels() == before);
}

TEST_F(WaitBox, TwoPrintfsBuildTheWindowOnceAndRewriteTheStatusLine)
{
    const std::vector<int> before = screen_pixels();
    Wait_Box_Printf("Lese %s", "Daten");
    Wait_Box_Printf("Rechne Kombination %d von %d", 3, 12);
    Wait_Box_Update("Schreibe %s", "Liste");
    EXPECT_EQ(Wait_Box_Shown(), 1);
    EXPECT_EQ(Kov_Spinner_Running(), 1);
    const std::string l = log();
    EXPECT_EQ(count_of(l, "Init_Message\n"), 1) << l;
    EXPECT_EQ(count_of(l, "Show_Message\n"), 1) << l;
    EXPECT_EQ(count_of(l, "Fill_Message  \n"), 7) << l;
    EXPECT_EQ(count_of(l, "Fill_Message ................... Bitte etwas Geduld ...................\n"), 1) << l;
    const std::string status = "pxFgc 15790320\npxRect 381 431 635 443\npxFgc 0\npxSFnt 4098\npxBTxt 512 437 512 437 ";
    EXPECT_TRUE(flushed_after(l, status + "Lese Daten 210\n")) << l;
    EXPECT_TRUE(flushed_after(l, status + "Rechne Kombination 3 von 12 210\n")) << l;
    EXPECT_TRUE(flushed_after(l, status + "Schreibe Liste 210\n")) << l;
    // The status line lies inside the message window, below its text line.
    EXPECT_EQ(Kov_Ui_Pixel(cx - 131, cy + 47), kSheet);
    EXPECT_EQ(Kov_Ui_Pixel(cx + 123, cy + 59), kSheet);
    EXPECT_GT(other_than(cx - 131, cy + 47, cx + 123, cy + 59, kSheet), 20);
    EXPECT_GT(other_than(cx - 230, cy + 32, cx + 230, cy + 46, kSheet), 100);

    Wait_Box_Close();
    // The spinner's thread has ended before the window goes.
    EXPECT_EQ(Kov_Spinner_Running(), 0);
    EXPECT_EQ(Wait_Box_Shown(), 0);
    EXPECT_NE(log().find("Quit_Message"), std::string::npos);
    EXPECT_TRUE(screen_pixels() == before);
    // Closed is closed: an update shows nothing, a second close does nothing.
    Kov_Script_Clear_Log();
    Wait_Box_Update("noch einmal");
    Wait_Box_Close();
    EXPECT_EQ(log(), "");
}

TEST_F(WaitBox, NothingHappensWhileMessageOutputIsOff)
{
    const std::vector<int> before = screen_pixels();
    Msg_Off();
    Wait_Box_Printf("Lese %s", "Daten");
    Wait_Box_Update("Rechne");
    Wait_Box_Close();
    EXPECT_EQ(log(), "");
    EXPECT_EQ(Wait_Box_Shown(), 0);
    EXPECT_EQ(Kov_Spinner_Running(), 0);
    EXPECT_TRUE(screen_pixels() == before);
}

TEST_F(WaitBox, StatusLineIsCutAt255Characters)
{
    const std::string long_text(400, 'x');
    Wait_Box_Printf("%s", long_text.c_str());
    EXPECT_NE(log().find("pxBTxt 512 437 512 437 " + std::string(255, 'x') + " 210\n"), std::string::npos);
    Wait_Box_Printf(nullptr);
    EXPECT_NE(log().find("pxBTxt 512 437 512 437  210\n"), std::string::npos);
}

TEST_F(WaitBox, BatchRunsPrintEachNewStatusLine)
{
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    testing::internal::CaptureStderr();
    Wait_Box_Printf("Lese Daten");
    Wait_Box_Update("Lese Daten");
    Wait_Box_Update("Rechne");
    Wait_Box_Close();
    Wait_Box_Printf("Rechne");
    Wait_Box_Close();
    const std::string message = " \n \n \n \n \n \n................... Bitte etwas Geduld ...................\n \n";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), message + "Lese Daten\nRechne\n" + message + "Rechne\n");
}

TEST_F(WaitBox, PictureOfTheWaitBoxIsKeptForAPerson)
{
    const std::string dir = kovtest::kept_dir("hostenv_screen", "waitbox");
    ASSERT_FALSE(dir.empty());
    Wait_Box_Printf("Rechne Kombination %d von %d", 3, 12);
    ASSERT_TRUE(spinner_drew());
    // The spinner's dots lie on the window where its key colour is.
    // The spinner's thread logs its frame before it puts the pixels down.
    int dots = 0;
    for (int i = 0; i < 300 && (dots = other_than(cx - 48, cy - 62, cx + 35, cy + 21, kSheet)) <= 100; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_GT(dots, 100);
    EXPECT_EQ(Kov_Ui_Pixel(cx - 6, cy - 20), kSheet);
    EXPECT_EQ(Kov_Ui_Save_Png((dir + "/wait-box.png").c_str()), 1);
    Wait_Box_Close();
}
