#pragma once
// Simplified-method checks next to steel and aluminium plates, of dowels and
// bolts between two members (also the bolt of a connector), and the capacity
// of special connectors. Each returns the characteristic capacity R [N] of one
// fastener and shear plane and, with a result record, stores its intermediate
// values. Angles alpha [rad], the nail angle [deg].

#include "materials/connrecord.h"

// Nails, staples and screws through a metal plate (member 1) into member 2.
double Lateral_Nail_Plate_First(int type, int configuration, double d, double L, double angle, double t2,
                                int predrilled, int variant, double t1, double alpha2, double f_u, int kind1, int kind2,
                                int grade1, int grade2, double rho2, ConnectionResult* result);
// Member 2 a metal plate; the timber member of thickness t.
double Lateral_Dowel_Plate_Second(int type, double d, double t, int predrilled, int variant, int no_clearance,
                                  int thread, double alpha, double f_u, int kind, int grade, double rho,
                                  const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2, ConnectionResult* result);
// Member 1 a metal plate of thickness t1, thin, thick or between (by d_work).
double Lateral_Bolt_Plate(int type, int configuration, double d, double d_work, double t2, int predrilled, int variant,
                          int no_clearance, int thread, double t1, double alpha2, double f_u, int kind1, int kind2,
                          int unused, int grade2, double rho2, ConnectionResult* result);
// The dowel or bolt between two members (computed as a dowel).
double Connector_Bolt_Part(int configuration, double d, int variant, int fitted, int thread, double t1, double t2,
                           double rho2, double rho1, int kind1, int kind2, int grade1, int grade2, double f_u,
                           double alpha1, double alpha2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2,
                           ConnectionResult* result);
// Toothed-plate connectors (types 26 to 28, 32, 33); 0 for every other type.
double Connector_Special_Capacity(int type, double d_c, double d_b, double h_e, double t1, double t2, double rho_k,
                                  ConnectionResult* result);
double Connector_Special_Capacity_Min(int type, double d_c, double d_b, double h_e, double t, double rho_k,
                                      ConnectionResult* result);

// k90 of the dowel rule next to plates: by the timber kind; 1 up to d = 8 in
// DIN 1052 mode and for dowels (type 29) in either mode.
double Plate_K90(int type, double d, int kind);
