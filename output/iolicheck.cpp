// Check lines and comparison texts: a design value against its limit.
#include "output/ioliins.h"
#include "output/olilocale.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/kovnum.h"
#include "platform/olirecords.h"

namespace {

// The governing-value sign of the output font.
const char kGoverns = '\x88';

bool nonzero5(double v) { return Round_To_Decimals(v, 5) != 0.0; }

enum Relation { kLe, kGe, kLt, kGt, kUnknown };

Relation relation_of(const char* r)
{
    if (!r) return kUnknown;
    if (!std::strcmp(r, "<=") || !std::strcmp(r, "=<")) return kLe;
    if (!std::strcmp(r, ">=") || !std::strcmp(r, "=>")) return kGe;
    if (!std::strcmp(r, "<")) return kLt;
    if (!std::strcmp(r, ">")) return kGt;
    return kUnknown;
}

// Whether value against limit meets the relation at the given decimals.
bool relation_met(Relation r, double value, double limit, int decimals)
{
    const double d = Round_To_Decimals(value - limit, decimals);
    switch (r) {
        case kLe: return d <= 0.0;
        case kGe: return d >= 0.0;
        case kLt: return d < 0.0;
        case kGt: return d > 0.0;
        default: return false;
    }
}

std::string fixed(double v, int decimals)
{
    OliCLocaleScope numeric_c;
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals < 0 ? 0 : decimals > 15 ? 15 : decimals, v);
    return buf;
}

std::string plain_comparison(double value, double limit, int decimals)
{
    return fixed(value, decimals) + " " + Oli_Compare_Char_Plain(value, limit, decimals) + " " + fixed(limit, decimals);
}

} // namespace

char Oli_Compare_Char(double a, double b, int decimals, double tolerance)
{
    if (Round_To_Decimals(std::fabs(a - b), decimals) == 0.0) return '=';
    if ((nonzero5(a) && tolerance > std::fabs(1.0 - b / a)) || (nonzero5(b) && tolerance > std::fabs(1.0 - a / b)))
        return OLI_NEARLY_EQUAL;
    return Round_To_Decimals(a - b, decimals) >= 0.0 ? '>' : '<';
}

char Oli_Compare_Char_Plain(double a, double b, int decimals)
{
    if (Round_To_Decimals(std::fabs(a - b), decimals) == 0.0) return '=';
    return Round_To_Decimals(a - b, decimals) >= 0.0 ? '>' : '<';
}

const char* Oli_Compare_Text(double a, double b, int decimals, double tolerance, int kind, const char* name,
                             const char* unit)
{
    static std::string text;
    const char c = Oli_Compare_Char(a, b, decimals, tolerance);
    if (unit)
        text = fixed(a, decimals) + " " + unit + " " + c + " " + fixed(b, decimals) + " " + unit;
    else
        text = fixed(a, decimals) + " " + c + " " + fixed(b, decimals);
    if (name) {
        const double d = Round_To_Decimals(a - b, decimals);
        bool add = false;
        double v = a;
        switch (kind) {
            case 2:
                add = d > 0.0;
                v = a;
                break;
            case 3:
                add = d < 0.0;
                v = b;
                break;
            case 4:
                add = d > 0.0;
                v = b;
                break;
            default:
                add = d < 0.0;
                v = a;
                break;
        }
        if (add)
            text += std::string("  ") + kGoverns + " " + name + " = " + fixed(v, decimals) + " " + (unit ? unit : "");
    }
    return text.c_str();
}

char* Oli_Check_Text(const char* name, double value, const char* relation, double limit, int decimals, char* buffer)
{
    if (!buffer) return nullptr;
    std::string text = plain_comparison(value, limit, decimals);
    const Relation r = relation_of(relation);
    if (r != kUnknown && !relation_met(r, value, limit, decimals))
        text += std::string("  ") + kGoverns + "  " + (name ? name : "") + " = " + fixed(limit, decimals);
    std::snprintf(buffer, OLI_CHECK_TEXT_SIZE, "%s", text.c_str());
    return buffer;
}

int Oli_Check_Line(FILE* f, const char* prefix, double value, const char* relation, double limit, int decimals,
                   const char* unit, const char* ok_text, const char* fail_text)
{
    const std::string comparison = plain_comparison(value, limit, decimals);
    const bool met = relation_met(relation_of(relation), value, limit, decimals);
    const char* emphasis = met ? "" : OLI_MARK_BOLD;
    const char* tail = met ? ok_text : fail_text;
    char line[OLI_TEXT_MAX + 1];
    std::snprintf(line, sizeof line, "%s %s%s" OLI_MARK_REGULAR " %s %s%s", prefix ? prefix : "", emphasis,
                  comparison.c_str(), unit ? unit : "", emphasis, tail ? tail : "");
    // The "!!" only where a failure is named; the line itself in any case.
    Oli_Text_Check_Mark(f, line, met || !fail_text);
    return met ? 1 : 0;
}
