#pragma once
// File names of the host's world use Windows separators ("%s\\NADS\\%d.NAD").
// Every name goes through Kov_Path before the file system sees it.
#include <cstddef>
#include <string>

// The name with every backslash turned into '/'. When no file of that exact name
// exists, each component is looked up without regard to case in its folder; the
// first match wins. From the first component that matches nothing on, the name
// stays as given (a file to be made in an existing folder of another case).
std::string Kov_Path(const char* name);

// The same into a caller's buffer of size n (always terminated); returns buf,
// or NULL when the result does not fit.
char* Kov_Path_Buf(const char* name, char* buf, size_t n);

// fopen through Kov_Path.
#include <cstdio>
FILE* Kov_Fopen(const char* name, const char* mode);
