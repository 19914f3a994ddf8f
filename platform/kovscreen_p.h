#pragma once
// Inside of the screen stand-in, shared by its drawing, text and picture
// files. Every function here expects the screen lock to be held.
#include "platform/kovscreen.h"

#include <QImage>

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace kovscreen {

struct Clip {
    int x1, y1, x2, y2; // inclusive; empty when x1 > x2 or y1 > y2
    bool empty() const { return x1 > x2 || y1 > y2; }
    bool has(int64_t x, int64_t y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

struct Saved {
    int x = 0, y = 0;
    QImage pixels;
};

struct Picture {
    QImage image; // Format_RGB32
    bool ok = false;
    int why = 0; // how reading the file went (KovNamedFileResult)
};

// The drawing state that callers set (colours, viewport, mode, styles, font).
struct DrawState {
    int fg = 0, bg = 0xFFFFFF;
    int view[4] = {0, 0, 0, 0};
    int mode = 0;
    unsigned line_pattern = 0xFFFFFFFFu;
    int line_style = 0;
    unsigned user_line = 0xFFFFFFFFu;
    uint64_t line_phase = 0;
    int fill_rows[16] = {};
    bool fill_pattern = false;
    int font = 0;
};

// The host's message window shown without waiting (Show_Message): drawn on
// the screen over what it keeps below.
struct MessagePanel {
    bool shown = false;
    int x = 0, y = 0;
    QImage below;
};

// The host measures a graphic text's angle from the reading direction of an
// upside-down text, turning clockwise: pi reads left to right, pi/2 upwards.
const double kUprightAngle = 3.14159265358979323846;

struct State : DrawState {
    std::mutex lock;
    QImage screen; // Format_RGB32, NPIXEL_X x NPIXEL_Y
    int buffer = 0;
    std::vector<int> font_stack;
    double gt_height = 13.0, gt_expansion = 8.0 / 13.0, gt_spacing = 0.0, gt_angle = kUprightAngle;
    std::map<intptr_t, Saved> saved;
    intptr_t next_saved = 1;
    std::map<std::string, Picture> pictures;
    std::map<std::string, bool> missing_reported;
    std::map<intptr_t, QImage> tree_images; // keyed pictures, transparent pixels alpha 0
    intptr_t next_tree_image = 1;
    int cursor = 0;
    // The last upright text, to know a second drawing one pixel to the right
    // (the host's bold) when it comes.
    struct LastText {
        std::string text;
        int64_t x = 0, y = 0;
        int font = 0, fg = 0;
        bool valid = false;
    } last_text;
    KovScreenHooks hooks = {nullptr, nullptr, nullptr, nullptr};
    MessagePanel panel;
};

// The one state (the screen made at the first use).
State& state();
// Makes the screen when there is none yet.
void ensure_screen(State& s);

// The RGB of a colour index (environment colours resolved).
uint32_t rgb_of(int index);
// The viewport cut at the screen.
Clip clip_of(const State& s);
// One pixel in the foreground colour and the drawing mode (no clip test).
void put(State& s, int x, int y, uint32_t rgb);
// One pixel of a filled area: the fill pattern decides, then as put.
void put_fill(State& s, int x, int y, uint32_t rgb);

// Pixels of one drawing collected first, so that a pixel met twice is drawn
// once (the inverting mode must restore on a second drawing).
struct Coverage {
    Clip box;
    std::vector<unsigned char> bits;
    Coverage(const Clip& clip, int64_t x1, int64_t y1, int64_t x2, int64_t y2);
    void set(int64_t x, int64_t y);
    void apply(State& s, uint32_t rgb, bool fill);
};

// Steps along the line from (x1, y1) to (x2, y2), cut at the clip, calling
// f(x, y, k) with k the pixel's number counted from the first end.
template <typename F> void raster_line(const Clip& c, int64_t x1, int64_t y1, int64_t x2, int64_t y2, F f)
{
    if (c.empty()) return;
    const int64_t dx = x2 - x1, dy = y2 - y1;
    const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    if (adx == 0 && ady == 0) {
        if (c.has(x1, y1)) f(int(x1), int(y1), int64_t(0));
        return;
    }
    const bool x_major = adx >= ady;
    const int64_t n = x_major ? adx : ady; // steps from end to end
    const int64_t m0 = x_major ? x1 : y1;  // major start
    const int64_t s = (x_major ? dx : dy) < 0 ? -1 : 1;
    const int64_t lo = x_major ? c.x1 : c.y1, hi = x_major ? c.x2 : c.y2;
    int64_t kmin, kmax;
    if (s > 0) {
        kmin = lo - m0;
        kmax = hi - m0;
    } else {
        kmin = m0 - hi;
        kmax = m0 - lo;
    }
    if (kmin < 0) kmin = 0;
    if (kmax > n) kmax = n;
    const int64_t d = x_major ? dy : dx; // minor change over n steps
    const int64_t minor0 = x_major ? y1 : x1;
    for (int64_t k = kmin; k <= kmax; ++k) {
        // minor = minor0 + round(k * d / n), halves rounded up
        const __int128 num = __int128(2) * k * d + n;
        const __int128 den = __int128(2) * n;
        __int128 q = num / den;
        if ((num % den != 0) && (num < 0)) --q;
        const int64_t major = m0 + s * k;
        const int64_t minor = minor0 + int64_t(q);
        const int64_t x = x_major ? major : minor, y = x_major ? minor : major;
        if (c.has(x, y)) f(int(x), int(y), k);
    }
}

// The drawing state of the callers is kept while the sheets draw their own
// parts. Takes the lock itself: the state in force, and a plain one (whole screen,
// copying, solid lines and fills) in its place.
DrawState push_plain_state();
void pop_state(const DrawState& d);
// Pixels of the screen (cut at it; outside parts stay black) and back.
QImage copy_region(int x, int y, int w, int h);
void paste_region(const QImage& img, int x, int y);

// The message window on the screen: a raised panel in the sheet background
// colour centred on the screen, the lines (code page 850) centred in it, 16
// pixels apart, the block of lines centred on the screen's centre; a title bar
// above them when the title is not empty. A panel shown before is taken away
// first. Neither logs nor changes the callers' drawing state.
void draw_message_panel(State& s, const std::string& title, const std::vector<std::string>& lines);
// Puts the screen below the panel back; false when none is shown.
bool remove_message_panel(State& s);

// Logs a call in scripted mode (the text of a call as the tests read it).
std::string text_of(const char* text, int len);

} // namespace kovscreen
