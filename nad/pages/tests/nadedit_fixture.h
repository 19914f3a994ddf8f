#pragma once
// An annex editor page on the scripted screen: a sheet with one view area for
// the page, the area's element list read back as plain rows (type, position,
// text, bound value, activity switch), scripted clicks and field edits on the
// elements, and a picture of the whole content for a look by eye.
//
// Typical use:
//   nadedit::Canvas c;
//   Nad_Edit_Ec5(c.area(), &record, 1);
//   auto fields = c.of_type(VIEW_FLOAT);
//   c.edit(*c.bound_to(&record.gamma_m_solid), "1,4");
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovreplace.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"

namespace nadedit {

// One element of the area as the framework keeps it.
struct Item {
    int type = 0;
    int x = 0, y = 0;   // position (texts: left end of the base line)
    int x2 = 0, y2 = 0; // second corner or the type's own use (see viewarea.h)
    int font = 0, colour = 0, aux = 0;
    std::string text;            // label, text, format or file name, bytes as stored
    const void* bound = nullptr; // int* of a check box or radio, double* of a float field
    const int* active = nullptr; // activity switch; null: always active
    ViewChangeFct change = nullptr;
    ViewDrawBoxFct draw = nullptr;
    void* data = nullptr; // drawn box: its callback data
    bool is_active() const { return !active || *active != 0; }
};

// The bytes a page stores for a UTF-8 literal of a test.
inline std::string cp(const char* utf8) { return cp850(utf8); }

// A sheet over (0, 0)-(700, 500) with one view area (10, 10)-(690, 490) and a
// vertical slider, on the scripted screen; everything reset at the end.
class Canvas {
public:
    Canvas()
    {
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Define_Prop_Sheet(0, 0, 700, 500, 0, 0, "", 10, 1);
        Activate_Prop_Sheet();
        slot_ = View_Area_Open(10, 10, 690, 490, 0, 1);
        EXPECT_GE(slot_, 0);
    }
    ~Canvas()
    {
        Kov_Ui_Set_Idle_Hook(nullptr);
        View_Area_Close_All();
        Kov_Ui_Sheets_Reset();
        Kov_Ui_Reset();
        Kov_Set_Ui_Mode(-1);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    unsigned area() const { return unsigned(slot_); }
    ViewArea* record() const { return View_Area_Record(area()); }

    // The element list, first added first.
    std::vector<Item> items() const
    {
        std::vector<Item> v;
        const ViewArea* a = record();
        for (const ViewElement* e = a ? a->first : nullptr; e; e = e->next) v.push_back(item_of(*e));
        return v;
    }
    std::vector<Item> of_type(int type) const
    {
        std::vector<Item> v;
        for (const Item& i : items())
            if (i.type == type) v.push_back(i);
        return v;
    }
    // Every element bound to the address (value, selection or number).
    std::vector<Item> all_bound_to(const void* p) const
    {
        std::vector<Item> v;
        for (const Item& i : items())
            if (i.bound == p) v.push_back(i);
        return v;
    }
    // The first element bound to the address; a failed expectation and an
    // empty item when there is none.
    Item bound_to(const void* p) const
    {
        const std::vector<Item> v = all_bound_to(p);
        EXPECT_FALSE(v.empty()) << "no element bound to the address";
        return v.empty() ? Item{} : v.front();
    }
    bool has_bound(const void* p) const { return !all_bound_to(p).empty(); }
    // Elements whose stored text equals the UTF-8 text in code page 850.
    std::vector<Item> with_text(const char* utf8) const
    {
        std::vector<Item> v;
        const std::string want = cp(utf8);
        for (const Item& i : items())
            if (i.text == want) v.push_back(i);
        return v;
    }
    // Elements whose stored text is these bytes (glyph bytes and the like).
    std::vector<Item> with_bytes(const std::string& bytes) const
    {
        std::vector<Item> v;
        for (const Item& i : items())
            if (i.text == bytes) v.push_back(i);
        return v;
    }
    // The first element of the type with the text; empty item when none.
    Item find(int type, const char* utf8) const
    {
        for (const Item& i : with_text(utf8))
            if (i.type == type) return i;
        return Item{};
    }

    // A left click on a check box or radio button as a user makes it (the area
    // scrolled so the element shows); the event result of the area.
    int click(const Item& i)
    {
        int X = 0, Y = 0;
        show(i, &X, &Y);
        Kov_Ui_Push_Click(X - 10, Y - 4);
        Get_Mouse_Event();
        return View_Area_Handle_Event(area());
    }
    // A click into a float field and the text typed into its edit box with
    // Enter; the chain of fields that follows ends without further input.
    int edit(const Item& i, const char* typed)
    {
        int X = 0, Y = 0;
        show(i, &X, &Y);
        typed_ = std::string(typed) + "\r";
        turn_ = 0;
        Kov_Ui_Set_Idle_Hook([](const char*) {
            if (turn_++ == 0) Kov_Ui_Push_Text(typed_.c_str());
        });
        Kov_Ui_Push_Click(X + 2, Y - 4);
        Get_Mouse_Event();
        const int r = View_Area_Handle_Event(area());
        Kov_Ui_Set_Idle_Hook(nullptr);
        return r;
    }

    // The whole content drawn tile by tile into one picture.
    QImage picture() const
    {
        ViewArea* a = record();
        int w = 0, h = 0;
        View_Area_Inquire_Content_Size(area(), &w, &h);
        w = std::max(w, 1) + 10;
        h = std::max(h, 1) + 10;
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::white);
        const int tw = std::min(w, NPIXEL_X), th = std::min(400, NPIXEL_Y);
        for (int ty = 0; ty < h; ty += th)
            for (int tx = 0; tx < w; tx += tw) {
                View_Area_Draw(tx, ty, 0, 0, tw - 1, th - 1, a);
                for (int y = 0; y < th && ty + y < h; ++y)
                    for (int x = 0; x < tw && tx + x < w; ++x)
                        img.setPixel(tx + x, ty + y, 0xFF000000u | unsigned(Kov_Ui_Pixel(x, y)));
            }
        return img;
    }
    // The picture as a PNG file (replaced as a whole).
    bool save_picture(const std::string& path) const
    {
        QByteArray bytes;
        QBuffer buf(&bytes);
        buf.open(QIODevice::WriteOnly);
        if (!picture().save(&buf, "PNG")) return false;
        return Kov_Replace_File(path.c_str(), [&](FILE* f) {
                   return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f) == size_t(bytes.size());
               }) == KOV_REPLACE_OK;
    }

private:
    static Item item_of(const ViewElement& e)
    {
        Item i;
        i.type = e.type;
        i.x = e.x1;
        i.y = e.y1;
        i.x2 = e.x2;
        i.y2 = e.y2;
        i.font = e.font;
        i.colour = e.colour;
        i.aux = e.aux;
        if (e.text) i.text = e.text;
        if (e.value)
            i.bound = e.value;
        else if (e.number)
            i.bound = e.number;
        i.active = e.active;
        i.change = e.change;
        i.draw = e.draw;
        i.data = e.data;
        return i;
    }
    // Scrolls the area so the element stands 100 pixels below the top (as far
    // as the content allows) and gives its screen position.
    void show(const Item& i, int* X, int* Y)
    {
        ViewArea* a = record();
        Set_Scrollable_Area_PS(a->handle, 0, std::max(0, i.y - 100));
        int sx = 0, sy = 0, dx = 0, dy = 0;
        Inquire_Scrollable_Area_PS(a->handle, &sx, &sy);
        Inquire_Prop_Sheet_Displacement(&dx, &dy);
        *X = dx + a->x1 + i.x - sx;
        *Y = dy + a->y1 + i.y - sy;
    }

    int slot_ = -1;
    static inline std::string typed_;
    static inline int turn_ = 0;
};

} // namespace nadedit
