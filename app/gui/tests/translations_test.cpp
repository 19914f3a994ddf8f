// Tests that the standard dialogs speak German without a translation in the host's folder.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTranslator>

#include "app/nelu52start.h"
#include "window_fixture.h"

namespace {

// The standard dialogs speak German even when the host's folder holds no
// translation: Qt's own German texts are taken.
TEST(StartUp, StandardDialogsSpeakGerman)
{
    QApplication* app = wintest::Ensure_App();
    QTranslator *first = nullptr, *second = nullptr;
    EXPECT_GE(Nelu52_Install_Translators(app, QStringLiteral("/nirgends/translations"), &first, &second), 1);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Frage"), QStringLiteral("Speichern?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));

    QPrinter printer;
    QPrintDialog dialog(&printer);
    bool drucken = false;
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text().remove(QLatin1Char('&')) == QStringLiteral("Drucken")) drucken = true;
    EXPECT_TRUE(drucken);
    delete first;
    delete second;
}

} // namespace
