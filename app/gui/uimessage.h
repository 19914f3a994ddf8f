#pragma once
// Parentless message boxes of the main window that never block a batch or
// scripted run: interactive mode runs the box with exec(); batch mode prints
// title and text to standard error and answers with the escape button;
// scripted mode logs "QMessageBox <title>: <text>" and answers with the next
// value queued on the channel "qmessagebox" (a QMessageBox::StandardButton),
// or with the escape button when none is queued. texts: own captions of
// some of the buttons.
#include <QList>
#include <QMessageBox>
#include <QPair>
#include <QString>

QMessageBox::StandardButton Ui_Message_Box(QMessageBox::Icon icon, const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                           QMessageBox::StandardButton escape = QMessageBox::Ok,
                                           const QList<QPair<QMessageBox::StandardButton, QString>>& texts = {});
