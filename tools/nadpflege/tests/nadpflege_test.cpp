// The annex editor driven in-process on the scripted screen: a scripted user
// chooses annexes in the list, opens pages, types into fields and presses the
// sheet's buttons; the user's annex files are read back afterwards.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "nad/nadfile.h"
#include "nad/nadprog.h"
#include "nad/nadrange.h"
#include "nad/pages/nadsheets.h"
#include "nad/tests/nadenv_fixture.h"
#include "nad/tests/nadrec_fixture.h"
#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/mask.h"
#include "sheets/maskstate.h"
#include "sheets/tests/legible.h"
#include "sheets/viewarea.h"
#include "test_support/kovtestutil.h"
#include "tools/nadpflege/nadpflege.h"

using nadtest::AnnexEnv;

namespace {

void no_sleep(int) {}

// ---- the scripted user ---------------------------------------------------------------

// Steps run one after the other whenever a wait finds nothing queued; a step
// that queues nothing (a look at the screen) lets the next one run at once.
std::deque<std::function<void()>> g_steps;

void next_step(const char*)
{
    while (!g_steps.empty() && Kov_Ui_Pending() == 0) {
        std::function<void()> step = g_steps.front();
        g_steps.pop_front();
        step();
    }
}

void then(std::function<void()> step) { g_steps.push_back(std::move(step)); }

void click_id(int id)
{
    then([id] {
        int x1, y1, x2, y2;
        ASSERT_EQ(Kov_Ui_Sheet_Rect(id, &x1, &y1, &x2, &y2), 1) << "no element " << id;
        Kov_Ui_Push_Click((x1 + x2) / 2, (y1 + y2) / 2);
    });
}

void type(const std::string& bytes)
{
    then([bytes] { Kov_Ui_Push_Text(bytes.c_str()); });
}

void key(int k)
{
    then([k] { Kov_Ui_Push_Key(k); });
}

// A click on row i of the annex list (its escape area starts where the list does).
void click_row(int i)
{
    then([i] {
        int x1, y1, x2, y2;
        ASSERT_EQ(Kov_Ui_Sheet_Rect(NAD_PFLEGE_LIST, &x1, &y1, &x2, &y2), 1);
        Kov_Ui_Push_Click(x1 + 100, y1 + 5 + 25 * i + 10);
    });
}

// The elements of the page (or name sheet) shown now.
std::vector<const ViewElement*> shown_elements() { return legible::elements_of(Mask_Get_Output_Area()); }

// A click into an element of the area shown now, scrolled into view first as
// a user would with the slider.
void click_element(const ViewElement* e)
{
    const int area = Mask_Get_Output_Area();
    ViewArea* a = View_Area_Record(unsigned(area));
    ASSERT_NE(a, nullptr);
    Set_Scrollable_Area_PS(a->handle, 0, std::max(0, e->y1 - 100));
    int sx = 0, sy = 0, dx = 0, dy = 0;
    Inquire_Scrollable_Area_PS(a->handle, &sx, &sy);
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    Kov_Ui_Push_Click(dx + a->x1 + e->x1 - sx + 2, dy + a->y1 + e->y1 - sy - 4);
}

// A click into the float field bound to the value of the edited record that
// field() names.
void click_field(std::function<double*(NadRecord*)> field)
{
    then([field] {
        NadRecord* r = Nad_Pflege_Edited_Record();
        ASSERT_NE(r, nullptr);
        const double* want = field(r);
        for (const ViewElement* e : shown_elements())
            if (e->type == VIEW_FLOAT && e->number == want) return click_element(e);
        ADD_FAILURE() << "no field for the value on the page shown";
    });
}

// A click into the name field of "Neu".
void click_name_field()
{
    then([] {
        for (const ViewElement* e : shown_elements())
            if (e->type == VIEW_TEXT_FIELD) return click_element(e);
        ADD_FAILURE() << "no name field";
    });
}

// ---- files -------------------------------------------------------------------------------

std::string bytes_of(const std::string& path) { return kovtest::read_file(path); }

// The annex file text a record gives (what a store writes).
std::string file_text(const NadRecord* r)
{
    kovtest::MemFile m;
    Nad_Write_File(m.f, r);
    return m.text();
}

// Every file below a folder with its bytes.
std::vector<std::pair<std::string, std::string>> tree(const std::string& dir)
{
    std::vector<std::pair<std::string, std::string>> v;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir))
        if (e.is_regular_file()) v.emplace_back(e.path().string(), bytes_of(e.path().string()));
    std::sort(v.begin(), v.end());
    return v;
}

class Pflege : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Kov_Set_Sleep_Function(no_sleep);
        g_steps.clear();
        Kov_Ui_Set_Idle_Hook(next_step);
        Nad_Reset_Sheets();
        Nad_Pflege_Reset();
        std::filesystem::create_directories(env.nads());
    }
    void TearDown() override
    {
        EXPECT_TRUE(g_steps.empty()) << g_steps.size() << " steps were not reached";
        g_steps.clear();
        Kov_Ui_Set_Idle_Hook(nullptr);
        Kov_Set_Sleep_Function(nullptr);
        Kov_Ui_Sheets_Reset();
        View_Area_Close_All();
        Nad_Pflege_Reset();
        Kov_Ui_Reset();
        Kov_Script_Reset();
        Kov_Set_Ui_Mode(-1);
    }
    // A user annex with its own factor for connections and flag.
    void store_user(int n, const char* name, double gamma_connections, int flag = 5)
    {
        nadtest::RecordBox r;
        nadtest::Default_Blocks(r.get());
        r->flag_index = flag;
        r->na_de = 1;
        std::snprintf(r->name, sizeof r->name, "%s", name);
        r->ec5.gamma_m_connections = gamma_connections;
        r->ec3.ec31.gamma_m0 = 1.05 + n / 100.0;
        ASSERT_EQ(Nad_Store_User_Nad(n, r.get()), 1);
        // Once read and stored again, the file is as the library keeps it (the
        // blocks carry the German-annex flag of the head line).
        ASSERT_EQ(Nad_Store_User_Nad(n, load_user(n).get()), 1);
    }
    // The user file n as the library reads it.
    std::unique_ptr<NadRecord> load_user(int n)
    {
        std::unique_ptr<NadRecord> r(new NadRecord());
        nadtest::Default_Blocks(r.get());
        EXPECT_EQ(Nad_Load(n, nullptr, r.get()), 1) << n << ".NAD";
        return r;
    }
    static bool logged(const std::string& line)
    {
        for (int i = 0; i < Kov_Script_Log_Count(); ++i)
            if (line == Kov_Script_Log_Line(i)) return true;
        return false;
    }
    static int count_logged(const std::string& prefix)
    {
        int n = 0;
        for (int i = 0; i < Kov_Script_Log_Count(); ++i)
            if (std::string(Kov_Script_Log_Line(i)).compare(0, prefix.size(), prefix) == 0) ++n;
        return n;
    }
    AnnexEnv env;
};

double* gamma_solid(NadRecord* r) { return &r->ec5.gamma_m_solid; }

} // namespace

TEST_F(Pflege, GammaOfSolidTimberIsSavedAndEveryOtherValueStays)
{
    store_user(1, "Eins", 1.31);
    store_user(2, "Zwei", 1.32);
    const std::string one = bytes_of(env.user_file(1));
    const std::string before = bytes_of(env.user_file(2));
    std::unique_ptr<NadRecord> want = load_user(2);
    want->ec5.gamma_m_solid = 1.25;

    Nad_Build_List();
    Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
    NadActiveName = Mem_Strdup("Eins"); // the caller's choice
    click_row(3);                       // "Zwei"
    click_id(NAD_PFLEGE_PAGE_EC5);
    click_field(gamma_solid);
    type("1,25\r");
    click_id(NAD_PFLEGE_SAVE);
    then([] {
        const std::string dir = std::string(KOV_BINARY_DIR) + "/test-artefacts";
        std::filesystem::create_directories(dir);
        EXPECT_EQ(Kov_Ui_Save_Png((dir + "/nadpflege_ec5_user.png").c_str()), 1);
    });
    click_id(NAD_PFLEGE_CLOSE);
    EXPECT_EQ(Nad_Pflege_Sheet("Deutschland"), NAD_PFLEGE_CHANGED);

    std::unique_ptr<NadRecord> got = load_user(2);
    EXPECT_DOUBLE_EQ(got->ec5.gamma_m_solid, 1.25);
    EXPECT_DOUBLE_EQ(got->ec5.gamma_m_glulam, 1.3);
    EXPECT_EQ(file_text(got.get()), file_text(want.get()));
    EXPECT_EQ(bytes_of(env.user_file(2)), file_text(want.get()));
    EXPECT_NE(bytes_of(env.user_file(2)), before);
    EXPECT_EQ(bytes_of(env.user_file(1)), one);
    EXPECT_FALSE(std::filesystem::exists(env.user_file(3)));
    // Nothing was asked: the change was saved before closing.
    EXPECT_EQ(count_logged("Answer_is_Yes"), 0);
    // The caller's choice is given back.
    EXPECT_STREQ(NadActiveName, "Eins");
}

TEST_F(Pflege, SuppliedAnnexIsShownDisplayOnlyAndNothingIsWritten)
{
    store_user(1, "Eins", 1.31);
    const auto nads = tree(env.nads());
    const auto data = tree(env.data());
    Kov_Script_Push("answer", 1, nullptr); // would confirm a removal
    for (int page = 0; page < 6; ++page) {
        click_id(NAD_PFLEGE_PAGE_EC0 + page);
        then([page] {
            const NadRecord* r = Nad_Pflege_Edited_Record();
            ASSERT_NE(r, nullptr);
            EXPECT_STREQ(r->name, "Deutschland");
            const char* lo = reinterpret_cast<const char*>(r);
            const char* hi = lo + sizeof *r;
            auto inside = [&](const void* p) {
                const char* c = static_cast<const char*>(p);
                return c >= lo && c < hi;
            };
            int fields = 0;
            for (const ViewElement* e : shown_elements()) {
                const void* bound = e->number ? static_cast<const void*>(e->number) : e->value;
                if (!bound || !inside(bound)) continue;
                ++fields;
                EXPECT_TRUE(e->active && *e->active == 0)
                    << "page " << page << ": element at " << e->x1 << " " << e->y1;
            }
            EXPECT_GT(fields, 0) << "page " << page;
        });
    }
    click_id(NAD_PFLEGE_PAGE_EC5);
    click_field(gamma_solid);
    type("2\r");
    click_id(NAD_PFLEGE_SAVE);
    click_id(NAD_PFLEGE_REMOVE);
    click_id(NAD_PFLEGE_CLOSE);
    EXPECT_EQ(Nad_Pflege_Sheet("Deutschland"), NAD_PFLEGE_UNCHANGED);
    EXPECT_EQ(tree(env.nads()), nads);
    EXPECT_EQ(tree(env.data()), data);
    EXPECT_EQ(Kov_Script_Pending("answer"), 1);
}

TEST_F(Pflege, NewAddsTheNextNumberAsACopyOfTheChosenAnnex)
{
    store_user(1, "Eins", 1.31, 7);
    store_user(2, "Zwei", 1.32);
    std::unique_ptr<NadRecord> want = load_user(1);
    std::snprintf(want->name, sizeof want->name, "%s", "Test-NA");

    click_id(NAD_PFLEGE_NEW);
    click_name_field();
    type("Test-NA\r"); // Return confirms the name
    then([] {
        const NadRecord* r = Nad_Pflege_Edited_Record();
        ASSERT_NE(r, nullptr);
        EXPECT_STREQ(r->name, "Test-NA"); // the new annex is the chosen one
        EXPECT_STREQ(NadActiveName, "Test-NA");
    });
    click_id(NAD_PFLEGE_CLOSE);
    EXPECT_EQ(Nad_Pflege_Sheet("Eins"), NAD_PFLEGE_CHANGED);

    ASSERT_TRUE(std::filesystem::exists(env.user_file(3)));
    std::unique_ptr<NadRecord> got = load_user(3);
    EXPECT_EQ(file_text(got.get()), file_text(want.get()));
    EXPECT_EQ(got->flag_index, 7);
    Nad_Build_List();
    ASSERT_EQ(NadList.count, 5);
    EXPECT_STREQ(NadList.names[4], "Test-NA");
    EXPECT_EQ(NadList.user_number[4], 3);
}

TEST_F(Pflege, NewRefusesANameThatIsEmptyOrTaken)
{
    struct Case {
        const char* typed; // null: the field is not touched
        const char* says;  // the first line of the message (UTF-8)
    } const cases[] = {
        {nullptr, "Bitte geben Sie einen Namen für das neue Anwendungsdokument ein."},
        {"   ", "Bitte geben Sie einen Namen für das neue Anwendungsdokument ein."},
        {"Deutschland", "Ein Anwendungsdokument \"Deutschland\" gibt es schon."},
        {"EC-Standardparameter", "Ein Anwendungsdokument \"EC-Standardparameter\" gibt es schon."},
        {" Eins ", "Ein Anwendungsdokument \"Eins\" gibt es schon."},
        {"lokale Definitionen", "Ein Anwendungsdokument \"lokale Definitionen\" gibt es schon."},
    };
    store_user(1, "Eins", 1.31);
    const auto nads = tree(env.nads());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed ? c.typed : "(untouched)");
        Kov_Script_Clear_Log();
        click_id(NAD_PFLEGE_NEW);
        if (c.typed) {
            click_name_field();
            type(std::string(c.typed) + "\r");
        }
        click_id(200);
        // The message, and the name sheet still open over the editor.
        then([] { EXPECT_EQ(Mask_Depth(), 2); });
        click_id(100);
        click_id(NAD_PFLEGE_CLOSE);
        EXPECT_EQ(Nad_Pflege_Sheet("Eins"), NAD_PFLEGE_UNCHANGED);
        EXPECT_TRUE(logged(std::string("Fill_Message ") + cp850(c.says)));
        EXPECT_EQ(tree(env.nads()), nads);
    }
}

TEST_F(Pflege, RemoveAsksAndTheLaterFilesMoveDown)
{
    struct Case {
        int answer;
        int result;
    } const cases[] = {{0, NAD_PFLEGE_UNCHANGED}, {1, NAD_PFLEGE_CHANGED}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        store_user(1, "Eins", 1.31);
        store_user(2, "Zwei", 1.32);
        store_user(3, "Drei", 1.33);
        const auto nads = tree(env.nads());
        const std::string two = bytes_of(env.user_file(2)), three = bytes_of(env.user_file(3));
        Kov_Script_Push("answer", c.answer, nullptr);
        click_id(NAD_PFLEGE_REMOVE);
        click_id(NAD_PFLEGE_CLOSE);
        EXPECT_EQ(Nad_Pflege_Sheet("Eins"), c.result);
        EXPECT_EQ(Kov_Script_Pending("answer"), 0);
        if (c.answer) {
            EXPECT_EQ(bytes_of(env.user_file(1)), two);
            EXPECT_EQ(bytes_of(env.user_file(2)), three);
            EXPECT_FALSE(std::filesystem::exists(env.user_file(3)));
        } else {
            EXPECT_EQ(tree(env.nads()), nads);
        }
    }
}

TEST_F(Pflege, UnsavedChangesAreStoredOnlyWhenTheUserSaysSo)
{
    struct Case {
        int answer;
        bool escape; // the window's break key instead of "Schließen"
        double stored;
        int result;
    } const cases[] = {
        {0, false, 1.3, NAD_PFLEGE_UNCHANGED},
        {0, true, 1.3, NAD_PFLEGE_UNCHANGED},
        {1, false, 1.4, NAD_PFLEGE_CHANGED},
        {1, true, 1.4, NAD_PFLEGE_CHANGED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.answer) + (c.escape ? " escape" : " close"));
        store_user(1, "Eins", 1.31);
        const std::string before = bytes_of(env.user_file(1));
        Kov_Script_Clear_Log();
        Kov_Script_Push("answer", c.answer, nullptr);
        click_field(gamma_solid);
        type("1,4\r");
        if (c.escape) {
            // The edit chain after Enter ends first.
            key(27);
            key(27);
        } else {
            click_id(NAD_PFLEGE_CLOSE);
        }
        EXPECT_EQ(Nad_Pflege_Sheet("Eins"), c.result);
        EXPECT_EQ(count_logged("Answer_is_Yes"), 1);
        EXPECT_DOUBLE_EQ(load_user(1)->ec5.gamma_m_solid, c.stored);
        if (!c.answer) {
            EXPECT_EQ(bytes_of(env.user_file(1)), before);
        }
    }
}

TEST_F(Pflege, SwitchingToAnotherAnnexAsksForTheUnsavedChanges)
{
    store_user(1, "Eins", 1.31);
    store_user(2, "Zwei", 1.32);
    Kov_Script_Push("answer", 1, nullptr);
    click_field(gamma_solid);
    type("1,45\r");
    click_row(3);
    then([] { EXPECT_STREQ(Nad_Pflege_Edited_Record()->name, "Zwei"); });
    click_id(NAD_PFLEGE_CLOSE);
    EXPECT_EQ(Nad_Pflege_Sheet("Eins"), NAD_PFLEGE_CHANGED);
    EXPECT_DOUBLE_EQ(load_user(1)->ec5.gamma_m_solid, 1.45);
    EXPECT_DOUBLE_EQ(load_user(2)->ec5.gamma_m_solid, 1.3);
}

TEST_F(Pflege, FailedStoreKeepsTheOldFileAndSaysSo)
{
    store_user(1, "Eins", 1.31);
    const std::string before = bytes_of(env.user_file(1));
    click_field(gamma_solid);
    type("1,25\r");
    click_id(NAD_PFLEGE_SAVE);
    click_id(NAD_PFLEGE_CLOSE);
    int result;
    {
        kovtest::FileSizeLimit full_disk(64); // the new file cannot be written completely
        result = Nad_Pflege_Sheet("Eins");
    }
    EXPECT_EQ(result, NAD_PFLEGE_FAILED);
    EXPECT_EQ(bytes_of(env.user_file(1)), before);
    EXPECT_TRUE(
        logged(std::string("Fill_Message ") + "Das Anwendungsdokument \"Eins\" konnte nicht gespeichert werden."));
    EXPECT_TRUE(logged("Fill_Message Die Datei 1.NAD bleibt, wie sie war."));
    // Still unsaved at closing: asked, and the scripted answer is no.
    EXPECT_EQ(count_logged("Answer_is_Yes"), 1);
}

TEST_F(Pflege, ChangesThatCannotBeStoredKeepTheEditorOpen)
{
    store_user(1, "Eins", 1.31);
    store_user(2, "Zwei", 1.32);
    const std::string before = bytes_of(env.user_file(1));
    Kov_Script_Push("answer", 1, nullptr); // store when switching: fails
    Kov_Script_Push("answer", 1, nullptr); // store when closing: fails
    Kov_Script_Push("answer", 0, nullptr); // then closed without
    click_field(gamma_solid);
    type("1,25\r");
    click_row(3);
    then([] {
        EXPECT_STREQ(Nad_Pflege_Edited_Record()->name, "Eins");
        EXPECT_STREQ(NadActiveName, "Eins");
        EXPECT_DOUBLE_EQ(Nad_Pflege_Edited_Record()->ec5.gamma_m_solid, 1.25);
    });
    click_id(NAD_PFLEGE_CLOSE);
    then([] { EXPECT_EQ(Mask_Depth(), 1); });
    click_id(NAD_PFLEGE_CLOSE);
    {
        kovtest::FileSizeLimit full_disk(64); // no annex can be written completely
        EXPECT_EQ(Nad_Pflege_Sheet("Eins"), NAD_PFLEGE_FAILED);
    }
    EXPECT_EQ(Kov_Script_Pending("answer"), 0);
    EXPECT_EQ(count_logged("Fill_Message Die Datei 1.NAD bleibt, wie sie war."), 2);
    EXPECT_EQ(bytes_of(env.user_file(1)), before);
}

TEST_F(Pflege, UnreadableUserAnnexIsShownButNeverOverwritten)
{
    store_user(1, "Eins", 1.31);
    const std::string broken = "NAD/Versio 1\n\n 5 \xAE"
                               "Eins\xAF 1\n";
    kovtest::write_file(env.user_file(1), broken);
    click_id(NAD_PFLEGE_SAVE);
    click_id(NAD_PFLEGE_CLOSE);
    EXPECT_EQ(Nad_Pflege_Sheet("Eins"), NAD_PFLEGE_UNCHANGED);
    EXPECT_EQ(bytes_of(env.user_file(1)), broken);
    EXPECT_GE(count_logged("Fill_Message Die Datei des Anwendungsdokuments"), 1);
}

TEST_F(Pflege, DisplayOptionsAndHelpLeaveTheAnnexAlone)
{
    store_user(1, "Eins", 1.31);
    const auto nads = tree(env.nads());
    click_id(NAD_PFLEGE_OPTIONS);
    key(27);
    click_id(NAD_PFLEGE_HELP);
    click_id(NAD_PFLEGE_CLOSE);
    EXPECT_EQ(Nad_Pflege_Sheet("Eins"), NAD_PFLEGE_UNCHANGED);
    EXPECT_GE(count_logged("Define_Prop_Sheet"), 2);
    EXPECT_TRUE(logged("Helpview NAD_PFLEGE"));
    // The test's installation has no help: the platform names the missing file.
    EXPECT_EQ(count_logged("Helpview missing "), 1);
    EXPECT_EQ(tree(env.nads()), nads);
}

// The demo's installation holds the step-joint program's description, so that
// "Darstellung optimieren für" has a program to offer.
TEST_F(Pflege, DemoInstallationOffersTheStepJointProgram)
{
    const std::string script = bytes_of(std::string(KOV_SOURCE_DIR) + "/scripts/run-example.sh");
    EXPECT_NE(script.find("example/q8-nlu52/APP0052.DEF\" \"$ENVDIR/EXEC/q8-nlu52/APP0052.DEF"), std::string::npos);
    kovtest::TempDir exec("exec_");
    std::filesystem::create_directories(exec.path() + "/q8-nlu52");
    std::filesystem::copy_file(std::string(KOV_SOURCE_DIR) + "/example/q8-nlu52/APP0052.DEF",
                               exec.path() + "/q8-nlu52/APP0052.DEF");
    env.set("EXEC", exec.path());
    Nad_Reset_Programs();
    Nad_Scan_Programs();
    const ProgramList* programs = Nad_Program_List();
    ASSERT_EQ(programs->count, 1);
    EXPECT_STREQ(programs->entries[0].name, "VERSATZ");
    EXPECT_STREQ(programs->entries[0].service, "Holzbau");
    EXPECT_EQ(programs->entries[0].application_number, 52);
    // Chosen in the sheet: the load factors of buildings, not of bridges.
    NadRulesForProgram = 1;
    NadRulesProgramIndex = 0;
    EXPECT_EQ(Nad_Rule_Visible(0, 0), 1);
    EXPECT_EQ(Nad_Rule_Visible(0, 1), 0);
    EXPECT_EQ(Nad_Rule_Visible(5, 3), 1);
    Nad_Reset_Programs();
}

TEST_F(Pflege, HelpShowsTheEditorsOwnPage)
{
    std::filesystem::create_directories(env.data() + "/HILFE");
    std::filesystem::copy_file(std::string(KOV_SOURCE_DIR) + "/data/HILFE/NAD-Pflege.html",
                               env.data() + "/HILFE/NAD-Pflege.html");
    click_id(NAD_PFLEGE_HELP);
    click_id(NAD_PFLEGE_CLOSE);
    EXPECT_EQ(Nad_Pflege_Sheet("Deutschland"), NAD_PFLEGE_UNCHANGED);
    EXPECT_TRUE(logged("Helpview NAD_PFLEGE"));
    EXPECT_TRUE(logged("Helpview document " + env.data() + "/HILFE/NAD-Pflege.html"));
    const std::string page = bytes_of(std::string(KOV_SOURCE_DIR) + "/data/HILFE/NAD-Pflege.html");
    EXPECT_NE(page.find("<a name=\"NAD_PFLEGE\">"), std::string::npos);
    for (const char* part : {"Neu", "Speichern", "Entfernen", "Zulässige Bereiche", "über 0 bis 1,1"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
}

// The command line: usage in German for --help and for a wrong call.
TEST(PflegeArguments, UsageInGerman)
{
    kovtest::ScopedEnv e;
    e.set("DRAM", "/tmp");
    char prog[] = "NAD-Pflege", help[] = "--help", name[] = "Deutschland", more[] = "zwei";
    struct Case {
        std::vector<char*> argv;
        int code;
        bool on_out;
    } const cases[] = {
        {{prog, help}, NAD_PFLEGE_CHANGED, true},
        {{prog, name, help}, NAD_PFLEGE_CHANGED, true},
        {{prog}, NAD_PFLEGE_FAILED, false},
        {{prog, name, more}, NAD_PFLEGE_FAILED, false},
        {{prog, name}, -1, false},
    };
    for (const Case& c : cases) {
        std::vector<char*> argv = c.argv;
        argv.push_back(nullptr);
        kovtest::MemFile out, err;
        EXPECT_EQ(Nad_Pflege_Arguments(int(c.argv.size()), argv.data(), out.f, err.f), c.code);
        const std::string o = out.text(), r = err.text();
        if (c.code < 0) {
            EXPECT_EQ(o + r, "");
            continue;
        }
        EXPECT_NE((c.on_out ? o : r).find("Aufruf: NAD-Pflege <Name des aktiven Anwendungsdokuments>"),
                  std::string::npos);
        EXPECT_EQ(c.on_out ? r : o, "");
    }
    e.unset("DRAM");
    kovtest::MemFile out, err;
    char* argv[] = {prog, name, nullptr};
    EXPECT_EQ(Nad_Pflege_Arguments(2, argv, out.f, err.f), NAD_PFLEGE_FAILED);
    EXPECT_NE(err.text().find("DRAM ist nicht gesetzt"), std::string::npos);
    kovtest::MemFile shown;
    Nad_Pflege_Needs_Display(shown.f);
    EXPECT_NE(shown.text().find("braucht eine Anzeige"), std::string::npos);
}

TEST_F(Pflege, BatchRunClosesAtOnce)
{
    store_user(1, "Eins", 1.31);
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    EXPECT_EQ(Nad_Pflege_Sheet("Eins"), NAD_PFLEGE_UNCHANGED);
}

// ---- names and files without the sheet --------------------------------------------------

TEST_F(Pflege, NamesOfNewAnnexes)
{
    store_user(1, "Eins", 1.31);
    Nad_Build_List();
    struct Case {
        const char* name;
        int why;
        const char* kept;
    } const cases[] = {
        {"Test-NA", NAD_PFLEGE_NAME_OK, "Test-NA"},
        {"  Test-NA  ", NAD_PFLEGE_NAME_OK, "Test-NA"},
        {"\x94sterreich", NAD_PFLEGE_NAME_OK, "\x94sterreich"},
        {"Ein sehr langer Anhangsname", NAD_PFLEGE_NAME_OK, "Ein sehr langer Anhangsname"}, // 27 bytes
        {"Ein sehr langer Anhangsnamen", NAD_PFLEGE_NAME_TOO_LONG, "Ein sehr langer Anhangsname"},
        {"", NAD_PFLEGE_NAME_EMPTY, ""},
        {"    ", NAD_PFLEGE_NAME_EMPTY, ""},
        {nullptr, NAD_PFLEGE_NAME_EMPTY, ""},
        {"Deutschland", NAD_PFLEGE_NAME_TAKEN, "Deutschland"},
        {"Eins", NAD_PFLEGE_NAME_TAKEN, "Eins"},
        {"eins", NAD_PFLEGE_NAME_OK, "eins"},
        {"lokale Definitionen", NAD_PFLEGE_NAME_TAKEN, "lokale Definitionen"},
        {"A\xAF"
         "B",
         NAD_PFLEGE_NAME_BAD_BYTE,
         "A\xAF"
         "B"},
        {"A\xAE"
         "B",
         NAD_PFLEGE_NAME_BAD_BYTE,
         "A\xAE"
         "B"},
        {"A\nB", NAD_PFLEGE_NAME_BAD_BYTE, "A\nB"},
    };
    for (const Case& c : cases) {
        char out[NAD_NAME_SIZE];
        EXPECT_EQ(Nad_Pflege_Check_Name(c.name, out), c.why) << (c.name ? c.name : "(null)");
        EXPECT_STREQ(out, c.kept);
    }
}

// Values a standard cannot have are refused as they are typed, with a message
// naming the field and its range; the field and the stored file keep the
// previous values.
TEST_F(Pflege, ValuesOutsideTheirRangeAreRefusedAsTheyAreTyped)
{
    store_user(1, "Eins", 1.31);
    std::unique_ptr<NadRecord> want = load_user(1);
    want->ec5.gamma_m_solid = 1.25; // a value inside its range goes through
    click_row(2);
    click_id(NAD_PFLEGE_PAGE_EC5);
    click_field([](NadRecord* r) { return &r->ec5.gamma_m_glulam; });
    type("-5\r");
    then([] { EXPECT_DOUBLE_EQ(Nad_Pflege_Edited_Record()->ec5.gamma_m_glulam, 1.3); });
    click_field(gamma_solid);
    type("1,25\r");
    click_id(NAD_PFLEGE_PAGE_EC0);
    click_field([](NadRecord* r) { return &r->ec0.building_psi[0][0]; });
    type("1,5\r");
    then([] { EXPECT_DOUBLE_EQ(Nad_Pflege_Edited_Record()->ec0.building_psi[0][0], 0.7); });
    click_id(NAD_PFLEGE_SAVE);
    click_id(NAD_PFLEGE_CLOSE);
    EXPECT_EQ(Nad_Pflege_Sheet("Eins"), NAD_PFLEGE_CHANGED);

    EXPECT_TRUE(logged(std::string("Fill_Message ") +
                       cp850("Der Wert -5 ist für \"EC 5: gamma_M Brettschichtholz\" nicht zulässig; "
                             "zulässig ist von 1 bis 5.")));
    EXPECT_TRUE(logged(std::string("Fill_Message ") + "Es bleibt der Wert 1,3."));
    EXPECT_TRUE(logged(std::string("Fill_Message ") +
                       cp850("Der Wert 1,5 ist für \"EC 0: psi, Hochbau, Zeile 1, Spalte 1\" nicht zulässig; "
                             "zulässig ist von 0 bis 1.")));
    EXPECT_EQ(bytes_of(env.user_file(1)), file_text(want.get()));
    std::unique_ptr<NadRecord> got = load_user(1);
    EXPECT_DOUBLE_EQ(got->ec5.gamma_m_glulam, 1.3);
    EXPECT_DOUBLE_EQ(got->ec0.building_psi[0][0], 0.7);
    EXPECT_DOUBLE_EQ(got->ec5.gamma_m_solid, 1.25);
}

// Pictures of every page of both supplied annexes and a user annex for review
// (test-artefacts/nadpflege_<annex>_<page>.png).
TEST_F(Pflege, PicturesOfEveryPage)
{
    store_user(1, "Eins", 1.31);
    const std::string dir = std::string(KOV_BINARY_DIR) + "/test-artefacts";
    std::filesystem::create_directories(dir);
    const char* names[3] = {"standard", "deutschland", "eins"};
    for (int row = 0; row < 3; ++row) {
        click_row(row);
        for (int page = 0; page < 6; ++page) {
            click_id(NAD_PFLEGE_PAGE_EC0 + page);
            then([=] {
                const std::string png = dir + "/nadpflege_" + names[row] + "_" + std::to_string(page) + ".png";
                EXPECT_EQ(Kov_Ui_Save_Png(png.c_str()), 1);
            });
        }
    }
    click_id(NAD_PFLEGE_CLOSE);
    EXPECT_EQ(Nad_Pflege_Sheet("Deutschland"), NAD_PFLEGE_UNCHANGED);
}

// The pages of both supplied annexes and a user annex, as the view area
// places their texts, marks and fields: no two of them overlap, no line runs
// through one, and each lies inside the page's width. The texts inside the
// pictures of the tables are not seen here.
TEST_F(Pflege, EveryPageIsLegible)
{
    store_user(1, "Eins", 1.31);
    for (int row = 0; row < 3; ++row) {
        click_row(row);
        for (int page = 0; page < 6; ++page) {
            click_id(NAD_PFLEGE_PAGE_EC0 + page);
            then([=] {
                SCOPED_TRACE("annex " + std::to_string(row) + ", page " + std::to_string(page));
                const int area = Mask_Get_Output_Area();
                const ViewArea* a = View_Area_Record(unsigned(area));
                ASSERT_NE(a, nullptr);
                const int width = a->x2 - a->x1 - 18; // the vertical slider
                for (const std::string& f : legible::faults_of(shown_elements(), width)) ADD_FAILURE() << f;
            });
        }
    }
    click_id(NAD_PFLEGE_CLOSE);
    EXPECT_EQ(Nad_Pflege_Sheet("Deutschland"), NAD_PFLEGE_UNCHANGED);
}

// The window's close box reaches the sheet as Escape: it does what
// "Schließen" does, asking about the unsaved change first.
TEST_F(Pflege, CloseBoxDoesWhatSchliessenDoes)
{
    store_user(1, "Eins", 1.31);
    Kov_Script_Push("answer", 1, nullptr); // store the change
    click_row(2);
    click_id(NAD_PFLEGE_PAGE_EC5);
    click_field(gamma_solid);
    type("1,2\r");
    key(27);
    EXPECT_EQ(Nad_Pflege_Sheet("Eins"), NAD_PFLEGE_CHANGED);
    EXPECT_EQ(count_logged("Answer_is_Yes"), 1);
    EXPECT_DOUBLE_EQ(load_user(1)->ec5.gamma_m_solid, 1.2);
}

// Every value field of every page of an editable annex has its range.
TEST_F(Pflege, EveryValueFieldHasItsRange)
{
    store_user(1, "Eins", 1.31);
    click_row(2);
    for (int page = 0; page < 6; ++page) {
        click_id(NAD_PFLEGE_PAGE_EC0 + page);
        then([page] {
            const NadRecord* r = Nad_Pflege_Edited_Record();
            ASSERT_NE(r, nullptr);
            int fields = 0;
            for (const ViewElement* e : shown_elements()) {
                if (e->type != VIEW_FLOAT) continue;
                ++fields;
                NadRangeFault f;
                EXPECT_NE(Nad_Range_Of(r, e->number, &f), nullptr)
                    << "page " << page << ": field at " << e->x1 << " " << e->y1;
            }
            EXPECT_GT(fields, 0) << "page " << page;
        });
    }
    click_id(NAD_PFLEGE_CLOSE);
    EXPECT_EQ(Nad_Pflege_Sheet("Eins"), NAD_PFLEGE_UNCHANGED);
}

// A user annex file edited by hand with a value outside its range is shown
// with the recommended values, display-only, and the message names the file
// and the field.
TEST_F(Pflege, AnnexFileWithAValueOutsideIsNotEdited)
{
    store_user(1, "Eins", 1.31);
    std::unique_ptr<NadRecord> r = load_user(1);
    r->ec5.gamma_m_glulam = -5;
    {
        FILE* f = std::fopen(env.user_file(1).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        Nad_Write_File(f, r.get());
        std::fclose(f);
    }
    const std::string before = bytes_of(env.user_file(1));
    click_id(NAD_PFLEGE_SAVE);
    click_id(NAD_PFLEGE_CLOSE);
    EXPECT_EQ(Nad_Pflege_Sheet("Eins"), NAD_PFLEGE_UNCHANGED);
    bool named = false;
    for (int i = 0; i < Kov_Script_Log_Count(); ++i) {
        const std::string line = Kov_Script_Log_Line(i);
        if (line.find("1.NAD") != std::string::npos && line.find("gamma_M Brettschichtholz") != std::string::npos)
            named = true;
    }
    EXPECT_TRUE(named);
    EXPECT_EQ(bytes_of(env.user_file(1)), before);
}

TEST_F(Pflege, InstructionsOfAHostScript)
{
    store_user(1, "Eins", 1.31);
    // A copy of the named annex with its own gamma_M.
    EXPECT_EQ(Nad_Pflege_Instructions("Eins", nullptr, "Kopie", "1.4"), NAD_PFLEGE_CHANGED);
    std::unique_ptr<NadRecord> copy = load_user(2);
    EXPECT_STREQ(copy->name, "Kopie");
    EXPECT_DOUBLE_EQ(copy->ec5.gamma_m_solid, 1.4);
    EXPECT_DOUBLE_EQ(copy->ec5.gamma_m_glulam, 1.4);
    EXPECT_DOUBLE_EQ(copy->ec5.gamma_m_connections, 1.31);
    // An unknown name copies "Deutschland"; a name beyond 27 bytes is cut.
    EXPECT_EQ(Nad_Pflege_Instructions("Gibt es nicht", "", "Ein sehr langer Anhangsname, cut", nullptr),
              NAD_PFLEGE_CHANGED);
    EXPECT_STREQ(load_user(3)->name, "Ein sehr langer Anhangsname");
    EXPECT_DOUBLE_EQ(load_user(3)->ec5.gamma_m_solid, 1.3);

    const auto nads = tree(env.nads());
    struct Case {
        const char* remove;
        const char* add;
    } const refused[] = {{"0", nullptr},     {"4", nullptr},           {"x", nullptr},  {"1x", nullptr},
                         {nullptr, "Kopie"}, {nullptr, "Deutschland"}, {nullptr, "   "}};
    testing::internal::CaptureStderr();
    for (const Case& c : refused)
        EXPECT_EQ(Nad_Pflege_Instructions("Eins", c.remove, c.add, nullptr), NAD_PFLEGE_FAILED)
            << (c.remove ? c.remove : "") << (c.add ? c.add : "");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("NAD-Pflege: "), std::string::npos);
    EXPECT_EQ(tree(env.nads()), nads);
    // A gamma_M that no standard allows, or no finite number, refuses the whole
    // run before anything is removed or added.
    for (const char* gamma : {"-5", "0.99", "5.01", "inf", "1e999", "nan", "abc", "1.3x", "1,3"}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(Nad_Pflege_Instructions("Eins", "1", "Noch eins", gamma), NAD_PFLEGE_FAILED) << gamma;
        const std::string why = testing::internal::GetCapturedStderr();
        EXPECT_NE(why.find("KOV_NAD_PFLEGE_GAMMA_M"), std::string::npos) << why;
        EXPECT_NE(why.find("von 1 bis 5"), std::string::npos) << why;
        EXPECT_EQ(tree(env.nads()), nads) << gamma;
    }
    EXPECT_EQ(Nad_Pflege_Instructions("Eins", "", "", "1.2"), NAD_PFLEGE_UNCHANGED);

    // A removal before an addition: "Eins" goes, the others move down, the new one follows.
    const std::string kopie = bytes_of(env.user_file(2)), lang = bytes_of(env.user_file(3));
    EXPECT_EQ(Nad_Pflege_Instructions("Deutschland", "1", "Neu", nullptr), NAD_PFLEGE_CHANGED);
    EXPECT_EQ(bytes_of(env.user_file(1)), kopie);
    EXPECT_EQ(bytes_of(env.user_file(2)), lang);
    EXPECT_STREQ(load_user(3)->name, "Neu");
    EXPECT_FALSE(std::filesystem::exists(env.user_file(4)));
}

TEST_F(Pflege, RemovalThatStopsHalfWayLosesNoAnnex)
{
    store_user(1, "Eins", 1.31);
    store_user(2, "Zwei", 1.32);
    store_user(3, "Drei mit einem langen Namen", 1.33);
    const std::string two = bytes_of(env.user_file(2)), three = bytes_of(env.user_file(3));
    // 2.NAD can take the place of 1.NAD, but the longer 3.NAD cannot be
    // written completely in the place of 2.NAD (a full disk).
    ASSERT_LT(two.size() + 8, three.size());
    {
        kovtest::FileSizeLimit full_disk(two.size() + 4);
        EXPECT_EQ(Nad_Pflege_Remove(1), 0);
    }
    EXPECT_EQ(bytes_of(env.user_file(1)), two);
    EXPECT_EQ(bytes_of(env.user_file(2)), two);
    EXPECT_EQ(bytes_of(env.user_file(3)), three);
    // Unknown numbers remove nothing.
    EXPECT_EQ(Nad_Pflege_Remove(0), 0);
    EXPECT_EQ(Nad_Pflege_Remove(4), 0);
    EXPECT_EQ(bytes_of(env.user_file(3)), three);
    // The last one alone.
    EXPECT_EQ(Nad_Pflege_Remove(3), 1);
    EXPECT_FALSE(std::filesystem::exists(env.user_file(3)));
    EXPECT_EQ(Nad_Pflege_User_Count(), 2);
}
