// The main window's favorites loader and saver, the quiet reload after a change by somebody
// else, and the check marks of the favorites-file menus.

#include "core/dialogs/favodatafiletexts.h"
#include "core/dialogs/module1.h"
#include "core/formats/favofile.h"
#include "core/formats/favoritesmerge.h"
#include "core/formats/startsettings.h"
#include "core/mainform/favoritestexts.h"
#include "core/mainform/mainform.h"
#include "core/mainform/mainformtexts.h"
#include "core/system/host.h"
#include "core/system/runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(bytes / (qint64{1024} * 1024));
}

} // namespace

void MainForm::LoadFavoFile()
{
    namespace T = FavoritesText;
    namespace D = FavoDataFileText;
    Module1& mod = module();
    bool fileReached = false;
    const auto stopUnknown = [this, &mod, &fileReached] {
        // A later save keeps a copy of a file that could not be read in full.
        if (fileReached)
            FavoData.setPartial(true);
        mod.ShowMessBox(MainFormText::UnknownError.text(mod.SwedishLanguage), MsgStyle::OKOnly,
                        MainFormText::ErrorTitle.text(mod.SwedishLanguage));
    };
    // Not read, and (through the .bak rule, which cannot copy it) never written over.
    const auto stopNotAFile = [this, &mod](const QString& prompt) {
        FavoData.setPartial(true);
        mod.ShowMessBox(prompt, MsgStyle::OKOnly, T::DataErrorTitle.text(mod.SwedishLanguage));
    };

    try {
        const QString fileName = FavoFileName(CurFavoFile);
        const QString folder = host().DataFolder();
        if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
            return stopUnknown();
        FavoFilePath = folder + u'/' + fileName;
        FavoData.setPath(FavoFilePath);
        fileReached = true;

        switch (FavoData.open()) {
        case FavoDataFile::Open::Ok:
            break;
        case FavoDataFile::Open::Missing:
            if (!FavoData.recover(ErrNo::FileNotFound))
                return stopUnknown();
            break;
        case FavoDataFile::Open::NotRegular:
            return stopNotAFile(D::NotAFile.text(mod.SwedishLanguage).arg(FavoFilePath));
        case FavoDataFile::Open::TooLarge:
            return stopNotAFile(
                D::FileTooLarge.text(mod.SwedishLanguage).arg(FavoFilePath, megabytes(MaxFavoFileBytes)));
        case FavoDataFile::Open::Failed:
            return stopUnknown();
        }

        QString header;
        while (!FavoData.readLine(header)) {
            if (!FavoData.recover(ErrNo::InputPastEnd))
                return stopUnknown();
        }
        mod.SwedishLanguage = IsSwedishHeader(header);
        SetCaptions();

        Favorites.clear();
        // At least one line is read after the header: a file of the header alone is repaired.
        if (FavoData.atEnd() && !FavoData.recover(ErrNo::InputPastEnd))
            return stopUnknown();
        const ParsedFavoEntries read = ParseFavoEntries(FavoData.takeRemainingLines(), 0);
        Favorites.assign(read.entries);
        const bool sv = mod.SwedishLanguage;
        switch (read.stop) {
        case ParsedFavoEntries::None:
            break;
        case ParsedFavoEntries::TooLong:
            return stopUnknown();
        case ParsedFavoEntries::DataError:
            FavoData.setPartial(true);
            mod.ShowMessBox(T::DataError.text(sv), MsgStyle::OKOnly, T::DataErrorTitle.text(sv));
            return;
        case ParsedFavoEntries::TooMany:
            // The list is whole up to its limit and works as loaded; the file keeps the rest,
            // and a save first copies it to the .bak file.
            FavoData.setPartial(true);
            mod.ShowMessBox(D::TooMany.text(sv).arg(FavoFilePath, QString::number(Favorites.count())),
                            MsgStyle::OKOnly, D::TooManyTitle.text(sv));
            break;
        }

        // Only blank lines after the header: there is no first entry to select.
        if (Favorites.count() == 0)
            return stopUnknown();

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
    saveFavorites();
}

MainForm::FavoSaveOutcome MainForm::saveFavorites()
{
    namespace T = FavoritesText;
    namespace D = FavoDataFileText;
    Module1& mod = module();
    const bool sv = mod.SwedishLanguage;
    const auto fail = [&](const QString& reason) {
        mod.ShowMessBox(T::SaveError1.text(sv) + FavoFilePath + T::SaveError2.text(sv) + u'\n' + reason,
                        MsgStyle::OKOnly, T::FavoFileErrorTitle.text(sv));
        return FavoSaveOutcome::Failed;
    };

    if (FavoData.path() != FavoFilePath)
        FavoData.setPath(FavoFilePath);
    // An empty list is written as the header alone rather than as a nameless entry with no
    // path; the next load then offers the default favorite.
    QByteArray bytes = ComposeFavoFile(sv, Favorites.entries());
    std::optional<QByteArray> overwriting;
    FavoDataFile::SaveResult saved = FavoData.save(bytes);
    // Another window, an editor or the command line wrote the file since this run read or wrote
    // it; a few rounds cover a writer that comes again while the user answers.
    for (int round = 0; saved.status == FavoDataFile::SaveResult::Changed && round < 5; ++round) {
        FavoSaveOutcome outcome = FavoSaveOutcome::Saved;
        const std::optional<QByteArray> resolved = resolveChangedFile(saved.onDisk, outcome);
        if (!resolved)
            return outcome;
        bytes = *resolved;
        overwriting = saved.onDisk;
        saved = FavoData.save(bytes, overwriting);
    }

    const QString limit = megabytes(MaxFavoFileBytes);
    switch (saved.status) {
    case FavoDataFile::SaveResult::Ok:
        break;
    case FavoDataFile::SaveResult::Changed:
        return fail(D::ChangedTitle.text(sv));
    case FavoDataFile::SaveResult::BackupFailed:
        return fail(T::BackupError.text(sv) + saved.error);
    case FavoDataFile::SaveResult::BackupUnreadable:
        return fail(T::BackupReadError.text(sv) + saved.error);
    case FavoDataFile::SaveResult::NotRegular:
        return fail(D::NotAFile.text(sv).arg(FavoFilePath));
    case FavoDataFile::SaveResult::TooLarge:
        return fail(D::FileTooLarge.text(sv).arg(FavoFilePath, limit));
    case FavoDataFile::SaveResult::ListTooLarge:
        return fail(D::ListTooLarge.text(sv).arg(limit));
    case FavoDataFile::SaveResult::WriteFailed:
        return fail(saved.error);
    }

    host().DoEvents();
    mod.FavoListChanged = false;
    Menu_UndoChanges.setEnabled(false);
    Menu_SaveFavoFile.setEnabled(false);
    return FavoSaveOutcome::Saved;
}

std::optional<QByteArray> MainForm::resolveChangedFile(const QByteArray& onDisk, FavoSaveOutcome& outcome)
{
    namespace D = FavoDataFileText;
    const bool sv = m_module.SwedishLanguage;
    // A session end keeps both sides without asking: nobody may be there to answer.
    if (m_sessionEnding) {
        if (const std::optional<QString> copy = mergeWithFile(onDisk))
            saveSetting(StartSettings::MergedFavoritesCopy, *copy);
        return ComposeFavoFile(sv, Favorites.entries());
    }
    const int16_t merge = m_module.ShowMessBox(D::MergeAsk.text(sv).arg(FavoFilePath), MsgStyle::YesNoCancel,
                                               D::ChangedTitle.text(sv));
    if (merge == MsgAnswer::Yes) {
        mergeWithFile(onDisk);
        return ComposeFavoFile(sv, Favorites.entries());
    }
    const int16_t answer = merge == MsgAnswer::Cancel
                               ? MsgAnswer::Cancel
                               : m_module.ShowMessBox(D::Changed.text(sv).arg(FavoFilePath),
                                                      MsgStyle::YesNoCancel, D::ChangedTitle.text(sv));
    if (answer == MsgAnswer::Yes)
        return ComposeFavoFile(sv, Favorites.entries());
    if (answer == MsgAnswer::No) {
        LoadFavoFile();
        outcome = FavoSaveOutcome::Reloaded;
        return std::nullopt;
    }
    outcome = FavoSaveOutcome::Cancelled;
    return std::nullopt;
}

std::optional<QString> MainForm::mergeWithFile(const QByteArray& onDisk)
{
    const QList<FavoritesEntry> merged =
        MergeFavorites(FavoData.knownEntries(), Favorites.entries(), ParseFavoFile(onDisk).entries);
    // A list that no longer fits keeps what fits; the copy beside the file keeps the rest.
    Favorites.assign(merged);
    QString error;
    return FavoData.keepCopy(onDisk, error);
}

void MainForm::reportMergeAtLastEnd()
{
    const QString copy = host().GetSetting(StartSettings::MergedFavoritesCopy, {});
    if (copy.isEmpty())
        return;
    host().SaveSetting(StartSettings::MergedFavoritesCopy, {});
    const bool sv = m_module.SwedishLanguage;
    m_module.ShowMessBox(FavoDataFileText::MergedAtEnd.text(sv).arg(FavoFilePath, copy), MsgStyle::OKOnly,
                         FavoDataFileText::ChangedTitle.text(sv));
}

bool MainForm::saveFavoritesBeforeExit()
{
    if (!m_module.FavoListChanged)
        return true;
    if (saveFavorites() == FavoSaveOutcome::Cancelled)
        return false;
    // A failed save has said so; the unload does not say it twice.
    m_favoritesSavedForExit = true;
    return true;
}

void MainForm::FavoData_Changed()
{
    // Unsaved edits are never dropped behind the user's back; the next save asks instead.
    if (m_module.FavoListChanged || !IsLoaded())
        return;
    const std::optional<ParsedFavoFile> file = FavoData.readChangedWhole();
    if (!file)
        return;
    if (file->swedish != m_module.SwedishLanguage) {
        m_module.SwedishLanguage = file->swedish;
        SetCaptions();
    }
    // The folder on show stays; no favorite is selected, so none is opened.
    Favorites.assign(file->entries);
}

bool MainForm::refuseWhenFavoritesFull()
{
    if (!Favorites.isFull())
        return false;
    const bool sv = m_module.SwedishLanguage;
    m_module.ShowMessBox(FavoDataFileText::ListFull.text(sv).arg(MaxFavorites), MsgStyle::OKOnly,
                         FavoDataFileText::TooManyTitle.text(sv));
    return true;
}

void MainForm::MarkFavoFileMenus()
{
    for (int16_t i = 1; i <= 5; ++i) {
        Menu_FavoFile(i).setChecked(i == CurFavoFile);
        Menu_FF(i).setEnabled(i != CurFavoFile);
    }
}
