// Loads and saves the main window's settings: the position's window settings and the user's
// fonts-and-colours file, taking defaults for keys that hold no usable value.
#include "app/gui/settings.h"

#include <QByteArray>
#include <QFont>
#include <QGuiApplication>
#include <QPair>
#include <QScreen>
#include <QTableView>

#include "app/gui/fontscolours.h"
#include "app/gui/mainwindow.h"
#include "app/gui/settingsfile.h"
#include "app/nelu52start.h"

namespace {

using Values = QMap<QString, QString>;

// A colour key: its value when it is a usable colour, else the default.
QColor colour(const Values& s, const char* key, const QColor& fallback)
{
    QColor c;
    return Settings_Value_Colour(s.value(QLatin1String(key)), &c) ? c : fallback;
}

// A font key: its value when it holds a font, else the given font.
QFont font_of(const Values& s, const char* key, const QFont& fallback)
{
    QFont f;
    return Settings_Value_Font(s.value(QLatin1String(key)), &f) ? f : fallback;
}

QByteArray bytes_of(const Values& s, const char* key)
{
    QByteArray b;
    return Settings_Value_Bytes(s.value(QLatin1String(key)), &b) ? b : QByteArray();
}

} // namespace

void Nelu52_Load_Settings(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    bool restored = false;
    QByteArray state;
    if (nelu52_ini_name[0]) {
        const Values s = Settings_File_Read(nelu52_ini_name);
        restored = w->restoreGeometry(bytes_of(s, "mainwindowGeometry"));
        state = bytes_of(s, "mainwindowState");
    }
    if (!restored) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect g = screen->geometry();
            const int x = (g.width() - 1) / 2 - (w->width() - 1) / 2;
            const int y = (g.height() - 1) / 2 - (w->height() - 1) / 2;
            w->move(x, y);
        }
    }
    w->restoreState(state, 0);
}

void Nelu52_Save_Settings(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    if (!nelu52_ini_name[0]) return;
    Settings_File_Write(nelu52_ini_name,
                        {{QStringLiteral("mainwindowGeometry"), Settings_Bytes_Value(w->saveGeometry())},
                         {QStringLiteral("mainwindowState"), Settings_Bytes_Value(w->saveState(0))},
                         {QStringLiteral("Font"), Settings_Font_Value(w->font())}});
}

void Nelu52_Load_Fonts_Colors(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    // Without a name (no start-up) there is no file: the default colours.
    if (!nelu52_fonts_name[0]) {
        Nelu52_Set_Application_Default_Color(w);
        return;
    }
    const Values s = Settings_File_Read(nelu52_fonts_name);
    if (!s.contains(QStringLiteral("Font"))) {
        Nelu52_Set_Application_Default_Color(w);
        return;
    }

    const QFont font = font_of(s, "Font", QFont());
    w->setFont(font);
    w->tv_lasten->setFont(font_of(s, "FontTable", QFont()));
    Nelu52_Update_All_Widgets(font);

    w->color_background = colour(s, "MainWindowBackground", Nelu52_Default_Background());
    Nelu52_Style_Background(w);
    w->color_ergwin_fehler = colour(s, "ErgWindowBackground_fehler", Nelu52_Default_Ergwin_Fehler());
    Nelu52_Style_Ergwin(w, w->color_ergwin_fehler);
    w->color_ergwin_ok = colour(s, "ErgWindowBackground_ok", Nelu52_Default_Ergwin_Ok());
    Nelu52_Style_Ergwin(w, w->color_ergwin_ok);
    w->color_buttonleiste = colour(s, "ToolBarBackground", Nelu52_Default_Buttonleiste());
    Nelu52_Style_Buttonleiste(w);
    w->color_tabheader = colour(s, "TableHeaderBackground", Nelu52_Default_Tabheader());
    Nelu52_Style_Tabheader(w);
}

void Nelu52_Save_Fonts_Colors(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w || !nelu52_fonts_name[0]) return;
    Settings_File_Write(nelu52_fonts_name,
                        {{QStringLiteral("Font"), Settings_Font_Value(w->font())},
                         {QStringLiteral("FontTable"), Settings_Font_Value(w->tv_lasten->font())},
                         {QStringLiteral("MainWindowBackground"), Settings_Colour_Value(w->color_background)},
                         {QStringLiteral("ErgWindowBackground_ok"), Settings_Colour_Value(w->color_ergwin_ok)},
                         {QStringLiteral("ErgWindowBackground_fehler"), Settings_Colour_Value(w->color_ergwin_fehler)},
                         {QStringLiteral("ToolBarBackground"), Settings_Colour_Value(w->color_buttonleiste)},
                         {QStringLiteral("TableHeaderBackground"), Settings_Colour_Value(w->color_tabheader)}});
}
