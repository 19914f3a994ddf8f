// Tests of the message lines drawn into a view area: colour and bold parts, codes that choose
// font and line step, broken marks, and no output area.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/kovmsg.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/maskelem.h"
#include "sheets/maskstate.h"
#include "sheets/msgpage.h"
#include "sheets/tests/scrtest.h"
#include "sheets/viewarea.h"

namespace {

// Lines drawn in output mode 4 into a view area that is the output area.
class DrawnLines : public testing::Test {
protected:
    void SetUp() override
    {
        scrtest::fresh_screen();
        Msg_Reset();
        Mask_State_Reset();
        Define_Prop_Sheet(0, 0, 800, 600, 0, 0, "", 10, 1);
        area = View_Area_Open(20, 20, 780, 580, 0, 0);
        ASSERT_GE(area, 0);
        Mask_Set_Output_Area(area);
        Mask_Set_Text_Color(Nearest_RGB_Color(0, 0, 0));
        Msg_Use_Page_Drawing();
        Msg_Set_Output_Mode(4);
    }
    void TearDown() override
    {
        Msg_Set_Draw_Hook(nullptr);
        Msg_Reset();
        View_Area_Close_All();
        Kov_Ui_Sheets_Reset();
        Kov_Set_Ui_Mode(-1);
    }

    std::vector<const ViewElement*> texts() const
    {
        std::vector<const ViewElement*> v;
        const ViewArea* a = View_Area_Record(unsigned(area));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
            if (e->type == VIEW_TEXT) v.push_back(e);
        return v;
    }

    int area = -1;
};

int label_width(const char* text, int font) { return Mask_Text_Width(text, font); }

} // namespace

TEST_F(DrawnLines, ColourPartIsDrawnInItsColourAndTheColourComesBack)
{
    const int black = Nearest_RGB_Color(0, 0, 0);
    Msg_Printf("%s", "vor \xCE"
                     "c12 rot\xCE"
                     "c nach");
    const auto t = texts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_STREQ(t[0]->text, "vor ");
    EXPECT_EQ(t[0]->colour, black);
    EXPECT_STREQ(t[1]->text, "rot");
    EXPECT_EQ(t[1]->colour, 12);
    EXPECT_STREQ(t[2]->text, " nach");
    EXPECT_EQ(t[2]->colour, black);
    EXPECT_EQ(Mask_Get_Text_Color(), black);
    // Parts follow each other by their widths, on the line at 15, 20.
    EXPECT_EQ(t[0]->x1, 15);
    EXPECT_EQ(t[0]->y1, 20);
    EXPECT_EQ(t[1]->x1, 15 + label_width("vor ", 0x1000));
    EXPECT_EQ(t[2]->x1, t[1]->x1 + label_width("rot", 0x1000));
}

TEST_F(DrawnLines, BoldPartIsAFramedLabel)
{
    Msg_Printf("%s", "\xCE"
                     "bX\xCE"
                     "b");
    const auto t = texts();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_STREQ(t[0]->text, "X");
    EXPECT_NE(t[0]->x2, 0); // drawn with a frame style
    // Upper-case code letters count alike; the text of other codes is not drawn.
    Msg_Printf("%s", "a\xCE"
                     "BY\xCE"
                     "B"
                     "\xCE"
                     "xweg\xCE"
                     "x"
                     "z");
    const auto u = texts();
    ASSERT_EQ(u.size(), 4u);
    EXPECT_STREQ(u[1]->text, "a");
    EXPECT_STREQ(u[2]->text, "Y");
    EXPECT_NE(u[2]->x2, 0);
    EXPECT_STREQ(u[3]->text, "z");
    EXPECT_EQ(u[1]->y1, 36);
}

TEST_F(DrawnLines, CodesChooseFontAndLineStep)
{
    struct Case {
        const char* line;
        int font;  // font of the element without the style bits
        int style; // frame style of the element: 1 bold
        int next_y;
    } cases[] = {
        {"plain\n", 0x1000, 0, 36}, {"^bbold", 0x1000, 1, 36}, {"^pother", 0, 0, 36},
        {"^2half", 0x1000, 0, 28},  {"^b^p^2all", 0, 1, 28},   {"^xpassed", 0x1000, 0, 36},
    };
    for (const Case& c : cases) {
        Msg_Set_Output_Mode(4); // back to 15, 20
        View_Area_Clear(unsigned(area));
        Msg_Printf("%s", c.line);
        const auto t = texts();
        ASSERT_EQ(t.size(), 1u) << c.line;
        EXPECT_EQ(t[0]->font, c.font) << c.line;
        EXPECT_EQ(t[0]->x2, c.style) << c.line;
        EXPECT_EQ(Msg_Collector()->draw_y, c.next_y) << c.line;
        EXPECT_EQ(std::string(t[0]->text).find('\n'), std::string::npos) << c.line;
    }
}

TEST_F(DrawnLines, UnclosedAndBrokenMarksDrawWhatTheyCan)
{
    struct Case {
        const char* line;
        std::vector<std::string> drawn;
        std::vector<int> colours; // -1: black
    } cases[] = {
        {"a\xCE"
         "c5 offen",
         {"a", "offen"},
         {-1, 5}},
        {"a\xCE", {"a"}, {-1}},
        {"\xCE"
         "cohne Zahl\xCE"
         "c",
         {"ohne Zahl"},
         {-1}},
        {"\xCE"
         "c-3 neg\xCE"
         "c.",
         {"neg", "."},
         {-3, -1}},
        {"\xCE"
         "b\xCE"
         "b",
         {},
         {}},
    };
    const int black = Nearest_RGB_Color(0, 0, 0);
    for (const Case& c : cases) {
        View_Area_Clear(unsigned(area));
        Msg_Printf("%s", c.line);
        const auto t = texts();
        ASSERT_EQ(t.size(), c.drawn.size()) << c.line;
        for (size_t i = 0; i < t.size(); ++i) {
            EXPECT_EQ(t[i]->text, c.drawn[i]) << c.line;
            EXPECT_EQ(t[i]->colour, c.colours[i] == -1 ? black : c.colours[i]) << c.line;
        }
        EXPECT_EQ(Mask_Get_Text_Color(), black);
    }
}

TEST_F(DrawnLines, WithoutOutputAreaOnlyThePositionMoves)
{
    Mask_Set_Output_Area(-1);
    Msg_Printf("%s", "nichts \xCE"
                     "bX\xCE"
                     "b");
    EXPECT_EQ(Msg_Collector()->draw_y, 36);
    EXPECT_TRUE(texts().empty());
}
