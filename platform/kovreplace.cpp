// Replacing a file through a complete temporary copy beside it.
#include "platform/kovreplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "platform/kovpath.h"

namespace {

// The folder of a path ("." for a bare name), for syncing the rename.
std::string folder_of(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

void sync_folder(const std::string& path)
{
    const int fd = ::open(folder_of(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd); // where a file system cannot sync a folder the rename still stands
    ::close(fd);
}

// The temporary files of a target are "<target>.XXXXXX" (mkstemp's six letters
// and digits).
const char kTempPattern[] = ".XXXXXX";
const size_t kTempSuffix = 6;
const time_t kStaleSeconds = 24 * 60 * 60;

// A name this service made for the target named `base` in its folder: the base,
// a dot and six letters and digits. Six letters alone ("backup") or six digits
// may well be a user's own file, so the suffix must mix both; a crash's
// left-over that happens to be of one kind only is simply kept.
bool is_own_temp_name(const char* name, const std::string& base)
{
    if (std::strncmp(name, base.c_str(), base.size()) != 0) return false;
    const char* p = name + base.size();
    if (*p++ != '.' || std::strlen(p) != kTempSuffix) return false;
    bool letter = false, digit = false;
    for (; *p; ++p) {
        const unsigned char c = (unsigned char)*p;
        if (c >= '0' && c <= '9')
            digit = true;
        else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            letter = true;
        else
            return false;
    }
    return letter && digit;
}

// Removes what a crashed writer of this target left: regular files of the own
// pattern, of this user, not touched for a day. A writer at work touches its
// file while it writes; nothing else beside the target is removed.
void remove_stale_temps(const std::string& target)
{
    const std::string dir =
        target.rfind('/') == std::string::npos ? std::string(".") : target.substr(0, target.rfind('/') + 1);
    const std::string base = target.substr(target.rfind('/') == std::string::npos ? 0 : target.rfind('/') + 1);
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    std::vector<std::string> stale;
    const time_t now = std::time(nullptr);
    while (const struct dirent* e = ::readdir(d)) {
        if (!is_own_temp_name(e->d_name, base)) continue;
        const std::string path = (dir == "." ? std::string() : dir) + e->d_name;
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_nlink != 1 ||
            now - st.st_mtime < kStaleSeconds)
            continue;
        stale.push_back(path);
    }
    ::closedir(d);
    for (const std::string& path : stale) ::unlink(path.c_str());
}

// Whether the name still names the file this replacement made. A writer that
// wrote by the name (a PDF writer, which may also replace the file by a
// complete new one of the same name) leaves whatever regular file it made.
bool still_ours(const KovReplacement* r, bool by_name)
{
    struct stat st;
    if (::lstat(r->temp.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return by_name || ((unsigned long long)st.st_dev == r->dev && (unsigned long long)st.st_ino == r->ino);
}

mode_t usual_mode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

int Kov_Replace_Open(const char* name, KovReplacement* r)
{
    if (!r) return KOV_REPLACE_NO_NAME;
    r->f = nullptr;
    r->target.clear();
    r->temp.clear();
    if (!name || !*name) return KOV_REPLACE_NO_NAME;

    std::string path = Kov_Path(name);
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* named = ::realpath(path.c_str(), nullptr)) {
            path = named;
            std::free(named);
        }
    }
    mode_t mode = usual_mode();
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return KOV_REPLACE_NO_NAME;
        if ((st.st_mode & 0222) == 0) return KOV_REPLACE_READ_ONLY;
        mode = st.st_mode & 07777;
    }
    r->target = path;
    remove_stale_temps(path);

    // A name of its own, made and opened in one step: no other writer's file
    // is ever taken, removed or written through.
    std::vector<char> name_buf(path.begin(), path.end());
    name_buf.insert(name_buf.end(), kTempPattern, kTempPattern + sizeof kTempPattern);
    const int fd = ::mkostemp(name_buf.data(), O_CLOEXEC);
    if (fd < 0) return KOV_REPLACE_NO_TEMP;
    r->temp = name_buf.data();
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        ::unlink(r->temp.c_str());
        r->temp.clear();
        return KOV_REPLACE_NO_TEMP;
    }
    r->dev = (unsigned long long)st.st_dev;
    r->ino = (unsigned long long)st.st_ino;
    ::fchmod(fd, mode);
    r->f = ::fdopen(fd, "wb");
    if (!r->f) {
        ::close(fd);
        ::unlink(r->temp.c_str());
        r->temp.clear();
        return KOV_REPLACE_NO_TEMP;
    }
    return KOV_REPLACE_OK;
}

int Kov_Replace_Close(KovReplacement* r, int keep)
{
    if (!r || r->temp.empty()) return KOV_REPLACE_NO_TEMP;
    int rc = keep ? KOV_REPLACE_OK : KOV_REPLACE_FILL_FAILED;
    const bool by_name = r->f == nullptr;
    if (r->f) {
        if (rc == KOV_REPLACE_OK && (std::fflush(r->f) != 0 || std::ferror(r->f) || ::fsync(::fileno(r->f)) != 0))
            rc = KOV_REPLACE_WRITE_FAILED;
        if (std::fclose(r->f) != 0 && rc == KOV_REPLACE_OK) rc = KOV_REPLACE_WRITE_FAILED;
        r->f = nullptr;
    } else if (rc == KOV_REPLACE_OK) {
        // Closed by the writer: the data still has to reach the disk.
        const int fd = ::open(r->temp.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 || ::fsync(fd) != 0) rc = KOV_REPLACE_WRITE_FAILED;
        if (fd >= 0) ::close(fd);
    }
    // Only the file this replacement wrote takes the target's place; a name
    // that meanwhile names another file is neither renamed nor removed.
    const bool ours = still_ours(r, by_name);
    if (rc == KOV_REPLACE_OK && !ours) rc = KOV_REPLACE_RENAME_FAILED;
    if (rc == KOV_REPLACE_OK && std::rename(r->temp.c_str(), r->target.c_str()) != 0) rc = KOV_REPLACE_RENAME_FAILED;
    if (rc != KOV_REPLACE_OK) {
        if (ours) ::unlink(r->temp.c_str());
        r->temp.clear();
        return rc;
    }
    r->temp.clear();
    sync_folder(r->target);
    return KOV_REPLACE_OK;
}

int Kov_Replace_File(const char* name, const std::function<bool(FILE*)>& fill)
{
    KovReplacement r;
    const int rc = Kov_Replace_Open(name, &r);
    if (rc != KOV_REPLACE_OK) return rc;
    const bool ok = fill ? fill(r.f) : false;
    return Kov_Replace_Close(&r, ok ? 1 : 0);
}

int Kov_Replace_By_Copy(const char* from, const char* to)
{
    if (!from || !*from) return KOV_REPLACE_FILL_FAILED;
    FILE* in = std::fopen(Kov_Path(from).c_str(), "rb");
    if (!in) return KOV_REPLACE_FILL_FAILED;
    struct stat st;
    if (::fstat(::fileno(in), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::fclose(in);
        return KOV_REPLACE_FILL_FAILED;
    }
    const int rc = Kov_Replace_File(to, [in](FILE* out) {
        char buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, in)) > 0)
            if (std::fwrite(buf, 1, n, out) != n) return false;
        return !std::ferror(in);
    });
    std::fclose(in);
    return rc;
}

const char* Kov_Replace_Text(int rc)
{
    switch (rc) {
        case KOV_REPLACE_OK: return "replaced";
        case KOV_REPLACE_NO_NAME: return "no file name";
        case KOV_REPLACE_READ_ONLY: return "the file is write-protected";
        case KOV_REPLACE_NO_TEMP: return "no temporary file can be made beside the file";
        case KOV_REPLACE_FILL_FAILED: return "the new contents could not be made";
        case KOV_REPLACE_WRITE_FAILED: return "the new file could not be written completely";
        case KOV_REPLACE_RENAME_FAILED: return "the new file could not take the old one's place";
        default: return "unknown failure";
    }
}
