#include "app/gui/settings.h"

#include <QByteArray>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTableView>

#include "app/gui/fontscolours.h"
#include "app/gui/mainwindow.h"
#include "app/nelu52start.h"
#include "platform/kovpath.h"

namespace {

QString settings_path(const char* name)
{
    return QString::fromLocal8Bit(Kov_Path(name).c_str());
}

// A colour key: its value when it is a usable colour, else the default.
QColor colour(const QSettings& s, const char* key, const QColor& fallback)
{
    const QVariant v = s.value(QLatin1String(key));
    const QColor c = v.isValid() ? v.value<QColor>() : QColor();
    return c.isValid() ? c : fallback;
}

} // namespace

void Nelu52_Load_Settings(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    bool restored = false;
    QByteArray state;
    if (nelu52_ini_name[0]) {
        QSettings s(settings_path(nelu52_ini_name), QSettings::IniFormat);
        restored = w->restoreGeometry(s.value(QStringLiteral("mainwindowGeometry")).toByteArray());
        state = s.value(QStringLiteral("mainwindowState")).toByteArray();
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
    QSettings s(settings_path(nelu52_ini_name), QSettings::IniFormat);
    s.setValue(QStringLiteral("mainwindowGeometry"), w->saveGeometry());
    s.setValue(QStringLiteral("mainwindowState"), w->saveState(0));
    s.setValue(QStringLiteral("Font"), w->font());
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
    QSettings s(settings_path(nelu52_fonts_name), QSettings::IniFormat);
    if (!s.contains(QStringLiteral("Font"))) {
        Nelu52_Set_Application_Default_Color(w);
        return;
    }

    const QFont font = s.value(QStringLiteral("Font")).value<QFont>();
    w->setFont(font);
    w->tv_lasten->setFont(s.value(QStringLiteral("FontTable")).value<QFont>());
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
    QSettings s(settings_path(nelu52_fonts_name), QSettings::IniFormat);
    s.setValue(QStringLiteral("Font"), w->font());
    s.setValue(QStringLiteral("FontTable"), w->tv_lasten->font());
    s.setValue(QStringLiteral("MainWindowBackground"), w->color_background);
    s.setValue(QStringLiteral("ErgWindowBackground_ok"), w->color_ergwin_ok);
    s.setValue(QStringLiteral("ErgWindowBackground_fehler"), w->color_ergwin_fehler);
    s.setValue(QStringLiteral("ToolBarBackground"), w->color_buttonleiste);
    s.setValue(QStringLiteral("TableHeaderBackground"), w->color_tabheader);
}
