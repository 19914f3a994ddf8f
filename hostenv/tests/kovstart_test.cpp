// Tests of the start-up: the stream table in the host's order and the change of the working
// directory named by the environment.
#include "hostenv/kovstart.h"
#include "test_support/kovtestutil.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

typedef void (*StdioFct)(void);

std::string cwd()
{
    char buf[PATH_MAX];
    return getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

} // namespace

TEST(KovStdioTable, HoldsTheRuntimeFunctionsInTheHostOrder)
{
    const struct {
        int slot;
        StdioFct fct;
        const char* name;
    } expected[] = {
        {1, reinterpret_cast<StdioFct>(&fopen), "fopen"},      {2, reinterpret_cast<StdioFct>(&fclose), "fclose"},
        {3, reinterpret_cast<StdioFct>(&fread), "fread"},      {4, reinterpret_cast<StdioFct>(&fwrite), "fwrite"},
        {5, reinterpret_cast<StdioFct>(&ferror), "ferror"},    {6, reinterpret_cast<StdioFct>(&fscanf), "fscanf"},
        {7, reinterpret_cast<StdioFct>(&fprintf), "fprintf"},  {8, reinterpret_cast<StdioFct>(&fseek), "fseek"},
        {9, reinterpret_cast<StdioFct>(&ftell), "ftell"},      {10, reinterpret_cast<StdioFct>(&fsetpos), "fsetpos"},
        {11, reinterpret_cast<StdioFct>(&fgetpos), "fgetpos"}, {12, reinterpret_cast<StdioFct>(&fgets), "fgets"},
        {13, reinterpret_cast<StdioFct>(&fgetc), "fgetc"},     {14, reinterpret_cast<StdioFct>(&fputs), "fputs"},
        {15, reinterpret_cast<StdioFct>(&fputc), "fputc"},     {16, reinterpret_cast<StdioFct>(&ungetc), "ungetc"},
        {17, reinterpret_cast<StdioFct>(&sscanf), "sscanf"},   {18, reinterpret_cast<StdioFct>(&sprintf), "sprintf"},
    };
    EXPECT_EQ(Kov_Stdio_Table.count, 18);
    for (const auto& e : expected)
        EXPECT_EQ(Kov_Stdio_Table.fct[e.slot - 1], e.fct) << "slot " << e.slot << " " << e.name;
}

TEST(KovStartup, WithoutCwdVariableChangesNothing)
{
    kovtest::ScopedEnv env("_KOV_CWD_", nullptr);
    const std::string before = cwd();
    testing::internal::CaptureStdout();
    Kov_Startup();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(cwd(), before);
    EXPECT_EQ(KOV_STDIO_FCT, &Kov_Stdio_Table);
}

TEST(KovStartup, MissingDirectoryIsReportedAndStartUpGoesOn)
{
    kovtest::TempDir tmp("kovstart");
    const std::string missing = tmp / "gibt-es-nicht";
    kovtest::ScopedEnv env("_KOV_CWD_", missing);
    const std::string before = cwd();
    testing::internal::CaptureStdout();
    Kov_Startup();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "KOVCheckCWD: Fehler beim Setzen des CWD=" + missing + "\n");
    EXPECT_EQ(cwd(), before);
    EXPECT_EQ(KOV_STDIO_FCT, &Kov_Stdio_Table); // registered all the same
}

TEST(KovStartup, EntersTheNamedDirectory)
{
    kovtest::TempDir tmp("kovstart");
    const std::string dir = tmp.path();
    ASSERT_FALSE(dir.empty());
    const std::string before = cwd();
    ASSERT_EQ(mkdir((dir + "/Pos 1").c_str(), 0755), 0);
    // The host hands Windows separators.
    std::string host_name = dir + "\\Pos 1";
    kovtest::ScopedEnv env("_KOV_CWD_", host_name);
    testing::internal::CaptureStdout();
    KOVCheckCWD();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    char real[PATH_MAX];
    ASSERT_NE(realpath((dir + "/Pos 1").c_str(), real), nullptr);
    EXPECT_EQ(cwd(), std::string(real));
    EXPECT_EQ(chdir(before.c_str()), 0); // out again before the folder is removed
}

TEST(KovStartup, HostAndProgramWriteOneStreamAlternately)
{
    kovtest::ScopedEnv env("_KOV_CWD_", nullptr);
    Kov_Startup();
    ASSERT_NE(KOV_STDIO_FCT, nullptr);
    typedef int (*FprintfFct)(FILE*, const char*, ...);
    typedef int (*FputsFct)(const char*, FILE*);
    const FprintfFct host_fprintf = reinterpret_cast<FprintfFct>(KOV_STDIO_FCT->fct[KOV_STDIO_FPRINTF_SLOT - 1]);
    const FputsFct host_fputs = reinterpret_cast<FputsFct>(KOV_STDIO_FCT->fct[14 - 1]);

    kovtest::TempDir tmp("kovstart");
    const std::string path = tmp / "liste.oli";
    FILE* f = fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    for (int i = 0; i < 3; ++i) {
        fprintf(f, "Programm %d\n", i);
        host_fprintf(f, "Host %d %.2f\n", i, 0.5 * i);
        fputs("Programm fputs\n", f);
        host_fputs("Host fputs\n", f);
        KOV_Stdio_Fprintf(f, "Host formatiert %d\n", i);
    }
    fclose(f);

    std::string expect;
    for (int i = 0; i < 3; ++i) {
        char buf[64];
        snprintf(buf, sizeof buf, "Programm %d\nHost %d %.2f\n", i, i, 0.5 * i);
        expect += buf;
        expect += "Programm fputs\nHost fputs\n";
        snprintf(buf, sizeof buf, "Host formatiert %d\n", i);
        expect += buf;
    }
    EXPECT_EQ(kovtest::read_file(path), expect);
}
