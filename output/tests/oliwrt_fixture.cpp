// Helpers of the output-list writer tests: capture what the writers put into a stream and read
// and write files byte for byte.
#include "oliwrt_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "output/iolipara.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"
#include "test_support/kovtestutil.h"

std::string Oli_Capture(const std::function<void(FILE*)>& body)
{
    kovtest::MemFile m;
    if (!m.f) return "<no tmpfile>";
    body(m.f);
    return m.text();
}

std::string Oli_Read_Bytes(const std::string& path) { return kovtest::read_file(path); }

bool Oli_Write_Bytes(const std::string& path, const std::string& bytes) { return kovtest::write_file(path, bytes); }

void Oli_Reset_Writers()
{
    Oli_Para_Reset();
    Oli_Reset_Layout();
    Oli_Reset_Headings();
    Oli_Reset_Tables();
    Oli_Set_Level(338);
}

std::string Oli_Visible(const std::string& bytes)
{
    std::string out;
    for (unsigned char c : bytes) {
        if (c == '\n') {
            out += "\\n\n";
        } else if (c < 0x20 || c >= 0x7F) {
            char b[8];
            std::snprintf(b, sizeof b, "\\x%02X", c);
            out += b;
        } else {
            out += (char)c;
        }
    }
    return out;
}

void Oli_Set_Column(OliColumn& c, const char* title, const char* kind, int width, int decimals, void* data)
{
    std::snprintf(c.title, sizeof c.title, "%s", title);
    std::snprintf(c.kind, sizeof c.kind, "%s", kind);
    c.width = width;
    c.decimals = decimals;
    c.data = data;
}
