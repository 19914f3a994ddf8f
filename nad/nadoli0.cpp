// The load-factor pages of the active annex: buildings and bridges.
#include <cstdio>

#include "nad/nadec0.h"
#include "nad/nadlist.h"
#include "nad/nadoli.h"
#include "nad/nadolipriv.h"
#include "nad/nadprog.h"
#include "platform/kovoli.h"

namespace {

const char* const kSituationTitles[4] = {
    "  der ständigen und vorübergehenden Bemessungssituation\n",
    "  der außergewöhnlichen Bemessungssituation\n",
    "  der Erdbebenbemessungssituation\n",
    "  der Gebrauchstauglichkeits- und Ermüdungsnachweise\n",
};

void title_block(FILE* f, const char* utf8_title)
{
    Nad_Show_Table(f, "1 1 0");
    Nad_Put(f, utf8_title);
    std::fprintf(f, " %s\n0 0 -1 -1\n", Nad_Get_Active_Name());
    Nad_End_Of_Text(f);
}

// One partial-factor table: width is the label column (33 buildings, 37
// bridges), rows the rows of the situation to print, -1 ended.
void gamma_table(FILE* f, int situation, int width, const double (*gamma)[2], const char* const* names, const int* rows)
{
    Nad_Show_Table(f, "0 1 1");
    Nad_Raw(f, " \xCE"
               "H"); // heading style
    Nad_Put(f, "Teilsicherheitsfaktoren für Einwirkungen\n");
    Nad_Put(f, kSituationTitles[situation]);
    std::fprintf(f, "1 0 -1 -1 2\n %d %d\n", width + 1, width + 7);
    // gamma_F,sup and gamma_F,inf
    std::fprintf(f, " %-*s  \xC0\xCE\\Fsup\xCEr \xC0\xCE\\Finf\xCEr\n", width, "Einwirkungsart");
    for (const int* row = rows; *row >= 0; ++row)
        std::fprintf(f, " %-*s %5.2lf %5.2lf\n", width, cp850(names[*row]), gamma[*row][0], gamma[*row][1]);
    Nad_End_Of_Text(f);
}

void buildings(FILE* f, const NadEc0Record* r)
{
    const NadEc0RowNames& n = NadEc0Rows;
    OLI_setFlags(f, 896);
    OLI_reserveSpaceCM(f, 6.0f);
    title_block(f, " Lastfaktoren (Hochbau) des nationalen Anhangs\n");
    OLI_setYPositionCM(f, 1, -0.5f);
    OLI_storeYPosition(f, 4);
    OLI_setMarginsCM(f, 1, 0.0f, 0.0f);

    static const int persistent[] = {0, 1, 2, 3, 4, -1};
    static const int accidental[] = {0, 1, 2, 3, 4, 5, -1};
    static const int seismic[] = {0, 1, 2, 3, 4, 6, -1};
    const int* rows[4] = {persistent, accidental, seismic, persistent};
    for (int s = 0; s < 4; ++s) {
        gamma_table(f, s, 33, r->building_gamma[s], n.building_actions, rows[s]);
        if (s == 0 || s == 2) {
            OLI_restoreYPosition(f, 4);
            OLI_setMarginsCM(f, 0x10001, 9.5f, 0.0f);
        } else if (s == 1) {
            OLI_setYPositionCM(f, 4, 0.0f);
            OLI_setMarginsCM(f, 1, 0.0f, 0.0f);
            OLI_reserveSpaceCM(f, 5.0f);
            OLI_storeYPosition(f, 4);
        }
    }
    OLI_setYPositionCM(f, 4, 0.0f);
    OLI_setMarginsCM(f, 1, 0.0f, 0.0f);
    OLI_reserveSpaceCM(f, 8.0f);

    Nad_Show_Table(f, "0 1 1");
    Nad_Raw(f, " \xCEHKombinationsbeiwerte\n");
    // psi_2E, psi_2
    Nad_Raw(f, " Die Werte in der \xB8\xCE\\2E\xCEr-Spalte sind die \xB8\xCE\\2\xCEr-Werte ");
    Nad_Put(f, "für die Erdbebenbemessungssituation\n");
    Nad_Raw(f, "1 0 -1 -1 4\n 30 41 47 53\n");
    std::fprintf(f, " %-30s %-10s  \xB8\xCE\\0\xCEr    \xB8\xCE\\1\xCEr    \xB8\xCE\\2\xCEr    \xB8\xCE\\2E\xCEr \n",
                 "Einwirkung", "Kategorie");
    for (int k = 0; k < 12; ++k)
        std::fprintf(f, " %-30s   %-5s   %5.2lf %5.2lf %5.2lf %5.2lf\n", cp850(n.building_categories[k]),
                     n.building_letters[k], r->building_psi[k][0], r->building_psi[k][1], r->building_psi[k][2],
                     r->building_psi[k][3]);
    Nad_End_Of_Text(f);

    Nad_Raw(f, "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n \xCEHAnmerkung:\xCEr ");
    Nad_Put(f, "Flüssigkeitsdruck/Maschinenlasten, Zwang sowie Baugrundsetzungen, sonstige Einwirkungen\n");
    Nad_Raw(f, "            sind nicht Teil der EN 1990 (Eurocode).\n");
    Nad_End_Of_Text(f);
    OLI_resetMaxMargin(f);
}

// A combination-factor table of the bridges: title, columns and head.
void psi_head(FILE* f, const char* utf8_title, int width)
{
    Nad_Show_Table(f, "0 1 0");
    Nad_Raw(f, " \xCE"
               "H");
    Nad_Put(f, utf8_title);
    std::fprintf(f, "1 0 -1 -1 3\n %d %d %d\n", width + 1, width + 7, width + 13);
    // psi_0, psi_1, psi_2
    std::fprintf(f, " %-*s   \xB8\xCE\\0\xCEr    \xB8\xCE\\1\xCEr    \xB8\xCE\\2\xCEr \n", width, "Einwirkung");
}

void psi_row(FILE* f, int width, const char* label, const double* psi)
{
    std::fprintf(f, " %-*s %5.2lf %5.2lf %5.2lf\n", width, label, psi[0], psi[1], psi[2]);
}

void bridges(FILE* f, const NadEc0Record* r)
{
    const NadEc0RowNames& n = NadEc0Rows;
    OLI_setFlags(f, 896);
    OLI_reserveSpaceCM(f, 6.0f);
    if (NadShowAllRules == 0) {
        Nad_Show_Table(f, "1 0 0");
        Nad_Put(f, " Nationale Anhänge zu den Eurocodes\n");
        Nad_Raw(f, "0 0 -1 -1\n");
        Nad_End_Of_Text(f);
    }
    title_block(f, " Lastfaktoren (Brückenbau) des nationalen Anhangs\n");
    OLI_setYPositionCM(f, 1, -0.5f);
    OLI_storeYPosition(f, 4);
    OLI_setMarginsCM(f, 1, 0.0f, 0.0f);

    // Rows 11 (construction), 13 and 14 are not printed.
    static const int rows[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, -1};
    for (int s = 0; s < 4; ++s) {
        gamma_table(f, s, 37, r->bridge_gamma[s], n.bridge_actions, rows);
        if (s == 0 || s == 2) {
            OLI_restoreYPosition(f, 4);
            OLI_setMarginsCM(f, 0x10001, 9.0f, 0.0f);
        } else if (s == 1) {
            OLI_setYPositionCM(f, 4, 0.0f);
            OLI_setMarginsCM(f, 1, 0.0f, 0.0f);
            OLI_reserveSpaceCM(f, 5.0f);
            OLI_storeYPosition(f, 4);
        }
    }
    OLI_setYPositionCM(f, 4, 0.0f);
    OLI_setMarginsCM(f, 1, 0.0f, 0.0f);
    // Reserve first: a position stored before a page break could not be
    // gone back to for the railway table beside the road-bridge tables.
    OLI_reserveSpaceCM(f, 11.0f);
    OLI_storeYPosition(f, 4);

    psi_head(f, "Kombinationsbeiwerte Straßenbrücken\n", 33);
    for (int k = 0; k < 14; ++k) psi_row(f, 33, cp850(n.road_bridge_actions[k]), r->road_bridge_psi[k]);
    Nad_End_Of_Text(f);
    psi_head(f, "Kombinationsbeiwerte Fußgängerbrücken\n", 33);
    for (int k = 0; k < 7; ++k) psi_row(f, 37, n.footbridge_labels[k], r->footbridge_psi[k]);
    Nad_End_Of_Text(f);

    OLI_restoreYPosition(f, 4);
    OLI_setMarginsCM(f, 0x10001, 9.0f, 0.0f);
    OLI_reserveSpaceCM(f, 12.0f);
    psi_head(f, "Kombinationsbeiwerte Eisenbahnbrücken\n", 34);
    for (int k = 0; k < 26; ++k) {
        const char* label = cp850(n.rail_bridge_actions[k]);
        const double* psi = r->rail_bridge_psi[k];
        if (k == 0 || k == 1 || k == 8) // psi_1 is the factor a below the table
            std::fprintf(f, " %-34s %5.2lf   a   %5.2lf\n", label, psi[0], psi[2]);
        else
            psi_row(f, 34, label, psi);
        if (k == 8) std::fprintf(f, " %-34s\n", cp850(n.rail_earth_pressure_2));
        if (k == 25) std::fprintf(f, " %-34s\n", cp850(n.rail_maintenance_2));
    }
    for (int k = 26; k < 31; ++k) psi_row(f, k == 27 ? 40 : 38, n.rail_bridge_labels[k - 26], r->rail_bridge_psi[k]);
    Nad_End_Of_Text(f);

    Nad_Raw(f, "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n");
    std::fprintf(f, " \xCEHa \xCEr %4.2lf wenn nur 1 Gleis belastet wird\n", r->rail_a[0]);
    std::fprintf(f, "    %4.2lf wenn 2 Gleise gleichzeitg belastet werden\n", r->rail_a[1]);
    std::fprintf(f, "    %4.2lf wenn 3 oder mehrere Gleise gleichzeitig\n", r->rail_a[2]);
    Nad_Raw(f, "    belastet werden\n");
    Nad_End_Of_Text(f);
    OLI_setMarginsCM(f, 1, 0.0f, 0.0f);
    OLI_resetMaxMargin(f);
}

} // namespace

void Nad_Oli_Ec0(FILE* f)
{
    if (!f) return;
    const NadEc0Record* r = Nad_Get_Ec0();
    if (!r) return;
    Nad_Scan_Programs();
    if (Nad_Rule_Visible(0, 0)) buildings(f, r);
    if (Nad_Rule_Visible(0, 1)) bridges(f, r);
}
