#pragma once

// The two timers of the live link; the ids are the ones the page sets.
enum class LinkTimer
{
    Poll = 1,    // 500 ms: send one poll request
    Watchdog = 2 // 3000 ms: no report for that long
};

struct LocalDateTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Time as the link sees it: periodic timers delivered to OnTimer of the link
// on the UI thread, and the local date and time for log lines. Injected so
// tests can run the link in virtual time.
class LinkClock
{
public:
    virtual ~LinkClock() = default;

    virtual LocalDateTime Now() const = 0;

    // Starts a periodic timer, or restarts it from now when it runs.
    virtual void SetTimer(LinkTimer timer, int periodMs) = 0;
    virtual void KillTimer(LinkTimer timer) = 0;
    virtual bool IsTimerRunning(LinkTimer timer) const = 0;
};
