// The start-up settings read from the store with their defaults, and the texts that store flags and numbers.
#include "core/formats/startsettings.h"

#include "core/system/host.h"
#include "core/system/numbertext.h"

namespace StartSettings {

namespace {

std::optional<int16_t> readInt16(Host& host, const QString& key)
{
    const QString text = host.GetSetting(key, QString());
    if (!NumberText::StartsWithNumber(text))
        return std::nullopt;
    return NumberText::ToInt16(NumberText::Val(text));
}

} // namespace

bool ReadUseSavedStartPosition(Host& host)
{
    return ReadFlag(host, UseSavedStartPosition);
}

bool ReadFlag(Host& host, const QString& key)
{
    const QString text = host.GetSetting(key, QStringLiteral("False")).trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (NumberText::StartsWithNumber(text))
        return NumberText::Val(text) != 0;
    return false;
}

std::optional<int16_t> ReadPosition(Host& host, const QString& key)
{
    // A missing edge reads as 0 like any text without a number: closing the window at the left
    // edge writes only the other one.
    return NumberText::ToInt16(NumberText::Val(host.GetSetting(key, QString())));
}

std::optional<int> ReadSize(Host& host, const QString& key)
{
    // A million twips is some 66,000 pixels: beyond that the text was never a size we wrote.
    constexpr int Largest = 1'000'000;
    const QString text = host.GetSetting(key, QString()).trimmed();
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value <= 0 || value > Largest)
        return std::nullopt;
    return value;
}

int16_t ReadStartFolderMode(Host& host)
{
    const std::optional<int16_t> mode = readInt16(host, UseDefaultPath);
    return mode && *mode >= 0 && *mode <= 2 ? *mode : int16_t(0);
}

QString ReadText(Host& host, const QString& key)
{
    return host.GetSetting(key, QString());
}

int16_t ReadFavoFile(Host& host)
{
    const std::optional<int16_t> file = readInt16(host, DefaultFavoFile);
    return file && *file >= 1 && *file <= 5 ? *file : int16_t(1);
}

QString FlagText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString IntText(int value)
{
    return QString::number(value);
}

} // namespace StartSettings
