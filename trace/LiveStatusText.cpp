#include "trace/LiveStatusText.h"

#include "link/CsvTraceLog.h"
#include "link/LiveStatus.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
class LiveStatusWords
{
    Q_DECLARE_TR_FUNCTIONS(LiveStatus)

public:
    static QString Of(const LiveStatus& status)
    {
        switch (status.state) {
        case LiveState::Running:
            return Running(status);
        case LiveState::Waiting:
            return Waiting(status);
        case LiveState::NoInstrument:
            if (status.reason == LiveReason::Lost)
                return tr(
                    "No instrument found: it stopped answering and is gone (unplugged or switched off). "
                    "Plug it in and press Trace.");
            return tr("No instrument found: none is connected over USB. Plug it in, switch it on and set its "
                      "USB mode to Communication.");
        case LiveState::Stopped:
            break;
        }
        return Stopped(status);
    }

private:
    // The text log's path in full, the CSV log's name beside it.
    static QString Logs(const LiveStatus& status)
    {
        const QString text = QDir::toNativeSeparators(QString::fromStdString(status.logPath));
        const QString csv =
            QFileInfo(QString::fromStdString(CCsvTraceLog::PathBeside(status.logPath))).fileName();
        return tr("%1 and %2 beside it").arg(text, csv);
    }

    static QString Running(const LiveStatus& status)
    {
        const QString every = QString::fromStdString(SecondsText(status.pollPeriodMs / 1000.0));
        if (!status.saving)
            return tr("Running: a reading every %1 s; not saving (Start to Save logs the readings).")
                .arg(every);
        return tr("Running: a reading every %1 s; %n reading(s) logged to %2.", nullptr, int(status.logged))
            .arg(every, Logs(status));
    }

    static QString Stopped(const LiveStatus& status)
    {
        if (status.reason != LiveReason::StoppedByUser)
            return tr("Stopped. Press Trace to read the instrument.");
        if (status.logged == 0)
            return tr("Stopped: no reading was logged.");
        return tr("Stopped: %n reading(s) logged to %1.", nullptr, int(status.logged)).arg(Logs(status));
    }

    static QString Waiting(const LiveStatus& status)
    {
        switch (status.reason) {
        case LiveReason::WrongMode:
            return tr("Waiting for the instrument: it answers but measures no power. Switch the unit to OPM "
                      "mode.");
        case LiveReason::NoAnswer:
            return tr(
                "Waiting for the instrument: it has not answered for 3 seconds. Check that its USB mode "
                "is Communication.");
        case LiveReason::CannotOpen:
            return tr("Waiting for the instrument: it is connected but cannot be opened. %1")
                .arg(QString::fromStdString(status.detail));
        default:
            break;
        }
        return tr("Waiting for the instrument: asked for a reading, none has come yet.");
    }
};
} // namespace

QString LiveStatusText(const LiveStatus& status)
{
    return LiveStatusWords::Of(status);
}
