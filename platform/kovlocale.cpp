// Keeps LC_NUMERIC at "C" and, for tests, switches the whole locale to a German one.
#include "platform/kovlocale.h"

#include <clocale>

void Kov_Numeric_C_Locale() { std::setlocale(LC_NUMERIC, "C"); }

const char* Kov_Try_German_Locale()
{
    static const char* const names[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE@euro", "de_DE", "German_Germany.1252"};
    for (const char* n : names)
        if (std::setlocale(LC_ALL, n)) return n;
    return nullptr;
}
