#pragma once
// Reading a file that another file's content names: a picture of a list or a
// sheet, a help page and what it shows, a picture of the viewer's picture
// folder. Such a name may point anywhere: at a FIFO (an open that waits for
// ever), a device (/dev/zero gives bytes without end), a folder or a huge file.
// The file is read only when it is a regular file, opened without blocking,
// and only when it is not larger than the caller's limit; anything else is
// refused with its reason, for the caller to report and skip.
#include <cstddef>
#include <string>

enum KovNamedFileResult {
    KOV_NAMED_OK = 0,
    KOV_NAMED_MISSING,     // no file of that name
    KOV_NAMED_NOT_REGULAR, // a FIFO, a device, a socket or a folder
    KOV_NAMED_TOO_LARGE,   // larger than the limit
    KOV_NAMED_UNREADABLE,  // no right to read it, or reading failed
    KOV_NAMED_OUTSIDE      // not inside the folder it may come from
};

// The limits of the callers: pictures (a picture of 8192 pixels a side as an
// uncompressed bitmap is 192 MiB; larger ones are refused when decoded) and a
// help page or one of its pictures.
const size_t KOV_NAMED_PICTURE_MAX = size_t(256) << 20;
const size_t KOV_NAMED_HELP_MAX = size_t(16) << 20;

// The whole file (its name through Kov_Path) into bytes: KOV_NAMED_OK, else the
// reason, and bytes is empty.
[[nodiscard]] int Kov_Read_Named_File(const std::string& name, size_t max_bytes, std::string* bytes);

// The same for a file that may come only from one folder (or its subfolders),
// links and ".." resolved: a help page may show its own pictures, not
// /dev/zero or another user's files.
[[nodiscard]] int Kov_Read_Named_File_In(const std::string& folder, const std::string& name, size_t max_bytes,
                                         std::string* bytes);

// A short English text of a result, for the warnings of the viewer and tools
// ("not a regular file").
const char* Kov_Named_File_Text(int rc);
