#pragma once
#include <clocale>
#include <locale.h>

// Numbers in every file are written and read with a decimal point. The process
// keeps LC_NUMERIC at "C" at all times; Kov_Numeric_C_Locale() puts it back after
// anything (QApplication's constructor, a test) has changed it.
void Kov_Numeric_C_Locale();

// Sets the whole C locale to the first available German one (for tests that
// prove the files do not depend on it) and returns its name, NULL when none
// is installed. LC_NUMERIC is set back to "C" only by Kov_Numeric_C_Locale.
const char* Kov_Try_German_Locale();

// Formatting and reading inside this guard use the "C" locale for the calling
// thread, whatever locale the process has set (the process-wide locale is not
// touched): numbers always carry a decimal point.
class KovCLocaleScope {
public:
    KovCLocaleScope() : old_(c_locale() ? uselocale(c_locale()) : (locale_t)0) {}
    ~KovCLocaleScope()
    {
        if (old_) uselocale(old_);
    }
    KovCLocaleScope(const KovCLocaleScope&) = delete;
    KovCLocaleScope& operator=(const KovCLocaleScope&) = delete;

private:
    static locale_t c_locale()
    {
        static locale_t c = newlocale(LC_ALL_MASK, "C", (locale_t)0);
        return c;
    }
    locale_t old_;
};
