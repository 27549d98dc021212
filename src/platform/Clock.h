#pragma once

#include "platform/DateTime.h"

#include <ctime>
#include <functional>

// The library's one clock. Every reading of "now" goes through Clock::now(), so tests can
// fix the moment; every request to set the computer's clock goes through one replaceable
// system call, so tests never change the machine's time.
namespace platform {

using ClockFunction = std::function<TDateTime()>;
// Has the signature of clock_settime: 0 on success, -1 with errno set on refusal.
using ClockSetCall = std::function<int(clockid_t, const timespec*)>;

class Clock {
public:
    // The current local date and time.
    static TDateTime now();
    // Asks the operating system to set its clock to the local wall-clock time `local`.
    // False when `local` is not a valid moment or the system refuses.
    static bool setLocalTime(const QDateTime& local);
};

// Replace the clock or the system call; each returns the previous one. An empty function
// restores the real one.
ClockFunction setClockForTesting(ClockFunction clock);
ClockSetCall setClockSetCallForTesting(ClockSetCall call);

// Fixes "now" while in scope.
class ScopedClock {
public:
    explicit ScopedClock(ClockFunction clock) : previous_(setClockForTesting(std::move(clock))) {}
    explicit ScopedClock(TDateTime fixed) : ScopedClock([fixed] { return fixed; }) {}
    ~ScopedClock() { setClockForTesting(std::move(previous_)); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    ClockFunction previous_;
};

class ScopedClockSetCall {
public:
    explicit ScopedClockSetCall(ClockSetCall call) : previous_(setClockSetCallForTesting(std::move(call))) {}
    ~ScopedClockSetCall() { setClockSetCallForTesting(std::move(previous_)); }
    ScopedClockSetCall(const ScopedClockSetCall&) = delete;
    ScopedClockSetCall& operator=(const ScopedClockSetCall&) = delete;

private:
    ClockSetCall previous_;
};

} // namespace platform
