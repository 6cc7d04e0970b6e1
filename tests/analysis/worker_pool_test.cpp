// The worker pool: every part of every job runs exactly once, whatever the
// number of threads, also when jobs follow each other quickly (a worker that
// wakes late must not run a part of the next job with the last one's function).
#include "analysis/kernels/worker_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace kalvesta {
namespace {

class WorkerPoolThreads : public testing::TestWithParam<int> {};

TEST_P(WorkerPoolThreads, EveryPartOfEveryJobRunsOnce) {
    WorkerPool pool(GetParam());
    EXPECT_EQ(pool.thread_count(), GetParam());
    std::vector<std::atomic<int>> runs(64);
    for (int job = 0; job < 2000; ++job) {
        const size_t parts = static_cast<size_t>(job % 65);  // 0..64, 1 included
        for (auto& count : runs) {
            count.store(0);
        }
        const int tag = job;
        auto part = [&runs, tag](size_t p) { runs[p].fetch_add(tag % 7 + 1); };
        pool.Run(parts, part);
        for (size_t p = 0; p < runs.size(); ++p) {
            ASSERT_EQ(runs[p].load(), p < parts ? tag % 7 + 1 : 0)
                << "job " << job << " part " << p;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, WorkerPoolThreads, testing::Values(1, 2, 3, 5));

}  // namespace
}  // namespace kalvesta
