// Tests of the string lists: entries keep their call order per handle.
#include <gtest/gtest.h>

#include "platform/kovstrlist.h"

TEST(StringList, EntriesKeepCallOrderPerHandle)
{
    Kov_Stringlist_Clear_All();
    Fill_Stringlist_of_PS(7, BLACK_CI, "eins");
    Fill_Stringlist_of_PS(8, 3, "anders");
    Fill_Stringlist_of_PS(7, 5, "zwei");
    Fill_Stringlist_of_PS(7, BLACK_CI, nullptr);
    ASSERT_EQ(Kov_Stringlist_Count(7), 3);
    EXPECT_STREQ(Kov_Stringlist_Text(7, 0), "eins");
    EXPECT_STREQ(Kov_Stringlist_Text(7, 1), "zwei");
    EXPECT_STREQ(Kov_Stringlist_Text(7, 2), "");
    EXPECT_EQ(Kov_Stringlist_Colour(7, 1), 5);
    EXPECT_EQ(Kov_Stringlist_Colour(7, 0), BLACK_CI);
    EXPECT_EQ(Kov_Stringlist_Count(8), 1);
    EXPECT_EQ(Kov_Stringlist_Text(7, 3), nullptr);
    EXPECT_EQ(Kov_Stringlist_Text(7, -1), nullptr);
    EXPECT_EQ(Kov_Stringlist_Colour(9, 0), -1);
    Kov_Stringlist_Clear(7);
    EXPECT_EQ(Kov_Stringlist_Count(7), 0);
    EXPECT_EQ(Kov_Stringlist_Count(8), 1);
    Kov_Stringlist_Clear_All();
    EXPECT_EQ(Kov_Stringlist_Count(8), 0);
}
