#pragma once
// Characteristic embedment strengths f_h,k [N/mm2] of the members under a
// dowel-type fastener: timber, wood-based panels, steel and aluminium plates
// and user-defined materials. d and t in mm, rho_k in kg/m3, load-to-grain
// angles in radians. Under ActiveNadEc5 null the DIN 1052 rules hold.

#include "materials/connrecord.h"

// Single formulas (EN 1995-1-1 (8.15), (8.16), (8.20), (8.22) and their DIN
// 1052 twins). A non-positive d, t or rho gives 0, never infinity.
double Embedment_Timber(double d, double rho, int predrilled);
double Embedment_Plywood(double d, double rho, int predrilled);
double Embedment_Osb_Particleboard(double d, double t, int predrilled);
double Embedment_Fibreboard(double d, double t);
double Embedment_Gypsum(double d, double t);
double Embedment_Lvl(double d);
double Embedment_Dowel_Parallel(double d, double rho);
// Angles alpha (force to grain), beta, epsilon in radians.
double Embedment_Three_Angles(double d, double rho, double alpha, double beta, double epsilon);

// k90 of dowels and bolts by member kind: 1 in DIN 1052 mode up to d = 8;
// 0.015 d plus 1.35 (softwood, glulam), 0.90 (hardwood, beech glulam), 1.30
// (LVL and veneer products); 0 for any other kind.
double Embedment_K90(double d, int kind);

// The embedment strengths of both members of one shear plane. Returns 0,
// CONN_MSG_NO_EMBEDMENT_MEMBER_2, CONN_MSG_NO_EMBEDMENT_MEMBER_1 or
// CONN_MSG_K90_SET_TO_1 (k90 set to 1 by the DIN 1052 rule); a steel or
// aluminium member never raises either of the first two.
int Embedment_Pair(double* f_h1, double* f_h2, int type, double d, int predrilled, double alpha1, double alpha2,
                   double t1, double t2, double rho1, double rho2, int kind1, int kind2, int grade1, int grade2,
                   const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2);

// One member alone; 0 at once for a null f_h; else 0,
// CONN_MSG_NO_EMBEDMENT_MEMBER_1 or CONN_MSG_K90_SET_TO_1.
int Embedment_Single(double* f_h, double d, int type, int predrilled, double alpha, double t, double rho, int kind,
                     int grade, const UserEmbedmentLaw* law);

// Shared kind groups of the connection design.
int Conn_Is_Metal(int kind);     // 12 steel, 16 aluminium plate
int Conn_Is_Panel(int kind);     // 4..11, 18, 19, -13..-10
int Conn_Is_Nail_Like(int type); // 0, 16..24, 34..42, 45, 46: Fastener_Is_Nail
// 16..24, 34..42: Fastener_Is_Special_Nail without the Simpson nails 45 and
// 46, which have rules of their own where this predicate is asked
int Conn_Is_Special_Nail(int type);
int Conn_Is_Screw_Product(int type); // 11..15, 43, 44
// the connectors held by a bolt: 26..28, 32, 33 (Fastener_Is_Connector without
// the split ring 25 and the shear-plate B1 31)
int Conn_Is_Bolted_Connector(int type);
