// The temporary home of a test and its removal by the names' bytes.

#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <fcntl.h>
#include <ftw.h>
#include <unistd.h>

// Put back afterwards; a test may point the last two at folders of its own.
static const char* const kEnvNames[6] = {"HOME",           "XDG_DATA_HOME", "XDG_CONFIG_HOME",
                                         "XDG_CACHE_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"};

TempFolder::TempFolder()
{
    for (int i = 0; i < 6; ++i)
        m_savedEnv[i] = qgetenv(kEnvNames[i]);
    QDir().mkpath(home());
    QDir().mkpath(path(QStringLiteral("home/.local/share")));
    qputenv("HOME", home().toUtf8());
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_CACHE_HOME");
}

TempFolder::~TempFolder()
{
    // QDir cannot remove a name it cannot decode: the tree goes by its bytes, deepest first.
    nftw(
        QFile::encodeName(m_dir.path()).constData(),
        [](const char* path, const struct stat*, int type, FTW*) {
            return type == FTW_DP ? rmdir(path) : unlink(path);
        },
        16, FTW_DEPTH | FTW_PHYS);
    for (int i = 0; i < 6; ++i) {
        if (m_savedEnv[i].isNull())
            qunsetenv(kEnvNames[i]);
        else
            qputenv(kEnvNames[i], m_savedEnv[i]);
    }
}

QString TempFolder::path(const QString& relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.path() + QLatin1Char('/') + relative;
}

QString TempFolder::makeFolder(const QString& relative) const
{
    QDir().mkpath(path(relative));
    return path(relative);
}

QString TempFolder::writeFile(const QString& relative, const QByteArray& bytes) const
{
    QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return full;
}

QByteArray TempFolder::touch(const QByteArray& relative) const
{
    QByteArray full = QFile::encodeName(path()) + '/' + relative;
    const int fd = ::open(full.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
    return full;
}

QByteArray TempFolder::readFile(const QString& relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempFolder::exists(const QString& relative) const
{
    return QFileInfo::exists(path(relative));
}
