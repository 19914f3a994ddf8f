// Fuzzes the reader of connection descriptions, then designs whatever it read
// under both rule sets: no input may crash the reader or the design.
#include <cstddef>
#include <cstdint>

#include "connections/conndesc.h"
#include "connections/conndesign.h"
#include "nad/nadec5.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ConnectionInput input;
    int line = 0;
    char message[96];
    if (Conn_Read_Description(reinterpret_cast<const char*>(data), size, &input, &line, message, sizeof message))
        return 0;
    ConnectionResult result;
    ActiveNadEc5 = nullptr;
    Conn_Design(input, &result);
    Conn_Axial_Design(input, &result);
    static NadEc5Record annex;
    Nad_Default_Ec5(&annex);
    annex.na_de = 1;
    ActiveNadEc5 = &annex;
    Conn_Design(input, &result);
    ActiveNadEc5 = nullptr;
    return 0;
}
