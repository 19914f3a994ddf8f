// Fuzzes the reader of the picture-information tool's answer: the keyword, the
// picture's name in «», its size in pixels, a value and two factors.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "fuzz/fuzzfile.h"
#include "output/iolipara.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = fuzz::Open_Input("picinfo_fuzz", data, size);
    if (!f) return 0;
    OliPictureInfo info;
    Oli_Read_Picture_Info(f, &info);
    std::fclose(f);
    if (::strnlen(info.name, sizeof info.name) == sizeof info.name) __builtin_trap();
    // What was read can be written again.
    FILE* out = std::fopen((fuzz::Work_Dir("picinfo_fuzz") + "/out").c_str(), "wb");
    if (!out) return 0;
    Oli_Write_Picture_Info(out, &info);
    std::fclose(out);
    return 0;
}
