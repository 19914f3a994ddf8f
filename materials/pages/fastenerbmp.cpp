// The picture of a fastener type in a view area of a property sheet. Kept
// apart from the descriptors so that only callers of the sheet framework need
// the framework.
#include "materials/pages/fastenerbmp.h"

#include "materials/fastener.h"
#include "sheets/viewarea.h"

int Fastener_Add_Bitmap(int type, unsigned area, int x, int y, int key_colour)
{
    const char* file = Fastener_Bitmap_File(type);
    if (!file) return 0;
    return View_Area_Add_Bitmap(area, file, x, y, x + 153, y + 100, key_colour);
}
