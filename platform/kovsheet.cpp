// The function the property-sheet library calls from time to time while a sheet waits.
#include "platform/kovsheet.h"

namespace {
KovSometimesFct g_sometimes = nullptr;
}

void Set_CallSometimesFunc_to_PS(KovSometimesFct fct) { g_sometimes = fct; }

KovSometimesFct Get_CallSometimesFunc_of_PS(void) { return g_sometimes; }

int Kov_Call_Sometimes(void)
{
    if (!g_sometimes) return 0;
    g_sometimes();
    return 1;
}
