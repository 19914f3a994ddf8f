// Fuzzes the help window's loading of a help page: the page is read into the
// help's browser (made, not shown) with everything it names: pictures, style
// sheets, further pages. The help folder holds a picture, a FIFO and a folder,
// and the pages may name /dev/zero or files outside the folder: nothing may
// hold the loading or read without end.
#include <sys/stat.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QString>
#include <QTextBrowser>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzzfile.h"
#include "platform/gui/kovhelpwindow.h"

namespace {

std::string g_help; // the help folder

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    new QApplication(*argc, *argv);
    const std::string& dir = fuzz::Work_Dir("helppage");
    if (dir.empty()) return 0;
    g_help = dir + "/HILFE";
    ::mkdir(g_help.c_str(), 0700);
    ::mkdir((g_help + "/bilder").c_str(), 0700);
    QImage blue(4, 3, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    blue.save(QString::fromStdString(g_help + "/bilder/bild.png"), "PNG");
    blue.save(QString::fromStdString(dir + "/draussen.png"), "PNG");
    ::mkfifo((g_help + "/fifo.png").c_str(), 0600);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (g_help.empty()) return 0;
    const std::string page = g_help + "/seite.html";
    if (!fuzz::Write_File(page, data, size)) return 0;
    QTextBrowser* browser = Kov_Make_Help_Browser(page, "oben");
    if (browser) {
        // Laid out as the window would show it, so every picture is asked for.
        browser->resize(760, 600);
        browser->document()->setTextWidth(740);
        (void)browser->document()->size();
        delete browser;
    }
    return 0;
}
