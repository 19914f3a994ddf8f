// cltcheck: lists the cross-laminated timber catalogue and checks a catalogue
// product as a plate strip in bending and rolling shear, or in the fire
// situation on its residual section.
//
//   cltcheck list [M]
//   cltcheck check M P (--span L --q Q | --M M --V V) [--dir D] [--width B]
//            [--service S] [--duration K [--kmod K]] [--gamma-m G] [--c C]
//            [--fire T --side S [--tch T --tf T --k2 K --k3 K]] [--oli FILE]
//
// M and P are the manufacturer and product indices of "cltcheck list". Units:
// L in m, Q in kN/m2 (M_d = Q B L^2 / 8, V_d = Q B L / 2), M in kNm, V in kN
// for the strip of width B [mm]; fire times in minutes. Defaults: direction 0,
// width 1000, service class 1, duration class 2, gamma_M 1.3, c 1; duration
// class 8 takes k_mod from --kmod. Every value is range-checked
// (cltcheckargs.h).
//
// Signs: M_d > 0 sags the strip (a gravity load on a simple span): the top
// layers are in compression, the bottom layers in tension; stresses are
// printed tension positive.
//
// --fire T --side S checks the strip in the fire situation after T minutes:
// the loads given are those of the fire situation, the strengths are
// k_fi k_mod,fi f_k / gamma_M,fi with gamma_M,fi = 1.0, k_mod,fi = 1.0 and
// k_fi = 1.15. Side 0 (top) or 1 (bottom) chars the layers and checks the
// residual layers; sides 2 and 3 char a face across the layers and narrow
// the strip, which still carries the load of the full width B. --tch and
// --tf give the start of charring and the failure time of a cladding, --k2
// and --k3 its charring factors (default 1 and 2).
//
// Needs DATA (the supplied installation data: the annex NAD/Deutschland.NAD
// with the grade tables and k_mod). Exit code 0 when checked, 1 when no check
// is possible (the reason in German on standard error: no DATA, a product
// without rolling-shear strength, nothing left after the fire, an output
// list that cannot be written), 2 for a wrong command line or a value outside
// its range. --oli FILE writes the same as an output list (code page 850),
// replacing FILE only when it is complete.
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "base/kovmem.h"
#include "clt/cltaccess.h"
#include "clt/cltfire.h"
#include "clt/cltplate.h"
#include "clt/cltstiffness.h"
#include "nad/nadactive.h"
#include "nad/nadfile.h"
#include "nad/nadlist.h"
#include "output/ioliwrt.h"
#include "platform/kovcp.h"
#include "platform/kovlocale.h"
#include "platform/kovreplace.h"
#include "tools/cltcheckargs.h"

namespace {

// The fire values of the reduced cross-section method: gamma_M,fi (EN 1995-1-2,
// 2.3 (1), recommended value), k_mod,fi (4.2.2 (5)) and the 20 % fractile
// factor k_fi of EN 1995-1-2:2004, 2.3 (4), Table 2.1 for glued laminated
// timber and wood-based panels, which is what cross-laminated timber is made as.
const double kGammaMFi = 1.0;
const double kKmodFi = 1.0;
const double kKfi = 1.15;

int Usage(const char* why)
{
    if (why) std::fprintf(stderr, "cltcheck: %s\n", why);
    std::fprintf(stderr, "usage: cltcheck list [M]\n"
                         "       cltcheck check M P (--span L --q Q | --M M --V V) [--dir D] [--width B]\n"
                         "                [--service S] [--duration K [--kmod K]] [--gamma-m G] [--c C]\n"
                         "                [--fire T --side S [--tch T --tf T --k2 K --k3 K]] [--oli FILE]\n");
    return 2;
}

// No check possible: the German reason on standard error, exit code 1.
int Refuse(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
int Refuse(const char* fmt, ...)
{
    char buf[1024];
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    std::fprintf(stderr, "cltcheck: %s\n", buf);
    return 1;
}

// Publishes the German annex of the installation data ($DATA/NAD) as the
// active EC5 block, from which the catalogue takes its grade tables and the
// check its k_mod. What the annex library says on standard output goes to
// standard error: standard output is the report.
bool PublishAnnex()
{
    const char* data = std::getenv("DATA");
    if (!data || !*data) {
        Refuse("Die Umgebungsvariable DATA ist nicht gesetzt. Sie nennt den Ordner der Installationsdaten, aus "
               "dem cltcheck das Anwendungsdokument NAD/Deutschland.NAD mit den Holzgüten und k_mod liest.");
        return false;
    }
    static NadRecord annex;
    std::fflush(stdout);
    const int saved = ::dup(1);
    if (saved >= 0) ::dup2(2, 1);
    Nad_Default_Blocks(&annex);
    const int loaded = Nad_Load(0, "Deutschland", &annex);
    std::fflush(stdout);
    if (saved >= 0) {
        ::dup2(saved, 1);
        ::close(saved);
    }
    if (!loaded) {
        Refuse("Das Anwendungsdokument %s/NAD/Deutschland.NAD kann nicht gelesen werden (Umgebungsvariable DATA).",
               data);
        return false;
    }
    Nad_Publish_Blocks(&annex);
    return true;
}

// The build-up as plain text: thicknesses from the top, cross layers of the
// direction in brackets.
std::string PlainBuildup(const CltSection* s, int dir)
{
    std::string text;
    char cell[64];
    for (int i = 0; i < Clt_Used_Layers(s); ++i) {
        const CltLayer& l = s->layers[i];
        std::snprintf(cell, sizeof cell, l.direction == dir ? "%s%.1f" : "%s(%.1f)", i ? " " : "", l.t);
        text += cell;
    }
    return text;
}

int List(int argc, char** argv)
{
    unsigned first = 0, last = CLT_MANUFACTURER_COUNT - 1;
    if (argc > 3) return Usage("zu viele Argumente");
    if (argc == 3) {
        int m;
        if (!Cltcheck_Parse_Int(argv[2], 0, CLT_MANUFACTURER_COUNT - 1, &m))
            return Usage("Hersteller: zulässig ist eine ganze Zahl von 0 bis 7");
        first = last = static_cast<unsigned>(m);
    }
    if (!PublishAnnex()) return 1;
    int format, count;
    const ChoiceEntry* names = Clt_Manufacturer_List(&format, &count, 0);
    for (unsigned m = first; m <= last; ++m) {
        for (int p = 0; p < Clt_Product_Count(m); ++p) {
            const CltSection* s = Clt_Product(m, p);
            std::printf("%u %d\t%s\t%s\t%.1f mm\t%d layers\t%s\tk %.3f\tkappa_x %.4f\n", m, p, names[m].text, s->name,
                        s->thickness, s->layer_count, PlainBuildup(s, 0).c_str(), s->product_factor,
                        s->shear_correction_x);
        }
    }
    return 0;
}

// The report, line by line, as it goes to standard output and the list.
struct Report {
    std::vector<std::string> lines;
    void Add(const char* fmt, ...) __attribute__((format(printf, 2, 3)))
    {
        char buf[512];
        va_list ap;
        va_start(ap, fmt);
        std::vsnprintf(buf, sizeof buf, fmt, ap);
        va_end(ap);
        lines.push_back(buf);
    }
};

// The largest of three values.
double Max3(const double v[3]) { return std::fmax(std::fmax(v[0], v[1]), v[2]); }

// Writes the report and the layer table as an output list into f.
bool WriteList(FILE* f, const Report& report, const CltSection* s, const CltPlateCheck& r, bool fire)
{
    Oli_Init_Headings(3, 2, 1);
    Oli_Heading(f, 1, "%s", cp850("Brettsperrholz: Nachweis eines Plattenstreifens"));
    for (const std::string& line : report.lines) Oli_Text(f, "%s", line.c_str());
    Oli_Move_Lines(f, 1);
    Oli_Text(f, "%s",
             cp850(fire ? "Restquerschnitt nach dem Brand, Lagen von oben; Spannungen: Zug positiv, Druck negativ"
                        : "Lagen von oben; Spannungen: Zug positiv, Druck negativ"));

    const int n = r.layer_count;
    enum { kCell = 12 };
    static char dirs[CLT_MAX_LAYERS][kCell];
    static double t[CLT_MAX_LAYERS], sig_t[CLT_MAX_LAYERS], sig_b[CLT_MAX_LAYERS], tau[CLT_MAX_LAYERS],
        eta[CLT_MAX_LAYERS];
    for (int i = 0; i < n; ++i) {
        std::snprintf(dirs[i], kCell, "%s", s->layers[i].direction == r.direction ? "tragend" : "quer");
        t[i] = s->layers[i].t;
        sig_t[i] = r.layers[i].sigma[2];
        sig_b[i] = r.layers[i].sigma[0];
        tau[i] = Max3(r.layers[i].tau);
        const double e = Max3(r.layers[i].eta);
        eta[i] = std::isfinite(e) ? e : OLI_INFINITY;
    }
    OliColumn* cols = nullptr;
    Oli_Alloc_Columns(7, &cols);
    if (!cols) return false;
    auto set = [](OliColumn& c, const char* title, const char* kind, int width, int decimals, void* data) {
        std::snprintf(c.title, sizeof c.title, "%s", title);
        std::snprintf(c.kind, sizeof c.kind, "%s", kind);
        c.width = width, c.decimals = decimals, c.data = data;
    };
    set(cols[0], "Lage", "ZZ", 4, 0, nullptr);
    set(cols[1], "t", "mm", 6, 1, t);
    set(cols[2], "-Richtung", "TXT", 9, kCell, dirs);
    // The list font's sigma (0xCC), tau (0xD6) and eta (0xC1); 0xFD is the
    // superscript 2 of mm2.
    set(cols[3], "\xCC oben", "N/mm\xFD", 8, 3, sig_t);
    set(cols[4], "\xCC unten", "N/mm\xFD", 8, 3, sig_b);
    set(cols[5], "\xD6 max", "N/mm\xFD", 8, 3, tau);
    set(cols[6], "\xC1", "-", 6, 3, eta);
    OliTabelle(f, 7, n, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
    void* p = cols;
    Mem_Free_Null(&p);
    Oli_Close_Bookmarks(f);
    return !std::ferror(f);
}

// The level text of a layer index, counted from 1 at the top.
std::string LayerText(int layer) { return layer < 0 ? std::string("-") : std::to_string(layer + 1); }

// The layers of the checked section with their stresses, design strengths
// and utilisations, from the top.
void AddLayers(Report& rep, const CltSection* s, const CltPlateCheck& r, bool fire)
{
    rep.Add("%s (from the top; stresses tension positive, compression negative; M_d > 0 sags the strip: "
            "compression at the top, tension at the bottom):",
            fire ? "Residual layers" : "Layers");
    rep.Add("layer  t [mm]  direction  sigma_top  sigma_bottom  f_m,d  tau_max  f_v,d  eta");
    for (int i = 0; i < r.layer_count; ++i) {
        const CltPlateLayer& b = r.layers[i];
        const bool carrying = s->layers[i].direction == r.direction;
        char f_md[32] = "-";
        if (carrying) std::snprintf(f_md, sizeof f_md, "%.3f", b.f_md);
        rep.Add("%d  %.1f  %s  %.3f  %.3f  %s  %.3f  %.3f  %.3f", i + 1, s->layers[i].t, carrying ? "span" : "cross",
                b.sigma[2], b.sigma[0], f_md, Max3(b.tau), b.f_vd, Max3(b.eta));
    }
}

// Why the library found no check possible, in German.
const char* NoCheckReason(const CltPlateCheck& r)
{
    if (r.layer_count == 0) return "Der Querschnitt hat keine Lagen.";
    if (r.E_mean < 0.0) return "Keine Lage des Querschnitts verläuft in Spannrichtung.";
    return "Der Querschnitt hat keine Biegesteifigkeit (eine Lage aus nicht definiertem Material).";
}

// Whether a layer that the check reads has no design strength to check
// against: a cross layer of a product without rolling-shear strength.
bool MissingStrength(const CltSection* s, const CltPlateCheck& r)
{
    for (int i = 0; i < r.layer_count; ++i)
        if (s->layers[i].t > 0.001 && !(r.layers[i].f_vd > 0.0)) return true;
    return false;
}

int Check(int argc, char** argv)
{
    CltcheckOptions o;
    const std::string why = Cltcheck_Read_Options(argc, argv, &o);
    if (!why.empty()) return Usage(why.c_str());
    if (!PublishAnnex()) return 1;
    const CltSection* product = Clt_Product(static_cast<unsigned>(o.m), o.p);
    if (!product) {
        char text[160];
        std::snprintf(text, sizeof text, "Produkt %d: der Hersteller %d hat die Produkte 0 bis %d (cltcheck list %d)",
                      o.p, o.m, Clt_Product_Count(static_cast<unsigned>(o.m)) - 1, o.m);
        return Usage(text);
    }

    // A copy: the catalogue stays as it is.
    CltSection s = *product;
    if (o.dir == 1) {
        Clt_Centroids_Dir(&s, 1);
        Clt_Static_Moments(&s, 1);
    }

    Report rep;
    int format, count;
    const ChoiceEntry* names = Clt_Manufacturer_List(&format, &count, 0);
    rep.Add("Product: %s %s (%d %d)", names[o.m].text, s.name, o.m, o.p);
    rep.Add("Build-up: %s mm", PlainBuildup(&s, o.dir).c_str());

    // The loads act on the strip of the width given, also when a fire from the
    // side narrows its section.
    const double b_load = o.width / 1000.0;
    double M = o.M, V = o.V;
    if (o.span_given) {
        M = o.q * b_load * o.span * o.span / 8.0;
        V = o.q * b_load * o.span / 2.0;
    }

    double width = o.width;
    CltSection checked = s;
    int duration = o.duration;
    double kmod = o.kmod, gamma_m = o.gamma_m, c = o.c;
    if (o.fire) {
        const double d_ef =
            Clt_Effective_Char_Depth(&s, static_cast<unsigned>(o.side), o.t_fire, o.t_f, o.t_ch, o.k2, o.k3);
        if (d_ef < 0.0)
            return Refuse("Keine gültige Abbrandtiefe: Abbrandrate des Produkts, Branddauer oder k2/k3 passen nicht.");
        if (o.side <= 1)
            Clt_Residual_Section(&checked, &s, o.dir, o.side == 1 ? d_ef : 0.0, o.side == 0 ? d_ef : 0.0);
        else
            width = o.width - d_ef;
        if (!(width > 0.0) || Clt_Used_Layers(&checked) == 0)
            return Refuse("Nach %.1f min Brand (d_ef %.2f mm) bleibt vom Querschnitt nichts: kein Nachweis möglich.",
                          o.t_fire, d_ef);
        rep.Add("Fire situation (EN 1995-1-2): the loads given are the design loads of the fire situation");
        rep.Add("Fire: t %.1f min, side %d, d_ef %.2f mm", o.t_fire, o.side, d_ef);
        if (o.t_ch > 0.01)
            rep.Add("Protection: t_ch %.1f min, t_f %.1f min, k2 %.2f, k3 %.2f", o.t_ch, o.t_f, o.k2, o.k3);
        rep.Add("Residual build-up: %s mm, width %.1f mm", PlainBuildup(&checked, o.dir).c_str(), width);
        rep.Add("gamma_M,fi = %.2f, k_mod,fi = %.2f, k_fi = %.2f", kGammaMFi, kKmodFi, kKfi);
        rep.Add("k_fi after EN 1995-1-2:2004, 2.3 (4), Table 2.1 (glued laminated timber)");
        rep.Add("f_d,fi = k_fi k_mod,fi f_k / gamma_M,fi");
        duration = 8, kmod = kKmodFi, gamma_m = kGammaMFi, c = kKfi;
    }

    // The library's stresses are positive at the top for a positive moment;
    // a sagging moment enters with its sign turned.
    CltPlateCheck r;
    const int done = Clt_Plate_Check(&checked, width, o.dir, o.service, duration, c, kmod, gamma_m, -M, 0.0, V, &r);
    if (o.fire)
        rep.Add("Width %.1f mm (load on %.1f mm), direction %d, service class %d", width, o.width, o.dir, o.service);
    else if (o.duration == 8)
        rep.Add("Width %.1f mm, direction %d, service class %d, duration class 8 (k_mod %.2f), gamma_M %.2f, c %.2f",
                width, o.dir, o.service, o.kmod, o.gamma_m, o.c);
    else
        rep.Add("Width %.1f mm, direction %d, service class %d, duration class %d, gamma_M %.2f, c %.2f", width, o.dir,
                o.service, o.duration, o.gamma_m, o.c);
    if (!done) return Refuse("Kein Nachweis möglich: %s", NoCheckReason(r));
    if (MissingStrength(&checked, r))
        return Refuse("Für das Produkt %s %s ist keine Rollschubfestigkeit hinterlegt; der Nachweis kann nicht "
                      "geführt werden.",
                      names[o.m].text, s.name);
    if (!std::isfinite(r.eta_max)) return Refuse("Kein Nachweis möglich: eine Ausnutzung ist nicht endlich.");

    const double b = width / 1000.0;
    rep.Add("EI = %.1f kNm2", r.EI);
    rep.Add("S = %.1f kN", r.S);
    if (o.span_given) {
        const double EI_ef = Clt_Effective_Bending_Stiffness(&checked, o.dir, o.span);
        if (EI_ef > 0.0) rep.Add("EI_ef = %.1f kNm2 (span %.3f m)", b * EI_ef, o.span);
    }
    rep.Add("M_d = %.3f kNm, V_d = %.3f kN", M, V);
    rep.Add("sigma_min = %.3f N/mm2, sigma_max = %.3f N/mm2", r.sigma_min, r.sigma_max);
    rep.Add("tau_max = %.3f N/mm2", r.tau_max);
    AddLayers(rep, &checked, r, o.fire);
    rep.Add("eta_m = %.3f in layer %s", r.eta_m_max, LayerText(r.layer_m).c_str());
    rep.Add("eta_v = %.3f in layer %s", r.eta_v_max, LayerText(r.layer_v).c_str());
    rep.Add("eta = %.3f", r.eta_max);

    for (const std::string& line : rep.lines) std::printf("%s\n", line.c_str());
    if (!o.oli.empty()) {
        const int rc = Kov_Replace_File(o.oli.c_str(), [&](FILE* f) { return WriteList(f, rep, &checked, r, o.fire); });
        if (rc != KOV_REPLACE_OK)
            return Refuse("Die Ausgabeliste %s kann nicht geschrieben werden: %s", o.oli.c_str(), Kov_Replace_Text(rc));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Kov_Numeric_C_Locale();
    if (argc < 2) return Usage(nullptr);
    const std::string cmd = argv[1];
    if (cmd == "list") return List(argc, argv);
    if (cmd == "check") return Check(argc, argv);
    return Usage("unbekannter Befehl");
}
