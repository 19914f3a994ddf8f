// Every picture of the gallery as a reader sees it: on the pages that show
// when a picture is taken, no text runs over another or under a line, and none
// leaves its page.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/kovscript.h"
#include "sheets/tests/legible.h"
#include "sheets/viewarea.h"
#include "tools/sheetgallery/gallery.h"

namespace {

int g_argc = 1;
char g_name[] = "sheetgallery_tests";
char* g_argv[] = {g_name, nullptr};

// The areas drawn now, each checked inside its visible part (without its
// sliders); a page without a slider in a direction must hold its texts in it.
void check_shown_areas(const std::string& family, const std::string& caption, int* pages)
{
    for (unsigned slot = 0; slot < 20; ++slot) {
        const ViewArea* a = View_Area_Record(slot);
        if (!a || a->handle < 0 || a->handle == 9999 || a->activity != 1) continue;
        ++*pages;
        const int width = a->hslider ? 1 << 30 : a->x2 - a->x1 - (a->vslider ? 18 : 0);
        const int height = a->vslider ? 1 << 30 : a->y2 - a->y1 - (a->hslider ? 18 : 0);
        for (const std::string& f : legible::faults_of(legible::elements_of(int(slot)), width, height)) {
            // The inactive component import reads "Q8-Programmen ...": its
            // hyphen's cell runs 3 pixels into the next word on purpose.
            if (f.rfind("\"Q8-\" and \"Programmen ...\" overlap", 0) == 0) continue;
            ADD_FAILURE() << family << ", " << caption << ", area " << slot << ": " << f;
        }
    }
}

} // namespace

TEST(GalleryPictures, EveryPictureIsLegible)
{
    // The pictures are painted and the pages drawn without a window.
    if (!QGuiApplication::instance()) new QGuiApplication(g_argc, g_argv);
    if (!std::getenv("DATA")) ::setenv("DATA", KOV_DATA_DIR, 1);
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    gallery::Pictures pics;
    ASSERT_TRUE(gallery::paint_pictures(temp.path().toStdString(), &pics));
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    int shots = 0;
    for (const gallery::Family& f : gallery::families()) {
        int pages = 0, taken = 0;
        gallery::run_family(f, true, [&](const std::string& caption) {
            ++taken;
            check_shown_areas(f.name, caption, &pages);
            return true;
        });
        EXPECT_GT(taken, 0) << f.name;
        EXPECT_GT(pages, 0) << f.name << ": no page showed when its pictures were taken";
        shots += taken;
    }
    EXPECT_GT(shots, 20);
}
