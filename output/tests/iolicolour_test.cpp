// Tests of the colour index: lighter and darker greys.
#include <gtest/gtest.h>

#include "output/ioliplot.h"
#include "platform/kovscreen.h"

// A grey of 100 has the lightness 100/255; 50 % more is 150, 50 % less is 50.
TEST(ColourIndex, LighterAndDarkerGreys)
{
    const int grey = Oli_Colour_Pack(100, 100, 100);
    EXPECT_EQ(Oli_Colour_Lighter_Index(grey, 50), Nearest_RGB_Color(150, 150, 150));
    EXPECT_EQ(Oli_Colour_Darker_Index(grey, 50), Nearest_RGB_Color(50, 50, 50));
    EXPECT_EQ(Oli_Colour_Lighter_Index(grey, 0), Nearest_RGB_Color(100, 100, 100));
    // Far beyond white and black stays within the palette.
    EXPECT_EQ(Oli_Colour_Lighter_Index(grey, 1000), Nearest_RGB_Color(255, 255, 255));
    EXPECT_EQ(Oli_Colour_Darker_Index(grey, 1000), Nearest_RGB_Color(0, 0, 0));
}
