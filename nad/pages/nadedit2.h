#pragma once
// The editor pages of an annex's concrete (EN 1992), masonry (EN 1996) and
// aluminium (EN 1999) parameters. Each page lays its record out as rows of
// clause, symbol with value fields, and explanation in an open view area of a
// property sheet, and shows the area. The fields edit the record in place;
// the host rebuilds the page after a change that the view area reports
// (a section opened or closed, a selector switched).
//
// Which rows appear follows the program the rules are shown for (the same
// rules as the output pages). The pages keep their section open states, their
// colours and the editable switch for the whole run.
#include "nad/nadec2.h"
#include "nad/nadec69.h"

// One row of the EC2 page: with a height, the clause and explanation cells are
// filled in the cell colour from y - 5 to y + height; the non-empty texts go to
// x 10 (clause), 67 (symbol) and 206 (explanation) on the base line y, black,
// in the font. Returns y + height.
int Ec2_Editor_Row(unsigned area, int y, int height, const char* clause, const char* symbol, const char* explanation,
                   int font);

// Rebuilds the EC2 page of the record in the area: the EN 1992-1-1 section and,
// as the program uses them, the EN 1992-1-2 and EN 1992-2 sections, each
// behind a check box that opens and closes it. editable 0 shows every value
// and selector display-only and names the tables the values come from. With
// na_de set, the two fire factors of high-strength concrete are set to 1.0
// (the German annex fixes them). Nothing for a null record.
void Nad_Edit_Ec2(unsigned area, NadEc2Record* record, int editable);

// The rows of the EC6 and EC9 pages, drawn like Ec2_Editor_Row in each page's
// own band colour.
int Nad_Edit_Row_Ec6(unsigned area, int y, int height, const char* clause, const char* symbol, const char* text,
                     int font);
int Nad_Edit_Row_Ec9(unsigned area, int y, int height, const char* clause, const char* symbol, const char* text,
                     int font);

// The EC6 page: a title check box that opens and closes the page, the partial
// factors of 2.4.3 and 2.4.4. Nothing for a null record.
void Nad_Edit_Ec6(unsigned area, NadEc6Record* r, int editable);
// The EC9 page: the partial factors of 6.1.3 and 8.1.1 and the constant of
// 6.2.1(5). Nothing for a null record.
void Nad_Edit_Ec9(unsigned area, NadEc9Record* r, int editable);
