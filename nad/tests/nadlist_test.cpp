// The annex list and the active annex in a private installation: first use,
// user annexes, activation by list entry, missing files, the getters and the
// published block pointers.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "base/kovtxt.h"
#include "nad/nadactive.h"
#include "nad/nadfile.h"
#include "nad/nadsupplied.h"
#include "nadenv_fixture.h"
#include "nadrec_fixture.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

using kovtest::exists;
using kovtest::read_file;
using kovtest::write_file;
using nadtest::AnnexEnv;
using nadtest::CollectedMessages;
using nadtest::Default_Blocks;
using nadtest::RecordBox;

namespace {

// Stores a user annex n named name whose connections factor marks it.
void store_user(int n, const char* name, double gamma_connections, int flag = 5)
{
    RecordBox r;
    Default_Blocks(r.get());
    r->flag_index = flag;
    std::snprintf(r->name, sizeof r->name, "%s", name);
    r->ec5.gamma_m_connections = gamma_connections;
    ASSERT_EQ(Nad_Store_User_Nad(n, r.get()), 1);
}

void set_active(const char* name)
{
    Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
    NadActiveName = Mem_Strdup(name);
}

// The head line of the active record, as Nad_Write_Active_File writes it.
std::string active_head(const AnnexEnv& env)
{
    const std::string stem = env.dram() + "/aktiv";
    EXPECT_EQ(Nad_Write_Active_File(stem.c_str()), 1);
    const std::string bytes = read_file(stem + "_EC2.NAD");
    const size_t start = bytes.find('\n', bytes.find('\n') + 1) + 1;
    return bytes.substr(start, bytes.find('\n', start) - start);
}

size_t count_of(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

} // namespace

TEST(AnnexList, FirstUseListsTheBuiltInAnnexesAndLoadsGermany)
{
    AnnexEnv env;
    ASSERT_FALSE(exists(env.nads()));
    const NadEc5Record* ec5 = Nad_Get_Ec5();
    ASSERT_NE(ec5, nullptr);
    EXPECT_TRUE(std::filesystem::is_directory(env.nads()));

    ASSERT_EQ(NadList.count, 2);
    EXPECT_STREQ(NadList.names[0], "EC-Standardparameter");
    EXPECT_EQ(NadList.flag_index[0], 19);
    EXPECT_EQ(NadList.user_number[0], 0);
    EXPECT_STREQ(NadList.names[1], "Deutschland");
    EXPECT_EQ(NadList.flag_index[1], 18);
    EXPECT_EQ(NadList.user_number[1], 0);
    EXPECT_STREQ(NadActiveName, "Deutschland");
    EXPECT_STREQ(Nad_Get_Active_Name(), "Deutschland");
    EXPECT_STREQ(Nad_Get_Display_Name(), "Deutschland");
    EXPECT_EQ(Nad_Get_Flag_Index(), 18);

    // the supplied Deutschland.NAD with its na_de in every block
    EXPECT_EQ(Nad_Get_Na_De(), 1);
    EXPECT_EQ(ec5->na_de, 1);
    EXPECT_EQ(Nad_Get_Ec2()->na_de, 1);
    EXPECT_EQ(Nad_Get_Ec3()->na_de, 1);
    EXPECT_EQ(Nad_Get_Ec6()->na_de, 1);
    EXPECT_EQ(Nad_Get_Ec9()->na_de, 1);
    EXPECT_EQ(Nad_Get_Ec1()->set_number, 2);
    EXPECT_EQ(ec5->k_cr_mode, 2);
    EXPECT_EQ(active_head(env), " 18 \xAE"
                                "Deutschland\xAF 1");
}

TEST(AnnexList, PublishedPointersShowTheGermanAnnex)
{
    AnnexEnv env;
    ASSERT_EQ(ActiveNadEc5, nullptr);
    Nad_Publish_Active_Blocks();
    ASSERT_NE(ActiveNadEc5, nullptr);
    ASSERT_NE(ActiveNadEc3, nullptr);
    ASSERT_NE(ActiveNadEc9, nullptr);
    EXPECT_EQ(ActiveNadEc5->k_cr_mode, 2);
    EXPECT_DOUBLE_EQ(ActiveNadEc5->gamma_m_solid, 1.3);
    EXPECT_DOUBLE_EQ(ActiveNadEc3->ec31.gamma_m1, 1.1);
    EXPECT_DOUBLE_EQ(ActiveNadEc9->gamma_m2, 1.25);
}

TEST(AnnexList, PointersStayTheSameAcrossActivations)
{
    AnnexEnv env;
    Nad_Publish_Active_Blocks();
    NadEc5Record* ec5 = ActiveNadEc5;
    NadEc3Record* ec3 = ActiveNadEc3;
    NadEc9Record* ec9 = ActiveNadEc9;

    set_active("EC-Standardparameter");
    EXPECT_EQ(Nad_Activate(), 1);
    EXPECT_EQ(Nad_Get_Ec5(), ec5);
    EXPECT_EQ(Nad_Get_Ec3(), ec3);
    EXPECT_EQ(Nad_Get_Ec9(), ec9);
    EXPECT_EQ(ec5->k_cr_mode, 1); // the values behind the pointers changed
    EXPECT_DOUBLE_EQ(ec5->gamma_m_lvl, 1.2);
    EXPECT_DOUBLE_EQ(ec3->ec31.gamma_m1, 1.0);

    set_active("Deutschland");
    EXPECT_EQ(Nad_Activate(), 1);
    EXPECT_EQ(Nad_Get_Ec5(), ec5);
    EXPECT_EQ(ec5->k_cr_mode, 2);
}

TEST(AnnexList, UserFilesAreListedUpToTheFirstGap)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    store_user(1, "Eins", 1.31, 3);
    store_user(2, "Zwei", 1.32, 4);
    store_user(4, "Vier", 1.34, 6);

    Nad_Build_List();
    ASSERT_EQ(NadList.count, 4);
    EXPECT_STREQ(NadList.names[2], "Eins");
    EXPECT_EQ(NadList.flag_index[2], 3);
    EXPECT_EQ(NadList.user_number[2], 1);
    EXPECT_STREQ(NadList.names[3], "Zwei");
    EXPECT_EQ(NadList.flag_index[3], 4);
    EXPECT_EQ(NadList.user_number[3], 2);

    // a rebuild reads the user entries again
    ASSERT_EQ(Nad_Store_User_Nad(2, nullptr), 1);
    Nad_Build_List();
    EXPECT_EQ(NadList.count, 3);
    EXPECT_STREQ(NadList.names[1], "Deutschland");
}

TEST(AnnexList, ActivatingAUserAnnexLoadsItsFile)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    store_user(1, "Eins", 1.31);
    store_user(2, "Meine Werte", 1.42, 7);
    Nad_Build_List();
    set_active("Meine Werte");
    EXPECT_EQ(Nad_Activate(), 1);
    EXPECT_EQ(NadActiveFlagIndex, 7);
    EXPECT_DOUBLE_EQ(Nad_Get_Ec5()->gamma_m_connections, 1.42);
    EXPECT_EQ(Nad_Get_Na_De(), 0);
    EXPECT_STREQ(Nad_Get_Display_Name(), "Meine Werte (benutzerdefiniert)");
}

// A user annex cut off anywhere, or bytes that are no annex at all: the list
// and the activation work without fault, and the file itself is never written.
TEST(AnnexList, CutAndBinaryUserFilesAreReadWithoutFault)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    store_user(1, "Meine Werte", 1.42, 7);
    const std::string whole = read_file(env.user_file(1));
    ASSERT_GT(whole.size(), 100u);
    CollectedMessages messages;
    for (size_t n = 0; n < whole.size(); n += 7) {
        const std::string cut = whole.substr(0, n);
        ASSERT_TRUE(write_file(env.user_file(1), cut));
        Nad_Reset_Annex_State();
        Nad_Build_List();
        ASSERT_EQ(NadList.count, 3) << n;
        set_active(NadList.names[2]);
        Nad_Activate();
        EXPECT_GT(Nad_Get_Ec5()->gamma_m_connections, 0.0) << n;
        EXPECT_EQ(read_file(env.user_file(1)), cut) << n;
    }

    std::string junk;
    for (int i = 0; i < 20000; ++i) junk += char((i * 131 + 7) % 256);
    ASSERT_TRUE(write_file(env.user_file(1), junk));
    Nad_Reset_Annex_State();
    Nad_Build_List();
    ASSERT_EQ(NadList.count, 3);
    EXPECT_LT(std::strlen(NadList.names[2]), (size_t)TXT_GUILLEMETS_SIZE);
    set_active(NadList.names[2]);
    EXPECT_EQ(Nad_Activate(), 0);
    RecordBox def;
    Default_Blocks(def.get());
    EXPECT_EQ(Nad_Differs_Ec5(Nad_Get_Ec5(), &def->ec5), 0);
    EXPECT_EQ(read_file(env.user_file(1)), junk);
}

TEST(AnnexList, TheFirstOfTwoEqualNamesWins)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    store_user(1, "Gleich", 1.31);
    store_user(2, "Gleich", 1.32);
    Nad_Build_List();
    set_active("Gleich");
    EXPECT_EQ(Nad_Activate(), 1);
    EXPECT_DOUBLE_EQ(Nad_Get_Ec5()->gamma_m_connections, 1.31);
}

TEST(AnnexList, EntryZeroLoadsStandardNad)
{
    AnnexEnv env;
    // mark the supplied Standard.NAD so that its values can be told apart
    RecordBox s;
    Nad_Build_Standard(s.get());
    s->ec5.gamma_m_connections = 1.11;
    FILE* f = fopen((env.data() + "/NAD/Standard.NAD").c_str(), "w");
    ASSERT_NE(f, nullptr);
    Nad_Write_File(f, s.get());
    fclose(f);

    Nad_Build_List();
    set_active("EC-Standardparameter");
    EXPECT_EQ(Nad_Activate(), 1);
    EXPECT_DOUBLE_EQ(Nad_Get_Ec5()->gamma_m_connections, 1.11);
    EXPECT_EQ(Nad_Get_Na_De(), 0);
    EXPECT_EQ(Nad_Get_Flag_Index(), 19);
    EXPECT_STREQ(Nad_Get_Display_Name(), "EC-Standardparameter");
}

TEST(AnnexList, UnlistedNameFallsBackToGermany)
{
    AnnexEnv env;
    Nad_Build_List();
    set_active("Verschwunden");
    EXPECT_EQ(Nad_Activate(), 1);
    EXPECT_STREQ(NadActiveName, "Deutschland");
    EXPECT_EQ(NadActiveFlagIndex, 18);
    EXPECT_EQ(Nad_Get_Ec5()->k_cr_mode, 2);
}

TEST(AnnexList, MissingGermanFileKeepsTheRecommendedValuesAndSaysSo)
{
    AnnexEnv env(false);
    CollectedMessages messages;
    const NadEc5Record* ec5 = Nad_Get_Ec5();
    RecordBox def;
    Default_Blocks(def.get());
    EXPECT_EQ(Nad_Differs_Ec5(ec5, &def->ec5), 0);
    EXPECT_EQ(ec5->k_cr_mode, 1);
    EXPECT_EQ(Nad_Get_Na_De(), 0);
    EXPECT_STREQ(Nad_Get_Active_Name(), "Deutschland");
    EXPECT_EQ(active_head(env), " 19 \xAE"
                                "EC-Standard\xAF 0");

    const std::string text = messages.text();
    EXPECT_NE(text.find("WARNUNG"), std::string::npos) << text;
    EXPECT_NE(text.find("Deutschland.NAD"), std::string::npos) << text;

    set_active("Deutschland");
    EXPECT_EQ(Nad_Activate(), 0);
    EXPECT_STREQ(Nad_Unused_File(), "Deutschland.NAD");
}

// Which file the active annex misses follows each activation: the file once
// it is there again, the warning again when another activation misses it.
TEST(AnnexList, UnusedFileFollowsTheActivation)
{
    AnnexEnv env;
    Msg_Reset();
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    auto told = [] { return count_of(Kov_Script_Log_Text(), "PrintMessage WARNUNG: Die Datei Deutschland.NAD"); };
    EXPECT_STREQ(Nad_Get_Active_Name(), "Deutschland");
    EXPECT_STREQ(Nad_Unused_File(), "");
    const std::string german = env.data() + "/NAD/Deutschland.NAD";
    const std::string kept = german + ".weg";
    ASSERT_EQ(std::rename(german.c_str(), kept.c_str()), 0);
    // A program activates its annex more than once while it starts: the
    // user is told once.
    for (int i = 0; i < 2; ++i) {
        set_active("Deutschland");
        EXPECT_EQ(Nad_Activate(), 0);
        EXPECT_STREQ(Nad_Unused_File(), "Deutschland.NAD");
        EXPECT_EQ(told(), 1u) << Kov_Script_Log_Text();
    }
    ASSERT_EQ(std::rename(kept.c_str(), german.c_str()), 0);
    set_active("Deutschland");
    EXPECT_EQ(Nad_Activate(), 1);
    EXPECT_STREQ(Nad_Unused_File(), "");
    EXPECT_EQ(Nad_Get_Na_De(), 1);
    // Missing again after it was read: told again.
    ASSERT_EQ(std::rename(german.c_str(), kept.c_str()), 0);
    set_active("Deutschland");
    EXPECT_EQ(Nad_Activate(), 0);
    EXPECT_STREQ(Nad_Unused_File(), "Deutschland.NAD");
    EXPECT_EQ(told(), 2u) << Kov_Script_Log_Text();
    Kov_Set_Ui_Mode(-1);
}

TEST(AnnexList, NameSetWithoutActivationGivesTheRecommendedValues)
{
    AnnexEnv env;
    set_active("Deutschland");
    EXPECT_EQ(Nad_Get_Ec5()->k_cr_mode, 1);
    EXPECT_EQ(Nad_Get_Na_De(), 0);
    EXPECT_EQ(active_head(env), " 19 \xAE"
                                "EC-Standard\xAF 0");
}

TEST(AnnexList, LongNamesStayInTheirBuffers)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    const std::string name(99, 'L');
    const std::string file = "NAD/Version 1\n\n 5 \xAE" + name + "\xAF 0\n";
    ASSERT_TRUE(write_file(env.user_file(1), file));
    Nad_Build_List();
    ASSERT_EQ(NadList.count, 3);
    EXPECT_EQ(std::string(NadList.names[2]), name);

    set_active(name.c_str());
    EXPECT_EQ(Nad_Activate(), 1);
    EXPECT_EQ(std::string(NadActiveName), name); // still the listed annex
    EXPECT_EQ(Nad_Get_Flag_Index(), 5);
    EXPECT_EQ(std::string(Nad_Get_Display_Name()), name + " (benutzerdefiniert)");
    EXPECT_EQ(active_head(env), " 5 \xAE" + name.substr(0, 27) + "\xAF 0");

    // a name longer than any file holds, set by other code
    const std::string longer(300, 'X');
    set_active(longer.c_str());
    const std::string shown = Nad_Get_Display_Name();
    EXPECT_LT(shown.size(), 128u);
    EXPECT_EQ(shown.substr(shown.size() - 20), " (benutzerdefiniert)");
}

TEST(AnnexList, TheListStopsAtItsCapacity)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    for (int n = 1; n <= 305; ++n)
        ASSERT_TRUE(write_file(env.user_file(n), "NAD/Version 1\n\n 5 \xAE"
                                                 "A" +
                                                     std::to_string(n) + "\xAF 0\n"));
    Nad_Build_List();
    EXPECT_EQ(NadList.count, 300);
    EXPECT_STREQ(NadList.names[299], "A298");
    EXPECT_EQ(NadList.user_number[299], 298);
}

TEST(AnnexList, WritesTheActiveRecordToANamedFile)
{
    AnnexEnv env;
    const std::string stem = env.dram() + "/Position";
    EXPECT_EQ(Nad_Write_Active_File(stem.c_str()), 1);
    EXPECT_STREQ(NadActiveName, "Deutschland");
    EXPECT_EQ(read_file(stem + "_EC2.NAD"), read_file(env.data() + "/NAD/Deutschland.NAD"));
    EXPECT_FALSE(exists(stem + "_EC2.NAD.tmp"));
    EXPECT_EQ(Nad_Write_Active_File((env.dram() + "/fehlt/Position").c_str()), 0);
    EXPECT_EQ(Nad_Write_Active_File(nullptr), 0);
}

TEST(AnnexList, GermanConcreteValuesForOtherNorms)
{
    AnnexEnv env;
    NadEc2Record r;
    std::memset(&r, 0, sizeof r);
    EXPECT_EQ(Nad_Default_Ec2_De(&r), &r);
    EXPECT_DOUBLE_EQ(r.gamma_c[0], 1.5);
    EXPECT_DOUBLE_EQ(r.gamma_c[3], 1.3);
    EXPECT_DOUBLE_EQ(r.alpha_cc, 0.85);
    EXPECT_EQ(r.na_de, 1);
    EXPECT_EQ(r.version, 1);
    EXPECT_EQ(Nad_Default_Ec2_De(nullptr), nullptr);
}

TEST(AnnexList, GermanConcreteValuesWithoutTheFileAreNoZeros)
{
    AnnexEnv env(false);
    CollectedMessages messages;
    NadEc2Record r;
    std::memset(&r, 0, sizeof r);
    Nad_Default_Ec2_De(&r);
    EXPECT_DOUBLE_EQ(r.gamma_c[0], 1.5);
    EXPECT_DOUBLE_EQ(r.gamma_s[0], 1.15);
    EXPECT_NE(messages.text().find("WARNUNG"), std::string::npos);
}

TEST(AnnexList, ResetReturnsToTheStart)
{
    AnnexEnv env;
    Nad_Publish_Active_Blocks();
    Nad_Reset_Annex_State();
    EXPECT_EQ(NadList.count, 0);
    EXPECT_EQ(NadActiveName, nullptr);
    EXPECT_EQ(NadActiveFlagIndex, -1);
    EXPECT_EQ(ActiveNadEc5, nullptr);
    EXPECT_EQ(ActiveNadEc3, nullptr);
    EXPECT_EQ(ActiveNadEc9, nullptr);
    EXPECT_EQ(Nad_Get_Ec5()->k_cr_mode, 2); // and everything works again
}
