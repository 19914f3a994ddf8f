// Registers the compiled-in pictures of the annex, options and exit dialogs.
#include "app/gui/dialogresources.h"

#include <QtGlobal>

void Nelu52_Init_Dialog_Resources()
{
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(dialogs);
        done = true;
    }
}
