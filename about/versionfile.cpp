#include "about/versionfile.h"

#include "favorites/favofile.h"
#include "platform/numbertext.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDelimiter(QChar c)
{
    return c == u',' || c == u'\r' || c == u'\n';
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
    return NumberText::Val(newestVersion) > NumberText::Val(appVersion);
}

} // namespace VersionFile
