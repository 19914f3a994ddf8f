// Starting a program from a test: posix_spawn with an argument vector and an
// environment of its own, both output streams read through pipes while it
// runs, and a time limit on a monotonic clock.
#include "test_support/runtool.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace kovtest {

namespace {

bool Is_Name_Of(const std::string& entry, const std::string& name)
{
    return entry.size() > name.size() && entry.compare(0, name.size(), name) == 0 && entry[name.size()] == '=';
}

// The test's environment without the unset names and the names set anew, then
// the new values.
std::vector<std::string> Environment_Of(const ToolOptions& o)
{
    std::vector<std::string> names = o.unset;
    for (const std::string& s : o.set) names.push_back(s.substr(0, s.find('=')));
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        bool dropped = false;
        for (const std::string& n : names) dropped = dropped || Is_Name_Of(entry, n);
        if (!dropped) env.push_back(entry);
    }
    env.insert(env.end(), o.set.begin(), o.set.end());
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings)
{
    std::vector<char*> p;
    for (std::string& s : strings) p.push_back(&s[0]);
    p.push_back(nullptr);
    return p;
}

bool Is_Executable_File(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// Appends what can be read now; false at the end of the stream.
bool Read_Some(int fd, std::string* into)
{
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0) {
            into->append(buf, size_t(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
}

struct Pipe {
    int fd[2] = {-1, -1};
    bool open() { return ::pipe2(fd, O_CLOEXEC) == 0; }
    void close_end(int k)
    {
        if (fd[k] >= 0) ::close(fd[k]);
        fd[k] = -1;
    }
    ~Pipe()
    {
        close_end(0);
        close_end(1);
    }
};

// Reads both streams while the child runs, until it has ended or the time is
// up (then it and its group are killed); its wait status, -1 when there is none.
int Collect(pid_t pid, Pipe& out, Pipe& err, int timeout_ms, ToolRun* r)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeout_ms);
    Pipe* pipes[2] = {&out, &err};
    std::string* into[2] = {&r->out, &r->err};
    for (Pipe* p : pipes) ::fcntl(p->fd[0], F_SETFL, O_NONBLOCK);
    for (;;) {
        pollfd fds[2];
        nfds_t n = 0;
        for (Pipe* p : pipes)
            if (p->fd[0] >= 0) fds[n++] = pollfd{p->fd[0], POLLIN, 0};
        // Both streams end when it ends, so their end wakes this at once;
        // after that only the last steps of its exit are waited for.
        if (n > 0)
            ::poll(fds, n, 20);
        else
            ::usleep(1000);
        for (int k = 0; k < 2; ++k)
            if (pipes[k]->fd[0] >= 0 && !Read_Some(pipes[k]->fd[0], into[k])) pipes[k]->close_end(0);
        int status = 0;
        pid_t w;
        while ((w = ::waitpid(pid, &status, WNOHANG)) < 0 && errno == EINTR) {}
        if (w < 0) return -1;
        if (w == pid) {
            // What it wrote before its end is in the pipes; a program it
            // started and left running may hold them open, so this reads only
            // what is there.
            for (int k = 0; k < 2; ++k)
                if (pipes[k]->fd[0] >= 0) Read_Some(pipes[k]->fd[0], into[k]);
            return status;
        }
        if (Clock::now() >= end) {
            r->timed_out = true;
            ::kill(-pid, SIGKILL);
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
            return -1;
        }
    }
}

} // namespace

std::string Find_On_Path(const std::string& name)
{
    if (name.empty()) return std::string();
    if (name.find('/') != std::string::npos) return Is_Executable_File(name) ? name : std::string();
    const char* path = std::getenv("PATH");
    const std::string p = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= p.size()) {
        size_t stop = p.find(':', start);
        if (stop == std::string::npos) stop = p.size();
        const std::string dir = stop > start ? p.substr(start, stop - start) : ".";
        const std::string exe = dir + "/" + name;
        if (Is_Executable_File(exe)) return exe;
        start = stop + 1;
    }
    return std::string();
}

ToolRun Run_Tool(const std::vector<std::string>& argv, const ToolOptions& options)
{
    ToolRun r;
    if (argv.empty()) return r;
    const std::string program = Find_On_Path(argv[0]);
    if (program.empty()) return r;
    std::vector<std::string> args = argv;
    std::vector<std::string> env = Environment_Of(options);
    std::vector<char*> arg_p = Pointers(args), env_p = Pointers(env);

    Pipe out, err;
    if (!out.open() || !err.open()) return r;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&fa, out.fd[1], 1);
    posix_spawn_file_actions_adddup2(&fa, err.fd[1], 2);
    if (!options.folder.empty()) posix_spawn_file_actions_addchdir_np(&fa, options.folder.c_str());
    // A group of its own, so that the time limit also ends what it started.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.c_str(), &fa, &attr, arg_p.data(), env_p.data());
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&fa);
    out.close_end(1);
    err.close_end(1);
    if (rc != 0) return r;
    r.started = true;
    const int status = Collect(pid, out, err, options.timeout_ms, &r);
    if (!r.timed_out && status >= 0 && WIFEXITED(status)) r.exit_code = WEXITSTATUS(status);
    return r;
}

} // namespace kovtest
