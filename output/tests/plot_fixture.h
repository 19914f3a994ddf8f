#pragma once
// Helpers of the graphics and plot tests: temporary files and their bytes.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// A temporary file name that is removed again at the end of the test.
struct TempPath {
    std::string path;
    TempPath() {
        char buf[] = "/tmp/kovplot_XXXXXX";
        int fd = mkstemp(buf);
        if (fd >= 0) close(fd);
        path = buf;
    }
    ~TempPath() { unlink(path.c_str()); }
};

inline std::string Read_File_Bytes(const std::string& path) {
    std::string out;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    fclose(f);
    return out;
}

// Everything written so far into a stream opened with tmpfile().
inline std::string Read_Stream(FILE* f) {
    std::string out;
    fflush(f);
    long pos = ftell(f);
    rewind(f);
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    fseek(f, pos, SEEK_SET);
    return out;
}

// The lines of a text.
inline std::vector<std::string> Split_Lines(const std::string& s) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < s.size()) {
        size_t end = s.find('\n', start);
        if (end == std::string::npos) end = s.size();
        lines.push_back(s.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// Number of lines that begin with the prefix.
inline int Count_Prefix(const std::string& s, const std::string& prefix) {
    int n = 0;
    for (const std::string& l : Split_Lines(s))
        if (l.compare(0, prefix.size(), prefix) == 0) ++n;
    return n;
}

inline bool Has_Inf_Or_Nan(const std::string& s) {
    return s.find("inf") != std::string::npos || s.find("nan") != std::string::npos;
}
