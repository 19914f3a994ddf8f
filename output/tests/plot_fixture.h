#pragma once
// Helpers of the graphics and plot tests: temporary files and the lines of
// their bytes (the bytes through "test_support/kovtestutil.h").
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "output/ioliplot.h"
#include "test_support/kovtestutil.h"

// A temporary file name that is removed again at the end of the test.
struct TempPath {
    std::string path;
    TempPath()
    {
        char buf[] = "/tmp/kovplot_XXXXXX";
        int fd = mkstemp(buf);
        if (fd >= 0) close(fd);
        path = buf;
    }
    ~TempPath() { unlink(path.c_str()); }
};

// The lines of a text.
inline std::vector<std::string> Split_Lines(const std::string& s)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < s.size()) {
        size_t end = s.find('\n', start);
        if (end == std::string::npos) end = s.size();
        lines.push_back(s.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// Number of lines that begin with the prefix.
inline int Count_Prefix(const std::string& s, const std::string& prefix)
{
    int n = 0;
    for (const std::string& l : Split_Lines(s))
        if (l.compare(0, prefix.size(), prefix) == 0) ++n;
    return n;
}

inline bool Has_Inf_Or_Nan(const std::string& s)
{
    return s.find("inf") != std::string::npos || s.find("nan") != std::string::npos;
}

// A graphics block written into the temporary stream f_; the state of the
// graphics and of the plot file back at their start for every test.
class GraphicStreamTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Oli_Graphic_Reset();
        f_ = tmpfile();
        ASSERT_NE(f_, nullptr);
    }
    void TearDown() override
    {
        Plot_Close();
        fclose(f_);
    }
    // The block records after the head.
    std::string Records()
    {
        std::string s = kovtest::contents(f_);
        size_t at = s.find("-1\n");
        if (at == std::string::npos) return s;
        size_t eol = s.find('\n', at + 3);
        return s.substr(eol + 1);
    }
    FILE* f_ = nullptr;
};
