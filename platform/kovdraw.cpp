// Drawing primitives without a screen: they record what they were asked to do.
#include "platform/kovdraw.h"

#include "platform/kovhost.h"
#include "platform/kovscript.h"

#include <atomic>
#include <cstring>
#include <string>

int NPIXEL_X = 1920;
int NPIXEL_Y = 1080;
int BUTTON_CI = (192 << 16) | (192 << 8) | 192;

namespace {

std::atomic<int> g_cursor{0};
std::atomic<int> g_buffer{0};
std::atomic<intptr_t> g_next_rect{1};

int clamp255(int v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

std::string text_of(const char* text, int len)
{
    if (!text) return std::string();
    if (len < 0) return std::string(text);
    return std::string(text, ::strnlen(text, size_t(len)));
}

} // namespace

extern "C" {

int Nearest_RGB_Color(int r, int g, int b)
{
    return (clamp255(r) << 16) | (clamp255(g) << 8) | clamp255(b);
}

int Nearest_Color_Index(int r, int g, int b)
{
    return Nearest_RGB_Color(r, g, b);
}

void pxFgc(int color)
{
    Kov_Script_Log("pxFgc %d", color);
}

void pxLine(int x1, int y1, int x2, int y2)
{
    Kov_Script_Log("pxLine %d %d %d %d", x1, y1, x2, y2);
}

void pxRect(int x1, int y1, int x2, int y2)
{
    Kov_Script_Log("pxRect %d %d %d %d", x1, y1, x2, y2);
}

void pxFill(int x1, int y1, int x2, int y2)
{
    Kov_Script_Log("pxFill %d %d %d %d", x1, y1, x2, y2);
}

void pxText(int x, int y, const char* text, int len)
{
    Kov_Script_Log("pxText %d %d %s", x, y, text_of(text, len).c_str());
}

int pxQTxX(const char* text, int len)
{
    return int(text_of(text, len).size()) * 8;
}

void pxFlsh(void)
{
    Kov_Script_Log("pxFlsh");
}

int pxBuff(int state)
{
    int old = g_buffer.exchange(state);
    Kov_Script_Log("pxBuff %d", state);
    return old;
}

intptr_t Save_Screen_Rectangle(int x1, int y1, int x2, int y2)
{
    intptr_t h = g_next_rect.fetch_add(1);
    Kov_Script_Log("Save_Screen_Rectangle %d %d %d %d", x1, y1, x2, y2);
    return h;
}

void Restore_Screen_Rectangle(intptr_t handle)
{
    Kov_Script_Log("Restore_Screen_Rectangle %s", handle > 0 ? "ok" : "none");
}

int pxDrawPartialTransparentDIB(const char* file, int sx, int sy, int sw, int sh, int x1, int y1, int x2,
                                int y2, int t1, int t2, int t3, int t4, int t5)
{
    Kov_Script_Log("pxDrawPartialTransparentDIB %s %d %d %d %d %d %d %d %d %d %d %d %d %d",
                   file ? file : "", sx, sy, sw, sh, x1, y1, x2, y2, t1, t2, t3, t4, t5);
    return 1;
}

void Pop_RFont(int flags)
{
    Kov_Script_Log("Pop_RFont %d", flags);
}

void Push_RFont(void)
{
    Kov_Script_Log("Push_RFont");
}

void setMouseCursor(int shape)
{
    g_cursor.store(shape);
    Kov_Script_Log("setMouseCursor %d", shape);
}

int currentMouseCursor(void)
{
    return g_cursor.load();
}

int ShowKOVProcessWindow(int pid, int how)
{
    Kov_Script_Log("ShowKOVProcessWindow %d %d", pid, how);
    return CheckKOVProcess(pid) ? 0 : 1;
}

} // extern "C"
