#pragma once
// The command line of cltcheck: "check M P" and its options, each value read
// as a number and checked against its range before anything is computed. A
// refusal is a German sentence that names the option and its allowed range.
// Header only, so that the tool and the fuzz harness of its argument reader
// share one reader.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

// What "check M P" was given. The defaults are the values of a check without
// the option.
struct CltcheckOptions {
    int m = -1, p = -1;
    bool span_given = false, forces_given = false;
    double span = 0, q = 0, M = 0, V = 0;
    int dir = 0, service = 1, duration = 2;
    double width = 1000, kmod = 1.0, gamma_m = 1.3, c = 1.0;
    bool kmod_given = false, duration_given = false, gamma_m_given = false, c_given = false;
    bool fire = false;
    double t_fire = 0, t_ch = 0, t_f = 0, k2 = 1.0, k3 = 2.0;
    bool protection_given = false;
    int side = -1;
    std::string oli;
};

// The range of one option, in the words of the messages.
struct CltcheckRange {
    const char* name; // "--kmod"
    double low, high; // the limits
    bool low_open;    // the lower limit itself is not allowed
    const char* text; // "0 < k_mod ≤ 1,1"
};

// The ranges of the numeric options. Lengths in m and mm, loads in kN/m2, kNm
// and kN, times in minutes.
inline const CltcheckRange* Cltcheck_Ranges(int* count)
{
    static const CltcheckRange ranges[] = {
        {"--span", 0.0, 30.0, true, "0 < L ≤ 30 m"},
        {"--q", 0.0, 500.0, true, "0 < q ≤ 500 kN/m²"},
        {"--M", -10000.0, 10000.0, false, "−10000 ≤ M ≤ 10000 kNm"},
        {"--V", -10000.0, 10000.0, false, "−10000 ≤ V ≤ 10000 kN"},
        {"--width", 0.0, 10000.0, true, "0 < B ≤ 10000 mm"},
        {"--kmod", 0.0, 1.1, true, "0 < k_mod ≤ 1,1"},
        {"--gamma-m", 1.0, 2.0, false, "1,0 ≤ γ_M ≤ 2,0"},
        {"--c", 0.0, 2.0, true, "0 < c ≤ 2,0"},
        {"--fire", 0.0, 240.0, false, "0 ≤ t ≤ 240 min"},
        {"--tch", 0.0, 240.0, false, "0 ≤ t_ch ≤ 240 min"},
        {"--tf", 0.0, 240.0, false, "0 ≤ t_f ≤ 240 min"},
        {"--k2", 0.0, 1.0, true, "0 < k2 ≤ 1,0"},
        {"--k3", 1.0, 2.0, false, "1,0 ≤ k3 ≤ 2,0"},
    };
    *count = static_cast<int>(sizeof ranges / sizeof ranges[0]);
    return ranges;
}

// Reads one number; false for an empty text, text after the number, or
// nothing that is a number. Overflow and underflow are left to the range.
inline bool Cltcheck_Parse_Number(const char* s, double* v)
{
    if (!s || !*s) return false;
    char* end = nullptr;
    errno = 0;
    const double d = std::strtod(s, &end);
    if (end == s || *end != '\0') return false;
    *v = d;
    return true;
}

// Reads a whole number in [low, high]; false otherwise.
inline bool Cltcheck_Parse_Int(const char* s, int low, int high, int* v)
{
    if (!s || !*s) return false;
    char* end = nullptr;
    errno = 0;
    const long l = std::strtol(s, &end, 10);
    if (end == s || *end != '\0' || errno == ERANGE || l < low || l > high) return false;
    *v = static_cast<int>(l);
    return true;
}

// Reads the value v of the numeric option name into *out; an empty text when
// it is a finite number within its range, else the message.
inline std::string Cltcheck_Read_Number(const std::string& name, const char* v, double* out)
{
    int count = 0;
    const CltcheckRange* ranges = Cltcheck_Ranges(&count);
    for (int i = 0; i < count; ++i) {
        const CltcheckRange& r = ranges[i];
        if (name != r.name) continue;
        double d = 0.0;
        if (!Cltcheck_Parse_Number(v, &d))
            return std::string("Option ") + r.name + ": \"" + v + "\" ist keine Zahl; zulässig ist " + r.text + ".";
        const bool inside = std::isfinite(d) && (r.low_open ? d > r.low : d >= r.low) && d <= r.high;
        if (!inside)
            return std::string("Option ") + r.name + ": der Wert " + v + " liegt außerhalb des zulässigen Bereichs " +
                   r.text + ".";
        *out = d;
        return std::string();
    }
    return std::string("Option ") + name + " ist unbekannt.";
}

// Reads the arguments after "cltcheck" (argv[1] is "check"): an empty text
// when the command line is complete and every value lies in its range, else
// the German message. o holds what was read.
inline std::string Cltcheck_Read_Options(int argc, char** argv, CltcheckOptions* o)
{
    if (argc < 4) return "Hersteller und Produkt fehlen: cltcheck check M P ...";
    if (!Cltcheck_Parse_Int(argv[2], 0, 7, &o->m))
        return std::string("Hersteller \"") + argv[2] + "\": zulässig ist eine ganze Zahl von 0 bis 7 (cltcheck list).";
    if (!Cltcheck_Parse_Int(argv[3], 0, 999, &o->p))
        return std::string("Produkt \"") + argv[3] + "\": zulässig ist eine ganze Zahl ab 0 (cltcheck list M).";
    bool have_q = false, have_V = false, have_side = false;
    std::string seen = " ";
    for (int i = 4; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.size() < 3 || a.compare(0, 2, "--") != 0 || a.find(' ') != std::string::npos)
            return "\"" + a + "\" ist keine Option.";
        if (seen.find(" " + a + " ") != std::string::npos) return "Option " + a + " ist zweimal angegeben.";
        if (i + 1 >= argc) return "Option " + a + ": der Wert fehlt.";
        const char* v = argv[++i];
        // The numeric options: where the value goes and what its presence says.
        const struct {
            const char* name;
            double* value;
            bool* given;
        } numbers[] = {
            {"--span", &o->span, &o->span_given},
            {"--q", &o->q, &have_q},
            {"--M", &o->M, &o->forces_given},
            {"--V", &o->V, &have_V},
            {"--width", &o->width, nullptr},
            {"--kmod", &o->kmod, &o->kmod_given},
            {"--gamma-m", &o->gamma_m, &o->gamma_m_given},
            {"--c", &o->c, &o->c_given},
            {"--fire", &o->t_fire, &o->fire},
            {"--tch", &o->t_ch, &o->protection_given},
            {"--tf", &o->t_f, &o->protection_given},
            {"--k2", &o->k2, &o->protection_given},
            {"--k3", &o->k3, &o->protection_given},
        };
        // The whole-number options with their ranges in words.
        const struct {
            const char* name;
            int* value;
            int low, high;
            const char* allowed;
            bool* given;
        } wholes[] = {
            {"--dir", &o->dir, 0, 1, "0 oder 1", nullptr},
            {"--service", &o->service, 1, 3, "1, 2 oder 3", nullptr},
            {"--duration", &o->duration, 0, 8, "eine ganze Zahl von 0 bis 8", &o->duration_given},
            {"--side", &o->side, 0, 3, "0 (oben), 1 (unten), 2 oder 3 (Seitenflächen)", &have_side},
        };
        std::string why;
        bool known = false;
        for (const auto& n : numbers) {
            if (a != n.name) continue;
            known = true;
            why = Cltcheck_Read_Number(a, v, n.value);
            if (n.given) *n.given = true;
        }
        for (const auto& w : wholes) {
            if (a != w.name) continue;
            known = true;
            if (w.given) *w.given = true;
            if (!Cltcheck_Parse_Int(v, w.low, w.high, w.value))
                why = "Option " + a + ": \"" + v + "\" ist nicht zulässig; zulässig ist " + w.allowed + ".";
        }
        if (a == "--oli") {
            known = true;
            o->oli = v;
            if (o->oli.empty()) why = "Option --oli: der Dateiname fehlt.";
        }
        if (!known) return "Option " + a + " ist unbekannt.";
        if (!why.empty()) return why;
        seen += a + " ";
    }
    if (o->span_given != have_q) return "Die Optionen --span und --q gehören zusammen.";
    if (o->forces_given != have_V) return "Die Optionen --M und --V gehören zusammen.";
    if (o->span_given == o->forces_given) return "Anzugeben ist entweder --span mit --q oder --M mit --V.";
    if (o->forces_given && o->M == 0.0 && o->V == 0.0)
        return "Optionen --M und --V: beide 0, es ist keine Last angegeben.";
    if (o->fire != have_side) return "Die Optionen --fire und --side gehören zusammen.";
    if (o->protection_given && !o->fire) return "Die Optionen --tch, --tf, --k2 und --k3 gelten nur mit --fire.";
    if (o->fire && o->t_ch > o->t_f)
        return "Option --tch: der Abbrand beginnt spätestens beim Versagen der Bekleidung; zulässig ist t_ch ≤ t_f "
               "(--tf).";
    if (o->fire && (o->kmod_given || o->duration_given || o->gamma_m_given || o->c_given))
        return "Die Optionen --duration, --kmod, --gamma-m und --c gelten nicht mit --fire: im Brandfall gelten "
               "γ_M,fi = 1,0, k_mod,fi = 1,0 und k_fi.";
    if (o->kmod_given && o->duration != 8) return "Option --kmod gilt nur mit --duration 8 (k_mod frei).";
    if (!o->kmod_given && o->duration == 8 && !o->fire) return "Option --duration 8 verlangt --kmod.";
    return std::string();
}
