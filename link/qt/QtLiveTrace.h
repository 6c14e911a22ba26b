#pragma once

#include "link/CLiveTrace.h"
#include "link/LinkIo.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <iterator>
#include <memory>
#include <mutex>
#include <vector>

class LinkIoThread;

// Binds the live trace to Qt: its two timers are QTimers on the UI thread, its
// device is owned by a LinkIoThread, and whatever that thread reports is
// queued to the UI thread, where the whole trace logic runs. The queue is our
// own, under a std::mutex, with one queued call per event to take the next:
// Qt's own locks are invisible to the thread sanitizer (the system's Qt is not
// built with it), ours are not.
class QtLiveTrace : public QObject, private LinkIoEvents
{
    Q_OBJECT

public:
    // `program` names the program and its version in the CSV log.
    QtLiveTrace(std::shared_ptr<HidTransport> transport, TraceUi& ui, std::string savePath,
                std::string program, QObject* parent = nullptr);
    ~QtLiveTrace() override; // stops the I/O thread before anything it calls goes
    QtLiveTrace(const QtLiveTrace&) = delete;
    QtLiveTrace& operator=(const QtLiveTrace&) = delete;

    CLiveTrace& Trace() { return *m_Trace; }
    const CLiveTrace& Trace() const { return *m_Trace; }

private:
    class Clock : public LinkClock
    {
    public:
        explicit Clock(QtLiveTrace& owner);
        LocalDateTime Now() const override;
        int64_t ElapsedMs() const override;
        void SetTimer(LinkTimer timer, int periodMs) override;
        void KillTimer(LinkTimer timer) override;
        bool IsTimerRunning(LinkTimer timer) const override;

    private:
        static constexpr LinkTimer Timers[] = {LinkTimer::Poll, LinkTimer::Watchdog, LinkTimer::RunEnd};
        QTimer& Timer(LinkTimer timer) { return m_Timers[Index(timer)]; }
        const QTimer& Timer(LinkTimer timer) const { return m_Timers[Index(timer)]; }
        static size_t Index(LinkTimer timer) { return static_cast<size_t>(timer) - 1; }
        QTimer m_Timers[std::size(Timers)];
        QElapsedTimer m_Elapsed;
    };

    struct IoEvent
    {
        enum class Kind
        {
            ReportRead,
            ReadError,
            WriteDone
        };
        Kind kind;
        std::vector<uint8_t> report; // ReportRead
        bool written = false;        // WriteDone
    };

    // Called on the I/O thread.
    void OnReportRead(const uint8_t* data, size_t size) override;
    void OnReadError() override;
    void OnWriteDone(bool written) override;
    void Queue(IoEvent event);

    // On the UI thread: hands the oldest queued event to the link.
    Q_INVOKABLE void DeliverIoEvent();

    Clock m_Clock;
    std::mutex m_IoEventsMutex; // guards m_IoEvents
    std::deque<IoEvent> m_IoEvents;
    std::unique_ptr<LinkIoThread> m_Io;
    std::unique_ptr<CLiveTrace> m_Trace;
};
