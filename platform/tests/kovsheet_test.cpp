// Tests of the function that the property-sheet library calls from time to time while a sheet
// waits for the user.
#include <gtest/gtest.h>

#include "platform/kovsheet.h"

namespace {

int g_calls_a = 0, g_calls_b = 0;
void call_a() { ++g_calls_a; }
void call_b() { ++g_calls_b; }

} // namespace

TEST(SometimesFunction, CalledOnceEachTimeAndReplacedOrTakenAway)
{
    EXPECT_EQ(Get_CallSometimesFunc_of_PS(), nullptr);
    EXPECT_EQ(Kov_Call_Sometimes(), 0);
    Set_CallSometimesFunc_to_PS(call_a);
    EXPECT_EQ(Get_CallSometimesFunc_of_PS(), &call_a);
    EXPECT_EQ(Kov_Call_Sometimes(), 1);
    EXPECT_EQ(Kov_Call_Sometimes(), 1);
    EXPECT_EQ(g_calls_a, 2);
    // A second installation replaces the first; the first is not called any more.
    Set_CallSometimesFunc_to_PS(call_b);
    EXPECT_EQ(Kov_Call_Sometimes(), 1);
    EXPECT_EQ(g_calls_a, 2);
    EXPECT_EQ(g_calls_b, 1);
    Set_CallSometimesFunc_to_PS(nullptr);
    EXPECT_EQ(Kov_Call_Sometimes(), 0);
    EXPECT_EQ(g_calls_b, 1);
}
