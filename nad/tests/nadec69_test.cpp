// Tests of the EC6 and EC9 partial factors: defaults, round trips, older versions, short bodies,
// equality and copy.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "nad/nadec69.h"
#include "nadrec_fixture.h"
#include "test_support/kovtestutil.h"

using kovtest::contents;
using kovtest::stream_of;

namespace {

void ec6_round_trip()
{
    NadEc6Record d;
    Nad_Default_Ec6_De(&d);
    FILE* f = tmpfile();
    ASSERT_TRUE(f);
    Nad_Write_Ec6(f, &d);
    EXPECT_EQ(" 1\n 1\n 1.500000 1.300000 1.200000 1.000000\n", contents(f));
    rewind(f);
    NadEc6Record back;
    Nad_Default_Ec6(&back);
    Nad_Read_Ec6(f, &back);
    fclose(f);
    EXPECT_EQ(1, Nad_Equal_Ec6(&d, &back));
    EXPECT_EQ(1, back.na_de);
    EXPECT_DOUBLE_EQ(1.3, back.gamma_m_accidental);
}

void ec9_round_trip()
{
    NadEc9Record d;
    Nad_Default_Ec9(&d);
    d.gamma_m1 = 1.15;
    FILE* f = tmpfile();
    ASSERT_TRUE(f);
    Nad_Write_Ec9(f, &d);
    EXPECT_EQ(" 3\n 0\n 1.150000 1.250000 1.250000 1.250000 1.100000 1.250000 3.000000 "
              "1.000000\n 1.200000\n",
              contents(f));
    rewind(f);
    NadEc9Record back;
    memset(&back, 0x5A, sizeof back);
    Nad_Read_Ec9(f, &back);
    fclose(f);
    EXPECT_EQ(1, Nad_Equal_Ec9(&d, &back));
    EXPECT_EQ(3, back.version);
    EXPECT_DOUBLE_EQ(1.15, back.gamma_m1);
}

} // namespace

TEST(NadEc6, DefaultSets)
{
    NadEc6Record r;
    EXPECT_EQ(&r, Nad_Default_Ec6(&r));
    EXPECT_EQ(0, r.na_de);
    EXPECT_DOUBLE_EQ(1.5, r.gamma_m_persistent);
    EXPECT_DOUBLE_EQ(1.5, r.gamma_m_accidental);
    EXPECT_DOUBLE_EQ(1.5, r.gamma_m_seismic);
    EXPECT_DOUBLE_EQ(1.0, r.gamma_m_sls);
    Nad_Default_Ec6_De(&r);
    EXPECT_EQ(1, r.na_de);
    EXPECT_DOUBLE_EQ(1.5, r.gamma_m_persistent);
    EXPECT_DOUBLE_EQ(1.3, r.gamma_m_accidental);
    EXPECT_DOUBLE_EQ(1.2, r.gamma_m_seismic);
    EXPECT_DOUBLE_EQ(1.0, r.gamma_m_sls);
    EXPECT_EQ(nullptr, Nad_Default_Ec6(nullptr));
    EXPECT_EQ(nullptr, Nad_Default_Ec6_De(nullptr));
    EXPECT_EQ(&r, Nad_Set_Ec6_Na_De(&r, 0));
    EXPECT_EQ(0, r.na_de);
}

TEST(NadEc6, BodyRoundTrip) { ec6_round_trip(); }

TEST(NadEc6, BodyRoundTripUnderGermanLocale) { nadtest::under_german_locale(ec6_round_trip); }

TEST(NadEc6, VersionZeroLeavesFactorsZeroAndTheFlagAsRead)
{
    NadEc6Record r;
    Nad_Default_Ec6(&r);
    FILE* f = stream_of(" 0\n 1\n 1.5 1.3 1.2 1.0\n");
    Nad_Read_Ec6(f, &r);
    fclose(f);
    EXPECT_EQ(1, r.na_de);
    EXPECT_DOUBLE_EQ(0.0, r.gamma_m_persistent);
    EXPECT_DOUBLE_EQ(0.0, r.gamma_m_accidental);
    EXPECT_DOUBLE_EQ(0.0, r.gamma_m_seismic);
    EXPECT_DOUBLE_EQ(0.0, r.gamma_m_sls);
}

TEST(NadEc6, ShortBodyKeepsWhatWasRead)
{
    NadEc6Record r;
    Nad_Default_Ec6(&r);
    FILE* f = stream_of(" 1\n 0\n 1.4 1.25\n#EC9\n");
    Nad_Read_Ec6(f, &r);
    fclose(f);
    EXPECT_DOUBLE_EQ(1.4, r.gamma_m_persistent);
    EXPECT_DOUBLE_EQ(1.25, r.gamma_m_accidental);
    EXPECT_DOUBLE_EQ(0.0, r.gamma_m_seismic);
    EXPECT_DOUBLE_EQ(0.0, r.gamma_m_sls);

    Nad_Default_Ec6(&r);
    Nad_Read_Ec6(nullptr, &r); // nothing happens
    EXPECT_DOUBLE_EQ(1.5, r.gamma_m_persistent);
    Nad_Write_Ec6(nullptr, &r);
}

TEST(NadEc6, EqualityAnswersOneForEqualRecords)
{
    NadEc6Record a, b;
    Nad_Default_Ec6(&a);
    Nad_Default_Ec6(&b);
    EXPECT_EQ(1, Nad_Equal_Ec6(&a, &b));
    b.gamma_m_seismic += 0.00005;
    EXPECT_EQ(1, Nad_Equal_Ec6(&a, &b));
    b.gamma_m_seismic = a.gamma_m_seismic + 0.0002;
    EXPECT_EQ(0, Nad_Equal_Ec6(&a, &b));
    Nad_Default_Ec6(&b);
    b.na_de = 1;
    EXPECT_EQ(0, Nad_Equal_Ec6(&a, &b));
    EXPECT_EQ(0, Nad_Equal_Ec6(&a, nullptr));
    EXPECT_EQ(0, Nad_Equal_Ec6(nullptr, nullptr));

    Nad_Default_Ec6_De(&b);
    Nad_Copy_Ec6(&a, &b);
    EXPECT_EQ(1, Nad_Equal_Ec6(&a, &b));
    Nad_Copy_Ec6(nullptr, &b);
}

TEST(NadEc9, DefaultsAreThoseOfEn1999)
{
    NadEc9Record r;
    memset(&r, 0x5A, sizeof r);
    EXPECT_EQ(&r, Nad_Default_Ec9(&r));
    EXPECT_EQ(0, r.na_de);
    EXPECT_EQ(3, r.version);
    // EN 1999-1-1 6.1.3(1) and 8.1.1(2) recommended values
    EXPECT_DOUBLE_EQ(1.1, r.gamma_m1);
    EXPECT_DOUBLE_EQ(1.25, r.gamma_m2);
    EXPECT_DOUBLE_EQ(1.25, r.gamma_mp);
    EXPECT_DOUBLE_EQ(1.25, r.gamma_mw);
    EXPECT_DOUBLE_EQ(1.1, r.gamma_ms_ser);
    EXPECT_DOUBLE_EQ(1.25, r.gamma_ms_ult);
    EXPECT_DOUBLE_EQ(3.0, r.gamma_ma);
    EXPECT_DOUBLE_EQ(1.0, r.gamma_mp_ser);
    EXPECT_DOUBLE_EQ(1.2, r.c_6_15);

    NadEc9Record de;
    Nad_Default_Ec9_De(&de);
    EXPECT_EQ(1, de.na_de);
    de.na_de = 0;
    EXPECT_EQ(1, Nad_Equal_Ec9(&r, &de));
    EXPECT_EQ(nullptr, Nad_Default_Ec9(nullptr));
    EXPECT_EQ(&r, Nad_Set_Ec9_Na_De(&r, 1));
    EXPECT_EQ(1, r.na_de);
}

TEST(NadEc9, BodyRoundTrip) { ec9_round_trip(); }

TEST(NadEc9, BodyRoundTripUnderGermanLocale) { nadtest::under_german_locale(ec9_round_trip); }

TEST(NadEc9, Version1ReadsTheFirstThreeFactorsOnly)
{
    NadEc9Record r;
    FILE* f = stream_of(" 1\n 1\n 1.2 1.3 1.35\n");
    Nad_Read_Ec9(f, &r);
    fclose(f);
    EXPECT_EQ(1, r.version);
    EXPECT_EQ(1, r.na_de);
    EXPECT_DOUBLE_EQ(1.2, r.gamma_m1);
    EXPECT_DOUBLE_EQ(1.3, r.gamma_m2);
    EXPECT_DOUBLE_EQ(1.35, r.gamma_mp);
    EXPECT_DOUBLE_EQ(1.25, r.gamma_mw);
    EXPECT_DOUBLE_EQ(1.1, r.gamma_ms_ser);
    EXPECT_DOUBLE_EQ(1.25, r.gamma_ms_ult);
    EXPECT_DOUBLE_EQ(3.0, r.gamma_ma);
    EXPECT_DOUBLE_EQ(1.0, r.gamma_mp_ser);
    EXPECT_DOUBLE_EQ(1.2, r.c_6_15);
}

TEST(NadEc9, Version2LeavesTheConstantAndFailuresKeepDefaults)
{
    NadEc9Record r;
    FILE* f = stream_of(" 2\n 0\n 1.2 1.3 1.35 1.4 1.15 1.3 2.5 1.05\n 1.5\n");
    Nad_Read_Ec9(f, &r);
    fclose(f);
    EXPECT_EQ(2, r.version);
    EXPECT_DOUBLE_EQ(1.05, r.gamma_mp_ser);
    EXPECT_DOUBLE_EQ(2.5, r.gamma_ma);
    EXPECT_DOUBLE_EQ(1.2, r.c_6_15);

    f = stream_of(" 3\n 1\n 1.2 x\n");
    Nad_Read_Ec9(f, &r);
    fclose(f);
    EXPECT_EQ(3, r.version);
    EXPECT_DOUBLE_EQ(1.2, r.gamma_m1);
    EXPECT_DOUBLE_EQ(1.25, r.gamma_m2);

    f = stream_of(" 2\n");
    Nad_Read_Ec9(f, &r);
    fclose(f);
    EXPECT_EQ(3, r.version); // the flag did not scan
    EXPECT_EQ(0, r.na_de);
}

TEST(NadEc9, EqualityIgnoresVersionAndCopyKeepsIt)
{
    NadEc9Record a, b;
    Nad_Default_Ec9(&a);
    Nad_Default_Ec9(&b);
    b.version = 1;
    EXPECT_EQ(1, Nad_Equal_Ec9(&a, &b));
    b.c_6_15 = 1.2 + 0.00005;
    EXPECT_EQ(1, Nad_Equal_Ec9(&a, &b));
    b.c_6_15 = 1.2002;
    EXPECT_EQ(0, Nad_Equal_Ec9(&a, &b));
    EXPECT_EQ(0, Nad_Equal_Ec9(&a, nullptr));

    NadEc9Record src;
    Nad_Default_Ec9_De(&src);
    src.gamma_ma = 2.0;
    src.version = 1;
    Nad_Copy_Ec9(&a, &src);
    EXPECT_EQ(3, a.version);
    EXPECT_EQ(1, a.na_de);
    EXPECT_DOUBLE_EQ(2.0, a.gamma_ma);
    Nad_Copy_Ec9(&a, nullptr);
}
