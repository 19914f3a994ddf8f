// The cross-section record of a cross-laminated timber plate and the operations that fill its
// section values and sum over its layers (centroids, second moments, stiffnesses).
#include "clt/cltsection.h"

#include <cmath>
#include <limits>

#include "clt/cltinternal.h"
#include "clt/cltstiffness.h"
#include "materials/matvalues.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Sum of f(layer) over the layers of direction dir.
template <class F> double SumDir(const CltSection* s, int dir, F f)
{
    double sum = 0.0;
    const int n = Clt_Used_Layers(s);
    for (int i = 0; i < n; ++i)
        if (s->layers[i].direction == dir) sum += f(s->layers[i]);
    return sum;
}

template <class F> double SumAll(const CltSection* s, F f)
{
    double sum = 0.0;
    const int n = Clt_Used_Layers(s);
    for (int i = 0; i < n; ++i) sum += f(s->layers[i]);
    return sum;
}

void Centroids(CltSection* s, int dir)
{
    if (!s) return;
    const int n = Clt_Used_Layers(s);
    if (std::fabs(s->thickness) < 1.0) s->thickness = SumAll(s, [](const CltLayer& l) { return l.t; });
    if (n == 0) {
        s->centroid_x = kNaN;
        s->centroid_y = kNaN;
        return;
    }
    double num[2] = {0.0, 0.0}, den[2] = {0.0, 0.0};
    double depth[CLT_MAX_LAYERS];
    double above = 0.0;
    for (int i = 0; i < n; ++i) {
        const CltLayer& l = s->layers[i];
        depth[i] = above + l.t / 2.0;
        above += l.t;
        if (l.direction == 0 || l.direction == 1) {
            num[l.direction] += l.E * l.t * depth[i];
            den[l.direction] += l.E * l.t;
        }
    }
    // A direction without layers (or without stiffness) has no centroid.
    s->centroid_x = den[0] != 0.0 ? num[0] / den[0] : kNaN;
    s->centroid_y = den[1] != 0.0 ? num[1] / den[1] : kNaN;
    const double c = dir == 0 ? s->centroid_x : s->centroid_y;
    for (int i = 0; i < n; ++i) s->layers[i].z = c - depth[i];
}

} // namespace

int Clt_Layers_Valid(const CltSection* s)
{
    if (!s) return 0;
    const int n = Clt_Used_Layers(s);
    for (int i = 0; i < n; ++i) {
        const CltLayer& l = s->layers[i];
        if (!(l.t >= 0.0) || !std::isfinite(l.t) || !(l.E >= 0.0) || !std::isfinite(l.E) || !(l.G >= 0.0) ||
            !std::isfinite(l.G))
            return 0;
    }
    return 1;
}

void Clt_Layer_Material_Values(CltSection* s, int strength_variant)
{
    const int n = Clt_Used_Layers(s);
    for (int i = 0; i < n; ++i) {
        CltLayer& l = s->layers[i];
        Mat_Moduli(l.kind, l.grade, 0, l.t, &l.E, &l.G, nullptr, nullptr);
        Mat_Strengths(l.kind, l.grade, strength_variant, 6, l.t, l.t, &l.f_m, &l.f_t, &l.f_c, &l.f_v, &l.f_c90,
                      nullptr);
    }
}

void Clt_Derived_Values(CltSection* s)
{
    if (!s) return;
    s->shear_stiffness_sum = Clt_Sum_Gt(s);
    s->thickness_x = Clt_Sum_Thickness(s, 0);
    s->thickness_y = Clt_Sum_Thickness(s, 1);
    s->thickness = s->thickness_x + s->thickness_y;
    Clt_Centroids(s);
    Clt_Static_Moments(s, 0);
    Clt_Static_Moments(s, 1);
    s->shear_correction_x = Clt_Shear_Correction(s, 0);
    s->shear_correction_y = Clt_Shear_Correction(s, 1);
}

void Clt_Section_Values(CltSection* s)
{
    if (!s) return;
    Clt_Layer_Material_Values(s, 1);
    Clt_Derived_Values(s);
}

void Clt_Centroids(CltSection* s) { Centroids(s, 0); }

void Clt_Centroids_Dir(CltSection* s, int dir) { Centroids(s, dir == 0 ? 0 : 1); }

void Clt_Static_Moments(CltSection* s, int dir)
{
    if (!s || (dir != 0 && dir != 1)) return;
    const int n = Clt_Used_Layers(s);
    double S = 0.0;
    for (int i = 0; i < n; ++i) {
        CltLayer& l = s->layers[i];
        const double e = l.direction == dir ? l.E / 1000.0 : 0.0;
        const double t = l.t / 1000.0, z = l.z / 1000.0;
        const double top = S;
        const double mid = S - e * (t / 2.0) * (z + t / 4.0);
        S -= e * t * z;
        if (dir == 0) {
            l.s_top_x = top, l.s_mid_x = mid, l.s_bottom_x = S;
        } else {
            l.s_top_y = top, l.s_mid_y = mid, l.s_bottom_y = S;
        }
    }
}

double Clt_Sum_Gt(const CltSection* s)
{
    const double sum = SumAll(s, [](const CltLayer& l) { return l.G * l.t * 0.001; });
    return s && s->edge_glued ? sum : sum * 0.25;
}

double Clt_Sum_Thickness(const CltSection* s, int dir)
{
    return SumDir(s, dir, [](const CltLayer& l) { return l.t; });
}

double Clt_Sum_Lateral_Inertia(const CltSection* s, int dir, double b)
{
    return SumDir(s, dir, [b](const CltLayer& l) { return l.t * b * b * b / 12.0; });
}

double Clt_Second_Moment(const CltSection* s, int dir)
{
    return SumDir(s, dir, [](const CltLayer& l) { return l.t * (l.t * l.t / 12.0 + l.z * l.z); });
}

double Clt_Bending_Stiffness(const CltSection* s, int dir)
{
    return SumDir(s, dir, [](const CltLayer& l) {
        const double t = l.t / 1000.0, z = l.z / 1000.0;
        return (t * t / 12.0 + z * z) * t * l.E;
    });
}

double Clt_Transformed_Inertia(const CltSection* s, int dir)
{
    const int n = Clt_Used_Layers(s);
    int first = -1;
    for (int i = 0; i < n && first < 0; ++i)
        if (s->layers[i].direction == dir) first = i;
    if (first < 0) return 0.0;
    return Clt_Bending_Stiffness(s, dir) / s->layers[first].E;
}

double Clt_Axial_Stiffness(const CltSection* s, int dir)
{
    return SumDir(s, dir, [](const CltLayer& l) { return (l.E / 1000.0) * l.t * 1000.0; });
}

double Clt_Shear_Rigidity(const CltSection* s, int dir)
{
    return SumAll(s,
                  [s, dir](const CltLayer& l) { return Clt_Layer_Shear_Modulus(s, &l, dir) / 1000.0 * l.t * 1000.0; });
}

double Clt_Mean_Shear_Modulus(const CltSection* s, int dir)
{
    if (Clt_Used_Layers(s) == 0) return kNaN;
    const double tg = SumAll(s, [s, dir](const CltLayer& l) { return l.t * Clt_Layer_Shear_Modulus(s, &l, dir); });
    return tg / SumAll(s, [](const CltLayer& l) { return l.t; });
}

double Clt_Torsion_Sum(const CltSection* s)
{
    return SumAll(s, [](const CltLayer& l) { return l.t * l.G * (l.t * l.t / 6.0 + 2.0 * l.z * l.z); });
}

double Clt_Weight_Sum(const CltSection* s)
{
    return SumAll(s, [](const CltLayer& l) { return l.t * 500.0; });
}
