// Tests of the help document found for a Windows help name: the HTML beside the help file first,
// else the installation's supplied help under $DATA/HILFE in any case, never a folder.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/kovhelp.h"
#include "test_support/kovtestutil.h"

using kovtest::write_file;

TEST(HelpAndListViewer, WindowsHelpNameMapsToTheSuppliedHtml)
{
    kovtest::ScopedEnv env;
    kovtest::TempDir priv, data;
    ASSERT_TRUE(std::filesystem::create_directories(data / "HILFE"));
    env.set("DATA", data.path());
    // Nothing anywhere: no document.
    EXPECT_EQ(Kov_Help_Document(priv / "Q8_NELU52.HLP"), "");
    EXPECT_EQ(Kov_Help_Document(""), "");
    // The supplied help of the installation, its name in another case.
    ASSERT_TRUE(write_file(data / "HILFE/Q8_nelu52.html", "<html></html>"));
    EXPECT_EQ(Kov_Help_Document(priv / "Q8_NELU52.HLP"), data / "HILFE/Q8_nelu52.html");
    // A help beside the help file goes first.
    ASSERT_TRUE(write_file(priv / "Q8_NELU52.htm", "<html></html>"));
    EXPECT_EQ(Kov_Help_Document(priv.path() + "\\Q8_NELU52.HLP"), priv / "Q8_NELU52.htm");
    // An HTML name is taken as it is.
    EXPECT_EQ(Kov_Help_Document(priv / "Q8_NELU52.htm"), priv / "Q8_NELU52.htm");
    EXPECT_EQ(Kov_Help_Document(priv / "andere.html"), "");
    // A folder of that name is no document.
    ASSERT_TRUE(std::filesystem::create_directories(priv / "X.html"));
    EXPECT_EQ(Kov_Help_Document(priv / "X.HLP"), "");
}

// Beside the help file, ".html" goes before ".htm"; a name with more dots loses only its last
// part; a FIFO of the document's name is passed over, never opened (it would wait for ever).
TEST(HelpAndListViewer, HelpDocumentOrderDottedNamesAndFifos)
{
    kovtest::ScopedEnv env("DATA", nullptr);
    kovtest::TempDir d;
    ASSERT_TRUE(d.ok());
    ASSERT_TRUE(write_file(d / "Hilfe.htm", "<html></html>"));
    ASSERT_TRUE(write_file(d / "hilfe.HTML", "<html></html>"));
    EXPECT_EQ(Kov_Help_Document(d / "HILFE.HLP"), d / "hilfe.HTML");
    ASSERT_TRUE(write_file(d / "Q8.NELU52.html", "<html></html>"));
    EXPECT_EQ(Kov_Help_Document(d / "q8.nelu52.hlp"), d / "Q8.NELU52.html");
    ASSERT_EQ(::mkfifo((d / "Rohr.html").c_str(), 0644), 0);
    EXPECT_EQ(Kov_Help_Document(d / "Rohr.HLP"), "");
    EXPECT_EQ(Kov_Help_Document(d / "Rohr.html"), "");
}
