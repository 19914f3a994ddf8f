// The user's annex files as the editor changes them: names of new annexes,
// adding a copy, removing with the later files moving down, and the
// instructions of host scripts.
#include "tools/nadpflege/nadpflege.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "nad/nadfile.h"
#include "nad/nadrange.h"
#include "platform/kovhost.h"
#include "platform/kovpath.h"
#include "platform/kovreplace.h"

namespace {

const char* const kGermany = "Deutschland";
// A data file naming this is read as naming "Deutschland": no annex of the
// user's may take it.
const char* const kLocal = "lokale Definitionen";

std::string user_file(int n)
{
    const char* dram = KOVGetEnv("DRAM");
    return std::string(dram ? dram : "") + "\\NADS\\" + std::to_string(n) + ".NAD";
}

bool exists(const std::string& path)
{
    FILE* f = Kov_Fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

int list_index(const char* name)
{
    if (!name) return -1;
    for (int i = 0; i < NadList.count && i < NAD_LIST_MAX; ++i)
        if (NadList.names[i] && std::strcmp(NadList.names[i], name) == 0) return i;
    return -1;
}

// A whole number and nothing else.
bool parse_int(const char* text, int* out)
{
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    while (end && *end == ' ') ++end;
    if (end == text || !end || *end || errno || v < INT_MIN || v > INT_MAX) return false;
    *out = int(v);
    return true;
}

} // namespace

int Nad_Pflege_Check_Name(const char* name, char* out)
{
    if (!name) name = "";
    const char* begin = name;
    while (*begin == ' ') ++begin;
    size_t len = std::strlen(begin);
    while (len > 0 && begin[len - 1] == ' ') --len;
    const size_t kept = len < size_t(NAD_NAME_SIZE - 1) ? len : size_t(NAD_NAME_SIZE - 1);
    if (out) {
        std::memcpy(out, begin, kept);
        out[kept] = '\0';
    }
    if (len == 0) return NAD_PFLEGE_NAME_EMPTY;
    if (len > size_t(NAD_NAME_SIZE - 1)) return NAD_PFLEGE_NAME_TOO_LONG;
    for (size_t i = 0; i < len; ++i) {
        const unsigned char c = static_cast<unsigned char>(begin[i]);
        // 0xAE and 0xAF enclose the name in the annex and position files.
        if (c < 0x20 || c == 0x7F || c == 0xAE || c == 0xAF) return NAD_PFLEGE_NAME_BAD_BYTE;
    }
    const std::string trimmed(begin, len);
    if (trimmed == kLocal || list_index(trimmed.c_str()) >= 0) return NAD_PFLEGE_NAME_TAKEN;
    return NAD_PFLEGE_NAME_OK;
}

int Nad_Pflege_User_Count()
{
    if (!KOVGetEnv("DRAM")) return 0;
    int n = 0;
    while (exists(user_file(n + 1))) ++n;
    return n;
}

int Nad_Pflege_Load_Entry(int i, NadRecord* r)
{
    if (!r || i < 0 || i >= NadList.count || i >= NAD_LIST_MAX) return 0;
    const int number = NadList.user_number[i];
    Nad_Default_Blocks(r);
    r->flag_index = NadList.flag_index[i];
    r->user_defined = number > 0 ? 1 : 0;
    r->na_de = 0;
    std::snprintf(r->name, sizeof r->name, "%s", NadList.names[i] ? NadList.names[i] : "");
    return Nad_Load(number, i == 0 ? "Standard" : kGermany, r);
}

int Nad_Pflege_Add(const NadRecord* r, const char* name)
{
    if (!r) return 0;
    Nad_Build_List();
    char checked[NAD_NAME_SIZE];
    if (Nad_Pflege_Check_Name(name, checked) != NAD_PFLEGE_NAME_OK) return 0;
    const int number = Nad_Pflege_User_Count() + 1;
    // The list shows no more: an annex beyond it could never be chosen.
    if (number + 2 > NAD_LIST_MAX) return 0;
    std::unique_ptr<NadRecord> copy(new NadRecord(*r));
    std::memcpy(copy->name, checked, sizeof copy->name);
    copy->user_defined = 1;
    return Nad_Store_User_Nad(number, copy.get()) == 1 ? number : 0;
}

int Nad_Pflege_Remove(int number)
{
    const int last = Nad_Pflege_User_Count();
    if (number < 1 || number > last) return 0;
    for (int k = number; k < last; ++k)
        if (Kov_Replace_By_Copy(user_file(k + 1).c_str(), user_file(k).c_str()) != KOV_REPLACE_OK) return 0;
    return Nad_Store_User_Nad(last, nullptr);
}

int Nad_Pflege_Gamma_M(const char* text, double* out, std::string* why)
{
    if (!text || !*text) return 0;
    std::unique_ptr<NadRecord> r(new NadRecord());
    NadRangeFault fault;
    const NadRangeKind* kind = Nad_Range_Of(r.get(), &r->ec5.gamma_m_solid, &fault);
    errno = 0;
    char* end = nullptr;
    const double g = std::strtod(text, &end);
    while (end && *end == ' ') ++end;
    if (end == text || !end || *end || !Nad_Range_Holds(kind, g)) {
        if (why)
            *why = "KOV_NAD_PFLEGE_GAMMA_M=\"" + std::string(text) + "\": gamma_M von Vollholz und " +
                   "Brettschichtholz muss eine Zahl " + Nad_Range_Text(kind) + " sein.";
        return -1;
    }
    if (out) *out = g;
    return 1;
}

int Nad_Pflege_Instructions(const char* active, const char* remove, const char* add, const char* gamma_m)
{
    int result = NAD_PFLEGE_UNCHANGED;
    // Checked before anything changes: a refused value leaves every file as it was.
    double gamma = 0.0;
    std::string why;
    const int with_gamma = add && *add ? Nad_Pflege_Gamma_M(gamma_m, &gamma, &why) : 0;
    if (with_gamma < 0) {
        std::fprintf(stderr, "NAD-Pflege: %s\n", why.c_str());
        return NAD_PFLEGE_FAILED;
    }
    if (remove && *remove) {
        int number = 0;
        if (!parse_int(remove, &number) || !Nad_Pflege_Remove(number)) {
            std::fprintf(stderr, "NAD-Pflege: das Anwendungsdokument Nr. %s kann nicht entfernt werden\n", remove);
            return NAD_PFLEGE_FAILED;
        }
        result = NAD_PFLEGE_CHANGED;
    }
    if (add && *add) {
        // The name an annex record holds: at most 27 bytes.
        const std::string name(add, strnlen(add, size_t(NAD_NAME_SIZE - 1)));
        Nad_Build_List();
        char checked[NAD_NAME_SIZE];
        const int why = Nad_Pflege_Check_Name(name.c_str(), checked);
        if (why != NAD_PFLEGE_NAME_OK) {
            std::fprintf(stderr, "NAD-Pflege: \"%s\" kann kein neues Anwendungsdokument benennen (%s)\n", name.c_str(),
                         why == NAD_PFLEGE_NAME_TAKEN ? "ein Anwendungsdokument dieses Namens gibt es schon"
                                                      : "kein gültiger Name");
            return NAD_PFLEGE_FAILED;
        }
        int base = list_index(active);
        if (base < 0) base = 1;
        std::unique_ptr<NadRecord> r(new NadRecord());
        if (!Nad_Pflege_Load_Entry(base, r.get())) {
            std::fprintf(stderr, "NAD-Pflege: das zu kopierende Anwendungsdokument \"%s\" kann nicht gelesen werden\n",
                         NadList.names[base]);
            return NAD_PFLEGE_FAILED;
        }
        if (with_gamma > 0) {
            r->ec5.gamma_m_solid = gamma;
            r->ec5.gamma_m_glulam = gamma;
        }
        if (!Nad_Pflege_Add(r.get(), checked)) {
            std::fprintf(stderr, "NAD-Pflege: das neue Anwendungsdokument \"%s\" kann nicht gespeichert werden\n",
                         checked);
            return NAD_PFLEGE_FAILED;
        }
        result = NAD_PFLEGE_CHANGED;
    }
    return result;
}
