// The program list: the "APP*.DEF" descriptions of the installed programs and
// the rule visibility that follows from the selected one.
#include "nad/nadprog.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/kovmem.h"
#include "base/kovtxt.h"
#include "platform/kovhost.h"
#include "platform/kovpath.h"

int NadRulesForProgram = 0;
int NadRulesProgramIndex = 0;
int NadCurrentApplication = -1;
int NadShowAllRules = 1;

namespace {

ProgramList Programs;
bool ScanDone = false;

// Longest mask token kept; the rest of a longer one is passed over.
enum { MASK_MAX = 255 };

void free_entry(ProgramEntry* e)
{
    Mem_Free_Null(reinterpret_cast<void**>(&e->name));
    Mem_Free_Null(reinterpret_cast<void**>(&e->service));
    for (char*& m : e->masks) Mem_Free_Null(reinterpret_cast<void**>(&m));
}

// Reads one whitespace-separated token into buf (MASK_MAX + 1 bytes).
bool read_token(FILE* f, char* buf)
{
    if (fscanf(f, "%255s", buf) != 1) return false;
    int c;
    while ((c = fgetc(f)) != EOF && !isspace(c)) {}
    if (c != EOF) ungetc(c, f);
    return true;
}

// Passes over the rest of the current line.
void skip_line(FILE* f)
{
    int c;
    while ((c = fgetc(f)) != EOF && c != '\n') {}
}

// Reads one description into entry e; false when the program is not listed.
bool read_description(FILE* f, const char* dir_name, int number, ProgramEntry* e)
{
    int nads = 0;
    Txt_Find_Keyword_Int("#NADS", f, &nads);
    if (nads == 0) return false;

    memset(e, 0, sizeof *e);
    if (nads < 0) {
        char token[MASK_MAX + 1];
        for (int i = 0; i < NAD_RULE_GROUPS; ++i) {
            if (!read_token(f, token)) break;
            // A single character other than "1" (normally "0") means: no mask.
            if (strlen(token) > 1 || strcmp(token, "1") == 0) e->masks[i] = Mem_Strdup(token);
        }
        e->has_masks = 1;
    }

    char text[128];
    std::string name = dir_name;
    if (Txt_Find_Keyword_Int("#NAME", f, nullptr)) {
        Txt_Read_Guillemets(f, text);
        name = text;
    }
    std::string service = "Bauteil";
    if (Txt_Find_Keyword_Int("#SERVICE", f, nullptr)) {
        Txt_Read_Guillemets(f, text);
        service = text;
    }
    if (Txt_Find_Keyword_Int("#GROUP", f, nullptr)) {
        skip_line(f);
        Txt_Read_Guillemets(f, text);
        service = text;
    }
    for (char& c : name) c = (char)toupper((unsigned char)c);
    e->name = Mem_Strdup(name.c_str());
    e->service = Mem_Strdup(service.c_str());
    e->application_number = number;
    return true;
}

// Scans the descriptions in one program directory; false once the list is full.
bool scan_directory(const char* exec, const char* dir_name)
{
    const std::string dir = std::string(exec) + "\\" + dir_name;
    DOSFindData find;
    memset(&find, 0, sizeof find);
    if (DOSFindFirstFile((dir + "\\APP*.DEF").c_str(), &find) != 0) {
        DOSFindClose(&find);
        return true;
    }
    bool room = true;
    do {
        if (Programs.count >= NAD_PROGRAMS_MAX) {
            room = false;
            break;
        }
        int number = 0;
        if (strlen(find.name) < 7 || sscanf(find.name + 3, "%4d", &number) != 1 || number <= 0) continue;
        FILE* f = Kov_Fopen((dir + "\\" + find.name).c_str(), "r");
        if (!f) continue;
        if (read_description(f, dir_name, number, &Programs.entries[Programs.count])) ++Programs.count;
        fclose(f);
    } while (DOSFindNext(&find) == 0);
    DOSFindClose(&find);
    return room;
}

// Selects the entry of the current object's application number.
void select_current()
{
    NadCurrentApplication = -1;
    const int n = CurOb_Application_Number();
    int index = -1;
    if (n != 0) {
        for (int i = 0; i < Programs.count; ++i) {
            if (Programs.entries[i].application_number == n) {
                index = i;
                break;
            }
        }
    }
    if (index < 0) {
        NadRulesForProgram = 0;
        NadRulesProgramIndex = 0;
        NadCurrentApplication = 0;
        NadShowAllRules = 1;
    } else {
        NadRulesForProgram = 1;
        NadRulesProgramIndex = index;
        NadCurrentApplication = n;
        NadShowAllRules = 0;
    }
}

const ProgramEntry* selected_entry()
{
    if (NadRulesProgramIndex < 0 || NadRulesProgramIndex >= Programs.count) return nullptr;
    return &Programs.entries[NadRulesProgramIndex];
}

} // namespace

const ProgramList* Nad_Program_List() { return &Programs; }

void Nad_Scan_Programs()
{
    if (ScanDone) return;
    const char* exec = KOVGetEnv("EXEC");
    if (!exec) return;

    DOSFindData dirs;
    memset(&dirs, 0, sizeof dirs);
    if (DOSFindFirstDirectory((std::string(exec) + "\\*.*").c_str(), &dirs) != 0) {
        DOSFindClose(&dirs);
        return;
    }
    do {
        if (strcmp(dirs.name, ".") == 0 || strcmp(dirs.name, "..") == 0) continue;
        if (!scan_directory(exec, dirs.name)) break;
    } while (DOSFindNext(&dirs) == 0);
    DOSFindClose(&dirs);

    select_current();
    ScanDone = true;
}

int Nad_Current_Application()
{
    if (NadCurrentApplication >= 0) return NadCurrentApplication;
    select_current();
    return NadCurrentApplication;
}

int Nad_Rule_Visible(unsigned group, int rule)
{
    if (NadRulesForProgram == 0) return 1;
    if (group >= NAD_RULE_GROUPS) return 1;
    const ProgramEntry* e = selected_entry();
    if (!e || !e->masks[group]) return 1;
    const char* mask = e->masks[group];
    // A rule before the first or beyond the last position is not in the mask.
    if (rule < 0 || (size_t)rule >= strlen(mask)) return 0;
    return mask[rule] != '0' ? 1 : 0;
}

int Nad_Rule_Masks_Used()
{
    if (NadRulesForProgram == 0) return 1;
    const ProgramEntry* e = selected_entry();
    return e ? e->has_masks : 1;
}

void Nad_Reset_Programs()
{
    for (int i = 0; i < Programs.count; ++i) free_entry(&Programs.entries[i]);
    Programs.count = 0;
    ScanDone = false;
    NadRulesForProgram = 0;
    NadRulesProgramIndex = 0;
    NadCurrentApplication = -1;
    NadShowAllRules = 1;
}
