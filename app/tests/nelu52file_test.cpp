// The input file of a position and its annex-name file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "app_fixture.h"
#include "base/kovmsg.h"
#include "nad/nadlist.h"
#include "platform/kovlocale.h"
#include "test_support/annex/scopedannex.h"
#include "test_support/kovtestutil.h"

namespace {

using apptest::Slurp;
using apptest::Spill;

struct InputFile : ::testing::Test {
    apptest::Workdir dir;
    void SetUp() override { Nad_Reset_Annex_State(); }
    void TearDown() override
    {
        Kov_Numeric_C_Locale();
        Nad_Reset_Annex_State();
    }
};

void Fill(NELU52_DATA& d)
{
    d.typ = 3;
    d.holzart_sw = 2;
    d.holzguete_sw = 9;
    d.nkl = 2;
    d.balken_b = 140.0;
    d.balken_hG = 240.0;
    d.strebe_leff = 2750.5;
    d.balken_hD = 160.0;
    d.balken_tv1 = 25.0;
    d.balken_tv2 = 35.5;
    d.gamma = 47.5;
    d.lasten.clear();
    LoadCase a;
    a.name = QString::fromUtf8("LK 1: ständig");
    a.nd_strebe = 18.5;
    a.nd_schwelle = 10.0;
    a.md_schwelle = 5.0;
    a.vd_schwelle = 2.0;
    a.kled = 0;
    a.kmod = 0.6;
    LoadCase b;
    b.name = QStringLiteral("LK 2 Schnee kurz");
    b.nd_strebe = 1234.5678;
    b.nd_schwelle = -0.000012345;
    b.md_schwelle = 0.0;
    b.vd_schwelle = 7.0;
    b.kled = 3;
    b.kmod = 0.9;
    d.lasten << a << b;
    d.graf_breite = 15.5;
    d.graf_hoehe = 10.0;
    d.masstab_optimal = 0;
    d.ausfuehrlich = 0;
    d.grafik = 1;
    d.nw_biegung = 1;
    d.nw_schub = 0;
    d.nw_strebe = 1;
    d.cal_auto = 1;
    d.mit_kh_sw = 0;
    d.import_zov = 0;
    d.import_mat = 1;
    d.import_geo = 0;
    d.linkes_schnittufer = 1;
    d.nk_zov = 3;
    d.max_tv1 = 1;
    d.max_tv2 = 0;
    d.lagesicherung_text = QString::fromUtf8("Bolzen M16 – Unterlegscheibe");
    d.lagesicherung_bolzen = 0;
    d.querschnittsschwaechung = 1;
    d.d_bolzen = 16.0;
    d.stirn_gleich = 1;
    d.holzart_st = 1;
    d.holzguete_st = 3;
    d.mit_kh_st = 0;
    d.st_wie_sw = 0;
}

// What Fill gives, line by line (Windows-1252: ä E4, en dash 96).
const std::string kGolden = "3\n"
                            "2 9 2 3\n"
                            "140 240 2750.5 160 25 35.5 47.5\n"
                            "2\n"
                            "LK 1: st\xE4ndig\n"
                            "18.5 10 5 2 10 2 5 0 0.6\n"
                            "LK 2 Schnee kurz\n"
                            "1234.57 -1.2345e-05 0 7 -1.2345e-05 7 0 3 0.9\n"
                            "15.5 10 0\n"
                            "0 1\n"
                            "1 0 1 1\n"
                            "0\n"
                            "0 1 0 1\n"
                            "3 1 0\n"
                            "Bolzen M16 \x96 Unterlegscheibe\n"
                            "0 1 16 1\n"
                            "1 3 0 0\n";

// The tail of a file after the load combinations (lines 6 to 14).
const std::string kTail = "15.5 10 0\n0 1\n1 0 1 1\n0\n0 1 0 1\n3 1 0\nText\n0 1 16 1\n1 3 0 0\n";

void Expect_Same_Input(const NELU52_DATA& a, const NELU52_DATA& b)
{
    EXPECT_EQ(a.typ, b.typ);
    EXPECT_EQ(a.holzart_sw, b.holzart_sw);
    EXPECT_EQ(a.holzguete_sw, b.holzguete_sw);
    EXPECT_EQ(a.nkl, b.nkl);
    EXPECT_EQ(a.balken_b, b.balken_b);
    EXPECT_EQ(a.balken_hG, b.balken_hG);
    EXPECT_EQ(a.strebe_leff, b.strebe_leff);
    EXPECT_EQ(a.balken_hD, b.balken_hD);
    EXPECT_EQ(a.balken_tv1, b.balken_tv1);
    EXPECT_EQ(a.balken_tv2, b.balken_tv2);
    EXPECT_EQ(a.gamma, b.gamma);
    ASSERT_EQ(a.lasten.size(), b.lasten.size());
    for (int i = 0; i < a.lasten.size(); ++i) {
        EXPECT_EQ(a.lasten[i].name, b.lasten[i].name);
        EXPECT_NEAR(a.lasten[i].nd_strebe, b.lasten[i].nd_strebe, 1e-5 * std::fabs(b.lasten[i].nd_strebe));
        EXPECT_NEAR(a.lasten[i].nd_schwelle, b.lasten[i].nd_schwelle, 1e-5 * std::fabs(b.lasten[i].nd_schwelle));
        EXPECT_EQ(a.lasten[i].md_schwelle, b.lasten[i].md_schwelle);
        EXPECT_EQ(a.lasten[i].vd_schwelle, b.lasten[i].vd_schwelle);
        EXPECT_EQ(a.lasten[i].kled, b.lasten[i].kled);
        EXPECT_EQ(a.lasten[i].kmod, b.lasten[i].kmod);
    }
    EXPECT_EQ(a.graf_breite, b.graf_breite);
    EXPECT_EQ(a.graf_hoehe, b.graf_hoehe);
    EXPECT_EQ(a.masstab_optimal, b.masstab_optimal);
    EXPECT_EQ(a.ausfuehrlich, b.ausfuehrlich);
    EXPECT_EQ(a.grafik, b.grafik);
    EXPECT_EQ(a.nw_biegung, b.nw_biegung);
    EXPECT_EQ(a.nw_schub, b.nw_schub);
    EXPECT_EQ(a.nw_strebe, b.nw_strebe);
    EXPECT_EQ(a.cal_auto, b.cal_auto);
    EXPECT_EQ(a.mit_kh_sw, b.mit_kh_sw);
    EXPECT_EQ(a.import_zov, b.import_zov);
    EXPECT_EQ(a.import_mat, b.import_mat);
    EXPECT_EQ(a.import_geo, b.import_geo);
    EXPECT_EQ(a.linkes_schnittufer, b.linkes_schnittufer);
    EXPECT_EQ(a.nk_zov, b.nk_zov);
    EXPECT_EQ(a.max_tv1, b.max_tv1);
    EXPECT_EQ(a.max_tv2, b.max_tv2);
    EXPECT_EQ(a.lagesicherung_text, b.lagesicherung_text);
    EXPECT_EQ(a.lagesicherung_bolzen, b.lagesicherung_bolzen);
    EXPECT_EQ(a.querschnittsschwaechung, b.querschnittsschwaechung);
    EXPECT_EQ(a.d_bolzen, b.d_bolzen);
    EXPECT_EQ(a.stirn_gleich, b.stirn_gleich);
    EXPECT_EQ(a.holzart_st, b.holzart_st);
    EXPECT_EQ(a.holzguete_st, b.holzguete_st);
    EXPECT_EQ(a.mit_kh_st, b.mit_kh_st);
    EXPECT_EQ(a.st_wie_sw, b.st_wie_sw);
}

TEST_F(InputFile, WrittenFileReadsBackIntoTheSameObject)
{
    NELU52_DATA out;
    Fill(out);
    ASSERT_EQ(out.write_file("ABC_07.inp", "ABC_07.nad"), 0);
    EXPECT_EQ(Slurp("ABC_07.inp"), kGolden);

    NELU52_DATA in;
    ASSERT_EQ(in.read_file("ABC_07.inp", "ABC_07.nad"), 0);
    Expect_Same_Input(in, out);
    // No temporary file is left beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.pos())) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 2);
}

TEST_F(InputFile, NumbersDoNotDependOnTheLocale)
{
    if (!Kov_Try_German_Locale()) GTEST_SKIP() << "no German locale installed";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%g", 1.5);
    ASSERT_STREQ(probe, "1,5") << "the locale should write a decimal comma";
    NELU52_DATA out;
    Fill(out);
    ASSERT_EQ(out.write_file("ABC_07.inp", nullptr), 0);
    EXPECT_EQ(Slurp("ABC_07.inp"), kGolden) << "C library writes " << probe;
    NELU52_DATA in;
    ASSERT_EQ(in.read_file("ABC_07.inp", nullptr), 0);
    Expect_Same_Input(in, out);
}

TEST_F(InputFile, SillForcesAreTakenFromTheFirstGroup)
{
    // N, M, V first, then N, V, M: the second group is not read.
    ASSERT_TRUE(Spill("p.inp", "3\n0 5 1 0\n120 180 1000 100 30 30 60\n1\nK\n20 10 5 2 99 98 97 4 1.1\n" + kTail));
    NELU52_DATA d;
    ASSERT_EQ(d.read_file("p.inp", nullptr), 0);
    ASSERT_EQ(d.lasten.size(), 1);
    EXPECT_EQ(d.lasten[0].nd_strebe, 20.0);
    EXPECT_EQ(d.lasten[0].nd_schwelle, 10.0);
    EXPECT_EQ(d.lasten[0].md_schwelle, 5.0);
    EXPECT_EQ(d.lasten[0].vd_schwelle, 2.0);
    EXPECT_EQ(d.lasten[0].kled, 4);
    EXPECT_EQ(d.lasten[0].kmod, 1.1);
}

TEST_F(InputFile, VersionOneAndTwoFilesEndEarlier)
{
    const std::string head = "0 5 1 2\n120 180 1000 100 30 30 60\n0\n15.5 10 0\n0 1\n1 0 1 1\n0\n0 1 0 1\n3 1 0\n";
    // Version 1 ends after line 11; lines behind it are not read either.
    ASSERT_TRUE(Spill("v1.inp", "1\n" + head + "Text\n0 0 20 1\n3 3 1 1\n"));
    NELU52_DATA d;
    d.lagesicherung_text = QStringLiteral("alt");
    d.d_bolzen = 14.0;
    d.holzart_st = 1;
    ASSERT_EQ(d.read_file("v1.inp", nullptr), 0);
    EXPECT_EQ(d.typ, 2);
    EXPECT_EQ(d.nk_zov, 3);
    EXPECT_EQ(d.max_tv1, 1);
    EXPECT_EQ(d.lagesicherung_text, QStringLiteral("alt"));
    EXPECT_EQ(d.d_bolzen, 14.0);
    EXPECT_EQ(d.lagesicherung_bolzen, 1);
    EXPECT_EQ(d.querschnittsschwaechung, 1);
    EXPECT_EQ(d.stirn_gleich, 0);
    EXPECT_EQ(d.holzart_st, 1);

    // Version 2 ends after line 13.
    ASSERT_TRUE(Spill("v2.inp", "2\n" + head + "Lage mit  zwei Blanks\n0 0 20 1\n3 3 0 0\n"));
    NELU52_DATA e;
    ASSERT_EQ(e.read_file("v2.inp", nullptr), 0);
    EXPECT_EQ(e.lagesicherung_text, QStringLiteral("Lage mit  zwei Blanks"));
    EXPECT_EQ(e.lagesicherung_bolzen, 0);
    EXPECT_EQ(e.querschnittsschwaechung, 0);
    EXPECT_EQ(e.d_bolzen, 20.0);
    EXPECT_EQ(e.stirn_gleich, 1);
    EXPECT_EQ(e.holzart_st, 0);
    EXPECT_EQ(e.st_wie_sw, 1);

    ASSERT_TRUE(Spill("v3.inp", "3\n" + head + "Lage\n0 0 20 1\n3 3 0 0\n"));
    NELU52_DATA f;
    ASSERT_EQ(f.read_file("v3.inp", nullptr), 0);
    EXPECT_EQ(f.holzart_st, 3);
    EXPECT_EQ(f.holzguete_st, 3);
    EXPECT_EQ(f.st_wie_sw, 0);
}

TEST_F(InputFile, EmptyFileEmptiesTheLoadTable)
{
    ASSERT_TRUE(Spill("leer.inp", ""));
    NELU52_DATA d;
    d.gamma = 45.0;
    // An empty file is a damaged one: it says so and changes nothing but the
    // load table.
    ASSERT_EQ(d.read_file("leer.inp", nullptr), 2);
    ASSERT_FALSE(d.read_problems.isEmpty());
    EXPECT_TRUE(d.read_problems[0].startsWith(QString::fromUtf8("Zeile 1 fehlt"))) << d.read_problems[0].toStdString();
    EXPECT_TRUE(d.lasten.isEmpty());
    EXPECT_EQ(d.gamma, 45.0);
    EXPECT_EQ(d.typ, 0);
    EXPECT_EQ(d.mit_kh_sw, 1);
    EXPECT_EQ(d.graf_breite, 17.0);
}

TEST_F(InputFile, LinesWithTheWrongNumberOfValuesAreSkipped)
{
    ASSERT_TRUE(Spill("w.inp",
                      "3\n"
                      "1 2 3\n"                      // 3 values instead of 4
                      "120  180 1000 100 30 30 60\n" // two blanks: 8 parts
                      "3\n"
                      "Eins mit Blanks\n1 2 3 4 5 6 7 3 0.9\n"
                      "Zwei\n1 2 3 4 5 6 7 3\n"     // 8 values: dropped
                      "Drei\n9 x 3 4 5 6 7 3 0.8\n" // "x" stores 0
                      "15.5 10 0 1\n"
                      "0 1\n1 0 1 1\n0\n0 1 0 1\n3 1 0\nText\n0 1 16 1\n1 3 0 0\n"));
    NELU52_DATA d;
    d.gamma = 45.0;
    ASSERT_EQ(d.read_file("w.inp", nullptr), 2);
    const QStringList expected = {
        QString::fromUtf8("Zeile 2 hat 3 statt 4 Werte; Holzart und Holzgüte der Schwelle, Nutzungsklasse und "
                          "Bauteiltyp bleiben bei ihren Vorgaben"),
        QString::fromUtf8("Zeile 3 hat 8 statt 7 Werte; die Abmessungen und der Winkel bleiben bei ihren Vorgaben"),
        QString::fromUtf8("Zeile 8 hat 8 statt 9 Werte; die Lastkombination „Zwei“ wird nicht gelesen"),
        QString::fromUtf8("Zeile 10: „x“ ist keine gültige Zahl für N_d der Schwelle; verwendet wird 0"),
        QString::fromUtf8("Zeile 11 hat 4 statt 3 Werte; die Grafikmaße bleiben bei ihren Vorgaben"),
    };
    EXPECT_EQ(d.read_problems, expected);
    EXPECT_EQ(d.holzart_sw, 0);
    EXPECT_EQ(d.holzguete_sw, 5);
    EXPECT_EQ(d.gamma, 45.0);
    ASSERT_EQ(d.lasten.size(), 2);
    EXPECT_EQ(d.lasten[0].name, QStringLiteral("Eins mit Blanks"));
    EXPECT_EQ(d.lasten[1].name, QStringLiteral("Drei"));
    EXPECT_EQ(d.lasten[1].nd_strebe, 9.0);
    EXPECT_EQ(d.lasten[1].nd_schwelle, 0.0); // the blank row's value
    EXPECT_EQ(d.lasten[1].kmod, 0.8);
    EXPECT_EQ(d.graf_breite, 17.0); // line 6 had 4 values
    EXPECT_EQ(d.ausfuehrlich, 0);   // the following lines are read normally
    EXPECT_EQ(d.holzguete_st, 3);
}

// A file cut off anywhere (a full disk of another program, a broken copy) and
// bytes that are no input file at all are read without a fault: what is
// there is taken, the rest keeps its values.
TEST_F(InputFile, CutAndBinaryFilesAreReadWithoutFault)
{
    NELU52_DATA full;
    Fill(full);
    ASSERT_EQ(full.write_file("voll.inp", nullptr), 0);
    const std::string bytes = Slurp("voll.inp");
    ASSERT_GT(bytes.size(), 40u);
    for (size_t n = 0; n < bytes.size(); ++n) {
        ASSERT_TRUE(Spill("cut.inp", bytes.substr(0, n)));
        NELU52_DATA d;
        // Every cut loses at least the last line's values and says so.
        const int rc = d.read_file("cut.inp", nullptr);
        if (n + 1 < bytes.size()) {
            EXPECT_EQ(rc, 2) << n;
            EXPECT_FALSE(d.read_problems.isEmpty()) << n;
        }
        EXPECT_LE(d.lasten.size(), full.lasten.size()) << n;
        EXPECT_TRUE(d.nkl >= 1 && d.nkl <= 3) << n;
    }

    std::string junk;
    for (int i = 0; i < 20000; ++i) junk += char((i * 131 + 7) % 256);
    junk[100] = '\0';
    ASSERT_TRUE(Spill("junk.inp", junk));
    NELU52_DATA d;
    d.gamma = 45.0;
    EXPECT_EQ(d.read_file("junk.inp", nullptr), 2);
    EXPECT_EQ(d.gamma, 45.0);
}

// A file the program could not understand is kept as "<name>.bak" when a save
// replaces it; a file it read as version 1 to 3 is replaced without a copy.
TEST_F(InputFile, SaveOverAnUnreadFileKeepsItsBytes)
{
    const std::string junk = "\x01\x02 not an input file\n\xff\xfe\n";
    for (const char* first : {"", "4\n", "x\n"}) {
        const std::string bytes = std::string(first) + junk;
        ASSERT_TRUE(Spill("alt.inp", bytes));
        std::remove("alt.inp.bak");
        NELU52_DATA d;
        d.read_file("alt.inp", nullptr);
        ASSERT_EQ(d.write_file("alt.inp", nullptr), 0);
        EXPECT_EQ(Slurp("alt.inp.bak"), bytes) << first;
        EXPECT_EQ(Slurp("alt.inp").substr(0, 2), "3\n");
        // Once kept, the next save replaces without a further copy.
        std::remove("alt.inp.bak");
        ASSERT_EQ(d.write_file("alt.inp", nullptr), 0);
        EXPECT_EQ(Slurp("alt.inp.bak"), "");
    }

    NELU52_DATA good;
    ASSERT_EQ(good.write_file("gut.inp", nullptr), 0);
    NELU52_DATA again;
    ASSERT_EQ(again.read_file("gut.inp", nullptr), 0);
    ASSERT_EQ(again.write_file("gut.inp", nullptr), 0);
    EXPECT_EQ(Slurp("gut.inp.bak"), "");
}

// A read-only input file is refused and stays as it was.
TEST_F(InputFile, ReadOnlyFileIsNotReplaced)
{
    ASSERT_TRUE(Spill("ro.inp", "3\nalt\n"));
    ASSERT_EQ(::chmod("ro.inp", 0444), 0);
    NELU52_DATA d;
    EXPECT_EQ(d.write_file("ro.inp", nullptr), 1);
    EXPECT_EQ(Slurp("ro.inp"), "3\nalt\n");
    const QString why = NELU52_DATA::write_failure();
    EXPECT_TRUE(why.contains(QString::fromStdString(std::filesystem::current_path().string() + "/ro.inp")))
        << why.toStdString();
    EXPECT_TRUE(why.endsWith(QString::fromUtf8("die Datei ist schreibgeschützt."))) << why.toStdString();
    ::chmod("ro.inp", 0644);
    EXPECT_EQ(d.write_file("ro.inp", nullptr), 0);
    EXPECT_TRUE(NELU52_DATA::write_failure().isEmpty());
}

// A save into a folder that is gone names the folder.
TEST_F(InputFile, SaveIntoAMissingFolderSaysSo)
{
    NELU52_DATA d;
    EXPECT_EQ(d.write_file("weg/POS_01.inp", nullptr), 1);
    const std::string here = std::filesystem::current_path().string();
    EXPECT_EQ(NELU52_DATA::write_failure(),
              QString::fromUtf8("Die Datei „%1/weg/POS_01.inp“ konnte nicht geschrieben werden: der Ordner „%1/weg“ "
                                "existiert nicht.")
                  .arg(QString::fromStdString(here)));
}

// A write-protected position folder: the message names the file and the
// folder's protection. Root writes everywhere, so the save then runs as an
// ordinary user in a child process.
TEST_F(InputFile, SaveIntoAWriteProtectedFolderSaysSo)
{
    const std::string folder = std::filesystem::current_path().string() + "/nur_lesen";
    ASSERT_EQ(::mkdir(folder.c_str(), 0555), 0);
    ::chmod(folder.c_str(), 0555);
    ::chmod(std::filesystem::current_path().c_str(), 0755);
    ::chmod(std::filesystem::current_path().parent_path().c_str(), 0755); // the user reaches the folder
    const std::string expected = "Die Datei \xE2\x80\x9E" + folder +
                                 "/POS_01.inp\xE2\x80\x9C konnte nicht geschrieben werden: "
                                 "der Ordner \xE2\x80\x9E" +
                                 folder + "\xE2\x80\x9C ist schreibgesch\xC3\xBCtzt (keine Schreibrechte).";
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(fds[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) _exit(3);
        NELU52_DATA d;
        const int rc = d.write_file((folder + "/POS_01.inp").c_str(), nullptr);
        const std::string why = NELU52_DATA::write_failure().toStdString();
        if (::write(fds[1], why.data(), why.size()) < 0) _exit(4);
        _exit(rc == 1 ? 0 : 2);
    }
    ::close(fds[1]);
    std::string why;
    char buf[512];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) why.append(buf, size_t(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::chmod(folder.c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 3) << "cannot run as an ordinary user";
    EXPECT_EQ(WEXITSTATUS(status), 0) << why;
    EXPECT_EQ(why, expected);
}

// A service class outside 1 to 3 is not taken: the class stays and the
// report names the line, the value and the range.
TEST_F(InputFile, ServiceClassOutOfRangeIsNotTaken)
{
    for (const char* cls : {"0", "4", "-1", "x"}) {
        ASSERT_TRUE(Spill("s.inp", std::string("3\n0 5 ") + cls + " 1\n"));
        NELU52_DATA d;
        d.nkl = 2;
        ASSERT_EQ(d.read_file("s.inp", nullptr), 2);
        EXPECT_EQ(d.nkl, 2) << cls;
        EXPECT_EQ(d.typ, 1);
        ASSERT_FALSE(d.read_problems.isEmpty());
        const QString expected =
            std::string(cls) == "x"
                ? QString::fromUtf8("Zeile 2: „x“ ist keine gültige Zahl für die Nutzungsklasse; verwendet wird 2")
                : QString::fromUtf8("Zeile 2: %1 für die Nutzungsklasse liegt außerhalb von 1 bis 3; verwendet wird 2")
                      .arg(QString::fromLatin1(cls));
        EXPECT_EQ(d.read_problems[0], expected);
    }
    ASSERT_TRUE(Spill("s.inp", "3\n0 5 3 1\n"));
    NELU52_DATA d;
    d.read_file("s.inp", nullptr);
    EXPECT_EQ(d.nkl, 3);
}

TEST_F(InputFile, NumbersThatAreNotFiniteAreNotTaken)
{
    ASSERT_TRUE(Spill("nan.inp", "3\n0 5 1 0\nnan 190 inf 100 -inf 30 1e999\n"));
    NELU52_DATA d;
    ASSERT_EQ(d.read_file("nan.inp", nullptr), 2);
    EXPECT_EQ(d.balken_b, 120.0);
    EXPECT_EQ(d.balken_hG, 190.0);
    EXPECT_EQ(d.strebe_leff, 1000.0);
    EXPECT_EQ(d.balken_tv1, 30.0);
    EXPECT_EQ(d.gamma, 60.0);
    ASSERT_GE(d.read_problems.size(), 4);
    EXPECT_EQ(d.read_problems[0], QString::fromUtf8("Zeile 3: „nan“ ist keine gültige Zahl für b; verwendet wird 120"));
    EXPECT_EQ(d.read_problems[3],
              QString::fromUtf8("Zeile 3: „1e999“ ist keine gültige Zahl für den Winkel gamma; verwendet wird 60"));
}

// Forces that an earlier version saved as "nan" are not taken, and the reader
// says so, naming the line: the damaged combination must not pass unseen. It
// writes no message itself: the window or the run without window does.
TEST_F(InputFile, NonFiniteForcesAreNotTakenAndReported)
{
    const std::string head = "3\n0 5 1 0\n140 200 2200 140 30 0 45\n2\nA\n10 20 3 4 20 4 3 0 0.6\nB\n";
    Msg_Reset();
    const int list = Msg_List_New();
    Msg_Set_Output_Mode(2);
    ASSERT_TRUE(Spill("nan.inp", head + "nan 20 -nan 4 20 4 -nan 3 0.9\n"));
    NELU52_DATA d;
    ASSERT_EQ(d.read_file("nan.inp", nullptr), 2);
    ASSERT_EQ(d.lasten.size(), 2);
    EXPECT_EQ(d.lasten[1].nd_strebe, 0.0);
    EXPECT_EQ(d.lasten[1].md_schwelle, 0.0);
    EXPECT_EQ(d.lasten[1].nd_schwelle, 20.0);
    ASSERT_GE(d.read_problems.size(), 2);
    EXPECT_EQ(d.read_problems[0],
              QString::fromUtf8("Zeile 8: „nan“ ist keine gültige Zahl für N_d der Strebe; verwendet wird 0"));
    EXPECT_EQ(d.read_problems[1],
              QString::fromUtf8("Zeile 8: „-nan“ ist keine gültige Zahl für M_d der Schwelle; verwendet wird 0"));
    EXPECT_EQ(Msg_List_Count(list), 0);

    // a sound file says nothing
    ASSERT_TRUE(Spill("ok.inp", head + "1 20 3 4 20 4 3 3 0.9\n" + kTail));
    ASSERT_EQ(d.read_file("ok.inp", nullptr), 0);
    EXPECT_TRUE(d.read_problems.isEmpty());
    Msg_Reset();
}

TEST_F(InputFile, WindowsLineEndsAndACountBeyondTheFile)
{
    ASSERT_TRUE(Spill("crlf.inp", "3\r\n0 7 2 1\r\n120 180 1000 100 30 30 60\r\n1000000000\r\nK 1\r\n"
                                  "5 0 0 0 0 0 0 3 0.9\r\n"));
    NELU52_DATA d;
    ASSERT_EQ(d.read_file("crlf.inp", nullptr), 2);
    EXPECT_TRUE(
        d.read_problems.contains(QString::fromUtf8("Zeile 4 nennt 1000000000 Lastkombinationen, gelesen wurden 1")));
    EXPECT_EQ(d.holzguete_sw, 7);
    EXPECT_EQ(d.gamma, 60.0);
    ASSERT_EQ(d.lasten.size(), 1);
    EXPECT_EQ(d.lasten[0].name, QStringLiteral("K 1"));
    EXPECT_EQ(d.lasten[0].kmod, 0.9);
}

TEST_F(InputFile, OverlongLinesAreCut)
{
    std::string name(10000, 'n');
    ASSERT_TRUE(
        Spill("long.inp", "3\n0 5 1 0\n120 180 1000 100 30 30 60\n1\n" + name + "\n1 2 3 4 5 6 7 3 0.9\n" + kTail));
    NELU52_DATA d;
    ASSERT_EQ(d.read_file("long.inp", nullptr), 0);
    ASSERT_EQ(d.lasten.size(), 1);
    EXPECT_LT(d.lasten[0].name.size(), 10000);
    EXPECT_EQ(d.lasten[0].nd_strebe, 1.0);
    EXPECT_EQ(d.holzguete_st, 3);
}

TEST_F(InputFile, LineBreaksInTextsDoNotShiftTheFile)
{
    NELU52_DATA out;
    Fill(out);
    out.lasten[0].name = QStringLiteral("zwei\nZeilen");
    out.lagesicherung_text = QStringLiteral("a\r\nb");
    ASSERT_EQ(out.write_file("t.inp", nullptr), 0);
    NELU52_DATA in;
    in.read_file("t.inp", nullptr);
    EXPECT_EQ(in.lasten[0].name, QStringLiteral("zwei Zeilen"));
    EXPECT_EQ(in.lagesicherung_text, QStringLiteral("a  b"));
    EXPECT_EQ(in.holzguete_st, 3);
}

TEST_F(InputFile, MissingFileKeepsTheDefaultsAndPublishesTheAnnex)
{
    ScopedAnnex none(ScopedAnnex::kNone);
    NELU52_DATA d;
    EXPECT_EQ(d.read_file("fehlt.inp", "fehlt.nad"), 1);
    ASSERT_EQ(d.lasten.size(), 1);
    EXPECT_EQ(d.lasten[0].name, QString::fromUtf8("A ständig"));
    ASSERT_NE(ActiveNadEc5, nullptr);
    ASSERT_NE(ActiveNadEc3, nullptr);
    EXPECT_NE(ActiveNadEc9, nullptr);
    EXPECT_STREQ(Nad_Get_Active_Name(), "Deutschland");
    // The supplied German annex: k_cr = 2.0 / f_v,k and gamma_M 1.3.
    EXPECT_EQ(ActiveNadEc5->k_cr_mode, 2);
    EXPECT_DOUBLE_EQ(ActiveNadEc5->gamma_m_solid, 1.3);
}

TEST_F(InputFile, AnnexNameFileIsWrittenAndActivatesItsAnnex)
{
    NELU52_DATA d;
    ASSERT_EQ(d.write_file("ABC_07.inp", "ABC_07.nad"), 0);
    EXPECT_EQ(Slurp("ABC_07.nad"), std::string("\n\nACTIV_NADNAME\n\xAE"
                                               "Deutschland\xAF\n0\n"));

    ASSERT_TRUE(Spill("ABC_07.nad", "\n\nACTIV_NADNAME\n\xAE"
                                    "EC-Standardparameter\xAF\n0\n"));
    ASSERT_EQ(d.read_file("ABC_07.inp", "ABC_07.nad"), 0);
    EXPECT_STREQ(Nad_Get_Active_Name(), "EC-Standardparameter");
    ASSERT_NE(ActiveNadEc5, nullptr);
    EXPECT_EQ(ActiveNadEc5, Nad_Get_Ec5());
    EXPECT_EQ(ActiveNadEc3, Nad_Get_Ec3());
    EXPECT_EQ(ActiveNadEc9, Nad_Get_Ec9());
    EXPECT_EQ(ActiveNadEc5->k_cr_mode, 1);

    // Saving again names the annex now active.
    ASSERT_EQ(d.write_file("ABC_07.inp", "ABC_07.nad"), 0);
    EXPECT_EQ(Slurp("ABC_07.nad"), std::string("\n\nACTIV_NADNAME\n\xAE"
                                               "EC-Standardparameter\xAF\n0\n"));
}

TEST_F(InputFile, DataOperationsUseTheNamesOfTheStartUp)
{
    ASSERT_EQ(Nelu52_Set_Position("ABC", "7"), 1);
    NELU52_DATA out;
    Fill(out);
    ASSERT_EQ(out.write_data(), 0);
    EXPECT_EQ(Slurp(dir.file("ABC_07.inp")), kGolden);
    EXPECT_FALSE(Slurp(dir.file("ABC_07.nad")).empty());
    NELU52_DATA in;
    ASSERT_EQ(in.read_data(), 0);
    Expect_Same_Input(in, out);
}

TEST_F(InputFile, FailedWriteLeavesTheOldFileIntact)
{
    const std::string old = "3\n0 5 1 0\n";
    ASSERT_TRUE(Spill("ABC_07.inp", old));
    ASSERT_TRUE(Spill("ABC_07.nad", "alt"));

    // Files may grow to 64 bytes only: the write of the new file fails.
    NELU52_DATA d;
    Fill(d);
    int r = -1;
    {
        kovtest::FileSizeLimit full(64);
        r = d.write_file("ABC_07.inp", "ABC_07.nad");
    }

    EXPECT_EQ(r, 1);
    EXPECT_EQ(Slurp("ABC_07.inp"), old);
    EXPECT_EQ(Slurp("ABC_07.nad"), "alt");
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.pos())) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 2);

    // A folder that does not exist cannot take the file.
    EXPECT_EQ(d.write_file("fehlt/ABC_07.inp", nullptr), 1);
}

// A damaged file is read as far as it goes; every place that could not be
// taken is named by its line, and reading changes no byte of the file.
TEST_F(InputFile, DamagedFilesAreReportedLineByLine)
{
    auto line_start = [](const std::string& text, int line) {
        size_t at = 0;
        for (int i = 1; i < line; ++i) at = text.find('\n', at) + 1;
        return at;
    };
    std::string bad_number = kGolden;
    bad_number.replace(line_start(kGolden, 3), 3, "14O");
    std::string bad_type = kGolden;
    bad_type.replace(line_start(kGolden, 2), 7, "2 9 2 7");
    std::string more_rows = kGolden;
    more_rows.replace(line_start(kGolden, 4), 1, "3");
    const struct {
        const char* what;
        std::string bytes;
        const char* problem;
        int combinations;
    } cases[] = {
        {"cut after a name", kGolden.substr(0, line_start(kGolden, 6)),
         "Zeile 6 fehlt, die Datei endet vorher; die Lastkombination „LK 1: ständig“ und alle folgenden Angaben "
         "bleiben bei ihren Vorgaben",
         0},
        {"cut after the first combination", kGolden.substr(0, line_start(kGolden, 7)),
         "Zeile 4 nennt 2 Lastkombinationen, gelesen wurden 1", 1},
        {"bad number", bad_number, "Zeile 3: „14O“ ist keine gültige Zahl für b; verwendet wird 120", 2},
        {"bad type code", bad_type, "Zeile 2: 7 für den Bauteiltyp liegt außerhalb von 0 bis 3; verwendet wird 0", 2},
        {"count larger than the rows", more_rows,
         "Zeile 10 hat 2 statt 9 Werte; die Lastkombination „15.5 10 0“ wird nicht gelesen", 2},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Spill("d.inp", c.bytes));
        NELU52_DATA d;
        EXPECT_EQ(d.read_file("d.inp", nullptr), 2) << c.what;
        EXPECT_TRUE(d.read_problems.contains(QString::fromUtf8(c.problem)))
            << c.what << ": " << d.read_problems.join('\n').toStdString();
        EXPECT_EQ(d.lasten.size(), c.combinations) << c.what;
        EXPECT_EQ(Slurp("d.inp"), c.bytes) << c.what;
        const QString report = nelu52_read_problems_text("d.inp", d.read_problems, false);
        EXPECT_TRUE(report.startsWith(QString::fromUtf8("Die Eingabedatei d.inp ist beschädigt; es wird nicht "
                                                        "gerechnet:\n")))
            << report.toStdString();
        EXPECT_TRUE(report.contains(QString::fromUtf8(c.problem))) << c.what;
    }
    // A save over the damaged file keeps its bytes beside it.
    NELU52_DATA d;
    ASSERT_TRUE(Spill("d.inp", bad_number));
    d.read_file("d.inp", nullptr);
    ASSERT_EQ(d.write_file("d.inp", nullptr), 0);
    EXPECT_EQ(Slurp("d.inp.bak"), bad_number);
}

// Letters, "inf", "nan" and an empty field in place of the first value of
// each line of numbers: never taken as a number, always named by its line;
// the member keeps the value it had (here the default, written back on save).
TEST_F(InputFile, TextWhereANumberBelongsIsNeverTaken)
{
    const struct {
        int line;
        const char* kept; // the first value of that line as a save writes it back
    } lines[] = {{2, "0"},  {3, "120"}, {6, "0"},  {8, "0"},  {9, "17"}, {10, "1"},
                 {11, "1"}, {12, "1"},  {13, "1"}, {14, "2"}, {16, "1"}, {17, "0"}};
    for (const auto& l : lines) {
        for (const char* bad : {"14O", "inf", "nan", ""}) {
            // Replace the first value of the line.
            std::string bytes = kGolden;
            size_t at = 0;
            for (int i = 1; i < l.line; ++i) at = bytes.find('\n', at) + 1;
            size_t end = at;
            while (bytes[end] != ' ' && bytes[end] != '\n') ++end;
            bytes.replace(at, end - at, bad);
            ASSERT_TRUE(Spill("f.inp", bytes));
            NELU52_DATA d;
            const std::string where = "line " + std::to_string(l.line) + " \"" + bad + "\"";
            ASSERT_EQ(d.read_file("f.inp", nullptr), 2) << where;
            ASSERT_EQ(d.read_problems.size(), 1) << where << ": " << d.read_problems.join('\n').toStdString();
            const QString problem = d.read_problems[0];
            EXPECT_TRUE(problem.startsWith(QStringLiteral("Zeile %1: ").arg(l.line))) << where << problem.toStdString();
            EXPECT_TRUE(problem.contains(*bad ? QString::fromUtf8("„%1“ ist keine gültige Zahl").arg(bad)
                                              : QStringLiteral("kein Wert")))
                << where << problem.toStdString();
            ASSERT_EQ(d.write_file("back.inp", nullptr), 0);
            const std::string back = Slurp("back.inp");
            size_t b = 0;
            for (int i = 1; i < l.line; ++i) b = back.find('\n', b) + 1;
            const std::string first = back.substr(b, std::strlen(l.kept) + 1);
            EXPECT_TRUE(first == std::string(l.kept) + " " || first == std::string(l.kept) + "\n")
                << where << ": " << first;
        }
    }
}

} // namespace
