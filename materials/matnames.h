#pragma once
// Display texts of materials and fasteners and the drop-down lists from which a
// user picks a material kind, a grade, a panel kind, a service class or a
// fastener type. Texts are code page 850 (Fastener_Type_Name_Win: Windows code
// page). The lists are shared static arrays built once by
// Mat_Choice_Lists_Init; every builder call recolours them.

#include "base/choiceentry.h"
#include "materials/matfactors.h"
#include "materials/matkind.h"

enum { MAT_CHOICE_POOL_SIZE = 50, MAT_CHOICE_TEXT_SIZE = 50 };

// Fixed texts, valid for the whole run; "nicht definiert" for other types.
const char* Fastener_Type_Name(int type, int long_form);
const char* Fastener_Type_Name_Win(int type, int long_form);

// Material text (kind prefix and grade text) in a static buffer that the next
// call overwrites.
const char* Mat_Name(int kind, int grade);
// Mat_Name, or for a user-defined material (kind -999 or 14, or grade -999) its
// own name with " (benutzerdefiniert)"; NULL for such a material without record.
const char* Mat_User_Name(int kind, int grade, const UserMaterial* user);
// Grade text alone in a static buffer; empty for a grade outside its kind's
// range or list.
const char* Mat_Grade_Name(int kind, int grade);

// Builds all lists once (descriptor lists and LVL tables first, each once).
void Mat_Choice_Lists_Init(void);

// The fastener choice list of the groups whose bits are set (0x20 "ohne
// Verbund", 0x10 "Klebeverbindung", 0x01 nails and screws, 0x02 dowels and
// bolts, 0x04 and 0x08 the two sides of the connectors); the position of entry
// i goes to positions[i] (room for 20).
ChoiceEntry* Fastener_Choice_List(unsigned groups, int colour, int* count, int* positions);
KindChoiceEntry* Panel_Kind_Choice_List(int* width, int* count, int colour);
KindChoiceEntry* Panel_Or_None_Choice_List(int* width, int* count, int colour);
// The grade list of a kind, or for the negative selectors -1..-5 the kind,
// service-class and panel-use lists; NULL for a kind without list.
ChoiceEntry* Mat_Grade_Choice_List(int kind, int* width, int* count, int colour);

// ", ABZ-..." / ", ETA-..." reference of a fastener product, "" for others.
const char* Fastener_Approval(int type);

double Fermacell_Thickness(unsigned grade);
double Beech_Panel_Thickness(int grade);

// The text pools of the fastener catalogue's length and diameter lists:
// MAT_CHOICE_POOL_SIZE entries each, whose texts are writable buffers of
// MAT_CHOICE_TEXT_SIZE bytes (Mat_Choice_Pool_Text). which: 0 lengths, 1 and 2
// the two diameter pools; NULL for another value.
ChoiceEntry* Mat_Choice_Pool(int which);
char* Mat_Choice_Pool_Text(int which, int index);
