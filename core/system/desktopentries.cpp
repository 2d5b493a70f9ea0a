// Reading desktop entry files and MIME associations, and turning an Exec line into a program and arguments.
#include "core/system/desktopentries.h"

#include "core/system/regularfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <map>

namespace DesktopEntries {

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

// A string value's escapes: \s \n \t \r \\ (any other backslash stays for the Exec rules).
QString unescape(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case '\\':
            out += QLatin1Char('\\');
            break;
        default:
            out += c;
            out += next;
        }
    }
    return out;
}

// The keys of each group of a desktop-style key file. QSettings would take the "/" of a MIME
// type key for a group separator and ";" for the start of a comment.
using KeyFile = QHash<QString, QHash<QString, QString>>;

KeyFile readKeyFile(const QString& file)
{
    KeyFile groups;
    // A FIFO or a device among the desktop's files must not hang or flood the program.
    const RegularFileRead read = ReadRegularFile(file, qint64{1024} * 1024);
    if (read.status != RegularFileRead::Ok)
        return groups;
    QHash<QString, QString>* group = nullptr;
    for (const QByteArray& raw : read.bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = &groups[line.mid(1, line.size() - 2)];
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (group && eq > 0) {
            const QString key = line.left(eq).trimmed();
            // The first of a repeated key counts, as in the desktop's own readers.
            if (!group->contains(key))
                group->insert(key, unescape(line.mid(eq + 1).trimmed()));
        }
    }
    return groups;
}

QStringList list(const QString& value)
{
    QStringList items;
    for (const QString& item : value.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    return items;
}

QStringList mimeAppsFiles()
{
    QStringList files{configHome() + QStringLiteral("/mimeapps.list")};
    for (const QString& dir : envDirs("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")))
        files << dir + QStringLiteral("/mimeapps.list");
    files << dataHome() + QStringLiteral("/applications/mimeapps.list");
    for (const QString& dir : envDirs("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")))
        files << dir + QStringLiteral("/applications/mimeapps.list");
    return files;
}

void appendNew(QStringList& to, const QStringList& ids)
{
    for (const QString& id : ids)
        if (!to.contains(id))
            to << id;
}

// Splits an Exec line into words: blanks separate, double quotes group, a backslash inside
// quotes escapes the next character. `quotedWords` tells which words held quotes.
QStringList execWords(const QString& exec, QList<bool>* quotedWords = nullptr)
{
    QStringList words;
    QList<bool> wasQuoted;
    QString word;
    bool quoted = false;
    bool inWord = false;
    bool hadQuotes = false;
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
            quoted = inWord = hadQuotes = true;
        } else if (c.isSpace()) {
            if (inWord) {
                words << word;
                wasQuoted << hadQuotes;
            }
            word.clear();
            inWord = hadQuotes = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        return {};
    if (inWord) {
        words << word;
        wasQuoted << hadQuotes;
    }
    if (quotedWords)
        *quotedWords = wasQuoted;
    return words;
}

bool isFieldCode(QChar code)
{
    return code == u'f' || code == u'F' || code == u'u' || code == u'U';
}

// A shell whose "-c" takes a script: a name spliced into it would run as commands.
bool isShell(const QString& program)
{
    static const QStringList shells{QStringLiteral("sh"),  QStringLiteral("bash"),   QStringLiteral("dash"),
                                    QStringLiteral("zsh"), QStringLiteral("ksh"),    QStringLiteral("mksh"),
                                    QStringLiteral("ash"), QStringLiteral("busybox")};
    return shells.contains(QFileInfo(program).fileName());
}

bool isUrl(const QString& target)
{
    const QUrl url(target, QUrl::StrictMode);
    return !target.startsWith(QLatin1Char('/')) && url.isValid() && url.scheme().size() > 1;
}

bool installed(const Entry& entry)
{
    if (!entry.tryExec.isEmpty()) {
        const QString found = entry.tryExec.contains(QLatin1Char('/'))
                                  ? (QFileInfo(entry.tryExec).isExecutable() ? entry.tryExec : QString())
                                  : QStandardPaths::findExecutable(entry.tryExec);
        if (found.isEmpty())
            return false;
    }
    return !FromExecLine(entry.exec, QStringLiteral("/")).program.isEmpty();
}

bool startable(const Entry& entry)
{
    return !entry.hidden && !entry.terminal &&
           (entry.type.isEmpty() || entry.type == QLatin1String("Application")) && installed(entry);
}

// Every entry of the applications folders by id, the first folder winning for an id.
std::map<QString, Entry> allEntries(bool swedish)
{
    std::map<QString, Entry> entries;
    for (const QString& dir : ApplicationDirs()) {
        QDirIterator files(dir, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next();
            QString id = file.mid(dir.size() + 1);
            id.replace(QLatin1Char('/'), QLatin1Char('-'));
            if (entries.count(id))
                continue;
            Entry entry = Read(file, swedish);
            if (entry.id.isEmpty())
                continue;
            entry.id = id;
            entries.emplace(id, std::move(entry));
        }
    }
    return entries;
}

void sortByName(std::vector<Entry>& entries)
{
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name.compare(b.name, Qt::CaseInsensitive) < 0; });
}

} // namespace

QStringList ApplicationDirs()
{
    QStringList dirs{dataHome() + QStringLiteral("/applications")};
    for (const QString& dir : envDirs("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")))
        dirs << dir + QStringLiteral("/applications");
    return dirs;
}

Entry Read(const QString& file, bool swedish)
{
    const KeyFile groups = readKeyFile(file);
    const auto group = groups.find(QStringLiteral("Desktop Entry"));
    if (group == groups.end())
        return {};
    const QHash<QString, QString>& keys = *group;
    Entry entry;
    entry.id = QFileInfo(file).fileName();
    entry.file = file;
    entry.name = keys.value(QStringLiteral("Name"));
    if (swedish) {
        for (const char* key : {"Name[sv_SE]", "Name[sv]"}) {
            const QString localized = keys.value(QString::fromLatin1(key));
            if (!localized.isEmpty()) {
                entry.name = localized;
                break;
            }
        }
    }
    entry.exec = keys.value(QStringLiteral("Exec"));
    entry.tryExec = keys.value(QStringLiteral("TryExec"));
    entry.type = keys.value(QStringLiteral("Type"));
    entry.icon = keys.value(QStringLiteral("Icon"));
    entry.noDisplay =
        keys.value(QStringLiteral("NoDisplay")).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    entry.mimeTypes = list(keys.value(QStringLiteral("MimeType")));
    entry.terminal =
        keys.value(QStringLiteral("Terminal")).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    entry.hidden =
        keys.value(QStringLiteral("Hidden")).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    if (entry.name.isEmpty())
        entry.name = QFileInfo(file).completeBaseName();
    return entry;
}

QString FindFile(const QString& id)
{
    for (const QString& dir : ApplicationDirs()) {
        // An id "vendor-app.desktop" may also live as vendor/app.desktop.
        for (const QString& candidate : {id, QString(id).replace(QLatin1Char('-'), QLatin1Char('/'))}) {
            QString path = dir + QLatin1Char('/') + candidate;
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return {};
}

QStringList DefaultApplications(const QString& mimeType)
{
    QStringList ids;
    for (const QString& file : mimeAppsFiles())
        appendNew(ids, list(readKeyFile(file).value(QStringLiteral("Default Applications")).value(mimeType)));
    return ids;
}

std::vector<Entry> ApplicationsFor(const QStringList& mimeTypes, bool swedish)
{
    // The associations the user and the system chose, then those that the entries declare.
    QStringList chosen;
    QSet<QString> removed;
    for (const QString& mimeType : mimeTypes) {
        QStringList defaults;
        QStringList added;
        for (const QString& file : mimeAppsFiles()) {
            const KeyFile groups = readKeyFile(file);
            appendNew(defaults, list(groups.value(QStringLiteral("Default Applications")).value(mimeType)));
            appendNew(added, list(groups.value(QStringLiteral("Added Associations")).value(mimeType)));
            for (const QString& id :
                 list(groups.value(QStringLiteral("Removed Associations")).value(mimeType)))
                removed.insert(id);
        }
        appendNew(chosen, defaults);
        appendNew(chosen, added);
    }

    const std::map<QString, Entry> entries = allEntries(swedish);
    QStringList declaring;
    for (const QString& dir : ApplicationDirs()) {
        const KeyFile cache = readKeyFile(dir + QStringLiteral("/mimeinfo.cache"));
        for (const QString& mimeType : mimeTypes)
            appendNew(declaring, list(cache.value(QStringLiteral("MIME Cache")).value(mimeType)));
    }
    for (const auto& [id, entry] : entries)
        for (const QString& mimeType : mimeTypes)
            if (entry.mimeTypes.contains(mimeType) && !declaring.contains(id))
                declaring << id;

    const auto usable = [&entries](const QString& id) -> const Entry* {
        const auto found = entries.find(id);
        return found != entries.end() && startable(found->second) ? &found->second : nullptr;
    };

    std::vector<Entry> result;
    QSet<QString> taken;
    for (const QString& id : chosen) {
        if (const Entry* entry = usable(id); entry && !taken.contains(id)) {
            result.push_back(*entry);
            taken.insert(id);
        }
    }
    std::vector<Entry> others;
    for (const QString& id : declaring) {
        if (removed.contains(id) || taken.contains(id))
            continue;
        if (const Entry* entry = usable(id)) {
            others.push_back(*entry);
            taken.insert(id);
        }
    }
    sortByName(others);
    result.insert(result.end(), others.begin(), others.end());
    return result;
}

std::vector<Entry> ApplicationsTaking(Takes takes, const QStringList& except, bool swedish)
{
    const QStringList codes = takes == Takes::Files ? QStringList{QStringLiteral("%f"), QStringLiteral("%F"),
                                                                  QStringLiteral("%u"), QStringLiteral("%U")}
                                                    : QStringList{QStringLiteral("%u"), QStringLiteral("%U")};
    std::vector<Entry> result;
    for (const auto& [id, entry] : allEntries(swedish)) {
        if (entry.noDisplay || except.contains(id) || !startable(entry))
            continue;
        const QStringList words = execWords(entry.exec);
        if (std::any_of(words.begin() + std::min<qsizetype>(1, words.size()), words.end(),
                        [&codes](const QString& word) {
                            return std::any_of(codes.begin(), codes.end(),
                                               [&word](const QString& code) { return word.contains(code); });
                        }))
            result.push_back(entry);
    }
    sortByName(result);
    return result;
}

Command FromExecLine(const QString& exec, const QString& target)
{
    QList<bool> quoted;
    QStringList words = execWords(exec, &quoted);
    if (words.isEmpty())
        return {};
    // The script of "sh -c" as the last word: its codes become "$1", the target its argument.
    const qsizetype script =
        words.size() >= 3 && isShell(words.first()) && words.at(words.size() - 2) == QLatin1String("-c")
            ? words.size() - 1
            : -1;
    bool scriptTakesTarget = false;
    const bool url = isUrl(target);
    const QString& asFile = target;
    const QString asUrl = url ? target : QUrl::fromLocalFile(target).toString(QUrl::FullyEncoded);
    QStringList arguments;
    bool targetGiven = false;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (word == QLatin1String("%f") || word == QLatin1String("%F")) {
            arguments << asFile;
            targetGiven = true;
            continue;
        }
        if (word == QLatin1String("%u") || word == QLatin1String("%U")) {
            arguments << asUrl;
            targetGiven = true;
            continue;
        }
        // Codes inside a word: the target's ones filled in, the others (%i, %c, %k and the
        // deprecated ones) stand for nothing we pass.
        QString filled;
        for (qsizetype at = 0; at < word.size(); ++at) {
            if (word.at(at) != QLatin1Char('%') || at + 1 == word.size()) {
                filled += word.at(at);
                continue;
            }
            const QChar code = word.at(++at);
            if (code == QLatin1Char('%')) {
                filled += code;
            } else if (isFieldCode(code) && i == script) {
                filled += QStringLiteral("\"$1\"");
                scriptTakesTarget = targetGiven = true;
            } else if (isFieldCode(code) && quoted.value(i)) {
                // Not allowed by the format, and no way to tell what the program makes of it.
                Command refused;
                refused.unsafe = true;
                return refused;
            } else if (code == QLatin1Char('f') || code == QLatin1Char('F')) {
                filled += asFile;
                targetGiven = true;
            } else if (code == QLatin1Char('u') || code == QLatin1Char('U')) {
                filled += asUrl;
                targetGiven = true;
            }
        }
        if (!filled.isEmpty() || !word.startsWith(QLatin1Char('%')))
            arguments << filled;
    }
    if (scriptTakesTarget)
        arguments << QStringLiteral("sh")
                  << (words.at(script).contains(QLatin1String("%u")) ||
                              words.at(script).contains(QLatin1String("%U"))
                          ? asUrl
                          : asFile);
    if (!targetGiven)
        arguments << target;
    const QString& first = words.first();
    const QString program =
        first.contains(QLatin1Char('/'))
            ? (QFileInfo(first).isFile() && QFileInfo(first).isExecutable() ? first : QString())
            : QStandardPaths::findExecutable(first);
    if (program.isEmpty())
        return {};
    return {program, arguments};
}

} // namespace DesktopEntries
