// The find-favorite dialog: the five files read at opening (the active one as the window holds
// it, with unsaved edits, the others on workers), hits recomputed at every keystroke.
#include "core/dialogs/findfavoriteform.h"

#include "core/dialogs/findfavoriteformtexts.h"
#include "core/dialogs/mainwindowparts.h"
#include "core/dialogs/module1.h"
#include "core/formats/favoritesio.h"
#include "core/system/host.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr int16_t KeyUp = 38;
constexpr int16_t KeyDown = 40;

} // namespace

FindFavoriteForm::FindFavoriteForm(Module1& module)
    : Form(module.host(), QStringLiteral("FindFavoriteForm")),
      Label_Search(*this, controlName("Label_Search")), Text_Search(*this, controlName("Text_Search")),
      List_Hits(*this, controlName("List_Hits")), Label_More(*this, controlName("Label_More")),
      Command_Open(*this, controlName("Command_Open")), Command_Cancel(*this, controlName("Command_Cancel")),
      m_module(module)
{
    setWidth(ClientWidth + 2 * FrameSide);
    setHeight(ClientHeight + FrameTop + FrameSide);
    Label_Search.Move(120, 180, 600, 195);
    Text_Search.Move(780, 120, 6150, 315);
    Text_Search.setTabIndex(0);
    List_Hits.Move(120, 540, 6810, 3000);
    List_Hits.setTabIndex(1);
    Label_More.Move(120, 3660, 3400, 195);
    Command_Open.Move(3720, 3840, 1455, 315);
    Command_Open.setTabIndex(2);
    Command_Cancel.Move(5400, 3840, 1455, 315);
    Command_Cancel.setTabIndex(3);
    // Escape cancels; Enter opens the chosen hit from the search box or the list.
    Command_Cancel.setCancel(true);

    Text_Search.Change = [this] { Text_Search_Change(); };
    Text_Search.KeyDown = [this](int16_t& code, int16_t shift) { Text_Search_KeyDown(code, shift); };
    Text_Search.KeyPress = [this](int16_t& key) { Text_Search_KeyPress(key); };
    List_Hits.Click = [this] { List_Hits_Click(); };
    List_Hits.DblClick = [this] { List_Hits_DblClick(); };
    List_Hits.KeyPress = [this](int16_t& key) { List_Hits_KeyPress(key); };
    Command_Open.Click = [this] { Command_Open_Click(); };
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };
}

void FindFavoriteForm::Form_Load()
{
    namespace T = FindFavoriteText;
    const bool sv = m_module.SwedishLanguage;
    setCaption(T::Caption.text(sv));
    Label_Search.setCaption(T::Search.text(sv));
    Command_Open.setCaption(T::Open.text(sv));
    Command_Cancel.setCaption(T::Cancel.text(sv));
    Chosen.reset();

    MainWindowParts& main = m_module.mainWindow();
    QList<FavoritesEntry> entries;
    for (int16_t i = 0; i < main.FavoDirList.ListCount(); ++i)
        entries.append({main.FavoDirList.List(i), main.FavoDirPath.List(i), main.FavoFileFilter.List(i)});
    m_search.setFile(main.CurFavoFile, entries);
    readOtherFiles();
    Text_Search.setText(QString());
    Text_Search_Change();
    Text_Search.SetFocus();
}

void FindFavoriteForm::readOtherFiles()
{
    Workers& workers = host().workers();
    const QString folder = host().DataFolder();
    m_reads.clear();
    for (int16_t set = 1; set <= 5; ++set) {
        if (set == m_module.mainWindow().CurFavoFile)
            continue;
        // Nothing from this file until it has been read again.
        m_search.setFile(set, {});
        const QString path = FavoritesIo::FilePath(folder, set);
        const QString key = QStringLiteral("favorites:") + path;
        auto job = workers.running<WorkerCall<FavoritesFileContent>>(key);
        if (!job) {
            job = std::make_shared<WorkerCall<FavoritesFileContent>>(
                key, [path] { return FavoritesIo::Read(path); });
            workers.start(job);
        }
        m_reads.push_back({set, std::move(job), {}});
    }
    // One short wait for them all: files that answer by then are searched from the first key.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(Workers::ShortWaitMilliseconds);
    for (const FileRead& read : m_reads) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        workers.wait(*read.job, std::max(0, int(left.count())));
    }
    std::vector<FileRead> waiting;
    for (FileRead& read : m_reads) {
        if (read.job->ended()) {
            takeFile(read.set, read.job->result().value_or(FavoritesFileContent{}));
        } else {
            read.watch = read.job->watch([this, set = read.set] { fileRead(set); });
            waiting.push_back(std::move(read));
        }
    }
    m_reads = std::move(waiting);
}

void FindFavoriteForm::takeFile(int16_t set, const FavoritesFileContent& content)
{
    // What switching to the file would show; an unreadable file offers nothing.
    m_search.setFile(set, content.status == FavoritesFileContent::Unreadable
                              ? QList<FavoritesEntry>()
                              : content.shownEntries(host().HomeFolder()));
}

void FindFavoriteForm::fileRead(int16_t set)
{
    const auto read =
        std::find_if(m_reads.begin(), m_reads.end(), [set](const FileRead& r) { return r.set == set; });
    if (read == m_reads.end() || !read->job->ended())
        return;
    takeFile(set, read->job->result().value_or(FavoritesFileContent{}));
    m_reads.erase(read);
    // The hits grow; the one chosen stays chosen.
    const int16_t chosen = List_Hits.ListIndex();
    const std::optional<FavoriteHit> was =
        chosen >= 0 && chosen < m_hits.size() ? std::optional(m_hits.at(chosen)) : std::nullopt;
    Text_Search_Change();
    for (qsizetype i = 0; was && i < m_hits.size(); ++i)
        if (m_hits.at(i).set == was->set && m_hits.at(i).index == was->index)
            List_Hits.setListIndex(int16_t(i));
}

void FindFavoriteForm::Text_Search_Change()
{
    namespace T = FindFavoriteText;
    const bool sv = m_module.SwedishLanguage;
    qsizetype total = 0;
    m_hits = m_search.find(Text_Search.Text(), MaxHits, &total);
    List_Hits.Clear();
    for (const FavoriteHit& hit : m_hits) {
        const FavoritesEntry& entry = m_search.entry(hit);
        List_Hits.AddItem(entry.name + QStringLiteral("   ") + entry.path + T::InFile.text(sv) +
                          QString::number(hit.set) + u']');
    }
    Label_More.setCaption(total > m_hits.size()
                              ? T::MoreHits1.text(sv) + QString::number(total - m_hits.size()) +
                                    T::MoreHits2.text(sv)
                              : QString());
    if (!m_hits.isEmpty())
        List_Hits.setListIndex(0);
    else
        Command_Open.setEnabled(false);
}

void FindFavoriteForm::Text_Search_KeyDown(int16_t& KeyCode, int16_t)
{
    // The arrows move through the hits while the typing stays in the box.
    const int16_t i = List_Hits.ListIndex();
    if (KeyCode == KeyDown && i + 1 < List_Hits.ListCount())
        List_Hits.setListIndex(int16_t(i + 1));
    else if (KeyCode == KeyUp && i > 0)
        List_Hits.setListIndex(int16_t(i - 1));
}

void FindFavoriteForm::Text_Search_KeyPress(int16_t& KeyAscii)
{
    // Escape reaches the Cancel button through the dialog.
    if (KeyAscii == KeyCode::Enter)
        Command_Open_Click();
}

void FindFavoriteForm::List_Hits_Click()
{
    Command_Open.setEnabled(List_Hits.ListIndex() >= 0);
}

void FindFavoriteForm::List_Hits_DblClick()
{
    Command_Open_Click();
}

void FindFavoriteForm::List_Hits_KeyPress(int16_t& KeyAscii)
{
    Text_Search_KeyPress(KeyAscii);
}

void FindFavoriteForm::Command_Open_Click()
{
    const int16_t i = List_Hits.ListIndex();
    if (i < 0 || i >= m_hits.size())
        return;
    Chosen = m_hits.at(i);
    ChosenEntry = m_search.entry(*Chosen);
    Unload();
}

void FindFavoriteForm::Command_Cancel_Click()
{
    Chosen.reset();
    Unload();
}

void FindFavoriteForm::Form_Unload()
{
    // A file that answers after the dialog closed is read again at the next opening.
    m_reads.clear();
}
