#pragma once
// A private installation for the annex tests: temporary DATA and DRAM folders
// (the supplied annex files copied into DATA\NAD when asked for), the process
// environment pointing at them, and the annex state back at program start.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/kovmsg.h"
#include "nad/nadlist.h"
#include "nad/nadprog.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

namespace nadtest {

// Scripted host: every message window and sheet call lands in the log.
struct ScriptedHost {
    ScriptedHost()
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
    }
    ~ScriptedHost()
    {
        Kov_Script_Reset();
        Kov_Set_Ui_Mode(-1);
    }
    std::string log() const { return Kov_Script_Log_Text(); }
};

class AnnexEnv {
public:
    // with_supplied: copy the supplied files of data/NAD into DATA\NAD.
    explicit AnnexEnv(bool with_supplied = true)
    {
        data_ = tmp_.path() + "/data";
        dram_ = tmp_.path() + "/dram";
        std::filesystem::create_directories(data_ + "/NAD");
        std::filesystem::create_directories(dram_);
        if (with_supplied) {
            const std::filesystem::path src = std::filesystem::path(KOV_SOURCE_DIR) / "data" / "NAD";
            for (const auto& e : std::filesystem::directory_iterator(src))
                if (e.is_regular_file())
                    std::filesystem::copy_file(e.path(), std::filesystem::path(data_) / "NAD" / e.path().filename());
        }
        env_.set("DATA", data_);
        env_.set("DRAM", dram_);
        env_.unset("EXEC");
        Nad_Reset_Annex_State();
    }
    ~AnnexEnv() { Nad_Reset_Annex_State(); }
    // Changes a variable until the end of the test.
    void set(const char* name, const std::string& value) { env_.set(name, value); }
    void unset(const char* name) { env_.unset(name); }
    const std::string& data() const { return data_; }
    const std::string& dram() const { return dram_; }
    std::string nads() const { return dram_ + "/NADS"; }
    std::string user_file(int n) const { return nads() + "/" + std::to_string(n) + ".NAD"; }

private:
    kovtest::TempDir tmp_{"nadlist_"};
    kovtest::ScopedEnv env_;
    std::string data_, dram_;
};

// An installation whose programs are the fixtures' program folders
// (nad/tests/programs, also for the suites that include this fixture from
// elsewhere), run as application number app; 0 runs no program, so every rule
// is shown.
struct ProgramEnv {
    AnnexEnv env;
    explicit ProgramEnv(int app)
    {
        if (app) {
            env.set("EXEC", std::string(KOV_SOURCE_DIR) + "/nad/tests/programs");
            env.set("KOV_CUROB_APPLICATION_NUMBER", std::to_string(app));
        }
        Nad_Reset_Programs();
    }
    ~ProgramEnv() { Nad_Reset_Programs(); }
};

// Collects the message collector's lines in a list of their own.
struct CollectedMessages {
    int list;
    CollectedMessages()
    {
        Msg_Reset();
        list = Msg_List_New();
        Msg_Set_Output_Mode(2);
    }
    ~CollectedMessages() { Msg_Reset(); }
    std::string text() const
    {
        std::string s;
        for (int i = 0; i < Msg_List_Count(list); ++i) s += Msg_List_Line(list, i);
        return s;
    }
};

} // namespace nadtest
