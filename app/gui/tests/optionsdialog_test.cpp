// "Einstellungen": the output-list options and the decimals of the load table
// between form and data object, and the nine font and colour buttons.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <memory>
#include <string>

#include "app/gui/dialogsapi.h"
#include "app/gui/mainwindowapi.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "app/tests/app_fixture.h"
#include "nad/nadlist.h"
#include "platform/kovscript.h"
#include "window_fixture.h"

namespace {

int count_lines(const std::string& log, const std::string& start)
{
    int n = 0;
    size_t pos = 0;
    while (pos < log.size()) {
        size_t end = log.find('\n', pos);
        if (end == std::string::npos) end = log.size();
        if (log.compare(pos, start.size(), start) == 0) ++n;
        pos = end + 1;
    }
    return n;
}

class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wintest::Ensure_App();
        Nad_Reset_Annex_State();
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        ASSERT_EQ(Nelu52_Set_Position("TEST", "1"), 1);
        Nelu52_Set_Fonts_Name(std::getenv("DRAM"));
        nelu52_inp_name[0] = '\0';
        nelu52_data.set_defaults();
        nelu52_data.lasten.clear();
        LoadCase lc;
        lc.name = QStringLiteral("A");
        lc.nd_strebe = 12.3456;
        lc.nd_schwelle = 7.891;
        nelu52_data.lasten.append(lc);
        win.reset(Nelu52_New_Main_Window());
        // the window's own options dialog, shown by its action "Einstellungen"
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->objectName() == QLatin1String("OptionsDialog")) dialog = qobject_cast<QDialog*>(t);
        ASSERT_NE(dialog, nullptr);
        QApplication::processEvents();
    }
    void TearDown() override
    {
        win.reset();
        Nad_Reset_Annex_State();
        Kov_Set_Ui_Mode(-1);
    }

    template <class T> T* w(const char* name)
    {
        T* p = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(p, nullptr) << name;
        return p;
    }
    QAbstractButton* box_button(QDialogButtonBox::StandardButton b)
    {
        return w<QDialogButtonBox>("buttonBox")->button(b);
    }
    void show_options()
    {
        QAction* a = win->findChild<QAction*>(QStringLiteral("actionEinstellungen"));
        ASSERT_NE(a, nullptr);
        a->trigger();
    }
    QString table_text(int r, int c)
    {
        QTableView* tv = win->findChild<QTableView*>(QStringLiteral("tv_lasten"));
        const QModelIndex i = tv->model()->index(r, c);
        auto* d = qobject_cast<QStyledItemDelegate*>(tv->itemDelegateForColumn(c));
        return d ? d->displayText(i.data(), QLocale()) : i.data().toString();
    }

    apptest::Workdir wd;
    std::unique_ptr<QMainWindow> win;
    QDialog* dialog = nullptr; // lives to the end of the run, as in the program
};

TEST_F(OptionsDialogTest, FormStartsFromTheDataObjectAndBoundsTheGraphicSize)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Einstellungen"));
    EXPECT_DOUBLE_EQ(w<QDoubleSpinBox>("sb_graf_breite")->value(), 17.0);
    EXPECT_DOUBLE_EQ(w<QDoubleSpinBox>("sb_graf_hoehe")->value(), 12.0);
    EXPECT_TRUE(w<QCheckBox>("cb_masstab_optimal")->isChecked());
    EXPECT_TRUE(w<QGroupBox>("gb_grafik")->isChecked());
    EXPECT_TRUE(w<QCheckBox>("cb_ausfuehrlich")->isChecked());
    EXPECT_EQ(w<QSpinBox>("sb_nk_zov")->value(), 2);
    EXPECT_EQ(w<QSpinBox>("sb_nk_zov")->maximum(), 4);
    w<QDoubleSpinBox>("sb_graf_breite")->setValue(120.0);
    EXPECT_DOUBLE_EQ(w<QDoubleSpinBox>("sb_graf_breite")->value(), 99.99);
    for (auto b : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel, QDialogButtonBox::Help})
        EXPECT_TRUE(box_button(b)->text().isEmpty());
    EXPECT_EQ(w<QPushButton>("pb_color_default")->text(), QStringLiteral("Standardfarben wiederherstellen"));
    EXPECT_EQ(w<QPushButton>("pb_color_header")->text(), QString::fromUtf8("Farbe Tabellenköpfe"));
}

TEST_F(OptionsDialogTest, OkStoresTheFormAndCancelKeepsTheDataObject)
{
    show_options();
    w<QDoubleSpinBox>("sb_graf_breite")->setValue(15.5);
    w<QDoubleSpinBox>("sb_graf_hoehe")->setValue(9.25);
    w<QCheckBox>("cb_masstab_optimal")->setChecked(false);
    w<QGroupBox>("gb_grafik")->setChecked(false);
    w<QCheckBox>("cb_ausfuehrlich")->setChecked(false);
    box_button(QDialogButtonBox::Cancel)->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_DOUBLE_EQ(nelu52_data.graf_breite, 17.0);
    EXPECT_EQ(nelu52_data.grafik, 1);

    // the form still shows what was cancelled; OK stores it
    show_options();
    EXPECT_DOUBLE_EQ(w<QDoubleSpinBox>("sb_graf_breite")->value(), 15.5);
    box_button(QDialogButtonBox::Ok)->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_DOUBLE_EQ(nelu52_data.graf_breite, 15.5);
    EXPECT_DOUBLE_EQ(nelu52_data.graf_hoehe, 9.25);
    EXPECT_EQ(nelu52_data.masstab_optimal, 0);
    EXPECT_EQ(nelu52_data.grafik, 0);
    EXPECT_EQ(nelu52_data.ausfuehrlich, 0);
}

TEST_F(OptionsDialogTest, NewDecimalsShowInTheForceColumnsAtOnce)
{
    EXPECT_EQ(table_text(0, 1), QStringLiteral("12.35"));
    show_options();
    w<QSpinBox>("sb_nk_zov")->setValue(4);
    box_button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(table_text(0, 1), QStringLiteral("12.35"));
    EXPECT_EQ(nelu52_data.nk_zov, 2);

    show_options();
    box_button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(nelu52_data.nk_zov, 4);
    EXPECT_EQ(table_text(0, 1), QStringLiteral("12.3456"));
    EXPECT_EQ(table_text(0, 2), QStringLiteral("7.8910"));
}

TEST_F(OptionsDialogTest, ButtonsAreConnectedOnceAndActAtOnce)
{
    show_options();
    show_options();
    show_options();
    Kov_Script_Clear_Log();
    Kov_Script_Push("qcolordialog", 0, "#123456");
    w<QPushButton>("pb_color_hintergrund")->click();
    EXPECT_EQ(count_lines(Kov_Script_Log_Text(), "QColorDialog"), 1) << Kov_Script_Log_Text();
    EXPECT_EQ(win->styleSheet(), QStringLiteral("QMainWindow {background-color:#123456; }"));
    EXPECT_EQ(dialog->styleSheet(), QStringLiteral("QDialog {background-color:#123456; }"));

    // the colour stays after Cancel
    box_button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(win->styleSheet(), QStringLiteral("QMainWindow {background-color:#123456; }"));

    show_options();
    w<QPushButton>("pb_color_default")->click();
    EXPECT_EQ(win->styleSheet(), QStringLiteral("QMainWindow {background-color:#e1e1e1; }"));
    Kov_Script_Clear_Log();
    w<QPushButton>("pb_bildschirmfont")->click();
    EXPECT_EQ(count_lines(Kov_Script_Log_Text(), "QFontDialog"), 1) << Kov_Script_Log_Text();
}

TEST_F(OptionsDialogTest, HelpOpensItsTopicAndLeavesTheDialogOpen)
{
    show_options();
    box_button(QDialogButtonBox::Help)->click();
    EXPECT_NE(std::string(Kov_Script_Log_Text()).find("Helpview optionen"), std::string::npos) << Kov_Script_Log_Text();
    EXPECT_TRUE(dialog->isVisible());
}

} // namespace
