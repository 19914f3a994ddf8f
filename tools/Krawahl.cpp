// Stand-in of the host's force-selection tool.
//
//   Krawahl <exchange file> <a> <b> <c> <d> [<n> <cut 1> ... <cut n>]
//
// Opens its window "KOV - Schnittgrößenauswahl" while it runs. The user's
// choice is a prepared result file: when KOV_KRAWAHL_SOURCE names a readable
// file, it is copied to "Krawahl.res" in TEMP (written completely beside it,
// then renamed); otherwise the user cancelled and no result file is left.
// The exchange file of the component must be readable, else nothing is chosen.
// KOV_KRAWAHL_ARGS: a file that receives every argument, one a line.
// KOV_TOOL_HOLD_MS: how long the window stays open (default 150 ms).
// Exit code 0 after a choice, 1 after a cancel, 2 on a usage error, 3 when the
// exchange file cannot be read.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/kovcp.h"
#include "platform/kovhost.h"
#include "platform/kovpath.h"
#include "tools/toolargs.h"

int main(int argc, char** argv)
{
    Tool_Write_Args("KOV_KRAWAHL_ARGS", argc, argv);
    if (argc < 6) return 2;
    if (argc > 6) {
        const int n = std::atoi(argv[6]);
        if (n < 0 || argc != 7 + n) return 2;
    }
    const char* title = cp1252("KOV - Schnittgrößenauswahl");
    if (!KOVRegisterWindow(title)) return 2;

    int rc = 1;
    const char* temp = KOVGetEnv("TEMP");
    const std::string result = temp ? Kov_Path((std::string(temp) + "\\Krawahl.res").c_str()) : std::string();
    if (!result.empty()) std::remove(result.c_str());

    FILE* exchange = Kov_Fopen(argv[1], "rb");
    if (!exchange) {
        rc = 3;
    } else {
        std::fclose(exchange);
        const char* source = std::getenv("KOV_KRAWAHL_SOURCE");
        if (source && *source && !result.empty() && KOVCopyFile(Kov_Path(source).c_str(), result.c_str(), 0)) rc = 0;
    }

    const char* hold = std::getenv("KOV_TOOL_HOLD_MS");
    KOVSleep(hold ? std::atoi(hold) : 150);
    KOVUnregisterWindow(title);
    return rc;
}
