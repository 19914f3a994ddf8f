#pragma once
// Helpers of the step-joint tests: a German-annex EC5 block published without
// annex files, a private working folder with DATA and DRAM, and file access.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/nelu52data.h"
#include "nad/nadactive.h"
#include "nad/nadfile.h"
#include "test_support/kovtestutil.h"

namespace apptest {

// The EC5 values of the German annex that the checks read: gamma_M 1.3 for
// solid timber and glulam, 1.0 in accidental situations, k_cr = 2.0 / f_v,k
// (softwood) and 2.5 / f_v,k (glulam).
// The other blocks are the annex library's German ones.
inline void Use_German_Ec5()
{
    static NadRecord annex;
    Nad_Default_Blocks(&annex);
    Nad_Default_Ec3_De(&annex.ec3);
    Nad_Default_Ec9_De(&annex.ec9);
    annex.na_de = 1;
    annex.ec5.gamma_m_solid = 1.3;
    annex.ec5.gamma_m_glulam = 1.3;
    annex.ec5.gamma_m_accidental = 1.0;
    annex.ec5.k_cr_mode = 2;
    Nad_Publish_Blocks(&annex);
}

inline std::string Slurp(const std::string& path) { return kovtest::read_file(path); }

inline bool Spill(const std::string& path, const std::string& bytes) { return kovtest::write_file(path, bytes); }

// A fresh folder as working directory, with DATA (the supplied annex files),
// DRAM and TEMP beside it; the old working directory comes back at the end.
class Workdir {
public:
    Workdir()
    {
        char tmpl[] = "/tmp/nelu52_XXXXXX";
        const char* d = mkdtemp(tmpl);
        root_ = d ? d : "/tmp";
        namespace fs = std::filesystem;
        fs::create_directories(root_ + "/pos");
        fs::create_directories(root_ + "/data/NAD");
        fs::create_directories(root_ + "/dram");
        fs::create_directories(root_ + "/temp");
        const fs::path src = fs::path(KOV_SOURCE_DIR) / "data" / "NAD";
        if (fs::exists(src))
            for (const auto& e : fs::directory_iterator(src))
                if (e.is_regular_file())
                    fs::copy_file(e.path(), fs::path(root_) / "data" / "NAD" / e.path().filename());
        setenv("DATA", (root_ + "/data").c_str(), 1);
        setenv("DRAM", (root_ + "/dram").c_str(), 1);
        setenv("TEMP", (root_ + "/temp").c_str(), 1);
        old_ = fs::current_path();
        fs::current_path(root_ + "/pos");
    }
    ~Workdir()
    {
        std::error_code ec;
        std::filesystem::current_path(old_, ec);
        std::filesystem::permissions(pos(), std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(root_, ec);
    }
    std::string root() const { return root_; }
    std::string pos() const { return root_ + "/pos"; }
    std::string file(const std::string& name) const { return pos() + "/" + name; }

private:
    std::string root_;
    std::filesystem::path old_;
};

} // namespace apptest
