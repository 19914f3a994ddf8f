// The national-annex choice: the annex list with the user's annexes (and the
// once-only move of the old single definition file), OK and Abort, the annex
// editor, and the choice kept with the position.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/gui/dialogsapi.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "app/tests/app_fixture.h"
#include "base/kovmem.h"
#include "nad/nadactive.h"
#include "nad/nadec0.h"
#include "nad/nadec2.h"
#include "nad/nadec3.h"
#include "nad/nadfile.h"
#include "nad/nadlist.h"
#include "platform/kovcp.h"
#include "platform/kovscript.h"
#include "window_fixture.h"

namespace {

namespace fs = std::filesystem;
using apptest::Slurp;
using apptest::Spill;

class AnnexDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wintest::Ensure_App();
        Nad_Reset_Annex_State();
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        unsetenv("EXEC");
        ASSERT_EQ(Nelu52_Set_Position("TEST", "1"), 1);
        dialog.reset(Nelu52_New_NA_SelectDialog());
    }
    void TearDown() override
    {
        dialog.reset();
        Nad_Reset_Annex_State();
        Kov_Set_Ui_Mode(-1);
    }

    std::string nads() const { return wd.root() + "/dram/NADS"; }
    std::string user_file(int n) const { return nads() + "/" + std::to_string(n) + ".NAD"; }

    // A user annex file with only its head line, as the list reads it.
    void head_only(int n, int flag, const std::string& name)
    {
        fs::create_directories(nads());
        ASSERT_TRUE(Spill(user_file(n), "NAD/Version 1\n\n " + std::to_string(flag) + " \xAE" + name + "\xAF 0\n"));
    }

    QGridLayout* grid() { return dialog->findChild<QGridLayout*>(QStringLiteral("gridLayout_na")); }
    int rows()
    {
        int n = 0;
        while (grid()->itemAtPosition(n, 0)) ++n;
        return n;
    }
    QRadioButton* radio(int i)
    {
        QLayoutItem* it = grid()->itemAtPosition(i, 0);
        return it ? qobject_cast<QRadioButton*>(it->widget()) : nullptr;
    }
    QLabel* flag(int i)
    {
        QLayoutItem* it = grid()->itemAtPosition(i, 1);
        return it ? qobject_cast<QLabel*>(it->widget()) : nullptr;
    }
    QPushButton* ok() { return dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok); }
    QPushButton* abort() { return dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Abort); }
    QPushButton* tool() { return dialog->findChild<QPushButton*>(QStringLiteral("pb_tool")); }
    std::string active() const { return NadActiveName ? NadActiveName : "(null)"; }

    apptest::Workdir wd;
    std::unique_ptr<QDialog> dialog;
};

bool same_picture(const QLabel* label, const char* resource)
{
    const QPixmap p = label->pixmap(Qt::ReturnByValue);
    if (p.isNull()) return false;
    return p.toImage() == QPixmap(QString::fromLatin1(resource)).toImage();
}

std::string body(const std::function<void(FILE*)>& write)
{
    FILE* f = std::tmpfile();
    write(f);
    std::string s;
    std::rewind(f);
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
    return s;
}

// One annex block of the old single definition file: "#NAD", flag and name,
// the EC2 body, then the EC5 body under its keyword line.
std::string old_block(int flag, const std::string& name, const NadEc5Record* ec5)
{
    NadEc2Record ec2;
    Nad_Default_Ec2(&ec2);
    std::string s = "#NAD\n " + std::to_string(flag) + " \xAE" + name + "\xAF\n";
    s += body([&](FILE* f) { Nad_Write_Ec2(f, &ec2); });
    if (ec5) s += " EC5 Parameter\n" + body([&](FILE* f) { Nad_Write_Ec5(f, ec5); }) + "EC5 Ende\n";
    return s;
}

TEST_F(AnnexDialogTest, FreshStartShowsTheTwoBuiltInAnnexesWithGermanyChosen)
{
    dialog->show();
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(radio(0)->text(), QStringLiteral("EC-Standardparameter"));
    EXPECT_EQ(radio(1)->text(), QStringLiteral("Deutschland"));
    EXPECT_FALSE(radio(0)->isChecked());
    EXPECT_TRUE(radio(1)->isChecked());
    EXPECT_TRUE(same_picture(flag(0), ":/Flags/images/ef20.ico"));
    EXPECT_TRUE(same_picture(flag(1), ":/Flags/images/ef19.ico"));
    EXPECT_EQ(flag(0)->size(), QSize(26, 19));
    EXPECT_EQ(active(), "Deutschland");
    // the user's storage exists from now on, so no later move takes place
    EXPECT_TRUE(fs::is_directory(nads()));
    EXPECT_TRUE(fs::is_empty(nads()));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Nationaler Anhang"));
    EXPECT_FALSE(tool()->icon().isNull());
}

TEST_F(AnnexDialogTest, OldFileWithThreeBlocksBecomesThreeUserAnnexesInBlockOrder)
{
    NadEc5Record two;
    Nad_Default_Ec5(&two);
    two.gamma_m_connections = 1.4;
    two.gamma_m_solid = 1.2;
    // "#NAD" after a blank starts no block
    const std::string old = "Alte NAD-Definitionen\n" + old_block(3, "Alt Eins", nullptr) + " #NAD\n" +
                            old_block(4, "Alt Zwei", &two) + old_block(5, cp850("Größe"), nullptr);
    ASSERT_TRUE(Spill(wd.root() + "/dram/NADs-EC2.DEF", old));

    dialog->show();
    ASSERT_EQ(rows(), 5);
    EXPECT_EQ(radio(2)->text(), QStringLiteral("Alt Eins"));
    EXPECT_EQ(radio(3)->text(), QStringLiteral("Alt Zwei"));
    EXPECT_EQ(radio(4)->text(), QString::fromUtf8("Größe"));
    EXPECT_TRUE(same_picture(flag(2), ":/Flags/images/ef04.ico"));
    EXPECT_TRUE(same_picture(flag(4), ":/Flags/images/ef06.ico"));
    EXPECT_TRUE(fs::exists(user_file(3)));
    EXPECT_FALSE(fs::exists(user_file(4)));
    EXPECT_EQ(Slurp(wd.root() + "/dram/NADs-EC2.DEF"), old);
    EXPECT_TRUE(radio(1)->isChecked());

    // the moved annex carries its values into the checks once chosen
    radio(3)->click();
    ok()->click();
    EXPECT_EQ(active(), "Alt Zwei");
    ASSERT_NE(ActiveNadEc5, nullptr);
    EXPECT_DOUBLE_EQ(ActiveNadEc5->gamma_m_connections, 1.4);
    EXPECT_DOUBLE_EQ(ActiveNadEc5->gamma_m_solid, 1.2);
}

TEST_F(AnnexDialogTest, ExistingUserFolderKeepsTheOldFileUnmoved)
{
    fs::create_directories(nads());
    ASSERT_TRUE(Spill(wd.root() + "/dram/NADs-EC2.DEF", old_block(3, "Alt Eins", nullptr)));
    dialog->show();
    EXPECT_EQ(rows(), 2);
    EXPECT_FALSE(fs::exists(user_file(1)));
}

TEST_F(AnnexDialogTest, ListStopsAtTheFirstMissingNumber)
{
    head_only(1, 3, "Eins");
    head_only(2, 25, "Zwei"); // no picture for this flag index
    head_only(4, 5, "Vier");
    dialog->show();
    ASSERT_EQ(rows(), 4);
    EXPECT_EQ(radio(2)->text(), QStringLiteral("Eins"));
    EXPECT_EQ(radio(3)->text(), QStringLiteral("Zwei"));
    EXPECT_TRUE(flag(3)->pixmap(Qt::ReturnByValue).isNull());
    EXPECT_TRUE(radio(3)->isEnabled());
    // the row after the last entry takes the free room
    EXPECT_EQ(grid()->rowStretch(4), 2);
}

TEST_F(AnnexDialogTest, ListStopsAtItsCapacityAndCutsLongNames)
{
    fs::create_directories(nads());
    const std::string long_name(400, 'L');
    for (int n = 1; n <= NAD_LIST_MAX + 3; ++n) head_only(n, 3, n == 1 ? long_name : "Nr " + std::to_string(n));
    dialog->show();
    ASSERT_EQ(rows(), NAD_LIST_MAX);
    EXPECT_EQ(radio(NAD_LIST_MAX - 1)->text(), QStringLiteral("Nr 298"));
    const QString cut = radio(2)->text();
    EXPECT_GT(cut.size(), 0);
    EXPECT_LT(cut.size(), 256);
    EXPECT_TRUE(cut.startsWith(QStringLiteral("LLLL")));
}

TEST_F(AnnexDialogTest, OkMakesTheChoiceActivePublishesItAndStoresItWithThePosition)
{
    Nad_Publish_Active_Blocks();
    ASSERT_NE(ActiveNadEc5, nullptr);
    EXPECT_NE(ActiveNadEc5->na_de, 0); // the German annex is active at start

    QSignalSpy changed(dialog.get(), SIGNAL(naChanged()));
    dialog->show();
    radio(0)->click();
    ok()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(active(), "EC-Standardparameter");
    // the same pointer, now with the recommended values
    EXPECT_EQ(ActiveNadEc5->na_de, 0);
    EXPECT_EQ(ActiveNadEc5, Nad_Get_Ec5());
    EXPECT_EQ(Slurp(wd.file("TEST_01.nad")), "\n\nACTIV_NADNAME\n\xAE"
                                             "EC-Standardparameter\xAF\n0\n");

    // the position's input names the same annex after a restart
    ASSERT_EQ(nelu52_data.write_data(), 0);
    Nad_Reset_Annex_State();
    ASSERT_EQ(nelu52_data.read_data(), 0);
    EXPECT_EQ(active(), "EC-Standardparameter");
    ASSERT_NE(ActiveNadEc5, nullptr);
    EXPECT_EQ(ActiveNadEc5->na_de, 0);
}

TEST_F(AnnexDialogTest, OkWithoutAnyChoiceKeepsTheNameButStillStoresAndTells)
{
    head_only(1, 3, "Eins");
    Nad_Build_List();
    Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
    NadActiveName = Mem_Strdup("nicht vorhanden");
    QSignalSpy changed(dialog.get(), SIGNAL(naChanged()));
    dialog->show();
    for (int i = 0; i < rows(); ++i) EXPECT_FALSE(radio(i)->isChecked());
    ok()->click();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(fs::exists(wd.file("TEST_01.nad")));
    // the name read back is not listed: the German annex stands in, with the
    // warning of the annex library
    EXPECT_EQ(active(), "Deutschland");
    EXPECT_NE(std::string(Kov_Script_Log_Text()).find("Warnung"), std::string::npos);
}

TEST_F(AnnexDialogTest, AbortAndClosingChangeNothing)
{
    QSignalSpy changed(dialog.get(), SIGNAL(naChanged()));
    dialog->show();
    radio(0)->click();
    abort()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(active(), "Deutschland");
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(fs::exists(wd.file("TEST_01.nad")));

    // shown again, the selection follows the active annex
    dialog->show();
    EXPECT_TRUE(radio(1)->isChecked());
    EXPECT_FALSE(radio(0)->isChecked());
    radio(0)->click();
    dialog->close();
    EXPECT_EQ(active(), "Deutschland");
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(AnnexDialogTest, ChoiceThatCannotBeStoredIsActivatedAndReported)
{
    nelu52_nad_name[0] = '\0';
    dialog->show();
    radio(0)->click();
    ok()->click();
    EXPECT_EQ(active(), "EC-Standardparameter");
    ASSERT_NE(ActiveNadEc5, nullptr);
    EXPECT_EQ(ActiveNadEc5->na_de, 0);
    EXPECT_NE(std::string(Kov_Script_Log_Text()).find("QMessageBox Fehler"), std::string::npos);
}

TEST_F(AnnexDialogTest, EditorIsNotStartedWithoutExec)
{
    dialog->show();
    tool()->click();
    const std::string log = Kov_Script_Log_Text();
    EXPECT_NE(log.find("QMessageBox Fehler: Die NAD-Pflege kann nicht gestartet werden"), std::string::npos) << log;
    EXPECT_EQ(log.find("KOVSpawnv"), std::string::npos);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(rows(), 2);
}

TEST_F(AnnexDialogTest, EditorRunIsWaitedForAndItsAnnexesAppearAtOnce)
{
    setenv("EXEC", KOV_TOOLS_DIR, 1);
    const std::string args = wd.root() + "/temp/args.txt";
    setenv("KOV_NAD_PFLEGE_ARGS", args.c_str(), 1);
    setenv("KOV_NAD_PFLEGE_NEU", "Meine Werte", 1);
    setenv("KOV_NAD_PFLEGE_GAMMA_M", "1.25", 1);
    dialog->show();
    tool()->click();
    unsetenv("KOV_NAD_PFLEGE_NEU");
    unsetenv("KOV_NAD_PFLEGE_GAMMA_M");
    EXPECT_EQ(Slurp(args), "Deutschland\n");
    EXPECT_NE(std::string(Kov_Script_Log_Text()).find("KOVSpawnv 0 " KOV_TOOLS_DIR "\\NAD-Pflege Deutschland"),
              std::string::npos);
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(rows(), 3);
    EXPECT_EQ(radio(2)->text(), QStringLiteral("Meine Werte"));
    EXPECT_TRUE(radio(1)->isChecked());

    radio(2)->click();
    ok()->click();
    EXPECT_EQ(active(), "Meine Werte");
    ASSERT_NE(ActiveNadEc5, nullptr);
    EXPECT_DOUBLE_EQ(ActiveNadEc5->gamma_m_solid, 1.25);
    EXPECT_DOUBLE_EQ(ActiveNadEc5->gamma_m_glulam, 1.25);

    // the editor removes it again; the list follows without reopening
    dialog->show();
    setenv("KOV_NAD_PFLEGE_LOESCHE", "1", 1);
    tool()->click();
    unsetenv("KOV_NAD_PFLEGE_LOESCHE");
    EXPECT_EQ(Slurp(args), "Meine Werte\n");
    EXPECT_EQ(rows(), 2);
    EXPECT_FALSE(fs::exists(user_file(1)));
}

// A user annex made with the editor, chosen, the position saved, the program
// started again: the annex is still the chosen one, with its values.
TEST_F(AnnexDialogTest, UserAnnexFromTheEditorSurvivesSaveAndRestart)
{
    setenv("EXEC", KOV_TOOLS_DIR, 1);
    setenv("KOV_NAD_PFLEGE_NEU", "Projekt X", 1);
    setenv("KOV_NAD_PFLEGE_GAMMA_M", "1.4", 1);
    dialog->show();
    tool()->click();
    unsetenv("KOV_NAD_PFLEGE_NEU");
    unsetenv("KOV_NAD_PFLEGE_GAMMA_M");
    ASSERT_EQ(rows(), 3);
    radio(2)->click();
    ok()->click();
    ASSERT_EQ(nelu52_data.write_data(), 0);

    dialog.reset();
    Nad_Reset_Annex_State();
    nelu52_data.set_defaults();
    ASSERT_EQ(nelu52_data.read_data(), 0);
    EXPECT_EQ(active(), "Projekt X");
    ASSERT_NE(ActiveNadEc5, nullptr);
    EXPECT_DOUBLE_EQ(ActiveNadEc5->gamma_m_solid, 1.4);

    dialog.reset(Nelu52_New_NA_SelectDialog());
    dialog->show();
    ASSERT_EQ(rows(), 3);
    EXPECT_TRUE(radio(2)->isChecked());
}

} // namespace
