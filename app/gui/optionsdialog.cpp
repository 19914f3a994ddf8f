// "Einstellungen": the options of the position's output list, the load table's decimals and
// the buttons that change the screen's fonts and colours.
#include "app/gui/optionsdialog.h"

#include <QApplication>
#include <QPushButton>

#include "app/gui/dialogresources.h"
#include "app/gui/dialogsapi.h"
#include "app/gui/mainwindow.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "platform/kovhost.h"

namespace {

// Set once the nine buttons are connected: one click, one dialog.
bool buttons_connected = false;

// The program's main window: the one the start-up named when it is still
// there, else the first top-level MainWindow.
QObject* main_window()
{
    QWidget* first = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->inherits("MainWindow")) continue;
        if (w == static_cast<QWidget*>(nelu52_main_window)) return w;
        if (!first) first = w;
    }
    return first;
}

} // namespace

QDialog* Nelu52_New_OptionsDialog()
{
    OptionsDialog* d = new OptionsDialog;
    d->setWindowFlags(Qt::Window);
    return d;
}

OptionsDialog::OptionsDialog() : QDialog(nullptr)
{
    Nelu52_Init_Dialog_Resources();
    setupUi(this);
    init_input();
    for (QDialogButtonBox::StandardButton b :
         {QDialogButtonBox::Ok, QDialogButtonBox::Cancel, QDialogButtonBox::Help}) {
        if (QPushButton* p = buttonBox->button(b)) {
            p->setText(QString());
            p->setFlat(true);
            p->setIconSize(QSize(30, 28));
        }
    }
    connect(buttonBox, &QDialogButtonBox::accepted, this, &OptionsDialog::storedata);
    connect(buttonBox, &QDialogButtonBox::helpRequested, this, &OptionsDialog::show_helpview);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::show_options()
{
    if (!buttons_connected) {
        if (QObject* mw = main_window()) {
            connect(pb_bildschirmfont, SIGNAL(clicked()), mw, SLOT(set_application_font()));
            connect(pb_font_default, SIGNAL(clicked()), mw, SLOT(set_application_default_font()));
            connect(pb_tabellenfont, SIGNAL(clicked()), mw, SLOT(set_tabellen_font()));
            connect(pb_color_hintergrund, SIGNAL(clicked()), mw, SLOT(set_application_color_background()));
            connect(pb_color_erg_ok, SIGNAL(clicked()), mw, SLOT(set_application_color_ergwin_ok()));
            connect(pb_color_erg_fehler, SIGNAL(clicked()), mw, SLOT(set_application_color_ergwin_fehler()));
            connect(pb_color_but, SIGNAL(clicked()), mw, SLOT(set_application_color_buttonleiste()));
            connect(pb_color_header, SIGNAL(clicked()), mw, SLOT(set_application_color_tabheader()));
            connect(pb_color_default, SIGNAL(clicked()), mw, SLOT(set_application_default_color()));
            buttons_connected = true;
        }
    }
    show();
}

void OptionsDialog::storedata()
{
    nelu52_data.graf_breite = sb_graf_breite->value();
    nelu52_data.graf_hoehe = sb_graf_hoehe->value();
    nelu52_data.masstab_optimal = cb_masstab_optimal->isChecked() ? 1 : 0;
    nelu52_data.grafik = gb_grafik->isChecked() ? 1 : 0;
    nelu52_data.ausfuehrlich = cb_ausfuehrlich->isChecked() ? 1 : 0;
    if (sb_nk_zov->value() != nelu52_data.nk_zov) {
        nelu52_data.nk_zov = sb_nk_zov->value();
        if (QObject* mw = main_window()) QMetaObject::invokeMethod(mw, "set_tabelle_nachkomma");
    }
}

void OptionsDialog::init_input()
{
    sb_graf_breite->setValue(nelu52_data.graf_breite);
    sb_graf_hoehe->setValue(nelu52_data.graf_hoehe);
    cb_masstab_optimal->setChecked(nelu52_data.masstab_optimal != 0);
    gb_grafik->setChecked(nelu52_data.grafik != 0);
    cb_ausfuehrlich->setChecked(nelu52_data.ausfuehrlich != 0);
    sb_nk_zov->setValue(nelu52_data.nk_zov);
}

void OptionsDialog::show_helpview() { Helpview("optionen"); }
