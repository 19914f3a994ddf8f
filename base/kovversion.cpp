// Reads a program's VERSION file (first line, patched by the "<" marks of later lines) for the
// version line of every output list.
#include "base/kovversion.h"

#include "platform/kovpath.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

char version_text[256];

// Reads one line, keeps at most size - 1 bytes (the line feed included when it
// fits) and consumes the rest of it. -1 at the end of the file before any byte.
// *ended tells whether the line had a line feed.
int read_line(FILE* f, char* buf, int size, bool* ended)
{
    int n = 0, c;
    bool any = false;
    *ended = false;
    while ((c = std::fgetc(f)) != EOF) {
        any = true;
        if (n < size - 1) buf[n++] = (char)c;
        if (c == '\n') {
            *ended = true;
            break;
        }
    }
    buf[n] = 0;
    return any ? n : -1;
}

bool ordinary(char c) { return c != 0 && c != '\n' && c != '\r'; }

} // namespace

const char* Read_Version_File(const char* program_dir)
{
    const char* exec = std::getenv("EXEC");
    if (!exec || !program_dir) return nullptr;
    std::string name = std::string(exec) + "\\" + program_dir + "\\VERSION";
    FILE* f = Kov_Fopen(name.c_str(), "rb");
    if (!f) return nullptr;

    bool ended;
    int len = read_line(f, version_text, sizeof version_text, &ended);
    if (len < 0) len = 0;
    // Only a line end is taken off; a line without one keeps its characters.
    if (ended) {
        if (len > 0 && version_text[len - 1] == '\n') version_text[--len] = 0;
        if (len > 0 && version_text[len - 1] == '\r') version_text[--len] = 0;
    }

    char line[256];
    int n;
    while ((n = read_line(f, line, sizeof line, &ended)) >= 0) {
        for (int i = 0; i + 2 < n; ++i) {
            if (line[i] != '<' || !ordinary(line[i + 1]) || !ordinary(line[i + 2])) continue;
            if (len >= 2) {
                version_text[len - 2] = line[i + 1];
                version_text[len - 1] = line[i + 2];
            }
        }
    }
    std::fclose(f);
    return version_text;
}
