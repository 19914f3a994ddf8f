// conndesign: designs one timber connection from a description file and
// prints what the design found.
//
//   conndesign [--rules din|ec|de] [--axial] [--oli FILE] DESCRIPTION
//   conndesign --help
//
// din publishes no annex (DIN 1052 rules); ec and de read the supplied
// annexes Standard.NAD and Deutschland.NAD (from $DATA/NAD, else the
// installation data) and publish their EC5, EC3 and EC9 blocks. The fastener
// catalogue comes from $KOV_CUROB_PRIVAT_DATAPATH, else the supplied
// data/fasteners. --oli FILE also writes the input and the results as an
// output list. Exit 0 after a full run, 2 when the design refuses the input or
// stops with a code, 1 for a bad call, description, catalogue or output list.
#include <sys/stat.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "connections/conndesc.h"
#include "connections/conndesign.h"
#include "connections/connfields.h"
#include "connections/connmsg.h"
#include "materials/fastcat.h"
#include "materials/matkind.h"
#include "materials/matnames.h"
#include "materials/stguete.h"
#include "nad/nadactive.h"
#include "nad/nadfile.h"
#include "output/ioliwrt.h"
#include "platform/kovcp.h"
#include "platform/kovlocale.h"
#include "platform/kovreplace.h"

#ifndef KOV_DATA_DIR
#define KOV_DATA_DIR "data"
#endif

namespace {

NadRecord annex;

std::string Utf8(const char* cp850_text) { return cp850_text ? Kov_Cp_To_Utf8(KOV_CP850, cp850_text) : ""; }

std::string Trimmed(std::string s)
{
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// The material kinds a description may name.
const int kKinds[] = {
    MK_SOFTWOOD,     MK_HARDWOOD,        MK_GLULAM_EC,         MK_GLULAM_DIN,  MK_BEECH_GL75,  MK_OSB,
    MK_GYPSUM_BOARD, MK_PLYWOOD,         MK_PARTICLEBOARD,     MK_FIBREBOARD,  MK_FERMACELL,   MK_KERTO_S,
    MK_KERTO_Q,      MK_BEECH_PANEL,     MK_STEICO_LVL,        MK_STEICO_GLVL, MK_STEICO_WALL, MK_STEICO_JOIST,
    MK_STEEL_PLATE,  MK_ALUMINIUM_PLATE, MK_UNLISTED_SOFTWOOD, MK_USER_DEFINED};

std::string Kind_Name(int kind)
{
    if (kind == MK_USER_DEFINED) return "benutzerdefiniert (Werte aus user.rho_k, user.f_c_90_k)";
    if (kind == MK_UNLISTED_SOFTWOOD) return "Nadelholz, nicht gelistet";
    return Trimmed(Utf8(Mat_Name(kind, -1)));
}

void Help(FILE* out)
{
    std::fprintf(out, "Aufruf: conndesign [--rules din|ec|de] [--axial] [--oli DATEI] BESCHREIBUNG\n"
                      "        conndesign --help\n\n"
                      "Bemisst eine Holzverbindung mit stiftförmigen Verbindungsmitteln oder Dübeln besonderer\n"
                      "Bauart je Verbindungsmittel und gibt die Ergebnisse aus.\n\n"
                      "  --rules din  DIN 1052:2008 (Vorgabe)\n"
                      "  --rules ec   DIN EN 1995-1-1 mit den empfohlenen Werten (NAD/Standard.NAD)\n"
                      "  --rules de   DIN EN 1995-1-1 mit deutschem Nationalen Anhang (NAD/Deutschland.NAD)\n"
                      "  --axial      nur die axiale Tragfähigkeit\n"
                      "  --oli DATEI  zusätzlich eine Ausgabeliste (Eingabe, Ergebnisse, Meldungen) schreiben\n\n"
                      "Die Nationalen Anhänge werden aus $DATA/NAD gelesen, sonst aus den mitgelieferten Daten;\n"
                      "der Katalog der Verbindungsmittel aus $KOV_CUROB_PRIVAT_DATAPATH, sonst aus den\n"
                      "mitgelieferten Daten (data/fasteners).\n\n"
                      "Exit-Codes: 0 Bemessung vollständig; 1 Aufruf, Beschreibung, Katalog oder Ausgabeliste\n"
                      "fehlerhaft; 2 die Bemessung weist die Eingabe zurück oder bricht mit einer Meldung ab.\n\n"
                      "Beschreibung: eine Zeile je Feld in der Form  Feld = Wert ; '#' leitet einen Kommentar ein.\n"
                      "Zahlen mit Dezimalpunkt oder Dezimalkomma (16,5). Pflichtfelder: type, shear_planes,\n"
                      "kind1, grade1, t1, kind2, grade2, t2, d (Typ 43/44: p43.d bzw. p44.d), gamma_m1, und je\n"
                      "nach Eingabe length, product, d_bolt, fu (ohne steel_grade), kmod_given oder\n"
                      "service_class1, service_class2, duration (mit kmod_from_materials = 1), method (ohne\n"
                      "--axial), gamma_m2 und gamma_m_fastener (method = 2).\n\n"
                      "Felder:\n");
    int count = 0;
    const ConnField* fields = Conn_Fields(&count);
    for (int i = 0; i < count; ++i) {
        const ConnField& f = fields[i];
        std::string name = f.name;
        if (*f.unit) name += std::string(" [") + f.unit + "]";
        std::fprintf(out, "  %-28s %s%s\n", name.c_str(), f.kind == CONN_FIELD_INT ? "ganze Zahl: " : "", f.meaning);
    }
    std::fprintf(out, "\nTypen der Verbindungsmittel (type):\n");
    for (int type = FT_NAIL; type <= FT_SIMPSON_CSA; ++type) {
        double d_min = 0.0, d_max = 0.0, l_max = 0.0;
        Conn_Fastener_Range(type, &d_min, &d_max, &l_max);
        std::string range =
            d_min > 0.0 ? "d " + std::to_string(static_cast<int>(d_min)) + " bis " : std::string("d > 0 bis ");
        range += std::to_string(static_cast<int>(d_max)) + " mm";
        if (l_max > 0.0) range += ", Länge > 0 bis " + std::to_string(static_cast<int>(l_max)) + " mm";
        std::fprintf(out, "  %2d  %-44s %s\n", type, Utf8(Fastener_Type_Name(type, 1)).c_str(), range.c_str());
    }
    std::fprintf(out, "\nMaterialarten (kind1, kind2):\n");
    for (int kind : kKinds) std::fprintf(out, "  %4d  %s\n", kind, Kind_Name(kind).c_str());
    std::fprintf(out, "\nGüten (grade1, grade2) der Holzarten:\n");
    for (int kind : {MK_SOFTWOOD, MK_HARDWOOD, MK_GLULAM_EC, MK_GLULAM_DIN, MK_BEECH_GL75}) {
        std::string line = "  " + Kind_Name(kind) + ":";
        for (int grade = 0; grade < 60; ++grade) {
            const std::string name = Trimmed(Utf8(Mat_Grade_Name(kind, grade)));
            if (name.empty()) continue;
            line += " " + std::to_string(grade) + " " + name + ",";
        }
        if (line.back() == ',') line.pop_back();
        std::fprintf(out, "%s\n", line.c_str());
    }
    std::fprintf(out, "  Stahlblech: Stahlgüte 0 bis %d; Plattenwerkstoffe: Güte nach der Liste der Materialart\n",
                 STEEL_GRADE_COUNT - 1);
}

int Usage(const char* why)
{
    std::fprintf(stderr, "conndesign: %s\n\n", why);
    Help(stderr);
    return 1;
}

bool Publish_Annex(const char* file)
{
    const char* data = std::getenv("DATA");
    const std::string dir = (data && *data) ? std::string(data) : std::string(KOV_DATA_DIR);
    const std::string path = dir + "/NAD/" + file;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        std::fprintf(stderr, "conndesign: Nationaler Anhang %s nicht lesbar\n", path.c_str());
        return false;
    }
    const int ok = Nad_Read_File(f, &annex);
    std::fclose(f);
    if (!ok) {
        std::fprintf(stderr, "conndesign: %s ist keine Datei eines Nationalen Anhangs\n", path.c_str());
        return false;
    }
    Nad_Publish_Blocks(&annex);
    return true;
}

// The catalogue of the type's family: its reader and file name; null for
// dowels and bolts (built in).
struct Family {
    int (*read)(void);
    const char* file;
};

Family Catalogue_Family(int type)
{
    switch (type) {
        case FT_NAIL: return {Catalogue_Read_Nagel, "ec5_nagel.dat"};
        case FT_STAPLE: return {Catalogue_Read_Klammer, "ec5_klammer.dat"};
        case FT_RING_A1: return {Catalogue_Read_Ringduebel_A1, "ec5_ringduebel_a1.dat"};
        case FT_PLATE_C1: return {Catalogue_Read_Schduebel_C1, "ec5_schduebel_c1.dat"};
        case FT_PLATE_C5: return {Catalogue_Read_Schduebel_C5, "ec5_schduebel_c5.dat"};
        case FT_PLATE_C10: return {Catalogue_Read_Schduebel_C10, "ec5_schduebel_c10.dat"};
        case FT_PLATE_B1: return {Catalogue_Read_Schduebel_B1, "ec5_schduebel_B1.dat"};
        case FT_PLATE_C2: return {Catalogue_Read_Schduebel_C2, "ec5_schduebel_c2.dat"};
        case FT_PLATE_C11: return {Catalogue_Read_Schduebel_C11, "ec5_schduebel_c11.dat"};
        case FT_SPAX_CSK_PARTIAL:
        case FT_SPAX_WASHER_PARTIAL: return {Catalogue_Read_Spax_S_Tg, "ec5_spax_s_tg.dat"};
        case FT_SPAX_CSK_FULL: return {Catalogue_Read_Spax_S_Vg, "ec5_spax_s_vg.dat"};
        case FT_ASSY_VG_CYLINDER: return {Catalogue_Read_Assy_Vg_Z, "ec5_assy_plus_vg_z.dat"};
        case FT_ASSY_VG_COUNTERSUNK: return {Catalogue_Read_Assy_Vg_S, "ec5_assy_plus_vg_s.dat"};
        case FT_SIMPSON_CNA: return {Catalogue_Read_Simpson_Cna, "ec5_simpson_cna.dat"};
        case FT_SIMPSON_CSA: return {Catalogue_Read_Simpson_Csa, "ec5_simpson_csa.dat"};
        default: break;
    }
    if (Fastener_Is_Wood_Screw(type)) return {Catalogue_Read_Schraube, "ec5_schraube.dat"};
    if (Fastener_Is_Special_Nail(type)) return {Catalogue_Read_Sondernagel, "ec5_sondernagel.dat"};
    return {nullptr, nullptr};
}

bool Is_Connector(int type) { return Fastener_Is_Connector(type) != 0; }

// Reads the family's catalogue; false (with the message printed) when a
// connector's catalogue cannot be read: a connector is designed from it.
bool Read_Catalogue(int type)
{
    const char* given = std::getenv("KOV_CUROB_PRIVAT_DATAPATH");
    if (!given || !*given) setenv("KOV_CUROB_PRIVAT_DATAPATH", KOV_DATA_DIR "/fasteners", 1);
    const Family family = Catalogue_Family(type);
    if (!family.read || family.read()) return true;
    if (!Is_Connector(type)) return true;
    std::fprintf(stderr,
                 "conndesign: Katalog %s im Ordner %s nicht lesbar: Dübel besonderer Bauart %d nicht bemessbar\n",
                 family.file, std::getenv("KOV_CUROB_PRIVAT_DATAPATH"), type);
    return false;
}

// A code's wording: the first set, or the second where the first has none.
std::string Wording(int code)
{
    const char* a = Conn_Message_Text(code);
    if (a && std::strcmp(a, " ") != 0) return Utf8(a);
    return Utf8(Conn_Message_Text_2(code));
}

// The wording of a refused input with its field and, for a diameter or
// length, the range the type allows.
std::string Refusal(int code, const ConnectionInput& in, const char* field)
{
    std::string text = Wording(code);
    double d_min = 0.0, d_max = 0.0, l_max = 0.0;
    char range[96] = "";
    if (code == CONN_INPUT_DIAMETER && Conn_Fastener_Range(in.type, &d_min, &d_max, &l_max))
        std::snprintf(range, sizeof range, " (zulässig %s%g bis %g mm)", d_min > 0.0 ? "" : "> ", d_min, d_max);
    if (code == CONN_INPUT_LENGTH && Conn_Fastener_Range(in.type, &d_min, &d_max, &l_max))
        std::snprintf(range, sizeof range, " (zulässig > 0 bis %g mm)", l_max);
    return (field ? std::string(field) + ": " : std::string()) + text + range;
}

// One line of a table: symbol, value as text, unit, meaning (UTF-8).
struct Row {
    std::string symbol, value, unit, meaning;
};

std::string Number(double v, int decimals = 3)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

// What the run found: the printed lines and the tables of the output list.
struct Report {
    std::vector<std::string> lines;
    std::vector<Row> results;
    std::vector<std::string> messages;

    void Add(const char* fmt, ...) __attribute__((format(printf, 2, 3)))
    {
        char buf[1024];
        va_list ap;
        va_start(ap, fmt);
        std::vsnprintf(buf, sizeof buf, fmt, ap);
        va_end(ap);
        lines.push_back(buf);
    }
    // A printed line "name = value unit" and a result row with its symbol.
    void Value(const char* name, double value, const char* unit, const char* symbol, const char* meaning)
    {
        Add("%s = %.3f%s%s", name, value, *unit ? " " : "", unit);
        if (symbol) results.push_back({symbol, Number(value), std::strcmp(unit, "kg/m3") ? unit : "kg/m\xFA", meaning});
    }
};

void Collect_List(Report& rep, const char* name, const ConnMessageList& list)
{
    std::string codes = std::string("list ") + name + ":";
    for (int i = 0; i < list.count; ++i) codes += " " + std::to_string(list.codes[i]);
    rep.lines.push_back(codes);
    for (int i = 0; i < list.count; ++i) {
        const std::string text = Wording(list.codes[i]);
        if (text != " ") {
            rep.Add("  %d %s", list.codes[i], text.c_str());
            rep.messages.push_back(std::to_string(list.codes[i]) + ": " + text);
        }
    }
}

std::string Mode_Name(int mode)
{
    if (mode == 30) return "Lochleibung im Aluminiumblech";
    return mode > 0 ? "Versagensmodus " + std::to_string(mode) : "-";
}

void Collect_Result(Report& rep, const ConnectionInput& in, const ConnectionResult& r, bool axial)
{
    const char* force = in.result_in_kN ? "kN" : "N";
    const bool connector = Is_Connector(in.type);
    rep.Value("rho1", r.rho1, "kg/m3", "\xCB\xCE\\1,k\xCEr", "Rohdichte Bauteil 1");
    rep.Value("rho2", r.rho2, "kg/m3", "\xCB\xCE\\2,k\xCEr", "Rohdichte Bauteil 2");
    rep.Value("kmod1", r.kmod1, "", "k\xCE\\mod,1\xCEr", "Modifikationsbeiwert Bauteil 1");
    rep.Value("kmod2", r.kmod2, "", "k\xCE\\mod,2\xCEr", "Modifikationsbeiwert Bauteil 2");
    if (!axial) {
        if (r.fh1 > 0.0 || r.fh2 > 0.0) {
            rep.results.push_back({"f\xCE\\h,1,k\xCEr", Number(r.fh1), "N/mm\xFD", "Lochleibungsfestigkeit Bauteil 1"});
            rep.results.push_back({"f\xCE\\h,2,k\xCEr", Number(r.fh2), "N/mm\xFD", "Lochleibungsfestigkeit Bauteil 2"});
            rep.results.push_back({"M\xCE\\y,Rk\xCEr", Number(r.my_rk, 1), "Nmm", "Fließmoment"});
            if (r.check_factor_2 > 0.0)
                rep.results.push_back({"\xBB", Number(r.check_factor_2), "", "Verhältnis f_h,2,k / f_h,1,k"});
        }
    }
    rep.Value("t_req", r.t_req, "mm", "t\xCE\\1,req\xCEr", "erforderliche Dicke Bauteil 1");
    rep.Value("t_req_2", r.t_req_2, "mm", "t\xCE\\2,req\xCEr", "erforderliche Dicke bzw. Eindringtiefe Bauteil 2");
    rep.Value("penetration", r.penetration, "mm", "t\xCE\\pen\xCEr", "Eindringtiefe");
    rep.Add("effective_planes = %d", r.effective_planes);
    if (!axial) {
        rep.Value("fvk", r.fvk, force, "F\xCE\\v,Rk\xCEr", "charakteristischer Wert je Scherfuge");
        rep.Value("gamma_m", r.gamma_m, "", "\xC0\xCE\\M\xCEr", "Teilsicherheitsbeiwert");
        rep.Value("fvd", r.fvd, force, "F\xCE\\v,Rd\xCEr", "Bemessungswert je Scherfuge");
        rep.Add("governing_mode = %d", r.governing_mode);
        rep.Add("governing_design_mode = %d", r.governing_design_mode);
        if (r.governing_mode > 0)
            rep.results.push_back({"Modus", Mode_Name(r.governing_mode), "", "maßgebend (charakteristisch)"});
        if (connector) {
            rep.Value("fvk_connector", r.fvk_connector, force, "F\xCE\\v,Rk,D\xCEr", "Tragfähigkeit des Dübels");
            rep.Value("fvd_connector", r.fvd_connector, force, "F\xCE\\v,Rd,D\xCEr", "Bemessungswert des Dübels");
        } else {
            rep.Value("fvk_connector", r.fvk_connector, force, nullptr, nullptr);
            rep.Value("fvd_connector", r.fvd_connector, force, nullptr, nullptr);
        }
        rep.Value("fvk_total", r.fvk_total, force, "F\xCE\\v,Rk,ges\xCEr", "charakteristisch, gesamt");
        rep.Value("fvd_total", r.fvd_total, force, "F\xCE\\v,Rd,ges\xCEr", "Bemessungswert, gesamt");
        rep.Value("rope_share", r.rope_share, force,
                  "\xA3"
                  "F\xCE\\v,Rk\xCEr",
                  "Anteil des Einhängeeffekts");
    }
    rep.Value("faxk", r.faxk, force, "F\xCE\\ax,Rk\xCEr", "axiale Tragfähigkeit");
    rep.Value("faxd", r.faxd, force, "F\xCE\\ax,Rd\xCEr", "Bemessungswert, axial");
    if (!axial) {
        static const char* const names[6] = {"a1", "a2", "a3t", "a3c", "a4t", "a4c"};
        for (int m = 0; m < 2; ++m) {
            const double* row = m == 0 ? r.spacing1 : r.spacing2;
            std::string line = "spacing" + std::to_string(m + 1) + " =";
            char cell[64];
            for (int i = 0; i < 6; ++i) {
                std::snprintf(cell, sizeof cell, " %s %.3f", names[i], row[i]);
                line += cell;
            }
            std::snprintf(cell, sizeof cell, " mm, rule %d", m == 0 ? r.spacing_result1 : r.spacing_result2);
            rep.lines.push_back(line + cell);
        }
        rep.Value("kser", r.kser, "N/mm", "K\xCE\\ser\xCEr", "Verschiebungsmodul je Scherfuge");
        rep.Add("plate_state = %d", r.plate_state);
    }
    if (r.message_code) {
        const std::string text = Wording(r.message_code);
        rep.Add("message_code = %d %s", r.message_code, text.c_str());
        if (text != " ") rep.messages.push_back(std::to_string(r.message_code) + ": " + text);
    } else {
        rep.Add("message_code = 0");
    }
    Collect_List(rep, "A", ConnMessageListA);
    Collect_List(rep, "B", ConnMessageListB);
}

// The input as the output list shows it.
std::vector<Row> Input_Rows(const ConnectionInput& in, bool axial)
{
    std::vector<Row> rows;
    const bool connector = Is_Connector(in.type);
    rows.push_back({"Typ", std::to_string(in.type), "", Utf8(Fastener_Type_Name(in.type, 1))});
    if (connector) rows.push_back({"Produkt", std::to_string(in.product), "", "Index im Katalog"});
    rows.push_back({connector ? "d\xCE\\c\xCEr" : "d", Number(in.d, 2), "mm", "Durchmesser"});
    if (in.d_bolt > 0.0) rows.push_back({"d\xCE\\b\xCEr", Number(in.d_bolt, 2), "mm", "Bolzendurchmesser"});
    if (in.length > 0.0) rows.push_back({"l", Number(in.length, 1), "mm", "Länge"});
    if (in.steel_grade >= 0)
        rows.push_back({"Stahl", Utf8(Steel_Guete_Name(in.steel_grade)), "", "Stahlgüte des Verbindungsmittels"});
    else if (in.fu > 0.0)
        rows.push_back({"f\xCE\\u,k\xCEr", Number(in.fu, 1), "N/mm\xFD", "Zugfestigkeit"});
    rows.push_back({"n\xCE\\s\xCEr", std::to_string(in.shear_planes), "",
                    in.shear_planes == 2 ? "zweischnittig" : "einschnittig"});
    for (int m = 1; m <= 2; ++m) {
        const int kind = m == 1 ? in.kind1 : in.kind2, grade = m == 1 ? in.grade1 : in.grade2;
        const char* name = Mat_User_Name(kind, grade, &in.user_material);
        const std::string n = std::to_string(m);
        rows.push_back({"Bauteil " + n, std::to_string(kind) + " / " + std::to_string(grade), "",
                        name ? Trimmed(Utf8(name)) : std::string("unbekannt")});
        rows.push_back({"t\xCE\\" + n + "\xCEr", Number(m == 1 ? in.t1 : in.t2, 1), "mm", "Dicke Bauteil " + n});
        rows.push_back(
            {"\xE0\xCE\\" + n + "\xCEr", Number(m == 1 ? in.alpha1 : in.alpha2, 1), "Grad", "Winkel Kraft - Faser"});
    }
    if (!axial) {
        static const char* const methods[] = {"vereinfachtes Verfahren", "genaues Verfahren (Johansen)",
                                              "mit Bemessungswerten"};
        rows.push_back(
            {"Verfahren", std::to_string(in.method), "", methods[in.method >= 0 && in.method <= 2 ? in.method : 0]});
    }
    if (in.kmod_from_materials)
        rows.push_back({"NKL / KLED",
                        std::to_string(in.service_class1) + "/" + std::to_string(in.service_class2) + " / " +
                            std::to_string(in.duration),
                        "", "Nutzungsklassen, Lasteinwirkungsdauer"});
    else
        rows.push_back({"k\xCE\\mod\xCEr", Number(in.kmod_given), "", "vorgegeben"});
    return rows;
}

// Writes a table of rows: symbol, value, unit, meaning.
bool Write_Table(FILE* f, const std::vector<Row>& rows)
{
    const int n = static_cast<int>(rows.size());
    if (n == 0) return true;
    enum { kSymbol = 24, kValue = 48, kUnit = 12, kMeaning = 72 };
    std::vector<char> symbol(static_cast<size_t>(n) * kSymbol, '\0'), value(static_cast<size_t>(n) * kValue, '\0'),
        unit(static_cast<size_t>(n) * kUnit, '\0'), meaning(static_cast<size_t>(n) * kMeaning, '\0');
    for (int i = 0; i < n; ++i) {
        const size_t k = static_cast<size_t>(i);
        // The symbols carry the list's own bytes; the other texts are UTF-8.
        std::snprintf(&symbol[k * kSymbol], kSymbol, "%s", rows[k].symbol.c_str());
        std::snprintf(&value[k * kValue], kValue, "%s", Kov_Utf8_To_Cp(KOV_CP850, rows[k].value).c_str());
        std::snprintf(&unit[k * kUnit], kUnit, "%s", rows[k].unit.c_str());
        std::snprintf(&meaning[k * kMeaning], kMeaning, "%s", Kov_Utf8_To_Cp(KOV_CP850, rows[k].meaning).c_str());
    }
    OliColumn* cols = nullptr;
    Oli_Alloc_Columns(4, &cols);
    if (!cols) return false;
    auto set = [](OliColumn& c, const char* title, int width, int size, void* data) {
        std::snprintf(c.title, sizeof c.title, "%s", title);
        std::snprintf(c.kind, sizeof c.kind, "TXT");
        c.width = width, c.decimals = size, c.data = data;
    };
    set(cols[0],
        "-Gr\x94\xE1"
        "e",
        16, kSymbol, symbol.data()); // "Größe"
    set(cols[1], "+Wert", 18, kValue, value.data());
    set(cols[2], "-Einheit", 7, kUnit, unit.data());
    set(cols[3], "-Bedeutung", 40, kMeaning, meaning.data());
    OliTabelle(f, 4, n, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
    void* p = cols;
    Mem_Free_Null(&p);
    return true;
}

bool Write_Spacings(FILE* f, const ConnectionResult& r)
{
    double a[6][2];
    for (int i = 0; i < 6; ++i) {
        a[i][0] = r.spacing1[i];
        a[i][1] = r.spacing2[i];
    }
    static const char* const titles[6] = {"a\xCE\\1\xCEr",   "a\xCE\\2\xCEr",   "a\xCE\\3,t\xCEr",
                                          "a\xCE\\3,c\xCEr", "a\xCE\\4,t\xCEr", "a\xCE\\4,c\xCEr"};
    std::vector<double> columns[6];
    for (int i = 0; i < 6; ++i) columns[i] = {a[i][0], a[i][1]};
    char members[2][12] = {"Bauteil 1", "Bauteil 2"};
    OliColumn* cols = nullptr;
    Oli_Alloc_Columns(7, &cols);
    if (!cols) return false;
    std::snprintf(cols[0].title, sizeof cols[0].title, "-Bauteil");
    std::snprintf(cols[0].kind, sizeof cols[0].kind, "TXT");
    cols[0].width = 10, cols[0].decimals = 12, cols[0].data = members;
    for (int i = 0; i < 6; ++i) {
        std::snprintf(cols[i + 1].title, sizeof cols[i + 1].title, "%s", titles[i]);
        std::snprintf(cols[i + 1].kind, sizeof cols[i + 1].kind, "mm");
        cols[i + 1].width = 7, cols[i + 1].decimals = 1, cols[i + 1].data = columns[i].data();
    }
    OliTabelle(f, 7, 2, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
    void* p = cols;
    Mem_Free_Null(&p);
    return true;
}

std::string Rules_Name(const char* rules)
{
    if (std::strcmp(rules, "de") == 0) return "DIN EN 1995-1-1 mit deutschem Nationalen Anhang";
    if (std::strcmp(rules, "ec") == 0) return "DIN EN 1995-1-1 mit den empfohlenen Werten";
    return "DIN 1052:2008";
}

// Heading, input, results, minimum spacings and messages as an output list
// (code page 850).
bool Write_List(FILE* f, const char* file, const char* rules, const ConnectionInput& in, const ConnectionResult& r,
                const Report& rep, bool axial)
{
    auto text = [&](const std::string& utf8) { Oli_Text(f, "%s", Kov_Utf8_To_Cp(KOV_CP850, utf8).c_str()); };
    Oli_Init_Headings(3, 2, 1);
    const char* title = axial ? "Verbindung: axiale Tragfähigkeit je Verbindungsmittel"
                              : (Is_Connector(in.type) ? "Verbindung mit Dübeln besonderer Bauart"
                                                       : "Verbindung mit stiftförmigen Verbindungsmitteln");
    Oli_Heading(f, 1, "%s", cp850(title));
    text("Beschreibung: " + std::string(file));
    text("Regeln: " + Rules_Name(rules));
    Oli_Move_Lines(f, 1);
    Oli_Heading(f, 2, "%s", cp850("Eingabe"));
    if (!Write_Table(f, Input_Rows(in, axial))) return false;
    Oli_Move_Lines(f, 1);
    Oli_Heading(f, 2, "%s", cp850("Ergebnisse je Verbindungsmittel"));
    if (!Write_Table(f, rep.results)) return false;
    if (!axial) {
        Oli_Move_Lines(f, 1);
        Oli_Heading(f, 2, "%s", cp850("Mindestabstände"));
        if (!Write_Spacings(f, r)) return false;
    }
    Oli_Move_Lines(f, 1);
    Oli_Heading(f, 2, "%s", cp850("Meldungen"));
    if (rep.messages.empty()) text("keine");
    for (const std::string& m : rep.messages) text(m);
    Oli_Close_Bookmarks(f);
    return !std::ferror(f);
}

// No printed value may be other than a finite number.
bool Finite_Result(const ConnectionResult& r)
{
    const double values[] = {r.fvk,   r.fvd,   r.fvk_total,  r.fvd_total,     r.fvk_connector, r.fvd_connector,
                             r.faxk,  r.faxd,  r.rope_share, r.kser,          r.rho1,          r.rho2,
                             r.kmod1, r.kmod2, r.t_req,      r.t_req_2,       r.penetration,   r.gamma_m,
                             r.fh1,   r.fh2,   r.my_rk,      r.check_factor_2};
    for (double v : values)
        if (!std::isfinite(v)) return false;
    for (int i = 0; i < 6; ++i)
        if (!std::isfinite(r.spacing1[i]) || !std::isfinite(r.spacing2[i])) return false;
    return r.fvk >= 0.0 && r.fvd >= 0.0 && r.faxk >= 0.0 && r.faxd >= 0.0 && r.fvk_connector >= 0.0;
}

// The description file's text; false with the reason printed.
bool Read_File(const char* file, std::string* text)
{
    struct stat st;
    if (stat(file, &st) != 0) {
        std::fprintf(stderr, "conndesign: Beschreibung %s nicht lesbar: %s\n", file, std::strerror(errno));
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        std::fprintf(stderr, "conndesign: Beschreibung %s ist keine Datei\n", file);
        return false;
    }
    FILE* f = std::fopen(file, "rb");
    if (!f) {
        std::fprintf(stderr, "conndesign: Beschreibung %s nicht lesbar: %s\n", file, std::strerror(errno));
        return false;
    }
    const size_t limit = 1 << 20;
    text->assign(limit + 1, '\0');
    const size_t got = std::fread(&(*text)[0], 1, text->size(), f);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        std::fprintf(stderr, "conndesign: Beschreibung %s nicht lesbar\n", file);
        return false;
    }
    if (got > limit) {
        std::fprintf(stderr, "conndesign: Beschreibung %s ist länger als 1 MiB\n", file);
        return false;
    }
    text->resize(got);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const char* rules = "din";
    const char* file = nullptr;
    const char* oli = nullptr;
    bool axial = false;
    Kov_Numeric_C_Locale();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            Help(stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--rules") == 0 && i + 1 < argc)
            rules = argv[++i];
        else if (std::strcmp(argv[i], "--oli") == 0 && i + 1 < argc)
            oli = argv[++i];
        else if (std::strcmp(argv[i], "--axial") == 0)
            axial = true;
        else if (argv[i][0] == '-')
            return Usage((std::string("unbekannte Option ") + argv[i]).c_str());
        else if (file)
            return Usage("nur eine Beschreibung je Aufruf");
        else
            file = argv[i];
    }
    if (!file) return Usage("keine Beschreibung angegeben");

    Nad_Publish_Blocks(nullptr);
    if (std::strcmp(rules, "ec") == 0) {
        if (!Publish_Annex("Standard.NAD")) return 1;
    } else if (std::strcmp(rules, "de") == 0) {
        if (!Publish_Annex("Deutschland.NAD")) return 1;
    } else if (std::strcmp(rules, "din") != 0) {
        return Usage((std::string("unbekannte Regeln ") + rules + " (din, ec oder de)").c_str());
    }

    std::string text;
    if (!Read_File(file, &text)) return 1;
    ConnectionInput input;
    int bad_line = 0;
    char message[160];
    if (Conn_Read_Description_Complete(text.data(), text.size(), axial, &input, &bad_line, message, sizeof message)) {
        std::fprintf(stderr, "%s: %s\n", file, message);
        return 1;
    }
    if (!Read_Catalogue(input.type)) return 1;

    std::printf("rules = %s\n", rules);
    const char* field = nullptr;
    const int refused = Conn_Check_Input(input, &field);
    if (refused) {
        const std::string why = Refusal(refused, input, field);
        std::printf("stopped = %d %s\n", refused, why.c_str());
        std::fprintf(stderr, "%s: %s\n", file, why.c_str());
        return 2;
    }
    ConnectionResult result;
    const int code = axial ? Conn_Axial_Design(input, &result) : Conn_Design(input, &result);
    if (code) {
        std::printf("stopped = %d %s\n", code, Wording(code).c_str());
        return 2;
    }
    if (!Finite_Result(result)) {
        std::printf("stopped = Ergebnis ist keine endliche, nicht negative Zahl\n");
        return 2;
    }
    Report rep;
    Collect_Result(rep, input, result, axial);
    for (const std::string& line : rep.lines) std::printf("%s\n", line.c_str());
    if (oli) {
        const int rc =
            Kov_Replace_File(oli, [&](FILE* f) { return Write_List(f, file, rules, input, result, rep, axial); });
        if (rc != KOV_REPLACE_OK) {
            std::fprintf(stderr, "conndesign: Ausgabeliste %s nicht geschrieben: %s\n", oli, Kov_Replace_Text(rc));
            return 1;
        }
    }
    return 0;
}
