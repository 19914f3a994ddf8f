// Fixture of the include check: a library source that includes the GUI part of an area its
// CMake does not name.
#include "low/gui/window.h"
#include "low/low.h"
int high() { return low() + window(); }
