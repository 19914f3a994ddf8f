// The text editor element: its state, the measures and the layout with drawing.
#include "sheets/texteditor.h"

#include "base/kovmem.h"
#include "platform/kovevent.h"
#include "platform/kovhost.h"
#include "platform/kovmenu.h"
#include "platform/kovscreen.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

TextEditorState* g_current = nullptr;

struct EditorColours {
    bool ready = false;
    int cursor = 0;
    int selection = 0;
    int fill = 0;
    int position = 0;
};

const EditorColours& editor_colours()
{
    static EditorColours c;
    if (!c.ready) {
        c.cursor = Nearest_RGB_Color(0, 0, 255);
        c.selection = Nearest_RGB_Color(153, 180, 209);
        c.fill = Nearest_RGB_Color(255, 140, 140);
        c.position = Nearest_RGB_Color(88, 199, 143);
        c.ready = true;
    }
    return c;
}

char** new_table(int entries)
{
    char** t = static_cast<char**>(Mem_Alloc_Zeroed(int(sizeof(char*)) * entries));
    Mem_Check_Pointer(t);
    return t;
}

// Stores a line start; the table grows to four times its size when full.
void put_line(TextEditorState* s, int i, char* q)
{
    s->lines[i] = q;
    s->line_count = i + 1;
    if (s->line_count < s->table_capacity) return;
    const int bigger = s->table_capacity * 4;
    char** t = new_table(bigger);
    std::memcpy(t, s->lines, sizeof(char*) * size_t(s->table_capacity));
    Mem_Free_Null(reinterpret_cast<void**>(&s->lines));
    s->lines = t;
    s->table_capacity = bigger;
}

// Characters of the line starting at q (a final line feed included) for the
// available width a; q points at a character that is neither zero nor a line
// feed.
int line_length(const char* q, int a)
{
    if (q[1] == 0) return 1;
    if (q[1] == '\n') return 2;
    int k = 1;
    for (;;) {
        if (Text_Editor_Text_Width(q, k) > a) break;
        if (q[k + 1] == 0) return k + 1;
        if (q[k + 1] == '\n') return k + 2;
        ++k;
    }
    // Overflow at k: the line ends after the last space among q[k] .. q[1].
    for (int j = k; j >= 1; --j)
        if (q[j] == ' ') return j + 1;
    return k;
}

} // namespace

TextEditorState* Text_Editor_Create(char* text, int capacity)
{
    TextEditorState* s = static_cast<TextEditorState*>(Mem_Alloc_Zeroed(int(sizeof(TextEditorState))));
    Mem_Check_Pointer(s);
    *s = TextEditorState{};
    s->table_capacity = 50;
    s->lines = new_table(s->table_capacity);
    s->font = 0x1003;
    s->capacity = std::max(capacity, 0);
    s->length = text ? int(std::min<size_t>(std::strlen(text), 0x7FFFFFF0u)) : 0;
    s->text = text;
    s->cursor = text;
    return s;
}

void Text_Editor_Free(TextEditorState* state)
{
    if (!state) return;
    if (g_current == state) g_current = nullptr;
    Mem_Free_Null(reinterpret_cast<void**>(&state->lines));
    Mem_Free_Null(reinterpret_cast<void**>(&state));
}

TextEditorState* Text_Editor_Current(void) { return g_current; }

void Text_Editor_Set_Current(TextEditorState* state) { g_current = state; }

int Text_Editor_Text_Width(const char* p, int n) { return Text_Editor_Text_Extent(p, n, nullptr); }

int Text_Extent_Width(const char* p, int n)
{
    if (!p || n <= 0) return 0;
    int extent[2] = {0, 0};
    pxQTxX(p, n, extent);
    return extent[1] - extent[0];
}

int Text_Editor_Text_Extent(const char* p, int n, int* extent)
{
    int e[2] = {0, 0};
    if (p && n > 0) {
        if (g_current && g_current->font == 0) {
            e[1] = n * 8 - 3;
        } else {
            pxQTxX(p, n, e);
        }
    }
    if (extent) {
        extent[0] = e[0];
        extent[1] = e[1];
    }
    return e[1] - e[0];
}

void Text_Editor_Draw_Text(ViewElement* element, int x1, int y1, int x2, int y2)
{
    if (!element || !element->editor) return;
    TextEditorState* s = element->editor;
    char* text = element->text;

    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(std::max(vx1, x1) + 1, std::max(vy1, y1) + 1, std::min(vx2, x2) - 1, std::min(vy2, y2) - 1);
    pxFgc(element->extra);
    pxRect(x1 + 1, y1 + 1, x2 - 1, y2 - 1);

    s->last_visible = (y2 - y1 - 22) / 14;
    const int v = s->last_visible;
    int r = -s->top;
    pxFgc(element->colour);
    Pop_RFont(s->font);
    const int a = x2 - x1 - 20;
    const int tx = x1 + 7;
    int base = y1 + 16;

    if (!text) {
        s->line_count = 0;
    } else {
        char* q = text;
        for (int i = 0;; ++i) {
            put_line(s, i, q);
            if (*q == 0) break;
            const int n = *q == '\n' ? 1 : line_length(q, a);
            char* next = q + n;
            if (r >= 0 && r <= v) {
                if (s->sel_start != s->sel_end && s->sel_start <= next && q <= s->sel_end) {
                    const char* from = std::max<const char*>(s->sel_start, q);
                    const char* to = std::min<const char*>(s->sel_end, next);
                    const int fg = pxQFgc();
                    pxFgc(editor_colours().selection);
                    pxRect(tx + 1 + Text_Editor_Text_Width(q, int(from - q)), base - 10,
                           tx + 1 + Text_Editor_Text_Width(q, int(to - q)), base + 2);
                    pxFgc(fg);
                }
                const int shown = n - (q[n - 1] == '\n' ? 1 : 0);
                if (shown > 0) pxText(tx, base, q, shown);
            }
            if (r >= 0) base += 14;
            ++r;
            q = next;
        }
    }

    s->cursor_x = 0;
    Push_RFont();
    pxView(vx1, vy1, vx2, vy2);
}

// ---- the editing run ------------------------------------------------------------------------

namespace {

const int kLine = 14;
const int kPasteMax = 5000;

void redraw(TextEditorState* s) { Text_Editor_Draw_Text(s->element, s->x1, s->y1, s->x2, s->y2); }

// The last character of the text; the text start for an empty text.
char* last_char(const TextEditorState* s) { return s->text + std::max(s->length - 1, 0); }

bool has_selection(const TextEditorState* s) { return s->sel_start != s->sel_end && s->sel_start && s->sel_end; }

void show(TextEditorState* s)
{
    Text_Editor_Erase_Cursor();
    redraw(s);
    Text_Editor_Scroll_To_Cursor();
    Text_Editor_Draw_Cursor();
}

// Removes the character at p; the rest moves down with its terminating zero,
// so the zeros behind the text stay.
void remove_at(TextEditorState* s, char* p)
{
    std::memmove(p, p + 1, std::strlen(p + 1) + 1);
    --s->length;
}

void delete_key(TextEditorState* s, bool backspace)
{
    if (has_selection(s)) {
        Text_Editor_Delete_Selection();
        return;
    }
    char* p = backspace ? s->cursor - 1 : s->cursor;
    if (p < s->text || *p == 0) return;
    if (!backspace && std::strlen(p) < 2) return;
    remove_at(s, p);
    if (backspace) --s->cursor;
}

void paste(TextEditorState* s)
{
    Text_Editor_Delete_Selection();
    std::string buf(size_t(kPasteMax) + 1, '\0');
    const int n = std::min(KOVGetClipboardText(&buf[0], kPasteMax + 1), kPasteMax);
    for (int i = 0; i < n && s->length < s->capacity; ++i) {
        // A carriage return before a line feed would become a second line feed.
        if (buf[size_t(i)] == '\r' && i + 1 < n && buf[size_t(i) + 1] == '\n') continue;
        Text_Editor_Insert_Char(static_cast<unsigned char>(buf[size_t(i)]));
    }
    show(s);
}

KovMenuEntry g_menu_entries[] = {
    {"Sonderzeichen", 1, 0, "_SPEC", nullptr, Text_Editor_Insert_Special_Character},
};
const KovMenu g_menu = {1, 13, 0, 0, 0, g_menu_entries};

// The left button held inside the editor: the cursor follows the press; once
// the mouse has moved more than 5 pixels, the characters between the press and
// the mouse are selected, and the text scrolls while the mouse stays below or
// above the editor.
void drag(TextEditorState* s)
{
    Text_Editor_Erase_Cursor();
    Text_Editor_Cursor_From_Mouse();
    Text_Editor_Draw_Cursor();
    char* const anchor = s->cursor;
    KovMessage m;
    InitKOVMessage(&m);
    const int every = 50;
    std::memcpy(m.bytes + KOV_MESSAGE_TIMEOUT, &every, sizeof every);
    const int px = M_XPOS, py = M_YPOS;
    bool dragging = false;
    pxFlsh();
    for (;;) {
        GetKOVMessage(0x40000021, &m);
        if (!M_LEFT) break;
        if (!dragging && std::abs(M_XPOS - px) <= 5 && std::abs(M_YPOS - py) <= 5) continue;
        if (M_YPOS >= s->y2 && s->top + s->last_visible < s->line_count - 2) {
            ++s->top;
            redraw(s);
            KOVSleep(50);
        } else if (M_YPOS <= s->y1 && s->top > 0) {
            --s->top;
            redraw(s);
            KOVSleep(50);
        }
        Text_Editor_Cursor_From_Mouse();
        if (s->cursor != anchor) {
            s->sel_start = std::min(s->cursor, anchor);
            s->sel_end = std::max(s->cursor, anchor);
            dragging = true;
            redraw(s);
        }
        pxFlsh();
    }
    if (!dragging || !has_selection(s)) Text_Editor_Clear_Selection();
    Text_Editor_Draw_Cursor();
}

void wheel(TextEditorState* s)
{
    if (M_SCROLL < 0 && s->top + s->last_visible < s->line_count - 2) {
        ++s->top;
        Text_Editor_Move_Cursor(0, 1);
        redraw(s);
        Text_Editor_Draw_Cursor();
    } else if (M_SCROLL > 0 && s->top > 0) {
        --s->top;
        Text_Editor_Move_Cursor(0, -1);
        redraw(s);
        Text_Editor_Draw_Cursor();
    }
    M_SCROLL = 0;
}

bool inside(const TextEditorState* s, int x, int y) { return x >= s->x1 && x <= s->x2 && y >= s->y1 && y <= s->y2; }

} // namespace

int Text_Editor_Cursor_Line(const TextEditorState* s)
{
    if (!s || s->line_count < 2 || s->cursor < s->lines[1]) return 0;
    int L = s->line_count - 1;
    while (L > 0 && s->lines[L] > s->cursor) --L;
    return L;
}

void Text_Editor_Erase_Cursor(void)
{
    TextEditorState* s = g_current;
    if (!s || s->cursor_x == 0) return;
    const int fg = pxQFgc();
    pxFgc(s->background);
    pxLine(s->cursor_x, s->cursor_y - 10, s->cursor_x, s->cursor_y + 4);
    pxFgc(fg);
    s->cursor_x = 0;
}

void Text_Editor_Draw_Cursor(void)
{
    TextEditorState* s = g_current;
    if (!s) return;
    Text_Editor_Erase_Cursor();
    const int L = Text_Editor_Cursor_Line(s);
    if (L < s->top || L > s->top + s->last_visible || L >= s->line_count) return;
    const char* start = s->lines[L];
    const int x = s->x1 + 7 + (s->cursor > start ? Text_Editor_Text_Width(start, int(s->cursor - start)) + 2 : 0);
    const int y = s->y1 + (L - s->top) * kLine + 16;
    const int fg = pxQFgc();
    pxFgc(editor_colours().cursor);
    pxLine(x, y - 10, x, y + 4);
    pxFgc(fg);
    s->cursor_x = x;
    s->cursor_y = y;
}

void Text_Editor_Scroll_To_Cursor(void)
{
    TextEditorState* s = g_current;
    if (!s) return;
    const int L = Text_Editor_Cursor_Line(s);
    if (L < s->top) {
        s->top = L;
        redraw(s);
    }
    if (s->top < L - s->last_visible) {
        s->top = L - s->last_visible;
        redraw(s);
    }
}

void Text_Editor_Cursor_From_Mouse(void)
{
    TextEditorState* s = g_current;
    if (!s || s->line_count < 1) return;
    int line = (M_YPOS - s->y1 - 7) / kLine + s->top;
    line = std::max(0, std::min(line, s->line_count - 1));
    if (line == s->line_count - 1) {
        s->cursor = last_char(s);
        return;
    }
    char* q = s->lines[line];
    const int n = int(s->lines[line + 1] - q);
    const int m = M_XPOS - s->x1 - 7;
    auto w = [&](int p) { return Text_Editor_Text_Width(q, p) + 2; };
    int p = 0;
    while (p < n && q[p] != 0 && q[p] != '\n') {
        if (m < w(p)) break;
        ++p;
    }
    if (p > 0 && std::abs(m - w(p - 1)) < std::abs(m - w(p))) --p;
    p = std::max(0, std::min(p, n - 1));
    s->cursor = q + p;
}

void Text_Editor_Move_Cursor(int dx, int dlines)
{
    TextEditorState* s = g_current;
    if (!s) return;
    Text_Editor_Clear_Selection();
    // Offsets, so that a step before the text start is only limited below.
    long at = long(s->cursor - s->text) + dx;
    at = std::max(0L, std::min(at, long(s->length)));
    s->cursor = s->text + at;
    if (dlines != 0) {
        const int i = Text_Editor_Cursor_Line(s);
        if ((i == 0 && dlines < 0) || (i >= s->line_count - 2 && dlines > 0)) return;
        const int b = Text_Editor_Text_Width(s->lines[i], int(s->cursor - s->lines[i]));
        const int t = std::max(0, std::min(i + dlines, s->line_count - 1));
        char* d = s->lines[t];
        const bool last = t == s->line_count - 1;
        char* p = d;
        // The cursor stays inside line t: a wrapped line ends before the next starts.
        while (*p != 0 && *p != '\n' && (last || p + 1 < s->lines[t + 1]) &&
               Text_Editor_Text_Width(d, int(p - d)) + 2 < b)
            ++p;
        s->cursor = p;
    }
    s->cursor = std::max(s->text, std::min(s->cursor, last_char(s)));
    Text_Editor_Erase_Cursor();
    Text_Editor_Scroll_To_Cursor();
    Text_Editor_Draw_Cursor();
}

void Text_Editor_Clear_Selection(void)
{
    TextEditorState* s = g_current;
    if (!s) return;
    const bool had = has_selection(s);
    s->sel_start = s->sel_end = nullptr;
    if (had) redraw(s);
}

void Text_Editor_Delete_Selection(void)
{
    TextEditorState* s = g_current;
    if (!s || !has_selection(s)) return;
    char* from = std::min(s->sel_start, s->sel_end);
    char* to = std::max(s->sel_start, s->sel_end);
    const size_t tail = std::strlen(to) + 1;
    const size_t gone = size_t(to - from);
    std::memmove(from, to, tail);
    std::memset(from + tail, 0, gone);
    s->cursor = from;
    s->sel_start = s->sel_end = nullptr;
    s->length = int(std::strlen(s->text));
    show(s);
}

void Text_Editor_Insert_Char(int ch)
{
    TextEditorState* s = g_current;
    if (!s) return;
    ch &= 0xFF;
    if (ch == 0) return;
    if (has_selection(s)) Text_Editor_Delete_Selection();
    if (s->length >= s->capacity) return;
    char* end = s->text + s->length;
    s->cursor = std::max(s->text, std::min(s->cursor, end));
    std::memmove(s->cursor + 1, s->cursor, size_t(end - s->cursor) + 1);
    *s->cursor = char(ch == 13 ? 10 : ch);
    ++s->cursor;
    ++s->length;
}

void Text_Editor_Copy_To_Clipboard(const char* from, const char* to)
{
    if (!from || !to || from >= to) return;
    const std::string t(from, to);
    KOVSetClipboardText(t.c_str());
}

void Text_Editor_Insert_Special_Character(void)
{
    const int ch = Get_UserSelected_SpecialCharacter();
    if (ch < 0 || !g_current) return;
    Text_Editor_Insert_Char(ch);
}

void Text_Editor_Draw_Indicators(void)
{
    TextEditorState* s = g_current;
    if (!s) return;
    const int fg = pxQFgc();
    if (s->capacity > 0) {
        const int w = int(double(s->length) / double(s->capacity) * double(s->x2 - s->x1 - 7));
        pxFgc(editor_colours().fill);
        pxRect(s->x1 + 2, s->y2 - 3, s->x1 + 2 + w, s->y2 - 2);
    }
    // With fewer than two lines there is nothing to scroll through.
    if (s->line_count > s->last_visible && s->line_count >= 2) {
        const float u = float(s->line_count - 1);
        const float h = float(s->y2 - s->y1 - 4);
        const int from = int(float(s->top) / u * h);
        const int to = int(float(s->last_visible + s->top + 1) / u * h);
        pxFgc(editor_colours().position);
        pxRect(s->x2 - 3, s->y1 + 2 + from, s->x2 - 2, s->y1 + 2 + to);
    }
    pxFgc(fg);
}

void Text_Editor_Key(int key)
{
    TextEditorState* s = g_current;
    if (!s) return;
    switch (key) {
        case 1: // Ctrl+A: everything but the last character
            s->sel_start = s->text;
            s->sel_end = last_char(s);
            Text_Editor_Erase_Cursor();
            s->cursor = s->sel_end;
            Text_Editor_Scroll_To_Cursor();
            redraw(s);
            Text_Editor_Draw_Cursor();
            return;
        case 3: Text_Editor_Copy_To_Clipboard(s->sel_start, s->sel_end); return;
        case 24:
            Text_Editor_Copy_To_Clipboard(s->sel_start, s->sel_end);
            Text_Editor_Delete_Selection();
            return;
        case 22: paste(s); return;
        case 331: Text_Editor_Move_Cursor(-1, 0); return;
        case 333: Text_Editor_Move_Cursor(1, 0); return;
        case 328: Text_Editor_Move_Cursor(0, -1); return;
        case 336: Text_Editor_Move_Cursor(0, 1); return;
        case 329: Text_Editor_Move_Cursor(0, -s->last_visible); return;
        case 337: Text_Editor_Move_Cursor(0, s->last_visible); return;
        case 327:
        case 335: {
            Text_Editor_Clear_Selection();
            const int L = Text_Editor_Cursor_Line(s);
            if (L >= s->line_count - 1)
                s->cursor = s->lines[L];
            else
                s->cursor = key == 327 ? s->lines[L] : s->lines[L + 1] - 1;
            break;
        }
        case 375:
        case 373:
            Text_Editor_Clear_Selection();
            s->cursor = key == 375 ? s->text : last_char(s);
            break;
        case 8:
            delete_key(s, true);
            show(s);
            return;
        case 339:
            delete_key(s, false);
            show(s);
            return;
        default:
            if (key == 13 || (key >= 32 && key <= 255)) Text_Editor_Insert_Char(key);
            show(s);
            return;
    }
    // Home, End, Ctrl+Home, Ctrl+End.
    Text_Editor_Erase_Cursor();
    Text_Editor_Scroll_To_Cursor();
    Text_Editor_Draw_Cursor();
}

void Text_Editor_Run(ViewElement* element, int ax1, int ay1, int ax2, int ay2, int x1, int y1, int x2, int y2)
{
    if (!element || !element->editor || !element->text) return;
    TextEditorState* s = element->editor;
    int o[4], in[4];
    pxQVwp(&o[0], &o[1], &o[2], &o[3]);
    pxView(ax1, ay1, ax2, ay2);
    pxQVwp(&in[0], &in[1], &in[2], &in[3]);
    pxView(std::max(ax1, x1), std::max(ay1, y1), std::min(ax2, x2), std::min(ay2, y2));

    s->x1 = x1;
    s->y1 = y1;
    s->x2 = x2;
    s->y2 = y2;
    s->background = element->extra;
    s->text_colour = element->colour;
    s->element = element;
    s->text = element->text;
    // The caller may have changed the buffer since the editor was made: the
    // length is taken anew, and a text at or over the capacity takes nothing.
    s->length = int(strnlen(s->text, size_t(s->capacity)));
    s->sel_start = s->sel_end = nullptr;
    s->cursor = s->text;
    g_current = s;
    Pop_RFont(s->font);
    // The line table as this run measures it, for the cursor from the mouse.
    redraw(s);
    Text_Editor_Cursor_From_Mouse();
    Text_Editor_Draw_Cursor();
    Text_Editor_Draw_Indicators();
    pxFlsh();
    GetKOVMessage(1, nullptr);

    KovMessage m;
    InitKOVMessage(&m);
    // The button that started the run may still be held: the first turn takes
    // it as it is, so that dragging starts at the press.
    bool held = M_LEFT != 0;
    for (;;) {
        if (!held) GetKOVMessage(0x1400A, &m);
        held = false;
        if (Kov_Ui_Last_Answer_Exhausted()) break;
        if (M_SCROLL != 0) wheel(s);
        if (M_LEFT && !inside(s, M_XPOS, M_YPOS)) break;
        if (M_LEFT) {
            drag(s);
        } else if (M_RIGHT) {
            Menue_Manager(&g_menu);
            show(s);
        }
        if (hitkey() != -1) Text_Editor_Key(getkey());
        Text_Editor_Draw_Indicators();
        pxFlsh();
    }

    Text_Editor_Erase_Cursor();
    s->top = 0;
    Text_Editor_Clear_Selection();
    redraw(s);
    Push_RFont();
    pxView(in[0], in[1], in[2], in[3]);
    g_current = nullptr;
    pxView(o[0], o[1], o[2], o[3]);
    pxFlsh();
    // The press that ended the run belongs to what it was aimed at.
    Kov_Ui_Put_Back_Press();
}
