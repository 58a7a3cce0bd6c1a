#include "ui/SharedJobs.h"

namespace tessora {

SharedJobs::SharedJobs(std::vector<std::function<void()>> jobs)
    : jobs_(std::move(jobs)), states_(std::make_unique<std::atomic<int>[]>(jobs_.size())) {
    for (std::size_t i = 0; i < jobs_.size(); ++i)
        states_[i] = kPending;
    helper_ = std::thread([this] {
        while (!stopping_ && RunNext()) {
        }
    });
}

SharedJobs::~SharedJobs() {
    stopping_ = true;
    helper_.join();
}

bool SharedJobs::RunNext() {
    for (std::size_t i = 0; i < jobs_.size(); ++i) {
        int pending = kPending;
        if (states_[i].compare_exchange_strong(pending, kRunning)) {
            Run(i);
            return true;
        }
    }
    return false;
}

void SharedJobs::Run(std::size_t job) {
    jobs_[job]();
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        states_[job] = kDone;
    }
    done_.notify_all();
}

void SharedJobs::Await(std::size_t job) {
    while (states_[job] != kDone) {
        if (RunNext()) continue;
        // Every job has begun: wait for this one to end.
        std::unique_lock<std::mutex> lock(mutex_);
        done_.wait(lock, [&] { return states_[job] == kDone; });
    }
}

}  // namespace tessora
