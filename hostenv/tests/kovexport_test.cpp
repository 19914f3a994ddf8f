// Tests of the export blocks: objects of each kind round trip, unknown kinds are skipped,
// headers, sections, keyed records and the search in a container.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/ptrarr.h"
#include "hostenv/kovexport.h"
#include "test_support/kovtestutil.h"
#include "test_support/kxp/kxp_fixture.h"

using kovtest::MemFile;

TEST(ExportObject, KindOneWithCommentRoundTrips)
{
    KovExportObject* o = Kxp_New_Object(3, 1, 12, "S1", 1, nullptr);
    ASSERT_NE(o, nullptr);
    ASSERT_EQ(Kxp_Set_Object_Comment(o, "Schnitt"), 1);
    auto* d = static_cast<KxpParamData*>(o->data);
    d->flags = 1;
    Par_Vector_Resize(&d->values, 1, 0, 0);
    d->values.ints[0] = 2006;
    MemFile m;
    ASSERT_EQ(Kxp_Write_Object(m.f, o), 1);
    EXPECT_EQ(m.text(), "\n0x3 1 \xAE"
                        "S1\xAF 12 0\n"
                        "268435457\n"
                        "0 0 0\n"
                        "TXB7\n\xAE"
                        "Schnitt\xAF\n"
                        "#KXP_OBJECT_EOC\n"
                        "1\n1 0 0\n 2006\n"
                        "\n#KXP_OBJECT_EOD\n");
    std::rewind(m.f);
    KovExportObject* r = Kxp_Read_Object(m.f);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->ops, &Kxp_Param_Ops);
    EXPECT_STREQ(Kxp_Get_Object_Comment(r), "Schnitt");
    auto* rd = static_cast<KxpParamData*>(r->data);
    ASSERT_NE(rd, nullptr);
    EXPECT_EQ(rd->flags, 1);
    EXPECT_EQ(Par_Vector_Get_Int(&rd->values, 0), 2006);
    Kxp_Free_Object(o);
    Kxp_Free_Object(r);
}

TEST(ExportObject, KindZeroHasNoKeyword)
{
    KovExportObject* o = Kxp_New_Object(4, 2, 5, "K", 0, nullptr);
    MemFile m;
    Kxp_Write_Object(m.f, o);
    EXPECT_EQ(m.text(), "\n0x4 2 \xAE"
                        "K\xAF 5 0\n0\n0 0 0\n");
    Kxp_Free_Object(o);
}

TEST(ExportObject, UnknownKindIsSkippedToItsEnd)
{
    MemFile m;
    m.put("\n0x3 1 \xAE"
          "A\xAF 1 0\n5\n0 0 0\nwhatever 1 2 3\n\xAE"
          "junk\xAF\n#KXP_OBJECT_EOD\n"
          "\n0x4 2 \xAE"
          "B\xAF 2 0\n0\n0 1 0\n 2.0\n");
    KovExportObject* a = Kxp_Read_Object(m.f);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->ops, nullptr);
    EXPECT_EQ(a->data, nullptr);
    KovExportObject* b = Kxp_Read_Object(m.f);
    ASSERT_NE(b, nullptr);
    EXPECT_STREQ(b->head.name, "B");
    EXPECT_DOUBLE_EQ(Kxp_Get_Double(b, 4, 0), 2.0);
    EXPECT_EQ(Kxp_Get_Double(b, 3, 0), 0.0); // wrong type
    Kxp_Free_Object(a);
    Kxp_Free_Object(b);
    EXPECT_EQ(Kxp_Read_Object(m.f), nullptr); // nothing left
}

TEST(ExportObject, FixtureCutRoundTrips)
{
    KxpCutSpec s;
    s.origin[0] = -100;
    s.origin[2] = 100;
    s.info_ints[3] = 2006;
    s.info_values[0] = 12.99;
    s.info_values[1] = 18.0;
    std::string text = Kxp_Fixture_Cut_Text(s);
    MemFile m;
    m.put(text);
    KovExportObject* o = Kxp_Read_Object(m.f);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->head.type, 3);
    EXPECT_DOUBLE_EQ(Kxp_Get_Double(o, 3, 1), -100.0);
    EXPECT_DOUBLE_EQ(Kxp_Get_Double(o, 3, 15), 1000.0);
    Kxp_Free_Object(o);
}

TEST(ExportBlock, HeaderAndEndObjects)
{
    MemFile m;
    ASSERT_EQ(Kxp_Write_End_Object(m.f, 1), 1);
    ASSERT_EQ(Kxp_Write_End_Object(m.f, 2), 1);
    EXPECT_EQ(m.text(), "\n0x1 1 \xAE"
                        "End_Of_KOVExportBlock\xAF -1 0\n0\n0 0 0\n"
                        "\n0x1 2 \xAE"
                        "End_Of_KOVExportBlock\xAF -1 0\n0\n0 0 0\n");

    MemFile h;
    ASSERT_EQ(Kxp_Write_Header_Object(h.f, nullptr), 1);
    std::rewind(h.f);
    KovExportObject* hdr = Kxp_Read_Header_Object(h.f);
    ASSERT_NE(hdr, nullptr);
    EXPECT_STREQ(hdr->head.name, "KOVExportObject_Header");
    EXPECT_EQ(hdr->values.n_int, 3);
    EXPECT_EQ(hdr->values.n_string, 6);
    EXPECT_EQ(Par_Vector_Get_Int(&hdr->values, 0), 1);
    Kxp_Free_Object(hdr);

    MemFile c;
    KovExportObject* cut = Kxp_New_Object(3, 1, 1, "x", 0, nullptr);
    Kxp_Write_Object(c.f, cut);
    Kxp_Free_Object(cut);
    std::rewind(c.f);
    EXPECT_EQ(Kxp_Read_Header_Object(c.f), nullptr);
}

TEST(ExportBlock, Sections)
{
    EXPECT_STREQ(Kxp_Section_Keyword(0), "#KXP_??????");
    EXPECT_STREQ(Kxp_Section_Keyword(3), "#KXP_OBJECTS");
    EXPECT_STREQ(Kxp_Section_Keyword(9), "#KXP_??????");
    MemFile m;
    Kxp_Write_Section(m.f, 1);
    Kxp_Write_Section(m.f, 3);
    EXPECT_EQ(m.text(), "\n#KXP_HEADER\n\n#KXP_OBJECTS\n");
    EXPECT_EQ(Kxp_Find_Section(m.f, 3, 1), 1);
    EXPECT_EQ(Kxp_Find_Section(m.f, 2, 1), 0);
}

TEST(KeyedRecord, KeyLines)
{
    struct Case {
        const char* line;
        int ok;
        int key[7];
    } cases[] = {
        {"3|1|-1\n", 1, {3, 1, -1, -1, -1, -1, -1}},
        {"1 |2\n", 0, {1, -1, -1, -1, -1, -1, -1}},
        {"1|2|3|4|5|6|7|8|9\n", 1, {1, 2, 3, 4, 5, 6, 7}},
        {"x\n", 0, {-1, -1, -1, -1, -1, -1, -1}},
    };
    for (const Case& c : cases) {
        MemFile m;
        m.put(c.line);
        int key[7];
        EXPECT_EQ(Kxp_Read_Key(m.f, key), c.ok) << c.line;
        for (int k = 0; k < 7; ++k) EXPECT_EQ(key[k], c.key[k]) << c.line << " key " << k;
    }
}

TEST(KeyedRecord, FilterSkipsAndComponentsAreFound)
{
    MemFile m;
    KxpKeyedRecord a, b;
    Kxp_Init_Keyed_Record(&a);
    Kxp_Init_Keyed_Record(&b);
    int ka[7] = {2, 0, 0, 0, 0, 0, 0}, kb[7] = {3, 4, 5, 6, 7, 8, 0};
    std::copy(ka, ka + 7, a.key);
    std::copy(kb, kb + 7, b.key);
    Kxp_Keyed_Resize(&b, 1, 13, 0);
    for (int k = 0; k < 13; ++k) b.values.doubles[k] = k + 0.5;
    b.values.ints[0] = 9;
    Kxp_Write_Keyed_Record(m.f, &a);
    Kxp_Write_Keyed_Record(m.f, &b);
    EXPECT_NE(m.text().find("\n<KXP\n2|0|0|0|0|0|0\n0 0 0\n"), std::string::npos);
    std::rewind(m.f);
    const int filter[7] = {3, -1, -1, -1, -1, -1, 0};
    KxpKeyedRecord r;
    Kxp_Init_Keyed_Record(&r);
    ASSERT_EQ(Kxp_Read_Keyed_Record(m.f, filter, &r), 1);
    EXPECT_EQ(r.key[1], 4);
    EXPECT_DOUBLE_EQ(Kxp_Keyed_Get_Double(&r, 12), 12.5);
    EXPECT_EQ(Kxp_Read_Keyed_Record(m.f, filter, &r), 0);

    // Member table: component 6 (N) at position 6, kmod at 12.
    const int comps[3] = {6, 24, 12};
    double out[3];
    ASSERT_EQ(Kxp_Get_Components(&r, comps, 3, out), 1);
    EXPECT_DOUBLE_EQ(out[0], 6.5);
    EXPECT_DOUBLE_EQ(out[1], 12.5);
    EXPECT_DOUBLE_EQ(out[2], 0.0);
    EXPECT_EQ(Kxp_Record_Kmod(&r), 0.0); // key 6 is 0
    r.key[6] = 1;                        // node table: 12 at 0, 24 at 12, 7 absent
    const int node[3] = {12, 24, 7};
    Kxp_Get_Components(&r, node, 3, out);
    EXPECT_DOUBLE_EQ(out[0], 0.5);
    EXPECT_DOUBLE_EQ(out[1], 12.5);
    EXPECT_DOUBLE_EQ(out[2], 0.0);
    r.key[6] = 3;
    EXPECT_DOUBLE_EQ(Kxp_Record_Kmod(&r), 12.5);
    EXPECT_EQ(Kxp_Record_First_Int(&r), 9);
    r.key[6] = 7;
    EXPECT_EQ(Kxp_Get_Components(&r, node, 3, out), 0);
    EXPECT_EQ(out[0], 0.0);

    EXPECT_STREQ(Kxp_Component_Table(0)->entries[7].name, "V\xC1");
    EXPECT_STREQ(Kxp_Component_Table(2)->entries[3].unit, "\x89");
    EXPECT_EQ(Kxp_Component_Table(4), nullptr);
    Kxp_Keyed_Free_Values(&a);
    Kxp_Keyed_Free_Values(&b);
    Kxp_Keyed_Free_Values(&r);
}

TEST(ExportObject, FindInContainer)
{
    PtrArr* arr = Ptr_Arr_New(4);
    KovExportObject* a = Kxp_New_Object(3, 1, 5, "a", 0, nullptr);
    KovExportObject* b = Kxp_New_Object(4, 2, 5, "b", 0, nullptr);
    Ptr_Arr_Set(arr, 0, a);
    Ptr_Arr_Set(arr, 1, b);
    const int key_b[2] = {5, 4};
    EXPECT_EQ(Find_KOVExportParam_Obj(key_b, arr), b);
    testing::internal::CaptureStdout();
    const int missing[2] = {5, 7};
    EXPECT_EQ(Find_KOVExportParam_Obj(missing, arr), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Find_KOVExportParam_Obj: (type=7, ID=5) nicht gefunden\n");
    Kxp_Free_Object(a);
    Kxp_Free_Object(b);
    Ptr_Arr_Delete(arr);
}
