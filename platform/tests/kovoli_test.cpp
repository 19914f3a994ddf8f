// Tests of the layout records: one line per call in call order, the decimal point under a German
// locale, bookmarks, the stream table and the length of marked-up strings.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <string>

#include <sys/stat.h>

#include "platform/kovcp.h"
#include "platform/kovhost.h"
#include "platform/kovlocale.h"
#include "platform/kovoli.h"
#include "test_support/kovtestutil.h"

namespace {

int g_slot7_calls = 0;

int counting_fprintf(FILE* f, const char* fmt, ...)
{
    ++g_slot7_calls;
    va_list ap;
    va_start(ap, fmt);
    int r = std::vfprintf(f, fmt, ap);
    va_end(ap);
    return r;
}

// A table like the program registers at start: the runtime's functions, with
// a counting fprintf in slot 7 to see that the records go through it.
KovStdioTable make_table()
{
    KovStdioTable t{};
    t.count = 18;
    t.fct[0] = reinterpret_cast<void (*)(void)>(&std::fopen);
    t.fct[1] = reinterpret_cast<void (*)(void)>(&std::fclose);
    t.fct[6] = reinterpret_cast<void (*)(void)>(&counting_fprintf);
    return t;
}

using kovtest::read_file;

std::string temp_file(const char* name)
{
    std::string d = std::string(KOV_BINARY_DIR) + "/platform_oli_tmp";
    ::mkdir(d.c_str(), 0755);
    return d + "/" + name;
}

} // namespace

TEST(LayoutRecords, OneLinePerCallInCallOrderBetweenTheProgramsOwnWrites)
{
    static const KovStdioTable table = make_table();
    ASSERT_EQ(KOVSetStdioFctPtr(&table), 1);
    ASSERT_EQ(KOV_STDIO_FCT, &table);

    const std::string path = temp_file("records.oli");
    FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fprintf(f, "#NEWPAGE\n");
    OLI_setFlags(f, 896);
    OLI_setLayout(f, 4115);
    std::fputs("#CONTENTS\n POS. 1: Versatz\n", f);
    OLI_setMarginsCM(f, 1, 1.4f, 0.0f);
    OLI_setYPositionCM(f, 1, -0.85f);
    OLI_reserveSpaceCM(f, 3.0f);
    KOV_Stdio_Fprintf(f, "#SHOWPARA %d\n", 7);
    OLI_pushMargins(f);
    OLI_popMargins(f, 0x100000);
    OLI_storeYPosition(f, 4);
    OLI_restoreYPosition(f, 4);
    OLI_setBookmark(f, 16, cp850("Nachweis Stirnversatz für Träger"));
    OLI_setBookmark(f, 17, nullptr);
    OLI_setBookmark(f, 15, "");
    OLI_setMarginsCM(f, 0x10001, 9.5f, 0.0f);
    OLI_setYPositionCM(f, 4, 0.0f);
    OLI_resetMaxMargin(f);
    OLI_setFlags(f, 0x1000000);
    std::fprintf(f, "#END_OF_TEXT\n");
    std::fclose(f);

    const std::string expected = std::string("#NEWPAGE\n"
                                             "#OLI_SETFLAGS 896\n"
                                             "#OLI_SETLAYOUT 4115\n"
                                             "#CONTENTS\n POS. 1: Versatz\n"
                                             "#OLI_SETMARGINS 1 1.4000 0.0000\n"
                                             "#OLI_SETYPOSITION 1 -0.8500\n"
                                             "#OLI_RESERVESPACE 3.0000\n"
                                             "#SHOWPARA 7\n"
                                             "#OLI_PUSHMARGINS\n"
                                             "#OLI_POPMARGINS 1048576\n"
                                             "#OLI_STOREYPOSITION 4\n"
                                             "#OLI_RESTOREYPOSITION 4\n"
                                             "#OLI_SETBOOKMARK 16 \xAE"
                                             "Nachweis Stirnversatz f\x81r Tr\x84ger\xAF\n"
                                             "#OLI_SETBOOKMARK 17\n"
                                             "#OLI_SETBOOKMARK 15 \xAE\xAF\n"
                                             "#OLI_SETMARGINS 65537 9.5000 0.0000\n"
                                             "#OLI_SETYPOSITION 4 0.0000\n"
                                             "#OLI_RESETMAXMARGIN\n"
                                             "#OLI_SETFLAGS 16777216\n"
                                             "#END_OF_TEXT\n");
    EXPECT_EQ(read_file(path), expected);
    // Every record and the program's KOV_Stdio_Fprintf went through slot 7.
    EXPECT_EQ(g_slot7_calls, 17);
}

TEST(LayoutRecords, DecimalPointUnderAGermanLocaleAndNoStream)
{
    const std::string path = temp_file("locale.oli");
    FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    const char* de = Kov_Try_German_Locale();
    OLI_reserveSpaceCM(f, 0.286f * 3);
    OLI_setYPositionCM(f, 1, -6.2f);
    Kov_Numeric_C_Locale();
    std::fclose(f);
    EXPECT_EQ(read_file(path), "#OLI_RESERVESPACE 0.8580\n#OLI_SETYPOSITION 1 -6.2000\n")
        << (de ? de : "no German locale");

    // A NULL stream writes nothing and does not crash.
    OLI_setFlags(nullptr, 896);
    OLI_setBookmark(nullptr, 16, "x");
    OLI_reserveSpaceCM(nullptr, 1.0f);
    EXPECT_EQ(KOV_Stdio_Fprintf(nullptr, "x"), -1);
}

TEST(LayoutRecords, BookmarkTextStaysOneRecord)
{
    const std::string path = temp_file("bookmark.oli");
    FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    OLI_setBookmark(f, 0, "zwei\nZeilen \xAF Ende");
    std::fclose(f);
    EXPECT_EQ(read_file(path), "#OLI_SETBOOKMARK 0 \xAEzwei Zeilen   Ende\xAF\n");
}

TEST(StdioTable, RegistrationAndSlotSevenWithoutTable)
{
    EXPECT_EQ(KOVSetStdioFctPtr(nullptr), 0);
    EXPECT_EQ(KOV_STDIO_FCT, nullptr);
    KovStdioTable short_table{};
    short_table.count = 6;
    EXPECT_EQ(KOVSetStdioFctPtr(&short_table), 0);
    // Without a usable slot 7 the runtime's own fprintf serves.
    EXPECT_EQ(KOV_Stdio_Fprintf_Fct(), reinterpret_cast<KovFprintfFct>(&std::fprintf));
    const std::string path = temp_file("noslot.txt");
    FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::string longtext(5000, 'x');
    EXPECT_EQ(KOV_Stdio_Fprintf(f, "%s|%d", longtext.c_str(), 42), 5003);
    std::fclose(f);
    EXPECT_EQ(read_file(path), longtext + "|42");
    EXPECT_EQ(SetKOVDllDirectory(nullptr), 1);
}

TEST(StringLength, MarkUpIsNotCounted)
{
    struct Case {
        const char* text;
        int width;
    } cases[] = {
        {"", 0},
        {"abc", 3},
        {"\xCE"
         "bFett\xCE"
         "r",
         4},
        {"a\xCE"
         "\\"
         "d\xCE"
         "r",
         2}, // subscript code
        {"x\xCE"
         "{C 4 230 0 0}rot",
         4},                                     // colour group
        {" \xCE{\xCEL 0 1.0 2.0 3.0 4.0 } ", 2}, // rule group with a code inside
        {"\x8C 12 \xF7 3", 8},                   // bytes of the font count as one each
        {"end\xCE", 3},                          // mark-up byte at the end
        {"open\xCE{never closed", 4},
    };
    for (const Case& c : cases) EXPECT_EQ(MT_String_Length(c.text), c.width) << c.text;
    EXPECT_EQ(MT_String_Length(nullptr), 0);
}
