// The command line of NAD-Pflege: its usage in German, and what it says when
// it cannot open its window.
#include "tools/nadpflege/nadpflege.h"

#include <cstdlib>
#include <cstring>

const char* const NadPflegeUsage =
    "Aufruf: NAD-Pflege <Name des aktiven Anwendungsdokuments>\n"
    "\n"
    "Pflege der Nationalen Anwendungsdokumente: zeigt die mitgelieferten und die eigenen\n"
    "Anwendungsdokumente (%DRAM%\\NADS\\1.NAD, 2.NAD, ...) mit ihren Seiten EC 0 bis EC 9;\n"
    "eigene werden angelegt, geändert, gespeichert und entfernt. Das Fenster braucht eine\n"
    "Anzeige. Werte außerhalb des Bereichs, den die Normen zulassen, werden abgewiesen.\n"
    "\n"
    "Umgebungsvariablen:\n"
    "  DRAM                          Ordner der eigenen Anwendungsdokumente (nötig)\n"
    "  DATA                          Ordner der mitgelieferten Daten\n"
    "  KOV_NAD_PFLEGE_NEU=<Name>     legt ohne Fenster eine Kopie des aktiven Dokuments an\n"
    "  KOV_NAD_PFLEGE_GAMMA_M=<Wert> gamma_M von Vollholz und Brettschichtholz der Kopie (1 bis 5)\n"
    "  KOV_NAD_PFLEGE_LOESCHE=<n>    entfernt ohne Fenster das eigene Dokument Nummer n\n"
    "\n"
    "Rückgabewert: 0 etwas wurde gespeichert, angelegt oder entfernt; 1 nichts geändert;\n"
    "2 falscher Aufruf oder eine Änderung misslang.\n";

int Nad_Pflege_Arguments(int argc, char** argv, FILE* out, FILE* err)
{
    for (int i = 1; i < argc; ++i)
        if (argv[i] && (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)) {
            std::fputs(NadPflegeUsage, out);
            return NAD_PFLEGE_CHANGED;
        }
    if (argc != 2 || !argv[1]) {
        std::fputs(NadPflegeUsage, err);
        return NAD_PFLEGE_FAILED;
    }
    const char* dram = std::getenv("DRAM");
    if (!dram || !*dram) {
        std::fputs("NAD-Pflege: DRAM ist nicht gesetzt; ohne diesen Ordner gibt es keine eigenen "
                   "Anwendungsdokumente.\n",
                   err);
        return NAD_PFLEGE_FAILED;
    }
    return -1;
}

void Nad_Pflege_Needs_Display(FILE* err)
{
    std::fputs("NAD-Pflege: Das Fenster braucht eine Anzeige (DISPLAY oder WAYLAND_DISPLAY, KOV_UI_MODE "
               "nicht gesetzt oder \"interactive\").\n"
               "Ohne Anzeige legen nur KOV_NAD_PFLEGE_NEU und KOV_NAD_PFLEGE_LOESCHE Dokumente an oder "
               "entfernen sie; NAD-Pflege --help nennt den Aufruf.\n",
               err);
}
