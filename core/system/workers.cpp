// The bookkeeping every Workers implementation shares: the jobs still running by key, the wait
// with a time limit, and news handed to the window's thread.
#include "core/system/workers.h"

#include <algorithm>
#include <chrono>

Workers::Workers() : m_shared(std::make_shared<Shared>()) {}

Workers::~Workers()
{
    close();
}

void Workers::close()
{
    const std::lock_guard lock(m_shared->mutex);
    m_shared->closed = true;
}

std::shared_ptr<WorkerJob> Workers::runningJob(const QString& key) const
{
    const std::lock_guard lock(m_shared->mutex);
    const auto found = m_shared->running.find(key);
    if (found == m_shared->running.end())
        return nullptr;
    std::shared_ptr<WorkerJob> job = found->second.lock();
    return job && !job->ended() ? job : nullptr;
}

void Workers::start(const std::shared_ptr<WorkerJob>& job)
{
    {
        const std::lock_guard lock(m_shared->mutex);
        job->m_shared = m_shared;
        m_shared->running[job->key()] = job;
        ++m_shared->busy;
    }
    launch(job);
}

bool Workers::wait(WorkerJob& job, int milliseconds)
{
    std::unique_lock lock(job.m_mutex);
    return job.m_endedChanged.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                       [&job] { return job.m_ended; });
}

int Workers::busy() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->busy;
}

bool WorkerJob::ended() const
{
    const std::lock_guard lock(m_mutex);
    return m_ended;
}

void WorkerJob::execute()
{
    run();
    {
        const std::lock_guard lock(m_mutex);
        m_ended = true;
    }
    m_endedChanged.notify_all();
    if (m_shared) {
        const std::lock_guard lock(m_shared->mutex);
        --m_shared->busy;
        const auto found = m_shared->running.find(m_key);
        if (found != m_shared->running.end() && found->second.lock().get() == this)
            m_shared->running.erase(found);
    }
    notify();
}

void WorkerJob::notify()
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_noticePending)
            return;
        m_noticePending = true;
    }
    if (!m_shared)
        return;
    const std::lock_guard lock(m_shared->mutex);
    if (m_shared->closed || !m_shared->post)
        return;
    m_shared->post([job = shared_from_this()] { job->deliver(); });
}

void WorkerJob::deliver()
{
    {
        const std::lock_guard lock(m_mutex);
        m_noticePending = false;
    }
    // A watcher may drop its watch, or another's, from its news.
    const auto news = m_news;
    for (const auto& [id, call] : news) {
        const bool stillWatching = std::any_of(m_news.begin(), m_news.end(),
                                               [id = id](const auto& entry) { return entry.first == id; });
        if (stillWatching)
            call();
    }
}

WorkerJob::Watch WorkerJob::watch(std::function<void()> news)
{
    Watch watch;
    watch.m_job = shared_from_this();
    watch.m_id = m_nextId++;
    m_news.emplace_back(watch.m_id, std::move(news));
    return watch;
}

WorkerJob::Watch& WorkerJob::Watch::operator=(Watch&& other) noexcept
{
    if (this != &other) {
        reset();
        m_job = std::move(other.m_job);
        m_id = other.m_id;
        other.m_job = nullptr;
    }
    return *this;
}

void WorkerJob::Watch::reset()
{
    if (!m_job)
        return;
    auto& news = m_job->m_news;
    news.erase(
        std::remove_if(news.begin(), news.end(), [this](const auto& entry) { return entry.first == m_id; }),
        news.end());
    m_job = nullptr;
}
