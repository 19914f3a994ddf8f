// An output list with one block of each kind and the warnings of a reader in
// one text: shared by the tests of the list reader, its renderer, its viewer
// and the application's printed lists.
#pragma once

#include <string>
#include <vector>

namespace olitest {

// A list with one block of each kind as the writers and the layout library
// write them.
inline const std::string kList =
    "#NEWPAGE\n"
    "#CONTENTS\n"
    " POS. 7: Versatz\n"
    "#OLI_SETFLAGS 896\n"
    "#OLI_SETLAYOUT 4115\n"
    "#OLI_SETMARGINS 1 0.0000 0.0000\n"
    "#OLI_RESERVESPACE 3.0000\n"
    "#OLI_SETBOOKMARK 16 \xAE\xCE@1. Eingabedaten\xAF\n"
    "\n#SHOWPARA\n0x0\n5\n-1\n \xCE@1. Eingabedaten\n#END_OF_TEXT\n0x1000\n2 0.1\n-1\n"
    // a paragraph with a tab list, then a change of font
    "\n#SHOWPARA\n0x40\n4\n0x0 2\n1 0.78\n2 3.5\n-1\n \xCE@1.1.\tMaterial\n#END_OF_TEXT\n0x4\n0x0\n7\n-1\n"
    " Holzg\x81te C24\n#END_OF_TEXT\n0x0\n-1\n"
    // a table with a group row, its unit row and a thin rule
    "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 2\n 5.000000 16.000000\n"
    " \xCEr  Nr\xCEr  Lastfall\xCEr       N\n"
    " \xCEr\xCEr\xCEr                    kN\n"
    "    1  st\x84ndig      15.00\n"
    " \xCE{\xCEL 0 -1 -1 0.500000 0.500000 }\n"
    "    2  Schnee        4.50\n"
    "#END_OF_TEXT\n"
    // the text block form: one title line, no end line
    "#SHOWTABLE\n 0 0 1\n V 2.11\n 0 0 0 0\n"
    // a graphics block with a title, a line, a filled polygon and a text
    "#SHOWGRAFIC\n 1 0 0\n Skizze\n 0 0 0\n-1\n0.000000 10.000000 0.000000 5.000000\n"
    " 6 0.050000\n"
    " 1  1.000000 1.000000 9.000000 1.000000\n"
    "51 230 0 0\n"
    " 18 3 2.000000 2.000000 4.000000 2.000000 2.000000 4.000000 \n"
    " 9 5.000000 4.500000 5.000000 4.500000 210 \xAE"
    "F\xCE\\c,\xE0,d\xCEr = 2.5 kN\xAF\n"
    " -1\n"
    "#OLI_SETBOOKMARK 17\n";

inline std::string all_warnings(const std::vector<std::string>& w)
{
    std::string s;
    for (const std::string& x : w) s += x + "\n";
    return s;
}

} // namespace olitest
