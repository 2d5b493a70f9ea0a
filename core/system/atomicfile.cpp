// Atomic, checked replacement of a file.

#include "core/system/atomicfile.h"

#include "core/system/regularfile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

QString ResolveFileLinks(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

AtomicWriteResult WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QString target = ResolveFileLinks(path);
    // A rename over a device node or a FIFO would replace it by a regular file.
    if (KindOfFile(target) == FileKind::Other)
        return {false, QStringLiteral("not a regular file: ") + target};

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    // commit() can report success after a short write, so every step is checked here.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        // The file device loses the system's reason for a failed buffered write.
        const int err = errno;
        const QString error = err != 0 ? qt_error_string(err) : file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}
