#pragma once
// Numbers in an output list always carry a decimal point. The writers format
// inside this guard: for its lifetime the calling thread uses the "C" locale,
// whatever locale the process has set (the process-wide locale is not touched).
#include "platform/kovlocale.h"

using OliCLocaleScope = KovCLocaleScope;
