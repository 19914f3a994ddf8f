#pragma once
// Sections for the tests of the cross-laminated timber library.
#include <cstring>
#include <initializer_list>
#include <utility>

#include "clt/cltsection.h"
#include "nad/nadactive.h"
#include "nad/nadlist.h"

// A section of C24 boards (kind 0, grade 5) with the given thicknesses and
// directions, from the top down; G_R 50000 kN/m2; no values derived yet.
inline CltSection Clt_Test_Section(std::initializer_list<std::pair<double, int>> layers)
{
    CltSection s;
    std::memset(&s, 0, sizeof s);
    for (const auto& l : layers) {
        CltLayer& y = s.layers[s.layer_count++];
        y.kind = 0, y.grade = 5, y.t = l.first, y.direction = l.second, y.factor = 1.0;
    }
    s.rolling_shear_modulus = 50000.0;
    s.board_width_1 = s.board_width_2 = 185.0;
    return s;
}

// As Clt_Test_Section with E, G of every layer set and the centroids and
// distances computed (no table values).
inline CltSection Clt_Test_Section_EG(std::initializer_list<std::pair<double, int>> layers, double E, double G)
{
    CltSection s = Clt_Test_Section(layers);
    for (int i = 0; i < s.layer_count; ++i) s.layers[i].E = E, s.layers[i].G = G;
    Clt_Centroids(&s);
    return s;
}

// Publishes the active annex's EC5 block as the application does, before the
// catalogue's first use.
inline void Clt_Test_Publish_Annex() { Nad_Publish_Active_Blocks(); }
