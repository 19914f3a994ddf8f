#pragma once
// The help window of the host's help viewer on this platform.
#include <string>

class QString;
class QWidget;

// The window's title: the document's own title (its file name when it has
// none), led by "Hilfe – " unless it names itself help already.
QString Kov_Help_Window_Title(const QString& document_title, const std::string& document);

// Opens the help window (a text browser, not modal, deleted when closed) on
// the document at the anchor topic. Needs a QApplication; NULL without one or
// when the document cannot be read.
QWidget* Kov_Open_Help_Window(const std::string& document, const char* topic);
