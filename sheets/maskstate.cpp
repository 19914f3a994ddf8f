// The output state of the mask element calls and their registrations.
#include "sheets/maskstate.h"

#include <memory>
#include <vector>

#include "platform/kovscreen.h"

MaskState g_mask_state;

namespace {

// Entries are held by pointer, so that they keep their address while the
// table grows.
struct Level {
    std::vector<std::unique_ptr<MaskClamp>> clamps;
    std::vector<std::unique_ptr<MaskFactor>> factors;
    std::vector<std::unique_ptr<MaskIntShadow>> shadows;
};

std::vector<Level>& levels()
{
    static std::vector<Level> l(1);
    return l;
}

Level& innermost() { return levels().back(); }

template <class T, class P> T* find_latest(std::vector<std::unique_ptr<T>>& v, P* p)
{
    for (auto it = v.rbegin(); it != v.rend(); ++it)
        if ((*it)->value == p) return it->get();
    return nullptr;
}

void initialise(MaskState& s)
{
    s = MaskState();
    s.output_area = -1;
    s.font = 0x1000;
    s.escape = -1;
    s.page_left = -1000;
    s.page_top = -1000;
    s.editable = 1;
    s.read_only = 0;
}

// The state starts as the run starts, before any call.
struct Start {
    Start() { initialise(g_mask_state); }
} g_start;

} // namespace

void Mask_Set_Output_Area(int view_area)
{
    MaskState& s = g_mask_state;
    s.tooltip_count = 0;
    s.hover_button_count = 0;
    s.font = 0x1000;
    s.text_colour = Nearest_Color_Index(0, 0, 0);
    s.back_colour = Nearest_Color_Index(255, 255, 255);
    s.output_area = view_area;
    s.page_left = -1000;
    s.page_top = -1000;
    for (int i = s.page_area_count - 1; i >= 0; --i) {
        const MaskPageArea& a = s.page_areas[i];
        if (a.view_area != view_area) continue;
        s.escape = a.escape;
        s.page_left = a.left;
        s.page_top = a.top;
        s.page_dx = a.dx;
        s.page_dy = a.dy;
        break;
    }
}

int Mask_Get_Output_Area() { return g_mask_state.output_area; }

int Mask_Add_Page_Area(const MaskPageArea* area)
{
    MaskState& s = g_mask_state;
    if (!area || s.page_area_count >= MASK_PAGE_AREAS) return 0;
    s.page_areas[s.page_area_count++] = *area;
    return 1;
}

void Mask_Remove_Page_Area()
{
    if (g_mask_state.page_area_count > 0) --g_mask_state.page_area_count;
}

void Mask_Set_Last_Element(int x, int y, int width, int active)
{
    MaskState& s = g_mask_state;
    s.last_left = x;
    s.last_top = y - 13;
    s.last_right = x + width;
    s.last_bottom = y + 5;
    s.last_active = active;
}

void Mask_State_Reset()
{
    initialise(g_mask_state);
    levels().clear();
    levels().resize(1);
}

// ---- registrations ------------------------------------------------------------------

void Mask_Push_Registration_Level() { levels().emplace_back(); }

void Mask_Pop_Registration_Level()
{
    if (levels().size() > 1)
        levels().pop_back();
    else
        levels().front() = Level();
}

int Mask_Registration_Levels() { return int(levels().size()); }

MaskClamp* Mask_Find_Clamp(const double* value) { return find_latest(innermost().clamps, value); }
MaskFactor* Mask_Find_Factor(const double* value) { return find_latest(innermost().factors, value); }
MaskIntShadow* Mask_Find_Int_Shadow(const int* value) { return find_latest(innermost().shadows, value); }

MaskClamp* Mask_Add_Clamp(double* value, double min, double max)
{
    innermost().clamps.push_back(std::make_unique<MaskClamp>(MaskClamp{value, min, max}));
    return innermost().clamps.back().get();
}

MaskFactor* Mask_Add_Factor(double* value, double factor)
{
    innermost().factors.push_back(std::make_unique<MaskFactor>(MaskFactor{value, factor}));
    return innermost().factors.back().get();
}

MaskIntShadow* Mask_Add_Int_Shadow(int* value, double shadow)
{
    innermost().shadows.push_back(std::make_unique<MaskIntShadow>(MaskIntShadow{value, shadow}));
    return innermost().shadows.back().get();
}

int Mask_Factor_Count() { return int(innermost().factors.size()); }

MaskFactor* Mask_Factor_At(int i)
{
    auto& v = innermost().factors;
    return i >= 0 && size_t(i) < v.size() ? v[size_t(i)].get() : nullptr;
}

int Mask_Int_Shadow_Count() { return int(innermost().shadows.size()); }

MaskIntShadow* Mask_Int_Shadow_At(int i)
{
    auto& v = innermost().shadows;
    return i >= 0 && size_t(i) < v.size() ? v[size_t(i)].get() : nullptr;
}

void Mask_Release_Clamps() { innermost().clamps.clear(); }
void Mask_Release_Factors() { innermost().factors.clear(); }
void Mask_Release_Int_Shadows() { innermost().shadows.clear(); }
