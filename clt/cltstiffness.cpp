// Stiffness of a cross-laminated timber plate in one direction: shear correction factor, shear
// stiffness, effective bending stiffness by the gamma method and thickness-weighted means.
#include "clt/cltstiffness.h"

#include <cmath>
#include <limits>

#include "materials/matvalues.h"
#include "platform/kovmath.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Integral over [0, t] of (c0 + c1 s + c2 s^2)^2 ds.
double QuadraticSquareIntegral(double c0, double c1, double c2, double t)
{
    const double t2 = t * t, t3 = t2 * t;
    return c0 * c0 * t + c0 * c1 * t2 + (c1 * c1 + 2.0 * c0 * c2) * t3 / 3.0 + c1 * c2 * t3 * t / 2.0 +
           c2 * c2 * t3 * t2 / 5.0;
}

// Sum over the layers of direction d of (E/1000) (t^3/12 + t z^2) [N mm] and
// over all layers of (G°/1000) t [N/mm].
void BendingAndShear(const CltSection* s, int d, double* EI, double* GA)
{
    *EI = 0.0, *GA = 0.0;
    const int n = Clt_Used_Layers(s);
    for (int i = 0; i < n; ++i) {
        const CltLayer& l = s->layers[i];
        if (l.direction == d) *EI += l.E / 1000.0 * (l.t * l.t * l.t / 12.0 + l.t * l.z * l.z);
        *GA += Clt_Layer_Shear_Modulus(s, &l, d) / 1000.0 * l.t;
    }
}

// Thickness-weighted mean of value(layer) over the layers of direction d.
template <class F> double Mean(const CltSection* s, int d, F value)
{
    double tv = 0.0, t = 0.0;
    const int n = Clt_Used_Layers(s);
    for (int i = 0; i < n; ++i) {
        const CltLayer& l = s->layers[i];
        if (l.direction != d) continue;
        tv += l.t * value(l);
        t += l.t;
    }
    return t != 0.0 ? tv / t : kNaN;
}

int HasLayerOfDirection(const CltSection* s, int d)
{
    const int n = Clt_Used_Layers(s);
    for (int i = 0; i < n; ++i)
        if (s->layers[i].direction == d) return 1;
    return 0;
}

} // namespace

double Clt_Shear_Correction(const CltSection* s, int d)
{
    const int n = Clt_Used_Layers(s);
    if (n == 0 || !Clt_Layers_Valid(s)) return kNaN;
    double EI, GA;
    BendingAndShear(s, d, &EI, &GA);
    // Within a layer, at the local depth u below its top, the static moment is
    // S0 + E' (z_top u - u^2/2); S0 is carried over from the layer above.
    double J = 0.0, S = 0.0;
    for (int i = 0; i < n; ++i) {
        const CltLayer& l = s->layers[i];
        const double e = l.direction == d ? l.E / 1000.0 : 0.0;
        const double g = Clt_Layer_Shear_Modulus(s, &l, d) / 1000.0;
        const double c1 = e * (l.z + l.t / 2.0), c2 = -e / 2.0;
        J += QuadraticSquareIntegral(S, c1, c2, l.t) / g;
        S += c1 * l.t + c2 * l.t * l.t;
    }
    return EI * EI / (GA * J);
}

double Clt_Shear_Correction_X(const CltSection* s) { return Clt_Shear_Correction(s, 0); }

double Clt_Shear_Correction_Y(const CltSection* s) { return Clt_Shear_Correction(s, 1); }

double Clt_Shear_Stiffness(const CltSection* s, int d)
{
    if (!s) return kNaN;
    const int n = Clt_Used_Layers(s);
    if (n == 0) return HUGE_VAL;
    double a = (s->layers[0].t + s->layers[n - 1].t) / 2000.0, R = 0.0;
    for (int i = 0; i < n; ++i) {
        const CltLayer& l = s->layers[i];
        const bool outer = i == 0 || i == n - 1;
        if (!outer) a += l.t / 1000.0;
        R += (outer ? 0.5 : 1.0) * (l.t / 1000.0) / Clt_Layer_Shear_Modulus(s, &l, d);
    }
    return a * a / R;
}

double Clt_Effective_Bending_Stiffness(const CltSection* s, int d, double l)
{
    const int n = Clt_Used_Layers(s);
    if (n < 3 || !Clt_Layers_Valid(s) || !(l > 0.0) || !std::isfinite(l)) return 0.0;
    double EI0 = 0.0, EA2 = 0.0;
    for (int i = 0; i < n; ++i) {
        const CltLayer& ly = s->layers[i];
        if (ly.direction != d) continue;
        const double t = ly.t / 1000.0, z = ly.z / 1000.0;
        EI0 += ly.E * t * t * t / 12.0;
        EA2 += ly.E * t * z * z;
    }
    // The joint between the outer load-bearing layers: from the first to the
    // last layer when the outer layers carry, else from the second to the
    // second-last; the end layers of that range count with half their
    // compliance.
    const bool outer_carry = s->layers[0].direction == d;
    const int first = outer_carry ? 0 : 1, last = outer_carry ? n - 1 : n - 2;
    double R = 0.0;
    for (int i = first; i <= last; ++i) {
        const CltLayer& ly = s->layers[i];
        R += (i == first || i == last ? 0.5 : 1.0) * (ly.t / 1000.0) / Clt_Layer_Shear_Modulus(s, &ly, d);
    }
    const double h = s->thickness, t0 = s->layers[0].t, tn = s->layers[n - 1].t;
    const double a = outer_carry
                         ? h / 1000.0 - t0 / 2000.0 - tn / 2000.0
                         : (h - t0) / 1000.0 - s->layers[1].t / 2000.0 - s->layers[n - 2].t / 2000.0 - tn / 1000.0;
    if (a < 0.00001) return EI0;
    // Slip of the joint R between the two outer parts (EN 1995-1-1 Annex B
    // with equal parts): span and distances in metres.
    const double la = l * a;
    const double gamma = 1.0 / (1.0 + KOV_PI * KOV_PI * EA2 * R / (la * la));
    return EI0 + gamma * EA2;
}

double Clt_Shear_Deformation_Factor(const CltSection* s, int d, double l)
{
    if (Clt_Used_Layers(s) == 0 || !Clt_Layers_Valid(s) || !(l > 0.0) || !std::isfinite(l)) return kNaN;
    double EI, GA;
    BendingAndShear(s, d, &EI, &GA);
    const double kappa = d == 0 ? s->shear_correction_x : s->shear_correction_y;
    return std::sqrt(1.0 + KOV_PI * KOV_PI * EI / (kappa * GA * l * l));
}

double Clt_Mean_Fc0k(const CltSection* s, int d, int variant)
{
    return Mean(s, d, [variant](const CltLayer& l) {
        double f = 0.0;
        Mat_Strengths(l.kind, l.grade, variant, 6, 1.0, 1.0, nullptr, nullptr, &f, nullptr, nullptr, nullptr);
        return f;
    });
}

double Clt_Mean_Ft0k(const CltSection* s, int d, int variant)
{
    return Mean(s, d, [variant](const CltLayer& l) {
        double f = 0.0;
        Mat_Strengths(l.kind, l.grade, variant, 6, 1.0, 1.0, nullptr, &f, nullptr, nullptr, nullptr, nullptr);
        return f;
    });
}

double Clt_Mean_E(const CltSection* s, int d)
{
    return Mean(s, d, [](const CltLayer& l) {
        double E = 0.0;
        Mat_Moduli(l.kind, l.grade, 6, l.t, &E, nullptr, nullptr, nullptr);
        return E;
    });
}

double Clt_Mean_E_Checked(const CltSection* s, int d)
{
    if (!s) return 0.0;
    if (!HasLayerOfDirection(s, d)) return -1.0;
    return Clt_Mean_E(s, d);
}
