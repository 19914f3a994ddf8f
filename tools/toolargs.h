#pragma once
// What the stand-in tools share: the record of the arguments a tool was
// started with, so that tests can check the host's command line.
#include <cstdio>
#include <cstdlib>
#include <string>

// Writes argv[1..] one a line into the file named by the environment variable
// var (nothing when it is unset); the file appears only when complete.
inline void Tool_Write_Args(const char* var, int argc, char** argv)
{
    const char* out = std::getenv(var);
    if (!out || !*out) return;
    const std::string tmp = std::string(out) + ".part";
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return;
    for (int i = 1; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
    if (std::fclose(f) == 0) std::rename(tmp.c_str(), out);
}
