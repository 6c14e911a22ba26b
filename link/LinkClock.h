#pragma once

#include <cstdint>

// The timers of the live trace; the first two ids are the ones the page sets.
enum class LinkTimer
{
    Poll = 1,     // 500 ms: send one poll request
    Watchdog = 2, // 3000 ms: no report for that long
    RunEnd = 3    // a stability run's duration has passed
};

struct LocalDateTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Time as the link sees it: periodic timers delivered to OnTimer of the link
// on the UI thread, the local date and time for log lines, and a steady
// clock. Injected so tests can run the link in virtual time.
class LinkClock
{
public:
    virtual ~LinkClock() = default;

    virtual LocalDateTime Now() const = 0;
    // A steady count of milliseconds from any start: what durations and the
    // times of readings are measured in, unmoved by changes of the wall clock.
    virtual int64_t ElapsedMs() const = 0;

    // Starts a periodic timer, or restarts it from now when it runs.
    virtual void SetTimer(LinkTimer timer, int periodMs) = 0;
    virtual void KillTimer(LinkTimer timer) = 0;
    virtual bool IsTimerRunning(LinkTimer timer) const = 0;
};
