#pragma once
// The screen stand-in's pixels for the window that shows them.
#include <QImage>

// A copy of the whole screen (Format_RGB32), taken under the screen's lock.
QImage Kov_Screen_Image();
