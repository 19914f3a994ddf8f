// Fuzzes the base readers of outside files: versioned data files, guillemet
// texts and delimited strings, text blocks, line and number readers, and the
// VERSION file of a program directory. The first byte chooses the reader; the
// rest is the file's content.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "base/kovdat.h"
#include "base/kovfile.h"
#include "base/kovmem.h"
#include "base/kovtxt.h"
#include "base/kovversion.h"
#include "fuzz/fuzzfile.h"

namespace {

void read_data_file(FILE* f)
{
    if (Dat_Begin_Read(f, 9.99) != 0) return;
    char text[DAT_TEXT_SIZE];
    double d = 0;
    int i = 0;
    char c = 0;
    char* counted = nullptr;
    // A record of every field type, a nested structure version and a
    // counted string, as the program's records are written.
    for (int round = 0; round < 4; ++round) {
        if (Dat_Read_Field(&d, 'd', 0.0, 1.5)) break;
        if (Dat_Read_Field(&i, 'i', 0.0, 2.0)) break;
        if (Dat_Read_Field(&c, 'c', 0.0, 0.0)) break;
        if (Dat_Read_Field(text, 's', 0.0, 0.0)) break;
        if (Dat_Read_Field(text, 't', 1.0, 0.0)) break;
        if (Dat_Push_Version(9.99) == 0) {
            Dat_Read_String(text, 0.5, "leer");
            Dat_Read_Counted_String(&counted, 0.0, nullptr);
            Dat_Read_Int_Since(2.0, 3.0);
            Dat_Pop_Version();
        }
    }
    Mem_Free_Null(reinterpret_cast<void**>(&counted));
}

void read_texts(FILE* f)
{
    char buf[256];
    for (int k = 0; k < 16 && !std::feof(f); ++k) {
        Txt_Read_Guillemets(f, buf);
        Txt_Read_Guillemets255(f, buf);
        Txt_Read_Delimited(f, buf, 17, '(', ')');
    }
}

void read_blocks(FILE* f)
{
    for (int k = 0; k < 16; ++k) {
        char* t = Txb_Read(f);
        if (!t) break;
        Txb_Free(t);
    }
}

void read_numbers(FILE* f, unsigned variant)
{
    char line[64];
    double v[8];
    int n[8];
    for (int k = 0; k < 32 && !std::feof(f); ++k) {
        switch ((variant + k) % 5) {
            case 0: Txt_Read_Line(f, line, sizeof line); break;
            case 1: Read_Line_Doubles(f, v, 8); break;
            case 2: Read_Line_Ints(f, n, 8); break;
            case 3: Read_Doubles(f, v, 8); break;
            default: Read_Ints(f, n, 8); break;
        }
    }
}

// "<EXEC>\PROG\VERSION" made from the input.
void read_version(const uint8_t* data, size_t size)
{
    const std::string& dir = fuzz::Work_Dir("base_fuzz");
    if (dir.empty()) return;
    const std::string exec = dir + "/exec";
    mkdir(exec.c_str(), 0700);
    mkdir((exec + "/PROG").c_str(), 0700);
    if (!fuzz::Write_File(exec + "/PROG/VERSION", data, size)) return;
    setenv("EXEC", exec.c_str(), 1);
    Read_Version_File("PROG");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const unsigned choice = data[0];
    if (choice % 5 == 4) {
        read_version(data + 1, size - 1);
        return 0;
    }
    FILE* f = fuzz::Open_Input("base_fuzz", data + 1, size - 1);
    if (!f) return 0;
    switch (choice % 5) {
        case 0: read_data_file(f); break;
        case 1: read_texts(f); break;
        case 2: read_blocks(f); break;
        default: read_numbers(f, choice / 5); break;
    }
    std::fclose(f);
    return 0;
}
