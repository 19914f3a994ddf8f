#pragma once
// The help window of the host's help viewer on this platform.
#include <string>

class QWidget;

// Opens the help window (a text browser, not modal, deleted when closed) on
// the document at the anchor topic. Needs a QApplication; NULL without one or
// when the document cannot be read.
QWidget* Kov_Open_Help_Window(const std::string& document, const char* topic);
