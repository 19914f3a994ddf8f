// Annex files: reading and writing a whole annex, loading by number and name,
// storing and deleting the user's annexes, and the move of the old single
// definition file into numbered files.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "nad/nadfile.h"
#include "nad/nadsupplied.h"
#include "nadenv_fixture.h"
#include "nadrec_fixture.h"
#include "test_support/kovtestutil.h"

using kovtest::exists;
using kovtest::FileSizeLimit;
using kovtest::read_file;
using kovtest::stream_of;
using kovtest::write_file;
using nadtest::AnnexEnv;
using nadtest::Default_Blocks;
using nadtest::RecordBox;

namespace {

template <class W> std::string body(W write)
{
    kovtest::MemFile m;
    if (!m.f) return "";
    write(m.f);
    return m.text();
}

std::string annex_bytes(const NadRecord* r)
{
    return body([&](FILE* f) { Nad_Write_File(f, r); });
}

// A user annex record: the recommended values with a few marks.
void user_annex(NadRecord* r, const char* name, int flag, double gamma_connections)
{
    std::memset(r, 0, sizeof *r);
    Default_Blocks(r);
    r->flag_index = flag;
    std::snprintf(r->name, sizeof r->name, "%s", name);
    r->ec5.gamma_m_connections = gamma_connections;
}

} // namespace

TEST(AnnexFile, WrittenRecordReadsBack)
{
    RecordBox a, b;
    Nad_Build_Deutschland(a.get());
    std::snprintf(a->name, sizeof a->name, "%s", "Meine Werte");
    a->flag_index = 7;
    a->ec5.gamma_m_connections = 1.4;
    a->ec0.building_gamma[0][0][0] = 1.45;
    a->ec9.gamma_m2 = 1.3;

    const std::string bytes = annex_bytes(a.get());
    // head: version line, empty line, flag, name in code page 850 guillemets, flag
    const std::string head("NAD/Version 1\n\n 7 \xAE"
                           "Meine Werte\xAF 1\n\n\n#EC0\n");
    EXPECT_EQ(bytes.substr(0, head.size()), head);

    FILE* f = stream_of(bytes);
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(Nad_Read_File(f, b.get()), 1);
    fclose(f);
    EXPECT_EQ(b->flag_index, 7);
    EXPECT_STREQ(b->name, "Meine Werte");
    EXPECT_EQ(b->na_de, 1);
    Nad_Set_Ec3_Na_De(&b->ec3, 1);
    EXPECT_EQ(Nad_Differs_Ec0(&a->ec0, &b->ec0), 0);
    EXPECT_EQ(Nad_Differs_Ec2(&a->ec2, &b->ec2), 0);
    EXPECT_EQ(Nad_Differs_Ec3(&a->ec3, &b->ec3), 0);
    EXPECT_EQ(Nad_Differs_Ec5(&a->ec5, &b->ec5), 0);
    EXPECT_EQ(Nad_Equal_Ec6(&a->ec6, &b->ec6), 1);
    EXPECT_EQ(Nad_Equal_Ec9(&a->ec9, &b->ec9), 1);
    EXPECT_DOUBLE_EQ(b->ec5.gamma_m_connections, 1.4);
    EXPECT_DOUBLE_EQ(b->ec0.building_gamma[0][0][0], 1.45);
}

TEST(AnnexFile, SectionsInAnyOrderAndMissingSectionsKeepTheBlocks)
{
    RecordBox src, r;
    Default_Blocks(src.get());
    src->ec5.gamma_m_solid = 1.25;
    src->ec0.building_psi[8][0] = 0.55;
    const std::string text = std::string("NAD/Version 1\n\n 4 \xAE"
                                         "Kurz\xAF 0\n") +
                             "\n\n#EC5\n" + body([&](FILE* f) { Nad_Write_Ec5(f, &src->ec5); }) + "\n\n#EC0\n" +
                             body([&](FILE* f) { Nad_Write_Ec0(f, &src->ec0); }) + "\n";

    Default_Blocks(r.get());
    r->ec9.gamma_m1 = 1.234; // no #EC9 section: stays
    r->ec6.gamma_m_persistent = 1.7;
    FILE* f = stream_of(text);
    ASSERT_EQ(Nad_Read_File(f, r.get()), 1);
    fclose(f);
    EXPECT_EQ(r->flag_index, 4);
    EXPECT_STREQ(r->name, "Kurz");
    EXPECT_DOUBLE_EQ(r->ec5.gamma_m_solid, 1.25);
    EXPECT_DOUBLE_EQ(r->ec0.building_psi[8][0], 0.55);
    EXPECT_DOUBLE_EQ(r->ec9.gamma_m1, 1.234);
    EXPECT_DOUBLE_EQ(r->ec6.gamma_m_persistent, 1.7);
}

// A name with line breaks must not move the sections: the breaks are written
// as blanks, and in a file that holds them (an older one) a "#EC5" line inside
// the name is no section.
TEST(AnnexFile, NameWithLineBreaksLeavesTheSectionsWhereTheyAre)
{
    RecordBox a, b;
    Default_Blocks(a.get());
    std::snprintf(a->name, sizeof a->name, "%s", "Zwei\n#EC5\r\n 17 0\nZeilen");
    a->flag_index = 3;
    a->ec5.gamma_m_solid = 1.4;
    const std::string bytes = annex_bytes(a.get());
    const std::string head("NAD/Version 1\n\n 3 \xAE"
                           "Zwei #EC5   17 0 Zeilen\xAF 0\n");
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    FILE* f = stream_of(bytes);
    ASSERT_EQ(Nad_Read_File(f, b.get()), 1);
    fclose(f);
    EXPECT_STREQ(b->name, "Zwei #EC5   17 0 Zeilen");
    EXPECT_EQ(Nad_Differs_Ec5(&a->ec5, &b->ec5), 0);

    // As an older writer left it: the name's own "#EC5" line stands first.
    RecordBox src, r;
    Default_Blocks(src.get());
    src->ec5.gamma_m_solid = 1.25;
    const std::string old = std::string("NAD/Version 1\n\n 4 \xAE"
                                        "Alt\n#EC5\n 17 0 0 1 2 3\xAF 0\n") +
                            "\n\n#EC5\n" + body([&](FILE* w) { Nad_Write_Ec5(w, &src->ec5); }) + "\n";
    Default_Blocks(r.get());
    f = stream_of(old);
    ASSERT_EQ(Nad_Read_File(f, r.get()), 1);
    fclose(f);
    EXPECT_STREQ(r->name, "Alt\n#EC5\n 17 0 0 1 2 3");
    EXPECT_EQ(r->ec5.version, NAD_EC5_LAYOUT);
    EXPECT_DOUBLE_EQ(r->ec5.gamma_m_solid, 1.25);
    EXPECT_EQ(Nad_Differs_Ec5(&src->ec5, &r->ec5), 0);
}

TEST(AnnexFile, OtherFilesAreRefusedWithoutTouchingTheRecord)
{
    for (const char* text : {"",
                             "Hallo\n 18 \xAE"
                             "X\xAF 1\n",
                             "NAD/Version\n", " NAD/Version 1\n"}) {
        RecordBox r;
        Default_Blocks(r.get());
        r->flag_index = 3;
        std::snprintf(r->name, sizeof r->name, "%s", "bleibt");
        FILE* f = stream_of(text);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(Nad_Read_File(f, r.get()), 0) << text;
        fclose(f);
        EXPECT_EQ(r->flag_index, 3);
        EXPECT_STREQ(r->name, "bleibt");
    }
    RecordBox r;
    EXPECT_EQ(Nad_Read_File(nullptr, r.get()), 0);
}

TEST(AnnexFile, LongNamesAreCutToTheRecordsField)
{
    const std::string long_name(60, 'N');
    const std::string text = "NAD/Version 1\n\n 5 \xAE" + long_name + "\xAF 0\n";
    RecordBox r;
    FILE* f = stream_of(text);
    ASSERT_EQ(Nad_Read_File(f, r.get()), 1);
    fclose(f);
    EXPECT_EQ(std::string(r->name), long_name.substr(0, 27));
    EXPECT_EQ(r->na_de, 0); // read behind the whole name
}

TEST(AnnexFile, LoadsSuppliedByNameAndUserByNumber)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    RecordBox u, r;
    user_annex(u.get(), "Drei", 9, 1.45);
    u->na_de = 1;
    ASSERT_TRUE(write_file(env.user_file(3), annex_bytes(u.get())));

    ASSERT_EQ(Nad_Load(3, "egal", r.get()), 1);
    EXPECT_EQ(r->user_defined, 1);
    EXPECT_STREQ(r->name, "Drei");
    EXPECT_EQ(r->flag_index, 9);
    EXPECT_DOUBLE_EQ(r->ec5.gamma_m_connections, 1.45);
    // na_de of the head goes into every block that has one
    EXPECT_EQ(r->ec2.na_de, 1);
    EXPECT_EQ(r->ec3.na_de, 1);
    EXPECT_EQ(r->ec5.na_de, 1);
    EXPECT_EQ(r->ec6.na_de, 1);
    EXPECT_EQ(r->ec9.na_de, 1);
    EXPECT_EQ(r->ec1.set_number, 2);

    ASSERT_EQ(Nad_Load(0, "Deutschland", r.get()), 1);
    EXPECT_EQ(r->user_defined, 0);
    EXPECT_STREQ(r->name, "Deutschland");
    EXPECT_EQ(r->ec5.k_cr_mode, 2);

    // missing files and unset variables leave the record as it is
    EXPECT_EQ(Nad_Load(4, "egal", r.get()), 0);
    EXPECT_EQ(Nad_Load(0, "Gibtsnicht", r.get()), 0);
    EXPECT_EQ(Nad_Load(0, nullptr, r.get()), 0);
    env.unset("DATA");
    EXPECT_EQ(Nad_Load(0, "Deutschland", r.get()), 0);
    env.unset("DRAM");
    EXPECT_EQ(Nad_Load(3, "egal", r.get()), 0);
    EXPECT_STREQ(r->name, "Deutschland");
    EXPECT_EQ(r->user_defined, 0);
}

TEST(AnnexFile, StoresAndDeletesUserAnnexes)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    RecordBox a;
    user_annex(a.get(), "Zwei", 5, 1.35);

    EXPECT_EQ(Nad_Store_User_Nad(2, a.get()), 1);
    EXPECT_EQ(read_file(env.user_file(2)), annex_bytes(a.get()));
    EXPECT_TRUE(kovtest::temporaries_beside(env.user_file(2)).empty());

    a->ec5.gamma_m_connections = 1.5; // replaces the file
    EXPECT_EQ(Nad_Store_User_Nad(2, a.get()), 1);
    EXPECT_EQ(read_file(env.user_file(2)), annex_bytes(a.get()));

    EXPECT_EQ(Nad_Store_User_Nad(2, nullptr), 1);
    EXPECT_FALSE(exists(env.user_file(2)));
    EXPECT_EQ(Nad_Store_User_Nad(2, nullptr), 1); // already gone

    EXPECT_EQ(Nad_Store_User_Nad(0, a.get()), 0);
    EXPECT_EQ(Nad_Store_User_Nad(-1, a.get()), 0);
    env.unset("DRAM");
    EXPECT_EQ(Nad_Store_User_Nad(1, a.get()), 0);
}

// A folder whose name differs in case only ("nads", as copied from another
// system) is the user's annex folder: an annex in it is replaced.
TEST(AnnexFile, StoresIntoAFolderNamedInOtherCase)
{
    AnnexEnv env;
    const std::string lower = env.dram() + "/nads";
    std::filesystem::create_directories(lower);
    RecordBox a;
    user_annex(a.get(), "Alt", 5, 1.35);
    ASSERT_TRUE(write_file(lower + "/1.NAD", annex_bytes(a.get())));

    a->ec5.gamma_m_connections = 1.9;
    EXPECT_EQ(Nad_Store_User_Nad(1, a.get()), 1);
    EXPECT_EQ(read_file(lower + "/1.NAD"), annex_bytes(a.get()));
    EXPECT_TRUE(kovtest::temporaries_beside(lower + "/1.NAD").empty());
    EXPECT_FALSE(exists(env.nads()));
}

TEST(AnnexFile, FailedStoreReportsAndKeepsTheOldFile)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    RecordBox a;
    user_annex(a.get(), "Alt", 5, 1.35);
    ASSERT_EQ(Nad_Store_User_Nad(1, a.get()), 1);
    const std::string old = read_file(env.user_file(1));

    // the new file cannot be written completely (a full disk)
    a->ec5.gamma_m_connections = 1.9;
    {
        FileSizeLimit full(64);
        EXPECT_EQ(Nad_Store_User_Nad(1, a.get()), 0);
    }
    EXPECT_EQ(read_file(env.user_file(1)), old);
    EXPECT_TRUE(kovtest::temporaries_beside(env.user_file(1)).empty());

    // no user annex directory
    std::filesystem::remove_all(env.nads());
    EXPECT_EQ(Nad_Store_User_Nad(1, a.get()), 0);
}

namespace {

// One annex of the old single definition file: the "#NAD" line, the flag and
// the name, the EC2 body, then the EC3, EC5 and EC0 bodies behind their
// keyword lines (each only when given).
std::string old_annex(int flag, const char* name, const NadRecord* r, bool with_ec3, bool with_ec5, bool with_ec0)
{
    std::string s = "#NAD\n " + std::to_string(flag) + " \xAE" + name + "\xAF\n";
    s += body([&](FILE* f) { Nad_Write_Ec2(f, &r->ec2); });
    if (with_ec3) s += " EC3 Parameter\n 1\n" + body([&](FILE* f) { Nad_Write_Ec3(f, &r->ec3); });
    // (the newest EC5 body reads the blanks after its last number, so a
    // remark line keeps the next keyword line intact)
    if (with_ec5) s += " EC5 Parameter\n" + body([&](FILE* f) { Nad_Write_Ec5(f, &r->ec5); }) + "EC5 Ende\n";
    if (with_ec0) s += " Lastfaktoren\n" + body([&](FILE* f) { Nad_Write_Ec0(f, &r->ec0); }) + "\n";
    return s;
}

} // namespace

TEST(AnnexMigration, OldFileBecomesNumberedFiles)
{
    AnnexEnv env;
    RecordBox one, two, three;
    Default_Blocks(one.get());
    one->ec2.gamma_c[0] = 1.6;
    one->ec3.ec31.gamma_m1 = 1.05;
    Default_Blocks(two.get());
    two->ec5.gamma_m_connections = 1.4;
    two->ec0.building_gamma[0][1][0] = 1.6;
    two->ec3.ec31.gamma_m0 = 1.05;
    Default_Blocks(three.get());
    three->ec2.alpha_cc = 0.9;
    const std::string old = "Alte NAD-Definitionen\n" + old_annex(12, "Alt Eins", one.get(), true, true, true) +
                            old_annex(13, "Alt Zwei", two.get(), true, true, true) +
                            old_annex(14, "Alt Drei", three.get(), false, false, false);
    ASSERT_TRUE(write_file(env.dram() + "/NADs-EC2.DEF", old));

    Safeguard_Proper_Version();
    ASSERT_TRUE(std::filesystem::is_directory(env.nads()));
    ASSERT_TRUE(exists(env.user_file(1)));
    ASSERT_TRUE(exists(env.user_file(2)));
    ASSERT_TRUE(exists(env.user_file(3)));
    EXPECT_FALSE(exists(env.user_file(4)));
    EXPECT_EQ(read_file(env.dram() + "/NADs-EC2.DEF"), old);

    RecordBox r;
    ASSERT_EQ(Nad_Load(1, "", r.get()), 1);
    EXPECT_STREQ(r->name, "Alt Eins");
    EXPECT_EQ(r->flag_index, 12);
    EXPECT_EQ(r->na_de, 0);
    EXPECT_DOUBLE_EQ(r->ec2.gamma_c[0], 1.6);
    EXPECT_DOUBLE_EQ(r->ec3.ec31.gamma_m1, 1.05);

    ASSERT_EQ(Nad_Load(2, "", r.get()), 1);
    EXPECT_STREQ(r->name, "Alt Zwei");
    EXPECT_DOUBLE_EQ(r->ec5.gamma_m_connections, 1.4);
    EXPECT_DOUBLE_EQ(r->ec0.building_gamma[0][1][0], 1.6);
    EXPECT_DOUBLE_EQ(r->ec3.ec31.gamma_m0, 1.05);
    EXPECT_DOUBLE_EQ(r->ec2.gamma_c[0], 1.5);

    // the third annex has no EC0, EC3 and EC5 bodies: the recommended values,
    // nothing of the annex before it
    RecordBox def;
    Default_Blocks(def.get());
    ASSERT_EQ(Nad_Load(3, "", r.get()), 1);
    EXPECT_STREQ(r->name, "Alt Drei");
    EXPECT_DOUBLE_EQ(r->ec2.alpha_cc, 0.9);
    EXPECT_EQ(Nad_Differs_Ec0(&r->ec0, &def->ec0), 0);
    EXPECT_EQ(Nad_Differs_Ec3(&r->ec3, &def->ec3), 0);
    EXPECT_EQ(Nad_Differs_Ec5(&r->ec5, &def->ec5), 0);
    EXPECT_EQ(Nad_Equal_Ec6(&r->ec6, &def->ec6), 1);
    EXPECT_EQ(Nad_Equal_Ec9(&r->ec9, &def->ec9), 1);

    // later runs leave the directory alone
    const std::string first = read_file(env.user_file(1));
    std::filesystem::remove(env.user_file(3));
    Safeguard_Proper_Version();
    EXPECT_EQ(read_file(env.user_file(1)), first);
    EXPECT_FALSE(exists(env.user_file(3)));
}

// A full disk during the move: no NADS folder stays behind (it would mark the
// move as done and hide the old annexes for good), and the next start moves
// them. The size limit of the process plays the full disk.
TEST(AnnexMigration, FailedWriteIsTriedAgainAtTheNextStart)
{
    AnnexEnv env;
    RecordBox one, two;
    Default_Blocks(one.get());
    Default_Blocks(two.get());
    ASSERT_TRUE(write_file(env.dram() + "/NADs-EC2.DEF", old_annex(12, "Alt Eins", one.get(), true, true, true) +
                                                             old_annex(13, "Alt Zwei", two.get(), true, true, true)));
    {
        FileSizeLimit full(64);
        testing::internal::CaptureStdout();
        Safeguard_Proper_Version();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(Safeguard_Last_Error(), 4);
    }
    EXPECT_FALSE(exists(env.nads()));
    // nothing but the old file: no half-filled folder either
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(env.dram()), std::filesystem::directory_iterator()), 1);

    Safeguard_Proper_Version();
    RecordBox r;
    ASSERT_EQ(Nad_Load(1, "", r.get()), 1);
    EXPECT_STREQ(r->name, "Alt Eins");
    ASSERT_EQ(Nad_Load(2, "", r.get()), 1);
    EXPECT_STREQ(r->name, "Alt Zwei");
}

TEST(AnnexMigration, ExistingDirectoryIgnoresTheOldFile)
{
    AnnexEnv env;
    std::filesystem::create_directories(env.nads());
    RecordBox one;
    Default_Blocks(one.get());
    ASSERT_TRUE(write_file(env.dram() + "/NADs-EC2.DEF", old_annex(12, "Alt", one.get(), true, true, true)));
    Safeguard_Proper_Version();
    EXPECT_FALSE(exists(env.user_file(1)));
}

TEST(AnnexMigration, NoOldFileLeavesAnEmptyDirectory)
{
    AnnexEnv env;
    Safeguard_Proper_Version();
    EXPECT_TRUE(std::filesystem::is_directory(env.nads()));
    EXPECT_TRUE(std::filesystem::is_empty(env.nads()));
}

// Every program and tool of the installation runs the migration: its problems
// are kept for the caller and never printed on a user's console.
TEST(AnnexMigration, ProblemsAreKeptNotPrinted)
{
    AnnexEnv env;
    env.unset("DRAM");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Safeguard_Proper_Version();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(Safeguard_Last_Error(), 1);

    env.set("DRAM", env.dram() + "/gibt/es/nicht");
    testing::internal::CaptureStdout();
    Safeguard_Proper_Version();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(Safeguard_Last_Error(), 2);

    env.set("DRAM", env.dram());
    Safeguard_Proper_Version();
    EXPECT_EQ(Safeguard_Last_Error(), 0);
}
