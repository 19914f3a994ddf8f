// Selecting the active annex by name, the warning for a missing annex and the
// ACTIV_NADNAME block of other programs' data files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "base/kovmem.h"
#include "nad/nadfile.h"
#include "nad/nadselect.h"
#include "nad/tests/nadenv_fixture.h"
#include "nad/tests/nadrec_fixture.h"
#include "platform/kovcp.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

using kovtest::contents;
using kovtest::stream_of;
using nadtest::AnnexEnv;
using nadtest::ScriptedHost;

namespace {

void store_user(int n, const char* name, double gamma_connections)
{
    std::unique_ptr<NadRecord> r(new NadRecord());
    nadtest::Default_Blocks(r.get());
    r->flag_index = 5;
    std::snprintf(r->name, sizeof r->name, "%s", name);
    r->ec5.gamma_m_connections = gamma_connections;
    ASSERT_EQ(Nad_Store_User_Nad(n, r.get()), 1);
}

// The warning sheet with the requested name and "Deutschland" in its boxes
// (the sheet and its area centred on the 1024 x 768 screen).
bool warned_about(const std::string& log, const char* requested)
{
    return log.find("Define_Prop_Sheet 382 272 642 496 1 0 Warnung 16 1\n") != std::string::npos &&
           log.find(std::string("pxText 406 350 ") + requested + "\n") != std::string::npos &&
           log.find("pxText 406 425 Deutschland\n") != std::string::npos &&
           log.find("pxText 402 368 kann nicht gefunden werden.\n") != std::string::npos;
}

} // namespace

TEST(AnnexSelect, NoNameAndLocalDefinitionsActivateGermany)
{
    AnnexEnv env;
    ScriptedHost host;
    EXPECT_EQ(Nad_Select_By_Name(nullptr), 1);
    EXPECT_STREQ(NadActiveName, "Deutschland");
    EXPECT_EQ(Nad_Select_By_Name("lokale Definitionen"), 1);
    EXPECT_STREQ(NadActiveName, "Deutschland");
    EXPECT_EQ(Nad_Get_Ec5()->k_cr_mode, 2);
    EXPECT_EQ(host.log().find("Warnung"), std::string::npos);
}

TEST(AnnexSelect, ListedNameIsActivated)
{
    AnnexEnv env;
    ScriptedHost host;
    std::filesystem::create_directories(env.nads());
    store_user(1, "Eins", 1.31);
    EXPECT_EQ(Nad_Select_By_Name("Eins"), 0);
    EXPECT_STREQ(NadActiveName, "Eins");
    EXPECT_DOUBLE_EQ(Nad_Get_Ec5()->gamma_m_connections, 1.31);
    EXPECT_EQ(Nad_Select_By_Name("EC-Standardparameter"), 0);
    EXPECT_EQ(Nad_Get_Ec5()->k_cr_mode, 1);
    EXPECT_EQ(host.log().find("Warnung"), std::string::npos);
}

TEST(AnnexSelect, TheActiveNameItselfMayBeGiven)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    store_user(1, "Eins", 1.31);
    ASSERT_EQ(Nad_Select_By_Name("Eins"), 0);
    EXPECT_EQ(Nad_Select_By_Name(NadActiveName), 0);
    EXPECT_STREQ(NadActiveName, "Eins");
    EXPECT_DOUBLE_EQ(Nad_Get_Ec5()->gamma_m_connections, 1.31);
}

TEST(AnnexSelect, UnknownNameActivatesGermanyAndWarns)
{
    AnnexEnv env;
    ScriptedHost host;
    EXPECT_EQ(Nad_Select_By_Name("Gibt es nicht"), 0);
    EXPECT_STREQ(NadActiveName, "Deutschland");
    EXPECT_EQ(Nad_Get_Ec5()->k_cr_mode, 2);
    EXPECT_TRUE(warned_about(host.log(), "Gibt es nicht"));
}

TEST(AnnexSelect, WarningInBatchRunsGoesToStandardError)
{
    AnnexEnv env;
    // The terminal gets the warning in its own character set: a German UTF-8 one.
    kovtest::ScopedEnv terminal("LC_ALL", nullptr);
    terminal.set("LC_CTYPE", nullptr);
    terminal.set("LANG", "de_DE.UTF-8");
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Nad_Select_By_Name("Gibt es nicht"), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    Kov_Set_Ui_Mode(-1);
    EXPECT_EQ(err, std::string("[Warnung]\n"
                               "Das mit dem Programm verknüpfte NAD\n"
                               "Gibt es nicht\n"
                               "kann nicht gefunden werden.\n"
                               "Um die Stabilität des Programms zu\n"
                               "gewährleisten, wird auf das NAD\n"
                               "Deutschland\n"
                               "umgeschaltet. Wenn Sie dies\n"
                               "nicht wünschen, wählen Sie\n"
                               "bitte ein anderes NAD aus.\n"));
}

TEST(AnnexSelect, ActivNadnameBlockRoundTrips)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    store_user(1, cp850("Mäßig"), 1.31);
    ASSERT_EQ(Nad_Select_By_Name(cp850("Mäßig")), 0);

    FILE* a = tmpfile();
    ASSERT_NE(a, nullptr);
    fputs("Daten der Position\n 1 2 3\n", a);
    Nad_Write_Activ_Nadname(a);
    const std::string first = contents(a);
    EXPECT_EQ(first, std::string("Daten der Position\n 1 2 3\n\n\nACTIV_NADNAME\n\xAE"
                                 "M\x84\xE1ig\xAF\n"));

    // a new run reads the block back and writes the same bytes again
    Nad_Reset_Annex_State();
    Nad_Read_Activ_Nadname(a);
    fclose(a);
    EXPECT_STREQ(NadActiveName, "M\x84\xE1ig");
    EXPECT_DOUBLE_EQ(Nad_Get_Ec5()->gamma_m_connections, 1.31);
    FILE* b = tmpfile();
    ASSERT_NE(b, nullptr);
    fputs("Daten der Position\n 1 2 3\n", b);
    Nad_Write_Activ_Nadname(b);
    EXPECT_EQ(contents(b), first);
    fclose(b);
}

TEST(AnnexSelect, WritingWithoutActiveAnnexActivatesGermany)
{
    AnnexEnv env;
    FILE* f = tmpfile();
    ASSERT_NE(f, nullptr);
    Nad_Write_Activ_Nadname(f);
    EXPECT_EQ(contents(f), std::string("\n\nACTIV_NADNAME\n\xAE"
                                       "Deutschland\xAF\n"));
    fclose(f);
    EXPECT_EQ(Nad_Get_Ec5()->k_cr_mode, 2);
    Nad_Write_Activ_Nadname(nullptr);
}

TEST(AnnexSelect, BlockNamingAVanishedAnnexWarns)
{
    AnnexEnv env;
    ScriptedHost host;
    FILE* f = stream_of("x\n\n\nACTIV_NADNAME\n\xAE"
                        "Alter Anhang\xAF\n");
    Nad_Read_Activ_Nadname(f);
    fclose(f);
    EXPECT_STREQ(NadActiveName, "Deutschland");
    EXPECT_TRUE(warned_about(host.log(), "Alter Anhang"));
}

TEST(AnnexSelect, FilesWithoutBlockOrNameActivateGermanyQuietly)
{
    AnnexEnv env;
    ScriptedHost host;
    std::filesystem::create_directories(env.nads());
    store_user(1, "Eins", 1.31);
    for (const char* text : {"", "nur Daten\n 1 2\n", "\n\nACTIV_NADNAME\n", "\n\nACTIV_NADNAME\n\xAE\xAF\n",
                             "\n\nACTIV_NADNAME\nEins\n"}) {
        ASSERT_EQ(Nad_Select_By_Name("Eins"), 0);
        FILE* f = stream_of(text);
        Nad_Read_Activ_Nadname(f);
        fclose(f);
        EXPECT_STREQ(NadActiveName, "Deutschland") << text;
        EXPECT_EQ(Nad_Get_Ec5()->k_cr_mode, 2);
    }
    Nad_Read_Activ_Nadname(nullptr);
    EXPECT_STREQ(NadActiveName, "Deutschland");
    EXPECT_EQ(host.log().find("Warnung"), std::string::npos);
}
