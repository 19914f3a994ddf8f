// The annex editor of the host environment.
//
//   NAD-Pflege <active annex name>
//
// Keeps the user's annexes as the numbered annex files of %DRAM%\NADS (1.NAD,
// 2.NAD, ... without gaps). A host script prepares what the editor does in
// environment variables:
//   KOV_NAD_PFLEGE_LOESCHE=<n>      removes user annex n; the annexes after it
//                                   move down one number, so none gets lost
//   KOV_NAD_PFLEGE_NEU=<name>       adds a user annex under the next free
//                                   number: a copy of the annex named on the
//                                   command line (Deutschland when that is not
//                                   known) with this name (code page 850 bytes,
//                                   cut to the 27 bytes an annex name holds; a
//                                   name a listed annex has is refused)
//   KOV_NAD_PFLEGE_GAMMA_M=<value>  in that new annex, gamma_M of solid timber
//                                   and of glulam
//   KOV_NAD_PFLEGE_ARGS=<file>      receives every argument, one a line
// A removal runs before an addition. Without LOESCHE and NEU the editor's
// sheet runs (tools/nadpflege): the annex list, the pages EC 0 to EC 9 of the
// chosen annex, and "Neu", "Entfernen", "Speichern", "Darstellungsoptionen",
// "Hilfe", "Schließen". It needs a display (KOV_UI_MODE unset or
// "interactive"); without one it says so and ends with 2.
// NAD-Pflege --help prints the usage (German); a wrong command line prints it
// to standard error.
// Exit code 0 when an annex was stored, added or removed (and for --help), 1
// when nothing changed, 2 on a usage error or when a change could not be made.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "tools/nadpflege/nadpflege.h"
#include "tools/toolargs.h"

int main(int argc, char** argv)
{
    Tool_Write_Args("KOV_NAD_PFLEGE_ARGS", argc, argv);
    const int usage = Nad_Pflege_Arguments(argc, argv, stdout, stderr);
    if (usage >= 0) return usage;

    const char* remove = std::getenv("KOV_NAD_PFLEGE_LOESCHE");
    const char* add = std::getenv("KOV_NAD_PFLEGE_NEU");
    if ((remove && *remove) || (add && *add))
        return Nad_Pflege_Instructions(argv[1], remove, add, std::getenv("KOV_NAD_PFLEGE_GAMMA_M"));

    const std::unique_ptr<QApplication> app = Tool_Application(argc, argv);
    if (!app) {
        Nad_Pflege_Needs_Display(stderr);
        return NAD_PFLEGE_FAILED;
    }
    return Nad_Pflege_Sheet(argv[1]);
}
