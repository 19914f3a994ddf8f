#pragma once
// Descriptors of fasteners for the input pages of the connection library: head,
// thread and tip variants and nominal diameters of the user-defined ASSY (type
// 43) and SPAX (type 44) screws as names and choice lists, the head diameter of
// small ASSY screws, the picture of a fastener type, and the mapping between a
// position of the fastener choice list and a FastenerType.

#include "base/choiceentry.h"
#include "materials/matkind.h"

enum {
    ASSY_HEAD_COUNT = 11,
    ASSY_THREAD_COUNT = 4,
    ASSY_TIP_COUNT = 4,
    ASSY_DIAMETER_COUNT = 10,
    SPAX_HEAD_COUNT = 7,
    SPAX_THREAD_COUNT = 3,
    SPAX_TIP_COUNT = 3,
    SPAX_DIAMETER_COUNT = 12,
    FASTENER_POSITION_COUNT = 20
};

// Texts in code page 850; NULL for an index outside the family's table.
const char* Assy_Head_Name(int head);
const char* Assy_Thread_Name(int thread);
const char* Assy_Tip_Name(int tip);
const char* Spax_Head_Name(int head);
const char* Spax_Thread_Name(int thread);
const char* Spax_Tip_Name(int tip);

// The descriptor choice lists (counts above); the first call of any list of a
// family builds all four lists of that family.
ChoiceEntry* Assy_Head_List(void);
ChoiceEntry* Assy_Thread_List(void);
ChoiceEntry* Assy_Tip_List(void);
ChoiceEntry* Assy_Diameter_List(void);
ChoiceEntry* Spax_Head_List(void);
ChoiceEntry* Spax_Thread_List(void);
ChoiceEntry* Spax_Tip_List(void);
ChoiceEntry* Spax_Diameter_List(void);

// Head diameter d_k [mm] of ASSY screws of 3.0 and 3.5 mm: -1 when the head has
// none, -10 for a head index above 10, -20 for any other diameter.
double Assy_Head_Diameter(unsigned head, double d);

// Bitmap file of a fastener type's picture, NULL for a type without one.
const char* Fastener_Bitmap_File(int type);

// positions[index] with the class row and column of screws and special nails
// to a FastenerType; -1 when there is none (also for "Klebeverbindung").
FastenerType Fastener_Type_From_Position(int index, int row, int column, const int* positions);
// The inverse: the fastener position, -1 when there is none; row and column
// are written only for the classed types (2..10, 16..24, 34..42).
int Fastener_Position_From_Type(int type, int* row, int* column);

// 25 <-> 31, 26 <-> 32, 28 <-> 33; other values unchanged.
int Connector_To_Partner(int type);
int Connector_From_Partner(int type);

// Skips the second entry of a list: an index above 1 is raised by one, stored
// back and returned.
int Choice_Index_Shift(int* index);
