#pragma once
// The steps of the scripted user of the sheet tools (sheetdemo, sheetgallery),
// one a line:
//   click ID   clicks the middle of the innermost sheet's button, register
//              member (1000 + page) or escape area (2000 + page) with the id
//   in X Y     clicks at X, Y of the page shown (its area's pixels)
//   move X Y   moves the mouse to X, Y of the page shown
//   drag X1 Y1 X2 Y2  presses at the first point of the page shown, moves to
//              the second and lets go there
//   type TEXT  types the text (the rest of the line, code page 850 bytes)
//   key N      presses the key with the code N (13 Enter, 27 Esc)
//   shot FILE  takes the screen's picture and goes on at once
// Blank lines and lines starting with '#' are no steps.
// "tools/sheetscriptrun.h" runs them.
#include <sstream>
#include <string>

struct DemoStep {
    enum Kind { NONE, CLICK, IN, MOVE, DRAG, TYPE, KEY, SHOT, BAD } kind = NONE;
    int a = 0, b = 0, c = 0, d = 0;
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
    } else if (what == "move") {
        if (in >> s.a >> s.b) s.kind = DemoStep::MOVE;
    } else if (what == "drag") {
        if (in >> s.a >> s.b >> s.c >> s.d) s.kind = DemoStep::DRAG;
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
