// The main window's requests that lead out of it: saving, print preview and
// print, the options, the force import and leaving.
#include <QApplication>
#include <cstdio>

#include "app/gui/exitdialog.h"
#include "app/gui/mainwindow.h"
#include "app/gui/optionsdialog.h"
#include "app/gui/uimessage.h"
#include "app/kraftimport.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "app/print.h"

int MainWindow::save_input()
{
    const int rc = nelu52_data.write_data();
    if (rc == 1)
        Ui_Message_Box(QMessageBox::Critical, QStringLiteral("Fehler"),
                       QString::fromUtf8("Die Eingabedaten konnten nicht gespeichert werden!\n%1")
                           .arg(NELU52_DATA::write_failure()));
    else if (rc != 0)
        Ui_Message_Box(QMessageBox::Warning, QStringLiteral("Fehler"),
                       QString::fromUtf8("Der nationale Anhang der Position konnte nicht gespeichert werden!\n%1")
                           .arg(NELU52_DATA::write_failure()));
    return rc;
}

int MainWindow::save_data()
{
    saveSettings();
    saveSettings_fonts_colors();
    maske2data();
    return save_input();
}

void MainWindow::print_request(bool to_printer)
{
    maske2data();
    display_nachweise();
    if (to_printer)
        Print_OliPrint(nelu52_data);
    else
        Print_OliView(nelu52_data);
}

void MainWindow::show_options_dialog() { options_dialog->show_options(); }

// Internal forces, grades and cross-sections from the force-selection tool;
// 0 when strut and sill came with different numbers of rows.
int MainWindow::schnittgroessen_import() { return Kraft_Import_In_Window(this); }

// Leaving: the window settings are kept and the form is copied into the data
// object, then the exit dialog asks whether to save.
void MainWindow::ende_request()
{
    saveSettings();
    maske2data();
    exit_dialog->show();
}
