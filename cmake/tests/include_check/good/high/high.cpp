// Fixture of the include check: a library source that includes only the areas it names.
#include "low/low.h"
#include <string>
int high() { return low(); }
