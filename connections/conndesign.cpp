// Entries of the connection design.
#include "connections/conndesign.h"

#include <cmath>

#include "connections/axial.h"
#include "connections/connfields.h"
#include "connections/connmsg.h"
#include "connections/embedment.h"
#include "connections/johansen.h"
#include "connections/plates.h"
#include "connections/simplified.h"
#include "connections/withdrawal.h"
#include "materials/alguete.h"
#include "materials/connformulas.h"
#include "materials/fastcap.h"
#include "materials/fastcat.h"
#include "materials/fastspace.h"
#include "materials/matfactors.h"
#include "materials/matkind.h"
#include "materials/matvalues.h"
#include "materials/stguete.h"
#include "nad/nadec5.h"
#include "nad/nadec69.h"

namespace {

const double kRad = 0.017453292519944444;

double Density(int kind, int grade, double t, const UserMaterial* user)
{
    double rho = 0.0;
    Mat_Rho_k(kind, grade, t, &rho, user);
    return rho;
}

bool User_Grade(int grade) { return grade == -999 || grade == 14; }

// Load direction of Mat_Strengths whose compression value is f_c,90,k.
int Fc90_Direction(int kind)
{
    if ((kind >= MK_SOFTWOOD && kind <= MK_GLULAM_DIN) || kind == MK_BEECH_GL75) return SD_GRAIN_PERPENDICULAR;
    if (kind == MK_OSB || kind == MK_GYPSUM_BOARD || kind == MK_PLYWOOD || kind == MK_KERTO_S || kind == MK_KERTO_Q ||
        kind == MK_BEECH_PANEL || kind == MK_STEICO_LVL || kind == MK_STEICO_GLVL)
        return SD_PLATE_PERPENDICULAR;
    if (kind == MK_PARTICLEBOARD || kind == MK_FIBREBOARD || kind == MK_FERMACELL) return SD_PLATE;
    return SD_PLATE_PARALLEL;
}

// f_c,90,k of one member [kN/m2].
double Member_Fc90(const ConnectionInput& in, int kind, int grade, int service_class, double t)
{
    if (User_Grade(grade)) return 1000.0 * in.user_material.f_c_90_k;
    double f_c = 0.0;
    Mat_Strengths(kind, grade, service_class, Fc90_Direction(kind), t, t, nullptr, nullptr, &f_c, nullptr, nullptr,
                  nullptr);
    return f_c;
}

// The fastener's length within the members it really reaches, and the
// thicknesses it works in.
void Effective_Length(ConnectionInput* in, double penetration, double* t1e_out, double* t2e_out)
{
    const int type = in->type;
    double L = in->length;
    double t1e = in->t1, t2e = in->t2;
    const double s = std::sin(in->axis_angle * kRad);
    const bool special = Fastener_Is_Special_Nail(type);
    if (in->shear_planes == 1) t2e = std::fmin(in->t2, penetration);
    if (special && t2e > L) {
        t2e = L;
    } else if (in->shear_planes == 1) {
        if (s > 0.0 && L * s > in->t1 + t2e) L = (in->t1 + t2e) / s;
    } else if (in->shear_planes == 2) {
        if (s > 0.0 && in->t1 / s > penetration) {
            L = L + penetration - in->t1 / s;
            t1e = penetration;
        }
    }
    in->length = L;
    in->thread_length = std::fmin(in->thread_length, L);
    if (t1e_out) *t1e_out = t1e;
    if (t2e_out) *t2e_out = t2e;
}

} // namespace

namespace {

int Refuse_Input(int code, const char* name, const char** field)
{
    if (field) *field = name;
    return code;
}

// Every number of the input, the user material's k_mod table included.
int Check_Finite(const ConnectionInput& in, const char** field)
{
    int count = 0;
    const ConnField* fields = Conn_Fields(&count);
    for (int i = 0; i < count; ++i) {
        if (fields[i].kind != CONN_FIELD_DOUBLE) continue;
        const double v = *static_cast<const double*>(Conn_Field_Address(&in, fields[i]));
        if (!std::isfinite(v)) return Refuse_Input(CONN_INPUT_NOT_FINITE, fields[i].name, field);
    }
    for (const auto& row : in.user_material.k_mod)
        for (double v : row)
            if (!std::isfinite(v)) return Refuse_Input(CONN_INPUT_NOT_FINITE, "user.k_mod", field);
    return 0;
}

// A connector is designed with the data of its catalogue product.
int Check_Connector_Product(const ConnectionInput& in, const char** field)
{
    const ConnectorCatalogueTable* table = Connector_Catalogue_Table(in.type);
    if (!table || in.product < 0 || in.product >= table->count)
        return Refuse_Input(CONN_INPUT_PRODUCT, "product", field);
    if (std::fabs(table->products[in.product].dc - in.d) > 0.01)
        return Refuse_Input(CONN_INPUT_PRODUCT_DIAMETER, "d", field);
    return 0;
}

} // namespace

int Conn_Fastener_Range(int type, double* d_min, double* d_max, double* length_max)
{
    double lo = 0.0, hi = 0.0, l_max = 0.0;
    if (type < FT_NAIL || type > FT_SIMPSON_CSA) return 0;
    if (type == FT_DOWEL || type == FT_BOLT) {
        // EN 1995-1-1, 10.4.3 and 10.4.4 / DIN 1052: dowels and bolts 6 to 30 mm
        lo = 6.0;
        hi = 30.0;
    } else if (Fastener_Is_Connector(type)) {
        hi = 400.0;
    } else if (Fastener_Is_Wood_Screw(type) || Conn_Is_Screw_Product(type)) {
        hi = 24.0;
        l_max = 3000.0;
    } else {
        // nails, staples, special nails
        hi = 12.0;
        l_max = 1000.0;
    }
    if (d_min) *d_min = lo;
    if (d_max) *d_max = hi;
    if (length_max) *length_max = l_max;
    return 1;
}

int Conn_Check_Input(const ConnectionInput& input, const char** field)
{
    if (field) *field = nullptr;
    ConnectionInput in = input;
    User_Screw_Apply_Assy(&in);
    User_Screw_Apply_Spax(&in);
    const int type = in.type;
    const bool user_screw = type == FT_ASSY_USER || type == FT_SPAX_USER;
    const char* d_name = type == FT_ASSY_USER ? "p43.d" : (type == FT_SPAX_USER ? "p44.d" : "d");
    const char* length_name = type == FT_ASSY_USER ? "p43.length" : (type == FT_SPAX_USER ? "p44.length" : "length");
    if (const int code = Check_Finite(input, field)) return code;
    double d_min = 0.0, d_max = 0.0, length_max = 0.0;
    if (!Conn_Fastener_Range(type, &d_min, &d_max, &length_max)) return Refuse_Input(CONN_INPUT_TYPE, "type", field);
    if (in.shear_planes != 1 && in.shear_planes != 2)
        return Refuse_Input(CONN_INPUT_SHEAR_PLANES, "shear_planes", field);
    if (in.method < 0 || in.method > 2) return Refuse_Input(CONN_INPUT_METHOD, "method", field);
    if (!(in.t1 > 0.0)) return Refuse_Input(CONN_INPUT_THICKNESS_1, "t1", field);
    if (!(in.t2 > 0.0)) return Refuse_Input(CONN_INPUT_THICKNESS_2, "t2", field);
    if (!(in.d > 0.0)) return Refuse_Input(CONN_MSG_DIAMETER_NOT_POSITIVE, d_name, field);
    if (in.d < d_min || in.d > d_max) return Refuse_Input(CONN_INPUT_DIAMETER, d_name, field);
    if (length_max > 0.0) {
        if (!(in.length > 0.0)) return Refuse_Input(CONN_MSG_TOO_SHORT, length_name, field);
        if (in.length > length_max) return Refuse_Input(CONN_INPUT_LENGTH, length_name, field);
    }
    if (Conn_Is_Bolted_Connector(type) && (in.d_bolt < 6.0 || in.d_bolt > 30.0))
        return Refuse_Input(in.d_bolt > 0.0 ? int(CONN_INPUT_BOLT_DIAMETER) : int(CONN_MSG_DIAMETER_NOT_POSITIVE),
                            "d_bolt", field);
    if (in.steel_grade >= 0 && Steel_Guete_Record(in.steel_grade) == Steel_Guete_Fallback(in.steel_grade >> 16))
        return Refuse_Input(CONN_INPUT_STEEL_GRADE, "steel_grade", field);
    const bool fu_read = !Conn_Is_Screw_Product(type) && type != FT_RING_A1 && type != FT_PLATE_B1 &&
                         type != FT_SIMPSON_CNA && type != FT_SIMPSON_CSA;
    if (fu_read && in.steel_grade < 0 && !(in.fu > 0.0)) return Refuse_Input(CONN_INPUT_FU, "fu", field);
    // The axial design value divides by the larger of the members' factors.
    const char* gammas[] = {"gamma_m1", "gamma_m2", "gamma_m_fastener"};
    const double values[] = {in.gamma_m1, in.gamma_m2, in.gamma_m_fastener};
    for (int i = 0; i < 3; ++i)
        if (values[i] != 0.0 && values[i] < 1.0) return Refuse_Input(CONN_INPUT_GAMMA_M, gammas[i], field);
    const bool design_values = in.method == 2 && !user_screw;
    if (in.gamma_m1 < 1.0 && (in.gamma_m2 < 1.0 || design_values || Fastener_Is_Connector(type)))
        return Refuse_Input(CONN_INPUT_GAMMA_M, "gamma_m1", field);
    if (in.gamma_m2 < 1.0 && (design_values || Conn_Is_Bolted_Connector(type)))
        return Refuse_Input(CONN_INPUT_GAMMA_M, "gamma_m2", field);
    if (in.gamma_m_fastener < 1.0 && design_values) return Refuse_Input(CONN_INPUT_GAMMA_M, "gamma_m_fastener", field);
    if (!in.kmod_from_materials && in.kmod_given >= 1e-7 && in.kmod_given > 1.1)
        return Refuse_Input(CONN_INPUT_KMOD, "kmod_given", field);
    if (in.kmod_from_materials || in.kmod_given < 1e-7) {
        // k_mod from the materials: a service class 1 to 3 of each timber
        // member and a load-duration class with a k_mod (not "frei").
        if (!Conn_Is_Metal(in.kind1) && (in.service_class1 < 1 || in.service_class1 > 3))
            return Refuse_Input(CONN_INPUT_KMOD, "service_class1", field);
        if (!Conn_Is_Metal(in.kind2) && (in.service_class2 < 1 || in.service_class2 > 3))
            return Refuse_Input(CONN_INPUT_KMOD, "service_class2", field);
        if (in.duration < 0 || in.duration > 7) return Refuse_Input(CONN_INPUT_KMOD, "duration", field);
    }
    if (Fastener_Is_Connector(type)) return Check_Connector_Product(in, field);
    return 0;
}

void Conn_Kmod(const ConnectionInput& in, ConnectionResult* r)
{
    if (in.kmod_from_materials || in.kmod_given < 1e-7) {
        const bool metal1 = Conn_Is_Metal(in.kind1), metal2 = Conn_Is_Metal(in.kind2);
        if (!metal2) Mat_Kmod(in.kind2, in.grade2, in.service_class2, in.duration, &r->kmod2, &in.user_material);
        if (!metal1) Mat_Kmod(in.kind1, in.grade1, in.service_class1, in.duration, &r->kmod1, &in.user_material);
        if (metal1) r->kmod1 = r->kmod2;
        if (metal2) r->kmod2 = r->kmod1;
    } else {
        r->kmod1 = r->kmod2 = in.kmod_given;
    }
}

namespace {

// Densities and k_mod of both members; 0 or the code of the first value the
// materials cannot give.
int Member_Values(const ConnectionInput& in, ConnectionResult* r)
{
    r->rho1 = Density(in.kind1, in.grade1, in.t1, &in.user_material);
    r->rho2 = Density(in.kind2, in.grade2, in.t2, &in.user_material);
    if (!Conn_Is_Metal(in.kind1) && !(r->rho1 > 0.0)) return CONN_INPUT_DENSITY_1;
    if (!Conn_Is_Metal(in.kind2) && !(r->rho2 > 0.0)) return CONN_INPUT_DENSITY_2;
    Conn_Kmod(in, r);
    if (!(r->kmod1 > 0.0 && r->kmod1 <= 1.1 && r->kmod2 > 0.0 && r->kmod2 <= 1.1)) return CONN_INPUT_KMOD;
    return 0;
}

// A refusal leaves nothing of the run behind.
int Refused(int code, ConnectionResult* r)
{
    Conn_Clear(r);
    return code;
}

} // namespace

int Conn_Axial_Design(ConnectionInput in, ConnectionResult* r)
{
    if (!r) return 0;
    Conn_Clear(r);
    if (const int code = Conn_Check_Input(in, nullptr)) return code;
    User_Screw_Apply_Assy(&in);
    User_Screw_Apply_Spax(&in);
    const int type = in.type;
    if (const int code = Member_Values(in, r)) return Refused(code, r);
    r->gamma_m = r->gamma_m_connector = 1.0;
    if (!((type >= FT_SCREW_1A && type <= FT_ASSY_VG_COUNTERSUNK) || type == FT_ASSY_USER || type == FT_SPAX_USER))
        in.axis_angle = 90.0;
    const UserEmbedmentLaw* law = &in.embedment_law;

    if (Fastener_Is_Pin(type)) {
        Nail_Penetration_Reduction(type, in.fu, in.shear_planes, in.d, in.length, in.axis_angle, in.predrilled,
                                   in.variant, 0, 0, in.t1, in.t2, r->rho1, r->rho2, in.kind1, in.kind2, in.grade1,
                                   in.grade2, law, nullptr, &r->penetration, &r->effective_planes, nullptr, &r->t_req,
                                   &r->t_req_2);
        in.d_work = in.d;
        in.d_head = std::fmax(in.d_head, in.d);
        Effective_Length(&in, r->penetration, nullptr, nullptr);
        r->fvk_total = r->fvk;
    }

    // Compression perpendicular to the grain under the head or washer.
    const bool metal1 = Conn_Is_Metal(in.kind1);
    double f;
    if (metal1) {
        f = Member_Fc90(in, in.kind2, in.grade2, in.service_class2, in.t2);
    } else {
        f = Member_Fc90(in, in.kind1, in.grade1, in.service_class1, in.t1);
        if (in.shear_planes == 1) f = std::fmin(f, Member_Fc90(in, in.kind2, in.grade2, in.service_class2, in.t2));
    }
    const double fc = 0.001 * f;

    double p = in.t2;
    if (Fastener_Is_Pin(type)) {
        p = 0.0;
        Nail_Penetration_Reduction(type, in.fu, in.shear_planes, in.d, in.length, in.axis_angle, 0, in.variant,
                                   in.thread_in_shear_plane, 0, in.t1, in.t2, r->rho1, r->rho2, in.kind1, in.kind2,
                                   in.grade1, in.grade2, law, nullptr, &p, nullptr, nullptr, nullptr, nullptr);
    }
    r->faxk = ActiveNadEc5 ? Axial_Capacity_Screw_Eta(in, p, fc, r) : Axial_Capacity_Nail_Screw(in, p, fc, r);
    if (in.result_in_kN) {
        r->faxk *= 0.001;
        r->faxd *= 0.001;
    }
    return 0;
}

namespace {

bool Is_Staple(int type) { return type == FT_STAPLE; }
bool Is_Wood_Screw(int type) { return type >= FT_SCREW_1A && type <= FT_SCREW_3C; }

// gamma_M2 of aluminium joints; the recommended 1.25 when no EC9 block is published.
double Alu_Gamma_M2() { return ActiveNadEc9 ? ActiveNadEc9->gamma_m2 : 1.25; }

// Minimum spacings in a metal plate from the hole diameter d0.
void Plate_Spacings(double d0, double* a)
{
    a[0] = a[1] = 2.4 * d0;
    a[2] = a[3] = a[4] = a[5] = 1.2 * d0;
}

int Spacing_Rule(const ConnectionInput& in, int kind, double rho, double d_prime, double alpha_rad, double crown_deg,
                 double* a)
{
    return Fastener_Min_Spacings(in.type, in.predrilled, in.no_clearance, in.douglas_fir, in.wide_edge_distances, kind,
                                 rho, in.d, d_prime, alpha_rad, crown_deg * kRad, in.t1, in.t2, &a[0], &a[1], &a[2],
                                 &a[3], &a[4], &a[5]);
}

bool Cut_Tip_Rule(const ConnectionInput& in, int kind)
{
    const int c = in.spax_product.product_class;
    return in.type == FT_SPAX_USER && !in.predrilled &&
           (kind == MK_BEECH_GL75 || kind == MK_UNLISTED_SOFTWOOD || (kind >= MK_SOFTWOOD && kind <= MK_GLULAM_DIN)) &&
           (c == 1 || c == 2);
}

void Spacings(const ConnectionInput& in, ConnectionResult* r)
{
    const bool metal1 = Conn_Is_Metal(in.kind1), metal2 = Conn_Is_Metal(in.kind2);
    const double a1r = in.alpha1 * kRad, a2r = in.alpha2 * kRad;
    if (Fastener_Is_Connector(in.type)) {
        if (metal1) {
            double d0 = in.type == FT_PLATE_B1 ? Connector_Value_By_Key(31, in.product, "dc") : in.d_bolt;
            if (!in.no_clearance) d0 += 1.0;
            Plate_Spacings(d0, r->spacing1);
        } else {
            r->spacing_result1 = Spacing_Rule(in, in.kind1, r->rho1, in.d_bolt, a1r, in.crown_angle1, r->spacing1);
        }
        r->spacing_result2 =
            Spacing_Rule(in, metal1 ? MK_STEEL_PLATE : in.kind2, r->rho2, in.d_bolt, a2r, in.crown_angle2, r->spacing2);
        return;
    }
    const double d0 = ((in.type == FT_BOLT && in.bolt_hole_clearance) || !in.no_clearance) ? in.d + 1.0 : in.d;
    double* s1 = r->spacing1;
    double* s2 = r->spacing2;
    if (metal1)
        Plate_Spacings(d0, s1);
    else if (Cut_Tip_Rule(in, in.kind1))
        r->spacing_result1 = Fastener_Min_Spacings_Cut_Tip(in.spax_product, 0, in.kind1, a1r, &s1[0], &s1[1], &s1[2],
                                                           &s1[3], &s1[4], &s1[5]);
    else
        r->spacing_result1 = Spacing_Rule(in, in.kind1, r->rho1, in.d, a1r, in.crown_angle1, s1);
    if (metal2)
        Plate_Spacings(d0, s2);
    else if (Cut_Tip_Rule(in, in.kind2))
        r->spacing_result2 = Fastener_Min_Spacings_Cut_Tip(in.spax_product, 0, in.kind2, a2r, &s2[0], &s2[1], &s2[2],
                                                           &s2[3], &s2[4], &s2[5]);
    else
        r->spacing_result2 =
            Spacing_Rule(in, metal1 ? MK_STEEL_PLATE : in.kind2, r->rho2, in.d, a2r, in.crown_angle2, s2);
}

// f_c,90,k under the head or washer [N/mm2].
double Design_Fc90(const ConnectionInput& in)
{
    const bool metal1 = Conn_Is_Metal(in.kind1), metal2 = Conn_Is_Metal(in.kind2);
    const double fc1 = metal1 ? 0.0
                              : (User_Grade(in.grade1) ? 1000.0 * in.user_material.f_c_90_k
                                                       : Mat_Fc90k(in.kind1, in.grade1, in.service_class1, 1));
    const double fc2 = Mat_Fc90k(in.kind2, in.grade2, in.service_class2, 1);
    double f;
    if (in.type == FT_BOLT && in.shear_planes == 1)
        f = metal1 ? fc2 : (metal2 ? fc1 : std::fmin(fc1, fc2));
    else
        f = metal1 ? fc2 : fc1;
    return 0.001 * f;
}

double Penetration_Value(const ConnectionInput& in, const ConnectionResult* r)
{
    if (!Fastener_Is_Pin(in.type)) return in.t2;
    double p = 0.0;
    Nail_Penetration_Reduction(in.type, in.fu, in.shear_planes, in.d, in.length, in.axis_angle, 0, in.variant,
                               in.thread_in_shear_plane, 0, in.t1, in.t2, r->rho1, r->rho2, in.kind1, in.kind2,
                               in.grade1, in.grade2, &in.embedment_law, nullptr, &p, nullptr, nullptr, nullptr,
                               nullptr);
    return p;
}

double Axial(const ConnectionInput& in, double p, double fc, ConnectionResult* r)
{
    return ActiveNadEc5 ? Axial_Capacity_Screw_Eta(in, p, fc, r) : Axial_Capacity_Nail_Screw(in, p, fc, r);
}

double Rope(const ConnectionInput& in, double f_ref, double p, double fc, ConnectionResult* r)
{
    if (in.rope_effect != 1 ||
        !Axial_Load_Allowed(in.type, in.resin_coated, in.predrilled, in.no_clearance, in.kind1, in.kind2))
        return 0.0;
    return Rope_Effect_Share(in, f_ref, p, fc, r);
}

// Procedure G: the partial factor of a check that does not set its own.
void Governing_Gamma(const ConnectionInput& in, ConnectionResult* r)
{
    if (r->governing_mode == 30)
        r->gamma_m = Alu_Gamma_M2();
    else if (in.method == 0)
        r->gamma_m = 1.1;
    else if (!ActiveNadEc5)
        r->gamma_m = 1.3;
    else
        r->gamma_m = ActiveNadEc5->gamma_m_connections;
}

// Procedure A: bearing of the fastener in an aluminium plate of thickness t.
void Aluminium_Check(const ConnectionInput& in, double d, double t, int grade, ConnectionResult* r)
{
    r->gamma_m2_alu = Alu_Gamma_M2();
    r->fu_alu = Alu_Guete_Fu(static_cast<unsigned>(grade));
    const double v = Plate_Bearing_Resistance(d, in.no_clearance, r->fu_alu, &r->k1_alu, &r->alpha_b_alu);
    r->fbk_alu = d * t * v;
    r->fbd_alu = r->gamma_m2_alu > 0.0 ? r->fbk_alu / r->gamma_m2_alu : 0.0;
    if (r->fbk_alu < r->fvk) {
        r->fvk = r->fbk_alu;
        r->governing_mode = 30;
        r->gamma_m = r->gamma_m2_alu;
    }
    if (r->fbd_alu < r->fvd) {
        r->fvd = r->fbd_alu;
        r->governing_design_mode = 30;
    }
}

double Steel_Fu(const ConnectionInput& in)
{
    return in.steel_grade >= 0 ? Steel_Guete_Record(in.steel_grade)->f_u : in.fu;
}

// Timber to timber (or panel) by the Johansen modes, characteristic and design.
void Johansen_Pair(const ConnectionInput& in, int type, double d, double L, int predrilled, int thread, double t1,
                   double t2, double f_u, ConnectionResult* r)
{
    const double a1r = in.alpha1 * kRad, a2r = in.alpha2 * kRad;
    const UserEmbedmentLaw* law = &in.embedment_law;
    Johansen_Timber(in.method, in.shear_planes, d, L, in.axis_angle, predrilled, in.variant, in.no_clearance, thread,
                    type, a1r, a2r, t1, t2, r->rho1, r->rho2, in.kind1, in.kind2, in.grade1, in.grade2, f_u, law,
                    nullptr, r);
    Johansen_Timber_Design(in.gamma_m1, in.gamma_m2, in.gamma_m_fastener, r->kmod1, r->kmod2, in.shear_planes, d, L,
                           in.axis_angle, predrilled, in.variant, in.no_clearance, thread, type, a1r, a2r, t1, t2,
                           r->rho1, r->rho2, in.kind1, in.kind2, in.grade1, in.grade2, f_u, law, nullptr, r);
}

void Plate_Second_Pair(const ConnectionInput& in, int type, double d, double f_u, ConnectionResult* r)
{
    const double a1r = in.alpha1 * kRad;
    Johansen_Plate_Second(in.method, d, type, in.predrilled, in.variant, in.thread_in_shear_plane, in.no_clearance, a1r,
                          in.t1, r->rho1, in.kind1, in.grade1, f_u, r);
    Johansen_Plate_Second_Design(in.gamma_m1, 0, 0, in.gamma_m_fastener, r->kmod1, d, type, in.predrilled, in.variant,
                                 in.thread_in_shear_plane, in.no_clearance, a1r, in.t1, r->rho1, in.kind1, in.grade1,
                                 f_u, r);
}

// Nails, staples, screws and screw products; 0 or the code of a fastener
// that is too short.
int Lateral_Pin(ConnectionInput& in, ConnectionResult* r)
{
    const int type = in.type;
    if (Is_Staple(type)) in.fu = std::fmax(in.fu, 800.0);
    const UserEmbedmentLaw* law = &in.embedment_law;
    const int reach = Nail_Penetration_Reduction(
        type, in.fu, in.shear_planes, in.d, in.length, in.axis_angle, in.predrilled, in.variant, 0, 0, in.t1, in.t2,
        r->rho1, r->rho2, in.kind1, in.kind2, in.grade1, in.grade2, law, nullptr, &r->penetration, &r->effective_planes,
        nullptr, &r->t_req, &r->t_req_2);
    in.d_work = in.d;
    const double d = in.d;
    if (in.shear_planes == 1 && r->effective_planes == 0 && r->penetration < 4.0 * d)
        return CONN_MSG_PENETRATION_BELOW_4D;
    if (in.shear_planes == 2) {
        if (r->effective_planes == 1)
            return r->penetration < 4.0 * d ? CONN_MSG_PENETRATION_BELOW_4D : CONN_MSG_TOO_SHORT_DOUBLE_SHEAR;
        if (r->effective_planes <= 0) return CONN_MSG_TOO_SHORT_DOUBLE_SHEAR;
    }
    if (reach == 0) return CONN_MSG_TOO_SHORT;
    in.d_head = std::fmax(in.d_head, d);
    double t1e = in.t1, t2e = in.t2;
    Effective_Length(&in, r->penetration, &t1e, &t2e);
    const double L = in.length;
    const double a1r = in.alpha1 * kRad, a2r = in.alpha2 * kRad;
    const bool metal1 = Conn_Is_Metal(in.kind1), metal2 = Conn_Is_Metal(in.kind2);
    if (in.method == 1 || in.method == 2) {
        if (Is_Staple(type)) {
            // a staple: two legs, each worked as a nail
            Johansen_Timber(in.method, in.shear_planes, d, L, in.axis_angle, 0, in.variant, in.no_clearance, 0, 0, a1r,
                            a2r, t1e, t2e, r->rho1, r->rho2, in.kind1, in.kind2, in.grade1, in.grade2, in.fu, law,
                            nullptr, r);
            r->fvk *= 2.0;
            Johansen_Timber_Design(in.gamma_m1, in.gamma_m2, in.gamma_m_fastener, r->kmod1, r->kmod2, in.shear_planes,
                                   d, L, in.axis_angle, 0, in.variant, in.no_clearance, 0, 0, a1r, a2r, t1e, t2e,
                                   r->rho1, r->rho2, in.kind1, in.kind2, in.grade1, in.grade2, in.fu, law, nullptr, r);
            r->fvd *= 2.0;
        } else if (metal2) {
            Plate_Second_Pair(in, type, d, Steel_Fu(in), r);
            if (in.kind2 == MK_ALUMINIUM_PLATE) Aluminium_Check(in, d, in.t2, in.grade2, r);
        } else if (metal1) {
            Johansen_Plate_First(in, r);
            Johansen_Plate_First_Design(in, r);
        } else {
            Johansen_Pair(in, type, d, L, in.predrilled, in.thread_in_shear_plane, t1e, t2e, in.fu, r);
        }
        if (in.kind1 == MK_ALUMINIUM_PLATE && !Is_Staple(type)) Aluminium_Check(in, d, t1e, in.grade1, r);
        return 0;
    }
    // simplified method; the load-to-grain angles in radians
    double R;
    if (in.kind1 == MK_FERMACELL) {
        R = Is_Staple(type) ? Lateral_Gypsum_Fibre_Staple(d, L, in.fu, 0, t1e, t2e, r->rho1, r->rho2, MK_FERMACELL,
                                                          in.kind2, in.grade1, in.grade2, r)
                            : Lateral_Gypsum_Fibre_Nail(d, L, in.fu, in.predrilled, 0, t1e, t2e, r->rho1, r->rho2,
                                                        MK_FERMACELL, in.kind2, in.grade1, in.grade2, r);
        r->fvk = R;
    } else if (metal1) {
        r->fvk = Lateral_Nail_Plate_First(type, in.shear_planes, d, L, in.axis_angle, t2e, in.predrilled, in.variant,
                                          t1e, a2r, in.fu, in.kind1, in.kind2, in.grade1, in.grade2, r->rho2, r);
        if (in.kind1 == MK_ALUMINIUM_PLATE) Aluminium_Check(in, d, t1e, in.grade1, r);
    } else if (metal2) {
        r->fvk = Lateral_Dowel_Plate_Second(type, d, in.t1, in.predrilled, in.variant, in.no_clearance,
                                            in.thread_in_shear_plane, a1r, Steel_Fu(in), in.kind1, in.grade1, r->rho1,
                                            law, nullptr, r);
        if (in.kind2 == MK_ALUMINIUM_PLATE) Aluminium_Check(in, d, in.t2, in.grade2, r);
    } else if (Is_Staple(type)) {
        r->fvk = Lateral_Staple(in.shear_planes, d, L, in.fu, 0, t1e, t2e, r->rho1, r->rho2, in.kind1, in.kind2,
                                in.grade1, in.grade2, law, nullptr, r);
    } else if (Is_Wood_Screw(type)) {
        r->fvk = Lateral_Wood_Screw(in.shear_planes, d, L, in.fu, 0, in.variant, 0, t1e, t2e, r->rho1, r->rho2, a1r,
                                    a2r, in.kind1, in.kind2, in.grade1, in.grade2, law, nullptr, r);
    } else if (Conn_Is_Screw_Product(type)) {
        r->fvk = Lateral_Screw_Product(in.shear_planes, type, d, L, in.axis_angle, in.predrilled, in.variant, 0, t1e,
                                       t2e, r->rho1, r->rho2, a1r, a2r, in.kind1, in.kind2, in.grade1, in.grade2, law,
                                       nullptr, r);
    } else if (Conn_Is_Panel(in.kind1) != Conn_Is_Panel(in.kind2)) {
        r->fvk = Lateral_Nail_Panel(in.shear_planes, d, L, in.fu, in.predrilled, in.variant, 0, t1e, t2e, r->rho1,
                                    r->rho2, a1r, a2r, in.kind1, in.kind2, in.grade1, in.grade2, law, nullptr, r);
    } else {
        r->fvk = Lateral_Nail_Timber(in.shear_planes, d, L, in.fu, in.predrilled, 0, t1e, t2e, r->rho1, r->rho2, a1r,
                                     a2r, in.kind1, in.kind2, in.grade1, in.grade2, law, nullptr, r);
    }
    Governing_Gamma(in, r);
    return 0;
}

// Dowels and bolts, and the bolt of a toothed-plate connector (type 30 of
// diameter d_bolt).
void Lateral_Dowel_Bolt(ConnectionInput& in, int type, double d, int fitted, ConnectionResult* r)
{
    const double f_u = Steel_Fu(in);
    const double a1r = in.alpha1 * kRad, a2r = in.alpha2 * kRad;
    const bool metal1 = Conn_Is_Metal(in.kind1), metal2 = Conn_Is_Metal(in.kind2);
    const bool johansen = in.method == 1 || in.method == 2;
    if (metal1) {
        if (johansen) {
            Johansen_Plate_First(in, r);
            Johansen_Plate_First_Design(in, r);
        } else {
            r->fvk = Lateral_Bolt_Plate(type, in.shear_planes, d, in.d_work, in.t2, in.predrilled, in.variant,
                                        in.no_clearance, in.thread_in_shear_plane, in.t1, a2r, f_u, in.kind1, in.kind2,
                                        in.grade1, in.grade2, r->rho2, r);
            Governing_Gamma(in, r);
        }
        if (in.kind1 == MK_ALUMINIUM_PLATE) Aluminium_Check(in, d, in.t1, in.grade1, r);
    } else if (metal2 && type == in.type) {
        if (johansen) {
            Plate_Second_Pair(in, type, d, f_u, r);
        } else {
            r->fvk = Lateral_Dowel_Plate_Second(type, d, in.t1, in.predrilled, in.variant, in.no_clearance,
                                                in.thread_in_shear_plane, a1r, f_u, in.kind1, in.grade1, r->rho1,
                                                &in.embedment_law, nullptr, r);
            Governing_Gamma(in, r);
        }
        if (in.kind2 == MK_ALUMINIUM_PLATE) Aluminium_Check(in, d, in.t2, in.grade2, r);
    } else if (johansen) {
        Johansen_Pair(in, type, d, in.length, 0, in.thread_in_shear_plane, in.t1, in.t2, f_u, r);
    } else {
        r->fvk = Connector_Bolt_Part(in.shear_planes, d, in.variant, fitted, in.thread_in_shear_plane, in.t1, in.t2,
                                     r->rho2, r->rho1, in.kind1, in.kind2, in.grade1, in.grade2, f_u, a1r, a2r,
                                     &in.embedment_law, nullptr, r);
        Governing_Gamma(in, r);
    }
    r->effective_planes = in.shear_planes == 2 ? 2 : 1;
}

} // namespace

int Conn_Design(ConnectionInput in, ConnectionResult* r)
{
    if (!r) return 0;
    Conn_Clear(r);
    if (const int code = Conn_Check_Input(in, nullptr)) return code;
    User_Screw_Apply_Assy(&in);
    User_Screw_Apply_Spax(&in);
    const int admissible = Fastener_Min_Dimensions(in);
    if (admissible) return admissible;
    const int type = in.type;
    if (const int code = Member_Values(in, r)) return Refused(code, r);
    if (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) {
        in.method = 1;
        in.fu = 600.0;
    }
    Spacings(in, r);
    r->kser = Fastener_Slip_Modulus(type, in.predrilled, in.d, in.kind1, in.grade1, in.t1, in.kind2, in.grade2, in.t2,
                                    &in.user_material);
    r->gamma_m = r->gamma_m_connector = 1.0;
    if (!(Is_Wood_Screw(type) || Conn_Is_Screw_Product(type))) in.axis_angle = 90.0;
    const double crown = std::fmin(in.crown_angle1, in.crown_angle2);

    // First pass: a provisional axial capacity and rope share for the plate checks.
    double fc = Design_Fc90(in);
    double p = Penetration_Value(in, r);
    r->faxk = Axial(in, p, fc, r);
    r->rope_share = Rope(in, r->faxk, p, fc, r);

    // Lateral capacity.
    if (Fastener_Is_Pin(type)) {
        const int too_short = Lateral_Pin(in, r);
        if (too_short) return too_short;
        r->fvk_total = r->fvk;
        // The two 20 % raises count once.
        if ((in.raise_a || in.raise_b) && in.kind1 != MK_FERMACELL) {
            r->fvk *= 1.2;
            r->fvd *= 1.2;
        }
    } else if (type == FT_RING_A1 || type == FT_PLATE_B1) {
        const double h_e = Connector_Value_By_Key(type, in.product, "he");
        if (type == FT_RING_A1) {
            const double k1 = Connector_Angle_Factor(in.d, in.alpha1), k2 = Connector_Angle_Factor(in.d, in.alpha2);
            const double alpha = k2 <= k1 ? in.alpha2 : in.alpha1;
            r->fvk_connector =
                Connector_Capacity_Two_Thickness(in.d, h_e, alpha, in.t1, in.t2, std::fmin(r->rho1, r->rho2), r);
        } else {
            r->fvk_connector = Connector_Capacity_One_Thickness(in.d, h_e, in.alpha2, in.t1, in.t2, r->rho2, r);
        }
        r->gamma_m_connector = in.gamma_m1;
        r->effective_planes = in.shear_planes == 2 ? 2 : 1;
    } else if (type == FT_DOWEL || type == FT_BOLT) {
        in.d_work = in.d;
        Lateral_Dowel_Bolt(in, type, in.d, type == FT_DOWEL ? 1 : in.no_clearance, r);
        r->fvk_total = r->fvk;
    } else if (Conn_Is_Bolted_Connector(type)) {
        const double h_e = Connector_Value_By_Key(type, in.product, "he");
        // The bolt sits in the plate: it classes the plate.
        in.d_work = in.d_bolt;
        Lateral_Dowel_Bolt(in, FT_BOLT, in.d_bolt, in.no_clearance, r);
        const double d_c = Fastener_Diameter(type, in.product);
        r->fvk_connector =
            Conn_Is_Metal(in.kind1)
                ? Connector_Special_Capacity_Min(type, d_c, in.d_bolt, h_e, in.t2, r->rho2, r)
                : Connector_Special_Capacity(type, d_c, in.d_bolt, h_e, in.t1, in.t2, std::fmin(r->rho1, r->rho2), r);
        r->gamma_m_connector = std::fmax(in.gamma_m1, in.gamma_m2);
    }

    // Second pass with the values of now.
    fc = Design_Fc90(in);
    p = Penetration_Value(in, r);
    if (Is_Staple(type) && crown < 30.0) {
        r->fvk *= 0.7;
        r->fvd *= 0.7;
    }
    r->faxk = Axial(in, p, fc, r);
    r->rope_share = Rope(in, r->fvk, p, fc, r);
    if (Is_Staple(type) && crown < 30.0) r->rope_share *= 0.7;

    // Totals and design values.
    const double k = std::sqrt(r->kmod1 * r->kmod2);
    r->fvk += r->rope_share;
    r->fvk_total = r->fvk + r->fvk_connector;
    if (in.method == 0 || in.method == 1)
        r->fvd = r->gamma_m > 0.0 ? r->fvk * k / r->gamma_m : r->fvd * k;
    else if (in.method == 2 && r->gamma_m > 0.0)
        r->fvd += r->rope_share * k / r->gamma_m;
    r->fvd_connector = r->gamma_m_connector > 0.0 ? k * r->fvk_connector / r->gamma_m_connector : 0.0;
    r->fvd_total = r->fvd_connector + r->fvd;
    if (in.result_in_kN) {
        double* forces[] = {&r->fvk_connector, &r->fvd_connector, &r->fvk,  &r->fvd,       &r->fvk_total,
                            &r->fvd_total,     &r->faxk,          &r->faxd, &r->rope_share};
        for (double* f : forces) *f *= 0.001;
    }
    return 0;
}
