// Wind and snow tables: definitions, value sets, writing, the German-annex
// variant, comparison, copy, and the supplied installation files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "nad/nadec1.h"
#include "test_support/kovtestutil.h"

namespace {

using kovtest::exists;
using kovtest::read_file;
using kovtest::stream_of;

// A DATA folder with NAD/WUSL-Tabs.def (and .val when given) and a DRAM folder.
struct Install {
    kovtest::TempDir data_dir{"nadec1_"}, dram_dir{"nadec1_"};
    std::string data = data_dir.path(), dram = dram_dir.path();
    kovtest::ScopedEnv env;

    Install(const std::string& defs, const std::string& vals = "")
    {
        mkdir((data + "/NAD").c_str(), 0755);
        EXPECT_TRUE(kovtest::write_file(data + "/NAD/WUSL-Tabs.def", defs)) << data;
        if (!vals.empty()) {
            EXPECT_TRUE(kovtest::write_file(data + "/NAD/WUSL-Tabs.val", vals)) << data;
        }
        env.set("DATA", data);
        env.set("DRAM", dram);
    }
};

std::string def(int n, int cols, int rows, const char* tag)
{
    char b[256];
    snprintf(b, sizeof b, "#TAB %d\nTitel %d\nUntertitel %d\n0 0 0 0\n100 50 0 0\n%d %d %s\n", n, n, n, cols, rows,
             tag);
    return b;
}

// Tables 1 (2 x 2), 2 (3 x 1), 8 and 9 (1 x 1).
const std::string kDefs = def(1, 2, 2, "A") + def(2, 3, 1, "B") + def(8, 1, 1, "H") + def(9, 1, 1, "I");

struct Tables {
    NadEc1Tables t;
    Tables() { memset(&t, 0, sizeof t); }
    ~Tables() { Nad_Free_Ec1_Tables(&t); }
};

double value(const NadEc1Tables& t, int table, int k) { return t.tables[table - 1]->values[k]; }

} // namespace

// ---- definitions -------------------------------------------------------------

TEST(NadEc1Definitions, ExampleDefinition)
{
    Install in("// Kommentar\n#TAB 3\nWindlasten\nUntertitel\r\n10 20 0 0\n210 120 0 0\n4 3 SK\n"
               "#TAB 11\nx\ny\n1 1 1 1\n1 1 1 1\n1 1 X\n#TAB\n#TABx\n");
    Tables T;
    T.t.table_flags[4] = 7;
    EXPECT_EQ(Nad_Read_Ec1_Definitions(&T.t), 1);
    for (int i = 0; i < 10; ++i) {
        if (i == 2) continue;
        EXPECT_EQ(T.t.tables[i], nullptr) << i;
    }
    EXPECT_EQ(T.t.table_flags[4], 0);
    const Ec1Table* tb = T.t.tables[2];
    ASSERT_NE(tb, nullptr);
    EXPECT_EQ(tb->columns, 4);
    EXPECT_EQ(tb->rows, 3);
    EXPECT_EQ(tb->x, 10);
    EXPECT_EQ(tb->y, 20);
    EXPECT_EQ(tb->width, 200);
    EXPECT_EQ(tb->height, 100);
    EXPECT_STREQ(tb->tag, "SK");
    EXPECT_STREQ(tb->title, "Windlasten");
    EXPECT_STREQ(tb->subtitle, "Untertitel");
    EXPECT_EQ(tb->value_note, nullptr);
    EXPECT_EQ(tb->has_values, 0);
    ASSERT_NE(tb->values, nullptr);
    for (int k = 0; k < 12; ++k) EXPECT_EQ(tb->values[k], 0.0);
}

TEST(NadEc1Definitions, MissingFileLeavesTheRecordAlone)
{
    Install in(kDefs);
    unlink((in.data + "/NAD/WUSL-Tabs.def").c_str());
    Tables T;
    T.t.table_flags[0] = 5;
    EXPECT_EQ(Nad_Read_Ec1_Definitions(&T.t), 0);
    EXPECT_EQ(T.t.table_flags[0], 5);
    in.env.unset("DATA");
    EXPECT_EQ(Nad_Read_Ec1_Definitions(&T.t), 0);
}

TEST(NadEc1Definitions, TruncatedDefinitionIsKeptButNotCounted)
{
    Install in(def(1, 2, 2, "A") + "#TAB 2\nTitel\nUnter\n1 2\n");
    Tables T;
    EXPECT_EQ(Nad_Read_Ec1_Definitions(&T.t), 1);
    ASSERT_NE(T.t.tables[1], nullptr);
    EXPECT_STREQ(T.t.tables[1]->title, "Titel");
    EXPECT_EQ(T.t.tables[1]->values, nullptr);

    // Values for the broken table are passed over; the next table is read.
    FILE* f = stream_of("~TAB2\nNotiz\n 1 2 3\n\n~TAB1\nN1\n 1.5 2.5\n 3.5 4.5\n");
    Nad_Read_Ec1_Tables(f, &T.t);
    fclose(f);
    EXPECT_EQ(T.t.tables[1]->has_values, 0);
    EXPECT_EQ(T.t.tables[0]->has_values, 1);
    EXPECT_EQ(value(T.t, 1, 3), 4.5);
}

TEST(NadEc1Definitions, AbsurdSizesAreRefused)
{
    for (const std::string& d :
         {std::string("#TAB 1\nT\nU\n0 0 0 0\n1 1 0 0\n-3 2 N\n"), def(1, 100000, 100000, "Z"), def(1, 2, -2, "Z")}) {
        Install in(d + def(2, 1, 1, "B"));
        Tables T;
        EXPECT_EQ(Nad_Read_Ec1_Definitions(&T.t), 0) << d;
        ASSERT_NE(T.t.tables[0], nullptr);
        EXPECT_EQ(T.t.tables[0]->values, nullptr);
        EXPECT_EQ(T.t.tables[1], nullptr); // reading ended at the refused table
    }
}

TEST(NadEc1Definitions, LaterDefinitionOfATableReplacesTheEarlier)
{
    Install in(def(1, 2, 2, "ALT") + def(1, 3, 1, "NEU"));
    Tables T;
    EXPECT_EQ(Nad_Read_Ec1_Definitions(&T.t), 2);
    EXPECT_STREQ(T.t.tables[0]->tag, "NEU");
    EXPECT_EQ(T.t.tables[0]->columns, 3);
}

TEST(NadEc1Definitions, OverlongLinesAreCutNotSplit)
{
    const std::string longtitle(500, 'T');
    Install in("#TAB 1\n" + longtitle + "\nU\n0 0 0 0\n1 1 0 0\n1 1 " + std::string(400, 'k') + "\n");
    Tables T;
    EXPECT_EQ(Nad_Read_Ec1_Definitions(&T.t), 1);
    EXPECT_EQ(strlen(T.t.tables[0]->title), 198u);
    EXPECT_STREQ(T.t.tables[0]->subtitle, "U");
    EXPECT_EQ(strlen(T.t.tables[0]->tag), 199u);
}

// ---- value sets ---------------------------------------------------------------

namespace {
std::string set(const char* name, int number, const std::string& body)
{
    return std::string("#NAD\n") + name + "\n" + std::to_string(number) + "\n\n" + body;
}
} // namespace

TEST(NadEc1Sets, PrefixMatchReadsEveryMatchingSetInOrder)
{
    Install in(kDefs, "Kopf\n" + set("Deutschland", 2, "~DATA\n1 5 6\n\n~TAB1\nDE\n 1 2\n 3 4\n\n") +
                          set("EC-Standardparameter", 1, "~TAB1\nEC\n 9 9\n 9 9\n\n") +
                          set("Deutschland 2002", 3, "~TAB2\nDE2\n 7 8 9\n\n"));
    Tables T;
    ASSERT_EQ(Nad_Read_Ec1_Definitions(&T.t), 4);
    Nad_Load_Ec1(0, "Deutschland", &T.t);
    EXPECT_EQ(T.t.set_number, 3);
    EXPECT_EQ(T.t.data_a, 5);
    EXPECT_EQ(T.t.data_b, 6);
    EXPECT_STREQ(T.t.tables[0]->value_note, "DE");
    EXPECT_EQ(value(T.t, 1, 2), 3.0);
    EXPECT_STREQ(T.t.tables[1]->value_note, "DE2");
    EXPECT_EQ(value(T.t, 2, 2), 9.0);

    Nad_Default_Ec1(&T.t);
    EXPECT_EQ(T.t.data_a, 2);
    EXPECT_EQ(T.t.data_b, 2);
    EXPECT_EQ(T.t.set_number, 1);
    EXPECT_EQ(value(T.t, 1, 0), 9.0);
    EXPECT_EQ(value(T.t, 2, 0), 7.0); // a table the set does not carry keeps its values
}

TEST(NadEc1Sets, SetRightAfterAMatchingSetIsNotLookedAt)
{
    Install in(kDefs, set("A", 1, "~TAB1\nerster\n 1 1\n 1 1\n\n") + set("A", 2, "~TAB1\nzweiter\n 2 2\n 2 2\n\n"));
    Tables T;
    Nad_Read_Ec1_Definitions(&T.t);
    Nad_Load_Ec1(0, "A", &T.t);
    EXPECT_EQ(T.t.set_number, 1);
    EXPECT_STREQ(T.t.tables[0]->value_note, "erster");
}

TEST(NadEc1Sets, FlagCountsAndUndefinedTables)
{
    Tables T;
    Install in(kDefs);
    Nad_Read_Ec1_Definitions(&T.t);
    FILE* f = stream_of("~TAB99\n 12 0 1 2 3 4 5 6 7 8 9 10 11 12\n\n~TAB7\nsieben\n 5\n\n~TAB1\nN\n 1 2\n 3 "
                        "4\n#NAD\n~TAB2\nN\n 1 1 1\n");
    Nad_Read_Ec1_Tables(f, &T.t);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(T.t.table_flags[i], i + 1);
    EXPECT_EQ(T.t.tables[0]->has_values, 1);
    EXPECT_EQ(value(T.t, 1, 0), 1.0);
    EXPECT_EQ(T.t.tables[1]->has_values, 0); // after the "#NAD" that ends the body
    fclose(f);

    f = stream_of("~TAB99\n 0 0 5 5\n");
    Nad_Read_Ec1_Tables(f, &T.t);
    fclose(f);
    EXPECT_EQ(T.t.table_flags[0], 1);
}

TEST(NadEc1Sets, BadValueLeavesTheRestOfTheTable)
{
    Tables T;
    Install in(kDefs);
    Nad_Read_Ec1_Definitions(&T.t);
    FILE* f = stream_of("~TAB1\nN\n 1 x 3 4\n~DATA\n1 7 8\n");
    Nad_Read_Ec1_Tables(f, &T.t);
    fclose(f);
    EXPECT_EQ(T.t.tables[0]->has_values, 1);
    EXPECT_EQ(value(T.t, 1, 0), 1.0);
    EXPECT_EQ(value(T.t, 1, 1), 0.0);
    EXPECT_EQ(value(T.t, 1, 3), 0.0);
    EXPECT_EQ(T.t.data_a, 7);
    EXPECT_EQ(T.t.data_b, 8);
}

// ---- writing ---------------------------------------------------------------------

TEST(NadEc1Write, BodyBytes)
{
    Tables T;
    Install in(kDefs);
    Nad_Read_Ec1_Definitions(&T.t);
    FILE* f = stream_of("~TAB1\nNotiz\n 1.5 -2.25\n 10 0.0005\n");
    Nad_Read_Ec1_Tables(f, &T.t);
    fclose(f);
    T.t.data_a = 3;
    T.t.data_b = 4;
    T.t.table_flags[9] = 1;

    f = tmpfile();
    Nad_Write_Ec1_Tables(f, &T.t);
    const std::string s = kovtest::contents(f);
    fclose(f);
    // Table 2 holds no values and is not written.
    EXPECT_EQ(s, "~DATA\n1 3 4\n\n"
                 "~TAB1\nNotiz\n  1.500 -2.250\n 10.000  0.001\n\n"
                 "~TAB99\n 10 0 0 0 0 0 0 0 0 0 0 1\n\n");
}

TEST(NadEc1Write, UserSetStoredAndLoadedBack)
{
    Tables T;
    Install in(kDefs);
    Nad_Read_Ec1_Definitions(&T.t);
    FILE* f = stream_of("~TAB1\nalt\n 1 2\n 3 4\n\n~TAB2\nzwei\n 5 6 7\n");
    Nad_Read_Ec1_Tables(f, &T.t);
    fclose(f);
    T.t.set_number = 2;
    EXPECT_EQ(Nad_Store_Ec1_User_Set(0, "Mein Anhang", &T.t), 1);
    const std::string first = read_file(in.dram + "/WUSL-NADs.def");
    EXPECT_EQ(first.substr(0, 25), "#NAD\nMein Anhang\n2\n\n~DATA");
    EXPECT_TRUE(kovtest::temporaries_beside(in.dram + "/WUSL-NADs.def").empty());

    T.t.tables[0]->values[0] = 11;
    T.t.tables[1]->has_values = 0;
    EXPECT_EQ(Nad_Store_Ec1_User_Set(1, "Anderer", &T.t), 1);
    const std::string both = read_file(in.dram + "/WUSL-NADs.def");
    EXPECT_EQ(both.substr(0, first.size()), first);
    EXPECT_NE(both.find("#NAD\nAnderer\n2\n\n", first.size()), std::string::npos);

    Tables U;
    Nad_Read_Ec1_Definitions(&U.t);
    Nad_Load_Ec1(1, "Mein Anhang", &U.t);
    EXPECT_EQ(U.t.set_number, 2);
    EXPECT_EQ(value(U.t, 1, 0), 1.0);
    EXPECT_EQ(value(U.t, 2, 2), 7.0);
    Nad_Load_Ec1(1, "Anderer", &U.t);
    EXPECT_EQ(value(U.t, 1, 0), 11.0);
    EXPECT_EQ(value(U.t, 2, 2), 7.0);          // not in that set: stays
    EXPECT_EQ(Nad_Differs_Ec1(&T.t, &U.t), 1); // table 2: values in U, none in T

    // Rewriting keeps only the new set.
    EXPECT_EQ(Nad_Store_Ec1_User_Set(0, "Anderer", &T.t), 1);
    EXPECT_EQ(read_file(in.dram + "/WUSL-NADs.def").find("Mein Anhang"), std::string::npos);
}

// The stored sets exist but cannot be opened while a set is appended (here:
// the process has no file handle left for them). Appending must fail and keep
// the file, not write the new set alone over the stored ones.
TEST(NadEc1Write, AppendingKeepsTheStoredSetsWhenTheyCannotBeRead)
{
    Tables T;
    Install in(kDefs);
    Nad_Read_Ec1_Definitions(&T.t);
    FILE* f = stream_of("~TAB1\nalt\n 1 2\n 3 4\n");
    Nad_Read_Ec1_Tables(f, &T.t);
    fclose(f);
    T.t.set_number = 2;
    EXPECT_EQ(Nad_Store_Ec1_User_Set(0, "Mein Anhang", &T.t), 1);
    const std::string stored = read_file(in.dram + "/WUSL-NADs.def");
    ASSERT_NE(stored.find("Mein Anhang"), std::string::npos);

    // One more handle may be opened (the new file), the next one fails.
    const int probe = dup(0);
    ASSERT_GE(probe, 0);
    close(probe);
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    struct rlimit one_more = saved;
    one_more.rlim_cur = (rlim_t)probe + 1;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &one_more), 0);
    const int stored_again = Nad_Store_Ec1_User_Set(1, "Anderer", &T.t);
    setrlimit(RLIMIT_NOFILE, &saved);

    EXPECT_EQ(stored_again, 0);
    EXPECT_EQ(read_file(in.dram + "/WUSL-NADs.def"), stored);
    EXPECT_TRUE(kovtest::temporaries_beside(in.dram + "/WUSL-NADs.def").empty());
}

// ---- variant, comparison, copy ---------------------------------------------------

TEST(NadEc1Variant, GermanRulesDropTable9EcRulesTable8)
{
    Tables T;
    Install in(kDefs);
    Nad_Read_Ec1_Definitions(&T.t);
    FILE* f = stream_of("~TAB8\nacht\n 8\n~TAB9\nneun\n 9\n");
    Nad_Read_Ec1_Tables(f, &T.t);
    fclose(f);
    Nad_Set_Ec1_Na_De(&T.t, 1);
    EXPECT_EQ(T.t.set_number, 2);
    EXPECT_EQ(T.t.tables[8]->has_values, 0);
    EXPECT_EQ(T.t.tables[8]->value_note, nullptr);
    EXPECT_EQ(T.t.tables[7]->has_values, 1);
    Nad_Set_Ec1_Na_De(&T.t, 0);
    EXPECT_EQ(T.t.set_number, 1);
    EXPECT_EQ(T.t.tables[7]->has_values, 0);

    Tables E; // no tables defined at all
    Nad_Set_Ec1_Na_De(&E.t, 1);
    EXPECT_EQ(E.t.set_number, 2);
}

TEST(NadEc1Compare, ValuesFlagsAndShapes)
{
    Install in(kDefs);
    Tables A, B;
    Nad_Read_Ec1_Definitions(&A.t);
    Nad_Read_Ec1_Definitions(&B.t);
    EXPECT_EQ(Nad_Differs_Ec1(&A.t, &B.t), 0);
    FILE* f = stream_of("~TAB1\nN\n 1 2\n 3 4\n");
    Nad_Read_Ec1_Tables(f, &A.t);
    fclose(f);
    EXPECT_EQ(Nad_Differs_Ec1(&A.t, &B.t), 1);
    EXPECT_EQ(Nad_Differs_Ec1(&B.t, &A.t), 1);

    Nad_Copy_Ec1(&B.t, &A.t);
    EXPECT_EQ(Nad_Differs_Ec1(&A.t, &B.t), 0);
    EXPECT_STREQ(B.t.tables[0]->value_note, "benutzerdefiniert, editierbar");
    B.t.tables[0]->values[3] += 0.00009;
    EXPECT_EQ(Nad_Differs_Ec1(&A.t, &B.t), 0);
    B.t.tables[0]->values[3] += 0.00003;
    EXPECT_EQ(Nad_Differs_Ec1(&A.t, &B.t), 1);
    B.t.tables[0]->values[3] = 4;
    B.t.set_number = 9; // not compared
    EXPECT_EQ(Nad_Differs_Ec1(&A.t, &B.t), 0);
    B.t.table_flags[3] = 1;
    EXPECT_EQ(Nad_Differs_Ec1(&A.t, &B.t), 1);
    B.t.table_flags[3] = 0;
    B.t.data_b = 5;
    EXPECT_EQ(Nad_Differs_Ec1(&A.t, &B.t), 1);
}

TEST(NadEc1Copy, OnlyTablesOfTheSameShape)
{
    Tables A;
    {
        Install in(kDefs);
        Nad_Read_Ec1_Definitions(&A.t);
    }
    Tables B;
    {
        // B's table 1 is 4 x 4: larger than A's 2 x 2.
        Install in(def(1, 4, 4, "A") + def(2, 3, 1, "B"));
        Nad_Read_Ec1_Definitions(&B.t);
    }
    FILE* f = stream_of("~TAB1\nN\n 1 2\n 3 4\n~TAB2\nM\n 5 6 7\n~DATA\n1 8 9\n~TAB99\n 2 0 4 5\n");
    Nad_Read_Ec1_Tables(f, &A.t);
    fclose(f);
    B.t.tables[0]->has_values = 1;
    B.t.set_number = 6;
    Nad_Copy_Ec1(&B.t, &A.t);
    EXPECT_EQ(B.t.tables[0]->has_values, 0);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(B.t.tables[0]->values[k], 0.0);
    EXPECT_EQ(B.t.tables[1]->has_values, 1);
    EXPECT_EQ(B.t.tables[1]->values[2], 7.0);
    EXPECT_EQ(B.t.data_a, 8);
    EXPECT_EQ(B.t.data_b, 9);
    EXPECT_EQ(B.t.table_flags[1], 5);
    EXPECT_EQ(B.t.set_number, 6);

    // The other way round: A's larger counterpart does not fit either.
    Nad_Copy_Ec1(&A.t, &B.t);
    EXPECT_EQ(A.t.tables[0]->has_values, 0);
    EXPECT_EQ(A.t.tables[8]->has_values, 0); // no table in B
}

TEST(NadEc1Free, ReleasesEverything)
{
    Install in(kDefs);
    NadEc1Tables t;
    memset(&t, 0, sizeof t);
    Nad_Read_Ec1_Definitions(&t);
    Nad_Free_Ec1_Tables(&t);
    for (auto* tb : t.tables) EXPECT_EQ(tb, nullptr);
    Nad_Free_Ec1_Tables(nullptr);
    EXPECT_EQ(Nad_Ec1_Zero(), 0);
}

// ---- the supplied installation files -------------------------------------------

TEST(NadEc1Supplied, DefinitionsAndSetsParse)
{
    kovtest::ScopedEnv env("DATA", KOV_SOURCE_DIR "/data");
    Tables T;
    ASSERT_EQ(Nad_Read_Ec1_Definitions(&T.t), 10);
    const int shapes[10][2] = {{5, 2}, {5, 1}, {4, 5}, {2, 4}, {10, 3}, {5, 2}, {2, 1}, {2, 4}, {2, 1}, {3, 7}};
    for (int i = 0; i < 10; ++i) {
        ASSERT_NE(T.t.tables[i], nullptr) << i;
        EXPECT_EQ(T.t.tables[i]->columns, shapes[i][0]) << i;
        EXPECT_EQ(T.t.tables[i]->rows, shapes[i][1]) << i;
        EXPECT_GT(strlen(T.t.tables[i]->title), 0u);
        EXPECT_GT(T.t.tables[i]->width, 0);
    }

    Nad_Default_Ec1(&T.t);
    EXPECT_EQ(T.t.set_number, 1);
    for (int n : {1, 2, 4, 5, 6, 7, 9}) EXPECT_EQ(T.t.tables[n - 1]->has_values, 1) << n;
    for (int n : {3, 8, 10}) EXPECT_EQ(T.t.tables[n - 1]->has_values, 0) << n;
    // EN 1991-1-3 Table 5.2: mu2 = 0.8 (1 + alpha / 30) up to 30 degrees; mu1 = 0.8 (60 - alpha) / 30.
    EXPECT_NEAR(value(T.t, 1, 5 + 1), 0.8 * (1 + 15.0 / 30), 1e-9);
    EXPECT_NEAR(value(T.t, 1, 3), 0.8 * (60 - 45.0) / 30, 1e-9);
    EXPECT_NEAR(value(T.t, 2, 4), 2.0, 1e-9);          // C_esl, EN 1991-1-3 4.3(1)
    EXPECT_NEAR(value(T.t, 4, 1 * 2 + 0), 0.05, 1e-9); // z0 of category II

    Nad_Load_Ec1(0, "Deutschland", &T.t);
    Nad_Set_Ec1_Na_De(&T.t, 1);
    EXPECT_EQ(T.t.set_number, 2);
    EXPECT_EQ(T.t.tables[8]->has_values, 0);
    EXPECT_EQ(T.t.tables[7]->has_values, 1);
    // Basic velocity pressure q_b,0 = rho / 2 v_b,0^2 with rho = 1.25 kg/m3, in kN/m2.
    for (int zone = 0; zone < 4; ++zone) {
        const double v = value(T.t, 8, zone * 2);
        EXPECT_NEAR(v, 22.5 + 2.5 * zone, 1e-9);
        EXPECT_NEAR(value(T.t, 8, zone * 2 + 1), 1.25 / 2 * v * v / 1000, 0.005) << zone;
    }
    // Zone 1a: 1.25 times zone 1, at least 0.81 kN/m2.
    EXPECT_NEAR(value(T.t, 3, 4 + 2) * value(T.t, 3, 4 + 3), 0.81, 0.005);
    EXPECT_NEAR(value(T.t, 2, 4), 2.3, 1e-9);

    Tables D;
    Nad_Read_Ec1_Definitions(&D.t);
    Nad_Load_Ec1(0, "DIN 1055-(4+5)", &D.t);
    EXPECT_EQ(D.t.set_number, 2);
    for (int n : {1, 3, 5, 8, 10}) EXPECT_EQ(D.t.tables[n - 1]->has_values, 1) << n;

    // The recommended annex is found by the beginning of the set's name.
    Tables S;
    Nad_Read_Ec1_Definitions(&S.t);
    Nad_Load_Ec1(0, "EC-Standard", &S.t);
    EXPECT_EQ(S.t.set_number, 1);
    EXPECT_EQ(S.t.tables[8]->has_values, 1);
}
