// Reading the web server's version file: its items, the one naming this program, and comparing versions.
#include "core/formats/versionfile.h"

#include "core/formats/favofile.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDelimiter(QChar c)
{
    return c == u',' || c == u'\r' || c == u'\n';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The leading decimal number of a text as its digits, so that no length of number loses
// magnitude: the whole part without leading zeros, the fraction without trailing zeros.
struct DecimalDigits
{
    bool negative = false;
    QStringView whole;
    QStringView fraction;

    static DecimalDigits Of(const QString& text)
    {
        DecimalDigits number;
        const QStringView view(text);
        qsizetype i = 0;
        while (i < view.size() && isBlank(view[i]))
            ++i;
        if (i < view.size() && (view[i] == u'-' || view[i] == u'+'))
            number.negative = view[i++] == u'-';
        qsizetype start = i;
        while (i < view.size() && isAsciiDigit(view[i]))
            ++i;
        qsizetype wholeEnd = i;
        while (start < wholeEnd && view[start] == u'0')
            ++start;
        number.whole = view.mid(start, wholeEnd - start);
        if (i < view.size() && view[i] == u'.') {
            const qsizetype fractionStart = ++i;
            while (i < view.size() && isAsciiDigit(view[i]))
                ++i;
            qsizetype end = i;
            while (end > fractionStart && view[end - 1] == u'0')
                --end;
            number.fraction = view.mid(fractionStart, end - fractionStart);
        }
        // No number at all, and any form of zero, is plain 0.
        if (number.whole.isEmpty() && number.fraction.isEmpty())
            number.negative = false;
        return number;
    }
};

int compareMagnitude(const DecimalDigits& a, const DecimalDigits& b)
{
    if (a.whole.size() != b.whole.size())
        return a.whole.size() < b.whole.size() ? -1 : 1;
    if (const int whole = a.whole.compare(b.whole); whole != 0)
        return whole < 0 ? -1 : 1;
    // Digit by digit; without trailing zeros the shorter fraction is the smaller one.
    const int fraction = a.fraction.compare(b.fraction);
    return fraction < 0 ? -1 : fraction > 0 ? 1 : 0;
}

int compareDecimal(const DecimalDigits& a, const DecimalDigits& b)
{
    if (a.negative != b.negative)
        return a.negative ? -1 : 1;
    const int magnitude = compareMagnitude(a, b);
    return a.negative ? -magnitude : magnitude;
}

} // namespace

namespace VersionFile {

QStringList Items(const QString& text)
{
    QStringList items;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && isBlank(text[i]))
            ++i;
        QString item;
        if (i < n && text[i] == u'"') {
            qsizetype close = text.indexOf(u'"', i + 1);
            if (close < 0)
                close = n;
            item = text.mid(i + 1, close - i - 1);
            i = close + 1;
            while (i < n && !isDelimiter(text[i]))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && !isDelimiter(text[i]))
                ++i;
            qsizetype end = i;
            while (end > start && isBlank(text[end - 1]))
                --end;
            item = text.mid(start, end - start);
        }
        items.append(item);
        if (i < n) {
            // The delimiter; CR LF is one line end.
            if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            ++i;
        }
    }
    return items;
}

std::optional<QString> FindProgramItem(const QByteArray& bytes, const QString& title)
{
    const QString wanted = title.toLower();
    for (const QString& item : Items(DecodeFavoText(bytes))) {
        if (item.toLower().contains(wanted))
            return item;
    }
    return std::nullopt;
}

QString NewestVersionText(const QString& item)
{
    const qsizetype colon = item.indexOf(u':');
    return colon < 0 ? item : item.mid(colon + 1);
}

bool IsNewer(const QString& newestVersion, const QString& appVersion)
{
    return compareDecimal(DecimalDigits::Of(newestVersion), DecimalDigits::Of(appVersion)) > 0;
}

} // namespace VersionFile
