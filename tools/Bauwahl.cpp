// Stand-in of the host's component-selection tool.
//
//   Bauwahl <mode>
//
// Opens its window "KOV - Bauteilauswahl" while it runs. The user's choice is
// a prepared answer: when KOV_BAUWAHL_ANSWER names a readable file, it is
// copied to "Bauwahl.tmp" in TEMP (written completely beside it, then renamed);
// otherwise the user cancelled and no answer file is left.
// KOV_BAUWAHL_ARGS: a file that receives every argument, one a line.
// KOV_TOOL_HOLD_MS: how long the window stays open (default 150 ms).
// Exit code 0 after a choice, 1 after a cancel, 2 on a usage error.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/kovhost.h"
#include "platform/kovpath.h"

namespace {

bool copy_file(const std::string& from, const std::string& to)
{
    FILE* in = std::fopen(from.c_str(), "rb");
    if (!in) return false;
    const std::string tmp = to + ".part";
    FILE* out = std::fopen(tmp.c_str(), "wb");
    if (!out) {
        std::fclose(in);
        return false;
    }
    char buf[8192];
    size_t n;
    bool ok = true;
    while ((n = std::fread(buf, 1, sizeof buf, in)) > 0)
        if (std::fwrite(buf, 1, n, out) != n) ok = false;
    if (std::ferror(in)) ok = false;
    std::fclose(in);
    if (std::fclose(out) != 0) ok = false;
    if (ok && std::rename(tmp.c_str(), to.c_str()) != 0) ok = false;
    if (!ok) std::remove(tmp.c_str());
    return ok;
}

void write_args(int argc, char** argv)
{
    const char* out = std::getenv("KOV_BAUWAHL_ARGS");
    if (!out || !*out) return;
    const std::string tmp = std::string(out) + ".part";
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return;
    for (int i = 1; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
    if (std::fclose(f) == 0) std::rename(tmp.c_str(), out);
}

} // namespace

int main(int argc, char** argv)
{
    write_args(argc, argv);
    if (argc != 2) return 2;
    const char* title = "KOV - Bauteilauswahl";
    if (!KOVRegisterWindow(title)) return 2;

    int rc = 1;
    const char* temp = KOVGetEnv("TEMP");
    const std::string answer = temp ? Kov_Path((std::string(temp) + "\\Bauwahl.tmp").c_str()) : std::string();
    if (!answer.empty()) std::remove(answer.c_str());
    const char* source = std::getenv("KOV_BAUWAHL_ANSWER");
    if (source && *source && !answer.empty() && copy_file(Kov_Path(source), answer)) rc = 0;

    const char* hold = std::getenv("KOV_TOOL_HOLD_MS");
    KOVSleep(hold ? std::atoi(hold) : 150);
    KOVUnregisterWindow(title);
    return rc;
}
