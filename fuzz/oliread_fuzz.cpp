// Fuzzes the viewer's readers: an output list or a plot file, parsed and laid
// out into pages as the viewer and the renderer do. The first byte chooses the
// reader; the rest is the file's content.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/gui/olirender.h"
#include "platform/olireader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Oli_Ensure_Gui();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        OliDocument doc;
        Oli_Parse_List(bytes, &doc);
        Oli_Layout_List(doc);
    } else {
        SpfDocument doc;
        Spf_Parse(bytes, &doc);
        Oli_Layout_Plot(doc);
    }
    return 0;
}
