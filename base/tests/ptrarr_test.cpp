// Tests of the pointer array: growth, gaps, bad indexes, insert and remove, capacity, sort with
// NULL items last, find and binary search.
#include "base/kovmem.h"
#include "base/ptrarr.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

// Items are ints; the comparators read them through the pointers they get.
int cmp_items(const void* a, const void* b)
{
    const int x = *static_cast<const int*>(a);
    const int y = *static_cast<const int*>(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

// Search comparators get a pointer to the item and a pointer to the key.
int cmp_item_key(const void* pitem, const void* pkey)
{
    const int* item = *static_cast<const int* const*>(pitem);
    const int* key = *static_cast<const int* const*>(pkey);
    return *item < *key ? -1 : (*item > *key ? 1 : 0);
}

int pred_equal(const void* item, const void* key)
{
    return item != nullptr && *static_cast<const int*>(item) == *static_cast<const int*>(key);
}

std::vector<void*> contents(const PtrArr* a)
{
    std::vector<void*> v;
    for (int i = 0; i < Ptr_Arr_Count(a); ++i) v.push_back(Ptr_Arr_Get(a, i));
    return v;
}

bool slots_beyond_count_are_null(const PtrArr* a)
{
    for (int i = a->count; i < a->capacity; ++i)
        if (a->items[i] != nullptr) return false;
    return true;
}

class PtrArrTest : public testing::Test {
protected:
    int v[30];
    void SetUp() override
    {
        for (int i = 0; i < 30; ++i) v[i] = i;
    }
    PtrArr* filled(int capacity, int n)
    {
        PtrArr* a = Ptr_Arr_New(capacity);
        for (int i = 0; i < n; ++i) Ptr_Arr_Set(a, i, &v[i]);
        return a;
    }
};

} // namespace

TEST_F(PtrArrTest, NewWithoutCapacityGrowsByTen)
{
    PtrArr* a = Ptr_Arr_New(0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->items, nullptr);
    EXPECT_EQ(Ptr_Arr_Count(a), 0);
    EXPECT_EQ(Ptr_Arr_Capacity(a), 0);
    EXPECT_EQ(Ptr_Arr_Set(a, 0, &v[7]), nullptr);
    EXPECT_EQ(Ptr_Arr_Capacity(a), 10);
    EXPECT_EQ(Ptr_Arr_Count(a), 1);
    EXPECT_EQ(Ptr_Arr_Get(a, 0), &v[7]);
    EXPECT_TRUE(slots_beyond_count_are_null(a));
    Ptr_Arr_Delete(a);
}

TEST_F(PtrArrTest, SetFarBeyondTheEnd)
{
    PtrArr* a = Ptr_Arr_New(10);
    ASSERT_EQ(Ptr_Arr_Capacity(a), 10);
    EXPECT_TRUE(slots_beyond_count_are_null(a));
    EXPECT_EQ(Ptr_Arr_Set(a, 25, &v[25]), nullptr);
    EXPECT_EQ(Ptr_Arr_Capacity(a), 26);
    EXPECT_EQ(Ptr_Arr_Count(a), 26);
    for (int i = 0; i < 25; ++i) EXPECT_EQ(Ptr_Arr_Get(a, i), nullptr) << i;
    EXPECT_EQ(Ptr_Arr_Get(a, 25), &v[25]);
    // Inside the array: replaces and hands back the old item.
    EXPECT_EQ(Ptr_Arr_Set(a, 25, &v[3]), &v[25]);
    EXPECT_EQ(Ptr_Arr_Get(a, 25), &v[3]);
    Ptr_Arr_Delete(a);
}

TEST_F(PtrArrTest, BadIndexesAreRefused)
{
    PtrArr* a = filled(4, 3);
    EXPECT_EQ(Ptr_Arr_Set(a, -1, &v[1]), nullptr);
    EXPECT_EQ(Ptr_Arr_Insert(a, -1, &v[1]), nullptr);
    EXPECT_EQ(Ptr_Arr_Get(a, -1), nullptr);
    EXPECT_EQ(Ptr_Arr_Get(a, 3), nullptr);
    EXPECT_EQ(Ptr_Arr_Remove(a, -1), nullptr);
    EXPECT_EQ(Ptr_Arr_Remove(a, 3), nullptr);
    // An index the allocator can never hold leaves the array as it was.
    EXPECT_EQ(Ptr_Arr_Set(a, INT_MAX, &v[1]), nullptr);
    EXPECT_EQ(Ptr_Arr_Insert(a, INT_MAX, &v[1]), nullptr);
    EXPECT_EQ(Ptr_Arr_Set_Capacity(a, INT_MAX), 0);
    EXPECT_EQ(contents(a), (std::vector<void*>{&v[0], &v[1], &v[2]}));
    EXPECT_EQ(Ptr_Arr_Capacity(a), 4);
    Ptr_Arr_Delete(a);
}

TEST_F(PtrArrTest, InsertBeyondCountLeavesGapNull)
{
    PtrArr* a = filled(10, 3);
    EXPECT_EQ(Ptr_Arr_Insert(a, 5, &v[5]), &v[5]);
    EXPECT_EQ(contents(a), (std::vector<void*>{&v[0], &v[1], &v[2], nullptr, nullptr, &v[5]}));
    Ptr_Arr_Delete(a);
}

TEST_F(PtrArrTest, InsertAtFrontOfFullArrayGrowsAndShifts)
{
    PtrArr* a = filled(10, 10);
    ASSERT_EQ(Ptr_Arr_Capacity(a), 10);
    EXPECT_EQ(Ptr_Arr_Insert(a, 0, &v[20]), &v[20]);
    EXPECT_EQ(Ptr_Arr_Capacity(a), 20);
    EXPECT_EQ(Ptr_Arr_Count(a), 11);
    EXPECT_EQ(Ptr_Arr_Get(a, 0), &v[20]);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(Ptr_Arr_Get(a, i + 1), &v[i]);
    EXPECT_TRUE(slots_beyond_count_are_null(a));
    // In the middle, with room left.
    Ptr_Arr_Insert(a, 4, &v[21]);
    EXPECT_EQ(Ptr_Arr_Get(a, 4), &v[21]);
    EXPECT_EQ(Ptr_Arr_Get(a, 5), &v[3]);
    EXPECT_EQ(Ptr_Arr_Count(a), 12);
    Ptr_Arr_Delete(a);
}

TEST_F(PtrArrTest, RemoveMovesDownAndClearsTheVacatedSlot)
{
    PtrArr* a = filled(5, 5);
    EXPECT_EQ(Ptr_Arr_Remove(a, 4), &v[4]);
    EXPECT_EQ(a->items[4], nullptr);
    EXPECT_EQ(Ptr_Arr_Count(a), 4);
    EXPECT_EQ(Ptr_Arr_Remove(a, 4), nullptr); // index count
    EXPECT_EQ(Ptr_Arr_Remove(a, 1), &v[1]);
    EXPECT_EQ(contents(a), (std::vector<void*>{&v[0], &v[2], &v[3]}));
    EXPECT_TRUE(slots_beyond_count_are_null(a));
    Ptr_Arr_Delete(a);
}

TEST_F(PtrArrTest, SetCapacityCutsAndGrows)
{
    PtrArr* a = filled(5, 5);
    EXPECT_EQ(Ptr_Arr_Set_Capacity(a, 2), 1);
    EXPECT_EQ(Ptr_Arr_Count(a), 2);
    EXPECT_EQ(Ptr_Arr_Capacity(a), 2);
    EXPECT_EQ(Ptr_Arr_Set_Capacity(a, 8), 1);
    EXPECT_EQ(contents(a), (std::vector<void*>{&v[0], &v[1]}));
    EXPECT_TRUE(slots_beyond_count_are_null(a));
    EXPECT_EQ(Ptr_Arr_Set_Capacity(a, 0), 1);
    EXPECT_EQ(a->items, nullptr);
    EXPECT_EQ(Ptr_Arr_Count(a), 0);
    EXPECT_EQ(Ptr_Arr_Capacity(a), 0);
    Ptr_Arr_Delete(a);
}

TEST_F(PtrArrTest, InitAndClearOnCallersRecordLeaveItemsAlone)
{
    PtrArr a;
    memset(&a, 0xA5, sizeof a);
    ASSERT_EQ(Ptr_Arr_Init(&a, 3), 1);
    EXPECT_EQ(a.count, 0);
    EXPECT_EQ(a.capacity, 3);
    EXPECT_TRUE(slots_beyond_count_are_null(&a));
    int* owned = new int(5);
    Ptr_Arr_Set(&a, 0, owned);
    Ptr_Arr_Clear(&a);
    EXPECT_EQ(a.items, nullptr);
    EXPECT_EQ(a.count, 0);
    EXPECT_EQ(a.capacity, 0);
    EXPECT_EQ(*owned, 5); // still the caller's
    delete owned;
    ASSERT_EQ(Ptr_Arr_Init(&a, 0), 1);
    EXPECT_EQ(a.items, nullptr);
}

TEST_F(PtrArrTest, TableIsNotCounted)
{
    Mem_Reset_Live_Blocks();
    PtrArr* a = filled(0, 15);
    Ptr_Arr_Delete(a);
    EXPECT_EQ(Mem_Live_Blocks(), 0);
}

TEST_F(PtrArrTest, SortPutsNullLast)
{
    PtrArr* a = Ptr_Arr_New(0);
    Ptr_Arr_Set(a, 0, nullptr);
    Ptr_Arr_Set(a, 1, &v[2]);
    Ptr_Arr_Set(a, 2, &v[1]);
    Ptr_Arr_Sort(a, cmp_items);
    EXPECT_EQ(contents(a), (std::vector<void*>{&v[1], &v[2], nullptr}));

    Ptr_Arr_Clear(a);
    const int order[] = {9, -1, 4, 7, -1, 0}; // -1: a NULL item
    for (int k = 0; k < 6; ++k) Ptr_Arr_Set(a, k, order[k] < 0 ? nullptr : &v[order[k]]);
    Ptr_Arr_Sort(a, cmp_items);
    EXPECT_EQ(contents(a), (std::vector<void*>{&v[0], &v[4], &v[7], &v[9], nullptr, nullptr}));
    Ptr_Arr_Delete(a);
}

TEST_F(PtrArrTest, FindAndFindIfGiveFirstMatch)
{
    PtrArr* a = Ptr_Arr_New(0);
    int five_again = 5;
    Ptr_Arr_Set(a, 0, &v[3]);
    Ptr_Arr_Set(a, 1, &v[5]);
    Ptr_Arr_Set(a, 2, &five_again);
    const int key = 5;
    int pos = -1;
    EXPECT_EQ(Ptr_Arr_Find(a, &key, cmp_item_key, &pos), &v[5]);
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(Ptr_Arr_Find_If(a, &key, pred_equal, &pos), &v[5]);
    EXPECT_EQ(pos, 1);
    const int missing = 8;
    EXPECT_EQ(Ptr_Arr_Find(a, &missing, cmp_item_key, &pos), nullptr);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(Ptr_Arr_Find_If(a, &missing, pred_equal, &pos), nullptr);
    EXPECT_EQ(pos, 3);
    Ptr_Arr_Clear(a);
    pos = -1;
    EXPECT_EQ(Ptr_Arr_Find(a, &key, cmp_item_key, &pos), nullptr);
    EXPECT_EQ(pos, 0);
    pos = -1;
    EXPECT_EQ(Ptr_Arr_Find_If(a, &key, pred_equal, &pos), nullptr);
    EXPECT_EQ(pos, 0);
    Ptr_Arr_Delete(a);
}

TEST_F(PtrArrTest, BsearchFindsOrGivesInsertionPosition)
{
    // Items 0, 2, 4, ..., 18.
    PtrArr* a = Ptr_Arr_New(0);
    for (int k = 0; k < 10; ++k) Ptr_Arr_Set(a, k, &v[2 * k]);
    int keys[41];
    for (int k = 0; k < 41; ++k) keys[k] = k - 1; // -1 .. 39
    for (int k = 0; k < 41; ++k) {
        const int key = keys[k];
        int pos = -7;
        void* found = Ptr_Arr_Bsearch(a, &keys[k], cmp_item_key, &pos);
        if (key >= 0 && key <= 18 && key % 2 == 0) {
            EXPECT_EQ(found, &v[key]) << key;
            EXPECT_EQ(pos, key / 2) << key;
        } else {
            EXPECT_EQ(found, nullptr) << key;
            const int expect = key < 0 ? 0 : (key > 18 ? 10 : (key + 1) / 2);
            EXPECT_EQ(pos, expect) << key;
        }
    }
    Ptr_Arr_Clear(a);
    int pos = -7;
    EXPECT_EQ(Ptr_Arr_Bsearch(a, &keys[3], cmp_item_key, &pos), nullptr);
    EXPECT_EQ(pos, 0);
    Ptr_Arr_Delete(a);
}

TEST_F(PtrArrTest, NullArrayIsHarmless)
{
    int pos = -1;
    EXPECT_EQ(Ptr_Arr_Count(nullptr), 0);
    EXPECT_EQ(Ptr_Arr_Get(nullptr, 0), nullptr);
    EXPECT_EQ(Ptr_Arr_Set(nullptr, 0, &v[0]), nullptr);
    EXPECT_EQ(Ptr_Arr_Find(nullptr, &v[0], cmp_item_key, &pos), nullptr);
    EXPECT_EQ(pos, 0);
    Ptr_Arr_Sort(nullptr, cmp_items);
    Ptr_Arr_Delete(nullptr);
}
