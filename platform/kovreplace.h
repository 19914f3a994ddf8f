#pragma once
// The one way a file is replaced: the new version is written into a temporary
// file of a name of its own beside the target ("<target>.XXXXXX", made by
// mkstemp), forced to the disk, and renamed over the target only when it is
// complete. So a failed save (a full disk, a refused write, a crash) leaves the
// old file as it was, and two writers of one file (two windows on one
// position, a print while a save runs) never meet in one temporary file: each
// one either puts its whole text in the target's place or reports a failure.
//
// - The name goes through Kov_Path (Windows separators, case of the folders).
// - A link stays a link: the file it names is replaced, beside that file. A
//   link that names nothing is replaced itself.
// - A target without any write permission is not replaced (a rename would
//   replace it even where writing into it is refused).
// - The new file keeps the permissions of the old one; a new file gets the
//   usual ones (0666 less the umask).
// - Only the file this replacement made is renamed: when its name no longer
//   names that file (someone removed or replaced it), the replacement fails. A
//   writer that closed the stream and wrote by the name may have replaced the
//   file itself: then any regular file of that name is taken.
// - Another writer's temporary file is never touched. Temporary files of this
//   service's own pattern that are older than a day are left-overs of a crash
//   and are removed when the same target is replaced again.
// - Every failure is reported by its code; nothing is left behind then.
#include <cstdio>
#include <functional>
#include <string>

enum KovReplaceResult {
    KOV_REPLACE_OK = 0,
    KOV_REPLACE_NO_NAME,      // no name given, or the name is a folder
    KOV_REPLACE_READ_ONLY,    // the target is write-protected
    KOV_REPLACE_NO_TEMP,      // the temporary file cannot be made beside the target
    KOV_REPLACE_FILL_FAILED,  // the caller's writer reported a failure
    KOV_REPLACE_WRITE_FAILED, // writing, flushing or syncing the new file failed
    KOV_REPLACE_RENAME_FAILED // the complete new file could not take the target's place
};

// A replacement under way: Kov_Replace_Open makes the temporary file and opens
// it for writing; Kov_Replace_Close either puts it in the target's place or
// removes it. Writers that want the temporary file's name (a PDF or picture
// writer that opens files itself) write into `temp` while it is open.
struct KovReplacement {
    std::string target;         // the file that is replaced (a link's target)
    std::string temp;           // the temporary file beside it, unique to this replacement
    FILE* f = nullptr;          // open on temp between Open and Close
    unsigned long long dev = 0; // the temporary file's device and inode: what
    unsigned long long ino = 0; // Close renames must still be this file
};

// KOV_REPLACE_OK with r->f open ("wb"), else the failure (r->f NULL).
[[nodiscard]] int Kov_Replace_Open(const char* name, KovReplacement* r);
// keep != 0: flushes, syncs and renames the temporary file over the target
// (KOV_REPLACE_OK, or the failure after removing it); keep == 0: removes the
// temporary file and returns KOV_REPLACE_FILL_FAILED. Closes r->f either way;
// a writer that closed the stream itself sets r->f to NULL before.
[[nodiscard]] int Kov_Replace_Close(KovReplacement* r, int keep);

// The whole replacement in one call: fill writes the new contents into the
// stream and returns true when it succeeded.
[[nodiscard]] int Kov_Replace_File(const char* name, const std::function<bool(FILE*)>& fill);

// A copy of the file `from` replaces `to` (KOV_REPLACE_FILL_FAILED when `from`
// cannot be read).
[[nodiscard]] int Kov_Replace_By_Copy(const char* from, const char* to);

// A short English text of a result code, for error messages of tools.
const char* Kov_Replace_Text(int rc);
