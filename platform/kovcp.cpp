// Code page tables and conversions between the 8-bit texts of the host's files
// (code page 850; window titles in the Windows code page 1252) and UTF-8.
#include "platform/kovcp.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

namespace {

// Unicode code points of the bytes 0x80..0xFF.
const unsigned short kCp850[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

// The five bytes that Windows-1252 leaves undefined map to the C1 controls,
// so that every byte survives a round trip.
const unsigned short kCp1252[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152,
    0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0,
    0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD,
    0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA,
    0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4,
    0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

const unsigned short* table_of(KovCodePage cp) { return cp == KOV_CP1252 ? kCp1252 : kCp850; }

void append_utf8(std::string& out, unsigned cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at s[i]; a byte that starts no valid sequence is
// taken as Latin-1, so that no input is lost.
unsigned next_code_point(const std::string& s, size_t& i)
{
    unsigned char c = (unsigned char)s[i];
    size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + extra >= s.size()) {
        ++i;
        return c;
    }
    unsigned cp = c & (0x3F >> extra);
    for (size_t k = 1; k <= extra; ++k) {
        unsigned char n = (unsigned char)s[i + k];
        if ((n & 0xC0) != 0x80) {
            ++i;
            return c;
        }
        cp = (cp << 6) | (n & 0x3F);
    }
    i += extra + 1;
    return cp;
}

} // namespace

int Kov_Cp_Byte_Of(KovCodePage cp, unsigned code_point)
{
    if (code_point < 0x80) return (int)code_point;
    const unsigned short* t = table_of(cp);
    for (int k = 0; k < 128; ++k)
        if (t[k] == code_point) return 0x80 + k;
    return -1;
}

unsigned Kov_Cp_Code_Point(KovCodePage cp, unsigned char byte)
{
    return byte < 0x80 ? byte : table_of(cp)[byte - 0x80];
}

std::string Kov_Utf8_To_Cp(KovCodePage cp, const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned c = next_code_point(utf8, i);
        int b = Kov_Cp_Byte_Of(cp, c);
        out += char(b < 0 ? '?' : b);
    }
    return out;
}

std::string Kov_Cp_To_Utf8(KovCodePage cp, const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) append_utf8(out, Kov_Cp_Code_Point(cp, b));
    return out;
}

static const char* intern(KovCodePage cp, const char* utf8)
{
    static std::mutex mutex;
    static std::map<std::string, std::string> cache[2];
    if (!utf8) return nullptr;
    std::lock_guard<std::mutex> lock(mutex);
    auto& c = cache[cp == KOV_CP1252 ? 1 : 0];
    auto it = c.find(utf8);
    if (it == c.end()) it = c.emplace(utf8, Kov_Utf8_To_Cp(cp, utf8)).first;
    return it->second.c_str();
}

const char* cp850(const char* utf8) { return intern(KOV_CP850, utf8); }
const char* cp1252(const char* utf8) { return intern(KOV_CP1252, utf8); }

namespace {

// The character set the environment's locale names, in lower case without
// '-' and '_' ("utf8", "iso88591", "cp850"); empty when none is named.
std::string console_charset()
{
    const char* locale = nullptr;
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* v = std::getenv(name);
        if (v && *v) {
            locale = v;
            break;
        }
    }
    if (!locale) return std::string();
    const char* dot = std::strchr(locale, '.');
    if (!dot) return std::string();
    std::string set;
    for (const char* c = dot + 1; *c && *c != '@'; ++c)
        if (*c != '-' && *c != '_') set += char(std::tolower(static_cast<unsigned char>(*c)));
    return set;
}

} // namespace

std::string Kov_Utf8_To_Console(const std::string& utf8)
{
    const std::string set = console_charset();
    if (set == "cp850" || set == "ibm850") return Kov_Utf8_To_Cp(KOV_CP850, utf8);
    if (set == "iso88591" || set == "iso885915" || set == "cp1252" || set == "windows1252")
        return Kov_Utf8_To_Cp(KOV_CP1252, utf8);
    return utf8;
}

std::string Kov_Cp850_To_Console(const std::string& cp850_text)
{
    const std::string set = console_charset();
    if (set == "cp850" || set == "ibm850") return cp850_text;
    return Kov_Utf8_To_Console(Kov_Cp_To_Utf8(KOV_CP850, cp850_text));
}
