// The worker pool: workers sleep on a condition variable between jobs; within a
// job every thread, the caller included, takes the next part from a shared
// counter, so a worker that is slow to wake simply takes fewer parts.
#include "analysis/kernels/worker_pool.h"

#include <algorithm>

#include "model/check.h"

namespace kalvesta {

int WorkerPool::DefaultThreadCount() {
    const unsigned processors = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(processors, 1u, 8u));
}

WorkerPool::WorkerPool(int thread_count) {
    KALVESTA_CHECK(thread_count >= 1);
    workers_.reserve(static_cast<size_t>(thread_count - 1));
    for (int t = 1; t < thread_count; ++t) {
        workers_.emplace_back([this] { WorkerLoop(); });
    }
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    job_posted_.notify_all();
    for (std::thread& worker : workers_) {
        worker.join();
    }
}

void WorkerPool::RunParts(size_t part_count, PartFunction function, void* context) {
    const Job job{function, context, part_count};
    if (workers_.empty() || part_count <= 1) {
        for (size_t p = 0; p < part_count; ++p) {
            function(context, p);
        }
        return;
    }
    {
        std::unique_lock lock(mutex_);
        job_finished_.wait(lock, [&] { return busy_workers_ == 0; });
        job_ = job;
        next_part_.store(0);
        parts_done_.store(0);
        ++job_number_;
    }
    job_posted_.notify_all();
    TakeParts(job);
    std::unique_lock lock(mutex_);
    job_finished_.wait(lock, [&] { return parts_done_.load() == part_count; });
}

void WorkerPool::TakeParts(const Job& job) {
    for (;;) {
        const size_t p = next_part_.fetch_add(1);
        if (p >= job.part_count) {
            return;
        }
        job.function(job.context, p);
        if (parts_done_.fetch_add(1) + 1 == job.part_count) {
            // Taking the mutex orders this report before the caller's wait.
            const std::lock_guard lock(mutex_);
            job_finished_.notify_all();
        }
    }
}

void WorkerPool::WorkerLoop() {
    unsigned long seen_job = 0;
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            job_posted_.wait(lock, [&] { return stopping_ || job_number_ != seen_job; });
            if (stopping_) {
                return;
            }
            seen_job = job_number_;
            job = job_;
            ++busy_workers_;
        }
        TakeParts(job);
        {
            const std::lock_guard lock(mutex_);
            --busy_workers_;
        }
        job_finished_.notify_all();
    }
}

}  // namespace kalvesta
