// Runs a fuzz harness once over every file of the folders or files named on
// the command line, without the fuzzing engine: the test suite uses it to keep
// every harness building and passing on its seed corpus.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

bool run_file(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    std::vector<uint8_t> bytes;
    uint8_t buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
    // A copy of exactly the input's size, so that a read past its end is seen.
    std::vector<uint8_t> exact(bytes);
    LLVMFuzzerTestOneInput(exact.empty() ? nullptr : exact.data(), exact.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    int files = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        struct stat st;
        if (stat(argv[i], &st) != 0) {
            std::fprintf(stderr, "no such file or folder: %s\n", argv[i]);
            ok = false;
            continue;
        }
        if (!S_ISDIR(st.st_mode)) {
            ok = run_file(argv[i]) && ok;
            ++files;
            continue;
        }
        DIR* d = opendir(argv[i]);
        if (!d) continue;
        std::vector<std::string> names;
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.') names.push_back(std::string(argv[i]) + "/" + e->d_name);
        closedir(d);
        for (const std::string& p : names) {
            ok = run_file(p) && ok;
            ++files;
        }
    }
    std::printf("%d inputs run\n", files);
    return ok && files > 0 ? 0 : 1;
}
