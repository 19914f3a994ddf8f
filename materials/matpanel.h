#pragma once
// Characteristic strengths of particleboard ("Typ P4" .. "Typ P7") by
// thickness band and load set (plate or in-plane).

// Thickness bands, open below and closed above.
enum PanelThicknessBand {
    PANEL_BAND_NONE = -1,
    PANEL_BAND_6_13 = 0,
    PANEL_BAND_13_20,
    PANEL_BAND_20_25,
    PANEL_BAND_25_32,
    PANEL_BAND_32_40,
    PANEL_BAND_40_50,
    PANEL_BAND_COUNT
};

// Band of a thickness [mm], PANEL_BAND_NONE for t <= 6 and t > 50.
PanelThicknessBand Panel_Thickness_Band(double t_mm);

// Writes f_m, f_t, f_c, f_v, f_c90 [kN/m2] of grade 0..3 for direction 0, 1,
// 4, 9 (plate) or 5, 8 (in-plane) into the non-null outputs and returns 1.
// Another direction or a grade outside 0..3: 1, nothing written. A thickness
// in no band: 0, nothing written. Callers preset the outputs they read.
int Panel_Values_By_Thickness(int grade, int direction, double* f_m, double t_mm, double* f_t, double* f_c, double* f_v,
                              double* f_c90);
