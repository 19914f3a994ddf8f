// Tests of the common stand-ins: code page literals and round trips, backslash paths looked up
// without regard to case, the decimal point under a German locale, the monotonic clock.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>

#include "platform/kovclock.h"
#include "platform/kovcp.h"
#include "platform/kovlocale.h"
#include "platform/kovpath.h"

TEST(CodePage, Cp850LiteralsAreTheDosBytes)
{
    // ä ö ü Ä Ö Ü ß in code page 850: 84 94 81 8E 99 9A E1
    EXPECT_STREQ(cp850("äöüÄÖÜß"), "\x84\x94\x81\x8E\x99\x9A\xE1");
    EXPECT_STREQ(cp850("Schnittgrößen"), "Schnittgr\x94\xE1"
                                         "en");
    EXPECT_STREQ(cp850("«»"), "\xAE\xAF");
    // The same literal is interned once.
    EXPECT_EQ(cp850("Größe"), cp850("Größe"));
}

TEST(CodePage, Cp1252AndRoundTrips)
{
    EXPECT_STREQ(cp1252("Schnittgrößenauswahl"), "Schnittgr\xF6\xDF"
                                                 "enauswahl");
    for (KovCodePage cp : {KOV_CP850, KOV_CP1252}) {
        std::string all;
        for (int b = 1; b < 256; ++b) all += char(b);
        EXPECT_EQ(Kov_Utf8_To_Cp(cp, Kov_Cp_To_Utf8(cp, all)), all) << cp;
    }
    EXPECT_EQ(Kov_Utf8_To_Cp(KOV_CP850, "€"), "?");
    EXPECT_EQ(Kov_Cp_To_Utf8(KOV_CP850, "\x94"), "ö");
}

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

TEST(Clock, MonotonicMilliseconds)
{
    int64_t a = Kov_Clock_Ms();
    int64_t b = Kov_Clock_Ms();
    EXPECT_LE(a, b);
}
