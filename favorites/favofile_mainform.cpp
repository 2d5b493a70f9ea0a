// The main window's favorites loader and saver, and the check marks of the favorites-file menus.

#include "app/mainform.h"
#include "app/module1.h"
#include "favorites/favofile.h"
#include "platform/host.h"
#include "platform/runtimeerror.h"
#include "ui/mainformtexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace {

/// The data file as the loader reads it: whole, then line by line. A read past the last line
/// is the cue for the recovery.
class FavoReader
{
public:
    enum class Open
    {
        Ok,
        Missing,
        Failed
    };

    explicit FavoReader(Host& host, QString path) : m_host(host), m_path(std::move(path)) {}

    Open open()
    {
        m_lines.clear();
        m_next = 0;
        if (!QFileInfo::exists(m_path))
            return Open::Missing;
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly))
            return Open::Failed;
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return Open::Failed;
        m_lines = SplitFavoLines(DecodeFavoText(bytes));
        return Open::Ok;
    }

    bool readLine(QString& line)
    {
        if (atEnd())
            return false;
        line = m_lines.at(m_next++);
        return true;
    }

    bool atEnd() const { return m_next >= m_lines.size(); }

    /// Repairs a missing file (FileNotFound) or a read past the end (InputPastEnd) so that the
    /// failed step can be tried again; false when the repair itself failed.
    bool recover(int16_t error)
    {
        // Two default files after a legacy rename are the most a sound file system needs.
        if (++m_recoveries > 3)
            return false;
        const QString legacy = LegacyFavoFilePath(m_path);
        // A legacy file is only taken while the data file is missing: an existing data file
        // without entries is replaced by the default file and the legacy file stays untouched.
        if (error == ErrNo::FileNotFound && QFileInfo(legacy).isFile()) {
            if (!QFile::rename(legacy, m_path))
                return false;
        } else if (!WriteFavoFileBytes(m_path, DefaultFavoFileBytes(m_host.HomeFolder(), swedishLocale()))
                        .ok) {
            return false;
        }
        if (open() != Open::Ok)
            return false;
        if (error == ErrNo::InputPastEnd) {
            QString header;
            return readLine(header);
        }
        return true;
    }

private:
    bool swedishLocale() const
    {
        return LocaleIsSwedish([this](const QString& name) { return m_host.Environment(name); });
    }

    Host& m_host;
    QString m_path;
    QStringList m_lines;
    qsizetype m_next = 0;
    int m_recoveries = 0;
};

} // namespace

void MainForm::LoadFavoFile()
{
    Module1& mod = module();
    bool fileReached = false;
    const auto stopUnknown = [this, &mod, &fileReached] {
        // A later save keeps a copy of a file that could not be read in full.
        if (fileReached)
            FaultyFavoFilePath = FavoFilePath;
        mod.ShowMessBox(MainFormText::UnknownError.text(mod.SwedishLanguage), MsgStyle::OKOnly,
                        MainFormText::ErrorTitle.text(mod.SwedishLanguage));
    };

    try {
        const QString fileName = FavoFileName(CurFavoFile);
        const QString folder = host().DataFolder();
        if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
            return stopUnknown();
        FavoFilePath = folder + u'/' + fileName;
        fileReached = true;

        FavoReader reader(host(), FavoFilePath);
        switch (reader.open()) {
        case FavoReader::Open::Ok:
            break;
        case FavoReader::Open::Missing:
            if (!reader.recover(ErrNo::FileNotFound))
                return stopUnknown();
            break;
        case FavoReader::Open::Failed:
            return stopUnknown();
        }

        QString header;
        while (!reader.readLine(header)) {
            if (!reader.recover(ErrNo::InputPastEnd))
                return stopUnknown();
        }
        mod.SwedishLanguage = IsSwedishHeader(header);
        SetCaptions();

        FavoDirList.Clear();
        FavoDirPath.Clear();
        FavoFileFilter.Clear();
        // At least one line is read after the header: a file of the header alone is repaired.
        do {
            QString line;
            while (!reader.readLine(line)) {
                if (!reader.recover(ErrNo::InputPastEnd))
                    return stopUnknown();
            }
            if (line.isEmpty())
                continue;
            const ParsedFavoLine parsed = ParseFavoLine(line);
            if (parsed.outcome == ParsedFavoLine::TooLong)
                return stopUnknown();
            if (parsed.outcome == ParsedFavoLine::DataError) {
                FaultyFavoFilePath = FavoFilePath;
                mod.ShowMessBox(MainFormText::DataError.text(mod.SwedishLanguage), MsgStyle::OKOnly,
                                MainFormText::DataErrorTitle.text(mod.SwedishLanguage));
                return;
            }
            FavoFileFilter.AddItem(parsed.entry.filter);
            FavoDirList.AddItem(parsed.entry.name);
            FavoDirPath.AddItem(parsed.entry.path);
        } while (!reader.atEnd());

        // Only blank lines after the header: there is no first entry to select.
        if (FavoDirList.ListCount() == 0)
            return stopUnknown();

        FaultyFavoFilePath.clear();
        FavoDirList.setListIndex(0);
        mod.FavoListChanged = false;
        Menu_UndoChanges.setEnabled(false);
        Menu_SaveFavoFile.setEnabled(false);
    } catch (const RunTimeError&) {
        stopUnknown();
    }
}

void MainForm::SaveFavoFile()
{
    Module1& mod = module();
    const bool sv = mod.SwedishLanguage;
    const auto fail = [&](const QString& reason) {
        mod.ShowMessBox(MainFormText::SaveError1.text(sv) + FavoFilePath + MainFormText::SaveError2.text(sv) +
                            u'\n' + reason,
                        MsgStyle::OKOnly, MainFormText::FavoFileErrorTitle.text(sv));
    };

    // The file that a load could read only in part is kept beside the new one.
    if (!FaultyFavoFilePath.isEmpty() && FaultyFavoFilePath == FavoFilePath &&
        QFileInfo::exists(FavoFilePath)) {
        QFile faulty(FavoFilePath);
        if (!faulty.open(QIODevice::ReadOnly))
            return fail(MainFormText::BackupReadError.text(sv) + faulty.errorString());
        const QByteArray bytes = faulty.readAll();
        faulty.close();
        const FavoWriteResult backup = WriteFavoFileBytes(FavoFilePath + QStringLiteral(".bak"), bytes);
        if (!backup.ok)
            return fail(MainFormText::BackupError.text(sv) + backup.error);
        FaultyFavoFilePath.clear();
    }

    QStringList lines{sv ? FavoHeaderSwedish : FavoHeaderEnglish};
    // An empty list is written as the header alone rather than as a nameless entry with no
    // path; the next load then offers the default favorite.
    for (int16_t i = 0; i < FavoDirList.ListCount(); ++i)
        lines.append(ComposeFavoLine(FavoDirList.List(i), FavoDirPath.List(i), FavoFileFilter.List(i)));
    const FavoWriteResult written = WriteFavoFileBytes(FavoFilePath, EncodeFavoLines(lines));
    if (!written.ok)
        return fail(written.error);

    host().DoEvents();
    mod.FavoListChanged = false;
    Menu_UndoChanges.setEnabled(false);
    Menu_SaveFavoFile.setEnabled(false);
}

void MainForm::MarkFavoFileMenus()
{
    for (int16_t i = 1; i <= 5; ++i) {
        Menu_FavoFile(i).setChecked(i == CurFavoFile);
        Menu_FF(i).setEnabled(i != CurFavoFile);
    }
}
