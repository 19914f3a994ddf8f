#pragma once
// The product catalogue of cross-laminated timber: 164 products of eight
// manufacturers, each a complete CltSection with its build-up, its product
// values and the section values derived from its materials. Built in memory
// on first use (by the access operations of cltaccess.h) and then only read.
//
// The catalogue takes its material values from the grade tables in force at
// its first use and is never rebuilt: with ActiveNadEc5 set the EN tables
// (C24: f_t,0,k 14.5, f_v,k 4.0 N/mm2), without it the DIN 1052 tables (14 and
// 2.0). A caller publishes ActiveNadEc5 (for example Nad_Get_Ec5()) before the
// first use.
//
// Process-wide state without locking: the first use must not race with
// another first use.
#include "clt/cltsection.h"

enum { CLT_MANUFACTURER_COUNT = 8, CLT_MAX_PRODUCTS = 31 };

struct CltManufacturer {
    char name[CLT_NAME_SIZE]; // block name, for example "Derix X-Lam"
    int index;                // 0..7
    int product_count;
    double value_1; // 1.0, 1.1 for both Binderholz lines; read by no operation
    double value_a; // 80 for all manufacturers
    double value_b;
    CltSection products[CLT_MAX_PRODUCTS]; // the first product_count are used
};

// Builds the catalogue unless it is built.
void Clt_Catalogue_Init(void);
// Runs the eight builders in index order and sets the built flag; building
// again writes the same values again.
void Clt_Catalogue_Build(void);
// Builds the catalogue when needed, then fills the choice lists of
// cltaccess.h with copies of the eight list names and of every product name
// (kept to the end of the process) and sets the lists flag; a second call
// leaves the filled lists as they are.
void Clt_Catalogue_Names(void);

// One builder per manufacturer (index 0 to 7): writes its block, then derives
// the values of each product.
void Clt_Build_Leno(void);
void Clt_Build_Derix(void);
void Clt_Build_Merkle(void);
void Clt_Build_Decker(void);
void Clt_Build_Bbs125(void);
void Clt_Build_BbsXl(void);
void Clt_Build_KlhDl(void);
void Clt_Build_KlhDq(void);
