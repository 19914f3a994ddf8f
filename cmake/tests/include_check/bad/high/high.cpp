#include "low/low.h"
#include "low/gui/window.h"
int high() { return low() + window(); }
