// The ranges of the annex values: the supplied annexes lie inside them, values
// outside (and non-finite ones) are refused when a file is loaded or stored,
// and the documentation's range table is the code's.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <sstream>
#include <string>

#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "nad/nadfile.h"
#include "nad/nadlist.h"
#include "nad/nadrange.h"
#include "nad/tests/nadenv_fixture.h"
#include "nad/tests/nadrec_fixture.h"
#include "test_support/kovtestutil.h"

using nadtest::AnnexEnv;
using nadtest::CollectedMessages;
using nadtest::RecordBox;

namespace {

typedef std::function<double*(NadRecord*)> Field;

std::string check_text(const NadRecord* r)
{
    NadRangeFault f;
    return Nad_Check_Record(r, &f) ? std::string() : Nad_Range_Message(f);
}

// Writes r as user annex n without the store's check (a file edited by hand).
void write_by_hand(const AnnexEnv& env, int n, const NadRecord* r)
{
    std::filesystem::create_directories(env.nads());
    FILE* f = std::fopen(env.user_file(n).c_str(), "wb");
    ASSERT_NE(f, nullptr);
    Nad_Write_File(f, r);
    std::fclose(f);
}

} // namespace

TEST(AnnexRanges, SuppliedAndRecommendedAnnexesLieInsideEveryRange)
{
    AnnexEnv env;
    for (const char* name : {"Deutschland", "Standard"}) {
        RecordBox r;
        nadtest::Default_Blocks(r.get());
        ASSERT_EQ(Nad_Load(0, name, r.get()), 1) << name << ": " << Nad_Load_Fault();
        EXPECT_EQ(check_text(r.get()), "") << name;
    }
    RecordBox d;
    nadtest::Default_Blocks(d.get());
    EXPECT_EQ(check_text(d.get()), "");
}

TEST(AnnexRanges, EdgesOfEachKind)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        Field field;
        double value;
        bool holds;
    } const cases[] = {
        {"gamma_M glulam 1.0", [](NadRecord* r) { return &r->ec5.gamma_m_glulam; }, 1.0, true},
        {"gamma_M glulam 0.99", [](NadRecord* r) { return &r->ec5.gamma_m_glulam; }, 0.99, false},
        {"gamma_M glulam -5", [](NadRecord* r) { return &r->ec5.gamma_m_glulam; }, -5.0, false},
        {"gamma_M glulam inf", [](NadRecord* r) { return &r->ec5.gamma_m_glulam; }, inf, false},
        {"gamma_M glulam nan", [](NadRecord* r) { return &r->ec5.gamma_m_glulam; }, nan, false},
        {"gamma_M0 steel 1.0", [](NadRecord* r) { return &r->ec3.ec31.gamma_m0; }, 1.0, true},
        {"gamma_M masonry 0.9", [](NadRecord* r) { return &r->ec6.gamma_m_persistent; }, 0.9, false},
        {"gamma_c 1.5", [](NadRecord* r) { return &r->ec2.gamma_c[0]; }, 1.5, true},
        {"psi_0 1.0", [](NadRecord* r) { return &r->ec0.building_psi[0][0]; }, 1.0, true},
        {"psi_0 0", [](NadRecord* r) { return &r->ec0.building_psi[0][0]; }, 0.0, true},
        {"psi_0 1.5", [](NadRecord* r) { return &r->ec0.building_psi[0][0]; }, 1.5, false},
        {"psi_2 -0.1", [](NadRecord* r) { return &r->ec0.building_psi[3][2]; }, -0.1, false},
        {"psi road bridge 1.01", [](NadRecord* r) { return &r->ec0.road_bridge_psi[13][2]; }, 1.01, false},
        {"gamma_G,sup 0", [](NadRecord* r) { return &r->ec0.building_gamma[0][0][0]; }, 0.0, false},
        {"gamma_G,inf 0", [](NadRecord* r) { return &r->ec0.building_gamma[0][0][1]; }, 0.0, true},
        {"gamma_Q,sup -1.5", [](NadRecord* r) { return &r->ec0.building_gamma[0][1][0]; }, -1.5, false},
        {"k_mod 1.1", [](NadRecord* r) { return &r->ec5.k_mod[4][0]; }, 1.1, true},
        {"k_mod 1.11", [](NadRecord* r) { return &r->ec5.k_mod[4][0]; }, 1.11, false},
        {"k_mod 0", [](NadRecord* r) { return &r->ec5.k_mod[0][2]; }, 0.0, false},
        {"k_def 0", [](NadRecord* r) { return &r->ec5.k_def[0]; }, 0.0, true},
        {"k_def -0.1", [](NadRecord* r) { return &r->ec5.k_def[0]; }, -0.1, false},
        {"l/x 0", [](NadRecord* r) { return &r->ec5.deflection_limits[0][0]; }, 0.0, false},
        {"l/x 300", [](NadRecord* r) { return &r->ec5.deflection_limits[0][0]; }, 300.0, true},
        {"k_cr 1.0", [](NadRecord* r) { return &r->ec5.k_cr_solid; }, 1.0, true},
        {"k_cr 0", [](NadRecord* r) { return &r->ec5.k_cr_solid; }, 0.0, false},
        {"alpha_cc 1.01", [](NadRecord* r) { return &r->ec2.alpha_cc; }, 1.01, false},
        {"cover -0.5 cm", [](NadRecord* r) { return &r->ec2.c_min_dur[3]; }, -0.5, false},
        {"eta 1.2", [](NadRecord* r) { return &r->ec3.ec38.eta; }, 1.2, true},
        {"eta 0.9", [](NadRecord* r) { return &r->ec3.ec38.eta; }, 0.9, false},
        {"gamma_Ma aluminium -inf", [](NadRecord* r) { return &r->ec9.gamma_ma; }, -inf, false},
    };
    for (const Case& c : cases) {
        RecordBox r;
        nadtest::Default_Blocks(r.get());
        double* v = c.field(r.get());
        const NadRangeKind* kind = Nad_Range_Of(r.get(), v, nullptr);
        ASSERT_NE(kind, nullptr) << c.what;
        EXPECT_EQ(Nad_Range_Holds(kind, c.value), c.holds ? 1 : 0) << c.what;
        *v = c.value;
        EXPECT_EQ(Nad_Check_Record(r.get(), nullptr), c.holds ? 1 : 0) << c.what;
    }
}

TEST(AnnexRanges, MessageNamesFieldValueAndRange)
{
    RecordBox r;
    nadtest::Default_Blocks(r.get());
    r->ec5.gamma_m_glulam = -5;
    NadRangeFault f;
    ASSERT_EQ(Nad_Check_Record(r.get(), &f), 0);
    EXPECT_EQ(Nad_Range_Message(f),
              "Der Wert -5 ist für \"EC 5: gamma_M Brettschichtholz\" nicht zulässig; zulässig ist von 1 bis 5.");
    nadtest::Default_Blocks(r.get());
    r->ec5.k_mod[1][2] = 1.25;
    ASSERT_EQ(Nad_Check_Record(r.get(), &f), 0);
    EXPECT_EQ(Nad_Range_Message(f), "Der Wert 1,25 ist für \"EC 5: k_mod, Zeile 2, Spalte 3\" nicht zulässig; "
                                    "zulässig ist über 0 bis 1,1.");
    nadtest::Default_Blocks(r.get());
    r->ec0.building_psi[0][1] = std::numeric_limits<double>::infinity();
    ASSERT_EQ(Nad_Check_Record(r.get(), &f), 0);
    EXPECT_EQ(Nad_Range_Message(f), "Der Wert unendlich ist für \"EC 0: psi, Hochbau, Zeile 1, Spalte 2\" nicht "
                                    "zulässig; zulässig ist von 0 bis 1.");
}

// A user annex edited by hand: the program refuses it, says which file and
// which value, and the position goes on with the supplied German annex.
TEST(AnnexRanges, UserFileWithAValueOutsideIsRefusedAndGermanyHolds)
{
    const double values[] = {-5.0, std::numeric_limits<double>::infinity(), 0.5};
    for (double bad : values) {
        AnnexEnv env;
        CollectedMessages messages;
        RecordBox r;
        nadtest::Default_Blocks(r.get());
        std::snprintf(r->name, sizeof r->name, "%s", "Handarbeit");
        r->flag_index = 5;
        r->ec5.gamma_m_glulam = bad;
        write_by_hand(env, 1, r.get());

        RecordBox loaded;
        nadtest::Default_Blocks(loaded.get());
        EXPECT_EQ(Nad_Load(1, nullptr, loaded.get()), 0) << bad;
        const std::string fault = Nad_Load_Fault();
        EXPECT_NE(fault.find("1.NAD"), std::string::npos) << fault;
        EXPECT_NE(fault.find("gamma_M Brettschichtholz"), std::string::npos) << fault;

        Nad_Build_List();
        Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
        NadActiveName = Mem_Strdup("Handarbeit");
        EXPECT_EQ(Nad_Activate(), 1);
        EXPECT_STREQ(NadActiveName, "Deutschland");
        EXPECT_DOUBLE_EQ(Nad_Get_Ec5()->gamma_m_glulam, 1.3);
        EXPECT_EQ(Nad_Get_Na_De(), 1);
        const std::string text = messages.text();
        EXPECT_NE(text.find("1.NAD"), std::string::npos) << text;
        EXPECT_NE(text.find("Brettschichtholz"), std::string::npos) << text;
        EXPECT_NE(text.find("Deutschland"), std::string::npos) << text;
    }
}

TEST(AnnexRanges, StoreWritesNoFileWithAValueOutside)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    RecordBox r;
    nadtest::Default_Blocks(r.get());
    std::snprintf(r->name, sizeof r->name, "%s", "Eins");
    r->ec0.building_psi[2][0] = 1.5;
    EXPECT_EQ(Nad_Store_User_Nad(1, r.get()), 0);
    EXPECT_FALSE(std::filesystem::exists(env.user_file(1)));
    r->ec0.building_psi[2][0] = 0.7;
    EXPECT_EQ(Nad_Store_User_Nad(1, r.get()), 1);
    const std::string before = kovtest::read_file(env.user_file(1));
    r->ec5.k_mod[0][0] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Nad_Store_User_Nad(1, r.get()), 0);
    EXPECT_EQ(kovtest::read_file(env.user_file(1)), before);
}

// The range table of docs/engineering.md ("National annex parameters") is the
// code's: every kind once, with the same bounds and the same open ends.
TEST(AnnexRanges, DocumentationTableIsTheCodes)
{
    std::ifstream in(std::string(KOV_SOURCE_DIR) + "/docs/engineering.md");
    ASSERT_TRUE(in.good());
    std::string line;
    bool inside = false;
    std::map<std::string, std::string> documented;
    while (std::getline(in, line)) {
        if (line.rfind("## ", 0) == 0) inside = line.find("National annex parameters") != std::string::npos;
        if (!inside || line.rfind("| `", 0) != 0) continue;
        // | `id` | range | ...
        const size_t a = 3, b = line.find('`', a);
        const size_t c = line.find('|', b);
        const size_t d = line.find('|', c + 1);
        ASSERT_NE(d, std::string::npos) << line;
        std::string range = line.substr(c + 1, d - c - 1);
        range.erase(0, range.find_first_not_of(' '));
        range.erase(range.find_last_not_of(' ') + 1);
        EXPECT_TRUE(documented.emplace(line.substr(a, b - a), range).second) << "twice: " << line;
    }
    int n = 0;
    const NadRangeKind* kinds = Nad_Range_Kinds(&n);
    ASSERT_GT(n, 0);
    EXPECT_EQ(documented.size(), size_t(n));
    for (int i = 0; i < n; ++i) {
        const NadRangeKind& k = kinds[i];
        auto num = [](double v) {
            std::ostringstream s;
            s << v;
            return s.str();
        };
        const std::string want =
            std::string(k.lo_open ? "(" : "[") + num(k.lo) + ", " + num(k.hi) + (k.hi_open ? ")" : "]");
        ASSERT_TRUE(documented.count(k.id)) << "not documented: " << k.id;
        EXPECT_EQ(documented[k.id], want) << k.id;
    }
}
