// Graphics block state of the output list.
#include "output/ioliplot.h"

namespace {
int g_level = 338;
}

int Oli_Get_Level(void) { return g_level; }
void Oli_Set_Level(int level) { g_level = level; }
