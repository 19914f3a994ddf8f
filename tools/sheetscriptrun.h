#pragma once
// Runs the steps of "tools/sheetdemoscript.h" as the scripted user of the
// sheet tools: the tool's idle hook calls Demo_Run_Steps whenever a wait of the
// sheets finds nothing queued.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/maskstate.h"
#include "sheets/viewarea.h"
#include "tools/sheetdemoscript.h"

// A script and where it stands. shot takes the picture of a "shot" step (the
// tools write the screen as a PNG or keep it); false is reported.
struct DemoScript {
    const char* tool = "sheetdemo";
    std::vector<std::string> steps;
    size_t next = 0;
    std::function<bool(const std::string&)> shot;
};

// The screen point of X, Y in the page shown (the output area of the masks);
// false, with the point untouched, when it lies outside the screen: a script
// may name any int, and such a point is no place a hand can click.
inline bool Demo_Page_Point(int x, int y, int* sx, int* sy)
{
    const int area = Mask_Get_Output_Area();
    int ox = 0, oy = 0, scx = 0, scy = 0;
    if (area >= 0) {
        View_Area_Inquire_Screen_Origin(unsigned(area), &ox, &oy);
        View_Area_Inquire_Scroll(unsigned(area), &scx, &scy);
    }
    const long long px = (long long)ox + x - scx, py = (long long)oy + y - scy;
    if (px < 0 || px >= NPIXEL_X || py < 0 || py >= NPIXEL_Y) return false;
    *sx = int(px);
    *sy = int(py);
    return true;
}

// The page points of a step's coordinates (n of them, 1 or 2); a point off
// the screen refuses the step with a message naming the line.
inline bool Demo_Step_Points(const DemoScript& script, const std::string& line, const int* xy, int n, int* out)
{
    for (int i = 0; i < n; ++i)
        if (!Demo_Page_Point(xy[2 * i], xy[2 * i + 1], &out[2 * i], &out[2 * i + 1])) {
            std::fprintf(stderr,
                         "%s: \"%s\": der Punkt %d %d liegt außerhalb des Bildschirms (%d x %d Pixel); "
                         "Schritt übergangen\n",
                         script.tool, line.c_str(), xy[2 * i], xy[2 * i + 1], NPIXEL_X, NPIXEL_Y);
            return false;
        }
    return true;
}

// Runs steps until one gives the sheets something to do.
inline void Demo_Run_Steps(DemoScript& script)
{
    while (script.next < script.steps.size() && Kov_Ui_Pending() == 0) {
        const std::string& line = script.steps[script.next++];
        const DemoStep s = Demo_Parse_Step(line);
        const int xy[4] = {s.a, s.b, s.c, s.d};
        int p[4] = {0, 0, 0, 0};
        switch (s.kind) {
            case DemoStep::CLICK: {
                int x1, y1, xr, yb;
                if (Kov_Ui_Sheet_Rect(s.a, &x1, &y1, &xr, &yb)) {
                    // The mouse goes there first, as a hand moves it: a loop
                    // tracking it elsewhere ends before the press.
                    Kov_Ui_Push_Move((x1 + xr) / 2, (y1 + yb) / 2);
                    Kov_Ui_Push_Click((x1 + xr) / 2, (y1 + yb) / 2);
                } else
                    std::fprintf(stderr, "%s: no element with id %d\n", script.tool, s.a);
                break;
            }
            case DemoStep::IN:
                if (!Demo_Step_Points(script, line, xy, 1, p)) break;
                Kov_Ui_Push_Move(p[0], p[1]);
                Kov_Ui_Push_Click(p[0], p[1]);
                break;
            case DemoStep::MOVE:
                if (Demo_Step_Points(script, line, xy, 1, p)) Kov_Ui_Push_Move(p[0], p[1]);
                break;
            case DemoStep::DRAG:
                if (!Demo_Step_Points(script, line, xy, 2, p)) break;
                // As a hand drags: a small move first, then on to the end.
                Kov_Ui_Push_Move(p[0], p[1]);
                Kov_Ui_Push_Press(p[0], p[1], 1);
                Kov_Ui_Push_Move(p[0] + 1, p[1]);
                Kov_Ui_Push_Move(p[2], p[3]);
                Kov_Ui_Push_Release(p[2], p[3], 1);
                break;
            case DemoStep::TYPE: Kov_Ui_Push_Text(s.text.c_str()); break;
            case DemoStep::KEY: Kov_Ui_Push_Key(s.a); break;
            case DemoStep::SHOT: {
                const bool ok = script.shot ? script.shot(s.text) : Kov_Ui_Save_Png(s.text.c_str()) != 0;
                if (!ok) std::fprintf(stderr, "%s: cannot write %s\n", script.tool, s.text.c_str());
                break;
            }
            case DemoStep::BAD: std::fprintf(stderr, "%s: no step: \"%s\"\n", script.tool, line.c_str()); break;
            case DemoStep::NONE: break;
        }
    }
}
