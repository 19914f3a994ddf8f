// Tests of the picture buttons of mask pages: placement, inactive pictures, radio and check box
// states, the import, delete and explorer buttons and the program hints page.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/maskdraw.h"
#include "sheets/maskelem.h"
#include "sheets/maskpicbtn.h"
#include "sheets/maskstate.h"
#include "sheets/tests/scrtest.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"

namespace {

// A page: one sheet with one view area as the output area.
class PictureButtons : public testing::Test {
protected:
    void SetUp() override
    {
        scrtest::fresh_screen();
        Mask_State_Reset();
        Mask_Draw_Reset();
        Mask_Hints_Reset();
        Define_Prop_Sheet(0, 0, 800, 600, 0, 0, "", 10, 1);
        area = View_Area_Open(20, 20, 780, 580, 0, 0);
        ASSERT_GE(area, 0);
        Mask_Set_Output_Area(area);
        const char* exec = std::getenv("EXEC");
        if (exec) saved_exec = exec;
        had_exec = exec != nullptr;
        ::unsetenv("EXEC");
    }
    void TearDown() override
    {
        if (had_exec)
            ::setenv("EXEC", saved_exec.c_str(), 1);
        else
            ::unsetenv("EXEC");
        View_Area_Close_All();
        Mask_Draw_Reset();
        Mask_Hints_Reset();
        Kov_Ui_Sheets_Reset();
        Kov_Set_Ui_Mode(-1);
    }

    std::vector<const ViewElement*> of_type(int type) const
    {
        std::vector<const ViewElement*> v;
        const ViewArea* a = View_Area_Record(unsigned(area));
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next)
            if (e->type == type) v.push_back(e);
        return v;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> v;
        for (const ViewElement* e : of_type(VIEW_TEXT)) v.push_back(e->text ? e->text : "");
        return v;
    }
    const ViewElement* text_at_y(int y) const
    {
        for (const ViewElement* e : of_type(VIEW_TEXT))
            if (e->y1 == y) return e;
        return nullptr;
    }
    // The force-selection tool as an executable stand-in in a folder of the build tree.
    void install_tool()
    {
        const std::string dir = std::string(KOV_BINARY_DIR) + "/maskpicbtn_exec";
        ::mkdir(dir.c_str(), 0755);
        const std::string tool = dir + "/Krawahl";
        std::ofstream(tool) << "#!/bin/sh\n";
        ASSERT_EQ(::chmod(tool.c_str(), 0755), 0);
        ::setenv("EXEC", dir.c_str(), 1);
    }

    int area = -1;
    std::string saved_exec;
    bool had_exec = false;
};

int kGrey() { return Nearest_RGB_Color(198, 195, 198); }

} // namespace

TEST_F(PictureButtons, PlacementFollowsTheAlignments)
{
    struct Case {
        int valign, halign;
        double w, h;
        int left, top;
    } cases[] = {
        {0, 0, 21, 15, 100, 50}, {0, 1, 21, 15, 79, 50},  {0, 4, 21, 15, 90, 50}, // w / 2 truncated: x - 10
        {2, 0, 21, 15, 100, 35}, {4, 0, 21, 15, 100, 43}, {4, 4, 20, 14, 90, 43},
    };
    for (const Case& c : cases) {
        Mask_Set_Output_Area(area);
        View_Area_Clear(unsigned(area));
        intptr_t result = 0;
        const int rc =
            Mask_Add_Picture_Button(area, 100, 50, c.w, c.h, c.valign, c.halign, "p.bmp", "q.bmp", 7, 42, &result, 1);
        SCOPED_TRACE(testing::Message() << "valign " << c.valign << " halign " << c.halign);
        EXPECT_EQ(rc, 1);
        EXPECT_EQ(g_mask_state.last_left, c.left);
        EXPECT_EQ(g_mask_state.last_top, c.top);
        EXPECT_EQ(g_mask_state.last_right, c.left + int(c.w));
        EXPECT_EQ(g_mask_state.last_bottom, c.top + int(c.h));
        const auto pics = of_type(VIEW_BITMAP);
        ASSERT_EQ(pics.size(), 1u);
        EXPECT_STREQ(pics[0]->text, "p.bmp");
        EXPECT_EQ(pics[0]->x1, c.left);
        EXPECT_EQ(pics[0]->colour, 7);
        const auto clicks = of_type(VIEW_CLICK_AREA);
        ASSERT_EQ(clicks.size(), 1u);
        EXPECT_EQ(clicks[0]->key, 42);
        EXPECT_EQ(clicks[0]->result, &result);
        EXPECT_EQ(clicks[0]->aux, 18); // the hand cursor
    }
}

TEST_F(PictureButtons, InactivePictureButtonShowsItsInactivePictureAndTakesNoClick)
{
    intptr_t result = 0;
    EXPECT_EQ(Mask_Add_Picture_Button(area, 100, 50, 21, 15, 0, 4, "p.bmp", "q.bmp", 7, 42, &result, 0), 0);
    EXPECT_EQ(g_mask_state.last_active, 0);
    const auto pics = of_type(VIEW_BITMAP);
    ASSERT_EQ(pics.size(), 1u);
    EXPECT_STREQ(pics[0]->text, "q.bmp");
    EXPECT_TRUE(of_type(VIEW_CLICK_AREA).empty());
    // No inactive picture: nothing at all.
    View_Area_Clear(unsigned(area));
    EXPECT_EQ(Mask_Add_Picture_Button(area, 100, 50, 21, 15, 0, 4, "p.bmp", nullptr, 7, 42, &result, 0), 0);
    EXPECT_TRUE(of_type(VIEW_BITMAP).empty());
}

TEST_F(PictureButtons, RadioAndCheckBoxPicturesFollowStateAndActivity)
{
    struct Case {
        int selection, active;
        const char* picture;
    } cases[] = {{3, 1, "sel"}, {2, 1, "unsel"}, {3, 0, "sel_off"}, {2, 0, "unsel_off"}};
    for (const Case& c : cases) {
        View_Area_Clear(unsigned(area));
        int selection = c.selection, active = c.active;
        Mask_Add_Picture_Radio(area, 100, 60, 3, &selection, "sel", "unsel", "sel_off", "unsel_off", &active);
        const auto radios = of_type(VIEW_RADIO_BUTTON);
        ASSERT_EQ(radios.size(), 1u);
        EXPECT_EQ(radios[0]->x1, 120);
        const auto pics = of_type(VIEW_BITMAP);
        ASSERT_EQ(pics.size(), 1u);
        EXPECT_STREQ(pics[0]->text, c.picture);
        EXPECT_EQ(pics[0]->x1, 100);
        EXPECT_EQ(pics[0]->y1, 50);
        EXPECT_EQ(pics[0]->x2, 112);
        EXPECT_EQ(pics[0]->y2, 62);
        EXPECT_EQ(g_mask_state.last_active, c.active);

        View_Area_Clear(unsigned(area));
        int value = c.selection == 3 ? 1 : 0;
        Mask_Add_Picture_Check_Box(area, 100, 60, &value, "sel", "unsel", "sel_off", "unsel_off", &active);
        EXPECT_EQ(of_type(VIEW_CHECK_BOX).size(), 1u);
        const auto boxes = of_type(VIEW_BITMAP);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_STREQ(boxes[0]->text, c.picture);
    }
}

TEST_F(PictureButtons, ComponentImportNeedsTheForceSelectionTool)
{
    int key_result = 0, active = 1;
    // Without the tool: the texts grey, "Q8-" instead of the logo, the button inactive.
    const int w = Mask_Add_Component_Import_Button(100, 200, nullptr, 5, &key_result, &active);
    const auto t = texts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0], "Lagergr\x94\xe1"
                    "en importieren aus ");
    EXPECT_EQ(t[1], "Q8-");
    EXPECT_EQ(t[2], "Programmen ...");
    for (const ViewElement* e : of_type(VIEW_TEXT)) EXPECT_EQ(e->colour, kGrey());
    EXPECT_TRUE(of_type(VIEW_BITMAP).empty());
    auto buttons = of_type(VIEW_BITMAP_BUTTON);
    ASSERT_EQ(buttons.size(), 1u);
    ASSERT_NE(buttons[0]->active, nullptr);
    EXPECT_EQ(*buttons[0]->active, 0);
    const int x1 = 100 + Mask_Text_Width(t[0].c_str(), 0x1000);
    const int x2 = x1 + 21 + Mask_Text_Width("Programmen ...", 0x1000);
    EXPECT_EQ(buttons[0]->x1, x2 + 3);
    EXPECT_EQ(buttons[0]->y1, 177);
    EXPECT_EQ(buttons[0]->x2 - buttons[0]->x1, 51);
    EXPECT_EQ(buttons[0]->y2 - buttons[0]->y1, 33);
    EXPECT_EQ(buttons[0]->aux, 0);
    EXPECT_STREQ(buttons[0]->second_text, "Werte aus KOV-Bauteil\nimportieren");
    EXPECT_EQ(w, x2 - 100 + 54);

    // With the tool: the logo, texts in the text colour, the button active.
    install_tool();
    Mask_Set_Output_Area(area);
    View_Area_Clear(unsigned(area));
    Mask_Add_Component_Import_Button(100, 200, "Werte aus ", 5, &key_result, &active);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Werte aus ", "Programmen ..."}));
    for (const ViewElement* e : of_type(VIEW_TEXT)) EXPECT_EQ(e->colour, BLACK_CI);
    const auto logos = of_type(VIEW_BITMAP);
    ASSERT_EQ(logos.size(), 1u);
    EXPECT_STREQ(logos[0]->text, "ZovQ8.bmp");
    const int lx = 100 + Mask_Text_Width("Werte aus ", 0x1000);
    EXPECT_EQ(logos[0]->x1, lx);
    EXPECT_EQ(logos[0]->y1, 188);
    EXPECT_EQ(logos[0]->x2, lx + 55);
    EXPECT_EQ(logos[0]->y2, 202);
    buttons = of_type(VIEW_BITMAP_BUTTON);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(*buttons[0]->active, 1);
    // The caller's flag still counts.
    active = 0;
    View_Area_Clear(unsigned(area));
    Mask_Add_Component_Import_Button(100, 200, nullptr, 5, &key_result, &active);
    EXPECT_EQ(*of_type(VIEW_BITMAP_BUTTON)[0]->active, 0);
}

TEST_F(PictureButtons, FileImportWithTheDefaultLabel)
{
    int result = 0, active = 1;
    EXPECT_EQ(Mask_Add_File_Import_Button(100, 200, nullptr, 9, &result, &active), 377);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Lastkollektive importieren aus Datei ..."}));
    const auto buttons = of_type(VIEW_BITMAP_BUTTON);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0]->x1, 100 + 323 + 3);
    EXPECT_EQ(buttons[0]->y1, 184);
    EXPECT_EQ(buttons[0]->y2 - buttons[0]->y1, 36);
    EXPECT_EQ(buttons[0]->aux, 76);
    EXPECT_EQ(buttons[0]->font, 9);
    EXPECT_EQ(buttons[0]->value, &result);
    EXPECT_STREQ(buttons[0]->second_text, "Werte aus ASCII-Datei\nimportieren");
    // Without an output area only the button's offset is left.
    Mask_Set_Output_Area(-1);
    EXPECT_EQ(Mask_Add_File_Import_Button(100, 200, nullptr, 9, &result, &active), 54);
}

TEST_F(PictureButtons, DeleteAllAndExplorerButtons)
{
    int result = 0, active = 1;
    const int w = Mask_Add_Delete_All_Button(40, 60, "Alle weg", 3, &result, &active);
    const char* label = ".... alle Lastkollektive l\x94schen";
    EXPECT_EQ(w, Mask_Text_Width(label, 0x1000));
    EXPECT_EQ(texts(), (std::vector<std::string>{label}));
    EXPECT_EQ(text_at_y(72)->x1, 91);
    auto buttons = of_type(VIEW_BITMAP_BUTTON);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_STREQ(buttons[0]->text, "ZovGrImportButton.bmp");
    EXPECT_EQ(buttons[0]->aux, 36);
    EXPECT_EQ(buttons[0]->extra, Nearest_RGB_Color(198, 222, 228));
    EXPECT_EQ(buttons[0]->x2 - buttons[0]->x1, 51);
    EXPECT_STREQ(buttons[0]->second_text, "Alle weg");

    View_Area_Clear(unsigned(area));
    EXPECT_EQ(Mask_Add_Explorer_Button(300, 60, 4, &result, &active), 0);
    buttons = of_type(VIEW_BITMAP_BUTTON);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_STREQ(buttons[0]->text, "deskbuts.bmp");
    EXPECT_EQ(buttons[0]->aux, 250);
    EXPECT_EQ(buttons[0]->x2 - buttons[0]->x1, 38);
    EXPECT_EQ(buttons[0]->y2 - buttons[0]->y1, 38);
    EXPECT_EQ(buttons[0]->colour, 18);
    EXPECT_STREQ(buttons[0]->second_text, "Aufruf Eplorer um Datei zu finden");

    Mask_Set_Output_Area(-1);
    EXPECT_EQ(Mask_Add_Delete_All_Button(40, 60, "Alle weg", 3, &result, &active), -1);
}

TEST_F(PictureButtons, HintsPageCountsTheSwitchesOff)
{
    struct Case {
        int switches[4];
        const char* verb;
        const char* count;
        const char* button;
        int active;
    } cases[] = {
        {{0, 1, 0, 1}, "sind", "zwei", "2 Hinweise wieder aktivieren", 1},
        {{1, 1, 0, 1}, "ist", "einer", "1 Hinweis wieder aktivieren", 1},
        {{1, 1, 1, 1}, "ist", "keiner", "0 Hinweis wieder aktivieren", 0},
        {{0, 0, 0, 0}, "sind", "vier", "4 Hinweise wieder aktivieren", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        View_Area_Clear(unsigned(area));
        int s[4];
        std::memcpy(s, c.switches, sizeof s);
        Mask_Draw_Hints_Page(area, s, 500);
        const std::string first = std::string("Von insgesamt vier m\x94glichen Programmhinweisen ") + c.verb;
        ASSERT_NE(text_at_y(50), nullptr);
        EXPECT_STREQ(text_at_y(50)->text, first.c_str());
        EXPECT_EQ(text_at_y(50)->x1, (500 - Mask_Text_Width(first.c_str(), 0x1000) + 1) / 2);
        ASSERT_NE(text_at_y(75), nullptr);
        EXPECT_STREQ(text_at_y(75)->text, c.count);
        EXPECT_EQ(text_at_y(75)->colour, Nearest_Color_Index(0, 95, 0));
        ASSERT_NE(text_at_y(100), nullptr);
        EXPECT_STREQ(text_at_y(100)->text, "deaktiviert.");
        const auto buttons = of_type(VIEW_BITMAP_BUTTON);
        ASSERT_EQ(buttons.size(), 1u);
        EXPECT_EQ(buttons[0]->x1, 144);
        EXPECT_EQ(buttons[0]->y1, 130);
        EXPECT_EQ(buttons[0]->x2, 356);
        EXPECT_EQ(buttons[0]->y2, 151);
        EXPECT_STREQ(buttons[0]->text, "but_hinweise_reaktivieren.bmp");
        EXPECT_STREQ(buttons[0]->second_text, c.button);
        ASSERT_NE(buttons[0]->active, nullptr);
        EXPECT_EQ(*buttons[0]->active, c.active);
        // The page only reads the switches while the button was not clicked.
        EXPECT_EQ(0, std::memcmp(s, c.switches, sizeof s));
    }
}

TEST_F(PictureButtons, HintsPageExplanationIsCodePage850)
{
    int s[4] = {1, 1, 1, 1};
    Mask_Draw_Hints_Page(area, s, 500);
    const int d = 68; // (500 - 365) / 2 = 67.5, halves away from zero
    ASSERT_NE(text_at_y(205), nullptr);
    EXPECT_STREQ(text_at_y(205)->text, "Programmhinweise");
    EXPECT_EQ(text_at_y(205)->x1, d + 5);
    // Wrapped within the frame: the small font is 6 pixels a character, and
    // from d + 5 to 3 pixels before the frame's right edge (d + 362) there
    // is room for 354 / 6 = 59 characters a line.
    const char* const lines[4] = {
        "Programmhinweise machen den Anwender darauf aufmerksam,",
        "dass die aktuellen Einstellungen entweder den",
        "Anwendungsvoraussetzungen nicht entsprechen oder zu",
        "ung\x81ltigen bzw. au\xe1"
        "ergew\x94hnlichen Ergebnissen f\x81hren.",
    };
    for (int k = 0; k < 4; ++k) {
        const ViewElement* e = text_at_y(221 + 10 * k);
        ASSERT_NE(e, nullptr);
        EXPECT_STREQ(e->text, lines[k]);
        EXPECT_EQ(e->x1, d + 5);
        EXPECT_EQ(e->font, 0x1002);
        EXPECT_LE(e->x1 + 6 * int(std::strlen(e->text)), d + 362);
    }
    EXPECT_EQ(text_at_y(221 + 40), nullptr);
    // The grey frame's box and its four edges, and the box that clears the title.
    const auto boxes = of_type(VIEW_FILLED_BOX);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0]->x1, d - 3);
    EXPECT_EQ(boxes[0]->x2, d + 362);
    EXPECT_EQ(of_type(VIEW_LINE).size(), 4u);
}

TEST_F(PictureButtons, ClickOnTheHintsButtonSwitchesAllHintsOnAtTheNextDrawing)
{
    int s[4] = {0, 1, 0, 1};
    Mask_Draw_Hints_Page(area, s, 500);
    View_Area_Show(unsigned(area));
    Activate_Prop_Sheet();
    const ViewElement* button = of_type(VIEW_BITMAP_BUTTON).at(0);
    const ViewArea* a = View_Area_Record(unsigned(area));
    // Somewhere inside the button on the sheet.
    Kov_Ui_Push_Click(a->x1 + button->x1 + 100, a->y1 + button->y1 + 10);
    Get_Mouse_Event();
    EXPECT_EQ(View_Area_Handle_Event(unsigned(area)), 1);
    EXPECT_EQ(s[0], 0); // nothing happens before the page is drawn again

    View_Area_Clear(unsigned(area));
    Mask_Draw_Hints_Page(area, s, 500);
    EXPECT_EQ(s[0], 1);
    EXPECT_EQ(s[1], 1);
    EXPECT_EQ(s[2], 1);
    EXPECT_EQ(s[3], 1);
    EXPECT_STREQ(text_at_y(75)->text, "keiner");
    EXPECT_EQ(*of_type(VIEW_BITMAP_BUTTON).at(0)->active, 0);

    // One click acts once: hints switched off again stay off at the next drawing.
    s[2] = 0;
    View_Area_Clear(unsigned(area));
    Mask_Draw_Hints_Page(area, s, 500);
    EXPECT_EQ(s[2], 0);
    EXPECT_STREQ(text_at_y(75)->text, "einer");
}

// The supplied pictures have the sizes the buttons address, as 24-bit BMP.
TEST(PictureButtonFiles, SuppliedPicturesHaveTheirLayouts)
{
    struct Case {
        const char* name;
        int w, h;
    } cases[] = {{"ZovGrImportButton.bmp", 204, 112},
                 {"ZovQ8.bmp", 55, 14},
                 {"deskbuts.bmp", 152, 288},
                 {"but_hinweise_reaktivieren.bmp", 848, 21}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ifstream f(std::string(KOV_SOURCE_DIR) + "/data/" + c.name, std::ios::binary);
        ASSERT_TRUE(f.good());
        unsigned char h[30] = {};
        f.read(reinterpret_cast<char*>(h), sizeof h);
        ASSERT_EQ(f.gcount(), 30);
        EXPECT_EQ(h[0], 'B');
        EXPECT_EQ(h[1], 'M');
        auto le32 = [&](int o) { return int(h[o] | h[o + 1] << 8 | h[o + 2] << 16 | unsigned(h[o + 3]) << 24); };
        EXPECT_EQ(le32(18), c.w);
        EXPECT_EQ(std::abs(le32(22)), c.h);
        EXPECT_EQ(h[28] | h[29] << 8, 24);
    }
}

// The logo stands where an inactive button shows "Q8-", and "Programmen ..."
// follows 21 pixels after its left edge: from there on the logo is white, the
// key colour it is drawn with, so that the text shows beside it.
TEST(PictureButtonFiles, TheLogoLeavesTheTextAfterItVisible)
{
    std::ifstream f(std::string(KOV_SOURCE_DIR) + "/data/ZovQ8.bmp", std::ios::binary);
    ASSERT_TRUE(f.good());
    const std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 54u);
    auto le32 = [&](size_t o) {
        return int(static_cast<unsigned char>(bytes[o]) | static_cast<unsigned char>(bytes[o + 1]) << 8 |
                   static_cast<unsigned char>(bytes[o + 2]) << 16 |
                   unsigned(static_cast<unsigned char>(bytes[o + 3])) << 24);
    };
    const size_t data = size_t(le32(10)), stride = (55 * 3 + 3) & ~size_t(3);
    ASSERT_GE(bytes.size(), data + 14 * stride);
    int coloured_left = 0;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 55; ++x) {
            const size_t p = data + size_t(y) * stride + size_t(x) * 3;
            const bool white = static_cast<unsigned char>(bytes[p]) == 255 &&
                               static_cast<unsigned char>(bytes[p + 1]) == 255 &&
                               static_cast<unsigned char>(bytes[p + 2]) == 255;
            if (x >= 21)
                EXPECT_TRUE(white) << x << ", " << y;
            else if (!white)
                ++coloured_left;
        }
    EXPECT_GT(coloured_left, 100); // the logo itself
}
