// Reader of connection descriptions.
#include "connections/conndesc.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

enum FieldKind { F_INT, F_DOUBLE };

struct Field {
    const char* name;
    FieldKind kind;
    size_t offset;
};

#define FI(n) {#n, F_INT, offsetof(ConnectionInput, n)}
#define FD(n) {#n, F_DOUBLE, offsetof(ConnectionInput, n)}
const Field kFields[] = {
    FI(type), FI(product), FI(predrilled), FI(no_clearance), FI(thread_in_shear_plane), FI(n_fasteners),
    FI(dimension_check_switch), FI(douglas_fir), FI(wide_edge_distances), FI(steel_grade), FI(service_class1),
    FI(service_class2), FI(duration), FI(core_hole), FI(bolt_hole_clearance), FD(d), FD(d_inner), FD(d_work),
    FD(d_head), FD(length), FD(thread_length), FD(d_bolt), FI(shear_planes), FI(method), FI(raise_a),
    FI(rope_effect), FI(raise_b), FI(kind1), FI(kind2), FI(grade1), FI(grade2), FI(resin_coated), FI(head_rule),
    FI(variant), FD(t1), FD(t2), FD(alpha1), FD(alpha2), FD(crown_angle1), FD(crown_angle2), FD(axis_angle),
    FD(moisture_at_driving), FD(gamma_m1), FD(gamma_m2), FD(gamma_m_fastener), FD(washer_diameter), FD(fu),
    FD(kmod_given), FI(result_in_kN), FI(kmod_from_materials), FI(bolt_washer_side), FI(group_effect),
};
#undef FI
#undef FD

#define PI(n) {#n, F_INT, offsetof(UserScrewProduct, n)}
#define PD(n) {#n, F_DOUBLE, offsetof(UserScrewProduct, n)}
const Field kProductFields[] = {
    PI(sub_type), PI(thread_layout), PI(product_class), PI(variant), PI(has_washer), PD(d), PD(d_head),
    PD(d_inner), PD(length), PD(head_thread_length), PD(thread_length), PD(washer_diameter), PD(axis_angle),
};
#undef PI
#undef PD

const Field kUserFields[] = {
    {"rho_k", F_DOUBLE, offsetof(UserMaterial, rho_k)},
    {"f_c_90_k", F_DOUBLE, offsetof(UserMaterial, f_c_90_k)},
};

const Field kLawFields[] = {
    {"c", F_DOUBLE, offsetof(UserEmbedmentLaw, c)},         {"e_d", F_DOUBLE, offsetof(UserEmbedmentLaw, e_d)},
    {"e_t", F_DOUBLE, offsetof(UserEmbedmentLaw, e_t)},     {"e_rho", F_DOUBLE, offsetof(UserEmbedmentLaw, e_rho)},
    {"active", F_INT, offsetof(UserEmbedmentLaw, active)},
};

template <size_t N> const Field* Find(const Field (&table)[N], const std::string& name)
{
    for (const Field& f : table)
        if (name == f.name) return &f;
    return nullptr;
}

std::string Trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

// The whole text must be the number.
bool Convert(const std::string& text, FieldKind kind, void* target)
{
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    if (kind == F_INT) {
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
    if (message && size) std::snprintf(message, size, "%s: %.60s", reason, what.c_str());
    return 1;
}

} // namespace

int Conn_Read_Description(const char* text, size_t size, ConnectionInput* in, int* bad_line, char* message,
                          size_t message_size)
{
    if (message && message_size) message[0] = '\0';
    if (bad_line) *bad_line = 0;
    if (!in) return 1;
    std::memset(in, 0, sizeof *in);
    in->steel_grade = -1;
    in->shear_planes = 1;
    if (!text) return 0;
    size_t pos = 0;
    int line_no = 0;
    while (pos < size) {
        size_t end = pos;
        while (end < size && text[end] != '\n') ++end;
        ++line_no;
        std::string line(text + pos, end - pos);
        pos = end + 1;
        if (line.size() > 500) return Fail(line_no, bad_line, message, message_size, "line too long", "");
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        line = Trim(line);
        if (line.empty()) continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos) return Fail(line_no, bad_line, message, message_size, "no '='", line);
        const std::string name = Trim(line.substr(0, eq));
        const std::string value = Trim(line.substr(eq + 1));
        const Field* f = nullptr;
        char* base = nullptr;
        if (name.compare(0, 4, "p43.") == 0 || name.compare(0, 4, "p44.") == 0) {
            f = Find(kProductFields, name.substr(4));
            base = reinterpret_cast<char*>(name[2] == '3' ? &in->assy_product : &in->spax_product);
        } else if (name.compare(0, 5, "user.") == 0) {
            f = Find(kUserFields, name.substr(5));
            base = reinterpret_cast<char*>(&in->user_material);
        } else if (name.compare(0, 4, "law.") == 0) {
            f = Find(kLawFields, name.substr(4));
            base = reinterpret_cast<char*>(&in->embedment_law);
        } else {
            f = Find(kFields, name);
            base = reinterpret_cast<char*>(in);
        }
        if (!f) return Fail(line_no, bad_line, message, message_size, "unknown field", name);
        if (!Convert(value, f->kind, base + f->offset))
            return Fail(line_no, bad_line, message, message_size, "bad number", value);
    }
    return 0;
}
