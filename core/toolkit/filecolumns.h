#pragma once
// The texts of the file list's details columns, in English and Swedish: each column's caption,
// a size in the language's number format, a time of change in the locale's short form.

#include <QString>
#include <cstdint>

namespace FileColumns {

enum class Column
{
    Name,
    Size,
    Modified,
};
inline constexpr int Count = 3;

QString Caption(Column column, bool swedish);
/// Whole bytes below a thousand ("512 bytes"), else one decimal in kB, MB, GB, TB, PB or EB of
/// a thousand each ("1.2 MB", Swedish "1,2 MB").
QString SizeText(uint64_t bytes, bool swedish);
/// Milliseconds since the epoch as local time, short: the system locale's form when the system
/// speaks the language shown, else the language's own.
QString ModifiedText(int64_t milliseconds, bool swedish);

} // namespace FileColumns
