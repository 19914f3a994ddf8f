// Tests of the user-comment sheet: size and place, cancel keeps the caller's text, confirm
// returns a new copy, help, small screens, and the wrapped lines of the comment.
#include <gtest/gtest.h>

#include "base/kovtxt.h"
#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/tests/viewtest.h"
#include "sheets/usercomment.h"
#include "sheets/viewarea.h"
#include "test_support/kovtestutil.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// What the user does, one step each time the sheet waits for input.
std::vector<std::function<void()>> g_steps;
size_t g_next = 0;

void run_step(const char*)
{
    if (g_next < g_steps.size()) g_steps[g_next++]();
}

// The open view area that holds the comment editor.
int comment_area()
{
    for (unsigned s = 0; s < 20; ++s) {
        const ViewArea* a = View_Area_Record(s);
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
            if (e->type == VIEW_TEXT_EDITOR) return int(s);
    }
    return -1;
}

// A click on a content point of the comment area.
void click_content(int cx, int cy)
{
    int ox = 0, oy = 0;
    View_Area_Inquire_Screen_Origin(unsigned(comment_area()), &ox, &oy);
    Kov_Ui_Push_Click(ox + cx, oy + cy);
}

// The buttons: 0 "abbrechen", 1 "Hilfe", 2 "bestätigen".
void click_button(int i)
{
    int w = 0, h = 0;
    View_Area_Inquire_Size(unsigned(comment_area()), &w, &h);
    click_content(w - 120 + 40 * i + 18, 15 + 18);
}

class Comment : public testing::Test {
protected:
    void SetUp() override
    {
        env.set("DATA", KOV_SOURCE_DIR "/data");
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Kov_User_Comment_Reset();
        g_steps.clear();
        g_next = 0;
        Kov_Ui_Set_Idle_Hook(run_step);
    }
    void TearDown() override
    {
        Kov_Ui_Set_Idle_Hook(nullptr);
        Kov_Ui_Sheets_Reset();
        Kov_Ui_Reset();
        Kov_Set_Ui_Mode(-1);
    }
    kovtest::ScopedEnv env;
};

char* text_of(const char* s) { return Txb_Copy(s, int(std::strlen(s))); }

} // namespace

TEST_F(Comment, SheetIsSixHundredByFourHundredAroundTheCentre)
{
    int frame[4] = {0, 0, 0, 0};
    g_steps.push_back([&] { Kov_Ui_Sheet_Frame(&frame[0], &frame[1], &frame[2], &frame[3]); });
    char* old = text_of("Bemerkung");
    char* kept = Kov_Edit_User_Comment(old, "Anmerkungen");
    EXPECT_EQ(kept, old);
    EXPECT_EQ(frame[2] - frame[0] + 1, 600);
    EXPECT_EQ(frame[3] - frame[1] + 1, 400);
    EXPECT_EQ(frame[0], NPIXEL_X / 2 - 300);
    EXPECT_EQ(frame[1], NPIXEL_Y / 2 - 200);
    EXPECT_TRUE(viewtest::logged("Define_Prop_Sheet 212 184 811 583 1 0 Anmerkungen 10 1"));
    Txb_Free(kept);
}

TEST_F(Comment, CancelledInEveryWayKeepsTheCallersText)
{
    struct Case {
        const char* name;
        std::function<void()> act;
    } cases[] = {
        {"abbrechen", [] { click_button(0); }},
        {"Escape", [] { Kov_Ui_Push_Key(27); }},
        {"no input left", [] {}},
    };
    for (const Case& c : cases) {
        g_steps = {c.act};
        g_next = 0;
        char* old = text_of("alt");
        char* kept = Kov_Edit_User_Comment(old, "T");
        EXPECT_EQ(kept, old) << c.name;
        EXPECT_STREQ(kept, "alt") << c.name;
        int x1, y1, x2, y2;
        EXPECT_EQ(Kov_Ui_Sheet_Frame(&x1, &y1, &x2, &y2), 0) << c.name;
        EXPECT_EQ(comment_area(), -1) << c.name;
        Txb_Free(kept);
    }
    // Without a text the caller keeps its NULL.
    g_steps = {[] { click_button(0); }};
    g_next = 0;
    EXPECT_EQ(Kov_Edit_User_Comment(nullptr, "T"), nullptr);
}

TEST_F(Comment, ConfirmedReturnsANewCopy)
{
    g_steps = {[] { click_button(2); }};
    char* old = text_of("Zeile 1\nZeile 2");
    char* kept = Kov_Edit_User_Comment(old, "T");
    ASSERT_NE(kept, nullptr);
    EXPECT_NE(kept, old); // the old one is released (a second release would show)
    EXPECT_STREQ(kept, "Zeile 1\nZeile 2");
    Txb_Free(kept);
    // A NULL text is edited as a single line feed.
    g_steps = {[] { click_button(2); }};
    g_next = 0;
    kept = Kov_Edit_User_Comment(nullptr, "T");
    ASSERT_NE(kept, nullptr);
    EXPECT_STREQ(kept, "\n");
    Txb_Free(kept);
}

TEST_F(Comment, TypedTextIsReturnedOnConfirm)
{
    g_steps = {[] {
                   click_content(40, 90);
                   Kov_Ui_Push_Text("Hallo");
               },
               [] { click_button(2); }};
    char* old = text_of("\n");
    char* kept = Kov_Edit_User_Comment(old, "T");
    ASSERT_NE(kept, nullptr);
    EXPECT_NE(kept, old);
    EXPECT_EQ(std::string(kept).compare(0, 5, "Hallo"), 0) << kept;
    Txb_Free(kept);
}

TEST_F(Comment, HelpShowsTheTopicAndTheSheetStays)
{
    int after_help = 0;
    g_steps = {[] { click_button(1); },
               [&] {
                   after_help = comment_area() >= 0;
                   click_button(0);
               }};
    char* old = text_of("alt");
    char* kept = Kov_Edit_User_Comment(old, "T");
    EXPECT_EQ(kept, old);
    EXPECT_TRUE(viewtest::logged("Helpview USER_COMMENT"));
    EXPECT_EQ(after_help, 1);
    EXPECT_EQ(viewtest::log_lines("Define_Prop_Sheet").size(), 1u);
    Txb_Free(kept);
}

TEST_F(Comment, SheetIsFittedToASmallerScreen)
{
    // The first use keeps the centre of the large screen; on a narrow and low
    // screen the sheet is the width less 50 and the height less 50 and is
    // moved inside the screen.
    Txb_Free(Kov_Edit_User_Comment(text_of("a"), "T"));
    kovtest::ScopedEnv screen("KOV_SCREEN", "620x420");
    Kov_Ui_Reset();
    Kov_Ui_Set_Idle_Hook(run_step);
    int frame[4] = {0, 0, 0, 0};
    g_steps = {[&] { Kov_Ui_Sheet_Frame(&frame[0], &frame[1], &frame[2], &frame[3]); }};
    g_next = 0;
    Txb_Free(Kov_Edit_User_Comment(text_of("a"), "T"));
    EXPECT_EQ(frame[2] - frame[0] + 1, 570);
    EXPECT_EQ(frame[3] - frame[1] + 1, 370);
    EXPECT_GE(frame[0], 0);
    EXPECT_GE(frame[1], 0);
    EXPECT_LE(frame[2], 619);
    EXPECT_LE(frame[3], 419);
}

TEST_F(Comment, ScreenshotIsKept)
{
    g_steps = {[] {
        const std::string dir = kovtest::kept_dir("sheets_screens", "user-comment");
        if (!dir.empty()) Kov_Ui_Save_Png((dir + "/user-comment.png").c_str());
        EXPECT_EQ(Kov_Ui_Picture_Found("Glory3.bmp"), 1);
        EXPECT_EQ(Kov_Ui_Picture_Found("UComment.bmp"), 1);
    }};
    Txb_Free(Kov_Edit_User_Comment(text_of(cp850("Die Stütze ist mit dem Unterzug verbunden.\nZweite Zeile.")),
                                   "Anmerkungen"));
}

// ---- wrapped text in a view area ------------------------------------------------------

class Wrapped : public viewtest::OnASheet {};

namespace {

std::vector<const ViewElement*> texts_of(int area)
{
    std::vector<const ViewElement*> v;
    const ViewArea* a = View_Area_Record(unsigned(area));
    for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
        if (e->type == VIEW_TEXT) v.push_back(e);
    return v;
}

int width_of(const char* t, int font)
{
    Pop_RFont(font);
    const int w = pxQTxX(t, int(std::strlen(t)), nullptr);
    Push_RFont();
    return w;
}

} // namespace

TEST_F(Wrapped, LinesAdvanceByTheStepEmptyOnesIncluded)
{
    const int area = View_Area_Open(10, 10, 600, 400, 0, 0);
    int y = 20;
    Kov_Add_Wrapped_Text(area, 5, 400, &y, "a\n\nb\n", 0x1000, 7, 15);
    const auto t = texts_of(area);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_STREQ(t[0]->text, "a");
    EXPECT_EQ(t[0]->y1, 20);
    EXPECT_EQ(t[0]->x1, 5);
    EXPECT_EQ(t[0]->colour, 7);
    EXPECT_STREQ(t[1]->text, "b");
    EXPECT_EQ(t[1]->y1, 50);
    EXPECT_EQ(y, 65);
}

TEST_F(Wrapped, LongTextBreaksAfterBlanksWithinTheWidth)
{
    const int area = View_Area_Open(10, 10, 600, 400, 0, 0);
    const char* text = "Die Druckstrebe wird im Versatz auf Druck schraeg zur Faser nachgewiesen und "
                       "die Vorholzlaenge auf Abscheren.";
    for (int width : {60, 150, 300}) {
        View_Area_Clear(unsigned(area));
        int y = 0;
        Kov_Add_Wrapped_Text(area, 0, width, &y, text, 0x1002, 0, 10);
        const auto t = texts_of(area);
        ASSERT_GE(t.size(), 2u) << width;
        std::string joined;
        for (const ViewElement* e : t) {
            std::string line = e->text;
            if (line.size() > 1 && line.back() == ' ') line.pop_back(); // the blank stays at the end
            // A cut at a blank right behind the line keeps the character that
            // crossed the width.
            EXPECT_LE(width_of(line.c_str(), 0x1002), width + 8) << width << " " << e->text;
            joined += e->text;
        }
        EXPECT_EQ(joined, text) << width;
        EXPECT_EQ(y, 10 * int(t.size())) << width;
    }
}

TEST_F(Wrapped, WordWiderThanTheLineIsCut)
{
    const int area = View_Area_Open(10, 10, 600, 400, 0, 0);
    const std::string word(300, 'W');
    int y = 0;
    Kov_Add_Wrapped_Text(area, 0, 50, &y, word.c_str(), 0x1000, 0, 12);
    const auto t = texts_of(area);
    ASSERT_GE(t.size(), 2u);
    std::string joined;
    for (const ViewElement* e : t) joined += e->text;
    EXPECT_EQ(joined, word);
    // Nothing for a NULL text or pointer.
    Kov_Add_Wrapped_Text(area, 0, 50, nullptr, "x", 0x1000, 0, 12);
    Kov_Add_Wrapped_Text(area, 0, 50, &y, nullptr, 0x1000, 0, 12);
    EXPECT_EQ(texts_of(area).size(), t.size());
}
