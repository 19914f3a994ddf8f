#pragma once
// The INI files of the main window's settings, read and written without
// QSettings: QSettings turns every "@Variant(...)" value of a section into an
// object when any key of it is asked for, and its reader of a colour takes the
// stored colour-model byte unchecked, so one damaged colour would take the whole file
// (and its next save) into undefined behaviour. Here only the few known keys
// are decoded, each checked before Qt's stream readers see it; the files stay
// in the layout QSettings reads and writes (section "[General]", its escapes,
// "@Variant(", "@ByteArray(").
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QMap>
#include <QString>

// The unescaped values of the keys of section "[General]" (and of keys before
// any section). A key whose value is a list (unquoted commas) is left out.
// Empty when the file cannot be read.
QMap<QString, QString> Settings_File_Read(const char* name);

// A colour value: "@Variant(...)" holding a colour with a valid colour model, or a
// colour name ("#rrggbb"). false for anything else.
bool Settings_Value_Colour(const QString& value, QColor* colour);
// A font value: "@Variant(...)" holding a font, or a font description
// ("Family,11,-1,5,50,0,0,0,0,0"). false for anything else.
bool Settings_Value_Font(const QString& value, QFont* font);
// A "@ByteArray(...)" value; false for anything else.
bool Settings_Value_Bytes(const QString& value, QByteArray* bytes);

// Values as written: a font as its description, a colour as its name, bytes as
// "@ByteArray(...)", escaped and quoted as QSettings does.
QString Settings_Font_Value(const QFont& font);
QString Settings_Colour_Value(const QColor& colour);
QString Settings_Bytes_Value(const QByteArray& bytes);

// Writes "[General]" and the keys in the given order through the platform's
// file replacement; false when the file could not be replaced.
bool Settings_File_Write(const char* name, const QList<QPair<QString, QString>>& values);
