#pragma once
// Shared by the suites of the annex output pages: a list stream in memory and
// the activation of a supplied annex by name.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "base/kovmem.h"
#include "nad/nadlist.h"

namespace nadtest {

// A list stream in memory.
struct List {
    char* buf = nullptr;
    size_t len = 0;
    FILE* f = open_memstream(&buf, &len);
    ~List()
    {
        if (f) std::fclose(f);
        std::free(buf);
    }
    // Closes the stream and returns what was written.
    std::string text()
    {
        if (f) std::fclose(f);
        f = nullptr;
        return std::string(buf, len);
    }
};

inline std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void write_file(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

inline void activate(const char* name)
{
    Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
    NadActiveName = Mem_Strdup(name);
    ASSERT_EQ(Nad_Activate(), 1);
}

} // namespace nadtest
