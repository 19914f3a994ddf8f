// Small tools: angles, flag bits, extremes, string editing and blank escapes, the ring of
// substrings, words and German number words, version suffixes, a pattern replacement in a
// file, the sibling-program test and the stack of idle callbacks.
#include "base/ttool.h"

#include "base/kovmem.h"
#include "platform/kovpath.h"
#include "platform/kovreplace.h"
#include "platform/kovsheet.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// ---- angles, bits, extremes ---------------------------------------------------

double Angle_Normalize_360(double degrees)
{
    double a = std::fmod(degrees, 360.0);
    if (a < 0) a += 360.0;
    // A tiny negative remainder plus 360 rounds to 360 itself.
    if (a >= 360.0) a = 0.0;
    return a;
}

double Angle_Normalize_180(double degrees)
{
    double a = std::fmod(degrees + 180.0, 360.0);
    if (a < 0) a += 360.0;
    if (a >= 360.0) a = 0.0;
    return a - 180.0;
}

int Bit_Test(int word, unsigned bit) { return ((unsigned)word >> (bit % 32)) & 1u; }

int Bit_Set(int* word, unsigned bit)
{
    if (word) *word = (int)((unsigned)*word | (1u << (bit % 32)));
    return 1;
}

int Bit_Clear(int* word, unsigned bit)
{
    if (word) *word = (int)((unsigned)*word & ~(1u << (bit % 32)));
    return 1;
}

int Bit_Set_Or_Clear(int set, int* word, unsigned bit) { return set ? Bit_Set(word, bit) : Bit_Clear(word, bit); }

void Index_Of_Min_Max(int n, const double* v, int* imin, int* imax)
{
    if (n <= 0 || !v) return;
    double lo = 1e200, hi = -1e200;
    for (int i = 0; i < n; ++i) {
        if (v[i] < lo) {
            lo = v[i];
            if (imin) *imin = i;
        }
        if (v[i] > hi) {
            hi = v[i];
            if (imax) *imax = i;
        }
    }
}

double Min_Value_Index(const double* v, int n, int* index)
{
    if (index) *index = 0;
    double best = 1e31;
    if (!v) return best;
    for (int i = 0; i < n; ++i)
        if (v[i] < best) {
            best = v[i];
            if (index) *index = i;
        }
    return best;
}

double Max_Value_Index(const double* v, int n, int* index)
{
    if (index) *index = 0;
    double best = -1e31;
    if (!v) return best;
    for (int i = 0; i < n; ++i)
        if (v[i] > best) {
            best = v[i];
            if (index) *index = i;
        }
    return best;
}

double* Trapezoid_Ordinates(double* start, double* end, double resultant, double position, double length)
{
    double s = 0, e = 0;
    if (std::fabs(length) >= 1e-5) {
        e = 2.0 * resultant / length * (3.0 * position / length - 1.0);
        s = 2.0 * resultant / length - e;
    }
    if (start) *start = s;
    if (end) *end = e;
    return start;
}

// ---- string editing -------------------------------------------------------------

int Str_Trim_Trailing_Blanks(char* s)
{
    if (!s) return 0;
    int len = (int)std::strlen(s);
    int n = 0;
    while (len > 0 && s[len - 1] == ' ') {
        s[--len] = 0;
        ++n;
    }
    return n;
}

int Str_Trim_Line_End(char* s)
{
    if (!s) return -1;
    for (int i = (int)std::strlen(s) - 1; i >= 0; --i) {
        if (s[i] == 0 || s[i] == '\n') continue;
        if (s[i] == ' ') {
            s[i] = 0;
            continue;
        }
        return i;
    }
    return -1;
}

int Str_Decode_Blank_Bytes(char* s)
{
    if (!s) return 0;
    int n = 0;
    for (; s[n]; ++n) {
        unsigned char c = (unsigned char)s[n];
        if (c == 254)
            s[n] = ' ';
        else if (c == 253)
            s[n] = '\n';
        else if (c == 252)
            s[n] = '\r';
    }
    return n;
}

int Str_Encode_Blank_Bytes(char* s)
{
    if (!s) return 0;
    int n = 0;
    for (; s[n]; ++n) {
        if (s[n] == ' ')
            s[n] = (char)254;
        else if (s[n] == '\n')
            s[n] = (char)253;
        else if (s[n] == '\r')
            s[n] = (char)252;
    }
    return n;
}

static void collapse_into(char* dst, const char* src)
{
    bool in_space = false;
    while (*src) {
        if (std::isspace((unsigned char)*src)) {
            if (!in_space) *dst++ = ' ';
            in_space = true;
        } else {
            *dst++ = *src;
            in_space = false;
        }
        ++src;
    }
    *dst = 0;
}

char* Str_Collapse_Space(char* s)
{
    if (!s) return nullptr;
    collapse_into(s, s); // never writes ahead of its reading position
    return s;
}

char* Str_Collapse_Space_Copy(const char* s)
{
    if (!s) return nullptr;
    char* d = (char*)std::malloc(std::strlen(s) + 1);
    if (!d) return nullptr;
    collapse_into(d, s);
    return d;
}

char* Str_Replace_Char(const char* s, const char* ch, const char* text, int* count)
{
    if (count) *count = 0;
    if (!s) return nullptr;
    if (!ch || !ch[0]) return const_cast<char*>(s);
    if (!text) text = "";
    int n = 0;
    for (const char* p = s; *p; ++p)
        if (*p == ch[0]) ++n;
    if (count) *count = n;
    if (n == 0) return const_cast<char*>(s);
    size_t tl = std::strlen(text);
    char* d = (char*)std::malloc(std::strlen(s) + (size_t)n * tl + 1);
    if (!d) return nullptr;
    char* q = d;
    for (const char* p = s; *p; ++p) {
        if (*p == ch[0]) {
            std::memcpy(q, text, tl);
            q += tl;
        } else {
            *q++ = *p;
        }
    }
    *q = 0;
    return d;
}

char* Str_Pad_Blanks(char* s, int n)
{
    if (!s) return nullptr;
    if (n < 0) n = 0;
    int len = (int)std::strlen(s);
    for (int i = len; i < n; ++i) s[i] = ' ';
    s[n] = 0;
    return s;
}

int Str_Find_From(int from, const char* s, const char* pattern)
{
    if (!s || !pattern) return -1;
    int len = (int)std::strlen(s);
    if (from > len) return 0;
    if (from < 0) from = 0;
    const char* p = std::strstr(s + from, pattern);
    return p ? (int)(p - s) : -1;
}

// ---- ring of substrings ---------------------------------------------------------

namespace {
char* ring_text[8];
int ring_flag[8]; // 0: last use reused the block; -1: it allocated or resized it
int ring_next;
} // namespace

static char* ring_store(const char* src, size_t n)
{
    int i = ring_next;
    ring_next = (ring_next + 1) % 8;
    size_t need = n + 1;
    if (ring_text[i] && std::strlen(ring_text[i]) >= need) {
        ring_flag[i] = 0;
    } else {
        char* p = (char*)std::realloc(ring_text[i], need);
        if (!p) Kov_Fatal_Stop("Assertion failed: NULL != strings[i], file ttool");
        ring_text[i] = p;
        ring_flag[i] = -1;
    }
    std::memcpy(ring_text[i], src, n);
    ring_text[i][n] = 0;
    return ring_text[i];
}

char* Str_Left(const char* s, unsigned n)
{
    if (!s) s = "";
    size_t len = std::strlen(s);
    if (n < len) len = n;
    return ring_store(s, len);
}

char* Str_Right(const char* s, unsigned n)
{
    if (!s) s = "";
    size_t len = std::strlen(s);
    size_t k = n < len ? n : len;
    return ring_store(s + (len - k), k);
}

char* Str_Mid(const char* s, unsigned from, unsigned n)
{
    if (!s) return nullptr;
    size_t len = std::strlen(s);
    if (from >= len) return nullptr;
    size_t k = len - from;
    if (n < k) k = n;
    return ring_store(s + from, k);
}

void Str_Ring_Release(const void* p)
{
    if (!p) return;
    for (int i = 0; i < 8; ++i)
        if (ring_text[i] == p && ring_flag[i] == -1) {
            std::free(ring_text[i]);
            ring_text[i] = nullptr;
            ring_flag[i] = 0;
            return;
        }
}

// ---- words ----------------------------------------------------------------------

int Str_Count_Words(const char* s)
{
    if (!s) return 0;
    int n = 0;
    bool in_word = false;
    for (; *s; ++s) {
        bool space = std::isspace((unsigned char)*s) != 0;
        if (!space && !in_word) ++n;
        in_word = !space;
    }
    return n;
}

int Str_Split_Words(const char* s, int* count, char*** words)
{
    if (count) *count = 0;
    if (words) *words = nullptr;
    int n = Str_Count_Words(s);
    if (n <= 0 || !count || !words) return 0;
    char** arr = (char**)std::malloc(sizeof(char*) * (size_t)n);
    if (!arr) return 0;
    int k = 0;
    const char* p = s;
    while (k < n) {
        while (*p && std::isspace((unsigned char)*p)) ++p;
        const char* b = p;
        while (*p && !std::isspace((unsigned char)*p)) ++p;
        size_t len = (size_t)(p - b);
        arr[k] = (char*)std::malloc(len + 1);
        if (!arr[k]) {
            for (int j = 0; j < k; ++j) std::free(arr[j]);
            std::free(arr);
            return 0;
        }
        std::memcpy(arr[k], b, len);
        arr[k][len] = 0;
        ++k;
    }
    *count = n;
    *words = arr;
    return 1;
}

const char* Number_Word(unsigned n)
{
    static char buf[16];
    // "fünf" with the u umlaut of code page 850 (0x81)
    static const char* const names[10] = {"keiner",
                                          "einer",
                                          "zwei",
                                          "drei",
                                          "vier",
                                          "f\x81"
                                          "nf",
                                          "sechs",
                                          "sieben",
                                          "acht",
                                          "neun"};
    if (n < 10)
        std::snprintf(buf, sizeof buf, "%s", names[n]);
    else
        std::snprintf(buf, sizeof buf, "%u", n);
    return buf;
}

// ---- version suffixes -------------------------------------------------------------

void Version_Suffix_Parse(const char* text, int* first, int* second, char* suffix)
{
    int a = 0, b = 0;
    char sep1 = 0, sep2 = 0;
    char suf[5] = "???";
    if (text) {
        int len = (int)std::strlen(text);
        for (int i = len - 2; i >= 1; --i) {
            if (text[i] == ' ') {
                char tmp[5] = {0, 0, 0, 0, 0};
                int got = std::sscanf(text + i + 1, "%d%c%d%c%4s", &a, &sep1, &b, &sep2, tmp);
                if (got >= 5) std::memcpy(suf, tmp, sizeof suf);
                break;
            }
        }
    }
    if (first) *first = a;
    if (second) *second = b;
    if (suffix) std::memcpy(suffix, suf, sizeof suf);
}

int Version_Suffix_Compare(const char* a, const char* b)
{
    int a1, a2, b1, b2;
    char as[5], bs[5];
    Version_Suffix_Parse(a, &a1, &a2, as);
    Version_Suffix_Parse(b, &b1, &b2, bs);
    if (a2 > b2) return 1;
    if (a2 < b2) return -1;
    if (a1 > b1) return 1;
    if (a1 < b1) return -1;
    return std::strcmp(as, bs);
}

// ---- files ----------------------------------------------------------------------------

int Text_File_Replace(const char* path, const char* pattern, const char* replacement)
{
    if (!path || !pattern || !pattern[0]) return 0;
    if (!replacement) replacement = "";
    FILE* in = Kov_Fopen(path, "rb");
    if (!in) return 0;

    // The file is replaced only when the text occurs and the new version is
    // complete.
    const std::string pat(pattern), rep(replacement);
    int count = 0;
    const int rc = Kov_Replace_File(path, [&](FILE* out) {
        std::string line;
        int c;
        for (;;) {
            line.clear();
            while ((c = std::fgetc(in)) != EOF) {
                line.push_back((char)c);
                if (c == '\n') break;
            }
            if (line.empty()) break;
            size_t pos = 0;
            while ((pos = line.find(pat, pos)) != std::string::npos) {
                line.replace(pos, pat.size(), rep);
                pos += rep.size();
                ++count;
            }
            if (std::fwrite(line.data(), 1, line.size(), out) != line.size()) return false;
            if (c == EOF) break;
        }
        return !std::ferror(in) && count > 0;
    });
    std::fclose(in);
    return rc == KOV_REPLACE_OK ? count : 0;
}

namespace {
int sibling_first = 1;
int sibling_result = 0;
} // namespace

int Sibling_Tool_Present()
{
    if (sibling_first) {
        sibling_first = 0;
        const char* exec = std::getenv("EXEC");
        if (exec) {
            std::string p = Kov_Path((std::string(exec) + "\\Q8-VUNT\\V.exe").c_str());
            if (::access(p.c_str(), F_OK) == 0) sibling_result = 1;
        }
    }
    return sibling_result;
}

// ---- idle callbacks ----------------------------------------------------------------------

namespace {
IdleCallback* idle_stack;
int idle_count;
int idle_capacity;
IdleCallback idle_installed;

void install(IdleCallback cb)
{
    idle_installed = cb;
    Set_CallSometimesFunc_to_PS(cb);
}
} // namespace

void Idle_Push(IdleCallback callback)
{
    if (idle_count + 1 > idle_capacity) {
        idle_capacity += 10;
        idle_stack = (IdleCallback*)Mem_Realloc(idle_stack, idle_capacity * (int)sizeof(IdleCallback), 0);
    }
    idle_stack[idle_count++] = callback;
    install(callback);
}

void Idle_Pop()
{
    int before = idle_count;
    if (idle_count > 0) --idle_count;
    install(before > 1 ? idle_stack[idle_count - 1] : nullptr);
}

void Idle_Suspend() { install(nullptr); }

void Idle_Resume() { install(idle_count > 0 ? idle_stack[idle_count - 1] : nullptr); }

void Idle_Clear()
{
    idle_count = 0;
    install(nullptr);
}

int Idle_Count() { return idle_count; }

IdleCallback Idle_Installed() { return idle_installed; }

void Ttool_Reset()
{
    for (int i = 0; i < 8; ++i) {
        std::free(ring_text[i]);
        ring_text[i] = nullptr;
        ring_flag[i] = 0;
    }
    ring_next = 0;
    Mem_Free_Null((void**)&idle_stack);
    idle_count = idle_capacity = 0;
    idle_installed = nullptr;
    sibling_first = 1;
    sibling_result = 0;
}
