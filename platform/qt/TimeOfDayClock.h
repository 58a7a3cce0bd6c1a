#pragma once

#include "platform/Clock.h"
#include "platform/qt/EventLoop.h"

namespace tessora {

// The game's clock: the local time of day.
class TimeOfDayClock final : public Clock {
  public:
    double TimeOfDay() override { return TimeOfDaySeconds(); }
};

}  // namespace tessora
