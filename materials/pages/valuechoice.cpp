// A drop-down choice whose entries stand for values.
#include "materials/pages/valuechoice.h"

int Choice_Add_With_Values(unsigned area, int x, int y, const ValueChoiceRow* rows, ChoiceEntry* entries, int font,
                           int width_chars, int count, int* selected, int* active)
{
    if (count >= 100 || count < 1 || !selected || *selected < 0 || *selected >= count || !rows || !entries) return -1;
    for (int i = 0; i < count; ++i) entries[i].colour = rows[i].colour;
    View_Area_Add_Choice(area, x, y, entries, font, width_chars, count, selected, active);
    return rows[*selected].value;
}
