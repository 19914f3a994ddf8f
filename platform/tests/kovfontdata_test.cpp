// Tests of the bitmap fonts of the screen: every sign of code page 850 that a list or a sheet
// shows has ink, letters sit on the base line, umlauts are told from their base letters by ink
// above them, and the small faces stay inside their six columns.
#include <gtest/gtest.h>

#include <string>

#include "platform/kovfont.h"

namespace {

struct Face {
    const char* name;
    const unsigned char (*glyphs)[16];
    int columns;
};

const Face kFaces[] = {{"normal", kKovFontNormal, 8},
                       {"bold", kKovFontBold, 8},
                       {"small", kKovFontSmall, 6},
                       {"small bold", kKovFontSmallBold, 6}};

bool blank(const unsigned char* g)
{
    for (int r = 0; r < 16; ++r)
        if (g[r]) return false;
    return true;
}

int top_row(const unsigned char* g)
{
    for (int r = 0; r < 16; ++r)
        if (g[r]) return r;
    return -1;
}

int bottom_row(const unsigned char* g)
{
    for (int r = 15; r >= 0; --r)
        if (g[r]) return r;
    return -1;
}

} // namespace

TEST(FontData, EverySignHasInkAndTheBlanksAreBlank)
{
    for (const Face& f : kFaces) {
        for (int c = 0x21; c <= 0xFE; ++c) {
            if (c == 0x7F || c == 0xF0) continue; // DEL, soft hyphen
            EXPECT_FALSE(blank(f.glyphs[c])) << f.name << " 0x" << std::hex << c;
        }
        EXPECT_TRUE(blank(f.glyphs[0x20])) << f.name; // space
        EXPECT_TRUE(blank(f.glyphs[0xFF])) << f.name; // no-break space
        EXPECT_TRUE(blank(f.glyphs[0xF0])) << f.name; // soft hyphen
    }
}

TEST(FontData, LettersSitOnTheBaseLineAndDescendersGoBelow)
{
    for (const Face& f : kFaces) {
        for (char ch : {'a', 'x', 'H', '0', 'm', '\x84' /* ä */, '\xE1' /* ß */}) {
            const unsigned char c = static_cast<unsigned char>(ch);
            EXPECT_EQ(bottom_row(f.glyphs[c]), KOV_FONT_BASE_ROW - 1) << f.name << " " << int(c);
        }
        for (unsigned char c : {'g', 'p', 'y'})
            EXPECT_GT(bottom_row(f.glyphs[c]), KOV_FONT_BASE_ROW) << f.name << " " << c;
        // Capitals are higher than small letters.
        EXPECT_LT(top_row(f.glyphs['H']), top_row(f.glyphs['x'])) << f.name;
    }
}

// "Träger" must not read "Trager": every umlaut has ink its base letter lacks, all of it above
// the base letter's top.
TEST(FontData, UmlautsAddTheirDotsAboveTheBaseLetter)
{
    const unsigned char pairs[][2] = {{'a', 0x84}, {'o', 0x94}, {'u', 0x81}, {'A', 0x8E}, {'O', 0x99}, {'U', 0x9A}};
    for (const Face& f : kFaces) {
        for (const auto& p : pairs) {
            const unsigned char* base = f.glyphs[p[0]];
            const unsigned char* umlaut = f.glyphs[p[1]];
            int extra = 0;
            for (int r = 0; r < 16; ++r) {
                const unsigned added = umlaut[r] & ~base[r] & 0xFFu;
                if (!added) continue;
                ++extra;
                EXPECT_LT(r, top_row(base)) << f.name << " " << p[0];
            }
            EXPECT_GT(extra, 0) << f.name << " " << p[0];
        }
        // The sharp s is no capital B.
        EXPECT_NE(std::string(reinterpret_cast<const char*>(f.glyphs[0xE1]), 16),
                  std::string(reinterpret_cast<const char*>(f.glyphs['B']), 16))
            << f.name;
    }
}

// A small face's cell is six pixels wide: ink in the last two bits would be cut off.
TEST(FontData, SmallFacesStayInsideTheirColumns)
{
    for (const Face& f : kFaces) {
        const unsigned outside = 0xFFu >> f.columns;
        for (int c = 0; c < 256; ++c)
            for (int r = 0; r < 16; ++r) EXPECT_EQ(f.glyphs[c][r] & outside, 0u) << f.name << " " << c << " " << r;
    }
}
