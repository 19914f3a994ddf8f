// The example position as a new user would take it: in the main window a user
// annex is made with the annex editor and chosen, the position is saved, and
// the program is started again for the position.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/gui/mainwindowapi.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "app/tests/app_fixture.h"
#include "nad/nadlist.h"
#include "platform/kovscript.h"
#include "test_support/runtool.h"
#include "window_fixture.h"

namespace {

namespace fs = std::filesystem;
using apptest::Slurp;

// The program started by the host for position id in folder; its standard
// output (batch mode prints the utilisations).
std::string Run_Program(const std::string& folder, const std::string& id)
{
    kovtest::ToolOptions o;
    o.set = {"KOV_UI_MODE=batch", "_KOV_CWD_=" + folder, "KOV_CUROB_PRIVAT_DATAPATH=" + folder};
    return kovtest::Run_Tool({std::string(KOV_BINARY_DIR) + "/app/nelu52", id, "0", "1", "1"}, o).out;
}

// "<check>: <percent> %" lines of the program's output.
std::map<std::string, double> Utilisations(const std::string& out)
{
    std::map<std::string, double> u;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        const size_t colon = line.rfind(": ");
        if (colon == std::string::npos || line.size() < 2 || line.compare(line.size() - 2, 2, " %") != 0) continue;
        u[line.substr(0, colon)] = std::atof(line.c_str() + colon + 2);
    }
    return u;
}

QWidget* Top_Level(const char* name)
{
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->objectName() == QLatin1String(name)) return t;
    return nullptr;
}

QRadioButton* Radio_Named(QWidget* dialog, const QString& text)
{
    for (QRadioButton* rb : dialog->findChildren<QRadioButton*>())
        if (rb->text() == text) return rb;
    return nullptr;
}

TEST(AnnexRoundTrip, UserAnnexMadeWithTheEditorStaysChosenAfterSaveAndRestart)
{
    wintest::Ensure_App();
    apptest::Workdir wd;
    Nad_Reset_Annex_State();
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    for (const char* ext : {"inp", "nad", "txt"}) {
        fs::copy_file(fs::path(KOV_SOURCE_DIR) / "example" / (std::string("VERSATZ_01.") + ext),
                      wd.file(std::string("VERSATZ_01.") + ext));
        // the same position untouched, to compare with
        fs::copy_file(fs::path(KOV_SOURCE_DIR) / "example" / (std::string("VERSATZ_01.") + ext),
                      wd.file(std::string("KONTROLLE_01.") + ext));
    }
    ASSERT_EQ(Nelu52_Set_Position("VERSATZ", "1"), 1);
    Nelu52_Set_Fonts_Name(std::getenv("DRAM"));
    setenv("EXEC", KOV_TOOLS_DIR, 1);

    std::unique_ptr<QMainWindow> win(Nelu52_New_Main_Window());
    win->show();
    win->findChild<QAction*>(QStringLiteral("actionNationalerAnhang"))->trigger();
    QWidget* dialog = Top_Level("NA_SelectDialog");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    ASSERT_NE(Radio_Named(dialog, QStringLiteral("Deutschland")), nullptr);
    EXPECT_TRUE(Radio_Named(dialog, QStringLiteral("Deutschland"))->isChecked());

    // the user makes an annex of his own in the editor: the German annex with
    // gamma_M 1.56 for timber
    setenv("KOV_NAD_PFLEGE_NEU", "Mein Anhang", 1);
    setenv("KOV_NAD_PFLEGE_GAMMA_M", "1.56", 1);
    dialog->findChild<QPushButton*>(QStringLiteral("pb_tool"))->click();
    unsetenv("KOV_NAD_PFLEGE_NEU");
    unsetenv("KOV_NAD_PFLEGE_GAMMA_M");
    QRadioButton* mine = Radio_Named(dialog, QStringLiteral("Mein Anhang"));
    ASSERT_NE(mine, nullptr);
    mine->click();
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_STREQ(NadActiveName, "Mein Anhang");

    win->findChild<QAction*>(QStringLiteral("actionDaten_sichern"))->trigger();
    EXPECT_NE(Slurp(wd.file("VERSATZ_01.nad")).find("\xAEMein Anhang\xAF"), std::string::npos);
    EXPECT_TRUE(fs::exists(wd.root() + "/dram/nelu52_fonts"));
    EXPECT_TRUE(fs::exists(wd.file("VERSATZ_01.ini")));

    // the program started again for the position calculates with the user's
    // annex. Every design strength is k_mod f_k / gamma_M, so a check that
    // adds stress over strength grows by 1.56 / 1.3 = 1.2 against the German
    // annex (the notch, the shear of the sill); one with a squared term
    // (compression with bending, the strut's stability) by more, at most
    // 1.2^2 = 1.44
    const std::map<std::string, double> again = Utilisations(Run_Program(wd.pos(), "VERSATZ"));
    const std::map<std::string, double> german = Utilisations(Run_Program(wd.pos(), "KONTROLLE"));
    ASSERT_EQ(german.count("Versatz"), 1u);
    ASSERT_EQ(again.size(), german.size());
    const double tol = 0.005 + 1.44 * 0.005; // both printed to 0.01 %
    for (const auto& g : german) {
        ASSERT_EQ(again.count(g.first), 1u) << g.first;
        EXPECT_GT(g.second, 0.0) << g.first;
        const double u = again.at(g.first);
        if (g.first == "Versatz" || g.first == "Querkraft der Schwelle") {
            EXPECT_NEAR(u, 1.2 * g.second, tol) << g.first;
        } else {
            EXPECT_GE(u, 1.2 * g.second - tol) << g.first;
            EXPECT_LE(u, 1.44 * g.second + tol) << g.first;
        }
    }

    // and in a new window the annex dialog shows it chosen
    win.reset();
    Nad_Reset_Annex_State();
    nelu52_data.set_defaults();
    win.reset(Nelu52_New_Main_Window());
    EXPECT_STREQ(NadActiveName, "Mein Anhang");
    win->findChild<QAction*>(QStringLiteral("actionNationalerAnhang"))->trigger();
    QWidget* second = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->objectName() == QLatin1String("NA_SelectDialog") && t->isVisible()) second = t;
    ASSERT_NE(second, nullptr);
    ASSERT_NE(Radio_Named(second, QStringLiteral("Mein Anhang")), nullptr);
    EXPECT_TRUE(Radio_Named(second, QStringLiteral("Mein Anhang"))->isChecked());
    Kov_Set_Ui_Mode(-1);
}

} // namespace
