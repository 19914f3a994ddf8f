// The material record of a concrete member, the partial factors and their output.
#include "materials/concmember.h"

#include <cmath>
#include <cstring>
#include <string>

#include "base/kovdat.h"
#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "base/kovnum.h"
#include "nad/nadlist.h"
#include "nad/nadselect.h"
#include "output/ioliwrt.h"
#include "output/olifont.h"
#include "platform/kovcp.h"
#include "platform/kovoli.h"

ConcreteDesignSettings ConcreteDesign;
int ConcreteDesignIsSet = 0;

namespace {

const char* const kGermany = "Deutschland";
const int kDinConcreteDefault = 1; // B25
const int kDinSteelDefault = 2;    // BSt 500 S
const int kEcFirst = 5;            // concrete_index of C12/15
const int kEcLast = 19;            // concrete_index of C100/115
const int kSteelEcFirst = 3;       // steel index of the Eurocode steel A
const int kSteelEcLast = 4;

// concrete_index 5..11 (C12/15 .. C40/50) to the DIN grade of about the same
// strength.
const int kToDin[] = {0, 0, 1, 1, 2, 3, 3};

// The names in UTF-8; handed out in code page 850.
const char* const kSituationNames[DESIGN_SITUATION_COUNT] = {"ständig und vorübergehend", "außergewöhnlich", "Erdbeben",
                                                             "Ermüdung", "Brand"};
const char* const kSituationShort[DESIGN_SITUATION_COUNT] = {"ständig", "außerg.", "Erdbeb.", "Ermüd.", "Brand"};

void put(FILE* f, const char* utf8) { std::fputs(cp850(utf8), f); }

void begin_block(FILE* f, const char* kind) { std::fprintf(f, "#SHOWTABLE\n%s\n", kind); }

void end_block(FILE* f) { std::fputs("0 0 -1 -1\n#END_OF_TEXT\n", f); }

const char* ec_name(int concrete_index)
{
    static ConcreteGrade g;
    if (concrete_index < kEcFirst || concrete_index > kEcLast) return "";
    Concrete_Grade_Init_Ec2(&g, concrete_index - kEcFirst, 0, 2200.0);
    return g.name;
}

const char* din_concrete_name(int din_index)
{
    static DinConcreteGrade g;
    Concrete_Grade_Init_Din(&g, din_index);
    return g.name;
}

bool valid_concrete(int index) { return (index >= 0 && index <= kEcLast) || index == MEMBER_FREE_CODE; }

bool valid_steel(int index) { return (index >= 0 && index <= kSteelEcLast) || index == MEMBER_FREE_CODE; }

double& top_version() { return Dat_File_State.versions[Dat_File_State.depth]; }

int read_int(int* v) { return Dat_Read_Field(v, 'i', top_version(), 0.0); }

int read_double(double* v) { return Dat_Read_Field(v, 'd', top_version(), 0.0); }

int write_int(int v) { return Dat_Write_Field(&v, 'i'); }

int write_double(double v) { return Dat_Write_Field(&v, 'd'); }

int end_line() { return Dat_Write_Newline() == EOF ? 1 : 0; }

int write_steel(int index, const RebarGrade* g, int ec_mode)
{
    if (index == MEMBER_STEEL_FREE) {
        if (write_int(MEMBER_FREE_CODE)) return 1;
        if (ec_mode && Rebar_Grade_Write(g)) return 1;
    } else {
        if (write_int(index)) return 1;
        if (ec_mode && write_double(0.0)) return 1;
    }
    return end_line();
}

// A steel of the Eurocode mode: a free record or a rebuilt table grade.
int read_steel_ec(int* index, RebarGrade* g, int mode)
{
    if (read_int(index) || !valid_steel(*index)) return 1;
    if (*index == MEMBER_FREE_CODE) {
        if (Rebar_Grade_Read(g)) return 1;
        *index = MEMBER_STEEL_FREE;
        return 0;
    }
    double reserved;
    if (read_double(&reserved)) return 1;
    if (*index < kSteelEcFirst)
        Rebar_Grade_From_Din(g, *index);
    else if (mode == 1)
        Rebar_Grade_Init(g, *index - kSteelEcFirst);
    else
        Rebar_Grade_Init_B500(g, *index - kSteelEcFirst);
    return 0;
}

// A steel of the DIN mode: a free steel does not exist there and becomes
// BSt 500 S with the console's note; the Eurocode steels A and B too.
int read_steel_din(int* index, DinRebarGrade* din, RebarGrade* g)
{
    if (read_int(index) || !valid_steel(*index)) return 1;
    if (*index == MEMBER_FREE_CODE) Rebar_Free_Din_Refused(din);
    if (*index > kDinSteelDefault) *index = kDinSteelDefault;
    Rebar_Grade_Init_Din(din, *index);
    Rebar_Grade_From_Din(g, *index);
    return 0;
}

int read_record(ConcreteMemberMaterial* m, int mode)
{
    double marker;
    if (read_double(&marker) || read_int(&m->concrete_index) || !valid_concrete(m->concrete_index)) return 1;
    if (mode != 0) {
        if (m->concrete_index == MEMBER_FREE_CODE) {
            if (Concrete_Grade_Read(&m->concrete)) return 1;
            m->concrete_index = MEMBER_CONCRETE_FREE;
        } else {
            int lightweight;
            double density, reserved;
            if (read_int(&lightweight) || read_double(&density) || read_double(&reserved)) return 1;
            if (m->concrete_index >= kEcFirst)
                Concrete_Grade_Init_Ec2(&m->concrete, m->concrete_index - kEcFirst, lightweight, density);
            else
                Concrete_Grade_From_Din(&m->concrete, m->concrete_index);
        }
        if (read_steel_ec(&m->bending_steel_index, &m->bending_steel, mode) ||
            read_steel_ec(&m->shear_steel_index, &m->shear_steel, mode))
            return 1;
    } else {
        // Only the DIN grades exist: a free concrete becomes B25 with the
        // console's note (not the strongest grade), a Eurocode grade the DIN
        // grade of about its strength.
        if (m->concrete_index == MEMBER_FREE_CODE) {
            Concrete_Free_Din_Refused(&m->din_concrete);
            m->concrete_index = kDinConcreteDefault;
        } else if (m->concrete_index >= kEcFirst) {
            m->concrete_index = Concrete_Grade_To_Din(m->concrete_index, nullptr);
        }
        Concrete_Grade_Init_Din(&m->din_concrete, m->concrete_index);
        Concrete_Grade_From_Din(&m->concrete, m->concrete_index);
        if (read_steel_din(&m->bending_steel_index, &m->din_bending_steel, &m->bending_steel) ||
            read_steel_din(&m->shear_steel_index, &m->din_shear_steel, &m->shear_steel))
            return 1;
    }
    return 0;
}

bool same_steels(const ConcreteMemberMaterial& m)
{
    return m.bending_steel_index == m.shear_steel_index &&
           Round_To_Decimals(m.bending_steel.f_yk, 5) == Round_To_Decimals(m.shear_steel.f_yk, 5);
}

// " Betonfestigkeitsklasse <b>name<r>" with the density of lightweight concrete.
void concrete_line(FILE* f, const ConcreteGrade& c)
{
    std::fprintf(f,
                 " Betonfestigkeitsklasse \xCE"
                 "b%s\xCE"
                 "r",
                 c.name);
    if (c.lightweight)
        std::fprintf(f,
                     " mit %s\xCE\\c\xCE"
                     "r = %.f kg/m\xCE/3\xCE"
                     "r\n",
                     OliFontSymbols.rho, c.density);
    else
        std::fputs("\n", f);
}

void factor_line(FILE* f, double gamma_c, double gamma_s)
{
    std::fprintf(f,
                 " Materialsicherheitsbeiwerte %s\xCE\\c\xCE"
                 "r = %.2f, %s\xCE\\s\xCE"
                 "r = %.2f\n",
                 OliFontSymbols.gamma, gamma_c, OliFontSymbols.gamma, gamma_s);
}

const char* steel_prefix(int use) { return use == 1 ? "(Biegebewehrung) " : use == 2 ? "(Schubbewehrung) " : ""; }

} // namespace

// ---- the record ------------------------------------------------------------------

int Member_Material_Init(ConcreteMemberMaterial* m, int mode)
{
    if (!m) return 0;
    std::memset(m, 0, sizeof *m);
    if (mode == 0) {
        m->concrete_index = 1;
        m->bending_steel_index = m->shear_steel_index = 2;
    } else {
        m->concrete_index = 8;
        m->bending_steel_index = m->shear_steel_index = 3;
    }
    Concrete_Grade_Init_Din(&m->din_concrete, m->concrete_index);
    Rebar_Grade_Init_Din(&m->din_bending_steel, m->bending_steel_index);
    Rebar_Grade_Init_Din(&m->din_shear_steel, m->shear_steel_index);
    Concrete_Grade_Init_Ec2(&m->concrete, 3, 0, 2200.0);
    if (mode == 1) {
        Rebar_Grade_Init(&m->bending_steel, 0);
        Rebar_Grade_Init(&m->shear_steel, 0);
    } else {
        Rebar_Grade_Init_B500(&m->bending_steel, 0);
        Rebar_Grade_Init_B500(&m->shear_steel, 0);
    }
    return 0;
}

void Member_Material_Copy(ConcreteMemberMaterial* dst, const ConcreteMemberMaterial* src)
{
    if (!dst || !src || dst == src) return;
    dst->concrete_index = src->concrete_index;
    dst->bending_steel_index = src->bending_steel_index;
    dst->shear_steel_index = src->shear_steel_index;
    dst->din_concrete = src->din_concrete;
    dst->din_bending_steel = src->din_bending_steel;
    dst->din_shear_steel = src->din_shear_steel;
    dst->concrete = src->concrete;
    dst->bending_steel = src->bending_steel;
    dst->shear_steel = src->shear_steel;
}

int Member_Material_Write(const ConcreteMemberMaterial* m, int ec_mode)
{
    if (!m || write_double(1.0)) return 1;
    if (m->concrete_index == MEMBER_CONCRETE_FREE) {
        if (write_int(MEMBER_FREE_CODE)) return 1;
        if (ec_mode && Concrete_Grade_Write(&m->concrete)) return 1;
    } else {
        if (write_int(m->concrete_index)) return 1;
        if (ec_mode && (write_int(m->concrete.lightweight) || write_double(m->concrete.density) || write_double(0.0)))
            return 1;
    }
    if (end_line()) return 1;
    if (write_steel(m->bending_steel_index, &m->bending_steel, ec_mode)) return 1;
    return write_steel(m->shear_steel_index, &m->shear_steel, ec_mode);
}

int Member_Material_Read(ConcreteMemberMaterial* m, int mode)
{
    if (!m) return 1;
    ConcreteMemberMaterial r = *m;
    const int depth = Dat_File_State.depth;
    if (read_record(&r, mode)) {
        Dat_File_State.depth = depth;
        Member_Material_Init(m, mode);
        return 1;
    }
    std::memset(r.reserved, 0, sizeof r.reserved);
    *m = r;
    return 0;
}

int Concrete_Grade_To_Din(int index, const char* context)
{
    if (index >= 0 && index < CONCRETE_DIN_GRADE_COUNT) return index;
    const int first = kEcFirst;
    const int last = kEcFirst + (int)(sizeof kToDin / sizeof kToDin[0]) - 1;
    const int din = index >= first && index <= last ? kToDin[index - first] : kDinConcreteDefault;
    if (context) {
        std::string name = ec_name(index);
        Msg_Printf(cp850("Betongüte %s (%s) wird in %s geändert"), name.c_str(), context, din_concrete_name(din));
    }
    return din;
}

int Rebar_Grade_To_Din(int index, const char* context)
{
    if (index >= 0 && index < REBAR_DIN_GRADE_COUNT) return index;
    if (context) {
        RebarGrade g;
        g.name[0] = '\0';
        Rebar_Grade_Init(&g, index - kSteelEcFirst);
        Msg_Printf(cp850("Stahlgüte %s (%s) wird in %s geändert"), g.name, context, "BSt 500 S");
    }
    return kDinSteelDefault;
}

const char* Design_Situation_Name(int situation)
{
    static char name[64];
    const char* s = situation >= 0 && situation < DESIGN_SITUATION_COUNT ? cp850(kSituationNames[situation]) : "???";
    std::snprintf(name, sizeof name, "%s", s);
    return name;
}

const char* Design_Situation_Short_Name(int situation)
{
    static char name[32];
    const char* s = situation >= 0 && situation < DESIGN_SITUATION_COUNT ? cp850(kSituationShort[situation]) : "???";
    std::snprintf(name, sizeof name, "%s", s);
    return name;
}

// ---- partial factors ---------------------------------------------------------------

int Material_Safety_Factors_Set(int mode, int /*unused*/, MaterialSafetyFactors* f)
{
    MaterialSafetyFactors r;
    for (int k = 0; k < DESIGN_SITUATION_COUNT; ++k) r.gamma_c[k] = r.gamma_s[k] = 1.0;
    int result = 0;
    if (mode == 1) {
        const double c[DESIGN_SITUATION_COUNT] = {1.5, 1.3, 1.5, 1.5, 1.0};
        const double s[DESIGN_SITUATION_COUNT] = {1.15, 1.0, 1.15, 1.15, 1.0};
        for (int k = 0; k < DESIGN_SITUATION_COUNT; ++k) {
            r.gamma_c[k] = c[k];
            r.gamma_s[k] = s[k];
        }
        result = 1;
    } else if (mode != 0) {
        // The activation below replaces the text the active name points to:
        // keep a copy of it to return to.
        const std::string before = Nad_Get_Active_Name();
        Nad_Select_By_Name(kGermany);
        const NadEc2Record* e = Nad_Get_Ec2();
        // The annex orders persistent/transient, fatigue, earthquake, accidental.
        const int from[4] = {0, 3, 2, 1};
        for (int k = 0; k < 4; ++k) {
            r.gamma_c[k] = e->gamma_c[from[k]];
            r.gamma_s[k] = e->gamma_s[from[k]];
        }
        result = Nad_Select_By_Name(before.c_str());
    }
    if (f) *f = r;
    return result;
}

void Material_Safety_Factors_Copy(MaterialSafetyFactors* dst, const MaterialSafetyFactors* src)
{
    if (dst && src) *dst = *src;
}

int Material_Safety_Factors_Write(const MaterialSafetyFactors* f)
{
    if (!f || Dat_Write_Version(SAFETY_FACTORS_VERSION)) return 1;
    for (int k = 0; k < 4; ++k)
        if (write_double(f->gamma_c[k])) return 1;
    for (int k = 0; k < 4; ++k)
        if (write_double(f->gamma_s[k])) return 1;
    return end_line();
}

int Material_Safety_Factors_Read(MaterialSafetyFactors* f)
{
    if (!f) return 1;
    const int depth = Dat_File_State.depth;
    MaterialSafetyFactors r = *f;
    int failed = Dat_Push_Version(SAFETY_FACTORS_VERSION) != 0;
    for (int k = 0; k < 4 && !failed; ++k) failed = read_double(&r.gamma_c[k]);
    for (int k = 0; k < 4 && !failed; ++k) failed = read_double(&r.gamma_s[k]);
    Dat_File_State.depth = depth;
    if (failed) return 1;
    *f = r;
    return 0;
}

void Concrete_Design_Defaults_Set(void)
{
    ConcreteDesign.factor_mode = 2;
    std::snprintf(ConcreteDesign.annex_name, sizeof ConcreteDesign.annex_name, "%s", kGermany);
    Material_Safety_Factors_Set(2, 2, &ConcreteDesign.factors);
    ConcreteDesignIsSet = 1;
}

// ---- output list -------------------------------------------------------------------

void Material_Safety_Factors_Oli_Table(FILE* f, int level, const MaterialSafetyFactors* factors, int ref_mode,
                                       int /*unused*/, const int* shown)
{
    if (!f || !factors) return;
    enum { kRow = 30 };
    Oli_Heading(f, level, "%s", "Materialsicherheitsbeiwerte");
    MaterialSafetyFactors ref;
    Material_Safety_Factors_Set(ref_mode, 0, &ref);

    char* names = (char*)Mem_Realloc(nullptr, DESIGN_SITUATION_COUNT * kRow, 1);
    double* gc = (double*)Mem_Realloc(nullptr, DESIGN_SITUATION_COUNT * (int)sizeof(double), 1);
    double* gs = (double*)Mem_Realloc(nullptr, DESIGN_SITUATION_COUNT * (int)sizeof(double), 1);
    int* mark_c = (int*)Mem_Realloc(nullptr, DESIGN_SITUATION_COUNT * (int)sizeof(int), 1);
    int* mark_s = (int*)Mem_Realloc(nullptr, DESIGN_SITUATION_COUNT * (int)sizeof(int), 1);
    int rows = 0;
    int width = 0;
    for (int k = 0; k < DESIGN_SITUATION_COUNT; ++k) {
        if (shown && !shown[k]) continue;
        char* cell = names + rows * kRow;
        std::snprintf(cell, kRow, "%.29s", Design_Situation_Name(k));
        const int w = MT_String_Length(cell);
        if (w > width) width = w;
        gc[rows] = factors->gamma_c[k];
        gs[rows] = factors->gamma_s[k];
        mark_c[rows] = Round_To_Decimals(std::fabs(factors->gamma_c[k] - ref.gamma_c[k]), 2) != 0.0;
        mark_s[rows] = Round_To_Decimals(std::fabs(factors->gamma_s[k] - ref.gamma_s[k]), 2) != 0.0;
        ++rows;
    }

    OliColumn* cols = nullptr;
    Oli_Alloc_Columns(3, &cols);
    std::snprintf(cols[0].title, sizeof cols[0].title, "%s", "Bemessungssit.");
    std::snprintf(cols[0].kind, sizeof cols[0].kind, "%s", "TXT");
    cols[0].width = width + 1;
    cols[0].decimals = kRow;
    cols[0].data = names;
    const char* subscripts[2] = {"c", "s"};
    double* values[2] = {gc, gs};
    int* marks[2] = {mark_c, mark_s};
    for (int k = 0; k < 2; ++k) {
        OliColumn& c = cols[k + 1];
        std::snprintf(c.title, sizeof c.title,
                      "%s\xCE\\%s\xCE"
                      "r",
                      OliFontSymbols.gamma, subscripts[k]);
        std::snprintf(c.kind, sizeof c.kind, "%s", "-");
        c.width = 6;
        c.decimals = 2;
        c.data = values[k];
        c.bold_rows = marks[k];
    }
    OliTabelle(f, 3, rows, cols, nullptr, nullptr, 0, 1, nullptr, nullptr, 0, nullptr);

    Mem_Free_Null((void**)&cols);
    Mem_Free_Null((void**)&names);
    Mem_Free_Null((void**)&gc);
    Mem_Free_Null((void**)&gs);
    Mem_Free_Null((void**)&mark_c);
    Mem_Free_Null((void**)&mark_s);
}

void Concrete_Grade_Oli_Table(FILE* f, ConcreteGrade g)
{
    if (!f) return;
    const OliFontSymbolTexts& y = OliFontSymbols;
    begin_block(f, "0 1 7");
    std::fprintf(f,
                 " Betonfestigkeitsklasse \xCE"
                 "b%s\n",
                 g.name);
    std::fprintf(f,
                 "  charakteristische Zylinderdruckfestigkeit f\xCE\\ck\xCE"
                 "r = %.1f MN/m\xCE/2\xCE"
                 "r\n",
                 g.f_ck * 0.001);
    put(f, "  Abminderungswert zur Berücksichtigung der Langzeitwirkung ");
    std::fprintf(f, "%s = %.3f\n", y.alpha, g.alpha_cc);
    std::fprintf(f,
                 "  Dehnung bei Erreichen der Festigkeitsgrenze %s\xCE\\c2\xCE"
                 "r = %.2f %s\n",
                 y.epsilon, g.eps_c2 * 1000.0, y.per_mille);
    std::fprintf(f,
                 "  maximale Dehnung %s\xCE\\c2u\xCE"
                 "r = %.2f %s\n",
                 y.epsilon, g.eps_cu2 * 1000.0, y.per_mille);
    std::fprintf(f, "  Exponent in Gl.65 (Parabelabschn. des Parabel-Rechteck Diagr.) n = %.2f\n", g.n);
    std::fprintf(f,
                 "  Dichte %s\xCE\\c\xCE"
                 "r = %.f kg/m\xCE/3\xCE"
                 "r\n",
                 y.rho, g.density);
    put(f, "  mittlerer Elastizitätsmodul E");
    std::fprintf(f,
                 "\xCE\\cm\xCE"
                 "r = %.1f MN/m\xCE/2\xCE"
                 "r\n",
                 g.E_cm * 0.001);
    end_block(f);
    OLI_setYPositionCM(f, 1, -0.8f);
}

void Rebar_Grade_Oli_Table(FILE* f, RebarGrade g, int use)
{
    if (!f) return;
    begin_block(f, "0 1 4");
    std::fprintf(f,
                 " Betonstahlsorte %s\xCE"
                 "b%s\n",
                 steel_prefix(use), g.name);
    std::fprintf(f,
                 "  charakteristischer Wert der Streckgrenze f\xCE\\yk\xCE"
                 "r = %.1f MN/m\xCE/2\xCE"
                 "r\n",
                 g.f_yk * 0.001);
    std::fprintf(f,
                 "  charakteristischer Wert der Zugfestigkeit f\xCE\\tk\xCE"
                 "r = %.1f MN/m\xCE/2\xCE"
                 "r\n",
                 g.f_tk * 0.001);
    std::fprintf(f,
                 "  rechnerische Bruchdehnung %s\xCE\\su\xCE"
                 "r = %.2f %s\n",
                 OliFontSymbols.epsilon, g.eps_su * 1000.0, OliFontSymbols.per_mille);
    put(f, "  Elastizitätsmodul E");
    std::fprintf(f,
                 "\xCE\\s\xCE"
                 "r = %.1f MN/m\xCE/2\xCE"
                 "r\n",
                 g.E_s * 0.001);
    end_block(f);
    OLI_setYPositionCM(f, 1, -0.8f);
}

void Concrete_Materials_Oli_Long(FILE* f, ConcreteGrade c, RebarGrade s, double gamma_c, double gamma_s)
{
    if (!f) return;
    const int slot = Oli_Store_Y_Position(f);
    OLI_setMarginsCM(f, 1, 0.0f, 0.0f);
    Concrete_Grade_Oli_Table(f, c);
    Oli_Restore_Y_Position(f, slot);
    OLI_setMarginsCM(f, 1, 9.0f, 0.0f);
    Rebar_Grade_Oli_Table(f, s, 0);
    begin_block(f, "0 1 0");
    factor_line(f, gamma_c, gamma_s);
    end_block(f);
}

void Concrete_Materials_Oli_Short(FILE* f, ConcreteGrade c, RebarGrade s, double gamma_c, double gamma_s)
{
    if (!f) return;
    begin_block(f, "0 3 0");
    concrete_line(f, c);
    std::fprintf(f,
                 " Betonstahlsorte \xCE"
                 "b%s\n",
                 s.name);
    factor_line(f, gamma_c, gamma_s);
    end_block(f);
}

void Member_Material_Oli_Page(FILE* f, ConcreteMemberMaterial m, int ec_mode, const char* title)
{
    if (!f) return;
    if (title && title[0]) {
        begin_block(f, "0 1 0");
        std::fprintf(f, " \xCE_%s:\n", title);
        end_block(f);
        OLI_setYPositionCM(f, 1, -0.8f);
    }
    if (ec_mode == 0) {
        const bool same = m.bending_steel_index == m.shear_steel_index;
        begin_block(f, same ? "0 2 0" : "0 3 0");
        std::fprintf(f,
                     " Betonfestigkeitsklasse \xCE"
                     "b%s\xCE"
                     "r\n",
                     m.din_concrete.name);
        if (same) {
            std::fprintf(f,
                         " Betonstahlsorte \xCE"
                         "b%s\n",
                         m.din_bending_steel.name);
        } else {
            std::fprintf(f,
                         " Betonstahlsorte (Biegebewehrung) \xCE"
                         "b%s\n",
                         m.din_bending_steel.name);
            std::fprintf(f,
                         " Betonstahlsorte (Schubbewehrung) \xCE"
                         "b%s\n",
                         m.din_shear_steel.name);
        }
        end_block(f);
        return;
    }
    const bool same = same_steels(m);
    const bool full = m.concrete_index < kEcFirst || m.concrete_index == MEMBER_CONCRETE_FREE ||
                      m.bending_steel_index < kSteelEcFirst || m.bending_steel_index == MEMBER_STEEL_FREE ||
                      m.shear_steel_index < kSteelEcFirst || m.shear_steel_index == MEMBER_STEEL_FREE;
    if (full) {
        Concrete_Grade_Oli_Table(f, m.concrete);
        if (same) {
            Rebar_Grade_Oli_Table(f, m.bending_steel, 0);
        } else {
            Rebar_Grade_Oli_Table(f, m.bending_steel, 1);
            Rebar_Grade_Oli_Table(f, m.shear_steel, 2);
        }
        return;
    }
    begin_block(f, same ? "0 2 0" : "0 3 0");
    concrete_line(f, m.concrete);
    if (same) {
        std::fprintf(f,
                     " Betonstahlsorte \xCE"
                     "b%s\n",
                     m.bending_steel.name);
    } else {
        std::fprintf(f,
                     " Betonstahlsorte (Biegebewehrung) \xCE"
                     "b%s\n",
                     m.bending_steel.name);
        std::fprintf(f,
                     " Betonstahlsorte (Schubbewehrung) \xCE"
                     "b%s\n",
                     m.shear_steel.name);
    }
    end_block(f);
}
