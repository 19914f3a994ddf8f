#pragma once
// Small helpers for the annex record tests: bodies in memory files, the bytes
// a writer produced, and running a check under a German process locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "platform/kovlocale.h"

namespace nadtest {

// A temporary file holding text, positioned at its start.
inline FILE* file_with(const std::string& text)
{
    FILE* f = tmpfile();
    if (f) {
        fwrite(text.data(), 1, text.size(), f);
        rewind(f);
    }
    return f;
}

// Everything from the current position to the end.
inline std::string rest_of(FILE* f)
{
    std::string s;
    int c;
    while ((c = fgetc(f)) != EOF) s += (char)c;
    return s;
}

// The whole content of f.
inline std::string all_of(FILE* f)
{
    rewind(f);
    return rest_of(f);
}

// Runs check with the whole C locale German except LC_NUMERIC, which the
// program always keeps at "C". Skips when no German locale is installed.
template <class F>
void under_german_locale(F check)
{
    if (!Kov_Try_German_Locale()) GTEST_SKIP() << "no German locale installed";
    Kov_Numeric_C_Locale();
    check();
    std::setlocale(LC_ALL, "C");
}

}  // namespace nadtest
