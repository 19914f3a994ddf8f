// Annex files: writing and reading a whole annex record, loading an annex by
// number or name, storing and deleting the user's annexes, and the one-time
// move of the old single definition file into numbered files.
#include "nad/nadfile.h"
#include "nad/nadspool.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/kovtxt.h"
#include "nad/nadrange.h"
#include "platform/kovhost.h"
#include "platform/kovpath.h"
#include "platform/kovreplace.h"

namespace {

// Why the last Nad_Load refused a file that it could read (UTF-8).
std::string LoadFault;

const char* const kSections[6] = {"#EC0", "#EC2", "#EC3", "#EC5", "#EC6", "#EC9"};

// Longest line of the old definition file looked at, as it was written.
enum { OLD_LINE_MAX = 300 };

// A longer name is cut to the record's size.
void copy_name(char* dst, const char* src)
{
    const char* s = src ? src : "";
    const size_t n = ::strnlen(s, NAD_NAME_SIZE - 1);
    std::memcpy(dst, s, n);
    dst[n] = '\0';
}

std::string user_file(const char* dram, int number)
{
    return std::string(dram) + "\\NADS\\" + std::to_string(number) + ".NAD";
}

bool is_directory(const std::string& name)
{
    struct stat st;
    return stat(Kov_Path(name.c_str()).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Reads the file into r; full_name receives the head line's name as read (up
// to 99 bytes), of which r keeps what its name field holds.
int read_file(FILE* f, NadRecord* r, char* full_name)
{
    full_name[0] = '\0';
    if (!f || !r) return 0;
    int file_version = 0;
    if (std::fscanf(f, "NAD/Version %d", &file_version) != 1) return 0;

    int flag = r->flag_index;
    int na_de = r->na_de;
    if (std::fscanf(f, "%d", &flag) != 1) flag = r->flag_index;
    Txt_Read_Guillemets(f, full_name);
    if (std::fscanf(f, "%d", &na_de) != 1) na_de = r->na_de;
    r->flag_index = flag;
    copy_name(r->name, full_name);
    r->na_de = na_de;

    // The sections are looked for behind the head only: a "#EC5" line inside
    // a name that holds line breaks is no section.
    fpos_t body;
    if (std::fgetpos(f, &body) != 0) return 1;
    for (const char* section : kSections) {
        if (std::fsetpos(f, &body) != 0 || Nad_Spool(f, section, nullptr, nullptr) != 1) continue;
        switch (section[3]) {
            case '0': Nad_Read_Ec0(f, &r->ec0, 1); break;
            case '2': Nad_Read_Ec2(f, &r->ec2); break;
            case '3': Nad_Read_Ec3(f, &r->ec3, 1); break;
            case '5': Nad_Read_Ec5(f, &r->ec5, 1); break;
            case '6': Nad_Read_Ec6(f, &r->ec6); break;
            case '9': Nad_Read_Ec9(f, &r->ec9); break;
        }
    }
    return 1;
}

// The outcome of the last migration call. Programs and tools share this
// library, and a console line would reach every user of every one of them on
// each start: the code is kept for the caller, who can say what it means.
int g_migration_error = 0;

void report_migration(int code) { g_migration_error = code; }

} // namespace

void Nad_Default_Blocks(NadRecord* r)
{
    Nad_Default_Ec0(&r->ec0);
    Nad_Default_Ec2(&r->ec2);
    Nad_Default_Ec3(&r->ec3);
    Nad_Default_Ec5(&r->ec5);
    Nad_Default_Ec6(&r->ec6);
    Nad_Default_Ec9(&r->ec9);
}

void Nad_Write_File(FILE* f, const NadRecord* r)
{
    if (!f || !r) return;
    std::fprintf(f, "NAD/Version 1\n\n");
    std::fprintf(f, " %d ", r->flag_index);
    char name[NAD_NAME_SIZE];
    copy_name(name, r->name);
    // The name stays on the head line, whatever was typed into it.
    for (char* c = name; *c; ++c)
        if (*c == '\n' || *c == '\r') *c = ' ';
    Txt_Write_Guillemets(f, name);
    std::fprintf(f, " %d\n", r->na_de);

    std::fprintf(f, "\n\n#EC0\n");
    Nad_Write_Ec0(f, &r->ec0);
    std::fprintf(f, "\n\n#EC2\n");
    Nad_Write_Ec2(f, &r->ec2);
    std::fprintf(f, "\n\n#EC3\n");
    Nad_Write_Ec3(f, &r->ec3);
    std::fprintf(f, "\n\n#EC5\n");
    Nad_Write_Ec5(f, &r->ec5);
    std::fprintf(f, "\n\n#EC6\n");
    Nad_Write_Ec6(f, &r->ec6);
    std::fprintf(f, "\n\n#EC9\n");
    Nad_Write_Ec9(f, &r->ec9);
}

int Nad_Read_File(FILE* f, NadRecord* r)
{
    char full_name[TXT_GUILLEMETS_SIZE];
    return read_file(f, r, full_name);
}

int Nad_Load(int number, const char* name, NadRecord* r)
{
    if (!r || number < 0) return 0;
    std::string path;
    if (number > 0) {
        const char* dram = KOVGetEnv("DRAM");
        if (!dram) return 0;
        path = user_file(dram, number);
    } else {
        const char* data = KOVGetEnv("DATA");
        if (!data || !name) return 0;
        path = std::string(data) + "\\NAD\\" + name + ".NAD";
    }

    LoadFault.clear();
    FILE* f = Kov_Fopen(path.c_str(), "r");
    if (!f) return 0;
    char full_name[TXT_GUILLEMETS_SIZE];
    if (!read_file(f, r, full_name)) {
        std::fclose(f);
        return 0;
    }
    // A file edited by hand must not bring a value the standards cannot have
    // into the checks.
    NadRangeFault fault;
    if (!Nad_Check_Record(r, &fault)) {
        std::fclose(f);
        LoadFault = "Die Datei " + Kov_Path(path.c_str()) + " ist nicht verwendbar: " + Nad_Range_Message(fault);
        return 0;
    }
    r->user_defined = number > 0 ? 1 : 0;
    Nad_Load_Ec1(number, full_name, &r->ec1);
    Nad_Set_Ec1_Na_De(&r->ec1, r->na_de);
    Nad_Set_Ec2_Na_De(&r->ec2, r->na_de);
    Nad_Set_Ec3_Na_De(&r->ec3, r->na_de);
    Nad_Set_Ec5_Na_De(&r->ec5, r->na_de);
    Nad_Set_Ec6_Na_De(&r->ec6, r->na_de);
    Nad_Set_Ec9_Na_De(&r->ec9, r->na_de);
    std::fclose(f);
    return 1;
}

int Nad_Write_File_Replacing(const char* path, const NadRecord* r)
{
    if (!path || !*path || !r) return 0;
    return Kov_Replace_File(path,
                            [r](FILE* f) {
                                Nad_Write_File(f, r);
                                return std::ferror(f) == 0;
                            }) == KOV_REPLACE_OK
               ? 1
               : 0;
}

int Nad_Store_User_Nad(int number, const NadRecord* r)
{
    const char* dram = KOVGetEnv("DRAM");
    if (!dram || number <= 0) return 0;
    const std::string path = user_file(dram, number);
    if (r) return Nad_Check_Record(r, nullptr) ? Nad_Write_File_Replacing(path.c_str(), r) : 0;

    const std::string target = Kov_Path(path.c_str());
    if (std::remove(target.c_str()) == 0) return 1;
    struct stat st;
    return stat(target.c_str(), &st) != 0 ? 1 : 0; // nothing there is as good as deleted
}

int Safeguard_Last_Error() { return g_migration_error; }

void Safeguard_Proper_Version()
{
    g_migration_error = 0;
    const char* dram = KOVGetEnv("DRAM");
    if (!dram) {
        report_migration(1);
        return;
    }
    const std::string dir = std::string(dram) + "\\NADS";
    if (is_directory(dir)) return;

    FILE* old = Kov_Fopen((std::string(dram) + "\\NADs-EC2.DEF").c_str(), "r");
    if (!old) {
        if (mkdir(Kov_Path(dir.c_str()).c_str(), 0777) != 0) {
            report_migration(2);
            return;
        }
        if (!is_directory(dir)) report_migration(3);
        return;
    }

    // The annexes are written into a folder of their own beside NADS, which
    // becomes NADS only when every annex is complete: the existing NADS folder
    // is what says that the move is done, so a move that failed half-way (a
    // full disk, a crash) must leave no NADS folder behind and is tried again
    // at the next start.
    const std::string real_dir = Kov_Path(dir.c_str());
    std::string work_dir = real_dir + ".XXXXXX";
    if (!mkdtemp(&work_dir[0])) {
        std::fclose(old);
        report_migration(2);
        return;
    }
    const mode_t mask = umask(0);
    umask(mask);
    chmod(work_dir.c_str(), 0777 & ~mask);

    static NadRecord work; // one working record for the whole migration
    int k = 1;
    bool written = true;
    char line[OLD_LINE_MAX + 1];
    bool at_line_start = true;
    while (written && std::fgets(line, sizeof line, old)) {
        // A piece of an overlong line is no annex start, whatever it begins with.
        const bool starts_line = at_line_start;
        const size_t len = std::strlen(line);
        at_line_start = len > 0 && line[len - 1] == '\n';
        if (!starts_line || std::strncmp(line, "#NAD", 4) != 0) continue;

        int flag = 0;
        if (std::fscanf(old, " %d", &flag) != 1) flag = 0;
        char name[TXT_GUILLEMETS_SIZE];
        Txt_Read_Guillemets(old, name);

        Nad_Default_Blocks(&work);
        Nad_Read_Ec2(old, &work.ec2);
        Nad_Read_Ec3(old, &work.ec3, 0);
        Nad_Read_Ec5(old, &work.ec5, 0);
        Nad_Read_Ec0(old, &work.ec0, 0);
        work.flag_index = flag;
        work.user_defined = 1;
        work.na_de = 0;
        copy_name(work.name, name);

        const std::string file = work_dir + "/" + std::to_string(k) + ".NAD";
        written = Nad_Write_File_Replacing(file.c_str(), &work) == 1;
        ++k;
        at_line_start = true;
    }
    std::fclose(old);

    if (written && std::rename(work_dir.c_str(), real_dir.c_str()) == 0) return;
    for (int n = 1; n < k; ++n) std::remove((work_dir + "/" + std::to_string(n) + ".NAD").c_str());
    rmdir(work_dir.c_str());
    report_migration(written ? 2 : 4);
}

const char* Nad_Load_Fault() { return LoadFault.c_str(); }
