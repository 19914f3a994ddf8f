#pragma once
// A private installation for the annex tests: temporary DATA and DRAM folders
// (the supplied annex files copied into DATA\NAD when asked for), the process
// environment pointing at them, and the annex state back at program start.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "nad/nadlist.h"

namespace nadtest {

inline std::string slurp(const std::string& path)
{
    std::string s;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return s;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
    return s;
}

inline bool spill(const std::string& path, const std::string& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

inline bool exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

class AnnexEnv {
public:
    // with_supplied: copy the supplied files of data/NAD into DATA\NAD.
    explicit AnnexEnv(bool with_supplied = true)
    {
        char tmpl[] = "/tmp/nadlist_XXXXXX";
        const char* d = mkdtemp(tmpl);
        root_ = d ? d : "";
        data_ = root_ + "/data";
        dram_ = root_ + "/dram";
        std::filesystem::create_directories(data_ + "/NAD");
        std::filesystem::create_directories(dram_);
        if (with_supplied) {
            const std::filesystem::path src = std::filesystem::path(KOV_SOURCE_DIR) / "data" / "NAD";
            for (const auto& e : std::filesystem::directory_iterator(src))
                if (e.is_regular_file())
                    std::filesystem::copy_file(e.path(), std::filesystem::path(data_) / "NAD" / e.path().filename());
        }
        setenv("DATA", data_.c_str(), 1);
        setenv("DRAM", dram_.c_str(), 1);
        unsetenv("EXEC");
        Nad_Reset_Annex_State();
    }
    ~AnnexEnv()
    {
        Nad_Reset_Annex_State();
        std::error_code ec;
        if (!root_.empty()) std::filesystem::remove_all(root_, ec);
    }
    const std::string& data() const { return data_; }
    const std::string& dram() const { return dram_; }
    std::string nads() const { return dram_ + "/NADS"; }
    std::string user_file(int n) const { return nads() + "/" + std::to_string(n) + ".NAD"; }

private:
    std::string root_, data_, dram_;
};

}  // namespace nadtest
