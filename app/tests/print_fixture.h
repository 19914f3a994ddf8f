#pragma once
// Helpers of the output-list tests: the example position, fresh writer state,
// a private working folder and golden-file comparison.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "app/print.h"
#include "app/tests/app_fixture.h"
#include "output/iolipara.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"
#include "platform/kovscript.h"
#include "test_support/position/example_position.h"

namespace printtest {

using kovtest::Example_Position;
using kovtest::Reset_Writers;

// Compares bytes with a golden file of the tests folder. With KOV_UPDATE_GOLDEN
// set the golden is written instead (read it before committing it).
inline void Expect_Golden(const std::string& bytes, const std::string& golden)
{
    const std::string path = std::string(KOV_TEST_DIR) + "/" + golden;
    if (std::getenv("KOV_UPDATE_GOLDEN")) {
        ASSERT_TRUE(apptest::Spill(path, bytes)) << path;
        return;
    }
    const std::string want = apptest::Slurp(path);
    ASSERT_FALSE(want.empty()) << "missing golden " << path;
    if (bytes == want) return;
    size_t i = 0;
    while (i < bytes.size() && i < want.size() && bytes[i] == want[i]) ++i;
    const size_t from = i > 200 ? i - 200 : 0;
    ADD_FAILURE() << golden << " differs at byte " << i << "\n--- got:\n"
                  << bytes.substr(from, 400) << "\n--- want:\n"
                  << want.substr(from, 400);
}

// Number of occurrences of needle in hay.
inline int Count(const std::string& hay, const std::string& needle)
{
    int n = 0;
    for (size_t p = hay.find(needle); p != std::string::npos; p = hay.find(needle, p + needle.size())) ++n;
    return n;
}

} // namespace printtest
