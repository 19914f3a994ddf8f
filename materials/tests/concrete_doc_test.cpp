// The worked examples of the concrete grades in docs/engineering.md: every
// row of the table below is quoted there, and the code gives it. The values
// are worked out by an independent script from E_c0m = 9500 (f_ck + 8)^(1/3),
// alpha_i = 0.8 + f_cm / 440 <= 1, f_ctm = 0.3 f_ck^(2/3) (2.12 ln(1 + f_cm /
// 10) from C55/67 on) rounded to one decimal, f_ctk;0,05 = 0.7 f_ctm.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "materials/concrete.h"
#include "test_support/kovtestutil.h"

namespace {

std::string Section() { return kovtest::engineering_section("## Concrete and reinforcement"); }

TEST(ConcreteDoc, TheDocumentQuotesTheGrades)
{
    const std::string doc = Section();
    ASSERT_FALSE(doc.empty());
    struct Grade {
        const char* name;
        int index; // in the Eurocode table
        double f_ck, f_cm, e_c0m, alpha_i, e_cm, f_ctm, f_ctk;
    } const grades[] = {
        {"C12/15", 0, 12, 20, 25787.0, 0.84545, 21801.7, 1.6, 1.12},
        {"C20/25", 2, 20, 28, 28847.6, 0.86364, 24913.8, 2.2, 1.54},
        {"C25/30", 3, 25, 33, 30471.6, 0.87500, 26662.6, 2.6, 1.82},
        {"C30/37", 4, 30, 38, 31938.8, 0.88636, 28309.4, 2.9, 2.03},
        {"C50/60", 8, 50, 58, 36773.3, 0.93182, 34266.1, 4.1, 2.87},
        {"C55/67", 9, 55, 63, 37801.0, 0.94318, 35653.3, 4.2, 2.94},
        {"C80/95", 12, 80, 88, 42255.6, 1.00000, 42255.6, 4.8, 3.36},
        {"C100/115", 14, 100, 108, 45240.9, 1.00000, 45240.9, 5.2, 3.64},
    };
    for (const Grade& g : grades) {
        char row[200];
        std::snprintf(row, sizeof row, "| %s | %g | %g | %.1f | %.5f | %.1f | %.1f | %.2f |", g.name, g.f_ck, g.f_cm,
                      g.e_c0m, g.alpha_i, g.e_cm, g.f_ctm, g.f_ctk);
        EXPECT_NE(doc.find(row), std::string::npos) << row;

        const double f_ck = 1000.0 * g.f_ck; // kN/m2
        EXPECT_NEAR(Concrete_Ec0m(f_ck) / 1000.0, g.e_c0m, 0.05) << row;
        EXPECT_NEAR(Concrete_Ecm(f_ck) / Concrete_Ec0m(f_ck), g.alpha_i, 5e-6) << row;
        EXPECT_NEAR(Concrete_Ecm(f_ck) / 1000.0, g.e_cm, 0.05) << row;
        EXPECT_NEAR(Concrete_Fctm(f_ck, 2200) / 1000.0, g.f_ctm, 1e-9) << row;
        EXPECT_NEAR(Concrete_Fctk005(f_ck, 2200) / 1000.0, g.f_ctk, 1e-9) << row;

        ConcreteGrade c;
        Concrete_Grade_Init_Ec2(&c, g.index, 0, 2200);
        EXPECT_STREQ(c.name, g.name);
        EXPECT_DOUBLE_EQ(c.f_ck, f_ck);
        EXPECT_NEAR(c.E_cm / 1000.0, g.e_cm, 0.05) << row;
    }

    // The lightweight example: LC25/28 at 1800 kg/m3.
    EXPECT_NE(doc.find("η_1 = 0.890909, f_lctm = 2.316364, E_lcm = 17 848.5, ε_lc1 = −1.2996 ‰"), std::string::npos);
    EXPECT_NEAR(Lightweight_Eta1(1800), 0.890909, 5e-7);
    EXPECT_NEAR(Concrete_Fctm(25000, 1800) / 1000.0, 2.316364, 5e-7);
    ConcreteGrade lc;
    Concrete_Grade_Init_Ec2(&lc, 3, 1, 1800);
    EXPECT_STREQ(lc.name, "LC25/28");
    EXPECT_NEAR(lc.E_cm / 1000.0, 17848.5, 0.05);
    EXPECT_NEAR(lc.eps_c1 * 1000.0, -1.2996, 5e-5);

    // A free f_ck between two grades and the DIN grade carried over.
    EXPECT_NE(doc.find("(f_ck = 27.5: ε_c1 = −2.25 ‰)"), std::string::npos);
    double eps_c1 = 0.0;
    Concrete_Strains_By_Fck(&eps_c1, nullptr, 27500);
    EXPECT_NEAR(eps_c1, -0.00225, 1e-12);
    EXPECT_NE(doc.find("f_ck = β_WN/1.28 (B25: 19.53)"), std::string::npos);
    ConcreteGrade b25;
    Concrete_Grade_From_Din(&b25, 1);
    EXPECT_NEAR(b25.f_ck / 1000.0, 25.0 / 1.28, 1e-12);

    // Partial factors for high-strength concrete.
    EXPECT_NE(doc.find("1.0101 for\n  C55/67, 1.0638 for C80/95"), std::string::npos);
    EXPECT_NEAR(Concrete_Gamma_c(55000, 0), 1.5 * 1.0101, 1.5e-4);
    EXPECT_NEAR(Concrete_Gamma_c(80000, 0), 1.5 * 1.0638, 1.5e-4);
    EXPECT_DOUBLE_EQ(Concrete_Gamma_c(50000, 0), 1.5);

    // B500A/B: the values of ConcreteGrades.EurocodeSteels.
    EXPECT_NE(doc.find("f_yk = 500, f_tk,cal = 525 (1.05·f_yk), ε_ud = 0.025"), std::string::npos);
}

} // namespace
