// The EC2 editor page: the concrete parameters of an annex in three sections
// (buildings, fire, bridges), the rows switched by the program's EC2 rules.
#include <cstring>
#include <initializer_list>
#include <string>

#include "nad/nadoli.h"
#include "nad/pages/nadedit2.h"
#include "nad/pages/nadeditpriv.h"
#include "platform/kovcp.h"
#include "platform/kovscreen.h"
#include "sheets/viewarea.h"

namespace {

// Fonts of the page: clause numbers, main symbol letters and short labels;
// subscripts, explanations and row names; section titles and column heads.
const int kNormal = 4096;
const int kSmall = 4098;
const int kHead = 69632;

// Greek letters at their places in the sheet fonts.
#define G_ALPHA "\xE0"
#define G_BETA "\xBB"
#define G_GAMMA "\xC0"
#define G_DELTA "\xA3"
#define G_ETA "\xC1"
#define G_THETA "\xB0"
#define G_LAMBDA "\xC5"
#define G_MU "\xC6"
#define G_NU "\xC7"
#define G_RHO "\xCB"

// Kept for the whole run: which sections are open, the switch of the value
// fields of the current page, and the page's colours.
int g_open_buildings = 1;
int g_open_fire = 0;
int g_open_bridges = 1;
int g_editable = 0;
int g_never = 0;  // display-only elements
int g_always = 1; // the section check boxes
bool g_colours = false;
int g_cell_colour = 0;
int g_title_colour = 0;
int g_line_colour = 0;

int text_width(const char* text, int font)
{
    Pop_RFont(font);
    const int w = pxQTxX(text, -1, nullptr);
    Push_RFont();
    return w;
}

// A name of a fixed-size field, which need not be terminated.
std::string field_name(const char* name, size_t size) { return std::string(name, strnlen(name, size)); }

struct Sel;

class Page {
public:
    Page(unsigned area, NadEc2Record* r) : a_(area), r_(r), flags_(Ec2RelevanceFlags) {}

    bool flag(int i) const { return flags_[i] != 0; }
    NadEc2Record* rec() const { return r_; }
    bool de() const { return r_->na_de != 0; }
    bool display_only() const { return g_editable == 0; }
    int* act() const { return &g_editable; }

    int row(int y, int h, const char* clause = "", const char* symbol = "", const char* expl = "",
            int font = kNormal) const
    {
        return Ec2_Editor_Row(a_, y, h, clause, symbol, expl, font);
    }
    void text(int x, int y, const char* s, int font = kNormal) const
    {
        View_Area_Add_Text(a_, x, y, s, font, BLACK_CI, 0);
    }
    // Explanation lines at x 206: one on the base line, more from five
    // pixels above it, 11 pixels apart.
    void lines(int y, std::initializer_list<const char*> l) const
    {
        int yy = l.size() == 1 ? y : y - 5;
        for (const char* s : l) {
            text(206, yy, s, kSmall);
            yy += 11;
        }
    }
    // A symbol: its main letters and the subscript two pixels lower.
    void symbol(int x, int y, const char* main, const char* sub = "") const
    {
        text(x, y, main, kNormal);
        if (sub && *sub) text(x + text_width(main, kNormal), y + 2, sub, kSmall);
    }
    void field(int x, int y, double* v, const char* format, int* active = nullptr) const
    {
        View_Area_Add_Float(a_, x, y, v, format, 0, BLACK_CI, active ? active : act());
    }
    void grey_line(int x1, int x2, int y) const { View_Area_Add_Line(a_, x1, y, x2, y, g_line_colour); }
    void bitmap(const char* file, int y1, int y2) const { View_Area_Add_Bitmap(a_, file, 206, y1, 382, y2, WHITE_CI); }

    // A block heading: the clause with one or two heading lines.
    int heading(int y, const char* clause, std::initializer_list<const char*> l, int h = 23) const
    {
        row(y, h, clause);
        lines(y, l);
        return y + h;
    }
    // The paragraph, one symbol with its value field and the explanation.
    int value(int y, int h, const char* para, const char* main, const char* sub, double* v,
              std::initializer_list<const char*> expl, const char* format = "%5.2f", int x = 136,
              int* active = nullptr) const
    {
        row(y, h, para);
        symbol(67, y, main, sub);
        field(x, y, v, format, active);
        if (expl.size()) lines(y, expl);
        return y + h;
    }
    // Heads of the two-value rows (at x 97 and 156) with their explanation.
    int pair_head(int y, const char* para, const char* sub1, const char* sub2, const char* main1,
                  std::initializer_list<const char*> expl) const
    {
        row(y, 24, para);
        symbol(97, y, main1, sub1);
        symbol(156, y, main1, sub2);
        grey_line(67, 186, y + 7);
        lines(y, expl);
        return y + 24;
    }
    int pair(int y, const char* name, double* v1, double* v2) const
    {
        row(y, 18);
        field(76, y, v1, "%5.2f");
        field(136, y, v2, "%5.2f");
        text(206, y, name, kSmall);
        return y + 18;
    }
    int selector(int y, const Sel& s) const;
    void radio(int x, int y, const char* label, int key, int* selection, int* active) const
    {
        View_Area_Add_Radio_Button(a_, x, y, label, kNormal, BLACK_CI, key, selection, active);
    }

private:
    unsigned a_;
    NadEc2Record* r_;
    const int* flags_;
};

// A parameter that is either a value or the coefficient x of a formula of the
// German annex, switched by its selector (1 = value).
struct Sel {
    const char* para = "";
    const char* main = "";
    const char* sub = "";
    double* v = nullptr;
    int* mode = nullptr;
    const char* fmt_value = "%5.2f"; // selector 1
    int x_value = 136;
    const char* after_value = nullptr; // unit after the value (e.g. eta_1)
    const char* fmt_coef = "%5.2f";    // formula coefficient
    int x_coef = 136;
    const char* after_coef = nullptr;
    bool funkt = false;       // the short "= Funkt. von x"
    bool short_x = false;     // "   x" instead of "   x    "
    bool no_value = false;    // selector 1 shows "=  Grenzwert" and no field
    bool de_fixed = false;    // the German annex fixes the formula
    bool x_with_value = true; // selector 1 shows the "   x    " text
    int* radio_active = nullptr;
    int* field_active = nullptr;
};

// "/gamma_c" after a field of six characters at x 121 and its frame.
void per_gamma_c(const Page& p, int y) { p.symbol(178, y, "/" G_GAMMA, "c"); }

int Page::selector(int y, const Sel& s) const
{
    row(y, 36, s.para);
    int* radio = s.radio_active ? s.radio_active : act();
    View_Area_Add_Radio_Button(a_, 55, y, "    ", kNormal, BLACK_CI, 1, s.mode, radio);
    View_Area_Add_Radio_Button(a_, 55, y + 18, "    ", kNormal, BLACK_CI, 2, s.mode, radio);
    symbol(55, y, s.main, s.sub);
    const int y2 = y + 18;
    if (*s.mode == 1) {
        if (s.no_value) {
            text(87, y, "=  Grenzwert");
        } else {
            field(s.x_value, y, s.v, s.fmt_value, s.field_active);
            if (s.after_value) symbol(172, y, s.after_value, "1");
        }
        if (s.x_with_value) text(55, y2, s.short_x ? "   x" : "   x    ");
        text(90, y2, "(Funktion wird ignoriert)", kSmall);
    } else if (s.de_fixed && de()) {
        text(105, y, "(Fkt. wird ignoriert)", kSmall);
        symbol(55, y2, s.main, s.sub);
        text(105, y2, "s. NA-DE");
    } else {
        if (s.funkt)
            text(99, y, "= Funkt. von x");
        else
            text(87, y, "= Funktion von x");
        // Ends before a value field at x 121.
        text(31, y2, "   mit x =");
        field(s.x_coef, y2, s.v, s.fmt_coef, s.field_active);
        if (s.after_coef) per_gamma_c(*this, y2);
    }
    return y + 36;
}

// ---- EN 1992-1-1 ----------------------------------------------------------------

int partial_factors(const Page& p, int b, double* gc, double* gs, bool sls, const char* head2)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "2.4.2.4", {cp850("Teilsicherheitsbeiwerte für"), head2});
    y = p.pair_head(y, "(1)", "c", "s", G_GAMMA, {cp850("im Grenzzustand der Tragfähigkeit"), "Bemessungssituation:"});
    y = p.pair(y, cp850("ständig und vorübergehend"), &gc[0], &gs[0]);
    if (p.flag(1)) {
        y = p.pair(y, cp850("Ermüdung"), &gc[1], &gs[1]);
        y = p.pair(y, "Erdbeben", &gc[2], &gs[2]);
        y = p.pair(y, cp850("außergewöhnlich"), &gc[3], &gs[3]);
    }
    y = p.row(y, 7);
    if (sls) {
        p.row(y, 18, "(2)");
        p.field(76, y, &r->gamma_c_sls, "%5.2f");
        p.field(136, y, &r->gamma_s_sls, "%5.2f");
        p.lines(y, {"im Grenzzustand der", "Gebrauchstauglichkeit"});
        y = p.row(y + 18, 7);
    }
    return y;
}

int strengths(const Page& p, int b, const char* p1, double* cc, const char* p2, double* ct)
{
    int y = p.heading(b, "3.1.6", {"Bemessungswerte der Betondruck-", "und Betonzugfestigkeit"});
    if (p.flag(2))
        y = p.value(y, 34, p1, G_ALPHA, "cc", cc, {cp850("Abminderungsbeiwert für die"), "Betondruckfestigkeit"});
    if (p.flag(3))
        y = p.value(y, 50, p2, G_ALPHA, "ct", ct, {cp850("Abminderungsbeiwert für die"), "Betonzugfestigkeit"});
    return y;
}

int lightweight_strengths(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "11.3.5", {"Bemessungswerte der Betondruck-", "und Betonzugfestigkeit"});
    y = p.value(y, 36, "(1)", G_ALPHA, "lcc", &r->alpha_lcc,
                {cp850("Abminderungsbeiwert für die"), "Betondruckfestigkeit bei", "Leichtbeton"});
    return p.value(y, 36, "(2)", G_ALPHA, "lct", &r->alpha_lct,
                   {cp850("Abminderungsbeiwert für die"), "Betonzugfestigkeit bei", "Leichtbeton"});
}

int plain_strengths(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "12.3.1", {"Bemessungswerte der Betondruck-", "und Betonzugfestigkeit"});
    y = p.value(y, 36, "(1)", G_ALPHA, "cc,pl", &r->alpha_cc_pl,
                {cp850("Abminderungsbeiwert für die"), "Betondruckfestigkeit bei", "unbewehrtem Beton"});
    return p.value(y, 36, "", G_ALPHA, "ct,pl", &r->alpha_ct_pl,
                   {cp850("Abminderungsbeiwert für die"), "Betonzugfestigkeit bei", "unbewehrtem Beton"});
}

int cover(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "4.4.1.2", {"Mindestbetondeckung"});
    p.row(y, 24, "(5)");
    p.text(59, y, "Exp.");
    p.symbol(94, y, "C", "min,dur");
    p.symbol(150, y, G_DELTA "c", "dur," G_GAMMA);
    p.grey_line(55, 186, y + 7);
    if (p.display_only())
        p.lines(y, {cp850("Mindestbetondeckung in Abhängig-"), "keit von der Expositionsklasse [cm]",
                    cp850("für die Anforderungsklasse S4"), "(vgl. Tabelle 4.4N)"});
    else
        p.lines(y, {cp850("Mindestbetondeckung in Abhängig-"), "keit von der Expositionsklasse [cm]"});
    y += 24;
    for (int i = 0; i < NAD_EC2_EXPOSURE_CLASSES; ++i) {
        p.row(y, 18);
        p.text(59, y, field_name(r->exposure_class_names[i], sizeof r->exposure_class_names[i]).c_str());
        p.field(94, y, &r->c_min_dur[i], "%5.2f");
        p.field(150, y, &r->delta_c_dur_gamma[i], "%5.2f");
        y += 18;
    }
    // The additive safety element is one of the table's columns.
    p.text(10, b + 78, "(6)");
    p.text(206, b + 78, "Mindestbetondeckung: additives", kSmall);
    p.text(206, b + 89, "Sicherheitselement [cm]", kSmall);
    y = p.row(y, 7);
    y = p.value(y, 26, "(7)", G_DELTA "c", "dur,st", &r->delta_c_dur_st,
                {"Mindestbetondeckung: Verwendung", "von rostfreiem Stahl [cm]"});
    y = p.value(y, 26, "(8)", G_DELTA "c", "dur,add", &r->delta_c_dur_add,
                {"Mindestbetondeckung: Beton mit", cp850("zusätzlichem Schutz [cm]")});
    y = p.heading(y, "4.4.1.3", {cp850("Vorhaltemaß")});
    p.value(y, 26, "(1)P", G_DELTA "c", "dev", &r->delta_c_dev, {cp850("Vorhaltemaß für die"), "Betondeckung [cm]"});
    return b + 385;
}

int imperfections(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "5.2", {"Imperfektionen"});
    p.row(y, 31, "(5)");
    p.symbol(67, y, G_THETA, "0");
    p.text(121, y, "1/");
    p.field(145, y, &r->theta_0_inv, "%5.0f");
    p.lines(y, {"Grundwert der Schiefstellung"});
    return b + 54;
}

int redistribution(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "5.5", {"Linear-elastische Berechnung mit", "begrenzter Umlagerung"});
    y = p.value(y, 24, "(4)", "k", "1", &r->k1_redist,
                {"Linear-elastische Berechnung mit", "begrenzter Umlagerung: Beiwerte"});
    y = p.value(y, 24, "", "k", "3", &r->k3_redist,
                {"zur Ermittlung des erlaubten", cp850("Umlagerungsverhältnisses")});
    y = p.value(y, 24, "", "k", "5", &r->k5_redist, {});
    y = p.value(y, 24, "", "k", "6", &r->k6_redist, {});
    Sel k2;
    k2.main = "k";
    k2.sub = "2";
    k2.v = &r->k2_redist;
    k2.mode = &r->k2_redist_mode;
    k2.short_x = true;
    y = p.selector(y, k2);
    Sel k4 = k2;
    k4.sub = "4";
    k4.v = &r->k4_redist;
    k4.mode = &r->k4_redist_mode;
    p.selector(y, k4);
    p.bitmap("NAD\\NAD_Func1.bmp", b + 109, b + 179);
    return b + 204;
}

int slenderness(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    const int y = p.heading(b, "5.8.3.1", {cp850("Grenzwerte der Schlankheit für"), "Einzeldruckglieder"});
    if (p.de()) {
        // The German annex gives its own limit; there is nothing to choose.
        p.row(y, 36, "(1)");
        p.symbol(55, y, G_LAMBDA, "lim");
        p.text(97, y, "s. NA-DE");
    } else {
        Sel s;
        s.para = "(1)";
        s.main = G_LAMBDA;
        s.sub = "lim";
        s.v = &r->lambda_lim;
        s.mode = &r->lambda_lim_mode;
        s.short_x = true;
        p.selector(y, s);
    }
    p.bitmap("NAD\\NAD_Func8.bmp", b + 13, b + 28);
    return b + 73;
}

int buckling(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    const int y =
        p.heading(b, "5.8.6", {"Allgemeines Verfahren zur Ermittlung", "der Knicksicherheit (Th.II.O. im Zust.2)"});
    p.value(y, 40, "(3)", G_GAMMA, "cE", &r->gamma_ce,
            {cp850("Sicherheitsbeiwert für den E-Modul"), cp850("zur Berechnung von Formänderungen")});
    return b + 63;
}

// The minimum-shear row: a value, or the coefficient of the formula per gamma_c.
Sel v_min_sel(const char* main, const char* sub, double* v, int* mode)
{
    Sel s;
    s.main = main;
    s.sub = sub;
    s.v = v;
    s.mode = mode;
    s.funkt = true;
    s.fmt_value = "%5.3f";
    s.fmt_coef = "%6.4f";
    s.x_coef = 121;
    s.after_coef = "/";
    return s;
}

int nu_part(const Page& p, int y, const char* clause, const char* para, const char* l1, const char* l2, const char* sub,
            double* v, int* mode, const char* bitmap, bool shown_only, bool eta)
{
    p.row(y, 23, clause);
    p.lines(y, {l1, l2});
    Sel s;
    s.para = para;
    s.main = G_NU;
    s.sub = sub;
    s.v = v;
    s.mode = mode;
    s.fmt_value = "%5.3f";
    s.fmt_coef = "%5.3f";
    if (eta) {
        s.x_value = 121;
        s.after_value = G_ETA;
    }
    if (shown_only) s.radio_active = &g_never;
    p.selector(y + 23, s);
    p.bitmap(bitmap, y + 13, y + 48);
    return y + 73;
}

int shear(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = b;
    if (p.flag(30)) {
        y = p.heading(b, "6.2.2", {"Querkraftbemesung, Bauteile ohne", "erforderliche Querkraftbewehrung"});
        p.value(y, 23, "(1)", "C", "Rd,c", &r->c_rd_c, {"Beiwerte zur Ermittlung des", "Querkraftwiderstandes"},
                "%5.2f", 121);
        per_gamma_c(p, y);
        p.selector(b + 46, v_min_sel(G_NU, "min", &r->v_min, &r->v_min_mode));
        p.bitmap("NAD\\NAD_Func2a.bmp", b + 36, b + 56);
        p.value(b + 82, 18, "", "k", "1", &r->k1_shear, {});
        p.row(b + 100, 11);
        y = b + 111;
    }
    return nu_part(p, y, p.flag(30) ? "" : "6.2.2", "(6)", "Festigkeitsabminderungsbeiwert", cp850("für Querkraft"), "",
                   &r->nu_shear, &r->nu_mode, "NAD\\NAD_Func2b.bmp", false, false);
}

int torsion(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    return nu_part(p, b, "6.3.2(4)", "", "Festigkeitsabminderungsbeiwert", cp850("für Torsion"), "", &r->nu_torsion,
                   &r->nu_mode, "NAD\\NAD_Func2b.bmp", true, false);
}

int lightweight_shear(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "11.6.1", {"Querkraftbemesung, Bauteile ohne", "erforderliche Querkraftbewehrung"});
    p.value(y, 23, "(1)", "C", "lRd,c", &r->c_lrd_c,
            {"Beiwerte zur Ermittlung des Quer-", "kraftwiderstandes bei Leichtbeton"}, "%5.2f", 121);
    per_gamma_c(p, y);
    p.selector(b + 46, v_min_sel(G_NU, "l,min", &r->v_l_min, &r->v_l_min_mode));
    p.bitmap("NAD\\NAD_Func2c.bmp", b + 36, b + 71);
    p.value(b + 82, 18, "", "k", "l1", &r->k_l1, {});
    p.row(b + 100, 11);
    return nu_part(p, b + 111, "", "(2)", "Festigkeitsabminderungsbeiwert", cp850("bei Leichtbeton für Querkraft"), "l",
                   &r->nu_l_shear, &r->nu_l_mode, "NAD\\NAD_Func2d.bmp", false, true);
}

int lightweight_torsion(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    return nu_part(p, b, "", "", "Festigkeitsabminderungsbeiwert", cp850("bei Leichtbeton für Torsion"), "l",
                   &r->nu_l_torsion, &r->nu_l_mode, "NAD\\NAD_Func2d.bmp", true, false);
}

int plain_shear(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    const int y = p.heading(b, "12.6.3", {"Querkraftbemesung, Bauteile aus", "unbewehrtem Beton"});
    p.row(y, 30, "(2)");
    p.symbol(67, y, "k", "p");
    if (p.de())
        p.text(87, y, "s. NA-DE");
    else
        p.field(121, y, &r->k_p, "%5.2f");
    p.lines(y, {cp850("Beiwert für die Bemessungs-"), "spannung"});
    return b + 53;
}

int struts(const Page& p, int b, double* cmin, double* cmax, const char* para3, double* acw, double* nu1, int* nu1_mode,
           bool with_bitmap)
{
    int y = p.heading(b, "6.2.3", {"Querkraftbemesung, Bauteile mit", "erforderlicher Querkraftbewehrung"});
    p.row(y, 18, "(2)");
    p.lines(y, {cp850("Grenzen für die Druckstrebenneigung")});
    y += 18;
    p.row(y, 18);
    // The limits' fields stand after the wider of their names, "min  cot".
    p.text(63, y, "min  cot " G_THETA);
    p.field(150, y, cmin, "%5.2f");
    p.lines(y, {"untere Grenze"});
    y += 18;
    p.row(y, 18);
    p.text(63, y, "max cot " G_THETA);
    p.field(150, y, cmax, "%5.2f");
    p.lines(y, {"obere Grenze"});
    y += 18;
    p.row(y, b + 94 - y);
    y = b + 94;
    p.row(y, 23, para3);
    p.lines(y, {"Beiwerte zur Ermittlung der maximalen", cp850("Querkrafttragfähigkeit")});
    y = p.value(y + 23, 26, "", G_ALPHA, "cw", acw,
                {cp850("Beiwert zur Berücksichtigung des"), "Spannungszustands im Druckgurt"});
    p.row(y, 22);
    p.lines(y, {cp850("Festigkeitsabminderungsbeiwert für"), "unter Querkraft gerissenem Beton"});
    y += 22;
    Sel s;
    s.main = G_NU;
    s.sub = "1";
    s.v = nu1;
    s.mode = nu1_mode;
    s.fmt_value = s.fmt_coef = "%5.3f";
    p.selector(y, s);
    if (with_bitmap) p.bitmap("NAD\\NAD_Func7a.bmp", y - 10, y + 25);
    p.row(y + 36, b + 215 - (y + 36));
    return b + 215;
}

int lightweight_struts(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "11.6.2", {"Querkraftbemesung, Bauteile mit", "erforderlicher Querkraftbewehrung"});
    p.row(y, 22, "(1)");
    p.lines(y, {cp850("Festigkeitsabminderungsbeiwert für"), "unter Querkraft geriss. Leichtbeton"});
    y += 22;
    Sel s;
    s.main = G_NU;
    s.sub = "1l";
    s.v = &r->nu_1l;
    s.mode = &r->nu_1l_mode;
    s.fmt_value = s.fmt_coef = "%5.3f";
    s.x_value = 121;
    s.after_value = G_ETA;
    p.selector(y, s);
    p.bitmap("NAD\\NAD_Func7b.bmp", y - 10, y + 25);
    p.row(y + 36, b + 94 - (y + 36));
    return b + 94;
}

int flanges(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "6.2.4", {cp850("Schubkräfte zwischen Balkensteg"), "und Gurten (Plattenbalken, Doppel-T)"});
    y = p.value(y, 18, "(4)", "cot " G_THETA, "fz", &r->cot_theta_f_tension,
                {cp850("Druckstrebenneigung für Zuggurte")});
    y = p.value(y, 18, "", "cot " G_THETA, "fd", &r->cot_theta_f_compression,
                {cp850("Druckstrebenneigung für Druckgurte")});
    y = p.value(y, 26, "(6)", "k", "", &r->k_flange,
                {cp850("Beiwert für die aufnehmbare Zug-"), "spannung ohne Anschlussbewehrung"});
    p.row(y, b + 92 - y);
    return b + 92;
}

int joints(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "6.2.5", {cp850("Schubkraftübertragung in Fugen")});
    p.row(y, 28, "(1)");
    p.lines(y, {"Rauhigkeitsbeiwerte c, " G_MU " und " G_NU, cp850("in Abhängigkeit von der"),
                cp850("Oberflächenkategorie")});
    y += 28;
    p.row(y, 18);
    p.text(67, y, "c");
    p.text(115, y, G_MU);
    p.text(163, y, G_NU);
    p.grey_line(55, 186, y + 5);
    y += 18;
    for (int i = 0; i < NAD_EC2_JOINT_SURFACES; ++i) {
        p.row(y, 18);
        p.field(62, y, &r->joint_c[i], "%4.2f");
        p.field(110, y, &r->joint_mu[i], "%4.2f");
        p.field(158, y, &r->joint_nu[i], "%4.2f");
        p.text(206, y, field_name(r->joint_surface_names[i], sizeof r->joint_surface_names[i]).c_str(), kSmall);
        y += 18;
    }
    return b + 141;
}

int fatigue(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "6.8.4", {cp850("Nachweis gegen Ermüdung für"), "Beton- und Spannstahl"});
    p.value(y, 32, "(1)", G_GAMMA, "F,fat", &r->gamma_f_fat, {cp850("Sicherheitsbeiwert für die"), "Einwirkungen"});
    y = b + 55;
    if (!p.flag(30)) return y;
    const int c = p.heading(
        y, "6.8.7", {cp850("Nachweis gegen Ermüdung des"), "Betons unter Druck- oder", "Querkraftbeanspruchung"}, 34);
    p.value(c, 32, "(1)", "k", "1", &r->k1_fatigue, {"Beiwert zur Ermittlung der", "Bemessungsfestigkeit des Betons"});
    return y + 66;
}

int cracks(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "7.3.4", {"Berechnung der Rissbreite"});
    p.value(y, 18, "(3)", "k", "3", &r->k3_crack, {});
    p.lines(y, {"Beiwerte zur Ermittlung des maximalen", "Rissabstands bei abgeschlossenem", "Rissbild"});
    y = p.value(y + 18, 18, "", "k", "4", &r->k4_crack, {}, "%5.3f");
    p.row(y, b + 72 - y);
    return b + 72;
}

int deflection(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    static const char* const kSystems[NAD_EC2_SYSTEMS] = {"Einfeld", "Endfeld", "Mittelfeld", "Flachdecke",
                                                          "Kragträger"};
    int y = p.heading(b, "7.4.2", {"Begrenzung der Verformungen", "ohne direkte Berechnung"});
    p.lines(y, {"Biegeschlankheit:", cp850("Beiwert zur Berücksichtigung des"), "statischen Systems"});
    // The reference follows the last explanation line on its base line.
    if (p.display_only())
        p.text(206 + text_width("statischen Systems ", kSmall), y + 17, "(vgl. Tabelle 7.4N)", kSmall);
    for (int i = 0; i < NAD_EC2_SYSTEMS; ++i)
        y = p.value(y, 18, i == 0 ? "(2)" : "", "K", cp850(kSystems[i]), &r->k_system[i], {}, "%5.2f", 141);
    p.row(y, b + 119 - y);
    return b + 119;
}

int bar_spacing(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    const int y = p.heading(b, "8.2", {cp850("Stababstände von Betonstählen")});
    p.value(y, 28, "(2)", "k", "1", &r->k1_bar_spacing,
            {cp850("Beiwert für den lichten Abstand zw."), cp850("parellelen Einzelstählen od. Stahllagen")});
    return b + 51;
}

// A minimum reinforcement that the German annex gives by its own formula.
Sel minimum_sel(const char* para, const char* main, const char* sub, double* v, int* mode)
{
    Sel s;
    s.para = para;
    s.main = main;
    s.sub = sub;
    s.v = v;
    s.mode = mode;
    s.funkt = true;
    s.de_fixed = true;
    return s;
}

int beam_minimum(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    const int y = p.heading(b, "9.2.1.1", {cp850("Mindestbewehrung für Balken [cm²]")});
    Sel s = minimum_sel("(1)", "A", "s,min", &r->as_min_beam, &r->as_min_beam_mode);
    s.x_with_value = false;
    p.selector(y, s);
    p.bitmap("NAD\\NAD_Func5.bmp", y - 10, y + 25);
    p.row(y + 36, 14);
    return b + 73;
}

int support_moments(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    const int y = p.heading(b, "9.2.1.2", {cp850("Mindeststützmomente"), "an gelenkigen Endauflagern"});
    p.value(y, 30, "(1)", G_BETA, "1", &r->beta_1, {cp850("Anteil des größten Feldmoments"), cp850("am Stützmoment")},
            "%5.3f");
    return b + 53;
}

int anchorage(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    const int y = p.heading(b, "9.2.1.4", {"Verankerung der unteren", "Bewehrung an Endauflagern"});
    p.value(y, 30, "(1)", G_BETA, "2", &r->beta_2, {"Mindestanteil der Feldbewehrung", "an der unteren Bewehrung"},
            "%5.3f");
    return b + 53;
}

int shear_minimum(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "9.2.2", {"Querkraftbewehrung"});
    p.row(y, 17, "(5)");
    p.lines(y, {"Mindestbewehrungsgrad der", "Querkraftbewehrung"});
    y += 17;
    Sel s = minimum_sel("", G_RHO, "w,min", &r->rho_w_min, &r->rho_w_min_mode);
    s.fmt_value = s.fmt_coef = "%5.3f";
    s.x_with_value = false;
    p.selector(y, s);
    p.bitmap("NAD\\NAD_Func6.bmp", y - 10, y + 25);
    p.row(y + 36, b + 90 - (y + 36));
    return b + 90;
}

int column_minimum(const Page& p, int b, double* v, int* mode, double* floor)
{
    // The block stands five pixels lower than its neighbours.
    p.row(b, 5);
    int y = p.heading(b + 5, "9.5.2", {cp850("Mindestbewehrung für Stützen [cm²]")});
    Sel s;
    s.para = "(2)";
    s.main = "A";
    s.sub = "s,min";
    s.v = v;
    s.mode = mode;
    s.funkt = true;
    s.fmt_coef = "%5.3f";
    y = p.selector(y, s);
    p.bitmap("NAD\\NAD_Func3a.bmp", b + 18, b + 68);
    p.row(y, 18);
    // Ends with its subscript before the value field at x 136.
    p.symbol(31, y, "   min A", "s,min");
    p.field(136, y, floor, "%5.3f");
    p.symbol(188, y, "A", "c");
    p.row(y + 18, 6);
    return b + 88;
}

int wall_minimum(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    const int y = p.heading(b, "9.6.2", {"Vertikale Mindestbewehrung", cp850("für Wände [cm²]")});
    Sel s = minimum_sel("(1)", "A", "s,vmin", &r->as_vmin_wall, &r->as_vmin_wall_mode);
    s.fmt_coef = "%5.3f";
    p.selector(y, s);
    p.bitmap("NAD\\NAD_Func3b.bmp", y - 10, y + 25);
    return b + 53;
}

int buildings(const Page& p, int y)
{
    NadEc2Record* r = p.rec();
    if (p.flag(0)) y = partial_factors(p, y, r->gamma_c, r->gamma_s, true, "Beton und Betonstahl");
    if (p.flag(30) && (p.flag(2) || p.flag(3))) y = strengths(p, y, "(1)P", &r->alpha_cc, "(2)P", &r->alpha_ct);
    if (p.flag(4)) y = lightweight_strengths(p, y);
    if (p.flag(5)) y = plain_strengths(p, y);
    if (p.flag(6)) y = cover(p, y);
    if (p.flag(32)) y = imperfections(p, y);
    if (p.flag(7)) y = redistribution(p, y);
    if (p.flag(8)) y = slenderness(p, y);
    if (p.flag(9)) y = buckling(p, y);
    if (p.flag(10)) {
        // Everything that rests on the shear design without shear reinforcement.
        y = shear(p, y);
        if (p.flag(11)) y = torsion(p, y);
        if (p.flag(14)) y = lightweight_shear(p, y);
        if (p.flag(12)) y = lightweight_torsion(p, y);
        if (p.flag(13)) y = plain_shear(p, y);
        if (p.flag(30))
            y = struts(p, y, &r->cot_theta_min, &r->cot_theta_max, "(3)", &r->alpha_cw, &r->nu_1, &r->nu_1_mode, true);
        if (p.flag(14)) y = lightweight_struts(p, y);
        if (p.flag(15)) y = flanges(p, y);
        if (p.flag(16)) y = joints(p, y);
    }
    if (p.flag(17)) y = fatigue(p, y);
    if (p.flag(18)) y = cracks(p, y);
    if (p.flag(19)) y = deflection(p, y);
    if (p.flag(20)) y = bar_spacing(p, y);
    if (p.flag(21)) y = beam_minimum(p, y);
    if (p.flag(22)) y = support_moments(p, y);
    if (p.flag(23)) y = anchorage(p, y);
    if (p.flag(24)) y = shear_minimum(p, y);
    if (p.flag(25) && p.flag(30))
        y = column_minimum(p, y, &r->as_min_column, &r->as_min_column_mode, &r->as_min_column_floor);
    if (p.flag(26)) y = wall_minimum(p, y);
    return y;
}

// ---- EN 1992-1-2 ------------------------------------------------------------------

int fire(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    int y = p.heading(b, "3.2.3", {"Betonstahl"});
    p.row(y, 28, "(5)");
    p.text(67, y, "Klasse");
    p.radio(132, y, "N", 0, &r->rebar_class_fire, p.act());
    p.radio(182, y, "X", 1, &r->rebar_class_fire, p.act());
    p.lines(y, {"Betonstahl-Klasse"});
    b += 51;

    y = p.heading(b, "3.3.3", {cp850("thermische Leitfähigkeit des Betons")});
    Sel s;
    s.para = "(1)";
    s.main = G_LAMBDA;
    s.sub = "c";
    s.v = &r->conductivity_factor;
    s.mode = &r->conductivity_mode;
    s.funkt = true;
    s.no_value = true;
    s.fmt_coef = "%5.3f";
    p.selector(y, s);
    p.bitmap("NAD\\NAD_Func4.bmp", y - 10, y + 25);
    p.row(y + 36, 14);
    b += 73;

    y = p.heading(b, "6.1", {"Hochfester Beton"});
    p.row(y, 28, "(5)");
    p.text(62, y, "Klasse");
    p.radio(127, y, "1", 1, &r->hsc_class_fire, p.act());
    p.radio(157, y, "2", 2, &r->hsc_class_fire, p.act());
    p.radio(187, y, "3", 3, &r->hsc_class_fire, p.act());
    p.lines(y, {cp850("Beton-Klasse für hochfesten Beton")});
    b += 51;

    // The German annex fixes both factors at 1.0.
    int* k_active = p.de() ? &g_never : p.act();
    if (p.flag(28)) {
        y = p.heading(b, "6.4.2.1", {cp850("Stützen und Wände")});
        p.value(y, 28, "(3)", "k", "", &r->k_hsc_fire,
                {cp850("Beiwert für die Querschnittsreduktion"), "bei hochfestem Beton"}, "%5.3f", 136, k_active);
        b += 51;
    }
    if (p.flag(29)) {
        y = p.heading(b, "6.4.2.2", {"Balken und Platten"});
        p.value(y, 28, "(2)", "k", "m", &r->k_m_hsc_fire,
                {cp850("Beiwert für die Momententragfähigkeit"), "bei hochfestem Beton"}, "%5.3f", 136, k_active);
        b += 51;
    }
    return b;
}

// ---- EN 1992-2 -------------------------------------------------------------------

int bridges(const Page& p, int b)
{
    NadEc2Record* r = p.rec();
    if (p.flag(0)) {
        int y =
            partial_factors(p, b, r->gamma_c_bridge, r->gamma_s_bridge, false, "Beton und Betonstahl nach Tab. 2.1DE");
        y = p.heading(y, "5.10.9", {"Streuung der Vorspannkraft", "im Grenzz. d. Gebrauchstauglichkeit"});
        y = p.pair_head(y, "(1)P", "sup", "inf", "r", {cp850("und der Ermüdung")});
        y = p.pair(y, "sofortiger oder ohne Verbund", &r->r_sup_pre, &r->r_inf_pre);
        if (p.flag(1)) y = p.pair(y, cp850("Nachträglicher Verbund"), &r->r_sup_post, &r->r_inf_post);
        b = p.row(y, 7);
    }
    if (p.flag(2) || p.flag(3)) b = strengths(p, b, "(101)P", &r->alpha_cc_bridge, "(102)P", &r->alpha_ct_bridge);
    if (p.flag(10)) {
        int y = p.heading(b, "6.2.2", {"Querkraftbemesung, Bauteile ohne", "erforderliche Querkraftbewehrung"});
        p.value(y, 23, "(101)", "C", "Rd,c", &r->c_rd_c_bridge,
                {"Beiwerte zur Ermittlung des", "Querkraftwiderstandes"}, "%5.2f", 121);
        per_gamma_c(p, y);
        p.selector(b + 46, v_min_sel(G_NU, "min", &r->v_min_bridge, &r->v_min_bridge_mode));
        p.bitmap("NAD\\NAD_Func2a.bmp", b + 36, b + 56);
        p.value(b + 82, 18, "", "k", "1", &r->k1_shear_bridge, {});
        p.row(b + 100, 11);
        b = struts(p, b + 111, &r->cot_theta_min_bridge, &r->cot_theta_max_bridge, "(103)", &r->alpha_cw_bridge,
                   &r->nu_1_bridge, &r->nu_1_bridge_mode, false);
    }
    if (p.flag(17)) {
        const int y =
            p.heading(b, "6.8.7",
                      {cp850("Nachweis gegen Ermüdung des"), "Betons unter Druck- oder", "Querkraftbeanspruchung"}, 34);
        p.value(y, 32, "(101)", "k", "1", &r->k1_fatigue_bridge,
                {"Beiwert zur Ermittlung der", "Bemessungsfestigkeit des Betons"});
        b += 66;
    }
    if (p.flag(2)) {
        int y = p.heading(b, "7.2", {"Begrenzung der Spannungen"});
        double* k = r->k_stress_bridge;
        y = p.value(y, 26, "(102)", "k", "1", &k[0], {cp850("Faktor für zulässige"), "Betondruckspannung"});
        y = p.value(y, 26, "(3)", "k", "2", &k[1], {cp850("Faktor fü Betondruckspannung"), "(lineares Kriechen)"});
        y = p.value(y, 22, "(5)", "k", "3", &k[2], {cp850("Faktor fü Stahlspannung")});
        y = p.value(y, 26, "(5)", "k", "4", &k[3],
                    {cp850("Faktor fü Stahlspannung"), "(infolge indirekter Einwirkung)"});
        y = p.value(y, 22, "(5)", "k", "5", &k[4], {cp850("Faktor fü Spannstahlspannung")});
        p.row(y, b + 149 - y);
        b += 149;
    }
    if (p.flag(25))
        b = column_minimum(p, b, &r->as_min_column_bridge, &r->as_min_column_bridge_mode,
                           &r->as_min_column_floor_bridge);
    return b;
}

// A section: its title bar and check box, and when it is open the column
// heads and its blocks. The sections below the first one keep ten pixels more
// distance to what stands above them. Returns the y below the section.
int section(unsigned area, const Page& p, int b, int gap, const char* title, int* open, int (*blocks)(const Page&, int))
{
    b += gap;
    View_Area_Add_Filled_Box(area, 4, b + 7, 382, b + 26, g_title_colour);
    View_Area_Add_Check_Box(area, 26, b + 20, title, kHead, BLACK_CI, open, &g_always);
    if (!*open) return b + 39;
    p.row(b + 39, 11);
    p.row(b + 50, 30, "Kapitel", "Parameter", cp850("Erläuterung"), kHead);
    View_Area_Add_Line(area, 4, b + 56, 382, b + 56, BLACK_CI);
    return blocks(p, b + 80);
}

} // namespace

int Ec2_Editor_Row(unsigned area, int y, int height, const char* clause, const char* symbol, const char* explanation,
                   int font)
{
    return nadedit_priv::band_row(area, g_cell_colour, y, height, clause, symbol, explanation, font);
}

void Nad_Edit_Ec2(unsigned area, NadEc2Record* record, int editable)
{
    if (!record) return;
    Nad_Ec2_Relevance();
    if (!g_colours) {
        g_cell_colour = Nearest_RGB_Color(234, 255, 251);
        g_title_colour = Nearest_RGB_Color(205, 254, 244);
        g_line_colour = Nearest_RGB_Color(130, 130, 130);
        g_colours = true;
    }
    g_editable = editable ? 1 : 0;
    View_Area_Clear(area);
    const Page p(area, record);
    int y = section(area, p, 0, 0, "EN 1992-1-1 (Eurocode 2, Hochbau)", &g_open_buildings, buildings);
    if (p.flag(27)) y = section(area, p, y, 10, "EN 1992-1-2 (Eurocode 2, Brandfall)", &g_open_fire, fire);
    if (p.flag(31)) section(area, p, y, 10, cp850("EN 1992-2 (Eurocode 2, Betonbrücken)"), &g_open_bridges, bridges);
    if (record->na_de) {
        record->k_hsc_fire = 1.0;
        record->k_m_hsc_fire = 1.0;
    }
    View_Area_Show(area);
}
