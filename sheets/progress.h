#pragma once
// The progress list: a small property sheet with up to five named steps, each
// with a counter "%d von %d" and a bar that fills as the step advances.
//
// The caller lays the list out as an array of PROGRESS_RECORDS records:
// record 0 is the head (title, sheet width, number of steps), records 1 to 5
// the steps (name, maximum, counter style). Opening reads all five step
// records, so the array always has room for them.
//
// Only one list is open at a time. Step indexes run from 0 to 4; calls with
// another index do nothing. Every change redraws the open list. While the
// switch is off (Progress_Disable) nothing opens and nothing redraws.
//
// GUI thread only.

enum { PROGRESS_STEPS = 5, PROGRESS_RECORDS = 1 + PROGRESS_STEPS, PROGRESS_TEXT_SIZE = 100 };

struct ProgressList {
    char text[PROGRESS_TEXT_SIZE];        // head: the sheet's title; step: its name
    char second_text[PROGRESS_TEXT_SIZE]; // cleared, not shown
    int number;                           // head: width in pixels (at least 200 is used); step: maximum, <= 0 inactive
    int flag;                             // head: number of steps 0..5; step: 1 "%d von maximal %d", else "%d von %d"
};

void Progress_Enable(void);
void Progress_Disable(void);
// Head: texts empty, width -1, n steps; steps 1..n: name empty, maximum 0, flag 0.
void Progress_Init(ProgressList* list, int n);
// Opens the sheet for the list (a list still open is closed first).
void Progress_Open(ProgressList* list);
// 1 while a list is open and the switch is on.
int Progress_Is_Open(void);
// The step's item text (at most 99 characters; nothing for NULL).
void Progress_Set_Text(int step, const char* text);
// New maximum, count back to 0.
void Progress_Set_Max(int step, int maximum);
// Count + 1 when the step's maximum is above 0.
void Progress_Step(int step);
// The item text (unless NULL), then as Progress_Step.
void Progress_Step_Text(int step, const char* text);
// The count, when the maximum is above 0.
void Progress_Set_Count(int step, int count);
// Count 0, maximum -1: the step shows as inactive.
void Progress_Deactivate_Step(int step);
// Closes the sheet of the open list and forgets the list.
void Progress_Close(void);

// The current count and maximum of a step (0 outside 0..4); for tests.
int Progress_Count(int step);
int Progress_Maximum(int step);
// The view area of the open list, -1 without one; for tests.
int Progress_View_Area(void);
// Back to the start of the run (switch on, no list, the screen centre taken
// anew); for tests.
void Progress_Reset(void);
