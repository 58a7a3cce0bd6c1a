#pragma once

namespace tessora {

// Runs the window events that are pending now, once, and returns (may re-enter the game).
void DoEvents();

// Runs window events, sleeping on the event loop while none is pending, and returns after the
// first batch of events or after at most maxMilliseconds. Never spins: the thread sleeps in the
// event dispatcher until an event or the bounding timer wakes it. maxMilliseconds <= 0 behaves
// like DoEvents.
void WaitForEvents(int maxMilliseconds);

// The time of day in seconds since midnight (local time), with millisecond resolution.
double TimeOfDaySeconds();

}  // namespace tessora
