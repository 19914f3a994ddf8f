// Definitions of the three published annex block pointers and their one
// publisher (see nadactive.h).
#include "nad/nadactive.h"

#include "nad/nadlist.h"

NadEc5Record* ActiveNadEc5 = nullptr;
NadEc3Record* ActiveNadEc3 = nullptr;
NadEc9Record* ActiveNadEc9 = nullptr;

namespace {

NadRecord* g_published = nullptr;

} // namespace

void Nad_Publish_Blocks(NadRecord* r)
{
    if (r) {
        Nad_Set_Ec5_Na_De(&r->ec5, r->na_de);
        Nad_Set_Ec3_Na_De(&r->ec3, r->na_de);
        Nad_Set_Ec9_Na_De(&r->ec9, r->na_de);
    }
    g_published = r;
    ActiveNadEc5 = r ? &r->ec5 : nullptr;
    ActiveNadEc3 = r ? &r->ec3 : nullptr;
    ActiveNadEc9 = r ? &r->ec9 : nullptr;
}

NadRecord* Nad_Published_Record() { return g_published; }

void Nad_Publish_Active_Blocks() { Nad_Publish_Blocks(Nad_Active_Record()); }
