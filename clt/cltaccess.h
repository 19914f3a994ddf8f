#pragma once
// Access to the cross-laminated timber catalogue: manufacturers and products
// by index, their names and records, the drop-down choice lists, and the
// wording of a section's build-up and of single layers for an output list.
// Every lookup builds the catalogue on first use (see cltcatalogue.h for the
// grade tables it takes); every list operation fills the lists on first use.
//
// Manufacturer indices are taken unsigned, so a negative index is out of
// range like one above 7. An index out of range gives the sentinel named at
// the operation; nothing is reported elsewhere.
//
// The records handed out point into the catalogue, which nobody may change: a
// caller that wants to edit a product (or refer it to another centroid)
// copies the record first. A returned text stays valid until the next call of
// the same operation. Texts are code page 850; "\xCE" "b" and "\xCE" "r"
// switch bold on and off in an output list.
#include "base/choiceentry.h"
#include "clt/cltcatalogue.h"
#include "clt/cltsection.h"

enum { CLT_LIST_FORMAT_IDS = 11, CLT_LIST_FORMAT = 13 };

// The block name (for example "Derix X-Lam"); "nicht definierter Hersteller"
// for m > 7.
const char* Clt_Manufacturer_Name(unsigned m);
// The product name; "nicht definierter Typ" for m > 7 or p outside
// 0..count-1.
const char* Clt_Product_Name(unsigned m, int p);
// value_a, value_b, product_count of the block; -1 for m > 7.
double Clt_Manufacturer_Value_A(unsigned m);
double Clt_Manufacturer_Value_B(unsigned m);
int Clt_Product_Count(unsigned m);
// The block, resp. the product's record inside the catalogue; null out of
// range.
const CltManufacturer* Clt_Manufacturer_Block(unsigned m);
const CltSection* Clt_Product(unsigned m, int p);

// The eight manufacturers with their index as id, texts the list names
// (for example "Derix X-LAM"); *format 11, *count 8. Every call writes colour
// into every entry of the list it returns. format and count may be null.
KindChoiceEntry* Clt_Manufacturer_List_Ids(int* format, int* count, int colour);
// The eight list names; *format 13, *count 8.
ChoiceEntry* Clt_Manufacturer_List(int* format, int* count, int colour);
// The product names of m in catalogue order; *format 13, *count the product
// count. For m > 7: null, *count 0 and *format 13.
ChoiceEntry* Clt_Product_List(unsigned m, int* format, int* count, int colour);

// 1 when every layer has the kind and grade of layer 0 (also for fewer than
// two layers), else 0; 0 for null.
int Clt_Single_Material(const CltSection* s);
// The layer thicknesses ("%.1lf") from the top joined by "-", the layers of
// direction dir in bold. With with_material exactly 1 the materials follow:
// " " and the one material of a single-material section, else a line break
// and every layer's material followed by " - ". "nicht definierter Typ" for
// null. A text longer than the buffer is cut.
const char* Clt_Buildup_Text(const CltSection* s, int dir, int with_material);
// "<material>, <t> mm, x-Richtung" in bold when the layer's direction is dir,
// else "<material>, <t> mm, y-Richtung" (x names dir, whatever the layer's own
// direction value). "nicht definierter Typ" for null or a layer outside
// 0..layer_count-1.
const char* Clt_Layer_Text(const CltSection* s, int dir, int layer);
