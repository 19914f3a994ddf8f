// Message lists and the German texts of the message codes, byte for byte
// against the expected code page 850 bytes (hex) of every worded code.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "connections/connmsg.h"
#include "test_support/annex/scopedannex.h"

namespace {

std::string Hex(const char* text)
{
    std::string out;
    char two[3];
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        std::snprintf(two, sizeof two, "%02X", *p);
        out += two;
    }
    return out;
}

} // namespace

TEST(ConnMessageList, The501stPushChangesNeitherList)
{
    Conn_Clear(nullptr);
    for (int i = 0; i < 500; ++i) Conn_Push_Message(&ConnMessageListA, i + 1);
    Conn_Push_Message(&ConnMessageListB, CONN_MSG_NAIL_SHORT_OF_MEMBER_2);
    Conn_Push_Message(&ConnMessageListA, 9999);
    EXPECT_EQ(ConnMessageListA.count, 500);
    EXPECT_EQ(ConnMessageListA.codes[499], 500);
    EXPECT_EQ(ConnMessageListB.count, 1);
    EXPECT_EQ(ConnMessageListB.codes[0], CONN_MSG_NAIL_SHORT_OF_MEMBER_2);

    ConnectionResult result;
    std::memset(&result, 0x5A, sizeof result);
    Conn_Clear(&result);
    EXPECT_EQ(ConnMessageListA.count, 0);
    EXPECT_EQ(ConnMessageListB.count, 0);
    EXPECT_EQ(result.fvk, 0.0);
    EXPECT_EQ(result.message_code, 0);
    EXPECT_EQ(result.buckling.R_c_d, 0.0);
    Conn_Push_Message(nullptr, CONN_MSG_PENETRATION_BELOW_4D); // ignored
}

TEST(ConnMessageText, EveryWordedCodeInBothSetsAndModes)
{
    std::ifstream in(KOV_TEST_DIR "/message_texts.txt");
    ASSERT_TRUE(in.good());
    std::string line;
    int checked = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int code = 0;
        std::string mode, hex;
        fields >> code >> mode >> hex;
        ASSERT_EQ(mode.size(), 2u) << line;
        const char* text = nullptr;
        if (mode[1] == '+') {
            ScopedAnnex annex(1);
            text = mode[0] == 'A' ? Conn_Message_Text(code) : Conn_Message_Text_2(code);
        } else {
            ScopedAnnex din(ScopedAnnex::kNone);
            text = mode[0] == 'A' ? Conn_Message_Text(code) : Conn_Message_Text_2(code);
        }
        ASSERT_NE(text, nullptr) << line;
        EXPECT_EQ(Hex(text), hex) << code << " " << mode;
        ++checked;
    }
    EXPECT_EQ(checked, 175 * 4);
}

TEST(ConnMessageText, UnwordedCodesGiveOneBlankAndZeroGivesNull)
{
    for (int annex_number : {-1, 0, 1}) {
        ScopedAnnex annex(annex_number < 0 ? ScopedAnnex::kNone : annex_number);
        EXPECT_EQ(Conn_Message_Text(0), nullptr);
        EXPECT_EQ(Conn_Message_Text_2(0), nullptr);
        // the penetration cases, and numbers that are no code with a wording
        for (int code : {int(CONN_MSG_NAIL_SHORT_OF_MEMBER_2), int(CONN_MSG_NAIL_ENDS_IN_MEMBER_2),
                         int(CONN_MSG_NAIL_TIP_IN_MEMBER_2), int(CONN_MSG_NAIL_TIP_IN_MEMBER_3),
                         int(CONN_MSG_NAIL_PASSES_MEMBER_3), 5, 133, 160, 500, 999, 1023, -1}) {
            EXPECT_STREQ(Conn_Message_Text(code), " ") << code;
            EXPECT_STREQ(Conn_Message_Text_2(code), " ") << code;
        }
    }
}

TEST(ConnMessageText, ApprovalHintsNeedAnAnnexNumber)
{
    {
        ScopedAnnex annex(0);
        for (int code : {CONN_MSG_APPROVAL_GYPSUM_FIBRE, CONN_MSG_APPROVAL_SPECIAL_NAIL}) {
            EXPECT_STREQ(Conn_Message_Text(code), " ") << code;
            EXPECT_STREQ(Conn_Message_Text_2(code), " ") << code;
        }
    }
    ScopedAnnex annex(1);
    EXPECT_GT(std::strlen(Conn_Message_Text(CONN_MSG_APPROVAL_GYPSUM_FIBRE)), 100u);
    EXPECT_NE(std::strchr(Conn_Message_Text_2(CONN_MSG_APPROVAL_SPECIAL_NAIL), '\xA3'), nullptr);
}

TEST(ConnMessageText, FormattedTexts)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    const char* t1005 = Conn_Message_Text_2(CONN_MSG_ASSY_DOUGLAS_FIR_SPACINGS);
    EXPECT_NE(std::strstr(t1005, "um 50% erh"), nullptr);
    EXPECT_EQ(std::strstr(t1005, "%%"), nullptr);
    const char* t1006 = Conn_Message_Text_2(CONN_MSG_ASSY_SOFTWOOD_ONLY);
    EXPECT_NE(std::strstr(t1006, "mit \x8C \xF2 8 mm"), nullptr); // diameter sign, blank, greater-or-equal
    EXPECT_NE(std::strstr(Conn_Message_Text_2(CONN_MSG_CORE_HOLE_70_PERCENT), "mit 70% in"), nullptr);
}

TEST(ConnMessageText, EachOperationReusesItsOwnBuffer)
{
    ScopedAnnex annex(1);
    const char* first = Conn_Message_Text(CONN_MSG_ROPE_WOOD_SCREW_HINT);
    const std::string first_copy = first;
    const char* other = Conn_Message_Text_2(CONN_MSG_ROPE_BOLT_HINT);
    const std::string other_copy = other;
    const char* second = Conn_Message_Text(CONN_MSG_ASSY_SOFTWOOD_ONLY);
    EXPECT_EQ(first, second); // the same buffer now holds the second text
    EXPECT_NE(std::string(first), first_copy);
    EXPECT_EQ(std::string(other), other_copy); // the second set's buffer is untouched
    Conn_Message_Text_2(CONN_MSG_SPAX_SOFTWOOD_ONLY);
    EXPECT_EQ(std::string(second), std::string(Conn_Message_Text(CONN_MSG_ASSY_SOFTWOOD_ONLY)));
}
