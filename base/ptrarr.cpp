// PtrArr: a growable array of untyped pointers that owns its slots, never the items, with
// insert, remove, sort, find and binary search.
#include "base/ptrarr.h"

#include "base/kovmem.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// The largest table the tagged allocator can be asked for.
const int kMaxSlots = INT_MAX / (int)sizeof(void*);

PtrArrCmp g_sort_cmp = nullptr;

// Resizes the table to capacity slots (> 0); new slots NULL, count cut.
bool resize(PtrArr* a, int capacity)
{
    if (capacity > kMaxSlots) return false;
    void** items =
        static_cast<void**>(Mem_Realloc_Tagged(__FILE__, __LINE__, "null", a->items, capacity * (int)sizeof(void*)));
    if (items == nullptr) return false;
    for (int k = a->capacity; k < capacity; ++k) items[k] = nullptr;
    a->items = items;
    a->capacity = capacity;
    if (a->count > capacity) a->count = capacity;
    return true;
}

// Makes room for needed slots by the growth rule.
bool grow(PtrArr* a, long long needed)
{
    long long capacity = (long long)a->capacity + 10;
    if (needed > capacity) capacity = needed;
    if (capacity > kMaxSlots) return false;
    return resize(a, (int)capacity);
}

int sort_items(const void* pa, const void* pb)
{
    const void* a = *static_cast<void* const*>(pa);
    const void* b = *static_cast<void* const*>(pb);
    if (a != nullptr && b != nullptr) return g_sort_cmp(a, b);
    if (a == nullptr && b != nullptr) return 1;
    if (b == nullptr && a != nullptr) return -1;
    return 0;
}

void set_pos(int* pos, int value)
{
    if (pos != nullptr) *pos = value;
}

} // namespace

PtrArr* Ptr_Arr_New(int capacity)
{
    PtrArr* a = static_cast<PtrArr*>(Mem_Malloc_Tagged(__FILE__, __LINE__, "null", (int)sizeof(PtrArr)));
    if (a == nullptr) return nullptr;
    if (!Ptr_Arr_Init(a, capacity)) {
        Mem_Free_Tagged(__FILE__, __LINE__, "null", a);
        return nullptr;
    }
    return a;
}

int Ptr_Arr_Init(PtrArr* a, int capacity)
{
    if (a == nullptr) return 0;
    a->items = nullptr;
    a->count = 0;
    a->capacity = 0;
    if (capacity <= 0) return 1;
    return resize(a, capacity) ? 1 : 0;
}

void Ptr_Arr_Clear(PtrArr* a)
{
    if (a == nullptr) return;
    Mem_Free_Tagged(__FILE__, __LINE__, "null", a->items);
    a->items = nullptr;
    a->count = 0;
    a->capacity = 0;
}

void Ptr_Arr_Delete(PtrArr* a)
{
    if (a == nullptr) return;
    Ptr_Arr_Clear(a);
    Mem_Free_Tagged(__FILE__, __LINE__, "null", a);
}

int Ptr_Arr_Set_Capacity(PtrArr* a, int capacity)
{
    if (a == nullptr) return 0;
    if (capacity <= 0) {
        Ptr_Arr_Clear(a);
        return 1;
    }
    return resize(a, capacity) ? 1 : 0;
}

int Ptr_Arr_Count(const PtrArr* a) { return a != nullptr ? a->count : 0; }

int Ptr_Arr_Capacity(const PtrArr* a) { return a != nullptr ? a->capacity : 0; }

void* Ptr_Arr_Get(const PtrArr* a, int i)
{
    if (a == nullptr || i < 0 || i >= a->count) return nullptr;
    return a->items[i];
}

void* Ptr_Arr_Set(PtrArr* a, int i, void* item)
{
    if (a == nullptr || i < 0) return nullptr;
    if (i < a->count) {
        void* old = a->items[i];
        a->items[i] = item;
        return old;
    }
    if (i >= a->capacity && !grow(a, (long long)i + 1)) return nullptr;
    a->items[i] = item;
    a->count = i + 1;
    return nullptr;
}

void* Ptr_Arr_Insert(PtrArr* a, int i, void* item)
{
    if (a == nullptr || i < 0) return nullptr;
    if (i >= a->count) {
        if (i >= a->capacity && !grow(a, (long long)i + 1)) return nullptr;
        a->items[i] = item;
        a->count = i + 1;
        return item;
    }
    if (a->count >= a->capacity && !grow(a, (long long)a->count + 1)) return nullptr;
    memmove(a->items + i + 1, a->items + i, (size_t)(a->count - i) * sizeof(void*));
    a->items[i] = item;
    ++a->count;
    return item;
}

void* Ptr_Arr_Remove(PtrArr* a, int i)
{
    if (a == nullptr || i < 0 || i >= a->count) return nullptr;
    void* item = a->items[i];
    memmove(a->items + i, a->items + i + 1, (size_t)(a->count - i - 1) * sizeof(void*));
    --a->count;
    a->items[a->count] = nullptr;
    return item;
}

void Ptr_Arr_Sort(PtrArr* a, PtrArrCmp cmp)
{
    if (a == nullptr || cmp == nullptr || a->count < 2) return;
    g_sort_cmp = cmp;
    qsort(a->items, (size_t)a->count, sizeof(void*), sort_items);
    g_sort_cmp = nullptr;
}

void* Ptr_Arr_Find(const PtrArr* a, const void* key, PtrArrCmp cmp, int* pos)
{
    if (a == nullptr || a->count <= 0 || cmp == nullptr) {
        set_pos(pos, a != nullptr && a->count > 0 ? a->count : 0);
        return nullptr;
    }
    for (int k = 0; k < a->count; ++k) {
        const void* item = a->items[k];
        if (cmp(&item, &key) == 0) {
            set_pos(pos, k);
            return a->items[k];
        }
    }
    set_pos(pos, a->count);
    return nullptr;
}

void* Ptr_Arr_Bsearch(const PtrArr* a, const void* key, PtrArrCmp cmp, int* pos)
{
    const int n = a != nullptr ? a->count : 0;
    if (n <= 0 || cmp == nullptr) {
        set_pos(pos, 0);
        return nullptr;
    }
    auto compare = [&](int k) {
        const void* item = a->items[k];
        return cmp(&item, &key);
    };
    int r = compare(n - 1);
    if (r < 0) {
        set_pos(pos, n);
        return nullptr;
    }
    if (r == 0) {
        set_pos(pos, n - 1);
        return a->items[n - 1];
    }
    r = compare(0);
    if (r == 0) {
        set_pos(pos, 0);
        return a->items[0];
    }
    if (r > 0) {
        set_pos(pos, 0);
        return nullptr;
    }
    int lo = 0;
    int hi = n;
    for (;;) {
        const int mid = (lo + hi) / 2;
        r = compare(mid);
        if (r == 0) {
            set_pos(pos, mid);
            return a->items[mid];
        }
        if (r > 0) {
            if (lo < mid)
                hi = mid;
            else
                break;
        } else {
            lo = mid + 1;
            if (!(lo < hi)) break;
        }
    }
    set_pos(pos, lo);
    return nullptr;
}

void* Ptr_Arr_Find_If(const PtrArr* a, const void* key, PtrArrPred pred, int* pos)
{
    if (a == nullptr || a->count <= 0 || pred == nullptr) {
        set_pos(pos, a != nullptr && a->count > 0 ? a->count : 0);
        return nullptr;
    }
    for (int k = 0; k < a->count; ++k) {
        if (pred(a->items[k], key) != 0) {
            set_pos(pos, k);
            return a->items[k];
        }
    }
    set_pos(pos, a->count);
    return nullptr;
}
