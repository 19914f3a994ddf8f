// The national annex of the position: the annex list and the choice stored
// in the position's annex-name file.
#include "app/nelu52annex.h"

#include <cstdio>

#include "app/nelu52data.h"
#include "base/kovmem.h"
#include "nad/nadactive.h"
#include "nad/nadlist.h"
#include "nad/nadselect.h"
#include "platform/kovpath.h"
#include "platform/kovreplace.h"

void Qt_Safeguard_Proper_Version()
{
    // The annex library migrates the old single file (once, when the user's
    // NADS folder does not exist yet), keeps the two built-in entries, reads
    // the numbered user files up to the first missing number or the list's
    // capacity, and names "Deutschland" active when nothing is.
    Nad_Build_List();
}

int Nad_Store_Choice(const char* name, const char* annex_file)
{
    if (name) {
        char* copy = Mem_Strdup(name); // before the release: name may be the active name
        Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
        NadActiveName = copy;
    }

    int stored = 0;
    if (annex_file && *annex_file) {
        const bool written = Kov_Replace_File(annex_file, [](FILE* f) {
                                 Nad_Write_Activ_Nadname(f);
                                 return std::fputs("0\n", f) >= 0;
                             }) == KOV_REPLACE_OK;
        if (written) {
            if (FILE* f = Kov_Fopen(annex_file, "rb")) {
                Nad_Read_Activ_Nadname(f);
                std::fclose(f);
                stored = 1;
            }
        }
    }
    // Without the file the annex is activated by name, so the parameters in
    // use are never those of another annex than the one the program names.
    if (!stored) Nad_Select_By_Name(NadActiveName);
    Nad_Publish_Active_Blocks();
    return stored;
}

QString Nelu52_Annex_Note()
{
    const char* file = Nad_Unused_File();
    if (!file || !*file) return QString();
    // Straight quotes: the output list's code page has no German ones.
    return QString::fromUtf8("Die Datei %1 des Anwendungsdokuments \"%2\" der Position kann nicht gelesen werden:\n"
                             "alle Ergebnisse verwenden die EC-Empfehlungswerte statt seiner Werte.")
        .arg(qstring_from_cp850(file), qstring_from_cp850(Nad_Get_Active_Name()));
}
