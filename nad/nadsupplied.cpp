// The records of the supplied annex files and their writer.
#include "nad/nadsupplied.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "nad/nadec0.h"
#include "nad/nadec2.h"
#include "nad/nadec3.h"
#include "nad/nadec5.h"
#include "nad/nadec69.h"
#include "nad/nadfile.h"

namespace {

void start(NadRecord* r, int flag, const char* name, int na_de)
{
    std::memset(r, 0, sizeof *r);
    r->flag_index = flag;
    r->user_defined = 0;
    r->na_de = na_de;
    std::snprintf(r->name, sizeof r->name, "%s", name);
}

void set4(double* a, double v0, double v1, double v2, double v3)
{
    a[0] = v0;
    a[1] = v1;
    a[2] = v2;
    a[3] = v3;
}

// DIN EN 1992-1-1/NA:2013-04 (with DIN EN 1992-1-2/NA and DIN EN 1992-2/NA for
// the partial factors of bridges). Parameters the annex defines by a formula
// that the block cannot express keep the recommended values.
void german_concrete(NadEc2Record* c)
{
    Nad_Default_Ec2(c);
    // 2.4.2.4(1): persistent/transient, fatigue, earthquake, accidental
    set4(c->gamma_c, 1.5, 1.5, 1.5, 1.3);
    set4(c->gamma_s, 1.15, 1.15, 1.15, 1.0);
    set4(c->gamma_c_bridge, 1.5, 1.5, 1.5, 1.3);
    set4(c->gamma_s_bridge, 1.15, 1.15, 1.15, 1.0);
    // 4.4.1.2(5) Table 4.4DE, c_min,dur in cm: ---, X0, XC1..XC4, XD1..XD3, XS1..XS3
    const double c_min_dur[12] = {0, 0, 1.0, 2.0, 2.0, 2.5, 4.0, 4.0, 4.0, 4.0, 4.0, 4.0};
    std::memcpy(c->c_min_dur, c_min_dur, sizeof c_min_dur);
    c->delta_c_dev = 1.5;  // 4.4.1.3(1)P: 15 mm
    c->alpha_cc = 0.85;    // 3.1.6(1)P
    c->alpha_ct = 0.85;    // 3.1.6(2)P
    c->alpha_cc_pl = 0.70; // 12.3.1(1)
    c->alpha_ct_pl = 0.70;
    c->alpha_lcc = 0.75; // 11.3.5(1)P
    c->gamma_ce = 1.5;   // 5.8.6(3)
    // 5.5(4): delta >= 0.64 + 0.8 x_u/d (up to C50/60), >= 0.72 + 0.8 x_u/d
    // above; at least 0.7 for high-ductility and 0.85 for normal-ductility steel
    c->k1_redist = 0.64;
    c->k2_redist = 0.8;
    c->k2_redist_mode = 1;
    c->k3_redist = 0.72;
    c->k4_redist = 0.8;
    c->k4_redist_mode = 1;
    c->k5_redist = 0.7;
    c->k6_redist = 0.85;
    c->c_rd_c = 0.15; // 6.2.2(1): C_Rd,c = 0.15/gamma_c, k1 = 0.12
    c->k1_shear = 0.12;
    c->cot_theta_min = 1.0; // 6.2.3(2): 1.0 <= cot theta <= 3.0
    c->cot_theta_max = 3.0;
    // 6.2.5(2): rough-joint values of the annex (verzahnt, rau, glatt, sehr glatt)
    set4(c->joint_c, 0.5, 0.4, 0.2, 0.0);
    set4(c->joint_mu, 0.9, 0.7, 0.6, 0.5);
    set4(c->joint_nu, 0.70, 0.50, 0.20, 0.0);
    c->as_min_column = 0.15; // 9.5.2(2): A_s,min = 0.15 |N_Ed| / f_yd, no A_c bound
    c->as_min_column_mode = 2;
    c->as_min_column_floor = 0.0;
    c->as_vmin_wall = 0.0015; // 9.6.2(1)
    c->as_vmin_wall_mode = 2;
    c->beta_1 = 0.25;  // 9.2.1.2(1)
    c->k3_crack = 0.0; // 7.3.4(3): s_r,max = d_s / (3.6 rho_eff)
    c->k4_crack = 1.0 / 3.6;
    c->lambda_lim = 16.0; // 5.8.3.1(1): 16 / sqrt(n) (25 for |n| >= 0.41)
    c->lambda_lim_mode = 2;
    c->k_hsc_fire = 1.0; // the German annex keeps these at 1.0 in any case
    c->k_m_hsc_fire = 1.0;
    // DIN EN 1992-2/NA: the bridge block, from the one place the library keeps it
    Nad_Ec2_Bridge_Block_De(c);
}

// DIN EN 1995-1-1/NA:2013-08.
void german_timber(NadEc5Record* t)
{
    Nad_Default_Ec5(t);
    // Table NA.2: gamma_M 1.3 for timber and wood-based materials, connections
    // and steel in connections, 1.25 for punched metal plates, 1.0 in
    // accidental combinations; EN 1995-1-2: 1.0 in fire.
    t->gamma_m_solid = 1.3;
    t->gamma_m_glulam = 1.3;
    t->gamma_m_lvl = 1.3;
    t->gamma_m_particleboard = 1.3;
    t->gamma_m_hardboard = 1.3;
    t->gamma_m_mediumboard = 1.3;
    t->gamma_m_mdf = 1.3;
    t->gamma_m_softboard = 1.3;
    t->gamma_m_gypsum = 1.3;
    t->gamma_m_clt = 1.3;
    t->gamma_m_connections = 1.3;
    t->gamma_m_steel = 1.3;
    t->gamma_m_nail_plates = 1.25;
    t->gamma_m_accidental = 1.0;
    t->gamma_m_fire = 1.0;
    // rules of the annex
    t->use_table_na1 = 1;    // load-duration classes by Table NA.1
    t->kmod_na1_index_b = 1; // combined class short/very short, Table NA.1 (b)
    t->use_na11 = 1;
    t->use_table_na4 = 1;
    t->use_table_na15 = 1;
    t->threaded_rods_na = 1;
    t->ltb_na = 1;
    t->simplified_fasteners_na = 1;
    t->use_na20 = 1;
    t->use_na21 = 1;
    t->use_na816 = 1;
    t->use_na7 = 1;
    t->w_net_fin_combination = 2;
    t->k_cr_mode = 2;         // k_cr = 2.0/f_v,k (solid softwood), 2.5/f_v,k (glulam)
    t->k_shape_factor = 0.05; // torsion: k_shape = 1 + 0.05 h/b <= 1.3
    t->k_shape_max = 1.3;
}

} // namespace

void Nad_Build_Standard(NadRecord* r)
{
    start(r, NAD_FLAG_STANDARD, "EC-Standardparameter", 0);
    Nad_Default_Blocks(r);
}

void Nad_Build_Deutschland(NadRecord* r)
{
    start(r, NAD_FLAG_GERMANY, "Deutschland", 1);
    // DIN EN 1990/NA: the building factors of Tables NA.A.1.1 and NA.A.1.2(B)
    // are the recommended ones.
    Nad_Default_Ec0(&r->ec0);
    german_concrete(&r->ec2);
    Nad_Default_Ec3_De(&r->ec3); // DIN EN 1993-1-1/NA, -1-8/NA: gamma_M1 1.1
    german_timber(&r->ec5);
    Nad_Default_Ec6_De(&r->ec6);
    Nad_Default_Ec9_De(&r->ec9);
    Nad_Set_Ec2_Na_De(&r->ec2, 1);
    Nad_Set_Ec3_Na_De(&r->ec3, 1);
    Nad_Set_Ec5_Na_De(&r->ec5, 1);
    Nad_Set_Ec6_Na_De(&r->ec6, 1);
    Nad_Set_Ec9_Na_De(&r->ec9, 1);
}

int Nad_Write_Supplied(const char* folder)
{
    if (!folder || !*folder) return 0;
    const struct {
        const char* file;
        void (*build)(NadRecord*);
    } files[] = {{"Standard.NAD", Nad_Build_Standard}, {"Deutschland.NAD", Nad_Build_Deutschland}};
    int ok = 1;
    for (const auto& f : files) {
        // A record is several kilobytes: not on the stack.
        std::unique_ptr<NadRecord> r(new NadRecord());
        f.build(r.get());
        const std::string path = std::string(folder) + "/" + f.file;
        if (!Nad_Write_File_Replacing(path.c_str(), r.get())) {
            std::fprintf(stderr, "%s: cannot be written\n", path.c_str());
            ok = 0;
        }
    }
    return ok;
}
