// The main window's requests that lead out of it: saving, print preview and
// print, the annex choice, the options, the force import and leaving.
#include <QApplication>
#include <cstdio>

#include "app/mainwindow.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "app/print.h"
#include "app/uimessage.h"

int MainWindow::save_input()
{
    const int rc = nelu52_data.write_data();
    if (rc == 1)
        Ui_Message_Box(QMessageBox::Critical, QStringLiteral("Fehler"),
                       QString::fromUtf8("Die Eingabedaten konnten nicht gespeichert werden!\n%1")
                           .arg(QString::fromLocal8Bit(nelu52_inp_name)));
    else if (rc != 0)
        Ui_Message_Box(QMessageBox::Warning, QStringLiteral("Fehler"),
                       QString::fromUtf8("Der nationale Anhang der Position konnte nicht gespeichert werden!"));
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

// The annex selection dialog is not part of the window yet: the action shows
// nothing, and the active annex stays the one the input file named.
void MainWindow::show_na_dialog()
{
}

// The options dialog is not part of the window yet: the action does nothing.
void MainWindow::show_options_dialog()
{
}

// The force import is not available yet: the action reports that nothing was
// imported and returns 1 (the row counts did not differ).
int MainWindow::schnittgroessen_import()
{
    Ui_Message_Box(QMessageBox::Information, QStringLiteral("Info"),
                   QString::fromUtf8("0 Schnittgrößenkombinationen importiert"));
    return 1;
}

// Leaving asks whether to save. Saving that fails keeps the program open so
// that nothing typed is lost.
void MainWindow::ende_request()
{
    saveSettings();
    maske2data();
    const QMessageBox::StandardButton b = Ui_Message_Box(
        QMessageBox::Question, QStringLiteral("Beenden"), QStringLiteral("Beenden"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel,
        {{QMessageBox::Save, QStringLiteral("Ende mit &Speichern")},
         {QMessageBox::Discard, QStringLiteral("Ende &ohne zu speichern")},
         {QMessageBox::Cancel, QStringLiteral("&abbrechen")}});
    if (b == QMessageBox::Save) {
        if (save_input() == 0)
            QApplication::quit();
    } else if (b == QMessageBox::Discard) {
        QApplication::quit();
    }
}
