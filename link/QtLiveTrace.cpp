#include "QtLiveTrace.h"

#include "LinkIoThread.h"

#include <QByteArray>
#include <QDateTime>

QtLiveTrace::Clock::Clock(QtLiveTrace& owner)
{
    for (LinkTimer id : {LinkTimer::Poll, LinkTimer::Watchdog})
        QObject::connect(&Timer(id), &QTimer::timeout, &owner, [&owner, id] { owner.m_Trace->Link().OnTimer(id); });
}

LocalDateTime QtLiveTrace::Clock::Now() const
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
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
                         QObject* parent)
    : QObject(parent), m_Clock(*this), m_Io(std::make_unique<LinkIoThread>(static_cast<LinkIoEvents&>(*this))),
      m_Trace(std::make_unique<CLiveTrace>(std::move(transport), m_Clock, *m_Io, ui, std::move(savePath)))
{
}

QtLiveTrace::~QtLiveTrace()
{
    m_Io.reset();
}

// The three events arrive on the I/O thread; the link runs on ours.
void QtLiveTrace::OnReportRead(const uint8_t* data, size_t size)
{
    const QByteArray report(reinterpret_cast<const char*>(data), static_cast<int>(size));
    QMetaObject::invokeMethod(
        this,
        [this, report] {
            m_Trace->Link().OnReportRead(reinterpret_cast<const uint8_t*>(report.constData()),
                                         static_cast<size_t>(report.size()));
        },
        Qt::QueuedConnection);
}

void QtLiveTrace::OnReadError()
{
    QMetaObject::invokeMethod(this, [this] { m_Trace->Link().OnReadError(); }, Qt::QueuedConnection);
}

void QtLiveTrace::OnWriteDone(bool written)
{
    QMetaObject::invokeMethod(this, [this, written] { m_Trace->Link().OnWriteDone(written); }, Qt::QueuedConnection);
}
