// A tool's window must not change how numbers are written: the annex editor
// stores what its fields show.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "nad/nadfile.h"
#include "nad/tests/nadrec_fixture.h"
#include "platform/kovlocale.h"
#include "tools/toolargs.h"

TEST(ToolApplication, KeepsTheDecimalPointUnderAGermanEnvironment)
{
    const char* german = Kov_Try_German_Locale();
    if (!german) GTEST_SKIP() << "no German locale installed";
    // QApplication takes the locale from the environment, as a user's session has it.
    ::setenv("LC_ALL", german, 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "NAD-Pflege";
    char* argv[] = {name, nullptr};
    const auto app = Tool_Make_Application(argc, argv);
    ASSERT_NE(app, nullptr);

    char shown[16];
    std::snprintf(shown, sizeof shown, "%4.2f", 1.25);
    EXPECT_STREQ(shown, "1.25");
    EXPECT_DOUBLE_EQ(std::strtod("1.25", nullptr), 1.25);

    // An annex written now reads back with the same values.
    nadtest::RecordBox a;
    nadtest::Default_Blocks(a.get());
    a->ec5.gamma_m_lvl = 1.25;
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    Nad_Write_File(f, a.get());
    std::rewind(f);
    nadtest::RecordBox b;
    nadtest::Default_Blocks(b.get());
    EXPECT_EQ(Nad_Read_File(f, b.get()), 1);
    std::fclose(f);
    EXPECT_DOUBLE_EQ(b->ec5.gamma_m_lvl, 1.25);
    ::setenv("LC_ALL", "C.UTF-8", 1);
    std::setlocale(LC_ALL, "C");
}
