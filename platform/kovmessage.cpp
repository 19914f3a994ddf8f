// The host's message window in its three user-interface modes.
#include "platform/kovhost.h"

#include "platform/kovcp.h"
#include "platform/kovgui.h"
#include "platform/kovlocale.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscreen_p.h"
#include "platform/kovscript.h"

#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

struct MessageState {
    std::vector<std::string> lines;
    std::string title;
    int symbol = 0;
};

std::mutex g_lock;

MessageState& msg()
{
    static MessageState* m = new MessageState;
    return *m;
}

// Takes the message to show and forgets its title and symbol, which belong to
// one message only. The lines stay until the next Init_Message.
MessageState take()
{
    std::lock_guard<std::mutex> g(g_lock);
    MessageState m = msg();
    msg().title.clear();
    msg().symbol = 0;
    return m;
}

// The lines are code page 850, like the host's files; the terminal shows its
// own character set.
void print_batch(const MessageState& m)
{
    if (!m.title.empty()) std::fprintf(stderr, "[%s]\n", Kov_Cp850_To_Console(m.title).c_str());
    for (const std::string& l : m.lines) std::fprintf(stderr, "%s\n", Kov_Cp850_To_Console(l).c_str());
}

void log_message(const char* what, const MessageState& m)
{
    if (Kov_Ui_Mode() != KOV_UI_SCRIPTED) return;
    (void)m;
    Kov_Script_Log("%s", what);
}

} // namespace

extern "C" {

void Init_Message(void)
{
    {
        std::lock_guard<std::mutex> g(g_lock);
        msg().lines.clear();
    }
    Kov_Script_Log("Init_Message");
}

void Fill_Message(const char* line)
{
    const std::string l = line ? line : "";
    {
        std::lock_guard<std::mutex> g(g_lock);
        msg().lines.push_back(l);
    }
    Kov_Script_Log("Fill_Message %s", l.c_str());
}

void Set_Message_Title(const char* title)
{
    const std::string t = title ? title : "";
    {
        std::lock_guard<std::mutex> g(g_lock);
        msg().title = t;
    }
    Kov_Script_Log("Set_Message_Title %s", t.c_str());
}

void Set_Message_Symbol(int symbol, int a, int b, int c)
{
    {
        std::lock_guard<std::mutex> g(g_lock);
        msg().symbol = symbol;
    }
    Kov_Script_Log("Set_Message_Symbol %d %d %d %d", symbol, a, b, c);
}

int Draw_Message(void)
{
    const MessageState m = take();
    switch (Kov_Ui_Mode()) {
        case KOV_UI_SCRIPTED: {
            intptr_t v = 0;
            int answer = Kov_Script_Pop("message", &v, nullptr, 0) && v != 0 ? 1 : 0;
            Kov_Script_Log("Draw_Message -> %d", answer);
            return answer;
        }
        case KOV_UI_INTERACTIVE:
            if (const KovGuiHooks* gui = Kov_Gui_Hooks()) {
                const int r = gui->message_box(m.title, m.lines, m.symbol, 0, 0);
                Kov_Numeric_C_Locale();
                return r;
            }
            print_batch(m);
            return 0;
        default: print_batch(m); return 0;
    }
}

void Show_Message(void)
{
    const MessageState m = take();
    // The window lies on the host's screen, where callers may draw into it
    // (the wait box's spinner and status line), in every mode.
    {
        kovscreen::State& s = kovscreen::state();
        std::lock_guard<std::mutex> g(s.lock);
        kovscreen::draw_message_panel(s, m.title, m.lines);
    }
    switch (Kov_Ui_Mode()) {
        case KOV_UI_SCRIPTED: log_message("Show_Message", m); return;
        case KOV_UI_INTERACTIVE:
            pxFlsh();
            Kov_Screen_Show(1);
            return;
        default: print_batch(m); return;
    }
}

void Quit_Message(void)
{
    Kov_Script_Log("Quit_Message");
    bool removed = false;
    {
        kovscreen::State& s = kovscreen::state();
        std::lock_guard<std::mutex> g(s.lock);
        removed = kovscreen::remove_message_panel(s);
    }
    if (removed && Kov_Ui_Mode() == KOV_UI_INTERACTIVE) {
        pxFlsh();
        Kov_Screen_Release();
    }
}

void Kov_Screen_Release(void)
{
    if (Kov_Ui_Mode() != KOV_UI_INTERACTIVE) return;
    bool panel = false;
    {
        kovscreen::State& s = kovscreen::state();
        std::lock_guard<std::mutex> g(s.lock);
        panel = s.panel.shown;
    }
    // The screen's window stays while a sheet or the message window needs it.
    if (!panel && !Kov_Ui_Sheet_Frame(nullptr, nullptr, nullptr, nullptr)) Kov_Screen_Show(0);
}

int Answer_is_Yes(int flag)
{
    const MessageState m = take();
    switch (Kov_Ui_Mode()) {
        case KOV_UI_SCRIPTED: {
            intptr_t v = 0;
            int yes = Kov_Script_Pop("answer", &v, nullptr, 0) && v != 0 ? 1 : 0;
            Kov_Script_Log("Answer_is_Yes %d -> %d", flag, yes);
            return yes;
        }
        case KOV_UI_INTERACTIVE:
            if (const KovGuiHooks* gui = Kov_Gui_Hooks()) {
                const int r = gui->message_box(m.title, m.lines, m.symbol, 1, flag ? 1 : 0);
                Kov_Numeric_C_Locale();
                return r;
            }
            [[fallthrough]];
        default:
            // Nobody can answer in a batch run: the cautious answer is no.
            print_batch(m);
            std::fprintf(stderr, "(Ja/Nein) -> Nein\n");
            return 0;
    }
}

int PrintMessage(const char* text)
{
    Kov_Script_Log("PrintMessage %s", text ? text : "");
    Init_Message();
    const std::string t = text ? text : "";
    size_t start = 0;
    while (start <= t.size()) {
        size_t nl = t.find('\n', start);
        if (nl == std::string::npos) nl = t.size();
        if (nl > start || nl < t.size()) Fill_Message(t.substr(start, nl - start).c_str());
        if (nl == t.size()) break;
        start = nl + 1;
    }
    return Draw_Message();
}

} // extern "C"
