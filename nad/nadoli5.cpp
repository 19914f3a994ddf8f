// The EC5 output page of the active annex.
#include <cstdio>

#include "nad/nadlist.h"
#include "nad/nadoli.h"
#include "nad/nadolipriv.h"
#include "platform/kovoli.h"

void Nad_Gamma_Row(FILE* f, const char* subscript, double value, const char* utf8_text)
{
    char label[32];
    std::snprintf(label, sizeof label, "\xC0\xCE\\%s\xCEr", subscript); // gamma, subscript, regular
    std::fprintf(f, "              %-11.11s = %-5.2lf               %-40s\n", label, value, cp850(utf8_text));
}

namespace {

// The crack-factor table. Mode 2 prints the rules of the German annex; any
// other mode the stored factors, which are what the shear check uses. The
// upper table has always printed its two value lines without the leading blank.
void crack_factor_table(FILE* f, const NadEc5Record* r, bool upper)
{
    Nad_Show_Table(f, "0 1 2");
    Nad_Raw(f, " Rissfaktor\n Rissfaktor k\xCE\\"
               "cr\xCEr zur Festlegung der effektiven Querschnittsbreite\n");
    Nad_Raw(f, " bei der Ermittlung der Schubspannungen aus Querkraft\n0 0 -1 -1 0\n");
    if (r->k_cr_mode == 2) {
        const char* kcr = " k\xCE\\"
                          "cr\xCEr = "; // k with the subscript cr
        static const char* const lines[4] = {"2.0/fv,k   für Nadelholz\n", "0.67       für Laubholz\n",
                                             "2.5/fv,k   für Brettschichtholz\n", "1.0        sonst\n"};
        for (const char* line : lines) {
            Nad_Raw(f, kcr);
            Nad_Put(f, line);
        }
    } else {
        const char* lead = upper ? "" : " ";
        std::fprintf(f,
                     "%sk\xCE\\"
                     "cr\xCEr = %.2f   %s\n",
                     lead, r->k_cr_solid, cp850("für Voll- und Brettschichtholz"));
        std::fprintf(f,
                     "%sk\xCE\\"
                     "cr\xCEr = %.2f   sonst                         \n",
                     lead, r->k_cr_other);
    }
    Nad_End_Of_Text(f);
}

// A clause line of the German annex's rules: clause, the text of the choice
// and, after it, the meaning (bytes as they stand) or a reference line.
struct ChoiceLine {
    const char* clause;    // 14 characters
    const char* set;       // UTF-8
    const char* unset;     // UTF-8
    const char* meaning;   // after a blank; null: the line ends after the choice
    const char* reference; // the line below the choice, null for none
};

const ChoiceLine kNaLines[] = {
    {" 3.1.3        ", "Tabelle NA.4 anwenden        ", "Tabelle NA.4 nicht anwenden  ", "Modifikationsbeiwerte",
     nullptr},
    // "f_ax, f_head für profilierte Nägel" (0x81 ü, 0x84 ä)
    {" 8.3.2        ", "Tabelle NA.15 anwenden       ", "Tabelle NA.15 nicht anwenden ",
     "f\xCE\\ax\xCEr, f\xCE\\head\xCEr f\x81r profilierte N\x84gel", nullptr},
    {" 8.3.1.2      ", "NA.11 anwenden               ", "NA.11 nicht anwenden         ", "Einschlagtiefen > 4 d",
     nullptr},
    {" 8.5.3 (2)    ", "Gewindestangen nach NAD      ", "keine Gewindestangen         ", "Gewindestangen zulassen",
     nullptr},
    {" 6.3.3 (7)    ", "Biegedrillknicken nach NAD   ", "Biegedrillknicken nach EC 5  ", "Biegedrillknicknachweis",
     nullptr},
    {" 8.2.4 (1)    ", "vereinfachtes Verf. nach NAD ", "Verfahren nach EC 5          ", "Verbindungsmittel", nullptr},
    {" 9.2.4.2      ", "Abminderung der Tragf.        bei hor. Stoß und kurzen Tafeln", "Keine Abminderung der Tragf.",
     nullptr, " (NA.20)  \n"},
    {" 9.2.4.2      ", "Erhöhung der char. Tragf.     bei Schwellenpressung um 20%", "Keine Erhöhung der char. Tragf.",
     nullptr, " (NA.21)  \n"},
    {" 6.1          ", "Abm. der Zugfestigkeit        bei sym. ausgeführten Zugverbindungen.",
     "keine Abm. der Zugfestigkeit      bei sym. ausgeführten Zugverbindungen.", nullptr, " (NA.8.1.6)  \n"},
    {" 8.6          ", "Bohrlochdurchmesser bei       Stahlteilen um 1mm erhöhen",
     "keine Erhöhung des Bohrlochdurchmessers bei Stahlteilen", nullptr, " (NA.7)  \n"},
};

int na_choice(const NadEc5Record* r, int line)
{
    switch (line) {
        case 0: return r->use_table_na4;
        case 1: return r->use_table_na15;
        case 2: return r->use_na11;
        case 3: return r->threaded_rods_na;
        case 4: return r->ltb_na;
        case 5: return r->simplified_fasteners_na;
        case 6: return r->use_na20;
        case 7: return r->use_na21;
        case 8: return r->use_na816;
        default: return r->use_na7;
    }
}

void gamma_line(FILE* f, const char* lead, double value, const char* name)
{
    // gamma with the subscript M
    std::fprintf(f, "%s\xC0\xCE\\M\xCEr = %.2lf                     %s\n", lead, value, cp850(name));
}

void upper_tables(FILE* f, const NadEc5Record* r, const int* g)
{
    Nad_Show_Table(f, "1 3 0");
    Nad_Put(f, " Ausgewählte Nachweisparameter des nationalen Anhangs\n");
    std::fprintf(f, " %s\n \n DIN EN 1995-1-1 und DIN EN 1995-1-2 (EC5)\n0 0 0 0 0\n", Nad_Get_Active_Name());
    OLI_setYPositionCM(f, 1, -0.5f);
    if (g[0]) OLI_storeYPosition(f, 4);
    if (g[1]) {
        Nad_Show_Table(f, "0 1 0");
        Nad_Raw(f, " Materialsicherheitsbeiwerte\n1 0 -1 -1 2\n 27 45\n");
        Nad_Raw(f, " Bemessungssituation         Holzart            Wert\n");
        std::fprintf(f, "%s%.2f\n", cp850(" ständig und vorübergehend   Vollholz           "), r->gamma_m_solid);
        std::fprintf(f, "                             Brettschichtholz   %.2f\n", r->gamma_m_glulam);
        std::fprintf(f, "%s%.2f\n", cp850(" außergewöhnlich             alle Arten         "), r->gamma_m_accidental);
        std::fprintf(f, " Brandschutz                 alle Arten         %.2f\n", r->gamma_m_fire);
        Nad_End_Of_Text(f);
        if (g[0]) {
            OLI_restoreYPosition(f, 4);
            OLI_setMarginsCM(f, 1, 11.0f, 0.0f); // the next tables stand to the right
        }
    }
}

} // namespace

void Nad_Oli_Ec5(FILE* f)
{
    if (!f) return;
    const NadEc5Record* r = Nad_Get_Ec5();
    if (!r) return;
    Nad_Ec5_Relevance();
    const int* g = Ec5RelevanceFlags;

    OLI_setFlags(f, 896);
    OLI_setMarginsCM(f, 1, 0.0f, 0.0f);
    OLI_reserveSpaceCM(f, 6.0f);
    bool any = false;
    for (int i = 0; i <= 7; ++i) any = any || g[i];
    if (any) upper_tables(f, r, g);

    if (g[2]) {
        Nad_Show_Table(f, "0 1 0");
        Nad_Raw(f, " Modifikationsbeiwerte\n2 0 -1 -1 1\n 10\n            Nutzungsklasse\n");
        Nad_Raw(f, " KLED        1     2     3\n");
        static const char* const classes[5] = {" ständig    ", " lange      ", " mittel     ", " kurz       ",
                                               " sehr kurz  "};
        for (int k = 0; k < 5; ++k)
            std::fprintf(f, "%s%.2f  %.2f  %.2f\n", cp850(classes[k]), r->k_mod[k][0], r->k_mod[k][1], r->k_mod[k][2]);
        Nad_End_Of_Text(f);
    }
    if (g[3]) {
        Nad_Show_Table(f, "0 1 0");
        Nad_Raw(f, " Verformungsbeiwerte\n2 0 -1 -1 1\n 10\n            Nutzungsklasse\n");
        Nad_Raw(f, " KLED        1     2     3\n");
        std::fprintf(f, " k\xCE\\def\xCEr =     %.2f  %.2f  %.2f\n", r->k_def[0], r->k_def[1], r->k_def[2]);
        Nad_End_Of_Text(f);
    }
    if (g[4]) {
        Nad_Show_Table(f, "0 1 1");
        Nad_Raw(f, " Verformungsgrenzwerte\n");
        Nad_Put(f, " gemäß DIN EN 1995-1-1 Abschnitt 7.2 Tab. 7.2\n");
        Nad_Raw(f, "1 0 -1 -1 1\n 10\n Nachweis     normal    Kragarm\n");
        static const char* const rows[3] = {" w\xCE\\inst\xCEr         ",
                                            " w\xCE\\"
                                            "fin\xCEr          ",
                                            " w\xCE\\net,fin\xCEr      "};
        for (int k = 0; k < 3; ++k)
            std::fprintf(f, "%sl/%3.0f    l/%3.0f\n", rows[k], r->deflection_limits[k][0], r->deflection_limits[k][1]);
        Nad_End_Of_Text(f);
        if (g[0]) {
            OLI_setMarginsCM(f, 1, 0.0f, 0.0f);
            OLI_setYPositionCM(f, 1, -6.2f);
        }
    }
    if (g[5]) crack_factor_table(f, r, true);
    if (g[8]) {
        Nad_Show_Table(f, "0 2 0");
        Nad_Raw(f, " Abminderungsfaktor zum Nachweis der Torsionsspannungen:\n");
        std::fprintf(f, " k\xCE\\shape\xCEr = 1 + %.2f h/b, jedoch maximal %.2f\n0 0 0 0 0\n", r->k_shape_factor,
                     r->k_shape_max);
    }
    if (g[6]) {
        Nad_Show_Table(f, "0 3 1");
        Nad_Raw(f, " Ermittlung der Netto-Enddurchbiegung nach EC5 (7.2): \n");
        Nad_Raw(f, " w\xCE\\net,fin\xCEr = w\xCE\\inst\xCEr + w\xCE\\"
                   "creep\xCEr - w\xCE\\"
                   "c\xCEr   mit w\xCE\\inst\xCEr aus\n");
        if (r->w_net_fin_combination == 1)
            Nad_Put(f, " charakteristischer Kombination\n gemäß EC5 (7.2) (2.2)...(2.5)\n");
        else
            Nad_Put(f, " quasiständiger Kombination\n gemäß NAD Deutschland Änderung A1, (NA.A1)\n");
        Nad_Raw(f, "0 0 0 0 0\n");
    }
    if (g[0]) {
        Nad_Show_Table(f, "0 2 0");
        Nad_Put(f,
                " Ermittlung der bezogenen Kippschlankheit beim Biegedrillknicknachweis (nur für Brettschichtholz):\n");
        std::fprintf(f, "%s%.2f\n0 0 0 0 0\n", cp850(" Faktor gemäß NCI Zu 6.3.3(2) = "), r->ltb_glulam_factor);
    }
    if (!g[7]) return;

    Nad_Clause_Table_Head(f);
    std::fprintf(f, " 2.3.1.2(2)P  %s Zuordnung von Einwirkungen zu Klassen der Lasteinwirkungsdauer\n\n",
                 r->use_table_na1 ? "Tabelle NA.1 anwenden        " : "Tabelle NA.1 nicht anwenden  ");
    Nad_Raw(f, " 2.4.1                                      Teilsicherheitsbeiwerte\n");
    gamma_line(f, " Tab. 2.3     ", r->gamma_m_solid, "Vollholz");
    const double values[10] = {r->gamma_m_glulam,      r->gamma_m_clt,         r->gamma_m_lvl, r->gamma_m_particleboard,
                               r->gamma_m_hardboard,   r->gamma_m_mediumboard, r->gamma_m_mdf, r->gamma_m_softboard,
                               r->gamma_m_connections, r->gamma_m_nail_plates};
    static const char* const names[10] = {
        "Brettschichtholz",         "Brettsperrholz",   "LVL, Sperrholz, OSB", "Spanplatten",  "Harte Faserplatten",
        "Mittelharte Faserplatten", "MDF-Faserplatten", "Weiche Faserplatten", "Verbindungen", "Nagelplatten"};
    const char* blanks = "              ";
    for (int k = 0; k < 10; ++k) gamma_line(f, blanks, values[k], names[k]);

    if (r->na_de) {
        gamma_line(f, blanks, r->gamma_m_steel, "Stahl in Verbindungen");
        gamma_line(f, blanks, r->gamma_m_gypsum, "Gipskarton, etc.");
        Nad_Raw(f, "\n");
        for (int k = 0; k < (int)(sizeof kNaLines / sizeof kNaLines[0]); ++k) {
            const ChoiceLine& c = kNaLines[k];
            Nad_Raw(f, c.clause);
            Nad_Put(f, na_choice(r, k) ? c.set : c.unset);
            if (c.meaning) {
                Nad_Raw(f, " ");
                Nad_Raw(f, c.meaning);
            }
            Nad_Raw(f, "\n");
            Nad_Raw(f, c.reference ? c.reference : "\n");
        }
        Nad_Raw(f, "\n");
        Nad_End_Of_Text(f);
        if (!g[5]) crack_factor_table(f, r, false);
    } else {
        Nad_Raw(f, "\n\n");
        Nad_End_Of_Text(f);
        if (!g[5]) crack_factor_table(f, r, false);
    }
    // The page used to end with a further "#END_OF_TEXT" that closed no block;
    // the viewer skips it with a warning, so it is no longer written.
}
