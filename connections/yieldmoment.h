#pragma once
// Yield moments M_y,Rk [Nmm] of dowel-type fasteners, the effective diameter of
// threaded bolts and the characteristic tensile capacities f_tens,k [N] of the
// screw products by diameter [mm]. The functions marked "mode" read
// ActiveNadEc5 (null: DIN 1052 values).

// 0.85 d below 6 mm and from 33 mm; the stress-area diameters of M6 to M30
// between.
double Bolt_Effective_Diameter(double d);
double Yield_Moment_Round(double d, double f_u); // 0.3 f_u d^2.6
double Yield_Moment_Half(double d, double f_u);  // 0.15 f_u d^2.6
// Connector nails and screws: 4270 for variant 2, else 3500 below 4.1 mm, 5000 from there.
double Yield_Moment_Connector_Fastener(double d, int variant);
// mode: 60 d^2.6 under an annex, 0 without.
double Yield_Moment_Screw_Ec5(double d);
// mode: 90 d^2.6 under an annex, the DIN 1052 table of the screw products without.
double Yield_Moment_Screw_Table(double d);
double Yield_Moment_Product_Table_1(double d);
double Yield_Moment_Product_Table_2(double d);
double Tensile_Capacity_Eta_Table_1(double d);
double Tensile_Capacity_Eta_Table_2(double d); // mode: annex column or DIN 1052 column
double Tensile_Capacity_Eta_Table_3(double d, int variant);
double Tensile_Capacity_Eta_Table_4(double d);

// M_y,Rk of a fastener by its type: wood screws 2..10 60 d^2.6; the screw
// products 11, 12, 13, 44 by the variant flag (60 d^2.6 under an annex / 0
// without, else Yield_Moment_Screw_Table); 14, 15, 43 the product tables;
// bolts with thread_flag 0.3 f_u d_ef^2.6; 46 the connector-screw values;
// connectors 25..28 have none (0); every other type 0.3 f_u d^2.6.
double Fastener_Yield_Moment(int type, double d, double f_u, int variant, int thread_flag);
