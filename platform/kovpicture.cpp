// Pictures of the screen stand-in: BMP files read with QImage, kept once read,
// drawn without scaling, with a key colour left transparent.
#include "platform/kovpicture.h"
#include "platform/kovhost.h"
#include "platform/kovnamedfile.h"
#include "platform/kovpath.h"
#include "platform/kovscreen.h"
#include "platform/kovscreen_p.h"
#include "platform/kovscript.h"

#include <QBuffer>
#include <QImageReader>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace kovscreen;

namespace {

const int kMaxSide = 8192;      // larger pictures are refused unread
const size_t kMaxPictures = 64; // kept pictures; the store is emptied beyond

// Looked at, not opened: opening a FIFO of that name would wait for ever.
bool exists(const std::string& p)
{
    struct stat st;
    return ::stat(p.c_str(), &st) == 0;
}

// A relative name is looked up under DATA first, then as given.
std::string resolve(const char* file)
{
    const std::string name = file;
    const bool absolute = !name.empty() && (name[0] == '/' || name[0] == '\\' || (name.size() > 1 && name[1] == ':'));
    if (!absolute) {
        const char* data = KOVGetEnv("DATA");
        if (data && *data) {
            const std::string p = Kov_Path((std::string(data) + "\\" + name).c_str());
            if (exists(p)) return p;
        }
    }
    return Kov_Path(file);
}

QImage read_checked(QImageReader& r)
{
    const QSize sz = r.size();
    if (!sz.isValid() || sz.width() <= 0 || sz.height() <= 0 || sz.width() > kMaxSide || sz.height() > kMaxSide)
        return QImage();
    QImage img = r.read();
    if (img.isNull() || img.width() > kMaxSide || img.height() > kMaxSide) return QImage();
    return img.convertToFormat(QImage::Format_RGB32);
}

// The picture of the file, read at the first use; NULL when it cannot be read
// (reported once on standard error).
const QImage* picture(State& s, const char* file)
{
    if (!file || !*file) return nullptr;
    auto it = s.pictures.find(file);
    if (it == s.pictures.end()) {
        if (s.pictures.size() >= kMaxPictures) s.pictures.clear();
        // A name from a sheet's script: only a regular file is read, never a
        // FIFO or a device, and only up to the limit.
        Picture p;
        std::string bytes;
        p.why = Kov_Read_Named_File(resolve(file), KOV_NAMED_PICTURE_MAX, &bytes);
        if (p.why == KOV_NAMED_OK)
            p.image = Kov_Picture_From_Bytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        p.ok = !p.image.isNull();
        it = s.pictures.emplace(file, p).first;
    }
    if (!it->second.ok) {
        if (!s.missing_reported[file]) {
            s.missing_reported[file] = true;
            if (it->second.why == KOV_NAMED_OK || it->second.why == KOV_NAMED_MISSING)
                std::fprintf(stderr, "Bild \"%s\" nicht lesbar\n", file);
            else
                std::fprintf(stderr, "Bild \"%s\" nicht lesbar (%s)\n", file, Kov_Named_File_Text(it->second.why));
        }
        return nullptr;
    }
    return &it->second.image;
}

// Copies the part of the picture from (sx, sy) of the size w x h to (dx, dy),
// cut at the picture, the viewport and the screen; key < 0: no key colour.
void blit(State& s, const QImage& img, int64_t sx, int64_t sy, int64_t w, int64_t h, int64_t dx, int64_t dy,
          int64_t key)
{
    const Clip c = clip_of(s);
    if (c.empty()) return;
    // Cut at the picture.
    if (sx < 0) {
        w += sx;
        dx -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        dy -= sy;
        sy = 0;
    }
    w = std::min<int64_t>(w, img.width() - sx);
    h = std::min<int64_t>(h, img.height() - sy);
    if (w <= 0 || h <= 0) return;
    const int64_t x0 = std::max<int64_t>(dx, c.x1), x1 = std::min<int64_t>(dx + w - 1, c.x2);
    const int64_t y0 = std::max<int64_t>(dy, c.y1), y1 = std::min<int64_t>(dy + h - 1, c.y2);
    for (int64_t y = y0; y <= y1; ++y) {
        const uint32_t* src = reinterpret_cast<const uint32_t*>(img.constScanLine(int(sy + y - dy)));
        uint32_t* dst = reinterpret_cast<uint32_t*>(s.screen.scanLine(int(y)));
        for (int64_t x = x0; x <= x1; ++x) {
            const uint32_t p = src[sx + x - dx];
            if ((p >> 24) == 0) continue; // transparent pixel of a tree-view image
            if (key >= 0 && (p & 0xFFFFFFu) == uint32_t(key)) continue;
            dst[x] = 0xFF000000u | p;
        }
    }
}

int64_t key_of(int r, int g, int b)
{
    if (r < 0 || g < 0 || b < 0 || r > 255 || g > 255 || b > 255) return -1;
    return (int64_t(r) << 16) | (g << 8) | b;
}

int draw(const char* file, int64_t sx, int64_t sy, int x1, int y1, int x2, int y2, int64_t key)
{
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    ensure_screen(s);
    const QImage* img = picture(s, file);
    if (!img) return 0;
    const int64_t l = std::min(x1, x2), t = std::min(y1, y2);
    const int64_t w = int64_t(std::max(x1, x2)) - l + 1, h = int64_t(std::max(y1, y2)) - t + 1;
    blit(s, *img, sx, sy, w, h, l, t, key);
    return 1;
}

} // namespace

QImage Kov_Picture_From_Bytes(const unsigned char* data, size_t size)
{
    if (!data || size == 0 || size > (size_t(1) << 30)) return QImage();
    QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    QBuffer buf(&bytes);
    if (!buf.open(QIODevice::ReadOnly)) return QImage();
    QImageReader r(&buf);
    r.setDecideFormatFromContent(true);
    return read_checked(r);
}

extern "C" {

int pxDrawDIB(const char* file, int x1, int y1, int x2, int y2, int a, int b)
{
    Kov_Script_Log("pxDrawDIB %s %d %d %d %d %d %d", file ? file : "", x1, y1, x2, y2, a, b);
    return draw(file, 0, 0, x1, y1, x2, y2, -1);
}

int pxDrawTransparentDIB(const char* file, int x1, int y1, int x2, int y2, int a, int b, int r, int g, int bl)
{
    Kov_Script_Log("pxDrawTransparentDIB %s %d %d %d %d %d %d %d %d %d", file ? file : "", x1, y1, x2, y2, a, b, r, g,
                   bl);
    return draw(file, 0, 0, x1, y1, x2, y2, key_of(r, g, bl));
}

int Kov_Ui_Picture_Found(const char* file)
{
    if (!file || !*file) return 0;
    return exists(resolve(file)) ? 1 : 0;
}

int Draw_RPC_File(const char* file, int a, int b)
{
    Kov_Script_Log("Draw_RPC_File %s %d %d", file ? file : "", a, b);
    return 0;
}

int pxDrawPartialTransparentDIB(const char* file, int sx1, int sy1, int sx2, int sy2, int x1, int y1, int x2, int y2,
                                int a, int b, int r, int g, int bl)
{
    Kov_Script_Log("pxDrawPartialTransparentDIB %s %d %d %d %d %d %d %d %d %d %d %d %d %d", file ? file : "", sx1, sy1,
                   sx2, sy2, x1, y1, x2, y2, a, b, r, g, bl);
    return draw(file, sx1, sy1, x1, y1, x2, y2, key_of(r, g, bl));
}

intptr_t Make_TreeViewImage(const char* file, int key_color)
{
    Kov_Script_Log("Make_TreeViewImage %s %d", file ? file : "", key_color);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    const QImage* img = picture(s, file);
    if (!img) return 0;
    QImage keyed = img->convertToFormat(QImage::Format_ARGB32);
    if (key_color >= 0) {
        const uint32_t key = rgb_of(key_color);
        for (int y = 0; y < keyed.height(); ++y) {
            uint32_t* row = reinterpret_cast<uint32_t*>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x)
                if ((row[x] & 0xFFFFFFu) == key) row[x] = 0;
        }
    }
    const intptr_t h = s.next_tree_image++;
    s.tree_images[h] = keyed;
    return h;
}

void Draw_TreeViewImage(intptr_t image, int x, int y, int state_)
{
    Kov_Script_Log("Draw_TreeViewImage %ld %d %d %d", long(image), x, y, state_);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    ensure_screen(s);
    auto it = s.tree_images.find(image);
    if (it == s.tree_images.end()) return;
    const QImage& img = it->second;
    blit(s, img, 0, 0, img.width(), img.height(), int64_t(x) - img.width() / 2, int64_t(y) - img.height() / 2, -1);
}

} // extern "C"
