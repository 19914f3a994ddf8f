// Tests of the host services: number formatting, the current object from the environment,
// copies that keep the target, user settings, clipboard, the help window and the list viewer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/kovclock.h"
#include "platform/kovhost.h"
#include "platform/kovlocale.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

namespace {

using kovtest::read_file;
using kovtest::write_file;

std::string fmt(double v, int flags, int width, int decimals)
{
    char out[KOV_FORMAT_NUMBER_MAX];
    std::memset(out, 'Z', sizeof out);
    formatNumber(v, flags, width, 0, decimals, out);
    EXPECT_LT(std::strlen(out), size_t(KOV_FORMAT_NUMBER_MAX));
    return out;
}

// The names in a folder, sorted: a copy leaves no temporary file of any name behind.
std::vector<std::string> entries(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(FormatNumber, Flags)
{
    struct Case {
        double v;
        int flags, width, decimals;
        const char* text;
    } cases[] = {
        // plain: right-aligned fixed with the given decimals
        {2.5, 0, 6, 2, "  2.50"},
        {-2.5, 0, 6, 2, " -2.50"},
        {1234.5678, 0, 3, 2, "1234.57"}, // wider than width: never cut
        {0.125, 0, 0, 3, "0.125"},
        {-0.001, 0, 6, 2, "  0.00"}, // no "-0.00"
        // 16: no decimals
        {12.4, 16, 5, 3, "   12"},
        {-12.6, 16, 0, 2, "-13"},
        // 882: compact, no trailing zeros, no padding
        {2.5, 882, 10, 3, "2.5"},
        {3.0, 882, 10, 3, "3"},
        {-0.125, 882, 8, 4, "-0.125"},
        {100.0, 882, 8, 2, "100"},
        {-0.0004, 882, 8, 3, "0"},
        {1.23456, 882, 0, 2, "1.23"},
        // limits
        {1.5, 0, 200, 1, "                                     1.5"}, // width at most 40
        {1.0, 0, 0, -3, "1"},
    };
    for (const Case& c : cases) EXPECT_EQ(fmt(c.v, c.flags, c.width, c.decimals), c.text) << c.v << " " << c.flags;
    EXPECT_EQ(fmt(1.0 / 0.0, 0, 6, 2), "?");
    // Huge values stay within the buffer.
    EXPECT_EQ(fmt(1e300, 0, 10, 15).find('e') != std::string::npos, true);
}

TEST(FormatNumber, DecimalPointUnderAGermanLocale)
{
    Kov_Try_German_Locale();
    std::string a = fmt(2.5, 0, 6, 2), b = fmt(2.5, 882, 0, 3);
    Kov_Numeric_C_Locale();
    EXPECT_EQ(a, "  2.50");
    EXPECT_EQ(b, "2.5");
}

TEST(CurrentObject, FromTheEnvironmentAndHandedBack)
{
    kovtest::ScopedEnv env("KOV_CUROB_PRIVAT_DATAPATH", nullptr);
    env.unset("KOV_CUROB_APPLICATION_NUMBER");
    EXPECT_EQ(CurOb_Privat_Datapath(), nullptr);
    EXPECT_EQ(CurOb_Application_Number(), 0);
    EXPECT_EQ(KOV_Get_Data_Path(), nullptr);

    env.set("KOV_CUROB_PRIVAT_DATAPATH", "/data/q8");
    env.set("KOV_CUROB_APPLICATION_NUMBER", "52");
    env.set("KOV_CUROB_OBJECT_ID", "junk");
    env.set("KOV_CUROB_BASICNAME", "POS");
    EXPECT_STREQ(CurOb_Privat_Datapath(), "/data/q8");
    EXPECT_EQ(CurOb_Application_Number(), 52);
    EXPECT_EQ(CurOb_Object_Id(), 0);
    EXPECT_STREQ(CurOb_Basicname(), "POS");
    env.unset("KOV_CUROB_VERSIONSTRING");
    EXPECT_EQ(CurOb_Versionstring(), nullptr);

    Set_CurOb_Privat_Datapath("/elsewhere");
    Set_KOV_Data_Path("/elsewhere");
    EXPECT_STREQ(CurOb_Privat_Datapath(), "/elsewhere");
    EXPECT_STREQ(KOV_Get_Data_Path(), "/elsewhere");
    Set_CurOb_Privat_Datapath(nullptr);
    EXPECT_EQ(CurOb_Privat_Datapath(), nullptr);

    env.set("KOV_TEST_VALUE", "abc");
    EXPECT_STREQ(KOVGetEnv("KOV_TEST_VALUE"), "abc");
    env.unset("KOV_TEST_VALUE");
    EXPECT_EQ(KOVGetEnv("KOV_TEST_VALUE"), nullptr);
    EXPECT_EQ(KOVGetEnv(nullptr), nullptr);
}

TEST(Files, CopyKeepsTheTargetUnlessCompleteAndRemove)
{
    const std::string d = kovtest::kept_dir("platform_services_tmp", "copy");
    ASSERT_FALSE(d.empty());
    std::string bytes;
    for (int i = 0; i < 200000; ++i) bytes += char(i * 7);
    write_file(d + "/src.bin", bytes);
    write_file(d + "/old.bin", "old");

    EXPECT_NE(KOVCopyFile((d + "\\SRC.BIN").c_str(), (d + "/dst.bin").c_str(), 0), 0);
    EXPECT_EQ(read_file(d + "/dst.bin"), bytes);
    // With the flag an existing target stays.
    EXPECT_EQ(KOVCopyFile((d + "/src.bin").c_str(), (d + "/old.bin").c_str(), 1), 0);
    EXPECT_EQ(read_file(d + "/old.bin"), "old");
    EXPECT_NE(KOVCopyFile((d + "/src.bin").c_str(), (d + "/old.bin").c_str(), 0), 0);
    EXPECT_EQ(read_file(d + "/old.bin"), bytes);
    // A missing source changes nothing.
    write_file(d + "/keep.bin", "keep");
    EXPECT_EQ(KOVCopyFile((d + "/none.bin").c_str(), (d + "/keep.bin").c_str(), 0), 0);
    EXPECT_EQ(read_file(d + "/keep.bin"), "keep");
    // No temporary file is left behind.
    EXPECT_EQ(entries(d), (std::vector<std::string>{"dst.bin", "keep.bin", "old.bin", "src.bin"}));

    EXPECT_NE(KOVRemoveFile((d + "/DST.bin").c_str(), 0), 0);
    struct stat st;
    EXPECT_NE(::stat((d + "/dst.bin").c_str(), &st), 0);
    EXPECT_NE(KOVRemoveFile((d + "/dst.bin").c_str(), 0), 0); // already gone
    // Below a file nothing can exist: that counts as gone too.
    EXPECT_NE(KOVRemoveFile((d + "/keep.bin/x.bin").c_str(), 0), 0);
    // A folder cannot be removed as a file, and a name the system refuses
    // says nothing about the file: neither is reported as deleted.
    EXPECT_EQ(KOVRemoveFile(d.c_str(), 0), 0);
    EXPECT_EQ(KOVRemoveFile((d + "/" + std::string(5000, 'a')).c_str(), 0), 0);
}

// A copy onto the file itself leaves it whole, and a copy that cannot be
// finished (the size limit of the process plays a full disk) leaves the target
// as it was and no temporary file behind.
TEST(Files, CopyOntoItselfAndOntoAFullDiskKeepTheFiles)
{
    kovtest::TempDir tmp("kovcopy_");
    ASSERT_TRUE(tmp.ok());
    const std::string d = tmp.path();
    std::string bytes;
    for (int i = 0; i < 5000; ++i) bytes += char(i * 13);
    ASSERT_TRUE(write_file(d + "/src.bin", bytes));
    ASSERT_TRUE(write_file(d + "/old.bin", "old"));

    EXPECT_NE(KOVCopyFile((d + "/src.bin").c_str(), (d + "/SRC.BIN").c_str(), 0), 0);
    EXPECT_EQ(read_file(d + "/src.bin"), bytes);

    int copied = -1;
    {
        kovtest::FileSizeLimit full(1000);
        copied = KOVCopyFile((d + "/src.bin").c_str(), (d + "/old.bin").c_str(), 0);
    }
    EXPECT_EQ(copied, 0);
    EXPECT_EQ(read_file(d + "/old.bin"), "old");
    EXPECT_EQ(entries(d), (std::vector<std::string>{"old.bin", "src.bin"}));
}

TEST(UserSettings, FromTheEnvironmentBounded)
{
    kovtest::ScopedEnv env("KOV_USER_UseSheetOkShortKey", "13");
    env.unset("KOV_USER_UseSheetBreakShortKey");
    char buf[21];
    EXPECT_NE(KOVGetUserString("UseSheetOkShortKey", buf, 21), 0);
    EXPECT_STREQ(buf, "13");
    EXPECT_EQ(KOVGetUserString("UseSheetBreakShortKey", buf, 21), 0);
    EXPECT_STREQ(buf, "");
    env.set("KOV_USER_Long", "0123456789012345678901234567890");
    EXPECT_NE(KOVGetUserString("Long", buf, 21), 0);
    EXPECT_STREQ(buf, "01234567890123456789");
}

TEST(Clipboard, StoreWithoutApplicationBounded)
{
    EXPECT_EQ(KOVSetClipboardText("Tr\x84ger 12"), 1);
    char buf[5000];
    EXPECT_EQ(KOVGetClipboardText(buf, 5000), 9);
    EXPECT_STREQ(buf, "Tr\x84ger 12");
    char small[4];
    EXPECT_EQ(KOVGetClipboardText(small, 4), 3);
    EXPECT_STREQ(small, "Tr\x84");
}

TEST(HelpAndListViewer, LoggedInScriptedMode)
{
    kovtest::ScopedEnv env("KOV_OLI_VIEWER", nullptr);
    env.set("DATA", nullptr);
    kovtest::TempDir d;
    ASSERT_TRUE(write_file(d / "q8_nelu52.html", "<html><body><a name=\"optionen\"></a>Hilfe</body></html>"));
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    EXPECT_EQ(Helpview("haupt"), 0); // not prepared yet
    EXPECT_EQ(Init_Helpview(d.path().c_str(), "Q8_NELU52.HLP"), 1);
    EXPECT_EQ(Helpview("optionen"), 1);
    EXPECT_EQ(Quick_OLI_View("POS", "C:\\pos\\POS_01.oli"), 0);
    EXPECT_EQ(Quick_OLI_Print("POS", "C:\\pos\\POS_01.oli"), 0);
    EXPECT_EQ(std::string(Kov_Script_Log_Text()), "Helpview haupt\n"
                                                  "Init_Helpview " +
                                                      d.path() +
                                                      " Q8_NELU52.HLP\n"
                                                      "Helpview optionen\n"
                                                      "Helpview document " +
                                                      d.path() +
                                                      "/q8_nelu52.html\n"
                                                      "Quick_OLI_View POS C:\\pos\\POS_01.oli\n"
                                                      "Quick_OLI_Print POS C:\\pos\\POS_01.oli\n");
}

TEST(HelpAndListViewer, BatchLogsOnStandardError)
{
    kovtest::ScopedEnv env("KOV_OLI_VIEWER", nullptr);
    env.set("DATA", nullptr);
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    testing::internal::CaptureStderr();
    Init_Helpview("/data/q8", "Q8_NELU52.HLP");
    EXPECT_EQ(Helpview("haupt"), 0);
    Quick_OLI_View("POS", "/pos/POS_01.oli");
    // A missing help file is named, never passed over in silence.
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Helpview: Die Hilfedatei wurde nicht gefunden: /data/q8/Q8_NELU52.HLP\n"
              "Quick_OLI_View: POS /pos/POS_01.oli\n");
}

TEST(HelpAndListViewer, ViewerProgramGetsTheListPath)
{
    kovtest::ScopedEnv env;
    const std::string d = kovtest::kept_dir("platform_services_tmp", "viewer");
    ASSERT_FALSE(d.empty());
    const std::string probe = std::string(KOV_TOOLS_DIR) + "/kov_spawn_probe";
    const std::string out = d + "/args.txt";
    env.set("KOV_OLI_VIEWER", probe);
    env.set("KOV_PROBE_OUT", out);
    write_file(d + "/POS_01.oli", "#NEWPAGE\n");
    // Printing waits for the program.
    EXPECT_EQ(Quick_OLI_Print("POS", (d + "\\pos_01.OLI").c_str()), 0);
    EXPECT_EQ(read_file(out), "--print\n" + d + "/POS_01.oli\n");
    std::remove(out.c_str());
    // Viewing does not wait.
    EXPECT_EQ(Quick_OLI_View("POS", (d + "/POS_01.oli").c_str()), 0);
    const int64_t end = Kov_Clock_Ms() + 10000;
    while (read_file(out).empty() && Kov_Clock_Ms() < end) KOVSleep(20);
    EXPECT_EQ(read_file(out), d + "/POS_01.oli\n");
}
