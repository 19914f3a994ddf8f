// Registers the program's compiled-in pictures before the first one is loaded.
#include "app/gui/resources.h"

#include <QtGlobal>

void Kov_App_Init_Resources()
{
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(resources);
        done = true;
    }
}
