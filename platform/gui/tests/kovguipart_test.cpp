// The message windows the GUI part installs into the core: a question answers
// with German buttons.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <string>
#include <vector>

#include "platform/kovgui.h"

TEST(MessageBox, QuestionsSayJaAndNein)
{
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    if (!qApp) new QApplication(argc, argv);
    const KovGuiHooks* gui = Kov_Gui_Hooks();
    ASSERT_NE(gui, nullptr);
    QStringList labels;
    QTimer::singleShot(0, [&labels] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QAbstractButton* no = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            labels << b->text();
            if (b->text() == QStringLiteral("Nein")) no = b;
        }
        ASSERT_NE(no, nullptr);
        no->click();
    });
    const std::vector<std::string> lines = {"Soll das Anwendungsdokument entfernt werden?"};
    EXPECT_EQ(gui->message_box("NAD-Pflege", lines, 4, 1, 1), 0);
    labels.sort();
    EXPECT_EQ(labels, QStringList({QStringLiteral("Ja"), QStringLiteral("Nein")}));
}
