// The one file-replacement service: every case a writer meets, in one table.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/kovreplace.h"
#include "test_support/kovtestutil.h"

namespace {

using kovtest::exists;
using kovtest::read_file;
using kovtest::temporaries_beside;
using kovtest::write_file;

std::string big_text()
{
    std::string s;
    for (int i = 0; i < 5000; ++i) s += char('a' + i % 26);
    return s;
}

mode_t mode_of(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

bool is_link(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

mode_t usual_mode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

struct Case {
    const char* name;
    // Prepares the folder d; returns the name handed to the service.
    std::function<std::string(const std::string& d)> setup;
    // The new contents ("" with fill_ok false: the writer fails).
    std::string contents;
    bool fill_ok;
    bool full_disk;
    int rc;
    // The file that must hold the result, relative to d, and what it holds.
    const char* result_file;
    std::string expected;
    mode_t expected_mode; // 0: not checked
    // Further checks after the call.
    std::function<void(const std::string& d)> check;
};

// Sets a file's times back by that many days.
void age_by_days(const std::string& path, int days)
{
    struct timespec t[2];
    ::clock_gettime(CLOCK_REALTIME, &t[0]);
    t[0].tv_sec -= days * 24L * 3600L + (days ? 60 : 0);
    t[1] = t[0];
    ::utimensat(AT_FDCWD, path.c_str(), t, AT_SYMLINK_NOFOLLOW);
}

std::string old_file(const std::string& d, mode_t mode)
{
    write_file(d + "/Pos.dat", "old");
    ::chmod((d + "/Pos.dat").c_str(), mode);
    return d + "/Pos.dat";
}

const Case kCases[] = {
    {"NewFileGetsTheUsualRights", [](const std::string& d) { return d + "/Pos.dat"; }, "new", true, false,
     KOV_REPLACE_OK, "Pos.dat", "new", usual_mode(), nullptr},
    {"OldFileKeepsItsRights", [](const std::string& d) { return old_file(d, 0640); }, "new", true, false,
     KOV_REPLACE_OK, "Pos.dat", "new", 0640, nullptr},
    {"ReadOnlyFileIsNotReplaced", [](const std::string& d) { return old_file(d, 0444); }, "new", true, false,
     KOV_REPLACE_READ_ONLY, "Pos.dat", "old", 0444, nullptr},
    {"LinkStaysAndTheFileItNamesIsReplaced",
     [](const std::string& d) {
         std::filesystem::create_directory(d + "/real");
         write_file(d + "/real/Pos.dat", "old");
         ::chmod((d + "/real/Pos.dat").c_str(), 0604);
         // relative to the link's folder, as a user makes it
         std::filesystem::create_symlink("real/Pos.dat", d + "/link.dat");
         return d + "/link.dat";
     },
     "new", true, false, KOV_REPLACE_OK, "real/Pos.dat", "new", 0604,
     [](const std::string& d) {
         EXPECT_TRUE(is_link(d + "/link.dat"));
         EXPECT_EQ(read_file(d + "/link.dat"), "new");
         EXPECT_EQ(temporaries_beside(d + "/link.dat").size(), 0u);
         EXPECT_EQ(temporaries_beside(d + "/real/Pos.dat").size(), 0u);
     }},
    {"LinkToNothingIsReplacedItself",
     [](const std::string& d) {
         std::filesystem::create_symlink(d + "/nowhere/Pos.dat", d + "/link.dat");
         return d + "/link.dat";
     },
     "new", true, false, KOV_REPLACE_OK, "link.dat", "new", 0,
     [](const std::string& d) { EXPECT_FALSE(is_link(d + "/link.dat")); }},
    {"AnotherWritersTemporaryFileIsLeftAlone",
     [](const std::string& d) {
         write_file(d + "/Pos.dat.tmp", "another writer's, longer than the new contents");
         write_file(d + "/Pos.dat.k3Xq9Z", "another writer's, made just now");
         return old_file(d, 0644);
     },
     "new", true, false, KOV_REPLACE_OK, "Pos.dat", "new", 0644,
     [](const std::string& d) {
         EXPECT_EQ(read_file(d + "/Pos.dat.tmp"), "another writer's, longer than the new contents");
         EXPECT_EQ(read_file(d + "/Pos.dat.k3Xq9Z"), "another writer's, made just now");
     }},
    {"OwnLeftOversOlderThanADayAreRemovedOnlyThem",
     [](const std::string& d) {
         const char* old_ones[] = {"/Pos.dat.a1B2c3", "/Pos.dat.backup", "/Pos.dat.123456",
                                   "/Pos.dat.tmp",    "/Pos.datxa1B2c3", "/Other.dat.a1B2c3"};
         for (const char* n : old_ones) {
             write_file(d + n, "left over");
             age_by_days(d + n, 2);
         }
         write_file(d + "/Pos.dat.Zz9Yy8", "a writer at work");
         age_by_days(d + "/Pos.dat.Zz9Yy8", 0);
         return old_file(d, 0644);
     },
     "new", true, false, KOV_REPLACE_OK, "Pos.dat", "new", 0644,
     [](const std::string& d) {
         EXPECT_FALSE(exists(d + "/Pos.dat.a1B2c3"));
         for (const char* kept : {"/Pos.dat.backup", "/Pos.dat.123456", "/Pos.dat.tmp", "/Pos.datxa1B2c3",
                                  "/Other.dat.a1B2c3", "/Pos.dat.Zz9Yy8"})
             EXPECT_TRUE(exists(d + kept)) << kept;
     }},
    {"LinkInATemporaryPlaceIsNotWrittenThrough",
     [](const std::string& d) {
         write_file(d + "/foreign.txt", "not ours");
         std::filesystem::create_symlink(d + "/foreign.txt", d + "/Pos.dat.tmp");
         std::filesystem::create_symlink(d + "/foreign.txt", d + "/Pos.dat.a1B2c3");
         return old_file(d, 0644);
     },
     "new", true, false, KOV_REPLACE_OK, "Pos.dat", "new", 0644,
     [](const std::string& d) {
         EXPECT_EQ(read_file(d + "/foreign.txt"), "not ours");
         EXPECT_TRUE(is_link(d + "/Pos.dat.tmp"));
         EXPECT_TRUE(is_link(d + "/Pos.dat.a1B2c3"));
     }},
    {"FolderOfATemporaryNameIsLeftAlone",
     [](const std::string& d) {
         std::filesystem::create_directory(d + "/Pos.dat.tmp");
         return old_file(d, 0644);
     },
     "new", true, false, KOV_REPLACE_OK, "Pos.dat", "new", 0644,
     [](const std::string& d) { EXPECT_TRUE(std::filesystem::is_directory(d + "/Pos.dat.tmp")); }},
    {"FailingWriterKeepsTheOldFile", [](const std::string& d) { return old_file(d, 0644); }, "", false, false,
     KOV_REPLACE_FILL_FAILED, "Pos.dat", "old", 0644, nullptr},
    {"FullDiskKeepsTheOldFile", [](const std::string& d) { return old_file(d, 0644); }, big_text(), true, true,
     KOV_REPLACE_WRITE_FAILED, "Pos.dat", "old", 0644, nullptr},
    {"MissingFolderIsReported", [](const std::string& d) { return d + "/gone/Pos.dat"; }, "new", true, false,
     KOV_REPLACE_NO_TEMP, "gone", "", 0, nullptr},
    {"FolderAsTargetIsRefused",
     [](const std::string& d) {
         std::filesystem::create_directory(d + "/Pos.dat");
         return d + "/Pos.dat";
     },
     "new", true, false, KOV_REPLACE_NO_NAME, "Pos.dat.tmp", "", 0,
     [](const std::string& d) {
         EXPECT_TRUE(std::filesystem::is_directory(d + "/Pos.dat"));
         EXPECT_EQ(temporaries_beside(d + "/Pos.dat").size(), 0u);
     }},
    {"WindowsNameInAFolderOfAnotherCase",
     [](const std::string& d) {
         std::filesystem::create_directory(d + "/Daten");
         write_file(d + "/Daten/Pos.dat", "old");
         return d + "\\DATEN\\Pos.dat";
     },
     "new", true, false, KOV_REPLACE_OK, "Daten/Pos.dat", "new", 0,
     [](const std::string& d) { EXPECT_FALSE(exists(d + "/DATEN")); }},
    {"EmptyNameIsRefused", [](const std::string&) { return std::string(); }, "new", true, false, KOV_REPLACE_NO_NAME,
     "", "", 0, nullptr},
};

// The case's name instead of its bytes in test listings.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Replace : public ::testing::TestWithParam<Case> {};

TEST_P(Replace, Case)
{
    const Case& c = GetParam();
    kovtest::TempDir tmp("kovreplace_");
    ASSERT_TRUE(tmp.ok());
    const std::string d = tmp.path();
    const std::string name = c.setup(d);
    const std::vector<std::string> before =
        *c.result_file ? temporaries_beside(d + "/" + c.result_file) : std::vector<std::string>();

    int rc;
    {
        std::optional<kovtest::FileSizeLimit> disk; // a full disk
        if (c.full_disk) disk.emplace(1000);
        rc = Kov_Replace_File(name.c_str(), [&](FILE* f) {
            if (!c.fill_ok) return false;
            std::fwrite(c.contents.data(), 1, c.contents.size(), f);
            return true;
        });
    }
    EXPECT_EQ(rc, c.rc) << Kov_Replace_Text(rc);
    if (*c.result_file) {
        const std::string result = d + "/" + c.result_file;
        if (c.expected.empty()) {
            EXPECT_FALSE(exists(result) && !std::filesystem::is_directory(result));
        } else {
            EXPECT_EQ(read_file(result), c.expected);
        }
        if (c.expected_mode) {
            EXPECT_EQ(mode_of(result), c.expected_mode);
        }
        // Nothing of this writer's is left beside the file.
        for (const std::string& n : temporaries_beside(result))
            EXPECT_TRUE(std::find(before.begin(), before.end(), n) != before.end()) << n;
    }
    if (c.check) c.check(d);
}

INSTANTIATE_TEST_SUITE_P(Files, Replace, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

// The two-step form, for writers that open the temporary file themselves, and
// the copy.
TEST(ReplaceSteps, OpenWriteByNameAndClose)
{
    kovtest::TempDir tmp("kovreplace_");
    ASSERT_TRUE(tmp.ok());
    const std::string target = tmp / "Plot.pdf";
    ASSERT_TRUE(write_file(target, "old"));

    KovReplacement r;
    ASSERT_EQ(Kov_Replace_Open(target.c_str(), &r), KOV_REPLACE_OK);
    EXPECT_EQ(r.temp.size(), target.size() + 7);
    EXPECT_EQ(r.temp.rfind(target + ".", 0), 0u) << r.temp;
    ASSERT_TRUE(write_file(r.temp, "written by name"));
    EXPECT_EQ(read_file(target), "old");
    EXPECT_EQ(Kov_Replace_Close(&r, 1), KOV_REPLACE_OK);
    EXPECT_EQ(read_file(target), "written by name");
    EXPECT_EQ(r.f, nullptr);

    ASSERT_EQ(Kov_Replace_Open(target.c_str(), &r), KOV_REPLACE_OK);
    std::fputs("abandoned", r.f);
    EXPECT_EQ(Kov_Replace_Close(&r, 0), KOV_REPLACE_FILL_FAILED);
    EXPECT_EQ(read_file(target), "written by name");
    EXPECT_EQ(temporaries_beside(target).size(), 0u);
}

TEST(ReplaceSteps, CopyOntoItselfKeepsTheFileAndAMissingSourceChangesNothing)
{
    kovtest::TempDir tmp("kovreplace_");
    ASSERT_TRUE(tmp.ok());
    const std::string bytes = big_text() + std::string("\0\xAE\xAF", 3);
    ASSERT_TRUE(write_file(tmp / "src.bin", bytes));
    ASSERT_TRUE(write_file(tmp / "dst.bin", "old"));

    EXPECT_EQ(Kov_Replace_By_Copy((tmp / "src.bin").c_str(), (tmp / "src.bin").c_str()), KOV_REPLACE_OK);
    EXPECT_EQ(read_file(tmp / "src.bin"), bytes);
    EXPECT_EQ(Kov_Replace_By_Copy((tmp / "src.bin").c_str(), (tmp / "dst.bin").c_str()), KOV_REPLACE_OK);
    EXPECT_EQ(read_file(tmp / "dst.bin"), bytes);
    EXPECT_EQ(Kov_Replace_By_Copy((tmp / "none.bin").c_str(), (tmp / "dst.bin").c_str()), KOV_REPLACE_FILL_FAILED);
    EXPECT_EQ(Kov_Replace_By_Copy(tmp.path().c_str(), (tmp / "dst.bin").c_str()), KOV_REPLACE_FILL_FAILED);
    EXPECT_EQ(read_file(tmp / "dst.bin"), bytes);
}

// Two writers of one file (two windows on one position, a print while a save
// runs): each one's text reaches the target whole, in either order of closing,
// and nothing of either is left beside it.
TEST(ReplaceTwoWriters, EachOneCompletesInEitherOrderOfClosing)
{
    const std::string a_text = "A " + big_text(), b_text = "B " + big_text() + big_text();
    for (const bool a_first : {true, false}) {
        SCOPED_TRACE(a_first ? "A closes first" : "B closes first");
        kovtest::TempDir tmp("kovreplace_");
        ASSERT_TRUE(tmp.ok());
        const std::string target = tmp / "Pos.dat";
        ASSERT_TRUE(write_file(target, "old"));

        KovReplacement a, b;
        ASSERT_EQ(Kov_Replace_Open(target.c_str(), &a), KOV_REPLACE_OK);
        ASSERT_EQ(Kov_Replace_Open(target.c_str(), &b), KOV_REPLACE_OK);
        EXPECT_NE(a.temp, b.temp);
        // Written in turns, as two programs would.
        std::fwrite(a_text.data(), 1, 100, a.f);
        std::fwrite(b_text.data(), 1, b_text.size(), b.f);
        std::fwrite(a_text.data() + 100, 1, a_text.size() - 100, a.f);
        EXPECT_EQ(read_file(target), "old");

        KovReplacement& first = a_first ? a : b;
        KovReplacement& second = a_first ? b : a;
        EXPECT_EQ(Kov_Replace_Close(&first, 1), KOV_REPLACE_OK);
        EXPECT_EQ(read_file(target), a_first ? a_text : b_text);
        EXPECT_EQ(Kov_Replace_Close(&second, 1), KOV_REPLACE_OK);
        EXPECT_EQ(read_file(target), a_first ? b_text : a_text);
        EXPECT_EQ(temporaries_beside(target).size(), 0u);
    }
}

// A temporary file that someone else removed or put another file in the place
// of: the writer reports the failure, the target keeps its old text and the
// other file is neither renamed nor removed.
TEST(ReplaceTwoWriters, OnlyTheFileThisWriterMadeTakesTheTargetsPlace)
{
    for (const bool put_another : {false, true}) {
        SCOPED_TRACE(put_another ? "another file in its place" : "removed");
        kovtest::TempDir tmp("kovreplace_");
        ASSERT_TRUE(tmp.ok());
        const std::string target = tmp / "Pos.dat";
        ASSERT_TRUE(write_file(target, "old"));
        KovReplacement r;
        ASSERT_EQ(Kov_Replace_Open(target.c_str(), &r), KOV_REPLACE_OK);
        std::fputs("new", r.f);
        const std::string temp = r.temp;
        ASSERT_EQ(::unlink(temp.c_str()), 0);
        if (put_another) {
            ASSERT_TRUE(write_file(temp, "someone else's"));
        }
        EXPECT_EQ(Kov_Replace_Close(&r, 1), KOV_REPLACE_RENAME_FAILED);
        EXPECT_EQ(read_file(target), "old");
        if (put_another) {
            EXPECT_EQ(read_file(temp), "someone else's");
        } else {
            EXPECT_FALSE(exists(temp));
        }
    }
}

// Several processes replace one file again and again while it is read: every
// read finds one writer's whole text, and every writer that says "replaced"
// was right at that moment.
TEST(ReplaceTwoWriters, ProcessesRacingOnOneFileNeverLeaveAMixedFile)
{
    kovtest::TempDir tmp("kovreplace_");
    ASSERT_TRUE(tmp.ok());
    const std::string target = tmp / "Pos.dat";
    const int kWriters = 3, kRounds = 40;
    auto text_of = [](int w) { return std::string(3000 + 1000 * w, char('a' + w)) + "\n"; };
    ASSERT_TRUE(write_file(target, text_of(0)));

    std::vector<pid_t> children;
    for (int w = 1; w <= kWriters; ++w) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            const std::string text = text_of(w);
            int failures = 0;
            for (int i = 0; i < kRounds; ++i)
                if (Kov_Replace_File(target.c_str(), [&](FILE* f) {
                        return std::fwrite(text.data(), 1, text.size(), f) == text.size();
                    }) != KOV_REPLACE_OK)
                    ++failures;
            ::_exit(failures == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    int reads = 0, bad = 0;
    std::vector<int> status(children.size(), -1);
    for (size_t left = children.size(); left > 0;) {
        const std::string now = read_file(target);
        bool whole = false;
        for (int w = 0; w <= kWriters; ++w) whole = whole || now == text_of(w);
        if (!whole) ++bad;
        ++reads;
        for (size_t k = 0; k < children.size(); ++k) {
            int st = 0;
            if (status[k] == -1 && ::waitpid(children[k], &st, WNOHANG) == children[k]) {
                status[k] = st;
                --left;
            }
        }
    }
    for (int st : status) EXPECT_TRUE(WIFEXITED(st) && WEXITSTATUS(st) == 0) << st;
    EXPECT_EQ(bad, 0) << "of " << reads << " reads";
    EXPECT_EQ(temporaries_beside(target).size(), 0u);
}

} // namespace
