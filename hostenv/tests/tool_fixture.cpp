// Helpers of the tests that start the stand-in host tools: a folder of tools for EXEC and a
// virtual clock that the tool waits sleep on.
#include "tool_fixture.h"

#include "test_support/kxp/kxp_fixture.h"

#include <cstdio>

#include <unistd.h>

namespace {
int64_t g_virtual_ms = 0;
int g_virtual_sleeps = 0;
} // namespace

void Tool_Link(const std::string& dir, const char* tool, const char* as_name)
{
    const std::string target = std::string(KOV_TOOLS_DIR) + "/" + tool;
    const std::string link = dir + "/" + as_name;
    ::unlink(link.c_str());
    if (::symlink(target.c_str(), link.c_str()) != 0) std::perror("symlink");
}

void Tool_Virtual_Sleep(int ms)
{
    g_virtual_ms += ms;
    ++g_virtual_sleeps;
}

int64_t Tool_Virtual_Ms() { return g_virtual_ms; }

int Tool_Virtual_Sleeps() { return g_virtual_sleeps; }

void Tool_Virtual_Reset()
{
    g_virtual_ms = 0;
    g_virtual_sleeps = 0;
}

std::string Tool_Multi_Result(const ToolResultSpec& result)
{
    std::string s = "MULTICUT 1\n" + std::to_string(result.declared_cuts) + "\n";
    for (int i = 0; i < result.cuts; ++i) {
        KxpCutSpec cut;
        cut.id = 10 + i;
        cut.number = i + 1;
        cut.name = "Cut" + std::to_string(i + 1);
        cut.info_ints[3] = 2006 + i;
        cut.info_values[0] = 12.0 + i;
        cut.info_values[1] = 24.0;
        s += Kxp_Fixture_Cut_Text(cut);
    }
    s += "RESULTS\n";
    int total = 0;
    for (int i = 0; i < result.cuts; ++i) {
        s += std::to_string(result.counts[i]) + "\n";
        total += result.counts[i];
    }
    for (int r = 0; r < total; ++r) {
        for (int k = 0; k < 6 * result.cuts; ++k) s += std::to_string(r * 100 + k) + ".25 ";
        s += std::to_string(1 + r) + " " + std::to_string(r) + ".5\n";
        s += (result.empty_first_text && r == 0) ? "\xAE\xAF"
                                                 : "\xAE"
                                                   "T" +
                                                       std::to_string(r) + "\xAF";
        s += " \xAE"
             "LK " +
             std::to_string(r + 1) + "\xAF\n";
    }
    return s;
}
