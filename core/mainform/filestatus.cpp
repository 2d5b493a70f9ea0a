// The file list's status text: files shown of the folder's total, and the filter, in either language.
#include "core/mainform/filestatus.h"

#include "core/mainform/filestatustexts.h"

#include <QLocale>

namespace FileStatus {

namespace {

QLocale localeOf(bool swedish)
{
    return swedish ? QLocale(QLocale::Swedish, QLocale::Sweden) : QLocale(QLocale::English);
}

} // namespace

QString ReadText(ReadNote note, int files, const QString& folder, bool swedish)
{
    namespace T = FileStatusText;
    const Bilingual& text = note == ReadNote::Reading        ? T::Reading
                            : note == ReadNote::NotAnswering ? T::NotAnswering
                            : note == ReadNote::Failed       ? T::ReadFailed
                                                             : T::ReadStopped;
    QString result = text.text(swedish);
    result.replace(QLatin1String("%1"), localeOf(swedish).toString(files));
    // The folder last, so that a "%" in its name is never taken for a place marker.
    result.replace(QLatin1String("%3"), folder);
    return result;
}

QString Text(bool listed, int shown, int total, bool filtered, const QString& pattern, bool swedish)
{
    namespace T = FileStatusText;
    if (!listed)
        return {};
    if (total == 0)
        return T::EmptyFolder.text(swedish);
    // Thousands grouped as each language writes them: 100,000 and 100 000.
    const QLocale locale = localeOf(swedish);
    QString text;
    if (!filtered)
        text = total == 1 ? T::OneFile.text(swedish) : T::Files.text(swedish);
    else
        text = total == 1 ? T::ShownOfOne.text(swedish) : T::ShownOf.text(swedish);
    text.replace(QLatin1String("%1"), locale.toString(shown));
    text.replace(QLatin1String("%2"), locale.toString(total));
    // The filter comes last, so that a "%" in it is never taken for a place marker.
    if (filtered)
        text += T::FilterBefore.text(swedish) + pattern + T::FilterAfter.toString();
    return text;
}

} // namespace FileStatus
