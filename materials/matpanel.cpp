// Particleboard strengths by thickness.
#include "materials/matpanel.h"

namespace {

// [band][grade] = f_m, f_t, f_c, f_v, f_c90 [N/mm2], plate loading.
const double kPlate[PANEL_BAND_COUNT][4][5] = {
    {{14.2, 8.9, 12, 1.8, 10}, {15, 9.4, 12.7, 1.9, 10}, {16.5, 10.5, 14.1, 1.9, 10}, {18.3, 11.5, 15.5, 2.4, 10}},
    {{12.5, 7.9, 11.1, 1.6, 10}, {13.3, 8.5, 11.8, 1.7, 10}, {15, 9.5, 13.3, 1.7, 10}, {16.7, 10.6, 14.7, 2.2, 10}},
    {{10.8, 6.9, 9.6, 1.4, 10}, {11.7, 7.4, 10.3, 1.5, 10}, {13.3, 8.5, 12.8, 1.7, 10}, {15.4, 9.8, 13.7, 2, 10}},
    {{9.2, 6.1, 9, 1.2, 8}, {10, 6.6, 9.8, 1.3, 8}, {12.5, 8.3, 12.2, 1.7, 8}, {14.2, 9.4, 13.5, 1.9, 8}},
    {{7.5, 5, 7.6, 1.1, 6}, {8.3, 5.6, 8.5, 1.2, 6}, {11.7, 7.8, 11.9, 1.7, 6}, {13.3, 9, 13.2, 1.9, 6}},
    {{5.8, 4.4, 6.1, 1, 6}, {7.5, 5.6, 7.8, 1, 6}, {10, 7.5, 10.4, 1.7, 6}, {12.5, 8, 13, 1.8, 6}},
};

// [band][grade] = f_t, f_c, f_v [N/mm2], in-plane loading.
const double kInPlane[PANEL_BAND_COUNT][4][3] = {
    {{8.9, 12, 6.6}, {9.4, 12.7, 7}, {10.5, 14.1, 7.8}, {11.5, 15.5, 8.6}},
    {{7.9, 11.1, 6.1}, {8.5, 11.8, 6.5}, {9.5, 13.3, 7.3}, {10.6, 14.7, 8.1}},
    {{6.9, 9.6, 5.5}, {7.4, 10.3, 5.9}, {8.5, 12.8, 6.8}, {9.8, 13.7, 7.9}},
    {{6.1, 9, 4.8}, {6.6, 9.8, 5.2}, {8.3, 12.2, 6.5}, {9.4, 13.5, 7.4}},
    {{5, 7.6, 4.4}, {5.6, 8.5, 4.8}, {7.8, 11.9, 6}, {9, 13.2, 7.2}},
    {{4.4, 6.1, 4.2}, {5.6, 7.8, 4.4}, {7.5, 10.4, 5.5}, {8, 13, 7}},
};

void Put(double* out, double v_n_mm2)
{
    if (out) *out = v_n_mm2 * 1000.0;
}

} // namespace

PanelThicknessBand Panel_Thickness_Band(double t_mm)
{
    static const double upper[PANEL_BAND_COUNT] = {13, 20, 25, 32, 40, 50};
    if (!(t_mm > 6.0)) return PANEL_BAND_NONE;
    for (int b = 0; b < PANEL_BAND_COUNT; ++b)
        if (t_mm <= upper[b]) return (PanelThicknessBand)b;
    return PANEL_BAND_NONE;
}

int Panel_Values_By_Thickness(int grade, int direction, double* f_m, double t_mm, double* f_t, double* f_c, double* f_v,
                              double* f_c90)
{
    // A grade or direction without values and a thickness in no band write
    // nothing: the caller's own values stay, and the result tells the two
    // apart (1 no set, 0 no band).
    const bool plate = direction == 0 || direction == 1 || direction == 4 || direction == 9;
    const bool in_plane = direction == 5 || direction == 8;
    if (!plate && !in_plane) return 1;
    if (grade < 0 || grade > 3) return 1;
    const PanelThicknessBand band = Panel_Thickness_Band(t_mm);
    if (band == PANEL_BAND_NONE) return 0;
    if (plate) {
        const double* v = kPlate[band][grade];
        Put(f_m, v[0]);
        Put(f_t, v[1]);
        Put(f_c, v[2]);
        Put(f_v, v[3]);
        Put(f_c90, v[4]);
    } else {
        const double* v = kInPlane[band][grade];
        Put(f_m, v[0]);
        Put(f_t, v[0]);
        Put(f_c, v[1]);
        Put(f_v, v[2]);
        Put(f_c90, v[1]);
    }
    return 1;
}
