#pragma once
// The output state of the mask element calls and the registrations of their
// numeric fields.
//
// MaskState is one record for the process: the view area the element calls add
// to (the output area), their font and colours, the page area of that view
// area, the last element added and the lists of tooltips and hover buttons of
// the page being drawn. The material pages read it directly.
//
// Registrations belong to nesting levels of the masks: a level is pushed when a
// mask opens and popped when it closes; a lookup sees only the innermost
// level's entries. Level 0 is always there, for pages drawn outside a mask.
//
// Invariants:
//  (1) The tables grow as needed: no count of entries or of levels is refused.
//  (2) An entry keeps its address from the call that adds it until its level
//      is popped or its kind released: a view area edits an int field through
//      the shadow double inside its entry.
//
// GUI thread only.

// ---- the state --------------------------------------------------------------------

// A page area of an open sheet: its escape area, view area, screen rectangle
// and the sheet's live displacement.
struct MaskPageArea {
    int escape;
    int view_area;
    int left, top, right, bottom;
    int* dx;
    int* dy;
};

// A tooltip of the page being drawn (rectangle in view-area coordinates).
struct MaskTooltip {
    int escape;
    int left, right, top, bottom;
    int line_count;
    char lines[5][100];
    int box_width, box_height;
    int below; // 0: above the element, else below
    int side;  // 3: left of the element's centre, else right
};

// A hover button of the page being drawn.
struct MaskHoverButton {
    int escape;
    const char* normal; // drawn back when the highlight ends (NULL: the screen saved)
    const char* hover;  // drawn while hovered (NULL: none)
    int left, right, top, bottom;
    int key_colour;
    const char* text;
    unsigned text_font;
    int text_x, text_y;
    int text_colour;
};

enum { MASK_PAGE_AREAS = 20, MASK_TOOLTIPS = 100, MASK_HOVER_BUTTONS = 100 };

struct MaskState {
    int output_area; // -1: none
    unsigned font;
    int text_colour;
    int back_colour;
    // The page area of the output area (left and top -1000 without one).
    int escape;
    int page_left;
    int page_top;
    int* page_dx;
    int* page_dy;
    // The last element added: rectangle and activity.
    int last_left, last_top, last_right, last_bottom;
    int last_active;
    // Whose addresses fields hand to the view area as their activity.
    int editable;  // 1
    int read_only; // 0
    int hover;     // 1 while the hover handler is installed
    MaskPageArea page_areas[MASK_PAGE_AREAS];
    int page_area_count;
    MaskTooltip tooltips[MASK_TOOLTIPS];
    int tooltip_count;
    MaskHoverButton hover_buttons[MASK_HOVER_BUTTONS];
    int hover_button_count;
};

extern MaskState g_mask_state;

// Makes view_area the output area: empties the tooltip and hover lists, font
// 0x1000, black on white, and takes the page area recorded last for it (left
// and top -1000 when there is none; escape and displacement stay as they were).
void Mask_Set_Output_Area(int view_area);
int Mask_Get_Output_Area();

// Appends a page area (up to MASK_PAGE_AREAS; further ones are not recorded).
// Returns 1 when recorded.
int Mask_Add_Page_Area(const MaskPageArea* area);
// The page-area count goes down by one (not below 0).
void Mask_Remove_Page_Area();

// The last element's rectangle (x, y - 13)-(x + width, y + 5) and activity.
void Mask_Set_Last_Element(int x, int y, int width, int active);

// Back to the start: every field as at the start of the run, no registrations,
// one level (for tests).
void Mask_State_Reset();

// ---- registrations ------------------------------------------------------------------

// A float field held in [min, max] by its change callback.
struct MaskClamp {
    double* value;
    double min;
    double max;
};
// A float field shown in display units: the confirm step divides by factor.
struct MaskFactor {
    double* value;
    double factor;
};
// An int field edited through a double; the confirm step rounds it back.
struct MaskIntShadow {
    int* value;
    double shadow;
};

// Levels: push when a mask opens, pop (releasing its entries) when it closes.
// The level count starts at 1; popping the last level empties it.
void Mask_Push_Registration_Level();
void Mask_Pop_Registration_Level();
int Mask_Registration_Levels();

// The innermost level's entry for the pointer (the latest one added), NULL
// when there is none.
MaskClamp* Mask_Find_Clamp(const double* value);
MaskFactor* Mask_Find_Factor(const double* value);
MaskIntShadow* Mask_Find_Int_Shadow(const int* value);
// New entries of the innermost level.
MaskClamp* Mask_Add_Clamp(double* value, double min, double max);
MaskFactor* Mask_Add_Factor(double* value, double factor);
MaskIntShadow* Mask_Add_Int_Shadow(int* value, double shadow);
// The innermost level's entries in the order added, for the confirm step.
int Mask_Factor_Count();
MaskFactor* Mask_Factor_At(int i);
int Mask_Int_Shadow_Count();
MaskIntShadow* Mask_Int_Shadow_At(int i);
// Releases the innermost level's entries of one kind.
void Mask_Release_Clamps();
void Mask_Release_Factors();
void Mask_Release_Int_Shadows();
