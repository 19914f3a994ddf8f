// Fuzzes the readers of the host's export files and the force tool's answers:
// objects, header objects, keyed records, parameter heads and vectors, and the
// single and multi-cut result files. The first byte chooses the reader (and for
// the multi-cut file the number of cuts); the rest is the file's content.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz/fuzzfile.h"
#include "hostenv/kovbeamcut.h"
#include "hostenv/kovexport.h"
#include "hostenv/kovparam.h"

namespace {

void read_objects(FILE* f)
{
    // A file holds objects one after the other; stop at the first that fails.
    for (int i = 0; i < 64; ++i) {
        KovExportObject* obj = Kxp_Read_Object(f);
        if (!obj) break;
        Kxp_Get_Int(obj, 0, 0);
        Kxp_Get_Double(obj, 0, 0);
        Kxp_Get_String(obj, 0, 0);
        Kxp_Get_Object_Comment(obj);
        Kxp_Free_Object(obj);
    }
}

void read_keyed(FILE* f)
{
    const int any[7] = {-1, -1, -1, -1, -1, -1, -1};
    KxpKeyedRecord* r = Kxp_New_Keyed_Record();
    if (!r) return;
    for (int i = 0; i < 64; ++i) {
        if (!Kxp_Read_Keyed_Record(f, any, r)) break;
        Kxp_Keyed_Get_Int(r, 0);
        Kxp_Keyed_Get_Double(r, 0);
        Kxp_Keyed_Get_String(r, 0);
        Kxp_Record_Component_Table(r);
    }
    Kxp_Free_Keyed_Record(r);
}

void read_params(FILE* f, int flags)
{
    ParamHead h;
    Par_Head_Init(&h);
    Par_Head_Read(f, &h);
    Par_Head_Free(&h);
    ParamVector v;
    Par_Vector_Init(&v);
    Par_Vector_Read(f, 3, 4, 2, &v, flags);
    Par_Vector_Free(&v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const unsigned choice = data[0];
    FILE* f = fuzz::Open_Input("hostenv_fuzz", data + 1, size - 1);
    if (!f) return 0;
    switch (choice % 6) {
        case 0: read_objects(f); break;
        case 1: {
            KovExportObject* hdr = Kxp_Read_Header_Object(f);
            if (hdr) Kxp_Free_Object(hdr);
            break;
        }
        case 2: read_keyed(f); break;
        case 3: read_params(f, (choice / 6) & 3); break;
        case 4: {
            BeamCutRowSet set = {};
            BeamCut_Read_Multi_Result(f, 1 + (choice / 6) % 10, &set);
            for (int r = -1; r <= set.row_count; ++r) BeamCut_Row_Set_Row(&set, r);
            BeamCut_Free_Row_Set(&set);
            break;
        }
        default: {
            BeamCutRowSet set = {};
            BeamCut_Read_Single_Result(f, &set);
            BeamCut_Free_Row_Set(&set);
            break;
        }
    }
    std::fclose(f);
    return 0;
}
