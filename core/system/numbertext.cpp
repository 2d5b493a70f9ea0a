// Reading the number at the start of a stored text, and rounding a number into 16 bits.
#include "core/system/numbertext.h"

#include <cmath>

namespace {

// Length of the leading number (after blanks) and its value, read with "." as the decimal point
// whatever the locale.
qsizetype scanNumber(const QString& text, double* value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    qsizetype digits = i - digitsStart;
    if (i < n && text[i] == QLatin1Char('.')) {
        const qsizetype fracStart = ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        digits += i - fracStart;
    }
    if (digits == 0)
        return 0;
    if (value) {
        bool ok = false;
        *value = QStringView(text).mid(start, i - start).toString().toDouble(&ok);
        if (!ok)
            *value = 0;
    }
    return i - start;
}

} // namespace

namespace NumberText {

double Val(const QString& text)
{
    double value = 0;
    return scanNumber(text, &value) ? value : 0;
}

bool StartsWithNumber(const QString& text)
{
    return scanNumber(text, nullptr) > 0;
}

std::optional<int16_t> ToInt16(double value)
{
    const double rounded = std::nearbyint(value); // the default rounding mode is half to even
    if (!std::isfinite(rounded) || rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

} // namespace NumberText
