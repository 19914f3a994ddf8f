#pragma once
// What the rest of the program (and its tests) need of the main window
// without its designer form: the window itself is reached through Qt (object
// names of the form, invokable methods), so this header does not depend on
// the generated form header.
#include <QString>

class MainWindow;
class QMainWindow;
class QStandardItemModel;

// The program's main window once made, null before.
extern MainWindow* nelu52_main_window;

// A new main window (MainWindow) without parent: builds the form, reads the
// position's input and fills the form from it. It is also kept as the
// program's main window (nelu52_main_window).
QMainWindow* Nelu52_New_Main_Window();

// Fills the two-level header tree of the load table.
void fill_header_model(QStandardItemModel* model);

// The text of a utilisation ratio in the result rows: percent with two
// decimals and a point, then " %".
QString erg_prozent_text(double ratio);
