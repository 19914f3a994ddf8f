// Message lines drawn into the current mask page, with their codes and the
// inline mark-up.
#include "sheets/msgpage.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "base/kovmsg.h"
#include "sheets/maskelem.h"

namespace {

const char kMark = '\xCE';

int g_active = 1; // every drawn part is an active label

// Draws a plain part; its width.
int plain(int x, int y, const std::string& text)
{
    if (text.empty()) return 0;
    return Mask_Add_Label_By_State(x, y, text.c_str(), &g_active);
}

// Draws the part of a code; its width.
int coded(int x, int y, char code, const std::string& text)
{
    switch (std::tolower(static_cast<unsigned char>(code))) {
        case 'c': {
            // "<colour> <text>": the colour as a decimal number, one blank.
            const char* s = text.c_str();
            char* end = nullptr;
            const long colour = std::strtol(s, &end, 10);
            if (end == s) return plain(x, y, text);
            if (*end == ' ') ++end;
            const int before = Mask_Get_Text_Color();
            Mask_Set_Text_Color(int(colour));
            const int w = plain(x, y, end);
            Mask_Set_Text_Color(before);
            return w;
        }
        case 'b': return text.empty() ? 0 : Mask_Add_Framed_Label(x, y, text.c_str(), &g_active);
        default: return 0;
    }
}

} // namespace

void Msg_Draw_Line(const char* line)
{
    if (!line) return;
    std::string text(line);
    if (!text.empty() && text.back() == '\n') text.pop_back();

    unsigned font = 0x1000;
    int step = 16;
    size_t i = 0;
    while (i + 1 < text.size() && text[i] == '^') {
        if (text[i + 1] == 'b')
            font |= 0x10000;
        else if (text[i + 1] == 'p')
            font ^= 0x1000;
        else if (text[i + 1] == '2')
            step = 8;
        i += 2;
    }
    Mask_Set_Font(font);

    MessageCollector* c = Msg_Collector();
    int x = c->draw_x;
    const int y = c->draw_y;
    std::string part;
    while (i < text.size()) {
        if (text[i] != kMark) {
            part += text[i++];
            continue;
        }
        if (i + 1 >= text.size()) break; // a mark without its code letter
        x += plain(x, y, part);
        part.clear();
        const char code = text[i + 1];
        i += 2;
        const size_t close = text.find(kMark, i);
        const std::string inner = text.substr(i, close == std::string::npos ? std::string::npos : close - i);
        x += coded(x, y, code, inner);
        // Behind the closing mark comes its code letter.
        i = close == std::string::npos ? text.size() : std::min(close + 2, text.size());
    }
    plain(x, y, part);
    c->draw_y += step;
}

void Msg_Use_Page_Drawing(void) { Msg_Set_Draw_Hook(Msg_Draw_Line); }
