#pragma once
// The part of the host's property-sheet library that the base tools call
// before the sheets themselves exist here.

#ifdef __cplusplus
extern "C" {
#endif

typedef void (*KovSometimesFct)(void);

// The function that the sheet library calls from time to time while a sheet
// waits for the user (NULL: none): Edit_Prop_Sheet calls it through
// Kov_Call_Sometimes() before every wait and at least every 100 ms.
void Set_CallSometimesFunc_to_PS(KovSometimesFct fct);
// The installed function, NULL for none.
KovSometimesFct Get_CallSometimesFunc_of_PS(void);
// Calls the installed function once, if any; returns 1 when one was called.
int Kov_Call_Sometimes(void);

#ifdef __cplusplus
}
#endif
