// Detached worker threads with a bound and a queue; news posted to the window's event loop.
#include "shell/host/threadworkers.h"

#include "shell/widgets/eventguard.h"

#include <QCoreApplication>
#include <thread>

ThreadWorkers::ThreadWorkers() : m_pool(std::make_shared<Pool>())
{
    shared()->post = [](std::function<void()> step) {
        // Called under the workers' lock, which close() takes before the application goes.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [step = std::move(step)] { EventGuard::run("worker news", step); },
            Qt::QueuedConnection);
    };
}

ThreadWorkers::~ThreadWorkers()
{
    close();
}

void ThreadWorkers::launch(std::shared_ptr<WorkerJob> job)
{
    {
        const std::lock_guard lock(m_pool->mutex);
        if (m_pool->threads >= MaxThreads) {
            m_pool->queue.push_back(std::move(job));
            return;
        }
        ++m_pool->threads;
    }
    std::thread([pool = m_pool, job = std::move(job)]() mutable {
        while (job) {
            job->execute();
            job.reset();
            const std::lock_guard lock(pool->mutex);
            if (pool->queue.empty()) {
                --pool->threads;
                return;
            }
            job = std::move(pool->queue.front());
            pool->queue.pop_front();
        }
    }).detach();
}
