// Tests of the row tables: the pool of tables, rows as copies, sorting, filling, moving, the row
// limit, and clicks on their buttons, fields and tooltips.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/rowtable.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"
#include "test_support/kovtestutil.h"

namespace {

struct Row {
    double a;
    double b;
    char name[8];
};

// The view area lies at (50, 50) on the screen; the table's rows start at
// y 40 of the area, 20 pixels apart, from x 40 to 500.
const int kAreaX = 50, kAreaY = 50;
const int kTableX = 40, kTableY = 40, kTableX2 = 500, kRowH = 20;
// Button offsets from a row's corner.
const int kDelDx = 400, kDupDx = 420, kAppDx = 10, kBtnDy = 2;
// A sortable and fillable marker above the column of b.
const int kMarkerX = 200, kMarkerY = 25;

void draw_row(int mode, int area, int x, int y, void* row)
{
    EXPECT_EQ(mode, 1);
    Row* r = static_cast<Row*>(row);
    View_Area_Add_Float(unsigned(area), x + 30, y + 14, &r->a, "%8.2f", 0x1000, BLACK_CI, nullptr);
    View_Area_Add_Float(unsigned(area), x + 150, y + 14, &r->b, "%8.2f", 0x1000, BLACK_CI, nullptr);
}

bool logged(const std::string& line)
{
    for (int i = 0; i < Kov_Script_Log_Count(); ++i)
        if (line == Kov_Script_Log_Line(i)) return true;
    return false;
}

Row row(double a, double b = 0)
{
    Row r{};
    r.a = a;
    r.b = b;
    std::snprintf(r.name, sizeof r.name, "r%d", int(a) % 1000);
    return r;
}

class RowTables : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Row_Table_Reset();
        Define_Prop_Sheet(0, 0, 700, 500, 0, 0, "", 10, 1);
        area = View_Area_Open(kAreaX, kAreaY, 650, 450, 0, 1);
        ASSERT_GE(area, 0);
        Activate_Prop_Sheet();
        table = Row_Table_Create(area, kTableY, kTableX, kTableX2, kRowH, int(sizeof(Row)), draw_row);
        ASSERT_GE(table, 0);
    }
    void TearDown() override
    {
        Row_Table_Reset();
        View_Area_Close_All();
        Kov_Ui_Sheets_Reset();
        Kov_Ui_Reset();
        Kov_Set_Ui_Mode(-1);
    }

    void buttons()
    {
        Row_Table_Set_Button(table, ROW_BUTTON_DELETE, kDelDx, kBtnDy);
        Row_Table_Set_Button(table, ROW_BUTTON_DUPLICATE, kDupDx, kBtnDy);
        Row_Table_Set_Button(table, ROW_BUTTON_APPEND, kAppDx, kBtnDy);
        Row_Table_Set_Button(table, ROW_BUTTON_NUMBERS, -4, 14);
    }
    void rows(const std::vector<double>& values)
    {
        for (double v : values) {
            const Row r = row(v, v);
            Row_Table_Append(table, &r);
        }
    }
    std::vector<double> column_b() const
    {
        std::vector<double> v;
        for (void* p = Row_Table_First(table); p; p = Row_Table_Next(table)) v.push_back(static_cast<Row*>(p)->b);
        return v;
    }
    std::vector<double> column_a() const
    {
        std::vector<double> v;
        for (void* p = Row_Table_First(table); p; p = Row_Table_Next(table)) v.push_back(static_cast<Row*>(p)->a);
        return v;
    }
    void draw()
    {
        View_Area_Clear(unsigned(area));
        Row_Table_Draw(table);
        View_Area_Set_Activity(unsigned(area), 1);
        View_Area_Show(unsigned(area));
    }
    // A click at the screen point, handed to the table as the mask engine does.
    int click(int x, int y)
    {
        Kov_Ui_Push_Press(x, y, 1);
        Kov_Ui_Push_Release(x, y, 1);
        Get_Mouse_Event();
        return Row_Table_Handle_Event(table);
    }
    // Screen middle of a button of row i (from 0; the row count for the append button).
    int button_x(int dx, int w) const { return kAreaX + kTableX + dx + w / 2; }
    int button_y(int i) const { return kAreaY + kTableY + i * kRowH + kBtnDy + 8; }

    std::vector<std::string> click_tooltips() const
    {
        std::vector<std::string> v;
        const ViewArea* a = View_Area_Record(unsigned(area));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
            if (e->type == VIEW_CLICK_AREA) v.push_back(e->text ? e->text : "");
        return v;
    }
    int count_of(int type) const
    {
        int n = 0;
        const ViewArea* a = View_Area_Record(unsigned(area));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next) n += e->type == type;
        return n;
    }

    kovtest::ScopedEnv data{"DATA", KOV_SOURCE_DIR "/data"};
    int area = -1;
    int table = -1;
};

} // namespace

TEST_F(RowTables, ThePoolHoldsFiftyFiveTablesAndGivesBackFreedSlots)
{
    std::vector<int> handles{table};
    for (int i = 1; i < ROW_TABLES; ++i) handles.push_back(Row_Table_Create(area, 0, 0, 100, 20, 8, nullptr));
    for (int i = 0; i < ROW_TABLES; ++i) EXPECT_EQ(handles[size_t(i)], i);
    EXPECT_EQ(Row_Table_Create(area, 0, 0, 100, 20, 8, nullptr), -1);
    Row_Table_Free(17);
    EXPECT_EQ(Row_Table_Create(area, 0, 0, 100, 20, 8, nullptr), 17);
}

TEST_F(RowTables, BadHandlesAndFreeSlotsAreIgnored)
{
    const Row r = row(1);
    for (int h : {-1, 55, 1000, 3}) { // 3 is a free slot
        Row_Table_Append(h, &r);
        Row_Table_Set_Template(h, &r);
        Row_Table_Add_Column(h, 1, 1, 0, 3, nullptr, 0);
        Row_Table_Set_Button(h, ROW_BUTTON_DELETE, 0, 0);
        Row_Table_Move(h, 5, 5);
        Row_Table_Draw(h);
        Row_Table_Sort_By(h, 0, 0);
        Row_Table_Clear(h);
        Row_Table_Free(h);
        EXPECT_EQ(Row_Table_Count(h), 0);
        EXPECT_EQ(Row_Table_First(h), nullptr);
        EXPECT_EQ(Row_Table_Next(h), nullptr);
        EXPECT_EQ(Row_Table_Index_Of(h, &r), 0);
        EXPECT_EQ(Row_Table_Handle_Event(h), 0);
    }
    EXPECT_EQ(Row_Table_Count(table), 0);
}

TEST_F(RowTables, RowsAreCopiesInTheirOrderAndFoundByTheirOwnAddress)
{
    rows({1, 2, 3});
    ASSERT_EQ(Row_Table_Count(table), 3);
    EXPECT_EQ(column_a(), (std::vector<double>{1, 2, 3}));
    void* third = Row_Table_First(table);
    third = Row_Table_Next(table);
    third = Row_Table_Next(table);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(Row_Table_Next(table), nullptr);
    EXPECT_EQ(Row_Table_Index_Of(table, third), 3);
    Row copy;
    std::memcpy(&copy, third, sizeof copy);
    EXPECT_EQ(Row_Table_Index_Of(table, &copy), 0);
    EXPECT_STREQ(copy.name, "r3");

    Row_Table_Clear(table);
    EXPECT_EQ(Row_Table_Count(table), 0);
    EXPECT_EQ(Row_Table_First(table), nullptr);
    rows({7});
    EXPECT_EQ(column_a(), (std::vector<double>{7}));
}

TEST_F(RowTables, SortingExchangesContentsAndKeepsTheRecords)
{
    struct Case {
        std::vector<double> values;
        int down;
        std::vector<double> want;
    };
    const Case cases[] = {
        {{3, 1, 2}, 0, {1, 2, 3}},
        {{3, 1, 2}, 1, {3, 2, 1}},
        {{2, 2, 1}, 0, {1, 2, 2}},
        {{-1.5, 4, 0}, 1, {4, 0, -1.5}},
        {{5}, 0, {5}},
    };
    for (const Case& c : cases) {
        Row_Table_Clear(table);
        rows(c.values);
        std::vector<void*> records;
        for (void* p = Row_Table_First(table); p; p = Row_Table_Next(table)) records.push_back(p);
        Row_Table_Sort_By(table, int(offsetof(Row, b)), c.down);
        EXPECT_EQ(column_b(), c.want);
        // Whole records moved: a goes with b.
        EXPECT_EQ(column_a(), c.want);
        std::vector<void*> after;
        for (void* p = Row_Table_First(table); p; p = Row_Table_Next(table)) after.push_back(p);
        EXPECT_EQ(after, records);
    }
}

TEST_F(RowTables, FillingWritesTheSeriesIntoTheChosenRowsOnly)
{
    struct Case {
        int mode, first, last;
        double start, step;
        std::vector<double> want;
    };
    const Case cases[] = {
        {2, 2, 4, 10, 5, {1, 10, 15, 20, 5}},
        {1, 0, 0, 10, 5, {10, 15, 20, 25, 30}},
        {2, 4, 9, 0, 1, {1, 2, 3, 0, 1}}, // rows beyond the end are not created
        {2, 3, 3, -2, 7, {1, 2, -2, 4, 5}},
    };
    for (const Case& c : cases) {
        Row_Table_Clear(table);
        rows({1, 2, 3, 4, 5});
        Row_Table_Fill(table, int(offsetof(Row, b)), c.mode, c.first, c.last, c.start, c.step);
        EXPECT_EQ(column_b(), c.want);
        EXPECT_EQ(column_a(), (std::vector<double>{1, 2, 3, 4, 5}));
        EXPECT_EQ(Row_Table_Count(table), 5);
    }
}

TEST_F(RowTables, MovingCarriesTheRightEdgeAndTheMarkers)
{
    buttons();
    Row_Table_Add_Column(table, kMarkerX, kMarkerY, 0, ROW_COLUMN_SORTABLE, nullptr, int(offsetof(Row, b)));
    rows({1});
    Row_Table_Move(table, kTableY + 30, kTableX + 10);
    draw();
    const ViewArea* a = View_Area_Record(unsigned(area));
    std::vector<const ViewElement*> boxes, clicks;
    for (const ViewElement* e = a->first; e; e = e->next) {
        if (e->type == VIEW_FILLED_BOX) boxes.push_back(e);
        if (e->type == VIEW_CLICK_AREA) clicks.push_back(e);
    }
    ASSERT_EQ(boxes.size(), 2u); // the row and the append strip
    EXPECT_EQ(boxes[0]->x1, kTableX + 10);
    EXPECT_EQ(boxes[0]->y1, kTableY + 30 - 6);
    EXPECT_EQ(boxes[0]->x2, kTableX2 + 10);
    ASSERT_FALSE(clicks.empty());
    const ViewElement* marker = clicks.back();
    EXPECT_EQ(marker->x1, kMarkerX + 10 - 14);
    EXPECT_EQ(marker->y1, kMarkerY + 30 - 8);
    EXPECT_EQ(marker->x2, kMarkerX + 10 + 14);
    EXPECT_EQ(marker->y2, kMarkerY + 30 + 8);
}

TEST_F(RowTables, AtTheRowLimitTheDuplicatesAreGreyAndAppendIsMissing)
{
    buttons();
    const Row t = row(0);
    Row_Table_Set_Template(table, &t);
    rows({1, 2});
    Row_Table_Set_Max_Rows(table, 3);
    draw();
    const std::string del = cp850("Zeile löschen"), app = cp850("neue Zeile anfügen");
    EXPECT_EQ(click_tooltips(), (std::vector<std::string>{del, "Zeile duplizieren", del, "Zeile duplizieren", app}));

    rows({3});
    draw();
    EXPECT_EQ(click_tooltips(), (std::vector<std::string>{del, del, del}));
    EXPECT_EQ(count_of(VIEW_TREE_IMAGE), 6); // three delete and three grey duplicate pictures
    // The grey picture shows where the duplicate button was: its edge colour.
    const int x0 = kAreaX + kTableX + kDupDx, y0 = kAreaY + kTableY + kBtnDy;
    EXPECT_EQ(Kov_Ui_Pixel(x0 + 2, y0 + 2), 0xA0A0A0);
    // A click there changes nothing.
    EXPECT_EQ(click(button_x(kDupDx, 18), button_y(0)), 1);
    EXPECT_EQ(Row_Table_Count(table), 3);
}

TEST_F(RowTables, ADuplicateOrAppendRefusedAtTheLimitReportsNoChange)
{
    buttons();
    const Row t = row(0);
    Row_Table_Set_Template(table, &t);
    rows({1, 2});
    Row_Table_Set_Max_Rows(table, 3);
    draw();
    // The caller fills the table to its limit without drawing it again: the
    // buttons drawn below the limit are still there, but add no row.
    const Row r = row(3);
    Row_Table_Append(table, &r);
    EXPECT_EQ(click(button_x(kDupDx, 18), button_y(0)), 1);
    EXPECT_EQ(click(button_x(kAppDx, 35), button_y(2)), 1);
    EXPECT_EQ(column_a(), (std::vector<double>{1, 2, 3}));
}

TEST_F(RowTables, TheRowNumbersStandRightAlignedBeforeTheRows)
{
    buttons();
    rows({1, 2, 3});
    draw();
    std::vector<std::string> numbers;
    const ViewArea* a = View_Area_Record(unsigned(area));
    for (const ViewElement* e = a->first; e; e = e->next)
        if (e->type == VIEW_TEXT) {
            numbers.push_back(e->text);
            EXPECT_EQ(e->x1 + 16, kTableX - 4); // "1:" is 16 pixels wide and ends at x - 4
            EXPECT_EQ(e->colour, 0x828282);
            EXPECT_EQ(e->font, 0x1000);
        }
    EXPECT_EQ(numbers, (std::vector<std::string>{"1:", "2:", "3:"}));
}

TEST_F(RowTables, DeletingRowTwoOfThreeByItsButtonKeepsRowsOneAndThree)
{
    buttons();
    rows({1, 2, 3});
    void* first = Row_Table_First(table);
    draw();
    EXPECT_EQ(click(button_x(kDelDx, 14), button_y(1)), 2);
    EXPECT_EQ(column_a(), (std::vector<double>{1, 3}));
    EXPECT_EQ(Row_Table_First(table), first);
    EXPECT_EQ(Kov_Ui_Pending(), 0); // the release was taken
}

TEST_F(RowTables, DeletingTheOnlyRowEmptiesTheTable)
{
    buttons();
    rows({1});
    draw();
    EXPECT_EQ(click(button_x(kDelDx, 14), button_y(0)), 2);
    EXPECT_EQ(Row_Table_Count(table), 0);
    EXPECT_EQ(Row_Table_First(table), nullptr);
    draw();
    EXPECT_EQ(click_tooltips(), (std::vector<std::string>{cp850("neue Zeile anfügen")}));
}

TEST_F(RowTables, DuplicatingTheLastRowMakesTheCopyTheNewLastRow)
{
    buttons();
    rows({1, 2});
    draw();
    EXPECT_EQ(click(button_x(kDupDx, 18), button_y(1)), 2);
    EXPECT_EQ(column_a(), (std::vector<double>{1, 2, 2}));
    void* last = Row_Table_First(table);
    void* second = Row_Table_Next(table);
    last = Row_Table_Next(table);
    EXPECT_NE(last, second); // a copy, not the same record
    EXPECT_EQ(Row_Table_Index_Of(table, last), 3);
    // Duplicating the first row puts the copy right after it.
    draw();
    static_cast<Row*>(Row_Table_First(table))->b = 9;
    EXPECT_EQ(click(button_x(kDupDx, 18), button_y(0)), 2);
    EXPECT_EQ(column_a(), (std::vector<double>{1, 1, 2, 2}));
    EXPECT_EQ(column_b(), (std::vector<double>{9, 9, 2, 2}));
}

TEST_F(RowTables, TheAppendButtonCopiesTheTemplateAndWithoutOneAddsNothing)
{
    buttons();
    rows({1, 2});
    draw();
    // No template: nothing to copy, and nothing changed.
    EXPECT_EQ(click(button_x(kAppDx, 35), button_y(2)), 1);
    EXPECT_EQ(Row_Table_Count(table), 2);

    const Row t = row(42, 43);
    Row_Table_Set_Template(table, &t);
    draw();
    EXPECT_EQ(click(button_x(kAppDx, 35), button_y(2)), 2);
    EXPECT_EQ(column_a(), (std::vector<double>{1, 2, 42}));
    EXPECT_EQ(column_b(), (std::vector<double>{1, 2, 43}));
}

TEST_F(RowTables, EventsOutsideTheTableAreNotItsOwn)
{
    buttons();
    rows({1, 2});
    draw();
    EXPECT_EQ(click(kAreaX + kTableX - 5, button_y(0)), 0);           // left of it
    EXPECT_EQ(click(kAreaX + kTableX + 50, button_y(4)), 0);          // below the append row
    EXPECT_EQ(click(kAreaX + kTableX + 50, kAreaY + kTableY - 5), 0); // above it, without markers
    // With markers the table reaches 25 pixels higher; a click there on nothing is taken.
    Row_Table_Add_Column(table, kMarkerX, kMarkerY, 0, 3, nullptr, int(offsetof(Row, b)));
    draw();
    EXPECT_EQ(click(kAreaX + kTableX + 50, kAreaY + kTableY - 5), 1);
    EXPECT_EQ(Row_Table_Count(table), 2);
    // The button up: only hovering, not the table's event.
    Kov_Ui_Push_Move(kAreaX + 300, kAreaY + 300);
    EXPECT_EQ(Row_Table_Handle_Event(table), 0);
}

namespace {

int g_step = 0;

// Answers the editors as a user would: a value and Up in row 2, then a value
// and Enter in row 1, then Esc in the field after it.
void edit_keys(const char*)
{
    switch (g_step++) {
        case 0:
            Kov_Ui_Push_Text("7");
            Kov_Ui_Push_Key(328);
            break;
        case 1:
            Kov_Ui_Push_Text("5");
            Kov_Ui_Push_Key(13);
            break;
        case 2: Kov_Ui_Push_Key(27); break;
        default: break;
    }
}

} // namespace

TEST_F(RowTables, UpEndsAnEditAndGoesOnInTheRowAbove)
{
    rows({1, 2, 3});
    draw();
    g_step = 0;
    Kov_Ui_Set_Idle_Hook(edit_keys);
    // Into the field a of row 2.
    const int r = click(kAreaX + kTableX + 30 + 20, kAreaY + kTableY + kRowH + 14 - 4);
    Kov_Ui_Set_Idle_Hook(nullptr);
    EXPECT_EQ(r, 1);
    EXPECT_EQ(column_a(), (std::vector<double>{5, 7, 3}));
    EXPECT_EQ(column_b(), (std::vector<double>{1, 2, 3}));
    EXPECT_GE(g_step, 3);
}

TEST_F(RowTables, ChoosingDescendingInAMarkersMenuSortsTheColumn)
{
    Row_Table_Add_Column(table, kMarkerX, kMarkerY, 0, ROW_COLUMN_SORTABLE | ROW_COLUMN_FILLABLE, nullptr,
                         int(offsetof(Row, b)));
    rows({3, 1, 2});
    draw();
    const int mx = kAreaX + kMarkerX, my = kAreaY + kMarkerY;
    // The menu opens at the mouse: "Spalte sortieren" opens its sub-menu,
    // whose second entry is "absteigend".
    Kov_Ui_Push_Press(mx, my, 1);
    Kov_Ui_Push_Release(mx, my, 1);
    Kov_Ui_Push_Click(mx + 50, my + 2 + 9);
    Kov_Ui_Push_Move(mx + 210, my + 2 + 18 + 9);
    Kov_Ui_Push_Click(mx + 210, my + 2 + 18 + 9);
    Get_Mouse_Event();
    EXPECT_EQ(Row_Table_Handle_Event(table), 1);
    EXPECT_EQ(column_b(), (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(Kov_Ui_Pending(), 0);
}

TEST_F(RowTables, AColumnThatIsNotSortableGreysTheSortEntry)
{
    Row_Table_Add_Column(table, kMarkerX, kMarkerY, 0, ROW_COLUMN_FILLABLE, nullptr, int(offsetof(Row, b)));
    rows({3, 1, 2});
    draw();
    const int mx = kAreaX + kMarkerX, my = kAreaY + kMarkerY;
    Kov_Ui_Push_Press(mx, my, 1);
    Kov_Ui_Push_Release(mx, my, 1);
    Kov_Ui_Push_Click(mx + 50, my + 2 + 9); // disabled: no sub-menu
    Kov_Ui_Push_Move(mx + 210, my + 2 + 18 + 9);
    Kov_Ui_Push_Click(mx + 210, my + 2 + 18 + 9);
    Get_Mouse_Event();
    EXPECT_EQ(Row_Table_Handle_Event(table), 1);
    EXPECT_EQ(column_b(), (std::vector<double>{3, 1, 2}));
}

namespace {

// The fill dialog opens at the screen's centre: 326 x 238 pixels.
const int kDx = 512 - 163, kDy = 384 - 119;

// The middle of a float field at (x, y) of the dialog, chars wide.
void click_field(int x, int y, int chars) { Kov_Ui_Push_Click(kDx + x + (chars * 8 + 16) / 2, kDy + y + 10); }
void type_into(int x, int y, int chars, const char* text)
{
    click_field(x, y, chars);
    Kov_Ui_Push_Text(text);
    Kov_Ui_Push_Key(13);
}

} // namespace

TEST_F(RowTables, TheFillDialogFillsTheRowsChosen)
{
    Row_Table_Add_Column(table, kMarkerX, kMarkerY, 0, ROW_COLUMN_FILLABLE, "%6.1f", int(offsetof(Row, b)));
    rows({1, 2, 3, 4, 5});
    draw();
    const int mx = kAreaX + kMarkerX, my = kAreaY + kMarkerY;
    Kov_Ui_Push_Press(mx, my, 1);
    Kov_Ui_Push_Release(mx, my, 1);
    Kov_Ui_Push_Click(mx + 50, my + 2 + 18 + 9);       // "Spalte belegen"
    Kov_Ui_Push_Click(kDx + 100, kDy + 63);            // "Zeilenausschnitt"
    type_into(90, 91, 5, "2");                         // first row
    type_into(237, 91, 5, "4");                        // last row
    type_into(197, 133, 6, "10");                      // start value
    type_into(197, 165, 6, "5");                       // increment
    Kov_Ui_Push_Click(kDx + 285 + 18, kDy + 210 + 12); // OK
    Get_Mouse_Event();
    EXPECT_EQ(Row_Table_Handle_Event(table), 1);
    EXPECT_EQ(column_b(), (std::vector<double>{1, 10, 15, 20, 5}));
    EXPECT_EQ(Kov_Ui_Pending(), 0);
    EXPECT_TRUE(logged("Define_Prop_Sheet 349 265 675 503 1 1 Tabellenspalte belegen 11 1"));
    EXPECT_TRUE(logged("Add_Float_to_PS 546 398 6 %6.1f 1 6"));
}

TEST_F(RowTables, AFirstRowAboveTheLastRaisesItAndCancelChangesNothing)
{
    Row_Table_Add_Column(table, kMarkerX, kMarkerY, 0, ROW_COLUMN_FILLABLE, nullptr, int(offsetof(Row, b)));
    std::vector<double> values;
    for (int i = 1; i <= 60; ++i) values.push_back(i);
    rows(values);
    draw();
    const int mx = kAreaX + kMarkerX, my = kAreaY + kMarkerY;
    auto open_dialog = [&]() {
        Kov_Ui_Push_Press(mx, my, 1);
        Kov_Ui_Push_Release(mx, my, 1);
        Kov_Ui_Push_Click(mx + 50, my + 2 + 18 + 9);
        Kov_Ui_Push_Click(kDx + 100, kDy + 63);
        type_into(237, 91, 5, "20"); // last row 20
        type_into(90, 91, 5, "50");  // first row 50: the last row follows
        type_into(197, 133, 14, "0");
    };
    // Cancel: nothing changes.
    open_dialog();
    Kov_Ui_Push_Click(kDx + 19 + 18, kDy + 210 + 12);
    Get_Mouse_Event();
    EXPECT_EQ(Row_Table_Handle_Event(table), 1);
    EXPECT_EQ(column_b(), values);
    // OK: only row 50 (first = last = 50) gets the start value.
    open_dialog();
    Kov_Ui_Push_Click(kDx + 285 + 18, kDy + 210 + 12);
    Get_Mouse_Event();
    EXPECT_EQ(Row_Table_Handle_Event(table), 1);
    std::vector<double> want = values;
    want[49] = 0;
    EXPECT_EQ(column_b(), want);
}

TEST_F(RowTables, TheDialogKeepsTheTypedRowsAndFillsOnlyRowsThatExist)
{
    Row_Table_Add_Column(table, kMarkerX, kMarkerY, 0, ROW_COLUMN_FILLABLE, nullptr, int(offsetof(Row, b)));
    struct Field {
        int x, y, chars;
        const char* text;
    };
    const Field first{90, 91, 5, nullptr}, last{237, 91, 5, nullptr}, start{197, 133, 14, nullptr},
        step{197, 165, 14, nullptr};
    auto with = [](Field f, const char* text) {
        f.text = text;
        return f;
    };
    struct Case {
        std::vector<Field> typed;
        std::vector<double> want;
    } cases[] = {
        // Rows 7 .. 1000 of five: none exists, nothing is written.
        {{with(first, "7"), with(last, "1000"), with(start, "10")}, {1, 2, 3, 4, 5}},
        // 3.6 shows as row 4: rows 4 and 5 get 7 and 7 + 2.
        {{with(first, "3.6"), with(last, "99"), with(start, "7"), with(step, "2")}, {1, 2, 3, 7, 9}},
        // A last row of -7 lowers the first to -7; then rows -7 .. 2: row 1
        // is the ninth of the series (0 + 8 x 1), row 2 the tenth.
        {{with(first, "2"), with(last, "-7"), with(last, "2"), with(start, "0"), with(step, "1")}, {8, 9, 3, 4, 5}},
        // First row 50 while the last is 20 raises the last to 50: no row.
        {{with(last, "20"), with(first, "50"), with(start, "0")}, {1, 2, 3, 4, 5}},
    };
    const int mx = kAreaX + kMarkerX, my = kAreaY + kMarkerY;
    for (const Case& c : cases) {
        Row_Table_Clear(table);
        rows({1, 2, 3, 4, 5});
        draw();
        Kov_Ui_Push_Press(mx, my, 1);
        Kov_Ui_Push_Release(mx, my, 1);
        Kov_Ui_Push_Click(mx + 50, my + 2 + 18 + 9); // "Spalte belegen"
        Kov_Ui_Push_Click(kDx + 100, kDy + 63);      // "Zeilenausschnitt"
        for (const Field& f : c.typed) type_into(f.x, f.y, f.chars, f.text);
        Kov_Ui_Push_Click(kDx + 285 + 18, kDy + 210 + 12); // OK
        Get_Mouse_Event();
        EXPECT_EQ(Row_Table_Handle_Event(table), 1);
        EXPECT_EQ(column_b(), c.want) << c.typed.front().text;
        EXPECT_EQ(Kov_Ui_Pending(), 0);
    }
}

TEST_F(RowTables, FreeingAnAreaFreesOnlyItsTables)
{
    const int other = Row_Table_Create(area + 1, 0, 0, 100, 20, int(sizeof(Row)), nullptr);
    ASSERT_GE(other, 0);
    rows({1, 2});
    const Row r = row(5);
    Row_Table_Append(other, &r);
    Row_Table_Free_For_Area(area);
    EXPECT_EQ(Row_Table_Count(table), 0);
    EXPECT_EQ(Row_Table_Count(other), 1);
    EXPECT_EQ(Row_Table_Create(area, 0, 0, 100, 20, 8, nullptr), table);
}

TEST_F(RowTables, APictureOfATableWithItsButtonsMarkersAndATooltipIsKept)
{
    buttons();
    Row_Table_Add_Column(table, kTableX + 30 + 30, kMarkerY, 0, 3, nullptr, int(offsetof(Row, a)));
    Row_Table_Add_Column(table, kTableX + 150 + 30, kMarkerY, 0, 3, nullptr, int(offsetof(Row, b)));
    const Row t = row(0);
    Row_Table_Set_Template(table, &t);
    rows({1.5, 2.25, 3});
    draw();
    const std::string kept = kovtest::kept_dir("sheets", "row_table");
    ASSERT_FALSE(kept.empty());
    static std::string path;
    path = kept + "/row_table.png";
    // The mouse comes into the area (the sheet takes that move and reports
    // it) and rests on the delete button of row 2: the tooltip shows, and the
    // picture is taken while it waits.
    Kov_Ui_Push_Move(button_x(kDelDx, 14) - 30, button_y(1));
    Get_Mouse_Event();
    Kov_Ui_Push_Move(button_x(kDelDx, 14), button_y(1));
    Kov_Ui_Set_Idle_Hook([](const char*) {
        static bool saved = false;
        if (!saved) saved = Kov_Ui_Save_Png(path.c_str()) == 1;
    });
    Row_Table_Handle_Event(table);
    Kov_Ui_Set_Idle_Hook(nullptr);
    EXPECT_TRUE(kovtest::exists(path));
}
