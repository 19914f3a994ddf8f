// The warning for a name that is not listed, in a program without the annex
// pages: a message window, or whatever sheet a program installs.
#include <gtest/gtest.h>

#include <string>

#include "nad/nadlist.h"
#include "nad/nadselect.h"
#include "nad/tests/nadenv_fixture.h"
#include "platform/kovhost.h"
#include "platform/kovscript.h"

using nadtest::AnnexEnv;

namespace {

// The message window given back at the end of a test.
struct ScriptedWarnings : nadtest::ScriptedHost {
    ~ScriptedWarnings() { Nad_Set_Warning_Shower(nullptr); }
};

std::string g_requested, g_active;

int record_warning(const char* requested, const char* active)
{
    g_requested = requested;
    g_active = active;
    return 7;
}

} // namespace

TEST(AnnexWarning, WithoutPagesTheMessageWindowWarnsEvenWithAScreen)
{
    AnnexEnv env;
    ScriptedWarnings host;
    EXPECT_EQ(Nad_Select_By_Name("Gibt es nicht"), 0);
    EXPECT_STREQ(NadActiveName, "Deutschland");
    const std::string log = host.log();
    EXPECT_NE(log.find("Set_Message_Title Warnung\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Fill_Message Gibt es nicht\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Fill_Message Deutschland\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("Define_Prop_Sheet"), std::string::npos) << log;
}

TEST(AnnexWarning, AnInstalledShowerGetsBothNamesAndGivesItsResult)
{
    AnnexEnv env;
    ScriptedWarnings host;
    Nad_Set_Warning_Shower(record_warning);
    EXPECT_EQ(Nad_Select_By_Name("Gibt es nicht"), 7);
    EXPECT_EQ(g_requested, "Gibt es nicht");
    EXPECT_EQ(g_active, "Deutschland");
    EXPECT_EQ(host.log().find("Set_Message_Title"), std::string::npos);
    // A listed name warns nobody.
    g_requested.clear();
    EXPECT_EQ(Nad_Select_By_Name("Deutschland"), 0);
    EXPECT_TRUE(g_requested.empty());
    // null gives the message window back.
    Nad_Set_Warning_Shower(nullptr);
    EXPECT_EQ(Nad_Select_By_Name("Gibt es nicht"), 0);
    EXPECT_NE(host.log().find("Set_Message_Title Warnung\n"), std::string::npos);
}
