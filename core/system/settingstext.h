#pragma once
// The settings file as text: `[section]` headers and `key=value` lines, everything else kept as
// it is. A value is the text after "=" (blanks around it dropped), so ";", "," and "#" are part
// of it. Values that the earlier QSettings-based store wrote still read as they did: a value in
// double quotes loses its quotes, backslash escapes are decoded, "@@" stands for "@".
// Writing changes only the one key's line (or adds it) and keeps every other byte.

#include <QByteArray>
#include <QString>
#include <optional>

namespace SettingsText {

/// The value of the last `key` line in a `[section]`; nothing when there is none.
std::optional<QString> Value(const QByteArray& file, const QString& section, const QString& key);

/// The file with the last `key` line of `[section]` holding `value`: that line is rewritten
/// after its "=", or a line is added at the end of the section, or the section at the end of
/// the file. Every other byte stays.
QByteArray WithValue(const QByteArray& file, const QString& section, const QString& key,
                     const QString& value);

/// One value as read from the text after "=".
QString DecodeValue(QByteArrayView text);
/// One value as written after "=", in the form QSettings writes it, so older releases read it too.
QByteArray EncodeValue(const QString& value);

} // namespace SettingsText
