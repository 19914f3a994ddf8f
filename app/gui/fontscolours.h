#pragma once
// Fonts and colours of the main window: the application font and the load
// table's font, and five colours (window background, the result box when the
// checks are met and when they are not, the load table's headers and the tool
// bar) that take effect as style sheets. The MainWindow slots of the same
// names call these; the options dialog's nine buttons reach them through the
// slots.
#include <QColor>
#include <QFont>
#include <QString>

class QMainWindow;
class QWidget;

// The font and colour dialogs of the program, which never block a batch or
// scripted run. Interactive: the toolkit's dialogs (nested event loops).
// Batch: answered like a cancel. Scripted: the call is logged ("QFontDialog",
// "QColorDialog <initial name>") and answered from the channel "qfontdialog"
// (text: a font description of QFont::toString) or "qcolordialog" (text: a
// colour name such as "#102030"); an empty queue answers like a cancel.
// A cancelled font dialog gives the initial font; a cancelled colour dialog an
// invalid colour.
QFont Ui_Font_Dialog(const QFont& initial);
QColor Ui_Color_Dialog(const QColor& initial, QWidget* parent);

// The colour's name in the style sheets: '#' and six lower-case hex digits.
QString Nelu52_Color_Name(const QColor& c);

// Default colours of the main window.
QColor Nelu52_Default_Background();    // 225, 225, 225
QColor Nelu52_Default_Ergwin_Ok();     // 188, 255, 207
QColor Nelu52_Default_Ergwin_Fehler(); // 255, 153, 153
QColor Nelu52_Default_Tabheader();     // 255, 255, 255
QColor Nelu52_Default_Buttonleiste();  // 208, 208, 208

// The style sheets of one colour each, from the window's colour members: the
// window background on the window, its tab widget and the options and exit
// dialogs; the tool bar; the headers and the corner button of the load table;
// the result box in the given colour.
void Nelu52_Style_Background(QMainWindow* mw);
void Nelu52_Style_Buttonleiste(QMainWindow* mw);
void Nelu52_Style_Tabheader(QMainWindow* mw);
void Nelu52_Style_Ergwin(QMainWindow* mw, const QColor& c);

// Gives font to every widget of the application but the table views and the
// button "pb_font_default", and schedules their repaint.
void Nelu52_Update_All_Widgets(const QFont& font);

void Nelu52_Set_Application_Font(QMainWindow* mw);         // font dialog, then every widget
void Nelu52_Set_Application_Default_Font(QMainWindow* mw); // Arial 10 everywhere, the table too
void Nelu52_Set_Tabellen_Font(QMainWindow* mw);            // font dialog for the load table
// All five default colours; the result box by the overall utilisation (above
// 1.001 the failure colour).
void Nelu52_Set_Application_Default_Color(QMainWindow* mw);
// Colour dialogs for one colour each; a cancelled dialog keeps the old colour.
void Nelu52_Set_Color_Background(QMainWindow* mw);
void Nelu52_Set_Color_Buttonleiste(QMainWindow* mw);
void Nelu52_Set_Color_Tabheader(QMainWindow* mw);
void Nelu52_Set_Color_Ergwin_Ok(QMainWindow* mw);
void Nelu52_Set_Color_Ergwin_Fehler(QMainWindow* mw);
