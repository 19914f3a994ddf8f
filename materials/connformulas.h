#pragma once
// Timber formulas beside the connection design: the time limit of the
// charring phase behind a fire protection.

// Time t_a [min] at which the charring rate returns to its normal value
// (EN 1995-1-2, 3.4.3.3): with same_time non-zero (charring starts when the
// protection fails) min(2 t_f, t_f + depth / (beta k3)); otherwise
// t_f + (depth + (t_ch - t_f) beta k2) / (beta k3). depth is the char depth
// that ends the phase (25 mm in the standard).
double Fire_Time_ta(int same_time, double t_f, double t_ch, double depth, double beta, double k2, double k3);
