#pragma once
// What the stand-in tools share: the record of the arguments a tool was
// started with, so that tests can check the host's command line.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/kovreplace.h"

// Writes argv[1..] one a line into the file named by the environment variable
// var (nothing when it is unset); the file appears only when complete.
inline void Tool_Write_Args(const char* var, int argc, char** argv)
{
    const char* out = std::getenv(var);
    if (!out || !*out) return;
    Kov_Replace_File(out, [argc, argv](FILE* f) {
        for (int i = 1; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
        return true;
    });
}
