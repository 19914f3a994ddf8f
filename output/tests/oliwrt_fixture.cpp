#include "oliwrt_fixture.h"

#include <cstdlib>
#include <cstring>

#include "output/iolipara.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"

std::string Oli_Capture(const std::function<void(FILE*)>& body)
{
    FILE* f = std::tmpfile();
    if (!f) return "<no tmpfile>";
    body(f);
    std::fflush(f);
    std::rewind(f);
    std::string bytes;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);
    return bytes;
}

std::string Oli_Read_Bytes(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return "";
    std::string bytes;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);
    return bytes;
}

bool Oli_Write_Bytes(const std::string& path, const std::string& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::string Oli_Make_Temp_Dir()
{
    const char* base = std::getenv("TMPDIR");
    std::string templ = std::string(base && *base ? base : "/tmp") + "/oliwrt-XXXXXX";
    char* dir = mkdtemp(&templ[0]);
    return dir ? std::string(dir) : std::string();
}

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
