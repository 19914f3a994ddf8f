// A small output list written by the text, heading and table writers together,
// compared with its golden file byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/kovmem.h"
#include "oliwrt_fixture.h"
#include "output/ioliwrt.h"
#include "platform/kovlocale.h"
#include "test_support/kovtestutil.h"

namespace {

void write_list(FILE* f)
{
    static char names[2][10] = {"st\x84ndig", "Schnee"}; // "ständig"
    static double force[2] = {15.0, 4.5};
    Oli_Init_Headings(3, 2, 1);
    Oli_Heading(f, 1, "Eingabedaten");
    Oli_Text(f, "Querschnitt b/h = %d/%d cm, A = %.0f cm\xFD", 12, 16, 192.0);
    Oli_Heading(f, 2, "Lastf\x84lle"); // "Lastfälle"
    OliColumn* cols = nullptr;
    Oli_Alloc_Columns(3, &cols);
    std::snprintf(cols[1].title, sizeof cols[1].title, "%s", "-Lastfall");
    std::snprintf(cols[1].kind, sizeof cols[1].kind, "%s", "TXT");
    cols[1].width = 10;
    cols[1].data = names;
    std::snprintf(cols[2].title, sizeof cols[2].title, "%s", "N");
    std::snprintf(cols[2].kind, sizeof cols[2].kind, "%s", "kN");
    cols[2].width = 8;
    cols[2].decimals = 2;
    cols[2].data = force;
    OliTabelle(f, 3, 2, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
    void* p = cols;
    Mem_Free_Null(&p);
    Oli_Version_Line(f, "q8-nlu52");
    Oli_Close_Bookmarks(f);
}

} // namespace

TEST(OliList, SmallListMatchesGoldenFile)
{
    kovtest::ScopedEnv env("EXEC", KOV_TEST_DIR "/version");
    std::string out = Oli_Capture(write_list);
    std::string golden = kovtest::read_file(KOV_TEST_DIR "/oli_list.golden");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(golden, out) << Oli_Visible(out);
}

TEST(OliList, SameBytesUnderAGermanLocale)
{
    if (!Kov_Try_German_Locale()) GTEST_SKIP() << "no German locale installed";
    kovtest::ScopedEnv env("EXEC", KOV_TEST_DIR "/version");
    std::string out = Oli_Capture(write_list);
    Kov_Numeric_C_Locale();
    EXPECT_EQ(kovtest::read_file(KOV_TEST_DIR "/oli_list.golden"), out) << Oli_Visible(out);
}
