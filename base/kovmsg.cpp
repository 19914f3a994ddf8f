// The message collector: errors, warnings and hints go by the output mode to the host's window,
// the console, one of ten message lists or nowhere; repeated lines appear once.
#include "base/kovmsg.h"

#include "base/kovmem.h"
#include "platform/kovhost.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// A formatted message holds at most 500 characters, a composed error, warning or
// hint line at most 499, a stored line at most 498 (then its line feed).
const int kTextSize = 501;
const int kComposedMax = 499;
const int kStoredTextMax = MSG_LINE_SIZE - 2;

MessageCollector make_initial()
{
    MessageCollector c;
    memset(&c, 0, sizeof c);
    c.on = 1;
    c.output_mode = 0;
    c.console = 0;
    c.draw_x = 15;
    c.draw_y = 20;
    c.current = 0;
    for (int i = 0; i < MSG_LISTS; ++i) {
        c.lists[i].free = 1;
        c.lists[i].symbol = -1;
    }
    return c;
}

MessageCollector g = make_initial();
MsgDrawLineFct g_draw = nullptr;

bool valid_index(int index) { return index >= 0 && index < MSG_LISTS; }

void reset_draw_position()
{
    g.draw_x = 15;
    g.draw_y = 20;
}

void collect(const char* text)
{
    if (!valid_index(g.current)) return;
    MsgList& list = g.lists[g.current];
    if (list.free) return;
    // What the slot keeps of the text: at most 498 characters.
    char kept[MSG_LINE_SIZE];
    snprintf(kept, sizeof kept - 1, "%s", text);
    kept[kStoredTextMax] = '\0';
    const size_t len = strlen(kept);
    // A message that an existing line begins with is already there.
    if (len > 2) {
        for (int i = 0; i < list.count; ++i)
            if (strncmp(list.lines + (size_t)i * MSG_LINE_SIZE, kept, len) == 0) return;
    }
    if (list.count >= list.capacity) {
        const int capacity = list.capacity + MSG_LIST_GROWTH;
        list.lines = static_cast<char*>(Mem_Realloc(list.lines, capacity * MSG_LINE_SIZE, 0));
        list.capacity = capacity;
    }
    char* slot = list.lines + (size_t)list.count * MSG_LINE_SIZE;
    memcpy(slot, kept, len);
    slot[len] = '\n';
    slot[len + 1] = '\0';
    ++list.count;
}

void console_line(const char* text) { Console_Printf("%s\n", Msg_Skip_Codes(text)); }

// The output step: the finished text goes out by the current mode, never
// formatted again.
void output_text(const char* text)
{
    if (g.console && (g.output_mode == 0 || g.output_mode == 4)) g.output_mode = 1;
    switch (g.output_mode) {
        case 1: console_line(text); break;
        case 2: collect(text); break;
        case 3: break;
        case 4:
            if (g_draw != nullptr)
                g_draw(text);
            else
                console_line(text);
            break;
        default: PrintMessage(Msg_Skip_Codes(text)); break;
    }
}

void output_in_mode(int mode, const char* text)
{
    const int previous = g.output_mode;
    g.output_mode = mode;
    if (mode == 4) reset_draw_position();
    output_text(text);
    g.output_mode = previous;
    if (previous == 4) reset_draw_position();
}

// Formats into buf (kTextSize bytes); false when there is nothing to say.
bool format_text(char* buf, const char* fmt, va_list ap)
{
    if (!g.on || fmt == nullptr || fmt[0] == '\0') return false;
    vsnprintf(buf, kTextSize, fmt, ap);
    return true;
}

void compose_and_output(int mode, const char* pattern, const char* fmt, va_list ap)
{
    char text[kTextSize];
    if (!format_text(text, fmt, ap)) return;
    char line[kComposedMax + 1];
    snprintf(line, sizeof line, pattern, text);
    if (mode < 0)
        output_text(line);
    else
        output_in_mode(mode, line);
}

int ask(int flag)
{
    if (!g.on || g.output_mode == 1 || !valid_index(g.current)) return 0;
    const MsgList& list = g.lists[g.current];
    if (list.free) return 0;
    Init_Message();
    if (list.title[0] != '\0') Set_Message_Title(list.title);
    if (list.symbol > 0) Set_Message_Symbol(list.symbol, 0, 0, 0);
    for (int i = 0; i < list.count; ++i) {
        char line[MSG_LINE_SIZE];
        snprintf(line, sizeof line, "%s", Msg_Skip_Codes(list.lines + (size_t)i * MSG_LINE_SIZE));
        const size_t len = strlen(line);
        if (len > 0 && line[len - 1] == '\n') line[len - 1] = '\0';
        Fill_Message(line);
    }
    return Answer_is_Yes(flag);
}

} // namespace

MessageCollector* Msg_Collector() { return &g; }

void Msg_Set_Draw_Hook(MsgDrawLineFct draw) { g_draw = draw; }

void Msg_On() { g.on = 1; }

void Msg_Off() { g.on = 0; }

void Msg_Set_Output_Mode(int mode)
{
    g.output_mode = mode;
    if (mode == 4) reset_draw_position();
}

void Msg_Set_Console(int on) { g.console = on; }

int Msg_Output_Mode() { return g.output_mode; }

int Msg_Would_Show()
{
    if (!g.on) return 0;
    int mode = g.output_mode;
    if (g.console && (mode == 0 || mode == 4)) mode = 1;
    switch (mode) {
        case 1: return Console_Is_On() ? 1 : 0;
        case 2:
        case 3: return 0;
        case 4: return g_draw == nullptr && Console_Is_On() ? 1 : 0;
        default: return 1;
    }
}

const char* Msg_Skip_Codes(const char* line)
{
    if (line == nullptr) return "";
    while (line[0] == '^' && line[1] != '\0') line += 2;
    return line;
}

void Msg_Printf(const char* fmt, ...)
{
    char text[kTextSize];
    va_list ap;
    va_start(ap, fmt);
    const bool ok = format_text(text, fmt, ap);
    va_end(ap);
    if (ok) output_text(text);
}

void Msg_Printf_Mode(int mode, const char* fmt, ...)
{
    char text[kTextSize];
    va_list ap;
    va_start(ap, fmt);
    const bool ok = format_text(text, fmt, ap);
    va_end(ap);
    if (ok) output_in_mode(mode, text);
}

void Msg_Collect(const char* fmt, ...)
{
    char text[kTextSize];
    va_list ap;
    va_start(ap, fmt);
    const bool ok = format_text(text, fmt, ap);
    va_end(ap);
    if (ok) output_in_mode(2, text);
}

#define KOV_MSG_COMPOSE(mode, pattern)                                                                                 \
    do {                                                                                                               \
        va_list ap;                                                                                                    \
        va_start(ap, fmt);                                                                                             \
        compose_and_output((mode), (pattern), fmt, ap);                                                                \
        va_end(ap);                                                                                                    \
    } while (0)

void Msg_Fehler(int mode, const char* fmt, ...) { KOV_MSG_COMPOSE(mode, "^bFEHLER: %s!"); }

void Msg_Warnung(int mode, const char* fmt, ...) { KOV_MSG_COMPOSE(mode, "^bWARNUNG: %s!"); }

void Msg_Hinweis(int mode, const char* fmt, ...) { KOV_MSG_COMPOSE(mode, "^bHINWEIS: %s."); }

void Msg_Fehler_Current(const char* fmt, ...) { KOV_MSG_COMPOSE(-1, "^bFEHLER: %s!"); }

void Msg_Warnung_Current(const char* fmt, ...) { KOV_MSG_COMPOSE(-1, "^bWARNUNG: %s!"); }

void Msg_Hinweis_Current(const char* fmt, ...) { KOV_MSG_COMPOSE(-1, "^bHINWEIS: %s."); }

#undef KOV_MSG_COMPOSE

int Msg_List_New()
{
    for (int i = 0; i < MSG_LISTS; ++i) {
        MsgList& list = g.lists[i];
        if (!list.free) continue;
        list.free = 0;
        list.count = 0;
        list.capacity = 0;
        list.lines = nullptr;
        list.title[0] = '\0';
        list.symbol = -1;
        g.current = i;
        return i;
    }
    return -1;
}

int Msg_List_Select(int index)
{
    if (!valid_index(index)) return 2;
    if (g.lists[index].free) return 1;
    g.current = index;
    return 0;
}

int Msg_List_Set_Title(int index, const char* title)
{
    if (!valid_index(index)) return 2;
    MsgList& list = g.lists[index];
    if (list.free) return 1;
    snprintf(list.title, sizeof list.title, "%s", title != nullptr ? title : "");
    return 0;
}

int Msg_List_Set_Symbol(int index, int symbol)
{
    if (!valid_index(index)) return 2;
    MsgList& list = g.lists[index];
    if (list.free) return 1;
    list.symbol = symbol;
    return 0;
}

int Msg_List_Count(int index)
{
    if (!valid_index(index) || g.lists[index].free) return 0;
    return g.lists[index].count;
}

int Msg_Current_Count() { return Msg_List_Count(g.current); }

const char* Msg_List_Line(int index, int i)
{
    if (!valid_index(index)) return nullptr;
    const MsgList& list = g.lists[index];
    if (list.free || i < 0 || i >= list.count) return nullptr;
    return list.lines + (size_t)i * MSG_LINE_SIZE;
}

int Msg_Ask_Yes_No() { return ask(1); }

int Msg_Ask_Yes_No_Alt() { return ask(0); }

void Msg_List_Free(int index)
{
    if (!valid_index(index)) return;
    MsgList& list = g.lists[index];
    if (list.free) return;
    list.title[0] = '\0';
    if (list.capacity > 0) Mem_Free_Null(reinterpret_cast<void**>(&list.lines));
    list.lines = nullptr;
    list.count = 0;
    list.capacity = 0;
    list.free = 1;
}

void Msg_Reset()
{
    for (int i = 0; i < MSG_LISTS; ++i) Msg_List_Free(i);
    g = make_initial();
    g_draw = nullptr;
}
