#pragma once
// The example position that the output-list tests print and the benchmarks
// time, and the list writers' state at program start: one definition, so that
// both work on the same input.
#include <QString>

#include "app/nelu52data.h"
#include "output/iolipara.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"

namespace kovtest {

// Every writer of the output list back to its state at program start (one
// list per process otherwise; a test that writes two lists resets in between).
inline void Reset_Writers()
{
    Oli_Para_Reset();
    Oli_Reset_Layout();
    Oli_Reset_Headings();
    Oli_Reset_Tables();
    Oli_Graphic_Reset();
    Oli_Set_Level(338);
}

// A sill 120/180 and a strut 120/100 of C24 at 60 degrees, steps 30 mm deep,
// a bolt M12, service class 1, and two load combinations (a permanent one and
// a short one with a larger strut force).
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

} // namespace kovtest
