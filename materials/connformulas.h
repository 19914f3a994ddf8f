#pragma once
// Formulas for timber connections: effective numbers of fasteners in a row,
// the capacity of split-ring and shear-plate connectors, minimum thicknesses
// for nails, the thickness class of metal plates, bolt holes, spacing tests,
// glued-in rods, the charring time limit in fire and the presets of the two
// user-defined screw products. Stateless apart from the optional result
// records; the rule set follows ActiveNadEc5 (null: DIN 1052).
//
// Lengths in mm, densities in kg/m3, angles in degrees. A function that would
// divide by a non-positive diameter, spacing, density or factor gives 0, so no
// result is infinite or NaN.

#include "materials/connrecord.h"
#include "materials/matkind.h"

// Effective number of n fasteners in a row (spacing a1, diameter d, angle
// alpha_deg between force and grain); n itself for n < 2.
double Nef_Bolt(double d, int n, double a1, double alpha_deg);
// Never negative (the annex rule turns down for long rows).
double Nef_Connector(int n, double alpha_deg);
double Nef_Nail(double d, int predrilled, int n, double a1, double alpha_deg);
// The rule the fastener type selects: bolts for dowels, bolts and screws over
// 6 mm, connectors for connectors, nails for the rest; n for other types.
double Nef_By_Fastener(FastenerType type, double d, int predrilled, int n, double a1, double alpha_deg);
double Nef_Bolt_Product(double d, int n, double p, double q, double alpha_deg);
double Nef_Power(int n);

// Connectors (diameter d_c, embedment depth h_e, density rho_k); result in N.
double Connector_Angle_Factor(double d_c, double alpha_deg);
// Between two timber members t1, t2. With a result record: k_4 = 1, k_alpha,
// k_density, k_thickness, and t_req / t_req_2 raised to the required
// thicknesses.
double Connector_Capacity_Two_Thickness(double d_c, double h_e, double alpha_deg, double t1, double t2, double rho_k,
                                        ConnectionResult* result);
// One timber member of thickness t against a steel plate; t_other is not read.
// With a result record the factors as above and t_req_2 set to the required
// thickness.
double Connector_Capacity_One_Thickness(double d_c, double h_e, double alpha_deg, double t_other, double t,
                                        double rho_k, ConnectionResult* result);

// Minimum timber thickness for nails without predrilling [mm].
double Nail_Min_Thickness(double d, double rho_k);
double Nail_Min_Thickness_Splitting(double d, double rho_k);

// Steel or aluminium (kind 16) plate of thickness t with fasteners of diameter
// d: 0 thin, 1 intermediate, 2 thick; *ratio the weight of the thick-plate
// value (0, 2t/f - 1 or 1; -1 for the Simpson connector nails and screws).
int Plate_Thickness_Class(FastenerType type, MaterialKind plate_kind, double d, double t, double* ratio);
double Bolt_Hole_Diameter(double d);
int Spacing_Check_Sum(double a, double b, double c, double d);
int Spacing_Check_Diff(double a, double b, double c);
// f_k1,k of glued-in rods [N/mm2] by the glued length l_ad [mm].
double Glued_Rod_Bond_Strength(double l_ad);
// 1 for the types designed by the rules of dowel-type nails and screws.
int Fastener_Uses_Pin_Rules(FastenerType type);

// The smallest of three failure-mode values; the governing mode (0, 1, 2) and
// each value through the pointers (NULL skips).
double Three_Mode_Resistance(double a, double b, double c, double d, double e, double f, double g, double h, double l,
                             double m, int* mode, double* r0, double* r1, double* r2);
double Three_Mode_Resistance_Short(double a, double b, double c, double d, double e, double f, int* mode, double* r0,
                                   double* r1, double* r2);
double Percent_Ratio(double a, double b, double c, double* percent);

// Time t_a at which the charring rate returns to normal [min].
double Fire_Time_ta(int same_time, double t_f, double t_ch, double depth, double beta, double k2, double k3);

// Fills the user-defined screw product of type 43 (ASSY) or 44 (SPAX) with its
// defaults; 1, or 0 for another type (which only sets preset_done).
int Screw_Product_Preset(FastenerType type, UserScrewProduct* product);
