#pragma once
// A versioned data file (data version 1) written by a test's fill function or
// given as bytes, and opened for reading, for the suites of the record readers.
#include <cstdio>
#include <functional>
#include <string>

#include "base/kovdat.h"
#include "platform/kovreplace.h"
#include "test_support/kovtestutil.h"

namespace mattest {

class DatFile {
public:
    // end_write: close the write frame after fill (fill leaves it open).
    DatFile(const char* prefix, const std::function<bool()>& fill, bool end_write) : dir_(prefix)
    {
        Dat_Reset();
        path_ = dir_ / "record.dat";
        written_ = Kov_Replace_File(path_.c_str(), [&](FILE* f) {
                       if (Dat_Begin_Write(f, 1.0)) return false;
                       const bool ok = fill();
                       if (end_write) Dat_End_Write();
                       return ok;
                   }) == KOV_REPLACE_OK;
        open();
    }
    // A file of the given bytes.
    DatFile(const char* prefix, const std::string& bytes) : dir_(prefix)
    {
        Dat_Reset();
        path_ = dir_ / "record.dat";
        written_ = kovtest::write_file(path_, bytes);
        open();
    }
    ~DatFile()
    {
        if (in_) std::fclose(in_);
        Dat_Reset();
    }
    DatFile(const DatFile&) = delete;
    DatFile& operator=(const DatFile&) = delete;
    bool ok() const { return written_ && in_ != nullptr; }
    std::string bytes() const { return kovtest::read_file(path_); }

private:
    void open()
    {
        in_ = std::fopen(path_.c_str(), "rb");
        if (in_) Dat_Begin_Read(in_, 1.0);
    }
    kovtest::TempDir dir_;
    std::string path_;
    bool written_ = false;
    FILE* in_ = nullptr;
};

} // namespace mattest
