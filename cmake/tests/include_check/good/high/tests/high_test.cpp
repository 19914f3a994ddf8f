#include "low/gui/window.h"
#include "high/high.h"
int test() { return window(); }
