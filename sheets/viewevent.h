#pragma once
// Events of the view areas: clicks on the elements, the field chain that edits
// one field after the other, hover pictures and tooltips, the short keys, the
// drop-down lists of the choices and smooth scrolling.
#include "sheets/viewarea.h"

// Handles the pending mouse or key event of the area: 1 when a value, a
// selection or a result changed or a field was edited, 0 otherwise (also for
// a bad or free slot and after the text editor was used).
int View_Area_Handle_Event(unsigned slot);
// Only the hover tracking of the area.
void View_Area_Hover(unsigned slot);
// The hover tracking itself, while no button is pressed: hover pictures of
// the bitmap buttons, mouse cursors and tooltips of the click areas, until
// the mouse leaves the area (or its hover rectangle), a button is pressed,
// the wheel turns or a key ends it.
void View_Area_Track_Hover(ViewArea* area);
// Scrolls in ten steps of 30 ms until the content rectangle is visible.
void View_Area_Scroll_To(unsigned slot, int x1, int y1, int x2, int y2);
// A tooltip box below the mouse (lines split at line feeds), and its removal.
void View_Area_Show_Tooltip(const char* text);
void View_Area_Hide_Tooltip(void);

// The drop-down list of a choice whose text stands at (x, y) on the screen,
// and of a picture choice whose corner is at (x, y) in an area from
// area_top to area_bottom. 1 when closed with Enter, else 0; *selected is
// written only on Enter or a click on a row.
int Choice_List_Select(int x, int y, ViewElement* choice);
int Picture_List_Select(int area_top, int area_bottom, int x, int y, ViewElement* picture_choice);

// The colours of an open list, looked up once per list kind.
struct ChoiceListColours {
    bool ready = false;
    int background = 0, highlight = 0, track = 0, black = 0, white = 0;
};

// An open drop-down list on the screen: its geometry, the first row shown,
// the highlighted entry and the scroll bar (thumb height th, thumb position
// below the upper arrow, step in pixels per row).
struct ChoiceListView {
    bool pictures = false;
    ViewElement* e = nullptr;
    int n = 0;
    int left = 0, w = 0, top = 0, height = 0, row = 13, rows = 0;
    int first = 0, sel = 0;
    bool highlight = true;
    int th = 0, thumb = 0;
    double step = 0;
    int x = 0;      // picture column
    int text_x = 0; // where the texts of a choice list start
    ChoiceListColours c;
};

// Draw the open list with its current first row, highlight and thumb.
void Choice_List_Draw(const ChoiceListView* list);
void Picture_List_Draw(const ChoiceListView* list);
