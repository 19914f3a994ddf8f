// The value choice: refused calls add nothing, accepted ones add one choice
// element and give back the selected row's value.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "materials/pages/valuechoice.h"
#include "sheets/tests/viewtest.h"

namespace {

class ValueChoice : public viewtest::OnASheet {
protected:
    void SetUp() override
    {
        OnASheet::SetUp();
        area = View_Area_Open(10, 10, 400, 300, 0, 0);
        ASSERT_GE(area, 0);
    }
    int Elements() const
    {
        int n = 0;
        for (const ViewElement* e = View_Area_Record(unsigned(area))->first; e; e = e->next) ++n;
        return n;
    }
    int area = -1;
};

struct Table {
    std::vector<ValueChoiceRow> rows;
    std::vector<ChoiceEntry> entries;
    std::vector<std::string> texts;
    explicit Table(int n) : rows(size_t(n)), entries(size_t(n)), texts(size_t(n))
    {
        for (int i = 0; i < n; ++i) {
            texts[size_t(i)] = "Eintrag " + std::to_string(i);
            rows[size_t(i)] = ValueChoiceRow{100 + i % 7, -5, 1000 + 3 * i};
            entries[size_t(i)] = ChoiceEntry{0, texts[size_t(i)].c_str()};
        }
    }
};

TEST_F(ValueChoice, AcceptedCallAddsTheChoiceAndGivesTheSelectedValue)
{
    Table t(99);
    int selected = 98, active = 1;
    EXPECT_EQ(
        Choice_Add_With_Values(unsigned(area), 20, 30, t.rows.data(), t.entries.data(), 4, 12, 99, &selected, &active),
        1000 + 3 * 98);
    ASSERT_EQ(Elements(), 1);
    const ViewElement* e = View_Area_Record(unsigned(area))->first;
    EXPECT_EQ(e->type, VIEW_CHOICE);
    EXPECT_EQ(e->entries, t.entries.data());
    EXPECT_EQ(e->extra, 99);
    EXPECT_EQ(e->x1, 20);
    EXPECT_EQ(e->y1, 30);
    EXPECT_EQ(e->value, &selected);
    EXPECT_EQ(e->active, &active);
    EXPECT_EQ(selected, 98);
    for (int i = 0; i < 99; ++i) {
        EXPECT_EQ(t.entries[size_t(i)].colour, 100 + i % 7) << i;
        EXPECT_EQ(t.entries[size_t(i)].text, t.texts[size_t(i)].c_str()) << i;
    }
    int first = 0;
    Table small(2);
    EXPECT_EQ(Choice_Add_With_Values(unsigned(area), 0, 50, small.rows.data(), small.entries.data(), 0, 8, 2, &first,
                                     nullptr),
              1000);
    EXPECT_EQ(Elements(), 2);
}

TEST_F(ValueChoice, RefusedCallsAddNothing)
{
    Table t(100);
    struct Case {
        int count;
        int selected;
        bool null_selected;
    } const cases[] = {
        {100, 0, false}, {150, 3, false}, {5, 5, false}, {5, -1, false}, {5, 0, true}, {0, 0, false},
    };
    for (const Case& c : cases) {
        for (ChoiceEntry& e : t.entries) e.colour = -9;
        int selected = c.selected;
        EXPECT_EQ(Choice_Add_With_Values(unsigned(area), 0, 0, t.rows.data(), t.entries.data(), 0, 10, c.count,
                                         c.null_selected ? nullptr : &selected, nullptr),
                  -1)
            << c.count << " " << c.selected;
        EXPECT_EQ(selected, c.selected);
        EXPECT_EQ(t.entries[0].colour, -9);
    }
    EXPECT_EQ(Elements(), 0);
}

} // namespace
