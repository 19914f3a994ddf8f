// Tests of the mask pages' elements: widths of texts and choices, symbols with indexes, display
// units, limited floats, check boxes, line switches and dimension marks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "platform/kovcp.h"
#include "platform/kovmath.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/maskdraw.h"
#include "sheets/maskelem.h"
#include "sheets/maskstate.h"
#include "sheets/scrgraph.h"
#include "sheets/tests/scrtest.h"
#include "sheets/viewarea.h"

namespace {

// A page: one sheet with one view area as the output area.
class MaskPage : public testing::Test {
protected:
    void SetUp() override
    {
        scrtest::fresh_screen();
        Mask_State_Reset();
        Mask_Draw_Reset();
        Define_Prop_Sheet(0, 0, 800, 600, 0, 0, "", 10, 1);
        area = View_Area_Open(20, 20, 780, 580, 0, 0);
        ASSERT_GE(area, 0);
        Mask_Set_Output_Area(area);
    }
    void TearDown() override
    {
        View_Area_Close_All();
        Mask_Draw_Reset();
        Kov_Ui_Sheets_Reset();
        Kov_Set_Ui_Mode(-1);
    }

    std::vector<const ViewElement*> elements() const
    {
        std::vector<const ViewElement*> v;
        const ViewArea* a = View_Area_Record(unsigned(area));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next) v.push_back(e);
        return v;
    }
    std::vector<const ViewElement*> of_type(int type) const
    {
        std::vector<const ViewElement*> v;
        for (const ViewElement* e : elements())
            if (e->type == type) v.push_back(e);
        return v;
    }
    void show()
    {
        View_Area_Show(unsigned(area));
        Activate_Prop_Sheet();
    }

    int area = -1;
};

} // namespace

TEST(MaskWidths, TextsChoicesAndMarkup)
{
    scrtest::fresh_screen();
    Mask_State_Reset();
    EXPECT_EQ(Mask_Text_Width("abc", 0x1000), 27);
    EXPECT_EQ(Mask_Text_Width("abc", 0x11000), 29);
    EXPECT_EQ(Mask_Text_Width("abc", 0x1002), 21);
    EXPECT_EQ(Mask_Text_Width("", 0x1000), 0);
    EXPECT_EQ(Mask_Text_Width("", 0x21000), 2);
    char names[2][6] = {"C24", "GL28h"};
    EXPECT_EQ(Mask_Choice_Width(names[0], 6, 2, 0x1000), 73); // 33 + 8 (43 / 8)
    EXPECT_EQ(Mask_Choice_Width(names[0], 6, 0, 0x1000), 33);

    // Mark-up in the normal font, 8 pixels a character.
    struct Case {
        std::string text;
        int width;
    } cases[] = {
        {"plain", 40},
        {"ab\xCE"
         "Crot Text\xCE"
         "cxy",
         16 + 32 + 16}, // the coloured text only, not the colour word
        {"\xCE"
         "Bfett\xCE"
         "bz",
         32 + 8}, // the closing letter is skipped
        {"\xCE"
         "Bfett\xCE"
         "b",
         32}, // nothing after the closing letter
        {"\xCE"
         "Bf\xCE"
         "b  end",
         40}, // a bold group of one character is not counted
        {"a\xCE"
         "Bfett",
         8 + 32}, // no closing byte: to the end
        {"\xCE"
         "Cblau\xCE"
         "cab",
         16}, // a colour without text
        {"\xCE"
         "X?\xCE"
         "xabc",
         24}, // other codes count nothing
    };
    Pop_RFont(0x1000);
    for (const Case& c : cases) EXPECT_EQ(Mask_Markup_Text_Width(c.text.c_str()), c.width) << c.text;
    Push_RFont();
}

TEST_F(MaskPage, SymbolWithIndexAndFloatWidths)
{
    EXPECT_EQ(Mask_Add_Symbol_With_Index(100, 50, "\xC0", "M", nullptr), 21);
    const auto texts = of_type(VIEW_TEXT);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1]->x1, 112);
    EXPECT_EQ(texts[1]->y1, 51);

    double v = 3.5;
    int state = 1;
    EXPECT_EQ(Mask_Add_Float(10, 80, &v, 1.0, 8, 2, &state), 79);
    const auto floats = of_type(VIEW_FLOAT);
    ASSERT_EQ(floats.size(), 1u);
    EXPECT_STREQ(floats[0]->text, "%8.2f");
    EXPECT_EQ(floats[0]->x1, 17);
    EXPECT_EQ(floats[0]->active, &g_mask_state.editable);
    EXPECT_EQ(g_mask_state.last_left, 10);
    EXPECT_EQ(g_mask_state.last_top, 67);
    EXPECT_EQ(g_mask_state.last_right, 89);
    EXPECT_EQ(g_mask_state.last_bottom, 85);

    ColumnHeader h{};
    Mask_Init_Column_Header(&h, 2);
    ColumnEntry* c = Mask_Add_Column(&h, "Festigkeit", "f", "c,0,d", "N/mm\xFD", 1, 63, 5);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->width, 63);
    ColumnEntry* d = Mask_Add_Column(&h, "Breite", "b", "", "mm", 2, 10, 4);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->x, 68);
    EXPECT_EQ(d->width, 10);
    EXPECT_EQ(Mask_Columns_Width(&h), 68 + 14);
    EXPECT_EQ(Mask_Add_Column(&h, "zu viel", "x", "", "", 0, 1, 1), nullptr); // beyond the capacity
    Mask_Free_Columns(&h);
    EXPECT_EQ(h.columns, nullptr);
}

TEST_F(MaskPage, AColumnIsAsWideAsItsSymbolAndIndexShowWithoutMarkUp)
{
    struct Case {
        const char* symbol;
        const char* index;
        int min_width, width;
    } cases[] = {
        // clang-format off
        {"\xCE" "gg\xCE" "n", "M", 1, 8 * 1 + 6 * 1}, // the symbol font's g: one character
        {"f", "c,0,d", 1, 8 * 1 + 6 * 5},
        {"\xCE" "bF\xCE" "r", "", 1, 8 * 1},
        {"\xCE" "gg\xCE" "n", "M", 40, 40}, // the minimum holds
        {"", "", 0, 0},
        // clang-format on
    };
    for (const Case& c : cases) {
        ColumnHeader h{};
        Mask_Init_Column_Header(&h, 1);
        ColumnEntry* e = Mask_Add_Column(&h, "t", c.symbol, c.index, "", 1, c.min_width, 0);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->width, c.width) << c.symbol << " " << c.index;
        Mask_Free_Columns(&h);
    }
}

TEST_F(MaskPage, NothingWithoutOutputArea)
{
    Mask_Set_Output_Area(-1);
    double v = 1;
    int i = 1, state = 1;
    EXPECT_EQ(Mask_Add_Float(0, 20, &v, 10.0, 8, 2, &state), 0);
    EXPECT_EQ(v, 1.0);
    EXPECT_EQ(Mask_Add_Int(0, 20, &i, 4, &state), 0);
    EXPECT_EQ(Mask_Add_Label(0, 20, "abc", nullptr), 27); // measured all the same
    EXPECT_EQ(Mask_Add_Density_Field(0, 20, &v, &state), 79);
    EXPECT_NE(Mask_Find_Clamp(&v), nullptr); // registered all the same
    EXPECT_EQ(Mask_Draw_Line(0, 0, 10, 10), 0);
    ColumnEntry none[1];
    Mask_Set_Output_Area(area);
    Mask_Draw_Column_Header(0, 50, 0, 0, none);
    EXPECT_TRUE(elements().empty());
}

TEST_F(MaskPage, FactorShowsDisplayUnitsOnce)
{
    double v = 0.5;
    int state = 1;
    for (int drawing = 0; drawing < 3; ++drawing) {
        View_Area_Clear(unsigned(area));
        Mask_Set_Output_Area(area);
        Mask_Add_Float(10, 40, &v, 1000.0, 8, 1, &state);
        EXPECT_DOUBLE_EQ(v, 500.0) << drawing;
        ASSERT_EQ(Mask_Factor_Count(), 1);
        const auto f = of_type(VIEW_FLOAT);
        ASSERT_EQ(f.size(), 1u);
        EXPECT_EQ(View_Area_Float_Text(f[0]), "   500.0");
    }
    EXPECT_EQ(Mask_Factor_At(0)->value, &v);
}

TEST_F(MaskPage, LimitedFloatHeldWithHint)
{
    Msg_Set_Output_Mode(0);
    int state = 1;
    double v = 10.004;
    Kov_Script_Clear_Log();
    Mask_Add_Float_Limited(10, 40, &v, 1.0, 8, 2, 0.0, 10.0, "Breite", &state);
    EXPECT_EQ(v, 10.0);
    EXPECT_EQ(std::string(Kov_Script_Log_Text()).find("Fill_Message"), std::string::npos);

    v = 12;
    Kov_Script_Clear_Log();
    Mask_Add_Float_Limited(10, 40, &v, 1.0, 8, 2, 0.0, 10.0, "Breite", &state);
    EXPECT_EQ(v, 10.0);
    const std::string log = Kov_Script_Log_Text();
    EXPECT_NE(
        log.find(std::string("Fill_Message ") + cp850("HINWEIS: Breite darf den Wert 10.00 nicht überschreiten.")),
        std::string::npos)
        << log;

    v = -3;
    Kov_Script_Clear_Log();
    Mask_Add_Float_Limited(10, 40, &v, 1.0, 8, 1, -2.5, 10.0, "Anteil in %", &state);
    EXPECT_EQ(v, -2.5);
    const std::string log2 = Kov_Script_Log_Text();
    EXPECT_NE(log2.find(std::string("Fill_Message ") +
                        cp850("HINWEIS: Anteil in % darf den Wert -2.5 nicht unterschreiten.")),
              std::string::npos)
        << log2;

    // A long name is kept whole.
    const std::string name(150, 'n');
    v = 11;
    Kov_Script_Clear_Log();
    Mask_Add_Float_Limited(10, 40, &v, 1.0, 8, 0, 0.0, 10.0, name.c_str(), &state);
    EXPECT_NE(std::string(Kov_Script_Log_Text()).find(name + cp850(" darf den Wert 10 nicht")), std::string::npos);
}

TEST_F(MaskPage, ChoiceListSeparatorMovesUp)
{
    char names[4][8] = {"C20/25", "--", "C30/37", "C35/45"};
    int flags[4] = {0, MASK_CHOICE_SEPARATOR, 0, 0};
    ChoiceList list{1, 0, 4, 8, names[0], nullptr, flags, nullptr};
    int selected = 1, state = 1;
    EXPECT_EQ(Mask_Add_Choice_List(10, 40, &list, &selected, &state), 33 + 8 * (51 / 8));
    EXPECT_EQ(selected, 0);
    const auto c = of_type(VIEW_CHOICE);
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0]->entries[2].text, names[2]);
    EXPECT_EQ(c[0]->owns_entries, 1);
    selected = 3;
    Mask_Add_Choice_List(10, 70, &list, &selected, &state);
    EXPECT_EQ(selected, 3);
}

TEST_F(MaskPage, CheckBoxOnFieldBackgroundGetsAWhiteBox)
{
    int value = 1, state = 1;
    Mask_Set_Back_Color(Nearest_RGB_Color(255, 251, 240));
    EXPECT_EQ(Mask_Add_Check_Box(10, 40, "an", &value, &state), Mask_Text_Width("an", 0x1000) + 20);
    auto boxes = of_type(VIEW_FILLED_BOX);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]->colour, Nearest_RGB_Color(255, 255, 255));
    EXPECT_EQ(Mask_Get_Back_Color(), Nearest_RGB_Color(255, 251, 240));
    const auto checks = of_type(VIEW_CHECK_BOX);
    ASSERT_EQ(checks.size(), 1u);
    EXPECT_EQ(checks[0]->x2, 1); // bold while set

    Mask_Set_Back_Color(Nearest_RGB_Color(255, 255, 255));
    Mask_Add_Check_Box(10, 60, "", &value, &state);
    EXPECT_EQ(of_type(VIEW_FILLED_BOX).size(), 1u);
}

TEST_F(MaskPage, LineSwitchKeepsBoxesAndDimensions)
{
    Mask_Set_Line_Switch(0);
    int active = 1;
    Mask_Draw_Line(0, 0, 10, 10);
    Mask_Draw_Rectangle(0, 0, 10, 10);
    Mask_Draw_Circle(50, 50, 10);
    Mask_Draw_Arc(50, 50, 10, 0, 1);
    Mask_Add_Underlined_Label(10, 100, "unten", &active);
    EXPECT_EQ(of_type(VIEW_LINE).size(), 0u);
    Mask_Fill_Rectangle(0, 0, 10, 10);
    Mask_Draw_Dimension(2, 0, 200, 100, 200, 20);
    EXPECT_EQ(of_type(VIEW_FILLED_BOX).size(), 1u);
    EXPECT_EQ(of_type(VIEW_LINE).size(), 3u);

    Mask_Set_Line_Switch(1);
    Mask_Draw_Circle(50, 50, 10);
    EXPECT_EQ(of_type(VIEW_LINE).size(), 3u + 72u);
}

TEST_F(MaskPage, DimensionMarkGeometry)
{
    Mask_Draw_Dimension(2, 10, 100, 110, 100, 20);
    const auto l = of_type(VIEW_LINE);
    ASSERT_EQ(l.size(), 3u);
    // The dimension line 5 pixels longer at both ends, the extension lines from
    // 5 on one side to the offset on the other.
    EXPECT_EQ((std::vector<int>{l[0]->x1, l[0]->y1, l[0]->x2, l[0]->y2}), (std::vector<int>{5, 100, 115, 100}));
    EXPECT_EQ((std::vector<int>{l[1]->x1, l[1]->y1, l[1]->x2, l[1]->y2}), (std::vector<int>{10, 95, 10, 120}));
    EXPECT_EQ((std::vector<int>{l[2]->x1, l[2]->y1, l[2]->x2, l[2]->y2}), (std::vector<int>{110, 95, 110, 120}));

    Mask_Set_Area_Transform(0, 0, 0, 0);
    Mask_Draw_Dimension(2, 10, 100, 110, 100, 20);
    EXPECT_EQ(of_type(VIEW_LINE).size(), 3u);
}

TEST_F(MaskPage, AreaDistanceIsTheDistanceOfTheMappedPoints)
{
    // (1, 1) to (4, 5) are 5 apart in the world; a turn keeps that and the
    // scale multiplies it, the origin has no part in it.
    struct Case {
        double x0, y0, angle, scale, want;
    } cases[] = {{0, 0, 0, 1, 5}, {5, 7, 0.3, 2, 10}, {-20, 5, KOV_PI / 2, 0.5, 2.5}, {0, 0, 0, 0, 0}};
    for (const Case& c : cases) {
        Mask_Set_Area_Transform(c.x0, c.y0, c.angle, c.scale);
        EXPECT_NEAR(Mask_Area_Distance(1, 1, 4, 5), c.want, 1e-12) << c.scale;
    }
    Mask_Set_Area_Transform(0, 0, 0, 1);
}

TEST_F(MaskPage, AreaTransformAndBack)
{
    Mask_Set_Area_Transform(-20, 5, KOV_PI / 2, 0.5);
    double x = 40, y = 30;
    Mask_World_To_Area(&x, &y);
    EXPECT_NEAR(x, 10, 1e-12);
    EXPECT_NEAR(y, -40, 1e-12);
    Mask_Area_To_World(&x, &y);
    EXPECT_NEAR(x, 40, 1e-12);
    EXPECT_NEAR(y, 30, 1e-12);
    EXPECT_EQ(Mask_Get_Area_Scale(), 0.5);

    Mask_Set_Area_Transform(10, 0, 0, 2);
    x = 5;
    y = 0;
    Mask_World_To_Area(&x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);

    Mask_Set_Area_Transform(0, 0, 0, 0);
    x = 7;
    y = 8;
    Mask_Area_To_World(&x, &y);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 8);
}

TEST_F(MaskPage, ArcHoldsAtMostOneTurn)
{
    Mask_Draw_Arc(100, 100, 50, 0, 0.2); // 0, 5, 10 degrees: two lines, none to 0.2
    EXPECT_EQ(of_type(VIEW_LINE).size(), 2u);
    Mask_Draw_Arc(100, 100, 50, 0, 100.0);
    EXPECT_EQ(of_type(VIEW_LINE).size(), 2u + 72u);
    Mask_Draw_Arc(100, 100, 50, 1, 1);
    EXPECT_EQ(of_type(VIEW_LINE).size(), 2u + 72u);
}

TEST_F(MaskPage, TwoFilledPolygonsEachShowTheirOwnShape)
{
    Mask_Set_Back_Color(Nearest_RGB_Color(200, 0, 0));
    const double t1x[3] = {10, 110, 10}, t1y[3] = {10, 10, 110};
    Mask_Fill_Polygon(3, t1x, t1y);
    Mask_Set_Back_Color(Nearest_RGB_Color(0, 0, 200));
    const double t2x[4] = {300, 400, 400, 300}, t2y[4] = {10, 10, 60, 60};
    Mask_Fill_Polygon(4, t2x, t2y);
    show();
    // The area's corner is at (20, 20) on the screen.
    EXPECT_EQ(Kov_Ui_Pixel(20 + 20, 20 + 20), 0xC80000);
    EXPECT_NE(Kov_Ui_Pixel(20 + 100, 20 + 100), 0xC80000);
    EXPECT_EQ(Kov_Ui_Pixel(20 + 350, 20 + 50), 0x0000C8);
    EXPECT_NE(Kov_Ui_Pixel(20 + 350, 20 + 80), 0x0000C8);

    // Drawn again after a clear: the points of the freed elements are released.
    for (int i = 0; i < 5; ++i) {
        View_Area_Clear(unsigned(area));
        Mask_Fill_Polygon(3, t1x, t1y);
    }
}

TEST_F(MaskPage, ManyIntFieldsAndNestedLevels)
{
    std::vector<int> values(150);
    int state = 1;
    for (int i = 0; i < 150; ++i) {
        values[size_t(i)] = i;
        Mask_Add_Int(10, 20 + 20 * i, &values[size_t(i)], 4, &state);
    }
    ASSERT_EQ(Mask_Int_Shadow_Count(), 150);
    for (int i = 0; i < 150; ++i) {
        MaskIntShadow* e = Mask_Find_Int_Shadow(&values[size_t(i)]);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->shadow, i);
    }
    // The field edits the shadow inside the entry; it is still there after
    // the table grew.
    const auto f = of_type(VIEW_FLOAT);
    ASSERT_EQ(f.size(), 150u);
    EXPECT_EQ(f[0]->number, &Mask_Find_Int_Shadow(&values[0])->shadow);
    *f[0]->number = 2.5;
    Mask_Add_Int(10, 20, &values[0], 4, &state);
    EXPECT_EQ(values[0], 3);
    *f[0]->number = -2.5;
    Mask_Add_Int(10, 20, &values[0], 4, &state);
    EXPECT_EQ(values[0], -3);

    // Seven levels, each with its own registration of the same int.
    int shared = 0;
    for (int level = 1; level <= 7; ++level) {
        Mask_Push_Registration_Level();
        shared = level * 10;
        Mask_Add_Int(10, 20, &shared, 4, &state);
    }
    EXPECT_EQ(Mask_Registration_Levels(), 8);
    for (int level = 7; level >= 1; --level) {
        EXPECT_EQ(Mask_Find_Int_Shadow(&shared)->shadow, level * 10);
        Mask_Pop_Registration_Level();
    }
    EXPECT_NE(Mask_Find_Int_Shadow(&values[10]), nullptr);
    EXPECT_EQ(Mask_Find_Int_Shadow(&shared), nullptr);
}

TEST_F(MaskPage, LimitedIntAndClampCallback)
{
    int v = 50, state = 1;
    Mask_Add_Int_Limited(10, 20, &v, 3, 0, 20, &state);
    EXPECT_EQ(v, 50); // the int follows at the confirm step
    EXPECT_EQ(Mask_Find_Int_Shadow(&v)->shadow, 20);

    double rho = 3000;
    Mask_Add_Density_Field(10, 60, &rho, &state);
    const auto f = of_type(VIEW_FLOAT);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_STREQ(f[1]->text, "%8.1f");
    ASSERT_NE(f[1]->change, nullptr);
    f[1]->change(reinterpret_cast<intptr_t>(&rho));
    EXPECT_EQ(rho, 2200);
    rho = 100;
    f[1]->change(reinterpret_cast<intptr_t>(&rho));
    EXPECT_EQ(rho, 500);
}

TEST_F(MaskPage, PaddedTextFieldStaysInItsBuffer)
{
    char text[6] = "abcde";
    int state = 1;
    Mask_Add_Padded_Text_Field(10, 20, text, 3, &state);
    EXPECT_STREQ(text, "abc");
    char small[8] = "ab";
    Mask_Add_Padded_Text_Field(10, 40, small, 5, &state);
    EXPECT_STREQ(small, "ab   ");
    char limited[11] = "xy";
    EXPECT_EQ(Mask_Add_Text_Field_Limited(10, 60, limited, 4, 10, &state), 99);
    EXPECT_EQ(std::strlen(limited), 10u);
}

TEST_F(MaskPage, LevelColours)
{
    EXPECT_EQ(Mask_Level_Position(2), 50);
    EXPECT_EQ(Mask_Level_Colour_A(5), BLACK_CI);
    EXPECT_EQ(Mask_Level_Colour_A(30), Nearest_Color_Index(132, 97, 66));
    EXPECT_EQ(Mask_Level_Colour_B(50), Nearest_Color_Index(0, 0, 150));
    Mask_Set_Level_Colour_A(7, 0x123456);
    EXPECT_EQ(Mask_Level_Colour_A(1000), 0x123456);
    Mask_Set_Level_Step(5);
    Mask_Set_Level_Offset(0);
    EXPECT_EQ(Mask_Level_Colour_A(5), Nearest_Color_Index(132, 97, 66));
    Mask_Reset_Level_Scale();
    EXPECT_EQ(Mask_Level_Position(1), 30);
}

TEST_F(MaskPage, ReadOnlyFieldsLightenedOnGrey)
{
    double v = 1.5;
    int state = -1;
    Mask_Add_Float(10, 40, &v, 1.0, 6, 2, &state);
    const auto box = of_type(VIEW_FILLED_BOX);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0]->colour, Nearest_RGB_Color(220, 220, 220));
    EXPECT_EQ((std::vector<int>{box[0]->x1, box[0]->y1, box[0]->x2, box[0]->y2}),
              (std::vector<int>{10, 45, 10 + 63 - 1, 27}));
    const auto f = of_type(VIEW_FLOAT);
    EXPECT_EQ(f[0]->colour, Mask_Lighten_Color(Nearest_Color_Index(0, 0, 0), 40));
    EXPECT_EQ(f[0]->active, &g_mask_state.read_only);
}

TEST_F(MaskPage, PictureOfEveryElementCall)
{
    int on = 1, off = 0, ro = -1, gr = 2;
    int check = 1, radio = 2, sel = 1;
    double a = 12.5, b = 0.25, c = 7, rho = 420;
    int n = 4;
    char text[21] = "Brettschichtholz";
    char names[3][8] = {"C24", "GL24h", "GL28h"};
    intptr_t clicked = 0;
    Mask_Set_Back_Color(Nearest_RGB_Color(255, 251, 240));
    int x = 10, y = 40;
    x += Mask_Add_Label(x, y, "Label", &on) + 10;
    x += Mask_Add_Label(x, y, "inaktiv", &off) + 10;
    x += Mask_Add_Underlined_Label(x, y, "unterstrichen", &on) + 10;
    x += Mask_Add_Boxed_Label(x, y, "Kasten", &on) + 10;
    x += Mask_Add_Framed_Label(x, y, "gerahmt", &on) + 10;
    x += Mask_Add_Clickable_Label(x, y, "-> Link", 7, &clicked, &on) + 10;
    Mask_Add_Small_Label(x, y, "klein", &on);
    x = 10;
    y = 80;
    x += Mask_Add_Symbol_With_Index(x, y, "\xE0", "c,0,d", &on) + 10;
    x += Mask_Add_Symbol_Index_Exponent(x, y, "E", "0", "2", &on) + 10;
    x += Mask_Add_Bold_Symbol_With_Index(x, y, "k", "mod", &on) + 10;
    Mask_Add_Aligned_Text(x + 80, y, "rechts", 2, 1, &on);
    y = 120;
    x = 10;
    x += Mask_Add_Float(x, y, &a, 1.0, 8, 2, &on) + 10;
    x += Mask_Add_Float(x, y, &b, 100.0, 8, 1, &ro) + 10;
    x += Mask_Add_Float(x, y, &c, 1.0, 8, 2, &gr) + 10;
    x += Mask_Add_Int(x, y, &n, 3, &on) + 10;
    Mask_Add_Density_Field(x, y, &rho, &on);
    y = 160;
    x = 10;
    x += Mask_Add_Labelled_Float(x, y, "Breite", &a, 6, 1, "mm", &on) + 10;
    x += Mask_Add_Symbol_Float(x, y, "\xE0", "t", &c, 1.0, 6, 2, "N/mm\xFD", &on) + 10;
    x += Mask_Add_Check_Box(x, y, "optional", &check, &on) + 10;
    x += Mask_Add_Radio_Button(x, y, "eins", 1, &radio, &on) + 10;
    x += Mask_Add_Radio_Button(x, y, "zwei", 2, &radio, &on) + 10;
    y = 200;
    x = 10;
    x += Mask_Add_Choice(x, y, names[0], nullptr, 8, 3, &sel, &on) + 10;
    x += Mask_Add_Choice(x, y, names[0], nullptr, 8, 3, &sel, &ro) + 10;
    Mask_Add_Text_Field(x, y, text, 0, &on);
    ColumnHeader h{};
    Mask_Init_Column_Header(&h, 3);
    Mask_Add_Column(&h, "Festigkeit", "f", "c,0,d", "N/mm\xFD", 1, 63, 5);
    Mask_Add_Column(&h, "Breite", "b", "", "mm", 2, 40, 5);
    Mask_Add_Column(&h, "Faktor", "k", "mod", "", 3, 40, 5);
    Mask_Draw_Header(10, 300, &h);
    Mask_Draw_Column_Legend(300, 270, h.count, h.columns);
    Mask_Draw_Dimension(2, 10, 360, 200, 360, 15);
    Mask_Fill_Circle(450, 380, 30);
    Mask_Draw_Circle(550, 380, 30);
    const double px[5] = {620, 700, 720, 660, 610}, py[5] = {350, 340, 400, 420, 390};
    Mask_Fill_Polygon(5, px, py);
    Mask_Free_Columns(&h);
    show();
    EXPECT_EQ(Kov_Ui_Save_Png((scrtest::artefacts() + "/sheets_mask_elements.png").c_str()), 1);
}

namespace {

// A text element as the tests compare it: where, in which font and frame
// style (0 none, 1 bold, 2 frame), with which text.
struct Placed {
    int x, y, font, style;
    std::string text;
    bool operator==(const Placed& o) const
    {
        return x == o.x && y == o.y && font == o.font && style == o.style && text == o.text;
    }
};

std::ostream& operator<<(std::ostream& os, const Placed& p)
{
    return os << "{" << p.x << ", " << p.y << ", 0x" << std::hex << p.font << std::dec << ", " << p.style << ", \""
              << p.text << "\"}";
}

std::vector<Placed> placed(const std::vector<const ViewElement*>& texts)
{
    std::vector<Placed> v;
    for (const ViewElement* e : texts) v.push_back(Placed{e->x1, e->y1, e->font, e->x2, e->text});
    return v;
}

} // namespace

// Symbol "f" 8 pixels wide in 0x1000, index "c,0,d" 30 pixels in 0x1002.
// Without a style bit: symbol part 8 + 3 = 11, width 11 + 30 + 4 = 45; with
// one, 2 more for each: 13 and 49. Centred: x - nearest(45 / 2) = x - 23.
TEST_F(MaskPage, AlignedSymbolPlacesSymbolAndIndexAsAlignedText)
{
    struct Case {
        unsigned font;
        const char* symbol;
        const char* index;
        int valign, halign, width;
        std::vector<Placed> want;
    } cases[] = {
        {0x1000, "f", "c,0,d", 1, 0, 45, {{200, 100, 0x1000, 0, "f"}, {212, 101, 0x1002, 0, "c,0,d"}}},
        {0x1000, "f", "c,0,d", 0, 1, 45, {{155, 109, 0x1000, 0, "f"}, {167, 110, 0x1002, 0, "c,0,d"}}},
        {0x1000, "f", "c,0,d", 4, 4, 45, {{177, 105, 0x1000, 0, "f"}, {189, 106, 0x1002, 0, "c,0,d"}}},
        {0x11000, "f", "c,0,d", 2, 0, 49, {{200, 100, 0x1000, 1, "f"}, {214, 101, 0x1002, 1, "c,0,d"}}},
        {0x21000, "f", "c,0,d", 2, 1, 49, {{151, 100, 0x1000, 2, "f"}, {165, 101, 0x1002, 2, "c,0,d"}}},
        {0x1000, "f", "", 2, 1, 11, {{189, 100, 0x1000, 0, "f"}}},
        // No symbol: the index alone, 6 + 4 wide, one pixel after the empty symbol.
        {0x1000, "", "M", 2, 0, 10, {{200, 100, 0x1000, 0, ""}, {201, 101, 0x1002, 0, "M"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.symbol) + "_" + c.index + " " + std::to_string(c.valign) + "/" +
                     std::to_string(c.halign) + " font " + std::to_string(c.font));
        for (bool checked : {true, false}) {
            View_Area_Clear(unsigned(area));
            Mask_Set_Output_Area(area);
            Mask_Set_Font(c.font);
            const int w =
                checked ? Mask_Add_Aligned_Symbol(200, 100, c.symbol, c.index, c.valign, c.halign, nullptr)
                        : Mask_Add_Aligned_Symbol_Unchecked(200, 100, c.symbol, c.index, c.valign, c.halign, nullptr);
            EXPECT_EQ(w, c.width);
            EXPECT_EQ(placed(of_type(VIEW_TEXT)), c.want);
        }
    }
    // Without an output area: the checked call gives 0, the other its width;
    // neither adds anything.
    View_Area_Clear(unsigned(area));
    Mask_Set_Output_Area(-1);
    EXPECT_EQ(Mask_Add_Aligned_Symbol(200, 100, "f", "c,0,d", 1, 0, nullptr), 0);
    EXPECT_EQ(Mask_Add_Aligned_Symbol_Unchecked(200, 100, "f", "c,0,d", 1, 0, nullptr), 45);
    EXPECT_TRUE(elements().empty());
}

// Centred between the left and right edge of the page rectangle recorded for
// the output area, not of another area's: "abc" is 27 wide, (101 + 400) / 2 =
// 250, 250 - nearest(13.5) = 236; "abcd" 35 wide: 250 - 18 = 232.
TEST_F(MaskPage, CentredLabelAndTextStandInTheMiddleOfTheirPage)
{
    int other = View_Area_Open(30, 30, 300, 300, 0, 0);
    ASSERT_GE(other, 0);
    const MaskPageArea mine{-1, area, 101, 40, 400, 300, nullptr, nullptr};
    const MaskPageArea not_mine{-1, other, 500, 40, 900, 300, nullptr, nullptr};
    ASSERT_EQ(Mask_Add_Page_Area(&mine), 1);
    ASSERT_EQ(Mask_Add_Page_Area(&not_mine), 1);
    Mask_Set_Output_Area(area);
    int off = 0;
    struct Case {
        const char* text;
        int* active;
        int width, x, colour;
    } cases[] = {
        {"abc", nullptr, 27, 236, Mask_Get_Text_Color()},
        {"abcd", nullptr, 35, 232, Mask_Get_Text_Color()},
        {"abc", &off, 27, 236, Nearest_RGB_Color(198, 195, 198)},
        {"", nullptr, 0, 250, Mask_Get_Text_Color()},
    };
    for (auto add : {Mask_Add_Centred_Label, Mask_Add_Centred_Text}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            View_Area_Clear(unsigned(area));
            Mask_Set_Output_Area(area);
            EXPECT_EQ(add(60, c.text, c.active), c.width);
            const auto t = of_type(VIEW_TEXT);
            ASSERT_EQ(t.size(), 1u);
            EXPECT_EQ(t[0]->x1, c.x);
            EXPECT_EQ(t[0]->y1, 60);
            EXPECT_EQ(t[0]->colour, c.colour);
        }
        View_Area_Clear(unsigned(area));
        Mask_Set_Output_Area(-1);
        EXPECT_EQ(add(60, "abc", nullptr), 0);
        Mask_Set_Output_Area(area);
        EXPECT_TRUE(elements().empty());
    }
    Mask_Remove_Page_Area();
    Mask_Remove_Page_Area();
}

// A link label is a clickable label that gives 0 without an output area; an
// active one gets a click area from 10 above the baseline to the text's end
// with the hand cursor (18), an inactive one none.
TEST_F(MaskPage, LinkLabelIsAClickableLabelThatNeedsItsArea)
{
    intptr_t result = 0;
    int on = 1, off = 0;
    struct Case {
        bool link, with_area;
        int* active;
        int width;
        size_t texts, clicks;
    } cases[] = {
        {true, true, &on, 27, 1, 1},   {false, true, &on, 27, 1, 1},    {true, true, &off, 27, 1, 0},
        {false, true, &off, 27, 1, 0}, {true, true, nullptr, 27, 1, 1}, {true, false, &on, 0, 0, 0},
        {false, false, &on, 27, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.link ? "link" : "clickable") + (c.with_area ? " with area " : " without area ") +
                     (c.active ? std::to_string(*c.active) : "null"));
        View_Area_Clear(unsigned(area));
        Mask_Set_Output_Area(c.with_area ? area : -1);
        const int w = c.link ? Mask_Add_Link_Label(40, 70, "abc", 77, &result, c.active)
                             : Mask_Add_Clickable_Label(40, 70, "abc", 77, &result, c.active);
        Mask_Set_Output_Area(area);
        EXPECT_EQ(w, c.width);
        EXPECT_EQ(of_type(VIEW_TEXT).size(), c.texts);
        const auto k = of_type(VIEW_CLICK_AREA);
        ASSERT_EQ(k.size(), c.clicks);
        if (k.empty()) continue;
        EXPECT_EQ((std::vector<int>{k[0]->x1, k[0]->y1, k[0]->x2, k[0]->y2}), (std::vector<int>{40, 60, 67, 70}));
        EXPECT_EQ(k[0]->key, 77);
        EXPECT_EQ(k[0]->result, &result);
        EXPECT_EQ(k[0]->aux, 18);
    }
}

// The box of the boxed label (3 before the text to 3 after its measured
// width, 5 below to 12 above the baseline, in the back colour), then the text
// framed; the width counts the text without the 3 of the measure: 24 + 11.
TEST_F(MaskPage, BoxedFramedLabelBoxesAFramedText)
{
    const int back = Nearest_RGB_Color(255, 251, 240);
    Mask_Set_Back_Color(back);
    int off = 0;
    struct Case {
        unsigned font;
        const char* text;
        int* active;
        int width, box_right;
    } cases[] = {
        {0x1000, "abc", nullptr, 35, 50 + 27 + 3},
        {0x1000, "abc", &off, 35, 50 + 27 + 3},
        {0x11000, "abc", nullptr, 35, 50 + 29 + 3}, // the bold bit widens the box only
        {0x1000, "", nullptr, 8, 50 + 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " font " + std::to_string(c.font));
        View_Area_Clear(unsigned(area));
        Mask_Set_Output_Area(area);
        Mask_Set_Back_Color(back);
        Mask_Set_Font(c.font);
        EXPECT_EQ(Mask_Add_Boxed_Framed_Label(50, 90, c.text, c.active), c.width);
        const auto e = elements();
        ASSERT_EQ(e.size(), 2u);
        EXPECT_EQ(e[0]->type, VIEW_FILLED_BOX);
        EXPECT_EQ((std::vector<int>{e[0]->x1, e[0]->y1, e[0]->x2, e[0]->y2}),
                  (std::vector<int>{47, 95, c.box_right, 78}));
        EXPECT_EQ(e[0]->colour, back);
        EXPECT_EQ(e[1]->type, VIEW_TEXT);
        EXPECT_EQ(placed({e[1]}), (std::vector<Placed>{{50, 90, 0x1000, 2, c.text}}));
        EXPECT_EQ(e[1]->colour, c.active ? Nearest_RGB_Color(198, 195, 198) : Mask_Get_Text_Color());
    }
    View_Area_Clear(unsigned(area));
    Mask_Set_Output_Area(-1);
    EXPECT_EQ(Mask_Add_Boxed_Framed_Label(50, 90, "abc", nullptr), 0);
    Mask_Set_Output_Area(area);
    EXPECT_TRUE(elements().empty());
}

// A float field in a colour of its own for the one call: an editable field
// shows in it, the text colour stays for everything after it; a field that is
// not editable keeps its grey, a read-only highlighted one its lightened text
// colour.
TEST_F(MaskPage, FloatInColourOnlyForItsOwnField)
{
    const int red = Nearest_RGB_Color(200, 0, 0);
    const int text = Mask_Get_Text_Color();
    double v = 2.5;
    int editable = 1, inactive = 0, highlighted = -1;
    struct Case {
        int* state;
        int colour;
    } cases[] = {
        {&editable, red},
        {nullptr, red},
        {&inactive, Nearest_RGB_Color(198, 195, 198)},
        {&highlighted, Mask_Lighten_Color(red, 40)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state ? *c.state : 9);
        View_Area_Clear(unsigned(area));
        Mask_Set_Output_Area(area);
        EXPECT_EQ(Mask_Add_Float_In_Colour(10, 40, &v, 6, 2, red, c.state), 6 * 8 + 15);
        EXPECT_EQ(Mask_Get_Text_Color(), text);
        const auto f = of_type(VIEW_FLOAT);
        ASSERT_EQ(f.size(), 1u);
        EXPECT_EQ(f[0]->colour, c.colour);
        EXPECT_EQ(View_Area_Float_Text(f[0]), "  2.50");
        EXPECT_EQ(f[0]->number, &v);
        Mask_Add_Float_Plain(10, 80, &v, 6, 2, &editable);
        EXPECT_EQ(of_type(VIEW_FLOAT)[1]->colour, text);
    }
    EXPECT_EQ(v, 2.5); // factor 1: the value is never scaled
    Mask_Set_Output_Area(-1);
    EXPECT_EQ(Mask_Add_Float_In_Colour(10, 40, &v, 6, 2, red, &editable), 0);
    EXPECT_EQ(Mask_Get_Text_Color(), text);
}

// The closed outline through the mapped points: a line from each point to the
// next and one from the last back to the first.
TEST_F(MaskPage, PolygonIsAClosedOutlineOfMappedPoints)
{
    using Lines = std::vector<std::vector<int>>;
    const double xs[4] = {10, 60, 60, 10}, ys[4] = {20, 20, 50, 50};
    struct Case {
        int count;
        double scale;
        int switch_on;
        Lines want;
    } cases[] = {
        {4, 1, 1, {{10, 20, 60, 20}, {60, 20, 60, 50}, {60, 50, 10, 50}, {10, 50, 10, 20}}},
        {3, 1, 1, {{10, 20, 60, 20}, {60, 20, 60, 50}, {60, 50, 10, 20}}},
        {4, 2, 1, {{20, 40, 120, 40}, {120, 40, 120, 100}, {120, 100, 20, 100}, {20, 100, 20, 40}}},
        {1, 1, 1, {{10, 20, 10, 20}}},
        {0, 1, 1, {}},
        {-3, 1, 1, {}},
        {4, 1, 0, {}}, // the line switch holds for the outline too
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " points, scale " + std::to_string(c.scale));
        View_Area_Clear(unsigned(area));
        Mask_Set_Output_Area(area);
        Mask_Set_Area_Transform(0, 0, 0, c.scale);
        Mask_Set_Line_Switch(c.switch_on);
        Mask_Draw_Polygon(c.count, xs, ys);
        Lines got;
        for (const ViewElement* e : of_type(VIEW_LINE)) got.push_back({e->x1, e->y1, e->x2, e->y2});
        EXPECT_EQ(got, c.want);
    }
    Mask_Set_Area_Transform(0, 0, 0, 1);
    Mask_Set_Line_Switch(1);
    Mask_Draw_Polygon(4, nullptr, ys);
    EXPECT_TRUE(of_type(VIEW_LINE).empty());
}
