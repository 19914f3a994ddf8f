// The short editors of the host's user-interface library on the screen stand-in.
#include "platform/kovedit.h"

#include "platform/kovevent.h"
#include "platform/kovscreen.h"
#include "platform/kovscreen_p.h"
#include "platform/kovscript.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const int kFont = 0x1000;     // the normal sheet font
const int kCharWidth = 8;     // of that font
const int kBoxHeight = 20;    // the box runs from y to y + kBoxHeight
const int kFloatMax = 511;    // the longest number text (the fields' working buffer)
const int kTextMax = 1 << 20; // a bound on what a caller may announce

int g_last_key = 0;
int g_scroll_max = -1;

// A format is one conversion of a double with its flags, width and precision,
// and any text around it ("%%" included). Anything else could read what is not
// there, so it is replaced.
bool valid_format(const char* f)
{
    if (!f) return false;
    int conversions = 0;
    for (const char* p = f; *p; ++p) {
        if (*p != '%') continue;
        ++p;
        if (*p == '%') continue;
        while (*p && std::strchr("-+ #0", *p)) ++p;
        for (int n = 0; std::isdigit((unsigned char)*p); ++p)
            if (++n > 3) return false;
        if (*p == '.') {
            ++p;
            for (int n = 0; std::isdigit((unsigned char)*p); ++p)
                if (++n > 3) return false;
        }
        if (*p == 'l') ++p;
        if (!*p || !std::strchr("feEgGaA", *p)) return false;
        ++conversions;
    }
    return conversions == 1;
}

std::string format_value(const char* format, double v)
{
    char buf[kFloatMax + 1];
    const char* f = valid_format(format) ? format : "%g";
    const int n = std::snprintf(buf, sizeof buf, f, v);
    if (n < 0) return std::string();
    return std::string(buf, size_t(std::min(n, kFloatMax)));
}

std::string trimmed(const std::string& s)
{
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
    return s.substr(a, b - a);
}

bool parse_number(const std::string& text, double* out)
{
    std::string t = trimmed(text);
    for (char& c : t)
        if (c == ',') c = '.';
    // Sign, digits with at most one point, an exponent: nothing else (no hex,
    // no "inf", no "nan" that strtod would take).
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t digits = 0;
    while (i < t.size() && std::isdigit((unsigned char)t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit((unsigned char)t[i])) ++i, ++digits;
    }
    if (!digits) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        size_t e = 0;
        while (i < t.size() && std::isdigit((unsigned char)t[i])) ++i, ++e;
        if (!e) return false;
    }
    if (i != t.size()) return false;
    const double v = std::strtod(t.c_str(), nullptr); // LC_NUMERIC stays "C"
    if (!std::isfinite(v)) return false;
    *out = v;
    return true;
}

// Draws with the callers' drawing state kept.
struct Plain {
    kovscreen::DrawState keep;
    Plain() : keep(kovscreen::push_plain_state()) {}
    ~Plain() { kovscreen::pop_state(keep); }
};

struct LineEdit {
    std::string text;
    int max = 0;       // most bytes
    int visible = 1;   // characters shown at a time
    int cursor = 0;    // before this byte
    int first = 0;     // the first byte shown
    bool fresh = true; // the whole text selected: typing replaces it
    bool changed = false;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    int len() const { return int(text.size()); }
    int text_x() const { return x1 + 8; }
    int base() const { return y1 + 14; }
    bool inside(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }

    void keep_cursor_shown()
    {
        first = std::min(first, cursor);
        if (cursor - first > visible) first = cursor - visible;
        first = std::max(0, std::min(first, len()));
    }

    void draw() const
    {
        {
            Plain p;
            pxFgc(WHITE_CI);
            pxRect(x1 + 1, y1 + 1, x2 - 1, y2 - 1);
            pxFgc(BLACK_CI);
            pxLine(x1, y1, x2, y1);
            pxLine(x2, y1, x2, y2);
            pxLine(x2, y2, x1, y2);
            pxLine(x1, y2, x1, y1);
            pxView(x1 + 2, y1 + 1, x2 - 2, y2 - 1);
            Pop_RFont(kFont);
            const int shown = std::min(visible, len() - first);
            if (fresh && len() > 0) {
                pxFgc(Nearest_RGB_Color(0, 120, 215));
                pxRect(text_x() - 1, base() - 11, text_x() + shown * kCharWidth, base() + 3);
                pxFgc(WHITE_CI);
            } else {
                pxFgc(BLACK_CI);
            }
            if (shown > 0) pxText(text_x(), base(), text.data() + first, shown);
            if (!fresh) {
                const int cx = text_x() + (cursor - first) * kCharWidth;
                pxFgc(BLACK_CI);
                pxLine(cx, base() - 11, cx, base() + 3);
            }
            Push_RFont();
        }
        pxFlsh();
    }

    void take_fresh()
    {
        if (!fresh) return;
        fresh = false;
        cursor = len();
    }

    void clear_fresh()
    {
        fresh = false;
        text.clear();
        cursor = first = 0;
        changed = true;
    }

    // Returns the key that ends the edit, or -1 to go on.
    int key(int k)
    {
        switch (k) {
            case 13:
            case 9:
            case 27:
            case 328:
            case 336: return k;
            case 8: // Backspace
                if (fresh) {
                    clear_fresh();
                } else if (cursor > 0) {
                    text.erase(size_t(cursor - 1), 1);
                    --cursor;
                    changed = true;
                }
                break;
            case 339: // Delete
                if (fresh) {
                    clear_fresh();
                } else if (cursor < len()) {
                    text.erase(size_t(cursor), 1);
                    changed = true;
                }
                break;
            case 331: // Left
                take_fresh();
                cursor = std::max(0, cursor - 1);
                break;
            case 333: // Right
                take_fresh();
                cursor = std::min(len(), cursor + 1);
                break;
            case 327: // Home
                take_fresh();
                cursor = 0;
                break;
            case 335: // End
                take_fresh();
                cursor = len();
                break;
            default:
                if (k < 32 || k > 255 || k == 127) break;
                if (fresh) clear_fresh();
                if (len() >= max) break; // refused
                text.insert(size_t(cursor), 1, char(k));
                ++cursor;
                changed = true;
                break;
        }
        keep_cursor_shown();
        return -1;
    }

    // The cursor onto the character boundary nearest to x.
    void click(int x)
    {
        take_fresh();
        const int rel = x - text_x() + kCharWidth / 2;
        cursor = std::max(0, std::min(len(), first + (rel < 0 ? 0 : rel / kCharWidth)));
        keep_cursor_shown();
    }

    // Runs the edit until it ends; returns the ending key, 0 for a click
    // outside or no input left.
    int run()
    {
        const QImage below = kovscreen::copy_region(x1, y1, x2 - x1 + 1, y2 - y1 + 1);
        keep_cursor_shown();
        draw();
        int end = 0;
        KovMessage m;
        for (;;) {
            InitKOVMessage(&m);
            const int r = GetKOVMessage(0x14022, &m);
            if (r == 0x10000) {
                end = key(getkey());
                if (end >= 0) break;
                draw();
                continue;
            }
            if (r != 2) continue;
            if (Kov_Ui_Last_Answer_Exhausted()) {
                end = 0;
                break;
            }
            const int kind = Kov_Ui_Last_Mouse_Event();
            if (kind == KOV_EV_WHEEL) {
                M_SCROLL = 0;
                continue;
            }
            if (kind != KOV_EV_PRESS) continue;
            if (M_LEFT && inside(M_XPOS, M_YPOS)) {
                click(M_XPOS);
                draw();
                continue;
            }
            if (inside(M_XPOS, M_YPOS)) continue; // the right button inside
            Kov_Ui_Put_Back_Press();
            end = 0;
            break;
        }
        kovscreen::paste_region(below, x1, y1);
        pxFlsh();
        g_last_key = end;
        return end;
    }
};

} // namespace

extern "C" {

int Short_Edit_Float(int x, int y, const char* format, double* value)
{
    if (!value) {
        Kov_Script_Log("Short_Edit_Float %d %d NULL -> 0", x, y);
        return 0;
    }
    LineEdit e;
    const std::string shown = format_value(format, *value);
    e.text = trimmed(shown);
    e.max = kFloatMax;
    e.visible = std::max(2, int(shown.size()));
    e.cursor = e.len();
    e.x1 = x;
    e.y1 = y;
    e.x2 = x + e.visible * kCharWidth + 16;
    e.y2 = y + kBoxHeight;
    const int end = e.run();
    double v;
    if (end != 27 && e.changed && parse_number(e.text, &v)) *value = v;
    const int r = (end == 13 || end == 9) ? end : 0;
    Kov_Script_Log("Short_Edit_Float %d %d %s -> %d key %d value %.17g", x, y, format ? format : "NULL", r, end,
                   *value);
    return r;
}

int Short_Edit_Text(int x, int y, char* buffer, int visible, int flag)
{
    const int maximum = g_scroll_max >= 0 ? g_scroll_max : visible;
    g_scroll_max = -1;
    if (!buffer) {
        Kov_Script_Log("Short_Edit_Text %d %d NULL %d %d -> 0", x, y, visible, flag);
        return 0;
    }
    LineEdit e;
    e.max = std::max(0, std::min(maximum, kTextMax));
    e.text.assign(buffer, strnlen(buffer, size_t(e.max)));
    const std::string old = e.text;
    e.visible = std::max(1, std::min(visible, 512));
    e.cursor = e.len();
    e.x1 = x;
    e.y1 = y;
    e.x2 = x + e.visible * (kCharWidth + 1) + 16;
    e.y2 = y + kBoxHeight;
    const int end = e.run();
    if (end != 27 && e.text != old) {
        std::memcpy(buffer, e.text.data(), e.text.size());
        buffer[e.text.size()] = 0;
    }
    const int r = (end == 13 || end == 9) ? end : 0;
    Kov_Script_Log("Short_Edit_Text %d %d %d %d %d -> %d key %d %s", x, y, e.max, visible, flag, r, end,
                   kovscreen::text_of(buffer, int(strnlen(buffer, size_t(e.max)))).c_str());
    return r;
}

void Set_Short_Edit_Text_Scrollmode(int maximum)
{
    Kov_Script_Log("Set_Short_Edit_Text_Scrollmode %d", maximum);
    g_scroll_max = std::max(0, maximum);
}

int Short_Edit_Last_Key(void) { return g_last_key; }

void Short_Edit_Clear_Last_Key(void) { g_last_key = 0; }

int Kov_Format_Float(const char* format, double value, char* out, int n)
{
    if (!out || n <= 0) return 0;
    const std::string s = format_value(format, value);
    const int len = std::min(int(s.size()), n - 1);
    std::memcpy(out, s.data(), size_t(len));
    out[len] = 0;
    return len;
}

int Kov_Parse_Float(const char* text, double* value)
{
    if (!text || !value) return 0;
    return parse_number(text, value) ? 1 : 0;
}

} // extern "C"
