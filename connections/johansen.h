#pragma once
// Lateral capacity by the failure modes of the European yield model
// (EN 1995-1-1 (8.6), (8.7), (8.9) to (8.13)): timber to timber (modes 1 to
// 10), a metal plate as member 2 (16 to 18) and a metal plate as member 1
// (11 to 15, 19 to 24, 27 to 29 for thin, thick and in-between plates). The
// exact method works on characteristic values and picks the governing mode
// after dividing each by its partial factor; the design-value method works on
// design values. The switch 2 removes every partial factor and the factors
// 1.05 and 1.15. Angles alpha [rad], the nail angle [deg].

#include "materials/connrecord.h"

// 1 with switch 2; under an annex its partial factor for connections; in
// DIN 1052 mode the factor of the mode (1 to 29), -1 for another mode.
double Connection_Gamma_M(int mode, int sw);

int Johansen_Timber(int sw, int configuration, double d, double L, double angle, int predrilled, int variant,
                    int no_clearance, int thread, int type, double alpha1, double alpha2, double t1, double t2,
                    double rho1, double rho2, int kind1, int kind2, int grade1, int grade2, double f_u,
                    const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2, ConnectionResult* result);
int Johansen_Timber_Design(double gamma_m1, double gamma_m2, double gamma_m_fastener, double kmod1, double kmod2,
                           int configuration, double d, double L, double angle, int predrilled, int variant,
                           int no_clearance, int thread, int type, double alpha1, double alpha2, double t1, double t2,
                           double rho1, double rho2, int kind1, int kind2, int grade1, int grade2, double f_u,
                           const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2, ConnectionResult* result);
// Member 2 a metal plate; member 1 the timber of the given values.
int Johansen_Plate_Second(int sw, double d, int type, int predrilled, int variant, int thread, int no_clearance,
                          double alpha, double t, double rho, int kind, int grade, double f_u,
                          ConnectionResult* result);
int Johansen_Plate_Second_Design(double gamma_m, int unused_1, int unused_2, double gamma_m_fastener, double kmod,
                                 double d, int type, int predrilled, int variant, int thread, int no_clearance,
                                 double alpha, double t, double rho, int kind, int grade, double f_u,
                                 ConnectionResult* result);
// Member 1 a metal plate. Reads penetration, rope_share, rho2 (and kmod2 for
// the design values) of the result, written before by the driver.
int Johansen_Plate_First(ConnectionInput input, ConnectionResult* result);
int Johansen_Plate_First_Design(ConnectionInput input, ConnectionResult* result);
