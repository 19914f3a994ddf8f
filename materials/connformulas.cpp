#include "materials/connformulas.h"

#include <algorithm>

double Fire_Time_ta(int same_time, double t_f, double t_ch, double depth, double beta, double k2, double k3)
{
    if (same_time != 0) return std::min(2.0 * t_f, t_f + depth / (beta * k3));
    return t_f + (depth + (t_ch - t_f) * beta * k2) / (beta * k3);
}
