// The EC3 editor page: the steel parameters of an annex in clause tables, one
// section per part of EN 1993 that the current program uses.
#include "nad/pages/nadedit.h"

#include "nad/nadoli.h"
#include "nad/pages/nadeditpriv.h"
#include "platform/kovcp.h"
#include "platform/kovscreen.h"
#include "sheets/viewarea.h"

using namespace nadedit_priv;

namespace {

// Editor state of the last layout.
int Editable = 0;
int FActive = 0;        // the f field: editable and f given
int KcChoiceActive = 0; // the two k_c radio buttons: editable and f not given
int KcActive = 0;       // the k_c field: editable, f not given, k_c not from the table
// Expanded switches, kept for the run: EN 1993-1-1, -1-2, -1-8, -1-5, -1-9, -6.
enum { S11, S12, S18, S15, S19, S6, SECTIONS };
int Expanded[SECTIONS] = {1, 0, 1, 0, 0, 0};

typedef int (*RowFn)(unsigned, int, int, const char*, const char*, const char*, int);

// Row with the clause in the normal font and the other texts in the small one
// (texts in code page 850).
int row(RowFn fn, unsigned area, int y, int height, const char* clause, const char* value_text, const char* explanation)
{
    const int next = fn(area, y, height, clause, "", "", FONT_NORMAL);
    fn(area, y, 0, "", value_text ? value_text : "", explanation ? explanation : "", FONT_SMALL);
    return next;
}

void field(unsigned area, int x, int y, double* value, const char* format, int* active = &Editable)
{
    View_Area_Add_Float(area, x, y, value, format, FONT_NORMAL, BLACK_CI, active);
}

// A gamma row: the symbol with its subscript, the field at x 136, the text.
int gamma_row(RowFn fn, unsigned area, int y, const char* clause, const char* subscript, double* value,
              const char* explanation)
{
    const int next = row(fn, area, y, 18, clause, nullptr, explanation);
    symbol(area, 67, y, "\xC0", subscript);
    field(area, 136, y, value, "%5.2f");
    return next;
}

// Spacer, head row and line of a clause table; the first row's y.
int table_head(RowFn fn, unsigned area, int y)
{
    fn(area, y + 34, 11, "", "", "", FONT_NORMAL);
    fn(area, y + 45, 30, "Kapitel", "Parameter", cp850("Erläuterung"), FONT_TITLE);
    View_Area_Add_Line(area, 4, y + 51, 382, y + 51, BLACK_CI);
    return y + 65;
}

// The end of an expanded section: 30 below its last frame.
int section_end(int z) { return z - 10 + 30; }

int ec11_rows(unsigned area, int z, NadEc31Record* p)
{
    const int* g = Ec3RelevanceFlags;
    const RowFn fn = Ec3_Editor_Row;
    z = row(fn, area, z, 23, "6.1", nullptr, "Allgemeines");
    if (g[0]) {
        z = row(fn, area, z, 18, "(1)", g[2] ? nullptr : cp850("ständige und vorüber-"),
                cp850("Teilsicherheitsbeiwerte für"));
        z = row(fn, area, z, 18, nullptr, g[2] ? nullptr : "gehende Situation", "Baustahl");
        z = gamma_row(fn, area, z, nullptr, "M0", &p->gamma_m0, "Querschnittsversagen");
        z = gamma_row(fn, area, z, nullptr, "M1", &p->gamma_m1, cp850("Stabilitätsversagen"));
        if (g[1]) {
            z = gamma_row(fn, area, z, nullptr, "M2", &p->gamma_m2, "Bruchversagen infolge Zug");
            if (g[2]) {
                z = row(fn, area, z, 18, nullptr, nullptr, "Beanspruchbarkeit von Schraube,");
                z = row(fn, area, z, 18, nullptr, nullptr, cp850("Schweißnaht, Blech auf Lochleibung"));
            }
        }
        if (g[4]) {
            z = row(fn, area, z, 18, nullptr, cp850("außergewöhnliche"), nullptr);
            z = row(fn, area, z, 18, nullptr, "Situation", nullptr);
            z = gamma_row(fn, area, z, nullptr, "M0", &p->gamma_m0_acc, "Querschnittsversagen");
            z = gamma_row(fn, area, z, nullptr, "M1", &p->gamma_m1_acc, cp850("Stabilitätsversagen"));
            if (g[1]) z = gamma_row(fn, area, z, nullptr, "M2", &p->gamma_m2_acc, "Bruchversagen infolge Zug");
        }
    }
    if (g[5]) {
        // Controls and subscripts follow the frames of their rows, which would cover them.
        // The switch's mark stands after the clause and its label runs on
        // under the explanation column, so neither covers another text.
        z = row(fn, area, z, 18, "6.3.2.2", nullptr, "Biegedrillknicken");
        int at = z;
        z = row(fn, area, z, 18, "(2)", "   Faktor f zur Modifizierung", nullptr);
        View_Area_Add_Check_Box(area, 78, at, "", FONT_SMALL, BLACK_CI, &p->use_f_modification, &Editable);
        at = z;
        z = row(fn, area, z, 23, nullptr, "von \xBC      ansetzen", "Allgemeiner Fall");
        subscript_after(area, 67, at, "von \xBC", FONT_SMALL, "LT");

        z = row(fn, area, z, 18, "6.3.2.3", nullptr, "Biegedrillknicken gewalzter oder");
        symbol(area, 67, z, "\xC5", "LT,0");
        field(area, 136, z, &p->lambda_lt0, "%5.2f");
        z = row(fn, area, z, 18, "(1)", nullptr, cp850("gleichartig geschweißter Querschnitte"));
        z = row(fn, area, z, 18, nullptr, nullptr, "Schlankheitsgrad Gl. (6.57)");
        symbol(area, 67, z, "\xBB", nullptr);
        field(area, 136, z, &p->beta_lt, "%5.2f");
        z = row(fn, area, z, 23, nullptr, nullptr, "Korrekturfaktor Gl. (6.57)");

        at = z;
        z = row(fn, area, z, 18, "(2)", "Faktor f vorgeben", "Abminderungsfaktor \xBC");
        View_Area_Add_Check_Box(area, 62, at, "", FONT_SMALL, BLACK_CI, &p->f_given, &Editable);
        subscript_after(area, 206, at, "Abminderungsfaktor \xBC", FONT_SMALL, "LT");
        View_Area_Add_Text(area, 67, z, "f", FONT_NORMAL, BLACK_CI, 0);
        field(area, 136, z, &p->f_value, "%5.3f", &FActive);
        z = row(fn, area, z, 23, nullptr, nullptr, nullptr);

        // k_c from Table 6.6 or given; grey and inactive while f is given.
        const int c_colour = p->f_given ? Nearest_RGB_Color(192, 192, 192) : BLACK_CI;
        at = z;
        z = row(fn, area, z, 18, "(2)", "aus Tabelle 6.6", "Abminderungsfaktor \xBC");
        View_Area_Add_Radio_Button(area, 62, at, "", FONT_SMALL, BLACK_CI, 1, &p->k_c_from_table, &KcChoiceActive);
        subscript_after(area, 206, at, "Abminderungsfaktor \xBC", FONT_SMALL, "LT");
        at = z;
        z = row(fn, area, z, 18, nullptr, "k   vorgeben", "Korrekturbeiwert k");
        View_Area_Add_Radio_Button(area, 62, at, "", FONT_SMALL, BLACK_CI, 0, &p->k_c_from_table, &KcChoiceActive);
        View_Area_Add_Text(area, 67 + text_width("k", FONT_SMALL), at + 2, "c", FONT_SMALL, c_colour, 0);
        subscript_after(area, 206, at, "Korrekturbeiwert k", FONT_SMALL, "c");
        symbol(area, 67, z, "k", "c");
        field(area, 136, z, &p->k_c_value, "%5.3f", &KcActive);
        z = row(fn, area, z, 18, nullptr, nullptr, nullptr);
    }
    return z;
}

int ec12_rows(unsigned area, int z, NadEc31Record* p)
{
    const RowFn fn = Ec3_Editor_Row;
    z = row(fn, area, z, 23, "2.3", nullptr, "Mechanisches Verhalten");
    return gamma_row(fn, area, z, "(1)", "M,fi", &p->gamma_m_fi, "Materialsicherheit (Brandfall)");
}

int ec18_rows(unsigned area, int z, NadEc38Record* p)
{
    const RowFn fn = Ec38_Editor_Row;
    z = row(fn, area, z, 23, "2.2", "", "Allgemeine Anforderungen");
    z = row(fn, area, z, 18, "(2)", "", cp850("Teilsicherheitsbeiwerte für"));
    z = row(fn, area, z, 17, "", "", cp850("Anschlüsse"));
    z = gamma_row(fn, area, z, "", "M3", &p->gamma_m3, "Gleitfestigkeit (Kat.C, GZT)");
    z = gamma_row(fn, area, z, "", "M3,ser", &p->gamma_m3_ser, "Gleitfestigkeit (Kat.B, GZG)");
    z = gamma_row(fn, area, z, "", "M4", &p->gamma_m4, "Injektionsschrauben");
    z = gamma_row(fn, area, z, "", "M6,ser", &p->gamma_m6_ser, "Bolzen (GZG)");
    z = gamma_row(fn, area, z, "", "M7", &p->gamma_m7, "Vorspannung hochfester Schrauben");
    return gamma_row(fn, area, z, "", "M5", &p->gamma_m5, "Hohlprofile in Fachwerken");
}

int ec15_rows(unsigned area, int z, NadEc38Record* p)
{
    const RowFn fn = Ec38_Editor_Row;
    z = row(fn, area, z, 23, "3.3", "", "Schubverzerrungen");
    View_Area_Add_Radio_Button(area, 142, z, "2", FONT_SMALL, BLACK_CI, 2, &p->shear_lag_note, &Editable);
    View_Area_Add_Radio_Button(area, 182, z, "3", FONT_SMALL, BLACK_CI, 3, &p->shear_lag_note, &Editable);
    z = row(fn, area, z, 25, "(1)", "Anmerk.", "Anmerkungen");
    z = row(fn, area, z, 23, "5.1", "", "Schubbeulen");
    symbol(area, 67, z, "\xC1", nullptr);
    field(area, 136, z, &p->eta, "%5.2f");
    return row(fn, area, z, 18, "(2)", "", "Beiwert");
}

int ec19_rows(unsigned area, int z, NadEc38Record* p)
{
    const RowFn fn = Ec38_Editor_Row;
    z = row(fn, area, z, 23, "3", "", "Bemessungskonzepte");
    z = row(fn, area, z, 18, "(7)", "     Schadensfolgen       ", cp850("Teilsicherheitsbeiwerte für"));
    z = row(fn, area, z, 12, "", "  niedrig             hoch", cp850("die Ermüdungsfestigkeit"));
    const int first = z;
    field(area, 67, z, &p->gamma_mf_tolerant_low, "%5.2f");
    field(area, 136, z, &p->gamma_mf_tolerant_high, "%5.2f");
    z = row(fn, area, z, 18, "", "", "Schadenstoleranz");
    field(area, 67, z, &p->gamma_mf_safe_life_low, "%5.2f");
    field(area, 136, z, &p->gamma_mf_safe_life_high, "%5.2f");
    z = row(fn, area, z, 18, "", "", cp850("Versagen ohne Vorankündigung"));
    // gamma_Mf stands once beside both rows, over their frames.
    symbol(area, 37, first + 9, "\xC0", "Mf");
    return z;
}

int ec6_rows(unsigned area, int z, NadEc38Record* p)
{
    const RowFn fn = Ec38_Editor_Row;
    z = row(fn, area, z, 23, "7.5", "", "Elastisches Verhalten");
    return gamma_row(fn, area, z, "(1)", "M,ser", &p->gamma_m_ser, "Materialsicherheit (GZG)");
}

// A section from y: bar, and when expanded the table with its rows; the next y.
template <typename Part>
int section(unsigned area, int y, const char* title, int s, RowFn fn, int (*rows)(unsigned, int, Part*), Part* p)
{
    section_bar(area, y, title, &Expanded[s]);
    if (!Expanded[s]) return y + 30;
    return section_end(rows(area, table_head(fn, area, y), p));
}

// Frames of a row from frame_top down to y + h (h = 2 for a height of 1).
int frames(unsigned area, int y, int height, int frame_top)
{
    const int h = height == 1 ? 2 : height;
    View_Area_Add_Filled_Box(area, 4, frame_top, 56, y + h, colours().cell);
    View_Area_Add_Filled_Box(area, 200, frame_top, 382, y + h, colours().cell);
    return y + h;
}

void texts(unsigned area, int y, const char* clause, const char* value_text, const char* explanation, int font)
{
    if (clause && *clause) View_Area_Add_Text(area, 10, y, clause, font, BLACK_CI, 0);
    if (value_text && *value_text) View_Area_Add_Text(area, 67, y, value_text, font, BLACK_CI, 0);
    if (explanation && *explanation) View_Area_Add_Text(area, 206, y, explanation, font, BLACK_CI, 0);
}

void set_switches(const NadEc31Record* p, int editable)
{
    Editable = editable ? 1 : 0;
    FActive = Editable && p && p->f_given ? 1 : 0;
    KcChoiceActive = Editable && p && !p->f_given ? 1 : 0;
    KcActive = KcChoiceActive && !p->k_c_from_table ? 1 : 0;
}

} // namespace

int Ec3_Editor_Row(unsigned area, int y, int height, const char* clause, const char* value_text,
                   const char* explanation, int font)
{
    int next = y + height;
    if (height != 0) next = frames(area, y, height, font == FONT_SMALL ? y - 8 : y - 10);
    texts(area, y, clause, value_text, explanation, font);
    return next;
}

int Ec38_Editor_Row(unsigned area, int y, int height, const char* clause, const char* value_text,
                    const char* explanation, int font)
{
    int next = y + height;
    if (height != 0) next = frames(area, y, height, y - 10);
    texts(area, y, clause, value_text, explanation, font);
    return next;
}

void Nad_Edit_Ec31(unsigned area, int* y, NadEc31Record* part, int editable)
{
    if (!y || !part) return;
    Nad_Ec3_Relevance();
    set_switches(part, editable);
    *y = section(area, *y, "EN 1993-1-1 (Eurocode 3, Grundnorm)", S11, Ec3_Editor_Row, ec11_rows, part);
    if (Ec3RelevanceFlags[9])
        *y = section(area, *y, "EN 1993-1-2 (Eurocode 3, Brandfall)", S12, Ec3_Editor_Row, ec12_rows, part);
}

void Nad_Edit_Ec38(unsigned area, int* y, NadEc38Record* part, int editable)
{
    if (!y || !part) return;
    Nad_Ec3_Relevance();
    Editable = editable ? 1 : 0;
    const int* g = Ec3RelevanceFlags;
    if (g[0] && g[2] && g[3])
        *y = section(area, *y, "EN 1993-1-8 (Eurocode 3, Anschlüsse)", S18, Ec38_Editor_Row, ec18_rows, part);
    if (g[6]) *y = section(area, *y, "EN 1993-1-5 (Eurocode 3, Plattenbeulen)", S15, Ec38_Editor_Row, ec15_rows, part);
    if (g[7]) *y = section(area, *y, "EN 1993-1-9 (Eurocode 3, Ermüdung)", S19, Ec38_Editor_Row, ec19_rows, part);
    if (g[8]) *y = section(area, *y, "EN 1993-6 (Eurocode 3, Kranbahnen)", S6, Ec38_Editor_Row, ec6_rows, part);
}

void Nad_Edit_Ec3(unsigned area, NadEc3Record* record, int editable)
{
    int y = 20;
    View_Area_Clear(area);
    if (record) {
        Nad_Edit_Ec31(area, &y, &record->ec31, editable);
        Nad_Edit_Ec38(area, &y, &record->ec38, editable);
    }
    View_Area_Show(area);
}
