// Tests of process starts without a shell: exit codes, host-style paths, missing programs, the
// no-wait and process-id modes, sleeps and the tool windows by process or marker file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/kovclock.h"
#include "platform/kovcp.h"
#include "platform/kovhost.h"
#include "test_support/kovtestutil.h"

namespace {

const std::string kProbe = std::string(KOV_TOOLS_DIR) + "/kov_spawn_probe";

using kovtest::exists;
using kovtest::read_file;

// Polls cond for up to ms milliseconds.
template <class F> bool wait_for(F cond, int ms)
{
    const int64_t end = Kov_Clock_Ms() + ms;
    while (Kov_Clock_Ms() < end) {
        if (cond()) return true;
        KOVSleep(20);
    }
    return cond();
}

} // namespace

TEST(Spawn, WaitingReturnsTheExitCodeAndPassesArgumentsWithoutAShell)
{
    kovtest::ScopedEnv env;
    const std::string dir = kovtest::kept_dir("platform_spawn_tmp", "wait");
    ASSERT_FALSE(dir.empty());
    const std::string out = dir + "/args.txt";
    env.set("KOV_PROBE_OUT", out);
    const char* argv[] = {kProbe.c_str(), "exit", "7", "two words", "$HOME;echo x", "'q' \"d\"", "*", nullptr};
    EXPECT_EQ(KOVSpawnv(0, kProbe.c_str(), argv), 7);
    // Mode 0 has waited: the file is complete, every argument unchanged.
    EXPECT_EQ(read_file(out), "exit\n7\ntwo words\n$HOME;echo x\n'q' \"d\"\n*\n");

    const char* ok[] = {kProbe.c_str(), "exit", "0", nullptr};
    EXPECT_EQ(KOVSpawnv(0, kProbe.c_str(), ok), 0);
}

TEST(Spawn, HostStylePathsWithBackslashesAndExeSuffix)
{
    std::string win = kProbe + ".exe";
    for (char& c : win)
        if (c == '/') c = '\\';
    const char* argv[] = {win.c_str(), "exit", "3", nullptr};
    EXPECT_EQ(KOVSpawnv(0, win.c_str(), argv), 3);
}

TEST(Spawn, MissingProgramAndBadModeFailInEveryMode)
{
    const std::string missing = std::string(KOV_TOOLS_DIR) + "/no_such_tool.exe";
    const char* argv[] = {missing.c_str(), nullptr};
    for (int mode : {0, 1, 2}) EXPECT_EQ(KOVSpawnv(mode, missing.c_str(), argv), -1) << mode;
    const char* ok[] = {kProbe.c_str(), "exit", "0", nullptr};
    EXPECT_EQ(KOVSpawnv(5, kProbe.c_str(), ok), -1);
    EXPECT_EQ(KOVSpawnv(0, nullptr, ok), -1);
}

TEST(Spawn, NoWaitReturnsAtOnceAndTheChildStillRuns)
{
    kovtest::ScopedEnv env;
    const std::string dir = kovtest::kept_dir("platform_spawn_tmp", "nowait");
    ASSERT_FALSE(dir.empty());
    const std::string out = dir + "/args.txt";
    env.set("KOV_PROBE_OUT", out);
    const char* argv[] = {kProbe.c_str(), "sleep", "1500", nullptr};
    const int64_t t0 = Kov_Clock_Ms();
    EXPECT_EQ(KOVSpawnv(1, kProbe.c_str(), argv), 0);
    EXPECT_LT(Kov_Clock_Ms() - t0, 2000);
    // The child has started on its own.
    EXPECT_TRUE(wait_for([&] { return exists(out); }, 10000));
}

TEST(Spawn, ProcessIdModeIsCheckedUntilTheEndAndReaped)
{
    const char* argv[] = {kProbe.c_str(), "sleep", "600", nullptr};
    const int64_t t0 = Kov_Clock_Ms();
    const int pid = KOVSpawnv(2, kProbe.c_str(), argv);
    ASSERT_GT(pid, 0);
    EXPECT_LT(Kov_Clock_Ms() - t0, 500);
    EXPECT_EQ(CheckKOVProcess(pid), 0);
    EXPECT_TRUE(wait_for([&] { return CheckKOVProcess(pid) == 1; }, 15000));
    // Reaped: no zombie left behind.
    const std::string proc = "/proc/" + std::to_string(pid);
    EXPECT_TRUE(wait_for([&] { return !exists(proc); }, 5000));
}

TEST(Spawn, CheckProcessOfUnknownIds)
{
    EXPECT_EQ(CheckKOVProcess(0), 1);
    EXPECT_EQ(CheckKOVProcess(-5), 1);
    EXPECT_EQ(CheckKOVProcess(int(::getpid())), 0); // this very process runs
}

TEST(Spawn, SleepPausesAtLeastTheTime)
{
    const int64_t t0 = Kov_Clock_Ms();
    KOVSleep(120);
    EXPECT_GE(Kov_Clock_Ms() - t0, 119);
    KOVSleep(-3); // nothing
}

TEST(ToolWindow, MarkerFileMakesTheWindowExist)
{
    kovtest::ScopedEnv env;
    const std::string temp = kovtest::kept_dir("platform_spawn_tmp", "marker");
    ASSERT_FALSE(temp.empty());
    env.set("TEMP", temp);
    ::mkdir((temp + "/kovwin").c_str(), 0755);
    // The title as the program passes it: Windows code page, 26 characters.
    const char* title = cp1252("KOV - Schnittgrößenauswahl");
    ASSERT_EQ(std::strlen(title), 26u);
    EXPECT_EQ(FindKOVWindow(title, 26), 0);

    const std::string marker = temp + "/kovwin/KOV - Schnittgrößenauswahl"; // UTF-8 file name
    char buf[512];
    ASSERT_NE(KOVWindowMarkerPath(title, 26, buf, sizeof buf), nullptr);
    EXPECT_EQ(std::string(buf), marker);
    std::ofstream(marker).close();
    EXPECT_NE(FindKOVWindow(title, 26), 0);
    // Only the given number of characters is the title.
    EXPECT_NE(FindKOVWindow((std::string(title) + "XYZ").c_str(), 26), 0);
    EXPECT_EQ(FindKOVWindow(title, 25), 0);

    // Names are matched without regard to case.
    std::ofstream(temp + "/kovwin/kov - bauteilauswahl").close();
    EXPECT_NE(FindKOVWindow("KOV - Bauteilauswahl", 20), 0);

    ASSERT_EQ(std::remove(marker.c_str()), 0);
    EXPECT_EQ(FindKOVWindow(title, 26), 0);
}

TEST(ToolWindow, MarkerOfAnEndedProcessDoesNotCount)
{
    kovtest::ScopedEnv env;
    const std::string temp = kovtest::kept_dir("platform_spawn_tmp", "stale");
    ASSERT_FALSE(temp.empty());
    env.set("TEMP", temp);
    ::mkdir((temp + "/kovwin").c_str(), 0755);
    // A process that has certainly ended: a finished child of ours.
    const char* argv[] = {kProbe.c_str(), "exit", "0", nullptr};
    const int pid = KOVSpawnv(2, kProbe.c_str(), argv);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(wait_for([&] { return CheckKOVProcess(pid) == 1; }, 15000));
    std::ofstream(temp + "/kovwin/KOV - Planbearbeitung") << "pid " << pid << "\n";
    EXPECT_EQ(FindKOVWindow("KOV - Planbearbeitung", 21), 0);
    std::ofstream(temp + "/kovwin/KOV - Planbearbeitung") << "pid " << ::getpid() << "\n";
    EXPECT_NE(FindKOVWindow("KOV - Planbearbeitung", 21), 0);
}

TEST(ToolWindow, ExistsWhileTheToolStartedWithoutWaitingLives)
{
    kovtest::ScopedEnv env;
    const std::string temp = kovtest::kept_dir("platform_spawn_tmp", "live");
    ASSERT_FALSE(temp.empty());
    env.set("TEMP", temp);
    const char* title = cp1252("KOV - Schnittgrößenauswahl");
    // "keep": the tool leaves its marker behind, as one that is killed would.
    const char* argv[] = {kProbe.c_str(), "window", title, "1500", "keep", nullptr};
    ASSERT_EQ(KOVSpawnv(1, kProbe.c_str(), argv), 0);
    EXPECT_TRUE(wait_for([&] { return FindKOVWindow(title, 26) != 0; }, 10000));
    EXPECT_TRUE(wait_for([&] { return FindKOVWindow(title, 26) == 0; }, 15000));
    EXPECT_TRUE(exists(temp + "/kovwin/KOV - Schnittgrößenauswahl"));
}

TEST(ToolWindow, ToolRemovesItsWindowWhenItEnds)
{
    kovtest::ScopedEnv env;
    const std::string temp = kovtest::kept_dir("platform_spawn_tmp", "unregister");
    ASSERT_FALSE(temp.empty());
    env.set("TEMP", temp);
    const char* argv[] = {kProbe.c_str(), "window", "KOV - Bauteilauswahl", "300", nullptr};
    ASSERT_EQ(KOVSpawnv(0, kProbe.c_str(), argv), 0);
    EXPECT_EQ(FindKOVWindow("KOV - Bauteilauswahl", 20), 0);
    EXPECT_FALSE(exists(temp + "/kovwin/KOV - Bauteilauswahl"));
}
