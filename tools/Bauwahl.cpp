// Stand-in of the host's component-selection tool.
//
//   Bauwahl <mode>
//
// Opens its window "KOV - Bauteilauswahl" while it runs. The user's choice is
// a prepared answer: when KOV_BAUWAHL_ANSWER names a readable file, it is
// copied to "Bauwahl.tmp" in TEMP (written completely beside it, then renamed);
// otherwise the user cancelled and no answer file is left.
// KOV_BAUWAHL_ARGS: a file that receives every argument, one a line.
// KOV_TOOL_HOLD_MS: how long the window stays open (default 150 ms).
// Exit code 0 after a choice, 1 after a cancel, 2 on a usage error.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/kovhost.h"
#include "platform/kovpath.h"
#include "tools/toolargs.h"

int main(int argc, char** argv)
{
    Tool_Write_Args("KOV_BAUWAHL_ARGS", argc, argv);
    if (argc != 2) return 2;
    const char* title = "KOV - Bauteilauswahl";
    if (!KOVRegisterWindow(title)) return 2;

    int rc = 1;
    const char* temp = KOVGetEnv("TEMP");
    const std::string answer = temp ? Kov_Path((std::string(temp) + "\\Bauwahl.tmp").c_str()) : std::string();
    if (!answer.empty()) std::remove(answer.c_str());
    const char* source = std::getenv("KOV_BAUWAHL_ANSWER");
    if (source && *source && !answer.empty() && KOVCopyFile(Kov_Path(source).c_str(), answer.c_str(), 0)) rc = 0;

    const char* hold = std::getenv("KOV_TOOL_HOLD_MS");
    KOVSleep(hold ? std::atoi(hold) : 150);
    KOVUnregisterWindow(title);
    return rc;
}
