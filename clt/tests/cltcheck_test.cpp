// The command-line tool cltcheck: its lines for a catalogue product, worked out
// by hand (BBS 125 120/5s: E 12,000,000, f_m 18 N/mm2, f_R 1.0; EI =
// 12e6 * (3 * 0.02^3/12 + 2 * 0.02 * 0.05^2) = 1224 kNm2; sigma = 10 * 0.06 /
// 1224 * 12e6 = 5.882 N/mm2; eta_m = 5.882 / (18 * 0.8 / 1.3); tau in the
// cross layer 12 * 12 / 1224 = 0.1176 N/mm2 against 0.8 / 1.3).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/tests/kovtestutil.h"

extern char** environ;

namespace {

struct ToolRun {
    int exit_code = -1;
    std::string out, err;
};

// Runs a tool of the build with the arguments, its output into files.
ToolRun RunTool(const std::string& tool, const std::vector<std::string>& args, const std::string& dir)
{
    ToolRun r;
    const std::string exe = std::string(KOV_TOOLS_DIR) + "/" + tool;
    const std::string out = dir + "/out.txt", err = dir + "/err.txt";
    std::vector<std::string> all{exe};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(&a[0]);
    argv.push_back(nullptr);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&fa, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid;
    const int rc = posix_spawn(&pid, exe.c_str(), &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    if (rc != 0) return r;
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) r.exit_code = WEXITSTATUS(status);
    r.out = kovtest::read_file(out);
    r.err = kovtest::read_file(err);
    return r;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line)
{
    for (const auto& l : lines)
        if (l == line) return true;
    return false;
}

} // namespace

TEST(CltCheckTool, ChecksBinderholz)
{
    kovtest::TempDir dir("cltcheck");
    const ToolRun r = RunTool("cltcheck", {"check", "4", "6", "--M", "10", "--V", "12"}, dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto lines = Lines(r.out);
    EXPECT_TRUE(Has(lines, "Product: Binderholz BBS 125 BBS 125 120/5s (4 6)")) << r.out;
    EXPECT_TRUE(Has(lines, "Build-up: 20.0 (30.0) 20.0 (30.0) 20.0 mm")) << r.out;
    EXPECT_TRUE(Has(lines, "EI = 1224.0 kNm2")) << r.out;
    EXPECT_TRUE(Has(lines, "M_d = 10.000 kNm, V_d = 12.000 kN")) << r.out;
    EXPECT_TRUE(Has(lines, "sigma_min = -5.882 N/mm2, sigma_max = 5.882 N/mm2")) << r.out;
    EXPECT_TRUE(Has(lines, "eta_m = 0.531 in layer 1")) << r.out;
    EXPECT_TRUE(Has(lines, "eta_v = 0.191 in layer 2")) << r.out;
    EXPECT_TRUE(Has(lines, "eta = 0.531")) << r.out;
}

TEST(CltCheckTool, SpanLoadAndEffectiveStiffness)
{
    kovtest::TempDir dir("cltcheck");
    // q 4 kN/m2 on 5 m: M = 4 * 25 / 8 = 12.5 kNm, V = 10 kN.
    const ToolRun r = RunTool("cltcheck", {"check", "4", "6", "--span", "5", "--q", "4"}, dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto lines = Lines(r.out);
    EXPECT_TRUE(Has(lines, "M_d = 12.500 kNm, V_d = 10.000 kN")) << r.out;
    EXPECT_NE(r.out.find("EI_ef = "), std::string::npos);
}

TEST(CltCheckTool, MissingRollingShearStrengthIsNamed)
{
    kovtest::TempDir dir("cltcheck");
    const ToolRun r = RunTool("cltcheck", {"check", "1", "0", "--M", "5", "--V", "0"}, dir.path());
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(Has(Lines(r.out), "eta_v = inf in layer 2: no rolling shear strength")) << r.out;
    EXPECT_EQ(r.out.find("nan"), std::string::npos) << r.out;
}

TEST(CltCheckTool, ExitCodes)
{
    kovtest::TempDir dir("cltcheck");
    struct {
        std::vector<std::string> args;
        int exit_code;
    } rows[] = {
        {{"check", "4", "6", "--M", "10", "--V", "12", "--gamma-m", "0"}, 1},
        {{"check", "4", "6", "--M", "10", "--V", "12", "--width", "-5"}, 1},
        {{"check", "4", "6", "--M", "10", "--V", "12", "--fire", "30", "--side", "0", "--k2", "0", "--tch", "10",
          "--tf", "20"},
         1},
        {{"check", "4", "6", "--M", "10"}, 2},
        {{"check", "4", "6", "--M", "10", "--V", "12", "--span", "3"}, 2},
        {{"check", "4", "6", "--M", "ten", "--V", "12"}, 2},
        {{"check", "4", "15", "--M", "10", "--V", "12"}, 2},
        {{"check", "8", "0", "--M", "10", "--V", "12"}, 2},
        {{"check", "4", "6", "--M", "10", "--V", "12", "--bogus", "1"}, 2},
        {{"list", "9"}, 2},
        {{"frobnicate"}, 2},
        {{}, 2},
    };
    for (const auto& row : rows) {
        const ToolRun r = RunTool("cltcheck", row.args, dir.path());
        std::string cmd;
        for (const auto& a : row.args) cmd += a + " ";
        EXPECT_EQ(r.exit_code, row.exit_code) << cmd << r.err;
        if (row.exit_code != 0) {
            EXPECT_FALSE(r.err.empty()) << cmd;
        }
    }
}

TEST(CltCheckTool, ListsTheCatalogue)
{
    kovtest::TempDir dir("cltcheck");
    const ToolRun r = RunTool("cltcheck", {"list"}, dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto lines = Lines(r.out);
    EXPECT_EQ(lines.size(), 164u);
    // The first product: 23.3 (23.3) 23.3, board-width rule 8 * 23.3 / 69.9
    EXPECT_EQ(lines[0].substr(0, 4), "0 0\t");
    EXPECT_NE(lines[0].find("\tLeno\t70\t69.9 mm\t3 layers\t23.3 (23.3) 23.3\tk 2.667\t"), std::string::npos)
        << lines[0];
    const ToolRun one = RunTool("cltcheck", {"list", "7"}, dir.path());
    EXPECT_EQ(Lines(one.out).size(), 14u);
}

TEST(CltCheckTool, FireAndOutputList)
{
    const std::string dir = kovtest::kept_dir("clt", "cltcheck");
    ASSERT_FALSE(dir.empty());
    const std::string oli = dir + "/cltcheck.oli";
    // BBS 125 120/5s 30 min from the bottom, unprotected, beta 0.9, checked
    // on the residual section with the fire values k_mod 1, gamma_M 1, k_fi 1.15.
    const ToolRun r = RunTool("cltcheck",
                          {"check", "4", "6", "--M", "10", "--V", "12", "--fire", "30", "--side", "1", "--duration",
                           "8", "--kmod", "1", "--gamma-m", "1", "--c", "1.15", "--oli", oli},
                          dir);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    // 30 min at 0.9 from the bottom: 20 mm through (22.2 min), 7.8 min at 1.8:
    // d_char 34.0, d_ef 41.0; 41 mm off the bottom leaves 9 mm of the cross layer.
    const auto lines = Lines(r.out);
    EXPECT_TRUE(Has(lines, "Fire: t 30.0 min, side 1, d_ef 41.00 mm")) << r.out;
    EXPECT_TRUE(Has(lines, "Residual build-up: 20.0 (30.0) 20.0 (9.0) mm, width 1000.0 mm")) << r.out;
    const std::string list = kovtest::read_file(oli);
    EXPECT_NE(list.find("EI = "), std::string::npos);
    EXPECT_NE(list.find("#SHOWTABLE"), std::string::npos);
    const ToolRun page = RunTool("olirender", {"--page", "1", oli, dir + "/cltcheck.png"}, dir);
    EXPECT_EQ(page.exit_code, 0) << page.err;
    EXPECT_TRUE(kovtest::exists(dir + "/cltcheck.png"));
}
