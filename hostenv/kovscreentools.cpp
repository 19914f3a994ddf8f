// Screen services drawn with the host library's px calls.
#include "hostenv/kovscreentools.h"

#include "platform/kovscreen.h"

int Text_Width_Pixels(const char* s)
{
    if (!s) return 0;
    int extent[2] = {0, 0};
    pxQTxX(s, -1, extent);
    return extent[1] - extent[0];
}
