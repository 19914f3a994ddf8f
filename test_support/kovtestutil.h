#pragma once
// Small helpers shared by the test suites of every area: streams holding bytes,
// the bytes of a stream or a file, temporary folders that are removed again,
// and environment variables set for one scope. Header only, so that any test
// can use it without linking anything else.
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace kovtest {

// A temporary stream holding bytes, positioned at its start (nullptr when the
// system gives no temporary file). The caller closes it.
inline FILE* stream_of(const std::string& bytes)
{
    FILE* f = std::tmpfile();
    if (!f) return nullptr;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    return f;
}

// Everything from the current position to the end; the stream is left at its end.
inline std::string rest_of(FILE* f)
{
    std::string s;
    if (!f) return s;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    return s;
}

// Everything written to a stream so far. The position is kept, so a test can
// look at what a writer produced and let it go on, or go on reading.
inline std::string contents(FILE* f)
{
    if (!f) return std::string();
    std::fflush(f);
    const long pos = std::ftell(f);
    std::rewind(f);
    std::string s = rest_of(f);
    if (pos >= 0) std::fseek(f, pos, SEEK_SET);
    return s;
}

// A stream that closes itself: bytes written by the code under test read back
// with text(), or bytes put in for a reader.
struct MemFile {
    FILE* f = std::tmpfile();
    MemFile() = default;
    MemFile(const MemFile&) = delete;
    MemFile& operator=(const MemFile&) = delete;
    ~MemFile()
    {
        if (f) std::fclose(f);
    }
    std::string text() { return contents(f); }
    // Writes bytes at the current position and goes back to the start.
    void put(const std::string& bytes)
    {
        if (!f) return;
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::rewind(f);
    }
};

// The bytes of a file ("" when it cannot be read).
inline std::string read_file(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::string();
    std::string s = rest_of(f);
    std::fclose(f);
    return s;
}

// The section of a Markdown text that begins with the heading line (for
// example "## Concrete") up to the next heading of level two; "" when the
// text has no such heading.
inline std::string markdown_section(const std::string& text, const std::string& heading)
{
    const size_t a = text.find(heading);
    if (a == std::string::npos) return std::string();
    const size_t b = text.find("\n## ", a + heading.size());
    return text.substr(a, b == std::string::npos ? std::string::npos : b - a);
}

#ifdef KOV_SOURCE_DIR
// A section of the engineering document (docs/engineering.md) by its heading,
// for the tests that compute the document's worked examples.
inline std::string engineering_section(const std::string& heading)
{
    return markdown_section(read_file(std::string(KOV_SOURCE_DIR) + "/docs/engineering.md"), heading);
}
#endif

// Writes bytes into a file, replacing it (its folder must exist); true when written.
inline bool write_file(const std::string& path, const std::string& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

inline bool exists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// The names of the form "<target>.XXXXXX" beside a target (the temporary files
// of the file-replacement service), sorted: none may be left after a save.
inline std::vector<std::string> temporaries_beside(const std::string& target)
{
    std::vector<std::string> names;
    const std::filesystem::path t(target);
    const std::string base = t.filename().string() + ".";
    std::error_code ec;
    for (std::filesystem::directory_iterator it(t.parent_path().empty() ? "." : t.parent_path(), ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string n = it->path().filename().string();
        if (n.size() == base.size() + 6 && n.compare(0, base.size(), base) == 0) names.push_back(n);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Files of this process cannot grow beyond bytes while the object lives;
// a write beyond fails as on a full disk instead of raising the signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        old_signal_ = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit now = old_;
        now.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &now);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_signal_);
    }

private:
    struct rlimit old_;
    void (*old_signal_)(int);
};

// A new empty folder "<prefix>XXXXXX" under $TMPDIR (or /tmp), removed with
// everything in it when the object goes out of scope, unless keep() was called
// because a test leaves it for inspection. path() is "" when none could be made.
class TempDir {
public:
    explicit TempDir(const std::string& prefix = "kovtest_")
    {
        const char* base = std::getenv("TMPDIR");
        std::string templ = std::string(base && *base ? base : "/tmp") + "/" + prefix + "XXXXXX";
        if (::mkdtemp(&templ[0])) path_ = templ;
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir()
    {
        if (path_.empty() || keep_) return;
        namespace fs = std::filesystem;
        std::error_code ec;
        // A test may have taken the write permission from a folder.
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        for (fs::recursive_directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec))
            if (it->is_directory(ec) && !it->is_symlink(ec))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        ec.clear();
        fs::remove_all(path_, ec);
    }

    const std::string& path() const { return path_; }
    // The path of name inside the folder.
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    bool ok() const { return !path_.empty(); }
    void keep() { keep_ = true; }

private:
    std::string path_;
    bool keep_ = false;
};

#ifdef KOV_BINARY_DIR
// A folder <build folder>/<group>/<name>, emptied and made anew when a test
// starts and kept after it, for tests whose leftovers are worth a look ("" when
// it could not be emptied or made).
inline std::string kept_dir(const std::string& group, const std::string& name)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path d = fs::path(KOV_BINARY_DIR) / group / name;
    fs::remove_all(d, ec);
    if (ec) return std::string();
    fs::create_directories(d, ec);
    return ec ? std::string() : d.string();
}

// A folder <build folder>/test-artefacts/<group> (group may hold slashes), made
// when missing and never emptied: pictures and files a test leaves for a look.
inline std::string artefact_dir(const std::string& group)
{
    std::error_code ec;
    const std::filesystem::path d = std::filesystem::path(KOV_BINARY_DIR) / "test-artefacts" / group;
    std::filesystem::create_directories(d, ec);
    return d.string();
}
#endif

// Sets or unsets environment variables and puts back their earlier values
// (or their absence) when the object goes out of scope, last change first.
class ScopedEnv {
public:
    ScopedEnv() = default;
    // value nullptr unsets the variable.
    ScopedEnv(const char* name, const char* value) { set(name, value); }
    ScopedEnv(const char* name, const std::string& value) { set(name, value.c_str()); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->had)
                ::setenv(it->name.c_str(), it->value.c_str(), 1);
            else
                ::unsetenv(it->name.c_str());
        }
    }

    void set(const char* name, const char* value)
    {
        const char* old = std::getenv(name);
        saved_.push_back(Saved{name, old ? old : "", old != nullptr});
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    void set(const char* name, const std::string& value) { set(name, value.c_str()); }
    void unset(const char* name) { set(name, nullptr); }

private:
    struct Saved {
        std::string name, value;
        bool had;
    };
    std::vector<Saved> saved_;
};

} // namespace kovtest
