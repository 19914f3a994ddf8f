#pragma once
// Why a file could not be written, in German words for a message: the
// folder is missing, the folder or the file is write-protected, the disk is
// full, ... A message about a failed save names the file and this reason.
#include <string>

// The reason (UTF-8, without a full stop) why writing `name` failed with the
// file-replacement service's result `replace_rc` (kovreplace.h) and the
// system's error number `err` (errno right after the failure; 0 when not
// known). The folder and the file are looked at, so a reason is found also
// without err.
std::string Kov_Write_Failure_Reason(const char* name, int replace_rc, int err);

// "Die Datei <path> konnte nicht geschrieben werden: <reason>." with the
// path from the root (UTF-8).
std::string Kov_Write_Failure_Text(const char* name, int replace_rc, int err);
