#pragma once
// Two rule sets of the timber connection design: the admissibility of a
// connection (minimum member thicknesses, admissible materials, fasteners and
// service classes, splitting), answered with the code of the first rule the
// connection breaks, and the minimum spacings and end and edge distances of
// the fasteners. The rule set follows ActiveNadEc5 (null: DIN 1052) and its
// na_de flag (German annex).
//
// Spacings are written in the order a1 (along the grain, within a row), a2
// (across the grain), a3,t (loaded end), a3,c (unloaded end), a4,t (loaded
// edge), a4,c (unloaded edge), in mm; a NULL pointer skips a value.

#include "materials/connrecord.h"
#include "materials/matkind.h"

// 0 when the connection breaks no rule, else the code of the first broken rule.
int Fastener_Min_Dimensions(ConnectionInput input);

// Minimum spacings of a fastener type in a member of the given kind (12 when a
// metal plate is involved) and density rho_k: fitted treats a bolt as a dowel;
// douglas_fir raises a1, a3,t and a3,c by half; wide_edge_distances raises the
// edge distances of nails to 10 d (rho_k <= 420) or 14 d; d_bolt is the bolt of
// a connector, theta the crown angle of a staple; alpha and theta in radians.
// Returns the rule code and writes the six values, or 0 and writes nothing for
// a type without rule.
int Fastener_Min_Spacings(FastenerType type, int predrilled, int fitted, int douglas_fir, int wide_edge_distances,
                          MaterialKind kind, double rho_k, double d, double d_bolt, double alpha, double theta,
                          double t1, double t2, double* a1, double* a2, double* a3t, double* a3c, double* a4t,
                          double* a4c);

// The spacings of the user-defined SPAX screw with a CUT or 4CUT tip (the
// panel spacing rule) and of the ASSY screw with a drilling tip, in timber
// members: 1 when written; 0 and nothing written when skip is set, the kind is
// not timber or the product has another tip.
int Fastener_Min_Spacings_Cut_Tip(UserScrewProduct product, int skip, MaterialKind kind, double alpha, double* a1,
                                  double* a2, double* a3t, double* a3c, double* a4t, double* a4c);
int Fastener_Min_Spacings_Assy_Tip(UserScrewProduct product, int skip, MaterialKind kind, double alpha, double* a1,
                                   double* a2, double* a3t, double* a3c, double* a4t, double* a4c);
