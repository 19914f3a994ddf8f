// The description reader: every group of fields, comments, and the lines it refuses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "connections/conndesc.h"

TEST(ConnDescription, FieldsOfEveryGroup)
{
    const std::string text = "# a user screw\n type = 43 \nd=8.5\r\np43.d = 10  # nominal\np44.sub_type = 2\n"
                             "user.rho_k = 420\nuser.f_c_90_k = 2.7\nlaw.c = 0.1\nlaw.active = 1\n\nshear_planes = 2";
    ConnectionInput in;
    int line = -1;
    char message[80];
    ASSERT_EQ(Conn_Read_Description(text.data(), text.size(), &in, &line, message, sizeof message), 0) << message;
    EXPECT_EQ(in.type, 43);
    EXPECT_EQ(in.d, 8.5);
    EXPECT_EQ(in.assy_product.d, 10.0);
    EXPECT_EQ(in.spax_product.sub_type, 2);
    EXPECT_EQ(in.user_material.rho_k, 420.0);
    EXPECT_EQ(in.user_material.f_c_90_k, 2.7);
    EXPECT_EQ(in.embedment_law.c, 0.1);
    EXPECT_EQ(in.embedment_law.active, 1);
    EXPECT_EQ(in.shear_planes, 2);
    EXPECT_EQ(in.steel_grade, -1);
}

TEST(ConnDescription, RefusedLines)
{
    const struct {
        const char* text;
        int line;
        const char* reason;
    } cases[] = {
        {"type = 0\nd = 4,5\n", 2, "bad number"},   {"colour = 3\n", 1, "unknown field"},
        {"type 0\n", 1, "no '='"},                  {"type = 1e3\n", 1, "bad number"},
        {"type = 99999999999\n", 1, "bad number"},  {"p45.d = 3\n", 1, "unknown field"},
        {"d = \n", 1, "bad number"},                {"\n\nuser.name = x\n", 3, "unknown field"},
    };
    for (const auto& c : cases) {
        ConnectionInput in;
        int line = 0;
        char message[80];
        EXPECT_EQ(Conn_Read_Description(c.text, std::strlen(c.text), &in, &line, message, sizeof message), 1) << c.text;
        EXPECT_EQ(line, c.line) << c.text;
        EXPECT_EQ(std::strncmp(message, c.reason, std::strlen(c.reason)), 0) << message;
    }
    const std::string long_line(600, 'x');
    ConnectionInput in;
    int line = 0;
    EXPECT_EQ(Conn_Read_Description(long_line.data(), long_line.size(), &in, &line, nullptr, 0), 1);
    EXPECT_EQ(Conn_Read_Description(nullptr, 0, &in, &line, nullptr, 0), 0);
}
