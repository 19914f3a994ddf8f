#pragma once
// The two records of the timber connection design: the description of one
// connection with dowel-type fasteners or connectors (handed by value to every
// entry, which works on its own copy) and the design result (handed by
// pointer). The fastener functions of the materials library take and fill the
// same records, so they live here, below the connection library.
//
// Units: lengths in mm, angles in degrees unless a field says otherwise,
// densities in kg/m3, strengths in N/mm2, forces in N (kN where the caller asks
// for it), yield moments in Nmm. The records live in memory only: no file ever
// holds their layout.

#include "materials/matfactors.h" // UserMaterial

// A user-defined self-tapping screw (fastener type 43 uses the first block of
// a ConnectionInput, type 44 the second).
struct UserScrewProduct {
    char name[100];       // designation, blank-padded
    int designation_flag; // set to 1 by the preset; not read by the design
    int sub_type;         // head form: 1, 2 and 4 are countersunk heads (type 44)
    int thread_layout;    // 0, 2: one thread at the tip; 1, 3: a second thread under the head
    int product_class;    // tip form; classes 1 and 2 use the drilling-tip spacing rule
    int variant;          // 0 carbon steel, else stainless steel
    int has_washer;
    int diameter_index; // index of the nominal diameter in its choice list
    unsigned char reserved[4];
    int preset_done; // set to 1 by the preset for every type
    double d;        // nominal diameter
    double d_head;
    double d_inner; // core diameter
    double length;
    double head_thread_length; // length of the thread under the head
    double thread_length;      // length of the thread at the tip
    double washer_diameter;
    double axis_angle; // angle between the screw axis and the grain [degrees]
};

// The embedment law of a user-defined material (kind -999): when active,
// f_h,k = c * d^e_d * t^e_t * rho_k^e_rho.
struct UserEmbedmentLaw {
    double c;
    double e_d;
    double e_t;
    double e_rho;
    int active;
};

// One connection. Member 1 is the side member (under the head of a nail or
// screw, or the first plate), member 2 the second or middle member.
struct ConnectionInput {
    int type;    // FastenerType, -2 to 46
    int product; // catalogue product of the fastener or connector type
    int spare_1;
    int spare_2;
    int predrilled;
    int no_clearance;          // holes in metal plates without clearance (else d + 1)
    int thread_in_shear_plane; // bolts: yield moment of the stress-area diameter
    int n_fasteners;           // fasteners of the axially loaded group
    int spare_3;
    int dimension_check_switch; // 1 = spruce, fir or pine (minimum-dimension check)
    int douglas_fir;            // spacings along the grain raised by half
    int wide_edge_distances;    // edge distances across the grain raised to 10 d / 14 d
    int steel_grade;            // SteelGrade code; negative: fu holds the tensile strength
    int spare_4;
    int service_class1;
    int service_class2;
    int duration;            // LoadDurationClass
    int core_hole;           // special nails in holes not wider than the core: 70 % withdrawal
    int bolt_hole_clearance; // bolts: hole d + 1 in a metal plate even without clearance
    int spare_5;
    double d;       // nominal diameter (connectors: d_c)
    double d_inner; // core diameter of a screw thread
    double d_work;  // working diameter of the bolt and plate checks
    double d_head;
    double length;
    double thread_length;
    double d_bolt;    // bolt of a connector
    int shear_planes; // 1 single shear, 2 double shear
    int method;       // 0 simplified, 1 Johansen, 2 design values
    int raise_a;      // +20 % lateral capacity
    int rope_effect;  // add the rope-effect share
    int raise_b;      // +20 % lateral capacity
    int kind1;        // MaterialKind (12 steel, 16 aluminium, -999 user-defined)
    int kind2;
    int grade1; // -999 or 14: user-defined material
    int grade2;
    int resin_coated; // staples: only then axial load
    int head_rule;    // reduced head pull-through rule
    int variant;      // variant flag of the yield-moment rule
    double t1;
    double t2;
    double alpha1; // force to grain, member 1 [degrees]
    double alpha2;
    double crown_angle1; // fastener (staple crown) to grain [degrees]
    double crown_angle2;
    double axis_angle;          // fastener axis to grain [degrees]
    double moisture_at_driving; // [%], staples
    double gamma_m1;
    double gamma_m2;
    double gamma_m_fastener;
    double washer_diameter; // zero or negative: no washer
    double fu;              // f_u,k when steel_grade is negative
    double kmod_given;
    int result_in_kN;
    int kmod_from_materials;
    int bolt_washer_side;          // bolts at a metal side plate: 1 washer bearing, 0 bolt tension
    int group_effect;              // screws: n^-0.1 per fastener
    UserScrewProduct assy_product; // type 43
    UserScrewProduct spax_product; // type 44
    UserMaterial user_material;
    UserEmbedmentLaw embedment_law; // of member 1 when it is user-defined
};

// The buckling check of a self-tapping screw in compression.
struct ScrewBucklingResult {
    double kappa_c;
    double lambda_k;
    double k;
    double N_ki_k;
    double N_pl_k;
    double N_pl_d;
    double f_y_k;
    double c_h;
    double E_s; // 210000
    double I_s;
    double gamma_m1;
    double F_ki_k; // kappa_c * N_pl,k
    double R_ax_k; // withdrawal, characteristic
    double F_ki_d;
    double R_ax_d;
    double f_ax_k;
    double f_ax_d;
    double R_c_k; // min(F_ki,k, R_ax,k)
    double R_c_d;
    int buckling_governs_k;
    int buckling_governs_d;
};

// What the design produces. Force fields in N (kN when result_in_kN is set).
struct ConnectionResult {
    double fvk; // characteristic lateral capacity per fastener
    double fvk_connector;
    double fvd_connector;
    double fvd;
    double gamma_m; // partial factor that turned fvk into fvd
    double gamma_m_connector;
    double check_factor; // reduction factor of the simplified method
    double fu_used;
    double check_factor_2; // beta = f_h2 / f_h1
    double penetration;
    double fvk_total;
    double fvd_total;
    double ax_head_param;
    double fax_thread_1;
    double fax_withdrawal;
    double fax_head;
    double thread_length_1;
    double thread_length_2;
    double fax_result;
    double faxk;
    double faxd;
    double f_withdrawal;
    double f_head;
    double rope_share;
    double k_diameter;
    double f_ax_used;
    double ax_one;
    double panel_factor; // factor A of nails in panels
    double plate_factor; // factor c of nails through a metal plate
    double rho1;
    double rho2;
    double group_factor;
    double k_alpha;
    double k_density;
    double k_thickness;
    double k_4;
    double end_distance_connector;
    double k90;
    double fh0;
    double my_rk;
    double fh1;
    double fh2;
    double my_d;
    double fh1_d;
    double fh2_d;
    double t_req;
    double t_req_2;
    double plate_interpolation;
    double kmod1;
    double kmod2;
    int governing_design_mode;
    int governing_mode; // 30: bearing of an aluminium plate
    int spacing_result1;
    int spacing_result2;
    int effective_planes;
    int ax_flag;
    double spacing1[6]; // a1, a2, a3,t, a3,c, a4,t, a4,c of member 1
    double spacing2[6];
    double kser;
    ScrewBucklingResult buckling;
    int plate_state; // 0 thin, 1 between, 2 thick
    double fu_alu;
    double gamma_m2_alu;
    double k1_alu;
    double alpha_b_alu;
    double fbk_alu;
    double fbd_alu;
    int message_code;
};
