#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>
#include <vector>

namespace iconsmith {

/**
 * A fixed set of worker threads that run submitted tasks in submission order.
 *
 * A thread that waits for a result (wait()) runs queued tasks meanwhile instead of blocking,
 * so tasks may wait for tasks they submitted without ever starving the pool.
 */
class TaskPool
{
public:
    /** A pool with @p workers threads; 0 runs every task on the thread that waits for it. */
    explicit TaskPool(int workers);
    ~TaskPool();
    TaskPool(const TaskPool &) = delete;
    TaskPool &operator=(const TaskPool &) = delete;

    /** The pool the generation uses: one worker fewer than the machine has cores, the waiting thread makes up the last.
     */
    static TaskPool &shared();

    /** Queues @p task and returns its result to come. Exceptions travel through the future. */
    template <typename Function> auto submit(Function task) -> std::shared_future<std::invoke_result_t<Function>>
    {
        using Result = std::invoke_result_t<Function>;
        auto packaged = std::make_shared<std::packaged_task<Result()>>(std::move(task));
        std::shared_future<Result> future = packaged->get_future().share();
        enqueue([packaged] { (*packaged)(); });
        return future;
    }

    /** Waits for @p future, running queued tasks in the meantime. */
    template <typename Result> void wait(const std::shared_future<Result> &future)
    {
        while (future.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            if (!runOneQueued())
                waitForProgress([&] { return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        }
    }

    [[nodiscard]] int workerCount() const { return int(m_workers.size()); }

private:
    void enqueue(std::function<void()> task);
    bool runOneQueued();
    void waitForProgress(const std::function<bool()> &done);
    void notifyFinished();
    void workerLoop();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::function<void()>> m_queue;
    std::vector<std::thread> m_workers;
    bool m_stopping = false;
};

} // namespace iconsmith
