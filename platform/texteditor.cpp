#include "platform/texteditor.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

namespace TextEditor {

namespace {

QStringList envDirs(const char* variable, const QString& fallback)
{
    QStringList dirs;
    for (const QString& dir :
         qEnvironmentVariable(variable, fallback).split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(dir))
            dirs << QDir::cleanPath(dir);
    return dirs;
}

QString home()
{
    const QString value = qEnvironmentVariable("HOME");
    return value.isEmpty() ? QDir::homePath() : value;
}

QString configHome()
{
    const QString value = qEnvironmentVariable("XDG_CONFIG_HOME");
    return QDir::isAbsolutePath(value) ? value : home() + QStringLiteral("/.config");
}

QString dataHome()
{
    const QString value = qEnvironmentVariable("XDG_DATA_HOME");
    return QDir::isAbsolutePath(value) ? value : home() + QStringLiteral("/.local/share");
}

QStringList applicationDirs()
{
    QStringList dirs{dataHome() + QStringLiteral("/applications")};
    for (const QString& dir : envDirs("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")))
        dirs << dir + QStringLiteral("/applications");
    return dirs;
}

// Reads one key of one group of a desktop-style key file; QSettings would take the "/" of a
// MIME type key for a group separator and ";" for the start of a comment.
QString keyFileValue(const QString& file, const QString& group, const QString& key)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inEntry = false;
    while (!in.atEnd()) {
        const QString line = QString::fromUtf8(in.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1Char('[') + group + QLatin1Char(']');
            continue;
        }
        if (!inEntry)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed() == key)
            return line.mid(eq + 1).trimmed();
    }
    return {};
}

QString findDesktopFile(const QString& id)
{
    for (const QString& dir : applicationDirs()) {
        // An id "vendor-app.desktop" may also live as vendor/app.desktop.
        for (const QString& candidate : {id, QString(id).replace(QLatin1Char('-'), QLatin1Char('/'))}) {
            QString path = dir + QLatin1Char('/') + candidate;
            if (QFile::exists(path))
                return path;
        }
    }
    return {};
}

Command fromDesktopEntry(const QString& id, const QString& filePath)
{
    const QString file = findDesktopFile(id);
    if (file.isEmpty())
        return {};
    const QString entry = QStringLiteral("Desktop Entry");
    if (keyFileValue(file, entry, QStringLiteral("Terminal"))
            .compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return {};
    return FromExecLine(keyFileValue(file, entry, QStringLiteral("Exec")), filePath);
}

// Splits an Exec line into words: blanks separate, double quotes group, a backslash inside
// quotes escapes the next character.
QStringList execWords(const QString& exec)
{
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size())
                word += exec.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                word += c;
        } else if (c == QLatin1Char('"')) {
            quoted = inWord = true;
        } else if (c.isSpace()) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        return {};
    if (inWord)
        words << word;
    return words;
}

} // namespace

Command FromExecLine(const QString& exec, const QString& filePath)
{
    QStringList words = execWords(exec);
    if (words.isEmpty())
        return {};
    QStringList arguments;
    bool fileGiven = false;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (word == QLatin1String("%f") || word == QLatin1String("%F")) {
            arguments << filePath;
            fileGiven = true;
        } else if (word == QLatin1String("%u") || word == QLatin1String("%U")) {
            arguments << QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded);
            fileGiven = true;
        } else if (word.size() == 2 && word.startsWith(QLatin1Char('%'))) {
            continue; // %i, %c, %k and the deprecated codes stand for nothing we pass
        } else {
            arguments << QString(word).replace(QStringLiteral("%%"), QStringLiteral("%"));
        }
    }
    if (!fileGiven)
        arguments << filePath;
    const QString program = QStandardPaths::findExecutable(words.first());
    if (program.isEmpty())
        return {};
    return {program, arguments};
}

QStringList DefaultApplications(const QString& mimeType)
{
    QStringList files{configHome() + QStringLiteral("/mimeapps.list")};
    for (const QString& dir : envDirs("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")))
        files << dir + QStringLiteral("/mimeapps.list");
    files << dataHome() + QStringLiteral("/applications/mimeapps.list");
    for (const QString& dir : envDirs("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")))
        files << dir + QStringLiteral("/applications/mimeapps.list");

    QStringList ids;
    for (const QString& file : files) {
        const QString value = keyFileValue(file, QStringLiteral("Default Applications"), mimeType);
        for (const QString& id : value.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (!ids.contains(id.trimmed()))
                ids << id.trimmed();
    }
    return ids;
}

Command Find(const QString& filePath)
{
    for (const QString& id : DefaultApplications(QStringLiteral("text/plain"))) {
        Command command = fromDesktopEntry(id, filePath);
        if (!command.program.isEmpty())
            return command;
    }
    static const char* const knownEditors[] = {"gnome-text-editor", "gedit", "kate",    "kwrite",
                                               "mousepad",          "xed",   "pluma",   "featherpad",
                                               "leafpad",           "geany", "l3afpad", "xedit"};
    for (const char* editor : knownEditors) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(editor));
        if (!program.isEmpty())
            return {program, {filePath}};
    }
    return {};
}

} // namespace TextEditor
