#pragma once
// PtrArr: a growable array of untyped pointers. The array owns its table of
// slots, never the items: clearing or deleting it leaves the items to the
// caller. NULL is a legal item. Slots beyond count are always NULL.
//
// Growth: an array that must hold index i and is too small grows to
// max(i + 1, capacity + 10) slots. A failed allocation is reported in the
// result (NULL or 0) and leaves the array as it was.

struct PtrArr {
    void** items; // capacity slots; NULL when the capacity is 0
    int count;    // slots in use: items 0 .. count - 1
    int capacity; // slots allocated
};

// Sort comparator: receives the two items themselves; <0, 0, >0.
// Search comparator (Ptr_Arr_Find, Ptr_Arr_Bsearch): receives a pointer to (a
// copy of) the item and a pointer to the key argument.
typedef int (*PtrArrCmp)(const void* a, const void* b);
// Predicate of Ptr_Arr_Find_If: receives the item and the key; non-zero = match.
typedef int (*PtrArrPred)(const void* item, const void* key);

// A new empty array with capacity NULL slots (capacity <= 0: no table); NULL when
// an allocation fails.
PtrArr* Ptr_Arr_New(int capacity);
// The same on a caller's record; 1 ok, 0 when the table cannot be allocated.
int Ptr_Arr_Init(PtrArr* a, int capacity);
// Frees the table (not the items); count and capacity 0.
void Ptr_Arr_Clear(PtrArr* a);
// Ptr_Arr_Clear, then frees a record made by Ptr_Arr_New.
void Ptr_Arr_Delete(PtrArr* a);
// Resizes the table (new slots NULL, count cut to it); capacity <= 0 frees it.
// 1 ok, 0 when the allocation fails (array unchanged).
int Ptr_Arr_Set_Capacity(PtrArr* a, int capacity);

int Ptr_Arr_Count(const PtrArr* a);
int Ptr_Arr_Capacity(const PtrArr* a);

// Item i; NULL when i < 0 or i >= count.
void* Ptr_Arr_Get(const PtrArr* a, int i);
// i < count: stores item and returns the item it replaced. i >= count: grows as
// needed, stores item at i, count becomes i + 1, returns NULL. i < 0 or a failed
// growth: NULL, nothing changes.
void* Ptr_Arr_Set(PtrArr* a, int i, void* item);
// Inserts item at i, moving the later items up (i >= count: as Ptr_Arr_Set
// beyond the end). Returns item, NULL for i < 0 or when growing fails.
void* Ptr_Arr_Insert(PtrArr* a, int i, void* item);
// Takes item i out and moves the later items down; NULL when i is outside.
void* Ptr_Arr_Remove(PtrArr* a, int i);

// Sorts items 0 .. count - 1 with qsort; NULL items go last and never reach cmp.
void Ptr_Arr_Sort(PtrArr* a, PtrArrCmp cmp);
// First item with cmp(&item, &key) == 0: *pos = its index; else *pos = count
// (0 when the array is empty) and NULL.
void* Ptr_Arr_Find(const PtrArr* a, const void* key, PtrArrCmp cmp, int* pos);
// Binary search in an array sorted upwards by cmp(&item, &key): the item with
// its index in *pos, or NULL with the insertion position in *pos.
void* Ptr_Arr_Bsearch(const PtrArr* a, const void* key, PtrArrCmp cmp, int* pos);
// First item with pred(item, key) != 0: *pos = its index; else *pos = count
// (0 when the array is empty) and NULL.
void* Ptr_Arr_Find_If(const PtrArr* a, const void* key, PtrArrPred pred, int* pos);
