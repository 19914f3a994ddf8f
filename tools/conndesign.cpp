// conndesign: designs one timber connection from a description file and
// prints what the design found.
//
//   conndesign [--rules din|ec|de] [--axial] DESCRIPTION
//
// din publishes no annex (DIN 1052 rules); ec and de read the supplied
// annexes Standard.NAD and Deutschland.NAD (from $DATA/NAD, else the
// installation data) and publish their EC5, EC3 and EC9 blocks. Exit 0 after
// a full run, 2 when the design stops with a code, 1 for a bad description.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "connections/conndesc.h"
#include "connections/conndesign.h"
#include "connections/connmsg.h"
#include "nad/nadactive.h"
#include "nad/nadfile.h"
#include "platform/kovcp.h"

#ifndef KOV_DATA_DIR
#define KOV_DATA_DIR "data"
#endif

namespace {

NadRecord annex;

int Usage()
{
    std::fprintf(stderr, "usage: conndesign [--rules din|ec|de] [--axial] DESCRIPTION\n");
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

void Line(const char* name, double value, const char* unit)
{
    std::printf("%s = %.3f%s%s\n", name, value, *unit ? " " : "", unit);
}

void Print_List(const char* name, const ConnMessageList& list)
{
    std::printf("list %s:", name);
    for (int i = 0; i < list.count; ++i) std::printf(" %d", list.codes[i]);
    std::printf("\n");
    for (int i = 0; i < list.count; ++i) {
        const std::string text = Wording(list.codes[i]);
        if (text != " ") std::printf("  %d %s\n", list.codes[i], text.c_str());
    }
}

void Print_Result(const ConnectionResult& r, bool axial, bool kn)
{
    const char* force = kn ? "kN" : "N";
    if (!axial) {
        Line("fvk", r.fvk, force);
        Line("fvd", r.fvd, force);
        Line("gamma_m", r.gamma_m, "");
        std::printf("governing_mode = %d\ngoverning_design_mode = %d\n", r.governing_mode, r.governing_design_mode);
        Line("fvk_connector", r.fvk_connector, force);
        Line("fvd_connector", r.fvd_connector, force);
        Line("fvk_total", r.fvk_total, force);
        Line("fvd_total", r.fvd_total, force);
        Line("rope_share", r.rope_share, force);
    }
    Line("faxk", r.faxk, force);
    Line("faxd", r.faxd, force);
    Line("rho1", r.rho1, "kg/m3");
    Line("rho2", r.rho2, "kg/m3");
    Line("kmod1", r.kmod1, "");
    Line("kmod2", r.kmod2, "");
    if (!axial) {
        static const char* const names[6] = {"a1", "a2", "a3t", "a3c", "a4t", "a4c"};
        for (int m = 0; m < 2; ++m) {
            const double* row = m == 0 ? r.spacing1 : r.spacing2;
            std::printf("spacing%d =", m + 1);
            for (int i = 0; i < 6; ++i) std::printf(" %s %.3f", names[i], row[i]);
            std::printf(" mm, rule %d\n", m == 0 ? r.spacing_result1 : r.spacing_result2);
        }
        Line("kser", r.kser, "N/mm");
    }
    Line("penetration", r.penetration, "mm");
    std::printf("effective_planes = %d\n", r.effective_planes);
    Line("t_req", r.t_req, "mm");
    Line("t_req_2", r.t_req_2, "mm");
    if (!axial) std::printf("plate_state = %d\n", r.plate_state);
    std::printf("message_code = %d", r.message_code);
    if (r.message_code) std::printf(" %s", Wording(r.message_code).c_str());
    std::printf("\n");
    Print_List("A", ConnMessageListA);
    Print_List("B", ConnMessageListB);
}

} // namespace

int main(int argc, char** argv)
{
    const char* rules = "din";
    const char* file = nullptr;
    bool axial = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rules") == 0 && i + 1 < argc) rules = argv[++i];
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
    Print_Result(result, axial, input.result_in_kN != 0);
    return 0;
}
