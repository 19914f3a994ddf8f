// The worked examples of the cross-laminated timber section of
// docs/engineering.md: the test reads the table of the document and computes
// every row with the library, so that the document and the program cannot
// drift apart. The document's values were worked out independently (closed
// formulas; kappa by numerical integration).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "clt/cltfire.h"
#include "clt/cltplate.h"
#include "clt/cltstiffness.h"
#include "clt/tests/clt_fixture.h"
#include "test_support/kovtestutil.h"

namespace {

struct DocValue {
    double value;
    double tolerance; // half a unit of the last digit printed
};

// The rows "| `key` | ... | value | unit |" of the section's example table.
std::map<std::string, DocValue> DocExamples()
{
    const std::string section = kovtest::engineering_section("## Cross-laminated timber");
    std::map<std::string, DocValue> rows;
    std::istringstream in(section);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("| `", 0) != 0) continue;
        std::vector<std::string> cells;
        std::string cell;
        std::istringstream cs(line.substr(1));
        while (std::getline(cs, cell, '|')) cells.push_back(cell);
        if (cells.size() < 4) continue;
        auto trim = [](std::string s) {
            const size_t a = s.find_first_not_of(" `"), b = s.find_last_not_of(" `");
            return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
        };
        const std::string key = trim(cells[0]), value = trim(cells[2]);
        const size_t dot = value.find('.');
        const int decimals = dot == std::string::npos ? 0 : static_cast<int>(value.size() - dot - 1);
        rows[key] = {std::atof(value.c_str()), 0.5 * std::pow(10.0, -decimals) + 1e-12};
    }
    return rows;
}

// 40/(20)/40/(20)/40 with E 11,000,000, G 690,000, G_R 50,000 kN/m2, the
// strengths of the plate example and its static moments.
CltSection Example()
{
    CltSection s = Clt_Test_Section_EG({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}}, 11000000.0, 690000.0);
    for (int i = 0; i < s.layer_count; ++i) {
        CltLayer& l = s.layers[i];
        l.f_m = 24000, l.f_t = 14000, l.f_c = 21000, l.f_v = 4000;
    }
    Clt_Static_Moments(&s, 0);
    s.shear_correction_x = Clt_Shear_Correction(&s, 0);
    s.manufacturer = 6;
    s.strength_factor = 1.2;
    s.charring_rate = 0.65;
    s.char_stays = 0;
    return s;
}

CltPlateCheck Check(double c, double kmod, double gamma_M)
{
    const CltSection s = Example();
    CltPlateCheck r;
    EXPECT_EQ(Clt_Plate_Check(&s, 1000, 0, 1, 8, c, kmod, gamma_M, 50, 0, 30, &r), 1);
    return r;
}

// One plate of 200 mm charring from the failure of its cladding: the same
// depth on every side, else -1.
double ProtectedEverySide()
{
    CltSection plate = Clt_Test_Section({{200, 0}});
    Clt_Section_Values(&plate);
    plate.charring_rate = 0.65;
    const double d = Clt_Effective_Char_Depth(&plate, 0, 60, 10, 10, 0, 0);
    for (unsigned side = 1; side <= 3; ++side)
        if (Clt_Effective_Char_Depth(&plate, side, 60, 10, 10, 0, 0) != d) return -1.0;
    return d;
}

} // namespace

TEST(CltDocument, WorkedExamplesMatchTheLibrary)
{
    Clt_Test_Publish_Annex();
    const CltSection s = Example();
    const std::map<std::string, std::function<double()>> computed = {
        {"EI", [] { return Check(1.0, 0.9, 1.3).EI; }},
        {"kappa", [&] { return Clt_Shear_Correction(&s, 0); }},
        {"S", [&] { return Clt_Shear_Stiffness(&s, 0); }},
        {"EI_ef", [&] { return Clt_Effective_Bending_Stiffness(&s, 0, 4.5); }},
        {"shear_factor", [&] { return Clt_Shear_Deformation_Factor(&s, 0, 4500.0); }},
        {"sigma_top", [] { return Check(1.0, 0.9, 1.3).layers[0].sigma[2]; }},
        {"f_md", [] { return Check(1.0, 0.9, 1.3).layers[0].f_md; }},
        {"eta_m", [] { return Check(1.0, 0.9, 1.3).eta_m_max; }},
        {"f_Rd", [] { return Check(1.0, 0.9, 1.3).layers[1].f_vd; }},
        {"eta_v", [] { return Check(1.0, 0.9, 1.3).eta_v_max; }},
        {"f_md_fi", [] { return Check(1.15, 1.0, 1.0).layers[0].f_md; }},
        {"f_Rd_fi", [] { return Check(1.15, 1.0, 1.0).layers[1].f_vd; }},
        {"d_ef_90", [&] { return Clt_Effective_Char_Depth(&s, 0, 90, 0, 0, 0, 0); }},
        {"d_ef_90_side", [&] { return Clt_Effective_Char_Depth(&s, 2, 90, 0, 0, 0, 0); }},
        {"d_ef_protected", [] { return ProtectedEverySide(); }},
    };
    const std::map<std::string, DocValue> doc = DocExamples();
    EXPECT_EQ(doc.size(), computed.size());
    for (const auto& row : computed) {
        const auto it = doc.find(row.first);
        ASSERT_NE(it, doc.end()) << row.first << " is not in the document's table";
        EXPECT_NEAR(row.second(), it->second.value, it->second.tolerance) << row.first;
    }
    for (const auto& row : doc) EXPECT_TRUE(computed.count(row.first)) << row.first << " is computed by no row";
}
