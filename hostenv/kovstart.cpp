// Start-up of a component program inside the host: the table of the program's stream
// functions for the host library and the change into the directory the host names.
#include "hostenv/kovstart.h"

#include "platform/kovpath.h"

#include <cstdio>
#include <string>

#include <unistd.h>

namespace {

typedef void (*StdioFct)(void);

template <typename F> StdioFct slot(F* f) { return reinterpret_cast<StdioFct>(f); }

} // namespace

const KovStdioTable Kov_Stdio_Table = {
    18,
    {
        slot(&fopen),
        slot(&fclose),
        slot(&fread),
        slot(&fwrite),
        slot(&ferror),
        slot(&fscanf),
        slot(&fprintf),
        slot(&fseek),
        slot(&ftell),
        slot(&fsetpos),
        slot(&fgetpos),
        slot(&fgets),
        slot(&fgetc),
        slot(&fputs),
        slot(&fputc),
        slot(&ungetc),
        slot(&sscanf),
        slot(&sprintf),
    },
};

void Kov_Startup()
{
    SetKOVDllDirectory(nullptr);
    KOVCheckCWD();
    Kov_Register_Stdio();
}

void KOVCheckCWD()
{
    const char* dir = KOVGetEnv("_KOV_CWD_");
    if (dir == nullptr) return;
    const std::string path = Kov_Path(dir);
    if (chdir(path.c_str()) != 0) {
        printf("KOVCheckCWD: Fehler beim Setzen des CWD=%s\n", dir);
        fflush(stdout);
    }
}

int Kov_Register_Stdio() { return KOVSetStdioFctPtr(&Kov_Stdio_Table); }
