// The program's options in one table, the help text made from it, and the folder argument.

#include "core/cli/commandline.h"

#include "core/cli/commandlinetexts.h"
#include "core/system/filename.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>
#include <utility>
#include <vector>

namespace {

enum class OptionId
{
    Help,
    Version
};

struct OptionRow
{
    OptionId id;
    QStringList names;
    Bilingual description;
};

/// Every option of the program, in the order the help lists them. A new option is one row here
/// and one branch in CommandLine::Parse.
const std::vector<OptionRow>& Options()
{
    static const std::vector<OptionRow> rows{
        {OptionId::Help, {QStringLiteral("h"), QStringLiteral("help")}, CommandLineText::HelpOption},
        {OptionId::Version, {QStringLiteral("v"), QStringLiteral("version")}, CommandLineText::VersionOption},
    };
    return rows;
}

/// An option's name as it is typed: "-h" or "--help".
QString Dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString OptionNames(const OptionRow& row)
{
    QStringList names;
    for (const QString& name : row.names)
        names << Dashed(name);
    return names.join(QStringLiteral(", "));
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

QString HelpText(const QString& program, bool sv)
{
    namespace T = CommandLineText;
    const QString folder = T::FolderArgument.text(sv);
    QStringList left;
    QStringList right;
    for (const OptionRow& row : Options()) {
        left << OptionNames(row);
        right << row.description.text(sv);
    }
    qsizetype width = folder.size();
    for (const QString& text : left)
        width = std::max(width, text.size());

    QString text = T::Usage.text(sv) + program + QLatin1Char(' ') + T::OptionsWord.text(sv) +
                   QStringLiteral(" [") + folder + QStringLiteral("]\n") + T::Summary.text(sv) +
                   QStringLiteral("\n\n") + T::OptionsHeading.text(sv) + QLatin1Char('\n');
    for (qsizetype i = 0; i < left.size(); ++i)
        text += HelpEntry(left.at(i), right.at(i), width);
    text += QLatin1Char('\n') + T::ArgumentsHeading.text(sv) + QLatin1Char('\n') +
            HelpEntry(folder, T::FolderDescription.text(sv), width);

    // The favorites commands print or append and end without a window.
    const std::pair<QString, Bilingual> commands[] = {
        {QStringLiteral("--list"), T::ListCommand},
        {QStringLiteral("--path ") + T::NameWord.text(sv), T::PathCommand},
        {QStringLiteral("--add ") + T::FolderWord.text(sv), T::AddCommand},
        {QStringLiteral("--name, --filter"), T::AddDetails},
        {QStringLiteral("--set N"), T::SetCommand},
    };
    qsizetype commandWidth = 0;
    for (const auto& [names, description] : commands)
        commandWidth = std::max(commandWidth, names.size());
    text += QLatin1Char('\n') + T::FavoritesHeading.text(sv) + QLatin1Char('\n');
    for (const auto& [names, description] : commands)
        text += HelpEntry(names, description.text(sv), commandWidth);
    return text;
}

CommandLine UsageError(const QString& message, const QString& help)
{
    CommandLine result;
    result.action = CommandLine::Action::Exit;
    result.ExitCode = 2;
    result.Errors = message + QStringLiteral("\n\n") + help;
    return result;
}

CommandLine Finished(const QString& output)
{
    CommandLine result;
    result.action = CommandLine::Action::Exit;
    result.Output = output;
    return result;
}

} // namespace

QString VersionLine()
{
    return QStringLiteral("Wayfolder %1.%2.%3")
        .arg(WAYFOLDER_VERSION_MAJOR)
        .arg(WAYFOLDER_VERSION_MINOR)
        .arg(WAYFOLDER_VERSION_REVISION);
}

CommandLine CommandLine::Parse(const QStringList& arguments, bool swedish)
{
    namespace T = CommandLineText;
    const QString program =
        arguments.isEmpty() ? QStringLiteral("wayfolder") : QFileInfo(arguments.first()).fileName();
    const QString help = HelpText(program, swedish);

    QCommandLineParser parser;
    std::vector<std::pair<OptionId, QCommandLineOption>> declared;
    for (const OptionRow& row : Options()) {
        declared.emplace_back(row.id, QCommandLineOption(row.names, row.description.text(swedish)));
        parser.addOption(declared.back().second);
    }
    parser.addPositionalArgument(T::FolderArgument.text(swedish), T::FolderDescription.text(swedish),
                                 QStringLiteral("[") + T::FolderArgument.text(swedish) + QStringLiteral("]"));

    if (!parser.parse(arguments)) {
        QStringList unknown;
        for (const QString& name : parser.unknownOptionNames())
            unknown << Dashed(name);
        return UsageError(unknown.isEmpty()
                              ? parser.errorText()
                              : T::UnknownOption.text(swedish) + unknown.join(QStringLiteral(", ")),
                          help);
    }
    for (const auto& [id, option] : declared) {
        if (!parser.isSet(option))
            continue;
        switch (id) {
        case OptionId::Help:
            return Finished(help);
        case OptionId::Version:
            return Finished(VersionLine() + QLatin1Char('\n'));
        }
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return UsageError(T::TooManyArguments.text(swedish) + positional.join(QLatin1Char(' ')), help);

    CommandLine result;
    if (positional.isEmpty() || positional.first().isEmpty())
        return result;
    QString path = positional.first();
    if (path.contains(QStringLiteral("://")) ||
        path.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        const QUrl url(path);
        if (!url.isLocalFile())
            return UsageError(T::NotLocalUrl.text(swedish) + path, help);
        path = url.toLocalFile();
    }
    result.StartPath = AbsoluteFileName(path);
    return result;
}

QStringList CommandLine::Arguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FileNameFromBytes(argv[i]);
    return arguments;
}

void CommandLine::Print(const QString& text, std::FILE* stream)
{
    const QByteArray bytes = FileNameToBytes(text);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

bool CommandLine::SwedishLocale()
{
    return QLocale::system().language() == QLocale::Swedish;
}
