// The waits of the host library on a real X display: the wait box, the
// progress list with its bar and the tool wait box must be on the screen
// window's pixels while their caller is still busy, and the program's own
// window must go on repainting during a tool wait (tools/kovwaitprobe does the
// photographing; its pictures stay in the build folder for a look).
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "test_support/kovtestutil.h"
#include "test_support/runtool.h"

namespace {

std::string artefact_dir() { return kovtest::artefact_dir("waits"); }

TEST(Waits, ReachTheScreenWhileTheCallerIsBusy)
{
    const std::string probe = kovtest::tool_path("kovwaitprobe");
    if (::access(probe.c_str(), X_OK) != 0) GTEST_SKIP() << "kovwaitprobe not built";
    if (kovtest::Find_On_Path("xvfb-run").empty()) GTEST_SKIP() << "xvfb-run missing (scripts/setup.sh installs it)";
    kovtest::ToolOptions o;
    o.unset = {"QT_QPA_PLATFORM"};
    o.set = {"ASAN_OPTIONS=detect_leaks=0", "KOV_UI_MODE=interactive"};
    std::string out;
    int code = -1;
    // xvfb-run -a may lose its display number to another virtual display
    // started at the same moment (exit code 2 of the probe: no display).
    for (int attempt = 0; attempt < 3; ++attempt) {
        const kovtest::ToolRun r =
            kovtest::Run_Tool({"xvfb-run", "-a", "-s", "-screen 0 1366x768x24", probe, "--shots", artefact_dir()}, o);
        out = r.out;
        code = r.exit_code;
        if (code != 2) break;
    }
    EXPECT_EQ(out, "waitbox 1\nprogress 1\ntoolwait 1\nmainwindow 1\n");
    EXPECT_EQ(code, 0);
}

} // namespace
