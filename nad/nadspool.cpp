// Section search in annex data: finds the line that opens a block's body without running into
// the next annex of an old combined definition file.
#include "nad/nadspool.h"

#include <cstring>

// Reads one line into buf (at most NAD_SPOOL_LINE_MAX bytes kept, terminated,
// line break removed). The rest of an overlong line is consumed so that the
// next call starts at a line start. Returns 0 at the end of the file.
static int spool_read_line(FILE* f, char* buf, size_t size)
{
    if (!fgets(buf, (int)size, f)) return 0;
    size_t n = strlen(buf);
    if (n > 0 && buf[n - 1] == '\n') {
        buf[n - 1] = '\0';
        return 1;
    }
    // no line break: either the last line of the file or an overlong one
    int c;
    while ((c = fgetc(f)) != EOF && c != '\n') {}
    return 1;
}

int Nad_Spool(FILE* f, const char* keyword, const char* stop, int* value)
{
    if (!f || !keyword) return 0;

    fpos_t start;
    if (fgetpos(f, &start) != 0) return 0;

    const size_t klen = strlen(keyword);
    const size_t slen = stop ? strlen(stop) : 0;
    char line[NAD_SPOOL_LINE_MAX + 1];

    while (spool_read_line(f, line, sizeof line)) {
        if (strncmp(line, keyword, klen) == 0) {
            if (value) {
                int v;
                if (sscanf(line + klen, "%d", &v) == 1) *value = v;
            }
            return 1;
        }
        if (slen > 0 && strncmp(line, stop, slen) == 0) {
            fsetpos(f, &start);
            return 2;
        }
    }
    clearerr(f);
    fsetpos(f, &start);
    return 0;
}
