// Host file names with Windows separators: the backslash turned into '/', and a name that does
// not exist looked up component by component without regard to case.
#include "platform/kovpath.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstring>
#include <vector>

namespace {

bool exists(const std::string& p)
{
    struct stat st;
    return ::stat(p.c_str(), &st) == 0;
}

// Finds an entry of dir whose name equals name without regard to case.
bool find_nocase(const std::string& dir, const std::string& name, std::string& found)
{
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return false;
    bool ok = false;
    while (dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, name.c_str()) == 0) {
            found = e->d_name;
            ok = true;
            break;
        }
    }
    ::closedir(d);
    return ok;
}

} // namespace

std::string Kov_Path(const char* name)
{
    if (!name) return std::string();
    std::string p(name);
    for (char& c : p)
        if (c == '\\') c = '/';
    if (p.empty() || exists(p)) return p;

    // Walk the components, fixing the case of each one that does not exist.
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= p.size()) {
        size_t slash = p.find('/', start);
        if (slash == std::string::npos) slash = p.size();
        parts.push_back(p.substr(start, slash - start));
        start = slash + 1;
    }
    std::string cur = p[0] == '/' ? "/" : "";
    for (size_t k = 0; k < parts.size(); ++k) {
        const std::string& part = parts[k];
        if (part.empty()) continue;
        std::string cand = cur.empty() || cur.back() == '/' ? cur + part : cur + "/" + part;
        if (!exists(cand) && part != "." && part != "..") {
            std::string found;
            std::string dir = cur.empty() ? "." : cur;
            if (!find_nocase(dir, part, found)) {
                // A file (or folder) still to be made: the folders that exist
                // keep their real case, the rest stays as given.
                std::string rest = cur.empty() || cur.back() == '/' ? cur : cur + "/";
                for (size_t r = k; r < parts.size(); ++r) {
                    rest += parts[r];
                    if (r + 1 < parts.size()) rest += '/';
                }
                return rest;
            }
            cand = cur.empty() || cur.back() == '/' ? cur + found : cur + "/" + found;
        }
        cur = cand;
    }
    if (!p.empty() && p.back() == '/' && (cur.empty() || cur.back() != '/')) cur += '/';
    return cur;
}

char* Kov_Path_Buf(const char* name, char* buf, size_t n)
{
    if (!buf || n == 0) return nullptr;
    std::string p = Kov_Path(name);
    if (p.size() + 1 > n) {
        buf[0] = 0;
        return nullptr;
    }
    std::memcpy(buf, p.c_str(), p.size() + 1);
    return buf;
}

FILE* Kov_Fopen(const char* name, const char* mode)
{
    if (!name || !mode) return nullptr;
    return std::fopen(Kov_Path(name).c_str(), mode);
}
