// The framed text box of the mask engines' status line.
#include "sheets/masktextbox.h"

void Mask_Draw_Text_Box(int, int, int, int, const char*, int, int, int, int, int) {}
