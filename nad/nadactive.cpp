// Definitions of the three published annex block pointers (see nadactive.h).
#include "nad/nadactive.h"

NadEc5Record* ActiveNadEc5 = nullptr;
NadEc3Record* ActiveNadEc3 = nullptr;
NadEc9Record* ActiveNadEc9 = nullptr;
