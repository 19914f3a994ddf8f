// The text editor element: its state, the measures and the layout with drawing.
#include "sheets/texteditor.h"

#include "base/kovmem.h"
#include "platform/kovscreen.h"

#include <algorithm>
#include <cstring>

namespace {

TextEditorState* g_current = nullptr;

struct EditorColours {
    bool ready = false;
    int selection = 0;
};

const EditorColours& editor_colours()
{
    static EditorColours c;
    if (!c.ready) {
        c.selection = Nearest_RGB_Color(153, 180, 209);
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

TextEditorState* Text_Editor_Current(void)
{
    return g_current;
}

void Text_Editor_Set_Current(TextEditorState* state)
{
    g_current = state;
}

int Text_Editor_Text_Width(const char* p, int n)
{
    return Text_Editor_Text_Extent(p, n, nullptr);
}

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
