#pragma once
// Text description of one connection: "field = value" lines with the field
// names of ConnectionInput ("p43.d", "p44.sub_type" for the two screw-product
// blocks, "user.rho_k", "user.f_c_90_k", "law.c" ... for the user material and
// its embedment law; the table of Conn_Fields); '#' starts a comment. Numbers
// with a decimal point or a decimal comma ("16,5"). A field given twice takes
// its last value.

#include <cstddef>

#include "materials/connrecord.h"

// Fills *input (cleared first, steel_grade -1, one shear plane) from the
// text. 0 when every line was understood; else 1 with the 1-based line in
// *bad_line and a German reason (UTF-8) in message (always terminated).
int Conn_Read_Description(const char* text, size_t size, ConnectionInput* input, int* bad_line, char* message,
                          size_t message_size);

// As Conn_Read_Description, and then every field that the connection needs
// must have been given: 1 with *bad_line 0 and "<field> fehlt" for the first
// one that is missing. axial: the description is for the axial capacity alone
// (no verification method and no partial factors of the lateral check).
int Conn_Read_Description_Complete(const char* text, size_t size, int axial, ConnectionInput* input, int* bad_line,
                                   char* message, size_t message_size);
