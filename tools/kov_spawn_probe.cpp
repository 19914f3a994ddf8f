// A small program that the tests of the host stand-in start.
//
//   kov_spawn_probe exit <code>                 ends with that exit code
//   kov_spawn_probe sleep <ms> [<code>]         waits, then ends
//   kov_spawn_probe window <title> <ms> [keep]  registers the tool window title,
//                                               waits, removes it (not with keep)
// With KOV_PROBE_OUT set, every argument after the program name is first
// written to that file, one per line (written completely, then renamed).
#include "platform/kovhost.h"
#include "platform/kovreplace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (const char* out = std::getenv("KOV_PROBE_OUT")) {
        const int rc = Kov_Replace_File(out, [argc, argv](FILE* f) {
            for (int i = 1; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
            return std::ferror(f) == 0;
        });
        if (rc != KOV_REPLACE_OK) {
            std::fprintf(stderr, "%s: %s\n", out, Kov_Replace_Text(rc));
            return 3;
        }
    }
    if (argc < 2) return 0;
    const std::string cmd = argv[1];
    if (cmd == "exit" && argc >= 3) return std::atoi(argv[2]);
    if (cmd == "sleep" && argc >= 3) {
        KOVSleep(std::atoi(argv[2]));
        return argc >= 4 ? std::atoi(argv[3]) : 0;
    }
    if (cmd == "window" && argc >= 4) {
        if (!KOVRegisterWindow(argv[2])) return 2;
        KOVSleep(std::atoi(argv[3]));
        if (!(argc >= 5 && std::strcmp(argv[4], "keep") == 0)) KOVUnregisterWindow(argv[2]);
        return 0;
    }
    return 0;
}
