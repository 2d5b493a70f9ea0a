#pragma once
// The real workers: detached threads that nobody ever joins, so that a thread stuck in the kernel
// on a dead network share holds up neither the window nor the end of the program. Their number
// is bounded; jobs beyond it wait their turn. News reach the window's thread through the
// application's event loop.

#include "core/system/workers.h"

#include <deque>
#include <memory>
#include <mutex>

class ThreadWorkers : public Workers
{
public:
    /// Threads at most; a thread stuck on a dead share keeps its place until the share answers.
    static constexpr int MaxThreads = 16;

    /// Needs the application object, whose event loop delivers the news.
    ThreadWorkers();
    ~ThreadWorkers() override;

protected:
    void launch(std::shared_ptr<WorkerJob> job) override;

private:
    // Shared with the threads, which may outlive this object.
    struct Pool
    {
        std::mutex mutex;
        std::deque<std::shared_ptr<WorkerJob>> queue;
        int threads = 0;
    };
    std::shared_ptr<Pool> m_pool;
};
