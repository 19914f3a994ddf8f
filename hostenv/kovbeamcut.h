#pragma once
// Internal forces from the host's force-selection tool ("Krawahl.exe"): the
// user picks result combinations at one or more member cuts, the tool writes
// them into "Krawahl.res" in TEMP, and the program reads them into rows.
//
// Two parties fill rows from that file: the library's own imports below and
// the application's run of the tool. Both read with the same reader
// (BeamCut_Read_Multi_Result / BeamCut_Read_Single_Result) into a row set of
// their own, and share one cut store: the cut count, the export objects of the
// cuts and the row count of each cut, as the last multi-cut read left them.
//
// Multi-cut result file:
//   MULTICUT ...            (a line beginning with the keyword)
//   n                       (number of cuts; must equal the n asked for)
//   n export objects        (Kxp_Read_Object)
//   RESULTS                 (a line beginning with the keyword)
//   n row counts
//   per row: 6n values, id value, «text» «text2»
// Single result file:
//   V:<version>
//   <rows> <values per row>
//   per row: the values, id value, «text» «text2»
//   optionally "<rows> Info" and per row five «info» texts
// Texts are code page 850, at most 255 bytes each; «» gives NULL.
#include <cstdio>

#include "hostenv/kovexport.h"
#include "hostenv/kovtools.h"

// One result row: one chosen combination.
struct BeamCutResultRow {
    int id;
    float value;
    float* values; // 6 per cut (multi-cut) or the declared number (single); owned
    char* text;    // NULL when empty; owned
    char* text2;   // the combination's name; NULL when empty; owned
    char* info[5]; // single import only; NULL when empty or absent; owned
};

enum {
    BEAMCUT_MAX_CUTS = 10,      // cuts the store holds
    BEAMCUT_MAX_VALUES = 65536, // values per row a file may declare
    BEAMCUT_TEXT_SIZE = 256     // buffer of one text (255 bytes + end)
};

// A set of rows as one reader fills it. Start it zeroed; release it with
// BeamCut_Free_Row_Set. ok is 1 only after a complete read. A read refused
// because a row held a number that is no finite value ("nan", "inf") leaves
// that row's number (counted from 1 over all rows of the file) in
// nonfinite_row, else 0.
struct BeamCutRowSet {
    BeamCutResultRow* rows;
    int row_count;
    int values_per_row;
    int ok;
    int nonfinite_row;
};

// ---- the shared reader ------------------------------------------------------------

// Reads a multi-cut result file for n cuts. First empties set and the cut store
// (the cut objects of the previous read are freed). On success the cut store
// holds n cuts with their objects and row counts, set holds all rows with 6n
// values each and ok = 1, and the row count is returned. On any failure (n
// outside 1..10, a cut count other than n, a negative row count, no rows, a
// missing keyword, a damaged row or one with a non-finite number, memory) 0 is returned and both set and cut
// store are left empty. NULL f or set: 0.
int BeamCut_Read_Multi_Result(FILE* f, int n, BeamCutRowSet* set);

// Reads a single result file into set (emptied first); the cut store is not
// touched. The row count on success (ok = 1), else 0 with set empty. A missing
// or short "Info" section leaves the info texts NULL and the rows valid.
int BeamCut_Read_Single_Result(FILE* f, BeamCutRowSet* set);

// Frees every row's values and texts and the row array; all fields 0.
void BeamCut_Free_Row_Set(BeamCutRowSet* set);

// Row of a set; NULL unless the set is ok and 0 <= row < row count.
const BeamCutResultRow* BeamCut_Row_Set_Row(const BeamCutRowSet* set, int row);

// The shared cut store, as the last multi-cut read left it (no ok check).
int BeamCut_Store_Cut_Count();
// Cut object i; NULL outside 0 .. cut count - 1 (or when the file held none).
KovExportObject* BeamCut_Store_Cut_Object(int i);
// Row count of cut i; 0 outside 0 .. cut count - 1.
int BeamCut_Store_Cut_Rows(int i);
// The row set the cut store belongs to (the one passed to the last successful
// multi-cut read); NULL when the store is empty.
const BeamCutRowSet* BeamCut_Store_Owner();
// Frees the cut objects and sets the cut count and the row counts to 0.
void BeamCut_Clear_Cuts();

// ---- running the tool ---------------------------------------------------------------

// The full name of the result file, "<TEMP>\\Krawahl.res" (host form, to be
// opened through Kov_Fopen); NULL when TEMP is not set. Static buffer.
const char* BeamCut_Result_File_Name();

// Runs the force-selection tool for component and waits for it: forms the
// exchange file (a packed component is unpacked first; when that fails the
// tool is not started), checks that the tool's window is not open yet, deletes
// an old result file, starts "<EXEC>\\Krawahl.exe" with the exchange file, a, b,
// c, d and, when with_cuts is set and n != 0, n and the n cut identifiers,
// waits with the wait box, and deletes an unpacked exchange file again.
// Returns 1 after the tool ran (read the result file then), 0 on failure (no
// component, TEMP or EXEC, unpacking failed, the tool could not be started,
// n outside 0..10 with cuts), -1 when the tool's window is already open (the
// caller tells the user; an unpacked exchange file has been deleted).
int BeamCut_Run_Tool(const KovComponentSelection* component, int a, int b, int c, int d, int with_cuts, int n,
                     char* const* cut_ids);

// The last component of an import (the library's imports keep a copy); NULL
// when there is none. BeamCut_Set_Last_Component stores a copy (NULL forgets).
const KovComponentSelection* BeamCut_Last_Component();
void BeamCut_Set_Last_Component(const KovComponentSelection* component);

// ---- the library's imports ----------------------------------------------------------

// Multi-cut import for n cuts (at most 10). Returns the row count, 0 on any
// failure or cancel. With component NULL the last component is offered again
// ("Gleiches Bauteil (<name>) wie zuvor?") or one is chosen in the
// component-selection tool.
int Import_BeamCutMultiResults0(KovComponentSelection* component, int a, int b, int c, int d, int n,
                                char* const* cut_ids);
int Import_BeamCutMultiResults_Choose(int a, int b, int c, int d, int n, char* const* cut_ids);
// Single import: rows of any width with five info texts each.
int Import_BeamCutResults(KovComponentSelection* component, int a, int b, int c, int d);
int Import_BeamCutResults_Choose(int a, int b, int c, int d);

// 1 when "<EXEC>\\Krawahl.exe" (or the stand-in without ".exe") may be run.
int BeamCut_Tool_Available();

// Accessors of the library's rows; they answer only after a successful import
// (0, 0.0 or NULL otherwise and for rows outside 0 .. row count - 1).
int BeamCut_Get_Row_Values(int row, float* out);
int BeamCut_Get_Row_Id(int row);
float BeamCut_Get_Row_Value(int row);
char* BeamCut_Get_Row_Text(int row);
char* BeamCut_Get_Row_Text2(int row);
char* BeamCut_Get_Row_Info1(int row);
char* BeamCut_Get_Row_Info2(int row);
char* BeamCut_Get_Row_Info3(int row);
char* BeamCut_Get_Row_Info4(int row);
char* BeamCut_Get_Row_Info5(int row);
// Cut object and row count of cut i of the library's last multi-cut import.
KovExportObject* BeamCut_Get_Cut_Object(int i);
int BeamCut_Get_Cut_Count(int i);
// The path (file stem) of the last component; NULL when there is none.
const char* BeamCut_Get_Component_Name();

// Frees the library's rows.
void BeamCut_Free_Results();
// Frees the rows and the cut objects; everything back to 0.
void BeamCut_Clear_Import();
// For tests: BeamCut_Clear_Import and the last component forgotten.
void BeamCut_Reset();
