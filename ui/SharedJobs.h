#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace tessora {

// Jobs shared by one helper thread and whoever needs their results: the helper runs them in
// their order, and a thread waiting for a job runs the jobs not yet begun itself (in order)
// until its job is done. Two cores are kept busy by the helper and the waiting thread, and a
// job is never waited for while the waiting thread could do it.
class SharedJobs {
  public:
    // Starts the helper on the jobs.
    explicit SharedJobs(std::vector<std::function<void()>> jobs);
    // Lets the job running finish, runs no further one, and ends the helper.
    ~SharedJobs();
    SharedJobs(const SharedJobs&) = delete;
    SharedJobs& operator=(const SharedJobs&) = delete;

    // Returns once the job (its index) has run.
    void Await(std::size_t job);

  private:
    enum State : int { kPending, kRunning, kDone };

    // Runs the first job not yet begun; false when every job has begun.
    bool RunNext();
    void Run(std::size_t job);

    std::vector<std::function<void()>> jobs_;
    std::unique_ptr<std::atomic<int>[]> states_;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::condition_variable done_;
    std::thread helper_;
};

}  // namespace tessora
