#pragma once
// The host environment's user-interface and host library as this program sees
// it on Linux: our own implementation behind the names the callers use.
//
// Texts are 8-bit: message lines and list paths in code page 850, window titles
// in the Windows code page 1252. How the message window behaves depends on the
// user-interface mode of "platform/kovscript.h" (interactive, batch, scripted).
//
// Environment variables read here (see also README.md):
//   TEMP                          exchange files; window markers in $TEMP/kovwin/
//   KOV_CUROB_PRIVAT_DATAPATH     CurOb_Privat_Datapath (NULL when unset)
//   KOV_CUROB_APPLICATION_NUMBER  CurOb_Application_Number (0 when unset)
//   KOV_CUROB_OBJECT_ID           CurOb_Object_Id (0 when unset)
//   KOV_CUROB_FILERNAME, KOV_CUROB_BASICNAME, KOV_CUROB_SUFFIXNAME,
//   KOV_CUROB_PROGRAMNAME, KOV_CUROB_PROGRAMSTRING, KOV_CUROB_VERSIONSTRING
//                                 the string queries of the current object
//   KOV_USER_<key>                KOVGetUserString(key, ...)
//   KOV_OLI_VIEWER                program that shows (and with "--print" prints)
//                                 an output list; unset: our own viewer (below)
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- start-up and the stream table ------------------------------------- */

// Where the host library would look for its own libraries; nothing to do here.
// Returns 1.
int SetKOVDllDirectory(const char* dir);

// The program's stream functions: count (18), then fopen, fclose, fread, fwrite,
// ferror, fscanf, fprintf, fseek, ftell, fsetpos, fgetpos, fgets, fgetc, fputs,
// fputc, ungetc, sscanf, sprintf. Slot k (1-based) is fct[k - 1].
typedef struct KovStdioTable {
    intptr_t count;
    void (*fct[18])(void);
} KovStdioTable;

#define KOV_STDIO_FPRINTF_SLOT 7

// The table the program registered, NULL before.
extern const KovStdioTable* KOV_STDIO_FCT;

// Registers the table (NULL unregisters). Returns 1 when a table with a
// fprintf slot was registered, 0 otherwise.
int KOVSetStdioFctPtr(const KovStdioTable* table);

// The fprintf of the registered table (slot 7); the runtime's own fprintf when
// no table (or one without that slot) is registered.
typedef int (*KovFprintfFct)(FILE* f, const char* fmt, ...);
KovFprintfFct KOV_Stdio_Fprintf_Fct(void);

// Formats like fprintf and writes the text through slot 7 of the registered
// table (as "%s"). -1 for a NULL stream or format. Texts of any length.
int KOV_Stdio_Fprintf(FILE* f, const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

/* ---- environment and processes ----------------------------------------- */

// The value of a host variable, NULL when it is not set.
const char* KOVGetEnv(const char* name);

// Starts path (through Kov_Path; a missing "x.exe" is also tried as "x") with
// the NULL-closed argument vector argv (argv[0] the program; NULL argv means
// {path, NULL}). Never through a shell.
//   mode 0: waits; returns the program's exit code (-1: not started or killed)
//   mode 1: returns 0 at once (-1: not started)
//   mode 2: returns the process id at once (-1: not started)
// Children of modes 1 and 2 are reaped when they end (no zombies).
int KOVSpawnv(int mode, const char* path, const char* const* argv);

// 1 once the process has ended (also for an unknown or invalid id), 0 while
// it runs.
int CheckKOVProcess(int pid);

// Pauses the calling thread. On the thread of the windows (interactive mode)
// they keep repainting meanwhile; no user input is taken during the pause.
void KOVSleep(int ms);

// Tool windows. A window of title T exists while a marker file for T lies in
// $TEMP/kovwin/ (TEMP unset: /tmp). The marker's file name is T converted from
// the Windows code page to UTF-8, with '/' and '\' replaced by '_'; its name is
// matched without regard to case. An empty marker (or one without a process id)
// counts as long as it exists; a marker whose first line reads "pid <n>" counts
// only while process n is alive, so a tool that dies leaves no window behind.
// A tool started with KOVSpawnv in mode 1 registers its window with
// KOVRegisterWindow (marker with its own process id) and may remove it with
// KOVUnregisterWindow before it ends.
// Returns non-zero while the window exists. len: bytes of title to use
// (negative: the whole string).
int FindKOVWindow(const char* title, int len);
// The title (as its marker names it, UTF-8) of the window that process pid
// registered; 1 when one was found and fits into buf (n bytes), else 0.
int KOVWindowTitleOfProcess(int pid, char* buf, size_t n);
// Writes the marker of title for the calling process (returns 1, 0 on failure).
int KOVRegisterWindow(const char* title);
// Removes the marker of title (returns 1 when one was removed).
int KOVUnregisterWindow(const char* title);
// The marker path of title into buf (size n); NULL when it does not fit.
char* KOVWindowMarkerPath(const char* title, int len, char* buf, size_t n);

// Copies from to to (the target is replaced only when the copy is complete).
// With fail_if_exists non-zero an existing target is kept and 0 returned.
// Non-zero when copied.
int KOVCopyFile(const char* from, const char* to, int fail_if_exists);
// Deletes the file; non-zero when it is gone. The flag is not used.
int KOVRemoveFile(const char* path, int flag);

/* ---- the current object of the host ------------------------------------- */

const char* CurOb_Privat_Datapath(void);
int CurOb_Application_Number(void);
int CurOb_Object_Id(void);
const char* CurOb_Filername(void);
const char* CurOb_Basicname(void);
const char* CurOb_Suffixname(void);
const char* CurOb_Programname(void);
const char* CurOb_Programstring(void);
const char* CurOb_Versionstring(void);
// Replaces the private data directory of the current object (NULL: unset).
void Set_CurOb_Privat_Datapath(const char* path);
// Sets the host's data path (NULL: unset); KOV_Get_Data_Path reads it back.
void Set_KOV_Data_Path(const char* path);
const char* KOV_Get_Data_Path(void);

/* ---- file search ------------------------------------------------------------ */

typedef struct DOSFindData {
    char name[260]; // name of the entry found (no directory part)
    int is_directory;
    intptr_t handle; // the search; 0 when none is open
} DOSFindData;

// pattern: a directory part (either separator, through Kov_Path) and a name
// part with the wildcards '*' and '?', matched without regard to case ("*.*"
// also matches names without a dot). Files resp. directories ("." and ".."
// not reported), in name order. 0 when an entry was found (fd->name), non-zero
// otherwise.
int DOSFindFirstFile(const char* pattern, DOSFindData* fd);
int DOSFindFirstDirectory(const char* pattern, DOSFindData* fd);
// 0 while a further entry was found.
int DOSFindNext(DOSFindData* fd);
// Ends the search (safe to call twice and after a failed first call).
void DOSFindClose(DOSFindData* fd);

/* ---- user settings, clipboard, help ------------------------------------- */

// The user setting key from the environment variable KOV_USER_<key>, copied
// into buf (size n, always terminated). Non-zero when found.
int KOVGetUserString(const char* key, char* buf, int n);

// Clipboard texts in code page 850. With a Qt GUI application the system
// clipboard, else a store inside the process. Get returns the number of bytes
// copied (at most n - 1, terminated); Set returns 1.
int KOVGetClipboardText(char* buf, int n);
int KOVSetClipboardText(const char* text);

// The help viewer: Init_Helpview remembers the help file; Helpview(topic)
// shows the HTML help that stands for it (Kov_Help_Document) at the topic in a
// help window (interactive), or names it on standard error (batch); scripted
// runs log it. Both return 1; Helpview returns 0 before Init_Helpview and when
// the help is missing, which it tells the user naming the file.
int Init_Helpview(const char* directory, const char* file);
int Helpview(const char* topic);

/* ---- output-list viewer and printer ------------------------------------- */

// With KOV_OLI_VIEWER set: starts it without waiting with {viewer, path}
// (view) or waits for {viewer, "--print", path} (print). Scripted: logged.
// Interactive: the list in a viewer window (print: the default printer).
// Batch: writes "<list>.pdf" beside the list and prints its path on standard
// output (print: the default printer, else that PDF). Window, PDF and printer
// come from the GUI part (platform/gui); a program without it reports the list
// as not shown. Returns 0, -1 on failure.
int Quick_OLI_View(const char* base, const char* path);
int Quick_OLI_Print(const char* base, const char* path);

/* ---- the message window -------------------------------------------------- */

// Starts a new message (forgets the lines of the previous one).
void Init_Message(void);
// Adds one line (code page 850, copied).
void Fill_Message(const char* line);
// Title and symbol of the next message shown (reset after it was shown).
// Symbols: 1 information, 2 warning, 3 error, 4 question; others none.
void Set_Message_Title(const char* title);
void Set_Message_Symbol(int symbol, int a, int b, int c);
// Shows the lines and waits for the user. Returns 1 when confirmed, 0 when
// closed with Escape (batch; scripted with an empty queue).
int Draw_Message(void);
// Shows the lines without waiting, in a window drawn on the host's screen
// ("platform/kovscreen.h": centred, the lines 16 pixels apart and their block
// centred on the screen's centre, in the sheet background colour) over what
// it keeps below; batch runs also print the lines on standard error.
// Quit_Message puts the screen back.
void Show_Message(void);
void Quit_Message(void);
// Asks the lines filled since Init_Message as a yes/no question; non-zero =
// yes. flag non-zero makes "yes" the default button. Batch: no (0).
int Answer_is_Yes(int flag);
// One message (lines separated by '\n'): Init_Message, Fill_Message for each
// line, Draw_Message. Returns what Draw_Message returns.
int PrintMessage(const char* text);

/* ---- number formatting ----------------------------------------------------- */

// Formats value into out (at least KOV_FORMAT_NUMBER_MAX bytes; the text never
// exceeds it) with a decimal point in any locale:
//   flags == 882 (compact): decimals at most, trailing zeros and a trailing
//                point removed, no padding ("2.5", "3", "-0.125")
//   flags & 16 (no decimals): right-aligned in width, no decimals ("   12")
//   anything else: right-aligned in width with decimals ("  2.50")
// decimals is limited to 0..15 and width to 0..40; the fourth argument is not
// used. A result showing only zeros carries no minus sign. Not finite: "?".
#define KOV_FORMAT_NUMBER_MAX 64
#define KOV_FORMAT_COMPACT 882
#define KOV_FORMAT_NO_DECIMALS 16
void formatNumber(double value, int flags, int width, int fourth, int decimals, char* out);

#ifdef __cplusplus
}
#endif
