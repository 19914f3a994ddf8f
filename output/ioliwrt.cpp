// Text lines of the output list and the layout state shared by its writers.
#include "output/ioliwrt.h"
#include "output/olilocale.h"

#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>

#include "base/kovmem.h"
#include "base/kovversion.h"
#include "output/iolipara.h"
#include "output/ioliplot.h"
#include "platform/kovoli.h"
#include "platform/olirecords.h"

namespace {

const double kLine = 0.38;
const double kSmallLine = 0.286;
const int kParagraphLevel = 334; // above: paragraph form

OliLayoutState g_layout = {17.0, 0.0f, 0.0f, 7, 0, {0}, nullptr, 0};

const int kCharsPerLine[11] = {106, 106, 165, 125, 96, 73, 106, 106, 132, 132, 165};

bool paragraph_form() { return Oli_Get_Level() > kParagraphLevel; }

void format_line(char* buf, size_t size, const char* fmt, va_list ap)
{
    OliCLocaleScope numeric_c;
    if (!fmt) {
        buf[0] = '\0';
        return;
    }
    if (vsnprintf(buf, size, fmt, ap) < 0) buf[0] = '\0';
}

bool ends_with_line_feed(const char* text)
{
    size_t n = std::strlen(text);
    return n > 0 && text[n - 1] == '\n';
}

// The text literally through the paragraph writer in font, with a line break
// when it has none, as one paragraph. Long texts go in pieces the paragraph
// writer accepts; the pieces join into the same line.
void paragraph_text(FILE* f, int font, const char* text)
{
    Oli_Para_Set_Font(font);
    const size_t piece = 900;
    size_t n = std::strlen(text);
    for (size_t i = 0; i < n; i += piece) {
        size_t len = n - i < piece ? n - i : piece;
        Oli_Para_Printf(f, "%.*s", (int)len, text + i);
    }
    if (!ends_with_line_feed(text)) Oli_Para_Printf(f, "\n");
    Oli_Para_End(f);
}

void legacy_text(FILE* f, const char* text)
{
    File_Printf(f, " %s", text);
    if (!ends_with_line_feed(text)) File_Printf(f, "\n");
}

void pass_margins(FILE* f) { OLI_setMarginsCM(f, 1, g_layout.left_margin, g_layout.right_margin); }

// Trailing zeros of every decimal number dropped: 1.500 -> 1.5, 2.000 -> 2.
std::string strip_zeros(const char* s)
{
    std::string out;
    size_t n = std::strlen(s);
    size_t i = 0;
    while (i < n) {
        out += s[i];
        if (std::isdigit((unsigned char)s[i]) && i + 2 < n && s[i + 1] == '.' &&
            std::isdigit((unsigned char)s[i + 2])) {
            size_t j = i + 2;
            size_t last_nonzero = 0; // index after the last non-zero digit, 0 none
            while (j < n && std::isdigit((unsigned char)s[j])) {
                if (s[j] != '0') last_nonzero = j + 1;
                j++;
            }
            if (last_nonzero) out.append(s + i + 1, last_nonzero - (i + 1));
            i = j;
            continue;
        }
        i++;
    }
    return out;
}

std::string replace_keep_markup(const std::string& text, const char* find, const char* replacement)
{
    static const char* const kCodes[] = {"\xCE\\",
                                         "\xCE/",
                                         "\xCE_",
                                         "\xCE"
                                         "u",
                                         "\xCE"
                                         "b",
                                         "\xCE"
                                         "s"};
    size_t flen = find ? std::strlen(find) : 0;
    if (flen == 0) return text;
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, flen, find) == 0) {
            out += replacement ? replacement : "";
            for (const char* code : kCodes)
                if (Oli_Markup_Active(text.c_str(), code, (int)i)) out += code;
            i += flen;
        } else {
            out += text[i++];
        }
    }
    return out;
}

void ensure_text_buffer(int size)
{
    if (g_layout.text_size >= size) return;
    g_layout.text = (char*)Mem_Realloc(g_layout.text, size, 0);
    g_layout.text_size = size;
}

// Steps of Oli_Text before the output: strip zeros, superscripts 2 and 3.
const char* prepare_text(const char* formatted)
{
    std::string s = g_layout.strip_zeros ? strip_zeros(formatted) : std::string(formatted);
    s = replace_keep_markup(s, "\xFD",
                            "\xCE/2\xCE"
                            "r");
    s = replace_keep_markup(s, "\xFA",
                            "\xCE/3\xCE"
                            "r");
    // The buffer holds the whole text: a line with many superscripts is not cut.
    int need = (int)std::strlen(formatted) + 20;
    if ((int)s.size() + 1 > need) need = (int)s.size() + 1;
    ensure_text_buffer(need);
    std::memcpy(g_layout.text, s.c_str(), s.size() + 1);
    return g_layout.text;
}

void text_block(FILE* f, const char* text)
{
    if (!f) return;
    if (paragraph_form()) {
        paragraph_text(f, 3, text);
        return;
    }
    File_Printf(f, OLI_REC_SHOWTABLE "\n 0 0 1\n");
    legacy_text(f, text);
    File_Printf(f, " 0 0 0 0\n");
    OLI_setYPositionCM(f, 1, -0.85f);
}

void text_at_tab(FILE* f, double position, const char* text)
{
    if (!f) return;
    Oli_Para_Set_Font(g_layout.font);
    Oli_Para_Set_Tabs(50, nullptr, &position, 1);
    Oli_Para_Printf(f, "%s", text);
    if (!ends_with_line_feed(text)) Oli_Para_Printf(f, "\n");
    Oli_Para_Clear_Tabs();
    Oli_Para_End(f);
}

} // namespace

// ---- layout state ------------------------------------------------------------------

double Oli_Get_Text_Width(void) { return g_layout.text_width; }
void Oli_Set_Text_Width(double cm) { g_layout.text_width = cm; }

void Oli_Set_Left_Margin(FILE* f, float cm)
{
    g_layout.left_margin = cm;
    pass_margins(f);
}

float Oli_Get_Left_Margin(void) { return g_layout.left_margin; }

void Oli_Set_Right_Margin(FILE* f, float cm)
{
    g_layout.right_margin = cm;
    pass_margins(f);
}

float Oli_Get_Right_Margin(void) { return g_layout.right_margin; }
void Oli_Set_Font(int font) { g_layout.font = font; }
int Oli_Get_Font(void) { return g_layout.font; }
void Oli_Set_Strip_Zeros(int on) { g_layout.strip_zeros = on; }
int Oli_Get_Strip_Zeros(void) { return g_layout.strip_zeros; }

void Oli_Reset_Layout(void)
{
    void* text = g_layout.text;
    if (text) Mem_Free_Null(&text);
    g_layout = OliLayoutState{17.0, 0.0f, 0.0f, 7, 0, {0}, nullptr, 0};
}

// ---- text lines ----------------------------------------------------------------------

void Oli_Text(FILE* f, const char* fmt, ...)
{
    char buf[OLI_TEXT_MAX + 1];
    va_list ap;
    va_start(ap, fmt);
    format_line(buf, sizeof buf, fmt, ap);
    va_end(ap);
    const char* text = prepare_text(buf);
    if (!f) return;

    if (paragraph_form()) {
        paragraph_text(f, g_layout.font, text);
        return;
    }
    const bool space_below = std::strstr(text, "\xCE_") != nullptr;
    File_Printf(f, OLI_REC_SHOWTABLE "\n 0 0 0\n 0 0 -1 -1\n");
    legacy_text(f, text);
    if (space_below) File_Printf(f, " \n");
    File_Printf(f, OLI_REC_END_OF_TEXT "\n");
    if (space_below) OLI_setYPositionCM(f, 1, (float)-kLine);
    OLI_setYPositionCM(f, 1, -0.6011333f);
}

void Oli_Text_Block(FILE* f, const char* fmt, ...)
{
    char buf[OLI_TEXT_MAX + 1];
    va_list ap;
    va_start(ap, fmt);
    format_line(buf, sizeof buf, fmt, ap);
    va_end(ap);
    text_block(f, buf);
}

void Oli_Text_Block_Forced(FILE* f, const char* fmt, ...)
{
    char buf[OLI_TEXT_MAX + 1];
    va_list ap;
    va_start(ap, fmt);
    format_line(buf, sizeof buf, fmt, ap);
    va_end(ap);
    text_block(f, buf);
}

void Oli_Title_Line(FILE* f, const char* fmt, ...)
{
    char buf[OLI_TEXT_MAX + 1];
    va_list ap;
    va_start(ap, fmt);
    format_line(buf, sizeof buf, fmt, ap);
    va_end(ap);
    if (!f) return;
    if (paragraph_form()) {
        paragraph_text(f, 5, buf);
        return;
    }
    File_Printf(f, OLI_REC_SHOWTABLE "\n 1 0 0\n");
    legacy_text(f, buf);
    File_Printf(f, " 0 0 0 0\n");
    OLI_setYPositionCM(f, 1, -0.9f);
}

void Oli_Text_At_Tab(FILE* f, double position, const char* text) { text_at_tab(f, position, text ? text : ""); }

void Oli_Text_At_Tab_Printf(FILE* f, double position, const char* fmt, ...)
{
    char buf[OLI_TEXT_MAX + 1];
    va_list ap;
    va_start(ap, fmt);
    format_line(buf, sizeof buf, fmt, ap);
    va_end(ap);
    text_at_tab(f, position, buf);
}

void Oli_Text_Check_Mark(FILE* f, const char* text, int ok)
{
    Oli_Text(f, "%s", text ? text : "");
    if (!f || ok) return;
    float saved = g_layout.left_margin;
    OLI_setYPositionCM(f, 1, (float)-kLine);
    g_layout.left_margin = (float)g_layout.text_width;
    pass_margins(f);
    Oli_Text(f, "\xCE"
                "b!!");
    g_layout.left_margin = saved;
    pass_margins(f);
}

void Oli_Version_Line(FILE* f, const char* program_id)
{
    OliCLocaleScope numeric_c;
    if (!f) return;
    char id[100];
    std::snprintf(id, sizeof id, "%s", program_id ? program_id : "");
    const char* version = Read_Version_File(id);
    std::string text;
    if (version) {
        text = version;
    } else {
        for (char* p = id; *p; ++p) *p = (char)std::toupper((unsigned char)*p);
        text = std::string(id) + " Version: ???";
    }
    if (text.empty()) return;

    float saved = g_layout.left_margin;
    g_layout.left_margin = (float)(saved - (double)text.size() * 0.13333 + (g_layout.text_width + 1.0));
    pass_margins(f);
    Oli_Text_Block(f, "%s", text.c_str());
    g_layout.left_margin = saved;
    pass_margins(f);
}

// ---- vertical moves -------------------------------------------------------------------

void Oli_Move_Lines(FILE* f, double lines)
{
    if (f) OLI_setYPositionCM(f, 1, (float)(lines * kLine));
}

void Oli_Move_Cm(FILE* f, double cm)
{
    if (f) OLI_setYPositionCM(f, 1, (float)cm);
}

void Oli_Set_Y_Mode4(FILE* f)
{
    if (f) OLI_setYPositionCM(f, 4, 0.0f);
}

void Oli_Reserve_Lines(FILE* f, double lines)
{
    if (f) OLI_reserveSpaceCM(f, (float)(lines * kLine));
}

void Oli_Reserve_Small_Lines(FILE* f, double lines)
{
    if (f) OLI_reserveSpaceCM(f, (float)(lines * kSmallLine));
}

int Oli_Chars_Per_Line(int font)
{
    int chars = (font >= 0 && font <= 10) ? kCharsPerLine[font] : 96;
    double w = g_layout.text_width;
    if (w == 0.0) return chars;
    return (int)std::round(chars * (w - g_layout.left_margin) / w);
}

int Oli_Chars_Per_Line_Current(void) { return Oli_Chars_Per_Line(g_layout.font); }

// ---- Y positions -------------------------------------------------------------------------

int Oli_Store_Y_Position(FILE* f)
{
    if (!f) return -1;
    for (int i = 0; i < OLI_Y_SLOTS; i++) {
        if (!g_layout.y_slots[i]) {
            g_layout.y_slots[i] = 1;
            OLI_storeYPosition(f, i);
            return i;
        }
    }
    Console_Printf("Fehler in 'ioliwrt': Kein Positionierungsindex mehr frei!\n");
    std::fflush(nullptr);
    return -1;
}

void Oli_Restore_Y_Position(FILE* f, int slot)
{
    if (!f || slot < 0 || slot >= OLI_Y_SLOTS) return;
    if (g_layout.y_slots[slot]) OLI_restoreYPosition(f, slot);
    g_layout.y_slots[slot] = 0;
}

void Oli_Restore_Y_Keep(FILE* f, int slot)
{
    if (!f || slot < 0 || slot >= OLI_Y_SLOTS) return;
    if (g_layout.y_slots[slot]) OLI_restoreYPosition(f, slot);
}

void Oli_Free_Y_Position(int slot)
{
    if (slot >= 0 && slot < OLI_Y_SLOTS) g_layout.y_slots[slot] = 0;
}

void Oli_Reset_Y_Positions(void)
{
    for (int& s : g_layout.y_slots) s = 0;
}

// ---- mark-up -------------------------------------------------------------------------------

int Oli_Markup_Active(const char* text, const char* code, int position)
{
    if (!text || !code || !*code || position <= 0) return 0;
    size_t clen = std::strlen(code);
    size_t tlen = std::strlen(text);
    size_t pos = (size_t)position < tlen ? (size_t)position : tlen;
    // The last occurrence of the code that lies wholly before the position.
    long last = -1;
    for (size_t i = 0; i + clen <= pos; i++)
        if (std::memcmp(text + i, code, clen) == 0) last = (long)i;
    if (last < 0) return 0;
    for (size_t i = (size_t)last + clen; i + 2 <= pos; i++)
        if ((unsigned char)text[i] == 0xCE && text[i + 1] == 'r') return 0;
    return 1;
}

int Oli_Subscript_Active(const char* text, int position) { return Oli_Markup_Active(text, "\xCE\\", position); }
int Oli_Superscript_Active(const char* text, int position) { return Oli_Markup_Active(text, "\xCE/", position); }
int Oli_Space_Below_Active(const char* text, int position) { return Oli_Markup_Active(text, "\xCE_", position); }
int Oli_Bold_Active(const char* text, int position)
{
    return Oli_Markup_Active(text,
                             "\xCE"
                             "b",
                             position);
}
int Oli_S_Active(const char* text, int position)
{
    return Oli_Markup_Active(text,
                             "\xCE"
                             "s",
                             position);
}

int Oli_Replace_Keep_Markup(char* buffer, const char* find, const char* replacement, int size)
{
    if (!buffer || size <= 0) return 0;
    std::string s = replace_keep_markup(std::string(buffer), find, replacement);
    size_t keep = s.size() < (size_t)size - 1 ? s.size() : (size_t)size - 1;
    std::memcpy(buffer, s.data(), keep);
    buffer[keep] = '\0';
    return (int)s.size();
}

int Oli_Trimmed_Length(const char* text)
{
    if (!text) return 0;
    int n = (int)std::strlen(text);
    while (n > 0 && text[n - 1] == ' ') n--;
    return n;
}

int Oli_Display_Width(const char* text)
{
    if (!text) return 0;
    int n = 0; // characters standing in a sub- or superscript
    bool script = false;
    for (const unsigned char* p = (const unsigned char*)text; *p; ++p) {
        if (*p == 0xCE) {
            unsigned char code = p[1];
            if (!code) break;
            if (code == '\\' || code == '/')
                script = true;
            else if (code == 'r')
                script = false;
            if (code == '{') {
                // A group is not displayed: skip it up to its closing brace.
                const unsigned char* close = (const unsigned char*)std::strchr((const char*)p + 2, '}');
                if (!close) break;
                p = close;
                continue;
            }
            ++p;
            continue;
        }
        if (script) n++;
    }
    return MT_String_Length(text) - (int)(n * 0.19999999999999996);
}
