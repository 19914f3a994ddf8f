// Tests of the code pages: the DOS bytes of German and engineering signs, the Windows bytes of
// window titles, every byte through a round trip, and 8-bit text that is no UTF-8 kept as Latin-1.
#include <gtest/gtest.h>

#include <string>

#include "platform/kovcp.h"

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

// The signs of a structural calculation, with their bytes taken from the code page charts (checked
// against Python's cp850 and cp1252 codecs).
TEST(CodePage, EngineeringSignsTakeTheirBytesInBothCodePages)
{
    struct Case {
        const char* utf8;
        unsigned code_point;
        unsigned char dos, windows;
    } const cases[] = {
        {"°", 0x00B0, 0xF8, 0xB0}, {"²", 0x00B2, 0xFD, 0xB2}, {"³", 0x00B3, 0xFC, 0xB3}, {"µ", 0x00B5, 0xE6, 0xB5},
        {"±", 0x00B1, 0xF1, 0xB1}, {"§", 0x00A7, 0xF5, 0xA7}, {"½", 0x00BD, 0xAB, 0xBD}, {"×", 0x00D7, 0x9E, 0xD7},
        {"·", 0x00B7, 0xFA, 0xB7}, {"é", 0x00E9, 0x82, 0xE9}, {"É", 0x00C9, 0x90, 0xC9}, {"Ø", 0x00D8, 0x9D, 0xD8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Kov_Utf8_To_Cp(KOV_CP850, c.utf8), std::string(1, char(c.dos))) << c.utf8;
        EXPECT_EQ(Kov_Utf8_To_Cp(KOV_CP1252, c.utf8), std::string(1, char(c.windows))) << c.utf8;
        EXPECT_EQ(Kov_Cp_Byte_Of(KOV_CP850, c.code_point), c.dos) << c.utf8;
        EXPECT_EQ(Kov_Cp_Code_Point(KOV_CP850, c.dos), c.code_point) << c.utf8;
        EXPECT_EQ(Kov_Cp_Code_Point(KOV_CP1252, c.windows), c.code_point) << c.utf8;
    }
    EXPECT_STREQ(cp850("f_c,0,d = 13,85 N/mm²"), "f_c,0,d = 13,85 N/mm\xFD");
    // The Euro sign and typographic quotes exist in the Windows code page only.
    EXPECT_EQ(Kov_Cp_Byte_Of(KOV_CP850, 0x20AC), -1);
    EXPECT_EQ(Kov_Cp_Byte_Of(KOV_CP1252, 0x20AC), 0x80);
    EXPECT_STREQ(cp1252("„Träger“"), "\x84Tr\xE4ger\x93");
    EXPECT_STREQ(cp850("„Träger“"), "?Tr\x84ger?");
    // Below 0x80 both are ASCII.
    for (unsigned c = 0; c < 0x80; ++c) {
        EXPECT_EQ(Kov_Cp_Byte_Of(KOV_CP850, c), int(c));
        EXPECT_EQ(Kov_Cp_Code_Point(KOV_CP1252, static_cast<unsigned char>(c)), c);
    }
}

// A text that comes in 8-bit Latin-1 (an old file, a terminal) instead of UTF-8 loses no letter;
// a sign no code page has becomes one '?', never one per byte of its UTF-8.
TEST(CodePage, BytesThatAreNoUtf8AreTakenAsLatin1)
{
    EXPECT_EQ(Kov_Utf8_To_Cp(KOV_CP850, "Tr\xE4gerh\xF6he"), "Tr\x84gerh\x94he");
    EXPECT_EQ(Kov_Utf8_To_Cp(KOV_CP1252, "Tr\xE4gerh\xF6he"), "Tr\xE4gerh\xF6he");
    // A sequence cut at the end of the text: its first byte as Latin-1 ("Ã").
    EXPECT_EQ(Kov_Utf8_To_Cp(KOV_CP850, "Gr\xC3"), "Gr\xC7");
    // A lead byte followed by no continuation byte.
    EXPECT_EQ(Kov_Utf8_To_Cp(KOV_CP850, "\xC3x"), "\xC7x");
    EXPECT_EQ(Kov_Utf8_To_Cp(KOV_CP850, "a\xF0\x9F\x98\x80"
                                        "b"),
              "a?b");                                          // U+1F600
    EXPECT_EQ(Kov_Utf8_To_Cp(KOV_CP850, "\xE2\x88\x91"), "?"); // U+2211 (sum sign)
    EXPECT_EQ(Kov_Utf8_To_Cp(KOV_CP850, ""), "");
    EXPECT_EQ(cp850(nullptr), nullptr);
}
