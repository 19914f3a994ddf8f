// The EC2 output page of the active annex: one clause table each for
// EN 1992-1-1, EN 1992-1-2 and EN 1992-2.
//
// The tables are data: every line names the rules it needs, its clause, the
// value text in its plain, formula and German-annex forms, and its meaning.
// Texts are written in a small notation that one builder turns into list
// bytes and lays out:
//   x_{s}   x with the subscript s, x^{s} with the superscript s
//   {n}     n blanks (continuation lines of a meaning)
//   %...    the next argument of the line (a number, an int or a name)
// Greek letters and ≥ become the glyph bytes of the list font, everything else
// code page 850.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "nad/nadlist.h"
#include "nad/nadoli.h"
#include "nad/nadolipriv.h"
#include "nad/nadtitle.h"
#include "platform/kovcp.h"
#include "platform/kovoli.h"

namespace {

enum { MEANING_COLUMN = 44, CLAUSE_WIDTH = 13, NO_FIELD = -1, MAX_ARGS = 4 };

// An argument of a line: a field of the record or a fixed text.
struct Arg {
    char kind = 0;     // 'd' double, 'i' int, 'n' name (code page 850 bytes), 't' fixed text (UTF-8)
    size_t offset = 0; // of the field in the record
    const char* text = nullptr;
};

Arg dbl(size_t offset) { return Arg{'d', offset, nullptr}; }
Arg num(size_t offset) { return Arg{'i', offset, nullptr}; }
Arg name(size_t offset) { return Arg{'n', offset, nullptr}; }
Arg text(const char* utf8) { return Arg{'t', 0, utf8}; }

#define D(field) dbl(offsetof(NadEc2Record, field))
#define DI(field, i) dbl(offsetof(NadEc2Record, field) + (i) * sizeof(double))
#define NAME(field, i) name(offsetof(NadEc2Record, field) + (i) * sizeof(NadEc2Record::field[0]))
#define MODE(field) static_cast<int>(offsetof(NadEc2Record, field))

// How a line depends on a selector field.
enum ModeUse {
    MODE_FORMS,    // selector 1: plain form, else the formula (or the German form)
    MODE_ONLY_ONE, // the line is printed only with selector 1
    MODE_NOT_ONE   // the line is printed only with another selector value
};

struct Line {
    int need[3] = {NO_FIELD, NO_FIELD, NO_FIELD}; // rules that must be shown
    int absent = NO_FIELD;                        // rule that must not be shown
    const char* clause = "";                      // empty: a follow-up line
    const char* value = "";                       // plain form
    const char* formula = nullptr;                // form for a selector other than 1
    const char* german = nullptr;                 // form under the German annex's rules
    int mode = NO_FIELD;                          // offset of the selector field
    ModeUse mode_use = MODE_FORMS;
    Arg args[MAX_ARGS];
    const char* meaning = nullptr; // null: blanks up to the meaning column
    bool bare = false;             // the line ends right after the value
    const char* tail = nullptr;    // lower bound, when its value is set
    Arg tail_arg;

    Line& when(int a, int b = NO_FIELD, int c = NO_FIELD)
    {
        need[0] = a;
        need[1] = b;
        need[2] = c;
        return *this;
    }
    Line& unless(int rule)
    {
        absent = rule;
        return *this;
    }
    Line& sel(int field, const char* formula_form, const char* german_form = nullptr)
    {
        mode = field;
        formula = formula_form;
        german = german_form;
        return *this;
    }
    // A German-annex form without a selector: printed whenever the rules apply.
    Line& de(const char* german_form)
    {
        german = german_form;
        return *this;
    }
    Line& only(int field, ModeUse use)
    {
        mode = field;
        mode_use = use;
        return *this;
    }
    Line& floor(const char* form, Arg arg)
    {
        tail = form;
        tail_arg = arg;
        return *this;
    }
    Line& ends()
    {
        bare = true;
        return *this;
    }
};

Line row(const char* clause, const char* value, std::initializer_list<Arg> args, const char* meaning)
{
    Line l;
    l.clause = clause;
    l.value = value;
    int i = 0;
    for (const Arg& a : args)
        if (i < MAX_ARGS) l.args[i++] = a;
    l.meaning = meaning;
    return l;
}

// The list byte of a code point: the font's glyphs, else code page 850.
void put_char(std::string& out, unsigned cp)
{
    static const struct {
        unsigned cp;
        unsigned char byte;
    } kGlyphs[] = {{0x3B1, 0xE0}, {0x3B2, 0xBB}, {0x3B3, 0xC0}, {0x394, 0xA3}, {0x3B5, 0xBE}, {0x3B7, 0xC1},
                   {0x3B8, 0xB0}, {0x3BB, 0xC5}, {0x3BC, 0xC6}, {0x3BD, 0xC7}, {0x3C1, 0xCB}, {0x2265, 0xF2}};
    for (const auto& g : kGlyphs) {
        if (g.cp == cp) {
            out += static_cast<char>(g.byte);
            return;
        }
    }
    const int b = Kov_Cp_Byte_Of(KOV_CP850, cp);
    out += b < 0 ? '?' : static_cast<char>(b);
}

// Decodes one UTF-8 character at *p and advances.
unsigned next_code_point(const char*& p)
{
    const unsigned char c = static_cast<unsigned char>(*p++);
    if (c < 0x80) return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    unsigned cp = c & (0x3F >> extra);
    while (extra-- > 0 && (static_cast<unsigned char>(*p) & 0xC0) == 0x80)
        cp = (cp << 6) | (static_cast<unsigned char>(*p++) & 0x3F);
    return cp;
}

// Formats one argument with the conversion (e.g. "%-5.2lf").
void put_arg(std::string& out, const std::string& conversion, const Arg& a, const NadEc2Record* r)
{
    const char* base = reinterpret_cast<const char*>(r);
    char buf[160];
    switch (a.kind) {
        case 'd': {
            double v;
            std::memcpy(&v, base + a.offset, sizeof v);
            std::snprintf(buf, sizeof buf, conversion.c_str(), v);
            break;
        }
        case 'i': {
            int v;
            std::memcpy(&v, base + a.offset, sizeof v);
            std::snprintf(buf, sizeof buf, conversion.c_str(), v);
            break;
        }
        case 'n': std::snprintf(buf, sizeof buf, conversion.c_str(), base + a.offset); break;
        case 't': std::snprintf(buf, sizeof buf, conversion.c_str(), cp850(a.text)); break;
        default: buf[0] = '\0'; break;
    }
    out += buf;
}

// Turns a text of the notation into list bytes; args are taken from *next on.
std::string render(const char* t, const Arg* args, int* next, const NadEc2Record* r)
{
    std::string out;
    bool in_script = false;
    for (const char* p = t; *p;) {
        if ((*p == '_' || *p == '^') && p[1] == '{') {
            out += '\xCE';
            out += *p == '_' ? '\\' : '/';
            in_script = true;
            p += 2;
        } else if (*p == '}' && in_script) {
            out += "\xCEr";
            in_script = false;
            ++p;
        } else if (*p == '{') {
            char* end = nullptr;
            const long n = std::strtol(p + 1, &end, 10);
            out.append(static_cast<size_t>(n > 0 ? n : 0), ' ');
            p = *end == '}' ? end + 1 : end;
        } else if (*p == '%') {
            const char* q = p + 1;
            while (*q && !std::strchr("dfs", *q)) ++q;
            if (!*q) break;
            const std::string conversion(p, q + 1);
            if (*next < MAX_ARGS) put_arg(out, conversion, args[(*next)++], r);
            p = q + 1;
        } else {
            put_char(out, next_code_point(p));
        }
    }
    return out;
}

// Display width of the last physical line of a list text.
int last_line_width(const std::string& s)
{
    const size_t nl = s.rfind('\n');
    return MT_String_Length(s.c_str() + (nl == std::string::npos ? 0 : nl + 1));
}

int selector(const Line& l, const NadEc2Record* r)
{
    int v;
    std::memcpy(&v, reinterpret_cast<const char*>(r) + l.mode, sizeof v);
    return v;
}

bool printed(const Line& l, const int* flags, const NadEc2Record* r)
{
    for (int n : l.need)
        if (n != NO_FIELD && !flags[n]) return false;
    if (l.absent != NO_FIELD && flags[l.absent]) return false;
    if (l.mode != NO_FIELD && l.mode_use == MODE_ONLY_ONE) return selector(l, r) == 1;
    if (l.mode != NO_FIELD && l.mode_use == MODE_NOT_ONE) return selector(l, r) != 1;
    return true;
}

// One table line: clause, value text, blanks to the meaning column, meaning.
std::string build_line(const Line& l, const NadEc2Record* r)
{
    std::string s = " ";
    s += l.clause;
    s.resize(1 + CLAUSE_WIDTH, ' ');
    const char* form = l.value;
    if (l.mode != NO_FIELD && l.mode_use == MODE_FORMS && selector(l, r) != 1) {
        form = l.formula;
        if (r->na_de && l.german) form = l.german;
    } else if (l.mode == NO_FIELD && l.german && r->na_de) {
        form = l.german;
    }
    int next = 0;
    s += render(form, l.args, &next, r);
    if (l.tail) {
        double bound;
        std::memcpy(&bound, reinterpret_cast<const char*>(r) + l.tail_arg.offset, sizeof bound);
        if (bound > 0.0001) {
            int tail_next = 0;
            s += render(l.tail, &l.tail_arg, &tail_next, r);
        }
    }
    if (!l.bare) {
        // A value that reaches the column still gets one blank before its meaning.
        const int width = last_line_width(s);
        const int pad = MEANING_COLUMN - width;
        s.append(static_cast<size_t>(pad > 0 ? pad : (l.meaning ? 1 : 0)), ' ');
        if (l.meaning) {
            // The meaning takes the arguments after those of the form printed.
            next = 0;
            for (const char* p = form; (p = std::strchr(p, '%')) != nullptr; ++p) ++next;
            s += render(l.meaning, l.args, &next, r);
        }
    }
    s += '\n';
    return s;
}

// ---------------------------------------------------------------------------
// EN 1992-1-1 (buildings; the partial factors and 5.10.9 of bridges too)

// The partial factors, the spread of the prestress and the strength reductions.
void partial_factor_rows(std::vector<Line>& t)
{
    const char* kGammas = "γ_{c} = %-5.2lf  γ_{s} = %-5.2lf";
    const char* kSituations[4] = {"ständige und vorübergehende Bemessungssituation", "Bemessungssituation für Ermüdung",
                                  "Bemessungssituation für Erdbeben", "außergewöhnliche Bemessungssituation"};
    t.push_back(row("2.4.2.4(1)", "", {}, "Teilsicherheitsbeiwerte für Beton und Betonstahl").when(0));
    for (int i = 0; i < 4; ++i) {
        // A bridge program prints the bridge factors in the same lines.
        const int extra = i == 0 ? NO_FIELD : 1;
        t.push_back(row("", kGammas, {DI(gamma_c, i), DI(gamma_s, i)}, kSituations[i]).when(0, 30, extra));
        t.push_back(
            row("", kGammas, {DI(gamma_c_bridge, i), DI(gamma_s_bridge, i)}, kSituations[i]).when(0, extra).unless(30));
    }
    t.push_back(
        row("2.4.2.4(2)", kGammas, {D(gamma_c_sls), D(gamma_s_sls)}, "Grenzzustand der Gebrauchstauglichkeit").when(0));
    t.push_back(row("5.10.9(1)P", "", {}, "Streuung der Vorspannkraft").when(0, 31));
    t.push_back(
        row("", "P_{sup} = %-5.2lf  P_{inf} = %-5.2lf", {D(r_sup_pre), D(r_inf_pre)}, "Sofortiger oder ohne Verbund")
            .when(0, 31));
    t.push_back(
        row("", "P_{sup} = %-5.2lf  P_{inf} = %-5.2lf", {D(r_sup_post), D(r_inf_post)}, "Nachträglicher Verbund")
            .when(0, 31));
    t.push_back(row("3.1.6(1)P", "α_{cc} = %-5.2lf", {D(alpha_cc)}, "Abminderungsbeiwert für die Betondruckfestigkeit")
                    .when(2, 30));
    t.push_back(row("3.1.6(2)P", "α_{ct} = %-5.2lf", {D(alpha_ct)}, "Abminderungsbeiwert für die Betonzugfestigkeit")
                    .when(3, 30));
}

// Concrete cover and the imperfection.
void cover_rows(std::vector<Line>& t)
{
    const char* kCover = "%5s      %-5.2lf     %-5.2lf";
    t.push_back(row("4.4.1.2(5)", "Exp.Kl.  C_{min,dur}  Δc_{dur,γ}", {}, "Mindestbetondeckung in Abhängigkeit von der")
                    .when(6));
    t.push_back(row("", kCover, {NAME(exposure_class_names, 0), DI(c_min_dur, 0), DI(delta_c_dur_gamma, 0)},
                    "Expositionsklasse C_{min,dur} [cm]")
                    .when(6));
    t.push_back(row("4.4.1.2(6)", kCover, {NAME(exposure_class_names, 1), DI(c_min_dur, 1), DI(delta_c_dur_gamma, 1)},
                    "Mindestbetondeckung: additives Sicherheitselement Δc_{dur,γ} [cm]")
                    .when(6));
    for (int i = 2; i < NAD_EC2_EXPOSURE_CLASSES; ++i)
        t.push_back(
            row("", kCover, {NAME(exposure_class_names, i), DI(c_min_dur, i), DI(delta_c_dur_gamma, i)}, nullptr)
                .when(6));
    t.push_back(row("4.4.1.2(7)", "Δc_{dur,st}  = %-5.2lf", {D(delta_c_dur_st)},
                    "Mindestbetondeckung: Verwendung von rostfreiem Stahl [cm]")
                    .when(6));
    t.push_back(row("4.4.1.2(8)", "Δc_{dur,add} = %-5.2lf", {D(delta_c_dur_add)},
                    "Mindestbetondeckung: Beton mit zusätzlichem Schutz [cm]")
                    .when(6));
    t.push_back(row("4.4.1.3(1)P", "Δc_{dev}     = %-5.2lf", {D(delta_c_dev)}, "Vorhaltemaß für die Betondeckung [cm]")
                    .when(6));
    t.push_back(
        row("5.2(6)", "θ_{0} = 1/%-5.0lf", {D(theta_0_inv)}, "Imperfektion: Grundwert der Schiefstellung").when(32));
}

// Redistribution, slenderness and the modulus factor.
void redistribution_rows(std::vector<Line>& t)
{
    t.push_back(
        row("5.5(4)", "k_{1} = %-5.2lf", {D(k1_redist)}, "Umlagerung: Beiwerte zur Ermittlung des erlaubten").when(7));
    t.push_back(row("", "k_{2} = %-5.2lf", {D(k2_redist)}, "{12}Umlagerungsverhältnisses")
                    .when(7)
                    .sel(MODE(k2_redist_mode), "k_{2} = %-5.2lf(0.6+0.0014/ε_{cu2})"));
    t.push_back(row("", "k_{3} = %-5.2lf", {D(k3_redist)}, nullptr).when(7));
    t.push_back(row("", "k_{4} = %-5.2lf", {D(k4_redist)}, "{12}")
                    .when(7)
                    .sel(MODE(k4_redist_mode), "k_{4} = %-5.2lf(0.6+0.0014/ε_{cu2})"));
    t.push_back(row("", "k_{5} = %-5.2lf", {D(k5_redist)}, nullptr).when(7));
    t.push_back(row("", "k_{6} = %-5.2lf", {D(k6_redist)}, nullptr).when(7));
    t.push_back(
        row("5.8.3.1(1)", "λ_{lim} = %-5.2lf", {D(lambda_lim)}, "Grenzwert der Schlankheit für Einzeldruckglieder")
            .when(8)
            .sel(MODE(lambda_lim_mode), "λ_{lim} = %-5.2lf / n^{1/2}", "λ_{lim} s. NA-DE"));
    t.push_back(
        row("5.8.6(3)", "γ_{cE} = %-5.2lf", {D(gamma_ce)},
            "Teilsicherheitsbeiwert für den E-Modul beim Nachweis\n{44}der Knicksicherheit (Th. II. O. im Zust. 2)")
            .when(9));
}

// Shear, torsion, joints.
void shear_rows(std::vector<Line>& t)
{
    t.push_back(
        row("6.2.2(1)", "C_{Rd,c} = %5.2lf / γ_{c}", {D(c_rd_c)}, "Beiwerte zur Ermittlung des Querkraftwiderstandes")
            .when(10, 30));
    t.push_back(row("", "ν_{min} = %-5.3lf", {D(v_min)}, nullptr)
                    .when(10, 30)
                    .sel(MODE(v_min_mode), "ν_{min} = %6.4lf/γ_{c} k^{3/2} f_{ck}^{1/2}"));
    t.push_back(row("", "k_{1} = %-5.2lf", {D(k1_shear)}, nullptr).when(10, 30));
    t.push_back(row("6.2.2(6)", "ν_{V} = %-5.3lf", {D(nu_shear)}, "Festigkeitsabminderungsbeiwert für Querkraft")
                    .when(10)
                    .sel(MODE(nu_mode), "ν_{V} = %-5.2lf(1 - f_{ck}/250)"));
    t.push_back(row("6.3.2(4)", "ν_{T} = %-5.3lf", {D(nu_torsion)}, "Festigkeitsabminderungsbeiwert für Torsion")
                    .when(11)
                    .sel(MODE(nu_mode), "ν_{T} = %-5.2lf(1 - f_{ck}/250)"));
    t.push_back(row("6.2.3(2)", "min cot θ = %-5.2lf", {D(cot_theta_min)}, "untere Grenze der Druckstrebenneigung")
                    .when(10, 30));
    t.push_back(
        row("", "max cot θ = %-5.2lf", {D(cot_theta_max)}, "obere Grenze der Druckstrebenneigung").when(10, 30));
    t.push_back(row("6.2.3(3)", "α_{cw} = %-5.2lf", {D(alpha_cw)},
                    "Beiwert zur Berücksichtigung des Spannungszustands im Druckgurt")
                    .when(10, 30));
    t.push_back(row("", "ν_{1} = %-5.3lf", {D(nu_1)}, "Beiwert zur Ermittlung der maximalen Querkrafttragfähigkeit")
                    .when(10, 30)
                    .sel(MODE(nu_1_mode), "ν_{1} = %-5.2lf(1 - f_{ck}/250)"));
    t.push_back(row("6.2.4(4)", "cot θ_{fz} = %-5.2lf", {D(cot_theta_f_tension)},
                    "Anschlüsse: Druckstrebenneigung für Zuggurte")
                    .when(10, 15));
    t.push_back(
        row("", "cot θ_{fd} = %-5.2lf", {D(cot_theta_f_compression)}, "Anschlüsse: Druckstrebenneigung für Druckgurte")
            .when(10, 15));
    t.push_back(row("6.2.4(6)", "k = %-5.2lf", {D(k_flange)},
                    "Anschlüsse: Beiwert für die aufnehmbare Zugspannung ohne\n{56}Anschlussbewehrung")
                    .when(10, 15));
    const char* kJoint = "c = %-4.2lf, μ = %-4.2lf, ν = %-4.2lf";
    t.push_back(row("6.2.5(1)", kJoint,
                    {DI(joint_c, 0), DI(joint_mu, 0), DI(joint_nu, 0), NAME(joint_surface_names, 0)},
                    "Fugen: Rauhigkeitsbeiwerte für %se Fugen")
                    .when(10, 16));
    for (int i = 1; i < NAD_EC2_JOINT_SURFACES; ++i)
        t.push_back(row("", kJoint, {DI(joint_c, i), DI(joint_mu, i), DI(joint_nu, i), NAME(joint_surface_names, i)},
                        "{9}%se Fugen")
                        .when(10, 16));
}

// Fatigue, cracks and deflection.
void fatigue_serviceability_rows(std::vector<Line>& t)
{
    t.push_back(
        row("6.8.4(1)", "γ_{F,fat} = %-5.2lf", {D(gamma_f_fat)}, "Ermüdung: Sicherheitsbeiwert für die Einwirkungen")
            .when(17));
    t.push_back(row("6.8.7(1)", "k_{1} = %-5.2lf", {D(k1_fatigue)},
                    "Ermüdung: Beiwert zur Ermittlung der Bemessungsfestigkeit des\n{54}Betons")
                    .when(17, 30));
    const char* kCrack = "Risse: Beiwert zur Ermittlung des maximalen Rissabstands bei\n{51}abgeschlossenem Rissbild";
    t.push_back(row("7.3.4(3)", "k_{3} = %-5.2lf", {D(k3_crack)}, kCrack).when(18));
    t.push_back(row("", "k_{4} = %-5.3lf", {D(k4_crack)}, kCrack).when(18));
    const char* kSystems[NAD_EC2_SYSTEMS] = {"Einfeld", "Endfeld", "Mittelfeld", "Flachdecke", "Kragträger"};
    const char* kSystemMeaning[2] = {"Verformungen ohne direkte Berechnung (Biegeschlankheit):",
                                     "Beiwert zur Berücksichtigung des statischen Systems"};
    for (int i = 0; i < NAD_EC2_SYSTEMS; ++i) {
        Line l = row(i == 0 ? "7.4.2(2)" : "", "K_{%-11.11s} = %-5.2lf", {text(kSystems[i]), DI(k_system, i)},
                     i < 2 ? kSystemMeaning[i] : nullptr)
                     .when(19);
        if (i >= 2) l.ends();
        t.push_back(l);
    }
}

// Bar spacing and minimum reinforcement.
void detailing_rows(std::vector<Line>& t)
{
    t.push_back(
        row("8.2(2)", "k_{1} = %-5.2lf", {D(k1_bar_spacing)},
            "Stababstände: Beiwert für den lichten Abstand zwischen\n{58}parallelen Betonstählen oder Stahllagen")
            .when(20));
    t.push_back(
        row("9.2.1.1(1)", "A_{s,min} = %-5.2lf cm²", {D(as_min_beam)}, "Mindestbewehrung für Balken und Platten [cm²]")
            .when(21)
            .sel(MODE(as_min_beam_mode), "A_{s,min} = %5.2lf f_{ctm}/f_{yk} b_{t} d\n{21}≥ 0.0013 b_{t} d",
                 "A_{s,min} s. NA-DE"));
    t.push_back(
        row("9.2.1.2(1)", "β_{1} = %-5.2lf", {D(beta_1)},
            "Mindeststützmomente an gelenkigen Endauflagern:\n{44}Anteil des größten Feldmoments am Stützmoment")
            .when(22));
    t.push_back(row("9.2.1.4(1)", "β_{2} = %-5.2lf", {D(beta_2)},
                    "Verankerung der unteren Bewehrung an Endauflagern:\n"
                    "{44}Mindestanteil der größten Feldbewehrung an der unteren Bew.")
                    .when(23));
    t.push_back(row("9.2.2(5)", "ρ_{w,min} = %-5.3lf", {D(rho_w_min)}, "Mindestbewehrungsgrad der Querkraftbewehrung")
                    .when(24)
                    .sel(MODE(rho_w_min_mode), "ρ_{w,min} = %5.3lf f_{ck}^{1/2} / f_{yk}", "ρ_{w,min} s. NA-DE"));
    t.push_back(row("9.5.2(2)", "A_{s,min} = %-5.2lf", {D(as_min_column)}, "Mindestbewehrung für Stützen [cm²]")
                    .when(25, 30)
                    .sel(MODE(as_min_column_mode), "A_{s,min} = %5.3lf N_{Ed}/f_{yd}")
                    .floor("\n{21}≥ %-5.3lf A_{c}", D(as_min_column_floor)));
    t.push_back(row("9.6.2(1)", "A_{s,vmin} = %-5.2lf", {D(as_vmin_wall)}, "Vertikale Mindestbewehrung für Wände [cm²]")
                    .when(26)
                    .sel(MODE(as_vmin_wall_mode), "A_{s,vmin} = %5.3lf A_{c}", "A_{s,vmin} s. NA-DE"));
}

// Lightweight and plain concrete.
void lightweight_plain_rows(std::vector<Line>& t)
{
    t.push_back(row("11.3.5(1)", "α_{lcc} = %-5.2lf", {D(alpha_lcc)},
                    "Leichtbeton: Abminderungsbeiwert für die Betondruckfestigkeit")
                    .when(4));
    t.push_back(row("11.3.5(2)", "α_{lct} = %-5.2lf", {D(alpha_lct)},
                    "Leichtbeton: Abminderungsbeiwert für die Betonzugfestigkeit")
                    .when(4));
    t.push_back(row("11.6.1(1)", "C_{lRd,c} = %4.2lf / γ_{c}", {D(c_lrd_c)},
                    "Leichtbeton: Beiwerte zur Ermittlung des Querkraftwiderstandes")
                    .when(14));
    // The coefficient is stored before the division by gamma_c, as for nu_min
    // (0.042/gamma_c = 0.028 of EN 1992-1-1 11.6.1(1)); the line says so.
    t.push_back(row("", "ν_{l,min} = %-5.3lf", {D(v_l_min)}, nullptr)
                    .when(14)
                    .sel(MODE(v_l_min_mode), "ν_{l,min} = %6.4lf/γ_{c} k^{3/2} f_{lck}^{1/2}"));
    t.push_back(row("", "k_{l1} = %4.2lf", {D(k_l1)}, nullptr).when(14));
    t.push_back(row("11.6.1(2)", "ν_{l} = %-5.3lf η_{1}", {D(nu_l_shear)},
                    "Leichtbeton: Festigkeitsabminderungsbeiwert für Querkraft")
                    .when(14)
                    .sel(MODE(nu_l_mode), "ν_{l} = %5.3lf η_{1} (1 - f_{lck}/250)"));
    t.push_back(
        row("", "ν_{l} = %-5.3lf η_{1}", {D(nu_l_torsion)}, "Leichtbeton: Festigkeitsabminderungsbeiwert für Torsion")
            .when(12)
            .sel(MODE(nu_l_mode), "ν_{l} = %5.3lf η_{1} (1 - f_{lck}/250)"));
    t.push_back(row("11.6.2(1)", "ν_{1l} = %-5.3lf η_{1}", {D(nu_1l)},
                    "Leichtbeton: Beiwert zur Ermittlung der maximalen\n{57}Querkrafttragfähigkeit")
                    .when(14)
                    .sel(MODE(nu_1l_mode), "ν_{1l} = %5.3lf η_{1} (1 - f_{lck}/250)"));
    t.push_back(row("12.3.1(1)", "α_{cc,pl} = %-5.2lf", {D(alpha_cc_pl)},
                    "unbew.Beton: Abminderungsbeiwert für die Betondruckfestigkeit")
                    .when(5));
    t.push_back(
        row("", "α_{ct,pl} = %-5.2lf", {D(alpha_ct_pl)}, "unbew.Beton: Abminderungsbeiwert für die Betonzugfestigkeit")
            .when(5));
    t.push_back(row("12.6.3(2)", "k_{p} = %-5.2lf", {D(k_p)},
                    "unbew.Beton: Beiwert zur Ermittlung der Bemessungsspannung\n{57}bei der Querkraftbemessung")
                    .when(13)
                    .de("k_{p} s. NA-DE"));
}

std::vector<Line> buildings_table()
{
    std::vector<Line> t;
    partial_factor_rows(t);
    cover_rows(t);
    redistribution_rows(t);
    shear_rows(t);
    fatigue_serviceability_rows(t);
    detailing_rows(t);
    lightweight_plain_rows(t);
    return t;
}

// EN 1992-1-2 (fire)
std::vector<Line> fire_table()
{
    std::vector<Line> t;
    const char* kRebar =
        "Betonstahl-Klasse zur Beschreibung der Spannungs-Dehnungs-\n{44}beziehung bei erhöhten Temperaturen";
    t.push_back(
        row("3.2.3(5)", "Klasse %16s", {text("X (Tabelle 3.2b)")}, kRebar).only(MODE(rebar_class_fire), MODE_ONLY_ONE));
    t.push_back(
        row("3.2.3(5)", "Klasse %16s", {text("N (Tabelle 3.2a)")}, kRebar).only(MODE(rebar_class_fire), MODE_NOT_ONE));
    t.push_back(row("3.3.3(1)", "λ_{c} = λ_{co} oder λ_{cu}", {}, "thermische Leitfähigkeit des Betons")
                    .only(MODE(conductivity_mode), MODE_ONLY_ONE));
    t.push_back(row("", "s. Bemessungsoptionen", {}, "λ_{co} oberer Grenzwert, λ_{cu} unterer Grenzwert n. 3.3.3(2)")
                    .only(MODE(conductivity_mode), MODE_ONLY_ONE));
    t.push_back(
        row("3.3.3(1)", "λ_{c} = λ_{cu} + %5.3lf (λ_{co}-λ_{cu})", {D(conductivity_factor)},
            "thermische Leitfähigkeit des Betons\n{44}λ_{co} oberer Grenzwert, λ_{cu} unterer Grenzwert n. 3.3.3(2)")
            .only(MODE(conductivity_mode), MODE_NOT_ONE));
    t.push_back(row("6.1(5)", "Klasse %1d (Tabelle 6.1N)", {num(offsetof(NadEc2Record, hsc_class_fire))},
                    "hochfester Beton: Beton-Klasse zur Beschreibung der\n{62}Festigkeitsreduktion"));
    t.push_back(
        row("6.4.2.1(3)", "k = %-5.3lf", {D(k_hsc_fire)}, "hochfester Beton: Beiwert für die Querschnittsreduktion")
            .when(28));
    t.push_back(
        row("6.4.2.2(2)", "k_{m} = %-5.3lf", {D(k_m_hsc_fire)},
            "hochfester Beton: Beiwert für die Momententragfähigkeit\n{62}bei Brandbeanspruchung in der Zugzone")
            .when(29));
    return t;
}

// EN 1992-2 (bridges)
std::vector<Line> bridge_table()
{
    std::vector<Line> t;
    t.push_back(
        row("3.1.6(101)P", "α_{cc} = %-5.2lf", {D(alpha_cc_bridge)}, "Abminderungsbeiwert für die Betondruckfestigkeit")
            .when(2));
    t.push_back(
        row("3.1.6(102)P", "α_{ct} = %-5.2lf", {D(alpha_ct_bridge)}, "Abminderungsbeiwert für die Betonzugfestigkeit")
            .when(3));
    t.push_back(row("6.2.2(101)", "C_{Rd,c} = %5.2lf / γ_{c}", {D(c_rd_c_bridge)},
                    "Beiwerte zur Ermittlung des Querkraftwiderstandes")
                    .when(10));
    t.push_back(row("", "ν_{min} = %-5.3lf", {D(v_min_bridge)}, nullptr)
                    .when(10)
                    .sel(MODE(v_min_bridge_mode), "ν_{min} = %6.4lf/γ_{c} k^{3/2} f_{ck}^{1/2}"));
    t.push_back(row("", "k_{1} = %-5.2lf", {D(k1_shear_bridge)}, nullptr).when(10));
    t.push_back(
        row("6.2.3(2)", "min cot θ = %-5.2lf", {D(cot_theta_min_bridge)}, "untere Grenze der Druckstrebenneigung")
            .when(10));
    t.push_back(
        row("", "max cot θ = %-5.2lf", {D(cot_theta_max_bridge)}, "obere Grenze der Druckstrebenneigung").when(10));
    t.push_back(row("6.2.3(103)", "α_{cw} = %-5.2lf", {D(alpha_cw_bridge)},
                    "Beiwert zur Berücksichtigung des Spannungszustands im Druckgurt")
                    .when(10));
    t.push_back(
        row("", "ν_{1} = %-5.3lf", {D(nu_1_bridge)}, "Beiwert zur Ermittlung der maximalen Querkrafttragfähigkeit")
            .when(10)
            .sel(MODE(nu_1_bridge_mode), "ν_{1} = %-5.2lf(1 - f_{ck}/250)"));
    t.push_back(row("6.8.7(101)", "k_{1} = %-5.2lf", {D(k1_fatigue_bridge)},
                    "Ermüdung: Beiwert zur Ermittlung der Bemessungsfestigkeit des\n{54}Betons")
                    .when(17));
    t.push_back(row("7.2(102)", "k_{1} = %-5.2lf", {DI(k_stress_bridge, 0)},
                    "Beiwert zur Ermittlung der zul. Betondruckspannung")
                    .when(2));
    t.push_back(row("7.2(3)", "k_{2} = %-5.2lf", {DI(k_stress_bridge, 1)},
                    "Beiwert zur Ermittlung der Betondruckspannung für\n{56}lineares Kriechen")
                    .when(2));
    t.push_back(
        row("7.2(3)", "k_{3} = %-5.2lf", {DI(k_stress_bridge, 2)}, "Beiwert zur Ermittlung der Stahlspannung").when(2));
    t.push_back(row("7.2(3)", "k_{4} = %-5.2lf", {DI(k_stress_bridge, 3)},
                    "Beiwert zur Ermittlung der Stahlspannung für\n{56}indirekte Einwirkungen")
                    .when(2));
    t.push_back(
        row("7.2(3)", "k_{5} = %-5.2lf", {DI(k_stress_bridge, 4)}, "Beiwert zur Ermittlung der Spannstahlspannung")
            .when(2));
    t.push_back(row("9.5.2(2)", "A_{s,min} = %-5.2lf", {D(as_min_column_bridge)}, "Mindestbewehrung für Stützen [cm²]")
                    .when(25)
                    .sel(MODE(as_min_column_bridge_mode), "A_{s,min} = %5.3lf N_{Ed}/f_{yd}")
                    .floor("\n{21}≥ %-5.3lf A_{c}", D(as_min_column_floor_bridge)));
    return t;
}

enum Table { BUILDINGS, FIRE, BRIDGES };

const std::vector<Line>& table(Table which)
{
    static const std::vector<Line> kTables[3] = {buildings_table(), fire_table(), bridge_table()};
    return kTables[which];
}

void write_lines(FILE* f, Table which, const NadEc2Record* r, const int* flags)
{
    for (const Line& l : table(which))
        if (printed(l, flags, r)) std::fputs(build_line(l, r).c_str(), f);
}

// The fire and bridge tables: title, then the lines.
void part_table(FILE* f, Table which, unsigned norm, const NadEc2Record* r, const int* flags)
{
    OLI_reserveSpaceCM(f, 4.0f);
    Nad_Show_Table(f, "0 0 1");
    std::fprintf(f, " %s\n0 0 -1 -1\n", Nad_Norm_Title(norm, 0, 0));
    Nad_End_Of_Text(f);
    OLI_setYPositionCM(f, 1, -0.5f);
    OLI_setMarginsCM(f, 1, 0.0f, 0.0f);
    Nad_Clause_Table_Head(f);
    write_lines(f, which, r, flags);
    Nad_End_Of_Text(f);
}

} // namespace

int Nad_Oli_Ec2_Main_With(FILE* f, const int* flags)
{
    if (!f || !flags) return 0;
    const NadEc2Record* r = Nad_Get_Ec2();
    if (!r) return 0;
    Nad_Show_Table(f, "0 0 1");
    std::fprintf(f, " %s, NA %s\n0 0 -1 -1\n", Nad_Norm_Title(NAD_NORM_EC2, 0, 0), Nad_Get_Active_Name());
    Nad_End_Of_Text(f);
    OLI_setYPositionCM(f, 1, -0.5f);
    Nad_Clause_Table_Head(f);
    write_lines(f, BUILDINGS, r, flags);
    return std::fputs("#END_OF_TEXT\n", f);
}

void Nad_Oli_Ec2_With(FILE* f, const int* flags)
{
    if (!f || !flags) return;
    OLI_setFlags(f, 896);
    Nad_Page_Head(f);
    Nad_Oli_Ec2_Main_With(f, flags);
    const NadEc2Record* r = Nad_Get_Ec2();
    if (!r) return;
    if (flags[27]) part_table(f, FIRE, NAD_NORM_EC2_FIRE, r, flags);
    if (flags[31]) part_table(f, BRIDGES, NAD_NORM_EC2_BRIDGES, r, flags);
}

int Nad_Oli_Ec2_Main(FILE* f)
{
    if (!f) return 0;
    Nad_Ec2_Relevance();
    return Nad_Oli_Ec2_Main_With(f, Ec2RelevanceFlags);
}

void Nad_Oli_Ec2(FILE* f)
{
    if (!f) return;
    Nad_Ec2_Relevance();
    Nad_Oli_Ec2_With(f, Ec2RelevanceFlags);
}
