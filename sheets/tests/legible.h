#pragma once
// Whether a page of a view area can be read: its texts, marks and fields as
// the view area places them, none over another, no line through one, all
// inside the page. Shared by the suites that look at whole pages.
#include <algorithm>
#include <string>
#include <vector>

#include "sheets/viewarea.h"

namespace legible {

// One character, mark or field of a page as the view area places it
// (content coordinates): normal font 8 pixels a character, ascent 10, descent
// 3; small font (flag 2) 6 pixels, ascent 8, descent 2.
struct Glyph {
    int x1, y1, x2, y2;
    const ViewElement* e;
    std::string what;
    char ch; // the character, 0 for a mark or field
};

inline std::vector<Glyph> glyphs_of(const std::vector<const ViewElement*>& elements)
{
    std::vector<Glyph> out;
    auto text = [&](const ViewElement* e, int x, int y, const char* t, int font) {
        if (!t) return;
        const bool small = (font & 2) != 0;
        const int w = small ? 6 : 8, up = small ? 8 : 10, down = small ? 2 : 3;
        for (int i = 0; t[i]; ++i)
            if (t[i] != ' ') out.push_back(Glyph{x + i * w, y - up, x + (i + 1) * w, y + down, e, t, t[i]});
    };
    for (const ViewElement* e : elements) {
        switch (e->type) {
            case VIEW_TEXT: text(e, e->x1, e->y1, e->text, e->font); break;
            case VIEW_CHECK_BOX:
            case VIEW_RADIO_BUTTON:
                text(e, e->x1, e->y1, e->text, e->font);
                out.push_back(Glyph{e->x1 - 20, e->y1 - 10, e->x1 - 8, e->y1 + 1, e, "[mark]", 0});
                break;
            case VIEW_FLOAT: {
                const std::string t = View_Area_Float_Text(e);
                out.push_back(
                    Glyph{e->x1 - 6, e->y1 - 12, e->x1 + 8 * int(t.size()) + 6, e->y1 + 4, e, "[" + t + "]", 0});
                break;
            }
            default: break;
        }
    }
    return out;
}

// The elements of the view area in their order.
inline std::vector<const ViewElement*> elements_of(int area)
{
    std::vector<const ViewElement*> v;
    const ViewArea* a = area >= 0 ? View_Area_Record(unsigned(area)) : nullptr;
    for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next) v.push_back(e);
    return v;
}

// What keeps the elements from being read, at most `limit` findings: a glyph
// reaching beyond the page's width (or, for height > 0, below its height),
// two glyphs of different elements over one another, a horizontal or vertical
// line through a glyph.
inline std::vector<std::string> faults_of(const std::vector<const ViewElement*>& elements, int width, int height = 0,
                                          size_t limit = 8)
{
    std::vector<std::string> faults;
    const std::vector<Glyph> g = glyphs_of(elements);
    // Whether a box filled after the line (element k) hides it where it
    // crosses the glyph: a title set into a frame's edge.
    auto hidden = [&](size_t k, const Glyph& u, bool across, int at) {
        for (size_t b = k + 1; b < elements.size(); ++b) {
            const ViewElement* f = elements[b];
            if (f->type != VIEW_FILLED_BOX) continue;
            const int fx1 = std::min(f->x1, f->x2), fx2 = std::max(f->x1, f->x2);
            const int fy1 = std::min(f->y1, f->y2), fy2 = std::max(f->y1, f->y2);
            if (across ? fx1 <= u.x1 && fx2 >= u.x2 && fy1 <= at && fy2 >= at
                       : fy1 <= u.y1 && fy2 >= u.y2 && fx1 <= at && fx2 >= at)
                return true;
        }
        return false;
    };
    for (size_t i = 0; i < g.size() && faults.size() < limit; ++i) {
        const Glyph& u = g[i];
        if (u.x2 > width || u.x1 < 0 || (height > 0 && (u.y2 > height || u.y1 < 0))) {
            faults.push_back("\"" + u.what + "\" at x " + std::to_string(u.x1) + ", y " + std::to_string(u.y2) +
                             " leaves the page (" + std::to_string(width) + " x " + std::to_string(height) + ")");
            continue;
        }
        for (size_t j = i + 1; j < g.size(); ++j) {
            const Glyph& v = g[j];
            if (u.e == v.e && u.what[0] != '[' && v.what[0] != '[') continue;
            // The same character printed twice in one place reads as one.
            if (u.ch && u.ch == v.ch && u.x1 == v.x1 && u.y1 == v.y1 && u.y2 == v.y2) continue;
            const int w = std::min(u.x2, v.x2) - std::max(u.x1, v.x1);
            const int h = std::min(u.y2, v.y2) - std::max(u.y1, v.y1);
            if (w > 1 && h > 1 && faults.size() < limit)
                faults.push_back("\"" + u.what + "\" and \"" + v.what + "\" overlap at x " +
                                 std::to_string(std::max(u.x1, v.x1)) + ", y " + std::to_string(std::max(u.y1, v.y1)));
        }
        for (size_t k = 0; k < elements.size(); ++k) {
            const ViewElement* e = elements[k];
            if (e->type != VIEW_LINE) continue;
            const bool across = e->y1 == e->y2 && e->y1 > u.y1 + 1 && e->y1 < u.y2 - 1 &&
                                std::min(e->x1, e->x2) < u.x2 - 1 && std::max(e->x1, e->x2) > u.x1 + 1;
            const bool down = e->x1 == e->x2 && e->x1 > u.x1 + 1 && e->x1 < u.x2 - 1 &&
                              std::min(e->y1, e->y2) < u.y2 - 1 && std::max(e->y1, e->y2) > u.y1 + 1;
            if ((across || down) && !hidden(k, u, across, across ? e->y1 : e->x1) && faults.size() < limit)
                faults.push_back("a line runs through \"" + u.what + "\" at x " + std::to_string(u.x1) + ", y " +
                                 std::to_string(u.y1));
        }
    }
    return faults;
}

} // namespace legible
