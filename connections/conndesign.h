#pragma once
// Entries of the connection design: the description by value (the entry
// works on its own copy), the result by pointer. Whoever calls first
// publishes ActiveNadEc5, ActiveNadEc3 and ActiveNadEc9 (null EC5: DIN 1052).

#include "materials/connrecord.h"

// The range of the nominal diameter d [mm] (for connectors d_c) and of the
// length [mm] that the design covers for a fastener type; 0 for a type
// outside 0 to 46. A length maximum of 0: the length is not read.
int Conn_Fastener_Range(int type, double* d_min, double* d_max, double* length_max);

// Checks the input before any design: 0, or the ConnInputCode (or
// CONN_MSG_DIAMETER_NOT_POSITIVE for a diameter, CONN_MSG_TOO_SHORT for a
// length that is not positive) of the first value that no
// design can use; *field (when given) names that field as a description
// writes it ("t1", "p43.d", ...). Connectors need their catalogue loaded.
int Conn_Check_Input(const ConnectionInput& input, const char** field);

// One whole connection: densities, k_mod, minimum spacings, slip modulus,
// lateral capacity by the chosen method, aluminium bearing, the 20 % raises,
// axial capacity, rope effect and design values. Clears the result and both
// message lists first. Returns 0 after a full run; the code of
// Conn_Check_Input; the code of the minimum-dimension check; a
// ConnInputCode when a member's density or k_mod cannot be determined;
// CONN_MSG_TOO_SHORT, CONN_MSG_TOO_SHORT_DOUBLE_SHEAR or
// CONN_MSG_PENETRATION_BELOW_4D when the penetration analysis finds the
// fastener too short.
int Conn_Design(ConnectionInput input, ConnectionResult* result);

// The axial capacity alone (no spacings, slip modulus, lateral checks or rope
// effect). Clears the result and both message lists first. Returns 0, the
// code of Conn_Check_Input, or a ConnInputCode when a member's density or
// k_mod cannot be determined.
int Conn_Axial_Design(ConnectionInput input, ConnectionResult* result);

// Steps shared with the full design.
// k_mod of both members: from the materials, or the given value; a metal
// member takes the other member's value.
void Conn_Kmod(const ConnectionInput& input, ConnectionResult* result);
