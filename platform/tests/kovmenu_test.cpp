// Tests of the popup menus: sub-menus by click and hover, disabled entries, Escape, keys, the
// action after closing, the menu's picture and its place at the screen corner.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/kovevent.h"
#include "platform/kovmenu.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

namespace {

int g_up = 0, g_down = 0, g_fill = 0;
void sort_up() { ++g_up; }
void sort_down() { ++g_down; }
void fill() { ++g_fill; }

KovMenuEntry g_sort_entries[] = {
    {"aufsteigend", 1, 0, "_SORT", nullptr, sort_up},
    {"absteigend", 1, 0, "_SORT", nullptr, sort_down},
};
KovMenu g_sort = {2, 11, 0, 0, 0, g_sort_entries};
KovMenuEntry g_column_entries[] = {
    {"Spalte sortieren", 1, 0, "_SORT", &g_sort, nullptr},
    {"Spalte belegen", 0, 0, "_FILL", nullptr, fill},
};
KovMenu g_column = {2, 16, 0, 0, 0, g_column_entries};

// The menu opens at (300, 200): 16 characters with a sub-menu are 158 pixels
// wide; its sub-menu stands at x 455 .. 559 from y 200. Entry i of either has
// its middle at y 200 + 2 + 18 i + 9.
const int kMx = 300, kMy = 200;
int entry_y(int i) { return kMy + 2 + 18 * i + 9; }
const int kMainX = 350, kSubX = 510;

std::vector<int> pixels(int x1, int y1, int x2, int y2)
{
    std::vector<int> v;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

class Menu : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        g_up = g_down = g_fill = 0;
        msStCu(kMx, kMy);
    }
    void TearDown() override
    {
        Kov_Ui_Reset();
        Kov_Set_Ui_Mode(-1);
    }
};

} // namespace

TEST_F(Menu, ClickingThroughToASubMenuEntryCallsItsActionOnce)
{
    const std::vector<int> before = pixels(kMx, kMy, kMx + 300, kMy + 60);
    Kov_Ui_Push_Click(kMainX, entry_y(0)); // opens the sub-menu
    Kov_Ui_Push_Move(kSubX, entry_y(1));
    Kov_Ui_Push_Click(kSubX, entry_y(1));
    EXPECT_EQ(Menue_Manager(&g_column), 1);
    EXPECT_EQ(g_down, 1);
    EXPECT_EQ(g_up, 0);
    EXPECT_EQ(g_fill, 0);
    EXPECT_EQ(Kov_Ui_Pending(), 0); // the release of the choosing click is taken
    EXPECT_EQ(pixels(kMx, kMy, kMx + 300, kMy + 60), before);
}

TEST_F(Menu, HoveringOpensTheSubMenu)
{
    Kov_Ui_Push_Move(kMainX, entry_y(0));
    Kov_Ui_Push_Click(kSubX, entry_y(0));
    EXPECT_EQ(Menue_Manager(&g_column), 1);
    EXPECT_EQ(g_up, 1);
    // Without the sub-menu open, its place is outside the menu: no action.
    Kov_Ui_Push_Click(kSubX, entry_y(0));
    EXPECT_EQ(Menue_Manager(&g_column), 0);
    EXPECT_EQ(g_up, 1);
}

TEST_F(Menu, ADisabledEntryCallsNothing)
{
    Kov_Ui_Push_Click(kMainX, entry_y(1));
    EXPECT_EQ(Menue_Manager(&g_column), 0); // still open after the click; no input left closes it
    EXPECT_EQ(g_fill, 0);
    // Enabled by the caller, the same click chooses it.
    g_column_entries[1].enabled = 1;
    msStCu(kMx, kMy);
    Kov_Ui_Push_Click(kMainX, entry_y(1));
    EXPECT_EQ(Menue_Manager(&g_column), 1);
    g_column_entries[1].enabled = 0;
    EXPECT_EQ(g_fill, 1);
}

TEST_F(Menu, AClickOutsideOrEscReturnsWithoutAction)
{
    const std::vector<int> before = pixels(kMx, kMy, kMx + 300, kMy + 60);
    Kov_Ui_Push_Click(kMainX, entry_y(0));
    Kov_Ui_Push_Click(100, 600);
    Kov_Ui_Push_Key(13); // a key for the caller
    EXPECT_EQ(Menue_Manager(&g_column), 0);
    EXPECT_EQ(g_up + g_down + g_fill, 0);
    EXPECT_EQ(Kov_Ui_Pending(), 1);
    EXPECT_EQ(pixels(kMx, kMy, kMx + 300, kMy + 60), before);
    Kov_Ui_Events_Reset();
    msStCu(kMx, kMy);
    Kov_Ui_Push_Click(kMainX, entry_y(0));
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Menue_Manager(&g_column), 0);
    EXPECT_EQ(g_up + g_down + g_fill, 0);
    EXPECT_EQ(pixels(kMx, kMy, kMx + 300, kMy + 60), before);
}

TEST_F(Menu, KeysMarkOpenAndChoose)
{
    struct Case {
        std::vector<int> keys;
        int r, up, down;
    };
    const Case cases[] = {
        {{336, 333, 13}, 1, 1, 0},           // Down marks the first, Right opens, Enter chooses
        {{336, 13, 336, 13}, 1, 0, 1},       // Enter on a sub-menu entry opens it
        {{336, 333, 331, 336, 13}, 0, 0, 0}, // Left closes again; the disabled entry is skipped
        {{336, 333, 328, 13}, 1, 0, 1},      // Up wraps round
        {{13, 333, 331, 331}, 0, 0, 0},      // nothing marked: nothing happens
    };
    for (const Case& c : cases) {
        Kov_Ui_Events_Reset();
        g_up = g_down = 0;
        msStCu(kMx, kMy);
        for (int k : c.keys) Kov_Ui_Push_Key(k);
        EXPECT_EQ(Menue_Manager(&g_column), c.r) << c.keys.size();
        EXPECT_EQ(g_up, c.up) << c.keys.size();
        EXPECT_EQ(g_down, c.down) << c.keys.size();
    }
}

namespace {
int g_under = -1;
void look_under() { g_under = Kov_Ui_Pixel(kMainX, entry_y(0)); }
} // namespace

TEST_F(Menu, TheActionRunsAfterTheMenuIsClosed)
{
    KovMenuEntry entries[] = {{"Sonderzeichen", 1, 0, "_SPEC", nullptr, look_under}};
    KovMenu menu = {1, 13, 0, 0, 0, entries};
    const int desktop = Kov_Ui_Pixel(kMainX, entry_y(0));
    Kov_Ui_Push_Click(kMainX, entry_y(0));
    EXPECT_EQ(Menue_Manager(&menu), 1);
    EXPECT_EQ(g_under, desktop);
}

TEST_F(Menu, AnOpenMenuWithItsSubMenuIsKeptAsPicture)
{
    static int main_bg = -1, sub_bg = -1;
    Kov_Ui_Set_Idle_Hook([](const char*) {
        main_bg = Kov_Ui_Pixel(kMx + 150, kMy + 2 + 18 * 2);
        sub_bg = Kov_Ui_Pixel(kSubX + 40, entry_y(1));
        const std::string dir = kovtest::kept_dir("platform_menu", "open-menu");
        if (!dir.empty()) Kov_Ui_Save_Png((dir + "/menu.png").c_str());
        Kov_Ui_Push_Key(27);
    });
    Kov_Ui_Push_Move(kMainX, entry_y(0));
    EXPECT_EQ(Menue_Manager(&g_column), 0);
    EXPECT_EQ(main_bg, 0xFAFAFA);
    EXPECT_EQ(sub_bg, 0xFAFAFA);
}

TEST_F(Menu, AMenuAtTheScreenCornerStaysOnTheScreen)
{
    static int inside = -1;
    Kov_Ui_Set_Idle_Hook([](const char*) {
        inside = Kov_Ui_Pixel(NPIXEL_X - 4, NPIXEL_Y - 2);
        Kov_Ui_Push_Key(27);
    });
    msStCu(NPIXEL_X - 5, NPIXEL_Y - 5);
    EXPECT_EQ(Menue_Manager(&g_column), 0);
    EXPECT_EQ(inside, 0xFAFAFA);
}

TEST_F(Menu, EmptyAndSelfReferringMenus)
{
    EXPECT_EQ(Menue_Manager(nullptr), 0);
    KovMenu none = {0, 0, 0, 0, 0, nullptr};
    EXPECT_EQ(Menue_Manager(&none), 0);
    KovMenu no_entries = {3, 0, 0, 0, 0, nullptr};
    EXPECT_EQ(Menue_Manager(&no_entries), 0);
    // A sub-menu that is its own parent opens only so deep.
    static KovMenuEntry loop_entries[1];
    static KovMenu loop = {1, 4, 0, 0, 0, loop_entries};
    loop_entries[0] = KovMenuEntry{"mehr", 1, 0, nullptr, &loop, nullptr};
    for (int i = 0; i < 30; ++i) Kov_Ui_Push_Key(333);
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Menue_Manager(&loop), 0);
}

TEST_F(Menu, SpecialCharactersAreChosenByTheirCells)
{
    const unsigned char* bytes = nullptr;
    const int n = Kov_Special_Characters(&bytes);
    ASSERT_EQ(n, 21);
    for (int i = 0; i < n; ++i) {
        static int wanted;
        wanted = bytes[i];
        Kov_Ui_Events_Reset();
        msStCu(400, 300);
        Kov_Ui_Set_Idle_Hook([](const char*) {
            int x1, y1, x2, y2;
            if (Kov_Ui_Sheet_Rect(wanted, &x1, &y1, &x2, &y2)) Kov_Ui_Push_Click((x1 + x2) / 2, (y1 + y2) / 2);
        });
        EXPECT_EQ(Get_UserSelected_SpecialCharacter(), wanted);
        EXPECT_EQ(Kov_Ui_Pending(), 0); // the release is not left behind
    }
}

TEST_F(Menu, SpecialCharacterGammaAndCancel)
{
    const std::vector<int> before = pixels(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    Kov_Ui_Set_Idle_Hook([](const char*) {
        int x1, y1, x2, y2;
        if (!Kov_Ui_Sheet_Rect(0xC0, &x1, &y1, &x2, &y2)) return;
        const std::string dir = kovtest::kept_dir("platform_menu", "special-characters");
        if (!dir.empty()) Kov_Ui_Save_Png((dir + "/special-characters.png").c_str());
        Kov_Ui_Push_Click(x1 + 3, y1 + 3);
    });
    EXPECT_EQ(Get_UserSelected_SpecialCharacter(), 0xC0);
    EXPECT_EQ(pixels(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1), before);

    Kov_Ui_Set_Idle_Hook(nullptr);
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Get_UserSelected_SpecialCharacter(), -1);
    Kov_Ui_Push_Click(2, 2); // outside the sheet
    EXPECT_EQ(Get_UserSelected_SpecialCharacter(), -1);
    EXPECT_EQ(Get_UserSelected_SpecialCharacter(), -1); // no input left
    Kov_Ui_Set_Idle_Hook([](const char*) {
        int x1, y1, x2, y2;
        if (Kov_Ui_Sheet_Rect(-1, &x1, &y1, &x2, &y2)) Kov_Ui_Push_Click(x1 + 5, y1 + 5);
    });
    EXPECT_EQ(Get_UserSelected_SpecialCharacter(), -1); // the cancel button
    EXPECT_EQ(pixels(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1), before);
}
