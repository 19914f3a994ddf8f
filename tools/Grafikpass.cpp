// Stand-in of the host's picture-information tool.
//
//   Grafikpass <picture> <answer file>
//
// Measures the picture and writes one record into the answer file:
//   OLI_GRAPHIC_Picture_Info
//   «<file name of the picture, at most 19 characters>»
//   <pixel width> <pixel height>
//   <dots per inch>
//   <width in cm> <height in cm>
// The answer file is written completely beside its place and then renamed.
// Exit code 0 when the record was written, 1 when the picture cannot be read,
// 2 on a usage or write error.
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/kovlocale.h"
#include "platform/kovpath.h"
#include "platform/kovreplace.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s picture answer-file\n", argc > 0 ? argv[0] : "Grafikpass");
        return 2;
    }
    Kov_Numeric_C_Locale();
    const std::string picture = Kov_Path(argv[1]);
    QImageReader reader(QString::fromLocal8Bit(picture.c_str()));
    QImage image = reader.read();
    if (image.isNull()) return 1;

    int dpi = 300;
    if (image.dotsPerMeterX() > 0) dpi = (int)std::lround(image.dotsPerMeterX() * 0.0254);
    const double width_cm = image.width() * 2.54 / dpi;
    const double height_cm = image.height() * 2.54 / dpi;

    std::string name = picture;
    size_t slash = name.find_last_of('/');
    if (slash != std::string::npos) name = name.substr(slash + 1);
    if (name.size() > 19) name = name.substr(0, 19);

    const std::string answer = Kov_Path(argv[2]);
    const int rc = Kov_Replace_File(answer.c_str(), [&](FILE* f) {
        return std::fprintf(f, "%s\n", "OLI_GRAPHIC_Picture_Info") >= 0 &&
               std::fprintf(f, "%c%s%c\n", 0xAE, name.c_str(), 0xAF) >= 0 &&
               std::fprintf(f, "%d %d\n", image.width(), image.height()) >= 0 && std::fprintf(f, "%d\n", dpi) >= 0 &&
               std::fprintf(f, "%.4f %.4f\n", width_cm, height_cm) >= 0;
    });
    return rc == KOV_REPLACE_OK ? 0 : 2;
}
