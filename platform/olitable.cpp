// The table window of the output-list library: one output-list table read from
// a file and shown through the list reader and its renderer.
#include "platform/olitable.h"

#include "platform/kovcp.h"
#include "platform/kovdraw.h"
#include "platform/kovgui.h"
#include "platform/kovlocale.h"
#include "platform/kovscript.h"
#include "platform/olireader.h"

#include <cstdio>
#include <string>

struct OLITable {
    std::string bytes; // the list text holding the table
    OliDocument doc;
    int rows = 0;
};

namespace {

const size_t kMaxTableBytes = 4u * 1024u * 1024u;

OLITableColours default_colours()
{
    OLITableColours c;
    c.colour[0] = Nearest_RGB_Color(255, 255, 255); // cells
    c.colour[1] = Nearest_RGB_Color(255, 255, 255); // heading cells
    c.colour[2] = Nearest_RGB_Color(0, 0, 0);       // text
    c.colour[3] = Nearest_RGB_Color(128, 128, 128); // rules
    c.colour[4] = Nearest_RGB_Color(255, 255, 255); // window
    for (int k = 5; k < OLI_TABLE_COLOURS; ++k) c.colour[k] = Nearest_RGB_Color(0, 0, 0);
    return c;
}

OLITableColours& colours()
{
    static OLITableColours c = default_colours();
    return c;
}

const OliTableBlock* table_of(const OLITable* t)
{
    for (const OliItem& it : t->doc.items)
        if (it.kind == OliItem::TABLE) return &it.table;
    return nullptr;
}

// The lines of the table as the user reads them: without the leading blank,
// mark-up dropped, in UTF-8 for the console.
void print_batch(const char* title, const OLITable* t)
{
    std::fprintf(stderr, "%s\n", Kov_Cp_To_Utf8(KOV_CP850, title ? title : "").c_str());
    const OliTableBlock* tb = table_of(t);
    if (!tb) return;
    for (const std::string& l : tb->lines)
        std::fprintf(stderr, "  %s\n", Oli_Plain_Text(l).trimmed().toUtf8().constData());
}

// The window of the GUI part; without it (engine programs, command-line
// tools) the rows go to standard error as in a batch run.
int show_window(const char* title, const OLITable* t)
{
    const KovGuiHooks* gui = Kov_Gui_Hooks();
    if (!gui || !gui->table_window) {
        print_batch(title, t);
        return 1;
    }
    const int r = gui->table_window(title ? title : "", t->bytes);
    Kov_Numeric_C_Locale();
    return r;
}

} // namespace

extern "C" {

OLITable* readOLITableFromFILE(FILE* f)
{
    if (!f) return nullptr;
    OLITable* t = new OLITable;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        if (t->bytes.size() + n > kMaxTableBytes) {
            delete t; // larger than any table of messages: not read
            return nullptr;
        }
        t->bytes.append(buf, n);
    }
    Oli_Parse_List(t->bytes, &t->doc);
    const OliTableBlock* tb = table_of(t);
    if (!tb || !t->doc.warnings.empty()) {
        delete t;
        return nullptr;
    }
    t->rows = int(tb->lines.size()) - tb->head_rows - (tb->unit_row ? 1 : 0);
    if (t->rows < 0) t->rows = 0;
    return t;
}

int OLITableRowCount(const OLITable* table) { return table ? table->rows : 0; }

int OLITablePropSheet(const char* title, int /*flags*/, OLITable* table, const int* /*area*/)
{
    if (!table) return 0;
    switch (Kov_Ui_Mode()) {
        case KOV_UI_SCRIPTED: Kov_Script_Log("OLITablePropSheet %s %d", title ? title : "", table->rows); return 1;
        case KOV_UI_INTERACTIVE:
            if (Kov_Has_Display()) return show_window(title, table);
            print_batch(title, table);
            return 1;
        default: print_batch(title, table); return 1;
    }
}

void deleteOLITable(OLITable* table) { delete table; }

int getOLITableColours(OLITableColours* c)
{
    if (!c) return 0;
    *c = colours();
    return 1;
}

int setOLITableColours(const OLITableColours* c)
{
    if (!c) return 0;
    colours() = *c;
    return 1;
}

void resetOLITableColours(void) { colours() = default_colours(); }

} // extern "C"
