#pragma once
// Export blocks of the host environment: the text in which the environment and
// its tools hand objects (member cuts, coordinate systems, results) from one
// program to another. An object is a parameter head and vector, optionally with
// a comment and kind-specific data.
#include <cstdio>

struct PtrArr;
#include "hostenv/kovparam.h"

struct KovExportObject;

struct KxpObjectOps {
    int kind;
    void* (*create)(KovExportObject* obj);
    void (*destroy)(void* data, const KxpObjectOps* ops);
    void* (*read)(FILE* f, KovExportObject* obj);
    int (*write)(FILE* f, const void* data, const KxpObjectOps* ops);
};

struct KovExportObject {
    ParamHead head;
    ParamVector values;
    const KxpObjectOps* ops; // NULL for kind 0 (no data)
    void* data;              // owned through ops
    char* object_comment;    // owned, NULL for none
};

// Data of kind 1, the parameter kind.
struct KxpParamData {
    int flags; // bit 0: values holds data
    ParamVector values;
};

// Object types of this program.
enum { KXP_TYPE_END = 1, KXP_TYPE_HEADER = 2, KXP_TYPE_BEAMCUT = 3, KXP_TYPE_SYSTEM = 4 };
// Kind word bit: an object comment follows the vector.
enum { KXP_COMMENT_BIT = 0x10000000 };

struct KxpComponentEntry {
    const char* name;
    const char* unit;
    int component;
};

struct KxpComponentTable {
    int first;
    int count;
    const KxpComponentEntry* entries;
};

struct KxpKeyedRecord {
    int key[7]; // -1 unset / any; key[6] selects the component table
    ParamVector values;
    int reserved1, reserved2, reserved3;
    const KxpComponentTable* table; // NULL: follows from key[6]
};

// The smaller form of a keyed record: key and vector only.
struct KxpKeyedRecordSmall {
    int key[7];
    ParamVector values;
};

extern const KxpObjectOps Kxp_Param_Ops;

// Objects.
KovExportObject* Kxp_New_Object(int type, int number, int id, const char* name, int kind, void* data);
void Kxp_Free_Object(KovExportObject* obj);
KovExportObject* Kxp_Read_Object(FILE* f);
int Kxp_Write_Object(FILE* f, const KovExportObject* obj);
int Kxp_Set_Object_Comment(KovExportObject* obj, const char* text);
const char* Kxp_Get_Object_Comment(const KovExportObject* obj);
int Kxp_Get_Int(const KovExportObject* obj, int type, int i);
double Kxp_Get_Double(const KovExportObject* obj, int type, int i);
char* Kxp_Get_String(const KovExportObject* obj, int type, int i);
int Kxp_Get_Third_Int(const KovExportObject* obj);
// The container is any array of export objects.
KovExportObject* Find_KOVExportParam_Obj(const int key[2], const PtrArr* container);
KovExportObject* Find_KOVExportParam_Obj_By_Id(int type, int id, const PtrArr* container);
int Kxp_Id_Matches(const void* item, const void* key);

// Kind 1 operations.
void* Kxp_Param_Data_Create(KovExportObject* obj);
void Kxp_Param_Data_Destroy(void* data, const KxpObjectOps* ops);
void* Kxp_Param_Data_Read(FILE* f, KovExportObject* obj);
int Kxp_Param_Data_Write(FILE* f, const void* data, const KxpObjectOps* ops);

// Block pieces.
const char* Kxp_Section_Keyword(unsigned index);
int Kxp_Write_Section(FILE* f, unsigned index);
int Kxp_Find_Section(FILE* f, unsigned index, int rewind);
KovExportObject* Kxp_New_Header_Object(void);
int Kxp_Write_Header_Object(FILE* f, const KovExportObject* hdr);
KovExportObject* Kxp_Read_Header_Object(FILE* f);
int Kxp_Write_End_Object(FILE* f, int block);

// Keyed records.
KxpKeyedRecord* Kxp_New_Keyed_Record(void);
int Kxp_Init_Keyed_Record(KxpKeyedRecord* r);
int Kxp_Keyed_Resize(KxpKeyedRecord* r, int n_int, int n_double, int n_string);
int Kxp_Keyed_Free_Values(KxpKeyedRecord* r);
int Kxp_Free_Keyed_Record(KxpKeyedRecord* r);
int Kxp_Init_Keyed_Record_Small(KxpKeyedRecordSmall* r);
int Kxp_Keyed_Small_Resize(KxpKeyedRecordSmall* r, int n_int, int n_double, int n_string);
int Kxp_Keyed_Small_Free(KxpKeyedRecordSmall* r);
int Kxp_Key_Get(const int key[7], unsigned i);
int Kxp_Keyed_Get_Int(const KxpKeyedRecord* r, int i);
double Kxp_Keyed_Get_Double(const KxpKeyedRecord* r, int i);
char* Kxp_Keyed_Get_String(const KxpKeyedRecord* r, int i);
int Kxp_Write_Key_Tag(FILE* f);
int Kxp_Write_Key(FILE* f, const int key[7]);
int Kxp_Read_Key(FILE* f, int key[7]);
int Kxp_Find_Key_Tag(FILE* f, int rewind);
int Kxp_Key_Matches(const int key[7], const int filter[7]);
int Kxp_Read_Keyed_Record(FILE* f, const int filter[7], KxpKeyedRecord* r);
int Kxp_Write_Keyed_Record(FILE* f, const KxpKeyedRecord* r);
const KxpComponentTable* Kxp_Component_Table(int kind);
const KxpComponentTable* Kxp_Record_Component_Table(const KxpKeyedRecord* r);
int Kxp_Table_Find_Position(const KxpComponentTable* t, int component);
const KxpComponentEntry* Kxp_Table_Find_Entry(const KxpComponentTable* t, int component);
int Kxp_Get_Components(const KxpKeyedRecord* r, const int* components, int n, double* out);
double Kxp_Record_Kmod(const KxpKeyedRecord* r);
int Kxp_Record_First_Int(const KxpKeyedRecord* r);
