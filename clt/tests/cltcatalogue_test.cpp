// The product catalogue: checksums of the product list per manufacturer,
// products and values worked out by hand from their build-ups.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "clt/cltaccess.h"
#include "clt/cltcatalogue.h"
#include "clt/tests/clt_fixture.h"
#include "test_support/annex/scopedannex.h"

TEST(CltCatalogue, ChecksumsPerManufacturer)
{
    Clt_Test_Publish_Annex();
    struct {
        int products, layers;
        double sum;
    } rows[] = {
        {27, 159, 4752.6}, {18, 76, 2280}, {17, 99, 3365},  {27, 135, 4149},
        {15, 69, 2350},    {15, 69, 2350}, {31, 167, 5280}, {14, 56, 1540},
    };
    int products = 0, layers = 0;
    for (unsigned m = 0; m < 8; ++m) {
        const CltManufacturer* b = Clt_Manufacturer_Block(m);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->index, (int)m);
        EXPECT_EQ(b->product_count, rows[m].products) << m;
        EXPECT_EQ(Clt_Product_Count(m), rows[m].products) << m;
        int n = 0;
        double sum = 0.0;
        for (int p = 0; p < b->product_count; ++p) {
            const CltSection& s = b->products[p];
            EXPECT_EQ(s.manufacturer, (int)m);
            EXPECT_EQ(s.product, p);
            double own = 0.0;
            for (int i = 0; i < s.layer_count; ++i) own += s.layers[i].t;
            EXPECT_NEAR(s.thickness, own, 1e-9) << s.name;
            n += s.layer_count;
            sum += own;
        }
        EXPECT_EQ(n, rows[m].layers) << m;
        EXPECT_NEAR(sum, rows[m].sum, 1e-9) << m;
        products += b->product_count;
        layers += n;
    }
    EXPECT_EQ(products, 164);
    EXPECT_EQ(layers, 830);
}

TEST(CltCatalogue, ValuesEveryProductCarries)
{
    Clt_Test_Publish_Annex();
    const double beta[8] = {0.7, 0.7, 0.7, 0.8, 0.9, 0.9, 0.9, 0.9};
    const int stays[8] = {1, 1, 1, 0, 0, 0, 0, 0};
    const double value7[8] = {2.5, 2.5, 2.5, 2.5, 2.0, 2.0, 2.0, 2.0};
    for (unsigned m = 0; m < 8; ++m) {
        for (int p = 0; p < Clt_Product_Count(m); ++p) {
            const CltSection* s = Clt_Product(m, p);
            EXPECT_EQ(s->edge_glued, 0);
            EXPECT_EQ(s->flag_2, 0);
            EXPECT_EQ(s->char_stays, stays[m]);
            EXPECT_DOUBLE_EQ(s->charring_rate, beta[m]);
            EXPECT_DOUBLE_EQ(s->product_value_7, value7[m]);
            EXPECT_DOUBLE_EQ(s->board_width_1, 185.0);
            EXPECT_DOUBLE_EQ(s->board_width_2, 185.0);
            EXPECT_DOUBLE_EQ(s->product_value_3, 185.0);
            EXPECT_DOUBLE_EQ(s->product_value_4, 185.0);
            EXPECT_DOUBLE_EQ(s->rolling_shear_modulus, 50000.0);
            EXPECT_NEAR(s->thickness_x + s->thickness_y, s->thickness, 1e-9);
            for (int i = 0; i < s->layer_count; ++i) {
                EXPECT_EQ(s->layers[i].grade, 5);
                EXPECT_DOUBLE_EQ(s->layers[i].factor, 1.0);
            }
        }
    }
}

TEST(CltCatalogue, ProductsOfTheEdgeCases)
{
    Clt_Test_Publish_Annex();
    const CltSection* l = Clt_Product(0, 4);
    ASSERT_NE(l, nullptr);
    EXPECT_STREQ(l->name, "90-4L");
    ASSERT_EQ(l->layer_count, 4);
    const int dirs[4] = {0, 1, 1, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(l->layers[i].direction, dirs[i]);
        EXPECT_DOUBLE_EQ(l->layers[i].t, 22.5);
    }
    EXPECT_DOUBLE_EQ(l->thickness, 90.0);
    EXPECT_DOUBLE_EQ(l->thickness_x, 45.0);
    EXPECT_DOUBLE_EQ(l->thickness_y, 45.0);
    EXPECT_NEAR(l->shear_correction_x, 0.158974, 1e-6);

    const CltSection* hundred = Clt_Product(0, 5);
    EXPECT_STREQ(hundred->name, "100");
    EXPECT_EQ(hundred->layers[0].t, 100.0 / 3.0);
    EXPECT_DOUBLE_EQ(hundred->thickness, 100.0);

    const CltSection* plus = Clt_Product(0, 2);
    EXPECT_STREQ(plus->name, "80 plus");
    EXPECT_EQ(plus->layers[0].kind, 0);
    EXPECT_EQ(plus->layers[1].kind, 13);
    EXPECT_EQ(plus->layers[1].direction, 1);
    EXPECT_EQ(Clt_Product(0, 7)->layers[1].kind, 13); // "100 plus"

    const CltSection* klh = Clt_Product(6, 0);
    EXPECT_STREQ(klh->name, "KLH 3s 60 DL");
    for (int i = 0; i < klh->layer_count; ++i) {
        EXPECT_DOUBLE_EQ(klh->layers[i].E, 12000000.0);
        EXPECT_DOUBLE_EQ(klh->layers[i].G, 690000.0);
        EXPECT_DOUBLE_EQ(klh->layers[i].f_m, 24000.0);
        EXPECT_DOUBLE_EQ(klh->layers[i].f_t, 16500.0);
        EXPECT_DOUBLE_EQ(klh->layers[i].f_c, 24000.0);
    }
    EXPECT_DOUBLE_EQ(klh->strength_factor, 1.2);
    EXPECT_DOUBLE_EQ(klh->product_factor, 2.7);
    EXPECT_DOUBLE_EQ(klh->charring_rate, 0.9);
    EXPECT_EQ(klh->char_stays, 0);
    // 20/20/20 with E 12,000,000, G 690,000, G_R 50,000 (integrated by hand).
    EXPECT_NEAR(klh->centroid_x, 30.0, 1e-12);
    EXPECT_NEAR(klh->shear_correction_x, 0.1546178509, 1e-9);
    EXPECT_NEAR(klh->shear_correction_y, 0.7278481013, 1e-9);
    EXPECT_NEAR(klh->shear_stiffness_sum, 0.25 * 690000 * 60 * 0.001, 1e-9);

    // The two "115L/5s" of Decker are one product listed twice.
    CltSection a = *Clt_Product(3, 11), b = *Clt_Product(3, 12);
    EXPECT_STREQ(a.name, "115L/5s");
    EXPECT_STREQ(b.name, "115L/5s");
    b.product = a.product;
    EXPECT_EQ(0, std::memcmp(&a, &b, sizeof a));

    const CltSection* merkle = Clt_Product(2, 11);
    EXPECT_STREQ(merkle->name, "240/7ss");
    EXPECT_DOUBLE_EQ(merkle->product_factor, 1.3);
    EXPECT_DOUBLE_EQ(merkle->strength_factor, -1.0);
}

TEST(CltCatalogue, ManufacturerValues)
{
    Clt_Test_Publish_Annex();
    struct {
        unsigned m;
        int p;
        const char* name;
        double k, strength, f_m;
    } rows[] = {
        // board-width rule: min(8 * 23.3 / 69.9, 3.5, 2 * 5/12 * 2 * 185 / 69.9)
        {0, 0, "70", 8.0 / 3.0, 0.7, 24000},
        {0, 14, "180", 2.1588006663, 0.7, 24000},
        // layer-pair rule: (40 + 40) / 180
        {1, 0, "X-60/3s", 80.0 / 180.0, 0.0, 24000},
        // ((400 + 900) / 30) * 2 / 210
        {1, 1, "X-70/3s", 2.0 * 1300.0 / 30.0 / 210.0, 0.9, 24000},
        {1, 11, "X-140/5s", 0.4285714286, 0.0, 24000},
        {2, 0, "80/3s", 2.2, -1.0, 24000},
        {2, 16, "300/9ss", 1.7, -1.0, 24000},
        // Decker: f_m times 1.075 for three layers, 1.1 for five and more
        {3, 0, "66L/3s", 2.4242424242, 1.0, 24000 * 1.075},
        {3, 10, "109L/5s", 8.0 * 40.0 / 109.0, 1.0, 24000 * 1.1},
        {3, 26, "292L/9s", 2.5205479452, 1.0, 24000 * 1.1},
        {4, 6, "BBS 125 120/5s", 2.0, 1.0, 18000},
        {5, 14, "BBS XL 280/7s", 2.0, 1.0, 18000},
        {7, 13, "KLH 5s 160 DQ", 2.7, 1.2, 24000},
    };
    for (const auto& r : rows) {
        const CltSection* s = Clt_Product(r.m, r.p);
        ASSERT_NE(s, nullptr);
        EXPECT_STREQ(s->name, r.name);
        EXPECT_NEAR(s->product_factor, r.k, 1e-9) << r.name;
        EXPECT_DOUBLE_EQ(s->strength_factor, r.strength) << r.name;
        for (int i = 0; i < s->layer_count; ++i) EXPECT_NEAR(s->layers[i].f_m, r.f_m, 1e-9) << r.name;
    }
    EXPECT_DOUBLE_EQ(Clt_Product(4, 0)->layers[0].f_t, 10150.0);
    EXPECT_DOUBLE_EQ(Clt_Product(4, 0)->layers[0].f_c, 21000.0);
    EXPECT_DOUBLE_EQ(Clt_Product(5, 0)->layers[0].f_t, 14150.0);
    EXPECT_DOUBLE_EQ(Clt_Product(5, 0)->layers[0].f_c, 24000.0);
    EXPECT_DOUBLE_EQ(Clt_Product(4, 0)->layers[0].E, 12000000.0);
    EXPECT_DOUBLE_EQ(Clt_Product(4, 0)->layers[0].G, 690000.0); // from the grade table
}

TEST(CltCatalogue, TakesTheEnTablesWithAnAnnex)
{
    Clt_Test_Publish_Annex();
    const CltSection* s = Clt_Product(0, 0);
    EXPECT_DOUBLE_EQ(s->layers[0].f_t, 14500.0);
    EXPECT_DOUBLE_EQ(s->layers[0].f_v, 4000.0);
    // Built once: a later switch of the rules does not rebuild it.
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_DOUBLE_EQ(Clt_Product(0, 0)->layers[0].f_t, 14500.0);
}

TEST(CltCatalogue, TakesTheDinTablesWithoutAnAnnex)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    const CltSection* s = Clt_Product(0, 0);
    EXPECT_DOUBLE_EQ(s->layers[0].f_t, 14000.0);
    EXPECT_DOUBLE_EQ(s->layers[0].f_v, 2000.0);
    EXPECT_DOUBLE_EQ(s->layers[0].E, 11000000.0);
}

TEST(CltCatalogue, BuildingAgainWritesTheSameValues)
{
    Clt_Test_Publish_Annex();
    Clt_Catalogue_Init();
    const CltSection before = *Clt_Product(2, 5);
    Clt_Catalogue_Build();
    EXPECT_EQ(0, std::memcmp(&before, Clt_Product(2, 5), sizeof before));
}
