// The EC2 output page, its rules per program, the choice of annex pages by the
// parameters an application uses, and the literature lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <set>
#include <sstream>
#include <string>

#include "base/kovmem.h"
#include "nad/nadlist.h"
#include "nad/nadoli.h"
#include "nad/nadolipriv.h"
#include "nad/nadprog.h"
#include "nad/nadtitle.h"
#include "nad/tests/nadenv_fixture.h"
#include "nad/tests/nadlist_fixture.h"
#include "platform/kovcp.h"

namespace {

using nadtest::activate;
using nadtest::List;
using nadtest::read_file;
using nadtest::write_file;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Rules given by their numbers.
struct Flags {
    int f[NAD_EC2_FLAGS] = {};
    Flags(std::initializer_list<int> on)
    {
        for (int i : on) f[i] = 1;
    }
    static Flags all()
    {
        Flags g({});
        for (int& x : g.f) x = 1;
        return g;
    }
};

std::string page(const Flags& flags)
{
    List l;
    Nad_Oli_Ec2_With(l.f, flags.f);
    return l.text();
}

// The EN 1992-1-1 table lines only (after the table head).
std::string main_lines(const Flags& flags)
{
    List l;
    Nad_Oli_Ec2_Main_With(l.f, flags.f);
    const std::string p = l.text();
    const std::string head = "Bedeutung\n";
    const size_t from = p.find(head) + head.size();
    return p.substr(from, p.rfind("#END_OF_TEXT") - from);
}

std::string blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

// Display width of a list line: mark-up (0xCE and the byte after it) shows nothing.
int width(const std::string& line)
{
    int n = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (static_cast<unsigned char>(line[i]) == 0xCE) {
            ++i;
            continue;
        }
        ++n;
    }
    return n;
}

using Program = nadtest::ProgramEnv;

std::set<int> relevance_of(int app)
{
    Program prog(app);
    Nad_Ec2_Relevance();
    std::set<int> on;
    for (int i = 0; i < NAD_EC2_FLAGS; ++i)
        if (Ec2RelevanceFlags[i]) on.insert(i);
    return on;
}

} // namespace

TEST(NadOliEc2, RulesPerProgram)
{
    struct Case {
        int app;
        std::set<int> flags;
    } cases[] = {
        // programs without masks: the table of application numbers
        {32, {0, 1, 2, 3, 4, 6, 7, 10, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 27, 29, 30}},
        {58, {0, 2, 3, 4, 6, 10, 14, 18, 21, 24, 30}},
        {114, {0, 1, 2, 3, 10, 11, 17, 18, 21, 24, 31}},
        {999, {0, 2, 30}}, // listed, not in the table
        // masks of group 2: rules 0, 1 and 9, and flag 30 for a building program
        {301, {0, 1, 9, 30}},
        // a bridge program keeps its masks as they are
        {302, {0, 31}},
    };
    for (const Case& c : cases) EXPECT_EQ(relevance_of(c.app), c.flags) << c.app;
    // A group without a mask, and no program at all, show every rule.
    EXPECT_EQ(relevance_of(300).size(), static_cast<size_t>(NAD_EC2_FLAGS));
    EXPECT_EQ(relevance_of(4711).size(), static_cast<size_t>(NAD_EC2_FLAGS));
}

TEST(NadOliEc2, ProgramDecidesTheTables)
{
    {
        Program prog(114); // a bridge program
        List l;
        Nad_Oli_Ec2(l.f);
        const std::string p = l.text();
        EXPECT_TRUE(has(p, "DIN EN 1992-2 (EC 2, Betonbr\x81"
                           "cken)\n"));
        EXPECT_FALSE(has(p, "Brandfall"));
        EXPECT_FALSE(has(p, "3.1.6(1)P"));
        EXPECT_TRUE(has(p, "3.1.6(101)P"));
    }
    {
        Program prog(32);
        List l;
        Nad_Oli_Ec2(l.f);
        const std::string p = l.text();
        EXPECT_TRUE(has(p, " DIN EN 1992-1-2 (EC 2, Brandfall)\n"));
        EXPECT_FALSE(has(p, "Betonbr\x81"
                            "cken"));
        EXPECT_TRUE(has(p, " 6.4.2.2(2)"));
        EXPECT_FALSE(has(p, " 6.4.2.1(3)"));
    }
}

// The meaning starts at character 45 whatever the value text holds.
TEST(NadOliEc2, LineBuilderPadsByDisplayCharacters)
{
    nadtest::AnnexEnv env;
    activate("Deutschland");
    const std::string alpha_cc = std::string(" 3.1.6(1)P    \xE0\xCE\\cc\xCEr = 0.85 ") + blanks(19) +
                                 "Abminderungsbeiwert f\x81r die Betondruckfestigkeit\n";
    EXPECT_EQ(main_lines(Flags({2, 30})), alpha_cc);

    // Every line of every table with every rule: meanings at 45, continuation
    // lines at their own columns, no line beyond 109 characters.
    const std::string p = page(Flags::all());
    std::istringstream in(p);
    std::string line;
    int meanings = 0;
    while (std::getline(in, line)) {
        EXPECT_LE(width(line), 109) << line;
        if (line.size() < 2 || line[0] != ' ' || line.rfind(" Kapitel", 0) == 0) continue;
        // where the meaning of a line starts: the earliest of its known first words
        static const char* const kFirstWords[] = {"Abminderungsbeiwert",
                                                  "Beiwert",
                                                  "Grenzwert der",
                                                  "Mindest",
                                                  "Leichtbeton:",
                                                  "Fugen:",
                                                  "Ermüdung:",
                                                  "Risse:",
                                                  "Umlagerung:",
                                                  "unbew.Beton:",
                                                  "Anschlüsse:",
                                                  "Stababstände:",
                                                  "Teilsicherheitsbeiwert",
                                                  "Verankerung",
                                                  "Vertikale",
                                                  "Verformungen",
                                                  "Expositionsklasse",
                                                  "Festigkeitsabminderungsbeiwert",
                                                  "untere Grenze",
                                                  "obere Grenze",
                                                  "Imperfektion:",
                                                  "Vorhaltemaß",
                                                  "Streuung",
                                                  "Sofortiger",
                                                  "Nachträglicher",
                                                  "ständige",
                                                  "Grenzzustand",
                                                  "thermische",
                                                  "hochfester",
                                                  "Betonstahl-Klasse",
                                                  "außergewöhnliche",
                                                  "Bemessungssituation"};
        size_t at = std::string::npos;
        for (const char* w : kFirstWords) at = std::min(at, line.find(cp850(w)));
        if (at == std::string::npos || at < 14) continue;
        EXPECT_EQ(width(line.substr(0, at)), 44) << line;
        ++meanings;
    }
    EXPECT_GT(meanings, 30);
}

TEST(NadOliEc2, NoRuleGivesAnEmptyTable)
{
    nadtest::AnnexEnv env;
    activate("Deutschland");
    const std::string expected = std::string("#OLI_SETFLAGS 896\n#OLI_RESERVESPACE 6.0000\n") +
                                 "#SHOWTABLE\n1 1 0\n Ausgew\x84hlte Bemessungsparameter des nationalen Anhangs\n"
                                 " Deutschland\n0 0 -1 -1\n#END_OF_TEXT\n#OLI_SETYPOSITION 1 -0.5000\n"
                                 "#SHOWTABLE\n0 0 1\n DIN EN 1992-1-1 (EC 2, Hochbau), NA Deutschland\n0 0 -1 -1\n"
                                 "#END_OF_TEXT\n#OLI_SETYPOSITION 1 -0.5000\n"
                                 "#SHOWTABLE\n0 0 0\n1 0 -1 -1 2\n 12 42\n"
                                 " Kapitel      Wert                          Bedeutung\n#END_OF_TEXT\n";
    EXPECT_EQ(page(Flags({})), expected);
}

TEST(NadOliEc2, BridgeProgramsPrintTheBridgeFactors)
{
    nadtest::AnnexEnv env;
    activate("EC-Standardparameter");
    NadEc2Record* r = Nad_Get_Ec2();
    const double c[4] = {1.35, 1.36, 1.37, 1.38}, s[4] = {1.11, 1.12, 1.13, 1.14};
    for (int i = 0; i < 4; ++i) {
        r->gamma_c_bridge[i] = c[i];
        r->gamma_s_bridge[i] = s[i];
    }
    r->gamma_c_sls = 1.01;
    r->gamma_s_sls = 1.02;
    const char* situations[4] = {"st\x84ndige und vor\x81"
                                 "bergehende Bemessungssituation",
                                 "Bemessungssituation f\x81r Erm\x81"
                                 "dung",
                                 "Bemessungssituation f\x81r Erdbeben",
                                 "au\xE1"
                                 "ergew\x94hnliche Bemessungssituation"};
    std::string expected = " 2.4.2.4(1)" + blanks(33) + "Teilsicherheitsbeiwerte f\x81r Beton und Betonstahl\n";
    for (int i = 0; i < 4; ++i) {
        char value[64];
        std::snprintf(value, sizeof value, "\xC0\xCE\\c\xCEr = %-5.2f  \xC0\xCE\\s\xCEr = %-5.2f", c[i], s[i]);
        expected += blanks(14) + value + blanks(8) + situations[i] + "\n";
    }
    expected += std::string(" 2.4.2.4(2)   \xC0\xCE\\c\xCEr = 1.01   \xC0\xCE\\s\xCEr = 1.02 ") + blanks(8) +
                "Grenzzustand der Gebrauchstauglichkeit\n";
    EXPECT_EQ(main_lines(Flags({0, 1})), expected);
    // With flag 30 the same lines print the building factors.
    const std::string building = main_lines(Flags({0, 1, 30}));
    EXPECT_TRUE(has(building, "\xC0\xCE\\c\xCEr = 1.50   \xC0\xCE\\s\xCEr = 1.15 "));
    EXPECT_FALSE(has(building, "1.35"));
}

TEST(NadOliEc2, ColumnFloorLineOnlyWhenSet)
{
    nadtest::AnnexEnv env;
    activate("EC-Standardparameter");
    NadEc2Record* r = Nad_Get_Ec2();
    r->as_min_column_mode = 2;
    r->as_min_column = 0.1;
    const std::string meaning = "Mindestbewehrung f\x81r St\x81tzen [cm\xFD]\n";
    struct Case {
        double floor;
        std::string expected;
    } cases[] = {
        {0.002, " 9.5.2(2)     A\xCE\\s,min\xCEr = 0.100 N\xCE\\"
                "Ed\xCEr/f\xCE\\yd\xCEr\n" +
                    blanks(21) +
                    "\xF2 0.002 A\xCE\\"
                    "c\xCEr" +
                    blanks(13) + meaning},
        {0.0, " 9.5.2(2)     A\xCE\\s,min\xCEr = 0.100 N\xCE\\"
              "Ed\xCEr/f\xCE\\yd\xCEr" +
                  blanks(8) + meaning},
        {0.0001, " 9.5.2(2)     A\xCE\\s,min\xCEr = 0.100 N\xCE\\"
                 "Ed\xCEr/f\xCE\\yd\xCEr" +
                     blanks(8) + meaning},
    };
    for (const Case& c : cases) {
        r->as_min_column_floor = c.floor;
        EXPECT_EQ(main_lines(Flags({25, 30})), c.expected) << c.floor;
    }
    r->as_min_column_mode = 1;
    r->as_min_column_floor = 0.0;
    EXPECT_EQ(main_lines(Flags({25, 30})), " 9.5.2(2)     A\xCE\\s,min\xCEr = 0.10 " + blanks(16) + meaning);
}

// The German annex's own rules stand where the record gives a formula; k_p
// always refers to them.
TEST(NadOliEc2, GermanRulesReferToTheAnnex)
{
    nadtest::AnnexEnv env;
    activate("EC-Standardparameter");
    NadEc2Record* r = Nad_Get_Ec2();
    struct Case {
        int flag;
        int* mode;
        const char* de;    // the reference line's value text
        const char* plain; // the value text with selector 1
    } cases[] = {
        {8, &r->lambda_lim_mode, "\xC5\xCE\\lim\xCEr s. NA-DE", "\xC5\xCE\\lim\xCEr = "},
        {21, &r->as_min_beam_mode, "A\xCE\\s,min\xCEr s. NA-DE", "A\xCE\\s,min\xCEr = "},
        {24, &r->rho_w_min_mode, "\xCB\xCE\\w,min\xCEr s. NA-DE", "\xCB\xCE\\w,min\xCEr = "},
        {26, &r->as_vmin_wall_mode, "A\xCE\\s,vmin\xCEr s. NA-DE", "A\xCE\\s,vmin\xCEr = "},
    };
    for (const Case& c : cases) {
        for (int na_de : {0, 1}) {
            for (int mode : {1, 2, 7}) {
                r->na_de = na_de;
                *c.mode = mode;
                const std::string lines = main_lines(Flags({c.flag, 30}));
                const bool reference = na_de && mode != 1;
                EXPECT_EQ(has(lines, c.de), reference) << c.flag << " " << na_de << " " << mode;
                EXPECT_EQ(has(lines, c.plain), !reference) << c.flag << " " << na_de << " " << mode;
            }
        }
    }
    r->na_de = 1;
    r->k_p = 1.5;
    EXPECT_TRUE(has(main_lines(Flags({13})), " 12.6.3(2)    k\xCE\\p\xCEr s. NA-DE" + blanks(19) + "unbew.Beton"));
    r->na_de = 0;
    EXPECT_TRUE(has(main_lines(Flags({13})), " 12.6.3(2)    k\xCE\\p\xCEr = 1.50 " + blanks(20) + "unbew.Beton"));
}

// Both minimum shear strengths print their coefficient over gamma_c: the
// recommended 0.0525 and 0.042 are 0.035 and 0.028 of EN 1992-1-1 6.2.2(1)
// and 11.6.1(1) at gamma_c = 1.5.
TEST(NadOliEc2, MinimumShearStrengthsOverGammaC)
{
    nadtest::AnnexEnv env;
    activate("EC-Standardparameter");
    const std::string lines = main_lines(Flags({10, 14, 30}));
    EXPECT_TRUE(has(lines, "\n              \xC7\xCE\\min\xCEr = 0.0525/\xC0\xCE\\c\xCEr k\xCE/3/2\xCEr "
                           "f\xCE\\ck\xCEr\xCE/1/2\xCEr  \n"));
    EXPECT_TRUE(has(lines, "\n              \xC7\xCE\\l,min\xCEr = 0.0420/\xC0\xCE\\c\xCEr k\xCE/3/2\xCEr "
                           "f\xCE\\lck\xCEr\xCE/1/2\xCEr\n"));
}

TEST(NadOliEc2, AnchorageLinePrintsBeta2)
{
    nadtest::AnnexEnv env;
    activate("EC-Standardparameter");
    const std::string expected = std::string(" 9.2.1.4(1)   \xBB\xCE\\2\xCEr = 0.25 ") + blanks(20) +
                                 "Verankerung der unteren Bewehrung an Endauflagern:\n" + blanks(44) +
                                 "Mindestanteil der gr\x94\xE1ten Feldbewehrung an der unteren Bew.\n";
    EXPECT_EQ(main_lines(Flags({23})), expected);
}

TEST(NadOliEc2, NothingWithoutStream)
{
    nadtest::AnnexEnv env;
    Nad_Oli_Ec2(nullptr);
    EXPECT_EQ(Nad_Oli_Ec2_Main(nullptr), 0);
    Nad_Oli_Used_Parts(nullptr);
    Nad_Oli_Ec0_Page(nullptr);
}

// The whole page of both supplied annexes with every rule, byte for byte.
// Where the German lines were checked against DIN EN 1992-1-1/NA: Table 2.1DE
// gamma_c 1.50 and gamma_s 1.15 (persistent and transient), 1.30 and 1.00
// (accidental); 3.1.6(1)P alpha_cc 0.85.
TEST(NadOliEc2, Golden)
{
    for (const char* annex : {"Deutschland", "EC-Standardparameter"}) {
        nadtest::AnnexEnv env;
        activate(annex);
        const std::string golden =
            std::strcmp(annex, "Deutschland") == 0 ? "nadoli2_deutschland.golden" : "nadoli2_standard.golden";
        const std::string p = page(Flags::all());
        write_file(std::string(KOV_BINARY_DIR) + "/" + golden, p);
        EXPECT_EQ(p, read_file(std::string(KOV_TEST_DIR) + "/" + golden)) << golden;
    }
    nadtest::AnnexEnv env;
    activate("Deutschland");
    const std::string p = page(Flags::all());
    const std::string gammas = "\xC0\xCE\\c\xCEr = %-5.2f  \xC0\xCE\\s\xCEr = %-5.2f";
    struct Case {
        double c, s;
        const char* situation;
    } cases[] = {
        {1.50, 1.15,
         "st\x84ndige und vor\x81"
         "bergehende Bemessungssituation"},
        {1.30, 1.00,
         "au\xE1"
         "ergew\x94hnliche Bemessungssituation"},
    };
    for (const Case& c : cases) {
        char value[64];
        std::snprintf(value, sizeof value, gammas.c_str(), c.c, c.s);
        EXPECT_TRUE(has(p, "\n" + blanks(14) + value + blanks(8) + c.situation + "\n")) << c.situation;
    }
    EXPECT_TRUE(has(p, std::string("\n 3.1.6(1)P    \xE0\xCE\\cc\xCEr = 0.85 ") + blanks(19) + "Abminderungsbeiwert"));
}

// ---------------------------------------------------------------------------
// Pages by the parameters an application uses

namespace {

int only_221(int parameter) { return parameter == 221 ? 1 : 0; }
int only_988(int parameter) { return parameter == 988 ? 1 : 0; }

struct Hook {
    explicit Hook(NadParameterUsedFn fn) { Nad_Set_Parameter_Used_Hook(fn); }
    ~Hook() { Nad_Set_Parameter_Used_Hook(nullptr); }
};

std::string used_parts()
{
    List l;
    Nad_Oli_Used_Parts(l.f);
    return l.text();
}

std::string load_factor_page()
{
    List l;
    Nad_Oli_Ec0_Page(l.f);
    return l.text();
}

const char* const kEc2Title = "DIN EN 1992-1-1 (EC 2, Hochbau)";
const char* const kEc3Title = "DIN EN 1993-1-1 (EC 3, Hochbau)";
const char* const kEc5Title = "DIN EN 1995-1-1";
const char* const kEc6Title = "DIN EN 1996-1-1 (EC 6)";
const char* const kEc9Title = "DIN EN 1999-1-1 (EC 9)";

} // namespace

TEST(NadUsedParts, ThisApplicationPrintsEveryPartButMasonry)
{
    nadtest::AnnexEnv env;
    EXPECT_EQ(Nad_Count_Used_Ec2(), 16);
    EXPECT_EQ(Nad_Count_Used_Ec3(), 4);
    EXPECT_EQ(Nad_Count_Used_Ec5(), 4);
    EXPECT_EQ(Nad_Count_Used_Ec6(), 0);
    EXPECT_EQ(Nad_Count_Used_Ec9(), 2);
    EXPECT_EQ(Nad_Count_Used_Misc(), 4);
    const std::string p = used_parts();
    const size_t ec2 = p.find(kEc2Title), ec3 = p.find(kEc3Title), ec5 = p.find(kEc5Title), ec9 = p.find(kEc9Title);
    ASSERT_NE(ec2, std::string::npos);
    ASSERT_NE(ec3, std::string::npos);
    ASSERT_NE(ec5, std::string::npos);
    ASSERT_NE(ec9, std::string::npos);
    EXPECT_TRUE(ec2 < ec3 && ec3 < ec5 && ec5 < ec9);
    EXPECT_FALSE(has(p, kEc6Title));
    EXPECT_TRUE(has(load_factor_page(), "Lastfaktoren (Hochbau)"));
}

TEST(NadUsedParts, HookDecidesThePages)
{
    nadtest::AnnexEnv env;
    {
        Hook hook(only_221);
        EXPECT_EQ(Nad_Count_Used_Ec5(), 1);
        EXPECT_EQ(Nad_Count_Used_Ec2(), 0);
        List ec5;
        Nad_Oli_Ec5(ec5.f);
        EXPECT_EQ(used_parts(), ec5.text());
        EXPECT_TRUE(has(load_factor_page(), "Lastfaktoren (Hochbau)"));
    }
    {
        Hook hook(only_988);
        EXPECT_EQ(Nad_Count_Used_Misc(), 1);
        EXPECT_EQ(used_parts(), "");
        EXPECT_EQ(load_factor_page(), "");
    }
}

// ---------------------------------------------------------------------------
// Literature lines

TEST(NadLiterature, GermanAnnexOfMasonry)
{
    nadtest::AnnexEnv env;
    activate("Deutschland");
    const char* lines[NAD_LITERATURE_LINES] = {};
    ASSERT_EQ(Nad_Literature_Lines(22, lines), 4);
    EXPECT_STREQ(lines[0], "DIN EN 1996-1-1, Eurocode 6: Bemessung und Konstruktion von Mauerwerksbauten -");
    EXPECT_STREQ(lines[1], "  Teil 1-1: Allgemeine Regeln f\x81r bewehrtes und unbewehrtes Mauerwerk;");
    EXPECT_STREQ(lines[2], "  Deutsche Fassung EN 1996-1-1:2005 + A1:2012, Ausgabe Februar 2013");
    EXPECT_STREQ(lines[3], "DIN EN 1996-1-1/NA, Nationaler Anhang zur DIN EN 1996-1-1, Ausgabe Dezember 2019");
}

TEST(NadLiterature, LineCountsByAnnex)
{
    struct Case {
        int norm;
        int german;
        int other;
    } cases[] = {
        {0, 3, 3},  {1, 4, 4},  {2, 1, 1},  {3, 2, 2},  {4, 4, 3},  {5, 1, 1},  {6, 0, 0},  {7, 0, 0},  {8, 2, 2},
        {9, 2, 2},  {10, 4, 3}, {11, 3, 2}, {12, 5, 4}, {13, 4, 3}, {14, 1, 1}, {15, 1, 1}, {16, 4, 4}, {17, 2, 2},
        {18, 2, 2}, {19, 6, 3}, {20, 4, 3}, {21, 4, 3}, {22, 4, 3}, {23, 3, 2}, {24, 3, 2}, {25, 1, 1}, {26, 3, 2},
        {27, 3, 2}, {28, 4, 3}, {29, 5, 3}, {30, 2, 2}, {31, 3, 2}, {32, 3, 2}, {33, 1, 1}, {40, 1, 1}, {-1, 1, 1},
    };
    for (const char* annex : {"Deutschland", "EC-Standardparameter"}) {
        nadtest::AnnexEnv env;
        activate(annex);
        const bool german = std::strcmp(annex, "Deutschland") == 0;
        for (const Case& c : cases) {
            const char* lines[NAD_LITERATURE_LINES] = {};
            const int n = Nad_Literature_Lines(c.norm, lines);
            EXPECT_EQ(n, german ? c.german : c.other) << annex << " " << c.norm;
            for (int i = 0; i < n; ++i) {
                ASSERT_NE(lines[i], nullptr);
                EXPECT_LE(std::strlen(lines[i]), 109u) << c.norm << " " << lines[i];
                // a reference or its continuation, never a blank line inside
                if (c.norm >= 0 && c.norm <= 32) {
                    EXPECT_GT(std::strlen(lines[i]), 2u) << c.norm;
                }
            }
            if (c.norm > 32 || c.norm < 0) {
                EXPECT_STREQ(lines[0], "");
            }
        }
    }
}

TEST(NadLiterature, EditionsAndAnnexes)
{
    nadtest::AnnexEnv env;
    activate("Deutschland");
    const char* lines[NAD_LITERATURE_LINES] = {};
    // The timber annex cited is the edition the supplied German annex holds.
    ASSERT_EQ(Nad_Literature_Lines(19, lines), 6);
    EXPECT_STREQ(lines[3], "DIN EN 1995-1-1/NA, Nationaler Anhang zur DIN EN 1995-1-1, Ausgabe August 2013");
    EXPECT_EQ(std::strncmp(lines[4], "DIN 1052-10,", 12), 0);
    ASSERT_EQ(Nad_Literature_Lines(29, lines), 5);
    EXPECT_EQ(std::strncmp(lines[4],
                           "  mit den \x8E"
                           "nderungen A1:2014 + A2:2015 + A3:2015",
                           40),
              0);

    Nad_Set_Norm_Edition(0);
    ASSERT_EQ(Nad_Literature_Lines(1, lines), 3);
    EXPECT_STREQ(lines[1], "  Ausgabe August 2008");
    Nad_Set_Norm_Edition(1);
    ASSERT_EQ(Nad_Literature_Lines(1, lines), 4);
    EXPECT_STREQ(lines[3], "Berichtigung 1 zum DAfStb-Heft 525, Mai 2005");

    Nad_Set_Fire_Prestandard(1);
    ASSERT_EQ(Nad_Literature_Lines(10, lines), 4);
    EXPECT_EQ(std::strncmp(lines[0], "DIN V ENV 1992-1-2,", 19), 0);
    Nad_Set_Fire_Prestandard(0);
    ASSERT_EQ(Nad_Literature_Lines(10, lines), 4);
    EXPECT_EQ(std::strncmp(lines[0], "DIN EN 1992-1-2,", 16), 0);

    // The next call overwrites the lines.
    ASSERT_EQ(Nad_Literature_Lines(2, lines), 1);
    EXPECT_STREQ(lines[0], "DIN-Fachbericht 102: Betonbr\x81"
                           "cken, M\x84rz 2009");
    EXPECT_EQ(Nad_Literature_Lines(40, nullptr), 1);
}
