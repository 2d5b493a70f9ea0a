// Sizes and times of change as the details columns show them.
#include "core/toolkit/filecolumns.h"

#include "core/toolkit/bilingual.h"

#include <QDateTime>
#include <QLocale>

namespace FileColumns {

namespace {

constexpr Bilingual Captions[Count] = {
    {u"Name", u"Namn"},
    {u"Size", u"Storlek"},
    {u"Modified", u"Ändrad"},
};
constexpr Bilingual OneByte{u"1 byte", u"1 byte"};
constexpr Bilingual Bytes{u" bytes", u" byte"};
constexpr const char16_t* Units[] = {u" kB", u" MB", u" GB", u" TB", u" PB", u" EB"};

const QLocale& localeFor(bool swedish)
{
    static const QLocale english = [] {
        const QLocale system = QLocale::system();
        return system.language() == QLocale::English ? system : QLocale(QLocale::English);
    }();
    static const QLocale swedishLocale = [] {
        const QLocale system = QLocale::system();
        return system.language() == QLocale::Swedish ? system : QLocale(QLocale::Swedish, QLocale::Sweden);
    }();
    return swedish ? swedishLocale : english;
}

} // namespace

QString Caption(Column column, bool swedish)
{
    return Captions[static_cast<int>(column)].text(swedish);
}

QString SizeText(uint64_t bytes, bool swedish)
{
    if (bytes == 1)
        return OneByte.text(swedish);
    if (bytes < 1000)
        return QString::number(bytes) + Bytes.text(swedish);
    // In tenths, rounded half up; a size that rounds to a thousand units shows in the next one.
    unsigned __int128 unit = 1000;
    size_t index = 0;
    unsigned __int128 tenths = 0;
    for (;; unit *= 1000, ++index) {
        tenths = (static_cast<unsigned __int128>(bytes) * 10 + unit / 2) / unit;
        if (tenths < 10000 || index + 1 == std::size(Units))
            break;
    }
    const auto whole = static_cast<unsigned>(tenths / 10);
    const auto tenth = static_cast<unsigned>(tenths % 10);
    return QString::number(whole) + (swedish ? u',' : u'.') + QString::number(tenth) +
           QString::fromUtf16(Units[index]);
}

QString ModifiedText(int64_t milliseconds, bool swedish)
{
    return localeFor(swedish).toString(QDateTime::fromMSecsSinceEpoch(milliseconds).toLocalTime(),
                                       QLocale::ShortFormat);
}

} // namespace FileColumns
