#pragma once
// The scripted user of the mask tests: one step each time a sheet waits with
// nothing queued; without steps left the wait answers like Escape. A test
// installs `idle` as the idle hook and fills `g_user`.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/kovpropsheet.h"
#include "platform/kovscript.h"
#include "sheets/mask.h"
#include "sheets/maskhover.h"
#include "sheets/maskstate.h"
#include "sheets/tests/scrtest.h"
#include "sheets/viewarea.h"

namespace maskuser {

inline std::deque<std::function<void()>> g_user;

inline void idle(const char*)
{
    if (g_user.empty()) return;
    auto step = g_user.front();
    g_user.pop_front();
    step();
}

// Clicks the middle of the sheet element with this id.
inline void click_id(int id)
{
    int x1, y1, x2, y2;
    ASSERT_TRUE(Kov_Ui_Sheet_Rect(id, &x1, &y1, &x2, &y2)) << id;
    Kov_Ui_Push_Click((x1 + x2) / 2, (y1 + y2) / 2);
}

// The step that clicks that element.
inline std::function<void()> click(int id)
{
    return [id] { click_id(id); };
}

// Whether the log since the last clear holds this line.
inline bool has_line(const std::string& line)
{
    for (int i = 0; i < Kov_Script_Log_Count(); ++i)
        if (line == Kov_Script_Log_Line(i)) return true;
    return false;
}

// The log lines since the last clear that start with the prefix.
inline std::vector<std::string> lines_with(const std::string& prefix)
{
    std::vector<std::string> v;
    for (int i = 0; i < Kov_Script_Log_Count(); ++i) {
        const std::string l = Kov_Script_Log_Line(i);
        if (l.compare(0, prefix.size(), prefix) == 0) v.push_back(l);
    }
    return v;
}

// Drags the sheet by its title bar 30 pixels right and 20 down.
inline void drag()
{
    int x1, y1, x2, y2;
    ASSERT_TRUE(Kov_Ui_Sheet_Frame(&x1, &y1, &x2, &y2));
    Kov_Ui_Push_Press(x1 + 60, y1 + 10, 1);
    Kov_Ui_Push_Move(x1 + 90, y1 + 30);
    Kov_Ui_Push_Release(x1 + 90, y1 + 30, 1);
}

// A fresh screen and mask state with no steps queued and the idle hook on.
inline void start()
{
    scrtest::fresh_screen();
    Mask_State_Reset();
    Mask_Engine_Reset();
    Mask_Hover_Reset();
    g_user.clear();
    Kov_Ui_Set_Idle_Hook(idle);
}

// Leaves no hook, hover list, view area or sheet behind for the next test.
inline void finish()
{
    Kov_Ui_Set_Idle_Hook(nullptr);
    Mask_Hover_Reset();
    View_Area_Close_All();
    Kov_Ui_Sheets_Reset();
    Kov_Set_Ui_Mode(-1);
}

} // namespace maskuser
