// The supplied annex files: written from their records by the annex writer,
// and holding the values of the EC recommendations and of the German annexes.
//
// After a record or the writer has changed, write the files again with
// "tools/nadsupplied data/NAD" (from the build folder, the source tree's
// folder as argument) and commit data/NAD/*.NAD.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "nad/nadfile.h"
#include "nad/nadsupplied.h"
#include "nadrec_fixture.h"
#include "test_support/kovtestutil.h"
#include "test_support/runtool.h"

using nadtest::RecordBox;

namespace {

std::string written(const NadRecord& r)
{
    kovtest::MemFile m;
    EXPECT_NE(m.f, nullptr);
    if (!m.f) return "";
    Nad_Write_File(m.f, &r);
    return m.text();
}

void check_supplied(const char* file, void (*build)(NadRecord*))
{
    RecordBox box;
    build(box.r.get());
    const std::string bytes = written(*box.r);
    const std::string path = std::string(KOV_SOURCE_DIR) + "/data/NAD/" + file;
    EXPECT_EQ(kovtest::read_file(path), bytes) << file << " no longer matches its record; see the head of this test";

    // and the file reads back as the record it was written from
    RecordBox back;
    FILE* f = kovtest::stream_of(bytes);
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(Nad_Read_File(f, back.r.get()), 1);
    fclose(f);
    Nad_Set_Ec3_Na_De(&back.r->ec3, back.r->na_de); // the body of EC3 does not carry it
    const NadRecord& a = *box.r;
    const NadRecord& b = *back.r;
    EXPECT_EQ(b.flag_index, a.flag_index);
    EXPECT_STREQ(b.name, a.name);
    EXPECT_EQ(b.na_de, a.na_de);
    EXPECT_EQ(Nad_Differs_Ec0(&a.ec0, &b.ec0), 0) << file;
    EXPECT_EQ(Nad_Differs_Ec2(&a.ec2, &b.ec2), 0) << file;
    EXPECT_EQ(Nad_Differs_Ec3(&a.ec3, &b.ec3), 0) << file;
    EXPECT_EQ(Nad_Differs_Ec5(&a.ec5, &b.ec5), 0) << file;
    EXPECT_EQ(Nad_Equal_Ec6(&a.ec6, &b.ec6), 1) << file;
    EXPECT_EQ(Nad_Equal_Ec9(&a.ec9, &b.ec9), 1) << file;
}

// Runs the tool nadsupplied of the build with the arguments; its exit code,
// -1 when it could not be started.
int run_nadsupplied(const std::vector<std::string>& args)
{
    std::vector<std::string> argv{kovtest::tool_path("nadsupplied")};
    argv.insert(argv.end(), args.begin(), args.end());
    return kovtest::Run_Tool(argv).exit_code;
}

// Loads a supplied annex from the source tree's data folder.
int load_supplied(const char* name, NadRecord* r)
{
    kovtest::ScopedEnv env("DATA", KOV_SOURCE_DIR "/data");
    return Nad_Load(0, name, r);
}

} // namespace

TEST(SuppliedAnnexFiles, AreTheWrittenRecords)
{
    check_supplied("Standard.NAD", Nad_Build_Standard);
    check_supplied("Deutschland.NAD", Nad_Build_Deutschland);
}

TEST(SuppliedAnnexFiles, TheToolWritesThemAsSupplied)
{
    kovtest::TempDir dir("nadsupplied_");
    ASSERT_TRUE(dir.ok());
    ASSERT_EQ(run_nadsupplied({dir.path()}), 0);
    for (const char* file : {"Standard.NAD", "Deutschland.NAD"}) {
        const std::string supplied = kovtest::read_file(std::string(KOV_SOURCE_DIR) + "/data/NAD/" + file);
        ASSERT_FALSE(supplied.empty()) << file;
        EXPECT_EQ(kovtest::read_file(dir / file), supplied) << file;
    }
    // A folder that is not there: nothing written, and the tool says so.
    EXPECT_EQ(run_nadsupplied({dir / "fehlt"}), 1);
    EXPECT_FALSE(kovtest::exists(dir / "fehlt"));
    EXPECT_EQ(run_nadsupplied({}), 2);
}

TEST(SuppliedAnnexFiles, StandardHoldsTheRecommendedValues)
{
    RecordBox box;
    NadRecord& r = *box.r;
    ASSERT_EQ(load_supplied("Standard", &r), 1);
    EXPECT_EQ(r.flag_index, 19);
    EXPECT_STREQ(r.name, "EC-Standardparameter");
    EXPECT_EQ(r.na_de, 0);
    EXPECT_EQ(r.user_defined, 0);

    NadRecord def{};
    Nad_Default_Ec0(&def.ec0);
    Nad_Default_Ec2(&def.ec2);
    Nad_Default_Ec3(&def.ec3);
    Nad_Default_Ec5(&def.ec5);
    Nad_Default_Ec6(&def.ec6);
    Nad_Default_Ec9(&def.ec9);
    EXPECT_EQ(Nad_Differs_Ec0(&r.ec0, &def.ec0), 0);
    EXPECT_EQ(Nad_Differs_Ec2(&r.ec2, &def.ec2), 0);
    EXPECT_EQ(Nad_Differs_Ec3(&r.ec3, &def.ec3), 0);
    EXPECT_EQ(Nad_Differs_Ec5(&r.ec5, &def.ec5), 0);
    EXPECT_EQ(Nad_Equal_Ec6(&r.ec6, &def.ec6), 1);
    EXPECT_EQ(Nad_Equal_Ec9(&r.ec9, &def.ec9), 1);
    // spot checks against EN 1995-1-1 2.4.1 Table 2.3 and EN 1993-1-1 6.1
    EXPECT_DOUBLE_EQ(r.ec5.gamma_m_lvl, 1.2);
    EXPECT_DOUBLE_EQ(r.ec5.gamma_m_solid, 1.3);
    EXPECT_EQ(r.ec5.k_cr_mode, 1);
    EXPECT_DOUBLE_EQ(r.ec3.ec31.gamma_m1, 1.0);
}

TEST(SuppliedAnnexFiles, GermanyHoldsTheGermanAnnexValues)
{
    RecordBox box;
    NadRecord& r = *box.r;
    ASSERT_EQ(load_supplied("Deutschland", &r), 1);
    EXPECT_EQ(r.flag_index, 18);
    EXPECT_STREQ(r.name, "Deutschland");
    EXPECT_EQ(r.na_de, 1);
    EXPECT_EQ(r.ec2.na_de, 1);
    EXPECT_EQ(r.ec3.na_de, 1);
    EXPECT_EQ(r.ec5.na_de, 1);
    EXPECT_EQ(r.ec6.na_de, 1);
    EXPECT_EQ(r.ec9.na_de, 1);

    // DIN EN 1995-1-1/NA:2013-08, Table NA.2 and the NA rules
    const NadEc5Record& t = r.ec5;
    for (double g : {t.gamma_m_solid, t.gamma_m_glulam, t.gamma_m_lvl, t.gamma_m_particleboard, t.gamma_m_hardboard,
                     t.gamma_m_mediumboard, t.gamma_m_mdf, t.gamma_m_softboard, t.gamma_m_gypsum, t.gamma_m_clt,
                     t.gamma_m_connections, t.gamma_m_steel})
        EXPECT_DOUBLE_EQ(g, 1.3);
    EXPECT_DOUBLE_EQ(t.gamma_m_nail_plates, 1.25);
    EXPECT_DOUBLE_EQ(t.gamma_m_accidental, 1.0);
    EXPECT_DOUBLE_EQ(t.gamma_m_fire, 1.0);
    EXPECT_EQ(t.k_cr_mode, 2);
    EXPECT_EQ(t.kmod_na1_index_b, 1);
    for (int sw : {t.use_table_na1, t.use_na11, t.use_table_na4, t.use_table_na15, t.threaded_rods_na, t.ltb_na,
                   t.simplified_fasteners_na, t.use_na20, t.use_na21, t.use_na816, t.use_na7})
        EXPECT_EQ(sw, 1);
    EXPECT_DOUBLE_EQ(t.k_shape_factor, 0.05);
    EXPECT_DOUBLE_EQ(t.k_shape_max, 1.3);
    // EN 1995-1-1 Table 3.1 (unchanged by the annex), service class 1 and 3
    EXPECT_DOUBLE_EQ(t.k_mod[0][0], 0.6);
    EXPECT_DOUBLE_EQ(t.k_mod[4][2], 0.9);

    // DIN EN 1993-1-1/NA: gamma_M0 1.0, gamma_M1 1.1, gamma_M2 1.25
    EXPECT_DOUBLE_EQ(r.ec3.ec31.gamma_m0, 1.0);
    EXPECT_DOUBLE_EQ(r.ec3.ec31.gamma_m1, 1.1);
    EXPECT_DOUBLE_EQ(r.ec3.ec31.gamma_m2, 1.25);

    // DIN EN 1992-1-1/NA: gamma_c 1.5 (accidental 1.3), gamma_s 1.15 (1.0), alpha_cc 0.85
    EXPECT_DOUBLE_EQ(r.ec2.gamma_c[0], 1.5);
    EXPECT_DOUBLE_EQ(r.ec2.gamma_c[3], 1.3);
    EXPECT_DOUBLE_EQ(r.ec2.gamma_s[0], 1.15);
    EXPECT_DOUBLE_EQ(r.ec2.gamma_s[3], 1.0);
    EXPECT_DOUBLE_EQ(r.ec2.alpha_cc, 0.85);
    EXPECT_DOUBLE_EQ(r.ec2.cot_theta_max, 3.0);

    // DIN EN 1990/NA Table NA.A.1.2(B) and NA.A.1.1: gamma_G 1.35 / 1.0, gamma_Q 1.5,
    // psi of category A 0.7 / 0.5 / 0.3
    EXPECT_DOUBLE_EQ(r.ec0.building_gamma[0][0][0], 1.35);
    EXPECT_DOUBLE_EQ(r.ec0.building_gamma[0][0][1], 1.0);
    EXPECT_DOUBLE_EQ(r.ec0.building_gamma[0][1][0], 1.5);
    EXPECT_DOUBLE_EQ(r.ec0.building_psi[0][0], 0.7);
    EXPECT_DOUBLE_EQ(r.ec0.building_psi[0][1], 0.5);
    EXPECT_DOUBLE_EQ(r.ec0.building_psi[0][2], 0.3);

    // DIN EN 1999-1-1/NA: gamma_M1 1.1, gamma_M2 1.25
    EXPECT_DOUBLE_EQ(r.ec9.gamma_m1, 1.1);
    EXPECT_DOUBLE_EQ(r.ec9.gamma_m2, 1.25);
}

// The German annex carries the German bridge values of DIN EN 1992-2/NA
// (C_Rd,c 0.15, k1 0.12, cot theta at most 1.75, nu_1 0.75), not the
// recommended 0.18, 0.15, 2.5 and 0.6, and they are the library's own block.
TEST(SuppliedAnnexFiles, GermanHoldsTheGermanBridgeBlock)
{
    RecordBox box;
    ASSERT_EQ(load_supplied("Deutschland", box.r.get()), 1);
    const NadEc2Record& c = box.r->ec2;
    EXPECT_DOUBLE_EQ(c.c_rd_c_bridge, 0.15);
    EXPECT_DOUBLE_EQ(c.k1_shear_bridge, 0.12);
    EXPECT_DOUBLE_EQ(c.cot_theta_max_bridge, 1.75);
    EXPECT_DOUBLE_EQ(c.nu_1_bridge, 0.75);

    RecordBox block;
    NadEc2Record& b = block.r->ec2;
    Nad_Default_Ec2(&b);
    Nad_Ec2_Bridge_Block_De(&b);
    EXPECT_DOUBLE_EQ(c.alpha_cc_bridge, b.alpha_cc_bridge);
    EXPECT_DOUBLE_EQ(c.alpha_ct_bridge, b.alpha_ct_bridge);
    EXPECT_DOUBLE_EQ(c.c_rd_c_bridge, b.c_rd_c_bridge);
    EXPECT_DOUBLE_EQ(c.v_min_bridge, b.v_min_bridge);
    EXPECT_DOUBLE_EQ(c.k1_shear_bridge, b.k1_shear_bridge);
    EXPECT_DOUBLE_EQ(c.cot_theta_min_bridge, b.cot_theta_min_bridge);
    EXPECT_DOUBLE_EQ(c.cot_theta_max_bridge, b.cot_theta_max_bridge);
    EXPECT_DOUBLE_EQ(c.alpha_cw_bridge, b.alpha_cw_bridge);
    EXPECT_DOUBLE_EQ(c.nu_1_bridge, b.nu_1_bridge);
    EXPECT_DOUBLE_EQ(c.k1_fatigue_bridge, b.k1_fatigue_bridge);
    EXPECT_DOUBLE_EQ(c.as_min_column_bridge, b.as_min_column_bridge);
    EXPECT_DOUBLE_EQ(c.as_min_column_floor_bridge, b.as_min_column_floor_bridge);
    EXPECT_EQ(c.as_min_column_bridge_mode, b.as_min_column_bridge_mode);
    EXPECT_EQ(c.v_min_bridge_mode, b.v_min_bridge_mode);
    EXPECT_EQ(c.nu_1_bridge_mode, b.nu_1_bridge_mode);
}
