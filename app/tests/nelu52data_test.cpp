// Defaults of the data object, the load-duration texts and the code page 850
// conversions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "app/nelu52data.h"

namespace {

TEST(DataObject, DefaultsOfAFreshObject)
{
    NELU52_DATA d;
    ASSERT_EQ(d.lasten.size(), 1);
    EXPECT_EQ(d.lasten[0].name, QString::fromUtf8("A ständig"));
    EXPECT_EQ(d.lasten[0].kmod, 0.6);
    EXPECT_EQ(d.lasten[0].kled, 0);
    EXPECT_EQ(d.lasten[0].nd_strebe, 0.0);
    EXPECT_EQ(d.typ, 0);
    EXPECT_EQ(d.balken_b, 120.0);
    EXPECT_EQ(d.balken_hG, 180.0);
    EXPECT_EQ(d.balken_hD, 100.0);
    EXPECT_EQ(d.balken_tv1, 30.0);
    EXPECT_EQ(d.balken_tv2, 30.0);
    EXPECT_EQ(d.gamma, 60.0);
    EXPECT_EQ(d.strebe_leff, 1000.0);
    EXPECT_EQ(d.holzguete_sw, 5);
    EXPECT_EQ(d.nkl, 1);
    EXPECT_EQ(d.d_bolzen, 12.0);
    EXPECT_EQ(d.st_wie_sw, 1);
    EXPECT_EQ(d.import_zov + d.import_mat + d.import_geo, 3);
    EXPECT_EQ(d.cal_auto, 0);
    EXPECT_EQ(d.nk_zov, 2);
    EXPECT_EQ(d.graf_breite, 17.0);
    EXPECT_EQ(d.kh_sw, 1.0);
    EXPECT_TRUE(d.nachweise.isEmpty());
    EXPECT_EQ(d.eta_gesamt, 0.0);
    // The program's one object exists before main with the same defaults.
    EXPECT_EQ(nelu52_data.lasten.size(), 1);
}

TEST(DataObject, BlankCombination)
{
    LoadCase lc;
    EXPECT_TRUE(lc.name.isEmpty());
    EXPECT_EQ(lc.kmod, 0.9);
    EXPECT_EQ(lc.kled, 3);
    EXPECT_EQ(lc.nd_strebe + lc.nd_schwelle + lc.vd_schwelle + lc.md_schwelle, 0.0);
}

TEST(DataObject, CheckOperationsAreInvokableByName)
{
    NELU52_DATA d;
    int r = -1;
    EXPECT_TRUE(QMetaObject::invokeMethod(&d, "cal_nachweise", Q_RETURN_ARG(int, r)));
    EXPECT_EQ(r, 0);
    EXPECT_EQ(d.nachweise.size(), 4);
    EXPECT_TRUE(QMetaObject::invokeMethod(&d, "cal_Versatz", Q_RETURN_ARG(int, r)));
}

TEST(LoadDuration, IndexOfATextIgnoresCase)
{
    struct {
        const char* text;
        int klasse;
    } const cases[] = {
        {"ständig", 0},   {"LANG", 1},           {"Mittel", 2},         {"KURZ", 3},
        {"Sehr Kurz", 4}, {"kurz/sehr kurz", 5}, {"--------------", 5}, {"außergewöhnlich", 6},
        {"erdbeben", 7},  {"frei", 8},           {"Wind", 0},           {"", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(NELU52_DATA::kled_index(QString::fromUtf8(c.text)), c.klasse) << c.text;
}

// k_mod of solid softwood after EN 1995-1-1 Table 3.1; a combination
// "frei" keeps the value typed in, every other follows its class.
TEST(LoadDuration, KmodFollowsTheClassExceptForFree)
{
    struct {
        int nkl, kled;
        double kmod;
    } const cases[] = {
        {1, 0, 0.60}, {1, 1, 0.70}, {1, 2, 0.80}, {1, 3, 0.90}, {1, 4, 1.10}, {2, 0, 0.60},
        {2, 3, 0.90}, {3, 0, 0.50}, {3, 1, 0.55}, {3, 2, 0.65}, {3, 3, 0.70}, {3, 4, 0.90},
    };
    for (const auto& c : cases) {
        NELU52_DATA d;
        d.holzart_sw = 0;
        d.holzguete_sw = 5; // C24
        d.nkl = c.nkl;
        d.lasten[0].kled = c.kled;
        d.lasten[0].kmod = 0.123; // stale, as a file edited elsewhere may hold
        LoadCase free_row = d.lasten[0];
        free_row.kled = 8;
        d.lasten.append(free_row);
        d.follow_kmod();
        EXPECT_DOUBLE_EQ(d.lasten[0].kmod, c.kmod) << "service class " << c.nkl << ", class " << c.kled;
        EXPECT_DOUBLE_EQ(d.kmod_for_class(c.kled), c.kmod);
        EXPECT_EQ(d.lasten[1].kmod, 0.123);
    }
}

TEST(LoadDuration, TextOfAClass)
{
    EXPECT_EQ(NELU52_DATA::kled_text(0, 0), QString::fromUtf8("ständig"));
    EXPECT_EQ(NELU52_DATA::kled_text(4, 0), QStringLiteral("sehr kurz"));
    EXPECT_EQ(NELU52_DATA::kled_text(5, 1), QStringLiteral("kurz/sehr kurz"));
    EXPECT_EQ(NELU52_DATA::kled_text(5, 0), QStringLiteral("--------------"));
    EXPECT_EQ(NELU52_DATA::kled_text(6, 0), QString::fromUtf8("außergewöhnlich"));
    EXPECT_EQ(NELU52_DATA::kled_text(8, 1), QStringLiteral("frei"));
    EXPECT_TRUE(NELU52_DATA::kled_text(9, 1).isEmpty());
    EXPECT_TRUE(NELU52_DATA::kled_text(-1, 1).isEmpty());
    for (int k = 0; k <= 8; ++k) EXPECT_EQ(NELU52_DATA::kled_index(NELU52_DATA::kled_text(k, 1)), k);
}

TEST(CodePage850, FromBytes)
{
    EXPECT_EQ(qstring_from_cp850("\x47\x81\x74\x65"), QString::fromUtf8("Güte"));
    EXPECT_EQ(qstring_from_cp850("\x84\x8E\x94\x99\x9A\x81\xE1"), QString::fromUtf8("äÄöÖÜüß"));
    EXPECT_EQ(qstring_from_cp850("A ok"), QStringLiteral("A ok"));
    EXPECT_TRUE(qstring_from_cp850(nullptr).isEmpty());
    // Texts longer than 254 bytes come through whole.
    const std::string lang(600, 'x');
    EXPECT_EQ(qstring_from_cp850(lang.c_str()).size(), 600);
}

TEST(CodePage850, ToBytes)
{
    char* b = qstring_to_cp850(QString::fromUtf8("Maß"));
    ASSERT_NE(b, nullptr);
    EXPECT_STREQ(b, "\x4D\x61\xE1");
    std::free(b);
    b = qstring_to_cp850(QString::fromUtf8("Größe Ärger Übel Öl süß"));
    EXPECT_STREQ(b, "Gr\x94\xE1"
                    "e \x8Erger \x9A"
                    "bel \x99l s\x81\xE1");
    std::free(b);
    b = qstring_to_cp850(QString());
    EXPECT_STREQ(b, "");
    std::free(b);
}

TEST(CodePage850, RecodeRepairsALineOfTheHostAndKeepsCorrectText)
{
    // "Dach Süd-Ost Maß" written in code page 850 and read through the system's
    // code page (Windows-1252): 0x81 and 0xE1 arrive as wrong characters.
    const QString read = qstring_from_system8(QByteArray("Dach S\x81"
                                                         "d-Ost Ma\xE1"));
    EXPECT_NE(read, QString::fromUtf8("Dach Süd-Ost Maß"));
    EXPECT_EQ(qstring_recode_cp850(read), QString::fromUtf8("Dach Süd-Ost Maß"));
    EXPECT_EQ(qstring_recode_cp850(qstring_from_system8(QByteArray("\x94"))), QString::fromUtf8("ö"));
    EXPECT_EQ(qstring_recode_cp850(QString::fromUtf8("Fußpfette Ähre")), QString::fromUtf8("Fußpfette Ähre"));
}

TEST(SystemCodePage, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b) all.append(char(b));
    EXPECT_EQ(qstring_to_system8(qstring_from_system8(all)), all);
    EXPECT_EQ(qstring_from_system8(QByteArray("\x80")), QString(QChar(0x20AC)));
    EXPECT_EQ(qstring_to_system8(QString::fromUtf8("ä€")), QByteArray("\xE4\x80"));
    // A character the code page lacks becomes '?'.
    EXPECT_EQ(qstring_to_system8(QString::fromUtf8("α😀")), QByteArray("??"));
}

} // namespace
