// The question on "Ende": leave and save the position's input, leave without saving, or go back
// to the main window.
#include "app/gui/exitdialog.h"

#include <QApplication>

#include "app/gui/dialogresources.h"
#include "app/gui/dialogsapi.h"
#include "app/gui/resources.h"
#include "app/gui/uimessage.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"

QDialog* Nelu52_New_ExitDialog()
{
    ExitDialog* d = new ExitDialog;
    d->setWindowFlags(Qt::Window);
    return d;
}

ExitDialog::ExitDialog() : QDialog(nullptr)
{
    Kov_App_Init_Resources();
    Nelu52_Init_Dialog_Resources();
    setupUi(this);
    // Grows beyond its form's size where the screen font needs it, so no
    // caption is cut.
    resize(size().expandedTo(sizeHint()));
    connect(butExitNoSave, &QPushButton::clicked, qApp, &QCoreApplication::quit);
    connect(butExitSave, &QPushButton::clicked, this, &ExitDialog::save_and_quit);
}

ExitDialog::~ExitDialog() = default;

void ExitDialog::save_and_quit()
{
    const int rc = nelu52_data.write_data();
    if (rc == 1) {
        Ui_Message_Box(QMessageBox::Critical, QStringLiteral("Fehler"),
                       QString::fromUtf8("Die Eingabedaten konnten nicht gespeichert werden!\n%1")
                           .arg(NELU52_DATA::write_failure()));
        return;
    }
    if (rc != 0) {
        Ui_Message_Box(QMessageBox::Warning, QStringLiteral("Fehler"),
                       QString::fromUtf8("Der nationale Anhang der Position konnte nicht gespeichert werden!\n%1")
                           .arg(NELU52_DATA::write_failure()));
        return;
    }
    QCoreApplication::quit();
}
