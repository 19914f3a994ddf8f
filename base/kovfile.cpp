// Files of the current position named from one base file name, temporary files in the host's
// TEMP directory, and readers of a line or a run of numbers from a text file.
#include "base/kovfile.h"

#include "platform/kovhost.h"
#include "platform/kovpath.h"

#include <stdlib.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <string>

namespace {

char base_name[BASE_PATH_MAX + 1];
char base_dir[BASE_PATH_MAX + 1];
char base_path_buf[BASE_PATH_MAX + 2];
TempFileSlot temp_slots[TEMP_FILE_SLOTS];

// base name + suffix into a string; false when it reaches 261 characters.
bool compose(const char* suffix, std::string& out)
{
    out = base_name;
    if (suffix) out += suffix;
    return out.size() <= BASE_PATH_MAX;
}

} // namespace

// ---- the base file --------------------------------------------------------------

const char* Base_Set_File(const char* path)
{
    if (!path) path = "";
    std::strncpy(base_name, path, BASE_PATH_MAX);
    base_name[BASE_PATH_MAX] = 0;

    const char* sep = nullptr;
    for (const char* p = base_name; *p; ++p)
        if (*p == '\\' || *p == '/') sep = p;
    if (sep) {
        size_t n = (size_t)(sep - base_name);
        std::memcpy(base_dir, base_name, n);
        base_dir[n] = 0;
    } else if (const char* colon = std::strrchr(base_name, ':')) {
        size_t n = (size_t)(colon - base_name) + 1;
        std::memcpy(base_dir, base_name, n);
        base_dir[n] = 0;
    } else if (!::getcwd(base_dir, sizeof base_dir)) {
        base_dir[0] = 0;
    }
    return base_name;
}

const char* Base_Get_File() { return base_name; }

const char* Base_Get_Dir() { return base_dir; }

char* Base_Make_Path(char* dst, const char* suffix, unsigned size)
{
    if (!dst || size == 0) return nullptr;
    std::string p = base_name;
    if (suffix) p += suffix;
    size_t n = p.size() < size - 1 ? p.size() : size - 1;
    std::memcpy(dst, p.data(), n);
    dst[n] = 0;
    return n == p.size() ? dst : nullptr;
}

const char* Base_Path(const char* suffix)
{
    std::string p;
    if (!compose(suffix, p)) return nullptr;
    std::memcpy(base_path_buf, p.c_str(), p.size() + 1);
    return base_path_buf;
}

FILE* Base_Fopen(const char* suffix, const char* mode)
{
    std::string p;
    if (!mode || !compose(suffix, p)) return nullptr;
    return Kov_Fopen(p.c_str(), mode);
}

int Base_Exists(const char* suffix)
{
    std::string p;
    if (!compose(suffix, p)) return 0;
    return ::access(Kov_Path(p.c_str()).c_str(), F_OK) == 0 ? 1 : 0;
}

int Base_Remove(const char* suffix)
{
    std::string p;
    if (!compose(suffix, p)) return 1;
    return std::remove(Kov_Path(p.c_str()).c_str()) == 0 ? 0 : 1;
}

int Base_Copy(const char* from_suffix, const char* to_suffix, int flag)
{
    std::string from, to;
    if (!compose(from_suffix, from) || !compose(to_suffix, to)) return 0;
    return KOVCopyFile(from.c_str(), to.c_str(), flag) != 0 ? 1 : 0;
}

int Base_Rename(const char* from_suffix, const char* to_suffix)
{
    std::string from, to;
    if (!compose(from_suffix, from) || !compose(to_suffix, to)) return 0;
    return std::rename(Kov_Path(from.c_str()).c_str(), Kov_Path(to.c_str()).c_str()) == 0 ? 1 : 0;
}

int Base_Remove_Matching(const char* pattern_suffix)
{
    std::string pat;
    if (!compose(pattern_suffix, pat)) return -1;
    // The name part starts behind the last separator, else behind the first ':'.
    size_t name_at = pat.find_last_of("\\/");
    if (name_at != std::string::npos)
        ++name_at;
    else if ((name_at = pat.find(':')) != std::string::npos)
        ++name_at;
    else
        name_at = 0;
    const std::string dir = pat.substr(0, name_at);

    int removed = 0;
    DOSFindData fd;
    std::memset(&fd, 0, sizeof fd);
    for (int r = DOSFindFirstFile(pat.c_str(), &fd); r == 0; r = DOSFindNext(&fd)) {
        std::string full = Kov_Path((dir + fd.name).c_str());
        if (std::remove(full.c_str()) == 0) ++removed;
    }
    DOSFindClose(&fd);
    return removed;
}

// ---- temporary files ----------------------------------------------------------------

// mkstemp of "<dir>/KOVXXXXXX"; the name into dst. false when it fails.
static bool make_temp_in(const std::string& dir, char* dst)
{
    if (dir.empty()) return false;
    std::string templ = dir;
    if (templ.back() != '/') templ += '/';
    templ += "KOVXXXXXX";
    if (templ.size() > BASE_PATH_MAX) return false;
    char buf[TEMP_NAME_SIZE];
    std::memcpy(buf, templ.c_str(), templ.size() + 1);
    int fd = ::mkstemp(buf);
    if (fd < 0) return false;
    ::close(fd);
    std::memcpy(dst, buf, templ.size() + 1);
    return true;
}

char* Temp_File_Name(char* dst)
{
    if (!dst) return nullptr;
    const char* temp = KOVGetEnv("TEMP");
    if (temp && temp[0] && make_temp_in(Kov_Path(temp), dst)) return dst;
    if (make_temp_in(P_tmpdir, dst)) return dst;
    dst[0] = 0;
    return nullptr;
}

FILE* Temp_File_Open(const char* mode)
{
    if (!mode) return nullptr;
    for (TempFileSlot& s : temp_slots) {
        if (s.file) continue;
        char name[TEMP_NAME_SIZE];
        if (!Temp_File_Name(name)) return nullptr;
        FILE* f = std::fopen(name, mode);
        if (!f) {
            std::remove(name);
            return nullptr;
        }
        s.file = f;
        std::memcpy(s.name, name, sizeof name);
        return f;
    }
    return nullptr;
}

int Temp_File_Close(FILE* f)
{
    if (!f) return 0;
    for (TempFileSlot& s : temp_slots) {
        if (s.file != f) continue;
        int rc = std::fclose(f);
        s.file = nullptr;
        std::remove(s.name);
        s.name[0] = 0;
        return rc == 0 ? 1 : 0;
    }
    return 0;
}

// ---- number readers ----------------------------------------------------------------------

// Reads one line; keeps its first size - 1 bytes and consumes the rest. false at
// the end of the file before any byte.
static bool read_line(FILE* f, char* buf, int size)
{
    int n = 0, c;
    bool any = false;
    while ((c = std::fgetc(f)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (n < size - 1) buf[n++] = (char)c;
    }
    buf[n] = 0;
    return any;
}

template <typename T> static int read_line_numbers(FILE* f, T* v, int n, const char* fmt)
{
    if (!v || n < 0) n = 0;
    for (int i = 0; i < n; ++i) v[i] = 0;
    char line[200];
    if (!f || !read_line(f, line, sizeof line)) return 0;
    const char* p = line;
    for (int i = 0; i < n; ++i) {
        while (*p && std::isspace((unsigned char)*p)) ++p;
        T x;
        if (!*p || std::sscanf(p, fmt, &x) != 1) break;
        v[i] = x;
        while (*p && !std::isspace((unsigned char)*p)) ++p;
    }
    return 1;
}

int Read_Line_Doubles(FILE* f, double* v, int n) { return read_line_numbers(f, v, n, "%lf"); }

int Read_Line_Ints(FILE* f, int* v, int n) { return read_line_numbers(f, v, n, "%i"); }

template <typename T> static int read_numbers(FILE* f, T* v, int n, const char* fmt)
{
    if (!f || !v || n <= 0) return 0;
    int i = 0;
    for (; i < n; ++i)
        if (std::fscanf(f, fmt, &v[i]) != 1) break;
    int got = i;
    for (; i < n; ++i) v[i] = 0;
    return got;
}

int Read_Doubles(FILE* f, double* v, int n) { return read_numbers(f, v, n, " %lf"); }

int Read_Ints(FILE* f, int* v, int n) { return read_numbers(f, v, n, " %i"); }

void Kovfile_Reset()
{
    for (TempFileSlot& s : temp_slots)
        if (s.file) Temp_File_Close(s.file);
    base_name[0] = 0;
    base_dir[0] = 0;
    base_path_buf[0] = 0;
}
