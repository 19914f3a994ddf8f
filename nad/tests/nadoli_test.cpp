// The output pages of the annex blocks EC0, EC3, EC5, EC6 and EC9: golden lists
// of both supplied annexes with every rule shown, and the rules each program
// shows (program fixtures in tests/programs).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "base/kovmem.h"
#include "nad/nadlist.h"
#include "nad/nadoli.h"
#include "nad/nadprog.h"
#include "nad/tests/nadenv_fixture.h"
#include "nad/tests/nadlist_fixture.h"

namespace {

using nadtest::activate;
using nadtest::List;
using nadtest::read_file;
using nadtest::write_file;

// Every page of the active annex.
std::string all_pages()
{
    List l;
    Nad_Oli_Ec5(l.f);
    Nad_Oli_Ec3(l.f);
    Nad_Oli_Ec0(l.f);
    Nad_Oli_Ec6(l.f);
    Nad_Oli_Ec9(l.f);
    return l.text();
}

// The program directories of the fixtures, run as application number app.
using Program = nadtest::ProgramEnv;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int count(const std::string& text, const std::string& part)
{
    int n = 0;
    for (size_t p = text.find(part); p != std::string::npos; p = text.find(part, p + 1)) ++n;
    return n;
}

// The golden list of an annex: compared byte for byte; the list written is
// kept in the build folder (with the pages of both annexes in one list).
void check_golden(const char* annex, const char* golden)
{
    nadtest::AnnexEnv env;
    Nad_Reset_Programs();
    activate(annex);
    const std::string pages = all_pages();
    write_file(std::string(KOV_BINARY_DIR) + "/" + golden, pages);
    EXPECT_EQ(pages, read_file(std::string(KOV_TEST_DIR) + "/" + golden)) << golden;
}

} // namespace

TEST(NadOliPages, GermanyGolden) { check_golden("Deutschland", "nadoli_deutschland.golden"); }
// The golden lists print what the supplied files hold. Where Standard.NAD
// differs from the recommended values of the standard it names:
// gamma_M of glulam 1.30 (EN 1995-1-1 Table 2.3 recommends 1.25).
TEST(NadOliPages, StandardGolden) { check_golden("EC-Standardparameter", "nadoli_standard.golden"); }

TEST(NadOliPages, NothingForNullStream)
{
    nadtest::AnnexEnv env;
    Nad_Oli_Ec5(nullptr);
    Nad_Oli_Ec3(nullptr);
    Nad_Oli_Ec31(nullptr);
    Nad_Oli_Ec38_Joints(nullptr);
    Nad_Oli_Ec38_Plates(nullptr);
    Nad_Oli_Ec38_Fatigue(nullptr);
    Nad_Oli_Ec38_Cranes(nullptr);
    Nad_Oli_Ec0(nullptr);
    Nad_Oli_Ec6(nullptr);
    Nad_Oli_Ec9(nullptr);
    SUCCEED();
}

// Lines of the German annex's pages against the standards.
TEST(NadOliPages, GermanLinesAgainstTheStandards)
{
    nadtest::AnnexEnv env;
    Nad_Reset_Programs();
    activate("Deutschland");
    const std::string p = all_pages();
    // DIN EN 1995-1-1/NA Table NA.2
    EXPECT_TRUE(has(p, std::string("\n st\x84ndig und vor\x81"
                                   "bergehend   Vollholz           1.30\n")));
    // EN 1995-1-1 Table 3.1, solid timber
    EXPECT_TRUE(has(p, "\n st\x84ndig    0.60  0.60  0.50\n"));
    EXPECT_TRUE(has(p, "\n sehr kurz  1.10  1.10  0.90\n"));
    // EN 1995-1-1 Table 3.2, solid timber
    EXPECT_TRUE(has(p, "\n k\xCE\\def\xCEr =     0.60  0.80  2.00\n"));
    // DIN EN 1995-1-1/NA Table NA.13
    EXPECT_TRUE(has(p, "\n w\xCE\\inst\xCEr         l/300    l/150\n"));
    // DIN EN 1993-1-1/NA 6.1(1): gamma_M1 = 1.10, 89 bytes
    const std::string m1 = std::string(14, ' ') + "\xC0\xCE\\M1\xCEr" + std::string(4, ' ') + " = 1.10" +
                           std::string(16, ' ') + "Stabilit\x84tsversagen" + std::string(21, ' ') + "\n";
    EXPECT_EQ(m1.size(), 89u);
    EXPECT_TRUE(has(p, "\n" + m1));
    // the crack factor by the German annex, once
    EXPECT_EQ(count(p, "cr\xCEr = 2.0/fv,k   f\x81r Nadelholz\n"), 1);
    EXPECT_FALSE(has(p, "Voll- und Brettschichtholz\n"));
}

TEST(NadOliPages, CrackFactorFollowsTheMode)
{
    nadtest::AnnexEnv env;
    Nad_Reset_Programs();
    activate("Deutschland");
    NadEc5Record* r = Nad_Get_Ec5();
    r->na_de = 1;
    r->k_cr_mode = 1;
    r->k_cr_solid = 0.50;
    List l;
    Nad_Oli_Ec5(l.f);
    const std::string p = l.text();
    EXPECT_EQ(count(p, "\nk\xCE\\"
                       "cr\xCEr = 0.50   f\x81r Voll- und Brettschichtholz\n"),
              1);
    EXPECT_FALSE(has(p, "fv,k"));
}

TEST(NadOliPages, Ec0RowCounts)
{
    nadtest::AnnexEnv env;
    Nad_Reset_Programs();
    activate("Deutschland");
    List l;
    Nad_Oli_Ec0(l.f);
    const std::string p = l.text();
    // buildings: six accidental and six seismic rows
    const size_t acc = p.find("der au\xE1"
                              "ergew\x94hnlichen Bemessungssituation\n");
    const size_t seis = p.find("der Erdbebenbemessungssituation\n");
    ASSERT_NE(acc, std::string::npos);
    ASSERT_NE(seis, std::string::npos);
    auto rows_after = [&](size_t at) {
        size_t start = p.find("Finf\xCEr\n", at) + 7;
        size_t end = p.find("#END_OF_TEXT", start);
        return count(p.substr(start, end - start), "\n");
    };
    EXPECT_EQ(rows_after(acc), 6);
    EXPECT_EQ(rows_after(seis), 6);
    EXPECT_TRUE(has(p.substr(acc, seis - acc), "au\xE1"
                                               "ergew\x94hnliche Einwirkungen"));
    const size_t bridges = p.find("(Br\x81"
                                  "ckenbau)");
    ASSERT_NE(bridges, std::string::npos);
    size_t at = bridges;
    for (int s = 0; s < 4; ++s) {
        at = p.find("Teilsicherheitsfaktoren", at + 1);
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(rows_after(at), 12) << s;
    }
    for (const char* name : {"LM 71", "SW/0", "Horizontaler Erddruck infolge"}) {
        char line[128];
        std::snprintf(line, sizeof line, "\n %-34s  0.80   a    0.00\n", name);
        EXPECT_TRUE(has(p, line)) << name;
    }
    EXPECT_TRUE(has(p, " \xCEHa \xCEr 0.80 wenn nur 1 Gleis belastet wird\n    0.70 wenn 2 Gleise gleichzeitg"));
    EXPECT_TRUE(has(p, "    0.60 wenn 3 oder mehrere Gleise gleichzeitig\n    belastet werden\n"));
}

// Which parts of the pages each program shows.
TEST(NadOliPages, Ec5Visibility)
{
    struct Case {
        int app;
        int groups[NAD_EC5_GROUPS];
    } cases[] = {
        {73, {0, 0, 0, 0, 0, 0, 0, 1, 0}},  {220, {1, 1, 1, 1, 1, 1, 1, 0, 0}},  {242, {1, 1, 1, 1, 1, 1, 1, 0, 1}},
        {999, {1, 1, 1, 1, 1, 1, 1, 1, 1}}, {4711, {1, 1, 1, 1, 1, 1, 1, 1, 1}}, // not in the program list
    };
    for (const Case& c : cases) {
        Program prog(c.app);
        Nad_Ec5_Relevance();
        for (int i = 0; i < NAD_EC5_GROUPS; ++i) EXPECT_EQ(Ec5RelevanceFlags[i], c.groups[i]) << c.app << "/" << i;
        List l;
        Nad_Oli_Ec5(l.f);
        const std::string p = l.text();
        EXPECT_EQ(has(p, " Kapitel "), c.groups[7] == 1) << c.app;
        EXPECT_EQ(has(p, "Torsionsspannungen"), c.groups[8] == 1) << c.app;
        if (c.app == 73) {
            EXPECT_EQ(count(p, "#SHOWTABLE"), 3); // title block, clause table, crack factor
            EXPECT_TRUE(has(p, "Nachweisparameter des nationalen Anhangs"));
        }
    }
}

TEST(NadOliPages, Ec3Visibility)
{
    struct Case {
        int app;
        int groups[NAD_EC3_GROUPS];
    } cases[] = {
        {151, {1, 1, 0, 0, 1, 1, 0, 0, 0, 0}}, {150, {1, 1, 1, 1, 0, 0, 0, 0, 0, 0}},
        {34, {1, 0, 0, 0, 1, 0, 0, 0, 0, 0}},  {242, {1, 0, 0, 0, 1, 0, 0, 0, 0, 0}},
        {999, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}, {4711, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        Program prog(c.app);
        Nad_Ec3_Relevance();
        for (int i = 0; i < NAD_EC3_GROUPS; ++i) EXPECT_EQ(Ec3RelevanceFlags[i], c.groups[i]) << c.app << "/" << i;
        List l;
        Nad_Oli_Ec3(l.f);
        const std::string p = l.text();
        if (c.app == 151) {
            EXPECT_EQ(count(p, "#SHOWTABLE"), 3); // head block, title, EN 1993-1-1 table
            EXPECT_TRUE(has(p, "DIN EN 1993-1-1"));
        }
        if (c.app == 150) {
            EXPECT_TRUE(
                has(p, " 6.1(1)                                     Teilsicherheitsbeiwerte f\x81r Baustahl\n"));
            EXPECT_TRUE(has(p, "bzw. Beanspruchbarkeit von Schrauben,\n"));
            EXPECT_TRUE(has(p, "DIN EN 1993-1-8"));
        }
        if (c.app == 34) {
            EXPECT_EQ(count(p, "\xC0\xCE\\M0\xCEr"), 2);
            EXPECT_EQ(count(p, "\xC0\xCE\\M1\xCEr"), 2);
            EXPECT_FALSE(has(p, "\xC0\xCE\\M2\xCEr"));
        }
        if (c.app == 999) {
            EXPECT_FALSE(has(p, "6.1(1)"));
            EXPECT_FALSE(has(p, "6.3.2"));
            EXPECT_EQ(count(p, "#SHOWTABLE"), 3);
        }
    }
}

TEST(NadOliPages, Ec6Ec9Visibility)
{
    {
        Program prog(100);
        List l;
        Nad_Oli_Ec6(l.f);
        const std::string p = l.text();
        EXPECT_EQ(count(p, "\xC0\xCE\\M\xCEr = "), 4);
        EXPECT_TRUE(has(p, "Erdbeben-Bemessungssituation"));
        EXPECT_TRUE(has(p, "\n 2.4.4        \xC0\xCE\\M\xCEr = "));
    }
    {
        Program prog(50);
        List l;
        Nad_Oli_Ec6(l.f);
        const std::string p = l.text();
        EXPECT_EQ(count(p, "\xC0\xCE\\M\xCEr = "), 2);
        EXPECT_TRUE(has(p, "- st\x84ndige und vor\x81"
                           "bergehende Bemessungssituation\n"));
        EXPECT_TRUE(has(p, "im Grenzzustand der Gebrauchstauglichkeit\n"));
    }
    {
        Program prog(300); // masks: group 9 rules 0 and 2, not rule 1
        List l;
        Nad_Oli_Ec9(l.f);
        const std::string p = l.text();
        EXPECT_TRUE(has(p, "\xC0\xCE\\M1\xCEr"));
        EXPECT_FALSE(has(p, "\xC0\xCE\\M2\xCEr"));
        EXPECT_TRUE(has(p, "\xC0\xCE\\Mp,ser\xCEr"));
    }
}
