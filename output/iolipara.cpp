// Paragraph and picture writer of the output list.
#include "output/iolipara.h"
#include "output/olilocale.h"

#include <cstdarg>
#include <cstring>
#include <string>

#include "base/kovfile.h"
#include "base/kovtxt.h"
#include "platform/kovhost.h"
#include "platform/kovpath.h"
#include "platform/olirecords.h"

namespace {

const int kMaxTabs = 100;
const int kTextSize = 1000;

enum ParaState { kUnused = 0, kReady = 1, kLineStart = 2, kInLine = 3 };

struct ParaModule {
    int state;
    OliParaFormat current;
    OliParaFormat written;
    int change_counter;
    int written_counter;
    int tab_count; // 0 none, 1..100 stops, -1 one regular spacing
    double tab_pos[kMaxTabs];
    int tab_kind[kMaxTabs];
};

ParaModule g_para;

// Every record goes through the host's stream table.
KovFprintfFct out() { return KOV_Stdio_Fprintf_Fct(); }

bool same_bytes(const void* a, const void* b, size_t n) { return std::memcmp(a, b, n) == 0; }

// Field by field, each field compared bytewise (no padding bytes involved).
bool same_format(const OliParaFormat& a, const OliParaFormat& b)
{
    return a.flags == b.flags && a.head_a == b.head_a && a.head_b == b.head_b && a.font == b.font &&
           same_bytes(&a.space, &b.space, sizeof a.space) && same_bytes(&a.length_d, &b.length_d, sizeof a.length_d) &&
           a.space_units == b.space_units && a.length_d_units == b.length_d_units &&
           same_bytes(&a.length_b, &b.length_b, sizeof a.length_b) &&
           same_bytes(&a.length_c, &b.length_c, sizeof a.length_c) && a.length_b_units == b.length_b_units &&
           a.length_c_units == b.length_c_units && same_bytes(&a.factor, &b.factor, sizeof a.factor) &&
           a.pair[0] == b.pair[0] && a.pair[1] == b.pair[1] && a.tab_writer == b.tab_writer && a.user == b.user;
}

void first_use()
{
    if (g_para.state != kUnused) return;
    Oli_Para_Format_Defaults(&g_para.current);
    Oli_Para_Format_Defaults(&g_para.written);
    g_para.tab_count = 0;
    g_para.change_counter = 0;
    g_para.written_counter = 0;
    g_para.state = kReady;
}

// The module's tab writer: the stops or the spacing of the module state.
int module_tab_writer(FILE* f, void*)
{
    if (g_para.tab_count < 0) return Oli_Write_Tab_Spacing(f, (unsigned)g_para.tab_kind[0], g_para.tab_pos[0]);
    return Oli_Write_Tab_List(f, 0, g_para.tab_kind, g_para.tab_pos, g_para.tab_count);
}

void tabs_changed()
{
    g_para.change_counter++;
    g_para.current.tab_writer = module_tab_writer;
}

// End-line flags shared by a change and the end of a paragraph.
unsigned end_line_flags(double space)
{
    unsigned flags = 0;
    if (g_para.written.flags & OLI_PARA_END_FLAG) flags |= 0x2000;
    if ((g_para.current.flags & 0x80) && (g_para.written.flags & 0x80)) flags |= 0x100;
    if (space != 0.0) flags |= 0x1000;
    return flags;
}

} // namespace

// ---- formats ----------------------------------------------------------------------

void Oli_Para_Format_Defaults(OliParaFormat* fmt)
{
    if (!fmt) return;
    std::memset(fmt, 0, sizeof *fmt);
    fmt->font = 4;
    fmt->space_units = 2;
    fmt->length_d_units = 2;
    fmt->length_b_units = 2;
    fmt->length_c_units = 2;
    fmt->factor = 1.0;
}

int Oli_Para_Unit_Code(int unit_flags)
{
    if (unit_flags & 2) return 2;
    if (unit_flags & 1) return 1;
    return 4;
}

int Oli_Write_Para_Format(FILE* f, const OliParaFormat* fmt, int with_keyword)
{
    OliCLocaleScope numeric_c;
    if (!f) return -1;
    OliParaFormat defaults;
    if (!fmt) {
        Oli_Para_Format_Defaults(&defaults);
        fmt = &defaults;
    }
    unsigned flags = fmt->flags & ~(unsigned)(OLI_PARA_HEAD_A | OLI_PARA_HEAD_B | OLI_PARA_SPACE | OLI_PARA_LENGTHS_BC |
                                              OLI_PARA_TABS | OLI_PARA_PAIR | OLI_PARA_FACTOR | OLI_PARA_LENGTH_D);
    if (fmt->head_a) flags |= OLI_PARA_HEAD_A;
    if (fmt->head_b) flags |= OLI_PARA_HEAD_B;
    if (fmt->space != 0.0) flags |= OLI_PARA_SPACE;
    if (fmt->length_b != 0.0 || fmt->length_c != 0.0) flags |= OLI_PARA_LENGTHS_BC;
    if (fmt->tab_writer) flags |= OLI_PARA_TABS;
    if (fmt->pair[0] != 0 || fmt->pair[1] != 0) flags |= OLI_PARA_PAIR;
    if (fmt->factor != 1.0) flags |= OLI_PARA_FACTOR;
    if (fmt->length_d != 0.0) flags |= OLI_PARA_LENGTH_D;

    KovFprintfFct pf = out();
    if (with_keyword && pf(f, "\n#SHOWPARA\n") < 0) return -1;
    if (pf(f, "0x%x\n", flags) < 0) return -1;
    if (fmt->head_a && !fmt->head_a(f, fmt->user)) return -1;
    if (fmt->head_b && !fmt->head_b(f, fmt->user)) return -1;
    if (pf(f, "%d\n", fmt->font) < 0) return -1;
    if ((flags & OLI_PARA_SPACE) && pf(f, "%d %.6g\n", Oli_Para_Unit_Code(fmt->space_units), fmt->space) < 0) return -1;
    if ((flags & OLI_PARA_LENGTHS_BC) && pf(f, "%d %.6g %d %.6g\n", Oli_Para_Unit_Code(fmt->length_b_units),
                                            fmt->length_b, Oli_Para_Unit_Code(fmt->length_c_units), fmt->length_c) < 0)
        return -1;
    if ((flags & OLI_PARA_TABS) && !fmt->tab_writer(f, fmt->user)) return -1;
    if ((flags & OLI_PARA_FACTOR) && pf(f, "%.6g\n", fmt->factor) < 0) return -1;
    if ((flags & OLI_PARA_LENGTH_D) && pf(f, "%d %.6g\n", Oli_Para_Unit_Code(fmt->length_d_units), fmt->length_d) < 0)
        return -1;
    if ((flags & OLI_PARA_PAIR) && pf(f, "%d %d\n", fmt->pair[0], fmt->pair[1]) < 0) return -1;
    return 0;
}

int Oli_Write_Para_Head(FILE* f, const OliParaFormat* fmt) { return Oli_Write_Para_Format(f, fmt, 1); }

int Oli_Write_Para_Change(FILE* f, const OliParaEnd* end, const OliParaFormat* fmt)
{
    OliCLocaleScope numeric_c;
    if (!f) return -1;
    KovFprintfFct pf = out();
    if (!end) {
        if (pf(f, "0x%x\n", 4u) < 0) return -1;
    } else if (end->space != 0.0) {
        if (pf(f, "0x%x\n", (unsigned)end->flags | 0x1004u) < 0) return -1;
        if (pf(f, "%d %.6g\n", Oli_Para_Unit_Code(end->space_units), end->space) < 0) return -1;
    } else {
        if (pf(f, "0x%x\n", ((unsigned)end->flags & ~0x1000u) | 0x4u) < 0) return -1;
    }
    return Oli_Write_Para_Format(f, fmt, 0);
}

int Oli_Write_Para_End(FILE* f, const OliParaEnd* end)
{
    OliCLocaleScope numeric_c;
    if (!f) return -1;
    KovFprintfFct pf = out();
    if (!end) {
        if (pf(f, "0x%x\n", 0u) < 0) return -1;
    } else if (end->space != 0.0) {
        if (pf(f, "0x%x\n", ((unsigned)end->flags | 0x1000u) & ~0x4u) < 0) return -1;
        if (pf(f, "%d %.6g\n", Oli_Para_Unit_Code(end->space_units), end->space) < 0) return -1;
    } else {
        if (pf(f, "0x%x\n", (unsigned)end->flags & ~0x1004u) < 0) return -1;
    }
    return pf(f, "%d\n", -1) < 0 ? -1 : 0;
}

int Oli_Write_Tab_List(FILE* f, unsigned int kind, const int* kinds, const double* positions, int n)
{
    OliCLocaleScope numeric_c;
    if (!f) return 0;
    if (n < 0) n = 0;
    if (n > 0 && !positions) return 0;
    KovFprintfFct pf = out();
    if (pf(f, "0x%x %d\n", 0u, n) < 0) return 0;
    for (int i = 0; i < n; i++) {
        int k = kinds ? kinds[i] : (int)kind;
        if (pf(f, "%d %.6g\n", Oli_Para_Unit_Code(k), positions[i]) < 0) return 0;
    }
    return 1;
}

int Oli_Write_Tab_Spacing(FILE* f, unsigned int kind, double spacing)
{
    OliCLocaleScope numeric_c;
    if (!f) return 0;
    KovFprintfFct pf = out();
    if (pf(f, "0x%x\n", 2u) < 0) return 0;
    if (pf(f, "%d %.6g\n", Oli_Para_Unit_Code((int)kind), spacing) < 0) return 0;
    return 1;
}

int Oli_Write_Block_End(FILE* f)
{
    if (!f) return -1;
    return out()(f, "%d\n", -1) < 0 ? -1 : 0;
}

int Oli_Write_End_Of_Text(FILE* f)
{
    if (!f) return -1;
    return out()(f, OLI_REC_END_OF_TEXT "\n") < 0 ? -1 : 0;
}

// ---- the paragraph writer -----------------------------------------------------------

int Oli_Para_Begin(void)
{
    first_use();
    Oli_Para_Format_Defaults(&g_para.current);
    g_para.tab_count = 0;
    g_para.change_counter++;
    return 0;
}

int Oli_Para_Set_Font(int font)
{
    first_use();
    g_para.current.font = font;
    return 0;
}

int Oli_Para_Get_Font(void)
{
    first_use();
    return g_para.current.font;
}

int Oli_Para_Add_Space(double space)
{
    first_use();
    g_para.current.space += space;
    return 0;
}

int Oli_Para_Set_Length_D(double d)
{
    first_use();
    g_para.current.length_d = d;
    return 0;
}

double Oli_Para_Get_Length_D(void)
{
    first_use();
    return g_para.current.length_d;
}

int Oli_Para_Set_Factor(double factor)
{
    first_use();
    g_para.current.factor = factor;
    return 0;
}

double Oli_Para_Get_Factor(void)
{
    first_use();
    return g_para.current.factor;
}

int Oli_Para_Set_Length_B(double b)
{
    first_use();
    g_para.current.length_b = b;
    return 0;
}

double Oli_Para_Get_Length_B(void)
{
    first_use();
    return g_para.current.length_b;
}

int Oli_Para_Set_Length_C(double c)
{
    first_use();
    g_para.current.length_c = c;
    return 0;
}

double Oli_Para_Get_Length_C(void)
{
    first_use();
    return g_para.current.length_c;
}

unsigned int Oli_Para_Set_Flags(unsigned int flags)
{
    first_use();
    g_para.current.flags =
        (g_para.current.flags & ~(unsigned)OLI_PARA_CALLER_BITS) | (flags & (unsigned)OLI_PARA_CALLER_BITS);
    return g_para.current.flags;
}

int Oli_Para_Set_End_Flag(void)
{
    first_use();
    g_para.written.flags |= OLI_PARA_END_FLAG;
    return 0;
}

// The tab operations leave the first-use set-up alone: stops set before any
// other paragraph operation are dropped by it.
int Oli_Para_Set_Tabs(int kind, const int* kinds, const double* positions, int n)
{
    if (n > 0 && positions) {
        if (n > kMaxTabs) n = kMaxTabs;
        for (int i = 0; i < n; i++) {
            g_para.tab_pos[i] = positions[i];
            g_para.tab_kind[i] = kinds ? kinds[i] : kind;
        }
        g_para.tab_count = n;
        tabs_changed();
        return 0;
    }
    return Oli_Para_Clear_Tabs();
}

int Oli_Para_Clear_Tabs(void)
{
    if (g_para.tab_count != 0) {
        g_para.tab_count = 0;
        tabs_changed();
    }
    return 0;
}

int Oli_Para_Set_Tab_Spacing(int kind, double spacing)
{
    if (spacing > 0.0) {
        g_para.tab_count = -1;
        g_para.tab_pos[0] = spacing;
        g_para.tab_kind[0] = kind;
        tabs_changed();
        return 0;
    }
    return Oli_Para_Clear_Tabs();
}

int Oli_Para_Printf(FILE* f, const char* fmt, ...)
{
    OliCLocaleScope numeric_c;
    if (!f || !fmt) return -1;
    char text[kTextSize];
    va_list ap;
    va_start(ap, fmt);
    int len = vsnprintf(text, sizeof text, fmt, ap);
    va_end(ap);
    if (len < 0 || len >= kTextSize) return -1;

    first_use();
    KovFprintfFct pf = out();
    if (g_para.state == kReady) {
        if (Oli_Write_Para_Head(f, &g_para.current) < 0) return -1;
        if (pf(f, "%d\n", -1) < 0) return -1;
        g_para.state = kLineStart;
        g_para.change_counter = 0;
        g_para.written_counter = 0;
        g_para.current.space = 0.0;
        g_para.written = g_para.current;
    } else if (!same_format(g_para.written, g_para.current) || g_para.change_counter != g_para.written_counter) {
        if (g_para.state == kInLine) {
            if (pf(f, "\n") < 0) return -1;
            g_para.state = kLineStart;
        }
        double s = g_para.current.space;
        g_para.current.space = 0.0;
        if (pf(f, OLI_REC_END_OF_TEXT "\n") < 0) return -1;
        unsigned flags = end_line_flags(s) | 0x4u;
        if (pf(f, "0x%x\n", flags) < 0) return -1;
        if (s != 0.0 && pf(f, "%d %.6g\n", 2, s) < 0) return -1;
        if (Oli_Write_Para_Format(f, &g_para.current, 0) < 0) return -1;
        if (pf(f, "%d\n", -1) < 0) return -1;
        g_para.written = g_para.current;
        g_para.written_counter = g_para.change_counter;
    }

    // The text, piece by piece up to each line feed; a text line begins with a blank.
    const char* p = text;
    while (*p) {
        const char* lf = std::strchr(p, '\n');
        size_t n = lf ? (size_t)(lf - p) : std::strlen(p);
        if (g_para.state != kInLine) {
            if (pf(f, " ") < 0) return -1;
            g_para.state = kInLine;
        }
        if (n > 0 && pf(f, "%.*s", (int)n, p) < 0) return -1;
        if (!lf) break;
        if (pf(f, "\n") < 0) return -1;
        g_para.state = kLineStart;
        p = lf + 1;
    }
    return 0;
}

int Oli_Para_End(FILE* f)
{
    OliCLocaleScope numeric_c;
    int result = -1;
    if (g_para.state == kUnused) {
        Oli_Para_Format_Defaults(&g_para.written);
    } else if ((g_para.state == kLineStart || g_para.state == kInLine) && f) {
        KovFprintfFct pf = out();
        double s = g_para.current.space;
        result = 0;
        if (g_para.state == kInLine && pf(f, "\n") < 0) result = -1;
        if (result == 0 && pf(f, OLI_REC_END_OF_TEXT "\n") < 0) result = -1;
        if (result == 0 && pf(f, "0x%x\n", end_line_flags(s)) < 0) result = -1;
        if (result == 0 && s != 0.0 && pf(f, "%d %.6g\n", 2, s) < 0) result = -1;
        if (result == 0 && pf(f, "%d\n", -1) < 0) result = -1;
    }
    Oli_Para_Format_Defaults(&g_para.current);
    g_para.change_counter++;
    g_para.state = kReady;
    g_para.tab_count = 0;
    return result;
}

void Oli_Para_Reset(void) { std::memset(&g_para, 0, sizeof g_para); }

// ---- graphic head -----------------------------------------------------------------

void Oli_Graphic_Head_Defaults(OliGraphicHead* head)
{
    if (!head) return;
    std::memset(head, 0, sizeof *head);
    head->kind = 1;
    head->x1 = 0.0;
    head->x2 = 10.0;
    head->y1 = 0.0;
    head->y2 = 5.0;
    head->scale = 50.0;
}

int Oli_Write_Graphic_Head(FILE* f, const OliGraphicHead* head)
{
    OliCLocaleScope numeric_c;
    if (!f) return -1;
    OliGraphicHead defaults;
    if (!head) {
        Oli_Graphic_Head_Defaults(&defaults);
        head = &defaults;
    }
    KovFprintfFct pf = out();
    if (pf(f, "\n\n#SHOWGRAFIC\n") < 0) return -1;
    if (head->title_a) {
        if (!head->title_a(f, head->user)) return -1;
    } else if (pf(f, "0 0 0\n") < 0) {
        return -1;
    }
    if (head->title_b) {
        if (!head->title_b(f, head->user)) return -1;
    } else if (pf(f, "0 0 0\n") < 0) {
        return -1;
    }
    if (head->flags != 0 && pf(f, "-999 %d ", head->flags) < 0) return -1;
    if (pf(f, "%d\n", head->kind) < 0) return -1;
    if ((head->flags & 0x10000) &&
        pf(f, "%.6g %.6g %.6g %.6g\n", head->further[0], head->further[1], head->further[2], head->further[3]) < 0)
        return -1;
    if (pf(f, "%.6g %.6g %.6g %.6g\n", head->x1, head->x2, head->y1, head->y2) < 0) return -1;
    if (head->kind == 3 && pf(f, "%.6g\n", head->scale) < 0) return -1;
    return 0;
}

int Oli_Write_Graphic_End(FILE* f)
{
    if (!f) return -1;
    return out()(f, "0\n\n") < 0 ? -1 : 0;
}

// ---- pictures ---------------------------------------------------------------------

void Oli_Picture_Options_Defaults(OliPictureOptions* opt)
{
    if (!opt) return;
    opt->flags = 0;
    opt->value = 300;
    opt->first[0] = opt->first[1] = 1.0;
    opt->second[0] = opt->second[1] = 10.0;
}

int Oli_Write_Picture(FILE* f, double width, double height, const char* path, const OliPictureOptions* opt)
{
    OliCLocaleScope numeric_c;
    if (!f || !path) return -1;
    OliPictureOptions defaults;
    if (!opt) {
        Oli_Picture_Options_Defaults(&defaults);
        opt = &defaults;
    }
    KovFprintfFct pf = out();
    if (pf(f, "75 %d %.6g %.6g", opt->flags, width, height) < 0) return -1;
    if ((opt->flags & 0x30) && pf(f, " %d", opt->value) < 0) return -1;
    if ((opt->flags & 0x1) && pf(f, " %.6g %.6g", opt->first[0], opt->first[1]) < 0) return -1;
    if ((opt->flags & 0xe) && pf(f, " %.6g %.6g", opt->second[0], opt->second[1]) < 0) return -1;

    const bool embed = (opt->flags & 0x1000) != 0;
    const char* name = path;
    if (embed) {
        const char* dot = std::strrchr(path, '.');
        name = dot ? dot : "";
    }
    if (pf(f, " %c%s%c\n", 0xAE, name, 0xAF) < 0) return -1;
    if (!embed) return 0;

    FILE* in = Kov_Fopen(path, "rb");
    if (!in) return -1;
    int result = 0;
    if (pf(f, "{") < 0) result = -1;
    long count = 0;
    int c;
    while (result == 0 && (c = std::fgetc(in)) != EOF) {
        if (pf(f, "%.2x", (unsigned)c) < 0) result = -1;
        if (result == 0 && ++count % 64 == 0 && pf(f, "\n") < 0) result = -1;
    }
    if (result == 0 && std::ferror(in)) result = -1;
    if (result == 0 && pf(f, "}\n") < 0) result = -1;
    std::fclose(in);
    return result;
}

void Oli_Picture_Info_Defaults(OliPictureInfo* info)
{
    if (!info) return;
    std::memset(info, 0, sizeof *info);
    std::strcpy(info->name, "???");
    info->value = 300;
}

int Oli_Write_Picture_Info(FILE* f, const OliPictureInfo* info)
{
    OliCLocaleScope numeric_c;
    if (!f) return 0;
    OliPictureInfo defaults;
    if (!info) {
        Oli_Picture_Info_Defaults(&defaults);
        info = &defaults;
    }
    char name[sizeof info->name];
    std::memcpy(name, info->name, sizeof name);
    name[sizeof name - 1] = '\0';
    if (std::fprintf(f, "%s\n", "OLI_GRAPHIC_Picture_Info") < 0) return 0;
    if (std::fprintf(f, "%c%s%c\n", 0xAE, name, 0xAF) < 0) return 0;
    if (std::fprintf(f, "%d %d\n", info->pixel_width, info->pixel_height) < 0) return 0;
    if (std::fprintf(f, "%d\n", info->value) < 0) return 0;
    if (std::fprintf(f, "%.4f %.4f\n", info->a, info->b) < 0) return 0;
    return 1;
}

int Oli_Read_Picture_Info(FILE* f, OliPictureInfo* info)
{
    OliCLocaleScope numeric_c;
    if (!info) return 0;
    Oli_Picture_Info_Defaults(info);
    if (!f) return 0;
    char word[32];
    if (std::fscanf(f, " %31s", word) != 1) return 0;
    if (std::strcmp(word, "OLI_GRAPHIC_Picture_Info") != 0) return 0;
    char name[sizeof info->name];
    if (Txt_Read_Delimited(f, name, (int)sizeof name, (char)0xAE, (char)0xAF) <= 0) return 0;
    std::memcpy(info->name, name, sizeof name);
    if (std::fscanf(f, " %d%d", &info->pixel_width, &info->pixel_height) != 2) return 0;
    if (std::fscanf(f, " %d", &info->value) != 1) return 0;
    if (std::fscanf(f, " %lf%lf", &info->a, &info->b) != 2) return 0;
    return 1;
}

int Oli_Get_Picture_Info(const char* path, OliPictureInfo* info)
{
    if (!info) return 0;
    Oli_Picture_Info_Defaults(info);
    if (!path) return 0;
    char temp[TEMP_NAME_SIZE];
    if (!Temp_File_Name(temp)) return 0;

    int result = 0;
    const char* exec = KOVGetEnv("EXEC");
    if (exec) {
        std::string program = std::string(exec) + "\\Grafikpass.exe";
        const char* argv[] = {program.c_str(), path, temp, nullptr};
        KOVSpawnv(0, program.c_str(), argv);
        FILE* in = Kov_Fopen(temp, "r");
        if (in) {
            result = Oli_Read_Picture_Info(in, info);
            std::fclose(in);
        }
    }
    KOVRemoveFile(temp, 0);
    return result;
}
