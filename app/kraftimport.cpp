// The run of the force-selection tool with the program's own store of rows,
// and the import of its rows into load combinations, timber grades and
// cross-sections.
#include "app/kraftimport.h"

#include <QStringList>

#include <cmath>
#include <cstdio>
#include <vector>

#include "app/nelu52ask.h"
#include "app/nelu52data.h"
#include "base/kovmem.h"
#include "hostenv/kovexputil.h"
#include "materials/holzgueten.h"
#include "platform/kovcp.h"
#include "platform/kovhost.h"
#include "platform/kovmath.h"
#include "platform/kovpath.h"

namespace {

// The program's rows; the cut store of the host library belongs to them after
// a successful multi-cut read.
BeamCutRowSet g_rows = {nullptr, 0, 0, 0, 0};

// The transformations of the two cuts stay allocated from one import to the
// next and are rebuilt by each.
KxpTrafoArray* g_trafos = nullptr;

const BeamCutResultRow* row_of(int row) { return BeamCut_Row_Set_Row(&g_rows, row); }

bool store_is_ours() { return g_rows.ok && BeamCut_Store_Owner() == &g_rows; }

// The component for a run: the given one, the last one after the question, or
// one chosen in the component-selection tool. NULL when none was chosen.
const KovComponentSelection* choose_component(KovComponentSelection* given, bool with_name)
{
    if (given) {
        BeamCut_Set_Last_Component(given);
        return BeamCut_Last_Component();
    }
    if (const KovComponentSelection* last = BeamCut_Last_Component()) {
        QString text;
        if (with_name) {
            char name[sizeof last->name + 1];
            std::snprintf(name, sizeof name, "%.*s", int(sizeof last->name), last->name);
            text = QString::fromUtf8("Gleiches Bauteil ") + "(" + qstring_from_cp850(name) + ")" +
                   QString::fromUtf8(" wie zuvor?");
        } else {
            text = QString::fromUtf8("Gleiches Bauteil wie zuvor?");
        }
        if (Nelu52_Ask(NELU52_ICON_INFO, QStringLiteral("Bauteil"), text, NELU52_YES | NELU52_NO, NELU52_NO) ==
            NELU52_YES)
            return last;
    }
    const KovComponentSelection* chosen = Kov_Select_Component(3);
    if (!chosen) return nullptr;
    BeamCut_Set_Last_Component(chosen);
    return BeamCut_Last_Component();
}

FILE* open_result()
{
    const char* name = BeamCut_Result_File_Name();
    return name ? Kov_Fopen(name, "rb") : nullptr;
}

const char* info_of(int row, int k)
{
    const BeamCutResultRow* r = row_of(row);
    return r ? r->info[k] : nullptr;
}

} // namespace

// ---- the run of the tool --------------------------------------------------------------

int Qt_Import_BeamCutMultiResults(KovComponentSelection* component, int a, int b, int c, int d, int n,
                                  char* const* cut_ids)
{
    // A new run forgets the rows and the cut objects of the last one.
    import_reset();
    if (n > BEAMCUT_MAX_CUTS) {
        Console_Printf("Import_BeamCutMultiResults0: n=%d ? to much :-(\n", n);
        return 0;
    }
    if (n < 1 || !KOVGetEnv("TEMP")) return 0;
    const KovComponentSelection* chosen = choose_component(component, true);
    if (!chosen) return 0;

    const int ran = BeamCut_Run_Tool(chosen, a, b, c, d, 1, n, cut_ids);
    if (ran < 0) {
        Init_Message();
        Fill_Message(cp850("Das KOV-Werkzeug zur Auswahl von Schnittgrößen-"));
        Fill_Message(cp850("sätzen ist bereits aktiv. Bitte schließen Sie"));
        Fill_Message("das Fenster und versuchen es erneut.");
        Draw_Message();
    }
    if (ran != 1) return 0;

    FILE* f = open_result();
    if (!f) return 0;
    const int rows = BeamCut_Read_Multi_Result(f, n, &g_rows);
    std::fclose(f);
    return g_rows.ok ? rows : 0;
}

int Qt_Import_BeamCutMultiResults_Select(int a, int b, int c, int d, int n, char* const* cut_ids)
{
    return Qt_Import_BeamCutMultiResults(nullptr, a, b, c, d, n, cut_ids);
}

int Qt_Import_BeamCutResults(KovComponentSelection* component, int a, int b, int c, int d)
{
    import_reset();
    if (!KOVGetEnv("TEMP")) return 0;
    const KovComponentSelection* chosen = choose_component(component, false);
    if (!chosen) return 0;

    const int ran = BeamCut_Run_Tool(chosen, a, b, c, d, 0, 0, nullptr);
    if (ran < 0)
        Nelu52_Ask(NELU52_ICON_INFO, QStringLiteral("Info"),
                   QString::fromUtf8("Das KOV-Werkzeug zur Auswahl von Schnittgrößen-\n"
                                     "sätzen ist bereits aktiv. Bitte schließen Sie\n"
                                     "das Fenster und versuchen es erneut."));
    if (ran != 1) return 0;

    FILE* f = open_result();
    if (!f) return 0;
    const int rows = BeamCut_Read_Single_Result(f, &g_rows);
    std::fclose(f);
    return g_rows.ok ? rows : 0;
}

int Qt_Import_BeamCutResults_Select(int a, int b, int c, int d)
{
    return Qt_Import_BeamCutResults(nullptr, a, b, c, d);
}

// ---- the store --------------------------------------------------------------------------

int import_row_count() { return g_rows.ok ? g_rows.row_count : 0; }

int import_values_per_row() { return g_rows.ok ? g_rows.values_per_row : 0; }

KovExportObject* import_cut_object(int i) { return store_is_ours() ? BeamCut_Store_Cut_Object(i) : nullptr; }

int import_cut_rows(int i) { return store_is_ours() ? BeamCut_Store_Cut_Rows(i) : 0; }

int import_row_values(int row, float* out)
{
    const BeamCutResultRow* r = row_of(row);
    if (!r || !out || !r->values) return 0;
    for (int k = 0; k < g_rows.values_per_row; ++k) out[k] = r->values[k];
    return 1;
}

int import_row_id(int row)
{
    const BeamCutResultRow* r = row_of(row);
    return r ? r->id : 0;
}

float import_row_value(int row)
{
    const BeamCutResultRow* r = row_of(row);
    return r ? r->value : 0.0f;
}

const char* import_row_text(int row)
{
    const BeamCutResultRow* r = row_of(row);
    return r ? r->text : nullptr;
}

const char* import_row_text2(int row)
{
    const BeamCutResultRow* r = row_of(row);
    return r ? r->text2 : nullptr;
}

const char* import_row_info1(int row) { return info_of(row, 0); }
const char* import_row_info2(int row) { return info_of(row, 1); }
const char* import_row_info3(int row) { return info_of(row, 2); }
const char* import_row_info4(int row) { return info_of(row, 3); }
const char* import_row_info5(int row) { return info_of(row, 4); }

void import_free_rows() { BeamCut_Free_Row_Set(&g_rows); }

void import_reset()
{
    // The cut objects are freed only when they came with these rows: a cut
    // store filled by the library's own import stays its own.
    if (BeamCut_Store_Owner() == &g_rows) BeamCut_Clear_Cuts();
    import_free_rows();
}

// ---- the import into the data object ------------------------------------------------------

void import_material_map(int* kind, int* grade, int n)
{
    int k = 0;
    switch (Mat_Id_Group(n)) {
        case 1:
        case 5: k = 1; break;
        case 2:
        case 6: k = 3; break;
        case 7: k = 2; break;
        case 8: k = 13; break;
        case 9: k = 10; break;
        default: k = 0; break;
    }
    if (kind) *kind = k;
    if (n == 0 || !grade) return;
    const int t = n / 1000, u = n % 1000;
    if ((t == 1 || t == 4) && u <= 11 && n >= 1000)
        *grade = u;
    else if ((t == 3 || t == 6) && u <= 7)
        *grade = u;
    else if (t == 7 && u <= 13)
        *grade = u;
    else if ((t == 2 || t == 5) && u <= 7) {
        // Hardwood numbers begin with D30; D18 and D24 come last.
        static const int hardwood[8] = {2, 3, 4, 5, 6, 7, 0, 1};
        *grade = hardwood[u];
    } else
        *grade = 5;
}

namespace {

// Grades the window lists for a kind; 0 for a kind without a button.
int grade_count(int kind)
{
    switch (kind) {
        case 0: return 12; // C14 .. C50
        case 1: return 8;  // D18 .. D70
        case 2: return 14; // GL20h .. GL32h, GL20c .. GL32c
        case 3: return 8;  // GL24h (BS11) .. GL36c (BS18)
        default: return 0;
    }
}

// A host dimension in cm as the window's whole millimetres: the cm cut to a
// whole number toward zero, times ten (12.99 cm gives 120 mm). The tiny
// allowance keeps a value written as 19.9999999 for 20 cm at 200 mm.
bool dimension_mm(double cm, int lo, int hi, int* mm)
{
    if (!(cm > 0.0) || cm > 1.0e6) return false;
    const double v = 10.0 * std::floor(cm + 1e-7);
    if (v < lo || v > hi) return false;
    *mm = int(v);
    return true;
}

bool rotated(double rad, QString* deg)
{
    const double a = rad * KOV_RAD_TO_DEG;
    *deg = QString::number(a, 'f', 1);
    return a >= 5.0 && !(a >= 175.0 && a <= 185.0);
}

struct Member {
    KxpBeamCutInfo info;
    bool material_ok = false;
    int kind = 0, grade = 5;
};

using Messages = KraftImportTexts;

// The rows of both cuts after the tool's run, carried into the joint's systems.
struct CutForces {
    bool transformed = false;
    int rows = 0, rows_st = 0, rows_sw = 0;
    std::vector<double> forces; // cut-major: cut c, row r at (c * rows + r) * 6
    Member st, sw;
};

// Runs the tool for the strut and the sill's chosen cut face and carries
// every row's forces of both cuts into the joint's systems.
CutForces read_transformed_cuts(const NELU52_DATA& d, Messages* msg)
{
    CutForces cf;
    // Cut 0 is the strut, cut 1 the sill at the chosen cut face.
    char strebe[] = "Strebe";
    char links[] = "Schwelle linkes Schnittufer";
    char rechts[] = "Schwelle rechtes Schnittufer";
    char* cuts[2] = {strebe, d.linkes_schnittufer == 1 ? links : rechts};

    if (Qt_Import_BeamCutMultiResults_Select(1000, 36927, 0, 1, 2, cuts) < 1) {
        // Counted like the rows of the other messages, from 0.
        if (g_rows.nonfinite_row > 0)
            msg->fehler += QStringLiteral("Fehler in Zeile ") + QString::number(g_rows.nonfinite_row - 1) +
                           QString::fromUtf8(", Schnittgröße ist keine Zahl!\n Import abgebrochen\n");
        return cf;
    }
    KovExportObject* obj[2] = {import_cut_object(0), import_cut_object(1)};
    KxpJointSystems systems;
    const int which[2] = {1, 0}; // the strut into its own system, the sill into the sill's
    if (!obj[0] || !obj[1]) {
        msg->info += QStringLiteral("  Import fehlgeschlagen\n");
        return cf;
    }
    if (import_values_per_row() != 12 || !Kxp_Make_Joint_Systems(obj[0], obj[1], &systems) ||
        !Kxp_Trafo_Array_Build(&systems, obj, which, 2, &g_trafos) || g_trafos->count != 2) {
        msg->info += QString::fromUtf8("  Fehler bei der Berechnung der Transformationen !!!\n");
        return cf;
    }
    QString deg;
    if (rotated(g_trafos->items[0].angles[2], &deg))
        msg->hinweise +=
            QString::fromUtf8("Hinweis! Achse n des linken Rand ist um ") + deg + QString::fromUtf8("° verdreht\n");
    if (rotated(g_trafos->items[1].angles[2], &deg))
        msg->hinweise +=
            QString::fromUtf8("Hinweis! Achse n des rechten Rand ist um ") + deg + QString::fromUtf8("° verdreht\n");

    Kxp_Get_BeamCut_Info(obj[0], &cf.st.info);
    Kxp_Get_BeamCut_Info(obj[1], &cf.sw.info);

    cf.rows = import_row_count();
    cf.rows_st = import_cut_rows(0);
    cf.rows_sw = import_cut_rows(1);
    cf.forces.assign(size_t(cf.rows) * 12, 0.0);
    float v[12];
    double in[12];
    for (int r = 0; r < cf.rows; ++r) {
        if (!import_row_values(r, v)) continue;
        for (int k = 0; k < 12; ++k) in[k] = v[k];
        Kxp_Trafo_Apply(g_trafos, in, in);
        for (int c = 0; c < 2; ++c)
            for (int k = 0; k < 6; ++k) cf.forces[(size_t(c) * cf.rows + r) * 6 + k] = in[6 * c + k];
    }
    cf.transformed = true;
    return cf;
}

// The rows of the strut's and the sill's part of a result of rows rows:
// impossible counts count as none. True when both parts have the same count.
bool row_split(int rows, int* rows_st, int* rows_sw)
{
    if (*rows_st < 0 || *rows_sw < 0 || *rows_st > rows || *rows_sw > rows - *rows_st) *rows_st = *rows_sw = 0;
    return *rows_st == *rows_sw;
}

// The combinations: the k-th row of the strut's part with the k-th row of the
// sill's part, from the forces in the joint's systems (cut-major, six per cut
// and row) and the rows' names, ids and k_mod in the store. False when the two
// parts have different row counts (the import is then broken off).
bool load_combinations(const std::vector<double>& forces, int rows, QVector<LoadCase>* neu, Messages* msg)
{
    int rows_st = import_cut_rows(0), rows_sw = import_cut_rows(1);
    const bool same = row_split(rows, &rows_st, &rows_sw);
    for (int r = 0; r < rows_st; ++r) {
        const double n = forces[size_t(r) * 6 + 0];
        if (n > 0)
            msg->fehler += QStringLiteral("Fehler in Zeile ") + QString::number(r) +
                           QStringLiteral(", Strebenkraft > 0 (Zugkraft)!\n");
    }
    if (!same) {
        msg->fehler += QStringLiteral("Fehler! ") + QString::number(rows_st) +
                       QStringLiteral(" Zeilen an der Strebe, ") + QString::number(rows_sw) +
                       QStringLiteral(" Zeilen an der Schwelle!\n Import abgebrochen\n");
        return false;
    }
    for (int k = 0; k < rows_st; ++k) {
        const double* fs = &forces[size_t(k) * 6];
        const double* fw = &forces[(size_t(rows) + rows_st + k) * 6];
        LoadCase lc;
        lc.name = qstring_from_cp850(import_row_text2(k));
        lc.nd_strebe = -fs[0];  // compression positive
        lc.nd_schwelle = fw[0]; // along the sill
        lc.md_schwelle = fw[4]; // about the normal of the joint's plane
        lc.vd_schwelle = fw[2]; // across the sill in the joint's plane
        lc.kled = import_row_id(k) != 0 ? 6 : 8;
        lc.kmod = import_row_value(k);
        neu->append(lc);
    }
    return true;
}

// Rows of the class "frei" keep the k_mod of the result file, which the tool
// takes for service classes 1 and 2. In service class 3 they do not follow
// the position's service class: the user is told which k_mod they got.
void free_rows_note(const NELU52_DATA& d, const QVector<LoadCase>& neu, Messages* msg)
{
    if (d.nkl != 3) return;
    int count = 0;
    QStringList kmods;
    for (const LoadCase& lc : neu) {
        if (lc.kled != 8) continue;
        ++count;
        const QString k = QString::number(lc.kmod, 'f', 2);
        if (!kmods.contains(k)) kmods.append(k);
    }
    if (count == 0) return;
    msg->info += QString::fromUtf8("Achtung Nutzungsklasse 3: k_mod der Ergebnisdatei (") +
                 kmods.join(QStringLiteral(", ")) + QString::fromUtf8(") in ") + QString::number(count) +
                 QString::fromUtf8(" Kombination(en) mit KLED \"frei\" übernommen, er folgt nicht der "
                                   "Nutzungsklasse\n");
}

// A member's timber kind and grade from its host material number.
void take_material(const Member& m, const char* wer, int* kind_out, int* grade_out, bool* taken, Messages* msg)
{
    const int number = m.info.ints[3];
    int kind = 0, grade = -1;
    import_material_map(&kind, &grade, number);
    if (grade < 0 && kind == 0) grade = 5; // no grade given: the list's first choice, C24
    if (grade_count(kind) > 0 && grade >= 0 && grade < grade_count(kind)) {
        *kind_out = kind;
        *grade_out = grade;
        *taken = true;
        msg->info += QStringLiteral("Materialdaten importiert\n");
    } else {
        msg->info += QStringLiteral("Material ") + QString::number(number) + " " + QString::fromLatin1(wer) +
                     QString::fromUtf8(" kann nicht übernommen werden\n");
    }
}

// Width and depth of the strut from its cut.
void take_strut_dimensions(const Member& m, NELU52_DATA& d, const KraftImportLimits& lim, KraftImportResult* res,
                           Messages* msg)
{
    const double w = m.info.values[0], h = m.info.values[1];
    int mm = 0;
    if (std::fabs(d.balken_b - 10.0 * w) > 0.5)
        msg->hinweise += QString::fromUtf8("  Achtung Querschnittsbreite hat sich geändert\n");
    if (std::fabs(d.balken_hD - 10.0 * h) > 0.5)
        msg->hinweise += QString::fromUtf8("  Achtung Querschnittshöhe der Strebe hat sich geändert\n");
    if (dimension_mm(w, lim.b_min, lim.b_max, &mm)) {
        d.balken_b = mm;
        res->b = true;
    } else {
        msg->info += QString::fromUtf8("Querschnittsbreite der Strebe (%1 cm) kann nicht übernommen "
                                       "werden\n")
                         .arg(w, 0, 'f', 2);
    }
    if (dimension_mm(h, lim.hD_min, lim.hD_max, &mm)) {
        d.balken_hD = mm;
        res->hD = true;
    } else {
        msg->info += QString::fromUtf8("Querschnittshöhe der Strebe (%1 cm) kann nicht übernommen "
                                       "werden\n")
                         .arg(h, 0, 'f', 2);
    }
}

// Depth of the sill from its cut; then the line for all dimensions taken over.
void take_sill_dimensions(const Member& m, NELU52_DATA& d, const KraftImportLimits& lim, KraftImportResult* res,
                          Messages* msg)
{
    const double h = m.info.values[1];
    int mm = 0;
    if (std::fabs(d.balken_hG - 10.0 * h) > 0.5)
        msg->hinweise += QString::fromUtf8("  Achtung Querschnittshöhe der Schwelle hat sich geändert\n");
    if (dimension_mm(h, lim.hG_min, lim.hG_max, &mm)) {
        d.balken_hG = mm;
        res->hG = true;
    } else {
        msg->info += QString::fromUtf8("Querschnittshöhe der Schwelle (%1 cm) kann nicht übernommen "
                                       "werden\n")
                         .arg(h, 0, 'f', 2);
    }
    if (res->b || res->hD || res->hG) msg->info += QStringLiteral("Querschnittsabmessungen importiert\n");
}

} // namespace

KraftImportTexts& Kraft_Import_Texts()
{
    static KraftImportTexts texts;
    return texts;
}

int Kraft_Import_Schnitte(NELU52_DATA& d, const KraftImportLimits& lim, int* cut_count, std::vector<double>* forces,
                          int* row_count, KraftImportResult* res)
{
    Messages& msg = Kraft_Import_Texts();
    if (row_count) *row_count = 0;
    if (forces) forces->clear();
    const int info_before = msg.info.size(), fehler_before = msg.fehler.size();
    CutForces cf = read_transformed_cuts(d, &msg);
    if (cut_count) *cut_count = 2;
    // Nothing chosen is no failure; a failed read or transformation has left
    // its line.
    if (!cf.transformed) return msg.info.size() == info_before && msg.fehler.size() == fehler_before ? 1 : 0;

    // Strut and sill with different numbers of rows break the import off;
    // the user is told only that, so nothing else is taken over either.
    int rows_st = cf.rows_st, rows_sw = cf.rows_sw;
    const bool broken_off = d.import_zov && cf.rows > 0 && !row_split(cf.rows, &rows_st, &rows_sw);

    // Materials and cross-sections: the strut first, then the sill.
    if (!broken_off) {
        if (d.import_mat) take_material(cf.st, "der Strebe", &d.holzart_st, &d.holzguete_st, &res->material_st, &msg);
        if (d.import_geo) take_strut_dimensions(cf.st, d, lim, res, &msg);
        if (d.import_mat) take_material(cf.sw, "der Schwelle", &d.holzart_sw, &d.holzguete_sw, &res->material_sw, &msg);
        if (d.import_geo) take_sill_dimensions(cf.sw, d, lim, res, &msg);
    }
    if (forces) forces->swap(cf.forces);
    if (row_count) *row_count = cf.rows;
    return 1;
}

void Kraft_Import_Combinations(NELU52_DATA& d, int cut_count, const std::vector<double>& forces, int row_count,
                               KraftImportResult* res)
{
    Messages& msg = Kraft_Import_Texts();
    res->first_new = d.lasten.size();
    QVector<LoadCase> neu;
    bool counts_differ = false;
    if (d.import_zov && row_count > 0 && cut_count > 0 && forces.size() >= size_t(row_count) * 12)
        counts_differ = !load_combinations(forces, row_count, &neu, &msg);

    d.lasten += neu;
    res->appended = neu.size();
    if (counts_differ) {
        res->result = 0;
    } else {
        msg.info += QString::number(res->appended) + QString::fromUtf8(" Schnittgrößenkombinationen importiert\n");
        free_rows_note(d, neu, &msg);
    }

    if (!msg.fehler.isEmpty()) {
        res->title = QStringLiteral("Fehler");
        // Rows with a tensile strut force are appended all the same: say so.
        res->text = counts_differ ? msg.fehler : msg.fehler + msg.info + msg.hinweise;
    } else {
        res->title = QStringLiteral("Info");
        res->text = msg.info + msg.hinweise;
    }
    import_reset();
}

KraftImportResult Kraft_Import_Run(NELU52_DATA& d, const KraftImportLimits& lim)
{
    Messages& msg = Kraft_Import_Texts();
    msg.fehler.clear();
    msg.info.clear();
    msg.hinweise.clear();
    KraftImportResult res;
    int cut_count = 2, rows = 0;
    std::vector<double> forces;
    Kraft_Import_Schnitte(d, lim, &cut_count, &forces, &rows, &res);
    Kraft_Import_Combinations(d, cut_count, forces, rows, &res);
    return res;
}
