// Inserts of a verification page: check lines, text boxes, rules and frames,
// value tables, pictures, legend and literature, column lines and the
// load-combination table. Expected bytes are worked out from the formats by
// hand; numbers checked against python3 where they are computed.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "oliwrt_fixture.h"
#include "output/ioliins.h"
#include "output/ioliplot.h"
#include "platform/kovcp.h"

namespace {

class OliIns : public ::testing::Test {
protected:
    void SetUp() override
    {
        Oli_Reset_Writers();
        Oli_Graphic_Reset();
        Oli_Reset_Text_Boxes();
        Oli_Reset_Legend();
        Oli_Reset_Comb_Texts();
        Msg_Reset();
    }
};

size_t count_of(const std::string& s, const std::string& part)
{
    size_t n = 0;
    for (size_t at = s.find(part); at != std::string::npos; at = s.find(part, at + part.size())) ++n;
    return n;
}

std::string line_after(const std::string& s, const std::string& start)
{
    size_t at = s.find(start);
    if (at == std::string::npos) return "<missing>";
    size_t end = s.find('\n', at);
    return s.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

OliValueRow value_row(const char* name, const char* kind, int width, int decimals, void* data, double factor)
{
    OliValueRow r = {};
    std::snprintf(r.name, sizeof r.name, "%s", name);
    std::snprintf(r.kind, sizeof r.kind, "%s", kind);
    r.width = width;
    r.decimals = decimals;
    r.data = data;
    r.factor = factor;
    return r;
}

} // namespace

// ---- comparison characters and texts -------------------------------------------------

TEST_F(OliIns, CompareCharacters)
{
    struct Case {
        double a, b;
        int decimals;
        double tolerance;
        char expected;
    } cases[] = {
        {2.5, 2.6, 1, 0.05, '\xF7'}, // |1 - 2.6/2.5| = 0.04 < 0.05
        {2.5, 2.6, 1, 0.03, '<'},    // 0.04 and 0.0385 both above 0.03
        {2.5, 2.6, 0, 0.05, '='},    // -0.1 rounds to 0
        {1.0, 1.004, 2, 0.0, '='},   {1.0, 1.02, 2, 0.05, '\xF7'}, {1.0, 1.02, 2, 0.01, '<'},
        {3.0, 2.0, 2, 0.0, '>'},     {0.0, 0.5, 2, 10.0, '\xF7'}, // a is 0: only b's side counts, |1 - 0/0.5| = 1 < 10
        {0.0, 0.0, 2, 1.0, '='},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Oli_Compare_Char(c.a, c.b, c.decimals, c.tolerance))
            << c.a << " " << c.b << " " << c.decimals << " " << c.tolerance;
    EXPECT_EQ('=', Oli_Compare_Char_Plain(1.0, 1.004, 2));
    EXPECT_EQ('<', Oli_Compare_Char_Plain(1.0, 1.02, 2));
    EXPECT_EQ('>', Oli_Compare_Char_Plain(1.02, 1.0, 2));
}

TEST_F(OliIns, CompareTextNamesTheGoverningValue)
{
    EXPECT_EQ(std::string("1.23 m < 1.50 m  \x88 k = 1.23 m"), Oli_Compare_Text(1.234, 1.5, 2, 0, 1, "k", "m"));
    EXPECT_EQ(std::string("1.23 < 1.50"), Oli_Compare_Text(1.234, 1.5, 2, 0, 1, nullptr, nullptr));
    // kind 2 only when a > b; kind 3 b when a < b; kind 4 b when a > b
    EXPECT_EQ(std::string("1.23 < 1.50"), Oli_Compare_Text(1.234, 1.5, 2, 0, 2, "k", nullptr));
    EXPECT_EQ(std::string("2.00 > 1.50  \x88 k = 2.00 "), Oli_Compare_Text(2.0, 1.5, 2, 0, 2, "k", nullptr));
    EXPECT_EQ(std::string("1.23 < 1.50  \x88 k = 1.50 "), Oli_Compare_Text(1.234, 1.5, 2, 0, 3, "k", nullptr));
    EXPECT_EQ(std::string("2.0 kN > 1.5 kN  \x88 V = 1.5 kN"), Oli_Compare_Text(2.0, 1.5, 1, 0, 4, "V", "kN"));
    // A per cent sign of the unit is text.
    EXPECT_EQ(std::string("5 % < 7 %"), Oli_Compare_Text(5, 7, 0, 0, 1, nullptr, "%"));
}

TEST_F(OliIns, CheckTextAppendsTheLimitWhenViolated)
{
    char buf[OLI_CHECK_TEXT_SIZE];
    EXPECT_STREQ("1.05 > 1.00  \x88  u = 1.00", Oli_Check_Text("u", 1.05, "<=", 1.0, 2, buf));
    EXPECT_STREQ("0.95 < 1.00", Oli_Check_Text("u", 0.95, "=<", 1.0, 2, buf));
    EXPECT_STREQ("0.95 < 1.00", Oli_Check_Text("u", 0.95, "??", 1.0, 2, buf));
    // A value equal to its limit at the decimals meets <= and >=, neither < nor >.
    struct Case {
        const char* relation;
        bool met;
    } cases[] = {{"<=", true}, {"=<", true}, {">=", true}, {"=>", true}, {"<", false}, {">", false}};
    for (const Case& c : cases) {
        Oli_Check_Text("u", 1.004, c.relation, 1.0, 2, buf);
        EXPECT_EQ(c.met, std::strstr(buf, "\x88") == nullptr) << c.relation;
    }
    // A long name is cut to the buffer.
    std::string name(400, 'n');
    Oli_Check_Text(name.c_str(), 2.0, "<", 1.0, 2, buf);
    EXPECT_EQ(OLI_CHECK_TEXT_SIZE - 1, (int)std::strlen(buf));
}

TEST_F(OliIns, CheckLineMetAndFailed)
{
    int r = -1;
    std::string ok = Oli_Capture(
        [&](FILE* f) { r = Oli_Check_Line(f, "Nachweis:", 0.95, "<=", 1.0, 2, "", "ok", cp850("nicht erfüllt")); });
    EXPECT_EQ(1, r);
    EXPECT_NE(std::string::npos, ok.find("Nachweis: 0.95 < 1.00\xCE"
                                         "r  ok\n"))
        << Oli_Visible(ok);
    EXPECT_EQ(std::string::npos, ok.find("!!"));

    std::string bad = Oli_Capture(
        [&](FILE* f) { r = Oli_Check_Line(f, "Nachweis:", 1.05, "<=", 1.0, 2, "", "ok", cp850("nicht erfüllt")); });
    EXPECT_EQ(0, r);
    // "nicht erfüllt" with ü as 0x81; 0x88 is the governing-value sign of the list font
    EXPECT_NE(std::string::npos, bad.find("Nachweis: \xCE"
                                          "b1.05 > 1.00\xCE"
                                          "r  \xCE"
                                          "bnicht erf\x81llt\n"))
        << Oli_Visible(bad);
    // The bold "!!" exactly as the check mark of a text line writes it.
    std::string mark = Oli_Capture([](FILE* f) {
        Oli_Text_Check_Mark(f,
                            "Nachweis: \xCE"
                            "b1.05 > 1.00\xCE"
                            "r  \xCE"
                            "bnicht erf\x81llt",
                            0);
    });
    EXPECT_EQ(mark, bad);
    // Without a fail text no "!!"; an unknown relation is not met.
    std::string quiet = Oli_Capture([&](FILE* f) { r = Oli_Check_Line(f, "x", 1.0, "~", 1.0, 2, "m", "ok", nullptr); });
    EXPECT_EQ(0, r);
    EXPECT_EQ(std::string::npos, quiet.find("!!"));
    EXPECT_EQ(1, Oli_Check_Line(nullptr, nullptr, 1.004, ">=", 1.0, 2, nullptr, nullptr, nullptr));
}

// ---- text boxes ----------------------------------------------------------------------

TEST_F(OliIns, MessageListStyles)
{
    Oli_Text_Box_Add(2, "erste %d", 1);
    Oli_Text_Box_Add(2, "+weiter");
    Oli_Text_Box_Add(2, "   ");
    Oli_Text_Box_Add(2, "dritte");
    const std::string head = "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n";
    struct Case {
        int mode;
        std::string body;
    } cases[] = {
        {0, " erste 1\n weiter\n \n dritte\n"},
        {7, " erste 1\n weiter\n \n dritte\n"},
        {1, " \xCE/o\xCE"
            "r erste 1\n   weiter\n \n \xCE/o\xCE"
            "r dritte\n"},
        {2, "  0 erste 1\n    weiter\n \n  3 dritte\n"},
        {3, " >>> erste 1 !\n     weiter !\n \n >>> dritte !\n"},
    };
    for (const Case& c : cases) {
        std::string out = Oli_Capture([&](FILE* f) { Oli_Message_List(2, c.mode, f); });
        EXPECT_EQ(head + c.body + "#END_OF_TEXT\n", out) << c.mode << "\n" << Oli_Visible(out);
    }
    // Mode 4: text blocks, continuation lines left out, no table block.
    std::string blocks = Oli_Capture([](FILE* f) { Oli_Message_List(2, 4, f); });
    EXPECT_EQ(std::string::npos, blocks.find("#SHOWTABLE"));
    EXPECT_EQ(std::string::npos, blocks.find("weiter"));
    EXPECT_EQ(2u, count_of(blocks, "#SHOWPARA"));
    EXPECT_NE(std::string::npos, blocks.find("\n \n"));
}

TEST_F(OliIns, TextBoxLimits)
{
    EXPECT_EQ(9, Oli_Text_Box_Clear(9));
    Oli_Text_Box_Add(9, "x");
    Oli_Text_Box_Add(-1, "x");
    EXPECT_EQ(0, Oli_Text_Box_Count(9));
    EXPECT_STREQ("?????", Oli_Text_Box_Line(9, 0));
    EXPECT_STREQ("", Oli_Text_Box_Line(0, 5));
    for (int i = 0; i < 120; ++i) Oli_Text_Box_Add(0, "Zeile %d", i);
    EXPECT_EQ(100, Oli_Text_Box_Count(0));
    EXPECT_STREQ("Zeile 99", Oli_Text_Box_Line(0, 99));
    std::string long_text(500, 'a');
    Oli_Text_Box_Add(1, "%s", long_text.c_str());
    EXPECT_EQ(299u, std::strlen(Oli_Text_Box_Line(1, 0)));
    Oli_Text_Box_Add(1, "\xCE"
                        "bfett");
    EXPECT_EQ(299, Oli_Text_Box_Widest(1));
    Oli_Text_Box_Clear(1);
    Oli_Text_Box_Add(1, "\xCE"
                        "bfett");
    EXPECT_EQ(4, Oli_Text_Box_Widest(1));
}

TEST_F(OliIns, FramedBoxSizes)
{
    // (5 + 0.8) x 0.38 = 2.204, + 0.5; small (5 + 0.8) x 0.286 = 1.6588
    std::string widest(40, 'w');
    for (int i = 0; i < 4; ++i) Oli_Text_Box_Add(3, "Zeile %d", i);
    Oli_Text_Box_Add(3, "%s", widest.c_str());
    struct Case {
        int box, small;
        double height, reserved;
    } cases[] = {{3, 0, 2.204, 2.704}, {3, 1, 1.6588, 2.1588}, {12, 0, 0.304, 0.804}, {12, 1, 0.2288, 0.7288}};
    for (const Case& c : cases) {
        double h = 0, r = 0;
        Oli_Text_Box_Size(c.box, c.small, &h, &r);
        EXPECT_NEAR(c.height, h, 1e-12) << c.box << " " << c.small;
        EXPECT_NEAR(c.reserved, r, 1e-12) << c.box << " " << c.small;
    }

    std::string out = Oli_Capture([](FILE* f) { Oli_Text_Box_Print(f, 3, -1.0); });
    // 40 x 0.18 = 7.2 cm wide
    const std::string expected_head = "#OLI_RESERVESPACE 2.7040\n"
                                      "#OLI_STOREYPOSITION 0\n";
    EXPECT_EQ(0u, out.find(expected_head)) << Oli_Visible(out);
    EXPECT_NE(std::string::npos, out.find("7.200000 2.204000")) << Oli_Visible(out);
    const std::string expected_tail = " -1\n"
                                      "#OLI_RESTOREYPOSITION 0\n"
                                      "#OLI_SETYPOSITION 1 0.1900\n"
                                      "#OLI_SETMARGINS 1 0.3000 0.0000\n"
                                      "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n Zeile 0\n Zeile 1\n Zeile 2\n Zeile 3\n " +
                                      widest +
                                      "\n#END_OF_TEXT\n"
                                      "#OLI_SETMARGINS 1 0.0000 0.0000\n";
    EXPECT_NE(std::string::npos, out.find(expected_tail)) << Oli_Visible(out);
    // The slot is free again.
    std::string again = Oli_Capture([](FILE* f) { Oli_Text_Box_Print_Small(f, 3, 5.0); });
    EXPECT_NE(std::string::npos, again.find("#OLI_STOREYPOSITION 0\n"));
    EXPECT_NE(std::string::npos, again.find("#OLI_RESERVESPACE 2.1588\n")) << Oli_Visible(again);
    EXPECT_EQ(std::string::npos, again.find("#SHOWTABLE"));
    EXPECT_EQ(5u, count_of(again, "#SHOWPARA"));
    // Nothing for a NULL stream; an empty frame for a box outside 0..8.
    Oli_Text_Box_Print(nullptr, 3, -1.0);
    std::string empty = Oli_Capture([](FILE* f) { Oli_Text_Box_Print(f, 11, 3.0); });
    EXPECT_NE(std::string::npos, empty.find("#OLI_RESERVESPACE 0.8040\n"));
    EXPECT_EQ(std::string::npos, empty.find("#SHOWTABLE"));
}

TEST_F(OliIns, MessageListIntoBoxFour)
{
    Msg_On();
    ASSERT_GE(Msg_List_New(), 0);
    Msg_Collect("Ausnutzung 105 %%");
    Msg_Fehler(2, "Holz zu kurz");
    std::string out = Oli_Capture([](FILE* f) { Msg_List_To_Text_Box(f); });
    EXPECT_EQ(2, Oli_Text_Box_Count(4));
    EXPECT_STREQ("\xCE"
                 "bAusnutzung 105 %",
                 Oli_Text_Box_Line(4, 0));
    EXPECT_STREQ("\xCE"
                 "bFEHLER: Holz zu kurz!",
                 Oli_Text_Box_Line(4, 1));
    EXPECT_NE(std::string::npos, out.find(" \xCE"
                                          "bAusnutzung 105 %\n"))
        << Oli_Visible(out);
    // width: the widest line (21 characters) x 0.18 = 3.78 cm
    EXPECT_NE(std::string::npos, out.find("0.000000 3.780000 0.000000 1.064000\n")) << Oli_Visible(out);
}

TEST_F(OliIns, RulesAndFrames)
{
    struct Case {
        std::function<void(FILE*)> write;
        std::string expected;
    } cases[] = {
        {[](FILE* f) { Oli_Rule_Double(f, 0.5); }, " \xCE{\xCE"
                                                   "L 0 -1 -1 0.400000 0.400000 }  \xCE{\xCE"
                                                   "L 0 -1 -1 0.600000 0.600000 } "},
        {[](FILE* f) { Oli_Rule_Double(f, 1.0); }, " \xCE{\xCE"
                                                   "L 0 -1 -1 0.900000 0.900000 }  \xCE{\xCE"
                                                   "L 0 -1 -1 1.100000 1.100000 } "},
        {[](FILE* f) { Oli_Rule_Full(f, 1.7); }, " \xCE{\xCE"
                                                 "L 0 -1 -1 1.000000 1.000000 }"},
        {[](FILE* f) { Oli_Rule(f, 2.5, -1, -0.5, 0.25); }, " \xCE{\xCE"
                                                            "L 0 2.500000 -1.000000 0.000000 0.250000 } "},
        {[](FILE* f) { Oli_Frame(f, 1, 70, 0, 5, 0.9, 0.1); }, " \xCE{\xCE"
                                                               "R 3840 0.000000 5.000000 0.100000 0.900000 } "},
        {[](FILE* f) { Oli_Frame(f, 0, 12, -1, -1, 2, -2); }, " \xCE{\xCE"
                                                              "R 12 -1.000000 -1.000000 0.000000 1.000000 } "},
        {[](FILE* f) { Oli_Frame_Full(f, 1, 65); }, " \xCE{\xCE"
                                                    "R 3840 -1 -1 -1 -1} "},
        {[](FILE* f) { Oli_Frame_Full(f, 0, 64); }, " \xCE{\xCE"
                                                    "R 64 -1 -1 -1 -1} "},
    };
    for (const Case& c : cases) {
        std::string out = Oli_Capture(c.write);
        EXPECT_EQ(c.expected, out) << Oli_Visible(out);
    }
}

// ---- value table and pictures ------------------------------------------------------------

TEST_F(OliIns, ValueTable)
{
    static double n[4] = {-12.5, 3.25, 0.0, 8.0};
    static double m[4] = {1.0, 2.0, 3.0, 4.0};
    static OliBarChoice bars[4] = {{2, 1, 3}, {0, 0, 0}, {3, 2, 6}, {-1, 0, 0}};
    OliValueRow rows[3] = {
        value_row("N", "kN", 7, 2, n, 1.0),
        value_row("M", "kNm", 6, 1, m, 10.0),
        value_row("Bewehrung", "GEW", 12, 0, bars, 1.0),
    };
    std::string out = Oli_Capture([&](FILE* f) { Oli_Value_Table(f, 3, 4, rows); });
    // name width 9, unit width 3; cells: the widest is " 3 \x8C 20 2er Bnd." (16):
    // separators 9 + 1, 9 + 3 + 3, then 16 + 1 apart
    const std::string rule = " \xCE{\xCE"
                             "L 0 -1 -1 1.000000 1.000000 }";
    EXPECT_EQ(0u, out.find("#OLI_SETYPOSITION 1 0.1000\n#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 5\n"
                           " 10.000000 15.000000 32.000000 49.000000 66.000000\n"))
        << Oli_Visible(out);
    std::vector<std::string> lines;
    for (size_t at = 0; at < out.size();) {
        size_t e = out.find('\n', at);
        lines.push_back(out.substr(at, e - at));
        at = e + 1;
    }
    ASSERT_EQ(10u, lines.size()) << Oli_Visible(out);
    EXPECT_EQ(0u, lines[5].find(" \xCE"
                                "bN\xCE"
                                "r          kN\xCE"
                                "r "))
        << Oli_Visible(lines[5]);
    EXPECT_NE(std::string::npos, lines[5].find("-12.50")) << Oli_Visible(lines[5]);
    EXPECT_EQ(rule, lines[5].substr(lines[5].size() - rule.size()));
    EXPECT_NE(std::string::npos, lines[6].find("20.0")) << Oli_Visible(lines[6]); // 2.0 x 10
    EXPECT_EQ(rule, lines[6].substr(lines[6].size() - rule.size()));
    EXPECT_EQ(0u, lines[7].find(" \xCE"
                                "u\xCE"
                                "bBewehrung\xCE"
                                "r\xCE"
                                "u     "))
        << Oli_Visible(lines[7]);
    EXPECT_EQ(std::string::npos, lines[7].find("GEW"));
    EXPECT_EQ(std::string::npos, lines[7].find("\xCE{"));
    EXPECT_EQ("#END_OF_TEXT", lines[8]);
    EXPECT_EQ("#OLI_SETYPOSITION 1 -0.4000", lines[9]);
    EXPECT_EQ("", Oli_Capture([&](FILE* f) { Oli_Value_Table(f, 0, 4, rows); }));
    EXPECT_EQ("", Oli_Capture([&](FILE* f) { Oli_Value_Table(f, 3, 0, rows); }));
}

TEST_F(OliIns, Pictures)
{
    std::string plain = Oli_Capture([](FILE* f) { Oli_Picture(f, 4.0, 3.0, "Versatz.png"); });
    EXPECT_EQ("\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 4.0 0 3.0\n 27 0 3.0 %FONT%\\Versatz.png\n-1\n"
              "#OLI_SETYPOSITION 1 -0.3000\n",
              plain);
    Oli_Set_Picture_Dir("Bilder\\");
    std::string dir = Oli_Capture([](FILE* f) { Oli_Picture(f, 4.0, 3.0, "Versatz.png"); });
    EXPECT_NE(std::string::npos, dir.find(" 27 0 3.0 %FONT%\\Bilder\\Versatz.png\n"));
    std::string framed = Oli_Capture([](FILE* f) { Oli_Picture_Framed(f, 4.0, 3.0, "Versatz.png"); });
    EXPECT_EQ("\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 4.0 0 3.0\n 27 0 3.0 %FONT%\\Versatz.png\n"
              " 1  0.000000 0.000000 0.000000 3.000000\n"
              " 1  0.000000 3.000000 4.000000 3.000000\n"
              " 1  4.000000 3.000000 4.000000 0.000000\n"
              " 1  4.000000 0.000000 0.000000 0.000000\n"
              "-1\n#OLI_SETYPOSITION 1 -0.3000\n",
              framed);
    std::string longdir(300, 'd');
    Oli_Set_Picture_Dir(longdir.c_str());
    EXPECT_EQ(99u, std::strlen(Oli_Get_Picture_Dir()));
}

// ---- legend and literature -------------------------------------------------------------------

TEST_F(OliIns, LegendSharesSources)
{
    EXPECT_GT(Oli_Legend_Add_Source("f\xCE\\c,0,d", "Druckfestigkeit [%d]", "DIN EN 1995-1-1"), 0);
    EXPECT_GT(Oli_Legend_Add_Source("f\xCE\\t,0,d", "Zugfestigkeit [%d]", "DIN EN 1995-1-1"), 0);
    EXPECT_GT(Oli_Legend_Add_Number_Source("k\xCE\\%d", "Beiwert %d", 7, "NA"), 0);
    EXPECT_EQ(2, Oli_Literature_Count());
    EXPECT_STREQ("f\xCE\\t,0,d\xCE"
                 "r - Zugfestigkeit [1]\xCE"
                 "r",
                 Oli_Legend_Line(1));
    EXPECT_STREQ("k\xCE\\7\xCE"
                 "r - Beiwert 2\xCE"
                 "r",
                 Oli_Legend_Line(2));
    EXPECT_EQ(0, Oli_Legend_Add("f\xCE\\c,0,d", "anders"));
    EXPECT_EQ(3, Oli_Legend_Count());
    std::string lit = Oli_Capture([](FILE* f) { Oli_Literature_Print(f); });
    EXPECT_EQ("#SHOWTABLE\n 0 1 2\n Literatur und Normen:\n  [1] DIN EN 1995-1-1\n  [2] NA\n0 0 -1 -1\n#END_OF_TEXT\n",
              lit);
    EXPECT_EQ("", Oli_Capture([](FILE* f) {
                  Oli_Literature_Clear();
                  Oli_Literature_Print(f);
              }));
}

TEST_F(OliIns, LegendCallerTextIsNoFormat)
{
    EXPECT_EQ((int)std::strlen("%\xCE"
                               "r - Ausnutzung in %\xCE"
                               "r"),
              Oli_Legend_Add("%", "Ausnutzung in %%"));
    EXPECT_STREQ("%\xCE"
                 "r - Ausnutzung in %\xCE"
                 "r",
                 Oli_Legend_Line(0));
    // A description that holds a per cent sign once its source number is in.
    Oli_Legend_Add_Source("%s%n", "Anteil in %% nach [%d]", "Quelle");
    EXPECT_STREQ("%s%n\xCE"
                 "r - Anteil in % nach [1]\xCE"
                 "r",
                 Oli_Legend_Line(1));
    std::string out = Oli_Capture([](FILE* f) { Oli_Legend_Print(f); });
    EXPECT_NE(std::string::npos, out.find(" %\xCE"
                                          "r - Ausnutzung in %\xCE"
                                          "r     %s%n\xCE"
                                          "r - Anteil in % nach [1]\xCE"
                                          "r  \n"))
        << Oli_Visible(out);
}

TEST_F(OliIns, LegendOfAHundredEntriesPrintsAll)
{
    for (int i = 0; i < 100; ++i) Oli_Legend_Add_Number("a\xCE\\%d", "Abstand Nr. %d", i);
    EXPECT_EQ(100, Oli_Legend_Count());
    std::string out = Oli_Capture([](FILE* f) { Oli_Legend_Print(f); });
    for (int i = 0; i < 100; ++i) {
        char want[64];
        std::snprintf(want, sizeof want,
                      "a\xCE\\%d\xCE"
                      "r - Abstand Nr. %d\xCE"
                      "r",
                      i, i);
        EXPECT_NE(std::string::npos, out.find(want)) << i;
    }
    // A description of 300 characters is cut, the line to 235 bytes.
    std::string big(300, 'x');
    EXPECT_EQ(0, Oli_Legend_Add("a\xCE\\0", "%s", big.c_str()));
    EXPECT_EQ(235, Oli_Legend_Add("zz", "%s", big.c_str()));
}

TEST_F(OliIns, LegendPacking)
{
    // Text width 17, no margin: lines of at most 160 characters of entries.
    // Entries of 59 bytes: two fit (118), a third would make 177.
    std::string d(50, 'd');
    for (int i = 0; i < 5; ++i) Oli_Legend_Add_Number("s%d", d.c_str(), i);
    ASSERT_EQ(59, (int)std::strlen(Oli_Legend_Line(0)));
    std::string out = Oli_Capture([](FILE* f) { Oli_Legend_Print(f); });
    const std::string e0 = std::string("s0\xCE"
                                       "r - ") +
                           d +
                           "\xCE"
                           "r";
    const std::string e1 = std::string("s1\xCE"
                                       "r - ") +
                           d +
                           "\xCE"
                           "r";
    EXPECT_NE(std::string::npos, out.find(" " + e0 + "     " + e1 + "  \n")) << Oli_Visible(out);
    EXPECT_EQ(3u, count_of(out, "#SHOWPARA"));
    EXPECT_EQ(0u, out.find("#OLI_SETYPOSITION 1 0.1000\n"));
    EXPECT_EQ(out.size() - std::strlen("#OLI_SETYPOSITION 1 0.4000\n"), out.rfind("#OLI_SETYPOSITION 1 0.4000\n"));
    // With a left margin of 8.5 cm the line holds 80: one entry a line.
    Oli_Set_Left_Margin(nullptr, 8.5f);
    std::string narrow = Oli_Capture([](FILE* f) { Oli_Legend_Print(f); });
    EXPECT_EQ(5u, count_of(narrow, "#SHOWPARA"));
}

TEST_F(OliIns, LegendCounts)
{
    Oli_Legend_Add("a", "A");
    Oli_Legend_Add("b", "B");
    Oli_Legend_Save();
    Oli_Legend_Add("c", "C");
    Oli_Legend_Restore();
    EXPECT_EQ(2, Oli_Legend_Count());
    Oli_Legend_Drop(5);
    EXPECT_EQ(0, Oli_Legend_Count());
    EXPECT_EQ("", Oli_Capture([](FILE* f) { Oli_Legend_Print(f); }));
    EXPECT_EQ(0, Oli_Literature_Add(nullptr) - 1);
}

TEST_F(OliIns, ColumnLines)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Column_Printf(f, "ohne Layout");
        EXPECT_EQ(0, Oli_Columns_3(0.0, 10.0, 20.0));
        for (int i = 0; i < 6; ++i) Oli_Column_Printf(f, "c%d", i);
        Oli_Columns_End(f);
    });
    EXPECT_EQ(std::string::npos, out.find("ohne Layout"));
    EXPECT_NE(std::string::npos, out.find(" c0\tc1\tc2\n c3\tc4\tc5\n#END_OF_TEXT\n")) << Oli_Visible(out);
    EXPECT_EQ(1u, count_of(out, "#SHOWPARA"));
    // First column not at the margin: every cell after a tab.
    std::string tabbed = Oli_Capture([](FILE* f) {
        Oli_Columns_2(2.0, 12.0);
        Oli_Column_Printf(f, "a");
        Oli_Column_Printf(f, "b");
        Oli_Columns_End(f);
    });
    EXPECT_NE(std::string::npos, tabbed.find(" \ta\tb\n")) << Oli_Visible(tabbed);
}

TEST_F(OliIns, ColumnLayoutSetDuringAnother)
{
    std::string out = Oli_Capture([](FILE* f) {
        Oli_Columns_2(0.0, 10.0);
        Oli_Column_Printf(f, "a");
        EXPECT_EQ(1, Oli_Columns_3(0.0, 5.0, 9.0));
        Oli_Column_Printf(f, "x");
        Oli_Column_Printf(f, "y");
        Oli_Column_Printf(f, "z");
        Oli_Column_Printf(f, "w");
        Oli_Columns_End(f);
    });
    // The old paragraph ends with its open cell, the new one starts at column 0
    // and no later cell is lost.
    EXPECT_EQ(2u, count_of(out, "#SHOWPARA")) << Oli_Visible(out);
    EXPECT_NE(std::string::npos, out.find(" x\ty\tz\n w")) << Oli_Visible(out);
}

// ---- load combinations --------------------------------------------------------------------

TEST_F(OliIns, CombinationTexts)
{
    OliLoadCombinations c;
    Oli_Comb_Init(4, 4, &c);
    EXPECT_EQ(1, c.hide_names);
    EXPECT_EQ(3, c.load_numbers[2]);
    // 1: 1.35 Lf1, 1.5 (Lf2+Lf3), Lf4 left out by its number
    c.combs[0].first[0] = 1.35;
    c.combs[0].first[1] = 1.5;
    c.combs[0].first[2] = 1.5;
    c.load_numbers[3] = -1;
    // 2: factors 1: Lf1+Lf2+Lf3 without parentheses
    // 3: a factor 0 leaves a case out; a second factor is written after the first
    c.combs[2].second[0] = 0.0;
    c.combs[2].first[1] = 1.35;
    c.combs[2].second[1] = 0.7;
    c.combs[2].first[2] = 1.5;
    // 4: three cases of equal factors
    for (int j = 0; j < 3; ++j) c.combs[3].first[j] = 1.5;
    Oli_Load_Combination_Table(nullptr, &c);
    EXPECT_STREQ("1.35\xCE/.\xCE"
                 "rLf1+1.5\xCE/.\xCE"
                 "r(Lf2+Lf3)",
                 Oli_Comb_Text(0));
    EXPECT_STREQ("Lf1+Lf2+Lf3", Oli_Comb_Text(1));
    EXPECT_STREQ("1.35\xCE/.\xCE"
                 "r0.7\xCE/.\xCE"
                 "rLf2+1.5\xCE/.\xCE"
                 "rLf3",
                 Oli_Comb_Text(2));
    EXPECT_STREQ("1.5\xCE/.\xCE"
                 "r(Lf1+Lf2+Lf3)",
                 Oli_Comb_Text(3));
    EXPECT_STREQ("???", Oli_Comb_Text(4));
    EXPECT_STREQ("???", Oli_Comb_Text(-1));
    // A load-name function names the cases by their index.
    c.load_name = [](int j) -> const char* { return j == 0 ? "G" : j == 1 ? "S" : "W"; };
    Oli_Load_Combination_Table(nullptr, &c);
    EXPECT_STREQ("1.35\xCE/.\xCE"
                 "rG+1.5\xCE/.\xCE"
                 "r(S+W)",
                 Oli_Comb_Text(0));
    Oli_Comb_Free(&c);
    EXPECT_EQ(0, c.load_count);
    EXPECT_EQ(0, c.comb_count);
    EXPECT_EQ(nullptr, c.load_name);
}

TEST_F(OliIns, ZeroCombinationsWriteAnEmptyTableAndTheNormalFlags)
{
    // Every column setting: the table of no rows shows nothing, and the list
    // is back at the normal setting.
    for (int names = 0; names < 2; ++names)
        for (int situations = 0; situations < 2; ++situations) {
            OliLoadCombinations c;
            Oli_Comb_Init(3, 0, &c);
            c.hide_names = names;
            c.hide_situations = situations;
            c.table_style = names;
            std::string out = Oli_Capture([&](FILE* f) { Oli_Load_Combination_Table(f, &c); });
            EXPECT_EQ("#OLI_SETFLAGS 896\n", out) << names << situations << Oli_Visible(out);
            EXPECT_EQ(0, Oli_Comb_Text_Count());
            EXPECT_STREQ("???", Oli_Comb_Text(0));
            Oli_Comb_Free(&c);
        }
    // Without a stream nothing is written at all.
    OliLoadCombinations c;
    Oli_Comb_Init(1, 0, &c);
    Oli_Load_Combination_Table(nullptr, &c);
    EXPECT_EQ(0, Oli_Comb_Text_Count());
    Oli_Comb_Free(&c);
}

TEST_F(OliIns, LongCombinationTableIsFramedByFlags)
{
    OliLoadCombinations c;
    Oli_Comb_Init(2, 12, &c);
    for (int i = 0; i < 12; ++i) c.combs[i].first[0] = 1.0 + i * 0.05;
    c.hide_situations = 1;
    std::string out = Oli_Capture([&](FILE* f) { Oli_Load_Combination_Table(f, &c); });
    EXPECT_EQ(0u, out.find("#OLI_SETFLAGS 640\n")) << Oli_Visible(out);
    const std::string end = "#OLI_SETFLAGS 896\n";
    EXPECT_EQ(out.size() - end.size(), out.find(end));
    EXPECT_NE(std::string::npos, out.find("Faktorisierung"));
    EXPECT_EQ(std::string::npos, out.find("Bemessungssit."));
    EXPECT_NE(std::string::npos, out.find("1.55\xCE/.\xCE"
                                          "rLf1+Lf2"))
        << Oli_Visible(out);
    Oli_Comb_Free(&c);

    // Ten combinations: no 640; names and situations shown.
    Oli_Comb_Init(1, 2, &c);
    c.hide_names = 0;
    c.combs[0].name = "Grund";
    c.situation_text = [](int s) -> const char* { return s ? cp850("außergew.") : cp850("ständig"); };
    c.combs[1].situation = 1;
    std::string shortt = Oli_Capture([&](FILE* f) { Oli_Load_Combination_Table(f, &c); });
    EXPECT_EQ(std::string::npos, shortt.find("#OLI_SETFLAGS 640"));
    EXPECT_NE(std::string::npos, shortt.find("Grund"));
    EXPECT_NE(std::string::npos, shortt.find("???"));
    EXPECT_NE(std::string::npos, shortt.find(cp850("außergew.")));
    EXPECT_NE(std::string::npos, line_after(shortt, "#OLI_SETFLAGS 896").find("896"));
    Oli_Comb_Free(&c);
}
