// Fixture of the include check: a test source that includes an area named as a test
// dependency.
#include "high/high.h"
#include "low/gui/window.h"
int test() { return window(); }
