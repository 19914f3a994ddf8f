// Entries of the connection design.
#include "connections/conndesign.h"

#include <cmath>

#include "connections/axial.h"
#include "connections/connmsg.h"
#include "connections/embedment.h"
#include "connections/simplified.h"
#include "materials/matfactors.h"
#include "materials/matvalues.h"
#include "nad/nadec5.h"

namespace {

const double kRad = 0.017453292519944444;

double Density(int kind, int grade, double t, const UserMaterial* user)
{
    double rho = 0.0;
    Mat_Rho_k(kind, grade, t, &rho, user);
    return rho;
}

bool Pin_Type(int type) { return (type >= 0 && type <= 24) || (type >= 34 && type <= 46); }

bool User_Grade(int grade) { return grade == -999 || grade == 14; }

// Strength class of Mat_Strengths whose compression value is f_c,90,k.
int Fc90_Direction(int kind)
{
    if ((kind >= 0 && kind <= 3) || kind == 17) return 7;
    if (kind == 4 || kind == 5 || kind == 6 || kind == 10 || kind == 11 || kind == 18 || kind == 19 || kind == -11)
        return 1;
    if (kind == 7 || kind == 8 || kind == 9) return 4;
    return 0;
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

// The fastener's length within the members it really reaches.
void Effective_Length(ConnectionInput* in, double penetration)
{
    const int type = in->type;
    double L = in->length;
    double t2e = in->t2;
    const double s = std::sin(in->axis_angle * kRad);
    const bool special = Conn_Is_Special_Nail(type) || type == 45 || type == 46;
    if (in->shear_planes == 1) t2e = std::fmin(in->t2, penetration);
    if (special && t2e > L) {
        // the fastener ends in member 2: nothing changes
    } else if (in->shear_planes == 1) {
        if (s > 0.0 && L * s > in->t1 + t2e) L = (in->t1 + t2e) / s;
    } else if (in->shear_planes == 2) {
        if (s > 0.0 && in->t1 / s > penetration) L = L + penetration - in->t1 / s;
    }
    in->length = L;
    in->thread_length = std::fmin(in->thread_length, L);
}

} // namespace

void Conn_Apply_User_Product(ConnectionInput* in)
{
    if (in->type != 43 && in->type != 44) return;
    const UserScrewProduct& p = in->type == 43 ? in->assy_product : in->spax_product;
    in->variant = p.variant;
    in->d = p.d;
    in->d_inner = p.d_inner;
    in->d_head = p.d_head;
    in->length = p.length;
    in->thread_length = p.thread_length;
    in->axis_angle = p.axis_angle;
    in->washer_diameter = p.has_washer ? p.washer_diameter : -1.0;
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

int Conn_Axial_Design(ConnectionInput in, ConnectionResult* r)
{
    if (!r) return 0;
    Conn_Clear(r);
    Conn_Apply_User_Product(&in);
    const int type = in.type;
    const bool bolted = type == 26 || type == 27 || type == 28 || type == 32 || type == 33;
    if (in.d <= 0.0 || (bolted && in.d_bolt <= 0.0)) return 4;
    if (Pin_Type(type) && in.length <= 0.0) return 6;

    r->rho1 = Density(in.kind1, in.grade1, in.t1, &in.user_material);
    r->rho2 = Density(in.kind2, in.grade2, in.t2, &in.user_material);
    r->gamma_m = r->gamma_m_connector = 1.0;
    Conn_Kmod(in, r);
    if (!((type >= 2 && type <= 15) || type == 43 || type == 44)) in.axis_angle = 90.0;
    const UserEmbedmentLaw* law = &in.embedment_law;

    if (Pin_Type(type)) {
        Nail_Penetration_Reduction(type, in.fu, in.shear_planes, in.d, in.length, in.axis_angle, in.predrilled,
                                   in.variant, 0, 0, in.t1, in.t2, r->rho1, r->rho2, in.kind1, in.kind2, in.grade1,
                                   in.grade2, law, nullptr, &r->penetration, &r->effective_planes, nullptr, &r->t_req,
                                   &r->t_req_2);
        in.d_work = in.d;
        in.d_head = std::fmax(in.d_head, in.d);
        Effective_Length(&in, r->penetration);
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
    if (Pin_Type(type)) {
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
