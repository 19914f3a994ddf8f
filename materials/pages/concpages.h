#pragma once
// The concrete and reinforcing-steel input of a member's mask: the choice lists
// of the grades (coloured groups, separator lines), the labelled choice fields
// "Betongüte" and "Stahlgüte", the rows a chosen grade needs (density of a
// lightweight concrete, alpha_cc), the parameter pages of a freely defined
// concrete and steel with their pictures, and the two dialogs that show those
// pages on their own.
//
// Everything is drawn with the mask element calls of "sheets/maskelem.h" into
// the output area of MaskState; without an output area the calls only do their
// bookkeeping (registrations, clicks). The page functions' area argument names
// the view area the caller draws into; the output area decides.
//
// Invariants:
//  (1) A name is copied into its list bounded by the stride (9 bytes for
//      concrete, 13 for steel) and always ends inside it.
//  (2) A lookup never reads outside the list: positions at or beyond the count,
//      negative positions and empty lists have their own answers.
//  (3) A free-definition dialog that is cancelled gives the grade back exactly
//      as it was passed in.
//
// GUI thread only: the module state (activity switches, dialog mode, the
// records the dialogs edit, the link clicks) is not shared.
#include <stdint.h>

#include "materials/concrete.h"
#include "sheets/maskelem.h"

// Entry flags of the grade lists.
enum {
    CHOICE_DIN_CONCRETE = 0x01,
    CHOICE_LIGHTWEIGHT = 0x02,
    CHOICE_FREE_CONCRETE = 0x04,
    CHOICE_DIN_STEEL = 0x10,
    CHOICE_FREE_STEEL = 0x20,
    CHOICE_SEPARATOR = MASK_CHOICE_SEPARATOR
};

// Bytes per name in the lists.
enum { CONCRETE_CHOICE_STRIDE = 9, REBAR_CHOICE_STRIDE = 13 };

// Grade numbers of a member record: the concrete of a free definition and the
// steel of a free definition.
enum { CONCRETE_KEY_FREE = 20, REBAR_KEY_FREE = 5 };

// The builder flags of the concrete list.
enum { CONCRETE_LIST_DIN = 0x1, CONCRETE_LIST_LIGHTWEIGHT = 0x2, CONCRETE_LIST_FREE = 0x4, CONCRETE_LIST_ALPHA = 0x8 };

// ---- lists --------------------------------------------------------------------------

// ec_mode 0: DIN grades only (flag 0x1) or an empty list; else the Eurocode
// grades with the groups the flags ask for. The caller frees it.
ChoiceList* Concrete_Choice_List_New(int ec_mode, unsigned flags);
// mode 0: the DIN steels; 1: also "BSt 500 (A)"/"(B)" and "frei"; 2 (or any
// other): "B500A"/"B500B" and "frei".
ChoiceList* Rebar_Choice_List_New(int mode);
// The first entry with the key (and, for a mask other than 0, with a flag bit
// of the mask); 0 when there is none.
int Choice_List_Position(const ChoiceList* list, int key, int mask);
// The key and flags of the entry (a separator answers for the entry above it);
// key -1 and flags 0 at or beyond the count. flags may be NULL.
void Choice_List_Key(const ChoiceList* list, int position, int* key, int* flags);
void Choice_List_Free(ChoiceList* list);

// ---- module switches ------------------------------------------------------------------

// The element groups with an activity switch of their own (initially active).
enum { MATERIAL_GROUP_CONCRETE = 0, MATERIAL_GROUP_STEEL = 1 };
// on 0: the group's elements are drawn grey and do not respond.
void Material_Pages_Set_Active(int group, int on);
int Material_Pages_Active(int group);
// 0: a free grade's parameters appear on the page itself; else a link opens
// the dialog.
void Material_Pages_Set_Dialog_Mode(int on);
int Material_Pages_Dialog_Mode(void);
// Everything as at the start of the run (for tests).
void Material_Pages_Reset(void);
// Whether a link was clicked since the choice was drawn last (for tests and
// callers that run the dialog themselves).
intptr_t* Concrete_Link_Click(void);
intptr_t* Rebar_Link_Click(void);

// ---- choice fields and pages ------------------------------------------------------------
// Coordinates are view-area pixels; y is the base line of the choice row.

// "Betongüte" at (x, y), the choice at x + 75; returns 0.
int Concrete_Choice_Field(int area, int x, int y, const void* unused, ChoiceList* list, int* selected);
// "Stahlgüte" and the steel choice the same way; returns 0.
int Rebar_Choice_Field(int area, int x, int y, const void* unused, ChoiceList* list, int* selected);
// "Betongüte", then Concrete_Choice_With_Parameters at x + 75; its height.
int Concrete_Choice_Labelled(int area, int x, int y, ConcreteGrade* grade, ChoiceList* list, int* selected);
// The choice at (x, y) and the rows the chosen grade needs below it; the
// height they add (0, 23, 46, or 183 for the page of a free grade).
int Concrete_Choice_With_Parameters(int area, int x, int y, ConcreteGrade* grade, ChoiceList* list, int* selected);
// "Stahlgüte" at (x, y), the choice at x + 75, and for "frei" the page or the
// link; the height added (0, 23 or 107).
int Rebar_Choice_With_Parameters(int area, int x, int y, RebarGrade* grade, ChoiceList* list, int* selected);
// The fields of a free grade; they show the stored values times their factors
// while the mask is open. Return 183 and 107.
int Concrete_Parameter_Page(int area, int x, int y, ConcreteGrade* grade);
int Rebar_Parameter_Page(int area, int x, int y, RebarGrade* grade);
// Page callbacks of the dialogs: the page of the record the dialog edits, at
// (20, 0) resp. (20, 15); nothing when no dialog record is set.
void Concrete_Parameter_Page_Draw(int area, int row_table);
void Rebar_Parameter_Page_Draw(int area, int row_table);
// The records the page callbacks draw (NULL: none); the dialogs set them.
void Material_Pages_Set_Records(ConcreteGrade* concrete, RebarGrade* steel);

// ---- dialogs ------------------------------------------------------------------------------

// "Freie Definition des Betons" on the grade; 1 confirmed, 0 cancelled. A grade
// without strength (f_ck <= 0) starts as C25/30. Confirming derives eps_c1 and
// eps_cu1 from the new values and, with e_auto, E_cm.
int Concrete_Free_Definition_Dialog(ConcreteGrade* grade);
// "Freie Definition des Stahls"; a grade without f_yk starts as "BSt 500 (A)".
int Rebar_Free_Definition_Dialog(RebarGrade* grade);

// ---- int fields of the current mask ---------------------------------------------------

// When p is registered as an int field of the innermost mask level: *p and
// the field's edited value become value; otherwise nothing.
void Mask_Set_Int_Field(int* p, int value);
// *p when p is registered there, else MASK_INT_FIELD_NONE.
enum { MASK_INT_FIELD_NONE = -99999999 };
int Mask_Get_Int_Field(int* p);
