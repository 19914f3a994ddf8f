#pragma once
// The text of a PDF as pdftotext lays it out, for suites that check what a
// rendered list says; the tool is optional, so callers ask first.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "test_support/runtool.h"

namespace kovtest {

// Whether pdftotext is on the PATH.
inline bool have_pdftotext() { return !Find_On_Path("pdftotext").empty(); }

// The text of a PDF in page layout (UTF-8), written beside it as <pdf>.txt.
inline std::string pdf_text(const std::string& pdf)
{
    const std::string txt = pdf + ".txt";
    if (Run_Tool({"pdftotext", "-layout", "-enc", "UTF-8", pdf, txt}).exit_code != 0) return "<pdftotext failed>";
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

} // namespace kovtest
