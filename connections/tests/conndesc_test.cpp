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
        {"type = 0\nd = 4,5,1\n", 2, "Zeile 2: Zahl erwartet für d: 4,5,1"},
        {"colour = 3\n", 1, "Zeile 1: unbekanntes Feld: colour"},
        {"type 0\n", 1, "Zeile 1: '=' fehlt"},
        {"type = 1e3\n", 1, "Zeile 1: ganze Zahl erwartet für type: 1e3"},
        {"type = 2,0\n", 1, "Zeile 1: ganze Zahl erwartet für type"},
        {"type = 99999999999\n", 1, "Zeile 1: ganze Zahl erwartet"},
        {"p45.d = 3\n", 1, "Zeile 1: unbekanntes Feld: p45.d"},
        {"d = \n", 1, "Zeile 1: Zahl erwartet für d"},
        {"d = 1.000,5\n", 1, "Zeile 1: Zahl erwartet für d"},
        {"\n\nuser.name = x\n", 3, "Zeile 3: unbekanntes Feld: user.name"},
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

TEST(ConnDescription, DecimalComma)
{
    const std::string text = "d = 16,5\nt1 = -0,5\nalpha1=  30,25 \n";
    ConnectionInput in;
    int line = 0;
    ASSERT_EQ(Conn_Read_Description(text.data(), text.size(), &in, &line, nullptr, 0), 0);
    EXPECT_EQ(in.d, 16.5);
    EXPECT_EQ(in.t1, -0.5);
    EXPECT_EQ(in.alpha1, 30.25);
}

TEST(ConnDescription, MissingFieldsAreNamed)
{
    const std::string full = "type = 0\nshear_planes = 1\nkind1 = 0\ngrade1 = 5\nt1 = 60\nkind2 = 0\ngrade2 = 5\n"
                             "t2 = 80\nd = 4\nlength = 100\nfu = 600\nkmod_given = 0,8\nmethod = 0\ngamma_m1 = 1,3\n";
    ConnectionInput in;
    int line = -1;
    char message[80];
    ASSERT_EQ(Conn_Read_Description_Complete(full.data(), full.size(), 0, &in, &line, message, sizeof message), 0)
        << message;
    const struct {
        const char* drop; // the line left out
        const char* extra;
        int axial;
        const char* message;
    } cases[] = {
        {"t2 = 80\n", "", 0, "t2 fehlt"},
        {"type = 0\n", "", 0, "type fehlt"},
        {"length = 100\n", "", 0, "length fehlt"},
        {"method = 0\n", "", 0, "method fehlt"},
        {"method = 0\n", "", 1, ""}, // the axial capacity needs no method
        {"kmod_given = 0,8\n", "", 0, "kmod_given fehlt"},
        {"kmod_given = 0,8\n", "kmod_from_materials = 1\nservice_class1 = 1\nservice_class2 = 1\n", 0,
         "duration fehlt"},
        {"fu = 600\n", "steel_grade = 27\n", 0, ""},
        {"d = 4\n", "type = 43\np43.d = 8\n", 0, "p43.length fehlt"},
        {"", "type = 26\n", 0, "product fehlt"},
        {"", "type = 26\nproduct = 0\n", 0, "d_bolt fehlt"},
        {"", "method = 2\n", 0, "gamma_m2 fehlt"},
    };
    for (const auto& c : cases) {
        std::string text = full;
        if (*c.drop) text.erase(text.find(c.drop), std::strlen(c.drop));
        text += c.extra;
        const int got =
            Conn_Read_Description_Complete(text.data(), text.size(), c.axial, &in, &line, message, sizeof message);
        EXPECT_EQ(got, *c.message ? 1 : 0) << c.drop << c.extra;
        EXPECT_STREQ(message, c.message) << c.drop << c.extra;
        if (got) {
            EXPECT_EQ(line, 0);
        }
    }
}
