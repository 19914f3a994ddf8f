// Tests of the mask pages' state: the page area of the output area and the registrations with
// their addresses and levels.
#include <gtest/gtest.h>

#include <vector>

#include "platform/kovscreen.h"
#include "sheets/maskstate.h"

TEST(MaskOutputState, PageAreaOfTheOutputArea)
{
    Mask_State_Reset();
    EXPECT_EQ(Mask_Get_Output_Area(), -1);
    EXPECT_EQ(g_mask_state.font, 0x1000u);
    EXPECT_EQ(g_mask_state.editable, 1);
    EXPECT_EQ(g_mask_state.read_only, 0);

    int dx = 3, dy = 4, ex = 5, ey = 6;
    const MaskPageArea first{2001, 4, 10, 20, 300, 400, &dx, &dy};
    const MaskPageArea later{2002, 4, 30, 40, 500, 600, &ex, &ey};
    const MaskPageArea other{2003, 5, 50, 60, 700, 800, &dx, &dy};
    EXPECT_EQ(Mask_Add_Page_Area(&first), 1);
    EXPECT_EQ(Mask_Add_Page_Area(&later), 1);
    EXPECT_EQ(Mask_Add_Page_Area(&other), 1);

    g_mask_state.tooltip_count = 7;
    g_mask_state.hover_button_count = 3;
    g_mask_state.font = 0x11002;
    Mask_Set_Output_Area(4); // two records: the later one wins
    EXPECT_EQ(Mask_Get_Output_Area(), 4);
    EXPECT_EQ(g_mask_state.escape, 2002);
    EXPECT_EQ(g_mask_state.page_left, 30);
    EXPECT_EQ(g_mask_state.page_top, 40);
    EXPECT_EQ(g_mask_state.page_dx, &ex);
    EXPECT_EQ(g_mask_state.tooltip_count, 0);
    EXPECT_EQ(g_mask_state.hover_button_count, 0);
    EXPECT_EQ(g_mask_state.font, 0x1000u);
    EXPECT_EQ(g_mask_state.text_colour, Nearest_Color_Index(0, 0, 0));
    EXPECT_EQ(g_mask_state.back_colour, Nearest_Color_Index(255, 255, 255));

    Mask_Set_Output_Area(9); // no record: -1000, the escape area stays
    EXPECT_EQ(g_mask_state.page_left, -1000);
    EXPECT_EQ(g_mask_state.page_top, -1000);
    EXPECT_EQ(g_mask_state.escape, 2002);
    EXPECT_EQ(g_mask_state.page_dx, &ex);

    // Twenty records at most.
    for (int i = 3; i < MASK_PAGE_AREAS; ++i) EXPECT_EQ(Mask_Add_Page_Area(&other), 1);
    EXPECT_EQ(Mask_Add_Page_Area(&other), 0);
    for (int i = 0; i < 25; ++i) Mask_Remove_Page_Area();
    EXPECT_EQ(g_mask_state.page_area_count, 0);

    Mask_Set_Last_Element(10, 50, 79, -1);
    EXPECT_EQ(g_mask_state.last_left, 10);
    EXPECT_EQ(g_mask_state.last_top, 37);
    EXPECT_EQ(g_mask_state.last_right, 89);
    EXPECT_EQ(g_mask_state.last_bottom, 55);
    EXPECT_EQ(g_mask_state.last_active, -1);
}

TEST(MaskRegistrations, EntriesKeepTheirAddressesAndLevels)
{
    Mask_State_Reset();
    std::vector<int> ints(300);
    std::vector<MaskIntShadow*> entries;
    for (size_t i = 0; i < ints.size(); ++i) entries.push_back(Mask_Add_Int_Shadow(&ints[i], double(i)));
    for (size_t i = 0; i < ints.size(); ++i) {
        EXPECT_EQ(Mask_Find_Int_Shadow(&ints[i]), entries[i]);
        EXPECT_EQ(entries[i]->shadow, double(i));
    }
    EXPECT_EQ(Mask_Int_Shadow_Count(), 300);
    EXPECT_EQ(Mask_Int_Shadow_At(299), entries[299]);
    EXPECT_EQ(Mask_Int_Shadow_At(300), nullptr);

    // Seven levels: each sees only its own entries.
    double v = 1;
    for (int level = 1; level <= 7; ++level) {
        Mask_Push_Registration_Level();
        EXPECT_EQ(Mask_Find_Factor(&v), nullptr);
        Mask_Add_Factor(&v, level);
        Mask_Add_Clamp(&v, -level, level);
    }
    EXPECT_EQ(Mask_Registration_Levels(), 8);
    for (int level = 7; level >= 1; --level) {
        EXPECT_EQ(Mask_Find_Factor(&v)->factor, level);
        EXPECT_EQ(Mask_Find_Clamp(&v)->max, level);
        EXPECT_EQ(Mask_Find_Int_Shadow(&ints[0]), nullptr);
        Mask_Pop_Registration_Level();
    }
    EXPECT_EQ(Mask_Find_Int_Shadow(&ints[5]), entries[5]);
    Mask_Release_Int_Shadows();
    EXPECT_EQ(Mask_Int_Shadow_Count(), 0);
    Mask_Pop_Registration_Level(); // the last level is emptied, never removed
    EXPECT_EQ(Mask_Registration_Levels(), 1);

    // The latest entry of a pointer is the one found.
    Mask_Add_Factor(&v, 10);
    Mask_Add_Factor(&v, 100);
    EXPECT_EQ(Mask_Find_Factor(&v)->factor, 100);
    EXPECT_EQ(Mask_Factor_Count(), 2);
    Mask_Release_Factors();
    Mask_Release_Clamps();
    EXPECT_EQ(Mask_Find_Factor(&v), nullptr);
}
