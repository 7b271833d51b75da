#include "common/taskpool.h"

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

bool TaskPool::tryStartNow(std::function<void()> task)
{
    {
        const std::lock_guard lock(m_mutex);
        // Every queued task will be taken by an idle worker; one more idle worker than that
        // is free for this one.
        if (m_idleWorkers <= int(m_queue.size()))
            return false;
        m_queue.push_back({nullptr, std::move(task)});
    }
    m_changed.notify_all();
    return true;
}

void TaskPool::enqueue(GroupState &group, std::function<void()> run)
{
    {
        const std::lock_guard lock(m_mutex);
        ++group.outstanding;
        m_queue.push_back({&group, std::move(run)});
    }
    m_changed.notify_all();
}

bool TaskPool::runOneOf(GroupState &group)
{
    Task task;
    {
        const std::lock_guard lock(m_mutex);
        const auto found =
            std::find_if(m_queue.begin(), m_queue.end(), [&group](const Task &t) { return t.group == &group; });
        if (found == m_queue.end())
            return false;
        task = std::move(*found);
        m_queue.erase(found);
    }
    task.run();
    finished(task.group);
    return true;
}

void TaskPool::sleepUntil(GroupState &group, const std::function<bool()> &done)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] {
        return done() ||
               std::any_of(m_queue.begin(), m_queue.end(), [&group](const Task &t) { return t.group == &group; });
    });
}

void TaskPool::finished(GroupState *group)
{
    // Under the lock: a waiter checks its condition under it too, so this wake-up cannot fall
    // between its check and its sleep.
    {
        const std::lock_guard lock(m_mutex);
        if (group != nullptr)
            --group->outstanding;
    }
    m_changed.notify_all();
}

void TaskPool::workerLoop()
{
    for (;;) {
        Task task;
        {
            std::unique_lock lock(m_mutex);
            ++m_idleWorkers;
            m_changed.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            --m_idleWorkers;
            if (m_queue.empty())
                return;
            task = std::move(m_queue.front());
            m_queue.pop_front();
        }
        task.run();
        finished(task.group);
    }
}

} // namespace iconsmith
