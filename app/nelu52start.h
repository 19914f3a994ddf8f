#pragma once
// Start-up of the step-joint program: the command line, the position's file
// names, the position title and the host's installation check. main sets these
// globals once; the data object, the output list, the settings and the dialogs
// read them for the rest of the run. All names are relative to the working
// directory that the host start-up set.
#include <cstdio>

#include <QString>

enum { NELU52_ID_SIZE = 16, NELU52_NAME_SIZE = 288 };

extern char nelu52_bauteil[NELU52_ID_SIZE];      // component identifier, at most 15 characters
extern int nelu52_file_id;                       // File-Id; 0 when it is no number
extern char nelu52_inp_name[NELU52_NAME_SIZE];   // "%s_%02d.inp" input file
extern char nelu52_oli_name[NELU52_NAME_SIZE];   // "%s_%02d.oli" output list
extern char nelu52_ini_name[NELU52_NAME_SIZE];   // "%s_%02d.ini" window settings
extern char nelu52_txt_name[NELU52_NAME_SIZE];   // "%s_%02d.txt" title file of the host
extern char nelu52_nad_name[NELU52_NAME_SIZE];   // "%s_%02d.nad" annex-name file
extern char nelu52_spf_name[NELU52_NAME_SIZE];   // "%s01.SPF" plot file
extern char nelu52_fonts_name[NELU52_NAME_SIZE]; // DRAM + "\\nelu52_fonts"
extern QString nelu52_titel;                     // "Position <nr>: <text>", empty without title file

// The command line "program Bauteilkennung Icon-Id File-Id Pos-Id": 1 when it
// has all four arguments and the identifier has at most 15 characters.
int Nelu52_Check_Args(int argc, char** argv);
// "usage: %s Bauteilkennung Icon-Id File-Id Pos-Id\n" with the program name.
void Nelu52_Usage(FILE* out, const char* program);

// Takes the identifier (cut to 15 characters) and the File-Id (decimal, 0 when
// it does not start with a number) and forms the names of the position's
// files. 1 when every name fits, 0 otherwise (the names are then empty).
// Reads the host's position file of the identifier as well
// (Oli_Read_Position_File): its number and title, or empty ones.
int Nelu52_Set_Position(const char* bauteil, const char* file_id);

// The fonts file: dram + "\\nelu52_fonts"; "\\nelu52_fonts" alone when dram is
// NULL or too long for the name.
void Nelu52_Set_Fonts_Name(const char* dram);

// "Position " + line 2 + ": " + line 3 of the host's title file (line 3 is
// code page 850); empty when the file cannot be read.
QString Nelu52_Read_Title(const char* file);

// Asks the host for the component's private data directory and hands it back
// as the current object's path and the host's data path. 1 when the host gave
// one, 0 when the installation is incomplete.
int Nelu52_Host_Paths();

// The installation warning of the start-up.
extern const char NELU52_INSTALL_TITLE[]; // "ABBRUCH"
extern const char NELU52_INSTALL_TEXT[];  // "KOV ist nicht korrekt installiert\n DATA, ..."

// A parentless warning box with a single OK button (it only informs); batch mode prints title
// and text to standard error, scripted mode logs "Warning <title>: <text>".
void Nelu52_Warning(const QString& title, const QString& text);

// Without a window system (no DISPLAY, no WAYLAND_DISPLAY and no
// QT_QPA_PLATFORM) or in batch mode, sets QT_QPA_PLATFORM to "offscreen" so
// that the application object can be made; must run before it is. 1 when it
// chose offscreen, 0 when it left the platform alone.
int Nelu52_Choose_Platform();

// Qt keeps its runtime files in the folder XDG_RUNTIME_DIR names and warns on
// standard error when the environment names none (a batch run, a container):
// then the folder "kov-runtime-<uid>" in TMPDIR (or /tmp) is made, private to
// the user, and named. 1 when XDG_RUNTIME_DIR names a folder afterwards.
int Nelu52_Runtime_Dir();

// The installation data: DATA must name an existing folder (the annexes, the
// help and the product data lie there). 1 when it does; 0 with *message, a
// German text naming the variable and the folder, when not.
int Nelu52_Check_Data(QString* message);

class QCoreApplication;
class QTranslator;

// Installs Qt's translations of its own texts (buttons of message boxes, the
// print, file, font and colour dialogs): for the system locale from the host's
// folder dir ("qt_<locale>", then "qtbase_<locale>"); when that folder has
// none, Qt's German translations from Qt's own translations folder. The
// translators installed are returned in *first and *second (NULL when not
// loaded; the caller deletes them). Returns how many were installed.
int Nelu52_Install_Translators(QCoreApplication* app, const QString& dir, QTranslator** first, QTranslator** second);
