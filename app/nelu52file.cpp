// The input file of a position (format version 3) and its annex-name file.
//
// The input file is text in the Windows code page 1252, one record a line,
// values separated by one blank. Doubles are written like "%g" in the C locale
// whatever locale the process runs in; a file is replaced only when its new
// version is complete.
#include <cerrno>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <locale.h>
#include <string>
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
#include "platform/kovlocale.h"
#include "platform/kovpath.h"
#include "platform/kovreplace.h"

namespace {

enum { LINE_MAX_BYTES = 4096 };

// ---- writing ---------------------------------------------------------------------

QByteArray Num(double v)
{
    char buf[64];
    {
        KovCLocaleScope c_locale;
        std::snprintf(buf, sizeof buf, "%g", v);
    }
    return QByteArray(buf);
}

QByteArray Num(int v) { return QByteArray::number(v); }

// One line of values separated by single blanks.
template <typename... T> void Line(QByteArray& out, T... values)
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

// Reads the input file line by line and notes, in German, every place where
// it could not take what the file holds: a line that is missing or has another
// number of values, a value that is no finite number, a code outside its
// range. The member then keeps the value it had, and the note says which.
class Reader {
public:
    Reader(FILE* f, QStringList* problems) : f_(f), problems_(problems) {}

    int line() const { return line_; }

    // Reads one line of at most LINE_MAX_BYTES - 1 bytes (the rest of a longer
    // line is consumed) without its line end ("\n" or "\r\n"). false at the
    // end of the file; what then is not there is named once.
    bool Next(QString* text, const char* what)
    {
        char buf[LINE_MAX_BYTES];
        if (ended_ || !Txt_Get_Line(buf, sizeof buf, f_)) {
            if (!ended_)
                Note(QString::fromUtf8("Zeile %1 fehlt, die Datei endet vorher; %2 und alle folgenden Angaben "
                                       "bleiben bei ihren Vorgaben")
                         .arg(line_ + 1)
                         .arg(QString::fromUtf8(what)));
            ended_ = true;
            return false;
        }
        ++line_;
        size_t n = std::strlen(buf);
        if (n > 0 && buf[n - 1] == '\r') buf[--n] = '\0';
        *text = qstring_from_system8(QByteArray(buf, (int)n));
        return true;
    }

    // The parts of the next line when it has exactly n of them; an empty list
    // for a line with another count and at the end of the file.
    QStringList Parts(int n, const char* what, const char* instead = "bleiben bei ihren Vorgaben")
    {
        QString line;
        if (!Next(&line, what)) return QStringList();
        QStringList parts = line.split(QLatin1Char(' '), Qt::KeepEmptyParts);
        if (parts.size() != n) {
            Note(QString::fromUtf8("Zeile %1 hat %2 statt %3 Werte; %4 %5")
                     .arg(line_)
                     .arg(parts.size())
                     .arg(n)
                     .arg(QString::fromUtf8(what))
                     .arg(QString::fromUtf8(instead)));
            return QStringList();
        }
        return parts;
    }

    // A double of the current line; a text that is no finite number leaves
    // the member as it was.
    void Dbl(const QString& s, const char* field, double* member)
    {
        bool ok = false;
        const double v = s.toDouble(&ok);
        if (ok && std::isfinite(v))
            *member = v;
        else
            Bad(s, field, Num(*member));
    }

    // An integer of the current line within lo..hi.
    void Int(const QString& s, const char* field, int* member, int lo = INT_MIN, int hi = INT_MAX)
    {
        bool ok = false;
        const int v = s.toInt(&ok, 10);
        if (!ok) {
            Bad(s, field, Num(*member));
        } else if (v < lo || v > hi) {
            Note(QString::fromUtf8("Zeile %1: %2 für %3 liegt außerhalb von %4 bis %5; verwendet wird %6")
                     .arg(line_)
                     .arg(v)
                     .arg(QString::fromUtf8(field))
                     .arg(lo)
                     .arg(hi)
                     .arg(*member));
        } else {
            *member = v;
        }
    }

    void Note(const QString& text) { problems_->append(text); }

private:
    void Bad(const QString& s, const char* field, const QByteArray& used)
    {
        const QString what = s.isEmpty() ? QString::fromUtf8("kein Wert")
                                         : QString::fromUtf8("„%1“ ist keine gültige Zahl").arg(s.left(40));
        Note(QString::fromUtf8("Zeile %1: %2 für %3; verwendet wird %4")
                 .arg(line_)
                 .arg(what)
                 .arg(QString::fromUtf8(field))
                 .arg(QString::fromLatin1(used)));
    }

    FILE* f_;
    QStringList* problems_;
    int line_ = 0;
    bool ended_ = false;
};

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

// The load combinations: their count, then a name line and a line of values
// for each; a damaged combination is noted and left out.
void read_load_cases(Reader& r, QVector<LoadCase>& lasten)
{
    lasten.clear();
    QString line;
    QStringList p;
    int n = 0;
    if (r.Next(&line, "die Lastkombinationen")) {
        const QString count = line.trimmed();
        bool ok = false;
        n = count.toInt(&ok, 10);
        if (!ok || n < 0) {
            r.Note(QString::fromUtf8("Zeile %1: „%2“ ist keine Anzahl von Lastkombinationen; es wird keine gelesen")
                       .arg(r.line())
                       .arg(count.left(40)));
            n = 0;
        }
    }
    const int count_line = r.line();
    // The count is only a promise: reading stops at the end of the file.
    for (int i = 0; i < n; ++i) {
        LoadCase lc;
        if (!r.Next(&lc.name, "die Lastkombinationen")) {
            r.Note(QString::fromUtf8("Zeile %1 nennt %2 Lastkombinationen, gelesen wurden %3")
                       .arg(count_line)
                       .arg(n)
                       .arg(lasten.size()));
            break;
        }
        const QByteArray what = QString::fromUtf8("die Lastkombination „%1“").arg(lc.name.left(80)).toUtf8();
        p = r.Parts(9, what.constData(), "wird nicht gelesen");
        if (p.isEmpty()) continue;
        r.Dbl(p[0], "N_d der Strebe", &lc.nd_strebe);
        r.Dbl(p[1], "N_d der Schwelle", &lc.nd_schwelle);
        r.Dbl(p[2], "M_d der Schwelle", &lc.md_schwelle);
        r.Dbl(p[3], "V_d der Schwelle", &lc.vd_schwelle);
        r.Int(p[7], "die Lasteinwirkungsdauer", &lc.kled, 0, 8);
        r.Dbl(p[8], "k_mod", &lc.kmod);
        // EN 1995-1-1 Table 3.1 has no k_mod above 1.10; a "frei" row with one
        // is kept as the file holds it (the checks do not verify it).
        if (lc.kled == 8 && !(lc.kmod > 0.0 && lc.kmod <= 1.1))
            r.Note(QString::fromUtf8("Zeile %1: k_mod = %2 der Lastkombination „%3“ liegt nicht im Bereich "
                                     "über 0 bis 1,10; die Kombination wird nicht nachgewiesen")
                       .arg(r.line())
                       .arg(QString::fromLatin1(Num(lc.kmod)))
                       .arg(lc.name.left(80)));
        lasten.append(lc);
    }
}

} // namespace

// ---- NELU52_DATA -------------------------------------------------------------------------

int NELU52_DATA::write_data() { return write_file(nelu52_inp_name, nelu52_nad_name); }

int NELU52_DATA::read_data() { return read_file(nelu52_inp_name, nelu52_nad_name); }

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

QString NELU52_DATA::write_failure() { return g_write_failure; }

int NELU52_DATA::read_file(const char* input_file, const char* annex_file)
{
    Nad_Publish_Active_Blocks();

    g_unread_input.clear();
    read_problems.clear();
    FILE* f = input_file && *input_file ? Kov_Fopen(input_file, "rb") : nullptr;
    if (!f) {
        if (input_file && *input_file && ::access(Kov_Path(input_file).c_str(), F_OK) == 0)
            g_unread_input = Kov_Path(input_file);
        return 1;
    }

    Reader r(f, &read_problems);
    QString line;
    int version = 0;
    if (r.Next(&line, "die Formatversion")) {
        bool ok = false;
        version = line.trimmed().toInt(&ok, 10);
        if (!ok || version < 1 || version > 3) {
            r.Note(QString::fromUtf8("Zeile 1: „%1“ ist keine bekannte Formatversion (1 bis 3)").arg(line.left(40)));
            version = ok ? version : 0;
        }
    }
    if (version < 1 || version > 3) g_unread_input = Kov_Path(input_file);

    QStringList p = r.Parts(4, "Holzart und Holzgüte der Schwelle, Nutzungsklasse und Bauteiltyp");
    if (!p.isEmpty()) {
        r.Int(p[0], "die Holzart der Schwelle", &holzart_sw, 0, 3);
        r.Int(p[1], "die Holzgüte der Schwelle", &holzguete_sw, 0, INT_MAX);
        r.Int(p[2], "die Nutzungsklasse", &nkl, 1, 3);
        r.Int(p[3], "den Bauteiltyp", &typ, 0, 3);
    }
    p = r.Parts(7, "die Abmessungen und der Winkel");
    if (!p.isEmpty()) {
        r.Dbl(p[0], "b", &balken_b);
        r.Dbl(p[1], "h_G", &balken_hG);
        r.Dbl(p[2], "l_eff", &strebe_leff);
        r.Dbl(p[3], "h_D", &balken_hD);
        r.Dbl(p[4], "t_v1", &balken_tv1);
        r.Dbl(p[5], "t_v2", &balken_tv2);
        r.Dbl(p[6], "den Winkel gamma", &gamma);
    }

    read_load_cases(r, lasten);

    p = r.Parts(3, "die Grafikmaße");
    if (!p.isEmpty()) {
        r.Dbl(p[0], "die Grafikbreite", &graf_breite);
        r.Dbl(p[1], "die Grafikhöhe", &graf_hoehe);
        r.Int(p[2], "den optimalen Maßstab", &masstab_optimal);
    }
    p = r.Parts(2, "die Ausgabeoptionen");
    if (!p.isEmpty()) {
        r.Int(p[0], "die ausführliche Ausgabe", &ausfuehrlich);
        r.Int(p[1], "die Grafik in der Liste", &grafik);
    }
    p = r.Parts(4, "die Nachweisschalter");
    if (!p.isEmpty()) {
        r.Int(p[0], "den Nachweis Biegung", &nw_biegung);
        r.Int(p[1], "den Nachweis Querkraft", &nw_schub);
        r.Int(p[2], "den Nachweis der Strebe", &nw_strebe);
        r.Int(p[3], "„automatisch rechnen“", &cal_auto);
    }
    p = r.Parts(1, "der Schalter k_h der Schwelle", "bleibt bei seiner Vorgabe");
    if (!p.isEmpty()) r.Int(p[0], "k_h der Schwelle", &mit_kh_sw);
    p = r.Parts(4, "die Importschalter und das Schnittufer");
    if (!p.isEmpty()) {
        r.Int(p[0], "den Schnittgrößenimport", &import_zov);
        r.Int(p[1], "den Materialimport", &import_mat);
        r.Int(p[2], "den Querschnittsimport", &import_geo);
        r.Int(p[3], "das Schnittufer", &linkes_schnittufer);
    }
    p = r.Parts(3, "die Nachkommastellen und die Max-Schalter");
    if (!p.isEmpty()) {
        r.Int(p[0], "die Nachkommastellen", &nk_zov);
        r.Int(p[1], "Max t_v1", &max_tv1);
        r.Int(p[2], "Max t_v2", &max_tv2);
    }
    if (version > 1) {
        if (r.Next(&line, "der Text der Lagesicherung")) lagesicherung_text = line;
        p = r.Parts(4, "die Lagesicherung");
        if (!p.isEmpty()) {
            r.Int(p[0], "die Lagesicherung durch Bolzen", &lagesicherung_bolzen);
            r.Int(p[1], "die Querschnittsschwächung", &querschnittsschwaechung);
            r.Dbl(p[2], "den Bolzendurchmesser", &d_bolzen);
            r.Int(p[3], "die Seite des Stirnversatzes", &stirn_gleich);
        }
    }
    if (version > 2) {
        p = r.Parts(4, "das Holz der Strebe");
        if (!p.isEmpty()) {
            r.Int(p[0], "die Holzart der Strebe", &holzart_st, 0, 3);
            r.Int(p[1], "die Holzgüte der Strebe", &holzguete_st, 0, INT_MAX);
            r.Int(p[2], "k_h der Strebe", &mit_kh_st);
            r.Int(p[3], "„Strebe wie Schwelle“", &st_wie_sw);
        }
    }
    std::fclose(f);
    // A damaged file is kept as "<name>.bak" when a save replaces it.
    if (!read_problems.isEmpty()) g_unread_input = Kov_Path(input_file);

    FILE* a = annex_file && *annex_file ? Kov_Fopen(annex_file, "rb") : nullptr;
    if (a) {
        Nad_Read_Activ_Nadname(a);
        std::fclose(a);
        Nad_Publish_Active_Blocks();
    }
    return read_problems.isEmpty() ? 0 : 2;
}

const char NELU52_READ_PROBLEMS_TITLE[] = "Eingabedatei beschädigt";

QString nelu52_read_problems_text(const char* file, const QStringList& problems, bool calculated)
{
    const QString name = QString::fromLocal8Bit(file ? file : "");
    QString text = calculated
                       ? QString::fromUtf8("Die Eingabedatei %1 ist beschädigt. Sie bleibt unverändert, bis "
                                           "Sie die Daten sichern; gerechnet wird mit den genannten Werten:")
                             .arg(name)
                       : QString::fromUtf8("Die Eingabedatei %1 ist beschädigt; es wird nicht gerechnet:").arg(name);
    for (const QString& p : problems) text += QStringLiteral("\n") + p;
    return text;
}
