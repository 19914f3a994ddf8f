#pragma once
// Material kinds and fastener types: the two integer codes that select every
// material value, partial factor, spacing rule and check of the timber library,
// and the small set tests over them.

typedef int MaterialKind;
typedef int FastenerType;

enum MaterialKindCode {
    MK_SOFTWOOD = 0,
    MK_HARDWOOD = 1,
    MK_GLULAM_EC = 2,
    MK_GLULAM_DIN = 3,
    MK_OSB = 4,
    MK_GYPSUM_BOARD = 5,
    MK_PLYWOOD = 6,
    MK_PARTICLEBOARD = 7,
    MK_FIBREBOARD = 8,
    MK_FERMACELL = 9,
    MK_KERTO_S = 10,
    MK_KERTO_Q = 11,
    MK_STEEL_PLATE = 12,
    MK_LVL = 13,
    MK_FREE = 14,
    MK_NONE = 15,
    MK_ALUMINIUM_PLATE = 16,
    MK_BEECH_GL75 = 17,
    MK_BEECH_PANEL = 18,
    MK_STEICO_LVL = 19,
    MK_UNLISTED_SOFTWOOD = -10,
    MK_STEICO_GLVL = -11,
    MK_STEICO_WALL = -12,
    MK_STEICO_JOIST = -13,
    MK_USER_DEFINED = -999
};

enum FastenerTypeCode {
    FT_NO_COMPOSITE = -2,
    FT_GLUED = -1,
    FT_NAIL = 0,
    FT_STAPLE = 1,
    FT_SCREW_1A = 2,
    FT_SCREW_1B = 3,
    FT_SCREW_1C = 4,
    FT_SCREW_2A = 5,
    FT_SCREW_2B = 6,
    FT_SCREW_2C = 7,
    FT_SCREW_3A = 8,
    FT_SCREW_3B = 9,
    FT_SCREW_3C = 10,
    FT_SPAX_CSK_PARTIAL = 11,
    FT_SPAX_WASHER_PARTIAL = 12,
    FT_SPAX_CSK_FULL = 13,
    FT_ASSY_VG_CYLINDER = 14,
    FT_ASSY_VG_COUNTERSUNK = 15,
    FT_SPECIAL_NAIL_1A = 16,
    FT_SPECIAL_NAIL_1B = 17,
    FT_SPECIAL_NAIL_1C = 18,
    FT_SPECIAL_NAIL_2A = 19,
    FT_SPECIAL_NAIL_2B = 20,
    FT_SPECIAL_NAIL_2C = 21,
    FT_SPECIAL_NAIL_3A = 22,
    FT_SPECIAL_NAIL_3B = 23,
    FT_SPECIAL_NAIL_3C = 24,
    FT_RING_A1 = 25,
    FT_PLATE_C1 = 26,
    FT_PLATE_C5 = 27,
    FT_PLATE_C10 = 28,
    FT_DOWEL = 29,
    FT_BOLT = 30,
    FT_PLATE_B1 = 31,
    FT_PLATE_C2 = 32,
    FT_PLATE_C11 = 33,
    FT_SPECIAL_NAIL_1D = 34,
    FT_SPECIAL_NAIL_1E = 35,
    FT_SPECIAL_NAIL_1F = 36,
    FT_SPECIAL_NAIL_2D = 37,
    FT_SPECIAL_NAIL_2E = 38,
    FT_SPECIAL_NAIL_2F = 39,
    FT_SPECIAL_NAIL_3D = 40,
    FT_SPECIAL_NAIL_3E = 41,
    FT_SPECIAL_NAIL_3F = 42,
    FT_ASSY_USER = 43,
    FT_SPAX_USER = 44,
    FT_SIMPSON_CNA = 45,
    FT_SIMPSON_CSA = 46
};

// Fastener groups (1 = member of the group, 0 = not).
int Fastener_Is_Wood_Screw(FastenerType type);
int Fastener_Is_Spax(FastenerType type);
int Fastener_Is_Assy(FastenerType type);
int Fastener_Is_Full_Thread(FastenerType type, int assy_thread, int spax_thread);
int Fastener_Is_Countersunk(FastenerType type, int head);
int Fastener_Is_Special_Nail(FastenerType type);
int Fastener_Is_Nail(FastenerType type);
int Fastener_Is_Nail_Or_Screw(FastenerType type);
int Fastener_Is_Pin(FastenerType type);
int Fastener_Is_Pin_Type(FastenerType type);
int Fastener_Is_Connector(FastenerType type);

// Material groups.
int Mat_Is_Board(MaterialKind kind);
int Mat_Is_Sheathing_Board(MaterialKind kind);
int Mat_Is_Steico_Wall_Or_Joist(MaterialKind kind);
int Mat_Is_Solid_Timber(MaterialKind kind);
int Mat_Is_Metal_Plate(MaterialKind kind);
int Mat_Is_Glulam(MaterialKind kind);
int Mat_Is_Timber(MaterialKind kind);

// The fastener type whose design rules apply: screws thicker than 6 mm are
// designed as bolts, thinner ones as nails; other types stay as they are.
FastenerType Fastener_Rule_Type(FastenerType type, double d);

// Direction code for the strength and stiffness queries: -1 < x < 1 selects
// the parallel code of the kind, other x the perpendicular one.
int Mat_Strength_Direction(MaterialKind kind, double x);
