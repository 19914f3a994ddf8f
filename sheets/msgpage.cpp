// Collected message lists shown on a page of their own, on the console or in
// the host's message window.
#include "sheets/msgpage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/kovmsg.h"
#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovhost.h"
#include "platform/kovscreen.h"
#include "sheets/mask.h"
#include "sheets/maskelem.h"
#include "sheets/maskstate.h"
#include "sheets/viewarea.h"

namespace {

struct PageState {
    const MsgList* list = nullptr; // the list being shown
    int background = -1;           // -1: the default colour
    int hint_mode = 0;
    const char* check_text = nullptr; // the caller's check-box label, NULL none
    int check_value = 0;
    int check_state = 1;
    int width = 0;
    int page_ready = 0;
    MaskPage page;
};

PageState g;

bool with_check_box() { return g.hint_mode || g.check_text; }

// The text of a stored line without its codes and line feed.
std::string bare(const char* line)
{
    std::string t = Msg_Skip_Codes(line);
    if (!t.empty() && t.back() == '\n') t.pop_back();
    return t;
}

void paint_page(int view_area, int)
{
    const int paper = Nearest_RGB_Color(255, 245, 220);
    const int grey = Nearest_RGB_Color(130, 130, 130);
    const int black = Nearest_RGB_Color(0, 0, 0);
    Mask_Set_Output_Area(view_area);
    const int back = g.background == -1 ? paper : g.background;
    Mask_Set_Back_Color(back);
    View_Area_Set_Background(unsigned(view_area), back);
    Mask_Set_Text_Color(black);
    if (!g.list) return;
    // Through the collector's output step in mode 4, which starts at 15, 20.
    Msg_Use_Page_Drawing();
    Msg_Set_Output_Mode(4);
    for (int i = 0; i < g.list->count; ++i) Msg_Printf("%s", g.list->lines + size_t(i) * MSG_LINE_SIZE);
    if (!with_check_box()) return;
    const int y = Msg_Collector()->draw_y + 25;
    // Centred under the lines; on a page narrower than the label the box stays
    // at the lines' left edge, where it can still be ticked.
    const int x = std::max(15, int(std::lround((g.width - 245) / 2.0)));
    const char* label = g.check_text;
    if (label) {
        Mask_Set_Text_Color(black);
    } else {
        label = "Diesen Hinweis nicht nochmal anzeigen";
        Mask_Set_Text_Color(grey);
    }
    Mask_Add_Check_Box(x, y, label, &g.check_value, &g.check_state);
    Mask_Set_Text_Color(black);
}

int show_page(const MsgList& list)
{
    Msg_Collector()->draw_x = 15;
    Msg_Collector()->draw_y = 20;
    if (!g.page_ready) {
        Mask_Init_Pages(1, &g.page);
        g.page_ready = 1;
    }
    MaskRecord mask;
    Mask_Init(&mask);
    mask.mode = 1;
    // At most 99 characters of the title.
    const size_t n = strnlen(list.title, sizeof mask.title - 1);
    std::memcpy(mask.title, list.title, n);
    mask.title[n] = 0;
    mask.height = list.count * 16 + (with_check_box() ? 70 : 50);
    int widest = 0;
    for (int i = 0; i < list.count; ++i)
        widest = std::max(widest, Mask_Text_Width(bare(list.lines + size_t(i) * MSG_LINE_SIZE).c_str(), 0x1000));
    int width = list.count > 0 ? widest + 40 : 40;
    g.page.vslider = 1;
    if (width > 800) {
        width = 800;
        g.page.hslider = 1; // stays for later pages
    }
    mask.width = width;
    g.width = width;
    g.page.draw = paint_page;
    g.list = &list;
    // A click that opened the page must not reach it. A button left down by an
    // answer without input (scripted runs) is no click: waiting for its release
    // would use up the next scripted step before the page is there.
    while (M_LEFT && !Kov_Ui_Last_Answer_Exhausted()) {
        Get_Mouse_Event();
        if (Kov_Ui_Last_Answer_Exhausted()) break;
    }
    const int r = Mask_Edit_Registers(&mask, 1, &g.page);
    g.list = nullptr;
    return r;
}

void show_in_window(const MsgList& list)
{
    Init_Message();
    for (int i = 0; i < list.count; ++i) Fill_Message(bare(list.lines + size_t(i) * MSG_LINE_SIZE).c_str());
    if (list.symbol > 0) Set_Message_Symbol(list.symbol, 1, 0, 0);
    Draw_Message();
}

// The list to show, NULL when there is nothing to show.
const MsgList* shown_list(int index)
{
    const MessageCollector* c = Msg_Collector();
    if (!c->on || index < 0 || index >= MSG_LISTS) return nullptr;
    const MsgList& list = c->lists[index];
    return list.free ? nullptr : &list;
}

int display(const MsgList& list, int mode)
{
    Msg_Use_Page_Drawing();
    Msg_Set_Output_Mode(mode);
    if (mode == 4) return show_page(list);
    if (mode == 1) {
        // Each stored line keeps its line feed: an empty line follows it.
        for (int i = 0; i < list.count; ++i) Msg_Printf("%s", list.lines + size_t(i) * MSG_LINE_SIZE);
        return 0;
    }
    show_in_window(list);
    return 0;
}

} // namespace

void Msg_Set_Page_Background(int colour) { g.background = colour; }

int Msg_List_Show(int index, int display_mode)
{
    const MsgList* list = shown_list(index);
    return list ? display(*list, display_mode) : 0;
}

int Msg_Show_Current(int display_mode) { return Msg_List_Show(Msg_Collector()->current, display_mode); }

int Msg_Show_Hint_Page(void)
{
    const MsgList* list = shown_list(Msg_Collector()->current);
    if (!list) return 1;
    g.hint_mode = 1;
    g.check_value = 0;
    display(*list, 4);
    g.hint_mode = 0;
    return g.check_value == 0 ? 1 : 0;
}

int Msg_Show_Page_With_Check(const char* text)
{
    const MsgList* list = shown_list(Msg_Collector()->current);
    if (!list) return 0;
    g.check_value = 0;
    g.check_text = text;
    display(*list, 4);
    g.check_text = nullptr;
    return g.check_value ? 1 : 0;
}
