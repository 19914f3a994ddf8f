#pragma once
// Helpers of the tests that start the stand-in host tools: a folder of tools
// for EXEC and a virtual clock for the waits (folders, files and the
// environment through "test_support/kovtestutil.h").
#include <cstdint>
#include <string>

// Links the stand-in tools into dir under the names the host uses.
void Tool_Link(const std::string& dir, const char* tool, const char* as_name);

// Virtual clock for the tool waits: sleeps add to it and return at once.
void Tool_Virtual_Sleep(int ms);
int64_t Tool_Virtual_Ms();
int Tool_Virtual_Sleeps();
void Tool_Virtual_Reset();

// A beam-cut result file: n cuts (export objects from the fixture), the row
// counts of the cuts, then rows of 6n values, id, value and two texts. Values
// are row * 100 + k (k = 0 .. 6n-1), ids 1 + row, value row + 0.5.
struct ToolResultSpec {
    int declared_cuts = 2;
    int cuts = 2;
    int counts[10] = {4, 4};
    bool empty_first_text = false;
};
std::string Tool_Multi_Result(const ToolResultSpec& result);
