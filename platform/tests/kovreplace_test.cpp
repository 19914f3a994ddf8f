// The one file-replacement service: every case a writer meets, in one table.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "platform/kovreplace.h"
#include "platform/tests/kovtestutil.h"

namespace {

using kovtest::exists;
using kovtest::read_file;
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

// The process may write only this many bytes into any file: a full disk.
struct FullDisk {
    explicit FullDisk(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ok = ::getrlimit(RLIMIT_FSIZE, &saved) == 0;
        struct rlimit small = saved;
        small.rlim_cur = bytes;
        ok = ok && ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FullDisk() { ::setrlimit(RLIMIT_FSIZE, &saved); }
    struct rlimit saved;
    bool ok = false;
};

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
         EXPECT_FALSE(exists(d + "/link.dat.tmp"));
         EXPECT_FALSE(exists(d + "/real/Pos.dat.tmp"));
     }},
    {"LinkToNothingIsReplacedItself",
     [](const std::string& d) {
         std::filesystem::create_symlink(d + "/nowhere/Pos.dat", d + "/link.dat");
         return d + "/link.dat";
     },
     "new", true, false, KOV_REPLACE_OK, "link.dat", "new", 0,
     [](const std::string& d) { EXPECT_FALSE(is_link(d + "/link.dat")); }},
    {"StaleTemporaryFileIsRemoved",
     [](const std::string& d) {
         write_file(d + "/Pos.dat.tmp", "stale and longer than the new contents");
         return old_file(d, 0644);
     },
     "new", true, false, KOV_REPLACE_OK, "Pos.dat", "new", 0644,
     [](const std::string& d) { EXPECT_FALSE(exists(d + "/Pos.dat.tmp")); }},
    {"StaleTemporaryLinkIsNotWrittenThrough",
     [](const std::string& d) {
         write_file(d + "/foreign.txt", "not ours");
         std::filesystem::create_symlink(d + "/foreign.txt", d + "/Pos.dat.tmp");
         return old_file(d, 0644);
     },
     "new", true, false, KOV_REPLACE_OK, "Pos.dat", "new", 0644,
     [](const std::string& d) {
         EXPECT_EQ(read_file(d + "/foreign.txt"), "not ours");
         EXPECT_FALSE(exists(d + "/Pos.dat.tmp"));
     }},
    {"FolderInTheTemporaryPlaceIsLeftAlone",
     [](const std::string& d) {
         std::filesystem::create_directory(d + "/Pos.dat.tmp");
         return old_file(d, 0644);
     },
     "new", true, false, KOV_REPLACE_NO_TEMP, "Pos.dat", "old", 0644,
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
     [](const std::string& d) { EXPECT_TRUE(std::filesystem::is_directory(d + "/Pos.dat")); }},
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

    int rc;
    {
        std::optional<FullDisk> disk;
        if (c.full_disk) {
            disk.emplace(1000);
            ASSERT_TRUE(disk->ok);
        }
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
        // Nothing is left beside the file.
        if (!c.check) {
            EXPECT_FALSE(exists(result + ".tmp"));
        }
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
    EXPECT_EQ(r.temp, target + ".tmp");
    ASSERT_TRUE(write_file(r.temp, "written by name"));
    EXPECT_EQ(read_file(target), "old");
    EXPECT_EQ(Kov_Replace_Close(&r, 1), KOV_REPLACE_OK);
    EXPECT_EQ(read_file(target), "written by name");
    EXPECT_EQ(r.f, nullptr);

    ASSERT_EQ(Kov_Replace_Open(target.c_str(), &r), KOV_REPLACE_OK);
    std::fputs("abandoned", r.f);
    EXPECT_EQ(Kov_Replace_Close(&r, 0), KOV_REPLACE_FILL_FAILED);
    EXPECT_EQ(read_file(target), "written by name");
    EXPECT_FALSE(exists(target + ".tmp"));
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

} // namespace
