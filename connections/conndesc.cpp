// Reader of connection descriptions.
#include "connections/conndesc.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "connections/connfields.h"
#include "connections/embedment.h"
#include "materials/matkind.h"

namespace {

std::string Trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

// The whole text must be the number; one decimal comma stands for the point.
bool Convert(std::string text, ConnFieldKind kind, void* target)
{
    if (text.empty()) return false;
    const size_t comma = text.find(',');
    if (comma != std::string::npos) {
        if (kind == CONN_FIELD_INT || text.find(',', comma + 1) != std::string::npos ||
            text.find('.') != std::string::npos)
            return false;
        text[comma] = '.';
    }
    errno = 0;
    char* end = nullptr;
    if (kind == CONN_FIELD_INT) {
        const long v = std::strtol(text.c_str(), &end, 10);
        if (*end || errno || v < -2147483647L || v > 2147483647L) return false;
        *static_cast<int*>(target) = static_cast<int>(v);
    } else {
        const double v = std::strtod(text.c_str(), &end);
        if (*end || errno) return false;
        *static_cast<double*>(target) = v;
    }
    return true;
}

int Fail(int line, int* bad_line, char* message, size_t size, const char* reason, const std::string& what)
{
    if (bad_line) *bad_line = line;
    if (message && size) std::snprintf(message, size, "Zeile %d: %s%.60s", line, reason, what.c_str());
    return 1;
}

// Reads the lines; given[i] tells whether field i of Conn_Fields was set.
int Read(const char* text, size_t size, ConnectionInput* in, std::vector<bool>* given, int* bad_line, char* message,
         size_t message_size)
{
    if (message && message_size) message[0] = '\0';
    if (bad_line) *bad_line = 0;
    if (!in) return 1;
    std::memset(in, 0, sizeof *in);
    in->steel_grade = -1;
    in->shear_planes = 1;
    int count = 0;
    const ConnField* fields = Conn_Fields(&count);
    given->assign(static_cast<size_t>(count), false);
    if (!text) return 0;
    size_t pos = 0;
    int line_no = 0;
    while (pos < size) {
        size_t end = pos;
        while (end < size && text[end] != '\n') ++end;
        ++line_no;
        std::string line(text + pos, end - pos);
        pos = end + 1;
        if (line.size() > 500)
            return Fail(line_no, bad_line, message, message_size, "Zeile länger als 500 Zeichen", "");
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        line = Trim(line);
        if (line.empty()) continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            return Fail(line_no, bad_line, message, message_size, "'=' fehlt (Form: Feld = Wert): ", line);
        const std::string name = Trim(line.substr(0, eq));
        const std::string value = Trim(line.substr(eq + 1));
        const ConnField* f = Conn_Field_Find(name.c_str());
        if (!f) return Fail(line_no, bad_line, message, message_size, "unbekanntes Feld: ", name);
        if (!Convert(value, f->kind, Conn_Field_Address(in, *f))) {
            const char* reason = f->kind == CONN_FIELD_INT ? "ganze Zahl erwartet für " : "Zahl erwartet für ";
            return Fail(line_no, bad_line, message, message_size, reason, name + ": " + value);
        }
        (*given)[static_cast<size_t>(f - fields)] = true;
    }
    return 0;
}

// The fields a design of this input needs, in the order they are asked for.
std::vector<std::string> Required(const ConnectionInput& in, int axial)
{
    std::vector<std::string> need = {"type", "shear_planes", "kind1", "grade1", "t1", "kind2", "grade2", "t2"};
    need.push_back("gamma_m1"); // the axial design value divides by it
    const int type = in.type;
    if (type == FT_ASSY_USER || type == FT_SPAX_USER) {
        const std::string block = type == FT_ASSY_USER ? "p43." : "p44.";
        need.push_back(block + "d");
        need.push_back(block + "length");
    } else {
        need.push_back("d");
        if (Fastener_Is_Pin(type)) need.push_back("length");
    }
    if (Fastener_Is_Connector(type)) need.push_back("product");
    if (Conn_Is_Bolted_Connector(type)) need.push_back("d_bolt");
    if (in.steel_grade < 0 && type != FT_RING_A1 && type != FT_PLATE_B1 && type != FT_SIMPSON_CNA &&
        type != FT_SIMPSON_CSA)
        need.push_back("fu");
    if (in.kmod_from_materials) {
        need.push_back("service_class1");
        need.push_back("service_class2");
        need.push_back("duration");
    } else {
        need.push_back("kmod_given");
    }
    if (!axial) {
        need.push_back("method");
        if (in.method == 2 || Fastener_Is_Connector(type)) need.push_back("gamma_m1");
        if (in.method == 2 || Conn_Is_Bolted_Connector(type)) need.push_back("gamma_m2");
        if (in.method == 2) need.push_back("gamma_m_fastener");
    }
    return need;
}

} // namespace

int Conn_Read_Description(const char* text, size_t size, ConnectionInput* in, int* bad_line, char* message,
                          size_t message_size)
{
    std::vector<bool> given;
    return Read(text, size, in, &given, bad_line, message, message_size);
}

int Conn_Read_Description_Complete(const char* text, size_t size, int axial, ConnectionInput* in, int* bad_line,
                                   char* message, size_t message_size)
{
    std::vector<bool> given;
    if (Read(text, size, in, &given, bad_line, message, message_size)) return 1;
    int count = 0;
    const ConnField* fields = Conn_Fields(&count);
    for (const std::string& name : Required(*in, axial)) {
        const ConnField* f = Conn_Field_Find(name.c_str());
        if (f && given[static_cast<size_t>(f - fields)]) continue;
        if (message && message_size) std::snprintf(message, message_size, "%s fehlt", name.c_str());
        return 1;
    }
    return 0;
}
