#pragma once
// What the program's arguments ask for. The options are declared in one table and read before
// any window exists, so the answers that end the program never need a display or touch a file.

#include <QString>
#include <QStringList>
#include <cstdio>

struct CommandLine
{
    /// Start the window, or print and end with `ExitCode`.
    enum class Action
    {
        Start,
        Exit
    };

    Action action = Action::Start;
    int ExitCode = 0;
    /// Text for standard output and standard error, printed before the program ends.
    QString Output;
    QString Errors;
    /// An absolute folder or file to open at start, for this run only; empty for the usual start.
    QString StartPath;

    /// Reads the arguments, the program name first; `swedish` picks the language of the texts.
    static CommandLine Parse(const QStringList& arguments, bool swedish);
    /// The arguments of main(), each byte that is not UTF-8 kept as the names in the lists keep it.
    static QStringList Arguments(int argc, char** argv);
    /// Writes a text to standard output or error, turning kept name bytes back into those bytes.
    static void Print(const QString& text, std::FILE* stream);
    /// True when the user's locale asks for Swedish texts.
    static bool SwedishLocale();
};

/// The version line of `--version`.
QString VersionLine();
