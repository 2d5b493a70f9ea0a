#pragma once
// Work that may block on a slow or dead disk (a network share that stopped answering), run off the
// window's thread. The window's thread starts a job, waits a short fixed time for it, and when the
// job has ended by then goes on exactly as if it had done the work itself; otherwise it watches
// the job, whose news reach it from the event loop. A job stuck in the kernel is never joined:
// it is left to end on its own, and a second request for the same thing watches it again rather
// than starting another.

#include <QString>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

class WorkerJob;

/// Where jobs run. Host::workers() gives the program's one instance; the real host runs jobs on
/// threads, the plain default runs them at once on the caller's thread.
class Workers
{
public:
    /// How long the window's thread waits for a job before it lets the job go on in the background.
    static constexpr int ShortWaitMilliseconds = 50;
    /// How long a job may take before the window says that the disk is not answering.
    static constexpr int NoAnswerMilliseconds = 2000;

    Workers();
    virtual ~Workers();
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    /// The job of this key whose work has not ended yet, to be watched rather than started twice;
    /// null when there is none or it is of another type.
    template <class Job> std::shared_ptr<Job> running(const QString& key) const
    {
        return std::dynamic_pointer_cast<Job>(runningJob(key));
    }
    /// Starts a job's work on a worker; its work runs to the end even when nobody watches.
    void start(const std::shared_ptr<WorkerJob>& job);
    /// Blocks the calling thread until the job's work has ended or `milliseconds` have passed;
    /// true when it has ended.
    virtual bool wait(WorkerJob& job, int milliseconds);

    /// Runs `work` on a worker under `key` (or watches the one of that key still running) and
    /// waits the short time: its result when it ended by then, nothing when the disk is slow.
    template <class Result>
    std::optional<Result> ask(const QString& key, std::function<Result()> work,
                              int milliseconds = ShortWaitMilliseconds);

    /// Jobs whose work has not ended: running, queued, or stuck in the kernel.
    int busy() const;

    /// What jobs share with the workers; it outlives this object for jobs still running.
    struct Shared
    {
        mutable std::mutex mutex;
        std::map<QString, std::weak_ptr<WorkerJob>> running;
        int busy = 0;
        bool closed = false;
        /// Runs a step on the window's thread from its event loop; set by the implementation.
        std::function<void(std::function<void()>)> post;
    };

protected:
    /// Runs job.execute() somewhere: now, on a thread, or when a test says so.
    virtual void launch(std::shared_ptr<WorkerJob> job) = 0;
    /// Stops delivering news; jobs still running end without telling anybody.
    void close();
    const std::shared_ptr<Shared>& shared() const { return m_shared; }

private:
    std::shared_ptr<WorkerJob> runningJob(const QString& key) const;

    std::shared_ptr<Shared> m_shared;
};

/// One piece of work for a worker, shared by the worker and the window's thread.
class WorkerJob : public std::enable_shared_from_this<WorkerJob>
{
public:
    explicit WorkerJob(QString key) : m_key(std::move(key)) {}
    virtual ~WorkerJob() = default;
    WorkerJob(const WorkerJob&) = delete;
    WorkerJob& operator=(const WorkerJob&) = delete;

    const QString& key() const { return m_key; }

    /// Whether the work has ended (any thread).
    bool ended() const;

    /// The window's interest in a job: while it lives, `news` runs on the window's thread from
    /// the event loop after the job said it has something new, and once after its work ended.
    class Watch
    {
    public:
        Watch() = default;
        Watch(Watch&& other) noexcept { *this = std::move(other); }
        Watch& operator=(Watch&& other) noexcept;
        ~Watch() { reset(); }
        void reset();
        explicit operator bool() const { return m_job != nullptr; }

    private:
        friend class WorkerJob;
        std::shared_ptr<WorkerJob> m_job;
        int m_id = 0;
    };
    /// Window's thread only.
    Watch watch(std::function<void()> news);

    /// Runs the work and marks the job ended; called once, by the Workers implementation.
    void execute();

protected:
    /// The work itself, on the worker.
    virtual void run() = 0;
    /// Worker side: tells the watchers that something is new; notices in a row become one.
    void notify();
    /// Guards what run() hands over to the window's thread.
    mutable std::mutex m_mutex;

private:
    friend class Workers;
    void deliver();

    QString m_key;
    std::condition_variable m_endedChanged;
    bool m_ended = false;
    bool m_noticePending = false;
    std::shared_ptr<Workers::Shared> m_shared;
    // The window's thread alone touches these.
    std::vector<std::pair<int, std::function<void()>>> m_news;
    int m_nextId = 1;
};

/// A job that computes one value.
template <class Result> class WorkerCall : public WorkerJob
{
public:
    WorkerCall(QString key, std::function<Result()> work) : WorkerJob(std::move(key)), m_work(std::move(work))
    {}
    /// The value once the job has ended.
    std::optional<Result> result() const
    {
        const std::lock_guard lock(m_mutex);
        return m_result;
    }

protected:
    void run() override
    {
        Result value = m_work();
        const std::lock_guard lock(m_mutex);
        m_result = std::move(value);
    }

private:
    std::function<Result()> m_work;
    std::optional<Result> m_result;
};

template <class Result>
std::optional<Result> Workers::ask(const QString& key, std::function<Result()> work, int milliseconds)
{
    std::shared_ptr<WorkerCall<Result>> job = running<WorkerCall<Result>>(key);
    if (!job) {
        job = std::make_shared<WorkerCall<Result>>(key, std::move(work));
        start(job);
    }
    if (!wait(*job, milliseconds))
        return std::nullopt;
    return job->result();
}

/// Runs every job at once on the caller's thread: for hosts without an event loop (the command
/// line, benchmarks), where nothing would deliver news anyway.
class InlineWorkers : public Workers
{
protected:
    void launch(std::shared_ptr<WorkerJob> job) override { job->execute(); }
};
