// The EC3 output pages of the active annex: a head block and one clause table
// per standard of the EN 1993 family that the program uses.
#include <cstdio>

#include "nad/nadlist.h"
#include "nad/nadoli.h"
#include "nad/nadolipriv.h"
#include "nad/nadtitle.h"
#include "platform/kovoli.h"

namespace {

// The one-line title of a standard with the annex name, then the table head.
void title_and_head(FILE* f, unsigned norm)
{
    Nad_Show_Table(f, "0 0 1");
    std::fprintf(f, " %s", Nad_Norm_Title(norm, 0, 0));
    std::fprintf(f, ", NA %s\n0 0 -1 -1\n", Nad_Get_Active_Name());
    Nad_End_Of_Text(f);
    OLI_setYPositionCM(f, 1, -0.5f);
    Nad_Clause_Table_Head(f);
}

// The record when there is one and a stream to write to; the rules are worked
// out anew for every page.
const NadEc3Record* page_record(FILE* f)
{
    if (!f) return nullptr;
    const NadEc3Record* r = Nad_Get_Ec3();
    if (r) Nad_Ec3_Relevance();
    return r;
}

} // namespace

void Nad_Oli_Ec3(FILE* f)
{
    if (!page_record(f)) return;
    OLI_setFlags(f, 896);
    OLI_setMarginsCM(f, 1, 0.0f, 0.0f);
    Nad_Page_Head(f);
    Nad_Oli_Ec31(f);
    Nad_Oli_Ec38_Joints(f);
    Nad_Oli_Ec38_Plates(f);
    Nad_Oli_Ec38_Fatigue(f);
    Nad_Oli_Ec38_Cranes(f);
}

void Nad_Oli_Ec31(FILE* f)
{
    const NadEc3Record* rec = page_record(f);
    if (!rec) return;
    const NadEc31Record* p = &rec->ec31;
    const int* g = Ec3RelevanceFlags;
    title_and_head(f, NAD_NORM_EC3_1_1);
    if (g[0]) {
        if (g[2])
            Nad_Put(f, " 6.1(1)                                     Teilsicherheitsbeiwerte für Baustahl\n");
        else
            Nad_Put(f, " 6.1(1)       ständige/vorüberg. Situation  Teilsicherheitsbeiwerte für Baustahl\n");
        Nad_Gamma_Row(f, "M0", p->gamma_m0, "Querschnittsversagen");
        Nad_Gamma_Row(f, "M1", p->gamma_m1, "Stabilitätsversagen");
        if (g[1]) {
            Nad_Gamma_Row(f, "M2", p->gamma_m2, "Bruchversagen infolge Zug");
            if (g[2]) {
                Nad_Raw(f, "                                            bzw. Beanspruchbarkeit von Schrauben,\n");
                Nad_Put(f, "                                            Schweißnähten, Blechen auf Lochleibung\n");
            }
        }
        if (g[4]) {
            Nad_Put(f, "              außergewöhnliche Situation    Teilsicherheitsbeiwerte für Baustahl\n");
            Nad_Gamma_Row(f, "M0", p->gamma_m0_acc, "Querschnittsversagen");
            Nad_Gamma_Row(f, "M1", p->gamma_m1_acc, "Stabilitätsversagen");
            if (g[1]) Nad_Gamma_Row(f, "M2", p->gamma_m2_acc, "Bruchversagen infolge Zug");
        }
    }
    if (g[5]) {
        Nad_Raw(f, " 6.3.2.2(2)   Faktor f zur Modifizierung    Biegedrillknicken\n");
        // chi with the subscript LT
        if (p->use_f_modification)
            Nad_Raw(f, "              von \xBC\xCE\\LT\xCEr ansetzen              Allgemeiner Fall\n");
        else
            Nad_Raw(f, "              von \xBC\xCE\\LT\xCEr nicht ansetzen        Allgemeiner Fall\n");
        // lambda-bar with LT,0; beta
        std::fprintf(f, " 6.3.2.3(1)   \xC5\xCE\\LT,0\xCEr = %-5.2lf                 Schlankheitsgrad Gl. (6.57)\n",
                     p->lambda_lt0);
        std::fprintf(f, "              \xBB = %-5.2lf                     Korrekturfaktor Gl. (6.57)\n", p->beta_lt);
        if (p->f_given)
            std::fprintf(f,
                         " 6.3.2.3(2)   Faktor f = %-5.2lf              Berechnung des Abminderungsfaktors "
                         "\xBC\xCE\\LT\xCEr\n",
                         p->f_value);
        else if (p->k_c_from_table)
            Nad_Raw(f, " 6.3.2.3(2)   Beiwert k\xCE\\"
                       "c\xCEr aus Tabelle 6.6    Berechnung des Abminderungsfaktors "
                       "\xBC\xCE\\LT\xCEr\n");
        else
            std::fprintf(f,
                         " 6.3.2.3(2)   Beiwert k\xCE\\"
                         "c\xCEr = %-5.3lf            Berechnung des Abminderungsfaktor "
                         "\xBC\xCE\\LT\xCEr\n",
                         p->k_c_value);
    }
    Nad_End_Of_Text(f);
    if (g[9]) {
        title_and_head(f, NAD_NORM_EC3_1_2);
        Nad_Put(f, " 2.3(1)       Brandfall                     Teilsicherheitsbeiwert für\n");
        Nad_Gamma_Row(f, "M,fi", p->gamma_m_fi, "mechanisches Versagen");
        Nad_End_Of_Text(f);
    }
}

void Nad_Oli_Ec38_Joints(FILE* f)
{
    const NadEc3Record* rec = page_record(f);
    if (!rec || !Ec3RelevanceFlags[0] || !Ec3RelevanceFlags[3]) return;
    const NadEc38Record* p = &rec->ec38;
    title_and_head(f, NAD_NORM_EC3_1_8);
    Nad_Put(f, " 2.2(2)                                     Teilsicherheitsbeiwerte für Anschlüsse\n");
    Nad_Gamma_Row(f, "M3", p->gamma_m3, "Gleitfestigkeit (Kat.C, GZT)");
    Nad_Gamma_Row(f, "M3,ser", p->gamma_m3_ser, "Gleitfestigkeit (Kat.B, GZG)");
    Nad_Gamma_Row(f, "M4", p->gamma_m4, "Injektionsschrauben");
    Nad_Gamma_Row(f, "M6,ser", p->gamma_m6_ser, "Bolzen (GZG)");
    Nad_Gamma_Row(f, "M7", p->gamma_m7, "Vorspannung hochfester Schrauben");
    Nad_Gamma_Row(f, "M5", p->gamma_m5, "Hohlprofile in Fachwerken");
    Nad_End_Of_Text(f);
}

void Nad_Oli_Ec38_Plates(FILE* f)
{
    const NadEc3Record* rec = page_record(f);
    if (!rec || !Ec3RelevanceFlags[6]) return;
    title_and_head(f, NAD_NORM_EC3_1_5);
    std::fprintf(f, " 3.1(1)       Anmerkung %d                   %s\n", rec->ec38.shear_lag_note,
                 cp850("zur Berücksichtigung der Schubverzerrungen"));
    // eta
    std::fprintf(f, " 5.1(2)       \xC1 = %-5.2lf                     Beiwert zur Berechnung des Schubbeulens\n",
                 rec->ec38.eta);
    Nad_End_Of_Text(f);
}

void Nad_Oli_Ec38_Fatigue(FILE* f)
{
    const NadEc3Record* rec = page_record(f);
    if (!rec || !Ec3RelevanceFlags[7]) return;
    const NadEc38Record* p = &rec->ec38;
    title_and_head(f, NAD_NORM_EC3_1_9);
    Nad_Put(f, " 3(7)         Schadensfolgen                Teilsicherheitsbeiwert für Ermüdung\n");
    Nad_Raw(f, "              niedrig        hoch           \n");
    // gamma_Mf twice
    std::fprintf(f, "              \xC0\xCE\\Mf\xCEr = %-5.2lf    \xC0\xCE\\Mf\xCEr = %-5.2lf    Schadenstoleranz\n",
                 p->gamma_mf_tolerant_low, p->gamma_mf_tolerant_high);
    std::fprintf(f, "              \xC0\xCE\\Mf\xCEr = %-5.2lf    \xC0\xCE\\Mf\xCEr = %-5.2lf    %s\n",
                 p->gamma_mf_safe_life_low, p->gamma_mf_safe_life_high, cp850("Versagen ohne Vorankündigung"));
    Nad_End_Of_Text(f);
}

void Nad_Oli_Ec38_Cranes(FILE* f)
{
    const NadEc3Record* rec = page_record(f);
    if (!rec || !Ec3RelevanceFlags[8]) return;
    title_and_head(f, NAD_NORM_EC3_6);
    // gamma_M,ser
    std::fprintf(f, " 7.5(1)       \xC0\xCE\\M,ser\xCEr  = %-5.2lf               Teilsicherheitsbeiwert (GZG)\n",
                 rec->ec38.gamma_m_ser);
    Nad_End_Of_Text(f);
}
