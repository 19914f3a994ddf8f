// The command-line tool cltcheck: its lines for a catalogue product, worked out
// by hand (BBS 125 120/5s: E 12,000,000, f_m 18 N/mm2, f_v 4.0, f_R 1.0; EI =
// 12e6 * (3 * 0.02^3/12 + 2 * 0.02 * 0.05^2) = 1224 kNm2; sigma = 10 * 0.06 /
// 1224 * 12e6 = 5.882 N/mm2 at the faces, 10 * 0.04 / 1224 * 12e6 = 3.922 at
// the inner face of an outer layer; eta_m = 5.882 / (18 * 0.8 / 1.3); tau at
// the cross layer 12 * 12 / 1224 = 0.1176 N/mm2 against 0.8 / 1.3).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "test_support/kovtestutil.h"
#include "test_support/runtool.h"

namespace {

using kovtest::ToolRun;

// The installation data that cltcheck reads its annex from; no DRAM, so that
// nothing of the annex library's housekeeping may reach the output.
std::string DataDir() { return std::string(KOV_SOURCE_DIR) + "/data"; }

// Runs a tool of the build with the arguments in a folder of the test's own.
ToolRun RunTool(const std::string& tool, const std::vector<std::string>& args, const std::string& dir,
                bool with_data = true)
{
    kovtest::ToolOptions o;
    o.folder = dir;
    o.unset = {"DRAM"};
    if (with_data)
        o.set = {"DATA=" + DataDir()};
    else
        o.unset.push_back("DATA");
    std::vector<std::string> argv{kovtest::tool_path(tool)};
    argv.insert(argv.end(), args.begin(), args.end());
    return kovtest::Run_Tool(argv, o);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line)
{
    for (const auto& l : lines)
        if (l == line) return true;
    return false;
}

} // namespace

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The value after "eta = " in the report, or -1.
double Eta(const std::string& out)
{
    for (const auto& l : Lines(out))
        if (l.rfind("eta = ", 0) == 0) return std::atof(l.c_str() + 6);
    return -1.0;
}

TEST(CltCheckTool, ChecksBinderholz)
{
    kovtest::TempDir dir("cltcheck");
    const ToolRun r = RunTool("cltcheck", {"check", "4", "6", "--M", "10", "--V", "12"}, dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto lines = Lines(r.out);
    EXPECT_TRUE(Has(lines, "Product: Binderholz BBS 125 BBS 125 120/5s (4 6)")) << r.out;
    EXPECT_TRUE(Has(lines, "Build-up: 20.0 (30.0) 20.0 (30.0) 20.0 mm")) << r.out;
    EXPECT_TRUE(Has(lines, "EI = 1224.0 kNm2")) << r.out;
    EXPECT_TRUE(Has(lines, "M_d = 10.000 kNm, V_d = 12.000 kN")) << r.out;
    EXPECT_TRUE(Has(lines, "sigma_min = -5.882 N/mm2, sigma_max = 5.882 N/mm2")) << r.out;
    EXPECT_TRUE(Has(lines, "eta_m = 0.531 in layer 1")) << r.out;
    EXPECT_TRUE(Has(lines, "eta_v = 0.191 in layer 2")) << r.out;
    EXPECT_TRUE(Has(lines, "eta = 0.531")) << r.out;
}

// A sagging moment puts the top layer in compression and the bottom layer in
// tension, printed tension positive, and the list says so. Per layer: sigma at
// its top and bottom, f_m,d = 0.8 * 18 / 1.3 = 11.077, the largest tau, f_v,d
// (0.8 * 4.0 / 1.3 = 2.462 along, 0.8 * 1.0 / 1.3 = 0.615 across) and eta.
TEST(CltCheckTool, LayersWithTheirStressesAndSigns)
{
    kovtest::TempDir dir("cltcheck");
    const ToolRun r = RunTool("cltcheck", {"check", "4", "6", "--M", "10", "--V", "12"}, dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto lines = Lines(r.out);
    EXPECT_TRUE(Contains(r.out, "stresses tension positive, compression negative; M_d > 0 sags the strip: "
                                "compression at the top, tension at the bottom"))
        << r.out;
    EXPECT_TRUE(Has(lines, "1  20.0  span  -5.882  -3.922  11.077  0.118  2.462  0.531")) << r.out;
    EXPECT_TRUE(Has(lines, "2  30.0  cross  0.000  0.000  -  0.118  0.615  0.191")) << r.out;
    EXPECT_TRUE(Has(lines, "5  20.0  span  3.922  5.882  11.077  0.118  2.462  0.531")) << r.out;
    // A hogging moment turns the signs.
    const ToolRun h = RunTool("cltcheck", {"check", "4", "6", "--M", "-10", "--V", "12"}, dir.path());
    ASSERT_EQ(h.exit_code, 0) << h.err;
    EXPECT_TRUE(Has(Lines(h.out), "1  20.0  span  5.882  3.922  11.077  0.118  2.462  0.531")) << h.out;
}

TEST(CltCheckTool, SpanLoadAndEffectiveStiffness)
{
    kovtest::TempDir dir("cltcheck");
    // q 4 kN/m2 on 5 m: M = 4 * 25 / 8 = 12.5 kNm, V = 10 kN.
    const ToolRun r = RunTool("cltcheck", {"check", "4", "6", "--span", "5", "--q", "4"}, dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto lines = Lines(r.out);
    EXPECT_TRUE(Has(lines, "M_d = 12.500 kNm, V_d = 10.000 kN")) << r.out;
    EXPECT_NE(r.out.find("EI_ef = "), std::string::npos);
    // The gravity load compresses the top layer: sigma = 12.5 * 0.06 / 1224 * 12e6.
    EXPECT_TRUE(Contains(r.out, "\n1  20.0  span  -7.353  -4.902  ")) << r.out;
}

// A product without rolling-shear strength on record cannot be verified: no
// utilisation is printed, the reason goes to standard error in German.
TEST(CltCheckTool, MissingRollingShearStrengthIsRefused)
{
    kovtest::TempDir dir("cltcheck");
    const ToolRun r = RunTool("cltcheck", {"check", "1", "0", "--M", "5", "--V", "1"}, dir.path());
    EXPECT_EQ(r.exit_code, 1) << r.err;
    EXPECT_TRUE(Contains(r.err, "Für das Produkt Derix X-LAM X-60/3s ist keine Rollschubfestigkeit hinterlegt; der "
                                "Nachweis kann nicht geführt werden."))
        << r.err;
    EXPECT_FALSE(Contains(r.out, "eta")) << r.out;
}

// Every product of the catalogue, 4.5 m with 5 kN/m2: a finite utilisation,
// or for the products of manufacturer 1 without rolling-shear strength (all
// but X-70/3s) the refusal. Leno's products with a cross layer of LVL (0 2
// and 0 7) are checked. One test per manufacturer, so that they run side by
// side.
class CltCheckEveryProduct : public ::testing::TestWithParam<int> {};

TEST_P(CltCheckEveryProduct, IsCheckedOrRefused)
{
    kovtest::TempDir dir("cltcheck");
    const std::string m = std::to_string(GetParam());
    const ToolRun list = RunTool("cltcheck", {"list", m}, dir.path());
    ASSERT_EQ(list.exit_code, 0) << list.err;
    const auto lines = Lines(list.out);
    const size_t counts[8] = {27, 18, 17, 27, 15, 15, 31, 14};
    EXPECT_EQ(lines.size(), counts[GetParam()]);
    for (const auto& line : lines) {
        const std::string p = line.substr(m.size() + 1, line.find('\t') - m.size() - 1);
        const ToolRun r = RunTool("cltcheck", {"check", m, p, "--span", "4.5", "--q", "5"}, dir.path());
        if (m == "1" && p != "1") {
            EXPECT_EQ(r.exit_code, 1) << line;
            EXPECT_TRUE(Contains(r.err, "keine Rollschubfestigkeit hinterlegt")) << line << r.err;
            continue;
        }
        EXPECT_EQ(r.exit_code, 0) << line << r.err;
        const double eta = Eta(r.out);
        EXPECT_TRUE(std::isfinite(eta) && eta > 0.0) << line << r.out;
        EXPECT_FALSE(Contains(r.out, "inf") || Contains(r.out, "nan")) << line << r.out;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CltCheckEveryProduct, ::testing::Range(0, 8));

// Fire values: gamma_M,fi = 1.0, k_mod,fi = 1.0, k_fi = 1.15, so a C24 layer
// of Leno "120" (24 (24) 24 (24) 24, beta 0.7, char stays) has f_m,d,fi =
// 1.15 * 24 = 27.6 N/mm2. 30 min from the bottom: 21 mm char + 7 = 28 mm
// take the bottom layer and 4 mm of the cross layer above it.
TEST(CltCheckTool, FireValues)
{
    kovtest::TempDir dir("cltcheck");
    const ToolRun r = RunTool(
        "cltcheck", {"check", "0", "8", "--span", "4.5", "--q", "5", "--fire", "30", "--side", "1"}, dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto lines = Lines(r.out);
    EXPECT_TRUE(Contains(r.out, "the loads given are the design loads of the fire situation")) << r.out;
    EXPECT_TRUE(Has(lines, "gamma_M,fi = 1.00, k_mod,fi = 1.00, k_fi = 1.15")) << r.out;
    EXPECT_TRUE(Has(lines, "k_fi after EN 1995-1-2:2004, 2.3 (4), Table 2.1 (glued laminated timber)")) << r.out;
    EXPECT_TRUE(Has(lines, "Fire: t 30.0 min, side 1, d_ef 28.00 mm")) << r.out;
    EXPECT_TRUE(Has(lines, "Residual build-up: 24.0 (24.0) 24.0 (20.0) mm, width 1000.0 mm")) << r.out;
    EXPECT_TRUE(Contains(r.out, "Residual layers (from the top;")) << r.out;
    bool top = false;
    for (const auto& l : lines)
        if (l.rfind("1  24.0  span  -", 0) == 0) top = l.find("  27.600  ") != std::string::npos;
    EXPECT_TRUE(top) << r.out;
    EXPECT_TRUE(Contains(r.out, "\n4  20.0  cross  ")) << r.out;
    EXPECT_FALSE(Contains(r.out, "\n5  ")) << r.out;
}

// A fire on a face across the layers narrows the strip, the load stays on the
// full metre: BBS 125 120/5s, 4.5 m, 5 kN/m2 (M 12.656 kNm), beta 0.9.
// eta = sigma / (1.15 * 18) with sigma = M 0.06 12e6 / (EI b / 1 m):
// 0 min 0.360, 30 min (d_ef 34, b 0.966) 0.372, 60 min (d_ef 61) 0.383.
TEST(CltCheckTool, FireFromTheSideNarrowsTheSectionNotTheLoad)
{
    kovtest::TempDir dir("cltcheck");
    struct {
        const char* t;
        double eta;
        const char* width;
    } rows[] = {{"0", 0.35965, "Width 1000.0 mm (load on 1000.0 mm)"},
                {"30", 0.37231, "Width 966.0 mm (load on 1000.0 mm)"},
                {"60", 0.38302, "Width 939.0 mm (load on 1000.0 mm)"}};
    for (const auto& row : rows) {
        const ToolRun r = RunTool(
            "cltcheck", {"check", "4", "6", "--span", "4.5", "--q", "5", "--fire", row.t, "--side", "2"}, dir.path());
        ASSERT_EQ(r.exit_code, 0) << r.err;
        EXPECT_NEAR(Eta(r.out), row.eta, 0.0006) << row.t << r.out;
        EXPECT_TRUE(Contains(r.out, row.width)) << r.out;
        EXPECT_TRUE(Contains(r.out, "M_d = 12.656 kNm, V_d = 11.250 kN")) << r.out;
    }
}

// Without DATA the tool names the variable; there is no annex housekeeping
// on standard error.
TEST(CltCheckTool, NamesAMissingDataFolder)
{
    kovtest::TempDir dir("cltcheck");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"check", "4", "6", "--M", "10", "--V", "12"}, std::vector<std::string>{"list"}}) {
        const ToolRun r = RunTool("cltcheck", args, dir.path(), false);
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_TRUE(Contains(r.err, "Die Umgebungsvariable DATA ist nicht gesetzt.")) << r.err;
        EXPECT_FALSE(Contains(r.err, "Safeguard")) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

// Every option is range-checked: the reproducers of absurd values and the
// values the standard cannot have are refused with a German message that
// names the option and its range (exit code 2); so is a wrong command line.
TEST(CltCheckTool, OptionsOutOfRangeAreRefused)
{
    kovtest::TempDir dir("cltcheck");
    const std::vector<std::string> forces{"check", "4", "6", "--M", "10", "--V", "12"};
    const std::vector<std::string> span{"check", "4", "6", "--span", "4.5", "--q", "5"};
    struct {
        std::vector<std::string> base, extra;
        const char* named;
    } rows[] = {
        {forces,
         {"--kmod", "-1", "--duration", "8"},
         "Option --kmod: der Wert -1 liegt außerhalb des zulässigen "
         "Bereichs 0 < k_mod ≤ 1,1."},
        {forces, {"--kmod", "1.2", "--duration", "8"}, "0 < k_mod ≤ 1,1"},
        {forces, {"--kmod", "0.9"}, "Option --kmod gilt nur mit --duration 8"},
        {forces, {"--duration", "8"}, "Option --duration 8 verlangt --kmod"},
        {{"check", "4", "6", "--M", "1e308", "--V", "12"}, {}, "Option --M: der Wert 1e308 liegt außerhalb"},
        {{"check", "4", "6", "--M", "nan", "--V", "12"}, {}, "Option --M: der Wert nan liegt außerhalb"},
        {{"check", "4", "6", "--M", "10", "--V", "inf"}, {}, "Option --V: der Wert inf liegt außerhalb"},
        {{"check", "4", "6", "--M", "0", "--V", "0"}, {}, "keine Last"},
        {{"check", "4", "6", "--span", "1e200", "--q", "5"},
         {},
         "Option --span: der Wert 1e200 liegt außerhalb des "
         "zulässigen Bereichs 0 < L ≤ 30 m."},
        {{"check", "4", "6", "--span", "-4.5", "--q", "5"}, {}, "Option --span"},
        {{"check", "4", "6", "--span", "0", "--q", "5"}, {}, "Option --span"},
        {{"check", "4", "6", "--span", "4.5", "--q", "-5"}, {}, "Option --q: der Wert -5 liegt außerhalb"},
        {{"check", "4", "6", "--span", "4.5", "--q", "0"}, {}, "0 < q ≤ 500 kN/m²"},
        {span,
         {"--fire", "1e300", "--side", "2"},
         "Option --fire: der Wert 1e300 liegt außerhalb des zulässigen "
         "Bereichs 0 ≤ t ≤ 240 min."},
        {span, {"--fire", "-30", "--side", "2"}, "Option --fire"},
        {span,
         {"--gamma-m", "1e-320"},
         "Option --gamma-m: der Wert 1e-320 liegt außerhalb des zulässigen Bereichs "
         "1,0 ≤ γ_M ≤ 2,0."},
        {span, {"--gamma-m", "0"}, "Option --gamma-m"},
        {span, {"--width", "-5"}, "Option --width: der Wert -5 liegt außerhalb"},
        {span, {"--c", "0"}, "Option --c"},
        {span, {"--service", "7"}, "Option --service: \"7\" ist nicht zulässig; zulässig ist 1, 2 oder 3."},
        {span, {"--duration", "12"}, "Option --duration: \"12\" ist nicht zulässig"},
        {span, {"--dir", "2"}, "Option --dir"},
        {span,
         {"--fire", "30", "--side", "4"},
         "Option --side: \"4\" ist nicht zulässig; zulässig ist 0 (oben), 1 "
         "(unten), 2 oder 3 (Seitenflächen)."},
        {span, {"--fire", "30", "--side", "-1"}, "Option --side"},
        {span, {"--fire", "30", "--side", "0", "--k2", "0", "--tch", "10", "--tf", "20"}, "Option --k2"},
        {span, {"--fire", "30", "--side", "0", "--tch", "nan", "--tf", "20"}, "Option --tch"},
        {span, {"--fire", "30", "--side", "0", "--tch", "20", "--tf", "10"}, "t_ch ≤ t_f"},
        {span, {"--fire", "30", "--side", "0", "--gamma-m", "1.3"}, "gelten nicht mit --fire"},
        {span, {"--tch", "10", "--tf", "20"}, "gelten nur mit --fire"},
        {span, {"--span", "4"}, "Option --span ist zweimal angegeben."},
        {span, {"--bogus", "1"}, "Option --bogus ist unbekannt."},
        {span, {"--width"}, "Option --width: der Wert fehlt."},
        {{"check", "4", "6", "--M", "ten", "--V", "12"}, {}, "Option --M: \"ten\" ist keine Zahl"},
        {{"check", "4", "6", "--M", "10"}, {}, "--M und --V gehören zusammen"},
        {{"check", "4", "6", "--M", "10", "--V", "12", "--span", "3"}, {}, "--span und --q gehören zusammen"},
        {{"check", "4", "15", "--M", "10", "--V", "12"}, {}, "Produkt 15: der Hersteller 4 hat die Produkte 0 bis 14"},
        {{"check", "8", "0", "--M", "10", "--V", "12"},
         {},
         "Hersteller \"8\": zulässig ist eine ganze Zahl von 0 bis 7"},
        {{"list", "9"}, {}, "Hersteller: zulässig ist eine ganze Zahl von 0 bis 7"},
        {{"frobnicate"}, {}, "unbekannter Befehl"},
        {{}, {}, "usage: cltcheck list [M]"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = row.base;
        args.insert(args.end(), row.extra.begin(), row.extra.end());
        const ToolRun r = RunTool("cltcheck", args, dir.path());
        std::string cmd;
        for (const auto& a : args) cmd += a + " ";
        EXPECT_EQ(r.exit_code, 2) << cmd << r.err;
        EXPECT_TRUE(Contains(r.err, row.named)) << cmd << "\n" << r.err;
        EXPECT_EQ(r.out, "") << cmd;
    }
}

TEST(CltCheckTool, NoCheckPossibleIsExitCodeOne)
{
    kovtest::TempDir dir("cltcheck");
    // 240 min from the top char all of 60/3s: nothing is left.
    const ToolRun burnt =
        RunTool("cltcheck", {"check", "4", "0", "--M", "1", "--V", "1", "--fire", "240", "--side", "0"}, dir.path());
    EXPECT_EQ(burnt.exit_code, 1);
    EXPECT_TRUE(Contains(burnt.err, "bleibt vom Querschnitt nichts")) << burnt.err;
    const ToolRun oli = RunTool(
        "cltcheck", {"check", "4", "6", "--M", "10", "--V", "12", "--oli", "/no/such/folder/x.oli"}, dir.path());
    EXPECT_EQ(oli.exit_code, 1);
    EXPECT_TRUE(Contains(oli.err, "Die Ausgabeliste /no/such/folder/x.oli kann nicht geschrieben werden")) << oli.err;
}

TEST(CltCheckTool, ListsTheCatalogue)
{
    kovtest::TempDir dir("cltcheck");
    const ToolRun r = RunTool("cltcheck", {"list"}, dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto lines = Lines(r.out);
    EXPECT_EQ(lines.size(), 164u);
    // The first product: 23.3 (23.3) 23.3, board-width rule 8 * 23.3 / 69.9
    EXPECT_EQ(lines[0].substr(0, 4), "0 0\t");
    EXPECT_NE(lines[0].find("\tLeno\t70\t69.9 mm\t3 layers\t23.3 (23.3) 23.3\tk 2.667\t"), std::string::npos)
        << lines[0];
    const ToolRun one = RunTool("cltcheck", {"list", "7"}, dir.path());
    EXPECT_EQ(Lines(one.out).size(), 14u);
}

TEST(CltCheckTool, FireAndOutputList)
{
    const std::string dir = kovtest::kept_dir("clt", "cltcheck");
    ASSERT_FALSE(dir.empty());
    const std::string oli = dir + "/cltcheck.oli";
    // BBS 125 120/5s 30 min from the bottom, unprotected, beta 0.9, checked
    // on the residual section with the fire values k_mod,fi 1, gamma_M,fi 1,
    // k_fi 1.15.
    const ToolRun r = RunTool(
        "cltcheck", {"check", "4", "6", "--M", "10", "--V", "12", "--fire", "30", "--side", "1", "--oli", oli}, dir);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    // 30 min at 0.9 from the bottom: 20 mm through (22.2 min), 7.8 min at 1.8:
    // d_char 34.0, d_ef 41.0; 41 mm off the bottom leaves 9 mm of the cross layer.
    const auto lines = Lines(r.out);
    EXPECT_TRUE(Has(lines, "Fire: t 30.0 min, side 1, d_ef 41.00 mm")) << r.out;
    EXPECT_TRUE(Has(lines, "Residual build-up: 20.0 (30.0) 20.0 (9.0) mm, width 1000.0 mm")) << r.out;
    const std::string list = kovtest::read_file(oli);
    EXPECT_NE(list.find("EI = "), std::string::npos);
    EXPECT_NE(list.find("k_fi = 1.15"), std::string::npos);
    EXPECT_NE(list.find("Restquerschnitt nach dem Brand, Lagen von oben; Spannungen: Zug positiv, Druck negativ"),
              std::string::npos);
    EXPECT_NE(list.find("#SHOWTABLE"), std::string::npos);
    const ToolRun page = RunTool("olirender", {"--page", "1", oli, dir + "/cltcheck.png"}, dir);
    EXPECT_EQ(page.exit_code, 0) << page.err;
    EXPECT_TRUE(kovtest::exists(dir + "/cltcheck.png"));
}
