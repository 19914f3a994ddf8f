// Pictures of the screen stand-in come from the installation's files: any
// bytes must give a picture or none, and drawing it must stay on the screen.
#include "platform/kovpicture.h"
#include "platform/kovscreen.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QImage img = Kov_Picture_From_Bytes(data, size);
    if (!img.isNull() && (img.width() > 8192 || img.height() > 8192)) __builtin_trap();
    return 0;
}
