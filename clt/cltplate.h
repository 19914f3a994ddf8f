#pragma once
// Bending and rolling-shear check of a strip of a cross-laminated timber
// plate spanning in direction d: the strip's bending and shear stiffness, the
// design strengths of every layer with k_mod and gamma_M, the bending stresses
// at the bottom, middle and top of every layer of direction d and the shear
// stresses at the same levels of every layer (rolling shear in the cross
// layers), the utilisations with their maxima and the layers where the maxima
// occur.
//
// The section's layer values, distances z and static moments of direction d
// must be set (Clt_Section_Values or the catalogue refer them to the x
// centroid; for d = 1 a caller refers a copy to the y centroid with
// Clt_Centroids_Dir and Clt_Static_Moments).
#include "clt/cltsection.h"

// One layer's block of 23 values; the three levels are bottom, middle, top.
struct CltPlateLayer {
    double k_mod;
    double sigma[3]; // bending stress [N/mm2]
    double eta_m[3]; // bending utilisation
    double f_md;     // design strengths [N/mm2]
    double f_td;
    double f_cd;
    double f_vd;     // in a cross layer the rolling shear design strength
    double z[3];     // distance from the centroid [mm]
    double tau[3];   // shear stress [N/mm2]
    double eta_v[3]; // shear utilisation
    double eta[3];   // larger of the bending and the shear utilisation
};

struct CltPlateCheck {
    double M;         // design moment passed in [kNm]
    double F2;        // second force passed in; only stored
    double V;         // design shear force passed in [kN]
    double sigma_min; // smallest bending stress of all layers [N/mm2]
    double sigma_max; // largest bending stress
    double tau_max;   // largest shear stress
    double eta_max;   // largest utilisation of bending and shear
    double eta_m_max; // largest bending utilisation
    double eta_v_max; // largest shear utilisation
    double EI;        // bending stiffness of the strip [kNm2]
    double S;         // shear stiffness of the strip [kN]
    double gamma_M;   // gamma_M passed in
    double E_mean;    // mean E_0,mean of the layers of direction d, or -1
    int layer_m;      // layer of the largest bending utilisation, -1 if none
    int layer_v;      // layer of the largest shear utilisation, -1 if none
    int duration;     // load-duration class passed in
    int service;      // service class passed in
    int layer_count;  // the section's layer count
    int direction;    // d
    CltPlateLayer layers[CLT_MAX_LAYERS];
};

// Sentinel of the utilisation maxima when no check is possible.
#define CLT_NO_CHECK 99.9

// Checks a strip of width [mm] in direction d (0 or 1) for the service class
// (1 to 3) and the load-duration class (0 to 8; with 8 kmod_given is k_mod),
// with the strength multiplier c, gamma_M, the moment M [kNm] and the shear
// force V [kN]. Returns 1 after a complete check. Returns 0, with the three
// maxima 99.9 and both layers -1, when no check is possible: a section
// without layers (S infinite), without a layer of direction d or with a
// negative mean modulus (E_mean -1), a width or c that is not positive and
// finite, a gamma_M below 1 or not finite, an EI that is not positive and
// finite (layers of an undefined material), a moment or shear force that is
// not finite, layers that are not valid (Clt_Layers_Valid: a negative
// thickness), a service class outside 1 to 3, a duration class outside 0 to
// 8, with duration class 8 a kmod_given outside (0, 1.1], or a layer whose
// material has no k_mod for the classes. Returns 0 and writes nothing for a
// null section or result.
//
// A design strength that is not positive (a cross layer of a product without
// rolling shear strength) gives an infinite utilisation at that level, also
// for zero stress; no utilisation is ever not-a-number.
int Clt_Plate_Check(const CltSection* section, double width, int d, int service, int duration, double c,
                    double kmod_given, double gamma_M, double M, double F2, double V, CltPlateCheck* out);
