// The value tables of the material library against the tables of the
// standards and approvals they come from (standard_tables.h), so that a typing
// error in the library shows up.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "materials/holzgueten.h"
#include "materials/matfactors.h"
#include "materials/matlvl.h"
#include "materials/matpanel.h"
#include "materials/matvalues.h"
#include "platform/kovcp.h"
#include "standard_tables.h"
#include "test_support/annex/scopedannex.h"

namespace {

using Row = std::vector<std::string>;
using Table = std::vector<Row>;

std::string Trim(const std::string& s)
{
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return "";
    const size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

std::string Unquote(const std::string& s)
{
    std::string t = Trim(s);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"') return t.substr(1, t.size() - 2);
    return t;
}

Row SplitRow(const std::string& line)
{
    Row cells;
    std::string t = Trim(line);
    if (!t.empty() && t.front() == '|') t.erase(0, 1);
    if (!t.empty() && t.back() == '|') t.pop_back();
    std::stringstream ss(t);
    std::string c;
    while (std::getline(ss, c, '|')) cells.push_back(Trim(c));
    return cells;
}

// The body rows of a table text (its header line and rule skipped).
Table Rows(const char* text)
{
    Table t;
    std::stringstream in(text);
    std::string line;
    for (size_t k = 0; std::getline(in, line);)
        if (Trim(line).rfind("|", 0) == 0 && k++ >= 2) t.push_back(SplitRow(line));
    return t;
}

double Num(const std::string& s)
{
    std::string t = Trim(s);
    while (!t.empty() && (t.back() == '*')) t.pop_back();
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    if (end == t.c_str()) ADD_FAILURE() << "not a number: '" << s << "'";
    return v;
}

// "a / b / c" into numbers; "-" gives NaN (value not written); *starred marks "*".
std::vector<double> Slashed(const std::string& cell, std::vector<bool>* starred = nullptr)
{
    std::vector<double> v;
    std::stringstream ss(cell);
    std::string part;
    while (std::getline(ss, part, '/')) {
        part = Trim(part);
        if (starred) starred->push_back(!part.empty() && part.back() == '*');
        v.push_back(part == "-" ? NAN : Num(part));
    }
    return v;
}

// All numbers of a text, in order; a minus sign counts only after a blank or
// at the start, so that a range "1000-1011" gives two numbers.
std::vector<double> Numbers(const std::string& s)
{
    std::vector<double> v;
    static const std::regex re("(^-|(?: )-)?[0-9]+(\\.[0-9]+)?");
    for (auto it = std::sregex_iterator(s.begin(), s.end(), re); it != std::sregex_iterator(); ++it)
        v.push_back(std::stod(it->str()));
    return v;
}

std::vector<std::string> Quoted(const std::string& s)
{
    std::vector<std::string> v;
    static const std::regex re("\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(s.begin(), s.end(), re); it != std::sregex_iterator(); ++it)
        v.push_back((*it)[1].str());
    return v;
}

void CompareGrades(const char* marker, const char* rows, const TimberGrade* table, int count)
{
    const Table t = Rows(rows);
    ASSERT_EQ((int)t.size(), count) << marker;
    for (int i = 0; i < count; ++i) {
        const Row& r = t[i];
        ASSERT_EQ(r.size(), 12u) << marker << " row " << i;
        EXPECT_EQ(Num(r[0]), i);
        const TimberGrade& g = table[i];
        EXPECT_EQ(Unquote(r[1]), g.name) << marker;
        const double code[10] = {g.E_0_mean, g.E_90_mean, g.G_mean,  g.rho_k,    g.f_m_k,
                                 g.f_t_0_k,  g.f_t_90_k,  g.f_c_0_k, g.f_c_90_k, g.f_v_k};
        for (int c = 0; c < 10; ++c) {
            const double want = Num(r[2 + c]);
            EXPECT_EQ(want, code[c]) << marker << " " << g.name << " column " << c;
        }
    }
}

} // namespace

TEST(MaterialTables, TimberGrades)
{
    CompareGrades("SoftwoodGradesEc", kSoftwoodEc, SoftwoodGradesEc, SOFTWOOD_GRADE_COUNT);
    CompareGrades("SoftwoodGradesDin", kSoftwoodDin, SoftwoodGradesDin, SOFTWOOD_GRADE_COUNT);
    CompareGrades("HardwoodGradesEc", kHardwoodEc, HardwoodGradesEc, HARDWOOD_GRADE_COUNT_EC);
    CompareGrades("HardwoodGradesDin", kHardwoodDin, HardwoodGradesDin, HARDWOOD_GRADE_COUNT_DIN);
    CompareGrades("GlulamGradesEc", kGlulamEc, GlulamGradesEc, GLULAM_GRADE_COUNT_EC);
    CompareGrades("GlulamGradesDin", kGlulamDin, GlulamGradesDin, GLULAM_GRADE_COUNT_DIN);
    CompareGrades("BeechLvlGrades", kBeechLvl, BeechLvlGrades, BEECH_LVL_GRADE_COUNT);

    const Table t = Rows(kGlulamDinEc);
    ASSERT_EQ(t.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Unquote(t[i][1]), GlulamGradesDinEc[i].name);
        EXPECT_EQ(Num(t[i][2]), GlulamGradesDinEc[i].f_t_90_k) << i;
        EXPECT_EQ(Num(t[i][3]), GlulamGradesDinEc[i].f_v_k) << i;
    }
}

TEST(MaterialTables, HostMaterialTable)
{
    const Table own = Rows(kHostOwnRows);
    ASSERT_EQ(own.size(), 23u);
    for (const Row& r : own) {
        const unsigned id = (unsigned)Num(r[0]);
        const HostMaterialRecord* h = Mat_Id_Record(id);
        ASSERT_EQ(h->id, (int)id);
        EXPECT_STREQ(h->name, cp850(Unquote(r[1]).c_str())) << id;
        const double code[10] = {h->E_0_mean, h->E_90_mean, h->G_mean,  h->rho_k,    h->f_m_k,
                                 h->f_t_0_k,  h->f_t_90_k,  h->f_c_0_k, h->f_c_90_k, h->f_v_k};
        for (int c = 0; c < 10; ++c) EXPECT_EQ(Num(r[2 + c]), code[c]) << id << " column " << c;
    }

    const Table groups = Rows(kHostGroups);
    ASSERT_EQ(groups.size(), 10u);
    for (int g = 0; g < 10; ++g) {
        const Row& r = groups[g];
        EXPECT_EQ(Num(r[0]), g);
        const std::vector<double> ids = Numbers(r[1]);
        ASSERT_EQ(ids.size(), 2u);
        const unsigned lo = (unsigned)ids[0], hi = (unsigned)ids[1];
        EXPECT_EQ(Mat_Id_Group_Count(g), (int)(hi - lo + 1)) << g;
        EXPECT_EQ(Mat_Id_Group(lo), g);
        EXPECT_EQ(Mat_Id_Group(hi), g);
        EXPECT_EQ(Mat_Id_Group(hi + 1), -1);
        const std::string name = r[2] == "the empty text" ? "" : Unquote(r[2]);
        EXPECT_EQ(Mat_Group_Name(g), name);
        if (g == 3) {
            const std::vector<std::string> names = Quoted(r[3]);
            ASSERT_EQ(names.size(), 15u);
            for (unsigned i = 0; i < 15; ++i) EXPECT_EQ(Mat_Id_Name(i), names[i]);
        }
    }
}

TEST(MaterialTables, LvlSectionsValuesAndKmod)
{
    struct {
        const char* marker;
        LvlSection* (*build)(int);
        int count;
    } products[] = {{kSteicoWall, Lvl_Wall_Build, 8}, {kSteicoJoist, Lvl_Joist_Build, 18}};
    for (const auto& p : products) {
        const LvlSection* s = p.build(1);
        const Table t = Rows(p.marker);
        ASSERT_EQ((int)t.size(), p.count);
        for (int i = 0; i < p.count; ++i) {
            const Row& r = t[i];
            ASSERT_EQ(r.size(), 15u);
            EXPECT_EQ(Num(r[0]), s[i].index);
            EXPECT_EQ(Unquote(r[1]), s[i].name);
            const double code[13] = {s[i].b,   s[i].h, s[i].c3,  s[i].c4,   s[i].c5,  s[i].c6, s[i].h_f,
                                     s[i].h_w, s[i].z, s[i].i_y, s[i].e_ef, s[i].c12, s[i].c13};
            for (int c = 0; c < 13; ++c) EXPECT_EQ(Num(r[2 + c]), code[c]) << s[i].name << " column " << c;
        }
    }

    Lvl_Wall_Build(1000);
    Lvl_Joist_Build(1000);
    const Table v = Rows(kLvlValues);
    ASSERT_EQ(v.size(), 15u);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(Num(v[i][0]), i);
        for (int col = 0; col < 2; ++col) {
            const std::string& cell = v[i][1 + col];
            const double want = Numbers(cell)[0] * (cell.find("scale") != std::string::npos ? 1000 : 1);
            const LvlProduct* p = col == 0 ? Lvl_Wall_Product() : Lvl_Joist_Product();
            EXPECT_EQ(p->values[i], want) << p->name << " value " << i;
        }
    }

    const Table k = Rows(kLvlKmod);
    ASSERT_EQ(k.size(), 3u);
    for (unsigned step = 0; step < 8; ++step) {
        EXPECT_EQ(Num(k[0][1 + step]), Lvl_Web_Kmod(1, step));
        EXPECT_EQ(Num(k[1][1 + step]), Lvl_Web_Kmod(2, step));
        EXPECT_EQ(Num(k[2][1 + step]), Lvl_Flange_Kmod(1, step));
        EXPECT_EQ(Num(k[2][1 + step]), Lvl_Flange_Kmod(2, step));
    }
}

TEST(MaterialTables, KmodRows)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    // A kind, grade and service class that each row stands for under DIN rules.
    const int use[9][3] = {{0, 5, 1}, {0, 5, 3}, {4, 1, 1}, {4, 1, 2}, {4, 0, 1},
                           {7, 0, 2}, {5, 0, 1}, {5, 0, 2}, {8, 1, 2}};
    const Table t = Rows(kKmodRows);
    ASSERT_EQ(t.size(), 9u);
    for (int row = 0; row < 9; ++row) {
        EXPECT_EQ(t[row][0], "R" + std::to_string(row + 1));
        for (int d = 0; d <= 5; ++d) {
            double k = -1;
            const int r = Mat_Kmod(use[row][0], use[row][1], use[row][2], d, &k, nullptr);
            const std::string& cell = t[row][1 + d];
            if (cell == "-") {
                EXPECT_EQ(r, 0) << t[row][0] << " duration " << d;
                EXPECT_EQ(k, 0.0);
                continue;
            }
            EXPECT_EQ(r, 1) << t[row][0] << " duration " << d;
            EXPECT_NEAR(Num(cell), k, 1e-12) << t[row][0] << " duration " << d;
        }
    }
}

TEST(MaterialTables, ParticleboardByThickness)
{
    const Table plate = Rows(kParticlePlate);
    const Table in_plane = Rows(kParticleInPlane);
    ASSERT_EQ(plate.size(), 6u);
    ASSERT_EQ(in_plane.size(), 6u);
    for (int band = 0; band < 6; ++band) {
        const std::vector<double> bounds = Numbers(plate[band][0]);
        ASSERT_EQ(bounds.size(), 2u);
        EXPECT_EQ(Numbers(in_plane[band][0]), bounds);
        for (double t_mm : {bounds[1], (bounds[0] + bounds[1]) / 2}) {
            for (int grade = 0; grade < 4; ++grade) {
                double m, t, c, v, c90;
                const std::vector<double> p = Slashed(plate[band][1 + grade]);
                ASSERT_EQ(p.size(), 5u);
                ASSERT_EQ(Panel_Values_By_Thickness(grade, 0, &m, t_mm, &t, &c, &v, &c90), 1);
                const double got[5] = {m, t, c, v, c90};
                for (int i = 0; i < 5; ++i) EXPECT_NEAR(p[i] * 1000, got[i], 1e-9) << band << "/" << grade;
                const std::vector<double> q = Slashed(in_plane[band][1 + grade]);
                ASSERT_EQ(q.size(), 3u);
                ASSERT_EQ(Panel_Values_By_Thickness(grade, 5, &m, t_mm, &t, &c, &v, &c90), 1);
                EXPECT_NEAR(q[0] * 1000, t, 1e-9);
                EXPECT_NEAR(q[0] * 1000, m, 1e-9);
                EXPECT_NEAR(q[1] * 1000, c, 1e-9);
                EXPECT_NEAR(q[1] * 1000, c90, 1e-9);
                EXPECT_NEAR(q[2] * 1000, v, 1e-9);
            }
        }
    }
}

namespace {

// Strengths of one call in N/mm2; NaN where nothing was written.
std::vector<double> Strengths(int kind, int grade, int sc, int dir, double t)
{
    double s[5] = {NAN, NAN, NAN, NAN, NAN};
    EXPECT_EQ(Mat_Strengths(kind, grade, sc, dir, t, 0, &s[0], &s[1], &s[2], &s[3], &s[4], nullptr), 1)
        << kind << "/" << grade << "/" << dir << "/" << t;
    std::vector<double> v;
    for (double x : s) v.push_back(x / 1000);
    return v;
}

void ExpectCell(const std::vector<double>& want, const std::vector<double>& got, const std::string& what,
                double factor = 1.0, const std::vector<bool>* star = nullptr)
{
    ASSERT_EQ(want.size(), got.size()) << what;
    for (size_t i = 0; i < want.size(); ++i) {
        if (std::isnan(want[i])) {
            EXPECT_TRUE(std::isnan(got[i])) << what << " value " << i;
            continue;
        }
        const double f = (star && (*star)[i]) ? factor : 1.0;
        EXPECT_NEAR(want[i] * f, got[i], 1e-9 * std::max(1.0, std::fabs(want[i]))) << what << " value " << i;
    }
}

} // namespace

TEST(MaterialTables, PanelStrengths)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    const int four_dirs[4] = {0, 1, 2, 3};

    const Table osb = Rows(kOsb);
    ASSERT_EQ(osb.size(), 6u);
    for (const Row& r : osb) {
        const std::vector<int> grades = Quoted(r[0]).size() == 2 ? std::vector<int>{0, 1} : std::vector<int>{2};
        const double t = Numbers(r[1]).back();
        for (int g : grades)
            for (int s = 0; s < 4; ++s)
                ExpectCell(Slashed(r[2 + s]), Strengths(4, g, 2, four_dirs[s], t), "OSB " + r[0]);
    }

    const Table gyp = Rows(kGypsum);
    ASSERT_EQ(gyp.size(), 6u);
    for (const Row& r : gyp) {
        const std::vector<int> grades = Quoted(r[0]).size() == 2 ? std::vector<int>{1, 2} : std::vector<int>{0};
        const std::vector<double> band = Numbers(r[1]);
        for (int g : grades)
            for (double t : {band[1], band[0] + (band[0] == 12 ? 0.0 : 0.01)})
                for (int s = 0; s < 4; ++s)
                    ExpectCell(Slashed(r[2 + s]), Strengths(5, g, 2, four_dirs[s], t), "gypsum " + r[0] + " " + r[1]);
    }

    const Table ply = Rows(kPlywood);
    ASSERT_EQ(ply.size(), 6u);
    for (int g = 0; g < 6; ++g)
        for (int s = 0; s < 4; ++s)
            ExpectCell(Slashed(ply[g][1 + s]), Strengths(6, g, 2, four_dirs[s], 20), "plywood " + ply[g][0]);

    const Table lvl = Rows(kLvlProducts);
    ASSERT_EQ(lvl.size(), 3u);
    for (int g = 0; g < 3; ++g)
        for (int kind : {19, -11})
            for (int s = 0; s < 4; ++s)
                ExpectCell(Slashed(lvl[g][1 + s]), Strengths(kind, g, 2, four_dirs[s], 30), "LVL " + lvl[g][0]);

    const Table fib = Rows(kFibreFermacell);
    ASSERT_EQ(fib.size(), 9u);
    int fermacell = 0;
    for (const Row& r : fib) {
        const int kind = (int)Numbers(r[0])[0];
        int grade;
        std::vector<double> ts;
        if (kind == 8) {
            grade = r[0].find("Mittelhart") != std::string::npos ? 1 : 0;
            if (r[1] == "t <= 3.5 and t > 5.5")
                ts = {3.5, 2.0, 5.51, 8.0};
            else if (r[1] == "3.5 < t <= 5.5")
                ts = {3.51, 5.5};
            else if (r[1] == "t <= 10")
                ts = {4.0, 10.0};
            else if (r[1] == "t > 10")
                ts = {10.01, 19.0};
            else
                ADD_FAILURE() << "thickness " << r[1];
        } else {
            grade = fermacell++;
            ts = {12.5};
        }
        for (double t : ts) {
            ExpectCell(Slashed(r[2]), Strengths(kind, grade, 2, 0, t), "plate " + r[0]);
            ExpectCell(Slashed(r[3]), Strengths(kind, grade, 2, 5, t), "in-plane " + r[0]);
        }
    }

    const Table kb = Rows(kKertoBeech);
    ASSERT_EQ(kb.size(), 6u);
    int kerto_q = 0;
    for (const Row& r : kb) {
        const int kind = (int)Numbers(r[0])[0];
        std::vector<int> grades;
        if (kind == 10)
            grades = {0};
        else if (kind == 11)
            grades = {kerto_q++};
        else
            grades = Quoted(r[0]).size() == 2 ? std::vector<int>{0, 1} : std::vector<int>{2};
        std::vector<double> ts = {40.0};
        if (r[1] != "every") {
            const std::vector<double> b = Numbers(r[1]);
            ts = b.size() == 1 ? std::vector<double>{b[0], 12.0} : std::vector<double>{b[0], b[1]};
        }
        const int perp = kind == 18 ? 3 : 1;
        for (int g : grades)
            for (double t : ts)
                for (int sc : {1, 2}) {
                    std::vector<bool> star_p, star_q;
                    const std::vector<double> p = Slashed(r[2], &star_p);
                    const std::vector<double> q = Slashed(r[3], &star_q);
                    const double f = sc == 1 ? 1.2 : 1.0;
                    ExpectCell(p, Strengths(kind, g, sc, 0, t), "parallel " + r[0], f, &star_p);
                    ExpectCell(q, Strengths(kind, g, sc, perp, t), "perpendicular " + r[0], f, &star_q);
                }
    }
}

namespace {

std::vector<double> Moduli(int kind, int grade, int variant, double t)
{
    double m[3] = {NAN, NAN, NAN};
    EXPECT_EQ(Mat_Moduli(kind, grade, variant, t, &m[0], &m[1], &m[2], nullptr), 1)
        << kind << "/" << grade << "/" << variant << "/" << t;
    return {m[0] / 1000, m[1] / 1000, m[2] / 1000};
}

} // namespace

TEST(MaterialTables, PanelModuli)
{
    const Table t = Rows(kModuliPanels);
    ASSERT_EQ(t.size(), 8u);
    int plywood = 0;
    for (const Row& r : t) {
        const int kind = (int)Numbers(r[0])[0];
        std::vector<int> grades;
        if (kind == 4)
            grades = Quoted(r[1]).size() == 2 ? std::vector<int>{0, 1} : std::vector<int>{2};
        else
            grades = {plywood++};
        for (int g : grades) {
            for (int v = 0; v < 4; ++v) ExpectCell(Slashed(r[3 + v]), Moduli(kind, g, v, 15), "moduli " + r[1]);
            ExpectCell(Slashed(r[5]), Moduli(kind, g, 5, 15), "moduli variant 5 " + r[1]);
        }
    }

    const Table e = Rows(kModuliEngineered);
    ASSERT_EQ(e.size(), 9u);
    int kerto_q = 0, lvl = 0;
    for (const Row& r : e) {
        const std::vector<double> kinds_d = Numbers(r[0]);
        std::vector<int> kinds;
        for (double k : kinds_d) kinds.push_back((int)k);
        std::vector<int> grades;
        if (kinds[0] == 10)
            grades = {0};
        else if (kinds[0] == 11)
            grades = {kerto_q++};
        else if (kinds[0] == 18)
            grades = Quoted(r[1]).size() == 2 ? std::vector<int>{0, 1} : std::vector<int>{2};
        else
            grades = {lvl++};
        std::vector<double> ts = {40.0};
        if (r[2] != "every") {
            const std::vector<double> b = Numbers(r[2]);
            ts = b.size() == 1 ? std::vector<double>{b[0], 10.0} : std::vector<double>{b[0], b[1]};
        }
        const std::vector<double> v2 = Slashed(r[3]);
        const std::vector<double> v3 = Slashed(r[4]);
        const std::vector<double> v4 = r[5] == "as variant 2" ? v2 : Slashed(r[5]);
        for (int kind : kinds)
            for (int g : grades)
                for (double th : ts) {
                    ExpectCell(v2, Moduli(kind, g, 2, th), "variant 2 " + r[1]);
                    ExpectCell(v2, Moduli(kind, g, 5, th), "variant 5 " + r[1]);
                    ExpectCell(v3, Moduli(kind, g, 3, th), "variant 3 " + r[1]);
                    ExpectCell(v4, Moduli(kind, g, 4, th), "variant 4 " + r[1]);
                }
    }

    const Table p = Rows(kParticleModuli);
    ASSERT_EQ(p.size(), 4u);
    const double upper[6] = {13, 20, 25, 32, 40, 50};
    for (int g = 0; g < 4; ++g) {
        const std::vector<double> e4 = Numbers(p[g][2]);
        const std::string& c5 = p[g][3];
        const size_t gpos = c5.find("G ");
        ASSERT_NE(gpos, std::string::npos);
        const std::vector<double> e5 = Numbers(c5.substr(0, gpos));
        const std::vector<double> g5 = Numbers(c5.substr(gpos));
        ASSERT_EQ(e4.size(), 6u);
        ASSERT_EQ(e5.size(), 6u);
        ASSERT_EQ(g5.size(), 6u);
        for (int b = 0; b < 6; ++b) {
            ExpectCell({e4[b], b < 3 ? 200.0 : 100.0, 0.8 * e4[b]}, Moduli(7, g, 4, upper[b]), "plate " + p[g][0]);
            ExpectCell({e5[b], g5[b], 0.8 * e5[b]}, Moduli(7, g, 5, upper[b]), "in-plane " + p[g][0]);
        }
    }
}

namespace {

// A material that each row of a k_mod, k_def or self-weight table speaks of.
struct Probe {
    int kind, grade;
    bool annex;
};

} // namespace

TEST(MaterialTables, KmodSelection)
{
    const Table rows = Rows(kKmodSelection);
    ASSERT_EQ(rows.size(), 9u);
    // The materials each row names, in the row order of the table.
    const std::vector<std::vector<Probe>> probes = {
        {{-10, 0, false},
         {0, 5, true},
         {1, 3, false},
         {2, 13, true},
         {3, 7, false},
         {17, 1, true},
         {6, 2, false},
         {10, 0, true},
         {11, 1, false},
         {13, 5, false},
         {13, 0, true}},
        {{18, 0, false}, {19, 2, true}, {-11, 1, false}},
        {{4, 0, false}, {4, 0, true}},
        {{4, 1, false}, {4, 2, true}},
        {{7, 0, false}, {7, 3, false}, {7, 9, false}, {8, 0, false}, {8, 0, true}},
        {{7, 0, true}, {7, 1, true}},
        {{7, 2, true}, {7, 3, true}},
        {{5, 0, false}, {5, 2, true}, {9, 0, false}, {9, 4, true}},
        {{8, 1, false}, {8, 1, true}},
    };
    const Table r_rows = Rows(kKmodRows);
    for (size_t i = 0; i < rows.size(); ++i)
        for (const Probe& p : probes[i])
            for (int sc = 1; sc <= 3; ++sc) {
                const std::string& cell = rows[i][sc];
                for (int d = 0; d <= 7; ++d) {
                    std::unique_ptr<ScopedAnnex> annex;
                    std::unique_ptr<ScopedAnnex> din;
                    if (p.annex) {
                        annex.reset(new ScopedAnnex(0));
                        annex->record.kmod_na1_index_b = 1;
                    } else {
                        din.reset(new ScopedAnnex(ScopedAnnex::kNone));
                    }
                    double k = -1;
                    const int r = Mat_Kmod(p.kind, p.grade, sc, d, &k, nullptr);
                    const std::string what = rows[i][0] + " kind " + std::to_string(p.kind) + " grade " +
                                             std::to_string(p.grade) + " class " + std::to_string(sc);
                    if (cell.rfind("R", 0) == 0) {
                        const int row = std::atoi(cell.c_str() + 1) - 1;
                        ASSERT_TRUE(row >= 0 && row < 9) << cell;
                        const std::string& value = r_rows[row][1 + std::min(d == 6 || d == 7 ? 4 : d, 5)];
                        if (value == "-") { // no load of this class allowed
                            EXPECT_EQ(r, 0) << what;
                            EXPECT_EQ(k, 0.0) << what;
                            continue;
                        }
                        EXPECT_EQ(r, 1) << what;
                        EXPECT_NEAR(k, Num(value), 1e-12) << what;
                    } else {
                        EXPECT_EQ(cell.rfind("undefined", 0), 0u) << cell;
                        EXPECT_EQ(r, 0) << what;
                        EXPECT_EQ(k, 0.0) << what;
                    }
                }
            }
}

TEST(MaterialTables, Kdef)
{
    const Table rows = Rows(kKdef);
    ASSERT_EQ(rows.size(), 8u);
    std::vector<std::vector<Probe>> probes(rows.size());
    for (double k : Numbers(rows[0][0])) probes[0].push_back({(int)k, 0, false});
    probes[1] = {{4, 0, false}, {4, 2, true}};
    probes[2] = {{5, 1, false}};
    probes[3] = {{6, 5, true}};
    probes[4] = {{7, 0, false}, {7, 3, false}, {7, 0, true}, {7, 1, true}};
    probes[5] = {{7, 2, true}, {7, 3, true}, {7, 7, true}};
    probes[6] = {{8, 0, false}, {8, 0, true}};
    probes[7] = {{8, 1, false}, {8, 5, true}};
    ASSERT_EQ(probes[0].size(), 12u);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) {
            EXPECT_EQ(Numbers(rows[i][0])[0], probes[i][0].kind) << rows[i][0];
        }
        for (const Probe& p : probes[i]) {
            std::unique_ptr<ScopedAnnex> annex;
            std::unique_ptr<ScopedAnnex> din;
            if (p.annex)
                annex.reset(new ScopedAnnex(0));
            else
                din.reset(new ScopedAnnex(ScopedAnnex::kNone));
            for (int sc = 1; sc <= 3; ++sc) {
                double k = -1;
                EXPECT_EQ(Mat_Kdef(p.kind, p.grade, sc, &k), 1);
                EXPECT_EQ(k, Num(rows[i][sc])) << rows[i][0] << " kind " << p.kind << " class " << sc;
            }
        }
    }
}

TEST(MaterialTables, SelfWeight)
{
    ScopedAnnex annex(0); // hardwood grades 6 and 7 exist under the annex rules only
    const Table rows = Rows(kSelfWeight);
    ASSERT_EQ(rows.size(), 17u);
    int checked = 0;
    for (const Row& r : rows) {
        if (r[1].find("weight per metre") != std::string::npos) continue; // computed, tested elsewhere
        std::vector<int> kinds;
        for (double k : Numbers(r[0])) kinds.push_back((int)k);
        std::string weights = r[1];
        const size_t paren = weights.find(" (");
        if (paren != std::string::npos) weights = weights.substr(0, paren);
        std::stringstream parts(weights);
        std::string part;
        int last_grade = -1;
        while (std::getline(parts, part, ';')) {
            const size_t colon = part.find(':');
            ASSERT_NE(colon, std::string::npos) << part;
            const std::string grades_text = Trim(part.substr(0, colon));
            const std::vector<double> values = Numbers(part.substr(colon + 1));
            std::vector<int> grades;
            if (grades_text == "every grade") {
                grades = {0, 5, 99};
            } else if (grades_text.find("..") != std::string::npos) {
                const std::vector<double> b = Numbers(grades_text.substr(0, grades_text.find("..")) + " " +
                                                      grades_text.substr(grades_text.find("..") + 2));
                for (int g = (int)b[0]; g <= (int)b[1]; ++g) grades.push_back(g);
            } else {
                for (double g : Numbers(grades_text)) grades.push_back((int)g);
            }
            ASSERT_TRUE(values.size() == 1 || values.size() == grades.size()) << part;
            for (size_t j = 0; j < grades.size(); ++j) {
                const double want = values.size() == 1 ? values[0] : values[j];
                for (int kind : kinds) {
                    EXPECT_EQ(Mat_Self_Weight(kind, grades[j]), want) << r[0] << " grade " << grades[j];
                    ++checked;
                }
                last_grade = std::max(last_grade, grades[j]);
            }
        }
        if (last_grade < 99) {
            for (int kind : kinds) {
                EXPECT_EQ(Mat_Self_Weight(kind, last_grade + 1), 0.0) << r[0];
            }
        }
    }
    EXPECT_GT(checked, 60);
}
