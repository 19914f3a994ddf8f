// Reads and writes the INI files of the main window's settings without QSettings, so that one
// damaged value costs only itself: bytes, colours and fonts as stored variants.
#include "app/gui/settingsfile.h"

#include <cstdio>
#include <cstring>

#include <QDataStream>
#include <QPair>

#include "platform/kovpath.h"
#include "platform/kovreplace.h"

namespace {

// The type numbers that QDataStream writes before a stored variant.
enum : quint32 { TYPE_QFONT = 64, TYPE_QCOLOR = 67 };
// Settings files are a few hundred bytes; a longer one is no settings file.
enum { MAX_FILE_BYTES = 1 << 20 };

bool hex_digit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

int hex_value(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
}

void chop_trailing_spaces(QString& s, int limit)
{
    int n = s.size();
    while (n > limit && (s.at(n - 1) == QLatin1Char(' ') || s.at(n - 1) == QLatin1Char('\t'))) --n;
    s.truncate(n);
}

// A value with QSettings' escapes undone: quotes, "\n", "\x41", "\101" and a
// backslash before a line end. false when it is a list (an unquoted comma).
bool unescape(const QByteArray& raw, QString* out)
{
    QString s;
    bool quoted = false;
    bool in_quotes = false;
    int i = 0;
    const int n = raw.size();
    auto skip_spaces = [&] {
        while (i < n && (raw[i] == ' ' || raw[i] == '\t')) ++i;
    };
    skip_spaces();
    int chop_limit = 0;
    while (i < n) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= n) break;
            const char e = raw[i++];
            const char* simple = std::strchr("abfnrtv\"?'\\", e);
            if (e != '\0' && simple) {
                static const char kCodes[] = "\a\b\f\n\r\t\v\"?'\\";
                s += QLatin1Char(kCodes[simple - "abfnrtv\"?'\\"]);
                continue;
            }
            if (e == 'x' || (e >= '0' && e <= '7')) {
                int value = 0;
                if (e == 'x') {
                    // "\x" without a digit stands for nothing.
                    if (i >= n || !hex_digit(raw[i])) continue;
                    while (i < n && hex_digit(raw[i])) value = ((value << 4) + hex_value(raw[i++])) & 0xffff;
                } else {
                    value = e - '0';
                    while (i < n && raw[i] >= '0' && raw[i] <= '7') value = ((value << 3) + (raw[i++] - '0')) & 0xffff;
                }
                s += QChar(ushort(value));
            } else if ((e == '\n' || e == '\r') && i < n && (raw[i] == '\n' || raw[i] == '\r') && raw[i] != e) {
                ++i;
            }
            chop_limit = s.size();
            continue;
        }
        if (c == '"') {
            ++i;
            quoted = true;
            in_quotes = !in_quotes;
            if (!in_quotes) skip_spaces();
            continue;
        }
        if (c == ',' && !in_quotes) return false;
        s += QLatin1Char(c);
        ++i;
    }
    if (!quoted) chop_trailing_spaces(s, chop_limit);
    *out = s;
    return true;
}

// The bytes of a "@Variant(...)" value: a stored type number, then the value.
bool variant_bytes(const QString& value, quint32 type, QByteArray* bytes)
{
    const QLatin1String head("@Variant(");
    if (!value.startsWith(head) || !value.endsWith(QLatin1Char(')'))) return false;
    const QString inner = value.mid(head.size(), value.size() - head.size() - 1);
    for (const QChar ch : inner)
        if (ch.unicode() > 0xff) return false;
    const QByteArray b = inner.toLatin1();
    if (b.size() < 4) return false;
    const quint32 stored = (quint32(uchar(b[0])) << 24) | (quint32(uchar(b[1])) << 16) | (quint32(uchar(b[2])) << 8) |
                           quint32(uchar(b[3]));
    if (stored != type) return false;
    *bytes = b.mid(4);
    return true;
}

QByteArray escape(const QString& value)
{
    QByteArray out;
    bool needs_quotes = false;
    bool escape_next_if_digit = false;
    for (const QChar qc : value) {
        const uint ch = qc.unicode();
        if (ch == ';' || ch == ',' || ch == '=') needs_quotes = true;
        if (escape_next_if_digit && ch < 0x80 && hex_digit(char(ch))) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escape_next_if_digit = false;
        switch (ch) {
            case '\0':
                out += "\\0";
                escape_next_if_digit = true;
                break;
            case '\a': out += "\\a"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\v': out += "\\v"; break;
            case '"':
            case '\\':
                out += '\\';
                out += char(ch);
                break;
            default:
                if (ch <= 0x1f || ch >= 0x7f) {
                    out += "\\x" + QByteArray::number(ch, 16);
                    escape_next_if_digit = true;
                } else {
                    out += char(ch);
                }
        }
    }
    if (needs_quotes || out.startsWith(' ') || out.endsWith(' ')) out = '"' + out + '"';
    return out;
}

} // namespace

QMap<QString, QString> Settings_File_Read(const char* name)
{
    QMap<QString, QString> values;
    FILE* f = name && *name ? Kov_Fopen(name, "rb") : nullptr;
    if (!f) return values;
    QByteArray text;
    char buf[4096];
    size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, f)) > 0 && text.size() < MAX_FILE_BYTES) text.append(buf, int(got));
    std::fclose(f);

    bool general = true;
    int pos = 0;
    while (pos < text.size()) {
        // One line; a backslash before the line end continues it.
        int end = pos;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') {
            if (text[end] == '\\' && end + 1 < text.size()) ++end;
            ++end;
        }
        const QByteArray line = text.mid(pos, end - pos);
        pos = end + 1;
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(';')) continue;
        if (trimmed.startsWith('[')) {
            const int close = trimmed.indexOf(']');
            const QByteArray section = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
            general = section.compare("General", Qt::CaseInsensitive) == 0;
            continue;
        }
        const int eq = line.indexOf('=');
        if (!general || eq <= 0) continue;
        const QString key = QString::fromLatin1(line.left(eq).trimmed());
        QString value;
        if (unescape(line.mid(eq + 1), &value))
            values.insert(key, value.startsWith(QLatin1String("@@")) ? value.mid(1) : value);
        else
            values.remove(key);
    }
    return values;
}

bool Settings_Value_Colour(const QString& value, QColor* colour)
{
    QByteArray b;
    if (variant_bytes(value, TYPE_QCOLOR, &b)) {
        // colour model (1 byte), alpha, three components and a padding word (2 bytes
        // each); only the colour models Rgb, Hsv, Cmyk, Hsl and ExtendedRgb are colours.
        if (b.size() < 11) return false;
        const int model = qint8(b[0]);
        if (model < int(QColor::Rgb) || model > int(QColor::ExtendedRgb)) return false;
        QDataStream in(b);
        in.setVersion(QDataStream::Qt_4_0);
        QColor c;
        in >> c;
        if (in.status() != QDataStream::Ok || !c.isValid()) return false;
        *colour = c;
        return true;
    }
    if (value.startsWith(QLatin1Char('@'))) return false;
    const QColor c(value.trimmed());
    if (!c.isValid()) return false;
    *colour = c;
    return true;
}

bool Settings_Value_Font(const QString& value, QFont* font)
{
    QByteArray b;
    if (variant_bytes(value, TYPE_QFONT, &b)) {
        QDataStream in(b);
        in.setVersion(QDataStream::Qt_4_0);
        QFont f;
        in >> f;
        if (in.status() != QDataStream::Ok) return false;
        *font = f;
        return true;
    }
    if (value.isEmpty() || value.startsWith(QLatin1Char('@'))) return false;
    QFont f;
    if (!f.fromString(value)) return false;
    *font = f;
    return true;
}

bool Settings_Value_Bytes(const QString& value, QByteArray* bytes)
{
    const QLatin1String head("@ByteArray(");
    if (!value.startsWith(head) || !value.endsWith(QLatin1Char(')'))) return false;
    *bytes = value.mid(head.size(), value.size() - head.size() - 1).toLatin1();
    return true;
}

QString Settings_Font_Value(const QFont& font) { return font.toString(); }

QString Settings_Colour_Value(const QColor& colour) { return colour.name(QColor::HexRgb); }

QString Settings_Bytes_Value(const QByteArray& bytes)
{
    return QLatin1String("@ByteArray(") + QString::fromLatin1(bytes.constData(), bytes.size()) + QLatin1Char(')');
}

bool Settings_File_Write(const char* name, const QList<QPair<QString, QString>>& values)
{
    QByteArray text = "[General]\n";
    for (const QPair<QString, QString>& kv : values) {
        // A text value starting with "@" is marked as QSettings marks it.
        const QString& v = kv.second;
        const bool typed = v.startsWith(QLatin1String("@ByteArray(")) || v.startsWith(QLatin1String("@Variant("));
        text += kv.first.toLatin1() + '=' +
                escape(!typed && v.startsWith(QLatin1Char('@')) ? QStringLiteral("@") + v : v) + '\n';
    }
    return Kov_Replace_File(name, [&text](FILE* f) {
               return std::fwrite(text.constData(), 1, size_t(text.size()), f) == size_t(text.size());
           }) == KOV_REPLACE_OK;
}
