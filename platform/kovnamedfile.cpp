// Reading a file named by another file's content: regular files only, opened
// without blocking, up to a limit.
#include "platform/kovnamedfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/kovpath.h"

int Kov_Read_Named_File(const std::string& name, size_t max_bytes, std::string* bytes)
{
    if (!bytes) return KOV_NAMED_UNREADABLE;
    bytes->clear();
    if (name.empty()) return KOV_NAMED_MISSING;
    const std::string path = Kov_Path(name.c_str());

    // Looked at before it is opened: opening some devices already does
    // something (a tape rewinds, a terminal becomes the controlling one).
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? KOV_NAMED_MISSING : KOV_NAMED_UNREADABLE;
    if (!S_ISREG(st.st_mode)) return KOV_NAMED_NOT_REGULAR;
    if (st.st_size < 0 || (unsigned long long)st.st_size > max_bytes) return KOV_NAMED_TOO_LARGE;

    // Without blocking: a FIFO put in the file's place meanwhile opens at once
    // and is refused below instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? KOV_NAMED_MISSING : KOV_NAMED_UNREADABLE;
    int rc = KOV_NAMED_OK;
    if (::fstat(fd, &st) != 0)
        rc = KOV_NAMED_UNREADABLE;
    else if (!S_ISREG(st.st_mode))
        rc = KOV_NAMED_NOT_REGULAR;
    else if (st.st_size < 0 || (unsigned long long)st.st_size > max_bytes)
        rc = KOV_NAMED_TOO_LARGE;
    if (rc == KOV_NAMED_OK) {
        bytes->reserve(size_t(st.st_size));
        char buf[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                rc = KOV_NAMED_UNREADABLE;
                break;
            }
            if (n == 0) break;
            // A file that grows while it is read is held to the limit as well.
            if (size_t(n) > max_bytes - bytes->size()) {
                rc = KOV_NAMED_TOO_LARGE;
                break;
            }
            bytes->append(buf, size_t(n));
        }
    }
    ::close(fd);
    if (rc != KOV_NAMED_OK) {
        bytes->clear();
        bytes->shrink_to_fit();
    }
    return rc;
}

int Kov_Read_Named_File_In(const std::string& folder, const std::string& name, size_t max_bytes, std::string* bytes)
{
    if (!bytes) return KOV_NAMED_UNREADABLE;
    bytes->clear();
    if (folder.empty() || name.empty()) return KOV_NAMED_MISSING;
    char* root = ::realpath(Kov_Path(folder.c_str()).c_str(), nullptr);
    if (!root) return KOV_NAMED_MISSING;
    std::string inside = root;
    std::free(root);
    if (inside.empty() || inside.back() != '/') inside += '/';
    char* real = ::realpath(Kov_Path(name.c_str()).c_str(), nullptr);
    if (!real) return KOV_NAMED_MISSING;
    const std::string file = real;
    std::free(real);
    if (file.compare(0, inside.size(), inside) != 0) return KOV_NAMED_OUTSIDE;
    return Kov_Read_Named_File(file, max_bytes, bytes);
}

const char* Kov_Named_File_Text(int rc)
{
    switch (rc) {
        case KOV_NAMED_OK: return "read";
        case KOV_NAMED_MISSING: return "no such file";
        case KOV_NAMED_NOT_REGULAR: return "not a regular file";
        case KOV_NAMED_TOO_LARGE: return "larger than the limit";
        case KOV_NAMED_UNREADABLE: return "cannot be read";
        case KOV_NAMED_OUTSIDE: return "outside its folder";
        default: return "unknown failure";
    }
}
