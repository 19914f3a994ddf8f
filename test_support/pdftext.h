#pragma once
// The text of a PDF as pdftotext lays it out, for suites that check what a
// rendered list says. Header only; the tool is optional, so callers ask first.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kovtest {

// Whether pdftotext is on the PATH.
inline bool have_pdftotext()
{
    const char* path = std::getenv("PATH");
    std::string p = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= p.size()) {
        size_t end = p.find(':', start);
        if (end == std::string::npos) end = p.size();
        const std::string exe = p.substr(start, end - start) + "/pdftotext";
        if (::access(exe.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

// The text of a PDF in page layout (UTF-8), written beside it as <pdf>.txt.
inline std::string pdf_text(const std::string& pdf)
{
    const std::string txt = pdf + ".txt";
    const std::string cmd = "pdftotext -layout -enc UTF-8 '" + pdf + "' '" + txt + "' 2>/dev/null";
    if (std::system(cmd.c_str()) != 0) return "<pdftotext failed>";
    std::ifstream in(txt, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every text appears, each after the one before.
inline void expect_in_order(const std::string& text, const std::vector<std::string>& parts)
{
    size_t at = 0;
    for (const std::string& p : parts) {
        const size_t found = text.find(p, at);
        ASSERT_NE(found, std::string::npos) << "\"" << p << "\" missing after offset " << at << " in:\n" << text;
        at = found + p.size();
    }
}

}  // namespace kovtest
