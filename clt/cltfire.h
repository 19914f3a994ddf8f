#pragma once
// Fire design of cross-laminated timber by the reduced cross-section: the
// depth to which a plate chars from an exposed face within a fire duration,
// layer by layer, with or without a protective cladding, as the effective
// charring depth d_ef = d_char + 7 k0 [mm]; and the residual section left
// after charred depths are removed from both faces.
//
// Inputs: the section's layers (thicknesses in order), its charring_rate beta
// [mm/min] and char_stays; side 0 fire on the top face (layers met from the
// top), 1 on the bottom face, 2 or 3 a face across the layers (d_char grows
// with time alone); the fire duration t, the failure time of the cladding t_f
// and the start of charring behind it t_ch [min] (protected when t_ch > 0.01);
// k2, k3 the factors of the charring rate while the cladding holds and after
// it has failed (EN 1995-1-2, 3.4.3).
//
// Unprotected, a layer met after the one in front of it has charred through
// chars at 2 beta for its first 25 mm unless char_stays is set (the first
// layer always at beta). Protected: 0 up to t_ch, k2 beta to t_f, k3 beta
// until the time t_a, then beta. Charring before failure: t_a is the time
// at which the char reaches 25 mm (EN 1995-1-2 (3.8b)). Charring from failure
// (t_ch >= t_f): the rate is 2 beta (k3 = 2) until t_a = min(2 t_f, t_f + 25 /
// (2 beta)) (EN 1995-1-2 (3.8a)) or 25 mm of char, on every side alike. A
// layer met after the one in front of it has charred through chars at 2 beta
// for its first 25 mm whatever char_stays. Charring stops at the fire
// duration in every phase.
#include "clt/cltsection.h"

// d_ef [mm]; -1 (no valid depth) for a null section, layers that are not valid
// (Clt_Layers_Valid), beta not positive or not finite, t, t_f or t_ch negative
// or not finite, side above 3, or k2 or k3 not positive and finite when
// charring starts before failure. A section without layers chars 0 mm on
// sides 0 and 1; a duration at or below t_ch gives d_char 0 and d_ef 7 k0.
double Clt_Effective_Char_Depth(const CltSection* s, unsigned side, double t, double t_f, double t_ch, double k2,
                                double k3);
double Clt_Effective_Char_Depth_2(const CltSection* s, unsigned side, double t, double t_f, double t_ch, double k2,
                                  double k3);

// Writes into out the section src with d_top removed from the top and
// d_bottom from the bottom (a negative depth counts as 0): only the layers of
// positive thickness remain, whole records with their material values; then
// the centroids with z from the centroid of direction dir (x for 0, y
// otherwise), the static moments of both directions, Clt_Sum_Gt, the
// thickness sums and the shear correction factors. out may be src. Returns
// out; nothing is written when out or src is null.
CltSection* Clt_Residual_Section(CltSection* out, const CltSection* src, int dir, double d_bottom, double d_top);
