#pragma once
// The user-interface mode of the stand-in host, and the scripted queue.
//
// KOV_UI_MODE chooses the mode:
//   interactive  message windows really show (only when a QApplication with a
//                display exists on this thread; otherwise batch behaviour)
//   batch        never blocks: messages go to standard error (bytes as given),
//                yes/no questions answer no, waits answer like Escape
//   scripted     answers come from a queue that the test fills in advance; an
//                empty queue answers like Escape (no / cancel); every call is
//                written to a log that the test reads back
// Unset or unknown: interactive when a QApplication with a display (not the
// "offscreen" or "minimal" platform) exists, else batch.
//
// Queue entries belong to channels (short names). The message window reads:
//   "answer"   Answer_is_Yes: value non-zero = yes
//   "message"  Draw_Message / PrintMessage: value 0 = Escape, else confirmed
// Log lines are plain texts such as "Init_Message", "Fill_Message <line>",
// "Answer_is_Yes 1 -> 0"; texts keep their bytes.
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum KovUiMode { KOV_UI_INTERACTIVE = 0, KOV_UI_BATCH = 1, KOV_UI_SCRIPTED = 2 };

// The mode in force (what KOV_UI_MODE asks for, unless set by Kov_Set_Ui_Mode).
// Interactive asked without a usable display gives batch.
int Kov_Ui_Mode(void);
// Overrides the environment; -1 goes back to it.
void Kov_Set_Ui_Mode(int mode);
// 1 when a Qt GUI application with a real display exists and we are on its thread.
int Kov_Has_Display(void);

// Empties the queue and the log.
void Kov_Script_Reset(void);
// Appends an entry (text may be NULL) to the channel's queue.
void Kov_Script_Push(const char* channel, intptr_t value, const char* text);
// Takes the oldest entry of the channel: 1 with value/text filled (either may
// be NULL; text bounded by n), 0 when the queue of that channel is empty.
int Kov_Script_Pop(const char* channel, intptr_t* value, char* text, size_t n);
// Entries waiting in the channel.
int Kov_Script_Pending(const char* channel);

// Adds one line to the log (only in scripted mode; printf-style).
void Kov_Script_Log(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// The log: number of lines, line i (NULL outside), and all lines joined with
// '\n' after each (valid until the next log call or reset).
int Kov_Script_Log_Count(void);
const char* Kov_Script_Log_Line(int i);
const char* Kov_Script_Log_Text(void);
void Kov_Script_Clear_Log(void);

#ifdef __cplusplus
}
#endif
