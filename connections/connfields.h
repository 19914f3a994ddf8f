#pragma once
// The fields of a connection description: the name a description file uses,
// where the value lives in ConnectionInput, its unit and its German meaning.
// One table serves the reader, the input check and the tool's help.

#include <cstddef>

#include "materials/connrecord.h"

enum ConnFieldKind { CONN_FIELD_INT, CONN_FIELD_DOUBLE };

struct ConnField {
    const char* name; // "t1", "p43.d", "user.rho_k", "law.c", ...
    ConnFieldKind kind;
    size_t offset;       // from the start of ConnectionInput
    const char* unit;    // "" for a number without unit
    const char* meaning; // German, UTF-8: meaning and allowed values
};

// The fields in the order of the help text; *count gets their number.
const ConnField* Conn_Fields(int* count);
// The field of that name; null for an unknown name.
const ConnField* Conn_Field_Find(const char* name);
// The value of a field inside *input.
void* Conn_Field_Address(ConnectionInput* input, const ConnField& field);
const void* Conn_Field_Address(const ConnectionInput* input, const ConnField& field);
