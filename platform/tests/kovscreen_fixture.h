#pragma once
// The fixture of the pixel screen's tests: a fresh screen for every test, and readers of its
// pixels (every pixel, the changed ones in a rectangle, the ink of one colour).
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/kovscreen.h"

namespace kovscreentest {

inline constexpr int kDesktop = 0x3A6EA5;

// Every pixel of the screen, row by row.
inline std::vector<int> screen()
{
    std::vector<int> v;
    v.reserve(size_t(NPIXEL_X) * size_t(NPIXEL_Y));
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

// Pixels that differ from the desktop colour in the rectangle.
inline int changed(int x1, int y1, int x2, int y2, int background = kDesktop)
{
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (Kov_Ui_Pixel(x, y) != background) ++n;
    return n;
}

struct Ink {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1, count = 0;
};

inline Ink ink_of(int x1, int y1, int x2, int y2, int colour)
{
    Ink k;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (Kov_Ui_Pixel(x, y) == colour) {
                k.x1 = std::min(k.x1, x);
                k.y1 = std::min(k.y1, y);
                k.x2 = std::max(k.x2, x);
                k.y2 = std::max(k.y2, y);
                ++k.count;
            }
    return k;
}

// One class for every file of tests of the screen, so that they share one suite.
class Screen : public testing::Test {
protected:
    void SetUp() override { Kov_Ui_Reset(); }
};

} // namespace kovscreentest
