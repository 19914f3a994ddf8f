// Processes and tool windows of the host environment.
#include "platform/kovhost.h"

#include "platform/kovclock.h"
#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovpath.h"
#include "platform/kovreplace.h"
#include "platform/kovscript.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace {

// Children started without waiting. Each has a thread that waits for its end,
// so none is left as a zombie and its end is known without polling.
struct Children {
    std::mutex lock;
    std::map<int, bool> ended; // pid -> ended
};

Children& children()
{
    static Children* c = new Children; // also used by reaper threads during exit
    return *c;
}

void watch_child(pid_t pid)
{
    {
        std::lock_guard<std::mutex> g(children().lock);
        children().ended[int(pid)] = false;
    }
    std::thread([pid]() {
        int st = 0;
        while (::waitpid(pid, &st, 0) < 0 && errno == EINTR) {}
        std::lock_guard<std::mutex> g(children().lock);
        children().ended[int(pid)] = true;
    }).detach();
}

// -1: not one of ours; 0 running; 1 ended.
int child_state(int pid)
{
    std::lock_guard<std::mutex> g(children().lock);
    auto it = children().ended.find(pid);
    if (it == children().ended.end()) return -1;
    return it->second ? 1 : 0;
}

bool process_alive(int pid)
{
    if (pid <= 0) return false;
    int own = child_state(pid);
    if (own >= 0) return own == 0;
    if (::kill(pid_t(pid), 0) != 0 && errno != EPERM) return false;
    // A process that has ended but not been reaped by its parent is not running.
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/stat", pid);
    FILE* f = std::fopen(path, "r");
    if (!f) return true;
    char buf[512];
    size_t n = std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    buf[n] = 0;
    const char* close = std::strrchr(buf, ')');
    if (close && close[1] == ' ' && (close[2] == 'Z' || close[2] == 'X')) return false;
    return true;
}

std::string resolve_program(const char* path)
{
    std::string p = Kov_Path(path);
    struct stat st;
    if (::stat(p.c_str(), &st) == 0) return p;
    // Programs of the host carry ".exe"; their stand-ins here do not.
    size_t n = p.size();
    if (n > 4 && ::strcasecmp(p.c_str() + n - 4, ".exe") == 0) {
        std::string q = Kov_Path(p.substr(0, n - 4).c_str());
        if (::stat(q.c_str(), &st) == 0) return q;
    }
    return p;
}

std::string temp_dir()
{
    const char* t = std::getenv("TEMP");
    std::string d = t && *t ? Kov_Path(t) : std::string("/tmp");
    while (d.size() > 1 && d.back() == '/') d.pop_back();
    return d;
}

std::string marker_name(const char* title, int len)
{
    std::string bytes;
    if (title) bytes = len < 0 ? std::string(title) : std::string(title, ::strnlen(title, size_t(len)));
    std::string name = Kov_Cp_To_Utf8(KOV_CP1252, bytes);
    for (char& c : name)
        if (c == '/' || c == '\\') c = '_';
    if (name == "." || name == "..") name = "_";
    return name;
}

std::string marker_path(const char* title, int len) { return temp_dir() + "/kovwin/" + marker_name(title, len); }

} // namespace

extern "C" {

int KOVSpawnv(int mode, const char* path, const char* const* argv)
{
    if (!path || !*path || mode < 0 || mode > 2) return -1;
    const std::string prog = resolve_program(path);

    std::vector<char*> args;
    std::vector<std::string> store;
    if (argv && argv[0]) {
        for (const char* const* a = argv; *a; ++a) store.emplace_back(*a);
    } else {
        store.emplace_back(path);
    }
    for (std::string& s : store) args.push_back(&s[0]);
    args.push_back(nullptr);

    if (Kov_Ui_Mode() == KOV_UI_SCRIPTED) {
        std::string line = "KOVSpawnv " + std::to_string(mode) + " " + path;
        for (size_t i = 1; i < store.size(); ++i) line += " " + store[i];
        Kov_Script_Log("%s", line.c_str());
    }

    pid_t pid = 0;
    int rc = ::posix_spawn(&pid, prog.c_str(), nullptr, nullptr, args.data(), environ);
    if (rc != 0) return -1;

    if (mode == 0) {
        int st = 0;
        pid_t w;
        while ((w = ::waitpid(pid, &st, 0)) < 0 && errno == EINTR) {}
        if (w < 0 || !WIFEXITED(st)) return -1;
        return WEXITSTATUS(st);
    }
    watch_child(pid);
    return mode == 2 ? int(pid) : 0;
}

int CheckKOVProcess(int pid) { return process_alive(pid) ? 0 : 1; }

void KOVSleep(int ms)
{
    if (const KovSleepFct fake = Kov_Sleep_Function()) {
        fake(ms);
        return;
    }
    if (ms <= 0) return;
    // On the window's thread the windows keep repainting while time passes.
    if (Kov_Ui_Pause(ms)) return;
    struct timespec ts;
    ts.tv_sec = ms / 1000;
    ts.tv_nsec = long(ms % 1000) * 1000000L;
    while (::nanosleep(&ts, &ts) != 0 && errno == EINTR) {}
}

char* KOVWindowMarkerPath(const char* title, int len, char* buf, size_t n)
{
    if (!buf || n == 0) return nullptr;
    const std::string p = marker_path(title, len);
    if (p.size() + 1 > n) {
        buf[0] = 0;
        return nullptr;
    }
    std::memcpy(buf, p.c_str(), p.size() + 1);
    return buf;
}

int KOVWindowTitleOfProcess(int pid, char* buf, size_t n)
{
    if (!buf || n == 0 || pid <= 0) return 0;
    buf[0] = 0;
    const std::string dir = Kov_Path((temp_dir() + "/kovwin").c_str());
    DIR* d = ::opendir(dir.c_str());
    if (!d) return 0;
    int found = 0;
    while (const struct dirent* e = ::readdir(d)) {
        if (e->d_name[0] == '.') continue;
        FILE* f = std::fopen((dir + "/" + e->d_name).c_str(), "r");
        if (!f) continue;
        char line[64] = {0};
        int owner = 0;
        const bool ours = std::fgets(line, sizeof line, f) && std::sscanf(line, "pid %d", &owner) == 1 && owner == pid;
        std::fclose(f);
        if (ours && std::strlen(e->d_name) < n) {
            std::snprintf(buf, n, "%s", e->d_name);
            found = 1;
            break;
        }
    }
    ::closedir(d);
    return found;
}

int FindKOVWindow(const char* title, int len)
{
    if (!title) return 0;
    const std::string p = Kov_Path(marker_path(title, len).c_str());
    FILE* f = std::fopen(p.c_str(), "r");
    int found = 0;
    if (f) {
        char line[64] = {0};
        int pid = 0;
        if (std::fgets(line, sizeof line, f) && std::sscanf(line, "pid %d", &pid) == 1 && pid > 0)
            found = process_alive(pid) ? 1 : 0;
        else
            found = 1;
        std::fclose(f);
    }
    if (Kov_Ui_Mode() == KOV_UI_SCRIPTED) {
        std::string t = len < 0 ? std::string(title) : std::string(title, ::strnlen(title, size_t(len)));
        Kov_Script_Log("FindKOVWindow %s -> %d", t.c_str(), found);
    }
    return found;
}

int KOVRegisterWindow(const char* title)
{
    if (!title || !*title) return 0;
    const std::string dir = temp_dir() + "/kovwin";
    ::mkdir(dir.c_str(), 0777);
    const std::string p = marker_path(title, -1);
    const int rc =
        Kov_Replace_File(p.c_str(), [](FILE* f) { return std::fprintf(f, "pid %d\n", int(::getpid())) > 0; });
    return rc == KOV_REPLACE_OK ? 1 : 0;
}

int KOVUnregisterWindow(const char* title)
{
    if (!title || !*title) return 0;
    const std::string p = Kov_Path(marker_path(title, -1).c_str());
    return ::unlink(p.c_str()) == 0 ? 1 : 0;
}

} // extern "C"
