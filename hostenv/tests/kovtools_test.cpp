// Tests of the tool launchers: the archiver, the component selection through the stand-in
// tool, the wait for a tool's window and its wait box, and the plan editor.
#include "hostenv/kovtools.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

#include <signal.h>

#include "platform/kovcp.h"
#include "platform/kovhost.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"
#include "test_support/runtool.h"
#include "tool_fixture.h"

namespace {

using kovtest::exists;
using kovtest::read_file;
using kovtest::write_file;

class KovTools : public ::testing::Test {
protected:
    void SetUp() override
    {
        Kov_Tools_Reset();
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Tool_Virtual_Reset();
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir = kovtest::kept_dir("hostenv_tools_tmp", "tools_" + name);
        ASSERT_FALSE(dir.empty());
        temp = dir + "/temp";
        exec = dir + "/exec";
        std::error_code ec;
        std::filesystem::create_directories(temp, ec);
        ASSERT_FALSE(ec) << temp;
        std::filesystem::create_directories(exec, ec);
        ASSERT_FALSE(ec) << exec;
        env.set("TEMP", temp);
        env.set("EXEC", exec);
        env.set("KOV_TOOL_HOLD_MS", "100");
        env.set("KOV_BAUWAHL_ARGS", dir + "/args.txt");
        env.unset("KOV_BAUWAHL_ANSWER");
    }
    void TearDown() override
    {
        Kov_Tools_Reset();
        KOVUnregisterWindow("KOV - Bauteilauswahl");
        KOVUnregisterWindow("KOV - Planbearbeitung");
    }
    std::string log() const { return Kov_Script_Log_Text(); }
    bool have_7za() const { return exists("/usr/bin/7za"); }
    std::string dir, temp, exec;
    kovtest::ScopedEnv env;
};

std::string g(const std::string& s) { return "\xAE" + s + "\xAF"; }

} // namespace

// ---- archiver ------------------------------------------------------------------------

TEST_F(KovTools, UnpackRefusesBeforeRunningAnything)
{
    write_file(dir + "/a.7z", "not really an archive");
    EXPECT_EQ(Kov_Unpack_7za((dir + "/missing.7z").c_str(), "AAAA.EX2", temp.c_str()), 1);
    EXPECT_EQ(Kov_Unpack_7za(nullptr, "AAAA.EX2", temp.c_str()), 1);
    EXPECT_EQ(Kov_Unpack_7za((dir + "/a.7z").c_str(), "AAAA.EX2", (dir + "/no/such").c_str()), 2);
    env.unset("EXEC");
    EXPECT_EQ(Kov_Unpack_7za((dir + "/a.7z").c_str(), "AAAA.EX2", temp.c_str()), 3);
    env.set("EXEC", exec);
    env.unset("TEMP");
    EXPECT_EQ(Kov_Unpack_7za((dir + "/a.7z").c_str(), "AAAA.EX2", dir.c_str()), 4);
    EXPECT_EQ(log().find("setMouseCursor"), std::string::npos) << log();
    EXPECT_FALSE(exists(temp + "/7zprot.txt"));
}

TEST_F(KovTools, UnpacksAMemberOfARealArchive)
{
    if (!have_7za()) GTEST_SKIP() << "7za is not installed";
    const std::string bytes = std::string("EX2 \xAE"
                                          "Binder\xAF\n\x01\x02\xFF",
                                          15);
    const std::string src = dir + "/src";
    std::error_code ec;
    std::filesystem::create_directories(src, ec);
    std::filesystem::create_directories(dir + "/out dir", ec);
    ASSERT_FALSE(ec);
    write_file(src + "/AAAA.EX2", bytes);
    write_file(src + "/OTHER.TXT", "other");
    kovtest::ToolOptions in_src;
    in_src.folder = src;
    ASSERT_EQ(kovtest::Run_Tool({"7za", "a", "-bd", "../comp.7z", "AAAA.EX2", "OTHER.TXT"}, in_src).exit_code, 0);

    setMouseCursor(2);
    Kov_Script_Clear_Log();
    const std::string out = dir + "/out dir"; // a blank in the name needs no quoting
    EXPECT_EQ(Kov_Unpack_7za((dir + "/comp.7z").c_str(), "AAAA.EX2", out.c_str()), 0);
    EXPECT_EQ(read_file(out + "/AAAA.EX2"), bytes);
    EXPECT_FALSE(exists(out + "/OTHER.TXT"));
    EXPECT_NE(read_file(temp + "/7zprot.txt").find("Everything is Ok"), std::string::npos);
    EXPECT_EQ(currentMouseCursor(), 2);
    EXPECT_NE(log().find("setMouseCursor 6\nsetMouseCursor 2\n"), std::string::npos) << log();

    // Host path with backslashes; -y replaces the file extracted before.
    write_file(out + "/AAAA.EX2", "old");
    EXPECT_EQ(Kov_Unpack_7za((dir + "\\comp.7z").c_str(), "AAAA.EX2", (dir + "\\out dir").c_str()), 0);
    EXPECT_EQ(read_file(out + "/AAAA.EX2"), bytes);

    // A member that is not in the archive, and a damaged archive, fail.
    EXPECT_EQ(Kov_Unpack_7za((dir + "/comp.7z").c_str(), "NOPE.EX2", out.c_str()), 5);
    EXPECT_FALSE(exists(out + "/NOPE.EX2"));
    write_file(dir + "/bad.7z", "7z? no");
    EXPECT_EQ(Kov_Unpack_7za((dir + "/bad.7z").c_str(), "AAAA.EX2", temp.c_str()), 5);
    EXPECT_FALSE(exists(temp + "/AAAA.EX2"));
}

// ---- component selection ------------------------------------------------------------

TEST_F(KovTools, SelectComponentReadsTheAnswerOfTheStandInTool)
{
    Tool_Link(exec, "Bauwahl", "Bauwahl");
    write_file(dir + "/answer1", "12 34 " + g("Dachbinder") + g("t2") + "\n" + g("t3") + " " +
                                     g("C:\\Projekte\\Pos 12") + g("t5") + g("t6") + " 1 " +
                                     g("C:\\Projekte\\Pos12.7z") + "\n");
    env.set("KOV_BAUWAHL_ANSWER", dir + "/answer1");
    const auto start = std::chrono::steady_clock::now();
    KovComponentSelection* c = Kov_Select_Component(3);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(read_file(dir + "/args.txt"), "3\n");
    EXPECT_EQ(c->a, 12);
    EXPECT_EQ(c->b, 34);
    EXPECT_STREQ(c->name, "Dachbinder");
    EXPECT_STREQ(c->text2, "t2");
    EXPECT_STREQ(c->text3, "t3");
    EXPECT_STREQ(c->path, "C:\\Projekte\\Pos 12");
    EXPECT_STREQ(c->text5, "t5");
    EXPECT_STREQ(c->text6, "t6");
    EXPECT_EQ(c->packed, 1);
    EXPECT_STREQ(c->archive, "C:\\Projekte\\Pos12.7z");
    EXPECT_FALSE(exists(temp + "/Bauwahl.tmp"));
    EXPECT_NE(log().find("pxText 402 374 " + std::string(cp850("Bitte wählen Sie ein Bauteil aus"))),
              std::string::npos);

    // A second answer without its sixth text keeps the sixth of the first;
    // packed and archive start again.
    write_file(dir + "/answer2", "1 2 " + g("Pfette") + g("") + g("") + g("/p/Pos13") + g("") + " 0\n");
    env.set("KOV_BAUWAHL_ANSWER", dir + "/answer2");
    c = Kov_Select_Component(3);
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c->name, "Pfette");
    EXPECT_STREQ(c->text2, "");
    EXPECT_STREQ(c->text6, "t6");
    EXPECT_EQ(c->packed, 0);
    EXPECT_STREQ(c->archive, "");

    // Overlong texts are cut to their fields and the fields after them still read.
    write_file(dir + "/answer3", "1 2 " + g(std::string(60, 'n')) + g("") + g("") + g(std::string(300, 'p')) + g("") +
                                     g("x") + " 1 " + g(std::string(280, 'a')) + "\n");
    env.set("KOV_BAUWAHL_ANSWER", dir + "/answer3");
    c = Kov_Select_Component(3);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(std::string(c->name), std::string(39, 'n'));
    EXPECT_EQ(std::string(c->path), std::string(259, 'p'));
    EXPECT_STREQ(c->text6, "x");
    EXPECT_EQ(c->packed, 1);
    EXPECT_EQ(std::string(c->archive), std::string(259, 'a'));
}

TEST_F(KovTools, AnswersWithoutNameOrPathOrCancelledAreNoSelection)
{
    Tool_Link(exec, "Bauwahl", "Bauwahl");
    write_file(dir + "/good", "1 2 " + g("Binder") + g("") + g("") + g("/p/Pos1") + g("") + g("") + " 0\n");
    env.set("KOV_BAUWAHL_ANSWER", dir + "/good");
    ASSERT_NE(Kov_Select_Component(3), nullptr);

    const std::string answers[] = {
        "1 2 " + g("") + g("") + g("") + g("/p/Pos2") + g("") + g("") + " 0\n",       // empty name
        "1 2 " + g("Pfette") + g("") + g("") + g("") + g("") + g("") + " 0\n",        // empty path
        "1 2 " + g("Pfette") + g("") + g("") + "\n",                                  // no path at all
        "1 2 " + g("Pfette") + g("") + g("") + g("/p/Pos2") + g("") + g("") + " 1\n", // packed, no archive
    };
    for (const std::string& a : answers) {
        SCOPED_TRACE(a);
        write_file(dir + "/answer", a);
        env.set("KOV_BAUWAHL_ANSWER", dir + "/answer");
        EXPECT_EQ(Kov_Select_Component(3), nullptr);
        EXPECT_FALSE(exists(temp + "/Bauwahl.tmp"));
    }
    // Cancelled: no answer file; an old one is not taken for an answer.
    env.unset("KOV_BAUWAHL_ANSWER");
    write_file(temp + "/Bauwahl.tmp", "1 2 " + g("Alt") + g("") + g("") + g("/p/Alt") + g("") + g("") + " 0\n");
    EXPECT_EQ(Kov_Select_Component(3), nullptr);

    // The refused answers did not touch the record of the last good one.
    env.set("KOV_BAUWAHL_ANSWER", dir + "/answer");
    write_file(dir + "/answer", "5 6\n");
    EXPECT_EQ(Kov_Select_Component(3), nullptr);
    write_file(dir + "/answer", "5 6 " + g("Neu") + "\n" + g("") + g("") + g("/p/Neu") + "\n");
    KovComponentSelection* c = Kov_Select_Component(3);
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c->name, "Neu");
    EXPECT_EQ(c->a, 5);
}

TEST_F(KovTools, SelectComponentRefusesWhileTheToolIsOpen)
{
    Tool_Link(exec, "Bauwahl", "Bauwahl");
    ASSERT_TRUE(KOVRegisterWindow("KOV - Bauteilauswahl"));
    Kov_Script_Clear_Log();
    EXPECT_EQ(Kov_Select_Component(3), nullptr);
    EXPECT_EQ(log(), std::string("FindKOVWindow KOV - Bauteilauswahl -> 1\nInit_Message\n"
                                 "Fill_Message Das KOV-Werkzeug zur Auswahl von Bauteilen\nFill_Message ") +
                         cp850("ist bereits aktiv. Bitte schließen Sie") +
                         "\nFill_Message das Fenster und versuchen es erneut.\nDraw_Message -> 0\n");
    env.unset("EXEC");
    KOVUnregisterWindow("KOV - Bauteilauswahl");
    EXPECT_EQ(Kov_Select_Component(3), nullptr);
}

// ---- the wait box -------------------------------------------------------------------------

TEST_F(KovTools, WaitGivesUpAfterThirtyPollsOnItsClock)
{
    Kov_Tools_Set_Sleep(&Tool_Virtual_Sleep);
    Kov_Script_Clear_Log();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Kov_Wait_For_Tool("KOV - Nie", 9, "Text", 4, 110), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(Tool_Virtual_Sleeps(), 30);
    EXPECT_EQ(Tool_Virtual_Ms(), 3000);
    const std::string l = log();
    EXPECT_EQ(l.rfind("Save_Screen_Rectangle 382 354 642 414\npxFgc 16777215\npxRect 382 354 642 414\npxFgc 0\n"
                      "pxLine 382 354 642 354\npxLine 642 354 642 414\npxLine 642 414 382 414\npxLine 382 414 382 "
                      "354\nPop_RFont 4096\npxFgc 0\npxText 402 374 Text\n"
                      "pxText 403 374 Text\nPush_RFont\npxFgc 33023\npxLine 402 384 416 384\npxLine 416 384 416 "
                      "398\npxLine 416 398 402 398\npxLine 402 398 402 384\n",
                      0),
              0u)
        << l;
    EXPECT_NE(l.find("pxLine 609 384 623 384\npxLine 623 384 623 398\npxLine 623 398 609 398\npxLine 609 398 609 "
                     "384\nsetMouseCursor 6\npxFlsh\nKov_Screen_Show 1\n"
                     "FindKOVWindow KOV - Nie -> 0\n"),
              std::string::npos);
    EXPECT_NE(l.find("setMouseCursor 0\nRestore_Screen_Rectangle ok\npxFlsh\n"), std::string::npos);
    // The silence is not taken for a cancelled choice: the tool is named.
    EXPECT_NE(l.find("Das KOV-Werkzeug \"KOV - Nie\""), std::string::npos) << l;
    EXPECT_NE(l.find("hat kein Fenster ge"), std::string::npos) << l;
}

namespace {
int g_slow_pid = 0;
int g_slow_polls = 0;
// The window of a slow tool appears at the 45th poll; or its process ends
// there without one.
void slow_tool_sleep(int ms, bool opens)
{
    Tool_Virtual_Sleep(ms);
    if (ms == 120) KOVUnregisterWindow("KOV - Spaet"); // seen: the user closes it
    if (ms == 100 && ++g_slow_polls == 45) {
        if (opens) {
            KOVRegisterWindow("KOV - Spaet");
        } else {
            kill(g_slow_pid, SIGKILL);
            for (int i = 0; i < 500 && !CheckKOVProcess(g_slow_pid); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
}
void slow_opens(int ms) { slow_tool_sleep(ms, true); }
void slow_dies(int ms) { slow_tool_sleep(ms, false); }
} // namespace

// On a loaded machine a tool may take longer than the 30 polls to open its
// window: while its process runs the wait goes on, and it ends when the
// process ends without a window.
TEST_F(KovTools, WaitGoesOnWhileTheToolIsStillStarting)
{
    const char* const argv[] = {"/bin/sleep", "60", nullptr};
    struct Case {
        void (*sleep)(int);
        int seen;
    } cases[] = {{&slow_opens, 1}, {&slow_dies, 0}};
    for (const Case& c : cases) {
        g_slow_pid = KOVSpawnv(2, "/bin/sleep", argv);
        ASSERT_GT(g_slow_pid, 0);
        g_slow_polls = 0;
        Kov_Tools_Set_Sleep(c.sleep);
        Kov_Script_Clear_Log();
        const int seen = Kov_Wait_For_Tool("KOV - Spaet", 11, "Text", 4, 110, g_slow_pid);
        EXPECT_EQ(seen, c.seen);
        // A tool that ended without a window says so; one that opened it does not.
        EXPECT_EQ(log().find("wurde beendet, ohne ein Fenster") != std::string::npos, c.seen == 0) << log();
        EXPECT_EQ(g_slow_polls, 45);
        KOVUnregisterWindow("KOV - Spaet");
        kill(g_slow_pid, SIGKILL);
    }
}

namespace {
int g_polls_left = 0;
void close_window_later(int ms)
{
    Tool_Virtual_Sleep(ms);
    if (ms == 120 && --g_polls_left == 0) KOVUnregisterWindow("KOV - Test");
}
} // namespace

TEST_F(KovTools, WaitLightsOneSquareAfterTheOtherWhileTheWindowExists)
{
    ASSERT_TRUE(KOVRegisterWindow("KOV - Test"));
    g_polls_left = 11;
    Kov_Tools_Set_Sleep(&close_window_later);
    Kov_Script_Clear_Log();
    EXPECT_EQ(Kov_Wait_For_Tool("KOV - Test", 10, "Text", 4, 110), 1);
    EXPECT_EQ(Tool_Virtual_Sleeps(), 11);
    EXPECT_EQ(Tool_Virtual_Ms(), 11 * 120);
    const std::string l = log();
    // First step: square 0 back to white, square 1 lit; the tenth step wraps.
    EXPECT_NE(l.find("pxFgc 16777215\npxRect 402 384 416 398\npxFgc 33023\npxLine 402 384 416 384\npxLine 416 384 416 "
                     "398\npxLine 416 398 402 398\npxLine 402 398 402 384\n"
                     "pxFgc 33023\npxRect 425 384 439 398\npxFgc 0\npxLine 425 384 439 384\npxLine 439 384 439 "
                     "398\npxLine 439 398 425 398\npxLine 425 398 425 384\npxFlsh\n"),
              std::string::npos)
        << l;
    EXPECT_NE(l.find("pxRect 609 384 623 398\npxFgc 33023\npxLine 609 384 623 384\npxLine 623 384 623 398\npxLine 623 "
                     "398 609 398\npxLine 609 398 609 384\n"
                     "pxFgc 33023\npxRect 402 384 416 398\n"),
              std::string::npos)
        << l;
}

namespace {
int g_frame_pixel = -1, g_inside_pixel = -1, g_lit_pixel = -1;
void look_at_the_box(int ms)
{
    Tool_Virtual_Sleep(ms);
    if (ms != 120) return;
    g_frame_pixel = Kov_Ui_Pixel(NPIXEL_X / 2 - 130, NPIXEL_Y / 2 - 30);
    g_inside_pixel = Kov_Ui_Pixel(NPIXEL_X / 2 + 120, NPIXEL_Y / 2 - 20);
    g_lit_pixel = Kov_Ui_Pixel(NPIXEL_X / 2 - 110 + 23 + 7, NPIXEL_Y / 2 + 7); // square 1, lit first
    KOVUnregisterWindow("KOV - Test");
}
} // namespace

TEST_F(KovTools, WaitBoxIsDrawnOnTheScreenAndTakenAwayAfter)
{
    Kov_Ui_Reset();
    const int before = Kov_Ui_Pixel(NPIXEL_X / 2, NPIXEL_Y / 2);
    ASSERT_TRUE(KOVRegisterWindow("KOV - Test"));
    Kov_Tools_Set_Sleep(&look_at_the_box);
    EXPECT_EQ(Kov_Wait_For_Tool("KOV - Test", 10, "Text", 4, 110), 1);
    EXPECT_EQ(g_frame_pixel, 0x000000);
    EXPECT_EQ(g_inside_pixel, 0xFFFFFF);
    EXPECT_EQ(g_lit_pixel, 0x0080FF);
    EXPECT_EQ(Kov_Ui_Pixel(NPIXEL_X / 2, NPIXEL_Y / 2), before);
    EXPECT_EQ(Kov_Ui_Pixel(NPIXEL_X / 2 - 130, NPIXEL_Y / 2 - 30), before);
}

TEST_F(KovTools, EditPlanStartsTheToolAndWaits)
{
    Kov_Tools_Set_Sleep(&Tool_Virtual_Sleep);
    EXPECT_EQ(Kov_Edit_Plan_File("plan.dxf"), 0); // not installed
    Tool_Link(exec, "kov_spawn_probe", "Planschau");
    Kov_Script_Clear_Log();
    EXPECT_EQ(Kov_Edit_Plan("exit", "0"), 1);
    EXPECT_NE(log().find("KOVSpawnv 2 " + exec + "\\Planschau.exe exit 0\n"), std::string::npos) << log();
    EXPECT_NE(log().find("pxText 382 374 Warte auf Ende des Planerstellungsmoduls\n"
                         "pxText 383 374 Warte auf Ende des Planerstellungsmoduls\n"),
              std::string::npos);
    ASSERT_TRUE(KOVRegisterWindow("KOV - Planbearbeitung"));
    Kov_Script_Clear_Log();
    EXPECT_EQ(Kov_Edit_Plan_File("plan.dxf"), 0);
    EXPECT_NE(log().find("Fill_Message Das KOV-Werkzeug zur Planbearbeitung\n"), std::string::npos);
    EXPECT_EQ(log().find("KOVSpawnv"), std::string::npos);
    KOVUnregisterWindow("KOV - Planbearbeitung");
    env.unset("EXEC");
    EXPECT_EQ(Kov_Edit_Plan_File("plan.dxf"), 0);
}

TEST_F(KovTools, PhotoViewerIsStartedOnceAndThenBroughtToTheFront)
{
    env.unset("EXEC");
    EXPECT_EQ(Kov_Show_Photos("bilder"), 0);
    EXPECT_NE(log().find("Set_Message_Title Installationsfehler\nFill_Message Das EXEC-Verzeichnis\n"
                         "Fill_Message ist nicht ermittelbar!\n"),
              std::string::npos)
        << log();
    env.set("EXEC", exec);
    Kov_Script_Clear_Log();
    EXPECT_EQ(Kov_Show_Photos("bilder"), 0);
    EXPECT_NE(log().find("Set_Message_Title Installationsproblem\nFill_Message Das KOV-Werkzeug\n"
                         "Fill_Message - BILDSCHAU -\nFill_Message ist nicht installiert!\n"),
              std::string::npos)
        << log();

    ASSERT_EQ(::symlink("/bin/sleep", (exec + "/BILDSCHAU").c_str()), 0);
    Kov_Script_Clear_Log();
    EXPECT_EQ(Kov_Show_Photos("0.4"), 1);
    EXPECT_EQ(Kov_Show_Photos("0.4"), 1);
    const std::string l = log();
    EXPECT_NE(l.find("KOVSpawnv 2 " + exec + "\\BILDSCHAU.EXE 0.4\n"), std::string::npos) << l;
    EXPECT_EQ(l.find("KOVSpawnv", l.find("KOVSpawnv") + 1), std::string::npos) << l;
    EXPECT_NE(l.find("ShowKOVProcessWindow "), std::string::npos) << l;
    EXPECT_NE(l.find(" 4\n", l.find("ShowKOVProcessWindow ")), std::string::npos) << l;
}

// ---- texts -------------------------------------------------------------------------------

TEST(KovToolTexts, UmlautsBetweenTheWindowsCodePageAndCodePage850)
{
    const std::string ansi = "\xC4\xD6\xDC\xDF\xE4\xF6\xFC Az\xE9";
    const std::string dos = "\x8E\x99\x9A\xE1\x84\x94\x81 Az\xE9";
    EXPECT_EQ(std::string(Kov_Ansi_To_Dos(ansi.c_str())), dos);
    EXPECT_EQ(std::string(Kov_Dos_To_Ansi(dos.c_str())), ansi);
    const std::string text = cp1252("Größenänderung Übergang Äste Öl");
    EXPECT_EQ(std::string(Kov_Dos_To_Ansi(Kov_Ansi_To_Dos(text.c_str()))), text);
    EXPECT_EQ(std::string(Kov_Ansi_To_Dos(text.c_str())), cp850("Größenänderung Übergang Äste Öl"));
    EXPECT_STREQ(Kov_Ansi_To_Dos(nullptr), "");
    const std::string long_text(600, 'x');
    EXPECT_EQ(std::strlen(Kov_Ansi_To_Dos(long_text.c_str())), 511u);
    EXPECT_EQ(std::strlen(Kov_Dos_To_Ansi(long_text.c_str())), 511u);
}

TEST(KovToolTexts, HtmlEntitiesStayWithinTheBuffer)
{
    EXPECT_STREQ(Kov_Dos_To_Html("\x8E\x99\x9A\xE1\x84\x94\x81<"), "&Auml;&Ouml;&Uuml;&szlig;&auml;&ouml;&uuml;<");
    EXPECT_STREQ(Kov_Dos_To_Html(nullptr), "");
    // 503 bytes are taken, then one more entity fits: 510 in all.
    std::string s(503, 'a');
    s += std::string(20, '\xE1');
    const std::string out = Kov_Dos_To_Html(s.c_str());
    EXPECT_EQ(out.size(), 510u);
    EXPECT_EQ(out.substr(503), "&szlig;");
    const std::string many(300, '\xE1');
    EXPECT_LE(std::strlen(Kov_Dos_To_Html(many.c_str())), 510u);
}

TEST(KovToolTexts, FileNames)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    const struct {
        const char* name;
        int ok;
    } cases[] = {{".", 0},     {"..", 0},  {"a|b", 0}, {"a\\b", 0}, {"a/b", 0}, {"c:", 0}, {"*", 0},     {"a?", 0},
                 {"\"a\"", 0}, {"<a>", 0}, {"a.b", 1}, {"", 1},     {"...", 1}, {".a", 1}, {"Pos 12", 1}};
    for (const auto& c : cases) EXPECT_EQ(Kov_Check_File_Name(c.name, 0), c.ok) << c.name;
    EXPECT_STREQ(Kov_Script_Log_Text(), "");
    EXPECT_EQ(Kov_Check_File_Name("..", 1), 0);
    EXPECT_EQ(Kov_Check_File_Name("a|b", 1), 0);
    EXPECT_EQ(std::string(Kov_Script_Log_Text()),
              std::string("Init_Message\nFill_Message ") + cp850("Eine Datei darf weder '.' noch '..' heißen!") +
                  "\nDraw_Message -> 0\nInit_Message\nFill_Message " +
                  cp850("Unzulässige Zeichen (\\/:*?\"<>|) im Dateinamen!") + "\nDraw_Message -> 0\n");
}

TEST(KovToolTexts, TextWidthSelectsAndGivesBackTheFont)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    EXPECT_EQ(Text_Width_In_Font("abc", 266243), 18); // small font: 6 pixels a character
    EXPECT_EQ(Text_Width_In_Font("abc", 4096), 24);
    EXPECT_EQ(Text_Width_In_Font(nullptr, 7), 0);
    EXPECT_STREQ(Kov_Script_Log_Text(),
                 "Pop_RFont 266243\nPush_RFont\nPop_RFont 4096\nPush_RFont\nPop_RFont 7\nPush_RFont\n");
}

// ---- spinner ---------------------------------------------------------------------------

TEST(KovSpinner, RunsOnItsThreadUntilStoppedAndJoined)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    EXPECT_GT(Kov_Start_Spinner(-1, 10), 0);
    EXPECT_EQ(Kov_Spinner_Running(), 1);
    EXPECT_EQ(Kov_Start_Spinner(5, 5), -1); // only one spinner
    // At least two frames (a busy machine may take longer than 100 ms a frame).
    for (int i = 0; i < 300 && std::string(Kov_Script_Log_Text()).find("Anima2.bmp 86 1") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const auto start = std::chrono::steady_clock::now();
    Kov_Stop_Spinner();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100)); // woken, not waited out
    EXPECT_EQ(Kov_Spinner_Running(), 0);
    const std::string l = Kov_Script_Log_Text();
    EXPECT_EQ(l.find("Save_Screen_Rectangle 471 343 554 426\npxBuff -1\nRestore_Screen_Rectangle ok\n"
                     "Save_Screen_Rectangle 471 343 554 426\n"
                     "pxDrawPartialTransparentDIB Anima2.bmp 1 1 84 84 471 343 554 426 0 0 255 255 0\n"
                     "pxBuff 0\npxFlsh\n"),
              0u)
        << l;
    EXPECT_NE(l.find("pxDrawPartialTransparentDIB Anima2.bmp 86 1 84 84 471 343"), std::string::npos) << l;
    // After the stop nothing more is drawn.
    const size_t end = l.size();
    EXPECT_EQ(l.rfind("Restore_Screen_Rectangle ok\npxFlsh\n"),
              end - std::strlen("Restore_Screen_Rectangle ok\npxFlsh\n"));
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_EQ(std::string(Kov_Script_Log_Text()).size(), end);
    Kov_Stop_Spinner(); // nothing to stop

    EXPECT_GT(Kov_Start_Spinner(100, 200), 0);
    Kov_Stop_Spinner();
    EXPECT_NE(std::string(Kov_Script_Log_Text()).find("Save_Screen_Rectangle 100 200 183 283"), std::string::npos);
}
