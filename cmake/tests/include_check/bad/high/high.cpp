#include "low/gui/window.h"
#include "low/low.h"
int high() { return low() + window(); }
