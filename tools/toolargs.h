#pragma once
// What the stand-in tools share: the record of the arguments a tool was
// started with, so that tests can check the host's command line, and the
// application of a tool that opens a window.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <QApplication>

#include "platform/kovlocale.h"
#include "platform/kovreplace.h"

// Writes argv[1..] one a line into the file named by the environment variable
// var (nothing when it is unset); the file appears only when complete.
inline void Tool_Write_Args(const char* var, int argc, char** argv)
{
    const char* out = std::getenv(var);
    if (!out || !*out) return;
    const int rc = Kov_Replace_File(out, [argc, argv](FILE* f) {
        for (int i = 1; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
        return std::ferror(f) == 0;
    });
    if (rc != KOV_REPLACE_OK) std::fprintf(stderr, "%s: %s\n", out, Kov_Replace_Text(rc));
}

// Whether a tool should open its window: interactive mode (or none chosen) on
// a real display, not the offscreen or minimal platforms of the tests.
inline bool Tool_Display_Wanted()
{
    const char* mode = std::getenv("KOV_UI_MODE");
    if (mode && *mode && std::strcmp(mode, "interactive") != 0) return false;
    const char* qpa = std::getenv("QT_QPA_PLATFORM");
    if (qpa && (std::strcmp(qpa, "offscreen") == 0 || std::strcmp(qpa, "minimal") == 0)) return false;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

// The application of a tool's window. QApplication's constructor takes the
// whole C locale from the environment; under a German one the number fields
// would show and the annex and list files would be written with a decimal
// comma that every reader takes for the end of the number. LC_NUMERIC goes
// back to "C" at once.
inline std::unique_ptr<QApplication> Tool_Make_Application(int& argc, char** argv)
{
    auto app = std::make_unique<QApplication>(argc, argv);
    Kov_Numeric_C_Locale();
    return app;
}

// The application when the tool opens its window (Tool_Display_Wanted), else none.
inline std::unique_ptr<QApplication> Tool_Application(int& argc, char** argv)
{
    if (!Tool_Display_Wanted()) return nullptr;
    return Tool_Make_Application(argc, argv);
}
