#include "common/taskgroup.h"
#include "common/taskpool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <stdexcept>
#include <thread>
#include <vector>

namespace iconsmith {
namespace {

TEST(TaskGroup, TasksMayWaitForTasksOfTheirOwnGroups)
{
    // More nested waits than workers: a waiting thread must run its group's queued work instead of blocking.
    TaskPool pool(1);
    TaskGroup outerGroup(pool);
    std::atomic<int> leaves{0};
    std::vector<std::shared_future<int>> outer;
    for (int i = 0; i < 8; ++i) {
        outer.push_back(outerGroup.submit([&pool, &leaves, i] {
            TaskGroup inner(pool);
            std::vector<std::shared_future<int>> parts;
            for (int j = 0; j < 4; ++j)
                parts.push_back(inner.submit([&leaves, j] {
                    ++leaves;
                    return j;
                }));
            int sum = i * 100;
            for (auto &f : parts) {
                inner.wait(f);
                sum += f.get();
            }
            return sum;
        }));
    }
    for (int i = 0; i < 8; ++i) {
        outerGroup.wait(outer[std::size_t(i)]);
        EXPECT_EQ(outer[std::size_t(i)].get(), i * 100 + 6);
    }
    EXPECT_EQ(leaves.load(), 32);
}

TEST(TaskGroup, AWaitRunsOnlyItsOwnGroupsTasks)
{
    // No workers: only the waiting thread runs anything, so what it runs shows what a wait takes on.
    TaskPool pool(0);
    TaskGroup mine(pool);
    TaskGroup other(pool);
    std::atomic<bool> otherRan{false};
    const auto foreign = other.submit([&otherRan] { otherRan = true; });
    const auto own = mine.submit([] { return 7; });
    mine.wait(own);
    EXPECT_EQ(own.get(), 7);
    EXPECT_FALSE(otherRan.load());
    other.wait(foreign);
    EXPECT_TRUE(otherRan.load());
}

TEST(TaskGroup, ExceptionsReachTheWaiter)
{
    TaskPool pool(2);
    TaskGroup group(pool);
    const auto failing = group.submit([]() -> int { throw std::runtime_error("broken"); });
    group.wait(failing);
    EXPECT_THROW(failing.get(), std::runtime_error);
}

TEST(TaskGroup, DestructionWaitsForEveryTask)
{
    TaskPool pool(2);
    std::atomic<int> done{0};
    {
        TaskGroup group(pool);
        for (int i = 0; i < 50; ++i)
            (void)group.submit([&done] {
                std::this_thread::sleep_for(std::chrono::microseconds(100));
                ++done;
            });
    }
    EXPECT_EQ(done.load(), 50);
}

TEST(TaskPool, StartsATaskNowOnlyWhenAWorkerIsIdle)
{
    TaskPool pool(1);
    std::latch release(1);
    std::latch started(1);
    const auto occupy = [&] {
        started.count_down();
        release.wait();
    };
    // The new worker may take a moment to reach its idle wait.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!pool.tryStartNow(occupy))
        ASSERT_LT(std::chrono::steady_clock::now(), deadline);
    started.wait();
    EXPECT_FALSE(pool.tryStartNow([] {}));
    release.count_down();
}

TEST(TaskPool, APoolWithoutWorkersNeverStartsATaskBesideTheCaller)
{
    TaskPool pool(0);
    EXPECT_FALSE(pool.tryStartNow([] {}));
}

} // namespace
} // namespace iconsmith
