// Linking the annex pages gives the annex library its warning sheet: a name
// that is not listed is then reported on the screen, not only as a message.
#include "nad/nadselect.h"
#include "nad/pages/nadsheets.h"

namespace {

struct Install {
    Install() { Nad_Set_Warning_Shower(Nad_Warning_Sheet); }
} g_install;

} // namespace

// Referenced by the link options of nad_pages, so that the linker keeps this
// file (and its installer) from the static library.
extern "C" void Nad_Pages_Linked(void) {}
