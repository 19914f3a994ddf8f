// The application's printed lists and plot files (the golden files of the print
// tests beside this file) through the host's renderer: legible pages and the
// sketch at its stated scale.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/gui/olirender.h"
#include "platform/olireader.h"
#include "test_support/kovtestutil.h"

namespace {

// One character cell of a laid-out text: its box on the page (cm), from the
// baseline up to the height of capitals.
struct CharBox {
    double x1, x2, top, base;
    QChar ch;
    size_t item;
};

std::vector<CharBox> char_boxes(const OliPage& page)
{
    std::vector<CharBox> out;
    for (size_t k = 0; k < page.items.size(); ++k) {
        const OliPaintItem& it = page.items[k];
        if (it.kind != OliPaintItem::TEXT || it.angle != 0) continue;
        const double em = it.char_width / 0.602;
        for (int i = 0; i < it.text.size(); ++i) {
            if (it.text[i].isSpace()) continue;
            const double x = it.pos.x() + i * it.char_width;
            out.push_back(CharBox{x, x + it.char_width, it.pos.y() - 0.7 * em, it.pos.y(), it.text[i], k});
        }
    }
    return out;
}

// Baselines of the headings on page (those the bookmarks point at).
std::vector<double> heading_baselines(const OliPages& pages, int page)
{
    std::vector<double> out;
    for (const OliBookmarkEntry& b : pages.bookmarks) {
        if (b.page != page) continue;
        double first = 1e9;
        for (const OliPaintItem& it : pages.pages[size_t(page)].items)
            if (it.kind == OliPaintItem::TEXT && it.pos.y() > b.y - 1e-6) first = std::min(first, it.pos.y());
        if (first < 1e9) out.push_back(first);
    }
    return out;
}

// The last text of a page under its head, or 0.
double last_baseline(const OliPage& page)
{
    double last = 0;
    for (const OliPaintItem& it : page.items)
        if (it.kind == OliPaintItem::TEXT && it.pos.y() > 1.8) last = std::max(last, it.pos.y());
    return last;
}

} // namespace

// The position's lists as the engineer reads them: no two texts overlap, no
// column rule runs through a character, no heading ends a page, and the version
// line stands under the head rule.
TEST(PrintRender, ApplicationListsAreLegible)
{
    const std::string src = std::string(KOV_TEST_DIR) + "/";
    const char* lists[] = {"print_typ0.oli.golden",      "print_typ1.oli.golden",      "print_typ2.oli.golden",
                           "print_typ3.oli.golden",      "print_typ0_ausf.oli.golden", "print_typ1_ausf.oli.golden",
                           "print_typ2_ausf.oli.golden", "print_typ3_ausf.oli.golden", "print_zug.oli.golden"};
    const std::string d = kovtest::artefact_dir("print_olirender");
    int seen = 0;
    for (const char* name : lists) {
        if (::access((src + name).c_str(), R_OK) != 0) continue;
        ++seen;
        OliPages pages;
        ASSERT_TRUE(Oli_Load_Pages(src + name, &pages)) << name;
        for (size_t p = 0; p < pages.pages.size(); ++p) {
            SCOPED_TRACE(std::string(name) + " page " + std::to_string(p + 1));
            const OliPage& page = pages.pages[p];
            Oli_Page_Image(pages, int(p), 120)
                .save(QString::fromStdString(d + "/" + name + "-" + std::to_string(p + 1) + ".png"));
            const std::vector<CharBox> boxes = char_boxes(page);
            int overlaps = 0;
            for (size_t a = 0; a < boxes.size() && overlaps < 5; ++a)
                for (size_t b = a + 1; b < boxes.size(); ++b) {
                    const CharBox &u = boxes[a], &v = boxes[b];
                    if (u.item == v.item) continue;
                    const double w = std::min(u.x2, v.x2) - std::max(u.x1, v.x1);
                    const double h = std::min(u.base, v.base) - std::max(u.top, v.top);
                    if (w > 0.01 && h > 0.01) {
                        ADD_FAILURE() << "\"" << page.items[u.item].text.toStdString() << "\" and \""
                                      << page.items[v.item].text.toStdString() << "\" overlap at x = " << u.x1
                                      << " cm, y = " << u.base << " cm";
                        if (++overlaps >= 5) break;
                    }
                }
            // The column rules of the tables: vertical lines hanging from a
            // table's top rule.
            auto table_rule = [&](const QPointF& a, const QPointF& b) {
                if (std::fabs(a.x() - b.x()) > 1e-9 || std::fabs(a.y() - b.y()) < 1e-9) return false;
                const double top = std::min(a.y(), b.y());
                for (const OliPaintItem& h : page.items)
                    if (h.kind == OliPaintItem::LINE && h.points.size() == 2 &&
                        std::fabs(h.points[0].y() - top) < 1e-9 && std::fabs(h.points[1].y() - top) < 1e-9 &&
                        std::min(h.points[0].x(), h.points[1].x()) < a.x() &&
                        std::max(h.points[0].x(), h.points[1].x()) > a.x())
                        return true;
                return false;
            };
            int crossed = 0;
            for (const OliPaintItem& it : page.items) {
                if (it.kind != OliPaintItem::LINE || it.points.size() != 2) continue;
                const QPointF a = it.points[0], b = it.points[1];
                if (!table_rule(a, b)) continue;
                const double y1 = std::min(a.y(), b.y()), y2 = std::max(a.y(), b.y());
                for (const CharBox& c : boxes)
                    if (a.x() > c.x1 + 0.01 && a.x() < c.x2 - 0.01 && c.base > y1 + 0.05 && c.top < y2 - 0.05 &&
                        crossed++ < 5)
                        ADD_FAILURE() << "a rule at x = " << a.x() << " cm runs through \""
                                      << page.items[c.item].text.toStdString() << "\"";
            }
            const std::vector<double> heads = heading_baselines(pages, int(p));
            for (double h : heads) EXPECT_GT(last_baseline(page), h + 0.1) << "a heading ends the page";
            // Every text stays within the page's head rule (2 cm to 19 cm).
            for (const CharBox& c : boxes) {
                if (c.base > 7) break;
                EXPECT_LE(c.x2, 19.0 + 0.01) << page.items[c.item].text.toStdString();
            }
        }
    }
    if (seen == 0) GTEST_SKIP() << "no golden lists of the application";
}

// The sketch of the example position is drawn at the scale its caption states:
// the sill's 180 mm measured in the picture of the list's first page, and the
// plot file states the same scale.
TEST(PrintRender, SketchStatesItsTrueScale)
{
    const std::string src = std::string(KOV_TEST_DIR) + "/";
    if (::access((src + "print_typ0.oli.golden").c_str(), R_OK) != 0) GTEST_SKIP() << "no golden list";
    OliPages pages;
    ASSERT_TRUE(Oli_Load_Pages(src + "print_typ0.oli.golden", &pages));
    double scale = 0;
    for (const OliPaintItem& it : pages.pages[0].items) {
        const int at = it.text.indexOf(QString::fromUtf8("Maßstab 1:"));
        if (it.kind == OliPaintItem::TEXT && at >= 0) scale = it.text.mid(at + 10).trimmed().toDouble();
    }
    ASSERT_GT(scale, 0) << "no scale in the sketch's caption";
    const double dpi = 200;
    const QImage img = Oli_Page_Image(pages, 0, dpi);
    auto wood = [&](int x, int y) {
        const QColor c = img.pixelColor(x, y);
        return std::abs(c.red() - 248) < 6 && std::abs(c.green() - 195) < 6 && std::abs(c.blue() - 62) < 6;
    };
    // The sill reaches further right than the strut: a column near its right
    // end crosses the sill alone.
    int right = -1;
    for (int x = img.width() - 1; x >= 0 && right < 0; --x)
        for (int y = 0; y < img.height(); ++y)
            if (wood(x, y)) {
                right = x;
                break;
            }
    ASSERT_GT(right, 0);
    const int x = right - int(0.3 / 2.54 * dpi);
    int run = 0, longest = 0;
    for (int y = 0; y < img.height(); ++y) {
        run = wood(x, y) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    const double mm = longest / dpi * 25.4 * scale;
    EXPECT_NEAR(mm, 180.0, 0.02 * 180.0) << "drawn at 1:" << scale;

    SpfDocument plot;
    ASSERT_TRUE(Spf_Read(src + "print_typ0.spf.golden", &plot));
    char title[64];
    std::snprintf(title, sizeof title, "Ansicht M 1:%g", scale);
    EXPECT_EQ(plot.title, title);
}
