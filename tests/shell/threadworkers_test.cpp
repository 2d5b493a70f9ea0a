// The real workers on a share that does not answer: no more threads than the bound, the rest
// waiting their turn, news for every job on the window's thread.

#include "qtinput.h"
#include "shell/host/threadworkers.h"

#include <algorithm>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

using namespace QtInput;

namespace {

// Jobs that wait at a gate, counting how many wait at once.
struct Gate
{
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
    int waiting = 0;
    int most = 0;
};

class GateJob : public WorkerJob
{
public:
    GateJob(QString key, std::shared_ptr<Gate> gate) : WorkerJob(std::move(key)), m_gate(std::move(gate)) {}

protected:
    void run() override
    {
        std::unique_lock lock(m_gate->mutex);
        m_gate->most = std::max(m_gate->most, ++m_gate->waiting);
        m_gate->opened.wait(lock, [this] { return m_gate->open; });
        --m_gate->waiting;
    }

private:
    std::shared_ptr<Gate> m_gate;
};

TEST(ThreadWorkers, NoMoreThreadsThanTheBoundAndNewsForEveryJob)
{
    ThreadWorkers workers;
    auto gate = std::make_shared<Gate>();
    const int jobs = ThreadWorkers::MaxThreads + 4;
    int news = 0;
    std::vector<WorkerJob::Watch> watches;
    for (int i = 0; i < jobs; ++i) {
        auto job = std::make_shared<GateJob>(QString::number(i), gate);
        watches.push_back(job->watch([&news, job] { news += job->ended() ? 1 : 0; }));
        workers.start(job);
    }
    EXPECT_TRUE(waitFor([&] {
        const std::lock_guard lock(gate->mutex);
        return gate->waiting == ThreadWorkers::MaxThreads;
    }));
    EXPECT_EQ(workers.busy(), jobs);
    EXPECT_TRUE(workers.running<GateJob>(QStringLiteral("0")));
    {
        const std::lock_guard lock(gate->mutex);
        gate->open = true;
    }
    gate->opened.notify_all();
    EXPECT_TRUE(waitFor([&] { return news == jobs; }));
    EXPECT_EQ(workers.busy(), 0);
    EXPECT_FALSE(workers.running<GateJob>(QStringLiteral("0")));
    const std::lock_guard lock(gate->mutex);
    EXPECT_EQ(gate->most, ThreadWorkers::MaxThreads);
}

} // namespace
