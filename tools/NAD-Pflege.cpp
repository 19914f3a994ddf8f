// Stand-in of the host's annex editor.
//
//   NAD-Pflege <active annex name>
//
// Keeps the user's annexes as the numbered annex files of %DRAM%\NADS (1.NAD,
// 2.NAD, ... without gaps). What the user does in the editor is prepared in
// environment variables:
//   KOV_NAD_PFLEGE_LOESCHE=<n>      removes user annex n; the annexes after it
//                                   move down one number, so none gets lost
//   KOV_NAD_PFLEGE_NEU=<name>       adds a user annex under the next free
//                                   number: a copy of the annex named on the
//                                   command line (Deutschland when that is not
//                                   known) with this name (code page 850 bytes,
//                                   cut to the 27 bytes an annex name holds)
//   KOV_NAD_PFLEGE_GAMMA_M=<value>  in that new annex, gamma_M of solid timber
//                                   and of glulam
//   KOV_NAD_PFLEGE_ARGS=<file>      receives every argument, one a line
// A removal runs before an addition. Exit code 0 when an annex was added or
// removed, 1 when nothing changed (the user closed the editor), 2 on a usage
// error or when the change could not be made.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "nad/nadfile.h"
#include "nad/nadlist.h"
#include "platform/kovpath.h"

namespace {

void write_args(int argc, char** argv)
{
    const char* out = std::getenv("KOV_NAD_PFLEGE_ARGS");
    if (!out || !*out) return;
    const std::string tmp = std::string(out) + ".part";
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return;
    for (int i = 1; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
    if (std::fclose(f) == 0) std::rename(tmp.c_str(), out);
}

std::string user_file(const char* dram, int n)
{
    return Kov_Path((std::string(dram) + "\\NADS\\" + std::to_string(n) + ".NAD").c_str());
}

bool exists(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

// Number of user annexes: files 1.NAD, 2.NAD, ... up to the first missing one.
int user_count(const char* dram)
{
    int n = 0;
    while (exists(user_file(dram, n + 1))) ++n;
    return n;
}

bool remove_annex(const char* dram, int number)
{
    const int last = user_count(dram);
    if (number < 1 || number > last) return false;
    if (!Nad_Store_User_Nad(number, nullptr)) return false;
    for (int k = number + 1; k <= last; ++k)
        if (std::rename(user_file(dram, k).c_str(), user_file(dram, k - 1).c_str()) != 0) return false;
    return true;
}

bool add_annex(const char* dram, const char* base_name, const char* new_name)
{
    static NadRecord r;
    Nad_Default_Ec0(&r.ec0);
    Nad_Default_Ec2(&r.ec2);
    Nad_Default_Ec3(&r.ec3);
    Nad_Default_Ec5(&r.ec5);
    Nad_Default_Ec6(&r.ec6);
    Nad_Default_Ec9(&r.ec9);
    r.flag_index = NAD_FLAG_GERMANY;
    r.user_defined = 1;
    r.na_de = 1;

    // The annex to copy: a listed name, else the German annex.
    Nad_Build_List();
    int found = 1;
    for (int i = 0; i < NadList.count && i < NAD_LIST_MAX; ++i)
        if (NadList.names[i] && base_name && std::strcmp(NadList.names[i], base_name) == 0) {
            found = i;
            break;
        }
    const int u = NadList.user_number[found];
    Nad_Load(u, found == 0 ? "Standard" : "Deutschland", &r);
    r.flag_index = NadList.flag_index[found];

    std::strncpy(r.name, new_name, NAD_NAME_SIZE - 1);
    r.name[NAD_NAME_SIZE - 1] = '\0';

    const char* gamma = std::getenv("KOV_NAD_PFLEGE_GAMMA_M");
    if (gamma && *gamma) {
        char* end = nullptr;
        const double g = std::strtod(gamma, &end);
        if (end != gamma && g > 0.0) {
            r.ec5.gamma_m_solid = g;
            r.ec5.gamma_m_glulam = g;
        }
    }
    return Nad_Store_User_Nad(user_count(dram) + 1, &r) == 1;
}

} // namespace

int main(int argc, char** argv)
{
    write_args(argc, argv);
    if (argc != 2) return 2;
    const char* dram = std::getenv("DRAM");
    if (!dram || !*dram) return 2;

    int rc = 1;
    const char* loesche = std::getenv("KOV_NAD_PFLEGE_LOESCHE");
    if (loesche && *loesche) {
        if (!remove_annex(dram, std::atoi(loesche))) return 2;
        rc = 0;
    }
    const char* neu = std::getenv("KOV_NAD_PFLEGE_NEU");
    if (neu && *neu) {
        if (!add_annex(dram, argv[1], neu)) return 2;
        rc = 0;
    }
    return rc;
}
