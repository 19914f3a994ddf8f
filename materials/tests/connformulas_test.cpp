// Time limit of the charring phase, worked by hand from EN 1995-1-2 (3.8), (3.9).
#include <gtest/gtest.h>

#include "materials/connformulas.h"

TEST(FireTimeTa, BothForms)
{
    struct {
        int same_time;
        double t_f, t_ch, depth, beta, k2, k3, expected;
    } rows[] = {
        // 30 + (25 - 20 * 0.65 * 0.6) / 1.3
        {0, 30, 10, 25, 0.65, 0.6, 2, 30 + 17.2 / 1.3},
        // min(40, 20 + 25 / 1.3)
        {1, 20, 20, 25, 0.65, 1, 2, 20 + 25 / 1.3},
        // a large depth gives 2 t_f
        {1, 20, 20, 100, 0.65, 1, 2, 40},
    };
    for (const auto& r : rows)
        EXPECT_NEAR(Fire_Time_ta(r.same_time, r.t_f, r.t_ch, r.depth, r.beta, r.k2, r.k3), r.expected, 1e-12);
}
