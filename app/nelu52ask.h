#pragma once
// The engine's questions and notes to the user, without a window of its own.
// Interactive runs ask through the function that the window library installs
// (a message box); without it, and in batch and scripted runs, the engine
// answers itself: batch prints title and text to standard error and answers
// with the escape button; scripted logs "QMessageBox <title>: <text>" and
// answers with the next value queued on the channel "qmessagebox", or with
// the escape button when none is queued.
//
// Icons and buttons carry the values of the window library's message box
// (the scripted queue holds such button values).
#include <QString>

enum Nelu52Icon {
    NELU52_ICON_NONE = 0,
    NELU52_ICON_INFO = 1,
    NELU52_ICON_WARNING = 2,
    NELU52_ICON_CRITICAL = 3,
    NELU52_ICON_QUESTION = 4
};
enum Nelu52Button { NELU52_OK = 0x00000400, NELU52_YES = 0x00004000, NELU52_NO = 0x00010000 };

// The answer (a button) to a message with the buttons (an or of buttons).
int Nelu52_Ask(int icon, const QString& title, const QString& text, int buttons = NELU52_OK, int escape = NELU52_OK);

// The window library's message box; NULL goes back to the engine's own answers.
using Nelu52AskFunction = int (*)(int icon, const QString& title, const QString& text, int buttons, int escape);
void Nelu52_Set_Ask_Function(Nelu52AskFunction ask);
// The installed function (NULL when none).
Nelu52AskFunction Nelu52_Ask_Function();
