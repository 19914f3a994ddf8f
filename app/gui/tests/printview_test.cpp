// The position's printed lists and plot files (the golden files of the
// engine's print tests) as the host's viewer lays them out and exports them:
// every byte decoded, headings, table cells and verdicts in the order of the
// list, the sketch page drawn.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/gui/olirender.h"
#include "test_support/kovtestutil.h"
#include "test_support/pdftext.h"

namespace {

// Generated files stay in the build folder, one folder per test.
std::string artefact_dir()
{
    const testing::TestInfo* t = testing::UnitTest::GetInstance()->current_test_info();
    return kovtest::artefact_dir(std::string("printview/") + t->test_suite_name() + "." + t->name());
}

} // namespace

// The lists and plot files that the position's print writes (the golden files
// of the application's tests): every byte decoded, headings, table cells and
// verdicts in the order of the list, the sketch page drawn.
TEST(PrintView, ApplicationListsAndPlotFiles)
{
    const std::string src = std::string(KOV_SOURCE_DIR) + "/app/tests/";
    const char* lists[] = {"print_typ0.oli.golden", "print_typ1.oli.golden",      "print_typ2.oli.golden",
                           "print_typ3.oli.golden", "print_typ0_ausf.oli.golden", "print_zug.oli.golden"};
    const std::string d = artefact_dir();
    int seen = 0;
    for (const char* name : lists) {
        SCOPED_TRACE(name);
        if (::access((src + name).c_str(), R_OK) != 0) continue;
        ++seen;
        OliPages pages;
        ASSERT_TRUE(Oli_Load_Pages(src + name, &pages));
        EXPECT_TRUE(pages.warnings.empty()) << pages.warnings.front();
        EXPECT_GE(pages.pages.size(), 2u);
        const std::string pdf = d + "/" + name + ".pdf";
        std::string error;
        ASSERT_TRUE(Oli_Write_Pdf(pages, pdf, &error)) << error;
        // The sketch stands on the first page: the joint's fill colour and its lines.
        const QImage img = Oli_Page_Image(pages, 0, 100);
        img.save(QString::fromStdString(d + "/" + name + "-1.png"));
        int fill = 0, dark_px = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (std::abs(c.red() - 248) < 6 && std::abs(c.green() - 195) < 6 && std::abs(c.blue() - 62) < 6) ++fill;
                if (c.red() < 90 && c.green() < 90 && c.blue() < 90) ++dark_px;
            }
        EXPECT_GT(fill, 20000); // some 5 x 5 cm of timber at 100 dpi
        EXPECT_GT(dark_px, 5000);
        if (!kovtest::have_pdftotext()) continue;
        const std::string text = kovtest::pdf_text(pdf);
        kovtest::expect_in_order(text, {"Position 12: Strebenanschluß an Fußpfette",
                                        "Seite 1 von",
                                        "1. Eingabedaten",
                                        "1.2. Material und Abmessungen",
                                        "Nadelvollholz, C24",
                                        "ρk = 350 kg/m3",
                                        "Lagesicherung mit Bolzen ⌀ 12 mm",
                                        "Ansicht Maßstab",
                                        "1.3. Schnittgrößen",
                                        "LK 1: ständig",
                                        "25.00",
                                        "ständig",
                                        "0.600",
                                        "1.30",
                                        "LK 2: g + s",
                                        "60.00",
                                        "kurz",
                                        "2. Ergebnisse",
                                        "2.1. Druck in den Kontaktflächen",
                                        "α = γ/2",
                                        "umax",
                                        "→",
                                        "Zusammenfassung",
                                        "Gesamtausnutzung aller Nachweise",
                                        "→"});
        EXPECT_NE(text.find("2.4. Stabilitätsnachweis der Strebe"), std::string::npos);
        EXPECT_NE(text.find("σ"), std::string::npos);
        EXPECT_NE(text.find("τ"), std::string::npos);
        EXPECT_NE(text.find("λ"), std::string::npos);
        EXPECT_TRUE(text.find("→ ok.") != std::string::npos || text.find("→ nicht ok. !!") != std::string::npos);
        // No byte of the list font came out as a box-drawing or accented stand-in.
        for (const char* wrong : {"╠", "Í", "¾", "╗", "└", "║", "ë", "Ó"})
            EXPECT_EQ(text.find(wrong), std::string::npos) << wrong;
    }
    // The golden lists belong to this area: all of them are there.
    EXPECT_EQ(seen, 6);

    const char* plots[] = {"print_typ0.spf.golden", "print_typ3.spf.golden"};
    for (const char* name : plots) {
        SCOPED_TRACE(name);
        if (::access((src + name).c_str(), R_OK) != 0) continue;
        OliPages pages;
        ASSERT_TRUE(Oli_Load_Pages(src + name, &pages));
        EXPECT_TRUE(pages.warnings.empty()) << pages.warnings.front();
        const QImage img = Oli_Page_Image(pages, 0, 100);
        img.save(QString::fromStdString(d + "/" + name + ".png"));
        int grey = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (std::abs(c.red() - 230) < 6 && c.red() == c.green() && c.green() == c.blue()) ++grey;
            }
        EXPECT_GT(grey, 50000); // the timber in the filling of the plan
        if (kovtest::have_pdftotext()) {
            std::string error;
            ASSERT_TRUE(Oli_Write_Pdf(pages, d + "/" + name + ".pdf", &error)) << error;
            kovtest::expect_in_order(kovtest::pdf_text(d + "/" + name + ".pdf"), {"Ansicht M 1:", "30", "180", "163"});
        }
    }
}
