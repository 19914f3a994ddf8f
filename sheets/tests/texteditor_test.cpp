// Tests of the text editor: the wrap rule, the line table, drawing with the selection, its
// measures, the keys of an edit run, the clipboard and selecting by dragging.
#include <gtest/gtest.h>

#include "platform/kovhost.h"
#include "platform/kovmenu.h"
#include "sheets/tests/viewtest.h"
#include "sheets/texteditor.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"
#include "test_support/kovtestutil.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// An editor of the small font (6 pixels a character) whose text may use
// 20 pixels plus 10 characters: x2 - x1 = 80, so the available width is 60.
class Editor : public viewtest::OnASheet {
protected:
    void SetUp() override
    {
        viewtest::OnASheet::SetUp();
        slot = unsigned(View_Area_Open(0, 0, 400, 400, 0, 0));
    }
    void TearDown() override
    {
        View_Area_Close_All();
        viewtest::OnASheet::TearDown();
    }
    ViewElement* add(char* buf, int capacity)
    {
        View_Area_Add_Text_Editor(slot, 10, 10, 90, 200, buf, capacity, 0x000000, 0xFFFFFF, 1, &on);
        View_Area_Set_Text_Editor_Font(slot, 0x1002);
        return View_Area_Record(slot)->last;
    }
    // The line starts as offsets into the buffer.
    static std::vector<long> offsets(const ViewElement* e)
    {
        std::vector<long> v;
        for (int i = 0; i < e->editor->line_count; ++i) v.push_back(e->editor->lines[i] - e->text);
        return v;
    }
    unsigned slot = 0;
    int on = 1;
};

} // namespace

TEST_F(Editor, WrapsAfterTheLastSpaceThatFits)
{
    char buf[101] = "abc def ghij";
    ViewElement* e = add(buf, 100);
    Kov_Script_Clear_Log();
    Text_Editor_Draw_Text(e, 60, 60, 140, 250);
    // By hand: from "a", the first K with 6K > 60 is K = 11 ("abc def ghij"
    // has no line feed and q[K + 1] is never zero before that). The last space
    // among q[11] .. q[1] is q[7]: the line is "abc def " (8 characters, the
    // space kept). From "g": q[4] is zero at K = 3, so the line has 4
    // characters. Then the end position.
    EXPECT_EQ(offsets(e), (std::vector<long>{0, 8, 12}));
    EXPECT_EQ(e->editor->lines[2], buf + 12);
    EXPECT_EQ(*e->editor->lines[2], '\0');
    // Text at x1 + 7, base lines y1 + 16 and 14 further down; v = (190 - 22) / 14.
    EXPECT_TRUE(viewtest::logged("pxText 67 76 abc def "));
    EXPECT_TRUE(viewtest::logged("pxText 67 90 ghij"));
    EXPECT_EQ(e->editor->last_visible, 12);
    EXPECT_EQ(e->editor->cursor_x, 0);
}

TEST_F(Editor, LineBreaksOfTheWrapRule)
{
    struct Case {
        const char* text;
        std::vector<long> starts;
    } cases[] = {
        // A word longer than the width breaks after the character that no
        // longer fits: 6 * 11 > 60 at K = 11, no space, so 11 characters.
        {"abcdefghijklmno", {0, 11, 15}},
        // Exactly ten characters and the end: q[10] is zero at K = 9.
        {"abcdefghij", {0, 10}},
        // Eleven: at K = 10 (60 pixels, fits) q[11] is zero, so the line takes
        // all 11 characters.
        {"abcdefghijk", {0, 11}},
        // Line feeds end lines and stay in them; an empty line is the feed alone.
        {"abc\n\nxy", {0, 4, 5, 7}},
        {"a\nb\nc\n", {0, 2, 4, 6}},
        {"x", {0, 1}},
        {"x\n", {0, 2}},
        {"", {0}},
        // A space right after the overflow is kept in the line.
        {"abcdefghij klm", {0, 11, 14}},
    };
    for (const Case& c : cases) {
        char buf[101] = {0};
        std::snprintf(buf, sizeof buf, "%s", c.text);
        ViewElement* e = add(buf, 100);
        Text_Editor_Draw_Text(e, 60, 60, 140, 250);
        EXPECT_EQ(offsets(e), c.starts) << c.text;
    }
}

TEST_F(Editor, LineTableGrowsFourfold)
{
    std::string text;
    for (int i = 0; i < 120; ++i) text += "x\n";
    std::vector<char> buf(text.begin(), text.end());
    buf.resize(301, '\0');
    ViewElement* e = add(buf.data(), 300);
    Text_Editor_Draw_Text(e, 60, 60, 140, 250);
    EXPECT_EQ(e->editor->line_count, 121);
    EXPECT_EQ(e->editor->table_capacity, 200);
    EXPECT_EQ(e->editor->lines[120], buf.data() + 240);
    EXPECT_EQ(e->editor->lines[57], buf.data() + 114);
    // Only the visible lines are drawn.
    EXPECT_EQ(viewtest::log_lines("pxText").size(), size_t(e->editor->last_visible + 1));
}

TEST_F(Editor, DrawsFromTheTopLineAndUnderlaysTheSelection)
{
    char buf[101] = "abc def ghij";
    ViewElement* e = add(buf, 100);
    e->editor->sel_start = buf + 1;
    e->editor->sel_end = buf + 5;
    Kov_Script_Clear_Log();
    Text_Editor_Draw_Text(e, 60, 60, 140, 250);
    // Characters 1 .. 4 of the first line: from 67 + 1 + 6 to 67 + 1 + 30.
    EXPECT_TRUE(viewtest::logged("pxRect 74 66 98 78"));
    EXPECT_TRUE(viewtest::logged("pxFgc " + std::to_string((153 << 16) | (180 << 8) | 209)));
    EXPECT_EQ(viewtest::log_lines("pxRect").size(), 2u); // the background and the one underlay

    e->editor->sel_start = e->editor->sel_end = nullptr;
    e->editor->top = 1;
    Kov_Script_Clear_Log();
    Text_Editor_Draw_Text(e, 60, 60, 140, 250);
    const std::vector<std::string> texts = viewtest::log_lines("pxText");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "pxText 67 76 ghij");
    EXPECT_EQ(e->editor->line_count, 3);
}

TEST_F(Editor, LeavesFontAndViewportAsFound)
{
    char buf[101] = "abc";
    ViewElement* e = add(buf, 100);
    pxView(0, 0, 100, 100);
    Kov_Script_Clear_Log();
    Text_Editor_Draw_Text(e, 60, 60, 140, 250);
    // Clipped to the inside of the editor within the viewport in force.
    EXPECT_TRUE(viewtest::logged("pxView 61 61 99 99"));
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x2, 100);
    EXPECT_EQ(viewtest::log_lines("Pop_RFont").size(), 1u);
    EXPECT_EQ(viewtest::log_lines("Push_RFont").size(), 1u);
}

TEST_F(Editor, MeasuresOfTheEditor)
{
    char buf[101] = "abc";
    ViewElement* e = add(buf, 100);
    Pop_RFont(0x1000);
    EXPECT_EQ(Text_Editor_Text_Width("abc", 3), 24);
    EXPECT_EQ(Text_Extent_Width("abc", 3), 24);
    EXPECT_EQ(Text_Editor_Text_Width("abc", 0), 0);
    // While an editor of font 0 is being edited: 8 pixels a character less 3.
    e->editor->font = 0;
    Text_Editor_Set_Current(e->editor);
    EXPECT_EQ(Text_Editor_Text_Width("abc", 3), 21);
    int extent[2] = {-1, -1};
    EXPECT_EQ(Text_Editor_Text_Extent("abc", 3, extent), 21);
    EXPECT_EQ(extent[0], 0);
    EXPECT_EQ(extent[1], 21);
    EXPECT_EQ(Text_Extent_Width("abc", 3), 24);
    Push_RFont();
    // Closing the area ends the editing of its editor.
    View_Area_Close(slot);
    EXPECT_EQ(Text_Editor_Current(), nullptr);
}

// ---- the editing run ---------------------------------------------------------------------------

namespace {

// An editor at (10, 10)-(210, 110) in the area (50, 50)-(450, 350): on the
// screen (60, 60)-(260, 160). Font 0x1000, 8 pixels a character: the text
// starts at x 67, the base line of line k at 76 + 14 k; six lines show
// (v = (100 - 22) / 14 = 5); a line takes up to 22 characters (180 pixels).
class EditRun : public viewtest::OnASheet {
protected:
    void SetUp() override
    {
        viewtest::OnASheet::SetUp();
        Activate_Prop_Sheet();
        slot = unsigned(View_Area_Open(50, 50, 450, 350, 0, 0));
    }
    void TearDown() override
    {
        Kov_Set_Sleep_Function(nullptr);
        Kov_Ui_Set_Idle_Hook(nullptr);
        View_Area_Close_All();
        viewtest::OnASheet::TearDown();
    }
    ViewElement* add(char* buf, int capacity)
    {
        View_Area_Add_Text_Editor(slot, 10, 10, 210, 110, buf, capacity, 0x000000, 0xFFFFFF, 1, &on);
        View_Area_Set_Text_Editor_Font(slot, 0x1000);
        View_Area_Show(slot);
        return View_Area_Record(slot)->last;
    }
    // The press as the sheet hands it over: taken, its release queued.
    static void press(int x, int y)
    {
        Kov_Ui_Push_Click(x, y);
        Get_Mouse_Event();
    }
    // The screen point on which the cursor comes to stand before character
    // col of line `line` (the cursor's own line x, so no rounding either way).
    static int col_x(int col) { return 67 + 8 * col + 2; }
    static int line_y(int line) { return 67 + 14 * line + 3; }
    unsigned slot = 0;
    int on = 1;
};

void push_keys(const std::vector<int>& keys)
{
    for (int k : keys) Kov_Ui_Push_Key(k);
}

} // namespace

TEST_F(EditRun, KeysOfTheRun)
{
    const int below = 99; // a click below the text
    struct Case {
        const char* text;
        int capacity;
        int line, col;
        std::vector<int> keys;
        const char* after;
    } cases[] = {
        // A click below the text stands on the final line feed: typing extends the text.
        {"abc\n", 100, below, 0, {'x'}, "abcx\n"},
        // Without a final line feed the cursor stands on the last character.
        {"abc", 100, below, 0, {'x'}, "abxc"},
        {"", 100, 0, 0, {'a', 'b'}, "ab"},
        // Enter inserts a line feed; a full text takes nothing.
        {"ab", 100, 0, 1, {13}, "a\nb"},
        {"abcd", 4, 0, 1, {'x', 13}, "abcd"},
        // Delete on the last character does nothing; Backspace at the start neither.
        {"abc", 100, below, 0, {339}, "abc"},
        {"abc", 100, 0, 1, {339}, "ac"},
        {"abc", 100, 0, 0, {8}, "abc"},
        {"abc", 100, 0, 2, {8}, "ac"},
        // Left at the start stays; Right moves on, but not past the last character.
        {"abc", 100, 0, 0, {331, 'X'}, "Xabc"},
        {"abc", 100, 0, 1, {333, 'X'}, "abXc"},
        {"abc", 100, 0, 1, {333, 333, 333, 'X'}, "abXc"},
        // Home, End of a line; Ctrl+Home, Ctrl+End of the text.
        {"abc\ndef\n", 100, 1, 1, {335, 'X'}, "abc\ndefX\n"},
        {"abc\ndef\n", 100, 1, 2, {327, 'X'}, "abc\nXdef\n"},
        {"abc\ndef\n", 100, 0, 1, {373, 'X'}, "abc\ndefX\n"},
        {"abc\ndef\n", 100, 1, 1, {375, 'X'}, "Xabc\ndef\n"},
        // Up and Down keep the column; Down on the last text line and Up on
        // the first do nothing.
        {"ab\ncd\n", 100, 1, 1, {328, 'X'}, "aXb\ncd\n"},
        {"ab\ncd\n", 100, 0, 1, {336, 'X'}, "ab\ncXd\n"},
        {"ab\ncd\n", 100, 1, 1, {336, 'X'}, "ab\ncXd\n"},
        {"ab\ncd\n", 100, 0, 1, {328, 'X'}, "aXb\ncd\n"},
        // Ctrl+A selects all but the last character: Ctrl+X leaves that one,
        // typing replaces the rest.
        {"abc", 100, 0, 0, {1, 24}, "c"},
        {"abc\n", 100, 0, 0, {1, 'z'}, "z\n"},
        {"x", 100, 0, 0, {1, 24, 'y'}, "yx"},
        // Other keys change nothing.
        {"abc", 100, 0, 1, {9, 315, 338}, "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.after);
        std::vector<char> buf(size_t(c.capacity) + 1, '\0');
        std::memcpy(buf.data(), c.text, std::strlen(c.text));
        ViewElement* e = add(buf.data(), c.capacity);
        press(col_x(c.col), c.line == below ? 150 : line_y(c.line));
        push_keys(c.keys);
        EXPECT_EQ(View_Area_Handle_Event(slot), 0);
        EXPECT_STREQ(buf.data(), c.after);
        EXPECT_EQ(e->editor->length, int(std::strlen(c.after)));
        // The zeros behind the text stay.
        for (size_t i = std::strlen(buf.data()); i < buf.size(); ++i) ASSERT_EQ(buf[i], 0) << i;
        // The run is over: no editor being edited, the text shown from its top.
        EXPECT_EQ(Text_Editor_Current(), nullptr);
        EXPECT_EQ(e->editor->top, 0);
        View_Area_Clear(slot);
    }
}

TEST_F(EditRun, CutCopyAndPasteGoThroughTheClipboard)
{
    char buf[101] = "Hallo Welt\n";
    add(buf, 100);
    KOVSetClipboardText("");
    press(col_x(0), line_y(0));
    push_keys({1, 3});
    EXPECT_EQ(View_Area_Handle_Event(slot), 0);
    char got[64] = {0};
    KOVGetClipboardText(got, sizeof got);
    EXPECT_STREQ(got, "Hallo Welt");
    EXPECT_STREQ(buf, "Hallo Welt\n");

    // Pasted at the cursor; a carriage return before a line feed is dropped,
    // a lone one becomes a line feed.
    KOVSetClipboardText("a\r\nb\rc");
    press(col_x(5), line_y(0));
    push_keys({22});
    EXPECT_EQ(View_Area_Handle_Event(slot), 0);
    EXPECT_STREQ(buf, "Halloa\nb\nc Welt\n");
}

TEST_F(EditRun, PasteStopsAtTheCapacity)
{
    std::vector<char> buf(5001, '\0');
    std::memset(buf.data(), 'a', 4990);
    add(buf.data(), 5000);
    KOVSetClipboardText("0123456789ABCDEF");
    press(col_x(0), line_y(0));
    push_keys({22});
    EXPECT_EQ(View_Area_Handle_Event(slot), 0);
    EXPECT_EQ(std::strlen(buf.data()), 5000u);
    EXPECT_EQ(std::string(buf.data(), 11), "0123456789a");
    EXPECT_EQ(buf[5000], 0);
}

TEST_F(EditRun, DraggingMoreThanFivePixelsSelects)
{
    struct Case {
        int dx, dy;
        const char* clipboard; // Ctrl+C after the drag
    } cases[] = {
        {5, 0, ""},
        {0, 5, ""},
        {5, -5, ""},
        {-5, 5, ""},
        // 6 pixels right: the character under the mouse is nearer its right edge.
        {6, 0, "a"},
        // 6 pixels down: the next line, column 0.
        {0, 6, "abcdefghij\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.dx) + " " + std::to_string(c.dy));
        char buf[101] = "abcdefghij\nklm\n";
        add(buf, 100);
        KOVSetClipboardText("");
        // 6 pixels above the second line.
        const int x = col_x(0), y = 76;
        Kov_Ui_Push_Press(x, y, 1);
        Get_Mouse_Event();
        Kov_Ui_Push_Move(x, y);
        Kov_Ui_Push_Move(x + c.dx, y + c.dy);
        Kov_Ui_Push_Release(x + c.dx, y + c.dy, 1);
        Kov_Ui_Push_Key(3);
        EXPECT_EQ(View_Area_Handle_Event(slot), 0);
        char got[64] = {0};
        KOVGetClipboardText(got, sizeof got);
        EXPECT_STREQ(got, c.clipboard);
        EXPECT_STREQ(buf, "abcdefghij\nklm\n");
        View_Area_Clear(slot);
    }
}

// The selection runs from the press, not from the first move after it: the
// mouse goes straight from the press to where it is let go.
TEST_F(EditRun, TheSelectionStartsAtThePress)
{
    struct Case {
        int from, to, moves;
        const char* clipboard;
    } cases[] = {
        {2, 7, 1, "cdefg"},
        {2, 7, 3, "cdefg"},
        {8, 3, 2, "defgh"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " " + std::to_string(c.to) + " " + std::to_string(c.moves));
        char buf[101] = "abcdefghij\nklm\n";
        add(buf, 100);
        KOVSetClipboardText("");
        Kov_Ui_Push_Press(col_x(c.from), line_y(0), 1);
        Get_Mouse_Event();
        for (int k = 1; k <= c.moves; ++k)
            Kov_Ui_Push_Move(col_x(c.from) + (col_x(c.to) - col_x(c.from)) * k / c.moves, line_y(0));
        Kov_Ui_Push_Release(col_x(c.to), line_y(0), 1);
        Kov_Ui_Push_Key(3);
        EXPECT_EQ(View_Area_Handle_Event(slot), 0);
        char got[64] = {0};
        KOVGetClipboardText(got, sizeof got);
        EXPECT_STREQ(got, c.clipboard);
        View_Area_Clear(slot);
    }
}

namespace {
std::vector<int> g_sleeps;
std::vector<int> g_tops;
void record_sleep(int ms)
{
    g_sleeps.push_back(ms);
    g_tops.push_back(Text_Editor_Current() ? Text_Editor_Current()->top : -1);
}
} // namespace

TEST_F(EditRun, DraggingBelowTheEditorScrollsOneLineEachFiftyMilliseconds)
{
    // Ten lines and the end: scrolling goes on while top + 5 < 11 - 2.
    char buf[101] = "l0\nl1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9\n";
    add(buf, 100);
    g_sleeps.clear();
    g_tops.clear();
    Kov_Set_Sleep_Function(record_sleep);
    KOVSetClipboardText("");
    Kov_Ui_Push_Press(col_x(0), line_y(0), 1);
    Get_Mouse_Event();
    Kov_Ui_Push_Move(col_x(0), line_y(0));
    Kov_Ui_Push_Move(col_x(1), 170); // below the editor's bottom at 160
    for (int i = 0; i < 8; ++i) Kov_Ui_Push_Idle(50);
    Kov_Ui_Push_Release(col_x(1), 170, 1);
    Kov_Ui_Push_Key(3);
    EXPECT_EQ(View_Area_Handle_Event(slot), 0);
    EXPECT_EQ(g_sleeps, std::vector<int>(4, 50));
    EXPECT_EQ(g_tops, (std::vector<int>{1, 2, 3, 4}));
    // The selection reaches the last character (the mouse below the last line).
    char got[64] = {0};
    KOVGetClipboardText(got, sizeof got);
    EXPECT_STREQ(got, "l0\nl1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9");
}

TEST_F(EditRun, WheelScrollsWhileTheLinesAllow)
{
    char buf[101] = "l0\nl1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9\n";
    add(buf, 100);
    press(col_x(0), line_y(0));
    static std::vector<int> tops;
    tops.clear();
    static int turn;
    turn = 0;
    Kov_Ui_Set_Idle_Hook([](const char*) {
        if (Text_Editor_Current()) tops.push_back(Text_Editor_Current()->top);
        if (turn < 6)
            Kov_Ui_Push_Wheel(100, 100, -1);
        else if (turn < 8)
            Kov_Ui_Push_Wheel(100, 100, 1);
        ++turn;
    });
    EXPECT_EQ(View_Area_Handle_Event(slot), 0);
    Kov_Ui_Set_Idle_Hook(nullptr);
    // Down to top 4 (4 + 5 < 11 - 2 no longer holds), then up twice.
    EXPECT_EQ(tops, (std::vector<int>{0, 1, 2, 3, 4, 4, 4, 3, 2}));
}

TEST_F(EditRun, ClickOutsideEndsTheRunAndIsLeftToTheCaller)
{
    char buf[101] = "abc";
    int flag = 0;
    add(buf, 100);
    View_Area_Add_Check_Box(slot, 10, 200, "Haken", 0x1000, 0, &flag, &on); // X 60, Y 250
    View_Area_Show(slot);
    press(col_x(0), line_y(0));
    Kov_Ui_Push_Click(70, 250);
    EXPECT_EQ(View_Area_Handle_Event(slot), 0);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(Text_Editor_Current(), nullptr);
    // The press on the check box comes again.
    Get_Mouse_Event();
    EXPECT_EQ(M_LEFT, 1);
    EXPECT_EQ(View_Area_Handle_Event(slot), 1);
    EXPECT_EQ(flag, 1);
}

TEST_F(EditRun, InactiveEditorIsEditedToo)
{
    char buf[101] = "abc\n";
    add(buf, 100);
    on = 0;
    press(150, 150);
    Kov_Ui_Push_Key('x');
    EXPECT_EQ(View_Area_Handle_Event(slot), 0);
    EXPECT_STREQ(buf, "abcx\n");
}

TEST_F(EditRun, ContextMenuInsertsASpecialCharacter)
{
    const unsigned char* symbols = nullptr;
    ASSERT_GT(Kov_Special_Characters(&symbols), 0);
    struct Case {
        bool pick;
        std::string after;
    } cases[] = {{true, std::string("a") + char(symbols[0]) + "bc\n"}, {false, "abc\n"}};
    for (const Case& c : cases) {
        char buf[101] = "abc\n";
        add(buf, 100);
        press(col_x(1), line_y(0));
        // The menu opens at the right click; Down marks "Sonderzeichen" and
        // Enter chooses it; the symbol sheet opens at the mouse.
        Kov_Ui_Push_Press(100, 80, 2);
        Kov_Ui_Push_Release(100, 80, 2);
        push_keys({336, 13});
        if (c.pick)
            Kov_Ui_Push_Click(100 + 10 + 5, 80 + 33 + 5); // the first symbol
        else
            Kov_Ui_Push_Key(27);
        Kov_Script_Clear_Log();
        EXPECT_EQ(View_Area_Handle_Event(slot), 0);
        EXPECT_TRUE(viewtest::logged("Menue_Manager -> Sonderzeichen"));
        EXPECT_EQ(std::string(buf), c.after);
        View_Area_Clear(slot);
    }
}

TEST_F(EditRun, TheBuffersLengthIsTakenAnewAtEachRun)
{
    // Made on an empty buffer, filled by the caller up to the capacity: no
    // typing may reach behind the buffer.
    char buf[6] = "";
    add(buf, 5);
    std::memcpy(buf, "abcde", 6);
    press(col_x(0), line_y(0));
    push_keys({'x', 'y'});
    EXPECT_EQ(View_Area_Handle_Event(slot), 0);
    EXPECT_STREQ(buf, "abcde");
}

TEST_F(EditRun, CursorFillBarAndPositionBar)
{
    // 30 of 60 characters, ten lines of which six show.
    char buf[61] = "l0\nl1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9\n";
    add(buf, 60);
    press(col_x(1), line_y(1));
    Kov_Script_Clear_Log();
    const int blue = Nearest_RGB_Color(0, 0, 255), fill = Nearest_RGB_Color(255, 140, 140),
              position = Nearest_RGB_Color(88, 199, 143);
    static bool seen;
    seen = false;
    Kov_Ui_Set_Idle_Hook([](const char*) {
        if (seen) return;
        seen = true;
        // The cursor after "l" of line 1: x 67 + 8 + 2, base line 90.
        EXPECT_EQ(Kov_Ui_Pixel(77, 85), Nearest_RGB_Color(0, 0, 255));
    });
    EXPECT_EQ(View_Area_Handle_Event(slot), 0);
    Kov_Ui_Set_Idle_Hook(nullptr);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(viewtest::logged("pxFgc " + std::to_string(blue)));
    EXPECT_TRUE(viewtest::logged("pxLine 77 80 77 94"));
    // Fill: 30 / 60 of 200 - 7 = 96 pixels.
    EXPECT_TRUE(viewtest::logged("pxFgc " + std::to_string(fill)));
    EXPECT_TRUE(viewtest::logged("pxRect 62 157 158 158"));
    // Position: u = 10, h = 96: from 62 + 0 to 62 + 6 / 10 * 96 = 57.6.
    EXPECT_TRUE(viewtest::logged("pxFgc " + std::to_string(position)));
    EXPECT_TRUE(viewtest::logged("pxRect 257 62 258 119"));
}

TEST_F(EditRun, NoBarsWithoutCapacityOrWithOneLine)
{
    // Capacity 0, and only 20 pixels high: v = (20 - 22) / 14 = 0 and a
    // single line (the end position).
    char buf[2] = "";
    View_Area_Add_Text_Editor(slot, 10, 10, 210, 30, buf, 0, 0x000000, 0xFFFFFF, 1, &on);
    View_Area_Show(slot);
    press(100, 70);
    Kov_Ui_Push_Key('x');
    Kov_Script_Clear_Log();
    EXPECT_EQ(View_Area_Handle_Event(slot), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_FALSE(viewtest::logged("pxFgc " + std::to_string(Nearest_RGB_Color(255, 140, 140))));
    EXPECT_FALSE(viewtest::logged("pxFgc " + std::to_string(Nearest_RGB_Color(88, 199, 143))));
}

TEST_F(EditRun, PictureOfAnEditorWithASelection)
{
    char buf[201] = "Bemerkungen zum Versatz:\nDie Stirnflaeche ist sauber auszuarbeiten.\n";
    add(buf, 200);
    const std::string kept = kovtest::kept_dir("sheets", "text_editor");
    ASSERT_FALSE(kept.empty());
    static std::string path;
    static int saved;
    path = kept + "/editor_with_selection.png";
    saved = 0;
    Kov_Ui_Push_Press(col_x(4), line_y(0), 1);
    Get_Mouse_Event();
    Kov_Ui_Push_Move(col_x(4), line_y(0));
    Kov_Ui_Push_Move(col_x(10), line_y(1));
    Kov_Ui_Push_Release(col_x(10), line_y(1), 1);
    Kov_Ui_Set_Idle_Hook([](const char*) {
        if (!saved) saved = Kov_Ui_Save_Png(path.c_str());
    });
    EXPECT_EQ(View_Area_Handle_Event(slot), 0);
    Kov_Ui_Set_Idle_Hook(nullptr);
    EXPECT_EQ(saved, 1);
    EXPECT_TRUE(kovtest::exists(path));
}

TEST_F(EditRun, FontZeroMeasuresEightPixelsACharacterLessThree)
{
    char buf[101] = "abcd";
    ViewElement* e = add(buf, 100);
    View_Area_Set_Text_Editor_Font(slot, 0);
    ASSERT_EQ(e->editor->font, 0);
    // Before character 3: w(3) = 3 * 8 - 3 + 2 = 23 from the text start.
    press(67 + 23, line_y(0));
    Kov_Script_Clear_Log();
    Kov_Ui_Push_Key('x');
    EXPECT_EQ(View_Area_Handle_Event(slot), 0);
    EXPECT_TRUE(viewtest::logged("pxLine 90 66 90 80"));
    EXPECT_STREQ(buf, "abcxd");
}
