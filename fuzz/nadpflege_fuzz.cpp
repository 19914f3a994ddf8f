// Fuzzes what NAD-Pflege takes from outside: the partial factor a host script
// gives in KOV_NAD_PFLEGE_GAMMA_M, and a user annex file loaded through the
// range check. The first byte chooses; the rest is the text or the file. A
// value let through must be finite and inside its range.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>

#include "fuzz/fuzzfile.h"
#include "nad/nadfile.h"
#include "nad/nadrange.h"
#include "tools/nadpflege/nadpflege.h"

namespace {

const char kTag[] = "nadpflege_fuzz";

void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || fuzz::Work_Dir(kTag).empty()) return 0;
    const unsigned choice = data[0] % 2;
    ++data;
    --size;
    if (choice == 0) {
        const std::string text(reinterpret_cast<const char*>(data), size);
        double g = 0.0;
        std::string why;
        const int r = Nad_Pflege_Gamma_M(text.c_str(), &g, &why);
        if (r > 0 && !(std::isfinite(g) && g >= 1.0 && g <= 5.0)) fail("gamma_M let through outside its range");
        if (r < 0 && why.empty()) fail("gamma_M refused without a reason");
        return 0;
    }
    // A user annex file 1.NAD in a DRAM of its own.
    const std::string dram = fuzz::Work_Dir(kTag) + "/dram";
    mkdir(dram.c_str(), 0700);
    mkdir((dram + "/NADS").c_str(), 0700);
    if (!fuzz::Write_File(dram + "/NADS/1.NAD", data, size)) return 0;
    setenv("DRAM", dram.c_str(), 1);
    std::unique_ptr<NadRecord> r(new NadRecord());
    Nad_Default_Blocks(r.get());
    if (Nad_Load(1, nullptr, r.get()) && !Nad_Check_Record(r.get(), nullptr))
        fail("an annex file with a value outside its range was loaded");
    Nad_Free_Ec1_Tables(&r->ec1);
    unsetenv("DRAM");
    return 0;
}
