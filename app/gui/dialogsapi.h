#pragma once
// What the main window (and the tests) need of the annex, exit and options
// dialogs without their designer forms: the dialogs are created here and
// reached through Qt (object names, signals, invokable methods).
#include <QString>

#include "app/nelu52annex.h"

class QDialog;

// The national-annex choice (NA_SelectDialog), without parent, window flag
// Qt::Window. Its signal naChanged() tells that the active annex changed.
QDialog* Nelu52_New_NA_SelectDialog();
// The question when leaving (ExitDialog), without parent, window flag Qt::Window.
QDialog* Nelu52_New_ExitDialog();
// The options (OptionsDialog), without parent, window flag Qt::Window; its
// invokable show_options() shows it.
QDialog* Nelu52_New_OptionsDialog();

// Runs the annex editor "NAD-Pflege" of EXEC with the active annex name and
// waits until it has ended. Without EXEC the editor cannot be found: the user
// is told so and nothing is started. 1 when the editor was started, else 0.
int start_nad_tool();

// The resource path of the flag picture of a flag index (0 to 19), an empty
// text outside.
QString Nad_Flag_Picture(int flag_index);
