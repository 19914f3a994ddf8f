#pragma once
// Withdrawal parameters (f_ax,k after EC5, f1,k after DIN 1052) and head
// pull-through parameters (f_head,k, f2,k) of nails, staples and screws
// [N/mm2], the rule whether a fastener may carry axial load, and washer areas.
// Densities rho_k in kg/m3 (capped at 500, the panel formula at 380), lengths
// in mm. "Annex number 0" is ActiveNadEc5 set with na_de 0.

// x: the staple's length value (above 20 the staple keeps two thirds).
double Withdrawal_Param_Nail(int type, double x, int predrilled, int core_hole, double rho_k);
double Withdrawal_Param_Screw(int type, int core_hole, int unused, double rho_k, double d);
double Withdrawal_Param_Product_Ec5(double d);
double Withdrawal_Param_Product_Din(double d);
double Head_Pull_Through_Nail(int type, int reduced, double rho_k);
// d_h head diameter, t thickness and kind of the member under the head.
double Head_Pull_Through_Screw(int type, int kind, double rho_k, double t, double d_h, int general);
double Head_Pull_Through_Param_A(double d_h, double w, double d, double t, int kind);
double Head_Pull_Through_Param_B(double d_h, double d, double t, int kind);
double Head_Pull_Through_Product_A(int type, int sub_type, double d_h, double d, double c, double t, int kind);
double Head_Pull_Through_Product_B(int type, int sub_type, double d_h, double d, int general, double t, int kind);

// 1 when the fastener may carry axial load between members of these kinds.
int Axial_Load_Allowed(int type, int resin_coated, int predrilled, int unused, int kind1, int kind2);
// d fastener diameter, D outer washer diameter, t_w washer thickness [mm2].
double Washer_Area(double d, double D);
double Washer_Area_Effective(double d, int unused_1, int unused_2, double t_w);
double Washer_Bearing_Area(double d, double D);
