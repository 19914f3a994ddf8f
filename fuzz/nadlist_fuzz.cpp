// Fuzzes the reading of the user's own annexes: the list of annexes takes the
// flag and the name from the head of each numbered file under DRAM "\NADS",
// and an annex chosen from it is then loaded by its number and activated.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>

#include "fuzz/fuzzfile.h"
#include "nad/nadec1.h"
#include "nad/nadfile.h"
#include "nad/nadlist.h"
#include "nad/nadselect.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& dir = fuzz::Work_Dir("nadlist_fuzz");
    if (dir.empty()) return 0;
    const std::string nads = dir + "/NADS";
    mkdir(nads.c_str(), 0700);
    // Two user annexes: the input, and the same bytes again.
    if (!fuzz::Write_File(nads + "/1.NAD", data, size) || !fuzz::Write_File(nads + "/2.NAD", data, size)) return 0;
    setenv("DRAM", dir.c_str(), 1);
    setenv("DATA", KOV_DATA_DIR, 1);
    Nad_Reset_Annex_State();
    Nad_Build_List();
    std::unique_ptr<NadRecord> r(new NadRecord());
    Nad_Load(1, nullptr, r.get());
    Nad_Free_Ec1_Tables(&r->ec1);
    // The list's third entry is the first user annex.
    if (NadList.count > 2 && NadList.names[2]) Nad_Select_By_Name(NadList.names[2]);
    Nad_Reset_Annex_State();
    return 0;
}
