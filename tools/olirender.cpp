// olirender: renders an output list or a plot file to PDF or to PNG pages, as
// the host's viewer shows it.
//
//   olirender [--dpi N] [--page N] INPUT OUTPUT
//
// OUTPUT ending in ".png" writes PNG pages: with --page N only page N (1-based)
// into OUTPUT, otherwise every page into OUTPUT with "-1", "-2", ... before its
// extension. Any other OUTPUT is written as one PDF. What the reader skipped is
// listed on standard error. Exit code 0 when written, 1 when the input cannot be
// read or the output cannot be written, 2 for a wrong command line.
#include "platform/gui/olirender.h"
#include "platform/kovlocale.h"
#include "platform/kovreplace.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: olirender [--dpi N] [--page N] INPUT OUTPUT(.pdf|.png)\n");
    return 2;
}

bool ends_with(const std::string& s, const char* e)
{
    const size_t n = std::strlen(e);
    if (s.size() < n) return false;
    for (size_t k = 0; k < n; ++k)
        if (std::tolower((unsigned char)s[s.size() - n + k]) != e[k]) return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    double dpi = 150;
    int page = 0;
    std::string in, out;
    for (int k = 1; k < argc; ++k) {
        const std::string a = argv[k];
        if ((a == "--dpi" || a == "--page") && k + 1 < argc) {
            char* end = nullptr;
            const double v = std::strtod(argv[++k], &end);
            if (!end || *end || !(v > 0) || v > 2400) return usage();
            if (a == "--dpi")
                dpi = v;
            else
                page = int(v);
        } else if (!a.empty() && a[0] == '-' && a.size() > 1) {
            return usage();
        } else if (in.empty()) {
            in = a;
        } else if (out.empty()) {
            out = a;
        } else {
            return usage();
        }
    }
    if (in.empty() || out.empty()) return usage();

    // Rendering needs no display.
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    Kov_Numeric_C_Locale();

    OliPages pages;
    const bool read = Oli_Load_Pages(in, &pages);
    for (const std::string& w : pages.warnings) std::fprintf(stderr, "%s: %s\n", in.c_str(), w.c_str());
    if (!read) return 1;

    if (!ends_with(out, ".png")) {
        std::string error;
        if (!Oli_Write_Pdf(pages, out, &error)) {
            std::fprintf(stderr, "olirender: %s\n", error.c_str());
            return 1;
        }
        std::printf("%s\n", out.c_str());
        return 0;
    }
    const int n = int(pages.pages.size());
    if (page > n) {
        std::fprintf(stderr, "olirender: the file has %d page(s)\n", n);
        return 1;
    }
    const std::string stem = out.substr(0, out.size() - 4);
    for (int k = 0; k < n; ++k) {
        if (page > 0 && k != page - 1) continue;
        const std::string name = page > 0 ? out : stem + "-" + std::to_string(k + 1) + ".png";
        const QImage img = Oli_Page_Image(pages, k, dpi);
        // Written beside the old file first: it is replaced only by a complete one.
        KovReplacement r;
        int rc = img.isNull() ? KOV_REPLACE_FILL_FAILED : Kov_Replace_Open(name.c_str(), &r);
        if (rc == KOV_REPLACE_OK) {
            std::fclose(r.f);
            r.f = nullptr;
            rc = Kov_Replace_Close(&r, img.save(QString::fromLocal8Bit(r.temp.c_str()), "PNG") ? 1 : 0);
        }
        if (rc != KOV_REPLACE_OK) {
            std::fprintf(stderr, "olirender: \"%s\" cannot be written\n", name.c_str());
            return 1;
        }
        std::printf("%s\n", name.c_str());
    }
    return 0;
}
