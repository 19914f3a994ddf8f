#include "low/low.h"
#include <string>
int high() { return low(); }
