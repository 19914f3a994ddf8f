#include "high/high.h"
#include "low/gui/window.h"
int test() { return window(); }
