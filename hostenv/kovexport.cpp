// Export blocks of the host: reading and writing the objects (parameter head and vector,
// comment, kind data) that hand member cuts and results between programs, and finding them.
#include "hostenv/kovexport.h"

#include <cstring>

#include "base/kovmem.h"
#include "base/kovtxt.h"
#include "base/ptrarr.h"
#include "platform/kovhost.h"

#define KXP_MALLOC(n) Mem_Malloc_Tagged(__FILE__, __LINE__, "null", (n))
#define KXP_FREE(p) Mem_Free_Tagged(__FILE__, __LINE__, "null", (p))

const KxpObjectOps Kxp_Param_Ops = {1, Kxp_Param_Data_Create, Kxp_Param_Data_Destroy, Kxp_Param_Data_Read,
                                    Kxp_Param_Data_Write};

namespace {

char g_empty[1] = {0};

// 0x89 is the per mille sign; 0xC1 and 0xD3 are the list font's η and ζ.
const KxpComponentEntry kMemberEntries[13] = {
    {"ul", "mm", 0},       {"um", "mm", 1},       {"un", "mm", 2},    {"vl", "\x89", 3},  {"vm", "\x89", 4},
    {"vn", "\x89", 5},     {"N", "kN", 6},        {"V\xC1", "kN", 7}, {"V\xD3", "kN", 8}, {"T", "kN/m", 9},
    {"M\xC1", "kN/m", 10}, {"M\xD3", "kN/m", 11}, {"kmod", "-", 24},
};
const KxpComponentEntry kNodeEntries[13] = {
    {"ur", "mm", 12},    {"us", "mm", 13},    {"ut", "mm", 14},  {"vr", "\x89", 15}, {"vs", "\x89", 16},
    {"vt", "\x89", 17},  {"APr", "kN", 18},   {"APs", "kN", 19}, {"APt", "kN", 20},  {"AMr", "kN/m", 21},
    {"AMs", "kN/m", 22}, {"AMt", "kN/m", 23}, {"kmod", "-", 24},
};
const KxpComponentTable kMemberTable = {2, 13, kMemberEntries};
const KxpComponentTable kNodeTable = {2, 13, kNodeEntries};

KovExportObject* new_empty_object()
{
    auto* o = static_cast<KovExportObject*>(KXP_MALLOC((int)sizeof(KovExportObject)));
    if (!o) return nullptr;
    Par_Head_Init(&o->head);
    Par_Vector_Init(&o->values);
    o->ops = nullptr;
    o->data = nullptr;
    o->object_comment = nullptr;
    return o;
}

const char* const kSections[5] = {"#KXP_??????", "#KXP_HEADER", "#KXP_EINWNCHW", "#KXP_OBJECTS", "#KXP_PARAM"};

KovExportObject* g_end_object = nullptr;

} // namespace

KovExportObject* Kxp_New_Object(int type, int number, int id, const char* name, int kind, void* data)
{
    KovExportObject* o = new_empty_object();
    if (!o) return nullptr;
    if (!Par_Head_Set(type, number, id, name, &o->head)) {
        Kxp_Free_Object(o);
        return nullptr;
    }
    if (kind == 1) {
        o->ops = &Kxp_Param_Ops;
        o->data = data ? data : o->ops->create(o);
        if (!o->data) {
            Kxp_Free_Object(o);
            return nullptr;
        }
    } else {
        o->data = data;
    }
    return o;
}

void Kxp_Free_Object(KovExportObject* obj)
{
    if (!obj) return;
    if (obj->ops && obj->data) obj->ops->destroy(obj->data, obj->ops);
    Par_Head_Free(&obj->head);
    Par_Vector_Free(&obj->values);
    if (obj->object_comment) KXP_FREE(obj->object_comment);
    KXP_FREE(obj);
}

KovExportObject* Kxp_Read_Object(FILE* f)
{
    if (!f) return nullptr;
    KovExportObject* o = new_empty_object();
    if (!o) return nullptr;
    int kind = 0;
    if (!Par_Head_Read(f, &o->head) || std::fscanf(f, " %d", &kind) != 1) {
        Kxp_Free_Object(o);
        return nullptr;
    }
    bool has_comment = (kind & KXP_COMMENT_BIT) != 0;
    kind &= ~KXP_COMMENT_BIT;
    if (!Par_Vector_Read(f, 0, 0, 0, &o->values, 1)) {
        Kxp_Free_Object(o);
        return nullptr;
    }
    if (has_comment) {
        o->object_comment = Txb_Read(f);
        Txt_Find_Keyword_Line(f, "#KXP_OBJECT_EOC", 0);
    }
    if (kind == 1) {
        o->ops = &Kxp_Param_Ops;
        o->data = o->ops->read(f, o);
        Txt_Find_Keyword_Line(f, "#KXP_OBJECT_EOD", 0);
    } else if (kind != 0) {
        // Data of kinds this library does not know is passed over.
        Txt_Find_Keyword_Line(f, "#KXP_OBJECT_EOD", 0);
    }
    return o;
}

int Kxp_Write_Object(FILE* f, const KovExportObject* obj)
{
    if (!f || !obj) return 0;
    if (std::fprintf(f, "\n") < 0) return 0;
    if (!Par_Head_Write(f, &obj->head)) return 0;
    int kind = obj->ops ? obj->ops->kind : 0;
    if (std::fprintf(f, "%d\n", kind | (obj->object_comment ? KXP_COMMENT_BIT : 0)) < 0) return 0;
    if (!Par_Vector_Write(f, &obj->values)) return 0;
    if (obj->object_comment) {
        Txb_Write(f, obj->object_comment);
        if (std::fprintf(f, "#KXP_OBJECT_EOC\n") < 0) return 0;
    }
    if (obj->ops) {
        if (obj->data && !obj->ops->write(f, obj->data, obj->ops)) return 0;
        if (std::fprintf(f, "\n%s\n", "#KXP_OBJECT_EOD") < 0) return 0;
    }
    return std::ferror(f) ? 0 : 1;
}

int Kxp_Set_Object_Comment(KovExportObject* obj, const char* text)
{
    if (!obj) return 0;
    if (obj->object_comment) KXP_FREE(obj->object_comment);
    obj->object_comment = nullptr;
    if (!text) return 1;
    obj->object_comment = Txb_Copy(text, (int)std::strlen(text));
    return obj->object_comment ? 1 : 0;
}

const char* Kxp_Get_Object_Comment(const KovExportObject* obj) { return obj ? obj->object_comment : nullptr; }

int Kxp_Get_Int(const KovExportObject* obj, int type, int i)
{
    if (!obj || obj->head.type != type) return 0;
    return Par_Vector_Get_Int(&obj->values, i);
}

double Kxp_Get_Double(const KovExportObject* obj, int type, int i)
{
    if (!obj || obj->head.type != type) return 0.0;
    return Par_Vector_Get_Double(&obj->values, i);
}

char* Kxp_Get_String(const KovExportObject* obj, int type, int i)
{
    if (!obj || obj->head.type != type) return g_empty;
    return Par_Vector_Get_String(&obj->values, i);
}

int Kxp_Get_Third_Int(const KovExportObject* obj)
{
    if (!obj || (obj->head.type != KXP_TYPE_BEAMCUT && obj->head.type != KXP_TYPE_SYSTEM)) return 0;
    return Par_Vector_Get_Int(&obj->values, 2);
}

int Kxp_Id_Matches(const void* item, const void* key)
{
    if (!item || !key) return 0;
    const auto* o = static_cast<const KovExportObject*>(item);
    const int* k = static_cast<const int*>(key);
    return k[0] == o->head.id && k[1] == o->head.type;
}

KovExportObject* Find_KOVExportParam_Obj_By_Id(int type, int id, const PtrArr* container)
{
    if (!container) return nullptr;
    int key[2] = {id, type};
    int pos = 0;
    return static_cast<KovExportObject*>(Ptr_Arr_Find_If(container, key, Kxp_Id_Matches, &pos));
}

KovExportObject* Find_KOVExportParam_Obj(const int key[2], const PtrArr* container)
{
    if (!key || !container) return nullptr;
    KovExportObject* o = Find_KOVExportParam_Obj_By_Id(key[1], key[0], container);
    if (!o) Console_Printf("Find_KOVExportParam_Obj: (type=%d, ID=%d) nicht gefunden\n", key[1], key[0]);
    return o;
}

void* Kxp_Param_Data_Create(KovExportObject* obj)
{
    if (!obj) return nullptr;
    auto* d = static_cast<KxpParamData*>(KXP_MALLOC((int)sizeof(KxpParamData)));
    if (!d) return nullptr;
    d->flags = 0;
    Par_Vector_Init(&d->values);
    return d;
}

void Kxp_Param_Data_Destroy(void* data, const KxpObjectOps*)
{
    auto* d = static_cast<KxpParamData*>(data);
    if (!d) return;
    Par_Vector_Free(&d->values);
    KXP_FREE(d);
}

void* Kxp_Param_Data_Read(FILE* f, KovExportObject* obj)
{
    if (!f) return nullptr;
    auto* d = static_cast<KxpParamData*>(Kxp_Param_Data_Create(obj));
    if (!d) return nullptr;
    if (std::fscanf(f, " %d", &d->flags) != 1 || ((d->flags & 1) && !Par_Vector_Read(f, 0, 0, 0, &d->values, 1))) {
        Kxp_Param_Data_Destroy(d, nullptr);
        return nullptr;
    }
    return d;
}

int Kxp_Param_Data_Write(FILE* f, const void* data, const KxpObjectOps*)
{
    const auto* d = static_cast<const KxpParamData*>(data);
    if (!f || !d) return 0;
    if (std::fprintf(f, "%d\n", d->flags) < 0) return 0;
    if ((d->flags & 1) && !Par_Vector_Write(f, &d->values)) return 0;
    return 1;
}

const char* Kxp_Section_Keyword(unsigned index) { return index >= 1 && index <= 4 ? kSections[index] : kSections[0]; }

int Kxp_Write_Section(FILE* f, unsigned index)
{
    if (!f) return 0;
    return std::fprintf(f, "\n%s\n", Kxp_Section_Keyword(index)) < 0 ? 0 : 1;
}

int Kxp_Find_Section(FILE* f, unsigned index, int rewind)
{
    return Txt_Find_Keyword_Line(f, Kxp_Section_Keyword(index), rewind);
}

KovExportObject* Kxp_New_Header_Object(void)
{
    KovExportObject* o = Kxp_New_Object(KXP_TYPE_HEADER, 1, 0, "KOVExportObject_Header", 0, nullptr);
    if (!o) return nullptr;
    const int ints[3] = {1, CurOb_Application_Number(), CurOb_Object_Id()};
    const char* strs[6] = {CurOb_Filername(),   CurOb_Basicname(),     CurOb_Suffixname(),
                           CurOb_Programname(), CurOb_Programstring(), CurOb_Versionstring()};
    if (!Par_Vector_Set_Arrays(&o->values, ints, nullptr, 3, nullptr, nullptr, nullptr, 0, nullptr, strs, nullptr, 6,
                               nullptr)) {
        Kxp_Free_Object(o);
        return nullptr;
    }
    return o;
}

int Kxp_Write_Header_Object(FILE* f, const KovExportObject* hdr)
{
    if (hdr) return Kxp_Write_Object(f, hdr);
    KovExportObject* o = Kxp_New_Header_Object();
    if (!o) return 0;
    int ok = Kxp_Write_Object(f, o);
    Kxp_Free_Object(o);
    return ok;
}

KovExportObject* Kxp_Read_Header_Object(FILE* f)
{
    KovExportObject* o = Kxp_Read_Object(f);
    if (!o) return nullptr;
    if (o->head.type != KXP_TYPE_HEADER || !Par_Vector_Resize(&o->values, 3, 0, 6)) {
        Kxp_Free_Object(o);
        return nullptr;
    }
    return o;
}

int Kxp_Write_End_Object(FILE* f, int block)
{
    if (!g_end_object) g_end_object = Kxp_New_Object(KXP_TYPE_END, block, -1, "End_Of_KOVExportBlock", 0, nullptr);
    if (!g_end_object) return 0;
    g_end_object->head.number = block;
    return Kxp_Write_Object(f, g_end_object);
}

KxpKeyedRecord* Kxp_New_Keyed_Record(void)
{
    auto* r = static_cast<KxpKeyedRecord*>(KXP_MALLOC((int)sizeof(KxpKeyedRecord)));
    if (r) Kxp_Init_Keyed_Record(r);
    return r;
}

int Kxp_Init_Keyed_Record(KxpKeyedRecord* r)
{
    if (!r) return 0;
    for (int& k : r->key) k = -1;
    Par_Vector_Init(&r->values);
    r->reserved1 = r->reserved2 = r->reserved3 = 0;
    r->table = nullptr;
    return 1;
}

int Kxp_Keyed_Resize(KxpKeyedRecord* r, int n_int, int n_double, int n_string)
{
    return r ? Par_Vector_Resize(&r->values, n_int, n_double, n_string) : 0;
}

int Kxp_Keyed_Free_Values(KxpKeyedRecord* r) { return r ? Par_Vector_Free(&r->values) : 0; }

int Kxp_Free_Keyed_Record(KxpKeyedRecord* r)
{
    if (!r) return 0;
    Par_Vector_Free(&r->values);
    KXP_FREE(r);
    return 1;
}

int Kxp_Init_Keyed_Record_Small(KxpKeyedRecordSmall* r)
{
    if (!r) return 0;
    for (int& k : r->key) k = -1;
    return Par_Vector_Init(&r->values);
}

int Kxp_Keyed_Small_Resize(KxpKeyedRecordSmall* r, int n_int, int n_double, int n_string)
{
    return r ? Par_Vector_Resize(&r->values, n_int, n_double, n_string) : 0;
}

int Kxp_Keyed_Small_Free(KxpKeyedRecordSmall* r) { return r ? Par_Vector_Free(&r->values) : 0; }

int Kxp_Key_Get(const int key[7], unsigned i) { return key && i <= 6 ? key[i] : 0; }

int Kxp_Keyed_Get_Int(const KxpKeyedRecord* r, int i) { return r ? Par_Vector_Get_Int(&r->values, i) : 0; }

double Kxp_Keyed_Get_Double(const KxpKeyedRecord* r, int i) { return r ? Par_Vector_Get_Double(&r->values, i) : 0.0; }

char* Kxp_Keyed_Get_String(const KxpKeyedRecord* r, int i)
{
    return r ? Par_Vector_Get_String(&r->values, i) : g_empty;
}

int Kxp_Write_Key_Tag(FILE* f)
{
    if (!f) return 0;
    return std::fprintf(f, "\n%s\n", "<KXP") < 0 ? 0 : 1;
}

int Kxp_Write_Key(FILE* f, const int key[7])
{
    if (!f || !key) return 0;
    for (int k = 0; k < 7; ++k)
        if (std::fprintf(f, "%s%d", k ? "|" : "", key[k]) < 0) return 0;
    return std::fprintf(f, "\n") < 0 ? 0 : 1;
}

int Kxp_Read_Key(FILE* f, int key[7])
{
    if (!key) return 0;
    for (int k = 0; k < 7; ++k) key[k] = -1;
    if (!f) return 0;
    for (int k = 0; k < 7; ++k) {
        int value;
        char c;
        if (std::fscanf(f, "%d%c", &value, &c) != 2) return 0;
        key[k] = value;
        if (c == '\n') return 1;
        if (c != '|') return 0;
    }
    // Seven values and a further separator: the rest of the line is passed over.
    int c;
    while ((c = std::fgetc(f)) != EOF && c != '\n') {}
    return 1;
}

int Kxp_Find_Key_Tag(FILE* f, int rewind) { return Txt_Find_Keyword_Line(f, "<KXP", rewind); }

int Kxp_Key_Matches(const int key[7], const int filter[7])
{
    if (!key) return 0;
    if (!filter) return 1;
    for (int k = 0; k < 7; ++k)
        if (filter[k] != -1 && filter[k] != key[k]) return 0;
    return 1;
}

int Kxp_Read_Keyed_Record(FILE* f, const int filter[7], KxpKeyedRecord* r)
{
    if (!f || !r) return 0;
    while (Kxp_Find_Key_Tag(f, 0)) {
        if (!Kxp_Read_Key(f, r->key)) return 0;
        if (!Kxp_Key_Matches(r->key, filter)) continue;
        Par_Vector_Free(&r->values);
        return Par_Vector_Read(f, 0, 0, 0, &r->values, 1);
    }
    return 0;
}

int Kxp_Write_Keyed_Record(FILE* f, const KxpKeyedRecord* r)
{
    if (!f || !r) return 0;
    return Kxp_Write_Key_Tag(f) && Kxp_Write_Key(f, r->key) && Par_Vector_Write(f, &r->values);
}

const KxpComponentTable* Kxp_Component_Table(int kind)
{
    if (kind == 0 || kind == 2) return &kMemberTable;
    if (kind == 1 || kind == 3) return &kNodeTable;
    return nullptr;
}

const KxpComponentTable* Kxp_Record_Component_Table(const KxpKeyedRecord* r)
{
    return r ? Kxp_Component_Table(r->key[6]) : nullptr;
}

int Kxp_Table_Find_Position(const KxpComponentTable* t, int component)
{
    if (!t) return -1;
    for (int k = 0; k < t->count; ++k)
        if (t->entries[k].component == component) return k;
    return -1;
}

const KxpComponentEntry* Kxp_Table_Find_Entry(const KxpComponentTable* t, int component)
{
    int p = Kxp_Table_Find_Position(t, component);
    return p < 0 ? nullptr : &t->entries[p];
}

int Kxp_Get_Components(const KxpKeyedRecord* r, const int* components, int n, double* out)
{
    if (!out) return 0;
    if (!r) {
        for (int j = 0; j < n; ++j) out[j] = 0.0;
        return 0;
    }
    const KxpComponentTable* t = r->table ? r->table : Kxp_Record_Component_Table(r);
    if (components && !t) {
        for (int j = 0; j < n; ++j) out[j] = 0.0;
        return 0;
    }
    for (int j = 0; j < n; ++j) {
        if (!components) {
            out[j] = Par_Vector_Get_Double(&r->values, j);
        } else {
            int p = Kxp_Table_Find_Position(t, components[j]);
            out[j] = p < 0 ? 0.0 : Par_Vector_Get_Double(&r->values, p);
        }
    }
    return 1;
}

double Kxp_Record_Kmod(const KxpKeyedRecord* r)
{
    if (!r || (r->key[6] != 2 && r->key[6] != 3)) return 0.0;
    return Par_Vector_Get_Double(&r->values, 12);
}

int Kxp_Record_First_Int(const KxpKeyedRecord* r)
{
    if (!r || (r->key[6] != 2 && r->key[6] != 3)) return 0;
    return Par_Vector_Get_Int(&r->values, 0);
}
