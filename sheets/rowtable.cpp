// Row tables of the view areas.
#include "sheets/rowtable.h"

int Row_Table_Create(int, int, int, int, int, int, RowTableDrawFct) { return -1; }
void Row_Table_Move(int, int, int) {}
void Row_Table_Set_Button(int, int, int, int) {}
void Row_Table_Set_Max_Rows(int, int) {}
void Row_Table_Add_Column(int, int, int, int, unsigned, const char*, int) {}
void Row_Table_Set_Template(int, const void*) {}
void Row_Table_Append(int, const void*) {}
void Row_Table_Clear(int) {}
int Row_Table_Count(int) { return 0; }
void* Row_Table_First(int) { return nullptr; }
void* Row_Table_Next(int) { return nullptr; }
int Row_Table_Index_Of(int, const void*) { return 0; }
void Row_Table_Draw(int) {}
int Row_Table_Handle_Event(int) { return 0; }
void Row_Table_Free(int) {}
void Row_Table_Free_For_Area(int) {}
void Row_Table_Sort_Up(void) {}
void Row_Table_Sort_Down(void) {}
void Row_Table_Fill_Column(void) {}
void Row_Table_Sort_By(int, int, int) {}
void Row_Table_Fill(int, int, int, int, int, double, double) {}
void Row_Table_Reset(void) {}
