// The EC5 editor page: the timber parameters of an annex in sections over
// pictures of the standard's tables, and the clause table of EN 1995-1-1.
#include "nad/pages/nadedit.h"

#include "nad/nadoli.h"
#include "nad/pages/nadeditpriv.h"
#include "platform/kovcp.h"
#include "platform/kovscreen.h"
#include "sheets/viewarea.h"

using namespace nadedit_priv;

namespace {

const char* const kPictures = "NAD\\EC5DodevNads.bmp";

// The strips of the picture file, one below the other: top row, bottom row
// and width of strip n at index n (index 0 unused).
struct Strip {
    int top, bottom, width;
};
const Strip kStrips[10] = {{0, 0, 0},       {0, 130, 368},   {142, 237, 368}, {244, 304, 368}, {310, 415, 368},
                           {418, 541, 368}, {540, 697, 376}, {700, 829, 376}, {832, 944, 376}, {940, 1049, 376}};
// The strip numbers the picture boxes point to.
int StripNumbers[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

// Editor state of the last layout.
NadEc5Record* Edited = nullptr;
int Editable = 0;
int KcrFieldsActive = 0; // the two k_cr fields: editable and k_cr_mode 1
int KcrNaDe = 0;         // the NA-DE check box: k_cr_mode 2
// Per rule group: the section shows its content; kept for the whole run.
int Expanded[NAD_EC5_GROUPS] = {1, 1, 1, 1, 1, 1, 1, 1, 1};

void picture_box(unsigned area, int x1, int y1, int x2, int y2, int strip)
{
    View_Area_Add_Drawn_Box(area, x1, y1, x2, y2, &StripNumbers[strip], Ec5_Editor_Picture);
}

void field(unsigned area, int x, int y, double* value, const char* format, int* active = &Editable)
{
    View_Area_Add_Float(area, x, y, value, format, FONT_NORMAL, BLACK_CI, active);
}

void caption(unsigned area, int y, const char* utf8)
{
    View_Area_Add_Text(area, 16, y, cp850(utf8), FONT_CAPTION, BLACK_CI, 0);
}

// A section: its bar, and its content when expanded; the next section's y.
typedef int (*Content)(unsigned area, int y, NadEc5Record* r);

int partial_factors(unsigned area, int y, NadEc5Record* r)
{
    picture_box(area, 16, y + 13, 410, y + 153, 5);
    field(area, 201, y + 49, &r->gamma_m_solid, "%4.2f");
    field(area, 201, y + 71, &r->gamma_m_glulam, "%4.2f");
    field(area, 201, y + 125, &r->gamma_m_accidental, "%4.2f");
    picture_box(area, 17, y + 148, 410, y + 288, 8);
    field(area, 201, y + 183, &r->gamma_m_fire, "%4.2f");
    return 263;
}

int modification(unsigned area, int y, NadEc5Record* r)
{
    caption(area, y + 25, "nach DIN EN 1995-1-1 Abschnitt 3.1.3 Tab. 3.1 (Ausschnitt):");
    picture_box(area, 16, y + 35, 410, y + 175, 1);
    for (int row = 0; row < 5; ++row)
        for (int c = 0; c < 3; ++c) field(area, 94 + 54 * c, y + 86 + 18 * row, &r->k_mod[row][c], "%4.2f");
    caption(area, y + 185, "nach DIN EN 1995-1-1-NA (Deutschland) Tab. NA.1 Index (b):");
    picture_box(area, 16, y + 195, 410, y + 285, 2);
    View_Area_Add_Check_Box(area, 38, y + 208, "                                   ", FONT_NORMAL, BLACK_CI,
                            &r->kmod_na1_index_b, &Editable);
    return 310;
}

int deformation(unsigned area, int y, NadEc5Record* r)
{
    caption(area, y + 25, "nach DIN EN 1995-1-1 Abschnitt 3.1.3 Tab. 3.2 (Ausschnitt):");
    picture_box(area, 16, y + 35, 410, y + 175, 3);
    for (int i = 0; i < 3; ++i) field(area, 92 + 54 * i, y + 87, &r->k_def[i], "%4.2f");
    return 120;
}

int deflection_limits(unsigned area, int y, NadEc5Record* r)
{
    caption(area, y + 25, "gemäß DIN EN 1995-1-1 Abschnitt 7.2 Tab. 7.2:");
    picture_box(area, 16, y + 35, 410, y + 140, 4);
    const int rows[3] = {90, 111, 132};
    for (int i = 0; i < 3; ++i) {
        field(area, 106, y + rows[i], &r->deflection_limits[i][0], "%3.0f");
        field(area, 170, y + rows[i], &r->deflection_limits[i][1], "%3.0f");
    }
    return 165;
}

int crack_factor(unsigned area, int y, NadEc5Record* r)
{
    picture_box(area, 16, y + 10, 410, y + 170, 6);
    View_Area_Add_Radio_Button(area, 114, y + 73, "        ", FONT_NORMAL, BLACK_CI, 1, &r->k_cr_mode, &Editable);
    View_Area_Add_Radio_Button(area, 114, y + 120, "        ", FONT_NORMAL, BLACK_CI, 2, &r->k_cr_mode, &Editable);
    // Each field's frame inside its row of the picture.
    field(area, 187, y + 76, &r->k_cr_solid, "%4.2f", &KcrFieldsActive);
    field(area, 187, y + 98, &r->k_cr_other, "%4.2f", &KcrFieldsActive);
    return 185;
}

int torsion(unsigned area, int y, NadEc5Record* r)
{
    picture_box(area, 16, y + 10, 410, y + 170, 9);
    field(area, 290, y + 90, &r->k_shape_factor, "%4.2f");
    field(area, 290, y + 112, &r->k_shape_max, "%4.2f");
    return 140;
}

int net_deflection(unsigned area, int y, NadEc5Record* r)
{
    picture_box(area, 16, y + 10, 410, y + 140, 7);
    View_Area_Add_Radio_Button(area, 160, y + 94, "                  ", FONT_NORMAL, BLACK_CI, 1,
                               &r->w_net_fin_combination, &Editable);
    View_Area_Add_Radio_Button(area, 160, y + 115, "                  ", FONT_NORMAL, BLACK_CI, 2,
                               &r->w_net_fin_combination, &Editable);
    return 160;
}

int lateral_torsional(unsigned area, int y, NadEc5Record* r)
{
    caption(area, y + 25, "DIN EN 1995-1-1 Abschnitt 6.3.3:  Faktor gemäß NCI Zu 6.3.3(2)");
    View_Area_Add_Text(area, 16, y + 45, cp850("Faktor                   (nur für Brettschichtholz)"), FONT_NORMAL,
                       BLACK_CI, 0);
    field(area, 76, y + 45, &r->ltb_glulam_factor, "%4.2f");
    return 65;
}

// The columns of the clause table: the switches of the value column stand
// after the longest clause ("8.3.1.2") with their labels beside them, and the
// explanations begin after the longest label ("Vereinfachtes Verfahren nach
// NA-DE", 34 small characters) and end inside the page (500 wide).
const int kCheckX = 92;
const int kExplanationX = 302;
const int kTableRight = 496;

// The clause table is laid out twice: first every frame, then the texts and
// controls, so that no frame of a row covers the foot of the texts above it.
int Pass = 1; // 0 frames, 1 texts and controls
bool content_pass() { return Pass == 1; }

// The texts of the rows without a value field stand this far below the row's
// y, in the middle of their frames: the first clause after the gamma rows
// starts only 8 pixels below the last of them.
const int kTextDrop = 10;

// Clause column texts in the normal font, the others in the small one: the
// frames, then the texts on the same base line (drop pixels below y).
int row(unsigned area, int y, int height, const char* clause, const char* value_text, const char* explanation,
        int drop = kTextDrop)
{
    const int next = height > 0 ? y + (height == 1 ? 2 : height) : y + height;
    if (!content_pass()) {
        Ec5_Editor_Row(area, y, height, nullptr, nullptr, nullptr, FONT_NORMAL);
        return next;
    }
    Ec5_Editor_Row(area, y + drop, 0, clause, nullptr, nullptr, FONT_NORMAL);
    Ec5_Editor_Row(area, y + drop, 0, nullptr, value_text ? cp850(value_text) : nullptr,
                   explanation ? cp850(explanation) : nullptr, FONT_SMALL);
    return next;
}

// A check box of the value column with its label (small font), over its
// row's frames.
void check(unsigned area, int y, int* value, const char* label = "")
{
    if (!content_pass()) return;
    View_Area_Add_Check_Box(area, kCheckX, y + kTextDrop, cp850(label), FONT_SMALL, BLACK_CI, value, &Editable);
}

// A clause with one check box: two rows, the second 23 high when the
// explanation has a second line, else 18.
int check_clause(unsigned area, int y, const char* clause1, const char* clause2, const char* label, int* value,
                 const char* expl1, const char* expl2)
{
    const int next = row(area, y, 23, clause1, nullptr, expl1);
    check(area, y, value, label);
    return row(area, next, expl2 ? 23 : 18, clause2, nullptr, expl2);
}

// A partial-factor row: gamma with the subscript M, its field, the
// explanation. The clause of the first row, the table's number, is in the
// small font so that it ends before the gamma.
int gamma_row(unsigned area, int y, const char* clause, double* value, const char* explanation)
{
    const int next = row(area, y, 18, nullptr, nullptr, explanation, 0);
    if (content_pass()) {
        if (clause) View_Area_Add_Text(area, 10, y, clause, FONT_SMALL, BLACK_CI, 0);
        symbol(area, 67, y, "\xC0", "M");
        field(area, 136, y, value, "%5.2f");
    }
    return next;
}

void clause_rows(unsigned area, int y, NadEc5Record* r)
{
    int z = y + 65;
    z = check_clause(area, z, "2.3.1.2", "(2)P", "Tabelle NA.1 anwenden", &r->use_table_na1,
                     "Zuordnung von Einwirkungen zu", "Klassen der Lasteinwirkungsdauer");
    z = row(area, z, 33, "2.4.1", nullptr, "Teilsicherheitsbeiwerte");
    struct Gamma {
        const char* clause;
        double* value;
        const char* text;
    } const gammas[] = {
        {"Tab. 2.3", &r->gamma_m_solid, "Vollholz"},
        {nullptr, &r->gamma_m_glulam, "Brettschichtholz"},
        {nullptr, &r->gamma_m_clt, "Brettsperrholz"},
        {nullptr, &r->gamma_m_lvl, "LVL, Sperrholz, OSB"},
        {nullptr, &r->gamma_m_particleboard, "Spanplatten"},
        {nullptr, &r->gamma_m_hardboard, "Harte Faserplatten"},
        {nullptr, &r->gamma_m_mediumboard, "Mittelharte Faserplatten"},
        {nullptr, &r->gamma_m_mdf, "MDF-Faserplatten"},
        {nullptr, &r->gamma_m_softboard, "Weiche Faserplatten"},
        {nullptr, &r->gamma_m_connections, "Verbindungen"},
        {nullptr, &r->gamma_m_nail_plates, "Nagelplatten"},
        {nullptr, &r->gamma_m_accidental, "Außergewöhnliche Kombinationen"},
    };
    for (const Gamma& g : gammas) z = gamma_row(area, z, g.clause, g.value, g.text);

    if (r->na_de) {
        z = gamma_row(area, z, nullptr, &r->gamma_m_steel, "Stahl in Verbindungen");
        z = gamma_row(area, z, nullptr, &r->gamma_m_gypsum, "Gipskarton, etc.");
        z = Ec5_Editor_Row(area, z, -10, nullptr, nullptr, nullptr, FONT_NORMAL);
        z = check_clause(area, z, "3.1.3", nullptr, "Tabelle NA.4 anwenden", &r->use_table_na4, "Modifikationsbeiwerte",
                         nullptr);
        z = check_clause(area, z, "8.3.2", nullptr, "Tabelle NA.15 anwenden", &r->use_table_na15,
                         "fax, fhead für profilierte Nägel", nullptr);
        z = check_clause(area, z, "8.3.1.2", "(2)P", "NA.11 anwenden", &r->use_na11, "Holz-Holz-Nagelverbindungen",
                         "Einschlagtiefen > 4 d");
        // k_cr by the German annex: the box shows k_cr_mode 2 and sets it.
        const int kcr = z;
        z = row(area, z, 23, "6.1.7", nullptr, "GZT: Schub");
        if (content_pass()) {
            View_Area_Add_Text(area, kCheckX, kcr + kTextDrop, "k", FONT_SMALL, BLACK_CI, 0);
            View_Area_Add_Text(area, kCheckX, kcr + kTextDrop, "   cr nach NA-DE anwenden", FONT_SMALL, BLACK_CI, 0);
            check(area, kcr, &KcrNaDe);
            View_Area_Set_Change_Callback(area, Ec5_Editor_Kcr_Toggle);
        }
        z = row(area, z, 18, "(2)", nullptr, nullptr);
        z = check_clause(area, z, "8.5.3", "(2)", "Gewindestangen nach NA-DE", &r->threaded_rods_na,
                         "Gewindestangen zulassen", nullptr);
        z = check_clause(area, z, "6.3.3", "(7)", "Biegedrillknicken nach NA-DE", &r->ltb_na, "Biegedrillknicknachweis",
                         nullptr);
        z = check_clause(area, z, "8.2.4", "(1)", "Vereinfachtes Verfahren nach NA-DE", &r->simplified_fasteners_na,
                         "Verbindungsmittel", nullptr);
        z = row(area, z, 33, "9.2.4.2", nullptr, "Wandscheiben Verfahren A");
        struct Na {
            const char* label;
            int* value;
            const char* text;
        } const nas[] = {
            {"NA.20 anwenden", &r->use_na20, "Abminderung d. Tragfähigkeit"},
            {"NA.21 anwenden", &r->use_na21, "Erhöhung d. Tragfähigkeit"},
            {"NA.8.1.6 anwenden", &r->use_na816, "Zugverbindungen"},
            {"NA.8.6 (NA.7) anwenden", &r->use_na7, "Bohrloch Stahlteil"},
        };
        for (const Na& n : nas) {
            const int at = z;
            z = row(area, z, 23, nullptr, nullptr, n.text);
            check(area, at, n.value, n.label);
        }
    } else {
        // The EC rule: k_cr given for solid timber and glulam and for the others.
        z = Ec5_Editor_Row(area, z, -10, nullptr, nullptr, nullptr, FONT_NORMAL);
        z = row(area, z, 33, "6.1.7", nullptr, "GZT: Schub");
        const char* names[2] = {"Voll- und Brettschichtholz", "Andere"};
        double* values[2] = {&r->k_cr_solid, &r->k_cr_other};
        for (int i = 0; i < 2; ++i) {
            const int at = z;
            z = row(area, z, 18, i == 0 ? "(2)" : nullptr, nullptr, names[i], 0);
            if (!content_pass()) continue;
            View_Area_Add_Text(area, 67, at, "k", FONT_NORMAL, BLACK_CI, 0);
            View_Area_Add_Text(area, 75, at + 2, "cr", FONT_SMALL, BLACK_CI, 0);
            field(area, 136, at, values[i], "%5.2f");
        }
    }
}

void clause_table(unsigned area, int y, NadEc5Record* r)
{
    Ec5_Editor_Row(area, y + 34, 11, nullptr, nullptr, nullptr, FONT_NORMAL);
    Ec5_Editor_Row(area, y + 45, 30, "Kapitel", "Parameter", cp850("Erläuterung"), FONT_TITLE);
    View_Area_Add_Line(area, 4, y + 51, kTableRight, y + 51, BLACK_CI);
    for (Pass = 0; Pass < 2; ++Pass) clause_rows(area, y, r);
    Pass = 1;
}

} // namespace

int Ec5_Editor_Row(unsigned area, int y, int height, const char* clause, const char* value_text,
                   const char* explanation, int font)
{
    int next = y + height;
    if (height > 0) {
        const int h = height == 1 ? 2 : height;
        View_Area_Add_Filled_Box(area, 4, y - 10, 56, y + h, colours().cell);
        View_Area_Add_Filled_Box(area, kExplanationX - 6, y - 10, kTableRight, y + h, colours().cell);
        next = y + h;
    }
    if (clause && *clause) View_Area_Add_Text(area, 10, y, clause, font, BLACK_CI, 0);
    if (value_text && *value_text) View_Area_Add_Text(area, 67, y, value_text, font, BLACK_CI, 0);
    if (explanation && *explanation) View_Area_Add_Text(area, kExplanationX, y, explanation, font, BLACK_CI, 0);
    return next;
}

void Ec5_Editor_Picture(int x1, int y1, int x2, int y2, void* strip)
{
    (void)x2;
    (void)y2;
    if (!strip) return;
    const int n = *static_cast<const int*>(strip);
    if (n < 1 || n > 9) return;
    const Strip& s = kStrips[n];
    pxDrawPartialTransparentDIB(kPictures, 0, s.top, s.width, s.bottom, x1, y1, x1 + s.width, y1 + (s.bottom - s.top),
                                201, -1, 255, 251, 240);
}

void Ec5_Editor_Kcr_Toggle(intptr_t value)
{
    if (Edited) Edited->k_cr_mode = value ? 2 : 1;
}

void Nad_Edit_Ec5(unsigned area, NadEc5Record* record, int editable)
{
    Nad_Ec5_Relevance();
    const int* shown = Ec5RelevanceFlags;
    Edited = record;
    Editable = editable ? 1 : 0;
    View_Area_Clear(area);
    if (!record) {
        View_Area_Show(area);
        return;
    }
    KcrFieldsActive = Editable && record->k_cr_mode == 1 ? 1 : 0;
    KcrNaDe = record->k_cr_mode == 2 ? 1 : 0;

    int y = 20;
    if (shown[0]) {
        View_Area_Add_Text(area, 6, 20, cp850("Parameter für alle zorv-Stabwerksprogramme"), 0x21004, BLACK_CI, 0);
        y = 45;
    }
    struct Section {
        int group;
        const char* title;
        Content content;
    } const sections[] = {
        {1, "Materialsicherheitsbeiwerte", partial_factors},
        {2, "Modifikationsbeiwerte", modification},
        {3, "Verformungsbeiwerte", deformation},
        {4, "Verformungsgrenzwerte", deflection_limits},
        {5, "Tragfähigkeit: Rissfaktor", crack_factor},
        {8, "Tragfähigkeit: Nachweis der Torsionsspannungen", torsion},
        {6, "Gebrauchstauglichkeit: 3. Teilnachweis", net_deflection},
        {0, "Biegedrillknicken: Berechnung der bezogenen Kippschlankheit", lateral_torsional},
    };
    for (const Section& s : sections) {
        if (!shown[s.group]) continue;
        section_bar(area, y, s.title, &Expanded[s.group]);
        y += Expanded[s.group] ? s.content(area, y, record) : 25;
    }
    if (shown[7]) {
        View_Area_Add_Filled_Box(area, 4, y + 2, kTableRight, y + 21, colours().bar);
        View_Area_Add_Check_Box(area, 26, y + 15, "EN 1995-1-1 (Eurocode 5, Grundnorm)", FONT_TITLE, BLACK_CI,
                                &Expanded[7], always_active());
        if (Expanded[7]) clause_table(area, y, record);
    }
    View_Area_Show(area);
}
