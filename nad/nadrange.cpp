// The ranges of the editable values of an annex. Each kind's range follows
// from what the standards let the value be; where a standard sets no upper
// limit, the limit is far above every value any annex gives and only keeps a
// slip of the finger (13 for 1.3) from reaching the checks.
#include "nad/nadrange.h"

#include <cmath>
#include <cstdio>

namespace {

enum {
    GAMMA_M,    // partial factor of a material or resistance (and gamma_F,fat)
    GAMMA_SUP,  // partial factor of an unfavourable action
    GAMMA_INF,  // partial factor of a favourable action; rows the annex leaves at 0
    PSI,        // combination factors psi_0, psi_1, psi_2
    K_MOD,      // modification factor of timber
    K_DEF,      // deformation factor of timber
    DEFLECTION, // x of a deflection limit l/x
    REDUCTION,  // a factor that reduces: alpha_cc, k_cr, chi modifications, ...
    COVER,      // concrete cover and its allowances in cm
    FACTOR,     // any other positive factor or coefficient
    RATIO,      // a factor that may be 0 (minimum reinforcement, joint friction)
    ETA,        // eta of EN 1993-1-5
    SHAPE_MAX,  // upper limit of k_shape
    KIND_COUNT
};

// clang-format off
const NadRangeKind Kinds[KIND_COUNT] = {
    {"gamma_m",    1.0,  5.0,     0, 0},
    {"gamma_sup",  0.0,  3.0,     1, 0},
    {"gamma_inf",  0.0,  3.0,     0, 0},
    {"psi",        0.0,  1.0,     0, 0},
    {"k_mod",      0.0,  1.1,     1, 0},
    {"k_def",      0.0,  5.0,     0, 0},
    {"deflection", 0.0,  10000.0, 1, 0},
    {"reduction",  0.0,  1.0,     1, 0},
    {"cover_cm",   0.0,  10.0,    0, 0},
    {"factor",     0.0,  1000.0,  1, 0},
    {"ratio",      0.0,  1000.0,  0, 0},
    {"eta",        1.0,  1.2,     0, 0},
    {"k_shape_max", 1.0, 5.0,     0, 0},
};
// clang-format on

#define AT(member) offsetof(NadRecord, member)

// One value, a row of values, a table.
#define ONE(member, kind, label)                                                                                       \
    {                                                                                                                  \
        AT(member), 1, 1, 1, kind, label                                                                               \
    }
#define ROW(member, n, kind, label)                                                                                    \
    {                                                                                                                  \
        AT(member), n, 1, 1, kind, label                                                                               \
    }
#define STRIDED(member, n, stride, columns, kind, label)                                                               \
    {                                                                                                                  \
        AT(member), n, stride, columns, kind, label                                                                    \
    }

// clang-format off
const NadRangeField Fields[] = {
    // EC 0: partial factors of actions. Only the rows the page offers: the
    // others hold 0 in both supplied annexes. The sup and inf values of a row
    // lie side by side, hence the stride 2.
    STRIDED(ec0.building_gamma[0][0][0], 5, 2, 1, GAMMA_SUP, "EC 0: gamma_sup, Hochbau, ständige und vorübergehende Situation"),
    STRIDED(ec0.building_gamma[0][0][1], 5, 2, 1, GAMMA_INF, "EC 0: gamma_inf, Hochbau, ständige und vorübergehende Situation"),
    STRIDED(ec0.building_gamma[1][0][0], 6, 2, 1, GAMMA_SUP, "EC 0: gamma_sup, Hochbau, außergewöhnliche Situation"),
    STRIDED(ec0.building_gamma[1][0][1], 6, 2, 1, GAMMA_INF, "EC 0: gamma_inf, Hochbau, außergewöhnliche Situation"),
    STRIDED(ec0.building_gamma[2][0][0], 5, 2, 1, GAMMA_SUP, "EC 0: gamma_sup, Hochbau, Erdbeben"),
    STRIDED(ec0.building_gamma[2][0][1], 5, 2, 1, GAMMA_INF, "EC 0: gamma_inf, Hochbau, Erdbeben"),
    ONE(ec0.building_gamma[2][6][0], GAMMA_SUP, "EC 0: gamma_sup, Hochbau, Erdbeben, Zeile 7"),
    ONE(ec0.building_gamma[2][6][1], GAMMA_INF, "EC 0: gamma_inf, Hochbau, Erdbeben, Zeile 7"),
    STRIDED(ec0.building_gamma[3][0][0], 5, 2, 1, GAMMA_SUP, "EC 0: gamma_sup, Hochbau, Gebrauchstauglichkeit"),
    STRIDED(ec0.building_gamma[3][0][1], 5, 2, 1, GAMMA_INF, "EC 0: gamma_inf, Hochbau, Gebrauchstauglichkeit"),
    STRIDED(ec0.building_psi[0][0], 48, 1, 4, PSI, "EC 0: psi, Hochbau"),
    STRIDED(ec0.bridge_gamma[0][0][0], 11, 2, 1, GAMMA_SUP, "EC 0: gamma_sup, Brücken, ständige und vorübergehende Situation"),
    STRIDED(ec0.bridge_gamma[0][0][1], 11, 2, 1, GAMMA_INF, "EC 0: gamma_inf, Brücken, ständige und vorübergehende Situation"),
    ONE(ec0.bridge_gamma[0][12][0], GAMMA_SUP, "EC 0: gamma_sup, Brücken, ständige und vorübergehende Situation, Zeile 13"),
    ONE(ec0.bridge_gamma[0][12][1], GAMMA_INF, "EC 0: gamma_inf, Brücken, ständige und vorübergehende Situation, Zeile 13"),
    STRIDED(ec0.bridge_gamma[1][0][0], 11, 2, 1, GAMMA_SUP, "EC 0: gamma_sup, Brücken, außergewöhnliche Situation"),
    STRIDED(ec0.bridge_gamma[1][0][1], 11, 2, 1, GAMMA_INF, "EC 0: gamma_inf, Brücken, außergewöhnliche Situation"),
    ONE(ec0.bridge_gamma[1][12][0], GAMMA_SUP, "EC 0: gamma_sup, Brücken, außergewöhnliche Situation, Zeile 13"),
    ONE(ec0.bridge_gamma[1][12][1], GAMMA_INF, "EC 0: gamma_inf, Brücken, außergewöhnliche Situation, Zeile 13"),
    // The row of the accidental action holds 0 in the German annex.
    STRIDED(ec0.bridge_gamma[1][13][0], 2, 1, 1, GAMMA_INF, "EC 0: gamma, Brücken, außergewöhnliche Situation, Zeile 14"),
    STRIDED(ec0.bridge_gamma[2][0][0], 11, 2, 1, GAMMA_SUP, "EC 0: gamma_sup, Brücken, Erdbeben"),
    STRIDED(ec0.bridge_gamma[2][0][1], 11, 2, 1, GAMMA_INF, "EC 0: gamma_inf, Brücken, Erdbeben"),
    ONE(ec0.bridge_gamma[2][12][0], GAMMA_SUP, "EC 0: gamma_sup, Brücken, Erdbeben, Zeile 13"),
    ONE(ec0.bridge_gamma[2][12][1], GAMMA_INF, "EC 0: gamma_inf, Brücken, Erdbeben, Zeile 13"),
    STRIDED(ec0.bridge_gamma[2][14][0], 2, 1, 1, GAMMA_INF, "EC 0: gamma, Brücken, Erdbeben, Zeile 15"),
    STRIDED(ec0.bridge_gamma[3][0][0], 11, 2, 1, GAMMA_SUP, "EC 0: gamma_sup, Brücken, Gebrauchstauglichkeit"),
    STRIDED(ec0.bridge_gamma[3][0][1], 11, 2, 1, GAMMA_INF, "EC 0: gamma_inf, Brücken, Gebrauchstauglichkeit"),
    ONE(ec0.bridge_gamma[3][12][0], GAMMA_SUP, "EC 0: gamma_sup, Brücken, Gebrauchstauglichkeit, Zeile 13"),
    ONE(ec0.bridge_gamma[3][12][1], GAMMA_INF, "EC 0: gamma_inf, Brücken, Gebrauchstauglichkeit, Zeile 13"),
    STRIDED(ec0.road_bridge_psi[0][0], 42, 1, 3, PSI, "EC 0: psi, Straßenbrücken"),
    STRIDED(ec0.footbridge_psi[0][0], 21, 1, 3, PSI, "EC 0: psi, Fußgängerbrücken"),
    // psi_1 of rows 1, 2 and 9 of the railway table is the factor a below,
    // stored as a negative code.
    STRIDED(ec0.rail_bridge_psi[0][0], 2, 3, 1, PSI, "EC 0: psi_0, Eisenbahnbrücken"),
    STRIDED(ec0.rail_bridge_psi[0][2], 2, 3, 1, PSI, "EC 0: psi_2, Eisenbahnbrücken"),
    STRIDED(ec0.rail_bridge_psi[2][0], 18, 1, 3, PSI, "EC 0: psi, Eisenbahnbrücken ab Zeile 3"),
    ONE(ec0.rail_bridge_psi[8][0], PSI, "EC 0: psi_0, Eisenbahnbrücken, Zeile 9"),
    ONE(ec0.rail_bridge_psi[8][2], PSI, "EC 0: psi_2, Eisenbahnbrücken, Zeile 9"),
    STRIDED(ec0.rail_bridge_psi[9][0], 66, 1, 3, PSI, "EC 0: psi, Eisenbahnbrücken ab Zeile 10"),
    ROW(ec0.rail_a, 3, PSI, "EC 0: Faktor a für belastete Gleise"),

    // EC 2.
    ROW(ec2.c_min_dur, 12, COVER, "EC 2: c_min,dur [cm]"),
    ROW(ec2.delta_c_dur_gamma, 12, COVER, "EC 2: Delta_c,dur,gamma [cm]"),
    ROW(ec2.gamma_c, 4, GAMMA_M, "EC 2: gamma_c"),
    ROW(ec2.gamma_s, 4, GAMMA_M, "EC 2: gamma_s"),
    ROW(ec2.gamma_c_bridge, 4, GAMMA_M, "EC 2: gamma_c, Brücken"),
    ROW(ec2.gamma_s_bridge, 4, GAMMA_M, "EC 2: gamma_s, Brücken"),
    ONE(ec2.gamma_c_sls, GAMMA_M, "EC 2: gamma_c, Gebrauchstauglichkeit"),
    ONE(ec2.gamma_s_sls, GAMMA_M, "EC 2: gamma_s, Gebrauchstauglichkeit"),
    ONE(ec2.delta_c_dev, COVER, "EC 2: Delta_c,dev [cm]"),
    ONE(ec2.delta_c_dur_st, COVER, "EC 2: Delta_c,dur,st [cm]"),
    ONE(ec2.delta_c_dur_add, COVER, "EC 2: Delta_c,dur,add [cm]"),
    ONE(ec2.alpha_cc, REDUCTION, "EC 2: alpha_cc"),
    ONE(ec2.alpha_ct, REDUCTION, "EC 2: alpha_ct"),
    ONE(ec2.alpha_cc_pl, REDUCTION, "EC 2: alpha_cc,pl"),
    ONE(ec2.alpha_ct_pl, REDUCTION, "EC 2: alpha_ct,pl"),
    ONE(ec2.alpha_lcc, REDUCTION, "EC 2: alpha_lcc"),
    ONE(ec2.alpha_lct, REDUCTION, "EC 2: alpha_lct"),
    ONE(ec2.gamma_ce, GAMMA_M, "EC 2: gamma_cE"),
    ONE(ec2.as_min_beam, RATIO, "EC 2: A_s,min, Balken"),
    ONE(ec2.as_min_column, RATIO, "EC 2: A_s,min, Stützen"),
    ONE(ec2.as_vmin_wall, RATIO, "EC 2: A_s,vmin, Wände"),
    ONE(ec2.as_min_beam_floor, RATIO, "EC 2: A_s,min, Balken, Grenzwert"),
    ONE(ec2.as_min_column_floor, RATIO, "EC 2: A_s,min, Stützen, Grenzwert"),
    ONE(ec2.k1_redist, FACTOR, "EC 2: k_1 (Umlagerung)"),
    ONE(ec2.k2_redist, FACTOR, "EC 2: k_2 (Umlagerung)"),
    ONE(ec2.k3_redist, FACTOR, "EC 2: k_3 (Umlagerung)"),
    ONE(ec2.k4_redist, FACTOR, "EC 2: k_4 (Umlagerung)"),
    ONE(ec2.k5_redist, FACTOR, "EC 2: k_5 (Umlagerung)"),
    ONE(ec2.k6_redist, FACTOR, "EC 2: k_6 (Umlagerung)"),
    ONE(ec2.c_rd_c, FACTOR, "EC 2: C_Rd,c"),
    ONE(ec2.v_min, FACTOR, "EC 2: v_min"),
    ONE(ec2.k1_shear, FACTOR, "EC 2: k_1 (Querkraft)"),
    ONE(ec2.nu_shear, FACTOR, "EC 2: nu_(Querkraft)"),
    ONE(ec2.nu_torsion, FACTOR, "EC 2: nu_(Torsion)"),
    ONE(ec2.c_lrd_c, FACTOR, "EC 2: C_lRd,c"),
    ONE(ec2.v_l_min, FACTOR, "EC 2: v_l,min"),
    ONE(ec2.k_l1, FACTOR, "EC 2: k_l1"),
    ONE(ec2.nu_l_shear, FACTOR, "EC 2: nu_l (Querkraft)"),
    ONE(ec2.nu_l_torsion, FACTOR, "EC 2: nu_l (Torsion)"),
    ONE(ec2.cot_theta_min, FACTOR, "EC 2: cot theta_min"),
    ONE(ec2.cot_theta_max, FACTOR, "EC 2: cot theta_max"),
    ONE(ec2.nu_1, FACTOR, "EC 2: nu_1"),
    ONE(ec2.nu_1l, FACTOR, "EC 2: nu_1l"),
    ONE(ec2.alpha_cw, FACTOR, "EC 2: alpha_cw"),
    ONE(ec2.k_flange, FACTOR, "EC 2: k (Gurtanschluss)"),
    ROW(ec2.joint_c, 4, RATIO, "EC 2: c (Fuge)"),
    ROW(ec2.joint_mu, 4, RATIO, "EC 2: mü (Fuge)"),
    ROW(ec2.joint_nu, 4, RATIO, "EC 2: nu_(Fuge)"),
    ONE(ec2.rho_w_min, RATIO, "EC 2: rho_w,min"),
    ONE(ec2.cot_theta_f_tension, FACTOR, "EC 2: cot theta_f (Zuggurt)"),
    ONE(ec2.cot_theta_f_compression, FACTOR, "EC 2: cot theta_f (Druckgurt)"),
    ONE(ec2.k_p, FACTOR, "EC 2: k_p"),
    ONE(ec2.k3_crack, RATIO, "EC 2: k_3 (Rissbreite)"),
    ONE(ec2.k4_crack, RATIO, "EC 2: k_4 (Rissbreite)"),
    ONE(ec2.k1_fatigue, FACTOR, "EC 2: k_1 (Ermüdung)"),
    ONE(ec2.gamma_f_fat, GAMMA_M, "EC 2: gamma_F,fat"),
    ROW(ec2.k_system, 5, FACTOR, "EC 2: K (statisches System)"),
    ONE(ec2.k1_bar_spacing, FACTOR, "EC 2: k_1 (Stababstand)"),
    ONE(ec2.beta_1, FACTOR, "EC 2: beta_1"),
    ONE(ec2.beta_2, FACTOR, "EC 2: beta_2"),
    ONE(ec2.theta_0_inv, FACTOR, "EC 2: 1/theta_0"),
    ONE(ec2.conductivity_factor, FACTOR, "EC 2: Wärmeleitfähigkeit"),
    ONE(ec2.k_hsc_fire, FACTOR, "EC 2: k (hochfester Beton, Brand)"),
    ONE(ec2.k_m_hsc_fire, FACTOR, "EC 2: k_m (hochfester Beton, Brand)"),
    ONE(ec2.lambda_lim, FACTOR, "EC 2: lambda_lim"),
    ONE(ec2.alpha_cc_bridge, REDUCTION, "EC 2: alpha_cc, Brücken"),
    ONE(ec2.alpha_ct_bridge, REDUCTION, "EC 2: alpha_ct, Brücken"),
    ONE(ec2.c_rd_c_bridge, FACTOR, "EC 2: C_Rd,c, Brücken"),
    ONE(ec2.v_min_bridge, FACTOR, "EC 2: v_min, Brücken"),
    ONE(ec2.k1_shear_bridge, FACTOR, "EC 2: k_1 (Querkraft), Brücken"),
    ONE(ec2.cot_theta_min_bridge, FACTOR, "EC 2: cot theta_min, Brücken"),
    ONE(ec2.cot_theta_max_bridge, FACTOR, "EC 2: cot theta_max, Brücken"),
    ONE(ec2.alpha_cw_bridge, FACTOR, "EC 2: alpha_cw, Brücken"),
    ONE(ec2.nu_1_bridge, FACTOR, "EC 2: nu_1, Brücken"),
    ONE(ec2.k1_fatigue_bridge, FACTOR, "EC 2: k_1 (Ermüdung), Brücken"),
    ROW(ec2.k_stress_bridge, 5, FACTOR, "EC 2: k (Spannungsbegrenzung), Brücken"),
    ONE(ec2.as_min_column_bridge, RATIO, "EC 2: A_s,min, Stützen, Brücken"),
    ONE(ec2.as_min_column_floor_bridge, RATIO, "EC 2: A_s,min, Stützen, Grenzwert, Brücken"),
    ONE(ec2.r_sup_pre, FACTOR, "EC 2: r_sup (sofortiger Verbund)"),
    ONE(ec2.r_sup_post, FACTOR, "EC 2: r_sup (nachträglicher Verbund)"),
    ONE(ec2.r_inf_pre, FACTOR, "EC 2: r_inf (sofortiger Verbund)"),
    ONE(ec2.r_inf_post, FACTOR, "EC 2: r_inf (nachträglicher Verbund)"),

    // EC 3.
    ONE(ec3.ec31.gamma_m0, GAMMA_M, "EC 3: gamma_M0"),
    ONE(ec3.ec31.gamma_m1, GAMMA_M, "EC 3: gamma_M1"),
    ONE(ec3.ec31.gamma_m2, GAMMA_M, "EC 3: gamma_M2"),
    ONE(ec3.ec31.gamma_m0_acc, GAMMA_M, "EC 3: gamma_M0, außergewöhnlich"),
    ONE(ec3.ec31.gamma_m1_acc, GAMMA_M, "EC 3: gamma_M1, außergewöhnlich"),
    ONE(ec3.ec31.gamma_m2_acc, GAMMA_M, "EC 3: gamma_M2, außergewöhnlich"),
    ONE(ec3.ec31.gamma_m_fi, GAMMA_M, "EC 3: gamma_M,fi"),
    ONE(ec3.ec31.lambda_lt0, REDUCTION, "EC 3: lambda_LT,0"),
    ONE(ec3.ec31.beta_lt, REDUCTION, "EC 3: beta_(Biegedrillknicken)"),
    ONE(ec3.ec31.f_value, REDUCTION, "EC 3: f"),
    ONE(ec3.ec31.k_c_value, REDUCTION, "EC 3: k_c"),
    ONE(ec3.ec38.gamma_m3, GAMMA_M, "EC 3: gamma_M3"),
    ONE(ec3.ec38.gamma_m4, GAMMA_M, "EC 3: gamma_M4"),
    ONE(ec3.ec38.gamma_m5, GAMMA_M, "EC 3: gamma_M5"),
    ONE(ec3.ec38.gamma_m6_ser, GAMMA_M, "EC 3: gamma_M6,ser"),
    ONE(ec3.ec38.gamma_m7, GAMMA_M, "EC 3: gamma_M7"),
    ONE(ec3.ec38.gamma_m3_ser, GAMMA_M, "EC 3: gamma_M3,ser"),
    ONE(ec3.ec38.eta, ETA, "EC 3: eta"),
    ONE(ec3.ec38.gamma_mf_tolerant_low, GAMMA_M, "EC 3: gamma_Mf, schadenstolerant, geringe Folgen"),
    ONE(ec3.ec38.gamma_mf_safe_life_low, GAMMA_M, "EC 3: gamma_Mf, sichere Lebensdauer, geringe Folgen"),
    ONE(ec3.ec38.gamma_mf_tolerant_high, GAMMA_M, "EC 3: gamma_Mf, schadenstolerant, hohe Folgen"),
    ONE(ec3.ec38.gamma_mf_safe_life_high, GAMMA_M, "EC 3: gamma_Mf, sichere Lebensdauer, hohe Folgen"),
    ONE(ec3.ec38.gamma_m_ser, GAMMA_M, "EC 3: gamma_M,ser"),

    // EC 5.
    ONE(ec5.gamma_m_solid, GAMMA_M, "EC 5: gamma_M Vollholz"),
    ONE(ec5.gamma_m_glulam, GAMMA_M, "EC 5: gamma_M Brettschichtholz"),
    ONE(ec5.gamma_m_lvl, GAMMA_M, "EC 5: gamma_M Furnierschichtholz, Sperrholz, OSB"),
    ONE(ec5.gamma_m_particleboard, GAMMA_M, "EC 5: gamma_M Spanplatten"),
    ONE(ec5.gamma_m_hardboard, GAMMA_M, "EC 5: gamma_M harte Faserplatten"),
    ONE(ec5.gamma_m_mediumboard, GAMMA_M, "EC 5: gamma_M mittelharte Faserplatten"),
    ONE(ec5.gamma_m_mdf, GAMMA_M, "EC 5: gamma_M MDF-Platten"),
    ONE(ec5.gamma_m_softboard, GAMMA_M, "EC 5: gamma_M poröse Faserplatten"),
    ONE(ec5.gamma_m_connections, GAMMA_M, "EC 5: gamma_M Verbindungen"),
    ONE(ec5.gamma_m_nail_plates, GAMMA_M, "EC 5: gamma_M Nagelplatten"),
    ONE(ec5.gamma_m_steel, GAMMA_M, "EC 5: gamma_M Stahl in Verbindungen"),
    ONE(ec5.gamma_m_gypsum, GAMMA_M, "EC 5: gamma_M Gipswerkstoffe"),
    ONE(ec5.gamma_m_accidental, GAMMA_M, "EC 5: gamma_M außergewöhnliche Situation"),
    ONE(ec5.gamma_m_fire, GAMMA_M, "EC 5: gamma_M,fi"),
    ONE(ec5.gamma_m_clt, GAMMA_M, "EC 5: gamma_M Brettsperrholz"),
    STRIDED(ec5.k_mod[0][0], 15, 1, 3, K_MOD, "EC 5: k_mod"),
    ROW(ec5.k_def, 3, K_DEF, "EC 5: k_def"),
    STRIDED(ec5.deflection_limits[0][0], 6, 1, 2, DEFLECTION, "EC 5: Durchbiegungsgrenze l/x"),
    ONE(ec5.k_cr_solid, REDUCTION, "EC 5: k_cr Vollholz und Brettschichtholz"),
    ONE(ec5.k_cr_other, REDUCTION, "EC 5: k_cr andere Holzwerkstoffe"),
    ONE(ec5.k_shape_factor, RATIO, "EC 5: Beiwert von k_shape"),
    ONE(ec5.k_shape_max, SHAPE_MAX, "EC 5: Höchstwert von k_shape"),
    ONE(ec5.ltb_glulam_factor, FACTOR, "EC 5: Faktor Kippen, Brettschichtholz"),

    // EC 6 and EC 9.
    ONE(ec6.gamma_m_persistent, GAMMA_M, "EC 6: gamma_M ständige und vorübergehende Situation"),
    ONE(ec6.gamma_m_accidental, GAMMA_M, "EC 6: gamma_M außergewöhnliche Situation"),
    ONE(ec6.gamma_m_seismic, GAMMA_M, "EC 6: gamma_M Erdbeben"),
    ONE(ec6.gamma_m_sls, GAMMA_M, "EC 6: gamma_M Gebrauchstauglichkeit"),
    ONE(ec9.gamma_m1, GAMMA_M, "EC 9: gamma_M1"),
    ONE(ec9.gamma_m2, GAMMA_M, "EC 9: gamma_M2"),
    ONE(ec9.gamma_mp, GAMMA_M, "EC 9: gamma_Mp"),
    ONE(ec9.gamma_mw, GAMMA_M, "EC 9: gamma_Mw"),
    ONE(ec9.gamma_ms_ser, GAMMA_M, "EC 9: gamma_Ms,ser"),
    ONE(ec9.gamma_ms_ult, GAMMA_M, "EC 9: gamma_Ms,ult"),
    ONE(ec9.gamma_ma, GAMMA_M, "EC 9: gamma_Ma"),
    ONE(ec9.gamma_mp_ser, GAMMA_M, "EC 9: gamma_Mp,ser"),
    ONE(ec9.c_6_15, FACTOR, "EC 9: Konstante der Gleichung (6.15)"),
};
// clang-format on

const int FieldCount = int(sizeof Fields / sizeof Fields[0]);

const double* value_at(const NadRecord* r, const NadRangeField& f, int i)
{
    const char* base = reinterpret_cast<const char*>(r) + f.offset;
    return reinterpret_cast<const double*>(base) + size_t(i) * size_t(f.stride);
}

void describe(const NadRangeField& f, int i, double v, NadRangeFault* out)
{
    if (!out) return;
    out->kind = &Kinds[f.kind];
    out->value = v;
    out->field = f.label;
    if (f.count <= 1) return;
    if (f.columns > 1)
        out->field += ", Zeile " + std::to_string(i / f.columns + 1) + ", Spalte " + std::to_string(i % f.columns + 1);
    else
        out->field += ", Nr. " + std::to_string(i + 1);
}

} // namespace

const NadRangeKind* Nad_Range_Kinds(int* count)
{
    if (count) *count = KIND_COUNT;
    return Kinds;
}

const NadRangeField* Nad_Range_Fields(int* count)
{
    if (count) *count = FieldCount;
    return Fields;
}

int Nad_Range_Holds(const NadRangeKind* kind, double v)
{
    if (!kind || !std::isfinite(v)) return 0;
    if (kind->lo_open ? !(v > kind->lo) : !(v >= kind->lo)) return 0;
    if (kind->hi_open ? !(v < kind->hi) : !(v <= kind->hi)) return 0;
    return 1;
}

std::string Nad_Range_Number(double v)
{
    if (!std::isfinite(v)) return std::isnan(v) ? "keine Zahl" : (v > 0 ? "unendlich" : "minus unendlich");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    std::string s = buf;
    // Trailing zeros and a bare point go.
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

std::string Nad_Range_Text(const NadRangeKind* kind)
{
    if (!kind) return std::string();
    return std::string(kind->lo_open ? "über " : "von ") + Nad_Range_Number(kind->lo) +
           (kind->hi_open ? " bis unter " : " bis ") + Nad_Range_Number(kind->hi);
}

const NadRangeKind* Nad_Range_Of(const NadRecord* r, const double* v, NadRangeFault* fault)
{
    if (!r || !v) return nullptr;
    for (const NadRangeField& f : Fields)
        for (int i = 0; i < f.count; ++i)
            if (value_at(r, f, i) == v) {
                describe(f, i, *v, fault);
                return &Kinds[f.kind];
            }
    return nullptr;
}

int Nad_Check_Record(const NadRecord* r, NadRangeFault* fault)
{
    if (!r) return 0;
    for (const NadRangeField& f : Fields)
        for (int i = 0; i < f.count; ++i) {
            const double v = *value_at(r, f, i);
            if (!Nad_Range_Holds(&Kinds[f.kind], v)) {
                describe(f, i, v, fault);
                return 0;
            }
        }
    return 1;
}

std::string Nad_Range_Message(const NadRangeFault& fault)
{
    return "Der Wert " + Nad_Range_Number(fault.value) + " ist für \"" + fault.field +
           "\" nicht zulässig; zulässig ist " + Nad_Range_Text(fault.kind) + ".";
}
