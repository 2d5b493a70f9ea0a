#pragma once
// Contrast between text and its background as the web accessibility guidelines measure it, and
// the text colour that reads best on a fixed background.

#include <QColor>

namespace Contrast {

/// The least contrast that text needs to be read comfortably.
constexpr double ReadableRatio = 4.5;

/// The relative luminance of a colour, 0 for black to 1 for white.
double Luminance(const QColor& color);
/// The contrast ratio of two colours, from 1 (none) to 21 (black on white).
double Ratio(const QColor& a, const QColor& b);
/// Black or white, whichever contrasts more with `background`.
QColor TextOn(const QColor& background);

} // namespace Contrast
