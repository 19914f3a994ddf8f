// Fuzzes the step reader of the sheetdemo scripts: every line of the input is
// read as a step; a step names one kind and keeps its text within the line.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/sheetdemoscript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    size_t at = 0;
    while (at <= input.size()) {
        size_t end = input.find('\n', at);
        if (end == std::string::npos) end = input.size();
        const std::string line = input.substr(at, end - at);
        const DemoStep s = Demo_Parse_Step(line);
        if (s.kind < DemoStep::NONE || s.kind > DemoStep::BAD || s.text.size() > line.size()) {
            std::fprintf(stderr, "a step outside its line\n");
            std::abort();
        }
        at = end + 1;
    }
    return 0;
}
