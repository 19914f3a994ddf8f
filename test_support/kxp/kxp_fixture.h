#pragma once
// Builds export objects of member cuts for tests: origin, the three axes of the
// cut's system, the cut's position as a fraction of the member length, the
// length, and the kind-1 summary (five ints, eight doubles, a name).
#include <string>

#include "hostenv/kovexport.h"

struct KxpCutSpec {
    double origin[3] = {0, 0, 0};
    double x[3] = {1, 0, 0};
    double y[3] = {0, 1, 0};
    double z[3] = {0, 0, 1};
    double rotation = 0.0;
    double position = 0.5;
    double length = 1000.0;
    int id = 1;
    int number = 1;
    std::string name = "S";
    bool with_info = true;
    int info_ints[5] = {0, 0, 0, 0, 0};
    double info_values[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    std::string info_name = "Stab";
};

// A new type-3 object (kind 1); the stored 3x3 matrix holds the axes as columns.
KovExportObject* Kxp_Fixture_Cut(const KxpCutSpec& cut_spec);
// The object written as export-block text.
std::string Kxp_Fixture_Cut_Text(const KxpCutSpec& cut_spec);
