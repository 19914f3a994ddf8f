// The annex list, the active annex and its getters.
#include "nad/nadlist.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "base/kovtxt.h"
#include "nad/nadactive.h"
#include "nad/nadfile.h"
#include "nad/nadprog.h"
#include "platform/kovcp.h"
#include "platform/kovpath.h"

NadListData NadList;
char* NadActiveName = nullptr;
int NadActiveFlagIndex = -1;

namespace {

const char* const kStandardEntry = "EC-Standardparameter";
const char* const kGermany = "Deutschland";
const char* const kResetName = "EC-Standard";
const char* const kUserSuffix = " (benutzerdefiniert)";

// Room for the longest name an annex file holds (99 bytes) and the suffix.
enum { DISPLAY_NAME_SIZE = 128, VERSION_LINE_MAX = 200 };

// The active annex; its blocks never move.
NadRecord Active = {-1, -1, -1, {0}, {}, {}, {}, {}, {}, {}, {}};
int Ec1DefinitionsPending = 1;

// The supplied German annex, loaded once for Nad_Default_Ec2_De.
NadRecord* GermanEc2Source = nullptr;
int GermanEc2Loaded = 0;

char* copy_text(const char* s)
{
    if (!s) s = "";
    const size_t n = std::strlen(s) + 1;
    char* p = static_cast<char*>(Mem_Realloc(nullptr, (int)n, 0));
    std::memcpy(p, s, n);
    return p;
}

void set_active_name(const char* name)
{
    char* copy = copy_text(name); // before the release: name may be the active name
    Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
    NadActiveName = copy;
}

void reset_record(NadRecord* r)
{
    if (Ec1DefinitionsPending) Nad_Read_Ec1_Definitions(&r->ec1);
    r->flag_index = NAD_FLAG_STANDARD;
    r->user_defined = 0;
    r->na_de = 0;
    std::snprintf(r->name, sizeof r->name, "%s", kResetName);
    Nad_Default_Ec0(&r->ec0);
    Nad_Default_Ec1(&r->ec1);
    Nad_Default_Ec2(&r->ec2);
    Nad_Default_Ec3(&r->ec3);
    Nad_Default_Ec5(&r->ec5);
    Nad_Default_Ec6(&r->ec6);
    Nad_Default_Ec9(&r->ec9);
    Ec1DefinitionsPending = 0;
}

// Skips the rest of the current line, however long it is.
void skip_line(FILE* f)
{
    char buf[VERSION_LINE_MAX + 1];
    while (std::fgets(buf, sizeof buf, f)) {
        const size_t n = std::strlen(buf);
        if (n > 0 && buf[n - 1] == '\n') return;
    }
}

// The common start of the getters: the program list, and "Deutschland" when
// no annex was chosen yet.
void ensure_active()
{
    Nad_Scan_Programs();
    if (!NadActiveName) {
        Nad_Build_List();
        set_active_name(kGermany);
        Nad_Activate();
    }
}

// Block getters: a record that was never filled (the name was set without an
// activation) gets the recommended values.
NadRecord* filled_record()
{
    ensure_active();
    if (Active.flag_index < 0) reset_record(&Active);
    return &Active;
}

// The file of the active annex that its last activation could not use
// (empty when it was read). The same file is told about once: a program
// activates its annex more than once while it starts.
std::string UnusedFile;

void warn_unreadable(const std::string& what)
{
    Msg_Warnung(-1,
                "Die Datei %s des Anwendungsdokuments \"%s\" kann nicht gelesen werden; "
                "es gelten die EC-Empfehlungswerte",
                what.c_str(), NadActiveName ? NadActiveName : "");
}

} // namespace

void Nad_Build_List()
{
    Safeguard_Proper_Version();

    if (NadList.count <= 0) {
        NadList.names[0] = copy_text(kStandardEntry);
        NadList.flag_index[0] = NAD_FLAG_STANDARD;
        NadList.user_number[0] = 0;
        NadList.names[1] = copy_text(kGermany);
        NadList.flag_index[1] = NAD_FLAG_GERMANY;
        NadList.user_number[1] = 0;
        NadList.count = 2;
    } else if (NadList.count > 2) {
        for (int i = 2; i < NadList.count && i < NAD_LIST_MAX; ++i)
            Mem_Free_Null(reinterpret_cast<void**>(&NadList.names[i]));
        NadList.count = 2;
    }

    const char* dram = std::getenv("DRAM");
    if (dram) {
        for (int n = 1; NadList.count < NAD_LIST_MAX; ++n) {
            const std::string path = std::string(dram) + "\\NADS\\" + std::to_string(n) + ".NAD";
            FILE* f = Kov_Fopen(path.c_str(), "r");
            if (!f) break;
            skip_line(f);
            int flag = NAD_FLAG_STANDARD;
            if (std::fscanf(f, " %d", &flag) != 1) flag = NAD_FLAG_STANDARD;
            char name[TXT_GUILLEMETS_SIZE];
            Txt_Read_Guillemets(f, name);
            std::fclose(f);
            const int i = NadList.count;
            NadList.flag_index[i] = flag;
            NadList.user_number[i] = n;
            NadList.names[i] = copy_text(name);
            NadList.count = i + 1;
        }
    }

    if (!NadActiveName) set_active_name(kGermany);
}

int Nad_Activate()
{
    if (NadList.count < 2) Nad_Build_List();

    int found = -1;
    if (NadActiveName)
        for (int i = 0; i < NadList.count && i < NAD_LIST_MAX; ++i)
            if (NadList.names[i] && std::strcmp(NadList.names[i], NadActiveName) == 0) {
                found = i;
                break;
            }

    int user_number;
    const char* file = kGermany;
    if (found >= 0) {
        user_number = NadList.user_number[found];
        NadActiveFlagIndex = NadList.flag_index[found];
        if (found == 0) file = "Standard";
    } else {
        set_active_name(kGermany);
        user_number = NadList.user_number[1];
        NadActiveFlagIndex = NadList.flag_index[1];
    }

    reset_record(&Active);
    int loaded = Nad_Load(user_number, file, &Active);
    if (!loaded && *Nad_Load_Fault() && user_number > 0) {
        // A user annex with a value the standards cannot have: the position
        // goes on with the supplied German annex, and the user is told why.
        Msg_Warnung(-1, "%s %s", cp850(Nad_Load_Fault()), cp850("Es gilt das Anwendungsdokument \"Deutschland\"."));
        set_active_name(kGermany);
        user_number = NadList.user_number[1];
        NadActiveFlagIndex = NadList.flag_index[1];
        file = kGermany;
        reset_record(&Active);
        loaded = Nad_Load(user_number, file, &Active);
    }
    if (loaded) {
        UnusedFile.clear();
        return loaded;
    }
    const std::string what = user_number > 0 ? std::to_string(user_number) + ".NAD" : std::string(file) + ".NAD";
    const bool told = what == UnusedFile;
    UnusedFile = what;
    if (*Nad_Load_Fault()) {
        if (!told) Msg_Warnung(-1, "%s %s", cp850(Nad_Load_Fault()), cp850("Es gelten die EC-Empfehlungswerte."));
        reset_record(&Active);
    } else if (!told) {
        warn_unreadable(what);
    }
    return loaded;
}

const char* Nad_Unused_File() { return UnusedFile.c_str(); }

const char* Nad_Get_Active_Name()
{
    ensure_active();
    return NadActiveName;
}

const char* Nad_Get_Display_Name()
{
    ensure_active();
    if (std::strcmp(NadActiveName, kGermany) == 0 || std::strcmp(NadActiveName, kStandardEntry) == 0)
        return NadActiveName;
    static char display[DISPLAY_NAME_SIZE];
    const int room = DISPLAY_NAME_SIZE - 1 - (int)std::strlen(kUserSuffix);
    std::snprintf(display, sizeof display, "%.*s%s", room, NadActiveName, kUserSuffix);
    return display;
}

int Nad_Get_Flag_Index()
{
    ensure_active();
    return NadActiveFlagIndex;
}

NadRecord* Nad_Active_Record() { return filled_record(); }

NadEc0Record* Nad_Get_Ec0() { return &filled_record()->ec0; }
NadEc1Tables* Nad_Get_Ec1() { return &filled_record()->ec1; }
NadEc2Record* Nad_Get_Ec2() { return &filled_record()->ec2; }
NadEc3Record* Nad_Get_Ec3() { return &filled_record()->ec3; }
NadEc5Record* Nad_Get_Ec5() { return &filled_record()->ec5; }
NadEc6Record* Nad_Get_Ec6() { return &filled_record()->ec6; }
NadEc9Record* Nad_Get_Ec9() { return &filled_record()->ec9; }
int Nad_Get_Na_De() { return filled_record()->na_de; }

int Nad_Load_Din1055_Ec1()
{
    const int before = Active.ec1.set_number;
    Active.ec1.set_number = 0;
    Nad_Load_Ec1(0, "DIN 1055-(4+5)", &Active.ec1);
    if (Active.ec1.set_number != 0) return 1;
    Active.ec1.set_number = before;
    return 0;
}

int Nad_Write_Active_File(const char* stem)
{
    if (!stem) return 0;
    if (!NadActiveName) {
        Nad_Build_List();
        set_active_name(kGermany);
        Nad_Activate();
    }
    const std::string path = std::string(stem) + "_EC2.NAD";
    return Nad_Write_File_Replacing(path.c_str(), &Active);
}

NadEc2Record* Nad_Default_Ec2_De(NadEc2Record* r)
{
    if (!r) return r;
    Nad_Default_Ec2(r);
    if (!GermanEc2Loaded) {
        if (!GermanEc2Source) {
            GermanEc2Source = static_cast<NadRecord*>(Mem_Alloc_Zeroed((int)sizeof(NadRecord)));
            Nad_Default_Ec2(&GermanEc2Source->ec2);
        }
        if (Nad_Load(0, kGermany, GermanEc2Source))
            GermanEc2Loaded = 1;
        else
            warn_unreadable(std::string(kGermany) + ".NAD");
    }
    Nad_Copy_Ec2(r, &GermanEc2Source->ec2);
    return r;
}

void Nad_Reset_Annex_State()
{
    for (int i = 0; i < NadList.count && i < NAD_LIST_MAX; ++i)
        Mem_Free_Null(reinterpret_cast<void**>(&NadList.names[i]));
    std::memset(&NadList, 0, sizeof NadList);
    Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
    NadActiveFlagIndex = -1;

    Nad_Free_Ec1_Tables(&Active.ec1);
    std::memset(&Active, 0, sizeof Active);
    Active.flag_index = -1;
    Active.user_defined = -1;
    Active.na_de = -1;
    Ec1DefinitionsPending = 1;
    UnusedFile.clear();

    if (GermanEc2Source) {
        Nad_Free_Ec1_Tables(&GermanEc2Source->ec1);
        Mem_Free_Null(reinterpret_cast<void**>(&GermanEc2Source));
    }
    GermanEc2Loaded = 0;

    Nad_Publish_Blocks(nullptr);
}
