// Fonts and colours of the main window, and the two settings files that keep
// them (the user's fonts-and-colours file, the position's window settings).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <memory>
#include <string>

#include "app/gui/dialogsapi.h"
#include "app/gui/fontscolours.h"
#include "app/gui/mainwindowapi.h"
#include "app/gui/settings.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "app/tests/app_fixture.h"
#include "nad/nadlist.h"
#include "platform/kovscript.h"
#include "window_fixture.h"

namespace {

using apptest::Slurp;

const char* const kBackground = "QMainWindow {background-color:#e1e1e1; }";
const char* const kToolBar = "QToolBar {background-color:#d0d0d0; }";
const char* const kHeaders =
    "QHeaderView::section {background-color:#ffffff;}QTableCornerButton::section {background-color:#ffffff;}";

// Same family, size, weight and slant (widget fonts carry their own resolve
// marks, so == would also compare those).
::testing::AssertionResult Same_Font(const QFont& a, const QFont& b)
{
    if (a.family() == b.family() && a.pointSizeF() == b.pointSizeF() && a.weight() == b.weight() &&
        a.italic() == b.italic())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a.toString().toStdString() << " vs " << b.toString().toStdString();
}

class FontsColoursTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wintest::Ensure_App();
        Nad_Reset_Annex_State();
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        ASSERT_EQ(Nelu52_Set_Position("TEST", "1"), 1);
        Nelu52_Set_Fonts_Name(std::getenv("DRAM"));
        nelu52_inp_name[0] = '\0'; // the window starts from the data object's defaults
        nelu52_data.set_defaults();
        open_window();
    }
    void TearDown() override
    {
        win.reset();
        Nad_Reset_Annex_State();
        Kov_Set_Ui_Mode(-1);
    }

    void open_window()
    {
        win.reset();
        win.reset(Nelu52_New_Main_Window());
        QApplication::processEvents();
    }

    template <class T> T* w(const char* name)
    {
        T* p = win->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(p, nullptr) << name;
        return p;
    }
    QTableView* table() { return w<QTableView>("tv_lasten"); }
    QString result_box() { return w<QGroupBox>("gb_ergebnisse")->styleSheet(); }
    void display(int calc) { ASSERT_TRUE(QMetaObject::invokeMethod(win.get(), "display_nachweise", Q_ARG(int, calc))); }
    std::string fonts_file() const { return wd.root() + "/dram/nelu52_fonts"; }
    QString fonts_path() const { return QString::fromStdString(fonts_file()); }

    apptest::Workdir wd;
    std::unique_ptr<QMainWindow> win;
};

TEST_F(FontsColoursTest, FontsFileWithFontButNoColoursGivesTheDefaultColours)
{
    {
        QSettings s(fonts_path(), QSettings::IniFormat);
        s.setValue(QStringLiteral("Font"), QFont(QStringLiteral("DejaVu Serif"), 13));
    }
    Nelu52_Load_Fonts_Colors(win.get());
    EXPECT_EQ(win->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(win->styleSheet(), QString::fromLatin1(kBackground));
    EXPECT_EQ(w<QTabWidget>("tabWidget")->styleSheet(), QStringLiteral("QTabWidget {background-color:#e1e1e1; }"));
    EXPECT_EQ(w<QToolBar>("toolBar")->styleSheet(), QString::fromLatin1(kToolBar));
    EXPECT_EQ(table()->styleSheet(), QString::fromLatin1(kHeaders));
    // the result box shows the OK colour until the next display judges it
    EXPECT_EQ(result_box(), QStringLiteral("background-color:#bcffcf;"));
    // Colours are shown for results of the input on screen: calculate once.
    display(1);
    nelu52_data.eta_gesamt = 1.5;
    display(0);
    EXPECT_TRUE(result_box().contains(QStringLiteral("background-color: #ff9999;"))) << result_box().toStdString();
    nelu52_data.eta_gesamt = 0.5;
    display(0);
    EXPECT_TRUE(result_box().contains(QStringLiteral("background-color: #bcffcf;"))) << result_box().toStdString();
}

TEST_F(FontsColoursTest, FontsFileWithoutFontIgnoresItsColours)
{
    const QFont before = win->font();
    {
        QSettings s(fonts_path(), QSettings::IniFormat);
        s.setValue(QStringLiteral("MainWindowBackground"), QColor(1, 2, 3));
        s.setValue(QStringLiteral("ToolBarBackground"), QColor(1, 2, 3));
    }
    Nelu52_Load_Fonts_Colors(win.get());
    EXPECT_EQ(win->styleSheet(), QString::fromLatin1(kBackground));
    EXPECT_EQ(w<QToolBar>("toolBar")->styleSheet(), QString::fromLatin1(kToolBar));
    EXPECT_TRUE(Same_Font(win->font(), before));
}

TEST_F(FontsColoursTest, UnusableColourInTheFileTakesItsDefault)
{
    {
        QSettings s(fonts_path(), QSettings::IniFormat);
        s.setValue(QStringLiteral("Font"), win->font());
        s.setValue(QStringLiteral("MainWindowBackground"), QStringLiteral("keine Farbe"));
        s.setValue(QStringLiteral("ToolBarBackground"), QColor(10, 20, 30));
    }
    Nelu52_Load_Fonts_Colors(win.get());
    EXPECT_EQ(win->styleSheet(), QString::fromLatin1(kBackground));
    EXPECT_EQ(w<QToolBar>("toolBar")->styleSheet(), QStringLiteral("QToolBar {background-color:#0a141e; }"));
}

// A stored colour whose colour-model byte is none of Qt's (9 here) must never reach
// Qt's colour reader: that colour takes its default, the rest of the file
// counts, and a save writes a file that QSettings itself reads back.
TEST_F(FontsColoursTest, ColourWithAnInvalidModelTakesItsDefault)
{
    const std::string file =
        "[General]\n"
        "Font=\"DejaVu Serif,13,-1,5,50,0,0,0,0,0\"\n"
        "MainWindowBackground=@Variant(\\0\\0\\0\\x43\\x9\\xff\\xff\\xd0\\xd0\\xd0\\xd0\\xd0"
        "\\xd0\\0\\0)\n"
        "ToolBarBackground=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\n\\n\\x14\\x14\\x1e\\x1e\\0\\0)\n"
        "TableHeaderBackground=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff)\n";
    ASSERT_TRUE(apptest::Spill(fonts_file(), file));
    Nelu52_Load_Fonts_Colors(win.get());
    EXPECT_EQ(win->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(win->styleSheet(), QString::fromLatin1(kBackground));
    EXPECT_EQ(w<QToolBar>("toolBar")->styleSheet(), QStringLiteral("QToolBar {background-color:#0a141e; }"));
    EXPECT_EQ(table()->styleSheet(), QString::fromLatin1(kHeaders));

    Nelu52_Save_Fonts_Colors(win.get());
    QSettings s(fonts_path(), QSettings::IniFormat);
    EXPECT_EQ(s.value(QStringLiteral("MainWindowBackground")).value<QColor>(), QColor(225, 225, 225));
    EXPECT_EQ(s.value(QStringLiteral("ToolBarBackground")).value<QColor>(), QColor(10, 20, 30));
    EXPECT_EQ(s.value(QStringLiteral("Font")).value<QFont>().family(), QStringLiteral("DejaVu Serif"));
}

// The values that QSettings writes (fonts and colours stored as variants,
// escaped bytes) read back through the program's own reader, in both files.
TEST_F(FontsColoursTest, FilesWrittenByQSettingsStillRead)
{
    {
        QSettings s(fonts_path(), QSettings::IniFormat);
        s.setValue(QStringLiteral("Font"), QFont(QStringLiteral("DejaVu Sans Mono"), 12));
        s.setValue(QStringLiteral("FontTable"), QFont(QStringLiteral("DejaVu Serif"), 8));
        s.setValue(QStringLiteral("MainWindowBackground"), QColor(1, 2, 3));
        s.setValue(QStringLiteral("ErgWindowBackground_ok"), QColor::fromHsv(120, 200, 100));
    }
    Nelu52_Load_Fonts_Colors(win.get());
    EXPECT_EQ(win->font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(win->font().pointSize(), 12);
    EXPECT_EQ(table()->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(win->styleSheet(), QStringLiteral("QMainWindow {background-color:#010203; }"));
    EXPECT_TRUE(result_box().contains(QColor::fromHsv(120, 200, 100).name())) << result_box().toStdString();
}

// Bytes that are no settings file at all: the defaults, no fault, and the
// next save leaves a file that reads back.
TEST_F(FontsColoursTest, BinaryFontsFileGivesTheDefaultsAndIsWrittenAnew)
{
    std::string junk = "[General]\nFont=";
    for (int i = 0; i < 5000; ++i) junk += char((i * 131 + 7) % 256);
    ASSERT_TRUE(apptest::Spill(fonts_file(), junk));
    Nelu52_Load_Fonts_Colors(win.get());
    EXPECT_EQ(win->styleSheet(), QString::fromLatin1(kBackground));
    EXPECT_EQ(w<QToolBar>("toolBar")->styleSheet(), QString::fromLatin1(kToolBar));

    win->setFont(QFont(QStringLiteral("DejaVu Serif"), 13));
    Nelu52_Save_Fonts_Colors(win.get());
    open_window();
    Nelu52_Load_Fonts_Colors(win.get());
    EXPECT_EQ(win->font().family(), QStringLiteral("DejaVu Serif"));
}

TEST_F(FontsColoursTest, SavedFontsAndColoursComeBackInTheNextRun)
{
    Kov_Script_Push("qfontdialog", 0, "DejaVu Serif,15,-1,5,50,0,0,0,0,0");
    Nelu52_Set_Application_Font(win.get());
    Kov_Script_Push("qfontdialog", 0, "DejaVu Sans Mono,9,-1,5,75,0,0,0,0,0");
    Nelu52_Set_Tabellen_Font(win.get());
    const char* answers[5] = {"#102030", "#203040", "#304050", "#405060", "#506070"};
    for (const char* a : answers) Kov_Script_Push("qcolordialog", 0, a);
    Nelu52_Set_Color_Background(win.get());
    Nelu52_Set_Color_Ergwin_Ok(win.get());
    Nelu52_Set_Color_Ergwin_Fehler(win.get());
    Nelu52_Set_Color_Buttonleiste(win.get());
    Nelu52_Set_Color_Tabheader(win.get());
    EXPECT_EQ(Kov_Script_Pending("qcolordialog"), 0);
    Nelu52_Save_Fonts_Colors(win.get());
    const std::string text = Slurp(fonts_file());
    for (const char* key : {"Font=", "FontTable=", "MainWindowBackground=", "ErgWindowBackground_ok=",
                            "ErgWindowBackground_fehler=", "ToolBarBackground=", "TableHeaderBackground="})
        EXPECT_NE(text.find(key), std::string::npos) << key;

    open_window();
    Nelu52_Load_Fonts_Colors(win.get());
    EXPECT_EQ(win->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(win->font().pointSize(), 15);
    EXPECT_EQ(table()->font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(table()->font().pointSize(), 9);
    // the headers follow the application font, the table keeps its own
    EXPECT_EQ(table()->horizontalHeader()->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(table()->verticalHeader()->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(win->styleSheet(), QStringLiteral("QMainWindow {background-color:#102030; }"));
    EXPECT_EQ(w<QToolBar>("toolBar")->styleSheet(), QStringLiteral("QToolBar {background-color:#405060; }"));
    EXPECT_EQ(table()->styleSheet(), QStringLiteral("QHeaderView::section {background-color:#506070;}"
                                                    "QTableCornerButton::section {background-color:#506070;}"));
    display(1); // colours are shown for results of the input on screen
    nelu52_data.eta_gesamt = 0.5;
    display(0);
    EXPECT_TRUE(result_box().contains(QStringLiteral("#203040")));
    nelu52_data.eta_gesamt = 1.2;
    display(0);
    EXPECT_TRUE(result_box().contains(QStringLiteral("#304050")));
}

TEST_F(FontsColoursTest, CancelledColourDialogKeepsTheOldColour)
{
    Nelu52_Set_Application_Default_Color(win.get());
    const QString box = result_box();
    for (int mode : {KOV_UI_SCRIPTED, KOV_UI_BATCH}) {
        Kov_Set_Ui_Mode(mode);
        Nelu52_Set_Color_Background(win.get());
        Nelu52_Set_Color_Buttonleiste(win.get());
        Nelu52_Set_Color_Tabheader(win.get());
        Nelu52_Set_Color_Ergwin_Ok(win.get());
        Nelu52_Set_Color_Ergwin_Fehler(win.get());
        EXPECT_EQ(win->styleSheet(), QString::fromLatin1(kBackground));
        EXPECT_EQ(w<QToolBar>("toolBar")->styleSheet(), QString::fromLatin1(kToolBar));
        EXPECT_EQ(table()->styleSheet(), QString::fromLatin1(kHeaders));
        EXPECT_EQ(result_box(), box);
    }
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    // the saved colours are the old ones, not black
    Nelu52_Save_Fonts_Colors(win.get());
    open_window();
    Nelu52_Load_Fonts_Colors(win.get());
    EXPECT_EQ(win->styleSheet(), QString::fromLatin1(kBackground));
}

TEST_F(FontsColoursTest, DefaultColoursJudgeTheResultBoxAbove1001)
{
    nelu52_data.eta_gesamt = 1.005;
    Nelu52_Set_Application_Default_Color(win.get());
    EXPECT_EQ(result_box(), QStringLiteral("background-color:#ff9999;"));
    nelu52_data.eta_gesamt = 1.001;
    Nelu52_Set_Application_Default_Color(win.get());
    EXPECT_EQ(result_box(), QStringLiteral("background-color:#bcffcf;"));
}

TEST_F(FontsColoursTest, BackgroundColourReachesTheOptionsAndExitDialogs)
{
    ASSERT_TRUE(QMetaObject::invokeMethod(win.get(), "set_application_default_color"));
    Kov_Script_Push("qcolordialog", 0, "#0a0b0c");
    Nelu52_Set_Color_Background(win.get());
    EXPECT_EQ(w<QTabWidget>("tabWidget")->styleSheet(), QStringLiteral("QTabWidget {background-color:#0a0b0c; }"));
    for (const char* name : {"OptionsDialog", "ExitDialog"}) {
        QWidget* d = nullptr;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->objectName() == QLatin1String(name)) d = t;
        if (!d) continue; // the window does not hold this dialog
        EXPECT_EQ(d->styleSheet(), QStringLiteral("QDialog {background-color:#0a0b0c; }")) << name;
    }
}

TEST_F(FontsColoursTest, ApplicationFontSparesTheTablesAndTheDefaultFontButton)
{
    std::unique_ptr<QDialog> options(Nelu52_New_OptionsDialog());
    QPushButton* keep = options->findChild<QPushButton*>(QStringLiteral("pb_font_default"));
    QPushButton* other = options->findChild<QPushButton*>(QStringLiteral("pb_bildschirmfont"));
    ASSERT_TRUE(keep && other);
    const QFont table_font = table()->font();
    const QFont keep_font = keep->font();

    const QFont courier(QStringLiteral("Courier"), 13);
    Nelu52_Update_All_Widgets(courier);
    EXPECT_TRUE(Same_Font(table()->font(), table_font));
    EXPECT_TRUE(Same_Font(keep->font(), keep_font));
    EXPECT_TRUE(Same_Font(other->font(), courier));
    EXPECT_TRUE(Same_Font(win->font(), courier));
    EXPECT_TRUE(Same_Font(table()->horizontalHeader()->font(), courier));
    EXPECT_TRUE(Same_Font(w<QGroupBox>("gb_ergebnisse")->font(), courier));

    // a cancelled font dialog applies the font it started with
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    Nelu52_Set_Application_Font(win.get());
    EXPECT_TRUE(Same_Font(other->font(), courier));
}

TEST_F(FontsColoursTest, DefaultFontsAreArial10ForTheTableToo)
{
    Kov_Script_Push("qfontdialog", 0, "DejaVu Sans Mono,9,-1,5,75,0,0,0,0,0");
    Nelu52_Set_Tabellen_Font(win.get());
    EXPECT_EQ(table()->font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(table()->horizontalHeader()->font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(table()->verticalHeader()->font().family(), QStringLiteral("DejaVu Sans Mono"));

    // a later application font changes the headers, not the table
    Kov_Script_Push("qfontdialog", 0, "DejaVu Serif,12,-1,5,50,0,0,0,0,0");
    Nelu52_Set_Application_Font(win.get());
    EXPECT_EQ(table()->horizontalHeader()->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(table()->font().family(), QStringLiteral("DejaVu Sans Mono"));

    Nelu52_Set_Application_Default_Font(win.get());
    const QFont arial(QStringLiteral("Arial"), 10);
    EXPECT_TRUE(Same_Font(table()->font(), arial));
    EXPECT_TRUE(Same_Font(table()->horizontalHeader()->font(), arial));
    EXPECT_TRUE(Same_Font(table()->verticalHeader()->font(), arial));
    EXPECT_TRUE(Same_Font(win->font(), arial));
    EXPECT_TRUE(Same_Font(w<QToolBar>("toolBar")->font(), arial));
}

class WindowSettingsTest : public FontsColoursTest {};

TEST_F(WindowSettingsTest, WindowGeometrySurvivesARestart)
{
    win->show();
    win->setGeometry(37, 41, 1000, 720);
    QApplication::processEvents();
    const QRect before = win->geometry();
    Nelu52_Save_Settings(win.get());
    const std::string text = Slurp(wd.file("TEST_01.ini"));
    EXPECT_NE(text.find("mainwindowGeometry="), std::string::npos);
    EXPECT_NE(text.find("mainwindowState="), std::string::npos);
    EXPECT_NE(text.find("Font="), std::string::npos);

    open_window();
    Nelu52_Load_Settings(win.get());
    win->show();
    QApplication::processEvents();
    EXPECT_EQ(win->geometry(), before);
}

// A settings file that QSettings wrote (escaped bytes) restores the window.
TEST_F(WindowSettingsTest, GeometryWrittenByQSettingsIsRestored)
{
    win->show();
    win->setGeometry(53, 61, 980, 700);
    QApplication::processEvents();
    const QRect before = win->geometry();
    {
        QSettings s(QString::fromStdString(wd.file("TEST_01.ini")), QSettings::IniFormat);
        s.setValue(QStringLiteral("mainwindowGeometry"), win->saveGeometry());
        s.setValue(QStringLiteral("mainwindowState"), win->saveState(0));
        s.setValue(QStringLiteral("Font"), win->font());
    }
    open_window();
    Nelu52_Load_Settings(win.get());
    win->show();
    QApplication::processEvents();
    EXPECT_EQ(win->geometry(), before);
}

TEST_F(WindowSettingsTest, FirstStartCentresTheWindowOnTheScreen)
{
    win->move(0, 0);
    Nelu52_Load_Settings(win.get());
    const QRect s = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(win->x(), (s.width() - 1) / 2 - (win->width() - 1) / 2);
    EXPECT_EQ(win->y(), (s.height() - 1) / 2 - (win->height() - 1) / 2);

    // an unusable file centres it as well
    ASSERT_TRUE(apptest::Spill(wd.file("TEST_01.ini"), "[General]\nmainwindowGeometry=kaputt\n"));
    win->move(0, 0);
    Nelu52_Load_Settings(win.get());
    EXPECT_EQ(win->x(), (s.width() - 1) / 2 - (win->width() - 1) / 2);
}

} // namespace
