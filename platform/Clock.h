#pragma once

namespace tessora {

// The game's clock: the time of day its pauses are measured with.
class Clock {
  public:
    virtual ~Clock() = default;

    // True when the clock moves on by itself as real time passes, so that waiting for events
    // brings a pause closer and a timer's interval means what it says. A clock that moves only
    // when it is read has no use for waits or timer intervals: the window then lets events
    // run without sleeping and its timers tick on every pass of the event loop.
    virtual bool FollowsRealTime() const { return true; }

    // Seconds since midnight; starts again from 0 at midnight.
    virtual double TimeOfDay() = 0;
};

}  // namespace tessora
