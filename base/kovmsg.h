#pragma once
// The message collector: the one channel through which the libraries report
// errors, warnings and hints. Depending on the output mode a line goes to
//   0 (and any value other than 1..4)  the host's message window
//   1                                  the console
//   2                                  the current one of ten message lists
//   3                                  nowhere
//   4                                  the current mask page (see Msg_Set_Draw_Hook)
//
// A line may begin with caret codes ("^b" bold, "^p" font flag, "^2" half line
// step, any other "^x" passed over); the console and the message window drop
// them, lists keep them. Texts are code page 850.
//
// One collector per process, static, for the program's one thread.

enum {
    MSG_LISTS = 10,       // message lists 0..9
    MSG_LINE_SIZE = 500,  // bytes of one stored line (text, line feed, end)
    MSG_TITLE_SIZE = 200, // bytes of a list title
    MSG_LIST_GROWTH = 10  // lines added when a list is full
};

struct MsgList {
    int free;     // 1 = not in use
    int count;    // lines stored
    int capacity; // lines the block holds
    char* lines;  // capacity slots of MSG_LINE_SIZE bytes, each "text\n"
    char title[MSG_TITLE_SIZE];
    int symbol; // symbol of the message window, -1 = none
};

struct MessageCollector {
    int on; // 0: formatters and displays do nothing
    int output_mode;
    int console;        // while set, modes 0 and 4 become mode 1
    int draw_x, draw_y; // where the next line is drawn in mode 4
    int current;        // the list that mode 2 fills
    MsgList lists[MSG_LISTS];
};

// The collector's state, for the displays of message lists (read the lines,
// titles and symbols; advance the draw position).
MessageCollector* Msg_Collector();

// Draws one line (codes still in front) into the current mask page at the
// collector's draw position and advances it. The property-sheet framework sets
// it; without one (NULL) mode 4 writes the line to the console.
typedef void (*MsgDrawLineFct)(const char* line);
void Msg_Set_Draw_Hook(MsgDrawLineFct draw);

void Msg_On();
void Msg_Off();
void Msg_Set_Output_Mode(int mode); // mode 4 resets the draw position to 15, 20
void Msg_Set_Console(int on);
int Msg_Output_Mode();

// Whether a line given to Msg_Printf now would reach the user: messages on and
// the route is the console (switched on) or the host's message window.
int Msg_Would_Show();

#if defined(__GNUC__)
#define KOV_MSG_PRINTF_LIKE(fmt_index, first_arg) __attribute__((format(printf, fmt_index, first_arg)))
#else
#define KOV_MSG_PRINTF_LIKE(fmt_index, first_arg)
#endif

// One line (at most 500 characters) in the current mode; nothing while messages
// are off or when fmt is NULL or empty.
void Msg_Printf(const char* fmt, ...) KOV_MSG_PRINTF_LIKE(1, 2);
// The same in the given mode; the previous mode is restored afterwards.
void Msg_Printf_Mode(int mode, const char* fmt, ...) KOV_MSG_PRINTF_LIKE(2, 3);
// The same in mode 2 (into the current list).
void Msg_Collect(const char* fmt, ...) KOV_MSG_PRINTF_LIKE(1, 2);

// "^bFEHLER: %s!", "^bWARNUNG: %s!", "^bHINWEIS: %s." around the formatted text;
// mode < 0: in the current mode, else in the given mode.
void Msg_Fehler(int mode, const char* fmt, ...) KOV_MSG_PRINTF_LIKE(2, 3);
void Msg_Warnung(int mode, const char* fmt, ...) KOV_MSG_PRINTF_LIKE(2, 3);
void Msg_Hinweis(int mode, const char* fmt, ...) KOV_MSG_PRINTF_LIKE(2, 3);
void Msg_Fehler_Current(const char* fmt, ...) KOV_MSG_PRINTF_LIKE(1, 2);
void Msg_Warnung_Current(const char* fmt, ...) KOV_MSG_PRINTF_LIKE(1, 2);
void Msg_Hinweis_Current(const char* fmt, ...) KOV_MSG_PRINTF_LIKE(1, 2);

// Takes the first free list, empties it and makes it current; its index, or -1
// when all ten are in use.
int Msg_List_New();
// Results of the list calls: 0 done, 1 the list is free, 2 index outside 0..9.
int Msg_List_Select(int index);
int Msg_List_Set_Title(int index, const char* title); // at most 199 characters
int Msg_List_Set_Symbol(int index, int symbol);       // used when > 0
// Line count; 0 for a free list or an index outside 0..9.
int Msg_List_Count(int index);
int Msg_Current_Count();
// Stored line i (with its codes and line feed) of a list; NULL when there is none.
const char* Msg_List_Line(int index, int i);
// Asks the current list in the host's message window; the answer of
// Answer_is_Yes(1) (resp. Answer_is_Yes(0)); 0 without asking while messages are
// off, the list is free or the output mode is 1.
int Msg_Ask_Yes_No();
int Msg_Ask_Yes_No_Alt();
// Releases a list (nothing for a free one or an index outside 0..9).
void Msg_List_Free(int index);

// The text of a line behind its leading caret codes.
const char* Msg_Skip_Codes(const char* line);

// Back to the state at start (all lists released); for tests.
void Msg_Reset();
