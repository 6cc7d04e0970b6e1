// A fixed set of worker threads that share the big loops of a calculation (the
// elimination's trailing updates, the influence matrix's rows) with the calling
// thread. The threads are started when the pool is made and live until it is
// destroyed; running a job allocates nothing.
//
// A job's parts are dealt out as one contiguous range per thread, the caller's
// first; a thread takes parts from the front of its own range and, when that is
// empty, from the back of another's. A job that gives the same parts the same data
// from one call to the next (the elimination's strips of columns) thus mostly
// finds its data in the cache of the thread that wrote it last, while a thread
// that is slow (or busy with other work first) still holds up nobody.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

namespace kalvesta {

class WorkerPool {
public:
    // thread_count threads in all, the caller of Run included (1 to kMaxThreads).
    explicit WorkerPool(int thread_count = DefaultThreadCount());
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // One thread per processor this process may run on, at most kMaxThreads.
    static constexpr int kMaxThreads = 8;
    static int DefaultThreadCount();

    int thread_count() const { return static_cast<int>(workers_.size()) + 1; }

    // Calls part(p) once for every p = 0..part_count−1 and returns when all have
    // finished. The calling thread takes parts too; which thread runs which part
    // is not fixed, so parts must write disjoint data, and must not throw. One
    // caller at a time, and a part must not run another job on the same pool.
    template <class Part>
    void Run(size_t part_count, Part& part) {
        Start(part_count, part);
        Finish();
    }

    // Run in two halves: Start hands the parts to the workers and returns at
    // once, so that the caller can do other work meanwhile (which must not touch
    // what the parts read or write); Finish takes the parts still left and
    // returns when all have finished. `part` must live until Finish returns.
    // Without workers the parts all run in Finish.
    template <class Part>
    void Start(size_t part_count, Part& part) {
        StartParts(part_count, &CallPart<Part>, &part);
    }
    void Finish();

private:
    using PartFunction = void (*)(void* context, size_t part);

    template <class Part>
    static void CallPart(void* context, size_t part) {
        (*static_cast<Part*>(context))(part);
    }

    // A job as the threads see it; copied under the mutex.
    struct Job {
        PartFunction function = nullptr;
        void* context = nullptr;
        size_t part_count = 0;
    };

    void StartParts(size_t part_count, PartFunction function, void* context);
    // One thread's parts of the current job: the range front..back−1, both
    // halves of one atomic word so that owner and thief never take the same part.
    struct alignas(64) PartRange {
        std::atomic<unsigned long long> front_and_back{0};
    };

    // Deals the job's parts out among the threads' ranges, the first ones to
    // the caller.
    void DealParts(size_t part_count);
    // The next part of `range` from its front (own parts) or its back (stolen
    // ones), or kNoPart when the range is empty.
    static size_t Take(PartRange& range, bool from_front);
    // Takes parts of `job` until none is left, own ones first; `thread` is 0
    // for the caller, 1.. for the workers.
    void TakeParts(const Job& job, int thread);
    void WorkerLoop(int thread);

    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable job_posted_;
    std::condition_variable job_finished_;
    // The current job and its number, written under the mutex, and only while no
    // worker is taking parts (busy_workers_ = 0), so that a worker that wakes
    // late never takes a part of the next job with the previous job's function.
    Job job_;
    // Watching threads also read the number without the mutex.
    std::atomic<unsigned long> job_number_{0};
    // The caller's job between Start and Finish, and whether it runs on the
    // caller alone.
    Job started_;
    bool started_alone_ = true;
    int busy_workers_ = 0;
    bool stopping_ = false;
    PartRange ranges_[kMaxThreads];
    std::atomic<size_t> parts_done_{0};
};

}  // namespace kalvesta
