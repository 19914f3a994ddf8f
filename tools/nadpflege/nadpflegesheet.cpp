// The editor sheet: the annex list on the left, the chosen annex's pages
// "EC 0" to "EC 9" as registers on the right, the buttons below.
#include "tools/nadpflege/nadpflege.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "base/kovmem.h"
#include "nad/nadfile.h"
#include "nad/nadrange.h"
#include "nad/pages/nadedit.h"
#include "nad/pages/nadedit2.h"
#include "nad/pages/nadsheets.h"
#include "platform/kovcp.h"
#include "platform/kovedit.h"
#include "platform/kovhost.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/mask.h"
#include "sheets/maskelem.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"

namespace {

// Ids of the sheet's own elements (the mask engine keeps 100, 200, 1000 + page
// and 2000 + page).
enum {
    kList = NAD_PFLEGE_LIST,
    kNew = NAD_PFLEGE_NEW,
    kRemove = NAD_PFLEGE_REMOVE,
    kSave = NAD_PFLEGE_SAVE,
    kOptions = NAD_PFLEGE_OPTIONS,
    kHelp = NAD_PFLEGE_HELP,
    kClose = NAD_PFLEGE_CLOSE
};

enum { kPages = 6, kEc5Page = 3 };
const char* const kLabels[kPages] = {"EC 0", "EC 2", "EC 3", "EC 5", "EC 6", "EC 9"};

// Geometry: the list takes the sheet's left part, the registers start at
// kListRoom; the button row lies in the bottom margin.
const int kListRoom = 290;
const int kButtonRoom = 45;
// The longest text of a page, the EC 5 section title on lateral torsional
// buckling, ends at x 498; then the slider.
const int kPageWidth = 536;
const int kPageHeight = 500;

const char* const kTitle = "NAD-Pflege - Nationale Anwendungsdokumente";
const char* const kGermany = "Deutschland";

struct Session {
    std::unique_ptr<NadRecord> record{new NadRecord()};   // what the pages edit
    std::unique_ptr<NadRecord> stored{new NadRecord()};   // as last read or stored
    std::unique_ptr<NadRecord> accepted{new NadRecord()}; // every value as last let through
    std::string name;                                     // of the chosen annex (code page 850)
    int number = 0;                                       // its file number; 0 for a supplied annex
    int editable = 0;
    int changed = 0, failed = 0;
    int list = -1;
    int remove_button = -1, save_button = -1;
};
Session* g_s = nullptr;

char g_new_name[NAD_NAME_SIZE]; // the name field of "Neu"

std::string text(const char* utf8) { return cp850(utf8); }

void message(int symbol, const std::string& first, const std::string& second = std::string())
{
    Init_Message();
    Set_Message_Title("NAD-Pflege");
    Set_Message_Symbol(symbol, 0, 0, 0);
    Fill_Message(first.c_str());
    if (!second.empty()) Fill_Message(second.c_str());
    Draw_Message();
}

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

void set_list_name(const char* name)
{
    char* copy = Mem_Strdup(name);
    Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
    NadActiveName = copy;
}

int entry_of(const char* name)
{
    if (!name) return -1;
    for (int i = 0; i < NadList.count && i < NAD_LIST_MAX; ++i)
        if (NadList.names[i] && std::strcmp(NadList.names[i], name) == 0) return i;
    return -1;
}

// Makes list entry i the chosen annex: its file read into the record.
void choose(int i)
{
    Session& s = *g_s;
    if (i < 0 || i >= NadList.count) i = 1;
    s.name = NadList.names[i] ? NadList.names[i] : "";
    s.number = NadList.user_number[i];
    std::memset(s.record.get(), 0, sizeof *s.record);
    const int read = Nad_Pflege_Load_Entry(i, s.record.get());
    // Supplied annexes are installation data; an unreadable file of the user's
    // is shown with the recommended values, which must not overwrite it.
    s.editable = s.number > 0 && read ? 1 : 0;
    if (!read) {
        // Whatever a refused file brought is not shown.
        const int flag = s.record->flag_index;
        Nad_Default_Blocks(s.record.get());
        s.record->flag_index = flag;
    }
    // Byte for byte, so that the comparison below sees only what was edited.
    std::memcpy(s.stored.get(), s.record.get(), sizeof *s.record);
    std::memcpy(s.accepted.get(), s.record.get(), sizeof *s.record);
    if (!read && *Nad_Load_Fault())
        message(3, cp850(Nad_Load_Fault()),
                text("Es werden die EC-Empfehlungswerte angezeigt; gespeichert wird nichts."));
    else if (!read)
        message(3, text("Die Datei des Anwendungsdokuments ") + quoted(s.name) + text(" kann nicht gelesen werden."),
                text("Es werden die EC-Empfehlungswerte angezeigt; gespeichert wird nichts."));
}

bool unsaved()
{
    const Session& s = *g_s;
    if (!s.editable) return false;
    const NadRecord& a = *s.record;
    const NadRecord& b = *s.stored;
    return a.flag_index != b.flag_index || a.na_de != b.na_de || std::memcmp(&a.ec0, &b.ec0, sizeof a.ec0) != 0 ||
           std::memcmp(&a.ec2, &b.ec2, sizeof a.ec2) != 0 || std::memcmp(&a.ec3, &b.ec3, sizeof a.ec3) != 0 ||
           std::memcmp(&a.ec5, &b.ec5, sizeof a.ec5) != 0 || std::memcmp(&a.ec6, &b.ec6, sizeof a.ec6) != 0 ||
           std::memcmp(&a.ec9, &b.ec9, sizeof a.ec9) != 0;
}

// false when the store failed (the user was told).
bool save()
{
    Session& s = *g_s;
    if (!s.editable) return true;
    if (Nad_Store_User_Nad(s.number, s.record.get()) == 1) {
        std::memcpy(s.stored.get(), s.record.get(), sizeof *s.record);
        s.changed = 1;
        return true;
    }
    s.failed = 1;
    message(3, text("Das Anwendungsdokument ") + quoted(s.name) + text(" konnte nicht gespeichert werden."),
            "Die Datei " + std::to_string(s.number) + text(".NAD bleibt, wie sie war."));
    return false;
}

// Before the chosen annex is left: its unsaved changes stored when the user
// says so (a batch run says no). false when they were to be stored and could
// not be: the user stays with them.
bool leave_chosen()
{
    if (!unsaved()) return true;
    Init_Message();
    Set_Message_Title("NAD-Pflege");
    Set_Message_Symbol(4, 0, 0, 0);
    Fill_Message((text("Das Anwendungsdokument ") + quoted(g_s->name) + text(" wurde geändert.")).c_str());
    Fill_Message(text("Sollen die Änderungen gespeichert werden?").c_str());
    return Answer_is_Yes(1) ? save() : true;
}

void redraw_list()
{
    if (g_s->list >= 0) Nad_Draw_List(unsigned(g_s->list));
}

// ---- "Neu": the name of the copy ----------------------------------------------------

std::string g_copy_of;
int g_name_field_active = 1;

void draw_name_page(int, int)
{
    Mask_Add_Label(10, 24, "Kopie von:", nullptr);
    Mask_Add_Label(100, 24, g_copy_of.c_str(), nullptr);
    Mask_Add_Label(10, 56, "Name:", nullptr);
    Mask_Add_Text_Field_Limited(100, 56, g_new_name, NAD_NAME_SIZE - 1, NAD_NAME_SIZE - 1, &g_name_field_active);
}

// A name that cannot be used is refused with a message; the sheet stays.
int check_name_page(int)
{
    char checked[NAD_NAME_SIZE];
    switch (Nad_Pflege_Check_Name(g_new_name, checked)) {
        case NAD_PFLEGE_NAME_OK: return 0;
        case NAD_PFLEGE_NAME_EMPTY:
            message(2, text("Bitte geben Sie einen Namen für das neue Anwendungsdokument ein."));
            break;
        case NAD_PFLEGE_NAME_TOO_LONG: message(2, text("Der Name darf höchstens 27 Zeichen lang sein.")); break;
        case NAD_PFLEGE_NAME_TAKEN:
            message(2, text("Ein Anwendungsdokument ") + quoted(checked) + text(" gibt es schon."),
                    text("Bitte wählen Sie einen anderen Namen."));
            break;
        default: message(2, text("Der Name darf keine Steuerzeichen und weder « noch » enthalten.")); break;
    }
    return 1;
}

MaskRecord* g_name_mask = nullptr;

// Return in the name field confirms the name, as the OK button does (its
// check still refuses a name that cannot be used).
void name_cycle(int)
{
    if (g_name_mask && Short_Edit_Last_Key() == 13) {
        Short_Edit_Clear_Last_Key();
        g_name_mask->preset_result = 200;
    }
}

// Asks for the name; true with it in g_new_name when confirmed.
bool ask_new_name()
{
    g_copy_of = g_s->name;
    std::memset(g_new_name, 0, sizeof g_new_name);
    g_name_field_active = 1;
    MaskRecord mask;
    Mask_Init(&mask);
    mask.mode = 5;
    mask.cycle_hook = name_cycle;
    g_name_mask = &mask;
    Short_Edit_Clear_Last_Key();
    std::snprintf(mask.title, sizeof mask.title, "%s", "Neues Anwendungsdokument");
    mask.width = 340;
    mask.height = 80;
    MaskPage page;
    Mask_Init_Pages(1, &page);
    page.draw = draw_name_page;
    page.check = check_name_page;
    const bool confirmed = Mask_Edit_Single_Page(&mask, &page) == 1;
    g_name_mask = nullptr;
    return confirmed;
}

void new_annex()
{
    Session& s = *g_s;
    if (!leave_chosen() || !ask_new_name()) return;
    char name[NAD_NAME_SIZE];
    Nad_Pflege_Check_Name(g_new_name, name);
    // A copy of the chosen annex as its file holds it.
    Nad_Build_List();
    std::unique_ptr<NadRecord> source(new NadRecord());
    const int number =
        Nad_Pflege_Load_Entry(entry_of(s.name.c_str()), source.get()) ? Nad_Pflege_Add(source.get(), name) : 0;
    Nad_Build_List();
    if (!number) {
        s.failed = 1;
        message(3, text("Das Anwendungsdokument ") + quoted(name) + text(" konnte nicht angelegt werden."));
        choose(entry_of(s.name.c_str()));
        set_list_name(s.name.c_str());
    } else {
        s.changed = 1;
        set_list_name(name);
        choose(entry_of(name));
    }
    redraw_list();
}

void remove_annex()
{
    Session& s = *g_s;
    if (s.number <= 0) return;
    Init_Message();
    Set_Message_Title("NAD-Pflege");
    Set_Message_Symbol(4, 0, 0, 0);
    Fill_Message((text("Soll das Anwendungsdokument ") + quoted(s.name) + " entfernt werden?").c_str());
    if (!Answer_is_Yes(0)) return;
    if (Nad_Pflege_Remove(s.number)) {
        s.changed = 1;
    } else {
        s.failed = 1;
        message(3, text("Das Anwendungsdokument ") + quoted(s.name) + " konnte nicht entfernt werden.",
                text("Die Dateien im Ordner NADS bleiben vollständig; eine kann doppelt sein."));
    }
    Nad_Build_List();
    set_list_name(kGermany);
    choose(1);
    redraw_list();
}

// A click in the list: another annex chosen (its name taken over by the
// list's drawing).
void list_event()
{
    Session& s = *g_s;
    if (s.list < 0 || !View_Area_Handle_Event(unsigned(s.list))) return;
    redraw_list();
    if (!NadActiveName || s.name == NadActiveName) return;
    const std::string chosen = NadActiveName;
    if (leave_chosen()) {
        choose(entry_of(chosen.c_str()));
    } else {
        set_list_name(s.name.c_str());
        redraw_list();
    }
}

// ---- values outside their range -----------------------------------------------------

// Change callback of every value field: a value outside the range of its kind
// is refused with a message, and the field gets back the value it had.
void guard_value(intptr_t address)
{
    if (!g_s) return;
    double* v = reinterpret_cast<double*>(address);
    NadRecord* r = g_s->record.get();
    const char* base = reinterpret_cast<const char*>(r);
    const char* at = reinterpret_cast<const char*>(v);
    if (at < base || at + sizeof *v > base + sizeof *r) return;
    double* before = reinterpret_cast<double*>(reinterpret_cast<char*>(g_s->accepted.get()) + (at - base));
    NadRangeFault fault;
    const NadRangeKind* kind = Nad_Range_Of(r, v, &fault);
    if (!kind || Nad_Range_Holds(kind, *v)) {
        *before = *v;
        return;
    }
    *v = *before;
    message(2, cp850(Nad_Range_Message(fault).c_str()),
            text("Es bleibt der Wert ") + cp850(Nad_Range_Number(*v).c_str()) + ".");
}

// Every value field of the page laid out in the area gets the guard.
void guard_fields(unsigned area)
{
    ViewArea* a = View_Area_Record(area);
    for (ViewElement* e = a ? a->first : nullptr; e; e = e->next)
        if (e->type == VIEW_FLOAT && e->number && !e->change) e->change = guard_value;
}

// ---- the mask's callbacks --------------------------------------------------------------

void draw_page(int area, int)
{
    if (area < 0 || !g_s) return;
    const unsigned a = unsigned(area);
    NadRecord* r = g_s->record.get();
    const int e = g_s->editable;
    switch (Mask_Current_Page()) {
        case 0: Nad_Edit_Ec0(a, &r->ec0, e); break;
        case 1: Nad_Edit_Ec2(a, &r->ec2, e); break;
        case 2: Nad_Edit_Ec3(a, &r->ec3, e); break;
        case 3: Nad_Edit_Ec5(a, &r->ec5, e); break;
        case 4: Nad_Edit_Ec6(a, &r->ec6, e); break;
        case 5: Nad_Edit_Ec9(a, &r->ec9, e); break;
        default: break;
    }
    guard_fields(a);
}

void decorate(int x1, int y1, int x2, int y2)
{
    Session& s = *g_s;
    Draw_Funny_Text_to_PS(x1 + 12, y1 + 66, "Anwendungsdokumente:", 0x1000, 0);
    const int top = y1 + 81, bottom = y2 - 10 - kButtonRoom;
    Add_Escape_Area_to_PS(x1 + 10, top, x1 + 258, bottom, 1, kList);
    s.list = View_Area_Open(x1 + 10, top, x1 + 273, bottom, 0, 1);
    if (s.list >= 0) Nad_Draw_List(unsigned(s.list));

    const int y = y2 - 36;
    Add_Single_Button_to_PS(x1 + 10, y, 1, kNew, "Neu", nullptr, 0);
    s.remove_button = Add_Single_Button_to_PS(x1 + 52, y, 1, kRemove, "Entfernen", nullptr, 0);
    s.save_button = Add_Single_Button_to_PS(x1 + kListRoom, y, 1, kSave, "Speichern", nullptr, 0);
    Add_Single_Button_to_PS(x1 + kListRoom + 94, y, 1, kOptions, "Darstellungsoptionen", nullptr, 0);
    Add_Single_Button_to_PS(x2 - 8 - 88 - 6 - 56, y, 1, kHelp, "Hilfe", nullptr, 0);
    Add_Single_Button_to_PS(x2 - 8 - 88, y, 1, kClose, text("Schließen").c_str(), nullptr, 0);
    Set_Windows_Break_Button(kClose);
}

// "Entfernen" and "Speichern" only for the user's annexes.
void cycle(int)
{
    const Session& s = *g_s;
    if (s.remove_button >= 0) Change_Activity_PS(s.remove_button, s.number > 0 ? 1 : 0);
    if (s.save_button >= 0) Change_Activity_PS(s.save_button, s.editable ? 1 : 0);
}

int button(int id)
{
    switch (id) {
        case kList: list_event(); return 1;
        case kNew: new_annex(); return 1;
        case kRemove: remove_annex(); return 1;
        case kSave: save(); return 1;
        case kOptions: Nad_Display_Options_Sheet(); return 1; // the page is laid out again in the next cycle
        case kHelp: {
            // The editor's own help page; Helpview names the file when it is missing.
            const char* data = KOVGetEnv("DATA");
            if (data && *data) {
                Init_Helpview((std::string(data) + "\\HILFE").c_str(), "NAD-Pflege.HLP");
                Helpview("NAD_PFLEGE");
            } else {
                message(1, text("Die Hilfe der NAD-Pflege liegt im Ordner HILFE der Daten; DATA ist nicht gesetzt."));
            }
            return 1;
        }
        case kClose:
            if (leave_chosen()) Mask_Request_Cancel();
            return 1;
        default: return 0;
    }
}

void close_list()
{
    if (g_s->list >= 0) View_Area_Close(unsigned(g_s->list));
    g_s->list = -1;
}

} // namespace

int Nad_Pflege_Sheet(const char* active)
{
    if (g_s) return NAD_PFLEGE_FAILED; // one editor at a time
    // The caller's choice is given back at the end; the list frames the editor's.
    const bool had_name = NadActiveName != nullptr;
    const std::string callers = had_name ? NadActiveName : "";

    Nad_Build_List();
    int entry = entry_of(active);
    if (entry < 0) entry = 1;
    set_list_name(NadList.names[entry]);

    Session session;
    g_s = &session;
    choose(entry);

    MaskRecord mask;
    Mask_Init(&mask);
    mask.mode = 2; // the sheet's own buttons
    std::snprintf(mask.title, sizeof mask.title, "%s", kTitle);
    mask.width = kPageWidth;
    mask.height = kPageHeight;
    mask.margin_left = kListRoom;
    mask.margin_bottom = kButtonRoom;
    mask.decorate = decorate;
    mask.cycle_hook = cycle;
    mask.button_handler = button;
    mask.close_hook = close_list;
    mask.last_page = kEc5Page;
    MaskPage pages[kPages];
    Mask_Init_Pages(kPages, pages);
    for (int j = 0; j < kPages; ++j) {
        std::snprintf(pages[j].label, sizeof pages[j].label, "%s", kLabels[j]);
        pages[j].vslider = 1;
        pages[j].draw = draw_page;
    }
    Mask_Edit_Registers(&mask, kPages, pages);

    g_s = nullptr;
    if (had_name)
        set_list_name(callers.c_str());
    else
        Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
    if (session.failed) return NAD_PFLEGE_FAILED;
    return session.changed ? NAD_PFLEGE_CHANGED : NAD_PFLEGE_UNCHANGED;
}

NadRecord* Nad_Pflege_Edited_Record() { return g_s ? g_s->record.get() : nullptr; }

void Nad_Pflege_Reset()
{
    g_s = nullptr;
    Mask_Engine_Reset();
}
