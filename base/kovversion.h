#pragma once
// The version text of a program of the host environment, printed on the version
// line of every output list.

// Reads "<EXEC>\<program_dir>\VERSION": its first line without the line end, then
// for every "<" of the later lines followed by two characters, those two replace
// the last two characters of the text (the last "<" of the file wins). Returns the
// text in a static buffer (overwritten by the next call; an empty file gives ""),
// NULL when "EXEC" is not set or the file cannot be opened.
const char* Read_Version_File(const char* program_dir);
