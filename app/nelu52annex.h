#pragma once
#include <QString>

// The national annex of the position, without a window: the annex list and
// the choice that the position keeps in its annex-name file.

// Migration of the user's old single annex file into the numbered files (once)
// and the rebuild of the annex list, by the annex library.
void Qt_Safeguard_Proper_Version();

// Makes the annex named name active (a copy of it becomes the active name),
// remembers it in the position's annex-name file annex_file and publishes the
// active annex's blocks. The annex is activated from the file just written;
// when the file cannot be written or read back, it is activated by name all
// the same, so the parameters always belong to the annex the program names,
// and 0 is returned (1 when the file was written and read). A null name keeps
// the active name.
int Nad_Store_Choice(const char* name, const char* annex_file);

// The note that the results use the EC recommended values because the file
// of the position's annex could not be read or used; empty while the annex's
// own values are in use. Two lines; the window and the output list both show
// it.
QString Nelu52_Annex_Note();
