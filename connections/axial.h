#pragma once
// Axial (withdrawal) capacity F_ax,Rk of one fastener [N] and its design value,
// and the rope-effect share that raises the lateral capacity. p: penetration
// of the fastener at its tip [mm]; fc: f_c,90,k under the head or washer
// [N/mm2]. The result must hold rho1, rho2, kmod1 and kmod2. A refusal returns
// 0 with its code in message_code and writes nothing else.

#include "materials/connrecord.h"

// DIN 1052 rules with the German approvals of the screw products (also
// computes under an annex).
double Axial_Capacity_Nail_Screw(ConnectionInput input, double p, double fc, ConnectionResult* result);
// EC5 8.3.2, 8.4, 8.7.2 and the European approvals of the screw products.
double Axial_Capacity_Screw_Eta(ConnectionInput input, double p, double fc, ConnectionResult* result);
// k_ef-like factor of a penetration t against d (short_rule: predrilled values).
double Penetration_Factor(double d, double t, int short_rule);
// A quarter of the axial capacity, limited to a share of F_ref by type and
// rules; stored in rope_share. 0 (rope_share unchanged) when the fastener may
// not carry axial load.
double Rope_Effect_Share(ConnectionInput input, double f_ref, double p, double fc, ConnectionResult* result);
