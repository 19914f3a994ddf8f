#pragma once
// Parameter heads and vectors: the records every object of the host's export
// files is built from, with their line format.
#include <cstdio>

struct ParamHead {
    int type;      // object type, written in hexadecimal
    int number;    // running number
    int id;        // identifier
    char* name;    // owned copy, NULL for none
    char* comment; // owned text, NULL for none; written as a text block
};

struct ParamVector {
    int n_int;
    int n_double;
    int n_string;
    int* ints;       // NULL when n_int is 0
    double* doubles; // NULL when n_double is 0
    char** strings;  // owned strings, any may be NULL; NULL when n_string is 0
};

// Largest count a reader accepts from a file; larger (or negative) counts are
// refused rather than allocated.
enum { PAR_MAX_FILE_COUNT = 1000000 };

int Par_Head_Init(ParamHead* h);
int Par_Head_Set(int type, int number, int id, const char* name, ParamHead* h);
int Par_Head_Set_Comment(char* text, ParamHead* h);
int Par_Head_Free(ParamHead* h);
int Par_Head_Read(FILE* f, ParamHead* h);
int Par_Head_Write(FILE* f, const ParamHead* h);

int Par_Vector_Init(ParamVector* v);
int Par_Vector_Resize(ParamVector* v, int n_int, int n_double, int n_string);
int Par_Vector_Free(ParamVector* v);
int Par_Vector_Clear(ParamVector* v);
int Par_Vector_Read(FILE* f, int n_int, int n_double, int n_string, ParamVector* v, int flags);
int Par_Vector_Write(FILE* f, const ParamVector* v);
int Par_Vector_Any_Set(const ParamVector* v);
int Par_Vector_Copy(ParamVector* dst, const ParamVector* src);
int Par_Vector_Get_Int(const ParamVector* v, int i);
double Par_Vector_Get_Double(const ParamVector* v, int i);
// The vector's own pointer (may be NULL); out of range the library's empty
// string, which callers must not write into.
char* Par_Vector_Get_String(const ParamVector* v, int i);
int Par_Vector_Get_Arrays(const ParamVector* v, int* ints, const int* ints_default, int n_int, double* dbls,
                          const double* dbls_default, int n_dbl, char** strs, char* const* strs_default, int n_str);
int Par_Vector_Set_Arrays(ParamVector* v, const int* ints, const int* ints_from, int n_int, const int* ints_to,
                          const double* dbls, const int* dbls_from, int n_dbl, const int* dbls_to,
                          const char* const* strs, const int* strs_from, int n_str, const int* strs_to);
