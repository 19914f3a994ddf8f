// EN 1990 load factors of a national annex: partial and combination factors for buildings and
// bridges, their defaults, comparison, and the "#EC0" section in every layout.
#include "nad/nadec0.h"

#include <cmath>
#include <cstring>

#include "nad/nadspool.h"

namespace {

// Buildings: sup / inf per action (rows) and design situation (columns).
const double kBuildingGamma[7][4][2] = {
    {{1.35, 1}, {1, 1}, {1, 1}, {1, 1}}, // permanent actions
    {{1.5, 0}, {1, 0}, {1, 0}, {1, 0}},  // variable actions
    {{1.35, 0}, {1, 0}, {1, 0}, {1, 0}}, // liquid pressure, machinery
    {{1, 0}, {1, 0}, {1, 0}, {1, 0}},    // restraint
    {{1, 1}, {1, 1}, {1, 1}, {1, 1}},    // prestress
    {{0, 0}, {1, 1}, {0, 0}, {0, 0}},    // accidental actions
    {{0, 0}, {0, 0}, {1, 1}, {0, 0}},    // earthquake
};

// psi0, psi1, psi2, psi2 of the seismic situation.
const double kBuildingPsi[12][4] = {
    {0.7, 0.5, 0.3, 0.3}, // A, B
    {0.7, 0.7, 0.6, 0.6}, // C, D
    {1, 0.9, 0.8, 0.8},   // E
    {0.7, 0.7, 0.6, 0.6}, // F
    {0.7, 0.5, 0.3, 0.3}, // G
    {0, 0, 0, 0},         // H
    {0.5, 0.2, 0, 0.5},   // snow up to 1000 m
    {0.7, 0.5, 0.2, 0.5}, // snow above 1000 m
    {0.6, 0.2, 0, 0},     // wind
    {0.6, 0.5, 0, 0},     // temperature
    {1, 1, 1, 1},         // settlements
    {0.8, 0.7, 0.5, 0.5}, // other actions
};

// Bridges: sup for the persistent/transient situation and inf; the other
// situations carry 1 (or 0 for the accidental and seismic rows) as listed.
const double kBridgeGamma[15][4][2] = {
    {{1.35, 1}, {1, 1}, {1, 1}, {1, 1}}, // permanent
    {{1, 1}, {1, 1}, {1, 1}, {1, 1}},    // prestress linear
    {{1, 1}, {1, 1}, {1, 1}, {1, 1}},    // prestress non-linear
    {{1.2, 1}, {1, 1}, {1, 1}, {1, 1}},  // prestress local
    {{1.2, 0}, {1, 0}, {1, 0}, {1, 0}},  // settlement linear
    {{1.35, 0}, {1, 0}, {1, 0}, {1, 0}}, // settlement non-linear
    {{1.5, 0}, {1, 0}, {1, 0}, {1, 0}},  // road traffic
    {{1.5, 0}, {1, 0}, {1, 0}, {1, 0}},  // pedestrian traffic
    {{1.45, 0}, {1, 0}, {1, 0}, {1, 0}}, // rail traffic groups 11 to 31
    {{1.2, 0}, {1, 0}, {1, 0}, {1, 0}},  // rail groups 16, 17, SW/2
    {{1.5, 0}, {1, 0}, {1, 0}, {1, 0}},  // variable actions
    {{1.5, 0}, {1, 0}, {1, 0}, {1, 0}},  // execution
    {{1.5, 0}, {1, 0}, {1, 0}, {1, 0}},  // temperature
    {{0, 0}, {0, 0}, {0, 0}, {0, 0}},    // accidental actions
    {{0, 0}, {0, 0}, {0, 0}, {0, 0}},    // earthquake
};

const double kRoadBridgePsi[14][3] = {
    {0.75, 0.75, 0}, {0.4, 0.4, 0}, {0.4, 0.4, 0}, {0, 0.75, 0}, {0, 0, 0},       {0, 0.4, 0}, {0, 0, 0},
    {0, 0, 0},       {0.6, 0.2, 0}, {0.8, 0, 0},   {1, 0, 0},    {0.6, 0.6, 0.5}, {0.8, 0, 0}, {1, 0, 1},
};

const double kFootbridgePsi[7][3] = {
    {0.4, 0.4, 0}, {0, 0, 0}, {0, 0, 0}, {0.3, 0.2, 0}, {0.6, 0.6, 0.5}, {0.8, 0, 0}, {1, 0, 1},
};

const double kRailBridgePsi[31][3] = {
    {0.8, -0.1, 0},  {0.8, -0.1, 0}, {0, 1, 0},     {1, 0, 0},     {1, 1, 0},     {1, 0.8, 0},    {0.8, 0.5, 0},
    {1, 1, 0},       {0.8, -0.2, 0}, {0.8, 0.5, 0}, {0.8, 0.8, 0}, {0.8, 0.8, 0}, {0.8, 0.8, 0},  {0.8, 0.8, 0},
    {0.8, 0.8, 0},   {0.8, 0.8, 0},  {0.8, 0.8, 0}, {0.8, 0.7, 0}, {0.8, 0.7, 0}, {0.8, 0.7, 0},  {0.8, 0.7, 0},
    {0.8, 0.7, 0},   {0.8, 0.7, 0},  {0.8, 0.6, 0}, {0.8, 0.5, 0}, {0.8, 0.5, 0}, {0.75, 0.5, 0}, {1, 0, 0},
    {0.6, 0.6, 0.5}, {0.8, 0, 0},    {1, 0, 1},
};

const double kRailA[3] = {0.8, 0.7, 0.6};

// Reads one number; false (value untouched) when none converts.
bool read_value(FILE* f, double* v) { return fscanf(f, "%lf", v) == 1; }

bool read_pair(FILE* f, double* p) { return read_value(f, &p[0]) && read_value(f, &p[1]); }

bool read_triple(FILE* f, double* t) { return read_value(f, &t[0]) && read_value(f, &t[1]) && read_value(f, &t[2]); }

// Visits every one of the 383 values of a record pair in one fixed order.
template <class F> bool all_values(const NadEc0Record* a, const NadEc0Record* b, F f)
{
    const double* pa[] = {&a->building_gamma[0][0][0],
                          &a->building_psi[0][0],
                          &a->bridge_gamma[0][0][0],
                          &a->road_bridge_psi[0][0],
                          &a->footbridge_psi[0][0],
                          &a->rail_bridge_psi[0][0],
                          a->rail_a};
    const double* pb[] = {&b->building_gamma[0][0][0],
                          &b->building_psi[0][0],
                          &b->bridge_gamma[0][0][0],
                          &b->road_bridge_psi[0][0],
                          &b->footbridge_psi[0][0],
                          &b->rail_bridge_psi[0][0],
                          b->rail_a};
    const int n[] = {4 * 7 * 2, 12 * 4, 4 * 15 * 2, 14 * 3, 7 * 3, 31 * 3, 3};
    for (int k = 0; k < 7; ++k)
        for (int i = 0; i < n[k]; ++i)
            if (!f(pa[k][i], pb[k][i])) return false;
    return true;
}

} // namespace

void Nad_Default_Ec0(NadEc0Record* r)
{
    if (!r) return;
    memset(r, 0, sizeof *r);
    r->version = 0;
    for (int s = 0; s < 4; ++s)
        for (int row = 0; row < 7; ++row)
            for (int k = 0; k < 2; ++k) r->building_gamma[s][row][k] = kBuildingGamma[row][s][k];
    memcpy(r->building_psi, kBuildingPsi, sizeof r->building_psi);
    for (int s = 0; s < 4; ++s)
        for (int row = 0; row < 15; ++row)
            for (int k = 0; k < 2; ++k) r->bridge_gamma[s][row][k] = kBridgeGamma[row][s][k];
    memcpy(r->road_bridge_psi, kRoadBridgePsi, sizeof r->road_bridge_psi);
    memcpy(r->footbridge_psi, kFootbridgePsi, sizeof r->footbridge_psi);
    memcpy(r->rail_bridge_psi, kRailBridgePsi, sizeof r->rail_bridge_psi);
    memcpy(r->rail_a, kRailA, sizeof r->rail_a);
}

void Nad_Write_Ec0(FILE* f, const NadEc0Record* r)
{
    if (!f || !r) return;
    for (int s = 0; s < 4; ++s)
        for (int row = 0; row < 7; ++row)
            fprintf(f, " %.2f %.2f\n", r->building_gamma[s][row][0], r->building_gamma[s][row][1]);
    for (int row = 0; row < 12; ++row)
        fprintf(f, " %.2f %.2f %.2f\n", r->building_psi[row][0], r->building_psi[row][1], r->building_psi[row][2]);
    fprintf(f, " %d\n", (int)NAD_EC0_LAYOUT);
    for (int s = 0; s < 4; ++s)
        for (int row = 0; row < 15; ++row)
            fprintf(f, " %.2f %.2f\n", r->bridge_gamma[s][row][0], r->bridge_gamma[s][row][1]);
    for (const auto& t : r->road_bridge_psi) fprintf(f, " %.2f %.2f %.2f\n", t[0], t[1], t[2]);
    for (const auto& t : r->footbridge_psi) fprintf(f, " %.2f %.2f %.2f\n", t[0], t[1], t[2]);
    for (const auto& t : r->rail_bridge_psi) fprintf(f, " %.2f %.2f %.2f\n", t[0], t[1], t[2]);
    fprintf(f, " %.2f %.2f %.2f\n", r->rail_a[0], r->rail_a[1], r->rail_a[2]);
    for (int row = 0; row < 12; ++row) fprintf(f, " %.2f", r->building_psi[row][3]);
}

void Nad_Read_Ec0(FILE* f, NadEc0Record* r, int positioned)
{
    if (!f || !r) return;

    int old_block = 1;
    if (positioned == 0 && Nad_Spool(f, " Lastfaktoren", "#NAD", &old_block) != 1) return;

    for (int row = 0; row < 7; ++row)
        if (!read_pair(f, r->building_gamma[NAD_EC0_PERSISTENT][row])) return;
    if (old_block > 0)
        for (int s = 1; s < 4; ++s)
            for (int row = 0; row < 7; ++row)
                if (!read_pair(f, r->building_gamma[s][row])) return;
    for (int row = 0; row < 12; ++row)
        if (!read_triple(f, r->building_psi[row])) return;

    r->version = 2;
    if (fscanf(f, "%d", &r->version) != 1) return;

    if (r->version > 3) {
        for (int s = 0; s < 4; ++s)
            for (int row = 0; row < 15; ++row)
                if (!read_pair(f, r->bridge_gamma[s][row])) return;
    } else {
        // up to layout 3 there was no pedestrian-traffic row: it takes the
        // factors of road traffic
        for (int s = 0; s < 4; ++s) {
            for (int row = 0; row < 15; ++row) {
                if (row == 7) continue;
                if (!read_pair(f, r->bridge_gamma[s][row])) return;
            }
            r->bridge_gamma[s][7][0] = r->bridge_gamma[s][6][0];
            r->bridge_gamma[s][7][1] = r->bridge_gamma[s][6][1];
        }
    }
    for (auto& t : r->road_bridge_psi)
        if (!read_triple(f, t)) return;
    for (auto& t : r->footbridge_psi)
        if (!read_triple(f, t)) return;
    for (auto& t : r->rail_bridge_psi)
        if (!read_triple(f, t)) return;
    if (!read_triple(f, r->rail_a)) return;

    if (r->version >= 5)
        for (int row = 0; row < 12; ++row)
            if (!read_value(f, &r->building_psi[row][3])) return;
}

int Nad_Differs_Ec0(const NadEc0Record* a, const NadEc0Record* b)
{
    if (!a || !b) return a != b;
    const bool same = all_values(a, b, [](double x, double y) { return std::fabs(x - y) <= 0.0001; });
    return same ? 0 : 1;
}

void Nad_Copy_Ec0(NadEc0Record* dst, const NadEc0Record* src)
{
    if (!dst || !src || dst == src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}

int Nad_Ec0_Zero() { return 0; }

const NadEc0RowNames NadEc0Rows = {
    {"ständige Lasten", "veränderliche Lasten", "Flüssigkeitsdruck/Maschinenlasten", "Zwang", "Vorspannung",
     "außergewöhnliche Einwirkungen", "Erdbeben"},
    {"Wohn-, Büroräume", "Versammlungs-, Verkaufsräume", "Lagerräume", "Fahrzeuge bis 30 kN", "Fahrzeuge bis 160 kN",
     "Dächer", "Schnee/Eis bis 1000 m ü.NN", "Schnee/Eis über 1000 m ü.NN", "Wind", "Temperatur", "Baugrundsetzungen",
     "sonstige Einwirkungen"},
    {"A, B", "C, D", "  E ", "  F ", "  G ", "  H ", "", "", "", "", "", ""},
    {"ständige Lasten", "Vorspannung linear", "Vorspannung nichtlinear", "Vorspannung lokal", "Setzung linear",
     "Setzung nichtlinear", "Straßenverkehr", "Fußgängerverkehr", "Schienenverkehr Lastgruppe 11 bis 31",
     "Schienenverkehr Lastgr. 16, 17, SW/2", "veränderliche Lasten", "Bauausführung", "Temperatur",
     "außergwöhnliche Einwirkungen", "Erdbeben"},
    {"gr1a Doppelachse", "gr1a Gleichmäßig verteilte Last", "gr1a Geh- und Radwegbelastung", "gr1b (Einzelachse)",
     "gr2 (Horizontalkräfte", "gr3 (Gehwegbelastung)", "gr4 (LM4 - Menschengedränge)", "gr5 (LM5 - Spezialfahrzeuge)",
     "Wind ständige Bemessungssituation", "Temperatur", "Baugrundsetzungen", "Temperaturlasten",
     "Schneelasten (Bauzeit)", "Lasten aus Bauausführung"},
    // gr1, Q_fwk, gr2, F_wk, T_k, Q_Sn,k, Q_c
    {"gr1\xCE\\ \xCEr",
     "Q\xCE\\"
     "fwk\xCEr",
     "gr2\xCE\\ \xCEr", "F\xCE\\wk\xCEr", "T\xCE\\k\xCEr", "Q\xCE\\Sn,k\xCEr",
     "Q\xCE\\"
     "c\xCEr"},
    {"LM 71",
     "SW/0",
     "SW/2",
     "Unbeladener Zug",
     "HSLM",
     "Seitenstoä",
     "Lasten auf Dienstwege",
     "Betriebslastenzug",
     "Horizontaler Erddruck infolge",
     "Aerodynamische Einwirkungen",
     "gr11 (LM 71 + SW/0)",
     "gr12 (LM 71 + SW/0)",
     "gr13 (Bremsen/Anfahren)",
     "gr14 (Zentrifugalkraft/Seitenstoß)",
     "gr15 (unbeladener Zug)",
     "gr16 (SW/2)",
     "gr17 (SW/2)",
     "gr21 (LM 71 +SW/0)",
     "gr22 (LM 71 +SW/0)",
     "gr23 (Bremsen/Anfahren)",
     "gr24 (Zentrifugalkraft/Seitenstoß)",
     "gr26 (SW/2)",
     "gr27 (SW/2)",
     "gr31 (LM 71 +SW/0)",
     "Aerodynamische Einwirkungen",
     "Allgemeine Lasten aus"},
    // F_wk, F_W** (superscript), T_k, Q_Sn,k (Bauausführung), Q_c
    {"F\xCE\\wk\xCEr   ", "F\xCE\\W\xCE/**   \xCEr", "T\xCE\\k\xCEr   ", "Q\xCE\\Sn,k\xCEr (Bauausf\x81hrung)   ",
     "Q\xCE\\"
     "c\xCEr   "},
    "Überschreitung der Verkehrslasten",
    "Instandhaltung für Dienstgehwege",
};
