// The conndesign tool on the sample descriptions: the printed lines of the
// worked examples, and its exit codes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "connections/connfields.h"
#include "test_support/runtool.h"

namespace {

// Runs a tool of the tools folder with the arguments; its standard output in
// *out, its standard error in *err when given.
int Run_Program(const char* name, std::vector<std::string> args, std::string* out, std::string* err = nullptr)
{
    args.insert(args.begin(), kovtest::tool_path(name));
    const kovtest::ToolRun r = kovtest::Run_Tool(args);
    *out = r.out;
    if (err) *err = r.err;
    return r.exit_code;
}

int Run_Conndesign(std::vector<std::string> args, std::string* out, std::string* err = nullptr)
{
    return Run_Program("conndesign", std::move(args), out, err);
}

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A description file of the test's own in the build folder.
struct Description {
    std::string path;
    explicit Description(const std::string& text, const char* name = "desc")
        : path(std::string(KOV_BINARY_DIR) + "/conndesign_" + name + "_" + std::to_string(getpid()) + ".txt")
    {
        std::ofstream(path) << text;
    }
    ~Description() { unlink(path.c_str()); }
};

std::string Sample(const char* name) { return std::string(KOV_TEST_DIR) + "/samples/" + name; }

bool Has(const std::string& out, const std::string& line) { return out.find(line + "\n") != std::string::npos; }

} // namespace

TEST(ConnDesignTool, BoltUnderTheGermanAnnex)
{
    std::string out;
    ASSERT_EQ(Run_Conndesign({"--rules", "de", Sample("bolt_m12.txt")}, &out), 0) << out;
    EXPECT_TRUE(Has(out, "rules = de"));
    EXPECT_TRUE(Has(out, "fvk = 6747.320 N")) << out;
    EXPECT_TRUE(Has(out, "fvd = 4152.197 N")) << out;
    EXPECT_TRUE(Has(out, "governing_mode = 9")) << out;
    EXPECT_TRUE(Has(out, "faxk = 10408.489 N")) << out;
    EXPECT_TRUE(Has(out, "spacing1 = a1 60.000 a2 48.000 a3t 84.000 a3c 48.000 a4t 36.000 a4c 36.000 mm, rule 4"))
        << out;
    EXPECT_TRUE(Has(out, "kser = 4490.838 N/mm")) << out;
}

TEST(ConnDesignTool, NailWithoutAnnexAndItsMessages)
{
    std::string out;
    ASSERT_EQ(Run_Conndesign({"--rules", "din", Sample("nail_din.txt")}, &out), 0) << out;
    EXPECT_TRUE(Has(out, "fvk = 1001.132 N")) << out;
    EXPECT_TRUE(Has(out, "gamma_m = 1.100")) << out;
    EXPECT_TRUE(Has(out, "fvd = 728.096 N")) << out;
    EXPECT_NE(out.find("message_code = 154 gemäß DIN 1052, 12.8.1(9)"), std::string::npos) << out;
}

TEST(ConnDesignTool, AxialEntryAndExitCodes)
{
    std::string out;
    ASSERT_EQ(Run_Conndesign({"--rules", "de", "--axial", Sample("screw_axial.txt")}, &out), 0) << out;
    EXPECT_TRUE(Has(out, "faxk = 1440.600 N")) << out;
    EXPECT_TRUE(Has(out, "faxd = 886.523 N")) << out;

    // a design that stops: the nail's side member of 40 mm splits
    const std::string thin = std::string(KOV_BINARY_DIR) + "/conndesign_thin.txt";
    {
        std::ifstream in(Sample("nail_din.txt"));
        std::ofstream o(thin);
        o << in.rdbuf() << "t1 = 40\n";
    }
    EXPECT_EQ(Run_Conndesign({thin}, &out), 2);
    EXPECT_TRUE(Has(out, "stopped = 14 Seitenholz zu dünn, Spaltgefahr gem. Gl. (218)")) << out;
    // a bad description: fields missing, unknown field
    {
        std::ofstream o(thin);
        o << "type = 0\nd = 4,5\n";
    }
    EXPECT_EQ(Run_Conndesign({thin}, &out), 1);
    {
        std::ofstream o(thin);
        o << "colour = 3\n";
    }
    EXPECT_EQ(Run_Conndesign({thin}, &out), 1);
    EXPECT_EQ(Run_Conndesign({"--rules", "xx", thin}, &out), 1);
    unlink(thin.c_str());
}

TEST(ConnDesignTool, OutputListOfTheResults)
{
    const std::string oli = std::string(KOV_BINARY_DIR) + "/conndesign_test_" + std::to_string(getpid()) + ".oli";
    std::string out;
    ASSERT_EQ(Run_Conndesign({"--rules", "de", "--oli", oli, Sample("bolt_m12.txt")}, &out), 0) << out;
    const std::string list = Slurp(oli);
    // Heading in code page 850 (0x94 is the o-umlaut), the input as a table with
    // its symbols (0xCE\ starts a subscript, 0xCE r ends it), the results with
    // theirs, the spacings and the messages.
    EXPECT_NE(list.find("Verbindung mit stiftf\x94rmigen Verbindungsmitteln"), std::string::npos);
    EXPECT_NE(list.find("Regeln: DIN EN 1995-1-1 mit deutschem Nationalen Anhang"), std::string::npos);
    EXPECT_NE(list.find("Nadelvollholz, C24"), std::string::npos);
    EXPECT_NE(list.find("t\xCE\\1\xCEr"), std::string::npos);
    EXPECT_NE(list.find("F\xCE\\v,Rk\xCEr"), std::string::npos);
    EXPECT_NE(list.find("6747.320"), std::string::npos);
    EXPECT_NE(list.find("\xC0\xCE\\M\xCEr"), std::string::npos); // gamma_M
    EXPECT_NE(list.find("Versagensmodus 9"), std::string::npos);
    EXPECT_NE(list.find("Mindestabst\x84nde"), std::string::npos);
    EXPECT_NE(list.find("a\xCE\\3,t\xCEr"), std::string::npos);
    EXPECT_NE(list.find("Meldungen"), std::string::npos);
    EXPECT_EQ(list.find("fvk ="), std::string::npos); // no key = value dump
    EXPECT_NE(list.find("#SHOWTABLE"), std::string::npos);

    // olirender lays the list out on a page.
    const std::string png = oli + ".png";
    EXPECT_EQ(Run_Program("olirender", {"--page", "1", oli, png}, &out), 0);
    EXPECT_EQ(access(png.c_str(), F_OK), 0);
    unlink(png.c_str());
    unlink(oli.c_str());

    // A list that cannot be written is an error, and the results are still printed.
    EXPECT_EQ(Run_Conndesign({"--rules", "de", "--oli", "/nonexistent-dir/x.oli", Sample("bolt_m12.txt")}, &out), 1);
    EXPECT_NE(out.find("fvk = 6747.320 N"), std::string::npos);
}

TEST(ConnDesignTool, HelpNamesEveryField)
{
    std::string out, err;
    ASSERT_EQ(Run_Conndesign({"--help"}, &out), 0);
    int count = 0;
    const ConnField* fields = Conn_Fields(&count);
    ASSERT_GT(count, 60);
    for (int i = 0; i < count; ++i)
        EXPECT_NE(out.find("  " + std::string(fields[i].name) + " "), std::string::npos) << fields[i].name;
    for (const char* text :
         {"Exit-Codes", "  30  Bolzen", "  26  Scheibendübel C1/C2", "    12  Stahlblech", "5 C24", "Dezimalkomma"})
        EXPECT_NE(out.find(text), std::string::npos) << text;
    // without a description: the help on standard error and exit code 1
    EXPECT_EQ(Run_Conndesign({}, &out, &err), 1);
    EXPECT_NE(err.find("keine Beschreibung angegeben"), std::string::npos) << err;
    EXPECT_NE(err.find("  t2 [mm]"), std::string::npos);
}

TEST(ConnDesignTool, DescriptionFaultsAreNamed)
{
    std::string out, err;
    const std::string bolt = Slurp(Sample("bolt_m12.txt"));
    // the decimal comma gives the same design as the point
    {
        Description comma(bolt + "t1 = 50,0\nd = 12,0\n");
        ASSERT_EQ(Run_Conndesign({"--rules", "de", comma.path}, &out), 0) << out;
        EXPECT_TRUE(Has(out, "fvk = 6747.320 N")) << out;
    }
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"type = 30\nd = 12\n", "shear_planes fehlt"},
        {bolt.substr(0, bolt.find("t2 = 90")) + bolt.substr(bolt.find("t2 = 90") + 8), "t2 fehlt"},
        {"type = 30\ncolour = 3\n", "Zeile 2: unbekanntes Feld: colour"},
        {"# comment\n\nt1 = 5O\n", "Zeile 3: Zahl erwartet für t1: 5O"},
    };
    for (const auto& c : cases) {
        Description d(c.text);
        EXPECT_EQ(Run_Conndesign({d.path}, &out, &err), 1) << c.message;
        EXPECT_NE(err.find(d.path + ": " + c.message), std::string::npos) << err;
    }
    // a folder and a missing file are refused by name
    EXPECT_EQ(Run_Conndesign({KOV_BINARY_DIR}, &out, &err), 1);
    EXPECT_NE(err.find(std::string(KOV_BINARY_DIR) + " ist keine Datei"), std::string::npos) << err;
    EXPECT_EQ(Run_Conndesign({"/nonexistent-dir/x.txt"}, &out, &err), 1);
    EXPECT_NE(err.find("/nonexistent-dir/x.txt nicht lesbar"), std::string::npos) << err;
}

TEST(ConnDesignTool, NonsenseIsRefused)
{
    const std::string bolt = Slurp(Sample("bolt_m12.txt"));
    const struct {
        const char* extra;
        const char* stopped;
    } cases[] = {
        {"t1 = -10\n", "stopped = 2002 t1: Dicke t1 von Bauteil 1 muss > 0 mm sein"},
        {"t1 = nan\n", "stopped = 2001 t1: Eingabewert ist keine endliche Zahl"},
        {"kind1 = 12\ngrade1 = 5\nt1 = 0\n", "stopped = 2002 t1:"},
        {"d = nan\n", "stopped = 2001 d: Eingabewert ist keine endliche Zahl"},
        {"d = inf\n", "stopped = 2001 d:"},
        {"d = 40\n", "stopped = 2006 d: Durchmesser d liegt außerhalb des für diesen Verbindungsmitteltyp "
                     "zulässigen Bereichs (zulässig 6 bis 30 mm)"},
        {"shear_planes = 0\n", "stopped = 2004 shear_planes: Anzahl der Scherfugen muss 1 oder 2 sein"},
        {"shear_planes = 3\n", "stopped = 2004 shear_planes:"},
        {"gamma_m1 = 0,5\n", "stopped = 2009 gamma_m1: Teilsicherheitsbeiwert muss >= 1 sein"},
        {"grade1 = 99\n", "stopped = 2013 Rohdichte von Bauteil 1 nicht ermittelbar"},
    };
    for (const auto& c : cases) {
        for (const char* rules : {"din", "de"}) {
            Description d(bolt + c.extra);
            std::string out;
            EXPECT_EQ(Run_Conndesign({"--rules", rules, d.path}, &out), 2) << c.extra << out;
            EXPECT_NE(out.find(c.stopped), std::string::npos) << c.extra << out;
            EXPECT_EQ(out.find("nan"), std::string::npos) << out;
            EXPECT_EQ(out.find("fvk"), std::string::npos) << out;
        }
    }
}

TEST(ConnDesignTool, ConnectorFromTheCatalogue)
{
    // toothed-plate connector C1 (type 26), d_c 50, bolt M12, two C24 members
    // 60 mm: EN 1995-1-1, 8.10: F_v,Rk = 18 k1 k2 k3 d_c^1.5 = 18 * 50^1.5
    // = 6363.961 N with k1 = k2 = k3 = 1 (t >= 3 h_e, rho_k 350)
    const Description d("type = 26\nproduct = 0\nd = 50\nd_bolt = 12\nfu = 400\nshear_planes = 1\n"
                        "kind1 = 0\ngrade1 = 5\nt1 = 60\nkind2 = 0\ngrade2 = 5\nt2 = 60\nmethod = 0\n"
                        "kmod_from_materials = 1\nservice_class1 = 1\nservice_class2 = 1\nduration = 2\n"
                        "gamma_m1 = 1,3\ngamma_m2 = 1,3\n",
                        "c26");
    std::string out, err;
    ASSERT_EQ(Run_Conndesign({"--rules", "de", d.path}, &out, &err), 0) << out << err;
    EXPECT_TRUE(Has(out, "fvk_connector = 6363.961 N")) << out;
    // without the catalogue the connector is refused, not designed as 0
    setenv("KOV_CUROB_PRIVAT_DATAPATH", "/nonexistent-dir", 1);
    EXPECT_EQ(Run_Conndesign({"--rules", "de", d.path}, &out, &err), 1);
    unsetenv("KOV_CUROB_PRIVAT_DATAPATH");
    EXPECT_NE(err.find("Katalog ec5_schduebel_c1.dat im Ordner /nonexistent-dir nicht lesbar"), std::string::npos)
        << err;
    EXPECT_EQ(out.find("fvk_connector"), std::string::npos);
    // a product the catalogue does not hold
    const Description far(Slurp(d.path) + "product = 7\n", "c26far");
    EXPECT_EQ(Run_Conndesign({"--rules", "de", far.path}, &out, &err), 2);
    EXPECT_NE(out.find("stopped = 2012 product: Produkt des Dübels besonderer Bauart ist nicht im geladenen Katalog"),
              std::string::npos)
        << out;
}
