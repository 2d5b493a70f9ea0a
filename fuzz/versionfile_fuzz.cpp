// The update check's version-file reader on any bytes a server might send: it never fails, an
// item it finds names the program, and the version read from it is never both newer and older.

#include "core/formats/favofile.h"
#include "core/formats/versionfile.h"

#include <QByteArray>
#include <QString>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = DecodeFavoText(bytes);

    // No more items than delimiters allow.
    const QStringList items = VersionFile::Items(text);
    qsizetype delimiters = 0;
    for (const QChar c : text)
        delimiters += c == u',' || c == u'\r' || c == u'\n';
    check(items.size() <= delimiters + 1);

    const std::optional<QString> item = VersionFile::FindProgramItem(bytes, QStringLiteral("Wayfolder"));
    if (!item)
        return 0;
    check(item->contains(QLatin1String("wayfolder"), Qt::CaseInsensitive));
    const QString newest = VersionFile::NewestVersionText(*item);
    check(item->endsWith(newest));
    const QString running = QStringLiteral("2.7");
    check(!(VersionFile::IsNewer(newest, running) && VersionFile::IsNewer(running, newest)));
    return 0;
}
