// Fuzzes the readers of annex files: an annex file (with a write, read, write
// round trip that must give the same bytes), the ACTIV_NADNAME block of other
// programs' data files, the EC1 wind and snow definitions and value sets, the
// program descriptions APP*.DEF and the migration of the old single annex
// file. The first byte chooses the reader; the rest is the file's content.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>

#include "fuzz/fuzzfile.h"
#include "nad/nadec1.h"
#include "nad/nadfile.h"
#include "nad/nadlist.h"
#include "nad/nadprog.h"
#include "nad/nadselect.h"

namespace {

const char kTag[] = "nad_fuzz";

struct Record {
    std::unique_ptr<NadRecord> r{new NadRecord()};
    Record() { Nad_Default_Blocks(r.get()); }
    ~Record() { Nad_Free_Ec1_Tables(&r->ec1); }
};

std::string written(const NadRecord* r, const char* name)
{
    const std::string path = fuzz::Work_Dir(kTag) + "/" + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return std::string();
    Nad_Write_File(f, r);
    std::fclose(f);
    return fuzz::Read_File(path);
}

void annex_round_trip(FILE* f)
{
    Record first;
    if (!Nad_Read_File(f, first.r.get())) return;
    const std::string a = written(first.r.get(), "a.NAD");
    Record second;
    FILE* back = std::fopen((fuzz::Work_Dir(kTag) + "/a.NAD").c_str(), "rb");
    if (!back) return;
    const int read = Nad_Read_File(back, second.r.get());
    std::fclose(back);
    if (!read) {
        std::fprintf(stderr, "an annex file written by the program does not read back\n");
        std::abort();
    }
    fuzz::Require_Same(a, written(second.r.get(), "b.NAD"), "annex file");
}

// dir/sub made (folders as needed) and holding the input as file name.
std::string put(const char* sub, const char* name, const uint8_t* data, size_t size)
{
    const std::string dir = fuzz::Work_Dir(kTag) + "/" + sub;
    mkdir(dir.c_str(), 0700);
    std::string path = dir;
    if (std::string(name).find('/') != std::string::npos) {
        const std::string folder = dir + "/" + std::string(name).substr(0, std::string(name).find('/'));
        mkdir(folder.c_str(), 0700);
    }
    path += "/";
    path += name;
    fuzz::Write_File(path, data, size);
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || fuzz::Work_Dir(kTag).empty()) return 0;
    const unsigned choice = data[0] % 7;
    ++data;
    --size;
    switch (choice) {
        case 0: {
            FILE* f = fuzz::Open_Input(kTag, data, size);
            if (!f) return 0;
            annex_round_trip(f);
            std::fclose(f);
            break;
        }
        case 1: {
            // The block names an annex that is then activated from the supplied files.
            setenv("DATA", KOV_DATA_DIR, 1);
            unsetenv("DRAM");
            FILE* f = fuzz::Open_Input(kTag, data, size);
            if (!f) return 0;
            Nad_Read_Activ_Nadname(f);
            std::fclose(f);
            Nad_Reset_Annex_State();
            break;
        }
        case 2: {
            NadEc1Tables t = {};
            FILE* f = fuzz::Open_Input(kTag, data, size);
            if (!f) return 0;
            Nad_Read_Ec1_Tables(f, &t);
            std::fclose(f);
            Nad_Free_Ec1_Tables(&t);
            break;
        }
        case 3: {
            setenv("DATA", put("data", "NAD/WUSL-Tabs.def", data, size).c_str(), 1);
            NadEc1Tables t = {};
            Nad_Read_Ec1_Definitions(&t);
            Nad_Free_Ec1_Tables(&t);
            break;
        }
        case 4: {
            const std::string dir = put("values", "WUSL-Tabs.val", data, size);
            NadEc1Tables t = {};
            Nad_Read_Ec1_Definitions(&t);
            Nad_Find_Ec1_Set((dir + "/WUSL-Tabs.val").c_str(), "EC-Standardparameter", &t);
            Nad_Free_Ec1_Tables(&t);
            break;
        }
        case 5: {
            setenv("EXEC", put("exec", "PROG/APP0073.DEF", data, size).c_str(), 1);
            Nad_Scan_Programs();
            Nad_Program_List();
            Nad_Rule_Masks_Used();
            Nad_Reset_Programs();
            break;
        }
        default: {
            // The old single file in DRAM, moved into numbered files under NADS.
            // A fresh folder each time: the move happens only once per folder.
            const std::string old = fuzz::Work_Dir(kTag) + "/dram";
            if (std::system(("rm -rf '" + old + "'").c_str()) != 0) return 0;
            const std::string dram = put("dram", "NADs-EC2.DEF", data, size);
            setenv("DRAM", dram.c_str(), 1);
            Safeguard_Proper_Version();
            unsetenv("DRAM");
            break;
        }
    }
    return 0;
}
