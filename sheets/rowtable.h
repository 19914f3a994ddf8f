#pragma once
// Row tables: editable lists of fixed-size records drawn row by row inside a
// view area ("sheets/viewarea.h"). The caller's draw callback draws each row's
// fields; the table adds buttons to delete or duplicate a row and to append a
// new one, the row numbers, and markers above chosen columns whose menu sorts
// the rows by that column or fills it with a series of values.
//
// A table is named by its slot number 0..54.
//
// Invariants the callers rely on:
//  (1) Every call on a handle outside 0..54 or on a free slot does nothing;
//      inquiries then give 0 or NULL.
//  (2) The rows are copies owned by the table: a record keeps its address
//      from its append (by the caller, the duplicate or the append button)
//      until its row is deleted or the table cleared or freed. Sorting moves
//      contents between records, never the records themselves.
//  (3) A row or template that cannot be allocated is not added; nothing else
//      changes.
//  (4) The append button of a table without a template appends nothing.
//
// GUI thread only.
#include <stdint.h>

enum { ROW_TABLES = 55 };

// Kinds of Row_Table_Set_Button.
enum { ROW_BUTTON_DELETE = 1, ROW_BUTTON_DUPLICATE = 2, ROW_BUTTON_APPEND = 3, ROW_BUTTON_NUMBERS = 4 };

// Flags of Row_Table_Add_Column.
enum { ROW_COLUMN_SORTABLE = 1, ROW_COLUMN_FILLABLE = 2 };

// Results of Row_Table_Handle_Event.
enum { ROW_EVENT_NOT_MINE = 0, ROW_EVENT_HANDLED = 1, ROW_EVENT_ROWS_CHANGED = 2 };

// Draws one row (mode 1) into the area with its top left corner at (x, y);
// the fields it adds may edit the record in place.
typedef void (*RowTableDrawFct)(int mode, int area, int x, int y, void* row);

// Takes the first free slot (no buttons, no limit, no rows); -1 when all are in use.
int Row_Table_Create(int area, int y, int x, int x2, int row_height, int row_size, RowTableDrawFct draw);
// Moves the table; x2 and the column markers move with it.
void Row_Table_Move(int table, int y, int x);
// Switches a button (ROW_BUTTON_...) on at the offset dx, dy from the row's
// corner (the append button: from the corner of the row below the last one).
void Row_Table_Set_Button(int table, int kind, int dx, int dy);
// 0: no limit; at the limit the duplicate and append buttons are withheld.
void Row_Table_Set_Max_Rows(int table, int maximum);
// A column marker at (x, y) for the double at byte offset in a row; flags
// ROW_COLUMN_...; format of the fill dialog's values (NULL: "%14.8f"), kept
// is stored with the column and not used.
void Row_Table_Add_Column(int table, int x, int y, int kept, unsigned flags, const char* format, int offset);
// Copies the record (row size bytes) as the template of appended rows.
void Row_Table_Set_Template(int table, const void* record);
// Appends a copy of the record as the last row.
void Row_Table_Append(int table, const void* record);
// Releases every row; template and columns stay.
void Row_Table_Clear(int table);
int Row_Table_Count(int table);
// Iteration over the records in order: the first, then each following one; NULL at the end.
void* Row_Table_First(int table);
void* Row_Table_Next(int table);
// The 1-based position of the row whose record is exactly this pointer; 0 when none.
int Row_Table_Index_Of(int table, const void* record);
// Adds the rows, buttons, numbers and markers to the table's view area.
void Row_Table_Draw(int table);
// Handles the pending mouse event: ROW_EVENT_NOT_MINE when it is not the
// table's, ROW_EVENT_HANDLED, or ROW_EVENT_ROWS_CHANGED when rows were
// deleted, duplicated or appended.
int Row_Table_Handle_Event(int table);
// Releases rows, template and columns and frees the slot.
void Row_Table_Free(int table);
void Row_Table_Free_For_Area(int area);

// The actions of a column marker's menu, on the table and column whose marker
// was clicked last: sort ascending, descending, and the fill dialog
// "Tabellenspalte belegen".
void Row_Table_Sort_Up(void);
void Row_Table_Sort_Down(void);
void Row_Table_Fill_Column(void);

// ---- for tests ---------------------------------------------------------------------

// Sorts the table's rows by the double at byte offset (descending when down is non-zero).
void Row_Table_Sort_By(int table, int offset, int down);
// Fills the double at byte offset: mode 1 every row k (from 0) with start + k
// step; mode 2 rows first..last (from 1, only those that exist) with start + j
// step, j from 0 at the first.
void Row_Table_Fill(int table, int offset, int mode, int first, int last, double start, double step);
// Frees every slot (the dialog's remembered position too).
void Row_Table_Reset(void);
