// The list reader: the bytes of the list font, mark-up, and the blocks of an output list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/olireader.h"
#include "platform/tests/olilist_fixture.h"

TEST(OliText, SymbolBytesOfTheListFont)
{
    struct {
        unsigned char byte;
        unsigned code;
    } cases[] = {
        {0xC0, 0x03B3},
        {0xB8, 0x03C8},
        {0xBB, 0x03B2},
        {0xBC, 0x03C7},
        {0xC1, 0x03B7},
        {0xC5, 0x03BB},
        {0xC6, 0x03BC},
        {0xC7, 0x03BD},
        {0xBA, 0x03B1},
        {0xE0, 0x03B1},
        {0xBE, 0x03B5},
        {0xB0, 0x03B8},
        {0xA3, 0x0394},
        {0xCB, 0x03C1},
        {0x89, 0x2030},
        {0xEC, 0x221E},
        {0x8C, 0x2300},
        {0xF7, 0x2248},
        // code page 850 for the rest
        {0x84, 0x00E4},
        {0x94, 0x00F6},
        {0x81, 0x00FC},
        {0x8E, 0x00C4},
        {0x99, 0x00D6},
        {0x9A, 0x00DC},
        {0xE1, 0x00DF},
        {0xF8, 0x00B0},
        {0xFD, 0x00B2},
        {0xE6, 0x00B5},
        {'A', 'A'},
        {' ', ' '},
    };
    for (const auto& c : cases) EXPECT_EQ(Oli_Char_Of_Byte(c.byte), c.code) << std::hex << int(c.byte);
    // "Stütze γ ≈ 1.3"
    EXPECT_EQ(Oli_Decode("St\x81tze \xC0 \xF7 1.3").toStdString(), "Stütze γ ≈ 1.3");
}

TEST(OliText, MarkupSpans)
{
    std::string unknown;
    const std::vector<OliSpan> s = Oli_Markup_Spans("a\xCE"
                                                    "bB\xCE\\i\xCEr c\xCE/2\xCE"
                                                    "r\xCE{C 2 230 0 0}rot\xCE"
                                                    "q!",
                                                    &unknown);
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(s[0].bytes, "a");
    EXPECT_EQ(s[0].style, 0u);
    EXPECT_EQ(s[1].bytes, "B");
    EXPECT_EQ(s[1].style, unsigned(OLI_ST_BOLD));
    EXPECT_EQ(s[2].bytes, "i");
    EXPECT_EQ(s[2].style, unsigned(OLI_ST_BOLD | OLI_ST_SUBSCRIPT));
    EXPECT_EQ(s[3].bytes, " c");
    EXPECT_EQ(s[3].style, 0u);
    EXPECT_EQ(s[4].bytes, "2");
    EXPECT_EQ(s[4].style, unsigned(OLI_ST_SUPERSCRIPT));
    EXPECT_EQ(s[5].kind, OliSpan::COLOUR);
    EXPECT_EQ(s[6].bytes, "rot!");
    EXPECT_TRUE(s[6].coloured);
    EXPECT_EQ(s[6].rgb, 0xE60000u);
    EXPECT_EQ(unknown, "q");
    // The writers end a colour with an index outside the palette.
    const std::vector<OliSpan> c = Oli_Markup_Spans("\xCE{C 1 230 0 0}rot\xCE{C 768}schwarz");
    ASSERT_EQ(c.size(), 4u);
    EXPECT_TRUE(c[1].coloured);
    EXPECT_EQ(c[3].bytes, "schwarz");
    EXPECT_FALSE(c[3].coloured);

    const std::vector<OliSpan> r =
        Oli_Markup_Spans(" \xCE{\xCEL 0 -1 -1 0.500000 0.500000 }x \xCE{\xCER 3 -1 -1 -1 -1} ");
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[1].kind, OliSpan::RULE);
    EXPECT_EQ(r[1].num, (std::vector<double>{0, -1, -1, 0.5, 0.5}));
    EXPECT_EQ(r[3].kind, OliSpan::FRAME);
    EXPECT_EQ(r[3].num, (std::vector<double>{3, -1, -1, -1, -1}));
    // A mark-up byte at the end and an unclosed group show nothing.
    EXPECT_EQ(Oli_Plain_Text("ab\xCE"), QString("ab"));
    EXPECT_EQ(Oli_Plain_Text("ab\xCE{L 0 1"), QString("ab"));
    EXPECT_EQ(Oli_Plain_Text("\xCE@1.2.\xCEH Lastf\x84lle\xCEr").toStdString(), "1.2. Lastfälle");
}

TEST(OliReader, BlocksOfAList)
{
    OliDocument doc;
    Oli_Parse_List(olitest::kList, &doc);
    EXPECT_TRUE(doc.warnings.empty()) << olitest::all_warnings(doc.warnings);
    EXPECT_EQ(doc.contents, "POS. 7: Versatz");
    std::vector<int> kinds;
    for (const OliItem& it : doc.items) kinds.push_back(it.kind);
    EXPECT_EQ(kinds, (std::vector<int>{OliItem::NEWPAGE, OliItem::LAYOUT, OliItem::LAYOUT, OliItem::LAYOUT,
                                       OliItem::LAYOUT, OliItem::LAYOUT, OliItem::PARA, OliItem::PARA, OliItem::TABLE,
                                       OliItem::TABLE, OliItem::GRAPHIC, OliItem::LAYOUT}));
    const OliLayoutRecord& margins = doc.items[3].layout;
    EXPECT_EQ(margins.name, "SETMARGINS");
    EXPECT_EQ(margins.num, (std::vector<double>{1, 0, 0}));
    const OliLayoutRecord& bm = doc.items[5].layout;
    EXPECT_EQ(bm.num, std::vector<double>{16});
    EXPECT_EQ(bm.text, "\xCE@1. Eingabedaten");
    EXPECT_FALSE(doc.items.back().layout.has_text);

    const std::vector<OliParaPart>& h = doc.items[6].para;
    ASSERT_EQ(h.size(), 1u);
    EXPECT_EQ(h[0].format.font, 5);
    EXPECT_EQ(h[0].lines, std::vector<std::string>{"\xCE@1. Eingabedaten"});
    EXPECT_DOUBLE_EQ(h[0].space_after, 0.1);

    const std::vector<OliParaPart>& p = doc.items[7].para;
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].format.font, 4);
    ASSERT_EQ(p[0].format.tabs.size(), 2u);
    EXPECT_DOUBLE_EQ(p[0].format.tabs[0].pos, 0.78);
    EXPECT_EQ(p[0].format.tabs[0].code, 1);
    EXPECT_DOUBLE_EQ(p[0].format.tabs[1].pos, 3.5);
    EXPECT_EQ(p[1].format.font, 7);
    EXPECT_EQ(p[1].lines, std::vector<std::string>{"Holzg\x81te C24"});

    const OliTableBlock& t = doc.items[8].table;
    EXPECT_EQ(t.head_rows, 1);
    EXPECT_TRUE(t.unit_row);
    EXPECT_EQ(t.separators, (std::vector<double>{5, 16}));
    ASSERT_EQ(t.lines.size(), 5u);
    EXPECT_EQ(t.lines[2], "    1  st\x84ndig      15.00");

    const OliTableBlock& block = doc.items[9].table;
    EXPECT_EQ(block.titles[2], std::vector<std::string>{"V 2.11"});
    EXPECT_EQ(block.fixed_rows, 0);
    EXPECT_TRUE(block.lines.empty());

    const OliGraphicBlock& g = doc.items[10].graphic;
    EXPECT_EQ(g.titles_top, std::vector<std::string>{"Skizze"});
    EXPECT_EQ(g.kind, -1);
    EXPECT_DOUBLE_EQ(g.x2, 10.0);
    EXPECT_DOUBLE_EQ(g.y2, 5.0);
    ASSERT_EQ(g.records.size(), 5u);
    EXPECT_EQ(g.records[1].op, 1);
    EXPECT_EQ(g.records[1].num, (std::vector<double>{1, 1, 9, 1}));
    EXPECT_EQ(g.records[3].op, 18);
    EXPECT_EQ(g.records[3].num.size(), 7u);
    EXPECT_EQ(g.records[4].op, 9);
    EXPECT_EQ(g.records[4].text, "F\xCE\\c,\xE0,d\xCEr = 2.5 kN");
}
