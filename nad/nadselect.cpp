// Selection of the active annex by name and the ACTIV_NADNAME block.
#include "nad/nadselect.h"

#include <cstring>

#include "base/kovmem.h"
#include "base/kovtxt.h"
#include "nad/nadlist.h"
#include "platform/kovcp.h"
#include "platform/kovhost.h"

namespace {

const char* const kGermany = "Deutschland";
const char* const kKeyword = "ACTIV_NADNAME";

char* copy_text(const char* s)
{
    const size_t n = std::strlen(s) + 1;
    char* p = static_cast<char*>(Mem_Realloc(nullptr, (int)n, 0));
    std::memcpy(p, s, n);
    return p;
}

void activate_germany()
{
    Nad_Build_List();
    Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
    NadActiveName = copy_text(kGermany);
    Nad_Activate();
}

// Tells the user that the annex a file asked for is missing and which annex
// is active instead. The message window stands in for the warning sheet,
// which offers no further choice here: the user picks another annex in the
// program's own annex dialog.
void warn_replaced(const char* requested, const char* active)
{
    Set_Message_Title("Warnung");
    Set_Message_Symbol(2, 0, 0, 0);
    Init_Message();
    Fill_Message(cp850("Das mit dem Programm verknüpfte NAD"));
    Fill_Message(requested);
    Fill_Message("kann nicht gefunden werden.");
    Fill_Message(cp850("Um die Stabilität des Programms zu"));
    Fill_Message(cp850("gewährleisten, wird auf das NAD"));
    Fill_Message(active);
    Fill_Message("umgeschaltet. Wenn Sie dies");
    Fill_Message(cp850("nicht wünschen, wählen Sie"));
    Fill_Message("bitte ein anderes NAD aus.");
    Draw_Message();
}

}  // namespace

int Nad_Select_By_Name(const char* name)
{
    // The caller may hand over the active name itself, which is released below.
    char* requested = name ? copy_text(name) : nullptr;
    Nad_Build_List();
    Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));

    if (!requested || std::strcmp(requested, "lokale Definitionen") == 0) {
        NadActiveName = copy_text(kGermany);
        Mem_Free_Null(reinterpret_cast<void**>(&requested));
        return Nad_Activate();
    }

    NadActiveName = copy_text(requested);
    Nad_Activate();
    if (std::strcmp(NadActiveName, requested) != 0) warn_replaced(requested, NadActiveName);
    Mem_Free_Null(reinterpret_cast<void**>(&requested));
    return 0;
}

void Nad_Read_Activ_Nadname(FILE* f)
{
    char name[TXT_GUILLEMETS_SIZE];
    name[0] = '\0';
    if (f && Txt_Find_Keyword_Int(kKeyword, f, nullptr) && Txt_Read_Guillemets(f, name) > 0 && name[0]) {
        Nad_Select_By_Name(name);
        return;
    }
    activate_germany();
}

void Nad_Write_Activ_Nadname(FILE* f)
{
    if (!f) return;
    if (!NadActiveName) activate_germany();
    std::fprintf(f, "\n\n%s\n", kKeyword);
    Txt_Write_Guillemets(f, NadActiveName);
    std::fprintf(f, "\n");
}
