// Text files of the host: guillemet strings, text blocks in chunks of 100 bytes, keyword
// searches for a section of a file, and small line and string functions.
#include "base/kovtxt.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

// ---- guillemet strings ----------------------------------------------------------

int Txt_Skip_Blanks(FILE* f)
{
    if (!f) return EOF;
    int c;
    do {
        c = std::fgetc(f);
    } while (c == ' ' || c == '\t' || c == '\n');
    return c;
}

// Reads the bytes of a string up to the closing byte (or the end of the file),
// keeps at most keep of them in buf and terminates it; returns the count kept.
static int read_until(FILE* f, char* buf, int keep, int close)
{
    int n = 0, c;
    while ((c = std::fgetc(f)) != EOF && c != close)
        if (n < keep) buf[n++] = (char)c;
    buf[n] = 0;
    return n;
}

int Txt_Read_Guillemets(FILE* f, char* buf)
{
    if (!buf) return 0;
    buf[0] = 0;
    if (!f) return 0;
    if (Txt_Skip_Blanks(f) != TXT_GUILLEMET_OPEN) return 0;
    return read_until(f, buf, TXT_GUILLEMETS_SIZE - 1, TXT_GUILLEMET_CLOSE);
}

int Txt_Read_Guillemets255(FILE* f, char* buf)
{
    if (!buf) return -1;
    buf[0] = 0;
    if (!f) return -1;
    if (Txt_Skip_Blanks(f) != TXT_GUILLEMET_OPEN) return -1;
    return read_until(f, buf, TXT_GUILLEMETS255_SIZE - 1, TXT_GUILLEMET_CLOSE);
}

int Txt_Read_Delimited(FILE* f, char* buf, int size, char open, char close)
{
    if (!buf || !f || size <= 0) return -1;
    buf[0] = 0;
    char c;
    if (std::fscanf(f, " %c", &c) != 1 || c != open) return 0;
    return read_until(f, buf, size - 1, (unsigned char)close);
}

// Length of s up to (not including) the first byte stop, at most max.
static size_t cut_length(const char* s, unsigned char stop, size_t max)
{
    size_t n = 0;
    while (n < max && s[n] && (unsigned char)s[n] != stop) ++n;
    return n;
}

int Txt_Write_Guillemets(FILE* f, const char* s)
{
    if (!f) return 1;
    if (!s) s = "";
    size_t n = cut_length(s, TXT_GUILLEMET_CLOSE, TXT_GUILLEMETS_SIZE - 1);
    if (std::fputc(TXT_GUILLEMET_OPEN, f) == EOF) return 1;
    if (n && std::fwrite(s, 1, n, f) != n) return 1;
    if (std::fputc(TXT_GUILLEMET_CLOSE, f) == EOF) return 1;
    return std::ferror(f) ? 1 : 0;
}

int Txt_Write_Delimited(FILE* f, const char* s, char open, char close)
{
    if (!f) return 1;
    if (!s) s = "";
    size_t n = cut_length(s, (unsigned char)close, (size_t)-1);
    if (std::fputc((unsigned char)open, f) == EOF) return 1;
    if (n && std::fwrite(s, 1, n, f) != n) return 1;
    if (std::fputc((unsigned char)close, f) == EOF) return 1;
    return std::ferror(f) ? 1 : 0;
}

// ---- keyword searches ---------------------------------------------------------

// Reads one line, keeps at most size - 1 bytes (line feed included when it fits)
// and consumes the rest of the line. -1 at the end of the file before any byte.
static int read_line_piece(FILE* f, char* buf, int size, bool keep_lf)
{
    int n = 0, c = 0;
    bool any = false;
    while ((c = std::fgetc(f)) != EOF) {
        any = true;
        if (c == '\n') {
            if (keep_lf && n < size - 1) buf[n++] = (char)c;
            break;
        }
        if (n < size - 1) buf[n++] = (char)c;
    }
    buf[n] = 0;
    return any ? n : -1;
}

int Txt_Find_Keyword_Int(const char* keyword, FILE* f, int* value)
{
    if (!keyword || !f) return 0;
    std::rewind(f);
    size_t klen = std::strlen(keyword);
    char line[511];
    int n;
    while ((n = read_line_piece(f, line, sizeof line, true)) >= 0) {
        if ((size_t)n >= klen && std::memcmp(line, keyword, klen) == 0) {
            int v;
            if (value && std::sscanf(line + klen, "%d", &v) == 1) *value = v;
            return 1;
        }
    }
    return 0;
}

int Txt_Find_Keyword_Line(FILE* f, const char* keyword, int rewind)
{
    if (!f || !keyword || !keyword[0]) return 0;
    if (rewind) std::rewind(f);
    size_t len = std::strlen(keyword);
    if (len > 100) len = 100;
    char buf[101];
    for (;;) {
        size_t n = 0;
        int c = 0;
        while (n < len && (c = std::fgetc(f)) != EOF && c != '\n') buf[n++] = (char)c;
        if (n == len) {
            // Compared on its first len bytes; the rest of the line is skipped.
            while ((c = std::fgetc(f)) != EOF && c != '\n') {}
            if (std::memcmp(buf, keyword, len) == 0) return 1;
            if (c == EOF) return 0;
        } else if (c == EOF) {
            return 0;
        }
    }
}

// ---- text blocks ------------------------------------------------------------------

int Txb_Write(FILE* f, const char* text)
{
    if (!f) return 1;
    if (!text) text = "";
    // A closing byte inside the text would end its chunk early; it is written as
    // a double quote, so a user's » in a comment costs one character, not the rest.
    size_t len = std::strlen(text);
    if (std::fprintf(f, "TXB%d\n", (int)len) < 0) return 1;
    size_t pos = 0;
    while (pos < len) {
        size_t n = len - pos < (size_t)TXB_CHUNK ? len - pos : (size_t)TXB_CHUNK;
        std::fputc(TXT_GUILLEMET_OPEN, f);
        for (size_t i = 0; i < n; ++i) {
            char c = text[pos + i];
            unsigned char b = (unsigned char)c;
            std::fputc(c == '\n' ? 0x01 : b == TXT_GUILLEMET_CLOSE ? '"' : b, f);
        }
        std::fputc(TXT_GUILLEMET_CLOSE, f);
        std::fputc('\n', f);
        pos += n;
    }
    return std::ferror(f) ? 1 : 0;
}

char* Txb_Read(FILE* f)
{
    if (!f) return nullptr;
    int c;
    do {
        c = std::fgetc(f);
    } while (c == ' ' || c == '\n');
    if (c != 'T') return nullptr;
    if (std::fgetc(f) != 'X' || std::fgetc(f) != 'B') return nullptr;
    int declared = 0;
    if (std::fscanf(f, "%9d", &declared) != 1 || declared <= 0) return nullptr;

    std::string text;
    long remaining = declared;
    char chunk[TXT_GUILLEMETS255_SIZE];
    for (int k = 0; k < TXB_MAX_CHUNKS && remaining > 0; ++k) {
        int n = Txt_Read_Guillemets255(f, chunk);
        if (n < 0) break;
        for (int i = 0; i < n; ++i)
            if (chunk[i] == 0x01) chunk[i] = '\n';
        text.append(chunk, (size_t)(n < remaining ? n : remaining));
        remaining -= n;
    }
    char* r = (char*)std::malloc(text.size() + 1);
    if (!r) return nullptr;
    std::memcpy(r, text.data(), text.size());
    r[text.size()] = 0;
    return r;
}

char* Txb_Copy(const char* src, int n)
{
    if (n < 0) n = 0;
    // A NULL src gives "\n", which needs two bytes even when n is 0.
    size_t size = (size_t)n + 1 < 2 && !src ? 2 : (size_t)n + 1;
    char* r = (char*)std::calloc(size, 1);
    if (!r) return nullptr;
    if (!src) {
        r[0] = '\n';
        return r;
    }
    for (int i = 0; i < n && src[i]; ++i) r[i] = src[i];
    return r;
}

int Txb_Size(const char* s) { return s ? (int)std::strlen(s) + 1 : 0; }

char* Txb_Free(char* s)
{
    std::free(s);
    return nullptr;
}

// ---- lines and strings ------------------------------------------------------------

int Txt_Skip_Line(FILE* f)
{
    if (!f) return EOF;
    int c;
    while ((c = std::fgetc(f)) != EOF && c != '\n') {}
    return c;
}

int Txt_Read_Line(FILE* f, char* buf, int size)
{
    if (!buf || size < 1) return -1;
    buf[0] = 0;
    if (!f) return 1;
    int n = read_line_piece(f, buf, size, false);
    return (n < 0 ? 0 : n) + 1;
}

char* Txt_Get_Line(char* buf, int size, FILE* f)
{
    if (!buf || !f || size <= 0) return nullptr;
    if (!std::fgets(buf, size, f)) return nullptr;
    size_t len = std::strlen(buf);
    if (len > 0 && buf[len - 1] == '\n') {
        buf[len - 1] = 0;
    } else {
        // The line did not fit: its rest is not the next line.
        int c;
        while ((c = std::fgetc(f)) != EOF && c != '\n') {}
    }
    return buf;
}

int Txt_Trim(char* s, int flags)
{
    if (!s || !s[0]) return 0;
    int len = (int)std::strlen(s);
    if (flags & 2)
        while (len > 0 && std::isspace((unsigned char)s[len - 1])) s[--len] = 0;
    if (flags & 1) {
        int k = 0;
        while (k < len && std::isspace((unsigned char)s[k])) ++k;
        if (k > 0) {
            std::memmove(s, s + k, (size_t)(len - k) + 1);
            len -= k;
        }
    }
    return len;
}

int Txt_Copy_Trim_Pad(const char* src, char* dst, int size, int flags)
{
    if (!dst || size <= 0) return 0;
    int n = 0;
    if (src)
        while (n < size - 1 && src[n]) {
            dst[n] = src[n];
            ++n;
        }
    dst[n] = 0;
    if (flags & 3) n = Txt_Trim(dst, flags & 3);
    if (flags & 4) {
        while (n < size - 1) dst[n++] = ' ';
        dst[n] = 0;
    }
    return n;
}

namespace {
char trim_buf[512];
char pad_buf[512];
char acute_buf[512];
} // namespace

const char* Txt_Trim_Blanks_Static(const char* s)
{
    size_t n = 0;
    if (s)
        while (n < sizeof trim_buf - 1 && s[n]) {
            trim_buf[n] = s[n];
            ++n;
        }
    trim_buf[n] = 0;
    while (n > 0 && trim_buf[n - 1] == ' ') trim_buf[--n] = 0;
    const char* p = trim_buf;
    while (*p == ' ') ++p;
    return p;
}

int Txt_Trimmed_Length(const char* s)
{
    if (!s) return 0;
    int n = (int)std::strlen(s);
    while (n > 0 && s[n - 1] == ' ') --n;
    return n;
}

const char* Txt_Pad_To_Width(const char* s, int width)
{
    int n = width < 0 ? 0 : width > 511 ? 511 : width;
    int k = 0;
    if (s)
        while (k < n && s[k]) {
            pad_buf[k] = s[k];
            ++k;
        }
    while (k < n) pad_buf[k++] = ' ';
    pad_buf[n] = 0;
    return pad_buf;
}

int Txt_Blanks_To_Question(char* s)
{
    if (!s) return 0;
    int n = 0;
    for (; s[n]; ++n)
        if (s[n] == ' ') s[n] = '?';
    return n;
}

int Txt_Question_To_Blanks(char* s)
{
    if (!s) return 0;
    int n = 0;
    for (; s[n]; ++n)
        if (s[n] == '?') s[n] = ' ';
    return n;
}

const char* Txt_Apostrophe_To_Acute(const char* s)
{
    size_t n = 0;
    if (s)
        for (; n < sizeof acute_buf - 1 && s[n]; ++n) acute_buf[n] = s[n] == '\'' ? (char)0xB4 : s[n];
    acute_buf[n] = 0;
    return acute_buf;
}
