// Tests of the German reasons of a failed write: a missing folder, a full or write-protected
// disk, a write-protected file or folder, a folder under the file's name, and the whole message
// naming the file from the root.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/kovfilefailure.h"
#include "platform/kovreplace.h"
#include "test_support/kovtestutil.h"

// A message about a failed save names the file from the root and says why.
TEST(Files, WriteFailureNamesTheFileAndTheReason)
{
    kovtest::TempDir d;
    const std::string dir = d.path();
    ASSERT_TRUE(kovtest::write_file(d / "fest.inp", "x"));
    ::chmod((d / "fest.inp").c_str(), 0444);
    ::mkdir((d / "ordner.inp").c_str(), 0755);
    const std::string q1 = "\xE2\x80\x9E", q2 = "\xE2\x80\x9C";
    struct Case {
        std::string name;
        int rc, err;
        std::string reason;
    } const cases[] = {
        {dir + "/fehlt/POS_01.inp", KOV_REPLACE_NO_TEMP, ENOENT,
         "der Ordner " + q1 + dir + "/fehlt" + q2 + " existiert nicht"},
        {dir + "/POS_01.inp", KOV_REPLACE_WRITE_FAILED, ENOSPC, "der Datentr\xC3\xA4ger ist voll"},
        {dir + "/POS_01.inp", KOV_REPLACE_WRITE_FAILED, EDQUOT, "der Datentr\xC3\xA4ger ist voll"},
        {dir + "/POS_01.inp", KOV_REPLACE_NO_TEMP, EROFS, "der Datentr\xC3\xA4ger ist schreibgesch\xC3\xBCtzt"},
        {dir + "/fest.inp", KOV_REPLACE_READ_ONLY, 0, "die Datei ist schreibgesch\xC3\xBCtzt"},
        {dir + "/POS_01.inp", KOV_REPLACE_NO_TEMP, EACCES,
         "der Ordner " + q1 + dir + q2 + " ist schreibgesch\xC3\xBCtzt (keine Schreibrechte)"},
        {dir + "/ordner.inp", KOV_REPLACE_NO_NAME, 0, "unter diesem Namen steht ein Ordner"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Kov_Write_Failure_Reason(c.name.c_str(), c.rc, c.err), c.reason) << c.name << " " << c.err;
    EXPECT_EQ(Kov_Write_Failure_Text((dir + "/POS_01.inp").c_str(), KOV_REPLACE_WRITE_FAILED, ENOSPC),
              "Die Datei " + q1 + dir + "/POS_01.inp" + q2 +
                  " konnte nicht geschrieben werden: der Datentr\xC3\xA4ger ist voll.");
}

// Without the system's error number the reason is found from the folder and the file; a reason
// that cannot be found is said so, never left empty.
TEST(Files, WriteFailureReasonWithoutAnErrorNumber)
{
    kovtest::TempDir d;
    const std::string dir = d.path();
    const std::string q1 = "\xE2\x80\x9E", q2 = "\xE2\x80\x9C";
    ASSERT_TRUE(kovtest::write_file(d / "fest.inp", "x"));
    ::chmod((d / "fest.inp").c_str(), 0444);
    struct Case {
        std::string name;
        int rc, err;
        std::string reason;
    } const cases[] = {
        {"", KOV_REPLACE_WRITE_FAILED, 0, "es ist kein Dateiname angegeben"},
        // A name with host separators and a missing folder names the folder as the system sees it.
        {dir + "\\fehlt\\POS_01.inp", KOV_REPLACE_NO_TEMP, 0,
         "der Ordner " + q1 + dir + "/fehlt" + q2 + " existiert nicht"},
        // A write-protected file is seen also when the replacement failed later.
        {dir + "/fest.inp", KOV_REPLACE_WRITE_FAILED, 0, "die Datei ist schreibgesch\xC3\xBCtzt"},
        {dir + "/POS_01.inp", KOV_REPLACE_WRITE_FAILED, 0, "der Grund ist nicht bekannt"},
        {dir + "/POS_01.inp", KOV_REPLACE_WRITE_FAILED, EIO, std::string("Fehler des Systems: ") + std::strerror(EIO)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Kov_Write_Failure_Reason(c.name.c_str(), c.rc, c.err), c.reason) << c.name << " " << c.err;
    EXPECT_EQ(Kov_Write_Failure_Reason(nullptr, KOV_REPLACE_WRITE_FAILED, 0), "es ist kein Dateiname angegeben");
    EXPECT_EQ(Kov_Write_Failure_Text(nullptr, KOV_REPLACE_WRITE_FAILED, 0),
              "Die Datei " + q1 + q2 + " konnte nicht geschrieben werden: es ist kein Dateiname angegeben.");
}
