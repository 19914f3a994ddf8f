#pragma once
// Helpers of the annex record tests: whole records with their blocks at the
// recommended values, and running a check under a German process locale
// (memory files through "test_support/kovtestutil.h").
#include <gtest/gtest.h>

#include <clocale>
#include <memory>

#include "nad/nadfile.h"
#include "nad/nadlist.h"
#include "platform/kovlocale.h"

namespace nadtest {

// A whole annex record on the heap; its table memory is freed at the end.
struct RecordBox {
    std::unique_ptr<NadRecord> r{new NadRecord()};
    ~RecordBox() { Nad_Free_Ec1_Tables(&r->ec1); }
    NadRecord* operator->() { return r.get(); }
    NadRecord* get() { return r.get(); }
};

// Every block of the record at its recommended values.
inline void Default_Blocks(NadRecord* r) { Nad_Default_Blocks(r); }

// Runs check with the whole C locale German except LC_NUMERIC, which the
// program always keeps at "C". Skips when no German locale is installed.
template <class F> void under_german_locale(F check)
{
    if (!Kov_Try_German_Locale()) GTEST_SKIP() << "no German locale installed";
    Kov_Numeric_C_Locale();
    check();
    std::setlocale(LC_ALL, "C");
}

} // namespace nadtest
