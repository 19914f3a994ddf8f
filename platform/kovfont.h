#pragma once
// Bitmap fonts of the screen stand-in (made by tools/kovfontgen.cpp): one glyph
// per byte of code page 850, 16 rows of one byte each, the most significant bit
// leftmost, the base line at row KOV_FONT_BASE_ROW.

#define KOV_FONT_BASE_ROW 12

extern const unsigned char kKovFontNormal[256][16];
extern const unsigned char kKovFontBold[256][16];
extern const unsigned char kKovFontSmall[256][16];
extern const unsigned char kKovFontSmallBold[256][16];
