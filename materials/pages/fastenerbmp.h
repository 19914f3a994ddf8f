#pragma once
// The picture of a fastener type in a view area of a property sheet (the file
// it shows is Fastener_Bitmap_File of materials/fastener.h).

// Adds the type's picture (153 x 100) at x, y to a view area; returns the next
// free y, 0 (nothing added) for a type without a picture.
int Fastener_Add_Bitmap(int type, unsigned area, int x, int y, int key_colour);
