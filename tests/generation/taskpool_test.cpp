#include "taskpool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace iconsmith {
namespace {

TEST(TaskPool, TasksMayWaitForTasksTheySubmitted)
{
    // More nested waits than workers: a waiting thread must run queued work instead of blocking.
    TaskPool pool(1);
    std::atomic<int> leaves{0};
    std::vector<std::shared_future<int>> outer;
    for (int i = 0; i < 8; ++i) {
        outer.push_back(pool.submit([&pool, &leaves, i] {
            std::vector<std::shared_future<int>> inner;
            for (int j = 0; j < 4; ++j)
                inner.push_back(pool.submit([&leaves, j] {
                    ++leaves;
                    return j;
                }));
            int sum = i * 100;
            for (auto &f : inner) {
                pool.wait(f);
                sum += f.get();
            }
            return sum;
        }));
    }
    for (int i = 0; i < 8; ++i) {
        pool.wait(outer[std::size_t(i)]);
        EXPECT_EQ(outer[std::size_t(i)].get(), i * 100 + 6);
    }
    EXPECT_EQ(leaves.load(), 32);
}

TEST(TaskPool, ExceptionsReachTheWaiter)
{
    TaskPool pool(2);
    const auto failing = pool.submit([]() -> int { throw std::runtime_error("broken"); });
    pool.wait(failing);
    EXPECT_THROW(failing.get(), std::runtime_error);
}

TEST(TaskPool, APoolWithoutWorkersRunsTasksOnTheWaitingThread)
{
    TaskPool pool(0);
    const auto task = pool.submit([] { return 42; });
    pool.wait(task);
    EXPECT_EQ(task.get(), 42);
}

} // namespace
} // namespace iconsmith
