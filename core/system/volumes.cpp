// The mount table read as text, labels from /dev/disk/by-label, and which volume holds a path.
#include "core/system/volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/statvfs.h>

namespace {

// The mount table writes a space, tab, newline or backslash in a path as "\ooo" (octal).
QString unescapeOctal(const QByteArray& field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code < 256) {
                bytes.append(char(code));
                i += 3;
                continue;
            }
        }
        bytes.append(field[i]);
    }
    return QString::fromUtf8(bytes);
}

// udev writes characters unsafe in a file name as "\xNN".
QString unescapeHex(const QString& name)
{
    const QByteArray bytes = name.toUtf8();
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' && i + 3 < bytes.size() && bytes[i + 1] == 'x') {
            bool ok = false;
            const int code = bytes.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out.append(char(code));
                i += 3;
                continue;
            }
        }
        out.append(bytes[i]);
    }
    return QString::fromUtf8(out);
}

} // namespace

namespace Volumes {

std::vector<Mount> ParseMountInfo(const QByteArray& text)
{
    std::vector<Mount> mounts;
    for (const QByteArray& line : text.split('\n')) {
        // "36 35 98:0 /root /mount/point options [optional fields] - fstype source superoptions"
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-");
        if (fields.size() < 5 || separator < 5 || separator + 2 >= fields.size())
            continue;
        mounts.push_back({unescapeOctal(fields[4]), QString::fromUtf8(fields[separator + 1]),
                          unescapeOctal(fields[separator + 2])});
    }
    return mounts;
}

std::vector<Mount> Mounted()
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return {};
    return ParseMountInfo(table.readAll());
}

QHash<QString, QString> LabelsByDevice()
{
    QHash<QString, QString> labels;
    const QDir byLabel(QStringLiteral("/dev/disk/by-label"));
    for (const QFileInfo& link : byLabel.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        labels.insert(link.canonicalFilePath(), unescapeHex(link.fileName()));
    return labels;
}

bool Holds(const QString& mountPoint, const QString& path)
{
    if (mountPoint == QLatin1String("/"))
        return path.startsWith(mountPoint);
    return path == mountPoint ||
           (path.startsWith(mountPoint) && path.at(mountPoint.size()) == QLatin1Char('/'));
}

QString MountPointOf(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    QString best = QStringLiteral("/");
    for (const Mount& mount : Mounted()) {
        if (Holds(mount.mountPoint, clean) && mount.mountPoint.size() > best.size())
            best = mount.mountPoint;
    }
    return best;
}

} // namespace Volumes

Volumes::Space Volumes::SpaceOf(const QString& mountPoint)
{
    struct statvfs info = {};
    if (statvfs(QFile::encodeName(mountPoint).constData(), &info) != 0)
        return {};
    const auto block = qint64(info.f_frsize ? info.f_frsize : info.f_bsize);
    return {true, qint64(info.f_blocks) * block, qint64(info.f_bavail) * block};
}
