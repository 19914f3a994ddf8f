// sheetgallery: every element and sheet of the property-sheet framework, for
// review.
//
//   sheetgallery --out DIR      one PNG per family into DIR (scripted, no display needed)
//   sheetgallery --interactive  the sheets one after another in the screen's
//                               window, for a person (needs a display); Escape
//                               leaves each sheet and opens the next
//   sheetgallery --list         the families, one a line
//
// In scripted mode a scripted user opens the lists, points at the buttons
// and selects text before each picture is taken; a family whose sheets show
// several states puts their pictures side by side into its one file, each
// under its caption. Exit code 0 when every picture was written, 1 otherwise,
// 2 on a usage error or without a display for --interactive.
#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/kovevent.h"
#include "platform/kovscreen.h"
#include "platform/kovscreenimage.h"
#include "platform/kovscript.h"
#include "tools/sheetgallery/gallery.h"
#include "tools/toolargs.h"
#include "tools/toolpicture.h"

namespace gallery {
namespace {

struct Shot {
    std::string caption;
    QImage image;
};
std::vector<Shot> g_shots;

const QRgb kDesktop = qRgb(58, 110, 165);

// The screen cut to what differs from the desktop, with a margin of 8 pixels.
QImage cut_screen()
{
    const QImage s = Kov_Screen_Image();
    int x1 = s.width(), y1 = s.height(), x2 = -1, y2 = -1;
    for (int y = 0; y < s.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(s.constScanLine(y));
        for (int x = 0; x < s.width(); ++x)
            if ((line[x] & 0xFFFFFF) != (kDesktop & 0xFFFFFF)) {
                x1 = std::min(x1, x);
                x2 = std::max(x2, x);
                y1 = std::min(y1, y);
                y2 = std::max(y2, y);
            }
    }
    if (x2 < 0) return s;
    x1 = std::max(0, x1 - 8);
    y1 = std::max(0, y1 - 8);
    x2 = std::min(s.width() - 1, x2 + 8);
    y2 = std::min(s.height() - 1, y2 + 8);
    return s.copy(x1, y1, x2 - x1 + 1, y2 - y1 + 1);
}

bool take_shot(const std::string& caption)
{
    std::string text = caption;
    for (char& c : text)
        if (c == '_') c = ' ';
    g_shots.push_back(Shot{text, cut_screen()});
    return true;
}

// The pictures of a family in rows of at most about 2000 pixels, each under
// its caption, on a light grey ground.
QImage compose(const std::vector<Shot>& shots)
{
    const int gap = 16, caption = 22, max_row = 2000;
    struct Place {
        int x, y;
    };
    std::vector<Place> at;
    int x = gap, y = gap, row_h = 0, width = 0;
    for (const Shot& s : shots) {
        if (x > gap && x + s.image.width() > max_row) {
            x = gap;
            y += row_h + gap;
            row_h = 0;
        }
        at.push_back(Place{x, y});
        x += s.image.width() + gap;
        row_h = std::max(row_h, caption + s.image.height());
        width = std::max(width, x);
    }
    QImage out(width, y + row_h + gap, QImage::Format_RGB32);
    out.fill(qRgb(228, 228, 228));
    QPainter p(&out);
    QFont font = p.font();
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    for (size_t i = 0; i < shots.size(); ++i) {
        p.drawText(at[i].x, at[i].y + 15, QString::fromUtf8(shots[i].caption.c_str()));
        p.drawImage(at[i].x, at[i].y + caption, shots[i].image);
    }
    p.end();
    return out;
}

void usage() { std::fprintf(stderr, "usage: sheetgallery --out DIR | --interactive | --list\n"); }

} // namespace
} // namespace gallery

int main(int argc, char** argv)
{
    using namespace gallery;
    std::string out;
    bool interactive = false, list = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            out = argv[++i];
        } else if (std::strcmp(argv[i], "--interactive") == 0) {
            interactive = true;
        } else if (std::strcmp(argv[i], "--list") == 0) {
            list = true;
        } else {
            usage();
            return 2;
        }
    }
    if (int(!out.empty()) + int(interactive) + int(list) != 1) {
        usage();
        return 2;
    }
    if (list) {
        for (const Family& f : families()) std::printf("%s\t%s\n", f.name, f.what);
        return 0;
    }

    std::unique_ptr<QGuiApplication> app;
    if (interactive) {
        if (!Tool_Display_Wanted()) {
            std::fprintf(stderr, "sheetgallery: no display for --interactive\n");
            return 2;
        }
        app = Tool_Make_Application(argc, argv);
        if (Kov_Ui_Mode() != KOV_UI_INTERACTIVE) {
            std::fprintf(stderr, "sheetgallery: no display for --interactive\n");
            return 2;
        }
    } else {
        // The pictures are taken from the screen's pixels: no window is needed.
        if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        app = std::make_unique<QGuiApplication>(argc, argv);
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        std::error_code ec;
        std::filesystem::create_directories(out, ec);
        if (!std::filesystem::is_directory(out)) {
            std::fprintf(stderr, "sheetgallery: cannot make the folder %s\n", out.c_str());
            return 1;
        }
    }
#ifdef KOV_DATA_DIR
    // The framework's own button pictures.
    if (!std::getenv("DATA")) ::setenv("DATA", KOV_DATA_DIR, 1);
#endif
    QTemporaryDir temp;
    Pictures pics;
    if (!temp.isValid() || !paint_pictures(temp.path().toStdString(), &pics)) {
        std::fprintf(stderr, "sheetgallery: cannot paint the gallery's pictures\n");
        return 1;
    }

    bool ok = true;
    for (const Family& f : families()) {
        g_shots.clear();
        if (interactive) std::printf("%s: %s\n", f.name, f.what);
        std::fflush(stdout);
        run_family(f, !interactive, take_shot);
        if (interactive) continue;
        const std::string file = out + "/" + f.name + ".png";
        if (g_shots.empty()) {
            std::fprintf(stderr, "sheetgallery: %s took no picture\n", f.name);
            ok = false;
            continue;
        }
        ok = Tool_Save_Picture(compose(g_shots), file, "PNG", "sheetgallery") && ok;
    }
    return ok ? 0 : 1;
}
