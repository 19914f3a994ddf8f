#include "base/kovversion.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

namespace {

std::string make_exec_with_version(const std::string& bytes)
{
    char templ[] = "/tmp/kov_version_XXXXXX";
    std::string dir = ::mkdtemp(templ);
    ::mkdir((dir + "/nelu52").c_str(), 0700);
    std::ofstream o(dir + "/nelu52/VERSION", std::ios::binary);
    o << bytes;
    return dir;
}

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
        {"V 2.10", "V 2.10"},                      // no line end: nothing cut
        {"V 2.10\nx <11 y\nz<12\n", "V 2.12"},     // the last "<" wins
        {"V 2.10\n<1\n", "V 2.10"},                // one character only
        {"V 2.10\n<1", "V 2.10"},
        {"V 2.10\n<<13\n", "V 2.13"},
        {"V\n<11\n", "V"},                         // too short to patch
        {"", ""},                                  // empty file
        {"\n<11\n", ""},
    };
    for (const Case& c : cases) {
        std::string dir = make_exec_with_version(c.file);
        ::setenv("EXEC", dir.c_str(), 1);
        const char* v = Read_Version_File("nelu52");
        ASSERT_NE(v, nullptr) << c.file;
        EXPECT_STREQ(v, c.want) << c.file;
    }
}

TEST(KovversionRead, LongFirstLineIsCut)
{
    std::string line(300, 'v');
    std::string dir = make_exec_with_version(line + "\n<ab\n");
    ::setenv("EXEC", dir.c_str(), 1);
    const char* v = Read_Version_File("NELU52");  // other case: found all the same
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(std::string(v), std::string(253, 'v') + "ab");
}

TEST(KovversionRead, MissingExecOrFile)
{
    ::unsetenv("EXEC");
    EXPECT_EQ(Read_Version_File("nelu52"), nullptr);
    std::string dir = make_exec_with_version("V 1\n");
    ::setenv("EXEC", dir.c_str(), 1);
    EXPECT_EQ(Read_Version_File("other"), nullptr);
    EXPECT_EQ(Read_Version_File(nullptr), nullptr);
}
