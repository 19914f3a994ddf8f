#pragma once
// Starts a program from a test and waits for its end: an argument vector, never
// a shell; the environment of the test with changes; a working folder; its
// standard output and error captured; a time limit after which it is killed.
#include <string>
#include <vector>

namespace kovtest {

// What a started program left behind.
struct ToolRun {
    bool started = false;   // false: the program could not be started
    bool timed_out = false; // killed when its time was up
    int exit_code = -1;     // -1 unless it ended normally
    std::string out, err;   // its standard output and standard error, as bytes
};

struct ToolOptions {
    // "NAME=value": set for the program, replacing the test's value.
    std::vector<std::string> set;
    // Names of variables of the test that the program does not get.
    std::vector<std::string> unset;
    // The program's working folder; "" keeps the test's.
    std::string folder;
    // After this time the program and what it started are killed.
    int timeout_ms = 120000;
};

// Runs argv[0] with the arguments argv[1...]; a name without a slash is looked
// up on the PATH. Standard input is /dev/null.
ToolRun Run_Tool(const std::vector<std::string>& argv, const ToolOptions& options = ToolOptions());

// The path of an executable file of that name on the PATH; "" when none.
std::string Find_On_Path(const std::string& name);

#ifdef KOV_TOOLS_DIR
// A stand-in tool or command-line program of the build by its name.
inline std::string tool_path(const std::string& name) { return std::string(KOV_TOOLS_DIR) + "/" + name; }
#endif

} // namespace kovtest
