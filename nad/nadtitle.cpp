// Titles of the standards that head the annex output pages and the switches that choose the
// editions of the German concrete standards.
#include "nad/nadtitle.h"

#include <cstdio>
#include <cstring>

#include "platform/kovcp.h"

int NadNormEdition = 1;
int NadFirePrestandard = 0;

void Nad_Set_Norm_Edition(int edition) { NadNormEdition = edition; }

int Nad_Get_Norm_Edition() { return NadNormEdition; }

void Nad_Set_Fire_Prestandard(int on) { NadFirePrestandard = on; }

int Nad_Get_Fire_Prestandard() { return NadFirePrestandard; }

namespace {

struct NormTitle {
    const char* full;  // UTF-8, converted on use
    const char* brief; // null: the same as the full title
    const char* date;  // null: the date depends on the edition
};

const NormTitle kTitles[NAD_NORM_COUNT] = {
    {"DIN 1045", nullptr, "7.88"},
    {"DIN 1045-1", nullptr, nullptr},
    {"DIN-Fachbericht 102", "DIN-Fb 102", nullptr},
    {"ÖNORM B 4700", "ÖN B 4700", "6.01"},
    {"DIN EN 1992-1-1 (EC 2, Hochbau)", "EC 2", "1.11"},
    {"DIN-Fachbericht 101", "DIN-Fb 101", nullptr},
    {"DIN-Fachbericht 103", "DIN-Fb 103", nullptr},
    {"DIN-Fachbericht 104", "DIN-Fb 104", nullptr},
    {"DIN 1055-100", nullptr, "3.01"},
    {"DIN 1053-100", nullptr, "9.07"},
    {"DIN EN 1992-1-2 (EC 2, Brandfall)", "EC 2-1-2", "12.10"},
    {"DIN EN 1990 (EC 0)", "EC 0", "12.10"},
    {"DIN EN 1993-1-1 (EC 3, Hochbau)", "EC 3-1-1", "12.10"},
    {"DIN EN 1993-1-8 (EC 3, Anschlüsse)", "EC 3-1-8", "12.10"},
    {nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr},
    {"DIN 18800", nullptr, "11.08"},
    {nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr},
    {"DIN EN 1992-2 (EC 2, Betonbrücken)", "EC 2-2", "12.10"},
    {"DIN EN 1996-1-1 (EC 6)", "EC 6", "2.13"},
    {"DIN EN 1991 (EC 1)", "EC 1", "12.10"},
    {"DIN EN 1993-1-5 (EC 3, Plattenbeulen)", "EC 3-1-5", "10.19"},
    {"DIN 18800", nullptr, "11.08"},
    {"DIN EN 1993-1-9 (EC 3, Ermüdung)", "EC 3-1-9", "12.10"},
    {"DIN EN 1993-6 (EC 3, Kranbahnen)", "EC 3-6", "12.10"},
    {nullptr, nullptr, nullptr},
    {"DIN EN 1999-1-1 (EC 9)", "EC 9-1-1", "3.14"},
    {nullptr, nullptr, nullptr},
    {"DIN EN 1993-1-2 (EC 3, Brandfall)", "EC 3-1-2", "12.10"},
    {"DIN EN 1991-1-2 (EC 1, Brandfall)", "EC 1-1-2", "12.10"},
};

const char* edition_date(unsigned norm)
{
    if (norm == NAD_NORM_DIN1045_1) return NadNormEdition == 1 ? "7.01" : "8.08";
    return NadNormEdition == 1 ? "3.03" : "3.09"; // the DIN technical reports
}

} // namespace

const char* Nad_Norm_Title(unsigned norm, int with_date, int short_form)
{
    // The longest title with its date is 44 characters.
    static char title[64];
    title[0] = '\0';
    if (norm >= NAD_NORM_COUNT || !kTitles[norm].full) return title;

    const NormTitle& t = kTitles[norm];
    const char* name = cp850(short_form && t.brief ? t.brief : t.full);
    if (!with_date) {
        snprintf(title, sizeof title, "%s", name);
        return title;
    }
    if (norm == NAD_NORM_DIN1045_1 && NadNormEdition == 1 && !short_form) {
        snprintf(title, sizeof title, "%s", "DIN 1045-1 (7.01) mit Ber.2 (6.05)");
        return title;
    }
    const char* date = t.date ? t.date : edition_date(norm);
    const size_t n = strlen(name);
    if (n > 0 && name[n - 1] == ')')
        snprintf(title, sizeof title, "%.*s, %s)", (int)(n - 1), name, date);
    else
        snprintf(title, sizeof title, "%s (%s)", name, date);
    return title;
}
