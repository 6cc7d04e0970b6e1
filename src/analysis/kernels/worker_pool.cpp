// The worker pool: workers sleep on a condition variable between jobs; within a
// job every thread, the caller included, takes parts from its own range first
// and then from the others', so a worker that is slow to wake simply takes fewer
// parts. Waking a sleeping thread takes 60 to 300 microseconds on a virtual
// machine, as long as a small job itself: so a worker that has just finished a
// job, and a caller waiting for the last parts, first watch the counters for a
// while. Between two jobs of the elimination its caller factors the next panel
// alone, up to about a millisecond; with 50 µs of watching, the worker went to
// sleep 17 times in a solve of 1218 unknowns and 50 times at 3000.
#include "analysis/kernels/worker_pool.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif
#include <sched.h>

#include <algorithm>
#include <chrono>

#include "model/check.h"

namespace kalvesta {
namespace {

// How long a thread watches before it goes to sleep.
constexpr std::chrono::microseconds kWatchTime{1000};

// A range's front in the high half of its word, its back in the low half.
constexpr unsigned kHalfBits = 32;
constexpr unsigned long long kHalfMask = (1ull << kHalfBits) - 1;
constexpr size_t kNoPart = ~size_t{0};

unsigned long long FrontAndBack(size_t front, size_t back) {
    return (static_cast<unsigned long long>(front) << kHalfBits) | back;
}

// Tells the processor that this thread is spinning, where it can be told.
void PauseSpin() {
#if defined(__x86_64__) || defined(__i386__)
    _mm_pause();
#endif
}

// Watches until `done` returns true or the watch time is over.
template <class Done>
void Watch(Done done) {
    const auto until = std::chrono::steady_clock::now() + kWatchTime;
    while (!done() && std::chrono::steady_clock::now() < until) {
        PauseSpin();
    }
}

}  // namespace

// The processors this process may run on (fewer than the machine has under
// `taskset` or in a cpuset): a watching thread must not hold a processor that
// the thread it watches for is waiting for. WebAssembly without shared memory
// has no threads: there the caller works alone.
int WorkerPool::DefaultThreadCount() {
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
    return 1;
#else
    int processors = static_cast<int>(std::thread::hardware_concurrency());
#if defined(CPU_COUNT)
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0) {
        processors = CPU_COUNT(&allowed);
    }
#endif
    return std::clamp(processors, 1, kMaxThreads);
#endif
}

WorkerPool::WorkerPool(int thread_count) {
    KALVESTA_CHECK(thread_count >= 1 && thread_count <= kMaxThreads);
    workers_.reserve(static_cast<size_t>(thread_count - 1));
    for (int t = 1; t < thread_count; ++t) {
        workers_.emplace_back([this, t] { WorkerLoop(t); });
    }
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        // News for a watching worker too, so that it stops at once.
        job_number_.fetch_add(1, std::memory_order_release);
    }
    job_posted_.notify_all();
    for (std::thread& worker : workers_) {
        worker.join();
    }
}

void WorkerPool::StartParts(size_t part_count, PartFunction function, void* context) {
    started_ = Job{function, context, part_count};
    // Too small to share: Finish runs it, and the ranges and the count of parts
    // done stay as the last posted job left them, for a worker that wakes late
    // for that job.
    started_alone_ = workers_.empty() || part_count <= 1;
    if (started_alone_) {
        return;
    }
    {
        std::unique_lock lock(mutex_);
        job_finished_.wait(lock, [&] { return busy_workers_ == 0; });
        job_ = started_;
        DealParts(part_count);
        parts_done_.store(0);
        job_number_.fetch_add(1, std::memory_order_release);
    }
    job_posted_.notify_all();
}

void WorkerPool::Finish() {
    const Job job = started_;
    if (started_alone_) {
        for (size_t p = 0; p < job.part_count; ++p) {
            job.function(job.context, p);
        }
        return;
    }
    TakeParts(job, 0);
    Watch([&] { return parts_done_.load(std::memory_order_acquire) == job.part_count; });
    std::unique_lock lock(mutex_);
    job_finished_.wait(lock, [&] { return parts_done_.load() == job.part_count; });
}

// Thread t's range: parts t × count / T .. (t + 1) × count / T − 1.
void WorkerPool::DealParts(size_t part_count) {
    KALVESTA_CHECK(part_count <= kHalfMask);
    const size_t threads = static_cast<size_t>(thread_count());
    for (size_t t = 0; t < threads; ++t) {
        ranges_[t].front_and_back.store(
            FrontAndBack(t * part_count / threads, (t + 1) * part_count / threads));
    }
}

size_t WorkerPool::Take(PartRange& range, bool from_front) {
    unsigned long long word = range.front_and_back.load();
    for (;;) {
        const size_t front = static_cast<size_t>(word >> kHalfBits);
        const size_t back = static_cast<size_t>(word & kHalfMask);
        if (front >= back) {
            return kNoPart;
        }
        const unsigned long long rest =
            from_front ? FrontAndBack(front + 1, back) : FrontAndBack(front, back - 1);
        if (range.front_and_back.compare_exchange_weak(word, rest)) {
            return from_front ? front : back - 1;
        }
    }
}

void WorkerPool::TakeParts(const Job& job, int thread) {
    const int threads = thread_count();
    for (int victim = 0; victim < threads; ++victim) {
        PartRange& range = ranges_[(thread + victim) % threads];
        for (;;) {
            const size_t p = Take(range, victim == 0);
            if (p == kNoPart) {
                break;
            }
            job.function(job.context, p);
            if (parts_done_.fetch_add(1) + 1 == job.part_count) {
                // Taking the mutex orders this report before the caller's wait.
                const std::lock_guard lock(mutex_);
                job_finished_.notify_all();
            }
        }
    }
}

void WorkerPool::WorkerLoop(int thread) {
    unsigned long seen_job = 0;
    for (;;) {
        Job job;
        Watch([&] { return job_number_.load(std::memory_order_acquire) != seen_job; });
        {
            std::unique_lock lock(mutex_);
            job_posted_.wait(lock, [&] { return stopping_ || job_number_ != seen_job; });
            if (stopping_) {
                return;
            }
            seen_job = job_number_.load();
            job = job_;
            ++busy_workers_;
        }
        TakeParts(job, thread);
        {
            const std::lock_guard lock(mutex_);
            --busy_workers_;
        }
        job_finished_.notify_all();
    }
}

}  // namespace kalvesta
