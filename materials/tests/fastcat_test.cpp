// Fastener catalogue: the product data files, their limits, the accessors and
// choice lists, and the supplied product files.
#include <gtest/gtest.h>

#include <string>

#include "materials/fastcat.h"
#include "materials/matkind.h"
#include "platform/kovhost.h"

namespace {

const std::string kFixtures = std::string(KOV_TEST_DIR) + "/fastcat/";

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override { Catalogue_Reset(); }
    void TearDown() override
    {
        Catalogue_Reset();
        Set_CurOb_Privat_Datapath(nullptr);
    }
    static void Use(const std::string& dir) { Set_CurOb_Privat_Datapath((kFixtures + dir).c_str()); }
};

typedef int (*ReaderFn)(void);

} // namespace

TEST_F(Catalogue, ScrewLengthsAndEffectiveLengths)
{
    Use("good");
    ASSERT_EQ(Catalogue_Read_Schraube(), 1);
    // All nine screw classes read the one table.
    for (int type = FT_SCREW_1A; type <= FT_SCREW_3C; ++type) {
        EXPECT_EQ(Fastener_Product_Count(type), 2);
        EXPECT_DOUBLE_EQ(Fastener_Diameter(type, 0), 6.0);
    }
    EXPECT_DOUBLE_EQ(Fastener_Value_By_Key(2, 0, "d1"), 4.0);
    EXPECT_DOUBLE_EQ(Fastener_Value_By_Key(2, 0, "dk"), 12.0);
    EXPECT_DOUBLE_EQ(Fastener_Value_By_Key(2, 0, "k"), 1.3);
    EXPECT_DOUBLE_EQ(Fastener_Value_By_Key(2, 0, "fak_lef"), 0.6);
    EXPECT_DOUBLE_EQ(Fastener_Value_By_Key(2, 0, "n_l"), 2.0);
    EXPECT_DOUBLE_EQ(Fastener_Value_By_Key(2, 0, "D"), 0.0); // keys are case-sensitive
    EXPECT_DOUBLE_EQ(Fastener_Value_By_Key(2, 0, "ds"), 0.0);
    EXPECT_EQ(Fastener_Length_Count(2, 0), 2);
    EXPECT_DOUBLE_EQ(Fastener_Length(2, 0, 0), 80.0);
    EXPECT_DOUBLE_EQ(Fastener_Length(2, 0, 1), 100.0);
    EXPECT_DOUBLE_EQ(Fastener_Length_Value(2, 0, 0), 48.0);
    EXPECT_DOUBLE_EQ(Fastener_Length_Value(2, 0, 1), 60.0);
    EXPECT_EQ(Fastener_Find_Length(2, 0, 100.005), 1);
    EXPECT_EQ(Fastener_Find_Length(2, 0, 100.02), 0);
    // Indexes beyond the loaded products and lengths give 0.
    EXPECT_DOUBLE_EQ(Fastener_Length(2, 0, 2), 0.0);
    EXPECT_DOUBLE_EQ(Fastener_Length(2, 2, 0), 0.0);
    EXPECT_DOUBLE_EQ(Fastener_Diameter(2, -1), 0.0);
}

TEST_F(Catalogue, LengthRulesOfTheProductFiles)
{
    Use("good");
    ASSERT_EQ(Catalogue_Read_Spax_S_Vg(), 1);
    ASSERT_EQ(Catalogue_Read_Assy_Vg_Z(), 1);
    ASSERT_EQ(Catalogue_Read_Assy_Vg_S(), 1);
    ASSERT_EQ(Catalogue_Read_Klammer(), 1);
    ASSERT_EQ(Catalogue_Read_Sondernagel(), 1);
    const struct {
        int type;
        int n_l;
        double l[4], l_ef[4];
    } cases[] = {
        // deductions 5, 8, 10 below 100, from 100, from 200
        {FT_SPAX_CSK_FULL, 4, {99.9, 100, 199.9, 200}, {94.9, 92, 191.9, 190}},
        // format 3: products without lengths
        {FT_ASSY_VG_CYLINDER, 0, {}, {}},
        // format 2: lengths, then their l_ef values; the fifth word is left over
        {FT_ASSY_VG_COUNTERSUNK, 2, {100, 120}, {90, 110}},
        // staples: l_ef from the next data line, the comment between skipped
        {FT_STAPLE, 2, {50, 60}, {30, 40}},
        // pairs, a word after the last pair left over
        {FT_SPECIAL_NAIL_2B, 2, {50, 60}, {40, 50}},
        {FT_SPECIAL_NAIL_3F, 2, {50, 60}, {40, 50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        ASSERT_EQ(Fastener_Length_Count(c.type, 0), c.n_l);
        for (int i = 0; i < c.n_l; ++i) {
            EXPECT_DOUBLE_EQ(Fastener_Length(c.type, 0, i), c.l[i]);
            EXPECT_NEAR(Fastener_Length_Value(c.type, 0, i), c.l_ef[i], 1e-9);
        }
    }
    EXPECT_DOUBLE_EQ(Fastener_Value_By_Key(FT_SPAX_CSK_FULL, 0, "xLE100"), 5.0);
    EXPECT_DOUBLE_EQ(Fastener_Value_By_Key(FT_SPAX_CSK_FULL, 0, "xLE200"), 8.0);
    EXPECT_DOUBLE_EQ(Fastener_Value_By_Key(FT_SPAX_CSK_FULL, 0, "xGT200"), 10.0);
    EXPECT_DOUBLE_EQ(Fastener_Value_By_Key(FT_STAPLE, 0, "dk"), 11.2);
}

TEST_F(Catalogue, CountsAndFilesWithoutProducts)
{
    Use("good");
    EXPECT_EQ(Catalogue_Read_Spax_S_Tg(), 1); // count -2: an empty table
    EXPECT_EQ(Fastener_Product_Count(FT_SPAX_CSK_PARTIAL), 0);
    EXPECT_EQ(Fastener_Catalogue_Table(FT_SPAX_CSK_PARTIAL)->format, 1);
    EXPECT_EQ(Catalogue_Read_Spax_T_Tg(), 1); // comments only
    EXPECT_EQ(Fastener_Product_Count(FT_SPAX_WASHER_PARTIAL), 0);
    EXPECT_EQ(Catalogue_Read_Simpson_Csa(), 0); // no such file
    EXPECT_EQ(Catalogue_Read_Simpson_Cna(), 1);
    // Loaded, but no accessor serves the Simpson tables.
    EXPECT_EQ(Fastener_Catalogue_Table(FT_SIMPSON_CNA)->count, 1);
    EXPECT_EQ(Fastener_Product_Count(FT_SIMPSON_CNA), 0);
    EXPECT_DOUBLE_EQ(Fastener_Value_By_Key(FT_SIMPSON_CNA, 0, "d"), 0.0);
    EXPECT_DOUBLE_EQ(Fastener_Diameter(FT_SIMPSON_CNA, 0), 0.0);

    Set_CurOb_Privat_Datapath(nullptr); // no private directory: nothing loads
    EXPECT_EQ(Catalogue_Read_Nagel(), 0);
    // A table that could not be loaded is tried again.
    Use("good");
    EXPECT_EQ(Catalogue_Read_Nagel(), 1);
    EXPECT_EQ(Fastener_Product_Count(FT_NAIL), 3);
}

TEST_F(Catalogue, DiameterSearchKeepsTheLastMatch)
{
    Use("good");
    ASSERT_EQ(Catalogue_Read_Nagel(), 1); // CRLF lines, a comment between products
    EXPECT_EQ(Fastener_Find_Diameter(FT_NAIL, 4.0005), 2);
    EXPECT_EQ(Fastener_Find_Diameter(FT_NAIL, 3.1), 0);
    EXPECT_EQ(Fastener_Find_Diameter(FT_NAIL, 5.0), 0);
    EXPECT_EQ(Fastener_Length_Count(FT_NAIL, 2), 2);
    EXPECT_DOUBLE_EQ(Fastener_Length(FT_NAIL, 2, 1), 120.0);
    EXPECT_DOUBLE_EQ(Fastener_Length_Value(FT_NAIL, 2, 1), 0.0);
    EXPECT_EQ(Fastener_Find_Length(FT_NAIL, 0, 80), 2);
}

TEST_F(Catalogue, ConnectorValuesByKey)
{
    Use("good");
    ASSERT_EQ(Catalogue_Read_Ringduebel_A1(), 1);
    ASSERT_EQ(Catalogue_Read_Schduebel_B1(), 1); // found in a lower-case name; format 1, extra columns
    ASSERT_EQ(Catalogue_Read_Schduebel_C1(), 1);
    EXPECT_EQ(Fastener_Product_Count(FT_RING_A1), 2);
    EXPECT_DOUBLE_EQ(Fastener_Diameter(FT_RING_A1, 1), 80.0);
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_RING_A1, 0, "he"), 15.0);
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_RING_A1, 0, "r"), 8.0);
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_RING_A1, 0, "F"), 975.0);
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_RING_A1, 0, "a1"), 0.0); // no such column in A1
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_RING_A1, 0, "x"), 0.0);
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_NAIL, 0, "dc"), 0.0);
    // B1: he before hc.
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_PLATE_B1, 0, "he"), 15.0);
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_PLATE_B1, 0, "hc"), 30.0);
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_PLATE_B1, 0, "F"), 975.0);
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_PLATE_B1, 0, "d3"), 0.0);
    // C1: the integer columns sit between d1 and h2.
    const ConnectorCatalogueTable* c1 = Connector_Catalogue_Table(FT_PLATE_C1);
    EXPECT_EQ(c1->products[0].int_col_1, 4);
    EXPECT_EQ(c1->products[0].int_col_2, 6);
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_PLATE_C1, 0, "h2"), 9.0);
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_PLATE_C1, 0, "d1"), 13.0);
    // Connectors have no products of the pin accessors.
    EXPECT_EQ(Fastener_Find_Diameter(FT_RING_A1, 80.0), 0);
    EXPECT_EQ(Fastener_Length_Count(FT_RING_A1, 0), 0);
    // A line of the full 499 characters (and a carriage return) is read.
    ASSERT_EQ(Catalogue_Read_Schduebel_C10(), 1);
    EXPECT_EQ(Connector_Catalogue_Table(FT_PLATE_C10)->products[0].int_col_1, 7);
    EXPECT_DOUBLE_EQ(Connector_Value_By_Key(FT_PLATE_C10, 0, "F"), 600.0);

    Catalogue_Reset();
    Use("b1short"); // any other format needs sixteen columns
    EXPECT_EQ(Catalogue_Read_Schduebel_B1(), 0);
    EXPECT_EQ(Fastener_Product_Count(FT_PLATE_B1), 0);
}

TEST_F(Catalogue, DamagedFilesAreRefusedAndKeepTheCompleteProducts)
{
    Use("damaged");
    const struct {
        const char* what;
        ReaderFn read;
        int type;
        int count;
    } cases[] = {
        {"31 products", Catalogue_Read_Nagel, FT_NAIL, 0},
        {"31 lengths", Catalogue_Read_Schraube, FT_SCREW_1A, 1},
        {"600 characters", Catalogue_Read_Sondernagel, FT_SPECIAL_NAIL_1A, 1},
        {"early end", Catalogue_Read_Spax_S_Tg, FT_SPAX_CSK_PARTIAL, 2},
        {"short staple line", Catalogue_Read_Klammer, FT_STAPLE, 1},
        {"decimal comma", Catalogue_Read_Spax_S_Vg, FT_SPAX_CSK_FULL, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.read(), 0);
        EXPECT_EQ(Fastener_Product_Count(c.type), c.count);
        // A refused table is tried again, with the same result.
        EXPECT_EQ(c.read(), 0);
        EXPECT_EQ(Fastener_Product_Count(c.type), c.count);
    }
    EXPECT_DOUBLE_EQ(Fastener_Length(FT_SPAX_CSK_PARTIAL, 1, 0), 120.0);
    EXPECT_DOUBLE_EQ(Fastener_Length_Value(FT_SPAX_CSK_PARTIAL, 1, 0), 70.0);
    EXPECT_DOUBLE_EQ(Fastener_Length(FT_SPAX_CSK_PARTIAL, 2, 0), 0.0);
}

TEST_F(Catalogue, ChoiceLists)
{
    int count = -1;
    Fastener_Diameter_Choice_List(FT_DOWEL, 3, &count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Fastener_Product_Count(FT_BOLT), 0);

    EXPECT_EQ(Catalogue_Init_Dowel_Bolt(), 1);
    ChoiceEntry* dowels = Fastener_Diameter_Choice_List(FT_DOWEL, 3, &count);
    ASSERT_EQ(count, 7);
    EXPECT_STREQ(dowels[0].text, "  6.00 mm");
    EXPECT_STREQ(dowels[6].text, " 24.00 mm");
    EXPECT_EQ(dowels[6].colour, 3);
    ChoiceEntry* bolts = Fastener_Diameter_Choice_List_2(FT_BOLT, 5, &count);
    ASSERT_EQ(count, 8);
    EXPECT_STREQ(bolts[7].text, " 30.00 mm");
    // The two diameter pools are independent.
    EXPECT_STREQ(dowels[6].text, " 24.00 mm");
    EXPECT_EQ(Fastener_Find_Diameter(FT_BOLT, 30.0), 7);
    EXPECT_DOUBLE_EQ(Fastener_Diameter(FT_BOLT, 7), 30.0);
    EXPECT_DOUBLE_EQ(Fastener_Diameter(FT_DOWEL, 7), 0.0);

    Use("good");
    ASSERT_EQ(Catalogue_Read_Nagel(), 1);
    ChoiceEntry* lengths = Fastener_Length_Choice_List(FT_NAIL, 0, 9, &count);
    ASSERT_EQ(count, 3);
    EXPECT_STREQ(lengths[0].text, " 60 mm");
    EXPECT_EQ(lengths[2].colour, 9);
    ASSERT_EQ(Catalogue_Read_Ringduebel_A1(), 1);
    ChoiceEntry* rings = Fastener_Diameter_Choice_List(FT_RING_A1, 0, &count);
    ASSERT_EQ(count, 2);
    EXPECT_STREQ(rings[1].text, " 80.00 mm");
    Fastener_Length_Choice_List(FT_RING_A1, 0, 0, &count);
    EXPECT_EQ(count, 0);
}

TEST_F(Catalogue, SuppliedProductFilesLoadAndHoldPlausibleValues)
{
    Set_CurOb_Privat_Datapath(KOV_SOURCE_DIR "/data/fasteners");
    const struct {
        ReaderFn read;
        int type;
        bool lengths;
    } pins[] = {
        {Catalogue_Read_Nagel, FT_NAIL, true},
        {Catalogue_Read_Klammer, FT_STAPLE, true},
        {Catalogue_Read_Schraube, FT_SCREW_1A, true},
        {Catalogue_Read_Spax_S_Tg, FT_SPAX_CSK_PARTIAL, true},
        {Catalogue_Read_Spax_T_Tg, FT_SPAX_WASHER_PARTIAL, true},
        {Catalogue_Read_Spax_S_Vg, FT_SPAX_CSK_FULL, true},
        {Catalogue_Read_Assy_Vg_Z, FT_ASSY_VG_CYLINDER, true},
        {Catalogue_Read_Assy_Vg_S, FT_ASSY_VG_COUNTERSUNK, true},
        {Catalogue_Read_Sondernagel, FT_SPECIAL_NAIL_1A, true},
        {Catalogue_Read_Simpson_Cna, FT_SIMPSON_CNA, true},
        {Catalogue_Read_Simpson_Csa, FT_SIMPSON_CSA, true},
    };
    for (const auto& p : pins) {
        SCOPED_TRACE(p.type);
        ASSERT_EQ(p.read(), 1);
        const FastenerCatalogueTable* t = Fastener_Catalogue_Table(p.type);
        ASSERT_GE(t->count, 1);
        ASSERT_LE(t->count, FASTCAT_MAX_PRODUCTS);
        for (int i = 0; i < t->count; ++i) {
            const FastenerProduct& f = t->products[i];
            EXPECT_GT(f.d, 0.0) << i;
            EXPECT_GT(f.dk, 0.0) << i;
            EXPECT_GE(f.n_l, 1) << i;
            for (int j = 0; j < f.n_l; ++j) {
                EXPECT_GT(f.l[j], 0.0) << i << "/" << j;
                EXPECT_GE(f.l_ef[j], 0.0) << i << "/" << j;
                EXPECT_LE(f.l_ef[j], f.l[j]) << i << "/" << j;
            }
        }
    }
    const struct {
        ReaderFn read;
        int type;
    } connectors[] = {
        {Catalogue_Read_Ringduebel_A1, FT_RING_A1},   {Catalogue_Read_Schduebel_C1, FT_PLATE_C1},
        {Catalogue_Read_Schduebel_C5, FT_PLATE_C5},   {Catalogue_Read_Schduebel_C10, FT_PLATE_C10},
        {Catalogue_Read_Schduebel_B1, FT_PLATE_B1},   {Catalogue_Read_Schduebel_C2, FT_PLATE_C2},
        {Catalogue_Read_Schduebel_C11, FT_PLATE_C11},
    };
    for (const auto& c : connectors) {
        SCOPED_TRACE(c.type);
        ASSERT_EQ(c.read(), 1);
        ASSERT_GE(Fastener_Product_Count(c.type), 1);
        ASSERT_LE(Fastener_Product_Count(c.type), FASTCAT_MAX_PRODUCTS);
        for (int i = 0; i < Fastener_Product_Count(c.type); ++i) {
            EXPECT_GT(Connector_Value_By_Key(c.type, i, "he"), 0.0) << i;
            EXPECT_GT(Connector_Value_By_Key(c.type, i, "dc"), 0.0) << i;
            EXPECT_GT(Connector_Value_By_Key(c.type, i, "db_min"), 0.0) << i;
            EXPECT_GE(Connector_Value_By_Key(c.type, i, "db_max"), Connector_Value_By_Key(c.type, i, "db_min")) << i;
        }
    }
}
