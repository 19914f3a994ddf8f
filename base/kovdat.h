#pragma once
// Versioned text data files: the file starts with a data version, every structure
// with a structure version, and every field is read only when the version on top
// of the stack is at least the version that introduced it (else the caller's
// default is taken). A program refuses a file newer than itself.
//
//   " %lf  # Datenversionsnummer\n"      data version
//   " %lf # Strukturversionsnummer\n"    structure version
//   fields " <value> ", line feeds where the writer wants them
//   "# ..." comment lines; before every number or field the reader passes over
//   every byte up to 32 and every "#" to the end of its line.
//
// Field types: 'c' char, 'd' double, 'i' int, 's' word, 't' text (blanks as byte
// 0x8C, an empty text as one blank, at most 255 characters). A 's' or 't' field is
// read into a buffer of DAT_TEXT_SIZE bytes: longer words are cut there (the rest
// of the word is read and dropped), so a smaller destination must read into a
// scratch buffer of that size first.
//
// Beside the format: backups of the caller's data (".bak", ".clcbak", ".cmp"
// files written by a caller's writer function) and a byte comparison.
//
// All state is static and meant for the program's one thread.
#include <cstdio>

enum {
    DAT_VERSION_STACK = 20, // entry 0 the data version, at most 19 structures
    DAT_TEXT_SIZE = 256,    // buffer of a 's' or 't' field (255 characters + end)
    DAT_PATH_SIZE = 261     // backup paths (260 characters + end)
};

// The reader and writer state. Callers may read versions[depth] (to pass it as a
// field's since value) and, for a record written without a structure version,
// push the version 0 themselves (depth + 1, versions[depth] = 0) while depth is
// below DAT_VERSION_STACK - 1.
struct DataFileState {
    FILE* input;
    FILE* output;
    int depth;
    double versions[DAT_VERSION_STACK];
};

extern DataFileState Dat_File_State;

// The message of a file newer than the program.
#define DAT_MSG_NEWER "Alte Programmversion -> kann Daten nicht lesen!"

// ---- reading ----------------------------------------------------------------------

// Starts reading f: depth 0 and the data version into versions[0]. Returns 0; 1
// when no number can be read; -1 when it is exactly -1; 2 when it is newer than
// program_version (with the message in the host's message window).
int Dat_Begin_Read(FILE* f, double program_version);
// Reads a structure version onto the stack. 0; 1 when none can be read (the depth
// stays raised) or the stack is full (refused, nothing read, depth unchanged);
// 2 with the message when it is newer than program_version.
int Dat_Push_Version(double program_version);
// Drops the top (never below the data version).
void Dat_Pop_Version();
double Dat_Get_Version();
void Dat_Set_Version(double v);

// Reads one field into dst when since <= the version on top, else stores the
// type's default ('d' dflt, 'i' dflt rounded half away from zero, 'c' a zero byte,
// 's'/'t' the empty text) and reads nothing. 0; 1 on a read failure or an unknown
// type. 's' and 't' need DAT_TEXT_SIZE bytes at dst.
int Dat_Read_Field(void* dst, char type, double since, double dflt);
// Reads a field under the same rule and drops it.
int Dat_Skip_Field(char type, double since);
// Dat_Skip_Field with the version on top (always reads).
int Dat_Skip_Field_Current(char type);
// When the version on top rounded minus since (two decimals) is >= 0: a word read
// and decoded as a 't' text, else dflt (empty for NULL); dst of DAT_TEXT_SIZE
// bytes. 0; 1 on a read failure.
int Dat_Read_String(char* dst, double since, const char* dflt);
// Releases *p, then reads a counted string into a new block (Mem_Realloc; NULL for
// a count <= 0) when the version allows (as Dat_Read_String), else a copy of dflt
// (NULL for NULL). 0; 1 when no count can be read (*p NULL) or the file ends
// inside the bytes (*p holds those read).
int Dat_Read_Counted_String(char** p, double since, const char* dflt);
// The next int, 1 when none can be read.
int Dat_Read_Int();
// dflt rounded half away from zero when since > the version on top, else Dat_Read_Int.
int Dat_Read_Int_Since(double since, double dflt);
long Dat_Tell();
// fseek of the input to pos from its start; the result of fseek.
int Dat_Seek(long pos);
FILE* Dat_Input_File();
FILE* Dat_Output_File();
// 0x8C to blank in place, then a lone blank becomes the empty text. Returns the length.
int Dat_Decode_Blanks(char* s);
// An empty text becomes one blank (s needs 2 bytes), then every blank becomes 0x8C.
// Returns the length.
int Dat_Encode_Blanks(char* s);

// ---- writing (0 ok, 1 on a stream error) --------------------------------------------

int Dat_Begin_Write(FILE* f, double version);
int Dat_Write_Version(double version);
// "# text\n" (line breaks in text written as blanks).
int Dat_Write_Comment(const char* text);
// 1 also for an unknown type.
int Dat_Write_Field(const void* src, char type);
// 'c' "*", 'd' -1, 'i' 0, 's'/'t' "***".
int Dat_Write_Undefined(char type);
// Its length as an 'i' field, the bytes, a line feed (NULL: count 0). 1 also
// without an output stream.
int Dat_Write_Counted_String(char** p);
// What fputc returns (EOF without an output stream).
int Dat_Write_Newline();
// Ends a write; nothing to do (the caller closes its stream). Returns 0.
int Dat_End_Write();

// ---- backups ----------------------------------------------------------------------------

typedef int (*DatWriterFct)(FILE* f);
typedef int (*DatReaderPathFct)(FILE* f, const char* path);
typedef int (*DatReaderFct)(FILE* f);

// Stores the writer, the paths dir + name + ".bak" / ".clcbak" / ".cmp" and copies
// of data_path and second_path (when not NULL). A path that does not fit 260
// characters is stored empty (its files then cannot be opened).
void Backup_Setup(DatWriterFct writer, const char* dir, const char* name, const char* data_path,
                  const char* second_path);
// The same with data path dir + data_name and second path dir + second_name.
void Backup_Setup_In_Dir(DatWriterFct writer, const char* dir, const char* name, const char* data_name,
                         const char* second_name);
// Switches backups off.
void Backup_Off();
int Backup_Exists();
// Writes the current data with the writer into path (replaced only when the writer
// returned 0 and the file is complete); the writer's result; 1 while switched off,
// without a writer or when the file cannot be written.
int Backup_Write_To(const char* path);
int Backup_Write_Bak();
int Backup_Write_Clcbak();
// The ".bak" file opened for reading; NULL while switched off or when absent.
FILE* Backup_Open_Bak();
// The reader's result for path opened "r" (the reader closes it); 1 when the file
// does not exist or cannot be opened.
int Backup_Read_From(DatReaderPathFct reader, const char* path);
int Backup_Read_Bak(DatReaderFct reader);
int Backup_Read_Clcbak(DatReaderFct reader);
// 0 when both files hold the same bytes; 1 when they differ, one cannot be opened
// or backups are off.
int Files_Differ(const char* a, const char* b);
// Writes the current data into the ".cmp" file and compares it with path; 1 while
// switched off or when that fails.
int Backup_Compare_With(const char* path);
int Backup_Compare_Bak();
int Backup_Compare_Data();
// Also 1 when a second path is set and does not exist.
int Backup_Compare_Clcbak();
// Remove the files while backups are on; return 0.
int Backup_Remove_Bak();
int Backup_Remove_Clcbak();
int Backup_Remove_All();

int File_Exists(const char* path);
// Copies from into to (to replaced only when the copy is complete; an existing
// file keeps its rights, a link keeps naming the copy). 0 ok, 1 when
// either cannot be opened or the copy fails.
int File_Copy_Text(const char* to, const char* from);
// The same for base name + suffix (see base/kovfile.h).
int Base_Copy_Text(const char* to_suffix, const char* from_suffix);

// Back to the state at start (no streams, depth 0, backups on and unset); for tests.
void Dat_Reset();
