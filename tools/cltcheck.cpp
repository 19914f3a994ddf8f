// cltcheck: lists the cross-laminated timber catalogue and checks a catalogue
// product as a plate strip in bending and rolling shear, optionally with the
// residual section after a fire.
//
//   cltcheck list [M]
//   cltcheck check M P (--span L --q Q | --M M --V V) [--dir D] [--width B]
//            [--service S] [--duration K] [--kmod K] [--gamma-m G] [--c C]
//            [--fire T --side S [--tch T --tf T --k2 K --k3 K]] [--oli FILE]
//
// M and P are the manufacturer and product indices of "cltcheck list". Units:
// L in m, Q in kN/m2 (M_d = Q B L^2 / 8, V_d = Q B L / 2), M in kNm, V in kN
// for the strip of width B [mm]; fire times in minutes. Defaults: direction 0,
// width 1000, service class 1, duration class 2, gamma_M 1.3, c 1; with
// duration class 8 --kmod gives k_mod. The fire design charrs the product
// from the top (side 0) or the bottom (side 1) and checks the residual
// section; sides 2 and 3 char a face across the layers and narrow the strip.
// The strength values for fire (k_mod,fi, gamma_M,fi, k_fi as c) are given
// by the options as for any check.
//
// Exit code 0 when checked, 1 when no check is possible (the reason on
// standard error), 2 for a wrong command line. --oli FILE writes the same as an
// output list (code page 850), replacing FILE only when it is complete.
#include <cerrno>
#include <cstdarg>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/kovmem.h"
#include "clt/cltaccess.h"
#include "clt/cltfire.h"
#include "clt/cltplate.h"
#include "clt/cltstiffness.h"
#include "nad/nadlist.h"
#include "output/ioliwrt.h"
#include "platform/kovcp.h"
#include "platform/kovlocale.h"
#include "platform/kovpath.h"

namespace {

int Usage(const char* why)
{
    if (why) std::fprintf(stderr, "cltcheck: %s\n", why);
    std::fprintf(stderr,
                 "usage: cltcheck list [M]\n"
                 "       cltcheck check M P (--span L --q Q | --M M --V V) [--dir D] [--width B]\n"
                 "                [--service S] [--duration K] [--kmod K] [--gamma-m G] [--c C]\n"
                 "                [--fire T --side S [--tch T --tf T --k2 K --k3 K]] [--oli FILE]\n");
    return 2;
}

bool ParseDouble(const char* s, double* v)
{
    if (!s || !*s) return false;
    char* end = nullptr;
    errno = 0;
    const double d = std::strtod(s, &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(d)) return false;
    *v = d;
    return true;
}

bool ParseInt(const char* s, int* v)
{
    if (!s || !*s) return false;
    char* end = nullptr;
    errno = 0;
    const long l = std::strtol(s, &end, 10);
    if (*end != '\0' || errno == ERANGE || l < -1000000 || l > 1000000) return false;
    *v = static_cast<int>(l);
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
    if (argc > 3) return Usage("too many arguments");
    if (argc == 3) {
        int m;
        if (!ParseInt(argv[2], &m) || m < 0 || m >= CLT_MANUFACTURER_COUNT) return Usage("no such manufacturer");
        first = last = static_cast<unsigned>(m);
    }
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

struct Options {
    int m = -1, p = -1;
    bool span_given = false, forces_given = false;
    double span = 0, q = 0, M = 0, V = 0;
    int dir = 0, service = 1, duration = 2;
    double width = 1000, kmod = 1.0, gamma_m = 1.3, c = 1.0;
    bool fire = false;
    double t_fire = 0, t_ch = 0, t_f = 0, k2 = 1.0, k3 = 1.0;
    int side = -1;
    const char* oli = nullptr;
};

// Reads the options after "check M P"; an error text, or nullptr.
const char* ReadOptions(int argc, char** argv, Options* o)
{
    if (argc < 4 || !ParseInt(argv[2], &o->m) || !ParseInt(argv[3], &o->p)) return "manufacturer and product expected";
    bool have_q = false, have_V = false, have_side = false;
    for (int i = 4; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) return "an option without its value";
        const char* v = argv[++i];
        bool ok = true;
        if (a == "--span") ok = ParseDouble(v, &o->span), o->span_given = true;
        else if (a == "--q") ok = ParseDouble(v, &o->q), have_q = true;
        else if (a == "--M") ok = ParseDouble(v, &o->M), o->forces_given = true;
        else if (a == "--V") ok = ParseDouble(v, &o->V), have_V = true;
        else if (a == "--dir") ok = ParseInt(v, &o->dir) && (o->dir == 0 || o->dir == 1);
        else if (a == "--width") ok = ParseDouble(v, &o->width);
        else if (a == "--service") ok = ParseInt(v, &o->service);
        else if (a == "--duration") ok = ParseInt(v, &o->duration);
        else if (a == "--kmod") ok = ParseDouble(v, &o->kmod);
        else if (a == "--gamma-m") ok = ParseDouble(v, &o->gamma_m);
        else if (a == "--c") ok = ParseDouble(v, &o->c);
        else if (a == "--fire") ok = ParseDouble(v, &o->t_fire), o->fire = true;
        else if (a == "--side") ok = ParseInt(v, &o->side) && o->side >= 0 && o->side <= 3, have_side = true;
        else if (a == "--tch") ok = ParseDouble(v, &o->t_ch);
        else if (a == "--tf") ok = ParseDouble(v, &o->t_f);
        else if (a == "--k2") ok = ParseDouble(v, &o->k2);
        else if (a == "--k3") ok = ParseDouble(v, &o->k3);
        else if (a == "--oli") o->oli = v;
        else return "unknown option";
        if (!ok) return "a value that is not a number of the option";
    }
    if (o->span_given != have_q) return "--span and --q go together";
    if (o->forces_given != have_V) return "--M and --V go together";
    if (o->span_given == o->forces_given) return "either --span with --q or --M with --V";
    if (o->fire != have_side) return "--fire and --side go together";
    if (o->service < 1 || o->service > 3) return "service class 1 to 3";
    if (o->duration < 0 || o->duration > 8) return "duration class 0 to 8";
    return nullptr;
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

// Writes the report and the layer table as an output list into f.
bool WriteList(FILE* f, const Report& report, const CltSection* s, const CltPlateCheck& r)
{
    Oli_Init_Headings(3, 2, 1);
    Oli_Heading(f, 1, "%s", cp850("Brettsperrholz: Nachweis eines Plattenstreifens"));
    for (const std::string& line : report.lines) Oli_Text(f, "%s", line.c_str());
    Oli_Move_Lines(f, 1);

    const int n = r.layer_count;
    enum { kCell = 12 };
    static char dirs[CLT_MAX_LAYERS][kCell];
    static double t[CLT_MAX_LAYERS], sig_b[CLT_MAX_LAYERS], sig_t[CLT_MAX_LAYERS], tau[CLT_MAX_LAYERS],
        eta[CLT_MAX_LAYERS];
    for (int i = 0; i < n; ++i) {
        std::snprintf(dirs[i], kCell, "%s", s->layers[i].direction == r.direction ? "tragend" : "quer");
        t[i] = s->layers[i].t;
        sig_b[i] = r.layers[i].sigma[0];
        sig_t[i] = r.layers[i].sigma[2];
        tau[i] = std::fmax(std::fmax(r.layers[i].tau[0], r.layers[i].tau[1]), r.layers[i].tau[2]);
        const double e = std::fmax(std::fmax(r.layers[i].eta[0], r.layers[i].eta[1]), r.layers[i].eta[2]);
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
    set(cols[3], "\xCC unten", "N/mm\xFD", 8, 3, sig_b);
    set(cols[4], "\xCC oben", "N/mm\xFD", 8, 3, sig_t);
    set(cols[5], "\xD6 max", "N/mm\xFD", 8, 3, tau);
    set(cols[6], "\xC1", "-", 6, 3, eta);
    OliTabelle(f, 7, n, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
    void* p = cols;
    Mem_Free_Null(&p);
    Oli_Close_Bookmarks(f);
    return !std::ferror(f);
}

// Writes the list into a new file beside name and moves it over name only
// when it is complete; the old file stays otherwise.
bool ReplaceFile(const char* name, const Report& report, const CltSection* s, const CltPlateCheck& r)
{
    const std::string target = Kov_Path(name);
    std::string tmp = target + ".XXXXXX";
    const int fd = ::mkstemp(&tmp[0]);
    if (fd < 0) return false;
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    FILE* f = ::fdopen(fd, "wb");
    if (!f) {
        ::close(fd);
        std::remove(tmp.c_str());
        return false;
    }
    bool ok = WriteList(f, report, s, r) && std::fflush(f) == 0 && ::fsync(fd) == 0;
    if (std::fclose(f) != 0) ok = false;
    if (!ok || std::rename(tmp.c_str(), target.c_str()) != 0) {
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

// The level text of a layer index, counted from 1 at the top.
std::string LayerText(int layer)
{
    return layer < 0 ? std::string("-") : std::to_string(layer + 1);
}

// Why the library found no check possible.
const char* NoCheckReason(const CltPlateCheck& r, const Options& o)
{
    if (r.layer_count == 0) return "the section has no layers";
    if (r.E_mean < 0.0) return "no layer runs in the direction of the span";
    if (!(o.width > 0.0)) return "the width is not positive";
    if (!(o.gamma_m > 0.0)) return "gamma_M is not positive";
    if (!(o.c > 0.0)) return "c is not positive";
    return "the strip has no bending stiffness (a layer of undefined material)";
}

int Check(int argc, char** argv)
{
    Options o;
    if (const char* why = ReadOptions(argc, argv, &o)) return Usage(why);
    if (o.m < 0 || o.m >= CLT_MANUFACTURER_COUNT) return Usage("no such manufacturer");
    const CltSection* product = Clt_Product(static_cast<unsigned>(o.m), o.p);
    if (!product) return Usage("no such product of the manufacturer");

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

    double width = o.width;
    CltSection checked = s;
    if (o.fire) {
        const double d_ef = Clt_Effective_Char_Depth(&s, static_cast<unsigned>(o.side), o.t_fire, o.t_f, o.t_ch,
                                                     o.k2, o.k3);
        if (d_ef < 0.0) {
            std::fprintf(stderr, "cltcheck: no valid charring depth (charring rate, fire duration or k2/k3)\n");
            return 1;
        }
        if (o.side <= 1)
            Clt_Residual_Section(&checked, &s, o.dir, o.side == 1 ? d_ef : 0.0, o.side == 0 ? d_ef : 0.0);
        else
            width = o.width - d_ef;
        rep.Add("Fire: t %.1f min, side %d, d_ef %.2f mm", o.t_fire, o.side, d_ef);
        rep.Add("Residual build-up: %s mm, width %.1f mm", PlainBuildup(&checked, o.dir).c_str(), width);
    }

    const double b = width / 1000.0;
    double M = o.M, V = o.V;
    if (o.span_given) {
        M = o.q * b * o.span * o.span / 8.0;
        V = o.q * b * o.span / 2.0;
    }
    CltPlateCheck r;
    const int done = Clt_Plate_Check(&checked, width, o.dir, o.service, o.duration, o.c, o.kmod, o.gamma_m, M, 0.0,
                                     V, &r);
    rep.Add("Width %.1f mm, direction %d, service class %d, duration class %d, gamma_M %.2f, c %.2f", width, o.dir,
            o.service, o.duration, o.gamma_m, o.c);
    if (!done) {
        std::fprintf(stderr, "cltcheck: no check possible: %s\n", NoCheckReason(r, o));
        return 1;
    }
    rep.Add("EI = %.1f kNm2", r.EI);
    rep.Add("S = %.1f kN", r.S);
    if (o.span_given)
        rep.Add("EI_ef = %.1f kNm2 (span %.3f m)", b * Clt_Effective_Bending_Stiffness(&checked, o.dir, o.span),
                o.span);
    rep.Add("M_d = %.3f kNm, V_d = %.3f kN", M, V);
    rep.Add("sigma_min = %.3f N/mm2, sigma_max = %.3f N/mm2", r.sigma_min, r.sigma_max);
    rep.Add("tau_max = %.3f N/mm2", r.tau_max);
    rep.Add("eta_m = %.3f in layer %s", r.eta_m_max, LayerText(r.layer_m).c_str());
    if (std::isinf(r.eta_v_max))
        rep.Add("eta_v = inf in layer %s: no rolling shear strength", LayerText(r.layer_v).c_str());
    else
        rep.Add("eta_v = %.3f in layer %s", r.eta_v_max, LayerText(r.layer_v).c_str());
    rep.Add("eta = %.3f", r.eta_max);

    for (const std::string& line : rep.lines) std::printf("%s\n", line.c_str());
    if (o.oli && !ReplaceFile(o.oli, rep, &checked, r)) {
        std::fprintf(stderr, "cltcheck: the output list %s cannot be written\n", o.oli);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Kov_Numeric_C_Locale();
    if (argc < 2) return Usage(nullptr);
    // The catalogue takes the grade tables of the active annex at its first use.
    // What the annex library says on standard output while it looks for the
    // annexes (no DRAM set, for example) goes to standard error: standard
    // output is the report.
    std::fflush(stdout);
    const int saved = ::dup(1);
    if (saved >= 0) ::dup2(2, 1);
    ActiveNadEc5 = Nad_Get_Ec5();
    std::fflush(stdout);
    if (saved >= 0) {
        ::dup2(saved, 1);
        ::close(saved);
    }
    const std::string cmd = argv[1];
    if (cmd == "list") return List(argc, argv);
    if (cmd == "check") return Check(argc, argv);
    return Usage("unknown command");
}
