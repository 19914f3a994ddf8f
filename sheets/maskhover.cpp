// Tooltips and hover buttons of the mask pages.
#include "sheets/maskhover.h"

void Mask_Hover_Handler(void) {}
void Mask_Register_Hover_Area(int, int, int, int, int, int, int*, int*) {}
void Mask_Activate_Hover(int) {}
void Mask_Release_Hover_Area(void) {}
void Mask_Set_Tooltip(const char*, int, int) {}
const char* Mask_Add_Hover_Picture(int, double, double, double, double, int, int, const char*, const char*,
                                   const char*, const char*, int, intptr_t, intptr_t*, int) {
    return nullptr;
}
int Mask_Add_Hover_Text_Button(int, double, double, double, int, int, int, int, int, const char*, intptr_t,
                               intptr_t*, int) {
    return 0;
}
int Mask_Add_Bitmap_Text_Button(int, double, double, double, int, int, const char*, intptr_t, intptr_t*, int) {
    return 0;
}
void Mask_Hover_Reset(void) {}
