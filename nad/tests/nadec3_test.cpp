// Tests of the EC3 parameters: default sets, the body byte for byte, older layouts, short and
// missing parts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "nad/nadec3.h"
#include "nadrec_fixture.h"
#include "test_support/kovtestutil.h"

using kovtest::contents;
using kovtest::rest_of;
using kovtest::stream_of;

namespace {

// The EC default record's section body, typed by hand.
const char* const kDefaultBody = " EC3-1 Parameter\n"
                                 " 4 1.000000 1.000000 1.250000 1.000000 1.000000 1.250000 0 1.000000\n"
                                 " 0.400000 0.750000 0 1.000000 1 1.000000\n"
                                 " EC3-8 Parameter\n"
                                 " 4 1.250000 1.000000 1.000000 1.000000 1.100000 1.100000\n"
                                 " 3 1.200000\n"
                                 " 1.000000 1.150000 1.150000 1.350000\n"
                                 " 1.000000\n";

NadEc3Record ec_defaults()
{
    NadEc3Record r;
    memset(&r, 0x5A, sizeof r);
    Nad_Default_Ec3(&r);
    return r;
}

void expect_same31(const NadEc31Record& e, const NadEc31Record& a)
{
    EXPECT_EQ(e.version, a.version);
    EXPECT_DOUBLE_EQ(e.gamma_m0, a.gamma_m0);
    EXPECT_DOUBLE_EQ(e.gamma_m1, a.gamma_m1);
    EXPECT_DOUBLE_EQ(e.gamma_m2, a.gamma_m2);
    EXPECT_DOUBLE_EQ(e.gamma_m0_acc, a.gamma_m0_acc);
    EXPECT_DOUBLE_EQ(e.gamma_m1_acc, a.gamma_m1_acc);
    EXPECT_DOUBLE_EQ(e.gamma_m2_acc, a.gamma_m2_acc);
    EXPECT_EQ(e.use_f_modification, a.use_f_modification);
    EXPECT_DOUBLE_EQ(e.gamma_m_fi, a.gamma_m_fi);
    EXPECT_DOUBLE_EQ(e.lambda_lt0, a.lambda_lt0);
    EXPECT_DOUBLE_EQ(e.beta_lt, a.beta_lt);
    EXPECT_EQ(e.f_given, a.f_given);
    EXPECT_DOUBLE_EQ(e.f_value, a.f_value);
    EXPECT_EQ(e.k_c_from_table, a.k_c_from_table);
    EXPECT_DOUBLE_EQ(e.k_c_value, a.k_c_value);
}

void expect_same38(const NadEc38Record& e, const NadEc38Record& a)
{
    EXPECT_EQ(e.version, a.version);
    EXPECT_DOUBLE_EQ(e.gamma_m3, a.gamma_m3);
    EXPECT_DOUBLE_EQ(e.gamma_m4, a.gamma_m4);
    EXPECT_DOUBLE_EQ(e.gamma_m5, a.gamma_m5);
    EXPECT_DOUBLE_EQ(e.gamma_m6_ser, a.gamma_m6_ser);
    EXPECT_DOUBLE_EQ(e.gamma_m7, a.gamma_m7);
    EXPECT_DOUBLE_EQ(e.gamma_m3_ser, a.gamma_m3_ser);
    EXPECT_EQ(e.shear_lag_note, a.shear_lag_note);
    EXPECT_DOUBLE_EQ(e.eta, a.eta);
    EXPECT_DOUBLE_EQ(e.gamma_mf_tolerant_low, a.gamma_mf_tolerant_low);
    EXPECT_DOUBLE_EQ(e.gamma_mf_safe_life_low, a.gamma_mf_safe_life_low);
    EXPECT_DOUBLE_EQ(e.gamma_mf_tolerant_high, a.gamma_mf_tolerant_high);
    EXPECT_DOUBLE_EQ(e.gamma_mf_safe_life_high, a.gamma_mf_safe_life_high);
    EXPECT_DOUBLE_EQ(e.gamma_m_ser, a.gamma_m_ser);
}

void default_round_trip()
{
    NadEc3Record d = ec_defaults();
    FILE* f = tmpfile();
    ASSERT_TRUE(f);
    Nad_Write_Ec3(f, &d);
    EXPECT_EQ(std::string(kDefaultBody), contents(f));
    rewind(f);
    NadEc3Record back;
    memset(&back, 0x5A, sizeof back);
    back.na_de = 1;
    Nad_Read_Ec3(f, &back, 1);
    fclose(f);
    EXPECT_EQ(0, back.na_de);
    expect_same31(d.ec31, back.ec31);
    expect_same38(d.ec38, back.ec38);
    EXPECT_EQ(4, back.ec31.version);
    EXPECT_EQ(4, back.ec38.version);
    EXPECT_EQ(0, Nad_Differs_Ec3(&d, &back));
}

} // namespace

TEST(NadEc3, DefaultSetsFollowTheStandardAndTheGermanAnnex)
{
    NadEc3Record ec = ec_defaults();
    EXPECT_EQ(0, ec.na_de);
    // EN 1993-1-1 6.1(1) NOTE 2B recommended values
    EXPECT_DOUBLE_EQ(1.0, ec.ec31.gamma_m0);
    EXPECT_DOUBLE_EQ(1.0, ec.ec31.gamma_m1);
    EXPECT_DOUBLE_EQ(1.25, ec.ec31.gamma_m2);
    // 6.3.2.3(1): lambda_LT,0 0.4, beta 0.75
    EXPECT_DOUBLE_EQ(0.4, ec.ec31.lambda_lt0);
    EXPECT_DOUBLE_EQ(0.75, ec.ec31.beta_lt);
    // EN 1993-1-8 Table 2.1 NOTE
    EXPECT_DOUBLE_EQ(1.25, ec.ec38.gamma_m3);
    EXPECT_DOUBLE_EQ(1.1, ec.ec38.gamma_m3_ser);
    EXPECT_DOUBLE_EQ(1.1, ec.ec38.gamma_m7);
    EXPECT_EQ(4, ec.ec31.version);
    EXPECT_EQ(4, ec.ec38.version);

    NadEc3Record de;
    memset(&de, 0x5A, sizeof de);
    Nad_Default_Ec3_De(&de);
    EXPECT_EQ(1, de.na_de);
    // DIN EN 1993-1-1/NA: gamma_M1 1.1
    EXPECT_DOUBLE_EQ(1.1, de.ec31.gamma_m1);
    EXPECT_DOUBLE_EQ(1.15, de.ec31.gamma_m2_acc);
    EXPECT_EQ(1, de.ec31.use_f_modification);
    EXPECT_DOUBLE_EQ(1.0, de.ec31.gamma_m0);
    EXPECT_DOUBLE_EQ(1.25, de.ec31.gamma_m2);
    expect_same38(ec.ec38, de.ec38);

    EXPECT_EQ(nullptr, Nad_Default_Ec31(nullptr));
    EXPECT_EQ(nullptr, Nad_Default_Ec38_De(nullptr));
}

TEST(NadEc3, DefaultBodyIsWrittenByteForByteAndReadsBack) { default_round_trip(); }

TEST(NadEc3, DefaultBodyRoundTripUnderGermanLocale) { nadtest::under_german_locale(default_round_trip); }

TEST(NadEc3, Ec31OfLayout1KeepsLaterFieldsAtDefaults)
{
    FILE* f = stream_of(" 1 1.05 1.15 1.3 1.01 1.02 1.2\n");
    NadEc31Record p;
    EXPECT_EQ(0, Nad_Read_Ec31(f, &p));
    fclose(f);
    NadEc31Record e;
    Nad_Default_Ec31(&e);
    e.version = 1;
    e.gamma_m0 = 1.05;
    e.gamma_m1 = 1.15;
    e.gamma_m2 = 1.3;
    e.gamma_m0_acc = 1.01;
    e.gamma_m1_acc = 1.02;
    e.gamma_m2_acc = 1.2;
    expect_same31(e, p);
}

TEST(NadEc3, Ec31Layout4WithShortLastLineCountsAsRead)
{
    auto check = [] {
        FILE* f = stream_of(" 4 1.0 1.1 1.25 1.0 1.0 1.15 1 1.0\n 0.35 0.8\n");
        NadEc31Record p;
        EXPECT_EQ(0, Nad_Read_Ec31(f, &p));
        fclose(f);
        EXPECT_EQ(4, p.version);
        EXPECT_DOUBLE_EQ(0.35, p.lambda_lt0);
        EXPECT_DOUBLE_EQ(0.8, p.beta_lt);
        EXPECT_EQ(0, p.f_given);
        EXPECT_DOUBLE_EQ(1.0, p.f_value);
        EXPECT_EQ(1, p.k_c_from_table);
        EXPECT_DOUBLE_EQ(1.0, p.k_c_value);
        EXPECT_DOUBLE_EQ(1.1, p.gamma_m1);
        EXPECT_EQ(1, p.use_f_modification);
    };
    check();
    nadtest::under_german_locale(check);
}

TEST(NadEc3, Ec31FailsWhenTheFileEndsBeforeTheLastGroupOrEarlier)
{
    NadEc31Record p;
    FILE* f = stream_of(" 4 1.0 1.1 1.25 1.0 1.0 1.15 1 1.0\n");
    EXPECT_EQ(1, Nad_Read_Ec31(f, &p));
    fclose(f);
    EXPECT_EQ(4, p.version); // stored at once
    EXPECT_DOUBLE_EQ(1.1, p.gamma_m1);

    f = stream_of(" 3 1.0 1.1\n");
    EXPECT_EQ(1, Nad_Read_Ec31(f, &p));
    fclose(f);
    EXPECT_EQ(3, p.version);
    EXPECT_DOUBLE_EQ(1.1, p.gamma_m1);
    EXPECT_DOUBLE_EQ(1.25, p.gamma_m2);

    EXPECT_EQ(1, Nad_Read_Ec31(nullptr, &p));
    EXPECT_EQ(0, p.version);
    EXPECT_EQ(1, Nad_Read_Ec31(f = stream_of(" 4"), nullptr));
    fclose(f);
}

TEST(NadEc3, ShortLastEc31GroupStillFindsTheEc38Block)
{
    const std::string body = " EC3-1 Parameter\n"
                             " 4 1.0 1.1 1.25 1.0 1.0 1.15 1 1.0\n"
                             " 0.35 0.8\n"
                             " EC3-8 Parameter\n"
                             " 4 1.3 1.0 1.0 1.0 1.1 1.1\n"
                             " 2 1.1\n"
                             " 1.0 1.15 1.15 1.35\n"
                             " 1.05\n";
    FILE* f = stream_of(body);
    NadEc3Record r;
    Nad_Read_Ec3(f, &r, 1);
    fclose(f);
    EXPECT_DOUBLE_EQ(0.35, r.ec31.lambda_lt0);
    EXPECT_DOUBLE_EQ(0.8, r.ec31.beta_lt);
    EXPECT_EQ(4, r.ec38.version);
    EXPECT_DOUBLE_EQ(1.3, r.ec38.gamma_m3);
    EXPECT_EQ(2, r.ec38.shear_lag_note);
    EXPECT_DOUBLE_EQ(1.05, r.ec38.gamma_m_ser);
}

TEST(NadEc3, Ec38CutAfterShearLagNoteKeepsItButFails)
{
    auto check = [] {
        FILE* f = stream_of(" 2 1.3 1.1 1.05 1.02 1.15 1.12\n 2\n");
        NadEc38Record p;
        EXPECT_EQ(1, Nad_Read_Ec38(f, &p));
        fclose(f);
        EXPECT_EQ(0, p.version);
        EXPECT_DOUBLE_EQ(1.3, p.gamma_m3);
        EXPECT_DOUBLE_EQ(1.12, p.gamma_m3_ser);
        EXPECT_EQ(2, p.shear_lag_note);
        EXPECT_DOUBLE_EQ(1.2, p.eta);
    };
    check();
    nadtest::under_german_locale(check);
}

TEST(NadEc3, Ec38OfLayout2And3StopsAtItsVersion)
{
    FILE* f = stream_of(" 3 1.3 1.1 1.05 1.02 1.15 1.12\n 2 1.1\n 1.1 1.2 1.3 1.4\n 9.9\n");
    NadEc38Record p;
    EXPECT_EQ(0, Nad_Read_Ec38(f, &p));
    EXPECT_EQ(3, p.version);
    EXPECT_DOUBLE_EQ(1.4, p.gamma_mf_safe_life_high);
    EXPECT_DOUBLE_EQ(1.0, p.gamma_m_ser); // layout 3 does not store it
    EXPECT_EQ("\n 9.9\n", rest_of(f));
    fclose(f);
}

TEST(NadEc3, MissingEc38KeywordLeavesThatPartAtDefaultsWithVersion0)
{
    FILE* f = stream_of(" EC3-1 Parameter\n 4 1.0 1.1 1.25 1.0 1.0 1.15 1 1.0\n"
                        " 0.4 0.75 0 1.0 1 1.0\n#EC5\n");
    NadEc3Record r;
    Nad_Read_Ec3(f, &r, 1);
    fclose(f);
    EXPECT_DOUBLE_EQ(1.1, r.ec31.gamma_m1);
    EXPECT_EQ(4, r.ec31.version);
    NadEc38Record e;
    Nad_Default_Ec38(&e);
    e.version = 0;
    expect_same38(e, r.ec38);
}

TEST(NadEc3, SearchModeReadsTheFlagBehindTheKeyword)
{
    const std::string text = std::string("#NAD\n EC3 Parameter\n 1\n") + kDefaultBody + "#NAD\n";
    FILE* f = stream_of(text);
    char line[32];
    ASSERT_TRUE(fgets(line, sizeof line, f));
    NadEc3Record r;
    Nad_Read_Ec3(f, &r, 0);
    fclose(f);
    EXPECT_EQ(1, r.na_de);
    EXPECT_EQ(4, r.ec31.version);
    EXPECT_EQ(4, r.ec38.version);
    EXPECT_DOUBLE_EQ(1.35, r.ec38.gamma_mf_safe_life_high);
}

TEST(NadEc3, SearchModeReadsTheOldestLayout)
{
    // flag, an EC3-1 block of layout 0 and the six EC3-8 factors under one keyword
    const std::string text = "#NAD\n EC3-8 Parameter\n 1\n 0 1.05 1.1 1.3\n 1.2 1.05 1.1 1.0 1.15 1.12\n#NAD\n";
    FILE* f = stream_of(text);
    char line[32];
    ASSERT_TRUE(fgets(line, sizeof line, f));
    NadEc3Record r;
    Nad_Read_Ec3(f, &r, 0);
    fclose(f);
    EXPECT_EQ(1, r.na_de);
    EXPECT_EQ(0, r.ec31.version);
    EXPECT_DOUBLE_EQ(1.05, r.ec31.gamma_m0);
    EXPECT_DOUBLE_EQ(1.1, r.ec31.gamma_m1);
    EXPECT_DOUBLE_EQ(1.3, r.ec31.gamma_m2);
    EXPECT_DOUBLE_EQ(1.0, r.ec31.gamma_m0_acc);
    EXPECT_EQ(0, r.ec38.version);
    EXPECT_DOUBLE_EQ(1.2, r.ec38.gamma_m3);
    EXPECT_DOUBLE_EQ(1.05, r.ec38.gamma_m4);
    EXPECT_DOUBLE_EQ(1.12, r.ec38.gamma_m3_ser);
    EXPECT_EQ(3, r.ec38.shear_lag_note);
}

TEST(NadEc3, SearchModeDoesNotLeaveTheAnnex)
{
    const std::string text = std::string("#NAD\n x\n#NAD\n EC3 Parameter\n 1\n") + kDefaultBody;
    FILE* f = stream_of(text);
    char line[32];
    ASSERT_TRUE(fgets(line, sizeof line, f));
    const long pos = ftell(f);
    NadEc3Record r;
    memset(&r, 0x5A, sizeof r);
    Nad_Read_Ec3(f, &r, 0);
    EXPECT_EQ(pos, ftell(f));
    fclose(f);
    EXPECT_EQ(0, r.na_de);
    EXPECT_EQ(0, r.ec31.version);
    EXPECT_EQ(0, r.ec38.version);
    EXPECT_DOUBLE_EQ(1.0, r.ec31.gamma_m1);
}

TEST(NadEc3, ComparisonUsesToleranceAndVersionThresholds)
{
    NadEc3Record a = ec_defaults(), b = ec_defaults();
    b.ec31.gamma_m1 += 0.00005;
    EXPECT_EQ(0, Nad_Differs_Ec31(&a.ec31, &b.ec31));
    EXPECT_EQ(0, Nad_Differs_Ec3(&a, &b));
    b.ec31.gamma_m1 = a.ec31.gamma_m1 + 0.0002;
    EXPECT_EQ(1, Nad_Differs_Ec31(&a.ec31, &b.ec31));
    EXPECT_EQ(1, Nad_Differs_Ec3(&a, &b));

    b.ec31.version = 1; // layouts below 2 are equal to anything
    EXPECT_EQ(0, Nad_Differs_Ec31(&a.ec31, &b.ec31));
    b = ec_defaults();
    b.ec31.k_c_from_table = 0;
    EXPECT_EQ(1, Nad_Differs_Ec31(&a.ec31, &b.ec31));

    b = ec_defaults();
    b.ec38.shear_lag_note = 2;
    EXPECT_EQ(1, Nad_Differs_Ec38(&a.ec38, &b.ec38));
    b.ec38.version = 0;
    EXPECT_EQ(0, Nad_Differs_Ec38(&a.ec38, &b.ec38));
    EXPECT_EQ(1, Nad_Differs_Ec38(&a.ec38, nullptr));
    b = ec_defaults();
    b.ec38.gamma_m_ser = 1.0002;
    EXPECT_EQ(1, Nad_Differs_Ec3(&a, &b));

    b = ec_defaults();
    b.na_de = 1;
    EXPECT_EQ(1, Nad_Differs_Ec3(&a, &b));
}

TEST(NadEc3, CopyLeavesFlagAndVersions)
{
    NadEc3Record src, dst = ec_defaults();
    Nad_Default_Ec3_De(&src);
    src.ec31.version = 1;
    src.ec38.version = 2;
    src.ec38.eta = 1.0;
    Nad_Copy_Ec3(&dst, &src);
    EXPECT_EQ(0, dst.na_de);
    EXPECT_EQ(4, dst.ec31.version);
    EXPECT_EQ(4, dst.ec38.version);
    EXPECT_DOUBLE_EQ(1.1, dst.ec31.gamma_m1);
    EXPECT_DOUBLE_EQ(1.0, dst.ec38.eta);
    EXPECT_EQ(&dst.ec31, Nad_Copy_Ec31(&dst.ec31, nullptr));
    Nad_Copy_Ec3(nullptr, &src);
    Nad_Set_Ec3_Na_De(&dst, 1);
    EXPECT_EQ(1, dst.na_de);
    EXPECT_EQ(0, Nad_Ec3_Zero() + Nad_Ec31_Zero() + Nad_Ec38_Zero());
}
