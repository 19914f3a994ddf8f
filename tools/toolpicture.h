#pragma once
// What the picture tools share: writing a drawn picture as a BMP or PNG file.
#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <cstdio>
#include <string>

#include "platform/kovreplace.h"

// Writes img in the format ("BMP", "PNG") at path through the file-replacement
// service, so a failed run leaves the picture that was there before. tool
// names the program in the message on failure.
inline bool Tool_Save_Picture(const QImage& img, const std::string& path, const char* format, const char* tool)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!img.save(&buffer, format)) {
        std::fprintf(stderr, "%s: cannot encode %s\n", tool, path.c_str());
        return false;
    }
    const int rc = Kov_Replace_File(path.c_str(), [&](FILE* f) {
        return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f) == size_t(bytes.size());
    });
    if (rc != KOV_REPLACE_OK) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", tool, path.c_str(), Kov_Replace_Text(rc));
        return false;
    }
    return true;
}

inline bool Tool_Save_Bmp(const QImage& img, const std::string& path, const char* tool)
{
    return Tool_Save_Picture(img, path, "BMP", tool);
}
