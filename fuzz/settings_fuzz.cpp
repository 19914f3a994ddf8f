// Fuzzes the step-joint program's two settings files: the user's fonts and
// colours and the position's window settings, each read into a real main
// window, and (much faster, so most of the inputs) the settings file reader
// with every value decoder on its own. The first byte chooses; the rest is the
// file's content.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>

#include <QApplication>
#include <QMainWindow>

#include "app/gui/mainwindowapi.h"
#include "app/gui/settings.h"
#include "app/gui/settingsfile.h"
#include "app/nelu52start.h"
#include "fuzz/fuzzfile.h"
#include "platform/kovpath.h"

namespace {

const char kTag[] = "settings_fuzz";
QMainWindow* Window = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    const std::string& dir = fuzz::Work_Dir(kTag);
    if (dir.empty()) return 0;
    for (const char* sub : {"/dram", "/temp", "/pos"}) mkdir((dir + sub).c_str(), 0700);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("KOV_UI_MODE", "batch", 1);
    setenv("DRAM", (dir + "/dram").c_str(), 1);
    setenv("TEMP", (dir + "/temp").c_str(), 1);
    unsetenv("DATA");
    if (chdir((dir + "/pos").c_str()) != 0) return 0;
    static QApplication app(*argc, *argv);
    if (!Nelu52_Set_Position("FUZZ", "1")) return 0;
    Nelu52_Set_Fonts_Name((dir + "/dram").c_str());
    Window = Nelu52_New_Main_Window();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || !Window) return 0;
    const unsigned choice = data[0] % 4;
    if (choice >= 2) {
        const std::string path = fuzz::Work_Dir(kTag) + "/values.ini";
        if (!fuzz::Write_File(path, data + 1, size - 1)) return 0;
        const QMap<QString, QString> values = Settings_File_Read(path.c_str());
        for (const QString& v : values) {
            QColor c;
            QFont f;
            QByteArray b;
            Settings_Value_Colour(v, &c);
            Settings_Value_Font(v, &f);
            Settings_Value_Bytes(v, &b);
        }
        return 0;
    }
    const bool fonts = choice == 0;
    const std::string path = Kov_Path(fonts ? nelu52_fonts_name : nelu52_ini_name);
    if (!fuzz::Write_File(path, data + 1, size - 1)) return 0;
    if (fonts)
        Nelu52_Load_Fonts_Colors(Window);
    else
        Nelu52_Load_Settings(Window);
    return 0;
}
