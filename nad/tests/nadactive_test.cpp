// The one publisher of an annex's blocks.
#include <gtest/gtest.h>

#include "nad/nadactive.h"
#include "nad/nadfile.h"
#include "nad/nadlist.h"
#include "nad/tests/nadenv_fixture.h"

TEST(AnnexPublish, AllBlocksOfTheAnnexWithItsFlag)
{
    static NadRecord annex{};
    Nad_Default_Blocks(&annex);
    annex.na_de = 1; // the blocks still carry the recommended values' flags
    annex.ec5.na_de = 0;
    annex.ec3.na_de = 0;
    annex.ec9.na_de = 0;
    Nad_Publish_Blocks(&annex);
    EXPECT_EQ(ActiveNadEc5, &annex.ec5);
    EXPECT_EQ(ActiveNadEc3, &annex.ec3);
    EXPECT_EQ(ActiveNadEc9, &annex.ec9);
    EXPECT_EQ(Nad_Published_Record(), &annex);
    EXPECT_EQ(annex.ec5.na_de, 1);
    EXPECT_EQ(annex.ec3.na_de, 1);
    EXPECT_EQ(annex.ec9.na_de, 1);

    Nad_Publish_Blocks(nullptr);
    EXPECT_EQ(ActiveNadEc5, nullptr);
    EXPECT_EQ(ActiveNadEc3, nullptr);
    EXPECT_EQ(ActiveNadEc9, nullptr);
    EXPECT_EQ(Nad_Published_Record(), nullptr);
}

TEST(AnnexPublish, TheActiveAnnexAndItsReset)
{
    nadtest::AnnexEnv env;
    Nad_Publish_Active_Blocks();
    EXPECT_EQ(Nad_Published_Record(), Nad_Active_Record());
    EXPECT_EQ(ActiveNadEc5, Nad_Get_Ec5());
    EXPECT_EQ(ActiveNadEc3, Nad_Get_Ec3());
    EXPECT_EQ(ActiveNadEc9, Nad_Get_Ec9());
    // The German annex file's flag is on every published block.
    EXPECT_EQ(Nad_Get_Na_De(), 1);
    EXPECT_EQ(ActiveNadEc5->na_de, 1);
    EXPECT_EQ(ActiveNadEc3->na_de, 1);
    EXPECT_EQ(ActiveNadEc9->na_de, 1);
    Nad_Reset_Annex_State();
    EXPECT_EQ(Nad_Published_Record(), nullptr);
    EXPECT_EQ(ActiveNadEc5, nullptr);
}
