// The renderer on lists and plot files as the reader takes them in: pictures,
// graphics records, damaged input, plots, frames and rules, and the olirender tool.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "platform/gui/olirender.h"
#include "platform/olireader.h"
#include "platform/olirecords.h"
#include "platform/tests/olilist_fixture.h"
#include "test_support/kovtestutil.h"
#include "test_support/runtool.h"

TEST(OliReader, PictureRecordWithItsBytes)
{
    // A 1 x 1 PNG embedded in a picture block as the paragraph writer writes it.
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(QColor(0, 0, 255));
    QByteArray png;
    {
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        one.save(&buf, "PNG");
    }
    std::string hex;
    for (int k = 0; k < png.size(); ++k) {
        char b[3];
        std::snprintf(b, sizeof b, "%.2x", (unsigned char)png[k]);
        hex += b;
        if (k % 64 == 63) hex += "\n";
    }
    const std::string list =
        "\n\n#SHOWGRAFIC\n0 0 0\n0 0 0\n1\n0 10 0 5\n75 4096 10 5 \xAE.png\xAF\n{" + hex + "}\n0\n\n";
    OliDocument doc;
    Oli_Parse_List(list, &doc);
    EXPECT_TRUE(doc.warnings.empty()) << olitest::all_warnings(doc.warnings);
    ASSERT_EQ(doc.items.size(), 1u);
    ASSERT_EQ(doc.items[0].graphic.records.size(), 1u);
    EXPECT_EQ(doc.items[0].graphic.records[0].data, std::string(png.constData(), size_t(png.size())));
    // The picture fills its 10 x 5 cm at the text area's corner.
    OliPages pages = Oli_Layout_List(doc);
    EXPECT_TRUE(pages.warnings.empty()) << olitest::all_warnings(pages.warnings);
    const QImage img = Oli_Page_Image(pages, 0, 50);
    const QColor c = img.pixelColor(int(7.0 / 2.54 * 50), int(4.5 / 2.54 * 50));
    EXPECT_EQ(c, QColor(0, 0, 255));
}

TEST(OliReader, GraphicHeadWithFlags)
{
    // Flags 0x10000: four further values before the extent; a picture that
    // cannot be read leaves a frame and a warning.
    const std::string list = "\n\n#SHOWGRAFIC\n0 0 0\n0 0 0\n-999 65536 1\n1 2 3 4\n0 8 0 4\n"
                             "75 0 8 4 \xAEnot-there.png\xAF\n0\n\n";
    OliDocument doc;
    Oli_Parse_List(list, &doc);
    EXPECT_TRUE(doc.warnings.empty()) << olitest::all_warnings(doc.warnings);
    ASSERT_EQ(doc.items.size(), 1u);
    const OliGraphicBlock& g = doc.items[0].graphic;
    EXPECT_EQ(g.kind, 1);
    EXPECT_DOUBLE_EQ(g.x2, 8.0);
    EXPECT_DOUBLE_EQ(g.y2, 4.0);
    ASSERT_EQ(g.records.size(), 1u);
    EXPECT_EQ(g.records[0].text, "not-there.png");
    const OliPages pages = Oli_Layout_List(doc);
    EXPECT_NE(olitest::all_warnings(pages.warnings).find("picture \"not-there.png\" cannot be read"),
              std::string::npos);
}

// A list whose picture records name a FIFO, a device or a folder: each is
// reported with its reason and a frame stands in its place; nothing waits for a
// writer or reads without end. A regular picture beside them is drawn.
TEST(OliReader, PicturesThatAreNoRegularFilesAreSkipped)
{
    kovtest::TempDir tmp("olipic_");
    ASSERT_TRUE(tmp.ok());
    ASSERT_EQ(::mkfifo((tmp / "fifo.png").c_str(), 0600), 0);
    QImage blue(4, 4, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    ASSERT_TRUE(blue.save(QString::fromStdString(tmp / "blau.png"), "PNG"));
    auto picture = [](const std::string& name) { return "75 0 8 4 \xAE" + name + "\xAF\n"; };
    const std::string list = "\n\n#SHOWGRAFIC\n0 0 0\n0 0 0\n-999 65536 1\n1 2 3 4\n0 8 0 4\n" +
                             picture(tmp / "fifo.png") + picture("/dev/zero") + picture(tmp.path()) +
                             picture(tmp / "blau.png") + "0\n\n";
    OliDocument doc;
    Oli_Parse_List(list, &doc);
    ASSERT_EQ(doc.items.size(), 1u);
    ASSERT_EQ(doc.items[0].graphic.records.size(), 4u);
    const OliPages pages = Oli_Layout_List(doc);
    const std::string w = olitest::all_warnings(pages.warnings);
    for (const std::string& name : {tmp / "fifo.png", std::string("/dev/zero"), tmp.path()})
        EXPECT_NE(w.find("picture \"" + name + "\" cannot be read (not a regular file)"), std::string::npos) << w;
    EXPECT_EQ(w.find("blau.png"), std::string::npos) << w;
    const QImage img = Oli_Page_Image(pages, 0, 50);
    EXPECT_EQ(img.pixelColor(int(7.0 / 2.54 * 50), int(4.5 / 2.54 * 50)), QColor(0, 0, 255));
}

TEST(OliReader, EveryGraphicsRecordOfTheTableAndAnUnknownOne)
{
    // One line per record of the table, as its writer spells it, then a record
    // number that no writer knows: the reader keeps all of the table's records
    // with their values and skips the unknown one with a warning.
    std::string list = "\n\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 10 0 5\n";
    for (const OliGraphicRecordKind& k : kOliGraphicRecords) {
        list += " " + std::to_string(k.op);
        if (k.args == OLI_GA_NUMBERS)
            list += " 1 2 3 4 5";
        else if (k.args == OLI_GA_TEXT)
            list += " 1 2 3 4 0 \xAE"
                    "A b\xAF";
        else if (k.args == OLI_GA_REST)
            list += " 1 2 %FONT%\\not-there.bmp";
        list += "\n";
    }
    list += " 99 1 2\n -1\n";
    OliDocument doc;
    Oli_Parse_List(list, &doc);
    ASSERT_EQ(doc.warnings.size(), 1u) << olitest::all_warnings(doc.warnings);
    EXPECT_NE(doc.warnings[0].find("unknown graphics record 99 skipped"), std::string::npos) << doc.warnings[0];
    ASSERT_EQ(doc.items.size(), 1u);
    const std::vector<OliGraphicRecord>& r = doc.items[0].graphic.records;
    ASSERT_EQ(r.size(), std::size(kOliGraphicRecords));
    for (size_t n = 0; n < r.size(); ++n) {
        const OliGraphicRecordKind& k = kOliGraphicRecords[n];
        SCOPED_TRACE("record " + std::to_string(k.op));
        EXPECT_EQ(r[n].op, k.op);
        EXPECT_EQ(r[n].line, int(n) + 8);
        switch (k.args) {
            case OLI_GA_NONE: EXPECT_TRUE(r[n].num.empty()); break;
            case OLI_GA_NUMBERS: EXPECT_EQ(r[n].num, (std::vector<double>{1, 2, 3, 4, 5})); break;
            case OLI_GA_TEXT:
                EXPECT_EQ(r[n].num, (std::vector<double>{1, 2, 3, 4, 0}));
                EXPECT_TRUE(r[n].has_text);
                EXPECT_EQ(r[n].text, "A b");
                break;
            case OLI_GA_REST:
                EXPECT_EQ(r[n].text, "1 2 %FONT%\\not-there.bmp");
                EXPECT_EQ(r[n].num, (std::vector<double>{1, 2}));
                break;
        }
    }
    // Every record of the table has its drawing function: the renderer warns
    // of none of them as unknown (only of the pictures it cannot find).
    doc.warnings.clear();
    OliPages pages = Oli_Layout_List(doc);
    EXPECT_EQ(olitest::all_warnings(pages.warnings).find("unknown graphics record"), std::string::npos)
        << olitest::all_warnings(pages.warnings);
    // A record that reaches the renderer without a drawing function is
    // counted as a warning, once per record number, not dropped in silence.
    OliGraphicRecord unknown;
    unknown.op = 99;
    unknown.line = 7;
    doc.items[0].graphic.records = {unknown, unknown};
    pages = Oli_Layout_List(doc);
    ASSERT_EQ(pages.warnings.size(), 1u) << olitest::all_warnings(pages.warnings);
    EXPECT_EQ(pages.warnings[0], "line 7: unknown graphics record 99 skipped");
}

TEST(OliReader, DamagedListsNeverStopTheReader)
{
    // Every prefix of the list (a file cut anywhere) is read and laid out.
    int warned = 0;
    for (size_t n = 0; n <= olitest::kList.size(); ++n) {
        OliDocument doc;
        Oli_Parse_List(olitest::kList.substr(0, n), &doc);
        const OliPages pages = Oli_Layout_List(doc);
        ASSERT_GE(pages.pages.size(), 1u);
        warned += !doc.warnings.empty();
    }
    EXPECT_GT(warned, int(olitest::kList.size()) / 2);
    // Cut inside each kind of block: the warning names what happened.
    struct {
        const char* at;
        const char* warning;
    } cuts[] = {
        {" Holzg", "paragraph block not closed (the file ends)"},
        {"    2  Schnee", "table block not closed (the file ends)"},
        {" 18 3", "graphics block not closed (the file ends)"},
        {"0x40\n4\n0x0", "ends inside its format"},
    };
    for (const auto& c : cuts) {
        OliDocument doc;
        Oli_Parse_List(olitest::kList.substr(0, olitest::kList.find(c.at) + 2), &doc);
        EXPECT_NE(olitest::all_warnings(doc.warnings).find(c.warning), std::string::npos)
            << c.at << "\n"
            << olitest::all_warnings(doc.warnings);
    }
    // Blocks that run into the next record, records nobody knows, absurd numbers.
    const std::string bad =
        "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n Zeile ohne Ende\n"
        "#SHOWPARA\n0x0\n7\n-1\n Absatz ohne Ende\n"
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1e300 0 5\n 1 0 0 1 1\n -1\n"
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 10 0 5\n 18 1000000 1 1\n 1 1e308 1e308 -1e308 0\n 13 nan\n -1\n"
        "#OLI_SETYPOSITION 1 -1e30\n#OLI_SETMARGINS 1 1e30 -5\n#OLI_RESTOREYPOSITION 9\n#OLI_SETBOOKMARK 17\n"
        "#FOO\n#OLI_FOO 1\nfreier Text\n#END_OF_TEXT\n";
    OliDocument doc;
    Oli_Parse_List(bad, &doc);
    const std::string w = olitest::all_warnings(doc.warnings);
    for (const char* part : {"table block not closed before line 5", "paragraph block not closed before line 10",
                             "unknown record \"#FOO\"", "unknown layout record \"#OLI_FOO\"", "text outside a block",
                             "\"#END_OF_TEXT\" outside a block"})
        EXPECT_NE(w.find(part), std::string::npos) << part << "\n" << w;
    const OliPages pages = Oli_Layout_List(doc);
    EXPECT_NE(olitest::all_warnings(pages.warnings).find("empty extent"), std::string::npos);
    EXPECT_FALSE(Oli_Page_Image(pages, 0, 30).isNull());
}

TEST(OliReader, PlotFile)
{
    const std::string plot =
        "zorv-PlanSchau (1.0)A\nAnsicht M 1:20\n10.000000 5.000000\n0\n\n*TABLES\n"
        "-colors 5\n 1 100 100 100\n 2 133 133 133\n 3 165 165 165\n 4  198 198 198\n 5  230 230 230\n"
        "-pens 2\n 0  0.180000 0\n 1  0.500000 2\n\n"
        "-linetypes 2\n0 0 1\n1 1 0 2.0 1.0\n"
        "-fonts 1\n  0 \xAE 0.18  normal  \xAF 0 0  1.800000 0.700000 3.000000 0.000000 1\n"
        "-fillings 1\n 0 00.0 1 0 0.20000 1 0\n"
        "*EOT\n\n*ENTITIES\n-setcoorsys 0\n-setlayer 0\n"
        "-line @1 ( @1 0.000000 0.000000 ) #2 1 1 1 0.0\n-point @2 10.000000 5.000000\n"
        "-opengroup\n-area / 0 0\n 2 0 ( @2 ( @3 5.000000 3.000000 ) #4 1 0 0 1.000000 )\n"
        " 0 ( @3 ( @4 5.000000 1.000000 ) #3 1 0 0 1.000000 )\n-closegroup\n"
        "-text / 1 6 0 2 1 5 2.000000 4.000000 0. 1.2 0. 0.\n    \xAEH\x94he\xAF\n"
        "-bogus 1 2 3\n"
        "*EOI\n\n";
    SpfDocument doc;
    Spf_Parse(plot, &doc);
    EXPECT_EQ(doc.title, "Ansicht M 1:20");
    ASSERT_EQ(doc.pens.size(), 2u);
    EXPECT_DOUBLE_EQ(doc.pens[1].width, 0.5);
    EXPECT_EQ(doc.colours[2], 0x858585u);
    EXPECT_EQ(doc.linetypes[1].dashes, (std::vector<double>{2.0, 1.0}));
    EXPECT_DOUBLE_EQ(doc.fonts[0].height, 1.8);
    ASSERT_EQ(doc.fillings[0].hatches.size(), 1u);
    EXPECT_DOUBLE_EQ(doc.fillings[0].hatches[0].spacing, 0.2);
    ASSERT_EQ(doc.entities.size(), 3u);
    EXPECT_EQ(doc.entities[0].kind, SpfEntity::LINE);
    EXPECT_DOUBLE_EQ(doc.entities[0].x2, 10.0);
    EXPECT_DOUBLE_EQ(doc.entities[0].y2, 5.0);
    EXPECT_EQ(doc.entities[0].linetype, 1);
    EXPECT_EQ(doc.entities[1].kind, SpfEntity::AREA);
    ASSERT_EQ(doc.entities[1].rings.size(), 1u);
    EXPECT_EQ(doc.entities[1].rings[0].size(), 2u);
    EXPECT_DOUBLE_EQ(doc.entities[1].rings[0][0].radius, 1.0);
    EXPECT_EQ(doc.entities[2].text, "H\x94he");
    EXPECT_EQ(doc.entities[2].justification, 5);
    EXPECT_NE(olitest::all_warnings(doc.warnings).find("unknown plot entity \"-bogus\""), std::string::npos);

    // The circle is filled: its centre is dark grey (pen 1, colour 2), its
    // surroundings white.
    const OliPages pages = Oli_Layout_Plot(doc);
    const QImage img = Oli_Page_Image(pages, 0, 50);
    int grey = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == QColor(0x85, 0x85, 0x85)) ++grey;
    EXPECT_GT(grey, 100);

    // Cut anywhere, a plot file is still read.
    for (size_t n = 0; n <= plot.size(); n += 3) {
        SpfDocument d;
        Spf_Parse(plot.substr(0, n), &d);
        if (n < plot.size() - 8) {
            EXPECT_FALSE(d.warnings.empty()) << n;
        }
        const OliPages p = Oli_Layout_Plot(d);
        ASSERT_EQ(p.pages.size(), 1u);
    }
}

// Numbers far outside the range of int (1e20) where the file holds ids, pens,
// colours, counts, layers, fonts and justifications: converting them would be
// undefined, so an id of that size is skipped and every other value falls back.
TEST(OliReader, PlotFileWithHugeNumbersInPlaceOfInts)
{
    const std::string plot = "zorv-PlanSchau (1.0)A\nAnsicht M 1:20\n10.000000 5.000000\n0\n\n*TABLES\n"
                             "-colors 2\n 1 100 100 100\n 1e20 133 133 133\n"
                             "-pens 3\n 0  0.180000 0\n 1e20  0.500000 2\n 1  0.500000 -1e20\n\n"
                             "-linetypes 1\n0 1e20 1 2.0 1.0\n"
                             "-fonts 1\n  1e20 \xAE 0.18  normal  \xAF 0 0  1.800000 0.700000 3.000000 0.000000 1\n"
                             "-fillings 1\n 0 00.0 1e20 0 0.20000 1e20 -1e20\n"
                             "*EOT\n\n*ENTITIES\n-setcoorsys 0\n-setlayer 3\n-setlayer 1e20\n"
                             "-line @1 ( @1 0.000000 0.000000 ) #2 1e20 -1e20 1 0.0\n-point @2 10.000000 5.000000\n"
                             "-area / 0 1e20\n 2 0 ( @2 ( @3 5.000000 3.000000 ) #4 1e20 0 0 1.000000 )\n"
                             " 0 ( @3 ( @4 5.000000 1.000000 ) #3 1 0 0 1.000000 )\n"
                             "-text / 1 6 1e20 2 1 -1e20 2.000000 4.000000 0. 1.2 0. 0.\n    \xAEH\x94he\xAF\n"
                             "*EOI\n\n";
    SpfDocument doc;
    Spf_Parse(plot, &doc);
    ASSERT_EQ(doc.colours.size(), 2u);
    EXPECT_EQ(doc.colours[1], 0x646464u);
    ASSERT_EQ(doc.pens.size(), 2u);
    EXPECT_DOUBLE_EQ(doc.pens[0].width, 0.18);
    EXPECT_EQ(doc.pens[1].colour, 0);
    ASSERT_EQ(doc.linetypes.size(), 1u);
    EXPECT_TRUE(doc.linetypes[0].dashes.empty());
    EXPECT_TRUE(doc.fonts.empty());
    ASSERT_EQ(doc.fillings.size(), 1u);
    EXPECT_TRUE(doc.fillings[0].hatches.empty());
    ASSERT_EQ(doc.entities.size(), 3u);
    for (const SpfEntity& e : doc.entities) EXPECT_EQ(e.layer, 3);
    EXPECT_EQ(doc.entities[0].pen, 0);
    EXPECT_EQ(doc.entities[0].linetype, 0);
    EXPECT_EQ(doc.entities[1].filling, 0);
    EXPECT_EQ(doc.entities[1].rings[0][0].pen, 0);
    EXPECT_EQ(doc.entities[2].font, 0);
    EXPECT_EQ(doc.entities[2].justification, 0);
    const OliPages pages = Oli_Layout_Plot(doc);
    EXPECT_FALSE(Oli_Page_Image(pages, 0, 30).isNull());
}

TEST(OliRenderMarkup, FramesAndRules)
{
    // A frame around two lines of font 7, then a thick rule under them.
    const std::string list = "\n#SHOWPARA\n0x0\n7\n-1\n"
                             " \xCE{\xCER 1 0.000000 0.000000 0.000000 0.000000 }Zeile eins\n"
                             " Zeile zwei \xCE{\xCER 1 -1 -1 -1 -1}\n"
                             " \xCE{\xCEL 0 -1 -1 1.000000 1.000000 }\n"
                             " Zeile drei\n"
                             "#END_OF_TEXT\n0x0\n-1\n";
    OliDocument doc;
    Oli_Parse_List(list, &doc);
    const OliPages pages = Oli_Layout_List(doc);
    EXPECT_TRUE(pages.warnings.empty()) << olitest::all_warnings(pages.warnings);
    const double dpi = 150;
    const QImage img = Oli_Page_Image(pages, 0, dpi);
    auto grey = [&](double x_cm, double y_cm) {
        const QColor c = img.pixelColor(int(x_cm / 2.54 * dpi), int(y_cm / 2.54 * dpi));
        return c.red() < 200;
    };
    // The text area begins 2 cm from the top and the left; a line is 0.38 cm.
    EXPECT_TRUE(grey(1.9, 2.38));  // left side of the frame, between the two lines
    EXPECT_TRUE(grey(19.1, 2.38)); // right side
    EXPECT_FALSE(grey(1.9, 3.2));  // the frame ends with the second line
    EXPECT_TRUE(grey(10.0, 2.76)); // the rule under the second line
    EXPECT_FALSE(grey(10.0, 2.5)); // nothing beside the short lines
    EXPECT_FALSE(grey(10.0, 3.0));
    // The rule takes no room: the third line follows the second at once.
    const QImage again = Oli_Page_Image(pages, 0, dpi);
    bool third = false;
    for (int x = int(2.0 / 2.54 * dpi); x < int(3.5 / 2.54 * dpi); ++x)
        for (int y = int(2.80 / 2.54 * dpi); y < int(3.10 / 2.54 * dpi); ++y)
            if (again.pixelColor(x, y).red() < 100) third = true;
    EXPECT_TRUE(third);
}

TEST(OliRenderTool, PdfAndPngPages)
{
    const std::string d = kovtest::artefact_dir("olirender");
    const std::string tool = std::string(KOV_TOOLS_DIR) + "/olirender";
    ASSERT_EQ(::access(tool.c_str(), X_OK), 0);
    const std::string list = d + "/tool.oli";
    std::string text = olitest::kList + "#NEWPAGE\n#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n Zweite Seite\n#END_OF_TEXT\n";
    ASSERT_TRUE(kovtest::write_file(list, text));
    for (const char* f : {"/tool-1.png", "/tool-2.png", "/tool.pdf", "/one.png"}) std::remove((d + f).c_str());
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), tool);
        return kovtest::Run_Tool(args).exit_code;
    };
    EXPECT_EQ(run({list, d + "/tool.png", "--dpi", "40"}), 0);
    EXPECT_EQ(::access((d + "/tool-1.png").c_str(), F_OK), 0);
    EXPECT_EQ(::access((d + "/tool-2.png").c_str(), F_OK), 0);
    QImage page(QString::fromStdString(d + "/tool-2.png"));
    EXPECT_EQ(page.width(), int(std::lround(21.0 / 2.54 * 40)));
    EXPECT_EQ(run({"--page", "2", list, d + "/one.png"}), 0);
    EXPECT_EQ(::access((d + "/one.png").c_str(), F_OK), 0);
    EXPECT_EQ(run({list, d + "/tool.pdf"}), 0);
    EXPECT_EQ(::access((d + "/tool.pdf").c_str(), F_OK), 0);
    EXPECT_EQ(run({"--page", "3", list, d + "/three.png"}), 1);
    EXPECT_EQ(run({d + "/missing.oli", d + "/x.pdf"}), 1);
    EXPECT_EQ(run({"--bogus", "a", "b"}), 2);
    EXPECT_EQ(run({"only-one"}), 2);
}
