// Fixture of the include check: a test source of the failing tree.
#include "high/high.h"
#include "low/gui/window.h"
int test() { return window(); }
