// Aluminium grade registry: the built-in wrought alloys and the user grades.
#include "materials/alguete.h"

#include <cstring>

#include "base/kovmem.h"
#include "platform/kovstrlist.h"

namespace {

const char kUndefined[] = "?????";

// E, G, nu and alpha_T are the same for every wrought alloy.
#define KOV_AL_CONST 70000.0, 27000.0, 0.3, 2.3e-5

// Rows after EN 1999-1-1: ids 0..50 sheet, strip and plate, 51..91 extruded
// and drawn products, 92..96 forgings (L longitudinal, T transverse). Columns:
// id, name, alloy, temper, t_min, t_max, E, G, nu, alpha_T, f_o, f_u, A,
// f_o,haz, f_u,haz, rho_o,haz, rho_u,haz, buckling class, reserved, n_p.
// In the names and tempers the byte 0xF3 is the sign "<=", 0x84 is "ä".
const AluGrade kGrades[ALU_GRADE_COUNT] = {
    {0, "3004 H14", "3004", "H14", 0, 6, KOV_AL_CONST, 180, 220, 1, 75, 155, 0.42, 0.70, "B", 0, 23},
    {1, "3004 H24/H34", "3004", "H24/H34", 0, 3, KOV_AL_CONST, 170, 220, 4, 75, 155, 0.44, 0.70, "B", 0, 18},
    {2, "3004 H16", "3004", "H16", 0, 4, KOV_AL_CONST, 200, 240, 1, 75, 155, 0.38, 0.65, "B", 0, 25},
    {3, "3004 H26/H36", "3004", "H26/H36", 0, 3, KOV_AL_CONST, 190, 240, 3, 75, 155, 0.39, 0.65, "B", 0, 20},
    {4, "3005 H14", "3005", "H14", 0, 6, KOV_AL_CONST, 150, 170, 1, 56, 115, 0.37, 0.68, "B", 0, 38},
    {5, "3005 H24", "3005", "H24", 0, 3, KOV_AL_CONST, 130, 170, 4, 56, 115, 0.43, 0.68, "B", 0, 18},
    {6, "3005 H16", "3005", "H16", 0, 4, KOV_AL_CONST, 175, 195, 1, 56, 115, 0.32, 0.59, "B", 0, 43},
    {7, "3005 H26", "3005", "H26", 0, 3, KOV_AL_CONST, 160, 195, 3, 56, 115, 0.35, 0.59, "B", 0, 24},
    {8, "3103 H14", "3103", "H14", 0, 25, KOV_AL_CONST, 120, 140, 2, 44, 90, 0.37, 0.64, "B", 0, 31},
    {9, "3103 H24", "3103", "H24", 0, 12.5, KOV_AL_CONST, 110, 140, 4, 44, 90, 0.40, 0.64, "B", 0, 20},
    {10, "3103 H16", "3103", "H16", 0, 4, KOV_AL_CONST, 145, 160, 1, 44, 90, 0.30, 0.56, "B", 0, 48},
    {11, "3103 H26", "3103", "H26", 0, 4, KOV_AL_CONST, 135, 160, 3, 44, 90, 0.33, 0.56, "B", 0, 28},
    {12, "5005 O/H111", "5005", "O/H111", 0, 50, KOV_AL_CONST, 35, 100, 15, 35, 100, 1, 1, "B", 0, 5},
    {13, "5005 H12", "5005/5005A", "H12", 0, 12.5, KOV_AL_CONST, 95, 125, 2, 44, 100, 0.46, 0.80, "B", 0, 18},
    {14, "5005 H22/H32", "5005/5005A", "H22/H32", 0, 12.5, KOV_AL_CONST, 80, 125, 4, 44, 100, 0.55, 0.80, "B", 0, 11},
    {15, "5005 H14", "5005/5005A", "H14", 0, 12.5, KOV_AL_CONST, 120, 145, 2, 44, 100, 0.37, 0.69, "B", 0, 25},
    {16, "5005 H24/H34", "5005/5005A", "H24/H34", 0, 12.5, KOV_AL_CONST, 110, 145, 3, 44, 100, 0.40, 0.69, "B", 0, 17},
    {17, "5052 H12", "5052", "H12", 0, 40, KOV_AL_CONST, 160, 210, 4, 80, 170, 0.50, 0.81, "B", 0, 17},
    {18, "5052 H22/H32", "5052", "H22/H32", 0, 40, KOV_AL_CONST, 130, 210, 5, 80, 170, 0.62, 0.81, "B", 0, 9},
    {19, "5052 H14", "5052", "H14", 0, 25, KOV_AL_CONST, 180, 230, 3, 80, 170, 0.44, 0.74, "B", 0, 19},
    {20, "5052 H24/H34", "5052", "H24/H34", 0, 25, KOV_AL_CONST, 150, 230, 4, 80, 170, 0.53, 0.74, "B", 0, 11},
    {21, "5049 O/H111", "5049", "O/H111", 0, 100, KOV_AL_CONST, 80, 190, 12, 80, 190, 1, 1, "B", 0, 6},
    {22, "5049 H14", "5049", "H14", 0, 25, KOV_AL_CONST, 190, 240, 3, 100, 190, 0.53, 0.79, "B", 0, 20},
    {23, "5049 H24/H34", "5049", "H24/H34", 0, 25, KOV_AL_CONST, 160, 240, 6, 100, 190, 0.63, 0.79, "B", 0, 12},
    {24, "5454 O/H111", "5454", "O/H111", 0, 80, KOV_AL_CONST, 85, 215, 12, 85, 215, 1, 1, "B", 0, 5},
    {25, "5454 H14", "5454", "H14", 0, 25, KOV_AL_CONST, 220, 270, 2, 105, 215, 0.48, 0.80, "B", 0, 22},
    {26, "5454 H24/H34", "5454", "H24/H34", 0, 25, KOV_AL_CONST, 200, 270, 4, 105, 215, 0.53, 0.80, "B", 0, 15},
    {27, "5754 O/H111", "5754", "O/H111", 0, 100, KOV_AL_CONST, 80, 190, 12, 80, 190, 1, 1, "B", 0, 6},
    {28, "5754 H14", "5754", "H14", 0, 25, KOV_AL_CONST, 190, 240, 3, 100, 190, 0.53, 0.79, "B", 0, 20},
    {29, "5754 H24/H34", "5754", "H24/H34", 0, 25, KOV_AL_CONST, 160, 240, 6, 100, 190, 0.63, 0.79, "B", 0, 12},
    {30,
     "5083 O/H111 \xF3"
     " 50",
     "5083",
     "O/H111, t \xF3"
     " 50 mm",
     0, 50, KOV_AL_CONST, 125, 275, 11, 125, 275, 1, 1, "B", 0, 6},
    {31, "5083 O/H111 > 50", "5083", "O/H111, t > 50 mm", 50.001, 80, KOV_AL_CONST, 115, 270, 14, 115, 270, 1, 1, "B",
     0, 6},
    {32, "5083 H12", "5083", "H12", 0, 40, KOV_AL_CONST, 250, 315, 3, 155, 275, 0.62, 0.87, "A", 0, 18},
    {33, "5083 H22/H32", "5083", "H22/H32", 0, 40, KOV_AL_CONST, 215, 305, 5, 155, 275, 0.72, 0.90, "A", 0, 11},
    {34, "5083 H14", "5083", "H14", 0, 25, KOV_AL_CONST, 280, 340, 2, 155, 275, 0.55, 0.81, "A", 0, 22},
    {35, "5083 H24/H34", "5083", "H24/H34", 0, 25, KOV_AL_CONST, 250, 340, 4, 155, 275, 0.62, 0.81, "A", 0, 14},
    {36, "6061 T4/T451", "6061", "T4/T451", 0, 12.5, KOV_AL_CONST, 110, 205, 12, 95, 150, 0.86, 0.73, "B", 0, 8},
    {37, "6061 T6/T651", "6061", "T6/T651", 0, 12.5, KOV_AL_CONST, 240, 290, 6, 115, 175, 0.48, 0.60, "A", 0, 23},
    {38, "6061 T651", "6061", "T651", 12.5, 80, KOV_AL_CONST, 240, 290, 6, 115, 175, 0.48, 0.60, "A", 0, 23},
    {39, "6082 T4/T451", "6082", "T4/T451", 0, 12.5, KOV_AL_CONST, 110, 205, 12, 100, 160, 0.91, 0.78, "B", 0, 8},
    {40, "6082 T61/T6151", "6082", "T61/T6151", 0, 12.5, KOV_AL_CONST, 205, 280, 10, 125, 185, 0.61, 0.66, "A", 0, 15},
    {41, "6082 T6151", "6082", "T6151", 12.5, 100, KOV_AL_CONST, 200, 275, 12, 125, 185, 0.63, 0.67, "A", 0, 14},
    {42, "6082 T6/T651", "6082", "T6/T651", 0, 6, KOV_AL_CONST, 260, 310, 6, 125, 185, 0.48, 0.60, "A", 0, 25},
    {43, "6082 T6/T651", "6082", "T6/T651", 6.001, 12.5, KOV_AL_CONST, 255, 300, 9, 125, 185, 0.49, 0.62, "A", 0, 27},
    {44, "6082 T651", "6082", "T651", 12.5, 100, KOV_AL_CONST, 240, 295, 7, 125, 185, 0.52, 0.63, "A", 0, 21},
    {45, "7020 T6", "7020", "T6", 0, 12.5, KOV_AL_CONST, 280, 350, 7, 205, 280, 0.73, 0.80, "A", 0, 19},
    {46, "7020 T651", "7020", "T651", 0, 40, KOV_AL_CONST, 280, 350, 9, 205, 280, 0.73, 0.80, "A", 0, 19},
    {47, "8011A H14", "8011A", "H14", 0, 12.5, KOV_AL_CONST, 110, 125, 2, 37, 85, 0.34, 0.68, "B", 0, 37},
    {48, "8011A H24", "8011A", "H24", 0, 12.5, KOV_AL_CONST, 100, 125, 3, 37, 85, 0.37, 0.68, "B", 0, 25},
    {49, "8011A H16", "8011A", "H16", 0, 4, KOV_AL_CONST, 130, 145, 1, 37, 85, 0.28, 0.59, "B", 0, 33},
    {50, "8011A H26", "8011A", "H26", 0, 4, KOV_AL_CONST, 120, 145, 2, 37, 85, 0.31, 0.59, "B", 0, 33},
    {51, "5083 O/H111/F/H112", "5083", "O/H111/F/H112", 0, 200, KOV_AL_CONST, 110, 270, 12, 110, 270, 1, 1, "B", 0, 5},
    {52, "5083 H12/22/32", "5083", "H12/22/32", 0, 10, KOV_AL_CONST, 200, 280, 6, 135, 270, 0.68, 0.96, "B", 0, 14},
    {53, "5083 H14/24/34", "5083", "H14/24/34", 0, 5, KOV_AL_CONST, 235, 300, 4, 135, 270, 0.57, 0.90, "A", 0, 20},
    {54, "5454 O/H111/F/H112", "5454", "O/H111/F/H112", 0, 25, KOV_AL_CONST, 85, 200, 16, 85, 200, 1, 1, "B", 0, 5},
    {55, "5754 O/H111/F/H112", "5754", "O/H111/F/H112", 0, 25, KOV_AL_CONST, 80, 180, 14, 80, 180, 1, 1, "B", 0, 6},
    {56, "5754 H14/24/H34", "5754", "H14/24/H34", 0, 10, KOV_AL_CONST, 180, 240, 4, 100, 180, 0.56, 0.75, "A", 0, 16},
    {57,
     "6060 T5 \xF3"
     " 5",
     "6060",
     "T5, t \xF3"
     " 5 mm",
     0, 5, KOV_AL_CONST, 120, 160, 8, 50, 80, 0.42, 0.50, "B", 0, 17},
    {58, "6060 T5 > 5", "6060", "T5, t > 5 mm", 5.001, 25, KOV_AL_CONST, 100, 140, 8, 50, 80, 0.50, 0.57, "B", 0, 14},
    {59,
     "6060 T6 \xF3"
     " 15",
     "6060",
     "T6, t \xF3"
     " 15 mm",
     0, 15, KOV_AL_CONST, 140, 170, 8, 60, 100, 0.43, 0.59, "A", 0, 24},
    {60,
     "6060 T6 \xF3"
     " 20",
     "6060",
     "T6, t \xF3"
     " 20 mm",
     0, 20, KOV_AL_CONST, 160, 215, 12, 60, 100, 0.38, 0.47, "A", 0, 16},
    {61, "6060 T64", "6060", "T64", 0, 15, KOV_AL_CONST, 120, 180, 12, 60, 100, 0.50, 0.56, "A", 0, 12},
    {62,
     "6060 T66 \xF3"
     " 3",
     "6060",
     "T66, t \xF3"
     " 3 mm",
     0, 3, KOV_AL_CONST, 160, 215, 8, 65, 110, 0.41, 0.51, "A", 0, 16},
    {63, "6060 T66 > 3", "6060", "T66, t > 3 mm", 3, 25, KOV_AL_CONST, 150, 195, 8, 65, 110, 0.43, 0.56, "A", 0, 18},
    {64, "6061 T4 < 25", "6061", "T4, t < 25 mm", 0, 25, KOV_AL_CONST, 110, 180, 15, 95, 150, 0.86, 0.83, "B", 0, 8},
    {65,
     "6061 T4 \xF3"
     " 20",
     "6061",
     "T4, t \xF3"
     " 20 mm",
     0, 20, KOV_AL_CONST, 110, 205, 16, 95, 150, 0.86, 0.73, "B", 0, 8},
    {66, "6061 T6 < 25", "6061", "T6, t < 25 mm", 0, 25, KOV_AL_CONST, 240, 260, 8, 115, 175, 0.48, 0.67, "A", 0, 55},
    {67,
     "6061 T6 \xF3"
     " 20",
     "6061",
     "T6, t \xF3"
     " 20 mm",
     0, 20, KOV_AL_CONST, 240, 290, 10, 115, 175, 0.48, 0.60, "A", 0, 23},
    {68,
     "6063 T5 \xF3"
     " 3",
     "6063",
     "T5, t \xF3"
     " 3 mm",
     0, 3, KOV_AL_CONST, 130, 175, 8, 65, 100, 0.50, 0.57, "B", 0, 16},
    {69, "6063 T5 > 3", "6063", "T5, t > 3 mm", 3, 25, KOV_AL_CONST, 110, 160, 7, 65, 100, 0.59, 0.63, "B", 0, 13},
    {70,
     "6063 T6 \xF3"
     " 25",
     "6063",
     "T6, t \xF3"
     " 25 mm",
     0, 25, KOV_AL_CONST, 160, 195, 8, 65, 100, 0.41, 0.51, "A", 0, 24},
    {71,
     "6063 T6 \xF3"
     " 20",
     "6063",
     "T6, t \xF3"
     " 20 mm",
     0, 20, KOV_AL_CONST, 190, 220, 10, 65, 100, 0.34, 0.45, "A", 0, 31},
    {72,
     "6063 T66 \xF3"
     " 10",
     "6063",
     "T66, t \xF3"
     " 10 mm",
     0, 10, KOV_AL_CONST, 200, 245, 8, 75, 115, 0.38, 0.47, "A", 0, 22},
    {73, "6063 T66 > 10", "6063", "T66, t > 10 mm", 10, 25, KOV_AL_CONST, 180, 225, 8, 75, 115, 0.42, 0.51, "A", 0, 21},
    {74,
     "6063 T66 \xF3"
     " 20",
     "6063",
     "T66, t \xF3"
     " 20 mm",
     0, 20, KOV_AL_CONST, 195, 230, 10, 75, 115, 0.38, 0.50, "A", 0, 33},
    {75,
     "6005A T6 \xF3"
     " 5",
     "6005A",
     "T6, t \xF3"
     " 5 mm",
     0, 5, KOV_AL_CONST, 225, 270, 8, 115, 165, 0.51, 0.61, "A", 0, 25},
    {76,
     "6005A T6 \xF3"
     " 10",
     "6005A",
     "T6, t \xF3"
     " 10 mm",
     5, 10, KOV_AL_CONST, 215, 260, 8, 115, 165, 0.53, 0.63, "A", 0, 24},
    {77, "6005A T6 > 10", "6005A", "T6, t > 10 mm", 10.001, 25, KOV_AL_CONST, 200, 250, 8, 115, 165, 0.58, 0.66, "A", 0,
     20},
    {78,
     "6005A T6 \xF3"
     " 5",
     "6005A",
     "T6, t \xF3"
     " 5 mm",
     0, 5, KOV_AL_CONST, 215, 255, 8, 115, 165, 0.53, 0.65, "A", 0, 26},
    {79, "6005A T6 > 5", "6005A", "T6, t > 5 mm", 5.001, 10, KOV_AL_CONST, 200, 250, 8, 115, 165, 0.58, 0.66, "A", 0,
     20},
    {80, "6106 T6", "6106", "T6", 0, 10, KOV_AL_CONST, 200, 250, 8, 95, 160, 0.48, 0.64, "A", 0, 20},
    {81, "6082 T4", "6082", "T4", 0, 25, KOV_AL_CONST, 110, 205, 14, 100, 160, 0.91, 0.78, "B", 0, 8},
    {82, "6082 T5", "6082", "T5", 0, 5, KOV_AL_CONST, 230, 270, 8, 125, 185, 0.54, 0.69, "A", 0, 28},
    {83,
     "6082 T6 \xF3"
     " 5 (EP,ET)",
     "6082",
     "T6, t \xF3"
     " 5 mm (EP,ET)",
     0, 5, KOV_AL_CONST, 250, 290, 8, 125, 185, 0.50, 0.64, "A", 0, 32},
    {84, "6082 T6 > 5", "6082", "T6, t > 5 mm", 5.001, 15, KOV_AL_CONST, 260, 310, 8, 125, 185, 0.48, 0.60, "A", 0, 25},
    {85,
     "6082 T6 \xF3"
     " 20",
     "6082",
     "T6, t \xF3"
     " 20 mm",
     0, 20, KOV_AL_CONST, 250, 295, 8, 125, 185, 0.50, 0.63, "A", 0, 27},
    {86, "6082 T6 > 20", "6082", "T6, t > 20 mm", 20.001, 150, KOV_AL_CONST, 260, 310, 8, 125, 185, 0.48, 0.60, "A", 0,
     25},
    {87,
     "6082 T6 \xF3"
     " 5 (DT)",
     "6082",
     "T6, t \xF3"
     " 5 mm (DT)",
     0, 5, KOV_AL_CONST, 255, 310, 8, 125, 185, 0.49, 0.60, "A", 0, 22},
    {88, "6082 T6 > 5 (DT)", "6082", "T6, t > 5 mm (DT)", 5.001, 20, KOV_AL_CONST, 240, 310, 10, 125, 185, 0.52, 0.60,
     "A", 0, 17},
    {89,
     "7020 T6 \xF3"
     " 15",
     "7020",
     "T6, t \xF3"
     " 15 mm",
     0, 15, KOV_AL_CONST, 290, 350, 10, 205, 280, 0.71, 0.80, "A", 0, 23},
    {90,
     "7020 T6 \xF3"
     " 40",
     "7020",
     "T6, t \xF3"
     " 40 mm",
     15.001, 40, KOV_AL_CONST, 275, 350, 10, 205, 280, 0.75, 0.80, "A", 0, 19},
    {91,
     "7020 T6 \xF3"
     " 20",
     "7020",
     "T6, t \xF3"
     " 20 mm",
     0, 20, KOV_AL_CONST, 280, 350, 10, 205, 280, 0.73, 0.80, "A", 0, 19},
    {92, "5754 H112 (L)", "5754",
     "H112, l\x84"
     "ngs",
     0, 150, KOV_AL_CONST, 80, 180, 15, 80, 180, 0, 0, "B", 0, 0},
    {93, "5083 H112 (L)", "5083",
     "H112, l\x84"
     "ngs",
     0, 150, KOV_AL_CONST, 120, 270, 12, 120, 270, 0, 0, "B", 0, 0},
    {94, "5083 H112 (T)", "5083", "H112, transversal", 0, 150, KOV_AL_CONST, 110, 260, 10, 110, 260, 0, 0, "B", 0, 0},
    {95, "6082 T6 (L)", "6082",
     "T6, l\x84"
     "ngs",
     0, 100, KOV_AL_CONST, 260, 310, 6, 125, 185, 0, 0, "A", 0, 0},
    {96, "6082 T6 (T)", "6082", "T6, transversal", 0, 100, KOV_AL_CONST, 250, 290, 5, 125, 185, 0, 0, "A", 0, 0},
};

const AluGrade kFallback = {ALU_GRADE_COUNT,
                            kUndefined,
                            kUndefined,
                            kUndefined,
                            0,
                            10,
                            KOV_AL_CONST,
                            180,
                            220,
                            1,
                            75,
                            155,
                            0.42,
                            0.70,
                            "B",
                            0,
                            23};

#undef KOV_AL_CONST

// User grades, held by value; each owns its texts (or points to kUndefined).
AluGrade* g_user = nullptr;
int g_count = 0;
int g_capacity = 0;
int g_last = -1;

const char* Copy_Text(const char* s)
{
    if (!s) return kUndefined;
    char* c = Mem_Strdup_Tagged(__FILE__, __LINE__, "alguete", s);
    return c ? c : kUndefined;
}

void Release_Text(const char* s)
{
    if (s && s != kUndefined) Mem_Free_Tagged(__FILE__, __LINE__, "alguete", const_cast<char*>(s));
}

void Release_Texts(AluGrade* g)
{
    Release_Text(g->name);
    Release_Text(g->alloy);
    Release_Text(g->temper);
    Release_Text(g->buckling_class);
}

int Find_User(unsigned id)
{
    const int want = (int)((id & 0x7FFFu) | ALU_USER_BIT);
    if (g_last >= 0 && g_last < g_count && g_user[g_last].id == want) return g_last;
    for (int i = 0; i < g_count; ++i) {
        if (g_user[i].id == want) {
            g_last = i;
            return i;
        }
    }
    return -1;
}

// The grade of an id, NULL when it is undefined.
const AluGrade* Lookup(unsigned id)
{
    if ((id & ALU_USER_BIT) == 0) {
        const unsigned row = id & 0xFFFFu;
        return row < ALU_GRADE_COUNT ? &kGrades[row] : nullptr;
    }
    const int i = Find_User(id);
    return i >= 0 ? &g_user[i] : nullptr;
}

} // namespace

int Alu_Guete_Add(const AluGrade* g)
{
    if (!g) return 0;
    // Copy first: g may point into the array, which may move when it grows.
    AluGrade stored = *g;
    const int id = (stored.id & 0x7FFF) | ALU_USER_BIT;
    const int slot = Find_User((unsigned)id);
    if (slot < 0 && g_count >= g_capacity) {
        const int cap = g_count + 10;
        void* p = Mem_Realloc_Tagged(__FILE__, __LINE__, "alguete", g_user, (int)(cap * sizeof(AluGrade)));
        if (!p) return 0;
        g_user = static_cast<AluGrade*>(p);
        g_capacity = cap;
    }
    stored.id = id;
    stored.name = Copy_Text(stored.name);
    stored.alloy = Copy_Text(stored.alloy);
    stored.temper = Copy_Text(stored.temper);
    stored.buckling_class = Copy_Text(stored.buckling_class);
    if (slot >= 0) {
        AluGrade old = g_user[slot];
        g_user[slot] = stored;
        Release_Texts(&old);
    } else {
        g_user[g_count] = stored;
        g_last = g_count++;
    }
    return id;
}

int Alu_Guete_Remove(unsigned id)
{
    if ((id & ALU_USER_BIT) == 0) return 0;
    const int i = Find_User(id);
    if (i < 0) return 0;
    Release_Texts(&g_user[i]);
    std::memmove(&g_user[i], &g_user[i + 1], (size_t)(g_count - i - 1) * sizeof(AluGrade));
    --g_count;
    g_last = -1;
    return 1;
}

void Alu_Guete_Clear(void)
{
    for (int i = 0; i < g_count; ++i) Release_Texts(&g_user[i]);
    g_count = 0;
    g_last = -1;
}

int Alu_Guete_User_Count(void) { return g_count; }

const AluGrade* Alu_Guete_User_Record(int index)
{
    if (index < 0 || index >= g_count) return &kFallback;
    return &g_user[index];
}

const AluGrade* Alu_Guete_Fallback(void) { return &kFallback; }

const AluGrade* Alu_Guete_Record(unsigned id)
{
    const AluGrade* g = Lookup(id);
    return g ? g : &kFallback;
}

double Alu_Guete_T_Min(unsigned id) { return Alu_Guete_Record(id)->t_min; }

double Alu_Guete_T_Max(unsigned id) { return Alu_Guete_Record(id)->t_max; }

double Alu_Guete_Fo(unsigned id) { return Alu_Guete_Record(id)->f_o; }

double Alu_Guete_Fu(unsigned id) { return Alu_Guete_Record(id)->f_u; }

const char* Alu_Guete_Name(unsigned id) { return Alu_Guete_Record(id)->name; }

const char* Alu_Guete_Alloy(unsigned id) { return Alu_Guete_Record(id)->alloy; }

const char* Alu_Guete_Temper(unsigned id) { return Alu_Guete_Record(id)->temper; }

int Alu_Guete_Fill_List(unsigned list, const int* ids, int n, int selected)
{
    if (!ids || n <= 0) return 0;
    int position = 0;
    for (int i = 0; i < n; ++i) {
        Fill_Stringlist_of_PS(list, BLACK_CI, Alu_Guete_Alloy((unsigned)ids[i]));
        if (ids[i] == selected) position = i;
    }
    return position;
}

int Alu_Guete_Id_At(int position, const int* ids, int n)
{
    if (!ids || position < 0 || position >= n) return 0;
    return ids[position];
}
