// Writing through a temporary file beside the target and renaming it.
#include "app/nelu52save.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/kovpath.h"

bool Nelu52_Replace_File(const char* name, const std::function<bool(FILE*)>& fill)
{
    if (!name || !*name || !fill) return false;
    std::string path = Kov_Path(name);
    // A link stays a link: the file it names is the one replaced, beside it.
    // A link that names nothing is replaced itself.
    struct stat link;
    if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char* real = realpath(path.c_str(), nullptr)) {
            path = real;
            std::free(real);
        }
    }
    // A file the user made read-only is not replaced behind his back (a
    // rename would, even where writing into it is refused).
    struct stat target;
    if (stat(path.c_str(), &target) == 0 && (target.st_mode & 0222) == 0) return false;

    std::string tmp = path + ".XXXXXX";
    const int fd = mkstemp(&tmp[0]);
    if (fd < 0) return false;

    struct stat old;
    mode_t mode;
    if (stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    fchmod(fd, mode);

    FILE* f = fdopen(fd, "wb");
    if (!f) {
        close(fd);
        unlink(tmp.c_str());
        return false;
    }
    bool ok = fill(f);
    ok = std::fflush(f) == 0 && ok;
    ok = !std::ferror(f) && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok && std::rename(tmp.c_str(), path.c_str()) == 0) return true;
    unlink(tmp.c_str());
    return false;
}
