#pragma once

#include "platform/Clock.h"

namespace tessora::test {

// A clock that moves on by a fixed step at every reading (wrapping at midnight) and never by
// itself. Pauses and falls then take a fixed, small number of event-loop passes, so tests can
// play many games quickly.
class SteppedClock final : public Clock {
  public:
    explicit SteppedClock(double stepSeconds, double startSeconds = 0)
        : step_(stepSeconds), now_(startSeconds) {}

    double TimeOfDay() override {
        constexpr double kSecondsPerDay = 86400;
        now_ += step_;
        if (now_ >= kSecondsPerDay) now_ -= kSecondsPerDay;
        return now_;
    }
    bool FollowsRealTime() const override { return false; }

  private:
    double step_;
    double now_;
};

// Holds a stepped clock, so that it is built before the window that reads it.
struct SteppedTime {
    explicit SteppedTime(double stepSeconds) : clock(stepSeconds) {}
    SteppedClock clock;
};

}  // namespace tessora::test
