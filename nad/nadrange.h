#pragma once
// The values of an annex record that a user may edit, each with the range the
// standards allow for its kind (a partial factor of a material is at least
// 1.0, a combination factor lies in [0, 1], k_mod in (0, 1.1], ...). The one
// place that says which value of an annex is sound: the editor refuses a typed
// value outside its range, a file holding one is refused when it is loaded,
// and no annex file is written with one. A non-finite value is never inside.
//
// The kinds and their ranges are listed in docs/engineering.md ("National
// annex parameters"); a test keeps that table and this one the same.
#include <cstddef>
#include <string>

#include "nad/nadlist.h"

// One kind of value and its range: lower and upper bound, each inclusive
// unless its open flag is set.
struct NadRangeKind {
    const char* id; // the kind's name in the documentation (ASCII)
    double lo, hi;
    int lo_open, hi_open;
};

// count values of one kind in the record: the first at offset bytes from the
// start of a NadRecord, the next ones stride doubles further on. columns > 1
// names the values as rows and columns of a table, else as numbers.
struct NadRangeField {
    size_t offset;
    int count;
    int stride;
    int columns;
    int kind;          // index into Nad_Range_Kinds()
    const char* label; // German, UTF-8, with its block ("EC 5: ...")
};

// The kinds; *count receives their number.
const NadRangeKind* Nad_Range_Kinds(int* count);
// Every checked value of the record; *count receives the number of entries.
const NadRangeField* Nad_Range_Fields(int* count);

// 1 when v is finite and inside the kind's range.
int Nad_Range_Holds(const NadRangeKind* kind, double v);
// The range in words, German, UTF-8: "von 1 bis 5", "über 0 bis 1,1".
std::string Nad_Range_Text(const NadRangeKind* kind);
// A number as the messages show it: up to four decimals, a decimal comma.
std::string Nad_Range_Number(double v);

// What the check of a record found first.
struct NadRangeFault {
    const NadRangeKind* kind;
    std::string field; // German, UTF-8: the label and, for tables, the row and column
    double value;
};

// The range of the value at address v inside the record r (a value the
// editor binds to a field); null when the value is not checked. fault, when
// not null, receives the field's name and kind (value: *v).
const NadRangeKind* Nad_Range_Of(const NadRecord* r, const double* v, NadRangeFault* fault);

// 1 when every checked value of r lies in its range; 0 with the first value
// outside in *fault (when not null). 0 for a null record.
int Nad_Check_Record(const NadRecord* r, NadRangeFault* fault);

// The message for a value outside its range, German, UTF-8: names the field,
// the value and the range.
std::string Nad_Range_Message(const NadRangeFault& fault);
