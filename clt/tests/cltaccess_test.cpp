// Lookups, choice lists and texts of the catalogue; texts byte for byte.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "clt/cltaccess.h"
#include "clt/tests/clt_fixture.h"

TEST(CltAccess, LookupsAndTheirSentinels)
{
    Clt_Test_Publish_Annex();
    EXPECT_STREQ(Clt_Manufacturer_Name(1), "Derix X-Lam");
    EXPECT_STREQ(Clt_Manufacturer_Name(4), "Binderholz BBS 125");
    EXPECT_STREQ(Clt_Manufacturer_Name(8), "nicht definierter Hersteller");
    EXPECT_STREQ(Clt_Manufacturer_Name(static_cast<unsigned>(-1)), "nicht definierter Hersteller");
    EXPECT_STREQ(Clt_Product_Name(3, 11), "115L/5s");
    EXPECT_STREQ(Clt_Product_Name(3, 12), "115L/5s");
    EXPECT_STREQ(Clt_Product_Name(0, 26), "310");
    EXPECT_STREQ(Clt_Product_Name(0, 27), "nicht definierter Typ");
    EXPECT_STREQ(Clt_Product_Name(0, -1), "nicht definierter Typ");
    EXPECT_STREQ(Clt_Product_Name(8, 0), "nicht definierter Typ");
    EXPECT_DOUBLE_EQ(Clt_Manufacturer_Value_A(0), 80.0);
    EXPECT_DOUBLE_EQ(Clt_Manufacturer_Value_B(0), 220.0);
    EXPECT_DOUBLE_EQ(Clt_Manufacturer_Value_B(2), 240.0);
    EXPECT_DOUBLE_EQ(Clt_Manufacturer_Value_B(7), 260.0);
    EXPECT_DOUBLE_EQ(Clt_Manufacturer_Value_A(8), -1.0);
    EXPECT_DOUBLE_EQ(Clt_Manufacturer_Value_B(8), -1.0);
    EXPECT_EQ(Clt_Product_Count(8), -1);
    EXPECT_EQ(Clt_Manufacturer_Block(8), nullptr);
    EXPECT_EQ(Clt_Product(8, 0), nullptr);
    EXPECT_EQ(Clt_Product(7, 14), nullptr);
    EXPECT_EQ(Clt_Product(7, -1), nullptr);
    EXPECT_DOUBLE_EQ(Clt_Manufacturer_Block(4)->value_1, 1.1);
    EXPECT_DOUBLE_EQ(Clt_Manufacturer_Block(6)->value_1, 1.0);
    EXPECT_EQ(Clt_Product(7, 13), &Clt_Manufacturer_Block(7)->products[13]);
}

TEST(CltAccess, ChoiceLists)
{
    Clt_Test_Publish_Annex();
    const char* names[8] = {
        "Leno",   "Derix X-LAM", "Merkle X-LAM", "Decker BSP", "Binderholz BBS 125", "Binderholz BBS XL",
        "KLH DL", "KLH DQ"};
    int format = -5, count = -5;
    KindChoiceEntry* ids = Clt_Manufacturer_List_Ids(&format, &count, 3);
    EXPECT_EQ(format, 11);
    ASSERT_EQ(count, 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_STREQ(ids[i].text, names[i]);
        EXPECT_EQ(ids[i].kind, i);
        EXPECT_EQ(ids[i].colour, 3);
    }
    ChoiceEntry* list = Clt_Manufacturer_List(&format, &count, 4);
    EXPECT_EQ(format, 13);
    ASSERT_EQ(count, 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_STREQ(list[i].text, names[i]);
        EXPECT_EQ(list[i].colour, 4);
    }

    ChoiceEntry* products = Clt_Product_List(3, &format, &count, 5);
    EXPECT_EQ(format, 13);
    ASSERT_EQ(count, 27);
    EXPECT_STREQ(products[0].text, "66L/3s");
    EXPECT_STREQ(products[11].text, "115L/5s");
    EXPECT_STREQ(products[12].text, "115L/5s");
    EXPECT_STREQ(products[26].text, "292L/9s");
    for (int i = 0; i < count; ++i) EXPECT_EQ(products[i].colour, 5);
    // A second call with another colour recolours every entry of the list.
    EXPECT_EQ(Clt_Product_List(3, &format, &count, 9), products);
    for (int i = 0; i < count; ++i) EXPECT_EQ(products[i].colour, 9);

    format = count = -5;
    EXPECT_EQ(Clt_Product_List(8, &format, &count, 1), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(format, 13);
    EXPECT_EQ(Clt_Product_List(static_cast<unsigned>(-1), nullptr, nullptr, 1), nullptr);
    EXPECT_NE(Clt_Manufacturer_List(nullptr, nullptr, 1), nullptr);

    int total = 0;
    for (unsigned m = 0; m < 8; ++m) {
        ChoiceEntry* p = Clt_Product_List(m, &format, &count, 0);
        for (int i = 0; i < count; ++i) EXPECT_STREQ(p[i].text, Clt_Product(m, i)->name);
        total += count;
    }
    EXPECT_EQ(total, 164);
}

TEST(CltAccess, BuildupTexts)
{
    Clt_Test_Publish_Annex();
    CltSection five = Clt_Test_Section({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}});
    const std::string bold40 = "\xCE"
                               "b"
                               "40.0"
                               "\xCE"
                               "r";
    EXPECT_EQ(std::string(Clt_Buildup_Text(&five, 0, 0)), bold40 + "-20.0-" + bold40 + "-20.0-" + bold40);
    EXPECT_EQ(std::string(Clt_Buildup_Text(&five, 1, 0)), "40.0-\xCE"
                                                          "b"
                                                          "20.0\xCE"
                                                          "r-40.0-\xCE"
                                                          "b"
                                                          "20.0\xCE"
                                                          "r-40.0");
    // One material: a blank and the material once.
    EXPECT_EQ(std::string(Clt_Buildup_Text(&five, 0, 1)),
              bold40 + "-20.0-" + bold40 + "-20.0-" + bold40 + " Nadelvollholz, C24 (S10)");

    const CltSection* plus = Clt_Product(0, 2); // Leno "80 plus"
    EXPECT_EQ(0, Clt_Single_Material(plus));
    EXPECT_EQ(std::string(Clt_Buildup_Text(plus, 0, 1)),
              "\xCE"
              "b"
              "24.4\xCE"
              "r-31.2-\xCE"
              "b"
              "24.4\xCE"
              "r\n"
              "Nadelvollholz, C24 (S10) - nicht definiertes Material - Nadelvollholz, C24 (S10) - ");
    const std::string alone = "\xCE"
                              "b"
                              "24.4\xCE"
                              "r-31.2-\xCE"
                              "b"
                              "24.4\xCE"
                              "r";
    EXPECT_EQ(std::string(Clt_Buildup_Text(plus, 0, 2)), alone);
    EXPECT_EQ(std::string(Clt_Buildup_Text(plus, 0, 0)), alone);
    EXPECT_STREQ(Clt_Buildup_Text(nullptr, 0, 1), "nicht definierter Typ");

    // Twenty layers of two materials with long texts stay within the buffer.
    CltSection many = Clt_Test_Section({});
    many.layer_count = 20;
    for (int i = 0; i < 20; ++i) {
        many.layers[i].t = 1e6;
        many.layers[i].direction = i % 2;
        many.layers[i].kind = i % 2 ? 2 : 0;
        many.layers[i].grade = 1;
    }
    const std::string t = Clt_Buildup_Text(&many, 0, 1);
    EXPECT_EQ(t.substr(0, 14), "\xCE"
                               "b"
                               "1000000.0\xCE"
                               "r-");
    EXPECT_EQ(t.substr(t.size() - 3), " - ");
    EXPECT_NE(t.find("\nNadelvollholz, "), std::string::npos);
    // Absurd thicknesses fill the buffer: the text is cut, not overrun.
    for (int i = 0; i < 20; ++i) many.layers[i].t = 1e300;
    const std::string cut = Clt_Buildup_Text(&many, 0, 1);
    EXPECT_EQ(cut.size(), 4095u);
    EXPECT_EQ(cut.substr(0, 3), "\xCE"
                                "b"
                                "1");
}

TEST(CltAccess, SingleMaterial)
{
    CltSection s = Clt_Test_Section({{40, 0}, {20, 1}, {40, 0}});
    EXPECT_EQ(Clt_Single_Material(&s), 1);
    s.layers[2].grade = 4;
    EXPECT_EQ(Clt_Single_Material(&s), 0);
    s.layers[2].grade = 5, s.layers[1].kind = 13;
    EXPECT_EQ(Clt_Single_Material(&s), 0);
    CltSection one = Clt_Test_Section({{40, 0}});
    EXPECT_EQ(Clt_Single_Material(&one), 1);
    CltSection none = Clt_Test_Section({});
    EXPECT_EQ(Clt_Single_Material(&none), 1);
    EXPECT_EQ(Clt_Single_Material(nullptr), 0);
}

TEST(CltAccess, LayerTexts)
{
    Clt_Test_Publish_Annex();
    CltSection s = Clt_Test_Section({{40, 0}, {20, 1}, {40, 0}});
    EXPECT_STREQ(Clt_Layer_Text(&s, 0, 0), "\xCE"
                                           "b"
                                           "Nadelvollholz, C24 (S10), 40.0 mm, x-Richtung\xCE"
                                           "r");
    EXPECT_STREQ(Clt_Layer_Text(&s, 0, 1), "Nadelvollholz, C24 (S10), 20.0 mm, y-Richtung");
    // "x-Richtung" names the direction asked for.
    EXPECT_STREQ(Clt_Layer_Text(&s, 1, 1), "\xCE"
                                           "b"
                                           "Nadelvollholz, C24 (S10), 20.0 mm, x-Richtung\xCE"
                                           "r");
    EXPECT_STREQ(Clt_Layer_Text(&s, 1, 0), "Nadelvollholz, C24 (S10), 40.0 mm, y-Richtung");
    EXPECT_STREQ(Clt_Layer_Text(&s, 0, 3), "nicht definierter Typ");
    EXPECT_STREQ(Clt_Layer_Text(&s, 0, -1), "nicht definierter Typ");
    EXPECT_STREQ(Clt_Layer_Text(nullptr, 0, 0), "nicht definierter Typ");
    EXPECT_STREQ(Clt_Layer_Text(Clt_Product(0, 2), 0, 1), "nicht definiertes Material, 31.2 mm, y-Richtung");
}
