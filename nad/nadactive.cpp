// Definitions of the three published annex block pointers (see nadactive.h).
#include "nad/nadactive.h"

#include "nad/nadlist.h"

NadEc5Record* ActiveNadEc5 = nullptr;
NadEc3Record* ActiveNadEc3 = nullptr;
NadEc9Record* ActiveNadEc9 = nullptr;

void Nad_Publish_Active_Blocks()
{
    ActiveNadEc5 = Nad_Get_Ec5();
    ActiveNadEc3 = Nad_Get_Ec3();
    ActiveNadEc9 = Nad_Get_Ec9();
}
