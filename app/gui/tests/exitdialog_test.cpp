// The question when leaving: save and quit, quit without saving, go back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "app/gui/dialogsapi.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "app/tests/app_fixture.h"
#include "nad/nadlist.h"
#include "platform/kovscript.h"
#include "window_fixture.h"

namespace {

using apptest::Slurp;

class ExitDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wintest::Ensure_App();
        Nad_Reset_Annex_State();
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        ASSERT_EQ(Nelu52_Set_Position("TEST", "1"), 1);
        nelu52_data.set_defaults();
        nelu52_data.balken_b = 140.0;
        ASSERT_EQ(nelu52_data.write_data(), 0);
        saved = Slurp(wd.file("TEST_01.inp"));
        ASSERT_FALSE(saved.empty());
        // an edit that the form copied into the data object before "Ende"
        nelu52_data.balken_b = 123.0;
        // the main window stays open behind the question
        behind.reset(new QMainWindow);
        behind->show();
        dialog.reset(Nelu52_New_ExitDialog());
        dialog->show();
    }
    void TearDown() override
    {
        dialog.reset();
        behind.reset();
        Nad_Reset_Annex_State();
        Kov_Set_Ui_Mode(-1);
    }

    QPushButton* button(const char* name) { return dialog->findChild<QPushButton*>(QString::fromLatin1(name)); }

    // Runs the event loop with action as its first event. 0 when the program
    // was told to quit, 7 when it was still running after a while.
    static int run(const std::function<void()>& action)
    {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        watchdog.start(400);
        QTimer::singleShot(0, action);
        return QApplication::exec();
    }

    apptest::Workdir wd;
    std::string saved;
    std::unique_ptr<QMainWindow> behind;
    std::unique_ptr<QDialog> dialog;
};

TEST_F(ExitDialogTest, FormHasTheThreeChoices)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Beenden"));
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(button("butAbbruch")->text(), QStringLiteral("&abbrechen"));
    EXPECT_EQ(button("butExitNoSave")->text(), QStringLiteral("Ende &ohne zu speichern"));
    EXPECT_EQ(button("butExitSave")->text(), QStringLiteral("Ende mit &Speichern"));
    for (const char* b : {"butAbbruch", "butExitNoSave", "butExitSave"}) {
        EXPECT_FALSE(button(b)->icon().isNull()) << b;
        EXPECT_EQ(button(b)->font().family(), QStringLiteral("Arial")) << b;
    }
}

TEST_F(ExitDialogTest, SaveWritesTheEditAndQuits)
{
    EXPECT_EQ(run([this] { button("butExitSave")->click(); }), 0);
    nelu52_data.set_defaults();
    ASSERT_EQ(nelu52_data.read_data(), 0);
    EXPECT_DOUBLE_EQ(nelu52_data.balken_b, 123.0);
    // the annex choice is written with the input
    EXPECT_NE(Slurp(wd.file("TEST_01.nad")).find("ACTIV_NADNAME"), std::string::npos);
}

TEST_F(ExitDialogTest, QuitWithoutSavingLeavesTheInputFileAsItWas)
{
    EXPECT_EQ(run([this] { button("butExitNoSave")->click(); }), 0);
    EXPECT_EQ(Slurp(wd.file("TEST_01.inp")), saved);
}

TEST_F(ExitDialogTest, GoingBackHidesTheDialogAndKeepsRunning)
{
    EXPECT_EQ(run([this] { button("butAbbruch")->click(); }), 7);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Slurp(wd.file("TEST_01.inp")), saved);

    // "Ende" again shows the same question; Escape goes back as well
    dialog->show();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(run([this] { QTest::keyClick(dialog.get(), Qt::Key_Escape); }), 7);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ExitDialogTest, FailedSaveIsReportedAndTheProgramStaysOpen)
{
    std::snprintf(nelu52_inp_name, sizeof nelu52_inp_name, "%s", "fehlt/TEST_01.inp");
    EXPECT_EQ(run([this] { button("butExitSave")->click(); }), 7);
    const std::string log = Kov_Script_Log_Text();
    EXPECT_NE(log.find("QMessageBox Fehler: Die Eingabedaten konnten nicht gespeichert werden!"), std::string::npos)
        << log;
    EXPECT_EQ(Slurp(wd.file("TEST_01.inp")), saved);
}

} // namespace
