// The output list of a position: entry points, head and input section, the
// result pages of the four checks and the summary.
//
// List texts are code page 850. The mark-up and symbol bytes of the list are
// spelled through the macros below so that no hexadecimal escape swallows the
// character after it ("\xCE" "b" is bold, "\xCEb" would be one byte).
#include "app/print.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/nelu52annex.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "base/kovmem.h"
#include "materials/matfactors.h"
#include "materials/matgamma.h"
#include "materials/matkind.h"
#include "materials/matnames.h"
#include "materials/matvalues.h"
#include "nad/nadec5.h"
#include "nad/nadlist.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"
#include "output/olilocale.h"
#include "platform/kovfilefailure.h"
#include "platform/kovhost.h"
#include "platform/kovmath.h"
#include "platform/kovoli.h"
#include "platform/kovpath.h"
#include "platform/kovreplace.h"
#include "platform/olirecords.h"

// Mark-up of the list.
#define M_BOLD OLI_MARK_BOLD
#define M_REG OLI_MARK_REGULAR
#define M_SUB OLI_MARK_SUB
#define M_SUP OLI_MARK_SUP
#define M_HEAD OLI_MARK_HEADING
// Symbol bytes of the list font.
#define S_ALPHA "\xBA"
#define S_BETA "\xBB"
#define S_GAMMA "\xC0"
#define S_LAMBDA "\xC5"
#define S_RHO "\xCB"
#define S_SIGMA "\xCC"
#define S_TAU "\xD6"
#define S_DIAMETER "\x8C"
#define S_ARROW "\x88"
#define S_LE "\xF3"
#define S_INFINITY "\xEC"
// Letters of code page 850.
#define C_AE "\x84"  // ä
#define C_OE "\x94"  // ö
#define C_UE "\x81"  // ü
#define C_SZ "\xE1"  // ß
#define C_DEG "\xF8" // °

#define U_NMM2 "N/mm" M_SUP "2" M_REG
#define U_MM2 "mm" M_SUP "2" M_REG
#define U_MM3 "mm" M_SUP "3" M_REG
#define U_MM4 "mm" M_SUP "4" M_REG

namespace {

// ---- messages -----------------------------------------------------------------------------

const char kNoList[] = "Die Druckliste kann nicht erzeugt werden!";

// ---- tables ---------------------------------------------------------------------------------

// Columns of one table with one data array per column, all released after the
// table is written.
class Table {
public:
    Table(int allocated, int rows) : allocated_(allocated), rows_(rows)
    {
        Oli_Alloc_Columns(allocated, &cols_);
        Mem_Check_Pointer(cols_);
    }
    ~Table()
    {
        for (void* p : blocks_) Mem_Free_Tagged(__FILE__, __LINE__, "print", p);
        Mem_Free_Null((void**)&cols_);
    }
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Row numbers.
    void zz(const char* group, const char* title, int width) { next(group, title, "ZZ", width, 0); }
    // A number column; returns its array of one value per row.
    double* number(const char* group, const char* title, const char* unit, int width, int decimals, int extreme)
    {
        OliColumn* c = next(group, title, unit, width, decimals);
        double* v = (double*)block((int)sizeof(double));
        for (int i = 0; i < rows_; ++i) v[i] = 0.0;
        c->data = v;
        c->second_mark = extreme;
        return v;
    }
    // A text column of cells of the given size (16 bytes unless told);
    // returns the cells.
    char* text(const char* group, const char* title, int width, int cell = kCell)
    {
        OliColumn* c = next(group, title, "TXT", width, cell);
        char* v = (char*)block(cell);
        std::memset(v, 0, (size_t)std::max(rows_, 1) * (size_t)cell);
        c->data = v;
        return v;
    }
    // Copies at most cell - 1 bytes of text into cell row.
    static void set_cell(char* cells, int row, const char* text, int cell = kCell)
    {
        char* p = cells + (size_t)row * (size_t)cell;
        std::memset(p, 0, (size_t)cell);
        if (text) std::strncpy(p, text, (size_t)cell - 1);
    }
    void write(FILE* list)
    {
        // A utilisation that is not verified is infinite: the table shows it
        // with its infinity sign, never as a number that could pass.
        for (int k = 0; k < count_; ++k) {
            if (cols_[k].data == nullptr || std::strcmp(cols_[k].kind, "TXT") == 0) continue;
            double* v = (double*)cols_[k].data;
            for (int i = 0; i < rows_; ++i)
                if (std::isinf(v[i])) v[i] = v[i] > 0.0 ? kInfinite : -kInfinite;
            // A value wider than its column would push the rest of its row
            // under the next column's rule: the column grows to its widest value.
            for (int i = 0; i < rows_; ++i) {
                if (!std::isfinite(v[i]) || std::fabs(v[i]) >= kInfinite) continue;
                char text[64];
                const int n = std::snprintf(text, sizeof text, "%.*f", cols_[k].decimals, v[i] * cols_[k].factor);
                if (n > cols_[k].width && n < (int)sizeof text) cols_[k].width = n;
            }
        }
        OliTabelle(list, count_, rows_, cols_, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
    }
    enum { kCell = 16 };
    // The table writer's value for an infinite cell.
    static constexpr double kInfinite = 1e100;

private:
    OliColumn* next(const char* group, const char* title, const char* kind, int width, int decimals)
    {
        if (count_ >= allocated_) {
            // More columns than allocated would end the program in the table
            // writer; the pages never ask for that.
            Oli_Alloc_Columns(++allocated_, &cols_);
            Mem_Check_Pointer(cols_);
        }
        OliColumn* c = &cols_[count_++];
        if (group) std::snprintf(c->group_heading, sizeof c->group_heading, "%s", group);
        std::snprintf(c->title, sizeof c->title, "%s", title);
        std::snprintf(c->kind, sizeof c->kind, "%s", kind);
        c->width = width;
        c->decimals = decimals;
        c->factor = 1.0;
        return c;
    }
    void* block(int item)
    {
        const int n = std::max(rows_, 1);
        void* p = Mem_Realloc_Tagged(__FILE__, __LINE__, "print", nullptr, n * item);
        Mem_Check_Pointer(p);
        blocks_.push_back(p);
        return p;
    }

    int allocated_;
    int rows_;
    int count_ = 0;
    OliColumn* cols_ = nullptr;
    std::vector<void*> blocks_;
};

int table_decimals(const NELU52_DATA& d) { return std::min(std::max(d.nk_zov, 0), 4); }

// The verdict line of a page: fulfilled up to the threshold.
void verdict_line(FILE* list, double u, double threshold)
{
    if (std::isinf(u))
        Oli_Text(list, "u" M_SUB "max" M_REG " = " S_INFINITY " > 1 " S_ARROW " %s", oli_nicht_erfuellt());
    else if (u <= threshold)
        Oli_Text(list, "u" M_SUB "max" M_REG " = %.3lf " S_LE " 1 " S_ARROW " %s", u, oli_ok());
    else
        Oli_Text(list, "u" M_SUB "max" M_REG " = %.3lf > 1 " S_ARROW " %s", u, oli_nicht_ok());
}

// ---- materials -------------------------------------------------------------------------------

struct MemberValues {
    double rho = 0.0;
    double f_m = 0.0, f_t = 0.0, f_c = 0.0, f_v = 0.0, f_c90 = 0.0;
    double k_h = 1.0;
};

// Values of a member for the list. The size factor is computed into a copy, so
// the list leaves the data object as the calculation left it.
MemberValues member_values(int kind, int grade, double b, double h, int with_kh, double kh)
{
    MemberValues v;
    v.k_h = kh;
    Mat_Rho_k(kind, grade, 0.0, &v.rho, nullptr);
    Mat_Strengths(kind, grade, 1, 6, b, h, &v.f_m, &v.f_t, &v.f_c, &v.f_v, &v.f_c90, with_kh ? &v.k_h : nullptr);
    v.f_m *= 0.001;
    v.f_t *= 0.001;
    v.f_c *= 0.001;
    v.f_v *= 0.001;
    v.f_c90 *= 0.001;
    return v;
}

void material_block(FILE* list, const char* lead, int kind, int grade, double b, double h, int with_kh, double kh,
                    const char* nkl)
{
    const MemberValues v = member_values(kind, grade, b, h, with_kh, kh);
    Oli_Text(list, "%s %s " M_BOLD ", " S_RHO M_SUB "k" M_REG " = %.0lf kg/m" M_SUP "3" M_REG ", %s", lead,
             Mat_Name(kind, grade), v.rho, nkl);
    Oli_Text(list,
             "f" M_SUB "m,k" M_REG " = %.2lf " U_NMM2 ", f" M_SUB "t,k" M_REG " = %.2lf " U_NMM2 ", f" M_SUB "c,k" M_REG
             " = %.2lf " U_NMM2 ", f" M_SUB "v,k" M_REG " = %.2lf " U_NMM2 ", f" M_SUB "c90,k" M_REG " = %.2lf " U_NMM2,
             v.f_m, v.f_t, v.f_c, v.f_v, v.f_c90);
    if (Mat_Is_Glulam(kind) && with_kh)
        Oli_Text(list, "f" M_SUB "m,k" M_REG " wurde mit k" M_SUB "h" M_REG " = %.3lf erh" C_OE "ht", v.k_h);
}

// Text of a Qt string in code page 850, into a caller's string.
std::string cp850_of(const QString& s)
{
    char* p = qstring_to_cp850(s);
    std::string out = p ? p : "";
    std::free(p);
    return out;
}

} // namespace

// ---- verdict and colour texts ---------------------------------------------------------------------

const char* oli_gruen()
{
    static char buf[40];
    std::snprintf(buf, sizeof buf, "\xCE{C %d 0 160 0}", 1);
    return buf;
}

const char* oli_rot()
{
    static char buf[40];
    std::snprintf(buf, sizeof buf, "\xCE{C %d 230 0 0}", 1);
    return buf;
}

const char* oli_farbe_aus()
{
    static char buf[40];
    std::snprintf(buf, sizeof buf, "\xCE{C %d}", 768);
    return buf;
}

const char* oli_ok()
{
    static char buf[100];
    std::snprintf(buf, sizeof buf, "%s" M_HEAD "ok.", oli_gruen());
    std::strncat(buf, oli_farbe_aus(), sizeof buf - std::strlen(buf) - 1);
    return buf;
}

const char* oli_nicht_ok()
{
    static char buf[100];
    std::snprintf(buf, sizeof buf, "%s" M_HEAD "nicht ok. !!", oli_rot());
    std::strncat(buf, oli_farbe_aus(), sizeof buf - std::strlen(buf) - 1);
    return buf;
}

const char* oli_erfuellt()
{
    static char buf[100];
    char green[40];
    std::snprintf(green, sizeof green, "%s", oli_gruen());
    std::snprintf(buf, sizeof buf, "%sNachweis erf" C_UE "llt%s", green, oli_farbe_aus());
    return buf;
}

const char* oli_nicht_erfuellt()
{
    static char buf[100];
    char red[40];
    std::snprintf(red, sizeof red, "%s", oli_rot());
    std::snprintf(buf, sizeof buf, "%sNachweis nicht erf" C_UE "llt !!%s", red, oli_farbe_aus());
    return buf;
}

// The rules the step joint is checked by, for the list's headings: the
// German annex (named as annex) while its values are in use. When the file of
// the position's annex could not be used, the results rest on the EC
// recommended values, and a heading that named the German annex would claim
// values that were not used.
static std::string joint_rules(const char* annex)
{
    if (*Nad_Unused_File()) return "NCI NA.12.1 mit den EC-Empfehlungswerten der DIN EN 1995-1-1";
    return std::string(annex) + ", NCI NA.12.1";
}

// ---- head and input section ---------------------------------------------------------------------------

int print_eingabedaten(NELU52_DATA& d, FILE* list)
{
    OliCLocaleScope numeric_c;

    Oli_Graphic_Set_Extended(1);
    OLI_setFlags(list, 896);
    OLI_setLayout(list, 4115);
    Oli_Init_Headings(3, 2, 1);
    File_Printf(list, OLI_REC_CONTENTS "\n");
    File_Printf(list, " %s", cp850_of(nelu52_titel).c_str());
    File_Printf(list, " \n");
    Oli_Version_Line(list, "q8-nlu52");

    Oli_Heading(list, 1, "%s", "Eingabedaten");
    if (ActiveNadEc5) {
        static const char* const kJoint[4] = {"Stirnversatz", "Brustversatz", "Fersenversatz", "Doppelter Versatz"};
        if (d.typ >= 0 && d.typ <= 3)
            Oli_Heading(list, 2, "%s gem" C_AE C_SZ " %s", kJoint[d.typ],
                        joint_rules("DIN EN 1995-1-1/NA:2013-08").c_str());
    }
    // Results under other values than the position's annex are never
    // presented without saying so.
    const QString annex_note = Nelu52_Annex_Note();
    if (!annex_note.isEmpty())
        for (const QString& line : annex_note.split(QLatin1Char('\n')))
            Oli_Text(list, M_BOLD "%s" M_REG, cp850_of(line).c_str());
    Oli_Heading(list, 2, "%s", "Material und Abmessungen");

    const char* nkl = "undefiniert";
    if (d.nkl == 1)
        nkl = "NKL 1";
    else if (d.nkl == 2)
        nkl = "NKL 2";
    else if (d.nkl == 3)
        nkl = "NKL 3";

    if (d.st_wie_sw) {
        material_block(list, "Beide Balken aus", d.holzart_sw, d.holzguete_sw, d.balken_b, d.balken_hG, d.mit_kh_sw,
                       d.kh_sw, nkl);
    } else {
        material_block(list, "Schwelle aus", d.holzart_sw, d.holzguete_sw, d.balken_b, d.balken_hG, d.mit_kh_sw,
                       d.kh_sw, nkl);
        material_block(list, "Strebe aus", d.holzart_st, d.holzguete_st, d.balken_b, d.balken_hD, d.mit_kh_st, d.kh_st,
                       nkl);
    }

    Oli_Text(list,
             "Schwelle " M_BOLD "%.0f/%.0f mm" M_REG ", Strebe " M_BOLD "%.0f/%.0f mm" M_REG ", " S_GAMMA
             " = %.1lf " C_DEG,
             d.balken_b, d.balken_hG, d.balken_b, d.balken_hD, d.gamma);
    if (d.lagesicherung_bolzen)
        Oli_Text(list, "Lagesicherung mit Bolzen " S_DIAMETER " %.0lf mm", d.d_bolzen);
    else
        Oli_Text(list, "Lagesicherung: %s", cp850_of(d.lagesicherung_text).c_str());
    Oli_Text(list, " ");

    print_skizze(d, list);

    // Load combinations.
    Oli_Heading(list, 2, "%s", "Schnittgr" C_OE C_SZ "en");
    const int rows = d.lasten.size();
    const int w = table_decimals(d);
    const int kurz = ActiveNadEc5 && ActiveNadEc5->na_de ? 1 : 0;
    Table t(7, rows);
    t.zz(nullptr, "Nr.", 3);
    // The names in full: "LK 2: 1,35 g + ..." and "LK 3: 1,35 g + ..." must
    // stay apart. The column is as wide as the longest name.
    std::vector<std::string> name_bytes;
    int name_cell = Table::kCell;
    for (const LoadCase& lc : d.lasten) {
        name_bytes.push_back(cp850_of(lc.name));
        name_cell = std::max(name_cell, (int)name_bytes.back().size() + 1);
    }
    char* names = t.text(nullptr, "Name", name_cell, name_cell);
    double* nd = t.number(nullptr, "N" M_SUB "d" M_REG, "kN", w + 4, w, 0);
    char* kled = t.text(nullptr, "KLED", 16);
    double* kmod = t.number(nullptr, "k" M_SUB "mod" M_REG, "-", 6, 3, 0);
    double* gm = t.number(nullptr, S_GAMMA, "-", 6, 2, 0);
    for (int i = 0; i < rows; ++i) {
        const LoadCase& lc = d.lasten[i];
        Table::set_cell(names, i, name_bytes[(size_t)i].c_str(), name_cell);
        nd[i] = lc.nd_strebe;
        Table::set_cell(kled, i, cp850_of(NELU52_DATA::kled_text(lc.kled, kurz)).c_str());
        kmod[i] = lc.kmod;
        gm[i] = Mat_Gamma_M(d.holzart_sw, d.holzguete_sw, lc.kled == 6 || lc.kled == 7 ? 1 : 0);
    }
    t.write(list);
    return 0;
}

// ---- result pages ------------------------------------------------------------------------------------

int print_versatz(NELU52_DATA& d, FILE* list)
{
    OliCLocaleScope numeric_c;
    Oli_Graphic_Set_Extended(1);
    Oli_Heading(list, 2, "Druck in den Kontaktfl" C_AE "chen nach %s", joint_rules("DIN EN 1995-1-1/NA").c_str());

    const double alpha_deg = d.alpha * KOV_RAD_TO_DEG;
    if (d.lv_min < 200.0)
        Oli_Text(list,
                 "k" M_SUB "cr" M_REG " = %.3lf, " S_ALPHA " = " S_GAMMA "/2 = %.1lf " C_DEG ", min l" M_SUB "v" M_REG
                 " = %.0lf mm (es wird eine Mindestvorholzl" C_AE "nge von 200 mm empfohlen)",
                 d.kcr_sw, alpha_deg, d.lv_min);
    else
        Oli_Text(list,
                 "k" M_SUB "cr" M_REG " = %.3lf, " S_ALPHA " = " S_GAMMA "/2 = %.1lf " C_DEG ", min l" M_SUB "v" M_REG
                 " = %.0lf mm",
                 d.kcr_sw, alpha_deg, d.lv_min);

    const int rows = d.erg_versatz.size();
    const int w = table_decimals(d);
    Table t(16, rows);
    t.zz(nullptr, "Nr", 3);
    double *fv = nullptr, *fc0 = nullptr, *fc90 = nullptr;
    if (d.ausfuehrlich) {
        fv = t.number(nullptr, "f" M_SUB "v,d" M_REG, U_NMM2, 6, 2, 0);
        fc0 = t.number(nullptr, "f" M_SUB "c0,d" M_REG, U_NMM2, 6, 2, 0);
        fc90 = t.number(nullptr, "f" M_SUB "c90,d" M_REG, U_NMM2, 6, 2, 0);
    }
    double *fa1 = nullptr, *fa2 = nullptr, *s1 = nullptr, *s2 = nullptr, *l1 = nullptr, *l2 = nullptr;
    switch (d.typ) {
        case 0:
        case 1:
            fa1 = t.number(nullptr, "f" M_SUB "c" S_ALPHA ",d" M_REG, U_NMM2, 5, 2, 0);
            s1 = t.number(nullptr, "S" M_SUB "1R,d" M_REG, "kN", w + 4, w, 0);
            l1 = t.number(nullptr, "l" M_SUB "v" M_REG, "mm", 5, 0, 0);
            break;
        case 2:
            fa2 = t.number(nullptr, "f" M_SUB "c" S_ALPHA ",d" M_REG, U_NMM2, 5, 2, 0);
            s2 = t.number(nullptr, "S" M_SUB "2R,d" M_REG, "kN", w + 4, w, 0);
            l2 = t.number(nullptr, "l" M_SUB "v" M_REG, "mm", 5, 0, 0);
            break;
        case 3:
            fa1 = t.number(nullptr, "f" M_SUB "c" S_ALPHA "1,d" M_REG, U_NMM2, 5, 2, 0);
            fa2 = t.number(nullptr, "f" M_SUB "c" S_ALPHA "2,d" M_REG, U_NMM2, 5, 2, 0);
            s1 = t.number(nullptr, "S" M_SUB "1R,d" M_REG, "kN", w + 3, w, 0);
            s2 = t.number(nullptr, "S" M_SUB "2R,d" M_REG, "kN", w + 3, w, 0);
            l1 = t.number(nullptr, "l" M_SUB "v1" M_REG, "mm", 5, 0, 0);
            l2 = t.number(nullptr, "l" M_SUB "v2" M_REG, "mm", 5, 0, 0);
            break;
        default: break;
    }
    double* ulv = t.number(nullptr, "u" M_SUB "lv" M_REG, "-", 6, 3, 1);
    double* use = t.number(nullptr, "u" M_SUB "SE,d1" M_REG, "-", 6, 3, 1);
    double* u = t.number(nullptr, "u", "-", 6, 3, 1);

    bool tension = false;
    for (int i = 0; i < rows; ++i) {
        const ErgVersatz& e = d.erg_versatz[i];
        if (fv) {
            fv[i] = e.fv_d;
            fc0[i] = e.fc0_d;
            fc90[i] = e.fc90_d;
        }
        if (fa1) fa1[i] = e.fc_alpha1_d;
        if (fa2) fa2[i] = e.fc_alpha2_d;
        if (s1) s1[i] = e.s1r_d;
        if (s2) s2[i] = e.s2r_d;
        if (l1) l1[i] = e.lv1;
        if (l2) l2[i] = e.lv2;
        switch (d.typ) {
            case 0:
            case 1: ulv[i] = e.u_lv1; break;
            case 2: ulv[i] = e.u_lv2; break;
            default: ulv[i] = std::max(e.u_lv1, e.u_lv2); break;
        }
        use[i] = e.u_se;
        u[i] = e.u;
        if (e.nd < 0.0) tension = true;
    }
    t.write(list);
    if (tension) Oli_Text(list, "Fehlerhafte Lasten (Zugkr" C_AE "fte) !!!");

    verdict_line(list, d.eta_versatz, 1.001);
    return 0;
}

int print_biegung_schwelle(NELU52_DATA& d, FILE* list)
{
    OliCLocaleScope numeric_c;
    Oli_Graphic_Set_Extended(1);
    Oli_Heading(list, 2, "%s", "Biegung und Normalkraft der Schwelle");
    Oli_Text(list,
             "b" M_SUB "n" M_REG " = %.0lf mm, h" M_SUB "n" M_REG " = %.0lf mm " S_ARROW " A" M_SUB "n" M_REG
             " = %.0lf " U_MM2 ", W" M_SUB "n" M_REG " = %.0lf " U_MM3 ", e" M_SUB "z" M_REG " = %.0lf mm",
             d.bn_biegung, d.hn_biegung, d.an_biegung, d.wn_biegung, d.ez_schwelle);

    const int rows = d.erg_biegung.size();
    Table t(15, rows);
    t.zz(" ", "Nr", 3);
    double* fm = t.number(" ", "f" M_SUB "m,d" M_REG, U_NMM2, 6, 2, 0);
    double* ft = t.number(" ", "f" M_SUB "t,d" M_REG, U_NMM2, 6, 2, 0);
    double* fc = t.number(" ", "f" M_SUB "c,d" M_REG, U_NMM2, 6, 2, 0);
    double* nl = t.number("linker Rand", "N" M_SUB "d" M_REG, "kN", 6, 3, 0);
    double* snl = t.number("=", S_SIGMA M_SUB "Nd" M_REG, U_NMM2, 6, 3, 0);
    double* ml = t.number("=", "M" M_SUB "d" M_REG, "kNm", 6, 3, 0);
    double* sml = t.number("=", S_SIGMA M_SUB "m,d" M_REG, U_NMM2, 6, 3, 0);
    double* ul = t.number("=", "u" M_SUB S_SIGMA M_REG, "-", 6, 3, 0);
    double* nr = t.number("rechter Rand", "N" M_SUB "d" M_REG, "kN", 6, 3, 0);
    double* snr = t.number("=", S_SIGMA M_SUB "Nd" M_REG, U_NMM2, 6, 3, 0);
    double* mr = t.number("=", "M" M_SUB "d" M_REG, "kNm", 6, 3, 0);
    double* smr = t.number("=", S_SIGMA M_SUB "m,d" M_REG, U_NMM2, 6, 3, 0);
    double* ur = t.number("=", "u" M_SUB S_SIGMA M_REG, "-", 6, 3, 0);
    double* u = t.number(" ", "u", "-", 6, 3, 1);
    for (int i = 0; i < rows; ++i) {
        const ErgBiegung& e = d.erg_biegung[i];
        fm[i] = e.fm_d;
        ft[i] = e.ft_d;
        fc[i] = e.fc_d;
        nl[i] = e.nd_links;
        snl[i] = e.sigma_n_links;
        ml[i] = e.md_links;
        sml[i] = e.sigma_m_links;
        ul[i] = e.u_links;
        nr[i] = e.nd_rechts;
        snr[i] = e.sigma_n_rechts;
        mr[i] = e.md_rechts;
        smr[i] = e.sigma_m_rechts;
        ur[i] = e.u_rechts;
        u[i] = e.u;
    }
    t.write(list);
    verdict_line(list, d.eta_biegung, 1.009);
    return 0;
}

int print_querkraft_schwelle(NELU52_DATA& d, FILE* list)
{
    OliCLocaleScope numeric_c;
    Oli_Graphic_Set_Extended(1);
    Oli_Heading(list, 2, "%s", "Querkraft der Schwelle");
    Oli_Text(list,
             "b" M_SUB "n" M_REG " = %.0lf mm, h" M_SUB "n" M_REG " = %.0lf mm " S_ARROW " A" M_SUB "n" M_REG
             " = %.0lf " U_MM2,
             d.bn_schub, d.hn_schub, d.an_schub);

    const int rows = d.erg_schub.size();
    Table t(15, rows);
    t.zz(" ", "Nr", 3);
    double* fv = t.number(" ", "f" M_SUB "v,d" M_REG, U_NMM2, 6, 2, 0);
    // The shear strength acts on the crack-reduced width: u = tau / (k_cr f_v,d).
    double* kcr = t.number(" ", "k" M_SUB "cr" M_REG, "-", 5, 3, 0);
    double* vl = t.number("linker Rand", "V" M_SUB "d" M_REG, "kN", 6, 3, 0);
    double* tl = t.number("=", S_TAU M_SUB "d" M_REG, U_NMM2, 6, 3, 0);
    double* ul = t.number("=", "u" M_SUB S_TAU M_REG, "-", 6, 3, 0);
    double* vr = t.number("rechter Rand", "V" M_SUB "d" M_REG, "kN", 6, 3, 0);
    double* tr = t.number("=", S_TAU M_SUB "d" M_REG, U_NMM2, 6, 3, 0);
    double* ur = t.number("=", "u" M_SUB S_TAU M_REG, "-", 6, 3, 1);
    double* u = t.number(" ", "u", "-", 6, 3, 1);
    for (int i = 0; i < rows; ++i) {
        const ErgSchub& e = d.erg_schub[i];
        fv[i] = e.fv_d;
        kcr[i] = d.kcr_sw;
        vl[i] = e.vd_links;
        tl[i] = e.tau_links;
        ul[i] = e.u_links;
        vr[i] = e.vd_rechts;
        tr[i] = e.tau_rechts;
        ur[i] = e.u_rechts;
        u[i] = e.u;
    }
    t.write(list);
    verdict_line(list, d.eta_schub, 1.009);
    return 0;
}

int print_strebe(NELU52_DATA& d, FILE* list)
{
    OliCLocaleScope numeric_c;
    Oli_Graphic_Set_Extended(1);
    Oli_Heading(list, 2, "%s", "Stabilit" C_AE "tsnachweis der Strebe");
    Oli_Text(list,
             "l" M_SUB "eff" M_REG " = %.0lf mm, E" M_SUB "0,05" M_REG " = %.0lf " U_NMM2 ", G" M_SUB "0,05" M_REG
             " = %.0lf " U_NMM2 ", A = %.0lf " U_MM2 ", W" M_SUB "y" M_REG " = %.0lf " U_MM3,
             d.strebe_leff, d.e05_st, d.g05_st, d.a_st, d.wy_st);
    Oli_Text(list,
             "I" M_SUB "t" M_REG " = %.0lf " U_MM4 ", " S_BETA M_SUB "c" M_REG " = %.3lf, i" M_SUB "y" M_REG
             " = %.0lf mm, i" M_SUB "z" M_REG " = %.0lf mm, k" M_SUB "c,y" M_REG " = %.3lf, k" M_SUB "c,z" M_REG
             " = %.3lf, " S_SIGMA M_SUB "m,krit" M_REG " = %.0lf " U_NMM2,
             d.it_st, d.beta_c, d.i_y, d.i_z, d.kc_y, d.kc_z, d.sigma_m_crit);
    Oli_Text(list,
             S_LAMBDA M_SUB "y" M_REG " = %.3lf, " S_LAMBDA M_SUB "z" M_REG " = %.3lf, " S_LAMBDA M_SUB "rel,y" M_REG
                            " = %.3lf, " S_LAMBDA M_SUB "rel,z" M_REG " = %.3lf, " S_LAMBDA M_SUB "rel,m" M_REG
                            " = %.3lf, k" M_SUB "krit" M_REG " = %.3lf",
             d.lambda_y, d.lambda_z, d.lambda_rel_y, d.lambda_rel_z, d.lambda_rel_m, d.k_crit);
    if (d.stirn_gleich)
        Oli_Text(list,
                 "Versatz an beiden Enden der Strebe auf der gleichen Seite " S_ARROW " e" M_SUB "z" M_REG
                 " = %.0lf mm " C_UE "ber die gesamte Stabl" C_AE "nge",
                 d.ez_strebe);
    else
        Oli_Text(list,
                 "Versatz an beiden Enden der Strebe auf der gegen" C_UE "ber liegenden Seite " S_ARROW " e" M_SUB
                 "z" M_REG " = %.0lf mm an den Stabenden",
                 d.ez_strebe);

    const int rows = d.erg_strebe.size();
    Table t(15, rows);
    t.zz(nullptr, "Nr", 3);
    double* fm = t.number(nullptr, "f" M_SUB "m,d" M_REG, U_NMM2, 6, 2, 0);
    double* ft = t.number(nullptr, "f" M_SUB "t,d" M_REG, U_NMM2, 6, 2, 0);
    double* fc = t.number(nullptr, "f" M_SUB "c,d" M_REG, U_NMM2, 6, 2, 0);
    double* fcd = t.number(nullptr, "F" M_SUB "c,d" M_REG, "kN", 7, 3, 0);
    double* myd = t.number(nullptr, "M" M_SUB "y,d" M_REG, "kNm", 6, 3, 0);
    double* sc = t.number(nullptr, S_SIGMA M_SUB "c,d" M_REG, U_NMM2, 6, 3, 0);
    double* sm = t.number(nullptr, S_SIGMA M_SUB "m,d" M_REG, U_NMM2, 6, 3, 0);
    double* us = t.number(nullptr, "u" M_SUB S_SIGMA M_REG, "-", 6, 3, 1);
    double* uy = t.number(nullptr, "u" M_SUB S_SIGMA "y" M_REG, "-", 6, 3, 1);
    double* uz = t.number(nullptr, "u" M_SUB S_SIGMA "z" M_REG, "-", 6, 3, 1);
    double* u = t.number(nullptr, "u", "-", 6, 3, 1);
    for (int i = 0; i < rows; ++i) {
        const ErgStrebe& e = d.erg_strebe[i];
        fm[i] = e.fm_d;
        ft[i] = e.ft_d;
        fc[i] = e.fc_d;
        fcd[i] = e.kraft_fc_d * 0.001;
        myd[i] = e.my_d * 1e-6;
        sc[i] = e.sigma_c_d;
        sm[i] = e.sigma_m_d;
        us[i] = e.u_enden;
        uy[i] = e.u_y;
        uz[i] = e.u_z;
        u[i] = e.u;
    }
    t.write(list);
    verdict_line(list, d.eta_strebe, 1.009);
    return 0;
}

int print_ergebnisse(NELU52_DATA& d, FILE* list)
{
    OliCLocaleScope numeric_c;
    Oli_Graphic_Set_Extended(1);
    Oli_Heading(list, 1, "%s", "Ergebnisse");
    print_versatz(d, list);
    if (d.nw_biegung) print_biegung_schwelle(d, list);
    if (d.nw_schub) print_querkraft_schwelle(d, list);
    if (d.nw_strebe) print_strebe(d, list);
    return 0;
}

int print_zusammenfassung(NELU52_DATA& d, FILE* list)
{
    OliCLocaleScope numeric_c;
    Oli_Heading(list, 1, "%s", "Zusammenfassung");
    const double u = d.eta_gesamt;
    if (std::isinf(u))
        Oli_Text(list,
                 M_BOLD "Gesamtausnutzung aller Nachweise u" M_SUB "max,Ges" M_REG M_BOLD " = " S_INFINITY
                        " > 1 " S_ARROW " %s",
                 oli_nicht_erfuellt());
    else if (u <= 1.009)
        Oli_Text(list,
                 M_BOLD "Gesamtausnutzung aller Nachweise u" M_SUB "max,Ges" M_REG M_BOLD " = %.3lf " S_LE " 1 " S_ARROW
                        " %s",
                 u, oli_ok());
    else
        Oli_Text(list,
                 M_BOLD "Gesamtausnutzung aller Nachweise u" M_SUB "max,Ges" M_REG M_BOLD " = %.3lf > 1 " S_ARROW " %s",
                 u, oli_nicht_ok());
    return 0;
}

int print_fehlermeldungen(FILE* list, int code)
{
    Oli_Heading(list, 1, "%s", "Fehlermeldungen");
    // The calculation defines no message bits yet; each bit it may carry one
    // day gets its line here.
    (void)code;
    return 0;
}

// ---- entry points -----------------------------------------------------------------------------------------

namespace {

// The list could not be written: which file, and why.
void no_list(int rc, int err)
{
    Nelu52_Warning(QStringLiteral("Druckliste"),
                   QString::fromLatin1(kNoList) + QLatin1Char('\n') +
                       QString::fromStdString(Kov_Write_Failure_Text(nelu52_oli_name, rc, err)));
}

void view_or_print(NELU52_DATA& d, bool print)
{
    OliCLocaleScope numeric_c;
    d.cal_nachweise();
    KovReplacement r;
    errno = 0;
    int rc = Kov_Replace_Open(nelu52_oli_name, &r);
    if (rc != KOV_REPLACE_OK) {
        no_list(rc, errno);
        return;
    }
    print_eingabedaten(d, r.f);
    print_ergebnisse(d, r.f);
    print_zusammenfassung(d, r.f);
    Oli_Close_Bookmarks(r.f);
    errno = 0;
    rc = Kov_Replace_Close(&r, 1);
    if (rc != KOV_REPLACE_OK) {
        no_list(rc, errno);
        return;
    }
    if (print)
        Quick_OLI_Print(nelu52_bauteil, r.target.c_str());
    else
        Quick_OLI_View(nelu52_bauteil, r.target.c_str());
}

} // namespace

void Print_OliView(NELU52_DATA& d) { view_or_print(d, false); }

void Print_OliPrint(NELU52_DATA& d) { view_or_print(d, true); }

int cal_Print(NELU52_DATA& d, int* flag)
{
    OliCLocaleScope numeric_c;
    const int code = d.cal_nachweise();
    KovReplacement r;
    if (Kov_Replace_Open(nelu52_oli_name, &r) != KOV_REPLACE_OK) return code;
    print_eingabedaten(d, r.f);
    if (code != 0 || (flag && *flag != 0)) {
        print_fehlermeldungen(r.f, code);
    } else {
        print_ergebnisse(d, r.f);
        print_zusammenfassung(d, r.f);
    }
    Oli_Close_Bookmarks(r.f);
    // A list that was written but cannot take the old one's place is said so:
    // the old list, of another input, would otherwise pass for this one.
    if (Kov_Replace_Close(&r, 1) != KOV_REPLACE_OK)
        Nelu52_Warning(QStringLiteral("ABBRUCH"), QString::fromLatin1(kNoList));
    return code;
}
