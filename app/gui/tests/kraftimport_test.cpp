// Import of internal forces, timber grades and cross-sections through the
// stand-in force-selection and component-selection tools.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMainWindow>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/gui/mainwindowapi.h"
#include "app/gui/tests/window_fixture.h"
#include "app/kraftimport.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "app/tests/app_fixture.h"
#include "hostenv/kovtools.h"
#include "platform/kovcp.h"
#include "platform/kovhost.h"
#include "platform/kovscript.h"
#include "test_support/kxp/kxp_fixture.h"

namespace {

const double S60 = std::sqrt(3.0) / 2.0; // sin 60 degrees

// Local values of one cut as the host gives them: N, V_y, V_z, M_x, M_y, M_z.
struct Local {
    double v[6];
};

// The joint of the tests, in the global X-Z plane (Y is the plane's normal):
// the sill lies along X, the strut rises from the joint at the origin at 60
// degrees. Both members are defined by the host pointing AWAY from the joint
// side the program expects, and with z down, so that the transformation is
// not the identity:
//   strut cut at (0.5, 0, S60):  x = (-0.5, 0, -S60), y = (0, 1, 0), z = (S60, 0, -0.5)
//   sill cut at (-0.5, 0, 0):    x = (-1, 0, 0),      y = (0, 1, 0), z = (0, 0, -1)
// The joint's systems: the sill's has the axes X, Y, Z (first axis from the
// sill's cut toward the joint, the normal Y, the third axis toward the strut's
// side); the strut's has (0.5, 0, S60), Y and (-S60, 0, 0.5).
// A cut's values in a system are its force (moment) vector's components along
// the system's axes, all negated when the member's first axis points against
// the system's first axis -- here for both members. Hence, by hand:
//   strut:  N = -(F . (0.5, 0, S60)) with F = N_l x + ... = N_l (x . x_sys = -1)
//           -> N = N_l; the table's strut force is -N_l (compression positive).
//   sill:   F = (-N_l, V_y, -V_z), negated components along X, Y, Z
//           -> N = N_l, force along the normal = -V_y, shear in the plane = V_z;
//           moments alike: about the normal = -M_y.
//   So the table gets N_d = N_l, M_d = -M_y, V_d = V_z of the sill.
KxpCutSpec strut_cut(int material, double width, double depth)
{
    KxpCutSpec s;
    const double o[3] = {0.5, 0, S60}, x[3] = {-0.5, 0, -S60}, y[3] = {0, 1, 0}, z[3] = {S60, 0, -0.5};
    for (int k = 0; k < 3; ++k) {
        s.origin[k] = o[k];
        s.x[k] = x[k];
        s.y[k] = y[k];
        s.z[k] = z[k];
    }
    s.position = 0.5;
    s.length = 2.0;
    s.id = 21;
    s.number = 1;
    s.name = "Strebe";
    s.info_ints[3] = material;
    s.info_values[0] = width;
    s.info_values[1] = depth;
    return s;
}

KxpCutSpec sill_cut(int material, double width, double depth)
{
    KxpCutSpec s;
    const double o[3] = {-0.5, 0, 0}, x[3] = {-1, 0, 0}, y[3] = {0, 1, 0}, z[3] = {0, 0, -1};
    for (int k = 0; k < 3; ++k) {
        s.origin[k] = o[k];
        s.x[k] = x[k];
        s.y[k] = y[k];
        s.z[k] = z[k];
    }
    s.position = 0.5;
    s.length = 4.0;
    s.id = 22;
    s.number = 2;
    s.name = "Schwelle";
    s.info_ints[3] = material;
    s.info_values[0] = width;
    s.info_values[1] = depth;
    return s;
}

struct Combination {
    Local strut;
    int id;
    double kmod;
    std::string name; // code page 850
};

// A result file of the tool: the strut's rows first (their values at the
// strut's cut), then the sill's rows (their values at the sill's cut). The
// values of the other cut in each row are decoys that must not be read.
std::string result_file(const KxpCutSpec& strut, const KxpCutSpec& sill, const std::vector<Combination>& st,
                        const std::vector<Local>& sw)
{
    std::string s = "MULTICUT 2\n2\n" + Kxp_Fixture_Cut_Text(strut) + Kxp_Fixture_Cut_Text(sill) + "RESULTS\n" +
                    std::to_string(st.size()) + "\n" + std::to_string(sw.size()) + "\n";
    char num[64];
    auto values = [&](const double* v) {
        for (int k = 0; k < 6; ++k) {
            std::snprintf(num, sizeof num, "%.4f ", v[k]);
            s += num;
        }
    };
    const double decoy[6] = {901, 902, 903, 904, 905, 906};
    for (const Combination& c : st) {
        values(c.strut.v);
        values(decoy);
        std::snprintf(num, sizeof num, "%d %.4f\n", c.id, c.kmod);
        s += num;
        s += "\xAE"
             "Strebe\xAF \xAE" +
             c.name + "\xAF\n";
    }
    for (size_t k = 0; k < sw.size(); ++k) {
        values(decoy);
        values(sw[k].v);
        s += "0 0.0\n\xAE\xAF \xAE"
             "Schwelle " +
             std::to_string(k + 1) + "\xAF\n";
    }
    return s;
}

const char* tool_title() { return cp1252("KOV - Schnittgrößenauswahl"); }

class KraftImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Tools_Reset();
        BeamCut_Reset();
        import_reset();
        namespace fs = std::filesystem;
        root = work.root();
        exec = root + "/exec";
        fs::create_directories(exec);
        fs::create_directories(root + "/comp");
        for (const char* tool : {"Krawahl", "Bauwahl"})
            fs::create_symlink(std::string(KOV_TOOLS_DIR) + "/" + tool, exec + "/" + tool);
        setenv("EXEC", exec.c_str(), 1);
        setenv("KOV_TOOL_HOLD_MS", "100", 1);
        setenv("KOV_KRAWAHL_ARGS", (root + "/args.txt").c_str(), 1);
        setenv("KOV_KRAWAHL_SOURCE", (root + "/source.res").c_str(), 1);
        setenv("KOV_BAUWAHL_ANSWER", (root + "/answer.tmp").c_str(), 1);
        ASSERT_TRUE(apptest::Spill(root + "/comp/Pfette.EX2", "exchange\n"));
        ASSERT_TRUE(apptest::Spill(root + "/answer.tmp", "7 8 \xAE"
                                                         "Fu\xE1pfette\xAF \xAE\xAF \xAE\xAF \xAE" +
                                                             root + "/comp/Pfette\xAF \xAE\xAF \xAE\xAF 0\n"));

        d.set_defaults();
        d.lasten.clear();
        LoadCase first;
        first.name = QStringLiteral("vorhanden");
        d.lasten.append(first);
        d.import_zov = d.import_mat = d.import_geo = 1;
        d.linkes_schnittufer = 1;
        d.holzart_st = d.holzart_sw = 0;
        d.holzguete_st = d.holzguete_sw = 5;
        d.balken_b = 120;
        d.balken_hD = 140;
        d.balken_hG = 240;
    }
    void TearDown() override
    {
        KOVUnregisterWindow(tool_title());
        import_reset();
        BeamCut_Reset();
        Kov_Tools_Reset();
    }
    void write_source(const std::string& text) { ASSERT_TRUE(apptest::Spill(root + "/source.res", text)); }
    std::string log() const { return Kov_Script_Log_Text(); }

    apptest::Workdir work;
    std::string root, exec;
    NELU52_DATA d;
};

std::vector<Combination> three_strut_rows()
{
    return {
        {{{-42.5, 0.25, 1.5, 0.0, 0.5, 0.75}}, 1, 0.9, "LK 1: 1,35 g (st\x84ndig)"},
        {{{-18.25, 0.0, -0.5, 0.0, 0.0, 0.0}}, 0, 1.1, "LK 2"},
        {{{-35.5, 0.0, 0.0, 0.0, 0.0, 0.0}}, 2, 0.7, ""},
    };
}

std::vector<Local> three_sill_rows()
{
    return {
        {{30.5, 7.25, 12.5, 0.5, 3.75, 1.25}},
        {{13.0, -1.0, 5.25, 0.0, -2.5, 0.0}},
        {{25.75, 0.0, -10.5, 0.0, 0.0, 4.0}},
    };
}

TEST_F(KraftImport, TwoCutsAt60DegreesGiveThreeCombinationsGradesAndCrossSections)
{
    write_source(
        result_file(strut_cut(2006, 12.99, 20.0), sill_cut(7013, 12.99, 24.0), three_strut_rows(), three_sill_rows()));
    const KraftImportResult r = Kraft_Import_Run(d);

    // The tool got the exchange file of the component chosen in the
    // component-selection tool, the four numbers and the two cuts.
    EXPECT_EQ(apptest::Slurp(root + "/args.txt"),
              root + "/comp/Pfette.EX2\n1000\n36927\n0\n1\n2\nStrebe\nSchwelle linkes Schnittufer\n");

    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.first_new, 1);
    EXPECT_EQ(r.appended, 3);
    ASSERT_EQ(d.lasten.size(), 4);
    EXPECT_EQ(d.lasten[0].name, QStringLiteral("vorhanden"));

    // Hand values (see the comment at the top): strut -N_l; sill N_l, -M_y, V_z.
    struct Expect {
        const char* name;
        double nd_strebe, nd, md, vd;
        int kled;
        double kmod;
    } const want[3] = {
        {"LK 1: 1,35 g (ständig)", 42.5, 30.5, -3.75, 12.5, 6, 0.9},
        {"LK 2", 18.25, 13.0, 2.5, 5.25, 8, 1.1},
        {"", 35.5, 25.75, 0.0, -10.5, 6, 0.7},
    };
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const LoadCase& lc = d.lasten[1 + k];
        EXPECT_EQ(lc.name, QString::fromUtf8(want[k].name));
        EXPECT_NEAR(lc.nd_strebe, want[k].nd_strebe, 1e-4);
        EXPECT_NEAR(lc.nd_schwelle, want[k].nd, 1e-9);
        EXPECT_NEAR(lc.md_schwelle, want[k].md, 1e-9);
        EXPECT_NEAR(lc.vd_schwelle, want[k].vd, 1e-9);
        EXPECT_EQ(lc.kled, want[k].kled);
        EXPECT_NEAR(lc.kmod, want[k].kmod, 1e-6);
    }

    // 2006 is hardwood D18 (kind 1, grade 0), 7013 glulam EC GL32c (kind 2,
    // grade 13); 12.99 cm is cut to 12 cm: 120 mm.
    EXPECT_TRUE(r.material_st);
    EXPECT_TRUE(r.material_sw);
    EXPECT_EQ(d.holzart_st, 1);
    EXPECT_EQ(d.holzguete_st, 0);
    EXPECT_EQ(d.holzart_sw, 2);
    EXPECT_EQ(d.holzguete_sw, 13);
    EXPECT_EQ(d.balken_b, 120.0);
    EXPECT_EQ(d.balken_hD, 200.0);
    EXPECT_EQ(d.balken_hG, 240.0);

    EXPECT_EQ(r.title, QStringLiteral("Info"));
    // The width differed from 129.9 mm and the strut's depth from 200 mm
    // before the takeover; the sill's depth did not.
    EXPECT_EQ(r.text, QString::fromUtf8("Materialdaten importiert\n"
                                        "Materialdaten importiert\n"
                                        "Querschnittsabmessungen importiert\n"
                                        "3 Schnittgrößenkombinationen importiert\n"
                                        "  Achtung Querschnittsbreite hat sich geändert\n"
                                        "  Achtung Querschnittshöhe der Strebe hat sich geändert\n"));

    // The store is empty again, its cut objects freed.
    EXPECT_EQ(import_row_count(), 0);
    EXPECT_EQ(import_cut_object(0), nullptr);
    EXPECT_EQ(BeamCut_Store_Cut_Count(), 0);
}

TEST_F(KraftImport, SameComponentAgainAfterTheQuestionAndTheRightCutFace)
{
    write_source(
        result_file(strut_cut(1005, 14.0, 14.0), sill_cut(1005, 14.0, 20.0), three_strut_rows(), three_sill_rows()));
    ASSERT_EQ(Kraft_Import_Run(d).appended, 3);
    std::filesystem::remove(root + "/answer.tmp"); // the selection tool would now cancel

    Kov_Script_Clear_Log();
    Kov_Script_Push("qmessagebox", QMessageBox::Yes, nullptr);
    d.linkes_schnittufer = 0;
    const KraftImportResult r = Kraft_Import_Run(d);
    EXPECT_EQ(r.appended, 3);
    EXPECT_NE(QString::fromUtf8(log().c_str())
                  .indexOf(QString::fromUtf8("QMessageBox Bauteil: Gleiches Bauteil "
                                             "(Fußpfette) wie zuvor?")),
              -1)
        << log();
    EXPECT_EQ(apptest::Slurp(root + "/args.txt"),
              root + "/comp/Pfette.EX2\n1000\n36927\n0\n1\n2\nStrebe\nSchwelle rechtes Schnittufer\n");
    EXPECT_EQ(d.lasten.size(), 7);

    // "No" runs the selection tool, which cancels: nothing is imported.
    Kov_Script_Push("qmessagebox", QMessageBox::No, nullptr);
    const KraftImportResult none = Kraft_Import_Run(d);
    EXPECT_EQ(none.appended, 0);
    EXPECT_EQ(none.text, QString::fromUtf8("0 Schnittgrößenkombinationen importiert\n"));
    EXPECT_EQ(d.lasten.size(), 7);
}

TEST_F(KraftImport, UnequalRowCountsChangeNothing)
{
    std::vector<Local> sw = three_sill_rows();
    sw.pop_back();
    write_source(result_file(strut_cut(2006, 12.99, 20.0), sill_cut(7013, 12.99, 24.0), three_strut_rows(), sw));
    const KraftImportResult r = Kraft_Import_Run(d);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.appended, 0);
    EXPECT_EQ(r.title, QStringLiteral("Fehler"));
    EXPECT_EQ(r.text, QString::fromUtf8("Fehler! 3 Zeilen an der Strebe, 2 Zeilen an der Schwelle!\n"
                                        " Import abgebrochen\n"));
    EXPECT_EQ(d.lasten.size(), 1);
    EXPECT_FALSE(r.material_st || r.material_sw || r.b || r.hD || r.hG);
    EXPECT_EQ(d.holzart_st, 0);
    EXPECT_EQ(d.holzguete_sw, 5);
    EXPECT_EQ(d.balken_hD, 140.0);
}

TEST_F(KraftImport, AToolWindowAlreadyOpenRefuses)
{
    write_source(
        result_file(strut_cut(2006, 12.99, 20.0), sill_cut(7013, 12.99, 24.0), three_strut_rows(), three_sill_rows()));
    ASSERT_TRUE(KOVRegisterWindow(tool_title()));
    const KraftImportResult r = Kraft_Import_Run(d);
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.appended, 0);
    EXPECT_EQ(r.text, QString::fromUtf8("0 Schnittgrößenkombinationen importiert\n"));
    EXPECT_EQ(d.lasten.size(), 1);
    EXPECT_EQ(d.holzart_st, 0);
    EXPECT_FALSE(std::filesystem::exists(root + "/args.txt")); // the tool was not started
    EXPECT_NE(log().find(std::string("Init_Message\nFill_Message ") +
                         cp850("Das KOV-Werkzeug zur Auswahl von Schnittgrößen-") + "\nFill_Message " +
                         cp850("sätzen ist bereits aktiv. Bitte schließen Sie") +
                         "\nFill_Message das Fenster und versuchen es erneut.\nDraw_Message"),
              std::string::npos)
        << log();
}

TEST_F(KraftImport, TensionInTheStrutIsReportedAndItsRowAppended)
{
    std::vector<Combination> st = three_strut_rows();
    st[1].strut.v[0] = 6.5; // tension
    write_source(result_file(strut_cut(2006, 13.0, 20.0), sill_cut(7013, 13.0, 24.0), st, three_sill_rows()));
    d.balken_b = 130;
    d.balken_hD = 200;
    const KraftImportResult r = Kraft_Import_Run(d);
    EXPECT_EQ(r.result, 1);
    ASSERT_EQ(r.appended, 3);
    EXPECT_NEAR(d.lasten[2].nd_strebe, -6.5, 1e-4);
    EXPECT_EQ(r.title, QStringLiteral("Fehler"));
    EXPECT_EQ(r.text, QString::fromUtf8("Fehler in Zeile 1, Strebenkraft > 0 (Zugkraft)!\n"
                                        "Materialdaten importiert\n"
                                        "Materialdaten importiert\n"
                                        "Querschnittsabmessungen importiert\n"
                                        "3 Schnittgrößenkombinationen importiert\n"));
}

// "nan" and "inf" are numbers to the C reader: a result file holding one is
// refused, its row is named, and nothing is taken over.
TEST_F(KraftImport, NonFiniteForceRefusesTheResultAndNamesTheRow)
{
    for (const double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        std::vector<Combination> st = three_strut_rows();
        st[1].strut.v[2] = bad;
        write_source(result_file(strut_cut(2006, 12.99, 20.0), sill_cut(7013, 12.99, 24.0), st, three_sill_rows()));
        const KraftImportResult r = Kraft_Import_Run(d);
        EXPECT_EQ(r.appended, 0);
        EXPECT_EQ(r.title, QStringLiteral("Fehler"));
        EXPECT_TRUE(r.text.startsWith(QString::fromUtf8("Fehler in Zeile 1, Schnittgröße ist keine Zahl!\n"
                                                        " Import abgebrochen\n")))
            << r.text.toStdString();
        EXPECT_EQ(d.lasten.size(), 1);
        EXPECT_FALSE(r.material_st || r.material_sw || r.b || r.hD || r.hG);
        EXPECT_EQ(import_row_count(), 0);
    }
}

TEST_F(KraftImport, SwitchesOffTakeOverOnlyWhatIsAsked)
{
    write_source(
        result_file(strut_cut(2006, 12.99, 20.0), sill_cut(7013, 12.99, 24.0), three_strut_rows(), three_sill_rows()));
    d.import_zov = 0;
    d.import_geo = 0;
    const KraftImportResult r = Kraft_Import_Run(d);
    EXPECT_EQ(r.appended, 0);
    EXPECT_EQ(d.lasten.size(), 1);
    EXPECT_EQ(d.holzart_st, 1);
    EXPECT_EQ(d.holzart_sw, 2);
    EXPECT_EQ(d.balken_hD, 140.0);
    EXPECT_EQ(r.text, QString::fromUtf8("Materialdaten importiert\nMaterialdaten importiert\n"
                                        "0 Schnittgrößenkombinationen importiert\n"));
}

TEST_F(KraftImport, WhatTheWindowCannotShowIsReportedAndNotTakenOver)
{
    // Laminated veneer lumber (8000) has no kind button; 0.5 cm is no width
    // the window can hold; a sill without a material number is softwood C24.
    write_source(
        result_file(strut_cut(8000, 0.5, 20.0), sill_cut(0, 12.0, 24.0), three_strut_rows(), three_sill_rows()));
    d.holzart_sw = 1;
    d.holzguete_sw = 3;
    const KraftImportResult r = Kraft_Import_Run(d);
    EXPECT_FALSE(r.material_st);
    EXPECT_TRUE(r.material_sw);
    EXPECT_EQ(d.holzart_st, 0);
    EXPECT_EQ(d.holzguete_st, 5);
    EXPECT_EQ(d.holzart_sw, 0);
    EXPECT_EQ(d.holzguete_sw, 5);
    EXPECT_FALSE(r.b);
    EXPECT_EQ(d.balken_b, 120.0);
    EXPECT_EQ(d.balken_hD, 200.0);
    EXPECT_EQ(r.text, QString::fromUtf8("Material 8000 der Strebe kann nicht übernommen werden\n"
                                        "Querschnittsbreite der Strebe (0.50 cm) kann nicht übernommen werden\n"
                                        "Materialdaten importiert\n"
                                        "Querschnittsabmessungen importiert\n"
                                        "3 Schnittgrößenkombinationen importiert\n"
                                        "  Achtung Querschnittsbreite hat sich geändert\n"
                                        "  Achtung Querschnittshöhe der Strebe hat sich geändert\n"));
}

TEST_F(KraftImport, CutTurnedOutOfThePlaneGivesANote)
{
    // The strut's z axis along the plane's normal: its section is turned by 90
    // degrees against the joint.
    KxpCutSpec st = strut_cut(2006, 12.0, 14.0);
    const double y[3] = {S60, 0, -0.5}, z[3] = {0, -1, 0}; // x = (-0.5, 0, -S60) stays; x cross y = z
    for (int k = 0; k < 3; ++k) {
        st.y[k] = y[k];
        st.z[k] = z[k];
    }
    write_source(result_file(st, sill_cut(7013, 12.0, 24.0), three_strut_rows(), three_sill_rows()));
    d.import_mat = d.import_geo = 0;
    const KraftImportResult r = Kraft_Import_Run(d);
    EXPECT_EQ(r.text, QString::fromUtf8("3 Schnittgrößenkombinationen importiert\n"
                                        "Hinweis! Achse n des linken Rand ist um 90.0° verdreht\n"));
    // The axial force does not depend on the turn.
    EXPECT_NEAR(d.lasten[1].nd_strebe, 42.5, 1e-4);
}

TEST_F(KraftImport, TheExamplePositionImportsTheDemoResult)
{
    // The demo's choice: the component of the answer lies beside the position
    // (a path relative to the working directory), the result file matches the
    // example's joint at 45 degrees with C24 14/14 and 14/20.
    namespace fs = std::filesystem;
    const std::string example = std::string(KOV_SOURCE_DIR) + "/example";
    fs::copy_file(example + "/Dachtragwerk.EX2", work.file("Dachtragwerk.EX2"));
    setenv("KOV_BAUWAHL_ANSWER", (example + "/Bauwahl.ans").c_str(), 1);
    setenv("KOV_KRAWAHL_SOURCE", (example + "/Krawahl.res").c_str(), 1);
    ASSERT_EQ(d.read_file((example + "/VERSATZ_01.inp").c_str(), nullptr), 0);
    const int before = d.lasten.size();
    const double b = d.balken_b, hD = d.balken_hD, hG = d.balken_hG;
    ASSERT_EQ(b, 140.0);

    const KraftImportResult r = Kraft_Import_Run(d);
    EXPECT_EQ(r.text, QString::fromUtf8("Materialdaten importiert\n"
                                        "Materialdaten importiert\n"
                                        "Querschnittsabmessungen importiert\n"
                                        "3 Schnittgrößenkombinationen importiert\n"));
    ASSERT_EQ(d.lasten.size(), before + 3);
    // The sill's cut lies left of the joint with its x axis toward it, y
    // against the plane's normal and z down: N = N_l, M = -M_y, V = -V_z; the
    // strut force is -N_l.
    const double want[3][5] = {{20.0, 14.1, 0.8, 3.2, 0.6}, {45.0, 31.8, 1.9, 7.1, 0.9}, {38.0, 26.9, 1.6, 6.0, 1.1}};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const LoadCase& lc = d.lasten[before + k];
        EXPECT_NEAR(lc.nd_strebe, want[k][0], 1e-4);
        EXPECT_NEAR(lc.nd_schwelle, want[k][1], 1e-5);
        EXPECT_NEAR(lc.md_schwelle, want[k][2], 1e-5);
        EXPECT_NEAR(lc.vd_schwelle, want[k][3], 1e-5);
        EXPECT_NEAR(lc.kmod, want[k][4], 1e-6);
        EXPECT_EQ(lc.kled, 8);
    }
    EXPECT_EQ(d.lasten[before].name, QString::fromUtf8("LK 1: 1,35 g (ständig)"));
    // C24 (1005) and the example's own dimensions.
    EXPECT_EQ(d.holzart_sw, 0);
    EXPECT_EQ(d.holzguete_sw, 5);
    EXPECT_EQ(d.holzart_st, 0);
    EXPECT_EQ(d.holzguete_st, 5);
    EXPECT_EQ(d.balken_b, b);
    EXPECT_EQ(d.balken_hD, hD);
    EXPECT_EQ(d.balken_hG, hG);
}

TEST_F(KraftImport, TheWindowShowsWhatWasTakenOverAndTellsTheUser)
{
    wintest::Ensure_App();
    nelu52_inp_name[0] = '\0';
    NELU52_DATA& g = nelu52_data;
    g.set_defaults();
    g.lasten.clear();
    g.lasten.append(LoadCase());
    g.lasten[0].name = QStringLiteral("vorhanden");
    g.import_zov = g.import_mat = g.import_geo = 1;
    g.linkes_schnittufer = 1;
    // The strut has a timber of its own; one of the sill's timber shows the
    // sill's whatever the import brings.
    g.st_wie_sw = 0;
    std::unique_ptr<QMainWindow> win(Nelu52_New_Main_Window());
    auto* model = win->findChild<QStandardItemModel*>(QStringLiteral("model_lasten"));
    ASSERT_NE(model, nullptr);
    ASSERT_EQ(model->rowCount(), 1);

    write_source(
        result_file(strut_cut(2006, 12.99, 20.0), sill_cut(7013, 12.99, 24.0), three_strut_rows(), three_sill_rows()));
    Kov_Script_Clear_Log();
    // The tool-bar action's slot runs the import.
    int rc = -1;
    ASSERT_TRUE(QMetaObject::invokeMethod(win.get(), "schnittgroessen_import", Q_RETURN_ARG(int, rc)));
    EXPECT_EQ(rc, 1);

    auto radio = [&](const char* name) {
        auto* b = win->findChild<QRadioButton*>(QString::fromLatin1(name));
        return b && b->isChecked();
    };
    EXPECT_TRUE(radio("rb_holzart_LH_st"));
    EXPECT_FALSE(radio("rb_holzart_NH_st"));
    EXPECT_TRUE(radio("rb_holzart_BSH_EC_sw"));
    EXPECT_FALSE(radio("rb_holzart_BSH_DIN_sw"));
    EXPECT_FALSE(radio("rb_holzart_NH_sw"));
    auto* grade_st = win->findChild<QComboBox*>(QStringLiteral("cb_holzguete_st"));
    auto* grade_sw = win->findChild<QComboBox*>(QStringLiteral("cb_holzguete_sw"));
    ASSERT_TRUE(grade_st && grade_sw);
    EXPECT_EQ(grade_st->currentText(), QStringLiteral("D18"));
    EXPECT_EQ(grade_sw->currentText(), QStringLiteral("GL32c"));
    auto spin = [&](const char* name) {
        auto* s = win->findChild<QSpinBox*>(QString::fromLatin1(name));
        return s ? s->value() : -1;
    };
    EXPECT_EQ(spin("ed_Balken_b"), 120);
    EXPECT_EQ(spin("ed_Balken_hD"), 200);
    EXPECT_EQ(spin("ed_Balken_hG"), 240);

    ASSERT_EQ(model->rowCount(), 4);
    EXPECT_EQ(model->item(1, 0)->text(), QString::fromUtf8("LK 1: 1,35 g (ständig)"));
    EXPECT_NEAR(model->item(1, 1)->data(Qt::EditRole).toDouble(), 42.5, 1e-4);
    EXPECT_NEAR(model->item(3, 2)->data(Qt::EditRole).toDouble(), 25.75, 1e-9);
    EXPECT_NEAR(model->item(1, 3)->data(Qt::EditRole).toDouble(), -3.75, 1e-9);
    EXPECT_NEAR(model->item(3, 4)->data(Qt::EditRole).toDouble(), -10.5, 1e-9);
    EXPECT_EQ(g.lasten.size(), 4);
    EXPECT_EQ(g.holzart_sw, 2);
    EXPECT_EQ(g.holzguete_sw, 13);

    EXPECT_NE(QString::fromUtf8(log().c_str())
                  .indexOf(QString::fromUtf8("QMessageBox Info: Materialdaten importiert\n"
                                             "Materialdaten importiert\n"
                                             "Querschnittsabmessungen importiert\n"
                                             "3 Schnittgrößenkombinationen importiert\n")),
              -1)
        << log();
    win.reset();
}

TEST_F(KraftImport, ServiceClassThreeNamesTheKmodOfTheFreeRows)
{
    // Rows with id 0 come as "frei" with the result file's k_mod, which does
    // not follow service class 3: the report says so and names the k_mod.
    std::vector<Combination> st = three_strut_rows();
    st[0].id = 0; // k_mod 0.9, "frei"
    write_source(result_file(strut_cut(2006, 12.99, 20.0), sill_cut(7013, 12.99, 24.0), st, three_sill_rows()));
    d.import_mat = d.import_geo = 0;
    d.nkl = 3;
    const KraftImportResult r = Kraft_Import_Run(d);
    ASSERT_EQ(r.appended, 3);
    EXPECT_EQ(d.lasten[1].kled, 8);
    EXPECT_NEAR(d.lasten[1].kmod, 0.9, 1e-6);
    EXPECT_EQ(d.lasten[2].kled, 8);
    EXPECT_NEAR(d.lasten[2].kmod, 1.1, 1e-6);
    EXPECT_EQ(d.lasten[3].kled, 6);
    EXPECT_EQ(r.title, QStringLiteral("Info"));
    EXPECT_EQ(r.text, QString::fromUtf8("3 Schnittgrößenkombinationen importiert\n"
                                        "Achtung Nutzungsklasse 3: k_mod der Ergebnisdatei (0.90, 1.10) in 2 "
                                        "Kombination(en) mit KLED \"frei\" übernommen, er folgt nicht der "
                                        "Nutzungsklasse\n"));

    // Service class 2, or no "frei" row: no such line.
    for (int nkl : {1, 2}) {
        write_source(result_file(strut_cut(2006, 12.99, 20.0), sill_cut(7013, 12.99, 24.0), st, three_sill_rows()));
        d.nkl = nkl;
        EXPECT_EQ(Kraft_Import_Run(d).text, QString::fromUtf8("3 Schnittgrößenkombinationen importiert\n")) << nkl;
    }
    std::vector<Combination> exceptional = three_strut_rows();
    exceptional[1].id = 4;
    write_source(
        result_file(strut_cut(2006, 12.99, 20.0), sill_cut(7013, 12.99, 24.0), exceptional, three_sill_rows()));
    d.nkl = 3;
    EXPECT_EQ(Kraft_Import_Run(d).text, QString::fromUtf8("3 Schnittgrößenkombinationen importiert\n"));
}

TEST_F(KraftImport, TheCutsGiveTheForcesOfBothCutsCutMajor)
{
    write_source(
        result_file(strut_cut(2006, 12.99, 20.0), sill_cut(7013, 12.99, 24.0), three_strut_rows(), three_sill_rows()));
    Kraft_Import_Texts() = KraftImportTexts();
    int cuts = 0, rows = -1;
    std::vector<double> forces;
    KraftImportResult r;
    d.import_geo = 0;
    ASSERT_EQ(Kraft_Import_Schnitte(d, KraftImportLimits(), &cuts, &forces, &rows, &r), 1);
    EXPECT_EQ(cuts, 2);
    ASSERT_EQ(rows, 6);
    ASSERT_EQ(forces.size(), 72u);
    // Hand values (see the comment at the top): the strut's N is N_l; the
    // sill's N = N_l, normal force -V_y, shear V_z, moment about the normal
    // -M_y. Cut 0 holds the strut's rows 0..2, cut 1 starts at row 6 and its
    // sill rows at 6 + 3.
    EXPECT_NEAR(forces[0], -42.5, 1e-4);
    EXPECT_NEAR(forces[6 * 1], -18.25, 1e-4);
    const double* sill0 = &forces[size_t(6 + 3) * 6];
    EXPECT_NEAR(sill0[0], 30.5, 1e-5);
    EXPECT_NEAR(sill0[1], -7.25, 1e-5);
    EXPECT_NEAR(sill0[2], 12.5, 1e-5);
    EXPECT_NEAR(sill0[4], -3.75, 1e-5);
    const double* sill2 = &forces[size_t(6 + 5) * 6];
    EXPECT_NEAR(sill2[2], -10.5, 1e-5);
    // Materials taken over, dimensions not asked for.
    EXPECT_TRUE(r.material_st && r.material_sw);
    EXPECT_FALSE(r.b || r.hD || r.hG);
    EXPECT_EQ(Kraft_Import_Texts().info, QStringLiteral("Materialdaten importiert\nMaterialdaten importiert\n"));
    import_reset();

    // Nothing chosen (the selection tool cancels): 1, no rows, no forces.
    std::filesystem::remove(root + "/answer.tmp");
    Kov_Script_Push("qmessagebox", QMessageBox::No, nullptr);
    Kraft_Import_Texts() = KraftImportTexts();
    forces.assign(3, 1.0);
    EXPECT_EQ(Kraft_Import_Schnitte(d, KraftImportLimits(), &cuts, &forces, &rows, &r), 1);
    EXPECT_EQ(rows, 0);
    EXPECT_TRUE(forces.empty());
    EXPECT_TRUE(Kraft_Import_Texts().info.isEmpty());
}

TEST_F(KraftImport, UnequalRowCountsWithoutTheForcesStillTakeOverMaterials)
{
    // Only an import of the forces is broken off by unequal row counts.
    std::vector<Local> sw = three_sill_rows();
    sw.pop_back();
    write_source(result_file(strut_cut(2006, 12.99, 20.0), sill_cut(7013, 12.99, 24.0), three_strut_rows(), sw));
    d.import_zov = 0;
    const KraftImportResult r = Kraft_Import_Run(d);
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.title, QStringLiteral("Info"));
    EXPECT_EQ(d.holzart_st, 1);
    EXPECT_EQ(d.holzart_sw, 2);
    EXPECT_EQ(d.balken_hD, 200.0);
    EXPECT_EQ(d.lasten.size(), 1);
}

TEST_F(KraftImport, SingleSetThroughTheStandInTool)
{
    write_source("V:1\n2 2\n1 2 5 0.5 \xAE"
                 "a\xAF \xAE"
                 "b\xAF\n"
                 "3 4 6 1.5 \xAE\xAF \xAE"
                 "d\xAF\n"
                 "2 Info\n\xAE"
                 "1\xAF\xAE"
                 "2\xAF\xAE"
                 "3\xAF\xAE"
                 "4\xAF\xAE"
                 "5\xAF\n"
                 "\xAE"
                 "6\xAF\xAE"
                 "7\xAF\xAE"
                 "8\xAF\xAE"
                 "9\xAF\xAE"
                 "10\xAF\n");
    ASSERT_EQ(Qt_Import_BeamCutResults_Select(5, 6, 7, 8), 2);
    EXPECT_EQ(apptest::Slurp(root + "/args.txt"), root + "/comp/Pfette.EX2\n5\n6\n7\n8\n");
    EXPECT_EQ(import_values_per_row(), 2);
    float out[2];
    ASSERT_EQ(import_row_values(1, out), 1);
    EXPECT_EQ(out[0], 3.0f);
    EXPECT_EQ(out[1], 4.0f);
    EXPECT_EQ(import_row_id(1), 6);
    EXPECT_EQ(import_row_value(1), 1.5f);
    EXPECT_STREQ(import_row_text(0), "a");
    EXPECT_EQ(import_row_text(1), nullptr); // an empty text is no text
    EXPECT_STREQ(import_row_text2(1), "d");
    EXPECT_STREQ(import_row_info1(0), "1");
    EXPECT_STREQ(import_row_info5(1), "10");
    EXPECT_EQ(import_row_values(2, out), 0);
    EXPECT_EQ(import_cut_object(0), nullptr);

    // With the tool's window open: the message box, and the rows are gone.
    ASSERT_TRUE(KOVRegisterWindow(tool_title()));
    Kov_Script_Clear_Log();
    Kov_Script_Push("qmessagebox", QMessageBox::Yes, nullptr);
    EXPECT_EQ(Qt_Import_BeamCutResults_Select(5, 6, 7, 8), 0);
    EXPECT_NE(
        QString::fromUtf8(log().c_str()).indexOf(QString::fromUtf8("QMessageBox Bauteil: Gleiches Bauteil wie zuvor?")),
        -1);
    EXPECT_NE(QString::fromUtf8(log().c_str())
                  .indexOf(QString::fromUtf8(
                      "QMessageBox Info: Das KOV-Werkzeug zur Auswahl von Schnittgrößen-\n"
                      "sätzen ist bereits aktiv. Bitte schließen Sie\ndas Fenster und versuchen es erneut.")),
              -1)
        << log();
    EXPECT_EQ(import_row_count(), 0);
}

TEST_F(KraftImport, MoreThanTenCutsAreRefusedBeforeAnythingStarts)
{
    char id[] = "c";
    char* ids[11] = {id, id, id, id, id, id, id, id, id, id, id};
    testing::internal::CaptureStdout();
    EXPECT_EQ(Qt_Import_BeamCutMultiResults_Select(0, 0, 0, 0, 11, ids), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Import_BeamCutMultiResults0: n=11 ? to much :-(\n");
    EXPECT_EQ(Qt_Import_BeamCutMultiResults_Select(0, 0, 0, 0, 0, ids), 0);
    EXPECT_EQ(Qt_Import_BeamCutMultiResults_Select(0, 0, 0, 0, -2, ids), 0);
    EXPECT_EQ(log().find("KOVSpawnv"), std::string::npos) << log();
}

TEST_F(KraftImport, ANewRunFreesTheCutsOfTheLastOne)
{
    write_source(
        result_file(strut_cut(2006, 12.99, 20.0), sill_cut(7013, 12.99, 24.0), three_strut_rows(), three_sill_rows()));
    char s1[] = "Strebe", s2[] = "Schwelle";
    char* ids[] = {s1, s2};
    ASSERT_EQ(Qt_Import_BeamCutMultiResults_Select(0, 0, 0, 0, 2, ids), 6);
    EXPECT_EQ(import_cut_rows(0), 3);
    EXPECT_EQ(import_cut_rows(1), 3);
    EXPECT_EQ(import_cut_rows(2), 0);
    ASSERT_NE(import_cut_object(1), nullptr);
    EXPECT_EQ(import_cut_object(1)->head.id, 22);
    EXPECT_STREQ(import_row_text2(3), "Schwelle 1");

    // The next run is cancelled in the tool: nothing of the last one is left.
    unsetenv("KOV_KRAWAHL_SOURCE");
    Kov_Script_Push("qmessagebox", QMessageBox::Yes, nullptr);
    EXPECT_EQ(Qt_Import_BeamCutMultiResults_Select(0, 0, 0, 0, 2, ids), 0);
    EXPECT_EQ(BeamCut_Store_Cut_Count(), 0);
    EXPECT_EQ(import_cut_object(0), nullptr);
    EXPECT_EQ(import_row_count(), 0);
}

TEST(KraftImportMaterial, HostNumbersGiveKindAndGrade)
{
    const struct {
        int number, kind, grade;
    } cases[] = {
        {2006, 1, 0}, {2007, 1, 1}, {2000, 1, 2},  {5003, 1, 5},  {7013, 2, 13}, {7000, 2, 0},
        {3003, 3, 3}, {6007, 3, 7}, {8000, 13, 5}, {9005, 10, 5}, {1011, 0, 11}, {1000, 0, 0},
        {4007, 0, 7}, {14, 0, 5},   {1012, 0, 5},  {-3, 0, 5},
    };
    for (const auto& c : cases) {
        int kind = -1, grade = -1;
        import_material_map(&kind, &grade, c.number);
        EXPECT_EQ(kind, c.kind) << c.number;
        EXPECT_EQ(grade, c.grade) << c.number;
    }
    int kind = -1, grade = -7;
    import_material_map(&kind, &grade, 0);
    EXPECT_EQ(kind, 0);
    EXPECT_EQ(grade, -7);
}

TEST(KraftImportStore, AccessorsAnswerNothingWithoutARun)
{
    import_reset();
    float out[12];
    EXPECT_EQ(import_row_count(), 0);
    EXPECT_EQ(import_row_values(0, out), 0);
    EXPECT_EQ(import_row_id(0), 0);
    EXPECT_EQ(import_row_value(0), 0.0f);
    EXPECT_EQ(import_row_text(0), nullptr);
    EXPECT_EQ(import_row_text2(0), nullptr);
    EXPECT_EQ(import_row_info1(0), nullptr);
    EXPECT_EQ(import_cut_object(0), nullptr);
    EXPECT_EQ(import_cut_rows(0), 0);
}

} // namespace
