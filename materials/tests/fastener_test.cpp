// Fastener descriptors: ASSY and SPAX texts and lists, head diameters,
// pictures and the fastener positions of the choice list.
#include <gtest/gtest.h>

#include <cstring>

#include "materials/fastener.h"
#include "platform/kovstrlist.h"

TEST(FastenerDescriptors, NamesAsCodePage850Bytes)
{
    EXPECT_STREQ(Assy_Head_Name(0), "Senkkopf");
    EXPECT_STREQ(Assy_Head_Name(1), "Senkfr\x84"
                                    "staschenkopf"); // Senkfrästaschenkopf
    EXPECT_STREQ(Assy_Head_Name(2), "Senkfr\x84"
                                    "srippenkopf");
    EXPECT_STREQ(Assy_Head_Name(6), "Zylinderkopf");
    EXPECT_STREQ(Assy_Head_Name(10), "Top Head Kopf");
    EXPECT_EQ(Assy_Head_Name(11), nullptr);
    EXPECT_EQ(Assy_Head_Name(-1), nullptr);
    EXPECT_STREQ(Assy_Thread_Name(1), "Unterkopfgewinde");
    EXPECT_STREQ(Assy_Thread_Name(3), "Doppelgewinde");
    EXPECT_EQ(Assy_Thread_Name(4), nullptr);
    EXPECT_STREQ(Assy_Tip_Name(1), "Ring- / Gegengewinde");
    EXPECT_STREQ(Assy_Tip_Name(3), "Plus Bohrspitze Spitzenform");
    EXPECT_EQ(Assy_Tip_Name(4), nullptr);
    EXPECT_STREQ(Spax_Head_Name(2), "Senkkopf");
    EXPECT_STREQ(Spax_Head_Name(5), "R\x81"
                                    "ckwandkopf"); // Rückwandkopf
    EXPECT_STREQ(Spax_Head_Name(6), "Zierkopf");
    EXPECT_EQ(Spax_Head_Name(7), nullptr);
    EXPECT_STREQ(Spax_Thread_Name(1), "Doppelgewinde");
    EXPECT_EQ(Spax_Thread_Name(3), nullptr);
    EXPECT_STREQ(Spax_Tip_Name(2), "4CUT-Spitze");
    EXPECT_EQ(Spax_Tip_Name(3), nullptr);
}

TEST(FastenerDescriptors, ChoiceLists)
{
    struct {
        ChoiceEntry* list;
        int count;
        const char* (*name)(int);
        bool diameters;
    } const lists[] = {
        {Assy_Head_List(), ASSY_HEAD_COUNT, Assy_Head_Name, false},
        {Assy_Thread_List(), ASSY_THREAD_COUNT, Assy_Thread_Name, false},
        {Assy_Tip_List(), ASSY_TIP_COUNT, Assy_Tip_Name, false},
        {Spax_Head_List(), SPAX_HEAD_COUNT, Spax_Head_Name, false},
        {Spax_Thread_List(), SPAX_THREAD_COUNT, Spax_Thread_Name, false},
        {Spax_Tip_List(), SPAX_TIP_COUNT, Spax_Tip_Name, false},
    };
    for (const auto& l : lists)
        for (int i = 0; i < l.count; ++i) {
            EXPECT_STREQ(l.list[i].text, l.name(i));
            EXPECT_EQ(l.list[i].colour, 0);
        }
    const char* const assy[] = {"3.0", "3.5", "4.0", "4.5", "5.0", "6.0", "7.0", "8.0", "10.0", "12.0"};
    for (int i = 0; i < ASSY_DIAMETER_COUNT; ++i) {
        EXPECT_STREQ(Assy_Diameter_List()[i].text, assy[i]);
        EXPECT_EQ(Assy_Diameter_List()[i].colour, BLACK_CI);
    }
    EXPECT_STREQ(Spax_Diameter_List()[0].text, "2.0");
    EXPECT_STREQ(Spax_Diameter_List()[1].text, "2.5");
    for (int i = 0; i < ASSY_DIAMETER_COUNT; ++i) EXPECT_STREQ(Spax_Diameter_List()[i + 2].text, assy[i]);
    EXPECT_EQ(Assy_Head_List(), Assy_Head_List());
}

TEST(FastenerDescriptors, AssyHeadDiameter)
{
    struct {
        unsigned head;
        double d, d_k;
    } const cases[] = {
        {3, 3.05, 4.9}, {3, 3.45, 4.9}, {3, 3.2, -20},   {11, 3.0, -10}, {5, 3.0, -1},
        {0, 3.5, 5.9},  {4, 2.95, 7.8}, {10, 3.0, 5.25}, {0, 4.0, -20},  {(unsigned)-1, 3.0, -10},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Assy_Head_Diameter(c.head, c.d), c.d_k) << c.head << " " << c.d;
}

TEST(FastenerDescriptors, Pictures)
{
    struct {
        int type;
        const char* file;
    } const cases[] = {
        {0, "Nagel.bmp"},           {2, "Schraube.bmp"},          {10, "Schraube.bmp"},
        {11, "SPAX_Teil_Senk.bmp"}, {12, "SPAX_Teil_Teller.bmp"}, {15, "SPAX_Voll.bmp"},
        {16, "SonderNagel.bmp"},    {42, "SonderNagel.bmp"},      {45, "SonderNagel.bmp"},
        {46, "SonderNagel.bmp"},    {25, "Ringduebel_A1.bmp"},    {28, "Scheibenduebel_C10.bmp"},
        {29, "Stabduebel_G10.bmp"}, {30, "Bolzen.bmp"},           {33, "Scheibenduebel_C11.bmp"},
    };
    for (const auto& c : cases) EXPECT_STREQ(Fastener_Bitmap_File(c.type), c.file) << c.type;
    for (int type : {-3, -2, -1, 1, 43, 44, 47}) EXPECT_EQ(Fastener_Bitmap_File(type), nullptr) << type;
}

TEST(FastenerPositions, TypeFromPosition)
{
    int positions[FASTENER_POSITION_COUNT];
    for (int i = 0; i < FASTENER_POSITION_COUNT; ++i) positions[i] = i;
    struct {
        int position, row, column, type;
    } const cases[] = {
        {0, 0, 0, -2},  {1, 0, 0, -1},  {2, 0, 0, 0},   {3, 0, 0, 1},   {4, 0, 0, 2},   {4, 2, 2, 10},
        {4, 1, 3, -1},  {4, 3, 0, -1},  {5, 0, 0, 11},  {9, 0, 0, 15},  {10, 0, 0, 16}, {10, 2, 2, 24},
        {10, 1, 3, 34}, {10, 3, 5, 42}, {10, 0, 3, -1}, {10, 2, 4, 38}, {11, 0, 0, 25}, {14, 0, 0, 28},
        {15, 0, 0, 29}, {16, 0, 0, 30}, {17, 0, 0, 31}, {19, 0, 0, 33},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fastener_Type_From_Position(c.position, c.row, c.column, positions), c.type)
            << c.position << " " << c.row << "/" << c.column;
    const int odd[] = {20, -1};
    EXPECT_EQ(Fastener_Type_From_Position(0, 0, 0, odd), -1);
    EXPECT_EQ(Fastener_Type_From_Position(1, 0, 0, odd), -1);
    EXPECT_EQ(Fastener_Type_From_Position(-1, 0, 0, positions), -1);
    EXPECT_EQ(Fastener_Type_From_Position(0, 0, 0, nullptr), -1);
}

TEST(FastenerPositions, PositionFromTypeIsTheInverse)
{
    int positions[FASTENER_POSITION_COUNT];
    for (int i = 0; i < FASTENER_POSITION_COUNT; ++i) positions[i] = i;
    for (int type = -2; type <= 42; ++type) {
        int row = -7, column = -7;
        const int position = Fastener_Position_From_Type(type, &row, &column);
        ASSERT_GE(position, 0) << type;
        if (position == 4 || position == 10) {
            EXPECT_EQ(Fastener_Type_From_Position(position, row, column, positions), type);
        } else {
            EXPECT_EQ(row, -7) << type;
            EXPECT_EQ(column, -7) << type;
            if (type != -1) {
                EXPECT_EQ(Fastener_Type_From_Position(position, 0, 0, positions), type);
            }
        }
    }
    int row = 9, column = 9;
    EXPECT_EQ(Fastener_Position_From_Type(40, &row, &column), 10);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(column, 3);
    row = column = 9;
    for (int type : {43, 44, 45, 46, -3, 47}) {
        EXPECT_EQ(Fastener_Position_From_Type(type, &row, &column), -1) << type;
        EXPECT_EQ(row, 9);
        EXPECT_EQ(column, 9);
    }
    EXPECT_EQ(Fastener_Position_From_Type(5, nullptr, nullptr), 4);
}

TEST(FastenerPositions, PartnersAndIndexShift)
{
    const int pairs[][2] = {{25, 31}, {26, 32}, {28, 33}};
    for (const auto& p : pairs) {
        EXPECT_EQ(Connector_To_Partner(p[0]), p[1]);
        EXPECT_EQ(Connector_From_Partner(p[1]), p[0]);
    }
    for (int t : {27, 29, 0, -1, 31}) EXPECT_EQ(Connector_To_Partner(t), t);
    for (int t : {27, 25, 0, -1}) EXPECT_EQ(Connector_From_Partner(t), t);
    int i = 0;
    EXPECT_EQ(Choice_Index_Shift(&i), 0);
    i = 1;
    EXPECT_EQ(Choice_Index_Shift(&i), 1);
    i = 2;
    EXPECT_EQ(Choice_Index_Shift(&i), 3);
    EXPECT_EQ(i, 3);
    EXPECT_EQ(Choice_Index_Shift(nullptr), 0);
}
