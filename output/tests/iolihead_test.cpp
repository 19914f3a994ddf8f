// Numbered headings and their bookmarks.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "oliwrt_fixture.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"

namespace {

std::vector<std::string> lines_starting(const std::string& out, const std::string& prefix)
{
    std::vector<std::string> found;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line))
        if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
    return found;
}

} // namespace

TEST(OliHeading, NumbersAndBookmarksOfTheListHeadings)
{
    std::vector<std::string> numbers;
    std::string out = Oli_Capture([&](FILE* f) {
        Oli_Init_Headings(3, 2, 1);
        const int levels[5] = {1, 2, 2, 1, 2};
        const char* texts[5] = {"A", "B", "C", "D", "E"};
        for (int i = 0; i < 5; i++) {
            Oli_Heading(f, levels[i], "%s", texts[i]);
            numbers.push_back(Oli_Heading_Number_Text());
        }
        Oli_Close_Bookmarks(f);
    });
    EXPECT_EQ((std::vector<std::string>{"1.", "1.1.", "1.2.", "2.", "2.1."}), numbers);
    EXPECT_EQ((std::vector<std::string>{
                  "#OLI_SETBOOKMARK 16 \xAE\xCE@1. A\xAF",
                  "#OLI_SETBOOKMARK 0 \xAE\xCE@1.1. B\xAF",
                  "#OLI_SETBOOKMARK 0 \xAE\xCE@1.2. C\xAF",
                  "#OLI_SETBOOKMARK 17",
                  "#OLI_SETBOOKMARK 16 \xAE\xCE@2. D\xAF",
                  "#OLI_SETBOOKMARK 0 \xAE\xCE@2.1. E\xAF",
                  "#OLI_SETBOOKMARK 17",
              }),
              lines_starting(out, "#OLI_SETBOOKMARK"));
    EXPECT_EQ((std::vector<std::string>{" \xCE@1. A", " \xCEH\xCE@1.1. B\xCEr", " \xCEH\xCE@1.2. C\xCEr", " \xCE@2. D",
                                        " \xCEH\xCE@2.1. E\xCEr"}),
              lines_starting(out, " "));
}

TEST(OliHeading, ParagraphFormBytes)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Init_Headings(3, 2, 1);
        Oli_Heading(f, 1, "Eingabedaten");
        Oli_Heading(f, 2, "Material und %s", "Abmessungen");
    });
    EXPECT_EQ("#OLI_SETMARGINS 1 0.0000 0.0000\n"
              "#OLI_SETYPOSITION 1 0.2540\n"
              "#OLI_RESERVESPACE 3.0000\n"
              "#OLI_SETBOOKMARK 16 \xAE\xCE@1. Eingabedaten\xAF\n"
              "\n#SHOWPARA\n0x0\n5\n-1\n \xCE@1. Eingabedaten\n#END_OF_TEXT\n0x1000\n2 0.1\n-1\n"
              "#OLI_SETYPOSITION 1 0.1000\n"
              "#OLI_SETMARGINS 1 0.0000 0.0000\n"
              "#OLI_SETYPOSITION 1 -0.1900\n"
              "#OLI_SETMARGINS 1 0.0000 0.0000\n"
              "#OLI_SETYPOSITION 1 0.2540\n"
              "#OLI_RESERVESPACE 3.0000\n"
              "#OLI_SETBOOKMARK 0 \xAE\xCE@1.1. Material und Abmessungen\xAF\n"
              "\n#SHOWPARA\n0x0\n4\n-1\n \xCEH\xCE@1.1. Material und Abmessungen\xCEr\n#END_OF_TEXT\n0x0\n-1\n"
              "#OLI_SETMARGINS 1 0.0000 0.0000\n",
              out);
}

TEST(OliHeading, NumberColumnsUseATabStopAndIndentTheText)
{
    // Style 1 columns of 0.28 cm, max level 3: the text stands at 3 x 0.28 + 0.3 = 1.14 cm.
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Init_Headings(3, 1, 0);
        Oli_Heading(f, 2, "Q");
    });
    EXPECT_EQ("#OLI_SETMARGINS 1 0.0000 0.0000\n"
              "#OLI_SETYPOSITION 1 0.2540\n"
              "#OLI_RESERVESPACE 3.0000\n"
              "#OLI_SETBOOKMARK 0 \xAE\xCE@0.1. Q\xAF\n"
              "\n#SHOWPARA\n0x40\n4\n0x0 1\n1 1.14\n-1\n \xCEH\xCE@0.1.\tQ\xCEr\n#END_OF_TEXT\n0x0\n-1\n"
              "#OLI_SETMARGINS 1 1.1400 0.0000\n",
              out);
}

TEST(OliHeading, LevelSevenCountsAsSixAndLevelZeroCountsNothing)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Init_Headings(3, 2, 1);
        Oli_Set_Bookmark_Depth(7);
        Oli_Set_Bookmark_Limit(0);
        Oli_Heading(f, 7, "tief");
        EXPECT_STREQ("0.0.0.0.0.1.", Oli_Heading_Number_Text());
        EXPECT_EQ(1, Oli_Get_Heading_Counter(6));
        EXPECT_EQ(1, Oli_Get_Heading_Counter(9));
        Oli_Heading(f, 0, "ohne %s", "Nummer");
        EXPECT_STREQ("0.0.0.0.0.1.", Oli_Heading_Number_Text());
    });
    EXPECT_EQ((std::vector<std::string>{"#OLI_SETBOOKMARK 0 \xAE\xCE@0.0.0.0.0.1. tief\xAF"}),
              lines_starting(out, "#OLI_SETBOOKMARK"));
    // The unnumbered heading: a small move up, then the bold line in font 4.
    const std::string tail = "#OLI_SETYPOSITION 1 0.1140\n"
                             "\n#SHOWPARA\n0x0\n4\n-1\n \xCEHohne Nummer\xCEr\n#END_OF_TEXT\n0x0\n-1\n";
    ASSERT_GE(out.size(), tail.size());
    EXPECT_EQ(tail, out.substr(out.size() - tail.size()));
}

TEST(OliHeading, SilentHeadingCountsAndBookmarksWithoutText)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Init_Headings(3, 2, 1);
        Oli_Heading_Silent(f, 1, "still");
        EXPECT_STREQ("1.", Oli_Heading_Number_Text());
        Oli_Heading(f, 1, "laut");
        EXPECT_STREQ("2.", Oli_Heading_Number_Text());
    });
    std::string silent = "#OLI_SETBOOKMARK 16 \xAE\xCE@1. still\xAF\n#OLI_SETYPOSITION 1 -0.1900\n";
    EXPECT_EQ(silent, out.substr(0, silent.size()));
    EXPECT_EQ(std::string::npos, out.find("still\n"));
    EXPECT_NE(std::string::npos, out.find(" \xCE@2. laut\n"));

    std::string level0 = Oli_Capture([](FILE* f) { Oli_Heading_Silent(f, 0, "nichts"); });
    EXPECT_EQ("", level0);
}

TEST(OliHeading, NoBookmarkAndCallerCode)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Init_Headings(3, 2, 1);
        Oli_Heading(f, 1, "A");
        Oli_Heading_No_Bookmark(f, 1, "B");
        Oli_Heading_Bookmark_Code(f, 2, 5, "C");
        Oli_Close_Bookmarks(f);
    });
    EXPECT_EQ((std::vector<std::string>{"#OLI_SETBOOKMARK 16 \xAE\xCE@1. A\xAF",
                                        "#OLI_SETBOOKMARK 5 \xAE\xCE@2.1. C\xAF", "#OLI_SETBOOKMARK 17"}),
              lines_starting(out, "#OLI_SETBOOKMARK"));
}

TEST(OliHeading, ClosingDeeperOpenLevels)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Init_Headings(3, 2, 1);
        Oli_Set_Bookmark_Depth(4); // levels 1 to 3 open bookmark levels
        Oli_Heading(f, 1, "a");
        Oli_Heading(f, 2, "b");
        Oli_Heading(f, 3, "c");
        Oli_Heading(f, 2, "d"); // closes 3 and 2, opens 2
        Oli_Close_Bookmarks(f); // two levels open
    });
    std::vector<std::string> codes;
    for (const std::string& l : lines_starting(out, "#OLI_SETBOOKMARK")) codes.push_back(l.substr(17, 2));
    EXPECT_EQ((std::vector<std::string>{"16", "16", "16", "17", "17", "16", "17", "17"}), codes);
}

TEST(OliHeading, LegacyFormAtLowListLevel)
{
    Oli_Set_Level(300);
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Init_Headings(2, 1, 0);
        Oli_Heading(f, 1, "A");
        Oli_Heading(f, 2, "B");
    });
    // Max level 2 with columns of 0.28 cm: text at 0.28 + 0.28 + 0.35 = 0.91 cm.
    EXPECT_EQ("#OLI_SETMARGINS 1 0.0000 0.0000\n"
              "#OLI_RESERVESPACE 3.0000\n"
              "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n 0.000000 17.000000 0.000000 0.800000\n 7 5\n"
              " 2 0.000000 0.200000 \xAE"
              "1.\xAF\n"
              " 2 0.910000 0.200000 \xAE"
              "A\xAF\n"
              " -1\n"
              "#OLI_SETBOOKMARK 16 \xAE\xCE@1. A\xAF\n"
              "#OLI_SETBOOKMARK 15 \xAE\xAF\n"
              "#OLI_SETYPOSITION 1 -0.6000\n"
              "#OLI_SETMARGINS 1 0.9100 0.0000\n"
              "#OLI_SETYPOSITION 1 -0.1900\n"
              "#OLI_SETMARGINS 1 0.0000 0.0000\n"
              "#OLI_RESERVESPACE 3.0000\n"
              "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n 0.000000 17.000000 0.000000 0.700000\n 7 4\n"
              " 2 0.000000 0.100000 \xAE"
              "1.\xAF\n"
              " 2 0.010000 0.100000 \xAE"
              "1.\xAF\n"
              " 2 0.000000 0.110000 \xAE"
              "1.\xAF\n"
              " 2 0.010000 0.110000 \xAE"
              "1.\xAF\n"
              " 2 0.280000 0.100000 \xAE"
              "1.\xAF\n"
              " 2 0.290000 0.100000 \xAE"
              "1.\xAF\n"
              " 2 0.280000 0.110000 \xAE"
              "1.\xAF\n"
              " 2 0.290000 0.110000 \xAE"
              "1.\xAF\n"
              " 2 0.910000 0.100000 \xAE"
              "B\xAF\n"
              " 2 0.920000 0.100000 \xAE"
              "B\xAF\n"
              " 2 0.910000 0.110000 \xAE"
              "B\xAF\n"
              " 2 0.920000 0.110000 \xAE"
              "B\xAF\n"
              " -1\n"
              "#OLI_SETBOOKMARK 0 \xAE\xCE@1.1. B\xAF\n"
              "#OLI_SETBOOKMARK 15 \xAE\xAF\n"
              "#OLI_SETYPOSITION 1 -0.6000\n"
              "#OLI_SETMARGINS 1 0.9100 0.0000\n",
              out);
}

TEST(OliHeading, StateQueriesAndSetters)
{
    EXPECT_STREQ("???", Oli_Heading_Number_Text());
    Oli_Set_Heading_Counter(0, 4); // level taken as 1
    EXPECT_EQ(4, Oli_Get_Heading_Counter(1));
    Oli_Next_Heading_Counter(-3);
    EXPECT_EQ(5, Oli_Get_Heading_Counter(1));
    Oli_Init_Headings(9, 2, 2); // max level 6, unnumbered
    EXPECT_EQ(0, Oli_Get_Heading_Counter(1));
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Heading(f, 2, "frei");
        Oli_Headings_Unnumbered_Off();
        Oli_Heading(f, -1, "nichts");
        Oli_Heading(nullptr, 1, "nichts");
    });
    EXPECT_NE(std::string::npos, out.find(" \xCEHfrei\xCEr\n"));
    EXPECT_EQ(std::string::npos, out.find("nichts"));
    EXPECT_STREQ("???", Oli_Heading_Number_Text());
    EXPECT_EQ(1, Oli_Get_Heading_Counter(2));
}
