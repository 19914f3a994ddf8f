#pragma once
// The steps of a sheetdemo script, one a line:
//   click ID   clicks the middle of the element with the id
//   in X Y     clicks at X, Y of the page shown
//   type TEXT  types the text (the rest of the line)
//   key N      presses the key with the code N
//   shot FILE  writes the screen as a PNG
// Blank lines and lines starting with '#' are no steps.
#include <sstream>
#include <string>

struct DemoStep {
    enum Kind { NONE, CLICK, IN, TYPE, KEY, SHOT, BAD } kind = NONE;
    int a = 0, b = 0;
    std::string text;
};

// The step of one line; BAD for a line that is no step (unknown word, a
// number missing or out of the int range).
inline DemoStep Demo_Parse_Step(const std::string& line)
{
    DemoStep s;
    std::istringstream in(line);
    std::string what;
    if (!(in >> what) || what[0] == '#') return s;
    s.kind = DemoStep::BAD;
    if (what == "click") {
        if (in >> s.a) s.kind = DemoStep::CLICK;
    } else if (what == "in") {
        if (in >> s.a >> s.b) s.kind = DemoStep::IN;
    } else if (what == "key") {
        if (in >> s.a) s.kind = DemoStep::KEY;
    } else if (what == "type") {
        std::getline(in >> std::ws, s.text);
        s.kind = DemoStep::TYPE;
    } else if (what == "shot") {
        if (in >> s.text) s.kind = DemoStep::SHOT;
    }
    return s;
}
