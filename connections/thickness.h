#pragma once
// Required member thicknesses of the simplified method (DIN 1052), minimum
// thicknesses of ring and shear-plate connectors, and how far a nail reaches
// into the members, with its penetration messages.
//
// Common arguments: fastener type, predrilled, variant and thread flag (as in
// Fastener_Yield_Moment), no-clearance flag, d [mm], load-to-grain angles
// alpha1, alpha2 [rad], embedment depth h_e of a connector, f_u [N/mm2], the
// members' t, rho_k, kinds, grades and embedment laws. A required thickness
// whose embedment strength vanishes is 0.

#include "materials/connrecord.h"

double Required_Thickness_Side(int type, int predrilled, int variant, double d, int no_clearance, int thread,
                               double alpha1, double alpha2, double h_e, double f_u, double t1, double t2, double rho1,
                               double rho2, int kind1, int kind2, int grade1, int grade2, const UserEmbedmentLaw* law1,
                               const UserEmbedmentLaw* law2);
// 0.1 when member 1 is a metal plate.
double Required_Thickness_Side_Plate(double d, int type, int predrilled, int variant, int no_clearance, int thread,
                                     double alpha1, double alpha2, double h_e, double f_u, double t1, double t2,
                                     double rho1, double rho2, int kind1, int kind2, int grade1, int grade2,
                                     const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2);
// Single shear, member 2: t2,req = 2.3 (sqrt(1/(1+beta)) + 1) sqrt(M_y/(f_h2 d)).
double Required_Thickness_Second(double d, int type, int predrilled, int variant, int no_clearance, int thread,
                                 double alpha1, double alpha2, double h_e, double f_u, double t1, double t2,
                                 double rho1, double rho2, int kind1, int kind2, int grade1, int grade2,
                                 const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2);
// Middle member of a double-shear joint; for nails the penetration case of
// (configuration, d, length, nail angle [deg]) decides the formula, and its
// codes are pushed also when an embedment strength vanishes.
double Required_Thickness_Middle(int configuration, double d, double length, double angle, int type, int predrilled,
                                 int variant, int no_clearance, int thread, double alpha1, double alpha2, double h_e,
                                 double f_u, double t1, double t2, double rho1, double rho2, int kind1, int kind2,
                                 int grade1, int grade2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2);
// Timber next to a steel plate: 1.15 * 2 sqrt(2) (form A) and 1.15 * (2 + sqrt(2))
// (form B) times sqrt(M_y / (f_h d)).
double Required_Thickness_Plate_A(double d, int type, int predrilled, int variant, int no_clearance, int thread,
                                  double alpha, double h_e, double f_u, double t, double rho, int kind, int grade,
                                  const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2);
double Required_Thickness_Plate_B(double d, int type, int predrilled, int variant, int no_clearance, int thread,
                                  double alpha, double h_e, double f_u, double t, double rho, int kind, int grade,
                                  const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2);
double Connector_Min_Side_Thickness(double x);   // max(3 x, 24)
double Connector_Min_Middle_Thickness(double x); // max(5 x, 24)

// Where a nail of length L at the angle [deg] ends: configuration 1 single
// shear, 2 double shear (third member t1), other: it must end in member 2.
// Case 0 (does not reach member 2 / passes it wrongly) to 4 (passes the last
// member). Pushes CONN_MSG_NAIL_SHORT_OF_MEMBER_2 and CONN_MSG_NAIL_PASSES_MEMBER_3
// to list B, CONN_MSG_NAIL_ENDS_IN_MEMBER_2, CONN_MSG_NAIL_TIP_IN_MEMBER_2,
// CONN_MSG_NAIL_TIP_IN_MEMBER_3, CONN_MSG_PENETRATION_BELOW_4D (at most once)
// and, under an annex, CONN_MSG_PENETRATION_BELOW_8D to list A.
int Nail_Penetration_Case(int configuration, double d, double L, double angle, double t1, double t2,
                          double* penetration, int* effective_planes);

// Nails driven from both faces of a three-member joint: whether they may
// overlap in the middle member, with the penetrations, counts and cases.
int Nail_Overlap_Geometry(double t1, double t2, double t3, int both_sides, double L1, double d1, double angle1,
                          double* p1, int* r1, int* case1, double L2, double d2, double angle2, double* p2, int* r2,
                          int* case2);
int Nail_Overlap_Allowed(double t1, double t2, double t3, int both_sides, double L, double d);
