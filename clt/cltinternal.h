#pragma once
// Steps of the section values that the catalogue build shares with
// Clt_Section_Values; not an interface of the library.
#include "clt/cltcatalogue.h"
#include "clt/cltsection.h"

// Moduli (variant 0, layer thickness) and strengths (the given strength
// variant, parallel to the grain, the thickness as both dimensions, no size
// factor) of every layer from its kind and grade. An undefined material gives
// zeros.
void Clt_Layer_Material_Values(CltSection* s, int strength_variant);
// Clt_Sum_Gt, the thickness sums, the centroids (z from the x centroid), the
// static moments of both directions and both shear correction factors.
void Clt_Derived_Values(CltSection* s);

// The block of manufacturer m (0..7) as the builders write it, null for
// another m; nothing beyond the builders writes through it.
CltManufacturer* Clt_Catalogue_Block(int m);
