// Numbered headings of the output list and the bookmarks they feed.
#include <cstdarg>
#include <cstring>
#include <string>

#include "base/kovmem.h"
#include "output/iolipara.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"
#include "output/olilocale.h"
#include "platform/kovoli.h"
#include "platform/olirecords.h"

namespace {

const int kParagraphLevel = 334;

OliHeadingState initial_state()
{
    OliHeadingState s;
    std::memset(&s, 0, sizeof s);
    s.max_level = 3;
    for (int& st : s.styles) st = 1;
    s.open_depth = -1;
    s.bookmark_depth = 2;
    s.bookmark_limit = 3;
    s.printing = 1;
    std::strcpy(s.number_text, "???");
    return s;
}

OliHeadingState g_head = initial_state();

enum BookmarkMode { kBookmarks, kNoBookmark, kCallerCode };

double spacing_of_style(int style) { return style == 1 ? 0.28 : 0.48; }

int clamp_level(int level) { return level < 1 ? 1 : (level > 6 ? 6 : level); }

// x of the heading text in the column layout.
double text_position()
{
    double x = 0.0;
    int m = g_head.max_level;
    for (int i = 0; i < m && i < 6; i++) x += g_head.spacings[i];
    if (m <= 2)
        x += 0.35;
    else if (m == 3)
        x += 0.3;
    else if (m == 4)
        x += 0.2;
    else
        x += 0.35;
    return x;
}

void set_margin(FILE* f, double left) { Oli_Set_Left_Margin(f, (float)left); }

void legacy_record(FILE* f, double x, double y, const char* text, bool bold)
{
    const double dx[4] = {0.0, 0.01, 0.0, 0.01};
    const double dy[4] = {0.0, 0.0, 0.01, 0.01};
    int times = bold ? 4 : 1;
    for (int i = 0; i < times; i++) File_Printf(f, " 2 %lf %lf %c%s%c\n", x + dx[i], y + dy[i], 0xAE, text, 0xAF);
}

void write_heading(FILE* f, int level, BookmarkMode mode, int caller_code, const char* text)
{
    if (!f || level < 0) return;

    int code = 0;
    int opening_limit = g_head.bookmark_depth - 1;
    if (g_head.bookmark_limit < opening_limit) opening_limit = g_head.bookmark_limit;
    if (level >= 1 && level <= opening_limit) {
        if (mode == kBookmarks) {
            int closes = 0;
            if (g_head.open_depth == level)
                closes = 1;
            else if (g_head.open_depth > level)
                closes = g_head.open_depth - level + 1;
            for (int i = 0; i < closes; i++) OLI_setBookmark(f, 17, nullptr);
        }
        // The open depth follows only the levels really opened, so that closing
        // them at the end stays balanced.
        if (mode == kBookmarks || (mode == kCallerCode && caller_code == 16)) g_head.open_depth = level;
        code = 16;
    }
    if (mode == kCallerCode) code = caller_code;

    if (level == 0) {
        if (!g_head.printing) return; // nothing to count, nothing to show
        Oli_Move_Cm(f, 0.114);
        int font = Oli_Para_Get_Font();
        if (font != 4) Oli_Para_Set_Font(4);
        Oli_Para_Printf(f,
                        "\xCEH%s\xCE"
                        "r\n",
                        text);
        if (font != 4) Oli_Para_Set_Font(font);
        Oli_Para_End(f);
        return;
    }

    const bool paragraph = Oli_Get_Level() > kParagraphLevel;
    const int n = level > 6 ? 6 : level;

    // Common to both forms.
    if (g_head.max_level <= 0) g_head.max_level = 1;
    if (n > g_head.max_level) g_head.max_level = n;
    g_head.counters[n - 1]++;
    for (int i = n; i < 6; i++) g_head.counters[i] = 0;
    if (n == 1) g_head.indent = 0.0;
    const bool bold = paragraph ? n >= 2 : (n == 2 || n == 3);
    const bool numbered = !g_head.unnumbered;
    std::string number;
    if (numbered) {
        char part[16];
        for (int i = 0; i < n; i++) {
            std::snprintf(part, sizeof part, "%d.", g_head.counters[i]);
            number += part;
        }
        std::snprintf(g_head.number_text, sizeof g_head.number_text, "%s", number.c_str());
    }
    const double x = text_position();
    const bool with_bookmark = mode != kNoBookmark && g_head.bookmark_depth >= n;
    const std::string bookmark = numbered ? "\xCE@" + number + " " + text : std::string(text);

    if (paragraph) {
        if (g_head.printing) {
            set_margin(f, g_head.indent);
            Oli_Move_Cm(f, 0.254);
            OLI_reserveSpaceCM(f, 3.0f);
        }
        std::string line = text;
        if (numbered) line = "\xCE@" + number + (g_head.inline_numbers ? " " : "\t") + text;
        if (with_bookmark) OLI_setBookmark(f, code, bookmark.c_str());
        if (g_head.printing) {
            Oli_Para_Set_Font(n == 1 ? 5 : 4);
            if (numbered && !g_head.inline_numbers) Oli_Para_Set_Tabs(17, nullptr, &x, 1);
            if (n == 1)
                Oli_Para_Printf(f, "%s\n", line.c_str());
            else
                Oli_Para_Printf(f,
                                "\xCEH%s\xCE"
                                "r\n",
                                line.c_str());
            if (n == 1) {
                Oli_Para_Add_Space(0.1);
                Oli_Para_End(f);
                Oli_Move_Cm(f, 0.1);
            } else {
                Oli_Para_End(f);
            }
            double left = (g_head.inline_numbers || g_head.unnumbered) ? 0.0 : x;
            set_margin(f, left + g_head.indent);
        }
    } else {
        set_margin(f, g_head.indent);
        OLI_reserveSpaceCM(f, 3.0f);
        File_Printf(f, OLI_REC_SHOWGRAFIC "\n 0 0 0\n 0 0 0\n");
        File_Printf(f, "%d\n", -1);
        File_Printf(f, " %lf %lf %lf %lf\n", 0.0, 17.0, 0.0, n == 1 ? 0.8 : 0.7);
        File_Printf(f, " 7 %d\n", n == 1 ? 5 : 4);
        const double y = n == 1 ? 0.2 : 0.1;
        if (!numbered) {
            legacy_record(f, 0.0, y, text, bold);
        } else if (g_head.inline_numbers) {
            legacy_record(f, 0.0, y, (number + " " + text).c_str(), bold);
        } else {
            char part[16];
            for (int i = 0; i < n; i++) {
                std::snprintf(part, sizeof part, "%d.", g_head.counters[i]);
                legacy_record(f, i * g_head.spacings[i], y, part, bold);
            }
            legacy_record(f, x, y, text, bold);
        }
        File_Printf(f, " -1\n");
        if (with_bookmark) {
            OLI_setBookmark(f, code, bookmark.c_str());
            OLI_setBookmark(f, 15, "");
        }
        Oli_Move_Cm(f, -0.6);
        set_margin(f, (g_head.inline_numbers || g_head.indent != 0.0) ? 0.0 : x);
    }
    if (n == 1) Oli_Move_Cm(f, -0.19);
}

void heading_v(FILE* f, int level, BookmarkMode mode, int code, const char* fmt, va_list ap)
{
    OliCLocaleScope numeric_c;
    if (!f || level < 0) return;
    char text[OLI_TEXT_MAX + 1];
    if (!fmt || vsnprintf(text, sizeof text, fmt, ap) < 0) text[0] = '\0';
    write_heading(f, level, mode, code, text);
}

} // namespace

void Oli_Init_Headings(int max_level, int style, unsigned flags)
{
    for (int& c : g_head.counters) c = 0;
    g_head.max_level = max_level > 6 ? 6 : max_level;
    for (int i = 0; i < 6; i++) {
        g_head.styles[i] = style;
        g_head.spacings[i] = spacing_of_style(style);
    }
    g_head.open_depth = -1;
    g_head.inline_numbers = (flags & 1u) ? 1 : 0;
    g_head.unnumbered = (flags & 2u) ? 1 : 0;
}

void Oli_Heading(FILE* f, int level, const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    heading_v(f, level, kBookmarks, 0, fmt, ap);
    va_end(ap);
}

void Oli_Heading_Silent(FILE* f, int level, const char* fmt, ...)
{
    int saved = g_head.printing;
    g_head.printing = 0;
    va_list ap;
    va_start(ap, fmt);
    heading_v(f, level, kBookmarks, 0, fmt, ap);
    va_end(ap);
    g_head.printing = saved;
}

void Oli_Heading_No_Bookmark(FILE* f, int level, const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    heading_v(f, level, kNoBookmark, 0, fmt, ap);
    va_end(ap);
}

void Oli_Heading_Bookmark_Code(FILE* f, int level, int code, const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    heading_v(f, level, kCallerCode, code, fmt, ap);
    va_end(ap);
}

void Oli_Close_Bookmarks(FILE* f)
{
    if (!f) return;
    for (int i = 0; i < g_head.open_depth; i++) OLI_setBookmark(f, 17, nullptr);
}

int Oli_Get_Heading_Counter(int level) { return g_head.counters[clamp_level(level) - 1]; }

void Oli_Set_Heading_Counter(int level, int value) { g_head.counters[clamp_level(level) - 1] = value; }

void Oli_Next_Heading_Counter(int level) { g_head.counters[clamp_level(level) - 1]++; }

void Oli_Set_Heading_Styles(const int* styles)
{
    if (styles && g_head.max_level > 0)
        for (int i = 0; i < g_head.max_level && i < 6; i++) g_head.styles[i] = styles[i];
    for (int i = 0; i < 6; i++) g_head.spacings[i] = spacing_of_style(g_head.styles[i]);
}

void Oli_Set_Bookmark_Depth(int depth) { g_head.bookmark_depth = depth; }
void Oli_Set_Bookmark_Limit(int limit) { g_head.bookmark_limit = limit; }
void Oli_Headings_Unnumbered_On(void) { g_head.unnumbered = 1; }
void Oli_Headings_Unnumbered_Off(void) { g_head.unnumbered = 0; }
const char* Oli_Heading_Number_Text(void) { return g_head.number_text; }
void Oli_Reset_Headings(void) { g_head = initial_state(); }
