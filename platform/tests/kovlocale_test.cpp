// Tests of the locale: numbers keep their decimal point under a German locale, in the whole
// process and inside a guard of the calling thread.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/kovlocale.h"

TEST(Locale, NumbersStayWithPointUnderGermanLocale)
{
    if (!Kov_Try_German_Locale()) GTEST_SKIP() << "no German locale installed";
    Kov_Numeric_C_Locale();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", 1.5);
    EXPECT_STREQ(buf, "1.50");
    double d = 0;
    EXPECT_EQ(std::sscanf("2.25", "%lf", &d), 1);
    EXPECT_DOUBLE_EQ(d, 2.25);
}

// The guard gives the point for its own scope only; a German process locale outside it stays as it
// was (a window may show "2,5", a file never).
TEST(Locale, GuardGivesThePointInsideItsScopeOnly)
{
    if (!Kov_Try_German_Locale()) GTEST_SKIP() << "no German locale installed";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", 2.5);
    const std::string german(buf);
    {
        KovCLocaleScope c;
        std::snprintf(buf, sizeof buf, "%.3f", 13.85);
        EXPECT_STREQ(buf, "13.850");
        EXPECT_DOUBLE_EQ(std::strtod("1.25", nullptr), 1.25);
        {
            KovCLocaleScope nested;
            std::snprintf(buf, sizeof buf, "%g", 0.8);
            EXPECT_STREQ(buf, "0.8");
        }
        std::snprintf(buf, sizeof buf, "%g", 0.8);
        EXPECT_STREQ(buf, "0.8");
    }
    std::snprintf(buf, sizeof buf, "%.1f", 2.5);
    EXPECT_EQ(std::string(buf), german);
    EXPECT_EQ(german, "2,5");
    Kov_Numeric_C_Locale();
    std::snprintf(buf, sizeof buf, "%.1f", 2.5);
    EXPECT_STREQ(buf, "2.5");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}
