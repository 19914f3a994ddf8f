// The table window of the output-list library in its batch and scripted forms.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/kovscript.h"
#include "platform/olitable.h"
#include "test_support/kovtestutil.h"

namespace {

OLITable* read_table(const std::string& bytes)
{
    kovtest::MemFile m;
    m.put(bytes);
    return readOLITableFromFILE(m.f);
}

} // namespace

TEST(OliTableWindow, ReadsOneTableAndCountsItsRows)
{
    OLITable* t = read_table("#SHOWTABLE\n0 0 0\n0 0 -1 -1\n Holz zu kurz\n Ausnutzung 105 %\n#END_OF_TEXT\n");
    ASSERT_NE(nullptr, t);
    EXPECT_EQ(2, OLITableRowCount(t));
    deleteOLITable(t);
    // Heading and unit rows are no rows of the table.
    t = read_table("#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n 5.0\n Nr\n cm\n 1\n 2\n 3\n#END_OF_TEXT\n");
    ASSERT_NE(nullptr, t);
    EXPECT_EQ(3, OLITableRowCount(t));
    deleteOLITable(t);
}

TEST(OliTableWindow, DamagedTablesGiveNoTable)
{
    const char* damaged[] = {
        "",
        "nur Text\n",
        "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n eins\n", // not closed
        "#SHOWTABLE\nx y\n",                     // no title counts
        "#SHOWPARA\n0x0\n7\n-1\n Absatz\n#END_OF_TEXT\n0x0\n-1\n",
    };
    for (const char* bytes : damaged) EXPECT_EQ(nullptr, read_table(bytes)) << bytes;
    EXPECT_EQ(nullptr, readOLITableFromFILE(nullptr));
    EXPECT_EQ(0, OLITablePropSheet("Fehlermeldungen", 0, nullptr, nullptr));
    EXPECT_EQ(0, OLITableRowCount(nullptr));
    deleteOLITable(nullptr);
}

TEST(OliTableWindow, ScriptedLogAndBatchRows)
{
    OLITable* t = read_table("#SHOWTABLE\n0 0 0\n0 0 -1 -1\n \xCE"
                             "bHolz zu kurz\xCE"
                             "r\n Ausnutzung 105 %\n#END_OF_TEXT\n");
    ASSERT_NE(nullptr, t);
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    EXPECT_EQ(1, OLITablePropSheet("Fehlermeldungen", 0, t, nullptr));
    EXPECT_STREQ("OLITablePropSheet Fehlermeldungen 2\n", Kov_Script_Log_Text());
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    testing::internal::CaptureStderr();
    EXPECT_EQ(1, OLITablePropSheet("Fehlermeldungen", 0, t, nullptr));
    EXPECT_EQ("Fehlermeldungen\n  Holz zu kurz\n  Ausnutzung 105 %\n", testing::internal::GetCapturedStderr());
    Kov_Set_Ui_Mode(-1);
    deleteOLITable(t);
}

TEST(OliTableWindow, Colours)
{
    resetOLITableColours();
    OLITableColours c;
    ASSERT_EQ(1, getOLITableColours(&c));
    c.colour[0] = 7;
    EXPECT_EQ(1, setOLITableColours(&c));
    OLITableColours back;
    getOLITableColours(&back);
    EXPECT_EQ(7, back.colour[0]);
    EXPECT_EQ(0, getOLITableColours(nullptr));
    EXPECT_EQ(0, setOLITableColours(nullptr));
}
