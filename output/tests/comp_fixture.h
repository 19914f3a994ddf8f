#pragma once
// The graphics block tests of the drawing composites: the records of the block
// by prefix, their texts and their numbers.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "output/tests/plot_fixture.h"

class CompositeFixture : public GraphicStreamTest {
protected:
    // The record lines that begin with prefix.
    std::vector<std::string> Lines(const std::string& prefix)
    {
        std::vector<std::string> out;
        for (const std::string& l : Split_Lines(Records()))
            if (l.compare(0, prefix.size(), prefix) == 0) out.push_back(l);
        return out;
    }
    // The texts of the text records, in order.
    std::vector<std::string> Texts()
    {
        std::vector<std::string> out;
        for (const std::string& l : Split_Lines(Records())) {
            size_t a = l.find('\xAE'), b = l.rfind('\xAF');
            if (a != std::string::npos && b != std::string::npos) out.push_back(l.substr(a + 1, b - a - 1));
        }
        return out;
    }
    // The numbers of a record line after its opcode.
    static std::vector<double> Numbers(const std::string& line)
    {
        std::vector<double> v;
        const char* p = line.c_str();
        char* end;
        std::strtod(p, &end); // the opcode
        p = end;
        for (;;) {
            double d = std::strtod(p, &end);
            if (end == p) break;
            v.push_back(d);
            p = end;
        }
        return v;
    }
    // Empties the block's stream.
    void Clear()
    {
        rewind(f_);
        ASSERT_EQ(ftruncate(fileno(f_), 0), 0);
    }
};
