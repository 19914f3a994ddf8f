#pragma once
// The host's help viewer on this platform. The host names a Windows help file
// ("Q8_NELU52.HLP"); what is shown is the HTML help of the same name that the
// installation supplies.
#include <string>

// The HTML document that stands for the help file: "<name>.html" (or .htm)
// beside the help file, then in "$DATA/HILFE/", names matched without regard
// to case; the file itself when it is already HTML. Empty when none exists.
std::string Kov_Help_Document(const std::string& help_file);
