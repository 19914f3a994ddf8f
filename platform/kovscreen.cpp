// The screen of the host's user-interface library as a pixel canvas: drawing
// state, colours, primitives, saved rectangles and the hooks of its window.
#include "platform/kovscreen.h"

#include "platform/kovevent.h"
#include "platform/kovhost.h"
#include "platform/kovpath.h"
#include "platform/kovpropsheet.h"
#include "platform/kovreplace.h"
#include "platform/kovscreen_p.h"
#include "platform/kovscreenimage.h"
#include "platform/kovscript.h"

#include <QBuffer>
#include <QByteArray>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const int kDefaultWidth = 1024, kDefaultHeight = 768;

// The environment colours of the header, index -1 first.
const uint32_t kEnvironment[] = {
    0xF0F0F0, // -1 sheet background
    0x3A6EA5, // -2 desktop
    0xFFFFFF, // -3 light 3-D edge
    0xA0A0A0, // -4 3-D shadow
    0x696969, // -5 dark 3-D shadow
    0x0040A0, // -6 label, read-only highlighted
    0x005493, // -7 title bar
    0xFFFFFF, // -8 title text
    0x000000, // -9 label
    0x808080, // -10 grey text
};
const int kEnvironmentCount = int(sizeof kEnvironment / sizeof kEnvironment[0]);

void size_from_env(int* w, int* h)
{
    *w = kDefaultWidth;
    *h = kDefaultHeight;
    const char* v = std::getenv("KOV_SCREEN");
    if (!v) return;
    int a = 0, b = 0;
    char tail = 0;
    if (std::sscanf(v, "%dx%d%c", &a, &b, &tail) == 2 && a >= 320 && a <= 8192 && b >= 200 && b <= 8192) {
        *w = a;
        *h = b;
    }
}

// The screen size is known before the first drawing: callers place boxes by it.
struct SizeAtStart {
    SizeAtStart() { size_from_env(&NPIXEL_X, &NPIXEL_Y); }
};

unsigned style_pattern(int style, unsigned user)
{
    switch (style) {
        case 1: return 0xFFFFF000u; // dashed
        case 2: return 0xCCCCCCCCu; // dotted
        case 3: return 0xFFF03C00u; // dash-dot
        case 4: return user;
        default: return 0xFFFFFFFFu;
    }
}

int clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

void reset_locked(kovscreen::State& s)
{
    size_from_env(&NPIXEL_X, &NPIXEL_Y);
    s.screen = QImage(NPIXEL_X, NPIXEL_Y, QImage::Format_RGB32);
    s.screen.fill(0xFF000000u | kEnvironment[1]);
    static_cast<kovscreen::DrawState&>(s) = kovscreen::DrawState{};
    s.view[2] = NPIXEL_X - 1;
    s.view[3] = NPIXEL_Y - 1;
    s.buffer = 0;
    s.font_stack.clear();
    RFONT_HEIGHT = 13;
    RFONT_WIDTH = 7;
    RFONT_SPACE = 1;
    s.gt_height = 13.0;
    s.gt_expansion = 8.0 / 13.0;
    s.gt_spacing = 0.0;
    s.gt_angle = kovscreen::kUprightAngle;
    s.saved.clear();
    s.pictures.clear();
    s.missing_reported.clear();
    s.tree_images.clear();
    s.cursor = 0;
    s.last_text = kovscreen::State::LastText{};
    s.panel = kovscreen::MessagePanel{};
}

} // namespace

int NPIXEL_X = kDefaultWidth;
int NPIXEL_Y = kDefaultHeight;
int BLACK_CI = 0x000000;
int WHITE_CI = 0xFFFFFF;
int BUTTON_CI = 0xE1E1E1;
int MENUE_CI = 0xFAFAFA;

static SizeAtStart g_size_at_start;

namespace kovscreen {

State& state()
{
    static State* s = new State; // lives for the run, also while other statics end
    return *s;
}

void ensure_screen(State& s)
{
    if (s.screen.isNull()) reset_locked(s);
}

uint32_t rgb_of(int index)
{
    if (index >= 0) return uint32_t(index) & 0xFFFFFFu;
    if (index >= -kEnvironmentCount) return kEnvironment[-index - 1];
    return 0;
}

Clip clip_of(const State& s)
{
    Clip c;
    c.x1 = std::max(0, std::min(s.view[0], s.view[2]));
    c.y1 = std::max(0, std::min(s.view[1], s.view[3]));
    c.x2 = std::min(s.screen.width() - 1, std::max(s.view[0], s.view[2]));
    c.y2 = std::min(s.screen.height() - 1, std::max(s.view[1], s.view[3]));
    return c;
}

void put(State& s, int x, int y, uint32_t rgb)
{
    uint32_t* p = reinterpret_cast<uint32_t*>(s.screen.scanLine(y)) + x;
    switch (s.mode) {
        case 3: *p = 0xFF000000u | ((*p ^ 0xFFFFFFu) & 0xFFFFFFu); break;
        case 1: *p = 0xFF000000u | ((*p | rgb) & 0xFFFFFFu); break;
        case 2: *p = 0xFF000000u | ((*p & rgb) & 0xFFFFFFu); break;
        default: *p = 0xFF000000u | rgb; break;
    }
}

void put_fill(State& s, int x, int y, uint32_t rgb)
{
    if (s.fill_pattern && !((unsigned(s.fill_rows[y & 15]) >> (15 - (x & 15))) & 1u)) return;
    put(s, x, y, rgb);
}

Coverage::Coverage(const Clip& clip, int64_t x1, int64_t y1, int64_t x2, int64_t y2)
{
    box.x1 = int(std::max<int64_t>(clip.x1, std::min(x1, x2)));
    box.y1 = int(std::max<int64_t>(clip.y1, std::min(y1, y2)));
    box.x2 = int(std::min<int64_t>(clip.x2, std::max(x1, x2)));
    box.y2 = int(std::min<int64_t>(clip.y2, std::max(y1, y2)));
    if (clip.empty() || box.empty()) {
        box = Clip{0, 0, -1, -1};
        return;
    }
    bits.assign(size_t(box.x2 - box.x1 + 1) * size_t(box.y2 - box.y1 + 1), 0);
}

void Coverage::set(int64_t x, int64_t y)
{
    if (!box.has(x, y)) return;
    bits[size_t(y - box.y1) * size_t(box.x2 - box.x1 + 1) + size_t(x - box.x1)] = 1;
}

void Coverage::apply(State& s, uint32_t rgb, bool fill)
{
    if (box.empty()) return;
    const size_t w = size_t(box.x2 - box.x1 + 1);
    for (int y = box.y1; y <= box.y2; ++y)
        for (int x = box.x1; x <= box.x2; ++x)
            if (bits[size_t(y - box.y1) * w + size_t(x - box.x1)]) {
                if (fill)
                    put_fill(s, x, y, rgb);
                else
                    put(s, x, y, rgb);
            }
}

DrawState push_plain_state()
{
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    ensure_screen(s);
    const DrawState d = s;
    s.view[0] = 0;
    s.view[1] = 0;
    s.view[2] = s.screen.width() - 1;
    s.view[3] = s.screen.height() - 1;
    s.mode = 0;
    s.line_pattern = 0xFFFFFFFFu;
    s.line_phase = 0;
    s.fill_pattern = false;
    return d;
}

void pop_state(const DrawState& d)
{
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    static_cast<DrawState&>(s) = d;
}

QImage copy_region(int x, int y, int w, int h)
{
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    ensure_screen(s);
    if (w <= 0 || h <= 0) return QImage();
    return s.screen.copy(x, y, w, h);
}

void paste_region(const QImage& img, int x, int y)
{
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    ensure_screen(s);
    if (img.isNull()) return;
    const QImage src = img.format() == QImage::Format_RGB32 ? img : img.convertToFormat(QImage::Format_RGB32);
    const int x0 = std::max(0, x), x1 = std::min(s.screen.width(), x + src.width());
    const int y0 = std::max(0, y), y1 = std::min(s.screen.height(), y + src.height());
    for (int yy = y0; yy < y1; ++yy)
        std::memcpy(reinterpret_cast<uint32_t*>(s.screen.scanLine(yy)) + x0,
                    reinterpret_cast<const uint32_t*>(src.constScanLine(yy - y)) + (x0 - x),
                    size_t(std::max(0, x1 - x0)) * 4);
}

std::string text_of(const char* text, int len)
{
    if (!text) return std::string();
    if (len < 0) return std::string(text);
    return std::string(text, ::strnlen(text, size_t(len)));
}

} // namespace kovscreen

using namespace kovscreen;

namespace {

// Draws the polygon's inside (pixel centres on integer points, rows half-open)
// and its outline into the coverage.
void cover_polygon(Coverage& cov, const Clip& clip, int n, const int64_t* xs, const int64_t* ys)
{
    if (cov.box.empty()) return;
    std::vector<double> cross;
    for (int y = cov.box.y1; y <= cov.box.y2; ++y) {
        cross.clear();
        for (int i = 0; i < n; ++i) {
            const int j = (i + 1) % n;
            const int64_t ya = ys[i], yb = ys[j];
            if (ya == yb) continue;
            const bool in = (ya <= y && y < yb) || (yb <= y && y < ya);
            if (!in) continue;
            cross.push_back(double(xs[i]) + double(y - ya) * double(xs[j] - xs[i]) / double(yb - ya));
        }
        std::sort(cross.begin(), cross.end());
        for (size_t k = 0; k + 1 < cross.size(); k += 2) {
            const double a = std::max(std::ceil(cross[k]), double(cov.box.x1));
            const double b = std::min(std::floor(cross[k + 1]), double(cov.box.x2));
            for (int64_t x = int64_t(a); x <= int64_t(b); ++x) cov.set(x, y);
        }
    }
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        raster_line(clip, xs[i], ys[i], xs[j], ys[j], [&](int x, int y, int64_t) { cov.set(x, y); });
    }
}

void fill_polygon(State& s, int n, const int64_t* xs, const int64_t* ys)
{
    const Clip clip = clip_of(s);
    int64_t x1 = xs[0], x2 = xs[0], y1 = ys[0], y2 = ys[0];
    for (int i = 1; i < n; ++i) {
        x1 = std::min(x1, xs[i]);
        x2 = std::max(x2, xs[i]);
        y1 = std::min(y1, ys[i]);
        y2 = std::max(y2, ys[i]);
    }
    Coverage cov(clip, x1, y1, x2, y2);
    cover_polygon(cov, clip, n, xs, ys);
    cov.apply(s, rgb_of(s.fg), true);
}

void line_locked(State& s, int x1, int y1, int x2, int y2)
{
    const uint32_t rgb = rgb_of(s.fg);
    const unsigned pattern = s.line_pattern;
    const uint64_t phase = s.line_phase;
    int64_t steps = 0;
    raster_line(clip_of(s), x1, y1, x2, y2, [&](int x, int y, int64_t k) {
        if ((pattern >> (31 - ((phase + uint64_t(k)) & 31))) & 1u) put(s, x, y, rgb);
    });
    const int64_t dx = int64_t(x2) - x1, dy = int64_t(y2) - y1;
    steps = std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy) + 1;
    s.line_phase = phase + uint64_t(steps);
}

// Takes the screen lock, making the screen at the first use.
struct Locked {
    State& s;
    std::lock_guard<std::mutex> g;
    Locked() : s(state()), g(state().lock) { ensure_screen(s); }
};

KovScreenHooks hooks_now()
{
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    return s.hooks;
}

} // namespace

extern "C" {

int Nearest_RGB_Color(int r, int g, int b) { return (clamp255(r) << 16) | (clamp255(g) << 8) | clamp255(b); }

int Nearest_Color_Index(int r, int g, int b) { return Nearest_RGB_Color(r, g, b); }

int GetKOVColor(int index) { return index >= 0 ? index : int(rgb_of(index)); }

void pxQCR(int index, int* r, int* g, int* b)
{
    const uint32_t c = rgb_of(index);
    if (r) *r = int((c >> 16) & 0xFF);
    if (g) *g = int((c >> 8) & 0xFF);
    if (b) *b = int(c & 0xFF);
}

void pxFgc(int color)
{
    Kov_Script_Log("pxFgc %d", color);
    Locked l;
    l.s.fg = color;
}

int pxQFgc(void)
{
    Locked l;
    return l.s.fg;
}

void pxBgc(int color)
{
    Kov_Script_Log("pxBgc %d", color);
    Locked l;
    l.s.bg = color;
}

void pxView(int x1, int y1, int x2, int y2)
{
    Kov_Script_Log("pxView %d %d %d %d", x1, y1, x2, y2);
    Locked l;
    l.s.view[0] = x1;
    l.s.view[1] = y1;
    l.s.view[2] = x2;
    l.s.view[3] = y2;
}

void pxQVwp(int* x1, int* y1, int* x2, int* y2)
{
    Locked l;
    if (x1) *x1 = l.s.view[0];
    if (y1) *y1 = l.s.view[1];
    if (x2) *x2 = l.s.view[2];
    if (y2) *y2 = l.s.view[3];
}

void pxSBop(int mode)
{
    Kov_Script_Log("pxSBop %d", mode);
    Locked l;
    l.s.mode = mode;
}

void pxSLn(int style)
{
    Kov_Script_Log("pxSLn %d", style);
    Locked l;
    l.s.line_style = style;
    l.s.line_pattern = style_pattern(style, l.s.user_line);
    l.s.line_phase = 0;
}

void pxSULn(unsigned int pattern)
{
    Kov_Script_Log("pxSULn 0x%08X", pattern);
    Locked l;
    l.s.user_line = pattern;
    l.s.line_style = 4;
    l.s.line_pattern = pattern;
    l.s.line_phase = 0;
}

void pxSUFA(const int rows[16])
{
    Kov_Script_Log("pxSUFA");
    Locked l;
    if (!rows) return;
    std::memcpy(l.s.fill_rows, rows, sizeof l.s.fill_rows);
    l.s.fill_pattern = true;
}

void pxSFA(int mode)
{
    Kov_Script_Log("pxSFA %d", mode);
    Locked l;
    l.s.fill_pattern = mode != 0;
}

int pxBuff(int state)
{
    Kov_Script_Log("pxBuff %d", state);
    Locked l;
    const int old = l.s.buffer;
    l.s.buffer = state;
    return old;
}

void pxFlsh(void)
{
    Kov_Script_Log("pxFlsh");
    const KovScreenHooks h = hooks_now();
    if (h.changed) h.changed();
}

void pxCls(void)
{
    Kov_Script_Log("pxCls");
    Locked l;
    const Clip c = clip_of(l.s);
    if (c.empty()) return;
    const uint32_t rgb = 0xFF000000u | rgb_of(l.s.bg);
    for (int y = c.y1; y <= c.y2; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(l.s.screen.scanLine(y));
        std::fill(row + c.x1, row + c.x2 + 1, rgb);
    }
}

void pxLine(int x1, int y1, int x2, int y2)
{
    Kov_Script_Log("pxLine %d %d %d %d", x1, y1, x2, y2);
    Locked l;
    line_locked(l.s, x1, y1, x2, y2);
}

void pxTkLn(int x1, int y1, int x2, int y2, int thickness)
{
    Kov_Script_Log("pxTkLn %d %d %d %d %d", x1, y1, x2, y2, thickness);
    Locked l;
    if (thickness <= 1) {
        const unsigned keep = l.s.line_pattern;
        l.s.line_pattern = 0xFFFFFFFFu;
        line_locked(l.s, x1, y1, x2, y2);
        l.s.line_pattern = keep;
        return;
    }
    const double dx = double(x2) - x1, dy = double(y2) - y1;
    const double len = std::sqrt(dx * dx + dy * dy);
    const double half = std::min(double(thickness), 1e6) / 2.0;
    // Square ends when the line has no length.
    const double nx = len > 0 ? -dy / len * half : 0, ny = len > 0 ? dx / len * half : half;
    const double ex = len > 0 ? 0 : half;
    const int64_t xs[4] = {int64_t(std::lround(x1 + nx - ex)), int64_t(std::lround(x2 + nx + ex)),
                           int64_t(std::lround(x2 - nx + ex)), int64_t(std::lround(x1 - nx - ex))};
    const int64_t ys[4] = {int64_t(std::lround(y1 + ny)), int64_t(std::lround(y2 + ny)), int64_t(std::lround(y2 - ny)),
                           int64_t(std::lround(y1 - ny))};
    const bool keep = l.s.fill_pattern;
    l.s.fill_pattern = false;
    fill_polygon(l.s, 4, xs, ys);
    l.s.fill_pattern = keep;
}

void pxDot(int x, int y)
{
    Kov_Script_Log("pxDot %d %d", x, y);
    Locked l;
    if (clip_of(l.s).has(x, y)) put(l.s, x, y, rgb_of(l.s.fg));
}

void pxRect(int x1, int y1, int x2, int y2)
{
    Kov_Script_Log("pxRect %d %d %d %d", x1, y1, x2, y2);
    Locked l;
    const Clip c = clip_of(l.s);
    const int ax = std::max(c.x1, std::min(x1, x2)), bx = std::min(c.x2, std::max(x1, x2));
    const int ay = std::max(c.y1, std::min(y1, y2)), by = std::min(c.y2, std::max(y1, y2));
    const uint32_t rgb = rgb_of(l.s.fg);
    for (int y = ay; y <= by; ++y)
        for (int x = ax; x <= bx; ++x) put_fill(l.s, x, y, rgb);
}

void pxFill(int n, const int* xs, const int* ys)
{
    Kov_Script_Log("pxFill %d", n);
    if (n < 3 || !xs || !ys) return;
    std::vector<int64_t> px(xs, xs + n), py(ys, ys + n);
    Locked l;
    fill_polygon(l.s, n, px.data(), py.data());
}

void pxMask(int x1, int y1, int x2, int y2, const void* bits, int bytes_per_row)
{
    Kov_Script_Log("pxMask %d %d %d %d %d", x1, y1, x2, y2, bytes_per_row);
    if (!bits || bytes_per_row <= 0) return;
    const unsigned char* b = static_cast<const unsigned char*>(bits);
    const int64_t left = std::min(x1, x2), top = std::min(y1, y2);
    const int64_t w = std::min<int64_t>(int64_t(std::max(x1, x2)) - left + 1, int64_t(bytes_per_row) * 8);
    const int64_t h = int64_t(std::max(y1, y2)) - top + 1;
    Locked l;
    const Clip c = clip_of(l.s);
    if (c.empty()) return;
    const uint32_t rgb = rgb_of(l.s.fg);
    const int64_t r0 = std::max<int64_t>(0, c.y1 - top), r1 = std::min<int64_t>(h - 1, c.y2 - top);
    const int64_t c0 = std::max<int64_t>(0, c.x1 - left), c1 = std::min<int64_t>(w - 1, c.x2 - left);
    for (int64_t r = r0; r <= r1; ++r)
        for (int64_t k = c0; k <= c1; ++k)
            if (b[size_t(r) * size_t(bytes_per_row) + size_t(k / 8)] & (0x80u >> (k % 8)))
                put(l.s, int(left + k), int(top + r), rgb);
}

intptr_t Save_Screen_Rectangle(int x1, int y1, int x2, int y2)
{
    Locked l;
    const intptr_t h = l.s.next_saved++;
    const int ax = std::max(0, std::min(x1, x2)), bx = std::min(l.s.screen.width() - 1, std::max(x1, x2));
    const int ay = std::max(0, std::min(y1, y2)), by = std::min(l.s.screen.height() - 1, std::max(y1, y2));
    Saved sv;
    sv.x = ax;
    sv.y = ay;
    if (ax <= bx && ay <= by) sv.pixels = l.s.screen.copy(ax, ay, bx - ax + 1, by - ay + 1);
    l.s.saved[h] = sv;
    Kov_Script_Log("Save_Screen_Rectangle %d %d %d %d", x1, y1, x2, y2);
    return h;
}

void Restore_Screen_Rectangle(intptr_t handle)
{
    Locked l;
    auto it = l.s.saved.find(handle);
    Kov_Script_Log("Restore_Screen_Rectangle %s", it != l.s.saved.end() ? "ok" : "none");
    if (it == l.s.saved.end()) return;
    const Saved& sv = it->second;
    const int w = std::min(sv.pixels.width(), l.s.screen.width() - sv.x);
    const int hgt = std::min(sv.pixels.height(), l.s.screen.height() - sv.y);
    for (int y = 0; y < hgt; ++y)
        std::memcpy(reinterpret_cast<uint32_t*>(l.s.screen.scanLine(sv.y + y)) + sv.x, sv.pixels.constScanLine(y),
                    size_t(std::max(w, 0)) * 4);
    l.s.saved.erase(it);
}

} // extern "C"

namespace {

// Header of a caller's save buffer; the pixels (0xRRGGBB, row by row) follow.
struct SaveHeader {
    uint32_t magic;
    int32_t size; // bytes of the whole buffer as saved
    int32_t x, y, w, h;
};
const uint32_t kSaveMagic = 0x4B535652u; // "KSVR"

bool clipped_rect(int x1, int y1, int x2, int y2, int* x, int* y, int* w, int* h)
{
    State& s = state();
    const int ax = std::max(0, std::min(x1, x2)), bx = std::min(s.screen.width() - 1, std::max(x1, x2));
    const int ay = std::max(0, std::min(y1, y2)), by = std::min(s.screen.height() - 1, std::max(y1, y2));
    *x = ax;
    *y = ay;
    *w = ax <= bx ? bx - ax + 1 : 0;
    *h = ay <= by ? by - ay + 1 : 0;
    return true;
}

} // namespace

extern "C" {

int pxQSvR(int x1, int y1, int x2, int y2)
{
    Locked l;
    int x, y, w, h;
    clipped_rect(x1, y1, x2, y2, &x, &y, &w, &h);
    return int(sizeof(SaveHeader)) + w * h * 4;
}

int pxSvRc(int x1, int y1, int x2, int y2, void* buffer, int size)
{
    Kov_Script_Log("pxSvRc %d %d %d %d", x1, y1, x2, y2);
    Locked l;
    int x, y, w, h;
    clipped_rect(x1, y1, x2, y2, &x, &y, &w, &h);
    const int need = int(sizeof(SaveHeader)) + w * h * 4;
    if (!buffer || size < need) return 0;
    SaveHeader hd{kSaveMagic, need, x, y, w, h};
    std::memcpy(buffer, &hd, sizeof hd);
    unsigned char* out = static_cast<unsigned char*>(buffer) + sizeof hd;
    for (int r = 0; r < h; ++r)
        std::memcpy(out + size_t(r) * size_t(w) * 4,
                    reinterpret_cast<const uint32_t*>(l.s.screen.constScanLine(y + r)) + x, size_t(w) * 4);
    return 1;
}

int pxStRc(const void* buffer, int size)
{
    Kov_Script_Log("pxStRc");
    if (!buffer || size < int(sizeof(SaveHeader))) return 0;
    SaveHeader hd;
    std::memcpy(&hd, buffer, sizeof hd);
    if (hd.magic != kSaveMagic || hd.w < 0 || hd.h < 0 || hd.w > 8192 || hd.h > 8192 || hd.x < 0 || hd.y < 0) return 0;
    const int64_t need = int64_t(sizeof(SaveHeader)) + int64_t(hd.w) * hd.h * 4;
    if (need != hd.size || need > size) return 0;
    Locked l;
    const unsigned char* in = static_cast<const unsigned char*>(buffer) + sizeof hd;
    const int w = std::min(hd.w, l.s.screen.width() - hd.x), h = std::min(hd.h, l.s.screen.height() - hd.y);
    for (int r = 0; r < h; ++r)
        std::memcpy(reinterpret_cast<uint32_t*>(l.s.screen.scanLine(hd.y + r)) + hd.x,
                    in + size_t(r) * size_t(hd.w) * 4, size_t(std::max(w, 0)) * 4);
    return 1;
}

void setMouseCursor(int shape)
{
    Kov_Script_Log("setMouseCursor %d", shape);
    {
        Locked l;
        l.s.cursor = shape;
    }
    const KovScreenHooks h = hooks_now();
    if (h.cursor) h.cursor(shape);
}

int currentMouseCursor(void)
{
    Locked l;
    return l.s.cursor;
}

int ShowKOVProcessWindow(int pid, int how)
{
    Kov_Script_Log("ShowKOVProcessWindow %d %d", pid, how);
    if (CheckKOVProcess(pid)) return 0;
    const KovScreenHooks h = hooks_now();
    char title[512];
    if (Kov_Ui_Mode() != KOV_UI_INTERACTIVE || !KOVWindowTitleOfProcess(pid, title, sizeof title)) return 1;
    if (!h.raise || !h.raise(title)) {
        static std::atomic<bool> said{false};
        if (!said.exchange(true))
            std::fputs("Hinweis: Fenster anderer Programme können auf dieser Oberfläche nicht nach vorn geholt "
                       "werden.\n",
                       stderr);
    }
    return 1;
}

int Kov_Ui_Pixel(int x, int y)
{
    Locked l;
    if (x < 0 || y < 0 || x >= l.s.screen.width() || y >= l.s.screen.height()) return -1;
    return int(reinterpret_cast<const uint32_t*>(l.s.screen.constScanLine(y))[x] & 0xFFFFFFu);
}

int Kov_Ui_Save_Png(const char* path)
{
    if (!path || !*path) return 0;
    QByteArray bytes;
    {
        Locked l;
        QBuffer buf(&bytes);
        if (!buf.open(QIODevice::WriteOnly) || !l.s.screen.save(&buf, "PNG")) return 0;
    }
    const int rc = Kov_Replace_File(path, [&bytes](FILE* f) {
        return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f) == size_t(bytes.size());
    });
    return rc == KOV_REPLACE_OK ? 1 : 0;
}

void Kov_Ui_Reset(void)
{
    {
        State& s = state();
        std::lock_guard<std::mutex> g(s.lock);
        reset_locked(s);
    }
    Kov_Ui_Events_Reset();
    Kov_Ui_Sheets_Reset();
}

void Kov_Screen_Set_Hooks(const KovScreenHooks* hooks)
{
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    s.hooks = hooks ? *hooks : KovScreenHooks{nullptr, nullptr, nullptr, nullptr};
}

void Kov_Screen_Show(int visible)
{
    Kov_Script_Log("Kov_Screen_Show %d", visible);
    const KovScreenHooks h = hooks_now();
    if (h.show) h.show(visible);
}

} // extern "C"

QImage Kov_Screen_Image()
{
    Locked l;
    return l.s.screen.copy();
}
