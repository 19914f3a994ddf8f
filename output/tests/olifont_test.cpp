// The named one-byte texts of the output list's font.
#include <gtest/gtest.h>

#include <cstring>

#include "output/olifont.h"

TEST(OliFont, FontSymbols)
{
    const OliFontSymbolTexts& s = OliFontSymbols;
    const char* texts[] = {s.gamma, s.eta, s.lambda_bar, s.beta, s.chi, s.psi, s.alpha, s.epsilon, s.rho, s.per_mille};
    const unsigned char bytes[] = {0xC0, 0xC1, 0xC5, 0xBB, 0xBC, 0xB8, 0xBA, 0xBE, 0xCB, 0x89};
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(std::strlen(texts[i]), 1u) << i;
        EXPECT_EQ((unsigned char)texts[i][0], bytes[i]) << i;
    }
}
