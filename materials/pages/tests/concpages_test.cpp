// Tests of the concrete and reinforcement pages: the choice lists by rules and mode, the free
// concrete and steel pages or their links, parameter fields and their pictures.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "materials/concrete.h"
#include "materials/pages/concpages.h"
#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/mask.h"
#include "sheets/maskdraw.h"
#include "sheets/maskelem.h"
#include "sheets/maskstate.h"
#include "sheets/tests/scrtest.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"

namespace {

std::string name_at(const ChoiceList* l, int i)
{
    const char* p = l->names + size_t(i) * size_t(l->stride);
    return std::string(p, strnlen(p, size_t(l->stride)));
}

struct Entry {
    const char* name;
    int key;
    int flags;
    char colour; // g green, k black, b brown, o orange, u blue
};

int colour_of(char c)
{
    switch (c) {
        case 'g': return Nearest_Color_Index(0, 164, 0);
        case 'b': return Nearest_Color_Index(155, 126, 66);
        case 'o': return Nearest_Color_Index(234, 164, 0);
        case 'u': return Nearest_Color_Index(0, 0, 255);
        default: return BLACK_CI;
    }
}

void expect_entries(const ChoiceList* l, const std::vector<Entry>& want)
{
    ASSERT_EQ(l->count, int(want.size()));
    for (int i = 0; i < l->count; ++i) {
        EXPECT_EQ(name_at(l, i), want[size_t(i)].name) << i;
        EXPECT_EQ(l->keys[i], want[size_t(i)].key) << i;
        EXPECT_EQ(l->flags[i], want[size_t(i)].flags) << i;
        EXPECT_EQ(l->colours[i], colour_of(want[size_t(i)].colour)) << i;
        // Every name ends inside its stride.
        EXPECT_LT(strnlen(l->names + size_t(i) * size_t(l->stride), size_t(l->stride)), size_t(l->stride)) << i;
    }
}

const Entry kSep = {"-------", -1, 0x1000, 'o'};

} // namespace

TEST(ConcreteChoiceList, EurocodeWithEveryGroup)
{
    ChoiceList* l = Concrete_Choice_List_New(1, 0x7);
    std::vector<Entry> want = {{"B15", 0, 1, 'g'}, {"B25", 1, 1, 'g'}, {"B35", 2, 1, 'g'},
                               {"B45", 3, 1, 'g'}, {"B55", 4, 1, 'g'}, kSep};
    const char* ec[] = {"C12/15", "C16/20", "C20/25", "C25/30", "C30/37", "C35/45",  "C40/50",  "C45/55",
                        "C50/60", "C55/67", "C60/75", "C70/85", "C80/95", "C90/105", "C100/115"};
    for (int i = 0; i < 15; ++i) want.push_back({ec[i], i + 5, 0, 'k'});
    want.push_back(kSep);
    const char* lc[] = {"LC12/13", "LC16/18", "LC20/22", "LC25/28", "LC30/33", "LC35/38",
                        "LC40/44", "LC45/50", "LC50/55", "LC55/60", "LC60/66"};
    for (int i = 0; i < 11; ++i) want.push_back({lc[i], i + 5, 2, 'b'});
    want.push_back(kSep);
    want.push_back({"frei", 20, 4, 'u'});
    expect_entries(l, want);
    EXPECT_EQ(l->stride, 9);
    EXPECT_EQ(l->mode, 1);
    EXPECT_EQ(l->show_alpha, 0);
    Choice_List_Free(l);
}

TEST(ConcreteChoiceList, GroupsByFlagsAndMode)
{
    struct Case {
        int mode;
        unsigned flags;
        int count;
        int show_alpha;
        const char* first;
        const char* last;
    } cases[] = {
        {0, 0x2, 0, 0, nullptr, nullptr},                                    // DIN mode without its grades: empty
        {0, 0x0, 0, 0, nullptr, nullptr},      {0, 0xF, 5, 0, "B15", "B55"}, // DIN mode ends after the DIN grades
        {1, 0x0, 15, 0, "C12/15", "C100/115"}, {1, 0x8, 15, 1, "C12/15", "C100/115"},
        {2, 0x4, 17, 0, "C12/15", "frei"},     {1, 0x3, 33, 0, "B15", "LC60/66"},
    };
    for (const Case& c : cases) {
        ChoiceList* l = Concrete_Choice_List_New(c.mode, c.flags);
        EXPECT_EQ(l->count, c.count) << c.mode << " " << c.flags;
        EXPECT_EQ(l->show_alpha, c.show_alpha) << c.mode << " " << c.flags;
        if (c.first) {
            EXPECT_EQ(name_at(l, 0), c.first);
            EXPECT_EQ(name_at(l, l->count - 1), c.last);
        }
        Choice_List_Free(l);
    }
}

TEST(RebarChoiceList, NamesByMode)
{
    const std::vector<Entry> din = {
        {"BSt 220/340", 0, 0x10, 'g'}, {"BSt 420 S", 1, 0x10, 'g'}, {"BSt 500 S", 2, 0x10, 'g'}};
    ChoiceList* l = Rebar_Choice_List_New(0);
    expect_entries(l, din);
    Choice_List_Free(l);

    for (int mode : {1, 2}) {
        std::vector<Entry> want = din;
        want.push_back(kSep);
        want.push_back({mode == 1 ? "BSt 500 (A)" : "B500A", 3, 0, 'k'});
        want.push_back({mode == 1 ? "BSt 500 (B)" : "B500B", 4, 0, 'k'});
        want.push_back(kSep);
        want.push_back({"frei", 5, 0x20, 'u'});
        l = Rebar_Choice_List_New(mode);
        expect_entries(l, want);
        EXPECT_EQ(l->stride, 13);
        Choice_List_Free(l);
    }
}

TEST(ChoiceListLookups, PositionsAndKeys)
{
    ChoiceList* l = Concrete_Choice_List_New(1, 0x7);
    // 5 DIN, separator at 5, C grades 6..20, separator 21, LC 22..32, separator 33, frei 34.
    struct Pos {
        int key, mask, position;
    } positions[] = {
        {9, 0x02, 26},                             // LC30/33
        {9, 0, 10},                                // C30/37: the first match
        {20, 0, 34},   {2, 0x01, 2}, {9, 0x01, 0}, // no DIN grade with key 9
        {-1, 0, 5},                                // the first separator
        {77, 0, 0},
    };
    for (const Pos& p : positions) EXPECT_EQ(Choice_List_Position(l, p.key, p.mask), p.position) << p.key;
    EXPECT_EQ(name_at(l, 26), "LC30/33");
    EXPECT_EQ(name_at(l, 10), "C30/37");

    struct Key {
        int position, key, flags;
    } keys[] = {
        {0, 0, 1},   {5, 4, 1},                                            // a separator answers for B55 above it
        {21, 19, 0}, {33, 15, 2}, {34, 20, 4}, {35, -1, 0}, {1000, -1, 0}, // at or beyond the count
    };
    for (const Key& k : keys) {
        int key = 99, flags = 99;
        Choice_List_Key(l, k.position, &key, &flags);
        EXPECT_EQ(key, k.key) << k.position;
        EXPECT_EQ(flags, k.flags) << k.position;
        key = 99;
        Choice_List_Key(l, k.position, &key, nullptr);
        EXPECT_EQ(key, k.key) << k.position;
    }
    Choice_List_Free(l);

    ChoiceList* empty = Concrete_Choice_List_New(0, 0x2);
    int key = 7, flags = 7;
    Choice_List_Key(empty, 0, &key, &flags);
    EXPECT_EQ(key, -1);
    EXPECT_EQ(flags, 0);
    EXPECT_EQ(Choice_List_Position(empty, 0, 0), 0);
    Choice_List_Free(empty);
    Choice_List_Free(nullptr);
}

namespace {

// A sheet with one view area as the mask's output area.
class Pages : public testing::Test {
protected:
    void SetUp() override
    {
        scrtest::fresh_screen();
        setenv("DATA", KOV_SOURCE_DIR "/data", 1);
        Mask_State_Reset();
        Mask_Draw_Reset();
        Material_Pages_Reset();
        Define_Prop_Sheet(0, 0, 800, 600, 0, 0, "", 10, 1);
        Activate_Prop_Sheet();
        area = View_Area_Open(20, 20, 780, 580, 0, 0);
        ASSERT_GE(area, 0);
        Mask_Set_Output_Area(area);
        list = Concrete_Choice_List_New(1, 0x7);
        Concrete_Grade_Init_Ec2(&grade, 3, 0, 2200.0);
    }
    void TearDown() override
    {
        Choice_List_Free(list);
        View_Area_Close_All();
        Mask_Draw_Reset();
        Mask_State_Reset();
        Material_Pages_Reset();
        Kov_Ui_Sheets_Reset();
        Kov_Ui_Set_Idle_Hook(nullptr);
        Kov_Set_Ui_Mode(-1);
        unsetenv("DATA");
    }

    std::vector<const ViewElement*> of_type(int type) const
    {
        std::vector<const ViewElement*> v;
        const ViewArea* a = View_Area_Record(unsigned(area));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
            if (e->type == type) v.push_back(e);
        return v;
    }
    const ViewElement* text(const std::string& t) const
    {
        for (const ViewElement* e : of_type(VIEW_TEXT))
            if (e->text && t == e->text) return e;
        return nullptr;
    }
    const ViewElement* field_of(const double* value) const
    {
        for (const ViewElement* e : of_type(VIEW_FLOAT))
            if (e->number == value) return e;
        return nullptr;
    }
    int count_all() const
    {
        int n = 0;
        const ViewArea* a = View_Area_Record(unsigned(area));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next) ++n;
        return n;
    }
    std::string shown(const ViewElement* e) const
    {
        char b[64];
        std::snprintf(b, sizeof b, e->text, *e->number);
        return b;
    }

    int area = -1;
    ChoiceList* list = nullptr;
    ConcreteGrade grade{};
};

} // namespace

TEST_F(Pages, FreeConcreteShowsALinkInDialogModeAndThePageOtherwise)
{
    int sel = Choice_List_Position(list, 20, 0);
    Material_Pages_Set_Dialog_Mode(1);
    EXPECT_EQ(Concrete_Choice_With_Parameters(area, 100, 60, &grade, list, &sel), 23);
    // The choice, the link text and its click area: nothing else.
    EXPECT_EQ(of_type(VIEW_CHOICE).size(), 1u);
    const ViewElement* l = text("-> Betonparameter definieren");
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->x1, 25);
    EXPECT_EQ(l->y1, 83);
    EXPECT_EQ(l->colour, Nearest_Color_Index(0, 0, 255));
    EXPECT_EQ(of_type(VIEW_CLICK_AREA).size(), 1u);
    EXPECT_EQ(count_all(), 3);
    EXPECT_TRUE(of_type(VIEW_FLOAT).empty());
    // The text colour is given back after the blue link.
    EXPECT_EQ(Mask_Get_Text_Color(), BLACK_CI);

    View_Area_Clear(unsigned(area));
    Material_Pages_Set_Dialog_Mode(0);
    EXPECT_EQ(Concrete_Choice_With_Parameters(area, 100, 60, &grade, list, &sel), 183);
    // The page 34 above the row: picture at (25, 26), f_ck at y 26 + 103.
    const auto pictures = of_type(VIEW_BITMAP);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_STREQ(pictures[0]->text, "tools\\duved_fcd.bmp");
    EXPECT_EQ(pictures[0]->x1, 225);
    EXPECT_EQ(pictures[0]->y1, 26);
    EXPECT_EQ(pictures[0]->x2, 445);
    EXPECT_EQ(pictures[0]->y2, 218);
    EXPECT_EQ(pictures[0]->colour, Nearest_Color_Index(239, 253, 238));
    const ViewElement* fck = field_of(&grade.f_ck);
    ASSERT_NE(fck, nullptr);
    EXPECT_EQ(fck->y1, 129);
    EXPECT_EQ(fck->x1, 25 + 75 + 7);
    EXPECT_EQ(text("-> Betonparameter definieren"), nullptr);
}

TEST_F(Pages, ParameterPageFieldsShowDisplayUnits)
{
    Concrete_Parameter_Page(area, 0, 0, &grade);
    struct Row {
        const double* value;
        int y;
        const char* format;
        const char* text;
    } rows[] = {
        {&grade.density, 57, "%8.1f", "  2200.0"},  {&grade.alpha_cc, 80, "%8.3f", "   0.850"},
        {&grade.f_ck, 103, "%8.2f", "   25.00"},    {&grade.eps_c2, 126, "%8.3f", "   2.000"},
        {&grade.eps_cu2, 149, "%8.3f", "   3.500"}, {&grade.n, 172, "%8.2f", "    2.00"},
        {&grade.E_cm, 207, "%8.1f", " 26662.6"},
    };
    for (const Row& r : rows) {
        const ViewElement* e = field_of(r.value);
        ASSERT_NE(e, nullptr) << r.y;
        EXPECT_EQ(e->y1, r.y);
        EXPECT_STREQ(e->text, r.format);
        EXPECT_EQ(shown(e), r.text);
    }
    // Density held within 500 ... 2200; E_cm derived, so shown read-only.
    const MaskClamp* c = Mask_Find_Clamp(&grade.density);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->min, 500.0);
    EXPECT_EQ(c->max, 2200.0);
    EXPECT_EQ(field_of(&grade.E_cm)->active, &g_mask_state.read_only);
    EXPECT_EQ(field_of(&grade.f_ck)->active, &g_mask_state.editable);
    const auto boxes = of_type(VIEW_CHECK_BOX);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_STREQ(boxes[0]->text, "E-Modul automatisch ermitteln");
    EXPECT_EQ(boxes[0]->value, &grade.e_auto);
    EXPECT_NE(text("MN/m\xFD"), nullptr);
    EXPECT_NE(text("\x89"), nullptr);
    EXPECT_NE(text("kg/m\xFA"), nullptr);

    // Without e_auto the modulus is the user's.
    View_Area_Clear(unsigned(area));
    grade.e_auto = 0;
    Concrete_Parameter_Page(area, 0, 0, &grade);
    EXPECT_EQ(field_of(&grade.E_cm)->active, &g_mask_state.editable);
}

TEST_F(Pages, TypedStrengthDerivesTheModulus)
{
    grade.f_ck = 47000; // not the table value, so the derived modulus must change
    Concrete_Parameter_Page(area, 0, 0, &grade);
    View_Area_Show(unsigned(area));
    const ViewElement* fck = field_of(&grade.f_ck);
    ASSERT_NE(fck, nullptr);
    // A click into the field as the sheet hands it over, then "30" and Enter.
    Kov_Ui_Push_Click(20 + fck->x1 + 5, 20 + fck->y1 - 2);
    Get_Mouse_Event();
    static int turn;
    turn = 0;
    Kov_Ui_Set_Idle_Hook([](const char*) {
        if (turn++ == 0) Kov_Ui_Push_Text("30\r");
    });
    EXPECT_EQ(View_Area_Handle_Event(unsigned(area)), 1);
    Kov_Ui_Set_Idle_Hook(nullptr);
    EXPECT_DOUBLE_EQ(grade.f_ck, 30.0);
    // The page is drawn again with the typed value.
    View_Area_Clear(unsigned(area));
    Concrete_Parameter_Page(area, 0, 0, &grade);
    const ViewElement* e = field_of(&grade.E_cm);
    ASSERT_NE(e, nullptr);
    // 9500 (30 + 8)^(1/3) (0.8 + 38 / 440) MN/m2, worked out by hand.
    EXPECT_NEAR(*e->number, 28309.361, 1e-3);
    EXPECT_EQ(shown(e), " 28309.4");
    EXPECT_EQ(e->active, &g_mask_state.read_only);
    // The registrations divide back on confirmation: 30 MN/m2 and the modulus in kN/m2.
    EXPECT_DOUBLE_EQ(Mask_Find_Factor(&grade.f_ck)->factor, 0.001);
    EXPECT_DOUBLE_EQ(Mask_Find_Factor(&grade.E_cm)->factor, 0.001);
}

TEST_F(Pages, LightweightAndAlphaRows)
{
    ChoiceList* alpha = Concrete_Choice_List_New(1, 0x2 | 0x8);
    struct Case {
        ChoiceList* list;
        int key, mask;
        int height;
        bool density, alpha_row;
    } cases[] = {
        {list, 9, 0, 0, false, false},
        {list, 9, 0x02, 23, true, false},
        {alpha, 9, 0, 23, false, true},
        {alpha, 9, 0x02, 46, true, true},
    };
    for (const Case& c : cases) {
        View_Area_Clear(unsigned(area));
        int sel = Choice_List_Position(c.list, c.key, c.mask);
        EXPECT_EQ(Concrete_Choice_With_Parameters(area, 100, 60, &grade, c.list, &sel), c.height);
        const ViewElement* d = field_of(&grade.density);
        EXPECT_EQ(d != nullptr, c.density);
        if (d) {
            EXPECT_EQ(d->y1, 83);
            EXPECT_EQ(d->x1, 107);
            EXPECT_NE(text("Rohdichte"), nullptr);
            const MaskClamp* clamp = Mask_Find_Clamp(&grade.density);
            ASSERT_NE(clamp, nullptr);
            EXPECT_EQ(clamp->min, 500.0);
            EXPECT_EQ(clamp->max, 2200.0);
        }
        const ViewElement* a = field_of(&grade.alpha_cc);
        EXPECT_EQ(a != nullptr, c.alpha_row);
        if (a) {
            EXPECT_EQ(a->y1, 60 + c.height);
            EXPECT_STREQ(a->text, "%8.3f");
        }
    }
    Choice_List_Free(alpha);
}

TEST_F(Pages, ChoiceFieldsLabelsAndActivity)
{
    ChoiceList* steel = Rebar_Choice_List_New(2);
    int csel = 5, ssel = 6; // both on separators: moved up
    Concrete_Choice_Field(area, 10, 40, nullptr, list, &csel);
    Rebar_Choice_Field(area, 10, 70, nullptr, steel, &ssel);
    EXPECT_EQ(csel, 4);
    EXPECT_EQ(ssel, 5);
    const ViewElement* cl = text(cp850("Betongüte"));
    const ViewElement* sl = text(cp850("Stahlgüte"));
    ASSERT_NE(cl, nullptr);
    ASSERT_NE(sl, nullptr);
    EXPECT_EQ(cl->colour, BLACK_CI);
    EXPECT_EQ(cl->x2, 2); // frame style of the bit 0x20000
    auto choices = of_type(VIEW_CHOICE);
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0]->x1, 10 + 75 + 7);
    EXPECT_EQ(choices[0]->extra, 35);
    EXPECT_EQ(choices[1]->extra, 8);
    EXPECT_EQ(choices[0]->entries[34].colour, Nearest_Color_Index(0, 0, 255));

    // The steel group switched off: its label grey, its choice inert; the
    // concrete group stays.
    View_Area_Clear(unsigned(area));
    Material_Pages_Set_Active(MATERIAL_GROUP_STEEL, 0);
    Concrete_Choice_Field(area, 10, 40, nullptr, list, &csel);
    Rebar_Choice_Field(area, 10, 70, nullptr, steel, &ssel);
    EXPECT_EQ(text(cp850("Stahlgüte"))->colour, Nearest_RGB_Color(198, 195, 198));
    EXPECT_EQ(text(cp850("Betongüte"))->colour, BLACK_CI);
    choices = of_type(VIEW_CHOICE);
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0]->active, &g_mask_state.editable);
    EXPECT_NE(choices[1]->active, &g_mask_state.editable);
    EXPECT_EQ(Material_Pages_Active(MATERIAL_GROUP_STEEL), 0);
    Choice_List_Free(steel);
}

TEST_F(Pages, SteelFreePageOrLink)
{
    ChoiceList* steel = Rebar_Choice_List_New(1);
    RebarGrade s{};
    Rebar_Grade_Init(&s, 0);
    int sel = Choice_List_Position(steel, 3, 0);
    EXPECT_EQ(Rebar_Choice_With_Parameters(area, 10, 40, &s, steel, &sel), 0);
    sel = Choice_List_Position(steel, 5, 0);
    EXPECT_EQ(Rebar_Choice_With_Parameters(area, 10, 40, &s, steel, &sel), 107);
    struct Row {
        const double* value;
        int y;
        const char* text;
    } rows[] = {
        {&s.f_yk, 63, "  500.00"}, {&s.f_tk, 86, "  525.00"}, {&s.eps_su, 109, "  25.000"}, {&s.E_s, 132, "200000.0"}};
    for (const Row& r : rows) {
        const ViewElement* e = field_of(r.value);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->y1, r.y);
        EXPECT_EQ(shown(e), r.text);
    }
    ASSERT_EQ(of_type(VIEW_BITMAP).size(), 1u);
    EXPECT_STREQ(of_type(VIEW_BITMAP)[0]->text, "tools\\duved_fyk.bmp");
    EXPECT_EQ(of_type(VIEW_BITMAP)[0]->x1, 230);
    EXPECT_EQ(of_type(VIEW_BITMAP)[0]->y2, 181);

    View_Area_Clear(unsigned(area));
    Material_Pages_Set_Dialog_Mode(1);
    EXPECT_EQ(Rebar_Choice_With_Parameters(area, 10, 40, &s, steel, &sel), 23);
    const ViewElement* l = text("-> Stahlparameter definieren");
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->x1, 10);
    EXPECT_EQ(l->y1, 63);
    Choice_List_Free(steel);
}

TEST_F(Pages, NothingDrawnWithoutAnOutputArea)
{
    Mask_Set_Output_Area(-1);
    int sel = Choice_List_Position(list, 9, 0x02);
    EXPECT_EQ(Concrete_Choice_With_Parameters(area, 100, 60, &grade, list, &sel), 23);
    sel = Choice_List_Position(list, 20, 0);
    EXPECT_EQ(Concrete_Choice_With_Parameters(area, 100, 60, &grade, list, &sel), 183);
    EXPECT_EQ(count_all(), 0);
    // No field registered its factor, so the values stay in stored units.
    EXPECT_EQ(grade.f_ck, 25000.0);
    Concrete_Parameter_Page_Draw(area, 0); // no record: nothing
    EXPECT_EQ(count_all(), 0);
}

TEST_F(Pages, IntFieldsOfTheCurrentMask)
{
    int registered = 4, loose = 7;
    Mask_Add_Int(10, 40, &registered, 3, nullptr);
    ASSERT_NE(Mask_Find_Int_Shadow(&registered), nullptr);
    EXPECT_EQ(Mask_Get_Int_Field(&registered), 4);
    Mask_Set_Int_Field(&registered, 12);
    EXPECT_EQ(registered, 12);
    EXPECT_EQ(Mask_Find_Int_Shadow(&registered)->shadow, 12.0);
    EXPECT_EQ(Mask_Get_Int_Field(&registered), 12);

    EXPECT_EQ(Mask_Get_Int_Field(&loose), -99999999);
    Mask_Set_Int_Field(&loose, 3);
    EXPECT_EQ(loose, 7);
    EXPECT_EQ(Mask_Get_Int_Field(nullptr), -99999999);
    Mask_Set_Int_Field(nullptr, 3);

    // A nested level does not see the outer level's field.
    Mask_Push_Registration_Level();
    EXPECT_EQ(Mask_Get_Int_Field(&registered), -99999999);
    Mask_Pop_Registration_Level();
    EXPECT_EQ(Mask_Get_Int_Field(&registered), 12);
}

TEST(ParameterPictures, DrawnForTheProjectWithTheirKeyColour)
{
    struct Pic {
        const char* file;
        int w, h;
    } pics[] = {{"/data/tools/duved_fcd.bmp", 221, 193}, {"/data/tools/duved_fyk.bmp", 217, 142}};
    for (const Pic& p : pics) {
        QImage img(QString::fromStdString(std::string(KOV_SOURCE_DIR) + p.file));
        ASSERT_FALSE(img.isNull()) << p.file;
        EXPECT_EQ(img.width(), p.w);
        EXPECT_EQ(img.height(), p.h);
        EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0xEFFDEEu); // RGB 239, 253, 238
        int ink = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) != 0xEFFDEEu) ++ink;
        EXPECT_GT(ink, 500) << p.file;
    }
}

TEST_F(Pages, PictureOfTheConcretePage)
{
    Mask_Set_Back_Color(Nearest_RGB_Color(255, 251, 240));
    View_Area_Set_Background(unsigned(area), Nearest_RGB_Color(255, 251, 240));
    int sel = Choice_List_Position(list, 20, 0);
    Concrete_Choice_Labelled(area, 10, 40, &grade, list, &sel);
    // The free steel below it.
    ChoiceList* steel = Rebar_Choice_List_New(2);
    RebarGrade s{};
    Rebar_Grade_Init_B500(&s, 1);
    int ssel = Choice_List_Position(steel, 5, 0);
    Rebar_Choice_With_Parameters(area, 10, 260, &s, steel, &ssel);
    View_Area_Show(unsigned(area));
    Activate_Prop_Sheet();
    // The picture shows where the page puts it (screen = area corner + content):
    // its key colour is transparent, its curve is drawn.
    int curve = 0;
    for (int y = 26; y < 26 + 193; ++y)
        for (int x = 20 + 10 + 200; x < 20 + 10 + 421; ++x)
            if (Kov_Ui_Pixel(x, y) == Nearest_Color_Index(0, 0, 160)) ++curve;
    EXPECT_GT(curve, 100);
    EXPECT_EQ(Kov_Ui_Save_Png((scrtest::artefacts() + "/materials_concrete_page.png").c_str()), 1);
    // The choice shows the list's names until the area lets it go.
    View_Area_Clear(unsigned(area));
    Choice_List_Free(steel);
}

namespace {

// What the scripted user does in a free-definition dialog: one step each time
// the sheet waits; without steps left the wait answers like Escape.
std::vector<void (*)()> g_steps;
size_t g_step = 0;
ConcreteGrade* g_edited = nullptr;

void dialog_idle(const char*)
{
    if (g_step < g_steps.size()) g_steps[g_step++]();
}

void click_sheet_id(int id)
{
    int x1, y1, x2, y2;
    ASSERT_TRUE(Kov_Ui_Sheet_Rect(id, &x1, &y1, &x2, &y2)) << id;
    Kov_Ui_Push_Click((x1 + x2) / 2, (y1 + y2) / 2);
}

class Dialogs : public testing::Test {
protected:
    void SetUp() override
    {
        scrtest::fresh_screen();
        setenv("DATA", KOV_SOURCE_DIR "/data", 1);
        Mask_State_Reset();
        Mask_Engine_Reset();
        Mask_Draw_Reset();
        Material_Pages_Reset();
        g_steps.clear();
        g_step = 0;
        Kov_Ui_Set_Idle_Hook(dialog_idle);
        // A free grade of the user's, not a table grade.
        Concrete_Grade_Init_Ec2(&grade, 3, 0, 2200.0);
        std::memset(grade.name, 0, sizeof grade.name);
        std::strcpy(grade.name, "Mein Beton");
        grade.f_ck = 47000;
        grade.alpha_cc = 0.9;
        grade.E_cm = 31000000;
        grade.e_auto = 1;
        Concrete_Grade_Derive_Strains(&grade);
        g_edited = &grade;
    }
    void TearDown() override
    {
        Kov_Ui_Set_Idle_Hook(nullptr);
        View_Area_Close_All();
        Mask_Draw_Reset();
        Mask_State_Reset();
        Material_Pages_Reset();
        Kov_Ui_Sheets_Reset();
        Kov_Set_Ui_Mode(-1);
        unsetenv("DATA");
        g_edited = nullptr;
    }
    ConcreteGrade grade{};
};

} // namespace

TEST_F(Dialogs, CancelGivesTheGradeBackByteForByte)
{
    ConcreteGrade before;
    std::memcpy(&before, &grade, sizeof grade);
    // Cancelled by the user after a change, then with nothing queued at all.
    g_steps = {[] {
        g_edited->f_ck = 60.0;
        click_sheet_id(100);
    }};
    EXPECT_EQ(Concrete_Free_Definition_Dialog(&grade), 0);
    EXPECT_EQ(std::memcmp(&before, &grade, sizeof grade), 0);
    g_steps.clear();
    g_step = 0;
    EXPECT_EQ(Concrete_Free_Definition_Dialog(&grade), 0);
    EXPECT_EQ(std::memcmp(&before, &grade, sizeof grade), 0);
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    EXPECT_EQ(Concrete_Free_Definition_Dialog(&grade), 0);
    EXPECT_EQ(std::memcmp(&before, &grade, sizeof grade), 0);
}

TEST_F(Dialogs, ConfirmKeepsTheStrengthAndDerivesStrainsAndModulus)
{
    // The page shows MN/m2: the user enters 52 and confirms.
    g_steps = {[] {
        g_edited->f_ck = 52.0;
        click_sheet_id(200);
    }};
    EXPECT_EQ(Concrete_Free_Definition_Dialog(&grade), 1);
    EXPECT_STREQ(grade.name, "Mein Beton");
    EXPECT_DOUBLE_EQ(grade.f_ck, 52000.0);
    EXPECT_DOUBLE_EQ(grade.alpha_cc, 0.9);
    // Between C50/60 (-2.6, -3.5 per mille) and C55/67 (-2.65, -3.4) at 2/5.
    EXPECT_NEAR(grade.eps_c1, -0.00262, 1e-12);
    EXPECT_NEAR(grade.eps_cu1, -0.00346, 1e-12);
    // 9500 (52 + 8)^(1/3) (0.8 + 60 / 440) MN/m2, worked out by hand.
    EXPECT_NEAR(grade.E_cm, 34824527.15, 0.1);
}

TEST_F(Dialogs, EmptyGradeStartsFromTheDefaults)
{
    ConcreteGrade none{};
    ConcreteGrade c2530{};
    Concrete_Grade_Init_Ec2(&c2530, 3, 0, 2200.0);
    g_steps = {[] { click_sheet_id(200); }};
    EXPECT_EQ(Concrete_Free_Definition_Dialog(&none), 1);
    EXPECT_STREQ(none.name, c2530.name);
    EXPECT_DOUBLE_EQ(none.f_ck, 25000.0);

    RebarGrade steel{};
    g_step = 0;
    g_steps = {[] { click_sheet_id(200); }};
    EXPECT_EQ(Rebar_Free_Definition_Dialog(&steel), 1);
    EXPECT_STREQ(steel.name, "BSt 500 (A)");
    EXPECT_DOUBLE_EQ(steel.f_yk, 500000.0);

    // A steel of the user's survives a cancel.
    std::strcpy(steel.name, "Mein Stahl");
    steel.f_yk = 550000;
    RebarGrade before;
    std::memcpy(&before, &steel, sizeof steel);
    g_steps.clear();
    g_step = 0;
    EXPECT_EQ(Rebar_Free_Definition_Dialog(&steel), 0);
    EXPECT_EQ(std::memcmp(&before, &steel, sizeof steel), 0);
}
