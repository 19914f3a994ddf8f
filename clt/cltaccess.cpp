// Access to the cross-laminated timber catalogue: manufacturers and products by index, their
// names and records, the choice lists, and the wording of a build-up and of single layers.
#include "clt/cltaccess.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "clt/cltinternal.h"
#include "clt/cltproducts.h"
#include "materials/matnames.h"
#include "platform/olirecords.h"

namespace {

const char kNoManufacturer[] = "nicht definierter Hersteller";
const char kNoType[] = "nicht definierter Typ";
// The choice lists: heap copies of the names, kept to the end of the process.
int g_lists = 0;
KindChoiceEntry g_manufacturer_ids[CLT_MANUFACTURER_COUNT];
ChoiceEntry g_manufacturers[CLT_MANUFACTURER_COUNT];
ChoiceEntry g_products[CLT_MANUFACTURER_COUNT][CLT_MAX_PRODUCTS];

const char* Copy(const char* text)
{
    const size_t n = std::strlen(text) + 1;
    char* c = new char[n];
    std::memcpy(c, text, n);
    return c;
}

const CltManufacturer* Block(unsigned m)
{
    if (m >= CLT_MANUFACTURER_COUNT) return nullptr;
    Clt_Catalogue_Init();
    return Clt_Catalogue_Block(static_cast<int>(m));
}

void SetFormat(int* format, int* count, int f, int n)
{
    if (format) *format = f;
    if (count) *count = n;
}

// Appends to a bounded text; a text that does not fit is cut.
struct Text {
    char* buf;
    size_t size;
    size_t len;
    void Add(const char* fmt, ...) __attribute__((format(printf, 2, 3)))
    {
        if (len + 1 >= size) return;
        va_list ap;
        va_start(ap, fmt);
        const int n = std::vsnprintf(buf + len, size - len, fmt, ap);
        va_end(ap);
        if (n > 0) len = std::min(size - 1, len + static_cast<size_t>(n));
    }
};

} // namespace

void Clt_Catalogue_Names(void)
{
    if (g_lists) return;
    Clt_Catalogue_Init();
    for (int m = 0; m < CLT_MANUFACTURER_COUNT; ++m) {
        const char* name = Copy(CltManufacturerRows[m].list_name);
        g_manufacturer_ids[m] = KindChoiceEntry{0, name, m};
        g_manufacturers[m] = ChoiceEntry{0, name};
        const CltManufacturer* b = Clt_Catalogue_Block(m);
        for (int p = 0; p < b->product_count; ++p) g_products[m][p] = ChoiceEntry{0, Copy(b->products[p].name)};
    }
    g_lists = 1;
}

const char* Clt_Manufacturer_Name(unsigned m)
{
    static char buf[CLT_NAME_SIZE];
    const CltManufacturer* b = Block(m);
    std::snprintf(buf, sizeof buf, "%s", b ? b->name : kNoManufacturer);
    return buf;
}

const char* Clt_Product_Name(unsigned m, int p)
{
    static char buf[CLT_NAME_SIZE];
    const CltSection* s = Clt_Product(m, p);
    std::snprintf(buf, sizeof buf, "%s", s ? s->name : kNoType);
    return buf;
}

double Clt_Manufacturer_Value_A(unsigned m)
{
    const CltManufacturer* b = Block(m);
    return b ? b->value_a : -1.0;
}

double Clt_Manufacturer_Value_B(unsigned m)
{
    const CltManufacturer* b = Block(m);
    return b ? b->value_b : -1.0;
}

int Clt_Product_Count(unsigned m)
{
    const CltManufacturer* b = Block(m);
    return b ? b->product_count : -1;
}

const CltManufacturer* Clt_Manufacturer_Block(unsigned m) { return Block(m); }

const CltSection* Clt_Product(unsigned m, int p)
{
    const CltManufacturer* b = Block(m);
    if (!b || p < 0 || p >= b->product_count) return nullptr;
    return &b->products[p];
}

KindChoiceEntry* Clt_Manufacturer_List_Ids(int* format, int* count, int colour)
{
    Clt_Catalogue_Names();
    for (auto& e : g_manufacturer_ids) e.colour = colour;
    SetFormat(format, count, CLT_LIST_FORMAT_IDS, CLT_MANUFACTURER_COUNT);
    return g_manufacturer_ids;
}

ChoiceEntry* Clt_Manufacturer_List(int* format, int* count, int colour)
{
    Clt_Catalogue_Names();
    for (auto& e : g_manufacturers) e.colour = colour;
    SetFormat(format, count, CLT_LIST_FORMAT, CLT_MANUFACTURER_COUNT);
    return g_manufacturers;
}

ChoiceEntry* Clt_Product_List(unsigned m, int* format, int* count, int colour)
{
    if (m >= CLT_MANUFACTURER_COUNT) {
        SetFormat(format, count, CLT_LIST_FORMAT, 0);
        return nullptr;
    }
    Clt_Catalogue_Names();
    const int n = Clt_Catalogue_Block(static_cast<int>(m))->product_count;
    for (int p = 0; p < n; ++p) g_products[m][p].colour = colour;
    SetFormat(format, count, CLT_LIST_FORMAT, n);
    return g_products[m];
}

int Clt_Single_Material(const CltSection* s)
{
    if (!s) return 0;
    const int n = Clt_Used_Layers(s);
    for (int i = 1; i < n; ++i)
        if (s->layers[i].kind != s->layers[0].kind || s->layers[i].grade != s->layers[0].grade) return 0;
    return 1;
}

const char* Clt_Buildup_Text(const CltSection* s, int dir, int with_material)
{
    // 20 layers with their thicknesses and material names.
    static char buf[4096];
    if (!s) {
        std::snprintf(buf, sizeof buf, "%s", kNoType);
        return buf;
    }
    Text text{buf, sizeof buf, 0};
    buf[0] = '\0';
    const int n = Clt_Used_Layers(s);
    for (int i = 0; i < n; ++i) {
        const CltLayer& l = s->layers[i];
        const char* sep = i > 0 ? "-" : "";
        if (l.direction == dir)
            text.Add("%s" OLI_MARK_BOLD "%.1lf" OLI_MARK_REGULAR, sep, l.t);
        else
            text.Add("%s%.1lf", sep, l.t);
    }
    if (with_material == 1) {
        // Mat_Name's buffer is overwritten by its next call: each text is
        // appended before the next is asked for.
        if (Clt_Single_Material(s)) {
            if (n > 0) text.Add(" %s", Mat_Name(s->layers[0].kind, s->layers[0].grade));
        } else {
            text.Add("\n");
            for (int i = 0; i < n; ++i) text.Add("%s - ", Mat_Name(s->layers[i].kind, s->layers[i].grade));
        }
    }
    return buf;
}

const char* Clt_Layer_Text(const CltSection* s, int dir, int layer)
{
    static char buf[512];
    if (!s || layer < 0 || layer >= Clt_Used_Layers(s)) {
        std::snprintf(buf, sizeof buf, "%s", kNoType);
        return buf;
    }
    const CltLayer& l = s->layers[layer];
    const char* material = Mat_Name(l.kind, l.grade);
    if (l.direction == dir)
        std::snprintf(buf, sizeof buf, OLI_MARK_BOLD "%s, %.1lf mm, x-Richtung" OLI_MARK_REGULAR, material, l.t);
    else
        std::snprintf(buf, sizeof buf, "%s, %.1lf mm, y-Richtung", material, l.t);
    return buf;
}
