// Builds export objects of member cuts for tests: the cut's system, position and length and the
// kind-1 summary, as an object or as export-block text.
#include "test_support/kxp/kxp_fixture.h"

#include <cstdio>

#include "hostenv/kovexputil.h"
#include "test_support/kovtestutil.h"

KovExportObject* Kxp_Fixture_Cut(const KxpCutSpec& s)
{
    KovExportObject* o = Kxp_New_Object(KXP_TYPE_BEAMCUT, s.number, s.id, s.name.c_str(), 1, nullptr);
    if (!o) return nullptr;
    double d[16] = {0};
    for (int k = 0; k < 3; ++k) d[1 + k] = s.origin[k];
    // Stored row k holds the k-th component of each axis: the axes are columns.
    for (int k = 0; k < 3; ++k) {
        d[4 + 3 * k + 0] = s.x[k];
        d[4 + 3 * k + 1] = s.y[k];
        d[4 + 3 * k + 2] = s.z[k];
    }
    d[13] = s.rotation;
    d[14] = s.position;
    d[15] = s.length;
    Par_Vector_Set_Arrays(&o->values, nullptr, nullptr, 0, nullptr, d, nullptr, 16, nullptr, nullptr, nullptr, 0,
                          nullptr);
    if (s.with_info) {
        KxpBeamCutInfo info;
        for (int k = 0; k < 5; ++k) info.ints[k] = s.info_ints[k];
        for (int k = 0; k < 8; ++k) info.values[k] = s.info_values[k];
        info.name = s.info_name.c_str();
        Kxp_Set_BeamCut_Info(o, &info);
    }
    return o;
}

std::string Kxp_Fixture_Cut_Text(const KxpCutSpec& cut_spec)
{
    KovExportObject* o = Kxp_Fixture_Cut(cut_spec);
    std::string out;
    kovtest::MemFile m;
    if (o && m.f) {
        Kxp_Write_Object(m.f, o);
        out = m.text();
    }
    Kxp_Free_Object(o);
    return out;
}
