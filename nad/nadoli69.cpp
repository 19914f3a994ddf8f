// The EC6 (masonry) and EC9 (aluminium) output pages of the active annex.
#include <cstdio>

#include "nad/nadlist.h"
#include "nad/nadoli.h"
#include "nad/nadolipriv.h"
#include "nad/nadtitle.h"
#include "platform/kovoli.h"

namespace {

void norm_title(FILE* f, unsigned norm)
{
    Nad_Show_Table(f, "0 0 1");
    std::fprintf(f, " %s\n0 0 -1 -1\n", Nad_Norm_Title(norm, 0, 0));
    Nad_End_Of_Text(f);
    OLI_setYPositionCM(f, 1, -0.5f);
}

// 14 characters of clause, gamma_M, the value and 20 blanks before the text.
void ec6_line(FILE* f, const char* clause, double value, const char* utf8_text)
{
    std::fprintf(f, "%-14s\xC0\xCE\\M\xCEr = %-5.2lf                    %s\n", clause, value, cp850(utf8_text));
}

} // namespace

void Nad_Oli_Ec6(FILE* f)
{
    if (!f) return;
    const NadEc6Record* r = Nad_Get_Ec6();
    if (!r) return;
    const NadEc6Rows rows = Nad_Ec6_Rows();
    OLI_setFlags(f, 896);
    Nad_Page_Head(f);
    norm_title(f, NAD_NORM_EC6);
    OLI_setMarginsCM(f, 1, 0.0f, 0.0f);
    Nad_Clause_Table_Head(f);
    if (rows.main) {
        Nad_Put(f, " 2.4.3                                      Teilsicherheitsbeiwerte für Mauerwerk\n");
        std::fprintf(f, "%44s%s\n", "", cp850("im Grenzzustand der Tragfähigkeit für die"));
        ec6_line(f, "", r->gamma_m_persistent, "- ständige und vorübergehende Bemessungssituation");
        if (rows.accidental) {
            ec6_line(f, "", r->gamma_m_accidental, "- außergewöhnliche Bemessungssituation");
            ec6_line(f, "", r->gamma_m_seismic, "- Erdbeben-Bemessungssituation");
        }
        ec6_line(f, " 2.4.4", r->gamma_m_sls, "im Grenzzustand der Gebrauchstauglichkeit");
    }
    Nad_End_Of_Text(f);
}

void Nad_Oli_Ec9(FILE* f)
{
    if (!f) return;
    const NadEc9Record* r = Nad_Get_Ec9();
    if (!r) return;
    const NadEc9Rows rows = Nad_Ec9_Rows();
    OLI_setFlags(f, 896);
    OLI_reserveSpaceCM(f, 6.0f);
    norm_title(f, NAD_NORM_EC9);
    Nad_Clause_Table_Head(f);
    if (rows.ultimate) {
        Nad_Put(f, " 6.1.3(1)     Teilsicherheitsbeiwerte für   Grenzzustände der Tragfähigkeit \n");
        Nad_Gamma_Row(f, "M1", r->gamma_m1, "Querschnittsversagen");
        if (rows.gamma_m2) Nad_Gamma_Row(f, "M2", r->gamma_m2, "Bruchversagen infolge Zug");
    }
    Nad_Raw(f, " 6.2.1(5)     Beanspruchbark. d. Querschn.\n");
    std::fprintf(f, "              %-7.7s = %-5.2lf               %-40s\n", "C", r->c_6_15, "Konstante, ANMERKUNG 2");
    if (rows.joints) {
        Nad_Put(f, " 8.1.1(2)     Teilsicherheitsbeiwerte für   Anschlüsse\n");
        Nad_Gamma_Row(f, "Mp", r->gamma_mp, "Bolzenverbindungen");
        Nad_Gamma_Row(f, "Mw", r->gamma_mw, "Schweißverbindungen");
        Nad_Gamma_Row(f, "Ms,ser", r->gamma_ms_ser, "Gleitwiderstand im GZ d. Gebrauchst.");
        Nad_Gamma_Row(f, "Ms,ult", r->gamma_ms_ult, "Gleitwiderstand im GZ d. Tragf.");
        Nad_Gamma_Row(f, "Ma", r->gamma_ma, "Geklebte Verbindungen");
        Nad_Gamma_Row(f, "Mp,ser", r->gamma_mp_ser, "Bolzen im GZ d. Gebrauchst.");
    }
    Nad_Raw(f, "\n");
    Nad_End_Of_Text(f);
}
