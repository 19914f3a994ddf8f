// Tests of the screen services of the host tools: text width in code page 850 and the progress
// bars with their frames, lengths and restored screen.
#include "hostenv/kovscreentools.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "hostenv/kovtools.h"
#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovhost.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

namespace {

class ScreenTools : public ::testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
    }
};

} // namespace

// ---- text width ------------------------------------------------------------------

TEST_F(ScreenTools, TextWidthIsTheCanvasMeasurementInTheFontInForce)
{
    struct Case {
        int font;
        const char* text;
        int width;
    } cases[] = {
        {0, "Dach", 32}, {0x1000, "Dach", 32}, {2, "Dach", 24}, {0x10000, "Pfette", 48}, {0, "", 0},
    };
    for (const Case& c : cases) {
        pxSFnt(c.font);
        int extent[2] = {0, 0};
        pxQTxX(c.text, -1, extent);
        EXPECT_EQ(Text_Width_Pixels(c.text), extent[1] - extent[0]) << c.font << " " << c.text;
        EXPECT_EQ(Text_Width_Pixels(c.text), c.width) << c.font << " " << c.text;
        // Measuring leaves the font as it was.
        EXPECT_EQ(RFONT_WIDTH + RFONT_SPACE, c.font & 2 ? 6 : 8);
    }
}

TEST_F(ScreenTools, TextWidthCountsBytesOfCodePage850)
{
    pxSFnt(0);
    // "Größe": five bytes in code page 850, five characters on the screen.
    EXPECT_EQ(Text_Width_Pixels(cp850("Größe")), 40);
}

TEST_F(ScreenTools, TextWidthOfNoTextIsZero) { EXPECT_EQ(Text_Width_Pixels(nullptr), 0); }

// ---- the rest of the screen services ------------------------------------------------

namespace {

const int kSheet = 0xF0F0F0; // GetKOVColor(-1)
const int kTrack = 0xEBF5E1; // (235, 245, 225)
const int kBlack = 0x000000;
const int kLight = 0xFFFBF0; // (255, 251, 240)
const int kShade[5] = {0x2060C0, 0x007FCF, 0x71AFE5, 0xA6CAF0, 0x204080};

std::vector<int> screen_pixels()
{
    std::vector<int> v;
    v.reserve(size_t(NPIXEL_X) * size_t(NPIXEL_Y));
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

std::vector<int> region(int x1, int y1, int x2, int y2)
{
    std::vector<int> v;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

// Some pattern under the bars, so that a wrong restore shows.
void paint_background()
{
    for (int i = 0; i < 40; ++i) {
        pxFgc(Nearest_Color_Index(10 * i, 255 - 5 * i, (37 * i) & 255));
        pxRect(i * 25, 0, i * 25 + 24, NPIXEL_Y - 1);
    }
}

// The drawn length of a bar: columns of the track that are not empty, less
// the end line.
int bar_length(int x, int y, int width)
{
    int n = 0;
    for (int i = 0; i <= width; ++i)
        if (Kov_Ui_Pixel(x + i, y + 3) != kTrack) ++n;
    return n ? n - 1 : 0;
}

// The pauses asked for, and the bounding box of every pixel that differs from
// the screen before at each pause.
struct Pauses {
    std::vector<int> ms;
    std::vector<std::array<int, 4>> boxes;
    std::vector<int> before;
    bool boxes_on = false;
};
Pauses g_pauses;

std::array<int, 4> changed_box()
{
    std::array<int, 4> b = {1 << 30, 1 << 30, -1, -1};
    size_t k = 0;
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x, ++k)
            if (Kov_Ui_Pixel(x, y) != g_pauses.before[k]) {
                b[0] = std::min(b[0], x);
                b[1] = std::min(b[1], y);
                b[2] = std::max(b[2], x);
                b[3] = std::max(b[3], y);
            }
    return b;
}

void record_pause(int ms)
{
    g_pauses.ms.push_back(ms);
    if (g_pauses.boxes_on) g_pauses.boxes.push_back(changed_box());
}

int64_t g_now_ms = 0;
int64_t test_clock() { return g_now_ms; }

int count_of(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

class ScreenServices : public ::testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Kov_Screen_Tools_Reset();
        Kov_Tools_Reset();
        Kov_Tools_Set_Sleep(&record_pause);
        Kov_Screen_Set_Clock(&test_clock);
        g_pauses = Pauses();
        g_now_ms = 1000;
        env.set("DATA", KOV_SOURCE_DIR "/data");
    }
    void TearDown() override
    {
        Kov_Screen_Tools_Reset();
        Kov_Tools_Reset();
        Kov_Set_Ui_Mode(-1);
    }
    std::string log() const { return Kov_Script_Log_Text(); }
    kovtest::ScopedEnv env;
};

} // namespace

// ---- progress bars ---------------------------------------------------------------------

TEST_F(ScreenServices, SixProgressBarsAtOnceThenNone)
{
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Kov_Progress_Open(100, 20 + 20 * i, 200, 0), i);
    EXPECT_EQ(Kov_Progress_Open(100, 200, 200, 0), -1);
    // A closed number is the first free one again.
    Kov_Progress_Close(3);
    EXPECT_EQ(Kov_Progress_Open(100, 200, 200, 1), 3);
    EXPECT_EQ(Kov_Progress_Open(100, 200, 200, 0), -1);
}

TEST_F(ScreenServices, FarOffPositionsAndSizesAreCutWithoutOverflow)
{
    const std::vector<int> before = screen_pixels();
    const int big = std::numeric_limits<int>::max(), small = std::numeric_limits<int>::min();
    const int a = Kov_Progress_Open(big - 5, big - 5, big, 1);
    const int b = Kov_Progress_Open(small, small, -big, 0);
    Kov_Progress_Set(unsigned(a), 0.5);
    Kov_Progress_Set(unsigned(b), 0.5);
    Kov_Progress_Close(unsigned(a));
    Kov_Progress_Close(unsigned(b));
    Kov_Set_Zoom(2, 0);
    Kov_Zoom_Rectangle(small, small, big, big, big, small, small, big);
    EXPECT_TRUE(screen_pixels() == before);
}

TEST_F(ScreenServices, ProgressBarOpensInASunkenFrameAndFillsInBands)
{
    const int x = 200, y = 300, w = 100;
    ASSERT_EQ(Kov_Progress_Open(x, y, w, 0), 0);
    // The empty track, dark above and left, light below and right.
    EXPECT_EQ(region(x, y, x + w, y + 7), std::vector<int>(size_t(w + 1) * 8, kTrack));
    EXPECT_EQ(Kov_Ui_Pixel(x - 1, y - 1), kBlack);
    EXPECT_EQ(Kov_Ui_Pixel(x + w, y - 1), kBlack);
    EXPECT_EQ(Kov_Ui_Pixel(x - 1, y + 7), kBlack);
    EXPECT_EQ(Kov_Ui_Pixel(x, y + 8), kLight);
    EXPECT_EQ(Kov_Ui_Pixel(x + w + 1, y + 8), kLight);
    EXPECT_EQ(Kov_Ui_Pixel(x + w + 1, y), kLight);

    Kov_Progress_Set(0, 0.25);
    EXPECT_EQ(bar_length(x, y, w), 25);
    // Lightest in the middle, darkest at the edges, a darker band below.
    const int column[8] = {kShade[0], kShade[1], kShade[2], kShade[3], kShade[2], kShade[1], kShade[0], kShade[4]};
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(Kov_Ui_Pixel(x, y + r), column[r]) << r;
        EXPECT_EQ(Kov_Ui_Pixel(x + 24, y + r), column[r]) << r;
        EXPECT_EQ(Kov_Ui_Pixel(x + 25, y + r), kBlack) << r;
        EXPECT_EQ(Kov_Ui_Pixel(x + 26, y + r), kTrack) << r;
    }
}

TEST_F(ScreenServices, ProgressLengthIsTheFractionOfTheWidthLimitedToTheTrack)
{
    const int x = 50, y = 60, w = 200;
    ASSERT_EQ(Kov_Progress_Open(x, y, w, 0), 0);
    struct Case {
        double fraction;
        int length;
    } cases[] = {
        {0.5, 100},
        {1.5, 200},
        {0.999, 199},
        {-1.0, 0},
        {0.3333, 66},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), 200},
        {-std::numeric_limits<double>::infinity(), 0},
        {0.004, 0},
        {1.0, 200},
    };
    for (const Case& c : cases) {
        Kov_Progress_Set(0, c.fraction);
        EXPECT_EQ(bar_length(x, y, w), c.length) << c.fraction;
    }
    // Numbers above 5 and closed bars are passed over.
    Kov_Script_Clear_Log();
    Kov_Progress_Set(6, 0.5);
    Kov_Progress_Set(1, 0.5);
    Kov_Progress_Set(unsigned(-1), 0.5);
    Kov_Progress_Set_Delay(7, 1.0);
    Kov_Progress_Close(9);
    EXPECT_EQ(log(), "");
}

TEST_F(ScreenServices, ABarSetBackShowsWhatABarGrownToThatLengthShows)
{
    const int x = 40, y = 40, w = 150;
    struct Case {
        double first, then;
    } cases[] = {{0.8, 0.3}, {1.5, -1.0}, {1.0, 0.0}, {0.5, 0.49}};
    for (const Case& c : cases) {
        Kov_Ui_Reset();
        Kov_Screen_Tools_Reset();
        ASSERT_EQ(Kov_Progress_Open(x, y, w, 0), 0);
        Kov_Progress_Set(0, c.then);
        const std::vector<int> grown = region(x - 1, y - 1, x + w + 1, y + 8);
        Kov_Progress_Set(0, c.first);
        Kov_Progress_Set(0, c.then);
        EXPECT_EQ(region(x - 1, y - 1, x + w + 1, y + 8), grown) << c.first << " " << c.then;
    }
}

TEST_F(ScreenServices, ClosingABoxedBarPutsBackItsOwnScreenWhileAnotherIsOpen)
{
    paint_background();
    const std::vector<int> before = screen_pixels();
    const int a = Kov_Progress_Open(100, 100, 300, 1);
    const std::vector<int> box_a = region(90, 90, 420, 128);
    const int b = Kov_Progress_Open(100, 300, 300, 1);
    ASSERT_EQ(a, 0);
    ASSERT_EQ(b, 1);
    // The box: sheet background up to its outer edge, a raised frame.
    EXPECT_EQ(Kov_Ui_Pixel(95, 295), kSheet);
    EXPECT_EQ(Kov_Ui_Pixel(415, 325), kSheet);
    EXPECT_EQ(Kov_Ui_Pixel(95, 95), kSheet);
    EXPECT_EQ(region(90, 90, 420, 128), box_a);
    Kov_Progress_Set(unsigned(a), 0.7);
    Kov_Progress_Set(unsigned(b), 0.4);
    const std::vector<int> box_b = region(90, 290, 420, 328);

    Kov_Progress_Close(unsigned(a));
    std::vector<int> now = screen_pixels();
    size_t wrong = 0;
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) {
            const size_t k = size_t(y) * size_t(NPIXEL_X) + size_t(x);
            const bool in_b = x >= 90 && x <= 420 && y >= 290 && y <= 328;
            if (!in_b && now[k] != before[k]) ++wrong;
        }
    EXPECT_EQ(wrong, 0u);
    EXPECT_EQ(region(90, 290, 420, 328), box_b);

    Kov_Progress_Close(unsigned(b));
    EXPECT_TRUE(screen_pixels() == before);
}

TEST_F(ScreenServices, ClosingAPlainBarPaintsItOverInTheSheetColour)
{
    paint_background();
    ASSERT_EQ(Kov_Progress_Open(300, 400, 120, 0), 0);
    Kov_Progress_Set(0, 0.5);
    Kov_Progress_Close(0);
    EXPECT_EQ(region(299, 399, 421, 408), std::vector<int>(size_t(123) * 10, kSheet));
    EXPECT_NE(Kov_Ui_Pixel(298, 399), kSheet);
    EXPECT_NE(Kov_Ui_Pixel(300, 409), kSheet);
}

TEST_F(ScreenServices, ABoxedBarIsKeptAsAPictureForAPerson)
{
    const std::string dir = kovtest::kept_dir("hostenv_screen", "progress");
    ASSERT_FALSE(dir.empty());
    paint_background();
    const int slot = Kov_Progress_Open(NPIXEL_X / 2 - 150, NPIXEL_Y / 2 - 4, 300, 1);
    ASSERT_EQ(slot, 0);
    Kov_Progress_Set(0, 0.62);
    EXPECT_EQ(Kov_Ui_Save_Png((dir + "/boxed-progress-bar.png").c_str()), 1);
}

TEST_F(ScreenServices, ProgressPausesItsDelayAfterEveryChangeOfLength)
{
    ASSERT_EQ(Kov_Progress_Open(10, 10, 100, 0), 0);
    Kov_Progress_Set(0, 0.1);
    EXPECT_TRUE(g_pauses.ms.empty());
    Kov_Progress_Set_Delay(0, 0.25);
    Kov_Progress_Set(0, 0.2);
    Kov_Progress_Set(0, 0.2); // the same length: no drawing, no pause
    Kov_Progress_Set(0, 0.1);
    EXPECT_EQ(g_pauses.ms, (std::vector<int>{250, 250}));
    Kov_Progress_Set_Delay(0, 0.0);
    Kov_Progress_Set(0, 0.9);
    EXPECT_EQ(g_pauses.ms.size(), 2u);
}

// ---- timer and sand clock ------------------------------------------------------------------

TEST_F(ScreenServices, TimerExpiresAtItsDeadline)
{
    Kov_Timer_Set(0.1);
    g_now_ms = 1099;
    EXPECT_EQ(Kov_Timer_Expired(), 0);
    g_now_ms = 1100;
    EXPECT_EQ(Kov_Timer_Expired(), 1);
    Kov_Timer_Set(0.0);
    EXPECT_EQ(Kov_Timer_Expired(), 1);
}

TEST_F(ScreenServices, SandClockDrawsTheNextFrameEvery50Milliseconds)
{
    const std::string draw = "pxDrawPartialTransparentDIB animsandclock.bmp";
    Kov_Sandclock_Init(20, 30, Nearest_Color_Index(255, 255, 255));
    Kov_Sandclock_Step();
    g_now_ms += 30;
    Kov_Sandclock_Step();
    EXPECT_EQ(count_of(log(), draw), 1) << log();
    EXPECT_NE(log().find("pxRect 20 30 51 91\n" + draw + " 0 0 -1 -1 20 30 51 91 201 -1 192 192 192\npxFlsh"),
              std::string::npos)
        << log();
    g_now_ms += 20;
    Kov_Sandclock_Step();
    EXPECT_NE(log().find(draw + " 31 0 -1 -1 20 30 51 91"), std::string::npos) << log();
    for (int i = 0; i < 11; ++i) {
        g_now_ms += 50;
        Kov_Sandclock_Step();
    }
    // Twelve frames, then the first again.
    EXPECT_EQ(count_of(log(), draw), 13);
    EXPECT_NE(log().find(draw + " 341 0 "), std::string::npos);
    EXPECT_EQ(count_of(log(), draw + " 0 0 "), 2);
    // The picture is there: the frame shows its glass and sand, and the key
    // colour lets the white background through.
    EXPECT_EQ(Kov_Ui_Pixel(20, 30), 0xFFFFFF);
    int ink = 0;
    for (int y = 30; y <= 91; ++y)
        for (int x = 20; x <= 51; ++x)
            if (Kov_Ui_Pixel(x, y) != 0xFFFFFF) ++ink;
    EXPECT_GT(ink, 200);
}

// ---- zoom and rubber band --------------------------------------------------------------------

TEST_F(ScreenServices, ZoomDrawsStepsPlusOneRectanglesAndLeavesTheScreen)
{
    paint_background();
    pxFgc(0x123456);
    g_pauses.before = screen_pixels();
    g_pauses.boxes_on = true;
    Kov_Set_Zoom(3, 0);
    Kov_Zoom_Rectangle(0, 0, 100, 100, 200, 200, 300, 300);
    EXPECT_EQ(g_pauses.ms, (std::vector<int>{0, 0, 0, 0}));
    ASSERT_EQ(g_pauses.boxes.size(), 4u);
    EXPECT_EQ(g_pauses.boxes[0], (std::array<int, 4>{0, 0, 100, 100}));
    EXPECT_EQ(g_pauses.boxes[1], (std::array<int, 4>{50, 50, 150, 150}));
    EXPECT_EQ(g_pauses.boxes[2], (std::array<int, 4>{100, 100, 200, 200}));
    EXPECT_EQ(g_pauses.boxes[3], (std::array<int, 4>{150, 150, 250, 250}));
    EXPECT_TRUE(screen_pixels() == g_pauses.before);
    // The colour and the copying mode are back.
    EXPECT_EQ(pxQFgc(), 0x123456);
    pxDot(5, 5);
    EXPECT_EQ(Kov_Ui_Pixel(5, 5), 0x123456);
}

TEST_F(ScreenServices, ZoomDefaultsAreTenStepsOf15Milliseconds)
{
    Kov_Set_Zoom(4, 7);
    Kov_Set_Zoom(-1, 0);
    Kov_Zoom_Rectangle(10, 10, 20, 20, 500, 400, 700, 600);
    EXPECT_EQ(g_pauses.ms, std::vector<int>(11, 15));
}

TEST_F(ScreenServices, RubberBandFollowsTheMouseUntilReleaseAndLeavesTheScreen)
{
    paint_background();
    const std::vector<int> before = screen_pixels();
    Kov_Ui_Push_Press(120, 110, 1);
    Kov_Ui_Push_Move(180, 160);
    Kov_Ui_Push_Move(240, 230);
    Kov_Ui_Push_Release(250, 235, 1);
    int x = -7, y = -7;
    Kov_Rubber_Band(100, 100, &x, &y);
    EXPECT_EQ(x, 250);
    EXPECT_EQ(y, 235);
    EXPECT_TRUE(screen_pixels() == before);
    const std::string l = log();
    EXPECT_NE(l.find("msVisi -1"), std::string::npos);
    EXPECT_LT(l.find("msVisi -1"), l.find("msVisi 0"));
    // Each position's rectangle drawn twice: once to show, once to take away.
    EXPECT_EQ(count_of(l, "pxLine 100 100 180 100\n"), 2) << l;
    EXPECT_EQ(count_of(l, "pxLine 100 100 250 100\n"), 2) << l;
    EXPECT_EQ(Kov_Ui_Pending(), 0);
}

TEST_F(ScreenServices, RubberBandReleasedAtOnceAnswersThatPosition)
{
    Kov_Ui_Push_Release(33, 44, 1);
    int x = -7, y = -7;
    Kov_Rubber_Band(10, 10, &x, &y);
    EXPECT_EQ(x, 33);
    EXPECT_EQ(y, 44);
    // Without input the exhausted answers end it off the screen.
    const std::vector<int> before = screen_pixels();
    Kov_Rubber_Band(10, 10, &x, &y);
    EXPECT_TRUE(screen_pixels() == before);
    Kov_Rubber_Band(10, 10, nullptr, nullptr);
}

// ---- hit test ----------------------------------------------------------------------------------

TEST_F(ScreenServices, HitLineWithinTheTolerance)
{
    EXPECT_EQ(Kov_Get_Hit_Tolerance(), 3);
    struct Case {
        int x1, y1, x2, y2, px, py, tolerance, hit;
    } cases[] = {
        // distance 1.2 from the line (0, 0)-(30, 40)
        {0, 0, 30, 40, 3, 2, 3, 1},
        // distance exactly 5
        {0, 0, 30, 40, 4, -3, 3, 0},
        {0, 0, 30, 40, 4, -3, 5, 1},
        // more than 3 left of and above both ends
        {0, 0, 30, 40, -4, -4, 3, 0},
        {-10, 0, 10, 0, 0, 3, 3, 1},
        {-10, 0, 10, 0, 0, 4, 3, 0},
        // beyond the right end by more than the tolerance
        {-10, 0, 10, 0, 14, 0, 3, 0},
        {-10, 0, 10, 0, 13, 0, 3, 1},
        // a line of length 0 is never hit
        {5, 5, 5, 5, 5, 5, 3, 0},
        // far off the screen, no overflow
        {-2000000000, 0, 2000000000, 0, 1999999999, 2, 3, 1},
        {0, -2000000000, 0, 2000000000, 4, 0, 3, 0},
    };
    for (const Case& c : cases) {
        Kov_Set_Hit_Tolerance(c.tolerance);
        EXPECT_EQ(Kov_Hit_Line(c.x1, c.y1, c.x2, c.y2, c.px, c.py), c.hit)
            << c.x1 << " " << c.y1 << " " << c.x2 << " " << c.y2 << " at " << c.px << " " << c.py;
    }
    EXPECT_EQ(Kov_Get_Hit_Tolerance(), 3);
}

// ---- saved box, picture sheet, buttons ------------------------------------------------------------

TEST_F(ScreenServices, SavedBoxComesBackAndASecondSaveReplacesTheFirst)
{
    paint_background();
    const std::vector<int> before = screen_pixels();
    Kov_Save_Box(10, 10, 60, 40);
    EXPECT_EQ(region(10, 10, 60, 40), std::vector<int>(size_t(51) * 31, kSheet));
    Kov_Restore_Box();
    EXPECT_TRUE(screen_pixels() == before);
    Kov_Restore_Box(); // nothing kept any more
    EXPECT_TRUE(screen_pixels() == before);

    Kov_Save_Box(10, 10, 60, 40);
    Kov_Save_Box(200, 200, 260, 230);
    Kov_Restore_Box();
    // The second box is back, the first stays painted over.
    std::vector<int> second;
    for (int y = 200; y <= 230; ++y)
        for (int x = 200; x <= 260; ++x) second.push_back(before[size_t(y) * size_t(NPIXEL_X) + size_t(x)]);
    EXPECT_EQ(region(200, 200, 260, 230), second);
    EXPECT_EQ(region(10, 10, 60, 40), std::vector<int>(size_t(51) * 31, kSheet));
}

TEST_F(ScreenServices, PictureSheetIsCentredWithOneButtonAndWaits)
{
    paint_background();
    const std::vector<int> before = screen_pixels();
    // The user clicks the button once the sheet waits.
    Kov_Ui_Set_Idle_Hook([](const char*) {
        int x1, y1, x2, y2;
        if (Kov_Ui_Sheet_Rect(1, &x1, &y1, &x2, &y2)) Kov_Ui_Push_Click((x1 + x2) / 2, (y1 + y2) / 2);
        Kov_Ui_Set_Idle_Hook(nullptr);
    });
    Kov_Show_Picture("Bild", "animsandclock.bmp", 373, 62);
    const int x = 512 - 377 / 2, y = 384 - 128 / 2;
    const std::string l = log();
    const std::string sheet = "Define_Prop_Sheet " + std::to_string(x) + " " + std::to_string(y) + " " +
                              std::to_string(x + 376) + " " + std::to_string(y + 127) + " 1 1 Bild 1 1\n";
    const std::string picture = "pxDrawDIB animsandclock.bmp " + std::to_string(x + 2) + " " + std::to_string(y + 32) +
                                " " + std::to_string(x + 374) + " " + std::to_string(y + 93) + " 0 0\n";
    const std::string button = "Add_Single_Button_to_PS 494 " + std::to_string(y + 99) + " 1 1   0\n";
    ASSERT_NE(l.find(sheet), std::string::npos) << l;
    EXPECT_LT(l.find(sheet), l.find(picture)) << l;
    EXPECT_LT(l.find(picture), l.find(button)) << l;
    EXPECT_LT(l.find(button), l.find("Change_Action_State_PS 1 0\nReset_Button_Frame 1\n"
                                     "Move_Mouse_Cursor_to_Button_of_PS 1 10 5\n"))
        << l;
    EXPECT_LT(l.find("Activate_Prop_Sheet"), l.find("Edit_Prop_Sheet -> 1")) << l;
    EXPECT_LT(l.find("Edit_Prop_Sheet -> 1"), l.find("Undefine_Prop_Sheet")) << l;
    EXPECT_TRUE(screen_pixels() == before);
    EXPECT_EQ(Kov_Ui_Sheet_Frame(nullptr, nullptr, nullptr, nullptr), 0);
}

TEST_F(ScreenServices, ResetButtonCallsTheSheetLibraryInOrder)
{
    struct Case {
        int snap;
        const char* comment;
        const char* calls;
    } cases[] = {
        {0, nullptr, "Reset_Button_Frame 7\nChange_Action_State_PS 7 0\n"},
        {1, nullptr, "Reset_Button_Frame 7\nChange_Action_State_PS 7 0\nSnap_Colored_Layout_of_Single_Button 7\n"},
        {2, "Tipp",
         "Reset_Button_Frame 7\nChange_Action_State_PS 7 0\nSnap_Colored_Layout_of_Single_Button 7\n"
         "Set_Comment_to_Button_PS 7 Tipp\n"},
        {0, "", "Reset_Button_Frame 7\nChange_Action_State_PS 7 0\nSet_Comment_to_Button_PS 7 \n"},
    };
    for (const Case& c : cases) {
        Kov_Script_Clear_Log();
        Kov_Reset_Button(7, c.snap, c.comment);
        EXPECT_EQ(log(), c.calls);
    }
}

// ---- stops and numbers ----------------------------------------------------------------------------

TEST_F(ScreenServices, OutOfMemoryStopShowsItsThreeLinesAndFails)
{
    // In a child process: its standard error through a pipe, read byte for byte,
    // in the character set of a German UTF-8 terminal.
    kovtest::ScopedEnv env("LC_ALL", nullptr);
    env.set("LC_CTYPE", nullptr);
    env.set("LANG", "de_DE.UTF-8");
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(fds[0]);
        ::dup2(fds[1], 2);
        Kov_Set_Ui_Mode(KOV_UI_BATCH);
        Kov_Out_Of_Memory_Stop();
    }
    ::close(fds[1]);
    std::string err;
    char buf[512];
    ssize_t n;
    while ((n = ::read(fds[0], buf, sizeof buf)) > 0) err.append(buf, size_t(n));
    ::close(fds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(err, std::string("Die Aktion erfordert eine Speicherkapazität, die\n"
                               "vom Rechner zur Zeit nicht zur Verfügung gestellt\n"
                               "wird. Die Sitzung muß leider abgebrochen werden.\n"));
}

TEST_F(ScreenServices, SignOfANumber)
{
    struct Case {
        double v;
        int sign;
    } cases[] = {{0.0, 1},
                 {-0.0, 1},
                 {2.5, 1},
                 {-1e-300, -1},
                 {-7.0, -1},
                 {std::numeric_limits<double>::infinity(), 1},
                 {std::numeric_limits<double>::quiet_NaN(), -1}};
    for (const Case& c : cases) EXPECT_EQ(Kov_Sign(c.v), c.sign) << c.v;
}
