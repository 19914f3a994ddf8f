// conndesign: designs one timber connection from a description file and
// prints what the design found.
//
//   conndesign [--rules din|ec|de] [--axial] [--oli FILE] DESCRIPTION
//
// din publishes no annex (DIN 1052 rules); ec and de read the supplied
// annexes Standard.NAD and Deutschland.NAD (from $DATA/NAD, else the
// installation data) and publish their EC5, EC3 and EC9 blocks. --oli FILE
// also writes the description and the results as an output list. Exit 0
// after a full run, 2 when the design stops with a code, 1 for a bad
// description or an output list that cannot be written.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "connections/conndesc.h"
#include "connections/conndesign.h"
#include "connections/connmsg.h"
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

int Usage()
{
    std::fprintf(stderr, "usage: conndesign [--rules din|ec|de] [--axial] [--oli FILE] DESCRIPTION\n");
    return 1;
}

bool Publish_Annex(const char* file)
{
    const char* data = std::getenv("DATA");
    const std::string dir = (data && *data) ? std::string(data) : std::string(KOV_DATA_DIR);
    const std::string path = dir + "/NAD/" + file;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        std::fprintf(stderr, "conndesign: %s cannot be read\n", path.c_str());
        return false;
    }
    const int ok = Nad_Read_File(f, &annex);
    std::fclose(f);
    if (!ok) {
        std::fprintf(stderr, "conndesign: %s is no annex file\n", path.c_str());
        return false;
    }
    annex.ec5.na_de = annex.na_de;
    ActiveNadEc5 = &annex.ec5;
    ActiveNadEc3 = &annex.ec3;
    ActiveNadEc9 = &annex.ec9;
    return true;
}

std::string Utf8(const char* cp850_text) { return cp850_text ? Kov_Cp_To_Utf8(KOV_CP850, cp850_text) : ""; }

// A code's wording: the first set, or the second where the first has none.
std::string Wording(int code)
{
    const char* a = Conn_Message_Text(code);
    if (a && std::strcmp(a, " ") != 0) return Utf8(a);
    return Utf8(Conn_Message_Text_2(code));
}

// What the run found, line by line (UTF-8), and the named values again for
// the output list's table.
struct Report {
    std::vector<std::string> lines;
    struct Value {
        std::string name;
        double value;
        std::string unit;
    };
    std::vector<Value> values;

    void Add(const char* fmt, ...) __attribute__((format(printf, 2, 3)))
    {
        char buf[1024];
        va_list ap;
        va_start(ap, fmt);
        std::vsnprintf(buf, sizeof buf, fmt, ap);
        va_end(ap);
        lines.push_back(buf);
    }
    void Line(const char* name, double value, const char* unit)
    {
        Add("%s = %.3f%s%s", name, value, *unit ? " " : "", unit);
        values.push_back({name, value, unit});
    }
};

void Print_List(Report& rep, const char* name, const ConnMessageList& list)
{
    std::string codes = std::string("list ") + name + ":";
    for (int i = 0; i < list.count; ++i) codes += " " + std::to_string(list.codes[i]);
    rep.lines.push_back(codes);
    for (int i = 0; i < list.count; ++i) {
        const std::string text = Wording(list.codes[i]);
        if (text != " ") rep.Add("  %d %s", list.codes[i], text.c_str());
    }
}

void Collect_Result(Report& rep, const ConnectionResult& r, bool axial, bool kn)
{
    const char* force = kn ? "kN" : "N";
    if (!axial) {
        rep.Line("fvk", r.fvk, force);
        rep.Line("fvd", r.fvd, force);
        rep.Line("gamma_m", r.gamma_m, "");
        rep.Add("governing_mode = %d", r.governing_mode);
        rep.Add("governing_design_mode = %d", r.governing_design_mode);
        rep.Line("fvk_connector", r.fvk_connector, force);
        rep.Line("fvd_connector", r.fvd_connector, force);
        rep.Line("fvk_total", r.fvk_total, force);
        rep.Line("fvd_total", r.fvd_total, force);
        rep.Line("rope_share", r.rope_share, force);
    }
    rep.Line("faxk", r.faxk, force);
    rep.Line("faxd", r.faxd, force);
    rep.Line("rho1", r.rho1, "kg/m3");
    rep.Line("rho2", r.rho2, "kg/m3");
    rep.Line("kmod1", r.kmod1, "");
    rep.Line("kmod2", r.kmod2, "");
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
            for (int i = 0; i < 6; ++i)
                rep.values.push_back({std::string(names[i]) + (m == 0 ? " (1)" : " (2)"), row[i], "mm"});
        }
        rep.Line("kser", r.kser, "N/mm");
    }
    rep.Line("penetration", r.penetration, "mm");
    rep.Add("effective_planes = %d", r.effective_planes);
    rep.Line("t_req", r.t_req, "mm");
    rep.Line("t_req_2", r.t_req_2, "mm");
    if (!axial) rep.Add("plate_state = %d", r.plate_state);
    if (r.message_code)
        rep.Add("message_code = %d %s", r.message_code, Wording(r.message_code).c_str());
    else
        rep.Add("message_code = 0");
    Print_List(rep, "A", ConnMessageListA);
    Print_List(rep, "B", ConnMessageListB);
}

// The description's own lines without comments and blank lines.
std::vector<std::string> Description_Lines(const std::string& text)
{
    std::vector<std::string> out;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.pop_back();
        size_t lead = 0;
        while (lead < line.size() && (line[lead] == ' ' || line[lead] == '\t')) ++lead;
        if (lead < line.size()) out.push_back(line.substr(lead));
    }
    return out;
}

// Writes heading, description, the printed lines and the values as a table
// into f. The output list's texts are code page 850.
bool Write_List(FILE* f, const char* file, const std::vector<std::string>& description, const Report& rep,
                bool axial)
{
    Oli_Init_Headings(3, 2, 1);
    Oli_Heading(f, 1, "%s",
                cp850(axial ? "Verbindung: axiale Tragfähigkeit" : "Verbindung: Tragfähigkeit je Verbindungsmittel"));
    Oli_Text(f, "%s", Kov_Utf8_To_Cp(KOV_CP850, std::string("Beschreibung ") + file).c_str());
    for (const std::string& line : description) Oli_Text(f, "  %s", Kov_Utf8_To_Cp(KOV_CP850, line).c_str());
    Oli_Move_Lines(f, 1);
    for (const std::string& line : rep.lines) Oli_Text(f, "%s", Kov_Utf8_To_Cp(KOV_CP850, line).c_str());
    Oli_Move_Lines(f, 1);

    const int n = static_cast<int>(rep.values.size());
    if (n > 0) {
        enum { kName = 24, kUnit = 8 };
        std::vector<char> names(static_cast<size_t>(n) * kName, '\0'), units(static_cast<size_t>(n) * kUnit, '\0');
        std::vector<double> values(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            std::snprintf(&names[static_cast<size_t>(i) * kName], kName, "%s", rep.values[i].name.c_str());
            std::snprintf(&units[static_cast<size_t>(i) * kUnit], kUnit, "%s", rep.values[i].unit.c_str());
            values[i] = rep.values[i].value;
        }
        OliColumn* cols = nullptr;
        Oli_Alloc_Columns(3, &cols);
        if (!cols) return false;
        auto set = [](OliColumn& c, const char* title, const char* kind, int width, int decimals, void* data) {
            std::snprintf(c.title, sizeof c.title, "%s", title);
            std::snprintf(c.kind, sizeof c.kind, "%s", kind);
            c.width = width, c.decimals = decimals, c.data = data;
        };
        set(cols[0], "-Wert", "TXT", 16, kName, names.data());
        set(cols[1], "+Betrag", "-", 12, 3, values.data());
        set(cols[2], "-Einheit", "TXT", 7, kUnit, units.data());
        OliTabelle(f, 3, n, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
        void* p = cols;
        Mem_Free_Null(&p);
    }
    Oli_Close_Bookmarks(f);
    return !std::ferror(f);
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
        if (std::strcmp(argv[i], "--rules") == 0 && i + 1 < argc) rules = argv[++i];
        else if (std::strcmp(argv[i], "--oli") == 0 && i + 1 < argc) oli = argv[++i];
        else if (std::strcmp(argv[i], "--axial") == 0) axial = true;
        else if (argv[i][0] == '-' || file) return Usage();
        else file = argv[i];
    }
    if (!file) return Usage();

    ActiveNadEc5 = nullptr;
    ActiveNadEc3 = nullptr;
    ActiveNadEc9 = nullptr;
    if (std::strcmp(rules, "ec") == 0) {
        if (!Publish_Annex("Standard.NAD")) return 1;
    } else if (std::strcmp(rules, "de") == 0) {
        if (!Publish_Annex("Deutschland.NAD")) return 1;
    } else if (std::strcmp(rules, "din") != 0) {
        return Usage();
    }

    FILE* f = std::fopen(file, "rb");
    if (!f) {
        std::fprintf(stderr, "conndesign: %s cannot be read\n", file);
        return 1;
    }
    const size_t limit = 1 << 20;
    std::string text(limit + 1, '\0');
    const size_t got = std::fread(&text[0], 1, text.size(), f);
    std::fclose(f);
    if (got > limit) {
        std::fprintf(stderr, "%s: the description is longer than 1 MiB\n", file);
        return 1;
    }
    ConnectionInput input;
    int bad_line = 0;
    char message[128];
    if (Conn_Read_Description(text.data(), got, &input, &bad_line, message, sizeof message)) {
        std::fprintf(stderr, "%s:%d: %s\n", file, bad_line, message);
        return 1;
    }

    std::printf("rules = %s\n", rules);
    ConnectionResult result;
    const int code = axial ? Conn_Axial_Design(input, &result) : Conn_Design(input, &result);
    if (code) {
        std::printf("stopped = %d %s\n", code, Wording(code).c_str());
        return 2;
    }
    Report rep;
    Collect_Result(rep, result, axial, input.result_in_kN != 0);
    for (const std::string& line : rep.lines) std::printf("%s\n", line.c_str());
    if (oli) {
        const std::vector<std::string> description = Description_Lines(std::string(text.data(), got));
        const int rc = Kov_Replace_File(oli, [&](FILE* f) { return Write_List(f, file, description, rep, axial); });
        if (rc != KOV_REPLACE_OK) {
            std::fprintf(stderr, "conndesign: the output list %s cannot be written: %s\n", oli, Kov_Replace_Text(rc));
            return 1;
        }
    }
    return 0;
}
