#pragma once
// "Einstellungen": the options of the position's output list (graphic size,
// optimal scale, print graphic, detailed result log), the decimals of the load
// table, and nine buttons that change the screen's fonts and colours at once
// through the main window's slots.
#include <QDialog>

#include "ui_optionsdialog.h"

class OptionsDialog : public QDialog, public Ui::OptionsDialog {
    Q_OBJECT
public:
    OptionsDialog();
    ~OptionsDialog() override;

    // Connects the nine font and colour buttons to the main window's slots on
    // the first call (the window that the start-up named, else the one
    // top-level MainWindow), then shows the dialog. The form is not refilled.
    Q_INVOKABLE void show_options();
    // Form to data object; a changed number of decimals goes to the load table
    // at once.
    Q_INVOKABLE void storedata();
    // Data object to form.
    Q_INVOKABLE void init_input();
    // The host's help at the topic "optionen".
    Q_INVOKABLE void show_helpview();
};
