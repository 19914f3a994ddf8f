// The bar-area calculator sheet.
#include "materials/pages/rebarcalc.h"

#include <cstdio>

#include "base/kovnum.h"
#include "materials/rebar.h"
#include "platform/kovcp.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/popmenu.h"

namespace {

const double kPi4 = 0.785398163397448279;
const int kRows = 9; // 6 to 28 mm: the 32 mm bar has no row
const int kHalfLeft = 109, kHalfUp = 165, kHalfRight = 108, kHalfDown = 164;
const int kCancel = 1, kConfirm = 2, kCountField = 10;

const char* const kLabels[kRows] = {"\x8c  6 =", "\x8c  8 =", "\x8c 10 =", "\x8c 12 =", "\x8c 14 =",
                                    "\x8c 16 =", "\x8c 20 =", "\x8c 25 =", "\x8c 28 ="};

// Kept for the whole run.
double s_counts[kRows] = {};
bool s_placed = false;
int s_cx = 0, s_cy = 0;

// An area in cm2 over a cleared field of 11 characters.
void show_area(int x, int y, double m2)
{
    char text[40];
    std::snprintf(text, sizeof text, "%6.2f cm\xFD", m2 * 10000.0);
    Mask_Draw_Field_Background(x, y, 11.0);
    Mask_Draw_Text(x, y, text, 0, 1);
}

} // namespace

void Rebar_Area_Calculator_Reset(void)
{
    for (double& c : s_counts) c = 0.0;
    s_placed = false;
}

double Rebar_Area_Calculator(void)
{
    if (!s_placed) {
        s_cx = NPIXEL_X / 2;
        s_cy = NPIXEL_Y / 2;
        s_placed = true;
    }
    int x1 = s_cx - kHalfLeft, y1 = s_cy - kHalfUp, x2 = s_cx + kHalfRight, y2 = s_cy + kHalfDown;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    s_cx = x1 + kHalfLeft;
    s_cy = y1 + kHalfUp;

    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, cp850("Bew.fläche Stabstahl"), 29, 1);
    for (int i = 0; i < kRows; ++i) Draw_Funny_Text_to_PS(x1 + 68, y1 + 54 + 25 * i, kLabels[i], 0, 2);
    Draw_Funny_Line_to_PS(4, x1 + 80, y1 + 264, x1 + 203, y1 + 264);
    Draw_Funny_Text_to_PS(x1 + 91, y1 + 283, "\xb2 =", 0, 2);
    for (int i = 0; i < kRows; ++i) {
        const int field = Add_Float_to_PS(x1 + 13, y1 + 42 + 25 * i, 2, "%2.0f", 1, kCountField, &s_counts[i]);
        Add_SingleStep_to_Float(field, 0, 1, 99);
    }
    const int cancel = Add_Single_Button_to_PS(x1 + 12, y1 + 301, 1, kCancel, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    Set_Comment_to_Button_PS(cancel, "abbrechen");
    const int confirm = Add_Single_Button_to_PS(x1 + 179, y1 + 302, 1, kConfirm, nullptr, SYMBOLIC_OK_RASTER, 0);
    Set_Comment_to_Button_PS(confirm, cp850("übernehmen"));
    Move_Mouse_Cursor_to_Button_of_PS(cancel, 0, 0);
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();

    // The displacement follows the user dragging the sheet; the areas are
    // drawn where the sheet is now.
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    double total = 0.0;
    int id;
    for (;;) {
        const int x = x1 + dx, y = y1 + dy;
        total = 0.0;
        for (int i = 0; i < kRows; ++i) {
            const double area = Round_To_Decimals(s_counts[i] * kPi4 * RebarDiameters[i] * RebarDiameters[i], 6);
            total += area;
            show_area(x + 123, y + 54 + 25 * i, area);
        }
        show_area(x + 123, y + 283, total);
        id = Edit_Prop_Sheet();
        // Anything but the two buttons (a count changed) draws anew; a sheet
        // that cannot answer any more counts as cancelled.
        if (id == kCancel || id == kConfirm || id < 0) break;
    }
    Undefine_Prop_Sheet();
    s_cx += dx;
    s_cy += dy;
    return id == kConfirm ? total : -1.0;
}
