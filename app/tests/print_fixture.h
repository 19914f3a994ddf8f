#pragma once
// Helpers of the output-list tests: the example position, fresh writer state,
// a private working folder and golden-file comparison.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "app/print.h"
#include "app/tests/app_fixture.h"
#include "output/iolipara.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"
#include "platform/kovscript.h"

namespace printtest {

// Every writer back to its state at program start (one list per process
// otherwise; a test that writes two lists resets in between).
inline void Reset_Writers()
{
    Oli_Para_Reset();
    Oli_Reset_Layout();
    Oli_Reset_Headings();
    Oli_Reset_Tables();
    Oli_Graphic_Reset();
    Oli_Set_Level(338);
}

// The example position: a sill 120/180 and a strut 120/100 of C24 at 60
// degrees, steps 30 mm deep, a bolt M12, service class 1, and two load
// combinations (a permanent one and a short one with a larger strut force).
inline void Example_Position(NELU52_DATA& d, int typ)
{
    d.set_defaults();
    d.typ = typ;
    d.balken_b = 120.0;
    d.balken_hG = 180.0;
    d.balken_hD = 100.0;
    d.balken_tv1 = 30.0;
    d.balken_tv2 = 30.0;
    d.gamma = 60.0;
    d.strebe_leff = 2000.0;
    d.holzart_sw = 0;
    d.holzguete_sw = 5;
    d.holzart_st = 0;
    d.holzguete_st = 5;
    d.st_wie_sw = 1;
    d.mit_kh_sw = 1;
    d.mit_kh_st = 1;
    d.nkl = 1;
    d.nw_biegung = 1;
    d.nw_schub = 1;
    d.nw_strebe = 1;
    d.stirn_gleich = 0;
    d.linkes_schnittufer = 0;
    d.querschnittsschwaechung = 1;
    d.lagesicherung_bolzen = 1;
    d.d_bolzen = 12.0;
    d.graf_breite = 17.0;
    d.graf_hoehe = 12.0;
    d.nk_zov = 2;
    d.ausfuehrlich = 0;
    d.lasten.clear();
    LoadCase g;
    g.name = QString::fromUtf8("LK 1: ständig");
    g.nd_strebe = 25.0;
    g.nd_schwelle = 5.0;
    g.vd_schwelle = 4.0;
    g.md_schwelle = 2.0;
    g.kmod = 0.6;
    g.kled = 0;
    d.lasten.append(g);
    LoadCase q;
    q.name = QString::fromUtf8("LK 2: g + s");
    q.nd_strebe = 60.0;
    q.nd_schwelle = 12.0;
    q.vd_schwelle = 9.0;
    q.md_schwelle = 4.5;
    q.kmod = 0.9;
    q.kled = 3;
    d.lasten.append(q);
}

// Compares bytes with a golden file of the tests folder. With KOV_UPDATE_GOLDEN
// set the golden is written instead (read it before committing it).
inline void Expect_Golden(const std::string& bytes, const std::string& golden)
{
    const std::string path = std::string(KOV_TEST_DIR) + "/" + golden;
    if (std::getenv("KOV_UPDATE_GOLDEN")) {
        ASSERT_TRUE(apptest::Spill(path, bytes)) << path;
        return;
    }
    const std::string want = apptest::Slurp(path);
    ASSERT_FALSE(want.empty()) << "missing golden " << path;
    if (bytes == want) return;
    size_t i = 0;
    while (i < bytes.size() && i < want.size() && bytes[i] == want[i]) ++i;
    const size_t from = i > 200 ? i - 200 : 0;
    ADD_FAILURE() << golden << " differs at byte " << i << "\n--- got:\n"
                  << bytes.substr(from, 400) << "\n--- want:\n"
                  << want.substr(from, 400);
}

// Number of occurrences of needle in hay.
inline int Count(const std::string& hay, const std::string& needle)
{
    int n = 0;
    for (size_t p = hay.find(needle); p != std::string::npos; p = hay.find(needle, p + needle.size())) ++n;
    return n;
}

} // namespace printtest
