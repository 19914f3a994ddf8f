// Tests of the standards' titles: with and without date, under a German locale, the longest
// title, unknown numbers and the edition switches.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "nad/nadtitle.h"
#include "nadrec_fixture.h"

namespace {

std::string title(unsigned norm, int with_date, int short_form) { return Nad_Norm_Title(norm, with_date, short_form); }

void check_titles()
{
    // "DIN EN 1993-1-8 (EC 3, Anschlüsse, 12.10)", ü is 0x81 in code page 850
    EXPECT_EQ("DIN EN 1993-1-8 (EC 3, Anschl\x81sse, 12.10)", title(13, 1, 0));
    EXPECT_EQ("DIN EN 1993-1-8 (EC 3, Anschl\x81sse)", title(13, 0, 0));
    EXPECT_EQ("EC 3-1-8 (12.10)", title(13, 1, 1));
    EXPECT_EQ("EC 3-1-8", title(13, 0, 1));
    EXPECT_EQ("DIN 1045 (7.88)", title(0, 1, 0));
    EXPECT_EQ("DIN EN 1990 (EC 0, 12.10)", title(11, 1, 0));
    EXPECT_EQ("EC 0 (12.10)", title(11, 1, 1));
    // "ÖNORM B 4700", Ö is 0x99
    EXPECT_EQ("\x99NORM B 4700 (6.01)", title(3, 1, 0));
    EXPECT_EQ("\x99N B 4700", title(3, 0, 1));
    // "DIN EN 1992-2 (EC 2, Betonbrücken)"
    EXPECT_EQ("DIN EN 1992-2 (EC 2, Betonbr\x81"
              "cken, 12.10)",
              title(21, 1, 0));
    EXPECT_EQ("DIN EN 1993-1-9 (EC 3, Erm\x81"
              "dung)",
              title(26, 0, 0));
    EXPECT_EQ("DIN EN 1996-1-1 (EC 6)", title(22, 0, 0));
    EXPECT_EQ("DIN EN 1999-1-1 (EC 9)", title(29, 0, 0));
    EXPECT_EQ("EC 9-1-1 (3.14)", title(29, 1, 1));
    EXPECT_EQ("DIN 18800 (11.08)", title(16, 1, 0));
    EXPECT_EQ("DIN 18800 (11.08)", title(25, 1, 1));
    EXPECT_EQ("EC 2 (1.11)", title(4, 1, 1));
}

} // namespace

TEST(NadTitle, TitlesWithAndWithoutDate) { check_titles(); }

TEST(NadTitle, TitlesUnderGermanLocale) { nadtest::under_german_locale(check_titles); }

TEST(NadTitle, LongestTitleWithItsDateIsComplete)
{
    const std::string t = title(24, 1, 0);
    EXPECT_EQ("DIN EN 1993-1-5 (EC 3, Plattenbeulen, 10.19)", t);
    EXPECT_EQ(44u, t.size());
    // no title with its date is cut
    for (unsigned n = 0; n <= 32; ++n) {
        const std::string full = title(n, 0, 0);
        const std::string dated = title(n, 1, 0);
        if (full.empty()) continue;
        EXPECT_LE(dated.size(), 44u) << n;
        EXPECT_EQ(')', dated.back()) << n;
        EXPECT_EQ(full.substr(0, full.size() - 1), dated.substr(0, full.size() - 1)) << n;
    }
}

TEST(NadTitle, NumbersWithoutNormGiveTheEmptyText)
{
    const unsigned none[] = {14, 15, 17, 18, 19, 20, 28, 30, 33, 40, 1000, 0xFFFFFFFFu};
    for (unsigned n : none) {
        EXPECT_EQ("", title(n, 1, 1)) << n;
        EXPECT_EQ("", title(n, 0, 0)) << n;
    }
}

TEST(NadTitle, EditionSwitchesChooseTheDates)
{
    EXPECT_EQ(1, Nad_Get_Norm_Edition());
    EXPECT_EQ(0, Nad_Get_Fire_Prestandard());
    EXPECT_EQ("DIN 1045-1 (7.01) mit Ber.2 (6.05)", title(1, 1, 0));
    EXPECT_EQ("DIN 1045-1 (7.01)", title(1, 1, 1));
    EXPECT_EQ("DIN 1045-1", title(1, 0, 0));
    EXPECT_EQ("DIN-Fachbericht 102 (3.03)", title(2, 1, 0));
    EXPECT_EQ("DIN-Fb 104 (3.03)", title(7, 1, 1));

    Nad_Set_Norm_Edition(0);
    EXPECT_EQ(0, Nad_Get_Norm_Edition());
    EXPECT_EQ("DIN 1045-1 (8.08)", title(1, 1, 0));
    EXPECT_EQ("DIN-Fachbericht 101 (3.09)", title(5, 1, 0));
    EXPECT_EQ("DIN-Fb 103 (3.09)", title(6, 1, 1));
    EXPECT_EQ("DIN 1055-100 (3.01)", title(8, 1, 0));
    Nad_Set_Norm_Edition(1);

    Nad_Set_Fire_Prestandard(1);
    EXPECT_EQ(1, Nad_Get_Fire_Prestandard());
    Nad_Set_Fire_Prestandard(0);
}
