#pragma once

#include <chrono>
#include <future>
#include <memory>
#include <type_traits>

#include "common/taskpool.h"

namespace iconsmith {

/**
 * Tasks that belong together (the renders of one generation, the bands of one PNG), run on a
 * TaskPool's workers.
 *
 * A thread that waits for one of them runs the group's queued tasks meanwhile, never another
 * group's, so waiting can nest only as deep as groups nest in each other. A task may wait only
 * for tasks of its group that never wait themselves: a waiting thread may pick up any queued
 * task of the group, and one that waited for a task lower on the same thread's stack would
 * wait for ever. The destructor waits for every task of the group, so tasks may refer to what
 * the group's owner holds.
 */
class TaskGroup
{
public:
    explicit TaskGroup(TaskPool &pool = TaskPool::shared()) : m_pool(pool) {}
    ~TaskGroup() { waitForAll(); }
    TaskGroup(const TaskGroup &) = delete;
    TaskGroup &operator=(const TaskGroup &) = delete;

    /** Queues @p task and returns its result to come. Exceptions travel through the future. */
    template <typename Function> auto submit(Function task) -> std::shared_future<std::invoke_result_t<Function>>
    {
        using Value = std::invoke_result_t<Function>;
        auto packaged = std::make_shared<std::packaged_task<Value()>>(std::move(task));
        std::shared_future<Value> future = packaged->get_future().share();
        m_pool.enqueue(m_state, [packaged] { (*packaged)(); });
        return future;
    }

    /** Waits for @p future, running this group's queued tasks in the meantime. */
    template <typename Value> void wait(const std::shared_future<Value> &future)
    {
        const auto ready = [&future] { return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready; };
        while (!ready()) {
            if (!m_pool.runOneOf(m_state))
                m_pool.sleepUntil(m_state, ready);
        }
    }

    /** Waits until every task submitted so far has run. */
    void waitForAll()
    {
        const auto none = [this] { return m_state.outstanding == 0; };
        for (;;) {
            if (m_pool.runOneOf(m_state))
                continue;
            bool done = false;
            m_pool.sleepUntil(m_state, [&] { return done = none(); });
            if (done)
                return;
        }
    }

private:
    TaskPool &m_pool;
    TaskPool::GroupState m_state;
};

} // namespace iconsmith
