// The main window's message boxes that never block a batch or scripted run, and their
// installation as the way the engine asks its questions.
#include "app/gui/uimessage.h"

#include <QAbstractButton>
#include <cstdio>

#include "app/nelu52ask.h"
#include "platform/kovscript.h"

namespace {

// The engine's questions in an interactive run.
int ask_in_a_box(int icon, const QString& title, const QString& text, int buttons, int escape)
{
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), title, text,
                    static_cast<QMessageBox::StandardButtons>(buttons));
    box.setEscapeButton(static_cast<QMessageBox::StandardButton>(escape));
    return box.exec();
}

static_assert(int(NELU52_ICON_INFO) == int(QMessageBox::Information) &&
                  int(NELU52_ICON_WARNING) == int(QMessageBox::Warning) &&
                  int(NELU52_ICON_CRITICAL) == int(QMessageBox::Critical) &&
                  int(NELU52_ICON_QUESTION) == int(QMessageBox::Question),
              "the engine's icons are the message box's");
static_assert(int(NELU52_OK) == int(QMessageBox::Ok) && int(NELU52_YES) == int(QMessageBox::Yes) &&
                  int(NELU52_NO) == int(QMessageBox::No),
              "the engine's buttons are the message box's");

struct Install {
    Install() { Nelu52_Set_Ask_Function(ask_in_a_box); }
} g_install;

} // namespace

// Named on the link line of every program that links the window library, so
// that the installer above is kept from the static library.
extern "C" {
int Nelu52_Window_Library_Linked = 1;
}

QMessageBox::StandardButton Ui_Message_Box(QMessageBox::Icon icon, const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape,
                                           const QList<QPair<QMessageBox::StandardButton, QString>>& texts)
{
    if (Kov_Ui_Mode() == KOV_UI_INTERACTIVE) {
        QMessageBox box(icon, title, text, buttons);
        for (const auto& t : texts)
            if (QAbstractButton* b = box.button(t.first)) b->setText(t.second);
        box.setEscapeButton(escape);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
    return static_cast<QMessageBox::StandardButton>(Nelu52_Ask(int(icon), title, text, int(buttons), int(escape)));
}
