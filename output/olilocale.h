#pragma once
// Numbers in an output list always carry a decimal point. The writers format
// inside this guard: for its lifetime the calling thread uses the "C" locale,
// whatever locale the process has set (the process-wide locale is not touched).
#include <clocale>
#include <locale.h>

class OliCLocaleScope {
public:
    OliCLocaleScope() : old_(c_locale() ? uselocale(c_locale()) : (locale_t)0) {}
    ~OliCLocaleScope()
    {
        if (old_) uselocale(old_);
    }
    OliCLocaleScope(const OliCLocaleScope&) = delete;
    OliCLocaleScope& operator=(const OliCLocaleScope&) = delete;

private:
    static locale_t c_locale()
    {
        static locale_t c = newlocale(LC_ALL_MASK, "C", (locale_t)0);
        return c;
    }
    locale_t old_;
};
