#pragma once
// Replacing a file only when its new version is complete.
#include <cstdio>
#include <functional>

// Creates a temporary file beside name (through Kov_Path), lets fill write it,
// and renames it over name when fill returned true and every write, flush and
// close succeeded. Otherwise the temporary file is removed and name stays as it
// was. The new file keeps the permissions of the old one; when name is a link,
// the file it names is replaced and the link kept. true when replaced.
bool Nelu52_Replace_File(const char* name, const std::function<bool(FILE*)>& fill);
