// The EC0 editor page: the load factors of an annex as fields over pictures of
// the factor tables, a buildings part and a bridges part, each with a header
// whose check box opens and closes it.
#include "nad/pages/nadedit.h"

#include "nad/nadprog.h"
#include "platform/kovcp.h"
#include "platform/kovscreen.h"
#include "sheets/viewarea.h"

namespace {

int Editable = 0;
// The open switches of the buildings and the bridges part, kept for the run.
int BuildingsOpen = 1;
int BridgesOpen = 1;
// The activity of both part check boxes.
int HeaderActive = 1;

void header(unsigned area, int t, int colour, int* open, const char* utf8_title)
{
    View_Area_Add_Filled_Box(area, 10, t, 350, t + 19, colour);
    View_Area_Add_Check_Box(area, 35, t + 14, "                         ", 0, BLACK_CI, open, &HeaderActive);
    View_Area_Add_Text(area, 35, t + 15, cp850(utf8_title), 0x11004, BLACK_CI, 0);
}

void field(unsigned area, int x, int y, double* value, const char* format)
{
    View_Area_Add_Float(area, x, y, value, format, 0, BLACK_CI, &Editable);
}

// The sup and inf fields of a partial-factor row.
void gamma_row(unsigned area, int y, double* pair)
{
    field(area, 262, y, &pair[0], "%5.2f");
    field(area, 321, y, &pair[1], "%5.2f");
}

void psi_row(unsigned area, int y, double* psi, int columns, bool without_psi1 = false)
{
    const int xs[4] = {231, 281, 331, 381};
    for (int c = 0; c < columns; ++c)
        if (!(without_psi1 && c == 1)) field(area, xs[c], y, &psi[c], "%4.2f");
}

void buildings(unsigned area, NadEc0Record* r, int white)
{
    View_Area_Add_Bitmap(area, "NAD\\NAD-Kbws.bmp", 0, 30, 519, 1530, white);
    for (int row = 0; row <= 4; ++row) gamma_row(area, 124 + 22 * row, r->building_gamma[NAD_EC0_PERSISTENT][row]);
    for (int row = 0; row <= 5; ++row) gamma_row(area, 369 + 22 * row, r->building_gamma[NAD_EC0_ACCIDENTAL][row]);
    // Row 5 (accidental actions) has no seismic factor.
    for (int row = 0; row <= 6; ++row)
        if (row != 5) gamma_row(area, 613 + 22 * row, r->building_gamma[NAD_EC0_SEISMIC][row]);
    for (int row = 0; row <= 4; ++row) gamma_row(area, 861 + 22 * row, r->building_gamma[NAD_EC0_SERVICEABILITY][row]);
    for (int row = 0; row < 12; ++row) {
        const int gap = row <= 2 ? 0 : (row <= 5 ? 1 : 2);
        psi_row(area, 1113 + 22 * (row + gap), r->building_psi[row], 4);
    }
}

void bridges(unsigned area, int t, NadEc0Record* r, int white)
{
    struct Situation {
        const char* picture;
        int from, to;
        int first;        // y of row 0
        int last_rows[2]; // y of rows 12 and, for some, 13 or 14 (0: none)
        int extra_row;
    } const situations[4] = {
        {"NAD\\NAD_bridge_str_b.bmp", 15, 390, 109, {373, 0}, 0},
        {"NAD\\NAD_bridge_ausser.bmp", 401, 801, 495, {759, 781}, 13},
        {"NAD\\NAD_bridge_erdbeben.bmp", 809, 1209, 903, {1167, 1189}, 14},
        {"NAD\\NAD_bridge_gebrauch.bmp", 1217, 1592, 1311, {1575, 0}, 0},
    };
    for (int s = 0; s < 4; ++s) {
        const Situation& sit = situations[s];
        View_Area_Add_Bitmap(area, sit.picture, 0, t + sit.from, 381, t + sit.to, white);
        // Row 11 (execution) has no field in any situation.
        for (int row = 0; row <= 10; ++row) gamma_row(area, t + sit.first + 22 * row, r->bridge_gamma[s][row]);
        gamma_row(area, t + sit.last_rows[0], r->bridge_gamma[s][12]);
        if (sit.extra_row) gamma_row(area, t + sit.last_rows[1], r->bridge_gamma[s][sit.extra_row]);
    }
    View_Area_Add_Bitmap(area, "NAD\\NAD_bridge_str_psi.bmp", 0, t + 1603, 381, t + 2003, white);
    for (int row = 0; row < 14; ++row) psi_row(area, t + 1678 + 22 * row, r->road_bridge_psi[row], 3);
    View_Area_Add_Bitmap(area, "NAD\\NAD_bridge_fuss_psi.bmp", 0, t + 1991, 381, t + 2232, white);
    for (int row = 0; row < 7; ++row) psi_row(area, t + 2066 + 22 * row, r->footbridge_psi[row], 3);
    View_Area_Add_Bitmap(area, "NAD\\NAD_bridge_bahn_psi.bmp", 0, t + 2225, 381, t + 3089, white);
    // Rows 0, 1 and 8 carry the letter a in the psi1 column of the picture.
    for (int row = 0; row <= 7; ++row) psi_row(area, t + 2300 + 22 * row, r->rail_bridge_psi[row], 3, row <= 1);
    psi_row(area, t + 2476, r->rail_bridge_psi[8], 3, true);
    for (int row = 9; row <= 30; ++row) psi_row(area, t + 2516 + 22 * (row - 9), r->rail_bridge_psi[row], 3);
    for (int i = 0; i < 3; ++i) field(area, 281, t + 3030 + 22 * i, &r->rail_a[i], "%4.2f");
}

} // namespace

void Nad_Edit_Ec0(unsigned area, NadEc0Record* record, int editable)
{
    Editable = editable ? 1 : 0;
    HeaderActive = 1;
    View_Area_Clear(area);
    const int colour = Nearest_RGB_Color(83, 217, 190);
    const int white = Nearest_RGB_Color(255, 255, 255);
    Nad_Scan_Programs();
    const bool with_buildings = Nad_Rule_Visible(0, 0) != 0;
    const bool with_bridges = Nad_Rule_Visible(0, 1) != 0;
    if (with_buildings) {
        header(area, 14, colour, &BuildingsOpen, "Faktoren für den Hochbau");
        if (BuildingsOpen && record) buildings(area, record, white);
    }
    if (with_bridges) {
        const int t = !with_buildings ? 14 : (BuildingsOpen ? 1555 : 44);
        header(area, t, colour, &BridgesOpen, "Faktoren für den Brückenbau");
        if (BridgesOpen && record) bridges(area, t, record, white);
    }
    View_Area_Show(area);
}
