// Fuzzes the painting of output lists: a list is parsed, laid out and its
// first pages are drawn into images offscreen, as the viewer and olirender do.
// The harness's folder holds a picture, a FIFO and a folder of pictures, so
// that picture records may name a regular file, a FIFO, a device or a folder:
// none of them may hold the painter or read without end.
#include <sys/stat.h>
#include <unistd.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzzfile.h"
#include "platform/gui/olirender.h"
#include "platform/olireader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Oli_Ensure_Gui();
    const std::string& dir = fuzz::Work_Dir("olipaint");
    if (dir.empty()) return 0;
    // Relative picture names are taken from the harness's folder.
    if (::chdir(dir.c_str()) != 0) return 0;
    QImage blue(4, 3, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    blue.save(QStringLiteral("bild.png"), "PNG");
    ::mkfifo("fifo.png", 0600);
    ::mkdir("ordner", 0700);
    setenv("KOV_OLI_FONT_DIR", dir.c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    OliDocument doc;
    Oli_Parse_List(bytes, &doc);
    const OliPages pages = Oli_Layout_List(doc);
    // Two pages at a low resolution: every kind of item is painted, quickly.
    for (int i = 0; i < int(std::min<size_t>(pages.pages.size(), 2)); ++i) {
        const QImage img = Oli_Page_Image(pages, i, 12);
        if (img.isNull()) __builtin_trap();
    }
    return 0;
}
