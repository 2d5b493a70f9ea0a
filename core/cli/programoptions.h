#pragma once
// Every option of the program in one table: the parsers of the window's start and of the
// favorites commands, the help text and the man page are all made from it, so none of them can
// name an option the others do not know.

#include "core/toolkit/bilingual.h"

#include <QCommandLineOption>
#include <QStringList>
#include <vector>

enum class OptionId
{
    Help,
    Version,
    List,
    Path,
    Add,
    Name,
    Filter,
    Set
};

struct ProgramOption
{
    OptionId id;
    /// One-letter and long names, without dashes.
    QStringList names;
    /// The value's placeholder; empty for an option that takes none.
    Bilingual value;
    Bilingual description;
    /// A favorites option: it runs without a window and ends the program.
    bool favorites;

    /// The option for QCommandLineParser, its texts in the given language.
    QCommandLineOption parserOption(bool swedish) const;
};

/// Every option, in the order the help and the man page list them.
const std::vector<ProgramOption>& ProgramOptions();

/// An option's name as it is typed: "-h" or "--help".
QString DashedOption(const QString& name);

/// The text of `--help`, fitted to a terminal of 80 columns.
QString HelpText(const QString& program, bool swedish);

/// The man page's OPTIONS section (roff, English), from the same table and texts as the help.
QString ManPageOptions();
