// Tests of the host's file search: patterns with '*' and '?' matched without regard to case in
// a folder named with backslashes or in another case, files apart from folders, searches that
// find nothing or are given nothing, and searches nested inside each other.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/kovhost.h"
#include "test_support/kovtestutil.h"

namespace {

using kovtest::write_file;

std::vector<std::string> find_all(const char* pattern, bool dirs)
{
    std::vector<std::string> names;
    DOSFindData fd;
    int r = dirs ? DOSFindFirstDirectory(pattern, &fd) : DOSFindFirstFile(pattern, &fd);
    while (r == 0) {
        names.emplace_back(fd.name);
        r = DOSFindNext(&fd);
    }
    DOSFindClose(&fd);
    return names;
}

} // namespace

TEST(FileSearch, PatternsWithoutRegardToCase)
{
    const std::string d = kovtest::kept_dir("platform_services_tmp", "find");
    ASSERT_FALSE(d.empty());
    for (const char* n : {"Alpha.NAD", "beta.nad", "GAMMA.txt", "x", "b.nadx"}) write_file(d + "/" + n, "1");
    ::mkdir((d + "/SubDir").c_str(), 0755);
    ::mkdir((d + "/NADS").c_str(), 0755);

    // Host style: backslashes and a directory part in other case.
    std::string upper = d + "\\*.nad";
    EXPECT_EQ(find_all(upper.c_str(), false), (std::vector<std::string>{"Alpha.NAD", "beta.nad"}));
    EXPECT_EQ(find_all((d + "/*.*").c_str(), false),
              (std::vector<std::string>{"Alpha.NAD", "GAMMA.txt", "b.nadx", "beta.nad", "x"}));
    EXPECT_EQ(find_all((d + "/?ETA.*").c_str(), false), (std::vector<std::string>{"beta.nad"}));
    EXPECT_EQ(find_all((d + "/*a*.N?D").c_str(), false), (std::vector<std::string>{"Alpha.NAD", "beta.nad"}));
    EXPECT_EQ(find_all((d + "/*").c_str(), true), (std::vector<std::string>{"NADS", "SubDir"}));
    EXPECT_EQ(find_all((d + "/nad*").c_str(), true), (std::vector<std::string>{"NADS"}));
    // A directory part in another case is found too.
    std::string shout = d.substr(0, d.rfind('/')) + "/FIND/*.NAD";
    EXPECT_EQ(find_all(shout.c_str(), false), (std::vector<std::string>{"Alpha.NAD", "beta.nad"}));

    DOSFindData fd;
    EXPECT_NE(DOSFindFirstFile((d + "/*.zip").c_str(), &fd), 0);
    DOSFindClose(&fd);
    DOSFindClose(&fd);
    EXPECT_NE(DOSFindNext(&fd), 0);
    EXPECT_NE(DOSFindFirstFile((d + "/missing/*").c_str(), &fd), 0);
    EXPECT_NE(DOSFindFirstFile(nullptr, &fd), 0);
    EXPECT_NE(DOSFindFirstFile("*", nullptr), 0);
}

TEST(FileSearch, NestedSearchesAreIndependent)
{
    const std::string d = kovtest::kept_dir("platform_services_tmp", "nested");
    ASSERT_FALSE(d.empty());
    for (const char* sub : {"A", "B"}) {
        ::mkdir((d + "/" + sub).c_str(), 0755);
        write_file(d + "/" + sub + "/1.nad", "1");
        write_file(d + "/" + sub + "/2.nad", "2");
    }
    std::vector<std::string> seen;
    DOSFindData outer;
    for (int r = DOSFindFirstDirectory((d + "/*").c_str(), &outer); r == 0; r = DOSFindNext(&outer)) {
        DOSFindData inner;
        const std::string pat = d + "/" + outer.name + "/*.NAD";
        for (int q = DOSFindFirstFile(pat.c_str(), &inner); q == 0; q = DOSFindNext(&inner))
            seen.push_back(std::string(outer.name) + "/" + inner.name);
        DOSFindClose(&inner);
    }
    DOSFindClose(&outer);
    EXPECT_EQ(seen, (std::vector<std::string>{"A/1.nad", "A/2.nad", "B/1.nad", "B/2.nad"}));
}
