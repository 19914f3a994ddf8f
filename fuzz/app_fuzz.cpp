// Fuzzes the step-joint program's readers: the position's input file (with a
// read, write, read, write round trip that must give the same bytes), its
// annex-name file and the position's title file. The first byte chooses the
// reader; the rest is the file's content.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "fuzz/fuzzfile.h"
#include "nad/nadlist.h"

namespace {

const char kTag[] = "app_fuzz";

void input_round_trip(const std::string& input)
{
    const std::string dir = fuzz::Work_Dir(kTag);
    NELU52_DATA first;
    // A damaged file (2) is read as far as it goes and written back whole.
    if (first.read_file(input.c_str(), nullptr) == 1) return;
    const std::string a = dir + "/a.inp";
    const std::string b = dir + "/b.inp";
    if (first.write_file(a.c_str(), nullptr) != 0) return;
    NELU52_DATA second;
    // What the first read kept from a damaged file (a "frei" k_mod outside
    // its range) is reported again; everything else reads back cleanly.
    if (second.read_file(a.c_str(), nullptr) == 1) {
        std::fprintf(stderr, "an input file written by the program does not read back\n");
        std::abort();
    }
    if (second.write_file(b.c_str(), nullptr) != 0) return;
    fuzz::Require_Same(fuzz::Read_File(a), fuzz::Read_File(b), "input file");
    // Both positions must still calculate without a crash.
    second.cal_nachweise();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& dir = fuzz::Work_Dir(kTag);
    if (size < 1 || dir.empty()) return 0;
    unsetenv("DATA");
    unsetenv("DRAM");
    const unsigned choice = data[0] % 3;
    const std::string path = dir + "/position";
    if (!fuzz::Write_File(path, data + 1, size - 1)) return 0;
    switch (choice) {
        case 0: input_round_trip(path); break;
        case 1: {
            // A short input file, then the annex-name file under test.
            const std::string input = dir + "/short.inp";
            const uint8_t version[] = {'3', '\n'};
            if (!fuzz::Write_File(input, version, sizeof version)) return 0;
            NELU52_DATA d;
            d.read_file(input.c_str(), path.c_str());
            Nad_Reset_Annex_State();
            break;
        }
        default: Nelu52_Read_Title(path.c_str()); break;
    }
    return 0;
}
