// The user's comment written into the output list.
#include "output/kovcomment.h"

#include <cstring>
#include <string>

#include "base/kovmem.h"
#include "output/iolipara.h"
#include "platform/kovdraw.h"
#include "platform/kovoli.h"

namespace {

int g_wrap_width = 600;

bool nothing_to_write(FILE* f, const char* text)
{
    if (!f || !text || !text[0]) return true;
    return text[1] == '\0' && (text[0] == ' ' || text[0] == '\n');
}

void write_paragraph(FILE* f, const char* text)
{
    Pop_RFont(4096);
    Oli_Para_Begin();
    Kov_Write_Comment_Lines(f, text);
    Oli_Para_Set_End_Flag();
    Oli_Para_End(f);
    Push_RFont();
}

} // namespace

int Kov_Wrap_Line(const char* text, int width, int max_bytes, int* advance)
{
    int dummy;
    if (!advance) advance = &dummy;
    *advance = 0;
    if (!text || !*text) return 0;
    if (*text == '\n') {
        *advance = 1;
        return 0;
    }
    int n = 0;
    while (text[n] && text[n] != '\n') {
        if (n >= max_bytes) {
            *advance = n; // the rest follows on the next line
            return n;
        }
        ++n;
        if (pxQTxX(text, n, nullptr) > width) {
            // Cut after the last blank among the bytes that fit (byte n - 1 is
            // the one that overflowed), else after n bytes.
            for (int k = n - 1; k >= 1; --k)
                if (text[k] == ' ') {
                    const int len = k + 1 <= max_bytes ? k + 1 : max_bytes;
                    *advance = len;
                    return len;
                }
            *advance = n;
            return n;
        }
    }
    *advance = text[n] == '\n' ? n + 1 : n;
    return n;
}

void Kov_Write_Comment_Lines(FILE* f, const char* text)
{
    if (!f || !text) return;
    const char* p = text;
    while (*p) {
        int advance = 0;
        const int len = Kov_Wrap_Line(p, g_wrap_width, KOV_COMMENT_LINE_MAX, &advance);
        if (len == 0)
            Oli_Para_Printf(f, "%s", " \n");
        else
            Oli_Para_Printf(f, "%.*s\n", len, p);
        if (advance < 1) advance = 1;
        p += advance;
    }
}

void Kov_Write_User_Comment(FILE* f, const char* text)
{
    if (nothing_to_write(f, text)) return;
    OLI_setFlags(f, 0x1000000);
    OLI_setFlags(f, 0x8000000);
    OLI_setFlags(f, 512);
    OLI_storeYPosition(f, 1);
    File_Printf(f, "#SHOWGRAFIC\n");
    File_Printf(f, "0 0 0\n");
    File_Printf(f, "0 0 0\n");
    File_Printf(f, "-1\n");
    File_Printf(f, "0.0 1.2 1.2 0.0\n");
    File_Printf(f, "27 0.0 0.0 %%FONT%%\\UserCommentLogo.ocm\n");
    File_Printf(f, "-1\n");
    OLI_pushMargins(f);
    OLI_setMarginsCM(f, 1, 1.4f, 0.0f);
    OLI_restoreYPosition(f, 1);
    g_wrap_width = 600;
    write_paragraph(f, text);
    OLI_popMargins(f, 0x100000);
    OLI_setYPositionCM(f, 4, 0.0f);
    OLI_setFlags(f, 0x2000000);
}

void Kov_Write_User_Comment_Plain(FILE* f, const char* text)
{
    if (nothing_to_write(f, text)) return;
    OLI_setFlags(f, 0x1000000);
    OLI_setFlags(f, 0x8000000);
    OLI_setFlags(f, 512);
    g_wrap_width = 675;
    write_paragraph(f, text);
    OLI_setFlags(f, 0x2000000);
}

int Kov_Comment_Wrap_Width(void) { return g_wrap_width; }
