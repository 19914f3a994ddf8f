// The user's comment in the output list. The stand-in screen font measures
// 8 pixels a byte, so a line beside the logo holds 75 bytes (600 pixels).
#include <gtest/gtest.h>

#include <string>

#include "oliwrt_fixture.h"
#include "output/iolipara.h"
#include "output/kovcomment.h"
#include "platform/kovscript.h"

namespace {

class KovComment : public ::testing::Test {
protected:
    void SetUp() override { Oli_Reset_Writers(); }
};

std::string repeat(const std::string& s, int n)
{
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

} // namespace

TEST_F(KovComment, WrittenBesideTheLogo)
{
    std::string out = Oli_Capture([](FILE* f) { Kov_Write_User_Comment(f, "a\n\nb"); });
    const std::string expected = "#OLI_SETFLAGS 16777216\n"
                                 "#OLI_SETFLAGS 134217728\n"
                                 "#OLI_SETFLAGS 512\n"
                                 "#OLI_STOREYPOSITION 1\n"
                                 "#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0.0 1.2 1.2 0.0\n"
                                 "27 0.0 0.0 %FONT%\\UserCommentLogo.ocm\n"
                                 "-1\n"
                                 "#OLI_PUSHMARGINS\n"
                                 "#OLI_SETMARGINS 1 1.4000 0.0000\n"
                                 "#OLI_RESTOREYPOSITION 1\n"
                                 "\n#SHOWPARA\n0x0\n4\n-1\n a\n  \n b\n#END_OF_TEXT\n0x2000\n-1\n"
                                 "#OLI_POPMARGINS 1048576\n"
                                 "#OLI_SETYPOSITION 4 0.0000\n"
                                 "#OLI_SETFLAGS 33554432\n";
    EXPECT_EQ(expected, out) << Oli_Visible(out);
}

TEST_F(KovComment, NothingForEmptyTexts)
{
    for (const char* text : {(const char*)nullptr, "", " ", "\n"}) {
        EXPECT_EQ("", Oli_Capture([&](FILE* f) { Kov_Write_User_Comment(f, text); }));
        EXPECT_EQ("", Oli_Capture([&](FILE* f) { Kov_Write_User_Comment_Plain(f, text); }));
    }
    Kov_Write_User_Comment(nullptr, "a");
    // Two blanks are a comment.
    EXPECT_NE("", Oli_Capture([](FILE* f) { Kov_Write_User_Comment_Plain(f, "  "); }));
}

TEST_F(KovComment, WrappedAtTheLastBlank)
{
    // "Wort " 20 times: 15 words (75 bytes = 600 pixels) on the first line.
    std::string out = Oli_Capture([](FILE* f) { Kov_Write_User_Comment(f, repeat("Wort ", 20).c_str()); });
    EXPECT_NE(std::string::npos, out.find("\n " + repeat("Wort ", 15) + "\n " + repeat("Wort ", 5) + "\n#END_OF_TEXT"))
        << Oli_Visible(out);
    // Plain: 675 pixels: the first 85 bytes (680 pixels) are too wide; the blank
    // at byte 84 ends the line of 17 words.
    std::string plain = Oli_Capture([](FILE* f) { Kov_Write_User_Comment_Plain(f, repeat("Wort ", 20).c_str()); });
    EXPECT_EQ(675, Kov_Comment_Wrap_Width());
    EXPECT_NE(std::string::npos,
              plain.find("\n " + repeat("Wort ", 17) + "\n " + repeat("Wort ", 3) + "\n#END_OF_TEXT"))
        << Oli_Visible(plain);
    EXPECT_EQ(std::string::npos, plain.find("#SHOWGRAFIC"));
    EXPECT_EQ(std::string::npos, plain.find("MARGINS"));
    EXPECT_EQ(0u, plain.find("#OLI_SETFLAGS 16777216\n#OLI_SETFLAGS 134217728\n#OLI_SETFLAGS 512\n\n#SHOWPARA"));
}

TEST_F(KovComment, LinesWithoutBlanksAndLongLines)
{
    int advance = 0;
    // No blank among the first 76 bytes: cut after them.
    const std::string word(200, 'x');
    EXPECT_EQ(76, Kov_Wrap_Line(word.c_str(), 600, KOV_COMMENT_LINE_MAX, &advance));
    EXPECT_EQ(76, advance);
    // A blank right after the first 75 bytes stays at the line's end.
    const std::string blank_after = std::string(75, 'y') + " zz";
    EXPECT_EQ(76, Kov_Wrap_Line(blank_after.c_str(), 600, KOV_COMMENT_LINE_MAX, &advance));
    EXPECT_EQ(0, Kov_Wrap_Line("\nb", 600, KOV_COMMENT_LINE_MAX, &advance));
    EXPECT_EQ(1, advance);
    EXPECT_EQ(2, Kov_Wrap_Line("ab\ncd", 600, KOV_COMMENT_LINE_MAX, &advance));
    EXPECT_EQ(3, advance);
    // A wide wrap width: a line is cut at the paragraph writer's limit, nothing is lost.
    const std::string huge(2500, 'h');
    EXPECT_EQ(KOV_COMMENT_LINE_MAX, Kov_Wrap_Line(huge.c_str(), 1000000, KOV_COMMENT_LINE_MAX, &advance));
    std::string out = Oli_Capture([&](FILE* f) {
        Oli_Para_Begin();
        Kov_Write_Comment_Lines(f, huge.c_str());
        Oli_Para_End(f);
    });
    std::string joined;
    for (size_t at = out.find(" h"); at != std::string::npos; at = out.find("\n h", at + 1)) {
        const size_t s = out[at] == '\n' ? at + 2 : at + 1;
        joined += out.substr(s, out.find('\n', s) - s);
    }
    EXPECT_EQ(huge, joined);
}

// A word whose last letter crosses the wrap width goes to the next line, also
// when a blank follows right after it: 600 pixels hold 75 bytes of 8 pixels.
// A blank that crosses the width stays at the line's end, where it shows
// nothing.
TEST_F(KovComment, AWordThatCrossesTheWidthStartsTheNextLine)
{
    struct Case {
        std::string text;
        int len;
    } cases[] = {
        {std::string(70, 'a') + " bbbbb ccc", 71}, // "bbbbb" ends at 608 pixels
        {std::string(74, 'a') + " b cc", 75},      // "b" from 600 to 608
        {std::string(69, 'a') + " bbbbbb", 70},    // no blank after the word
        {std::string(75, 'y') + " zz", 76},        // the blank crosses
        {std::string(73, 'a') + " b", 75},         // fits: 600 pixels
    };
    for (const Case& c : cases) {
        int advance = 0;
        EXPECT_EQ(c.len, Kov_Wrap_Line(c.text.c_str(), 600, KOV_COMMENT_LINE_MAX, &advance)) << c.text;
        EXPECT_EQ(c.len, advance) << c.text;
    }

    // A paragraph written line by line: no line shows more than 75 bytes
    // before its closing blank, and the words come out whole and in order.
    std::string text;
    for (int i = 0; i < 60; ++i) text += std::string(size_t(1 + (i * 7) % 11), char('a' + i % 26)) + " ";
    const std::string out = Oli_Capture([&](FILE* f) {
        Oli_Para_Begin();
        Kov_Write_Comment_Lines(f, text.c_str());
        Oli_Para_End(f);
    });
    std::string joined;
    int lines = 0;
    for (size_t at = out.find("\n "); at != std::string::npos; at = out.find("\n ", at + 1)) {
        const size_t s = at + 2, e = out.find('\n', s);
        std::string line = out.substr(s, e - s);
        if (line.rfind("#", 0) == 0) continue;
        joined += line;
        while (!line.empty() && line.back() == ' ') line.pop_back();
        EXPECT_LE(line.size(), 75u) << line;
        ++lines;
    }
    EXPECT_GT(lines, 3);
    EXPECT_EQ(text, joined);
}
