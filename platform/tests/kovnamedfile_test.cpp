// Files named by another file's content: regular files only, never waited on,
// never read beyond the limit, from their own folder where one is given.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "platform/kovnamedfile.h"
#include "test_support/kovtestutil.h"

namespace {

using kovtest::write_file;

struct Case {
    const char* name;
    // Prepares the folder d; returns the name to read.
    std::function<std::string(const std::string& d)> setup;
    size_t limit;
    int rc;
    std::string bytes; // what is read when rc is KOV_NAMED_OK
};

const Case kCases[] = {
    {"RegularFile",
     [](const std::string& d) {
         write_file(d + "/bild.png", "PNG");
         return d + "/bild.png";
     },
     100, KOV_NAMED_OK, "PNG"},
    {"EmptyFile",
     [](const std::string& d) {
         write_file(d + "/leer", "");
         return d + "/leer";
     },
     100, KOV_NAMED_OK, ""},
    {"FileOfExactlyTheLimit",
     [](const std::string& d) {
         write_file(d + "/f", "12345");
         return d + "/f";
     },
     5, KOV_NAMED_OK, "12345"},
    {"FileOneByteOverTheLimit",
     [](const std::string& d) {
         write_file(d + "/f", "123456");
         return d + "/f";
     },
     5, KOV_NAMED_TOO_LARGE, ""},
    {"WindowsNameOfAnotherCase",
     [](const std::string& d) {
         std::filesystem::create_directory(d + "/Bilder");
         write_file(d + "/Bilder/Logo.bmp", "BM");
         return d + "\\BILDER\\logo.BMP";
     },
     100, KOV_NAMED_OK, "BM"},
    {"Fifo",
     [](const std::string& d) {
         ::mkfifo((d + "/bild.png").c_str(), 0600);
         return d + "/bild.png";
     },
     100, KOV_NAMED_NOT_REGULAR, ""},
    {"LinkToAFifo",
     [](const std::string& d) {
         ::mkfifo((d + "/fifo").c_str(), 0600);
         std::filesystem::create_symlink(d + "/fifo", d + "/bild.png");
         return d + "/bild.png";
     },
     100, KOV_NAMED_NOT_REGULAR, ""},
    {"DevZero", [](const std::string&) { return std::string("/dev/zero"); }, 100, KOV_NAMED_NOT_REGULAR, ""},
    {"DevNull", [](const std::string&) { return std::string("/dev/null"); }, 100, KOV_NAMED_NOT_REGULAR, ""},
    {"Folder", [](const std::string& d) { return d; }, 100, KOV_NAMED_NOT_REGULAR, ""},
    {"Missing", [](const std::string& d) { return d + "/fehlt.png"; }, 100, KOV_NAMED_MISSING, ""},
    {"EmptyName", [](const std::string&) { return std::string(); }, 100, KOV_NAMED_MISSING, ""},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class NamedFile : public ::testing::TestWithParam<Case> {};

TEST_P(NamedFile, Read)
{
    const Case& c = GetParam();
    kovtest::TempDir tmp("kovnamed_");
    ASSERT_TRUE(tmp.ok());
    const std::string name = c.setup(tmp.path());
    std::string bytes = "stale";
    const auto start = std::chrono::steady_clock::now();
    const int rc = Kov_Read_Named_File(name, c.limit, &bytes);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(rc, c.rc) << Kov_Named_File_Text(rc);
    EXPECT_EQ(bytes, c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Files, NamedFile, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

// A help folder: its own files and those of its subfolders are read; "..", an
// absolute name elsewhere and a link that leads out are not.
TEST(NamedFileIn, OnlyFromItsOwnFolder)
{
    kovtest::TempDir tmp("kovnamed_");
    ASSERT_TRUE(tmp.ok());
    const std::string help = tmp / "HILFE";
    std::filesystem::create_directories(help + "/bilder");
    ASSERT_TRUE(write_file(help + "/seite.html", "<p>Seite</p>"));
    ASSERT_TRUE(write_file(help + "/bilder/a.png", "PNG"));
    ASSERT_TRUE(write_file(tmp / "geheim.txt", "secret"));
    std::filesystem::create_symlink(tmp / "geheim.txt", help + "/link.txt");
    ASSERT_EQ(::mkfifo((help + "/fifo.png").c_str(), 0600), 0);

    const struct {
        std::string name;
        int rc;
    } cases[] = {
        {help + "/seite.html", KOV_NAMED_OK},
        {help + "/bilder/a.png", KOV_NAMED_OK},
        {help + "/bilder/../seite.html", KOV_NAMED_OK},
        {help + "/../geheim.txt", KOV_NAMED_OUTSIDE},
        {tmp / "geheim.txt", KOV_NAMED_OUTSIDE},
        {help + "/link.txt", KOV_NAMED_OUTSIDE},
        {"/dev/zero", KOV_NAMED_OUTSIDE},
        {help + "/fifo.png", KOV_NAMED_NOT_REGULAR},
        {help + "/fehlt.png", KOV_NAMED_MISSING},
        {tmp.path() + "/HILFE-andere/x", KOV_NAMED_MISSING},
    };
    for (const auto& c : cases) {
        std::string bytes;
        const int rc = Kov_Read_Named_File_In(help, c.name, 1000, &bytes);
        EXPECT_EQ(rc, c.rc) << c.name << ": " << Kov_Named_File_Text(rc);
        EXPECT_EQ(bytes.empty(), rc != KOV_NAMED_OK) << c.name;
    }
    // A sibling folder whose name begins like the help folder's is outside.
    std::filesystem::create_directories(tmp / "HILFE2");
    ASSERT_TRUE(write_file(tmp / "HILFE2/x.png", "PNG"));
    std::string bytes;
    EXPECT_EQ(Kov_Read_Named_File_In(help, tmp / "HILFE2/x.png", 1000, &bytes), KOV_NAMED_OUTSIDE);
}

} // namespace
