#pragma once
// The question when the user leaves with "Ende": leave and save the position's
// input, leave without saving, or go back to the main window. The main window
// has saved its window settings and copied the form into the data object
// before it shows the dialog.
#include <QDialog>

#include "ui_exitdialog.h"

class ExitDialog : public QDialog, public Ui::ExitDialog {
    Q_OBJECT
public:
    ExitDialog();
    ~ExitDialog() override;

public slots:
    // Writes the input file (and the annex-name file) from the data object and
    // quits. When the input cannot be written the user is told so and the
    // program stays open, so the edit is not lost; the old file stays as it was.
    void save_and_quit();
};
