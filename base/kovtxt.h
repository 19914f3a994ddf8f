#pragma once
// Text files of the host environment: guillemet strings (byte 0xAE, the bytes,
// byte 0xAF; « and » of code page 850), text blocks ("TXB<length>" and chunks of
// at most 100 bytes in guillemets, line feeds as byte 0x01), keyword searches
// that find a section of a file, and small line and string functions.
//
// Readers of guillemet strings always read through the closing 0xAF: what does
// not fit the caller's buffer is dropped, so the next item of the file is read
// correctly. Writers never write a 0xAF inside a string: they cut the string
// there, and at the length the readers keep.
//
// The static result buffers (512 bytes) stay valid until the next call of the
// same function.
#include <cstdio>

enum {
    TXT_GUILLEMET_OPEN = 0xAE,
    TXT_GUILLEMET_CLOSE = 0xAF,
    TXT_GUILLEMETS_SIZE = 100,    // buffer of Txt_Read_Guillemets
    TXT_GUILLEMETS255_SIZE = 256, // buffer of Txt_Read_Guillemets255
    TXB_CHUNK = 100,              // bytes per chunk line of a text block
    TXB_MAX_CHUNKS = 100000
};

// ---- guillemet strings ----------------------------------------------------------

// Reads past spaces, tabs and line feeds; returns the first other byte (consumed;
// EOF at the end of the file).
int Txt_Skip_Blanks(FILE* f);

// buf of at least 100 bytes. Not a guillemet string next: buf = "" and 0 (the byte
// read is consumed). Else stores at most 99 bytes of the string (the rest up to
// the closing byte is dropped) and returns the number stored.
int Txt_Read_Guillemets(FILE* f, char* buf);
// buf of at least 256 bytes; stores at most 255 bytes; -1 when no guillemet
// string follows (the byte read is consumed).
int Txt_Read_Guillemets255(FILE* f, char* buf);
// Caller's delimiters; skips any white space; keeps at most size - 1 bytes (the
// surplus up to the closing delimiter is read and dropped). -1 for a NULL buf or
// f or size <= 0; 0 with buf = "" when the next character is not open.
int Txt_Read_Delimited(FILE* f, char* buf, int size, char open, char close);

// 0xAE, s (NULL as empty; cut before a 0xAF and after the 99 bytes that
// Txt_Read_Guillemets keeps), 0xAF; no line feed. 0 ok, 1 for a NULL f or a write
// error.
int Txt_Write_Guillemets(FILE* f, const char* s);
// "%c%s%c" with the delimiters (s cut before its first close); 0 ok, 1 on failure.
int Txt_Write_Delimited(FILE* f, const char* s, char open, char close);

// ---- keyword searches ---------------------------------------------------------

// Rewinds f and reads line after line until one begins with keyword; 0 when the
// file ends first. When found and value is not NULL, a number ("%d") behind the
// keyword on that line goes to *value. Returns 1 with the position behind that
// line. Lines are compared in their first 510 bytes, from their start only.
int Txt_Find_Keyword_Int(const char* keyword, FILE* f, int* value);
// From the current position (rewound first when rewind != 0): 1 at the first line
// whose first min(strlen(keyword), 100) bytes equal the keyword, with the position
// at the start of the next line; 0 at the end of the file, for a NULL file or
// keyword or an empty keyword.
int Txt_Find_Keyword_Line(FILE* f, const char* keyword, int rewind);

// ---- text blocks ------------------------------------------------------------------

// "TXB<length>\n" and the chunk lines; a text with a 0xAF is cut before it.
// 0 ok, 1 for a NULL f or a write error.
int Txb_Write(FILE* f, const char* text);
// The text of the block that follows (malloc; release with Txb_Free); NULL when
// no block follows, its length is <= 0 or memory runs out. Shorter than declared
// when chunks are missing.
char* Txb_Read(FILE* f);
// n + 1 cleared bytes (malloc) with at most n bytes of src; a NULL src gives a
// text of a single line feed. NULL when memory runs out.
char* Txb_Copy(const char* src, int n);
// strlen(s) + 1; 0 for NULL.
int Txb_Size(const char* s);
// Frees s (when not NULL); returns NULL for the caller to store back.
char* Txb_Free(char* s);

// ---- lines and strings ------------------------------------------------------------

// Reads up to and including the next line feed; returns the last byte read (EOF at
// the end of the file or for a NULL f).
int Txt_Skip_Line(FILE* f);
// Stores at most size - 1 bytes of the line (the rest and the line feed are
// skipped; the line feed is not stored). Returns the number stored + 1; -1 for a
// NULL buf or size < 1; a NULL f gives buf = "" and 1.
int Txt_Read_Line(FILE* f, char* buf, int size);
// fgets of at most size - 1 bytes without the line feed; the rest of a longer line
// is consumed. NULL for a NULL buf or f, size <= 0 or at the end of the file.
char* Txt_Get_Line(char* buf, int size, FILE* f);

// flags 2: trailing white space off; flags 1: leading white space off. Returns the
// new length (0 for NULL or empty s).
int Txt_Trim(char* s, int flags);
// dst = the first min(strlen(src), size - 1) bytes of src, trimmed as Txt_Trim
// (flags 1, 2), then with flag 4 padded with blanks to size - 1 bytes. Returns the
// final length; 0 for a NULL dst or size <= 0.
int Txt_Copy_Trim_Pad(const char* src, char* dst, int size, int flags);
// At most 511 bytes of s without leading and trailing spaces; static buffer.
const char* Txt_Trim_Blanks_Static(const char* s);
// Length of s without its trailing spaces.
int Txt_Trimmed_Length(const char* s);
// Exactly min(width, 511) bytes: s cut or padded with blanks; static buffer.
const char* Txt_Pad_To_Width(const char* s, int width);
// Spaces to '?' resp. '?' to spaces in place; return the length.
int Txt_Blanks_To_Question(char* s);
int Txt_Question_To_Blanks(char* s);
// At most 511 bytes of s with every apostrophe as byte 0xB4; static buffer.
const char* Txt_Apostrophe_To_Acute(const char* s);
