// The annex editor pages on the scripted screen, read back through the view
// area's element list: where the sections and fields stand, which the current
// program shows, and what clicks and edits do to the record.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <string>
#include <vector>

#include "nad/nadlist.h"
#include "nad/nadoli.h"
#include "nad/nadprog.h"
#include "nad/pages/nadedit.h"
#include "nad/pages/tests/nadedit_fixture.h"
#include "nad/tests/nadenv_fixture.h"
#include "nad/tests/nadlist_fixture.h"
#include "platform/kovscript.h"

namespace {

using nadedit::Canvas;
using nadedit::Item;

// The program directories of the fixtures, run as application number app
// (0: no program, every rule shown).
using Program = nadtest::ProgramEnv;

NadEc5Record ec5(int na_de)
{
    NadEc5Record r{};
    Nad_Default_Ec5(&r);
    Nad_Set_Ec5_Na_De(&r, na_de);
    return r;
}

const char* const kEc5Sections[] = {
    "Materialsicherheitsbeiwerte",
    "Modifikationsbeiwerte",
    "Verformungsbeiwerte",
    "Verformungsgrenzwerte",
    "Tragfähigkeit: Rissfaktor",
    "Tragfähigkeit: Nachweis der Torsionsspannungen",
    "Gebrauchstauglichkeit: 3. Teilnachweis",
    "Biegedrillknicken: Berechnung der bezogenen Kippschlankheit",
};
const char* const kEc5Table = "EN 1995-1-1 (Eurocode 5, Grundnorm)";

// The y of the clause table: its title check box stands 15 below it.
int ec5_table_y(const Canvas& c)
{
    const Item t = c.find(VIEW_CHECK_BOX, kEc5Table);
    EXPECT_EQ(t.type, VIEW_CHECK_BOX);
    return t.y - 15;
}

std::vector<int> ys_of(const std::vector<Item>& v)
{
    std::vector<int> ys;
    for (const Item& i : v) ys.push_back(i.y);
    return ys;
}

} // namespace

// The fixture itself: what it reads back and what its clicks and edits do.
TEST(NadEditFixture, ReadsBackClicksAndEdits)
{
    Canvas c;
    int box = 0, on = 1, off = 0, radio = 1;
    double v = 1.25, w = 2.0;
    View_Area_Add_Text(c.area(), 6, 20, nadedit::cp("Überschrift").c_str(), 0x1000, 0, 0);
    View_Area_Add_Check_Box(c.area(), 26, 45, "Haken", 0x1000, 0, &box, &on);
    View_Area_Add_Radio_Button(c.area(), 114, 700, "        ", 0x1000, 0, 2, &radio, &on);
    View_Area_Add_Float(c.area(), 201, 900, &v, "%4.2f", 0x1000, 0, &on);
    View_Area_Add_Float(c.area(), 201, 940, &w, "%4.2f", 0x1000, 0, &off);
    View_Area_Show(c.area());

    const std::vector<Item> all = c.items();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[0].type, VIEW_TEXT);
    EXPECT_EQ(all[0].text, "\x9A"
                           "berschrift");
    EXPECT_EQ(c.find(VIEW_TEXT, "Überschrift").y, 20);
    const Item cb = c.bound_to(&box);
    EXPECT_EQ(cb.type, VIEW_CHECK_BOX);
    EXPECT_EQ(cb.x, 26);
    EXPECT_EQ(cb.y, 45);
    EXPECT_EQ(cb.active, &on);
    EXPECT_EQ(c.of_type(VIEW_FLOAT).size(), 2u);
    EXPECT_FALSE(c.bound_to(&w).is_active());

    EXPECT_EQ(c.click(cb), 1);
    EXPECT_EQ(box, 1);
    EXPECT_EQ(c.click(c.bound_to(&radio)), 1); // far down: scrolled first
    EXPECT_EQ(radio, 2);
    EXPECT_EQ(c.edit(c.bound_to(&v), "1,4"), 1);
    EXPECT_DOUBLE_EQ(v, 1.4);
    c.edit(c.bound_to(&w), "9"); // inactive: stays
    EXPECT_DOUBLE_EQ(w, 2.0);

    const QImage img = c.picture();
    EXPECT_GE(img.height(), 940);
}

// ---- EC5 ------------------------------------------------------------------------------

TEST(NadEditEc5, SectionsFollowOneAnotherByTheirHeights)
{
    Program prog(0);
    Canvas c;
    NadEc5Record r = ec5(1);
    Nad_Edit_Ec5(c.area(), &r, 1);
    EXPECT_EQ(c.find(VIEW_TEXT, "Parameter für alle zorv-Stabwerksprogramme").y, 20);
    const int starts[] = {45, 308, 618, 738, 903, 1088, 1228, 1388};
    for (int i = 0; i < 8; ++i) {
        const Item t = c.find(VIEW_CHECK_BOX, kEc5Sections[i]);
        EXPECT_EQ(t.y, starts[i]) << kEc5Sections[i];
        EXPECT_EQ(t.x, 26);
        EXPECT_EQ(t.font, 0x1000); // 0x11000 with the bold bit taken off
    }
    EXPECT_EQ(ec5_table_y(c), 1453);
    // Sample fields of each section, relative to its start; each inside its
    // row of the picture below it.
    struct Field {
        const void* value;
        int x, dy, section;
    } const fields[] = {
        {&r.gamma_m_fire, 201, 183, 0},    {&r.k_mod[4][2], 94 + 108, 86 + 72, 1},
        {&r.k_def[1], 146, 87, 2},         {&r.deflection_limits[2][1], 170, 132, 3},
        {&r.k_cr_solid, 187, 76, 4},       {&r.k_shape_max, 290, 112, 5},
        {&r.ltb_glulam_factor, 76, 45, 7},
    };
    for (const Field& f : fields) {
        const Item i = c.bound_to(f.value);
        EXPECT_EQ(i.x, f.x) << f.section;
        EXPECT_EQ(i.y, starts[f.section] + f.dy) << f.section;
    }
    EXPECT_EQ(ys_of(c.all_bound_to(&r.w_net_fin_combination)), (std::vector<int>{1228 + 94, 1228 + 115}));

    // Every section collapsed (a click on its title), then laid out again.
    for (const char* s : kEc5Sections) {
        EXPECT_EQ(c.click(c.find(VIEW_CHECK_BOX, s)), 1) << s;
        Nad_Edit_Ec5(c.area(), &r, 1);
    }
    EXPECT_EQ(ec5_table_y(c), 245);
    EXPECT_TRUE(c.of_type(VIEW_DRAWN_BOX).empty());
}

TEST(NadEditEc5, Application73ShowsOnlyTheClauseTable)
{
    Program prog(73);
    Canvas c;
    NadEc5Record r = ec5(1);
    Nad_Edit_Ec5(c.area(), &r, 1);
    EXPECT_EQ(ec5_table_y(c), 20);
    EXPECT_TRUE(c.with_text("Parameter für alle zorv-Stabwerksprogramme").empty());
    EXPECT_TRUE(c.of_type(VIEW_DRAWN_BOX).empty());
    for (const char* s : kEc5Sections) EXPECT_EQ(c.find(VIEW_CHECK_BOX, s).type, 0) << s;
    EXPECT_TRUE(c.has_bound(&r.use_na7));
}

TEST(NadEditEc5, ClauseTableRowsOfTheGermanAnnex)
{
    Program prog(73);
    Canvas c;
    NadEc5Record r = ec5(1);
    Nad_Edit_Ec5(c.area(), &r, 1);
    const int t = ec5_table_y(c);
    EXPECT_EQ(c.find(VIEW_TEXT, "Kapitel").y, t + 45);
    EXPECT_EQ(c.of_type(VIEW_LINE).at(0).y, t + 51);
    // The switches carry their labels; the fields their formats.
    struct Row {
        const void* value;
        int type, x, dy;
        const char* text;
    } const rows[] = {
        {&r.use_table_na1, VIEW_CHECK_BOX, 92, 65, "Tabelle NA.1 anwenden"},
        {&r.gamma_m_solid, VIEW_FLOAT, 136, 144, "%5.2f"},
        {&r.gamma_m_glulam, VIEW_FLOAT, 136, 162, "%5.2f"},
        {&r.gamma_m_accidental, VIEW_FLOAT, 136, 342, "%5.2f"},
        {&r.gamma_m_steel, VIEW_FLOAT, 136, 360, "%5.2f"},
        {&r.gamma_m_gypsum, VIEW_FLOAT, 136, 378, "%5.2f"},
        {&r.use_table_na4, VIEW_CHECK_BOX, 92, 386, "Tabelle NA.4 anwenden"},
        {&r.use_table_na15, VIEW_CHECK_BOX, 92, 427, "Tabelle NA.15 anwenden"},
        {&r.use_na11, VIEW_CHECK_BOX, 92, 468, "NA.11 anwenden"},
        {&r.threaded_rods_na, VIEW_CHECK_BOX, 92, 555, "Gewindestangen nach NA-DE"},
        {&r.ltb_na, VIEW_CHECK_BOX, 92, 596, "Biegedrillknicken nach NA-DE"},
        {&r.simplified_fasteners_na, VIEW_CHECK_BOX, 92, 637, "Vereinfachtes Verfahren nach NA-DE"},
        {&r.use_na20, VIEW_CHECK_BOX, 92, 711, "NA.20 anwenden"},
        {&r.use_na21, VIEW_CHECK_BOX, 92, 734, "NA.21 anwenden"},
        {&r.use_na816, VIEW_CHECK_BOX, 92, 757, "NA.8.1.6 anwenden"},
        {&r.use_na7, VIEW_CHECK_BOX, 92, 780, "NA.8.6 (NA.7) anwenden"},
    };
    for (const Row& w : rows) {
        const Item i = c.bound_to(w.value);
        EXPECT_EQ(i.type, w.type) << w.dy;
        EXPECT_EQ(i.x, w.x) << w.dy;
        // Check boxes stand on the base line of their texts, 10 below the row.
        EXPECT_EQ(i.y, t + w.dy + (w.type == VIEW_CHECK_BOX ? 10 : 0)) << w.dy;
        EXPECT_EQ(i.text, w.text) << w.dy;
    }
    const struct {
        const char* text;
        int dy;
    } clauses[] = {{"2.3.1.2", 65}, {"2.4.1", 111},   {"Tab. 2.3", 144}, {"3.1.3", 386},
                   {"8.3.2", 427},  {"8.3.1.2", 468}, {"6.1.7", 514},    {"8.5.3", 555},
                   {"6.3.3", 596},  {"8.2.4", 637},   {"9.2.4.2", 678}};
    for (const auto& k : clauses) {
        const Item i = c.find(VIEW_TEXT, k.text);
        EXPECT_EQ(i.x, 10) << k.text;
        EXPECT_EQ(i.y, t + k.dy + (k.dy == 144 ? 0 : 10)) << k.text;
    }
    // Twelve gamma rows with the EC rules, fourteen with the German annex.
    EXPECT_EQ(c.with_bytes("\xC0").size(), 14u);
    EXPECT_FALSE(c.has_bound(&r.k_cr_solid));
}

TEST(NadEditEc5, WithoutTheGermanAnnexTheTableEndsWithTheKcrRows)
{
    Program prog(73);
    Canvas c;
    NadEc5Record r = ec5(0);
    Nad_Edit_Ec5(c.area(), &r, 1);
    const int t = ec5_table_y(c);
    EXPECT_EQ(c.find(VIEW_TEXT, "6.1.7").y, t + 350 + 10);
    EXPECT_EQ(c.bound_to(&r.k_cr_solid).y, t + 383);
    EXPECT_EQ(c.bound_to(&r.k_cr_other).y, t + 401);
    EXPECT_EQ(c.with_bytes("\xC0").size(), 12u);
    for (const void* p : {(const void*)&r.gamma_m_steel, (const void*)&r.use_table_na4, (const void*)&r.use_na7})
        EXPECT_FALSE(c.has_bound(p));
    // The last texts of the page: the two k_cr rows.
    std::vector<Item> texts = c.of_type(VIEW_TEXT);
    std::vector<std::string> right;
    for (const Item& i : texts)
        if (i.x == 302) right.push_back(i.text);
    ASSERT_GE(right.size(), 3u);
    EXPECT_EQ(right[right.size() - 3], "GZT: Schub");
    EXPECT_EQ(right[right.size() - 2], "Voll- und Brettschichtholz");
    EXPECT_EQ(right.back(), "Andere");
    const Item fields = c.of_type(VIEW_FLOAT).back();
    EXPECT_EQ(fields.bound, &r.k_cr_other);
}

TEST(NadEditEc5, TheKcrBoxSwitchesBetweenTheRulesAndTheFieldsFollowAtTheNextLayout)
{
    Program prog(0);
    Canvas c;
    NadEc5Record r = ec5(1);
    r.k_cr_mode = 1;
    Nad_Edit_Ec5(c.area(), &r, 1);
    Item box;
    for (const Item& i : c.of_type(VIEW_CHECK_BOX))
        if (i.change == Ec5_Editor_Kcr_Toggle) box = i;
    ASSERT_EQ(box.type, VIEW_CHECK_BOX);
    EXPECT_EQ(*static_cast<const int*>(box.bound), 0);
    EXPECT_TRUE(c.bound_to(&r.k_cr_solid).is_active());
    EXPECT_EQ(c.click(box), 1);
    EXPECT_EQ(r.k_cr_mode, 2);
    // The crack-factor fields still follow the layout.
    EXPECT_TRUE(c.bound_to(&r.k_cr_solid).is_active());
    Nad_Edit_Ec5(c.area(), &r, 1);
    EXPECT_FALSE(c.bound_to(&r.k_cr_solid).is_active());
    EXPECT_FALSE(c.bound_to(&r.k_cr_other).is_active());
    for (const Item& i : c.of_type(VIEW_CHECK_BOX))
        if (i.change == Ec5_Editor_Kcr_Toggle) box = i;
    EXPECT_EQ(*static_cast<const int*>(box.bound), 1);
    EXPECT_EQ(c.click(box), 1);
    EXPECT_EQ(r.k_cr_mode, 1);
    // The radio buttons of the crack-factor section set the mode too.
    const std::vector<Item> radios = c.all_bound_to(&r.k_cr_mode);
    ASSERT_EQ(radios.size(), 2u);
    EXPECT_EQ(radios[1].aux, 2);
    EXPECT_EQ(c.click(radios[1]), 1);
    EXPECT_EQ(r.k_cr_mode, 2);
}

TEST(NadEditEc5, PictureStripsAreCutFromTheirRows)
{
    Canvas c;
    int zero = 0, ten = 10, five = 5, one = 1;
    Kov_Script_Clear_Log();
    Ec5_Editor_Picture(16, 30, 410, 170, nullptr);
    Ec5_Editor_Picture(16, 30, 410, 170, &zero);
    Ec5_Editor_Picture(16, 30, 410, 170, &ten);
    for (int i = 0; i < Kov_Script_Log_Count(); ++i)
        EXPECT_EQ(std::string(Kov_Script_Log_Line(i)).find("pxDraw"), std::string::npos) << Kov_Script_Log_Line(i);
    Ec5_Editor_Picture(16, 30, 410, 170, &five);
    Ec5_Editor_Picture(2, 3, 0, 0, &one);
    std::vector<std::string> draws;
    for (int i = 0; i < Kov_Script_Log_Count(); ++i) {
        const std::string l = Kov_Script_Log_Line(i);
        if (l.rfind("pxDrawPartialTransparentDIB", 0) == 0) draws.push_back(l);
    }
    EXPECT_EQ(draws,
              (std::vector<std::string>{
                  "pxDrawPartialTransparentDIB NAD\\EC5DodevNads.bmp 0 418 368 541 16 30 384 153 201 -1 255 251 240",
                  "pxDrawPartialTransparentDIB NAD\\EC5DodevNads.bmp 0 0 368 130 2 3 370 133 201 -1 255 251 240"}));
}

TEST(NadEditEc5, FieldEditsWriteIntoTheRecordOnlyWhenEditable)
{
    Program prog(0);
    Canvas c;
    NadEc5Record r = ec5(1);
    const double before = r.gamma_m_solid;
    Nad_Edit_Ec5(c.area(), &r, 0);
    for (const Item& i : c.items())
        if (i.type == VIEW_FLOAT || i.type == VIEW_RADIO_BUTTON) {
            EXPECT_FALSE(i.is_active()) << i.y;
        }
    c.edit(c.all_bound_to(&r.gamma_m_solid).back(), "1,7");
    EXPECT_DOUBLE_EQ(r.gamma_m_solid, before);
    // The section titles still open and close their sections.
    const Item title = c.find(VIEW_CHECK_BOX, kEc5Sections[2]);
    EXPECT_EQ(c.click(title), 1);
    EXPECT_EQ(*static_cast<const int*>(title.bound), 0);

    Nad_Edit_Ec5(c.area(), &r, 7);
    EXPECT_EQ(c.edit(c.all_bound_to(&r.gamma_m_solid).back(), "1,7"), 1);
    EXPECT_DOUBLE_EQ(r.gamma_m_solid, 1.7);
    EXPECT_EQ(c.edit(c.bound_to(&r.k_mod[2][1]), "0.55"), 1);
    EXPECT_DOUBLE_EQ(r.k_mod[2][1], 0.55);
}

// ---- EC3 ------------------------------------------------------------------------------

namespace {
const char* const kEc31 = "EN 1993-1-1 (Eurocode 3, Grundnorm)";
const char* const kEc18 = "EN 1993-1-8 (Eurocode 3, Anschlüsse)";
} // namespace

TEST(NadEditEc3, Application151ShowsTheBaseStandardWithoutJoints)
{
    Program prog(151);
    Canvas c;
    NadEc3Record r{};
    Nad_Default_Ec3_De(&r);
    r.ec31.f_given = 0;
    r.ec31.k_c_from_table = 0;
    Nad_Edit_Ec3(c.area(), &r, 1);
    const Item title = c.find(VIEW_CHECK_BOX, kEc31);
    EXPECT_EQ(title.y, 20);
    EXPECT_TRUE(c.with_text(kEc18).empty());
    const NadEc31Record& p = r.ec31;
    for (const void* v : {(const void*)&p.gamma_m0, (const void*)&p.gamma_m1, (const void*)&p.gamma_m2,
                          (const void*)&p.gamma_m0_acc, (const void*)&p.gamma_m1_acc, (const void*)&p.gamma_m2_acc,
                          (const void*)&p.lambda_lt0, (const void*)&p.beta_lt, (const void*)&p.use_f_modification,
                          (const void*)&p.f_given, (const void*)&p.f_value, (const void*)&p.k_c_value}) {
        ASSERT_TRUE(c.has_bound(v));
        // The switch of f stands after its clause "6.3.2.2", on a row of its own.
        const int box = v == &p.use_f_modification ? 78 : 62;
        EXPECT_EQ(c.bound_to(v).x, c.bound_to(v).type == VIEW_FLOAT ? 136 : box);
    }
    EXPECT_EQ(c.all_bound_to(&p.k_c_from_table).size(), 2u);
    EXPECT_FALSE(c.has_bound(&p.gamma_m_fi));
    EXPECT_FALSE(c.has_bound(&r.ec38.gamma_m3));
    // Without group 2: the two-line situation heading, no screw note.
    EXPECT_EQ(c.find(VIEW_TEXT, "ständige und vorüber-").x, 67);
    EXPECT_TRUE(c.with_text("Beanspruchbarkeit von Schraube,").empty());
    EXPECT_EQ(c.find(VIEW_TEXT, "außergewöhnliche").x, 67);
    // f not given: f inactive, the k_c choice and (not from the table) k_c active.
    EXPECT_FALSE(c.bound_to(&p.f_value).is_active());
    EXPECT_TRUE(c.bound_to(&p.k_c_value).is_active());
    for (const Item& i : c.all_bound_to(&p.k_c_from_table)) EXPECT_TRUE(i.is_active());
    // Rows grow downwards; the page ends 30 below the last frame.
    EXPECT_LT(c.bound_to(&p.gamma_m0).y, c.bound_to(&p.gamma_m1).y);
    EXPECT_LT(c.bound_to(&p.gamma_m2_acc).y, c.bound_to(&p.lambda_lt0).y);
    EXPECT_LT(c.bound_to(&p.f_value).y, c.bound_to(&p.k_c_value).y);
}

TEST(NadEditEc3, GivenFactorFDisablesTheKcChoiceAndGreysItsLabel)
{
    Program prog(151);
    Canvas c;
    NadEc3Record r{};
    Nad_Default_Ec3(&r);
    r.ec31.f_given = 1;
    r.ec31.k_c_from_table = 0;
    Nad_Edit_Ec3(c.area(), &r, 1);
    EXPECT_TRUE(c.bound_to(&r.ec31.f_value).is_active());
    for (const Item& i : c.all_bound_to(&r.ec31.k_c_from_table)) EXPECT_FALSE(i.is_active());
    EXPECT_FALSE(c.bound_to(&r.ec31.k_c_value).is_active());
    const Item k = c.find(VIEW_TEXT, "k   vorgeben");
    Item sub;
    for (const Item& i : c.with_text("c"))
        if (i.x > 67 && i.x < 100 && i.y == k.y + 2) sub = i;
    EXPECT_EQ(sub.colour, Nearest_RGB_Color(192, 192, 192));
    // Clearing f by its box: the choice follows at the next layout.
    EXPECT_EQ(c.click(c.bound_to(&r.ec31.f_given)), 1);
    EXPECT_EQ(r.ec31.f_given, 0);
    Nad_Edit_Ec3(c.area(), &r, 1);
    for (const Item& i : c.all_bound_to(&r.ec31.k_c_from_table)) EXPECT_TRUE(i.is_active());
    for (const Item& i : c.with_text("c"))
        if (i.x < 100) {
            EXPECT_EQ(i.colour, BLACK_CI);
        }
    EXPECT_EQ(c.click(c.all_bound_to(&r.ec31.k_c_from_table)[0]), 1);
    EXPECT_EQ(r.ec31.k_c_from_table, 1);
}

TEST(NadEditEc3, JointsSectionNeedsGroupsZeroTwoAndThree)
{
    {
        // Masks with groups 0 and 3 but not 2: the output page, no editor section.
        Program prog(571);
        Canvas c;
        NadEc3Record r{};
        Nad_Default_Ec3(&r);
        Nad_Edit_Ec3(c.area(), &r, 1);
        EXPECT_TRUE(c.with_text(kEc18).empty());
        EXPECT_FALSE(c.has_bound(&r.ec38.gamma_m3));
        nadtest::activate("Deutschland");
        nadtest::List l;
        Nad_Oli_Ec38_Joints(l.f);
        EXPECT_NE(l.text().find("2.2(2)"), std::string::npos);
    }
    {
        Program prog(150);
        Canvas c;
        NadEc3Record r{};
        Nad_Default_Ec3(&r);
        Nad_Edit_Ec3(c.area(), &r, 1);
        const Item title = c.find(VIEW_CHECK_BOX, kEc18);
        ASSERT_EQ(title.type, VIEW_CHECK_BOX);
        EXPECT_EQ(*static_cast<const int*>(title.bound), 1); // starts open
        const double* fields[] = {&r.ec38.gamma_m3,     &r.ec38.gamma_m3_ser, &r.ec38.gamma_m4,
                                  &r.ec38.gamma_m6_ser, &r.ec38.gamma_m7,     &r.ec38.gamma_m5};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(c.bound_to(fields[i]).y, title.y + 123 + 18 * i);
            EXPECT_EQ(c.bound_to(fields[i]).x, 136);
        }
        // With group 2: the one-line heading and the note on screws.
        EXPECT_TRUE(c.with_text("ständige und vorüber-").empty());
        EXPECT_EQ(c.find(VIEW_TEXT, "Beanspruchbarkeit von Schraube,").x, 206);
    }
}

TEST(NadEditEc3, SectionsOfEveryPartWithTheirHeights)
{
    Program prog(0); // no program: every rule
    Canvas c;
    NadEc3Record r{};
    Nad_Default_Ec3(&r);
    Nad_Edit_Ec3(c.area(), &r, 1);
    const char* titles[] = {kEc31,
                            "EN 1993-1-2 (Eurocode 3, Brandfall)",
                            kEc18,
                            "EN 1993-1-5 (Eurocode 3, Plattenbeulen)",
                            "EN 1993-1-9 (Eurocode 3, Ermüdung)",
                            "EN 1993-6 (Eurocode 3, Kranbahnen)"};
    std::vector<Item> bars;
    for (const char* t : titles) {
        bars.push_back(c.find(VIEW_CHECK_BOX, t));
        EXPECT_EQ(bars.back().type, VIEW_CHECK_BOX) << t;
    }
    // EN 1993-1-2 closed: 30; EN 1993-1-8 open: 251; the others closed.
    EXPECT_EQ(bars[2].y - bars[1].y, 30);
    EXPECT_EQ(bars[3].y - bars[2].y, 251);
    EXPECT_EQ(bars[4].y - bars[3].y, 30);
    EXPECT_EQ(bars[5].y - bars[4].y, 30);
    for (int i = 1; i < 6; ++i) EXPECT_EQ(*static_cast<const int*>(bars[i].bound), i == 2 ? 1 : 0) << i;
    // Open them all: 126, 174, 174 and the crane section's field.
    for (int i : {1, 3, 4, 5}) EXPECT_EQ(c.click(bars[i]), 1);
    Nad_Edit_Ec3(c.area(), &r, 1);
    bars.clear();
    for (const char* t : titles) bars.push_back(c.find(VIEW_CHECK_BOX, t));
    EXPECT_EQ(bars[2].y - bars[1].y, 126);
    EXPECT_EQ(bars[4].y - bars[3].y, 174);
    EXPECT_EQ(bars[5].y - bars[4].y, 174);
    EXPECT_EQ(c.bound_to(&r.ec31.gamma_m_fi).y, bars[1].y + 88);
    EXPECT_EQ(c.bound_to(&r.ec38.gamma_m_ser).y, bars[5].y + 88);
    const std::vector<Item> notes = c.all_bound_to(&r.ec38.shear_lag_note);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].x, 142);
    EXPECT_EQ(notes[0].aux, 2);
    EXPECT_EQ(notes[1].x, 182);
    EXPECT_EQ(notes[1].aux, 3);
    EXPECT_EQ(c.bound_to(&r.ec38.gamma_mf_tolerant_low).x, 67);
    EXPECT_EQ(c.bound_to(&r.ec38.gamma_mf_safe_life_high).x, 136);
    EXPECT_EQ(c.click(notes[1]), 1);
    EXPECT_EQ(r.ec38.shear_lag_note, 3);
}

TEST(NadEditEc3, RowDrawersDifferInTheirFrames)
{
    Canvas c;
    const unsigned a = c.area();
    EXPECT_EQ(Ec3_Editor_Row(a, 100, 1, "x", nullptr, "", 0x1002), 102);
    EXPECT_EQ(Ec3_Editor_Row(a, 200, 18, nullptr, "v", nullptr, 0x1000), 218);
    EXPECT_EQ(Ec3_Editor_Row(a, 300, 0, nullptr, nullptr, nullptr, 0x1000), 300);
    EXPECT_EQ(Ec38_Editor_Row(a, 400, 23, "", "", "e", 0x1002), 423);
    EXPECT_EQ(Ec5_Editor_Row(a, 500, -10, "k", nullptr, nullptr, 0x1000), 490);
    const std::vector<Item> boxes = c.of_type(VIEW_FILLED_BOX);
    ASSERT_EQ(boxes.size(), 6u);
    EXPECT_EQ(boxes[0].y, 92); // small font: from y - 8
    EXPECT_EQ(boxes[0].y2, 102);
    EXPECT_EQ(boxes[1].x, 200);
    EXPECT_EQ(boxes[1].x2, 382);
    EXPECT_EQ(boxes[2].y, 190);
    EXPECT_EQ(boxes[4].y, 390); // Ec38: always y - 10
    const std::vector<Item> texts = c.of_type(VIEW_TEXT);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].x, 10);
    EXPECT_EQ(texts[1].x, 67);
    EXPECT_EQ(texts[2].x, 206);
    EXPECT_EQ(texts[3].y, 500);
}

// ---- EC0 ------------------------------------------------------------------------------

namespace {
const char* const kBuildings = "Faktoren für den Hochbau";
const char* const kBridges = "Faktoren für den Brückenbau";

// The part header's check box (the title text beside it is no control).
Item header_box(const Canvas& c, const char* title)
{
    const Item t = c.find(VIEW_TEXT, title);
    for (const Item& i : c.of_type(VIEW_CHECK_BOX))
        if (i.y == t.y - 1) return i;
    return Item{};
}
} // namespace

TEST(NadEditEc0, BridgesAloneStandAtTheTop)
{
    Program prog(572);
    Canvas c;
    NadEc0Record r{};
    Nad_Default_Ec0(&r);
    Nad_Edit_Ec0(c.area(), &r, 1);
    EXPECT_TRUE(c.with_text(kBuildings).empty());
    EXPECT_EQ(c.find(VIEW_TEXT, kBridges).y, 14 + 15);
    EXPECT_EQ(c.bound_to(&r.bridge_gamma[0][0][0]).y, 123);
    EXPECT_EQ(c.bound_to(&r.bridge_gamma[0][0][0]).x, 262);
    EXPECT_EQ(c.bound_to(&r.bridge_gamma[0][0][1]).x, 321);
    EXPECT_EQ(c.find(VIEW_FILLED_BOX, "").y, 14);
}

TEST(NadEditEc0, BridgesMoveWithTheBuildingsPart)
{
    Program prog(0);
    Canvas c;
    NadEc0Record r{};
    Nad_Default_Ec0(&r);
    Nad_Edit_Ec0(c.area(), &r, 1);
    EXPECT_EQ(c.find(VIEW_TEXT, kBuildings).y, 29);
    EXPECT_EQ(c.find(VIEW_TEXT, kBridges).y, 1555 + 15);
    EXPECT_EQ(c.bound_to(&r.bridge_gamma[0][0][0]).y, 1555 + 109);
    EXPECT_EQ(c.bound_to(&r.building_gamma[0][0][0]).y, 124);
    const Item b = header_box(c, kBuildings);
    ASSERT_EQ(b.type, VIEW_CHECK_BOX);
    EXPECT_EQ(b.x, 35);
    EXPECT_EQ(b.y, 28);
    EXPECT_EQ(b.text, std::string(25, ' '));
    EXPECT_EQ(c.click(b), 1); // close the buildings part
    Nad_Edit_Ec0(c.area(), &r, 1);
    EXPECT_EQ(c.find(VIEW_TEXT, kBridges).y, 44 + 15);
    EXPECT_EQ(c.bound_to(&r.bridge_gamma[0][0][0]).y, 153);
    EXPECT_FALSE(c.has_bound(&r.building_gamma[0][0][0]));
    EXPECT_EQ(*static_cast<const int*>(header_box(c, kBridges).bound), 1);
}

TEST(NadEditEc0, EveryFieldInItsRow)
{
    Program prog(0);
    Canvas c;
    NadEc0Record r{};
    Nad_Default_Ec0(&r);
    Nad_Edit_Ec0(c.area(), &r, 1);
    const int t = 1555;
    struct F {
        const double* v;
        int x, y;
        const char* format;
    } const fields[] = {
        {&r.building_gamma[0][4][1], 321, 124 + 88, "%5.2f"},
        {&r.building_gamma[1][5][0], 262, 369 + 110, "%5.2f"},
        {&r.building_gamma[2][6][0], 262, 745, "%5.2f"},
        {&r.building_gamma[3][4][1], 321, 861 + 88, "%5.2f"},
        {&r.building_psi[0][0], 231, 1113, "%4.2f"},
        {&r.building_psi[3][1], 281, 1113 + 22 * 4, "%4.2f"},
        {&r.building_psi[11][3], 381, 1113 + 22 * 13, "%4.2f"},
        {&r.bridge_gamma[0][12][0], 262, t + 373, "%5.2f"},
        {&r.bridge_gamma[1][13][1], 321, t + 781, "%5.2f"},
        {&r.bridge_gamma[2][14][0], 262, t + 1189, "%5.2f"},
        {&r.bridge_gamma[3][10][0], 262, t + 1311 + 220, "%5.2f"},
        {&r.road_bridge_psi[13][2], 331, t + 1678 + 286, "%4.2f"},
        {&r.footbridge_psi[6][0], 231, t + 2066 + 132, "%4.2f"},
        {&r.rail_bridge_psi[8][2], 331, t + 2476, "%4.2f"},
        {&r.rail_bridge_psi[30][1], 281, t + 2516 + 462, "%4.2f"},
        {&r.rail_a[2], 281, t + 3074, "%4.2f"},
    };
    for (const F& f : fields) {
        const Item i = c.bound_to(f.v);
        EXPECT_EQ(i.x, f.x) << f.y;
        EXPECT_EQ(i.y, f.y) << f.y;
        EXPECT_EQ(i.text, f.format) << f.y;
    }
    // Fields that the tables leave out.
    for (const double* v : {&r.building_gamma[2][5][0], &r.bridge_gamma[0][11][0], &r.bridge_gamma[3][11][1],
                            &r.bridge_gamma[0][13][0], &r.bridge_gamma[1][14][0], &r.rail_bridge_psi[0][1],
                            &r.rail_bridge_psi[1][1], &r.rail_bridge_psi[8][1], &r.building_gamma[0][5][0]})
        EXPECT_FALSE(c.has_bound(v));
    // Counted: 2 x (5 + 6 + 6 + 5) + 48 building, 2 x (12 + 13 + 13 + 12) + 42 + 21 + 90 + 3 bridge.
    EXPECT_EQ(c.of_type(VIEW_FLOAT).size(), 44u + 48u + 100u + 42u + 21u + 90u + 3u);
    const std::vector<Item> pictures = c.of_type(VIEW_BITMAP);
    ASSERT_EQ(pictures.size(), 8u);
    EXPECT_EQ(pictures[0].text, "NAD\\NAD-Kbws.bmp");
    EXPECT_EQ(pictures[7].text, "NAD\\NAD_bridge_bahn_psi.bmp");
    EXPECT_EQ(pictures[7].y, t + 2225);
    EXPECT_EQ(pictures[7].y2, t + 3089);
}

TEST(NadEditEc0, NotEditableShowsEveryFieldInactiveButThePartsStillToggle)
{
    Program prog(0);
    Canvas c;
    NadEc0Record r{};
    Nad_Default_Ec0(&r);
    const double before = r.bridge_gamma[0][0][0];
    Nad_Edit_Ec0(c.area(), &r, 0);
    for (const Item& i : c.of_type(VIEW_FLOAT)) EXPECT_FALSE(i.is_active()) << i.y;
    c.edit(c.bound_to(&r.bridge_gamma[0][0][0]), "2,5");
    EXPECT_DOUBLE_EQ(r.bridge_gamma[0][0][0], before);
    EXPECT_EQ(c.click(header_box(c, kBridges)), 1);
    Nad_Edit_Ec0(c.area(), &r, 0);
    EXPECT_FALSE(c.has_bound(&r.bridge_gamma[0][0][0]));
    EXPECT_EQ(c.click(header_box(c, kBridges)), 1);
    Nad_Edit_Ec0(c.area(), &r, 1);
    EXPECT_EQ(c.edit(c.bound_to(&r.bridge_gamma[0][0][0]), "2,5"), 1);
    EXPECT_DOUBLE_EQ(r.bridge_gamma[0][0][0], 2.5);
}

// ---- pictures ----------------------------------------------------------------------

TEST(NadEditPictures, EveryPictureHoldsTheRectanglesCutFromIt)
{
    struct P {
        const char* file;
        int width, height; // at least
    } const pictures[] = {
        {"EC5DodevNads.bmp", 376, 1050},       {"NAD-Kbws.bmp", 520, 1501},
        {"NAD_bridge_str_b.bmp", 382, 376},    {"NAD_bridge_ausser.bmp", 382, 401},
        {"NAD_bridge_erdbeben.bmp", 382, 401}, {"NAD_bridge_gebrauch.bmp", 382, 376},
        {"NAD_bridge_str_psi.bmp", 382, 401},  {"NAD_bridge_fuss_psi.bmp", 382, 242},
        {"NAD_bridge_bahn_psi.bmp", 382, 865},
    };
    for (const P& p : pictures) {
        const QImage img(QString::fromStdString(std::string(KOV_SOURCE_DIR) + "/data/NAD/" + p.file));
        ASSERT_FALSE(img.isNull()) << p.file;
        EXPECT_GE(img.width(), p.width) << p.file;
        EXPECT_GE(img.height(), p.height) << p.file;
    }
    const QImage kbws(QString(KOV_SOURCE_DIR) + "/data/NAD/NAD-Kbws.bmp");
    EXPECT_EQ(kbws.size(), QSize(520, 1501));
}

// The three pages of the German annex as pictures in the build folder.
TEST(NadEditPictures, PagesOfTheGermanAnnex)
{
    Program prog(0);
    nadtest::activate("Deutschland");
    Canvas c;
    Nad_Edit_Ec5(c.area(), Nad_Get_Ec5(), 1);
    EXPECT_TRUE(c.save_picture(std::string(KOV_BINARY_DIR) + "/nadedit_ec5_deutschland.png"));
    Nad_Edit_Ec3(c.area(), Nad_Get_Ec3(), 1);
    EXPECT_TRUE(c.save_picture(std::string(KOV_BINARY_DIR) + "/nadedit_ec3_deutschland.png"));
    Nad_Edit_Ec0(c.area(), Nad_Get_Ec0(), 1);
    EXPECT_TRUE(c.save_picture(std::string(KOV_BINARY_DIR) + "/nadedit_ec0_deutschland.png"));
}
