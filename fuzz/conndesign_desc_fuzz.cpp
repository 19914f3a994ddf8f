// Fuzzes the complete reading of a connection description as the conndesign
// tool does it (fields, decimal commas, required fields), the input check and
// then both entries under both rule sets: no input may crash them, and every
// result of a design that accepts the input is a finite, non-negative number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>

#include "connections/conndesc.h"
#include "connections/conndesign.h"
#include "nad/nadactive.h"
#include "nad/nadfile.h"

namespace {

void Expect_Sound(int code, const ConnectionResult& r)
{
    if (code) return;
    const double values[] = {r.fvk, r.fvd, r.fvk_total, r.fvd_total, r.faxk, r.faxd, r.rope_share, r.kser};
    for (double v : values)
        if (!std::isfinite(v) || v < 0.0) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* text = reinterpret_cast<const char*>(data);
    ConnectionInput input;
    int line = 0;
    char message[160];
    for (int axial : {0, 1}) {
        if (Conn_Read_Description_Complete(text, size, axial, &input, &line, message, sizeof message)) continue;
        const char* field = nullptr;
        if (Conn_Check_Input(input, &field)) continue;
        static NadRecord annex;
        Nad_Default_Blocks(&annex);
        annex.na_de = 1;
        for (NadRecord* rules : {static_cast<NadRecord*>(nullptr), &annex}) {
            Nad_Publish_Blocks(rules);
            ConnectionResult result;
            Expect_Sound(axial ? Conn_Axial_Design(input, &result) : Conn_Design(input, &result), result);
        }
        Nad_Publish_Blocks(nullptr);
    }
    return 0;
}
