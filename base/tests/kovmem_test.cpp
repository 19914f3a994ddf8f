// Tests of the allocation families: zero totals, padding, cleared blocks, matrices, string and
// double copies, and the tagged wrappers.
#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "test_support/kovtestutil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool all_zero(const void* p, size_t n)
{
    const unsigned char* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i)
        if (b[i] != 0) return false;
    return true;
}

} // namespace

// ---- counted family -------------------------------------------------------------------

TEST(MemPad, StoresNonNegativeValue)
{
    const struct {
        int in, out;
    } cases[] = {{-5, 0}, {0, 0}, {8, 8}, {INT_MIN, 0}};
    for (const auto& c : cases) EXPECT_EQ(Mem_Set_Pad(c.in), c.out) << c.in;
}

TEST(MemRealloc, ZeroTotalWithoutOldBlockGivesNullAndCountsOne)
{
    Mem_Set_Pad(0);
    Mem_Reset_Live_Blocks();
    EXPECT_EQ(Mem_Realloc(nullptr, 0, 0), nullptr);
    EXPECT_EQ(Mem_Live_Blocks(), 1);
}

TEST(MemRealloc, ZeroTotalLeavesOldBlockAllocated)
{
    Mem_Set_Pad(0);
    Mem_Reset_Live_Blocks();
    char* block = static_cast<char*>(Mem_Realloc(nullptr, 16, 0));
    ASSERT_NE(block, nullptr);
    strcpy(block, "noch da");
    EXPECT_EQ(Mem_Realloc(block, 0, 1), nullptr);
    EXPECT_STREQ(block, "noch da"); // untouched, not freed (ASan would object)
    EXPECT_EQ(Mem_Live_Blocks(), 1);
    void* p = block;
    Mem_Free_Null(&p);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(Mem_Live_Blocks(), 0);
}

TEST(MemRealloc, PadIsAddedAndZeroFlagClearsWholeBlock)
{
    Mem_Set_Pad(8);
    unsigned char* block = static_cast<unsigned char*>(Mem_Realloc(nullptr, 10, 1));
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(all_zero(block, 18));
    block[17] = 0x55; // the pad belongs to the block
    void* p = block;
    Mem_Free_Null(&p);
    Mem_Set_Pad(0);
}

TEST(MemRealloc, ZeroFlagOnExistingBlockClearsOldContents)
{
    Mem_Set_Pad(0);
    char* block = static_cast<char*>(Mem_Realloc(nullptr, 8, 0));
    memset(block, 'x', 8);
    const int before = Mem_Live_Blocks();
    block = static_cast<char*>(Mem_Realloc(block, 32, 1));
    EXPECT_TRUE(all_zero(block, 32));
    EXPECT_EQ(Mem_Live_Blocks(), before); // a resize counts nothing
    void* p = block;
    Mem_Free_Null(&p);
}

TEST(MemRealloc, ResizeKeepsContentsWithoutZeroFlag)
{
    Mem_Set_Pad(0);
    char* block = static_cast<char*>(Mem_Realloc(nullptr, 4, 0));
    memcpy(block, "abc", 4);
    block = static_cast<char*>(Mem_Realloc(block, 4000, 0));
    EXPECT_STREQ(block, "abc");
    void* p = block;
    Mem_Free_Null(&p);
}

TEST(MemAllocZeroed, ClearedBlockWithPadAndCount)
{
    Mem_Set_Pad(4);
    Mem_Reset_Live_Blocks();
    unsigned char* block = static_cast<unsigned char*>(Mem_Alloc_Zeroed(12));
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(all_zero(block, 16));
    EXPECT_EQ(Mem_Live_Blocks(), 1);
    void* p = block;
    Mem_Free_Null(&p);
    EXPECT_EQ(Mem_Live_Blocks(), 0);
    Mem_Set_Pad(0);
}

TEST(MemAllocMatrix, EmptyDimensionsGiveNull)
{
    Mem_Reset_Live_Blocks();
    const struct {
        int rows, cols;
    } cases[] = {{3, 0}, {0, 3}, {0, 0}, {-1, 3}, {3, -2}};
    for (const auto& c : cases)
        EXPECT_EQ(Mem_Alloc_Matrix(nullptr, c.rows, c.cols), nullptr) << c.rows << "x" << c.cols;
    EXPECT_EQ(Mem_Live_Blocks(), 0);
}

TEST(MemAllocMatrix, RowPointersIndexOneBlock)
{
    Mem_Set_Pad(0);
    Mem_Reset_Live_Blocks();
    double** m = Mem_Alloc_Matrix(nullptr, 2, 3);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(Mem_Live_Blocks(), 1);
    // The doubles follow the table of two row pointers; row 1 starts at the
    // fourth double.
    double* data = reinterpret_cast<double*>(reinterpret_cast<char*>(m) + 2 * sizeof(double*));
    EXPECT_EQ(m[0], data);
    EXPECT_EQ(m[1], data + 3);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) m[i][j] = 10 * i + j;
    EXPECT_EQ(data[3], 10.0);
    EXPECT_EQ(data[5], 12.0);

    // Resizing renews the row pointers and counts nothing.
    m = Mem_Alloc_Matrix(m, 4, 5);
    ASSERT_NE(m, nullptr);
    data = reinterpret_cast<double*>(reinterpret_cast<char*>(m) + 4 * sizeof(double*));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(m[i], data + 5 * i);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 5; ++j) m[i][j] = 1.0;
    EXPECT_EQ(Mem_Live_Blocks(), 1);
    void* p = m;
    Mem_Free_Null(&p);
    EXPECT_EQ(Mem_Live_Blocks(), 0);
}

TEST(MemAllocMatrix, PadLiesBehindTheDoubles)
{
    Mem_Set_Pad(16);
    double** m = Mem_Alloc_Matrix(nullptr, 1, 2);
    ASSERT_NE(m, nullptr);
    // 16 bytes behind the two doubles are ours (ASan checks).
    memset(m[0] + 2, 0x7f, 16);
    void* p = m;
    Mem_Free_Null(&p);
    Mem_Set_Pad(0);
}

TEST(MemStrdup, CopiesAndCounts)
{
    Mem_Reset_Live_Blocks();
    char* s = Mem_Strdup("Schwelle");
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s, "Schwelle");
    EXPECT_EQ(Mem_Live_Blocks(), 1);
    void* p = s;
    Mem_Free_Null(&p);
    EXPECT_EQ(Mem_Live_Blocks(), 0);
    EXPECT_EQ(Mem_Strdup(nullptr), nullptr); // passes through, no stop
}

TEST(MemCopyDoubles, AllocatesResizesAndReleases)
{
    Mem_Set_Pad(0);
    Mem_Reset_Live_Blocks();
    const double a[3] = {1.5, -2.0, 3.25};
    const double b[5] = {5, 4, 3, 2, 1};
    double* p = nullptr;
    Mem_Copy_Doubles(3, &p, a);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Mem_Live_Blocks(), 1);
    EXPECT_EQ(memcmp(p, a, sizeof a), 0);
    Mem_Copy_Doubles(5, &p, b);
    EXPECT_EQ(Mem_Live_Blocks(), 1);
    EXPECT_EQ(memcmp(p, b, sizeof b), 0);
    // Nothing to hold: the old block is given back rather than lost.
    Mem_Copy_Doubles(0, &p, b);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(Mem_Live_Blocks(), 0);
}

TEST(MemFreeNull, NullPointerChangesNothing)
{
    Mem_Reset_Live_Blocks();
    void* p = nullptr;
    Mem_Free_Null(&p);
    Mem_Free_Null(nullptr);
    EXPECT_EQ(Mem_Live_Blocks(), 0);
}

TEST(MemTagged, WrappersPassRuntimeResultsThrough)
{
    Mem_Reset_Live_Blocks();
    char* m = static_cast<char*>(Mem_Malloc_Tagged(__FILE__, __LINE__, "null", 8));
    ASSERT_NE(m, nullptr);
    m = static_cast<char*>(Mem_Realloc_Tagged(__FILE__, __LINE__, "null", m, 64));
    ASSERT_NE(m, nullptr);
    Mem_Free_Tagged(__FILE__, __LINE__, "null", m);
    int* c = static_cast<int*>(Mem_Calloc_Tagged(__FILE__, __LINE__, "null", 4, sizeof(int)));
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(all_zero(c, 4 * sizeof(int)));
    Mem_Free_Tagged(__FILE__, __LINE__, "null", c);
    char* s = Mem_Strdup_Tagged(__FILE__, __LINE__, "null", "abc");
    EXPECT_STREQ(s, "abc");
    Mem_Free_Tagged(__FILE__, __LINE__, "null", s);
    EXPECT_EQ(Mem_Live_Blocks(), 0); // the tagged family counts nothing
    // Nonsense sizes are refused with NULL, not turned into huge requests.
    EXPECT_EQ(Mem_Malloc_Tagged(__FILE__, __LINE__, "null", -1), nullptr);
    EXPECT_EQ(Mem_Realloc_Tagged(__FILE__, __LINE__, "null", nullptr, -8), nullptr);
    EXPECT_EQ(Mem_Calloc_Tagged(__FILE__, __LINE__, "null", -1, 4), nullptr);
    EXPECT_EQ(Mem_Strdup_Tagged(__FILE__, __LINE__, "null", nullptr), nullptr);
}

// ---- the out-of-memory stop ------------------------------------------------------------

TEST(MemStopDeathTest, CheckPointerNullStopsWithMessageAndFailureCode)
{
    EXPECT_EXIT(Mem_Check_Pointer(nullptr), testing::ExitedWithCode(1), "Speicher nicht aussreichend!");
}

TEST(MemStopDeathTest, OutOfMemoryStops)
{
    EXPECT_EXIT(Mem_Out_Of_Memory(), testing::ExitedWithCode(1), "Speicher nicht aussreichend!");
}

TEST(MemStopDeathTest, RequestBeyondIntRangeStops)
{
    EXPECT_EXIT(
        {
            Mem_Set_Pad(8);
            Mem_Realloc(nullptr, INT_MAX, 0);
        },
        testing::ExitedWithCode(1), "Speicher nicht aussreichend!");
    EXPECT_EXIT(Mem_Alloc_Matrix(nullptr, 1 << 20, 1 << 20), testing::ExitedWithCode(1),
                "Speicher nicht aussreichend!");
}

TEST(MemStopDeathTest, StopIsShownWhenMessagesWouldBeSwallowed)
{
    // Collecting into a list, discarding or messages switched off: the process
    // ends, so the text goes to the host's message window instead.
    EXPECT_EXIT(
        {
            Msg_List_New();
            Msg_Set_Output_Mode(2);
            Mem_Out_Of_Memory();
        },
        testing::ExitedWithCode(1), "Speicher nicht aussreichend!");
    EXPECT_EXIT(
        {
            Msg_Set_Output_Mode(3);
            Mem_Out_Of_Memory();
        },
        testing::ExitedWithCode(1), "Speicher nicht aussreichend!");
    EXPECT_EXIT(
        {
            Msg_Off();
            Mem_Out_Of_Memory();
        },
        testing::ExitedWithCode(1), "Speicher nicht aussreichend!");
}

TEST(MemStopDeathTest, ConsoleRouteCarriesTheStop)
{
    // In mode 1 the text goes to standard output. Death tests read standard
    // error, so the child sends its standard output there and its standard
    // error to /dev/null: the text arrives only if it took the console route.
    EXPECT_EXIT(
        {
            fflush(stdout);
            const int pipe_fd = dup(2);
            dup2(pipe_fd, 1);
            const int null_fd = open("/dev/null", O_WRONLY);
            dup2(null_fd, 2);
            Msg_Set_Output_Mode(1);
            Kov_Fatal_Stop("Fehler in Funktion 'X'");
        },
        testing::ExitedWithCode(1), "Fehler in Funktion 'X'");
}

TEST(MemCheckPointer, NonNullPasses)
{
    int x = 0;
    Mem_Check_Pointer(&x);
    SUCCEED();
}

// ---- output primitives -------------------------------------------------------------------

TEST(FilePrintf, NullStreamWritesNothing) { EXPECT_EQ(File_Printf(nullptr, "%d", 12345), 0); }

TEST(FilePrintf, WritesAndCounts)
{
    FILE* f = tmpfile();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(File_Printf(f, "%s %5.2f\n", "x", 1.5), 8);
    EXPECT_EQ(kovtest::contents(f), "x  1.50\n");
    fclose(f);
}

TEST(ConsolePrintf, PrintsAndCanBeSwitchedOff)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(Console_Printf("a%d\n", 1), 3);
    Console_Set_Output(0);
    EXPECT_EQ(Console_Printf("b%d\n", 2), 0);
    Console_Set_Output(1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "a1\n");
}

// ---- timers ----------------------------------------------------------------------------------

TEST(Timer, SilentWhileMeasuringIsOff)
{
    testing::internal::CaptureStdout();
    Timer_Set_Active(0); // off while off: nothing
    Timer_Start(1);
    Timer_Stop(1, "aus");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(Timer, ReportsWallTimeOfAWait)
{
    testing::internal::CaptureStdout();
    Timer_Set_Active(1);
    Timer_Start(3);
    // A wait uses no processor time; the timer must still see it.
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    Timer_Stop(3, "Nachweise");
    Timer_Set_Active(0);
    const std::string out = testing::internal::GetCapturedStdout();
    std::smatch m;
    ASSERT_TRUE(std::regex_match(out, m,
                                 std::regex("\n>> Rechenzeitmessung aktiviert\n"
                                            ">> Rechenzeit  3: +([0-9]+\\.[0-9]{2}) sec \\(Nachweise\\)\n"
                                            "\n>> Rechenzeitmessung deaktiviert\n")))
        << out;
    const double seconds = atof(m[1].str().c_str());
    EXPECT_GE(seconds, 0.24);
    EXPECT_LT(seconds, 5.0);
    // The field is ten characters wide.
    EXPECT_NE(out.find(":       0."), std::string::npos) << out;
}

TEST(Timer, LabelOptionalAndIndexBounded)
{
    Timer_Set_Active(1);
    testing::internal::CaptureStdout();
    Timer_Start(99);
    Timer_Stop(99, nullptr);
    Timer_Start(100);
    Timer_Stop(100, "zu gross");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(std::regex_match(out, std::regex(">> Rechenzeit 99: +0\\.[0-9]{2} sec\n"))) << out;
}

TEST(Timer, SilentWhileConsoleIsOff)
{
    testing::internal::CaptureStdout();
    Console_Set_Output(0);
    Timer_Set_Active(1);
    Timer_Start(0);
    Timer_Stop(0, "still");
    Timer_Set_Active(0);
    Msg_Set_Output_Mode(1);
    Msg_Printf("auch still");
    Console_Set_Output(1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}
