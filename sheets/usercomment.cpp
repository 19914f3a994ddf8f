// The sheet on which the user writes the comment for the output list, and
// wrapped text in view areas.
#include "sheets/usercomment.h"

#include <algorithm>
#include <cstring>

#include "base/kovtxt.h"
#include "output/kovcomment.h"
#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovhost.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"

namespace {

const int kSheetEscape = 1; // id of the sheet's escape area
const int kBreak = 2;       // the window's break button and Escape
enum { kCancel = 1, kHelp = 2, kConfirm = 3 };

struct State {
    int first_use_done = 0;
    int cx = 0, cy = 0;
    int background = 0;
    int white = 0;
    int activity = 1; // shared by the buttons and the editor
};

State g;

// Assembles one wrapped line; KOV_COMMENT_LINE_MAX bytes are the most a line
// takes, so no line can overflow it.
struct LineBuffer {
    char bytes[KOV_COMMENT_LINE_MAX + 1];
};

} // namespace

void Kov_Add_Wrapped_Text(int area, int x, int width, int* y, const char* text, int font, int colour, int step)
{
    if (!y || !text) return;
    LineBuffer line;
    const char* p = text;
    while (*p) {
        int advance = 0;
        Pop_RFont(font);
        const int len = Kov_Wrap_Line(p, width, KOV_COMMENT_LINE_MAX, &advance);
        Push_RFont();
        std::memcpy(line.bytes, p, size_t(len));
        line.bytes[len] = '\0';
        if (len > 0 && line.bytes[len - 1] == '\n') line.bytes[len - 1] = '\0';
        if (line.bytes[0] != '\0') View_Area_Add_Text(unsigned(area), x, *y, line.bytes, font, colour, 0);
        *y += step;
        p += std::max(advance, 1);
    }
}

char* Kov_Edit_User_Comment(char* text, const char* title)
{
    if (!g.first_use_done) {
        g.cx = NPIXEL_X / 2;
        g.cy = NPIXEL_Y / 2;
        g.background = Nearest_RGB_Color(255, 251, 240);
        g.white = Nearest_RGB_Color(255, 255, 255);
        g.first_use_done = 1;
    }
    const int W = NPIXEL_X < 650 ? NPIXEL_X - 50 : 600;
    // On a screen of less than 450 pixels the sheet keeps 50 pixels free.
    const int H = NPIXEL_Y < 450 ? NPIXEL_Y - 50 : 400;
    int x1 = g.cx - W / 2, y1 = g.cy - H / 2;
    int x2 = g.cx + W - W / 2 - 1, y2 = g.cy + H - H / 2 - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    g.cx = (x1 + x2) / 2;
    g.cy = (y1 + y2) / 2;

    // A long text gets room to grow to four times its length.
    const long long length = text ? (long long)std::strlen(text) : 0;
    if (4 * length > 0x7FFFFFF0LL) return text; // beyond what an editor can hold
    const int capacity = 4 * length >= 4997 ? int(4 * length) : 5000;
    char* edit = Txb_Copy(text, capacity);
    if (!edit) return text;
    const int buffer_state = pxBuff(-1);

    Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, title ? title : "", 10, 1);
    const int escape = Add_Escape_Area_to_PS(x1 + 5, y1 + 34, x2 - 5, y2 - 5, 0, kSheetEscape);
    const int area = View_Area_Open(x1 + 5, y1 + 34, x2 - 5, y2 - 5, 0, 0);
    Set_Escape_Area_to_MouseMoveEvent(escape, 1);
    Set_Windows_Break_Button(kBreak);

    int result = 0;
    g.activity = 1;
    Activate_Prop_Sheet();
    if (area >= 0) {
        const unsigned a = unsigned(area);
        int w = 0, h = 0;
        View_Area_Inquire_Size(a, &w, &h);
        View_Area_Clear(a);
        View_Area_Set_Background(a, g.background);
        View_Area_Add_Bitmap(a, "UComment.bmp", 14, 5, 75, 70, g.background);
        View_Area_Add_Text(a, 85, 20, "Geben Sie hier ihre Anmerkungen ein.", 266243, BLACK_CI, 0);
        View_Area_Add_Text(a, 85, 35, "Diese werden an geeigneter Stelle", 266243, BLACK_CI, 0);
        View_Area_Add_Text(a, 85, 50, "in der Druckliste ausgegeben.", 266243, BLACK_CI, 0);
        View_Area_Add_Bitmap_Button(a, w - 120, 15, 36, 36, "Glory3.bmp", 0, g.background, 18, "abbrechen", kCancel,
                                    &result, &g.activity);
        View_Area_Add_Bitmap_Button(a, w - 80, 15, 36, 36, "Glory3.bmp", 36, g.background, 18, "Hilfe", kHelp, &result,
                                    &g.activity);
        View_Area_Add_Bitmap_Button(a, w - 40, 15, 36, 36, "Glory3.bmp", 72, g.background, 18, cp850("bestätigen"),
                                    kConfirm, &result, &g.activity);
        View_Area_Add_Text_Editor(a, 5, 60, w - 5, h - 5, edit, capacity, BLACK_CI, g.white, 1, &g.activity);
        View_Area_Set_Activity(a, 1);
        View_Area_Show(a);
    }
    pxBuff(buffer_state);

    for (;;) {
        const int pressed = Edit_Prop_Sheet();
        if (pressed == kBreak) break;
        if (area >= 0 && View_Area_Handle_Event(unsigned(area))) {
            if (result == kHelp) {
                Helpview("USER_COMMENT");
            } else if (result == kConfirm) {
                char* copy = Txb_Copy(edit, int(std::strlen(edit)));
                if (copy) {
                    Txb_Free(text);
                    text = copy;
                }
                break;
            } else if (result == kCancel) {
                break;
            }
        }
        result = 0;
        // No input left: the sheet would wait for ever.
        if (Kov_Ui_Last_Answer_Exhausted() || pressed < 0) break;
    }

    // The editor works on the buffer until its area is closed.
    if (area >= 0) View_Area_Close(unsigned(area));
    Txb_Free(edit);
    Undefine_Prop_Sheet();
    return text;
}

void Kov_User_Comment_Reset(void) { g = State(); }
