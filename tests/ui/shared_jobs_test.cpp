// The jobs shared by the pictures' helper thread and the thread that waits for them.
#include <QTest>
#include <array>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "support/QtTestMain.h"
#include "ui/SharedJobs.h"

using tessora::SharedJobs;

class SharedJobsTest : public QObject {
    Q_OBJECT

  private slots:
    // The helper and the waiting thread reach the same job together, round after round: each
    // job runs exactly once, and a job waited for has run when the wait returns. The jobs go in
    // pairs that wait for each other to begin, so that the two threads finish them together and
    // both go for the next job at the same moment.
    void eachJobRunsOnceWhenBothThreadsReachIt() {
        constexpr int kRounds = 2000;
        constexpr std::size_t kJobs = 8;
        // A job whose partner never begins (a fault) gives up waiting instead of hanging.
        constexpr int kMostYields = 100000;
        for (int round = 0; round < kRounds; ++round) {
            std::array<std::atomic<int>, kJobs> runs{};
            std::array<std::atomic<bool>, kJobs> ended{};
            std::vector<std::function<void()>> jobs;
            for (std::size_t job = 0; job < kJobs; ++job) {
                jobs.emplace_back([&runs, &ended, job] {
                    ++runs[job];
                    for (int yields = 0; runs[job ^ 1] == 0 && yields < kMostYields; ++yields)
                        std::this_thread::yield();
                    ended[job] = true;
                });
            }
            {
                SharedJobs shared(std::move(jobs));
                shared.Await(kJobs - 1);
                QVERIFY(ended[kJobs - 1]);
                for (std::size_t job = 0; job < kJobs; ++job) {
                    shared.Await(job);
                    QVERIFY(ended[job]);
                }
            }
            for (std::size_t job = 0; job < kJobs; ++job) {
                QVERIFY2(runs[job] == 1, qPrintable(QStringLiteral("round %1: job %2 ran %3 times")
                                                        .arg(round)
                                                        .arg(job)
                                                        .arg(runs[job].load())));
            }
        }
    }
};

TESSORA_QTEST_APPLESS(SharedJobsTest)
#include "shared_jobs_test.moc"
