// The table writer OliTabelle, its cell formatters and footnote markers.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "oliwrt_fixture.h"
#include "output/ioliwrt.h"

namespace {

const std::string kR = "\xCE"
                       "r";

std::string sp(int n) { return std::string((size_t)n, ' '); }

// The body rows of a table block: the lines after the heading rows up to the end.
std::vector<std::string> lines_of(const std::string& out)
{
    std::vector<std::string> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

// Columns of a test, released at its end.
struct ColumnHolder {
    OliColumn* c = nullptr;
    ~ColumnHolder()
    {
        void* p = c;
        if (p) Mem_Free_Null(&p);
    }
};

std::string cell(const char* kind, const void* data, int row, int field, int width, int decimals)
{
    char buf[OLI_CELL_SIZE];
    return Oli_Format_Cell(kind, data, row, field, width, decimals, 1.0, 0, buf);
}

} // namespace

// The first table of the position's list: six columns, allocated seven.
TEST(OliTable, SixColumnTableByteForByte)
{
    static char names[3][12] = {"Eigenlast", "Wind", "Schnee"};
    static char kled[3][8] = {"st\x84ndig", "kurz", "mittel"};
    static double force[3] = {12.5, -3.25, 2e100};
    static double kmod[3] = {0.6, 0.9, 0.8};
    static double gamma[3] = {1.35, 1.5, 1.5};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    ASSERT_NE(nullptr, Oli_Alloc_Columns(7, &cols));
    Oli_Set_Column(cols[0], "Nr.", "ZZ", 4, 0, nullptr);
    Oli_Set_Column(cols[1], "-Bezeichnung", "TXT", 12, 0, names);
    Oli_Set_Column(cols[2], "N", "kN", 8, 2, force);
    cols[2].second_mark = 1;
    Oli_Set_Column(cols[3], "KLED", "TXT", 8, 0, kled);
    Oli_Set_Column(cols[4],
                   "k\xCE\\mod\xCE"
                   "r",
                   "-", 6, 2, kmod);
    Oli_Set_Column(cols[5], "+\xC0\xCE\\M", "-", 6, 2, gamma);

    std::string out =
        Oli_Capture([&](FILE* f) { OliTabelle(f, 6, 3, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr); });

    const std::string expected = "#OLI_SETYPOSITION 1 0.1000\n"
                                 "#SHOWTABLE\n 0 0 0\n"
                                 " 1 1 -1 -1 5\n"
                                 " 5.000000 18.000000 27.000000 36.000000 43.000000\n"
                                 // title row: "Nr." centred, "Bezeichnung" left, "N" just before the decimal point,
                                 // "KLED" centred, "kmod" centred, the gamma right-aligned
                                 " " +
                                 kR + " Nr." + kR + "  Bezeichnung" + kR + sp(6) + "N" + kR + sp(6) + "KLED" + kR +
                                 sp(4) + "k\xCE\\mod" + kR + kR + sp(5) +
                                 "\xC0\xCE\\M\n"
                                 // unit row: only the numeric columns have units
                                 " " +
                                 kR + kR + kR + sp(22) + "kN" + kR + kR + sp(15) + "-" + kR + sp(6) +
                                 "-\n"
                                 // rows: the largest force is bold, "n.e." stands for 2e100
                                 "    1" +
                                 "  Eigenlast  " +
                                 " \xCE"
                                 "b   12.50" +
                                 kR + "  st\x84ndig" + "   0.60" + "   1.35\n" + "    2" + "  Wind" + sp(7) +
                                 "    -3.25" + "  kurz" + sp(3) + "   0.90" + "   1.50\n" + "    3" + "  Schnee" +
                                 sp(5) + "    n.e. " + "  mittel " + "   0.80" + "   1.50\n" +
                                 "#END_OF_TEXT\n"
                                 "#OLI_SETYPOSITION 1 -0.4000\n";
    EXPECT_EQ(expected, out) << Oli_Visible(out);
}

TEST(OliTableDeath, MoreColumnsThanAllocatedStopsTheProgram)
{
    static double v[1] = {1.0};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(2, &cols);
    OliColumn three[3];
    std::memcpy(three, cols, 2 * sizeof(OliColumn));
    three[2] = cols[1];
    three[1].data = v;
    three[2].data = v;
    FILE* f = std::tmpfile();
    EXPECT_EXIT(OliTabelle(f, 3, 1, three, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr),
                testing::ExitedWithCode(1),
                "Fehler in Funktion 'OliTabelle': zu wenig Spalten allociert! -> Programmabbruch");
    std::fclose(f);
}

TEST(OliTable, NothingWithoutStreamColumnsOrRows)
{
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(1, &cols);
    std::string out = Oli_Capture([&](FILE* f) {
        OliTabelle(nullptr, 1, 1, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
        OliTabelle(f, 0, 1, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
        OliTabelle(f, 1, 0, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
        OliTabelle(f, 1, 0, cols, nullptr, nullptr, 0, OLI_TAB_LONG, nullptr, nullptr, 0, nullptr);
    });
    EXPECT_EQ("#OLI_SETFLAGS 896\n", out);
}

TEST(OliTable, ChoosingRowsOfAStrictlyIncreasingColumn)
{
    static double v[5] = {1, 2, 3, 4, 5};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(2, &cols);
    Oli_Set_Column(cols[1], "V", "m", 6, 1, v);
    for (unsigned flags : {0u, (unsigned)OLI_TAB_CHOOSE_ROWS}) {
        std::string out = Oli_Capture([&](FILE* f) {
            OliTabelle(f, 2, 5, cols, nullptr, nullptr, 0, flags | OLI_TAB_NO_Y_MOVES, nullptr, nullptr, 0, nullptr);
        });
        std::vector<std::string> lines = lines_of(out);
        // head, column head, separator, title, unit, rows..., end
        std::vector<std::string> rows(lines.begin() + 6, lines.end() - 1);
        if (flags == 0) {
            EXPECT_EQ(5u, rows.size());
        } else {
            EXPECT_EQ((std::vector<std::string>{"    1    1.0", "    5    5.0"}), rows);
        }
    }
}

TEST(OliTable, ChoosingRowsKeepsTurningPointsAndSignChanges)
{
    static double v[7] = {1, 2, 3, 2, 1, -1, -2};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(2, &cols);
    Oli_Set_Column(cols[1], "V", "m", 6, 0, v);
    std::string out = Oli_Capture([&](FILE* f) {
        OliTabelle(f, 2, 7, cols, nullptr, nullptr, 0, OLI_TAB_CHOOSE_ROWS | OLI_TAB_NO_Y_MOVES, nullptr, nullptr, 0,
                   nullptr);
    });
    std::vector<std::string> lines = lines_of(out);
    std::vector<std::string> numbers;
    for (size_t i = 6; i + 1 < lines.size(); i++) numbers.push_back(lines[i].substr(0, 5));
    // first, the turning point (row 3), the sign change (rows 5, 6), the last and the extremes
    EXPECT_EQ((std::vector<std::string>{"    1", "    3", "    5", "    6", "    7"}), numbers);
}

TEST(OliTable, TotalsAndNotApplicable)
{
    static double with_ne[3] = {1.0, 2e100, 3.0};
    static double plain[3] = {1.0, 2.5, -3e100};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(3, &cols);
    Oli_Set_Column(cols[1], "S", "kN", 8, 1, with_ne);
    cols[1].totals = 1;
    Oli_Set_Column(cols[2], "T", "kN", 8, 1, plain);
    cols[2].totals = 1;
    std::string out = Oli_Capture([&](FILE* f) {
        OliTabelle(f, 3, 3, cols, nullptr, nullptr, 0, OLI_TAB_NO_Y_MOVES, nullptr, nullptr, 0, nullptr);
    });
    std::vector<std::string> lines = lines_of(out);
    ASSERT_GE(lines.size(), 11u);
    EXPECT_EQ("    1      1.0      1.0", lines[6]);
    EXPECT_EQ("    2    n.e.       2.5", lines[7]);
    EXPECT_EQ("    3      3.0" + sp(9), lines[8]);
    // the first column carries the totals sign at its last place (a row-number column)
    EXPECT_EQ("    \xB2     n.e.      3.5 \xCE{\xCEL 0 -1 -1 0.000000 0.000000 }", lines[9]);
    EXPECT_EQ("#END_OF_TEXT", lines[10]);
}

TEST(OliTable, MarksOfExtremeValues)
{
    static double v[4] = {2.0, -7.0, 0.5, 4.0};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(2, &cols);
    Oli_Set_Column(cols[1], "V", "m", 6, 2, v);
    cols[1].first_mark = 3;   // underline smallest and largest magnitude
    cols[1].second_mark = -1; // bold the smallest value
    std::string out = Oli_Capture([&](FILE* f) {
        OliTabelle(f, 2, 4, cols, nullptr, nullptr, 0, OLI_TAB_NO_Y_MOVES, nullptr, nullptr, 0, nullptr);
    });
    std::vector<std::string> lines = lines_of(out);
    ASSERT_GE(lines.size(), 11u);
    EXPECT_EQ("    1   2.00", lines[6]);
    EXPECT_EQ("    2 \xCEu -7.00\xCEr", lines[7]); // underline wins over bold
    EXPECT_EQ("    3 \xCEu  0.50\xCEr", lines[8]);
    EXPECT_EQ("    4   4.00", lines[9]);
}

TEST(OliTable, MarkSelectorOverAllNumericColumns)
{
    static double a[2] = {1.0, -9.0};
    static double b[2] = {0.25, 3.0};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(3, &cols);
    Oli_Set_Column(cols[1], "A", "m", 6, 2, a);
    Oli_Set_Column(cols[2], "B", "m", 6, 2, b);
    std::string out = Oli_Capture([&](FILE* f) {
        OliTabelle(f, 3, 2, cols, nullptr, nullptr, 999999, OLI_TAB_NO_Y_MOVES, nullptr, nullptr, 0, nullptr);
        OliTabelle(f, 3, 2, cols, nullptr, nullptr, 2, OLI_TAB_NO_Y_MOVES, nullptr, nullptr, 0, nullptr);
    });
    std::vector<std::string> lines = lines_of(out);
    ASSERT_GE(lines.size(), 18u);
    EXPECT_EQ("    1   1.00 \xCE"
              "b  0.25\xCEr",
              lines[6]);
    EXPECT_EQ("    2 \xCE"
              "b -9.00\xCEr   3.00",
              lines[7]);
    // a selector inside -n..n marks nothing
    EXPECT_EQ("    1   1.00   0.25", lines[15]);
    EXPECT_EQ("    2  -9.00   3.00", lines[16]);
}

TEST(OliTable, LongTablesSetTheListFlagsBeforeAndNotAfter)
{
    static double v[120];
    for (int i = 0; i < 120; i++) v[i] = i;
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(2, &cols);
    Oli_Set_Column(cols[1], "V", "m", 6, 0, v);
    std::string out = Oli_Capture(
        [&](FILE* f) { OliTabelle(f, 2, 120, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr); });
    EXPECT_EQ(0u, out.find("#OLI_SETFLAGS 640\n#OLI_SETYPOSITION 1 0.1000\n#SHOWTABLE\n"));
    EXPECT_EQ(std::string::npos, out.find("896"));
    std::string with_flag = Oli_Capture([&](FILE* f) {
        OliTabelle(f, 2, 3, cols, nullptr, nullptr, 0, OLI_TAB_LONG | OLI_TAB_NO_Y_MOVES, nullptr, nullptr, 0, nullptr);
    });
    EXPECT_EQ(0u, with_flag.find("#OLI_SETFLAGS 640\n#SHOWTABLE\n"));
    EXPECT_EQ(with_flag.size() - 18, with_flag.rfind("#OLI_SETFLAGS 896\n"));
}

TEST(OliTable, ReverseOrderWithThinRulesByPrintPosition)
{
    static double v[3] = {1, 2, 3};
    static int thin[3] = {1, 0, 0};
    static int thick[3] = {1, 1, 0};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(2, &cols);
    Oli_Set_Column(cols[1], "V", "m", 4, 0, v);
    OliTableOptions opt;
    Oli_Init_Table_Options(&opt, 3);
    opt.flags = OLI_TAB_REVERSE | OLI_TAB_NO_Y_MOVES;
    opt.thin_rules = thin;
    opt.thick_rules = thick;
    std::string out = Oli_Capture([&](FILE* f) { Oli_Table_With_Options(f, 3, 2, cols, &opt); });
    Oli_Free_Table_Options(&opt);
    std::vector<std::string> lines = lines_of(out);
    ASSERT_EQ(12u, lines.size());
    EXPECT_EQ("    3    3", lines[6]);
    EXPECT_EQ(" \xCE{\xCEL 0 -1 -1 0.500000 0.500000 }", lines[7]);
    EXPECT_EQ("    2    2", lines[8]);
    EXPECT_EQ(" \xCE{\xCEL 0 -1 -1 1.000000 1.000000 }", lines[9]);
    EXPECT_EQ("    1    1", lines[10]); // the last print position never gets a thick rule
    EXPECT_EQ("#END_OF_TEXT", lines[11]);
}

TEST(OliTable, RowFlagsHideRows)
{
    static double v[3] = {1, 2, 3};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(2, &cols);
    Oli_Set_Column(cols[1], "V", "m", 4, 0, v);
    OliTableOptions opt;
    Oli_Init_Table_Options(&opt, 3);
    opt.row_flags[1] = 0;
    opt.flags = OLI_TAB_NO_Y_MOVES;
    std::string out = Oli_Capture([&](FILE* f) { Oli_Table_With_Options(f, 3, 2, cols, &opt); });
    Oli_Free_Table_Options(&opt);
    std::vector<std::string> lines = lines_of(out);
    ASSERT_EQ(9u, lines.size());
    EXPECT_EQ("    1    1", lines[6]);
    EXPECT_EQ("    3    3", lines[7]);
}

TEST(OliTable, HeadingPlacementGroupsAndTitleLines)
{
    static double a[1] = {1.5};
    static double b[1] = {2.5};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(3, &cols);
    Oli_Set_Column(cols[1], "+kN", "kN", 8, 1, a);
    std::snprintf(cols[1].group_heading, sizeof cols[1].group_heading, "%s", "Kraft");
    Oli_Set_Column(cols[2], "-x", "m", 6, 1, b);
    std::snprintf(cols[2].group_heading, sizeof cols[2].group_heading, "%s", "=");
    int counts[3] = {1, 0, 0};
    char title[] = "Titel";
    char* titles[1] = {title};
    std::string out = Oli_Capture([&](FILE* f) {
        OliTabelle(f, 3, 1, cols, nullptr, nullptr, 0, OLI_TAB_NO_Y_MOVES | OLI_TAB_EXTRA_LINE, counts, titles, 0,
                   nullptr);
    });
    EXPECT_EQ("#SHOWTABLE\n 1 0 0\n Titel\n"
              " 2 1 -1 -1 2 0 0 0 0 0 0 0 2\n"
              // the grouped column places no separator of its own
              " 5.000000 5.000000\n"
              // "Kraft" centred over both columns (16 places)
              " " +
                  kR + kR + sp(11) +
                  "Kraft\n"
                  // "+kN" right-aligned one place before the end, "-x" after one blank
                  " " +
                  kR + "  Nr" + kR + sp(7) + "kN" + kR + sp(2) +
                  "x\n"
                  // units end just before the decimal point
                  " " +
                  kR + kR + sp(10) + "kN" + kR + sp(6) +
                  "m\n"
                  "    1      1.5    2.5\n"
                  "#END_OF_TEXT\n",
              out)
        << Oli_Visible(out);
}

TEST(OliTable, FootnoteMarkersInCellsAndUnderTheTable)
{
    static double v[2] = {1.0, 2.0};
    static int keys[2] = {7, 0};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(2, &cols);
    Oli_Set_Column(cols[1], "V", "m", 6, 1, v);
    cols[1].footnote_keys = keys;
    Oli_Add_Footnote(7, "a)", "Wert nach NA");
    Oli_Add_Footnote(7, "b)", "gleicher Schl\x81ssel");
    Oli_Add_Footnote(8, "a)", "gleiche Marke");
    Oli_Add_Footnote(9, "b)", "nie benutzt");
    EXPECT_EQ(2, Oli_Footnote_Count());
    std::string out = Oli_Capture([&](FILE* f) {
        OliTabelle(f, 2, 2, cols, nullptr, nullptr, 0, OLI_TAB_NO_Y_MOVES, nullptr, nullptr, 0, nullptr);
    });
    std::vector<std::string> lines = lines_of(out);
    ASSERT_GE(lines.size(), 9u);
    // the column is two places wider; the number gives them up to the marker
    EXPECT_EQ("    1    1.0\xCE/a)\xCEr", lines[6]);
    EXPECT_EQ("    2    2.0\xCE/\xCEr  ", lines[7]);
    const std::string tail = "#END_OF_TEXT\n"
                             "#OLI_RESERVESPACE 0.5720\n"
                             "#OLI_SETYPOSITION 1 -0.1140\n"
                             "\n#SHOWPARA\n0x0\n3\n-1\n \xCE/a)\xCEr Wert nach NA\n#END_OF_TEXT\n0x0\n-1\n"
                             "#OLI_SETYPOSITION 1 0.2280\n"
                             "#OLI_SETMARGINS 1 0.0000 0.0000\n";
    EXPECT_EQ(tail, out.substr(out.find("#END_OF_TEXT\n")));
    Oli_Clear_Footnotes();
    EXPECT_EQ(0, Oli_Footnote_Count());
}

TEST(OliTable, NotesUnderTheTable)
{
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(1, &cols);
    char note[] = "100% ausgenutzt";
    char* notes[1] = {note};
    std::string out = Oli_Capture([&](FILE* f) {
        OliTabelle(f, 1, 1, cols, nullptr, nullptr, 0, OLI_TAB_NO_Y_MOVES, nullptr, nullptr, 1, notes);
    });
    const std::string tail = "#END_OF_TEXT\n"
                             "#OLI_RESERVESPACE 0.2860\n"
                             "#OLI_SETYPOSITION 1 -0.1900\n"
                             "\n#SHOWPARA\n0x0\n3\n-1\n 100% ausgenutzt\n#END_OF_TEXT\n0x0\n-1\n"
                             "#OLI_SETYPOSITION 1 0.1900\n";
    EXPECT_EQ(tail, out.substr(out.find("#END_OF_TEXT\n")));
}

TEST(OliTable, SentinelCells)
{
    struct Case {
        double value;
        std::string text;
    } cases[] = {
        {-1e100, "   -\xEC  "}, {1e100, "    \xEC  "}, {2e100, "  n.e. "},   {-2e100, "    ---"},
        {3e100, "   auto"},     {-3e100, "       "},   {12.3456, "  12.35"},
    };
    for (const Case& c : cases) {
        double v = c.value;
        EXPECT_EQ(c.text, cell("kN", &v, 0, 6, 6, 2)) << c.value;
    }
    // sentinels are never underlined
    double v = 2e100;
    char buf[OLI_CELL_SIZE];
    EXPECT_STREQ("  n.e. ", Oli_Format_Cell("kN", &v, 0, 6, 6, 2, 1.0, 1, buf));
    EXPECT_STREQ(" \xCE"
                 "b n.e. \xCEr",
                 Oli_Format_Table_Cell("kN", &v, 0, 6, 6, 2, 1.0, 1, 1, buf, nullptr));
}

TEST(OliTable, CellKinds)
{
    // row numbers start at max(decimals, 1)
    EXPECT_EQ("    1", cell("ZZ", nullptr, 0, 4, 4, 0));
    EXPECT_EQ("    5", cell("ZZ", nullptr, 0, 4, 4, 5));
    EXPECT_EQ("    7", cell("ZZ", nullptr, 2, 4, 4, 5));
    char buf[OLI_CELL_SIZE];
    EXPECT_STREQ(" \xCEu   3\xCEr", Oli_Format_Cell("ZZ", nullptr, 2, 4, 4, 0, 1.0, 1, buf));

    const char chars[3] = {'a', 'b', 'c'};
    EXPECT_EQ("   b  ", cell("CHAR", chars, 1, 5, 5, 0));

    // square centimetres near zero print a centred dash
    double tiny = 1e-9, area = 2.5;
    EXPECT_EQ("    -  ", cell("cm\xCE/2", &tiny, 0, 6, 6, 2));
    EXPECT_EQ("   2.50", cell("cm\xCE/2", &area, 0, 6, 6, 2));
    EXPECT_EQ("   0.00", cell("cm", &tiny, 0, 6, 6, 2));

    // factor and no decimals
    double kn = 12.6;
    EXPECT_STREQ("  12600", Oli_Format_Cell("N", &kn, 0, 6, 6, 0, 1000.0, 0, buf));
}

TEST(OliTable, TextCells)
{
    static char rows[2][10] = {"kurz", "sehr lang"};
    EXPECT_EQ("  kurz ", cell("TXT", rows, 0, 6, 10, 0));
    EXPECT_EQ("  sehr ", cell("TXT", rows, 1, 6, 6, 10)); // the decimals give the row length
    EXPECT_EQ("  sehr lang" + sp(2), cell("TXT mm", rows, 1, 12, 10, 0));
    // mark-up keeps the display width, and a code is never cut in half
    static char marked[1][12] = {"\xCE"
                                 "bfett\xCE"
                                 "r"};
    EXPECT_EQ("  \xCE"
              "bfett\xCE"
              "r" +
                  sp(7),
              cell("TXT", marked, 0, 12, 12, 0));
    EXPECT_EQ("  \xCE"
              "bfett" +
                  sp(2),
              cell("TXT", marked, 0, 7, 12, 0));
    // bold rows of a text column
    char buf[OLI_CELL_SIZE];
    EXPECT_STREQ("  \xCE"
                 "bkurz \xCE"
                 "r",
                 Oli_Format_Table_Cell("TXT", rows, 0, 6, 10, 0, 1.0, 0, 1, buf, nullptr));
}

TEST(OliTable, BarCells)
{
    static OliBarChoice bars[4] = {{0, 1, 3}, {-1, 1, 3}, {4, 1, 3}, {3, 2, 6}};
    EXPECT_EQ(sp(13), cell("GEW", bars, 0, 12, 12, 0));
    EXPECT_EQ(sp(8) + "---  ", cell("GEW", bars, 1, 12, 12, 0));
    EXPECT_EQ(sp(6) + " \xCE"
                      "b4 \x8C 12\xCE"
                      "r",
              cell("GEW", bars, 2, 12, 12, 0));
    EXPECT_EQ(sp(3) + " \xCE"
                      "b3 \x8C 20 2er Bnd.\xCE"
                      "r",
              cell("GEW", bars, 3, 18, 18, 0));
    char buf[OLI_CELL_SIZE];
    EXPECT_STREQ("       \xCE"
                 "b\xCEu"
                 "4 \x8C 12\xCE"
                 "r",
                 Oli_Format_Cell("GEW", bars, 2, 12, 12, 0, 1.0, 1, buf));
}

TEST(OliTable, ValuesInAnArrayOfRecords)
{
    struct Rec {
        int id;
        double value;
    };
    static Rec recs[2] = {{1, 4.25}, {2, -1.5}};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(2, &cols);
    Oli_Set_Column(cols[1], "V", "m", 6, 2, &recs[0].value);
    cols[1].stride = (int)sizeof(Rec);
    std::string out = Oli_Capture([&](FILE* f) {
        OliTabelle(f, 2, 2, cols, nullptr, nullptr, 0, OLI_TAB_NO_Y_MOVES, nullptr, nullptr, 0, nullptr);
    });
    std::vector<std::string> lines = lines_of(out);
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ("    1   4.25", lines[6]);
    EXPECT_EQ("    2  -1.50", lines[7]);
}

TEST(OliTable, ColumnDefaultsAndNumericKinds)
{
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    OliColumn* c = Oli_Alloc_Columns(2, &cols);
    ASSERT_EQ(c, cols);
    EXPECT_STREQ("", c[1].group_heading);
    EXPECT_STREQ("Nr", c[1].title);
    EXPECT_STREQ("ZZ", c[1].kind);
    EXPECT_EQ(4, c[1].width);
    EXPECT_EQ(0, c[1].decimals);
    EXPECT_EQ(nullptr, c[1].data);
    EXPECT_EQ(-1, c[1].stride);
    EXPECT_EQ(1.0, c[1].factor);
    EXPECT_EQ(0, c[1].first_mark + c[1].second_mark + c[1].totals);
    EXPECT_EQ(nullptr, c[1].bold_rows);
    EXPECT_EQ(nullptr, c[1].footnote_keys);
    const char* kinds[] = {"TXT", "CHAR", "GEW", "ZZ", "kN", "-", "cm\xCE/2"};
    const int numeric[] = {0, 0, 0, 0, 1, 1, 1};
    for (int i = 0; i < 7; i++) {
        std::snprintf(c[0].kind, sizeof c[0].kind, "%s", kinds[i]);
        EXPECT_EQ(numeric[i], Oli_Column_Is_Numeric(&c[0])) << kinds[i];
    }
}

// A title as wide as its column ends where the column's values end: the blank
// after it carries the column's rule.
TEST(OliTable, TitleAsWideAsItsColumnStaysOffTheRule)
{
    static double v[1] = {1.25};
    ColumnHolder holder;
    OliColumn*& cols = holder.c;
    Oli_Alloc_Columns(2, &cols);
    Oli_Set_Column(cols[0], "Nr.", "ZZ", 3, 0, nullptr);
    Oli_Set_Column(cols[1], "Wert", "-", 4, 2, v);
    std::string out = Oli_Capture([&](FILE* f) {
        OliTabelle(f, 2, 1, cols, nullptr, nullptr, 0, OLI_TAB_NO_Y_MOVES, nullptr, nullptr, 0, nullptr);
    });
    const std::vector<std::string> lines = lines_of(out);
    ASSERT_GE(lines.size(), 7u) << Oli_Visible(out);
    EXPECT_EQ(" 4.000000", lines[3]) << Oli_Visible(out);
    // The title's last letter and the row number both stand in place 3, the
    // rule in place 4.
    EXPECT_EQ(" " + kR + "Nr." + kR, lines[4].substr(0, 1 + 2 + 3 + 2)) << Oli_Visible(out);
    EXPECT_EQ("   1", lines[6].substr(0, 4)) << Oli_Visible(out);
}
