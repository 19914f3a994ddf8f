// The value table (quantities side by side over a run of positions) and the
// picture inserts of the output list.
#include "output/ioliins.h"
#include "output/olilocale.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/kovmem.h"
#include "platform/kovoli.h"

namespace {

char g_picture_dir[100] = "";

bool is_bar_row(const OliValueRow& r) { return std::strncmp(r.kind, "GEW", 3) == 0; }

std::string padded(const std::string& text, int width)
{
    const int w = MT_String_Length(text.c_str());
    return w < width ? text + std::string((size_t)(width - w), ' ') : text;
}

std::string field_text(const char* s, size_t max) { return std::string(s, strnlen(s, max)); }

void picture_block_head(FILE* f, double width, double height)
{
    File_Printf(f, "\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n");
    File_Printf(f, "-1\n");
    File_Printf(f, "0 %.1lf 0 %.1lf\n", width, height);
}

} // namespace

void Oli_Value_Table(FILE* f, int rows, int positions, const OliValueRow* row)
{
    if (!f || rows < 1 || positions < 1 || !row) return;
    OliCLocaleScope numeric_c;
    char cell[OLI_CELL_SIZE];

    int name_w = 0, unit_w = 0, cell_w = 0;
    for (int i = 0; i < rows; ++i) {
        const OliValueRow& r = row[i];
        const std::string name = field_text(r.name, sizeof r.name);
        const std::string kind = field_text(r.kind, sizeof r.kind);
        if (MT_String_Length(name.c_str()) > name_w) name_w = MT_String_Length(name.c_str());
        if (MT_String_Length(kind.c_str()) > unit_w) unit_w = MT_String_Length(kind.c_str());
        for (int j = 0; j < positions; ++j) {
            Oli_Format_Cell(kind.c_str(), r.data, j, r.width, r.width, r.decimals, r.factor, 0, cell);
            if (MT_String_Length(cell) > cell_w) cell_w = MT_String_Length(cell);
        }
    }

    OLI_setYPositionCM(f, 1, 0.1f);
    File_Printf(f, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 %d\n", positions + 1);
    double sep = name_w + 1;
    File_Printf(f, " %f", sep);
    sep = name_w + unit_w + 3;
    File_Printf(f, " %f", sep);
    for (int j = 1; j < positions; ++j) {
        sep += cell_w + 1;
        File_Printf(f, " %f", sep);
    }
    File_Printf(f, "\n");

    for (int i = 0; i < rows; ++i) {
        const OliValueRow& r = row[i];
        const bool bars = is_bar_row(r);
        const std::string name = field_text(r.name, sizeof r.name);
        const std::string kind = field_text(r.kind, sizeof r.kind);
        const std::string name_cell = bars ? "\xCE"
                                             "u\xCE"
                                             "b" +
                                                 name +
                                                 "\xCE"
                                                 "r\xCE"
                                                 "u"
                                           : "\xCE"
                                             "b" +
                                                 name +
                                                 "\xCE"
                                                 "r";
        File_Printf(f, " %s ", padded(name_cell, name_w).c_str());
        File_Printf(f, " %s",
                    padded(bars ? std::string()
                                : kind + "\xCE"
                                         "r",
                           unit_w)
                        .c_str());
        for (int j = 0; j < positions; ++j) {
            Oli_Format_Cell(kind.c_str(), r.data, j, cell_w, r.width, r.decimals, r.factor, 0, cell);
            File_Printf(f, "%s", cell);
        }
        if (i < rows - 1)
            File_Printf(f,
                        " \xCE{\xCE"
                        "L 0 -1 -1 %f %f }",
                        1.0, 1.0);
        File_Printf(f, "\n");
    }
    File_Printf(f, "#END_OF_TEXT\n");
    OLI_setYPositionCM(f, 1, -0.4f);
}

void Oli_Set_Picture_Dir(const char* dir) { std::snprintf(g_picture_dir, sizeof g_picture_dir, "%s", dir ? dir : ""); }

const char* Oli_Get_Picture_Dir(void) { return g_picture_dir; }

void Oli_Picture(FILE* f, double width, double height, const char* name)
{
    if (!f) return;
    OliCLocaleScope numeric_c;
    picture_block_head(f, width, height);
    File_Printf(f, " 27 0 %.1lf %%FONT%%\\%s%s\n", height, g_picture_dir, name ? name : "");
    File_Printf(f, "-1\n");
    OLI_setYPositionCM(f, 1, -0.3f);
}

void Oli_Picture_Framed(FILE* f, double width, double height, const char* name)
{
    if (!f) return;
    OliCLocaleScope numeric_c;
    picture_block_head(f, width, height);
    File_Printf(f, " 27 0 %.1lf %%FONT%%\\%s\n", height, name ? name : "");
    const double x[5] = {0.0, 0.0, width, width, 0.0};
    const double y[5] = {0.0, height, height, 0.0, 0.0};
    for (int k = 0; k < 4; ++k) File_Printf(f, " 1  %lf %lf %lf %lf\n", x[k], y[k], x[k + 1], y[k + 1]);
    File_Printf(f, "-1\n");
    OLI_setYPositionCM(f, 1, -0.3f);
}
