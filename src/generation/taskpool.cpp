#include "taskpool.h"

#include <algorithm>

namespace iconsmith {

TaskPool::TaskPool(int workers)
{
    m_workers.reserve(std::size_t(std::max(0, workers)));
    for (int i = 0; i < workers; ++i)
        m_workers.emplace_back([this] { workerLoop(); });
}

TaskPool::~TaskPool()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    for (std::thread &worker : m_workers)
        worker.join();
}

TaskPool &TaskPool::shared()
{
    static TaskPool pool(std::max(1, int(std::thread::hardware_concurrency()) - 1));
    return pool;
}

void TaskPool::enqueue(std::function<void()> task)
{
    {
        const std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(task));
    }
    m_changed.notify_all();
}

bool TaskPool::runOneQueued()
{
    std::function<void()> task;
    {
        const std::lock_guard lock(m_mutex);
        if (m_queue.empty())
            return false;
        task = std::move(m_queue.front());
        m_queue.pop_front();
    }
    task();
    notifyFinished();
    return true;
}

void TaskPool::waitForProgress(const std::function<bool()> &done)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, std::chrono::milliseconds(20), [&] { return !m_queue.empty() || done(); });
}

void TaskPool::workerLoop()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_queue.empty())
                return;
            task = std::move(m_queue.front());
            m_queue.pop_front();
        }
        task();
        notifyFinished();
    }
}

void TaskPool::notifyFinished()
{
    // Taking the lock orders this wake-up after a waiter's check of its result, so it cannot
    // fall between that check and the waiter going to sleep.
    {
        const std::lock_guard lock(m_mutex);
    }
    m_changed.notify_all();
}

} // namespace iconsmith
