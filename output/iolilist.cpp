// Component-frame services of the output list: its head, the position file,
// error boxes and the error list, «»-texts and text utilities.
#include "output/iolilist.h"
#include "output/olilocale.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/kovfile.h"
#include "base/kovmem.h"
#include "platform/kovcp.h"
#include "platform/kovdraw.h"
#include "platform/kovhost.h"
#include "platform/kovoli.h"
#include "platform/kovpath.h"
#include "platform/olitable.h"

namespace {

enum {
    kNumberMax = 6,
    kTitleMax = 50,
    kReadLineMax = 64 * 1024 // bytes of a position-file line kept at most
};

char g_number[kNumberMax + 1] = "";
char g_title[kTitleMax + 1] = "";
// Nothing in this program sets the suffixes: they stay empty.
const char* const kPositionFileSuffix = "";
const char* const kListSuffix = "";
int g_colours_done = 0;
int g_geometry_done = 0;
int g_geometry[13];
char g_static_text[100];

// One whole line with its line feed (when it has one) into line; overlong
// lines keep their first kReadLineMax bytes. false at the end of the file.
bool read_line(FILE* f, std::string* line)
{
    line->clear();
    int c;
    while ((c = std::fgetc(f)) != EOF) {
        if (line->size() < (size_t)kReadLineMax) *line += (char)c;
        if (c == '\n') break;
    }
    return !line->empty() || c != EOF;
}

// A line as the reader's bounded buffer took it: at most limit bytes.
std::string cut(const std::string& line, size_t limit) { return line.substr(0, limit); }

// The text without its line end (line feed, and the carriage return of a
// Windows file before it).
std::string without_line_end(std::string s)
{
    size_t lf = s.find('\n');
    if (lf != std::string::npos) s.erase(lf);
    if (!s.empty() && s.back() == '\r') s.pop_back();
    return s;
}

void set_text(char* dst, size_t size, const std::string& s) { std::snprintf(dst, size, "%s", s.c_str()); }

int error_box(const char* text, int code)
{
    Oli_Show_Message(text);
    return code;
}

const unsigned char* conversion_table()
{
    static unsigned char table[256];
    static bool built = false;
    if (built) return table;
    for (int b = 0; b < 256; ++b) {
        const int t = Kov_Cp_Byte_Of(KOV_CP1252, Kov_Cp_Code_Point(KOV_CP850, (unsigned char)b));
        table[b] = (unsigned char)(t >= 0 ? t : '?');
    }
    // Box drawing: corners, crossings and T-pieces, horizontal and vertical lines.
    for (int b : {0xBB, 0xBC, 0xBF, 0xC0, 0xC3, 0xC5, 0xC8, 0xC9, 0xCE, 0xD9, 0xDA}) table[b] = '+';
    for (int b : {0xC1, 0xC2, 0xC4, 0xCA, 0xCB, 0xCD}) table[b] = '-';
    for (int b : {0xB3, 0xB4, 0xB9, 0xBA, 0xCC}) table[b] = 0xA6;
    // Shades and blocks, and the greater-or-equal sign.
    for (int b : {0xB0, 0xB1, 0xB2, 0xDB, 0xDC, 0xFE, 0xF2}) table[b] = '_';
    table[0xDF] = 0xB7;
    table[0xD5] = 'i';
    table[0x9F] = 0x83;
    table[0x0F] = 0xA4;
    table[0x14] = 0xB6;
    table[0x15] = 0xA7;
    table[0xFF] = ' ';
    built = true;
    return table;
}

} // namespace

// ---- the list's head ------------------------------------------------------------------

FILE* Oli_Open_List(const char* number, const char* title, int continue_list)
{
    FILE* f = Base_Fopen(kListSuffix, "w");
    if (!f) return nullptr;
    if (!continue_list) File_Printf(f, "#NEWPAGE\n");
    OLI_setFlags(f, 896);
    OLI_setLayout(f, 4115);
    File_Printf(f, "#CONTENTS\n");
    File_Printf(f, " POS. %s: %s\n", number ? number : "", title ? title : "");
    return f;
}

// ---- the position file -------------------------------------------------------------------

int Oli_Read_Position_File_Path(const char* path)
{
    g_number[0] = '\0';
    g_title[0] = '\0';
    if (!path) return 1;
    FILE* f = Kov_Fopen(path, "r");
    if (!f) return 1;
    std::string line1, line2, line3;
    if (!read_line(f, &line1)) {
        std::fclose(f);
        return 1;
    }
    line1 = cut(line1, 100);
    if (read_line(f, &line2)) {
        set_text(g_number, sizeof g_number, without_line_end(cut(line2, 10)));
        if (!read_line(f, &line3)) {
            std::fclose(f);
            return 1;
        }
        set_text(g_title, sizeof g_title, without_line_end(cut(line3, 100)));
        std::fclose(f);
        return 0;
    }
    // One line: "number:title".
    const std::string text = without_line_end(line1);
    const size_t colon = text.find(':');
    set_text(g_number, sizeof g_number, text.substr(0, colon));
    if (colon != std::string::npos) set_text(g_title, sizeof g_title, text.substr(colon + 1));
    std::fclose(f);
    return 0;
}

int Oli_Read_Position_File(const char* name)
{
    std::string path = std::string(name ? name : "").substr(0, 4) + kPositionFileSuffix;
    return Oli_Read_Position_File_Path(path.c_str());
}

const char* Oli_Position_Number(void) { return g_number; }
const char* Oli_Position_Title(void) { return g_title; }

// ---- message boxes ------------------------------------------------------------------------

void Oli_Show_Message(const char* text)
{
    Init_Message();
    Fill_Message(text ? text : "");
    Draw_Message();
}

int Oli_Error_Read(void) { return error_box("Lesefehler !!!", 101); }
int Oli_Error_Write(void) { return error_box("Schreibfehler !!!", 102); }
int Oli_Error_Data(void) { return error_box("Datenfehler !!!", 103); }
void Oli_Frame_Nothing(void) {}

// ---- the error list -------------------------------------------------------------------------

FILE* Oli_Error_List_Open(const char* suffix)
{
    FILE* f = Base_Fopen(suffix, "w+");
    if (f) File_Printf(f, "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n");
    return f;
}

int Oli_Error_List_Add(FILE* f, int code, const char* text)
{
    if (f) File_Printf(f, " %s\n", text ? text : "");
    return code;
}

void Oli_Error_List_Show(FILE* f)
{
    if (!f) return;
    std::fseek(f, 0, SEEK_END);
    File_Printf(f, "#END_OF_TEXT\n");
    std::fflush(f);
    std::rewind(f);
    if (!g_geometry_done) {
        Oli_Table_Colours_Init();
        const int g[13] = {512, 5, 5, NPIXEL_X - 12, NPIXEL_Y - 12, (NPIXEL_X - 7) / 2, (NPIXEL_Y - 7) / 2, 0, 0, 0,
                           0,   0, 0};
        std::memcpy(g_geometry, g, sizeof g_geometry);
        g_geometry_done = 1;
    }
    OLITable* table = readOLITableFromFILE(f);
    OLITablePropSheet("Fehlermeldungen", 0, table, g_geometry);
    deleteOLITable(table);
}

int Oli_Error_List_Append_File(FILE* dst, FILE* src)
{
    if (!dst || !src) return 1;
    std::rewind(src);
    char piece[200];
    while (std::fgets(piece, sizeof piece, src)) File_Printf(dst, "%s", piece);
    File_Printf(dst, "#END_OF_TEXT\n");
    return 0;
}

int Oli_Error_List_Append_Failed(FILE* dst, FILE* src)
{
    if (!dst) return 1;
    // "Der Nachweis kann nicht geführt werden ==>" in bold
    File_Printf(dst, " \xCE"
                     "bDer Nachweis kann nicht gef\x81hrt werden ==>\xCE"
                     "r\n");
    File_Printf(dst, "#END_OF_TEXT\n");
    if (src) Oli_Error_List_Append_File(dst, src);
    return 0;
}

int Oli_Table_Colours_Init(void)
{
    if (g_colours_done) return 1;
    g_colours_done = 1;
    OLITableColours c;
    if (!getOLITableColours(&c)) return 0;
    c.colour[0] = c.colour[1] = Nearest_Color_Index(240, 240, 240);
    c.colour[4] = BUTTON_CI;
    return setOLITableColours(&c);
}

// ---- «»-texts ---------------------------------------------------------------------------------

int Oli_Read_Guillemet_Text(FILE* f, char* buf)
{
    if (!f || !buf) return 1;
    return std::fscanf(f, " \xAE%100[^\xAF]\xAF", buf) == 1 ? 0 : 1;
}

int Oli_Write_Guillemet_Line(FILE* f, const char* text)
{
    if (!f || !text) return 1;
    return std::fprintf(f, "\xAE%s\xAF\n", text) < 0 ? 1 : 0;
}

// ---- text utilities ------------------------------------------------------------------------------

void Oli_Picture_Preview(const char* name, int a, int b)
{
    const std::string n = name ? name : "";
    pxFgc(Nearest_Color_Index(235, 245, 225));
    pxRect(7, 42, NPIXEL_X - 8, NPIXEL_Y - 8);
    // The picture directory is empty here: the picture is looked for where
    // it is drawn from, not in the root folder that an empty directory
    // followed by a separator would name.
    const std::string bmp = n + ".BMP";
    if (Kov_Ui_Picture_Found(bmp.c_str())) {
        pxDrawTransparentDIB(bmp.c_str(), 5, 40, NPIXEL_X - 6, NPIXEL_Y - 6, 210, -1, -1, -1, -1);
    } else {
        const std::string rpc = n + ".RPC";
        Draw_RPC_File(rpc.c_str(), a, b);
    }
    pxFgc(Nearest_Color_Index(170, 170, 170));
    pxText(NPIXEL_X - 71, NPIXEL_Y - 10, n.c_str(), -1);
    pxFlsh();
}

const char* Oli_Compare_Symbol_Le(float a, float b)
{
    if (a < b) return "<";
    if (a > b) return ">";
    return "\xF3"; // less or equal in the list font
}

const char* Oli_Compare_Symbol_Ge(float a, float b)
{
    if (a > b) return ">";
    if (a < b) return "<";
    return "\xF2"; // greater or equal in the list font
}

const char* Oli_Sprintf_Static(const char* fmt, ...)
{
    OliCLocaleScope numeric_c;
    g_static_text[0] = '\0';
    if (!fmt) return g_static_text;
    va_list ap;
    va_start(ap, fmt);
    const int n = vsnprintf(g_static_text, sizeof g_static_text, fmt, ap);
    va_end(ap);
    if (n < 0 || n >= (int)sizeof g_static_text) g_static_text[0] = '\0';
    return g_static_text;
}

unsigned char Oli_Cp850_To_Cp1252(unsigned char byte) { return conversion_table()[byte]; }

char* Oli_Strip_Markup(char* text, int strip, int convert)
{
    if (!text) return nullptr;
    if (strip) {
        unsigned char* in = (unsigned char*)text;
        unsigned char* out = in;
        while (*in) {
            if (*in != 0xCE) {
                *out++ = *in++;
                continue;
            }
            if (!in[1]) break; // a mark-up byte at the very end
            if (in[1] == '{') {
                in += 2;
                while (*in && *in != '}' && *in != '\n') ++in;
                if (*in == '}') ++in; // a line feed stays
                continue;
            }
            in += 2;
        }
        *out = '\0';
    }
    if (convert) {
        const unsigned char* table = conversion_table();
        for (unsigned char* p = (unsigned char*)text; *p; ++p) *p = table[*p];
    }
    return text;
}

void Oli_Reset_List_Services(void)
{
    g_number[0] = '\0';
    g_title[0] = '\0';
    g_colours_done = 0;
    g_geometry_done = 0;
    g_static_text[0] = '\0';
}
