// Tests of the section search: keywords with and without a number, stop keywords, end of file,
// overlong lines and null arguments.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "nad/nadspool.h"
#include "test_support/kovtestutil.h"

using kovtest::rest_of;
using kovtest::stream_of;

TEST(NadSpool, KeywordWithNumberStoresItAndPlacesAfterTheLine)
{
    FILE* f = stream_of("#NAD\n Lastfaktoren 0\n 1.35 1.00\n#NAD\n");
    char first[16];
    ASSERT_TRUE(fgets(first, sizeof first, f)); // stand behind the annex line
    int value = 7;
    EXPECT_EQ(1, Nad_Spool(f, " Lastfaktoren", "#NAD", &value));
    EXPECT_EQ(0, value);
    EXPECT_EQ(" 1.35 1.00\n#NAD\n", rest_of(f));
    fclose(f);
}

TEST(NadSpool, KeywordWithoutNumberLeavesValue)
{
    FILE* f = stream_of("x\n EC5 Parameter\n 17\n");
    int value = 42;
    EXPECT_EQ(1, Nad_Spool(f, " EC5 Parameter", "#NAD", &value));
    EXPECT_EQ(42, value);
    EXPECT_EQ(" 17\n", rest_of(f));
    fclose(f);

    f = stream_of(" EC5 Parameter 3\nrest\n");
    EXPECT_EQ(1, Nad_Spool(f, " EC5 Parameter", "#NAD", nullptr));
    EXPECT_EQ("rest\n", rest_of(f));
    fclose(f);
}

TEST(NadSpool, StopBeforeKeywordReturnsTwoAndKeepsPosition)
{
    FILE* f = stream_of("#NAD\n 1\n 2\n#NAD\n EC3 Parameter 1\n");
    char first[16];
    ASSERT_TRUE(fgets(first, sizeof first, f));
    long pos = ftell(f);
    int value = 5;
    EXPECT_EQ(2, Nad_Spool(f, " EC3 Parameter", "#NAD", &value));
    EXPECT_EQ(5, value);
    EXPECT_EQ(pos, ftell(f));
    fclose(f);
}

TEST(NadSpool, EndOfFileReturnsZeroAndKeepsPosition)
{
    FILE* f = stream_of("a\nb\n EC3-1 Parameter\nc");
    char first[16];
    ASSERT_TRUE(fgets(first, sizeof first, f));
    long pos = ftell(f);
    EXPECT_EQ(0, Nad_Spool(f, " EC5 Parameter", "#NAD", nullptr));
    EXPECT_EQ(pos, ftell(f));
    EXPECT_FALSE(feof(f));
    EXPECT_EQ("b\n EC3-1 Parameter\nc", rest_of(f));
    fclose(f);
}

TEST(NadSpool, KeywordComparedOverItsLengthAtLineStartOnly)
{
    // " EC3-1 Parameter" must not be taken for " EC3 Parameter", and a keyword
    // in the middle of a line does not count.
    FILE* f = stream_of(" EC3-1 Parameter\nxx EC3 Parameter\n EC3 Parameter 1\n 4\n");
    int value = 0;
    EXPECT_EQ(1, Nad_Spool(f, " EC3 Parameter", "#NAD", &value));
    EXPECT_EQ(1, value);
    EXPECT_EQ(" 4\n", rest_of(f));
    fclose(f);
}

TEST(NadSpool, OverlongLinesAreNotSplitIntoFalseMatches)
{
    // A keyword that starts exactly beyond the 300-byte limit of a long line
    // is no line start.
    std::string text(300, 'x');
    text += " EC5 Parameter\n";
    text += std::string(1000, 'y') + "\n";
    text += " EC5 Parameter 9\nafter\n";
    FILE* f = stream_of(text);
    int value = 0;
    EXPECT_EQ(1, Nad_Spool(f, " EC5 Parameter", "#NAD", &value));
    EXPECT_EQ(9, value);
    EXPECT_EQ("after\n", rest_of(f));
    fclose(f);
}

TEST(NadSpool, NullArgumentsFindNothing)
{
    EXPECT_EQ(0, Nad_Spool(nullptr, "x", "#NAD", nullptr));
    FILE* f = stream_of("x\n");
    EXPECT_EQ(0, Nad_Spool(f, nullptr, "#NAD", nullptr));
    EXPECT_EQ(1, Nad_Spool(f, "x", nullptr, nullptr));
    fclose(f);
}
