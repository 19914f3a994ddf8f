#pragma once
// Message codes of the connection design: two process-wide lists that the
// checks append to, and the German wording of every code (code page 850, with
// the bytes 0x8C, 0xF2, 0xA3, 0xCB and 0xF3 of the output list's symbol set).
// The wording follows the rules in force: with ActiveNadEc5 set it cites
// DIN EN 1995-1-1 with its annex, without it DIN 1052.

#include "materials/connrecord.h"

enum { CONN_MESSAGE_CAPACITY = 500 };

struct ConnMessageList {
    int codes[CONN_MESSAGE_CAPACITY];
    int count;
};

// The message codes the checks push, store or return, by what they say.
enum ConnMessageCode {
    CONN_MSG_DIAMETER_NOT_POSITIVE = 4,
    CONN_MSG_TOO_SHORT = 6,
    CONN_MSG_TOO_SHORT_DOUBLE_SHEAR = 7,
    CONN_MSG_PENETRATION_BELOW_4D = 8,
    CONN_MSG_TOO_LONG = 11,
    CONN_MSG_SIDE_MEMBER_SPLITTING = 14,  // of the minimum-dimension check
    CONN_MSG_NAIL_SHORT_OF_MEMBER_2 = 84, // no text: penetration cases for the caller
    CONN_MSG_NAIL_ENDS_IN_MEMBER_2 = 85,
    CONN_MSG_NAIL_TIP_IN_MEMBER_2 = 86,
    CONN_MSG_NAIL_TIP_IN_MEMBER_3 = 87,
    CONN_MSG_NAIL_PASSES_MEMBER_3 = 88,
    CONN_MSG_PENETRATION_BELOW_8D = 137,
    CONN_MSG_SCREW_MEMBER_1_BELOW_12D = 140,
    CONN_MSG_SCREW_MEMBER_2_BELOW_12D = 141,
    CONN_MSG_ASSY_PANEL_BELOW_6MM = 142,
    CONN_MSG_ASSY_PANEL_BELOW_8MM = 143,
    CONN_MSG_SPAX_PANEL_BELOW_6MM = 144,
    CONN_MSG_SPAX_PANEL_BELOW_8MM = 145,
    CONN_MSG_MEMBER_1_BELOW_1_2D = 146,
    CONN_MSG_MEMBER_2_BELOW_1_2D = 147,
    CONN_MSG_PREDRILLED_NAIL_NO_WITHDRAWAL = 148,
    CONN_MSG_SMOOTH_NAIL_PENETRATION_8D = 149,
    CONN_MSG_SPECIAL_NAIL_BELOW_6D = 150, // a note: the capacity goes on
    CONN_MSG_STAPLE_PENETRATION_12D = 151,
    CONN_MSG_SCREW_PENETRATION_6D = 152,
    CONN_MSG_STAPLE_NOT_RESIN_COATED = 153,
    CONN_MSG_NAIL_PENETRATION_12D = 154,
    CONN_MSG_SPECIAL_NAIL_PENETRATION_8D = 155,
    CONN_MSG_PENETRATION_CUT_TO_20D = 156,
    CONN_MSG_NO_EMBEDMENT_MEMBER_1 = 158,
    CONN_MSG_NO_EMBEDMENT_MEMBER_2 = 159,
    CONN_MSG_APPROVAL_GYPSUM_FIBRE = 1000, // hints under an annex with a number
    CONN_MSG_APPROVAL_SPECIAL_NAIL = 1001,
    CONN_MSG_ROPE_WOOD_SCREW_HINT = 1002,
    CONN_MSG_ROPE_BOLT_HINT = 1003,
    CONN_MSG_ASSY_DOUGLAS_FIR_SPACINGS = 1005,
    CONN_MSG_ASSY_SOFTWOOD_ONLY = 1006,
    CONN_MSG_PREDRILLED_NAIL_NO_WITHDRAWAL_HINT = 1007,
    CONN_MSG_K90_SET_TO_1 = 1008,
    CONN_MSG_STAPLE_WITHDRAWAL_THIRD = 1009,
    CONN_MSG_STAPLE_AXIAL_70_PERCENT = 1010,
    CONN_MSG_CORE_HOLE_70_PERCENT = 1012,
    CONN_MSG_SPAX_ANGLE_BELOW_30 = 1013,
    CONN_MSG_SPAX_ANGLE_BELOW_15 = 1014,
    CONN_MSG_ASSY_ANGLE_BELOW_30 = 1015,
    CONN_MSG_SPAX_SOFTWOOD_ONLY = 1020 // of the second wording set only
};

// Codes of a description that no design can use: the entries return them
// before they compute anything (Conn_Check_Input names the field).
enum ConnInputCode {
    CONN_INPUT_NOT_FINITE = 2001,      // a value that is not a finite number
    CONN_INPUT_THICKNESS_1 = 2002,     // t1 <= 0
    CONN_INPUT_THICKNESS_2 = 2003,     // t2 <= 0
    CONN_INPUT_SHEAR_PLANES = 2004,    // other than 1 or 2
    CONN_INPUT_TYPE = 2005,            // no fastener type of the design
    CONN_INPUT_DIAMETER = 2006,        // d outside the family's range
    CONN_INPUT_LENGTH = 2007,          // length outside the family's range
    CONN_INPUT_BOLT_DIAMETER = 2008,   // d_bolt of a connector outside 6 to 30 mm
    CONN_INPUT_GAMMA_M = 2009,         // a partial factor below 1 where it is used
    CONN_INPUT_KMOD = 2010,            // k_mod not in (0, 1.1] or not determinable
    CONN_INPUT_FU = 2011,              // tensile strength not positive
    CONN_INPUT_PRODUCT = 2012,         // connector product not in the loaded catalogue
    CONN_INPUT_DENSITY_1 = 2013,       // member 1 has no density (kind or grade unknown)
    CONN_INPUT_DENSITY_2 = 2014,       // member 2 has no density
    CONN_INPUT_STEEL_GRADE = 2015,     // no steel grade of that code
    CONN_INPUT_METHOD = 2016,          // verification method other than 0, 1, 2
    CONN_INPUT_PRODUCT_DIAMETER = 2017 // d differs from the connector product's d_c
};

// List A: the penetration codes CONN_MSG_PENETRATION_BELOW_4D,
// CONN_MSG_NAIL_ENDS_IN_MEMBER_2, CONN_MSG_NAIL_TIP_IN_MEMBER_2,
// CONN_MSG_NAIL_TIP_IN_MEMBER_3 and CONN_MSG_PENETRATION_BELOW_8D; list B:
// CONN_MSG_NAIL_SHORT_OF_MEMBER_2 and CONN_MSG_NAIL_PASSES_MEMBER_3.
extern ConnMessageList ConnMessageListA;
extern ConnMessageList ConnMessageListB;

// Appends the code while the list has room; a code beyond the 500th is
// dropped without notice. A null list is ignored.
void Conn_Push_Message(ConnMessageList* list, int code);

// Empties both lists and, when given, clears the result record: what the
// entries do before a design, and what tests do between cases.
void Conn_Clear(ConnectionResult* result);

// The first wording set (codes 1 to 159 and 1000 to 1019). Null for code 0,
// " " for a code or mode without a wording. A text assembled from pieces lives
// in this operation's own 1024-byte buffer until its next call; the others
// are constant.
const char* Conn_Message_Text(int code);
// The second wording set: longer explanations of some codes, the DIN 1052
// wordings of the hints from 1000 on, and the only wordings of 1020 to 1022.
// Its own buffer, untouched by Conn_Message_Text (and the other way round).
const char* Conn_Message_Text_2(int code);
