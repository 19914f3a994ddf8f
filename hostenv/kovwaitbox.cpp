// The wait box on the host's message window.
#include "hostenv/kovwaitbox.h"

#include "hostenv/kovtools.h"
#include "platform/kovhost.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

const int kStatusSize = 256;

int g_shown = 0;
char g_status[kStatusSize];
// The status line last printed in a batch run, so that a repeated update
// does not fill the console.
char g_printed[kStatusSize];

bool messages_on() { return Msg_Collector()->on != 0; }

void show(const char* status)
{
    const int cx = NPIXEL_X / 2, cy = NPIXEL_Y / 2;
    if (!g_shown) {
        Init_Message();
        for (int i = 0; i < 6; ++i) Fill_Message(" ");
        Fill_Message("................... Bitte etwas Geduld ...................");
        Fill_Message(" ");
        Show_Message();
        Kov_Start_Spinner(cx - 48, cy - 62);
        g_printed[0] = '\0';
    }
    pxFgc(GetKOVColor(-1));
    pxRect(cx - 131, cy + 47, cx + 123, cy + 59);
    pxFgc(BLACK_CI);
    pxSFnt(0x1002);
    pxBTxt(cx, cy + 53, cx, cy + 53, status, -1, 210);
    pxFlsh();
    g_shown = 1;
    // Nobody sees the screen in a batch run: the console gets each new line,
    // as it gets the message window's lines.
    if (Kov_Ui_Mode() == KOV_UI_BATCH && std::strcmp(status, g_printed) != 0) {
        std::fprintf(stderr, "%s\n", status);
        std::snprintf(g_printed, sizeof g_printed, "%s", status);
    }
}

void format(const char* fmt, va_list ap)
{
    g_status[0] = '\0';
    if (fmt) std::vsnprintf(g_status, sizeof g_status, fmt, ap);
}

} // namespace

void Wait_Box_Printf(const char* fmt, ...)
{
    if (!messages_on()) return;
    va_list ap;
    va_start(ap, fmt);
    format(fmt, ap);
    va_end(ap);
    show(g_status);
}

void Wait_Box_Update(const char* fmt, ...)
{
    if (!messages_on() || !g_shown) return;
    va_list ap;
    va_start(ap, fmt);
    format(fmt, ap);
    va_end(ap);
    show(g_status);
}

void Wait_Box_Close()
{
    if (!messages_on() || !g_shown) return;
    Kov_Stop_Spinner();
    Quit_Message();
    g_shown = 0;
}

int Wait_Box_Shown() { return g_shown; }
