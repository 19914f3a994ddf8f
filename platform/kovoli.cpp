// The output-list layout library: each call writes one "#OLI_" record line into the list's
// stream; lengths are formatted by hand, independent of the locale.
#include "platform/kovoli.h"

#include "platform/kovhost.h"
#include "platform/olirecords.h"

#include <string>

namespace {

// Lengths keep four decimals; the text never depends on the locale because
// the record is formatted by hand around an integer part and a fraction.
std::string cm_text(float cm)
{
    char buf[64];
    double v = double(cm);
    if (!(v == v) || v > 1e9 || v < -1e9) v = 0.0; // no NaN or absurd lengths in a list
    std::snprintf(buf, sizeof buf, "%.4f", v);
    for (char* p = buf; *p; ++p)
        if (*p == ',') *p = '.';
    return buf;
}

void put(FILE* list, const std::string& record)
{
    if (!list) return;
    KOV_Stdio_Fprintf_Fct()(list, "%s\n", record.c_str());
}

} // namespace

extern "C" {

void OLI_setFlags(FILE* list, int flags)
{
    put(list, OLI_REC_LAYOUT_PREFIX OLI_REC_SETFLAGS " " + std::to_string(flags));
}

void OLI_setLayout(FILE* list, int layout)
{
    put(list, OLI_REC_LAYOUT_PREFIX OLI_REC_SETLAYOUT " " + std::to_string(layout));
}

void OLI_setMarginsCM(FILE* list, int mode, float left, float right)
{
    put(list, OLI_REC_LAYOUT_PREFIX OLI_REC_SETMARGINS " " + std::to_string(mode) + " " + cm_text(left) + " " +
                  cm_text(right));
}

void OLI_setYPositionCM(FILE* list, int mode, float cm)
{
    put(list, OLI_REC_LAYOUT_PREFIX OLI_REC_SETYPOSITION " " + std::to_string(mode) + " " + cm_text(cm));
}

void OLI_reserveSpaceCM(FILE* list, float cm)
{
    put(list, OLI_REC_LAYOUT_PREFIX OLI_REC_RESERVESPACE " " + cm_text(cm));
}

void OLI_pushMargins(FILE* list) { put(list, OLI_REC_LAYOUT_PREFIX OLI_REC_PUSHMARGINS); }

void OLI_popMargins(FILE* list, int flags)
{
    put(list, OLI_REC_LAYOUT_PREFIX OLI_REC_POPMARGINS " " + std::to_string(flags));
}

void OLI_storeYPosition(FILE* list, int slot)
{
    put(list, OLI_REC_LAYOUT_PREFIX OLI_REC_STOREYPOSITION " " + std::to_string(slot));
}

void OLI_restoreYPosition(FILE* list, int slot)
{
    put(list, OLI_REC_LAYOUT_PREFIX OLI_REC_RESTOREYPOSITION " " + std::to_string(slot));
}

void OLI_setBookmark(FILE* list, int code, const char* text)
{
    std::string r = OLI_REC_LAYOUT_PREFIX OLI_REC_SETBOOKMARK " " + std::to_string(code);
    if (text) {
        r += " \xAE"; // «
        for (const char* p = text; *p; ++p) {
            // A record is one line; its text ends at the closing guillemet.
            char c = *p;
            if (c == '\n' || c == '\r' || c == '\xAF') c = ' ';
            r += c;
        }
        r += '\xAF'; // »
    }
    put(list, r);
}

void OLI_resetMaxMargin(FILE* list) { put(list, OLI_REC_LAYOUT_PREFIX OLI_REC_RESETMAXMARGIN); }

int MT_String_Length(const char* text)
{
    if (!text) return 0;
    int n = 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        if (*p != 0xCE) {
            ++n;
            ++p;
            continue;
        }
        ++p; // the mark-up byte
        if (!*p) break;
        if (*p != '{') { // a code letter: not shown
            ++p;
            continue;
        }
        // a group: nothing up to and including its closing brace is shown
        while (*p && *p != '}') ++p;
        if (*p) ++p;
    }
    return n;
}

} // extern "C"
