// Concrete parameters of a national annex: defaults, the "#EC2" body in all its
// layouts, comparison, copy and checks.
#include "nad/nadec2.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <initializer_list>

#include "nad/nadtitle.h"
#include "platform/kovcp.h"

namespace {

const char* const kExposureNames[12] = {"---", "X0 ", "XC1", "XC2", "XC3", "XC4",
                                        "XD1", "XD2", "XD3", "XS1", "XS2", "XS3"};
const char* const kJointNames[4] = {"verzahnt", "rau", "glatt", "sehr glatt"};
const char* const kSituationNames[4] = {"ständig/veränderlich", "Ermüdung", "Erdbeben", "außergewöhnlich"};

template <size_t N> void copy_text(char (&dst)[N], const char* src)
{
    strncpy(dst, src, N - 1);
    dst[N - 1] = '\0';
}

template <size_t N> void set4(double (&a)[N], std::initializer_list<double> v)
{
    size_t i = 0;
    for (double x : v) {
        if (i < N) a[i++] = x;
    }
}

void set_names(NadEc2Record* r)
{
    for (int i = 0; i < 12; ++i) copy_text(r->exposure_class_names[i], kExposureNames[i]);
    for (int i = 0; i < 4; ++i) copy_text(r->joint_surface_names[i], kJointNames[i]);
    // The names are shown on annex pages and in output lists: code page 850.
    for (int i = 0; i < 4; ++i) copy_text(r->design_situation_names[i], cp850(kSituationNames[i]));
}

void set_bridge_block_de(NadEc2Record* r)
{
    r->alpha_cc_bridge = 0.85;
    r->alpha_ct_bridge = 1.0;
    r->c_rd_c_bridge = 0.15;
    r->v_min_bridge = 0.0525;
    r->k1_shear_bridge = 0.12;
    r->cot_theta_min_bridge = 1.0;
    r->cot_theta_max_bridge = 1.75;
    r->alpha_cw_bridge = 1.0;
    r->nu_1_bridge = 0.75;
    r->k1_fatigue_bridge = 1.0;
    r->as_min_column_bridge = 0.15;
    r->as_min_column_floor_bridge = 0.003;
    r->as_min_column_bridge_mode = 2;
    r->v_min_bridge_mode = 2;
    r->nu_1_bridge_mode = 1;
}

// Number reader over whitespace-separated tokens; the first failure sticks.
struct Tokens {
    FILE* f;
    bool ok = true;

    void i(int* v)
    {
        if (ok && fscanf(f, "%d", v) != 1) ok = false;
    }
    void d(double* v)
    {
        if (ok && fscanf(f, "%lf", v) != 1) ok = false;
    }
    // One token as a word, bounded; the rest of an overlong word is passed over.
    void word(char* buf, size_t n)
    {
        if (!ok) return;
        char fmt[16];
        snprintf(fmt, sizeof fmt, "%%%zus", n - 1);
        if (fscanf(f, fmt, buf) != 1) {
            ok = false;
            return;
        }
        int c;
        while ((c = fgetc(f)) != EOF && !isspace(c)) {}
        if (c != EOF) ungetc(c, f);
    }
    void skip_word()
    {
        char tmp[512];
        word(tmp, sizeof tmp);
    }
};

} // namespace

void Nad_Default_Ec2(NadEc2Record* r)
{
    if (!r) return;
    memset(r, 0, sizeof *r);
    r->na_de = 0;
    r->version = 1;
    set_names(r);
    set4(r->c_min_dur, {0, 1, 1.5, 2.5, 2.5, 3, 3.5, 4, 4.5, 3.5, 4, 4.5});
    set4(r->delta_c_dur_gamma, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    set4(r->gamma_c, {1.5, 1.5, 1.5, 1.2});
    set4(r->gamma_s, {1.15, 1.15, 1.15, 1.0});
    set4(r->gamma_c_bridge, {1.5, 1.5, 1.5, 1.2});
    set4(r->gamma_s_bridge, {1.15, 1.15, 1.15, 1.0});
    r->gamma_c_sls = 1.0;
    r->gamma_s_sls = 1.0;
    r->delta_c_dev = 1.0;
    r->delta_c_dur_st = 0;
    r->delta_c_dur_add = 0;
    r->alpha_cc = 1.0;
    r->alpha_ct = 1.0;
    r->alpha_cc_pl = 0.8;
    r->alpha_ct_pl = 0.8;
    r->alpha_lcc = 0.85;
    r->alpha_lct = 0.85;
    r->gamma_ce = 1.2;
    r->as_min_beam = 0.26;
    r->as_min_column = 0.10;
    r->as_vmin_wall = 0.002;
    r->as_min_beam_floor = 0.0013;
    r->as_min_column_floor = 0.002;
    r->k1_redist = 0.44;
    r->k2_redist = 1.25;
    r->k3_redist = 0.54;
    r->k4_redist = 1.25;
    r->k5_redist = 0.7;
    r->k6_redist = 0.8;
    r->redist_extra = 0.7;
    r->c_rd_c = 0.18;
    r->v_min = 0.0525;
    r->k1_shear = 0.15;
    r->nu_shear = 0.6;
    r->nu_torsion = 0.6;
    r->c_lrd_c = 0.15;
    r->v_l_min = 0.042;
    r->k_l1 = 0.15;
    r->nu_l_shear = 0.5;
    r->nu_l_torsion = 0.5;
    r->cot_theta_min = 1.0;
    r->cot_theta_max = 2.5;
    r->nu_1 = 0.6;
    r->nu_1l = 0.5;
    r->alpha_cw = 1.0;
    r->k_flange = 0.4;
    set4(r->joint_c, {0.5, 0.4, 0.2, 0.05});
    set4(r->joint_mu, {0.9, 0.7, 0.6, 0.5});
    set4(r->joint_nu, {0.6, 0.6, 0.6, 0.6});
    r->rho_w_min = 0.08;
    r->cot_theta_f_tension = 1.0;
    r->cot_theta_f_compression = 1.2;
    r->k_p = 1.5;
    r->k3_crack = 3.4;
    r->k4_crack = 0.425;
    r->k1_fatigue = 0.85;
    r->gamma_f_fat = 1.0;
    set4(r->k_system, {1.0, 1.3, 1.5, 1.2, 0.4});
    r->k1_bar_spacing = 1.0;
    r->beta_1 = 0.15;
    r->beta_2 = 0.25;
    r->theta_0_inv = 200;
    r->conductivity_factor = 0.5;
    r->k_hsc_fire = 1.1;
    r->k_m_hsc_fire = 0.95;
    r->lambda_lim = 10.78;
    r->alpha_cc_bridge = 0.85;
    r->alpha_ct_bridge = 1.0;
    r->c_rd_c_bridge = 0.18;
    r->v_min_bridge = 0.0525;
    r->k1_shear_bridge = 0.15;
    r->cot_theta_min_bridge = 1.0;
    r->cot_theta_max_bridge = 2.5;
    r->alpha_cw_bridge = 1.0;
    r->nu_1_bridge = 0.6;
    r->k1_fatigue_bridge = 0.85;
    set4(r->k_stress_bridge, {0.6, 0.45, 0.8, 1.0, 0.65});
    r->as_min_column_bridge = 0.10;
    r->as_min_column_floor_bridge = 0.002;
    r->r_sup_pre = 1.05;
    r->r_sup_post = 1.10;
    r->r_inf_pre = 0.95;
    r->r_inf_post = 0.90;
    r->as_min_beam_mode = 2;
    r->as_min_column_mode = 2;
    r->as_vmin_wall_mode = 2;
    r->k2_redist_mode = 2;
    r->k4_redist_mode = 2;
    r->v_min_mode = 2;
    r->nu_mode = 2;
    r->v_l_min_mode = 2;
    r->nu_l_mode = 2;
    r->nu_1_mode = 2;
    r->nu_1l_mode = 2;
    r->rho_w_min_mode = 2;
    r->conductivity_mode = 1;
    r->rebar_class_fire = 0;
    r->hsc_class_fire = 1;
    r->lambda_lim_mode = 2;
    r->as_min_column_bridge_mode = 2;
    r->v_min_bridge_mode = 2;
    r->nu_1_bridge_mode = 2;
    r->reserve_a = 0;
    r->reserve_b = 0;
    r->reserve_selector = 0;
}

void Nad_Default_Ec2_For_Norm(int norm, NadEc2Record* r)
{
    if (!r) return;
    if (norm == 4 || norm == 21) {
        Nad_Default_Ec2(r);
        return;
    }
    // Everything but the bridge stress limits and the prestress scatter factors.
    double k_stress[5];
    memcpy(k_stress, r->k_stress_bridge, sizeof k_stress);
    const double r_sup_pre = r->r_sup_pre, r_sup_post = r->r_sup_post;
    const double r_inf_pre = r->r_inf_pre, r_inf_post = r->r_inf_post;
    memset(r, 0, sizeof *r);
    memcpy(r->k_stress_bridge, k_stress, sizeof k_stress);
    r->r_sup_pre = r_sup_pre;
    r->r_sup_post = r_sup_post;
    r->r_inf_pre = r_inf_pre;
    r->r_inf_post = r_inf_post;

    r->na_de = 0;
    r->version = 1;
    set_names(r);
    set4(r->c_min_dur, {0, 0, 1, 2, 2, 2.5, 4, 4, 4, 4, 4, 4});
    set4(r->delta_c_dur_gamma, {0, 0, 0, 0, 0, 0, 1, 0.5, 0, 1, 0.5, 0});
    set4(r->gamma_c, {1.5, 1.5, 1.5, 1.3});
    set4(r->gamma_s, {1.15, 1.15, 1.15, 1.0});
    set4(r->gamma_c_bridge, {1.5, 1.5, 1.5, 1.3});
    set4(r->gamma_s_bridge, {1.15, 1.15, 1.15, 1.0});
    r->gamma_c_sls = 1.0;
    r->gamma_s_sls = 1.0;
    r->delta_c_dev = 1.5;
    r->delta_c_dur_st = 0;
    r->delta_c_dur_add = 0;
    r->alpha_cc = 0.85;
    r->alpha_ct = 1.0;
    r->alpha_cc_pl = 0.85;
    r->alpha_ct_pl = 1.0;
    r->alpha_lcc = 0.75;
    r->alpha_lct = 1.0;
    r->gamma_ce = 1.5;
    r->as_min_beam = 1.0;
    r->as_min_column = 0.15;
    r->as_vmin_wall = 0.0015;
    r->as_min_beam_floor = 0;
    r->as_min_column_floor = 0;
    r->k1_redist = 0.64;
    r->k2_redist = 0.8;
    r->k3_redist = 0.72;
    r->k4_redist = 0.8;
    r->k5_redist = 0.7;
    r->k6_redist = 0.85;
    r->redist_extra = 0.8;
    r->c_rd_c = 0.15;
    r->v_min = 0;
    r->k1_shear = 0.12;
    r->nu_shear = 0.75;
    r->nu_torsion = 0.75;
    r->c_lrd_c = 0.15;
    r->v_l_min = 0;
    r->k_l1 = 0.12;
    r->nu_l_shear = 0.75;
    r->nu_l_torsion = 0.75;
    r->cot_theta_min = 0.5773503;
    r->cot_theta_max = 3.0;
    r->nu_1 = 0.75;
    r->nu_1l = 0.75;
    r->alpha_cw = 1.0;
    r->k_flange = 0;
    if (Nad_Get_Norm_Edition() == 1) {
        set4(r->joint_c, {2.4, 2.0, 1.4, 0});
        set4(r->joint_mu, {1.0, 0.7, 0.6, 0.5});
        set4(r->joint_nu, {0.75, 0.75, 0.75, 0.75});
    } else {
        set4(r->joint_c, {0.5, 0.4, 0.2, 0});
        set4(r->joint_mu, {0.9, 0.7, 0.6, 0.5});
        set4(r->joint_nu, {0.7, 0.5, 0.2, 0});
    }
    r->rho_w_min = 0.16;
    r->cot_theta_f_tension = 1.0;
    r->cot_theta_f_compression = 1.2;
    r->k_p = 1.0;
    r->k3_crack = 0;
    r->k4_crack = 0.2777777777777778;
    r->k1_fatigue = 1.0;
    r->gamma_f_fat = 1.0;
    set4(r->k_system, {1.0, 0.8, 0.6, 0.7, 2.4});
    r->k1_bar_spacing = 1.0;
    r->beta_1 = 0.25;
    r->beta_2 = 0.25;
    r->theta_0_inv = 200;
    r->conductivity_factor = 0;
    r->k_hsc_fire = 1.0;
    r->k_m_hsc_fire = 1.0;
    r->lambda_lim = 16;
    r->as_min_beam_mode = 2;
    r->as_min_column_mode = 2;
    r->as_vmin_wall_mode = 2;
    r->k2_redist_mode = 1;
    r->k4_redist_mode = 1;
    r->v_min_mode = 2;
    r->nu_mode = 2;
    r->v_l_min_mode = 2;
    r->nu_l_mode = 2;
    r->nu_1_mode = 2;
    r->nu_1l_mode = 2;
    r->rho_w_min_mode = 2;
    r->conductivity_mode = 1;
    r->rebar_class_fire = 0;
    r->hsc_class_fire = 1;
    r->lambda_lim_mode = 2;
    // The bridge values follow the building values.
    r->alpha_cc_bridge = r->alpha_cc;
    r->alpha_ct_bridge = r->alpha_ct;
    r->c_rd_c_bridge = r->c_rd_c;
    r->v_min_bridge = r->v_min;
    r->k1_shear_bridge = r->k1_shear;
    r->cot_theta_min_bridge = r->cot_theta_min;
    r->cot_theta_max_bridge = r->cot_theta_max;
    r->alpha_cw_bridge = r->alpha_cw;
    r->nu_1_bridge = r->nu_1;
    r->k1_fatigue_bridge = 1.0;
    r->as_min_column_bridge = r->as_min_column;
    r->as_min_column_floor_bridge = r->as_min_column_floor;
    r->as_min_column_bridge_mode = r->as_min_column_mode;
    r->v_min_bridge_mode = r->v_min_mode;
    r->nu_1_bridge_mode = r->nu_1_mode;
    r->reserve_a = 0;
    r->reserve_b = 0;
    r->reserve_selector = 0;
}

void Nad_Ec2_Bridge_Block_De(NadEc2Record* r)
{
    if (r) set_bridge_block_de(r);
}

NadEc2Record* Nad_Set_Ec2_Na_De(NadEc2Record* r, int value)
{
    if (r) r->na_de = value;
    return r;
}

void Nad_Write_Ec2(FILE* f, const NadEc2Record* r)
{
    if (!f || !r) return;
    fprintf(f, " %d %d", r->k2_redist_mode, r->k4_redist_mode);
    fprintf(f, " %d %d", r->as_min_beam_mode, r->v_min_mode);
    fprintf(f, " %d %d", r->nu_mode, r->v_l_min_mode);
    fprintf(f, " %d %d", r->nu_l_mode, r->nu_1_mode);
    fprintf(f, " %d %lf", r->rho_w_min_mode, r->delta_c_dev);
    fprintf(f, " %lf %lf", r->delta_c_dur_st, r->delta_c_dur_add);
    fprintf(f, " %lf %lf\n", r->gamma_f_fat, r->alpha_ct);

    fprintf(f, " %lf %lf", r->as_min_beam, r->rho_w_min);
    fprintf(f, " %lf %lf", r->cot_theta_f_tension, r->cot_theta_f_compression);
    fprintf(f, " %lf %lf", r->k1_redist, r->k2_redist);
    fprintf(f, " %lf %lf\n", r->k3_redist, r->k4_redist);

    fprintf(f, " %lf %lf", r->k5_redist, r->k6_redist);
    fprintf(f, " %lf %lf", r->nu_torsion, r->c_rd_c);
    fprintf(f, " %lf %lf", r->v_min, r->k1_shear);
    fprintf(f, " %lf %lf", r->nu_shear, r->c_lrd_c);
    fprintf(f, " %lf %lf\n", r->v_l_min, r->k_l1);

    fprintf(f, " %lf %lf", r->nu_l_shear, r->cot_theta_min);
    fprintf(f, " %lf %lf", r->cot_theta_max, r->reserve_b);
    fprintf(f, " %lf %lf", r->nu_1, r->alpha_cw);
    fprintf(f, " %lf %lf", r->k_flange, r->k1_fatigue);
    fprintf(f, " %lf %lf\n", r->k3_crack, r->k4_crack);

    for (int i = 0; i < 4; ++i) fprintf(f, " %lf %lf", r->joint_c[i], r->joint_mu[i]);
    fprintf(f, "\n");
    for (int i = 0; i < 12; ++i) fprintf(f, " %lf", r->c_min_dur[i]);
    fprintf(f, "\n");
    for (int i = 0; i < 12; ++i) fprintf(f, " %lf", r->delta_c_dur_gamma[i]);
    fprintf(f, "\n");

    fprintf(f, " %d\n", (int)NAD_EC2_LAYOUT);

    fprintf(f, " %d %lf %lf\n", r->nu_1l_mode, r->nu_1l, r->reserve_a);
    fprintf(f, " %d %lf %d %lf\n", r->as_min_column_mode, r->as_min_column, r->as_vmin_wall_mode, r->as_vmin_wall);
    fprintf(f, " %d %lf %d\n", r->conductivity_mode, r->conductivity_factor, r->rebar_class_fire);
    for (int i = 0; i < 5; ++i) fprintf(f, " %lf", r->k_system[i]);
    fprintf(f, "\n");
    fprintf(f, " %lf %lf %lf\n", r->alpha_cc, r->alpha_cc_pl, r->alpha_ct_pl);
    fprintf(f, " %lf\n", r->k_p);
    fprintf(f, " %lf %lf %lf %lf %lf %lf %lf %lf\n", r->beta_1, r->nu_l_torsion, r->k1_bar_spacing, r->beta_2,
            r->gamma_c_sls, r->gamma_s_sls, r->as_min_column_floor, r->as_min_beam_floor);
    for (int i = 0; i < 4; ++i) fprintf(f, " %lf %lf", r->gamma_c[i], r->gamma_s[i]);
    fprintf(f, "\n");
    fprintf(f, " %d %d\n", r->reserve_selector, r->na_de);
    for (int i = 0; i < 4; ++i) fprintf(f, " %lf", r->joint_nu[i]);
    fprintf(f, "\n");
    fprintf(f, " %lf %lf\n", r->alpha_lcc, r->alpha_lct);
    fprintf(f, " %d %lf\n", r->hsc_class_fire, r->k_hsc_fire);
    fprintf(f, " %lf\n", r->gamma_ce);
    fprintf(f, " %lf\n", r->k_m_hsc_fire);
    fprintf(f, " %d %lf\n", r->lambda_lim_mode, r->lambda_lim);
    fprintf(f, " %lf\n", r->redist_extra);
    fprintf(f, " %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf\n", r->alpha_cc_bridge, r->alpha_ct_bridge,
            r->c_rd_c_bridge, r->v_min_bridge, r->k1_shear_bridge, r->cot_theta_min_bridge, r->cot_theta_max_bridge,
            r->alpha_cw_bridge, r->nu_1_bridge, r->k1_fatigue_bridge, r->as_min_column_bridge,
            r->as_min_column_floor_bridge);
    fprintf(f, " %d %d %d\n", r->as_min_column_bridge_mode, r->v_min_bridge_mode, r->nu_1_bridge_mode);
    fprintf(f, " %lf  %lf  %lf  %lf %lf\n", r->k_stress_bridge[0], r->k_stress_bridge[1], r->k_stress_bridge[2],
            r->k_stress_bridge[3], r->k_stress_bridge[4]);
    for (int i = 0; i < 4; ++i) fprintf(f, " %lf %lf", r->gamma_c_bridge[i], r->gamma_s_bridge[i]);
    fprintf(f, "\n");
    fprintf(f, " %lf %lf", r->r_sup_pre, r->r_inf_pre);
    fprintf(f, " %lf %lf", r->r_sup_post, r->r_inf_post);
    fprintf(f, "\n");
    fprintf(f, " %lf\n", r->theta_0_inv);
}

namespace {

// The block every layout has (lines 1 to 7). Layout 12 wrote garbage into
// one place: its word is held back in held until the version is known.
void read_common_block(Tokens& t, NadEc2Record* r, char* held, size_t held_size)
{
    t.i(&r->k2_redist_mode);
    t.i(&r->k4_redist_mode);
    t.i(&r->as_min_beam_mode);
    t.i(&r->v_min_mode);
    t.i(&r->nu_mode);
    t.i(&r->v_l_min_mode);
    t.i(&r->nu_l_mode);
    t.i(&r->nu_1_mode);
    t.i(&r->rho_w_min_mode);
    t.d(&r->delta_c_dev);
    t.d(&r->delta_c_dur_st);
    t.d(&r->delta_c_dur_add);
    t.d(&r->gamma_f_fat);
    t.d(&r->alpha_ct);

    t.d(&r->as_min_beam);
    t.d(&r->rho_w_min);
    t.d(&r->cot_theta_f_tension);
    t.d(&r->cot_theta_f_compression);
    t.d(&r->k1_redist);
    t.d(&r->k2_redist);
    t.d(&r->k3_redist);
    t.d(&r->k4_redist);

    t.d(&r->k5_redist);
    t.d(&r->k6_redist);
    t.d(&r->nu_torsion);
    t.d(&r->c_rd_c);
    t.d(&r->v_min);
    t.d(&r->k1_shear);
    t.d(&r->nu_shear);
    t.d(&r->c_lrd_c);
    t.d(&r->v_l_min);
    t.d(&r->k_l1);

    t.d(&r->nu_l_shear);
    t.d(&r->cot_theta_min);
    t.d(&r->cot_theta_max);
    // Layout 12 wrote garbage into this place: hold it back until the version is known.
    t.word(held, held_size);
    t.d(&r->nu_1);
    t.d(&r->alpha_cw);
    t.d(&r->k_flange);
    t.d(&r->k1_fatigue);
    t.d(&r->k3_crack);
    t.d(&r->k4_crack);

    for (int i = 0; i < 4; ++i) {
        t.d(&r->joint_c[i]);
        t.d(&r->joint_mu[i]);
    }
    for (int i = 0; i < 12; ++i) t.d(&r->c_min_dur[i]);
    for (int i = 0; i < 12; ++i) t.d(&r->delta_c_dur_gamma[i]);
}

// The values that layouts 1 to 12 added; garbled: layout 12, whose
// misplaced words are skipped.
void read_layouts_up_to_12(Tokens& t, NadEc2Record* r, int v, bool garbled)
{
    if (v >= 1) {
        t.i(&r->nu_1l_mode);
        t.d(&r->nu_1l);
        if (garbled)
            t.skip_word();
        else
            t.d(&r->reserve_a);
    }
    if (v >= 2) {
        t.i(&r->as_min_column_mode);
        t.d(&r->as_min_column);
        t.i(&r->as_vmin_wall_mode);
        t.d(&r->as_vmin_wall);
    }
    if (v >= 3) {
        t.i(&r->conductivity_mode);
        t.d(&r->conductivity_factor);
        t.i(&r->rebar_class_fire);
    }
    if (v >= 4)
        for (int i = 0; i < 5; ++i) t.d(&r->k_system[i]);
    if (v >= 5) {
        t.d(&r->alpha_cc);
        t.d(&r->alpha_cc_pl);
        t.d(&r->alpha_ct_pl);
    }
    if (v >= 6) t.d(&r->k_p);
    if (v >= 7) {
        t.d(&r->beta_1);
        t.d(&r->nu_l_torsion);
        t.d(&r->k1_bar_spacing);
        t.d(&r->beta_2);
        if (garbled) {
            t.skip_word();
            t.skip_word();
        } else {
            t.d(&r->gamma_c_sls);
            t.d(&r->gamma_s_sls);
        }
        t.d(&r->as_min_column_floor);
        t.d(&r->as_min_beam_floor);
        for (int i = 0; i < 4; ++i) {
            t.d(&r->gamma_c[i]);
            t.d(&r->gamma_s[i]);
        }
        t.i(&r->reserve_selector);
        t.i(&r->na_de);
        for (int i = 0; i < 4; ++i) t.d(&r->joint_nu[i]);
        t.d(&r->alpha_lcc);
        t.d(&r->alpha_lct);
    }
    if (v >= 8) {
        t.i(&r->hsc_class_fire);
        t.d(&r->k_hsc_fire);
    }
    if (v >= 9) t.d(&r->gamma_ce);
    if (v >= 10) t.d(&r->k_m_hsc_fire);
    if (v >= 11) {
        t.i(&r->lambda_lim_mode);
        t.d(&r->lambda_lim);
    }
    if (v >= 12) t.d(&r->redist_extra);
}

// The bridge values of layouts 15 to 18.
void read_bridge_layouts(Tokens& t, NadEc2Record* r, int v)
{
    if (v >= 15) {
        t.d(&r->alpha_cc_bridge);
        t.d(&r->alpha_ct_bridge);
        t.d(&r->c_rd_c_bridge);
        t.d(&r->v_min_bridge);
        t.d(&r->k1_shear_bridge);
        t.d(&r->cot_theta_min_bridge);
        t.d(&r->cot_theta_max_bridge);
        t.d(&r->alpha_cw_bridge);
        t.d(&r->nu_1_bridge);
        t.d(&r->k1_fatigue_bridge);
        t.d(&r->as_min_column_bridge);
        t.d(&r->as_min_column_floor_bridge);
        t.i(&r->as_min_column_bridge_mode);
        t.i(&r->v_min_bridge_mode);
        t.i(&r->nu_1_bridge_mode);
    }
    if (v >= 16)
        for (int i = 0; i < 5; ++i) t.d(&r->k_stress_bridge[i]);
    if (v >= 17) {
        for (int i = 0; i < 4; ++i) {
            t.d(&r->gamma_c_bridge[i]);
            t.d(&r->gamma_s_bridge[i]);
        }
        t.d(&r->r_sup_pre);
        t.d(&r->r_inf_pre);
        t.d(&r->r_sup_post);
        t.d(&r->r_inf_post);
    }
    if (v >= 18) t.d(&r->theta_0_inv);
}

// Brings the values read from an older layout v up to date.
void bring_up_to_date(NadEc2Record* r, int v)
{
    if (v <= 6) {
        // The minimum shear strength was stored without the factor 1.5 of the
        // present formula; torsion used the shear values.
        r->v_min *= 1.5;
        r->nu_torsion = r->nu_shear;
        r->nu_l_torsion = r->nu_l_shear;
    }
    if (v <= 13) {
        r->gamma_c_sls = 1.0;
        r->gamma_s_sls = 1.0;
    }
    if (v <= 14 && r->na_de) set_bridge_block_de(r);
    if (v <= 15 && r->na_de) set4(r->k_stress_bridge, {0.6, 0.45, 0.8, 1.0, 0.65});
    if (v <= 16) {
        set4(r->gamma_c_bridge, {1.5, 1.5, 1.5, r->na_de ? 1.3 : 1.2});
        set4(r->gamma_s_bridge, {1.15, 1.15, 1.15, 1.0});
        if (r->na_de) {
            r->r_sup_pre = 1.05;
            r->r_sup_post = 1.10;
            r->r_inf_pre = 0.95;
            r->r_inf_post = 0.90;
        } else {
            r->r_sup_pre = r->r_sup_post = r->r_inf_pre = r->r_inf_post = 1.0;
        }
    }
    // Up to layout 17 theta_0_inv was not stored and keeps its preset.
}

} // namespace

void Nad_Read_Ec2(FILE* f, NadEc2Record* r)
{
    if (!f || !r) return;
    Nad_Default_Ec2(r);
    r->version = 0;
    // Whatever was read, also of a section damaged halfway, keeps the rules
    // of its annex (the German one fixes the fire factors): else the first
    // save would store values that the next read corrects.
    struct CheckWhatWasRead {
        NadEc2Record* r;
        ~CheckWhatWasRead() { Nad_Check_Ec2(r, 0); }
    } check_at_end{r};

    Tokens t{f};
    char held[512] = "";

    read_common_block(t, r, held, sizeof held);

    int v = 0;
    t.i(&v);
    if (!t.ok) return;

    const bool garbled = (v == 12);
    if (!garbled) {
        if (sscanf(held, "%lf", &r->reserve_b) != 1) return;
    }
    read_layouts_up_to_12(t, r, v, garbled);
    read_bridge_layouts(t, r, v);
    if (!t.ok) return;

    bring_up_to_date(r, v);
    if (v != 0) r->version = v;
}

namespace {

bool differs(double a, double b) { return std::fabs(a - b) > 0.0001; }

template <size_t N> bool differs(const double (&a)[N], const double (&b)[N])
{
    for (size_t i = 0; i < N; ++i)
        if (differs(a[i], b[i])) return true;
    return false;
}

} // namespace

// The selectors and classes that choose between a value and a formula of the
// German annex.
static int selectors_differ(const NadEc2Record* a, const NadEc2Record* b)
{
    const int ia[] = {a->as_min_beam_mode,
                      a->as_min_column_mode,
                      a->as_vmin_wall_mode,
                      a->k2_redist_mode,
                      a->k4_redist_mode,
                      a->v_min_mode,
                      a->nu_mode,
                      a->v_l_min_mode,
                      a->nu_l_mode,
                      a->nu_1_mode,
                      a->nu_1l_mode,
                      a->rho_w_min_mode,
                      a->conductivity_mode,
                      a->rebar_class_fire,
                      a->hsc_class_fire,
                      a->lambda_lim_mode,
                      a->as_min_column_bridge_mode,
                      a->v_min_bridge_mode,
                      a->nu_1_bridge_mode};
    const int ib[] = {b->as_min_beam_mode,
                      b->as_min_column_mode,
                      b->as_vmin_wall_mode,
                      b->k2_redist_mode,
                      b->k4_redist_mode,
                      b->v_min_mode,
                      b->nu_mode,
                      b->v_l_min_mode,
                      b->nu_l_mode,
                      b->nu_1_mode,
                      b->nu_1l_mode,
                      b->rho_w_min_mode,
                      b->conductivity_mode,
                      b->rebar_class_fire,
                      b->hsc_class_fire,
                      b->lambda_lim_mode,
                      b->as_min_column_bridge_mode,
                      b->v_min_bridge_mode,
                      b->nu_1_bridge_mode};
    static_assert(sizeof ia / sizeof ia[0] == 19, "19 selectors and classes");
    for (size_t i = 0; i < 19; ++i)
        if (ia[i] != ib[i]) return 1;
    return 0;
}

// The factors beyond the partial factors, covers and joint values.
static int scalars_differ(const NadEc2Record* a, const NadEc2Record* b)
{
    static const double NadEc2Record::*const kScalars[] = {
        &NadEc2Record::gamma_c_sls,
        &NadEc2Record::gamma_s_sls,
        &NadEc2Record::delta_c_dev,
        &NadEc2Record::delta_c_dur_st,
        &NadEc2Record::delta_c_dur_add,
        &NadEc2Record::alpha_cc,
        &NadEc2Record::alpha_ct,
        &NadEc2Record::alpha_cc_pl,
        &NadEc2Record::alpha_ct_pl,
        &NadEc2Record::alpha_lcc,
        &NadEc2Record::alpha_lct,
        &NadEc2Record::gamma_ce,
        &NadEc2Record::as_min_beam,
        &NadEc2Record::as_min_column,
        &NadEc2Record::as_vmin_wall,
        &NadEc2Record::as_min_beam_floor,
        &NadEc2Record::as_min_column_floor,
        &NadEc2Record::k1_redist,
        &NadEc2Record::k2_redist,
        &NadEc2Record::k3_redist,
        &NadEc2Record::k4_redist,
        &NadEc2Record::k5_redist,
        &NadEc2Record::k6_redist,
        &NadEc2Record::redist_extra,
        &NadEc2Record::c_rd_c,
        &NadEc2Record::v_min,
        &NadEc2Record::k1_shear,
        &NadEc2Record::nu_shear,
        &NadEc2Record::nu_torsion,
        &NadEc2Record::c_lrd_c,
        &NadEc2Record::v_l_min,
        &NadEc2Record::k_l1,
        &NadEc2Record::nu_l_shear,
        &NadEc2Record::nu_l_torsion,
        &NadEc2Record::cot_theta_min,
        &NadEc2Record::cot_theta_max,
        &NadEc2Record::nu_1,
        &NadEc2Record::nu_1l,
        &NadEc2Record::alpha_cw,
        &NadEc2Record::k_flange,
        &NadEc2Record::rho_w_min,
        &NadEc2Record::cot_theta_f_tension,
        &NadEc2Record::cot_theta_f_compression,
        &NadEc2Record::k_p,
        &NadEc2Record::k3_crack,
        &NadEc2Record::k4_crack,
        &NadEc2Record::k1_fatigue,
        &NadEc2Record::gamma_f_fat,
        &NadEc2Record::k1_bar_spacing,
        &NadEc2Record::beta_1,
        &NadEc2Record::beta_2,
        &NadEc2Record::theta_0_inv,
        &NadEc2Record::conductivity_factor,
        &NadEc2Record::k_hsc_fire,
        &NadEc2Record::k_m_hsc_fire,
        &NadEc2Record::lambda_lim,
        &NadEc2Record::alpha_cc_bridge,
        &NadEc2Record::alpha_ct_bridge,
        &NadEc2Record::c_rd_c_bridge,
        &NadEc2Record::v_min_bridge,
        &NadEc2Record::k1_shear_bridge,
        &NadEc2Record::cot_theta_min_bridge,
        &NadEc2Record::cot_theta_max_bridge,
        &NadEc2Record::alpha_cw_bridge,
        &NadEc2Record::nu_1_bridge,
        &NadEc2Record::k1_fatigue_bridge,
        &NadEc2Record::as_min_column_bridge,
        &NadEc2Record::as_min_column_floor_bridge,
        &NadEc2Record::r_sup_pre,
        &NadEc2Record::r_sup_post,
        &NadEc2Record::r_inf_pre,
        &NadEc2Record::r_inf_post,
    };
    for (const auto m : kScalars)
        if (differs(a->*m, b->*m)) return 1;
    return 0;
}

int Nad_Differs_Ec2(const NadEc2Record* a, const NadEc2Record* b)
{
    if (!a || !b) return 1;
    if (a->version < 1 || b->version < 1) return 0;

    if (a->na_de != b->na_de || a->reserve_selector != b->reserve_selector) return 1;
    if (selectors_differ(a, b)) return 1;

    if (differs(a->c_min_dur, b->c_min_dur) || differs(a->delta_c_dur_gamma, b->delta_c_dur_gamma) ||
        differs(a->gamma_c, b->gamma_c) || differs(a->gamma_s, b->gamma_s) ||
        differs(a->gamma_c_bridge, b->gamma_c_bridge) || differs(a->gamma_s_bridge, b->gamma_s_bridge) ||
        differs(a->joint_c, b->joint_c) || differs(a->joint_mu, b->joint_mu) || differs(a->joint_nu, b->joint_nu) ||
        differs(a->k_system, b->k_system) || differs(a->k_stress_bridge, b->k_stress_bridge))
        return 1;

    if (scalars_differ(a, b)) return 1;
    return 0;
}

void Nad_Copy_Ec2(NadEc2Record* dst, const NadEc2Record* src)
{
    if (!dst || !src || dst == src) return;
    const int version = dst->version;
    const double reserve_a = dst->reserve_a;
    const double reserve_b = dst->reserve_b;
    // Every other field is copied; the name tables as terminated texts.
    *dst = *src;
    for (int i = 0; i < 12; ++i) dst->exposure_class_names[i][4] = '\0';
    for (int i = 0; i < 4; ++i) dst->joint_surface_names[i][10] = '\0';
    for (int i = 0; i < 4; ++i) dst->design_situation_names[i][20] = '\0';
    dst->version = version;
    dst->reserve_a = reserve_a;
    dst->reserve_b = reserve_b;
}

int Nad_Check_Ec2(NadEc2Record* r, int repair)
{
    if (!r) return 0;
    if (r->na_de) {
        r->k_hsc_fire = 1.0;
        r->k_m_hsc_fire = 1.0;
    }
    int count = 0;
    auto check = [&](int* field, int lo, int hi, int fallback) {
        if (*field < lo || *field > hi) {
            ++count;
            if (repair) *field = fallback;
        }
    };
    int* selectors[] = {&r->as_min_beam_mode,  &r->as_min_column_mode,
                        &r->as_vmin_wall_mode, &r->k2_redist_mode,
                        &r->k4_redist_mode,    &r->v_min_mode,
                        &r->nu_mode,           &r->v_l_min_mode,
                        &r->nu_l_mode,         &r->nu_1_mode,
                        &r->nu_1l_mode,        &r->rho_w_min_mode,
                        &r->lambda_lim_mode,   &r->as_min_column_bridge_mode,
                        &r->v_min_bridge_mode, &r->nu_1_bridge_mode};
    for (int* s : selectors) check(s, 1, 2, 2);
    check(&r->rebar_class_fire, 0, 1, 0);
    check(&r->hsc_class_fire, 1, 3, 1);
    check(&r->reserve_selector, 0, 2, 1);
    return count;
}
