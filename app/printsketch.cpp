// Side view of the step joint in the output list and in the plot file of the
// component: the sill with its notch, the strut standing in it, dimension
// chains and break lines at the far ends.
#include "app/print.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QLineF>
#include <QRectF>
#include <QTransform>

#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "base/kovmem.h"
#include "base/ptrarr.h"
#include "output/iolidim.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"
#include "output/olilocale.h"
#include "platform/kovmath.h"
#include "platform/kovoli.h"
#include "platform/kovreplace.h"

const double kSketchScales[34] = {0.1, 0.25, 0.5, 1,   1.25, 1.5,  2,    2.5,  5,    10,   15,  20,
                                  25,  30,   40,  50,  60,   70,   75,   80,   90,   100,  125, 150,
                                  175, 200,  250, 500, 750,  1000, 2000, 2500, 5000, 10000};

double Sketch_Scale_Number(double m)
{
    for (double f : kSketchScales)
        if (1.0 / f <= m) return f;
    // Nothing fits (a graphic too small, or no extent): the smallest drawing
    // the list offers rather than an infinite factor.
    return kSketchScales[33];
}

double Sketch_True_Scale(double F)
{
    // Block units are centimetres on paper: L mm are drawn L/F cm = 10 L/F mm.
    return F / 10.0;
}

namespace {

bool finite_point(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

QPolygonF turned(const QPolygonF& poly, const QPointF& about, double degrees)
{
    QTransform t;
    t.translate(about.x(), about.y());
    t.rotate(degrees);
    t.translate(-about.x(), -about.y());
    return t.map(poly);
}

void clear_drawing(SketchGeometry* g)
{
    g->typ = -1;
    g->s = g->a = g->d = g->e = g->c = g->g = g->k = g->r = 0.0;
    g->sill_outline.clear();
    g->sill.clear();
    g->strut.clear();
    g->strut_end1 = g->strut_end2 = QPointF();
    g->chain_bottom.clear();
    g->chain_left.clear();
    g->chain_heel.clear();
    g->chain_right.clear();
}

} // namespace

namespace {

// The derived lengths of the joint's type (g->s .. g->r).
void sketch_lengths(int typ, double hD, double t1, double t2, double rad, SketchGeometry* g)
{
    if (typ < 0) return;
    g->s = hD / std::sin(rad);
    g->a = t1 / std::tan(KOV_PI / 2.0 - rad / 2.0);
    g->d = g->s - g->a;
    g->e = t2 * std::tan(rad);
    g->c = t2 / std::tan(rad);
    g->g = g->s - (g->c + g->e);
    g->k = g->g - g->a;
    g->r = hD - std::sqrt(t2 * t2 + g->e * g->e);
}

// Sill outline, y pointing from the notched face into the sill.
void sill_outline(int typ, double lv, double hG, double t1, double t2, SketchGeometry* g)
{
    QPolygonF& P = g->sill_outline;
    P << QPointF(0, 0);
    if (typ == 0 || typ == 1) {
        P << QPointF(lv - g->a, 0);
        P << QPointF(lv, t1);
        P << P.last() + QPointF(g->d, -t1);
        P << P.last() + QPointF(g->d, 0);
        P << P.last() + QPointF(0, hG);
        P << QPointF(0, P.last().y());
    } else if (typ == 2) {
        P << QPointF(std::max(g->g, lv), 0);
        P << P.last() + QPointF(g->e, t2);
        P << P.last() + QPointF(g->c, -t2);
        P << P.last() + QPointF(g->s, 0);
        P << P.last() + QPointF(0, hG);
        P << QPointF(0, P.last().y());
    } else {
        P << QPointF(lv - g->a, 0);
        P << QPointF(lv, t1);
        P << QPointF(lv + g->k, 0);
        P << P.last() + QPointF(g->e, t2);
        P << P.last() + QPointF(g->c, -t2);
        P << P.last() + QPointF(g->s, 0);
        P << P.last() + QPointF(0, hG);
        P << QPointF(0, P.last().y());
    }
}

// Strut, built in the mirrored system (Q, the sill as drawn) and turned about
// its first point; a breast notch also moves the sill's point where the
// strut's lower edge meets the face.
void strut_outline(int typ, double lv, double hG, double hD, double t1, double gamma, QPolygonF& Q, SketchGeometry* g)
{
    const double rad = gamma * KOV_DEG_TO_RAD;
    QPolygonF S;
    switch (typ) {
        case 0: {
            const QPointF s1 = Q[4];
            const QPointF s2 = s1 + QPointF(0, -hD);
            S << Q[1] << s1 << s2 << QPointF(Q[1].x(), s2.y()) << Q[0];
            S = turned(S, S[0], gamma);
            S[3] = Q[3];
            S[4] = QPointF(lv, t1);
            g->strut_end1 = S[1];
            g->strut_end2 = S[2];
            break;
        }
        case 1: {
            const double half = hD / 2.0;
            const double shift = half * std::tan(rad / 2.0);
            const QPointF s0 = Q[2];
            const QPointF s1 = s0 + QPointF(-shift, -half);
            const QPointF s2(Q[4].x(), s1.y());
            const QPointF s3 = s2 + QPointF(0, hD);
            const QPointF s4(s0.x() + shift, s3.y());
            S << s0 << s1 << s2 << s3 << s4;
            S = turned(S, s0, gamma);
            QPointF cut;
            if (QLineF(Q[0], Q[4]).intersects(QLineF(S[1], S[2]), &cut) != QLineF::NoIntersection && finite_point(cut))
                Q[3] = cut;
            g->strut_end1 = S[2];
            g->strut_end2 = S[3];
            break;
        }
        default: {
            const int i = typ == 2 ? 1 : 3;
            const int j = typ == 2 ? 4 : 6;
            const QPointF s2(Q[0].x(), Q[0].y() + g->r);
            const QPointF s3(Q[j].x(), s2.y());
            const QPointF s4(Q[j].x(), s3.y() - hD);
            const QPointF s5(Q[i].x(), s4.y());
            S << Q[i] << Q[0] << s2 << s3 << s4 << s5;
            S = turned(S, Q[i], gamma);
            if (typ == 3) {
                S[1] = Q[2];
                S[2] = Q[1];
            } else {
                if (S[1].y() < Q[0].y() - hG) S[1].setY(Q[0].y() - hG);
                if (S[2].x() < Q[0].x()) S[2] = Q[0];
            }
            g->strut_end1 = S[3];
            g->strut_end2 = S[4];
            break;
        }
    }
    g->strut = S;
}

// Clears the drawing but keeps extent and scale.
void clear_keeping_scale(SketchGeometry* g)
{
    const double X = g->X, Y = g->Y, m = g->m, F = g->F;
    clear_drawing(g);
    g->X = X;
    g->Y = Y;
    g->m = m;
    g->F = F;
}

} // namespace

void Sketch_Compute(const NELU52_DATA& data, SketchGeometry* g)
{
    clear_drawing(g);
    const double hG = data.balken_hG;
    const double hD = data.balken_hD;
    const double t1 = data.balken_tv1;
    const double t2 = data.balken_tv2;
    const double gamma = data.gamma;
    const double lv = std::isfinite(data.lv_min) ? data.lv_min : 0.0;
    const double rad = gamma * KOV_DEG_TO_RAD;
    const int typ = data.typ >= 0 && data.typ <= 3 ? data.typ : -1;

    sketch_lengths(typ, hD, t1, t2, rad, g);
    g->X = typ >= 0 ? lv + 2.0 * g->s : lv;
    g->Y = 2.0 * hD + hG;

    bool ok = typ >= 0;
    for (double v : {g->s, g->a, g->d, g->e, g->c, g->g, g->k, g->r, hG, hD, t1, t2, g->X, g->Y})
        if (!std::isfinite(v)) ok = false;
    if (!ok) {
        // Nothing sensible to draw (no joint type, or an angle or length that
        // leaves no finite outline): an empty sketch with a finite extent.
        const double X = g->X, Y = g->Y;
        clear_drawing(g);
        g->X = std::isfinite(X) ? X : 0.0;
        g->Y = std::isfinite(Y) ? Y : 0.0;
    }

    g->m = std::min((data.graf_breite - 2.4) / g->X, (data.graf_hoehe - 1.8) / g->Y);
    g->F = Sketch_Scale_Number(g->m);
    if (!ok) return;
    g->typ = typ;

    sill_outline(typ, lv, hG, t1, t2, g);
    const QPolygonF& P = g->sill_outline;
    const int bottom_points = typ == 3 ? 6 : 4;
    for (int i = 0; i < bottom_points; ++i) g->chain_bottom << P[i];

    // Mirror about the middle of the outline's box: the notch opens upwards.
    const QPointF centre = P.boundingRect().center();
    QTransform mirror;
    mirror.translate(centre.x(), centre.y());
    mirror.scale(1.0, -1.0);
    mirror.translate(-centre.x(), -centre.y());
    QPolygonF Q = mirror.map(P);

    g->chain_left << Q[0] << Q[2];
    if (typ == 3) g->chain_heel << Q[4] << Q[5];

    strut_outline(typ, lv, hG, hD, t1, gamma, Q, g);
    g->sill = Q;
    g->chain_right << Q[0] << Q.last();

    bool finite = finite_point(g->strut_end1) && finite_point(g->strut_end2);
    for (const QPolygonF* poly : {&g->sill_outline, &g->sill, &g->strut})
        for (const QPointF& p : *poly)
            if (!finite_point(p)) finite = false;
    if (!finite) clear_keeping_scale(g);
}

namespace {

const OliRgb kWhite = {255, 255, 255};
const OliRgb kWood = {248, 195, 62};
const OliRgb kBlack = {0, 0, 0};

// A dashed white line over a segment, so that a solid edge below it shows as a
// break; a second pass with the black fill finishes it.
void break_line(const QPointF& a, const QPointF& b)
{
    Oli_Graphic_Push_State();
    File_Printf(Oli_Graphic_Stream(), " 6 %lf\n", 0.04);
    File_Printf(Oli_Graphic_Stream(), " 38 %d %s %d\n", 2, "0.15 0.30", 0);
    Oli_Graphic_Set_Line_Rgb(kWhite);
    Oli_Graphic_Set_Fill_Rgb(kWhite);
    Oli_Graphic_Line(a.x(), a.y(), b.x(), b.y());
    Oli_Graphic_Set_Fill_Rgb(kBlack);
    Oli_Graphic_Line(a.x(), a.y(), b.x(), b.y());
    Oli_Graphic_Pop_State();
}

// Filled outline and the open line through its points.
void outline(const QPolygonF& poly)
{
    const int n = poly.size();
    if (n < 1 || n > 18) return;
    double x[18], y[18];
    for (int i = 0; i < n; ++i) {
        x[i] = poly[i].x();
        y[i] = poly[i].y();
    }
    Oli_Graphic_Fill_Polygon(n, x, y);
    Oli_Graphic_Polyline(-n, x, y);
}

PtrArr* chain_of(const QVector<QPointF>& points)
{
    PtrArr* list = Ptr_Arr_New(100);
    if (!list) return nullptr;
    for (const QPointF& p : points) Oli_Chain_Add_Point(list, p.x(), p.y());
    return list;
}

void draw_chain(PtrArr* list, int direction, double position)
{
    if (list) Oli_Graphic_Dimension_Chain(list, "mm", direction, position, 0.1, -1.0, 0);
}

// Deletes a list with whatever points a chain left in it.
void delete_chain(PtrArr* list)
{
    if (!list) return;
    for (int i = 0; i < Ptr_Arr_Count(list); ++i) std::free(Ptr_Arr_Get(list, i));
    Ptr_Arr_Delete(list);
}

} // namespace

void print_skizze(NELU52_DATA& d, FILE* list)
{
    OliCLocaleScope numeric_c;
    SketchGeometry g;
    Sketch_Compute(d, &g);
    const double F = g.F;
    const double x1 = -1.2 * F, y1 = -1.2 * F, x2 = g.X + 0.6 * F, y2 = g.Y + 0.6 * F;

    PtrArr* left = chain_of(g.chain_left);
    PtrArr* right = nullptr;
    PtrArr* heel = chain_of(g.chain_heel);
    PtrArr* bottom = chain_of(g.chain_bottom);

    // The plot file is drawn at the list's 1/F cm per mm and states that scale.
    const double scale = Sketch_True_Scale(F);
    KovReplacement plot;
    const bool plot_open = Kov_Replace_Open(nelu52_spf_name, &plot) == KOV_REPLACE_OK;
    if (plot_open) {
        Plot_Open_Grey(plot.f, x1, y1, x2, y2, 1.0 / F, 0.0, "Ansicht M 1:%g", scale);
        Plot_Set_Font(2);
        Plot_Set_Linetype(0);
        Plot_Set_Pen(1);
        Plot_Set_Filling(5);
        Plot_Set_Layer(0);
    }

    // Kept on one page: the drawing's height and 2.8 cm for the texts (held to
    // what the layout library's float can carry, whatever the input).
    OLI_reserveSpaceCM(list, (float)std::min(g.Y / F + 2.8, 1.0e6));
    // "Ansicht Maßstab 1:F, Längeneinheit in [mm]" with the scale the sketch
    // is printed at.
    if (scale == std::floor(scale))
        Oli_Text(list,
                 "\xCE"
                 "bAnsicht Ma\xE1stab 1:%2.0lf\xCE"
                 "r, L\x84ngeneinheit in [mm]",
                 scale);
    else
        Oli_Text(list,
                 "\xCE"
                 "bAnsicht Ma\xE1stab 1:%g\xCE"
                 "r, L\x84ngeneinheit in [mm]",
                 scale);
    Oli_Text(list, " ");

    Oli_Graphic_Begin_Scaled(list, x1, y1, x2, y2, 1.0 / F, 0.0, nullptr);
    File_Printf(Oli_Graphic_Stream(), " 6 %lf\n", 0.05);
    Oli_Graphic_Set_Dim_Flags(8);

    if (g.typ >= 0) {
        const double rad = d.gamma * KOV_DEG_TO_RAD;
        const QPointF out(0.3 * F * std::cos(rad), 0.3 * F * std::sin(rad));
        const QPointF e1 = g.strut_end1 + out, e2 = g.strut_end2 + out;
        Oli_Graphic_Dimension_Mm(e1.x(), e1.y(), e2.x(), e2.y(), 0.1, 2);
        Oli_Graphic_Set_Line_Rgb(kWhite);
        Oli_Graphic_Set_Colour_Index(43);
        Oli_Graphic_Set_Fill_Rgb(kWood);
        outline(g.strut);
        break_line(g.strut_end1, g.strut_end2);
        outline(g.sill);
    }
    right = chain_of(g.chain_right);
    Oli_Graphic_Set_Line_Rgb(kBlack);

    const int n = g.sill.size();
    if (g.typ == 3) draw_chain(heel, 3, g.sill[5].x() + 0.9 * F);
    delete_chain(heel);
    draw_chain(bottom, 2, (n > 0 ? g.sill[n - 1].y() : 0.0) - 0.9 * F);
    draw_chain(left, 3, (n > 0 ? g.sill[0].x() : 0.0) - 0.3 * F);
    draw_chain(right, 3, (n > 1 ? g.sill[n - 2].x() : 0.0) + 0.6 * F);
    delete_chain(bottom);
    delete_chain(left);
    delete_chain(right);

    if (n >= 3) break_line(g.sill[n - 3], g.sill[n - 2]);
    File_Printf(Oli_Graphic_Stream(), " -1\n");

    if (plot_open) {
        // Plot_Close writes the end and closes the stream itself; the file
        // takes the place of the old one only when it was written completely.
        const bool ok = std::fflush(plot.f) == 0 && !std::ferror(plot.f);
        Plot_Close();
        plot.f = nullptr;
        // The list is complete either way; a plot file that did not reach the
        // disk is said so, since the old one, of another input, stays.
        if (Kov_Replace_Close(&plot, ok ? 1 : 0) != KOV_REPLACE_OK)
            Nelu52_Warning(QStringLiteral("Fehler"),
                           QString::fromUtf8("Die Plotdatei %1 konnte nicht geschrieben werden!")
                               .arg(QString::fromLocal8Bit(nelu52_spf_name)));
    }
}
