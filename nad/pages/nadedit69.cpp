// The EC6 (masonry) and EC9 (aluminium) editor pages. Which rows they show is
// decided by the same rules as their output pages (Nad_Ec6_Rows, Nad_Ec9_Rows).
#include "nad/nadoli.h"
#include "nad/pages/nadedit2.h"
#include "nad/pages/nadeditpriv.h"
#include "platform/kovcp.h"
#include "platform/kovscreen.h"
#include "sheets/viewarea.h"

namespace {

const int kHeadFont = 0x11000;
const int kNormalFont = 0x1000;
const int kSmallFont = 0x1002;

struct Colours {
    bool made = false;
    int band = 0;
    int title = 0;
    int separator = 0;
    void make()
    {
        if (made) return;
        band = Nearest_RGB_Color(234, 255, 251);
        title = Nearest_RGB_Color(205, 254, 244);
        separator = Nearest_RGB_Color(130, 130, 130);
        made = true;
    }
};

Colours g_ec6;
Colours g_ec9;
int g_ec6_open = 1;   // the EC6 section, kept for the run
int g_always = 1;     // the section check box
int g_ec6_active = 0; // the value fields of the current EC6 page
int g_ec9_active = 0;

int row(unsigned area, int band, int y, int height, const char* clause, const char* symbol, const char* text, int font)
{
    return nadedit_priv::band_row(area, band, y, height, clause, symbol, text, font);
}

void text(unsigned area, int x, int y, const char* s, int font)
{
    View_Area_Add_Text(area, x, y, s, font, BLACK_CI, 0);
}

// The table heads of both pages.
void column_heads(unsigned area, int y, int (*row_fn)(unsigned, int, int, const char*, const char*, const char*, int))
{
    row_fn(area, y, 30, "Kapitel", "Parameter", cp850("Erläuterung"), kHeadFont);
    View_Area_Add_Line(area, 4, y + 6, 382, y + 6, BLACK_CI);
}

// An EC9 factor row: gamma with its subscript, the value and its meaning.
int ec9_factor(unsigned area, int y, const char* sub, double* v, const char* meaning)
{
    Nad_Edit_Row_Ec9(area, y, 18, "", "", "", kNormalFont);
    text(area, 67, y, "\xC0", kNormalFont);
    text(area, 75, y + 2, sub, kSmallFont);
    View_Area_Add_Float(area, 136, y, v, "%5.2f", 0, BLACK_CI, &g_ec9_active);
    text(area, 206, y, meaning, kSmallFont);
    return y + 18;
}

} // namespace

int Nad_Edit_Row_Ec6(unsigned area, int y, int height, const char* clause, const char* symbol, const char* text,
                     int font)
{
    return row(area, g_ec6.band, y, height, clause, symbol, text, font);
}

int Nad_Edit_Row_Ec9(unsigned area, int y, int height, const char* clause, const char* symbol, const char* text,
                     int font)
{
    return row(area, g_ec9.band, y, height, clause, symbol, text, font);
}

void Nad_Edit_Ec6(unsigned area, NadEc6Record* r, int editable)
{
    if (!r) return;
    g_ec6.make();
    g_ec6_active = editable ? 1 : 0;
    const NadEc6Rows rows = Nad_Ec6_Rows();
    View_Area_Clear(area);
    View_Area_Add_Filled_Box(area, 4, 7, 382, 26, g_ec6.title);
    View_Area_Add_Check_Box(area, 26, 20, "EN 1996-1-1 (Eurocode 6)", kHeadFont, BLACK_CI, &g_ec6_open, &g_always);
    if (g_ec6_open) {
        Nad_Edit_Row_Ec6(area, 39, 11, "", "", "", kNormalFont);
        column_heads(area, 50, Nad_Edit_Row_Ec6);
        if (rows.main) {
            Nad_Edit_Row_Ec6(area, 80, 23, "2.4.3", "", "", kNormalFont);
            text(area, 206, 75, "Materialsicherheitsbeiwerte", kSmallFont);
            text(area, 206, 86, cp850("im Grenzzustand der Tragfähigkeit"), kSmallFont);
            Nad_Edit_Row_Ec6(area, 103, 24, "(1)", "", "", kNormalFont);
            text(area, 127, 103, "\xC0", kNormalFont);
            text(area, 135, 105, "M", kSmallFont);
            text(area, 206, 109, "Bemessungssituation:", kSmallFont);
            View_Area_Add_Line(area, 67, 110, 186, 110, g_ec6.separator);
            struct Line {
                const char* text;
                double* value;
            };
            const Line lines[] = {{cp850("ständig und vorübergehend"), &r->gamma_m_persistent},
                                  {cp850("außergewöhnlich"), &r->gamma_m_accidental},
                                  {"Erdbeben", &r->gamma_m_seismic}};
            int y = 127;
            for (int i = 0; i < (rows.accidental ? 3 : 1); ++i) {
                Nad_Edit_Row_Ec6(area, y, 18, "", "", lines[i].text, kSmallFont);
                View_Area_Add_Float(area, 106, y, lines[i].value, "%5.2f", 0, BLACK_CI, &g_ec6_active);
                y += 18;
            }
            const int e = y;
            Nad_Edit_Row_Ec6(area, e, 7, "", "", "", kNormalFont);
            Nad_Edit_Row_Ec6(area, e + 7, 23, "2.4.4", "", "", kNormalFont);
            text(area, 206, e + 2, "Materialsicherheitsbeiwert", kSmallFont);
            text(area, 206, e + 13, "im Grenzzustand der Gebrauchstaugl.", kSmallFont);
            View_Area_Add_Float(area, 106, e + 7, &r->gamma_m_sls, "%5.2f", 0, BLACK_CI, &g_ec6_active);
            Nad_Edit_Row_Ec6(area, e + 25, 7, "", "", "", kNormalFont);
        }
    }
    View_Area_Show(area);
}

void Nad_Edit_Ec9(unsigned area, NadEc9Record* r, int editable)
{
    if (!r) return;
    g_ec9.make();
    g_ec9_active = editable ? 1 : 0;
    const NadEc9Rows rows = Nad_Ec9_Rows();
    View_Area_Clear(area);
    Nad_Edit_Row_Ec9(area, 24, 6, "", "", "", kNormalFont);
    column_heads(area, 30, Nad_Edit_Row_Ec9);
    Nad_Edit_Row_Ec9(area, 60, 23, "6.1.3", "", "", kNormalFont);
    text(area, 206, 60, "Teilsicherheitsbeiwerte", kSmallFont);
    int b = 83;
    if (rows.ultimate) {
        Nad_Edit_Row_Ec9(area, 83, 18, "(1)", "", "", kNormalFont);
        text(area, 206, 78, cp850("Teilsicherheitsbeiwerte für"), kSmallFont);
        text(area, 206, 89, cp850("Grenzzustände der Tragfähigkeit"), kSmallFont);
        int y = Nad_Edit_Row_Ec9(area, 101, 11, "", "", "", kNormalFont);
        y = ec9_factor(area, y, "M1", &r->gamma_m1, "Querschnittsversagen");
        if (rows.gamma_m2) y = ec9_factor(area, y, "M2", &r->gamma_m2, "Bruchversagen infolge Zug");
        b = Nad_Edit_Row_Ec9(area, y, 18, "", "", "", kNormalFont);
    }
    Nad_Edit_Row_Ec9(area, b, 23, "6.2", "", "", kNormalFont);
    text(area, 206, b, "Beanspruchbarkeit der Querschnitte", kSmallFont);
    Nad_Edit_Row_Ec9(area, b + 23, 18, "(5)", "", "", kNormalFont);
    text(area, 67, b + 23, "C", kNormalFont);
    View_Area_Add_Float(area, 136, b + 23, &r->c_6_15, "%5.2f", 0, BLACK_CI, &g_ec9_active);
    text(area, 206, b + 23, "Konstante C, Gleichnung 6.15", kSmallFont);
    if (rows.joints) {
        Nad_Edit_Row_Ec9(area, b + 41, 23, "8", "", "", kNormalFont);
        text(area, 206, b + 41, cp850("Bemessung von Anschlüssen"), kSmallFont);
        Nad_Edit_Row_Ec9(area, b + 64, 23, "8.1.1", "", "", kNormalFont);
        text(area, 206, b + 64, cp850("Einführung"), kSmallFont);
        Nad_Edit_Row_Ec9(area, b + 87, 29, "(2)", "", "", kNormalFont);
        text(area, 206, b + 82, cp850("Teilsicherheitsbeiwerte für"), kSmallFont);
        text(area, 206, b + 93, cp850("Anschlüsse"), kSmallFont);
        int y = b + 116;
        y = ec9_factor(area, y, "Mp", &r->gamma_mp, "Bolzenverbindungen");
        y = ec9_factor(area, y, "Mw", &r->gamma_mw, cp850("Schweißverbindungen"));
        y = ec9_factor(area, y, "Ms,ser", &r->gamma_ms_ser, "Gleitwiderstand im GZ d. Gebrauchst.");
        y = ec9_factor(area, y, "Ms,ult", &r->gamma_ms_ult, "Gleitwiderstand im GZ d. Tragf.");
        y = ec9_factor(area, y, "Ma", &r->gamma_ma, "Geklebte Verbindungen");
        ec9_factor(area, y, "Mp,ser", &r->gamma_mp_ser, "Bolzen im GZ d. Gebrauchst.");
    }
    View_Area_Show(area);
}
