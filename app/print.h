#pragma once
// The output list of a position ("Druckliste"): head, input section with the
// sketch of the joint, the result pages of the checks and the summary, written
// with the output-list writers; the sketch also goes into the plot file
// "%s01.SPF" of the component.
//
// The list and the plot file are written beside their targets and replace the
// old files only when complete, so a failed request never leaves half a list.
#include <cstdio>
#include <string>

#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <QVector>

class NELU52_DATA;

// ---- entry points -------------------------------------------------------------------------

// The list is the position's "%s_%02d.oli" and the plot file "%s01.SPF" of the
// component, both as start-up formed their names; the list's head carries the
// position title of the start-up.
//
// Recalculate, write the list and hand it to the host's viewer or printer.
// When the list cannot be written the message "Die Druckliste kann nicht
// erzeugt werden!" titled "ABBRUCH" is shown and the viewer is not called.
void Print_OliView(NELU52_DATA& d);
void Print_OliPrint(NELU52_DATA& d);
// Recalculate and write the list without showing it; with *flag set (or a
// calculation code) the error section replaces the results. Returns the
// calculation's code.
int cal_Print(NELU52_DATA& d, int* flag);

// ---- sections and pages -----------------------------------------------------------------

int print_eingabedaten(NELU52_DATA& d, FILE* list);
int print_ergebnisse(NELU52_DATA& d, FILE* list);
int print_versatz(NELU52_DATA& d, FILE* list);
int print_biegung_schwelle(NELU52_DATA& d, FILE* list);
int print_querkraft_schwelle(NELU52_DATA& d, FILE* list);
int print_strebe(NELU52_DATA& d, FILE* list);
// "Zusammenfassung" with the overall utilisation.
int print_zusammenfassung(NELU52_DATA& d, FILE* list);
int print_fehlermeldungen(FILE* list, int code);

// Verdict and colour texts; each returns a static buffer of its own that the
// next call of the same function overwrites.
const char* oli_gruen();
const char* oli_rot();
const char* oli_farbe_aus();
const char* oli_ok();
const char* oli_nicht_ok();
const char* oli_erfuellt();
const char* oli_nicht_erfuellt();

// ---- the sketch ---------------------------------------------------------------------------

// Side view of the joint in mm, x along the sill. Points of the sill are given
// after mirroring (notch open upwards, lower face at y = 0).
struct SketchGeometry {
    int typ = -1;                                                  // joint type drawn; -1: nothing to draw
    double s = 0, a = 0, d = 0, e = 0, c = 0, g = 0, k = 0, r = 0; // derived lengths [mm]
    double X = 0, Y = 0;                                           // extent [mm]
    double m = 0;                                                  // fitting limit [cm of paper per mm]
    double F = 0;                                                  // scale number; lengths are drawn 1/F cm per mm
    QPolygonF sill_outline;                                        // the sill before mirroring (P0, P1, ...)
    QPolygonF sill;                                                // mirrored sill as drawn
    QPolygonF strut;                                               // strut outline as drawn
    QPointF strut_end1, strut_end2;                                // the strut's far end
    QVector<QPointF> chain_bottom, chain_left, chain_heel, chain_right;
};

// The scale numbers of the sketch, smallest first.
extern const double kSketchScales[34];
// The first scale number F with 1/F <= m; the largest one when none fits.
double Sketch_Scale_Number(double m);
// The true scale denominator of a drawing at 1/F cm per mm.
double Sketch_True_Scale(double F);
// Geometry from the data object (lengths, angle, min l_v, graphic size).
void Sketch_Compute(const NELU52_DATA& d, SketchGeometry* g);
// The sketch into the list as a graphics block and into the plot file.
void print_skizze(NELU52_DATA& d, FILE* list);
