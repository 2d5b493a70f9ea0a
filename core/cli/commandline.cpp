// The arguments of a start with a window: the help, the version and the folder to open.

#include "core/cli/commandline.h"

#include "core/cli/commandlinetexts.h"
#include "core/cli/programoptions.h"
#include "core/system/filename.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>
#include <utility>
#include <vector>

namespace {

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
    // The favorites options end the program before this parser; here they are unknown.
    for (const ProgramOption& option : ProgramOptions()) {
        if (option.favorites)
            continue;
        declared.emplace_back(option.id, option.parserOption(swedish));
        parser.addOption(declared.back().second);
    }
    parser.addPositionalArgument(T::FolderArgument.text(swedish), T::FolderDescription.text(swedish),
                                 QStringLiteral("[") + T::FolderArgument.text(swedish) + QStringLiteral("]"));

    if (!parser.parse(arguments)) {
        QStringList unknown;
        for (const QString& name : parser.unknownOptionNames())
            unknown << DashedOption(name);
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
        default:
            break;
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
