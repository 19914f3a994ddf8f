#pragma once
// A scripted screen with one sheet, for the view-area suites.
#include <gtest/gtest.h>

#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/viewarea.h"

#include <string>
#include <vector>

namespace viewtest {

class OnASheet : public testing::Test {
protected:
    void SetUp() override
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        // The settings are read once a run: each test reads them as its environment has them.
        View_Area_Reset_Settings();
        Define_Prop_Sheet(0, 0, 700, 500, 0, 0, "", 10, 1);
    }
    void TearDown() override
    {
        // The twenty slots are one table for the process: the next test finds them free.
        View_Area_Close_All();
        View_Area_Reset_Settings();
        Kov_Ui_Sheets_Reset();
        Kov_Ui_Reset();
        Kov_Set_Ui_Mode(-1);
    }
};

inline std::vector<int> screen()
{
    std::vector<int> v;
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) v.push_back(Kov_Ui_Pixel(x, y));
    return v;
}

// The log lines that begin with a prefix.
inline std::vector<std::string> log_lines(const std::string& prefix)
{
    std::vector<std::string> v;
    for (int i = 0; i < Kov_Script_Log_Count(); ++i) {
        const std::string l = Kov_Script_Log_Line(i);
        if (l.compare(0, prefix.size(), prefix) == 0) v.push_back(l);
    }
    return v;
}

inline bool logged(const std::string& line)
{
    for (int i = 0; i < Kov_Script_Log_Count(); ++i)
        if (line == Kov_Script_Log_Line(i)) return true;
    return false;
}

} // namespace viewtest
