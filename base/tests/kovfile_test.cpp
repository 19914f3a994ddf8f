// Tests of the base file name (directory, path limit, operations relative to it), the
// temporary-file slots and the line and number readers.
#include "base/kovfile.h"
#include "test_support/kovtestutil.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

using kovtest::exists;
using kovtest::stream_of;
using kovtest::write_file;

} // namespace

TEST(KovfileBase, DirectoryOfTheBaseName)
{
    Kovfile_Reset();
    EXPECT_STREQ(Base_Set_File("C:\\proj\\pos\\NELU_01"), "C:\\proj\\pos\\NELU_01");
    EXPECT_STREQ(Base_Get_Dir(), "C:\\proj\\pos");
    Base_Set_File("C:NELU_01");
    EXPECT_STREQ(Base_Get_Dir(), "C:");
    Base_Set_File("/tmp/x/NELU_01");
    EXPECT_STREQ(Base_Get_Dir(), "/tmp/x");
    Base_Set_File("NELU_01");
    char cwd[300];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_STREQ(Base_Get_Dir(), cwd);
    Base_Set_File(nullptr);
    EXPECT_STREQ(Base_Get_File(), "");
    std::string longer(300, 'a');
    EXPECT_EQ(std::strlen(Base_Set_File(longer.c_str())), 260u);
}

TEST(KovfileBase, PathLimit)
{
    Kovfile_Reset();
    EXPECT_STREQ(Base_Path(".bak"), ".bak"); // empty base: the suffix alone

    std::string base(250, 'b');
    Base_Set_File(base.c_str());
    EXPECT_EQ(Base_Path(".abcdefghij"), nullptr); // 11 characters: 261
    EXPECT_EQ(Base_Fopen(".abcdefghij", "r"), nullptr);
    EXPECT_EQ(Base_Exists(".abcdefghij"), 0);
    EXPECT_EQ(Base_Remove(".abcdefghij"), 1);
    EXPECT_EQ(Base_Remove_Matching(".abcdefghij"), -1);
    const char* p = Base_Path(".abcdefghi"); // 10 characters: 260
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::strlen(p), 260u);

    Base_Set_File("ABCDEFGH");
    char dst[10];
    EXPECT_EQ(Base_Make_Path(dst, ".xyz", sizeof dst), nullptr); // 12 characters
    EXPECT_STREQ(dst, "ABCDEFGH.");
    EXPECT_EQ(Base_Make_Path(dst, "x", sizeof dst), dst); // 9 characters fit
    EXPECT_STREQ(dst, "ABCDEFGHx");
    EXPECT_EQ(Base_Make_Path(dst, nullptr, sizeof dst), dst);
    EXPECT_EQ(Base_Make_Path(nullptr, ".x", 10), nullptr);
}

TEST(KovfileBase, FileOperationsRelativeToTheBase)
{
    Kovfile_Reset();
    kovtest::TempDir tmp("kov_file_");
    std::string dir = tmp.path();
    Base_Set_File((dir + "\\POS_01").c_str()); // Windows separator

    FILE* f = Base_Fopen(".inp", "w");
    ASSERT_NE(f, nullptr);
    std::fputs("data\n", f);
    std::fclose(f);
    EXPECT_TRUE(exists(dir + "/POS_01.inp"));
    EXPECT_EQ(Base_Exists(".inp"), 1);
    EXPECT_EQ(Base_Exists(".INP"), 1); // case-insensitive fallback
    EXPECT_EQ(Base_Exists(".out"), 0);

    EXPECT_EQ(Base_Copy(".inp", ".bak", 0), 1);
    EXPECT_TRUE(exists(dir + "/POS_01.bak"));
    EXPECT_EQ(Base_Rename(".bak", ".old"), 1);
    EXPECT_TRUE(exists(dir + "/POS_01.old"));
    EXPECT_EQ(Base_Rename(".bak", ".old"), 0);
    EXPECT_EQ(Base_Remove(".old"), 0);
    EXPECT_EQ(Base_Remove(".old"), 1);
}

TEST(KovfileBase, RemoveMatching)
{
    Kovfile_Reset();
    kovtest::TempDir tmp("kov_file_");
    std::string dir = tmp.path();
    for (const char* n : {"POS_01.p1", "POS_01.P2", "POS_01.keep", "OTHER.p1"}) write_file(dir + "/" + n, "x");
    Base_Set_File((dir + "/POS_01").c_str());
    EXPECT_EQ(Base_Remove_Matching(".p?"), 2);
    EXPECT_FALSE(exists(dir + "/POS_01.p1"));
    EXPECT_FALSE(exists(dir + "/POS_01.P2"));
    EXPECT_TRUE(exists(dir + "/POS_01.keep"));
    EXPECT_TRUE(exists(dir + "/OTHER.p1"));
    EXPECT_EQ(Base_Remove_Matching(".none*"), 0);
}

TEST(KovfileTemp, NamesInTempWithPrefix)
{
    Kovfile_Reset();
    kovtest::TempDir tmp("kov_file_");
    std::string dir = tmp.path();
    kovtest::ScopedEnv temp_env("TEMP", dir);
    char name[TEMP_NAME_SIZE];
    ASSERT_EQ(Temp_File_Name(name), name);
    EXPECT_EQ(std::string(name).rfind(dir + "/KOV", 0), 0u) << name;
    EXPECT_TRUE(exists(name)); // kept until removed
    char other[TEMP_NAME_SIZE];
    ASSERT_NE(Temp_File_Name(other), nullptr);
    EXPECT_STRNE(name, other);
    EXPECT_EQ(Temp_File_Name(nullptr), nullptr);
}

TEST(KovfileTemp, FiveSlots)
{
    Kovfile_Reset();
    kovtest::TempDir tmp("kov_file_");
    std::string dir = tmp.path();
    kovtest::ScopedEnv temp_env("TEMP", dir);
    FILE* f[5];
    for (FILE*& x : f) {
        x = Temp_File_Open("w+");
        ASSERT_NE(x, nullptr);
    }
    EXPECT_EQ(Temp_File_Open("w+"), nullptr); // the sixth

    FILE* own = std::tmpfile();
    EXPECT_EQ(Temp_File_Close(own), 0); // not ours: not closed
    EXPECT_EQ(std::fputc('x', own), 'x');
    std::fclose(own);
    EXPECT_EQ(Temp_File_Close(nullptr), 0);

    std::fputs("abc", f[2]);
    EXPECT_EQ(Temp_File_Close(f[2]), 1);
    FILE* again = Temp_File_Open("w");
    ASSERT_NE(again, nullptr);
    for (int i = 0; i < 5; ++i)
        if (i != 2) Temp_File_Close(f[i]);
    Temp_File_Close(again);
    // Every temporary file is gone again.
    int left = 0;
    if (DIR* d = ::opendir(dir.c_str())) {
        while (dirent* e = ::readdir(d))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) ++left;
        ::closedir(d);
    }
    EXPECT_EQ(left, 0);
}

TEST(KovfileReaders, LineReaders)
{
    FILE* f = stream_of("1.5 2 x 4\n 7e1\t8,5\n0x10 010 -3\n\n");
    double d[4];
    EXPECT_EQ(Read_Line_Doubles(f, d, 4), 1);
    EXPECT_DOUBLE_EQ(d[0], 1.5);
    EXPECT_DOUBLE_EQ(d[1], 2);
    EXPECT_DOUBLE_EQ(d[2], 0);
    EXPECT_DOUBLE_EQ(d[3], 0);
    EXPECT_EQ(Read_Line_Doubles(f, d, 3), 1);
    EXPECT_DOUBLE_EQ(d[0], 70);
    EXPECT_DOUBLE_EQ(d[1], 8); // "8,5" is 8 with a decimal point
    int v[3];
    EXPECT_EQ(Read_Line_Ints(f, v, 3), 1);
    EXPECT_EQ(v[0], 16);
    EXPECT_EQ(v[1], 8);
    EXPECT_EQ(v[2], -3);
    EXPECT_EQ(Read_Line_Ints(f, v, 3), 1); // empty line
    EXPECT_EQ(v[0], 0);
    v[0] = 9;
    EXPECT_EQ(Read_Line_Ints(f, v, 3), 0); // end of file
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(Read_Line_Ints(nullptr, v, 3), 0);
    std::fclose(f);
}

TEST(KovfileReaders, OverlongLineIsConsumedToItsEnd)
{
    std::string line(250, ' ');
    line.replace(0, 1, "1");
    line.replace(230, 1, "9"); // beyond the 199 characters that count
    FILE* f = stream_of(line + "\n2 3\n");
    int v[2];
    EXPECT_EQ(Read_Line_Ints(f, v, 2), 1);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], 0);
    EXPECT_EQ(Read_Line_Ints(f, v, 2), 1); // the next line, not the rest
    EXPECT_EQ(v[0], 2);
    EXPECT_EQ(v[1], 3);
    std::fclose(f);
}

TEST(KovfileReaders, RunsAcrossLines)
{
    FILE* f = stream_of("1 0x10\n010 x 5");
    int v[5] = {9, 9, 9, 9, 9};
    EXPECT_EQ(Read_Ints(f, v, 5), 3);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], 16);
    EXPECT_EQ(v[2], 8);
    EXPECT_EQ(v[3], 0);
    EXPECT_EQ(v[4], 0);
    std::fclose(f);
    f = stream_of("1.25\n-2e3 ");
    double d[3];
    EXPECT_EQ(Read_Doubles(f, d, 3), 2);
    EXPECT_DOUBLE_EQ(d[1], -2000);
    EXPECT_DOUBLE_EQ(d[2], 0);
    EXPECT_EQ(Read_Doubles(f, d, 0), 0);
    EXPECT_EQ(Read_Doubles(nullptr, d, 3), 0);
    std::fclose(f);
}
