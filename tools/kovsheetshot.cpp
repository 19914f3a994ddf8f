// Shows a property sheet of the host library's stand-in in its window and
// saves a picture of the window:
//
//   xvfb-run kovsheetshot <picture.png>
//
// The sheet has OK and cancel buttons, a text field, a scrollable list with a
// slider and a register; once the window is on the screen its picture is
// taken and the sheet is ended as with Escape. Exit code 0 when the picture
// was written, 1 otherwise (2 without a display).
#include "platform/gui/kovscreenwindow.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "tools/toolargs.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <string>

namespace {

std::string g_picture;
bool g_written = false;

void list(int, int, int sy, int x1, int y1, int x2, int y2, void*)
{
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(x1, y1, x2, y2);
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
    Pop_RFont(0x1000);
    for (int i = 0; i < 40; ++i) {
        const int y = y1 + 16 * i + 13 - sy;
        if (i % 2) {
            pxFgc(Nearest_RGB_Color(232, 232, 232));
            pxRect(x1, y - 12, x2, y + 3);
        }
        char line[64];
        std::snprintf(line, sizeof line, "C24  b/h = %d/%d mm", 100 + 20 * (i % 5), 200 + 40 * (i % 7));
        pxFgc(BLACK_CI);
        pxText(x1 + 6, y, line, -1);
    }
    Push_RFont();
    pxView(vx1, vy1, vx2, vy2);
}

void take_picture()
{
    QWidget* w = KovScreenWindow::instance();
    if (w->isVisible()) g_written = w->grab().save(QString::fromLocal8Bit(g_picture.c_str()), "PNG");
    Kov_Ui_Push_Key(27);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <picture.png>\n", argv[0]);
        return 1;
    }
    g_picture = argv[1];
    const auto app = Tool_Make_Application(argc, argv);
    if (Kov_Ui_Mode() != KOV_UI_INTERACTIVE) {
        std::fprintf(stderr, "%s: no display\n", argv[0]);
        return 2;
    }
    const int x1 = NPIXEL_X / 2 - 250, y1 = NPIXEL_Y / 2 - 200, x2 = x1 + 499, y2 = y1 + 399;
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, "Versatz - Eingabe", 20, 1);
    const int reg = Add_Register_to_PS(x1 + 10, y1 + 33, x2 - 10, y2 - 50, y1 + 63);
    Draw_Funny_Text_to_PS(x1 + 20, y1 + 53, "Querschnitt", 0x1000, 2);
    Draw_Funny_Text_to_PS(x1 + 130, y1 + 53, "Material", 0x1000, 2);
    Add_Member_to_Register(reg, x1 + 10, x1 + 110, 1, 1000);
    Add_Member_to_Register(reg, x1 + 111, x1 + 220, 1, 1001);
    Set_Selected_Register_Member(1);
    Pop_RFont(0x1000);
    pxFgc(BLACK_CI);
    pxText(x1 + 20, y1 + 95, "Vorholzl\x84nge l_v [mm]", -1);
    Push_RFont();
    Draw_Funny_Area_to_PS(4, x1 + 200, y1 + 80, x1 + 300, y1 + 100, 0);
    Pop_RFont(0x1000);
    pxText(x1 + 206, y1 + 95, "200.0", -1);
    Push_RFont();
    const int area = Add_Scrollable_Area_to_PS(x1 + 20, y1 + 120, x2 - 40, y2 - 70, 1, 0, 10, 16, list, nullptr, 1);
    Resize_Origin_of_Scrollable_Area_PS(area, 400, 40 * 16);
    Add_VSlider_to_Scrollable_Area(area, 5, 16, -1, 0);
    Set_Scrollable_Area_PS_Frameflag(area, 1);
    Add_Single_Button_to_PS(x2 - 90, y2 - 40, 1, 1, nullptr, SYMBOLIC_OK_RASTER, 0);
    Add_Single_Button_to_PS(x2 - 48, y2 - 40, 1, 2, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    Add_Help_to_PS(x1 + 12, y2 - 40, 1, 0, 0, "EINGABE");
    Set_Windows_Break_Button(2);
    Activate_Prop_Sheet();
    QTimer::singleShot(500, app.get(), take_picture);
    const int r = Edit_Prop_Sheet();
    Undefine_Prop_Sheet();
    std::printf("Edit_Prop_Sheet -> %d\n", r);
    return g_written ? 0 : 1;
}
