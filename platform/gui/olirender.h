#pragma once
// Page layout and painting of output lists and plot files: one display list
// per page, painted by one routine on the screen, into PDF (QPdfWriter) and on
// a printer (QPrinter).
//
// Pages are A4. All layout is in cm from the page's top left corner. The list
// is set in one monospaced font (DejaVu Sans Mono, bold for bold mark-up),
// sized per list font so that the font's characters per line (106 for fonts
// 0, 1, 6 and 7, 165 for 2 and 10, 125 for 3, 96 for 4, 73 for 5, 132 for 8
// and 9) fill the text width of 17 cm: the columns of the list's tables are
// counted in characters, so they line up. A line of font 7 is 0.38 cm high.
// The text area starts 2 cm from the left and top edges and ends 2 cm above
// the bottom; each page has a head with the list's title and its page number.
// Painting needs a QGuiApplication (Oli_Ensure_Gui makes one when none exists).
#include "platform/olireader.h"

#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <string>
#include <vector>

class QPainter;
class QPrinter;

struct OliPaintItem {
    enum Kind { TEXT, LINE, POLYGON, RECT, PATH, HATCH, IMAGE, FRAME } kind = LINE;
    QPolygonF points;           // LINE (2 points), POLYGON
    QRectF rect;                // RECT, IMAGE, FRAME
    QPainterPath path;          // PATH, HATCH (cm)
    QString text;               // TEXT
    QPointF pos;                // TEXT: start of the baseline
    double char_width = 0.16;   // TEXT: advance of one character (cm)
    unsigned style = 0;         // TEXT: OliStyle bits (bold, underline, S)
    double angle = 0;           // TEXT: degrees, counter-clockwise; HATCH: line angle
    unsigned rgb = 0;           // colour of text, lines and fills (0xRRGGBB)
    double width = 0.02;        // LINE, FRAME, HATCH: line width (cm)
    std::vector<double> dashes; // LINE: dash and gap lengths (cm); empty: solid
    double spacing = 0;         // HATCH: distance of its lines (cm)
    QImage image;               // IMAGE
};

struct OliPage {
    std::vector<OliPaintItem> items;
};

struct OliBookmarkEntry {
    QString text;
    int level = 0; // 0 top level
    int page = 0;
    double y = 0; // cm from the page top
};

struct OliPages {
    double width = 21.0, height = 29.7; // cm
    QString title;
    std::vector<OliPage> pages;
    std::vector<OliBookmarkEntry> bookmarks;
    std::vector<std::string> warnings; // the reader's, then the layout's
};

// Lays a read list out on pages (always at least one page).
OliPages Oli_Layout_List(const OliDocument& doc);
// Lays a plot file out on one page, fitted to the page (landscape when the
// drawing is wider than high).
OliPages Oli_Layout_Plot(const SpfDocument& doc);
// Reads a list or a plot file (told apart by its first line) and lays it out;
// false when the file cannot be read (pages then hold one empty page and the
// warning).
bool Oli_Load_Pages(const std::string& path, OliPages* pages);

// Makes sure a QGuiApplication exists (an offscreen one when there is no Qt
// application at all). False when a non-GUI application object exists.
bool Oli_Ensure_Gui();

// Paints page index into target (device coordinates of the painter); the page
// is scaled to fill target.
void Oli_Paint_Page(QPainter* painter, const OliPages& pages, int index, const QRectF& target);
// Every page into a PDF file, written beside it first and renamed when
// complete. false with *error (when given) on failure.
bool Oli_Write_Pdf(const OliPages& pages, const std::string& path, std::string* error);
// Every page on a printer that the caller has set up.
bool Oli_Print_Pages(const OliPages& pages, QPrinter* printer);
// One page as an image (white background) at dpi.
QImage Oli_Page_Image(const OliPages& pages, int index, double dpi);
