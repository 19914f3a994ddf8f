// File search with the wildcard patterns of the host ('*', '?', any case).
#include "platform/kovhost.h"

#include "platform/kovpath.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

namespace {

struct Search {
    std::vector<std::string> names;
    size_t next = 0;
    bool directories = false;
};

std::mutex g_lock;
std::map<intptr_t, Search>& searches()
{
    static std::map<intptr_t, Search>* m = new std::map<intptr_t, Search>;
    return *m;
}
intptr_t g_next_handle = 1;

int lower(char c) { return std::tolower(static_cast<unsigned char>(c)); }

// Wildcard match without regard to case; iterative, so long names cannot
// make it explode.
bool match(const char* pat, const char* name)
{
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name) {
        if (*pat == '*') {
            star = pat++;
            resume = name;
        } else if (*pat == '?' || (*pat && lower(*pat) == lower(*name))) {
            ++pat;
            ++name;
        } else if (star) {
            pat = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pat == '*') ++pat;
    return *pat == 0;
}

void fill(DOSFindData* fd, const Search& s)
{
    const std::string& n = s.names[s.next];
    size_t k = std::min(n.size(), sizeof fd->name - 1);
    std::memcpy(fd->name, n.data(), k);
    fd->name[k] = 0;
    fd->is_directory = s.directories ? 1 : 0;
}

int find_first(const char* pattern, DOSFindData* fd, bool directories)
{
    if (!fd) return 1;
    fd->name[0] = 0;
    fd->is_directory = 0;
    fd->handle = 0;
    if (!pattern || !*pattern) return 1;

    std::string p(pattern);
    for (char& c : p)
        if (c == '\\') c = '/';
    size_t slash = p.rfind('/');
    std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : p.substr(0, slash));
    std::string pat = slash == std::string::npos ? p : p.substr(slash + 1);
    if (pat.empty() || pat == "*.*") pat = "*";
    dir = Kov_Path(dir.c_str());

    Search s;
    s.directories = directories;
    if (DIR* d = ::opendir(dir.c_str())) {
        while (dirent* e = ::readdir(d)) {
            const char* n = e->d_name;
            if (std::strcmp(n, ".") == 0 || std::strcmp(n, "..") == 0) continue;
            if (std::strlen(n) >= sizeof fd->name) continue; // cannot be reported whole
            if (!match(pat.c_str(), n)) continue;
            struct stat st;
            const std::string full = dir + "/" + n;
            if (::stat(full.c_str(), &st) != 0) continue;
            if (directories ? !S_ISDIR(st.st_mode) : !S_ISREG(st.st_mode)) continue;
            s.names.emplace_back(n);
        }
        ::closedir(d);
    }
    if (s.names.empty()) return 1;
    std::sort(s.names.begin(), s.names.end());
    fill(fd, s);
    s.next = 1;
    std::lock_guard<std::mutex> g(g_lock);
    fd->handle = g_next_handle++;
    searches()[fd->handle] = std::move(s);
    return 0;
}

} // namespace

extern "C" {

int DOSFindFirstFile(const char* pattern, DOSFindData* fd) { return find_first(pattern, fd, false); }

int DOSFindFirstDirectory(const char* pattern, DOSFindData* fd) { return find_first(pattern, fd, true); }

int DOSFindNext(DOSFindData* fd)
{
    if (!fd) return 1;
    std::lock_guard<std::mutex> g(g_lock);
    auto it = searches().find(fd->handle);
    if (it == searches().end()) return 1;
    Search& s = it->second;
    if (s.next >= s.names.size()) return 1;
    fill(fd, s);
    ++s.next;
    return 0;
}

void DOSFindClose(DOSFindData* fd)
{
    if (!fd) return;
    std::lock_guard<std::mutex> g(g_lock);
    searches().erase(fd->handle);
    fd->handle = 0;
}

} // extern "C"
