#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace iconsmith {

class TaskGroup;

/**
 * The worker threads of the process. Work reaches them through a TaskGroup, whose waits help
 * with the group's own queued tasks and nothing else, or through tryStartNow() for a task that
 * must run beside the caller (a producer feeding it).
 *
 * A wait blocks on a condition variable that every enqueue and every finished task signals
 * under the pool's lock, so a wake-up can never fall between a waiter's check and its sleep.
 */
class TaskPool
{
public:
    /** A pool with @p workers threads; 0 runs every task on the thread that waits for it. */
    explicit TaskPool(int workers);
    ~TaskPool();
    TaskPool(const TaskPool &) = delete;
    TaskPool &operator=(const TaskPool &) = delete;

    /**
     * The pool the generation uses: one worker fewer than the machine has cores, since the
     * thread that waits for a result works too.
     */
    static TaskPool &shared();

    /**
     * Hands @p task to a worker that is idle right now and returns true, or returns false and
     * leaves the task to the caller when every worker is busy.
     */
    bool tryStartNow(std::function<void()> task);

private:
    friend class TaskGroup;

    /** What the pool keeps of a group: its identity, and its tasks not yet finished (under the pool's lock). */
    struct GroupState
    {
        int outstanding = 0;
    };
    struct Task
    {
        GroupState *group = nullptr;
        std::function<void()> run;
    };

    void enqueue(GroupState &group, std::function<void()> run);
    /** Runs one queued task of @p group on this thread; false when it has none queued. */
    bool runOneOf(GroupState &group);
    /** Sleeps until @p done() holds or @p group has a task queued. @p done is called under the lock. */
    void sleepUntil(GroupState &group, const std::function<bool()> &done);
    void finished(GroupState *group);
    void workerLoop();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Task> m_queue;
    std::vector<std::thread> m_workers;
    int m_idleWorkers = 0;
    bool m_stopping = false;
};

} // namespace iconsmith
