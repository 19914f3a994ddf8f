#pragma once
// The editor pages of the annex blocks EC5, EC3 and EC0: the values laid out in
// a scrollable view area of a property sheet (sheets/viewarea.h), as edit
// fields, check boxes and radio buttons placed over pictures of the standards'
// tables. Value controls write straight into the record passed in; the record
// must outlive the page. One editor of each kind at a time: the pages keep the
// record and the editable switch of their last layout, and the open or closed
// state of their sections for the whole run (a click on a section title
// toggles it; the caller lays the page out again after a change).
#include <cstdint>

#include "nad/nadec0.h"
#include "nad/nadec3.h"
#include "nad/nadec5.h"

// ---- EC5 -----------------------------------------------------------------------

// Lays out the EC5 page for record in the view area; editable 0 shows every
// value inactive. The sections shown are those the current program uses.
void Nad_Edit_Ec5(unsigned area, NadEc5Record* record, int editable);
// One row of a clause table: with a positive height the two cell frames
// x 4..56 and x 296..496 from y - 10 to y + h (h = 2 for a height of 1) in the
// cell colour, and the non-empty texts at x 10 (clause), 67 (value text) and
// 302 (explanation) in the font, black. Returns y + h; with a height of 0 or
// less no frame and y + height.
int Ec5_Editor_Row(unsigned area, int y, int height, const char* clause, const char* value_text,
                   const char* explanation, int font);
// Draw callback of a picture box: strip points to the number (1..9) of the
// strip of "NAD\EC5DodevNads.bmp" to draw at the box's corner; nothing for a
// null pointer or another number.
void Ec5_Editor_Picture(int x1, int y1, int x2, int y2, void* strip);
// Change callback of the k_cr check box: k_cr_mode of the edited record
// becomes 2 when the box is on, 1 when off.
void Ec5_Editor_Kcr_Toggle(intptr_t value);

// ---- EC3 -----------------------------------------------------------------------

// The EC3 page: the EN 1993-1-1/-1-2 sections, then those of the second part.
void Nad_Edit_Ec3(unsigned area, NadEc3Record* record, int editable);
// The sections of each part from *y down; *y becomes the next free y.
void Nad_Edit_Ec31(unsigned area, int* y, NadEc31Record* part, int editable);
void Nad_Edit_Ec38(unsigned area, int* y, NadEc38Record* part, int editable);
// Rows of the EC3 clause tables, as Ec5_Editor_Row but with frames for any
// non-zero height. Ec3_Editor_Row starts the frames at y - 8 for the small
// font 0x1002 (else y - 10) and skips null or empty texts; Ec38_Editor_Row
// starts them at y - 10 and skips empty texts (texts must not be null).
int Ec3_Editor_Row(unsigned area, int y, int height, const char* clause, const char* value_text,
                   const char* explanation, int font);
int Ec38_Editor_Row(unsigned area, int y, int height, const char* clause, const char* value_text,
                    const char* explanation, int font);

// ---- EC0 -----------------------------------------------------------------------

// The load-factor page: the buildings part and the bridges part, each when the
// current program uses it, each with a check box that opens and closes it.
void Nad_Edit_Ec0(unsigned area, NadEc0Record* record, int editable);
