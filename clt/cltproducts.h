#pragma once
// The product data of the catalogue, as the manufacturers publish it; read
// only by the catalogue builders.
#include "clt/cltsection.h"

struct CltProductLayer {
    double t;      // thickness [mm]; 0 ends the build-up
    int direction; // 0 x, 1 y
    int kind;      // 0 softwood, 13 laminated veneer lumber
};

struct CltProductRow {
    const char* name;
    // The product's own value: its product factor for Merkle, its cross-layer
    // strength factor for Derix; 0 for the others.
    double own_value;
    CltProductLayer layers[CLT_MAX_LAYERS];
};

enum CltOwnValue { CLT_OWN_NONE = 0, CLT_OWN_PRODUCT_FACTOR = 1, CLT_OWN_STRENGTH_FACTOR = 2 };

struct CltManufacturerRow {
    const char* block_name;
    const char* list_name;
    double value_1, value_a, value_b;
    int char_stays;
    double charring_rate;  // beta [mm/min]
    double product_factor; // stored k (a rule replaces it for 0, 1, 3)
    double strength_factor;
    double product_value_7;
    int own_value; // CltOwnValue: what a row's own_value stands for
    const CltProductRow* rows;
    int count;
};

// Index 0..7.
extern const CltManufacturerRow CltManufacturerRows[8];
