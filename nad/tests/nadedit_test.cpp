// The annex editor pages on the scripted screen, read back through the view
// area's element list.
#include <gtest/gtest.h>

#include <string>

#include "nad/tests/nadedit_fixture.h"

// The fixture itself: what it reads back and what its clicks and edits do.
TEST(NadEditFixture, ReadsBackClicksAndEdits)
{
    nadedit::Canvas c;
    int box = 0, on = 1, off = 0, radio = 1;
    double v = 1.25, w = 2.0;
    View_Area_Add_Text(c.area(), 6, 20, nadedit::cp("Überschrift").c_str(), 0x1000, 0, 0);
    View_Area_Add_Check_Box(c.area(), 26, 45, "Haken", 0x1000, 0, &box, &on);
    View_Area_Add_Radio_Button(c.area(), 114, 700, "        ", 0x1000, 0, 2, &radio, &on);
    View_Area_Add_Float(c.area(), 201, 900, &v, "%4.2f", 0x1000, 0, &on);
    View_Area_Add_Float(c.area(), 201, 940, &w, "%4.2f", 0x1000, 0, &off);
    View_Area_Show(c.area());

    const std::vector<nadedit::Item> all = c.items();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[0].type, VIEW_TEXT);
    EXPECT_EQ(all[0].text, "\x9A" "berschrift");
    EXPECT_EQ(c.find(VIEW_TEXT, "Überschrift").y, 20);
    const nadedit::Item cb = c.bound_to(&box);
    EXPECT_EQ(cb.type, VIEW_CHECK_BOX);
    EXPECT_EQ(cb.x, 26);
    EXPECT_EQ(cb.y, 45);
    EXPECT_EQ(cb.active, &on);
    EXPECT_EQ(c.of_type(VIEW_FLOAT).size(), 2u);
    EXPECT_FALSE(c.bound_to(&w).is_active());

    EXPECT_EQ(c.click(cb), 1);
    EXPECT_EQ(box, 1);
    EXPECT_EQ(c.click(c.bound_to(&radio)), 1);  // far down: scrolled first
    EXPECT_EQ(radio, 2);
    EXPECT_EQ(c.edit(c.bound_to(&v), "1,4"), 1);
    EXPECT_DOUBLE_EQ(v, 1.4);
    c.edit(c.bound_to(&w), "9");  // inactive: stays
    EXPECT_DOUBLE_EQ(w, 2.0);

    const QImage img = c.picture();
    EXPECT_GE(img.height(), 940);
}
