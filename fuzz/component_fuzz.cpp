// Fuzzes the reader of the component-selection tool's answer file: numbers,
// six «»-fields, the packed flag and the archive's name, each into a field of
// fixed size.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "fuzz/fuzzfile.h"
#include "hostenv/kovtools.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = fuzz::Open_Input("component_fuzz", data, size);
    if (!f) return 0;
    KovComponentSelection c;
    std::memset(&c, 0, sizeof c);
    if (Kov_Read_Component_Answer(f, &c)) {
        // Every field a caller prints must be a terminated string.
        const char* fields[] = {c.name, c.text2, c.text3, c.path, c.text5, c.text6, c.archive};
        const size_t sizes[] = {sizeof c.name,  sizeof c.text2, sizeof c.text3,  sizeof c.path,
                                sizeof c.text5, sizeof c.text6, sizeof c.archive};
        for (size_t i = 0; i < sizeof fields / sizeof fields[0]; ++i)
            if (::strnlen(fields[i], sizes[i]) == sizes[i]) __builtin_trap();
    }
    std::fclose(f);
    return 0;
}
