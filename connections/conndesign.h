#pragma once
// Entries of the connection design: the description by value (the entry
// works on its own copy), the result by pointer. Whoever calls first
// publishes ActiveNadEc5, ActiveNadEc3 and ActiveNadEc9 (null EC5: DIN 1052).

#include "materials/connrecord.h"

// The axial capacity alone (no spacings, slip modulus, lateral checks or rope
// effect). Clears the result and both message lists first. Returns 0, or 4
// for a diameter (of a connector's bolt) that is not positive, 6 for a nail,
// staple or screw without length.
int Conn_Axial_Design(ConnectionInput input, ConnectionResult* result);

// Steps shared with the full design.
// User-defined screw products 43 and 44 take their product block's values.
void Conn_Apply_User_Product(ConnectionInput* input);
// k_mod of both members: from the materials, or the given value; a metal
// member takes the other member's value.
void Conn_Kmod(const ConnectionInput& input, ConnectionResult* result);
