// Fire design of cross-laminated timber by the reduced cross-section: effective charring depth
// layer by layer, with or without cladding, and the residual section left after charring.
#include "clt/cltfire.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "clt/cltstiffness.h"
#include "materials/connformulas.h"
#include "materials/matgamma.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kCharLimit = 25.0; // mm of char after which the rate returns to normal

// The fire front passing through one layer of thickness T: u the time
// reached, c the char depth in this layer.
struct Front {
    double t; // fire duration
    double u;
    double c;
    double T;

    // Chars at rate until the time until (or the fire's end), but the layer's
    // char at most to cap. Returns 1 when the cap (not the layer's end) was
    // reached.
    int Advance(double rate, double until, double cap)
    {
        const double end = std::min(until, t);
        const double limit = std::min(T, cap);
        const double room = limit - c;
        if (!(end > u) || !(room > 0.0)) return cap < T && c >= cap;
        const double possible = rate * (end - u);
        if (possible >= room) {
            u += room / rate;
            c = limit;
        } else {
            c += possible;
            u = end;
        }
        return cap < T && c >= cap;
    }
    bool Through() const { return c >= T; }
};

const CltLayer& Met(const CltSection* s, int n, unsigned side, int i) { return s->layers[side == 0 ? i : n - 1 - i]; }

double UnprotectedLayers(const CltSection* s, unsigned side, double t, double beta)
{
    const int n = Clt_Used_Layers(s);
    double r = 0.0, u = 0.0;
    for (int i = 0; i < n && t - u > 0.01; ++i) {
        Front f{t, u, 0.0, Met(s, n, side, i).t};
        const double B = i == 0 || s->char_stays ? beta : 2.0 * beta;
        f.Advance(B, kInf, kCharLimit);
        f.Advance(beta, kInf, kInf);
        r += f.c, u = f.u;
        if (!f.Through()) break;
    }
    return r;
}

// Charring starts behind the cladding before it fails.
double ProtectedLayers(const CltSection* s, unsigned side, double t, double t_f, double t_ch, double beta, double k2,
                       double k3, double t_a)
{
    const int n = Clt_Used_Layers(s);
    double r = 0.0, u = t_ch, o = t_a;
    for (int i = 0; i < n && u < t; ++i) {
        Front f{t, u, 0.0, Met(s, n, side, i).t};
        f.Advance(k2 * beta, t_f, kInf);
        // After failure until the char reaches 25 mm: that moment ends the
        // phase for the layers behind as well.
        if (f.Advance(k3 * beta, o, kCharLimit - r) && f.u < o) o = f.u;
        f.Advance(2.0 * beta, kInf, kCharLimit);
        f.Advance(beta, kInf, kInf);
        r += f.c, u = f.u;
        if (!f.Through()) break;
    }
    return r;
}

// Charring starts when the cladding fails (t_ch >= t_f): 2 beta until m, the
// time t_a of EN 1995-1-2 (3.8a), or until 25 mm of char if that comes first.
// The layer met first then chars at beta, as a face across the layers does:
// t_a = 2 t_f ends the doubled rate also when the char is still below 25 mm.
// A layer met after the one in front of it has charred through chars at
// 2 beta for its first 25 mm.
double FailureLayers(const CltSection* s, unsigned side, double t, double t_ch, double beta, double m)
{
    const int n = Clt_Used_Layers(s);
    double r = 0.0, u = t_ch;
    for (int i = 0; i < n && u < t; ++i) {
        Front f{t, u, 0.0, Met(s, n, side, i).t};
        if (u < m && r < kCharLimit) {
            if (f.Advance(2.0 * beta, m, kCharLimit - r) && f.u < m) m = f.u;
            if (i > 0) f.Advance(2.0 * beta, kInf, kCharLimit);
        } else {
            f.Advance(r < kCharLimit ? 2.0 * beta : beta, kInf, kCharLimit);
        }
        f.Advance(beta, kInf, kInf);
        r += f.c, u = f.u;
        if (!f.Through()) break;
    }
    return r;
}

// Removes depth from the layers, from the top (step +1) or the bottom.
void Remove(CltSection* s, double depth, bool from_top)
{
    double left = depth > 0.0 ? depth : 0.0; // a negative or undefined depth removes nothing
    const int n = Clt_Used_Layers(s);
    for (int k = 0; k < n && left > 0.0; ++k) {
        CltLayer& l = s->layers[from_top ? k : n - 1 - k];
        if (l.t < left) {
            left -= l.t;
            l.t = 0.0;
        } else {
            l.t -= left;
            left = 0.0;
        }
    }
}

} // namespace

double Clt_Effective_Char_Depth(const CltSection* s, unsigned side, double t, double t_f, double t_ch, double k2,
                                double k3)
{
    if (!s || side > 3 || !Clt_Layers_Valid(s)) return -1.0;
    const double beta = s->charring_rate;
    if (!(beta > 0.0) || !std::isfinite(beta) || !(t >= 0.0) || !std::isfinite(t)) return -1.0;
    // An undefined or negative time of the cladding is no unprotected plate.
    if (!(t_f >= 0.0) || !std::isfinite(t_f) || !(t_ch >= 0.0) || !std::isfinite(t_ch)) return -1.0;
    const bool across = side >= 2;

    if (!(t_ch > 0.01)) {
        const double k0 = Fire_K0(0, t, 0.0);
        const double d = across ? beta * t : UnprotectedLayers(s, side, t, beta);
        return d + 7.0 * k0;
    }

    const double k0 = Fire_K0(1, t, t_ch);
    double d = 0.0;
    if (t_ch < t_f - 0.001) {
        if (!(k2 > 0.0) || !(k3 > 0.0) || !std::isfinite(k2) || !std::isfinite(k3)) return -1.0;
        const double t_a = Fire_Time_ta(0, t_f, t_ch, kCharLimit, beta, k2, k3);
        if (t <= t_ch) {
            d = 0.0;
        } else if (across) {
            // 0 to t_ch, k2 beta to t_f, k3 beta to t_a, beta afterwards.
            d = k2 * beta * (std::min(t, t_f) - t_ch);
            if (t > t_f) d += k3 * beta * (std::min(t, t_a) - t_f);
            if (t > t_a) d += beta * (t - t_a);
        } else {
            d = ProtectedLayers(s, side, t, t_f, t_ch, beta, k2, k3, t_a);
        }
    } else {
        const double m = Fire_Time_ta(1, t_ch, t_ch, kCharLimit, beta, 1.0, 2.0);
        if (t <= t_ch) {
            d = 0.0;
        } else if (across) {
            // 0 to t_ch, 2 beta to t_a, beta afterwards.
            d = 2.0 * beta * (std::min(t, m) - t_ch);
            if (t > m) d += beta * (t - m);
        } else {
            d = FailureLayers(s, side, t, t_ch, beta, m);
        }
    }
    return d + 7.0 * k0;
}

double Clt_Effective_Char_Depth_2(const CltSection* s, unsigned side, double t, double t_f, double t_ch, double k2,
                                  double k3)
{
    return Clt_Effective_Char_Depth(s, side, t, t_f, t_ch, k2, k3);
}

CltSection* Clt_Residual_Section(CltSection* out, const CltSection* src, int dir, double d_bottom, double d_top)
{
    if (!out || !src) return out;
    CltSection copy = *src;
    Remove(&copy, d_top, true);
    Remove(&copy, d_bottom, false);

    const int n = Clt_Used_Layers(&copy);
    CltSection r = copy;
    r.layer_count = 0;
    r.thickness = 0.0;
    for (int i = 0; i < n; ++i) {
        if (!(copy.layers[i].t > 0.0)) continue;
        r.layers[r.layer_count++] = copy.layers[i];
        r.thickness += copy.layers[i].t;
    }
    for (int i = r.layer_count; i < CLT_MAX_LAYERS; ++i) std::memset(&r.layers[i], 0, sizeof r.layers[i]);

    Clt_Centroids_Dir(&r, dir);
    Clt_Static_Moments(&r, 0);
    Clt_Static_Moments(&r, 1);
    r.shear_stiffness_sum = Clt_Sum_Gt(&r);
    r.thickness_x = Clt_Sum_Thickness(&r, 0);
    r.thickness_y = Clt_Sum_Thickness(&r, 1);
    r.thickness = r.thickness_x + r.thickness_y;
    r.shear_correction_x = Clt_Shear_Correction(&r, 0);
    r.shear_correction_y = Clt_Shear_Correction(&r, 1);
    *out = r;
    return out;
}
