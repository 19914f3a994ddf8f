// The host's list viewer and printer on lists and plot files written by the
// output writers: text in the PDF in reading order, pixels of a sketch page, the
// plot file, damaged lists and the batch viewer.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPrinterInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "oliwrt_fixture.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"
#include "platform/gui/olirender.h"
#include "platform/gui/oliviewer.h"
#include "platform/kovcp.h"
#include "platform/kovhost.h"
#include "platform/kovoli.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"
#include "test_support/pdftext.h"
#include "test_support/runtool.h"

namespace {

// Generated files stay in the build folder, one folder per test.
std::string artefact_dir()
{
    const testing::TestInfo* t = testing::UnitTest::GetInstance()->current_test_info();
    return kovtest::artefact_dir(std::string("olirender/") + t->test_suite_name() + "." + t->name());
}

using kovtest::expect_in_order;
using kovtest::have_pdftotext;
using kovtest::pdf_text;

// A list as the position's print writes it: headings, text lines with
// umlauts, Greek letters and sub- and superscripts, a table, verdicts.
void write_position_list(const std::string& path)
{
    Oli_Reset_Writers();
    FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fprintf(f, "#NEWPAGE\n#CONTENTS\n %s\n", cp850("POS. 1: Versatz über der Stütze"));
    OLI_setFlags(f, 896);
    OLI_setLayout(f, 4115);
    Oli_Init_Headings(3, 2, 1);
    Oli_Heading(f, 1, "Eingabedaten");
    Oli_Heading(f, 2, "Material und Abmessungen");
    Oli_Text(f, "%s", cp850("Schwelle: Nadelholz C24, Querschnitt b/h = 16/20 cm"));
    // "Strebenwinkel α = 45.0 °" (0xE0 the list font's alpha, 0xF8 the degree)
    Oli_Text(f, "Strebenwinkel \xE0 = 45.0 \xF8");
    // "Teilsicherheitsbeiwert γ_M = 1.30" with a subscript M
    Oli_Text(f, "Teilsicherheitsbeiwert \xC0\xCE\\M\xCEr = 1.30");
    // "Fläche A = 320 cm²" (0xFD becomes a superscript 2)
    Oli_Text(f, "%s\xFD", cp850("Fläche A = 320 cm"));
    Oli_Heading(f, 2, "%s", cp850("Lastfälle"));
    static char names[2][12] = {"st\x84ndig", "Schnee"}; // "ständig"
    static double force[2] = {15.0, 4.5};
    static double kmod[2] = {0.6, 0.9};
    OliColumn* cols = nullptr;
    Oli_Alloc_Columns(5, &cols);
    Oli_Set_Column(cols[0], "Nr.", "ZZ", 4, 0, nullptr);
    Oli_Set_Column(cols[1], "-Lastfall", "TXT", 12, 0, names);
    Oli_Set_Column(cols[2], "N", "kN", 8, 2, force);
    Oli_Set_Column(cols[3],
                   "k\xCE\\mod\xCE"
                   "r",
                   "-", 6, 2, kmod);
    OliTabelle(f, 4, 2, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
    void* p = cols;
    Mem_Free_Null(&p);
    Oli_Heading(f, 1, "Ergebnisse");
    Oli_Heading(f, 2, "%s", cp850("Druck in den Kontaktflächen"));
    Oli_Text(f, "Ausnutzung \xC1 = 0.85"); // "Ausnutzung η = 0.85"
    Oli_Text(f, "%s", cp850("Nachweis erfüllt"));
    Oli_Heading(f, 2, "Querkraft der Schwelle");
    Oli_Text(f, "\xCE{C 2 230 0 0}%s", cp850("Nachweis nicht erfüllt !!"));
    Oli_Heading(f, 1, "Zusammenfassung");
    // "Gesamtausnutzung 1.12 ‰" is no real value; it shows the per mille byte
    Oli_Text(f, "Gesamtausnutzung \xCE"
                "b1.12\xCE"
                "r \x89");
    Oli_Close_Bookmarks(f);
    std::fclose(f);
}

// A sketch page: a graphics block 10 x 5 cm at scale 1 with known lines.
void write_sketch_list(const std::string& path, const std::string& plot_path)
{
    Oli_Reset_Writers();
    Oli_Graphic_Reset();
    FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fprintf(f, "#NEWPAGE\n");
    Oli_Text(f, "Skizze");
    std::fprintf(f, "#NEWPAGE\n");
    Oli_Graphic_Set_Extended(1);
    Plot_Open_Grey(plot_path.empty() ? nullptr : std::fopen(plot_path.c_str(), "w"), 0, 0, 10, 5, 1, 0,
                   "Ansicht M 1:%2.0lf", 20.0);
    Plot_Set_Font(2);
    Plot_Set_Linetype(0);
    Plot_Set_Pen(1);
    Plot_Set_Filling(5);
    Plot_Set_Layer(0);
    Oli_Graphic_Begin_Scaled(f, 0, 0, 10, 5, 1.0, 0, nullptr);
    std::fprintf(Oli_Graphic_Stream(), " 6 %lf\n", 0.05);
    // A horizontal line at y = 1 and a vertical one at x = 8.
    Oli_Graphic_Line(1, 1, 9, 1);
    Oli_Graphic_Line(8, 0.5, 8, 4.5);
    // A red triangle.
    Oli_Graphic_Set_Fill_Rgb(OliRgb{230, 0, 0});
    const double tx[3] = {2, 4, 2}, ty[3] = {2, 2, 4};
    Oli_Graphic_Fill_Polygon(3, tx, ty);
    Oli_Graphic_Text_Middle(5, 4.5, cp850("Schwelle Höhe"));
    Oli_Graphic_Text_Middle(5, 3.5, "Strebe \xE0 = 45\xF8");
    std::fprintf(Oli_Graphic_Stream(), " -1\n");
    Plot_Close();
    std::fclose(f);
}

bool dark(const QImage& img, double x_cm, double y_cm, double dpi)
{
    const QColor c = img.pixelColor(int(x_cm / 2.54 * dpi), int(y_cm / 2.54 * dpi));
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

bool white(const QImage& img, double x_cm, double y_cm, double dpi)
{
    const QColor c = img.pixelColor(int(x_cm / 2.54 * dpi), int(y_cm / 2.54 * dpi));
    return c.red() > 240 && c.green() > 240 && c.blue() > 240;
}

} // namespace

TEST(OliRender, PositionListTextInReadingOrder)
{
    if (!have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const std::string d = artefact_dir();
    const std::string list = d + "/POS_01.oli";
    write_position_list(list);
    OliPages pages;
    ASSERT_TRUE(Oli_Load_Pages(list, &pages));
    EXPECT_TRUE(pages.warnings.empty()) << pages.warnings.front();
    std::string error;
    ASSERT_TRUE(Oli_Write_Pdf(pages, d + "/POS_01.pdf", &error)) << error;
    const std::string text = pdf_text(d + "/POS_01.pdf");
    expect_in_order(text, {"POS. 1: Versatz über der Stütze",
                           "Seite 1 von 1",
                           "1. Eingabedaten",
                           "1.1. Material und Abmessungen",
                           "Schwelle: Nadelholz C24",
                           "Strebenwinkel α = 45.0 °",
                           "Teilsicherheitsbeiwert γ",
                           "= 1.30",
                           "Fläche A = 320 cm",
                           "1.2. Lastfälle",
                           "Nr.",
                           "Lastfall",
                           "N",
                           "k",
                           "kN",
                           "1",
                           "ständig",
                           "15.00",
                           "0.60",
                           "2",
                           "Schnee",
                           "4.50",
                           "0.90",
                           "2. Ergebnisse",
                           "2.1. Druck in den Kontaktflächen",
                           "Ausnutzung η = 0.85",
                           "Nachweis erfüllt",
                           "2.2. Querkraft der Schwelle",
                           "Nachweis nicht erfüllt !!",
                           "3. Zusammenfassung",
                           "Gesamtausnutzung",
                           "1.12",
                           "‰"});
    // The bookmarks: two chapters of level 1 with their sections beneath.
    ASSERT_GE(pages.bookmarks.size(), 6u);
    EXPECT_EQ(pages.bookmarks[0].text.toStdString(), "1. Eingabedaten");
    EXPECT_EQ(pages.bookmarks[0].level, 0);
    EXPECT_EQ(pages.bookmarks[1].text.toStdString(), "1.1. Material und Abmessungen");
    EXPECT_EQ(pages.bookmarks[1].level, 1);
    EXPECT_EQ(pages.bookmarks[3].text.toStdString(), "2. Ergebnisse");
    EXPECT_EQ(pages.bookmarks[3].level, 0);
}

TEST(OliRender, LongListBreaksIntoPagesWithHeadings)
{
    if (!have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const std::string d = artefact_dir();
    const std::string list = d + "/long.oli";
    Oli_Reset_Writers();
    FILE* f = std::fopen(list.c_str(), "w");
    ASSERT_NE(f, nullptr);
    Oli_Init_Headings(3, 2, 1);
    for (int k = 1; k <= 6; ++k) {
        Oli_Heading(f, 1, "Kapitel %d", k);
        for (int l = 0; l < 30; ++l) Oli_Text(f, "Zeile %d.%d", k, l);
    }
    Oli_Close_Bookmarks(f);
    std::fclose(f);
    OliPages pages;
    ASSERT_TRUE(Oli_Load_Pages(list, &pages));
    EXPECT_TRUE(pages.warnings.empty());
    // 6 x 31 lines of 0.38 cm and more do not fit on two pages of 25.7 cm.
    ASSERT_GE(pages.pages.size(), 3u);
    std::string error;
    ASSERT_TRUE(Oli_Write_Pdf(pages, d + "/long.pdf", &error)) << error;
    const std::string text = pdf_text(d + "/long.pdf");
    std::vector<std::string> order;
    for (int k = 1; k <= 6; ++k) {
        order.push_back(std::to_string(k) + ". Kapitel " + std::to_string(k));
        order.push_back("Zeile " + std::to_string(k) + ".0");
        order.push_back("Zeile " + std::to_string(k) + ".29");
    }
    expect_in_order(text, order);
    // Each bookmark points at the page its heading stands on.
    ASSERT_EQ(pages.bookmarks.size(), 6u);
    for (size_t k = 1; k < pages.bookmarks.size(); ++k) EXPECT_GE(pages.bookmarks[k].page, pages.bookmarks[k - 1].page);
    EXPECT_GE(pages.bookmarks.back().page, 2);
}

TEST(OliRender, SketchPagePixels)
{
    const std::string d = artefact_dir();
    const std::string list = d + "/sketch.oli";
    write_sketch_list(list, "");
    OliPages pages;
    ASSERT_TRUE(Oli_Load_Pages(list, &pages));
    EXPECT_TRUE(pages.warnings.empty()) << pages.warnings.front();
    ASSERT_EQ(pages.pages.size(), 2u);
    const double dpi = 100;
    const QImage img = Oli_Page_Image(pages, 1, dpi);
    ASSERT_FALSE(img.isNull());
    img.save(QString::fromStdString(d + "/sketch-2.png"));
    // The block's top left corner stands at the text area's corner (2 cm, 2 cm)
    // and its y axis runs up: block y = 1 lies 4 cm below the top of the block.
    EXPECT_TRUE(dark(img, 2.0 + 5.0, 2.0 + 4.0, dpi)); // on the horizontal line
    EXPECT_TRUE(dark(img, 2.0 + 1.3, 2.0 + 4.0, dpi));
    EXPECT_TRUE(white(img, 2.0 + 5.0, 2.0 + 3.7, dpi)); // 3 mm above it
    EXPECT_TRUE(white(img, 2.0 + 0.5, 2.0 + 4.0, dpi)); // before its start
    EXPECT_TRUE(dark(img, 2.0 + 8.0, 2.0 + 2.5, dpi));  // on the vertical line
    EXPECT_TRUE(white(img, 2.0 + 8.3, 2.0 + 2.5, dpi));
    // Inside the red triangle, and outside its hypotenuse.
    const QColor red = img.pixelColor(int((2.0 + 2.4) / 2.54 * dpi), int((2.0 + 2.6) / 2.54 * dpi));
    EXPECT_GT(red.red(), 200);
    EXPECT_LT(red.green(), 60);
    EXPECT_TRUE(white(img, 2.0 + 3.7, 2.0 + 1.3, dpi));
    // The first page holds only its line of text.
    const QImage first = Oli_Page_Image(pages, 0, dpi);
    EXPECT_TRUE(white(first, 2.0 + 5.0, 2.0 + 4.0, dpi));
}

TEST(OliRender, PlotFileOfTheSketch)
{
    const std::string d = artefact_dir();
    const std::string plot = d + "/POS01.SPF";
    write_sketch_list(d + "/sketch.oli", plot);
    OliPages pages;
    ASSERT_TRUE(Oli_Load_Pages(plot, &pages));
    EXPECT_TRUE(pages.warnings.empty()) << pages.warnings.front();
    ASSERT_EQ(pages.pages.size(), 1u);
    // The drawing is wider than high: a landscape page.
    EXPECT_GT(pages.width, pages.height);
    const QImage img = Oli_Page_Image(pages, 0, 100);
    ASSERT_FALSE(img.isNull());
    img.save(QString::fromStdString(d + "/plot.png"));
    // Count the pen's pixels (black) and the filling's pixels (light grey 230).
    int dark_pixels = 0, grey_pixels = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() < 80 && c.green() < 80 && c.blue() < 80) ++dark_pixels;
            if (std::abs(c.red() - 230) < 8 && std::abs(c.green() - 230) < 8 && std::abs(c.blue() - 230) < 8)
                ++grey_pixels;
        }
    EXPECT_GT(dark_pixels, 500);  // the two lines and the texts
    EXPECT_GT(grey_pixels, 2000); // the triangle with the filling 5
    if (have_pdftotext()) {
        std::string error;
        ASSERT_TRUE(Oli_Write_Pdf(pages, d + "/plot.pdf", &error)) << error;
        expect_in_order(pdf_text(d + "/plot.pdf"), {"Ansicht M 1:20", "Schwelle Höhe", "Strebe α = 45°"});
    }
}

TEST(OliRender, DamagedListsRenderWhatTheyCanAndSaySo)
{
    const std::string d = artefact_dir();
    // A good list, then damaged copies of it.
    const std::string good = d + "/good.oli";
    write_position_list(good);
    const std::string bytes = Oli_Read_Bytes(good);
    ASSERT_FALSE(bytes.empty());
    const size_t table = bytes.find("#SHOWTABLE");
    const size_t table_end = bytes.find("#END_OF_TEXT", table);
    ASSERT_NE(table_end, std::string::npos);
    // Inside the text line of the first verdict.
    const size_t verdict = bytes.find("Nachweis erf");
    struct Case {
        const char* name;
        std::string bytes;
        const char* warning; // a part of one of the warnings
        const char* kept;    // a text of the list that is still shown
    } cases[] = {
        {"unclosed", bytes.substr(0, table_end) + bytes.substr(table_end + 13), "table block not closed",
         "Nachweis erf"},
        {"unknown", "#SOMETHING 1 2\n#OLI_WHATEVER 3\n" + bytes, "unknown record", "Nachweis erf"},
        {"unknown_layout", "#OLI_WHATEVER 3\n" + bytes, "unknown layout record", "Zusammenfassung"},
        {"truncated", bytes.substr(0, verdict + 5), "not closed (the file ends)", "Schnee"},
        {"truncated_in_table", bytes.substr(0, table + 14), "title counts", "Eingabedaten"},
        {"graphic", "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 10 0 5\n 1  0 0 10 5\n 99 1 2\n 18 5 1 1\n 1 a b c d\n" + bytes,
         "unknown graphics record 99", "Eingabedaten"},
        {"empty", "", "", ""},
        {"binary", std::string("\x00\xFF\xCE{\xCE", 5) + "\n#SHOWPARA\n0x3\n", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = d + "/" + c.name + ".oli";
        ASSERT_TRUE(Oli_Write_Bytes(path, c.bytes));
        OliPages pages;
        ASSERT_TRUE(Oli_Load_Pages(path, &pages));
        ASSERT_GE(pages.pages.size(), 1u);
        if (*c.warning) {
            std::string all;
            for (const std::string& w : pages.warnings) all += w + "\n";
            EXPECT_NE(all.find(c.warning), std::string::npos) << all;
        }
        std::string error;
        ASSERT_TRUE(Oli_Write_Pdf(pages, path + ".pdf", &error)) << error;
        for (size_t k = 0; k < pages.pages.size(); ++k) EXPECT_FALSE(Oli_Page_Image(pages, int(k), 30).isNull());
        if (*c.kept && have_pdftotext()) {
            EXPECT_NE(pdf_text(path + ".pdf").find(c.kept), std::string::npos);
        }
    }
    // A file that does not exist.
    OliPages none;
    EXPECT_FALSE(Oli_Load_Pages(d + "/missing.oli", &none));
    EXPECT_EQ(none.pages.size(), 1u);
    EXPECT_FALSE(none.warnings.empty());
}

TEST(OliRender, BatchViewWritesThePdfBesideTheList)
{
    ::unsetenv("KOV_OLI_VIEWER");
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    const std::string d = artefact_dir();
    const std::string list = d + "/POS_01.oli";
    const std::string pdf = list + ".pdf";
    std::remove(pdf.c_str());
    write_position_list(list);
    // The host hands the path in its own form.
    const std::string host_path = d + "\\pos_01.OLI";
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int rc = Quick_OLI_View("POS", host_path.c_str());
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(rc, 0) << err;
    EXPECT_EQ(out, pdf + "\n");
    struct stat st;
    ASSERT_EQ(::stat(pdf.c_str(), &st), 0);
    EXPECT_GT(st.st_size, 1000);
    if (have_pdftotext()) expect_in_order(pdf_text(pdf), {"Eingabedaten", "Nachweis nicht erfüllt !!"});
    // No temporary file is left beside it.
    int others = 0;
    for (const char* name : {"POS_01.oli", "POS_01.oli.pdf"}) others += ::access((d + "/" + name).c_str(), F_OK) == 0;
    EXPECT_EQ(others, 2);

    // A list that does not exist writes nothing and says so by its result.
    testing::internal::CaptureStdout();
    EXPECT_EQ(Quick_OLI_View("POS", (d + "/missing.oli").c_str()), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(OliRender, BatchPrintWithoutPrinterWritesThePdf)
{
    ::unsetenv("KOV_OLI_VIEWER");
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    ASSERT_TRUE(Oli_Ensure_Gui());
    const std::string d = artefact_dir();
    const std::string list = d + "/POS_01.oli";
    write_position_list(list);
    // Only where no printer is set up: a test must not print on paper.
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a default printer exists";
    testing::internal::CaptureStdout();
    EXPECT_EQ(Quick_OLI_Print("POS", list.c_str()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), list + ".pdf\n");
    struct stat st;
    EXPECT_EQ(::stat((list + ".pdf").c_str(), &st), 0);
}

// The headings' bookmarks become the PDF's outline; the update that adds it
// keeps every object findable through its cross-reference entries.
TEST(OliRender, PdfOutlineOfTheBookmarks)
{
    const std::string d = artefact_dir();
    const std::string list = d + "/POS_01.oli";
    write_position_list(list);
    OliPages pages;
    ASSERT_TRUE(Oli_Load_Pages(list, &pages));
    const std::string pdf = d + "/POS_01.pdf";
    std::string error;
    ASSERT_TRUE(Oli_Write_Pdf(pages, pdf, &error)) << error;
    const std::string bytes = Oli_Read_Bytes(pdf);
    // The last cross-reference section: every entry points at its object.
    const size_t xref = bytes.rfind("\nxref\n");
    ASSERT_NE(xref, std::string::npos);
    const size_t start = bytes.rfind("startxref\n");
    ASSERT_EQ(std::stoul(bytes.substr(start + 10)), xref + 1);
    size_t at = xref + 6;
    int entries = 0;
    while (bytes.compare(at, 7, "trailer") != 0) {
        const size_t eol = bytes.find('\n', at);
        long first = 0, count = 0;
        ASSERT_EQ(std::sscanf(bytes.substr(at, eol - at).c_str(), "%ld %ld", &first, &count), 2);
        at = eol + 1;
        for (long k = 0; k < count; ++k, at += 20) {
            const unsigned long off = std::stoul(bytes.substr(at, 10));
            EXPECT_EQ(bytes.compare(off, std::to_string(first + k).size() + 6, std::to_string(first + k) + " 0 obj"), 0)
                << first + k;
            ++entries;
        }
    }
    EXPECT_EQ(entries, 1 + 1 + int(pages.bookmarks.size())); // catalog, outline root, entries
    // Read back by poppler: chapters with their sections beneath.
    const kovtest::ToolRun html = kovtest::Run_Tool({"pdftohtml", "-xml", "-stdout", "-i", "-q", pdf});
    if (html.exit_code != 0) GTEST_SKIP() << "pdftohtml (poppler-utils) is not installed";
    const std::string& x = html.out;
    kovtest::write_file(d + "/outline.xml", x); // for a look
    expect_in_order(x, {"<outline>", "<item page=\"1\">1. Eingabedaten</item>", "<outline>",
                        "<item page=\"1\">1.1. Material und Abmessungen</item>",
                        "<item page=\"1\">1.2. Lastfälle</item>", "</outline>", "<item page=\"1\">2. Ergebnisse</item>",
                        "<outline>", "<item page=\"1\">2.1. Druck in den Kontaktflächen</item>",
                        "<item page=\"1\">2.2. Querkraft der Schwelle</item>", "</outline>",
                        "<item page=\"1\">3. Zusammenfassung</item>", "</outline>"});
}

// Lists written at a level of 334 or less: legacy headings as graphics blocks,
// text lines and blocks as tables. Their Y moves make consecutive lines stand
// one line apart.
TEST(OliRender, LegacyFormsStackLineByLine)
{
    const std::string d = artefact_dir();
    const std::string list = d + "/legacy.oli";
    Oli_Reset_Writers();
    Oli_Set_Level(300);
    FILE* f = std::fopen(list.c_str(), "w");
    ASSERT_NE(f, nullptr);
    Oli_Init_Headings(3, 2, 1);
    Oli_Heading(f, 1, "Kapitel");
    Oli_Text(f, "Zeile 1");
    Oli_Text(f, "Zeile 2");
    Oli_Text(f, "Zeile 3");
    Oli_Title_Line(f, "Titel");
    Oli_Text_Block(f, "Block");
    Oli_Text(f, "Zeile 4");
    std::fclose(f);
    Oli_Set_Level(338);
    OliPages pages;
    ASSERT_TRUE(Oli_Load_Pages(list, &pages));
    EXPECT_TRUE(pages.warnings.empty()) << pages.warnings.front();
    ASSERT_EQ(pages.pages.size(), 1u);
    std::vector<std::pair<std::string, double>> lines;
    for (const OliPaintItem& it : pages.pages[0].items)
        if (it.kind == OliPaintItem::TEXT && it.pos.y() > 1.8) lines.push_back({it.text.toStdString(), it.pos.y()});
    auto y_of = [&](const std::string& t) {
        for (const auto& l : lines)
            if (l.first.find(t) != std::string::npos) return l.second;
        ADD_FAILURE() << t << " not laid out";
        return 0.0;
    };
    EXPECT_LT(y_of("Kapitel"), y_of("Zeile 1"));
    EXPECT_NEAR(y_of("Zeile 2") - y_of("Zeile 1"), 0.38, 0.02);
    EXPECT_NEAR(y_of("Zeile 3") - y_of("Zeile 2"), 0.38, 0.02);
    EXPECT_GT(y_of("Titel"), y_of("Zeile 3") + 0.2);
    EXPECT_GT(y_of("Block"), y_of("Titel") + 0.2);
    EXPECT_GT(y_of("Zeile 4"), y_of("Block") + 0.2);
    EXPECT_LT(y_of("Zeile 4") - y_of("Zeile 3"), 3 * 0.8);
    EXPECT_FALSE(Oli_Page_Image(pages, 0, 100).isNull());
    Oli_Page_Image(pages, 0, 100).save(QString::fromStdString(d + "/legacy.png"));
}

// A heading for which only its own line is left at the page's foot goes over
// to the next page with the table that follows it; its bookmark goes along.
TEST(OliRender, HeadingStaysWithTheBlockAfterIt)
{
    const std::string d = artefact_dir();
    const std::string list = d + "/heading.oli";
    Oli_Reset_Writers();
    FILE* f = std::fopen(list.c_str(), "w");
    ASSERT_NE(f, nullptr);
    Oli_Init_Headings(3, 2, 1);
    Oli_Heading(f, 1, "Eingabe");
    for (int l = 0; l < 52; ++l) Oli_Text(f, "Zeile %d", l);
    Oli_Heading(f, 1, "Tabelle");
    static double value[20];
    for (int r = 0; r < 20; ++r) value[r] = r * 1.5;
    OliColumn* cols = nullptr;
    Oli_Alloc_Columns(2, &cols);
    Oli_Set_Column(cols[0], "Nr", "ZZ", 3, 0, nullptr);
    Oli_Set_Column(cols[1], "N", "kN", 8, 2, value);
    OliTabelle(f, 2, 20, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
    void* p = cols;
    Mem_Free_Null(&p);
    Oli_Text(f, "Ende");
    Oli_Close_Bookmarks(f);
    std::fclose(f);
    OliPages pages;
    ASSERT_TRUE(Oli_Load_Pages(list, &pages));
    EXPECT_TRUE(pages.warnings.empty()) << pages.warnings.front();
    ASSERT_EQ(pages.pages.size(), 2u);
    auto page_of = [&](const char* text, double* y) {
        for (size_t k = 0; k < pages.pages.size(); ++k)
            for (const OliPaintItem& it : pages.pages[k].items)
                if (it.kind == OliPaintItem::TEXT && it.text.contains(QLatin1String(text))) {
                    *y = it.pos.y();
                    return int(k);
                }
        return -1;
    };
    double y_head = 0, y_row = 0, y_line = 0;
    EXPECT_EQ(page_of("Zeile 51", &y_line), 0);
    EXPECT_EQ(page_of("2. Tabelle", &y_head), 1);
    EXPECT_EQ(page_of("28.50", &y_row), 1);
    EXPECT_LT(y_head, 3.0); // at the top of the new page
    EXPECT_GT(y_row, y_head);
    ASSERT_EQ(pages.bookmarks.size(), 2u);
    EXPECT_EQ(pages.bookmarks[1].page, 1);
    EXPECT_LT(pages.bookmarks[1].y, y_head);
    EXPECT_GT(pages.bookmarks[1].y, 1.9);
    // Nothing is left of the heading on the first page.
    for (const OliPaintItem& it : pages.pages[0].items)
        if (it.kind == OliPaintItem::TEXT) {
            EXPECT_FALSE(it.text.contains(QLatin1String("Tabelle")));
        }
    for (int k = 0; k < 2; ++k)
        Oli_Page_Image(pages, k, 80).save(QString::fromStdString(d + "/heading-" + std::to_string(k + 1) + ".png"));
}
