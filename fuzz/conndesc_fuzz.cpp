// Fuzzes the reader of connection descriptions, then designs whatever it read
// under both rule sets: no input may crash the reader or the design.
#include <cstddef>
#include <cstdint>

#include "connections/conndesc.h"
#include "connections/conndesign.h"
#include "nad/nadactive.h"
#include "nad/nadfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ConnectionInput input;
    int line = 0;
    char message[96];
    if (Conn_Read_Description(reinterpret_cast<const char*>(data), size, &input, &line, message, sizeof message))
        return 0;
    ConnectionResult result;
    Nad_Publish_Blocks(nullptr);
    Conn_Design(input, &result);
    Conn_Axial_Design(input, &result);
    static NadRecord annex;
    Nad_Default_Blocks(&annex);
    annex.na_de = 1;
    Nad_Publish_Blocks(&annex);
    Conn_Design(input, &result);
    Nad_Publish_Blocks(nullptr);
    return 0;
}
