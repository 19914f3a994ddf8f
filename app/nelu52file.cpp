// The input file of a position (format version 3) and its annex-name file.
//
// The input file is text in the Windows code page 1252, one record a line,
// values separated by one blank. Doubles are written like "%g" in the C locale
// whatever locale the process runs in; a file is replaced only when its new
// version is complete.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <locale.h>
#include <unistd.h>

#include <QStringList>

#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "base/kovmsg.h"
#include "base/kovtxt.h"
#include "nad/nadactive.h"
#include "nad/nadselect.h"
#include "platform/kovcp.h"
#include "platform/kovfilefailure.h"
#include "platform/kovhost.h"
#include "platform/kovreplace.h"
#include "platform/kovpath.h"

namespace {

enum { LINE_MAX_BYTES = 4096 };

// ---- writing ---------------------------------------------------------------------

QByteArray Num(double v)
{
    static locale_t c_locale = newlocale(LC_ALL_MASK, "C", (locale_t)0);
    char buf[64];
    locale_t old = c_locale ? uselocale(c_locale) : (locale_t)0;
    std::snprintf(buf, sizeof buf, "%g", v);
    if (c_locale) uselocale(old);
    return QByteArray(buf);
}

QByteArray Num(int v) { return QByteArray::number(v); }

// One line of values separated by single blanks.
template <typename... T>
void Line(QByteArray& out, T... values)
{
    QByteArray line;
    for (const QByteArray& v : {Num(values)...}) {
        if (!line.isEmpty()) line += ' ';
        line += v;
    }
    out += line;
    out += '\n';
}

// A text on a line of its own: a line break inside it would shift every later
// line of the file, so it becomes a blank.
void Text_Line(QByteArray& out, const QString& text)
{
    QByteArray bytes = qstring_to_system8(text);
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    out += bytes;
    out += '\n';
}

// ---- reading ---------------------------------------------------------------------

// The line being read (counted from 1) and the first line of the file that
// held a number that is no finite value ("nan", "inf"), which is read as 0.
int g_line = 0;
int g_nonfinite_line = 0;

// Reads one line of at most LINE_MAX_BYTES - 1 bytes (the rest of a longer line
// is consumed) without its line end ("\n" or "\r\n"). false at the end of the
// file.
bool Read_Line(FILE* f, QString* text)
{
    char buf[LINE_MAX_BYTES];
    if (!Txt_Get_Line(buf, sizeof buf, f)) return false;
    ++g_line;
    size_t n = std::strlen(buf);
    if (n > 0 && buf[n - 1] == '\r') buf[--n] = '\0';
    *text = qstring_from_system8(QByteArray(buf, (int)n));
    return true;
}

// The parts of the next line when it has exactly n of them; an empty list for a
// line with another count and at the end of the file.
QStringList Read_Parts(FILE* f, int n)
{
    QString line;
    if (!Read_Line(f, &line)) return QStringList();
    QStringList parts = line.split(QLatin1Char(' '), Qt::KeepEmptyParts);
    if (parts.size() != n) return QStringList();
    return parts;
}

int To_Int(const QString& s)
{
    bool ok = false;
    const int v = s.toInt(&ok, 10);
    return ok ? v : 0;
}

double To_Double(const QString& s)
{
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (ok && !std::isfinite(v) && g_nonfinite_line == 0) g_nonfinite_line = g_line;
    return ok && std::isfinite(v) ? v : 0.0;
}

// An input file that was there but could not be read as an input file of a
// known version (no access, or a first line that is no version 1 to 3). The
// form then shows defaults; before a save replaces that file, its bytes are
// kept as "<name>.bak", so that a damaged or newer file is never lost.
std::string g_unread_input;
// The message of the last write that failed.
QString g_write_failure;

// Replaces the file by what fill writes; a failure leaves its message.
bool replace_file(const char* name, const std::function<bool(FILE*)>& fill)
{
    errno = 0;
    const int rc = Kov_Replace_File(name, fill);
    const int err = errno;
    if (rc == KOV_REPLACE_OK) return true;
    g_write_failure = QString::fromStdString(Kov_Write_Failure_Text(name, rc, err));
    return false;
}

void Keep_Unread_Input(const char* input_file)
{
    if (g_unread_input.empty() || Kov_Path(input_file) != g_unread_input) return;
    const std::string backup = g_unread_input + ".bak";
    if (::access(g_unread_input.c_str(), F_OK) != 0 || KOVCopyFile(g_unread_input.c_str(), backup.c_str(), 0))
        g_unread_input.clear();
}

} // namespace



// ---- NELU52_DATA -------------------------------------------------------------------------

int NELU52_DATA::write_data()
{
    return write_file(nelu52_inp_name, nelu52_nad_name);
}

int NELU52_DATA::read_data()
{
    return read_file(nelu52_inp_name, nelu52_nad_name);
}

int NELU52_DATA::write_file(const char* input_file, const char* annex_file)
{
    if (!input_file || !*input_file) return 1;
    QByteArray out;
    Line(out, 3);
    Line(out, holzart_sw, holzguete_sw, nkl, typ);
    Line(out, balken_b, balken_hG, strebe_leff, balken_hD, balken_tv1, balken_tv2, gamma);
    Line(out, lasten.size());
    for (const LoadCase& lc : lasten) {
        Text_Line(out, lc.name);
        // The sill's forces twice: in the order of the load table (N, M, V) and
        // in the order N, V, M.
        Line(out, lc.nd_strebe, lc.nd_schwelle, lc.md_schwelle, lc.vd_schwelle, lc.nd_schwelle, lc.vd_schwelle,
             lc.md_schwelle, lc.kled, lc.kmod);
    }
    Line(out, graf_breite, graf_hoehe, masstab_optimal);
    Line(out, ausfuehrlich, grafik);
    Line(out, nw_biegung, nw_schub, nw_strebe, cal_auto);
    Line(out, mit_kh_sw);
    Line(out, import_zov, import_mat, import_geo, linkes_schnittufer);
    Line(out, nk_zov, max_tv1, max_tv2);
    Text_Line(out, lagesicherung_text);
    Line(out, lagesicherung_bolzen, querschnittsschwaechung, d_bolzen, stirn_gleich);
    Line(out, holzart_st, holzguete_st, mit_kh_st, st_wie_sw);

    Keep_Unread_Input(input_file);
    g_write_failure.clear();
    const bool written = replace_file(input_file, [&out](FILE* f) {
        return std::fwrite(out.constData(), 1, (size_t)out.size(), f) == (size_t)out.size();
    });
    if (!written) return 1;

    if (annex_file && *annex_file) {
        const bool annex_written = replace_file(annex_file, [](FILE* f) {
            Nad_Write_Activ_Nadname(f);
            return std::fputs("0\n", f) >= 0;
        });
        if (!annex_written) return 2;
    }
    return 0;
}

QString NELU52_DATA::write_failure()
{
    return g_write_failure;
}

int NELU52_DATA::read_file(const char* input_file, const char* annex_file)
{
    Nad_Publish_Active_Blocks();

    g_unread_input.clear();
    FILE* f = input_file && *input_file ? Kov_Fopen(input_file, "rb") : nullptr;
    if (!f) {
        if (input_file && *input_file && ::access(Kov_Path(input_file).c_str(), F_OK) == 0)
            g_unread_input = Kov_Path(input_file);
        return 1;
    }

    g_line = 0;
    g_nonfinite_line = 0;
    QString line;
    const int version = Read_Line(f, &line) ? To_Int(line.trimmed()) : 0;
    if (version < 1 || version > 3) g_unread_input = Kov_Path(input_file);

    QStringList p = Read_Parts(f, 4);
    if (!p.isEmpty()) {
        holzart_sw = To_Int(p[0]);
        holzguete_sw = To_Int(p[1]);
        nkl = To_Int(p[2]);
        typ = To_Int(p[3]);
        if (nkl < 1 || nkl > 3) nkl = 1;
    }
    p = Read_Parts(f, 7);
    if (!p.isEmpty()) {
        balken_b = To_Double(p[0]);
        balken_hG = To_Double(p[1]);
        strebe_leff = To_Double(p[2]);
        balken_hD = To_Double(p[3]);
        balken_tv1 = To_Double(p[4]);
        balken_tv2 = To_Double(p[5]);
        gamma = To_Double(p[6]);
    }

    lasten.clear();
    const int n = Read_Line(f, &line) ? To_Int(line.trimmed()) : 0;
    // The count is only a promise: reading stops at the end of the file.
    for (int i = 0; i < n; ++i) {
        LoadCase lc;
        if (!Read_Line(f, &lc.name)) break;
        p = Read_Parts(f, 9);
        if (p.isEmpty()) continue;
        lc.nd_strebe = To_Double(p[0]);
        lc.nd_schwelle = To_Double(p[1]);
        lc.md_schwelle = To_Double(p[2]);
        lc.vd_schwelle = To_Double(p[3]);
        lc.kled = To_Int(p[7]);
        lc.kmod = To_Double(p[8]);
        lasten.append(lc);
    }

    p = Read_Parts(f, 3);
    if (!p.isEmpty()) {
        graf_breite = To_Double(p[0]);
        graf_hoehe = To_Double(p[1]);
        masstab_optimal = To_Int(p[2]);
    }
    p = Read_Parts(f, 2);
    if (!p.isEmpty()) {
        ausfuehrlich = To_Int(p[0]);
        grafik = To_Int(p[1]);
    }
    p = Read_Parts(f, 4);
    if (!p.isEmpty()) {
        nw_biegung = To_Int(p[0]);
        nw_schub = To_Int(p[1]);
        nw_strebe = To_Int(p[2]);
        cal_auto = To_Int(p[3]);
    }
    p = Read_Parts(f, 1);
    if (!p.isEmpty()) mit_kh_sw = To_Int(p[0]);
    p = Read_Parts(f, 4);
    if (!p.isEmpty()) {
        import_zov = To_Int(p[0]);
        import_mat = To_Int(p[1]);
        import_geo = To_Int(p[2]);
        linkes_schnittufer = To_Int(p[3]);
    }
    p = Read_Parts(f, 3);
    if (!p.isEmpty()) {
        nk_zov = To_Int(p[0]);
        max_tv1 = To_Int(p[1]);
        max_tv2 = To_Int(p[2]);
    }
    if (version > 1) {
        if (Read_Line(f, &line)) lagesicherung_text = line;
        p = Read_Parts(f, 4);
        if (!p.isEmpty()) {
            lagesicherung_bolzen = To_Int(p[0]);
            querschnittsschwaechung = To_Int(p[1]);
            d_bolzen = To_Double(p[2]);
            stirn_gleich = To_Int(p[3]);
        }
    }
    if (version > 2) {
        p = Read_Parts(f, 4);
        if (!p.isEmpty()) {
            holzart_st = To_Int(p[0]);
            holzguete_st = To_Int(p[1]);
            mit_kh_st = To_Int(p[2]);
            st_wie_sw = To_Int(p[3]);
        }
    }
    std::fclose(f);
    // A damaged value must not pass unnoticed: after the next save it would be
    // an ordinary 0.
    if (g_nonfinite_line > 0)
        Msg_Warnung(-1, "Die Eingabedatei %s %s %d %s", input_file, cp850("enthält in Zeile"), g_nonfinite_line,
                    cp850("einen ungültigen Zahlenwert; er wurde durch 0 ersetzt"));

    FILE* a = annex_file && *annex_file ? Kov_Fopen(annex_file, "rb") : nullptr;
    if (a) {
        Nad_Read_Activ_Nadname(a);
        std::fclose(a);
        Nad_Publish_Active_Blocks();
    }
    return 0;
}
