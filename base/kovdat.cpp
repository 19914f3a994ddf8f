// Versioned text data files: version stack, field readers and writers that honour the version
// each field came in with, and the backup files (.bak, .clcbak) of a position's data.
#include "base/kovdat.h"

#include "base/kovfile.h"
#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "base/kovnum.h"
#include "platform/kovpath.h"
#include "platform/kovreplace.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

DataFileState Dat_File_State = {nullptr, nullptr, 0, {0}};

namespace {

DataFileState& S = Dat_File_State;

const unsigned char BLANK_CODE = 0x8C;

// Passes over every byte up to 32 and over "#" comments to the end of their line;
// the first other byte stays in the stream.
void skip(FILE* f)
{
    if (!f) return;
    int c;
    while ((c = std::fgetc(f)) != EOF) {
        if (c <= 32) continue;
        if (c == '#') {
            while ((c = std::fgetc(f)) != EOF && c != '\n') {}
            if (c == EOF) return;
            continue;
        }
        std::ungetc(c, f);
        return;
    }
}

int round_half_away(double x)
{
    double r = x < 0 ? std::ceil(x - 0.5) : std::floor(x + 0.5);
    if (!(r >= (double)INT_MIN)) return INT_MIN; // also NaN
    if (r > (double)INT_MAX) return INT_MAX;
    return (int)r;
}

double top() { return S.versions[S.depth]; }

// Reads one word of at most DAT_TEXT_SIZE - 1 bytes into dst; the rest of a longer
// word is read and dropped. false when no word can be read.
bool read_word(FILE* f, char* dst)
{
    char fmt[16];
    std::snprintf(fmt, sizeof fmt, "%%%ds", DAT_TEXT_SIZE - 1);
    if (!f || std::fscanf(f, fmt, dst) != 1) {
        dst[0] = 0;
        return false;
    }
    int c;
    while ((c = std::fgetc(f)) != EOF && !std::isspace(c)) {}
    if (c != EOF) std::ungetc(c, f);
    return true;
}

void newer_message() { Msg_Printf_Mode(0, "%s", DAT_MSG_NEWER); }

int stream_result(FILE* f, int printed) { return printed < 0 || std::ferror(f) ? 1 : 0; }

} // namespace

// ---- reading ----------------------------------------------------------------------

int Dat_Begin_Read(FILE* f, double program_version)
{
    S.input = f;
    S.depth = 0;
    S.versions[0] = 0;
    if (!f) return 1;
    skip(f);
    double v;
    if (std::fscanf(f, "%lf", &v) != 1) return 1;
    S.versions[0] = v;
    if (v == -1.0) return -1;
    if (v > program_version) {
        newer_message();
        return 2;
    }
    return 0;
}

int Dat_Push_Version(double program_version)
{
    if (S.depth >= DAT_VERSION_STACK - 1) return 1; // no room: refused
    skip(S.input);
    ++S.depth;
    S.versions[S.depth] = 0;
    double v;
    if (!S.input || std::fscanf(S.input, "%lf", &v) != 1) return 1;
    S.versions[S.depth] = v;
    if (v > program_version) {
        newer_message();
        return 2;
    }
    return 0;
}

void Dat_Pop_Version()
{
    if (S.depth > 0) --S.depth;
}

double Dat_Get_Version() { return top(); }

void Dat_Set_Version(double v) { S.versions[S.depth] = v; }

static bool known_type(char type) { return type == 'c' || type == 'd' || type == 'i' || type == 's' || type == 't'; }

int Dat_Read_Field(void* dst, char type, double since, double dflt)
{
    if (!known_type(type) || !dst) return 1;
    skip(S.input);
    if (since > top()) {
        switch (type) {
            case 'c': *(char*)dst = 0; break;
            case 'd': *(double*)dst = dflt; break;
            case 'i': *(int*)dst = round_half_away(dflt); break;
            default: ((char*)dst)[0] = 0; break;
        }
        return 0;
    }
    FILE* f = S.input;
    if (!f) return 1;
    switch (type) {
        case 'c': {
            int c = std::fgetc(f);
            if (c == EOF) return 1;
            *(char*)dst = (char)c;
            return 0;
        }
        case 'd': return std::fscanf(f, "%lf", (double*)dst) == 1 ? 0 : 1;
        case 'i': return std::fscanf(f, "%d", (int*)dst) == 1 ? 0 : 1;
        case 's': return read_word(f, (char*)dst) ? 0 : 1;
        default:
            if (!read_word(f, (char*)dst)) return 1;
            Dat_Decode_Blanks((char*)dst);
            return 0;
    }
}

int Dat_Skip_Field(char type, double since)
{
    // Large enough for every type.
    union {
        char text[DAT_TEXT_SIZE];
        double d;
        int i;
    } scratch;
    return Dat_Read_Field(&scratch, type, since, 0.0);
}

int Dat_Skip_Field_Current(char type) { return Dat_Skip_Field(type, top()); }

static bool version_allows(double since) { return Round_To_Decimals(top() - since, 2) >= 0; }

int Dat_Read_String(char* dst, double since, const char* dflt)
{
    if (!dst) return 1;
    if (version_allows(since)) {
        skip(S.input);
        if (!read_word(S.input, dst)) return 1;
        Dat_Decode_Blanks(dst);
        return 0;
    }
    if (!dflt) dflt = "";
    std::snprintf(dst, DAT_TEXT_SIZE, "%s", dflt);
    return 0;
}

int Dat_Read_Counted_String(char** p, double since, const char* dflt)
{
    if (!p) return 1;
    Mem_Free_Null((void**)p);
    if (!version_allows(since)) {
        if (dflt) {
            size_t n = std::strlen(dflt);
            char* b = (char*)Mem_Realloc(nullptr, (int)n + 1, 1);
            std::memcpy(b, dflt, n + 1);
            *p = b;
        }
        return 0;
    }
    FILE* f = S.input;
    int count;
    skip(f);
    if (!f || std::fscanf(f, "%d", &count) != 1) return 1;
    std::fgetc(f); // the blank behind the count
    if (count <= 0) return 0;
    // Read in pieces: a count larger than the file allocates no more than the
    // file holds.
    std::string bytes;
    char piece[4096];
    while ((long)bytes.size() < count) {
        size_t want = (size_t)count - bytes.size();
        if (want > sizeof piece) want = sizeof piece;
        size_t got = std::fread(piece, 1, want, f);
        bytes.append(piece, got);
        if (got < want) break;
    }
    char* b = (char*)Mem_Realloc(nullptr, (int)bytes.size() + 1, 1);
    std::memcpy(b, bytes.data(), bytes.size());
    *p = b;
    return (long)bytes.size() == count ? 0 : 1;
}

int Dat_Read_Int()
{
    skip(S.input);
    int v;
    if (!S.input || std::fscanf(S.input, "%d", &v) != 1) return 1;
    return v;
}

int Dat_Read_Int_Since(double since, double dflt)
{
    skip(S.input);
    if (since > top()) return round_half_away(dflt);
    return Dat_Read_Int();
}

long Dat_Tell() { return S.input ? std::ftell(S.input) : -1L; }

int Dat_Seek(long pos) { return S.input ? std::fseek(S.input, pos, SEEK_SET) : -1; }

FILE* Dat_Input_File() { return S.input; }

FILE* Dat_Output_File() { return S.output; }

int Dat_Decode_Blanks(char* s)
{
    if (!s) return 0;
    int n = 0;
    for (; s[n]; ++n)
        if ((unsigned char)s[n] == BLANK_CODE) s[n] = ' ';
    if (n == 1 && s[0] == ' ') {
        s[0] = 0;
        n = 0;
    }
    return n;
}

// An empty text goes through the file as the blank code alone, so that the
// field is not empty and the reader stays in step.
int Dat_Encode_Blanks(char* s)
{
    if (!s) return 0;
    if (!s[0]) {
        s[0] = ' ';
        s[1] = 0;
    }
    int n = 0;
    for (; s[n]; ++n)
        if (s[n] == ' ') s[n] = (char)BLANK_CODE;
    return n;
}

// ---- writing ------------------------------------------------------------------------

int Dat_Begin_Write(FILE* f, double version)
{
    S.output = f;
    if (!f) return 1;
    return stream_result(f, std::fprintf(f, " %lf  # Datenversionsnummer\n", version));
}

int Dat_Write_Version(double version)
{
    FILE* f = S.output;
    if (!f) return 1;
    return stream_result(f, std::fprintf(f, " %lf # Strukturversionsnummer\n", version));
}

int Dat_Write_Comment(const char* text)
{
    FILE* f = S.output;
    if (!f) return 1;
    std::string t = text ? text : "";
    // A line break would end the comment and turn its rest into data.
    for (char& c : t)
        if (c == '\n' || c == '\r') c = ' ';
    return stream_result(f, std::fprintf(f, "# %s\n", t.c_str()));
}

int Dat_Write_Field(const void* src, char type)
{
    FILE* f = S.output;
    if (!f || !src || !known_type(type)) return 1;
    switch (type) {
        case 'c': return stream_result(f, std::fprintf(f, " %c ", *(const char*)src));
        case 'd': return stream_result(f, std::fprintf(f, " %e ", *(const double*)src));
        case 'i': return stream_result(f, std::fprintf(f, " %d ", *(const int*)src));
        case 's': return stream_result(f, std::fprintf(f, " %s ", (const char*)src));
        default: {
            char buf[DAT_TEXT_SIZE];
            std::snprintf(buf, sizeof buf, "%s", (const char*)src);
            Dat_Encode_Blanks(buf);
            return stream_result(f, std::fprintf(f, " %s ", buf));
        }
    }
}

int Dat_Write_Undefined(char type)
{
    FILE* f = S.output;
    if (!f || !known_type(type)) return 1;
    switch (type) {
        case 'c': return stream_result(f, std::fprintf(f, " * "));
        case 'd': return stream_result(f, std::fprintf(f, " %e ", -1.0));
        case 'i': return stream_result(f, std::fprintf(f, " %d ", 0));
        default: return stream_result(f, std::fprintf(f, " *** "));
    }
}

int Dat_Write_Counted_String(char** p)
{
    FILE* f = S.output;
    if (!f) return 1;
    const char* s = p && *p ? *p : nullptr;
    int n = s ? (int)std::strlen(s) : 0;
    if (std::fprintf(f, " %d ", n) < 0) return 1;
    if (n > 0 && std::fwrite(s, 1, (size_t)n, f) != (size_t)n) return 1;
    if (std::fputc('\n', f) == EOF) return 1;
    return std::ferror(f) ? 1 : 0;
}

int Dat_Write_Newline()
{
    if (!S.output) return EOF;
    return std::fputc('\n', S.output);
}

int Dat_End_Write() { return 0; }

// ---- backups ----------------------------------------------------------------------------

namespace {

DatWriterFct backup_writer;
int backup_on = 1;
char path_bak[DAT_PATH_SIZE];
char path_clcbak[DAT_PATH_SIZE];
char path_cmp[DAT_PATH_SIZE];
char path_data[DAT_PATH_SIZE];
char path_second[DAT_PATH_SIZE];
char* base_copy_to;
char* base_copy_from;

// "%s%s%s" into dst; empty when it does not fit.
void set_path(char* dst, const char* a, const char* b, const char* c)
{
    int n = std::snprintf(dst, DAT_PATH_SIZE, "%s%s%s", a ? a : "", b ? b : "", c ? c : "");
    if (n < 0 || n >= DAT_PATH_SIZE) dst[0] = 0;
}

std::string real(const char* path) { return Kov_Path(path); }

// Writes through the file-replacement service: path is replaced only when
// write_fn succeeded (0) and the file is complete; write_fn's result, 1 when the
// file cannot be written.
template <typename Fn> int write_replacing(const char* path, Fn write_fn)
{
    int rc = 0;
    const int replaced = Kov_Replace_File(path, [&](FILE* f) {
        rc = write_fn(f);
        return rc == 0;
    });
    if (replaced == KOV_REPLACE_OK) return 0;
    return rc != 0 ? rc : 1;
}

} // namespace

void Backup_Setup(DatWriterFct writer, const char* dir, const char* name, const char* data_path,
                  const char* second_path)
{
    backup_writer = writer;
    set_path(path_bak, dir, name, ".bak");
    set_path(path_clcbak, dir, name, ".clcbak");
    set_path(path_cmp, dir, name, ".cmp");
    if (data_path) set_path(path_data, data_path, nullptr, nullptr);
    if (second_path) set_path(path_second, second_path, nullptr, nullptr);
}

void Backup_Setup_In_Dir(DatWriterFct writer, const char* dir, const char* name, const char* data_name,
                         const char* second_name)
{
    Backup_Setup(writer, dir, name, nullptr, nullptr);
    set_path(path_data, dir, data_name, nullptr);
    set_path(path_second, dir, second_name, nullptr);
}

void Backup_Off() { backup_on = 0; }

int Backup_Exists() { return File_Exists(path_bak); }

int Backup_Write_To(const char* path)
{
    if (!backup_on || !backup_writer) return 1;
    return write_replacing(path, backup_writer);
}

int Backup_Write_Bak() { return Backup_Write_To(path_bak); }

int Backup_Write_Clcbak() { return Backup_Write_To(path_clcbak); }

FILE* Backup_Open_Bak()
{
    if (!backup_on || !File_Exists(path_bak)) return nullptr;
    return Kov_Fopen(path_bak, "r");
}

int Backup_Read_From(DatReaderPathFct reader, const char* path)
{
    if (!reader || !File_Exists(path)) return 1;
    FILE* f = Kov_Fopen(path, "r");
    if (!f) return 1;
    return reader(f, path);
}

static int read_plain(DatReaderFct reader, const char* path)
{
    if (!reader || !File_Exists(path)) return 1;
    FILE* f = Kov_Fopen(path, "r");
    if (!f) return 1;
    return reader(f);
}

int Backup_Read_Bak(DatReaderFct reader) { return read_plain(reader, path_bak); }

int Backup_Read_Clcbak(DatReaderFct reader) { return read_plain(reader, path_clcbak); }

int Files_Differ(const char* a, const char* b)
{
    if (!backup_on || !a || !b) return 1;
    FILE* fa = Kov_Fopen(a, "rb");
    if (!fa) return 1;
    FILE* fb = Kov_Fopen(b, "rb");
    if (!fb) {
        std::fclose(fa);
        return 1;
    }
    int r = 0;
    for (;;) {
        int ca = std::fgetc(fa), cb = std::fgetc(fb);
        if (ca != cb) {
            r = 1;
            break;
        }
        if (ca == EOF) break;
    }
    std::fclose(fa);
    std::fclose(fb);
    return r;
}

int Backup_Compare_With(const char* path)
{
    if (!backup_on) return 1;
    if (Backup_Write_To(path_cmp) != 0) return 1;
    return Files_Differ(path, path_cmp);
}

int Backup_Compare_Bak() { return Backup_Compare_With(path_bak); }

int Backup_Compare_Data() { return Backup_Compare_With(path_data); }

int Backup_Compare_Clcbak()
{
    if (path_second[0] && !File_Exists(path_second)) return 1;
    return Backup_Compare_With(path_clcbak);
}

int Backup_Remove_Bak()
{
    if (backup_on && path_bak[0]) std::remove(real(path_bak).c_str());
    return 0;
}

int Backup_Remove_Clcbak()
{
    if (backup_on && path_clcbak[0]) std::remove(real(path_clcbak).c_str());
    return 0;
}

int Backup_Remove_All()
{
    if (backup_on) {
        Backup_Remove_Bak();
        Backup_Remove_Clcbak();
        if (path_cmp[0]) std::remove(real(path_cmp).c_str());
    }
    return 0;
}

int File_Exists(const char* path)
{
    if (!path || !path[0]) return 0;
    return ::access(real(path).c_str(), F_OK) == 0 ? 1 : 0;
}

int File_Copy_Text(const char* to, const char* from)
{
    if (!to || !from) return 1;
    FILE* in = Kov_Fopen(from, "r");
    if (!in) return 1;
    int rc = write_replacing(to, [in](FILE* out) {
        int c;
        while ((c = std::fgetc(in)) != EOF)
            if (std::fputc(c, out) == EOF) return 1;
        return std::ferror(in) ? 1 : 0;
    });
    std::fclose(in);
    return rc;
}

int Base_Copy_Text(const char* to_suffix, const char* from_suffix)
{
    Mem_Free_Null((void**)&base_copy_to);
    Mem_Free_Null((void**)&base_copy_from);
    const char* to = Base_Path(to_suffix);
    if (!to) return 1;
    base_copy_to = Mem_Strdup(to);
    const char* from = Base_Path(from_suffix);
    if (!from) return 1;
    base_copy_from = Mem_Strdup(from);
    if (!base_copy_to || !base_copy_from) return 1;
    return File_Copy_Text(base_copy_to, base_copy_from);
}

void Dat_Reset()
{
    S.input = nullptr;
    S.output = nullptr;
    S.depth = 0;
    for (double& v : S.versions) v = 0;
    backup_writer = nullptr;
    backup_on = 1;
    path_bak[0] = path_clcbak[0] = path_cmp[0] = path_data[0] = path_second[0] = 0;
    Mem_Free_Null((void**)&base_copy_to);
    Mem_Free_Null((void**)&base_copy_from);
}
