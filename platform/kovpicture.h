#pragma once
// Reading of pictures for the screen stand-in (see "platform/kovscreen.h").
#include <QImage>

#include <cstddef>

// The picture in the bytes (BMP, or any format Qt reads), as Format_RGB32; a
// null image for bytes that are no picture or one larger than 8192 pixels a side.
QImage Kov_Picture_From_Bytes(const unsigned char* data, size_t size);
