// The conndesign tool on the sample descriptions: the printed lines of the
// worked examples, and its exit codes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace {

// Runs a tool of the tools folder with the arguments; its standard output in *out.
int Run_Program(const char* name, std::vector<std::string> args, std::string* out)
{
    const std::string tool = std::string(KOV_TOOLS_DIR) + "/" + name;
    const std::string capture = std::string(KOV_BINARY_DIR) + "/conndesign_test_" + std::to_string(getpid()) + ".out";
    args.insert(args.begin(), tool);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(&a[0]);
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, capture.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    std::ifstream in(capture);
    std::stringstream text;
    text << in.rdbuf();
    *out = text.str();
    unlink(capture.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int Run_Tool(std::vector<std::string> args, std::string* out) { return Run_Program("conndesign", std::move(args), out); }

std::string Sample(const char* name) { return std::string(KOV_TEST_DIR) + "/samples/" + name; }

bool Has(const std::string& out, const std::string& line) { return out.find(line + "\n") != std::string::npos; }

} // namespace

TEST(ConnDesignTool, BoltUnderTheGermanAnnex)
{
    std::string out;
    ASSERT_EQ(Run_Tool({"--rules", "de", Sample("bolt_m12.txt")}, &out), 0) << out;
    EXPECT_TRUE(Has(out, "rules = de"));
    EXPECT_TRUE(Has(out, "fvk = 6747.320 N")) << out;
    EXPECT_TRUE(Has(out, "fvd = 4152.197 N")) << out;
    EXPECT_TRUE(Has(out, "governing_mode = 9")) << out;
    EXPECT_TRUE(Has(out, "faxk = 10408.489 N")) << out;
    EXPECT_TRUE(Has(out, "spacing1 = a1 60.000 a2 48.000 a3t 84.000 a3c 48.000 a4t 36.000 a4c 36.000 mm, rule 4"))
        << out;
    EXPECT_TRUE(Has(out, "kser = 4490.838 N/mm")) << out;
}

TEST(ConnDesignTool, NailWithoutAnnexAndItsMessages)
{
    std::string out;
    ASSERT_EQ(Run_Tool({"--rules", "din", Sample("nail_din.txt")}, &out), 0) << out;
    EXPECT_TRUE(Has(out, "fvk = 1001.132 N")) << out;
    EXPECT_TRUE(Has(out, "gamma_m = 1.100")) << out;
    EXPECT_TRUE(Has(out, "fvd = 728.096 N")) << out;
    EXPECT_NE(out.find("message_code = 154 gemäß DIN 1052, 12.8.1(9)"), std::string::npos) << out;
}

TEST(ConnDesignTool, AxialEntryAndExitCodes)
{
    std::string out;
    ASSERT_EQ(Run_Tool({"--rules", "de", "--axial", Sample("screw_axial.txt")}, &out), 0) << out;
    EXPECT_TRUE(Has(out, "faxk = 1440.600 N")) << out;
    EXPECT_TRUE(Has(out, "faxd = 886.523 N")) << out;

    // a design that stops: the nail's side member of 40 mm splits
    const std::string thin = std::string(KOV_BINARY_DIR) + "/conndesign_thin.txt";
    {
        std::ifstream in(Sample("nail_din.txt"));
        std::ofstream o(thin);
        o << in.rdbuf() << "t1 = 40\n";
    }
    EXPECT_EQ(Run_Tool({thin}, &out), 2);
    EXPECT_TRUE(Has(out, "stopped = 14 Seitenholz zu dünn, Spaltgefahr gem. Gl. (218)")) << out;
    // a bad description: unknown field, bad number
    {
        std::ofstream o(thin);
        o << "type = 0\nd = 4,5\n";
    }
    EXPECT_EQ(Run_Tool({thin}, &out), 1);
    {
        std::ofstream o(thin);
        o << "colour = 3\n";
    }
    EXPECT_EQ(Run_Tool({thin}, &out), 1);
    EXPECT_EQ(Run_Tool({"--rules", "xx", thin}, &out), 1);
    unlink(thin.c_str());
}

TEST(ConnDesignTool, OutputListOfTheResults)
{
    const std::string oli = std::string(KOV_BINARY_DIR) + "/conndesign_test_" + std::to_string(getpid()) + ".oli";
    std::string out;
    ASSERT_EQ(Run_Tool({"--rules", "de", "--oli", oli, Sample("bolt_m12.txt")}, &out), 0) << out;
    std::ifstream in(oli, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string list = bytes.str();
    // Heading in code page 850 (0x84 is the a-umlaut), the description and
    // the value table.
    EXPECT_NE(list.find("Verbindung: Tragf\x84higkeit je Verbindungsmittel"), std::string::npos);
    EXPECT_NE(list.find("d = 12"), std::string::npos);
    EXPECT_NE(list.find("fvk = 6747.320 N"), std::string::npos);
    EXPECT_NE(list.find("#SHOWTABLE"), std::string::npos);

    // olirender lays the list out on a page.
    const std::string png = oli + ".png";
    EXPECT_EQ(Run_Program("olirender", {"--page", "1", oli, png}, &out), 0);
    EXPECT_EQ(access(png.c_str(), F_OK), 0);
    unlink(png.c_str());
    unlink(oli.c_str());

    // A list that cannot be written is an error, and the results are still printed.
    EXPECT_EQ(Run_Tool({"--rules", "de", "--oli", "/nonexistent-dir/x.oli", Sample("bolt_m12.txt")}, &out), 1);
    EXPECT_NE(out.find("fvk = 6747.320 N"), std::string::npos);
}
