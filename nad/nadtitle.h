#pragma once
// Titles of the standards that head the annex output pages, and the two
// switches that choose the editions of the German concrete standards.

// 1: DIN 1045-1 of 7.01 with corrigendum 2 (6.05) and the DIN technical
// reports of 3.03; 0: DIN 1045-1 of 8.08 and the reports of 3.09.
extern int NadNormEdition;
// Non-zero: the literature lines of norm 10 name the pre-standard DIN V ENV 1992-1-2.
extern int NadFirePrestandard;

// Norm numbers (0..32) shared by the titles, the literature lines and the EC2
// defaults by norm.
enum {
    NAD_NORM_DIN1045 = 0,
    NAD_NORM_DIN1045_1 = 1,
    NAD_NORM_FB102 = 2,
    NAD_NORM_ONORM_B4700 = 3,
    NAD_NORM_EC2 = 4,
    NAD_NORM_FB101 = 5,
    NAD_NORM_FB103 = 6,
    NAD_NORM_FB104 = 7,
    NAD_NORM_DIN1055_100 = 8,
    NAD_NORM_DIN1053_100 = 9,
    NAD_NORM_EC2_FIRE = 10,
    NAD_NORM_EC0 = 11,
    NAD_NORM_EC3_1_1 = 12,
    NAD_NORM_EC3_1_8 = 13,
    NAD_NORM_DIN18800 = 16,
    NAD_NORM_EC2_BRIDGES = 21,
    NAD_NORM_EC6 = 22,
    NAD_NORM_EC1 = 23,
    NAD_NORM_EC3_1_5 = 24,
    NAD_NORM_DIN18800_B = 25,
    NAD_NORM_EC3_1_9 = 26,
    NAD_NORM_EC3_6 = 27,
    NAD_NORM_EC9 = 29,
    NAD_NORM_EC3_1_2 = 31,
    NAD_NORM_EC1_FIRE = 32,
    NAD_NORM_COUNT = 33
};

void Nad_Set_Norm_Edition(int edition);
int Nad_Get_Norm_Edition();
void Nad_Set_Fire_Prestandard(int on);
int Nad_Get_Fire_Prestandard();

// The title of a norm in code page 850, with the edition date when with_date
// is set, in its short designation when short_form is set; the empty text for
// numbers that name no norm. The text lives in a static buffer that the next
// call overwrites.
const char* Nad_Norm_Title(unsigned norm, int with_date, int short_form);

enum { NAD_LITERATURE_LINES = 10, NAD_LITERATURE_LINE_SIZE = 110 };

// The literature lines of a norm (code page 850, at most 109 characters each,
// continuation lines begin with two blanks) into lines[0..n-1]; returns n.
// The national annexes are cited only while "Deutschland" is the active annex.
// A number that names no norm gives one empty line. The texts live in a
// static buffer that the next call overwrites; lines may be null.
int Nad_Literature_Lines(int norm, const char** lines);
