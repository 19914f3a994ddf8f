// Tests of the EN 1990 load factors: the defaults, round trips, older layouts and storages, a
// truncated body, comparison and copy.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "nad/nadec0.h"
#include "nadrec_fixture.h"
#include "test_support/kovtestutil.h"

using kovtest::contents;
using kovtest::stream_of;

namespace {

NadEc0Record defaults()
{
    NadEc0Record r;
    memset(&r, 0x5A, sizeof r);
    Nad_Default_Ec0(&r);
    return r;
}

// All 383 values of a record, in memory order.
const size_t kValues = 383;
double* value_at(NadEc0Record& r, size_t i)
{
    return reinterpret_cast<double*>(reinterpret_cast<char*>(&r) + offsetof(NadEc0Record, building_gamma)) + i;
}

std::vector<std::string> lines_of(const std::string& s)
{
    std::vector<std::string> v;
    std::istringstream in(s);
    std::string line;
    while (std::getline(in, line)) v.push_back(line);
    return v;
}

// Body pieces with recognisable values: value = base + index / 100.
std::string numbered(int count, int per_line, double base)
{
    std::string s;
    for (int i = 0; i < count; ++i) {
        char buf[32];
        snprintf(buf, sizeof buf, " %.2f", base + i / 100.0);
        s += buf;
        if ((i + 1) % per_line == 0) s += "\n";
    }
    return s;
}

void round_trip()
{
    NadEc0Record d = defaults();
    FILE* f = tmpfile();
    ASSERT_TRUE(f);
    Nad_Write_Ec0(f, &d);
    const std::string out = contents(f);
    const std::vector<std::string> l = lines_of(out);
    ASSERT_EQ(155u, l.size());
    EXPECT_EQ(" 1.35 1.00", l[0]);       // permanent actions, persistent situation
    EXPECT_EQ(" 1.50 0.00", l[1]);       // variable actions
    EXPECT_EQ(" 0.00 0.00", l[27]);      // earthquake, serviceability
    EXPECT_EQ(" 0.70 0.50 0.30", l[28]); // psi of categories A, B
    EXPECT_EQ(" 0.80 0.70 0.50", l[39]);
    EXPECT_EQ(" 5", l[40]);
    EXPECT_EQ(" 1.35 1.00", l[41]);        // bridges, permanent
    EXPECT_EQ(" 1.45 0.00", l[49]);        // rail traffic 11 to 31
    EXPECT_EQ(" 0.75 0.75 0.00", l[101]);  // gr1a tandem system
    EXPECT_EQ(" 0.80 -0.10 0.00", l[122]); // LM 71, psi1 shown as a
    EXPECT_EQ(" 0.80 0.70 0.60", l[153]);  // a
    EXPECT_EQ(" 0.30 0.60 0.80 0.60 0.30 0.00 0.50 0.50 0.00 0.00 1.00 0.50", l[154]);
    EXPECT_NE('\n', out.back());

    rewind(f);
    NadEc0Record back;
    memset(&back, 0, sizeof back);
    Nad_Read_Ec0(f, &back, 1);
    fclose(f);
    EXPECT_EQ(5, back.version);
    EXPECT_EQ(0, Nad_Differs_Ec0(&d, &back));
    for (size_t i = 0; i < kValues; ++i) EXPECT_DOUBLE_EQ(*value_at(d, i), *value_at(back, i)) << i;
}

} // namespace

TEST(NadEc0, RecordHolds383Values)
{
    EXPECT_EQ(kValues * sizeof(double), sizeof(NadEc0Record) - offsetof(NadEc0Record, building_gamma));
}

TEST(NadEc0, DefaultsAreThoseOfEn1990)
{
    NadEc0Record d = defaults();
    EXPECT_EQ(0, d.version);
    // Table A1.2(B): gamma_G,sup 1.35, gamma_G,inf 1.00, gamma_Q 1.5 (0 favourable)
    EXPECT_DOUBLE_EQ(1.35, d.building_gamma[NAD_EC0_PERSISTENT][0][0]);
    EXPECT_DOUBLE_EQ(1.0, d.building_gamma[NAD_EC0_PERSISTENT][0][1]);
    EXPECT_DOUBLE_EQ(1.5, d.building_gamma[NAD_EC0_PERSISTENT][1][0]);
    EXPECT_DOUBLE_EQ(0.0, d.building_gamma[NAD_EC0_PERSISTENT][1][1]);
    // Table A1.3: accidental situation, permanent actions 1.0
    EXPECT_DOUBLE_EQ(1.0, d.building_gamma[NAD_EC0_ACCIDENTAL][0][0]);
    EXPECT_DOUBLE_EQ(1.0, d.building_gamma[NAD_EC0_ACCIDENTAL][5][0]);

    // Table A1.1: psi0, psi1, psi2
    struct Psi {
        const char* what;
        int row;
        double p0, p1, p2;
    };
    const Psi psi[] = {
        {"A/B domestic, office", 0, 0.7, 0.5, 0.3},
        {"C/D congregation, shopping", 1, 0.7, 0.7, 0.6},
        {"E storage", 2, 1.0, 0.9, 0.8},
        {"F vehicles <= 30 kN", 3, 0.7, 0.7, 0.6},
        {"G vehicles 30..160 kN", 4, 0.7, 0.5, 0.3},
        {"H roofs", 5, 0.0, 0.0, 0.0},
        {"snow H <= 1000 m", 6, 0.5, 0.2, 0.0},
        {"snow H > 1000 m", 7, 0.7, 0.5, 0.2},
        {"wind", 8, 0.6, 0.2, 0.0},
        {"temperature", 9, 0.6, 0.5, 0.0},
    };
    for (const Psi& p : psi) {
        EXPECT_DOUBLE_EQ(p.p0, d.building_psi[p.row][0]) << p.what;
        EXPECT_DOUBLE_EQ(p.p1, d.building_psi[p.row][1]) << p.what;
        EXPECT_DOUBLE_EQ(p.p2, d.building_psi[p.row][2]) << p.what;
    }
    // Table A2.1, road bridges gr1a: tandem system 0.75, UDL 0.40
    EXPECT_DOUBLE_EQ(0.75, d.road_bridge_psi[0][0]);
    EXPECT_DOUBLE_EQ(0.4, d.road_bridge_psi[1][1]);
    EXPECT_DOUBLE_EQ(0.8, d.rail_a[0]);
    EXPECT_DOUBLE_EQ(0.6, d.rail_a[2]);
    EXPECT_DOUBLE_EQ(1.45, d.bridge_gamma[NAD_EC0_PERSISTENT][8][0]);
}

TEST(NadEc0, DefaultsRoundTrip) { round_trip(); }

TEST(NadEc0, DefaultsRoundTripUnderGermanLocale) { nadtest::under_german_locale(round_trip); }

TEST(NadEc0, ValuesKeepTwoDecimals)
{
    NadEc0Record d = defaults();
    d.rail_bridge_psi[5][1] = 1.333;
    FILE* f = tmpfile();
    Nad_Write_Ec0(f, &d);
    EXPECT_NE(std::string::npos, contents(f).find("\n 1.00 1.33 0.00\n"));
    rewind(f);
    NadEc0Record back = defaults();
    Nad_Read_Ec0(f, &back, 1);
    fclose(f);
    EXPECT_DOUBLE_EQ(1.33, back.rail_bridge_psi[5][1]);
    EXPECT_EQ(1, Nad_Differs_Ec0(&d, &back));
}

TEST(NadEc0, Layout3CopiesRoadTrafficIntoPedestrianTraffic)
{
    // 28 pairs, 12 triples, layout 3, four times 14 bridge rows, the psi
    // triples and a; no psi2,E values
    std::string body = numbered(56, 2, 2.0) + numbered(36, 3, 3.0) + " 3\n";
    for (int s = 0; s < 4; ++s) body += numbered(28, 2, 4.0 + s);
    body += numbered((14 + 7 + 31) * 3, 3, 0.0) + " 0.81 0.71 0.61\n";

    NadEc0Record r = defaults();
    for (int row = 0; row < 12; ++row) r.building_psi[row][3] = 9.0 + row;
    FILE* f = stream_of(body);
    Nad_Read_Ec0(f, &r, 1);
    fclose(f);

    EXPECT_EQ(3, r.version);
    EXPECT_DOUBLE_EQ(2.01, r.building_gamma[0][0][1]);
    EXPECT_DOUBLE_EQ(2.55, r.building_gamma[3][6][1]);
    EXPECT_DOUBLE_EQ(3.35, r.building_psi[11][2]);
    for (int s = 0; s < 4; ++s) {
        SCOPED_TRACE(s);
        // rows 0..6 are pairs 0..6, rows 8..14 are pairs 7..13 of the situation
        EXPECT_DOUBLE_EQ(4.0 + s + 0.12, r.bridge_gamma[s][6][0]);
        EXPECT_DOUBLE_EQ(4.0 + s + 0.13, r.bridge_gamma[s][6][1]);
        EXPECT_DOUBLE_EQ(r.bridge_gamma[s][6][0], r.bridge_gamma[s][7][0]);
        EXPECT_DOUBLE_EQ(r.bridge_gamma[s][6][1], r.bridge_gamma[s][7][1]);
        EXPECT_DOUBLE_EQ(4.0 + s + 0.14, r.bridge_gamma[s][8][0]);
        EXPECT_DOUBLE_EQ(4.0 + s + 0.27, r.bridge_gamma[s][14][1]);
    }
    EXPECT_DOUBLE_EQ(0.0, r.road_bridge_psi[0][0]);
    EXPECT_DOUBLE_EQ(1.55, r.rail_bridge_psi[30][2]);
    EXPECT_DOUBLE_EQ(0.61, r.rail_a[2]);
    for (int row = 0; row < 12; ++row) EXPECT_DOUBLE_EQ(9.0 + row, r.building_psi[row][3]);
}

TEST(NadEc0, Layout4ReadsFifteenBridgeRowsAndNoSeismicPsi)
{
    std::string body = numbered(56, 2, 2.0) + numbered(36, 3, 3.0) + " 4\n";
    for (int s = 0; s < 4; ++s) body += numbered(30, 2, 4.0 + s);
    body += numbered((14 + 7 + 31) * 3, 3, 0.0) + " 0.81 0.71 0.61\n 7.0 7.0";
    NadEc0Record r = defaults();
    FILE* f = stream_of(body);
    Nad_Read_Ec0(f, &r, 1);
    fclose(f);
    EXPECT_EQ(4, r.version);
    EXPECT_DOUBLE_EQ(5.14, r.bridge_gamma[1][7][0]);
    EXPECT_DOUBLE_EQ(7.29, r.bridge_gamma[3][14][1]);
    NadEc0Record d = defaults();
    for (int row = 0; row < 12; ++row) EXPECT_DOUBLE_EQ(d.building_psi[row][3], r.building_psi[row][3]);
}

TEST(NadEc0, OldStorageBlockZeroHoldsOnlyThePersistentPairs)
{
    const std::string text = "#NAD\n Lastfaktoren 0\n" + numbered(14, 2, 2.0) + numbered(36, 3, 3.0) + "#NAD\n";
    FILE* f = stream_of(text);
    char line[32];
    ASSERT_TRUE(fgets(line, sizeof line, f));
    NadEc0Record r = defaults();
    Nad_Read_Ec0(f, &r, 0);
    fclose(f);
    NadEc0Record d = defaults();
    EXPECT_DOUBLE_EQ(2.12, r.building_gamma[0][6][0]);
    for (int s = 1; s < 4; ++s)
        for (int row = 0; row < 7; ++row) {
            EXPECT_DOUBLE_EQ(d.building_gamma[s][row][0], r.building_gamma[s][row][0]);
            EXPECT_DOUBLE_EQ(d.building_gamma[s][row][1], r.building_gamma[s][row][1]);
        }
    EXPECT_DOUBLE_EQ(3.0, r.building_psi[0][0]);
    EXPECT_DOUBLE_EQ(3.35, r.building_psi[11][2]);
    // no layout number before "#NAD": the bridge factors stay
    EXPECT_EQ(2, r.version);
    EXPECT_EQ(0, memcmp(d.bridge_gamma, r.bridge_gamma, sizeof d.bridge_gamma));
}

TEST(NadEc0, OldStorageWithoutKeywordKeepsTheRecord)
{
    FILE* f = stream_of("#NAD\n x\n#NAD\n Lastfaktoren\n 9 9\n");
    char line[32];
    ASSERT_TRUE(fgets(line, sizeof line, f));
    const long pos = ftell(f);
    NadEc0Record r = defaults();
    Nad_Read_Ec0(f, &r, 0);
    EXPECT_EQ(pos, ftell(f));
    fclose(f);
    NadEc0Record d = defaults();
    EXPECT_EQ(0, memcmp(&d, &r, sizeof d));
}

TEST(NadEc0, TruncatedBodyKeepsTheRest)
{
    NadEc0Record r = defaults();
    FILE* f = stream_of(" 1.40 1.10\n 1.60 x\n");
    Nad_Read_Ec0(f, &r, 1);
    fclose(f);
    EXPECT_DOUBLE_EQ(1.4, r.building_gamma[0][0][0]);
    EXPECT_DOUBLE_EQ(1.1, r.building_gamma[0][0][1]);
    EXPECT_DOUBLE_EQ(1.6, r.building_gamma[0][1][0]);
    EXPECT_DOUBLE_EQ(0.0, r.building_gamma[0][1][1]);
    EXPECT_EQ(0, r.version);
}

TEST(NadEc0, ComparisonToleratesTinyDifferencesOnly)
{
    NadEc0Record a = defaults();
    for (size_t i = 0; i < kValues; ++i) {
        NadEc0Record b = defaults();
        *value_at(b, i) += 0.00005;
        ASSERT_EQ(0, Nad_Differs_Ec0(&a, &b)) << i;
        *value_at(b, i) = *value_at(a, i) + 0.001;
        ASSERT_EQ(1, Nad_Differs_Ec0(&a, &b)) << i;
    }
    NadEc0Record b = defaults();
    b.version = 5;
    EXPECT_EQ(0, Nad_Differs_Ec0(&a, &b));
}

TEST(NadEc0, CopyTakesEveryValueButTheVersion)
{
    NadEc0Record src = defaults(), dst = defaults();
    src.version = 3;
    dst.version = 5;
    for (size_t i = 0; i < kValues; ++i) *value_at(src, i) = (double)i;
    Nad_Copy_Ec0(&dst, &src);
    EXPECT_EQ(5, dst.version);
    for (size_t i = 0; i < kValues; ++i) EXPECT_DOUBLE_EQ((double)i, *value_at(dst, i));
    Nad_Copy_Ec0(nullptr, &src);
    Nad_Copy_Ec0(&dst, nullptr);
    EXPECT_EQ(0, Nad_Ec0_Zero());
}
