#pragma once
// Runs one of the built tools from a test.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace toolrun {

// Runs the command; its standard output and exit code (-1 when it did not end normally).
inline std::string run(const std::string& cmd, int* code)
{
    std::string out;
    *code = -1;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return out;
    char buf[512];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    const int rc = ::pclose(p);
    *code = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

} // namespace toolrun
