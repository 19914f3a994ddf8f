#pragma once
// Text description of one connection: "field = value" lines with the field
// names of ConnectionInput ("p43.d", "p44.sub_type" for the two screw-product
// blocks, "user.rho_k", "user.f_c_90_k", "law.c" ... for the user material and
// its embedment law); '#' starts a comment. Numbers with a decimal point.

#include <cstddef>

#include "materials/connrecord.h"

// Fills *input (cleared first, steel_grade -1, one shear plane) from the
// text. 0 when every line was understood; else 1 with the 1-based line in
// *bad_line and a reason in message (always terminated).
int Conn_Read_Description(const char* text, size_t size, ConnectionInput* input, int* bad_line, char* message,
                          size_t message_size);
