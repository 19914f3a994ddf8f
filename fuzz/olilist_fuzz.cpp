// Fuzzes the readers of the output-list services: the position file (both
// layouts), «»-texts and the table of the table window. The first byte of
// the input chooses the reader; the rest is the file's content.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "fuzz/fuzzfile.h"
#include "output/iolilist.h"
#include "platform/kovscript.h"
#include "platform/olitable.h"

namespace {

std::string path_of()
{
    const std::string& dir = fuzz::Work_Dir("olilist_fuzz");
    return dir.empty() ? std::string() : dir + "/position";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    const int which = data[0] % 3;
    if (which == 0) {
        const std::string path = path_of();
        FILE* f = path.empty() ? nullptr : std::fopen(path.c_str(), "wb");
        if (!f) return 0;
        std::fwrite(data + 1, 1, size - 1, f);
        std::fclose(f);
        Oli_Read_Position_File_Path(path.c_str());
        return 0;
    }
    FILE* f = std::tmpfile();
    if (!f) return 0;
    std::fwrite(data + 1, 1, size - 1, f);
    std::rewind(f);
    if (which == 1) {
        char buf[101];
        while (Oli_Read_Guillemet_Text(f, buf) == 0) {}
    } else {
        OLITable* t = readOLITableFromFILE(f);
        OLITablePropSheet("Fehlermeldungen", 0, t, nullptr);
        deleteOLITable(t);
        Kov_Script_Reset();
    }
    std::fclose(f);
    return 0;
}
