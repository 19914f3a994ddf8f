#pragma once
// The help window of the host's help viewer on this platform.
#include <string>

class QTextBrowser;
class QWidget;

// The help's browser on the document at the anchor topic, made but not shown
// (not modal, deleted when closed). The page and everything it shows come only
// from the document's own folder, as regular files up to a size limit. Needs
// a QApplication; NULL without one or when the document cannot be read.
QTextBrowser* Kov_Make_Help_Browser(const std::string& document, const char* topic);

// The same browser, shown: the help window.
QWidget* Kov_Open_Help_Window(const std::string& document, const char* topic);
