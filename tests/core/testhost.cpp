#include "testhost.h"

#include "core/dialogs/messbox.h"
#include "core/system/desktopfolders.h"
#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "core/toolkit/menuitem.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <gtest/gtest.h>
#include <utility>

static bool isMessageBox(const Form& form)
{
    return form.Name() == QLatin1String("MessBox");
}

TestHost::TestHost() : m_settings(DesktopFolders::SettingsFile()) {}

void TestHost::onModal(const QString& formName, Script script)
{
    m_scripts.emplace_back(formName, std::move(script));
}

void TestHost::answer(const QString& caption)
{
    onModal(QStringLiteral("MessBox"), [this, caption](Form& form) {
        auto& box = static_cast<MessBox&>(form);
        for (int16_t i = 0; i < 3; ++i) {
            if (box.Button(i).Visible() && box.Button(i).Caption() == caption) {
                messages.back().answer = caption;
                box.Button_Click(i);
                return;
            }
        }
        ADD_FAILURE() << "no button \"" << caption.toStdString() << "\" in message \""
                      << box.Label_Msg.Caption().toStdString() << "\"";
        box.Unload();
    });
}

void TestHost::answerByClosing()
{
    onModal(QStringLiteral("MessBox"), [](Form& form) { static_cast<MessBox&>(form).CloseByWindowSystem(); });
}

QString TestHost::GetSetting(const QString& key, const QString& defaultValue)
{
    return m_settings.Get(key, defaultValue);
}

void TestHost::SaveSetting(const QString& key, const QString& value)
{
    settingWrites.emplace_back(key, value);
    m_settings.Save(key, value);
}

QString TestHost::DataFolder()
{
    return DesktopFolders::Data();
}

QString TestHost::CacheFolder()
{
    return DesktopFolders::Cache();
}

QString TestHost::HomeFolder()
{
    return DesktopFolders::Home();
}

bool TestHost::StartProcess(const QString& program, const QStringList& arguments)
{
    startedProcesses.emplace_back(program, arguments);
    return processesStart;
}

bool TestHost::ShellOpen(const QString& target)
{
    shellOpened.push_back(target);
    return processesStart;
}

int TestHost::Download(const QString& url, const QString& localPath)
{
    downloads.push_back(url);
    const auto found = web.find(url);
    if (found == web.end())
        return 1;
    if (found->second) {
        QFile file(localPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(*found->second) != found->second->size()) {
            m_downloadWriteError = file.errorString();
            return DownloadNotWritten;
        }
    }
    return 0;
}

void TestHost::ClipboardSetText(const QString& text)
{
    clipboard = text;
}

void TestHost::ShowModal(Form& form)
{
    const bool isMessage = isMessageBox(form);
    if (isMessage) {
        auto& box = static_cast<MessBox&>(form);
        messages.push_back({box.Caption(), box.Label_Msg.Caption(), box.Style(), {}});
    }
    if (m_scripts.empty() || m_scripts.front().first != form.Name()) {
        ADD_FAILURE() << "unexpected modal form " << form.Name().toStdString()
                      << (isMessage ? " \"" + messages.back().title.toStdString() +
                                          "\": " + messages.back().prompt.toStdString()
                                    : std::string());
        form.Unload();
        return;
    }
    Script script = std::move(m_scripts.front().second);
    m_scripts.pop_front();
    Form* outer = std::exchange(m_modalForm, &form);
    form.Activate();
    script(form);
    m_modalForm = outer;
    if (form.IsLoaded()) {
        ADD_FAILURE() << "modal form " << form.Name().toStdString() << " still loaded after its script";
        form.Unload();
    }
}

void TestHost::PopupMenu(Form&, MenuItem& menu)
{
    popups.push_back(menu.Name());
    menu.RaiseClick();
}

QSize TestHost::MeasureText(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    qsizetype longest = 0;
    for (const QString& line : lines)
        longest = std::max(longest, line.size());
    return {int(longest) * charWidth, int(lines.size()) * lineHeight};
}

void TestHost::SendEnter()
{
    // Enter reaches the focused control: on a button it clicks it.
    ++enterKeys;
    if (!m_modalForm)
        return;
    if (auto* button = qobject_cast<CommandButton*>(m_modalForm->ActiveControl())) {
        if (isMessageBox(*m_modalForm) && !messages.empty())
            messages.back().answer = button->Caption();
        button->RaiseClick();
    }
}

QString TestHost::Environment(const QString& name)
{
    const auto found = environment.find(name);
    return found == environment.end() ? QString() : found->second;
}

void TestHost::WatchFolders(const QStringList& folders, std::function<void(const QString&)> changed)
{
    watched = folders;
    m_watchChanged = std::move(changed);
}

void TestHost::folderChanged(const QString& folder)
{
    ASSERT_TRUE(watched.contains(folder)) << "no watch on " << folder.toStdString();
    m_watchChanged(folder);
}

void TestHost::StartTimer(int milliseconds, std::function<void()> callback)
{
    timers.push_back({milliseconds, std::move(callback)});
}

int TestHost::runTimers()
{
    std::vector<Timer> due;
    due.swap(timers);
    for (Timer& timer : due)
        timer.callback();
    return int(due.size());
}

void TestHost::ShellOpenChecked(const QString& target, std::function<void()> failed)
{
    shellOpened.push_back(target);
    pendingOpenFailures.push_back(std::move(failed));
}

void TestHost::finishOpen(bool ok)
{
    ASSERT_FALSE(pendingOpenFailures.empty()) << "no open is waiting for its verdict";
    std::function<void()> failed = std::move(pendingOpenFailures.front());
    pendingOpenFailures.erase(pendingOpenFailures.begin());
    if (!ok)
        failed();
}

void TestHost::CheckFolders(const QStringList& folders, int timeoutMilliseconds,
                            std::function<void(const std::vector<FolderState>&)> done)
{
    folderChecks.push_back({folders, timeoutMilliseconds, std::move(done)});
}

void TestHost::answerCheck(size_t index, const QStringList& noAnswer)
{
    ASSERT_LT(index, folderChecks.size());
    std::vector<FolderState> states;
    for (const QString& folder : folderChecks[index].folders) {
        if (noAnswer.contains(folder))
            states.push_back(FolderState::NoAnswer);
        else
            states.push_back(QFileInfo(folder).isDir() ? FolderState::Present : FolderState::Missing);
    }
    folderChecks[index].done(states);
}

void TestHost::WatchFile(const QString& path, std::function<void()> changed)
{
    if (changed)
        watches[path] = std::move(changed);
    else
        watches.erase(path);
}

void TestHost::fileChanged(const QString& path)
{
    const auto it = watches.find(path);
    if (it == watches.end())
        return;
    const std::function<void()> changed = it->second;
    changed();
}

TestWorkers::TestWorkers()
{
    shared()->post = [this](std::function<void()> step) { m_news.push_back(std::move(step)); };
}

bool TestWorkers::held(const QString& key) const
{
    const QString path = key.section(QLatin1Char(':'), 1);
    return std::any_of(m_held.begin(), m_held.end(), [&path](const QString& folder) {
        return path == folder || path.startsWith(folder + QLatin1Char('/'));
    });
}

void TestWorkers::hold(const QString& folder)
{
    m_held << folder;
}

void TestWorkers::launch(std::shared_ptr<WorkerJob> job)
{
    ++started[job->key()];
    if (held(job->key()))
        m_waiting.push_back(std::move(job));
    else
        job->execute();
}

void TestWorkers::release(const QString& folder)
{
    m_held.removeAll(folder);
    std::vector<std::shared_ptr<WorkerJob>> waiting;
    waiting.swap(m_waiting);
    for (auto& job : waiting) {
        if (held(job->key()))
            m_waiting.push_back(std::move(job));
        else
            job->execute();
    }
    deliver();
}

void TestWorkers::deliver()
{
    while (!m_news.empty()) {
        std::vector<std::function<void()>> news;
        news.swap(m_news);
        for (const auto& step : news)
            step();
    }
}
