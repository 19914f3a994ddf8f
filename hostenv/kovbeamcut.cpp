// Result rows of the force-selection tool and the cut store they share.
#include "hostenv/kovbeamcut.h"

#include "base/kovmem.h"
#include "base/kovtxt.h"
#include "platform/kovcp.h"
#include "platform/kovhost.h"
#include "platform/kovpath.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <strings.h>
#include <unistd.h>

namespace {

// The cut store shared by every reader of multi-cut results.
struct CutStore {
    int count = 0;
    KovExportObject* objects[16] = {};
    int rows[BEAMCUT_MAX_CUTS] = {};
    const BeamCutRowSet* owner = nullptr;
};
CutStore g_cuts;

// The library's own rows and its last component.
BeamCutRowSet g_rows = {nullptr, 0, 0, 0, 0};
KovComponentSelection g_last;
bool g_has_last = false;

const char* kToolTitle() { return cp1252("KOV - Schnittgrößenauswahl"); }
const int kToolTitleLength = 26;

char* copy_text(const char* buf, int len)
{
    if (len <= 0) return nullptr;
    char* s = static_cast<char*>(std::malloc(size_t(len) + 1));
    if (!s) return nullptr;
    std::memcpy(s, buf, size_t(len));
    s[len] = 0;
    return s;
}

void free_row(BeamCutResultRow* r)
{
    std::free(r->values);
    std::free(r->text);
    std::free(r->text2);
    for (char*& t : r->info) std::free(t);
    std::memset(r, 0, sizeof *r);
}

// A text of a row: -1 when no guillemet string follows (the row is damaged),
// else *out = the text or NULL for an empty one (or when memory runs out with
// *failed set).
int read_text(FILE* f, char** out, bool* failed)
{
    char buf[BEAMCUT_TEXT_SIZE];
    int len = Txt_Read_Guillemets255(f, buf);
    if (len < 0) return -1;
    *out = copy_text(buf, len);
    if (len > 0 && !*out) *failed = true;
    return len;
}

// Reads count rows of vpr values into set. The row array grows with the rows
// actually read, so a count that the file does not hold costs no memory.
// set->row_count is the number of rows allocated so far.
bool read_rows(FILE* f, int count, int vpr, BeamCutRowSet* set, int* nonfinite_row)
{
    int capacity = 0;
    for (int r = 0; r < count; ++r) {
        if (r == capacity) {
            int grown = capacity == 0 ? (count < 16 ? count : 16) : (capacity > count / 2 ? count : capacity * 2);
            void* p = std::realloc(set->rows, sizeof(BeamCutResultRow) * size_t(grown));
            if (!p) return false;
            set->rows = static_cast<BeamCutResultRow*>(p);
            std::memset(set->rows + capacity, 0, sizeof(BeamCutResultRow) * size_t(grown - capacity));
            capacity = grown;
        }
        BeamCutResultRow* row = &set->rows[r];
        set->row_count = r + 1;
        row->values = static_cast<float*>(std::calloc(size_t(vpr), sizeof(float)));
        if (!row->values) return false;
        for (int v = 0; v < vpr; ++v)
            if (std::fscanf(f, "%f", &row->values[v]) != 1) return false;
        if (std::fscanf(f, "%d%f", &row->id, &row->value) != 2) return false;
        // "%f" takes "nan" and "inf" (and overflows to inf): such a force is
        // no force, and a file holding one is refused with its row named.
        bool finite = std::isfinite(row->value);
        for (int v = 0; v < vpr; ++v) finite = finite && std::isfinite(row->values[v]);
        if (!finite) {
            *nonfinite_row = r + 1;
            return false;
        }
        bool failed = false;
        if (read_text(f, &row->text, &failed) < 0 || failed) return false;
        if (read_text(f, &row->text2, &failed) < 0 || failed) return false;
    }
    return true;
}

const BeamCutResultRow* lib_row(int row) { return BeamCut_Row_Set_Row(&g_rows, row); }

void offer_or_choose_component(const KovComponentSelection* given, const KovComponentSelection** chosen)
{
    *chosen = nullptr;
    if (given) {
        BeamCut_Set_Last_Component(given);
        *chosen = &g_last;
        return;
    }
    if (g_has_last) {
        char line[64];
        std::snprintf(line, sizeof line, "(%s)", g_last.name);
        Init_Message();
        Fill_Message("Gleiches Bauteil");
        Fill_Message(line);
        Fill_Message("wie zuvor?");
        if (Answer_is_Yes(1)) {
            *chosen = &g_last;
            return;
        }
    }
    const KovComponentSelection* c = Kov_Select_Component(3);
    if (!c) return;
    BeamCut_Set_Last_Component(c);
    *chosen = &g_last;
}

void tell_tool_is_open()
{
    Init_Message();
    Fill_Message(cp850("Das KOV-Werkzeug zur Auswahl von Schnittgrößen-"));
    Fill_Message(cp850("sätzen ist bereits aktiv. Bitte schließen Sie"));
    Fill_Message("das Fenster und versuchen es erneut.");
    Draw_Message();
}

FILE* open_result_file()
{
    const char* name = BeamCut_Result_File_Name();
    return name ? Kov_Fopen(name, "rb") : nullptr;
}

} // namespace

// ---- the shared reader ------------------------------------------------------------

void BeamCut_Free_Row_Set(BeamCutRowSet* set)
{
    if (!set) return;
    if (set->rows)
        for (int r = 0; r < set->row_count; ++r) free_row(&set->rows[r]);
    std::free(set->rows);
    set->rows = nullptr;
    set->row_count = 0;
    set->values_per_row = 0;
    set->ok = 0;
    set->nonfinite_row = 0;
}

const BeamCutResultRow* BeamCut_Row_Set_Row(const BeamCutRowSet* set, int row)
{
    if (!set || !set->ok || !set->rows || row < 0 || row >= set->row_count) return nullptr;
    return &set->rows[row];
}

int BeamCut_Read_Multi_Result(FILE* f, int n, BeamCutRowSet* set)
{
    BeamCut_Free_Row_Set(set);
    BeamCut_Clear_Cuts();
    if (!f || !set || n < 1 || n > BEAMCUT_MAX_CUTS) return 0;

    int scratch = 0, count = 0, total = 0, nonfinite_row = 0;
    bool ok = Txt_Find_Keyword_Int("MULTICUT", f, &scratch) && std::fscanf(f, "%d", &count) == 1 && count == n;
    if (ok) {
        for (int i = 0; i < n; ++i) {
            g_cuts.objects[i] = Kxp_Read_Object(f);
            g_cuts.count = i + 1;
        }
        ok = Txt_Find_Keyword_Int("RESULTS", f, nullptr) != 0;
    }
    for (int i = 0; ok && i < n; ++i) {
        int rows = 0;
        if (std::fscanf(f, "%d", &rows) != 1 || rows < 0 || rows > INT_MAX - total) {
            ok = false;
            break;
        }
        g_cuts.rows[i] = rows;
        total += rows;
    }
    if (ok && total > 0) {
        set->values_per_row = 6 * n;
        ok = read_rows(f, total, set->values_per_row, set, &nonfinite_row);
    } else {
        ok = false;
    }
    if (!ok) {
        BeamCut_Free_Row_Set(set);
        BeamCut_Clear_Cuts();
        set->nonfinite_row = nonfinite_row;
        return 0;
    }
    set->ok = 1;
    g_cuts.owner = set;
    return set->row_count;
}

int BeamCut_Read_Single_Result(FILE* f, BeamCutRowSet* set)
{
    BeamCut_Free_Row_Set(set);
    if (!f || !set) return 0;
    int version = 0, count = 0, vpr = 0;
    if (std::fscanf(f, " V:%d", &version) != 1) return 0;
    if (std::fscanf(f, "%d%d", &count, &vpr) != 2 || count <= 0 || vpr <= 0 || vpr > BEAMCUT_MAX_VALUES) return 0;
    set->values_per_row = vpr;
    int nonfinite_row = 0;
    if (!read_rows(f, count, vpr, set, &nonfinite_row)) {
        BeamCut_Free_Row_Set(set);
        set->nonfinite_row = nonfinite_row;
        return 0;
    }
    set->ok = 1;

    int declared = 0;
    if (std::fscanf(f, "%d Info", &declared) == 1 && declared == count) {
        bool failed = false;
        for (int r = 0; r < count; ++r) {
            for (int j = 0; j < 5; ++j) {
                // A missing text ends the info texts; the rows stay valid.
                if (read_text(f, &set->rows[r].info[j], &failed) < 0 || failed) return count;
            }
        }
    }
    return count;
}

int BeamCut_Store_Cut_Count() { return g_cuts.count; }

KovExportObject* BeamCut_Store_Cut_Object(int i) { return i >= 0 && i < g_cuts.count ? g_cuts.objects[i] : nullptr; }

int BeamCut_Store_Cut_Rows(int i) { return i >= 0 && i < g_cuts.count ? g_cuts.rows[i] : 0; }

const BeamCutRowSet* BeamCut_Store_Owner() { return g_cuts.count > 0 ? g_cuts.owner : nullptr; }

void BeamCut_Clear_Cuts()
{
    for (KovExportObject*& o : g_cuts.objects) {
        if (o) Kxp_Free_Object(o);
        o = nullptr;
    }
    for (int& r : g_cuts.rows) r = 0;
    g_cuts.count = 0;
    g_cuts.owner = nullptr;
}

// ---- running the tool ---------------------------------------------------------------

const char* BeamCut_Result_File_Name()
{
    static std::string name;
    const char* temp = KOVGetEnv("TEMP");
    if (!temp) return nullptr;
    name = std::string(temp) + "\\Krawahl.res";
    return name.c_str();
}

int BeamCut_Run_Tool(const KovComponentSelection* component, int a, int b, int c, int d, int with_cuts, int n,
                     char* const* cut_ids)
{
    if (!component) return 0;
    if (with_cuts && (n < 0 || n > BEAMCUT_MAX_CUTS || (n > 0 && !cut_ids))) return 0;
    const char* temp = KOVGetEnv("TEMP");
    if (!temp) return 0;

    std::string exchange;
    bool unpacked = false;
    if (component->packed) {
        if (Kov_Unpack_7za(component->archive, "AAAA.EX2", temp) != 0) return 0;
        exchange = std::string(temp) + "\\AAAA.EX2";
        unpacked = true;
    } else {
        exchange = std::string(component->path) + ".EX2";
    }
    auto drop_exchange = [&]() {
        if (unpacked) KOVRemoveFile(exchange.c_str(), 0);
    };

    if (FindKOVWindow(kToolTitle(), kToolTitleLength)) {
        drop_exchange();
        return -1;
    }
    const char* exec = KOVGetEnv("EXEC");
    if (!exec) {
        drop_exchange();
        return 0;
    }
    const std::string program = std::string(exec) + "\\Krawahl.exe";

    char numbers[5][16];
    const int values[5] = {a, b, c, d, n};
    for (int i = 0; i < 5; ++i) std::snprintf(numbers[i], sizeof numbers[i], "%d", values[i]);
    std::vector<const char*> argv{program.c_str(), exchange.c_str(), numbers[0], numbers[1], numbers[2], numbers[3]};
    if (with_cuts && n != 0) {
        argv.push_back(numbers[4]);
        for (int i = 0; i < n; ++i) argv.push_back(cut_ids[i] ? cut_ids[i] : "");
    }
    argv.push_back(nullptr);

    // A result left from an earlier run must not pass for this one.
    KOVRemoveFile(BeamCut_Result_File_Name(), 0);
    std::fflush(nullptr);
    const int pid = KOVSpawnv(2, program.c_str(), argv.data());
    if (pid < 0) {
        drop_exchange();
        return 0;
    }
    Kov_Wait_For_Tool(kToolTitle(), kToolTitleLength, cp850("Bitte wählen Sie Schnittgrößen aus"), 34, 110, pid);
    drop_exchange();
    return 1;
}

const KovComponentSelection* BeamCut_Last_Component() { return g_has_last ? &g_last : nullptr; }

void BeamCut_Set_Last_Component(const KovComponentSelection* component)
{
    if (!component) {
        g_has_last = false;
        std::memset(&g_last, 0, sizeof g_last);
        return;
    }
    if (component != &g_last) g_last = *component;
    g_has_last = true;
}

// ---- the library's imports ----------------------------------------------------------

int Import_BeamCutMultiResults0(KovComponentSelection* component, int a, int b, int c, int d, int n,
                                char* const* cut_ids)
{
    BeamCut_Clear_Import();
    if (n > BEAMCUT_MAX_CUTS) {
        Console_Printf("Import_BeamCutMultiResults0: n=%d ? to much :-(\n", n);
        return 0;
    }
    // Without cuts no result could be read: the tool is not started at all.
    if (n <= 0 || !KOVGetEnv("TEMP")) return 0;
    const KovComponentSelection* chosen = nullptr;
    offer_or_choose_component(component, &chosen);
    if (!chosen) return 0;

    int ran = BeamCut_Run_Tool(chosen, a, b, c, d, 1, n, cut_ids);
    if (ran < 0) tell_tool_is_open();
    if (ran != 1) return 0;

    FILE* f = open_result_file();
    if (!f) return 0;
    int rows = BeamCut_Read_Multi_Result(f, n, &g_rows);
    std::fclose(f);
    return rows;
}

int Import_BeamCutMultiResults_Choose(int a, int b, int c, int d, int n, char* const* cut_ids)
{
    return Import_BeamCutMultiResults0(nullptr, a, b, c, d, n, cut_ids);
}

int Import_BeamCutResults(KovComponentSelection* component, int a, int b, int c, int d)
{
    BeamCut_Free_Results();
    if (!KOVGetEnv("TEMP")) return 0;
    const KovComponentSelection* chosen = nullptr;
    offer_or_choose_component(component, &chosen);
    if (!chosen) return 0;

    int ran = BeamCut_Run_Tool(chosen, a, b, c, d, 0, 0, nullptr);
    if (ran < 0) tell_tool_is_open();
    if (ran != 1) return 0;

    FILE* f = open_result_file();
    if (!f) return 0;
    int rows = BeamCut_Read_Single_Result(f, &g_rows);
    std::fclose(f);
    return rows;
}

int Import_BeamCutResults_Choose(int a, int b, int c, int d) { return Import_BeamCutResults(nullptr, a, b, c, d); }

int BeamCut_Tool_Available()
{
    const char* exec = KOVGetEnv("EXEC");
    if (!exec) return 0;
    const std::string program = std::string(exec) + "\\Krawahl.exe";
    if (::access(Kov_Path(program.c_str()).c_str(), X_OK) == 0) return 1;
    const std::string bare = std::string(exec) + "\\Krawahl";
    return ::access(Kov_Path(bare.c_str()).c_str(), X_OK) == 0 ? 1 : 0;
}

int BeamCut_Get_Row_Values(int row, float* out)
{
    const BeamCutResultRow* r = lib_row(row);
    if (!r || !out) return 0;
    std::memcpy(out, r->values, sizeof(float) * size_t(g_rows.values_per_row));
    return 1;
}

int BeamCut_Get_Row_Id(int row)
{
    const BeamCutResultRow* r = lib_row(row);
    return r ? r->id : 0;
}

float BeamCut_Get_Row_Value(int row)
{
    const BeamCutResultRow* r = lib_row(row);
    return r ? r->value : 0.0f;
}

char* BeamCut_Get_Row_Text(int row)
{
    const BeamCutResultRow* r = lib_row(row);
    return r ? r->text : nullptr;
}

char* BeamCut_Get_Row_Text2(int row)
{
    const BeamCutResultRow* r = lib_row(row);
    return r ? r->text2 : nullptr;
}

static char* info_of(int row, int j)
{
    const BeamCutResultRow* r = lib_row(row);
    return r ? r->info[j] : nullptr;
}

char* BeamCut_Get_Row_Info1(int row) { return info_of(row, 0); }
char* BeamCut_Get_Row_Info2(int row) { return info_of(row, 1); }
char* BeamCut_Get_Row_Info3(int row) { return info_of(row, 2); }
char* BeamCut_Get_Row_Info4(int row) { return info_of(row, 3); }
char* BeamCut_Get_Row_Info5(int row) { return info_of(row, 4); }

KovExportObject* BeamCut_Get_Cut_Object(int i)
{
    if (!g_rows.ok || BeamCut_Store_Owner() != &g_rows) return nullptr;
    return BeamCut_Store_Cut_Object(i);
}

int BeamCut_Get_Cut_Count(int i)
{
    if (!g_rows.ok || BeamCut_Store_Owner() != &g_rows) return 0;
    return BeamCut_Store_Cut_Rows(i);
}

const char* BeamCut_Get_Component_Name() { return g_has_last ? g_last.path : nullptr; }

void BeamCut_Free_Results() { BeamCut_Free_Row_Set(&g_rows); }

void BeamCut_Clear_Import()
{
    BeamCut_Free_Results();
    BeamCut_Clear_Cuts();
}

void BeamCut_Reset()
{
    BeamCut_Clear_Import();
    BeamCut_Set_Last_Component(nullptr);
}
