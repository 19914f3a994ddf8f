#pragma once
// Mouse and keys of the host's user-interface library. The sheets poll them
// inside their own loops; here every wait takes from one event queue:
//   interactive  the screen's window (platform/gui) turns the user's mouse,
//                wheel and key events into queue events; a wait on an empty
//                queue runs the window's events until one arrives (or its
//                time is up)
//   scripted     tests push the events in advance (Kov_Ui_Push_...) and may
//                install an idle hook that is called when a wait finds the
//                queue empty; waits and their results are logged
//   batch        never waits
// When no input is left (scripted after the idle hook, batch, interactive
// without a window) a wait for the mouse gets in turn a press and a release of
// the left button at (-1, -1), off the screen, so that loops waiting for a
// click and loops waiting for a release both end; hitkey answers -1, getkey
// Escape. After 1000 such answers in a row the process stops with a message
// naming the wait (exit code 3).
//
// Keys: printable characters as code page 850 bytes; Enter 13, Esc 27,
// Backspace 8, Tab 9, Ctrl+letter 1..26; extended keys 256 + scan code: F1 315
// (F1..F10 315..324), Home 327, Up 328, PgUp 329, Left 331, Right 333, End
// 335, Down 336, PgDn 337, Insert 338, Delete 339, Ctrl+End 373, Ctrl+Home 375.
// Modifier bits: Shift 1, Ctrl 2, Alt 4. Wheel: +1 a notch up, -1 down.
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- the mouse words and the waits -------------------------------------- */

// The mouse as the last event taken left it (callers may write them too):
// position, left and right button down (1) or up (0), wheel notches.
extern int M_XPOS;
extern int M_YPOS;
extern int M_LEFT;
extern int M_RIGHT;
extern int M_SCROLL;

// Event kinds, as Get_Mouse_Event returns them.
enum { KOV_EV_PRESS = 1, KOV_EV_RELEASE = 2, KOV_EV_MOVE = 3, KOV_EV_WHEEL = 4, KOV_EV_KEY = 5, KOV_EV_IDLE = 6 };

// Waits for the next mouse event (keys stay queued) and brings the words up
// to date; returns its kind.
int Get_Mouse_Event(void);

// Takes the next key (waits for one); hitkey gives it without taking it, -1
// when none waits. getkeymask: the modifier keys held.
int getkey(void);
int hitkey(void);
int getkeymask(void);

// The message record of GetKOVMessage: a key at byte 20, a time-out in
// milliseconds at byte 24 (32-bit ints).
#define KOV_MESSAGE_SIZE 32
#define KOV_MESSAGE_KEY 20
#define KOV_MESSAGE_TIMEOUT 24
typedef struct KovMessage {
    unsigned char bytes[KOV_MESSAGE_SIZE];
} KovMessage;
// Clears a record of KOV_MESSAGE_SIZE bytes.
void InitKOVMessage(void* record);
// Waits for an event: every mouse event wakes it (result 2); a key only with
// 0x10000 in the mask (result 0x10000, the key at byte 20 and still queued for
// getkey; without the bit it stays queued); with 0x40000000 and a positive
// time-out in the record it also ends after that time (interactive) or at an
// idle event (scripted) with the result 0x40000000. With 0x80000 the innermost
// sheet's function between events (Kov_Call_Allways, kovpropsheet.h) runs
// before the wait and, while it is switched on, every 100 ms of waiting
// (scripted: at every idle event). A NULL record does not wait: it brings the
// words up to date from what is queued; without a move bit in the mask (0x2,
// 0x20) it takes a queued press or release but leaves a move that comes
// first, which belongs to the waits that follow (result 0).
int GetKOVMessage(int mask, void* record);

/* ---- the cursor ---------------------------------------------------------- */

// Puts the mouse at (x, y) (kept inside the restriction and the screen).
void msStCu(int x, int y);
// The mouse position; returns the buttons held (left 1, right 2).
int msStat(int* x, int* y);
// Hides (-1) or shows (0) the mouse.
void msVisi(int state);
// A stack of positions: Restore puts the mouse back where Save found it; an
// unbalanced Restore does nothing.
void Save_Mouse_Position(void);
void Restore_Mouse_Position(void);
// The rectangle the mouse may not leave: Init sets it (and forgets the kept
// ones), Pop keeps the one in force and sets a new one, Push gives the kept one
// back (unbalanced: nothing). Clamped to the screen.
void Init_Mouse_Move_Restriction(int x1, int y1, int x2, int y2);
void Pop_Mouse_Move_Restriction(int x1, int y1, int x2, int y2);
void Push_Mouse_Move_Restriction(void);

/* ---- the queue: pushed by the window and by tests ------------------------- */

// button: 1 left, 2 right.
void Kov_Ui_Push_Press(int x, int y, int button);
void Kov_Ui_Push_Release(int x, int y, int button);
void Kov_Ui_Push_Move(int x, int y);
// A press and a release of the left button.
void Kov_Ui_Push_Click(int x, int y);
void Kov_Ui_Push_Wheel(int x, int y, int notches);
void Kov_Ui_Push_Key(int key);
// One key a byte of the text (code page 850).
void Kov_Ui_Push_Text(const char* text);
// Time passing: ends a wait with a time-out; other waits go on.
void Kov_Ui_Push_Idle(int ms);
// The modifier keys held now (not queued).
void Kov_Ui_Set_Modifiers(int mask);
// Events queued.
int Kov_Ui_Pending(void);
// 1 when the last wait was answered without input (see above).
int Kov_Ui_Last_Answer_Exhausted(void);
// The kind of the last mouse event taken (KOV_EV_PRESS ... KOV_EV_WHEEL).
int Kov_Ui_Last_Mouse_Event(void);
// Puts the last mouse event taken, when it was a press from the queue, back at
// the front of the queue and lifts its button in the mouse words again, so the
// next wait takes it as if it had not been seen (an editor that ends on a
// click elsewhere leaves that click to its caller). Returns 1 when put back,
// 0 otherwise (no press, or an answer without input).
int Kov_Ui_Put_Back_Press(void);
// Called (scripted mode) when a wait finds the queue empty, with the waiting
// call's name; it may look at the screen and push what a user would do.
typedef void (*KovIdleHook)(const char* wait);
void Kov_Ui_Set_Idle_Hook(KovIdleHook hook);
// Empties the queue and puts the words, cursor, restrictions and the count of
// answers without input back to their start.
void Kov_Ui_Events_Reset(void);

// The window's wait (interactive): runs the window's events until one is
// queued or timeout_ms have passed (negative: no limit; 0: only what is
// pending); returns 1 when something was queued. warp moves the real mouse.
// pause lets ms pass while the windows of the process keep repainting (no user
// input is taken); it returns 0 when it cannot do so on this thread, and
// KOVSleep then sleeps plainly.
typedef struct KovEventHooks {
    int (*wait)(int timeout_ms);
    void (*warp)(int x, int y);
    int (*pause)(int ms);
} KovEventHooks;
void Kov_Ui_Set_Event_Hooks(const KovEventHooks* hooks);

// Lets ms pass through the window's pause (interactive mode, a window
// installed); 1 when it did, 0 when the caller must sleep itself.
int Kov_Ui_Pause(int ms);

// KOVSleep pauses through this function when one is installed (tests check
// pacing without real time); NULL: real time. Returns the one before.
typedef void (*KovSleepFct)(int ms);
KovSleepFct Kov_Set_Sleep_Function(KovSleepFct fct);
// The installed one, NULL for none.
KovSleepFct Kov_Sleep_Function(void);

#ifdef __cplusplus
}
#endif
