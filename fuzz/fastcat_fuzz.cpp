// Fuzzes the readers of the fastener product data files. The first byte of the
// input chooses the file (and so its reader and column layout); the rest is
// the file's content. Every accessor is then walked over what was loaded.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "materials/fastcat.h"
#include "platform/kovhost.h"

namespace {

struct Target {
    const char* file;
    int (*read)(void);
    int type;
};

const Target kTargets[] = {
    {"ec5_nagel.dat", Catalogue_Read_Nagel, 0},
    {"ec5_klammer.dat", Catalogue_Read_Klammer, 1},
    {"ec5_schraube.dat", Catalogue_Read_Schraube, 2},
    {"ec5_spax_s_tg.dat", Catalogue_Read_Spax_S_Tg, 11},
    {"ec5_spax_t_tg.dat", Catalogue_Read_Spax_T_Tg, 12},
    {"ec5_spax_s_vg.dat", Catalogue_Read_Spax_S_Vg, 13},
    {"ec5_assy_plus_vg_z.dat", Catalogue_Read_Assy_Vg_Z, 14},
    {"ec5_assy_plus_vg_s.dat", Catalogue_Read_Assy_Vg_S, 15},
    {"ec5_sondernagel.dat", Catalogue_Read_Sondernagel, 16},
    {"ec5_simpson_cna.dat", Catalogue_Read_Simpson_Cna, 45},
    {"ec5_simpson_csa.dat", Catalogue_Read_Simpson_Csa, 46},
    {"ec5_ringduebel_a1.dat", Catalogue_Read_Ringduebel_A1, 25},
    {"ec5_schduebel_c1.dat", Catalogue_Read_Schduebel_C1, 26},
    {"ec5_schduebel_c5.dat", Catalogue_Read_Schduebel_C5, 27},
    {"ec5_schduebel_c10.dat", Catalogue_Read_Schduebel_C10, 28},
    {"ec5_schduebel_B1.dat", Catalogue_Read_Schduebel_B1, 31},
    {"ec5_schduebel_c2.dat", Catalogue_Read_Schduebel_C2, 32},
    {"ec5_schduebel_c11.dat", Catalogue_Read_Schduebel_C11, 33},
};
const int kTargetCount = int(sizeof kTargets / sizeof kTargets[0]);

const std::string& Work_Dir()
{
    static std::string dir;
    if (dir.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/fastcat_fuzz_XXXXXX";
        if (mkdtemp(&pattern[0])) dir = pattern;
    }
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || Work_Dir().empty()) return 0;
    const Target& t = kTargets[data[0] % kTargetCount];
    const std::string path = Work_Dir() + "/" + t.file;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data + 1, 1, size - 1, f);
    std::fclose(f);

    Catalogue_Reset();
    Set_CurOb_Privat_Datapath(Work_Dir().c_str());
    t.read();
    t.read(); // a second call: loaded, or tried again
    const int n = Fastener_Product_Count(t.type);
    int count = 0;
    for (int p = -1; p <= n; ++p) {
        Fastener_Diameter(t.type, p);
        Fastener_Value_By_Key(t.type, p, "n_l");
        Connector_Value_By_Key(t.type, p, "he");
        const int nl = Fastener_Length_Count(t.type, p);
        for (int i = -1; i <= nl; ++i) {
            Fastener_Length(t.type, p, i);
            Fastener_Length_Value(t.type, p, i);
        }
        Fastener_Find_Length(t.type, p, 60.0);
        Fastener_Length_Choice_List(t.type, p, 0, &count);
    }
    Fastener_Find_Diameter(t.type, 4.0);
    Fastener_Diameter_Choice_List(t.type, 0, &count);
    Fastener_Diameter_Choice_List_2(t.type, 0, &count);
    std::remove(path.c_str());
    return 0;
}
