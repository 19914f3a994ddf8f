// Wind and snow tables of a national annex: definitions, value sets, the
// variant of the German annex, comparison, copy and release.
#include "nad/nadec1.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/kovmem.h"
#include "platform/kovhost.h"
#include "platform/kovpath.h"
#include "platform/kovreplace.h"

namespace {

// Longest lines of the two file kinds (without the line break).
enum { DEF_LINE = 198, VAL_LINE = 298 };

// More values than any wind or snow table needs; larger counts are refused.
const long long kMaxValues = 100000;

const char* const kStandardSet = "EC-Standardparameter";
const char* const kUserNote = "benutzerdefiniert, editierbar";

// Reads one line of at most n - 2 characters into buf (size n) without its
// line break ("\n" or "\r\n"). The rest of a longer line is passed over, so it
// is never taken for the next line. False at the end of the file.
bool read_line(FILE* f, char* buf, size_t n)
{
    if (!fgets(buf, (int)n, f)) return false;
    size_t len = strlen(buf);
    if (len > 0 && buf[len - 1] == '\n') {
        buf[--len] = '\0';
    } else {
        int c;
        while ((c = fgetc(f)) != EOF && c != '\n') {}
        if (len > n - 2) buf[len = n - 2] = '\0';
    }
    if (len > 0 && buf[len - 1] == '\r') buf[--len] = '\0';
    return true;
}

// Passes over the rest of a word that did not fit its buffer.
void skip_word_rest(FILE* f)
{
    int c;
    while ((c = fgetc(f)) != EOF && c != ' ' && c != '\t' && c != '\n' && c != '\r') {}
    if (c != EOF) ungetc(c, f);
}

// dir of the environment variable var followed by tail, through Kov_Path.
bool env_path(const char* var, const char* tail, std::string* out)
{
    const char* dir = KOVGetEnv(var);
    if (!dir) return false;
    *out = Kov_Path((std::string(dir) + tail).c_str());
    return true;
}

void free_text(char** p) { Mem_Free_Null(reinterpret_cast<void**>(p)); }

void free_table(Ec1Table** slot)
{
    Ec1Table* tb = *slot;
    if (!tb) return;
    free_text(&tb->title);
    free_text(&tb->subtitle);
    free_text(&tb->value_note);
    free_text(&tb->tag);
    Mem_Free_Null(reinterpret_cast<void**>(&tb->values));
    Mem_Free_Null(reinterpret_cast<void**>(slot));
}

long long value_count(const Ec1Table* tb)
{
    if (tb->rows < 0 || tb->columns < 0) return 0;
    return (long long)tb->rows * tb->columns;
}

// Reads one definition after its "#TAB" line into tb; false when the
// definition is incomplete (the table keeps what it has received).
bool read_definition(FILE* f, Ec1Table* tb)
{
    char line[DEF_LINE + 2];
    if (!read_line(f, line, sizeof line)) return false;
    if (!(tb->title = Mem_Strdup(line))) return false;
    if (!read_line(f, line, sizeof line)) return false;
    if (!(tb->subtitle = Mem_Strdup(line))) return false;
    if (fscanf(f, "%d%d%d%d", &tb->x, &tb->y, &tb->layout_1, &tb->layout_2) != 4) return false;
    if (fscanf(f, "%d%d%d%d", &tb->width, &tb->height, &tb->layout_3, &tb->layout_4) != 4) return false;
    char tag[DEF_LINE + 2];
    if (fscanf(f, "%d%d%199s", &tb->columns, &tb->rows, tag) != 3) return false;
    skip_word_rest(f);
    if (!(tb->tag = Mem_Strdup(tag))) return false;
    tb->width -= tb->x;
    tb->height -= tb->y;
    if (tb->rows < 0 || tb->columns < 0 || value_count(tb) > kMaxValues) return false;
    long long n = value_count(tb);
    tb->values = static_cast<double*>(Mem_Realloc(nullptr, (int)((n > 0 ? n : 1) * sizeof(double)), 1));
    return tb->values != nullptr;
}

void empty_table(Ec1Table* tb)
{
    if (!tb) return;
    free_text(&tb->value_note);
    tb->has_values = 0;
}

} // namespace

int Nad_Read_Ec1_Definitions(NadEc1Tables* t)
{
    if (!t) return 0;
    std::string path;
    if (!env_path("DATA", "\\NAD\\WUSL-Tabs.def", &path)) return 0;
    FILE* f = Kov_Fopen(path.c_str(), "r");
    if (!f) return 0;

    // The slots are cleared, not released: a record copied by value may still
    // share the tables defined before.
    memset(t->table_flags, 0, sizeof t->table_flags);
    for (int i = 0; i < NAD_EC1_TABLES; ++i) t->tables[i] = nullptr;

    int built = 0;
    char line[DEF_LINE + 2];
    while (read_line(f, line, sizeof line)) {
        if (strncmp(line, "#TAB", 4) != 0) continue;
        int i = 0;
        if (sscanf(line + 4, "%d", &i) != 1 || i < 1 || i > NAD_EC1_TABLES) continue;
        // A second definition of the same table replaces the first one read here.
        free_table(&t->tables[i - 1]);
        Ec1Table* tb = static_cast<Ec1Table*>(Mem_Realloc(nullptr, sizeof(Ec1Table), 1));
        t->tables[i - 1] = tb;
        if (!read_definition(f, tb)) break;
        ++built;
    }
    fclose(f);
    return built;
}

void Nad_Read_Ec1_Tables(FILE* f, NadEc1Tables* t)
{
    if (!f || !t) return;
    char line[VAL_LINE + 2];
    while (read_line(f, line, sizeof line)) {
        if (strncmp(line, "~TAB", 4) == 0) {
            int n = 0;
            if (sscanf(line + 4, "%d", &n) != 1) continue;
            if (n >= 1 && n <= NAD_EC1_TABLES) {
                Ec1Table* tb = t->tables[n - 1];
                // An undefined table, or one whose definition broke off before
                // its values existed, is passed over with its value lines.
                if (!tb || !tb->values) continue;
                char note[VAL_LINE + 2];
                if (!read_line(f, note, sizeof note)) return;
                free_text(&tb->value_note);
                tb->value_note = Mem_Strdup(note);
                const long long count = value_count(tb);
                for (long long k = 0; k < count; ++k)
                    if (fscanf(f, "%lf", &tb->values[k]) != 1) break;
                tb->has_values = 1;
            } else if (n == 99) {
                int count = 0, unused = 0;
                if (fscanf(f, "%d%d", &count, &unused) < 1) continue;
                if (count > NAD_EC1_TABLES) count = NAD_EC1_TABLES;
                for (int k = 0; k < count; ++k)
                    if (fscanf(f, "%d", &t->table_flags[k]) != 1) break;
            }
        } else if (strncmp(line, "~DATA", 5) == 0) {
            int unused = 0;
            if (fscanf(f, "%d", &unused) == 1 && fscanf(f, "%d", &t->data_a) == 1) (void)fscanf(f, "%d", &t->data_b);
        } else if (strncmp(line, "#NAD", 4) == 0) {
            return;
        }
    }
}

void Nad_Find_Ec1_Set(const char* path, const char* name, NadEc1Tables* t)
{
    if (!path || !name || !t) return;
    FILE* f = Kov_Fopen(path, "r");
    if (!f) return;
    const size_t len = strlen(name);
    char line[VAL_LINE + 2];
    while (read_line(f, line, sizeof line)) {
        if (strncmp(line, "#NAD", 4) != 0) continue;
        if (!read_line(f, line, sizeof line)) break;
        if (strncmp(line, name, len) != 0) continue;
        // The body reader takes the "#NAD" line that ends the set, so the set
        // right after a matching one is not looked at.
        (void)fscanf(f, "%d", &t->set_number);
        Nad_Read_Ec1_Tables(f, t);
    }
    fclose(f);
}

void Nad_Default_Ec1(NadEc1Tables* t)
{
    if (!t) return;
    t->data_a = 2;
    t->data_b = 2;
    std::string path;
    if (env_path("DATA", "\\NAD\\WUSL-Tabs.val", &path)) Nad_Find_Ec1_Set(path.c_str(), kStandardSet, t);
}

void Nad_Load_Ec1(int user_number, const char* name, NadEc1Tables* t)
{
    if (!name || !t) return;
    std::string path;
    const bool found =
        user_number ? env_path("DRAM", "\\WUSL-NADs.def", &path) : env_path("DATA", "\\NAD\\WUSL-Tabs.val", &path);
    if (found) Nad_Find_Ec1_Set(path.c_str(), name, t);
}

void Nad_Write_Ec1_Tables(FILE* f, const NadEc1Tables* t)
{
    if (!f || !t) return;
    fprintf(f, "~DATA\n");
    fprintf(f, "%d %d %d\n\n", 1, t->data_a, t->data_b);
    for (int i = 0; i < NAD_EC1_TABLES; ++i) {
        const Ec1Table* tb = t->tables[i];
        if (!tb || tb->has_values != 1 || !tb->values) continue;
        fprintf(f, "~TAB%d\n", i + 1);
        fprintf(f, "%s\n", tb->value_note ? tb->value_note : "");
        for (int r = 0; r < tb->rows; ++r) {
            for (int c = 0; c < tb->columns; ++c) fprintf(f, " %6.3f", tb->values[(long long)r * tb->columns + c]);
            fprintf(f, "\n");
        }
        fprintf(f, "\n");
    }
    fprintf(f, "~TAB99\n %d 0", NAD_EC1_TABLES);
    for (int i = 0; i < NAD_EC1_TABLES; ++i) fprintf(f, " %d", t->table_flags[i]);
    fprintf(f, "\n\n");
}

int Nad_Store_Ec1_User_Set(int append, const char* name, const NadEc1Tables* t)
{
    if (!t) return 0;
    std::string path;
    if (!env_path("DRAM", "\\WUSL-NADs.def", &path)) return 0;

    // The file is replaced only once the new version is complete.
    const int rc = Kov_Replace_File(path.c_str(), [&](FILE* out) {
        if (append) {
            if (FILE* in = fopen(path.c_str(), "rb")) {
                char buf[4096];
                size_t n;
                bool ok = true;
                while (ok && (n = fread(buf, 1, sizeof buf, in)) > 0) ok = fwrite(buf, 1, n, out) == n;
                if (ferror(in)) ok = false;
                fclose(in);
                if (!ok) return false;
            } else if (errno != ENOENT) {
                // The sets stored so far exist but cannot be read just now: the
                // new file would hold the new set alone and drop them.
                return false;
            }
        }
        fprintf(out, "#NAD\n");
        fprintf(out, "%s\n", name ? name : "");
        fprintf(out, "%d\n\n", t->set_number);
        Nad_Write_Ec1_Tables(out, t);
        return ferror(out) == 0;
    });
    return rc == KOV_REPLACE_OK ? 1 : 0;
}

void Nad_Set_Ec1_Na_De(NadEc1Tables* t, int na_de)
{
    if (!t) return;
    if (na_de) {
        t->set_number = 2;
        empty_table(t->tables[8]);
    } else {
        t->set_number = 1;
        empty_table(t->tables[7]);
    }
}

int Nad_Differs_Ec1(const NadEc1Tables* a, const NadEc1Tables* b)
{
    if (a == b) return 0;
    if (!a || !b) return 1;
    for (int i = 0; i < NAD_EC1_TABLES; ++i) {
        const Ec1Table* ta = a->tables[i];
        const Ec1Table* tb = b->tables[i];
        if (!ta || !tb) continue;
        if (ta->has_values) {
            if (!tb->has_values) return 1;
            if (ta->rows != tb->rows || ta->columns != tb->columns || !ta->values || !tb->values) return 1;
            const long long n = value_count(ta);
            for (long long k = 0; k < n; ++k)
                if (std::fabs(ta->values[k] - tb->values[k]) > 0.0001) return 1;
        } else if (tb->has_values) {
            return 1;
        }
    }
    for (int i = 0; i < NAD_EC1_TABLES; ++i)
        if (a->table_flags[i] != b->table_flags[i]) return 1;
    return (a->data_a != b->data_a || a->data_b != b->data_b) ? 1 : 0;
}

void Nad_Copy_Ec1(NadEc1Tables* dst, const NadEc1Tables* src)
{
    if (!dst || !src || dst == src) return;
    for (int i = 0; i < NAD_EC1_TABLES; ++i) {
        Ec1Table* d = dst->tables[i];
        if (!d) continue;
        const Ec1Table* s = src->tables[i];
        if (s && s->has_values && s->values && d->values && s->rows == d->rows && s->columns == d->columns) {
            free_text(&d->value_note);
            d->value_note = Mem_Strdup(kUserNote);
            memcpy(d->values, s->values, (size_t)value_count(d) * sizeof(double));
            d->has_values = 1;
        } else {
            d->has_values = 0;
        }
    }
    memcpy(dst->table_flags, src->table_flags, sizeof dst->table_flags);
    dst->data_a = src->data_a;
    dst->data_b = src->data_b;
}

void Nad_Free_Ec1_Tables(NadEc1Tables* t)
{
    if (!t) return;
    for (int i = 0; i < NAD_EC1_TABLES; ++i) free_table(&t->tables[i]);
}

int Nad_Ec1_Zero() { return 0; }
