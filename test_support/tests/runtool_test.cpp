// Starting a program from a test: its arguments reach it as they are, its two
// output streams come back byte for byte and apart, its environment and
// working folder are the ones asked for, and a program that does not end is
// killed when its time is up.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "test_support/kovtestutil.h"
#include "test_support/runtool.h"

namespace {

using kovtest::Run_Tool;
using kovtest::ToolOptions;
using kovtest::ToolRun;

TEST(RunTool, ArgumentsReachTheProgramWithoutAShell)
{
    // Quotes, blanks, a dollar and an asterisk are the program's arguments, not a shell's.
    const ToolRun r = Run_Tool({"printf", "%s|", "a b", "'q'", "$HOME", "*", ""});
    ASSERT_TRUE(r.started);
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "a b|'q'|$HOME|*||");
    EXPECT_EQ(r.err, "");
}

TEST(RunTool, OutputAndErrorComeBackApartAndByteForByte)
{
    // Bytes of code page 850, a zero byte, and more than a pipe holds at once.
    const std::string script = "printf 'A\\201\\000\\341'; printf 'E\\216' >&2; head -c 300000 /dev/zero; exit 3";
    const ToolRun r = Run_Tool({"sh", "-c", script});
    ASSERT_TRUE(r.started);
    EXPECT_EQ(r.exit_code, 3);
    ASSERT_EQ(r.out.size(), 4u + 300000u);
    EXPECT_EQ(r.out.substr(0, 4), std::string("A\x81\0\xE1", 4));
    EXPECT_EQ(r.out.find_first_not_of('\0', 4), std::string::npos);
    EXPECT_EQ(r.err, "E\x8E");
}

TEST(RunTool, EnvironmentIsTheTestsWithTheChanges)
{
    kovtest::ScopedEnv env("KOVTEST_KEPT", "kept");
    env.set("KOVTEST_GONE", "gone");
    env.set("KOVTEST_CHANGED", "old");
    ToolOptions o;
    o.set = {"KOVTEST_CHANGED=new", "KOVTEST_NEW=a=b"};
    o.unset = {"KOVTEST_GONE"};
    const ToolRun r = Run_Tool({"env"}, o);
    ASSERT_EQ(r.exit_code, 0);
    const std::string lines = "\n" + r.out;
    EXPECT_NE(lines.find("\nKOVTEST_KEPT=kept\n"), std::string::npos) << r.out;
    EXPECT_NE(lines.find("\nKOVTEST_CHANGED=new\n"), std::string::npos);
    EXPECT_EQ(lines.find("KOVTEST_CHANGED=old"), std::string::npos);
    EXPECT_NE(lines.find("\nKOVTEST_NEW=a=b\n"), std::string::npos);
    EXPECT_EQ(lines.find("KOVTEST_GONE"), std::string::npos);
    // The test's own environment is untouched.
    EXPECT_STREQ(std::getenv("KOVTEST_GONE"), "gone");
    EXPECT_STREQ(std::getenv("KOVTEST_CHANGED"), "old");
}

TEST(RunTool, RunsInTheFolderAskedFor)
{
    kovtest::TempDir dir("runtool_");
    ASSERT_TRUE(dir.ok());
    ToolOptions o;
    o.folder = dir.path();
    // The folder's real path: $TMPDIR may lead through a link.
    const ToolRun r = Run_Tool({"pwd", "-P"}, o);
    ASSERT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, std::filesystem::canonical(dir.path()).string() + "\n");

    o.folder = dir / "missing";
    EXPECT_FALSE(Run_Tool({"pwd"}, o).started);
}

TEST(RunTool, StandardInputIsEmpty)
{
    const ToolRun r = Run_Tool({"wc", "-c"});
    ASSERT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out.substr(r.out.find_first_not_of(' ')), "0\n");
}

// Whether a process has gone (or only waits to be reaped).
bool Gone(const std::string& pid)
{
    const std::string stat = kovtest::read_file("/proc/" + pid + "/stat");
    const size_t close = stat.rfind(')');
    return stat.empty() || (close != std::string::npos && stat.compare(close, 3, ") Z") == 0);
}

TEST(RunTool, AProgramThatDoesNotEndIsKilledWhenItsTimeIsUp)
{
    ToolOptions o;
    o.timeout_ms = 300;
    const auto t0 = std::chrono::steady_clock::now();
    // The shell's child sleeps on with the pipes open: the whole group goes.
    const ToolRun r = Run_Tool({"sh", "-c", "echo begun; sleep 60 & echo $!; wait; echo never"}, o);
    const auto waited = std::chrono::steady_clock::now() - t0;
    EXPECT_TRUE(r.started);
    EXPECT_TRUE(r.timed_out);
    EXPECT_EQ(r.exit_code, -1);
    ASSERT_EQ(r.out.compare(0, 6, "begun\n"), 0) << r.out;
    EXPECT_EQ(r.out.find("never"), std::string::npos);
    EXPECT_LT(waited, std::chrono::seconds(20));
    const std::string sleeper = r.out.substr(6, r.out.find('\n', 6) - 6);
    ASSERT_FALSE(sleeper.empty());
    bool gone = false;
    for (int i = 0; i < 500 && !gone; ++i) {
        gone = Gone(sleeper);
        if (!gone) ::usleep(10000);
    }
    EXPECT_TRUE(gone) << "the program's child " << sleeper << " still runs";
}

TEST(RunTool, AProgramKilledByASignalHasNoExitCode)
{
    const ToolRun r = Run_Tool({"sh", "-c", "kill -9 $$"});
    EXPECT_TRUE(r.started);
    EXPECT_FALSE(r.timed_out);
    EXPECT_EQ(r.exit_code, -1);
}

TEST(RunTool, AMissingProgramIsNotStarted)
{
    for (const std::vector<std::string>& argv : std::vector<std::vector<std::string>>{
             {}, {"kovtest-no-such-program"}, {"/nonexistent/program"}, {"/etc/passwd"}}) {
        const ToolRun r = Run_Tool(argv);
        EXPECT_FALSE(r.started) << (argv.empty() ? "" : argv[0]);
        EXPECT_EQ(r.exit_code, -1);
    }
}

TEST(RunTool, FindsProgramsOnThePath)
{
    kovtest::TempDir dir("runtool_path_");
    ASSERT_TRUE(dir.ok());
    ASSERT_TRUE(kovtest::write_file(dir / "kovtest-tool", "#!/bin/sh\necho own\n"));
    ASSERT_TRUE(kovtest::write_file(dir / "kovtest-plain", "not a program"));
    ASSERT_EQ(::chmod((dir / "kovtest-tool").c_str(), 0755), 0);
    kovtest::ScopedEnv env("PATH", "/nonexistent:" + dir.path() + ":/usr/bin:/bin");
    EXPECT_EQ(kovtest::Find_On_Path("kovtest-tool"), dir / "kovtest-tool");
    EXPECT_EQ(kovtest::Find_On_Path("kovtest-plain"), "");
    EXPECT_EQ(kovtest::Find_On_Path("kovtest-missing"), "");
    EXPECT_EQ(Run_Tool({"kovtest-tool"}).out, "own\n");
}

} // namespace
