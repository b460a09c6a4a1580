#include <gtest/gtest.h>

#include <vector>

#include "framework/TimedQueue.h"

TEST(TimedQueueTest, TheEarliestMessageGoesFirstAndTiesGoToTheFirstProducer)
{
    TimedQueue queue;
    std::vector<std::uint32_t> sent;
    const auto sink = [&sent](std::uint32_t message) { sent.push_back(message); };
    const int first = queue.Add(sink, {});
    const int second = queue.Add(sink, {});
    const TimedMessage a[] = {{10, 1}, {20, 2, false}, {30, 3}};
    const TimedMessage b[] = {{5, 11}, {20, 12}};
    queue.Schedule(first, a);
    queue.Schedule(second, b);
    while (const auto next = queue.Next())
        queue.HandleFirst(next->producer);
    EXPECT_EQ(sent, (std::vector<std::uint32_t>{11, 1, 12, 3})) << "a moment that sends nothing is only counted";
    EXPECT_EQ(queue.Handled(first), 3u);
    EXPECT_EQ(queue.Handled(second), 2u);
}

TEST(TimedQueueTest, CancelKeepsTheCountAndRemovedProducersAreGone)
{
    TimedQueue queue;
    const int producer = queue.Add([](std::uint32_t) {}, [](std::uint64_t) {});
    const TimedMessage messages[] = {{1, 1}, {2, 2}, {3, 3}};
    queue.Schedule(producer, messages);
    queue.HandleFirst(producer);
    EXPECT_EQ(queue.Cancel(producer), 1u);
    EXPECT_FALSE(queue.Next());
    queue.Schedule(producer, messages);
    queue.HandleFirst(producer);
    EXPECT_EQ(queue.Handled(producer), 2u) << "counts run on across a cancel";
    EXPECT_NE(queue.ProgressOf(producer), nullptr);
    queue.Remove(producer);
    EXPECT_FALSE(queue.Next());
    EXPECT_EQ(queue.ProgressOf(producer), nullptr);
    EXPECT_EQ(queue.Cancel(producer), 0u);
}
