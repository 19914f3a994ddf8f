// Tests of the small tools: angles, bits, extremes, trapezoid ordinates, string editing, the
// substring ring, words and number words, version suffixes and the pattern replacement.
#include "base/ttool.h"
#include "platform/kovsheet.h"
#include "test_support/kovtestutil.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using kovtest::read_file;
using kovtest::write_file;

} // namespace

TEST(TtoolAngles, NormalizeTo360And180)
{
    struct Case {
        double in, a360, a180;
    } cases[] = {
        {-30, 330, -30},      {720, 0, 0},  {180, 180, -180}, {-190, 170, 170},
        {359.5, 359.5, -0.5}, {-360, 0, 0}, {540, 180, -180}, {90, 90, 90},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(Angle_Normalize_360(c.in), c.a360) << c.in;
        EXPECT_DOUBLE_EQ(Angle_Normalize_180(c.in), c.a180) << c.in;
    }
    // A tiny negative angle stays inside [0, 360).
    double a = Angle_Normalize_360(-1e-20);
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, 360.0);
}

TEST(TtoolBits, TestSetClearModulo32)
{
    EXPECT_EQ(Bit_Test(2, 33), 1); // bit 33 is bit 1
    EXPECT_EQ(Bit_Test(2, 0), 0);
    EXPECT_EQ(Bit_Test((int)0x80000000u, 31), 1);
    int w = 0;
    EXPECT_EQ(Bit_Set(&w, 3), 1);
    EXPECT_EQ(w, 8);
    Bit_Set(&w, 31);
    EXPECT_EQ((unsigned)w, 0x80000008u);
    EXPECT_EQ(Bit_Clear(&w, 35), 1); // bit 3
    EXPECT_EQ((unsigned)w, 0x80000000u);
    Bit_Set_Or_Clear(1, &w, 0);
    Bit_Set_Or_Clear(0, &w, 31);
    EXPECT_EQ(w, 1);
}

TEST(TtoolExtremes, MinMaxSearch)
{
    const double v[] = {3, -1, 7, -1, 7};
    int imin = -9, imax = -9;
    Index_Of_Min_Max(5, v, &imin, &imax);
    EXPECT_EQ(imin, 1); // first occurrence
    EXPECT_EQ(imax, 2);
    int idx = -9;
    EXPECT_DOUBLE_EQ(Min_Value_Index(v, 5, &idx), -1);
    EXPECT_EQ(idx, 1);
    EXPECT_DOUBLE_EQ(Max_Value_Index(v, 5, &idx), 7);
    EXPECT_EQ(idx, 2);
    EXPECT_DOUBLE_EQ(Min_Value_Index(v, 0, &idx), 1e31);
    EXPECT_EQ(idx, 0);
    EXPECT_DOUBLE_EQ(Max_Value_Index(v, -1, &idx), -1e31);

    // Values outside the starting bounds leave the pointers unwritten.
    const double big[] = {1e250, 2e250};
    imin = imax = -9;
    Index_Of_Min_Max(2, big, &imin, &imax);
    EXPECT_EQ(imin, -9);
    EXPECT_EQ(imax, 1);
}

TEST(TtoolTrapezoid, EndOrdinates)
{
    // Resultant 10 over length 4: at the middle a uniform load 2.5; at a third
    // a triangle starting with 5 and ending with 0.
    double s, e;
    EXPECT_EQ(Trapezoid_Ordinates(&s, &e, 10, 2, 4), &s);
    EXPECT_NEAR(s, 2.5, 1e-12);
    EXPECT_NEAR(e, 2.5, 1e-12);
    Trapezoid_Ordinates(&s, &e, 12, 4.0 / 3.0, 4);
    EXPECT_NEAR(s, 6, 1e-12);
    EXPECT_NEAR(e, 0, 1e-12);
    Trapezoid_Ordinates(&s, &e, 10, 2, 1e-6);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(e, 0);
}

TEST(TtoolStrings, TrimFunctions)
{
    char a[] = "ab  ";
    EXPECT_EQ(Str_Trim_Trailing_Blanks(a), 2);
    EXPECT_STREQ(a, "ab");
    char e[] = "";
    EXPECT_EQ(Str_Trim_Trailing_Blanks(e), 0);
    char blanks[] = "   ";
    EXPECT_EQ(Str_Trim_Trailing_Blanks(blanks), 3);
    EXPECT_STREQ(blanks, "");

    char b[] = "ab \n";
    EXPECT_EQ(Str_Trim_Line_End(b), 1);
    EXPECT_STREQ(b, "ab");
    char c[] = "ab\n";
    EXPECT_EQ(Str_Trim_Line_End(c), 1);
    EXPECT_STREQ(c, "ab\n");
    char d[] = " \n ";
    EXPECT_EQ(Str_Trim_Line_End(d), -1);
    EXPECT_STREQ(d, "");
}

TEST(TtoolStrings, BlankByteEscapesRoundTrip)
{
    char s[] = "a b\nc\rd";
    EXPECT_EQ(Str_Encode_Blank_Bytes(s), 7);
    EXPECT_STREQ(s, "a\xFE"
                    "b\xFD"
                    "c\xFC"
                    "d");
    EXPECT_EQ(Str_Decode_Blank_Bytes(s), 7);
    EXPECT_STREQ(s, "a b\nc\rd");
}

TEST(TtoolStrings, CollapseSpace)
{
    char s[] = " a \t\n b";
    EXPECT_EQ(Str_Collapse_Space(s), s);
    EXPECT_STREQ(s, " a b");
    EXPECT_EQ(Str_Collapse_Space(nullptr), nullptr);
    char* c = Str_Collapse_Space_Copy("x  \t y ");
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c, "x y ");
    std::free(c);
}

TEST(TtoolStrings, ReplaceChar)
{
    int n = -1;
    const char* s = "abc";
    EXPECT_EQ(Str_Replace_Char(s, "x", "yy", &n), s);
    EXPECT_EQ(n, 0);
    char* r = Str_Replace_Char("a,b,c", ",", ";; ", &n);
    EXPECT_EQ(n, 2);
    EXPECT_STREQ(r, "a;; b;; c");
    std::free(r);
    r = Str_Replace_Char(",", ",", "", &n); // everything removed
    EXPECT_EQ(n, 1);
    EXPECT_STREQ(r, "");
    std::free(r);
    EXPECT_EQ(Str_Replace_Char(nullptr, ",", "x", &n), nullptr);
}

TEST(TtoolStrings, PadAndFind)
{
    char s[10] = "ab";
    EXPECT_STREQ(Str_Pad_Blanks(s, 5), "ab   ");
    EXPECT_STREQ(Str_Pad_Blanks(s, 1), "a");

    struct Case {
        int from;
        const char* s;
        const char* pat;
        int want;
    } cases[] = {
        {0, "abcabc", "bc", 1},  {2, "abcabc", "bc", 4},
        {5, "abcabc", "bc", -1}, {7, "abcabc", "bc", 0}, // from beyond the length
        {0, "abc", "x", -1},     {6, "abcabc", "", 6},
    };
    for (const Case& c : cases) EXPECT_EQ(Str_Find_From(c.from, c.s, c.pat), c.want) << c.from;
}

TEST(TtoolRing, LeftRightMid)
{
    Ttool_Reset();
    EXPECT_STREQ(Str_Mid("abcdef", 2, 10), "cdef");
    EXPECT_EQ(Str_Mid("abcdef", 6, 1), nullptr);
    EXPECT_STREQ(Str_Left("abc", 10), "abc");
    EXPECT_STREQ(Str_Left("abcdef", 2), "ab");
    EXPECT_STREQ(Str_Right("abcdef", 2), "ef");
    EXPECT_STREQ(Str_Right("ab", 7), "ab");
    EXPECT_STREQ(Str_Mid("abcdef", 1, 3), "bcd");
}

TEST(TtoolRing, NinthResultReusesFirstSlot)
{
    Ttool_Reset();
    char* first = Str_Left("abcdefgh", 8);
    for (int i = 0; i < 7; ++i) Str_Left("x", 1);
    EXPECT_STREQ(first, "abcdefgh");  // still valid after seven more
    char* ninth = Str_Left("xyz", 3); // fits the first slot's text: reused
    EXPECT_EQ(ninth, first);
    EXPECT_STREQ(first, "xyz");
}

TEST(TtoolRing, ReleaseOnlyAllocatedSlots)
{
    Ttool_Reset();
    char* p = Str_Left("abcd", 4); // allocated
    Str_Ring_Release(p);           // freed; the slot allocates anew next time
    const char* other = "not a ring text";
    Str_Ring_Release(other); // ignored
    for (int i = 0; i < 7; ++i) Str_Left("q", 1);
    EXPECT_STREQ(Str_Left("abcdefghij", 10), "abcdefghij");
}

TEST(TtoolWords, CountAndSplit)
{
    EXPECT_EQ(Str_Count_Words("  a bb\tccc\n "), 3);
    EXPECT_EQ(Str_Count_Words(""), 0);
    int n = -1;
    char** w = nullptr;
    ASSERT_EQ(Str_Split_Words(" M12  8.8\t120 ", &n, &w), 1);
    ASSERT_EQ(n, 3);
    EXPECT_STREQ(w[0], "M12");
    EXPECT_STREQ(w[1], "8.8");
    EXPECT_STREQ(w[2], "120");
    for (int i = 0; i < n; ++i) std::free(w[i]);
    std::free(w);
    EXPECT_EQ(Str_Split_Words(" \t ", &n, &w), 0);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(w, nullptr);
}

TEST(TtoolWords, NumberWord)
{
    const char* want[10] = {"keiner",
                            "einer",
                            "zwei",
                            "drei",
                            "vier",
                            "f\x81"
                            "nf", // fünf in code page 850
                            "sechs",
                            "sieben",
                            "acht",
                            "neun"};
    for (unsigned i = 0; i < 10; ++i) EXPECT_STREQ(Number_Word(i), want[i]);
    EXPECT_STREQ(Number_Word(10), "10");
    EXPECT_STREQ(Number_Word(123456), "123456");
    EXPECT_STREQ(Number_Word(4000000000u), "4000000000");
}

TEST(TtoolVersion, ParseSuffix)
{
    struct Case {
        const char* text;
        int first, second;
        const char* suffix;
    } cases[] = {
        {"Prog 2.10-beta", 2, 10, "beta"},
        {"Prog 3.1.abcdefg", 3, 1, "abcd"}, // at most four characters, terminated
        {"Prog 2.10", 2, 10, "???"},
        {"Prog", 0, 0, "???"},
        {" 1.2.x", 0, 0, "???"}, // the first character is not examined
        {"", 0, 0, "???"},
    };
    for (const Case& c : cases) {
        int a = -1, b = -1;
        char suf[8];
        std::memset(suf, 'Z', sizeof suf);
        Version_Suffix_Parse(c.text, &a, &b, suf);
        EXPECT_EQ(a, c.first) << c.text;
        EXPECT_EQ(b, c.second) << c.text;
        EXPECT_STREQ(suf, c.suffix) << c.text;
    }
    Version_Suffix_Parse("x 1.2.ab", nullptr, nullptr, nullptr); // no output wanted
}

TEST(TtoolVersion, CompareSuffixes)
{
    struct Case {
        const char* a;
        const char* b;
        int want;
    } cases[] = {
        {"P 1.5.a", "P 1.4.a", 1}, {"P 1.4.a", "P 1.5.a", -1},
        {"P 2.4.a", "P 1.4.a", 1}, {"P 9.3.a", "P 1.4.a", -1}, // second number first
        {"P 1.4.a", "P 1.4.a", 0}, {"nothing", "either", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Version_Suffix_Compare(c.a, c.b), c.want) << c.a << " / " << c.b;
    EXPECT_GT(Version_Suffix_Compare("P 1.4.b", "P 1.4.a"), 0);
}

TEST(TtoolReplace, ReplacesAllOccurrencesBesideTheFile)
{
    kovtest::TempDir tmp("kov_ttool_");
    std::string dir = tmp.path();
    std::string path = dir + "/data.txt";
    std::string long_line(1000, 'x');
    write_file(path, "aXa\nXX\n" + long_line + "X\nlast X");
    // The replacement holds the pattern: the search goes on behind it.
    EXPECT_EQ(Text_File_Replace(path.c_str(), "X", "<X>"), 5);
    EXPECT_EQ(read_file(path), "a<X>a\n<X><X>\n" + long_line + "<X>\nlast <X>");
    EXPECT_NE(::access((dir + "/_data.txt").c_str(), F_OK), 0); // the copy is gone

    EXPECT_EQ(Text_File_Replace((dir + "/missing.txt").c_str(), "X", "Y"), 0);
    EXPECT_EQ(Text_File_Replace(path.c_str(), "nothing", "Y"), 0);
    EXPECT_EQ(Text_File_Replace(path.c_str(), "", "Y"), 0);
}

// A file named like the copy belongs to someone else and stays as it is; the
// replaced file keeps its permissions.
TEST(TtoolReplace, NeighbourFileAndPermissionsAreKept)
{
    kovtest::TempDir tmp("kov_ttool_");
    const std::string dir = tmp.path();
    const std::string path = dir + "/data.txt";
    write_file(path, "alt\n");
    ::chmod(path.c_str(), 0640);
    write_file(dir + "/_data.txt", "fremd\n");

    EXPECT_EQ(Text_File_Replace(path.c_str(), "alt", "neu"), 1);
    EXPECT_EQ(read_file(path), "neu\n");
    EXPECT_EQ(read_file(dir + "/_data.txt"), "fremd\n");
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // nothing to replace: the neighbour is not removed either
    EXPECT_EQ(Text_File_Replace(path.c_str(), "alt", "neu"), 0);
    EXPECT_EQ(read_file(dir + "/_data.txt"), "fremd\n");
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 2);
}

TEST(TtoolReplace, BackslashPathAndUnwritableFolderKeepTheFile)
{
    kovtest::TempDir tmp("kov_ttool_");
    std::string dir = tmp.path();
    std::string path = dir + "/f.txt";
    write_file(path, "one two\n");
    std::string win = dir + "\\F.TXT"; // Windows separator and other case
    EXPECT_EQ(Text_File_Replace(win.c_str(), "two", "2"), 1);
    EXPECT_EQ(read_file(path), "one 2\n");

    if (::geteuid() != 0) { // root writes anywhere
        ::chmod(dir.c_str(), 0500);
        EXPECT_EQ(Text_File_Replace(path.c_str(), "one", "1"), 0);
        ::chmod(dir.c_str(), 0700);
        EXPECT_EQ(read_file(path), "one 2\n");
    }
}

TEST(TtoolSibling, TestedOnceUnderExec)
{
    Ttool_Reset();
    kovtest::TempDir tmp("kov_ttool_");
    std::string dir = tmp.path();
    kovtest::ScopedEnv env("EXEC", dir);
    EXPECT_EQ(Sibling_Tool_Present(), 0);
    ::mkdir((dir + "/Q8-VUNT").c_str(), 0700);
    write_file(dir + "/Q8-VUNT/V.exe", "");
    EXPECT_EQ(Sibling_Tool_Present(), 0); // a failed test is not repeated
    Ttool_Reset();
    EXPECT_EQ(Sibling_Tool_Present(), 1);
}

namespace {
void idle_a() {}
void idle_b() {}
} // namespace

TEST(TtoolIdle, StackInstallsItsTop)
{
    Ttool_Reset();
    Idle_Pop(); // empty stack: stays empty, nothing installed
    EXPECT_EQ(Idle_Count(), 0);
    EXPECT_EQ(Idle_Installed(), nullptr);
    EXPECT_EQ(Get_CallSometimesFunc_of_PS(), nullptr);

    Idle_Push(idle_a);
    Idle_Push(idle_b);
    EXPECT_EQ(Idle_Count(), 2);
    EXPECT_EQ(Idle_Installed(), idle_b);
    EXPECT_EQ(Get_CallSometimesFunc_of_PS(), idle_b);
    Idle_Suspend();
    EXPECT_EQ(Idle_Installed(), nullptr);
    EXPECT_EQ(Get_CallSometimesFunc_of_PS(), nullptr);
    EXPECT_EQ(Idle_Count(), 2);
    Idle_Resume();
    EXPECT_EQ(Idle_Installed(), idle_b);
    EXPECT_EQ(Get_CallSometimesFunc_of_PS(), idle_b);
    Idle_Pop();
    EXPECT_EQ(Idle_Installed(), idle_a);
    EXPECT_EQ(Get_CallSometimesFunc_of_PS(), idle_a);
    Idle_Pop();
    EXPECT_EQ(Idle_Installed(), nullptr);
    EXPECT_EQ(Get_CallSometimesFunc_of_PS(), nullptr);
    EXPECT_EQ(Idle_Count(), 0);

    for (int i = 0; i < 25; ++i) Idle_Push(i % 2 ? idle_a : idle_b); // grows past 10 and 20
    EXPECT_EQ(Idle_Count(), 25);
    EXPECT_EQ(Idle_Installed(), idle_b);
    EXPECT_EQ(Get_CallSometimesFunc_of_PS(), idle_b);
    Idle_Clear();
    EXPECT_EQ(Idle_Count(), 0);
    EXPECT_EQ(Idle_Installed(), nullptr);
    EXPECT_EQ(Get_CallSometimesFunc_of_PS(), nullptr);
    Idle_Resume();
    EXPECT_EQ(Idle_Installed(), nullptr);
    EXPECT_EQ(Get_CallSometimesFunc_of_PS(), nullptr);
}
