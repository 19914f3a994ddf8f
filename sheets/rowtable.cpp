// Row tables of the view areas: the pool of tables, their rows and column
// markers, drawing, the mouse handling with the row buttons and the column
// menu, sorting and the fill dialog.
#include "sheets/rowtable.h"

#include "platform/kovcp.h"
#include "platform/kovedit.h"
#include "platform/kovevent.h"
#include "platform/kovmenu.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct RowNode {
    void* record;
    RowNode* prev;
    RowNode* next;
};

struct RowTableColumn {
    char format[36];
    int x, y;
    int kept;
    int offset; // of the column's double within a row record
    int sortable;
    int fillable;
    RowTableColumn* next;
};

struct RowButton {
    int on;
    int dx, dy;
};

struct PsRowTable {
    int in_use;
    int area;
    int reserved;
    int count;
    int row_size;
    int y;
    int x, x2;
    int row_height;
    intptr_t append_request;
    int max_rows;
    RowButton del, dup, app, num;
    intptr_t delete_request;    // the row node whose delete button was clicked
    intptr_t duplicate_request; // the row node whose duplicate button was clicked
    RowTableDrawFct draw;
    RowTableColumn* first_column;
    RowTableColumn* last_column;
    intptr_t clicked_column; // the column whose marker was clicked
    RowNode* tmpl;
    RowNode* first;
    RowNode* last;
    RowNode* cursor;
};

PsRowTable g_tables[ROW_TABLES];

// The table and column a marker's menu works on while it runs.
int g_edit_table = -1;
RowTableColumn* g_edit_column = nullptr;

// Centre of the fill dialog, kept between calls (x < 0: the screen's centre).
int g_fill_cx = -1, g_fill_cy = -1;

const char* const kDefaultFormat = "%14.8f";

PsRowTable* table_of(int table)
{
    if (table < 0 || table >= ROW_TABLES) return nullptr;
    PsRowTable* t = &g_tables[table];
    return t->in_use ? t : nullptr;
}

size_t record_bytes(const PsRowTable* t)
{
    // A zero-sized record still gets a block of its own, so that its address
    // names its row.
    return t->row_size > 0 ? size_t(t->row_size) : 1;
}

// A node with a copy of the record (cleared when record is NULL); NULL when
// memory runs out.
RowNode* new_node(const PsRowTable* t, const void* record)
{
    RowNode* n = static_cast<RowNode*>(std::calloc(1, sizeof(RowNode)));
    if (!n) return nullptr;
    n->record = std::calloc(1, record_bytes(t));
    if (!n->record) {
        std::free(n);
        return nullptr;
    }
    if (record && t->row_size > 0) std::memcpy(n->record, record, size_t(t->row_size));
    return n;
}

void free_node(RowNode* n)
{
    if (!n) return;
    std::free(n->record);
    std::free(n);
}

void insert_after(PsRowTable* t, RowNode* after, RowNode* n)
{
    n->prev = after;
    n->next = after ? after->next : t->first;
    if (n->next)
        n->next->prev = n;
    else
        t->last = n;
    if (after)
        after->next = n;
    else
        t->first = n;
    ++t->count;
}

void unlink(PsRowTable* t, RowNode* n)
{
    if (n->prev)
        n->prev->next = n->next;
    else
        t->first = n->next;
    if (n->next)
        n->next->prev = n->prev;
    else
        t->last = n->prev;
    if (t->cursor == n) t->cursor = nullptr;
    free_node(n);
    --t->count;
}

bool owns(const PsRowTable* t, const RowNode* n)
{
    for (const RowNode* r = t->first; r; r = r->next)
        if (r == n) return true;
    return false;
}

bool owns_column(const PsRowTable* t, const RowTableColumn* c)
{
    for (const RowTableColumn* k = t->first_column; k; k = k->next)
        if (k == c) return true;
    return false;
}

bool at_limit(const PsRowTable* t) { return t->max_rows > 0 && t->count >= t->max_rows; }

double value_at(const PsRowTable* t, const void* record, int offset)
{
    double v = 0;
    if (offset >= 0 && size_t(offset) + sizeof v <= size_t(t->row_size))
        std::memcpy(&v, static_cast<const char*>(record) + offset, sizeof v);
    return v;
}

void set_value_at(const PsRowTable* t, void* record, int offset, double v)
{
    if (offset >= 0 && size_t(offset) + sizeof v <= size_t(t->row_size))
        std::memcpy(static_cast<char*>(record) + offset, &v, sizeof v);
}

// ---- the small pictures -------------------------------------------------------------------

enum { PIC_DELETE, PIC_DUPLICATE, PIC_DUPLICATE_GREY, PIC_APPEND, PIC_MARKER, PIC_COUNT };

// Drawn for this program by tools/kovrowpicgen, in data/; magenta is transparent.
const char* const kPictureFiles[PIC_COUNT] = {"RowTableDelete.bmp", "RowTableDuplicate.bmp",
                                              "RowTableDuplicateGrey.bmp", "RowTableAppend.bmp", "RowTableColumn.bmp"};

// Made at the first use (again after a failure to read them).
intptr_t g_images[PIC_COUNT] = {0, 0, 0, 0, 0};

intptr_t picture(int which)
{
    intptr_t* images = g_images;
    if (!images[which]) images[which] = Make_TreeViewImage(kPictureFiles[which], Nearest_RGB_Color(255, 0, 255));
    return images[which];
}

// ---- the column menu ---------------------------------------------------------------------

KovMenuEntry g_sort_entries[2] = {
    {"aufsteigend", 1, 0, nullptr, nullptr, Row_Table_Sort_Up},
    {"absteigend", 1, 0, nullptr, nullptr, Row_Table_Sort_Down},
};
const KovMenu g_sort_menu = {2, 16, 0, 0, 0, g_sort_entries};
KovMenuEntry g_column_entries[2] = {
    {"Spalte sortieren", 1, 0, nullptr, &g_sort_menu, nullptr},
    {"Spalte belegen", 1, 0, nullptr, nullptr, Row_Table_Fill_Column},
};
const KovMenu g_column_menu = {2, 16, 0, 0, 0, g_column_entries};

void sort_rows(PsRowTable* t, int offset, bool down)
{
    if (t->count < 2) return;
    void* scratch = std::malloc(record_bytes(t));
    if (!scratch) return;
    const size_t n = size_t(t->row_size > 0 ? t->row_size : 0);
    for (RowNode* a = t->first; a; a = a->next)
        for (RowNode* b = a->next; b; b = b->next) {
            const double va = value_at(t, a->record, offset), vb = value_at(t, b->record, offset);
            if (down ? va < vb : va > vb) {
                std::memcpy(scratch, a->record, n);
                std::memcpy(a->record, b->record, n);
                std::memcpy(b->record, scratch, n);
            }
        }
    std::free(scratch);
}

// Mode 2 fills the rows first .. last (counted from 1) that exist; the row
// numbers are whole as their fields show them, and rows beyond the list are
// not created.
void fill_rows(PsRowTable* t, int offset, int mode, double first, double last, double start, double step)
{
    if (mode == 2) {
        if (!std::isfinite(first) || !std::isfinite(last)) return;
        first = std::nearbyint(first);
        last = std::nearbyint(last);
    }
    int k = 0;
    for (RowNode* r = t->first; r; r = r->next, ++k) {
        if (mode == 2) {
            const double row = k + 1;
            if (row < first || row > last) continue;
            set_value_at(t, r->record, offset, start + (row - first) * step);
        } else {
            set_value_at(t, r->record, offset, start + k * step);
        }
    }
}

// ---- the fill dialog ------------------------------------------------------------------------

struct FillDialog {
    int mode = 1; // 1 whole column, 2 rows first .. last
    double first = 1, last = 1000, start = 1, step = 0;
    int first_field = -1, last_field = -1;
};

void apply_row_activity(const FillDialog& d)
{
    Change_Activity_PS(d.first_field, d.mode == 2 ? 1 : 0);
    Change_Activity_PS(d.last_field, d.mode == 2 ? 1 : 0);
}

// Returns 1 when the dialog was left with OK.
int run_fill_dialog(RowTableColumn* c, FillDialog& d)
{
    const int w = 326, h = 238;
    if (g_fill_cx < 0) {
        g_fill_cx = NPIXEL_X / 2;
        g_fill_cy = NPIXEL_Y / 2;
    }
    int x1 = g_fill_cx - w / 2, y1 = g_fill_cy - h / 2, x2 = x1 + w, y2 = y1 + h;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Tabellenspalte belegen", 11, 1);

    Draw_Funny_Text_to_PS(x1 + 21, y1 + 60, "anwenden auf", 0x1000, 0);
    Draw_Funny_Text_to_PS(x1 + 21, y1 + 104, "erste Zeile", 0x1000, 0);
    Draw_Funny_Text_to_PS(x1 + 168, y1 + 104, "letzte Zeile", 0x1000, 0);
    Draw_Funny_Text_to_PS(x1 + 21, y1 + 141, "Startwert", 0x1000, 0);
    Draw_Funny_Text_to_PS(x1 + 22, y1 + 153, cp850("(für erste Zeile)"), 0x1002, 0);
    Draw_Funny_Text_to_PS(x1 + 21, y1 + 173, "Inkrement", 0x1000, 0);
    Draw_Funny_Text_to_PS(x1 + 22, y1 + 185, cp850("(Zuwachs für jede weitere Zeile)"), 0x1002, 0);

    // The two radio buttons sit in a small view area over their rows.
    const int ax = x1 + 86, ay = y1 + 38;
    const int radio_area = View_Area_Open(ax, ay, x1 + 300, y1 + 72, 0, 0);
    if (radio_area >= 0) {
        View_Area_Set_Background(unsigned(radio_area), -1);
        View_Area_Add_Radio_Button(unsigned(radio_area), x1 + 110 - ax, y1 + 50 - ay, "gesamte Spalte", 0x1000,
                                   BLACK_CI, 1, &d.mode, nullptr);
        View_Area_Add_Radio_Button(unsigned(radio_area), x1 + 110 - ax, y1 + 67 - ay, "Zeilenausschnitt", 0x1000,
                                   BLACK_CI, 2, &d.mode, nullptr);
        View_Area_Set_Activity(unsigned(radio_area), 1);
        View_Area_Show(unsigned(radio_area));
    }
    const int radio_escape = 10;
    Add_Escape_Area_to_PS(ax, ay, x1 + 300, y1 + 72, 0, radio_escape);

    d.first_field = Add_Float_to_PS(x1 + 90, y1 + 91, 5, "%5.0f", 1, 4, &d.first);
    d.last_field = Add_Float_to_PS(x1 + 237, y1 + 91, 5, "%5.0f", 1, 5, &d.last);
    char shown[128];
    Kov_Format_Float(c->format, d.start, shown, int(sizeof shown));
    const int chars = int(std::strlen(shown));
    Add_Float_to_PS(x1 + 197, y1 + 133, chars, c->format, 1, 6, &d.start);
    Add_Float_to_PS(x1 + 197, y1 + 165, chars, c->format, 1, 7, &d.step);
    apply_row_activity(d);

    Add_Single_Button_to_PS(x1 + 19, y1 + 210, 1, 2, "", SYMBOLIC_BREAK_RASTER, 0);
    Add_Help_to_PS(x1 + 152, y1 + 210, 1, 0, 0, "");
    Add_Single_Button_to_PS(x1 + 285, y1 + 210, 1, 1, "", SYMBOLIC_OK_RASTER, 0);
    Set_Windows_OK_Button(1);
    Set_Windows_Break_Button(2);
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    msStCu(x1 + 27, y1 + 218);
    Activate_Prop_Sheet();
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);

    int answer = 0;
    for (;;) {
        const int id = Edit_Prop_Sheet();
        if (id == 1) {
            answer = 1;
            break;
        }
        if (id == 2) break;
        if (id == radio_escape) {
            if (radio_area >= 0 && View_Area_Handle_Event(unsigned(radio_area))) {
                apply_row_activity(d);
                if (d.first > d.last) d.last = d.first;
            }
        } else if (id == 4) {
            // The typed row numbers stay; only the other one follows.
            if (d.first > d.last) d.last = d.first;
        } else if (id == 5) {
            if (d.last < d.first) d.first = d.last;
        }
    }
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    g_fill_cx = (x1 + x2) / 2 + dx;
    g_fill_cy = (y1 + y2) / 2 + dy;
    if (radio_area >= 0) View_Area_Close(unsigned(radio_area));
    Undefine_Prop_Sheet();
    return answer;
}

// ---- events -------------------------------------------------------------------------------

void wait_release()
{
    while (M_LEFT) Get_Mouse_Event();
}

// Acts on a request of the row buttons: 0 without one, 2 when rows were
// deleted, duplicated or appended, 1 when the request changed nothing (no
// template to append, the row limit reached, a row no longer in the table).
int row_request(PsRowTable* t)
{
    if (t->delete_request) {
        RowNode* n = reinterpret_cast<RowNode*>(t->delete_request);
        t->delete_request = 0;
        if (!owns(t, n)) return 1;
        unlink(t, n);
        return 2;
    }
    if (t->duplicate_request) {
        RowNode* n = reinterpret_cast<RowNode*>(t->duplicate_request);
        t->duplicate_request = 0;
        if (!owns(t, n) || at_limit(t)) return 1;
        RowNode* copy = new_node(t, n->record);
        if (!copy) return 1;
        insert_after(t, n, copy);
        return 2;
    }
    if (t->append_request) {
        t->append_request = 0;
        // Without a template there is nothing to copy: no row is added.
        if (!t->tmpl || at_limit(t)) return 1;
        RowNode* copy = new_node(t, t->tmpl->record);
        if (!copy) return 1;
        insert_after(t, t->last, copy);
        return 2;
    }
    return 0;
}

} // namespace

int Row_Table_Create(int area, int y, int x, int x2, int row_height, int row_size, RowTableDrawFct draw)
{
    for (int i = 0; i < ROW_TABLES; ++i) {
        PsRowTable& t = g_tables[i];
        if (t.in_use) continue;
        t = PsRowTable{};
        t.in_use = 1;
        t.area = area;
        t.y = y;
        t.x = x;
        t.x2 = x2;
        t.row_height = row_height;
        t.row_size = row_size;
        t.draw = draw;
        return i;
    }
    return -1;
}

void Row_Table_Move(int table, int y, int x)
{
    PsRowTable* t = table_of(table);
    if (!t) return;
    const int dx = x - t->x, dy = y - t->y;
    t->x = x;
    t->y = y;
    t->x2 += dx;
    for (RowTableColumn* c = t->first_column; c; c = c->next) {
        c->x += dx;
        c->y += dy;
    }
}

void Row_Table_Set_Button(int table, int kind, int dx, int dy)
{
    PsRowTable* t = table_of(table);
    if (!t) return;
    RowButton* b = nullptr;
    switch (kind) {
        case ROW_BUTTON_DELETE: b = &t->del; break;
        case ROW_BUTTON_DUPLICATE: b = &t->dup; break;
        case ROW_BUTTON_APPEND: b = &t->app; break;
        case ROW_BUTTON_NUMBERS: b = &t->num; break;
        default: return;
    }
    *b = RowButton{1, dx, dy};
}

void Row_Table_Set_Max_Rows(int table, int maximum)
{
    if (PsRowTable* t = table_of(table)) t->max_rows = maximum;
}

void Row_Table_Add_Column(int table, int x, int y, int kept, unsigned flags, const char* format, int offset)
{
    PsRowTable* t = table_of(table);
    if (!t) return;
    RowTableColumn* c = static_cast<RowTableColumn*>(std::calloc(1, sizeof(RowTableColumn)));
    if (!c) return;
    std::snprintf(c->format, sizeof c->format, "%s", format ? format : kDefaultFormat);
    c->x = x;
    c->y = y;
    c->kept = kept;
    c->offset = offset;
    c->sortable = (flags & ROW_COLUMN_SORTABLE) ? 1 : 0;
    c->fillable = (flags & ROW_COLUMN_FILLABLE) ? 1 : 0;
    if (t->last_column)
        t->last_column->next = c;
    else
        t->first_column = c;
    t->last_column = c;
}

void Row_Table_Set_Template(int table, const void* record)
{
    PsRowTable* t = table_of(table);
    if (!t || !record) return;
    RowNode* n = new_node(t, record);
    if (!n) return;
    free_node(t->tmpl);
    t->tmpl = n;
}

void Row_Table_Append(int table, const void* record)
{
    PsRowTable* t = table_of(table);
    if (!t || !record) return;
    if (RowNode* n = new_node(t, record)) insert_after(t, t->last, n);
}

void Row_Table_Clear(int table)
{
    PsRowTable* t = table_of(table);
    if (!t) return;
    while (t->first) unlink(t, t->first);
    t->count = 0;
    t->cursor = nullptr;
}

int Row_Table_Count(int table)
{
    const PsRowTable* t = table_of(table);
    return t ? t->count : 0;
}

void* Row_Table_First(int table)
{
    PsRowTable* t = table_of(table);
    if (!t) return nullptr;
    t->cursor = t->first;
    return t->cursor ? t->cursor->record : nullptr;
}

void* Row_Table_Next(int table)
{
    PsRowTable* t = table_of(table);
    if (!t || !t->cursor) return nullptr;
    t->cursor = t->cursor->next;
    return t->cursor ? t->cursor->record : nullptr;
}

int Row_Table_Index_Of(int table, const void* record)
{
    const PsRowTable* t = table_of(table);
    if (!t || !record) return 0;
    int i = 1;
    for (const RowNode* r = t->first; r; r = r->next, ++i)
        if (r->record == record) return i;
    return 0;
}

void Row_Table_Draw(int table)
{
    PsRowTable* t = table_of(table);
    if (!t) return;
    const unsigned area = unsigned(t->area);
    const int light = Nearest_RGB_Color(232, 232, 232);
    const int grey = Nearest_RGB_Color(130, 130, 130);
    const bool limit = at_limit(t);
    int y = t->y, i = 1;
    for (RowNode* r = t->first; r; r = r->next, ++i, y += t->row_height) {
        View_Area_Add_Filled_Box(area, t->x, r == t->first ? y - 6 : y, t->x2, y + t->row_height, light);
        if (t->draw) t->draw(1, t->area, t->x, y, r->record);
        if (t->del.on) {
            const int bx = t->x + t->del.dx, by = y + t->del.dy;
            View_Area_Add_Tree_Image(area, picture(PIC_DELETE), bx, by, bx + 14, by + 16, 0);
            View_Area_Add_Click_Area(area, bx, by, bx + 14, by + 16, reinterpret_cast<intptr_t>(r), &t->delete_request);
            View_Area_Set_Click_Area_Cursor(area, 18);
            View_Area_Set_Click_Area_Tooltip(area, cp850("Zeile löschen"), 0x41006, BLACK_CI, 0);
        }
        if (t->dup.on) {
            const int bx = t->x + t->dup.dx, by = y + t->dup.dy;
            if (limit) {
                View_Area_Add_Tree_Image(area, picture(PIC_DUPLICATE_GREY), bx, by, bx + 18, by + 16, 0);
            } else {
                View_Area_Add_Tree_Image(area, picture(PIC_DUPLICATE), bx, by, bx + 18, by + 16, 0);
                View_Area_Add_Click_Area(area, bx, by, bx + 18, by + 16, reinterpret_cast<intptr_t>(r),
                                         &t->duplicate_request);
                View_Area_Set_Click_Area_Cursor(area, 18);
                View_Area_Set_Click_Area_Tooltip(area, "Zeile duplizieren", 0x41006, BLACK_CI, 0);
            }
        }
        if (t->num.on) {
            char number[16];
            std::snprintf(number, sizeof number, "%d:", i);
            View_Area_Add_Text(area, t->x + t->num.dx, y + t->num.dy, number, 0x1000, grey, 1);
        }
    }
    if (t->app.on && !limit) {
        View_Area_Add_Filled_Box(area, t->x, y, t->x2, y + t->row_height - 5, light);
        const int bx = t->x + t->app.dx, by = y + t->app.dy;
        View_Area_Add_Tree_Image(area, picture(PIC_APPEND), bx, by, bx + 35, by + 16, 0);
        View_Area_Add_Click_Area(area, bx, by, bx + 35, by + 16, 1, &t->append_request);
        View_Area_Set_Click_Area_Cursor(area, 18);
        View_Area_Set_Click_Area_Tooltip(area, cp850("neue Zeile anfügen"), 0x41006, BLACK_CI, 0);
    }
    for (RowTableColumn* c = t->first_column; c; c = c->next) {
        View_Area_Add_Tree_Image(area, picture(PIC_MARKER), c->x - 14, c->y - 8, c->x + 14, c->y + 8, 0);
        View_Area_Add_Click_Area(area, c->x - 14, c->y - 8, c->x + 14, c->y + 8, reinterpret_cast<intptr_t>(c),
                                 &t->clicked_column);
        View_Area_Set_Click_Area_Cursor(area, 18);
    }
}

int Row_Table_Handle_Event(int table)
{
    PsRowTable* t = table_of(table);
    if (!t) return 0;
    const unsigned area = unsigned(t->area);
    if (!View_Area_Record(area)) return 0;
    if (!M_LEFT) {
        View_Area_Hover(area);
        if (!M_LEFT) return 0;
    }
    while (M_LEFT) {
        int ox = 0, oy = 0, sx = 0, sy = 0, w = 0, h = 0;
        View_Area_Inquire_Screen_Origin(area, &ox, &oy);
        View_Area_Inquire_Scroll(area, &sx, &sy);
        View_Area_Inquire_Size(area, &w, &h);
        const int top = oy + t->y - sy - (t->first_column ? 25 : 0);
        const int bottom = oy + t->y - sy + (t->count + (t->app.on ? 1 : 0)) * t->row_height;
        const int left = ox + t->x - sx, right = ox + t->x2 - sx;
        if (M_XPOS < left || M_XPOS > right || M_YPOS < top || M_YPOS > bottom) return 0;

        Short_Edit_Clear_Last_Key();
        t->delete_request = t->duplicate_request = t->append_request = t->clicked_column = 0;
        if (!View_Area_Handle_Event(area)) {
            wait_release();
            return 1;
        }
        if (const int request = row_request(t)) return request;
        if (t->clicked_column) {
            RowTableColumn* c = reinterpret_cast<RowTableColumn*>(t->clicked_column);
            t->clicked_column = 0;
            if (owns_column(t, c)) {
                g_column_entries[0].enabled = c->sortable;
                g_column_entries[1].enabled = c->fillable;
                g_edit_table = table;
                g_edit_column = c;
                Menue_Manager(&g_column_menu);
                g_edit_table = -1;
                g_edit_column = nullptr;
            }
            View_Area_Show(area);
            return 1;
        }
        const int key = Short_Edit_Last_Key();
        if (key != 328 && key != 336) return 1;
        // Up and Down go on with the field of the row above or below: the
        // button counts as pressed there, and the framework's wait for its
        // release ends at the new place.
        int nx = M_XPOS, ny = M_YPOS + (key == 328 ? -t->row_height : t->row_height);
        int ddx = 0, ddy = 0;
        if (key == 328 && ny < oy + 9 && sy > 0) ddy = -t->row_height;
        if (key == 336 && ny > oy + h - t->row_height + 10) ddy = t->row_height;
        if (ddy) {
            View_Area_Scroll_By(area, &ddx, &ddy);
            View_Area_Show(area);
            ny -= ddy; // the row moved with the content
        }
        M_XPOS = nx;
        M_YPOS = ny;
        M_LEFT = 1;
        Kov_Ui_Push_Release(nx, ny, 1);
    }
    return 1;
}

void Row_Table_Free(int table)
{
    PsRowTable* t = table_of(table);
    if (!t) return;
    Row_Table_Clear(table);
    free_node(t->tmpl);
    for (RowTableColumn* c = t->first_column; c;) {
        RowTableColumn* next = c->next;
        std::free(c);
        c = next;
    }
    if (g_edit_table == table) {
        g_edit_table = -1;
        g_edit_column = nullptr;
    }
    *t = PsRowTable{};
}

void Row_Table_Free_For_Area(int area)
{
    for (int i = 0; i < ROW_TABLES; ++i)
        if (g_tables[i].in_use && g_tables[i].area == area) Row_Table_Free(i);
}

void Row_Table_Sort_Up(void)
{
    PsRowTable* t = table_of(g_edit_table);
    if (t && g_edit_column) sort_rows(t, g_edit_column->offset, false);
}

void Row_Table_Sort_Down(void)
{
    PsRowTable* t = table_of(g_edit_table);
    if (t && g_edit_column) sort_rows(t, g_edit_column->offset, true);
}

void Row_Table_Fill_Column(void)
{
    PsRowTable* t = table_of(g_edit_table);
    RowTableColumn* c = g_edit_column;
    if (!t || !c) return;
    FillDialog d;
    if (!run_fill_dialog(c, d)) return;
    if (d.mode == 2)
        fill_rows(t, c->offset, 2, d.first, d.last, d.start, d.step);
    else
        fill_rows(t, c->offset, 1, 1, t->count, d.start, d.step);
}

void Row_Table_Sort_By(int table, int offset, int down)
{
    if (PsRowTable* t = table_of(table)) sort_rows(t, offset, down != 0);
}

void Row_Table_Fill(int table, int offset, int mode, int first, int last, double start, double step)
{
    if (PsRowTable* t = table_of(table)) fill_rows(t, offset, mode, first, last, start, step);
}

void Row_Table_Reset(void)
{
    for (int i = 0; i < ROW_TABLES; ++i)
        if (g_tables[i].in_use) Row_Table_Free(i);
    g_fill_cx = g_fill_cy = -1;
    for (intptr_t& image : g_images) image = 0;
    g_edit_table = -1;
    g_edit_column = nullptr;
}
