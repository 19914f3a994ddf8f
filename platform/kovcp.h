#pragma once
// Code page 850 (output lists, plot files, annex files, the host's files) and the
// Windows code page 1252 (window titles given to the host) against UTF-8.
//
// Source files are UTF-8. An 8-bit literal with non-ASCII characters is written
// once in readable form and converted here:   File_Printf(f, "%s", cp850("Größe"));
// cp850()/cp1252() return a pointer that stays valid for the whole run.
#include <string>

enum KovCodePage { KOV_CP850 = 850, KOV_CP1252 = 1252 };

// The byte of a Unicode code point in the code page, -1 when it has none.
int Kov_Cp_Byte_Of(KovCodePage cp, unsigned code_point);
// The Unicode code point of a byte of the code page.
unsigned Kov_Cp_Code_Point(KovCodePage cp, unsigned char byte);

// Conversions of whole texts; a character the code page lacks becomes '?'.
std::string Kov_Utf8_To_Cp(KovCodePage cp, const std::string& utf8);
std::string Kov_Cp_To_Utf8(KovCodePage cp, const std::string& bytes);

// The shared literal helper: the text in code page 850 (resp. 1252), interned.
const char* cp850(const char* utf8);
const char* cp1252(const char* utf8);

// A text of code page 850 in the terminal's character set, as the locale of
// the environment names it (LC_ALL, else LC_CTYPE, else LANG): unchanged under
// code page 850, Windows 1252 for a Latin-1/-9 or 1252 locale, else UTF-8 (a
// UTF-8 locale, or none named: today's terminals read UTF-8).
std::string Kov_Cp850_To_Console(const std::string& cp850_text);
// The same for a UTF-8 text (a message of a Qt program).
std::string Kov_Utf8_To_Console(const std::string& utf8);
