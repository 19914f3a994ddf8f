#pragma once
// The help window of the host's help viewer on this platform.
#include <string>

class QString;
class QTextBrowser;
class QWidget;

// The window's title: the document's own title (its file name when it has
// none), led by "Hilfe – " unless it names itself help already.
QString Kov_Help_Window_Title(const QString& document_title, const std::string& document);

// The help's browser on the document at the anchor topic, made but not shown
// (not modal, deleted when closed, closed by Escape). The page and everything
// it shows come only from the document's own folder, as regular files up to a
// size limit. Needs a QApplication; NULL without one or when the document
// cannot be read.
QTextBrowser* Kov_Make_Help_Browser(const std::string& document, const char* topic);

// The same browser, shown: the help window.
QWidget* Kov_Open_Help_Window(const std::string& document, const char* topic);
