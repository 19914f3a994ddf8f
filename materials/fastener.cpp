// Fastener descriptors: ASSY and SPAX variants, head diameters, pictures and
// the fastener positions of the choice list.
#include "materials/fastener.h"

#include <cmath>

#include "platform/kovcp.h"
#include "platform/kovstrlist.h"

namespace {

const char* const kDiameters[SPAX_DIAMETER_COUNT] = {"2.0", "2.5", "3.0", "3.5", "4.0",  "4.5",
                                                     "5.0", "6.0", "7.0", "8.0", "10.0", "12.0"};

struct Family {
    const char* const* heads;
    int n_heads;
    const char* const* threads;
    int n_threads;
    const char* const* tips;
    int n_tips;
};

const char* const* Assy_Heads()
{
    static const char* const heads[ASSY_HEAD_COUNT] = {"Senkkopf",
                                                       cp850("Senkfrästaschenkopf"),
                                                       cp850("Senkfräsrippenkopf"),
                                                       "Linsenkopf",
                                                       "Scheibenkopf",
                                                       "Scheibenkopf II",
                                                       "Zylinderkopf",
                                                       "Panhead Kopf",
                                                       "Kombi-/Sechskantkopf",
                                                       "Balkenschuhschraubenkopf",
                                                       "Top Head Kopf"};
    return heads;
}

const char* const kAssyThreads[ASSY_THREAD_COUNT] = {"Teilgewinde", "Unterkopfgewinde", "Vollgewinde", "Doppelgewinde"};
const char* const kAssyTips[ASSY_TIP_COUNT] = {"Spitzengewinde", "Ring- / Gegengewinde",
                                               "Plus Bohrspitze Pyramidenform", "Plus Bohrspitze Spitzenform"};

const char* const* Spax_Heads()
{
    static const char* const heads[SPAX_HEAD_COUNT] = {"Tellerkopf", "Zylinderkopf",        "Senkkopf", "Halbrundkopf",
                                                       "Linsenkopf", cp850("Rückwandkopf"), "Zierkopf"};
    return heads;
}

const char* const kSpaxThreads[SPAX_THREAD_COUNT] = {"Teilgewinde", "Doppelgewinde", "Vollgewinde"};
const char* const kSpaxTips[SPAX_TIP_COUNT] = {"Normalspitze", "CUT-Spitze", "4CUT-Spitze"};

const char* Pick(const char* const* table, int n, int i) { return (i >= 0 && i < n) ? table[i] : nullptr; }

struct Lists {
    ChoiceEntry heads[ASSY_HEAD_COUNT];
    ChoiceEntry threads[ASSY_THREAD_COUNT];
    ChoiceEntry tips[ASSY_TIP_COUNT];
    ChoiceEntry diameters[SPAX_DIAMETER_COUNT];
    bool built;
};

Lists g_assy = {};
Lists g_spax = {};

void Fill(ChoiceEntry* list, const char* const* texts, int n, int colour)
{
    for (int i = 0; i < n; ++i) list[i] = ChoiceEntry{colour, texts[i]};
}

Lists& Assy()
{
    if (!g_assy.built) {
        Fill(g_assy.heads, Assy_Heads(), ASSY_HEAD_COUNT, 0);
        Fill(g_assy.threads, kAssyThreads, ASSY_THREAD_COUNT, 0);
        Fill(g_assy.tips, kAssyTips, ASSY_TIP_COUNT, 0);
        // ASSY screws start at 3.0 mm.
        Fill(g_assy.diameters, kDiameters + 2, ASSY_DIAMETER_COUNT, BLACK_CI);
        g_assy.built = true;
    }
    return g_assy;
}

Lists& Spax()
{
    if (!g_spax.built) {
        Fill(g_spax.heads, Spax_Heads(), SPAX_HEAD_COUNT, 0);
        Fill(g_spax.threads, kSpaxThreads, SPAX_THREAD_COUNT, 0);
        Fill(g_spax.tips, kSpaxTips, SPAX_TIP_COUNT, 0);
        Fill(g_spax.diameters, kDiameters, SPAX_DIAMETER_COUNT, BLACK_CI);
        g_spax.built = true;
    }
    return g_spax;
}

} // namespace

const char* Assy_Head_Name(int head) { return Pick(Assy_Heads(), ASSY_HEAD_COUNT, head); }

const char* Assy_Thread_Name(int thread) { return Pick(kAssyThreads, ASSY_THREAD_COUNT, thread); }

const char* Assy_Tip_Name(int tip) { return Pick(kAssyTips, ASSY_TIP_COUNT, tip); }

const char* Spax_Head_Name(int head) { return Pick(Spax_Heads(), SPAX_HEAD_COUNT, head); }

const char* Spax_Thread_Name(int thread) { return Pick(kSpaxThreads, SPAX_THREAD_COUNT, thread); }

const char* Spax_Tip_Name(int tip) { return Pick(kSpaxTips, SPAX_TIP_COUNT, tip); }

ChoiceEntry* Assy_Head_List(void) { return Assy().heads; }

ChoiceEntry* Assy_Thread_List(void) { return Assy().threads; }

ChoiceEntry* Assy_Tip_List(void) { return Assy().tips; }

ChoiceEntry* Assy_Diameter_List(void) { return Assy().diameters; }

ChoiceEntry* Spax_Head_List(void) { return Spax().heads; }

ChoiceEntry* Spax_Thread_List(void) { return Spax().threads; }

ChoiceEntry* Spax_Tip_List(void) { return Spax().tips; }

ChoiceEntry* Spax_Diameter_List(void) { return Spax().diameters; }

double Assy_Head_Diameter(unsigned head, double d)
{
    static const double d_k[ASSY_HEAD_COUNT] = {5.9, 5.9, 5.9, 4.9, 7.8, -1, -1, 5.8, -1, -1, 5.25};
    if (std::fabs(d - 3.0) < 0.1 || std::fabs(d - 3.5) < 0.1) {
        if (head > 10) return -10.0;
        return d_k[head];
    }
    return -20.0;
}

const char* Fastener_Bitmap_File(int type)
{
    if (type == 0) return "Nagel.bmp";
    if (type >= 2 && type <= 10) return "Schraube.bmp";
    if (type >= 16 && type <= 24) return "SonderNagel.bmp";
    if (type >= 34 && type <= 42) return "SonderNagel.bmp";
    switch (type) {
        case 11: return "SPAX_Teil_Senk.bmp";
        case 12: return "SPAX_Teil_Teller.bmp";
        case 13:
        case 14:
        case 15: return "SPAX_Voll.bmp";
        case 25: return "Ringduebel_A1.bmp";
        case 26: return "Scheibenduebel_C1.bmp";
        case 27: return "Scheibenduebel_C5.bmp";
        case 28: return "Scheibenduebel_C10.bmp";
        case 29: return "Stabduebel_G10.bmp";
        case 30: return "Bolzen.bmp";
        case 31: return "Scheibenduebel_B1.bmp";
        case 32: return "Scheibenduebel_C2.bmp";
        case 33: return "Scheibenduebel_C11.bmp";
        case 45:
        case 46: return "SonderNagel.bmp";
        default: return nullptr;
    }
}

FastenerType Fastener_Type_From_Position(int index, int row, int column, const int* positions)
{
    if (!positions || index < 0) return -1;
    const int position = positions[index];
    switch (position) {
        case 0: return -2;
        case 1: return -1;
        case 2: return 0;
        case 3: return 1;
        case 4:
            if (row >= 0 && row <= 2 && column >= 0 && column <= 2) return 2 + 3 * row + column;
            return -1;
        case 10:
            if (row >= 0 && row <= 2 && column >= 0 && column <= 2) return 16 + 3 * row + column;
            if (row >= 1 && row <= 3 && column >= 3 && column <= 5) return 34 + 3 * (row - 1) + (column - 3);
            return -1;
        default: break;
    }
    if (position >= 5 && position <= 9) return 11 + (position - 5);
    if (position >= 11 && position <= 14) return 25 + (position - 11);
    if (position == 15) return 29;
    if (position == 16) return 30;
    if (position >= 17 && position <= 19) return 31 + (position - 17);
    return -1;
}

int Fastener_Position_From_Type(int type, int* row, int* column)
{
    int r = -1, c = -1, position;
    if (type >= -2 && type <= 1)
        position = type + 2;
    else if (type >= 2 && type <= 10)
        position = 4, r = (type - 2) / 3, c = (type - 2) % 3;
    else if (type >= 11 && type <= 15)
        position = 5 + (type - 11);
    else if (type >= 16 && type <= 24)
        position = 10, r = (type - 16) / 3, c = (type - 16) % 3;
    else if (type >= 34 && type <= 42)
        position = 10, r = 1 + (type - 34) / 3, c = 3 + (type - 34) % 3;
    else if (type >= 25 && type <= 28)
        position = 11 + (type - 25);
    else if (type == 29)
        position = 15;
    else if (type == 30)
        position = 16;
    else if (type >= 31 && type <= 33)
        position = 17 + (type - 31);
    else
        return -1;
    if (r >= 0) {
        if (row) *row = r;
        if (column) *column = c;
    }
    return position;
}

int Connector_To_Partner(int type)
{
    switch (type) {
        case 25: return 31;
        case 26: return 32;
        case 28: return 33;
        default: return type;
    }
}

int Connector_From_Partner(int type)
{
    switch (type) {
        case 31: return 25;
        case 32: return 26;
        case 33: return 28;
        default: return type;
    }
}

int Choice_Index_Shift(int* index)
{
    if (!index) return 0;
    if (*index > 1) ++*index;
    return *index;
}
