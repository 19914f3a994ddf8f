// The output list of a position: whole lists against golden files (read and
// checked by hand when they were made), the texts and values worked out by
// hand, the verdict thresholds, and the failure and repeat behaviour.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/tests/print_fixture.h"
#include "nad/nadactive.h"
#include "nad/nadlist.h"
#include "platform/kovcp.h"
#include "platform/kovlocale.h"
#include "test_support/annex/scopedannex.h"
#include "test_support/kovtestutil.h"

using printtest::Count;

namespace {

// Mark-up of the list, spelled out independently of the program's macros.
const std::string B = "\xCE"
                      "b";
const std::string R = "\xCE"
                      "r";
const std::string SUB = "\xCE\\";
const std::string SUP = "\xCE/";
const std::string GREEN_OK = std::string("\xCE{C 1 0 160 0}") +
                             "\xCE"
                             "Hok." +
                             "\xCE{C 768}";
const std::string RED_FAIL = std::string("\xCE{C 1 230 0 0}") +
                             "\xCE"
                             "Hnicht ok. !!" +
                             "\xCE{C 768}";

std::string T(const char* utf8) { return cp850(utf8); }

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        apptest::Use_German_Ec5();
        printtest::Reset_Writers();
        unsetenv("EXEC");
        unsetenv("KOV_OLI_VIEWER");
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        ASSERT_EQ(Nelu52_Set_Position("VERSATZ", "1"), 1);
        nelu52_titel = QString::fromUtf8("Position 12: Strebenanschluß an Fußpfette");
        printtest::Example_Position(d, 0);
    }
    void TearDown() override { Kov_Set_Ui_Mode(-1); }

    std::string List() const { return apptest::Slurp(dir.file("VERSATZ_01.oli")); }
    std::string Plot() const { return apptest::Slurp(dir.file("VERSATZ01.SPF")); }
    // What one page writes.
    std::string Page(int (*page)(NELU52_DATA&, FILE*))
    {
        FILE* f = std::tmpfile();
        page(d, f);
        std::fflush(f);
        std::rewind(f);
        std::string s;
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
        std::fclose(f);
        return s;
    }

    NELU52_DATA d;
    apptest::Workdir dir;
};

// ---- whole lists ------------------------------------------------------------------------------------

struct GoldenCase {
    int typ;
    int ausfuehrlich;
};

class PrintGoldenTest : public PrintTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(PrintGoldenTest, ListAndPlotOfTheExamplePosition)
{
    const GoldenCase c = GetParam();
    d.typ = c.typ;
    d.ausfuehrlich = c.ausfuehrlich;
    Print_OliView(d);
    char name[64];
    std::snprintf(name, sizeof name, "print_typ%d%s.oli.golden", c.typ, c.ausfuehrlich ? "_ausf" : "");
    printtest::Expect_Golden(List(), name);
    if (!c.ausfuehrlich) {
        std::snprintf(name, sizeof name, "print_typ%d.spf.golden", c.typ);
        printtest::Expect_Golden(Plot(), name);
    }
    EXPECT_NE(std::string(Kov_Script_Log_Text()).find("Quick_OLI_View VERSATZ VERSATZ_01.oli"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(JointTypes, PrintGoldenTest,
                         ::testing::Values(GoldenCase{0, 0}, GoldenCase{0, 1}, GoldenCase{1, 0}, GoldenCase{1, 1},
                                           GoldenCase{2, 0}, GoldenCase{2, 1}, GoldenCase{3, 0}, GoldenCase{3, 1}),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                             return "Typ" + std::to_string(info.param.typ) +
                                    (info.param.ausfuehrlich ? "Ausfuehrlich" : "Kurz");
                         });

// A combination with tension in the strut: flagged under the step-joint table.
TEST_F(PrintTest, TensionInTheStrutGolden)
{
    LoadCase w;
    w.name = QString::fromUtf8("LK 3: Windsog über Traufe"); // longer than 15 characters: printed in full
    w.nd_strebe = -15.0;
    w.nd_schwelle = -4.0;
    w.vd_schwelle = -2.0;
    w.md_schwelle = -1.0;
    w.kmod = 1.1;
    w.kled = 4;
    d.lasten.append(w);
    Print_OliPrint(d);
    const std::string list = List();
    printtest::Expect_Golden(list, "print_zug.oli.golden");
    EXPECT_EQ(Count(list, T("Fehlerhafte Lasten (Zugkräfte) !!!")), 1);
    // A step joint carries no tension: the joint is not verified, on its page
    // and in the summary, and the row shows the infinity sign of the list.
    const std::string RED_NOT_MET = std::string("\xCE{C 1 230 0 0}") + T("Nachweis nicht erfüllt !!") + "\xCE{C 768}";
    EXPECT_EQ(Count(list, "u" + SUB + "max" + R + " = \xEC > 1 \x88 " + RED_NOT_MET), 1);
    EXPECT_EQ(Count(list, B + "Gesamtausnutzung aller Nachweise u" + SUB + "max,Ges" + R + B + " = \xEC > 1 \x88 " +
                              RED_NOT_MET),
              1);
    EXPECT_EQ(Count(list, "inf"), 0);
    EXPECT_NE(list.find(T("LK 3: Windsog über Traufe")), std::string::npos);
    EXPECT_NE(std::string(Kov_Script_Log_Text()).find("Quick_OLI_Print VERSATZ VERSATZ_01.oli"), std::string::npos);
}

// The list does not depend on the locale of the process.
TEST_F(PrintTest, GermanLocaleWritesTheSameList)
{
    if (!Kov_Try_German_Locale()) GTEST_SKIP() << "no German locale installed";
    Print_OliView(d);
    Kov_Numeric_C_Locale();
    printtest::Expect_Golden(List(), "print_typ0.oli.golden");
    printtest::Expect_Golden(Plot(), "print_typ0.spf.golden");
}

// ---- texts and values worked out by hand ---------------------------------------------------------

// C24 (EN 338): rho_k 350, f_m,k 24, f_t,k 14.5, f_c,k 21, f_v,k 4.0, f_c90,k 2.5;
// no k_h, since the larger side 180 mm exceeds 150 mm. Net section of the sill:
// b_n = 120 - 12 - 1 = 107, h_n = 180 - 30 = 150, A_n = 16050, W_n = 107*150^2/6
// = 401250, e_z = 30/2 = 15. k_cr = 2.0/4.0 = 0.5, alpha = 60/2 = 30.
// l_v of LK 2: f_v,d = 0.9*4.0/1.3 = 2.769; 60000 cos 60 / (120*0.5*2.769) = 180.6 mm,
// below 200 mm.
TEST_F(PrintTest, InputSectionAndStepJointValuesByHand)
{
    Print_OliView(d);
    const std::string list = List();
    EXPECT_EQ(list.rfind("#OLI_SETFLAGS 896\n#OLI_SETLAYOUT 4115\n", 0), 0u);
    EXPECT_NE(list.find("#CONTENTS\n " + T("Position 12: Strebenanschluß an Fußpfette") + " \n"), std::string::npos);
    EXPECT_NE(list.find("Q8-NLU52 Version: ???"), std::string::npos);
    EXPECT_NE(list.find(T("Stirnversatz gemäß DIN EN 1995-1-1/NA:2013-08, NCI NA.12.1")), std::string::npos);
    EXPECT_NE(list.find(T("Beide Balken aus Nadelvollholz, C24 (S10) ") + B + ", \xCB" + SUB + "k" + R + " = 350 kg/m" +
                        SUP + "3" + R + ", NKL 1"),
              std::string::npos);
    EXPECT_NE(list.find("f" + SUB + "m,k" + R + " = 24.00 N/mm" + SUP + "2" + R + ", f" + SUB + "t,k" + R +
                        " = 14.50 N/mm" + SUP + "2" + R + ", f" + SUB + "c,k" + R + " = 21.00 N/mm" + SUP + "2" + R +
                        ", f" + SUB + "v,k" + R + " = 4.00 N/mm" + SUP + "2" + R + ", f" + SUB + "c90,k" + R +
                        " = 2.50 N/mm" + SUP + "2" + R),
              std::string::npos);
    EXPECT_EQ(list.find("wurde mit k"), std::string::npos);
    EXPECT_NE(list.find("Schwelle " + B + "120/180 mm" + R + ", Strebe " + B + "120/100 mm" + R + ", \xC0 = 60.0 \xF8"),
              std::string::npos);
    EXPECT_NE(list.find("Lagesicherung mit Bolzen \x8C 12 mm"), std::string::npos);
    EXPECT_NE(list.find(T("Schnittgrößen")), std::string::npos);
    EXPECT_NE(list.find(T("LK 1: ständig")), std::string::npos);
    EXPECT_NE(list.find(T("Druck in den Kontaktflächen nach DIN EN 1995-1-1/NA, NCI NA.12.1")), std::string::npos);
    EXPECT_NE(list.find("k" + SUB + "cr" + R + " = 0.500, \xBA = \xC0/2 = 30.0 \xF8, min l" + SUB + "v" + R +
                        " = 181 mm " + T("(es wird eine Mindestvorholzlänge von 200 mm empfohlen)")),
              std::string::npos);
    EXPECT_NE(list.find("b" + SUB + "n" + R + " = 107 mm, h" + SUB + "n" + R + " = 150 mm \x88 A" + SUB + "n" + R +
                        " = 16050 mm" + SUP + "2" + R + ", W" + SUB + "n" + R + " = 401250 mm" + SUP + "3" + R + ", e" +
                        SUB + "z" + R + " = 15 mm"),
              std::string::npos);
    EXPECT_NE(list.find(T("Stabilitätsnachweis der Strebe")), std::string::npos);
    EXPECT_NE(list.find(T("Versatz an beiden Enden der Strebe auf der gegenüber liegenden Seite")), std::string::npos);
    EXPECT_NE(list.find("Zusammenfassung"), std::string::npos);
    // Order of the sections.
    const size_t a = list.find("Eingabedaten"), b = list.find("#SHOWGRAFIC"), c = list.find("Ergebnisse"),
                 e = list.find("Biegung und Normalkraft"), f = list.find("Querkraft der Schwelle"),
                 g = list.find(T("Stabilitätsnachweis")), h = list.find("Zusammenfassung");
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
    EXPECT_LT(c, e);
    EXPECT_LT(e, f);
    EXPECT_LT(f, g);
    EXPECT_LT(g, h);
}

TEST_F(PrintTest, MaterialBlocksAndSwitchedOffPages)
{
    d.st_wie_sw = 0;
    d.holzart_st = 2; // glulam strut with its size factor
    d.holzguete_st = 2;
    d.nw_biegung = 0;
    d.nw_schub = 0;
    d.lagesicherung_bolzen = 0;
    d.lagesicherung_text = QString::fromUtf8("Flachstahl 50% verdübelt");
    d.nkl = 4;
    Print_OliView(d);
    const std::string list = List();
    EXPECT_EQ(list.find("Beide Balken aus"), std::string::npos);
    EXPECT_NE(list.find("Schwelle aus "), std::string::npos);
    EXPECT_NE(list.find("Strebe aus "), std::string::npos);
    EXPECT_NE(list.find("undefiniert"), std::string::npos);
    EXPECT_NE(list.find(T("Lagesicherung: Flachstahl 50% verdübelt")), std::string::npos);
    // Glulam with k_h on: 100 < 600 mm, k_h = min((600/120)^0.1, 1.1) = 1.1 under the annex.
    EXPECT_NE(list.find("f" + SUB + "m,k" + R + " wurde mit k" + SUB + "h" + R + " = 1.100 erh\x94ht"),
              std::string::npos);
    EXPECT_EQ(list.find("Biegung und Normalkraft der Schwelle"), std::string::npos);
    EXPECT_EQ(list.find("Querkraft der Schwelle"), std::string::npos);
    EXPECT_NE(list.find(T("Stabilitätsnachweis der Strebe")), std::string::npos);
}

// Without an EC5 annex block: no joint heading, class 5 reads "--------------".
TEST_F(PrintTest, WithoutAnnexNoJointHeading)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    d.lasten[1].kled = 5;
    Print_OliView(d);
    const std::string list = List();
    EXPECT_EQ(list.find(T("Stirnversatz gemäß")), std::string::npos);
    EXPECT_NE(list.find("--------------"), std::string::npos);
}

// The position's annex file cannot be read: the list says, under the input
// data's heading, that its results use the EC recommended values.
TEST_F(PrintTest, ListSaysWhenTheResultsUseTheRecommendedValues)
{
    EXPECT_EQ(Page(print_eingabedaten).find("Empfehlungswerte"), std::string::npos);
    printtest::Reset_Writers();
    std::remove((dir.root() + "/data/NAD/Deutschland.NAD").c_str());
    Nad_Reset_Annex_State();
    Nad_Publish_Active_Blocks();
    const std::string page = Page(print_eingabedaten);
    EXPECT_NE(page.find(B +
                        "Die Datei Deutschland.NAD des Anwendungsdokuments \"Deutschland\" der Position kann "
                        "nicht gelesen werden:" +
                        R),
              std::string::npos)
        << page;
    EXPECT_NE(page.find(B + "alle Ergebnisse verwenden die EC-Empfehlungswerte statt seiner Werte." + R),
              std::string::npos)
        << page;
    EXPECT_LT(page.find("Eingabedaten"), page.find("Empfehlungswerte"));
    Nad_Reset_Annex_State();
}

// Under the EC recommended values the headings of the input data and of the
// step joint name those values and not the German annex; the bookmark (ended
// by 0xAF) and the heading line both. Byte for byte in code page 850 (0x84
// a-umlaut, 0xE1 sharp s).
TEST_F(PrintTest, HeadingsNameTheRecommendedValuesInsteadOfTheAnnex)
{
    const std::string rules = "NCI NA.12.1 mit den EC-Empfehlungswerten der DIN EN 1995-1-1";
    std::remove((dir.root() + "/data/NAD/Deutschland.NAD").c_str());
    Nad_Reset_Annex_State();
    Nad_Publish_Active_Blocks();
    ASSERT_STRNE(Nad_Unused_File(), "");
    const struct {
        int typ;
        const char* kind;
    } cases[] = {{0, "Stirnversatz"}, {1, "Brustversatz"}, {2, "Fersenversatz"}, {3, "Doppelter Versatz"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        d.typ = c.typ;
        const std::string input = Page(print_eingabedaten);
        const std::string heading = std::string(c.kind) + " gem\x84\xE1 " + rules;
        EXPECT_NE(input.find(heading + "\xAF\n"), std::string::npos) << input;
        EXPECT_NE(input.find(heading + "\xCE" + "r\n"), std::string::npos) << input;
        EXPECT_EQ(input.find("/NA"), std::string::npos) << input;
        const std::string joint = Page(print_versatz);
        EXPECT_NE(joint.find("Druck in den Kontaktfl\x84" + std::string("chen nach ") + rules + "\xCE" + "r\n"),
                  std::string::npos)
            << joint;
        EXPECT_EQ(joint.find("/NA"), std::string::npos) << joint;
    }
    Nad_Reset_Annex_State();
}

// ---- thresholds -------------------------------------------------------------------------------------

TEST_F(PrintTest, VerdictThresholds)
{
    struct Case {
        int (*page)(NELU52_DATA&, FILE*);
        double* eta;
        double value;
        bool ok;
    };
    const Case cases[] = {
        {print_versatz, &d.eta_versatz, 1.001, true},
        {print_versatz, &d.eta_versatz, 1.0011, false},
        {print_versatz, &d.eta_versatz, 1.005, false},
        {print_biegung_schwelle, &d.eta_biegung, 1.009, true},
        {print_biegung_schwelle, &d.eta_biegung, 1.0091, false},
        {print_querkraft_schwelle, &d.eta_schub, 1.009, true},
        {print_strebe, &d.eta_strebe, 1.009, true},
        {print_strebe, &d.eta_strebe, 1.0091, false},
        {print_zusammenfassung, &d.eta_gesamt, 1.005, true},
        {print_zusammenfassung, &d.eta_gesamt, 1.009, true},
        {print_zusammenfassung, &d.eta_gesamt, 1.0091, false},
    };
    for (const Case& c : cases) {
        printtest::Reset_Writers();
        *c.eta = c.value;
        const std::string page = Page(c.page);
        char num[32];
        std::snprintf(num, sizeof num, "%.3f", c.value);
        const std::string rel = c.ok ? std::string(" \xF3 1 \x88 ") + GREEN_OK : std::string(" > 1 \x88 ") + RED_FAIL;
        if (c.page == print_zusammenfassung)
            EXPECT_NE(page.find(B + "Gesamtausnutzung aller Nachweise u" + SUB + "max,Ges" + R + B + " = " + num + rel),
                      std::string::npos)
                << c.value;
        else
            EXPECT_NE(page.find("u" + SUB + "max" + R + " = " + num + rel), std::string::npos) << c.value;
    }
}

// The shear page states k_cr beside f_v,d, so that u = tau_d / (k_cr f_v,d)
// can be worked out from the printed values (C24: k_cr = 2.0 / 4.0 = 0.5).
TEST_F(PrintTest, ShearPageStatesTheCrackFactor)
{
    d.cal_nachweise();
    const std::string page = Page(print_querkraft_schwelle);
    EXPECT_NE(page.find("f" + SUB + "v,d" + R + R + "   k" + SUB + "cr" + R + R), std::string::npos) << page;
    ASSERT_FALSE(d.erg_schub.isEmpty());
    const ErgSchub& e = d.erg_schub[0];
    char row[64];
    std::snprintf(row, sizeof row, "%6.2f 0.500", e.fv_d);
    EXPECT_NE(page.find(row), std::string::npos) << row << "\n" << page;
    EXPECT_NEAR(e.u_rechts, e.tau_rechts / (0.5 * e.fv_d), 1e-12);
}

TEST_F(PrintTest, ForeWoodRecommendationBelow200)
{
    d.lv_min = 199.9;
    EXPECT_NE(Page(print_versatz).find("min l" + SUB + "v" + R + " = 200 mm " + T("(es wird eine Mindestvorholzlänge")),
              std::string::npos);
    printtest::Reset_Writers();
    d.lv_min = 200.0;
    const std::string page = Page(print_versatz);
    EXPECT_NE(page.find("min l" + SUB + "v" + R + " = 200 mm\n"), std::string::npos);
    EXPECT_EQ(page.find("empfohlen"), std::string::npos);
}

// Step-joint table: 7 columns for the types 0 to 2, 10 for the double step
// joint, three more in detail; table decimals 0 give S columns 4 and 3 wide.
TEST_F(PrintTest, StepJointTableColumns)
{
    struct Case {
        int typ, ausf, columns;
    };
    for (const Case c : {Case{0, 0, 7}, Case{2, 0, 7}, Case{3, 0, 10}, Case{3, 1, 13}, Case{1, 1, 10}}) {
        printtest::Reset_Writers();
        d.typ = c.typ;
        d.ausfuehrlich = c.ausf;
        d.cal_nachweise();
        const std::string page = Page(print_versatz);
        char head[32];
        std::snprintf(head, sizeof head, "\n 1 1 -1 -1 %d\n", c.columns - 1);
        EXPECT_NE(page.find(head), std::string::npos) << c.typ << " " << c.ausf;
    }
}

// The double step joint's u_lv column shows the larger of the two steps.
TEST_F(PrintTest, DoubleStepShowsLargerForeWoodUtilisation)
{
    d.typ = 3;
    d.nk_zov = 2;
    d.erg_versatz.clear();
    ErgVersatz e{};
    e.nd = 10.0;
    e.u_lv1 = 0.123;
    e.u_lv2 = 0.456;
    e.u_se = 0.2;
    e.u = 0.456;
    d.erg_versatz.append(e);
    e.u_lv1 = 0.789;
    e.u_lv2 = 0.321;
    e.u = 0.789;
    d.erg_versatz.append(e);
    const std::string page = Page(print_versatz);
    EXPECT_NE(page.find(" 0.456"), std::string::npos);
    EXPECT_NE(page.find(" 0.789"), std::string::npos);
    EXPECT_EQ(page.find(" 0.123"), std::string::npos);
    EXPECT_EQ(page.find(" 0.321"), std::string::npos);
}

// ---- failures and repeats ----------------------------------------------------------------------------

// The message names the file and the reason.
TEST_F(PrintTest, ListThatCannotBeCreatedSaysWhichFileAndWhy)
{
    std::snprintf(nelu52_oli_name, sizeof nelu52_oli_name, "%s", "no/such/dir/VERSATZ_01.oli");
    Print_OliView(d);
    const std::string log = Kov_Script_Log_Text();
    const std::string dir = std::filesystem::current_path().string() + "/no/such/dir";
    EXPECT_NE(log.find("Warning Druckliste: Die Druckliste kann nicht erzeugt werden!\nDie Datei \xE2\x80\x9E" + dir +
                       "/VERSATZ_01.oli\xE2\x80\x9C konnte nicht geschrieben werden: der Ordner \xE2\x80\x9E" + dir +
                       "\xE2\x80\x9C existiert nicht."),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("Quick_OLI_View"), std::string::npos);
    Kov_Script_Reset();
    Print_OliPrint(d);
    EXPECT_NE(std::string(Kov_Script_Log_Text()).find("Warning Druckliste"), std::string::npos);
    EXPECT_EQ(std::string(Kov_Script_Log_Text()).find("Quick_OLI_Print"), std::string::npos);
    // cal_Print says nothing and returns the calculation's code.
    Kov_Script_Reset();
    int flag = 0;
    EXPECT_EQ(cal_Print(d, &flag), 0);
    EXPECT_EQ(std::string(Kov_Script_Log_Text()).find("Warning"), std::string::npos);
}

// A list that opens but cannot be written completely (a full disk): every
// entry point says so, the old list stays whole and nothing is shown.
TEST_F(PrintTest, ListThatCannotBeWrittenSaysAbbruchAndKeepsTheOldList)
{
    int flag = 0;
    ASSERT_EQ(cal_Print(d, &flag), 0);
    const std::string old_list = List();
    ASSERT_FALSE(old_list.empty());
    for (int entry = 0; entry < 3; ++entry) {
        SCOPED_TRACE(entry);
        printtest::Reset_Writers();
        Kov_Script_Reset();
        {
            kovtest::FileSizeLimit full_disk(64);
            if (entry == 0) {
                EXPECT_EQ(cal_Print(d, &flag), 0);
            } else if (entry == 1) {
                Print_OliView(d);
            } else {
                Print_OliPrint(d);
            }
        }
        const std::string log = Kov_Script_Log_Text();
        // Writing the list says so (the preview and the print under their own title).
        EXPECT_NE(log.find(": Die Druckliste kann nicht erzeugt werden!"), std::string::npos) << log;
        EXPECT_EQ(log.find("Quick_OLI"), std::string::npos);
        EXPECT_EQ(List(), old_list);
        EXPECT_TRUE(kovtest::temporaries_beside(dir.file("VERSATZ_01.oli")).empty());
    }
}

// Two requests in a row leave one complete list: the second one.
TEST_F(PrintTest, SecondRequestReplacesTheFirstCompletely)
{
    LoadCase w = d.lasten[1];
    w.name = QString::fromUtf8("LK 9 einmal");
    d.lasten.append(w);
    Print_OliView(d);
    const std::string first = List();
    ASSERT_NE(first.find("LK 9 einmal"), std::string::npos);

    d.lasten.removeLast();
    Print_OliView(d);
    const std::string second = List();
    EXPECT_EQ(second.find("LK 9"), std::string::npos);
    EXPECT_EQ(Count(second, "#CONTENTS"), 1);
    EXPECT_EQ(Count(second, "Zusammenfassung"), 2); // bookmark and heading
    EXPECT_LT(second.size(), first.size());
    EXPECT_TRUE(kovtest::temporaries_beside(dir.file("VERSATZ_01.oli")).empty());
}

TEST_F(PrintTest, CalPrintWithFlagWritesOnlyTheErrorHeading)
{
    int flag = 1;
    EXPECT_EQ(cal_Print(d, &flag), 0);
    const std::string list = List();
    EXPECT_NE(list.find("Fehlermeldungen"), std::string::npos);
    EXPECT_NE(list.find("Eingabedaten"), std::string::npos);
    EXPECT_EQ(list.find("Ergebnisse"), std::string::npos);
    EXPECT_EQ(list.find("Zusammenfassung"), std::string::npos);
    EXPECT_EQ(std::string(Kov_Script_Log_Text()).find("Quick_OLI"), std::string::npos);

    printtest::Reset_Writers();
    flag = 0;
    EXPECT_EQ(cal_Print(d, &flag), 0);
    EXPECT_NE(List().find("Zusammenfassung"), std::string::npos);
    EXPECT_EQ(List().find("Fehlermeldungen"), std::string::npos);
}

// A position without load combinations still gives a complete list.
TEST_F(PrintTest, NoLoadCombinations)
{
    d.lasten.clear();
    Print_OliView(d);
    const std::string list = List();
    EXPECT_NE(list.find(T("Schnittgrößen")), std::string::npos);
    EXPECT_NE(list.find("Zusammenfassung"), std::string::npos);
    EXPECT_NE(list.find(B + "Gesamtausnutzung aller Nachweise u" + SUB + "max,Ges" + R + B + " = 0.000 \xF3 1"),
              std::string::npos);
}

TEST(PrintVerdicts, TextsAndColours)
{
    EXPECT_STREQ(oli_gruen(), "\xCE{C 1 0 160 0}");
    EXPECT_STREQ(oli_rot(), "\xCE{C 1 230 0 0}");
    EXPECT_STREQ(oli_farbe_aus(), "\xCE{C 768}");
    EXPECT_EQ(std::string(oli_ok()), GREEN_OK);
    EXPECT_EQ(std::string(oli_nicht_ok()), RED_FAIL);
    EXPECT_EQ(std::string(oli_erfuellt()), std::string("\xCE{C 1 0 160 0}") + T("Nachweis erfüllt") + "\xCE{C 768}");
    EXPECT_EQ(std::string(oli_nicht_erfuellt()),
              std::string("\xCE{C 1 230 0 0}") + T("Nachweis nicht erfüllt !!") + "\xCE{C 768}");
}

} // namespace
