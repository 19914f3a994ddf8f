// The EC2, EC6 and EC9 editor pages of an annex, laid out on the scripted
// screen and read back element by element.
#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "nad/nadprog.h"
#include "nad/nadsupplied.h"
#include "nad/pages/nadedit2.h"
#include "nad/pages/tests/nadedit_fixture.h"
#include "nad/tests/nadenv_fixture.h"

namespace {

using nadedit::Canvas;
using nadedit::Item;

// The rules of the program with the number (the folders of tests/programs):
// 58, 32, 50, 94, 100 carry no masks; 300 shows EC9 rules 0 and 2 (and
// every rule of the other groups); 302 is a bridge program (EC2 rules 0 and
// 31); 303 hides every rule of EC2, EC6 and EC9.
using Program = nadtest::ProgramEnv;

NadEc2Record standard_ec2()
{
    NadEc2Record r;
    Nad_Default_Ec2(&r);
    return r;
}

// Clause texts (x 10, beginning with a digit) and their base lines, in order.
std::vector<std::pair<std::string, int>> clauses(const Canvas& c)
{
    std::vector<std::pair<std::string, int>> v;
    for (const Item& i : c.of_type(VIEW_TEXT))
        if (i.x == 10 && !i.text.empty() && i.text[0] >= '0' && i.text[0] <= '9') v.emplace_back(i.text, i.y);
    return v;
}

int clause_y(const Canvas& c, const std::string& clause)
{
    for (const auto& [name, y] : clauses(c))
        if (name == clause) return y;
    return -1;
}

bool has_text(const Canvas& c, const char* utf8) { return !c.with_text(utf8).empty(); }

// Opens a section of the EC2 page as the user's click would and lays out again.
void open_section(Canvas& c, const char* title, NadEc2Record* r, int editable)
{
    const Item box = c.find(VIEW_CHECK_BOX, title);
    ASSERT_NE(box.bound, nullptr) << title;
    *static_cast<int*>(const_cast<void*>(box.bound)) = 1;
    Nad_Edit_Ec2(c.area(), r, editable);
}

const char* const kBuildings = "EN 1992-1-1 (Eurocode 2, Hochbau)";
const char* const kFire = "EN 1992-1-2 (Eurocode 2, Brandfall)";
const char* const kBridges = "EN 1992-2 (Eurocode 2, Betonbrücken)";

} // namespace

TEST(NadEditEc2, RowFillsTheClauseAndExplanationCells)
{
    Canvas c;
    EXPECT_EQ(Ec2_Editor_Row(c.area(), 100, 23, "2.4", "", "Text", 4096), 123);
    EXPECT_EQ(Ec2_Editor_Row(c.area(), 200, 0, "", "x", "", 4098), 200);
    const std::vector<Item> all = c.items();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[0].type, VIEW_FILLED_BOX);
    EXPECT_EQ(std::vector<int>({all[0].x, all[0].y, all[0].x2, all[0].y2}), std::vector<int>({4, 95, 56, 123}));
    EXPECT_EQ(std::vector<int>({all[1].x, all[1].y, all[1].x2, all[1].y2}), std::vector<int>({200, 95, 382, 123}));
    EXPECT_EQ(all[2].text, "2.4");
    EXPECT_EQ(all[2].x, 10);
    EXPECT_EQ(all[3].x, 206);
    // Without a height only the non-empty texts.
    EXPECT_EQ(all[4].text, "x");
    EXPECT_EQ(all[4].x, 67);
    EXPECT_EQ(all[4].font, 4098);
}

TEST(NadEditEc2, WithoutRulesOnlyTheBuildingsHeadShows)
{
    Program prog(303);
    Canvas c;
    NadEc2Record r = standard_ec2();
    Nad_Edit_Ec2(c.area(), &r, 1);
    const Item box = c.find(VIEW_CHECK_BOX, kBuildings);
    EXPECT_EQ(box.x, 26);
    EXPECT_EQ(box.y, 20);
    EXPECT_EQ(box.font, 4096);                       // 69632 without its bold bit
    EXPECT_EQ(c.of_type(VIEW_CHECK_BOX).size(), 1u); // no fire, no bridges
    EXPECT_EQ(c.find(VIEW_TEXT, "Kapitel").y, 50);
    EXPECT_EQ(c.find(VIEW_TEXT, "Erläuterung").x, 206);
    EXPECT_TRUE(c.of_type(VIEW_FLOAT).empty());
    EXPECT_TRUE(c.of_type(VIEW_RADIO_BUTTON).empty());
    EXPECT_TRUE(clauses(c).empty());
    const std::vector<Item> boxes = c.of_type(VIEW_FILLED_BOX);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(std::vector<int>({boxes[0].x, boxes[0].y, boxes[0].x2, boxes[0].y2}), std::vector<int>({4, 7, 382, 26}));
    EXPECT_EQ(boxes[0].colour, Nearest_RGB_Color(205, 254, 244));
}

// Program 58: partial factors without fatigue, earthquake and accidental rows.
TEST(NadEditEc2, Application58LaysOutItsBlocksInOrder)
{
    Program prog(58);
    Canvas c;
    NadEc2Record r = standard_ec2();
    Nad_Edit_Ec2(c.area(), &r, 1);
    // Block and advance from the table of the page; each block starts where
    // the ones before it end.
    const std::vector<std::pair<std::string, int>> blocks = {{"2.4.2.4", 23 + 24 + 18 + 7 + 18 + 7},
                                                             {"3.1.6", 23 + 34 + 50},
                                                             {"11.3.5", 95},
                                                             {"4.4.1.2", 385},
                                                             {"6.2.2", 111 + 73},
                                                             {"11.6.1", 184},
                                                             {"6.2.3", 94 + 121},
                                                             {"11.6.2", 94},
                                                             {"7.3.4", 72},
                                                             {"9.2.1.1", 73},
                                                             {"9.2.2", 90}};
    std::vector<std::pair<std::string, int>> want;
    int y = 80;
    for (const auto& [clause, advance] : blocks) {
        want.emplace_back(clause, y);
        y += advance;
    }
    std::vector<std::pair<std::string, int>> got;
    for (const auto& cl : clauses(c))
        if (cl.first != "4.4.1.3") got.push_back(cl); // the second clause of the cover block
    EXPECT_EQ(got, want);
    EXPECT_EQ(y, 1676);
    // Only the persistent and transient situation.
    EXPECT_TRUE(c.has_bound(&r.gamma_c[0]));
    EXPECT_TRUE(c.has_bound(&r.gamma_s[0]));
    for (int i = 1; i < 4; ++i) EXPECT_FALSE(c.has_bound(&r.gamma_c[i])) << i;
    EXPECT_FALSE(c.has_bound(&r.lambda_lim));
    EXPECT_EQ(c.of_type(VIEW_CHECK_BOX).size(), 1u);
}

TEST(NadEditEc2, PartialFactorsGrowWithTheirSituations)
{
    struct Case {
        int app;
        int next_block_y; // 3.1.6 follows 2.4.2.4
    } cases[] = {{58, 80 + 97}, {32, 80 + 151}};
    for (const Case& k : cases) {
        Program prog(k.app);
        Canvas c;
        NadEc2Record r = standard_ec2();
        Nad_Edit_Ec2(c.area(), &r, 1);
        EXPECT_EQ(clause_y(c, "3.1.6"), k.next_block_y) << k.app;
        EXPECT_EQ(c.has_bound(&r.gamma_c[3]), k.app == 32) << k.app;
    }
}

TEST(NadEditEc2, BridgeSectionKeepsThePostTensionedRowForItsRule)
{
    struct Case {
        int app;
        bool post;
    } cases[] = {{302, false}, {50, true}};
    for (const Case& k : cases) {
        Program prog(k.app);
        Canvas c;
        NadEc2Record r = standard_ec2();
        Nad_Edit_Ec2(c.area(), &r, 1);
        ASSERT_EQ(c.find(VIEW_CHECK_BOX, kBridges).x, 26) << k.app;
        EXPECT_TRUE(c.has_bound(&r.r_sup_pre)) << k.app;
        EXPECT_TRUE(c.has_bound(&r.r_inf_pre)) << k.app;
        EXPECT_EQ(c.has_bound(&r.r_sup_post), k.post) << k.app;
        EXPECT_EQ(c.has_bound(&r.r_inf_post), k.post) << k.app;
    }
    // The bridge program: buildings with the partial factors only (97), then
    // the bridge title and its blocks; 5.10.9 after the short 2.4.2.4 block.
    Program prog(302);
    Canvas c;
    NadEc2Record r = standard_ec2();
    Nad_Edit_Ec2(c.area(), &r, 1);
    const int b = 80 + 97;
    EXPECT_EQ(c.find(VIEW_CHECK_BOX, kBridges).y, b + 30);
    std::vector<std::pair<std::string, int>> want = {
        {"2.4.2.4", 80}, {"2.4.2.4", b + 90}, {"5.10.9", b + 90 + 23 + 24 + 18 + 7}};
    EXPECT_EQ(clauses(c), want);
    EXPECT_EQ(c.all_bound_to(&r.gamma_c_sls).size(), 1u); // serviceability in the buildings only
    EXPECT_TRUE(c.has_bound(&r.gamma_c_bridge[0]));
    EXPECT_FALSE(c.has_bound(&r.gamma_c_bridge[1]));
}

TEST(NadEditEc2, DisplayOnlyPagesNameTheirTables)
{
    Program prog(32); // cover (rule 6) and deflection (rule 19)
    for (int editable : {0, 1}) {
        Canvas c;
        NadEc2Record r = standard_ec2();
        Nad_Edit_Ec2(c.area(), &r, editable);
        EXPECT_EQ(has_text(c, "(vgl. Tabelle 4.4N)"), editable == 0);
        EXPECT_EQ(has_text(c, "(vgl. Tabelle 7.4N)"), editable == 0);
        EXPECT_EQ(has_text(c, "für die Anforderungsklasse S4"), editable == 0);
        const std::vector<Item> fields = c.of_type(VIEW_FLOAT);
        ASSERT_FALSE(fields.empty());
        for (const Item& f : fields) EXPECT_EQ(f.is_active(), editable == 1) << f.text;
        for (const Item& b : c.of_type(VIEW_RADIO_BUTTON)) EXPECT_EQ(b.is_active(), editable == 1);
        // The section check boxes answer on display-only pages too.
        for (const Item& b : c.of_type(VIEW_CHECK_BOX)) EXPECT_TRUE(b.is_active());
        // Exposure classes and their minimum cover: twelve rows.
        for (int i = 0; i < NAD_EC2_EXPOSURE_CLASSES; ++i) EXPECT_TRUE(c.has_bound(&r.c_min_dur[i])) << i;
    }
}

TEST(NadEditEc2, ASelectorOutsideOneAndTwoShowsTheFormulaUntouched)
{
    Program prog(58);
    Canvas c;
    NadEc2Record r = standard_ec2();
    r.v_min_mode = 7;
    Nad_Edit_Ec2(c.area(), &r, 1);
    EXPECT_EQ(r.v_min_mode, 7);
    const std::vector<Item> radios = c.all_bound_to(&r.v_min_mode);
    ASSERT_EQ(radios.size(), 2u);
    EXPECT_EQ(radios[0].aux, 1);
    EXPECT_EQ(radios[1].aux, 2);
    EXPECT_EQ(radios[1].y, radios[0].y + 18);
    EXPECT_EQ(radios[0].x, 55);
    // Formula form: the coefficient per gamma_c on the second row.
    const Item field = c.bound_to(&r.v_min);
    EXPECT_EQ(field.text, "%6.4f");
    EXPECT_EQ(field.x, 121);
    EXPECT_EQ(field.y, radios[1].y);
    const Item funkt = c.find(VIEW_TEXT, "= Funkt. von x");
    EXPECT_EQ(funkt.x, 99);
    EXPECT_EQ(funkt.y, radios[0].y);

    // Selector 1: the value on the first row, the formula ignored.
    r.v_min_mode = 1;
    Nad_Edit_Ec2(c.area(), &r, 1);
    const Item value = c.bound_to(&r.v_min);
    EXPECT_EQ(value.text, "%5.3f");
    EXPECT_EQ(value.x, 136);
    EXPECT_EQ(value.y, c.all_bound_to(&r.v_min_mode)[0].y);
    EXPECT_EQ(c.find(VIEW_TEXT, "(Funktion wird ignoriert)").x, 90); // after "   x"
}

TEST(NadEditEc2, GermanAnnexFixesSlendernessAndFireFactors)
{
    Program prog(94); // lambda_lim (rule 8)
    Canvas c;
    NadEc2Record r = standard_ec2();
    Nad_Edit_Ec2(c.area(), &r, 1);
    EXPECT_EQ(c.all_bound_to(&r.lambda_lim_mode).size(), 2u);
    r.na_de = 1;
    Nad_Edit_Ec2(c.area(), &r, 1);
    EXPECT_TRUE(c.all_bound_to(&r.lambda_lim_mode).empty());
    EXPECT_FALSE(c.has_bound(&r.lambda_lim));
    EXPECT_EQ(c.find(VIEW_TEXT, "s. NA-DE").x, 97);
}

TEST(NadEditEc2, GermanAnnexFireFactorsAreOneAndDisplayOnly)
{
    Program prog(50); // every rule, the fire table with 6.4.2.1 and 6.4.2.2
    Canvas c;
    NadEc2Record r = standard_ec2();
    r.k_hsc_fire = 0.7;
    r.k_m_hsc_fire = 0.8;
    Nad_Edit_Ec2(c.area(), &r, 1);
    EXPECT_FALSE(c.has_bound(&r.k_hsc_fire)); // the fire section starts closed
    open_section(c, kFire, &r, 1);
    EXPECT_TRUE(c.bound_to(&r.k_hsc_fire).is_active());
    EXPECT_DOUBLE_EQ(r.k_hsc_fire, 0.7);
    r.na_de = 1;
    Nad_Edit_Ec2(c.area(), &r, 1);
    EXPECT_DOUBLE_EQ(r.k_hsc_fire, 1.0);
    EXPECT_DOUBLE_EQ(r.k_m_hsc_fire, 1.0);
    EXPECT_FALSE(c.bound_to(&r.k_hsc_fire).is_active());
    EXPECT_FALSE(c.bound_to(&r.k_m_hsc_fire).is_active());
    EXPECT_TRUE(c.bound_to(&r.conductivity_mode).is_active()); // the other fire rows stay editable
    // Fire blocks in order from 90 below the section's top.
    const int fire_top = c.find(VIEW_CHECK_BOX, kFire).y - 30;
    std::map<std::string, int> at;
    for (const auto& [name, y] : clauses(c))
        if (y > fire_top) at.emplace(name, y);
    EXPECT_EQ(at["3.2.3"], fire_top + 90);
    EXPECT_EQ(at["3.3.3"], fire_top + 90 + 51);
    EXPECT_EQ(at["6.1"], fire_top + 90 + 51 + 73);
    EXPECT_EQ(at["6.4.2.1"], fire_top + 90 + 51 + 73 + 51);
    EXPECT_EQ(at["6.4.2.2"], fire_top + 90 + 51 + 73 + 51 + 51);
    // Even with nothing edited and the section closed the factors are 1.0.
    r.k_hsc_fire = 0.5;
    Nad_Edit_Ec2(c.area(), &r, 0);
    EXPECT_DOUBLE_EQ(r.k_hsc_fire, 1.0);
}

TEST(NadEditEc2, ScriptedEditsChangeTheRecord)
{
    Program prog(58);
    Canvas c;
    NadEc2Record r = standard_ec2();
    r.v_min_mode = 1;
    Nad_Edit_Ec2(c.area(), &r, 1);
    // A two-value row.
    EXPECT_EQ(c.edit(c.bound_to(&r.gamma_s[0]), "1,2"), 1);
    EXPECT_DOUBLE_EQ(r.gamma_s[0], 1.2);
    Nad_Edit_Ec2(c.area(), &r, 1);
    EXPECT_EQ(c.edit(c.bound_to(&r.gamma_c[0]), "1,45"), 1);
    EXPECT_DOUBLE_EQ(r.gamma_c[0], 1.45);
    // A selector: the formula row, then its coefficient.
    Nad_Edit_Ec2(c.area(), &r, 1);
    EXPECT_EQ(c.click(c.all_bound_to(&r.v_min_mode)[1]), 1);
    EXPECT_EQ(r.v_min_mode, 2);
    Nad_Edit_Ec2(c.area(), &r, 1);
    EXPECT_EQ(c.bound_to(&r.v_min).text, "%6.4f");
    EXPECT_EQ(c.edit(c.bound_to(&r.v_min), "0,0525"), 1);
    EXPECT_DOUBLE_EQ(r.v_min, 0.0525);
    // A display-only page takes nothing.
    Nad_Edit_Ec2(c.area(), &r, 0);
    c.edit(c.bound_to(&r.gamma_c[0]), "9");
    EXPECT_DOUBLE_EQ(r.gamma_c[0], 1.45);
}

TEST(NadEditEc2, SectionCheckBoxesKeepTheirStateAcrossLayouts)
{
    Program prog(50);
    Canvas c;
    NadEc2Record r = standard_ec2();
    Nad_Edit_Ec2(c.area(), &r, 1);
    EXPECT_EQ(clause_y(c, "3.2.3"), -1);
    EXPECT_EQ(c.click(c.find(VIEW_CHECK_BOX, kFire)), 1);
    Nad_Edit_Ec2(c.area(), &r, 1);
    EXPECT_NE(clause_y(c, "3.2.3"), -1);
    Nad_Edit_Ec2(c.area(), &r, 0);
    EXPECT_NE(clause_y(c, "3.2.3"), -1);
    // Closing the buildings section moves the fire section up under it.
    EXPECT_EQ(c.click(c.find(VIEW_CHECK_BOX, kBuildings)), 1);
    Nad_Edit_Ec2(c.area(), &r, 1);
    EXPECT_EQ(c.find(VIEW_CHECK_BOX, kFire).y, 39 + 30);
    ASSERT_FALSE(clauses(c).empty());
    EXPECT_EQ(clauses(c).front(), std::make_pair(std::string("3.2.3"), 39 + 90));
}

TEST(NadEditEc2, FormulaPicturesFitTheirPlaces)
{
    Program prog(4711); // no such program: every rule
    Canvas c;
    NadEc2Record r = standard_ec2();
    r.na_de = 0;
    Nad_Edit_Ec2(c.area(), &r, 1);
    open_section(c, kFire, &r, 1);
    std::set<std::string> files;
    for (const Item& b : c.of_type(VIEW_BITMAP)) {
        files.insert(b.text);
        ASSERT_EQ(b.text.compare(0, 4, "NAD\\"), 0) << b.text;
        const std::string path = std::string(KOV_SOURCE_DIR) + "/data/NAD/" + b.text.substr(4);
        const QImage img(QString::fromStdString(path));
        ASSERT_FALSE(img.isNull()) << path;
        EXPECT_EQ(img.width(), b.x2 - b.x + 1) << b.text;
        EXPECT_EQ(img.height(), b.y2 - b.y + 1) << b.text;
        EXPECT_EQ(b.colour, WHITE_CI);
        EXPECT_EQ(b.x, 206);
        EXPECT_EQ(b.x2, 382);
    }
    const std::set<std::string> all = {"NAD\\NAD_Func1.bmp",  "NAD\\NAD_Func2a.bmp", "NAD\\NAD_Func2b.bmp",
                                       "NAD\\NAD_Func2c.bmp", "NAD\\NAD_Func2d.bmp", "NAD\\NAD_Func3a.bmp",
                                       "NAD\\NAD_Func3b.bmp", "NAD\\NAD_Func4.bmp",  "NAD\\NAD_Func5.bmp",
                                       "NAD\\NAD_Func6.bmp",  "NAD\\NAD_Func7a.bmp", "NAD\\NAD_Func7b.bmp",
                                       "NAD\\NAD_Func8.bmp"};
    EXPECT_EQ(files, all);
}

TEST(NadEditEc6, AccidentalRowsMoveTheServiceabilityRow)
{
    struct Case {
        int app;
        int sls_y;
        size_t fields;
    } cases[] = {{100, 188, 4}, {50, 152, 2}};
    for (const Case& k : cases) {
        Program prog(k.app);
        Canvas c;
        NadEc6Record r;
        Nad_Default_Ec6(&r);
        Nad_Edit_Ec6(c.area(), &r, 1);
        EXPECT_EQ(c.find(VIEW_TEXT, "2.4.4").y, k.sls_y) << k.app;
        EXPECT_EQ(c.bound_to(&r.gamma_m_sls).y, k.sls_y) << k.app;
        EXPECT_EQ(c.bound_to(&r.gamma_m_sls).x, 106) << k.app;
        const int e = k.sls_y - 7;
        EXPECT_EQ(c.find(VIEW_TEXT, "Materialsicherheitsbeiwert").y, e + 2) << k.app;
        EXPECT_EQ(c.of_type(VIEW_FLOAT).size(), k.fields) << k.app;
        EXPECT_EQ(c.has_bound(&r.gamma_m_seismic), k.app == 100) << k.app;
    }
}

TEST(NadEditEc6, TitleCheckBoxClosesThePage)
{
    Program prog(100);
    Canvas c;
    NadEc6Record r;
    Nad_Default_Ec6(&r);
    Nad_Edit_Ec6(c.area(), &r, 1);
    const Item box = c.find(VIEW_CHECK_BOX, "EN 1996-1-1 (Eurocode 6)");
    EXPECT_EQ(box.x, 26);
    EXPECT_EQ(box.y, 20);
    EXPECT_EQ(c.click(box), 1);
    Nad_Edit_Ec6(c.area(), &r, 1);
    const std::vector<Item> all = c.items();
    ASSERT_EQ(all.size(), 2u); // title box and check box
    EXPECT_EQ(all[0].type, VIEW_FILLED_BOX);
    EXPECT_EQ(all[1].type, VIEW_CHECK_BOX);
    EXPECT_EQ(c.click(c.find(VIEW_CHECK_BOX, "EN 1996-1-1 (Eurocode 6)")), 1);
    Nad_Edit_Ec6(c.area(), &r, 1);
    EXPECT_EQ(c.find(VIEW_TEXT, "2.4.4").y, 188);
}

TEST(NadEditEc6, HiddenRulesLeaveTheHeadsOnly)
{
    Program prog(303); // EC6 rule 0 hidden
    Canvas c;
    NadEc6Record r;
    Nad_Default_Ec6(&r);
    Nad_Edit_Ec6(c.area(), &r, 0);
    EXPECT_EQ(c.find(VIEW_TEXT, "Kapitel").y, 50);
    EXPECT_TRUE(c.of_type(VIEW_FLOAT).empty());
    EXPECT_FALSE(has_text(c, "2.4.3"));
}

TEST(NadEditEc9, SectionSixTwoFollowsTheShownFactors)
{
    struct Case {
        int app;
        int b;
        bool m1, m2, joints;
    } cases[] = {{303, 83, false, false, false}, {300, 148, true, false, true}, {50, 166, true, true, true}};
    for (const Case& k : cases) {
        Program prog(k.app);
        Canvas c;
        NadEc9Record r;
        Nad_Default_Ec9(&r);
        Nad_Edit_Ec9(c.area(), &r, 1);
        EXPECT_EQ(c.find(VIEW_TEXT, "6.2").y, k.b) << k.app;
        EXPECT_EQ(c.bound_to(&r.c_6_15).y, k.b + 23) << k.app;
        EXPECT_EQ(c.has_bound(&r.gamma_m1), k.m1) << k.app;
        EXPECT_EQ(c.has_bound(&r.gamma_m2), k.m2) << k.app;
        EXPECT_EQ(c.has_bound(&r.gamma_mp_ser), k.joints) << k.app;
        if (k.m1) {
            EXPECT_EQ(c.bound_to(&r.gamma_m1).y, 112) << k.app;
        }
        if (k.joints) {
            EXPECT_EQ(c.find(VIEW_TEXT, "8.1.1").y, k.b + 64) << k.app;
            EXPECT_EQ(c.bound_to(&r.gamma_mp).y, k.b + 116) << k.app;
            EXPECT_EQ(c.bound_to(&r.gamma_mp_ser).y, k.b + 116 + 5 * 18) << k.app;
        }
        EXPECT_EQ(c.find(VIEW_TEXT, "Konstante C, Gleichnung 6.15").x, 206);
    }
}

TEST(NadEditEc9, DisplayOnlyFieldsTakeNoEdit)
{
    Program prog(50);
    Canvas c;
    NadEc9Record r;
    Nad_Default_Ec9(&r);
    Nad_Edit_Ec9(c.area(), &r, 1);
    EXPECT_EQ(c.edit(c.bound_to(&r.gamma_mw), "1,3"), 1);
    EXPECT_DOUBLE_EQ(r.gamma_mw, 1.3);
    Nad_Edit_Ec9(c.area(), &r, 0);
    for (const Item& f : c.of_type(VIEW_FLOAT)) EXPECT_FALSE(f.is_active());
    c.edit(c.bound_to(&r.gamma_mw), "2");
    EXPECT_DOUBLE_EQ(r.gamma_mw, 1.3);
}

// Pictures of the three pages for a look by eye: the German annex shown
// display-only and a user annex editable, every EC2 section open.
TEST(NadEditPages, ScreenshotsAreKeptInTheBuildFolder)
{
    Program prog(50);
    const std::string dir = std::string(KOV_BINARY_DIR) + "/nadedit2_shots";
    std::filesystem::create_directories(dir);
    auto de = std::make_unique<NadRecord>();
    auto user = std::make_unique<NadRecord>();
    Nad_Build_Deutschland(de.get());
    Nad_Build_Standard(user.get());
    struct Shot {
        const char* name;
        NadRecord* rec;
        int editable;
    } shots[] = {{"deutschland", de.get(), 0}, {"user", user.get(), 1}};
    for (const Shot& s : shots) {
        Canvas c;
        Nad_Edit_Ec2(c.area(), &s.rec->ec2, s.editable);
        const Item fire = c.find(VIEW_CHECK_BOX, kFire);
        if (fire.bound && *static_cast<const int*>(fire.bound) == 0) open_section(c, kFire, &s.rec->ec2, s.editable);
        EXPECT_TRUE(c.save_picture(dir + "/ec2_" + s.name + ".png"));
        Nad_Edit_Ec6(c.area(), &s.rec->ec6, s.editable);
        EXPECT_TRUE(c.save_picture(dir + "/ec6_" + s.name + ".png"));
        Nad_Edit_Ec9(c.area(), &s.rec->ec9, s.editable);
        EXPECT_TRUE(c.save_picture(dir + "/ec9_" + s.name + ".png"));
    }
    for (const char* f : {"ec2_deutschland", "ec2_user", "ec6_deutschland", "ec6_user", "ec9_deutschland", "ec9_user"})
        EXPECT_TRUE(std::filesystem::exists(dir + "/" + f + ".png")) << f;
}

TEST(NadEditEc2, TextsStandByteForByte)
{
    Program prog(4711); // every rule
    Canvas c;
    NadEc2Record r = standard_ec2();
    Nad_Edit_Ec2(c.area(), &r, 1);
    open_section(c, kFire, &r, 1);
    for (const char* t : {"Querkraftbemesung, Bauteile ohne", "parellelen Einzelstählen od. Stahllagen",
                          "Faktor fü Betondruckspannung", "Faktor fü Spannstahlspannung", "Abminderungsbeiwert für die",
                          "Mindestbewehrung für Balken [cm²]", "Schubkraftübertragung in Fugen",
                          "(Funktion wird ignoriert)", "thermische Leitfähigkeit des Betons", kBridges})
        EXPECT_TRUE(has_text(c, t)) << t;
    // Greek letters are the symbol bytes of the sheet fonts.
    bool joint_text = false;
    for (const Item& i : c.of_type(VIEW_TEXT)) joint_text |= i.text == "Rauhigkeitsbeiwerte c, \xC6 und \xC7";
    EXPECT_TRUE(joint_text);
    EXPECT_EQ(c.find(VIEW_TEXT, "Teilsicherheitsbeiwerte für").font, 4098);
}

TEST(NadEditEc2, GermanAnnexIgnoresTheMinimumReinforcementFormulas)
{
    Program prog(4711); // every rule
    Canvas c;
    NadEc2Record r = standard_ec2();
    r.na_de = 1;
    r.as_min_beam_mode = r.rho_w_min_mode = r.as_vmin_wall_mode = 2;
    Nad_Edit_Ec2(c.area(), &r, 1);
    const std::vector<Item> ignored = c.with_text("(Fkt. wird ignoriert)");
    ASSERT_EQ(ignored.size(), 3u);
    for (const Item& i : ignored) EXPECT_EQ(i.x, 105);
    EXPECT_EQ(c.with_text("s. NA-DE").size(), 3u + 2u); // and lambda_lim, k_p
    for (const double* v : {&r.as_min_beam, &r.rho_w_min, &r.as_vmin_wall}) EXPECT_FALSE(c.has_bound(v));
    // The radio buttons stay: the user may still choose the value.
    EXPECT_EQ(c.all_bound_to(&r.as_min_beam_mode).size(), 2u);
    r.as_min_beam_mode = r.rho_w_min_mode = r.as_vmin_wall_mode = 1;
    Nad_Edit_Ec2(c.area(), &r, 1);
    EXPECT_TRUE(c.with_text("(Fkt. wird ignoriert)").empty());
    for (const double* v : {&r.as_min_beam, &r.rho_w_min, &r.as_vmin_wall}) EXPECT_TRUE(c.has_bound(v));
    // Only the wall keeps the "x" under its value.
    const int wall_y = c.all_bound_to(&r.as_vmin_wall_mode)[1].y;
    const int beam_y = c.all_bound_to(&r.as_min_beam_mode)[1].y;
    bool wall_x = false, beam_x = false;
    for (const Item& i : c.with_text("   x    ")) {
        wall_x |= i.y == wall_y;
        beam_x |= i.y == beam_y;
    }
    EXPECT_TRUE(wall_x);
    EXPECT_FALSE(beam_x);
}
