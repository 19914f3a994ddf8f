#pragma once
// Internal forces, timber grades and cross-sections from the host's
// force-selection tool.
//
// Two layers: the run of the tool fills the program's store of result rows
// (read with the host library's one result reader, sharing its cut store);
// the import turns the rows of the two cuts, strut and sill, into load
// combinations of the data object and takes over materials and dimensions.
#include <QString>

#include <vector>

#include "hostenv/kovbeamcut.h"

class NELU52_DATA;
class QMainWindow;

// ---- the run of the tool and the store of rows ------------------------------------

// Runs the tool for component (NULL: the last one again after asking, or one
// chosen in the component-selection tool) with a..d and the n cut texts, and
// reads its result. The number of rows read, 0 on any failure or cancel (the
// store is then empty). More than 10 cuts are refused with a console line.
int Qt_Import_BeamCutMultiResults(KovComponentSelection* component, int a, int b, int c, int d, int n,
                                  char* const* cut_ids);
int Qt_Import_BeamCutMultiResults_Select(int a, int b, int c, int d, int n, char* const* cut_ids);
// The same for a single set of rows of any width with five info texts each.
int Qt_Import_BeamCutResults(KovComponentSelection* component, int a, int b, int c, int d);
int Qt_Import_BeamCutResults_Select(int a, int b, int c, int d);

// The store. Every accessor answers 0 or NULL unless the last run read its
// result completely, and for an index out of range.
int import_row_count();
int import_values_per_row();
KovExportObject* import_cut_object(int i);
int import_cut_rows(int i);
// Copies the row's values (import_values_per_row() floats) into out; 1, or 0.
int import_row_values(int row, float* out);
int import_row_id(int row);
float import_row_value(int row);
const char* import_row_text(int row);
const char* import_row_text2(int row);
const char* import_row_info1(int row);
const char* import_row_info2(int row);
const char* import_row_info3(int row);
const char* import_row_info4(int row);
const char* import_row_info5(int row);

// Frees the rows.
void import_free_rows();
// Frees the rows and the cut objects of the last run; everything back to 0.
void import_reset();

// ---- the import into the data object ------------------------------------------------

// Kind and grade index of a host material number. The grade is left alone for
// the number 0.
void import_material_map(int* kind, int* grade, int number);

// Ranges of the window's dimension fields [mm]; a host dimension outside them
// is not taken over.
struct KraftImportLimits {
    int b_min = 40, b_max = 999;
    int hD_min = 20, hD_max = 9999;
    int hG_min = 60, hG_max = 9999;
};

struct KraftImportResult {
    int result = 1;           // 0 when strut and sill have different row counts
    int first_new = 0;        // index of the first appended load combination
    int appended = 0;         // load combinations appended to d.lasten
    bool material_st = false; // d.holzart_st / d.holzguete_st taken over
    bool material_sw = false;
    bool b = false, hD = false, hG = false; // dimensions taken over
    QString title;                          // "Fehler" or "Info"
    QString text;                           // the message shown to the user
};

// The texts the import gathers for its message: errors, the info lines, and
// notes that follow the info. They live for the whole run; an import empties
// them at its start.
struct KraftImportTexts {
    QString fehler, info, hinweise;
};
KraftImportTexts& Kraft_Import_Texts();

// The first half of an import: runs the tool for the cuts "Strebe" and the
// sill's cut face chosen in d, carries every row's forces of both cuts into
// the joint's systems (forces: cut-major, six values per cut and row: N, the
// force along the normal, the shear in the joint's plane, then the three
// moments likewise), and takes over the timber kinds and grades of both
// members and the width and the depths as d's switches ask (with the limits
// of the window's fields; what cannot be taken over is named in the info
// text). When the forces are to be imported and strut and sill came with
// different numbers of rows, nothing is taken over: the import is broken off.
// *cut_count becomes 2, *row_count the number of result rows (0 when nothing
// was read). Returns 1 when it finished or nothing was chosen, 0 on a failure
// (with its line in the info or the error text).
int Kraft_Import_Schnitte(NELU52_DATA& d, const KraftImportLimits& limits, int* cut_count, std::vector<double>* forces,
                          int* row_count, KraftImportResult* res);

// The second half: with d.import_zov, one load combination per combination of
// the result (strut force with compression positive; the sill's N, M and V in
// the joint's plane; class "außergewöhnlich" for a row with an id, else
// "frei" with the row's k_mod) appended to d.lasten, unless strut and sill
// have different row counts (then res->result 0). Fills res's count, title and
// text and resets the store.
void Kraft_Import_Combinations(NELU52_DATA& d, int cut_count, const std::vector<double>& forces, int row_count,
                               KraftImportResult* res);

// The whole import on the data object: empties the texts, then both halves.
KraftImportResult Kraft_Import_Run(NELU52_DATA& d, const KraftImportLimits& limits = KraftImportLimits());

// The main window's import (the slot of its tool-bar action): empties the
// texts, the form into the data object, MainWindow::import_schnitte, the
// combinations into the data object and the load table, and the message box.
// Returns KraftImportResult::result (1 for a window that is no MainWindow).
int Kraft_Import_In_Window(QMainWindow* window);
