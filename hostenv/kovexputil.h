#pragma once
// Coordinate systems of exported member cuts and the transformations that
// carry a cut's internal forces into another system. Angles in radians.
#include "hostenv/kovexport.h"

struct KxpCoordSystem {
    double origin[3];
    double r0[3], r1[3], r2[3]; // axis rows
};

struct KxpBeamCutInfo {
    int ints[5];
    double values[8];
    const char* name; // points into the object's data, not a copy
};

struct KxpTransformation {
    double force[9]; // element (i, j) at 3i + j
    double moment[9];
    double angles[3];
};

struct KxpTrafoArray {
    int count;
    int capacity;
    KxpTransformation* items;
};

// The two systems of a joint of two member cuts that share their second axis.
// Called with (strut, sill), system_b is the sill's system and system_a the
// strut's; read as two KxpCoordSystem records they are the pair of targets of
// Kxp_Trafo_Array_Build (which[i] == 1 selects system_a).
struct KxpJointSystems {
    KxpCoordSystem system_b;
    KxpCoordSystem system_a;
    double point[3];
    double offset_b;
    double spare;
    double offset_a;
    double plane_distance;
    double normal_offset;
    double angle;
};

void Kxp_Identity_System(KxpCoordSystem* c);
void Kxp_Default_Transformation(KxpTransformation* t);

int Kxp_Get_Coord_System(const KovExportObject* obj, KxpCoordSystem* out, int mode, int transpose);
int Kxp_Get_BeamCut_Info(const KovExportObject* obj, KxpBeamCutInfo* out);
int Kxp_Set_BeamCut_Info(KovExportObject* obj, const KxpBeamCutInfo* info);
void Kxp_Make_Transformation(const KxpCoordSystem* target, const KovExportObject* member, KxpTransformation* out);
int Kxp_Transformation_Of_Member(const KxpCoordSystem* target, const KovExportObject* member, KxpTransformation* out);
int Kxp_Transformation_Of_Member_In(const KxpCoordSystem targets[2], const KovExportObject* member,
                                    KxpTransformation* out, int which);
int Kxp_Trafo_Apply_One(const KxpTransformation* t, const double f[3], const double m[3], double f_out[3],
                        double m_out[3]);
int Kxp_Trafo_Array_Resize(KxpTrafoArray** arr, int n);
void Kxp_Trafo_Array_Free(KxpTrafoArray** arr);
int Kxp_Trafo_Array_Build(const KxpJointSystems* systems, KovExportObject* const* members, const int* which, int n,
                          KxpTrafoArray** arr);
int Kxp_Trafo_Apply(const KxpTrafoArray* arr, const double* in, double* out);
int Kxp_Make_Joint_Systems(const KovExportObject* a, const KovExportObject* b, KxpJointSystems* out);
int Kxp_Make_Joint_Systems_Ex(const KovExportObject* a, const KovExportObject* b, KxpJointSystems* out, int reverse);
int Kxp_Member_Trafos(const KxpCoordSystem* base, KovExportObject* const* members, const int* keep, int n, int mode,
                      KxpTrafoArray** arr, KxpCoordSystem* member_systems, KxpCoordSystem* local_systems);
int Kxp_Member_Trafos_All(const KxpCoordSystem* base, KovExportObject* const* members, int n, int mode,
                          KxpTrafoArray** arr, KxpCoordSystem* member_systems, KxpCoordSystem* local_systems);
int Kxp_Members_Plane(KovExportObject* const* members, int n, int mode, KxpCoordSystem* out, double* max_distance);
double Kxp_Angle_Between(const double a[3], const double b[3]);
double Kxp_Direction_Angle(const KxpCoordSystem* c, const double v[3]);
KxpCoordSystem* Kxp_Coord_Flip_YZ(KxpCoordSystem* c);
int Kxp_Project_To_Plane(const KxpCoordSystem* c, const double shift[3], const double* items, int n, double* points,
                         KxpCoordSystem* out);
