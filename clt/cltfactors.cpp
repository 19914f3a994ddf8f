// The product factor k of a cross-laminated timber product by its manufacturer's rule (capped
// at 3.5) and the factor rules of a layer thickness or direction used by the plate check.
#include "clt/cltfactors.h"

#include <algorithm>

namespace {

double SumAllThickness(const CltSection& s)
{
    double h = 0.0;
    const int n = Clt_Used_Layers(&s);
    for (int i = 0; i < n; ++i) h += s.layers[i].t;
    return h;
}

double MinDirectionThickness(const CltSection& s)
{
    return std::min(Clt_Sum_Thickness(&s, 0), Clt_Sum_Thickness(&s, 1));
}

} // namespace

double Clt_Factor_Board_Width(int n, double t_min, double h, double a1, double a2)
{
    const double widths = (n - 1) * (5.0 / 12.0) * (a1 * a1 + a2 * a2) / (h * std::max(a1, a2));
    return std::min(std::min(8.0 * t_min / h, 3.5), widths);
}

double Clt_Factor_Board_Width_2(int n, double t_min, double h, double a1, double a2)
{
    return Clt_Factor_Board_Width(n, t_min, h, a1, a2);
}

double Clt_Section_Factor_Board_Width(CltSection s)
{
    return Clt_Factor_Board_Width(Clt_Used_Layers(&s), MinDirectionThickness(s), SumAllThickness(s), s.board_width_1,
                                  s.board_width_2);
}

double Clt_Section_Factor_Board_Width_2(CltSection s) { return Clt_Section_Factor_Board_Width(s); }

double Clt_Factor_Layer_Pairs(double t_min, double h, double P)
{
    return std::min(std::min(P / (3.0 * h), 3.5), 8.0 * t_min / h);
}

double Clt_Section_Factor_Layer_Pairs(CltSection s)
{
    const int n = Clt_Used_Layers(&s);
    double P = 0.0;
    for (int i = 0; i + 1 < n; ++i) {
        const double a = s.layers[i].t, b = s.layers[i + 1].t;
        const double m = std::max(a, b);
        if (m > 0.0) P += (a * a + b * b) / m; // two empty layers add nothing
    }
    return Clt_Factor_Layer_Pairs(MinDirectionThickness(s), SumAllThickness(s), P);
}

double Clt_Product_Factor(CltSection s)
{
    switch (s.manufacturer) {
        case 0:
        case 3: return Clt_Section_Factor_Board_Width(s);
        case 1: return Clt_Section_Factor_Layer_Pairs(s);
        default: return s.product_factor;
    }
}

double Clt_Cross_Strength_By_Thickness(double t)
{
    if (t < 20.0) return 1.1;
    if (t > 40.0) return 1.0;
    return 1.1 - 0.005 * (t - 20.0);
}

double Clt_Cross_Strength_Step(double t) { return t <= 115.01 ? 0.85 : 0.7; }

double Clt_Direction_Factor(const CltSection*, int d) { return d == 1 ? 0.6 : 0.8; }

double Clt_Outer_Pair_Sum(const CltSection* s, double* t_max)
{
    const int n = Clt_Used_Layers(s);
    double largest = 0.0;
    if (n >= 2)
        for (int i = 0; i < n; ++i) largest = std::max(largest, s->layers[i].t);
    if (t_max) *t_max = largest;
    if (n < 2) return 0.0;
    const double t0 = s->layers[0].t, t1 = s->layers[1].t;
    double sum = std::min(t1, 2.0 * t0) + std::min(t0, t1);
    if (n >= 3) sum += std::min(s->layers[n - 2].t, 2.0 * s->layers[n - 1].t);
    return sum;
}
