#pragma once
// The screen in scripted mode for the tests of this folder: a fresh screen and
// the log of the drawing calls made since the last clear.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/scrgraph.h"

namespace scrtest {

inline void fresh_screen()
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    Kov_Ui_Reset();
    Kov_Script_Clear_Log();
}

// The screen graphics' one view of the process back to the plain one: world
// units are pixels, thickness 1, solid lines.
inline void plain_view()
{
    Scr_Set_View(0, 0, 0, 1, 1);
    Scr_Set_Thickness(1);
    Scr_Set_Line_Style(0);
}

// The log lines since the last clear that start with one of the prefixes (all
// of them for none).
inline std::vector<std::string> calls(const std::vector<std::string>& prefixes = {})
{
    std::vector<std::string> out;
    for (int i = 0; i < Kov_Script_Log_Count(); ++i) {
        const std::string line = Kov_Script_Log_Line(i);
        bool keep = prefixes.empty();
        for (const std::string& p : prefixes)
            if (line.compare(0, p.size() + 1, p + " ") == 0 || line == p) keep = true;
        if (keep) out.push_back(line);
    }
    return out;
}

// The folder for pictures the tests keep, under the build folder.
inline std::string artefacts()
{
    const std::string d = std::string(KOV_BINARY_DIR) + "/test-artefacts";
    std::error_code ec;
    std::filesystem::create_directories(d, ec);
    return d;
}

} // namespace scrtest
