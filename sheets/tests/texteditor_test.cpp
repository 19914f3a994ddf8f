#include <gtest/gtest.h>

#include "sheets/texteditor.h"
#include "sheets/tests/viewtest.h"
#include "sheets/viewarea.h"

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
