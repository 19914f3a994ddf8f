// Tests of the member-cut import: the shared reader (refused files, non-finite numbers, text
// limits, huge counts) and the import through the stand-in force-selection tool.
#include "hostenv/kovbeamcut.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "hostenv/kovexputil.h"
#include "hostenv/kovtools.h"
#include "platform/kovcp.h"
#include "platform/kovhost.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"
#include "test_support/runtool.h"
#include "tool_fixture.h"

namespace {

using kovtest::exists;
using kovtest::read_file;
using kovtest::write_file;

int read_multi(const std::string& text, int n, BeamCutRowSet* set)
{
    FILE* f = kovtest::stream_of(text);
    int rows = BeamCut_Read_Multi_Result(f, n, set);
    std::fclose(f);
    return rows;
}

int read_single(const std::string& text, BeamCutRowSet* set)
{
    FILE* f = kovtest::stream_of(text);
    int rows = BeamCut_Read_Single_Result(f, set);
    std::fclose(f);
    return rows;
}

void expect_empty(const BeamCutRowSet& set)
{
    EXPECT_EQ(set.rows, nullptr);
    EXPECT_EQ(set.row_count, 0);
    EXPECT_EQ(set.ok, 0);
    EXPECT_EQ(BeamCut_Store_Cut_Count(), 0);
    EXPECT_EQ(BeamCut_Store_Cut_Object(0), nullptr);
    EXPECT_EQ(BeamCut_Store_Owner(), nullptr);
}

const char* kTitle() { return cp1252("KOV - Schnittgrößenauswahl"); }

} // namespace

// ---- the shared reader -------------------------------------------------------------

TEST(BeamCutReader, TwoCutsOfFourRowsGiveEightRowsOfTwelveValues)
{
    BeamCutRowSet set = {};
    ASSERT_EQ(read_multi(Tool_Multi_Result(ToolResultSpec()), 2, &set), 8);
    EXPECT_EQ(set.ok, 1);
    EXPECT_EQ(set.values_per_row, 12);
    EXPECT_EQ(BeamCut_Store_Cut_Count(), 2);
    EXPECT_EQ(BeamCut_Store_Cut_Rows(0), 4);
    EXPECT_EQ(BeamCut_Store_Cut_Rows(1), 4);
    EXPECT_EQ(BeamCut_Store_Cut_Rows(2), 0);
    EXPECT_EQ(BeamCut_Store_Owner(), &set);
    for (int i = 0; i < 2; ++i) {
        KovExportObject* o = BeamCut_Store_Cut_Object(i);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->head.type, KXP_TYPE_BEAMCUT);
        EXPECT_EQ(o->head.id, 10 + i);
        KxpBeamCutInfo info;
        ASSERT_TRUE(Kxp_Get_BeamCut_Info(o, &info));
        EXPECT_EQ(info.ints[3], 2006 + i);
        EXPECT_DOUBLE_EQ(info.values[0], 12.0 + i);
    }
    for (int r = 0; r < 8; ++r) {
        const BeamCutResultRow* row = BeamCut_Row_Set_Row(&set, r);
        ASSERT_NE(row, nullptr);
        for (int k = 0; k < 12; ++k) EXPECT_FLOAT_EQ(row->values[k], r * 100 + k + 0.25f) << r << " " << k;
        EXPECT_EQ(row->id, 1 + r);
        EXPECT_FLOAT_EQ(row->value, r + 0.5f);
        EXPECT_STREQ(row->text, ("T" + std::to_string(r)).c_str());
        EXPECT_STREQ(row->text2, ("LK " + std::to_string(r + 1)).c_str());
        for (char* info : row->info) EXPECT_EQ(info, nullptr);
    }
    EXPECT_EQ(BeamCut_Row_Set_Row(&set, -1), nullptr);
    EXPECT_EQ(BeamCut_Row_Set_Row(&set, 8), nullptr);
    BeamCut_Free_Row_Set(&set);
    EXPECT_EQ(BeamCut_Row_Set_Row(&set, 0), nullptr);
    BeamCut_Clear_Cuts();
    EXPECT_EQ(BeamCut_Store_Cut_Count(), 0);
}

TEST(BeamCutReader, RefusedFilesLeaveRowsAndCutsEmpty)
{
    ToolResultSpec three;
    three.declared_cuts = 3;
    ToolResultSpec negative;
    negative.counts[1] = -1;
    ToolResultSpec none;
    none.counts[0] = 0;
    none.counts[1] = 0;
    std::string good = Tool_Multi_Result(ToolResultSpec());
    std::string no_results = good;
    no_results.replace(no_results.find("RESULTS"), 7, "RESULTX");
    std::string damaged = good;
    damaged.erase(damaged.rfind("\xAE"
                                "LK 8"),
                  1); // last row: second text without its mark
    std::string short_file = good.substr(0, good.rfind("\xAE"
                                                       "T7"));
    const struct {
        const char* what;
        std::string text;
        int n;
    } cases[] = {
        {"count line 3, n = 2", Tool_Multi_Result(three), 2},
        {"negative row count", Tool_Multi_Result(negative), 2},
        {"no rows", Tool_Multi_Result(none), 2},
        {"no RESULTS line", no_results, 2},
        {"damaged last row", damaged, 2},
        {"file ends in the last row", short_file, 2},
        {"n above 10", good, 11},
        {"n negative", good, -2},
        {"no MULTICUT line", "2\n", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BeamCutRowSet set = {};
        // A successful read first, so that a refusal also has to clear it.
        ASSERT_EQ(read_multi(good, 2, &set), 8);
        EXPECT_EQ(read_multi(c.text, c.n, &set), 0);
        expect_empty(set);
    }
}

// "%f" reads "nan", "inf" and overflowing numbers: such a row is no force.
// The file is refused and the row named (counted from 1 over the file).
TEST(BeamCutReader, NonFiniteNumbersRefuseTheFileAndNameTheRow)
{
    const std::string good = Tool_Multi_Result(ToolResultSpec());
    // Row 6 of 8 (the second of the second cut) starts with "500.25".
    for (const char* bad : {"nan", "-nan", "inf", "-INF", "infinity", "1e40"}) {
        SCOPED_TRACE(bad);
        std::string multi = good;
        const size_t at = multi.find("500.25");
        ASSERT_NE(at, std::string::npos);
        multi.replace(at, 6, bad);
        BeamCutRowSet set = {};
        EXPECT_EQ(read_multi(multi, 2, &set), 0);
        expect_empty(set);
        EXPECT_EQ(set.nonfinite_row, 6);

        const std::string single =
            std::string("V:3\n2 3\n1.5 2.5 3.5 7 0.25 \xAE\xAF \xAE\xAF\n4 5 6 8 ") + bad + " \xAE\xAF \xAE\xAF\n";
        EXPECT_EQ(read_single(single, &set), 0);
        EXPECT_EQ(set.ok, 0);
        EXPECT_EQ(set.nonfinite_row, 2);
        // A good read afterwards names no row.
        ASSERT_EQ(read_multi(good, 2, &set), 8);
        EXPECT_EQ(set.nonfinite_row, 0);
        BeamCut_Free_Row_Set(&set);
        BeamCut_Clear_Cuts();
    }
}

TEST(BeamCutReader, EmptyTextIsNullAndLongTextIsCutAt255Bytes)
{
    ToolResultSpec result;
    result.empty_first_text = true;
    std::string text = Tool_Multi_Result(result);
    const std::string long_name(300, 'x');
    const std::string name2 = std::string("\xAE") + "LK 2" + "\xAF";
    text.replace(text.find(name2), name2.size(), "\xAE" + long_name + "\xAF");
    // A text with bytes of code page 850 stays as it is.
    const std::string name3 = std::string("\xAE") + "LK 3" + "\xAF";
    text.replace(text.find(name3), name3.size(), std::string("\xAE") + cp850("Größe") + "\xAF");

    BeamCutRowSet set = {};
    ASSERT_EQ(read_multi(text, 2, &set), 8);
    EXPECT_EQ(BeamCut_Row_Set_Row(&set, 0)->text, nullptr);
    EXPECT_STREQ(BeamCut_Row_Set_Row(&set, 0)->text2, "LK 1");
    EXPECT_EQ(std::string(BeamCut_Row_Set_Row(&set, 1)->text2), long_name.substr(0, 255));
    EXPECT_EQ(std::string(BeamCut_Row_Set_Row(&set, 2)->text2), "Gr\x94\xE1"
                                                                "e");
    EXPECT_FLOAT_EQ(BeamCut_Row_Set_Row(&set, 2)->values[0], 200.25f);
    BeamCut_Free_Row_Set(&set);
    BeamCut_Clear_Cuts();
}

TEST(BeamCutReader, ANewReadReplacesTheCutsOfTheLastOne)
{
    BeamCutRowSet first = {}, second = {};
    ASSERT_EQ(read_multi(Tool_Multi_Result(ToolResultSpec()), 2, &first), 8);
    ToolResultSpec one;
    one.declared_cuts = 1;
    one.cuts = 1;
    one.counts[0] = 3;
    ASSERT_EQ(read_multi(Tool_Multi_Result(one), 1, &second), 3);
    EXPECT_EQ(second.values_per_row, 6);
    EXPECT_EQ(BeamCut_Store_Cut_Count(), 1);
    EXPECT_EQ(BeamCut_Store_Cut_Object(1), nullptr);
    EXPECT_EQ(BeamCut_Store_Owner(), &second);
    BeamCut_Free_Row_Set(&first);
    BeamCut_Free_Row_Set(&second);
    BeamCut_Clear_Cuts(); // the leak check of the sanitizer build sees every object freed
}

TEST(BeamCutReader, SingleResultWithAndWithoutInfo)
{
    const std::string rows = "V:3\n2 3\n"
                             "1.5 2.5 3.5 7 0.25 \xAE"
                             "a\xAF \xAE"
                             "b\xAF\n"
                             "4 5 6 8 0.75 \xAE\xAF \xAE"
                             "d\xAF\n";
    const std::string info = "2 Info\n"
                             "\xAE"
                             "i1\xAF\xAE"
                             "i2\xAF\xAE\xAF\xAE"
                             "i4\xAF\xAE"
                             "i5\xAF\n"
                             "\xAE"
                             "j1\xAF\xAE"
                             "j2\xAF\xAE"
                             "j3\xAF\xAE"
                             "j4\xAF\xAE"
                             "j5\xAF\n";
    BeamCutRowSet set = {};

    ASSERT_EQ(read_single(rows, &set), 2);
    EXPECT_EQ(set.values_per_row, 3);
    EXPECT_FLOAT_EQ(BeamCut_Row_Set_Row(&set, 0)->values[2], 3.5f);
    EXPECT_EQ(BeamCut_Row_Set_Row(&set, 1)->id, 8);
    EXPECT_FLOAT_EQ(BeamCut_Row_Set_Row(&set, 1)->value, 0.75f);
    EXPECT_EQ(BeamCut_Row_Set_Row(&set, 1)->text, nullptr);
    EXPECT_EQ(BeamCut_Row_Set_Row(&set, 0)->info[0], nullptr);

    ASSERT_EQ(read_single(rows + info, &set), 2);
    EXPECT_STREQ(BeamCut_Row_Set_Row(&set, 0)->info[0], "i1");
    EXPECT_EQ(BeamCut_Row_Set_Row(&set, 0)->info[2], nullptr);
    EXPECT_STREQ(BeamCut_Row_Set_Row(&set, 1)->info[4], "j5");

    // A count before "Info" other than the row count: no info texts.
    std::string three = rows + info;
    three[three.find("2 Info")] = '3';
    ASSERT_EQ(read_single(three, &set), 2);
    EXPECT_EQ(BeamCut_Row_Set_Row(&set, 0)->info[0], nullptr);

    // Info texts that end early: the rows stay, the texts read so far too.
    ASSERT_EQ(read_single(rows + info.substr(0, info.find("j3") - 1), &set), 2);
    EXPECT_STREQ(BeamCut_Row_Set_Row(&set, 1)->info[1], "j2");
    EXPECT_EQ(BeamCut_Row_Set_Row(&set, 1)->info[2], nullptr);

    // The single form leaves the cut store alone.
    BeamCutRowSet multi = {};
    ASSERT_EQ(read_multi(Tool_Multi_Result(ToolResultSpec()), 2, &multi), 8);
    ASSERT_EQ(read_single(rows, &set), 2);
    EXPECT_EQ(BeamCut_Store_Cut_Count(), 2);

    EXPECT_EQ(read_single("V:1\n0 3\n", &set), 0);
    EXPECT_EQ(read_single("V:1\n2 0\n", &set), 0);
    EXPECT_EQ(read_single("2 3\n", &set), 0);
    EXPECT_EQ(read_single("V:1\n2 3\n1 2 3 4 5 \xAE"
                          "a\xAF \xAE"
                          "b\xAF\n",
                          &set),
              0);
    EXPECT_EQ(set.rows, nullptr);
    EXPECT_EQ(set.ok, 0);
    BeamCut_Free_Row_Set(&multi);
    BeamCut_Clear_Cuts();
}

TEST(BeamCutReader, DeclaredHugeCountsCostNoMemoryAhead)
{
    // Two rows in a file that claims two billion: refused, not allocated.
    std::string text = Tool_Multi_Result(ToolResultSpec());
    text.replace(text.find("RESULTS\n4\n4\n"), 12, "RESULTS\n1000000000\n1000000000\n");
    BeamCutRowSet set = {};
    EXPECT_EQ(read_multi(text, 2, &set), 0);
    text.replace(text.find("RESULTS\n1000000000\n1000000000\n"), 30, "RESULTS\n2000000000\n2000000000\n");
    EXPECT_EQ(read_multi(text, 2, &set), 0);
    expect_empty(set);
    EXPECT_EQ(read_single("V:1\n2000000000 100000\n1 2\n", &set), 0);
    EXPECT_EQ(read_single("V:1\n2000000000 3\n1 2 3 4 5 \xAE\xAF \xAE\xAF\n", &set), 0);
}

// ---- the library's imports ------------------------------------------------------------

class BeamCutImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        BeamCut_Reset();
        Kov_Tools_Reset();
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Tool_Virtual_Reset();
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir = kovtest::kept_dir("hostenv_tools_tmp", "beamcut_" + name);
        ASSERT_FALSE(dir.empty());
        temp = dir + "/temp";
        exec = dir + "/exec";
        std::error_code ec;
        std::filesystem::create_directories(temp, ec);
        ASSERT_FALSE(ec) << temp;
        std::filesystem::create_directories(exec, ec);
        ASSERT_FALSE(ec) << exec;
        env.set("TEMP", temp);
        env.set("EXEC", exec);
        env.set("KOV_TOOL_HOLD_MS", "100");
        env.set("KOV_KRAWAHL_ARGS", dir + "/args.txt");
        env.unset("KOV_KRAWAHL_SOURCE");
        env.unset("KOV_BAUWAHL_ANSWER");
        std::memset(&component, 0, sizeof component);
        std::snprintf(component.name, sizeof component.name, "Dachbinder");
        std::snprintf(component.path, sizeof component.path, "%s/Pos12", dir.c_str());
        write_file(dir + "/Pos12.EX2", "exchange\n");
    }
    void TearDown() override
    {
        BeamCut_Reset();
        Kov_Tools_Reset();
        KOVUnregisterWindow(kTitle());
    }
    std::string dir, temp, exec;
    kovtest::ScopedEnv env;
    KovComponentSelection component;
};

TEST_F(BeamCutImport, AccessorsAnswerNothingBeforeAnImport)
{
    float out[12] = {};
    EXPECT_EQ(BeamCut_Get_Row_Values(0, out), 0);
    EXPECT_EQ(BeamCut_Get_Row_Id(0), 0);
    EXPECT_EQ(BeamCut_Get_Row_Value(0), 0.0f);
    EXPECT_EQ(BeamCut_Get_Row_Text(0), nullptr);
    EXPECT_EQ(BeamCut_Get_Row_Text2(0), nullptr);
    EXPECT_EQ(BeamCut_Get_Row_Info1(0), nullptr);
    EXPECT_EQ(BeamCut_Get_Row_Info5(0), nullptr);
    EXPECT_EQ(BeamCut_Get_Cut_Object(0), nullptr);
    EXPECT_EQ(BeamCut_Get_Cut_Count(0), 0);
    EXPECT_EQ(BeamCut_Get_Component_Name(), nullptr);
}

TEST_F(BeamCutImport, ImportsTwoCutsThroughTheStandInTool)
{
    Tool_Link(exec, "Krawahl", "Krawahl");
    EXPECT_EQ(BeamCut_Tool_Available(), 1);
    write_file(dir + "/source.res", Tool_Multi_Result(ToolResultSpec()));
    env.set("KOV_KRAWAHL_SOURCE", dir + "/source.res");
    char id1[] = "Strebe", id2[] = "Schwelle";
    char* ids[] = {id1, id2};

    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Import_BeamCutMultiResults0(&component, 1, 2, 3, -4, 2, ids), 8);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));

    EXPECT_EQ(read_file(dir + "/args.txt"), dir + "/Pos12.EX2\n1\n2\n3\n-4\n2\nStrebe\nSchwelle\n");
    EXPECT_TRUE(exists(dir + "/Pos12.EX2")); // the component's own file stays
    float out[12];
    ASSERT_EQ(BeamCut_Get_Row_Values(5, out), 1);
    EXPECT_FLOAT_EQ(out[0], 500.25f);
    EXPECT_FLOAT_EQ(out[11], 511.25f);
    EXPECT_EQ(BeamCut_Get_Row_Id(7), 8);
    EXPECT_FLOAT_EQ(BeamCut_Get_Row_Value(7), 7.5f);
    EXPECT_STREQ(BeamCut_Get_Row_Text(3), "T3");
    EXPECT_STREQ(BeamCut_Get_Row_Text2(3), "LK 4");
    EXPECT_EQ(BeamCut_Get_Row_Text(-1), nullptr);
    EXPECT_EQ(BeamCut_Get_Row_Text(8), nullptr);
    EXPECT_EQ(BeamCut_Get_Row_Values(8, out), 0);
    EXPECT_EQ(BeamCut_Get_Row_Info1(0), nullptr);
    EXPECT_EQ(BeamCut_Get_Cut_Count(1), 4);
    EXPECT_EQ(BeamCut_Get_Cut_Count(2), 0);
    ASSERT_NE(BeamCut_Get_Cut_Object(1), nullptr);
    EXPECT_EQ(BeamCut_Get_Cut_Object(1)->head.id, 11);
    EXPECT_EQ(BeamCut_Get_Cut_Object(-1), nullptr);
    EXPECT_STREQ(BeamCut_Get_Component_Name(), component.path);

    // The same component again, confirmed in the question.
    Kov_Script_Clear_Log();
    Kov_Script_Push("answer", 1, nullptr);
    EXPECT_EQ(Import_BeamCutMultiResults_Choose(0, 0, 0, 0, 2, ids), 8);
    const std::string log = Kov_Script_Log_Text();
    EXPECT_NE(log.find("Fill_Message Gleiches Bauteil\nFill_Message (Dachbinder)\nFill_Message wie zuvor?\n"
                       "Answer_is_Yes 1 -> 1\n"),
              std::string::npos)
        << log;

    BeamCut_Clear_Import();
    EXPECT_EQ(BeamCut_Get_Row_Id(0), 0);
    EXPECT_EQ(BeamCut_Get_Cut_Object(0), nullptr);
    EXPECT_EQ(BeamCut_Store_Cut_Count(), 0);
}

TEST_F(BeamCutImport, CancelledToolLeavesNoRowsAndAnOldResultIsNotRead)
{
    Tool_Link(exec, "Krawahl", "Krawahl");
    write_file(temp + "/Krawahl.res", Tool_Multi_Result(ToolResultSpec()));
    char id1[] = "1", id2[] = "2";
    char* ids[] = {id1, id2};
    EXPECT_EQ(Import_BeamCutMultiResults0(&component, 0, 0, 0, 0, 2, ids), 0);
    EXPECT_FALSE(exists(temp + "/Krawahl.res"));
    EXPECT_EQ(BeamCut_Get_Row_Id(0), 0);
}

TEST_F(BeamCutImport, ChoosesTheComponentInTheSelectionToolFirst)
{
    Tool_Link(exec, "Krawahl", "Krawahl");
    Tool_Link(exec, "Bauwahl", "Bauwahl");
    write_file(dir + "/answer.tmp", "7 8 \xAE"
                                    "Pfette\xAF \xAE\xAF \xAE\xAF \xAE" +
                                        dir + "/Pos12\xAF \xAE\xAF \xAE\xAF 0\n");
    env.set("KOV_BAUWAHL_ANSWER", dir + "/answer.tmp");
    write_file(dir + "/source.res", Tool_Multi_Result(ToolResultSpec()));
    env.set("KOV_KRAWAHL_SOURCE", dir + "/source.res");
    char id1[] = "1", id2[] = "2";
    char* ids[] = {id1, id2};
    ASSERT_EQ(Import_BeamCutMultiResults_Choose(0, 0, 0, 0, 2, ids), 8);
    ASSERT_NE(BeamCut_Last_Component(), nullptr);
    EXPECT_STREQ(BeamCut_Last_Component()->name, "Pfette");
    EXPECT_EQ(read_file(dir + "/args.txt").substr(0, dir.size() + 10), dir + "/Pos12.EX2");
}

TEST_F(BeamCutImport, SingleImportThroughTheStandInTool)
{
    Tool_Link(exec, "Krawahl", "Krawahl");
    write_file(dir + "/source.res", "V:1\n2 2\n1 2 5 0.5 \xAE"
                                    "a\xAF \xAE"
                                    "b\xAF\n"
                                    "3 4 6 1.5 \xAE"
                                    "c\xAF \xAE"
                                    "d\xAF\n"
                                    "2 Info\n\xAE"
                                    "1\xAF\xAE"
                                    "2\xAF\xAE"
                                    "3\xAF\xAE"
                                    "4\xAF\xAE"
                                    "5\xAF\n"
                                    "\xAE"
                                    "6\xAF\xAE"
                                    "7\xAF\xAE"
                                    "8\xAF\xAE"
                                    "9\xAF\xAE"
                                    "10\xAF\n");
    env.set("KOV_KRAWAHL_SOURCE", dir + "/source.res");
    ASSERT_EQ(Import_BeamCutResults(&component, 5, 6, 7, 8), 2);
    EXPECT_EQ(read_file(dir + "/args.txt"), dir + "/Pos12.EX2\n5\n6\n7\n8\n");
    float out[2];
    ASSERT_EQ(BeamCut_Get_Row_Values(1, out), 1);
    EXPECT_FLOAT_EQ(out[1], 4.0f);
    EXPECT_STREQ(BeamCut_Get_Row_Info1(0), "1");
    EXPECT_STREQ(BeamCut_Get_Row_Info3(1), "8");
    EXPECT_STREQ(BeamCut_Get_Row_Info5(1), "10");
    EXPECT_EQ(BeamCut_Get_Cut_Object(0), nullptr);
}

TEST_F(BeamCutImport, OpenToolWindowRefusesAndDeletesTheUnpackedExchangeFile)
{
    if (!exists("/usr/bin/7za")) GTEST_SKIP() << "7za is not installed";
    Tool_Link(exec, "Krawahl", "Krawahl");
    write_file(dir + "/AAAA.EX2", "packed exchange\n");
    kovtest::ToolOptions in_dir;
    in_dir.folder = dir;
    ASSERT_EQ(kovtest::Run_Tool({"7za", "a", "-bd", "packed.7z", "AAAA.EX2"}, in_dir).exit_code, 0);
    component.packed = 1;
    std::snprintf(component.archive, sizeof component.archive, "%s/packed.7z", dir.c_str());
    ASSERT_TRUE(KOVRegisterWindow(kTitle()));
    Kov_Script_Clear_Log();

    char id1[] = "1", id2[] = "2";
    char* ids[] = {id1, id2};
    EXPECT_EQ(Import_BeamCutMultiResults0(&component, 0, 0, 0, 0, 2, ids), 0);
    const std::string log = Kov_Script_Log_Text();
    EXPECT_EQ(log.find("KOVSpawnv"), std::string::npos) << log;
    EXPECT_NE(log.find(std::string("Init_Message\nFill_Message ") +
                       cp850("Das KOV-Werkzeug zur Auswahl von Schnittgrößen-") + "\nFill_Message " +
                       cp850("sätzen ist bereits aktiv. Bitte schließen Sie") +
                       "\nFill_Message das Fenster und versuchen es erneut.\nDraw_Message"),
              std::string::npos)
        << log;
    EXPECT_FALSE(exists(temp + "/AAAA.EX2"));
    EXPECT_TRUE(exists(temp + "/7zprot.txt")); // it was unpacked first
}

TEST_F(BeamCutImport, PackedComponentIsUnpackedForTheTool)
{
    if (!exists("/usr/bin/7za")) GTEST_SKIP() << "7za is not installed";
    Tool_Link(exec, "Krawahl", "Krawahl");
    write_file(dir + "/AAAA.EX2", "packed exchange\n");
    kovtest::ToolOptions in_dir;
    in_dir.folder = dir;
    ASSERT_EQ(kovtest::Run_Tool({"7za", "a", "-bd", "packed.7z", "AAAA.EX2"}, in_dir).exit_code, 0);
    component.packed = 1;
    std::snprintf(component.archive, sizeof component.archive, "%s/packed.7z", dir.c_str());
    write_file(dir + "/source.res", Tool_Multi_Result(ToolResultSpec()));
    env.set("KOV_KRAWAHL_SOURCE", dir + "/source.res");
    char id1[] = "1", id2[] = "2";
    char* ids[] = {id1, id2};
    // The tool reads the exchange file: it was there while the tool ran.
    EXPECT_EQ(Import_BeamCutMultiResults0(&component, 0, 0, 0, 0, 2, ids), 8);
    EXPECT_EQ(read_file(dir + "/args.txt").substr(0, temp.size() + 10), temp + "\\AAAA.EX2\n");
    EXPECT_FALSE(exists(temp + "/AAAA.EX2"));
}

TEST_F(BeamCutImport, FailuresBeforeTheToolStartNothing)
{
    Tool_Link(exec, "Krawahl", "Krawahl");
    write_file(dir + "/source.res", Tool_Multi_Result(ToolResultSpec()));
    env.set("KOV_KRAWAHL_SOURCE", dir + "/source.res");
    Kov_Tools_Set_Sleep(&Tool_Virtual_Sleep);
    char id[] = "c";
    char* ids[11] = {id, id, id, id, id, id, id, id, id, id, id};

    testing::internal::CaptureStdout();
    EXPECT_EQ(Import_BeamCutMultiResults0(&component, 0, 0, 0, 0, 11, ids), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Import_BeamCutMultiResults0: n=11 ? to much :-(\n");
    EXPECT_EQ(Import_BeamCutMultiResults0(&component, 0, 0, 0, 0, -1, ids), 0);
    EXPECT_EQ(Import_BeamCutMultiResults0(&component, 0, 0, 0, 0, 0, ids), 0);

    // A packed component whose archive is missing: the tool is not started.
    KovComponentSelection packed = component;
    packed.packed = 1;
    std::snprintf(packed.archive, sizeof packed.archive, "%s/missing.7z", dir.c_str());
    EXPECT_EQ(Import_BeamCutMultiResults0(&packed, 0, 0, 0, 0, 2, ids), 0);

    env.unset("EXEC");
    EXPECT_EQ(Import_BeamCutMultiResults0(&component, 0, 0, 0, 0, 2, ids), 0);
    EXPECT_EQ(BeamCut_Tool_Available(), 0);
    env.set("EXEC", dir + "/nowhere");
    EXPECT_EQ(Import_BeamCutMultiResults0(&component, 0, 0, 0, 0, 2, ids), 0);
    EXPECT_EQ(BeamCut_Tool_Available(), 0);
    env.set("EXEC", exec);
    env.unset("TEMP");
    EXPECT_EQ(Import_BeamCutMultiResults0(&component, 0, 0, 0, 0, 2, ids), 0);

    // Only the start from a folder without the tool was tried; nobody waited.
    const std::string log = Kov_Script_Log_Text();
    EXPECT_EQ(log.find("KOVSpawnv 2 " + exec), std::string::npos) << log;
    EXPECT_EQ(Tool_Virtual_Sleeps(), 0);
    EXPECT_FALSE(exists(dir + "/args.txt"));
}

TEST_F(BeamCutImport, NoComponentChosenIsNoImport)
{
    Kov_Tools_Set_Sleep(&Tool_Virtual_Sleep);
    Tool_Link(exec, "Krawahl", "Krawahl");
    // With a last component the question comes first; "no" leads to the
    // selection tool, which is not installed here.
    BeamCut_Set_Last_Component(&component);
    Kov_Script_Push("answer", 0, nullptr);
    char id1[] = "1", id2[] = "2";
    char* ids[] = {id1, id2};
    EXPECT_EQ(Import_BeamCutMultiResults_Choose(0, 0, 0, 0, 2, ids), 0);
    const std::string log = Kov_Script_Log_Text();
    EXPECT_NE(log.find("Answer_is_Yes 1 -> 0"), std::string::npos) << log;
    EXPECT_EQ(log.find("Krawahl"), std::string::npos) << log;
}
