// Tests of the VERSION file reader: first line and its patches, an overlong line, a missing
// installation folder or file.
#include "base/kovversion.h"
#include "test_support/kovtestutil.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

namespace {

// An installation folder with nelu52/VERSION holding bytes, removed again.
struct ExecWithVersion {
    kovtest::TempDir dir{"kov_version_"};
    explicit ExecWithVersion(const std::string& bytes)
    {
        ::mkdir((dir / "nelu52").c_str(), 0700);
        kovtest::write_file(dir / "nelu52/VERSION", bytes);
    }
};

} // namespace

TEST(KovversionRead, FirstLineAndPatches)
{
    struct Case {
        std::string file;
        const char* want;
    } cases[] = {
        {"V 2.10\n", "V 2.10"},
        {"V 2.10\n<11\n", "V 2.11"},
        {"V 2.10\n<15\n", "V 2.15"},
        {"V 2.10\r\n<11\r\n", "V 2.11"},
        {"V 2.10", "V 2.10"},                  // no line end: nothing cut
        {"V 2.10\nx <11 y\nz<12\n", "V 2.12"}, // the last "<" wins
        {"V 2.10\n<1\n", "V 2.10"},            // one character only
        {"V 2.10\n<1", "V 2.10"},
        {"V 2.10\n<<13\n", "V 2.13"},
        {"V\n<11\n", "V"}, // too short to patch
        {"", ""},          // empty file
        {"\n<11\n", ""},
    };
    for (const Case& c : cases) {
        ExecWithVersion exec(c.file);
        kovtest::ScopedEnv env("EXEC", exec.dir.path());
        const char* v = Read_Version_File("nelu52");
        ASSERT_NE(v, nullptr) << c.file;
        EXPECT_STREQ(v, c.want) << c.file;
    }
}

TEST(KovversionRead, LongFirstLineIsCut)
{
    std::string line(300, 'v');
    ExecWithVersion exec(line + "\n<ab\n");
    kovtest::ScopedEnv env("EXEC", exec.dir.path());
    const char* v = Read_Version_File("NELU52"); // other case: found all the same
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(std::string(v), std::string(253, 'v') + "ab");
}

TEST(KovversionRead, MissingExecOrFile)
{
    kovtest::ScopedEnv env("EXEC", nullptr);
    EXPECT_EQ(Read_Version_File("nelu52"), nullptr);
    ExecWithVersion exec("V 1\n");
    env.set("EXEC", exec.dir.path());
    EXPECT_EQ(Read_Version_File("other"), nullptr);
    EXPECT_EQ(Read_Version_File(nullptr), nullptr);
}
