// The host's help viewer: finds the HTML document that stands for a Windows help file, beside
// it or in "$DATA/HILFE/", names matched without regard to case.
#include "platform/kovhelp.h"

#include <sys/stat.h>

#include <cstdlib>
#include <vector>

#include <algorithm>
#include <cctype>

#include "platform/kovpath.h"

namespace {

bool is_file(const std::string& path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ends_with_html(const std::string& name)
{
    std::string n = name;
    std::transform(n.begin(), n.end(), n.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    auto ends = [&](const std::string& e) {
        return n.size() >= e.size() && n.compare(n.size() - e.size(), e.size(), e) == 0;
    };
    return ends(".html") || ends(".htm");
}

} // namespace

std::string Kov_Help_Document(const std::string& help_file)
{
    if (help_file.empty()) return std::string();
    if (ends_with_html(help_file)) {
        const std::string p = Kov_Path(help_file.c_str());
        return is_file(p) ? p : std::string();
    }
    const std::string path = Kov_Path(help_file.c_str());
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string stem = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = stem.find_last_of('.');
    if (dot != std::string::npos && dot > 0) stem.resize(dot);
    if (stem.empty()) return std::string();

    std::vector<std::string> folders{folder};
    const char* data = std::getenv("DATA");
    if (data && *data) folders.push_back(std::string(data) + "/HILFE/");
    for (const std::string& f : folders) {
        for (const char* ext : {".html", ".htm"}) {
            const std::string p = Kov_Path((f + stem + ext).c_str());
            if (is_file(p)) return p;
        }
    }
    return std::string();
}
