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

NadWarningShower g_warning_shower = Nad_Warning_Message;

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

} // namespace

const char* const NadWarningHead = "Das mit dem Programm verknüpfte NAD";
const char* const NadWarningMiddle[3] = {"kann nicht gefunden werden.", "Um die Stabilität des Programms zu",
                                         "gewährleisten, wird auf das NAD"};
const char* const NadWarningTail[3] = {"umgeschaltet. Wenn Sie dies", "nicht wünschen, wählen Sie",
                                       "bitte ein anderes NAD aus."};

int Nad_Warning_Message(const char* requested, const char* active)
{
    Set_Message_Title("Warnung");
    Set_Message_Symbol(2, 0, 0, 0);
    Init_Message();
    Fill_Message(cp850(NadWarningHead));
    Fill_Message(requested ? requested : "");
    for (const char* line : NadWarningMiddle) Fill_Message(cp850(line));
    Fill_Message(active ? active : "");
    for (const char* line : NadWarningTail) Fill_Message(cp850(line));
    Draw_Message();
    return 0;
}

void Nad_Set_Warning_Shower(NadWarningShower shower) { g_warning_shower = shower ? shower : Nad_Warning_Message; }

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
    int result = 0;
    if (std::strcmp(NadActiveName, requested) != 0) {
        // The active name is handed over as a copy: the selection sheet that
        // the warning may open replaces it.
        char* active = copy_text(NadActiveName);
        result = g_warning_shower(requested, active);
        Mem_Free_Null(reinterpret_cast<void**>(&active));
    }
    Mem_Free_Null(reinterpret_cast<void**>(&requested));
    return result;
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
