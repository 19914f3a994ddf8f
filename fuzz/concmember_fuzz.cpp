// Fuzzes the readers of concrete member materials in versioned data files. The
// first byte of the input chooses the mode (0 DIN, 1 and 2 Eurocode) and the
// reader; the rest is the file's content.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "base/kovdat.h"
#include "materials/concmember.h"
#include "materials/concrete.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    FILE* f = std::tmpfile();
    if (!f) return 0;
    std::fwrite(data + 1, 1, size - 1, f);
    std::rewind(f);
    Dat_Reset();
    if (Dat_Begin_Read(f, 1.0) == 0) {
        const int mode = data[0] % 3;
        ConcreteMemberMaterial m;
        Member_Material_Init(&m, mode);
        switch ((data[0] / 3) % 4) {
            case 0: Member_Material_Read(&m, mode); break;
            case 1: Concrete_Grade_Read(&m.concrete); break;
            case 2: Rebar_Grade_Read(&m.bending_steel); break;
            default: {
                MaterialSafetyFactors s;
                Material_Safety_Factors_Set(0, 0, &s);
                Material_Safety_Factors_Read(&s);
            }
        }
        // What was read must print: names terminated, values formatted.
        Member_Material_Oli_Page(nullptr, m, mode, "x");
        FILE* sink = std::fopen("/dev/null", "w");
        if (sink) {
            Member_Material_Oli_Page(sink, m, mode, "x");
            std::fclose(sink);
        }
    }
    Dat_Reset();
    std::fclose(f);
    return 0;
}
