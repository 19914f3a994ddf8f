// The gallery: one output list with every insert of a verification page,
// written into the build folder (test-artefacts/oligallery/gallery.oli),
// compared with its golden file byte for byte and laid out by the viewer
// without a warning. Render it for a look with
//   tools/olirender --dpi 100 <build>/test-artefacts/oligallery/gallery.oli gallery.png
// (KOV_OLI_FONT_DIR=output/tests/gallery shows its pictures).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "oliwrt_fixture.h"
#include "output/ioliins.h"
#include "output/ioliplot.h"
#include "output/kovcomment.h"
#include "platform/gui/olirender.h"
#include "platform/kovcp.h"
#include "platform/kovlocale.h"
#include "test_support/kovtestutil.h"

namespace {

const char* situation_of(int code) { return code == 1 ? cp850("außergewöhnlich") : cp850("ständig/vorübergehend"); }

void write_gallery(FILE* f)
{
    Oli_Init_Headings(3, 2, 1);
    Oli_Heading(f, 1, "Nachweise");

    // Check lines and comparison texts.
    Oli_Heading(f, 2, "Nachweiszeilen");
    Oli_Check_Line(f, "Druck in Faserrichtung:", 0.95, "<=", 1.0, 2, "", "ok", cp850("nicht erfüllt"));
    Oli_Check_Line(f, "Abscheren des Vorholzes:", 1.05, "<=", 1.0, 2, "", "ok", cp850("nicht erfüllt"));
    Oli_Text(f, "%s %s", cp850("Vorholzlänge:"),
             Oli_Compare_Text(18.5, 20.0, 1, 0.0, 1,
                              "l\xCE\\v,min\xCE"
                              "r",
                              "cm"));
    char buf[OLI_CHECK_TEXT_SIZE];
    Oli_Text(f, "Einschnitttiefe: %s",
             Oli_Check_Text("t\xCE\\v,max\xCE"
                            "r",
                            4.2, "<=", 4.0, 1, buf));

    // Message lists and text boxes.
    Oli_Heading(f, 2, "Meldungen");
    Oli_Text_Box_Clear(1);
    Oli_Text_Box_Add(1, "Stirnversatz mit Einschnitttiefe %.1f cm", 4.0);
    Oli_Text_Box_Add(1, "%s", cp850("+Fersenversatz nicht gewählt"));
    Oli_Text_Box_Add(1, "Ausnutzung %d %%", 87);
    for (int mode = 0; mode <= 3; ++mode) Oli_Message_List(1, mode, f);
    Oli_Text_Box_Clear(2);
    Oli_Text_Box_Add(2, cp850("Die Nachweise gelten für Nutzungsklasse %d."), 1);
    Oli_Text_Box_Add(2, cp850("Holzfeuchte bei Einbau höchstens %d %%."), 20);
    Oli_Text_Box_Print(f, 2, -1.0);
    Oli_Text_Box_Print_Small(f, 2, 12.0);
    Oli_Move_Cm(f, 0.3);
    Msg_On();
    Msg_List_New();
    Msg_Collect("Ausnutzung 105 %%");
    Msg_Warnung(2, "%s", cp850("Vorholz kürzer als 15 cm"));
    Msg_List_To_Text_Box(f);

    // Rules and frames inside the lines of a text block.
    File_Printf(f, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n Linie unter der Zeile");
    Oli_Rule_Full(f, 1.0);
    File_Printf(f, "\n Doppellinie unter der Zeile");
    Oli_Rule_Double(f, 1.0);
    File_Printf(f, "\n Linie ab 5 cm");
    Oli_Rule(f, 5.0, -1.0, 0.5, 0.5);
    // A frame opens with its extent and closes with the full-width group.
    File_Printf(f, "\n");
    Oli_Frame(f, 1, 0, 0.0, 8.0, 0.0, 1.0);
    File_Printf(f, "Schattierter Rahmen um zwei Zeilen\n zweite Zeile im Rahmen");
    Oli_Frame_Full(f, 0, 0);
    File_Printf(f, "\n#END_OF_TEXT\n");

    // Value table.
    Oli_Heading(f, 2, "%s", cp850("Schnittgrößen"));
    static double n[4] = {-42.5, -40.1, -38.0, -35.25};
    static double v[4] = {6.2, 3.1, 0.0, -3.1};
    static double m[4] = {0.0, 1.55, 2.1, 1.55};
    OliValueRow rows[3] = {};
    const char* names[3] = {"N", "V", "M"};
    const char* units[3] = {"kN", "kN", "kNm"};
    double* data[3] = {n, v, m};
    for (int i = 0; i < 3; ++i) {
        std::snprintf(rows[i].name, sizeof rows[i].name, "%s", names[i]);
        std::snprintf(rows[i].kind, sizeof rows[i].kind, "%s", units[i]);
        rows[i].width = 8;
        rows[i].decimals = 2;
        rows[i].data = data[i];
        rows[i].factor = 1.0;
    }
    Oli_Value_Table(f, 3, 4, rows);

    // Pictures.
    Oli_Heading(f, 2, "Bilder");
    Oli_Picture(f, 4.0, 3.0, "Versatz.png");
    Oli_Picture_Framed(f, 4.0, 3.0, "Versatz.png");

    // Load combinations.
    Oli_Heading(f, 2, "Lastkombinationen");
    OliLoadCombinations c;
    Oli_Comb_Init(4, 3, &c);
    c.hide_names = 0;
    c.situation_text = situation_of;
    c.load_numbers[3] = -1;
    c.combs[0].name = "Grundkombination";
    c.combs[0].first[0] = 1.35;
    c.combs[0].first[1] = 1.5;
    c.combs[0].first[2] = 1.5;
    c.combs[1].name = "Eigengewicht";
    c.combs[1].first[0] = 1.35;
    c.combs[1].second[1] = 0.0;
    c.combs[1].second[2] = 0.0;
    c.combs[2].name = cp850("Schnee außergew.");
    c.combs[2].situation = 1;
    c.combs[2].first[2] = 2.3;
    Oli_Load_Combination_Table(f, &c);
    Oli_Comb_Free(&c);

    // Legend and literature.
    Oli_Heading(f, 2, "Formelzeichen und Literatur");
    Oli_Legend_Add_Source("f\xCE\\c,0,d", "Bemessungswert der Druckfestigkeit [%d]", "DIN EN 1995-1-1:2010-12");
    Oli_Legend_Add_Source("f\xCE\\v,d", "Bemessungswert der Schubfestigkeit [%d]", "DIN EN 1995-1-1:2010-12");
    Oli_Legend_Add_Number_Source("k\xCE\\%d", "Beiwert nach NA [%d]", 1, "DIN EN 1995-1-1/NA:2013-08");
    Oli_Legend_Add("t\xCE\\v", "Einschnitttiefe in %s", "cm");
    Oli_Legend_Add("%", "Ausnutzung in Prozent");
    Oli_Legend_Print(f);
    Oli_Legend_Print_Columns(f);
    Oli_Literature_Print(f);

    // The user's comment beside its logo.
    Oli_Heading(f, 2, "Anmerkungen");
    Kov_Write_User_Comment(f, cp850("Die Auflagerpressung unter der Schwelle wird in Position 14 "
                                    "nachgewiesen. Der Versatz ist mit einem Bolzen M12 gegen "
                                    "Abheben zu sichern.\n\nHolzfeuchte bei Einbau prüfen."));
    Oli_Close_Bookmarks(f);
}

std::string gallery_path()
{
    std::string d = std::string(KOV_BINARY_DIR) + "/test-artefacts";
    ::mkdir(d.c_str(), 0755);
    d += "/oligallery";
    ::mkdir(d.c_str(), 0755);
    return d + "/gallery.oli";
}

} // namespace

TEST(OliGallery, EveryInsertMatchesItsGoldenFileAndRendersWithoutWarnings)
{
    Oli_Reset_Writers();
    const std::string out = Oli_Capture(write_gallery);
    const std::string path = gallery_path();
    ASSERT_TRUE(Oli_Write_Bytes(path, out));
    const std::string golden = Oli_Read_Bytes(KOV_TEST_DIR "/oli_gallery.golden");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(golden, out) << "written to " << path;

    kovtest::ScopedEnv pictures("KOV_OLI_FONT_DIR", KOV_TEST_DIR "/gallery");
    ASSERT_TRUE(Oli_Ensure_Gui());
    OliPages pages;
    ASSERT_TRUE(Oli_Load_Pages(path, &pages));
    std::string warnings;
    for (const std::string& w : pages.warnings) warnings += w + "\n";
    EXPECT_EQ("", warnings);
}

TEST(OliGallery, SameBytesUnderAGermanLocale)
{
    if (!Kov_Try_German_Locale()) GTEST_SKIP() << "no German locale installed";
    Oli_Reset_Writers();
    const std::string out = Oli_Capture(write_gallery);
    Kov_Numeric_C_Locale();
    EXPECT_EQ(Oli_Read_Bytes(KOV_TEST_DIR "/oli_gallery.golden"), out);
}
