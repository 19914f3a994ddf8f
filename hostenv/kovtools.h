#pragma once
// The host environment's tool programs as the libraries start them: the
// component-selection tool, plan editing, the photo viewer and the archiver
// 7-Zip; the wait box shown while a tool's window is open; the spinner; the
// umlaut conversions between the Windows code page and code page 850; the check
// of a file name.
//
// Tools lie in the directory of the host variable "EXEC" and answer through
// files in "TEMP". Window titles are given in the Windows code page, the texts
// shown in code page 850.
#include <cstdint>
#include <cstdio>

// The component chosen in the component-selection tool. One static record,
// overwritten by each successful selection.
struct KovComponentSelection {
    int a;
    int b;
    int packed;    // non-zero: the exchange file lies in archive
    char name[40]; // shown when the component is offered again
    char text2[40];
    char text3[40];
    char path[260]; // file stem; the exchange file is "<path>.EX2"
    char text5[40];
    char text6[40];
    char archive[260];
};

// ---- waiting for a tool ----------------------------------------------------------

// Every pause of the tool waits goes through this function; tests replace it so
// that the bounded polls run on a clock of their own instead of real time.
// NULL restores the host's KOVSleep. Returns the function in force before.
typedef void (*KovToolSleepFct)(int ms);
KovToolSleepFct Kov_Tools_Set_Sleep(KovToolSleepFct fct);
void Kov_Tools_Sleep(int ms);

// The wait box: a white box of 260 x 60 pixels around the screen centre with
// the text (drawn twice, one pixel apart, text_dx pixels from the centre) and a
// row of ten squares, the hour-glass cursor, and the wait: up to 30 polls 100 ms
// apart until the tool's window appears, then one lit square after the other
// every 120 ms while the window exists. The screen under the box is restored.
// In interactive mode the screen's window shows during the wait (and goes
// again unless a sheet or message needs it), and the program's windows keep
// repainting through the pauses. Returns 1 when the window was seen, 0 when it
// never appeared; then a host message names the tool and says whether its
// process ended without a window or still runs without one after a minute.
// With the tool's process id (pid > 0) the wait for the window goes on past
// the 30 polls while that process still runs (a slow start on a loaded
// machine), up to a minute in all; it ends at once when the process ends.
int Kov_Wait_For_Tool(const char* title, int title_len, const char* text, int text_len, int text_dx, int pid = 0);

// ---- the tools -----------------------------------------------------------------

// Runs the component-selection tool (mode is handed on) and reads its answer
// file "Bauwahl.tmp" in TEMP, which is deleted afterwards. NULL when the tool is
// already open (a host message says so), EXEC or TEMP is not set, no answer
// file exists (cancelled) or the answer names no component (no name or no
// path). Fields the answer leaves out keep their previous values, except
// packed and archive.
KovComponentSelection* Kov_Select_Component(int mode);
// Reads the tool's answer file into out: 1 when it names a component (a name,
// a path, and an archive when it says packed), else 0 with out unchanged.
int Kov_Read_Component_Answer(FILE* f, KovComponentSelection* out);

// Runs plan editing with one or two arguments and waits for it. 1 after the
// wait, 0 when the tool is already open (host message) or EXEC is not set.
int Kov_Edit_Plan(const char* first, const char* second);
int Kov_Edit_Plan_File(const char* first);

// Starts the photo viewer with arg, or brings the one started before to the
// front while it still runs. Returns 1 when a viewer was started or brought to
// the front, 0 after an installation message.
int Kov_Show_Photos(const char* arg);

// Extracts member from archive into dir with 7-Zip ("7za" in EXEC, else the
// system's 7za), started with an argument vector, its output in "7zprot.txt" in
// TEMP. 0 ok, 1 archive not readable, 2 dir not writable, 3 "EXEC" not set,
// 4 "TEMP" not set, 5 the extraction failed (7za not started, an exit code other
// than 0, or the member did not appear in dir).
int Kov_Unpack_7za(const char* archive, const char* member, const char* dir);

// ---- texts -------------------------------------------------------------------------

// At most 511 bytes of s with the umlauts and ß turned from the Windows code
// page into code page 850 (resp. back); static buffers of 512 bytes, one per
// function, valid until its next call. NULL is taken as "".
const char* Kov_Ansi_To_Dos(const char* s);
const char* Kov_Dos_To_Ansi(const char* s);
// s (code page 850) with the umlauts and ß as HTML entities ("&Auml;" ...);
// input is taken while the result holds at most 503 bytes (at most 510 in all).
const char* Kov_Dos_To_Html(const char* s);

// 1 when name may be used as a file name, 0 for "." and ".." and for names with
// one of \ / : * ? " < > |. With show != 0 a refusal is shown as a host message.
int Kov_Check_File_Name(const char* name, int show);

// Width in pixels of s in the font (0 for NULL); the font is selected and given
// back in either case.
int Text_Width_In_Font(const char* s, int font);

// ---- spinner -----------------------------------------------------------------------

// Starts the spinner (12 frames of "Anima2.bmp", one every 100 ms) on a thread
// of its own at (x, y), or at the screen centre less 41 pixels when x or y is
// negative. Returns a non-zero handle, -1 when it could not be started or a
// spinner already runs.
intptr_t Kov_Start_Spinner(int x, int y);
// Stops the spinner and waits for its thread to end (nothing when none runs).
void Kov_Stop_Spinner();
// 1 while a spinner runs.
int Kov_Spinner_Running();

// For tests: stops the spinner, forgets the photo viewer and the component,
// restores the sleep function.
void Kov_Tools_Reset();
