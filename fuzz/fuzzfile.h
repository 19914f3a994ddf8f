// Small helpers of the fuzz harnesses: a private working folder (under TMPDIR,
// a RAM folder when scripts/fuzz.sh runs them) and files made from the input.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace fuzz {

// The harness's own folder, made once per process; "" when none can be made.
inline const std::string& Work_Dir(const char* tag)
{
    static std::string dir;
    if (dir.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + tag + "_XXXXXX";
        if (mkdtemp(&pattern[0])) dir = pattern;
    }
    return dir;
}

// Writes the bytes to path; false when the file cannot be written.
inline bool Write_File(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

// The whole content of path ("" when it cannot be read).
inline std::string Read_File(const std::string& path)
{
    std::string bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);
    return bytes;
}

// The input as a file open for reading (NULL when it cannot be made).
inline FILE* Open_Input(const char* tag, const uint8_t* data, size_t size)
{
    if (Work_Dir(tag).empty()) return nullptr;
    const std::string path = Work_Dir(tag) + "/input";
    if (!Write_File(path, data, size)) return nullptr;
    return std::fopen(path.c_str(), "rb");
}

// A round trip that does not give the same bytes again is a finding.
inline void Require_Same(const std::string& a, const std::string& b, const char* what)
{
    if (a != b) {
        size_t at = 0;
        while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
        const size_t from = at > 40 ? at - 40 : 0;
        std::fprintf(stderr, "%s: a second write differs from the first at byte %zu:\n--- first\n%s\n--- second\n%s\n",
                     what, at, a.substr(from, 120).c_str(), b.substr(from, 120).c_str());
        std::abort();
    }
}

} // namespace fuzz
