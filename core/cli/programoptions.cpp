// The program's options, and the help and man page text made from them.

#include "core/cli/programoptions.h"

#include "core/cli/commandlinetexts.h"

#include <algorithm>

namespace {

namespace T = CommandLineText;

/// "-h, --help" or "--path NAME".
QString Synopsis(const ProgramOption& option, bool sv)
{
    QStringList names;
    for (const QString& name : option.names)
        names << DashedOption(name);
    QString text = names.join(QStringLiteral(", "));
    if (!option.value.english.isEmpty())
        text += QLatin1Char(' ') + option.value.text(sv);
    return text;
}

/// One entry of the help: the names in the left column, the description wrapped to fit a terminal.
QString HelpEntry(const QString& names, const QString& description, qsizetype width)
{
    constexpr qsizetype LineLength = 79;
    const QString indent(width + 4, QLatin1Char(' '));
    QString text = QStringLiteral("  ") + names.leftJustified(width + 2);
    qsizetype column = text.size();
    bool firstWord = true;
    for (const QString& word : description.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!firstWord && column + 1 + word.size() > LineLength) {
            text += QLatin1Char('\n') + indent;
            column = indent.size();
        } else if (!firstWord) {
            text += QLatin1Char(' ');
            ++column;
        }
        text += word;
        column += word.size();
        firstWord = false;
    }
    return text + QLatin1Char('\n');
}

/// Text set in roff: a dash is a minus sign to type, a backslash is escaped, a line never
/// starts with a control character.
QString Roff(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\e"))
        .replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (escaped.startsWith(QLatin1Char('.')) || escaped.startsWith(QLatin1Char('\'')))
        escaped.prepend(QStringLiteral("\\&"));
    return escaped;
}

/// A tagged paragraph: the tag line as roff, then the description.
QString ManEntry(const QString& tag, const QString& description)
{
    return QStringLiteral(".TP\n") + tag + QLatin1Char('\n') + Roff(description) + QLatin1Char('\n');
}

} // namespace

QString DashedOption(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QCommandLineOption ProgramOption::parserOption(bool swedish) const
{
    if (value.english.isEmpty())
        return QCommandLineOption(names, description.text(swedish));
    return QCommandLineOption(names, description.text(swedish), value.text(swedish));
}

const std::vector<ProgramOption>& ProgramOptions()
{
    static const std::vector<ProgramOption> rows{
        {OptionId::Help, {QStringLiteral("h"), QStringLiteral("help")}, {}, T::HelpOption, false},
        {OptionId::Version, {QStringLiteral("v"), QStringLiteral("version")}, {}, T::VersionOption, false},
        {OptionId::List, {QStringLiteral("list")}, {}, T::ListCommand, true},
        {OptionId::Path, {QStringLiteral("path")}, T::NameWord, T::PathCommand, true},
        {OptionId::Add, {QStringLiteral("add")}, T::FolderWord, T::AddCommand, true},
        {OptionId::Name, {QStringLiteral("name")}, T::NameWord, T::NameOption, true},
        {OptionId::Filter, {QStringLiteral("filter")}, T::FilterWord, T::FilterOption, true},
        {OptionId::Set, {QStringLiteral("set")}, T::NumberWord, T::SetCommand, true},
    };
    return rows;
}

QString HelpText(const QString& program, bool sv)
{
    const QString folder = T::FolderArgument.text(sv);
    const auto widest = [sv](bool favorites, qsizetype width) {
        for (const ProgramOption& option : ProgramOptions())
            if (option.favorites == favorites)
                width = std::max(width, Synopsis(option, sv).size());
        return width;
    };
    const auto entries = [sv](bool favorites, qsizetype width) {
        QString text;
        for (const ProgramOption& option : ProgramOptions())
            if (option.favorites == favorites)
                text += HelpEntry(Synopsis(option, sv), option.description.text(sv), width);
        return text;
    };
    const qsizetype width = widest(false, folder.size());
    return T::Usage.text(sv) + program + QLatin1Char(' ') + T::OptionsWord.text(sv) + QStringLiteral(" [") +
           folder + QStringLiteral("]\n") + T::Summary.text(sv) + QStringLiteral("\n\n") +
           T::OptionsHeading.text(sv) + QLatin1Char('\n') + entries(false, width) + QLatin1Char('\n') +
           T::ArgumentsHeading.text(sv) + QLatin1Char('\n') +
           HelpEntry(folder, T::FolderDescription.text(sv), width) + QLatin1Char('\n') +
           T::FavoritesHeading.text(sv) + QLatin1Char('\n') + entries(true, widest(true, 0));
}

QString ManPageOptions()
{
    const auto entries = [](bool favorites) {
        QString text;
        for (const ProgramOption& option : ProgramOptions())
            if (option.favorites == favorites)
                text += ManEntry(QStringLiteral(".B ") + Roff(Synopsis(option, false)),
                                 option.description.english.toString());
        return text;
    };
    QString heading = T::FavoritesHeading.english.toString();
    heading.chop(1);
    return entries(false) +
           ManEntry(QStringLiteral(".I ") + T::FolderArgument.english.toString(),
                    T::FolderDescription.english.toString()) +
           QStringLiteral(".SS ") + heading + QLatin1Char('\n') + entries(true);
}
