#pragma once
// Services around a component program's output list: its head with the
// contents line, the position's number and title from the host's position
// file, error message boxes with fixed codes, an error list collected as an
// output-list table and shown in a table window, «»-delimited texts, and text
// utilities (comparison symbols, a static format buffer, stripping the
// mark-up with an optional conversion to the Windows code page).
//
// Texts are code page 850. Module state is static, for the program's one thread.
#include <cstdio>

#include "output/ioliwrt.h"

// Opens the list (base file name + the list suffix, "w"; the caller closes
// it) and writes its head: "#NEWPAGE" unless continuing, the flags 896, the
// layout 4115 and the contents line " POS. number: title". NULL when the file
// cannot be opened.
FILE* Oli_Open_List(const char* number, const char* title, int continue_list);

// Reads the position's number (at most 6 characters) and title (at most 50)
// from a position file: three lines (unused, number, title) or one line
// "number:title". 0 on success, 1 when the file cannot be read or has no line
// (both texts are emptied first). _Path reads the given file; the other
// reads the file named by the first four characters of name.
int Oli_Read_Position_File(const char* name);
int Oli_Read_Position_File_Path(const char* path);
const char* Oli_Position_Number(void);
const char* Oli_Position_Title(void);

// The host's message window with one line.
void Oli_Show_Message(const char* text);
// "Lesefehler !!!" 101, "Schreibfehler !!!" 102, "Datenfehler !!!" 103.
int Oli_Error_Read(void);
int Oli_Error_Write(void);
int Oli_Error_Data(void);
void Oli_Frame_Nothing(void);

// The error list: an output-list table of one column in the file base name +
// suffix ("w+"; the caller closes it).
FILE* Oli_Error_List_Open(const char* suffix);
// One line " text"; returns code (also for a NULL stream, which writes nothing).
int Oli_Error_List_Add(FILE* f, int code, const char* text);
// Closes the table with "#END_OF_TEXT" and shows it in the table window
// "Fehlermeldungen"; the stream stays open.
void Oli_Error_List_Show(FILE* f);
// Copies src (from its start) into dst and closes the table; 0, 1 for a NULL stream.
int Oli_Error_List_Append_File(FILE* dst, FILE* src);
// The bold line "Der Nachweis kann nicht geführt werden ==>" closing a table,
// then src's lines (when given) closing another; 0, 1 for a NULL dst.
int Oli_Error_List_Append_Failed(FILE* dst, FILE* src);
// Once per run: the table windows' colours (first two light grey, fifth the
// button colour). 1 when already done, else what writing the colours gave
// (0 when they could not be read).
int Oli_Table_Colours_Init(void);

// A text of 1 to 100 bytes between 0xAE and 0xAF after blanks into buf (at
// least 101 bytes). 0 success, 1 failure or NULL argument.
int Oli_Read_Guillemet_Text(FILE* f, char* buf);
// "\xAEtext\xAF\n"; 0 success, 1 on a write error or NULL argument.
int Oli_Write_Guillemet_Line(FILE* f, const char* text);

// A preview of the picture name filling the screen below its top 42 rows:
// the area in a light green, then the picture name + ".BMP" (looked up where
// the screen looks for pictures) when there is one, else the host's vector
// picture name + ".RPC" with the values a and b; the name in grey at the
// lower right.
void Oli_Picture_Preview(const char* name, int a, int b);

// Comparison symbols of a check a <= b ("<", 0xF3 when equal, ">") and a >= b
// (">", 0xF2 when equal, "<").
const char* Oli_Compare_Symbol_Le(float a, float b);
const char* Oli_Compare_Symbol_Ge(float a, float b);

// Formats into a static text of at most 99 characters; "" when the result
// does not fit. Valid until the next call.
const char* Oli_Sprintf_Static(const char* fmt, ...) OLI_PRINTF_LIKE(1, 2);

// In place: strip leaves out the mark-up (0xCE and its code byte, whole
// 0xCE{...} groups; a line feed ends a group and stays); convert turns code
// page 850 into the Windows code page 1252 (box drawing into + - and a broken
// bar). Returns text, NULL for NULL.
char* Oli_Strip_Markup(char* text, int strip, int convert);
// The byte of the conversion table.
unsigned char Oli_Cp850_To_Cp1252(unsigned char byte);

// Position texts and the one-time set-ups back to the start; for tests.
void Oli_Reset_List_Services(void);
