// The concrete and reinforcing-steel input of a member's mask.
#include "materials/pages/concpages.h"

#include <cstring>

#include "base/kovmem.h"
#include "platform/kovcp.h"
#include "platform/kovscreen.h"
#include "sheets/mask.h"
#include "sheets/maskstate.h"
#include "sheets/viewarea.h"

namespace {

// ---- module state -------------------------------------------------------------------------

int s_active[2] = {1, 1};
int s_dialog_mode = 0;
ConcreteGrade* s_concrete_record = nullptr;
RebarGrade* s_steel_record = nullptr;
intptr_t s_concrete_click = 0;
intptr_t s_steel_click = 0;
// The state of a field that shows but is not edited (E_cm while derived).
int s_read_only = -1;

const char kSeparator[] = "-------";

int* concrete_switch() { return &s_active[MATERIAL_GROUP_CONCRETE]; }
int* steel_switch() { return &s_active[MATERIAL_GROUP_STEEL]; }

int green() { return Nearest_Color_Index(0, 164, 0); }
int brown() { return Nearest_Color_Index(155, 126, 66); }
int orange() { return Nearest_Color_Index(234, 164, 0); }
int blue() { return Nearest_Color_Index(0, 0, 255); }

bool has_area() { return g_mask_state.output_area >= 0; }

// ---- lists ------------------------------------------------------------------------------

ChoiceList* new_list(int mode, int stride, int capacity)
{
    ChoiceList* l = static_cast<ChoiceList*>(Mem_Realloc(nullptr, int(sizeof(ChoiceList)), 1));
    l->mode = mode;
    l->stride = stride;
    l->names = static_cast<char*>(Mem_Realloc(nullptr, stride * capacity, 1));
    l->colours = static_cast<int*>(Mem_Realloc(nullptr, int(sizeof(int)) * capacity, 1));
    l->flags = static_cast<int*>(Mem_Realloc(nullptr, int(sizeof(int)) * capacity, 1));
    l->keys = static_cast<int*>(Mem_Realloc(nullptr, int(sizeof(int)) * capacity, 1));
    for (int i = 0; i < capacity; ++i) {
        l->colours[i] = BLACK_CI;
        l->keys[i] = -1;
    }
    return l;
}

// Appends an entry; the name is cut to the stride and always ends inside it.
void add_entry(ChoiceList* l, const char* name, int colour, int flags, int key)
{
    char* slot = l->names + size_t(l->count) * size_t(l->stride);
    std::strncpy(slot, name, size_t(l->stride) - 1);
    slot[l->stride - 1] = '\0';
    l->colours[l->count] = colour;
    l->flags[l->count] = flags;
    l->keys[l->count] = key;
    ++l->count;
}

void add_separator(ChoiceList* l) { add_entry(l, kSeparator, orange(), CHOICE_SEPARATOR, -1); }

bool is_separator(const ChoiceList* l, int i) { return l->flags && (l->flags[i] & CHOICE_SEPARATOR) != 0; }

// The key and flags of the selection, separators answering for the entry above.
int selected_key(const ChoiceList* list, const int* selected, int* flags)
{
    int key = -1, f = 0;
    Choice_List_Key(list, selected ? *selected : 0, &key, &f);
    if (flags) *flags = f;
    return key;
}

// The group's label in the frame font: black while the group is active, grey
// otherwise.
void group_label(int x, int y, const char* text, int* active)
{
    const int keep = Mask_Get_Text_Color();
    Mask_Set_Text_Color(BLACK_CI);
    Mask_Add_Framed_Label(x, y, text, active);
    Mask_Set_Text_Color(keep);
}

// A blue label whose click stores 1 into *click.
void link(int x, int y, const char* text, intptr_t* click, int* active)
{
    const int keep = Mask_Get_Text_Color();
    Mask_Set_Text_Color(blue());
    Mask_Add_Clickable_Label(x, y, text, 1, click, active);
    Mask_Set_Text_Color(keep);
}

// A symbol with its index at x, the field at fx and the unit behind it; the
// right end of the row.
int symbol_row(int x, int fx, int y, const char* symbol, const char* index, double* value, double factor, int decimals,
               const char* unit, int* state, int* label_state)
{
    Mask_Add_Symbol_With_Index(x, y, symbol, index, label_state);
    int end = fx + Mask_Add_Float(fx, y, value, factor, 8, decimals, state);
    if (unit) end += 3 + Mask_Add_Label(end + 3, y, unit, label_state);
    return end;
}

// "Rohdichte" at x, the density field (held within 500 ... 2200) at fx.
void density_row(int x, int fx, int y, double* density, int* active)
{
    Mask_Add_Label(x, y, "Rohdichte", active);
    const int w = Mask_Add_Density_Field(fx, y, density, active);
    Mask_Add_Label(fx + w + 3, y, "kg/m\xFA", active);
}

// The value in stored units: a registered factor is divided out.
double stored(double* value)
{
    const MaskFactor* f = Mask_Find_Factor(value);
    return f && f->factor != 0.0 ? *value / f->factor : *value;
}

double shown(double* value, double v)
{
    const MaskFactor* f = Mask_Find_Factor(value);
    return f ? v * f->factor : v;
}

// A link clicked since the last drawing opens its dialog first.
void run_concrete_dialog(ConcreteGrade* grade)
{
    if (!s_concrete_click) return;
    s_concrete_click = 0;
    Concrete_Free_Definition_Dialog(grade);
}

void run_steel_dialog(RebarGrade* grade)
{
    if (!s_steel_click) return;
    s_steel_click = 0;
    Rebar_Free_Definition_Dialog(grade);
}

} // namespace

// ---- lists ------------------------------------------------------------------------------

ChoiceList* Concrete_Choice_List_New(int ec_mode, unsigned flags)
{
    ChoiceList* l = new_list(ec_mode, CONCRETE_CHOICE_STRIDE, ec_mode ? 35 : CONCRETE_DIN_GRADE_COUNT);
    if (flags & CONCRETE_LIST_DIN) {
        for (int i = 0; i < CONCRETE_DIN_GRADE_COUNT; ++i) {
            DinConcreteGrade g{};
            Concrete_Grade_Init_Din(&g, i);
            add_entry(l, g.name, green(), CHOICE_DIN_CONCRETE, i);
        }
        if (ec_mode) add_separator(l);
    }
    if (!ec_mode) return l;
    for (int i = 0; i < CONCRETE_EC2_GRADE_COUNT; ++i) {
        ConcreteGrade g{};
        Concrete_Grade_Init_Ec2(&g, i, 0, 2200.0);
        add_entry(l, g.name, BLACK_CI, 0, i + 5);
    }
    if (flags & CONCRETE_LIST_LIGHTWEIGHT) {
        add_separator(l);
        for (int i = 0; i < CONCRETE_LC_GRADE_COUNT; ++i) {
            ConcreteGrade g{};
            Concrete_Grade_Init_Ec2(&g, i, 1, 2200.0);
            add_entry(l, g.name, brown(), CHOICE_LIGHTWEIGHT, i + 5);
        }
    }
    if (flags & CONCRETE_LIST_FREE) {
        add_separator(l);
        add_entry(l, "frei", blue(), CHOICE_FREE_CONCRETE, CONCRETE_KEY_FREE);
    }
    l->show_alpha = (flags & CONCRETE_LIST_ALPHA) ? 1 : 0;
    return l;
}

ChoiceList* Rebar_Choice_List_New(int mode)
{
    ChoiceList* l = new_list(mode, REBAR_CHOICE_STRIDE, mode ? 8 : REBAR_DIN_GRADE_COUNT);
    for (int i = 0; i < REBAR_DIN_GRADE_COUNT; ++i) {
        DinRebarGrade g{};
        Rebar_Grade_Init_Din(&g, i);
        add_entry(l, g.name, green(), CHOICE_DIN_STEEL, i);
    }
    if (!mode) return l;
    add_separator(l);
    for (int i = 0; i < REBAR_EC2_GRADE_COUNT; ++i) {
        RebarGrade g{};
        if (mode == 1)
            Rebar_Grade_Init(&g, i);
        else
            Rebar_Grade_Init_B500(&g, i);
        add_entry(l, g.name, BLACK_CI, 0, i + 3);
    }
    add_separator(l);
    add_entry(l, "frei", blue(), CHOICE_FREE_STEEL, REBAR_KEY_FREE);
    return l;
}

int Choice_List_Position(const ChoiceList* list, int key, int mask)
{
    if (!list || !list->keys) return 0;
    for (int i = 0; i < list->count; ++i) {
        if (list->keys[i] != key) continue;
        if (mask && !(list->flags && (list->flags[i] & mask))) continue;
        return i;
    }
    return 0;
}

void Choice_List_Key(const ChoiceList* list, int position, int* key, int* flags)
{
    int k = -1, f = 0;
    if (list && list->keys && position < list->count && list->count > 0) {
        int i = position < 0 ? 0 : position;
        while (i > 0 && is_separator(list, i)) --i;
        k = list->keys[i];
        f = list->flags ? list->flags[i] : 0;
    }
    if (key) *key = k;
    if (flags) *flags = f;
}

void Choice_List_Free(ChoiceList* list)
{
    if (!list) return;
    Mem_Free_Null(reinterpret_cast<void**>(&list->names));
    Mem_Free_Null(reinterpret_cast<void**>(&list->colours));
    Mem_Free_Null(reinterpret_cast<void**>(&list->flags));
    Mem_Free_Null(reinterpret_cast<void**>(&list->keys));
    Mem_Free_Null(reinterpret_cast<void**>(&list));
}

// ---- module switches ------------------------------------------------------------------

void Material_Pages_Set_Active(int group, int on)
{
    if (group == MATERIAL_GROUP_CONCRETE || group == MATERIAL_GROUP_STEEL) s_active[group] = on ? 1 : 0;
}

int Material_Pages_Active(int group)
{
    return group == MATERIAL_GROUP_CONCRETE || group == MATERIAL_GROUP_STEEL ? s_active[group] : 0;
}

void Material_Pages_Set_Dialog_Mode(int on) { s_dialog_mode = on; }
int Material_Pages_Dialog_Mode(void) { return s_dialog_mode; }

void Material_Pages_Reset(void)
{
    s_active[0] = s_active[1] = 1;
    s_dialog_mode = 0;
    s_concrete_record = nullptr;
    s_steel_record = nullptr;
    s_concrete_click = s_steel_click = 0;
}

intptr_t* Concrete_Link_Click(void) { return &s_concrete_click; }
intptr_t* Rebar_Link_Click(void) { return &s_steel_click; }

void Material_Pages_Set_Records(ConcreteGrade* concrete, RebarGrade* steel)
{
    s_concrete_record = concrete;
    s_steel_record = steel;
}

// ---- choice fields ------------------------------------------------------------------------

int Concrete_Choice_Field(int, int x, int y, const void*, ChoiceList* list, int* selected)
{
    group_label(x, y, cp850("Betongüte"), concrete_switch());
    Mask_Add_Choice_List(x + 75, y, list, selected, concrete_switch());
    return 0;
}

int Rebar_Choice_Field(int, int x, int y, const void*, ChoiceList* list, int* selected)
{
    group_label(x, y, cp850("Stahlgüte"), steel_switch());
    Mask_Add_Choice_List(x + 75, y, list, selected, steel_switch());
    return 0;
}

int Concrete_Choice_Labelled(int area, int x, int y, ConcreteGrade* grade, ChoiceList* list, int* selected)
{
    group_label(x, y, cp850("Betongüte"), concrete_switch());
    return Concrete_Choice_With_Parameters(area, x + 75, y, grade, list, selected);
}

int Concrete_Choice_With_Parameters(int area, int x, int y, ConcreteGrade* grade, ChoiceList* list, int* selected)
{
    run_concrete_dialog(grade);
    int* active = concrete_switch();
    Mask_Add_Choice_List(x, y, list, selected, active);
    int flags = 0;
    const int key = selected_key(list, selected, &flags);
    if (key == CONCRETE_KEY_FREE) {
        if (s_dialog_mode) {
            link(x - 75, y + 23, "-> Betonparameter definieren", &s_concrete_click, active);
            return 23;
        }
        return Concrete_Parameter_Page(area, x - 75, y - 34, grade);
    }
    int height = 0;
    if (flags & CHOICE_LIGHTWEIGHT) {
        height += 23;
        if (grade) density_row(x - 75, x, y + height, &grade->density, active);
    }
    if (list && list->show_alpha) {
        height += 23;
        if (grade) symbol_row(x - 75, x, y + height, "\xBA", "c", &grade->alpha_cc, 1.0, 3, nullptr, active, active);
    }
    return height;
}

int Rebar_Choice_With_Parameters(int area, int x, int y, RebarGrade* grade, ChoiceList* list, int* selected)
{
    run_steel_dialog(grade);
    int* active = steel_switch();
    group_label(x, y, cp850("Stahlgüte"), active);
    Mask_Add_Choice_List(x + 75, y, list, selected, active);
    if (selected_key(list, selected, nullptr) != REBAR_KEY_FREE) return 0;
    if (s_dialog_mode) {
        link(x, y + 23, "-> Stahlparameter definieren", &s_steel_click, active);
        return 23;
    }
    return Rebar_Parameter_Page(area, x, y, grade);
}

// ---- parameter pages ----------------------------------------------------------------------

int Concrete_Parameter_Page(int, int x, int y, ConcreteGrade* g)
{
    if (!g) return 183;
    int* active = concrete_switch();
    if (has_area())
        View_Area_Add_Bitmap(unsigned(g_mask_state.output_area), "tools\\duved_fcd.bmp", x + 200, y, x + 420, y + 192,
                             Nearest_Color_Index(239, 253, 238));
    const int fx = x + 75;
    density_row(x, fx, y + 57, &g->density, active);
    symbol_row(x, fx, y + 80, "\xBA", "c", &g->alpha_cc, 1.0, 3, nullptr, active, active);
    symbol_row(x, fx, y + 103, "f", "ck", &g->f_ck, 0.001, 2, "MN/m\xFD", active, active);
    symbol_row(x, fx, y + 126, "-\xBE", "c2", &g->eps_c2, -1000.0, 3, "\x89", active, active);
    symbol_row(x, fx, y + 149, "-\xBE", "c2u", &g->eps_cu2, -1000.0, 3, "\x89", active, active);
    symbol_row(x, fx, y + 172, "n", "c", &g->n, 1.0, 2, nullptr, active, active);
    int* e_state = active;
    if (g->e_auto) {
        // The fields show display units while the mask is open: the modulus
        // follows the strength shown, in the units of its own field.
        const double e = Concrete_Ecm_Of(stored(&g->f_ck), g->lightweight, g->density);
        g->E_cm = shown(&g->E_cm, e);
        if (*active) e_state = &s_read_only;
    }
    const int end = symbol_row(x, fx, y + 207, "E", "cm", &g->E_cm, 0.001, 1, "MN/m\xFD", e_state, active);
    Mask_Add_Check_Box(end + 10, y + 207, "E-Modul automatisch ermitteln", &g->e_auto, active);
    return 183;
}

int Rebar_Parameter_Page(int, int x, int y, RebarGrade* g)
{
    if (!g) return 107;
    int* active = steel_switch();
    if (has_area())
        View_Area_Add_Bitmap(unsigned(g_mask_state.output_area), "tools\\duved_fyk.bmp", x + 220, y, x + 436, y + 141,
                             Nearest_Color_Index(239, 253, 238));
    const int fx = x + 75;
    symbol_row(x, fx, y + 23, "f", "yk", &g->f_yk, 0.001, 2, "MN/m\xFD", active, active);
    symbol_row(x, fx, y + 46, "f", "tk", &g->f_tk, 0.001, 2, "MN/m\xFD", active, active);
    symbol_row(x, fx, y + 69, "\xBE", "su", &g->eps_su, 1000.0, 3, "\x89", active, active);
    symbol_row(x, fx, y + 92, "E", "s", &g->E_s, 0.001, 1, "MN/m\xFD", active, active);
    return 107;
}

void Concrete_Parameter_Page_Draw(int area, int)
{
    if (s_concrete_record) Concrete_Parameter_Page(area, 20, 0, s_concrete_record);
}

void Rebar_Parameter_Page_Draw(int area, int)
{
    if (s_steel_record) Rebar_Parameter_Page(area, 20, 15, s_steel_record);
}

// ---- int fields of the current mask ---------------------------------------------------

void Mask_Set_Int_Field(int* p, int value)
{
    MaskIntShadow* e = p ? Mask_Find_Int_Shadow(p) : nullptr;
    if (!e) return;
    *p = value;
    e->shadow = value;
}

int Mask_Get_Int_Field(int* p) { return p && Mask_Find_Int_Shadow(p) ? *p : MASK_INT_FIELD_NONE; }

// ---- dialogs ------------------------------------------------------------------------------

namespace {

MaskRecord s_concrete_mask;
MaskPage s_concrete_page;
MaskRecord s_steel_mask;
MaskPage s_steel_page;
bool s_masks_ready = false;

// The base values, set once: a standard mask with one page.
void masks_ready()
{
    if (s_masks_ready) return;
    Mask_Init(&s_concrete_mask);
    Mask_Init_Pages(1, &s_concrete_page);
    Mask_Init(&s_steel_mask);
    Mask_Init_Pages(1, &s_steel_page);
    s_masks_ready = true;
}

void set_text(char* field, size_t size, const char* text)
{
    std::strncpy(field, text, size - 1);
    field[size - 1] = '\0';
}

// What the element calls of the page being drawn read: a dialog opened from a
// page's drawing hands it back, so the page goes on where it was.
struct OutputKeeper {
    MaskState kept;
    OutputKeeper() : kept(g_mask_state) {}
    ~OutputKeeper()
    {
        g_mask_state.output_area = kept.output_area;
        g_mask_state.font = kept.font;
        g_mask_state.text_colour = kept.text_colour;
        g_mask_state.back_colour = kept.back_colour;
        g_mask_state.escape = kept.escape;
        g_mask_state.page_left = kept.page_left;
        g_mask_state.page_top = kept.page_top;
        g_mask_state.page_dx = kept.page_dx;
        g_mask_state.page_dy = kept.page_dy;
    }
};

} // namespace

int Concrete_Free_Definition_Dialog(ConcreteGrade* grade)
{
    if (!grade) return 0;
    masks_ready();
    // A record without a grade starts from C25/30; a grade of the user's is
    // edited as it is, and a cancel gives it back unchanged.
    if (!(grade->f_ck > 0.0)) Concrete_Grade_Init_Ec2(grade, 3, 0, 2200.0);
    const ConcreteGrade backup = *grade;
    ConcreteGrade* outer = s_concrete_record;
    s_concrete_record = grade;
    set_text(s_concrete_page.label, sizeof s_concrete_page.label, "Betonparameter");
    s_concrete_page.draw = Concrete_Parameter_Page_Draw;
    set_text(s_concrete_mask.title, sizeof s_concrete_mask.title, "Freie Definition des Betons");
    s_concrete_mask.height = 220;
    s_concrete_mask.width = 440;
    int result;
    {
        OutputKeeper keep;
        result = Mask_Edit_Single_Page(&s_concrete_mask, &s_concrete_page);
    }
    s_concrete_record = outer;
    if (result == 1) {
        // The strains follow the new strength as a stored grade's do when read.
        Concrete_Grade_Derive_Strains(grade);
        if (grade->e_auto) grade->E_cm = Concrete_Ecm_Of(grade->f_ck, grade->lightweight, grade->density);
    } else {
        *grade = backup;
    }
    return result;
}

int Rebar_Free_Definition_Dialog(RebarGrade* grade)
{
    if (!grade) return 0;
    masks_ready();
    if (!(grade->f_yk > 0.0)) Rebar_Grade_Init(grade, 0);
    const RebarGrade backup = *grade;
    RebarGrade* outer = s_steel_record;
    s_steel_record = grade;
    set_text(s_steel_page.label, sizeof s_steel_page.label, "Stahlparameter");
    s_steel_page.draw = Rebar_Parameter_Page_Draw;
    set_text(s_steel_mask.title, sizeof s_steel_mask.title, "Freie Definition des Stahls");
    s_steel_mask.height = 170;
    s_steel_mask.width = 470;
    int result;
    {
        OutputKeeper keep;
        result = Mask_Edit_Single_Page(&s_steel_mask, &s_steel_page);
    }
    s_steel_record = outer;
    if (result != 1) *grade = backup;
    return result;
}
