// Coordinate systems of exported member cuts, the joint systems of strut and sill, and the
// transformations that carry a cut's internal forces into another system.
#include "hostenv/kovexputil.h"

#include <cmath>
#include <cstring>

#include "base/kovmem.h"

namespace {

struct V3 {
    double x, y, z;
};

V3 v3(const double* a) { return {a[0], a[1], a[2]}; }
void put(double* a, V3 v)
{
    a[0] = v.x;
    a[1] = v.y;
    a[2] = v.z;
}
V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 operator*(double s, V3 a) { return {s * a.x, s * a.y, s * a.z}; }
V3 operator-(V3 a) { return {-a.x, -a.y, -a.z}; }
double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double norm(V3 a) { return std::sqrt(dot(a, a)); }

double* row(KxpCoordSystem* c, int i) { return i == 0 ? c->r0 : i == 1 ? c->r1 : c->r2; }
const double* row(const KxpCoordSystem* c, int i) { return i == 0 ? c->r0 : i == 1 ? c->r1 : c->r2; }

bool is_cut(const KovExportObject* o) { return o && o->head.type == KXP_TYPE_BEAMCUT; }

// Start and end point of the member of a cut: S = o - d14*d15*x, E = S + d15*x.
void member_ends(const KovExportObject* cut, const KxpCoordSystem& c, V3* S, V3* E)
{
    double pos = Kxp_Get_Double(cut, KXP_TYPE_BEAMCUT, 14);
    double len = Kxp_Get_Double(cut, KXP_TYPE_BEAMCUT, 15);
    V3 x = v3(c.r0);
    *S = v3(c.origin) - (pos * len) * x;
    *E = *S + len * x;
}

void apply_matrix(const double* m, const double* in, double* out)
{
    double a = in[0], b = in[1], c = in[2];
    for (int j = 0; j < 3; ++j) out[j] = a * m[j] + b * m[3 + j] + c * m[6 + j];
}

void member_systems(const KxpCoordSystem* base, KovExportObject* const* members, const int* keep, int mode,
                    KxpTrafoArray* arr, KxpCoordSystem* member_sys, KxpCoordSystem* local_sys)
{
    int k = 0;
    for (int i = 0; i < arr->count; ++i) {
        KxpTransformation* rec = &arr->items[i];
        Kxp_Default_Transformation(rec);
        const KovExportObject* m = members ? members[i] : nullptr;
        if (!is_cut(m)) continue;
        KxpCoordSystem M;
        Kxp_Get_Coord_System(m, &M, mode, 1);
        if (member_sys) member_sys[i] = M;
        KxpCoordSystem L;
        if (base)
            L = *base;
        else
            Kxp_Identity_System(&L);
        std::memcpy(L.origin, M.origin, sizeof L.origin);
        V3 y = v3(L.r1);
        V3 mx = v3(M.r0);
        V3 v = mx - dot(mx, y) * y;
        V3 x;
        if (dot(v, v) > 0) {
            x = (1.0 / norm(v)) * v;
            V3 S, E;
            member_ends(m, M, &S, &E);
            V3 o = base ? v3(base->origin) : V3{0, 0, 0};
            if (norm(o - E) > norm(o - S)) x = -x;
        } else {
            x = v3(L.r0);
        }
        if (keep) k = keep[i];
        if (k == 0) x = -x;
        put(L.r0, x);
        put(L.r1, y);
        put(L.r2, cross(x, y));
        Kxp_Make_Transformation(&L, m, rec);
        if (local_sys) local_sys[i] = L;
    }
}

} // namespace

void Kxp_Identity_System(KxpCoordSystem* c)
{
    std::memset(c, 0, sizeof *c);
    c->r0[0] = c->r1[1] = c->r2[2] = 1.0;
}

void Kxp_Default_Transformation(KxpTransformation* t)
{
    std::memset(t, 0, sizeof *t);
    t->force[0] = t->force[4] = t->force[8] = 1.0;
    t->moment[0] = t->moment[4] = t->moment[8] = 1.0;
}

int Kxp_Get_Coord_System(const KovExportObject* obj, KxpCoordSystem* out, int mode, int transpose)
{
    if (!out) return 0;
    Kxp_Identity_System(out);
    if (!obj) return 0;
    const ParamVector* v = &obj->values;
    if (obj->head.type == KXP_TYPE_BEAMCUT) {
        for (int k = 0; k < 3; ++k) out->origin[k] = Par_Vector_Get_Double(v, 1 + k);
        double phi = Par_Vector_Get_Double(v, 13);
        if (mode == 2) {
            if (std::fabs(phi) > 1e-10) {
                out->r1[1] = std::cos(phi);
                out->r1[2] = std::sin(phi);
                out->r2[1] = -std::sin(phi);
                out->r2[2] = std::cos(phi);
            }
        } else {
            for (int r = 0; r < 3; ++r)
                for (int k = 0; k < 3; ++k) row(out, r)[k] = Par_Vector_Get_Double(v, 4 + 3 * r + k);
            if (mode == 1 && std::fabs(phi) > 1e-10) {
                double c = std::cos(phi), s = std::sin(phi);
                for (int r = 0; r < 3; ++r) {
                    double* w = row(out, r);
                    double y = w[1], z = w[2];
                    w[1] = c * y - s * z;
                    w[2] = s * y + c * z;
                }
            }
        }
    } else if (obj->head.type == KXP_TYPE_SYSTEM) {
        for (int k = 0; k < 3; ++k) out->origin[k] = Par_Vector_Get_Double(v, k);
        for (int r = 0; r < 3; ++r)
            for (int k = 0; k < 3; ++k) row(out, r)[k] = Par_Vector_Get_Double(v, 3 + 3 * r + k);
    }
    if (transpose == 1) {
        std::swap(out->r0[1], out->r1[0]);
        std::swap(out->r0[2], out->r2[0]);
        std::swap(out->r1[2], out->r2[1]);
    }
    return 1;
}

int Kxp_Get_BeamCut_Info(const KovExportObject* obj, KxpBeamCutInfo* out)
{
    if (!out) return 0;
    std::memset(out, 0, sizeof *out);
    if (!obj || !obj->data) return 0;
    if (obj->head.type != KXP_TYPE_BEAMCUT || obj->ops != &Kxp_Param_Ops) return 1;
    const auto* d = static_cast<const KxpParamData*>(obj->data);
    if (!(d->flags & 1)) return 1;
    for (int k = 0; k < 5; ++k) out->ints[k] = Par_Vector_Get_Int(&d->values, k);
    for (int k = 0; k < 8; ++k) out->values[k] = Par_Vector_Get_Double(&d->values, k);
    out->name = Par_Vector_Get_String(&d->values, 0);
    return 1;
}

int Kxp_Set_BeamCut_Info(KovExportObject* obj, const KxpBeamCutInfo* info)
{
    if (!is_cut(obj) || !obj->data || obj->ops != &Kxp_Param_Ops) return 0;
    auto* d = static_cast<KxpParamData*>(obj->data);
    static const int zeros_i[5] = {0, 0, 0, 0, 0};
    static const double zeros_d[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    const char* name[1] = {nullptr};
    if (info) {
        d->flags |= 1;
        name[0] = info->name;
        return Par_Vector_Set_Arrays(&d->values, info->ints, nullptr, 5, nullptr, info->values, nullptr, 8, nullptr,
                                     name, nullptr, 1, nullptr);
    }
    d->flags &= ~1;
    return Par_Vector_Set_Arrays(&d->values, zeros_i, nullptr, 5, nullptr, zeros_d, nullptr, 8, nullptr, name, nullptr,
                                 1, nullptr);
}

void Kxp_Make_Transformation(const KxpCoordSystem* target, const KovExportObject* member, KxpTransformation* out)
{
    KxpCoordSystem M;
    Kxp_Get_Coord_System(member, &M, 0, 1);
    double c = dot(v3(M.r0), v3(target->r0));
    double h = c < 0 ? -1.0 : 1.0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) out->force[3 * i + j] = h * dot(v3(row(&M, i)), v3(row(target, j)));
    std::memcpy(out->moment, out->force, sizeof out->moment);
    for (int i = 0; i < 3; ++i) {
        double d = dot(v3(row(&M, i)), v3(row(target, i)));
        if (d > 1.0) d = 1.0;
        if (d < -1.0) d = -1.0;
        out->angles[i] = std::atan2(std::sqrt(1.0 - d * d), d);
    }
}

int Kxp_Transformation_Of_Member(const KxpCoordSystem* target, const KovExportObject* member, KxpTransformation* out)
{
    if (!out) return 0;
    Kxp_Default_Transformation(out);
    if (!target || !is_cut(member)) return 0;
    Kxp_Make_Transformation(target, member, out);
    return 1;
}

int Kxp_Transformation_Of_Member_In(const KxpCoordSystem targets[2], const KovExportObject* member,
                                    KxpTransformation* out, int which)
{
    return Kxp_Transformation_Of_Member(targets ? &targets[which == 1 ? 1 : 0] : nullptr, member, out);
}

int Kxp_Trafo_Apply_One(const KxpTransformation* t, const double f[3], const double m[3], double f_out[3],
                        double m_out[3])
{
    if (f_out) {
        if (t && f)
            apply_matrix(t->force, f, f_out);
        else
            f_out[0] = f_out[1] = f_out[2] = 0.0;
    }
    if (m_out) {
        if (t && m)
            apply_matrix(t->moment, m, m_out);
        else
            m_out[0] = m_out[1] = m_out[2] = 0.0;
    }
    return t ? 1 : 0;
}

int Kxp_Trafo_Array_Resize(KxpTrafoArray** arr, int n)
{
    if (!arr) return 0;
    if (n < 0) n = 0;
    if (!*arr) {
        auto* a =
            static_cast<KxpTrafoArray*>(Mem_Malloc_Tagged(__FILE__, __LINE__, "null", (int)sizeof(KxpTrafoArray)));
        if (!a) return 0;
        a->count = a->capacity = 0;
        a->items = nullptr;
        *arr = a;
    }
    KxpTrafoArray* a = *arr;
    if (n > a->capacity) {
        if ((size_t)n > (size_t)0x7fffffff / sizeof(KxpTransformation)) return 0;
        void* p = Mem_Realloc_Tagged(__FILE__, __LINE__, "null", a->items, (int)(n * sizeof(KxpTransformation)));
        if (!p) return 0;
        a->items = static_cast<KxpTransformation*>(p);
        a->capacity = n;
    }
    for (int i = a->count; i < n; ++i) Kxp_Default_Transformation(&a->items[i]);
    a->count = n;
    return 1;
}

void Kxp_Trafo_Array_Free(KxpTrafoArray** arr)
{
    if (!arr || !*arr) return;
    if ((*arr)->items) Mem_Free_Tagged(__FILE__, __LINE__, "null", (*arr)->items);
    Mem_Free_Tagged(__FILE__, __LINE__, "null", *arr);
    *arr = nullptr;
}

int Kxp_Trafo_Array_Build(const KxpJointSystems* systems, KovExportObject* const* members, const int* which, int n,
                          KxpTrafoArray** arr)
{
    if (!Kxp_Trafo_Array_Resize(arr, n)) return 0;
    for (int i = 0; i < (*arr)->count; ++i) {
        KxpTransformation* t = &(*arr)->items[i];
        Kxp_Default_Transformation(t);
        if (systems && members && is_cut(members[i])) {
            const KxpCoordSystem* target = which && which[i] == 1 ? &systems->system_a : &systems->system_b;
            Kxp_Make_Transformation(target, members[i], t);
        }
    }
    return 1;
}

int Kxp_Trafo_Apply(const KxpTrafoArray* arr, const double* in, double* out)
{
    if (!arr) return 0;
    if (!out) return 1;
    for (int i = 0; i < arr->count; ++i) {
        const KxpTransformation* t = &arr->items[i];
        Kxp_Trafo_Apply_One(t, in ? in + 6 * i : nullptr, in ? in + 6 * i + 3 : nullptr, out + 6 * i, out + 6 * i + 3);
    }
    return 1;
}

int Kxp_Make_Joint_Systems(const KovExportObject* a, const KovExportObject* b, KxpJointSystems* out)
{
    if (!out) return 0;
    std::memset(out, 0, sizeof *out);
    Kxp_Identity_System(&out->system_b);
    Kxp_Identity_System(&out->system_a);
    if (!is_cut(a) || !is_cut(b)) return 0;

    KxpCoordSystem SA, SB;
    Kxp_Get_Coord_System(a, &SA, 0, 1);
    Kxp_Get_Coord_System(b, &SB, 0, 1);
    V3 av = v3(SA.r0), bv = v3(SB.r0), OA = v3(SA.origin), OB = v3(SB.origin);
    double a14 = Kxp_Get_Double(a, KXP_TYPE_BEAMCUT, 14), a15 = Kxp_Get_Double(a, KXP_TYPE_BEAMCUT, 15);
    double b14 = Kxp_Get_Double(b, KXP_TYPE_BEAMCUT, 14), b15 = Kxp_Get_Double(b, KXP_TYPE_BEAMCUT, 15);

    V3 n = cross(av, bv);
    if (dot(n, n) < 1.0000000000000002e-10)
        n = v3(SB.r1);
    else
        n = (1.0 / norm(n)) * n;
    V3 m = cross(bv, n);

    double ma = dot(m, av);
    double s = std::fabs(ma) >= 1e-5 ? (dot(m, OB) - dot(m, OA)) / ma : 0.0;
    V3 P = OA + s * av;
    V3 X = OB + (dot(bv, P) - dot(bv, OB)) * bv;

    double d = dot(bv, OB) - dot(bv, P);
    double eB = 1e-5 * b15;
    if (d > -eB && (b14 < 1e-5 || d > eB)) {
        bv = -bv;
        n = -n;
    }
    double g = dot(m, OA - OB);
    double eA = 1e-5 * a15;
    if (g < eA && (g < -eA || a14 > 0.99999)) {
        n = -n;
        m = -m;
    }

    put(out->system_b.origin, OB);
    put(out->system_b.r0, bv);
    put(out->system_b.r1, n);
    put(out->system_b.r2, m);
    double sa = dot(m, av) < 0 ? -1.0 : 1.0;
    V3 a2 = sa * av;
    put(out->system_a.origin, OA);
    put(out->system_a.r0, a2);
    put(out->system_a.r1, n);
    put(out->system_a.r2, cross(a2, n));

    put(out->point, X);
    out->offset_b = dot(bv, OB - X);
    out->spare = 0.0;
    out->offset_a = dot(bv, OA - P);
    out->plane_distance = dot(m, OA - OB);
    out->normal_offset = dot(n, OA - X);
    out->angle = std::atan2(sa * dot(bv, av), std::fabs(dot(m, av)));
    return 1;
}

int Kxp_Make_Joint_Systems_Ex(const KovExportObject* a, const KovExportObject* b, KxpJointSystems* out, int reverse)
{
    int ok = Kxp_Make_Joint_Systems(a, b, out);
    if (ok && reverse == 1) {
        for (int k = 0; k < 3; ++k) {
            out->system_b.r1[k] = -out->system_b.r1[k];
            out->system_b.r2[k] = -out->system_b.r2[k];
            out->system_a.r0[k] = -out->system_a.r0[k];
            out->system_a.r1[k] = -out->system_a.r1[k];
        }
        out->plane_distance = -out->plane_distance;
        out->normal_offset = -out->normal_offset;
    }
    return ok;
}

int Kxp_Member_Trafos(const KxpCoordSystem* base, KovExportObject* const* members, const int* keep, int n, int mode,
                      KxpTrafoArray** arr, KxpCoordSystem* member_sys, KxpCoordSystem* local_sys)
{
    if (!Kxp_Trafo_Array_Resize(arr, n)) return 0;
    member_systems(base, members, keep, mode, *arr, member_sys, local_sys);
    return 1;
}

int Kxp_Member_Trafos_All(const KxpCoordSystem* base, KovExportObject* const* members, int n, int mode,
                          KxpTrafoArray** arr, KxpCoordSystem* member_sys, KxpCoordSystem* local_sys)
{
    return Kxp_Member_Trafos(base, members, nullptr, n, mode, arr, member_sys, local_sys);
}

int Kxp_Members_Plane(KovExportObject* const* members, int n, int mode, KxpCoordSystem* out, double* max_distance)
{
    if (!out) return 0;
    Kxp_Identity_System(out);
    if (max_distance) *max_distance = 0.0;
    if (!members || n <= 0) return 1;

    int first = -1, cuts = 0;
    for (int j = 0; j < n; ++j)
        if (is_cut(members[j])) {
            if (first < 0) first = j;
            ++cuts;
        }
    if (cuts == 0) return 1;

    auto ends = [&](int j, V3* S, V3* E, KxpCoordSystem* c) {
        KxpCoordSystem tmp;
        Kxp_Get_Coord_System(members[j], &tmp, mode, 1);
        member_ends(members[j], tmp, S, E);
        if (c) *c = tmp;
    };

    V3 R;
    {
        V3 S0, E0;
        ends(first, &S0, &E0, nullptr);
        if (cuts == 1) {
            R = Kxp_Get_Double(members[first], KXP_TYPE_BEAMCUT, 14) > 0.5 ? E0 : S0;
        } else {
            int second = n > 1 ? 1 : first;
            V3 S1, E1;
            ends(second, &S1, &E1, nullptr);
            double dS = std::fmin(norm(E1 - S0), norm(S1 - S0));
            R = dS > std::fmin(norm(S1 - E0), norm(E1 - E0)) ? E0 : S0;
        }
    }

    V3 sumQ = {0, 0, 0}, N = {0, 0, 0}, prevF = {0, 0, 0}, firstF = {0, 0, 0};
    double sumL2 = 0.0;
    bool seen = false;
    auto newell = [&](V3 p, V3 q) {
        N.x += (p.y - q.y) * (p.z + q.z);
        N.y += (p.z - q.z) * (p.x + q.x);
        N.z += (p.x - q.x) * (p.y + q.y);
    };
    for (int j = 0; j < n; ++j) {
        if (!is_cut(members[j])) continue;
        V3 S, E;
        KxpCoordSystem c;
        ends(j, &S, &E, &c);
        bool near_is_S = !(norm(R - S) >= norm(R - E));
        V3 Q = near_is_S ? S : E, F = near_is_S ? E : S;
        sumQ = sumQ + Q;
        sumL2 += dot(E - S, E - S);
        if (!seen) {
            double sg = near_is_S ? -1.0 : 1.0;
            put(out->r0, sg * v3(c.r0));
            put(out->r1, sg * v3(c.r1));
            firstF = F;
            seen = true;
        } else {
            newell(prevF, F);
        }
        prevF = F;
    }
    // The centroid of the near points closes the polygon after the last cut.
    V3 G = (1.0 / cuts) * sumQ;
    newell(prevF, G);
    newell(G, firstF);

    put(out->origin, G);
    if (dot(N, N) > 1e-6 * sumL2) {
        V3 y = (1.0 / norm(N)) * N;
        V3 r0 = v3(out->r0);
        V3 x = r0 - dot(r0, y) * y;
        if (dot(x, x) > 0)
            x = (1.0 / norm(x)) * x;
        else if (y.x != 0)
            x = (1.0 / std::sqrt(y.y * y.y + y.x * y.x)) * V3{y.y, -y.x, 0};
        else
            x = {0, y.z, -y.y};
        put(out->r0, x);
        put(out->r1, y);
    }
    put(out->r2, cross(v3(out->r0), v3(out->r1)));
    if (out->r2[2] < 0) {
        for (int k = 0; k < 3; ++k) {
            out->r1[k] = -out->r1[k];
            out->r2[k] = -out->r2[k];
        }
    }
    if (max_distance) {
        double mx = 0;
        V3 y = v3(out->r1);
        for (int j = 0; j < n; ++j) {
            if (!is_cut(members[j])) continue;
            V3 S, E;
            ends(j, &S, &E, nullptr);
            mx = std::fmax(mx, std::fabs(dot(y, S - G)));
            mx = std::fmax(mx, std::fabs(dot(y, E - G)));
        }
        *max_distance = mx;
    }
    return 1;
}

double Kxp_Angle_Between(const double a[3], const double b[3])
{
    static const double ex[3] = {1, 0, 0};
    V3 va = v3(a ? a : ex), vb = v3(b ? b : ex);
    double c = dot(va, vb);
    double p = dot(va, va) * dot(vb, vb);
    if (c == 0 && p - c * c == 0) return 0.0;
    return std::atan2(std::sqrt(std::fabs(p - c * c)), c);
}

double Kxp_Direction_Angle(const KxpCoordSystem* c, const double v[3])
{
    KxpCoordSystem id;
    Kxp_Identity_System(&id);
    if (!c) c = &id;
    static const double ex[3] = {1, 0, 0};
    V3 d = v3(v ? v : ex);
    double y = -dot(d, v3(c->r2)), x = dot(d, v3(c->r0));
    if (x == 0 && y == 0) return 0.0;
    return std::atan2(y, x);
}

KxpCoordSystem* Kxp_Coord_Flip_YZ(KxpCoordSystem* c)
{
    if (!c) return nullptr;
    for (int k = 0; k < 3; ++k) {
        c->r1[k] = -c->r1[k];
        c->r2[k] = -c->r2[k];
    }
    return c;
}

int Kxp_Project_To_Plane(const KxpCoordSystem* c, const double shift[3], const double* items, int n, double* points,
                         KxpCoordSystem* out)
{
    KxpCoordSystem id;
    Kxp_Identity_System(&id);
    if (!c) c = &id;
    static const double zero[3] = {0, 0, 0};
    if (!shift) shift = zero;
    double psi = shift[2];
    V3 X = std::cos(psi) * v3(c->r0) - std::sin(psi) * v3(c->r2);
    V3 Z = std::sin(psi) * v3(c->r0) + std::cos(psi) * v3(c->r2);
    if (out) {
        if (!items || n <= 0) {
            Kxp_Identity_System(out);
        } else {
            std::memcpy(out->origin, c->origin, sizeof out->origin);
            put(out->r0, X);
            std::memcpy(out->r1, c->r1, sizeof out->r1);
            put(out->r2, Z);
        }
    }
    if (!items) return 0;
    for (int k = 0; k < n && points; ++k) {
        V3 p = v3(items + 6 * k), d = v3(items + 6 * k + 3);
        V3 rel = p - v3(c->origin);
        points[3 * k] = dot(X, rel) + shift[0];
        points[3 * k + 1] = dot(Z, rel) + shift[1];
        double y = -dot(Z, d), x = dot(X, d);
        points[3 * k + 2] = x == 0 && y == 0 ? 0.0 : std::atan2(y, x);
    }
    return 1;
}
