// Paste and drop on the window's side: plan, questions, progress, outcome.
#include "core/mainform/filetransfer.h"

#include "core/dialogs/conflictform.h"
#include "core/dialogs/module1.h"
#include "core/mainform/filetransfertexts.h"
#include "core/system/filename.h"
#include "core/system/fileops.h"
#include "core/system/host.h"

#include <QFileInfo>

/// The copy itself, on a worker; its progress is read by the window while it runs.
class CopyJob : public WorkerJob
{
public:
    CopyJob(const QString& target, QStringList sources, bool move,
            std::map<QString, FileCopy::Answer> answers)
        : WorkerJob(QStringLiteral("copy:") + target), m_target(target), m_sources(std::move(sources)),
          m_move(move), m_answers(std::move(answers))
    {}
    FileCopy::Progress progress;
    FileCopy::Outcome outcome() const
    {
        const std::lock_guard lock(m_mutex);
        return m_outcome;
    }

protected:
    void run() override
    {
        progress.step = [this] { notify(); };
        FileCopy::Outcome outcome = FileCopy::Run(m_sources, m_target, m_move, m_answers, progress);
        const std::lock_guard lock(m_mutex);
        m_outcome = std::move(outcome);
    }

private:
    const QString m_target;
    const QStringList m_sources;
    const bool m_move;
    const std::map<QString, FileCopy::Answer> m_answers;
    FileCopy::Outcome m_outcome;
};

FileTransfer::FileTransfer(Module1& module, Calls calls) : m_module(module), m_calls(std::move(calls)) {}

FileTransfer::~FileTransfer()
{
    // A copy still running goes on to its end (its files stay whole); nobody hears of it.
    if (m_copyJob)
        m_copyJob->progress.cancel = true;
}

void FileTransfer::setRunning(bool running)
{
    m_running = running;
    if (m_calls.runningChanged)
        m_calls.runningChanged(running);
}

void FileTransfer::start(const QStringList& sources, const QString& target, Kind kind,
                         std::function<void()> moved)
{
    const bool sv = m_module.SwedishLanguage;
    if (m_running) {
        m_module.ShowMessBox(FileTransferText::AnotherRunning.text(sv), MsgStyle::OKOnly,
                             FileTransferText::CopyTitle.text(sv));
        return;
    }
    if (sources.isEmpty() || target.isEmpty())
        return;
    m_sources = sources;
    m_target = target;
    m_kind = kind;
    m_moved = std::move(moved);
    setRunning(true);
    Workers& workers = m_module.host().workers();
    const bool move = kind != Kind::Copy;
    auto job = std::make_shared<WorkerCall<FileCopy::Plan>>(
        QStringLiteral("copyplan:") + target,
        [sources, target, move] { return FileCopy::MakePlan(sources, target, move); });
    m_planJob = job;
    m_watch = job->watch([this, job] {
        if (job->ended() && m_planJob == job)
            planned(*job->result());
    });
    workers.start(job);
    if (workers.wait(*job, Workers::ShortWaitMilliseconds) && m_planJob == job)
        planned(*job->result());
}

bool FileTransfer::askAnswers(const FileCopy::Plan& plan, std::map<QString, FileCopy::Answer>& answers)
{
    std::optional<FileCopy::Answer> forAll;
    for (qsizetype i = 0; i < plan.conflicts.size(); ++i) {
        const QString& source = plan.conflicts[i];
        if (!forAll) {
            ConflictForm ask(m_module);
            const QFileInfo info(source);
            const auto choice = ask.Ask(info.fileName(), IsFolderAt(source) && !info.isSymLink(), m_target,
                                        int(plan.conflicts.size() - i - 1));
            if (!choice)
                return false;
            if (choice->toAll)
                forAll = choice->answer;
            answers[source] = choice->answer;
            continue;
        }
        answers[source] = *forAll;
    }
    return true;
}

void FileTransfer::planned(const FileCopy::Plan& plan)
{
    namespace T = FileTransferText;
    const bool sv = m_module.SwedishLanguage;
    m_planJob.reset();
    m_watch.reset();
    m_move = m_kind == Kind::Move || (m_kind == Kind::ByVolume && plan.sameVolume);
    const QString title = (m_move ? T::MoveTitle : T::CopyTitle).text(sv);
    QString refusal;
    if (plan.error != 0)
        refusal = T::Quote.text(sv) + FileNameForDisplay(plan.errorPath) + T::Unreadable.text(sv) +
                  FileOps::ErrorText(plan.error);
    else if (!plan.intoItself.isEmpty())
        refusal = T::IntoItself1.text(sv) + FileNameForDisplay(plan.intoItself) + T::IntoItself2.text(sv);
    std::map<QString, FileCopy::Answer> answers;
    if (!refusal.isEmpty() || !askAnswers(plan, answers)) {
        if (!refusal.isEmpty())
            m_module.ShowMessBox(refusal, MsgStyle::OKOnly, title);
        setRunning(false);
        return;
    }
    m_total = plan.files;
    auto job = std::make_shared<CopyJob>(m_target, m_sources, m_move, std::move(answers));
    m_copyJob = job;
    if (m_calls.status)
        m_calls.status(busyText());
    m_watch = job->watch([this, job] {
        if (m_copyJob == job)
            news();
    });
    Workers& workers = m_module.host().workers();
    workers.start(job);
    if (workers.wait(*job, Workers::ShortWaitMilliseconds) && m_copyJob == job)
        ended();
}

QString FileTransfer::busyText() const
{
    namespace T = FileTransferText;
    const bool sv = m_module.SwedishLanguage;
    const int done = m_copyJob ? std::min(m_copyJob->progress.done.load(), m_total) : 0;
    return (m_move ? T::Moving : T::Copying).text(sv) + QString::number(done) + T::Of.text(sv) +
           files(m_total, sv) + T::Busy.text(sv);
}

QString FileTransfer::files(int count, bool swedish)
{
    namespace T = FileTransferText;
    return QString::number(count) + (count == 1 ? T::OneFile : T::Files).text(swedish);
}

void FileTransfer::news()
{
    if (m_copyJob->ended())
        ended();
    else if (m_calls.status)
        m_calls.status(busyText());
}

void FileTransfer::ended()
{
    namespace T = FileTransferText;
    const bool sv = m_module.SwedishLanguage;
    const std::shared_ptr<CopyJob> job = std::exchange(m_copyJob, nullptr);
    m_watch.reset();
    const FileCopy::Outcome outcome = job->outcome();
    const int done = job->progress.done.load();
    setRunning(false);
    if (m_calls.finished)
        m_calls.finished(m_target, outcome.placed);
    if (outcome.cancelled) {
        if (m_calls.status)
            m_calls.status((m_move ? T::MoveCancelled : T::CopyCancelled).text(sv) + QString::number(done) +
                           T::Of.text(sv) + files(m_total, sv) + T::NothingLeft.text(sv));
        return;
    }
    if (outcome.error != 0) {
        const QString name = FileNameForDisplay(QFileInfo(outcome.failedPath).fileName());
        const QString why = FileCopy::IsFullDisk(outcome.error)
                                ? T::NoSpace1.text(sv) + FileNameForDisplay(m_target) + T::NoSpace2.text(sv) +
                                      name + T::NoSpace3.text(sv)
                                : T::Quote.text(sv) + name + (m_move ? T::NotMoved : T::NotCopied).text(sv) +
                                      FileOps::ErrorText(outcome.error);
        const QString tally = (m_move ? T::Moved : T::Copied).text(sv) + QString::number(done) +
                              T::Of.text(sv) + files(m_total, sv);
        m_module.ShowMessBox(why + T::Tally1.text(sv) + tally +
                                 (m_move ? T::NothingLostInMove : T::NothingLeft).text(sv),
                             MsgStyle::OKOnly, (m_move ? T::MoveTitle : T::CopyTitle).text(sv));
        return;
    }
    if (m_calls.status)
        m_calls.status((m_move ? T::Moved : T::Copied).text(sv) + files(done, sv) + T::Done.text(sv));
    if (outcome.keptError != 0)
        m_module.ShowMessBox(T::Quote.text(sv) + FileNameForDisplay(outcome.keptPath) +
                                 T::NotRemoved.text(sv) + FileOps::ErrorText(outcome.keptError) +
                                 T::StillThere.text(sv),
                             MsgStyle::OKOnly, T::MoveTitle.text(sv));
    if (m_move && m_moved)
        m_moved();
}

void FileTransfer::cancel()
{
    if (m_copyJob) {
        m_copyJob->progress.cancel = true;
    } else if (m_planJob) {
        // Still looking at the sources: nothing was written yet, so nothing is to be undone.
        m_planJob.reset();
        m_watch.reset();
        setRunning(false);
    }
}
