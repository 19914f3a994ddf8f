#pragma once
// Stiffness values of a cross-laminated timber plate in one direction d (0 x,
// 1 y): the shear correction factor kappa, the shear stiffness between the
// outer layers, the effective bending stiffness after the gamma method, the
// factor by which shear deformation lowers a strip's stiffness, and
// thickness-weighted means of material values.
//
// The layers of direction d carry the load; the others act only through
// their shear modulus G° (Clt_Layer_Shear_Modulus: the rolling shear modulus
// G_R, or G/10 without one). The distances z are those stored in the layers,
// that is from the centroid of the last centroid computation (the x centroid
// after Clt_Section_Values). Units as in cltsection.h; t' and z' are metres.
#include "clt/cltsection.h"

// kappa = EI^2 / (GA J), J the integral of S^2 / G* over the depth, S the
// static moment of the layers of direction d at that depth, each layer's part
// taken exactly (S is quadratic inside a layer). Sections of layers of
// direction d only with equal E and G give 5/6. Not-a-number for null, no
// layers, no layer of direction d or layers that are not valid
// (Clt_Layers_Valid).
double Clt_Shear_Correction(const CltSection* s, int d);
double Clt_Shear_Correction_X(const CltSection* s);
double Clt_Shear_Correction_Y(const CltSection* s);

// a^2 / R [kN per m width]: a the distance [m] between the mid-planes of the
// top and the bottom layer, R the sum of t'/G° over all layers with the top
// and the bottom layer halved. Infinity without layers; not-a-number for null.
double Clt_Shear_Stiffness(const CltSection* s, int d);

// EI0 + gamma EA2 [kNm2 per m] for the span l [m]: EI0 and EA2 the sums of
// E t'^3/12 and E t' z'^2 over the layers of direction d; with the top layer
// in direction d the compliance R of all layers (outer ones halved) over the
// distance a of the outer layers' mid-planes, with crossing outer layers the
// same from the second to the second-last layer;
// gamma = 1 / (1 + pi^2 EA2 R / (l a)^2). EI0 when a < 0.00001 m. 0 (no
// stiffness) for null, fewer than 3 layers, layers that are not valid
// (Clt_Layers_Valid) or a span that is not positive and finite.
double Clt_Effective_Bending_Stiffness(const CltSection* s, int d, double l);

// sqrt(1 + pi^2 EI / (kappa GA l^2)), l in mm, kappa the stored
// shear_correction_x (d = 0) or shear_correction_y. Not-a-number for null, no
// layers, layers that are not valid (Clt_Layers_Valid) or a span that is not
// positive and finite.
double Clt_Shear_Deformation_Factor(const CltSection* s, int d, double l);

// Thickness-weighted means over the layers of direction d, the values fetched
// from the material tables (not from the layers): f_c,0,k and f_t,0,k with
// the given strength variant (parallel to the grain, dimensions 1, no size
// factor), E_0,mean with variant 6 and the layer thickness. Not-a-number for
// null or without a layer of direction d.
double Clt_Mean_Fc0k(const CltSection* s, int d, int variant);
double Clt_Mean_Ft0k(const CltSection* s, int d, int variant);
double Clt_Mean_E(const CltSection* s, int d);
// As Clt_Mean_E; 0 for null, -1 without layers or without a layer of
// direction d.
double Clt_Mean_E_Checked(const CltSection* s, int d);
