// The bending and rolling-shear check of a cross-laminated timber plate strip: stiffness,
// design strengths of every layer and the stresses at the bottom, middle and top of each layer.
#include "clt/cltplate.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "clt/cltfactors.h"
#include "clt/cltstiffness.h"
#include "materials/matfactors.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();

// |stress| / strength; infinite when the strength is not positive or the
// quotient is not a number.
double Utilisation(double stress, double strength)
{
    if (!(strength > 0.0)) return kInf;
    const double u = std::fabs(stress) / strength;
    return std::isnan(u) ? kInf : u;
}

int NoCheck(CltPlateCheck* out)
{
    out->eta_max = out->eta_m_max = out->eta_v_max = CLT_NO_CHECK;
    out->layer_m = out->layer_v = -1;
    return 0;
}

// Rolling shear strength f_R [N/mm2] of a cross layer by the manufacturer's
// rule.
double RollingShearStrength(const CltSection* s, const CltLayer& l)
{
    switch (s->manufacturer) {
        case 0: return Clt_Cross_Strength_Step(l.t);
        case 2: return Clt_Cross_Strength_By_Thickness(l.t);
        default: return s->strength_factor;
    }
}

} // namespace

int Clt_Plate_Check(const CltSection* s, double width, int d, int service, int duration, double c, double kmod_given,
                    double gamma_M, double M, double F2, double V, CltPlateCheck* out)
{
    if (!s || !out) return 0;
    std::memset(out, 0, sizeof *out);
    const int n = Clt_Used_Layers(s);
    out->M = M, out->F2 = F2, out->V = V, out->gamma_M = gamma_M;
    out->duration = duration, out->service = service, out->direction = d, out->layer_count = n;
    out->layer_m = out->layer_v = -1;
    const double w = width / 1000.0;

    for (int i = 0; i < n; ++i) {
        const CltLayer& l = s->layers[i];
        if (l.direction != d) continue;
        const double t = l.t / 1000.0, z = l.z / 1000.0;
        out->EI += (t * t / 12.0 + z * z) * t * l.E;
    }
    out->EI *= w;
    out->S = w * Clt_Shear_Stiffness(s, d);
    out->E_mean = Clt_Mean_E_Checked(s, d);
    if (n == 0 || out->E_mean < 0.0) {
        out->E_mean = -1.0;
        return NoCheck(out);
    }
    if (!(width > 0.0) || !std::isfinite(width) || !(gamma_M >= 1.0) || !std::isfinite(gamma_M) || !(c > 0.0) ||
        !std::isfinite(c) || !(out->EI > 0.0) || !std::isfinite(out->EI) || !std::isfinite(M) || !std::isfinite(V))
        return NoCheck(out);
    // A service or load-duration class the standard does not know, a given
    // k_mod outside (0, 1.1] or layers that describe no section leave no
    // design strength to check against.
    if (service < 1 || service > 3 || duration < 0 || duration > 8 || !Clt_Layers_Valid(s)) return NoCheck(out);
    if (duration == 8 && !(kmod_given > 0.0 && kmod_given <= 1.1)) return NoCheck(out);

    const double g = 1.0 / gamma_M, H = c * g / 1000.0;
    for (int i = 0; i < n; ++i) {
        const CltLayer& l = s->layers[i];
        CltPlateLayer& b = out->layers[i];
        if (duration == 8)
            b.k_mod = kmod_given;
        else if (!Mat_Kmod(l.kind, l.grade, service, duration, &b.k_mod, nullptr))
            return NoCheck(out);
        b.f_md = H * b.k_mod * l.f_m;
        b.f_td = H * b.k_mod * l.f_t;
        b.f_cd = H * b.k_mod * l.f_c;
        b.f_vd = l.direction == d ? H * b.k_mod * l.f_v : c * g * b.k_mod * RollingShearStrength(s, l);
    }

    // Bending: stresses in the layers of direction d.
    for (int i = 0; i < n; ++i) {
        const CltLayer& l = s->layers[i];
        CltPlateLayer& b = out->layers[i];
        b.z[0] = l.z - l.t / 2.0, b.z[1] = l.z, b.z[2] = l.z + l.t / 2.0;
        if (l.direction != d || !(l.t > 0.001)) continue;
        const double J = M * l.E / (1000.0 * out->EI);
        for (int k = 0; k < 3; ++k) {
            b.sigma[k] = b.z[k] * J / 1000.0;
            b.eta_m[k] = Utilisation(b.sigma[k], b.f_md);
        }
        if (b.eta_m[0] > out->eta_m_max || b.eta_m[2] > out->eta_m_max) out->layer_m = i;
        for (int k = 0; k < 3; ++k) {
            out->eta_m_max = std::fmax(out->eta_m_max, b.eta_m[k]);
            out->sigma_max = std::fmax(out->sigma_max, b.sigma[k]);
            out->sigma_min = std::fmin(out->sigma_min, b.sigma[k]);
        }
    }

    // Shear: the static moments of direction d in every layer.
    for (int i = 0; i < n; ++i) {
        const CltLayer& l = s->layers[i];
        CltPlateLayer& b = out->layers[i];
        if (!(l.t > 0.001)) continue;
        const double sm[3] = {d == 0 ? l.s_bottom_x : l.s_bottom_y, d == 0 ? l.s_mid_x : l.s_mid_y,
                              d == 0 ? l.s_top_x : l.s_top_y};
        bool larger = false;
        for (int k = 0; k < 3; ++k) {
            b.tau[k] = std::fabs(V * sm[k] / out->EI);
            b.eta_v[k] = Utilisation(b.tau[k], b.f_vd);
            b.eta[k] = std::fmax(b.eta_m[k], b.eta_v[k]);
            larger = larger || b.eta_v[k] > out->eta_v_max;
        }
        if (larger) out->layer_v = i;
        for (int k = 0; k < 3; ++k) {
            out->eta_v_max = std::fmax(out->eta_v_max, b.eta_v[k]);
            out->tau_max = std::fmax(out->tau_max, b.tau[k]);
        }
    }
    out->eta_max = std::fmax(out->eta_m_max, out->eta_v_max);
    return 1;
}
