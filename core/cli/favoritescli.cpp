// The favorites command line: option parsing, name lookup, listing and appending.

#include "core/cli/favoritescli.h"

#include "core/cli/favoritesclitexts.h"
#include "core/cli/programoptions.h"
#include "core/dialogs/adddirform.h"
#include "core/dialogs/favodatafiletexts.h"
#include "core/dialogs/storablefavorite.h"
#include "core/formats/favoritesio.h"
#include "core/formats/startsettings.h"
#include "core/system/desktopfolders.h"
#include "core/system/filename.h"
#include "core/system/windowlesshost.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

namespace T = FavoritesCliText;

const QString ListOption = QStringLiteral("list");
const QString PathOption = QStringLiteral("path");
const QString AddOption = QStringLiteral("add");

// Many shell commands may add at once; each holds the lock for one read and one write.
constexpr int AddLockWaitMs = 10000;

bool isCommandArgument(const QString& argument)
{
    for (const QString& option : {ListOption, PathOption, AddOption}) {
        const QString dashed = QStringLiteral("--") + option;
        if (argument == dashed || argument.startsWith(dashed + u'='))
            return true;
    }
    return false;
}

QString faultyText(const QString& path, const FavoritesFileContent& content, bool sv)
{
    return T::Faulty1.text(sv) + path + T::Faulty2.text(sv) + QString::number(content.faultyLine);
}

int list(const QList<FavoritesEntry>& entries, QTextStream& out)
{
    // One write: the stream's per-item cost would outweigh reading the file.
    QString text;
    text.reserve(entries.size() * 64);
    for (const FavoritesEntry& entry : entries) {
        if (FavoritesIo::IsSeparator(entry))
            continue;
        text += entry.name + u'\t' + entry.path + u'\t' + entry.filter + u'\n';
    }
    out << text;
    return 0;
}

int path(const QList<FavoritesEntry>& entries, const QString& name, QTextStream& out, QTextStream& err,
         bool sv)
{
    const FavoritesCli::NameMatch match = FavoritesCli::FindByName(entries, name);
    if (match.index >= 0) {
        out << entries.at(match.index).path << u'\n';
        return 0;
    }
    if (match.candidates.isEmpty()) {
        err << T::NoMatch.text(sv) << u'"' << name << u'"' << u'\n';
        return 1;
    }
    err << T::SeveralMatch.text(sv) << u'"' << name << u'"' << u':' << u'\n';
    for (const qsizetype i : match.candidates)
        err << u'\t' << entries.at(i).name << u'\t' << entries.at(i).path << u'\n';
    return 1;
}

// What the file says to a reader or writer that cannot use it; nothing when it can be used.
std::optional<QString> unusable(const QString& file, const FavoritesFileContent& content, bool sv)
{
    namespace D = FavoDataFileText;
    switch (content.status) {
    case FavoritesFileContent::Ok:
    case FavoritesFileContent::Missing:
    case FavoritesFileContent::Faulty:
        return std::nullopt;
    case FavoritesFileContent::NotRegular:
        return D::NotAFile.text(sv).arg(file);
    case FavoritesFileContent::TooLarge:
        return D::FileTooLarge.text(sv).arg(file, QString::number(MaxFavoFileBytes / (qint64{1024} * 1024)));
    case FavoritesFileContent::Unreadable:
        break;
    }
    return T::Unreadable.text(sv) + file + u'\n' + content.error;
}

int add(const QString& file, const QCommandLineParser& parser, QTextStream& out, QTextStream& err, bool sv)
{
    const QString given = parser.value(AddOption);
    if (given.isEmpty() || !IsFolderAt(given)) {
        err << T::NotFolder1.text(sv) << given << T::NotFolder2.text(sv) << u'\n';
        return 1;
    }
    FavoritesEntry entry;
    entry.path = AbsoluteFileName(given);
    entry.name = parser.isSet(QStringLiteral("name")) ? parser.value(QStringLiteral("name"))
                                                      : AddDirForm::ProposedName(entry.path);
    entry.filter = parser.value(QStringLiteral("filter"));
    if (entry.name.isEmpty()) {
        err << T::EmptyName.text(sv) << u'\n';
        return 1;
    }
    if (!IsStorableFavorite(entry)) {
        err << StorableFavoriteText::Prompt.text(sv) << u'\n';
        return 1;
    }

    // Appended under the file's lock to the list as it is then, so that writers running at the
    // same time each keep the others' favorites.
    std::optional<QString> refused;
    const LockedWrite written = FavoritesIo::Update(
        file,
        [&](const FavoritesFileContent& now) -> std::optional<QList<FavoritesEntry>> {
            refused = unusable(file, now, sv);
            // Appending to a file the window stops reading at a faulty line would hide the new
            // favorite behind it; the window's own save keeps a copy of such a file.
            if (!refused && now.status == FavoritesFileContent::Faulty)
                refused = faultyText(file, now, sv) + T::FaultyAdd.text(sv);
            QList<FavoritesEntry> entries = now.shownEntries(DesktopFolders::Home());
            if (!refused && entries.size() >= MaxFavorites)
                refused = FavoDataFileText::ListFull.text(sv).arg(MaxFavorites);
            if (refused)
                return std::nullopt;
            entries.append(entry);
            return entries;
        },
        AddLockWaitMs);
    if (!refused && !written.ok()) {
        // What the writer found before it could ask, said as a reader would say it.
        FavoritesFileContent found;
        found.status = written.status == LockedWrite::NotRegular ? FavoritesFileContent::NotRegular
                       : written.status == LockedWrite::TooLarge ? FavoritesFileContent::TooLarge
                                                                 : FavoritesFileContent::Unreadable;
        found.error = written.error;
        refused =
            written.status == LockedWrite::ReadFailed || found.status != FavoritesFileContent::Unreadable
                ? *unusable(file, found, sv)
                : T::SaveFailed.text(sv) + file + u'\n' + written.error;
    }
    if (refused) {
        err << *refused << u'\n';
        return 1;
    }
    out << T::Added1.text(sv) << entry.name << T::Added2.text(sv) << file << u'\n';
    return 0;
}

} // namespace

namespace FavoritesCli {

bool IsFavoritesCommand(const QStringList& arguments)
{
    // The program's name comes first and is never an option.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--"))
            return false;
        if (isCommandArgument(arguments.at(i)))
            return true;
    }
    return false;
}

NameMatch FindByName(const QList<FavoritesEntry>& entries, const QString& name)
{
    NameMatch match;
    if (name.isEmpty())
        return match;
    QList<qsizetype> sameIgnoringCase;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const FavoritesEntry& entry = entries.at(i);
        if (FavoritesIo::IsSeparator(entry))
            continue;
        if (entry.name == name) {
            match.index = i;
            return match;
        }
        if (entry.name.startsWith(name, Qt::CaseInsensitive)) {
            match.candidates.append(i);
            if (entry.name.size() == name.size())
                sameIgnoringCase.append(i);
        }
    }
    if (sameIgnoringCase.size() == 1)
        match.index = sameIgnoringCase.first();
    else if (sameIgnoringCase.isEmpty() && match.candidates.size() == 1)
        match.index = match.candidates.first();
    if (match.index >= 0)
        match.candidates.clear();
    return match;
}

std::optional<int> Run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (!IsFavoritesCommand(arguments))
        return std::nullopt;

    // The real settings file; without a window every other service of a host is absent.
    WindowlessHost host;
    int16_t set = StartSettings::ReadFavoFile(host);
    // Messages speak the language of the favorites file, as the window does; until the file is
    // known, that of the file the program starts with.
    const auto startLanguage = [&host, set] {
        return FavoritesIo::Read(FavoritesIo::FilePath(host.DataFolder(), set)).swedish;
    };

    // The options are the same in both languages; --help is the window's parser's.
    QCommandLineParser parser;
    for (const ProgramOption& option : ProgramOptions())
        if (option.favorites)
            parser.addOption(option.parserOption(false));
    if (!parser.parse(arguments)) {
        err << parser.errorText() << u'\n';
        return 2;
    }
    const int commands =
        int(parser.isSet(ListOption)) + int(parser.isSet(PathOption)) + int(parser.isSet(AddOption));
    if (commands != 1 || parser.values(PathOption).size() > 1 || parser.values(AddOption).size() > 1) {
        err << T::OneCommand.text(startLanguage()) << u'\n';
        return 2;
    }
    if (!parser.isSet(AddOption) &&
        (parser.isSet(QStringLiteral("name")) || parser.isSet(QStringLiteral("filter")))) {
        err << T::AddOnly.text(startLanguage()) << u'\n';
        return 2;
    }
    if (parser.isSet(QStringLiteral("set"))) {
        bool ok = false;
        const int n = parser.value(QStringLiteral("set")).toInt(&ok);
        if (!ok || n < 1 || n > 5) {
            err << T::BadSet.text(startLanguage()) << u'\n';
            return 2;
        }
        set = int16_t(n);
    }

    const QString file = FavoritesIo::FilePath(host.DataFolder(), set);
    const FavoritesFileContent content = FavoritesIo::Read(file);
    const bool sv = content.swedish;

    if (parser.isSet(AddOption))
        return add(file, parser, out, err, sv);

    if (const std::optional<QString> problem = unusable(file, content, sv)) {
        err << *problem << u'\n';
        return 1;
    }
    const QList<FavoritesEntry> entries = content.shownEntries(host.HomeFolder());
    int code =
        parser.isSet(ListOption) ? list(entries, out) : path(entries, parser.value(PathOption), out, err, sv);
    if (content.status == FavoritesFileContent::Faulty) {
        err << faultyText(file, content, sv) << T::FaultyList.text(sv) << u'\n';
        // A list without the lines after the fault is not the whole list.
        if (parser.isSet(ListOption))
            code = 1;
    }
    return code;
}

} // namespace FavoritesCli

std::optional<int> runFavoritesCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return FavoritesCli::Run(args, out, err);
}
