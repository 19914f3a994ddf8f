// Concrete parameters of an annex: defaults against EN 1992-1-1, the stored body
// in every layout, the upgrade of old data, comparison, copy and checks.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "nad/nadec2.h"
#include "nad/nadtitle.h"
#include "platform/kovlocale.h"
#include "test_support/kovtestutil.h"

namespace {

// ---- the body layout, token by token ----------------------------------------

// Names of the fields in their stored order: the block every layout has, the
// version, then what each layout added. "reserve_b" sits inside the block.
std::vector<std::string> block_names()
{
    std::vector<std::string> n = {"k2_redist_mode",
                                  "k4_redist_mode",
                                  "as_min_beam_mode",
                                  "v_min_mode",
                                  "nu_mode",
                                  "v_l_min_mode",
                                  "nu_l_mode",
                                  "nu_1_mode",
                                  "rho_w_min_mode",
                                  "delta_c_dev",
                                  "delta_c_dur_st",
                                  "delta_c_dur_add",
                                  "gamma_f_fat",
                                  "alpha_ct",
                                  "as_min_beam",
                                  "rho_w_min",
                                  "cot_theta_f_tension",
                                  "cot_theta_f_compression",
                                  "k1_redist",
                                  "k2_redist",
                                  "k3_redist",
                                  "k4_redist",
                                  "k5_redist",
                                  "k6_redist",
                                  "nu_torsion",
                                  "c_rd_c",
                                  "v_min",
                                  "k1_shear",
                                  "nu_shear",
                                  "c_lrd_c",
                                  "v_l_min",
                                  "k_l1",
                                  "nu_l_shear",
                                  "cot_theta_min",
                                  "cot_theta_max",
                                  "reserve_b",
                                  "nu_1",
                                  "alpha_cw",
                                  "k_flange",
                                  "k1_fatigue",
                                  "k3_crack",
                                  "k4_crack"};
    for (int i = 0; i < 4; ++i) {
        n.push_back("joint_c" + std::to_string(i));
        n.push_back("joint_mu" + std::to_string(i));
    }
    for (int i = 0; i < 12; ++i) n.push_back("c_min_dur" + std::to_string(i));
    for (int i = 0; i < 12; ++i) n.push_back("delta_c_dur_gamma" + std::to_string(i));
    return n;
}

std::vector<std::string> added_in(int layout)
{
    auto idx = [](const char* base, int count) {
        std::vector<std::string> v;
        for (int i = 0; i < count; ++i) v.push_back(base + std::to_string(i));
        return v;
    };
    switch (layout) {
        case 1: return {"nu_1l_mode", "nu_1l", "reserve_a"};
        case 2: return {"as_min_column_mode", "as_min_column", "as_vmin_wall_mode", "as_vmin_wall"};
        case 3: return {"conductivity_mode", "conductivity_factor", "rebar_class_fire"};
        case 4: return idx("k_system", 5);
        case 5: return {"alpha_cc", "alpha_cc_pl", "alpha_ct_pl"};
        case 6: return {"k_p"};
        case 7: {
            std::vector<std::string> v = {"beta_1",      "nu_l_torsion", "k1_bar_spacing",      "beta_2",
                                          "gamma_c_sls", "gamma_s_sls",  "as_min_column_floor", "as_min_beam_floor"};
            for (int i = 0; i < 4; ++i) {
                v.push_back("gamma_c" + std::to_string(i));
                v.push_back("gamma_s" + std::to_string(i));
            }
            v.push_back("reserve_selector");
            v.push_back("na_de");
            for (auto& s : idx("joint_nu", 4)) v.push_back(s);
            v.push_back("alpha_lcc");
            v.push_back("alpha_lct");
            return v;
        }
        case 8: return {"hsc_class_fire", "k_hsc_fire"};
        case 9: return {"gamma_ce"};
        case 10: return {"k_m_hsc_fire"};
        case 11: return {"lambda_lim_mode", "lambda_lim"};
        case 12: return {"redist_extra"};
        case 15:
            return {"alpha_cc_bridge",
                    "alpha_ct_bridge",
                    "c_rd_c_bridge",
                    "v_min_bridge",
                    "k1_shear_bridge",
                    "cot_theta_min_bridge",
                    "cot_theta_max_bridge",
                    "alpha_cw_bridge",
                    "nu_1_bridge",
                    "k1_fatigue_bridge",
                    "as_min_column_bridge",
                    "as_min_column_floor_bridge",
                    "as_min_column_bridge_mode",
                    "v_min_bridge_mode",
                    "nu_1_bridge_mode"};
        case 16: return idx("k_stress_bridge", 5);
        case 17: {
            std::vector<std::string> v;
            for (int i = 0; i < 4; ++i) {
                v.push_back("gamma_c_bridge" + std::to_string(i));
                v.push_back("gamma_s_bridge" + std::to_string(i));
            }
            for (const char* s : {"r_sup_pre", "r_inf_pre", "r_sup_post", "r_inf_post"}) v.push_back(s);
            return v;
        }
        case 18: return {"theta_0_inv"};
        default: return {};
    }
}

bool is_int_field(const std::string& n)
{
    return n.find("_mode") != std::string::npos || n == "rebar_class_fire" || n == "hsc_class_fire" ||
           n == "reserve_selector" || n == "na_de" || n == "version";
}

// A body as tokens; every token starts as a plain valid number.
struct Body {
    std::vector<std::pair<std::string, std::string>> toks;

    explicit Body(int version, int stop_after = -1)
    {
        for (auto& n : block_names()) toks.push_back({n, is_int_field(n) ? "1" : "0.5"});
        toks.push_back({"version", std::to_string(version)});
        const int last = stop_after >= 0 ? stop_after : (version > 18 ? 18 : version);
        for (int l = 1; l <= last; ++l)
            for (auto& n : added_in(l)) toks.push_back({n, is_int_field(n) ? "1" : "0.5"});
        set("na_de", "0");
    }
    Body& set(const std::string& name, const std::string& value)
    {
        for (auto& t : toks)
            if (t.first == name) t.second = value;
        return *this;
    }
    std::string text() const
    {
        std::string s;
        int k = 0;
        for (auto& t : toks) s += " " + t.second + (++k % 9 == 0 ? "\n" : "");
        return s + "\n";
    }
};

// Pointers to every double and int field by the names above.
struct FieldMap {
    std::map<std::string, double*> d;
    std::map<std::string, int*> i;

    explicit FieldMap(NadEc2Record& r)
    {
#define D(x) d[#x] = &r.x
#define I(x) i[#x] = &r.x
        D(gamma_c_sls);
        D(gamma_s_sls);
        D(delta_c_dev);
        D(delta_c_dur_st);
        D(delta_c_dur_add);
        D(alpha_cc);
        D(alpha_ct);
        D(alpha_cc_pl);
        D(alpha_ct_pl);
        D(alpha_lcc);
        D(alpha_lct);
        D(gamma_ce);
        D(as_min_beam);
        D(as_min_column);
        D(as_vmin_wall);
        D(as_min_beam_floor);
        D(as_min_column_floor);
        D(k1_redist);
        D(k2_redist);
        D(k3_redist);
        D(k4_redist);
        D(k5_redist);
        D(k6_redist);
        D(redist_extra);
        D(c_rd_c);
        D(v_min);
        D(k1_shear);
        D(nu_shear);
        D(nu_torsion);
        D(c_lrd_c);
        D(v_l_min);
        D(k_l1);
        D(nu_l_shear);
        D(nu_l_torsion);
        D(cot_theta_min);
        D(cot_theta_max);
        D(nu_1);
        D(nu_1l);
        D(alpha_cw);
        D(k_flange);
        D(rho_w_min);
        D(cot_theta_f_tension);
        D(cot_theta_f_compression);
        D(k_p);
        D(k3_crack);
        D(k4_crack);
        D(k1_fatigue);
        D(gamma_f_fat);
        D(k1_bar_spacing);
        D(beta_1);
        D(beta_2);
        D(theta_0_inv);
        D(conductivity_factor);
        D(k_hsc_fire);
        D(k_m_hsc_fire);
        D(lambda_lim);
        D(alpha_cc_bridge);
        D(alpha_ct_bridge);
        D(c_rd_c_bridge);
        D(v_min_bridge);
        D(k1_shear_bridge);
        D(cot_theta_min_bridge);
        D(cot_theta_max_bridge);
        D(alpha_cw_bridge);
        D(nu_1_bridge);
        D(k1_fatigue_bridge);
        D(as_min_column_bridge);
        D(as_min_column_floor_bridge);
        D(r_sup_pre);
        D(r_sup_post);
        D(r_inf_pre);
        D(r_inf_post);
        D(reserve_a);
        D(reserve_b);
        I(na_de);
        I(as_min_beam_mode);
        I(as_min_column_mode);
        I(as_vmin_wall_mode);
        I(k2_redist_mode);
        I(k4_redist_mode);
        I(v_min_mode);
        I(nu_mode);
        I(v_l_min_mode);
        I(nu_l_mode);
        I(nu_1_mode);
        I(nu_1l_mode);
        I(rho_w_min_mode);
        I(conductivity_mode);
        I(rebar_class_fire);
        I(hsc_class_fire);
        I(lambda_lim_mode);
        I(as_min_column_bridge_mode);
        I(v_min_bridge_mode);
        I(nu_1_bridge_mode);
        I(reserve_selector);
#undef D
#undef I
        auto arr = [&](const char* base, double* p, int n) {
            for (int k = 0; k < n; ++k) d[base + std::to_string(k)] = p + k;
        };
        arr("c_min_dur", r.c_min_dur, 12);
        arr("delta_c_dur_gamma", r.delta_c_dur_gamma, 12);
        arr("gamma_c", r.gamma_c, 4);
        arr("gamma_s", r.gamma_s, 4);
        arr("gamma_c_bridge", r.gamma_c_bridge, 4);
        arr("gamma_s_bridge", r.gamma_s_bridge, 4);
        arr("joint_c", r.joint_c, 4);
        arr("joint_mu", r.joint_mu, 4);
        arr("joint_nu", r.joint_nu, 4);
        arr("k_system", r.k_system, 5);
        arr("k_stress_bridge", r.k_stress_bridge, 5);
    }
};

NadEc2Record read_body(const std::string& text)
{
    NadEc2Record r;
    Nad_Default_Ec2(&r);
    FILE* f = kovtest::stream_of(text);
    Nad_Read_Ec2(f, &r);
    fclose(f);
    return r;
}

std::string written(const NadEc2Record& r)
{
    kovtest::MemFile m;
    Nad_Write_Ec2(m.f, &r);
    return m.text();
}

std::vector<std::string> lines_of(const std::string& s)
{
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string l;
    while (std::getline(in, l)) out.push_back(l);
    return out;
}

NadEc2Record defaults()
{
    NadEc2Record r;
    Nad_Default_Ec2(&r);
    return r;
}

} // namespace

// ---- defaults ------------------------------------------------------------------

TEST(NadEc2Defaults, RecommendedValuesOfEn1992)
{
    const NadEc2Record r = defaults();
    EXPECT_EQ(r.version, 1);
    EXPECT_EQ(r.na_de, 0);
    // 5.8.3.1(1): lambda_lim = 20 A B C / sqrt(n) with A = 0.7, B = 1.1, C = 0.7.
    EXPECT_NEAR(r.lambda_lim, 20 * 0.7 * 1.1 * 0.7, 1e-12);
    EXPECT_NEAR(r.lambda_lim, 10.78, 1e-12);
    // 6.2.2(1): v_min = 0.035 k^1.5 fck^0.5, stored as coefficient over gamma_c = 1.5.
    EXPECT_NEAR(r.v_min, 0.035 * 1.5, 1e-12);
    EXPECT_NEAR(r.c_rd_c, 0.18, 1e-12);
    EXPECT_NEAR(r.k1_shear, 0.15, 1e-12);
    EXPECT_NEAR(r.nu_shear, 0.6, 1e-12);
    EXPECT_NEAR(r.cot_theta_min, 1.0, 1e-12);
    EXPECT_NEAR(r.cot_theta_max, 2.5, 1e-12);
    EXPECT_NEAR(r.rho_w_min, 0.08, 1e-12);
    // Table 7.4N: simply supported, end span, interior span, flat slab, cantilever.
    const double k[5] = {1.0, 1.3, 1.5, 1.2, 0.4};
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(r.k_system[i], k[i], 1e-12) << i;
    // 7.3.4(3)
    EXPECT_NEAR(r.k3_crack, 3.4, 1e-12);
    EXPECT_NEAR(r.k4_crack, 0.425, 1e-12);
    // 2.4.2.4(1) Table 2.1N: persistent/transient 1.5 / 1.15, accidental 1.2 / 1.0.
    EXPECT_NEAR(r.gamma_c[0], 1.5, 1e-12);
    EXPECT_NEAR(r.gamma_c[3], 1.2, 1e-12);
    EXPECT_NEAR(r.gamma_s[0], 1.15, 1e-12);
    EXPECT_NEAR(r.gamma_s[3], 1.0, 1e-12);
    // 3.1.6: alpha_cc = alpha_ct = 1.0.
    EXPECT_NEAR(r.alpha_cc, 1.0, 1e-12);
    EXPECT_NEAR(r.alpha_ct, 1.0, 1e-12);
    // 5.5(4) redistribution
    EXPECT_NEAR(r.k1_redist, 0.44, 1e-12);
    EXPECT_NEAR(r.k2_redist, 1.25, 1e-12);
    EXPECT_NEAR(r.k3_redist, 0.54, 1e-12);
    EXPECT_NEAR(r.k5_redist, 0.7, 1e-12);
    EXPECT_NEAR(r.k6_redist, 0.8, 1e-12);
    // 5.2(5): theta_0 = 1/200; 4.4.1.3(1)P: delta c_dev = 10 mm.
    EXPECT_NEAR(r.theta_0_inv, 200, 1e-12);
    EXPECT_NEAR(r.delta_c_dev, 1.0, 1e-12);
    // Table 4.4N, structural class S4, in mm: X0 10, XC1 15, XC2/XC3 25, XC4 30,
    // XD1/XS1 35, XD2/XS2 40, XD3/XS3 45; stored in cm.
    const double cmin_mm[12] = {0, 10, 15, 25, 25, 30, 35, 40, 45, 35, 40, 45};
    for (int i = 0; i < 12; ++i) EXPECT_NEAR(r.c_min_dur[i], cmin_mm[i] / 10.0, 1e-12) << i;
    // 5.10.9(1)P
    EXPECT_NEAR(r.r_sup_pre, 1.05, 1e-12);
    EXPECT_NEAR(r.r_sup_post, 1.10, 1e-12);
    EXPECT_NEAR(r.r_inf_pre, 0.95, 1e-12);
    EXPECT_NEAR(r.r_inf_post, 0.90, 1e-12);
    EXPECT_EQ(r.v_min_mode, 2);
    EXPECT_EQ(r.lambda_lim_mode, 2);
    EXPECT_EQ(r.conductivity_mode, 1);
    EXPECT_EQ(r.hsc_class_fire, 1);
    EXPECT_EQ(r.reserve_selector, 0);
}

TEST(NadEc2Defaults, NameTablesInCodePage850)
{
    const NadEc2Record r = defaults();
    EXPECT_STREQ(r.exposure_class_names[0], "---");
    EXPECT_STREQ(r.exposure_class_names[1], "X0 ");
    EXPECT_STREQ(r.exposure_class_names[11], "XS3");
    EXPECT_STREQ(r.joint_surface_names[3], "sehr glatt");
    EXPECT_STREQ(r.design_situation_names[0], "st\x84ndig/ver\x84nderlich"); // ständig/veränderlich
    EXPECT_STREQ(r.design_situation_names[1], "Erm\x81"
                                              "dung"); // Ermüdung
    EXPECT_STREQ(r.design_situation_names[2], "Erdbeben");
    EXPECT_STREQ(r.design_situation_names[3], "au\xE1"
                                              "ergew\x94hnlich"); // außergewöhnlich
}

TEST(NadEc2Defaults, NullRecordIsIgnored)
{
    Nad_Default_Ec2(nullptr);
    Nad_Default_Ec2_For_Norm(1, nullptr);
    Nad_Write_Ec2(stdout, nullptr);
    Nad_Read_Ec2(nullptr, nullptr);
    Nad_Copy_Ec2(nullptr, nullptr);
    EXPECT_EQ(Nad_Check_Ec2(nullptr, 1), 0);
    EXPECT_EQ(Nad_Differs_Ec2(nullptr, nullptr), 1);
    EXPECT_EQ(Nad_Set_Ec2_Na_De(nullptr, 1), nullptr);
}

TEST(NadEc2Defaults, ForOtherNormsTheGermanStandardValues)
{
    NadEc2Record r;
    Nad_Default_Ec2(&r);
    r.k_stress_bridge[4] = 0.777;
    r.r_sup_post = 1.234;
    Nad_Set_Norm_Edition(1);
    Nad_Default_Ec2_For_Norm(1, &r);
    EXPECT_EQ(r.version, 1);
    EXPECT_NEAR(r.alpha_cc, 0.85, 1e-12);
    EXPECT_NEAR(r.gamma_c[3], 1.3, 1e-12);
    EXPECT_NEAR(r.lambda_lim, 16, 1e-12);
    EXPECT_NEAR(r.k4_crack, 0.2777777777777778, 1e-15);
    EXPECT_EQ(r.k2_redist_mode, 1);
    EXPECT_NEAR(r.joint_c[0], 2.4, 1e-12);
    EXPECT_NEAR(r.joint_mu[0], 1.0, 1e-12);
    EXPECT_NEAR(r.joint_nu[2], 0.75, 1e-12);
    // The bridge values follow the building values.
    EXPECT_NEAR(r.nu_1_bridge, 0.75, 1e-12);
    EXPECT_NEAR(r.cot_theta_min_bridge, 0.5773503, 1e-12);
    EXPECT_NEAR(r.as_min_column_bridge, 0.15, 1e-12);
    EXPECT_NEAR(r.k1_fatigue_bridge, 1.0, 1e-12);
    EXPECT_EQ(r.nu_1_bridge_mode, 2);
    // Stress limits and prestress factors are left alone.
    EXPECT_NEAR(r.k_stress_bridge[4], 0.777, 1e-12);
    EXPECT_NEAR(r.r_sup_post, 1.234, 1e-12);

    Nad_Set_Norm_Edition(0);
    Nad_Default_Ec2_For_Norm(2, &r);
    EXPECT_NEAR(r.joint_c[0], 0.5, 1e-12);
    EXPECT_NEAR(r.joint_mu[0], 0.9, 1e-12);
    EXPECT_NEAR(r.joint_nu[1], 0.5, 1e-12);
    Nad_Set_Norm_Edition(1);

    for (int norm : {4, 21}) {
        Nad_Default_Ec2_For_Norm(norm, &r);
        NadEc2Record ec = defaults();
        EXPECT_EQ(memcmp(&r, &ec, sizeof r), 0) << norm;
    }
}

// ---- writing ----------------------------------------------------------------

TEST(NadEc2Write, DefaultBodyLines)
{
    const std::vector<std::string> l = lines_of(written(defaults()));
    ASSERT_EQ(l.size(), 30u);
    EXPECT_EQ(l[0], " 2 2 2 2 2 2 2 2 2 1.000000 0.000000 0.000000 1.000000 1.000000");
    EXPECT_EQ(l[4], " 0.500000 0.900000 0.400000 0.700000 0.200000 0.600000 0.050000 0.500000");
    EXPECT_EQ(l[7], " 18");
    EXPECT_EQ(l[11], " 1.000000 1.300000 1.500000 1.200000 0.400000");
    EXPECT_EQ(l[16], " 0 0");
    EXPECT_EQ(l[22], " 2 10.780000");
    EXPECT_EQ(l[26], " 0.600000  0.450000  0.800000  1.000000 0.650000");
    EXPECT_EQ(l[28], " 1.050000 0.950000 1.100000 0.900000");
    EXPECT_EQ(l[29], " 200.000000");
}

TEST(NadEc2Write, EveryFieldInItsPlace)
{
    NadEc2Record r = defaults();
    FieldMap m(r);
    // Distinct values that print exactly with six decimals.
    int k = 0;
    for (auto& d : m.d) *d.second = 10 + 0.125 * k++;
    for (auto& i : m.i) *i.second = 100 + k++;

    std::vector<std::string> names = block_names();
    names.push_back("version");
    for (int l = 1; l <= 18; ++l)
        for (auto& n : added_in(l)) names.push_back(n);

    std::istringstream in(written(r));
    std::vector<std::string> tokens;
    for (std::string t; in >> t;) tokens.push_back(t);
    ASSERT_EQ(tokens.size(), names.size());
    for (size_t t = 0; t < names.size(); ++t) {
        char expect[64];
        if (names[t] == "version")
            snprintf(expect, sizeof expect, "%d", 18);
        else if (m.i.count(names[t]))
            snprintf(expect, sizeof expect, "%d", *m.i[names[t]]);
        else
            snprintf(expect, sizeof expect, "%f", *m.d.at(names[t]));
        EXPECT_EQ(tokens[t], expect) << "token " << t << " " << names[t];
    }
}

// ---- reading ------------------------------------------------------------------

TEST(NadEc2Read, Layout18FieldByField)
{
    Body b(18);
    int k = 0;
    for (auto& t : b.toks) {
        if (t.first == "version") continue;
        if (t.first == "na_de") continue; // stays 0: the German rule would override two factors
        char v[32];
        if (is_int_field(t.first))
            snprintf(v, sizeof v, "%d", 100 + k);
        else
            snprintf(v, sizeof v, "%.3f", 10 + 0.125 * k);
        t.second = v;
        ++k;
    }
    NadEc2Record r = read_body(b.text());
    EXPECT_EQ(r.version, 18);
    FieldMap m(r);
    for (auto& t : b.toks) {
        if (t.first == "version") continue;
        if (m.i.count(t.first))
            EXPECT_EQ(std::to_string(*m.i[t.first]), t.second) << t.first;
        else
            EXPECT_DOUBLE_EQ(*m.d.at(t.first), std::stod(t.second)) << t.first;
    }
}

TEST(NadEc2Read, RoundTripUnderGermanLocale)
{
    Kov_Try_German_Locale();
    Kov_Numeric_C_Locale();
    NadEc2Record a = defaults();
    a.na_de = 1;
    a.k_hsc_fire = 1.0;
    a.k_m_hsc_fire = 1.0;
    a.gamma_c[3] = 1.3;
    a.v_min = 0.0375;
    a.reserve_selector = 2;
    a.theta_0_inv = 300;
    a.reserve_a = 4.5;
    a.reserve_b = -2.25;
    NadEc2Record b = read_body(written(a));
    setlocale(LC_ALL, "C");
    EXPECT_EQ(b.version, 18);
    EXPECT_EQ(Nad_Differs_Ec2(&a, &b), 0);
    EXPECT_EQ(b.na_de, 1);
    EXPECT_DOUBLE_EQ(b.reserve_a, 4.5);
    EXPECT_DOUBLE_EQ(b.reserve_b, -2.25);
    EXPECT_DOUBLE_EQ(b.theta_0_inv, 300);
}

TEST(NadEc2Read, Layout6IsUpgraded)
{
    Body b(6);
    b.set("v_min", "0.035").set("nu_shear", "0.7").set("nu_torsion", "0.3");
    b.set("nu_l_shear", "0.45").set("k_p", "1.25");
    NadEc2Record r = read_body(b.text());
    EXPECT_EQ(r.version, 6);
    EXPECT_NEAR(r.v_min, 0.0525, 1e-12);
    EXPECT_DOUBLE_EQ(r.nu_torsion, 0.7);
    EXPECT_DOUBLE_EQ(r.nu_l_torsion, 0.45);
    EXPECT_DOUBLE_EQ(r.k_p, 1.25);
    // Fields of later layouts keep the recommended values.
    EXPECT_DOUBLE_EQ(r.beta_1, 0.15);
    EXPECT_DOUBLE_EQ(r.lambda_lim, 10.78);
    EXPECT_EQ(r.na_de, 0);
    // Bridge partial factors and prestress factors of a body without them (na_de 0).
    EXPECT_DOUBLE_EQ(r.gamma_c_bridge[3], 1.2);
    EXPECT_DOUBLE_EQ(r.r_sup_pre, 1.0);
    EXPECT_DOUBLE_EQ(r.r_inf_post, 1.0);
}

TEST(NadEc2Read, Layout12SkipsItsFourGarbledPlaces)
{
    Body b(12);
    b.set("reserve_b", "abc").set("reserve_a", "x#y").set("gamma_c_sls", "foo").set("gamma_s_sls", "bar");
    b.set("as_min_column_floor", "0.003").set("as_min_beam_floor", "0.0015");
    b.set("nu_1l", "0.55").set("redist_extra", "0.85").set("beta_2", "0.3");
    NadEc2Record r = read_body(b.text());
    EXPECT_EQ(r.version, 12);
    EXPECT_DOUBLE_EQ(r.reserve_b, 0);
    EXPECT_DOUBLE_EQ(r.reserve_a, 0);
    EXPECT_DOUBLE_EQ(r.gamma_c_sls, 1.0);
    EXPECT_DOUBLE_EQ(r.gamma_s_sls, 1.0);
    EXPECT_DOUBLE_EQ(r.nu_1l, 0.55);
    EXPECT_DOUBLE_EQ(r.beta_2, 0.3);
    EXPECT_DOUBLE_EQ(r.as_min_column_floor, 0.003);
    EXPECT_DOUBLE_EQ(r.as_min_beam_floor, 0.0015);
    EXPECT_DOUBLE_EQ(r.redist_extra, 0.85);

    // Numbers in those places of layout 12 are passed over just the same.
    Body n(12);
    n.set("reserve_b", "7").set("reserve_a", "8").set("gamma_c_sls", "2").set("gamma_s_sls", "3");
    r = read_body(n.text());
    EXPECT_EQ(r.version, 12);
    EXPECT_DOUBLE_EQ(r.reserve_b, 0);
    EXPECT_DOUBLE_EQ(r.reserve_a, 0);
    EXPECT_DOUBLE_EQ(r.gamma_c_sls, 1.0);
}

TEST(NadEc2Read, Layout13WithWordsFails)
{
    Body b(13);
    b.set("v_min", "0.06");
    b.set("reserve_b", "abc").set("reserve_a", "x#y").set("gamma_c_sls", "foo").set("gamma_s_sls", "bar");
    b.set("nu_1l", "0.55");
    NadEc2Record r = read_body(b.text());
    EXPECT_EQ(r.version, 0);
    EXPECT_DOUBLE_EQ(r.v_min, 0.06); // read before the failure, not upgraded
    EXPECT_DOUBLE_EQ(r.nu_1l, 0.5);  // after it: preset
}

TEST(NadEc2Read, Layout10WithAndWithoutGermanRules)
{
    Body b(10);
    b.set("na_de", "1").set("k_hsc_fire", "1.1").set("k_m_hsc_fire", "0.95");
    NadEc2Record r = read_body(b.text());
    EXPECT_EQ(r.version, 10);
    EXPECT_EQ(r.na_de, 1);
    EXPECT_DOUBLE_EQ(r.c_rd_c_bridge, 0.15);
    EXPECT_DOUBLE_EQ(r.v_min_bridge, 0.0525);
    EXPECT_DOUBLE_EQ(r.k1_shear_bridge, 0.12);
    EXPECT_DOUBLE_EQ(r.cot_theta_max_bridge, 1.75);
    EXPECT_DOUBLE_EQ(r.nu_1_bridge, 0.75);
    EXPECT_DOUBLE_EQ(r.as_min_column_floor_bridge, 0.003);
    EXPECT_EQ(r.nu_1_bridge_mode, 1);
    EXPECT_EQ(r.v_min_bridge_mode, 2);
    const double ks[5] = {0.6, 0.45, 0.8, 1.0, 0.65};
    for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(r.k_stress_bridge[i], ks[i]);
    EXPECT_DOUBLE_EQ(r.gamma_c_bridge[0], 1.5);
    EXPECT_DOUBLE_EQ(r.gamma_c_bridge[3], 1.3);
    EXPECT_DOUBLE_EQ(r.gamma_s_bridge[3], 1.0);
    EXPECT_DOUBLE_EQ(r.r_sup_pre, 1.05);
    EXPECT_DOUBLE_EQ(r.r_sup_post, 1.10);
    EXPECT_DOUBLE_EQ(r.r_inf_pre, 0.95);
    EXPECT_DOUBLE_EQ(r.r_inf_post, 0.90);
    // The German rules fix the two fire factors of high-strength concrete.
    EXPECT_DOUBLE_EQ(r.k_hsc_fire, 1.0);
    EXPECT_DOUBLE_EQ(r.k_m_hsc_fire, 1.0);
    EXPECT_DOUBLE_EQ(r.gamma_c_sls, 1.0);

    b.set("na_de", "0");
    r = read_body(b.text());
    EXPECT_EQ(r.version, 10);
    EXPECT_DOUBLE_EQ(r.c_rd_c_bridge, 0.18); // preset
    EXPECT_DOUBLE_EQ(r.gamma_c_bridge[3], 1.2);
    for (double p : {r.r_sup_pre, r.r_sup_post, r.r_inf_pre, r.r_inf_post}) EXPECT_DOUBLE_EQ(p, 1.0);
    EXPECT_DOUBLE_EQ(r.k_hsc_fire, 1.1);
}

TEST(NadEc2Read, BodyEndingAfterItsVersionFails)
{
    Body b(18, 0); // the version 18, nothing of what it promises
    b.set("k1_redist", "0.5");
    NadEc2Record r = read_body(b.text());
    EXPECT_EQ(r.version, 0);
    EXPECT_DOUBLE_EQ(r.k1_redist, 0.5);
    EXPECT_DOUBLE_EQ(r.theta_0_inv, 200);
    EXPECT_DOUBLE_EQ(r.nu_1l, 0.5);
    EXPECT_DOUBLE_EQ(r.r_sup_pre, 1.05); // no upgrade after a failure
}

TEST(NadEc2Read, StoredVersionZeroTakesTheBlockOnly)
{
    Body b(0);
    b.set("v_min", "0.04").set("nu_shear", "0.55");
    b.toks.push_back({"stray", "3"}); // not read
    NadEc2Record r = read_body(b.text());
    EXPECT_EQ(r.version, 0);
    EXPECT_NEAR(r.v_min, 0.06, 1e-12);
    EXPECT_DOUBLE_EQ(r.nu_torsion, 0.55);
    EXPECT_EQ(r.nu_1l_mode, 2);
}

TEST(NadEc2Read, NewerLayoutReadsWhatItKnows)
{
    Body b(25);
    b.set("theta_0_inv", "150");
    NadEc2Record r = read_body(b.text());
    EXPECT_EQ(r.version, 25);
    EXPECT_DOUBLE_EQ(r.theta_0_inv, 150);
    EXPECT_DOUBLE_EQ(r.v_min, 0.5); // no upgrade
}

TEST(NadEc2Read, BadTokenInTheBlockFails)
{
    Body b(18);
    b.set("k3_crack", "x");
    NadEc2Record r = read_body(b.text());
    EXPECT_EQ(r.version, 0);
    EXPECT_DOUBLE_EQ(r.k1_fatigue, 0.5); // before it
    EXPECT_DOUBLE_EQ(r.k3_crack, 3.4);   // preset
    EXPECT_DOUBLE_EQ(r.k4_crack, 0.425);
}

// A section damaged after the German switch still has the German rules:
// the fire factors it fixes do not keep the values read before the damage.
TEST(NadEc2Read, DamagedSectionKeepsTheGermanFireFactors)
{
    Body b(18);
    b.set("na_de", "1").set("k_hsc_fire", "0.9").set("k_m_hsc_fire", "0.85").set("lambda_lim", "x");
    NadEc2Record r = read_body(b.text());
    EXPECT_EQ(r.version, 0);
    EXPECT_EQ(r.na_de, 1);
    EXPECT_DOUBLE_EQ(r.k_hsc_fire, 1.0);
    EXPECT_DOUBLE_EQ(r.k_m_hsc_fire, 1.0);
}

TEST(NadEc2Read, OverlongHeldWordIsBounded)
{
    Body b(12);
    b.set("reserve_b", std::string(5000, 'z'));
    b.set("redist_extra", "0.85");
    NadEc2Record r = read_body(b.text());
    EXPECT_EQ(r.version, 12);
    EXPECT_DOUBLE_EQ(r.redist_extra, 0.85);
}

// ---- checks, comparison, copy ---------------------------------------------------

TEST(NadEc2Check, EveryIntegerOutOfRange)
{
    NadEc2Record r = defaults();
    FieldMap m(r);
    for (auto& i : m.i)
        if (i.first != "na_de") *i.second = 9;
    NadEc2Record unchanged = r;
    EXPECT_EQ(Nad_Check_Ec2(&r, 0), 19);
    EXPECT_EQ(memcmp(&r, &unchanged, sizeof r), 0);

    EXPECT_EQ(Nad_Check_Ec2(&r, 1), 19);
    for (const char* n :
         {"as_min_beam_mode", "as_min_column_mode", "as_vmin_wall_mode", "k2_redist_mode", "k4_redist_mode",
          "v_min_mode", "nu_mode", "v_l_min_mode", "nu_l_mode", "nu_1_mode", "nu_1l_mode", "rho_w_min_mode",
          "lambda_lim_mode", "as_min_column_bridge_mode", "v_min_bridge_mode", "nu_1_bridge_mode"})
        EXPECT_EQ(*m.i[n], 2) << n;
    EXPECT_EQ(r.rebar_class_fire, 0);
    EXPECT_EQ(r.hsc_class_fire, 1);
    EXPECT_EQ(r.reserve_selector, 1);
    EXPECT_EQ(r.conductivity_mode, 9);
    EXPECT_EQ(Nad_Check_Ec2(&r, 1), 0);
}

TEST(NadEc2Check, GermanRulesFixFireFactors)
{
    NadEc2Record r = defaults();
    EXPECT_EQ(Nad_Check_Ec2(&r, 0), 0);
    EXPECT_DOUBLE_EQ(r.k_hsc_fire, 1.1);
    Nad_Set_Ec2_Na_De(&r, 1);
    EXPECT_EQ(Nad_Check_Ec2(&r, 0), 0);
    EXPECT_DOUBLE_EQ(r.k_hsc_fire, 1.0);
    EXPECT_DOUBLE_EQ(r.k_m_hsc_fire, 1.0);
}

TEST(NadEc2Compare, ToleranceVersionAndWhatCounts)
{
    NadEc2Record a = defaults(), b = defaults();
    EXPECT_EQ(Nad_Differs_Ec2(&a, &b), 0);
    b.gamma_c[2] = 1.5 + 0.00009;
    EXPECT_EQ(Nad_Differs_Ec2(&a, &b), 0);
    b.gamma_c[2] = 1.5 + 0.00011;
    EXPECT_EQ(Nad_Differs_Ec2(&a, &b), 1);
    b.version = 0;
    EXPECT_EQ(Nad_Differs_Ec2(&a, &b), 0);

    b = defaults();
    b.r_inf_post += 0.00011; // the last double
    EXPECT_EQ(Nad_Differs_Ec2(&a, &b), 1);
    b = defaults();
    b.c_min_dur[0] += 0.00011; // the first double
    EXPECT_EQ(Nad_Differs_Ec2(&a, &b), 1);
    b = defaults();
    b.nu_1_bridge_mode = 1;
    EXPECT_EQ(Nad_Differs_Ec2(&a, &b), 1);
    b = defaults();
    b.reserve_selector = 2;
    EXPECT_EQ(Nad_Differs_Ec2(&a, &b), 1);
    b = defaults();
    b.na_de = 1;
    EXPECT_EQ(Nad_Differs_Ec2(&a, &b), 1);

    // Not compared: names, version, the two reserve doubles.
    b = defaults();
    b.version = 7;
    b.reserve_a = 3;
    b.reserve_b = 4;
    strcpy(b.joint_surface_names[0], "anders");
    EXPECT_EQ(Nad_Differs_Ec2(&a, &b), 0);
    EXPECT_EQ(Nad_Differs_Ec2(&a, nullptr), 1);
}

TEST(NadEc2Copy, KeepsVersionAndReserveDoubles)
{
    NadEc2Record src = defaults();
    src.version = 18;
    src.na_de = 1;
    src.gamma_c[0] = 1.35;
    src.nu_1l_mode = 1;
    src.reserve_selector = 2;
    src.reserve_a = 5;
    src.reserve_b = 6;
    strcpy(src.exposure_class_names[1], "Y0");
    NadEc2Record dst = defaults();
    dst.version = 3;
    dst.reserve_a = 1;
    dst.reserve_b = 2;
    Nad_Copy_Ec2(&dst, &src);
    EXPECT_EQ(dst.version, 3);
    EXPECT_DOUBLE_EQ(dst.reserve_a, 1);
    EXPECT_DOUBLE_EQ(dst.reserve_b, 2);
    EXPECT_EQ(dst.na_de, 1);
    EXPECT_DOUBLE_EQ(dst.gamma_c[0], 1.35);
    EXPECT_EQ(dst.nu_1l_mode, 1);
    EXPECT_EQ(dst.reserve_selector, 2);
    EXPECT_STREQ(dst.exposure_class_names[1], "Y0");
    EXPECT_EQ(Nad_Differs_Ec2(&dst, &src), 0);
}
