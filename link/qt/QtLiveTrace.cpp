#include "link/qt/QtLiveTrace.h"

#include "link/LinkIoThread.h"

#include <QDateTime>

QtLiveTrace::Clock::Clock(QtLiveTrace& owner)
{
    for (LinkTimer id : Timers)
        QObject::connect(&Timer(id), &QTimer::timeout, &owner, [&owner, id] { owner.m_Trace->OnTimer(id); });
    // A coarse timer may fire 5 % early: over a day's run, more than an hour.
    Timer(LinkTimer::RunEnd).setTimerType(Qt::PreciseTimer);
    m_Elapsed.start();
}

LocalDateTime QtLiveTrace::Clock::Now() const
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), time.msec()};
}

int64_t QtLiveTrace::Clock::ElapsedMs() const
{
    return m_Elapsed.elapsed();
}

void QtLiveTrace::Clock::SetTimer(LinkTimer timer, int periodMs)
{
    Timer(timer).start(periodMs);
}

void QtLiveTrace::Clock::KillTimer(LinkTimer timer)
{
    Timer(timer).stop();
}

bool QtLiveTrace::Clock::IsTimerRunning(LinkTimer timer) const
{
    return Timer(timer).isActive();
}

QtLiveTrace::QtLiveTrace(std::shared_ptr<HidTransport> transport, TraceUi& ui, std::string savePath,
                         std::string program, QObject* parent)
    : QObject(parent), m_Clock(*this),
      m_Io(std::make_unique<LinkIoThread>(static_cast<LinkIoEvents&>(*this))),
      m_Trace(std::make_unique<CLiveTrace>(std::move(transport), m_Clock, *m_Io, ui, std::move(savePath),
                                           std::move(program)))
{
}

QtLiveTrace::~QtLiveTrace()
{
    m_Io.reset();
}

void QtLiveTrace::OnReportRead(const uint8_t* data, size_t size)
{
    Queue({IoEvent::Kind::ReportRead, std::vector<uint8_t>(data, data + size), false});
}

void QtLiveTrace::OnReadError()
{
    Queue({IoEvent::Kind::ReadError, {}, false});
}

void QtLiveTrace::OnWriteDone(bool written)
{
    Queue({IoEvent::Kind::WriteDone, {}, written});
}

void QtLiveTrace::Queue(IoEvent event)
{
    std::lock_guard<std::mutex> lock(m_IoEventsMutex);
    m_IoEvents.push_back(std::move(event));
    // Posted under the lock: the UI thread takes the event only after this
    // post is complete, which is what orders the two threads for the
    // sanitizer too.
    QMetaObject::invokeMethod(this, "DeliverIoEvent", Qt::QueuedConnection);
}

void QtLiveTrace::DeliverIoEvent()
{
    // Each queued event has its own call, so there is one to take.
    IoEvent event = [this] {
        std::lock_guard<std::mutex> lock(m_IoEventsMutex);
        IoEvent oldest = std::move(m_IoEvents.front());
        m_IoEvents.pop_front();
        return oldest;
    }();
    CLiveLink& link = m_Trace->Link();
    switch (event.kind) {
    case IoEvent::Kind::ReportRead:
        link.OnReportRead(event.report.data(), event.report.size());
        break;
    case IoEvent::Kind::ReadError:
        link.OnReadError();
        break;
    case IoEvent::Kind::WriteDone:
        link.OnWriteDone(event.written);
        break;
    }
}
