// Tests of the paths the core's list services hand on: a list's path from the root and the PDF
// beside it; and of the hooks through which the GUI part offers its windows.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/kovgui.h"

// A relative name is named from the working folder, so that a message can say where the file
// is; a name from the root stays as it is.
TEST(ListPaths, RelativeNamesAreTakenFromTheWorkingFolder)
{
    char* cwd = ::getcwd(nullptr, 0);
    ASSERT_NE(cwd, nullptr);
    const std::string here(cwd);
    std::free(cwd);
    EXPECT_EQ(Oli_Absolute_Path("POS_01.oli"), here + "/POS_01.oli");
    EXPECT_EQ(Oli_Absolute_Path("./POS_01.oli"), here + "/POS_01.oli");
    EXPECT_EQ(Oli_Absolute_Path("/pos/POS_01.oli"), "/pos/POS_01.oli");
}

TEST(ListPaths, ThePdfSitsBesideTheListUnderItsWholeName)
{
    EXPECT_EQ(Oli_Pdf_Path_Of("/pos/POS_01.oli"), "/pos/POS_01.oli.pdf");
    // Appended, not replaced: the position's own files keep their names.
    EXPECT_EQ(Oli_Pdf_Path_Of("/pos/POS_01.inp"), "/pos/POS_01.inp.pdf");
    EXPECT_EQ(Oli_Absolute_Path(""), "");
    EXPECT_EQ(Oli_Absolute_Path("././a.oli"), Oli_Absolute_Path("a.oli"));
}

namespace {

int g_viewed = 0;
int open_viewer(const std::string&)
{
    ++g_viewed;
    return 1;
}

} // namespace

// Without the GUI part no window service is there; installed functions are the ones called, and
// taking them away leaves none behind.
TEST(GuiHooks, InstalledAndTakenAway)
{
    EXPECT_EQ(Kov_Gui_Hooks(), nullptr);
    KovGuiHooks hooks = {};
    hooks.open_viewer = open_viewer;
    Kov_Set_Gui_Hooks(&hooks);
    ASSERT_EQ(Kov_Gui_Hooks(), &hooks);
    EXPECT_EQ(Kov_Gui_Hooks()->open_viewer("/pos/POS_01.oli"), 1);
    EXPECT_EQ(g_viewed, 1);
    EXPECT_EQ(Kov_Gui_Hooks()->message_box, nullptr);
    Kov_Set_Gui_Hooks(nullptr);
    EXPECT_EQ(Kov_Gui_Hooks(), nullptr);
}
