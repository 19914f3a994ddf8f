// Tests of the parameter heads and vectors: round trips of names, comments and numbers,
// damaged counts, getters out of range and copies.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "hostenv/kovparam.h"
#include "test_support/kovtestutil.h"

using kovtest::MemFile;

TEST(ParamHead, WriteAndReadBack)
{
    ParamHead h;
    Par_Head_Init(&h);
    ASSERT_EQ(Par_Head_Set(3, 7, 12, "S1", &h), 1);
    MemFile m;
    ASSERT_EQ(Par_Head_Write(m.f, &h), 1);
    EXPECT_EQ(m.text(), "0x3 7 \xAE"
                        "S1\xAF 12 0\n");
    std::rewind(m.f);
    ParamHead r;
    ASSERT_EQ(Par_Head_Read(m.f, &r), 1);
    EXPECT_EQ(r.type, 3);
    EXPECT_EQ(r.number, 7);
    EXPECT_EQ(r.id, 12);
    EXPECT_STREQ(r.name, "S1");
    EXPECT_EQ(r.comment, nullptr);
    Par_Head_Free(&h);
    Par_Head_Free(&r);
}

TEST(ParamHead, EmptyCommentIsWrittenWithFlagAndReadsBackAsNone)
{
    ParamHead h;
    Par_Head_Init(&h);
    Par_Head_Set(0x1f, 2, 5, nullptr, &h);
    char* c = static_cast<char*>(std::malloc(1));
    c[0] = 0;
    Par_Head_Set_Comment(c, &h);
    MemFile m;
    ASSERT_EQ(Par_Head_Write(m.f, &h), 1);
    EXPECT_EQ(m.text(), "0x1f 2 \xAE\xAF 5 1\nTXB0\n#EOC\n");
    std::rewind(m.f);
    ParamHead r;
    ASSERT_EQ(Par_Head_Read(m.f, &r), 1);
    EXPECT_EQ(r.type, 0x1f);
    EXPECT_EQ(r.comment, nullptr);
    EXPECT_STREQ(r.name, "");
    Par_Head_Free(&h);
    Par_Head_Free(&r);
}

TEST(ParamHead, CommentWithLineBreaksRoundTrips)
{
    ParamHead h;
    Par_Head_Init(&h);
    Par_Head_Set(4, 1, 9, "Knoten", &h);
    Par_Head_Set_Comment(strdup("erste Zeile\nzweite"), &h);
    MemFile m;
    ASSERT_EQ(Par_Head_Write(m.f, &h), 1);
    std::fputs("0x5 1 \xAE"
               "next\xAF 3 0\n",
               m.f);
    std::rewind(m.f);
    ParamHead r, r2;
    ASSERT_EQ(Par_Head_Read(m.f, &r), 1);
    ASSERT_NE(r.comment, nullptr);
    EXPECT_STREQ(r.comment, "erste Zeile\nzweite");
    // The reader stands behind "#EOC": the next head follows.
    ASSERT_EQ(Par_Head_Read(m.f, &r2), 1);
    EXPECT_STREQ(r2.name, "next");
    Par_Head_Free(&h);
    Par_Head_Free(&r);
    Par_Head_Free(&r2);
}

TEST(ParamHead, NameWithClosingByteIsWrittenReadably)
{
    ParamHead h;
    Par_Head_Init(&h);
    Par_Head_Set(3, 1, 2,
                 "a\xAF"
                 "b",
                 &h);
    MemFile m;
    ASSERT_EQ(Par_Head_Write(m.f, &h), 1);
    std::rewind(m.f);
    ParamHead r;
    ASSERT_EQ(Par_Head_Read(m.f, &r), 1);
    EXPECT_STREQ(r.name, "ab");
    EXPECT_EQ(r.id, 2);
    Par_Head_Free(&h);
    Par_Head_Free(&r);
}

TEST(ParamVector, TextFormAndReadBack)
{
    ParamVector v;
    Par_Vector_Init(&v);
    ASSERT_EQ(Par_Vector_Resize(&v, 2, 0, 1), 1);
    v.ints[0] = 4;
    v.ints[1] = -2;
    MemFile m;
    ASSERT_EQ(Par_Vector_Write(m.f, &v), 1);
    EXPECT_EQ(m.text(), "2 0 1\n 4 -2\n\xAE\xAF\n");
    std::rewind(m.f);
    ParamVector r;
    ASSERT_EQ(Par_Vector_Read(m.f, 0, 0, 0, &r, 1), 1);
    ASSERT_EQ(r.n_int, 2);
    EXPECT_EQ(r.ints[1], -2);
    ASSERT_EQ(r.n_string, 1);
    ASSERT_NE(r.strings[0], nullptr); // a NULL string comes back empty, not NULL
    EXPECT_STREQ(r.strings[0], "");
    Par_Vector_Free(&v);
    Par_Vector_Free(&r);

    ParamVector e;
    Par_Vector_Init(&e);
    MemFile m2;
    Par_Vector_Write(m2.f, &e);
    EXPECT_EQ(m2.text(), "0 0 0\n");
}

TEST(ParamVector, DoublesKeepSevenDigits)
{
    ParamVector v;
    Par_Vector_Init(&v);
    Par_Vector_Resize(&v, 0, 2, 0);
    v.doubles[0] = 1.0 / 3.0;
    v.doubles[1] = -1234.5;
    MemFile m;
    Par_Vector_Write(m.f, &v);
    EXPECT_EQ(m.text(), "0 2 0\n 3.333333e-01 -1.234500e+03\n");
    std::rewind(m.f);
    ParamVector r;
    ASSERT_EQ(Par_Vector_Read(m.f, 0, 0, 0, &r, 1), 1);
    EXPECT_DOUBLE_EQ(r.doubles[0], 0.3333333);
    Par_Vector_Free(&v);
    Par_Vector_Free(&r);
}

TEST(ParamVector, ReadWithArgumentSizesKeepsWhatFits)
{
    MemFile m;
    m.put("3 0 0\n 5 6 7\n");
    ParamVector r;
    ASSERT_EQ(Par_Vector_Read(m.f, 1, 0, 0, &r, 0), 1);
    ASSERT_EQ(r.n_int, 1);
    EXPECT_EQ(r.ints[0], 5);
    Par_Vector_Free(&r);
}

TEST(ParamVector, DamagedCountsAreRefused)
{
    for (const char* text : {"-3 0 0\n", "0 2000000000 0\n", "1 0 0\n x\n", "0 1\n"}) {
        MemFile m;
        m.put(text);
        ParamVector r;
        EXPECT_EQ(Par_Vector_Read(m.f, 0, 0, 0, &r, 1), 0) << text;
        Par_Vector_Free(&r);
    }
}

TEST(ParamVector, GettersOutOfRange)
{
    ParamVector v;
    Par_Vector_Init(&v);
    Par_Vector_Resize(&v, 1, 1, 1);
    v.doubles[0] = 2.5;
    EXPECT_EQ(Par_Vector_Get_Double(&v, -1), 0.0);
    EXPECT_EQ(Par_Vector_Get_Double(&v, 1), 0.0);
    EXPECT_EQ(Par_Vector_Get_Double(&v, 0), 2.5);
    ASSERT_NE(Par_Vector_Get_String(&v, 5), nullptr);
    EXPECT_STREQ(Par_Vector_Get_String(&v, 5), "");
    EXPECT_EQ(Par_Vector_Get_String(&v, 0), nullptr); // the vector's own NULL
    EXPECT_EQ(Par_Vector_Get_Int(nullptr, 0), 0);
    Par_Vector_Free(&v);
}

TEST(ParamVector, SetArraysThroughTargetMap)
{
    ParamVector v;
    Par_Vector_Init(&v);
    const double src[3] = {1.5, 2.5, 3.5};
    const int to[3] = {4, -1, 0};
    ASSERT_EQ(
        Par_Vector_Set_Arrays(&v, nullptr, nullptr, 0, nullptr, src, nullptr, 3, to, nullptr, nullptr, 0, nullptr), 1);
    ASSERT_EQ(v.n_double, 5);
    EXPECT_EQ(v.doubles[4], 1.5);
    EXPECT_EQ(v.doubles[0], 3.5);
    EXPECT_EQ(v.doubles[1], 0.0);
    // The vector never shrinks.
    const int one[1] = {7};
    Par_Vector_Set_Arrays(&v, one, nullptr, 1, nullptr, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr);
    EXPECT_EQ(v.n_double, 5);
    EXPECT_EQ(v.n_int, 1);
    Par_Vector_Free(&v);
}

TEST(ParamVector, CopyClearAndAnySet)
{
    ParamVector a, b;
    Par_Vector_Init(&a);
    Par_Vector_Init(&b);
    Par_Vector_Resize(&a, 1, 1, 2);
    EXPECT_EQ(Par_Vector_Any_Set(&a), 0);
    a.strings[1] = strdup("x");
    EXPECT_EQ(Par_Vector_Any_Set(&a), 1);
    ASSERT_EQ(Par_Vector_Copy(&b, &a), 1);
    EXPECT_EQ(b.strings[0], nullptr);
    EXPECT_STREQ(b.strings[1], "x");
    EXPECT_NE(b.strings[1], a.strings[1]);
    Par_Vector_Clear(&b);
    EXPECT_EQ(b.n_string, 2);
    EXPECT_EQ(Par_Vector_Any_Set(&b), 0);
    Par_Vector_Free(&a);
    Par_Vector_Free(&b);
}
