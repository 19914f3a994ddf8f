#pragma once
// Values of single fasteners that the connection design combines into its
// checks: the capacity of a self-tapping screw in compression (buckling
// against withdrawal), the net-section area a fastener takes out of a member,
// core and washer diameters, the slip modulus K_ser, the user-defined screw
// products, and the bearing of bolts in metal plates at minimum distances.
// Stateless apart from the caller's result record; the rule set follows
// ActiveNadEc5 (null: DIN 1052), ActiveNadEc3 supplies gamma_M1 of the screw
// steel. Lengths in mm, densities in kg/m3, forces in N.

#include "materials/connrecord.h"
#include "materials/matkind.h"

// Buckling of an axially loaded self-tapping screw in compression: the thread
// in the member of thickness t (the density of member 1, or of member 2 when
// member 1 is a metal plate). Reads result->kmod1 and kmod2, writes
// result->buckling (all zero for a negative angle, a non-positive diameter,
// density or partial factor). Along the grain (angle 0) the whole thread
// length holds. Returns 0.0.
double Screw_Compression_Buckling(ConnectionInput input, double t, ConnectionResult* result);

// Area a fastener of diameter d takes out of the net section of a member of
// thickness t [mm2]; bolt_index selects the bolt of a connector in the built-in
// bolt list.
double Fastener_Area_Loss(FastenerType type, double d, int product, int bolt_index, int predrilled, int fitted,
                          double t);
// The same by catalogue product; *d_ef (when not NULL) the diameter used.
double Fastener_Area_Loss_Product(FastenerType type, int product, int bolt_index, int predrilled, int fitted, double t,
                                  double* d_ef);

// Core diameter of a screw by nominal diameter (form 1 or any other form); -1
// when d is not listed.
double Screw_Core_Diameter(int form, double d);
// Outer washer diameter by bolt diameter (forms 0 to 3); -1 when not listed.
double Washer_Diameter(double d, int form);

// For fastener type 43 (resp. 44) the first (second) user screw product
// replaces the common fastener fields; returns c.
ConnectionInput* User_Screw_Apply_Assy(ConnectionInput* c);
ConnectionInput* User_Screw_Apply_Spax(ConnectionInput* c);

// K_ser per shear plane and fastener [N/mm]; doubled against a metal plate.
double Fastener_Slip_Modulus(FastenerType type, int predrilled, double d, int kind1, int grade1, double t1, int kind2,
                             int grade2, double t2, const UserMaterial* user);

// Bolts in a metal plate at the minimum distances (EN 1993-1-8 Table 3.4): the
// hole is d, or d + 1 unless fitted. Each pointer may be NULL.
void Plate_Min_Spacings(double d, int fitted, double* p1, double* e1, double* e2, double* p2);
double Plate_Alpha_b(double d, int fitted);
double Plate_K1(double d, int fitted);
// k1 x alpha_b x base (0.664 base).
double Plate_Bearing_Resistance(double d, int fitted, double base, double* k1, double* alpha_b);
// k1 x alpha_b x f_u x t x d; the two ints are not read.
double Plate_Bearing_Resistance_Full(double d, double t, int fitted, double f_u, int unused_1, int unused_2, double* k1,
                                     double* alpha_b);
