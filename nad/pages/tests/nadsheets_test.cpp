// The annex library's sheets on the scripted screen: the selection sheet with
// its list and flags, the warning for a missing annex and the display options.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "nad/nadfile.h"
#include "nad/nadprog.h"
#include "nad/nadselect.h"
#include "nad/pages/nadsheets.h"
#include "nad/tests/nadenv_fixture.h"
#include "nad/tests/nadrec_fixture.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/viewarea.h"
#include "test_support/kovtestutil.h"

using nadtest::AnnexEnv;

namespace {

void no_sleep(int) {}

std::string contents_of(const std::string& path)
{
    std::string text;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buf[512];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
        std::fclose(f);
    }
    return text;
}

// On a 1024 x 768 screen the selection sheet lies at (367, 239)-(657, 528):
// its list area from (379, 299), 193 pixels high, the header from (379, 274).
const int kListX = 379, kListY = 299;
const int kOkX = 630, kOkY = 510, kCancelX = 395, kCancelY = 510;

// What the idle hook saw when the first wait found the queue empty.
struct Seen {
    bool done = false;
    int list_scroll = -1;
    std::string shot; // file name for a screenshot, empty for none
};
Seen g_seen;

void look(const char*)
{
    if (g_seen.done) return;
    g_seen.done = true;
    for (unsigned s = 0; s < 20; ++s) {
        const ViewArea* a = View_Area_Record(s);
        if (a && a->x1 == kListX && a->y1 == kListY) g_seen.list_scroll = a->scroll_y;
    }
    if (!g_seen.shot.empty()) {
        const std::string dir = std::string(KOV_BINARY_DIR) + "/test-artefacts";
        std::filesystem::create_directories(dir);
        EXPECT_EQ(Kov_Ui_Save_Png((dir + "/" + g_seen.shot).c_str()), 1);
    }
}

class Sheets : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Kov_Set_Sleep_Function(no_sleep);
        Kov_Ui_Set_Idle_Hook(look);
        g_seen = Seen();
        Nad_Reset_Sheets();
        std::filesystem::create_directories(env.nads());
    }
    void TearDown() override
    {
        Kov_Ui_Set_Idle_Hook(nullptr);
        Kov_Set_Sleep_Function(nullptr);
        Kov_Ui_Sheets_Reset();
        View_Area_Close_All();
        Kov_Ui_Reset();
        Kov_Script_Reset();
        Kov_Set_Ui_Mode(-1);
    }
    void store_user(int n, const char* name, double gamma_connections, int flag = 5)
    {
        std::unique_ptr<NadRecord> r(new NadRecord());
        nadtest::Default_Blocks(r.get());
        r->flag_index = flag;
        std::snprintf(r->name, sizeof r->name, "%s", name);
        r->ec5.gamma_m_connections = gamma_connections;
        ASSERT_EQ(Nad_Store_User_Nad(n, r.get()), 1);
    }
    void activate(const char* name)
    {
        Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
        NadActiveName = Mem_Strdup(name);
        Nad_Activate();
    }
    // A click on list row i, the list not scrolled.
    static void click_row(int i) { Kov_Ui_Push_Click(kListX + 100, kListY + 5 + 25 * i + 10); }
    static std::vector<std::string> log_lines(const std::string& prefix)
    {
        std::vector<std::string> v;
        for (int i = 0; i < Kov_Script_Log_Count(); ++i) {
            const std::string l = Kov_Script_Log_Line(i);
            if (l.compare(0, prefix.size(), prefix) == 0) v.push_back(l);
        }
        return v;
    }
    static bool logged(const std::string& line)
    {
        for (int i = 0; i < Kov_Script_Log_Count(); ++i)
            if (line == Kov_Script_Log_Line(i)) return true;
        return false;
    }
    AnnexEnv env;
};

const char* const kSelectSheet = "Define_Prop_Sheet 367 239 657 528 1 0 Nationale Anwendungsdokumente 16 1";

} // namespace

TEST_F(Sheets, SelectionSheetAroundTheScreenCentreScrollsToTheLastOfTwelve)
{
    char name[16];
    for (int n = 1; n <= 10; ++n) {
        std::snprintf(name, sizeof name, "Anhang %d", n);
        store_user(n, name, 1.0 + n / 100.0, n - 1);
    }
    activate("Anhang 10");
    g_seen.shot = "nad_select_sheet.png";
    EXPECT_EQ(Nad_Select_Sheet(), 1);  // nothing left to do: cancelled, the annex read again
    EXPECT_TRUE(logged(kSelectSheet)); // 291 x 290 pixels
    EXPECT_STREQ(NadActiveName, "Anhang 10");
    // Row 11 (top 280, frame from 279 to 303) lies within the 192 pixels shown.
    ASSERT_GE(g_seen.list_scroll, 0);
    EXPECT_LE(g_seen.list_scroll, 279);
    EXPECT_GE(g_seen.list_scroll + 192, 303);
}

TEST_F(Sheets, ClickAndOkActivatesTheRowClickAndCancelKeepsTheAnnexBefore)
{
    store_user(1, "Eins", 1.31);
    store_user(2, "Zwei", 1.32);
    activate("Deutschland");

    click_row(2);
    Kov_Ui_Push_Click(kOkX, kOkY);
    EXPECT_EQ(Nad_Select_Sheet(), 1);
    EXPECT_STREQ(NadActiveName, "Eins");
    EXPECT_DOUBLE_EQ(Nad_Get_Ec5()->gamma_m_connections, 1.31);

    click_row(3);
    Kov_Ui_Push_Click(kCancelX, kCancelY);
    EXPECT_EQ(Nad_Select_Sheet(), 1);
    EXPECT_STREQ(NadActiveName, "Eins");
    EXPECT_DOUBLE_EQ(Nad_Get_Ec5()->gamma_m_connections, 1.31);

    click_row(0);
    Kov_Ui_Push_Click(kOkX, kOkY);
    EXPECT_EQ(Nad_Select_Sheet(), 1);
    EXPECT_STREQ(NadActiveName, "EC-Standardparameter");
    EXPECT_EQ(Nad_Get_Ec5()->k_cr_mode, 1);
}

TEST_F(Sheets, SelectionSheetRemembersWhereTheUserMovedIt)
{
    // Dragged by its title bar 30 pixels right and 20 down, then cancelled.
    Kov_Ui_Push_Press(400, 245, 1);
    Kov_Ui_Push_Move(430, 265);
    Kov_Ui_Push_Release(430, 265, 1);
    EXPECT_EQ(Nad_Select_Sheet(), 1);
    Kov_Script_Clear_Log();
    EXPECT_EQ(Nad_Select_Sheet(), 1);
    EXPECT_TRUE(logged("Define_Prop_Sheet 397 259 687 548 1 0 Nationale Anwendungsdokumente 16 1"));

    // The warning keeps its own centre, and the user's moving of it is not remembered.
    Kov_Ui_Push_Press(400, 280, 1);
    Kov_Ui_Push_Move(450, 300);
    Kov_Ui_Push_Release(450, 300, 1);
    EXPECT_EQ(Nad_Select_By_Name("Gibt es nicht"), 0);
    Kov_Script_Clear_Log();
    EXPECT_EQ(Nad_Select_By_Name("Gibt es nicht"), 0);
    EXPECT_TRUE(logged("Define_Prop_Sheet 382 272 642 496 1 0 Warnung 16 1"));
}

TEST_F(Sheets, LongUserNameIsShortenedAndActivatesUnderItsFullName)
{
    const char* const full = "Ein sehr langer Anhangsname"; // 27 characters
    ASSERT_EQ(std::strlen(full), 27u);
    store_user(1, full, 1.33);
    activate("Deutschland");
    click_row(2);
    Kov_Ui_Push_Click(kOkX, kOkY);
    EXPECT_EQ(Nad_Select_Sheet(), 1);
    EXPECT_STREQ(NadActiveName, full);
    EXPECT_DOUBLE_EQ(Nad_Get_Ec5()->gamma_m_connections, 1.33);
    // 19 characters and "..." are 176 pixels; one more would be 184.
    EXPECT_FALSE(log_lines("pxText " + std::to_string(kListX + 37) + " " + std::to_string(kListY + 55 + 14) +
                           " Ein sehr langer Anh...")
                     .empty());
    EXPECT_TRUE(log_lines(std::string("pxText ") + std::to_string(kListX + 37) + " " +
                          std::to_string(kListY + 55 + 14) + " " + full)
                    .empty());
}

TEST_F(Sheets, NamesAreShortenedOnlyBeyond180Pixels)
{
    struct Case {
        const char* name;
        const char* shown;
    } const cases[] = {
        {"ABCDEFGHIJKLMNOPQRSTUV", "ABCDEFGHIJKLMNOPQRSTUV"},   // 22 characters, 176 pixels
        {"ABCDEFGHIJKLMNOPQRSTUVW", "ABCDEFGHIJKLMNOPQRS..."},  // 23: 184 pixels
        {"ABCDEFGHIJKLMNOPQRSTUVWX", "ABCDEFGHIJKLMNOPQRS..."}, // 24
    };
    int n = 0;
    for (const Case& c : cases) store_user(++n, c.name, 1.3);
    activate("Deutschland");
    EXPECT_EQ(Nad_Select_Sheet(), 1);
    for (int i = 0; i < n; ++i) {
        const std::string at =
            "pxText " + std::to_string(kListX + 37) + " " + std::to_string(kListY + 5 + 25 * (i + 2) + 14) + " ";
        EXPECT_TRUE(logged(at + cases[i].shown)) << cases[i].name;
    }
}

TEST_F(Sheets, FlagsAreCopiedFromTheStripAndNeedData)
{
    activate("Deutschland");
    ASSERT_EQ(NadActiveFlagIndex, 18);
    Kov_Script_Clear_Log();
    Nad_Show_Active_Flag(100, 50);
    const std::string file = env.data() + "\\NAD\\EuroFlags.bmp";
    EXPECT_TRUE(logged("pxDrawPartialTransparentDIB " + file + " 0 342 25 360 100 50 124 68 201 -1 255 251 240"));

    // The screen shows the strip's rows 342 to 360.
    const QImage strip(QString::fromStdString(env.data() + "/NAD/EuroFlags.bmp"));
    ASSERT_FALSE(strip.isNull());
    int differing = 0;
    for (int j = 0; j < 19; ++j)
        for (int i = 0; i < 25; ++i) {
            const QRgb p = strip.pixel(i, 342 + j);
            if ((p & 0xFFFFFF) == 0xFFFBF0) continue;
            if (Kov_Ui_Pixel(100 + i, 50 + j) != int(p & 0xFFFFFF)) ++differing;
        }
    EXPECT_EQ(differing, 0);

    int one = 19;
    Kov_Script_Clear_Log();
    Nad_Draw_List_Flag(10, 20, 99, 99, &one);
    EXPECT_TRUE(logged("pxDrawPartialTransparentDIB " + file + " 0 361 25 379 10 20 34 38 201 -1 255 251 240"));

    env.unset("DATA");
    Kov_Script_Clear_Log();
    Nad_Draw_Active_Flag(100, 50);
    Nad_Draw_List_Flag(10, 20, 99, 99, &one);
    EXPECT_TRUE(log_lines("pxDrawPartialTransparentDIB").empty());

    // A row outside the strip draws nothing rather than a cut of its neighbours.
    env.set("DATA", env.data());
    int bad = 20;
    Nad_Draw_List_Flag(10, 20, 99, 99, &bad);
    bad = -1;
    Nad_Draw_List_Flag(10, 20, 99, 99, &bad);
    EXPECT_TRUE(log_lines("pxDrawPartialTransparentDIB").empty());
}

TEST_F(Sheets, TheStripShowsTheFlagsOfTheApplicationsAnnexDialog)
{
    const QImage strip(QString::fromStdString(std::string(KOV_SOURCE_DIR) + "/data/NAD/EuroFlags.bmp"));
    ASSERT_EQ(strip.width(), 26);
    ASSERT_EQ(strip.height(), 380);
    for (int k = 0; k < 20; ++k) {
        char rel[64];
        std::snprintf(rel, sizeof rel, "/app/gui/images/flags/ef%02d.ico", k + 1);
        const QImage flag =
            QImage(QString::fromStdString(std::string(KOV_SOURCE_DIR) + rel)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(flag.isNull()) << rel;
        int differing = 0;
        for (int j = 0; j < 19; ++j)
            for (int i = 0; i < 26; ++i) {
                const QRgb f = flag.pixel(i, j);
                const QRgb s = strip.pixel(i, 19 * k + j) & 0xFFFFFF;
                const QRgb want = qAlpha(f) >= 128 ? (f & 0xFFFFFF) : 0xFFFBF0;
                if (s != want) ++differing;
            }
        EXPECT_EQ(differing, 0) << "flag " << k;
    }
    const QImage buttons(QString::fromStdString(std::string(KOV_SOURCE_DIR) + "/data/NAD/Buttons.bmp"));
    ASSERT_FALSE(buttons.isNull());
    EXPECT_GE(buttons.width(), 4 * 42);
    EXPECT_GE(buttons.height(), 598 + 41);
    // The key colours around the pictures.
    EXPECT_EQ(buttons.pixel(0, 435) & 0xFFFFFF, 0xFFFBF0u);
    EXPECT_EQ(buttons.pixel(8, 593) & 0xFFFFFF, 0xD4D0C8u);
    EXPECT_EQ(buttons.pixel(39, 598) & 0xFFFFFF, 0xFFFBF0u);
}

TEST_F(Sheets, UnlistedNameWarnsWithBothNamesAndItsButtonOpensTheSelection)
{
    store_user(1, "Eins", 1.31);
    g_seen.shot = "nad_warning_sheet.png";
    // Nothing left to do: the warning ends as confirmed.
    EXPECT_EQ(Nad_Select_By_Name("Gibt es nicht"), 0);
    EXPECT_STREQ(NadActiveName, "Deutschland");
    EXPECT_TRUE(logged("Define_Prop_Sheet 382 272 642 496 1 0 Warnung 16 1"));
    // The area from (392, 312): the requested name at (14, 38), the annex now active at (14, 113).
    EXPECT_TRUE(logged("pxText 406 350 Gibt es nicht"));
    EXPECT_TRUE(logged("pxText 406 425 Deutschland"));
    EXPECT_TRUE(logged("pxText 402 332 Das mit dem Programm verkn\x81pfte NAD"));
    EXPECT_FALSE(logged(kSelectSheet));

    // Its button (173, 124) leads to the selection sheet; there "Eins" and OK.
    Kov_Script_Clear_Log();
    Kov_Ui_Push_Click(392 + 173 + 20, 312 + 124 + 20);
    click_row(2);
    Kov_Ui_Push_Click(kOkX, kOkY);
    EXPECT_EQ(Nad_Select_By_Name("Gibt es nicht"), 1);
    EXPECT_TRUE(logged(kSelectSheet));
    EXPECT_STREQ(NadActiveName, "Eins");
    EXPECT_DOUBLE_EQ(Nad_Get_Ec5()->gamma_m_connections, 1.31);
}

TEST_F(Sheets, DataFileNamingADeletedUserAnnexWarns)
{
    store_user(1, "Eins", 1.31);
    store_user(2, "Zwei", 1.32);
    ASSERT_EQ(Nad_Store_User_Nad(2, nullptr), 1); // deleted
    FILE* f = kovtest::stream_of("Daten\n\n\nACTIV_NADNAME\n\xAE"
                                 "Zwei\xAF\n");
    Nad_Read_Activ_Nadname(f);
    std::fclose(f);
    EXPECT_STREQ(NadActiveName, "Deutschland");
    EXPECT_TRUE(logged("Define_Prop_Sheet 382 272 642 496 1 0 Warnung 16 1"));
    EXPECT_TRUE(logged("pxText 406 350 Zwei"));

    Kov_Script_Clear_Log();
    f = kovtest::stream_of("Daten ohne Block\n 1 2 3\n");
    Nad_Read_Activ_Nadname(f);
    std::fclose(f);
    EXPECT_STREQ(NadActiveName, "Deutschland");
    EXPECT_TRUE(log_lines("Define_Prop_Sheet").empty());
}

TEST_F(Sheets, HeaderButtonRunsTheAnnexEditorAndTheNewAnnexIsListed)
{
    store_user(1, "Eins", 1.31);
    activate("Eins");
    const std::string args = env.dram() + "/pflege-args.txt";
    env.set("EXEC", KOV_TOOLS_DIR);
    env.set("KOV_NAD_PFLEGE_NEU", "Neu dazu");
    env.set("KOV_NAD_PFLEGE_ARGS", args);
    // The editing button at (251, 7) of the header area.
    Kov_Ui_Push_Click(kListX + 251 + 4, 274 + 7 + 3);
    click_row(3);
    Kov_Ui_Push_Click(kOkX, kOkY);
    EXPECT_EQ(Nad_Select_Sheet(), 1);
    EXPECT_STREQ(NadActiveName, "Neu dazu");
    // A copy of the annex active when the editor started.
    EXPECT_DOUBLE_EQ(Nad_Get_Ec5()->gamma_m_connections, 1.31);
    EXPECT_NE(contents_of(args).find("Eins"), std::string::npos);
}

TEST_F(Sheets, WithoutExecTheListIsReadAgain)
{
    store_user(1, "Eins", 1.31);
    activate("Deutschland");
    Kov_Ui_Push_Click(kListX + 251 + 4, 274 + 7 + 3);
    // Meanwhile a second annex appeared: the list read again shows it.
    store_user(2, "Zwei", 1.32);
    click_row(3);
    Kov_Ui_Push_Click(kOkX, kOkY);
    EXPECT_EQ(Nad_Select_Sheet(), 1);
    EXPECT_STREQ(NadActiveName, "Zwei");
}

namespace {

// Ten programs with the application numbers 101 .. 110.
struct TenPrograms {
    kovtest::TempDir tmp{"nadopt_"};
    TenPrograms(AnnexEnv& env, int current)
    {
        for (int k = 1; k <= 10; ++k) {
            const std::string dir = tmp.path() + "/prog" + std::to_string(k);
            std::filesystem::create_directories(dir);
            char text[96];
            std::snprintf(text, sizeof text, "#NAME\n\xAEprg%02d\xAF\n#NADS 1\n", k);
            kovtest::write_file(dir + "/APP0" + std::to_string(100 + k) + ".DEF", text);
        }
        env.set("EXEC", tmp.path());
        env.set("KOV_CUROB_APPLICATION_NUMBER", std::to_string(current));
        Nad_Reset_Programs();
    }
    ~TenPrograms() { Nad_Reset_Programs(); }
};

// On a 1024 x 768 screen the options sheet with ten programs lies at
// (352, 229)-(671, 538): its choice area from (362, 268), the buttons' area
// from (362, 510).
void click_program(int i) { Kov_Ui_Push_Click(362 + 50 + 12, 268 + 58 + 18 * i - 4); }
const int kAbbrechenX = 362 + 240 + 10, kButtonY = 510 + 1 + 10, kOkButtonX = 362 + 262 + 10;

} // namespace

TEST_F(Sheets, OptionsSheetCancelKeepsTheSelectionAndOkSetsIt)
{
    TenPrograms programs(env, 0);
    Nad_Scan_Programs();
    const ProgramList* list = Nad_Program_List();
    ASSERT_EQ(list->count, 10);
    // Run as the program of entry 2.
    NadRulesForProgram = 1;
    NadRulesProgramIndex = 2;
    NadCurrentApplication = list->entries[2].application_number;
    NadShowAllRules = 0;

    g_seen.shot = "nad_display_options.png";
    click_program(5);
    Kov_Ui_Push_Click(kAbbrechenX, kButtonY);
    EXPECT_EQ(Nad_Display_Options_Sheet(), 0);
    EXPECT_TRUE(logged("Define_Prop_Sheet 352 229 671 538 1 0 Darstellungsoptionen 12 1")); // 310 high
    EXPECT_EQ(NadRulesForProgram, 1);
    EXPECT_EQ(NadRulesProgramIndex, 2);
    EXPECT_EQ(NadCurrentApplication, list->entries[2].application_number);

    // All rules, and cancelling by the window's cancel key.
    Kov_Ui_Push_Click(362 + 30 + 12, 268 + 20 - 4);
    Kov_Ui_Push_Key(27);
    EXPECT_EQ(Nad_Display_Options_Sheet(), 0);
    EXPECT_EQ(NadRulesForProgram, 1);
    EXPECT_EQ(NadRulesProgramIndex, 2);

    click_program(5);
    Kov_Ui_Push_Click(kOkButtonX, kButtonY);
    EXPECT_EQ(Nad_Display_Options_Sheet(), 1);
    EXPECT_EQ(NadRulesForProgram, 1);
    EXPECT_EQ(NadRulesProgramIndex, 5);
    EXPECT_EQ(NadCurrentApplication, list->entries[5].application_number);
    EXPECT_EQ(NadShowAllRules, 0);

    Kov_Ui_Push_Click(362 + 30 + 12, 268 + 20 - 4);
    Kov_Ui_Push_Click(kOkButtonX, kButtonY);
    EXPECT_EQ(Nad_Display_Options_Sheet(), 1);
    EXPECT_EQ(NadRulesForProgram, 0);
    EXPECT_EQ(NadCurrentApplication, 0);
    EXPECT_EQ(NadShowAllRules, 1);

    // Nothing left to do: cancelled.
    EXPECT_EQ(Nad_Display_Options_Sheet(), 0);
    EXPECT_EQ(NadRulesForProgram, 0);
}

TEST_F(Sheets, ProgramsAreChosenOnlyWhileOptimising)
{
    TenPrograms programs(env, 0);
    Nad_Scan_Programs();
    ASSERT_EQ(NadRulesForProgram, 0);
    click_program(4); // inactive: all rules are shown
    Kov_Ui_Push_Click(kOkButtonX, kButtonY);
    EXPECT_EQ(Nad_Display_Options_Sheet(), 1);
    EXPECT_EQ(NadRulesForProgram, 0);
    EXPECT_EQ(NadRulesProgramIndex, 0);
    EXPECT_EQ(NadShowAllRules, 1);
}

TEST_F(Sheets, BatchRunsReportTheWarningOnStandardErrorWithoutASheet)
{
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Nad_Warning_Sheet("Alt", "Deutschland"), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Alt\nkann nicht gefunden werden.\n"), std::string::npos);
    EXPECT_NE(err.find("Deutschland\numgeschaltet."), std::string::npos);
}
