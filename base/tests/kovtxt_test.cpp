// Tests of the host's text files: guillemet string readers and writers, keyword searches, text
// blocks and the line and string functions.
#include "base/kovtxt.h"
#include "test_support/kovtestutil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using kovtest::contents;
using kovtest::rest_of;
using kovtest::stream_of;

const std::string OPEN = "\xAE";  // «
const std::string CLOSE = "\xAF"; // »

} // namespace

TEST(KovtxtGuillemets, ReadersSkipBlanksTabsAndLineFeeds)
{
    FILE* f = stream_of(" \t\n" + OPEN + "Deutschland" + CLOSE + "\t" + OPEN + CLOSE + "x");
    char buf[100];
    EXPECT_EQ(Txt_Read_Guillemets(f, buf), 11);
    EXPECT_STREQ(buf, "Deutschland");
    EXPECT_EQ(Txt_Read_Guillemets(f, buf), 0); // «»
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(Txt_Read_Guillemets(f, buf), 0); // no string: 'x' consumed
    EXPECT_EQ(std::fgetc(f), EOF);
    std::fclose(f);

    f = stream_of("\r" + OPEN + "a" + CLOSE); // carriage returns are not skipped
    EXPECT_EQ(Txt_Read_Guillemets(f, buf), 0);
    std::fclose(f);
}

TEST(KovtxtGuillemets, OverlongStringsAreReadThroughTheirEnd)
{
    struct Case {
        size_t len;
        int want99;
        int want255;
    } cases[] = {{99, 99, 99}, {100, 99, 100}, {120, 99, 120}, {255, 99, 255}, {300, 99, 255}};
    for (const Case& c : cases) {
        std::string text(c.len, 'a');
        text.back() = 'z';
        FILE* f = stream_of(OPEN + text + CLOSE + " " + OPEN + "next" + CLOSE);
        char buf[256];
        EXPECT_EQ(Txt_Read_Guillemets(f, buf), c.want99) << c.len;
        EXPECT_EQ(std::string(buf), text.substr(0, (size_t)c.want99));
        EXPECT_EQ(Txt_Read_Guillemets(f, buf), 4) << c.len; // the next field is intact
        EXPECT_STREQ(buf, "next");
        std::rewind(f);
        EXPECT_EQ(Txt_Read_Guillemets255(f, buf), c.want255) << c.len;
        EXPECT_EQ(std::string(buf), text.substr(0, (size_t)c.want255));
        EXPECT_EQ(Txt_Read_Guillemets255(f, buf), 4);
        std::fclose(f);
    }
}

TEST(KovtxtGuillemets, EndOfFileAndMissingString)
{
    char buf[256];
    FILE* f = stream_of(OPEN + "abc"); // ends inside the string
    EXPECT_EQ(Txt_Read_Guillemets(f, buf), 3);
    EXPECT_STREQ(buf, "abc");
    std::fclose(f);

    f = stream_of("\t" + OPEN + "ok" + CLOSE);
    EXPECT_EQ(Txt_Read_Guillemets255(f, buf), 2);
    std::fclose(f);
    f = stream_of("xy");
    EXPECT_EQ(Txt_Read_Guillemets255(f, buf), -1);
    EXPECT_EQ(rest_of(f), "y"); // the 'x' is gone
    std::fclose(f);
    EXPECT_EQ(Txt_Read_Guillemets255(nullptr, buf), -1);
    EXPECT_EQ(Txt_Read_Guillemets(nullptr, buf), 0);
}

TEST(KovtxtGuillemets, DelimitedReader)
{
    char buf[5];
    FILE* f = stream_of("  \r\n<abcdefg> <ab> x");
    EXPECT_EQ(Txt_Read_Delimited(f, buf, sizeof buf, '<', '>'), 4);
    EXPECT_STREQ(buf, "abcd");
    EXPECT_EQ(Txt_Read_Delimited(f, buf, sizeof buf, '<', '>'), 2);
    EXPECT_STREQ(buf, "ab");
    EXPECT_EQ(Txt_Read_Delimited(f, buf, sizeof buf, '<', '>'), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(Txt_Read_Delimited(f, buf, 0, '<', '>'), -1);
    EXPECT_EQ(Txt_Read_Delimited(nullptr, buf, 5, '<', '>'), -1);
    std::fclose(f);

    // 8-bit delimiters
    char b2[10];
    f = stream_of(OPEN + "hi" + CLOSE);
    EXPECT_EQ(Txt_Read_Delimited(f, b2, sizeof b2, (char)0xAE, (char)0xAF), 2);
    EXPECT_STREQ(b2, "hi");
    std::fclose(f);
}

TEST(KovtxtGuillemets, WritersCutAtTheClosingByteAndAtTheReadersLength)
{
    FILE* f = std::tmpfile();
    EXPECT_EQ(Txt_Write_Guillemets(f, "ab"), 0);
    EXPECT_EQ(Txt_Write_Guillemets(f, nullptr), 0);
    EXPECT_EQ(Txt_Write_Guillemets(f, ("x" + CLOSE + "y").c_str()), 0);
    EXPECT_EQ(Txt_Write_Guillemets(f, std::string(300, 'q').c_str()), 0);
    EXPECT_EQ(Txt_Write_Delimited(f, "a>b", '<', '>'), 0);
    EXPECT_EQ(contents(f),
              OPEN + "ab" + CLOSE + OPEN + CLOSE + OPEN + "x" + CLOSE + OPEN + std::string(99, 'q') + CLOSE + "<a>");
    // And every field reads back in order.
    std::rewind(f);
    char buf[256];
    EXPECT_EQ(Txt_Read_Guillemets255(f, buf), 2);
    EXPECT_EQ(Txt_Read_Guillemets255(f, buf), 0);
    EXPECT_EQ(Txt_Read_Guillemets255(f, buf), 1);
    EXPECT_EQ(Txt_Read_Guillemets(f, buf), 99);
    EXPECT_EQ(Txt_Read_Delimited(f, buf, 10, '<', '>'), 1);
    std::fclose(f);
    EXPECT_EQ(Txt_Write_Guillemets(nullptr, "x"), 1);
    EXPECT_EQ(Txt_Write_Delimited(nullptr, "x", '<', '>'), 1);
}

TEST(KovtxtKeywords, FindKeywordIntRewindsAndParses)
{
    FILE* f = stream_of("HEAD 1\nRESULTS 42\nRESULTSX\nNAD 7 rest\n");
    int v = -1;
    ASSERT_EQ(Txt_Find_Keyword_Int("NAD", f, &v), 1);
    EXPECT_EQ(v, 7);
    EXPECT_EQ(rest_of(f), "");                                 // behind the matching line
    ASSERT_EQ(Txt_Find_Keyword_Int("RESULTS", f, nullptr), 1); // rewinds
    EXPECT_EQ(rest_of(f), "RESULTSX\nNAD 7 rest\n");
    v = -1;
    ASSERT_EQ(Txt_Find_Keyword_Int("RESULTSX", f, &v), 1);
    EXPECT_EQ(v, -1); // no number: unchanged
    EXPECT_EQ(Txt_Find_Keyword_Int("MISSING", f, &v), 0);
    EXPECT_EQ(Txt_Find_Keyword_Int(" HEAD", f, &v), 0); // column 1 only
    std::fclose(f);
}

TEST(KovtxtKeywords, FindKeywordIntIgnoresTheRestOfLongLines)
{
    // A keyword that appears 510 bytes into a long line is no line start.
    std::string line(510, 'x');
    FILE* f = stream_of(line + "KEY 1\nKEY 2\n");
    int v = 0;
    ASSERT_EQ(Txt_Find_Keyword_Int("KEY", f, &v), 1);
    EXPECT_EQ(v, 2);
    std::fclose(f);
}

TEST(KovtxtKeywords, FindKeywordLine)
{
    FILE* f = stream_of("x\n  #EOC\n#EO\n#EOC tail\nafter\n");
    ASSERT_EQ(Txt_Find_Keyword_Line(f, "#EOC", 0), 1);
    EXPECT_EQ(rest_of(f), "after\n");
    EXPECT_EQ(Txt_Find_Keyword_Line(f, "#EOC", 0), 0);
    EXPECT_EQ(Txt_Find_Keyword_Line(f, "#EOC", 1), 1);
    EXPECT_EQ(Txt_Find_Keyword_Line(f, "", 1), 0);
    EXPECT_EQ(Txt_Find_Keyword_Line(nullptr, "#EOC", 1), 0);
    std::fclose(f);

    f = stream_of("#EOC"); // at the end of the file without a line feed
    EXPECT_EQ(Txt_Find_Keyword_Line(f, "#EOC", 0), 1);
    std::fclose(f);
}

TEST(KovtxtBlocks, WriteBytesExactly)
{
    struct Case {
        const char* text;
        std::string want;
    } cases[] = {
        {"a\nb", "TXB3\n" + OPEN +
                     "a\x01"
                     "b" +
                     CLOSE + "\n"},
        {"", "TXB0\n"},
        {nullptr, "TXB0\n"},
        {"x\xAFy", "TXB3\n" + OPEN + "x\"y" + CLOSE + "\n"}, // » costs one character
    };
    for (const Case& c : cases) {
        FILE* f = std::tmpfile();
        EXPECT_EQ(Txb_Write(f, c.text), 0);
        EXPECT_EQ(contents(f), c.want);
        std::fclose(f);
    }
    // Byte for byte for "a\nb": TXB3, AE 61 01 62 AF 0A
    FILE* f = std::tmpfile();
    Txb_Write(f, "a\nb");
    const unsigned char want[] = {'T', 'X', 'B', '3', '\n', 0xAE, 0x61, 0x01, 0x62, 0xAF, 0x0A};
    std::string got = contents(f);
    ASSERT_EQ(got.size(), sizeof want);
    for (size_t i = 0; i < sizeof want; ++i) EXPECT_EQ((unsigned char)got[i], want[i]) << i;
    std::fclose(f);
}

TEST(KovtxtBlocks, ChunksAndRoundTrip)
{
    struct Case {
        size_t len;
        int chunks;
    } cases[] = {{100, 1}, {101, 2}, {250, 3}, {1000, 10}};
    for (const Case& c : cases) {
        std::string text;
        for (size_t i = 0; i < c.len; ++i) text.push_back(i % 37 == 5 ? '\n' : (char)('a' + i % 26));
        FILE* f = std::tmpfile();
        Txb_Write(f, text.c_str());
        std::string bytes = contents(f);
        int lines = 0;
        for (char ch : bytes) lines += ch == '\n';
        EXPECT_EQ(lines, c.chunks + 1) << c.len;
        std::rewind(f);
        char* back = Txb_Read(f);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(std::string(back), text);
        EXPECT_EQ(Txb_Size(back), (int)c.len + 1);
        back = Txb_Free(back);
        EXPECT_EQ(back, nullptr);
        std::fclose(f);
    }
}

TEST(KovtxtBlocks, ReadEdgeCases)
{
    FILE* f = stream_of("TXB0\n");
    EXPECT_EQ(Txb_Read(f), nullptr);
    std::fclose(f);

    f = stream_of("  \nTXB5\n" + OPEN + "abc" + CLOSE + "\nnext line\n");
    char* t = Txb_Read(f);
    ASSERT_NE(t, nullptr);
    EXPECT_STREQ(t, "abc"); // shorter than declared
    std::free(t);
    std::fclose(f);

    f = stream_of("TXB2\n" + OPEN + "abcd" + CLOSE + "\n"); // more than declared
    t = Txb_Read(f);
    EXPECT_STREQ(t, "ab");
    std::free(t);
    std::fclose(f);

    f = stream_of("\tTXB2\n"); // tabs are not skipped
    EXPECT_EQ(Txb_Read(f), nullptr);
    std::fclose(f);
    f = stream_of("TXC2\n");
    EXPECT_EQ(Txb_Read(f), nullptr);
    std::fclose(f);
    f = stream_of("TXB999999999999\n" + OPEN + "a" + CLOSE + "\n"); // absurd length
    t = Txb_Read(f);
    if (t) {
        EXPECT_LE(std::strlen(t), 1u);
    }
    std::free(t);
    std::fclose(f);
}

TEST(KovtxtBlocks, CopyAndSize)
{
    char* c = Txb_Copy("abcdef", 3);
    EXPECT_STREQ(c, "abc");
    std::free(c);
    c = Txb_Copy(nullptr, 0); // a single line feed, still terminated
    EXPECT_STREQ(c, "\n");
    std::free(c);
    c = Txb_Copy("ab", 10);
    EXPECT_STREQ(c, "ab");
    std::free(c);
    EXPECT_EQ(Txb_Size(nullptr), 0);
    EXPECT_EQ(Txb_Size(""), 1);
    EXPECT_EQ(Txb_Free(nullptr), nullptr);
}

TEST(KovtxtLines, ReadLineAndGetLine)
{
    FILE* f = stream_of("abcdef\n\nxy");
    char buf[4];
    EXPECT_EQ(Txt_Read_Line(f, buf, sizeof buf), 4);
    EXPECT_STREQ(buf, "abc");                        // rest of the line skipped
    EXPECT_EQ(Txt_Read_Line(f, buf, sizeof buf), 1); // empty line
    EXPECT_EQ(Txt_Read_Line(f, buf, sizeof buf), 3);
    EXPECT_STREQ(buf, "xy");
    EXPECT_EQ(Txt_Read_Line(f, buf, sizeof buf), 1); // end of file
    EXPECT_EQ(Txt_Read_Line(nullptr, buf, sizeof buf), 1);
    EXPECT_EQ(Txt_Read_Line(f, nullptr, 4), -1);
    std::fclose(f);

    f = stream_of("abcdef\nxy\n");
    EXPECT_STREQ(Txt_Get_Line(buf, sizeof buf, f), "abc");
    EXPECT_STREQ(Txt_Get_Line(buf, sizeof buf, f), "xy"); // not "def"
    EXPECT_EQ(Txt_Get_Line(buf, sizeof buf, f), nullptr);
    std::fclose(f);

    f = stream_of("one\ntwo\n");
    EXPECT_EQ(Txt_Skip_Line(f), '\n');
    EXPECT_EQ(rest_of(f), "two\n");
    std::fclose(f);
}

TEST(KovtxtStrings, TrimCopyPad)
{
    char a[] = "  ab \t\n";
    EXPECT_EQ(Txt_Trim(a, 0), 7);
    EXPECT_EQ(Txt_Trim(a, 2), 4);
    EXPECT_STREQ(a, "  ab");
    EXPECT_EQ(Txt_Trim(a, 1), 2);
    EXPECT_STREQ(a, "ab");
    char w[] = " \t ";
    EXPECT_EQ(Txt_Trim(w, 3), 0);
    EXPECT_STREQ(w, "");
    EXPECT_EQ(Txt_Trim(nullptr, 3), 0);

    char d[8];
    EXPECT_EQ(Txt_Copy_Trim_Pad("  abcdefghij", d, sizeof d, 0), 7);
    EXPECT_STREQ(d, "  abcde");
    EXPECT_EQ(Txt_Copy_Trim_Pad("  ab  ", d, sizeof d, 3 | 4), 7);
    EXPECT_STREQ(d, "ab     ");
    EXPECT_EQ(Txt_Copy_Trim_Pad(nullptr, d, sizeof d, 0), 0);
    EXPECT_EQ(Txt_Copy_Trim_Pad("x", nullptr, 8, 0), 0);

    EXPECT_STREQ(Txt_Trim_Blanks_Static("  a b\t  "), "a b\t");
    EXPECT_EQ(Txt_Trimmed_Length("ab  "), 2);
    EXPECT_STREQ(Txt_Pad_To_Width("abc", 5), "abc  ");
    EXPECT_STREQ(Txt_Pad_To_Width("abcdef", 2), "ab");
    EXPECT_EQ(std::strlen(Txt_Pad_To_Width("x", 9999)), 511u);
    EXPECT_EQ(std::strlen(Txt_Trim_Blanks_Static(std::string(600, 'y').c_str())), 511u);

    char q[] = "a b?c";
    EXPECT_EQ(Txt_Blanks_To_Question(q), 5);
    EXPECT_STREQ(q, "a?b?c");
    EXPECT_EQ(Txt_Question_To_Blanks(q), 5);
    EXPECT_STREQ(q, "a b c");
    EXPECT_STREQ(Txt_Apostrophe_To_Acute("it's"), "it\xB4s");
}
