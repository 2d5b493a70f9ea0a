#pragma once
// Numbers as the program stores them: plain decimal text, "." before any fraction, and text
// read by taking the number at its start (blanks skipped, no number reads as 0).

#include <QString>
#include <cstdint>
#include <optional>

namespace NumberText {
/// The number at the start of a text; 0 when there is none.
double Val(const QString& text);
/// Whether the text starts with a number at all (after blanks).
bool StartsWithNumber(const QString& text);
/// Rounds half to even into a 16-bit integer; nothing when out of range.
std::optional<int16_t> ToInt16(double value);
} // namespace NumberText
