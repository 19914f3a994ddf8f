// Tests of host file names: backslashes turned into slashes, names looked up without regard to
// case, names of files still to be made under missing folders, and callers' buffers.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "platform/kovpath.h"
#include "test_support/kovtestutil.h"

TEST(Path, BackslashesAndCaseInsensitiveLookup)
{
    std::string root = std::string(KOV_BINARY_DIR) + "/path_test_tmp";
    ::mkdir(root.c_str(), 0755);
    ::mkdir((root + "/NAD").c_str(), 0755);
    std::ofstream(root + "/NAD/Deutschland.NAD") << "x";

    EXPECT_EQ(Kov_Path("a\\b\\c.txt"), "a/b/c.txt");
    EXPECT_EQ(Kov_Path((root + "\\NAD\\Deutschland.NAD").c_str()), root + "/NAD/Deutschland.NAD");
    EXPECT_EQ(Kov_Path((root + "\\nad\\DEUTSCHLAND.nad").c_str()), root + "/NAD/Deutschland.NAD");
    // A file still to be made lands in the folder that exists, whatever its case.
    EXPECT_EQ(Kov_Path((root + "\\nad\\missing.nad").c_str()), root + "/NAD/missing.nad");
    EXPECT_EQ(Kov_Path((root + "\\nad\\neu\\x.nad").c_str()), root + "/NAD/neu/x.nad");
    EXPECT_EQ(Kov_Path((root + "\\gibts\\nad\\x").c_str()), root + "/gibts/nad/x");

    FILE* f = Kov_Fopen((root + "\\Nad\\deutschland.NAD").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::fgetc(f), 'x');
    std::fclose(f);

    char small[8];
    EXPECT_EQ(Kov_Path_Buf("0123456789", small, sizeof small), nullptr);
    EXPECT_STREQ(small, "");
}

// A name whose folders do not exist yet (a new position's folder) comes back as given from the
// first missing folder on, after the folders that exist in their real case; nothing is made.
TEST(Path, MissingFoldersAndOddNames)
{
    kovtest::TempDir d;
    ASSERT_TRUE(d.ok());
    ASSERT_EQ(::mkdir((d / "Projekt").c_str(), 0755), 0);
    ASSERT_TRUE(kovtest::write_file(d / "Projekt/POS_01.inp", "1"));

    EXPECT_EQ(Kov_Path((d.path() + "\\PROJEKT\\Neu\\Unter\\POS_02.INP").c_str()), d / "Projekt/Neu/Unter/POS_02.INP");
    struct stat st;
    EXPECT_NE(::stat((d / "Projekt/Neu").c_str(), &st), 0);
    // A folder named with a slash at its end keeps it.
    EXPECT_EQ(Kov_Path((d.path() + "\\projekt\\").c_str()), d / "Projekt/");
    // "." and ".." are kept, not looked up.
    EXPECT_EQ(Kov_Path((d.path() + "\\projekt\\..\\PROJEKT\\pos_01.INP").c_str()), d / "Projekt/../Projekt/POS_01.inp");
    // Doubled separators do not lose the rest of the name.
    EXPECT_EQ(Kov_Path((d.path() + "\\\\projekt\\pos_01.inp").c_str()), d / "Projekt/POS_01.inp");
    EXPECT_EQ(Kov_Path(nullptr), "");
    EXPECT_EQ(Kov_Path(""), "");
    EXPECT_EQ(Kov_Fopen(nullptr, "rb"), nullptr);
    EXPECT_EQ(Kov_Fopen((d / "Projekt/POS_01.inp").c_str(), nullptr), nullptr);
    EXPECT_EQ(Kov_Fopen((d.path() + "\\fehlt\\x.inp").c_str(), "rb"), nullptr);
}

TEST(Path, BufferTakesANameThatJustFits)
{
    char buf[6];
    EXPECT_EQ(Kov_Path_Buf("a\\b\\c", buf, sizeof buf), buf); // 5 characters and the end
    EXPECT_STREQ(buf, "a/b/c");
    EXPECT_EQ(Kov_Path_Buf("a\\b\\cd", buf, sizeof buf), nullptr);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(Kov_Path_Buf("x", nullptr, 4), nullptr);
    EXPECT_EQ(Kov_Path_Buf("x", buf, 0), nullptr);
}
