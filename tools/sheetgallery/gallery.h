#pragma once
// The parts of sheetgallery: the families of sheets it shows, the pictures it
// paints for them and the scripted user that photographs them.
#include <functional>
#include <string>
#include <vector>

#include "sheets/mask.h"

namespace gallery {

// One family: a file name (without ".png"), what it shows, and the function
// that opens its sheets one after another.
struct Family {
    const char* name;
    const char* what;
    void (*run)();
};

// Every family in the order shown.
const std::vector<Family>& families();

// Runs the family from a fresh start: nothing of the one before shows or is
// remembered. Scripted, its steps are taken by the scripted user, who hands
// the caption of every "shot" step to shot while the sheet shows.
void run_family(const Family& family, bool scripted, const std::function<bool(const std::string&)>& shot);

// The steps the scripted user takes in the next sheet a family opens (see
// "tools/sheetdemoscript.h"); ignored when a person edits. Every sheet of the
// gallery is left with Escape, which a family's script ends with.
void script(const std::vector<std::string>& steps);

// Opens the mask with the pages after script(steps): Escape leaves it in every
// mode (modes 2 and 4 have no buttons).
int run_mask(MaskRecord* mask, int count, MaskPage* pages, const std::vector<std::string>& steps);

// The pictures painted for the gallery, as paths the picture calls take: a
// picture (48 x 32, key colour magenta), a strip of cross-sections for picture
// choices (two columns of 40 x 24, active and grey, four rows), a bitmap button
// (24 x 24: inactive, normal, hovered and pressed side by side), a tree image
// (16 x 16), the strips of
// the row and column popup menus (four pictures of 24 x 24 at a pitch of 29,
// key colour (192, 192, 192)), a 24 x 24 picture button with its inactive picture and the
// 12 x 12 pictures of radio buttons and check boxes.
struct Pictures {
    std::string picture, sections, button, tree, popup_row, popup_column, icon, icon_off;
    std::string radio_on, radio_off, radio_on_grey, radio_off_grey;
    std::string check_on, check_off, check_on_grey, check_off_grey;
};
// Paints them into dir; false (with a message) when one cannot be written.
bool paint_pictures(const std::string& dir, Pictures* out);
const Pictures& pictures();

// The folder of the program (the force-selection tool stand-in lies beside it).
std::string program_dir();

} // namespace gallery
