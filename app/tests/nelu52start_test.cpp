// Start-up: command line, file names, title, installation check, and the
// program run as the host starts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/nelu52start.h"
#include "app_fixture.h"
#include "output/iolilist.h"
#include "platform/kovhost.h"
#include "test_support/runtool.h"

namespace {

using apptest::Slurp;
using apptest::Spill;

TEST(StartUp, FourArgumentsAreNeeded)
{
    const char* four[] = {"nelu52", "ABC", "0", "7", "1", nullptr};
    const char* three[] = {"nelu52", "ABC", "0", "7", nullptr};
    EXPECT_EQ(Nelu52_Check_Args(5, const_cast<char**>(four)), 1);
    EXPECT_EQ(Nelu52_Check_Args(4, const_cast<char**>(three)), 0);
    EXPECT_EQ(Nelu52_Check_Args(1, const_cast<char**>(four)), 0);
    // The identifier takes at most 15 characters.
    const char* id15[] = {"nelu52", "ABCDEFGHIJKLMNO", "0", "7", "1", nullptr};
    const char* id16[] = {"nelu52", "ABCDEFGHIJKLMNOP", "0", "7", "1", nullptr};
    EXPECT_EQ(Nelu52_Check_Args(5, const_cast<char**>(id15)), 1);
    EXPECT_EQ(Nelu52_Check_Args(5, const_cast<char**>(id16)), 0);
}

TEST(StartUp, ThePositionFileOfTheIdentifierIsRead)
{
    apptest::Workdir work;
    // Named by the identifier's first four characters, in the working directory.
    ASSERT_TRUE(Spill(work.file("BT12"), "Pos-Datei\n4711\nSparren\n"));
    Nelu52_Set_Position("BT12-Sparren", "1");
    EXPECT_STREQ(Oli_Position_Number(), "4711");
    EXPECT_STREQ(Oli_Position_Title(), "Sparren");
    // A position without one: number and title empty, the names formed.
    ASSERT_EQ(Nelu52_Set_Position("ABC", "7"), 1);
    EXPECT_STREQ(Oli_Position_Number(), "");
    EXPECT_STREQ(Oli_Position_Title(), "");
    EXPECT_STREQ(nelu52_inp_name, "ABC_07.inp");
}

TEST(StartUp, UsageText)
{
    FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    Nelu52_Usage(f, "/opt/kov/nelu52");
    std::rewind(f);
    char buf[200] = {0};
    ASSERT_NE(std::fgets(buf, sizeof buf, f), nullptr);
    std::fclose(f);
    EXPECT_STREQ(buf, "usage: /opt/kov/nelu52 Bauteilkennung Icon-Id File-Id Pos-Id\n");
}

TEST(StartUp, FileNamesOfAPosition)
{
    ASSERT_EQ(Nelu52_Set_Position("ABC", "7"), 1);
    EXPECT_STREQ(nelu52_bauteil, "ABC");
    EXPECT_EQ(nelu52_file_id, 7);
    EXPECT_STREQ(nelu52_inp_name, "ABC_07.inp");
    EXPECT_STREQ(nelu52_oli_name, "ABC_07.oli");
    EXPECT_STREQ(nelu52_ini_name, "ABC_07.ini");
    EXPECT_STREQ(nelu52_txt_name, "ABC_07.txt");
    EXPECT_STREQ(nelu52_nad_name, "ABC_07.nad");
    EXPECT_STREQ(nelu52_spf_name, "ABC01.SPF");

    Nelu52_Set_Position("ABC", "123");
    EXPECT_STREQ(nelu52_inp_name, "ABC_123.inp");
    Nelu52_Set_Position("ABC", "x7");
    EXPECT_EQ(nelu52_file_id, 0);
    EXPECT_STREQ(nelu52_inp_name, "ABC_00.inp");
    Nelu52_Set_Position("VERSATZ", "1");
    EXPECT_STREQ(nelu52_inp_name, "VERSATZ_01.inp");
    EXPECT_STREQ(nelu52_spf_name, "VERSATZ01.SPF");
    // An overlong identifier is cut to 15 characters.
    Nelu52_Set_Position("ABCDEFGHIJKLMNOPQRSTUVWXYZ", "2");
    EXPECT_STREQ(nelu52_bauteil, "ABCDEFGHIJKLMNO");
    EXPECT_STREQ(nelu52_inp_name, "ABCDEFGHIJKLMNO_02.inp");
}

TEST(StartUp, FontsFileUnderDram)
{
    Nelu52_Set_Fonts_Name(nullptr);
    EXPECT_STREQ(nelu52_fonts_name, "\\nelu52_fonts");
    Nelu52_Set_Fonts_Name("/home/kov/dram");
    EXPECT_STREQ(nelu52_fonts_name, "/home/kov/dram\\nelu52_fonts");
    // A folder name that leaves no room is not cut into another folder's name.
    const std::string lang(300, 'd');
    Nelu52_Set_Fonts_Name(lang.c_str());
    EXPECT_STREQ(nelu52_fonts_name, "\\nelu52_fonts");
}

TEST(StartUp, PositionTitle)
{
    apptest::Workdir dir;
    ASSERT_TRUE(Spill("ABC_07.txt", "x\n12\nDach\n"));
    EXPECT_EQ(Nelu52_Read_Title("ABC_07.txt"), QStringLiteral("Position 12: Dach"));
    // Line 3 is code page 850: 0x94 is ö, 0xE1 ß; Windows line ends.
    ASSERT_TRUE(Spill("ABC_08.txt", "x\r\n12a\r\nDach \x94stlich, Fu\xE1pfette\r\n"));
    EXPECT_EQ(Nelu52_Read_Title("ABC_08.txt"), QString::fromUtf8("Position 12a: Dach östlich, Fußpfette"));
    EXPECT_TRUE(Nelu52_Read_Title("fehlt.txt").isEmpty());
}

TEST(StartUp, InstallationCheckAsksTheHost)
{
    unsetenv("KOV_CUROB_PRIVAT_DATAPATH");
    EXPECT_EQ(Nelu52_Host_Paths(), 0);
    setenv("KOV_CUROB_PRIVAT_DATAPATH", "/tmp/privat", 1);
    EXPECT_EQ(Nelu52_Host_Paths(), 1);
    ASSERT_NE(KOV_Get_Data_Path(), nullptr);
    EXPECT_STREQ(KOV_Get_Data_Path(), "/tmp/privat");
    EXPECT_STREQ(CurOb_Privat_Datapath(), "/tmp/privat");
}

// ---- the program as the host starts it ----------------------------------------------

struct ProgramRun {
    int code = -1;
    std::string out, err;
};

// The program with the arguments, the environment of the test without the
// host's position variables and the dropped ones, and env added.
ProgramRun Start(const std::vector<std::string>& args, const std::vector<std::string>& env,
                 const std::vector<std::string>& drop = {})
{
    std::vector<std::string> argv{std::string(KOV_BINARY_DIR) + "/app/nelu52"};
    argv.insert(argv.end(), args.begin(), args.end());
    kovtest::ToolOptions o;
    o.unset = {"KOV_CUROB_PRIVAT_DATAPATH", "_KOV_CWD_"};
    o.unset.insert(o.unset.end(), drop.begin(), drop.end());
    o.set = env;
    kovtest::ToolRun r = kovtest::Run_Tool(argv, o);
    return ProgramRun{r.exit_code, std::move(r.out), std::move(r.err)};
}

TEST(Program, ThreeArgumentsPrintTheUsage)
{
    apptest::Workdir dir;
    const ProgramRun r = Start({"ABC", "0", "7"}, {});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "usage: " + std::string(KOV_BINARY_DIR) + "/app/nelu52 Bauteilkennung Icon-Id File-Id Pos-Id\n");
    const ProgramRun s = Start({"ABCDEFGHIJKLMNOP", "0", "7", "1"}, {"KOV_CUROB_PRIVAT_DATAPATH=" + dir.pos()});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.out.rfind("usage: ", 0), 0u);
}

TEST(Program, IncompleteInstallationStops)
{
    apptest::Workdir dir;
    const ProgramRun r = Start({"ABC", "0", "7", "1"}, {"_KOV_CWD_=" + dir.pos()});
    EXPECT_NE(r.code, 0);
    EXPECT_NE(r.code, 1);
    EXPECT_NE(r.err.find("ABBRUCH"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("KOV ist nicht korrekt installiert\n DATA, EXEC oder/und TEMP unbekannt"), std::string::npos);
}

// Without the installation data no result follows the position's annex: one
// German message names the variable (and the folder), and nothing is computed.
TEST(Program, MissingDataFolderStopsWithOneMessage)
{
    apptest::Workdir dir;
    for (const char* f : {"VERSATZ_01.inp", "VERSATZ_01.txt", "VERSATZ_01.nad"})
        std::filesystem::copy_file(std::string(KOV_SOURCE_DIR) + "/example/" + f, dir.file(f));
    const std::vector<std::string> host = {"KOV_CUROB_PRIVAT_DATAPATH=" + dir.pos(), "_KOV_CWD_=" + dir.pos(),
                                           "KOV_UI_MODE=batch", "LANG=de_DE.UTF-8"};
    struct Case {
        const char* what;
        std::vector<std::string> env;
        std::string names;
    } const cases[] = {
        {"DATA unset", {}, "Die Umgebungsvariable DATA ist nicht gesetzt."},
        {"DATA names no folder",
         {"DATA=" + dir.root() + "/fehlt"},
         "Der Ordner \"" + dir.root() + "/fehlt\" der Umgebungsvariablen DATA existiert nicht."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> env = host;
        env.insert(env.end(), c.env.begin(), c.env.end());
        const ProgramRun r =
            Start({"VERSATZ", "0", "1", "1"}, env, {"DATA", "XDG_RUNTIME_DIR", "LC_ALL", "LC_CTYPE", "LANG"});
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        // One message, in UTF-8 as the terminal's locale says, and no other line.
        EXPECT_EQ(r.err.find("ABBRUCH: " + c.names), 0u) << r.err;
        EXPECT_NE(r.err.find("nationalen Anhang"), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
        EXPECT_EQ(r.err.find("Safeguard"), std::string::npos);
    }
}

// A batch run as the README's first command starts it: the four results and
// not one line besides them, whatever the environment lacks (no runtime
// folder, no user annex folder yet).
TEST(Program, BatchRunPrintsOnlyTheResults)
{
    apptest::Workdir dir;
    for (const char* f : {"VERSATZ_01.inp", "VERSATZ_01.txt", "VERSATZ_01.nad"})
        std::filesystem::copy_file(std::string(KOV_SOURCE_DIR) + "/example/" + f, dir.file(f));
    const ProgramRun r =
        Start({"VERSATZ", "0", "1", "1"},
              {"KOV_CUROB_PRIVAT_DATAPATH=" + dir.pos(), "_KOV_CWD_=" + dir.pos(), "DRAM=" + dir.root() + "/neu"},
              {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "KOV_UI_MODE", "XDG_RUNTIME_DIR", "DRAM"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.find("Safeguard"), std::string::npos);
    EXPECT_NE(r.out.find("Versatz: 82.37 %"), std::string::npos) << r.out;
}

// DATA is there but the position's annex file is not (or cannot be read):
// the results use the EC recommended values, and the run says so once on
// standard error and beside the results. Querkraft 58.78 % under the
// recommended values against 78.77 % under the German annex: the German
// annex's k_cr = 2.0 / f_v,k (0.5 for C24) in place of the recommended 0.67.
TEST(Program, MissingAnnexFileIsSaidOnceAndBesideTheResults)
{
    apptest::Workdir dir;
    for (const char* f : {"VERSATZ_01.inp", "VERSATZ_01.txt", "VERSATZ_01.nad"})
        std::filesystem::copy_file(std::string(KOV_SOURCE_DIR) + "/example/" + f, dir.file(f));
    const std::string annex = dir.root() + "/data/NAD/Deutschland.NAD";
    for (const char* how : {"missing", "unreadable"}) {
        SCOPED_TRACE(how);
        std::filesystem::remove(annex);
        if (std::strcmp(how, "unreadable") == 0) std::filesystem::create_directory(annex);
        const ProgramRun r = Start({"VERSATZ", "0", "1", "1"},
                                   {"KOV_CUROB_PRIVAT_DATAPATH=" + dir.pos(), "_KOV_CWD_=" + dir.pos(),
                                    "KOV_UI_MODE=batch", "LANG=de_DE.UTF-8"},
                                   {"LC_ALL", "LC_CTYPE", "LANG"});
        std::filesystem::remove_all(annex);
        EXPECT_EQ(r.code, 1) << r.err;
        const std::string warning = "Die Datei Deutschland.NAD des Anwendungsdokuments \"Deutschland\" kann nicht "
                                    "gelesen werden; es gelten die EC-Empfehlungswerte";
        EXPECT_NE(r.err.find(warning), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find(warning), r.err.rfind(warning)) << r.err;
        EXPECT_NE(r.out.find("Die Datei Deutschland.NAD des Anwendungsdokuments \"Deutschland\" der Position kann "
                             "nicht gelesen werden:\nalle Ergebnisse verwenden die EC-Empfehlungswerte statt seiner "
                             "Werte.\n"),
                  std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("Querkraft der Schwelle: 58.78 %"), std::string::npos) << r.out;
    }
}

// The bundled example position started as the host starts it, with and
// without a window system in the environment.
class ProgramOnExample : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(ProgramOnExample, FourArgumentsRunThePosition)
{
    apptest::Workdir dir;
    // The bundled example position.
    for (const char* f : {"VERSATZ_01.inp", "VERSATZ_01.txt", "VERSATZ_01.nad"})
        std::filesystem::copy_file(std::string(KOV_SOURCE_DIR) + "/example/" + f, dir.file(f));
    const ProgramRun r = Start({"VERSATZ", "0", "1", "1"},
                               {"KOV_CUROB_PRIVAT_DATAPATH=" + dir.pos(), "_KOV_CWD_=" + dir.pos()}, GetParam());
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_NE(r.out.find("Position 12: Strebenanschluß an Fußpfette, Achse B"), std::string::npos) << r.out;
    // Utilisations of the example worked out by hand (C24, 140/200 sill,
    // 140/140 strut, 45 degrees, t_v 30, three combinations).
    EXPECT_NE(r.out.find("Versatz: 82.37 %"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Biegung und Normalkraft der Schwelle: 36.87 %"), std::string::npos);
    EXPECT_NE(r.out.find("Querkraft der Schwelle: 78.77 %"), std::string::npos);
    EXPECT_NE(r.out.find("Stabilitätsnachweis der Strebe: 32.16 %"), std::string::npos);
    // Nothing is written into the position.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.pos())) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 3);
}

// Without a window the program computes what the window would show: a
// combination whose class is not "frei" takes the k_mod of its class, not a
// stale value stored in the input file.
TEST(Program, BatchRunTakesTheKmodOfTheClassAsTheFormDoes)
{
    apptest::Workdir dir;
    for (const char* f : {"VERSATZ_01.txt", "VERSATZ_01.nad"})
        std::filesystem::copy_file(std::string(KOV_SOURCE_DIR) + "/example/" + f, dir.file(f));
    std::string inp = Slurp(std::string(KOV_SOURCE_DIR) + "/example/VERSATZ_01.inp");
    // LK 2 is "kurz" (class 3, k_mod 0.9 for C24 in service class 1).
    const std::string row = "42 0 2.8 14 0 14 2.8 3 0.9\n";
    const size_t at = inp.find(row);
    ASSERT_NE(at, std::string::npos);
    inp.replace(at, row.size(), "42 0 2.8 14 0 14 2.8 3 0.5\n");
    ASSERT_TRUE(apptest::Spill(dir.file("VERSATZ_01.inp"), inp));
    const ProgramRun r = Start({"VERSATZ", "0", "1", "1"}, {"KOV_CUROB_PRIVAT_DATAPATH=" + dir.pos(),
                                                            "_KOV_CWD_=" + dir.pos(), "KOV_UI_MODE=batch"});
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_NE(r.out.find("Versatz: 82.37 %"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Querkraft der Schwelle: 78.77 %"), std::string::npos) << r.out;
}

// A damaged input file is never calculated without a window: standard error
// names each line that could not be read, nothing is printed as a result, the
// exit code is not that of a calculated run and the file keeps its bytes.
TEST(Program, BatchRunRefusesADamagedInputFile)
{
    const std::string example = Slurp(std::string(KOV_SOURCE_DIR) + "/example/VERSATZ_01.inp");
    const size_t load3 = example.find("LK 3");
    ASSERT_NE(load3, std::string::npos);
    std::string letter = example;
    letter.replace(letter.find("140 200"), 3, "14O");
    const struct {
        const char* what;
        std::string bytes;
        const char* problem;
    } cases[] = {
        {"letter in b", letter, "Zeile 3: „14O“ ist keine gültige Zahl für b; verwendet wird 120"},
        {"cut in the third combination", example.substr(0, load3 + 12),
         "Zeile 10 fehlt, die Datei endet vorher; die Lastkombination „LK 3: 1,35 g“ und alle folgenden Angaben "
         "bleiben bei ihren Vorgaben"},
    };
    for (const auto& c : cases) {
        apptest::Workdir dir;
        for (const char* f : {"VERSATZ_01.txt", "VERSATZ_01.nad"})
            std::filesystem::copy_file(std::string(KOV_SOURCE_DIR) + "/example/" + f, dir.file(f));
        ASSERT_TRUE(apptest::Spill(dir.file("VERSATZ_01.inp"), c.bytes));
        const ProgramRun r = Start({"VERSATZ", "0", "1", "1"}, {"KOV_CUROB_PRIVAT_DATAPATH=" + dir.pos(),
                                                                "_KOV_CWD_=" + dir.pos(), "KOV_UI_MODE=batch"});
        EXPECT_EQ(r.code, 3) << c.what << r.err;
        EXPECT_NE(r.err.find("Die Eingabedatei VERSATZ_01.inp ist beschädigt; es wird nicht gerechnet"),
                  std::string::npos)
            << c.what << r.err;
        EXPECT_NE(r.err.find(c.problem), std::string::npos) << c.what << r.err;
        EXPECT_EQ(r.out.find('%'), std::string::npos) << c.what << r.out;
        EXPECT_EQ(Slurp(dir.file("VERSATZ_01.inp")), c.bytes) << c.what;
    }
}

// The test set-up asks for offscreen; a machine without X has no such
// variable at all, and the program must choose offscreen itself.
INSTANTIATE_TEST_SUITE_P(Environment, ProgramOnExample,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                                                                    "KOV_UI_MODE"}),
                         [](const ::testing::TestParamInfo<std::vector<std::string>>& info) {
                             return info.param.empty() ? std::string("AsSetUp") : std::string("WithoutDisplay");
                         });

TEST(StartUp, OffscreenOnlyWithoutAWindowSystem)
{
    struct Case {
        const char *display, *wayland, *platform, *mode;
        int offscreen;
    } const cases[] = {
        {nullptr, nullptr, nullptr, nullptr, 1},     {":0", nullptr, nullptr, nullptr, 0},
        {nullptr, "wayland-0", nullptr, nullptr, 0}, {nullptr, nullptr, "xcb", nullptr, 0},
        {":0", nullptr, nullptr, "batch", 1},        {nullptr, nullptr, "xcb", "batch", 1},
        {"", nullptr, nullptr, "interactive", 1},
    };
    for (const Case& c : cases) {
        auto put = [](const char* name, const char* v) { v ? setenv(name, v, 1) : unsetenv(name); };
        put("DISPLAY", c.display);
        put("WAYLAND_DISPLAY", c.wayland);
        put("QT_QPA_PLATFORM", c.platform);
        put("KOV_UI_MODE", c.mode);
        EXPECT_EQ(Nelu52_Choose_Platform(), c.offscreen) << (c.display ? c.display : "-") << (c.mode ? c.mode : "-");
        const char* p = std::getenv("QT_QPA_PLATFORM");
        EXPECT_STREQ(p ? p : "", c.offscreen ? "offscreen" : (c.platform ? c.platform : ""));
    }
}

} // namespace
