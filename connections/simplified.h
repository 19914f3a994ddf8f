#pragma once
// Lateral capacity of one nail, staple or screw per shear plane by the
// simplified method: R = k * c * sqrt(2 M_y f_h d), where k compares the side
// thickness and the penetration with their required values. Configuration 1
// single shear, 2 double shear. Angles alpha [rad]; R and the result fields
// in N, mm, N/mm2, Nmm. A member without embedment strength
// (CONN_MSG_NO_EMBEDMENT_MEMBER_1, CONN_MSG_NO_EMBEDMENT_MEMBER_2) gives R = 0
// with the code in message_code.

#include "materials/connrecord.h"

double Lateral_Nail_Timber(int configuration, double d, double L, double f_u, int predrilled, int unused, double t1,
                           double t2, double rho1, double rho2, double alpha1, double alpha2, int kind1, int kind2,
                           int grade1, int grade2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2,
                           ConnectionResult* result);
// Nails and screws with a gypsum fibre board as member 1.
double Lateral_Gypsum_Fibre_Nail(double d, double L, double f_u, int predrilled, int unused, double t1, double t2,
                                 double rho1, double rho2, int kind1, int kind2, int grade1, int grade2,
                                 ConnectionResult* result);
double Lateral_Gypsum_Fibre_Staple(double d, double L, double f_u, int unused, double t1, double t2, double rho1,
                                   double rho2, int kind1, int kind2, int grade1, int grade2, ConnectionResult* result);
double Lateral_Nail_Panel(int configuration, double d, double L, double f_u, int predrilled, int unused_1, int unused_2,
                          double t1, double t2, double rho1, double rho2, double alpha1, double alpha2, int kind1,
                          int kind2, int grade1, int grade2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2,
                          ConnectionResult* result);
double Lateral_Staple(int configuration, double d, double L, double f_u, int unused, double t1, double t2, double rho1,
                      double rho2, int kind1, int kind2, int grade1, int grade2, const UserEmbedmentLaw* law1,
                      const UserEmbedmentLaw* law2, ConnectionResult* result);
double Lateral_Nail_Timber_Beta(int configuration, double d, double L, double f_u, int predrilled, int unused_1,
                                int unused_2, double t1, double t2, double rho1, double rho2, int kind1, int kind2,
                                int grade1, int grade2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2,
                                ConnectionResult* result);
// Wood screws 2..10.
double Lateral_Wood_Screw(int configuration, double d, double L, double f_u, int predrilled, int unused_1, int unused_2,
                          double t1, double t2, double rho1, double rho2, double alpha1, double alpha2, int kind1,
                          int kind2, int grade1, int grade2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2,
                          ConnectionResult* result);
// Screw products 11..15, 43, 44 (angle of the screw [deg]).
double Lateral_Screw_Product(int configuration, int type, double d, double L, double angle, int predrilled, int variant,
                             int no_clearance, double t1, double t2, double rho1, double rho2, double alpha1,
                             double alpha2, int kind1, int kind2, int grade1, int grade2, const UserEmbedmentLaw* law1,
                             const UserEmbedmentLaw* law2, ConnectionResult* result);

// The reduction factor k of one shear plane with its penetration p, effective
// planes, minimum side thickness and required penetration; returns the
// penetration case (0 and nothing stored for a type that is no nail, staple
// or screw).
int Nail_Penetration_Reduction(int type, double f_u, int configuration, double d, double L, double angle,
                               int predrilled, int variant, int no_clearance, int unused, double t1, double t2,
                               double rho1, double rho2, int kind1, int kind2, int grade1, int grade2,
                               const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2, double* penetration,
                               int* effective_planes, double* k, double* t1_min, double* t2_req);

// 800 for every kind but gypsum board (5): 950 for 1 <= x <= 1.25, 680 up to 1.6, else 0.
double Board_Density_Value(double x, int kind);

// Shared pieces of the lateral checks.
// Panel minimum of the side member: 7 d; plywood outside the first group 6 d,
// fibreboard 6 d, gypsum board 10 d; 0 for other kinds.
double Conn_Panel_Min_Thickness(int kind, int grade, double d);
// Factor A of nails in panels (0 for kinds without one).
double Conn_Panel_Factor(int kind, int grade);
// Nails through a metal plate: the required penetration factor n (9 thin to 10 thick).
double Conn_Plate_Penetration_Factor(int kind1, double t1, double d);
