#pragma once
// The records behind the supplied annex files data/NAD/Standard.NAD and
// data/NAD/Deutschland.NAD. The files are written from these records with the
// library's own writer (see nadsupplied_test.cpp), so record, writer and file
// never drift apart.
#include "nad/nadlist.h"

namespace nadtest {

// The EC recommended values of every block ("EC-Standardparameter").
void Build_Standard_Nad(NadRecord* r);

// The values of the German national annexes as far as the blocks hold them.
void Build_Deutschland_Nad(NadRecord* r);

}  // namespace nadtest
