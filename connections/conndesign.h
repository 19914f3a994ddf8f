#pragma once
// Entries of the connection design: the description by value (the entry
// works on its own copy), the result by pointer. Whoever calls first
// publishes ActiveNadEc5, ActiveNadEc3 and ActiveNadEc9 (null EC5: DIN 1052).

#include "materials/connrecord.h"

// One whole connection: densities, k_mod, minimum spacings, slip modulus,
// lateral capacity by the chosen method, aluminium bearing, the 20 % raises,
// axial capacity, rope effect and design values. Returns 0 after a full run;
// the code of the minimum-dimension check (result untouched); 4 for a
// diameter that is not positive, 6 for a fastener without length; 6, 7 or 8
// when the penetration analysis finds the fastener too short.
int Conn_Design(ConnectionInput input, ConnectionResult* result);

// The axial capacity alone (no spacings, slip modulus, lateral checks or rope
// effect). Clears the result and both message lists first. Returns 0, or 4
// for a diameter (of a connector's bolt) that is not positive, 6 for a nail,
// staple or screw without length.
int Conn_Axial_Design(ConnectionInput input, ConnectionResult* result);

// Steps shared with the full design.
// k_mod of both members: from the materials, or the given value; a metal
// member takes the other member's value.
void Conn_Kmod(const ConnectionInput& input, ConnectionResult* result);
