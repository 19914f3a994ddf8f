#pragma once
// The view's mapping shared by the screen-graphics sources of this folder.

namespace scrgraph {

// v rounded half away from zero, held to the int range (v finite).
int pixel_round(double v);
// The world point on the screen, not rounded.
void to_screen(double x, double y, double* sx, double* sy);
// The world point's pixel; false when it is not finite.
bool pixel_of(double x, double y, int* px, int* py);
// The view's origin (the world point at the pixel (0, 0)).
void view_origin(double* x0, double* y0);

} // namespace scrgraph
