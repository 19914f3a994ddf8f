#pragma once
// The choice of the national annex whose parameters the checks use: the two
// built-in annexes and the user's own, each a radio button with its flag. OK
// makes the chosen annex the active one, stores the choice with the position
// (its annex-name file) and tells the main window (naChanged). The tool button
// starts the host's annex editor "NAD-Pflege" and waits for it; the list is
// read again on every show and after every editor run.
#include <QDialog>
#include <QList>

#include "app/gui/dialogsapi.h"
#include "ui_nadselectdialog.h"

class QLabel;
class QRadioButton;
class QShowEvent;

class NA_SelectDialog : public QDialog, public Ui::NA_SelectDialog {
    Q_OBJECT
public:
    NA_SelectDialog();
    ~NA_SelectDialog() override;

    // Brings the user's annex storage up to date, rebuilds the annex list and
    // then the radio buttons; the active annex is the selected one.
    void fill_list();

    // The radio buttons and flag labels of the current list, in list order.
    const QList<QRadioButton*>& radio_buttons() const { return rb_list; }
    const QList<QLabel*>& flag_labels() const { return flag_list; }

signals:
    void naChanged();

public:
    Q_INVOKABLE void storedata();
    Q_INVOKABLE void start_tool();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QList<QRadioButton*> rb_list;
    QList<QLabel*> flag_list;
};
