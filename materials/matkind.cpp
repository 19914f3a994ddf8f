// Set tests over material kinds and fastener types.
#include "materials/matkind.h"

namespace {

inline bool In(int v, int lo, int hi) { return v >= lo && v <= hi; }

} // namespace

int Fastener_Is_Wood_Screw(FastenerType type) { return In(type, FT_SCREW_1A, FT_SCREW_3C) ? 1 : 0; }

int Fastener_Is_Spax(FastenerType type)
{
    return (In(type, FT_SPAX_CSK_PARTIAL, FT_SPAX_CSK_FULL) || type == FT_SPAX_USER) ? 1 : 0;
}

int Fastener_Is_Assy(FastenerType type)
{
    return (type == FT_ASSY_VG_CYLINDER || type == FT_ASSY_VG_COUNTERSUNK || type == FT_ASSY_USER) ? 1 : 0;
}

int Fastener_Is_Full_Thread(FastenerType type, int assy_thread, int spax_thread)
{
    switch (type) {
        case FT_SPAX_CSK_FULL:
        case FT_ASSY_VG_CYLINDER:
        case FT_ASSY_VG_COUNTERSUNK: return 1;
        case FT_ASSY_USER:
            // Every thread of the user product but the partial one ("Teilgewinde").
            return In(assy_thread, 1, 3) ? 1 : 0;
        case FT_SPAX_USER: return In(spax_thread, 1, 2) ? 1 : 0;
        default: return 0;
    }
}

int Fastener_Is_Countersunk(FastenerType type, int head)
{
    switch (type) {
        case FT_SPAX_CSK_PARTIAL:
        case FT_SPAX_CSK_FULL:
        case FT_ASSY_VG_COUNTERSUNK: return 1;
        case FT_ASSY_USER:
            // Heads 0..3 are the countersunk forms; a negative index is none.
            return (unsigned)head < 4u ? 1 : 0;
        case FT_SPAX_USER: return (head == 2 || head == 4) ? 1 : 0;
        default: return 0;
    }
}

int Fastener_Is_Special_Nail(FastenerType type)
{
    return (In(type, FT_SPECIAL_NAIL_1A, FT_SPECIAL_NAIL_3C) || In(type, FT_SPECIAL_NAIL_1D, FT_SPECIAL_NAIL_3F) ||
            type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA)
               ? 1
               : 0;
}

int Fastener_Is_Nail(FastenerType type) { return (type == FT_NAIL || Fastener_Is_Special_Nail(type)) ? 1 : 0; }

int Fastener_Is_Nail_Or_Screw(FastenerType type)
{
    return (type == FT_NAIL || In(type, FT_SCREW_1A, FT_SPECIAL_NAIL_3C) ||
            In(type, FT_SPECIAL_NAIL_1D, FT_SIMPSON_CSA))
               ? 1
               : 0;
}

int Fastener_Is_Pin(FastenerType type)
{
    return (In(type, FT_NAIL, FT_SPECIAL_NAIL_3C) || In(type, FT_SPECIAL_NAIL_1D, FT_SIMPSON_CSA)) ? 1 : 0;
}

int Fastener_Is_Pin_Type(FastenerType type) { return Fastener_Is_Pin(type); }

int Fastener_Is_Connector(FastenerType type)
{
    return (In(type, FT_RING_A1, FT_PLATE_C10) || In(type, FT_PLATE_B1, FT_PLATE_C11)) ? 1 : 0;
}

int Mat_Is_Board(MaterialKind kind)
{
    return (In(kind, MK_OSB, MK_KERTO_Q) || kind == MK_BEECH_PANEL || kind == MK_STEICO_LVL ||
            In(kind, MK_STEICO_JOIST, MK_UNLISTED_SOFTWOOD))
               ? 1
               : 0;
}

int Mat_Is_Sheathing_Board(MaterialKind kind)
{
    return (kind == MK_OSB || kind == MK_GYPSUM_BOARD || kind == MK_PARTICLEBOARD || kind == MK_FIBREBOARD ||
            kind == MK_FERMACELL)
               ? 1
               : 0;
}

int Mat_Is_Steico_Wall_Or_Joist(MaterialKind kind)
{
    return (kind == MK_STEICO_WALL || kind == MK_STEICO_JOIST) ? 1 : 0;
}

int Mat_Is_Solid_Timber(MaterialKind kind)
{
    return (kind == MK_SOFTWOOD || kind == MK_HARDWOOD || kind == MK_UNLISTED_SOFTWOOD) ? 1 : 0;
}

int Mat_Is_Metal_Plate(MaterialKind kind) { return (kind == MK_STEEL_PLATE || kind == MK_ALUMINIUM_PLATE) ? 1 : 0; }

int Mat_Is_Glulam(MaterialKind kind)
{
    return (kind == MK_GLULAM_EC || kind == MK_GLULAM_DIN || kind == MK_BEECH_GL75) ? 1 : 0;
}

int Mat_Is_Timber(MaterialKind kind) { return (Mat_Is_Solid_Timber(kind) || Mat_Is_Glulam(kind)) ? 1 : 0; }

FastenerType Fastener_Rule_Type(FastenerType type, double d)
{
    if (In(type, FT_SCREW_1A, FT_ASSY_VG_COUNTERSUNK) || type == FT_ASSY_USER || type == FT_SPAX_USER)
        return d > 6.001 ? FT_BOLT : FT_NAIL;
    return type;
}

int Mat_Strength_Direction(MaterialKind kind, double x)
{
    const bool inside = x > -1.0 && x < 1.0;
    if (In(kind, MK_SOFTWOOD, MK_GLULAM_DIN) || kind == MK_BEECH_GL75) return inside ? 6 : 7;
    if (In(kind, MK_OSB, MK_PLYWOOD)) return inside ? 2 : 3;
    if (In(kind, MK_PARTICLEBOARD, MK_KERTO_Q) || kind == MK_BEECH_PANEL || kind == MK_STEICO_LVL ||
        kind == MK_STEICO_GLVL)
        return 5;
    return -1;
}
