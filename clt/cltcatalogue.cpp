// Builds the cross-laminated timber catalogue in memory on first use: every manufacturer's
// products with their build-up, stored product values and derived section values.
#include "clt/cltcatalogue.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "clt/cltfactors.h"
#include "clt/cltinternal.h"
#include "clt/cltproducts.h"

namespace {

int g_built = 0;
CltManufacturer g_blocks[CLT_MANUFACTURER_COUNT];

void CopyName(char (&dst)[CLT_NAME_SIZE], const char* src) { std::snprintf(dst, sizeof dst, "%s", src ? src : ""); }

// Stores the block header and every product's build-up and stored values.
void StoreBlock(int m)
{
    const CltManufacturerRow& row = CltManufacturerRows[m];
    CltManufacturer* b = Clt_Catalogue_Block(m);
    CopyName(b->name, row.block_name);
    b->index = m;
    b->product_count = std::min(row.count, static_cast<int>(CLT_MAX_PRODUCTS));
    b->value_1 = row.value_1;
    b->value_a = row.value_a;
    b->value_b = row.value_b;
    for (int p = 0; p < b->product_count; ++p) {
        const CltProductRow& pr = row.rows[p];
        CltSection& s = b->products[p];
        std::memset(&s, 0, sizeof s);
        CopyName(s.name, pr.name);
        s.manufacturer = m;
        s.product = p;
        for (int i = 0; i < CLT_MAX_LAYERS && pr.layers[i].t > 0.0; ++i) {
            CltLayer& l = s.layers[s.layer_count++];
            l.kind = pr.layers[i].kind;
            l.grade = 5; // C24 (S10)
            l.direction = pr.layers[i].direction;
            l.t = pr.layers[i].t;
            l.factor = 1.0;
        }
        s.board_width_1 = s.board_width_2 = s.product_value_3 = s.product_value_4 = 185.0;
        s.product_factor = row.own_value == CLT_OWN_PRODUCT_FACTOR ? pr.own_value : row.product_factor;
        s.strength_factor = row.own_value == CLT_OWN_STRENGTH_FACTOR ? pr.own_value : row.strength_factor;
        s.product_value_7 = row.product_value_7;
    }
}

// The manufacturers' own material values [kN/m2], replacing the grade table's.
void Overrides(int m, CltSection* s)
{
    for (int i = 0; i < s->layer_count; ++i) {
        CltLayer& l = s->layers[i];
        switch (m) {
            case 3: l.f_m *= std::min(1.0 + 0.025 * s->layer_count, 1.1); break;
            case 4: l.E = 12000000.0, l.f_m = 18000.0, l.f_t = 10150.0, l.f_c = 21000.0; break;
            case 5: l.E = 12000000.0, l.f_m = 18000.0, l.f_t = 14150.0, l.f_c = 24000.0; break;
            case 6:
            case 7: l.E = 12000000.0, l.G = 690000.0, l.f_m = 24000.0, l.f_t = 16500.0, l.f_c = 24000.0; break;
            default: break;
        }
    }
}

void Derive(int m, CltSection* s)
{
    const CltManufacturerRow& row = CltManufacturerRows[m];
    s->char_stays = row.char_stays;
    s->charring_rate = row.charring_rate;
    Clt_Layer_Material_Values(s, 2);
    Overrides(m, s);
    s->rolling_shear_modulus = 50000.0;
    s->product_factor = Clt_Product_Factor(*s);
    Clt_Derived_Values(s);
}

void Build(int m)
{
    StoreBlock(m);
    CltManufacturer* b = Clt_Catalogue_Block(m);
    for (int p = 0; p < b->product_count; ++p) Derive(m, &b->products[p]);
}

} // namespace

void Clt_Build_Leno(void) { Build(0); }
void Clt_Build_Derix(void) { Build(1); }
void Clt_Build_Merkle(void) { Build(2); }
void Clt_Build_Decker(void) { Build(3); }
void Clt_Build_Bbs125(void) { Build(4); }
void Clt_Build_BbsXl(void) { Build(5); }
void Clt_Build_KlhDl(void) { Build(6); }
void Clt_Build_KlhDq(void) { Build(7); }

void Clt_Catalogue_Build(void)
{
    Clt_Build_Leno();
    Clt_Build_Derix();
    Clt_Build_Merkle();
    Clt_Build_Decker();
    Clt_Build_Bbs125();
    Clt_Build_BbsXl();
    Clt_Build_KlhDl();
    Clt_Build_KlhDq();
    g_built = 1;
}

void Clt_Catalogue_Init(void)
{
    if (!g_built) Clt_Catalogue_Build();
}

CltManufacturer* Clt_Catalogue_Block(int m) { return m >= 0 && m < CLT_MANUFACTURER_COUNT ? &g_blocks[m] : nullptr; }
