// Fonts and colours of the main window: the application and load-table fonts and the five
// colours, their defaults and the dialogs that change them, applied as style sheets.
#include "app/gui/fontscolours.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QHeaderView>
#include <QTableView>
#include <QWidget>

#include "app/gui/exitdialog.h"
#include "app/gui/hierarchicalheaderview.h"
#include "app/gui/mainwindow.h"
#include "app/gui/optionsdialog.h"
#include "app/nelu52data.h"
#include "platform/kovscript.h"

QFont Ui_Font_Dialog(const QFont& initial)
{
    const int mode = Kov_Ui_Mode();
    if (mode == KOV_UI_INTERACTIVE) {
        bool ok = false;
        return QFontDialog::getFont(&ok, initial, nullptr, QString());
    }
    if (mode == KOV_UI_SCRIPTED) {
        Kov_Script_Log("QFontDialog");
        char text[256];
        if (Kov_Script_Pop("qfontdialog", nullptr, text, sizeof text) && text[0]) {
            QFont f;
            if (f.fromString(QString::fromUtf8(text))) return f;
        }
    }
    return initial;
}

QColor Ui_Color_Dialog(const QColor& initial, QWidget* parent)
{
    const int mode = Kov_Ui_Mode();
    if (mode == KOV_UI_INTERACTIVE) return QColorDialog::getColor(initial, parent, QString());
    if (mode == KOV_UI_SCRIPTED) {
        Kov_Script_Log("QColorDialog %s", Nelu52_Color_Name(initial).toUtf8().constData());
        char text[64];
        if (Kov_Script_Pop("qcolordialog", nullptr, text, sizeof text) && text[0])
            return QColor(QString::fromUtf8(text));
    }
    return QColor();
}

QString Nelu52_Color_Name(const QColor& c) { return c.name(QColor::HexRgb); }

QColor Nelu52_Default_Background() { return QColor(225, 225, 225); }
QColor Nelu52_Default_Ergwin_Ok() { return QColor(188, 255, 207); }
QColor Nelu52_Default_Ergwin_Fehler() { return QColor(255, 153, 153); }
QColor Nelu52_Default_Tabheader() { return QColor(255, 255, 255); }
QColor Nelu52_Default_Buttonleiste() { return QColor(208, 208, 208); }

void Nelu52_Style_Background(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    const QString name = Nelu52_Color_Name(w->color_background);
    w->setStyleSheet(QStringLiteral("QMainWindow {background-color:") + name + QStringLiteral("; }"));
    w->tabWidget->setStyleSheet(QStringLiteral("QTabWidget {background-color:") + name + QStringLiteral("; }"));
    const QString dialog = QStringLiteral("QDialog {background-color:") + name + QStringLiteral("; }");
    if (w->options_dialog) w->options_dialog->setStyleSheet(dialog);
    if (w->exit_dialog) w->exit_dialog->setStyleSheet(dialog);
}

void Nelu52_Style_Buttonleiste(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    w->toolBar->setStyleSheet(QStringLiteral("QToolBar {background-color:") + Nelu52_Color_Name(w->color_buttonleiste) +
                              QStringLiteral("; }"));
}

void Nelu52_Style_Tabheader(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    const QString name = Nelu52_Color_Name(w->color_tabheader);
    w->tv_lasten->setStyleSheet(QStringLiteral("QHeaderView::section {background-color:") + name +
                                QStringLiteral(";}QTableCornerButton::section {background-color:") + name +
                                QStringLiteral(";}"));
}

void Nelu52_Style_Ergwin(QMainWindow* mw, const QColor& c)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    w->gb_ergebnisse->setStyleSheet(QStringLiteral("background-color:") + Nelu52_Color_Name(c) + QStringLiteral(";"));
}

void Nelu52_Update_All_Widgets(const QFont& font)
{
    const QWidgetList all = QApplication::allWidgets();
    for (QWidget* x : all) {
        if (qobject_cast<QTableView*>(x)) continue;
        if (x->objectName() == QLatin1String("pb_font_default")) continue;
        x->setFont(font);
        x->update();
    }
}

void Nelu52_Set_Application_Font(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    Nelu52_Update_All_Widgets(Ui_Font_Dialog(w->font()));
    // A larger font grows the window, a smaller one brings it back.
    w->shrink();
}

void Nelu52_Set_Application_Default_Font(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    const QFont f(QStringLiteral("Arial"), 10);
    w->tv_lasten->horizontalHeader()->setFont(f);
    w->tv_lasten->verticalHeader()->setFont(f);
    w->tv_lasten->setFont(f);
    Nelu52_Update_All_Widgets(f);
    w->shrink();
}

void Nelu52_Set_Tabellen_Font(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    const QFont f = Ui_Font_Dialog(w->tv_lasten->font());
    if (w->header_view) w->header_view->setFont(f);
    w->tv_lasten->horizontalHeader()->setFont(f);
    w->tv_lasten->verticalHeader()->setFont(f);
    w->tv_lasten->setFont(f);
}

void Nelu52_Set_Application_Default_Color(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    w->color_background = Nelu52_Default_Background();
    Nelu52_Style_Background(w);
    w->color_ergwin_ok = Nelu52_Default_Ergwin_Ok();
    w->color_ergwin_fehler = Nelu52_Default_Ergwin_Fehler();
    Nelu52_Style_Ergwin(w, nelu52_data.eta_gesamt > 1.001 ? w->color_ergwin_fehler : w->color_ergwin_ok);
    w->color_buttonleiste = Nelu52_Default_Buttonleiste();
    Nelu52_Style_Buttonleiste(w);
    w->color_tabheader = Nelu52_Default_Tabheader();
    Nelu52_Style_Tabheader(w);
}

namespace {

// A cancelled dialog answers with an invalid colour: the old one stays.
bool choose(MainWindow* w, QColor* colour)
{
    const QColor c = Ui_Color_Dialog(*colour, w);
    if (!c.isValid()) return false;
    *colour = c;
    return true;
}

} // namespace

void Nelu52_Set_Color_Background(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    if (choose(w, &w->color_background)) Nelu52_Style_Background(w);
}

void Nelu52_Set_Color_Buttonleiste(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    if (choose(w, &w->color_buttonleiste)) Nelu52_Style_Buttonleiste(w);
}

void Nelu52_Set_Color_Tabheader(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    if (choose(w, &w->color_tabheader)) Nelu52_Style_Tabheader(w);
}

void Nelu52_Set_Color_Ergwin_Ok(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    if (choose(w, &w->color_ergwin_ok)) w->display_nachweise(0);
}

void Nelu52_Set_Color_Ergwin_Fehler(QMainWindow* mw)
{
    MainWindow* w = qobject_cast<MainWindow*>(mw);
    if (!w) return;
    if (choose(w, &w->color_ergwin_fehler)) w->display_nachweise(0);
}
