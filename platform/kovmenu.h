#pragma once
// The menu manager of the host's user-interface library: popup menus at the
// mouse with sub-menus, drawn on the screen stand-in and run with the mouse and
// keys of "platform/kovevent.h"; and the small sheet from which the user picks
// one of the sheet font's symbols.
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void (*KovMenuAction)(void);
struct KovMenu;

// One entry of a menu. Callers keep their menus as static records and may
// switch entries on and off (enabled) before each use.
typedef struct KovMenuEntry {
    const char* text;          // code page 850
    int enabled;               // 0: grey, cannot be chosen
    int reserved;              // kept with the entry, not used
    const char* help;          // help key shown with F1 while the entry is marked (NULL or "": none)
    const struct KovMenu* sub; // opens beside the entry (NULL: none)
    KovMenuAction action;      // called once the menu is closed (NULL: none)
} KovMenuEntry;

// A menu: {count, length, 0, 0, 0, entries}. length is the longest entry text
// in characters (the list is at least as wide as the longest text anyway).
typedef struct KovMenu {
    int count;
    int length;
    int reserved_a;
    int reserved_b;
    int reserved_c;
    KovMenuEntry* entries;
} KovMenu;

// Opens the menu at the mouse (kept on the screen) and waits until the user
// chooses or leaves it. The mouse marks the entry under it and opens its
// sub-menu; a press on an enabled entry without sub-menu chooses it: the menus
// close, the screen is put back, and then its action is called. A press on a
// disabled entry does nothing; a press outside every open menu, Esc, or no
// input left closes the menu without action. Keys: Up and Down mark the
// entries, Right opens and Left closes a sub-menu, Enter chooses, F1 shows the
// marked entry's help. Returns 1 when an entry was chosen, else 0.
// Layout: the corner at the mouse (moved onto the screen where needed);
// entries 18 pixels high below a 2-pixel border, entry i from y + 2 + 18 i;
// as wide as the longer of length and the longest text, 8 pixels a character,
// plus 16 (plus 14 with sub-menus), at least 60; a sub-menu's corner 3 pixels
// left of the menu's right edge, 2 pixels above its entry (left of the menu
// when the screen has no room on the right).
int Menue_Manager(const KovMenu* menu);

// A small sheet at the mouse with the symbols of the sheet font (Greek
// letters, superscript two and three, degree, plus-minus, per mille, less and
// greater or equal, diameter); returns the byte of the symbol clicked, -1 when
// cancelled (Esc, the cancel button, a click outside the sheet, no input left).
int Get_UserSelected_SpecialCharacter(void);

// The symbols of that sheet in their order, as bytes; returns their number.
int Kov_Special_Characters(const unsigned char** bytes);

#ifdef __cplusplus
}
#endif
