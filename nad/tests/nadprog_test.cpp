// The program list from the "APP*.DEF" descriptions and the rule visibility of
// the selected program.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "nad/nadprog.h"
#include "test_support/kovtestutil.h"

namespace {

// An installation directory with program directories in it.
struct Exec {
    kovtest::TempDir tmp{"nadprog_"};
    std::string root = tmp.path();
    kovtest::ScopedEnv env{"EXEC", root};

    Exec() { Nad_Reset_Programs(); }
    ~Exec() { Nad_Reset_Programs(); }
    void file(const std::string& dir, const std::string& name, const std::string& text)
    {
        mkdir((root + "/" + dir).c_str(), 0755);
        ASSERT_TRUE(kovtest::write_file(root + "/" + dir + "/" + name, text));
    }
};

// A text between the guillemet bytes 0xAE and 0xAF.
std::string g(const std::string& s) { return "\xAE" + s + "\xAF"; }

const std::string kVersatz =
    "#NAME\n" + g("Versatz") + "\n#SERVICE\n" + g("Holzbau") + "\n#NADS -1\n0 0 1011 0 0 11 1 0 0 0\n";

void run_as(int application) { setenv("KOV_CUROB_APPLICATION_NUMBER", std::to_string(application).c_str(), 1); }

} // namespace

TEST(NadPrograms, MasksOfTheCurrentProgram)
{
    Exec ex;
    ex.file("q8-nlu52", "APP0623.DEF", kVersatz);
    ex.file("andere", "APP0100.DEF", "#NADS 1\n");
    run_as(623);
    Nad_Scan_Programs();

    const ProgramList* list = Nad_Program_List();
    ASSERT_EQ(list->count, 2);
    EXPECT_EQ(NadRulesForProgram, 1);
    EXPECT_EQ(NadCurrentApplication, 623);
    EXPECT_EQ(NadShowAllRules, 0);
    const ProgramEntry& e = list->entries[NadRulesProgramIndex];
    EXPECT_STREQ(e.name, "VERSATZ");
    EXPECT_STREQ(e.service, "Holzbau");
    EXPECT_EQ(e.application_number, 623);
    EXPECT_EQ(e.has_masks, 1);
    for (int i : {0, 1, 3, 4, 7, 8, 9}) EXPECT_EQ(e.masks[i], nullptr) << i;
    EXPECT_STREQ(e.masks[2], "1011");
    EXPECT_STREQ(e.masks[5], "11");
    EXPECT_STREQ(e.masks[6], "1");

    EXPECT_EQ(Nad_Rule_Masks_Used(), 1);
    struct {
        unsigned group;
        int rule;
        int visible;
    } cases[] = {{2, 0, 1}, {2, 1, 0}, {2, 2, 1}, {2, 3, 1},  {2, 4, 0},  {5, 1, 1}, {5, 2, 0},
                 {6, 0, 1}, {6, 1, 0}, {3, 7, 1}, {0, 99, 1}, {10, 0, 1}, {2, -1, 0}};
    for (auto& c : cases) EXPECT_EQ(Nad_Rule_Visible(c.group, c.rule), c.visible) << c.group << "/" << c.rule;
    EXPECT_EQ(Nad_Current_Application(), 623);
}

TEST(NadPrograms, ListedWithoutMasks)
{
    Exec ex;
    ex.file("q8-nlu52", "APP0623.DEF", "#NADS 1\n0 0 1011 0 0 11 1 0 0 0\n");
    run_as(623);
    Nad_Scan_Programs();
    ASSERT_EQ(Nad_Program_List()->count, 1);
    const ProgramEntry& e = Nad_Program_List()->entries[0];
    EXPECT_STREQ(e.name, "Q8-NLU52"); // the directory's name, upper case
    EXPECT_STREQ(e.service, "Bauteil");
    EXPECT_EQ(e.has_masks, 0);
    for (char* m : e.masks) EXPECT_EQ(m, nullptr);
    EXPECT_EQ(Nad_Rule_Masks_Used(), 0);
    EXPECT_EQ(Nad_Current_Application(), 623);
}

TEST(NadPrograms, CurrentProgramNotListedShowsEverything)
{
    Exec ex;
    ex.file("q8-nlu52", "APP0623.DEF", kVersatz);
    run_as(624);
    Nad_Scan_Programs();
    EXPECT_EQ(Nad_Program_List()->count, 1);
    EXPECT_EQ(NadShowAllRules, 1);
    EXPECT_EQ(NadRulesForProgram, 0);
    EXPECT_EQ(Nad_Current_Application(), 0);
    EXPECT_EQ(Nad_Rule_Masks_Used(), 1);
    EXPECT_EQ(Nad_Rule_Visible(2, 1), 1);
    EXPECT_EQ(Nad_Rule_Visible(6, 5), 1);
}

TEST(NadPrograms, FilesThatAreSkipped)
{
    Exec ex;
    ex.file("a", "APPX123.DEF", "#NADS 1\n");
    ex.file("a", "APP0000.DEF", "#NADS 1\n");
    ex.file("a", "APP0200.DEF", "#NADS 0\n");
    ex.file("a", "APP0201.DEF", "#NAME\n" + g("ohne") + "\n");
    ex.file("a", "APP0202.DEF", "#NADS x\n");
    ex.file("b", "app0300.def", "#NADS 2\n"); // names are matched without regard to case
    run_as(300);
    Nad_Scan_Programs();
    ASSERT_EQ(Nad_Program_List()->count, 1);
    EXPECT_EQ(Nad_Program_List()->entries[0].application_number, 300);
    EXPECT_EQ(NadCurrentApplication, 300);
}

TEST(NadPrograms, GroupTextReplacesTheService)
{
    Exec ex;
    ex.file("p", "APP0700.DEF",
            "#SERVICE\n" + g("Dienst") +
                "\n#GROUP\nzu \xAE"
                "ueberspringen\xAF\n" +
                g("Holzbau: Verbindungen") + "\n#NADS 3\n");
    ex.file("q", "APP0701.DEF", "#GROUP\nx\nkein Text\n#NADS 3\n");
    run_as(0);
    Nad_Scan_Programs();
    ASSERT_EQ(Nad_Program_List()->count, 2);
    EXPECT_STREQ(Nad_Program_List()->entries[0].service, "Holzbau: Verbindungen");
    EXPECT_STREQ(Nad_Program_List()->entries[1].service, "");
    EXPECT_EQ(NadShowAllRules, 1);
}

TEST(NadPrograms, MaskTokensAreBounded)
{
    Exec ex;
    const std::string huge(1000, '1');
    ex.file("p", "APP0623.DEF", "#NADS -1\n" + huge + " 0 " + huge + "\n");
    run_as(623);
    Nad_Scan_Programs();
    const ProgramEntry& e = Nad_Program_List()->entries[0];
    ASSERT_NE(e.masks[0], nullptr);
    EXPECT_EQ(std::string(e.masks[0]).size(), 255u);
    EXPECT_EQ(e.masks[1], nullptr); // the "0", not the rest of the first token
    ASSERT_NE(e.masks[2], nullptr);
    EXPECT_EQ(e.masks[3], nullptr); // the file ends early
    EXPECT_EQ(Nad_Rule_Visible(0, 254), 1);
    EXPECT_EQ(Nad_Rule_Visible(0, 255), 0);
}

TEST(NadPrograms, ListStopsAtItsCapacity)
{
    Exec ex;
    for (int i = 1; i <= NAD_PROGRAMS_MAX + 5; ++i) {
        char name[32];
        snprintf(name, sizeof name, "APP%04d.DEF", i);
        ex.file(i <= 150 ? "a" : "b", name, "#NADS 1\n");
    }
    run_as(NAD_PROGRAMS_MAX + 3);
    Nad_Scan_Programs();
    EXPECT_EQ(Nad_Program_List()->count, NAD_PROGRAMS_MAX);
    EXPECT_EQ(Nad_Program_List()->entries[NAD_PROGRAMS_MAX - 1].application_number, NAD_PROGRAMS_MAX);
    EXPECT_EQ(NadShowAllRules, 1); // the current program did not fit
}

TEST(NadPrograms, ScanIsRetriedUntilThereIsAnInstallation)
{
    Nad_Reset_Programs();
    kovtest::ScopedEnv no_exec("EXEC", nullptr);
    run_as(623);
    Nad_Scan_Programs();
    EXPECT_EQ(Nad_Program_List()->count, 0);
    EXPECT_EQ(Nad_Rule_Masks_Used(), 1);
    EXPECT_EQ(Nad_Rule_Visible(2, 1), 1);
    EXPECT_EQ(NadCurrentApplication, -1);
    EXPECT_EQ(Nad_Current_Application(), 0); // decided on the empty list

    Exec ex; // an installation without program directories
    Nad_Scan_Programs();
    ex.file("q8-nlu52", "APP0623.DEF", kVersatz);
    Nad_Scan_Programs();
    EXPECT_EQ(Nad_Program_List()->count, 1);
    EXPECT_EQ(Nad_Current_Application(), 623);

    // Once done, the scan is not repeated.
    ex.file("z", "APP0900.DEF", "#NADS 1\n");
    Nad_Scan_Programs();
    EXPECT_EQ(Nad_Program_List()->count, 1);
}
